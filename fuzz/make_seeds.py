#!/usr/bin/env python3
"""Writes the hand-made seeds of the fuzz targets into fuzz/corpus/<target>/
(and the inputs of faults found that way into fuzz/crashes/<target>/, the
slowest seeds into fuzz/slow/<target>/).

The seeds put the targets near every limit of the glossary format at once:
texts of 32767 and 32768 characters, 32767 and 32768 entries, a header that
starts just before and just after 64 KiB of blanks. Run it from anywhere; it
overwrites only the files it writes. The seeds of fuzz_search are inputs the
fuzzer itself found, merged to those that reach each edge
(`fuzz_search -merge=1 -use_counters=0 fuzz/corpus/search <found>`), not made here.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "corpus")
CRASHES = os.path.join(HERE, "crashes")
# Inputs that take a second or more under the sanitizers (32767 entries to
# sort, pack and unpack): the regression runs them, the fuzzer does not mutate
# them, as they would slow it to a few inputs a second.
SLOW = os.path.join(HERE, "slow")
HEADER = b'";woordorakelaar databestand, verander niets aan de indeling a.u.b."'
KEY = 7


def scramble(text):
    out = bytearray()
    for p in text.encode("cp1252"):
        v = p + KEY
        out.append(v - 255 if v > 255 else v)
    return bytes(out)


def wod(entries, count=None, date=b'"09/12/2026"', first=HEADER, quoted=True):
    out = first + b"\r\n"
    out += str(len(entries) if count is None else count).encode() + b",1\r\n"
    out += date + b"\r\n"
    for term, description in entries:
        if quoted:
            out += b'"' + scramble(term) + b'","' + scramble(description) + b'"\r\n'
        else:
            out += scramble(term) + b"," + scramble(description) + b"\r\n"
    return out


def write(target, name, data, under=CORPUS):
    folder = os.path.join(under, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


SMALL = [
    ("Internet", "Wereldwijd netwerk van computers."),
    ("Netwerk", "Verbonden computers, zoals een LAN of WAN."),
    ("Überbyte", "Een term met een umlaut, één accent en een €-teken; ook Š en Ÿ."),
]


def glossary_seeds():
    long_text = "a" * 32767
    write("glossary", "text-32767.wod", wod([("Lang", long_text)]))
    write("glossary", "text-32768.wod", wod([("Lang", long_text + "b")]))
    write("glossary", "term-32768.wod", wod([("b" * 32768, "kort")]))
    good = wod(SMALL)
    # The header test: the first field starts just before, at and after 64 KiB.
    # Starting just before, it runs across: the header test of the file read
    # only the first 64 KiB and saw a wrong header where the bytes hold the
    # right one.
    write("glossary", "header-across-64k.wod", b" " * 65530 + good, under=CRASHES)
    write("glossary", "blanks-65536.wod", b" " * 65536 + good)
    write("glossary", "blanks-65540.wod", b" " * 65540 + good)
    write("glossary", "blanks-only-65600.wod", b" " * 65600)
    # 32767 entries of two empty fields each, and one field short of that.
    fields = b"," * (2 * 32767 - 1)
    head = HEADER + b"\r\n32767,1\r\n\"09/12/2026\"\r\n"
    write("glossary", "count-32767-empty.wod", head + fields + b"\r\n")
    write("glossary", "count-32767-short.wod", head + fields[:-1])
    write("glossary", "count-32768.wod", wod(SMALL, count=32768))
    write("glossary", "count-minus-1.wod", wod(SMALL, count=-1))
    write("glossary", "count-forms.wod", wod(SMALL, count="  +2.5e3"))
    write("glossary", "count-huge.wod", wod(SMALL, count="99999999999999999999"))
    write("glossary", "date-time.wod", wod(SMALL, date=b'"09/12/2026 10:30"'))
    write("glossary", "unquoted.wod", wod(SMALL[:2], quoted=False))
    write("glossary", "junk-after-quote.wod", good.replace(b'","', b'"junk ,"'))
    write("glossary", "bytes-0-255.wod", good + bytes(range(256)))


def wod_seeds():
    write("wod", "small.wod", wod(SMALL))
    write("wod", "empty.wod", wod([]))
    write("wod", "lf.wod", wod(SMALL).replace(b"\r\n", b"\n"))
    write("wod", "text-32767.wod", wod([("Lang", "x" * 32767), ("Langer", "y" * 100)]))
    # Every character a source can hold, in one description.
    every = "".join(
        c for c in bytes(range(0x20, 0xFF)).decode("cp1252", errors="ignore") if c not in "\x7f"
    )
    write("wod", "every-character.wod", wod([("Tekens", every)]))
    write("wod", "spaces.wod", wod([("  voorloop", " beschrijving "), ("na ", "")]))
    # 32767 entries, unquoted, each the same term: the most a glossary holds.
    head = HEADER + b"\r\n32767,1\r\n\"09/12/2026\"\r\n"
    write("wod", "count-32767.wod", head + (scramble("a") + b",\r\n") * 32767, under=SLOW)
    write("wod", "trailing.wod", wod(SMALL) + b"nog iets\r\n")
    write("wod", "unsorted.wod", wod(list(reversed(SMALL))))


def wod_crashes():
    # Files check accepts whose text form loses or refuses entries: a term
    # starting with "#" read back as a comment, a term starting with
    # "# datum:" read back as a bad date line, a term of blanks with an empty
    # description read back as a blank line (skipped); and (found by fuzz_wod) a date
    # with "/" third that is no day, which check passes and pack refuses.
    write("wod", "term-starts-with-hash.wod",
          wod([("#hashtag", "Een woord met een hekje ervoor."), ("Internet", "Netwerk.")]), under=CRASHES)
    write("wod", "term-is-date-comment.wod",
          wod([("# datum: 01/01/2000", "Lijkt een datumregel."), ("Internet", "Netwerk.")]), under=CRASHES)
    write("wod", "blank-term-empty-description.wod", wod([("   ", ""), ("Internet", "Netwerk.")]), under=CRASHES)
    # The same with a no-break space (Windows-1252 0xA0), which the source
    # reader also takes for a blank.
    write("wod", "nbsp-term-empty-description.wod", wod([("\u00a0", " "), ("Internet", "Netwerk.")]), under=CRASHES)


def source_seeds():
    lines = ["# datum: 09/12/2026", "# een commentaar"] + [t + "\t" + d for t, d in SMALL]
    text = "\n".join(lines) + "\n"
    write("source", "small.tsv", text.encode())
    write("source", "crlf-bom.tsv", b"\xef\xbb\xbf" + text.replace("\n", "\r\n").encode())
    write("source", "unsorted.tsv", "\n".join(reversed(lines)).encode())
    write("source", "no-date.tsv", "\n".join(lines[1:]).encode())
    write("source", "bad-date.tsv", ("# datum: 31/02/2026\n" + lines[2]).encode())
    write("source", "problems.tsv", "Term zonder tab\n\tleeg begrip\nTab\tin\tbeschrijving\n".encode())
    write("source", "refused.tsv", "Yen\t\u00a5 is goed, \u0100 niet\n\u00ff\tnee\n".encode())
    write("source", "text-32767.tsv", ("Lang\t" + "x" * 32767 + "\n").encode())
    write("source", "text-32768.tsv", ("Lang\t" + "x" * 32768 + "\n").encode())
    write("source", "count-32767.tsv", ("# datum: 01/01/2000\n" + "a\t\n" * 32767).encode(), under=SLOW)
    write("source", "count-32768.tsv", ("a\t\n" * 32768).encode(), under=SLOW)
    write("source", "blank-lines.tsv", "  \n\t\n \t \nA\tb\n".encode())
    with open(os.path.join(HERE, "..", "data", "woordorakelaar.tsv"), "rb") as f:
        write("source", "shipped.tsv", f.read(), under=SLOW)


def settings_seeds():
    for i, text in enumerate(
        ["1", " 12.5 ", "-32768", "32767", "32767.5", "-32768.5", "1e4", ".5", "5.", "+0",
         "abc", "", "1,5", "0x10", "3e-400", "1e400", "\t-2.5E+1\n", "00000000000000000000000000001",
         "\u0661\u0662", "\u00a012"]):
        write("settings", "number-%02d" % i, text.encode())


def main():
    glossary_seeds()
    wod_seeds()
    wod_crashes()
    source_seeds()
    settings_seeds()
    return 0


if __name__ == "__main__":
    sys.exit(main())
