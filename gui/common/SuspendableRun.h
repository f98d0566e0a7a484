#pragma once
// A run of sequential code on a stack of its own that can stop in the middle
// and go on later: a game step that waits for a pause, a question or a
// result window, or a command that waits for the window it opened. The run
// suspends, control goes back to the one event loop, and a timer or the
// window's signal resumes it where it stood. Nothing nests an event loop.
//
// Everything happens on the window thread. A run that is resumed or started
// from inside another run gives control back to that one when it suspends.
#include <cstddef>
#include <functional>
#include <memory>

namespace winpiruk {

// Thrown out of Suspend() into a run that is being stopped; it unwinds the
// run, its destructors included, up to where the run began.
struct RunStopped {};

class SuspendableRun {
 public:
  // Names a run for Stop(); never reused within a process.
  using Id = unsigned long long;

  // Starts `body` as a run of its own and returns when it ends or first
  // suspends. The run owns itself and is freed when its body returns.
  static Id Start(std::function<void()> body);

  // Ends the run named `id` by unwinding it, when it is suspended; a run
  // that has ended or is running now is left alone.
  static void Stop(Id id);

  // The run the caller is on, or nullptr outside every run.
  static SuspendableRun* Current();

  // Inside the run: gives control back to whoever started or resumed it and
  // returns when resumed. Throws RunStopped when the run is being stopped.
  void Suspend();

  // Outside the run: goes on where it suspended, and returns when it ends
  // or suspends again. Does nothing to a run that is not suspended.
  void Resume();

  // Ends every suspended run by unwinding it: at the end of the program, and
  // before whatever a run refers to goes away.
  static void StopAll();
  // How many runs are suspended now.
  static int SuspendedCount();

  SuspendableRun(const SuspendableRun&) = delete;
  SuspendableRun& operator=(const SuspendableRun&) = delete;
  ~SuspendableRun();

 private:
  struct Machine;
  explicit SuspendableRun(std::function<void()> body);
  static void Enter(unsigned high, unsigned low);
  void SwitchIn();
  void SwitchOut();

  void Unwind();

  std::unique_ptr<Machine> machine_;
  Id id_ = 0;
  std::function<void()> body_;
  bool suspended_ = false;
  bool finished_ = false;
  bool stopping_ = false;
};

}  // namespace winpiruk
