// Time from starting the program with the default bases until its window is first painted,
// beside the same for a bare Qt window, on the same machine and in the same run, and the resident
// size of each when it has painted.
//
// Usage: startup_bench [PROGRAM...]: other vokabi binaries, each started with the bases of its
// own folder (for example one folder of 6 copies of a base and one of 21), the runs taking turns.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kRuns = 20;
constexpr int kWaitMs = 10000;

struct Subject {
  const char* name;
  QString program;
  std::vector<double> ms;
  std::vector<double> residentMiB;
};

// Resident size of the process in MiB, from Linux's process table; 0 elsewhere.
double ResidentMiB(qint64 pid) {
  QFile status(QStringLiteral("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
  }
  return 0;
}

// Milliseconds until the process reports its first paint; negative when it never does.
double TimeToShown(const QString& program, const QProcessEnvironment& environment,
                   double* residentMiB = nullptr) {
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
      if (residentMiB != nullptr) *residentMiB = ResidentMiB(process.processId());
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

// "vokabi, N bases" for the program of that folder; the folder's name too when several are timed.
std::string SubjectName(const std::filesystem::path& folder, bool several) {
  int bases = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    bases += entry.path().extension() == ".vkb";
  std::string name = "vokabi, " + std::to_string(bases) + " bases";
  if (several) name += " (" + folder.filename().string() + ")";
  return name;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  std::vector<std::pair<QString, std::filesystem::path>> programs;
  for (int i = 1; i < argc; ++i)
    programs.emplace_back(QString::fromLocal8Bit(argv[i]),
                          std::filesystem::path(argv[i]).parent_path());
  if (programs.empty()) {
    programs.emplace_back(QStringLiteral(VOKABI_BINARY), VOKABI_PROGRAM_DIR);
    int bases = 0;
    for (const auto& entry : std::filesystem::directory_iterator(programs[0].second))
      bases += entry.path().extension() == ".vkb";
    if (bases < 4) {
      std::fprintf(stderr, "startup_bench: the four default bases are not in %s (scripts/bases)\n",
                   programs[0].second.c_str());
      return 1;
    }
  }

  // Its own settings and runtime folders, so that no running instance takes the start over.
  QTemporaryDir home;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
  environment.insert(QStringLiteral("VOKABI_TEST_STATE_FILE"), QStringLiteral("/dev/stdout"));

  std::vector<std::string> names;
  for (const auto& [program, folder] : programs)
    names.push_back(SubjectName(folder, programs.size() > 1));
  std::vector<Subject> subjects{{"bare Qt window", QStringLiteral(BARE_WINDOW), {}, {}}};
  for (std::size_t i = 0; i < programs.size(); ++i)
    subjects.push_back({names[i].c_str(), programs[i].first, {}, {}});
  // One start each first, so the files are in the cache and the settings exist.
  for (Subject& subject : subjects) TimeToShown(subject.program, environment);
  // The runs take turns, so that each figure meets the machine's load of the same moments.
  for (int run = 0; run < kRuns; ++run) {
    for (Subject& subject : subjects) {
      double resident = 0;
      const double ms = TimeToShown(subject.program, environment, &resident);
      if (ms < 0) {
        std::fprintf(stderr, "startup_bench: %s never showed its window\n", subject.name);
        return 1;
      }
      subject.ms.push_back(ms);
      subject.residentMiB.push_back(resident);
    }
  }

  std::printf("platform %s, %d runs each, milliseconds from start to first paint\n",
              qPrintable(environment.value(QStringLiteral("QT_QPA_PLATFORM"))), kRuns);
  std::printf("%-40s %8s %8s %8s %14s\n", "", "median", "min", "max", "resident MiB");
  for (const Subject& subject : subjects) {
    const auto [min, max] = std::minmax_element(subject.ms.begin(), subject.ms.end());
    std::printf("%-40s %8.1f %8.1f %8.1f %14.1f\n", subject.name, Median(subject.ms), *min, *max,
                Median(subject.residentMiB));
  }
  for (std::size_t i = 1; i < subjects.size(); ++i) {
    std::printf("%s beyond the bare window: %.1f ms\n", subjects[i].name,
                Median(subjects[i].ms) - Median(subjects[0].ms));
  }
  if (subjects.size() == 3) {
    std::printf("%s beyond %s: %.1f ms (target: at most 10 ms more with 21 bases than with 6)\n",
                subjects.back().name, subjects[1].name,
                Median(subjects.back().ms) - Median(subjects[1].ms));
  } else if (subjects.size() == 2) {
    std::printf("(target: at most 40 ms beyond the bare window with the four default bases)\n");
  }
  return 0;
}
