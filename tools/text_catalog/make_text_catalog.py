#!/usr/bin/env python3
"""Writes shell/platform/text_catalog.cpp: every GBK text constant of
game/gbk.h and database/database_texts.h beside its UTF-8 form, marked for
lupdate in the context "Texts". Run from the repository's root after adding
a text constant; the shell test text_catalog_test fails until then."""
import re
import sys

HEADERS = ["game/gbk.h", "database/database_texts.h"]
CONSTANT = re.compile(r'inline constexpr char (GBK_\w+)\[\]\s*=\s*((?:\s*"(?:[^"\\]|\\.)*")+)\s*;', re.S)
# The numerals of the files, by number, are shown inside a point's name.
NUMERALS = re.compile(r'inline constexpr const char\* (\w+_NUMERALS)\[\d+\]\s*=\s*\{(.*?)\};', re.S)
PIECE = re.compile(r'"((?:[^"\\]|\\.)*)"')


def c_bytes(literal):
    out = bytearray()
    i = 0
    while i < len(literal):
        c = literal[i]
        if c == '\\':
            n = literal[i + 1]
            if n == 'x':
                m = re.match(r'[0-9A-Fa-f]{1,2}', literal[i + 2:])
                out.append(int(m.group(0), 16))
                i += 2 + len(m.group(0))
                continue
            out += {'n': b'\n', 't': b'\t', '"': b'"', '\\': b'\\'}[n]
            i += 2
            continue
        out += c.encode('utf-8')
        i += 1
    return bytes(out)


PLACEHOLDER = re.compile(r"%(?:\.\d)?[sdf]")


def qt_placeholders(text):
    """printf's %s, %d, %.1f become Qt's %1, %2, ... in order."""
    count = [0]

    def number(_):
        count[0] += 1
        return "%" + str(count[0])
    return PLACEHOLDER.sub(number, text)


def c_escape(text):
    return text.replace('\\', '\\\\').replace('"', '\\"').replace('\n', '\\n').replace('\t', '\\t')


def main():
    lines = ["// Written by tools/text_catalog/make_text_catalog.py: every GBK text",
             "// constant beside its UTF-8 form, printf's placeholders written as Qt's",
             "// %1 %2 ..., for lupdate and for shownGbk().",
             '#include "shell/platform/text_catalog.h"', "",
             "#include <QtGlobal>", "",
             '#include "database/database_texts.h"',
             '#include "game/gbk.h"', "",
             "namespace {", "",
             "constexpr CatalogEntry CATALOG[] = {"]
    for header in HEADERS:
        source = open(header, encoding="utf-8").read()
        lines.append(f'    // {header}')
        for name, literals in CONSTANT.findall(source):
            data = b"".join(c_bytes(p) for p in PIECE.findall(literals))
            utf8 = qt_placeholders(data.decode("gbk"))
            lines.append(f'    {{"{name}", {name}, QT_TRANSLATE_NOOP("Texts", "{c_escape(utf8)}")}},')
        for name, body in NUMERALS.findall(source):
            for i, literal in enumerate(PIECE.findall(body)):
                utf8 = c_bytes(literal).decode("gbk")
                entry = f"{name}[{i}]"
                lines.append(f'    {{"{entry}", {entry}, QT_TRANSLATE_NOOP("Texts", "{c_escape(utf8)}")}},')
    lines += ["};", "", "}  // namespace", "", "std::span<const CatalogEntry> textCatalog() { return CATALOG; }"]
    open("shell/platform/text_catalog.cpp", "w", encoding="utf-8").write("\n".join(lines) + "\n")


if __name__ == "__main__":
    sys.exit(main())
