#include "answer/comments.h"

std::string RemoveComments(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t open = text.find('[', from);
        kept.append(text.substr(from, open - from));
        if (open == std::string_view::npos)
            break;
        const std::size_t close = text.find(']', open + 1);
        if (close == std::string_view::npos)
            break;
        from = close + 1;
    }
    return kept;
}
