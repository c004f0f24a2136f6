#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "answer/result_marks.h"
#include "platform/text_codec.h"
#include "settings/keys.h"

// How a judged or given-up box shows its own translation.
enum class TShown : uint8_t {
    Right,   // in NormalFont
    Wrong,   // in BoldFont
    Revealed // in BoldFont, given up
};

struct TShownBox {
    uint32_t box;
    TShown shown;
};

// What a drill command asks the window to show. An outcome with nothing in it: the command
// did not apply (no question open, a box already judged).
struct TDrillOutcome {
    static constexpr uint32_t NoBox = UINT32_MAX;

    // In box order; each of these boxes now shows its own translation and is closed.
    std::vector<TShownBox> shown;
    // A near miss: nothing was judged; this box takes the focus with its text selected.
    uint32_t correct = NoBox;
    // Its text was another box's translation: that box was judged, this one keeps its text
    // (its hint list emptied) and stays open.
    uint32_t keptOpen = NoBox;
    // After a check of one box: the open box that takes the focus next.
    uint32_t next = NoBox;
    // The question is over; the word is to be recorded as right or wrong.
    bool closed = false;
    bool right = false;
};

// The rules of one drill over a table: judging a question's answers exactly or interlaced,
// the order test, giving up, and the score. Boxes are numbered like the translation fields.
// The window only shows what the outcomes say and feeds in the typed texts.
class TDrill {
public:
    // A drill on a table with this many translation fields, under the settings' function-key
    // switches per COUNT level, whose texts are in this code page; the score starts at 0.
    explicit TDrill(uint32_t fieldCount = 0, std::vector<TKeys> keyList = {},
                    uint32_t codePage = SystemCodePage());

    // Opens a question on a record with these translations (trailing blanks removed) and this
    // COUNT. A box whose translation is empty takes no part.
    void Ask(std::vector<std::string> translations, uint32_t count);
    // The record's COUNT once its answer has been written (as it was, when the write failed):
    // from now on the hint keys and the status bar go by it.
    void Recorded(uint32_t count) { count_ = count; }
    // Judges every open box; `typed` holds each box's text by box number.
    TDrillOutcome Ready(const std::vector<std::string>& typed);
    // Gives up: every open box shows its translation, and the word counts as wrong.
    TDrillOutcome Refuse();
    // Judges box `box` alone, with its typed text.
    TDrillOutcome CheckField(uint32_t box, std::string_view typed);

    uint32_t FieldCount() const { return fieldCount_; }
    bool Answering() const { return answering_; }
    bool IsActive(uint32_t box) const { return boxes_[box].active; }
    bool IsJudged(uint32_t box) const { return boxes_[box].judged; }
    const std::string& Translation(uint32_t box) const { return translations_[box]; }
    // The record's COUNT as it stands now.
    uint32_t Count() const { return count_; }
    // The switches of that COUNT's level: a right answer moves the hint keys to the next one.
    TKeys Keys() const { return KeysFor(keyList_, count_); }

    uint32_t Total() const { return total_; }
    uint32_t Right() const { return right_; }
    bool AnswerOk() const { return answerOk_; }
    bool OrderOk() const { return orderOk_; }
    // Right × 100 / Total, halves rounded up; 0 before anything was judged.
    uint32_t Rate() const;

    // The status bar's six texts in UTF-8, in order: "Right:", "Total:", "Rate:", "Count:" (with
    // the record's COUNT), "Answer:", "Order:"; the marks, drawn as `marks` says, tell whether
    // the question is closed.
    std::array<std::string, 6> StatusTexts(bool closed, const TResultMarks& marks) const;
    std::string CountText() const;

private:
    struct TBox {
        bool active = false;
        bool judged = false;
        // 0, or 1 + the number of the translation its last check accepted.
        uint32_t rightResult = 0;
    };

    void CheckAnswer(uint32_t box, std::string_view typed);
    // These mark the translation they find as taken. 0, or 1 + the number of the open translation
    // the text equals (its own one first).
    uint32_t FindAnswer(std::string_view text, uint32_t own);
    // 0, or 1 + the number of the first open translation the text nearly equals.
    uint32_t FindInterlaced(std::string_view text);
    // The tolerant comparison, on characters where the table's texts are UTF-8.
    bool Interlaced(std::string_view typed, std::string_view translation) const;
    // Whether the box's text passed only the interlaced comparison.
    bool CheckInterlaced(uint32_t box, std::string_view typed);
    void ShowResult(uint32_t box, TDrillOutcome& outcome);
    void Close(TDrillOutcome& outcome);

    uint32_t fieldCount_;
    uint32_t codePage_;
    std::vector<std::string> translations_;
    std::vector<TBox> boxes_;
    std::vector<bool> matched_;
    std::vector<TKeys> keyList_;
    uint32_t count_ = 0;
    bool answering_ = false;
    bool answerOk_ = false;
    bool orderOk_ = false;
    bool interlaceHit_ = false;
    uint32_t total_ = 0;
    uint32_t right_ = 0;
};
