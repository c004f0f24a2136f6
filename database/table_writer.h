#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/date.h"

// Writes vocabulary tables in the format that ReadTableLayout reads: the header first, then
// the records one by one, then the end-of-file byte.

// One field of a table to be written.
struct TTableField {
    std::string name; // at most table_format::FieldNameLength bytes
    char type;
    uint32_t width; // at most table_format::MaxTextWidth
};

// The two fields that close every vocabulary table: LASTCHANGE, a date that other dBASE
// readers show as one, and COUNT, a two-digit number.
TTableField LastChangeField();
TTableField CountField();

// The header length and record length of a table with these fields; a table can have them
// only while both are at most table_format::MaxLength.
uint64_t HeaderLengthOf(size_t fieldCount);
uint64_t RecordLengthOf(const std::vector<TTableField>& fields);
// The most fields a header has room for.
uint32_t MaxFieldCount();

// File header, descriptors and terminator of a dBASE III table of `records` records; the
// header says `lastUpdate` and the language-driver byte of the texts' code page. The lengths
// must fit (HeaderLengthOf, RecordLengthOf).
std::string TableHeader(const std::vector<TTableField>& fields, uint32_t records,
                        uint8_t languageDriver, const TDate& lastUpdate);

// Appends a live record: the texts in field order, each padded with blanks to its field's
// width, which it must not exceed.
void AppendRecord(std::string& table, const std::vector<TTableField>& fields,
                  const std::vector<std::string>& texts);
// Closes the table after its last record.
void AppendEndOfFile(std::string& table);
