#include "platform/registry.h"

#include <windows.h>

#include <vector>

namespace vokabi::platform {

namespace {

// KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY |
// KEY_CREATE_LINK: all access to one key.
constexpr REGSAM kAllAccess = 0x3F;

HKEY RootKey(RegRoot root) {
  return root == RegRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

std::wstring Wide(UINT codePage, DWORD flags, std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
  return wide;
}

std::string Narrow(UINT codePage, const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

// Names and text go through the wide functions: the ANSI code page of a Western system has no
// Cyrillic, and the Bulgarian and Russian menu keys would both become question marks.
std::optional<std::wstring> ToWide(std::string_view utf8) {
  if (utf8.empty()) return std::wstring();
  std::wstring wide = Wide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
  if (wide.empty()) return std::nullopt;
  return wide;
}

// An open key, closed on every path out.
class OpenKey {
 public:
  OpenKey(RegRoot root, std::string_view path) {
    const std::optional<std::wstring> name = ToWide(path);
    if (name && RegOpenKeyExW(RootKey(root), name->c_str(), 0, kAllAccess, &key_) != ERROR_SUCCESS)
      key_ = nullptr;
  }
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

class WindowsRegistry final : public RegistryStore {
 public:
  bool CreateKey(RegRoot root, std::string_view path) override {
    const std::optional<std::wstring> name = ToWide(path);
    if (!name) return false;
    SECURITY_ATTRIBUTES security{static_cast<DWORD>(sizeof(SECURITY_ATTRIBUTES)), nullptr, TRUE};
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(RootKey(root), name->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        kAllAccess, &security, &key, &disposition) != ERROR_SUCCESS)
      return false;
    RegCloseKey(key);
    return true;
  }

  std::optional<RegValue> QueryValue(RegRoot root, std::string_view path,
                                     std::string_view name) override {
    const OpenKey key(root, path);
    const std::optional<std::wstring> valueName = ToWide(name);
    if (!key.get() || !valueName) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), valueName->c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS)
      return std::nullopt;
    std::vector<BYTE> data(size);
    const LONG read =
        RegQueryValueExW(key.get(), valueName->c_str(), nullptr, &type, data.data(), &size);
    data.resize(read == ERROR_SUCCESS ? size : 0);
    const std::string bytes(data.begin(), data.end());
    if (type == REG_SZ) {
      // UTF-16 units; a stray last byte of a damaged value is left out.
      if (read != ERROR_SUCCESS) return std::nullopt;
      std::wstring text(bytes.size() / 2, L'\0');
      for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<wchar_t>(data[2 * i] | data[2 * i + 1] << 8);
      if (text.ends_with(L'\0')) text.pop_back();
      return Narrow(CP_UTF8, text);
    }
    if (type == REG_DWORD) {
      if (read != ERROR_SUCCESS || bytes.size() != 4) return std::nullopt;
      DWORD number = 0;
      for (int i = 3; i >= 0; --i) number = number << 8 | data[static_cast<std::size_t>(i)];
      return static_cast<std::int32_t>(number);
    }
    return RegBytes{type, bytes};
  }

  bool SetValue(RegRoot root, std::string_view path, std::string_view name,
                const RegValue& value) override {
    const OpenKey key(root, path);
    const std::optional<std::wstring> valueName = ToWide(name);
    if (!key.get() || !valueName) return false;
    DWORD type = RegType(value);
    std::string bytes;
    if (const auto* text = std::get_if<std::string>(&value)) {
      const std::optional<std::wstring> wide = ToWide(*text);
      if (!wide) return false;
      for (const wchar_t unit : *wide) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8 & 0xFF);
      }
      bytes.append(2, '\0');
    } else if (const auto* number = std::get_if<std::int32_t>(&value)) {
      auto word = static_cast<DWORD>(*number);
      for (int i = 0; i < 4; ++i, word >>= 8) bytes += static_cast<char>(word & 0xFF);
    } else {
      bytes = std::get<RegBytes>(value).bytes;
    }
    const bool written = RegSetValueExW(key.get(), valueName->c_str(), 0, type,
                                        reinterpret_cast<const BYTE*>(bytes.data()),
                                        static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
    RegFlushKey(key.get());
    return written;
  }

  bool DeleteValue(RegRoot root, std::string_view path, std::string_view name) override {
    const OpenKey key(root, path);
    const std::optional<std::wstring> valueName = ToWide(name);
    return key.get() && valueName &&
           RegDeleteValueW(key.get(), valueName->c_str()) == ERROR_SUCCESS;
  }

  bool DeleteKey(RegRoot root, std::string_view path) override {
    const std::optional<std::wstring> name = ToWide(path);
    return name && !name->empty() && RegDeleteKeyW(RootKey(root), name->c_str()) == ERROR_SUCCESS;
  }

  // The system keeps its own registry whole.
  std::optional<std::filesystem::path> TakeDamageNotice() override { return std::nullopt; }
  std::optional<StoreTrouble> TakeTrouble() override { return std::nullopt; }
};

}  // namespace

// The options are the hive files'; the registry keeps its own locks.
std::unique_ptr<RegistryStore> MakeSystemRegistryStore(StoreOptions /*options*/) {
  return std::make_unique<WindowsRegistry>();
}

}  // namespace vokabi::platform
