#!/usr/bin/env python3
# Checks the built executable where the tools could quietly make it differ from what the
# program promises: a Windows GUI program of its processor, small, importing only the five
# system libraries, with the resources it loads by number (kinds, ids, languages), classic
# dialog templates, an extended menu, the version keys in their order and a manifest that
# asks for the version-6 controls of its own processor.
import re
import struct
import subprocess
import sys


def resources(data, pe):
    """{(type, id, language): bytes} of the resource directory."""
    count, optional_size = struct.unpack_from('<H12xH', data, pe + 6)
    sections = [struct.unpack_from('<8s4xI4xI', data, pe + 24 + optional_size + 40 * i) for i in range(count)]
    rva, raw = next((rva, raw) for name, rva, raw in sections if name.rstrip(b'\0') == b'.rsrc')

    def entries(offset):
        named, ids = struct.unpack_from('<12xHH', data, raw + offset)
        return [struct.unpack_from('<II', data, raw + offset + 16 + 8 * j) for j in range(named + ids)]

    found = {}
    for kind, names in entries(0):
        for ident, langs in entries(names & 0x7FFFFFFF):
            for lang, leaf in entries(langs & 0x7FFFFFFF):
                data_rva, size = struct.unpack_from('<II', data, raw + leaf)
                found[(kind, ident, lang)] = data[raw + data_rva - rva:][:size]
    return found


def main(objdump, exe, processor, max_bytes):
    data = open(exe, 'rb').read()
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    found = resources(data, pe)
    imports = re.findall(r'DLL Name: (\S+)', subprocess.run([objdump, '-p', exe], capture_output=True, text=True,
                                                             env={'LC_ALL': 'C'}).stdout)
    manifest = found[(24, 1, 0)]
    keys = ['FileDescription', 'LegalCopyright', 'FileVersion', 'ProductVersion', 'OriginalFilename']
    checks = {
        'machine, magic, subsystem': (struct.unpack_from('<H18xH', data, pe + 4) + struct.unpack_from('<H', data, pe + 92),
                                      (0x14C, 0x10B, 2) if processor == 'X86' else (0x8664, 0x20B, 2)),
        f'at most {max_bytes} bytes': (len(data) <= int(max_bytes), True),
        'imports': (sorted(name.lower() for name in imports), ['comctl32.dll', 'gdi32.dll', 'kernel32.dll', 'shell32.dll', 'user32.dll']),
        'resources': (sorted(found), sorted([(2, 115, 0), (2, 125, 0), (3, 1, 0), (14, 111, 0), (16, 1, 0), (24, 1, 0),
                                             (4, 801, 0x400), (5, 101, 0x400), (5, 105, 0x400)])),
        'classic dialogs': ([found[(5, d, 0x400)][2:4] != b'\xff\xff' for d in (101, 105)], [True, True]),
        'extended menu': (struct.unpack_from('<HH', found[(4, 801, 0x400)]), (1, 4)),
        'version keys': ([w for w in re.findall(r'(\w+)\0', found[(16, 1, 0)].decode('utf-16-le')) if w in keys], keys),
        'manifest': (re.findall(rb'processorArchitecture="(\w+)"', manifest) + re.findall(rb'Controls"\s+version="([\d.]+)"', manifest),
                     [processor.encode()] * 2 + [b'6.0.0.0']),
    }
    problems = [f'{what}: {actual!r}, wanted {wanted!r}' for what, (actual, wanted) in checks.items() if actual != wanted]
    print(*('FAIL: ' + problem for problem in problems), sep='\n')
    print(f'{exe}: {len(data)} bytes, {len(found)} resources, {len(problems)} problems')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(*sys.argv[1:5]))
