#pragma once

#include <string>
#include <vector>

namespace vokabi::vkb {

// Exit status: 0 done, 1 the command failed (its message says why), 2 the command line is wrong.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

using Args = std::vector<std::string>;

// Each command gets the arguments after its name.
int RunInfo(const Args& args);
int RunLookup(const Args& args);
int RunComplete(const Args& args);
int RunNeighbours(const Args& args);
int RunShell(const Args& args);
int RunBuild(const Args& args);
int RunEvaluate(const Args& args);

// Help for every command; written to stdout for --help, to stderr after a usage error.
const char* UsageText();
// Prints the reason and a pointer to the help on stderr; returns kExitUsage.
int UsageError(const std::string& reason);

}  // namespace vokabi::vkb
