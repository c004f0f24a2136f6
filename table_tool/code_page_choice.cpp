#include "table_tool/code_page_choice.h"

#include <algorithm>
#include <unordered_set>

#include "database/code_pages.h"
#include "platform/code_page.h"
#include "platform/utf8.h"

namespace {

// In the order a list is tried in after the preferred page. Vietnamese (1258) is not among
// them: no language-driver byte names it, so another reader would take its texts for the
// system's, and its letters are mostly precomposed ones the page lacks anyway: it goes into
// UTF-8.
constexpr uint32_t OtherPages[] = {1250, 1251, 1253, 1254, 1255, 1256, 1257, 874};

// The characters beyond ASCII of the list's data rows, each once, in the order they first
// stand; bytes that are not UTF-8 are left to the maker, which names them.
std::string DistinctCharacters(const std::vector<TDelimitedRow>& rows) {
    std::string characters;
    std::unordered_set<uint32_t> seen;
    for (size_t r = 1; r < rows.size(); ++r) {
        for (const std::string& cell : rows[r].cells) {
            for (size_t at = 0; at < cell.size();) {
                if (static_cast<unsigned char>(cell[at]) < 0x80) {
                    ++at;
                    continue;
                }
                const TUtf8Char next = NextUtf8Char(std::string_view(cell).substr(at));
                if (next.length == 0) {
                    ++at;
                    continue;
                }
                if (seen.insert(next.codePoint).second)
                    characters.append(cell, at, next.length);
                at += next.length;
            }
        }
    }
    return characters;
}

bool Holds(uint32_t codePage, std::string_view characters) {
    std::string converted;
    return Utf8ToCodePage(characters, codePage, converted) == TConversion::Ok;
}

std::vector<uint32_t> Candidates(uint32_t preferred) {
    std::vector<uint32_t> pages{preferred};
    for (uint32_t page : OtherPages) {
        if (page != preferred)
            pages.push_back(page);
    }
    return pages;
}

} // namespace

uint32_t ChooseCodePage(const std::vector<TDelimitedRow>& rows, const TCodePageRule& rule) {
    if (rule.given)
        return *rule.given;
    // A system whose own page no table can have (a double-byte one) prefers the Western page;
    // a UTF-8 table being updated stays UTF-8.
    const uint32_t preferred = LanguageDriverOf(rule.preferred) ? rule.preferred : DefaultCodePage;
    const std::string characters = DistinctCharacters(rows);
    if (characters.empty())
        return preferred;
    const std::vector<uint32_t> pages = Candidates(preferred);
    const auto holdsAll = [&](uint32_t page) { return Holds(page, characters); };
    if (const auto found = std::find_if(pages.begin(), pages.end(), holdsAll); found != pages.end())
        return *found;
    // Every character has its place in UTF-8; it comes last, so that every list that a
    // single-byte page holds makes the table it always made, one that other dBASE readers read.
    return Utf8CodePage;
}
