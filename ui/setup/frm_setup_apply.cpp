// The dialog's commands: Apply in its eighteen steps, OK, Default.
#include <QCheckBox>
#include <QComboBox>

#include "app/desktop_integration.h"
#include "app/error_class.h"
#include "app/language.h"
#include "app/registry.h"
#include "app/settings.h"
#include "engine/dictionary.h"
#include "platform/codepage.h"
#include "ui/setup/dialog_parts.h"
#include "ui/setup/fonts.h"
#include "ui/setup/frm_setup.h"

namespace vokabi::ui {

namespace {

constexpr int kLanguageStep = 1000;
constexpr int kLargePoints = 12;
constexpr int kSmallPoints = 10;

// What Default puts into the lists.
constexpr int kDefaultLanguage = 1;  // English
constexpr const char* kDefaultFont = "Arial";
constexpr int kDefaultScheme = 5;  // Green

}  // namespace

std::vector<int> FrmSetup::NeededCharsets(int interfaceCharset) const {
  std::vector<int> charsets{interfaceCharset};
  const auto& bases = host_->Dictionaries();
  if (AppSettings.WorkDic >= 0 && AppSettings.WorkDic < static_cast<int>(bases.size())) {
    const Dictionary& working = *bases[static_cast<std::size_t>(AppSettings.WorkDic)];
    charsets.push_back(working.Charset1());
    charsets.push_back(working.Charset2());
  }
  return charsets;
}

bool FrmSetup::On(int index) const {
  return check1_[index]->isChecked();
}

bool FrmSetup::BtnApply_Click() {
  const std::int32_t offset = combo1_->currentIndex() * kLanguageStep;
  const std::int32_t charset = CharsetForLanguage(offset);
  const QString face = combo2_->currentText();
  if (!FontShowsCharsets(face, NeededCharsets(charset))) {
    AppError.SetNomer(msg::kFontLacksLetters);
    ShowDialogMessage(
        this, QMessageBox::Warning,
        QString::fromStdString(platform::DecodeCharset(LanguageCharset, AppError.MsgText()).utf8));
    return false;
  }
  LanguageOffset = offset;
  LanguageCharset = charset;
  host_->FontLarge() = QFont(face, kLargePoints);
  host_->FontSmall() = QFont(face, kSmallPoints);
  AppSettings.UseFont = face.toStdString();

  ApplySwitches();

  // A scheme list that shows nothing (an unknown stored name) leaves the scheme alone. The list
  // shows the names in the interface language; the setting keeps the English one.
  const QString scheme = SchemeNames().value(combo3_->currentIndex());
  if (!scheme.isEmpty() && scheme.toStdString() != AppSettings.Style) {
    AppSettings.Style = scheme.toStdString();
    host_->Colours() = LookupSchemeColours(scheme);
  }
  if (!combo4_->currentText().isEmpty())
    AppSettings.PrinterName = combo4_->currentText().toStdString();

  Restyle();
  host_->DressLookupWindow();
  host_->SetLookupTopmost(AppSettings.AlwaysOnTop);
  // The session's entry exists only while the stored switch is on, so that a crash between the
  // two writes never leaves the program starting with a session it was taken out of.
  const bool saved = SaveSettings();
  if (saved && AppSettings.StartWithWindows) SetStartWithWindows(true, host_->Program());
  // A read-only settings folder was told of at the start.
  if (!saved && !RegistryReadOnly())
    ShowDialogMessage(this, QMessageBox::Critical, CatalogueMessage(msg::kSettingsNotSaved));
  return true;
}

void FrmSetup::ApplySwitches() {
  AppSettings.AlwaysOnTop = On(kAlwaysOnTop);
  AppSettings.SavePosition = On(kSavePosition);
  AppSettings.StartWithWindows = On(kStartWithWindows);
  // Switched on only once the settings say so (BtnApply_Click).
  if (!AppSettings.StartWithWindows) SetStartWithWindows(false, host_->Program());
  AppSettings.CompleteWord = On(kCompleteWord);
  AppSettings.ClipboardTranslate = On(kClipboardTranslate);
  AppSettings.SelectionTranslate = On(kSelectionTranslate);
  host_->SwitchLookupTimers();
  AppSettings.IEintegration = On(kIEintegration);
  RemoveBrowserMenus();
  if (AppSettings.IEintegration) InstallBrowserMenu(host_->Program().executable);
  AppSettings.SystrayIcon = On(kSystrayIcon);
  host_->ShowTrayIcon(AppSettings.SystrayIcon);
  AppSettings.MinimizeToTray = On(kMinimizeToTray);
}

void FrmSetup::BtnOk_Click() {
  AppError.Clear();
  if (BtnApply_Click()) close();
}

void FrmSetup::BtnDefault_Click() {
  const bool defaults[] = {false, true, false, true, false, false, false, false};
  for (int i = 0; i < kMinimizeToTray; ++i) check1_[i]->setChecked(defaults[i]);
  // The tray box keeps its state, and with it the icon it needs.
  Check1_Click(kMinimizeToTray);
  combo1_->setCurrentIndex(kDefaultLanguage);
  const QString face = QString::fromLatin1(kDefaultFont);
  int font = combo2_->findText(face);
  if (font < 0) font = combo2_->findText(ObtainedFamily(face));
  combo2_->setCurrentIndex(font);
  combo3_->setCurrentIndex(kDefaultScheme);
  BtnApply_Click();
}

}  // namespace vokabi::ui
