#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app_rules/drill_scale.h"

struct TProgress;

// The progress window's rules: its figures as text lines, and its picture laid out in pixels at
// the drill window's scale. The window only draws what these give.

// The days the progress window looks ahead.
constexpr uint32_t ForecastDays = 30;

// Every figure of the window as plain text, one line each: what Ctrl+C copies and what a screen
// reader reads. `table` is the table's file name.
std::vector<std::string> ProgressLines(const TProgress& progress, const std::string& table);

// What a bar stands for; the window gives each its colour.
enum class TBarKind { Level, NeverAsked, AnsweredWrong, Learnt, ComingDue };

struct TPictureRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t Right() const { return left + width; }
    int32_t Bottom() const { return top + height; }
};

struct TPictureText {
    int32_t left = 0;
    int32_t top = 0;
    std::string text; // UTF-8
    bool bold = false;
};

struct TPictureBar {
    TPictureRect place;
    TBarKind kind = TBarKind::Level;
};

struct TProgressPicture {
    std::vector<TPictureText> texts;
    std::vector<TPictureBar> bars;
    // The part the figures take, and the Close button below it.
    TPictureRect figures;
    TPictureRect closeButton;
    // The client area that holds them all.
    int32_t width = 0;
    int32_t height = 0;
};

// How the window's fonts measure: a text's width in pixels, and the height of a line.
struct TPictureFonts {
    std::function<int32_t(const std::string& text, bool bold)> textWidth;
    int32_t lineHeight = 0;
};

// The bars of each COUNT level and of the learnt words, the new words told apart from those
// answered wrong; the words to drill and resting; the next days on which rests end.
TProgressPicture LayOutProgress(const TProgress& progress, const std::string& table,
                                const TPictureFonts& fonts, const TDrillScale& scale);

// Its length for a bar of `count` out of `largest`: in proportion, at least one pixel for any
// word at all.
int32_t BarLength(uint32_t count, uint32_t largest, int32_t fullLength);
