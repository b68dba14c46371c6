#pragma once

#include <QtTest>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "app/hand_off.h"
#include "platform/instance_channel.h"
#include "tests/support/temp_folder.h"
#include "ui/main/form1.h"

namespace vokabi::ui {

// Second starts hand the words to the window one after another, each waiting a second at most
// for the window to take its word, as a second start does; the window's thread runs its event
// loop meanwhile. Gives how many it took in time.
inline int HandOffsTakenWithinASecond(Form1& form, const std::vector<const char*>& words) {
  test::TempFolder folder;
  const QString name = QString::fromStdString((folder / "channel").string());
  platform::InstanceChannel channel(name);
  if (channel.Claim() != platform::InstanceChannel::Role::kFirst) return 0;
  channel.Receive([&form](const platform::CopyData& message) {
    if (const auto text = ReceiveCopyData(message))
      form.TranslateHandedText(QString::fromStdString(*text));
  });
  std::atomic<int> taken = 0;
  std::atomic<bool> done = false;
  std::thread second([&] {
    for (const char* word : words) {
      platform::InstanceChannel start(name);
      if (start.Claim() == platform::InstanceChannel::Role::kRunning &&
          start.Send(MakeHandOff(word), std::chrono::seconds(1)) ==
              platform::InstanceChannel::Delivery::kTaken)
        ++taken;
      std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    done = true;
  });
  if (!QTest::qWaitFor([&] { return done.load(); }, 60000)) qWarning("the second starts hang");
  second.join();
  return taken;
}

}  // namespace vokabi::ui
