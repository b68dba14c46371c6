#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "app/registry.h"
#include "app/settings.h"
#include "language_fixture.h"
#include "tests/support/config_home.h"

namespace vokabi {

// Each test works on a store of its own in a fresh configuration folder and leaves the store,
// the settings record, the message object and the language as it found them.
class SettingsFixture : public LanguageFixture {
 protected:
  ~SettingsFixture() override {
    ReplaceRegStore(std::move(previous_));
    AppSettings = savedSettings_;
    AppError.Clear();
  }

  static platform::RegistryStore& Store() { return RegStore(); }

  // Writes a value of any type into the settings key, making the key when needed.
  static void Put(std::string_view name, const platform::RegValue& value) {
    ASSERT_TRUE(Store().CreateKey(RegRoot::CurrentUser, kSettingsKey));
    ASSERT_TRUE(Store().SetValue(RegRoot::CurrentUser, kSettingsKey, name, value));
  }

  static std::optional<platform::RegValue> Stored(std::string_view name) {
    return Store().QueryValue(RegRoot::CurrentUser, kSettingsKey, name);
  }

  test::ConfigHome home_;

 private:
  std::unique_ptr<platform::RegistryStore> previous_ =
      ReplaceRegStore(platform::MakeSystemRegistryStore());
  const SettingsRecord savedSettings_ = AppSettings;
};

}  // namespace vokabi
