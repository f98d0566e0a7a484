#!/usr/bin/env python3
"""The English translation is whole: every entry of translations/winpiruk_en.ts
is translated, keeps its source's %1..%9 and access key, and (where lupdate is
installed) every text the sources hold has an entry.

    check_translations.py SOURCE_DIR [LUPDATE]
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SKIPPED = 77


def messages(ts_path):
    for context in ET.parse(ts_path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            yield name, message


def access_key(text):
    """The letter after the first single '&' ("&&" is a literal ampersand)."""
    match = re.search(r'(?<!&)&([A-Za-z0-9])', text.replace('&&', ''))
    return match.group(1).lower() if match else None


def faults(ts_path):
    found = []
    for context, message in messages(ts_path):
        source = message.findtext('source') or ''
        translation = message.find('translation')
        where = f'{context}: {source!r}'
        kind = translation.get('type') if translation is not None else 'missing'
        if kind is not None:
            found.append(f'{where} is {kind}')
            continue
        text = translation.text or ''
        if not text:
            found.append(f'{where} has an empty translation')
        if sorted(re.findall(r'%\d', source)) != sorted(re.findall(r'%\d', text)):
            found.append(f'{where} and {text!r} fill different values')
        if access_key(source) != access_key(text):
            found.append(f'{where} and {text!r} have different access keys')
    return found


def gathered_copy(source_dir, lupdate):
    """A copy of the file brought up to date with the sources."""
    scratch = tempfile.mkdtemp()
    copy = os.path.join(scratch, 'winpiruk_en.ts')
    shutil.copy(os.path.join(source_dir, 'translations', 'winpiruk_en.ts'), copy)
    subprocess.run([os.path.join(source_dir, 'scripts', 'update-translations'), copy], check=True,
                   env=dict(os.environ, LUPDATE=lupdate), stdout=subprocess.DEVNULL)
    return copy


def main():
    source_dir = sys.argv[1]
    found = faults(os.path.join(source_dir, 'translations', 'winpiruk_en.ts'))
    lupdate = sys.argv[2] if len(sys.argv) > 2 and sys.argv[2] else shutil.which('lupdate')
    if not (lupdate and os.path.isfile(lupdate) and os.access(lupdate, os.X_OK)):
        lupdate = None
    if lupdate:
        copy = gathered_copy(source_dir, lupdate)
        found += [f'in the sources: {fault}' for fault in faults(copy) if fault not in found]
        shutil.rmtree(os.path.dirname(copy))
    for fault in found:
        print(fault)
    if found:
        return 1
    if not lupdate:
        print('lupdate is not installed (qt6-l10n-tools): the sources were not read')
        return SKIPPED
    print('every text is translated')
    return 0


if __name__ == '__main__':
    sys.exit(main())
