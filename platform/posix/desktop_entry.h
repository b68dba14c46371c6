#pragma once

#include <filesystem>
#include <string>

// The freedesktop.org desktop entry that starts the program with the session.
namespace vokabi::platform::desktop {

// A path as one argument of an Exec line: quoted when it holds a character the Exec rules
// reserve, with the escapes those rules ask for, "%" written "%%".
std::string ExecArgument(const std::string& path);

// The whole file: Type, Name, Exec (the program with /1), Icon and the GNOME switch.
std::string AutostartEntry(const std::filesystem::path& executable,
                           const std::filesystem::path& icon);

}  // namespace vokabi::platform::desktop
