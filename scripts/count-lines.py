#!/usr/bin/env python3
"""Counts the lines of C++ (*.cpp, *.h) under src/ and tests/ that are neither
blank nor // comments, and prints the tests' share of the code.
Usage: scripts/count-lines.py [REPO]"""
import pathlib
import sys


def count(folder):
    total = 0
    for path in folder.rglob('*'):
        if path.suffix in ('.cpp', '.h'):
            for line in path.read_text(encoding='utf-8', errors='replace').splitlines():
                text = line.strip()
                total += bool(text) and not text.startswith('//')
    return total


repo = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else '.')
code, tests = count(repo / 'src'), count(repo / 'tests')
print(f'src {code}, tests {tests}: tests are {100 * tests / code:.1f}% of the code')
