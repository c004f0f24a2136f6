#pragma once

#include <string>
#include <vector>

#include "settings/keys.h"

// Sizes the function-key list to the maximum count typed as `countText`, so that it holds one
// element per COUNT from 0 to count - 1: new elements are the default keys, elements from the
// count on are dropped. The count is read as the settings file reads it (leading blanks, an
// optional "+" but no "-", digits up to the first other character, above the settings' limit
// taken as the limit); a text without such a number changes nothing. Returns whether the text
// held a count.
bool SizeKeyList(std::vector<TKeys>& keys, const std::string& countText);
