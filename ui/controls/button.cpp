#include "ui/controls/button.h"

#include <QPixmap>
#include <QShortcut>
#include <cmath>
#include <iterator>

#include "ui/controls/button_accessible.h"
#include "ui/controls/button_properties.h"

namespace vokabi::ui {

namespace keys = button_keys;

namespace {

// Pointer shapes by MousePointer value (0 the default, 1 to 15 the fixed shapes).
constexpr Qt::CursorShape kPointerShapes[] = {
    Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
    Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
    Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
    Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};
constexpr short kCustomPointer = 99;
constexpr short kArrowPointer = 1;

}  // namespace

Button::Button(QWidget* parent) : QWidget(parent) {
  InstallButtonAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  // Moves without a button held drive the over look.
  setMouseTracking(true);
  font_ = font();
  overTimer_.setInterval(30);
  connect(&overTimer_, &QTimer::timeout, this, &Button::CheckPointerLeft);
  accessShortcut_ = new QShortcut(this);
  accessShortcut_->setContext(Qt::WindowShortcut);
  accessShortcut_->setEnabled(false);
  connect(accessShortcut_, &QShortcut::activated, this, &Button::OnAccessKey);
  ComputeColours();
}

void Button::SetBackColor(Colour colour) {
  backColor_ = colour;
  ComputeColours();
  Repaint();
  Changed(keys::kBackColor);
}

void Button::SetBackOver(Colour colour) {
  backOver_ = colour;
  ComputeColours();
  Repaint();
  Changed(keys::kBackOver);
}

void Button::SetForeColor(Colour colour) {
  foreColor_ = colour;
  ComputeColours();
  Repaint();
  Changed(keys::kForeColor);
}

void Button::SetForeOver(Colour colour) {
  foreOver_ = colour;
  ComputeColours();
  Repaint();
  Changed(keys::kForeOver);
}

void Button::SetMaskColor(Colour colour) {
  maskColor_ = colour;
  ComputeColours();
  Repaint();
  Changed(keys::kMaskColor);
}

void Button::SetButtonType(int type) {
  buttonType_ = type;
  if (type == 11 && ready_) CaptureBackground();
  HandleResize();
  Changed(keys::kButtonType);
}

void Button::SetCaption(const QString& caption) {
  caption_ = caption;
  UpdateAccessKey();
  LayoutCaption();
  RepaintUp();
  Changed(keys::kCaption);
}

void Button::SetTooltip(const QString& tooltip) {
  tooltip_ = tooltip;
  Changed(keys::kTooltip);
}

void Button::SetEnabled(bool enabled) {
  enabled_ = enabled;
  RepaintUp();
  setEnabled(enabled);
  Changed(keys::kEnabled);
}

void Button::SetFont(const QFont& font) {
  font_ = font;
  LayoutCaption();
  RepaintUp();
  Changed(keys::kFont);
}

void Button::SetFontBold(bool bold) {
  font_.setBold(bold);
  LayoutCaption();
  RepaintUp();
}

void Button::SetFontItalic(bool italic) {
  font_.setItalic(italic);
  LayoutCaption();
  RepaintUp();
}

void Button::SetFontUnderline(bool underline) {
  font_.setUnderline(underline);
  LayoutCaption();
  RepaintUp();
}

short Button::FontSize() const {
  return static_cast<short>(std::lround(font_.pointSizeF()));
}

void Button::SetFontSize(short points) {
  if (points > 0) font_.setPointSize(points);
  LayoutCaption();
  RepaintUp();
}

void Button::SetFontName(const QString& name) {
  font_.setFamily(name);
  LayoutCaption();
  RepaintUp();
}

void Button::SetColorScheme(int scheme) {
  colorScheme_ = scheme;
  ComputeColours();
  RepaintUp();
  Changed(keys::kColorScheme);
}

void Button::SetShowFocusRect(bool show) {
  showFocusRect_ = show;
  Repaint();
  Changed(keys::kShowFocusRect);
}

void Button::SetMousePointer(short pointer) {
  mousePointer_ = pointer;
  ApplyCursor();
  Changed(keys::kMousePointer);
}

void Button::SetMouseIcon(const QImage& icon) {
  // A picture that cannot serve as a pointer is skipped, as the window would refuse it.
  if (icon.isNull()) return;
  mouseIcon_ = icon;
  customCursor_ = QCursor(QPixmap::fromImage(icon));
  ApplyCursor();
  Changed(keys::kMouseIcon);
}

void Button::SetBord(bool bord) {
  bord_ = bord;
  Changed(keys::kBord);
}

void Button::SetHandPointer(bool hand) {
  handPointer_ = hand;
  // The hand is the system's own shape, so MouseIcon holds no picture for it.
  mouseIcon_ = QImage();
  if (hand) {
    customCursor_ = QCursor(Qt::PointingHandCursor);
    mousePointer_ = kCustomPointer;
  } else {
    customCursor_ = QCursor();
    mousePointer_ = kArrowPointer;
  }
  ApplyCursor();
  Changed(keys::kHandPointer);
}

WId Button::HWnd() const {
  return winId();
}

void Button::SetSoftBevel(bool soft) {
  softBevel_ = soft;
  ComputeColours();
  Repaint();
  Changed(keys::kSoftBevel);
}

void Button::SetPictureNormal(const QImage& picture) {
  pictureNormal_ = picture;
  MeasurePicture();
  LayoutCaption();
  Repaint();
  Changed(keys::kPictureNormal);
}

void Button::SetPictureOver(const QImage& picture) {
  pictureOver_ = picture;
  if (over_) Repaint();
  Changed(keys::kPictureOverChanged);
}

void Button::SetPicturePosition(int position) {
  picturePosition_ = position;
  LayoutCaption();
  Repaint();
  Changed(keys::kPicturePosition);
}

void Button::SetUseMaskColor(bool use) {
  useMaskColor_ = use;
  if (!pictureNormal_.isNull()) Repaint();
  Changed(keys::kUseMaskColor);
}

void Button::SetUseGreyscale(bool use) {
  useGreyscale_ = use;
  if (!pictureNormal_.isNull()) Repaint();
  Changed(keys::kUseGreyscale);
}

void Button::SetSpecialEffect(int effect) {
  specialEffect_ = effect;
  Repaint();
  Changed(keys::kSpecialEffect);
}

void Button::SetCheckBoxBehaviour(bool check) {
  checkBoxBehaviour_ = check;
  Repaint();
  Changed(keys::kCheckBoxBehaviour);
}

void Button::SetValue(bool value) {
  value_ = value;
  if (checkBoxBehaviour_) RepaintUp();
  Changed(keys::kValue);
}

void Button::DisableRefresh() {
  ready_ = false;
}

void Button::Refresh() {
  if (buttonType_ == 11) CaptureBackground();
  ComputeColours();
  LayoutCaption();
  ready_ = true;
  Repaint();
}

void Button::SetDefault(bool isDefault) {
  isDefault_ = isDefault;
  Repaint();
}

void Button::ApplyCursor() {
  if (mousePointer_ == kCustomPointer) {
    setCursor(customCursor_);
  } else if (mousePointer_ > 0 && mousePointer_ < static_cast<short>(std::size(kPointerShapes))) {
    setCursor(kPointerShapes[mousePointer_]);
  } else {
    unsetCursor();
  }
}

}  // namespace vokabi::ui
