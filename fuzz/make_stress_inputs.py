#!/usr/bin/env python3
"""Writes inputs that push the engine's limits, into the folder given:
huge counts, shared and overlapping structures, and images listed many
times. measure-limits.sh times an extraction of each."""

import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, 'tests',
                                'support'))
from formats import (HIGH, SECTION_RVA, RawSection, data_entry, dib,  # noqa: E402
                     group_directory, icon_dir_header, ico_entry, ico_offsets, mz_stub,
                     ne_header, pe_image, resource_text)


def group(ids):
    return group_directory([(32, 32, 32, 0, i) for i in ids])


def many_names_one_text(empty_sections=0):
    """131070 group names, every one the same 65535-character text."""
    s = RawSection()
    icons = s.table([(1, HIGH | s.leaf(dib(16, 16, 4)))])
    text = s.put(resource_text('A' * 0xFFFF))
    lang = s.leaf(group([1]))
    groups = s.table([(HIGH | text, HIGH | lang)] * 131070, named=65535)
    s.root(icons, groups)
    return pe_image(bytes(s.data), empty_sections=empty_sections)


def one_image_many_times(image_size, group_names=1):
    """A group of 65535 entries that all name one image of `image_size`
    bytes, listed under `group_names` names."""
    s = RawSection()
    image = dib(16, 16, 4)
    image += bytes(image_size - len(image))
    icons = s.table([(1, HIGH | s.leaf(image))])
    lang = s.leaf(group([1] * 65535))
    groups = s.table([(n, HIGH | lang) for n in range(1, group_names + 1)])
    s.root(icons, groups)
    return pe_image(bytes(s.data))


def sliding_language_tables():
    """65535 images whose language tables overlap, each shifted by one entry
    from the last, so that every one of them holds 65535 entries."""
    s = RawSection()
    # A table's entry counts are the target field of the entry after its
    # header: 0x0001FFFE counts 65534 named entries and one numbered one, and
    # as a data entry offset leads to the one below.
    s.put(bytes(0x1FFFE - len(s.data)), align=1)
    s.put(bytes(16), align=1)
    image = s.put(dib(16, 16, 4))
    s.data[0x1FFFE:0x1FFFE + 16] = data_entry(SECTION_RVA + image, 296)
    slide = s.put(struct.pack('<II', 0x0409, 0x0001FFFE) * (2 * 65535 + 2), align=8)
    icons = s.table([(i, HIGH | (slide + 8 * (i - 1))) for i in range(1, 65536)])
    groups = s.table([(1, HIGH | s.leaf(group(list(range(1, 65536)))))])
    s.root(icons, groups)
    return pe_image(bytes(s.data))


def deep_and_self_pointing():
    """Directories that point back at themselves at every level."""
    s = RawSection()
    names = s.table([(1, 0), (2, 0)])
    s.patch_table_target(names, 0, HIGH | names)  # the languages are the names
    s.patch_table_target(names, 1, HIGH)  # the languages are the root
    s.root(HIGH, names)  # the icon names are the root itself
    return pe_image(bytes(s.data))


def ne_many_long_names(records):
    """A 16-bit module whose resource table repeats a record of 65535
    groups, every one named by the same 255-character text."""
    # The resident names table is said to follow at once; only its being
    # elsewhere than the resource table matters.
    head = mz_stub(0x40) + ne_header(0x40, 0x42)
    table = bytearray(struct.pack('<H', 0))
    # A first record whose 22 entries hold the name text.
    table += struct.pack('<HHI', 0x8001, 22, 0)
    name_at = len(table)
    table += bytes([255]) + b'A' * 255 + bytes(22 * 12 - 256)
    entry = struct.pack('<HHHHHH', 0, 0, 0, name_at, 0, 0)
    for _ in range(records):
        table += struct.pack('<HHI', 0x800E, 65535, 0) + entry * 65535
    table += b'\0\0'
    return head + bytes(table)


def ico_overlapping(total_size):
    """An icon file of `total_size` bytes whose 65535 entries all cover
    every byte after the directory."""
    count = 65535
    start = 6 + 16 * count
    length = total_size - start
    directory = ico_entry(32, 32, 0, 32, length, start) * count
    image = dib(16, 16, 4)
    return icon_dir_header(count) + directory + image + bytes(length - len(image))


def ico_many_images(count, image_size):
    image = dib(16, 16, 4)
    image += bytes(image_size - len(image))
    directory = b''.join(ico_entry(16, 16, 0, 4, image_size, at)
                         for at in ico_offsets([image_size] * count))
    return icon_dir_header(count) + directory + image * count


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
