#pragma once

#include <memory>
#include <string>

#include "app/error_class.h"
#include "engine/dictionary.h"
#include "engine/make_crypto.h"

namespace vokabi::vkb {

// One base loaded the way the program loads it: its folder as the application folder, its file
// name given to Initialize, the platform's case rules.
class Session {
 public:
  // False when the base does not load; Errors() then holds the load's message.
  bool Open(const std::string& basePath, IndexLoad load = IndexLoad::kWhole);

  ErrorClass& Errors() { return errors_; }
  Dictionary& Dic() { return *dictionary_; }

 private:
  ErrorClass errors_;
  MakeCrypto crypto_{errors_};
  std::unique_ptr<Dictionary> dictionary_;
};

}  // namespace vokabi::vkb
