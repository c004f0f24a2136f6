#include "app/hint_characters.h"

#include "answer/character_words.h"
#include "database/word_list.h"
#include "platform/code_page.h"
#include "platform/text_codec.h"

THintCharacters::THintCharacters(const TWordList& words, const TCodePageText& codePage)
    : words_(words), utf8_(codePage.CodePage() == Utf8CodePage) {}

THintCharacters::~THintCharacters() = default;

const TCharacterWords* THintCharacters::Current() {
    if (!utf8_)
        return nullptr;
    if (characters_ == nullptr || words_.Count() != count_ || words_.Changes() != changes_) {
        characters_ = std::make_unique<TCharacterWords>(
            words_.Count(), [this](uint32_t i) { return words_.Item(i); });
        count_ = words_.Count();
        changes_ = words_.Changes();
    }
    return characters_->Fits() ? characters_.get() : nullptr;
}
