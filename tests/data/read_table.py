#!/usr/bin/python3
"""Prints a table's records as python3-dbf reads them: index|deleted|WORD|LASTCHANGE|COUNT."""
import sys

import dbf

table = dbf.Table(sys.argv[1])
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
