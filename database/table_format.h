#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/count_limit.h"

// The dBASE III table format as Vocorix reads and writes it: the one place that knows where a
// table keeps what. All numbers in the file are little-endian.
namespace table_format {

// The file header: 32 bytes, then one descriptor per field, then the terminator.
constexpr size_t HeaderSize = 32;
constexpr size_t VersionAt = 0;
constexpr uint8_t DBase3 = 0x03; // dBASE III without memo fields
// Year - 1900, month and day of the last update, one byte each.
constexpr size_t LastUpdateAt = 1;
constexpr uint32_t LastUpdateBaseYear = 1900;
constexpr size_t RecordCountAt = 4;   // 32 bits
constexpr size_t HeaderLengthAt = 8;  // 16 bits: where the first record starts
constexpr size_t RecordLengthAt = 10; // 16 bits
// Tells other dBASE readers the code page of the texts.
constexpr size_t LanguageDriverAt = 29;

// A field descriptor: the name padded with NULs, the type letter and the width.
constexpr size_t DescriptorSize = 32;
constexpr size_t NameSize = 11;
// The longest name; readers compare no more than these bytes.
constexpr size_t FieldNameLength = 10;
constexpr size_t FieldTypeAt = 11;
constexpr size_t FieldWidthAt = 16; // 16 bits
constexpr char TextType = 'C';
constexpr char DateType = 'D';
constexpr char NumberType = 'N';

// After the last descriptor; standard tables may add a pad byte.
constexpr char Terminator = 0x0D;
// After the last record.
constexpr char EndOfFile = 0x1A;

// Every 16-bit length is at most this.
constexpr uint32_t MaxLength = 0xFFFF;
// The widest text field dBASE III writes; its width byte could hold 255, but 254 is the limit
// that other dBASE readers keep to.
constexpr uint32_t MaxTextWidth = 254;

// A record: the deletion flag, then the fields in descriptor order, texts padded with blanks.
constexpr char LiveRecord = ' ';
constexpr char DeletedRecord = '*';

// The optional fields after the word, in this order.
inline constexpr const char* PartName = "PART";
inline constexpr const char* TranscriptName = "TRANSCRIPT";
inline constexpr const char* ThirdLangName = "THIRDLANG";

// The statistics close every record: LASTCHANGE, the date of the last answer as year, month
// and day digits, and COUNT, the right answers in a row, right-aligned.
inline constexpr const char* LastChangeName = "LASTCHANGE";
inline constexpr const char* CountName = "COUNT";
constexpr uint32_t LastChangeWidth = 8;
constexpr uint32_t YearDigits = 4;
constexpr uint32_t MonthDigits = 2;
constexpr uint32_t DayDigits = 2;
constexpr uint32_t CountWidth = 2;
constexpr uint32_t StatisticsWidth = LastChangeWidth + CountWidth;
static_assert(YearDigits + MonthDigits + DayDigits == LastChangeWidth);
// The largest COUNT its two digits hold (kept where the settings reach it too).
using ::CountLimit;

} // namespace table_format
