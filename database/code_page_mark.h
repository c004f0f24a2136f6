#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Shapefile tools (shapelib, GDAL, QGIS) name an encoding that the language-driver byte cannot
// by a file beside the table: NAME.cpg beside NAME.dbf, holding "UTF-8" for a UTF-8 table.
// Vocorix marks its UTF-8 tables so. Paths are UTF-8.

// What Vocorix writes into the mark of a UTF-8 table.
constexpr std::string_view Utf8MarkText = "UTF-8";

// NAME.cpg beside NAME.dbf: the table's path with its extension (if any) replaced.
std::string CodePageMarkPath(const std::string& table);
// The mark that stands beside the table: NAME.cpg, else NAME.CPG as shapelib also looks for;
// none when there is neither.
std::optional<std::string> FindCodePageMark(const std::string& table);
// Whether a mark's contents say UTF-8: "UTF-8" or "UTF8" in any letter case, with blanks and
// line ends around it.
bool MarkSaysUtf8(std::string_view contents);
// The code page of a table's texts, as the drill and vocorix-table read it: UTF-8 when a mark
// beside the table says so, whatever its language-driver byte; else the page that byte names;
// none when neither names one. A mark that says anything else is left to the byte.
std::optional<uint32_t> CodePageOfTable(const std::string& table, uint8_t languageDriver);
