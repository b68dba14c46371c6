#include "platform/registry.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <fstream>
#include <functional>
#include <iterator>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/posix/hive_file.h"
#include "tests/support/config_home.h"

namespace vokabi::platform {
namespace {

using Files = std::set<std::string>;

constexpr RegRoot kUser = RegRoot::CurrentUser;
constexpr std::string_view kKey = "Software\\Tarnvel\\Vokabi\\Settings";

std::string FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs work; should it still be running after a long while, rescue is run to end it. True when
// work ended by itself.
bool EndsUnaided(const std::function<void()>& work, const std::function<void()>& rescue) {
  std::mutex mutex;
  std::condition_variable ended;
  bool done = false;
  bool rescued = false;
  std::thread rescuer([&] {
    std::unique_lock lock(mutex);
    if (ended.wait_for(lock, std::chrono::seconds(20), [&] { return done; })) return;
    rescued = true;
    rescue();
  });
  work();
  {
    const std::lock_guard lock(mutex);
    done = true;
  }
  ended.notify_one();
  rescuer.join();
  return !rescued;
}

// Each test has its own configuration folder and a store made in it.
class RegistryStoreTest : public ::testing::Test {
 protected:
  Files HiveFolderFiles() const {
    Files names;
    for (const auto& entry : std::filesystem::directory_iterator(home_.Hives()))
      names.insert(entry.path().filename().string());
    return names;
  }

  std::filesystem::path UserFile() const { return home_.Hives() / "user.reg"; }

  // The store's options: the default lock wait, and whatever the test puts here called before
  // each replace.
  StoreOptions Options() {
    StoreOptions options;
    options.beforeReplace = [this](const std::filesystem::path& temporary) {
      return !beforeReplace_ || beforeReplace_(temporary);
    };
    return options;
  }

