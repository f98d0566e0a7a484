// The runs a window keeps for its buttons' waits, and a dialog that is
// waited for inside a run and opens on its own outside every run.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QtTest>
#include <memory>

#include "RunToEnd.h"
#include "gui/common/Awaiting.h"
#include "gui/common/SuspendableRun.h"
#include "gui/common/WindowRuns.h"

using namespace winpiruk;

namespace {

// Counts its destructions: what a stopped run unwinds.
struct Unwound {
  int& count;
  ~Unwound() { ++count; }
};

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

QTEST_MAIN(WindowRunsTest)
#include "tst_window_runs.moc"
