#!/usr/bin/env python3
"""The layering rules of ARCHITECTURE.md, checked over a source tree.

Usage: layering.py [ROOT]   (ROOT defaults to the current folder)

Checks, printing each breach as FILE:LINE: message and failing when any:
- an #include points to a layer above, or to a sub-area of the same layer
  on the same level or above (the orders are the tables below, written out
  in ARCHITECTURE.md);
- a third-party header is included where it does not belong: Qt only in
  ui/, <sqlite3.h> only in the .cpp files of workbench/database_engine/ and
  workbench/functions/, libmdb only in the Access reader, GoogleTest only in
  tests/, and text_engine/ the standard library alone (the intrinsics of
  delimiter_replace.cpp apart);
- an include is written relative to the including file ("../x.h", or a bare
  name in a layer, where every include is named from the root);
- a CMake target_link_libraries edge breaks the same order, links a
  third-party library outside its place, or a folder includes a sub-area
  whose library its targets do not link (directly or through others).
tests/ and bench/ may include any layer; the third-party and relative rules
hold for them too, with the exceptions named in THIRD_PARTY.
"""

import os
import re
import sys

# Layers from the bottom; a layer includes only layers of lower rank. cli
# and ui share the top rank: neither includes the other.
LAYER_RANK = {
    "text_engine": 0,
    "workbench": 1,
    "columns": 2,
    "settings": 3,
    "shell": 4,
    "cli": 5,
    "ui": 5,
}
# Folders beside the layers that may include every layer.
FREE_TOPS = ("tests", "bench")

# Sub-areas of a layer by level from the bottom: a sub-area includes its own
# files and sub-areas of lower levels only. "" is the layer's own folder
# (the workbench umbrella). Layers not listed here are one area.
SUB_AREA_LEVEL = {
    "workbench": {
        "dialect": 0,
        "database_engine": 1,
        "functions": 2,
        "": 3,
        "access": 4,
        "postgres": 4,
    },
    "shell": {
        "text_files": 0, "dialogs": 0, "menus": 0, "find": 0, "queries": 0,
        "fieldize_grid": 0, "operation_fields": 0, "table_browser": 0, "access_import": 0,
        "column_ruler": 0,
        "file_access": 1, "program_state": 1, "browser_export": 1,
        "editing": 2, "databases": 2,
    },
    "ui": {
        "text_box": 0,
        "dialogs": 1,
        "about": 2, "splash": 2, "find": 2, "text_viewer": 2, "query_window": 2,
        "password_access": 2, "table_list": 2, "table_browser": 2, "manipulator": 2,
        "main_window": 3,
        "app": 4,
    },
}

# Third-party code: its name, its headers, its CMake targets, the files that
# may include it, the folders whose targets may link it, and those in words.
THIRD_PARTY = [
    ("Qt", r"Q[A-Za-z0-9_]*|Qt[A-Za-z]*/.*|Qsci/.*|q[a-z0-9_]*\.h",
     r"Qt6?::.*|fieldizer_qscintilla|fieldizer_qt_options",
     r"(ui|tests/ui|bench)/.*", r"ui(/.*)?", "ui/ (tests/ui/ and bench/ for the tests)"),
    ("SQLite", r"sqlite3(ext)?\.h", r"SQLite::SQLite3|sqlite3",
     r"workbench/(database_engine|functions)/[^/]+\.cpp|(tests|bench)/.*",
     r"workbench/(database_engine|functions)",
     "the .cpp files of workbench/database_engine/ and workbench/functions/"),
    ("libmdb", r"mdb[a-z]*\.h", r"PkgConfig::LIBMDB|mdb",
     r"workbench/access/access_reader[^/]*\.cpp", r"workbench/access",
     "the Access reader, workbench/access/access_reader.cpp"),
    ("libpq", r"libpq-fe\.h|libpq/.*|pg_config[a-z_]*\.h|postgres_ext\.h",
     r"PkgConfig::LIBPQ|PostgreSQL::PostgreSQL|pq",
     r"workbench/postgres/[^/]+\.cpp|(tests|bench)/.*", r"workbench/postgres",
     "the .cpp files of workbench/postgres/"),
    ("GoogleTest", r"(gtest|gmock)/.*", r"GTest::.*|gtest|gmock", r"tests/.*", r"tests(/.*)?",
     "tests/"),
]
# text_engine/ is the standard library alone: a C++ standard header has a
# bare lower-case name. The SSE intrinsics are the one exception.
STANDARD_HEADER = re.compile(r"^[a-z_]+$")
INTRINSICS = (re.compile(r"^[a-z]*intrin\.h$"), re.compile(r"^text_engine/delimiter_replace\.cpp$"))

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".c")


