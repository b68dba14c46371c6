#include "platform/posix/desktop_entry.h"

#include <string_view>

namespace vokabi::platform::desktop {

namespace {

// Characters that make an Exec argument need quotes.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
// Characters that need a backslash inside the quotes.
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

// The general rule for string values, applied over the Exec quoting.
std::string EscapeValue(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string ExecArgument(const std::string& path) {
  std::string argument;
  if (path.find_first_of(kReserved) == std::string::npos) {
    argument = path;
  } else {
    argument = "\"";
    for (const char c : path) {
      if (kEscapedInQuotes.find(c) != std::string_view::npos) argument += '\\';
      argument += c;
    }
    argument += '"';
  }
  std::string out;
  for (const char c : argument) out += c == '%' ? std::string("%%") : std::string(1, c);
  return out;
}

std::string AutostartEntry(const std::filesystem::path& executable,
                           const std::filesystem::path& icon) {
  std::string text =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=Vokabi\n"
      "Exec=" +
      EscapeValue(ExecArgument(executable.string()) + " /1") + "\n";
  if (!icon.empty()) text += "Icon=" + EscapeValue(icon.string()) + "\n";
  text += "X-GNOME-Autostart-enabled=true\n";
  return text;
}

}  // namespace vokabi::platform::desktop
