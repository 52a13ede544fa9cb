#!/usr/bin/python3
# Checks the built executable where the tools could quietly make it differ from what the
# program promises: a Windows GUI program of its processor, small, importing only the five
# system libraries, with the resources it loads by number (kinds, ids, languages), classic
# dialog templates, an extended menu, the fixed version, the version keys and values in their order
# and its translation, and a manifest that asks for the version-6 controls of its own processor.
# Debian's python3-pefile reads the file; hence the system's own Python.
import re
import sys

import pefile


def main(exe, processor, max_bytes):
    pe = pefile.PE(exe)
    found = {(kind.id, name.id, language.id): pe.get_data(language.data.struct.OffsetToData, language.data.struct.Size)
             for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries
             for name in kind.directory.entries
             for language in name.directory.entries}
    manifest = found.get((pefile.RESOURCE_TYPE['RT_MANIFEST'], 1, 0), b'')
    strings = [[(key.decode(), value.decode()) for key, value in table.entries.items()]
               for info in pe.FileInfo[0] if info.Key == b'StringFileInfo' for table in info.StringTable]
    translations = [var.entry for info in pe.FileInfo[0] if info.Key == b'VarFileInfo' for var in info.Var]
    fixed = pe.VS_FIXEDFILEINFO[0]
    dotted = lambda high, low: f'{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}'
    checks = {
        'machine, magic, subsystem': ((pe.FILE_HEADER.Machine, pe.OPTIONAL_HEADER.Magic, pe.OPTIONAL_HEADER.Subsystem),
                                      (0x14C, 0x10B, 2) if processor == 'X86' else (0x8664, 0x20B, 2)),
        f'at most {max_bytes} bytes': (len(pe.__data__) <= int(max_bytes), True),
        'imports': (sorted(entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT),
                    ['comctl32.dll', 'gdi32.dll', 'kernel32.dll', 'shell32.dll', 'user32.dll']),
        'resources': (sorted(found), sorted([(2, 115, 0), (2, 125, 0), (3, 1, 0), (14, 111, 0), (16, 1, 0), (24, 1, 0),
                                             (4, 801, 0x400), (5, 101, 0x400), (5, 105, 0x400)])),
        'classic dialogs': ([found[(5, d, 0x400)][2:4] != b'\xff\xff' for d in (101, 105)], [True, True]),
        'extended menu': (found[(4, 801, 0x400)][:4], b'\x01\x00\x04\x00'),
        'version keys': (strings, [[('FileDescription', 'Brelmo Tallyra'), ('LegalCopyright', '© 2005 Игорь Вестрин'),
                                    ('FileVersion', '2.0'), ('ProductVersion', '1.03'),
                                    ('OriginalFilename', 'tallyra.exe')]]),
        'version translation: US English, code page 0': (translations, [{b'Translation': '0x0409 0x0000'}]),
        'file and product version, OS (Win32), type (application), flags, subtype, date': (
            (dotted(fixed.FileVersionMS, fixed.FileVersionLS), dotted(fixed.ProductVersionMS, fixed.ProductVersionLS),
             fixed.FileOS, fixed.FileType, fixed.FileFlags, fixed.FileSubtype, fixed.FileDateMS, fixed.FileDateLS),
            ('2.0.0.0', '1.3.0.0', 4, 1, 0, 0, 0, 0)),
        'manifest': (re.findall(rb'processorArchitecture="(\w+)"', manifest) + re.findall(rb'Controls"\s+version="([\d.]+)"', manifest),
                     [processor.encode()] * 2 + [b'6.0.0.0']),
        'manifest elements, nothing else': (re.findall(rb'<(\w+)', manifest), [b'assembly', b'assemblyIdentity', b'description',
                                            b'dependency', b'dependentAssembly', b'assemblyIdentity']),
    }
    problems = [f'{what}: {actual!r}, wanted {wanted!r}' for what, (actual, wanted) in checks.items() if actual != wanted]
    print(*('FAIL: ' + problem for problem in problems), f'{exe}: {len(pe.__data__)} bytes, {len(found)} resources, {len(problems)} problems', sep='\n')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(*sys.argv[1:4]))
