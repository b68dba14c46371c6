// The print button: the word box's word and the pane's translation on the chosen printer, with
// no dialog and no preview.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <optional>

#include "app/catalogue.h"
#include "app/error_class.h"
#include "app/language.h"
#include "app/settings.h"
#include "ui/main/engine_text.h"
#include "ui/main/form1.h"
#include "ui/main/print_page.h"
#include "ui/setup/dialog_parts.h"

namespace vokabi::ui {

namespace {

constexpr std::int32_t kPrinterMissing = 3000;
constexpr std::int32_t kPrintFailed = 3001;
constexpr std::int32_t kNothingToPrint = 3002;
// What the pane shows instead of a translation.
constexpr std::int32_t kPaneMessages[] = {3, 4, 5, 6};
constexpr int kWordLabelText = 55;
constexpr int kTranslationLabelText = 56;
constexpr int kProductText = 57;

QString Message(std::int32_t nomer) {
  QString text = DecodeText(LanguageCharset, AppError.MsgByNomer(nomer));
  return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString Text(int n) {
  return DecodeText(LanguageCharset, UiText(n));
}

// The installed printer whose name is exactly the chosen one; with none chosen the system's
// default, or the first installed one where the system names no default.
std::optional<QPrinterInfo> ChoosePrinter(const QString& name) {
  if (name.isEmpty()) {
    QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
      const QList<QPrinterInfo> installed = QPrinterInfo::availablePrinters();
      if (!installed.isEmpty()) printer = installed.first();
    }
    if (printer.isNull()) return std::nullopt;
    return printer;
  }
  for (const QString& installed : QPrinterInfo::availablePrinterNames()) {
    if (installed == name) return QPrinterInfo::printerInfo(installed);
  }
  return std::nullopt;
}

}  // namespace

void Form1::BtnPrint_Click() {
  const std::optional<QPrinterInfo> chosen =
      ChoosePrinter(QString::fromStdString(AppSettings.PrinterName));
  if (!chosen) {
    ShowDialogMessage(this, QMessageBox::Critical, Message(kPrinterMissing));
    return;
  }
  bool nothing = paneBytes_.empty();
  for (const std::int32_t message : kPaneMessages)
    nothing = nothing || paneBytes_ == AppError.MsgByNomer(message);
  if (nothing) {
    ShowDialogMessage(this, QMessageBox::Warning, Message(kNothingToPrint));
    return;
  }

  QPrinter printer(*chosen, QPrinter::HighResolution);
  printer.setDocName(windowTitle());
  const PrintedTexts texts{Text(kWordLabelText), Text(kTranslationLabelText),
                           ProductLine(Text(kProductText)), WordBoxText(), paneText_};
  if (!PrintPage(printer, texts))
    ShowDialogMessage(this, QMessageBox::Critical, Message(kPrintFailed));
}

}  // namespace vokabi::ui
