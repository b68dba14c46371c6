#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <memory>
#include <utility>

#include "app/error_class.h"
#include "app/language.h"
#include "app/settings.h"
#include "platform/registry.h"

namespace vokabi {

// What the program's parts share for the whole run: the settings, the interface language, the
// one message object and the store the settings live in. Start-up makes one over the system's
// store and hands it to what needs it; a test makes its own over a store of its choosing.
class AppContext {
 public:
  explicit AppContext(std::unique_ptr<platform::RegistryStore> store) : store_(std::move(store)) {}
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

  platform::RegistryStore& Store() { return *store_; }

  SettingsRecord AppSettings;
  InterfaceLanguage Language;
  ErrorClass AppError{Language};

 private:
  std::unique_ptr<platform::RegistryStore> store_;
};

}  // namespace vokabi
