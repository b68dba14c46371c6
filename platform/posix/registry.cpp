#include "platform/registry.h"

#include <unistd.h>

#include <cerrno>

#include "platform/posix/hive_file.h"
#include "platform/posix/user_folders.h"

namespace vokabi::platform {

namespace {

using hive::Hive;
using hive::HiveFile;
using Edit = HiveFile::Edit;

// Each root is one hive file; without a home folder every operation fails.
class HiveStore final : public RegistryStore {
 public:
  HiveStore(const std::filesystem::path& folder, const StoreOptions& options)
      : usable_(!folder.empty()),
        user_(folder / "user.reg", options),
        machine_(folder / "machine.reg", options) {}

  bool CreateKey(RegRoot root, std::string_view path) override {
    if (!usable_ || !hive::IsKeyPath(path)) return false;
    // A key that is there needs no writer's lock, which a read-only folder refuses.
    if (const Hive* hive = File(root).Current(); hive && hive->FindKey(path) && ReadOnly())
      return true;
    return File(root).Update([&](Hive& hive) {
      if (hive.FindKey(path)) return Edit::kKeep;
      hive.AddKey(path);
      return Edit::kWrite;
    });
  }

  std::optional<RegValue> QueryValue(RegRoot root, std::string_view path,
                                     std::string_view name) override {
    if (!usable_ || !hive::IsKeyPath(path) || !hive::IsValueName(name)) return std::nullopt;
    const Hive* hive = File(root).Current();
    const hive::Key* key = hive ? hive->FindKey(path) : nullptr;
    const hive::Value* value = key ? key->FindValue(name) : nullptr;
    if (!value) return std::nullopt;
    return value->data;
  }

  bool SetValue(RegRoot root, std::string_view path, std::string_view name,
                const RegValue& data) override {
    return SetValues(root, path, {{std::string(name), data}});
  }

  // One replacement of the file for all the values.
  bool SetValues(RegRoot root, std::string_view path, const NamedValues& values) override {
    if (!usable_ || !hive::IsKeyPath(path)) return false;
    for (const auto& [name, data] : values) {
      if (!hive::IsValueName(name)) return false;
      if (const auto* text = std::get_if<std::string>(&data); text && !hive::IsUtf8(*text))
        return false;
    }
    return File(root).Update([&](Hive& hive) {
      hive::Key* key = hive.FindKey(path);
      if (!key) return Edit::kRefuse;
      bool changed = false;
      for (const auto& [name, data] : values) {
        if (hive::Value* value = key->FindValue(name)) {
          if (value->data == data) continue;
          value->data = data;
        } else {
          key->values.push_back(hive::Value{name, data});
        }
        changed = true;
      }
      return changed ? Edit::kWrite : Edit::kKeep;
    });
  }

  bool DeleteValue(RegRoot root, std::string_view path, std::string_view name) override {
    if (!usable_ || !hive::IsKeyPath(path) || !hive::IsValueName(name)) return false;
    return File(root).Update([&](Hive& hive) {
      hive::Key* key = hive.FindKey(path);
      const hive::Value* value = key ? key->FindValue(name) : nullptr;
      if (!value) return Edit::kRefuse;
      key->values.erase(key->values.begin() + (value - key->values.data()));
      return Edit::kWrite;
    });
  }

  bool DeleteKey(RegRoot root, std::string_view path) override {
    if (!usable_ || !hive::IsKeyPath(path)) return false;
    return File(root).Update([&](Hive& hive) {
      const hive::Key* key = hive.FindKey(path);
      if (!key || hive.HasSubkeys(path)) return Edit::kRefuse;
      hive.keys.erase(hive.keys.begin() + (key - hive.keys.data()));
      return Edit::kWrite;
    });
  }

  std::optional<std::filesystem::path> TakeDamageNotice() override {
    if (auto kept = user_.TakeDamageNotice()) return kept;
    return machine_.TakeDamageNotice();
  }

  std::optional<StoreTrouble> TakeTrouble() override {
    if (auto trouble = user_.TakeTrouble()) return trouble;
    return machine_.TakeTrouble();
  }

  // The files are replaced by rename, which needs the folder writable, not the files.
  bool ReadOnly() override {
    const std::filesystem::path folder = user_.Path().parent_path();
    if (!usable_ || access(folder.c_str(), F_OK) != 0) return false;
    return access(folder.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
  }

 private:
  HiveFile& File(RegRoot root) { return root == RegRoot::CurrentUser ? user_ : machine_; }

  bool usable_;
  HiveFile user_;
  HiveFile machine_;
};

}  // namespace

std::unique_ptr<RegistryStore> MakeSystemRegistryStore(StoreOptions options) {
  const std::filesystem::path config = ConfigFolder();
  return std::make_unique<HiveStore>(config.empty() ? config : config / "Tarnvel" / "Vokabi",
                                     options);
}

}  // namespace vokabi::platform
