#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tools/vkb/vkb.h"

namespace vokabi::vkb {

// Options that every query command takes, and the positional arguments left over.
struct QueryArgs {
  bool json = false;
  bool exact = false;  // a miss stays a miss: no base forms, no suggestions
  int language = 1;    // interface language 0 to 6, for message texts
  Args positional;
};

// Reads --json, --exact, --lang N and "--"; false with a reason for anything else that looks like
// an option or a bad language.
bool ParseQueryArgs(const Args& args, QueryArgs* out, std::string* error);

// A whole decimal number within [low, high]; nothing for anything else, signs and spaces
// included (a leading '-' is allowed when low is negative).
std::optional<std::int64_t> ParseNumber(std::string_view text, std::int64_t low, std::int64_t high);

}  // namespace vokabi::vkb
