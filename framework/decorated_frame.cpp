#include "framework/decorated_frame.h"

#include "framework/status_bar.h"

const TResponse TDecoratedFrame::ResponseRows[] = {
    OnMessage<&TDecoratedFrame::EvSize>(WM_SIZE),
};

const TResponseTable TDecoratedFrame::ResponseTable{&TFrameWindow::ResponseTable, ResponseRows};

TDecoratedFrame::TDecoratedFrame(TWindow* parent, std::string_view title)
    : TFrameWindow(parent, title) {}

void TDecoratedFrame::InsertBottom(TStatusBar& bar) {
    bar_ = &bar;
}

void TDecoratedFrame::SetChildLayoutMetrics(TWindow& child, const TLayoutMetrics& metrics) {
    for (TLayoutItem& item : metrics_)
        if (item.first == &child) {
            item.second = metrics;
            return;
        }
    metrics_.emplace_back(&child, metrics);
}

void TDecoratedFrame::RemoveChildLayoutMetrics(TWindow& child) {
    std::erase_if(metrics_, [&](const TLayoutItem& item) { return item.first == &child; });
}

void TDecoratedFrame::ChildRemoved(TWindow& child) {
    RemoveChildLayoutMetrics(child);
    // A constraint on the removed child would read freed memory at the next layout: the
    // children placed by it keep their place instead.
    for (TLayoutItem& item : metrics_)
        for (TEdgeConstraint* edge :
             {&item.second.X, &item.second.Y, &item.second.Width, &item.second.Height})
            if (edge->RelWin == &child)
                *edge = TEdgeConstraint{};
    if (bar_ == &child)
        bar_ = nullptr;
    TFrameWindow::ChildRemoved(child);
}

RECT TDecoratedFrame::LayoutArea() const {
    RECT area = GetClientRect();
    if (bar_ != nullptr && bar_->GetHandle() != nullptr)
        area.bottom -= bar_->DesiredHeight();
    return area;
}

void TDecoratedFrame::Layout() {
    if (GetHandle() == nullptr)
        return;
    const RECT client = GetClientRect();
    const RECT area = LayoutArea();
    if (bar_ != nullptr && bar_->GetHandle() != nullptr)
        SetWindowPos(bar_->GetHandle(), nullptr, 0, area.bottom, client.right,
                     client.bottom - area.bottom, SWP_NOZORDER | SWP_NOACTIVATE);

    std::vector<TLayoutItem> items;
    for (const TLayoutItem& item : metrics_)
        if (item.first->GetHandle() != nullptr)
            items.push_back(item);
    const std::vector<RECT> rects =
        SolveLayout(area, items, [](const TWindow& window) { return window.GetRectInParent(); });
    for (size_t i = 0; i < items.size(); ++i) {
        const RECT& r = rects[i];
        SetWindowPos(items[i].first->GetHandle(), nullptr, r.left, r.top, r.right - r.left,
                     r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TDecoratedFrame::SetupWindow() {
    TFrameWindow::SetupWindow();
    Layout();
}

LRESULT TDecoratedFrame::EvSize(WPARAM, LPARAM) {
    Layout();
    return DefaultProcessing();
}

bool TDecoratedFrame::PreProcessMsg(MSG& message) {
    if (bar_ != nullptr && message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST)
        bar_->UpdateModeIndicators();
    return TFrameWindow::PreProcessMsg(message);
}
