#include "ui/setup/dialog_parts.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <utility>

#include "app/catalogue.h"
#include "platform/codepage.h"
#include "ui/controls/button.h"
#include "ui/controls/program_button.h"

namespace vokabi::ui {

namespace {

constexpr int kCloseSize = 18;
constexpr int kCloseMargin = 12;
constexpr int kCloseTop = 10;
constexpr int kPictureSize = 10;
constexpr Colour kPictureMask = 0xFFFFFF;
constexpr int kCloseTooltipText = 6;

// A black cross on the mask colour, which the button leaves transparent.
QImage CrossPicture() {
  QImage picture(kPictureSize, kPictureSize, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setPen(QPen(Qt::black, 2));
  painter.drawLine(1, 1, kPictureSize - 2, kPictureSize - 2);
  painter.drawLine(1, kPictureSize - 2, kPictureSize - 2, 1);
  return picture;
}

}  // namespace

QString InterfaceText(const InterfaceLanguage& language, int n) {
  return QString::fromStdString(
      platform::DecodeCharset(language.LanguageCharset, UiText(language, n)).utf8);
}

QString CatalogueMessage(const ErrorClass& errors, std::int32_t nomer) {
  QString text = QString::fromStdString(
      platform::DecodeCharset(errors.Language().LanguageCharset, errors.MsgByNomer(nomer)).utf8);
  return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

Button* MakeCloseButton(QWidget* parent, int clientWidth, const InterfaceLanguage& language) {
  Button* close = MakeProgramButton(
      parent, "BtnClose",
      QRect(clientWidth - kCloseMargin - kCloseSize, kCloseTop, kCloseSize, kCloseSize));
  close->DisableRefresh();
  close->SetPictureNormal(CrossPicture());
  close->SetMaskColor(kPictureMask);
  close->SetUseMaskColor(true);
  close->SetPicturePosition(4);
  close->SetBord(false);
  close->Refresh();
  close->setToolTip(InterfaceText(language, kCloseTooltipText));
  return close;
}

void DressButton(Button* button, const SchemeColours& colours, const QFont& font) {
  button->DisableRefresh();
  button->SetBackColor(colours.schemeButton);
  button->SetBackOver(colours.schemeButton);
  button->SetForeColor(colours.schemeText);
  button->SetForeOver(colours.schemeText);
  button->SetFont(font);
  button->Refresh();
}

void SetTextColour(QWidget* widget, Colour text) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, ToQColor(text));
  palette.setColor(QPalette::Text, ToQColor(text));
  palette.setColor(QPalette::ButtonText, ToQColor(text));
  widget->setPalette(palette);
}

}  // namespace vokabi::ui
