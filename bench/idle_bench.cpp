// CPU time of the lookup window left idle with clipboard and selection translation both on,
// beside a bare Qt window left idle the same way, in the same run on the same X server, while
// another program (xclip) owns the clipboard and the primary selection.
#include <sys/resource.h>

#include <QApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/app_context.h"
#include "app/language.h"
#include "app/registry.h"
#include "app/settings.h"
#include "app/system_case_map.h"
#include "bench/synthetic_base.h"
#include "platform/codepage.h"
#include "ui/main/form1.h"

namespace {

using namespace vokabi;

constexpr int kDefaultSeconds = 60;
constexpr int kSettleMs = 2000;
constexpr int kWordsPerSide = 20000;

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// CPU seconds the process spends while its event loop runs for the given time.
double IdleCpu(int seconds) {
  QEventLoop settle;
  QTimer::singleShot(kSettleMs, &settle, &QEventLoop::quit);
  settle.exec();
  const double before = CpuSeconds();
  QEventLoop idle;
  QTimer::singleShot(seconds * 1000, &idle, &QEventLoop::quit);
  idle.exec();
  return CpuSeconds() - before;
}

// xclip owning a selection with a text until the run ends.
std::unique_ptr<QProcess> Own(const char* selection, const std::string& utf8) {
  auto xclip = std::make_unique<QProcess>();
  xclip->start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                         QString::fromLatin1(selection), QStringLiteral("-i")});
  xclip->waitForStarted();
  xclip->write(utf8.data(), static_cast<qint64>(utf8.size()));
  xclip->closeWriteChannel();
  return xclip;
}

void Report(const char* subject, double cpu, int seconds) {
  std::printf("%-44s %7.3f s CPU in %d s = %6.3f %% of one core\n", subject, cpu, seconds,
              100 * cpu / seconds);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    std::fprintf(stderr, "idle_bench needs an X server: run it as scripts/test-servers %s\n",
                 argv[0]);
    return 1;
  }
  const int seconds = qEnvironmentVariableIsSet("VOKABI_IDLE_SECONDS")
                          ? qEnvironmentVariableIntValue("VOKABI_IDLE_SECONDS")
                          : kDefaultSeconds;
  // The settings store of this run only.
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QApplication application(argc, argv);

  const bench::SyntheticBase& base = bench::MakeSyntheticBase(kWordsPerSide);
  AppContext context(platform::MakeSystemRegistryStore());
  ui::AppState app{context};
  app.AppCrypto = std::make_unique<MakeCrypto>(context.AppError);
  app.Colours = ui::LookupSchemeColours(QStringLiteral("Green"));
  app.FontLarge = QFont(QStringLiteral("Sans"), 12);
  app.FontSmall = QFont(QStringLiteral("Sans"), 10);
  app.Dictionaries.push_back(
      std::make_unique<Dictionary>(*app.AppCrypto, context.AppError, base.folder, SystemCaseMap));
  if (!app.Dictionaries.back()->Initialize(base.fileName)) {
    std::fprintf(stderr, "the synthetic base did not load\n");
    return 1;
  }
  context.Language = InterfaceLanguage::At(1000);
  if (!CreateRegKey(context.Store(), RegRoot::CurrentUser, kSettingsKey)) return 1;

  // Something for each timer to look up once, then the same text at every tick.
  const auto clipboard = Own("clipboard", base.words1[kWordsPerSide / 2]);
  const auto selection =
      Own("primary", platform::DecodeCharset(204, base.words2[kWordsPerSide / 3]).utf8);

  {
    QWidget bare;
    bare.resize(ui::Form1::kClientWidth, ui::Form1::kBaseClientHeight);
    bare.show();
    Report("bare Qt window, idle", IdleCpu(seconds), seconds);
  }
  context.AppSettings = SettingsRecord{};
  context.AppSettings.ClipboardTranslate = true;
  context.AppSettings.SelectionTranslate = true;
  ui::Form1 form(app);
  form.Form_Load(QStringLiteral("0"));
  Report("lookup window, clipboard and selection on", IdleCpu(seconds), seconds);
  clipboard->kill();
  selection->kill();
  clipboard->waitForFinished();
  selection->waitForFinished();
  return 0;
}
