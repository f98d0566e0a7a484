#pragma once
// How the table waits for the engine without stopping the window. The
// engine's steps run as a suspendable run; a wait suspends it, the one event
// loop goes on, and a timer or the window the wait is for takes it up again.
//
// While a window stands over the table (a settings window opened in a
// pause, a question), the game holds still, as it always has under a
// window. While a wait holds input (the pauses, when the settings leave no
// time to other tasks), the table's clicks and keys wait for its end and
// are taken then, in order, by whatever the engine waits for at that moment.
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class QDialog;

namespace winpiruk {

class SuspendableRun;

enum class InputDuringWait { Taken, Held };

// How a window the engine waits for is shown.
enum class WindowShown {
  OverTheTable,  // window-modal, with the keyboard
  BesideTheTable,  // the table keeps the keyboard and its menus work
};

// What times the waits: a precise timer in the program; the tests move a
// clock of their own by hand.
class WaitClock {
 public:
  // A wait's timer; dropping it before it has elapsed cancels it.
  class Timer {
   public:
    virtual ~Timer() = default;
  };
  virtual ~WaitClock() = default;
  // Calls `elapsed` once, `milliseconds` from now.
  virtual std::unique_ptr<Timer> After(int milliseconds, std::function<void()> elapsed) = 0;
};

// The program's clock: a precise QTimer.
WaitClock& PreciseWaitClock();

class TableWaits {
 public:
  TableWaits() = default;
  TableWaits(const TableWaits&) = delete;
  TableWaits& operator=(const TableWaits&) = delete;

  // Waits `milliseconds` (0: lets what is pending run once).
  void For(int milliseconds, InputDuringWait input);
  // Shows `dialog` and waits until it has finished; returns its result.
  int ForWindow(QDialog& dialog, WindowShown shown);

  // The clock that times the waits from now on; it outlives them.
  void UseClock(WaitClock& clock) { clock_ = &clock; }

  // A window over the table blocks it, or has gone.
  void SetTableBlocked(bool blocked);

  // True while a wait holds the table's input: `input` is kept and taken
  // after the wait, through the event loop.
  bool HoldInput(const std::function<void()>& input);

 private:
  // Suspends the run the caller is on until `done` and the table is free.
  void Until(const bool& done);
  // Takes up the waiting run once the present event has been handled.
  void ResumeLater();
  void ReleaseHeldInput();

  // Receives the queued calls: they go with the waits.
  QObject context_;
  WaitClock* clock_ = &PreciseWaitClock();
  SuspendableRun* waiting_ = nullptr;
  bool blocked_ = false;
  bool holding_input_ = false;
  std::vector<std::function<void()>> held_;
};

}  // namespace winpiruk
