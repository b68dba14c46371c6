// The pictures of the README: the lookup window after looking up "house", the window with "стол"
// in the Russian-Bulgarian base and a Russian interface (both articles), the command row in each
// interface language, the settings dialog (English and Green, or Bulgarian and Blue dark) and
// the about box. For people to look at; not installed.
//   window_shots window|both-sides|captions|settings|settings-bg|about BASE_FOLDER OUT.png
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

#include "app/app_context.h"
#include "ui/about/frm_about.h"
#include "ui/controls/button.h"
#include "ui/main/form1.h"
#include "ui/main/startup.h"
#include "ui/setup/frm_setup.h"

using namespace vokabi;
using namespace vokabi::ui;

namespace {

constexpr const char* kCommands[] = {"BtnBack",  "BtnNext", "BtnSetup", "BtnAbout",
                                     "BtnPrint", "BtnCyr",  "BtnLat"};
// The interface languages in offset order, each by its own name.
constexpr const char* kLanguageNames[] = {"Български", "English",  "Français", "Deutsch",
                                          "Español",   "Italiano", "Русский"};
constexpr int kLanguages = 7;
constexpr int kNameWidth = 90;

// The default settings, as a first start has them, with the bases of folder.
bool Prepare(AppState& app, const QString& folder) {
  if (!LoadSettings(app.Context, 0, 0)) return false;
  app.Colours = LookupSchemeColours(QString::fromStdString(app.Context.AppSettings.Style));
  const QString face = QString::fromStdString(app.Context.AppSettings.UseFont);
  app.FontLarge = QFont(face, 12);
  app.FontSmall = QFont(face, 10);
  const std::filesystem::path path = QFile::encodeName(folder).toStdString();
  LoadBases(app, path, FindBaseFiles(path));
  return !app.Dictionaries.empty();
}

// The English-Bulgarian base first, whatever order the folder lists the bases in.
void PutEnglishFirst(AppState& app) {
  for (std::size_t i = 0; i < app.Dictionaries.size(); ++i) {
    if (app.Dictionaries[i]->ID().rfind("enbg", 0) == 0) {
      std::swap(app.Dictionaries[0], app.Dictionaries[i]);
      return;
    }
  }
}

QImage Window(AppState& app) {
  app.Context.AppSettings.CyrKeyboard = true;
  app.Context.AppSettings.LatKeyboard = false;
  PutEnglishFirst(app);
  Form1 form(app);
  form.Form_Load(QStringLiteral("house"));
  QApplication::processEvents();
  return form.grab().toImage();
}

QImage BothSides(AppState& app) {
  // The Russian-Bulgarian base alone, so that it is the working one.
  for (auto& dictionary : app.Dictionaries) {
    if (dictionary->ID().rfind("rubg", 0) == 0) {
      std::swap(app.Dictionaries[0], dictionary);
      app.Dictionaries.resize(1);
      break;
    }
  }
  if (app.Dictionaries[0]->ID().rfind("rubg", 0) != 0) return QImage();
  app.Context.Language = InterfaceLanguage::At(6000);
  app.Context.AppSettings.CyrKeyboard = false;
  app.Context.AppSettings.LatKeyboard = false;
  Form1 form(app);
  form.Form_Load(QStringLiteral("стол"));
  QApplication::processEvents();
  return form.grab().toImage();
}

QImage Captions(AppState& app) {
  std::vector<QImage> rows;
  for (int language = 0; language < kLanguages; ++language) {
    app.Context.Language = InterfaceLanguage::At(language * 1000);
    Form1 form(app);
    form.Form_Load(QStringLiteral("0"));
    QApplication::processEvents();
    QRect row;
    for (const char* name : kCommands)
      row |= form.findChild<Button*>(QString::fromLatin1(name))->geometry();
    row.adjust(-6, -6, 6, 6);
    const QImage strip = form.grab(row).toImage();
    QImage line(kNameWidth + strip.width(), strip.height(), QImage::Format_RGB32);
    QPainter painter(&line);
    painter.fillRect(line.rect(), ToQColor(app.Colours.optionBack));
    painter.setPen(ToQColor(app.Colours.schemeText));
    painter.setFont(app.FontSmall);
    painter.drawText(QRect(8, 0, kNameWidth - 8, line.height()), Qt::AlignVCenter,
                     QString::fromUtf8(kLanguageNames[language]));
    painter.drawImage(kNameWidth, 0, strip);
    painter.end();
    rows.push_back(line);
    form.hide();
  }
  int height = 0;
  int width = 0;
  for (const QImage& row : rows) {
    height += row.height();
    width = std::max(width, row.width());
  }
  QImage all(width, height, QImage::Format_RGB32);
  all.fill(ToQColor(app.Colours.optionBack));
  QPainter painter(&all);
  int top = 0;
  for (const QImage& row : rows) {
    painter.drawImage(0, top, row);
    top += row.height();
  }
  return all;
}

// A dialog as the window's button opens it.
template <typename Dialog>
QImage DialogShot(AppState& app, const char* button) {
  Form1 form(app);
  form.Form_Load(QStringLiteral("0"));
  emit form.findChild<Button*>(QString::fromLatin1(button))->Click();
  QApplication::processEvents();
  auto* dialog = form.findChild<Dialog*>();
  return dialog ? dialog->grab().toImage() : QImage();
}

QImage Shot(const QString& what, AppState& app) {
  if (what == QStringLiteral("window")) return Window(app);
  if (what == QStringLiteral("both-sides")) return BothSides(app);
  if (what == QStringLiteral("captions")) return Captions(app);
  if (what == QStringLiteral("about")) return DialogShot<frmAbout>(app, "BtnAbout");
  if (what == QStringLiteral("settings-bg")) {
    app.Context.Language = InterfaceLanguage::At(0);
    app.Context.AppSettings.Style = "Blue dark";
    app.Colours = LookupSchemeColours(QStringLiteral("Blue dark"));
  }
  return DialogShot<FrmSetup>(app, "BtnSetup");
}

}  // namespace

int main(int argc, char** argv) {
  // The pictures show a first start: settings of their own, never the user's.
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QApplication application(argc, argv);
  const QStringList arguments = QApplication::arguments();
  const QStringList shots = {QStringLiteral("window"),      QStringLiteral("both-sides"),
                             QStringLiteral("captions"),    QStringLiteral("settings"),
                             QStringLiteral("settings-bg"), QStringLiteral("about")};
  if (arguments.size() != 4 || !shots.contains(arguments[1])) {
    std::fputs(
        "usage: window_shots window|both-sides|captions|settings|settings-bg|about BASE_FOLDER "
        "OUT.png\n",
        stderr);
    return 2;
  }
  AppContext context(platform::MakeSystemRegistryStore());
  context.Language = LanguageForSetting(1000);
  AppState app{context};
  app.AppCrypto = std::make_unique<MakeCrypto>(context.AppError);
  if (!Prepare(app, arguments[2])) {
    std::fputs("window_shots: no base loads from that folder\n", stderr);
    return 1;
  }
  const QImage image = Shot(arguments[1], app);
  if (image.isNull()) {
    std::fputs("window_shots: the folder lacks the base that picture needs\n", stderr);
    return 1;
  }
  return image.save(arguments[3]) ? 0 : 1;
}