def area_of(path):
    """(layer, sub-area) of a path from the root; sub-area "" for the layer's own folder."""
    parts = path.split("/")
    layer = parts[0]
    sub = parts[1] if len(parts) > 2 else ""
    return layer, sub


def order_breach(source, target):
    """Why source (a file or folder) may not use target, or None when it may."""
    source_layer, source_sub = area_of(source)
    target_layer, target_sub = area_of(target)
    if source_layer in FREE_TOPS:
        return None
    if target_layer in FREE_TOPS:
        return f"{target_layer}/ is not part of the program"
    if source_layer != target_layer:
        if LAYER_RANK[target_layer] < LAYER_RANK[source_layer]:
            return None
        return f"layer {target_layer}/ is not below layer {source_layer}/"
    levels = SUB_AREA_LEVEL.get(source_layer)
    if levels is None or source_sub == target_sub:
        return None
    for sub in (source_sub, target_sub):
        if sub not in levels:
            return (f"sub-area {source_layer}/{sub} has no place in the order of "
                    f"{source_layer}/ (ARCHITECTURE.md, scripts/layering.py)")
    if levels[target_sub] < levels[source_sub]:
        return None
    name = lambda sub: f"{source_layer}/{sub}" if sub else f"{source_layer}/ (its own folder)"
    return f"{name(target_sub)} is not below {name(source_sub)}"


def source_files(root):
    tops = list(LAYER_RANK) + list(FREE_TOPS)
    for top in tops:
        for folder, subfolders, files in os.walk(os.path.join(root, top)):
            subfolders[:] = sorted(d for d in subfolders if not d.startswith("."))
            for name in sorted(files):
                full = os.path.join(folder, name)
                yield os.path.relpath(full, root).replace(os.sep, "/"), full


