#!/usr/bin/env python3
"""Writes inputs that push the engine's limits, into the folder given:
huge counts, shared and overlapping structures, and images listed many
times. measure-limits.sh times an extraction of each."""

import os
import struct
import sys

from pe_build import SECTION_RVA, dib, pe_image

HIGH = 0x80000000


class Section:
    """Resource section bytes with offsets from its start."""

    def __init__(self):
        self.data = bytearray()

    def put(self, blob, align=4):
        while len(self.data) % align:
            self.data.append(0)
        at = len(self.data)
        self.data.extend(blob)
        return at

    def table(self, entries, named=0):
        """A directory table of (name, target) pairs; `named` of them count
        as named entries."""
        blob = struct.pack('<IIHHHH', 0, 0, 0, 0, named, len(entries) - named)
        blob += b''.join(struct.pack('<II', n, t) for n, t in entries)
        return self.put(blob)

    def data_entry(self, blob):
        at = self.put(blob)
        return self.put(struct.pack('<IIII', SECTION_RVA + at, len(blob), 0, 0))

    def leaf(self, blob, language=0x0409):
        """A language table with one entry leading to `blob`."""
        return self.table([(language, self.data_entry(blob))])

    def patch_table_target(self, table_at, index, target):
        struct.pack_into('<I', self.data, table_at + 16 + 8 * index + 4, target)


def group(ids):
    return struct.pack('<HHH', 0, 1, len(ids)) + b''.join(
        struct.pack('<BBBBHHIH', 32, 32, 0, 0, 1, 32, 0, i) for i in ids)


def root(section, icon_names, group_names):
    """Fills in the root table, which must be the section's first bytes."""
    section.data[0:32] = struct.pack('<IIHHHHIIII', 0, 0, 0, 0, 0, 2,
                                     3, HIGH | icon_names, 14, HIGH | group_names)


def new_section():
    section = Section()
    section.put(bytes(32))  # the root, filled in last
    return section


def many_names_one_text(empty_sections=0):
    """131070 group names, every one the same 65535-character text."""
    s = new_section()
    icons = s.table([(1, HIGH | s.leaf(dib(16, 16, 4)))])
    text = s.put(struct.pack('<H', 0xFFFF) + 'A'.encode('utf-16-le') * 0xFFFF)
    lang = s.leaf(group([1]))
    groups = s.table([(HIGH | text, HIGH | lang)] * 131070, named=65535)
    root(s, icons, groups)
    return pe_image(bytes(s.data), empty_sections=empty_sections)


def one_image_many_times(image_size, group_names=1):
    """A group of 65535 entries that all name one image of `image_size`
    bytes, listed under `group_names` names."""
    s = new_section()
    image = dib(16, 16, 4)
    image += bytes(image_size - len(image))
    icons = s.table([(1, HIGH | s.leaf(image))])
    lang = s.leaf(group([1] * 65535))
    groups = s.table([(n, HIGH | lang) for n in range(1, group_names + 1)])
    root(s, icons, groups)
    return pe_image(bytes(s.data))


def sliding_language_tables():
    """65535 images whose language tables overlap, each shifted by one entry
    from the last, so that every one of them holds 65535 entries."""
    s = new_section()
    # A table's entry counts are the target field of the entry after its
    # header: 0x0001FFFE counts 65534 named entries and one numbered one, and
    # as a data entry offset leads to the one below.
    s.put(bytes(0x1FFFE - len(s.data)), align=1)
    s.put(bytes(16), align=1)
    image = s.put(dib(16, 16, 4))
    s.data[0x1FFFE:0x1FFFE + 16] = struct.pack('<IIII', SECTION_RVA + image, 296, 0, 0)
    slide = s.put(struct.pack('<II', 0x0409, 0x0001FFFE) * (2 * 65535 + 2), align=8)
    icons = s.table([(i, HIGH | (slide + 8 * (i - 1))) for i in range(1, 65536)])
    groups = s.table([(1, HIGH | s.leaf(group(list(range(1, 65536)))))])
    root(s, icons, groups)
    return pe_image(bytes(s.data))


def deep_and_self_pointing():
    """Directories that point back at themselves at every level."""
    s = new_section()
    names = s.table([(1, 0), (2, 0)])
    s.patch_table_target(names, 0, HIGH | names)  # the languages are the names
    s.patch_table_target(names, 1, HIGH)  # the languages are the root
    root(s, HIGH, names)  # the icon names are the root itself
    return pe_image(bytes(s.data))


def ne_many_long_names(records):
    """A 16-bit module whose resource table repeats a record of 65535
    groups, every one named by the same 255-character text."""
    out = bytearray(0x40)
    out[0:2] = b'MZ'
    struct.pack_into('<I', out, 0x3C, 0x40)
    header = bytearray(0x40)
    header[0:2] = b'NE'
    # The resident names table is said to follow at once; only its being
    # elsewhere than the resource table matters.
    struct.pack_into('<HH', header, 0x24, 0x40, 0x42)
    table = bytearray(struct.pack('<H', 0))
    # A first record whose 22 entries hold the name text.
    table += struct.pack('<HHI', 0x8001, 22, 0)
    name_at = len(table)
    table += bytes([255]) + b'A' * 255 + bytes(22 * 12 - 256)
    entry = struct.pack('<HHHHHH', 0, 0, 0, name_at, 0, 0)
    for _ in range(records):
        table += struct.pack('<HHI', 0x800E, 65535, 0) + entry * 65535
    table += b'\0\0'
    return bytes(out + header + table)


def ico_overlapping(total_size):
    """An icon file of `total_size` bytes whose 65535 entries all cover
    every byte after the directory."""
    count = 65535
    start = 6 + 16 * count
    length = total_size - start
    directory = struct.pack('<BBBBHHII', 32, 32, 0, 0, 1, 32, length, start) * count
    image = dib(16, 16, 4)
    return struct.pack('<HHH', 0, 1, count) + directory + image + bytes(length - len(image))


def ico_many_images(count, image_size):
    image = dib(16, 16, 4)
    image += bytes(image_size - len(image))
    start = 6 + 16 * count
    directory = b''.join(struct.pack('<BBBBHHII', 16, 16, 0, 0, 1, 4, image_size,
                                     start + i * image_size) for i in range(count))
    return struct.pack('<HHH', 0, 1, count) + directory + image * count


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else 'stress-inputs'
    os.makedirs(out, exist_ok=True)
    inputs = {
        'names-131070-one-text.dll': lambda: many_names_one_text(),
        'names-131070-after-65534-sections.dll': lambda: many_names_one_text(65534),
        'group-65535-of-one-60mb-image.dll': lambda: one_image_many_times(60 << 20),
        'group-65535-of-one-3kb-image.dll': lambda: one_image_many_times(3000),
        'groups-100-of-65535-4kb-images.dll': lambda: one_image_many_times(4096, 100),
        'sliding-language-tables.dll': sliding_language_tables,
        'ne-84-records-of-65535-long-names.dll': lambda: ne_many_long_names(84),
        'self-pointing.dll': deep_and_self_pointing,
        'ico-65535-overlapping-64mb.ico': lambda: ico_overlapping(64 << 20),
        'ico-65535-images-64mb.ico': lambda: ico_many_images(65535, 1008),
    }
    for name, make in inputs.items():
        with open(os.path.join(out, name), 'wb') as f:
            f.write(make())


if __name__ == '__main__':
    main()
