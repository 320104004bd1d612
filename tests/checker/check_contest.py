#!/usr/bin/env python3
"""Small contests of a few logs cross-checked with kovra-check --json on their folder: one
case per status and per fault of the pairing; then --out on hostile headers, and a log that
cannot be read."""
import csv
import json
import os
import shutil
import sys

from check_cases import finish, program_args, run

A, B, C, D = 'UA3AAA', 'UA3BBB', 'UA3CCC', 'UA3DDD'
SENT = {A: '001 MO', B: '002 MA', C: '003 KL', D: '004 SV'}


def qso(own, call, hhmm, received=None, mode='PM', freq=3580, sent=None):
    """A line as the plug-in writes it; the exchanges as the stations sent them unless given."""
    rcvd = SENT.get(call, '042 MA') if received is None else received
    return (f'QSO: {freq:5d} {mode:>2} 2026-12-05 {hhmm:04d} {own:<13} 599 {sent or SENT[own]:<6} '
            f'{call:<13} 599 {rcvd}')


def both(x, y, hhmm, **kw):
    return [(x, qso(x, y, hhmm, **kw)), (y, qso(y, x, hhmm, **kw))]


def cabrillo(call, lines, header=()):
    head = ['START-OF-LOG: 3.0', 'CONTEST: VELMORA', f'CALLSIGN: {call}',
            'CATEGORY-OPERATOR: SINGLE-OP', f'CLAIMED-SCORE: {len(lines)}']
    for line in header:  # in place of the line with the same tag
        head = [h for h in head if h.split(':')[0] != line.split(':')[0]] + [line]
    return ''.join(line + '\r\n' for line in head + lines + ['END-OF-LOG:'])


