#include "table_tool/column_plan.h"

#include <algorithm>
#include <set>

#include "database/table_format.h"
#include "table_tool/table_text.h"
#include "table_tool/tool_error.h"

using namespace table_format;

namespace {

struct Keyword {
    const char* name;
    TColumnRole role;
};

constexpr Keyword Keywords[] = {
    {PartName, TColumnRole::Part},           {TranscriptName, TColumnRole::Transcript},
    {ThirdLangName, TColumnRole::ThirdLang}, {LastChangeName, TColumnRole::LastChange},
    {CountName, TColumnRole::Count},
};

// Letters, digits and '_' only, upper case, starting with a letter, at most 10 bytes; a
// character outside ASCII becomes one '_'. A name without a letter or digit is the fallback.
std::string FieldNameFor(const std::string& header, const std::string& fallback) {
    std::string name;
    for (unsigned char c : header) {
        if ((c & 0xC0) == 0x80)
            continue; // the rest of a character already replaced
        const bool plain =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
        name += plain ? static_cast<char>(c) : '_';
    }
    name = AsciiUpper(name);
    if (name.find_first_not_of('_') == std::string::npos)
        return fallback;
    if (!(name[0] >= 'A' && name[0] <= 'Z'))
        name = fallback + name;
    return name.substr(0, FieldNameLength);
}

// Another name when this one is taken: a number replaces its end.
std::string Unique(const std::string& name, const std::set<std::string>& taken) {
    if (taken.count(name) == 0)
        return name;
    for (int number = 2;; ++number) {
        const std::string suffix = std::to_string(number);
        const std::string candidate = name.substr(0, FieldNameLength - suffix.size()) + suffix;
        if (taken.count(candidate) == 0)
            return candidate;
    }
}

} // namespace

TColumnPlan PlanColumns(const std::vector<std::string>& header) {
    TColumnPlan plan;
    std::vector<TPlannedField> optional, translations, statistics;
    std::set<std::string> taken;
    for (const Keyword& keyword : Keywords)
        taken.insert(keyword.name);
    for (size_t column = 0; column < header.size(); ++column) {
        const std::string name = AsciiUpper(TrimBlanks(header[column]));
        TPlannedField field{TColumnRole::Translation, column, header[column], {}};
        if (column == 0)
            field.role = TColumnRole::Word;
        for (const Keyword& keyword : Keywords) {
            if (column > 0 && name == keyword.name) {
                field.role = keyword.role;
                field.fieldName = keyword.name;
            }
        }
        if (field.role != TColumnRole::Word && field.role != TColumnRole::Translation) {
            const auto same = [&](const TPlannedField& other) { return other.role == field.role; };
            if (std::any_of(optional.begin(), optional.end(), same) ||
                std::any_of(statistics.begin(), statistics.end(), same))
                throw TToolError("the column " + Quoted(field.fieldName) +
                                 " is named twice in the header row");
            (field.role == TColumnRole::LastChange || field.role == TColumnRole::Count ? statistics
                                                                                       : optional)
                .push_back(field);
            continue;
        }
        const std::string wanted = FieldNameFor(TrimBlanks(field.header),
                                                field.role == TColumnRole::Word ? "WORD" : "TRANS");
        field.fieldName = Unique(wanted, taken);
        taken.insert(field.fieldName);
        if (field.fieldName != AsciiUpper(TrimBlanks(field.header)))
            plan.renamed.push_back(field);
        (field.role == TColumnRole::Word ? plan.fields : translations).push_back(field);
    }
    if (translations.empty())
        throw TToolError("the header row names no translation column: a table needs at least one");
    // The optional fields stand in this order whatever the columns' order.
    std::sort(optional.begin(), optional.end(),
              [](const TPlannedField& a, const TPlannedField& b) { return a.role < b.role; });
    std::sort(statistics.begin(), statistics.end(),
              [](const TPlannedField& a, const TPlannedField& b) { return a.role < b.role; });
    plan.fields.insert(plan.fields.end(), optional.begin(), optional.end());
    plan.fields.insert(plan.fields.end(), translations.begin(), translations.end());
    plan.fields.insert(plan.fields.end(), statistics.begin(), statistics.end());
    return plan;
}
