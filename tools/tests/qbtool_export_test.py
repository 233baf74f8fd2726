"""qbtool export end to end on an example book: the text read back with the csv module agrees
with the dump, the HTML parses, --sections narrows, and failures exit with their message."""
import csv
import html.parser
import json
import os
import shutil
import subprocess
import sys
import tempfile

QBTOOL = sys.argv[1]
ENV = dict(os.environ, LC_ALL="C")
failures = []


def run(*args):
    p = subprocess.run([QBTOOL, *args], capture_output=True, env=ENV)
    return p.returncode, p.stdout.decode("utf-8"), p.stderr.decode("utf-8")


def expect(cond, what):
    if not cond:
        failures.append(what)
        print("FAIL:", what)


def sections(path):
    with open(path, encoding="utf-8", newline="") as f:
        out, cur = [], []
        for row in csv.reader(f):
            if row:
                cur.append(row)
            elif cur:
                out.append(cur)
                cur = []
        if cur:
            out.append(cur)
        return out


def money(cents_times_100):
    v = cents_times_100 / 10000
    return ("-" if v < 0 else "") + "$%.2f" % abs(v)


class Tables(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.tables, self.stack = [], []

    def handle_starttag(self, tag, attrs):
        if tag == "meta":
            return
        self.stack.append(tag)
        if tag == "table":
            self.tables.append([])
        elif tag == "tr":
            self.tables[-1].append([])
        elif tag == "td":
            self.tables[-1][-1].append("")

    def handle_endtag(self, tag):
        expect(self.stack and self.stack[-1] == tag, "</%s> out of order" % tag)
        if self.stack:
            self.stack.pop()

    def handle_data(self, data):
        if self.stack and self.stack[-1] == "font":
            self.tables[-1][-1][-1] += data


tmp = tempfile.mkdtemp()
book, txt, htm = (os.path.join(tmp, n) for n in ("Shop.2024.qbk", "out.txt", "out.htm"))
rc, _, err = run("example", book, "--transactions", "3000", "--books", "3", "--seed", "5")
expect(rc == 0, "example: %s" % err)
rc, out, err = run("dump", book)
dump = json.loads(out)

rc, out, err = run("export", book, txt, "--format", "text")
expect((rc, out, err) == (0, "", ""), "export text: %d %r" % (rc, err))
s = sections(txt)
expect([sec[0][0] for sec in s] == ["Number", "Account Number", "Account Number", "Group Number", "Category Name"],
       "section headers %r" % [sec[0][:2] for sec in s])
for sec in s:
    expect(all(len(r) == len(sec[0]) for r in sec[1:]), "field counts under %s" % sec[0][:3])
expect(len(s[0]) - 1 == len(dump["transactions"]), "every transaction exported")
mains = {r[0]: r[4] for r in s[1][1:]}
for m in dump["main_accounts"]:
    if m["total"] > 0:
        expect(mains.get(str(m["no"])) == money(m["total"]), "main account %d total" % m["no"])
amounts = sorted(r[13] for r in s[0][1:])
expect(amounts == sorted(money(t["amount"]) for t in dump["transactions"]), "transaction amounts")
with open(txt, "rb") as f:
    raw = f.read()
expect(raw.count(b"\r\r\n") == 4 and raw.count(b"\n") == raw.count(b"\r\n"), "separator lines and CR LF")

rc, out, err = run("export", book, htm, "--format", "html")
expect((rc, out, err) == (0, "", ""), "export html: %d %r" % (rc, err))
t = Tables()
with open(htm, encoding="utf-8") as f:
    text = f.read()
t.feed(text)
expect("<title>Quimbel Books data - Shop</title>" in text, "title from the base name")
expect(len(t.tables) == 5 and not t.stack, "five closed tables")
expect(len(t.tables[0]) - 1 == len(dump["transactions"]), "a row per transaction")
expect(t.tables[0][0][:3] == ["Book Name", "No.", "Date"], "transaction header %r" % t.tables[0][0][:3])

rc, out, err = run("export", book, txt, "--format", "text", "--sections", "groups,categories")
s = sections(txt)
expect(rc == 0 and [sec[0][0] for sec in s] == ["Group Number", "Category Name"], "--sections")

for args in (("--format", "csv"), (), ("--format", "text", "--sections", "accounts"), ("--format",)):
    rc, out, err = run("export", book, txt, *args)
    expect(rc == 64 and "usage" in err, "bad command line %r: %d" % (args, rc))

bad = os.path.join(tmp, "missing", "out.htm")
rc, out, err = run("export", book, bad, "--format", "html")
expect(rc == 1 and err == "qbtool: %s: An error was encountered while saving the file.\n" % bad, "unwritable: %r" % err)
expect(not os.path.exists(bad), "no file left")
size = os.path.getsize(book)
rc, out, err = run("export", book, os.path.join(tmp, ".", os.path.basename(book)), "--format", "text")
expect(rc == 1 and "Can't save a file as its self!" in err and os.path.getsize(book) == size, "export onto the book: %r" % err)
rc, out, err = run("export", os.path.join(tmp, "none.qbk"), txt, "--format", "text")
expect(rc == 1 and "no such file" in err, "missing book: %r" % err)

shutil.rmtree(tmp)
print("%d failures" % len(failures))
sys.exit(1 if failures else 0)
