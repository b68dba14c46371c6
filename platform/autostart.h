#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Starting the program with the user's desktop session, and the browser whose context menu the
// program can join. The Run value itself goes through the registry layer above; what differs per
// system is the form of its command and the file a desktop reads besides.
namespace vokabi::platform {

// The command that starts the program hidden at log-on: on Windows "folder\name.exe /1";
// elsewhere the absolute path, quoted when it holds a space, then " /1".
std::string StartCommand(const std::filesystem::path& executable);

// The file the desktop session reads to start the program, where the system has one
// ($XDG_CONFIG_HOME/autostart/vokabi.desktop); empty on Windows, where the Run value does it.
std::filesystem::path AutostartFile();

// Whether the session's launcher can start the program from this path. A desktop entry cannot
// name a path with "%" (launchers refuse the "%%" that stands for it), a control character or
// bytes that are not UTF-8; on Windows every path can be started.
bool LauncherAccepts(const std::filesystem::path& executable);

// Writes the autostart file in one replacement, with iconPng (when not empty) stored where it
// names it; false when it cannot, also when the launcher would not accept the path, and then
// nothing is written. Does nothing where the system has no such file.
bool WriteAutostartFile(const std::filesystem::path& executable, std::string_view iconPng);

// Removes the autostart file and its icon; nothing when there is none.
void RemoveAutostartFile();

// True where the browser whose MenuExt keys add a context-menu entry exists (Internet Explorer).
bool HasBrowserMenuHost();

}  // namespace vokabi::platform
