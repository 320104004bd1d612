"""Turns one of our Markdown documents into a standalone UTF-8 HTML page that any
browser on Windows shows right. It knows the few constructs the guides use:
headings, paragraphs, bulleted and numbered lists, tables, fenced code, images,
links, **bold** and `code`."""
import html
import re
import sys

STYLE = ('body{font-family:Segoe UI,Arial,sans-serif;max-width:48em;margin:2em auto;'
         'padding:0 1em;line-height:1.45}table{border-collapse:collapse}'
         'td,th{border:1px solid #999;padding:.2em .5em;text-align:left;vertical-align:top}'
         'code,pre{font-family:Consolas,monospace;background:#f2f2f2}pre{padding:.5em}'
         'img{max-width:100%}')


def inline(text):
    text = html.escape(text, quote=False)
    text = re.sub(r'`([^`]+)`', r'<code>\1</code>', text)
    text = re.sub(r'\*\*(.+?)\*\*', r'<strong>\1</strong>', text)
    text = re.sub(r'!\[([^\]]*)\]\(([^)]+)\)', r'<img src="\2" alt="\1">', text)
    return re.sub(r'\[([^\]]+)\]\(([^)]+)\)', r'<a href="\2">\1</a>', text)


def cells(row):
    return [c.strip() for c in row.strip().strip('|').split('|')]


def blocks(lines):
    """Groups the lines into (kind, lines) blocks."""
    i = 0
    while i < len(lines):
        line = lines[i]
        if line.startswith('```'):
            end = lines.index('```', i + 1)
            yield 'pre', lines[i + 1:end]
            i = end + 1
            continue
        kind = ('blank' if not line.strip() else 'h' if line.startswith('#')
                else 'table' if line.startswith('|') else 'ul' if line.startswith('- ')
                else 'ol' if re.match(r'\d+\. ', line) else 'p')
        group = [line]
        i += 1
        # Indented lines continue a list item; a heading is one line.
        while kind not in ('h', 'blank') and i < len(lines) and lines[i].strip() and \
                not lines[i].startswith(('#', '```')) and (
                kind == 'p' and not re.match(r'(- |\d+\. |\|)', lines[i]) or
                kind == 'table' and lines[i].startswith('|') or
                kind in ('ul', 'ol') and (lines[i].startswith(' ') or
                                          re.match(r'(- |\d+\. )', lines[i]))):
            group.append(lines[i])
            i += 1
        yield kind, group


def render(kind, group):
    if kind == 'blank':
        return ''
    if kind == 'pre':
        return '<pre>' + html.escape('\n'.join(group), quote=False) + '</pre>'
    if kind == 'h':
        level = len(group[0]) - len(group[0].lstrip('#'))
        return f'<h{level}>{inline(group[0][level:].strip())}</h{level}>'
    if kind == 'table':
        head, rows = cells(group[0]), [cells(r) for r in group[2:]]
        out = ['<table><tr>' + ''.join(f'<th>{inline(c)}</th>' for c in head) + '</tr>']
        out += ['<tr>' + ''.join(f'<td>{inline(c)}</td>' for c in r) + '</tr>' for r in rows]
        return '\n'.join(out) + '</table>'
    if kind in ('ul', 'ol'):
        items = []
        for line in group:
            if line.startswith(' '):
                items[-1] += ' ' + line.strip()
            else:
                items.append(re.sub(r'^(- |\d+\. )', '', line))
        return f'<{kind}>' + ''.join(f'<li>{inline(t)}</li>' for t in items) + f'</{kind}>'
    return '<p>' + inline(' '.join(line.strip() for line in group)) + '</p>'


def to_html(markdown, lang):
    lines = markdown.splitlines()
    title = next((l.lstrip('#').strip() for l in lines if l.startswith('# ')), '')
    body = '\n'.join(filter(None, (render(k, g) for k, g in blocks(lines))))
    return (f'<!DOCTYPE html>\n<html lang="{lang}">\n<head>\n<meta charset="utf-8">\n'
            f'<title>{html.escape(title, quote=False)}</title>\n<style>{STYLE}</style>\n</head>\n'
            f'<body>\n{body}\n</body>\n</html>\n')

