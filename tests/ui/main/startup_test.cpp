#include "ui/main/startup.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QtEndian>
#include <QtTest>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <thread>
#include <tuple>
#include <vector>

#include "app/app_context.h"
#include "app/hand_off.h"
#include "app/language.h"
#include "app/registry.h"
#include "app/settings.h"
#include "platform/instance_channel.h"
#include "platform/registry.h"
#include "resources/pictures.h"
#include "tests/support/base_files.h"
#include "tests/support/config_home.h"
#include "tests/support/sample_base.h"
#include "tests/support/temp_folder.h"
#include "ui/main/form1.h"

namespace vokabi::ui {
namespace {

namespace fs = std::filesystem;
using platform::CopyData;
using platform::InstanceChannel;

constexpr int kWaitMs = 15000;
// Another local user, for tests run by root.
constexpr uid_t kOtherUser = 65534;
const QString kNoBases = QStringLiteral("There are no installed dictionary bases.");

// Letters ж, two bytes each in UTF-8.
QString Cyrillic(int count) {
  return QString(count, QChar(0x0436));
}

void WriteFile(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The local sockets this process listens on.
std::set<int> ListeningSockets() {
  std::set<int> sockets;
  for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
    const int fd = std::stoi(entry.path().filename().string());
    sockaddr_un address{};
    socklen_t length = sizeof address;
    int listening = 0;
    socklen_t size = sizeof listening;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0 &&
        address.sun_family == AF_UNIX &&
        getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &listening, &size) == 0 && listening)
      sockets.insert(fd);
  }
  return sockets;
}

// Whether a connection waits on a listening socket, not yet accepted.
bool ConnectionWaits(int listening, int timeoutMs) {
  pollfd waiting{listening, POLLIN, 0};
  return poll(&waiting, 1, timeoutMs) == 1;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// A machine for whole-program tests: the program's folder holding a copy of the built program
// (its application folder is where its bases are looked for), and the user's own settings and
// runtime folders, so no test meets another's instance or settings.
class Machine {
 public:
  Machine() {
    for (const fs::path& folder : {Program(), Config(), Runtime()}) fs::create_directories(folder);
    // As the system makes a user's runtime folder; Qt complains about any other.
    fs::permissions(Runtime(), fs::perms::owner_all);
    std::error_code error;
    fs::create_hard_link(VOKABI_BINARY, Program() / "vokabi", error);
    if (error) fs::copy_file(VOKABI_BINARY, Program() / "vokabi");
  }
  ~Machine() {
    for (const auto& process : processes_) Stop(*process);
  }

  fs::path Program() const { return root_ / "program"; }
  fs::path Config() const { return root_ / "config"; }
  // The user's data folder and the system's, where bases are looked for after the program's.
  fs::path UserData() const { return root_ / "data"; }
  fs::path SharedData() const { return root_ / "shared"; }
  fs::path Runtime() const { return root_ / "run"; }
  fs::path StateFile() const { return root_ / "state"; }
  fs::path Hives() const { return Config() / "Tarnvel" / "Vokabi"; }
  fs::path Socket() const { return Runtime() / ("vokabi-" + std::to_string(getuid())); }

  bool AddBase(const char* name) const {
    return test::WriteBase(Program() / name, test::EnglishBulgarianSample());
  }

  QProcess& Start(const QStringList& arguments = {}) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : {std::pair{"QT_QPA_PLATFORM", QStringLiteral("offscreen")},
                                      {"LC_ALL", QStringLiteral("C.UTF-8")},
                                      {"XDG_CONFIG_HOME", Path(Config())},
                                      {"XDG_DATA_HOME", Path(UserData())},
                                      {"XDG_DATA_DIRS", Path(SharedData())},
                                      {"XDG_RUNTIME_DIR", Path(Runtime())},
                                      {"VOKABI_TEST_MESSAGES", QStringLiteral("1")},
                                      {"VOKABI_TEST_STATE_FILE", Path(StateFile())}})
      environment.insert(QLatin1String(name), value);
    process->setProcessEnvironment(environment);
    process->start(Path(Program() / "vokabi"), arguments);
    processes_.push_back(std::move(process));
    return *processes_.back();
  }

  // Starts the first instance and waits until it takes hand-offs.
  QProcess* StartFirst() {
    QProcess& first = Start();
    if (!QTest::qWaitFor([&] { return Count("ready") == 1; }, kWaitMs)) return nullptr;
    return &first;
  }

  // What the running instances recorded of one kind of event.
  QList<QJsonObject> Events(const char* kind) const {
    QList<QJsonObject> events;
    for (const QByteArray& line : QByteArray::fromStdString(ReadFile(StateFile())).split('\n')) {
      const QJsonObject event = QJsonDocument::fromJson(line).object();
      if (event["event"].toString() == QLatin1String(kind)) events.append(event);
    }
    return events;
  }
  qsizetype Count(const char* kind) const { return Events(kind).size(); }
  QJsonObject LastLookup() const { return Events("lookup").value(Count("lookup") - 1); }

  static QString Path(const fs::path& path) { return QString::fromStdString(path.string()); }
  static bool Stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return true;
    process.terminate();
    if (process.waitForFinished(kWaitMs)) return true;
    process.kill();
    process.waitForFinished();
    return false;
  }

 private:
  test::TempFolder root_;
  std::vector<std::unique_ptr<QProcess>> processes_;
};

