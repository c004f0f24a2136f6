#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What a screen reader says of the drill window's answer boxes, in UTF-8.

// The name of answer box `index` (from 0) of `count`, ending in a colon as a label does: the
// translation field's name as the table has it ("GERMAN:"), or "Translation 2 of 3:" where the
// name says nothing (empty, or a maker's numbered name such as "TRANSL2" or "FIELD3").
std::string AnswerBoxName(std::string_view fieldName, uint32_t index, uint32_t count);

// How a judged box came out.
enum class TBoxResult { Right, Wrong, Empty, GivenUp };

// The box's description after Ready, Refuse or its check: whether it was right, and for any
// other result the right translation.
std::string ResultDescription(TBoxResult result, std::string_view translation);
