#!/usr/bin/env python3
"""Answers kovra-replay's settings form on a pseudo-terminal with the answers in
terminal_form/answers.txt and compares the settings file and the Cabrillo header byte
for byte with the files the DLL's Wine form gives for the same answers. Then checks
that without a terminal the form is cancelled, and said so."""
import argparse
import os
import pty
import re
import select
import shutil
import subprocess
import sys

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'terminal_form')
LOG = b'<CALL:5>DL1AB<QSO_DATE:8>20261208<TIME_ON:4>1345<FREQ:5>14.07<MODE:3>PSK<EOR>\r\n'
COMMAND = ['--call', 'UA3ABC', '--report', 'log.adi']
PROMPT = re.compile(rb'^(\S+) \[.*\](?: \(lines up to an empty one\))?: $|^  \.\.\. $|'
                    rb'\? \[OK\]: $')
HANG_GUARD = 60  # seconds without output before giving up: a hang, not a measurement


def answers():
    found = {}
    for line in open(os.path.join(HERE, 'answers.txt'), encoding='utf-8'):
        if not line.startswith('#') and '=' in line:
            label, value = line.rstrip('\n').split('=', 1)
            found[label] = value.split('|') if value else []
    return found


def scratch(workdir):
    shutil.rmtree(workdir, ignore_errors=True)
    os.makedirs(workdir)
    with open(os.path.join(workdir, 'log.adi'), 'wb') as f:
        f.write(LOG)


def answer_on_terminal(program, workdir):
    """Runs the program on a pseudo-terminal, answering each prompt as it comes."""
    given = answers()
    pid, fd = pty.fork()
    if pid == 0:
        os.chdir(workdir)
        os.execv(program, [program] + COMMAND)
    seen, pending = b'', []
    while True:
        if not select.select([fd], [], [], HANG_GUARD)[0]:
            os.kill(pid, 9)
            sys.exit('no prompt came; what was shown:\n' + seen.decode('utf-8', 'replace'))
        try:
            chunk = os.read(fd, 4096)
        except OSError:  # the program ended
            break
        seen += chunk
        prompt = PROMPT.search(seen.rsplit(b'\n', 1)[-1])
        if not prompt:
            continue
        if prompt.group(1):  # a box: its first line now, further lines at "..."
            pending = list(given[prompt.group(1).decode()])
            lines = pending[:1]
            multi = b'(lines' in prompt.group(0)
            pending = pending[1:] + ([''] if multi and pending else [])
        else:
            lines, pending = pending[:1] or [''], pending[1:]
        os.write(fd, (lines[0] if lines else '').encode('utf-8') + b'\n')
    status = os.waitpid(pid, 0)[1]
    return os.waitstatus_to_exitcode(status), seen.decode('utf-8', 'replace')


def header(cabrillo):
    return cabrillo[:cabrillo.index(b'QSO: ')] if b'QSO: ' in cabrillo else cabrillo


def read(path):
    return open(path, 'rb').read() if os.path.exists(path) else None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--program', required=True)
    parser.add_argument('--workdir', required=True)
    args = parser.parse_args()
    program = os.path.abspath(args.program)
    failures = []

    scratch(args.workdir)
    status, shown = answer_on_terminal(program, args.workdir)
    if status != 0:
        failures.append(f'exit status {status}')
    for name, got in (('KOVRA.ini', read(os.path.join(args.workdir, 'Plugins', 'KOVRA.ini'))),
                      ('header.cbr', header(read(os.path.join(args.workdir, 'UA3ABC.cbr')) or b''))):
        if got != read(os.path.join(HERE, name)):
            failures.append(f'{name} differs from the Wine form\'s:\n{got!r}')

    scratch(args.workdir)
    done = subprocess.run([program] + COMMAND, cwd=args.workdir, stdin=subprocess.DEVNULL,
                          capture_output=True, timeout=HANG_GUARD)
    ini = read(os.path.join(args.workdir, 'Plugins', 'KOVRA.ini')) or b''
    if b'no terminal to ask on: the settings form is cancelled' not in done.stderr:
        failures.append(f'without a terminal: {done.stderr!r}')
    if b'Operators=' in ini:
        failures.append(f'without a terminal the form was not cancelled: {ini!r}')

    if failures:
        print(shown)
    print('\n'.join(failures) or 'terminal form: all checks passed')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
