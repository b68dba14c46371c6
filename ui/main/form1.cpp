#include "ui/main/form1.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>

#include "app/settings.h"
#include "resources/pictures.h"
#include "ui/controls/button.h"
#include "ui/controls/key_codes.h"
#include "ui/controls/program_button.h"
#include "ui/main/command_row.h"
#include "ui/main/flag_button.h"
#include "ui/main/keyboard_panel.h"
#include "ui/main/tray_icon.h"

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

}  // namespace

Form1::Form1(AppState& app, QWidget* parent) : FramelessWindow(parent), app_(app) {
  setObjectName(QStringLiteral("Form1"));
  setFixedSize(kClientWidth, kBaseClientHeight);
  setWindowIcon(ProgramIcon());
  BuildControls();
  tray_ = new TrayIcon(*this);
  MakeTimers();
  ConnectEvents();
}

Form1::~Form1() {
  // Taking the window down moves the focus; no handler may run on a half-destroyed window.
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

void Form1::BuildControls() {
  // The background label first, so that every other control lies above it.
  labelFon_ = new QLabel(this);
  labelFon_->setObjectName(QStringLiteral("LabelFon"));
  labelFon_->setGeometry(rect());
  DragBy(labelFon_);

  combo1_ = new QComboBox(this);
  combo1_->setObjectName(QStringLiteral("Combo1"));
  combo1_->setEditable(true);
  // The list holds recent words only; the window decides what goes into it and what completes.
  combo1_->setInsertPolicy(QComboBox::NoInsert);
  combo1_->setCompleter(nullptr);
  // Leaving the box would otherwise "pick" any recent word equal to its text.
  disconnect(combo1_->lineEdit(), &QLineEdit::editingFinished, combo1_, nullptr);
  combo1_->setMaxVisibleItems(kRecentWords);
  combo1_->setGeometry(kWordBox);
  combo1_->setProperty("charset", 0);
  combo1_->installEventFilter(this);
  combo1_->view()->installEventFilter(this);
  combo1_->view()->window()->installEventFilter(this);

  btnPrevod_ = MakeButton("BtnPrevod", kTranslateButton);

  text2_ = new QPlainTextEdit(this);
  text2_->setObjectName(QStringLiteral("Text2"));
  text2_->setGeometry(kPane);
  SetUpPane();

  wordList_ = new WordList(*this, this);
  wordList_->setObjectName(QStringLiteral("PictureLAB"));
  wordList_->setGeometry(kWordList);

  optionGroup_ = new QButtonGroup(this);
  options_.push_back(MakeOptionButton(0));
  options_[0]->setGeometry(kFirstOption);

  const char* const commands[] = {"BtnBack",  "BtnNext", "BtnSetup", "BtnAbout",
                                  "BtnPrint", "BtnCyr",  "BtnLat"};
  Button** const commandButtons[] = {&btnBack_,  &btnNext_, &btnSetup_, &btnAbout_,
                                     &btnPrint_, &btnCyr_,  &btnLat_};
  // Their widths follow their captions (LayOutCommandRow); this is the even share.
  for (int i = 0; i < 7; ++i) {
    const QRect geometry(kMargin + i * (kCommandWidth + kCommandGap), kCommandTop, kCommandWidth,
                         kCommandHeight);
    *commandButtons[i] = MakeButton(commands[i], geometry);
    commandRow_.push_back(*commandButtons[i]);
  }

  const int frameTop = 10;
  const int closeLeft = kClientWidth - kMargin - kFrameButtonSize;
  btnMin_ = MakeButton("BtnMin", QRect(closeLeft - kFrameButtonSize - 2, frameTop, kFrameButtonSize,
                                       kFrameButtonSize));
  btnClose_ =
      MakeButton("BtnClose", QRect(closeLeft, frameTop, kFrameButtonSize, kFrameButtonSize));
  keyboards_ = new KeyboardPanel(*this, kClientWidth, kBaseClientHeight,
                                 [this](const char* name, const QRect& geometry, QWidget* parent) {
                                   return MakeButton(name, geometry, parent);
                                 });
  btnCloseCyr_ = findChild<Button*>(QStringLiteral("BtnCloseCyr"));
  btnCloseLat_ = findChild<Button*>(QStringLiteral("BtnCloseLat"));
  // The strips drag the window as its background does.
  DragBy(keyboards_->Cyr());
  DragBy(keyboards_->Lat());
  DrawFramePictures();
}

void Form1::LayOutCommandRow() {
  QStringList captions;
  for (const Button* button : commandRow_) captions << button->Caption();
  const CommandRow row =
      PlanCommandRow(captions, app_.FontSmall, kClientWidth - 2 * kMargin, kCommandGap);
  int left = kMargin;
  for (std::size_t i = 0; i < commandRow_.size(); ++i) {
    Button* button = commandRow_[i];
    // Only a language whose captions do not fit at FontSmall gets a smaller one.
    if (row.font != app_.FontSmall) button->SetFont(row.font);
    button->setGeometry(left, kCommandTop, row.widths[i], kCommandHeight);
    left += row.widths[i] + kCommandGap;
  }
}

Button* Form1::MakeButton(const char* name, const QRect& geometry, QWidget* parent) {
  Button* button = MakeProgramButton(parent != nullptr ? parent : this, name, geometry);
  buttons_.push_back(button);
  return button;
}

void Form1::ConnectEvents() {
  connect(btnPrevod_, &Button::Click, this, [this] {
    BtnPrevod_Click();
    // Back to the word box, its text selected, for the next word.
    combo1_->setFocus();
  });
  connect(btnMin_, &Button::Click, this, &Form1::BtnMin_Click);
  connect(btnClose_, &Button::Click, this, &Form1::BtnClose_Click);
  connect(btnBack_, &Button::Click, this, &Form1::BtnBack_Click);
  connect(btnNext_, &Button::Click, this, &Form1::BtnNext_Click);
  connect(btnCyr_, &Button::Click, keyboards_, &KeyboardPanel::ToggleCyr);
  connect(btnLat_, &Button::Click, keyboards_, &KeyboardPanel::ToggleLat);
  connect(keyboards_, &KeyboardPanel::KeyClicked, this, &Form1::Image1_Click);
  connect(keyboards_, &KeyboardPanel::Resized, this, [this] {
    // A resize reshapes the window too, but only when the size really changed.
    ClipToClientArea();
    update();
  });
  connect(tray_, &TrayIcon::RestoreRequested, this, &Form1::mnuRestore_Click);
  connect(tray_, &TrayIcon::ExitRequested, this, &Form1::CloseAndSave);
  connect(btnSetup_, &Button::Click, this, &Form1::BtnSetup_Click);
  connect(tray_, &TrayIcon::SetupRequested, this, &Form1::BtnSetup_Click);
  connect(btnAbout_, &Button::Click, this, &Form1::BtnAbout_Click);
  connect(btnPrint_, &Button::Click, this, &Form1::BtnPrint_Click);
  connect(tray_, &TrayIcon::AboutRequested, this, &Form1::BtnAbout_Click);
  for (Button* button : buttons_) {
    connect(button, &Button::KeyUp, this, [this](int keyCode, int) { EscapeReleased(keyCode); });
  }
  connect(combo1_, &QComboBox::activated, this, &Form1::Combo1_Click);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == combo1_) return WordBoxEvent(event);
  if (watched == combo1_->view() || watched == combo1_->view()->window())
    return RecentListEvent(event);
  if (watched == text2_ || watched == text2_->viewport()) return PaneEvent(event);
  if (event->type() == QEvent::KeyRelease) {
    for (QToolButton* option : options_) {
      if (watched != option) continue;
      const auto* key = static_cast<QKeyEvent*>(event);
      if (!key->isAutoRepeat()) EscapeReleased(VirtualKey(key->key()));
    }
  }
  return QWidget::eventFilter(watched, event);
}

