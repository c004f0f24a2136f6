#include "settings/keys.h"

#include <istream>
#include <ostream>

#include "settings/text_form.h"

namespace {
int32_t TKeys::*const Fields[9] = {
    &TKeys::TestInterlace,    &TKeys::TestAnswersOrder,   &TKeys::StartingWord,
    &TKeys::ContiguousWord,   &TKeys::StartingChars,      &TKeys::ContiguousChars,
    &TKeys::InterlacingChars, &TKeys::InterlacingPhrases, &TKeys::WildcardMatches,
};
}

std::istream& operator>>(std::istream& in, TKeys& value) {
    for (int i = 0; i < 9 && in; ++i) {
        if (i > 0)
            ReadSeparator(in);
        if (in)
            ReadNumber(in, value.*Fields[i]);
    }
    return in;
}

std::ostream& operator<<(std::ostream& out, const TKeys& value) {
    for (int i = 0; i < 9; ++i) {
        if (i > 0)
            out << ',';
        out << value.*Fields[i];
    }
    return out;
}

TKeys KeysFor(const std::vector<TKeys>& list, uint32_t count) {
    return count < list.size() ? list[count] : TKeys();
}
