#include "settings/age.h"

#include <istream>
#include <ostream>

#include "settings/text_form.h"

std::istream& operator>>(std::istream& in, TAge& value) {
    ReadNumber(in, value.Count);
    if (in)
        ReadSeparator(in);
    if (in)
        ReadNumber(in, value.Days);
    return in;
}

std::ostream& operator<<(std::ostream& out, const TAge& value) {
    return out << value.Count << ':' << value.Days;
}

unsigned CheckAgeText(const char* text) {
    if (text == nullptr || text[0] == ':')
        return 0;
    unsigned result = 0;
    uint64_t number = 0; // the part read so far, to refuse one that no field can hold
    for (unsigned i = 0; text[i] != '\0'; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            number = number * 10 + static_cast<uint64_t>(c - '0');
            if (number > UINT32_MAX)
                return 0;
            continue;
        }
        if (c == ':' && result == 0 && text[i + 1] >= '0' && text[i + 1] <= '9') {
            result = i + 1;
            number = 0;
            continue;
        }
        return 0; // a second colon, a colon without a digit after it, or any other character
    }
    return result;
}

std::vector<TAge> FirstStartAges() {
    std::vector<TAge> ages;
    for (uint32_t count = 1; count <= 9; ++count)
        ages.push_back(TAge{count, 1u << (count - 1)});
    return ages;
}
