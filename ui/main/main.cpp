#include <QApplication>
#include <QStringList>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "platform/registry.h"
#include "platform/window_system.h"
#include "ui/main/startup.h"

int main(int argc, char** argv) {
  // The command line is the dictionary's: a word such as "-reverse" must reach the lookup, so Qt
  // is given none of it to interpret.
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  // Except the window system: under Wayland the program prefers X11 where XWayland offers it, so
  // that it can read what the user copies and selects in other programs.
  std::string qtPlatform = vokabi::platform::ChosenQtPlatform();
  char platformOption[] = "-platform";
  std::vector<char*> qtArguments{argv[0]};
  if (!qtPlatform.empty())
    qtArguments.insert(qtArguments.end(), {platformOption, qtPlatform.data()});
  qtArguments.push_back(nullptr);
  int qtArgc = static_cast<int>(qtArguments.size()) - 1;
  QApplication application(qtArgc, qtArguments.data());
  // The window hides in the tray; only its close button and Exit end the program.
  QApplication::setQuitOnLastWindowClosed(false);

  // Tests of the whole program read messages from standard error; nothing may wait for a click.
  const vokabi::ui::MessageBoxFunction show = qEnvironmentVariableIsSet("VOKABI_TEST_MESSAGES")
                                                  ? &vokabi::ui::PrintMessage
                                                  : &vokabi::ui::ShowMessageBoxAndPrint;
  vokabi::AppContext context(vokabi::platform::MakeSystemRegistryStore());
  return vokabi::ui::Main(context, show, vokabi::ui::CommandLineText(arguments),
                          QCoreApplication::applicationDirPath());
}
