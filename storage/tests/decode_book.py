"""Independent reader of a book file: olefile for the compound file, struct for the records.
Runs the writer (argv[1]) to make a book (argv[2]) and compares its reading with ours."""
import struct
import subprocess
import sys

import olefile


def text(buf, off, n):
    ln = min(buf[off], n)
    return buf[off + 1:off + 1 + ln].decode("cp1252")


def records(ole, name, size, count, first_fmt="<i"):
    data = ole.openstream(name).read()
    out = []
    for pos in range(0, len(data) - size + 1, size):
        if len(out) == count:
            break
        rec = data[pos:pos + size]
        if struct.unpack_from(first_fmt, rec, 0)[0] == -1:
            continue
        out.append(rec)
    return out


def main():
    writer, book = sys.argv[1], sys.argv[2]
    ours = subprocess.run([writer, book], check=True, capture_output=True).stdout.decode("utf-8").splitlines()
    ole = olefile.OleFileIO(book)
    names = {"/".join(e) for e in ole.listdir()}
    expected = {"Transactions", "MainActs", "SubActs", "Groups", "Categories", "Books", "QB2FileInfo",
                "FileSettings", "Comments"}
    assert expected <= names, names
    counts = struct.unpack("<6i", ole.openstream("QB2FileInfo").read()[:24])
    lines = []
    for r in records(ole, "Transactions", 320, counts[0]):
        no, date = struct.unpack_from("<id", r, 0)
        main, sub, group, bookno, kind = struct.unpack_from("<iihhB", r, 36)
        amount, = struct.unpack_from("<q", r, 52)
        lines.append("T %d %.1f %s|%d %d %d %d %d %d %s|%d %s" % (
            no, date, text(r, 12, 20), main, sub, group, bookno, kind, amount, text(r, 60, 255), r[316],
            chr(r[317])))
    for r in records(ole, "MainActs", 52, counts[1]):
        lines.append("M %d %s|%d %d" % (struct.unpack_from("<i", r, 0)[0], text(r, 4, 40), r[45],
                                        struct.unpack_from("<i", r, 48)[0]))
    for r in records(ole, "SubActs", 504, counts[2]):
        lines.append("S %d %d %s|%s|%s|%s|%s|%s" % (struct.unpack_from("<i", r, 48)[0], struct.unpack_from("<i", r, 0)[0],
                                                  text(r, 4, 40), text(r, 52, 50), text(r, 103, 35), text(r, 139, 6),
                                                  text(r, 146, 3), text(r, 248, 255)))
    for r in records(ole, "Groups", 304, counts[3]):
        lines.append("G %d %s|%s" % (struct.unpack_from("<i", r, 0)[0], text(r, 4, 40), text(r, 45, 255)))
    for r in records(ole, "Categories", 48, counts[4], "<h"):
        cid, cls = struct.unpack_from("<hh", r, 0)
        lines.append("C %d %d %s|%d %d" % (cid, cls, text(r, 4, 40), r[45], r[46]))
    for r in records(ole, "Books", 116, counts[5]):
        no, = struct.unpack_from("<i", r, 0)
        ob, colour = struct.unpack_from("<ii", r, 108)
        lines.append("B %d %s|%d %d" % (no, text(r, 4, 100), ob, colour))
    comment = ole.openstream("Comments").read()
    assert comment.endswith(b"\0") and comment.count(b"\0") == 1, comment
    lines.append("comment " + comment[:-1].decode("cp1252"))
    # The writer left a deleted slot in "Transactions" and cut a 45-character name to 40.
    raw = ole.openstream("Transactions").read()
    assert len(raw) == 320 * (counts[0] + 1), (len(raw), counts)
    assert any(struct.unpack_from("<i", raw, p)[0] == -1 for p in range(0, len(raw), 320))
    assert "M 100 " + "N" * 40 + "|1 0" in lines, lines
    if lines != ours:
        for a, b in zip(lines, ours):
            if a != b:
                print("independent:", a, "\nours:       ", b)
        print(len(lines), len(ours))
        sys.exit(1)
    print("%d records agree" % len(lines))


main()
