// How the button repaints: the Redraw checks, the look it hands to the painter, its layout and
// shape on resizing, and what showing, hiding and the host's changes do to it.
#include <QApplication>
#include <QPainter>

#include "ui/controls/button.h"

namespace vokabi::ui {

void Button::Redraw(int state, bool force) {
  if (properties_.checkBoxBehaviour && properties_.value) state = 2;
  if (!force && properties_.caption == lastCaption_ && state == lastState_) return;
  if (height() == 0 || !ready_) return;
  lastState_ = state;
  lastCaption_ = properties_.caption;
  ++redrawCount_;
  look_ = BuildLook(state);
  hasLook_ = true;
  update();
}

ButtonLook Button::BuildLook(int state) const {
  ButtonLook look;
  look.width = width();
  look.height = height();
  look.buttonType = properties_.buttonType;
  look.state = state;
  look.enabled = properties_.enabled;
  look.pointerOver = over_;
  look.hasFocus = hasFocus_;
  look.isDefault = properties_.isDefault;
  look.showFocusRect = properties_.showFocusRect;
  look.bord = properties_.bord;
  look.softBevel = properties_.softBevel;
  look.colorScheme = properties_.colorScheme;
  look.specialEffect = properties_.specialEffect;
  look.palette = palette_;
  look.backColor = properties_.backColor;
  look.backOver = properties_.backOver;
  if (over_ && properties_.colorScheme == 2) {
    // The over look of a scheme-2 button is the whole palette shaded from BackOver.
    PaletteSource source = Source();
    source.backColor = properties_.backOver;
    look.palette = vokabi::ui::ComputeColours(source, QApplication::palette());
    look.backColor = properties_.backOver;
  }
  look.caption = properties_.caption;
  look.font = properties_.font;
  look.layout = layout_;
  look.pictureNormal = properties_.pictureNormal;
  look.pictureOver = properties_.pictureOver;
  look.picturePosition = properties_.picturePosition;
  look.useMaskColor = properties_.useMaskColor;
  look.useGreyscale = properties_.useGreyscale;
  look.background = background_;
  look.captionMode = captionMode_;
  return look;
}

PaletteSource Button::Source() const {
  PaletteSource source;
  source.colorScheme = properties_.colorScheme;
  source.backColor = properties_.backColor;
  source.backOver = properties_.backOver;
  source.foreColor = properties_.foreColor;
  source.foreOver = properties_.foreOver;
  source.maskColor = properties_.maskColor;
  source.buttonType = properties_.buttonType;
  source.softBevel = properties_.softBevel;
  const QWidget* host = parentWidget() ? parentWidget() : this;
  source.parentBack = FromQColor(host->palette().color(host->backgroundRole()));
  source.parentText = FromQColor(host->palette().color(host->foregroundRole()));
  return source;
}

void Button::ComputeColours() {
  palette_ = vokabi::ui::ComputeColours(Source(), QApplication::palette());
}

void Button::LayoutCaption() {
  layout_ = vokabi::ui::LayoutCaption(properties_.caption, properties_.font,
                                      properties_.picturePosition, pictureSize_, width(), height());
}

void Button::MeasurePicture() {
  pictureSize_ = properties_.pictureNormal.isNull() ? QSize() : properties_.pictureNormal.size();
}

void Button::HandleResize() {
  if (busy_) return;
  const int inset = (properties_.buttonType >= 7 && properties_.buttonType <= 13) ? 3
                    : properties_.buttonType == 14                                ? 5
                                                                                  : 4;
  focusRect_ = rect().adjusted(inset, inset, -inset, -inset);
  if (properties_.buttonType == 14) focusRect_.translate(1, 1);
  LayoutCaption();
  region_ = BuildRegion(properties_.buttonType, width(), height());
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
  if (properties_.buttonType == 11) CaptureBackground();
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
      properties_.colorScheme != 2) {
    ComputeColours();
    Repaint();
  }
  QWidget::changeEvent(event);
}

}  // namespace vokabi::ui
