#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tools/vkb/json_output.h"
#include "tools/vkb/session.h"

namespace vokabi::vkb {

// The operations that both the one-shot commands and the shell run on a loaded base. Words and
// results are UTF-8.
Json Info(Session& session);
Json LookupWord(Session& session, const std::string& word);
Json CompleteWord(Session& session, const std::string& prefix);
Json Neighbours(Session& session, std::int32_t position);
// One step back or forward through the history; {"ok": false, "message": 0} when there is none.
Json Step(Session& session, bool back);

// Position argument of the neighbour list; nothing when it is not a 32-bit whole number.
std::optional<std::int32_t> ParsePosition(const std::string& text);

}  // namespace vokabi::vkb