// Runs a second start to its end; its exit status, or -1 when it did not end normally.
int RunToEnd(QProcess& process) {
  if (process.state() != QProcess::NotRunning && !process.waitForFinished(kWaitMs)) return -1;
  if (process.exitStatus() != QProcess::NormalExit) return -1;
  return process.exitCode();
}

// A message as it travels on the channel: dwData and the byte count, little-endian, then the bytes.
QByteArray Wire(const CopyData& message) {
  QByteArray bytes(8, '\0');
  qToLittleEndian<quint32>(message.dwData, bytes.data());
  qToLittleEndian<quint32>(static_cast<quint32>(message.data.size()), bytes.data() + 4);
  return bytes.append(message.data.data(), static_cast<qsizetype>(message.data.size()));
}

// A store whose every operation fails unexpectedly.
class ThrowingStore final : public platform::RegistryStore {
 public:
  bool CreateKey(platform::RegRoot, std::string_view) override { throw std::bad_alloc(); }
  std::optional<platform::RegValue> QueryValue(platform::RegRoot, std::string_view,
                                               std::string_view) override {
    throw std::bad_alloc();
  }
  bool SetValue(platform::RegRoot, std::string_view, std::string_view,
                const platform::RegValue&) override {
    throw std::bad_alloc();
  }
  bool DeleteValue(platform::RegRoot, std::string_view, std::string_view) override {
    throw std::bad_alloc();
  }
  bool DeleteKey(platform::RegRoot, std::string_view) override { throw std::bad_alloc(); }
  std::optional<fs::path> TakeDamageNotice() override { return std::nullopt; }
  std::optional<platform::StoreTrouble> TakeTrouble() override { return std::nullopt; }
};

// The store of a settings folder that cannot be written: what it holds reads, every write fails.
class ReadOnlyStore final : public platform::RegistryStore {
 public:
  explicit ReadOnlyStore(std::unique_ptr<platform::RegistryStore> inner)
      : inner_(std::move(inner)) {}
  bool CreateKey(platform::RegRoot root, std::string_view path) override {
    return inner_->CreateKey(root, path);  // the key is there: nothing is written
  }
  std::optional<platform::RegValue> QueryValue(platform::RegRoot root, std::string_view path,
                                               std::string_view name) override {
    return inner_->QueryValue(root, path, name);
  }
  bool SetValue(platform::RegRoot, std::string_view, std::string_view,
                const platform::RegValue&) override {
    return false;
  }
  bool DeleteValue(platform::RegRoot, std::string_view, std::string_view) override { return false; }
  bool DeleteKey(platform::RegRoot, std::string_view) override { return false; }
  std::optional<fs::path> TakeDamageNotice() override { return std::nullopt; }
  std::optional<platform::StoreTrouble> TakeTrouble() override { return std::nullopt; }
  bool ReadOnly() override { return true; }

