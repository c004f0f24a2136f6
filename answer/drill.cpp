#include "answer/drill.h"

#include <cstdio>
#include <utility>

#include "answer/character_alphabet.h"
#include "answer/match.h"
#include "platform/code_page.h"
#include "platform/text_compare.h"

namespace {
template <typename... Args> std::string Format(const char* format, Args... args) {
    char text[32];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}
} // namespace

TDrill::TDrill(uint32_t fieldCount, std::vector<TKeys> keyList, uint32_t codePage)
    : fieldCount_(fieldCount), codePage_(codePage), translations_(fieldCount), boxes_(fieldCount),
      matched_(fieldCount, false), keyList_(std::move(keyList)) {}

void TDrill::Ask(std::vector<std::string> translations, uint32_t count) {
    translations.resize(fieldCount_);
    translations_ = std::move(translations);
    for (uint32_t i = 0; i < fieldCount_; ++i)
        boxes_[i] = {!translations_[i].empty(), false, 0};
    matched_.assign(fieldCount_, false);
    count_ = count;
    answering_ = true;
    answerOk_ = true;
    orderOk_ = true;
}

uint32_t TDrill::FindAnswer(std::string_view text, uint32_t own) {
    if (text.empty())
        return 0;
    if (!matched_[own] && SameAnswerText(text, translations_[own], codePage_)) {
        matched_[own] = true;
        return own + 1;
    }
    for (uint32_t t = 0; t < fieldCount_; ++t)
        if (!matched_[t] && SameAnswerText(text, translations_[t], codePage_)) {
            orderOk_ = false;
            matched_[t] = true;
            return t + 1;
        }
    return 0;
}

bool TDrill::Interlaced(std::string_view typed, std::string_view translation) const {
    return codePage_ == Utf8CodePage ? MatchInterlacedUtf8(typed, translation, 0)
                                     : MatchInterlaced(typed, translation, 0);
}

uint32_t TDrill::FindInterlaced(std::string_view text) {
    if (text.empty())
        return 0;
    for (uint32_t t = 0; t < fieldCount_; ++t)
        if (!matched_[t] && !boxes_[t].judged && Interlaced(text, translations_[t])) {
            interlaceHit_ = true;
            matched_[t] = true;
            return t + 1;
        }
    return 0;
}

void TDrill::CheckAnswer(uint32_t box, std::string_view typed) {
    TBox& b = boxes_[box];
    if (b.active && !b.judged)
        b.rightResult = FindAnswer(typed, box);
}

bool TDrill::CheckInterlaced(uint32_t box, std::string_view typed) {
    TBox& b = boxes_[box];
    if (!b.active || b.judged || b.rightResult != 0)
        return false;
    b.rightResult = FindInterlaced(typed);
    return b.rightResult != 0;
}

void TDrill::ShowResult(uint32_t box, TDrillOutcome& outcome) {
    if (!boxes_[box].active || boxes_[box].judged)
        return;
    ++total_;
    if (matched_[box]) {
        ++right_;
        outcome.shown.push_back({box, TShown::Right});
    } else {
        answerOk_ = false;
        orderOk_ = false;
        outcome.shown.push_back({box, TShown::Wrong});
    }
}

void TDrill::Close(TDrillOutcome& outcome) {
    // Closed before the record is written, so that nothing asked while the write reports a
    // problem can judge the question a second time.
    answering_ = false;
    outcome.closed = true;
    outcome.right = answerOk_;
}

TDrillOutcome TDrill::Ready(const std::vector<std::string>& typed) {
    TDrillOutcome outcome;
    if (!answering_)
        return outcome;
    auto text = [&](uint32_t i) { return i < typed.size() ? std::string_view(typed[i]) : ""; };
    const TKeys keys = Keys();
    interlaceHit_ = false;
    for (uint32_t i = 0; i < fieldCount_; ++i)
        CheckAnswer(i, text(i));
    if (keys.TestInterlace)
        for (uint32_t i = 0; i < fieldCount_; ++i)
            if (CheckInterlaced(i, text(i)) && outcome.correct == TDrillOutcome::NoBox)
                outcome.correct = i;
    if (interlaceHit_) {
        // A near miss is not judged: the question stays open for a correction.
        orderOk_ = true;
        for (uint32_t i = 0; i < fieldCount_; ++i)
            if (!boxes_[i].judged)
                matched_[i] = false;
        return outcome;
    }
    if (!orderOk_ && keys.TestAnswersOrder)
        answerOk_ = false;
    for (uint32_t i = 0; i < fieldCount_; ++i)
        ShowResult(i, outcome);
    Close(outcome);
    return outcome;
}

TDrillOutcome TDrill::Refuse() {
    TDrillOutcome outcome;
    if (!answering_)
        return outcome;
    for (uint32_t i = 0; i < fieldCount_; ++i)
        if (boxes_[i].active && !boxes_[i].judged) {
            ++total_;
            outcome.shown.push_back({i, TShown::Revealed});
        }
    orderOk_ = false;
    Close(outcome);
    // Given up is wrong, whatever the boxes judged on their own held.
    outcome.right = false;
    return outcome;
}

TDrillOutcome TDrill::CheckField(uint32_t box, std::string_view typed) {
    TDrillOutcome outcome;
    if (!answering_ || box >= fieldCount_ || !boxes_[box].active || boxes_[box].judged)
        return outcome;
    const TKeys keys = Keys();
    interlaceHit_ = false;
    CheckAnswer(box, typed);
    if (keys.TestInterlace && CheckInterlaced(box, typed)) {
        matched_[boxes_[box].rightResult - 1] = false;
        outcome.correct = box;
        return outcome;
    }
    uint32_t i = box;
    const uint32_t m = boxes_[box].rightResult;
    if (m != 0 && m - 1 != box) {
        outcome.keptOpen = box;
        i = m - 1;
    }
    if (!orderOk_ && keys.TestAnswersOrder)
        answerOk_ = false;
    ShowResult(i, outcome);
    boxes_[i].judged = true;
    for (uint32_t step = 1; step <= fieldCount_; ++step) {
        const uint32_t next = (i + step) % fieldCount_;
        if (boxes_[next].active && !boxes_[next].judged) {
            outcome.next = next;
            return outcome;
        }
    }
    Close(outcome);
    return outcome;
}

uint32_t TDrill::Rate() const {
    if (total_ == 0)
        return 0;
    return static_cast<uint32_t>((uint64_t{right_} * 100 + total_ / 2) / total_);
}

std::string TDrill::CountText() const {
    return Format("Count:%u", count_);
}

std::array<std::string, 6> TDrill::StatusTexts(bool closed, const TResultMarks& marks) const {
    const TResultMark held = closed ? TResultMark::Closed : TResultMark::Open;
    return {Format("Right:%u", right_),
            Format("Total:%u", total_),
            Format("Rate:%u%%", Rate()),
            CountText(),
            "Answer:" + marks.Text(answerOk_ ? held : TResultMark::No),
            "Order:" + marks.Text(orderOk_ ? held : TResultMark::No)};
}
