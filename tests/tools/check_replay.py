#!/usr/bin/env python3
"""Replays a log with kovra-replay --report --confirm in a scratch folder and checks
the band rows, total, score, repeats and Cabrillo file against its own count of the log."""
import argparse
import collections
import os
import re
import shutil
import subprocess
import sys


def records(path):
    """Field dictionaries of the log's records; values hold no '<' in our sample logs."""
    text = open(path, 'rb').read().decode('cp1251')
    header, body = ('', text) if text.startswith('<') else re.split(r'(?i)<eoh>', text, 1)
    found = []
    for chunk in re.split(r'(?i)<eor>', body):
        fields = {}
        for m in re.finditer(r'<(\w+):(\d+)(?::\w)?>', chunk):
            fields[m.group(1).upper()] = chunk[m.end():m.end() + int(m.group(2))]
        if fields:
            found.append(fields)
    return header, found


def expected(path):
    header, recs = records(path)
    bands = collections.Counter()
    tours = collections.Counter()
    for r in recs:
        band = r['BAND'].lower().rstrip('m')
        bands.setdefault(band, 0)
        if r.get('CALL'):
            bands[band] += 1
            mode = r.get('MODE', '').upper()
            mode = mode if mode == 'SSB' else (r.get('SUBMODE') or mode).upper()
            hhmm = int(r['TIME_ON'][:4])
            tours[(r['CALL'], band, mode, r['QSO_DATE'], hhmm // 100, hhmm % 100 >= 30)] += 1
    call = next(r['STATION_CALLSIGN'] for r in recs if r.get('STATION_CALLSIGN'))
    return {
        'header': header,
        'rows': sorted(bands.items(), key=lambda kv: -float(kv[0])),
        'total': len(recs),
        'score': sum(bands.values()),
        'repeats': sum(n - 1 for n in tours.values()),
        'cabrillo': call + '.cbr',
    }


def stated(header):
    """The figures the log's header text states for its readers."""
    return {
        'rows': [(b, int(n)) for b, n in re.findall(r'(\d+)m (\d+) QSOs', header)],
        'total': int(re.search(r'(\d+) records', header).group(1)),
        'score': int(re.search(r'score (\d+)', header).group(1)),
        'repeats': int(re.search(r'(\d+) repeats? within a tour', header).group(1)),
    }


def replay(args, options=()):
    shutil.rmtree(args.workdir, ignore_errors=True)
    os.makedirs(args.workdir)
    shutil.copy(args.log, os.path.join(args.workdir, 'log.adi'))
    command = ([args.emulator] if args.emulator else []) + [
        args.program, '--report', '--confirm', '--lang', 'en', *options, 'log.adi']
    # Output goes to files: Wine's background processes may keep a pipe open.
    with open(os.path.join(args.workdir, 'stdout.txt'), 'wb') as out, \
            open(os.path.join(args.workdir, 'stderr.txt'), 'wb') as err:
        status = subprocess.run(command, cwd=args.workdir, stdin=subprocess.DEVNULL,
                                stdout=out, stderr=err, timeout=150).returncode
    read = lambda name: open(os.path.join(args.workdir, name), 'rb').read().decode('utf-8')
    return status, read('stdout.txt'), read('stderr.txt')


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--program', required=True)
    parser.add_argument('--emulator')
    parser.add_argument('--log', required=True)
    parser.add_argument('--workdir', required=True)
    args = parser.parse_args()
    args.program = os.path.abspath(args.program)
    if args.emulator:
        args.emulator = os.path.abspath(args.emulator)

    want = expected(args.log)
    status, out, err = replay(args)
    failures = []

    def check(what, got, wanted):
        if got != wanted:
            failures.append(f'{what}: got {got!r}, expected {wanted!r}')

    said = stated(want['header'])
    check('header figures', said, {k: v for k, v in want.items() if k in said})
    check('exit status', status, 0)
    rows = [(b, int(n), int(p)) for b, n, p in re.findall(r'^(\w+)\t (\d+)\t (\d+)$', out, re.M)]
    check('band rows', [r for r in rows if r[0] != 'Total'],
          [(b, n, n) for b, n in want['rows']])
    check('total row', [r for r in rows if r[0] == 'Total'],
          [('Total', want['total'], want['score'])])
    check('score line', re.findall(r'^Score: (-?\d+)$', out, re.M), [str(want['score'])])
    check('returned score', re.findall(r'^Score returned: (-?\d+)', out, re.M), ['-1'])
    check('repeats', re.findall(r'^Repeats within a tour: (\w+)$', out, re.M),
          [str(want['repeats']) if want['repeats'] else 'none'])
    check('Cabrillo name', re.findall(r'^Cabrillo log: (\S+), written$', out, re.M),
          [want['cabrillo']])
    check('Output box', re.findall(r'^"Output" box: (.*)$', out, re.M),
          [f"File produced: {want['cabrillo']}"])
    cabrillo = os.path.join(args.workdir, want['cabrillo'])
    lines = open(cabrillo, 'rb').read().decode('cp1251').split('\r\n') if os.path.exists(
        cabrillo) else []
    check('Cabrillo QSO lines', sum(line.startswith('QSO: ') for line in lines), want['total'])
    check('Cabrillo claimed score', [l for l in lines if l.startswith('CLAIMED-SCORE: ')],
          [f"CLAIMED-SCORE: {want['score']}"])
    check('Cabrillo end', lines[-2:], ['END-OF-LOG:', ''])
    ini = os.path.join(args.workdir, 'Plugins', 'KOVRA.ini')
    claimed = re.findall(r'^Claimed=(\d+)', open(ini).read() if os.path.exists(ini) else '', re.M)
    check('settings file claimed score', claimed, [str(want['score'])])
    status, out, _ = replay(args, ('--lang', 'ru'))
    check('repeats, in Russian', re.findall(r'^Повторные связи в туре: (\w+)$', out, re.M),
          [str(want['repeats']) if want['repeats'] else 'нет'])

    if failures:
        print(out + err)
        print('\n'.join(failures))
    print(f"replay of {os.path.basename(args.log)} ({want['total']} records): "
          + (f'{len(failures)} checks failed' if failures else 'all checks passed'))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
