#include "app_rules/progress_picture.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "database/progress.h"
#include "platform/date.h"

namespace {

// Rows of a bar chart before it goes on in a column beside.
constexpr size_t MostRowsInAColumn = 16;

const char* const DayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char* const MonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string Words(uint32_t count) {
    return std::to_string(count) + (count == 1 ? " word" : " words");
}

// Day number 1, 1 January of year 1, was a Monday.
const char* DayName(int32_t dayNumber) {
    return DayNames[(dayNumber - 1) % 7];
}

// "Mon 11 Mar".
std::string ShortDay(int32_t dayNumber) {
    const TDate date = TDate::FromDayNumber(dayNumber);
    if (!date.IsValid())
        return DayText(dayNumber);
    return std::string(DayName(dayNumber)) + " " + std::to_string(date.Day()) + " " +
           MonthNames[date.Month() - 1];
}

std::string TitleLine(const TProgress& progress, const std::string& table) {
    return table + ": " + Words(progress.Words());
}

std::string TodayLine(const TProgress& progress) {
    return "Today, " + DayText(progress.today) + ": " + Words(progress.ToDrill()) + " to drill, " +
           std::to_string(progress.resting) + " resting";
}

std::string LearntLine(const TProgress& progress) {
    return "Learnt (COUNT " + std::to_string(progress.byCount.size()) +
           " or more): " + Words(progress.learnt);
}

uint32_t Sum(const std::vector<uint32_t>& values) {
    uint32_t sum = 0;
    for (uint32_t value : values)
        sum += value;
    return sum;
}

// One row of a bar chart: its label, the parts of its bar from the left, its number.
struct TRow {
    std::string label;
    std::vector<std::pair<uint32_t, TBarKind>> parts;
    uint32_t Total() const {
        uint32_t total = 0;
        for (const auto& part : parts)
            total += part.first;
        return total;
    }
};

class TLayout {
public:
    TLayout(TProgressPicture& picture, const TPictureFonts& fonts, const TDrillScale& scale)
        : picture_(picture), fonts_(fonts), scale_(scale) {}

    void Text(int32_t left, int32_t top, std::string text, bool bold) {
        right_ = std::max(right_, left + fonts_.textWidth(text, bold));
        picture_.texts.push_back({left, top, std::move(text), bold});
    }
    void Bar(TPictureRect place, TBarKind kind) {
        right_ = std::max(right_, place.Right());
        picture_.bars.push_back({place, kind});
    }
    int32_t RowHeight() const { return fonts_.lineHeight + scale_(4); }
    int32_t BarHeight() const { return std::max(1, fonts_.lineHeight - scale_(2)); }
    // The top of a bar within a row, or of a legend's swatch within a line.
    int32_t BarTop(int32_t rowTop) const { return rowTop + (RowHeight() - BarHeight()) / 2; }

    // The rows from `top` on, in as many columns as they need; returns the bottom of the chart.
    int32_t Chart(int32_t left, int32_t top, const std::vector<TRow>& rows) {
        const int32_t barArea = scale_(150);
        const int32_t gap = scale_(6);
        uint32_t largest = 0;
        int32_t labelWidth = 0;
        int32_t numberWidth = 0;
        for (const TRow& row : rows) {
            largest = std::max(largest, row.Total());
            labelWidth = std::max(labelWidth, fonts_.textWidth(row.label, false));
            numberWidth =
                std::max(numberWidth, fonts_.textWidth(std::to_string(row.Total()), false));
        }
        const size_t columns = (rows.size() + MostRowsInAColumn - 1) / MostRowsInAColumn;
        const size_t perColumn = columns == 0 ? 0 : (rows.size() + columns - 1) / columns;
        const int32_t columnWidth = labelWidth + gap + barArea + gap + numberWidth + scale_(20);
        // Room for the longest bar and its number in every column, whatever the figures: the
        // window keeps its size as they change.
        if (columns > 0)
            right_ =
                std::max(right_, left + static_cast<int32_t>(columns) * columnWidth - scale_(20));
        for (size_t i = 0; i < rows.size(); ++i) {
            const TRow& row = rows[i];
            const int32_t x = left + static_cast<int32_t>(i / perColumn) * columnWidth;
            const int32_t y = top + static_cast<int32_t>(i % perColumn) * RowHeight();
            const int32_t textTop = y + (RowHeight() - fonts_.lineHeight) / 2;
            Text(x, textTop, row.label, false);
            const int32_t barLeft = x + labelWidth + gap;
            const uint32_t total = row.Total();
            const int32_t length = BarLength(total, largest, barArea);
            int32_t done = 0;
            uint32_t counted = 0;
            for (const auto& [count, kind] : row.parts) {
                if (count == 0)
                    continue;
                counted += count;
                // Each part ends where the words counted so far end, at least a pixel on from
                // the one before while there is room.
                int32_t end = counted == total
                                  ? length
                                  : static_cast<int32_t>(int64_t{length} * counted / total);
                end = std::min(std::max(end, std::min(done + 1, length)), length);
                if (end > done)
                    Bar({barLeft + done, BarTop(y), end - done, BarHeight()}, kind);
                done = end;
            }
            if (total > 0)
                Text(barLeft + length + gap, textTop, std::to_string(total), false);
        }
        return top + static_cast<int32_t>(perColumn) * RowHeight();
    }

