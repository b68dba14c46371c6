#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/outcome.h"
#include "platform/registry.h"

// The module Registry: the five operations through which the program reads and writes its
// settings and its Windows entries, on a store of the platform layer (the program's is its
// AppContext's).
namespace vokabi {

using platform::RegRoot;

// Value types that SetRegValue writes.
inline constexpr std::int32_t kRegSzType = 1;
inline constexpr std::int32_t kRegDwordType = 4;

// A value read from or written to the store: a string, a 32-bit integer, or empty.
using RegVariant = std::variant<std::monostate, std::string, std::int32_t>;

// Creates the key with any missing parents, or opens it, and closes it again. Fails with message
// 11.
Outcome CreateRegKey(platform::RegistryStore& store, RegRoot root, std::string_view path);

// A missing key or value gives fallback; REG_SZ its text, REG_DWORD its number; a value of any
// other type is empty (not the fallback). Creates nothing.
RegVariant QueryRegValue(platform::RegistryStore& store, RegRoot root, std::string_view path,
                         std::string_view name, const RegVariant& fallback);

// Type 4 writes the value as a REG_DWORD number, any other type as REG_SZ text; only into an
// existing key. Failures are silent.
void SetRegValue(platform::RegistryStore& store, RegRoot root, std::string_view path,
                 std::string_view name, const RegVariant& value, std::int32_t type);

// One value for SetRegValues, typed as SetRegValue types it.
struct RegWrite {
  std::string name;
  RegVariant value;
  std::int32_t type;
};
// SetRegValue for several values of one key, stored in one step where the store can, so that
// no reader and no crash meets some of them without the others. False when they were not stored
// (a full disk, a read-only folder); the store then holds what it held before.
bool SetRegValues(platform::RegistryStore& store, RegRoot root, std::string_view path,
                  const std::vector<RegWrite>& writes);

// Removes one value; silent when the key or the value is missing.
void DeleteRegValue(platform::RegistryStore& store, RegRoot root, std::string_view path,
                    std::string_view name);

// Removes a key that has no subkeys; silent on failure.
void DeleteRegKey(platform::RegistryStore& store, RegRoot root, std::string_view path);

// A value where a number, a Boolean or a string is expected. Empty reads as 0, false and "";
// text reads as the decimal number it holds (0 when it holds none), a number as its decimals.
std::int32_t RegNumber(const RegVariant& value);
bool RegBoolean(const RegVariant& value);
std::string RegText(const RegVariant& value);

}  // namespace vokabi
