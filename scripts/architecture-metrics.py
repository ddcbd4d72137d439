#!/usr/bin/env python3
"""Prints the engine's structure figures: who includes Console.h, the include arrows between the
engine's folders (and how many point up the layer order), the longest functions (ctags), and the
places that look a control up by a string literal.

Usage: scripts/architecture-metrics.py [REPOSITORY]   (default: the current folder)"""
import os, re, subprocess, sys

root = sys.argv[1] if len(sys.argv) > 1 else '.'
eng = os.path.join(root, 'src/engine')
# Lowest first. Folders of older trees are ranked where their contents sit in this order.
ORDER = ['core', 'midi', 'module', 'stops_table', 'state', 'organ', 'combination', 'advanced',
         'commands', 'panel', 'registration', 'windows', 'console']

def sources(top):
    for d, _, fs in os.walk(os.path.join(root, top)):
        for f in fs:
            if f.endswith(('.h', '.cpp')):
                yield os.path.join(d, f)

where = {}
for p in sources('src/engine'):
    where[os.path.basename(p)] = os.path.relpath(os.path.dirname(p), eng)

fanin = [p for top in ('src', 'benchmarks', 'tools') for p in sources(top)
         if re.search(r'#include "(?:core/|console/)?Console\.h"', open(p).read())]
print('Console.h included by %d files outside the tests:' % len(fanin))
for p in sorted(fanin):
    print('   ', os.path.relpath(p, root))

arrows = {}
for p in sources('src/engine'):
    me = os.path.relpath(os.path.dirname(p), eng)
    for m in re.finditer(r'#include "(?:[a-z_]+/)?([A-Za-z0-9_]+\.h)"', open(p).read()):
        them = where.get(m.group(1))
        if them and them != me:
            arrows.setdefault((me, them), []).append(os.path.relpath(p, eng))
rank = lambda f: ORDER.index(f) if f in ORDER else len(ORDER)
up = {k: v for k, v in arrows.items() if rank(k[1]) > rank(k[0])}
print('folder arrows: %d, upward: %d (%d file includes)' % (
    len(arrows), len(up), sum(len(v) for v in up.values())))
for (a, b), v in sorted(up.items()):
    print('    %s -> %s (%d)' % (a, b, len(v)))

out = subprocess.run(['ctags', '-R', '--languages=C++', '--kinds-C++=f', '--fields=+ne', '-x',
                      '--_xformat=%{end} %n %N %F', os.path.join(root, 'src')],
                     capture_output=True, text=True).stdout
funcs = []
for line in out.splitlines():
    parts = line.split()
    if len(parts) == 4 and parts[0].isdigit():
        funcs.append((int(parts[0]) - int(parts[1]) + 1, parts[2], os.path.relpath(parts[3], root)))
funcs.sort(reverse=True)
print('longest functions:')
for n, name, path in funcs[:8]:
    print('    %4d %s (%s)' % (n, name, path))

lookup = re.compile(r'(?:\(|bind\w*(?:<[^>]*>)?\()\s*(?:QStringLiteral\(|QString::fromLatin1\()?"'
                    r'([A-Za-z_][A-Za-z0-9_]*)"')
names = set()
for p in sources('src/engine/panel'):
    names |= set(re.findall(r'"([A-Za-z_][A-Za-z0-9_]*)"', open(p).read()))
count = 0
for top in ('src/engine', 'src/app'):
    for p in sources(top):
        if os.path.basename(p) in ('ConsoleForms.cpp', 'EditorForm.cpp') or p.endswith('Controls.h'):
            continue
        for m in lookup.finditer(open(p).read()):
            if m.group(1) in names:
                count += 1
print('control looked up by a string literal: %d places' % count)
