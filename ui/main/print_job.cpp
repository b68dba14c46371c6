#include "ui/main/print_job.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <utility>

#include "platform/print_outcome.h"

namespace vokabi::ui {

namespace {

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

// Runs on the job's own thread: every call here may wait on the printing system.
PrintJob::Outcome Print(const QString& printerName, const QString& documentName,
                        const std::optional<PrintedTexts>& texts) {
  const std::optional<QPrinterInfo> chosen = ChoosePrinter(printerName);
  if (!chosen) {
    return platform::LastPrintRequestAnswered() ? PrintJob::Outcome::kPrinterMissing
                                                : PrintJob::Outcome::kFailed;
  }
  if (!texts) return PrintJob::Outcome::kNothingToPrint;
  QPrinter printer(*chosen, QPrinter::HighResolution);
  printer.setDocName(documentName);
  if (!PrintPage(printer, *texts) || !platform::LastPrintJobTaken())
    return PrintJob::Outcome::kFailed;
  return PrintJob::Outcome::kPrinted;
}

}  // namespace

PrintJob::PrintJob(QString printerName, QString documentName, std::optional<PrintedTexts> texts,
                   QObject* parent)
    : QObject(parent),
      printerName_(std::move(printerName)),
      documentName_(std::move(documentName)),
      texts_(std::move(texts)) {}

void PrintJob::Start() {
  // The thread belongs to no one: a job that outlives its time (or the window) runs on until the
  // printing system lets it go, and its outcome is then dropped with the last reference to it.
  constexpr int kRunning = -1;
  auto outcome = std::make_shared<std::atomic<int>>(kRunning);
  std::thread([outcome, printerName = printerName_, documentName = documentName_, texts = texts_] {
    outcome->store(static_cast<int>(Print(printerName, documentName, texts)));
  }).detach();
  const auto started = std::chrono::steady_clock::now();
  // Looked at now and then rather than signalled: a signal could arrive after the window went.
  poll_ = new QTimer(this);
  poll_->setInterval(kPollMs);
  connect(poll_, &QTimer::timeout, this, [this, outcome, started] {
    if (const int ended = outcome->load(); ended != kRunning) {
      Finish(static_cast<Outcome>(ended));
    } else if (std::chrono::steady_clock::now() - started >= kTimeout) {
      Finish(Outcome::kFailed);
    }
  });
  poll_->start();
}

void PrintJob::Finish(Outcome outcome) {
  if (finished_) return;
  finished_ = true;
  poll_->stop();
  emit Done(outcome);
  deleteLater();
}

}  // namespace vokabi::ui
