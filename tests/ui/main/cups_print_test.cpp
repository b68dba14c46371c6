// The print button on a real CUPS scheduler (scripts/test starts a private one): a queue whose
// device writes a PDF file, read back with poppler to check the page.
#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <memory>

#include "tests/ui/main/hand_off_probe.h"
#include "tests/ui/main/pdf_page.h"
#include "tests/ui/setup/dialog_world.h"
#include "ui/main/print_job.h"

namespace vokabi::ui {

// The generic PDF printer of cups-filters.
constexpr const char* kPdfPrinterDriver = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";

namespace {

// Converting and writing one page takes the scheduler well under this, even on a busy machine.
constexpr int kJobTimeoutMs = 60000;

bool Run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) {
    qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return false;
  }
  if (output != nullptr) *output = process.readAllStandardOutput();
  return true;
}

bool NoJobsLeft() {
  QByteArray jobs;
  return Run(QStringLiteral("lpstat"), {QStringLiteral("-o")}, &jobs) && jobs.trimmed().isEmpty();
}

}  // namespace

class CupsPrintTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    world_ = std::make_unique<DialogWorld>();
    QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
    QVERIFY(AddQueue(QStringLiteral("VokabiPdf"), QStringLiteral("first.pdf")));
    QVERIFY(AddQueue(QStringLiteral("Vokabi_Second"), QStringLiteral("second.pdf")));
  }
  void cleanup() {
    world_.reset();
    RemoveQueues();
  }

  void emptyNamePrintsOnTheDefaultPrinter();
  void namedPrinterIsMatchedExactly();
  void nothingToPrintAfterAMiss();
  void noPrinterAtAll();
  void bothArticlesArePrintedUnderTheirDirections();
  void rejectingQueueSaysSo();
  void stuckSchedulerHoldsTheJobNotTheWindow();

 private:
  // A queue whose device is a PDF file in the test's folder.
  bool AddQueue(const QString& name, const QString& file) {
    const QString device = QStringLiteral("file://") +
                           QString::fromStdString((folder_.Path() / file.toStdString()).string());
    QFile::remove(QString::fromStdString((folder_.Path() / file.toStdString()).string()));
    return Run(QStringLiteral("lpadmin"),
               {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"), device,
                QStringLiteral("-P"), QString::fromLatin1(kPdfPrinterDriver)});
  }
  static void RemoveQueues() {
    for (const QString& queue : {QStringLiteral("VokabiPdf"), QStringLiteral("Vokabi_Second")}) {
      QProcess lpadmin;
      lpadmin.start(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue});
      lpadmin.waitForFinished(30000);
    }
  }
  QString Output(const char* file) const {
    return QString::fromStdString((folder_.Path() / file).string());
  }
  Form1& LookUp(const QString& word) {
    Form1& form = world_->Load(word);
    return form;
  }
  void Print() { DialogWorld::Click(world_->form->findChild<Button*>(QStringLiteral("BtnPrint"))); }
  // Waits until the scheduler has written the page.
  void WaitForPage(const char* file) {
    QTRY_VERIFY_WITH_TIMEOUT(NoJobsLeft() && QFileInfo(Output(file)).size() > 0, kJobTimeoutMs);
  }

  std::unique_ptr<DialogWorld> world_;
  test::TempFolder folder_;
};

void CupsPrintTest::emptyNamePrintsOnTheDefaultPrinter() {
  QVERIFY(Run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("VokabiPdf")}));
  LookUp(QStringLiteral("house"));
  Print();
  WaitForPage("first.pdf");
  QVERIFY(world_->messages.empty());

  const std::vector<test::PdfWord> words = test::PdfWords(Output("first.pdf"));
  QStringList texts;
  for (const test::PdfWord& word : words) texts << word.text;
  QCOMPARE(texts.mid(3),
           QStringList({QStringLiteral("Word"), QStringLiteral(":"), QStringLiteral("house"),
                        QStringLiteral("Translated"), QStringLiteral("to"), QStringLiteral(":"),
                        QStringLiteral("къща;"), QStringLiteral("дом")}));
  QCOMPARE(texts.first(), QStringLiteral("Vokabi"));
  // The driver's printable area begins 18 points in and 36 down; positions count from there.
  QVERIFY(std::abs(words[0].xMin - (18 + 30)) < 0.5);
  QVERIFY(std::abs(words[0].yMin - (36 + 20)) < 2);
  QVERIFY(std::abs(words[3].xMin - (18 + 25)) < 0.5);
  QVERIFY(std::abs(words[3].yMin - (36 + 50)) < 2);
  QVERIFY(std::abs(words[6].xMin - (18 + 25)) < 0.5);
  QVERIFY(std::abs(words[6].yMin - (36 + 70)) < 2);
  QCOMPARE(test::PdfPages(Output("first.pdf")), 1);
  QCOMPARE(QFileInfo(Output("second.pdf")).size(), 0);
}

void CupsPrintTest::namedPrinterIsMatchedExactly() {
  world_->context.AppSettings.PrinterName = "vokabi_second";
  LookUp(QStringLiteral("tree"));
  Print();
  QTRY_COMPARE(world_->messages.size(), std::size_t(1));
  QCOMPARE(world_->messages[0].first, QMessageBox::Critical);
  QCOMPARE(world_->messages[0].second,
           QStringLiteral("Attention! Selected printer not found! \nPlease choose new printer from "
                          "setup menu."));

  world_->context.AppSettings.PrinterName = "Vokabi_Second";
  Print();
  WaitForPage("second.pdf");
  QCOMPARE(world_->messages.size(), std::size_t(1));
  QVERIFY(test::PdfWords(Output("second.pdf")).back().text == QStringLiteral("дърво"));
  QCOMPARE(QFileInfo(Output("first.pdf")).size(), 0);
}

