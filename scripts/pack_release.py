#!/usr/bin/env python3
"""Packs the release file: the programs of a build, the operator's guides as HTML, the
screenshot, the example cabrillo.ini, the notes on the two programs and SHA256SUMS, in
one folder of a zip whose bytes depend only on its contents and the commit's time."""
import argparse
import hashlib
import html
import os
import sys
import time
import zipfile

try:
    import markdown
except ImportError:  # a Python of its own (pyenv, a venv) does not see Debian's packages
    sys.path.append('/usr/lib/python3/dist-packages')
    import markdown

STYLE = ('body{font-family:Segoe UI,Arial,sans-serif;max-width:48em;margin:2em auto;'
         'padding:0 1em;line-height:1.45}table{border-collapse:collapse}'
         'td,th{border:1px solid #999;padding:.2em .5em;text-align:left;vertical-align:top}'
         'code,pre{font-family:Consolas,monospace;background:#f2f2f2}pre{padding:.5em}'
         'img{max-width:100%}')


def to_html(text, lang):
    """A standalone page that declares UTF-8, so any browser on Windows shows it right."""
    title = next((l.lstrip('#').strip() for l in text.splitlines() if l.startswith('# ')), '')
    body = markdown.markdown(text, extensions=['tables', 'fenced_code'])
    return (f'<!DOCTYPE html>\n<html lang="{lang}">\n<head>\n<meta charset="utf-8">\n'
            f'<title>{html.escape(title, quote=False)}</title>\n<style>{STYLE}</style>\n</head>\n'
            f'<body>\n{body}\n</body>\n</html>\n')


def contents(src, bin_dir):
    """(name in the release, bytes), in the order they are listed."""
    def read(*path):
        with open(os.path.join(*path), 'rb') as f:
            return f.read()

    def windows_text(*path):
        # Notepad takes UTF-8 for what it is only with the byte-order mark.
        return b'\xef\xbb\xbf' + read(*path).replace(b'\n', b'\r\n')

    docs = os.path.join(src, 'docs')
    files = [('KOVRA.dll', read(bin_dir, 'KOVRA.dll')),
             ('kovra-replay.exe', read(bin_dir, 'kovra-replay.exe')),
             ('kovra-replay.txt', windows_text(docs, 'kovra-replay.txt')),
             ('kovra-check.exe', read(bin_dir, 'kovra-check.exe')),
             ('kovra-check.txt', windows_text(docs, 'kovra-check.txt')),
             # Its bytes go into the Cabrillo log unchanged: code page 1251, CR LF.
             ('cabrillo.ini', read(src, 'examples', 'cabrillo.ini')),
             ('settings-form.png', read(docs, 'settings-form.png'))]
    for lang in ('ru', 'en'):
        page = to_html(read(docs, f'operator-guide.{lang}.md').decode('utf-8'), lang)
        files.append((f'operator-guide.{lang}.html', page.replace('\n', '\r\n').encode('utf-8')))
    sums = ''.join(f'{hashlib.sha256(data).hexdigest()}  {name}\n' for name, data in files)
    return files + [('SHA256SUMS', sums.encode('ascii'))]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--src', required=True, help='the source tree of the build')
    parser.add_argument('--bin', required=True, help='the folder of KOVRA.dll')
    parser.add_argument('--folder', required=True, help='the folder name inside the zip')
    parser.add_argument('--epoch', type=int, required=True, help='the time of every entry')
    parser.add_argument('--out', required=True)
    args = parser.parse_args()
    stamp = time.gmtime(args.epoch)[:6]
    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    with zipfile.ZipFile(args.out, 'w', zipfile.ZIP_DEFLATED, compresslevel=9) as zf:
        for name, data in contents(args.src, args.bin):
            entry = zipfile.ZipInfo(f'{args.folder}/{name}', stamp)
            entry.external_attr = 0o644 << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            zf.writestr(entry, data)


if __name__ == '__main__':
    main()
