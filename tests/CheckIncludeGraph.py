#!/usr/bin/env python3
"""Checks the include graph of src/ against the rules in include-rules.txt.

A file and the header of the same name (Dib.cpp and Dib.h) are one room; a
room includes another when any of its files includes a file of the other.
The check fails when
  - the rooms include one another in a circle,
  - a room includes a room of a folder that stands higher in the declared
    folder order (a folder not in the order fails too, until it is placed),
  - a room of a folder includes one of the folder's top headers (the main
    window's, the application's) without being allowed to.
Lines of the rules file marked "allow:" name includes that are let through
for now; each is reported when it no longer exists, so the list only shrinks.

Usage: CheckIncludeGraph.py SRC_DIR RULES_FILE
"""

import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
SOURCE_ENDINGS = ('.h', '.hpp', '.cpp')


def read_rules(path):
    rules = {'order': [], 'top': {}, 'allow': set()}
    with open(path, encoding='utf-8') as f:
        for number, raw in enumerate(f, 1):
            line = raw.split('#', 1)[0].strip()
            if not line:
                continue
            key, _, value = line.partition(':')
            words = value.split()
            if key == 'order':
                rules['order'].extend(words)
            elif key == 'top':
                # top: HEADER ALLOWED-ROOM...
                rules['top'][words[0]] = set(words[1:])
            elif key == 'allow':
                # allow: FILE -> INCLUDED
                source, _, target = value.partition('->')
                rules['allow'].add((source.strip(), target.strip()))
            else:
                sys.exit(f'{path}:{number}: unknown rule "{key}"')
    return rules


def room_of(path):
    return os.path.splitext(path)[0]


def folder_of(path):
    return path.split('/', 1)[0]


def read_includes(src):
    """Every include of a file in src that names a file in src, as (file, included)."""
    files = []
    for root, _, names in os.walk(src):
        for name in names:
            if name.endswith(SOURCE_ENDINGS):
                files.append(os.path.relpath(os.path.join(root, name), src).replace(os.sep, '/'))
    known = set(files)
    includes = []
    for path in sorted(files):
        with open(os.path.join(src, path), encoding='utf-8', errors='replace') as f:
            text = f.read()
        for name in INCLUDE.findall(text):
            beside = os.path.normpath(os.path.join(os.path.dirname(path), name)).replace(os.sep, '/')
            if name in known:
                includes.append((path, name))
            elif beside in known:
                includes.append((path, beside))
    return sorted(files), includes


def circles(edges):
    """The strongly connected components of more than one room (Tarjan)."""
    graph = {}
    for a, b in edges:
        graph.setdefault(a, set()).add(b)
        graph.setdefault(b, set())
    index, low, stack, on_stack, found = {}, {}, [], set(), []
    counter = [0]

    def visit(node):
        work = [(node, iter(sorted(graph[node])))]
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        while work:
            current, children = work[-1]
            child = next(children, None)
            if child is not None:
                if child not in index:
                    index[child] = low[child] = counter[0]
                    counter[0] += 1
                    stack.append(child)
                    on_stack.add(child)
                    work.append((child, iter(sorted(graph[child]))))
                elif child in on_stack:
                    low[current] = min(low[current], index[child])
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[current])
            if low[current] == index[current]:
                component = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.append(member)
                    if member == current:
                        break
                if len(component) > 1:
                    found.append(sorted(component))

    for node in sorted(graph):
        if node not in index:
            visit(node)
    return found


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    src, rules_path = sys.argv[1], sys.argv[2]
    rules = read_rules(rules_path)
    rank = {folder: i for i, folder in enumerate(rules['order'])}
    files, includes = read_includes(src)
    problems = []

    for folder in sorted({folder_of(f) for f in files if '/' in f}):
        if folder not in rank:
            problems.append(f'src/{folder}/ is not in the folder order of {rules_path}: place it there')

    used_allowances = set()
    edges = set()
    for source, target in includes:
        if (source, target) in rules['allow']:
            used_allowances.add((source, target))
            continue
        a, b = room_of(source), room_of(target)
        if a == b:
            continue
        edges.add((a, b))
        low, high = folder_of(source), folder_of(target)
        if low in rank and high in rank and rank[high] > rank[low]:
            problems.append(f'{source} includes {target}: {low}/ stands below {high}/')
        allowed = rules['top'].get(target)
        if allowed is not None and a not in allowed:
            problems.append(f'{source} includes {target}, which only {", ".join(sorted(allowed))} may include')

    for component in circles(edges):
        problems.append('these rooms include one another in a circle: ' + ', '.join(component))
    for source, target in sorted(rules['allow'] - used_allowances):
        problems.append(f'"allow: {source} -> {target}" is no longer needed: remove it from {rules_path}')

    if problems:
        print('\n'.join(problems))
        print(f'{len(problems)} problem(s) in the include graph of {src}')
        return 1
    print(f'The include graph of {src} is one-way: {len(files)} files, {len(edges)} includes between rooms')
    return 0


if __name__ == '__main__':
    sys.exit(main())
