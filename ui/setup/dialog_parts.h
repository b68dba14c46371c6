#pragma once

#include <QMessageBox>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>

#include "app/error_class.h"
#include "app/language.h"
#include "ui/controls/program_button.h"
#include "ui/controls/schemes.h"

class QFont;
class QWidget;

// Pieces the settings dialog and the about box share.
namespace vokabi::ui {

class Button;

// Interface text n in the interface language.
QString InterfaceText(const InterfaceLanguage& language, int n);
// Message nomer of the catalogue in the language of the message object, one line break per
// CR LF.
QString CatalogueMessage(const ErrorClass& errors, std::int32_t nomer);

// The close button of a frameless dialog: a small cross, tooltip text 6 of the language.
Button* MakeCloseButton(QWidget* parent, int clientWidth, const InterfaceLanguage& language);
// Scheme colours on the face and the caption in both looks, and the font.
void DressButton(Button* button, const SchemeColours& colours, const QFont& font);

// The colour of a widget's text.
void SetTextColour(QWidget* widget, Colour text);

}  // namespace vokabi::ui
