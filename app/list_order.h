#pragma once

#include <string>
#include <vector>

// The order in which sorted list boxes and combo boxes keep their items: locale-aware and
// without regard to case. Texts are compared through their sort keys, which order as the
// control's comparison does, so that a long list can be sorted here and handed to the control
// already in order.

std::string ListSortKey(const char* text);
// Puts the texts into the order a sorted list gives them when they are added to it one by one
// in their present order. Texts the control counts as equal (differing in case only, say)
// stand where its insertion puts each of them.
void SortForList(std::vector<const char*>& texts);
