#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

class TWindow;

enum class TEdge { Left, Top, Right, Bottom };

// One edge or extent of a child: an absolute number of pixels, or an edge of the parent's
// layout area or of a sibling plus an offset.
struct TEdgeConstraint {
    enum TKind { Unset, Absolute, Relative };
    TKind Kind = Unset;
    const TWindow* RelWin = nullptr; // null: the parent's layout area
    TEdge OtherEdge = TEdge::Left;
    int32_t Value = 0;
};

TEdgeConstraint Absolute(int32_t pixels);
TEdgeConstraint ParentEdge(TEdge edge, int32_t offset);
TEdgeConstraint SiblingEdge(const TWindow& sibling, TEdge edge, int32_t offset);

// Where a child stands in its parent. X and Y place the left and top edges. Width and Height
// are either absolute extents or (Relative) the positions of the right and bottom edges. An
// unset constraint keeps the child's current value.
struct TLayoutMetrics {
    TEdgeConstraint X;
    TEdgeConstraint Y;
    TEdgeConstraint Width;
    TEdgeConstraint Height;
};

using TLayoutItem = std::pair<const TWindow*, TLayoutMetrics>;

// The rectangles that satisfy every item's constraints, in item order. `area` is the parent's
// layout area; `currentRect` gives the rectangle of a window that is not laid out here (and
// every item's present rectangle, for unset constraints). Throws when constraints depend on
// each other in a circle.
std::vector<RECT> SolveLayout(const RECT& area, std::span<const TLayoutItem> items,
                              const std::function<RECT(const TWindow&)>& currentRect);