    int32_t Right() const { return right_; }

private:
    TProgressPicture& picture_;
    const TPictureFonts& fonts_;
    const TDrillScale& scale_;
    int32_t right_ = 0;
};

} // namespace

std::vector<std::string> ProgressLines(const TProgress& progress, const std::string& table) {
    std::vector<std::string> lines{TitleLine(progress, table), TodayLine(progress)};
    for (size_t count = 0; count < progress.byCount.size(); ++count) {
        std::string line = "COUNT " + std::to_string(count) + ": " + Words(progress.byCount[count]);
        if (count == 0 && progress.byCount[0] > 0)
            line += " (" + std::to_string(progress.neverAsked) + " new, " +
                    std::to_string(progress.AnsweredWrong()) + " answered wrong)";
        lines.push_back(line);
    }
    lines.push_back(LearntLine(progress));
    const std::vector<uint32_t> forecast = progress.Forecast(ForecastDays);
    lines.push_back("Coming due in the next " + std::to_string(ForecastDays) +
                    " days: " + Words(Sum(forecast)));
    for (uint32_t day = 0; day < ForecastDays; ++day) {
        if (forecast[day] == 0)
            continue;
        const int32_t dayNumber = progress.today + static_cast<int32_t>(day) + 1;
        lines.push_back(DayText(dayNumber) + " (" + DayName(dayNumber) +
                        "): " + Words(forecast[day]));
    }
    lines.push_back("Later: " + Words(progress.DueAfter(ForecastDays)));
    return lines;
}

int32_t BarLength(uint32_t count, uint32_t largest, int32_t fullLength) {
    if (count == 0 || largest == 0 || fullLength <= 0)
        return 0;
    return std::max<int32_t>(
        1, static_cast<int32_t>(int64_t{fullLength} * std::min(count, largest) / largest));
}

TProgressPicture LayOutProgress(const TProgress& progress, const std::string& table,
                                const TPictureFonts& fonts, const TDrillScale& scale) {
    TProgressPicture picture;
    TLayout layout(picture, fonts, scale);
    const int32_t margin = scale(12);
    const int32_t line = fonts.lineHeight;
    const int32_t sectionGap = scale(12);
    int32_t y = margin;
    layout.Text(margin, y, TitleLine(progress, table), true);
    y += line + scale(4);
    layout.Text(margin, y, TodayLine(progress), false);
    y += line + sectionGap;

    layout.Text(margin, y, "Words by COUNT (right answers in a row)", true);
    y += line + scale(4);
    std::vector<TRow> levels;
    for (size_t count = 0; count < progress.byCount.size(); ++count) {
        TRow row{std::to_string(count), {{progress.byCount[count], TBarKind::Level}}};
        if (count == 0)
            row.parts = {{progress.AnsweredWrong(), TBarKind::AnsweredWrong},
                         {progress.neverAsked, TBarKind::NeverAsked}};
        levels.push_back(row);
    }
    levels.push_back({"Learnt", {{progress.learnt, TBarKind::Learnt}}});
    y = layout.Chart(margin, y, levels);
    if (!progress.byCount.empty()) {
        // The legend of COUNT 0's two parts.
        const int32_t swatch = scale(10);
        int32_t x = margin;
        for (const auto& [count, kind, text] :
             {std::tuple{progress.AnsweredWrong(), TBarKind::AnsweredWrong, "answered wrong"},
              std::tuple{progress.neverAsked, TBarKind::NeverAsked, "new (never asked)"}}) {
            layout.Bar({x, layout.BarTop(y), swatch, layout.BarHeight()}, kind);
            x += swatch + scale(4);
            const std::string legend = "COUNT 0: " + std::to_string(count) + " " + text;
            layout.Text(x, y + (layout.RowHeight() - line) / 2, legend, false);
            x += fonts.textWidth(legend, false) + scale(16);
        }
        y += layout.RowHeight();
    }
    y += sectionGap;

    const std::vector<uint32_t> forecast = progress.Forecast(ForecastDays);
    layout.Text(margin, y,
                "Coming due in the next " + std::to_string(ForecastDays) + " days: " +
                    Words(Sum(forecast)) + "; later: " + Words(progress.DueAfter(ForecastDays)),
                true);
    y += line + scale(4);
    std::vector<TRow> days;
    for (uint32_t day = 0; day < ForecastDays; ++day)
        days.push_back({ShortDay(progress.today + static_cast<int32_t>(day) + 1),
                        {{forecast[day], TBarKind::ComingDue}}});
    y = layout.Chart(margin, y, days);

    const int32_t buttonWidth = scale(66);
    picture.width = std::max({layout.Right() + margin, buttonWidth + 2 * margin, scale(240)});
    picture.figures = {0, 0, picture.width, y + scale(4)};
    picture.closeButton = {picture.width - margin - buttonWidth, y + scale(8), buttonWidth,
                           scale(22)};
    picture.height = picture.closeButton.Bottom() + margin;
    return picture;
}
