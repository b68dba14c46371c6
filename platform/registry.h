#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace vokabi::platform {

enum class RegRoot { CurrentUser, LocalMachine };

// Windows value type numbers.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

// A value kept as the bytes the store holds, with its type: REG_BINARY and every type other than
// REG_SZ and REG_DWORD, and a REG_SZ or REG_DWORD whose bytes cannot be read as one.
struct RegBytes {
  std::uint32_t type = kRegBinary;
  std::string bytes;

  bool operator==(const RegBytes&) const = default;
};

// REG_SZ as UTF-8 text without its terminating NUL, REG_DWORD as its number, anything else raw.
using RegValue = std::variant<std::string, std::int32_t, RegBytes>;

inline std::uint32_t RegType(const RegValue& value) {
  if (std::holds_alternative<std::string>(value)) return kRegSz;
  if (std::holds_alternative<std::int32_t>(value)) return kRegDword;
  return std::get<RegBytes>(value).type;
}

// What kept the store from its file, beyond damaged contents, for a message to the user.
struct StoreTrouble {
  enum class Kind {
    kLocked,    // another program held the store's lock for longer than a start waits
    kNotAFile,  // the store's file is a FIFO, a device or the like, and is never read
  };
  Kind kind;
  std::filesystem::path file;

  bool operator==(const StoreTrouble&) const = default;
};

// A registry: under each root, keys named by backslash paths ("Software\Tarnvel"), each holding
// named values, "" naming the key's default value. Key and value names are UTF-8 and compared
// without regard to case, as Windows compares them; a name with a control character, an empty
// path component or bytes that are not UTF-8 is refused, as is REG_SZ text that is not UTF-8.
class RegistryStore {
 public:
  virtual ~RegistryStore() = default;

  // Creates the key and any missing parents, or finds it there; false when it cannot.
  virtual bool CreateKey(RegRoot root, std::string_view path) = 0;
  // nullopt when the key or the value does not exist or cannot be read.
  virtual std::optional<RegValue> QueryValue(RegRoot root, std::string_view path,
                                             std::string_view name) = 0;
  // Writes into an existing key only; false when the key is missing or the write fails.
  virtual bool SetValue(RegRoot root, std::string_view path, std::string_view name,
                        const RegValue& value) = 0;
  // Writes several values into one existing key: where the store can, in one step, so that a
  // reader or a crash meets all of them or none. False when the key is missing or a write fails.
  using NamedValues = std::vector<std::pair<std::string, RegValue>>;
  virtual bool SetValues(RegRoot root, std::string_view path, const NamedValues& values) {
    bool all = true;
    for (const auto& [name, value] : values) all = SetValue(root, path, name, value) && all;
    return all;
  }
  // False when the key or the value is missing.
  virtual bool DeleteValue(RegRoot root, std::string_view path, std::string_view name) = 0;
  // Removes a key without subkeys; false when it is missing or has subkeys.
  virtual bool DeleteKey(RegRoot root, std::string_view path) = 0;

  // Where a store found damaged was kept before the store started afresh; each such place is
  // given once, so that the program can tell the user.
  virtual std::optional<std::filesystem::path> TakeDamageNotice() = 0;
  // Why the latest operation that failed could not reach the store, when the store knows; once.
  virtual std::optional<StoreTrouble> TakeTrouble() = 0;
  // Whether what the store holds can be read but nothing written (its folder is read-only).
  virtual bool ReadOnly() { return false; }
};

// How the system's store writes off Windows; the program takes the defaults.
struct StoreOptions {
  // How long an operation waits for another program's lock on a hive file before it fails.
  std::chrono::milliseconds lockWait{5000};
  // Called with the written and synced temporary file just before it replaces the hive file;
  // false abandons the write as a failure. A test's look at a write in progress; none in the
  // program.
  std::function<bool(const std::filesystem::path& temporary)> beforeReplace;
};

// The system's registry. Off Windows, one hive file per root in the user's configuration folder.
std::unique_ptr<RegistryStore> MakeSystemRegistryStore(StoreOptions options = {});

}  // namespace vokabi::platform
