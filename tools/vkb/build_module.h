#pragma once

// build and evaluate live in a module of their own, vkb-build, loaded only when one of them runs:
// ICU, which only they need, costs a lookup a millisecond and a half to load.
namespace vokabi::vkb {

// The module's one export: runs the command ("build" or "evaluate") on its arguments (UTF-8)
// and returns the exit status.
using BuildCommandEntry = int (*)(const char* command, int count, const char* const* args);
inline constexpr char kBuildCommandEntry[] = "vkb_build_command";

}  // namespace vokabi::vkb
