// The window, its frame and its dressing; the handlers hand on to the parts that own their state.
#include "ui/main/form1.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTimer>
#include <utility>

#include "app/app_context.h"
#include "app/catalogue.h"
#include "app/desktop_integration.h"
#include "resources/pictures.h"
#include "ui/about/frm_about.h"
#include "ui/controls/button.h"
#include "ui/controls/program_button.h"
#include "ui/main/base_loader.h"
#include "ui/main/command_row.h"
#include "ui/main/engine_text.h"
#include "ui/main/form1_parts.h"
#include "ui/main/keyboard_panel.h"
#include "ui/main/lookup_dialog_host.h"
#include "ui/main/option_buttons.h"
#include "ui/main/translation_pane.h"
#include "ui/main/tray_icon.h"
#include "ui/main/word_box.h"
#include "ui/setup/dialog_parts.h"
#include "ui/setup/frm_setup.h"

namespace vokabi::ui {

namespace {

// The window's design, in pixels of the client area.
constexpr int kMargin = 12;
constexpr int kFrameButtonSize = 18;
constexpr QRect kWordBox(kMargin, 32, 330, 28);
constexpr QRect kTranslateButton(348, 32, 100, 28);
constexpr int kPaneTop = 66;
constexpr int kListHeight = WordList::kRows * WordList::kRowHeight;
constexpr QRect kPane(kMargin, kPaneTop, 270, kListHeight);
constexpr QRect kWordList(288, kPaneTop, 160, kListHeight);
constexpr QRect kFirstOption(kMargin, 234, 30, 22);
constexpr int kCommandTop = 288;
constexpr int kCommandGap = 5;
constexpr int kCommandHeight = 24;
constexpr int kCommandWidth = 58;

// Where the window opens when no position is kept, in twips.
constexpr int kDefaultLeftTwips = 1300;
constexpr int kDefaultTopTwips = 800;
constexpr int kTwipsPerInch = 1440;

constexpr Colour kPictureMask = 0xFFFFFF;
constexpr int kPictureSize = 10;

// A small black picture on the mask colour, which the button leaves transparent.
QImage FramePicture(bool cross) {
  QImage picture(kPictureSize, kPictureSize, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setPen(QPen(Qt::black, 2));
  if (cross) {
    painter.drawLine(1, 1, kPictureSize - 2, kPictureSize - 2);
    painter.drawLine(1, kPictureSize - 2, kPictureSize - 2, 1);
  } else {
    painter.drawLine(1, kPictureSize - 2, kPictureSize - 2, kPictureSize - 2);
  }
  return picture;
}

// Interface text n, decoded with the interface language's character set.
QString Text(const InterfaceLanguage& language, int n) {
  return DecodeText(language.LanguageCharset, UiText(language, n));
}

// A printed label ("Word : ") as a control's accessible name: without its colon.
QString NameFromLabel(const InterfaceLanguage& language, int n) {
  QString name = Text(language, n).trimmed();
  if (name.endsWith(u':')) name.chop(1);
  return name.trimmed();
}

void SetColours(QWidget* widget, QPalette::ColorRole backRole, Colour back,
                QPalette::ColorRole textRole, Colour text) {
  QPalette palette = widget->palette();
  palette.setColor(backRole, ToQColor(back));
  palette.setColor(textRole, ToQColor(text));
  widget->setPalette(palette);
}

// The command buttons share their row by the widths of their captions.
void LayOutCommandRow(const std::vector<Button*>& commandRow, const QFont& fontSmall) {
  QStringList captions;
  for (const Button* button : commandRow) captions << button->Caption();
  const CommandRow row =
      PlanCommandRow(captions, fontSmall, Form1::kClientWidth - 2 * kMargin, kCommandGap);
  int left = kMargin;
  for (std::size_t i = 0; i < commandRow.size(); ++i) {
    Button* button = commandRow[i];
    // Only a language whose captions do not fit at FontSmall gets a smaller one.
    if (row.font != fontSmall) button->SetFont(row.font);
    button->setGeometry(left, kCommandTop, row.widths[i], kCommandHeight);
    left += row.widths[i] + kCommandGap;
  }
}

}  // namespace

Form1::Form1(AppState& app, QWidget* parent)
    : FramelessWindow(parent), app_(app), parts_(std::make_unique<Parts>()) {
  setObjectName(QStringLiteral("Form1"));
  setFixedSize(kClientWidth, kBaseClientHeight);
  setWindowIcon(ProgramIcon());
  BuildControls();
  parts_->tray = new TrayIcon(*this);
  parts_->history = new HistoryButtons(*this, this);
  parts_->foreignText = new ForeignTextWatch(app_.Context.AppSettings, this);
  parts_->print =
      new PrintButton(*parts_->wordBox, *parts_->pane, *this, app_.Context, app_.Services);
  ConnectEvents();
}

Form1::~Form1() {
  // Taking the window down moves the focus; no handler may run on a half-destroyed window.
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

void Form1::BuildControls() {
  Parts& c = *parts_;
  const auto makeButton = [this](const char* name, const QRect& geometry, QWidget* parent) {
    Button* button = MakeProgramButton(parent != nullptr ? parent : this, name, geometry);
    parts_->buttons.push_back(button);
    return button;
  };
  // The background label first, so that every other control lies above it.
  c.labelFon = new QLabel(this);
  c.labelFon->setObjectName(QStringLiteral("LabelFon"));
  c.labelFon->setGeometry(rect());
  DragBy(c.labelFon);

  parts_->wordBox = new WordBox(*this, kWordBox);

  c.btnPrevod = makeButton("BtnPrevod", kTranslateButton, nullptr);

  parts_->pane = new TranslationPane(*this);
  parts_->pane->Edit()->setGeometry(kPane);

  parts_->wordList = new WordList(*this, app_.Context.AppError, this);
  parts_->wordList->setObjectName(QStringLiteral("PictureLAB"));
  parts_->wordList->setGeometry(kWordList);

  parts_->options = new OptionButtons(*this, app_, kFirstOption);

  const char* const commands[] = {"BtnBack",  "BtnNext", "BtnSetup", "BtnAbout",
                                  "BtnPrint", "BtnCyr",  "BtnLat"};
  Button** const commandButtons[] = {&c.btnBack,  &c.btnNext, &c.btnSetup, &c.btnAbout,
                                     &c.btnPrint, &c.btnCyr,  &c.btnLat};
  // Their widths follow their captions (LayOutCommandRow); this is the even share.
  for (int i = 0; i < 7; ++i) {
    const QRect geometry(kMargin + i * (kCommandWidth + kCommandGap), kCommandTop, kCommandWidth,
                         kCommandHeight);
    *commandButtons[i] = makeButton(commands[i], geometry, nullptr);
    c.commandRow.push_back(*commandButtons[i]);
  }

  const int frameTop = 10;
  const int closeLeft = kClientWidth - kMargin - kFrameButtonSize;
  c.btnMin = makeButton(
      "BtnMin",
      QRect(closeLeft - kFrameButtonSize - 2, frameTop, kFrameButtonSize, kFrameButtonSize),
      nullptr);
  c.btnClose = makeButton("BtnClose",
                          QRect(closeLeft, frameTop, kFrameButtonSize, kFrameButtonSize), nullptr);
  parts_->keyboards = new KeyboardPanel(*this, kClientWidth, kBaseClientHeight, makeButton,
                                        app_.Context.AppSettings);
  c.btnCloseCyr = findChild<Button*>(QStringLiteral("BtnCloseCyr"));
  c.btnCloseLat = findChild<Button*>(QStringLiteral("BtnCloseLat"));
  // The strips drag the window as its background does.
  DragBy(parts_->keyboards->Cyr());
  DragBy(parts_->keyboards->Lat());
  for (Button* button : {c.btnMin, c.btnClose, c.btnCloseCyr, c.btnCloseLat}) {
    button->DisableRefresh();
    button->SetPictureNormal(FramePicture(button != c.btnMin));
    button->SetMaskColor(kPictureMask);
    button->SetUseMaskColor(true);
    button->SetPicturePosition(4);
    button->SetBord(false);
    button->Refresh();
  }
}

void Form1::ConnectEvents() {
  const Parts& c = *parts_;
  connect(c.btnPrevod, &Button::Click, this, [this] {
    BtnPrevod_Click();
    // Back to the word box, its text selected, for the next word.
    parts_->wordBox->Combo()->setFocus();
  });
  connect(c.btnMin, &Button::Click, this, &Form1::BtnMin_Click);
  connect(c.btnClose, &Button::Click, this, &Form1::BtnClose_Click);
  connect(c.btnBack, &Button::Click, this, &Form1::BtnBack_Click);
  connect(c.btnNext, &Button::Click, this, &Form1::BtnNext_Click);
  connect(c.btnCyr, &Button::Click, parts_->keyboards, &KeyboardPanel::ToggleCyr);
  connect(c.btnLat, &Button::Click, parts_->keyboards, &KeyboardPanel::ToggleLat);
  connect(parts_->keyboards, &KeyboardPanel::KeyClicked, this, &Form1::Image1_Click);
  connect(parts_->keyboards, &KeyboardPanel::Resized, this, [this] {
    // A resize reshapes the window too, but only when the size really changed.
    ClipToClientArea();
    update();
  });
  connect(parts_->tray, &TrayIcon::RestoreRequested, this, &Form1::mnuRestore_Click);
  connect(parts_->tray, &TrayIcon::ExitRequested, this, &Form1::CloseAndSave);
  connect(c.btnSetup, &Button::Click, this, &Form1::BtnSetup_Click);
  connect(parts_->tray, &TrayIcon::SetupRequested, this, &Form1::BtnSetup_Click);
  connect(c.btnAbout, &Button::Click, this, &Form1::BtnAbout_Click);
  connect(c.btnPrint, &Button::Click, this, &Form1::BtnPrint_Click);
  connect(parts_->tray, &TrayIcon::AboutRequested, this, &Form1::BtnAbout_Click);
  for (Button* button : c.buttons) {
    connect(button, &Button::KeyUp, this, [this](int keyCode, int) { EscapeReleased(keyCode); });
  }
  connect(parts_->pane, &TranslationPane::KeyUp, this, &Form1::EscapeReleased);
  connect(parts_->options, &OptionButtons::KeyUp, this, &Form1::EscapeReleased);
  connect(parts_->options, &OptionButtons::Clicked, this, &Form1::Option1_Click);
  connect(parts_->foreignText, &ForeignTextWatch::TextArrived, this, &Form1::TranslateForeign);
  connect(parts_->wordBox, &WordBox::KeyUp, this, &Form1::Combo1_KeyUp);
  connect(parts_->wordBox, &WordBox::Picked, this, &Form1::Combo1_Click);
}

void Form1::Form_Load(const QString& commandLine) {
  const SettingsRecord& settings = app_.Context.AppSettings;
  SwitchTimers();
  parts_->options->Build();
  Form1Setup();
  ClipToClientArea();

  const int left = settings.SavePosition ? settings.LeftPosition : kDefaultLeftTwips;
  const int top = settings.SavePosition ? settings.TopPosition : kDefaultTopTwips;
  move(left * logicalDpiX() / kTwipsPerInch, top * logicalDpiY() / kTwipsPerInch);

  if (settings.SystrayIcon) SysTray();
  // Once the window is up, so that neither its showing nor a keystroke waits for them.
  QTimer::singleShot(0, this, &Form1::ReadSpellingDictionaries);

  // "/1" is the start with the session: the window waits in the tray.
  if (commandLine == QStringLiteral("/1")) return;
  // The band is chosen before the window first shows, so showing activates it as usual; asking
  // for the activation too serves desktops without a window manager, where nothing else would.
  setWindowFlag(Qt::WindowStaysOnTopHint, settings.AlwaysOnTop);
  show();
  SetTopmost(this, settings.AlwaysOnTop);
  activateWindow();
  parts_->wordBox->Combo()->setFocus();
  if (!commandLine.isEmpty() && commandLine.trimmed() != QStringLiteral("0")) {
    parts_->wordBox->Combo()->setEditText(commandLine);
    BtnPrevod_Click();
  }
  update();
}

void Form1::TranslateHandedText(const QString& text) {
  parts_->wordBox->Combo()->setEditText(text);
  BtnPrevod_Click();
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

void Form1::Form1Setup() {
  SettingsRecord& settings = app_.Context.AppSettings;
  parts_->keyboards->Dress(app_.Colours, app_.FontSmall);
  DressControls();
  LoadTexts();
  LayOutCommandRow(parts_->commandRow, app_.FontSmall);
  parts_->tray->SetTip(windowTitle());
  parts_->options->Dress(app_.Colours);
  parts_->keyboards->Place();
  // The stored base is the start's choice only: dressing again after the settings dialog's Apply
  // keeps the base the user works in.
  std::int16_t work = settings.WorkDic;
  if (!parts_->workingBaseChosen) {
    work = ChooseWorkingBase(app_);
    parts_->workingBaseChosen = true;
    parts_->readyBase = work;
  }
  if (work >= DictionaryCount()) work = 0;
  settings.WorkDic = work;
  // Only the mark moves: dressing never looks anything up.
  SetOptionValue(work, false);
  NameWordList();
}

void Form1::DressControls() {
  const SchemeColours& colours = app_.Colours;
  Restyle(colours);
  QFont translateFont = app_.FontSmall;
  translateFont.setPointSize(12);
  translateFont.setBold(false);
  translateFont.setItalic(false);
  for (Button* button : parts_->buttons) {
    button->DisableRefresh();
    button->SetBackColor(colours.schemeButton);
    button->SetBackOver(colours.schemeButton);
    button->SetForeColor(colours.schemeText);
    button->SetForeOver(colours.schemeText);
    button->SetFont(button == parts_->btnPrevod ? translateFont : app_.FontSmall);
    button->Refresh();
  }

  QFont large = app_.FontLarge;
  large.setBold(false);
  large.setItalic(false);
  for (QWidget* box : {static_cast<QWidget*>(parts_->wordBox->Combo()),
                       static_cast<QWidget*>(parts_->pane->Edit())}) {
    box->setFont(large);
    SetColours(box, QPalette::Base, colours.listBack, QPalette::Text, colours.listText);
  }
  parts_->labelFon->setFont(large);
  SetColours(parts_->labelFon, QPalette::Window, colours.optionBack, QPalette::WindowText,
             colours.schemeText);
  parts_->wordList->Dress(colours, large);
  update();
}

void Form1::LoadTexts() {
  const InterfaceLanguage& language = app_.Context.Language;
  const Parts& c = *parts_;
  const std::pair<Button*, int> captions[] = {{c.btnBack, 40},  {c.btnNext, 41},  {c.btnSetup, 42},
                                              {c.btnAbout, 43}, {c.btnPrint, 44}, {c.btnPrevod, 46},
                                              {c.btnCyr, 49},   {c.btnLat, 50}};
  for (const auto& [button, n] : captions) button->SetCaption(Text(language, n));

  parts_->tray->SetTexts(Text(language, 54), Text(language, 13), Text(language, 14),
                         Text(language, 53));

  setWindowTitle(Text(language, 15));

  // The host's tooltips, not the buttons' own.
  const std::pair<Button*, int> tooltips[] = {
      {c.btnClose, 6},   {c.btnCloseCyr, 6}, {c.btnCloseLat, 6}, {c.btnMin, 10},
      {c.btnBack, 11},   {c.btnNext, 12},    {c.btnSetup, 13},   {c.btnAbout, 14},
      {c.btnPrevod, 45}, {c.btnPrint, 47},   {c.btnCyr, 51},     {c.btnLat, 52}};
  for (const auto& [button, n] : tooltips) button->setToolTip(Text(language, n));

  // What a screen reader calls the boxes: the printed page's labels for the word and its
  // translation; the word list by the base its headwords come from.
  parts_->wordBox->Combo()->setAccessibleName(NameFromLabel(language, 55));
  parts_->wordBox->Combo()->lineEdit()->setAccessibleName(NameFromLabel(language, 55));
  parts_->pane->Edit()->setAccessibleName(NameFromLabel(language, 56));
  NameWordList();
}

void Form1::NameWordList() {
  if (WorkDic() >= 0 && WorkDic() < DictionaryCount())
    parts_->wordList->setAccessibleName(parts_->options->BaseNames(WorkDic()));
}

void Form1::resizeEvent(QResizeEvent* event) {
  // The background label covers the whole client area, so all of it drags the window.
  parts_->labelFon->setGeometry(rect());
  FramelessWindow::resizeEvent(event);
}

void Form1::SetTrayAvailableProbe(std::function<bool()> probe) {
  parts_->tray->SetAvailableProbe(std::move(probe));
}

void Form1::SysTray() {
  parts_->tray->Add(windowTitle());
}

void Form1::BtnMin_Click() {
  setWindowState(windowState() | Qt::WindowMinimized);
}

void Form1::BtnClose_Click() {
  const SettingsRecord& settings = app_.Context.AppSettings;
  if (!settings.MinimizeToTray) {
    CloseAndSave();
    return;
  }
  if (!settings.SystrayIcon) SysTray();
  // Without a tray a hidden window could never be reached again, nor a minimised one without a
  // window manager: the window then stays as it is.
  if (parts_->tray->Available()) {
    hide();
  } else if (canMinimise_ ? canMinimise_() : PlatformMinimises()) {
    BtnMin_Click();
  }
}

void Form1::mnuRestore_Click() {
  if (windowState() != Qt::WindowNoState) setWindowState(Qt::WindowNoState);
  show();
  raise();
  activateWindow();
}

void Form1::Form_QueryUnload() {
  parts_->tray->Remove();
  // A read-only settings folder was told of at the start.
  if (!SaveClosingSettings(app_.Context, x() * kTwipsPerInch / logicalDpiX(),
                           y() * kTwipsPerInch / logicalDpiY()) &&
      !app_.Context.Store().ReadOnly())
    app_.Services.messageBox(this, QMessageBox::Critical,
                             CatalogueMessage(app_.Context.AppError, msg::kSettingsNotSaved));
  // The browser's entry follows the program to wherever it now lives.
  if (app_.Context.AppSettings.IEintegration)
    InstallBrowserMenu(app_.Context.Store(), app_.Context.Language.LanguageOffset,
                       QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString());
}

void Form1::CloseAndSave() {
  if (parts_->closing) return;
  parts_->closing = true;
  Form_QueryUnload();
  hide();
  QCoreApplication::quit();
}

void Form1::closeEvent(QCloseEvent* event) {
  CloseAndSave();
  event->accept();
}

void Form1::SwitchTimers() {
  parts_->foreignText->SwitchTimers();
}

void Form1::BtnBack_Click() {
  parts_->history->Back();
}

void Form1::BtnNext_Click() {
  parts_->history->Next();
}

void Form1::BtnPrint_Click() {
  parts_->print->Print();
}

void Form1::BtnSetup_Click() {
  // One dialog at a time: the tray menu reaches it while it is open.
  if (auto* open = findChild<FrmSetup*>()) {
    open->activateWindow();
    return;
  }
  (new FrmSetup(std::make_unique<LookupDialogHost>(*this, app_, *parts_->tray), this))->show();
}

void Form1::BtnAbout_Click() {
  if (auto* open = findChild<frmAbout*>()) {
    open->activateWindow();
    return;
  }
  (new frmAbout(std::make_unique<LookupDialogHost>(*this, app_, *parts_->tray), this))->show();
}

}  // namespace vokabi::ui
