"""qbtool end to end. Books are changed behind qbtool's back with olefile (same-size stream writes)."""
import fcntl
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile

import olefile

QBTOOL = sys.argv[1]
failures = []


def run(*args):
    p = subprocess.run([QBTOOL, *args], capture_output=True)
    return p.returncode, p.stdout.decode("utf-8"), p.stderr.decode("utf-8")


def expect(cond, what):
    if not cond:
        failures.append(what)
        print("FAIL:", what)


def patch(path, stream, offset, data):
    ole = olefile.OleFileIO(path, write_mode=True)
    raw = bytearray(ole.openstream(stream).read())
    raw[offset:offset + len(data)] = data
    ole.write_stream(stream, bytes(raw))
    ole.close()


tmp = tempfile.mkdtemp()
try:
    a, b, c = (os.path.join(tmp, n) for n in ("a.qbk", "b.qbk", "c.qbk"))
    for path, seed in ((a, "7"), (b, "7"), (c, "8")):
        rc, out, err = run("example", path, "--transactions", "1500", "--books", "4", "--seed", seed)
        expect(rc == 0 and out == "" and err == "", "example %s: %d %r" % (path, rc, err))
    dumps = [run("dump", p) for p in (a, b, c)]
    expect(all(d[0] == 0 for d in dumps), "dump exit codes")
    expect(dumps[0][1] == dumps[1][1], "same seed gives the same book")
    expect(dumps[0][1] != dumps[2][1], "another seed gives another book")
    d = json.loads(dumps[0][1])

    # Keys, exactly.
    expect(list(d) == ["counts", "comment", "settings", "books", "categories", "main_accounts", "sub_accounts",
                       "groups", "transactions"], "top-level keys %s" % list(d))
    expect(list(d["settings"]) == ["password_set", "file_opening", "deleting", "adding", "editing", "reports",
                                   "printing", "worksheet"], "settings keys")
    expect(list(d["books"][0]) == ["no", "name", "colour", "open_bal_no", "income_total", "expense_total"], "book keys")
    expect(list(d["categories"][0]) == ["id", "name", "kind", "report_class", "is_default", "total"], "category keys")
    expect(list(d["main_accounts"][0]) == ["no", "name", "kind", "cat_id", "total"], "main keys")
    expect(list(d["sub_accounts"][0]) == ["main_no", "no", "name", "kind", "total", "address", "suburb", "post_code",
                                          "state", "contact", "phone", "fax", "mobile", "notes"], "sub keys")
    expect(list(d["groups"][0]) == ["no", "name", "income_total", "expense_total", "note"], "group keys")
    trans = d["transactions"]
    expect(list(trans[0]) == ["no", "split", "date", "kind", "reference", "main_no", "sub_no", "group_no", "book_no",
                              "amount", "balance", "enabled", "details"], "transaction keys")

    # A realistic book: every feature present, dates in master order, books and numbers consistent.
    expect(d["counts"]["transactions"] == len(trans) == 1500, "transaction count")
    kinds = {t["kind"] for t in trans}
    expect(kinds == {1, 2, 3, 4, 5}, "all kinds present: %s" % kinds)
    expect(any(t["split"] != "0" for t in trans), "splits present")
    expect(any(not t["enabled"] for t in trans), "disabled transactions present")
    expect([t["date"] for t in trans] == sorted(t["date"] for t in trans), "master order by date")
    expect(trans[0]["date"] < "2022" and trans[-1]["date"] > "2024", "several years")
    by_no = {}
    for t in trans:
        by_no.setdefault(t["no"], []).append(t)
    for t in trans:
        if t["kind"] in (4, 5):
            other = by_no[t["main_no"]][0]
            expect(other["kind"] == 9 - t["kind"] and other["main_no"] == t["no"] and other["amount"] == t["amount"],
                   "transfer %d pairs with %d" % (t["no"], t["main_no"]))
    ob = {t["book_no"]: t for t in trans if t["kind"] == 3}
    expect(all(ob[bk["no"]]["no"] == bk["open_bal_no"] for bk in d["books"]), "opening balances linked")
    expect(any(t["amount"] < 0 for t in trans if t["kind"] == 3), "a negative opening balance (credit card)")
    # Totals: a main account's total is the sum of its counted transactions.
    sales = sum(t["amount"] for t in trans if t["kind"] == 1 and t["main_no"] == 100)
    expect([m["total"] for m in d["main_accounts"] if m["no"] == 100] == [sales], "sales total")
    # The last transaction's running balance is the sum over all books (all shown, disabled included).
    signed = sum(t["amount"] if t["kind"] in (1, 3, 4) else -t["amount"] for t in trans)
    expect(trans[-1]["balance"] == signed, "final balance %d vs %d" % (trans[-1]["balance"], signed))
    rc, out, _ = run("dump", a, "--exclude-disabled")
    dx = json.loads(out)
    sales_enabled = sum(t["amount"] for t in trans if t["kind"] == 1 and t["main_no"] == 100 and t["enabled"])
    expect([m["total"] for m in dx["main_accounts"] if m["no"] == 100] == [sales_enabled], "--exclude-disabled")

    rc, out, err = run("info", a)
    expect(rc == 0 and "format: version 2" in out and "transactions: 1500" in out and "books: 4" in out
           and "password: none" in out and "dates: 2021-07-01 to " in out, "info: %s" % out)
    rc, out, err = run("check", a)
    expect(rc == 0 and "sound" in out, "check of a sound book: %d %s %s" % (rc, out, err))

    # Password: the file-opening protection needs --password; wrong or missing prints nothing, exit 2.
    shutil.copy(a, c)
    patch(c, "FileSettings", 0, b"\x06secret\0\0\x01")
    for args, code in ((("dump", c), 2), (("dump", c, "--password", "Secret"), 2), (("info", c), 2),
                       (("dump", c, "--password", "secret"), 0)):
        rc, out, err = run(*args)
        expect(rc == code, "%s gave %d" % (args, rc))
        if code == 2:
            expect(out == "" and err.count("\n") == 1, "password refusal prints one error line only")
    rc, out, _ = run("dump", c, "--password", "secret")
    expect(json.loads(out)["settings"]["password_set"] is True, "password_set")

    # Problems: a dangling account number, a count beyond the stream.
    shutil.copy(a, c)
    raw = olefile.OleFileIO(c).openstream("Transactions").read()
    pos = next(p for p in range(0, len(raw), 320) if raw[p + 48] == 1)
    patch(c, "Transactions", pos + 36, struct.pack("<i", 99999))
    rc, out, err = run("check", c)
    expect(rc == 1 and "missing main account 99999" in out, "check finds a dangling number: %s" % out)
    rc, out, err = run("dump", c)
    expect(rc == 1 and out == "" and err.count("\n") == 1, "dump of a damaged book: %d %r" % (rc, err))
    shutil.copy(a, c)
    patch(c, "QB2FileInfo", 0, struct.pack("<i", 1600))
    rc, out, err = run("check", c)
    expect(rc == 1 and "ends before its count" in out, "check finds a short stream: %s" % out)

    # Errors: one line on stderr, non-zero exit, never a crash.
    with open(os.path.join(tmp, "text.qbk"), "w") as f:
        f.write("hello")
    for args in (("info", os.path.join(tmp, "missing.qbk")), ("check", os.path.join(tmp, "text.qbk")),
                 ("dump", os.path.join(tmp, "text.qbk")), ("dump", tmp)):
        rc, out, err = run(*args)
        expect(rc != 0 and rc < 128 and out == "" and err.count("\n") == 1, "error exit for %s: %d %r" % (args, rc, err))
    with open(a, "rb") as held:
        fcntl.flock(held, fcntl.LOCK_EX)
        rc, out, err = run("dump", a)
        expect(rc == 1 and "in use by another application" in err, "in use: %d %r" % (rc, err))
finally:
    shutil.rmtree(tmp)

print("ok" if not failures else "%d failures" % len(failures))
sys.exit(1 if failures else 0)
