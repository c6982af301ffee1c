#!/usr/bin/env python3
"""Keeps the layers of src/ one-way.

cmake/layers.txt names the libraries and the ones each may use. A file belongs to
its folder's library: <folder> for plain files, <folder>_win for *_win files and
for headers that need <windows.h> (core keeps both in one library). This check
fails when
  - a file includes a header of a library its own library may not use (directly
    or through the libraries it uses), or
  - a plain file includes <windows.h> or a header that needs it, or
  - the top-level folders of src/ include each other in a cycle.
Usage: check-layers.py [PROJECT_ROOT]"""
import os
import re
import sys

root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..')
src = os.path.join(root, 'src')
include_re = re.compile(r'^\s*#\s*include\s+([<"])([^>"]+)[>"]')
windows_headers = {'windows.h', 'windowsx.h', 'commctrl.h', 'commdlg.h', 'shellapi.h', 'sddl.h', 'io.h'}

deps = {}
for line in open(os.path.join(root, 'cmake', 'layers.txt'), encoding='utf-8'):
    line = line.split('#', 1)[0].strip()
    if not line:
        continue
    name, _, used = line.partition(':')
    deps[name.strip()] = used.split()


def reachable(name, seen=None):
    seen = set() if seen is None else seen
    for d in deps.get(name, []):
        if d not in seen:
            seen.add(d)
            reachable(d, seen)
    return seen


def includes(path):
    with open(path, encoding='utf-8', errors='replace') as f:
        for number, line in enumerate(f, 1):
            m = include_re.match(line)
            if m:
                yield number, m.group(1), m.group(2)


files = {}
for d, _, names in os.walk(src):
    for n in names:
        if n.endswith(('.cpp', '.h')):
            rel = os.path.relpath(os.path.join(d, n), src).replace(os.sep, '/')
            files[rel] = os.path.join(d, n)


def needs_windows(rel, seen=None):
    """True for a *_win file or a header that includes a Windows header (directly or through others)."""
    stem = os.path.splitext(os.path.basename(rel))[0]
    if stem.endswith('_win'):
        return True
    seen = set() if seen is None else seen
    if rel in seen or rel not in files:
        return False
    seen.add(rel)
    for _, kind, inc in includes(files[rel]):
        if kind == '<' and inc.lower() in windows_headers:
            return True
        if kind == '"' and inc in files and needs_windows(inc, seen):
            return True
    return False


def library_of(rel):
    folder = rel.split('/', 1)[0]
    if folder in ('core', 'resources'):
        return folder
    if rel == 'app/main.cpp':
        return 'app_win'
    return folder + '_win' if needs_windows(rel) else folder


problems = []
edges = {}
for rel, path in sorted(files.items()):
    lib = library_of(rel)
    allowed = reachable(lib) | {lib, 'resources'}
    if lib.endswith('_win'):
        allowed.add(lib[:-4])
    for number, kind, inc in includes(path):
        if kind == '<':
            if inc.lower() in windows_headers and not lib.endswith('_win') and lib not in ('core',):
                problems.append(f'src/{rel}:{number}: plain file includes <{inc}>')
            continue
        if inc not in files:
            continue
        target = library_of(inc)
        if lib == 'core' and target == 'core':
            pass
        elif target not in allowed:
            problems.append(f'src/{rel}:{number}: {lib} may not include "{inc}" ({target})')
        a, b = rel.split('/', 1)[0], inc.split('/', 1)[0]
        if a != b:
            edges.setdefault(a, set()).add(b)

# The folders must depend one way too: no cycle among them.
state = {}


def visit(folder, trail):
    state[folder] = 'open'
    for nxt in sorted(edges.get(folder, ())):
        if state.get(nxt) == 'open':
            problems.append('folders include each other: ' + ' -> '.join(trail + [folder, nxt]))
        elif nxt not in state:
            visit(nxt, trail + [folder])
    state[folder] = 'done'


for folder in sorted(edges):
    if folder not in state:
        visit(folder, [])

for p in problems:
    print(p)
if problems:
    sys.exit(1)
graph = '; '.join(f'{a} -> {", ".join(sorted(b))}' for a, b in sorted(edges.items()))
print(f'layers ok: {len(files)} files; folders: {graph}')
