// What a screen reader sees of the windows, read through the real accessibility bus (at-spi2-core,
// started by scripts/test-servers) by a separate reader, as assistive technology reads it.
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>
#include <functional>
#include <memory>

#include "tests/ui/main/window_world.h"
#include "ui/controls/button.h"
#include "ui/controls/button_accessible.h"

namespace vokabi::ui {

namespace {

// Six bases, one per flag, told apart by their IDs and language names.
BaseSource Base(const char* id, const char* language) {
  BaseSource source = test::EnglishBulgarianSample();
  source.id = id;
  source.names[1] = std::string(language) + ",Bulgarian";
  return source;
}

// Every object of the tree below node, depth first.
void Flatten(const QJsonObject& node, QList<QJsonObject>& all) {
  all << node;
  for (const QJsonValue& child : node.value("children").toArray()) Flatten(child.toObject(), all);
}

bool HasState(const QJsonObject& node, const char* state) {
  return node.value("states").toArray().contains(QJsonValue(QString::fromLatin1(state)));
}

QList<QJsonObject> WithRole(const QList<QJsonObject>& all, const QString& role) {
  QList<QJsonObject> found;
  for (const QJsonObject& node : all) {
    if (node.value("role").toString() == role) found << node;
  }
  return found;
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { world_ = std::make_unique<World>(); }
  void cleanup() { world_.reset(); }
  void theBusShowsTheWindowsControls();

 private:
  // The program's tree as the reader finds it on the bus; the window keeps answering meanwhile.
  QList<QJsonObject> ReadTree(const std::function<bool(const QList<QJsonObject>&)>& ready) {
    QList<QJsonObject> all;
    QString failure;
    QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
      QProcess reader;
      reader.start(
          QStringLiteral("/usr/bin/python3"),
          {QStringLiteral(ATSPI_TREE), QString::number(QCoreApplication::applicationPid())});
      // Waiting with the event loop running: the reader's questions are answered from it.
      QDeadlineTimer finish(20000);
      while (reader.state() != QProcess::NotRunning && !finish.hasExpired()) QTest::qWait(20);
      if (reader.state() != QProcess::NotRunning) {
        reader.kill();
        reader.waitForFinished();
        failure = QStringLiteral("the reader did not finish");
        continue;
      }
      failure = QString::fromUtf8(reader.readAllStandardError());
      all.clear();
      if (reader.exitCode() == 0) {
        Flatten(QJsonDocument::fromJson(reader.readAllStandardOutput()).object(), all);
        if (ready(all)) return all;
      }
      QTest::qWait(200);
    }
    qWarning("the reader: %s", qPrintable(failure));
    return all;
  }

