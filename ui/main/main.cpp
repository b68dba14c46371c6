#include <QApplication>
#include <QStringList>

#include "ui/main/startup.h"

int main(int argc, char** argv) {
  // The command line is the dictionary's: a word such as "-reverse" must reach the lookup, so Qt
  // is given none of it to interpret.
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  // The window hides in the tray; only its close button and Exit end the program.
  QApplication::setQuitOnLastWindowClosed(false);

  // Tests of the whole program read messages from standard error; nothing may wait for a click.
  if (qEnvironmentVariableIsSet("VOKABI_TEST_MESSAGES"))
    vokabi::ui::ShowMessageBox = &vokabi::ui::PrintMessage;
  return vokabi::ui::Main(vokabi::ui::CommandLineText(arguments),
                          QCoreApplication::applicationDirPath());
}
