#pragma once

#include <string>
#include <vector>

// The order in which sorted list boxes and combo boxes keep their items: locale-aware and
// without regard to case. Texts are compared through their sort keys, which order as
// CompareStringA does, so that a long list can be sorted here and handed to the control
// already in order.

std::string ListSortKey(const char* text);
// Stable: texts the control counts as equal keep their order.
void SortForList(std::vector<const char*>& texts);
