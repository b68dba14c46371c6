#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

#include "ui/controls/button_input.h"
#include "ui/controls/button_painter.h"
#include "ui/controls/button_properties.h"
#include "ui/controls/colour.h"

namespace vokabi::ui {

// The push button every window of the program uses: paints itself in one of fourteen looks,
// shows a separate look while the pointer is over it, can act as a two-state check button, and
// raises its events to the window that hosts it.
class Button : public QWidget {
  Q_OBJECT
  Q_PROPERTY(vokabi::ui::Colour BackColor READ BackColor WRITE SetBackColor)
  Q_PROPERTY(vokabi::ui::Colour BackOver READ BackOver WRITE SetBackOver)
  Q_PROPERTY(vokabi::ui::Colour ForeColor READ ForeColor WRITE SetForeColor)
  Q_PROPERTY(vokabi::ui::Colour ForeOver READ ForeOver WRITE SetForeOver)
  Q_PROPERTY(vokabi::ui::Colour MaskColor READ MaskColor WRITE SetMaskColor)
  Q_PROPERTY(int ButtonType READ ButtonType WRITE SetButtonType)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(QString Tooltip READ Tooltip WRITE SetTooltip)
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)
  Q_PROPERTY(bool FontBold READ FontBold WRITE SetFontBold)
  Q_PROPERTY(bool FontItalic READ FontItalic WRITE SetFontItalic)
  Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE SetFontUnderline)
  Q_PROPERTY(short FontSize READ FontSize WRITE SetFontSize)
  Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)
  Q_PROPERTY(int ColorScheme READ ColorScheme WRITE SetColorScheme)
  Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE SetShowFocusRect)
  Q_PROPERTY(short MousePointer READ MousePointer WRITE SetMousePointer)
  Q_PROPERTY(QImage MouseIcon READ MouseIcon WRITE SetMouseIcon)
  Q_PROPERTY(bool Bord READ Bord WRITE SetBord)
  Q_PROPERTY(bool HandPointer READ HandPointer WRITE SetHandPointer)
  Q_PROPERTY(WId hWnd READ HWnd)
  Q_PROPERTY(bool SoftBevel READ SoftBevel WRITE SetSoftBevel)
  Q_PROPERTY(QImage PictureNormal READ PictureNormal WRITE SetPictureNormal)
  Q_PROPERTY(QImage PictureOver READ PictureOver WRITE SetPictureOver)
  Q_PROPERTY(int PicturePosition READ PicturePosition WRITE SetPicturePosition)
  Q_PROPERTY(bool UseMaskColor READ UseMaskColor WRITE SetUseMaskColor)
  Q_PROPERTY(bool UseGreyscale READ UseGreyscale WRITE SetUseGreyscale)
  Q_PROPERTY(int SpecialEffect READ SpecialEffect WRITE SetSpecialEffect)
  Q_PROPERTY(bool CheckBoxBehaviour READ CheckBoxBehaviour WRITE SetCheckBoxBehaviour)
  Q_PROPERTY(bool Value READ Value WRITE SetValue)
  Q_PROPERTY(QString Version READ Version)

 public:
  explicit Button(QWidget* parent = nullptr);

  Colour BackColor() const { return properties_.backColor; }
  void SetBackColor(Colour colour);
  Colour BackOver() const { return properties_.backOver; }
  void SetBackOver(Colour colour);
  Colour ForeColor() const { return properties_.foreColor; }
  void SetForeColor(Colour colour);
  Colour ForeOver() const { return properties_.foreOver; }
  void SetForeOver(Colour colour);
  Colour MaskColor() const { return properties_.maskColor; }
  void SetMaskColor(Colour colour);
  int ButtonType() const { return properties_.buttonType; }
  void SetButtonType(int type);
  QString Caption() const { return properties_.caption; }
  void SetCaption(const QString& caption);
  QString Tooltip() const { return properties_.tooltip; }
  void SetTooltip(const QString& tooltip);
  bool Enabled() const { return properties_.enabled; }
  void SetEnabled(bool enabled);
  QFont Font() const { return properties_.font; }
  void SetFont(const QFont& font);
  bool FontBold() const { return properties_.font.bold(); }
  void SetFontBold(bool bold);
  bool FontItalic() const { return properties_.font.italic(); }
  void SetFontItalic(bool italic);
  bool FontUnderline() const { return properties_.font.underline(); }
  void SetFontUnderline(bool underline);
  short FontSize() const;
  void SetFontSize(short points);
  QString FontName() const { return properties_.font.family(); }
  void SetFontName(const QString& name);
  int ColorScheme() const { return properties_.colorScheme; }
  void SetColorScheme(int scheme);
  bool ShowFocusRect() const { return properties_.showFocusRect; }
  void SetShowFocusRect(bool show);
  short MousePointer() const { return properties_.mousePointer; }
  void SetMousePointer(short pointer);
  QImage MouseIcon() const { return properties_.mouseIcon; }
  void SetMouseIcon(const QImage& icon);
  bool Bord() const { return properties_.bord; }
  void SetBord(bool bord);
  bool HandPointer() const { return properties_.handPointer; }
  void SetHandPointer(bool hand);
  WId HWnd() const;
  bool SoftBevel() const { return properties_.softBevel; }
  void SetSoftBevel(bool soft);
  QImage PictureNormal() const { return properties_.pictureNormal; }
  void SetPictureNormal(const QImage& picture);
  QImage PictureOver() const { return properties_.pictureOver; }
  void SetPictureOver(const QImage& picture);
  int PicturePosition() const { return properties_.picturePosition; }
  void SetPicturePosition(int position);
  bool UseMaskColor() const { return properties_.useMaskColor; }
  void SetUseMaskColor(bool use);
  bool UseGreyscale() const { return properties_.useGreyscale; }
  void SetUseGreyscale(bool use);
  int SpecialEffect() const { return properties_.specialEffect; }
  void SetSpecialEffect(int effect);
  bool CheckBoxBehaviour() const { return properties_.checkBoxBehaviour; }
  void SetCheckBoxBehaviour(bool check);
  bool Value() const { return properties_.value; }
  void SetValue(bool value);
  QString Version() const { return QStringLiteral("1.0.0"); }

  // Painting stops until Refresh, which recomputes colours and layout and repaints.
  void DisableRefresh();
  void Refresh();

  // The host's default button shows the focus look of its type.
  bool IsDefault() const { return properties_.isDefault; }
  void SetDefault(bool isDefault);

  // The window definition's saved values: every key in its fixed order, and back.
  void SaveProperties(PropertyStore& store) const;
  void LoadProperties(const PropertyStore& store);
  // The values of a button newly placed on a window.
  void InitNew();

  // Repaints in state 0 (up) or 2 (down); without force, nothing happens when neither the state
  // nor the caption changed since the last painting.
  void Redraw(int state, bool force) { painter_.Redraw(state, force); }
  // Where the caption and the picture sit on the face.
  const CaptionLayout& Layout() const { return painter_.Layout(); }
  // What the button has worked out and painted, and how the user is handling it.
  const ButtonPainter& Painter() const { return painter_; }
  const ButtonInput& Input() const { return input_; }

  // A press asked for by assistive technology: a click, as the access key gives.
  void PressFromAssistant() { input_.PressAccessKey(); }
  // Replaces the pointer-position check where the pointer cannot be moved (tests).
  void SetMouseOverProbe(std::function<bool()> probe) {
    input_.SetMouseOverProbe(std::move(probe));
  }

 signals:
  // The host binds its handlers in this order.
  void Click();
  void MouseDown(int button, int shift, float x, float y);
  void MouseMove(int button, int shift, float x, float y);
  void MouseUp(int button, int shift, float x, float y);
  void KeyPress(int character);
  void KeyDown(int keyCode, int shift);
  void KeyUp(int keyCode, int shift);
  void MouseOver();
  void MouseOut();
  // A setter's property key, as a window being designed records it.
  void PropertyChanged(const QString& key);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void ApplyCursor();
  void Report(ButtonProperty property) { emit PropertyChanged(ReportedKey(property)); }

  ButtonProperties properties_;
  ButtonInteraction interaction_;
  ButtonPainter painter_{*this, properties_, interaction_};
  ButtonInput input_;
};

}  // namespace vokabi::ui
