#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "database/code_pages.h"
#include "database/field_text.h"
#include "database/table_format.h"
#include "database/table_writer.h"
#include "platform/code_page.h"

// The fields of the benchmarks' tables: WORD, TRANS1 to TRANSn, then the statistics.
inline std::vector<TTableField> BenchTableFields(uint32_t wordWidth, uint32_t translations,
                                                 uint32_t translationWidth) {
    std::vector<TTableField> fields = {{"WORD", table_format::TextType, wordWidth}};
    for (uint32_t t = 0; t < translations; ++t)
        fields.push_back(
            {"TRANS" + std::to_string(t + 1), table_format::TextType, translationWidth});
    fields.push_back(LastChangeField());
    fields.push_back(CountField());
    return fields;
}

// The same text in Japanese letters, as a UTF-8 table would hold words of the same shapes: each
// Latin letter one of three bytes in UTF-8 (a capital one with "東" before it), any byte beyond
// ASCII "京", everything else as it is. Every hint rule gives the same verdicts on the two.
inline std::string InJapaneseLetters(const std::string& text) {
    static const char* const letters[26] = {"あ", "ば", "ち", "で", "え", "ふ", "が", "ひ", "い",
                                            "じ", "か", "る", "ま", "な", "お", "ぱ", "ク", "ら",
                                            "す", "た", "う", "ヴ", "ワ", "ズ", "や", "ぞ"};
    std::string japanese;
    for (const char c : text) {
        if (c >= 'a' && c <= 'z')
            japanese += letters[c - 'a'];
        else if (c >= 'A' && c <= 'Z')
            japanese += std::string("東") + letters[c - 'A'];
        else if (static_cast<unsigned char>(c) >= 0x80)
            japanese += "京";
        else
            japanese += c;
    }
    return japanese;
}

// A UTF-8 table of `records` Japanese words, kana and kanji with a number that makes each its
// own ("図書館 12"), each with `translations` English translations ("library 12"); LASTCHANGE
// and COUNT as the drill writes them, COUNT below 10; fields 30 and 40 bytes wide. The bytes of
// the .dbf file: written
// somewhere, it needs its mark beside it (database/code_page_mark.h: CodePageMarkPath,
// Utf8MarkText) to be read as UTF-8.
inline std::string MakeUtf8BenchTable(uint32_t records, uint32_t translations) {
    struct Word {
        const char* japanese;
        const char* english;
    };
    static constexpr Word Words[] = {
        {"犬", "dog"},
        {"猫", "cat"},
        {"水", "water"},
        {"仕事", "work"},
        {"ありがとう", "thank you"},
        {"東京", "Tokyo"},
        {"学校", "school"},
        {"先生", "teacher"},
        {"図書館", "library"},
        {"食べる", "to eat"},
        {"飲み物", "a drink"},
        {"新しい", "new"},
        {"電車", "train"},
        {"天気", "the weather"},
        {"友達", "friend"},
        {"勉強する", "to study"},
        {"しごと", "job"},
        {"おはよう", "good morning"},
    };
    constexpr uint32_t WordCount = sizeof Words / sizeof Words[0];
    // The field widths of the other benchmarks' tables; the longest word takes 22 bytes here
    // (5 characters of 3 bytes, a blank and 6 digits).
    const std::vector<TTableField> fields = BenchTableFields(30, translations, 40);
    std::string bytes =
        TableHeader(fields, records, *LanguageDriverOf(Utf8CodePage), TDate(1, 1, 2024));
    bytes.reserve(bytes.size() + size_t{records} * RecordLengthOf(fields) + 1);
    char statistics[table_format::StatisticsWidth];
    std::vector<std::string> texts;
    for (uint32_t r = 0; r < records; ++r) {
        const std::string number = " " + std::to_string(r);
        texts = {Words[r % WordCount].japanese + number};
        // Other words' meanings beside the word's own, as a learner's table has synonyms.
        for (uint32_t t = 0; t < translations; ++t)
            texts.push_back(Words[(r + 5 * t) % WordCount].english + number);
        FormatStatistics(statistics, 2023, r % 12 + 1, r % 28 + 1, r % 10);
        texts.emplace_back(statistics, table_format::LastChangeWidth);
        texts.emplace_back(statistics + table_format::LastChangeWidth, table_format::CountWidth);
        AppendRecord(bytes, fields, texts);
    }
    AppendEndOfFile(bytes);
    return bytes;
}
