"""Builders of the formats the engine reads, for the scripts that write test
fixtures, fuzz seeds and stress inputs: icon images, ICO files, icon-group
directories, PE resource sections and modules, and NE modules.

Each script imports this file by its path, so that every format is laid out
in one place. Resource trees are given as {type: {name: {language: bytes}}},
where a name is an int or a str; the tree is laid out in one section, named
entries first and then numbered ones in ascending order, as linkers store
them.
"""

import struct
import zlib

SECTION_RVA = 0x1000
FILE_ALIGNMENT = 0x200
HIGH = 0x80000000  # a directory entry that leads to a table, or a text name


# Images.

def dib_header(width, height, bit_count, compression=0, size_image=0):
    """A BITMAPINFOHEADER for an icon image: its height counts the XOR
    bitmap and the AND mask."""
    return struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, bit_count, compression,
                       size_image, 0, 0, 0, 0)


def dib_sizes(width, height, bit_count):
    """The bytes of an icon image's colour table, XOR bitmap and AND mask."""
    palette = 4 * (1 << bit_count) if bit_count <= 8 else 0
    xor_row = ((width * bit_count + 31) // 32) * 4
    and_row = ((width + 31) // 32) * 4
    return palette, xor_row * height, and_row * height


def dib(width, height, bit_count, fill=0x5A):
    """An icon image of one byte over its colour table and XOR bitmap, with
    a clear AND mask and a compression field that readers of icons ignore."""
    palette, xor, mask = dib_sizes(width, height, bit_count)
    header = dib_header(width, height, bit_count, compression=0x11223344)
    return header + bytes([fill]) * (palette + xor) + bytes(mask)


def png(width, height, rows, level=-1):
    """An RGBA PNG of 8 bits a channel from its unfiltered rows, each
    given without its filter byte."""
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b''.join(b'\0' + row for row in rows)
    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, level)) + chunk(b'IEND', b''))


# ICO files and icon groups.

def icon_dir_header(count, file_type=1):
    """The header an ICO file and an icon group's directory share."""
    return struct.pack('<HHH', 0, file_type, count)


def _entry_head(width, height, colours, bit_count, size):
    return struct.pack('<BBBBHHI', width & 255, height & 255, colours & 255, 0, 1, bit_count,
                       size)


def ico_entry(width, height, colours, bit_count, size, offset):
    """An ICO directory entry: what it claims, then where the image is."""
    return _entry_head(width, height, colours, bit_count, size) + struct.pack('<I', offset)


def ico_offsets(sizes):
    """Where images of `sizes` lie when they follow their directory in turn."""
    offset = 6 + 16 * len(sizes)
    for size in sizes:
        yield offset
        offset += size


def group_directory(entries):
    """A GRPICONDIR of (width, height, bit count, bytes, RT_ICON id)
    entries."""
    return icon_dir_header(len(entries)) + b''.join(
        _entry_head(w, h, 0, bpp, size) + struct.pack('<H', icon_id)
        for w, h, bpp, size, icon_id in entries)


# PE modules.

def directory_table(entries, named=0):
    """A resource directory table of (name, target) entries, the first
    `named` of them counted as named."""
    return (struct.pack('<IIHHHH', 0, 0, 0, 0, named, len(entries) - named) +
            b''.join(struct.pack('<II', name, target) for name, target in entries))


def data_entry(rva, size):
    return struct.pack('<IIII', rva, size, 0, 0)


def _sorted_names(names):
    texts = sorted((n for n in names if isinstance(n, str)), key=str.upper)
    numbers = sorted(n for n in names if isinstance(n, int))
    return texts + numbers


