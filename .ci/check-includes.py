#!/usr/bin/env python3
"""Checks every #include of the game's sources against the rooms table in docs/ARCHITECTURE.md.

Each row of that table names a folder and, in its last column, what the folder may include:
other rooms (`game`, `app`, ...) and capabilities (`SDL2`, `OpenGL`, `threads`, `files`, ...).
A room always includes its own folder and the C++ standard library apart from the headers that
belong to a capability. Prints each wrong include and exits 1 if there is any.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent

# Headers that need a capability, by pattern on the included name.
CAPABILITIES = {
    "SDL2": [r"^SDL2?/", r"^SDL[._]"],
    "OpenGL": [r"^GL/"],
    "libjpeg": [r"^jpeglib\.h$"],
    "ImGui": [r"^imgui", r"^backends/imgui"],
    "stb": [r"^stb/"],
    "MPI": [r"^mpi\.h$"],
    "threads": [r"^thread$", r"^mutex$", r"^atomic$", r"^condition_variable$", r"^future$", r"^pthread\.h$"],
    "clocks": [r"^chrono$"],
    "files": [r"^fstream$", r"^filesystem$", r"^fcntl\.h$", r"^unistd\.h$", r"^sys/", r"^spawn\.h$", r"^pwd\.h$"],
}


def read_table():
    rooms = {}
    text = (ROOT / "docs" / "ARCHITECTURE.md").read_text()
    for line in text.splitlines():
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) < 3 or not re.fullmatch(r"`[\w/]+`", cells[0]):
            continue
        folder = cells[0].strip("`")
        rooms[folder] = set(re.findall(r"`([\w+/-]+)`", cells[-1]))
    return rooms


def room_name(folder):
    return folder.split("/")[-1]


def check(rooms):
    faults = []
    room_names = {room_name(f) for f in rooms}
    for folder, allowed in rooms.items():
        own = room_name(folder)
        for path in sorted((ROOT / folder).glob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            for number, line in enumerate(path.read_text().splitlines(), 1):
                m = re.match(r'\s*#\s*include\s*([<"])([^>"]+)[>"]', line)
                if not m:
                    continue
                name = m.group(2)
                where = f"{path.relative_to(ROOT)}:{number}: {name}"
                top = name.split("/")[0]
                if m.group(1) == '"' and "/" in name and top in room_names:
                    if top != own and top not in allowed:
                        faults.append(f"{where}: {own} may not include {top}")
                    continue
                for capability, patterns in CAPABILITIES.items():
                    if any(re.search(p, name) for p in patterns) and capability not in allowed:
                        faults.append(f"{where}: {own} may not use {capability}")
    return faults


def main():
    rooms = read_table()
    if len(rooms) < 5:
        print("check-includes: the rooms table in docs/ARCHITECTURE.md was not found")
        return 1
    faults = check(rooms)
    for fault in faults:
        print(fault)
    print(f"check-includes: {len(rooms)} rooms, {len(faults)} wrong includes")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
