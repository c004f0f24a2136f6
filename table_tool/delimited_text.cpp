#include "table_tool/delimited_text.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

class Reader {
public:
    Reader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    TDelimitedText Read() {
        if (ToHeaderRow())
            ReadRow();
        while (at_ < text_.size() && result_.error.empty()) {
            if (AtLineEnd()) {
                SkipLineEnd();
                continue;
            }
            ReadRow();
        }
        if (!result_.error.empty())
            result_.rows.clear();
        return std::move(result_);
    }

    // The separator the header row has most of outside quotes; `preferred` where it has as
    // many of it as of any other, or none at all.
    char DetectSeparator(char preferred) {
        if (!ToHeaderRow()) {
            while (at_ < text_.size() && AtLineEnd())
                SkipLineEnd();
        }
        constexpr char candidates[] = {'\t', ';', ','};
        size_t counts[std::size(candidates)] = {};
        // As the reader takes them: a quote opens a quoted text only where a cell begins.
        bool cellStart = true;
        while (at_ < text_.size() && !AtLineEnd()) {
            if (cellStart && text_[at_] == '"') {
                SkipQuoted();
                cellStart = false;
                continue;
            }
            const char* found = std::find(std::begin(candidates), std::end(candidates), text_[at_]);
            cellStart = found != std::end(candidates);
            if (cellStart)
                ++counts[found - std::begin(candidates)];
            ++at_;
        }
        size_t best = 0;
        for (size_t c = 0; c < std::size(candidates); ++c) {
            if (counts[c] > counts[best] ||
                (counts[c] == counts[best] && candidates[c] == preferred))
                best = c;
        }
        return counts[best] == 0 ? preferred : candidates[best];
    }

private:
    bool AtLineEnd() const { return text_[at_] == '\n' || text_[at_] == '\r'; }

    void SkipLineEnd() {
        if (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n')
            ++at_;
        ++at_;
        ++line_;
    }

    // Past the byte-order mark and the file headers; true when the columns row of a
    // "#columns:" header starts here.
    bool ToHeaderRow() {
        if (text_.substr(0, ByteOrderMark.size()) == ByteOrderMark)
            at_ = ByteOrderMark.size();
        return SkipFileHeaders();
    }

    bool SkipFileHeaders() {
        while (at_ < text_.size() && text_[at_] == '#') {
            const size_t end = text_.find_first_of("\r\n", at_);
            const std::string_view header = text_.substr(
                at_ + 1, (end == std::string_view::npos ? text_.size() : end) - at_ - 1);
            const size_t colon = header.find(':');
            if (colon == std::string_view::npos || !IsHeaderName(header.substr(0, colon)))
                return false;
            if (header.substr(0, colon) == "columns") {
                // The rest of the line is an ordinary row of column names.
                at_ += 1 + colon + 1;
                return true;
            }
            at_ += 1 + header.size();
            if (at_ < text_.size())
                SkipLineEnd();
        }
        return false;
    }

    static bool IsHeaderName(std::string_view name) {
        if (name.empty())
            return false;
        for (char c : name) {
            if (!(c >= 'a' && c <= 'z') && c != ' ')
                return false;
        }
        return true;
    }

    void ReadRow() {
        TDelimitedRow row{line_, {}};
        for (;;) {
            std::string cell;
            if (at_ < text_.size() && text_[at_] == '"') {
                if (!ReadQuoted(cell))
                    return;
            } else {
                while (at_ < text_.size() && text_[at_] != separator_ && !AtLineEnd())
                    cell += text_[at_++];
            }
            row.cells.push_back(std::move(cell));
            if (at_ < text_.size() && text_[at_] == separator_) {
                ++at_;
                continue;
            }
            break;
        }
        if (at_ < text_.size())
            SkipLineEnd();
        result_.rows.push_back(std::move(row));
    }

    // A quoted cell: doubled quotes stand for one; it may hold separators and line breaks.
    bool ReadQuoted(std::string& cell) {
        const uint32_t opened = line_;
        ++at_;
        for (;;) {
            if (at_ >= text_.size())
                return Fail(opened, "a quoted text is not closed");
            const char c = text_[at_];
            if (c == '"') {
                if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                    cell += '"';
                    at_ += 2;
                    continue;
                }
                ++at_;
                break;
            }
            if (c == '\r' || c == '\n') {
                // Kept as written; the line count goes on.
                const size_t start = at_;
                SkipLineEnd();
                cell.append(text_.substr(start, at_ - start));
                continue;
            }
            cell += c;
            ++at_;
        }
        if (at_ < text_.size() && text_[at_] != separator_ && !AtLineEnd())
            return Fail(line_, "text follows a closing quote");
        return true;
    }

    // Past a quoted text, or to the end where it is not closed.
    void SkipQuoted() {
        for (++at_; at_ < text_.size(); ++at_) {
            if (text_[at_] != '"')
                continue;
            if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                ++at_;
                continue;
            }
            ++at_;
            return;
        }
    }

    bool Fail(uint32_t line, const char* reason) {
        result_.errorLine = line;
        result_.error = reason;
        return false;
    }

    std::string_view text_;
    char separator_;
    size_t at_ = 0;
    uint32_t line_ = 1;
    TDelimitedText result_;
};

// A lone empty cell is quoted, or its row would be an empty line; a leading "#" could read as
// a file header and a leading byte-order mark would be dropped.
bool NeedsQuotes(const std::string& cell, size_t cells, char separator) {
    return cell.find_first_of("\"\r\n") != std::string::npos ||
           cell.find(separator) != std::string::npos || (cell.empty() && cells == 1) ||
           cell.starts_with('#') || cell.starts_with(ByteOrderMark);
}

} // namespace

TDelimitedText ReadDelimitedText(std::string_view text, char separator) {
    return Reader(text, separator).Read();
}

char DetectSeparator(std::string_view text, char preferred) {
    return Reader(text, preferred).DetectSeparator(preferred);
}

std::string DelimitedRow(const std::vector<std::string>& cells, char separator) {
    std::string row;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            row += separator;
        if (!NeedsQuotes(cells[i], cells.size(), separator)) {
            row += cells[i];
            continue;
        }
        row += '"';
        for (char c : cells[i]) {
            if (c == '"')
                row += '"';
            row += c;
        }
        row += '"';
    }
    return row + "\r\n";
}

std::string CsvRow(const std::vector<std::string>& cells) {
    return DelimitedRow(cells, ',');
}
