#include "app/desktop_integration.h"

#include "app/catalogue.h"
#include "app/language.h"
#include "app/registry.h"
#include "platform/autostart.h"
#include "platform/codepage.h"

namespace vokabi {

namespace {

constexpr int kMenuEntryText = 48;
constexpr std::int32_t kLanguageOffsets[] = {0, 1000, 2000, 3000, 4000, 5000, 6000};

// The path in the system's own form, UTF-8.
std::string PathText(const std::filesystem::path& path) {
  std::filesystem::path native = path;
  const std::u8string text = native.make_preferred().u8string();
  return {text.begin(), text.end()};
}

// The value's name: the executable's file name without its extension.
std::string ProgramName(const std::filesystem::path& executable) {
  const std::u8string stem = executable.stem().u8string();
  return {stem.begin(), stem.end()};
}

}  // namespace

void SetStartWithWindows(platform::RegistryStore& store, bool on, const ProgramFile& program) {
  const std::string name = ProgramName(program.executable);
  if (on) {
    if (CreateRegKey(store, RegRoot::LocalMachine, kRunKey))
      SetRegValue(store, RegRoot::LocalMachine, kRunKey, name,
                  platform::StartCommand(program.executable), kRegSzType);
    platform::WriteAutostartFile(program.executable, program.iconPng);
  } else {
    DeleteRegValue(store, RegRoot::LocalMachine, kRunKey, name);
    platform::RemoveAutostartFile();
  }
}

std::string DoubleBackslashes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    out += c;
    if (c == '\\') out += '\\';
  }
  return out;
}

std::string BrowserMenuScript(std::string_view executablePath) {
  const std::string quote = "\"";
  return "javascript:var ws = new ActiveXObject (" + quote + "WScript.Shell" + quote + ");ws.run(" +
         quote + DoubleBackslashes(executablePath) + quote +
         " + ' ' + external.menuArguments.document.selection.createRange().text);";
}

std::string BrowserMenuKey(std::int32_t offset) {
  const std::string text = LoadResString(offset + kMenuEntryText);
  return std::string(kMenuExtKey) + "\\" +
         platform::DecodeCharset(CharsetForLanguage(offset), text).utf8;
}

void InstallBrowserMenu(platform::RegistryStore& store, std::int32_t languageOffset,
                        const std::filesystem::path& executable) {
  const std::string key = BrowserMenuKey(languageOffset);
  if (!CreateRegKey(store, RegRoot::CurrentUser, key)) return;
  SetRegValue(store, RegRoot::CurrentUser, key, "", BrowserMenuScript(PathText(executable)),
              kRegSzType);
  SetRegValue(store, RegRoot::CurrentUser, key, "Contexts", kMenuForSelectedText, kRegDwordType);
}

void RemoveBrowserMenus(platform::RegistryStore& store) {
  for (const std::int32_t offset : kLanguageOffsets)
    DeleteRegKey(store, RegRoot::CurrentUser, BrowserMenuKey(offset));
}

}  // namespace vokabi
