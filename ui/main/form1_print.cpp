// The print button: the word box's word and the pane's translation on the chosen printer, with
// no dialog and no preview.
#include <QComboBox>
#include <QPlainTextEdit>
#include <optional>
#include <utility>

#include "app/catalogue.h"
#include "app/error_class.h"
#include "app/language.h"
#include "app/settings.h"
#include "ui/main/engine_text.h"
#include "ui/main/form1.h"
#include "ui/main/print_job.h"
#include "ui/main/print_page.h"
#include "ui/setup/dialog_parts.h"

namespace vokabi::ui {

namespace {

// What the pane shows instead of a translation.
constexpr std::int32_t kPaneMessages[] = {msg::kCannotTranslate, msg::kNoWord, msg::kNotFound,
                                          msg::kNotCompleted};
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

}  // namespace

void Form1::BtnPrint_Click() {
  bool nothing = paneBytes_.empty();
  for (const std::int32_t message : kPaneMessages)
    nothing = nothing || paneBytes_ == AppError.MsgByNomer(message);
  std::optional<PrintedTexts> texts;
  if (!nothing) {
    texts = PrintedTexts{Text(kWordLabelText), Text(kTranslationLabelText),
                         ProductLine(Text(kProductText)), WordBoxText(), paneText_};
  }
  // The window goes on answering while the page is on its way; the outcome is said after.
  auto* job = new PrintJob(QString::fromStdString(AppSettings.PrinterName), windowTitle(),
                           std::move(texts), this);
  connect(job, &PrintJob::Done, this, [this](PrintJob::Outcome outcome) {
    switch (outcome) {
      case PrintJob::Outcome::kPrinted:
        break;
      case PrintJob::Outcome::kPrinterMissing:
        ShowDialogMessage(this, QMessageBox::Critical, Message(msg::kPrinterMissing));
        break;
      case PrintJob::Outcome::kNothingToPrint:
        ShowDialogMessage(this, QMessageBox::Warning, Message(msg::kNothingToPrint));
        break;
      case PrintJob::Outcome::kFailed:
        ShowDialogMessage(this, QMessageBox::Critical, Message(msg::kPrintFailed));
        break;
    }
  });
  job->Start();
}

}  // namespace vokabi::ui