def fast_clock():
    """Four stations working each other every tour; A's clock 5 minutes fast, and one of A's
    QSOs 14 minutes from B's record of it (9 once the clock is taken out)."""
    lines = []
    for tour in range(4):
        for x, y in ((A, B), (A, C), (A, D), (B, C), (B, D), (C, D)):
            t = 1200 + (tour // 2) * 100 + (tour % 2) * 30 + 5
            late = 9 if (tour, y) == (3, B) else 0
            lines += [(x, qso(x, y, t + (5 + late if x == A else 0))), (y, qso(y, x, t))]
    return lines


# name, QSO lines by log, expected figures by log (only those named)
CASES = [
    ('both logs hold it', both(A, B, 1205), {A: {'checked_score': 1}, B: {'checked_score': 1}}),
    ('across a tour\'s edge', [(A, qso(A, B, 1229)), (B, qso(B, A, 1231))],
     {A: {'checked_score': 1}, B: {'checked_score': 1}}),
    ('ten minutes apart', [(A, qso(A, B, 1200)), (B, qso(B, A, 1210))], {A: {'checked_score': 1}}),
    ('eleven minutes apart', [(A, qso(A, B, 1200)), (B, qso(B, A, 1211))],
     {A: {'not_in_log': 1}, B: {'not_in_log': 1}}),
    ('35 minutes apart', [(A, qso(A, B, 1215)), (B, qso(B, A, 1250))],
     {A: {'not_in_log': 1, 'checked_score': 0}, B: {'not_in_log': 1}}),
    ('missing from the other log', [(A, qso(A, B, 1205)), (B, qso(B, C, 1205))],
     {A: {'not_in_log': 1}, B: {'checked_score': 1}}),
    ('another band', [(A, qso(A, B, 1205)), (B, qso(B, A, 1205, freq=7040))], {A: {'not_in_log': 1}}),
    ('RY against PM is one mode', [(A, qso(A, B, 1205, mode='RY')), (B, qso(B, A, 1205))],
     {A: {'checked_score': 1}}),
    ('PH against PM is not', [(A, qso(A, B, 1205, mode='PH')), (B, qso(B, A, 1205))],
     {A: {'not_in_log': 1}}),
    ('miscopied exchange', [(A, qso(A, B, 1205, received='002 MO')), (B, qso(B, A, 1205))],
     {A: {'exchange_errors': 1, 'checked_score': 0}, B: {'checked_score': 1}}),
    ('sent without the blank', [(A, qso(A, B, 1205)), (B, qso(B, A, 1205, sent='002MA'))],
     {A: {'checked_score': 1}}),
    ('busted call', [(A, qso(A, 'UA3BBD', 1205, received='002 MA')), (B, qso(B, A, 1205))],
     {A: {'busted_calls': 1, 'unique_calls': 0}, B: {'checked_score': 1}}),
    ('busted by an added character', [(A, qso(A, 'UA3BBBX', 1205, received='002 MA')),
                                      (B, qso(B, A, 1205))], {A: {'busted_calls': 1}}),
    ('the other miscopied this call', [(A, qso(A, B, 1205)), (B, qso(B, 'UA3AAB', 1205, received='001 MO'))],
     {A: {'checked_score': 1}, B: {'busted_calls': 1}}),
    ('unique, worked in two tours', both(A, B, 1205) + [(A, qso(A, 'RZ9ZZZ', 1210)), (A, qso(A, 'RZ9ZZZ', 1240))],
     {A: {'unique_calls': 2, 'checked_score': 3}}),
    ('held by another log', both(A, B, 1205) + [(A, qso(A, 'RZ9ZZZ', 1210)), (B, qso(B, 'RZ9ZZZ', 1310))],
     {A: {'unique_calls': 0, 'checked_score': 2}}),
    ('repeat; the counted one pairs first', [(A, qso(A, B, 1205)), (A, qso(A, B, 1212)), (B, qso(B, A, 1212))],
     {A: {'repeats': 1, 'checked_score': 1}, B: {'checked_score': 1}}),
    ('one record pairs with one', [(A, qso(A, B, 1225)), (A, qso(A, B, 1231)), (B, qso(B, A, 1230))],
     {A: {'not_in_log': 1, 'checked_score': 1}}),
    ('empty call', both(A, B, 1205) + [(A, qso(A, '', 1210))], {A: {'checked_score': 1, 'qsos': 2}}),
    ('a clock 5 minutes fast', fast_clock(),
     {A: {'clock_offset_minutes': 5.0, 'checked_score': 12}, B: {'clock_offset_minutes': 0.0, 'checked_score': 12}}),
]


def write_contest(folder, lines, headers=None):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for call in sorted({own for own, _ in lines}):
        with open(os.path.join(folder, f'{call}.cbr'), 'w', newline='') as f:
            f.write(cabrillo(call, [line for own, line in lines if own == call], (headers or {}).get(call, ())))


def main():
    args = program_args()
    failures = []
    for name, lines, expected in CASES:
        write_contest(os.path.join(args.workdir, 'contest'), lines)
        _, out, _ = run(args, ['--lang', 'en', '--json', 'contest'])
        logs = {log['callsign']: log for log in json.loads(out)['logs']}
        for call, figures in expected.items():
            got = {key: logs[call][key] for key in figures}
            if got != figures:
                failures.append(f'{name}: {call}: got {got}, expected {figures}')

    # Hostile headers and a log that cannot be read, with --out.
    hostile = {A: ('CALLSIGN: ../../x',), B: ('CALLSIGN: CON',), C: ('CATEGORY-OPERATOR: =HYPERLINK("x")',)}
    contest = os.path.join(args.workdir, 'hostile')
    write_contest(contest, both(A, B, 1205) + both(B, C, 1210) + both(A, C, 1215), hostile)
    out_dir = os.path.join(args.workdir, 'out', 'reports')
    shutil.rmtree(os.path.join(args.workdir, 'out'), ignore_errors=True)
    status, _, err = run(args, ['--lang', 'en', '--out', out_dir, 'hostile', 'missing.cbr'])
    written = sorted(os.listdir(os.path.join(args.workdir, 'out')))
    names = sorted(os.listdir(out_dir))
    rows = list(csv.reader(open(os.path.join(out_dir, 'results.csv'), newline='')))
    if status != 2 or b'missing.cbr' not in err:
        failures.append(f'unreadable log: exit {status}, standard error {err!r}')
    if written != ['reports'] or names != ['CON_.txt', 'UA3CCC.txt', '______x.txt', 'results.csv']:
        failures.append(f'report names: {written} {names}')
    if any(cell and cell[0] in '=+-@' for row in rows for cell in row) or len(rows) != 4:
        failures.append(f'results.csv: {rows}')
    return finish(failures, f'{len(CASES) + 1} small contests')


if __name__ == '__main__':
    sys.exit(main())
