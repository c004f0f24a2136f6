#pragma once

#include <windows.h>

#include <vector>

#include "framework/frame_window.h"
#include "framework/layout.h"

class TStatusBar;

// A frame that keeps its children at their layout constraints and carries a status bar along
// its bottom edge. The children are the frame's own; there is no client window.
class TDecoratedFrame : public TFrameWindow {
public:
    TDecoratedFrame(TWindow* parent, std::string_view title);

    // The bar is placed along the bottom edge across the whole client width at its own height.
    void InsertBottom(TStatusBar& bar);
    TStatusBar* GetStatusBar() const { return bar_; }
    // Replaces any constraints the child had.
    void SetChildLayoutMetrics(TWindow& child, const TLayoutMetrics& metrics);
    void RemoveChildLayoutMetrics(TWindow& child);
    // Places the bar, then every child with constraints.
    void Layout();
    // The client area less the bar: what the children's constraints refer to.
    RECT LayoutArea() const;

    bool PreProcessMsg(MSG& message) override;

protected:
    void SetupWindow() override;
    void ChildRemoved(TWindow& child) override;
    const TResponseTable& Responses() const override { return ResponseTable; }
    LRESULT EvSize(WPARAM wParam, LPARAM lParam);

    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

private:
    TStatusBar* bar_ = nullptr;
    std::vector<TLayoutItem> metrics_;
};