void CupsPrintTest::nothingToPrintAfterAMiss() {
  world_->context.AppSettings.PrinterName = "VokabiPdf";
  world_->Load(QStringLiteral("housx"));
  Print();
  QTRY_COMPARE(world_->messages.size(), std::size_t(1));
  // An empty pane says the same.
  world_->Load(QStringLiteral("0"));
  Print();
  QTRY_COMPARE(world_->messages.size(), std::size_t(2));
  for (const auto& [icon, text] : world_->messages) {
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(text, QStringLiteral("There are no translation to print. Action canceled."));
  }
  QVERIFY(NoJobsLeft());
  QCOMPARE(QFileInfo(Output("first.pdf")).size(), 0);
}

void CupsPrintTest::noPrinterAtAll() {
  RemoveQueues();
  LookUp(QStringLiteral("house"));
  Print();
  QTRY_COMPARE(world_->messages.size(), std::size_t(1));
  QCOMPARE(world_->messages[0].first, QMessageBox::Critical);
  QVERIFY(world_->messages[0].second.startsWith(QStringLiteral("Attention! Selected printer")));
}

void CupsPrintTest::bothArticlesArePrintedUnderTheirDirections() {
  world_.reset();  // its end restores the settings the next one starts from
  world_ = std::make_unique<DialogWorld>();
  QVERIFY(world_->AddBase(test::RussianBulgarianSample()));
  QVERIFY(Run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("VokabiPdf")}));
  LookUp(QStringLiteral("стол"));
  Print();
  WaitForPage("first.pdf");
  QVERIFY(world_->messages.empty());
  QStringList texts;
  for (const test::PdfWord& word : test::PdfWords(Output("first.pdf"))) texts << word.text;
  const QStringList translation = texts.mid(texts.indexOf(QStringLiteral("Translated")) + 3);
  QCOMPARE(translation, QStringList({QStringLiteral("Bulgarian"), QStringLiteral("\u2192"),
                                     QStringLiteral("Russian"), QStringLiteral("стул"),
                                     QStringLiteral("Russian"), QStringLiteral("\u2192"),
                                     QStringLiteral("Bulgarian"), QStringLiteral("маса")}));
}

void CupsPrintTest::rejectingQueueSaysSo() {
  QVERIFY(Run(QStringLiteral("cupsreject"), {QStringLiteral("VokabiPdf")}));
  world_->context.AppSettings.PrinterName = "VokabiPdf";
  LookUp(QStringLiteral("house"));
  Print();
  QTRY_COMPARE(world_->messages.size(), std::size_t(1));
  QCOMPARE(world_->messages[0].first, QMessageBox::Critical);
  QCOMPARE(world_->messages[0].second,
           QStringLiteral("Could not print word/phrase and translation!"));
  QVERIFY(NoJobsLeft());
  QCOMPARE(QFileInfo(Output("first.pdf")).size(), 0);
}

void CupsPrintTest::stuckSchedulerHoldsTheJobNotTheWindow() {
  const pid_t scheduler = qEnvironmentVariableIntValue("TEST_CUPSD_PID");
  QVERIFY2(scheduler > 0, "TEST_CUPSD_PID does not name the private scheduler (scripts/test)");
  world_->context.AppSettings.PrinterName = "VokabiPdf";
  Form1& form = LookUp(QStringLiteral("house"));
  // Stopped as a hung scheduler is; let go whatever the test's end.
  QVERIFY(::kill(scheduler, SIGSTOP) == 0);
  struct Resume {
    pid_t pid;
    ~Resume() { ::kill(pid, SIGCONT); }
  } resume{scheduler};
  Print();
  QCOMPARE(HandOffsTakenWithinASecond(form, {"tree", "door", "house"}), 3);
  QVERIFY(world_->messages.empty());
  // The job's time runs out: it failed, and the user is told.
  QTRY_COMPARE_WITH_TIMEOUT(world_->messages.size(), std::size_t(1),
                            int(std::chrono::milliseconds(PrintJob::kTimeout).count()) + 10000);
  QCOMPARE(world_->messages[0].first, QMessageBox::Critical);
  QCOMPARE(world_->messages[0].second,
           QStringLiteral("Could not print word/phrase and translation!"));
  // What the scheduler held comes out once it goes on, and nothing more is said.
  QVERIFY(::kill(scheduler, SIGCONT) == 0);
  WaitForPage("first.pdf");
  QCOMPARE(world_->messages.size(), std::size_t(1));
}

}  // namespace vokabi::ui

int main(int argc, char** argv) {
  // The scheduler is what this test is about; without it the test fails, saying why.
  if (qEnvironmentVariableIsEmpty("CUPS_SERVER")) {
    std::fprintf(stderr,
                 "FAIL: no private CUPS scheduler (CUPS_SERVER is empty); scripts/test "
                 "starts one\n");
    return 1;
  }
  for (const char* tool : {"lpadmin", "lpstat", "cupsreject", "pdftotext", "pdfinfo"}) {
    if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
      std::fprintf(stderr, "FAIL: %s is not installed (scripts/packages.sh TEST_PACKAGES)\n", tool);
      return 1;
    }
  }
  if (!QFile::exists(QString::fromLatin1(vokabi::ui::kPdfPrinterDriver))) {
    std::fprintf(stderr, "FAIL: no PDF printer driver (cups-filters)\n");
    return 1;
  }
  QApplication application(argc, argv);
  vokabi::ui::CupsPrintTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "cups_print_test.moc"