Dictionary& Form1::WorkingDictionary() {
  const int index = WorkDic();
  return *app_.Dictionaries.at(index >= 0 && index < DictionaryCount() ? index : 0);
}

int Form1::WorkDic() const {
  return AppSettings.WorkDic;
}

QString Form1::WordBoxText() const {
  return combo1_->currentText();
}

void Form1::Form_Load(const QString& commandLine) {
  SwitchTimers();
  BuildOptionButtons();
  Form1Setup();
  ClipToClientArea();

  const int left = AppSettings.SavePosition ? AppSettings.LeftPosition : kDefaultLeftTwips;
  const int top = AppSettings.SavePosition ? AppSettings.TopPosition : kDefaultTopTwips;
  move(left * logicalDpiX() / kTwipsPerInch, top * logicalDpiY() / kTwipsPerInch);

  if (AppSettings.SystrayIcon) SysTray();
  // Once the window is up, so that neither its showing nor a keystroke waits for them.
  QTimer::singleShot(0, this, &Form1::ReadSpellingDictionaries);

  // "/1" is the start with the session: the window waits in the tray.
  if (commandLine == QStringLiteral("/1")) return;
  // The band is chosen before the window first shows, so showing activates it as usual; asking
  // for the activation too serves desktops without a window manager, where nothing else would.
  setWindowFlag(Qt::WindowStaysOnTopHint, AppSettings.AlwaysOnTop);
  show();
  SetTopmost(this, AppSettings.AlwaysOnTop);
  activateWindow();
  combo1_->setFocus();
  if (!commandLine.isEmpty() && commandLine.trimmed() != QStringLiteral("0")) {
    combo1_->setEditText(commandLine);
    BtnPrevod_Click();
  }
  update();
}

void Form1::TranslateHandedText(const QString& text) {
  combo1_->setEditText(text);
  BtnPrevod_Click();
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

}  // namespace vokabi::ui
