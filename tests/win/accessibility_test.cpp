#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <string>

#include "framework/theme.h"
#include "platform/text_codec.h"
#include "resources/ids.h"
#include "tests/win/drill_scene.h"

// What a screen reader finds in the drill window, and the colours under a contrast theme.

namespace {

TableBuilder NamedFieldsTable() {
    TableBuilder table;
    table.Field("WORD", 20)
        .Field("PART", 10)
        .Field("TRANSCRIPT", 10)
        .Field("THIRDLANG", 10)
        .Field("GERMAN", 20)
        .Field("TRANS2", 20)
        .Field("LASTCHANGE", 8, 'D')
        .Field("COUNT", 2, 'N');
    table.Record({"house", "noun", "[haus]", "maison", "Haus", "Heim"});
    return table;
}

std::wstring WindowText(HWND window) {
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return text;
}

// The accessible description the system's accessibility layer gives for a window. (The
// interface's id is taken from the compiler: the import library's IID_IAccessible is the
// address of an import, not the id.)
std::wstring Description(HWND window) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible))))
        return L"(no accessible object)";
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR description = nullptr;
    std::wstring text;
    if (accessible->get_accDescription(self, &description) == S_OK && description != nullptr)
        text = description;
    SysFreeString(description);
    accessible->Release();
    return text;
}

COLORREF PixelOf(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

} // namespace

TEST(Accessibility, TheQuestionTheBoxesAndTheirResultsCanBeRead) {
    DrillScene scene;
    scene.Put(NamedFieldsTable());
    TVocorixDlg& window = scene.Open();

    // The question as painted, its lines joined.
    const HWND display = WordDisplayOf(window).GetHandle();
    EXPECT_EQ(WindowText(display), L"Translate the noun house [haus] maison");

    // Each box's label stands just before it: the field's name, or its place where the name
    // only numbers it.
    const wchar_t* names[] = {L"GERMAN:", L"Translation 2 of 2:"};
    for (uint32_t i = 0; i < 2; ++i) {
        const HWND label = GetWindow(AnswerBox(window, i).GetHandle(), GW_HWNDPREV);
        wchar_t className[16] = L"";
        GetClassNameW(label, className, 16);
        EXPECT_STREQ(className, L"Static");
        EXPECT_EQ(WindowText(label), names[i]);
        EXPECT_FALSE(IsWindowVisible(label));
    }

    AnswerBox(window, 0).SetText(L"Haus");
    window.Send(WM_COMMAND, CM_READY);
    scene.Pump();
    EXPECT_EQ(Description(AnswerBox(window, 0).GetHandle()), L"Right.");
    EXPECT_EQ(Description(AnswerBox(window, 1).GetHandle()),
              L"Not answered. The translation is: Heim");
}

TEST(Accessibility, AContrastThemeGivesTheSystemsColoursAndNoneTheLightGrey) {
    DrillScene scene;
    scene.Put(WordTable({"Haus"}));
    TVocorixDlg& window = scene.Open();
    const HWND display = WordDisplayOf(window).GetHandle();
    const RECT client = WordDisplayOf(window).GetClientRect();
    const auto background = [&] {
        RedrawWindow(window.GetHandle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return std::make_pair(PixelOf(window.GetHandle(), 2, 2),
                              PixelOf(display, client.right - 2, client.bottom - 2));
    };
    EXPECT_EQ(background(), std::make_pair(RGB(192, 192, 192), RGB(192, 192, 192)));
    {
        const TScopedHighContrast contrast(true);
        window.Send(WM_SYSCOLORCHANGE, 0, 0);
        EXPECT_EQ(background(),
                  std::make_pair(GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE)));
    }
    window.Send(WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(background(), std::make_pair(RGB(192, 192, 192), RGB(192, 192, 192)));
}
