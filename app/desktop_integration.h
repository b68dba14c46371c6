#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/registry.h"

// The program's entries outside its own settings: the value that starts it with the session and
// the browser's context-menu entry that hands it the selected text of a page.
namespace vokabi {

// Under HKEY_LOCAL_MACHINE: one value per program started with the session.
inline constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Under HKEY_CURRENT_USER: one key per context-menu entry of the browser.
inline constexpr std::string_view kMenuExtKey = "Software\\Microsoft\\Internet Explorer\\MenuExt";
// Contexts of the entry: offered for selected text.
inline constexpr std::int32_t kMenuForSelectedText = 0x10;

// The running program as the entries name it.
struct ProgramFile {
  std::filesystem::path executable;  // absolute
  std::string iconPng;               // its picture, for desktops that show one beside the entry
};

// On: the Run value named after the program, with the command of platform::StartCommand, and the
// session's autostart file where the system reads one. Off: both removed; nothing is created and
// nothing reported when they are not there.
void SetStartWithWindows(platform::RegistryStore& store, bool on, const ProgramFile& program);

// The context-menu key of the interface language at languageOffset, with the script that starts
// the program with the selected text.
void InstallBrowserMenu(platform::RegistryStore& store, std::int32_t languageOffset,
                        const std::filesystem::path& executable);

// Removes the context-menu keys of all seven languages.
void RemoveBrowserMenus(platform::RegistryStore& store);

// Each backslash written twice, as a script's string literal needs it.
std::string DoubleBackslashes(std::string_view text);
// The script of the context-menu entry for the program at executablePath.
std::string BrowserMenuScript(std::string_view executablePath);
// The context-menu key named with text 48 of the language at offset, in UTF-8.
std::string BrowserMenuKey(std::int32_t offset);

}  // namespace vokabi
