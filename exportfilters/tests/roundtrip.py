"""Reads an exported text file with the csv module and an exported HTML file with html.parser,
and checks that the tricky names come back whole. Prints OK or what went wrong."""
import csv
import html.parser
import sys

text_file, html_file, expect_file = sys.argv[1:4]
expect = {}
with open(expect_file, encoding="utf-8") as f:
    for line in f.read().split("\n"):
        if "=" in line:
            key, value = line.split("=", 1)
            expect[key] = value

problems = []

# Text: sections are split by empty rows; every row has as many fields as its header.
with open(text_file, encoding="utf-8", newline="") as f:
    rows = list(csv.reader(f))
sections, current = [], []
for row in rows:
    if not row:
        if current:
            sections.append(current)
        current = []
    else:
        current.append(row)
if current:
    sections.append(current)
by_header = {",".join(s[0][:3]): s for s in sections}
for s in sections:
    for row in s[1:]:
        if len(row) != len(s[0]):
            problems.append("row with %d fields under a header of %d: %r" % (len(row), len(s[0]), row))
trans = by_header.get("Number,Book Name,Split ID")
mains = by_header.get("Account Number,Account Name,Category")
groups = by_header.get("Group Number,Group Name,Income Total")
if not (trans and mains and groups) or len(sections) != 5:
    problems.append("sections found: %r" % [s[0][:2] for s in sections])
else:
    if [r[6] for r in trans[1:] if r[5] == "200"] != [expect["name"]] * 2:
        problems.append("transaction account names: %r" % [r[6] for r in trans[1:]])
    if expect["memo"] not in [r[14] for r in trans[1:]]:
        problems.append("memo not found: %r" % [r[14] for r in trans[1:]])
    if [r[1] for r in mains[1:]] != ["Sales", expect["name"]]:
        problems.append("main account names: %r" % [r[1] for r in mains[1:]])
    if [r[1] for r in groups[1:]] != ["General", expect["group"]]:
        problems.append("group names: %r" % [r[1] for r in groups[1:]])


class Checker(html.parser.HTMLParser):
    VOID = {"meta", "br"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack, self.tags, self.cells, self.title, self.charset = [], set(), [], "", None
        self.text = None

    def handle_starttag(self, tag, attrs):
        self.tags.add(tag)
        attrs = dict(attrs)
        if tag == "meta" and "charset=" in (attrs.get("content") or ""):
            self.charset = attrs["content"].split("charset=")[1]
        if tag in self.VOID:
            return
        self.stack.append(tag)
        if tag == "td":
            self.text = ""

    def handle_endtag(self, tag):
        if not self.stack or self.stack[-1] != tag:
            problems.append("</%s> closes <%s>" % (tag, self.stack[-1] if self.stack else ""))
            return
        self.stack.pop()
        if tag == "td":
            self.cells.append(self.text)
            self.text = None

    def handle_data(self, data):
        if self.stack and self.stack[-1] == "title":
            self.title += data
        if self.text is not None:
            self.text += data


with open(html_file, encoding="utf-8", newline="") as f:
    checker = Checker()
    checker.feed(f.read())
    checker.close()
if checker.stack:
    problems.append("left open: %r" % checker.stack)
if "b" in checker.tags:
    problems.append("a name became markup")
if checker.title != "Quimbel Books data - " + expect["title"]:
    problems.append("title: %r" % checker.title)
if (checker.charset or "").lower() != "utf-8":
    problems.append("charset: %r" % checker.charset)
for key in ("name", "group"):
    if expect[key] not in checker.cells:
        problems.append("%s not among the cells" % key)

print("\n".join(problems) if problems else "OK")
sys.exit(1 if problems else 0)
