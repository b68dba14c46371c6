#include "tools/vkb/arguments.h"

#include <charconv>

namespace vokabi::vkb {

bool ParseQueryArgs(const Args& args, QueryArgs* out, std::string* error) {
  bool optionsDone = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsDone || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      out->positional.push_back(arg);
    } else if (arg == "--") {
      optionsDone = true;
    } else if (arg == "--json") {
      out->json = true;
    } else if (arg == "--exact") {
      out->exact = true;
    } else if (arg == "--lang" || arg.rfind("--lang=", 0) == 0) {
      std::string value;
      if (arg == "--lang") {
        if (i + 1 >= args.size()) {
          *error = "--lang needs a language number 0 to 6";
          return false;
        }
        value = args[++i];
      } else {
        value = arg.substr(7);
      }
      const auto language = ParseNumber(value, 0, 6);
      if (!language) {
        *error = "--lang takes a language number 0 to 6, not \"" + value + "\"";
        return false;
      }
      out->language = static_cast<int>(*language);
    } else {
      *error = "unknown option " + arg;
      return false;
    }
  }
  return true;
}

std::optional<std::int64_t> ParseNumber(std::string_view text, std::int64_t low,
                                        std::int64_t high) {
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  if (text.empty() || text.front() == '+') return std::nullopt;
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace vokabi::vkb
