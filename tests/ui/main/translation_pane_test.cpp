// The translation pane, driven through the window's controls.
#include "ui/main/translation_pane.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QtTest>
#include <memory>

#include "tests/ui/main/window_world.h"

namespace vokabi::ui {

class TranslationPaneTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { world_ = std::make_unique<World>(); }
  void cleanup() { world_.reset(); }

  void paneRefusesCopy();

 private:
  QComboBox* Combo() const { return world_->form->findChild<QComboBox*>("Combo1"); }
  QPlainTextEdit* Pane() const { return world_->form->findChild<QPlainTextEdit*>("Text2"); }
  void Translate(const QString& text) { world_->Translate(text); }
  void LoadOneBase(const QString& commandLine = QStringLiteral("0")) {
    world_->LoadOneBase(commandLine);
  }

  std::unique_ptr<World> world_;
};

void TranslationPaneTest::paneRefusesCopy() {
  LoadOneBase();
  Translate(QStringLiteral("house"));
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->setText(QStringLiteral("before"));
  QPlainTextEdit* pane = Pane();
  pane->selectAll();
  pane->setFocus();
  QTest::keyClick(pane, Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(pane, Qt::Key_Insert, Qt::ControlModifier);
  QTest::keyClick(pane, Qt::Key_X, Qt::ControlModifier);
  QCOMPARE(clipboard->text(), QStringLiteral("before"));
  QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(pane->toPlainText(), QStringLiteral("къща; дом"));
}

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::TranslationPaneTest)
#include "translation_pane_test.moc"
