#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "app/app_context.h"
#include "app/registry.h"
#include "app/settings.h"
#include "language_fixture.h"
#include "tests/support/config_home.h"

namespace vokabi {

// Each test works on a context of its own over the system's store in a fresh configuration
// folder.
class SettingsFixture : public LanguageFixture {
 protected:
  InterfaceLanguage& Language() override { return context_.Language; }
  platform::RegistryStore& Store() { return context_.Store(); }

  // Writes a value of any type into the settings key, making the key when needed.
  void Put(std::string_view name, const platform::RegValue& value) {
    ASSERT_TRUE(Store().CreateKey(RegRoot::CurrentUser, kSettingsKey));
    ASSERT_TRUE(Store().SetValue(RegRoot::CurrentUser, kSettingsKey, name, value));
  }

  std::optional<platform::RegValue> Stored(std::string_view name) {
    return Store().QueryValue(RegRoot::CurrentUser, kSettingsKey, name);
  }

  test::ConfigHome home_;
  // Made after home_, so that its store lives in the fresh folder.
  AppContext context_{platform::MakeSystemRegistryStore()};
};

}  // namespace vokabi
