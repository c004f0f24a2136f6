#include "database/word_list.h"

#include <algorithm>

void TWordList::Clear() {
    words_.clear();
    next_ = 0;
}

bool TWordList::RemoveNextDuplicate() {
    if (next_ < words_.size()) {
        const auto later = words_.begin() + static_cast<std::ptrdiff_t>(next_) + 1;
        words_.erase(std::remove(later, words_.end(), words_[next_]), words_.end());
        ++next_;
    }
    return next_ + 1 >= words_.size();
}
