#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the translations against the sources.

1. Every text marked for translation in src/ has a finished translation in each language:
   lupdate is run over the sources into copies of translations/*.ts, and any entry it leaves
   unfinished (new, changed, or never translated) is named.
2. No text a learner reads escapes translation: a string literal handed straight to a
   widget's setText/setWindowTitle/setToolTip/setPlaceholderText, to a QMessageBox, to the
   Dialogs port or to addAction/addMenu is named, unless tools/untranslated-allowed.txt
   lists it (file and text, tab-separated).

usage: check-translations.py SOURCE_DIR [LUPDATE [GENERATED_INCLUDE_DIR]]
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

root = pathlib.Path(sys.argv[1]).resolve()
lupdate = sys.argv[2] if len(sys.argv) > 2 else "/usr/lib/qt6/bin/lupdate"
# lupdate resolves classes through the includes: without them a tr() in a member function
# defined inside a namespace lands in the wrong context.
includes = ["-I", str(root / "src")]
if len(sys.argv) > 3:
    includes += ["-I", sys.argv[3]]
failures = []

with tempfile.TemporaryDirectory() as tmp:
    for ts in sorted((root / "translations").glob("memorant_*.ts")):
        copy = pathlib.Path(tmp) / ts.name
        shutil.copy(ts, copy)
        lang = ts.stem.split("_", 1)[1]
        args = [lupdate, "-silent", "-locations", "none", "-no-obsolete"] + includes
        if lang == "en":
            args.append("-pluralonly")
        subprocess.run(args + [str(root / "src"), "-ts", str(copy)], check=True)
        text = copy.read_text(encoding="utf-8")
        for m in re.finditer(
            r"<name>([^<]*)</name>|<message[^>]*>\s*<source>(.*?)</source>.*?</message>",
            text, re.S):
            if m.group(1) is not None:
                context = m.group(1)
                continue
            if 'type="unfinished"' in m.group(0):
                failures.append(f"{ts.name}: unfinished [{context}] {m.group(2)!r}")

allowed = set()
allow_file = root / "tools" / "untranslated-allowed.txt"
for line in allow_file.read_text(encoding="utf-8").splitlines():
    if line.strip() and not line.startswith("#"):
        path, _, literal = line.partition("\t")
        allowed.add((path.strip(), literal))

# A call that shows text, with its first argument (or its text argument) a bare literal.
shown = re.compile(
    r"(?:setText|setWindowTitle|setToolTip|setPlaceholderText|setStatusTip|showMessage|"
    r"addAction|addMenu|setTabText|setLabelText|setHeaderLabels|"
    r"QMessageBox::(?:information|warning|critical|question)|"
    r"\.message|\.warning|\.confirm|messageWithDetail|QLabel|QPushButton|QCheckBox|"
    r"QRadioButton|QGroupBox|QAction)\s*\(\s*(?:[\w:>.\-*]+,\s*)?"
    r"(?:QStringLiteral|QLatin1String|QString::fromUtf8|QString)?\s*\(?\s*\"((?:[^\"\\]|\\.)+)\"")
letters = re.compile(r"[A-Za-z]{2,}")
for source in sorted((root / "src").rglob("*.cpp")):
    rel = source.relative_to(root).as_posix()
    # Whole files, since a call is often broken over lines.
    text = source.read_text(encoding="utf-8")
    for m in shown.finditer(text):
        literal = m.group(1)
        if not letters.search(literal) or (rel, literal) in allowed:
            continue
        number = text.count("\n", 0, m.start()) + 1
        failures.append(f"{rel}:{number}: text shown without tr(): {literal!r}")

for f in failures:
    print(f)
print(f"{len(failures)} problem(s)")
sys.exit(1 if failures else 0)
