// The runs a window keeps for its buttons' waits, and the message boxes that
// wait inside a run and open on their own outside every run.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "WindowSuites.h"
#include "RunToEnd.h"
#include "gui/common/Awaiting.h"
#include "gui/common/Messages.h"
#include "gui/common/SuspendableRun.h"
#include "gui/common/WindowRuns.h"

using namespace winpiruk;

namespace {

// Counts its destructions: what a stopped run unwinds.
struct Unwound {
  int& count;
  ~Unwound() { ++count; }
};

QMessageBox* OpenBox() { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }

}  // namespace

class WindowRunsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { SuspendableRun::StopAll(); }

  void aRunIsKeptWhileItWaitsAndStoppedWithItsWindow() {
    int unwound = 0;
    bool went_on = false;
    {
      WindowRuns runs;
      runs.Start([] {});  // ends at once: nothing to keep
      QCOMPARE(runs.Waiting(), 0);
      runs.Start([] { AwaitTimeout(0); });
      QCOMPARE(runs.Waiting(), 1);
      QTRY_COMPARE(runs.Waiting(), 0);  // it ended of itself

      runs.Start([&] {
        Unwound guard{unwound};
        AwaitTimeout(60000);
        went_on = true;
      });
      QCOMPARE(runs.Waiting(), 1);
      QCOMPARE(SuspendableRun::SuspendedCount(), 1);
    }
    QCOMPARE(unwound, 1);
    QVERIFY(!went_on);
    QCOMPARE(SuspendableRun::SuspendedCount(), 0);
  }

  void aMessageWaitsForItsAnswerInsideARun() {
    QWidget parent;
    parent.show();
    bool answered = false;
    RunAwaiting([&] {
      ShowMessage(&parent, QStringLiteral("ぴるく  - topic -"), QStringLiteral("text"), QMessageBox::Warning);
      answered = true;
    });
    QVERIFY(!answered);
    QMessageBox* box = OpenBox();
    QVERIFY(box != nullptr);
    QCOMPARE(box->parentWidget(), &parent);
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    QCOMPARE(box->windowTitle(), QStringLiteral("ぴるく  - topic -"));
    QCOMPARE(box->text(), QStringLiteral("text"));
    QCOMPARE(box->icon(), QMessageBox::Warning);
    QPointer<QMessageBox> gone(box);
    box->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(answered);
    QVERIFY(gone.isNull());
  }

  void questionsAnswerWithTheButtonPressed() {
    QWidget parent;
    parent.show();
    struct Case {
      bool ok_cancel;
      QMessageBox::StandardButton pressed;  // NoButton: closed by Esc
      bool answer;
    };
    const Case cases[] = {{false, QMessageBox::Yes, true},  {false, QMessageBox::No, false},
                          {false, QMessageBox::NoButton, false}, {true, QMessageBox::Ok, true},
                          {true, QMessageBox::Cancel, false}, {true, QMessageBox::NoButton, false}};
    for (const Case& c : cases) {
      bool answer = !c.answer;
      bool ended = false;
      RunAwaiting([&] {
        answer = c.ok_cancel ? AskOkCancel(&parent, QStringLiteral("t"), QStringLiteral("q"), QMessageBox::Warning)
                             : AskYesNo(&parent, QStringLiteral("t"), QStringLiteral("q"));
        ended = true;
      });
      QMessageBox* box = OpenBox();
      QVERIFY(box != nullptr);
      QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()),
               box->button(c.ok_cancel ? QMessageBox::Cancel : QMessageBox::Yes));
      if (c.pressed == QMessageBox::NoButton) {
        QTest::keyClick(box, Qt::Key_Escape);
      } else {
        box->button(c.pressed)->click();
      }
      QTRY_VERIFY(ended);
      QCOMPARE(answer, c.answer);
    }
  }

  void outsideEveryRunAMessageOpensOnItsOwnAndAQuestionIsNotAsked() {
    QWidget parent;
    parent.show();
    ShowMessage(&parent, QStringLiteral("t"), QStringLiteral("told"), QMessageBox::Information);
    QPointer<QMessageBox> box = OpenBox();
    QVERIFY(box != nullptr);
    QCOMPARE(box->text(), QStringLiteral("told"));
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    box->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(box.isNull());  // deleted once answered

    QVERIFY(!AskYesNo(&parent, QStringLiteral("t"), QStringLiteral("q")));
    QVERIFY(!AskOkCancel(&parent, QStringLiteral("t"), QStringLiteral("q"), QMessageBox::Warning));
    QVERIFY(OpenBox() == nullptr);
  }

  // A window that goes while a box over it is awaited takes the box along;
  // the run that waited is unwound later without touching it again.
  void aBoxWhoseParentWentIsNotDeletedTwice() {
    auto parent = std::make_unique<QWidget>();
    parent->show();
    bool answered = false;
    RunAwaiting([&] {
      ShowMessage(parent.get(), QStringLiteral("t"), QStringLiteral("text"), QMessageBox::Warning);
      answered = true;
    });
    QPointer<QMessageBox> box = OpenBox();
    QVERIFY(box != nullptr);
    parent.reset();
    QVERIFY(box.isNull());
    QCOMPARE(SuspendableRun::SuspendedCount(), 1);
    SuspendableRun::StopAll();
    QVERIFY(!answered);
    QCOMPARE(SuspendableRun::SuspendedCount(), 0);
  }

  void aDialogLeftOpenOutsideEveryRunIsDeletedWhenItCloses() {
    QWidget parent;
    parent.show();
    QPointer<QDialog> dialog = new QDialog(&parent);
    QCOMPARE(AwaitOrLeaveOpen(dialog), int(QDialog::Rejected));
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    dialog->accept();
    QTRY_VERIFY(dialog.isNull());

    int result = -1;
    QPointer<QDialog> awaited = new QDialog(&parent);
    QVERIFY(test::RunToEnd([&] {
      QTimer::singleShot(0, awaited, &QDialog::accept);
      result = AwaitOrLeaveOpen(awaited);
    }));
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(awaited.isNull());
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<WindowRunsTest>();
#include "tst_window_runs.moc"
