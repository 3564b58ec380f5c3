"""Small builders of PE modules and ICO files for seeds and stress inputs.

Resource trees are given as {type: {name: {language: bytes}}}, where a name
is an int or a str; the tree is laid out in one section, named entries
first and then numbered ones in ascending order, as linkers store them.
"""

import struct
import zlib

SECTION_RVA = 0x1000
FILE_ALIGNMENT = 0x200


def dib(width, height, bit_count, fill=0x5A):
    """A BITMAPINFOHEADER icon image: XOR bitmap, AND mask, and a palette
    below 16 bits per pixel."""
    palette = 4 * (1 << bit_count) if bit_count <= 8 else 0
    xor_row = ((width * bit_count + 31) // 32) * 4
    and_row = ((width + 31) // 32) * 4
    header = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, bit_count, 0x11223344,
                         0, 0, 0, 0, 0)
    body = bytes([fill]) * (palette + xor_row * height) + bytes(and_row * height)
    return header + body


def png(width, height):
    """A complete RGBA PNG image of one colour."""
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b''.join(b'\0' + b'\x20\x40\x80\xff' * width for _ in range(height))
    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw)) + chunk(b'IEND', b''))


def ico(images, file_type=1, entries=None):
    """An ICO file of `images`; `entries` may give (size, offset) pairs that
    replace the computed ones."""
    count = len(images) if entries is None else len(entries)
    out = struct.pack('<HHH', 0, file_type, count)
    offset = 6 + 16 * count
    placed = []
    for image in images:
        placed.append((len(image), offset))
        offset += len(image)
    for size, at in (entries if entries is not None else placed):
        out += struct.pack('<BBBBHHII', 16, 16, 0, 0, 1, 32, size, at)
    return out + b''.join(images)


def group(icon_ids, sizes=None):
    """A GRPICONDIR listing the RT_ICON numbers `icon_ids`."""
    out = struct.pack('<HHH', 0, 1, len(icon_ids))
    for i, icon_id in enumerate(icon_ids):
        size = sizes[i] if sizes else 0
        out += struct.pack('<BBBBHHIH', 48, 48, 0, 0, 1, 32, size, icon_id)
    return out


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
    table_fixups = []  # (position of the target field, builder)

    # Tables are laid out breadth first: root, types, names, languages.
    def emit_table(children):
        at = len(tables)
        keys = _sorted_names(children.keys())
        named = sum(1 for k in keys if isinstance(k, str))
        tables.extend(struct.pack('<IIHHHH', 0, 0, 0, 0, named, len(keys) - named))
        slots = []
        for key in keys:
            slot = len(tables)
            tables.extend(struct.pack('<II', key if isinstance(key, int) else 0, 0))
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
                struct.pack_into('<I', tables, target_slot, at | 0x80000000)
            for slot, child in slots:
                if depth == 2:
                    data_entries.append((slot, child))
                else:
                    next_level.append((slot, child, depth + 1))
        pending = next_level

    entries_at = len(tables)
    entries = bytearray(16 * len(data_entries))
    strings_at = entries_at + len(entries)
    for slot, text in string_fixups:
        struct.pack_into('<I', tables, slot, (strings_at + len(strings)) | 0x80000000)
        encoded = text.encode('utf-16-le')
        strings.extend(struct.pack('<H', len(encoded) // 2) + encoded)
    while len(strings) % 4:
        strings.append(0)
    payload = bytearray()
    payload_at = strings_at + len(strings)
    for i, (slot, blob) in enumerate(data_entries):
        struct.pack_into('<I', tables, slot, entries_at + 16 * i)
        struct.pack_into('<IIII', entries, 16 * i, rva + payload_at + len(payload), len(blob), 0, 0)
        payload.extend(blob)
        while len(payload) % 4:
            payload.append(0)
    return bytes(tables + entries + strings + payload)


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

    dos = bytearray(0x40)
    dos[0:2] = b'MZ'
    struct.pack_into('<I', dos, 0x3C, 0x40)
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
    head = bytes(dos) + b'PE\0\0' + file_header + bytes(optional) + empty + section_header
    head += bytes(raw_at - len(head))
    return head + section + bytes(raw_size - len(section))


def ne(tree, shift=4, names_first=None):
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

    dos = bytearray(0x40)
    dos[0:2] = b'MZ'
    struct.pack_into('<I', dos, 0x3C, header_at)
    header = bytearray(0x40)
    header[0:2] = b'NE'
    struct.pack_into('<HH', header, 0x24, table_at - header_at, table_at - header_at + len(table))
    head = bytes(dos) + bytes(header) + bytes(table)
    return head + bytes(body_at - len(head)) + bytes(body)
