// Every button look in every colour scheme on one sheet, to judge the painting by eye.
// `gallery --screenshot FILE` writes the sheet as a PNG and exits.
#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>

#include "ui/controls/button_look.h"
#include "ui/controls/schemes.h"

using namespace vokabi::ui;

namespace {

constexpr int kLabelWidth = 120;
constexpr int kHeaderHeight = 24;
constexpr int kCellWidth = 100;
constexpr int kCellHeight = 35;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 25;
constexpr int kTypeCellWidth = 76;
constexpr int kTypeButtonWidth = 66;

struct Variant {
  const char* title;
  int state = 0;
  bool over = false;
  bool focus = false;
  bool enabled = true;
  bool picture = false;
};

const Variant kVariants[] = {
    {"up"},
    {"over", 0, true},
    {"pressed", 2},
    {"focused", 0, false, true},
    {"disabled", 0, false, false, false},
    {"picture", 0, false, false, true, true},
    {"picture over", 0, true, false, true, true},
};

// A cross on white, white being the mask colour, as the caption-less window buttons carry.
QImage CrossPicture() {
  QImage image(9, 9, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int i = 0; i < 8; ++i) {
    for (int x : {i, i + 1, 7 - i, 8 - i}) image.setPixel(x, i, qRgb(0, 0, 0));
  }
  return image;
}

ButtonLook MakeLook(const SchemeColours& scheme, int type, int width, const QString& caption) {
  PaletteSource source;
  source.colorScheme = 2;
  source.backColor = scheme.schemeButton;
  source.backOver = scheme.schemeButton;
  source.foreColor = scheme.schemeText;
  source.foreOver = scheme.schemeText;
  source.maskColor = 0xFFFFFF;
  source.buttonType = type;
  ButtonLook look;
  look.width = width;
  look.height = kButtonHeight;
  look.buttonType = type;
  look.palette = ComputeColours(source, QApplication::palette());
  look.backColor = scheme.schemeButton;
  look.backOver = scheme.schemeButton;
  look.caption = caption;
  look.font = QFont(QStringLiteral("Arial"));
  look.font.setPointSizeF(9.75);
  return look;
}

void Relayout(ButtonLook& look) {
  look.layout = LayoutCaption(look.caption, look.font, look.picturePosition,
                              look.pictureNormal.size(), look.width, look.height);
}

// Paints the button off-screen, then puts it on the sheet through its window shape.
void PlaceButton(QPainter& sheet, const ButtonLook& look, int x, int y) {
  QImage face(look.width, look.height, QImage::Format_RGB32);
  QPainter painter(&face);
  PaintButton(painter, look);
  painter.end();
  sheet.save();
  sheet.setClipRegion(BuildRegion(look.buttonType, look.width, look.height).translated(x, y));
  sheet.drawImage(x, y, face);
  sheet.restore();
}

void Label(QPainter& sheet, const QRect& box, const QString& text, int flags = Qt::AlignCenter) {
  sheet.setPen(Qt::black);
  sheet.drawText(box, flags, text);
}

QImage RenderSheet() {
  const int variantCount = static_cast<int>(std::size(kVariants));
  const QStringList& names = SchemeNames();
  const int schemeBottom = kHeaderHeight + static_cast<int>(names.size()) * kCellHeight;
  const int width =
      std::max(kLabelWidth + variantCount * kCellWidth, kLabelWidth + 14 * kTypeCellWidth);
  const int height = schemeBottom + kHeaderHeight + 2 * kCellHeight + 8;

  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(QColor(0xF0, 0xF0, 0xF0));
  QPainter painter(&sheet);
  painter.setFont(QFont(QStringLiteral("Arial"), 9));

  for (int column = 0; column < variantCount; ++column) {
    Label(painter, QRect(kLabelWidth + column * kCellWidth, 0, kCellWidth, kHeaderHeight),
          QString::fromLatin1(kVariants[column].title));
  }
  const QImage cross = CrossPicture();
  for (int row = 0; row < names.size(); ++row) {
    const SchemeColours scheme = LookupSchemeColours(names[row]);
    const int y = kHeaderHeight + row * kCellHeight;
    painter.fillRect(kLabelWidth, y, variantCount * kCellWidth, kCellHeight,
                     ToQColor(scheme.optionBack));
    Label(painter, QRect(6, y, kLabelWidth - 6, kCellHeight), names[row],
          Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < variantCount; ++column) {
      const Variant& variant = kVariants[column];
      ButtonLook look = MakeLook(scheme, 3, kButtonWidth, QStringLiteral("&Translate"));
      look.state = variant.state;
      look.pointerOver = variant.over;
      look.hasFocus = variant.focus;
      look.enabled = variant.enabled;
      if (variant.picture) {
        look.caption.clear();
        look.pictureNormal = cross;
        look.picturePosition = 4;
        look.bord = false;
        look.width = kButtonHeight;
      }
      Relayout(look);
      PlaceButton(painter, look, kLabelWidth + column * kCellWidth + (kCellWidth - look.width) / 2,
                  y + (kCellHeight - kButtonHeight) / 2);
    }
  }

  // Every button type, up and pressed, in Chrome.
  const SchemeColours chrome = LookupSchemeColours(QStringLiteral("Chrome"));
  for (int type = 1; type <= 14; ++type) {
    Label(painter,
          QRect(kLabelWidth + (type - 1) * kTypeCellWidth, schemeBottom, kTypeCellWidth,
                kHeaderHeight),
          QStringLiteral("type %1").arg(type));
  }
  for (int state : {0, 2}) {
    const int y = schemeBottom + kHeaderHeight + (state / 2) * kCellHeight;
    painter.fillRect(kLabelWidth, y, 14 * kTypeCellWidth, kCellHeight, ToQColor(chrome.optionBack));
    Label(painter, QRect(6, y, kLabelWidth - 6, kCellHeight),
          state == 0 ? QStringLiteral("Chrome, up") : QStringLiteral("Chrome, pressed"),
          Qt::AlignLeft | Qt::AlignVCenter);
    for (int type = 1; type <= 14; ++type) {
      ButtonLook look = MakeLook(chrome, type, kTypeButtonWidth, QStringLiteral("&OK"));
      look.state = state;
      Relayout(look);
      PlaceButton(painter, look,
                  kLabelWidth + (type - 1) * kTypeCellWidth + (kTypeCellWidth - look.width) / 2,
                  y + (kCellHeight - kButtonHeight) / 2);
    }
  }
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Button looks in every colour scheme."));
  parser.addHelpOption();
  const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                      QStringLiteral("Write the sheet to <file> as PNG and exit."),
                                      QStringLiteral("file"));
  parser.addOption(screenshot);
  parser.process(app);

  const QImage sheet = RenderSheet();
  if (parser.isSet(screenshot)) return sheet.save(parser.value(screenshot), "PNG") ? 0 : 1;

  QScrollArea window;
  auto* label = new QLabel;
  label->setPixmap(QPixmap::fromImage(sheet));
  window.setWidget(label);
  window.setWindowTitle(QStringLiteral("Button gallery"));
  window.resize(std::min(sheet.width() + 24, 1400), std::min(sheet.height() + 24, 900));
  window.show();
  return app.exec();
}
