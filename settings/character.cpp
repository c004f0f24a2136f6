#include "settings/character.h"

#include <cstring>
#include <istream>
#include <ostream>
#include <string>

namespace {
constexpr uint32_t MaxReadLength = 255;
}

character::character(uint32_t size) : Text(nullptr), Size(size == 0 ? 1 : size) {
    Text = new char[Size];
    Text[0] = '\0';
}

character::character(const char* text) : Text(nullptr), Size(0) {
    if (text == nullptr)
        text = "";
    Size = static_cast<uint32_t>(std::strlen(text) + 1);
    Text = new char[Size];
    std::memcpy(Text, text, Size);
}

character::character(const character& other) : Text(new char[other.Size]), Size(other.Size) {
    std::memcpy(Text, other.Text, Size);
}

character& character::operator=(const character& other) {
    if (this == &other)
        return *this;
    if (Size != other.Size) {
        char* text = new char[other.Size];
        delete[] Text;
        Text = text;
        Size = other.Size;
    }
    // Size is the allocation, the text may be shorter: copy the text and its terminator only.
    std::strcpy(Text, other.Text);
    return *this;
}

character::~character() {
    delete[] Text;
}

std::istream& operator>>(std::istream& in, character& value) {
    std::string text;
    std::istream::sentry ok(in, true); // leading blanks are part of the text
    if (ok) {
        using traits = std::istream::traits_type;
        std::streambuf* buffer = in.rdbuf();
        traits::int_type c = buffer->sgetc();
        // Characters, not bytes: a setting's text is UTF-8, where bytes of 10xxxxxx only
        // continue the character before them.
        uint32_t characters = 0;
        while (!traits::eq_int_type(c, traits::eof()) && traits::to_char_type(c) != '\n') {
            const bool continues = (traits::to_int_type(traits::to_char_type(c)) & 0xC0) == 0x80;
            if (!continues && characters++ == MaxReadLength)
                break;
            text.push_back(traits::to_char_type(c));
            c = buffer->snextc();
        }
        if (traits::eq_int_type(c, traits::eof()))
            in.setstate(std::ios::eofbit);
    }
    const uint32_t size = static_cast<uint32_t>(text.size() + 1);
    if (value.Size != size) {
        char* fresh = new char[size];
        delete[] value.Text;
        value.Text = fresh;
        value.Size = size;
    }
    std::memcpy(value.Text, text.c_str(), size);
    return in;
}

std::ostream& operator<<(std::ostream& out, const character& value) {
    return out << value.Text;
}

bool operator==(const character& a, const character& b) {
    return std::strcmp(a.Text, b.Text) == 0;
}
