#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/dc.h"
#include "platform/text_codec.h"
#include "tests/win/drill_scene.h"
#include "tests/win/test_fonts.h"

namespace {

// The pixels of a rectangle of a window's client area.
class Capture {
public:
    Capture(HWND window, const RECT& rect)
        : width_(rect.right - rect.left), height_(rect.bottom - rect.top),
          pixels_(static_cast<size_t>(width_ * height_)) {
        HDC source = GetDC(window);
        HDC memory = CreateCompatibleDC(source);
        HBITMAP bitmap = CreateCompatibleBitmap(source, width_, height_);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width_, height_, source, rect.left, rect.top, SRCCOPY);
        SelectObject(memory, old);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        GetDIBits(memory, bitmap, 0, static_cast<UINT>(height_), pixels_.data(), &info,
                  DIB_RGB_COLORS);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(window, source);
    }

    // Whether the pixel is not the light grey background.
    bool Ink(int x, int y) const { return (pixels_[y * width_ + x] & 0xFFFFFF) != 0xC0C0C0; }
    bool InkInRows(int top, int bottom, int left = 0, int right = -1) const {
        if (right < 0)
            right = width_;
        for (int y = top; y < bottom && y < height_; ++y)
            for (int x = left; x < right; ++x)
                if (Ink(x, y))
                    return true;
        return false;
    }
    int InkCount(int top, int bottom, int left) const {
        int count = 0;
        for (int y = top; y < bottom && y < height_; ++y)
            for (int x = std::max(left, 0); x < width_; ++x)
                count += Ink(x, y);
        return count;
    }
    // The leftmost and rightmost inked columns in the rows, -1 when none.
    std::pair<int, int> InkColumns(int top, int bottom) const {
        int first = -1, last = -1;
        for (int y = top; y < bottom && y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (Ink(x, y)) {
                    if (first < 0 || x < first)
                        first = x;
                    last = std::max(last, x);
                }
        return {first, last};
    }

private:
    int width_;
    int height_;
    std::vector<uint32_t> pixels_;
};

int32_t Width(const TFont& font, const std::string& text) {
    TScreenDC dc;
    TSelection selected(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

RECT ClientOf(const TWindow& window) {
    return window.GetClientRect();
}

TEST(WordDisplay, TranscriptionAndThirdLanguageStandUnderTheWord) {
    DrillScene scene;
    TableBuilder table = VocabularyFields(1, 20, {"PART", "TRANSCRIPT", "THIRDLANG"});
    table.Record({"house", "noun", "haus", "Haus", "das Haus"});
    scene.Put(table);
    TVocorixDlg& window = scene.Open();
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate the noun house haus Haus");

    const Capture shot(WordDisplayOf(window).GetHandle(), ClientOf(WordDisplayOf(window)));
    const int32_t wordStart = Width(TestFonts().Normal, "Translate the noun ");
    const auto first = shot.InkColumns(0, 16);
    const auto second = shot.InkColumns(16, 32);
    const auto third = shot.InkColumns(32, 48);
    EXPECT_LT(first.first, 3);              // the lead-in starts at the left edge
    EXPECT_GE(second.first, wordStart - 1); // the lines below start under the word
    EXPECT_LE(second.first, wordStart + 3);
    EXPECT_GE(third.first, wordStart - 1);
    EXPECT_LE(third.first, wordStart + 3);
    // "haus " in the normal font, "Haus" in bold.
    EXPECT_LE(second.second - wordStart, Width(TestFonts().Normal, "haus") + 1);
    EXPECT_GE(third.second - wordStart, Width(TestFonts().Bold, "Haus") - 2);
}

// The same text on the three lines: bold on the first and third, normal on the second.
TEST(WordDisplay, TheWordAndTheThirdLanguageAreBoldTheTranscriptionIsNot) {
    DrillScene scene;
    TableBuilder table = VocabularyFields(1, 20, {"TRANSCRIPT", "THIRDLANG"});
    table.Record({"mmmm", "mmmm", "mmmm", "Haus"});
    scene.Put(table);
    TVocorixDlg& window = scene.Open();
    const Capture shot(WordDisplayOf(window).GetHandle(), ClientOf(WordDisplayOf(window)));
    const int32_t wordStart = Width(TestFonts().Normal, "Translate ");
    const int word = shot.InkCount(0, 16, wordStart - 1);
    const int transcription = shot.InkCount(16, 32, wordStart - 1);
    const int thirdLanguage = shot.InkCount(32, 48, wordStart - 1);
    EXPECT_GT(transcription, 0);
    EXPECT_GT(word, transcription);
    EXPECT_EQ(word, thirdLanguage);
}

TEST(WordDisplay, ALongQuestionIsCutAtTheEdgeAndANewOneLeavesNothingOfTheOld) {
    DrillScene scene;
    scene.Put(WordTable({"Haus"}));
    TVocorixDlg& window = scene.Open();
    const std::string wide(200, 'W');
    const TCodePageText& codePage = CodePageText(window.GetDatabase().CodePage());
    WordDisplayOf(window).SetText(("Translate " + wide).c_str(), 10, 200, 0, codePage);
    const RECT display = WordDisplayOf(window).GetRectInParent();
    const Capture margin(window.GetHandle(),
                         RECT{display.right, display.top, display.right + 20, display.bottom});
    EXPECT_FALSE(margin.InkInRows(0, display.bottom - display.top));

    WordDisplayOf(window).SetText("Translate a", 10, 1, 0, codePage);
    const Capture shot(WordDisplayOf(window).GetHandle(), ClientOf(WordDisplayOf(window)));
    const int32_t end = Width(TestFonts().Normal, "Translate ") + Width(TestFonts().Bold, "a") + 2;
    EXPECT_TRUE(shot.InkInRows(0, 16, 0, end));
    EXPECT_FALSE(shot.InkInRows(0, 20, end));
}

TEST(WordDisplay, SegmentLengthsBeyondTheTextAreCut) {
    DrillScene scene;
    TableBuilder table = VocabularyFields(1, 20, {"TRANSCRIPT", "THIRDLANG"});
    table.Record({"house", "haus", "Haus", "das Haus"});
    scene.Put(table);
    TVocorixDlg& window = scene.Open();
    WordDisplayOf(window).SetText("Translate", 50, 60, 70,
                                  CodePageText(window.GetDatabase().CodePage()));
    EXPECT_STREQ(WordDisplayOf(window).GetQuestion(), "Translate");
    const Capture shot(WordDisplayOf(window).GetHandle(), ClientOf(WordDisplayOf(window)));
    EXPECT_TRUE(shot.InkInRows(0, 16));
    EXPECT_FALSE(shot.InkInRows(16, 52));
}

} // namespace
