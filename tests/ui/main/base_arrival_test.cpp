// The window shows with the working base while the other bases still load, and takes each as it
// arrives: choosing one before then looks the word up once it has loaded.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "tests/ui/main/window_world.h"
#include "ui/main/base_loader.h"

namespace vokabi::ui {

namespace {

const QString kStillLoading = QStringLiteral("The dictionary is still loading…");

// The sample base with its key changed: the header reads, the index does not decipher.
bool WriteDamagedBase(const std::filesystem::path& path) {
  if (!test::WriteBase(path, test::EnglishBulgarianSample())) return false;
  std::string bytes;
  {
    std::ifstream file(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(file), {});
  }
  bytes[68] ^= 1;
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  return true;
}

}  // namespace

class BaseArrivalTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { world_ = std::make_unique<World>(); }
  void cleanup() {
    loader_.reset();
    world_.reset();
  }

  // Before the window: only the working base loads, by the stored choice or the interface
  // language; one that does not load gives way as it did when every base loaded at the start.
  void onlyTheWorkingBaseLoadsBeforeTheWindow() {
    World& w = *world_;
    BaseSource german = SecondBase();
    german.names[1] = "German,Bulgarian";
    QVERIFY(test::WriteBase(w.bases / "a.vkb", german));
    QVERIFY(WriteDamagedBase(w.bases / "b.vkb"));
    QVERIFY(test::WriteBase(w.bases / "c.vkb", test::EnglishBulgarianSample()));
    std::ofstream(w.bases / "d.vkb") << "no header";
    ListBases(w.app, Paths({"a.vkb", "b.vkb", "c.vkb", "d.vkb"}));
    QCOMPARE(w.app.Dictionaries.size(), std::size_t{3});
    // English interface, no stored choice: the first English base, which is damaged, gives way to
    // the next English one.
    QVERIFY(LoadWorkingBase(w.app));
    QCOMPARE(Loaded(), (std::vector<bool>{false, true}));
    QCOMPARE(w.app.Dictionaries[1]->DicName(), Paths({"c.vkb"})[0]);

    SetRegValue(w.context.Store(), RegRoot::CurrentUser, kSettingsKey, "WorkDic", std::int32_t{0},
                kRegDwordType);
    w.app.Dictionaries.clear();
    ListBases(w.app, Paths({"a.vkb", "b.vkb", "c.vkb"}));
    QVERIFY(LoadWorkingBase(w.app));
    QCOMPARE(Loaded(), (std::vector<bool>{true, false, false}));

    w.app.Dictionaries.clear();
    ListBases(w.app, Paths({"b.vkb"}));
    QVERIFY(!LoadWorkingBase(w.app));
    QVERIFY(w.app.Dictionaries.empty());
  }

  void theWindowShowsBeforeTheOthersLoadAndTakesThemAsTheyArrive() {
    Start({Base::kEnglish, Base::kSecond, Base::kDamaged}, QStringLiteral("house"));
    QVERIFY(world_->form->isVisible());
    QCOMPARE(Pane()->toPlainText(), QStringLiteral("къща; дом"));
    QCOMPARE(Loaded(), (std::vector<bool>{true, false, false}));
    QCOMPARE(Option(1)->accessibleDescription(), kStillLoading);
    QVERIFY(Option(1)->toolTip().endsWith(kStillLoading));

    loader_->Start();
    QTRY_VERIFY(loader_->Done());
    // The damaged base has left; the other has arrived and can be chosen.
    QCOMPARE(Loaded(), (std::vector<bool>{true, true}));
    QVERIFY(Option(2) == nullptr);
    QCOMPARE(Option(1)->accessibleDescription(), QString());
    QTest::mouseClick(Option(1), Qt::LeftButton);
    QCOMPARE(world_->form->WorkDic(), 1);
    QCOMPARE(Pane()->toPlainText(), QStringLiteral("сграда"));
    QCOMPARE(arrived_, 1);
  }

