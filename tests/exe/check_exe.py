#!/usr/bin/env python3
"""Checks the Windows program file itself: what a user's system sees before it
runs a single instruction of it.

Usage: check_exe.py <exe> <i386|amd64>

Prints one line per check and a closing "N passed, N failed" line; exits 1 if
any check failed.
"""
import struct
import sys

MACHINES = {"i386": 0x014C, "amd64": 0x8664}
SUBSYSTEM_WINDOWS_GUI = 2
DLL_HIGH_ENTROPY_VA = 0x0020
DLL_DYNAMIC_BASE = 0x0040
DLL_NX_COMPAT = 0x0100
SCN_MEM_EXECUTE = 0x20000000
SCN_MEM_WRITE = 0x80000000
DIR_IMPORT, DIR_RESOURCE = 1, 2
RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
# The system DLLs the program may use; msvcrt.dll ships with every Windows.
ALLOWED_IMPORTS = {"kernel32.dll", "user32.dll", "gdi32.dll", "ole32.dll", "msvcrt.dll"}
PRODUCT_NAME = "澜岫内存优化器"


class PeFile:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("no MZ header")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        (self.machine, section_count, _, _, _, optional_size,
         _) = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        self.magic = struct.unpack_from("<H", data, optional)[0]
        self.is_64 = self.magic == 0x20B
        self.subsystem, self.dll_characteristics = struct.unpack_from("<HH", data, optional + 68)
        directories = optional + (112 if self.is_64 else 96)
        count = struct.unpack_from("<I", data, directories - 4)[0]
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i)
                            for i in range(count)]
        self.sections = []
        for i in range(section_count):
            offset = optional + optional_size + 40 * i
            name = data[offset:offset + 8].rstrip(b"\0").decode("ascii", "replace")
            vsize, vaddr, raw_size, raw_ptr = struct.unpack_from("<IIII", data, offset + 8)
            flags = struct.unpack_from("<I", data, offset + 36)[0]
            self.sections.append((name, vaddr, max(vsize, raw_size), raw_ptr, flags))

    def offset(self, rva):
        for _, vaddr, size, raw_ptr, _ in self.sections:
            if vaddr <= rva < vaddr + size:
                return raw_ptr + rva - vaddr
        raise ValueError(f"RVA {rva:#x} lies in no section")

    def c_string(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imports(self):
        rva, size = self.directories[DIR_IMPORT]
        names = []
        entry = self.offset(rva) if size else None
        while entry is not None:
            lookup, _, _, name_rva, thunks = struct.unpack_from("<IIIII", self.data, entry)
            if not (lookup or name_rva or thunks):
                break
            names.append(self.c_string(name_rva))
            entry += 20
        return names

    def resources(self):
        """The resource tree as {type: {name or id: [data bytes per language]}}."""
        rva, size = self.directories[DIR_RESOURCE]
        if not size:
            return {}
        base = self.offset(rva)

        def entries(directory):
            named, numbered = struct.unpack_from("<HH", self.data, base + directory + 12)
            for i in range(named + numbered):
                key, target = struct.unpack_from("<II", self.data, base + directory + 16 + 8 * i)
                if key & 0x80000000:
                    at = base + (key & 0x7FFFFFFF)
                    length = struct.unpack_from("<H", self.data, at)[0]
                    key = self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
                yield key, target

        def leaf(target):
            data_rva, data_size = struct.unpack_from("<II", self.data, base + target)
            start = self.offset(data_rva)
            return self.data[start:start + data_size]

        tree = {}
        for rtype, names in entries(0):
            tree[rtype] = {name: [leaf(lang) for _, lang in entries(langs & 0x7FFFFFFF)]
                           for name, langs in entries(names & 0x7FFFFFFF)}
        return tree


def group_icon_problem(resources):
    """Why DEFAULT_ICON is not one 32x32 24-bit image, or None."""
    groups = resources.get(RT_GROUP_ICON, {})
    if "DEFAULT_ICON" not in groups:
        return f"no group icon DEFAULT_ICON (groups: {sorted(map(str, groups))})"
    group = groups["DEFAULT_ICON"][0]
    _, kind, count = struct.unpack_from("<HHH", group, 0)
    if kind != 1 or count != 1:
        return f"type {kind} with {count} images, expected one icon image"
    width, height, _, _, _, bits, _, icon_id = struct.unpack_from("<BBBBHHIH", group, 6)
    if (width, height, bits) != (32, 32, 24):
        return f"directory says {width}x{height} at {bits} bits"
    images = resources.get(RT_ICON, {})
    if icon_id not in images:
        return f"icon image {icon_id} missing"
    header_size, bmp_width, bmp_height, _, bmp_bits = struct.unpack_from(
        "<IiiHH", images[icon_id][0], 0)
    # The bitmap's height counts the colour image and the AND mask.
    if (header_size, bmp_width, bmp_height, bmp_bits) != (40, 32, 64, 24):
        return f"image is a {bmp_width}x{bmp_height // 2} {bmp_bits}-bit bitmap"
    return None


def check(path, machine):
    pe = PeFile(open(path, "rb").read())
    resources = pe.resources()
    imports = sorted(name.lower() for name in pe.imports())
    wanted_flags = DLL_DYNAMIC_BASE | DLL_NX_COMPAT | (DLL_HIGH_ENTROPY_VA if pe.is_64 else 0)
    writable_code = [name for name, _, _, _, flags in pe.sections
                     if flags & SCN_MEM_WRITE and flags & SCN_MEM_EXECUTE]
    versions = resources.get(RT_VERSION, {})
    version_text = b"".join(data for langs in versions.values() for data in langs)
    icon_problem = group_icon_problem(resources)
    return [
        (f"machine is {machine}", pe.machine == MACHINES[machine], f"{pe.machine:#06x}"),
        ("GUI subsystem", pe.subsystem == SUBSYSTEM_WINDOWS_GUI, f"subsystem {pe.subsystem}"),
        ("imports exactly the system DLLs", set(imports) == ALLOWED_IMPORTS, ", ".join(imports)),
        ("ASLR and DEP", pe.dll_characteristics & wanted_flags == wanted_flags,
         f"DllCharacteristics {pe.dll_characteristics:#06x}"),
        ("no section both writable and executable", not writable_code, ", ".join(writable_code)),
        ("DEFAULT_ICON is one 32x32 24-bit image", icon_problem is None, icon_problem),
        ("no manifest resource", RT_MANIFEST not in resources, "RT_MANIFEST present"),
        ("version resource names the program",
         PRODUCT_NAME.encode("utf-16-le") in version_text, "product name not found"),
    ]


def main():
    if len(sys.argv) != 3 or sys.argv[2] not in MACHINES:
        sys.exit(f"usage: {sys.argv[0]} <exe> <{'|'.join(MACHINES)}>")
    results = check(sys.argv[1], sys.argv[2])
    for name, ok, detail in results:
        print(f"{'ok  ' if ok else 'FAIL'} {name}" + ("" if ok else f": {detail}"))
    failed = sum(not ok for _, ok, _ in results)
    print(f"{len(results) - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
