#!/usr/bin/env python3
"""Logs with one planted fault each, checked with kovra-check --json: the codes at their
lines, the figures and the exit status; then what a bad command line or file gives."""
import argparse
import json
import os
import random
import subprocess
import sys

HEADER = ['START-OF-LOG: 3.0', 'CONTEST: VELMORA', 'CALLSIGN: RA3VLM',
          'CATEGORY-OPERATOR: A4.BPSK63', 'CLAIMED-SCORE: 4', 'CREATED-BY: Zelk ',
          'NAME: \u0418\u0432\u0430\u043d']
# As the plug-in writes them: lines 8 to 12, the third without a worked call.
QSOS = ['QSO:  3580 PM 2026-12-05 1202 RA3VLM        599 001 MO UA3ABC        599 005 MA',
        'QSO:  7040 PM 2026-12-05 1206 RA3VLM        599 002 MO DL1ABC        599 023 ',
        'QSO: 14070 PM 2026-12-05 1231 RA3VLM        599 003 MO               599 019 MA',
        'QSO: 14070 PM 2026-12-05 1245 RA3VLM        599 004 MO R2FAA         599 004 KL',
        'QSO:  3580 PM 2026-12-05 1301 RA3VLM        599 005 MO UA3ABC        599 031 MA']
BASE = HEADER + QSOS + ['END-OF-LOG:']


def log(lines=None, eol='\r\n', encoding='cp1251', prefix=b'', cut=None):
    data = prefix + ''.join(line + eol for line in (lines or BASE)).encode(encoding)
    return data[:cut] if cut else data


def edit(number, *pairs, lines=None):
    """The base log with texts of one line (numbered from 1) replaced: old, new, old, new..."""
    lines = list(lines or BASE)
    for old, new in zip(pairs[::2], pairs[1::2]):
        assert old in lines[number - 1], (number, old)
        lines[number - 1] = lines[number - 1].replace(old, new)
    return lines


def without(number):
    return BASE[:number - 1] + BASE[number:]


ADIF = (b'Exported by another program\r\n<ADIF_VER:5>3.1.4 <EOH>\r\n'
        b'<CALL:6>UA3ABC <QSO_DATE:8>20261205 <TIME_ON:4>1202 <BAND:3>80m <EOR>\r\n')
# Another program's lines: tabs, and single blanks that put no column where the plug-in has one.
WHITESPACE = [q.replace('  ', ' ').replace(' ', '\t', 2) for q in QSOS[:2]] + [
    'QSO: 14070 PM 2026-12-05 1245 RA3VLM 59 004 MO R2FAA 59 004 KL',
    'QSO: 3580 PM 2026-12-05 1301 RA3VLM 599 005 MO UA3ABC 599 031 MA']
E, W = 'error', 'warning'

# name, log bytes, exit status, every finding as (line, code, severity), figures
# (qsos, checked_score), words one finding's text must hold.
CASES = [
    ('as the plug-in writes it', log(), 0, [], (5, 4), None),
    ('cut off in a QSO line', log(without(13), cut=-20), 1,
     [(12, 'end', E), (12, 'exchange', E)], (5, 4), None),
    ('misspelt tag', log(edit(4, 'OPERATOR', 'OPERATR')), 1, [(4, 'tag', E)], (5, 4),
     'CATEGORY-OPERATOR'),
    ('other contest', log(edit(2, 'VELMORA', 'CQ-WW-CW')), 1, [(2, 'contest', E)], (5, 4), None),
    ('date that does not exist', log(edit(9, '2026-12-05', '2026-02-30')), 1,
     [(5, 'claimed', W), (9, 'time', E)], (5, 3), None),
    ('own call differs', log(edit(11, 'RA3VLM', 'RA3VLN')), 1, [(11, 'callsign', E)], (5, 4),
     None),
    ('sent 599', log(edit(9, '002 MO', '599   ')), 1, [(9, 'exchange', E)], (5, 4), None),
    ('sent region not a pair', log(edit(9, '002 MO', '002 M ')), 1, [(9, 'exchange', E)], (5, 4),
     None),
    ('received letter for a digit', log(edit(8, '005 MA', '0O5')), 1, [(8, 'exchange', E)], (5, 4), None),
    ('out of band', log(edit(11, '14070', '14500')), 0, [(11, 'frequency', W)], (5, 4), None),
    ('VHF band', log(edit(11, '14070', '  144')), 0, [(11, 'frequency', W)], (5, 4), None),
    ('unknown mode', log(edit(9, ' PM ', ' XX ')), 1, [(9, 'mode', E)], (5, 4), None),
    ('repeat in the tour, RTTY after DG', log(edit(12, '1301', '1215', ' PM ', ' RY ',
                                                   lines=edit(8, ' PM ', ' DG '))), 0,
     [(5, 'claimed', W), (12, 'repeat', W)], (5, 3), 'line 8'),
    ('same station in the next tour', log(edit(12, '1301', '1230')), 0, [], (5, 4), None),
    ('same tour of the next day', log(edit(12, '2026-12-05 1301', '2026-12-06 1215')), 0, [],
     (5, 4), None),
    ('same tour on phone', log(edit(12, '1301', '1215', ' PM ', ' PH ')), 0, [], (5, 4), None),
    ('FM after PH in the tour', log(edit(12, '1301', '1215', ' PM ', ' FM ',
                                         lines=edit(8, ' PM ', ' PH '))), 0,
     [(5, 'claimed', W), (12, 'repeat', W)], (5, 3), None),
    ('claimed score below the checked', log(edit(5, '4', '3')), 0, [(5, 'claimed', W)], (5, 4), '3'),
    ('claimed score in words', log(edit(5, '4', '4 points')), 1, [(5, 'claimed', E)], (5, 4),
     None),
    ('no START-OF-LOG', log(without(1)), 1, [(1, 'start', E)], (5, 4), None),
    ('byte-order mark, LF', log(eol='\n', encoding='utf-8', prefix=b'\xef\xbb\xbf'), 0,
     [(1, 'start', W)], (5, 4), None),
    ('UTF-8, LF, no newline at the end', log(eol='\n', encoding='utf-8')[:-1], 0, [], (5, 4),
     None),
    ('fields by whitespace', log(HEADER + WHITESPACE + ['END-OF-LOG:']), 0, [], (4, 4), None),
    ('a field missing', log(edit(9, '599 002 MO DL1ABC        599 023 ', '')), 1,
     [(5, 'claimed', W), (9, 'qso', E)], (5, 3), 'the sent RST'),
    ('lines after END-OF-LOG', log(BASE + [QSOS[0]]), 1, [(14, 'end', E)], (5, 4), None),
    ('Cabrillo 2.0 header', log(['START-OF-LOG: 2.0', 'CATEGORY: SINGLE-OP ALL LOW'] + BASE[1:]),
     0, [(1, 'start', W), (2, 'tag', W)], (5, 4), None),
    ('X-QSO and comments', log(BASE[:8] + ['X-QSO: ' + QSOS[1][5:], 'X-NOTE: a'] + BASE[8:]), 0,
     [], (5, 4), None),
    ('control character', log(edit(7, 'NAME: ', 'NAME: \x1b[2J')), 0, [(7, 'tag', W)], (5, 4),
     None),
    ('empty file', b'', 1, [(1, 'start', E)], (0, 0), None),
    ('UTF-16', '\ufeff' .encode('utf-16-le') + log().decode('cp1251').encode('utf-16-le'), 1,
     [(1, 'start', E)], (0, 0), None),
]

