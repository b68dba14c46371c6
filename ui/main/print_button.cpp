#include "ui/main/print_button.h"

#include <QWidget>
#include <optional>
#include <utility>

#include "app/app_context.h"
#include "app/catalogue.h"
#include "ui/main/engine_text.h"
#include "ui/main/print_job.h"
#include "ui/main/print_page.h"
#include "ui/main/translation_pane.h"
#include "ui/main/word_box.h"
#include "ui/setup/window_services.h"

namespace vokabi::ui {

namespace {

// What the pane shows instead of a translation.
constexpr std::int32_t kPaneMessages[] = {msg::kCannotTranslate, msg::kNoWord, msg::kNotFound,
                                          msg::kNotCompleted};
constexpr int kWordLabelText = 55;
constexpr int kTranslationLabelText = 56;
constexpr int kProductText = 57;

QString Message(const ErrorClass& errors, std::int32_t nomer) {
  QString text = DecodeText(errors.Language().LanguageCharset, errors.MsgByNomer(nomer));
  return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString Text(const InterfaceLanguage& language, int n) {
  return DecodeText(language.LanguageCharset, UiText(language, n));
}

}  // namespace

PrintButton::PrintButton(const WordBox& wordBox, const TranslationPane& pane, QWidget& window,
                         const AppContext& context, const WindowServices& services)
    : QObject(&window),
      wordBox_(wordBox),
      pane_(pane),
      window_(window),
      context_(context),
      services_(services) {}

void PrintButton::Print() {
  const ErrorClass& errors = context_.AppError;
  const InterfaceLanguage& language = context_.Language;
  const std::string& paneBytes = pane_.Bytes();
  bool nothing = paneBytes.empty();
  for (const std::int32_t message : kPaneMessages)
    nothing = nothing || paneBytes == errors.MsgByNomer(message);
  std::optional<PrintedTexts> texts;
  if (!nothing) {
    texts = PrintedTexts{Text(language, kWordLabelText), Text(language, kTranslationLabelText),
                         ProductLine(Text(language, kProductText)), wordBox_.Text(), pane_.Text()};
  }
  auto* job = new PrintJob(QString::fromStdString(context_.AppSettings.PrinterName),
                           window_.windowTitle(), std::move(texts), &window_);
  connect(job, &PrintJob::Done, this, [this](PrintJob::Outcome outcome) {
    switch (outcome) {
      case PrintJob::Outcome::kPrinted:
        break;
      case PrintJob::Outcome::kPrinterMissing:
        services_.messageBox(&window_, QMessageBox::Critical,
                             Message(context_.AppError, msg::kPrinterMissing));
        break;
      case PrintJob::Outcome::kNothingToPrint:
        services_.messageBox(&window_, QMessageBox::Warning,
                             Message(context_.AppError, msg::kNothingToPrint));
        break;
      case PrintJob::Outcome::kFailed:
        services_.messageBox(&window_, QMessageBox::Critical,
                             Message(context_.AppError, msg::kPrintFailed));
        break;
    }
  });
  job->Start();
}

}  // namespace vokabi::ui
