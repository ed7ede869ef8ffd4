#!/usr/bin/env python3
"""Keeps the German catalogue filled from its dictionary.

The translations live in translations/Hygrolux2_de.json, keyed by context and source text (a source with a
disambiguation comment is keyed "comment|source"), so they survive every refresh of the .ts file by lupdate.

  scripts/translations.py fill       write the dictionary's translations into translations/Hygrolux2_de.ts
  scripts/translations.py update     refresh the .ts from the sources (lupdate), then fill
  scripts/translations.py missing    print the texts of the .ts that the dictionary lacks, as dictionary JSON
  scripts/translations.py unused     print the dictionary entries that no longer match a text of the .ts
  scripts/translations.py merge F    add the entries of the dictionary JSON file F (e.g. an edited "missing" list)

"fill" and "update" end with a count of the texts that are still unfinished; they exit 1 when there are any.
"""
import html
import json
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TS_FILE = ROOT / "translations" / "Hygrolux2_de.ts"
DICTIONARY = ROOT / "translations" / "Hygrolux2_de.json"

CONTEXT_RE = re.compile(r"<context>\s*<name>(.*?)</name>(.*?)</context>", re.S)
MESSAGE_RE = re.compile(r"(<message[^>]*>)(.*?)(</message>)", re.S)
SOURCE_RE = re.compile(r"<source>(.*?)</source>", re.S)
COMMENT_RE = re.compile(r"<comment>(.*?)</comment>", re.S)
TRANSLATION_RE = re.compile(r"<translation(?: [^>]*)?(?:/>|>.*?</translation>)", re.S)


def unescape(text):
    return html.unescape(text)


def escape(text):
    """Escapes as lupdate does, so a later lupdate run leaves the file unchanged."""
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;").replace("'", "&apos;"))


def message_key(body):
    source = unescape(SOURCE_RE.search(body).group(1))
    comment = COMMENT_RE.search(body)
    return f"{unescape(comment.group(1))}|{source}" if comment else source


def load_dictionary():
    if not DICTIONARY.exists():
        return {}
    return json.loads(DICTIONARY.read_text(encoding="utf-8"))


def save_dictionary(dictionary):
    ordered = {context: dict(sorted(entries.items())) for context, entries in sorted(dictionary.items())}
    text = json.dumps(ordered, ensure_ascii=False, indent=1) + "\n"
    # Soft hyphens stay visible as escapes: a raw one cannot be told from no character in an editor.
    DICTIONARY.write_text(text.replace("\u00ad", "\\u00ad"), encoding="utf-8")


def messages(ts_text):
    """Yields (context, key, match of the message) for every message of the catalogue."""
    for context in CONTEXT_RE.finditer(ts_text):
        name = unescape(context.group(1))
        for message in MESSAGE_RE.finditer(context.group(2)):
            yield name, message_key(message.group(2)), context.start(2) + message.start(), message


def fill():
    dictionary = load_dictionary()
    ts_text = TS_FILE.read_text(encoding="utf-8")
    pieces, last, unfinished = [], 0, 0
    for context, key, offset, message in messages(ts_text):
        translation = dictionary.get(context, {}).get(key)
        body = message.group(2)
        if translation is None:
            unfinished += 'type="unfinished"' in body
            continue
        if "numerus" in message.group(1):
            sys.exit(f"plural message in {context} is not supported: {key!r}")
        body = TRANSLATION_RE.sub(lambda _: f"<translation>{escape(translation)}</translation>", body, count=1)
        pieces.append(ts_text[last:offset])
        pieces.append(message.group(1) + body + message.group(3))
        last = offset + len(message.group(0))
    pieces.append(ts_text[last:])
    TS_FILE.write_text("".join(pieces), encoding="utf-8")
    print(f"{TS_FILE.name}: {unfinished} text(s) without a finished translation")
    return 1 if unfinished else 0


def update():
    subprocess.run(["lupdate", "-no-obsolete", "-locations", "relative", "src", "externals", "-ts", str(TS_FILE)],
                   cwd=ROOT, check=True)
    return fill()


def missing():
    dictionary = load_dictionary()
    result = {}
    for context, key, _, _ in messages(TS_FILE.read_text(encoding="utf-8")):
        if key not in dictionary.get(context, {}):
            result.setdefault(context, {})[key] = ""
    print(json.dumps(result, ensure_ascii=False, indent=1))
    return 0


def unused():
    dictionary = load_dictionary()
    present = {(context, key) for context, key, _, _ in messages(TS_FILE.read_text(encoding="utf-8"))}
    stale = {}
    for context, entries in dictionary.items():
        for key in entries:
            if (context, key) not in present:
                stale.setdefault(context, {})[key] = entries[key]
    print(json.dumps(stale, ensure_ascii=False, indent=1))
    return 0


def merge(path):
    dictionary = load_dictionary()
    for context, entries in json.loads(Path(path).read_text(encoding="utf-8")).items():
        for key, translation in entries.items():
            if translation:
                dictionary.setdefault(context, {})[key] = translation
    save_dictionary(dictionary)
    return 0


def main(argv):
    commands = {"fill": fill, "update": update, "missing": missing, "unused": unused}
    if len(argv) == 3 and argv[1] == "merge":
        return merge(argv[2])
    if len(argv) != 2 or argv[1] not in commands:
        print(__doc__)
        return 2
    return commands[argv[1]]()


if __name__ == "__main__":
    sys.exit(main(sys.argv))
