#include "engine/history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vokabi {
namespace {

class HistoryTest : public ::testing::Test {
 protected:
  void Push(const std::vector<std::string>& words) {
    for (const auto& w : words) history.Push({w, std::string("t-").append(w), 1, 0, 204});
  }
  // Words shown by stepping back until it fails.
  std::vector<std::string> Back() {
    std::vector<std::string> shown;
    while (history.MovePredna()) shown.push_back(history.Current().word);
    return shown;
  }
  std::vector<std::string> Forward() {
    std::vector<std::string> shown;
    while (history.MoveSledvasta()) shown.push_back(history.Current().word);
    return shown;
  }
  History history;
};

TEST_F(HistoryTest, WalksBackAndForth) {
  EXPECT_TRUE(Back().empty());
  EXPECT_TRUE(Forward().empty());
  Push({"A", "B", "C"});
  EXPECT_EQ(Back(), (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(Forward(), (std::vector<std::string>{"B", "C"}));
  EXPECT_EQ(history.Current().translation, "t-C");
  Push({"A"});  // recorded once
  EXPECT_EQ(history.WritePosition(), 3);
}

TEST_F(HistoryTest, ANewWordAfterSteppingBackCutsOffTheRest) {
  Push({"A", "B", "C", "D"});
  history.MovePredna();
  history.MovePredna();
  EXPECT_EQ(history.Current().word, "B");
  Push({"E"});
  EXPECT_FALSE(history.MoveSledvasta());
  EXPECT_EQ(history.Slot(3).word, "");
  EXPECT_EQ(Back(), (std::vector<std::string>{"B", "A"}));
}

TEST_F(HistoryTest, AWordBeyondReachStillBlocksRecording) {
  Push({"A", "B", "C", "D", "F"});
  for (int i = 0; i < 3; ++i) history.MovePredna();
  Push({"E"});
  EXPECT_EQ(history.Slot(2).word, "E");
  EXPECT_EQ(history.Slot(3).word, "");
  EXPECT_EQ(history.Slot(4).word, "F");
  EXPECT_FALSE(history.MoveSledvasta());
  Push({"F"});
  EXPECT_EQ(history.WritePosition(), 3);
}

TEST_F(HistoryTest, AFullHistoryDropsItsOldest) {
  std::vector<std::string> words;
  for (int i = 0; i < 25; ++i) words.push_back(std::to_string(i).insert(0, "w"));
  Push(words);
  EXPECT_EQ(history.WritePosition(), 20);
  EXPECT_EQ(history.Slot(19).word, "w24");
  EXPECT_EQ(history.Slot(20).word, "");
  const auto back = Back();
  ASSERT_EQ(back.size(), 19u);
  EXPECT_EQ(back.front(), "w23");
  EXPECT_EQ(back.back(), "w5");
  EXPECT_EQ(Forward().back(), "w24");
}

}  // namespace
}  // namespace vokabi
