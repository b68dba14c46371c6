#include "ui/setup/frm_setup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "app/app_context.h"
#include "app/scheme_names.h"
#include "platform/autostart.h"
#include "platform/codepage.h"
#include "ui/controls/button.h"
#include "ui/setup/dialog_parts.h"
#include "ui/setup/fonts.h"

namespace vokabi::ui {

namespace {

// The captions of the check boxes, drawn on the surface at x = 36 and these tops, with their
// text numbers, check box 0 to 8.
constexpr int kCaptionLeft = 36;
constexpr int kCaptionTops[FrmSetup::kCheckBoxes] = {37, 61, 85, 125, 149, 173, 213, 237, 261};
constexpr int kCaptionTexts[FrmSetup::kCheckBoxes] = {27, 28, 29, 30, 31, 37, 38, 32, 39};
constexpr int kCheckBoxLeft = 14;
constexpr int kCheckBoxSize = 18;
constexpr int kCaptionGap = 4;  // between a caption and the lists

// The four lists in a column on the right, each under its label.
constexpr int kListLeft = 320;
constexpr int kListWidth = 166;
constexpr int kListTop = 34;
constexpr int kListStep = 56;
constexpr int kLabelHeight = 18;
constexpr int kListHeight = 24;
constexpr int kLabelTexts[] = {26, 24, 33, 34};
const char* const kListNames[] = {"Combo1", "Combo2", "Combo3", "Combo4"};

constexpr int kCommandTop = 296;
constexpr int kCommandLeft = 36;
constexpr int kCommandWidth = 100;
constexpr int kCommandHeight = 26;
constexpr int kCommandGap = 8;

// Each language by its own name, as a user looking for theirs expects.
constexpr const char* kLanguageNames[] = {"Български", "English",  "Français", "Deutsch",
                                          "Español",   "Italiano", "Русский"};
constexpr int kLanguageStep = 1000;

QString SchemeCaptionText(const InterfaceLanguage& language, int scheme) {
  return QString::fromStdString(
      platform::DecodeCharset(language.LanguageCharset,
                              SchemeCaption(scheme, language.LanguageOffset))
          .utf8);
}

// The list's index of the stored scheme: a name stored in another case is still its scheme; an
// unknown one selects nothing.
int StoredSchemeIndex(const SettingsRecord& settings) {
  const QString stored = QString::fromStdString(settings.Style);
  const QStringList& names = SchemeNames();
  for (int i = 0; i < names.size(); ++i) {
    if (names[i].compare(stored, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

// A label ("Printer :") as its list's accessible name, without the colon.
QString AccessibleLabel(QString label) {
  label = label.trimmed();
  if (label.endsWith(u':')) label.chop(1);
  return label.trimmed();
}

}  // namespace

FrmSetup::FrmSetup(std::unique_ptr<DialogHost> host, QWidget* parent)
    : FramelessWindow(parent), host_(std::move(host)), context_(host_->Context()) {
  setObjectName(QStringLiteral("FrmSetup"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowModality(Qt::WindowModal);
  setFixedSize(kClientWidth, kClientHeight);
  BuildControls();
  Form_Load();
}

FrmSetup::~FrmSetup() = default;

void FrmSetup::BuildControls() {
  for (int i = 0; i < kCheckBoxes; ++i) {
    auto* box = new QCheckBox(this);
    box->setObjectName(QStringLiteral("Check1_%1").arg(i));
    box->setGeometry(kCheckBoxLeft, kCaptionTops[i] - 1, kCheckBoxSize, kCheckBoxSize);
    box->installEventFilter(this);
    check1_[i] = box;
    connect(box, &QCheckBox::toggled, this, [this, i] { Check1_Click(i); });
  }
  // Said when the user ticks the box, not when the dialog shows what is stored.
  connect(check1_[kStartWithWindows], &QCheckBox::clicked, this, [this](bool checked) {
    if (checked && !platform::LauncherAccepts(host_->Program().executable))
      host_->Services().messageBox(this, QMessageBox::Warning,
                                   CatalogueMessage(context_.AppError, msg::kLauncherRefusesPath));
  });
  QComboBox** const lists[] = {&combo1_, &combo2_, &combo3_, &combo4_};
  for (int i = 0; i < 4; ++i) {
    const int top = kListTop + i * kListStep;
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label1_%1").arg(i));
    label->setGeometry(kListLeft, top, kListWidth, kLabelHeight);
    DragBy(label);
    label1_[i] = label;
    auto* list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(kListNames[i]));
    list->setGeometry(kListLeft, top + kLabelHeight, kListWidth, kListHeight);
    *lists[i] = list;
  }
  const char* const commands[] = {"BtnOk", "BtnCancel", "BtnApply", "BtnDefault"};
  Button** const buttons[] = {&btnOk_, &btnCancel_, &btnApply_, &btnDefault_};
  for (int i = 0; i < 4; ++i) {
    *buttons[i] = MakeProgramButton(this, commands[i],
                                    QRect(kCommandLeft + i * (kCommandWidth + kCommandGap),
                                          kCommandTop, kCommandWidth, kCommandHeight));
  }
  btnClose_ = MakeCloseButton(this, kClientWidth, context_.Language);

  connect(btnOk_, &Button::Click, this, &FrmSetup::BtnOk_Click);
  connect(btnCancel_, &Button::Click, this, &FrmSetup::BtnCancel_Click);
  connect(btnClose_, &Button::Click, this, &FrmSetup::BtnCancel_Click);
  connect(btnApply_, &Button::Click, this, &FrmSetup::BtnApply_Click);
  connect(btnDefault_, &Button::Click, this, &FrmSetup::BtnDefault_Click);
}

void FrmSetup::Form_Load() {
  host_->SetLookupTopmost(false);
  Restyle();
  for (const char* name : kLanguageNames) combo1_->addItem(QString::fromUtf8(name));
  combo1_->setCurrentIndex(context_.Language.LanguageOffset / kLanguageStep);
  for (int i = 0; i < kSchemeCount; ++i) combo3_->addItem(SchemeCaptionText(context_.Language, i));
  combo3_->setCurrentIndex(StoredSchemeIndex(context_.AppSettings));
  FillFonts();
  FillPrinters();

  check1_[kAlwaysOnTop]->setChecked(context_.AppSettings.AlwaysOnTop);
  check1_[kSavePosition]->setChecked(context_.AppSettings.SavePosition);
  check1_[kStartWithWindows]->setChecked(context_.AppSettings.StartWithWindows);
  check1_[kMinimizeToTray]->setChecked(context_.AppSettings.MinimizeToTray);
  if (context_.AppSettings.StartWithWindows || context_.AppSettings.MinimizeToTray)
    context_.AppSettings.SystrayIcon = true;
  check1_[kSystrayIcon]->setChecked(context_.AppSettings.SystrayIcon);
  check1_[kSystrayIcon]->setEnabled(!context_.AppSettings.StartWithWindows &&
                                    !context_.AppSettings.MinimizeToTray);
  check1_[kCompleteWord]->setChecked(context_.AppSettings.CompleteWord);
  check1_[kClipboardTranslate]->setChecked(context_.AppSettings.ClipboardTranslate);
  check1_[kSelectionTranslate]->setChecked(context_.AppSettings.SelectionTranslate);
  check1_[kIEintegration]->setChecked(context_.AppSettings.IEintegration);
  // Where the browser does not exist the switch would do nothing; it shows what is stored.
  check1_[kIEintegration]->setEnabled(platform::HasBrowserMenuHost());
}

void FrmSetup::FillFonts() {
  combo2_->addItems(FontFamilies());
  const QString face = host_->FontLarge().family();
  int index = combo2_->findText(face);
  // A face the system lacks (Arial on many Linux systems): what it substitutes for it.
  if (index < 0) index = combo2_->findText(ObtainedFamily(face));
  combo2_->setCurrentIndex(index);
}

void FrmSetup::FillPrinters() {
  combo4_->addItems(host_->Services().printers());
  combo4_->setCurrentIndex(
      combo4_->findText(QString::fromStdString(context_.AppSettings.PrinterName)));
  combo4_->setEnabled(combo4_->count() > 0);
}

void FrmSetup::Restyle() {
  const SchemeColours& colours = host_->Colours();
  const QFont& small = host_->FontSmall();
  QComboBox* const lists[] = {combo1_, combo2_, combo3_, combo4_};
  btnOk_->SetCaption(InterfaceText(context_.Language, 7));
  btnCancel_->SetCaption(InterfaceText(context_.Language, 17));
  btnApply_->SetCaption(InterfaceText(context_.Language, 25));
  btnDefault_->SetCaption(InterfaceText(context_.Language, 36));
  // The schemes in the new language; the choice stays.
  for (int i = 0; i < combo3_->count(); ++i)
    combo3_->setItemText(i, SchemeCaptionText(context_.Language, i));
  for (int i = 0; i < kCheckBoxes; ++i) {
    // The captions are painted on the surface; a screen reader hears them as the boxes' names.
    check1_[i]->setAccessibleName(InterfaceText(context_.Language, kCaptionTexts[i]).trimmed());
  }
  for (int i = 0; i < 4; ++i) {
    label1_[i]->setBuddy(lists[i]);
    lists[i]->setAccessibleName(AccessibleLabel(InterfaceText(context_.Language, kLabelTexts[i])));
    label1_[i]->setText(InterfaceText(context_.Language, kLabelTexts[i]));
    label1_[i]->setFont(small);
    SetTextColour(label1_[i], colours.schemeText);
  }
  setWindowTitle(InterfaceText(context_.Language, 13));
  setFont(small);
  FramelessWindow::Restyle(colours);
  for (QCheckBox* box : check1_) {
    // The box itself stays white, as a check box is; around it the dialog's colour.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, ToQColor(colours.optionBack));
    palette.setColor(QPalette::WindowText, ToQColor(colours.schemeText));
    box->setPalette(palette);
    box->setAutoFillBackground(true);
  }
  for (Button* button : {btnOk_, btnCancel_, btnApply_, btnDefault_, btnClose_})
    DressButton(button, colours, small);
  for (QComboBox* list : {combo1_, combo2_, combo3_, combo4_}) {
    list->setFont(small);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, ToQColor(colours.listBack));
    palette.setColor(QPalette::Text, ToQColor(colours.listText));
    palette.setColor(QPalette::Button, ToQColor(colours.listBack));
    palette.setColor(QPalette::ButtonText, ToQColor(colours.listText));
    list->setPalette(palette);
  }
  btnClose_->setToolTip(InterfaceText(context_.Language, 6));
  update();
}

void FrmSetup::paintEvent(QPaintEvent* event) {
  FramelessWindow::paintEvent(event);
  QPainter painter(this);
  painter.setFont(host_->FontSmall());
  painter.setPen(ToQColor(host_->Colours().schemeText));
  for (int i = 0; i < kCheckBoxes; ++i) {
    const DrawnCaption caption = CheckCaption(i);
    painter.drawText(caption.room, Qt::AlignLeft | Qt::AlignTop, caption.text);
  }
}

FrmSetup::DrawnCaption FrmSetup::CheckCaption(int index) const {
  return {InterfaceText(context_.Language, kCaptionTexts[index]),
          QRect(kCaptionLeft, kCaptionTops[index], kListLeft - kCaptionLeft - kCaptionGap,
                2 * kLabelHeight)};
}

void FrmSetup::keyPressEvent(QKeyEvent* event) {
  // A focused button took its Enter itself; anywhere else Enter is Ok and Escape is Cancel.
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      BtnOk_Click();
      return;
    case Qt::Key_Escape:
      BtnCancel_Click();
      return;
    default:
      FramelessWindow::keyPressEvent(event);
  }
}

void FrmSetup::Check1_Click(int index) {
  if (index == kMinimizeToTray) HoldSystrayIcon(kMinimizeToTray, kStartWithWindows);
  if (index == kStartWithWindows) HoldSystrayIcon(kStartWithWindows, kMinimizeToTray);
}

void FrmSetup::HoldSystrayIcon(int index, int other) {
  QCheckBox* icon = check1_[kSystrayIcon];
  if (check1_[index]->isChecked()) {
    context_.AppSettings.SystrayIcon = true;
    icon->setChecked(true);
    icon->setEnabled(false);
  } else if (!check1_[other]->isChecked()) {
    icon->setEnabled(true);
  }
}

void FrmSetup::BtnCancel_Click() {
  host_->SetLookupTopmost(context_.AppSettings.AlwaysOnTop);
  close();
}

bool FrmSetup::eventFilter(QObject* watched, QEvent* event) {
  for (QCheckBox* box : check1_) {
    if (watched == box) return CheckBoxDrag(box, event);
  }
  return FramelessWindow::eventFilter(watched, event);
}

bool FrmSetup::CheckBoxDrag(QCheckBox* box, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    const auto& press = *static_cast<QMouseEvent*>(event);
    if (press.button() == Qt::LeftButton) {
      checkPressedAt_ = press.globalPosition().toPoint();
      windowFrom_ = pos();
      checkDragging_ = false;
      systemMoved_ = false;
    }
    return false;
  }
  if (event->type() == QEvent::MouseMove) {
    const auto& move = *static_cast<QMouseEvent*>(event);
    if (!move.buttons().testFlag(Qt::LeftButton)) return false;
    const QPoint by = move.globalPosition().toPoint() - checkPressedAt_;
    if (!checkDragging_ && by.manhattanLength() >= QApplication::startDragDistance()) {
      // A drag, not a click: the box keeps its value.
      checkDragging_ = true;
      box->setDown(false);
      systemMoved_ = windowHandle() != nullptr && windowHandle()->startSystemMove();
    }
    if (checkDragging_ && !systemMoved_) this->move(windowFrom_ + by);
    return checkDragging_;
  }
  if (event->type() == QEvent::MouseButtonRelease && checkDragging_) {
    checkDragging_ = false;
    return true;
  }
  return false;
}

}  // namespace vokabi::ui
