#!/usr/bin/env python3
"""Replays every real ADIF export of the shared sample folder with kovra-replay and checks
the counts that its SOURCES.md lists (QSO records, QSOs per band) and, on the files that
show them, the mapping faults once found there. Skips when the folder is missing."""
import argparse
import os
import re
import sys
import types

from check_replay import replay

SKIPPED = 77

# File: extra options, then (where, pattern, how many matches) for the records that
# once went wrong.
FAULTS = {
    'adif-spec-sample.adi': (['--call', 'WN4AZY'], []),
    'hamrs_KE8OKM.adi': ([], [
        ('out', r'^Replayed 1 QSO records for KE8OKM\.$', 1),
        ('cabrillo', r'^CALLSIGN: KE8OKM$', 1),
        ('err', r'no FREQ; sent as 14000 kHz, the lower edge of band 20$', 1)]),
    'log4om2_IU3QOA_excerpt.adi': ([], [('cabrillo', r'^QSO: 14\d{3} PH ', 3)]),
    'minos-vhf-contest_M0KPW.adi': ([], [
        ('err', r': record \d+: no FREQ; sent as 144000 kHz, the lower edge of band 2$', 45),
        ('cabrillo', r'^QSO: 144000 PH ', 45)]),
    'logger32_R3LO.adi': ([], [
        ('err', r'^kovra-replay: log\.adi: record 1: FREQ "10489\.899880" is above 4294\.967295 '
                r'MHz, the most the host\'s 32-bit Hz field holds; sent as 2300000 kHz', 1)]),
}


def listed(sources):
    """(file, QSO records, {band: QSOs}) for each row of the SOURCES.md table."""
    rows = []
    for line in open(sources, encoding='utf-8'):
        cells = [c.strip() for c in line.strip().strip('|').split('|')]
        if len(cells) == 6 and cells[0].endswith('.adi'):
            bands = {b: int(n) for b, n in re.findall(r'(\w+) \((\d+)\)', cells[4])}
            rows.append((cells[0], int(cells[3]), bands))
    return rows


def check_file(args, name, records, bands):
    options, faults = FAULTS.get(name, ([], []))
    run = types.SimpleNamespace(program=args.program, emulator=None,
                                log=os.path.join(args.samples, name),
                                workdir=os.path.join(args.workdir, name))
    status, out, err = replay(run, options)
    logs = [f for f in os.listdir(run.workdir) if f.endswith('.cbr')]
    cabrillo = open(os.path.join(run.workdir, logs[0]), 'rb').read().decode('cp1251') if logs else ''
    texts = {'out': out, 'err': err, 'cabrillo': cabrillo.replace('\r\n', '\n')}
    rows = {b: int(n) for b, n in re.findall(r'^(\w+)\t (\d+)\t \d+$', out, re.M) if b != 'Total'}
    found = [('exit status', status, 0),
             ('records', re.findall(r'^Replayed (\d+) QSO records', out, re.M), [str(records)]),
             ('QSOs per band', rows, bands),
             ('Cabrillo QSO lines', len(re.findall(r'^QSO: ', texts['cabrillo'], re.M)), records),
             ('log written', len(re.findall(r'^Cabrillo log: \S+, written$', out, re.M)), 1)]
    found += [(f'{where} /{pattern}/', len(re.findall(pattern, texts[where], re.M)), count)
              for where, pattern, count in faults]
    return [f'{name}: {what}: got {got!r}, expected {want!r}'
            for what, got, want in found if got != want], out + err


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--program', required=True)
    parser.add_argument('--samples', required=True)
    parser.add_argument('--workdir', required=True)
    args = parser.parse_args()
    args.program = os.path.abspath(args.program)
    sources = os.path.join(args.samples, 'SOURCES.md')
    if not os.path.exists(sources):
        print(f'skipped: no shared ADIF samples at {args.samples}')
        return SKIPPED
    rows = listed(sources)
    failures = []
    for name, records, bands in rows:
        failed, text = check_file(args, name, records, bands)
        if failed:
            print(text)
        failures += failed
    print('\n'.join(failures))
    print(f'{len(rows)} sample logs replayed: '
          + (f'{len(failures)} checks failed' if failures else 'all checks passed'))
    return 1 if failures or not rows else 0


if __name__ == '__main__':
    sys.exit(main())
