#include "ui/main/print_button.h"

#include <QWidget>
#include <optional>
#include <utility>

#include "app/catalogue.h"
#include "app/error_class.h"
#include "app/language.h"
#include "app/settings.h"
#include "ui/main/engine_text.h"
#include "ui/main/print_job.h"
#include "ui/main/print_page.h"
#include "ui/main/translation_pane.h"
#include "ui/main/word_box.h"
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

PrintButton::PrintButton(const WordBox& wordBox, const TranslationPane& pane, QWidget& window)
    : QObject(&window), wordBox_(wordBox), pane_(pane), window_(window) {}

void PrintButton::Print() {
  const std::string& paneBytes = pane_.Bytes();
  bool nothing = paneBytes.empty();
  for (const std::int32_t message : kPaneMessages)
    nothing = nothing || paneBytes == AppError.MsgByNomer(message);
  std::optional<PrintedTexts> texts;
  if (!nothing) {
    texts = PrintedTexts{Text(kWordLabelText), Text(kTranslationLabelText),
                         ProductLine(Text(kProductText)), wordBox_.Text(), pane_.Text()};
  }
  auto* job = new PrintJob(QString::fromStdString(AppSettings.PrinterName), window_.windowTitle(),
                           std::move(texts), &window_);
  connect(job, &PrintJob::Done, this, [this](PrintJob::Outcome outcome) {
    switch (outcome) {
      case PrintJob::Outcome::kPrinted:
        break;
      case PrintJob::Outcome::kPrinterMissing:
        ShowDialogMessage(&window_, QMessageBox::Critical, Message(msg::kPrinterMissing));
        break;
      case PrintJob::Outcome::kNothingToPrint:
        ShowDialogMessage(&window_, QMessageBox::Warning, Message(msg::kNothingToPrint));
        break;
      case PrintJob::Outcome::kFailed:
        ShowDialogMessage(&window_, QMessageBox::Critical, Message(msg::kPrintFailed));
        break;
    }
  });
  job->Start();
}

}  // namespace vokabi::ui
