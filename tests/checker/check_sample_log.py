#!/usr/bin/env python3
"""Replays a log natively with kovra-replay --report --confirm, then checks the plug-in's
Cabrillo log with kovra-check --json: no error, every record a QSO line, the repeats named,
and the checked score the contacts with a call less the repeats."""
import argparse
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tools'))
from check_replay import expected, replay  # noqa: E402


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--replay', required=True)
    parser.add_argument('--program', required=True)
    parser.add_argument('--log', required=True)
    parser.add_argument('--workdir', required=True)
    args = parser.parse_args()
    want = expected(args.log)
    status, out, err = replay(argparse.Namespace(
        program=os.path.abspath(args.replay), emulator=None, log=args.log, workdir=args.workdir))
    if status != 0:
        print(out + err)
        return 1
    checked = subprocess.run([os.path.abspath(args.program), '--json', '--lang', 'en',
                              want['cabrillo']], cwd=args.workdir, capture_output=True, timeout=60)
    result = json.loads(checked.stdout)['logs'][0]
    repeats = [p['text'] for p in result['problems'] if p['code'] == 'repeat']
    got = {'exit status': checked.returncode, 'errors': result['errors'], 'qsos': result['qsos'],
           'repeats': len(repeats), 'checked_score': result['checked_score']}
    wanted = {'exit status': 0, 'errors': 0, 'qsos': want['total'], 'repeats': want['repeats'],
              'checked_score': want['score'] - want['repeats']}
    failures = [f'{k}: got {got[k]!r}, expected {wanted[k]!r}' for k in wanted if got[k] != wanted[k]]
    failures += [f'repeat not named: {t}' for t in repeats if not t.startswith('UA3ABC again')]
    print('\n'.join(failures + [json.dumps(result['problems'], indent=1)] if failures else []))
    print(f"kovra-check on the plug-in's log of {os.path.basename(args.log)}: "
          + (f'{len(failures)} checks failed' if failures else 'all checks passed'))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
