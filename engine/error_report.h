#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <cstdint>

namespace vokabi {

// Every message number the program reports or shows, declared here once. The texts, in every
// interface language, are in app's catalogue; stored numbers and vkb's output carry the values,
// so a value never changes.
namespace msg {
inline constexpr std::int32_t kNone = 0;                 // no message: the last step succeeded
inline constexpr std::int32_t kNoSettings = 1;           // a base's header cannot be read
inline constexpr std::int32_t kMissingFile = 2;          // a base is missing or does not decipher
inline constexpr std::int32_t kCannotTranslate = 3;      // the lookup itself failed
inline constexpr std::int32_t kNoWord = 4;               // nothing was typed
inline constexpr std::int32_t kNotFound = 5;             // the word is no headword of the base
inline constexpr std::int32_t kNotCompleted = 6;         // no headword begins with the typed text
inline constexpr std::int32_t kHistoryStepFailed = 7;    // a step through the history failed
inline constexpr std::int32_t kBaseError = 8;            // the base's index is damaged
inline constexpr std::int32_t kVersionMismatch = 9;      // a base of another version
inline constexpr std::int32_t kNoBases = 10;             // no base loads: start-up ends
inline constexpr std::int32_t kRegistryOpenFailed = 11;  // the settings cannot be opened
inline constexpr std::int32_t kListFromOtherBase = 12;   // a word-list entry of another base
inline constexpr std::int32_t kBadLanguageIndex = 1000;  // a base's language index is wrong
inline constexpr std::int32_t kNotAnEntry = 1001;        // vkb: no entry at the position given
inline constexpr std::int32_t kSettingsNotSaved = 1101;  // the old settings are kept
inline constexpr std::int32_t kReadOnlySettings = 1102;  // the settings folder is read-only
inline constexpr std::int32_t kLauncherRefusesPath = 1103;  // autostart cannot start this path
inline constexpr std::int32_t kFontLacksLetters = 2000;     // the font cannot show the language
inline constexpr std::int32_t kPrinterMissing = 3000;       // the chosen printer is not installed
inline constexpr std::int32_t kPrintFailed = 3001;          // the print did not go through
inline constexpr std::int32_t kNothingToPrint = 3002;       // the pane holds no translation

// The numbers above with a text, for checks that walk them all.
inline constexpr std::int32_t kAll[] = {kNoSettings,
                                        kMissingFile,
                                        kCannotTranslate,
                                        kNoWord,
                                        kNotFound,
                                        kNotCompleted,
                                        kHistoryStepFailed,
                                        kBaseError,
                                        kVersionMismatch,
                                        kNoBases,
                                        kRegistryOpenFailed,
                                        kListFromOtherBase,
                                        kBadLanguageIndex,
                                        kNotAnEntry,
                                        kSettingsNotSaved,
                                        kReadOnlySettings,
                                        kLauncherRefusesPath,
                                        kFontLacksLetters,
                                        kPrinterMissing,
                                        kPrintFailed,
                                        kNothingToPrint};
}  // namespace msg

// Where the engine reports a failure: by message number only. The layers above own the texts.
class ErrorReport {
 public:
  virtual ~ErrorReport() = default;

  virtual void SetNomer(std::int32_t nomer) = 0;
  virtual std::int32_t Nomer() const = 0;
};

}  // namespace vokabi
