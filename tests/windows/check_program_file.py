"""Reads the version record and the icon back from the Windows program file, as Windows would
find them in its resources, and checks them against what the program file must carry.

Usage: check_program_file.py PROGRAM.exe ICON.ico    (the ICO that the build derived)
"""
import struct
import sys

import pefile

ITALIAN = 0x0410
UNICODE = 1200


def fail(message):
    sys.exit(f"check_program_file: {message}")


def resources(pe, type_id):
    """The (name, language, data) of every resource of one type."""
    found = []
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id != type_id:
            continue
        for name in kind.directory.entries:
            for language in name.directory.entries:
                entry = language.data.struct
                data = pe.get_data(entry.OffsetToData, entry.Size)
                found.append((name.id, language.id, data))
    return found


def check_version(pe):
    fixed = pe.VS_FIXEDFILEINFO[0]
    for field, expected in (("FileVersionMS", 0x00010000), ("FileVersionLS", 0),
                            ("ProductVersionMS", 0x00010000), ("ProductVersionLS", 0)):
        if getattr(fixed, field) != expected:
            fail(f"{field} is {getattr(fixed, field):#x}, not {expected:#x}")

    translations = [[int(word, 16) for word in var.entry[b"Translation"].split()]
                    for info in pe.FileInfo[0] if info.Key == b"VarFileInfo" for var in info.Var]
    if translations != [[ITALIAN, UNICODE]]:
        fail(f"the translations are {translations}, not Italian in code page {UNICODE}")

    tables = [table for info in pe.FileInfo[0] if info.Key == b"StringFileInfo"
              for table in info.StringTable]
    if [table.LangID.upper() for table in tables] != [f"{ITALIAN:04X}{UNICODE:04X}".encode()]:
        fail(f"the string tables are {[table.LangID for table in tables]}")
    strings = tables[0].entries
    for key, value in (("FileVersion", "1.00"), ("ProductVersion", "1.00"),
                       ("ProductName", "ventrimo"), ("InternalName", "ventrimo"),
                       ("OriginalFilename", "ventrimo.exe")):
        if strings.get(key.encode()) != value.encode():
            fail(f"{key} is {strings.get(key.encode())}, not {value!r}")
    languages = {language.id for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries
                 for name in kind.directory.entries for language in name.directory.entries}
    if languages != {ITALIAN}:
        fail(f"the resources' languages are {sorted(map(hex, languages))}, not only Italian")


def check_icon(pe, ico_path):
    """The program's icon is the ICO that the build derived from the XPM, image for image, and
    holds the 32 x 32 image in 16 colours."""
    groups = resources(pe, pefile.RESOURCE_TYPE["RT_GROUP_ICON"])
    if len(groups) != 1:
        fail(f"{len(groups)} icon groups, not one")
    group = groups[0][2]
    images = {name: data for name, _, data in resources(pe, pefile.RESOURCE_TYPE["RT_ICON"])}
    with open(ico_path, "rb") as ico:
        derived = ico.read()

    # A group entry and an ICO entry share their first 12 bytes (size, colours, planes, bits,
    # length); then the group names an icon resource where the ICO gives a file offset.
    count = struct.unpack_from("<H", group, 4)[0]
    if count != struct.unpack_from("<H", derived, 4)[0]:
        fail(f"the icon group holds {count} images, {ico_path} others")
    found = False
    for index in range(count):
        entry = group[6 + 14 * index:6 + 14 * index + 14]
        ico_entry = derived[6 + 16 * index:6 + 16 * index + 16]
        width, height, colours, _, _, bits, length, icon_id = struct.unpack("<BBBBHHIH", entry)
        offset = struct.unpack_from("<I", ico_entry, 12)[0]
        if entry[:12] != ico_entry[:12] or images.get(icon_id) != derived[offset:offset + length]:
            fail(f"image {index} of the icon differs from that of {ico_path}")
        bitmap = struct.unpack_from("<IiiHH", images[icon_id])
        found = found or ((width, height, colours, bits) == (32, 32, 16, 4)
                          and bitmap == (40, 32, 64, 1, 4))
    if not found:
        fail("the icon has no 32 x 32 image in 16 colours, at 4 bits a pixel")


def main():
    if len(sys.argv) != 3:
        fail("usage: check_program_file.py PROGRAM.exe ICON.ico")
    pe = pefile.PE(sys.argv[1])
    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE") or not hasattr(pe, "VS_FIXEDFILEINFO"):
        fail(f"{sys.argv[1]} has no version record")
    check_version(pe)
    check_icon(pe, sys.argv[2])
    print(f"{sys.argv[1]}: version record and icon as expected")


if __name__ == "__main__":
    main()
