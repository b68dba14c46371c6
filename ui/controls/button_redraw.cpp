// How the button repaints: the Redraw checks, the look it hands to the painter, its layout and
// shape on resizing, and what showing, hiding and the host's changes do to it.
#include <QApplication>
#include <QPainter>

#include "ui/controls/button.h"

namespace vokabi::ui {

void Button::Redraw(int state, bool force) {
  if (checkBoxBehaviour_ && value_) state = 2;
  if (!force && caption_ == lastCaption_ && state == lastState_) return;
  if (height() == 0 || !ready_) return;
  lastState_ = state;
  lastCaption_ = caption_;
  ++redrawCount_;
  look_ = BuildLook(state);
  hasLook_ = true;
  update();
}

ButtonLook Button::BuildLook(int state) const {
  ButtonLook look;
  look.width = width();
  look.height = height();
  look.buttonType = buttonType_;
  look.state = state;
  look.enabled = enabled_;
  look.pointerOver = over_;
  look.hasFocus = hasFocus_;
  look.isDefault = isDefault_;
  look.showFocusRect = showFocusRect_;
  look.bord = bord_;
  look.softBevel = softBevel_;
  look.colorScheme = colorScheme_;
  look.specialEffect = specialEffect_;
  look.palette = palette_;
  look.backColor = backColor_;
  look.backOver = backOver_;
  if (over_ && colorScheme_ == 2) {
    // The over look of a scheme-2 button is the whole palette shaded from BackOver.
    PaletteSource source = Source();
    source.backColor = backOver_;
    look.palette = vokabi::ui::ComputeColours(source, QApplication::palette());
    look.backColor = backOver_;
  }
  look.caption = caption_;
  look.font = font_;
  look.layout = layout_;
  look.pictureNormal = pictureNormal_;
  look.pictureOver = pictureOver_;
  look.picturePosition = picturePosition_;
  look.useMaskColor = useMaskColor_;
  look.useGreyscale = useGreyscale_;
  look.background = background_;
  look.captionMode = captionMode_;
  return look;
}

PaletteSource Button::Source() const {
  PaletteSource source;
  source.colorScheme = colorScheme_;
  source.backColor = backColor_;
  source.backOver = backOver_;
  source.foreColor = foreColor_;
  source.foreOver = foreOver_;
  source.maskColor = maskColor_;
  source.buttonType = buttonType_;
  source.softBevel = softBevel_;
  const QWidget* host = parentWidget() ? parentWidget() : this;
  source.parentBack = FromQColor(host->palette().color(host->backgroundRole()));
  source.parentText = FromQColor(host->palette().color(host->foregroundRole()));
  return source;
}

void Button::ComputeColours() {
  palette_ = vokabi::ui::ComputeColours(Source(), QApplication::palette());
}

void Button::LayoutCaption() {
  layout_ =
      vokabi::ui::LayoutCaption(caption_, font_, picturePosition_, pictureSize_, width(), height());
}

void Button::MeasurePicture() {
  pictureSize_ = pictureNormal_.isNull() ? QSize() : pictureNormal_.size();
}

void Button::HandleResize() {
  if (busy_) return;
  const int inset = (buttonType_ >= 7 && buttonType_ <= 13) ? 3 : buttonType_ == 14 ? 5 : 4;
  focusRect_ = rect().adjusted(inset, inset, -inset, -inset);
  if (buttonType_ == 14) focusRect_.translate(1, 1);
  LayoutCaption();
  region_ = BuildRegion(buttonType_, width(), height());
  if (region_.isEmpty()) {
    clearMask();
  } else {
    setMask(region_);
  }
  if (height() != 0) RepaintUp();
}

void Button::CaptureBackground() {
  QWidget* host = parentWidget();
  if (!host || width() <= 0 || height() <= 0) return;
  busy_ = true;
  // What lies under the button: the parent's own painting, then the siblings stacked below.
  QImage under(size(), QImage::Format_ARGB32_Premultiplied);
  under.fill(Qt::transparent);
  {
    QPainter painter(&under);
    host->render(&painter, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    for (QObject* child : host->children()) {
      if (child == this) break;
      auto* sibling = qobject_cast<QWidget*>(child);
      if (!sibling || sibling->isWindow() || !sibling->isVisible() ||
          !sibling->geometry().intersects(geometry())) {
        continue;
      }
      sibling->render(&painter, sibling->pos() - pos(), QRegion(),
                      QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
  }
  background_ = under;
  busy_ = false;
}

void Button::paintEvent(QPaintEvent*) {
  if (!hasLook_ || look_.height == 0) return;
  QPainter painter(this);
  captionMode_ = PaintButton(painter, look_);
}

void Button::resizeEvent(QResizeEvent*) {
  HandleResize();
}

void Button::showEvent(QShowEvent*) {
  if (busy_) return;
  if (buttonType_ == 11) CaptureBackground();
  ready_ = true;
  ComputeColours();
  RepaintUp();
}

void Button::hideEvent(QHideEvent*) {
  if (busy_) return;
  ready_ = false;
}

void Button::changeEvent(QEvent* event) {
  // The host's font or colours reach the button as its inherited font and palette changing.
  if ((event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) &&
      colorScheme_ != 2) {
    ComputeColours();
    Repaint();
  }
  QWidget::changeEvent(event);
}

}  // namespace vokabi::ui
