// Runs that suspend and go on: the order of what runs, waits for time and
// for windows without a nested event loop, and stopping a run that waits.
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <string>

#include "WindowSuites.h"
#include "gui/common/Awaiting.h"
#include "gui/common/SuspendableRun.h"

using namespace winpiruk;

namespace {

// Counts its destructions: what a stopped run unwinds.
struct Unwound {
  int& count;
  ~Unwound() { ++count; }
};

}  // namespace

class SuspendableRunTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { SuspendableRun::StopAll(); }

  void suspendsAndGoesOnInOrder() {
    std::string trace;
    SuspendableRun* run = nullptr;
    SuspendableRun::Start([&] {
      trace += "a";
      run = SuspendableRun::Current();
      run->Suspend();
      trace += "c";
      run->Suspend();
      trace += "e";
    });
    trace += "b";
    QCOMPARE(SuspendableRun::SuspendedCount(), 1);
    QVERIFY(SuspendableRun::Current() == nullptr);
    run->Resume();
    trace += "d";
    run->Resume();
    QCOMPARE(trace, std::string("abcde"));
    QCOMPARE(SuspendableRun::SuspendedCount(), 0);
  }

  void aRunStartedInsideARunGivesControlBackToIt() {
    std::string trace;
    SuspendableRun* inner = nullptr;
    SuspendableRun::Start([&] {
      trace += "1";
      SuspendableRun::Start([&] {
        inner = SuspendableRun::Current();
        trace += "2";
        inner->Suspend();
        trace += "5";
      });
      trace += "3";
    });
    trace += "4";
    inner->Resume();
    QCOMPARE(trace, std::string("12345"));
  }

  void stoppingUnwindsEveryWaitingRun() {
    int unwound = 0;
    bool went_on = false;
    for (int i = 0; i < 3; ++i) {
      SuspendableRun::Start([&] {
        Unwound guard{unwound};
        SuspendableRun::Current()->Suspend();
        went_on = true;
      });
    }
    const SuspendableRun::Id last = SuspendableRun::Start([&] {
      Unwound guard{unwound};
      SuspendableRun::Current()->Suspend();
    });
    SuspendableRun::Stop(last);
    QCOMPARE(unwound, 1);
    SuspendableRun::Stop(last);  // already gone: nothing happens
    QCOMPARE(SuspendableRun::SuspendedCount(), 3);
    SuspendableRun::StopAll();
    QCOMPARE(unwound, 4);
    QVERIFY(!went_on);
  }

  void aTimeoutWaitsWithoutNestingTheLoop() {
    bool done = false;
    qint64 waited = -1;
    RunAwaiting([&] {
      QElapsedTimer clock;
      clock.start();
      AwaitTimeout(60);
      waited = clock.elapsed();
      done = true;
    });
    QVERIFY(!done);  // the wait gave control back at once
    QTRY_VERIFY(done);
    QVERIFY(waited >= 55);
  }

  void aDialogIsAwaitedUntilItFinishes() {
    QWidget parent;
    parent.show();
    int result = -1;
    RunAwaiting([&] {
      QDialog dialog(&parent);
      result = AwaitDialog(dialog);
    });
    QCOMPARE(result, -1);
    QDialog* open = parent.findChild<QDialog*>();
    QVERIFY(open != nullptr);
    QCOMPARE(open->windowModality(), Qt::WindowModal);
    QTRY_VERIFY(open->isVisible());
    open->accept();
    QTRY_COMPARE(result, int(QDialog::Accepted));
    QVERIFY(parent.findChild<QDialog*>() == nullptr);
  }

  void outsideARunNothingWaits() {
    QDialog dialog;
    QCOMPARE(AwaitDialog(dialog), int(QDialog::Rejected));
    QElapsedTimer clock;
    clock.start();
    AwaitTimeout(500);
    QVERIFY(clock.elapsed() < 400);
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<SuspendableRunTest>();
#include "tst_suspendable_run.moc"