class Checker:
    def __init__(self, root):
        self.root = root
        self.breaches = []
        # folder -> {included folder: (file, line)} for the link check.
        self.folder_uses = {}

    def breach(self, path, line, message):
        self.breaches.append(f"{path}:{line}: {message}")

    def check_include(self, path, line, bracket, name):
        top = name.split("/")[0]
        if name.startswith("./") or name.startswith("../") or "/../" in name:
            self.breach(path, line, f'relative include "{name}": name the file from the root')
            return
        if "/" in name and (top in LAYER_RANK or top in FREE_TOPS):
            self.check_project_include(path, line, name)
            return
        layer = path.split("/")[0]
        if bracket == '"':
            if layer in LAYER_RANK:
                self.breach(path, line, f'relative include "{name}": name the file from the '
                            f"root, as {os.path.dirname(path)}/{name}")
            return
        self.check_third_party(path, line, name)

    def check_project_include(self, path, line, name):
        why = order_breach(path, name)
        if why:
            self.breach(path, line, f"includes {name}: {why}")
            return
        source_folder, target_folder = os.path.dirname(path), os.path.dirname(name)
        if source_folder.split("/")[0] in LAYER_RANK and source_folder != target_folder:
            self.folder_uses.setdefault(source_folder, {}).setdefault(target_folder, (path, line))

    def check_third_party(self, path, line, name):
        for library, header, _, files, _, where in THIRD_PARTY:
            if re.fullmatch(header, name):
                if not re.fullmatch(files, path):
                    self.breach(path, line, f"includes <{name}>: {library} belongs in {where} only")
                return
        if path.startswith("text_engine/") and not STANDARD_HEADER.match(name):
            if not (INTRINSICS[0].match(name) and INTRINSICS[1].match(path)):
                self.breach(path, line,
                            f"includes <{name}>: text_engine/ uses the standard library only")

    def check_sources(self):
        count = 0
        for path, full in source_files(self.root):
            if not path.endswith(SOURCE_SUFFIXES):
                continue
            count += 1
            layer, sub = area_of(path)
            if sub not in SUB_AREA_LEVEL.get(layer, {sub: 0}):
                self.breach(path, 1, f"sub-area {layer}/{sub} has no place in the order of "
                            f"{layer}/ (ARCHITECTURE.md, scripts/layering.py)")
            with open(full, encoding="utf-8", errors="replace") as source:
                for number, text in enumerate(source, 1):
                    found = INCLUDE.match(text)
                    if found:
                        self.check_include(path, number, found.group(1), found.group(2))
        return count

    def check_cmake(self):
        """The link edges of every layer's CMakeLists.txt."""
        folder_targets, links = read_cmake_targets(self.root)
        target_folder = {t: f for f, ts in folder_targets.items() for t in ts}
        for target, edges in links.items():
            folder = target_folder.get(target)
            if folder is None or folder.split("/")[0] not in LAYER_RANK:
                continue
            for dependency, cmake_file, line in edges:
                self.check_link(folder, target, dependency, target_folder, cmake_file, line)
        self.check_links_cover_includes(folder_targets, links)

    def check_link(self, folder, target, dependency, target_folder, cmake_file, line):
        for library, _, target_pattern, _, folders, where in THIRD_PARTY:
            if re.fullmatch(target_pattern, dependency):
                if not re.fullmatch(folders, folder):
                    self.breach(cmake_file, line, f"{target} links {dependency}: "
                                f"{library} belongs in {where} only")
                return
        dependency_folder = target_folder.get(dependency)
        if dependency_folder is None or dependency_folder.split("/")[0] not in LAYER_RANK:
            return  # the options targets, or a library outside the tree
        why = order_breach(folder + "/x", dependency_folder + "/x")
        if why:
            self.breach(cmake_file, line, f"{target} links {dependency}: {why}")

    def check_links_cover_includes(self, folder_targets, links):
        for folder, uses in sorted(self.folder_uses.items()):
            own = folder_targets.get(folder)
            if not own:
                continue  # no library here (a folder without a CMakeLists.txt)
            reach = set()
            pending = list(own)
            while pending:
                target = pending.pop()
                if target not in reach:
                    reach.add(target)
                    pending.extend(d for d, _, _ in links.get(target, []))
            for used, (path, line) in sorted(uses.items()):
                wanted = folder_targets.get(used)
                if wanted and not reach & set(wanted):
                    self.breach(path, line, f"includes from {used}/, but no target of {folder}/ "
                                f"links {' or '.join(wanted)}")


CMAKE_CALL = re.compile(r"\b(add_library|add_executable|target_link_libraries)\s*\(([^)]*)\)",
                        re.IGNORECASE)
LINK_KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE", "LINK_PUBLIC", "LINK_PRIVATE",
                 "LINK_INTERFACE_LIBRARIES"}


def read_cmake_targets(root):
    """{folder: [targets]} and {target: [(dependency, cmake file, line)]}."""
    folder_targets, links = {}, {}
    for path, full in source_files(root):
        if os.path.basename(path) != "CMakeLists.txt":
            continue
        with open(full, encoding="utf-8", errors="replace") as cmake:
            text = re.sub(r"#[^\n]*", "", cmake.read())
        folder = os.path.dirname(path)
        for call in CMAKE_CALL.finditer(text):
            words = [(w.group(0), call.start(2) + w.start()) for w in
                     re.finditer(r"[^\s]+", call.group(2))]
            if not words:
                continue
            if call.group(1).lower() != "target_link_libraries":
                folder_targets.setdefault(folder, []).append(words[0][0])
                continue
            for word, offset in words[1:]:
                if word not in LINK_KEYWORDS:
                    line = text.count("\n", 0, offset) + 1
                    links.setdefault(words[0][0], []).append((word, path, line))
    return folder_targets, links


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    checker = Checker(root)
    count = checker.check_sources()
    checker.check_cmake()
    for breach in checker.breaches:
        print(breach, file=sys.stderr)
    if checker.breaches:
        print(f"Layering: {len(checker.breaches)} breaches of ARCHITECTURE.md's order.",
              file=sys.stderr)
        return 1
    print(f"Layering: {count} files and their CMake links keep ARCHITECTURE.md's order.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
