#include <iostream>
#include <string>

#include "tools/vkb/arguments.h"
#include "tools/vkb/queries.h"
#include "tools/vkb/vkb.h"

namespace vokabi::vkb {
namespace {

// Keeps echoes of bad input short.
std::string Quote(const std::string& text) {
  constexpr std::size_t kMax = 40;
  return "\"" + (text.size() > kMax ? text.substr(0, kMax) + "..." : text) + "\"";
}

Json Run(Session& session, const std::string& line) {
  const std::size_t space = line.find(' ');
  const std::string command = line.substr(0, space);
  const bool hasArgument = space != std::string::npos;
  // Exactly one space separates command and argument: the rest may itself be blank.
  const std::string argument = hasArgument ? line.substr(space + 1) : std::string();
  if (command == "lookup") return LookupWord(session, argument);
  if (command == "complete") return CompleteWord(session, argument);
  if (command == "neighbours") {
    const auto position = ParsePosition(argument);
    if (!position)
      return Failure(msg::kNone,
                     "neighbours needs a whole-number position, not " + Quote(argument));
    return Neighbours(session, *position);
  }
  if (command == "back" || command == "next") {
    if (hasArgument) return Failure(msg::kNone, command + " takes no argument");
    return Step(session, command == "back");
  }
  return Failure(msg::kNone, "unknown command " + Quote(command) +
                                 "; the commands are lookup, complete, neighbours, back and next");
}

}  // namespace

int RunShell(const Args& args) {
  QueryArgs parsed;
  std::string error;
  if (!ParseQueryArgs(args, &parsed, &error)) return UsageError(error);
  if (parsed.positional.size() != 1)
    return UsageError("usage: vkb shell [--exact] [--lang N] BASE");

  // One dictionary for the whole session, so the history builds up across commands.
  Session session;
  session.SetLanguage(parsed.language);
  session.SetExact(parsed.exact);
  if (!session.Open(parsed.positional[0])) {
    PrintJson(Failure(session.Errors()));
    return kExitFailed;
  }
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    PrintJson(Run(session, line));
  }
  return kExitOk;
}

}  // namespace vokabi::vkb
