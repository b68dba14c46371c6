#include "app/settings.h"

#include <limits>
#include <stdexcept>
#include <variant>
#include <vector>

#include "app/app_context.h"
#include "app/language.h"
#include "app/registry.h"

namespace vokabi {

namespace {

using R = SettingsRecord;

// What loading does to a stored number besides taking it.
enum Check {
  kAny,
  kIndex,     // a negative value, or one beyond a 16-bit index, gives the default
  kInWidth,   // below 0 or past the screen width in twips minus 1000 gives the default
  kInHeight,  // the same with the screen height
  kTray,      // forced on in memory when StartWithWindows or MinimizeToTray is on
  kLanguage,  // goes through LanguageForSetting
};
// Who reads a value: SelectLanguage, LoadSettings, or the main window's set-up.
enum Reader { kLang, kLoad, kSetup };
// Who writes it: SaveSettings, the closing main window, or that only with SavePosition.
enum Writer { kSave, kClose, kClosePos };

using Field =
    std::variant<std::monostate, bool R::*, std::int16_t R::*, std::int32_t R::*, std::string R::*>;

struct StoredSetting {
  std::string_view name;
  std::int32_t type;
  std::int32_t number;    // default of a REG_DWORD
  std::string_view text;  // default of a REG_SZ
  Check check;
  Reader reader;
  Writer writer;
  Field field;  // none for Language, which is LanguageOffset
};

constexpr std::int32_t kDw = kRegDwordType;
constexpr std::int32_t kSz = kRegSzType;

// Every stored value, in the order LoadSettings reads them; SaveSettings and the closing window
// write theirs in this order too.
// clang-format off
const StoredSetting kStored[] = {
  {"AlwaysOnTop",        kDw, 0,    "",      kAny,      kLoad,  kSave,     &R::AlwaysOnTop},
  {"SavePosition",       kDw, 1,    "",      kAny,      kLoad,  kSave,     &R::SavePosition},
  {"LeftPosition",       kDw, 2000, "",      kInWidth,  kLoad,  kClosePos, &R::LeftPosition},
  {"TopPosition",        kDw, 1400, "",      kInHeight, kLoad,  kClosePos, &R::TopPosition},
  {"StartWithWindows",   kDw, 0,    "",      kAny,      kLoad,  kSave,     &R::StartWithWindows},
  {"CompleteWord",       kDw, 1,    "",      kAny,      kLoad,  kSave,     &R::CompleteWord},
  {"ClipboardTranslate", kDw, 0,    "",      kAny,      kLoad,  kSave,     &R::ClipboardTranslate},
  {"SelectionTranslate", kDw, 0,    "",      kAny,      kLoad,  kSave,     &R::SelectionTranslate},
  {"IEintegration",      kDw, 0,    "",      kAny,      kLoad,  kSave,     &R::IEintegration},
  {"SystrayIcon",        kDw, 0,    "",      kTray,     kLoad,  kSave,     &R::SystrayIcon},
  {"MinimizeToTray",     kDw, 0,    "",      kAny,      kLoad,  kSave,     &R::MinimizeToTray},
  {"Language",           kDw, kNoLanguageStored, "", kLanguage, kLang, kSave, {}},
  {"UseFont",            kSz, 0,    "Arial", kAny,      kLoad,  kSave,     &R::UseFont},
  {"Style",              kSz, 0,    "Green", kAny,      kLoad,  kSave,     &R::Style},
  {"PrinterName",        kSz, 0,    "",      kAny,      kLoad,  kSave,     &R::PrinterName},
  {"WorkDic",            kDw, 0,    "",      kIndex,    kSetup, kClose,    &R::WorkDic},
  {"CyrKeyboard",        kDw, 0,    "",      kAny,      kLoad,  kClose,    &R::CyrKeyboard},
  {"LatKeyboard",        kDw, 0,    "",      kAny,      kLoad,  kClose,    &R::LatKeyboard},
};
// clang-format on

// Closing stores a window pushed off the left or top edge here instead.
constexpr std::int32_t kOffScreenEdge = 100;
// A stored position must leave this much of the window on the screen.
constexpr std::int64_t kScreenMargin = 1000;

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
// C++20 deduces this by itself, but clang before 17 does not.
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

const StoredSetting& Setting(std::string_view name) {
  for (const StoredSetting& setting : kStored)
    if (setting.name == name) return setting;
  throw std::logic_error("no such setting");
}

RegVariant Stored(AppContext& context, const StoredSetting& setting) {
  const RegVariant fallback =
      setting.type == kSz ? RegVariant(std::string(setting.text)) : RegVariant(setting.number);
  return QueryRegValue(context.Store(), RegRoot::CurrentUser, kSettingsKey, setting.name, fallback);
}

std::int32_t Checked(const StoredSetting& setting, std::int32_t number, std::int64_t width,
                     std::int64_t height) {
  switch (setting.check) {
    case kIndex:
      return number < 0 || number > std::numeric_limits<std::int16_t>::max() ? setting.number
                                                                             : number;
    case kInWidth:
      return number < 0 || number > width - kScreenMargin ? setting.number : number;
    case kInHeight:
      return number < 0 || number > height - kScreenMargin ? setting.number : number;
    default:
      return number;
  }
}

void Assign(SettingsRecord& record, const StoredSetting& setting, const RegVariant& value,
            std::int32_t number) {
  std::visit(
      Overloaded{[](std::monostate) {}, [&](bool R::*field) { record.*field = number != 0; },
                 [&](std::int16_t R::*field) { record.*field = static_cast<std::int16_t>(number); },
                 [&](std::int32_t R::*field) { record.*field = number; },
                 [&](std::string R::*field) { record.*field = RegText(value); }},
      setting.field);
}

// What is stored for a setting: Booleans as 1 or 0.
RegVariant Current(const AppContext& context, const StoredSetting& setting) {
  const SettingsRecord& record = context.AppSettings;
  return std::visit(
      Overloaded{[&](std::monostate) { return RegVariant(context.Language.LanguageOffset); },
                 [&](bool R::*field) { return RegVariant(record.*field ? 1 : 0); },
                 [&](std::int16_t R::*field) { return RegVariant(record.*field); },
                 [&](std::int32_t R::*field) { return RegVariant(record.*field); },
                 [&](std::string R::*field) { return RegVariant(record.*field); }},
      setting.field);
}

RegWrite Write(const StoredSetting& setting, const RegVariant& value) {
  return {std::string(setting.name), value, setting.type};
}

}  // namespace

Outcome SelectLanguage(AppContext& context) {
  if (Outcome opened = CreateRegKey(context.Store(), RegRoot::CurrentUser, kSettingsKey); !opened)
    return opened;
  context.Language = LanguageForSetting(RegNumber(Stored(context, Setting("Language"))));
  return {};
}

Outcome LoadSettings(AppContext& context, std::int32_t screenWidthTwips,
                     std::int32_t screenHeightTwips) {
  if (Outcome opened = CreateRegKey(context.Store(), RegRoot::CurrentUser, kSettingsKey); !opened)
    return opened;
  SettingsRecord& record = context.AppSettings;
  for (const StoredSetting& setting : kStored) {
    if (setting.reader != kLoad) continue;
    const RegVariant value = Stored(context, setting);
    Assign(record, setting, value,
           Checked(setting, RegNumber(value), screenWidthTwips, screenHeightTwips));
  }
  // Without the icon a hidden window could not be reached again.
  if (record.StartWithWindows || record.MinimizeToTray) record.SystrayIcon = true;
  return {};
}

bool SaveSettings(AppContext& context) {
  std::vector<RegWrite> writes;
  for (const StoredSetting& setting : kStored)
    if (setting.writer == kSave) writes.push_back(Write(setting, Current(context, setting)));
  return SetRegValues(context.Store(), RegRoot::CurrentUser, kSettingsKey, writes);
}

std::int16_t ReadWorkDic(AppContext& context) {
  const StoredSetting& setting = Setting("WorkDic");
  return static_cast<std::int16_t>(Checked(setting, RegNumber(Stored(context, setting)), 0, 0));
}

bool WorkDicStored(AppContext& context) {
  const RegVariant stored = QueryRegValue(context.Store(), RegRoot::CurrentUser, kSettingsKey,
                                          Setting("WorkDic").name, RegVariant());
  return !std::holds_alternative<std::monostate>(stored);
}

bool SaveClosingSettings(AppContext& context, std::int32_t leftTwips, std::int32_t topTwips) {
  SettingsRecord& record = context.AppSettings;
  if (record.SavePosition) {
    record.LeftPosition = leftTwips;
    record.TopPosition = topTwips;
  }
  std::vector<RegWrite> writes;
  for (const StoredSetting& setting : kStored) {
    if (setting.writer == kClose) writes.push_back(Write(setting, Current(context, setting)));
    if (setting.writer == kClosePos && record.SavePosition) {
      const std::int32_t edge = RegNumber(Current(context, setting));
      writes.push_back(Write(setting, edge < 0 ? kOffScreenEdge : edge));
    }
  }
  return SetRegValues(context.Store(), RegRoot::CurrentUser, kSettingsKey, writes);
}

}  // namespace vokabi
