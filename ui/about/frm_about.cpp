#include "ui/about/frm_about.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

#include "app/app_context.h"
#include "app/version.h"
#include "engine/dictionary.h"
#include "platform/codepage.h"
#include "platform/open_document.h"
#include "ui/about/about_logo.h"
#include "ui/controls/button.h"
#include "ui/setup/dialog_parts.h"

namespace vokabi::ui {

namespace {

constexpr int kLogoTop = 24;
constexpr int kBelowLogo = 15;
constexpr int kBelowVersion = 3;
constexpr int kBelowHeading = 5;
constexpr int kBetweenBases = 3;
constexpr int kAboveHome = 15;
constexpr int kAboveOk = 12;
constexpr int kBelowOk = 12;
constexpr QSize kOkSize(90, 26);
constexpr int kMargin = 20;

constexpr Colour kPressedColour = 0x0000FF;  // red
constexpr Colour kHoverColour = 0xFF0000;    // blue
constexpr Colour kBlack = 0;

constexpr int kShowNormal = 1;

// Left edge of a control of width w centred in the client area, the remainder dropped.
int Centred(int clientWidth, int w) {
  return (clientWidth - w) / 2;
}

QString BaseText(const InterfaceLanguage& language, const std::string& bytes) {
  return QString::fromStdString(platform::DecodeCharset(language.LanguageCharset, bytes).utf8);
}

}  // namespace

frmAbout::frmAbout(std::unique_ptr<DialogHost> host, QWidget* parent)
    : FramelessWindow(parent), host_(std::move(host)) {
  setObjectName(QStringLiteral("frmAbout"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowModality(Qt::WindowModal);
  Form_Load();
}

frmAbout::~frmAbout() = default;

QString frmAbout::BaseCaption(const InterfaceLanguage& language, const Dictionary& dictionary) {
  const std::int32_t ezik = language.Ezik();
  const QString words = InterfaceText(language, 2);
  return BaseText(language, dictionary.Ime_na_Dic(ezik, 1)) + QLatin1Char(' ') +
         QString::number(dictionary.BroiDumi1()) + words + QStringLiteral("\r\n") +
         BaseText(language, dictionary.Ime_na_Dic(ezik, 2)) + QLatin1Char(' ') +
         QString::number(dictionary.BroiDumi2()) + words;
}

QString frmAbout::VersionCaption(const InterfaceLanguage& language) {
  return InterfaceText(language, 1) +
         QStringLiteral("%1.%2%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

QLabel* frmAbout::MakeLabel(const char* name, const QString& text, int top, bool drags) {
  auto* label = new QLabel(text, this);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setFont(host_->FontLarge());
  SetTextColour(label, host_->Colours().schemeText);
  label->adjustSize();
  label->move(0, top);
  if (drags) DragBy(label);
  return label;
}

void frmAbout::Form_Load() {
  host_->SetLookupTopmost(false);
  const InterfaceLanguage& language = host_->Context().Language;
  const SchemeColours& colours = host_->Colours();
  setWindowTitle(InterfaceText(language, 14));
  FramelessWindow::Restyle(colours);

  imageLogo_ = new QLabel(this);
  imageLogo_->setObjectName(QStringLiteral("ImageLogo"));
  imageLogo_->setPixmap(AboutLogo());
  imageLogo_->adjustSize();
  imageLogo_->move(0, kLogoTop);
  DragBy(imageLogo_);

  lblVersion_ = MakeLabel("lblVersion", VersionCaption(language),
                          imageLogo_->geometry().bottom() + 1 + kBelowLogo);
  lblInstaled_ = MakeLabel("LblInstaled", InterfaceText(language, 3),
                           lblVersion_->geometry().bottom() + 1 + kBelowVersion);
  int top = lblInstaled_->geometry().bottom() + 1 + kBelowHeading;
  const auto& bases = host_->Dictionaries();
  for (std::size_t i = 0; i < bases.size(); ++i) {
    QLabel* label = MakeLabel("lblDic", BaseCaption(language, *bases[i]), top);
    label->setObjectName(QStringLiteral("lblDic_%1").arg(i));
    lblDic_.push_back(label);
    top = label->geometry().bottom() + 1 + kBetweenBases;
  }
  const int lastBottom = lblDic_.empty() ? lblInstaled_->geometry().bottom() + 1
                                         : lblDic_.back()->geometry().bottom() + 1;
  lblHome_ = MakeLabel("LblHome", InterfaceText(language, 4), lastBottom + kAboveHome, false);
  lblHome_->setCursor(Qt::PointingHandCursor);
  lblHome_->setMouseTracking(true);
  lblHome_->installEventFilter(this);
  SetHomeColour(colours.schemeText);

  // Wide enough for the widest line.
  int width = kClientWidth;
  for (QWidget* control : findChildren<QLabel*>())
    width = std::max(width, control->width() + 2 * kMargin);
  for (QWidget* control : findChildren<QLabel*>())
    control->move(Centred(width, control->width()), control->y());

  btnOk_ = MakeProgramButton(
      this, "BtnOk",
      QRect(QPoint(Centred(width, kOkSize.width()), lblHome_->geometry().bottom() + 1 + kAboveOk),
            kOkSize));
  btnOk_->SetCaption(InterfaceText(language, 7));
  btnClose_ = MakeCloseButton(this, width, language);
  for (Button* button : {btnOk_, btnClose_}) DressButton(button, colours, host_->FontLarge());
  connect(btnOk_, &Button::Click, this, &frmAbout::BtnOk_Click);
  connect(btnClose_, &Button::Click, this, &frmAbout::BtnOk_Click);
  setFixedSize(width, btnOk_->geometry().bottom() + 1 + kBelowOk);
}

void frmAbout::BtnOk_Click() {
  host_->SetLookupTopmost(host_->Context().AppSettings.AlwaysOnTop);
  close();
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      BtnOk_Click();
      return;
    default:
      FramelessWindow::keyPressEvent(event);
  }
}

void frmAbout::LblHome_Click() {
  platform::OpenDocument(host_->Services().openDocument, QStringLiteral("open"),
                         host_->HandbookFile(), QString(), QString(), kShowNormal);
}

void frmAbout::SetHomeColour(Colour colour) {
  homeColour_ = colour;
  SetTextColour(lblHome_, colour);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
  if (watched != lblHome_) return FramelessWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        SetHomeColour(kPressedColour);
      return true;
    case QEvent::MouseButtonRelease: {
      const auto* release = static_cast<QMouseEvent*>(event);
      if (release->button() != Qt::LeftButton) return true;
      if (homeColour_ == kPressedColour) SetHomeColour(host_->Colours().schemeText);
      if (lblHome_->rect().contains(release->position().toPoint())) LblHome_Click();
      return true;
    }
    case QEvent::MouseMove:
      if (homeColour_ == kBlack) SetHomeColour(kHoverColour);
      return true;
    case QEvent::Leave:
      // Hovering ends with the pointer; the line does not stay blue.
      if (homeColour_ == kHoverColour) SetHomeColour(host_->Colours().schemeText);
      return false;
    default:
      return false;
  }
}

}  // namespace vokabi::ui
