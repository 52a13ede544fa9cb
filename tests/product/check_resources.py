#!/usr/bin/env python3
"""Reads the resources back out of the built executable and checks what the resource
compiler made of them: kinds, ids, languages, template formats, version strings, manifest."""
import struct
import sys
import xml.etree.ElementTree as ET


def resources(exe):
    data = open(exe, 'rb').read()
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    sections, optional_size = struct.unpack_from('<H12xH', data, pe + 6)
    table = pe + 24 + optional_size
    for i in range(sections):
        name, _, rva, _, raw = struct.unpack_from('<8sIIII', data, table + 40 * i)
        if name.rstrip(b'\0') == b'.rsrc':
            break
    else:
        sys.exit('no resource section')

    def entries(offset):
        named, ids = struct.unpack_from('<12xHH', data, raw + offset)
        for j in range(named + ids):
            key, target = struct.unpack_from('<II', data, raw + offset + 16 + 8 * j)
            yield key, target

    found = {}
    for kind, names in entries(0):
        for ident, langs in entries(names & 0x7FFFFFFF):
            for lang, leaf in entries(langs & 0x7FFFFFFF):
                data_rva, size = struct.unpack_from('<II', data, raw + leaf)
                found[(kind, ident, lang)] = data[raw + data_rva - rva:][:size]
    return found


def utf16z(blob, offset):
    end = offset
    while blob[end:end + 2] != b'\0\0':
        end += 2
    return blob[offset:end].decode('utf-16-le'), end + 2


def version_strings(blob):
    # Walk the string table "040904E4": each entry is length, value length, type, key, value.
    start = blob.find('040904E4'.encode('utf-16-le'))
    table_end = start - 6 + struct.unpack_from('<H', blob, start - 6)[0]
    offset = (start + 18 + 3) & ~3
    keys = []
    while offset < table_end:
        length = struct.unpack_from('<H', blob, offset)[0]
        key, value_at = utf16z(blob, offset + 6)
        value, _ = utf16z(blob, (value_at + 3) & ~3)
        keys.append((key, value))
        offset = (offset + length + 3) & ~3
    return keys


def main(exe, processor):
    found = resources(exe)
    problems = []

    def expect(what, actual, wanted):
        if actual != wanted:
            problems.append(f'{what}: {actual!r}, wanted {wanted!r}')

    expect('resources', sorted(found), sorted([
        (2, 115, 0), (2, 125, 0), (3, 1, 0), (14, 111, 0), (16, 1, 0), (24, 1, 0),
        (4, 801, 0x400), (5, 101, 0x400), (5, 105, 0x400)]))
    for dialog, controls, place in ((101, 11, (128, 128, 263, 85)), (105, 26, (30, -40, 200, 200))):
        style, exstyle, count, *rect = struct.unpack_from('<IIHhhhh', found[(5, dialog, 0x400)])
        expect(f'dialog {dialog} is classic, with its style', style, 0x80C80040)
        expect(f'dialog {dialog} extended style', exstyle, 0x80 if dialog == 105 else 0)
        expect(f'dialog {dialog} controls', count, controls)
        expect(f'dialog {dialog} place', tuple(rect), place)
    expect('menu template version and offset', struct.unpack_from('<HH', found[(4, 801, 0x400)]), (1, 4))

    background = struct.unpack_from('<IiiHHIIiiI', found[(2, 115, 0)])
    expect('background bitmap', (background[1], background[2], background[4], background[9]), (128, 128, 4, 8))
    strip = struct.unpack_from('<IiiHH', found[(2, 125, 0)])
    expect('strip bitmap', strip[1:3] + strip[4:], (128, 14, 8))
    icon = struct.unpack_from('<IiiHH', found[(3, 1, 0)])
    expect('icon image', (icon[1], icon[2] // 2, icon[4]), (32, 32, 24))
    expect('icon group entries', struct.unpack_from('<HHH', found[(14, 111, 0)])[2], 1)

    version = found[(16, 1, 0)]
    fixed = struct.unpack_from('<13I', version, version.find(struct.pack('<I', 0xFEEF04BD)))
    expect('file and product versions', fixed[2:6], (0x20000, 0, 0x10003, 0))
    expect('file flags, OS, type, subtype, date', fixed[7:13], (0, 4, 1, 0, 0, 0))
    expect('version strings', [key for key, _ in version_strings(version)],
           ['FileDescription', 'LegalCopyright', 'FileVersion', 'ProductVersion', 'OriginalFilename'])
    expect('version values', [value for key, value in version_strings(version) if key != 'LegalCopyright'],
           ['Brelmo Tallyra', '2.0', '1.03', 'tallyra.exe'])
    translation = version.find('Translation'.encode('utf-16-le'))
    expect('translation', struct.unpack_from('<HH', version, (translation + 24 + 3) & ~3), (0x0409, 0))

    ns = '{urn:schemas-microsoft-com:asm.v1}'
    manifest = ET.fromstring(found[(24, 1, 0)])
    expect('manifest elements', [element.tag.replace(ns, '') for element in manifest.iter()],
           ['assembly', 'assemblyIdentity', 'description', 'dependency', 'dependentAssembly', 'assemblyIdentity'])
    identities = [element.attrib for element in manifest.iter(ns + 'assemblyIdentity')]
    expect('assembly', identities[0], {'name': 'Tallyra', 'version': '1.0.0.0', 'type': 'win32',
                                       'processorArchitecture': processor})
    expect('description', manifest.find(ns + 'description').text, 'Brelmo Tallyra')
    expect('dependency', identities[1], {
        'name': 'Microsoft.Windows.Common-Controls', 'version': '6.0.0.0', 'type': 'win32',
        'processorArchitecture': processor, 'publicKeyToken': '6595b64144ccf1df', 'language': '*'})

    for problem in problems:
        print('FAIL:', problem)
    print(f'{exe}: {len(found)} resources, {len(problems)} problems')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2]))