  void aBaseChosenWhileItLoadsAnswersOnceItHasLoaded() {
    Start({Base::kEnglish, Base::kSecond}, QStringLiteral("house"));
    QTest::mouseClick(Option(1), Qt::LeftButton);
    QCOMPARE(world_->form->WorkDic(), 1);
    QVERIFY(Option(1)->isChecked());
    QCOMPARE(Pane()->toPlainText(), kStillLoading);
    // Neither the history nor the word list reads a base that is not there yet.
    QTest::mouseClick(world_->ButtonNamed("BtnBack"), Qt::LeftButton);
    QCOMPARE(Pane()->toPlainText(), kStillLoading);

    loader_->Start();
    QTRY_COMPARE(Pane()->toPlainText(), QStringLiteral("сграда"));
    QCOMPARE(world_->form->WorkDic(), 1);
    // Both lookups are recent words of their own bases.
    auto* combo = world_->Combo();
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemData(0).toInt(), 1);
  }

  // The base chosen turns out damaged: the pane says so, the choice goes back to the base used
  // before it, and the recent words of the bases after it still lead to their own bases.
  void aChosenBaseThatTurnsOutDamagedSaysSoAndGoesBack() {
    Start({Base::kEnglish, Base::kDamaged, Base::kSecond}, QStringLiteral("house"));
    // The third base arrives first and is used, then the damaged one is chosen.
    TakeByHand(2);
    QTest::mouseClick(Option(2), Qt::LeftButton);
    QCOMPARE(Pane()->toPlainText(), QStringLiteral("сграда"));
    QTest::mouseClick(Option(1), Qt::LeftButton);
    QCOMPARE(Pane()->toPlainText(), kStillLoading);

    loader_->Start();
    QTRY_VERIFY(loader_->Done());
    QCOMPARE(world_->app.Dictionaries.size(), std::size_t{2});
    QCOMPARE(world_->form->WorkDic(), 1);
    QVERIFY(Option(1)->isChecked() && Option(2) == nullptr);
    QCOMPARE(Pane()->toPlainText(), QStringLiteral("Missing dictionary file."));
    auto* combo = world_->Combo();
    QCOMPARE(combo->itemData(0).toInt(), 1);
    // The recent word of the base that moved up leads to it.
    QTest::mouseClick(Option(0), Qt::LeftButton);
    QCOMPARE(Pane()->toPlainText(), QStringLiteral("къща; дом"));
    QCOMPARE(combo->itemData(0).toInt(), 1);
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    QCOMPARE(world_->form->WorkDic(), 1);
    QCOMPARE(Pane()->toPlainText(), QStringLiteral("сграда"));
  }

 private:
  enum class Base { kEnglish, kSecond, kDamaged };

  std::vector<std::string> Paths(std::initializer_list<const char*> names) const {
    std::vector<std::string> paths;
    for (const char* name : names) paths.push_back((world_->bases / name).string());
    return paths;
  }
  std::vector<bool> Loaded() const {
    std::vector<bool> loaded;
    for (const auto& dictionary : world_->app.Dictionaries) loaded.push_back(dictionary->Initi());
    return loaded;
  }
  QPlainTextEdit* Pane() const { return world_->Pane(); }
  QToolButton* Option(int i) const { return world_->Option(i); }

  // Lists the bases, loads the first as the working one and shows the window as a start does,
  // with a loader for the others that has not started.
  void Start(const std::vector<Base>& bases, const QString& commandLine) {
    World& w = *world_;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < bases.size(); ++i) {
      const std::filesystem::path path = w.bases / ("base" + std::to_string(i) + ".vkb");
      if (bases[i] == Base::kDamaged) {
        QVERIFY(WriteDamagedBase(path));
      } else {
        QVERIFY(test::WriteBase(
            path, bases[i] == Base::kSecond ? SecondBase() : test::EnglishBulgarianSample()));
      }
      names.push_back(path.string());
    }
    ListBases(w.app, names);
    QVERIFY(LoadWorkingBase(w.app));
    w.form = std::make_unique<Form1>(w.app);
    loader_ = std::make_unique<BaseLoader>(w.app);
    connect(loader_.get(), &BaseLoader::Arrived, w.form.get(), &Form1::BaseArrived);
    connect(loader_.get(), &BaseLoader::Dropped, w.form.get(), &Form1::BaseDropped);
    connect(loader_.get(), &BaseLoader::Arrived, this, [this] { ++arrived_; });
    arrived_ = 0;
    w.form->Form_Load(commandLine);
  }

  // The base at index loads and arrives before the loader gets to it, as it would by a thread
  // of its own.
  void TakeByHand(int index) {
    World& w = *world_;
    auto& slot = w.app.Dictionaries[static_cast<std::size_t>(index)];
    auto loaded = std::make_unique<Dictionary>(*w.app.AppCrypto, w.context.AppError,
                                               std::filesystem::path(), SystemCaseMap);
    QVERIFY(loaded->Initialize(slot->DicName()));
    slot = std::move(loaded);
    w.form->BaseArrived(index);
  }

  std::unique_ptr<World> world_;
  std::unique_ptr<BaseLoader> loader_;
  int arrived_ = 0;
};

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::BaseArrivalTest)
#include "base_arrival_test.moc"
