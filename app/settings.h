#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <cstdint>
#include <string>
#include <string_view>

#include "app/outcome.h"

// The settings record and the routines that load it at start-up and store it again.
namespace vokabi {

class AppContext;

// The key under HKEY_CURRENT_USER that holds every setting.
inline constexpr std::string_view kSettingsKey = "Software\\Tarnvel\\Vokabi\\Settings";

// The user's settings, each field named after the value that stores it. The interface fonts are
// made from UseFont by the window code.
struct SettingsRecord {
  std::int16_t WorkDic = 0;  // working base, among the bases as the main window lists them
  bool AlwaysOnTop = false;
  bool SavePosition = false;
  std::int32_t LeftPosition = 0;  // main window edges, in twips
  std::int32_t TopPosition = 0;
  bool StartWithWindows = false;
  bool MinimizeToTray = false;
  bool SystrayIcon = false;
  std::string UseFont;      // face name of the interface font
  std::string Style;        // colour scheme, as the settings dialog names it
  std::string PrinterName;  // empty: the default printer
  bool CompleteWord = false;
  bool ClipboardTranslate = false;
  bool SelectionTranslate = false;
  bool IEintegration = false;
  bool CyrKeyboard = false;
  bool LatKeyboard = false;

  bool operator==(const SettingsRecord&) const = default;
};

// Each routine works on the context's store and settings record (its AppSettings).

// Creates the settings key when missing and sets the interface language from the stored
// Language (99 when none). Fails with message 11 when the key cannot be opened.
Outcome SelectLanguage(AppContext& context);

// Fills AppSettings from the store, with the checks of each value; a stored position outside the
// screen (given in twips) gives the default position. Fails with message 11 when the settings
// key cannot be opened.
Outcome LoadSettings(AppContext& context, std::int32_t screenWidthTwips,
                     std::int32_t screenHeightTwips);

// Stores what the settings dialog applies: the switches, Language (LanguageOffset), UseFont
// (which the window code keeps equal to the face of its large font), Style and PrinterName.
// False when they could not be stored; the store then keeps what it held.
bool SaveSettings(AppContext& context);

// The stored working base for the main window's set-up: 0 when missing, negative or beyond a
// 16-bit index.
std::int16_t ReadWorkDic(AppContext& context);
// Whether a working base is stored at all (as a number or text), for the choice of a first start.
bool WorkDicStored(AppContext& context);

// Stores what the closing main window keeps: with SavePosition its position (in twips; a
// negative edge is stored as 100, and AppSettings takes the position), then WorkDic and the
// keyboards from AppSettings. False when they could not be stored.
bool SaveClosingSettings(AppContext& context, std::int32_t leftTwips, std::int32_t topTwips);

}  // namespace vokabi