# Logs that are no Cabrillo at all: no crash, an error, nothing counted.
NOT_CABRILLO = [('ADIF file', ADIF),
                ('random bytes', random.Random(19).randbytes(4000))]


def run(args, arguments, stdin_bytes=None):
    command = ([args.emulator] if args.emulator else []) + [args.program, *arguments]
    # Output goes to files: Wine's background processes may keep a pipe open.
    out_path, err_path = (os.path.join(args.workdir, n) for n in ('stdout.txt', 'stderr.txt'))
    with open(out_path, 'wb') as out, open(err_path, 'wb') as err:
        status = subprocess.run(command, cwd=args.workdir, stdin=subprocess.DEVNULL,
                                stdout=out, stderr=err, timeout=120).returncode
    return status, open(out_path, 'rb').read().decode('utf-8'), open(err_path, 'rb').read()


def check_log(args, data):
    with open(os.path.join(args.workdir, 'log.cbr'), 'wb') as f:
        f.write(data)
    status, out, _ = run(args, ['--json', '--lang', 'en', 'log.cbr'])
    return status, json.loads(out)['logs'][0]


def program_args():
    """--program, --emulator (Wine, for the .exe) and --workdir, made absolute."""
    parser = argparse.ArgumentParser()
    parser.add_argument('--program', required=True)
    parser.add_argument('--emulator')
    parser.add_argument('--workdir', required=True)
    args = parser.parse_args()
    args.program = os.path.abspath(args.program)
    if args.emulator:
        args.emulator = os.path.abspath(args.emulator)
    os.makedirs(args.workdir, exist_ok=True)
    return args


def finish(failures, what):
    """Prints the failures and one closing line; the exit status."""
    print('\n'.join(failures))
    print(f'kovra-check on {what}: '
          + (f'{len(failures)} checks failed' if failures else 'all checks passed'))
    return 1 if failures else 0


def main():
    args = program_args()
    failures = []

    def check(name, what, got, wanted):
        if got != wanted:
            failures.append(f'{name}: {what}: got {got!r}, expected {wanted!r}')

    for name, data, status, findings, (qsos, checked), words in CASES:
        got_status, result = check_log(args, data)
        problems = result['problems']
        check(name, 'exit status', got_status, status)
        check(name, 'findings', [(p['line'], p['code'], p['severity']) for p in problems],
              findings)
        check(name, 'qsos, checked_score', (result['qsos'], result['checked_score']),
              (qsos, checked))
        if words and not any(words in p['text'] for p in problems):
            failures.append(f'{name}: no finding says {words!r}: {problems}')
    for name, data in NOT_CABRILLO:
        got_status, result = check_log(args, data)
        first = result['problems'][0] if result['problems'] else {}
        check(name, 'exit status, first finding, figures',
              (got_status, first.get('line'), first.get('code'), result['qsos'],
               result['checked_score']), (1, 1, 'start', 0, 0))

    for name, arguments, in_stderr in [('missing file', ['nothing-here.cbr'], b'nothing-here.cbr'),
                                       ('unknown option', ['--jsn', 'log.cbr'], b'--jsn'),
                                       ('--out without a folder', ['log.cbr', '--out'], b'--out')]:
        status, _, err = run(args, ['--lang', 'en', *arguments])
        check(name, 'exit status', status, 2)
        if in_stderr not in err:
            failures.append(f'{name}: standard error does not name {in_stderr!r}: {err!r}')

    return finish(failures, f'{len(CASES) + len(NOT_CABRILLO)} logs and 3 command lines')


if __name__ == '__main__':
    sys.exit(main())
