#include "ui/controls/button.h"

#include <QEvent>
#include <QPixmap>
#include <cmath>
#include <iterator>

#include "ui/controls/button_accessible.h"

namespace vokabi::ui {

namespace {

// Pointer shapes by MousePointer value (0 the default, 1 to 15 the fixed shapes).
constexpr Qt::CursorShape kPointerShapes[] = {
    Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
    Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
    Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
    Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};
constexpr short kCustomPointer = 99;
constexpr short kArrowPointer = 1;

// MousePointer 99: the last of MouseIcon and HandPointer set, as each clears the other's picture.
QCursor CustomPointer(const ButtonProperties& properties) {
  if (!properties.mouseIcon.isNull()) return QCursor(QPixmap::fromImage(properties.mouseIcon));
  if (properties.handPointer) return QCursor(Qt::PointingHandCursor);
  return QCursor();
}

}  // namespace

Button::Button(QWidget* parent)
    : QWidget(parent), input_(*this, properties_, interaction_, painter_, [this](bool next) {
        focusNextPrevChild(next);
      }) {
  InstallButtonAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  // Moves without a button held drive the over look.
  setMouseTracking(true);
  properties_.font = font();
  // The input part raises the button's events.
  connect(&input_, &ButtonInput::Click, this, &Button::Click);
  connect(&input_, &ButtonInput::MouseDown, this, &Button::MouseDown);
  connect(&input_, &ButtonInput::MouseMove, this, &Button::MouseMove);
  connect(&input_, &ButtonInput::MouseUp, this, &Button::MouseUp);
  connect(&input_, &ButtonInput::KeyPress, this, &Button::KeyPress);
  connect(&input_, &ButtonInput::KeyDown, this, &Button::KeyDown);
  connect(&input_, &ButtonInput::KeyUp, this, &Button::KeyUp);
  connect(&input_, &ButtonInput::MouseOver, this, &Button::MouseOver);
  connect(&input_, &ButtonInput::MouseOut, this, &Button::MouseOut);
  painter_.ComputeColours();
}

void Button::SetBackColor(Colour colour) {
  properties_.backColor = colour;
  painter_.ComputeColours();
  painter_.Repaint();
  Report(ButtonProperty::BackColor);
}

void Button::SetBackOver(Colour colour) {
  properties_.backOver = colour;
  painter_.ComputeColours();
  painter_.Repaint();
  Report(ButtonProperty::BackOver);
}

void Button::SetForeColor(Colour colour) {
  properties_.foreColor = colour;
  painter_.ComputeColours();
  painter_.Repaint();
  Report(ButtonProperty::ForeColor);
}

void Button::SetForeOver(Colour colour) {
  properties_.foreOver = colour;
  painter_.ComputeColours();
  painter_.Repaint();
  Report(ButtonProperty::ForeOver);
}

void Button::SetMaskColor(Colour colour) {
  properties_.maskColor = colour;
  painter_.ComputeColours();
  painter_.Repaint();
  Report(ButtonProperty::MaskColor);
}

void Button::SetButtonType(int type) {
  properties_.buttonType = type;
  painter_.ButtonTypeChanged();
  Report(ButtonProperty::ButtonType);
}

void Button::SetCaption(const QString& caption) {
  properties_.caption = caption;
  input_.UpdateAccessKey();
  painter_.LayoutCaption();
  painter_.RepaintUp();
  Report(ButtonProperty::Caption);
}

void Button::SetTooltip(const QString& tooltip) {
  properties_.tooltip = tooltip;
  Report(ButtonProperty::Tooltip);
}

void Button::SetEnabled(bool enabled) {
  properties_.enabled = enabled;
  painter_.RepaintUp();
  setEnabled(enabled);
  Report(ButtonProperty::Enabled);
}

void Button::SetFont(const QFont& font) {
  properties_.font = font;
  painter_.LayoutCaption();
  painter_.RepaintUp();
  Report(ButtonProperty::Font);
}

void Button::SetFontBold(bool bold) {
  properties_.font.setBold(bold);
  painter_.LayoutCaption();
  painter_.RepaintUp();
}

void Button::SetFontItalic(bool italic) {
  properties_.font.setItalic(italic);
  painter_.LayoutCaption();
  painter_.RepaintUp();
}

void Button::SetFontUnderline(bool underline) {
  properties_.font.setUnderline(underline);
  painter_.LayoutCaption();
  painter_.RepaintUp();
}

short Button::FontSize() const {
  return static_cast<short>(std::lround(properties_.font.pointSizeF()));
}

void Button::SetFontSize(short points) {
  if (points > 0) properties_.font.setPointSize(points);
  painter_.LayoutCaption();
  painter_.RepaintUp();
}

void Button::SetFontName(const QString& name) {
  properties_.font.setFamily(name);
  painter_.LayoutCaption();
  painter_.RepaintUp();
}

void Button::SetColorScheme(int scheme) {
  properties_.colorScheme = scheme;
  painter_.ComputeColours();
  painter_.RepaintUp();
  Report(ButtonProperty::ColorScheme);
}

void Button::SetShowFocusRect(bool show) {
  properties_.showFocusRect = show;
  painter_.Repaint();
  Report(ButtonProperty::ShowFocusRect);
}

void Button::SetMousePointer(short pointer) {
  properties_.mousePointer = pointer;
  ApplyCursor();
  Report(ButtonProperty::MousePointer);
}

void Button::SetMouseIcon(const QImage& icon) {
  // A picture that cannot serve as a pointer is skipped, as the window would refuse it.
  if (icon.isNull()) return;
  properties_.mouseIcon = icon;
  ApplyCursor();
  Report(ButtonProperty::MouseIcon);
}

void Button::SetBord(bool bord) {
  properties_.bord = bord;
  Report(ButtonProperty::Bord);
}

void Button::SetHandPointer(bool hand) {
  properties_.handPointer = hand;
  // The hand is the system's own shape, so MouseIcon holds no picture for it.
  properties_.mouseIcon = QImage();
  properties_.mousePointer = hand ? kCustomPointer : kArrowPointer;
  ApplyCursor();
  Report(ButtonProperty::HandPointer);
}

WId Button::HWnd() const {
  return winId();
}

void Button::SetSoftBevel(bool soft) {
  properties_.softBevel = soft;
  painter_.ComputeColours();
  painter_.Repaint();
  Report(ButtonProperty::SoftBevel);
}

void Button::SetPictureNormal(const QImage& picture) {
  properties_.pictureNormal = picture;
  painter_.MeasurePicture();
  painter_.LayoutCaption();
  painter_.Repaint();
  Report(ButtonProperty::PictureNormal);
}

void Button::SetPictureOver(const QImage& picture) {
  properties_.pictureOver = picture;
  if (interaction_.pointerOver) painter_.Repaint();
  Report(ButtonProperty::PictureOver);
}

void Button::SetPicturePosition(int position) {
  properties_.picturePosition = position;
  painter_.LayoutCaption();
  painter_.Repaint();
  Report(ButtonProperty::PicturePosition);
}

void Button::SetUseMaskColor(bool use) {
  properties_.useMaskColor = use;
  if (!properties_.pictureNormal.isNull()) painter_.Repaint();
  Report(ButtonProperty::UseMaskColor);
}

void Button::SetUseGreyscale(bool use) {
  properties_.useGreyscale = use;
  if (!properties_.pictureNormal.isNull()) painter_.Repaint();
  Report(ButtonProperty::UseGreyscale);
}

void Button::SetSpecialEffect(int effect) {
  properties_.specialEffect = effect;
  painter_.Repaint();
  Report(ButtonProperty::SpecialEffect);
}

void Button::SetCheckBoxBehaviour(bool check) {
  properties_.checkBoxBehaviour = check;
  painter_.Repaint();
  Report(ButtonProperty::CheckBoxBehaviour);
}

void Button::SetValue(bool value) {
  properties_.value = value;
  if (properties_.checkBoxBehaviour) painter_.RepaintUp();
  Report(ButtonProperty::Value);
}

void Button::DisableRefresh() {
  painter_.DisableRefresh();
}

void Button::Refresh() {
  painter_.Refresh();
}

void Button::SetDefault(bool isDefault) {
  properties_.isDefault = isDefault;
  painter_.Repaint();
}

void Button::ApplyCursor() {
  if (properties_.mousePointer == kCustomPointer) {
    setCursor(CustomPointer(properties_));
  } else if (properties_.mousePointer > 0 &&
             properties_.mousePointer < static_cast<short>(std::size(kPointerShapes))) {
    setCursor(kPointerShapes[properties_.mousePointer]);
  } else {
    unsetCursor();
  }
}

void Button::paintEvent(QPaintEvent*) {
  painter_.Paint();
}

void Button::resizeEvent(QResizeEvent*) {
  painter_.HandleResize();
}

void Button::showEvent(QShowEvent*) {
  painter_.Shown();
}

void Button::hideEvent(QHideEvent*) {
  painter_.Hidden();
}

void Button::changeEvent(QEvent* event) {
  // The host's font or colours reach the button as its inherited font and palette changing.
  if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
    painter_.HostChanged();
  }
  QWidget::changeEvent(event);
}

void Button::mousePressEvent(QMouseEvent* event) {
  input_.MousePressed(event);
}

void Button::mouseReleaseEvent(QMouseEvent* event) {
  input_.MouseReleased(event);
}

void Button::mouseDoubleClickEvent(QMouseEvent* event) {
  input_.MouseDoubleClicked(event);
}

void Button::mouseMoveEvent(QMouseEvent* event) {
  input_.MouseMoved(event);
}

void Button::enterEvent(QEnterEvent*) {
  input_.PointerEntered();
}

void Button::leaveEvent(QEvent*) {
  input_.PointerLeft();
}

void Button::keyPressEvent(QKeyEvent* event) {
  input_.KeyPressed(event);
}

void Button::keyReleaseEvent(QKeyEvent* event) {
  input_.KeyReleased(event);
}

void Button::focusInEvent(QFocusEvent* event) {
  input_.FocusChanged(true);
  QWidget::focusInEvent(event);
}

void Button::focusOutEvent(QFocusEvent* event) {
  input_.FocusChanged(false);
  QWidget::focusOutEvent(event);
}

}  // namespace vokabi::ui
