#!/usr/bin/python3
"""Checks the Windows builds of the plug-in: for each DLL, the machine type,
an export table holding PluginMain alone, imports from system DLLs only, and
a resource tree holding every resource of the Linux build's .res file with
the same bytes and nothing else.

    check_dlls.py LINUX.res i386:DLL amd64:DLL

Exit 77 (skipped) when python3-pefile or a DLL is missing, with the reason.
"""
import struct
import sys
from pathlib import Path

SKIP = 77
MACHINES = {"i386": 0x14C, "amd64": 0x8664}
# What every Windows has; the C++ runtime, libgcc and winpthread are linked in.
SYSTEM_DLLS = {"kernel32.dll", "msvcrt.dll", "user32.dll", "advapi32.dll", "ntdll.dll"}
RT_CURSOR, RT_ICON, RT_DIALOG, RT_STRING, RT_GROUP_CURSOR, RT_GROUP_ICON = 1, 3, 5, 6, 12, 14
ENGLISH_US = 1033
# The resources the plug-in reads through its host: (type, name).
EXPECTED = [
    ("PIPL", 16000),
    (RT_DIALOG, 16050),
    (RT_DIALOG, 16051),
    (RT_DIALOG, 16100),
    (RT_GROUP_ICON, 16051),
    (RT_GROUP_CURSOR, 16000),
]
STRING_LISTS = [16000, 16050]  # the first string of each list


def read_name(data, offset):
    """A .res type or name: 0xFFFF and an ordinal, or zero-terminated UTF-16."""
    (first,) = struct.unpack_from("<H", data, offset)
    if first == 0xFFFF:
        return struct.unpack_from("<H", data, offset + 2)[0], offset + 4
    end = offset
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[offset:end].decode("utf-16-le").upper(), end + 2


def read_res(path):
    """{(type, name, language): bytes} of a .res file, without its empty first entry."""
    data = Path(path).read_bytes()
    resources, offset = {}, 0
    while offset < len(data):
        size, header = struct.unpack_from("<II", data, offset)
        rtype, at = read_name(data, offset + 8)
        name, at = read_name(data, at)
        at = (at + 3) & ~3
        language = struct.unpack_from("<IHH", data, at)[2]
        start = offset + header
        if size or rtype != 0:
            resources[(rtype, name, language)] = data[start : start + size]
        offset = (start + size + 3) & ~3
    return resources


def pe_resources(pe):
    """{(type, name, language): bytes} of a PE file's resource tree."""
    def key(entry):
        return str(entry.name).upper() if entry.name is not None else entry.id

    resources = {}
    for rtype in getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None).entries:
        for name in rtype.directory.entries:
            for language in name.directory.entries:
                entry = language.data.struct
                resources[(key(rtype), key(name), language.id)] = pe.get_data(entry.OffsetToData, entry.Size)
    return resources


def strings_of_block(data, block):
    strings, offset = {}, 0
    for index in range(16):
        (length,) = struct.unpack_from("<H", data, offset)
        offset += 2
        if length:
            strings[(block - 1) * 16 + index] = data[offset : offset + 2 * length].decode("utf-16-le")
        offset += 2 * length
    return strings


def check(dll, machine, linux_res):
    import pefile

    faults = []
    pe = pefile.PE(str(dll))
    if pe.FILE_HEADER.Machine != MACHINES[machine]:
        faults.append(f"machine type {pe.FILE_HEADER.Machine:#x}, expected {machine}")
    if not pe.is_dll():
        faults.append("not a DLL")

    exports = [(s.name.decode() if s.name else f"#{s.ordinal}") for s in pe.DIRECTORY_ENTRY_EXPORT.symbols] \
        if hasattr(pe, "DIRECTORY_ENTRY_EXPORT") else []
    if exports != ["PluginMain"]:
        faults.append(f"exports {exports}, expected PluginMain alone")

    imports = sorted(i.dll.decode().lower() for i in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []))
    foreign = [name for name in imports if name not in SYSTEM_DLLS]
    if foreign:
        faults.append(f"imports DLLs that are not part of Windows: {foreign}")

    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        return faults + ["no resources"]
    ours = pe_resources(pe)
    for key, data in linux_res.items():
        if key not in ours:
            faults.append(f"resource {key} of the Linux build is missing")
        elif ours[key] != data:
            faults.append(f"resource {key} differs from the Linux build's ({len(ours[key])} bytes, not {len(data)})")
    faults += [f"resource {key} is not in the Linux build" for key in ours if key not in linux_res]

    for rtype, name in EXPECTED:
        if (rtype, name, ENGLISH_US) not in ours:
            faults.append(f"resource {rtype} {name} (English) is missing")
    for first in STRING_LISTS:
        block = first // 16 + 1
        data = ours.get((RT_STRING, block, ENGLISH_US))
        if data is None or first not in strings_of_block(data, block):
            faults.append(f"string list {first} is missing")
    pipl = ours.get(("PIPL", 16000, ENGLISH_US), b"")
    if len(pipl) != 79:
        faults.append(f"the PIPL has {len(pipl)} bytes, expected 79")
    return faults


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        import pefile  # noqa: F401
    except ImportError:
        print("SKIPPED: python3-pefile is not installed (./scripts/install-deps.sh installs it)")
        return SKIP
    linux_res = read_res(argv[1])
    failed = False
    for named in argv[2:]:
        machine, dll = named.split(":", 1)
        if not Path(dll).is_file():
            print(f"SKIPPED: {dll} is missing; ./scripts/build-windows.sh makes it")
            return SKIP
        faults = check(Path(dll), machine, linux_res)
        for fault in faults:
            print(f"{dll}: {fault}")
        if not faults:
            print(f"{dll}: {machine}, exports PluginMain alone, system DLLs only, "
                  f"{len(linux_res)} resources as in the Linux build")
        failed |= bool(faults)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
