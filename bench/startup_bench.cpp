// Time from starting the program with the default bases until its window is first painted,
// beside the same for a bare Qt window, on the same machine and in the same run.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

constexpr int kRuns = 20;
constexpr int kWaitMs = 10000;

struct Subject {
  const char* name;
  QString program;
  std::vector<double> ms;
};

// Milliseconds until the process reports its first paint; negative when it never does.
double TimeToShown(const QString& program, const QProcessEnvironment& environment) {
  QProcess process;
  process.setProcessEnvironment(environment);
  QElapsedTimer clock;
  clock.start();
  process.start(program, {});
  QByteArray output;
  double shown = -1;
  while (process.waitForReadyRead(kWaitMs)) {
    output += process.readAllStandardOutput();
    if (output.contains(R"("event":"shown")")) {
      shown = static_cast<double>(clock.nsecsElapsed()) / 1e6;
      break;
    }
  }
  // Closing the program as the system would at log-out.
  process.terminate();
  if (!process.waitForFinished(kWaitMs)) process.kill();
  process.waitForFinished();
  return shown;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const std::filesystem::path folder = VOKABI_PROGRAM_DIR;
  int bases = 0;
  for (const char* base : {"enbg.vkb", "debg.vkb", "frbg.vkb", "itbg.vkb"})
    bases += std::filesystem::exists(folder / base);
  if (bases != 4) {
    std::fprintf(stderr, "startup_bench: the four default bases are not in %s (scripts/bases)\n",
                 folder.c_str());
    return 1;
  }

  // Its own settings and runtime folders, so that no running instance takes the start over.
  QTemporaryDir home;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
  environment.insert(QStringLiteral("VOKABI_TEST_STATE_FILE"), QStringLiteral("/dev/stdout"));

  Subject subjects[] = {{"bare Qt window", QStringLiteral(BARE_WINDOW), {}},
                        {"vokabi, four default bases", QStringLiteral(VOKABI_BINARY), {}}};
  // One start each first, so the files are in the cache and the settings exist.
  for (Subject& subject : subjects) TimeToShown(subject.program, environment);
  for (int run = 0; run < kRuns; ++run) {
    for (Subject& subject : subjects) {
      const double ms = TimeToShown(subject.program, environment);
      if (ms < 0) {
        std::fprintf(stderr, "startup_bench: %s never showed its window\n", subject.name);
        return 1;
      }
      subject.ms.push_back(ms);
    }
  }

  std::printf("platform %s, %d runs each, milliseconds from start to first paint\n",
              qPrintable(environment.value(QStringLiteral("QT_QPA_PLATFORM"))), kRuns);
  std::printf("%-28s %8s %8s %8s\n", "", "median", "min", "max");
  for (const Subject& subject : subjects) {
    const auto [min, max] = std::minmax_element(subject.ms.begin(), subject.ms.end());
    std::printf("%-28s %8.1f %8.1f %8.1f\n", subject.name, Median(subject.ms), *min, *max);
  }
  std::printf("vokabi beyond the bare window: %.1f ms (target: at most 150 ms)\n",
              Median(subjects[1].ms) - Median(subjects[0].ms));
  return 0;
}
