// What the dialogs share: they open in the middle of the screen wherever
// their parent is, and Enter in a field moves on instead of pressing OK.
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include "WindowSuites.h"
#include "gui/common/CentredDialog.h"
#include "gui/common/EnterKey.h"

using namespace winpiruk;

namespace {

// A field and the OK button after it, OK being the default button.
struct FieldAndOk {
  QDialog dialog;
  QLineEdit* field = new QLineEdit(&dialog);
  QPushButton* ok = new QPushButton(QStringLiteral("OK"), &dialog);

  FieldAndOk() {
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(field);
    layout->addWidget(ok);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  }
};

QPoint ScreenCentre(const QWidget& window) { return window.screen()->availableGeometry().center(); }

}  // namespace

class DialogHelpersTest : public QObject {
  Q_OBJECT

 private slots:
  void dialogOpensCentredOnTheScreenEachTime() {
    QWidget parent;
    parent.setGeometry(10, 10, 200, 150);
    parent.show();
    CentredDialog dialog(&parent);
    dialog.resize(300, 200);
    for (int opening = 1; opening <= 2; ++opening) {
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      const QPoint off = dialog.frameGeometry().center() - ScreenCentre(dialog);
      QVERIFY2(off.manhattanLength() <= 2, qPrintable(QStringLiteral("opening %1 off by %2,%3")
                                                          .arg(opening).arg(off.x()).arg(off.y())));
      // Moved away and closed, it comes back to the middle.
      dialog.move(0, 0);
      dialog.hide();
    }
  }

  void enterInAFieldMovesTheFocusWithoutPressingOk() {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
      FieldAndOk f;
      EnterMovesFocusTo(*f.field, *f.ok);
      QSignalSpy pressed(f.ok, &QPushButton::clicked);
      QSignalSpy accepted(&f.dialog, &QDialog::accepted);
      f.dialog.show();
      QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
      f.field->setFocus();
      QTest::keyClicks(f.field, QStringLiteral("ab"));
      QTest::keyClick(f.field, key);
      QCOMPARE(f.field->text(), QStringLiteral("ab"));  // other keys still reach the field
      QVERIFY2(f.ok->hasFocus(), qPrintable(QStringLiteral("key %1").arg(key)));
      QCOMPARE(pressed.count(), 0);
      QCOMPARE(accepted.count(), 0);
      // Enter on OK itself presses it, as it always does.
      QTest::keyClick(f.ok, Qt::Key_Return);
      QCOMPARE(pressed.count(), 1);
      QCOMPARE(accepted.count(), 1);
    }
  }

  void enterRunsTheFieldsOwnActionOncePerPress() {
    FieldAndOk f;
    int runs = 0;
    OnEnterKey(*f.field, [&runs] { ++runs; });
    QSignalSpy accepted(&f.dialog, &QDialog::accepted);
    f.dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
    f.field->setFocus();
    QTest::keyClick(f.field, Qt::Key_Return);
    QTest::keyClick(f.field, Qt::Key_Enter);
    QTest::keyClick(f.field, Qt::Key_Space);
    QCOMPARE(runs, 2);
    QCOMPARE(accepted.count(), 0);
    QVERIFY(f.field->hasFocus());
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<DialogHelpersTest>();
#include "tst_dialog_helpers.moc"
