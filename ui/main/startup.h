#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>
#include <vector>

#include "app/base_discovery.h"
#include "ui/main/app_state.h"

// The program's start: one instance per user, the settings, the shared objects, the bases of the
// program's folder and of the user's and the system's data folders, and the main window.
namespace vokabi::ui {

// How a start-up message reaches the user.
using MessageBoxFunction = void (*)(QMessageBox::Icon icon, const QString& title,
                                    const QString& text);
// The program's: a modal box, and the same text on standard error for a start from a terminal.
void ShowMessageBoxAndPrint(QMessageBox::Icon icon, const QString& title, const QString& text);
// For tests of the whole program (VOKABI_TEST_MESSAGES): standard error only, nothing waits.
void PrintMessage(QMessageBox::Icon icon, const QString& title, const QString& text);

// At most this many bases are loaded; files that do not load do not count.
inline constexpr std::size_t kMaxBaseFiles = 21;

// The command line as Windows hands it to a program: the arguments joined by spaces.
QString CommandLineText(const QStringList& arguments);

// Loads the named bases of the folder (or the bases at those paths, with an empty folder) into
// app.Dictionaries, in order, keeping those that load (the others are skipped without a word)
// until kMaxBaseFiles have loaded.
void LoadBases(AppState& app, const std::filesystem::path& folder,
               const std::vector<std::string>& names);

// Runs the start and then the event loop over context (made over the system's store, or a test's
// own), telling its messages through show; the program's exit status. A second start hands
// commandLine to the first and returns.
int Main(AppContext& context, MessageBoxFunction show, const QString& commandLine,
         const QString& appFolder);

}  // namespace vokabi::ui
