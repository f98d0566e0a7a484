#include "gui/common/SuspendableRun.h"

#include <sys/mman.h>
#include <ucontext.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace winpiruk {
namespace {

// Room for the game's steps and the drawing and windows they call into; the
// pages are only taken when touched. A guard page below it turns an
// overflow into a fault instead of a write into other memory.
constexpr std::size_t kStackBytes = 1024 * 1024;

// AddressSanitizer is told about every switch of stacks, so that it keeps
// each stack's bookkeeping apart.
void BeforeSwitch([[maybe_unused]] void** fake_stack, [[maybe_unused]] const void* bottom,
                  [[maybe_unused]] std::size_t size) {
#if defined(__SANITIZE_ADDRESS__)
  __sanitizer_start_switch_fiber(fake_stack, bottom, size);
#endif
}

void AfterSwitch([[maybe_unused]] void* fake_stack, [[maybe_unused]] const void** old_bottom,
                 [[maybe_unused]] std::size_t* old_size) {
#if defined(__SANITIZE_ADDRESS__)
  __sanitizer_finish_switch_fiber(fake_stack, old_bottom, old_size);
#endif
}

// The mapped stack and its guard page.
class StackMemory {
 public:
  StackMemory() {
    const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    mapped_ = kStackBytes + page;
    void* base = mmap(nullptr, mapped_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
    if (base == MAP_FAILED) throw std::bad_alloc();
    mprotect(base, page, PROT_NONE);
    base_ = static_cast<char*>(base);
    bottom_ = base_ + page;
  }
  ~StackMemory() { munmap(base_, mapped_); }
  StackMemory(const StackMemory&) = delete;
  StackMemory& operator=(const StackMemory&) = delete;

  void* bottom() const { return bottom_; }
  std::size_t size() const { return kStackBytes; }

 private:
  char* base_ = nullptr;
  char* bottom_ = nullptr;
  std::size_t mapped_ = 0;
};

std::vector<SuspendableRun*>& SuspendedRuns() {
  static std::vector<SuspendableRun*> runs;
  return runs;
}

SuspendableRun* current_run = nullptr;
SuspendableRun::Id last_id = 0;

}  // namespace

struct SuspendableRun::Machine {
  StackMemory stack;
  ucontext_t own{};
  ucontext_t caller{};
  SuspendableRun* outer = nullptr;  // the run that was current when this one was entered
  void* caller_fake_stack = nullptr;
  void* own_fake_stack = nullptr;
  const void* caller_bottom = nullptr;
  std::size_t caller_size = 0;
};

SuspendableRun::SuspendableRun(std::function<void()> body)
    : machine_(std::make_unique<Machine>()), id_(++last_id), body_(std::move(body)) {
  Machine& m = *machine_;
  getcontext(&m.own);
  m.own.uc_stack.ss_sp = m.stack.bottom();
  m.own.uc_stack.ss_size = m.stack.size();
  m.own.uc_link = nullptr;
  // makecontext passes int arguments only: the run's address goes in two halves.
  const auto address = reinterpret_cast<std::uintptr_t>(this);
  makecontext(&m.own, reinterpret_cast<void (*)()>(&SuspendableRun::Enter), 2,
              static_cast<unsigned>(address >> 32), static_cast<unsigned>(address & 0xffffffffu));
}

SuspendableRun::~SuspendableRun() = default;

SuspendableRun::Id SuspendableRun::Start(std::function<void()> body) {
  auto* run = new SuspendableRun(std::move(body));
  const Id id = run->id_;
  run->SwitchIn();
  if (run->finished_) delete run;
  return id;
}

void SuspendableRun::Stop(Id id) {
  const auto& runs = SuspendedRuns();
  const auto found = std::find_if(runs.begin(), runs.end(), [id](const SuspendableRun* run) { return run->id_ == id; });
  if (found != runs.end()) (*found)->Unwind();
}

void SuspendableRun::Unwind() {
  stopping_ = true;
  Resume();
}

SuspendableRun* SuspendableRun::Current() { return current_run; }

void SuspendableRun::Enter(unsigned high, unsigned low) {
  auto* run = reinterpret_cast<SuspendableRun*>((static_cast<std::uintptr_t>(high) << 32) | low);
  Machine& m = *run->machine_;
  AfterSwitch(nullptr, &m.caller_bottom, &m.caller_size);
  try {
    run->body_();
  } catch (const RunStopped&) {
    // Unwound on purpose: the run ends here.
  }
  run->body_ = nullptr;
  run->finished_ = true;
  // The last switch out of this stack: nothing is kept of its fake stack.
  current_run = m.outer;
  BeforeSwitch(nullptr, m.caller_bottom, m.caller_size);
  setcontext(&m.caller);
  std::terminate();  // setcontext does not return
}

void SuspendableRun::SwitchIn() {
  Machine& m = *machine_;
  m.outer = current_run;
  current_run = this;
  BeforeSwitch(&m.caller_fake_stack, m.stack.bottom(), m.stack.size());
  swapcontext(&m.caller, &m.own);
  AfterSwitch(m.caller_fake_stack, nullptr, nullptr);
}

void SuspendableRun::SwitchOut() {
  Machine& m = *machine_;
  current_run = m.outer;
  BeforeSwitch(&m.own_fake_stack, m.caller_bottom, m.caller_size);
  swapcontext(&m.own, &m.caller);
  AfterSwitch(m.own_fake_stack, &m.caller_bottom, &m.caller_size);
}

void SuspendableRun::Suspend() {
  suspended_ = true;
  SuspendedRuns().push_back(this);
  SwitchOut();
  if (stopping_) throw RunStopped{};
}

void SuspendableRun::Resume() {
  if (!suspended_ || current_run == this) return;
  suspended_ = false;
  auto& runs = SuspendedRuns();
  runs.erase(std::remove(runs.begin(), runs.end(), this), runs.end());
  SwitchIn();
  if (finished_) delete this;
}

void SuspendableRun::StopAll() {
  // Stopping a run may let it start or suspend others as it unwinds: take
  // them one at a time until none is left.
  while (!SuspendedRuns().empty()) {
    SuspendedRuns().back()->Unwind();
  }
}

int SuspendableRun::SuspendedCount() { return static_cast<int>(SuspendedRuns().size()); }

}  // namespace winpiruk
