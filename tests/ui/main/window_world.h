#pragma once

// One window test's world: its own settings folder and store, its own bases, the window over them.
#include <QComboBox>
#include <QtTest>
#include <memory>
#include <string>

#include "app/app_context.h"
#include "app/registry.h"
#include "app/settings.h"
#include "app/system_case_map.h"
#include "engine/dictionary.h"
#include "platform/codepage.h"
#include "tests/support/base_files.h"
#include "tests/support/config_home.h"
#include "tests/support/sample_base.h"
#include "tests/support/temp_folder.h"
#include "ui/main/form1.h"

namespace vokabi::ui {

// A second English-Bulgarian base that tells itself apart by its translation of "house".
inline BaseSource SecondBase() {
  BaseSource source = test::EnglishBulgarianSample();
  source.id = "debgvk01";
  for (SideEntry& entry : source.side1) {
    if (entry.headword == "house") entry.translation = platform::EncodeCharset(204, "сграда").bytes;
  }
  return source;
}

struct World {
  World() {
    context.AppSettings.CompleteWord = true;
    context.Language = InterfaceLanguage::At(1000);
    if (!CreateRegKey(context.Store(), RegRoot::CurrentUser, kSettingsKey))
      qWarning("the settings key could not be made");
    app.AppCrypto = std::make_unique<MakeCrypto>(context.AppError);
    app.Colours = LookupSchemeColours(QStringLiteral("Green"));
    app.FontLarge = QFont(QStringLiteral("Sans"), 12);
    app.FontSmall = QFont(QStringLiteral("Serif"), 10);
  }
  ~World() {
    form.reset();
    app.Dictionaries.clear();
  }

  bool AddBase(const BaseSource& source) {
    const std::string name = "base" + std::to_string(app.Dictionaries.size()) + ".vkb";
    if (!test::WriteBase(bases / name, source)) return false;
    app.Dictionaries.push_back(std::make_unique<Dictionary>(*app.AppCrypto, context.AppError,
                                                            bases.Path(), SystemCaseMap));
    return app.Dictionaries.back()->Initialize(name);
  }

  // Loads the window; a shown one is made active, as the user's window would be.
  Form1& Load(const QString& commandLine) {
    form = std::make_unique<Form1>(app);
    form->Form_Load(commandLine);
    if (form->isVisible()) {
      form->activateWindow();
      if (!QTest::qWaitForWindowActive(form.get())) qWarning("the window did not become active");
    }
    return *form;
  }

  // The sample base, or it and a second one that translates "house" differently, in the window.
  void LoadOneBase(const QString& commandLine = QStringLiteral("0")) {
    QVERIFY(AddBase(test::EnglishBulgarianSample()));
    Load(commandLine);
  }
  void LoadTwoBases() {
    QVERIFY(AddBase(test::EnglishBulgarianSample()));
    QVERIFY(AddBase(SecondBase()));
    Load(QStringLiteral("0"));
  }
  // Types into the word box and presses Enter, without completion on the way.
  void Translate(const QString& text) {
    auto* combo = form->findChild<QComboBox*>(QStringLiteral("Combo1"));
    combo->setEditText(text);
    QTest::keyClick(combo, Qt::Key_Return);
  }

  // The store's options: whatever a test puts into beforeReplace is called before each replace of
  // a settings file.
  platform::StoreOptions StoreOptions() {
    platform::StoreOptions options;
    options.beforeReplace = [this](const std::filesystem::path& temporary) {
      return !beforeReplace || beforeReplace(temporary);
    };
    return options;
  }

  test::ConfigHome home;
  std::function<bool(const std::filesystem::path&)> beforeReplace;
  // Made after home, so that its store lives in the fresh folder.
  AppContext context{platform::MakeSystemRegistryStore(StoreOptions())};
  test::TempFolder bases;
  AppState app{context};
  std::unique_ptr<Form1> form;
};

}  // namespace vokabi::ui
