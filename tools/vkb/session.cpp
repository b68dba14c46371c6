#include "tools/vkb/session.h"

#include <filesystem>

#include "app/system_case_map.h"

namespace vokabi::vkb {

bool Session::Open(const std::string& basePath, IndexLoad load) {
  const std::filesystem::path path(basePath);
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  dictionary_ = std::make_unique<Dictionary>(crypto_, errors_, folder, SystemCaseMap);
  errors_.Clear();
  if (dictionary_->Initialize(path.filename().string(), load)) return true;
  // The dictionary reports every unexpected load failure as 1; make sure one is set.
  if (errors_.Nomer() == 0) errors_.SetNomer(1);
  return false;
}

}  // namespace vokabi::vkb
