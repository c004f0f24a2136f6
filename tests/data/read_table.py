#!/usr/bin/python3
"""Prints a table's records as python3-dbf reads them: index|deleted|WORD|LASTCHANGE|COUNT.

Usage: read_table.py TABLE [CODEPAGE]   (CODEPAGE as python3-dbf names it, e.g. utf8; without
it, the one the header names)"""
import sys

import dbf

table = dbf.Table(sys.argv[1], codepage=sys.argv[2] if len(sys.argv) > 2 else None)
table.open()
for index, record in enumerate(table):
    changed = record.lastchange
    if hasattr(changed, 'strftime'):
        changed = changed.strftime('%Y%m%d')
    changed = '' if changed is None else str(changed).strip()
    count = '' if record.count is None else str(record.count)
    deleted = 1 if dbf.is_deleted(record) else 0
    print(f'{index}|{deleted}|{record.word.strip()}|{changed}|{count}')
table.close()