def resource_section(tree, rva=SECTION_RVA):
    """Lays out a resource directory; returns the section's bytes."""
    tables = bytearray()
    strings = bytearray()
    data_entries = []  # (position of the data entry, payload)
    string_fixups = []  # (position of the name field, text)

    # Tables are laid out breadth first: root, types, names, languages.
    def emit_table(children):
        at = len(tables)
        keys = _sorted_names(children.keys())
        named = sum(1 for k in keys if isinstance(k, str))
        tables.extend(directory_table([(k if isinstance(k, int) else 0, 0) for k in keys], named))
        slots = []
        for i, key in enumerate(keys):
            slot = at + 16 + 8 * i
            if isinstance(key, str):
                string_fixups.append((slot, key))
            slots.append((slot + 4, children[key]))
        return at, slots

    pending = [(None, tree, 0)]
    while pending:
        next_level = []
        for target_slot, children, depth in pending:
            at, slots = emit_table(children)
            if target_slot is not None:
                struct.pack_into('<I', tables, target_slot, at | HIGH)
            for slot, child in slots:
                if depth == 2:
                    data_entries.append((slot, child))
                else:
                    next_level.append((slot, child, depth + 1))
        pending = next_level

    entries_at = len(tables)
    strings_at = entries_at + 16 * len(data_entries)
    for slot, text in string_fixups:
        struct.pack_into('<I', tables, slot, (strings_at + len(strings)) | HIGH)
        strings.extend(resource_text(text))
    while len(strings) % 4:
        strings.append(0)
    entries = bytearray()
    payload = bytearray()
    payload_at = strings_at + len(strings)
    for i, (slot, blob) in enumerate(data_entries):
        struct.pack_into('<I', tables, slot, entries_at + 16 * i)
        entries.extend(data_entry(rva + payload_at + len(payload), len(blob)))
        payload.extend(blob)
        while len(payload) % 4:
            payload.append(0)
    return bytes(tables + entries + strings + payload)


