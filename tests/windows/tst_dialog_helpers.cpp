// What the dialogs share: they open in the middle of the screen wherever
// their parent is, and Enter in a field moves on instead of pressing OK.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include "WindowSuites.h"
#include "gui/common/CentredDialog.h"
#include "gui/common/EnterKey.h"
#include "gui/common/SpokenNames.h"

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
  void captionsAreReadWithoutAccessMarksOrColons_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("access key") << QStringLiteral("効果音(&V)") << QStringLiteral("効果音(V)");
    QTest::newRow("colon after a blank") << QStringLiteral("ﾌｧｲﾙ名 :") << QStringLiteral("ﾌｧｲﾙ名");
    QTest::newRow("full-width colon") << QStringLiteral("プレーヤー名 ：") << QStringLiteral("プレーヤー名");
    QTest::newRow("a shown ampersand") << QStringLiteral("A&&B(&C)") << QStringLiteral("A&B(C)");
    QTest::newRow("Japanese spaced for the eye") << QStringLiteral("度  胸") << QStringLiteral("度胸");
    QTest::newRow("a blank between words kept") << QStringLiteral("メンバー 4 :") << QStringLiteral("メンバー 4");
    QTest::newRow("a colon inside kept") << QStringLiteral("ﾌｧｲﾙ名(*.prk) :") << QStringLiteral("ﾌｧｲﾙ名(*.prk)");
  }

  void captionsAreReadWithoutAccessMarksOrColons() {
    QFETCH(QString, caption);
    QFETCH(QString, spoken);
    QCOMPARE(SpokenCaption(caption), spoken);
  }

  void aWindowsControlsTakeTheirLabelsAndTooltips() {
    QDialog window;
    auto* label = new QLabel(QStringLiteral("名前(&N) :"), &window);
    auto* field = new QLineEdit(&window);
    auto* named = new QLineEdit(&window);
    auto* other = new QLabel(QStringLiteral("別の名前"), &window);
    label->setBuddy(field);
    other->setBuddy(named);
    named->setAccessibleName(QStringLiteral("もとの名前"));
    auto* list = new QListWidget(&window);
    list->setToolTip(QStringLiteral("選んでください"));
    field->setToolTip(QStringLiteral("ふりがなは要りません"));
    NameControlsForReaders(window);
    QCOMPARE(field->accessibleName(), QStringLiteral("名前(N)"));
    QCOMPARE(named->accessibleName(), QStringLiteral("もとの名前"));  // a name given stays
    QCOMPARE(list->accessibleDescription(), QStringLiteral("選んでください"));
    // A field reads its own tooltip, and would not follow a changed one if it were copied.
    QVERIFY(field->accessibleDescription().isEmpty());
    field->setToolTip(QStringLiteral("ひらがなで"));
    QCOMPARE(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Description), QStringLiteral("ひらがなで"));
  }

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
