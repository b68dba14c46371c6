#include "app/registry.h"

#include <charconv>

namespace vokabi {

namespace {

// Whitespace around a number is allowed, as a settings value edited by hand may carry it.
std::int32_t ParseNumber(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return 0;
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  if (text.starts_with('+')) text.remove_prefix(1);
  std::int32_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size() ? number : 0;
}

// What SetRegValue stores for a value of that type.
platform::RegValue Typed(const RegVariant& value, std::int32_t type) {
  if (type == kRegDwordType) return RegNumber(value);
  return RegText(value);
}

}  // namespace

Outcome CreateRegKey(platform::RegistryStore& store, RegRoot root, std::string_view path) {
  if (store.CreateKey(root, path)) return {};
  return Outcome::Failure(msg::kRegistryOpenFailed);
}

RegVariant QueryRegValue(platform::RegistryStore& store, RegRoot root, std::string_view path,
                         std::string_view name, const RegVariant& fallback) {
  const std::optional<platform::RegValue> value = store.QueryValue(root, path, name);
  if (!value) return fallback;
  if (const auto* text = std::get_if<std::string>(&*value)) return *text;
  if (const auto* number = std::get_if<std::int32_t>(&*value)) return *number;
  // REG_SZ or REG_DWORD bytes that do not read as such are a failed read.
  const std::uint32_t type = std::get<platform::RegBytes>(*value).type;
  if (type == platform::kRegSz || type == platform::kRegDword) return fallback;
  return {};
}

void SetRegValue(platform::RegistryStore& store, RegRoot root, std::string_view path,
                 std::string_view name, const RegVariant& value, std::int32_t type) {
  store.SetValue(root, path, name, Typed(value, type));
}

bool SetRegValues(platform::RegistryStore& store, RegRoot root, std::string_view path,
                  const std::vector<RegWrite>& writes) {
  platform::RegistryStore::NamedValues values;
  for (const RegWrite& write : writes)
    values.emplace_back(write.name, Typed(write.value, write.type));
  return store.SetValues(root, path, values);
}

void DeleteRegValue(platform::RegistryStore& store, RegRoot root, std::string_view path,
                    std::string_view name) {
  store.DeleteValue(root, path, name);
}

void DeleteRegKey(platform::RegistryStore& store, RegRoot root, std::string_view path) {
  store.DeleteKey(root, path);
}

std::int32_t RegNumber(const RegVariant& value) {
  if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
  if (const auto* text = std::get_if<std::string>(&value)) return ParseNumber(*text);
  return 0;
}

bool RegBoolean(const RegVariant& value) {
  return RegNumber(value) != 0;
}

std::string RegText(const RegVariant& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
  return {};
}

}  // namespace vokabi
