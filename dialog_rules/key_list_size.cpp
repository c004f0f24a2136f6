#include "dialog_rules/key_list_size.h"

#include <algorithm>
#include <sstream>

#include "settings/options.h"
#include "settings/text_form.h"

bool SizeKeyList(std::vector<TKeys>& keys, const std::string& countText) {
    std::istringstream in(countText);
    uint32_t count = 0;
    if (!ReadNumber(in, count))
        return false;
    keys.resize(std::min(count, TOptions::MaxCountLimit));
    return true;
}
