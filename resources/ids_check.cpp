// The resource compiler reads the ids header, which can hold only plain numbers; the hint rows of
// the core carry the same numbers. These checks keep the two the same.
#include "answer/hint_keys.h"
#include "resources/ids.h"

static_assert(HintKeyOf(THintMode::StartingWord).command == CM_STARTING_WORD);
static_assert(HintKeyOf(THintMode::ContiguousWord).command == CM_CONTIGUOUS_WORD);
static_assert(HintKeyOf(THintMode::StartingChars).command == CM_STARTING_CHARS);
static_assert(HintKeyOf(THintMode::ContiguousChars).command == CM_CONTIGUOUS_CHARS);
static_assert(HintKeyOf(THintMode::InterlacingChars).command == CM_INTERLACING_CHARS);
static_assert(HintKeyOf(THintMode::InterlacingPhrases).command == CM_INTERLACING_PHRASES);
static_assert(HintKeyOf(THintMode::WildcardMatches).command == CM_WILDCARD_MATCHES);
