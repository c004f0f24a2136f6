#include "app_rules/accessible_texts.h"

#include <cctype>

namespace {

// A name that only numbers the field: a maker's prefix, then digits or nothing.
bool SaysNothing(std::string_view name) {
    size_t letters = 0;
    while (letters < name.size() && std::isalpha(static_cast<unsigned char>(name[letters])))
        ++letters;
    for (size_t i = letters; i < name.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(name[i])) && name[i] != '_')
            return false;
    std::string prefix;
    for (size_t i = 0; i < letters; ++i)
        prefix += static_cast<char>(std::toupper(static_cast<unsigned char>(name[i])));
    for (const char* generic : {"", "F", "FIELD", "T", "TR", "TRANS", "TRANSL", "TRANSLATIO",
                                "TRANSLATION", "COL", "COLUMN"})
        if (prefix == generic)
            return true;
    return false;
}

} // namespace

std::string AnswerBoxName(std::string_view fieldName, uint32_t index, uint32_t count) {
    if (!SaysNothing(fieldName))
        return std::string(fieldName) + ":";
    if (count <= 1)
        return "Translation:";
    return "Translation " + std::to_string(index + 1) + " of " + std::to_string(count) + ":";
}

std::string ResultDescription(TBoxResult result, std::string_view translation) {
    const std::string right = "The translation is: " + std::string(translation);
    switch (result) {
    case TBoxResult::Right:
        return "Right.";
    case TBoxResult::Wrong:
        return "Wrong. " + right;
    case TBoxResult::Empty:
        return "Not answered. " + right;
    case TBoxResult::GivenUp:
        return "Given up. " + right;
    }
    return {};
}
