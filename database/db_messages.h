#pragma once

#include <string>

// The texts of the "Database Problem" box.

inline constexpr const char* DatabaseProblemCaption = "Database Problem";

inline constexpr const char* CannotOpenText =
    "Cannot open database file.\r\nPlease specify the correct path.";
inline constexpr const char* NoRecordsText =
    "There are no records in the database.\r\nPlease add some records and try again.";
inline constexpr const char* TranslationWidthsText =
    "Incorrect database file structure.\r\nTranslation fields' lengths are not the "
    "same.\r\nPlease rebuild the database.";
inline constexpr const char* NoLastChangeText =
    "Incorrect database file structure.\r\nLASTCHANGE field not found.\r\nPlease rebuild the "
    "database.";
inline constexpr const char* NoCountText =
    "Incorrect database file structure.\r\nCOUNT field not found.\r\nPlease rebuild the "
    "database.";
inline constexpr const char* TooManyTranslationsText =
    "Incorrect database file structure.\r\nThere are more than 99 translation fields.\r\nPlease "
    "rebuild the database.";
inline constexpr const char* SizeOrHeaderText =
    "Database size or header is incorrect.\r\nPlease rebuild the database.";
inline constexpr const char* TooLargeText =
    "Database is too large for the memory.\r\nPlease split it into smaller databases.";
inline constexpr const char* CannotReadText =
    "Cannot read database file.\r\nPlease check that it is still there.";
inline constexpr const char* CannotWriteText =
    "Cannot write to database file.\r\nThe answer was not recorded.";

// The box for a table that may be read but not written: it asks whether to drill it without
// recording (Yes) or to choose another in the options (No).
inline constexpr const char* ReadOnlyTableCaption = "Read-Only Table";
std::string ReadOnlyTableText(const std::string& table);