 private:
  std::unique_ptr<platform::RegistryStore> inner_;
};

using Shown = std::tuple<QMessageBox::Icon, QString, QString>;
std::vector<Shown> shownMessages;
void RecordMessage(QMessageBox::Icon icon, const QString& title, const QString& text) {
  shownMessages.push_back({icon, title, text});
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // Start-up run here speaks English and meets no instance of the user's.
    qputenv("LC_ALL", "C.UTF-8");
    qputenv("XDG_RUNTIME_DIR", runtime_.Path().c_str());
    fs::permissions(runtime_.Path(), fs::perms::owner_all);
    // Nor the bases installed on this machine.
    qputenv("XDG_DATA_DIRS", shared_.Path().c_str());
  }
  void init() { shownMessages.clear(); }

  // ---- The hand-off message ------------------------------------------------------------------

  void handOffCarriesTheTextCutOnACharacterBoundary() {
    const CopyData message = MakeHandOff("/1 house");
    QCOMPARE(message.dwData, 3u);
    QCOMPARE(message.data, std::string("/1 house\0", 9));
    QCOMPARE(MakeHandOff("/1").data, std::string(1, '\0'));
    const std::string two = Cyrillic(150).toStdString();
    std::string four = "abc";  // then U+1F600, four bytes: the cut falls before its last byte
    for (int i = 0; i < 70; ++i) four += "\xF0\x9F\x98\x80";
    // Not UTF-8 at all: cut where the buffer ends rather than lose everything.
    for (const auto& [text, kept] :
         std::vector<std::pair<std::string, std::size_t>>{{std::string(254, 'x'), 254},
                                                          {std::string(300, 'x'), 254},
                                                          {two, 254},
                                                          {"a" + two, 253},
                                                          {four, 251},
                                                          {std::string(300, '\x80'), 254}})
      QCOMPARE(HandOffText(text), text.substr(0, kept));
  }

  void receiverTakesOnlyItsOwnMessagesAndAtMost255Bytes() {
    QVERIFY(!ReceiveCopyData({2, std::string("house\0", 6)}));
    QCOMPARE(ReceiveCopyData({3, std::string("house\0", 6)}).value(), std::string("house"));
    QCOMPARE(ReceiveCopyData({3, std::string("ab\0cd\0", 6)}).value(), std::string("ab"));
    QCOMPARE(ReceiveCopyData({3, std::string(400, 'y')}).value(), std::string(255, 'y'));
    QCOMPARE(ReceiveCopyData({3, {}}).value(), std::string());
  }

  // ---- The channel ---------------------------------------------------------------------------

  void senderGivesUpOnAnOwnerThatDoesNotAnswerOrWentAway() {
    test::TempFolder folder;
    const QString name = Machine::Path(folder / "channel");
    auto first = std::make_unique<InstanceChannel>(name);
    QCOMPARE(first->Claim(), InstanceChannel::Role::kFirst);
    InstanceChannel second(name);
    QCOMPARE(second.Claim(), InstanceChannel::Role::kRunning);
    // The owner never gets to read its socket here.
    QCOMPARE(second.Send(MakeHandOff("house"), std::chrono::milliseconds(200)),
             InstanceChannel::Delivery::kNoAnswer);
    first.reset();
    QCOMPARE(second.Send(MakeHandOff("house"), std::chrono::seconds(5)),
             InstanceChannel::Delivery::kGone);
    QCOMPARE(second.Claim(), InstanceChannel::Role::kFirst);
  }

  void dataHandedBeforeReceivingWaitsForTheReceiver() {
    test::TempFolder folder;
    const QString name = Machine::Path(folder / "channel");
    const std::set<int> before = ListeningSockets();
    InstanceChannel first(name);
    QCOMPARE(first.Claim(), InstanceChannel::Role::kFirst);
    // The socket the channel listens on (bound under another name, then moved to its own).
    std::vector<int> listening;
    std::ranges::set_difference(ListeningSockets(), before, std::back_inserter(listening));
    QCOMPARE(listening.size(), std::size_t{1});
    std::atomic<InstanceChannel::Delivery> delivery = InstanceChannel::Delivery::kGone;
    std::atomic<bool> sent = false;
    std::jthread second([&] {
      InstanceChannel channel(name);
      if (channel.Claim() == InstanceChannel::Role::kRunning)
        delivery = channel.Send(MakeHandOff("house"), std::chrono::seconds(10));
      sent = true;
    });
    // The first start is still busy, e.g. with a message box: the connection waits meanwhile,
    // until the first start's event loop has taken it, before it receives.
    QVERIFY(ConnectionWaits(listening[0], kWaitMs));
    QTRY_VERIFY_WITH_TIMEOUT(!ConnectionWaits(listening[0], 0), kWaitMs);
    std::vector<CopyData> received;
    first.Receive([&](const CopyData& data) { received.push_back(data); });
    QTRY_VERIFY_WITH_TIMEOUT(sent.load(), kWaitMs);
    QCOMPARE(delivery.load(), InstanceChannel::Delivery::kTaken);
    QCOMPARE(received, std::vector<CopyData>{MakeHandOff("house")});
  }

  // A connection that never delivers a whole message is closed; one write may carry several.
  void idleConnectionsAreClosedAndEveryWholeMessageIsRead() {
    test::TempFolder folder;
    const QString name = Machine::Path(folder / "channel");
    InstanceChannel first(name);
    QCOMPARE(first.Claim(), InstanceChannel::Role::kFirst);
    first.SetIdleTimeout(std::chrono::milliseconds(300));
    std::vector<CopyData> received;
    first.Receive([&](const CopyData& data) { received.push_back(data); });

    QLocalSocket silent;
    QLocalSocket halfway;
    QLocalSocket twice;
    for (QLocalSocket* socket : {&silent, &halfway, &twice}) {
      socket->connectToServer(name);
      QVERIFY(socket->waitForConnected(kWaitMs));
    }
    halfway.write(Wire(MakeHandOff("house")).left(10));
    twice.write(Wire(MakeHandOff("house")) + Wire(MakeHandOff("ice")));
    QTRY_COMPARE_WITH_TIMEOUT(twice.bytesAvailable(), 2, kWaitMs);
    QCOMPARE(received, (std::vector<CopyData>{MakeHandOff("house"), MakeHandOff("ice")}));
    QTRY_COMPARE_WITH_TIMEOUT(silent.state(), QLocalSocket::UnconnectedState, kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(halfway.state(), QLocalSocket::UnconnectedState, kWaitMs);
    QCOMPARE(received.size(), 2u);
  }

  // Without a runtime folder the channel lives in a folder of the user's own under the temporary
  // folder, which every user may write to; a place another user holds there is never used.
  void withoutARuntimeFolderTheChannelIsInAFolderOnlyTheUserEnters() {
    test::TempFolder temp;
    fs::permissions(temp.Path(), fs::perms::all | fs::perms::sticky_bit);
    const std::optional<QByteArray> savedTemp =
        qEnvironmentVariableIsSet("TMPDIR") ? std::optional(qgetenv("TMPDIR")) : std::nullopt;
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", temp.Path().c_str());
    qunsetenv("XDG_RUNTIME_DIR");
    const fs::path place = temp / ("vokabi-" + std::to_string(getuid()));
    const auto privateToUser = [&] {
      struct stat info {};
      return lstat(place.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
             (info.st_mode & 0777) == 0700;
    };
    const QString name = platform::UserChannelName();
    const bool made = name.startsWith(Machine::Path(place) + QLatin1Char('/')) && privateToUser();
    std::error_code error;
    fs::permissions(place, fs::perms::all, error);
    const bool narrowed = !platform::UserChannelName().isEmpty() && privateToUser();
    bool otherUsers = true;
    if (geteuid() == 0) {
      otherUsers = chown(place.c_str(), kOtherUser, kOtherUser) == 0 &&
                   platform::UserChannelName().isEmpty();
    }
    fs::remove_all(place);
    fs::create_directory(temp / "elsewhere");
    fs::create_directory_symlink(temp / "elsewhere", place);
    const bool link = platform::UserChannelName().isEmpty();
    fs::remove(place);
    WriteFile(place, "not a folder");
    const bool file = platform::UserChannelName().isEmpty();
    if (savedTemp)
      qputenv("TMPDIR", *savedTemp);
    else
      qunsetenv("TMPDIR");
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
    QVERIFY(made);
    QVERIFY(narrowed);
    QVERIFY(otherUsers);
    QVERIFY(link);
    QVERIFY(file);
  }

  // A process of another user listening where the hand-off goes gets nothing, and its socket is
  // left alone.
  void anotherUsersListenerIsHandedNothing() {
    if (geteuid() != 0) QSKIP("needs root to act as a second user");
    test::TempFolder folder;
    const fs::path path = folder / "channel";
    int report[2];
    QCOMPARE(pipe(report), 0);
    const pid_t child = fork();
    if (child == 0) {
      // The other user: listens, and reports how many bytes reached it before the end.
      const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      path.string().copy(address.sun_path, sizeof address.sun_path - 1);
      if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
          setgid(kOtherUser) != 0 || setuid(kOtherUser) != 0 || listen(fd, 4) != 0)
        _exit(1);
      ssize_t total = 0;
      if (write(report[1], &total, sizeof total) != sizeof total) _exit(1);
      const int connection = accept(fd, nullptr, nullptr);
      char buffer[512];
      for (ssize_t got; (got = read(connection, buffer, sizeof buffer)) > 0;) total += got;
      _exit(write(report[1], &total, sizeof total) == sizeof total ? 0 : 1);
    }
    close(report[1]);
    ssize_t total = -1;
    QCOMPARE(read(report[0], &total, sizeof total), ssize_t{sizeof total});
    InstanceChannel::Role role = InstanceChannel::Role::kRunning;
    InstanceChannel::Delivery delivery = InstanceChannel::Delivery::kTaken;
    {
      InstanceChannel channel(Machine::Path(path));
      role = channel.Claim();
      delivery = channel.Send(MakeHandOff("my secret search"), std::chrono::milliseconds(500));
    }
    const bool reported = read(report[0], &total, sizeof total) == sizeof total;
    close(report[0]);
    waitpid(child, nullptr, 0);
    QVERIFY(reported);
    QCOMPARE(total, ssize_t{0});
    QCOMPARE(role, InstanceChannel::Role::kFirst);
    QCOMPARE(delivery, InstanceChannel::Delivery::kGone);
    QVERIFY(fs::exists(path));
  }

  // ---- Discovery -----------------------------------------------------------------------------

  void everyBaseFileIsFoundInAnyCaseSortedByName() {
    test::TempFolder folder;
    std::set<std::string> bases;
    for (int i = 0; i < 25; ++i) bases.insert("b" + std::to_string(i) + (i % 2 ? ".vkb" : ".VKB"));
    for (const std::string& name : bases) WriteFile(folder / name, "x");
    for (const char* name : {"C.Vkb", "d.vkbx", "e.txt", "vkb"}) WriteFile(folder / name, "x");
    fs::create_directory(folder / "f.vkb");
    std::vector<std::string> expected(bases.begin(), bases.end());  // all lower case: byte order
    expected.push_back("C.Vkb");
    QCOMPARE(FindBaseFiles(folder.Path()), expected);
  }

  // Damaged files listed first never push good bases out of the 21 places.
  void theLimitOf21CountsOnlyBasesThatLoad() {
    for (const std::size_t good : {4u, 22u}) {
      test::TempFolder folder;
      for (std::size_t i = 0; i < 21 + good; ++i)
        WriteFile(folder / ("b" + std::to_string(i) + ".vkb"), "damaged");
      const std::vector<std::string> listed = FindBaseFiles(folder.Path());
      QCOMPARE(listed.size(), 21 + good);
      for (std::size_t i = 21; i < listed.size(); ++i)
        QVERIFY(test::WriteBase(folder / listed[i], test::EnglishBulgarianSample()));
      AppContext context(platform::MakeSystemRegistryStore());
      AppState app{context};
      LoadBases(app, folder.Path(), listed);
      std::vector<std::string> loaded;
      for (const auto& dictionary : app.Dictionaries) loaded.push_back(dictionary->DicName());
      const auto first = listed.begin() + 21;
      QCOMPARE(loaded, std::vector<std::string>(first, first + std::min<std::size_t>(good, 21)));
    }
  }

  // The bases load side by side, yet each loaded base reports into the program's message object
  // afterwards, and that object holds what the last load tried left, as one after the other.
  void parallelLoadsReportAsOneAfterTheOther() {
    test::TempFolder folder;
    WriteFile(folder / "bad.vkb", "damaged");
    QVERIFY(test::WriteBase(folder / "good.vkb", test::EnglishBulgarianSample()));
    for (const bool goodLast : {false, true}) {
      AppContext context(platform::MakeSystemRegistryStore());
      AppState app{context};
      LoadBases(app, folder.Path(),
                goodLast ? std::vector<std::string>{"bad.vkb", "good.vkb"}
                         : std::vector<std::string>{"good.vkb", "bad.vkb"});
      QCOMPARE(app.Dictionaries.size(), std::size_t{1});
      QCOMPARE(context.AppError.Nomer(), goodLast ? msg::kNone : msg::kNoSettings);
      QVERIFY(!app.Dictionaries[0]->Translate("no such word"));
      QCOMPARE(context.AppError.Nomer(), msg::kNotFound);
      QVERIFY(app.Dictionaries[0]->Translate("house"));
    }
  }

  // A start without bases, or whose settings cannot be opened, ends with one message box, told
  // in the system's language as no stored language could be read.
  void startThatCannotGoOnEndsWithItsMessage() {
    for (const bool settings : {false, true}) {
      shownMessages.clear();
      test::ConfigHome config;
      test::TempFolder folder;
      WriteFile(folder / "only.vkb", "damaged");
      if (settings)
        WriteFile(config.Path() / "Tarnvel", "a file where the settings folder belongs");
      AppContext context(platform::MakeSystemRegistryStore());
      QCOMPARE(Main(context, &RecordMessage, QStringLiteral("house"), Machine::Path(folder.Path())),
               1);
      const QString text =
          settings ? QStringLiteral("Error while trying to open registry.") : kNoBases;
      QCOMPARE(shownMessages,
               std::vector{Shown(QMessageBox::Critical, QStringLiteral("Vokabi"), text)});
    }
  }

  // Settings that cannot be read before the interface language is chosen still give a readable
  // message in the system's language, naming what is in the way when the store can tell.
  void settingsThatCannotBeReadAreToldReadably() {
    test::ConfigHome config;
    test::TempFolder folder;
    // An unexpected failure, at the program's start, where no language is chosen yet.
    AppContext throwing(std::make_unique<ThrowingStore>());
    QCOMPARE(Main(throwing, &RecordMessage, QStringLiteral("house"), Machine::Path(folder.Path())),
             1);
    QCOMPARE(shownMessages, std::vector{Shown(QMessageBox::Critical, QStringLiteral("Vokabi"),
                                              QStringLiteral("Error while trying to open "
                                                             "registry."))});
    shownMessages.clear();
    fs::create_directories(config.Hives());
    QCOMPARE(mkfifo((config.Hives() / "user.reg").c_str(), 0600), 0);
    AppContext context(platform::MakeSystemRegistryStore());
    QCOMPARE(Main(context, &RecordMessage, QStringLiteral("house"), Machine::Path(folder.Path())),
             1);
    QCOMPARE(shownMessages.size(), 1u);
    QCOMPARE(std::get<2>(shownMessages[0]),
             Machine::Path(config.Hives() / "user.reg") +
                 QStringLiteral(" is not an ordinary file and cannot hold the settings. Move or "
                                "delete it and start again."));
  }

  // Settings in a folder that cannot be written: the program starts with them, says once that
  // changes will not be kept, and closing, which cannot save, says nothing more.
  void readOnlySettingsAreUsedAndSaidOnce() {
    test::ConfigHome config;
    test::TempFolder folder;
    QVERIFY(test::WriteBase(folder / "enbg.vkb", test::EnglishBulgarianSample()));
    const std::unique_ptr<platform::RegistryStore> writable = platform::MakeSystemRegistryStore();
    QVERIFY(CreateRegKey(*writable, RegRoot::CurrentUser, kSettingsKey));
    SetRegValue(*writable, RegRoot::CurrentUser, kSettingsKey, "Style", std::string("Gold"),
                kRegSzType);
    AppContext context(std::make_unique<ReadOnlyStore>(platform::MakeSystemRegistryStore()));
    QTimer::singleShot(0, [] {
      for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<Form1*>(window)) window->close();
    });
    QCOMPARE(Main(context, &RecordMessage, QStringLiteral("0"), Machine::Path(folder.Path())), 0);
    QCOMPARE(shownMessages,
             std::vector{Shown(QMessageBox::Information, QStringLiteral("Vokabi"),
                               QStringLiteral("The settings folder is read-only: the program runs "
                                              "with the stored settings, but changes will not be "
                                              "kept."))});
    QCOMPARE(context.AppSettings.Style, std::string("Gold"));
  }

  // ---- The whole program ---------------------------------------------------------------------

  void secondStartTranslatesInTheFirstAndEnds() {
    Machine machine;
    QVERIFY(machine.AddBase("ENBG.VKB"));  // found in any case
    LeaveStaleSocket(machine.Socket());    // replaced by the first start
    QProcess* first = machine.StartFirst();
    QVERIFY(first);
    // No words: message 4; a long command line arrives cut.
    for (const auto& [arguments, word] : std::vector<std::pair<QStringList, QString>>{
             {{QStringLiteral("house")}, QStringLiteral("house")},
             {{QStringLiteral("ice"), QStringLiteral("cream")}, QStringLiteral("ice cream")},
             {{}, QString()},
             {{QStringLiteral("a") + Cyrillic(150)}, QStringLiteral("a") + Cyrillic(126)}}) {
      QCOMPARE(RunToEnd(machine.Start(arguments)), 0);
      QCOMPARE(machine.LastLookup()["word"].toString(), word);
    }
    QCOMPARE(machine.Events("lookup")[0]["pane"].toString().contains(QStringLiteral("къща")), true);
    QCOMPARE(machine.Events("lookup")[2]["pane"].toString(),
             QStringLiteral("There are no word/phrase for translation."));
    QCOMPARE(first->state(), QProcess::Running);
  }

  // The user's and the system's bases join the program's own, sorted together; a name found
  // twice is read from the first folder that has it, the program's, then the user's.
  void basesBesideTheProgramThenTheUsersThenTheSystems() {
    Machine machine;
    const fs::path user = machine.UserData() / "vokabi", shared = machine.SharedData() / "vokabi";
    for (const fs::path& folder : {user, shared}) fs::create_directories(folder);
    QVERIFY(machine.AddBase("enbg.vkb"));
    for (const fs::path& base : {user / "enbg.vkb", user / "mine.vkb", shared / "mine.vkb",
                                 shared / "debg.vkb", shared / "zz.vkb"})
      QVERIFY(test::WriteBase(base, test::EnglishBulgarianSample()));
    WriteFile(user / "zz.vkb", "damaged: the system's base of the name is not read instead");
    QVERIFY(machine.StartFirst());
    const QJsonObject ready = machine.Events("ready").value(0);
    QCOMPARE(ready["bases"].toArray(), (QJsonArray{Machine::Path(shared / "debg.vkb"),
                                                   Machine::Path(machine.Program() / "enbg.vkb"),
                                                   Machine::Path(user / "mine.vkb")}));
    QStringList flags = ready["controls"].toObject().keys().filter(QRegularExpression("^Option1_"));
    QCOMPARE(flags, (QStringList{QStringLiteral("Option1_0"), QStringLiteral("Option1_1"),
                                 QStringLiteral("Option1_2")}));
  }

  void startsAtTheSameMomentGiveOneInstance() {
    Machine machine;
    QVERIFY(machine.AddBase("enbg.vkb"));
    for (int round = 1; round <= 3; ++round) {
      QProcess& one = machine.Start();
      QProcess& two = machine.Start();
      QTRY_VERIFY_WITH_TIMEOUT(
          one.state() == QProcess::NotRunning || two.state() == QProcess::NotRunning, kWaitMs);
      QProcess& ended = one.state() == QProcess::NotRunning ? one : two;
      QProcess& running = &ended == &one ? two : one;
      QCOMPARE(RunToEnd(ended), 0);
      QTRY_COMPARE_WITH_TIMEOUT(machine.Count("lookup"), round, kWaitMs);
      QCOMPARE(machine.Count("ready"), round);
      QCOMPARE(running.state(), QProcess::Running);
      QVERIFY(Machine::Stop(running));
    }
  }

  void folderWithoutBasesEndsWithMessage10() {
    Machine machine;
    QProcess& start = machine.Start({QStringLiteral("house")});
    QCOMPARE(RunToEnd(start), 1);
    QVERIFY(start.readAllStandardError().contains(kNoBases.toUtf8()));
    QCOMPARE(machine.Count("ready"), 0);
  }

  void damagedSettingsAreKeptAsideAndReportedOnce() {
    Machine machine;
    QVERIFY(machine.AddBase("enbg.vkb"));
    fs::create_directories(machine.Hives());
    WriteFile(machine.Hives() / "user.reg", "\x01\x02 not settings");
    QProcess* first = machine.StartFirst();
    QVERIFY(first);
    std::vector<fs::path> kept;
    for (const fs::directory_entry& entry : fs::directory_iterator(machine.Hives()))
      if (entry.path().filename().string().starts_with("user.reg.damaged-"))
        kept.push_back(entry.path());
    QCOMPARE(kept.size(), 1u);
    QCOMPARE(ReadFile(kept[0]), std::string("\x01\x02 not settings"));
    QVERIFY(Machine::Stop(*first));
    const QByteArray told = first->readAllStandardError();
    QVERIFY2(told.contains(("was kept as " + kept[0].string()).c_str()), told.constData());

    QProcess* again = machine.StartFirst();
    QVERIFY(again);
    QVERIFY(Machine::Stop(*again));
    QVERIFY(!again->readAllStandardError().contains("was kept as"));
  }

  void endRequestClosesAndSaves() {
    Machine machine;
    QVERIFY(machine.AddBase("enbg.vkb"));
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
      fs::remove(machine.Hives() / "user.reg");
      QProcess* first = machine.StartFirst();
      QVERIFY(first);
      QCOMPARE(ReadFile(machine.Hives() / "user.reg").find("WorkDic"), std::string::npos);
      kill(static_cast<pid_t>(first->processId()), signal);
      QCOMPARE(RunToEnd(*first), 0);
      QVERIFY(ReadFile(machine.Hives() / "user.reg").find("\"WorkDic\"") != std::string::npos);
      QVERIFY(!fs::exists(machine.Socket()));
      fs::remove(machine.StateFile());
    }
  }

  // ---- Pictures ------------------------------------------------------------------------------

  void picturesAreDrawnOnceEach() {
    std::set<QByteArray> seen;
    for (int resource = 102; resource <= 108; ++resource) {
      const QPixmap flag = FlagBitmap(resource);
      QCOMPARE(flag.size(), QSize(24, 16));
      QCOMPARE(FlagBitmap(resource).cacheKey(), flag.cacheKey());
      const QImage image = flag.toImage().convertToFormat(QImage::Format_RGB32);
      seen.emplace(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    }
    QCOMPARE(seen.size(), 7u);
    QCOMPARE(FlagBitmap(4).cacheKey(), FlagBitmap(108).cacheKey());
  }

 private:
  test::TempFolder runtime_;
  test::TempFolder shared_;

  // A socket file whose owner is gone, as a crashed start leaves it.
  static void LeaveStaleSocket(const fs::path& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.string().copy(address.sun_path, sizeof address.sun_path - 1);
    QCOMPARE(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    close(fd);
    QVERIFY(fs::exists(path));
  }
};

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::StartupTest)
#include "startup_test.moc"