def resource_text(text):
    """A resource name: its length in UTF-16 units, then the units."""
    encoded = text.encode('utf-16-le')
    return struct.pack('<H', len(encoded) // 2) + encoded


class RawSection:
    """Resource section bytes laid out entry by entry, for shapes no
    resource compiler makes; offsets count from the section's start, where
    the root table goes last."""

    def __init__(self):
        self.data = bytearray(32)

    def put(self, blob, align=4):
        while len(self.data) % align:
            self.data.append(0)
        at = len(self.data)
        self.data.extend(blob)
        return at

    def table(self, entries, named=0):
        return self.put(directory_table(entries, named))

    def data_entry(self, blob):
        at = self.put(blob)
        return self.put(data_entry(SECTION_RVA + at, len(blob)))

    def leaf(self, blob, language=0x0409):
        """A language table with one entry leading to `blob`."""
        return self.table([(language, self.data_entry(blob))])

    def patch_table_target(self, table_at, index, target):
        struct.pack_into('<I', self.data, table_at + 16 + 8 * index + 4, target)

    def root(self, icon_names, group_names):
        """RT_ICON and RT_GROUP_ICON leading to the given name tables."""
        self.data[0:32] = directory_table([(3, HIGH | icon_names), (14, HIGH | group_names)])


def mz_stub(new_header_at=0x40):
    """A DOS header that leads to the new header at `new_header_at`."""
    dos = bytearray(0x40)
    dos[0:2] = b'MZ'
    struct.pack_into('<I', dos, 0x3C, new_header_at)
    return bytes(dos)


def pe(tree, plus=False, machine=None):
    """A PE32 (or PE32+) module whose only section holds `tree`."""
    section = resource_section(tree) if tree is not None else None
    return pe_image(section, plus, machine)


def pe_image(section, plus=False, machine=None, empty_sections=0):
    """A module whose last section, at SECTION_RVA, holds `section` as its
    resource directory; `empty_sections` sections without bytes come first."""
    has_resources = section is not None
    section = section or b''
    optional_size = 240 if plus else 224
    section_count = empty_sections + 1
    headers_end = 0x40 + 4 + 20 + optional_size + 40 * section_count
    raw_at = (headers_end + FILE_ALIGNMENT - 1) // FILE_ALIGNMENT * FILE_ALIGNMENT
    raw_size = (len(section) + FILE_ALIGNMENT - 1) // FILE_ALIGNMENT * FILE_ALIGNMENT

    machine = machine if machine is not None else (0x8664 if plus else 0x14C)
    file_header = struct.pack('<HHIIIHH', machine, section_count & 0xFFFF, 0, 0, 0,
                              optional_size, 0x2102)
    optional = bytearray(optional_size)
    struct.pack_into('<H', optional, 0, 0x20B if plus else 0x10B)
    struct.pack_into('<II', optional, 32, 0x1000, FILE_ALIGNMENT)  # alignments
    struct.pack_into('<I', optional, 56, SECTION_RVA + max(raw_size, 0x1000))  # SizeOfImage
    struct.pack_into('<I', optional, 60, raw_at)  # SizeOfHeaders
    directories = 112 if plus else 96
    struct.pack_into('<I', optional, directories - 4, 16)
    if has_resources:
        struct.pack_into('<II', optional, directories + 2 * 8, SECTION_RVA, len(section))
    # Empty sections lie above the resource section in memory, so every
    # lookup of a resource address passes them all first.
    empty = b''.join(struct.pack('<8sIIIIIIHHI', b'.empty', 0x1000, 0x10000000 + 0x1000 * i,
                                 0, 0, 0, 0, 0, 0, 0x40000040) for i in range(empty_sections))
    section_header = struct.pack('<8sIIIIIIHHI', b'.rsrc', len(section), SECTION_RVA, raw_size,
                                 raw_at, 0, 0, 0, 0, 0x40000040)
    head = mz_stub() + b'PE\0\0' + file_header + bytes(optional) + empty + section_header
    head += bytes(raw_at - len(head))
    return head + section + bytes(raw_size - len(section))


# NE modules.

def ne_header(resource_table, resident_names):
    """An NE header with the offsets, from itself, of its resource table and
    resident names table; every other field zero."""
    header = bytearray(0x40)
    header[0:2] = b'NE'
    struct.pack_into('<HH', header, 0x24, resource_table, resident_names)
    return bytes(header)


def ne(tree, shift=4):
    """A 16-bit NE module with the numbered types of `tree` ({type: {name:
    bytes}}, names int or str), each type one record, data aligned to
    1 << shift bytes."""
    header_at = 0x40
    table_at = header_at + 0x40
    texts = bytearray()
    records = bytearray(struct.pack('<H', shift))
    text_fixups = []  # (position in records, text)
    data_fixups = []  # (position in records, bytes)
    for type_id, resources in tree.items():
        records += struct.pack('<HHI', type_id | 0x8000, len(resources), 0)
        for name, blob in resources.items():
            at = len(records)
            records += struct.pack('<HHHHHH', 0, 0, 0x0C50, 0, 0, 0)
            if isinstance(name, int):
                struct.pack_into('<H', records, at + 6, name | 0x8000)
            else:
                text_fixups.append((at + 6, name))
            data_fixups.append((at, blob))
    records += b'\0\0'
    for at, text in text_fixups:
        struct.pack_into('<H', records, at, len(records) + len(texts))
        encoded = text.encode('ascii')
        texts += bytes([len(encoded)]) + encoded
    texts += b'\0'
    table = records + texts

    unit = 1 << shift
    body_at = (table_at + len(table) + unit - 1) // unit * unit
    body = bytearray()
    for at, blob in data_fixups:
        offset = body_at + len(body)
        units = (len(blob) + unit - 1) // unit
        struct.pack_into('<HH', table, at, offset >> shift, units)
        body += blob + b'\xcc' * (units * unit - len(blob))

    header = ne_header(table_at - header_at, table_at - header_at + len(table))
    head = mz_stub(header_at) + header + bytes(table)
    return head + bytes(body_at - len(head)) + bytes(body)
