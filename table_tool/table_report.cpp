#include "table_tool/table_report.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "database/code_pages.h"
#include "database/progress.h"
#include "database/table_format.h"
#include "settings/options.h"
#include "table_tool/table_export.h"

namespace {

constexpr uint32_t BarWidth = 40;
constexpr size_t DueDatesShown = 10;

std::string Words(uint32_t count) {
    return std::to_string(count) + (count == 1 ? " word" : " words");
}

std::string Bar(uint32_t count, uint32_t largest) {
    if (count == 0)
        return {};
    const uint64_t length = std::max<uint64_t>(1, uint64_t{count} * BarWidth / largest);
    return std::string(static_cast<size_t>(length), '#');
}

std::string Ranges(const TOptions& options) {
    if (options.AgeList.empty())
        return "no age ranges";
    std::ostringstream text;
    text << "age ranges";
    for (const TAge& age : options.AgeList)
        text << ' ' << age;
    return text.str();
}

} // namespace

std::string TableReport(const std::string& name, const TTableBytes& table,
                        const TProgress& progress, const TOptions& options,
                        const std::string& settingsName) {
    const TTableLayout& layout = table.layout;
    std::ostringstream out;
    out << name << ": Vocorix can drill this table\n";
    out << "  " << progress.records << " records, " << progress.deleted << " deleted\n";
    out << "  " << layout.TranslationCount << " translation field"
        << (layout.TranslationCount == 1 ? "" : "s") << ", " << layout.TranslationWidth
        << " bytes wide\n";
    std::string optional;
    for (const auto& [present, field] :
         {std::pair{layout.HasPart, table_format::PartName},
          std::pair{layout.HasTranscript, table_format::TranscriptName},
          std::pair{layout.HasThirdLang, table_format::ThirdLangName}}) {
        if (present)
            optional += std::string(optional.empty() ? "" : ", ") + field;
    }
    out << "  optional fields: " << (optional.empty() ? "none" : optional) << "\n";
    out << "  code page " << CodePageName(TableCodePage(table))
        << (NamesCodePage(table) ? "" : " (taken: the header does not name one)") << "\n";
    out << "Settings: " << settingsName << " (Maximum Count " << options.MaxCount << ", "
        << Ranges(options) << ")\n";
    out << "Today, " << DayText(progress.today) << ": " << Words(progress.ToDrill())
        << " to drill, " << progress.resting << " resting\n";

    if (!progress.byCount.empty()) {
        out << "By COUNT (right answers in a row):\n";
        const uint32_t largest =
            *std::max_element(progress.byCount.begin(), progress.byCount.end());
        for (size_t count = 0; count < progress.byCount.size(); ++count) {
            char line[32];
            std::snprintf(line, sizeof line, "  %2zu %6u", count,
                          static_cast<unsigned>(progress.byCount[count]));
            const std::string bar = Bar(progress.byCount[count], largest);
            out << line << (bar.empty() ? "" : " ") << bar;
            if (count == 0 && progress.byCount[0] > 0)
                out << "  (" << progress.neverAsked << " new, " << progress.AnsweredWrong()
                    << " answered wrong)";
            out << "\n";
        }
    }
    out << "Learnt (COUNT " << options.MaxCount << " or more): " << Words(progress.learnt) << "\n";

    if (progress.comeDue.empty()) {
        out << "Resting: none\n";
        return out.str();
    }
    out << "Resting words come due:\n";
    size_t shown = 0;
    uint32_t later = 0;
    for (const auto& [day, words] : progress.comeDue) {
        if (shown++ < DueDatesShown)
            out << "  " << DayText(day) << "  " << Words(words) << "\n";
        else
            later += words;
    }
    if (later > 0)
        out << "  later: " << Words(later) << "\n";
    return out.str();
}
