#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <optional>

#include "ui/main/print_page.h"

class QTimer;

namespace vokabi::ui {

// One page sent to a printer on a thread of its own, so that the window never waits on the
// printing system: a scheduler that is stuck or slow holds the job, not the window. Done comes
// once, on the window's thread, when the job has ended or its time has run out; the object
// then deletes itself.
class PrintJob : public QObject {
  Q_OBJECT

 public:
  enum class Outcome {
    kPrinted,
    kPrinterMissing,  // no installed printer has the chosen name, or there is none at all
    kNothingToPrint,  // the printer is there, but there were no texts to print
    kFailed,          // the printer or the printing system failed, refused or did not answer
  };
  // How long the printing system has to take the page; long enough for a busy one.
  static constexpr std::chrono::seconds kTimeout{15};

  // printerName empty: the system's default printer, or the first installed one. The printer
  // is looked for first, also when there are no texts.
  PrintJob(QString printerName, QString documentName, std::optional<PrintedTexts> texts,
           QObject* parent);
  void Start();

 signals:
  void Done(PrintJob::Outcome outcome);

 private:
  void Finish(Outcome outcome);

  QString printerName_;
  QString documentName_;
  std::optional<PrintedTexts> texts_;
  static constexpr int kPollMs = 50;
  QTimer* poll_ = nullptr;
  bool finished_ = false;
};

}  // namespace vokabi::ui
