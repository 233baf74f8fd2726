# Lists a compound file with python3-olefile and copies each stream's bytes into a folder, so the
# C++ test can compare them. Strict: any defect olefile notices is an error.
# Usage: olefile_dump.py FILE OUTDIR   -> lines "storage<TAB>path" / "stream<TAB>path<TAB>size<TAB>file"
import os
import sys

import olefile

ole = olefile.OleFileIO(sys.argv[1], raise_defects=olefile.DEFECT_INCORRECT)
for i, entry in enumerate(ole.listdir(streams=True, storages=True)):
    path = "/".join(entry)
    if ole.get_type(entry) == olefile.STGTY_STREAM:
        data = ole.openstream(entry).read()
        if len(data) != ole.get_size(entry):
            sys.exit("size mismatch in " + path)
        name = os.path.join(sys.argv[2], "s%d" % i)
        with open(name, "wb") as f:
            f.write(data)
        print("stream\t%s\t%d\t%s" % (path, len(data), name))
    else:
        print("storage\t%s" % path)
ole.close()
