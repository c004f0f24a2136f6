#include "table_tool/delimited_text.h"

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

class Reader {
public:
    Reader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    TDelimitedText Read() {
        if (text_.substr(0, ByteOrderMark.size()) == ByteOrderMark)
            at_ = ByteOrderMark.size();
        SkipFileHeaders();
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

private:
    bool AtLineEnd() const { return text_[at_] == '\n' || text_[at_] == '\r'; }

    void SkipLineEnd() {
        if (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n')
            ++at_;
        ++at_;
        ++line_;
    }

    void SkipFileHeaders() {
        while (at_ < text_.size() && text_[at_] == '#') {
            const size_t end = text_.find_first_of("\r\n", at_);
            const std::string_view header = text_.substr(
                at_ + 1, (end == std::string_view::npos ? text_.size() : end) - at_ - 1);
            const size_t colon = header.find(':');
            if (colon == std::string_view::npos || !IsHeaderName(header.substr(0, colon)))
                return;
            if (header.substr(0, colon) == "columns") {
                // The rest of the line is an ordinary row of column names.
                at_ += 1 + colon + 1;
                ReadRow();
                return;
            }
            at_ += 1 + header.size();
            if (at_ < text_.size())
                SkipLineEnd();
        }
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
bool NeedsQuotes(const std::string& cell, size_t cells) {
    return cell.find_first_of(",\"\r\n") != std::string::npos || (cell.empty() && cells == 1) ||
           cell.starts_with('#') || cell.starts_with(ByteOrderMark);
}

} // namespace

TDelimitedText ReadDelimitedText(std::string_view text, char separator) {
    return Reader(text, separator).Read();
}

std::string CsvRow(const std::vector<std::string>& cells) {
    std::string row;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            row += ',';
        if (!NeedsQuotes(cells[i], cells.size())) {
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
