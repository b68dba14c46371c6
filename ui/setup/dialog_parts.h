#pragma once

#include <QMessageBox>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>

#include "engine/error_report.h"
#include "ui/controls/program_button.h"
#include "ui/controls/schemes.h"

class QFont;
class QWidget;

// Pieces the settings dialog and the about box share.
namespace vokabi::ui {

class Button;

// Interface text n in the current interface language.
QString InterfaceText(int n);
// Message nomer of the catalogue in the current interface language, one line break per CR LF.
QString CatalogueMessage(std::int32_t nomer);

// The close button of a frameless dialog: a small cross, tooltip text 6.
Button* MakeCloseButton(QWidget* parent, int clientWidth);
// Scheme colours on the face and the caption in both looks, and the font.
void DressButton(Button* button, const SchemeColours& colours, const QFont& font);

// The colour of a widget's text.
void SetTextColour(QWidget* widget, Colour text);

// Message boxes of the dialogs; tests put their own in place and get the old one back.
using DialogMessageBox =
    std::function<void(QWidget* parent, QMessageBox::Icon icon, const QString& text)>;
void ShowDialogMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text);
DialogMessageBox ReplaceDialogMessageBox(DialogMessageBox messageBox);

}  // namespace vokabi::ui
