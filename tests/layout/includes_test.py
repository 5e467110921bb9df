#!/usr/bin/env python3
"""Lists the includes between the program's files and finds no circle.

Each folder is a room and the rooms stand in an order: a file may include its
own room's headers and those of the rooms before it, never one after it. A
header and its source file count as one unit, and no chain of includes leads
from a unit back to itself. Exits 1 and names each include out of order and
each circle."""
import os
import re
import sys

# Lowest first.
ROOMS = [
    "resources", "colour", "palette", "version", "pick",
    "converter/window", "converter/current", "converter/access", "converter/fields",
    "converter/palette_window", "converter/pictures", "converter/dialog",
    "startup", "cli",
]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def program_files(root):
    for room in ROOMS:
        folder = os.path.join(root, room)
        for name in sorted(os.listdir(folder)):
            if name.endswith((".h", ".cpp")):
                yield room, os.path.join(room, name)


def main(root):
    files = list(program_files(root))
    room_of, by_name, problems = {}, {}, []
    for room, path in files:
        room_of[path] = room
        name = os.path.basename(path)
        if name.endswith(".h"):
            if name in by_name:
                problems.append(f"{path} and {by_name[name]}: one header name, two rooms")
            by_name[name] = path

    unit = lambda path: os.path.splitext(path)[0]
    edges = {}
    for room, path in files:
        with open(os.path.join(root, path), encoding="utf-8") as source:
            text = source.read()
        for included in INCLUDE.findall(text):
            target = by_name.get(os.path.basename(included))
            if target is None:
                continue  # a generated header or the platform's
            if ROOMS.index(room_of[target]) > ROOMS.index(room):
                problems.append(f"{path} includes {target}, a room above its own")
            if unit(target) != unit(path):
                edges.setdefault(unit(path), set()).add(unit(target))

    # Depth-first search; a unit met again while still on the path closes a circle.
    state, stack = {}, []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == "open":
                problems.append("circle: " + " -> ".join(stack[stack.index(nxt):] + [nxt]))
            elif nxt not in state:
                visit(nxt)
        stack.pop()
        state[node] = "done"

    for node in sorted(edges):
        if node not in state:
            visit(node)

    print(f"{len(files)} files, {sum(len(v) for v in edges.values())} includes between units")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
