#!/usr/bin/env python3
"""Writes the small hand-made seeds of fuzz/seeds/: modules with typical and
edge-case icon groups, and icon files. Run from anywhere; rerunning gives
the same bytes."""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, os.pardir, 'tests', 'support'))
from formats import (dib, group_directory, icon_dir_header, ico_entry,  # noqa: E402
                     ico_offsets, ne, pe, png)

RT_ICON, RT_GROUP_ICON, RT_STRING = 3, 14, 6


def png_of_one_colour(width, height):
    return png(width, height, [b'\x20\x40\x80\xff' * width] * height)


def ico(images, file_type=1, entries=None):
    """An ICO file of `images`; `entries` may give (size, offset) pairs that
    replace the computed ones."""
    if entries is None:
        sizes = [len(image) for image in images]
        entries = list(zip(sizes, ico_offsets(sizes)))
    return (icon_dir_header(len(entries), file_type) +
            b''.join(ico_entry(16, 16, 0, 32, size, at) for size, at in entries) +
            b''.join(images))


def group(icon_ids, sizes=None):
    """A GRPICONDIR listing the RT_ICON numbers `icon_ids`."""
    return group_directory([(48, 48, 32, sizes[i] if sizes else 0, icon_id)
                            for i, icon_id in enumerate(icon_ids)])


def write(kind, name, data):
    path = os.path.join(HERE, 'seeds', kind, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data)


def main():
    small4 = dib(16, 16, 4)
    small1 = dib(16, 16, 1, fill=0xA5)
    true32 = dib(8, 8, 32, fill=0x7F)
    picture = png_of_one_colour(4, 4)

    write('module', 'two-groups.dll', pe({
        RT_ICON: {1: {0x409: small4}, 2: {0x409: true32, 0: small1}, 3: {0x409: picture}},
        RT_GROUP_ICON: {'MAINICON': {0x409: group([1, 2], [len(small4), 48])},
                        7: {0x409: group([3, 2])}},
        RT_STRING: {1: {0x409: b'\0\0'}},
    }))
    write('module', 'png-group-64.exe', pe({
        RT_ICON: {1: {0: picture}},
        RT_GROUP_ICON: {1: {0: group([1])}},
    }, plus=True))
    write('module', 'empty-group.exe', pe({
        RT_ICON: {1: {0: small4}},
        RT_GROUP_ICON: {1: {0: group([])}, 2: {0: group([9])}},
    }))
    write('module', 'no-resources.exe', pe(None))
    write('module', 'repeated-image.icl', pe({
        RT_ICON: {5: {0x804: true32}},
        RT_GROUP_ICON: {'a': {0: group([5, 5, 5])}, 'B': {0: group([5])}},
    }, machine=0x1C4))

    # 16-bit modules: the group entries give each image's real length.
    write('module', 'two-groups-16bit.dll', ne({
        RT_ICON: {1: small4, 2: small1},
        RT_GROUP_ICON: {'APP': group([1, 2], [len(small4), len(small1)]), 5: group([2])},
    }))
    write('module', 'coarse-alignment-16bit.exe', ne({
        RT_GROUP_ICON: {1: group([9], [40])},
        RT_ICON: {9: true32},
    }, shift=9))

    write('ico', 'three-images.ico', ico([small4, true32, picture]))
    write('ico', 'empty.ico', ico([]))
    write('ico', 'overlapping.ico',
          ico([small1, true32], entries=[(len(small1), 54), (len(small1) + 20, 6),
                                         (len(true32), 54 + len(small1))]))
    write('ico', 'short-image.ico', ico([small4[:22], b'', small4[:8]]))
    write('ico', 'cursor.cur', ico([small1], file_type=2))


if __name__ == '__main__':
    main()
