"""Writes ZIP again from the folder FOLDER it was made of, the same in any build of one source:
the files in sorted order under the folder's name, each dated EPOCH (UTC), with its mode and
nothing of its owner. Usage: sorted_zip.py ZIP FOLDER EPOCH"""
import os
import sys
import time
import zipfile

path, folder, epoch = sys.argv[1], sys.argv[2], int(sys.argv[3])
date = time.gmtime(max(epoch, 315532800))[:6]  # a zip dates nothing before 1980
top = os.path.dirname(folder)
files = sorted(os.path.relpath(os.path.join(parent, name), top)
               for parent, _, names in os.walk(folder) for name in names)
with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
    for name in files:
        entry = zipfile.ZipInfo(name, date)
        entry.external_attr = (os.stat(os.path.join(top, name)).st_mode & 0xFFFF) << 16
        with open(os.path.join(top, name), "rb") as data:
            archive.writestr(entry, data.read(), zipfile.ZIP_DEFLATED)
