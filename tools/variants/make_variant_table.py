#!/usr/bin/env python3
"""Writes game/chinese_variants_table.h: the traditional characters of the
names, events and places in game collections, each with its simplified
form, so that a filter typed in either form finds both.

    tools/variants/make_variant_table.py COLLECTION.pgn[.gz]... > game/chinese_variants_table.h

Every character of the Red, Black, Event, Site and team tags of the given
collections is converted on its own with OpenCC's character table (the
Debian package opencc, `opencc -c t2s.json`); the characters it changes,
where both forms are in GBK, make the table, sorted by the GBK code of the
traditional form. A curated list below adds the forms OpenCC leaves as
they are but that players write either way in names."""
import gzip
import re
import subprocess
import sys

TAGS = re.compile(r'\[(Red|Black|Event|Site|RedTeam|BlackTeam) "(.*)"\]')
# Variants OpenCC's character table keeps, written both ways in names and places.
CURATED = {'瀋': '沈', '臺': '台', '鍾': '钟', '鐘': '钟', '崑': '昆', '陜': '陕', '閆': '闫', '樑': '梁', '佔': '占'}


def characters(paths):
    seen = set()
    for path in paths:
        opener = gzip.open if path.endswith('.gz') else open
        with opener(path, 'rt', encoding='utf-8', errors='replace') as f:
            for line in f:
                m = TAGS.match(line)
                if m:
                    seen.update(c for c in m.group(2) if ord(c) > 0x7F)
    return sorted(seen)


def simplified(chars):
    text = '\n'.join(chars) + '\n'
    out = subprocess.run(['opencc', '-c', 't2s.json'], input=text, capture_output=True, text=True, check=True)
    return out.stdout.split('\n')[:len(chars)]


def gbk(c):
    try:
        b = c.encode('gbk')
    except UnicodeEncodeError:
        return None
    return b[0] << 8 | b[1] if len(b) == 2 else None


def main():
    chars = characters(sys.argv[1:])
    pairs = {}
    for t, s in zip(chars, simplified(chars)):
        if len(s) == 1 and s != t:
            pairs[t] = s
    for t, s in CURATED.items():
        pairs.setdefault(t, s)
    rows = sorted((gbk(t), gbk(s), t, s) for t, s in pairs.items() if gbk(t) and gbk(s))
    print('// Written by tools/variants/make_variant_table.py; do not edit by hand.')
    print('// Traditional character (GBK code) -> simplified character (GBK code).')
    print('#pragma once\n\n#include <cstdint>\n')
    print('struct VariantPair {\n    std::uint16_t traditional, simplified;\n};\n')
    print('inline constexpr VariantPair VARIANT_PAIRS[] = {')
    for i in range(0, len(rows), 6):
        chunk = rows[i:i + 6]
        cells = ' '.join('{0x%04X, 0x%04X},' % (a, b) for a, b, _, _ in chunk)
        note = ' '.join('%s%s' % (t, s) for _, _, t, s in chunk)
        print('    %s  // %s' % (cells, note))
    print('};')


if __name__ == '__main__':
    main()
