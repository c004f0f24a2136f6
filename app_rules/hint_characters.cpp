#include "app_rules/hint_characters.h"

#include <algorithm>

#include "answer/character_words.h"
#include "database/word_list.h"
#include "platform/code_page.h"
#include "platform/text_codec.h"

namespace {

// Words per step: a few milliseconds' work, as the hint order's steps.
constexpr uint32_t WordsPerStep = 16384;

} // namespace

THintCharacters::THintCharacters(const TWordList& words, const TCodePageText& codePage)
    : words_(words), utf8_(codePage.CodePage() == Utf8CodePage) {}

THintCharacters::~THintCharacters() = default;

bool THintCharacters::IsCurrent() const {
    return characters_ != nullptr && changes_ == words_.Changes() &&
           (characters_->Count() == words_.Count() || !characters_->Fits());
}

bool THintCharacters::Step() {
    if (!utf8_ || IsCurrent())
        return false;
    // Words added meanwhile are taken on; words lost start the work afresh.
    if (characters_ == nullptr || changes_ != words_.Changes() ||
        characters_->Count() > words_.Count()) {
        characters_ = std::make_unique<TCharacterWords>();
        changes_ = words_.Changes();
    }
    const uint32_t from = characters_->Count();
    const uint32_t to = std::min(words_.Count(), from + WordsPerStep);
    for (uint32_t i = from; i < to && characters_->Fits(); ++i)
        characters_->Add(words_.Item(i));
    return !IsCurrent();
}

const TCharacterWords* THintCharacters::Current() {
    while (Step()) {
    }
    return utf8_ && characters_->Fits() ? characters_.get() : nullptr;
}