  std::unique_ptr<World> world_;
};

void AccessibilityTest::theBusShowsTheWindowsControls() {
  if (qEnvironmentVariableIsEmpty("TEST_ATSPI_BUS_ADDRESS")) {
    QFAIL(
        "no accessibility bus: TEST_ATSPI_BUS_ADDRESS is not set (scripts/test-servers starts "
        "at-spi2-core's bus; is at-spi2-core installed?)");
  }
  if (qEnvironmentVariableIsEmpty("DISPLAY")) QFAIL("no X server: DISPLAY is not set");

  const std::pair<const char*, const char*> bases[] = {
      {"enbgvk01", "English"}, {"frbgvk01", "French"},  {"debgvk01", "German"},
      {"esbgvk01", "Spanish"}, {"itbgvk01", "Italian"}, {"rubgvk01", "Russian"}};
  for (const auto& [id, language] : bases) QVERIFY(world_->AddBase(Base(id, language)));
  world_->context.AppSettings.CompleteWord = false;
  Form1& form = world_->Load(QStringLiteral("0"));
  auto* combo = form.findChild<QComboBox*>(QStringLiteral("Combo1"));
  combo->setFocus();
  QTest::keyClicks(combo, QStringLiteral("house"));
  QTest::keyClick(combo, Qt::Key_Return);

  const auto lookedUp = [](const QList<QJsonObject>& all) {
    for (const QJsonObject& node : all) {
      if (node.value("text").toString() == QStringLiteral("къща; дом")) return true;
    }
    return false;
  };
  const QList<QJsonObject> tree = ReadTree(lookedUp);
  QVERIFY2(lookedUp(tree), "the translation pane's text never showed on the bus");

  // The command buttons by their captions in the interface language.
  QStringList buttonNames;
  for (const QJsonObject& node : WithRole(tree, QStringLiteral("push button")))
    buttonNames << node.value("name").toString();
  for (const char* name : {"BtnBack", "BtnNext", "BtnSetup", "BtnAbout", "BtnPrint", "BtnCyr",
                           "BtnLat", "BtnPrevod"}) {
    const QString caption =
        CaptionText(form.findChild<Button*>(QString::fromLatin1(name))->Caption());
    QVERIFY2(!caption.isEmpty() && buttonNames.contains(caption),
             qPrintable(caption + QStringLiteral(" among ") + buttonNames.join(u'|')));
  }
  // The window buttons without a caption go by their tooltips.
  QVERIFY2(buttonNames.contains(QStringLiteral("close")), qPrintable(buttonNames.join(u'|')));

  // The flags by their bases' names; the working base's flag is the checked one.
  for (const auto& [id, language] : bases) {
    const QString name = QString::fromLatin1(language) + QStringLiteral(", Bulgarian");
    int found = 0;
    bool checked = false;
    // The word list bears the working base's name too.
    for (const QJsonObject& node : tree) {
      if (node.value("name").toString() != name || node.value("role") == QStringLiteral("list"))
        continue;
      ++found;
      checked = HasState(node, "checked");
    }
    QVERIFY2(found == 1, qPrintable(name));
    QCOMPARE(checked, QByteArray(id) == "enbgvk01");
  }

  // The word box and the pane by the printed page's labels; the pane reads out its text.
  bool wordBox = false;
  bool pane = false;
  for (const QJsonObject& node : tree) {
    // Qt reads an editable combo box by its text; its edit field bears the name.
    wordBox |= node.value("name").toString() == QStringLiteral("Word") &&
               node.value("role").toString() == QStringLiteral("text") &&
               node.value("text").toString() == QStringLiteral("house");
    pane |= node.value("name").toString() == QStringLiteral("Translated to") &&
            node.value("text").toString() == QStringLiteral("къща; дом");
  }
  QVERIFY(wordBox);
  QVERIFY(pane);

  // The word list: nine items in the order shown, the word looked up selected.
  // The word box's drop-down list is a list too, unnamed.
  QList<QJsonObject> lists;
  for (const QJsonObject& node : WithRole(tree, QStringLiteral("list"))) {
    if (!node.value("name").toString().isEmpty()) lists << node;
  }
  QCOMPARE(lists.size(), 1);
  QCOMPARE(lists[0].value("name").toString(), QStringLiteral("English, Bulgarian"));
  const QJsonArray items = lists[0].value("children").toArray();
  QCOMPARE(items.size(), 9);
  QStringList selected;
  for (const QJsonValue& item : items) {
    QCOMPARE(item.toObject().value("role").toString(), QStringLiteral("list item"));
    if (HasState(item.toObject(), "selected")) selected << item.toObject().value("name").toString();
  }
  QCOMPARE(selected, QStringList{QStringLiteral("house")});

  // A check box of the settings dialog by its caption, with its state after a click.
  QTest::mouseClick(form.findChild<Button*>(QStringLiteral("BtnSetup")), Qt::LeftButton);
  QCheckBox* complete = nullptr;
  QTRY_VERIFY((complete = form.findChild<QCheckBox*>(QStringLiteral("Check1_3"))) != nullptr);
  QVERIFY(!complete->isChecked());
  QTest::mouseClick(complete, Qt::LeftButton);
  QVERIFY(complete->isChecked());
  const auto checkedBox = [](const QList<QJsonObject>& all) {
    for (const QJsonObject& node : WithRole(all, QStringLiteral("check box"))) {
      if (node.value("name").toString() == QStringLiteral("Autocomplete word"))
        return HasState(node, "checked");
    }
    return false;
  };
  QVERIFY2(checkedBox(ReadTree(checkedBox)), "the clicked box never read as checked");
}

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::AccessibilityTest)
#include "accessibility_test.moc"