  test::ConfigHome home_;
  std::function<bool(const std::filesystem::path&)> beforeReplace_;
  std::unique_ptr<RegistryStore> store_ = MakeSystemRegistryStore(Options());
};

TEST_F(RegistryStoreTest, KeysAndValuesLiveInOneFilePerRoot) {
  EXPECT_EQ(store_->QueryValue(kUser, kKey, "Style"), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(home_.Hives())) << "a query creates nothing";
  EXPECT_FALSE(store_->SetValue(kUser, kKey, "Style", std::string("Gold")));
  ASSERT_TRUE(store_->CreateKey(kUser, kKey));
  EXPECT_TRUE(store_->SetValue(kUser, kKey, "Style", std::string("Gold")));
  EXPECT_TRUE(store_->SetValue(kUser, kKey, "SavePosition", 1));
  EXPECT_TRUE(
      store_->SetValue(kUser, kKey, "Blob", RegBytes{kRegBinary, std::string("\x00\xFF", 2)}));
  EXPECT_TRUE(store_->SetValue(kUser, kKey, "", std::string("default")));
  EXPECT_TRUE(store_->SetValue(kUser, kKey, "Style", std::string("Silver")));
  EXPECT_EQ(FileBytes(UserFile()),
            "Windows Registry Editor Version 5.00\n\n"
            "[Software]\n\n[Software\\Tarnvel]\n\n[Software\\Tarnvel\\Vokabi]\n\n"
            "[Software\\Tarnvel\\Vokabi\\Settings]\n"
            "\"Style\"=\"Silver\"\n"
            "\"SavePosition\"=dword:00000001\n"
            "\"Blob\"=hex:00,ff\n"
            "@=\"default\"\n\n");

  // Another store (another process) sees the same file; the other root has its own.
  const auto other = MakeSystemRegistryStore();
  EXPECT_EQ(other->QueryValue(kUser, kKey, "Blob"), RegValue(RegBytes{kRegBinary, {'\0', '\xFF'}}));
  ASSERT_TRUE(store_->CreateKey(RegRoot::LocalMachine, "Software\\Run"));
  EXPECT_TRUE(store_->SetValue(RegRoot::LocalMachine, "Software\\Run", "Vokabi", std::string("x")));
  EXPECT_EQ(store_->QueryValue(kUser, "Software\\Run", "Vokabi"), std::nullopt);

  EXPECT_TRUE(store_->DeleteValue(kUser, kKey, "Blob"));
  EXPECT_FALSE(store_->DeleteKey(kUser, "Software\\Tarnvel")) << "it has subkeys";
  EXPECT_TRUE(store_->DeleteKey(kUser, kKey));
  EXPECT_EQ(store_->QueryValue(kUser, kKey, "Style"), std::nullopt);
  EXPECT_EQ(HiveFolderFiles(),
            (Files{"user.reg", "user.reg.lock", "machine.reg", "machine.reg.lock"}));
}

TEST_F(RegistryStoreTest, NamesIgnoreCaseAndTextRoundTrips) {
  ASSERT_TRUE(store_->CreateKey(kUser, kKey));
  ASSERT_TRUE(store_->CreateKey(kUser, "SOFTWARE\\tarnvel\\VOKABI\\settings"));
  EXPECT_TRUE(
      store_->SetValue(kUser, "software\\TARNVEL\\vokabi\\SETTINGS", "STYLE", std::string("Gold")));
  EXPECT_TRUE(store_->SetValue(kUser, kKey, "style", std::string("Red")));
  // One key each, spelled as first created; one value, named as first written.
  const std::string file = FileBytes(UserFile());
  EXPECT_NE(file.find("\n[Software\\Tarnvel\\Vokabi\\Settings]\n\"STYLE\"=\"Red\"\n"),
            std::string::npos);
  EXPECT_EQ(file.find("SOFTWARE"), std::string::npos);

  const std::string texts[] = {"\"quoted\"", "back\\slash\\", "line\nbreak\r\n",
                               "Кирилица\nнов ред", ""};
  for (std::size_t i = 0; i < std::size(texts); ++i)
    ASSERT_TRUE(store_->SetValue(kUser, kKey, "T" + std::to_string(i), texts[i])) << i;
  const auto reader = MakeSystemRegistryStore();
  for (std::size_t i = 0; i < std::size(texts); ++i)
    EXPECT_EQ(reader->QueryValue(kUser, kKey, "T" + std::to_string(i)), RegValue(texts[i])) << i;
  EXPECT_FALSE(store_->SetValue(kUser, kKey, "Bad", std::string("\xC3\x28")));
  EXPECT_FALSE(store_->SetValue(kUser, kKey, "Line\nName", 1));
  EXPECT_FALSE(store_->CreateKey(kUser, "Software\\\\Tarnvel"));
}

TEST_F(RegistryStoreTest, TwoProcessesWritingAtOnceLoseNothing) {
  ASSERT_TRUE(store_->CreateKey(kUser, kKey));
  constexpr int kEach = 500;
  int gate[2];
  ASSERT_EQ(pipe(gate), 0);
  pid_t children[2];
  for (int child = 0; child < 2; ++child) {
    children[child] = fork();
    ASSERT_GE(children[child], 0);
    if (children[child] == 0) {
      close(gate[1]);
      char ignored;
      while (read(gate[0], &ignored, 1) > 0) {
      }
      const auto own = MakeSystemRegistryStore();
      for (int i = 0; i < kEach; ++i)
        if (!own->SetValue(kUser, kKey, "p" + std::to_string(child) + "-" + std::to_string(i), i))
          _exit(1);
      _exit(0);
    }
  }
  close(gate[0]);
  close(gate[1]);  // both start now
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  std::optional<hive::Hive> hive = hive::Parse(FileBytes(UserFile()));
  ASSERT_TRUE(hive);
  hive::Key* key = hive->FindKey(kKey);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->values.size(), 2u * kEach);
  int missing = 0;
  for (int i = 0; i < 2 * kEach; ++i) {
    const hive::Value* value =
        key->FindValue("p" + std::to_string(i / kEach) + "-" + std::to_string(i % kEach));
    missing += !value || value->data != RegValue(i % kEach);
  }
  EXPECT_EQ(missing, 0);
}

// Two programs writing one after the other, as the window and vkb do: each write starts from
// what the file holds then, not from what its store read before.
TEST_F(RegistryStoreTest, StoresWritingInTurnKeepEachOthersWrites) {
  ASSERT_TRUE(store_->CreateKey(kUser, kKey));
  const auto other = MakeSystemRegistryStore();
  ASSERT_TRUE(store_->SetValue(kUser, kKey, "x", 1));
  ASSERT_TRUE(other->SetValue(kUser, kKey, "y", 2));
  ASSERT_TRUE(store_->SetValue(kUser, kKey, "z", 3));
  ASSERT_TRUE(other->DeleteValue(kUser, kKey, "x"));
  ASSERT_TRUE(store_->SetValues(kUser, kKey, {{"w", RegValue(4)}}));
  EXPECT_EQ(store_->QueryValue(kUser, kKey, "x"), std::nullopt);
  std::optional<hive::Hive> hive = hive::Parse(FileBytes(UserFile()));
  ASSERT_TRUE(hive);
  const hive::Key* key = hive->FindKey(kKey);
  ASSERT_TRUE(key);
  std::vector<std::pair<std::string, RegValue>> values;
  for (const hive::Value& value : key->values) values.emplace_back(value.name, value.data);
  EXPECT_EQ(values, (std::vector<std::pair<std::string, RegValue>>{
                        {"y", RegValue(2)}, {"z", RegValue(3)}, {"w", RegValue(4)}}));
}

TEST_F(RegistryStoreTest, AFailedWriteLeavesTheOldFileWhole) {
  ASSERT_TRUE(store_->CreateKey(kUser, kKey));
  ASSERT_TRUE(store_->SetValue(kUser, kKey, "Style", std::string("Gold")));
  const std::string before = FileBytes(UserFile());
  std::string seen;
  beforeReplace_ = [&](const std::filesystem::path& temporary) {
    seen = FileBytes(temporary);
    return false;
  };
  EXPECT_FALSE(store_->SetValue(kUser, kKey, "Style", std::string("Red")));
  EXPECT_NE(seen.find("\"Style\"=\"Red\""), std::string::npos) << "the new file was written";
  EXPECT_EQ(FileBytes(UserFile()), before);
  EXPECT_EQ(HiveFolderFiles(), (Files{"user.reg", "user.reg.lock"}));
}

// A writer killed before its rename leaves FILE.new; the next writer removes it and never
// writes through whatever stands there.
TEST_F(RegistryStoreTest, AStaleTemporaryFileIsRemovedByTheNextWriter) {
  ASSERT_TRUE(store_->CreateKey(kUser, kKey));
  const std::filesystem::path outside = home_.Path() / "outside";
  std::ofstream(outside) << "untouched";
  std::filesystem::create_symlink(outside, home_.Hives() / "user.reg.new");
  EXPECT_TRUE(store_->CreateKey(kUser, kKey));
  EXPECT_EQ(HiveFolderFiles(), (Files{"user.reg", "user.reg.lock"}));
  std::filesystem::create_symlink(outside, home_.Hives() / "user.reg.new");
  EXPECT_TRUE(store_->SetValue(kUser, kKey, "Style", std::string("Red")));
  EXPECT_EQ(HiveFolderFiles(), (Files{"user.reg", "user.reg.lock"}));
  EXPECT_EQ(FileBytes(outside), "untouched");
}

// Settings on a read-only medium or in a folder the user may not write: what is stored is read,
// the key is found, and nothing can be written. Root writes anywhere, so as root the store is
// tried by a child that becomes another user.
TEST_F(RegistryStoreTest, AReadOnlyFolderIsReadButNotWritten) {
  ASSERT_TRUE(store_->CreateKey(kUser, kKey));
  ASSERT_TRUE(store_->SetValue(kUser, kKey, "Style", std::string("Gold")));
  EXPECT_FALSE(store_->ReadOnly());
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    constexpr uid_t kOtherUser = 65534;
    bool ok = true;
    if (geteuid() == 0) {
      for (std::filesystem::path folder = home_.Hives(); folder != home_.Path().parent_path();
           folder = folder.parent_path())
        ok = ok && chmod(folder.c_str(), 0755) == 0;
      // The user's own file, which the other user reads as the owner would.
      ok = ok && chmod(UserFile().c_str(), 0644) == 0 && setgid(kOtherUser) == 0 &&
           setuid(kOtherUser) == 0;
    } else {
      ok = chmod(home_.Hives().c_str(), 0555) == 0;
    }
    const std::unique_ptr<RegistryStore> store = MakeSystemRegistryStore();
    ok = ok && store->ReadOnly() && store->CreateKey(kUser, kKey) &&
         store->QueryValue(kUser, kKey, "Style") == RegValue(std::string("Gold")) &&
         !store->SetValue(kUser, kKey, "Style", std::string("Red")) &&
         !store->CreateKey(kUser, "Software\\Other");
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  chmod(home_.Hives().c_str(), 0700);
  EXPECT_EQ(store_->QueryValue(kUser, kKey, "Style"), RegValue(std::string("Gold")));
}

TEST_F(RegistryStoreTest, ADamagedFileIsKeptAsideAndTheStoreStartsEmpty) {
  const std::string damaged = "Windows Registry Editor Version 5.00\n\n[A]\n\"X\"=dword:zz\n\xFF";
  std::filesystem::create_directories(home_.Hives());
  std::ofstream(UserFile(), std::ios::binary) << damaged;
  EXPECT_EQ(store_->TakeDamageNotice(), std::nullopt);
  EXPECT_EQ(store_->QueryValue(kUser, "A", "X"), std::nullopt);
  const std::optional<std::filesystem::path> kept = store_->TakeDamageNotice();
  ASSERT_TRUE(kept);
  EXPECT_EQ(store_->TakeDamageNotice(), std::nullopt) << "the notice is given once";
  EXPECT_EQ(kept->parent_path(), home_.Hives());
  EXPECT_TRUE(kept->filename().string().starts_with("user.reg.damaged-")) << *kept;
  EXPECT_EQ(FileBytes(*kept), damaged);
  EXPECT_FALSE(std::filesystem::exists(UserFile()));
  // The store goes on from empty.
  ASSERT_TRUE(store_->CreateKey(kUser, "B"));
  EXPECT_TRUE(hive::Parse(FileBytes(UserFile())));
  EXPECT_EQ(store_->QueryValue(kUser, "A", "X"), std::nullopt);
}

// A FIFO would block the opening, a device read on without end: neither is read, and the
// failure says why.
TEST_F(RegistryStoreTest, ASettingsFileThatIsNotARegularFileIsNeverRead) {
  std::filesystem::create_directories(home_.Hives());
  ASSERT_EQ(mkfifo(UserFile().c_str(), 0600), 0);
  bool created = true;
  ASSERT_TRUE(EndsUnaided([&] { created = store_->CreateKey(kUser, kKey); },
                          [&] {
                            const int fd = open(UserFile().c_str(), O_WRONLY | O_NONBLOCK);
                            if (fd >= 0) close(fd);
                          }));
  EXPECT_FALSE(created);
  const StoreTrouble notAFile{StoreTrouble::Kind::kNotAFile, UserFile()};
  EXPECT_EQ(store_->TakeTrouble(), notAFile);
  EXPECT_EQ(store_->TakeTrouble(), std::nullopt) << "told once";
  EXPECT_EQ(store_->QueryValue(kUser, kKey, "Style"), std::nullopt);
  EXPECT_EQ(store_->TakeTrouble(), notAFile);

  std::filesystem::remove(UserFile());
  std::filesystem::create_symlink("/dev/zero", UserFile());
  EXPECT_FALSE(store_->CreateKey(kUser, kKey));
  EXPECT_EQ(store_->TakeTrouble(), notAFile);
  EXPECT_EQ(HiveFolderFiles(), (Files{"user.reg", "user.reg.lock"})) << "nothing moved aside";
}

TEST_F(RegistryStoreTest, ASettingsFileBeyondTheSizeLimitIsKeptAsideAsDamaged) {
  std::filesystem::create_directories(home_.Hives());
  // Well-formed, but for its size.
  std::ofstream(UserFile(), std::ios::binary)
      << "Windows Registry Editor Version 5.00\n\n;" << std::string(hive::kMaxFileSize, 'x')
      << "\n[A]\n\"X\"=dword:00000001\n";
  EXPECT_EQ(store_->QueryValue(kUser, "A", "X"), std::nullopt);
  const std::optional<std::filesystem::path> kept = store_->TakeDamageNotice();
  ASSERT_TRUE(kept);
  EXPECT_GT(std::filesystem::file_size(*kept), hive::kMaxFileSize);
  EXPECT_TRUE(store_->CreateKey(kUser, "A"));
}

// Another program holding the lock for ever makes operations fail after a while, saying why.
TEST_F(RegistryStoreTest, ALockHeldByAnotherProgramIsWaitedForOnlyAWhile) {
  StoreOptions options = Options();
  options.lockWait = std::chrono::milliseconds(200);
  store_ = MakeSystemRegistryStore(options);
  std::filesystem::create_directories(home_.Hives());
  const std::filesystem::path lock = home_.Hives() / "user.reg.lock";
  const int held = open(lock.c_str(), O_RDWR | O_CREAT, 0600);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  bool created = true;
  const bool unaided =
      EndsUnaided([&] { created = store_->CreateKey(kUser, kKey); }, [&] { flock(held, LOCK_UN); });
  close(held);
  ASSERT_TRUE(unaided);
  EXPECT_FALSE(created);
  EXPECT_EQ(store_->TakeTrouble(), (StoreTrouble{StoreTrouble::Kind::kLocked, lock}));
  EXPECT_TRUE(store_->CreateKey(kUser, kKey)) << "free again";
}

}  // namespace
}  // namespace vokabi::platform
