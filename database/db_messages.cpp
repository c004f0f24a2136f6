#include "database/db_messages.h"

std::string ReadOnlyTableText(const std::string& table) {
    return table +
           "\r\nis read-only: Vocorix can read it but not write to it, so your answers cannot be "
           "recorded.\r\n\r\nDrill it without recording? Your answers are judged and scored, but "
           "nothing is written into the table: no word counts as practised.\r\n\r\nYes: drill "
           "without recording.\r\nNo: choose another table in the options. To record your "
           "answers, copy the table into a folder of your own, such as Documents, and choose "
           "the copy; or clear \"Read-only\" in the table's Properties.";
}
