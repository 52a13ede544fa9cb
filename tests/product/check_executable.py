#!/usr/bin/env python3
# Checks the built executable where the tools could quietly make it differ from what the
# program promises: a Windows GUI program of its processor, small, importing only the five
# system libraries, with the resources it loads by number (kinds, ids, languages), classic
# dialog templates, an extended menu, the version keys in their order and a manifest that
# names its own processor.
import re
import struct
import subprocess
import sys


def resources(data):
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    count, optional_size = struct.unpack_from('<H12xH', data, pe + 6)
    for i in range(count):
        name, _, rva, _, raw = struct.unpack_from('<8sIIII', data, pe + 24 + optional_size + 40 * i)
        if name.rstrip(b'\0') == b'.rsrc':
            break

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
    machine, magic = struct.unpack_from('<H18xH', data, pe + 4)
    subsystem = struct.unpack_from('<H', data, pe + 24 + 68)[0]
    found = resources(data)
    version_keys = ['FileDescription', 'LegalCopyright', 'FileVersion', 'ProductVersion', 'OriginalFilename']
    checks = {
        'machine, magic, subsystem': ((machine, magic, subsystem),
                                      (0x14C, 0x10B, 2) if processor == 'X86' else (0x8664, 0x20B, 2)),
        f'at most {max_bytes} bytes': (len(data) <= int(max_bytes), True),
        'imports': (sorted(name.lower() for name in re.findall(r'DLL Name: (\S+)', subprocess.run(
                        [objdump, '-p', exe], capture_output=True, text=True, env={'LC_ALL': 'C'}).stdout)),
                    ['comctl32.dll', 'gdi32.dll', 'kernel32.dll', 'shell32.dll', 'user32.dll']),
        'resources': (sorted(found), sorted([(2, 115, 0), (2, 125, 0), (3, 1, 0), (14, 111, 0), (16, 1, 0),
                                             (24, 1, 0), (4, 801, 0x400), (5, 101, 0x400), (5, 105, 0x400)])),
        'classic dialogs': ([found[(5, d, 0x400)][2:4] != b'\xff\xff' for d in (101, 105)], [True, True]),
        'extended menu': (struct.unpack_from('<HH', found[(4, 801, 0x400)]), (1, 4)),
        'version keys': ([word for word in re.findall(r'(\w+)\0', found[(16, 1, 0)].decode('utf-16-le'))
                          if word in version_keys], version_keys),
        'manifest processors': (re.findall(rb'processorArchitecture="(\w+)"', found[(24, 1, 0)]),
                                [processor.encode()] * 2),
    }
    problems = [f'{what}: {actual!r}, wanted {wanted!r}' for what, (actual, wanted) in checks.items() if actual != wanted]
    for problem in problems:
        print('FAIL:', problem)
    print(f'{exe}: {len(data)} bytes, {len(found)} resources, {len(problems)} problems')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(*sys.argv[1:5]))
