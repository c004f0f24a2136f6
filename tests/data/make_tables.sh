#!/usr/bin/env bash
# Writes the vocabulary tables that the tests read as made by writers other than ours: shapelib's
# dbfcreate/dbfadd and Debian's python3-dbf. Run once; the tables are committed as made.
# Usage: tests/data/make_tables.sh   (needs the packages shapelib and python3-dbf)
set -euo pipefail
cd "$(dirname "$0")"
rm -f shapelib_*.dbf pydbf_*.dbf

# shapelib writes every field as text or number; an empty number is stored as asterisks.
dbfcreate shapelib_plain.dbf -s WORD 20 -s TRANS1 30 -s TRANS2 30 -s LASTCHANGE 8 -n COUNT 2 0
dbfadd shapelib_plain.dbf "house" "Haus" "maison" "20240101" 3
dbfadd shapelib_plain.dbf "tree" "Baum" "arbre" "" ""
dbfadd shapelib_plain.dbf "dog" "Hund" "chien" "20240507" 0
dbfadd shapelib_plain.dbf "cat" "Katze" "" "20231224" 9
dbfadd shapelib_plain.dbf "learnt" "gelernt" "appris" "20240101" 10
dbfadd shapelib_plain.dbf "book" "Buch" "livre" "20240301" 1
dbfadd shapelib_plain.dbf "water" "Wasser" "eau" "20240102" 2
dbfadd shapelib_plain.dbf "bread" "Brot" "pain" "20240103" 5

dbfcreate shapelib_optional.dbf -s WORD 24 -s PART 12 -s TRANSCRIPT 20 -s THIRDLANG 20 \
    -s TRANS1 25 -s LASTCHANGE 8 -n COUNT 2 0
dbfadd shapelib_optional.dbf "house" "noun" "haus" "dom" "Haus" "20240101" 1
dbfadd shapelib_optional.dbf "to run" "verb" "ran" "bezhat" "laufen" "20240201" 0
dbfadd shapelib_optional.dbf "quick" "adjective" "kwik" "bystryj" "schnell" "" ""
dbfadd shapelib_optional.dbf "slowly" "adverb" "slouli" "medlenno" "langsam" "20240415" 4

/usr/bin/python3 - <<'PY'
import datetime
import dbf

def make(name, fields, rows, deleted=(), codepage=None):
    table = dbf.Table(name, fields, dbf_type='db3', codepage=codepage)
    table.open(mode=dbf.READ_WRITE)
    for row in rows:
        table.append(row)
    for index in deleted:
        dbf.delete(table[index])
    table.close()

d = datetime.date
# LASTCHANGE as a date field; a missing date and COUNT stay blank.
make('pydbf_plain.dbf', 'WORD C(20); TRANS1 C(40); LASTCHANGE D; COUNT N(2,0)', [
    ('house', 'Haus', d(2024, 1, 1), 3),
    ('tree', 'Baum', None, None),
    ('gone', 'weg', d(2024, 1, 1), 0),
    ('dog', 'Hund', d(2024, 5, 8), 1),
    ('cat', 'Katze', d(2023, 12, 24), 9),
    ('book', 'Buch', d(2024, 3, 1), 2),
], deleted=[2])
make('pydbf_transcript.dbf',
     'WORD C(20); TRANSCRIPT C(16); TRANS1 C(18); TRANS2 C(18); TRANS3 C(18); '
     'LASTCHANGE C(8); COUNT N(2,0)', [
    ('house', 'haus', 'Haus', 'maison', 'casa', '20240101', 0),
    ('water', 'wo:ter', 'Wasser', 'eau', 'agua', '20240202', 2),
    ('bread', 'bred', 'Brot', 'pain', '', '20240303', 7),
])
# COUNT three digits wide: our statistics writes would not fit it, so the reader refuses it.
make('pydbf_wide_count.dbf', 'WORD C(20); TRANS1 C(20); LASTCHANGE D; COUNT N(3,0)', [
    ('house', 'Haus', d(2024, 1, 1), 3),
])
# python3-dbf's 'utf8' page: the language-driver byte 0xF0, texts in UTF-8.
make('pydbf_utf8.dbf', 'WORD C(20); TRANS1 C(30); LASTCHANGE D; COUNT N(2,0)', [
    ('犬', 'dog', d(2024, 1, 1), 3),
    ('猫', 'cat', None, None),
    ('水', 'water', d(2024, 5, 8), 1),
    ('しごと', 'work', d(2024, 3, 1), 0),
    ('ありがとう', 'thank you', d(2023, 12, 24), 2),
    ('東京', 'Tokyo', None, None),
], codepage='utf8')
PY
ls -l ./*.dbf
