// How the button repaints: the Redraw checks, the look it hands to PaintButton, its layout and
// shape on resizing, and what showing, hiding and the host's changes do to it.
#include "ui/controls/button_painter.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace vokabi::ui {

ButtonPainter::ButtonPainter(QWidget& button, const ButtonProperties& properties,
                             const ButtonInteraction& interaction)
    : button_(button), properties_(properties), interaction_(interaction) {}

void ButtonPainter::Redraw(int state, bool force) {
  if (properties_.checkBoxBehaviour && properties_.value) state = 2;
  if (!force && properties_.caption == lastCaption_ && state == lastState_) return;
  if (button_.height() == 0 || !ready_) return;
  lastState_ = state;
  lastCaption_ = properties_.caption;
  ++redrawCount_;
  look_ = BuildLook(state);
  hasLook_ = true;
  button_.update();
}

ButtonLook ButtonPainter::BuildLook(int state) const {
  const ButtonProperties& p = properties_;
  ButtonLook look;
  look.width = button_.width();
  look.height = button_.height();
  look.buttonType = p.buttonType;
  look.state = state;
  look.enabled = p.enabled;
  look.pointerOver = interaction_.pointerOver;
  look.hasFocus = interaction_.hasFocus;
  look.isDefault = p.isDefault;
  look.showFocusRect = p.showFocusRect;
  look.bord = p.bord;
  look.softBevel = p.softBevel;
  look.colorScheme = p.colorScheme;
  look.specialEffect = p.specialEffect;
  look.palette = palette_;
  look.backColor = p.backColor;
  look.backOver = p.backOver;
  if (interaction_.pointerOver && p.colorScheme == 2) {
    // The over look of a scheme-2 button is the whole palette shaded from BackOver.
    PaletteSource source = Source();
    source.backColor = p.backOver;
    look.palette = vokabi::ui::ComputeColours(source, QApplication::palette());
    look.backColor = p.backOver;
  }
  look.caption = p.caption;
  look.font = p.font;
  look.layout = layout_;
  look.pictureNormal = p.pictureNormal;
  look.pictureOver = p.pictureOver;
  look.picturePosition = p.picturePosition;
  look.useMaskColor = p.useMaskColor;
  look.useGreyscale = p.useGreyscale;
  look.background = background_;
  look.captionMode = captionMode_;
  return look;
}

PaletteSource ButtonPainter::Source() const {
  const ButtonProperties& p = properties_;
  PaletteSource source;
  source.colorScheme = p.colorScheme;
  source.backColor = p.backColor;
  source.backOver = p.backOver;
  source.foreColor = p.foreColor;
  source.foreOver = p.foreOver;
  source.maskColor = p.maskColor;
  source.buttonType = p.buttonType;
  source.softBevel = p.softBevel;
  const QWidget* host = button_.parentWidget() ? button_.parentWidget() : &button_;
  source.parentBack = FromQColor(host->palette().color(host->backgroundRole()));
  source.parentText = FromQColor(host->palette().color(host->foregroundRole()));
  return source;
}

void ButtonPainter::ComputeColours() {
  palette_ = vokabi::ui::ComputeColours(Source(), QApplication::palette());
}

void ButtonPainter::LayoutCaption() {
  layout_ =
      vokabi::ui::LayoutCaption(properties_.caption, properties_.font, properties_.picturePosition,
                                pictureSize_, button_.width(), button_.height());
}

void ButtonPainter::MeasurePicture() {
  const QImage& picture = properties_.pictureNormal;
  pictureSize_ = picture.isNull() ? QSize() : picture.size();
}

void ButtonPainter::HandleResize() {
  if (busy_) return;
  const int type = properties_.buttonType;
  const int inset = (type >= 7 && type <= 13) ? 3 : type == 14 ? 5 : 4;
  focusRect_ = button_.rect().adjusted(inset, inset, -inset, -inset);
  if (type == 14) focusRect_.translate(1, 1);
  LayoutCaption();
  region_ = BuildRegion(type, button_.width(), button_.height());
  if (region_.isEmpty()) {
    button_.clearMask();
  } else {
    button_.setMask(region_);
  }
  if (button_.height() != 0) RepaintUp();
}

void ButtonPainter::ButtonTypeChanged() {
  if (properties_.buttonType == 11 && ready_) CaptureBackground();
  HandleResize();
}

void ButtonPainter::Refresh() {
  if (properties_.buttonType == 11) CaptureBackground();
  ComputeColours();
  LayoutCaption();
  ready_ = true;
  Repaint();
}

void ButtonPainter::CaptureBackground() {
  QWidget* host = button_.parentWidget();
  if (!host || button_.width() <= 0 || button_.height() <= 0) return;
  busy_ = true;
  // What lies under the button: the parent's own painting, then the siblings stacked below.
  const QRect place = button_.geometry();
  QImage under(button_.size(), QImage::Format_ARGB32_Premultiplied);
  under.fill(Qt::transparent);
  {
    QPainter painter(&under);
    host->render(&painter, QPoint(), QRegion(place), QWidget::DrawWindowBackground);
    for (QObject* child : host->children()) {
      if (child == &button_) break;
      auto* sibling = qobject_cast<QWidget*>(child);
      if (!sibling || sibling->isWindow() || !sibling->isVisible() ||
          !sibling->geometry().intersects(place)) {
        continue;
      }
      sibling->render(&painter, sibling->pos() - button_.pos(), QRegion(),
                      QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
  }
  background_ = under;
  busy_ = false;
}

void ButtonPainter::Paint() {
  if (!hasLook_ || look_.height == 0) return;
  QPainter painter(&button_);
  captionMode_ = PaintButton(painter, look_);
}

void ButtonPainter::Shown() {
  if (busy_) return;
  if (properties_.buttonType == 11) CaptureBackground();
  ready_ = true;
  ComputeColours();
  RepaintUp();
}

void ButtonPainter::Hidden() {
  if (busy_) return;
  ready_ = false;
}

void ButtonPainter::HostChanged() {
  // Scheme 2 takes its colours from the properties, not from the host.
  if (properties_.colorScheme == 2) return;
  ComputeColours();
  Repaint();
}

}  // namespace vokabi::ui
