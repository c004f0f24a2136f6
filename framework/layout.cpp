#include "framework/layout.h"

#include <optional>
#include <stdexcept>

TEdgeConstraint Absolute(int32_t pixels) {
    return {TEdgeConstraint::Absolute, nullptr, TEdge::Left, pixels};
}

TEdgeConstraint ParentEdge(TEdge edge, int32_t offset) {
    return {TEdgeConstraint::Relative, nullptr, edge, offset};
}

TEdgeConstraint SiblingEdge(const TWindow& sibling, TEdge edge, int32_t offset) {
    return {TEdgeConstraint::Relative, &sibling, edge, offset};
}

namespace {
int32_t EdgeOf(const RECT& rect, TEdge edge) {
    switch (edge) {
    case TEdge::Left:
        return rect.left;
    case TEdge::Top:
        return rect.top;
    case TEdge::Right:
        return rect.right;
    case TEdge::Bottom:
        return rect.bottom;
    }
    return 0;
}
} // namespace

std::vector<RECT> SolveLayout(const RECT& area, std::span<const TLayoutItem> items,
                              const std::function<RECT(const TWindow&)>& currentRect) {
    std::vector<std::optional<RECT>> solved(items.size());

    // The position a relative constraint names, or nothing while its window is not solved.
    auto position = [&](const TEdgeConstraint& constraint) -> std::optional<int32_t> {
        if (constraint.RelWin == nullptr)
            return EdgeOf(area, constraint.OtherEdge) + constraint.Value;
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i].first == constraint.RelWin) {
                if (!solved[i])
                    return std::nullopt;
                return EdgeOf(*solved[i], constraint.OtherEdge) + constraint.Value;
            }
        return EdgeOf(currentRect(*constraint.RelWin), constraint.OtherEdge) + constraint.Value;
    };

    // start: the left (top) edge constraint; extent: width (height) or right (bottom) edge.
    auto axis = [&](const TEdgeConstraint& start, const TEdgeConstraint& extent, int32_t low,
                    int32_t high) -> std::optional<std::pair<int32_t, int32_t>> {
        std::optional<int32_t> first = low;
        if (start.Kind == TEdgeConstraint::Relative)
            first = position(start);
        else if (start.Kind == TEdgeConstraint::Absolute)
            first = start.Value;
        if (!first)
            return std::nullopt;
        std::optional<int32_t> last = *first + (high - low);
        if (extent.Kind == TEdgeConstraint::Absolute)
            last = *first + extent.Value;
        else if (extent.Kind == TEdgeConstraint::Relative)
            last = position(extent);
        if (!last)
            return std::nullopt;
        return std::make_pair(*first, *last);
    };

    size_t left = items.size();
    while (left > 0) {
        size_t progress = 0;
        for (size_t i = 0; i < items.size(); ++i) {
            if (solved[i])
                continue;
            const TLayoutMetrics& metrics = items[i].second;
            const RECT now = currentRect(*items[i].first);
            auto horizontal = axis(metrics.X, metrics.Width, now.left, now.right);
            auto vertical = axis(metrics.Y, metrics.Height, now.top, now.bottom);
            if (!horizontal || !vertical)
                continue;
            solved[i] =
                RECT{horizontal->first, vertical->first, horizontal->second, vertical->second};
            ++progress;
        }
        if (progress == 0)
            throw std::logic_error("Layout constraints depend on each other in a circle.");
        left -= progress;
    }

    std::vector<RECT> rects;
    rects.reserve(items.size());
    for (const auto& rect : solved)
        rects.push_back(*rect);
    return rects;
}
