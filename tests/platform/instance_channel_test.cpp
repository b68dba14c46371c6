// The channel between one user's starts: where it is made, and who may hand anything over it.
#include "platform/instance_channel.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QtTest>
#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/temp_folder.h"

namespace vokabi::platform {

namespace {

namespace fs = std::filesystem;

// Another local user, for tests run by root.
constexpr uid_t kOtherUser = 65534;
constexpr int kWaitMs = 15000;

// How a sender process fared.
enum Outcome { kRefused = 0, kNoConnection = 1, kTaken = 2, kNoAnswer = 3, kFailed = 4 };

// Connects to the channel as the given user (or as this one), hands over one text and tells
// whether it was acknowledged. Runs in a forked child: system calls only.
[[noreturn]] void SendAs(const fs::path& channel, std::optional<uid_t> user) {
  if (user && (setgid(*user) != 0 || setuid(*user) != 0)) _exit(kFailed);
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  channel.string().copy(address.sun_path, sizeof address.sun_path - 1);
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
    _exit(kNoConnection);
  // dwData 1 and six bytes, little-endian.
  const char message[] = {1, 0, 0, 0, 6, 0, 0, 0, 's', 'e', 'c', 'r', 'e', 't'};
  if (send(fd, message, sizeof message, MSG_NOSIGNAL) != static_cast<ssize_t>(sizeof message))
    _exit(kRefused);
  pollfd wait{fd, POLLIN, 0};
  if (poll(&wait, 1, kWaitMs) != 1) _exit(kNoAnswer);
  char answer = 0;
  _exit(read(fd, &answer, 1) == 1 && answer == 1 ? kTaken : kRefused);
}

// Sets an environment variable for the life of the object.
class EnvironmentVariable {
 public:
  EnvironmentVariable(const char* name, const fs::path& value)
      : name_(name),
        saved_(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt) {
    qputenv(name, value.c_str());
  }
  ~EnvironmentVariable() {
    if (saved_)
      qputenv(name_, *saved_);
    else
      qunsetenv(name_);
  }
  EnvironmentVariable(const EnvironmentVariable&) = delete;
  EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

 private:
  const char* name_;
  std::optional<QByteArray> saved_;
};

mode_t ModeOf(const fs::path& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

}  // namespace

class InstanceChannelTest : public QObject {
  Q_OBJECT

 private slots:
  // The peer check asks who connected, not who listens: a process of another user that reaches
  // the socket hands nothing over, while one of the same user does.
  void aSenderOfAnotherUserIsRefused() {
    if (geteuid() != 0) QSKIP("needs root to act as a second user");
    test::TempFolder folder;
    fs::permissions(folder.Path(), fs::perms::owner_all | fs::perms::others_exec);
    const fs::path path = folder / "channel";
    InstanceChannel channel(QFile::decodeName(path.c_str()));
    QCOMPARE(channel.Claim(), InstanceChannel::Role::kFirst);
    QStringList received;
    channel.Receive([&](const CopyData& data) { received << QString::fromStdString(data.data); });
    // Root opens the socket to everybody, so that only the peer check stands in the way.
    QCOMPARE(chmod(path.c_str(), 0777), 0);

    for (const std::optional<uid_t> user :
         {std::optional<uid_t>(kOtherUser), std::optional<uid_t>()}) {
      const pid_t child = fork();
      QVERIFY(child >= 0);
      if (child == 0) SendAs(path, user);
      int status = -1;
      bool ended = false;
      const auto reaped = [&] {
        return ended = ended || waitpid(child, &status, WNOHANG) == child;
      };
      QTRY_VERIFY_WITH_TIMEOUT(reaped(), 2 * kWaitMs);
      QVERIFY(WIFEXITED(status));
      if (user) {
        QCOMPARE(WEXITSTATUS(status), int(kRefused));
        QCOMPARE(received, QStringList());
      } else {
        QCOMPARE(WEXITSTATUS(status), int(kTaken));
        QCOMPARE(received, QStringList{QStringLiteral("secret")});
      }
    }
  }

  // A runtime folder that its group or others may enter is not the user's alone: the channel
  // goes to the user's own folder in the temporary folder, which is narrowed to the user.
  void foldersOthersMayEnterAreNotUsedAsTheyAre() {
    test::TempFolder temp;
    fs::permissions(temp.Path(), fs::perms::all | fs::perms::sticky_bit);
    const EnvironmentVariable tmp("TMPDIR", temp.Path());
    const fs::path fallback = temp / ("vokabi-" + std::to_string(getuid()));
    const fs::path runtime = temp / "run";
    fs::create_directory(runtime);
    const EnvironmentVariable xdg("XDG_RUNTIME_DIR", runtime);
    const QString inRuntime = QFile::decodeName(runtime.c_str()) + QLatin1Char('/');
    const QString inFallback = QFile::decodeName(fallback.c_str()) + QLatin1Char('/');

    QVERIFY(chmod(runtime.c_str(), 0700) == 0);
    QVERIFY(UserChannelName().startsWith(inRuntime));
    QVERIFY(!fs::exists(fallback));
    for (const mode_t mode : {0770, 0750, 0707, 0701, 0710}) {
      QVERIFY(chmod(runtime.c_str(), mode) == 0);
      const QString name = UserChannelName();
      QVERIFY2(name.startsWith(inFallback), qPrintable(QString::number(mode, 8) + name));
      QCOMPARE(ModeOf(runtime), mode);  // the system's folder is not ours to change
      QCOMPARE(ModeOf(fallback), mode_t(0700));
      // The fallback opened up again is narrowed before it is used.
      QVERIFY(chmod(fallback.c_str(), mode) == 0);
      QVERIFY2(UserChannelName().startsWith(inFallback), qPrintable(QString::number(mode, 8)));
      QCOMPARE(ModeOf(fallback), mode_t(0700));
    }
  }
};

}  // namespace vokabi::platform

QTEST_GUILESS_MAIN(vokabi::platform::InstanceChannelTest)
#include "instance_channel_test.moc"
