// The dialog's commands: Apply in its eighteen steps, OK, Default.
#include <QCheckBox>
#include <QComboBox>

#include "app/app_context.h"
#include "app/desktop_integration.h"
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
  if (context_.AppSettings.WorkDic >= 0 &&
      context_.AppSettings.WorkDic < static_cast<int>(bases.size())) {
    const Dictionary& working = *bases[static_cast<std::size_t>(context_.AppSettings.WorkDic)];
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
    context_.AppError.SetNomer(msg::kFontLacksLetters);
    host_->Services().messageBox(
        this, QMessageBox::Warning,
        QString::fromStdString(
            platform::DecodeCharset(context_.Language.LanguageCharset, context_.AppError.MsgText())
                .utf8));
    return false;
  }
  context_.Language = InterfaceLanguage::At(offset);
  host_->FontLarge() = QFont(face, kLargePoints);
  host_->FontSmall() = QFont(face, kSmallPoints);
  context_.AppSettings.UseFont = face.toStdString();

  ApplySwitches();

  // A scheme list that shows nothing (an unknown stored name) leaves the scheme alone. The list
  // shows the names in the interface language; the setting keeps the English one.
  const QString scheme = SchemeNames().value(combo3_->currentIndex());
  if (!scheme.isEmpty() && scheme.toStdString() != context_.AppSettings.Style) {
    context_.AppSettings.Style = scheme.toStdString();
    host_->Colours() = LookupSchemeColours(scheme);
  }
  if (!combo4_->currentText().isEmpty())
    context_.AppSettings.PrinterName = combo4_->currentText().toStdString();

  Restyle();
  host_->DressLookupWindow();
  host_->SetLookupTopmost(context_.AppSettings.AlwaysOnTop);
  // The session's entry exists only while the stored switch is on, so that a crash between the
  // two writes never leaves the program starting with a session it was taken out of.
  const bool saved = SaveSettings(context_);
  if (saved && context_.AppSettings.StartWithWindows)
    SetStartWithWindows(context_.Store(), true, host_->Program());
  // A read-only settings folder was told of at the start.
  if (!saved && !context_.Store().ReadOnly())
    host_->Services().messageBox(this, QMessageBox::Critical,
                                 CatalogueMessage(context_.AppError, msg::kSettingsNotSaved));
  return true;
}

void FrmSetup::ApplySwitches() {
  context_.AppSettings.AlwaysOnTop = On(kAlwaysOnTop);
  context_.AppSettings.SavePosition = On(kSavePosition);
  context_.AppSettings.StartWithWindows = On(kStartWithWindows);
  // Switched on only once the settings say so (BtnApply_Click).
  if (!context_.AppSettings.StartWithWindows)
    SetStartWithWindows(context_.Store(), false, host_->Program());
  context_.AppSettings.CompleteWord = On(kCompleteWord);
  context_.AppSettings.ClipboardTranslate = On(kClipboardTranslate);
  context_.AppSettings.SelectionTranslate = On(kSelectionTranslate);
  host_->SwitchLookupTimers();
  context_.AppSettings.IEintegration = On(kIEintegration);
  RemoveBrowserMenus(context_.Store());
  if (context_.AppSettings.IEintegration)
    InstallBrowserMenu(context_.Store(), context_.Language.LanguageOffset,
                       host_->Program().executable);
  context_.AppSettings.SystrayIcon = On(kSystrayIcon);
  host_->ShowTrayIcon(context_.AppSettings.SystrayIcon);
  context_.AppSettings.MinimizeToTray = On(kMinimizeToTray);
}

void FrmSetup::BtnOk_Click() {
  context_.AppError.Clear();
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
