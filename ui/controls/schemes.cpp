#include "ui/controls/schemes.h"

#include <array>

namespace vokabi::ui {
namespace {

struct Scheme {
  const char* name;
  SchemeColours colours;
};

constexpr Colour kHighlight = 0xFF0000;
constexpr Colour kLightYellow = 0xCCFFFF;

const std::array<Scheme, 10> kSchemes = {{
    {"Silver", {0xF4F4F4, 0x000000, 0xF4F4F4, kHighlight, 0xFFFFFF, 0x000000}},
    {"Gold", {0x37D9FB, 0x000000, 0x37D9FB, kHighlight, kLightYellow, 0x000000}},
    {"Copper", {0x435991, 0x00FFFF, 0x576C9F, kHighlight, kLightYellow, 0x000000}},
    {"Chrome", {0xC0C0C0, 0x000000, 0xC0C0C0, kHighlight, kLightYellow, 0x000000}},
    {"Red", {0x0000C0, 0x00FFFF, 0x0000C0, kHighlight, kLightYellow, 0x000000}},
    {"Green", {0x5AAA29, 0x000000, 0x5AAA29, kHighlight, kLightYellow, 0x000000}},
    {"Green Metallic", {0x00C000, 0x000000, 0x00C000, kHighlight, kLightYellow, 0x000000}},
    {"Blue sky", {0xCE9A63, 0x000000, 0xCE9A63, kHighlight, kLightYellow, 0x000000}},
    {"Blue dark", {0xFF4A1E, 0x00FFFF, 0xFF6F42, kHighlight, kLightYellow, 0x000000}},
    {"Black", {0x5A5A5A, 0xFFFFFF, 0x5A5A5A, kHighlight, kLightYellow, 0x000000}},
}};
constexpr std::size_t kFallback = 7;  // Blue sky

}  // namespace

const QStringList& SchemeNames() {
  static const QStringList names = [] {
    QStringList list;
    for (const Scheme& s : kSchemes) list << QString::fromLatin1(s.name);
    return list;
  }();
  return names;
}

SchemeColours LookupSchemeColours(const QString& name) {
  const QString wanted = name.toLower();
  for (const Scheme& s : kSchemes) {
    if (QString::fromLatin1(s.name).toLower() == wanted) return s.colours;
  }
  return kSchemes[kFallback].colours;
}

Colour MarkColour(const SchemeColours& colours) {
  // Text on a background is read at 4.5:1; a mark needs no less to be found at a glance.
  constexpr double kEnough = 4.5;
  const Colour back = colours.optionBack;
  if (Contrast(colours.schemeText, back) >= kEnough) return colours.schemeText;
  constexpr Colour kBlack = 0x000000;
  constexpr Colour kWhite = 0xFFFFFF;
  return Contrast(kBlack, back) >= Contrast(kWhite, back) ? kBlack : kWhite;
}

}  // namespace vokabi::ui
