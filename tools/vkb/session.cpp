#include "tools/vkb/session.h"

#include <filesystem>

#include "app/system_case_map.h"
#include "platform/spelling_folders.h"

namespace vokabi::vkb {

bool Session::Open(const std::string& basePath, IndexLoad load) {
  const std::filesystem::path path(basePath);
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  folder_ = folder;
  path_ = path;
  companion_.reset();
  companionTried_ = false;
  dictionary_ = std::make_unique<Dictionary>(crypto_, errors_, folder, SystemCaseMap);
  errors_.Clear();
  if (dictionary_->Initialize(path.filename().string(), load)) return true;
  // Every unexpected load failure reads as settings that cannot be read; make sure one is set.
  if (errors_.Nomer() == msg::kNone) errors_.SetNomer(msg::kNoSettings);
  return false;
}

BaseForms& Session::Forms() {
  // Made on the first miss: a lookup that finds its word never reads a Hunspell dictionary.
  if (!forms_) forms_ = std::make_unique<BaseForms>(platform::SpellingFolders(folder_));
  return *forms_;
}

LookupShortcuts Session::Shortcuts() {
  if (!companionTried_) {
    companionTried_ = true;
#ifndef VKB_LOOKUP_ONLY
    companion_ = Companion::Open(*dictionary_, path_, platform::SpellingFolders(folder_));
    // vkb runs for one lookup or one session, not for a day as the window does.
    if (companion_) companion_->KeepPages();
#endif
    // The lookup-only vkb of the Windows build has no Hunspell, so no companion either.
  }
  return companion_ ? companion_->Shortcuts() : LookupShortcuts{};
}

}  // namespace vokabi::vkb
