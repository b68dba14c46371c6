#include "platform/loadable_module.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace vokabi::platform {
namespace {

#ifdef _WIN32
constexpr const char* kSystemLibrary = "C:/windows/system32/kernel32.dll";
constexpr const char* kItsFunction = "GetTickCount";
#else
constexpr const char* kSystemLibrary = "libc.so.6";
constexpr const char* kItsFunction = "getpid";
#endif

TEST(LoadableModuleTest, LoadsALibraryAndFindsItsFunctionsOnly) {
  std::string error;
  const std::optional<LoadableModule> module = LoadableModule::Load(kSystemLibrary, &error);
  ASSERT_TRUE(module) << error;
  EXPECT_NE(module->Function(kItsFunction), nullptr);
  EXPECT_EQ(module->Function("no_such_function_here"), nullptr);
}

TEST(LoadableModuleTest, AMissingOrBrokenFileSaysWhy) {
  const std::filesystem::path self = ProgramFile();
  ASSERT_FALSE(self.empty());
  EXPECT_EQ(self.stem(), "platform_tests");
  const std::filesystem::path text = self.parent_path() / "not-a-library.dll";
  std::ofstream(text) << "words, not code\n";
  for (const std::filesystem::path& file : {self.parent_path() / "no-such-module.so", text}) {
    std::string error;
    EXPECT_FALSE(LoadableModule::Load(file, &error)) << file;
    EXPECT_NE(error, "") << file;
  }
  std::filesystem::remove(text);
}

}  // namespace
}  // namespace vokabi::platform
