#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/registry.h"

// One registry root kept as a file in the registry export text format, UTF-8:
//
//   Windows Registry Editor Version 5.00
//
//   [Software\Tarnvel\Vokabi\Settings]
//   @="default value"
//   "Style"="Blue \"sky\" \\ dark"
//   "SavePosition"=dword:00000001
//   "Blob"=hex:01,02,ff
//   "Other"=hex(b):00,00,00,00,00,00,00,00
//
// Between quotes only \\ and \" are escaped. Text holding a line break or another control
// character (tab aside) cannot stand between quotes; it is written as regedit writes such text,
// hex(1): its UTF-16LE bytes with the terminating NUL, and read back exactly. Long hex data is
// wrapped as regedit wraps it: ",\" at the end of the line, two spaces before the next one.
namespace vokabi::platform::hive {

bool IsUtf8(std::string_view text);
// Names are compared without regard to case, character by character, as Windows compares them.
bool SameName(std::string_view a, std::string_view b);
// A value name: UTF-8 without control characters ("" is the default value).
bool IsValueName(std::string_view name);
// A key path: one or more value names without backslashes, not empty, joined by backslashes.
bool IsKeyPath(std::string_view path);

struct Value {
  std::string name;
  RegValue data;
};

struct Key {
  std::string path;
  std::vector<Value> values;

  Value* FindValue(std::string_view name);
  const Value* FindValue(std::string_view name) const;
};

// The keys of one root in file order; every key's parent is there before it.
struct Hive {
  std::vector<Key> keys;

  Key* FindKey(std::string_view path);
  const Key* FindKey(std::string_view path) const;
  // The key, added after its missing parents when it is not there; path must be a key path.
  Key& AddKey(std::string_view path);
  bool HasSubkeys(std::string_view path) const;
};

std::string Format(const Hive& hive);
// nullopt when the text is not a hive in this format (an empty text is an empty hive).
std::optional<Hive> Parse(std::string_view text);

// Far above any real settings file; a larger file is treated as damaged.
inline constexpr std::uint64_t kMaxFileSize = 16 << 20;

// A hive file, read whole and replaced whole, so that a reader sees the old file or the new one.
// Writers take an advisory lock on FILE.lock beside it, read, change, write FILE.new, sync it and
// rename it over FILE: concurrent writers lose no update, and a crash leaves the old file or the
// new one. A file that cannot be parsed, or is larger than kMaxFileSize, is renamed to
// FILE.damaged-YYYYMMDD-HHMMSS (with -2, -3 … when that exists) and the hive starts empty; it is
// never overwritten. Only a regular file is read: a FIFO or a device fails every operation, as
// does a lock that another program holds for longer than the lock wait.
// What tells one state of a file on disk from another: a writer's rename or an edit in place
// changes it.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modified = 0;  // nanoseconds
  std::int64_t changed = 0;   // nanoseconds

  bool operator==(const FileStamp&) const = default;
};

class HiveFile {
 public:
  // Writes as options say: how long the lock is waited for, what is called before a replace.
  explicit HiveFile(std::filesystem::path file, StoreOptions options = {})
      : file_(std::move(file)), options_(std::move(options)) {}

  const std::filesystem::path& Path() const { return file_; }

  // nullopt when the file exists but cannot be read; a missing file is an empty hive.
  std::optional<Hive> Read();
  // The same without a copy: valid until the next call on this object, nullptr for nullopt. The
  // hive is kept between calls and read again only when the file changed on disk.
  const Hive* Current();
  // How often the file was read and parsed, for tests.
  std::size_t Reads() const { return reads_; }

  enum class Edit { kWrite, kKeep, kRefuse };
  // Applies edit to the current hive under the lock and stores the result when edit says kWrite.
  // True for kKeep, and for kWrite once the new file is in place.
  bool Update(const std::function<Edit(Hive&)>& edit);

  // Where a damaged file was kept; each once, the oldest first.
  std::optional<std::filesystem::path> TakeDamageNotice();
  // Why the latest failed operation could not reach the file, when it was not plain I/O; once.
  std::optional<StoreTrouble> TakeTrouble() { return std::exchange(trouble_, std::nullopt); }

 private:
  std::optional<Hive> ReadLocked();
  bool Replace(const std::string& text);
  // The hive the file now holds, read unless the kept one is still the file's.
  std::optional<Hive> Load(bool locked);
  bool KeptIsCurrent() const;
  void Keep(const Hive& hive);

  std::filesystem::path file_;
  StoreOptions options_;
  // The hive as last read or written, and the file's stamp then (none: there was no file).
  struct Kept {
    std::optional<FileStamp> stamp;
    Hive hive;
  };
  std::optional<Kept> kept_;
  std::size_t reads_ = 0;
  std::deque<std::filesystem::path> damaged_;
  std::optional<StoreTrouble> trouble_;
};

}  // namespace vokabi::platform::hive
