// Writes the README's pictures of the settings dialog and the about box:
//   dialog_screenshots OUT_FOLDER [BASE_FOLDER]
// English in Green, and the settings dialog in Bulgarian in Blue dark. The bases come from
// BASE_FOLDER (the program's folder with the default bases), else the small test base.
#include <QApplication>
#include <QDir>

#include "tests/ui/setup/dialog_world.h"
#include "ui/about/frm_about.h"
#include "ui/main/startup.h"
#include "ui/setup/fonts.h"
#include "ui/setup/frm_setup.h"

namespace vokabi::ui {
namespace {

bool Save(QWidget* dialog, const QDir& out, const QString& name) {
  if (!dialog) return false;
  QApplication::processEvents();
  return dialog->grab().save(out.filePath(name));
}

int Shoot(const QDir& out, const QString& bases) {
  DialogWorld world;
  if (bases.isEmpty()) {
    if (!world.AddBase(test::EnglishBulgarianSample())) return 1;
  } else {
    const std::filesystem::path folder = QFile::encodeName(bases).toStdString();
    LoadBases(world.app, folder, FindBaseFiles(folder));
  }
  if (world.app.Dictionaries.empty()) return 1;
  const QString face = ObtainedFamily(QStringLiteral("Arial"));
  world.app.FontLarge = QFont(face, 12);
  world.app.FontSmall = QFont(face, 10);
  AppSettings.Style = "Green";
  AppSettings.SavePosition = true;
  world.Load(QStringLiteral("0"));

  bool saved = Save(world.Open<FrmSetup>("BtnSetup"), out, QStringLiteral("settings-dialog.png"));
  world.form->findChild<FrmSetup*>()->close();
  saved = Save(world.Open<frmAbout>("BtnAbout"), out, QStringLiteral("about-box.png")) && saved;
  world.form->findChild<frmAbout*>()->close();

  LanguageOffset = 0;
  LanguageCharset = 204;
  AppSettings.Style = "Blue dark";
  world.app.Colours = LookupSchemeColours(QStringLiteral("Blue dark"));
  world.form->Form1Setup();
  saved = Save(world.Open<FrmSetup>("BtnSetup"), out, QStringLiteral("settings-dialog-bg.png")) &&
          saved;
  return saved ? 0 : 1;
}

}  // namespace
}  // namespace vokabi::ui

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() < 2) {
    std::fputs("usage: dialog_screenshots OUT_FOLDER [BASE_FOLDER]\n", stderr);
    return 2;
  }
  return vokabi::ui::Shoot(QDir(arguments[1]), arguments.value(2));
}
