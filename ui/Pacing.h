#pragma once
// Waiting on the window thread without busy waiting: a nested event loop
// ended by a timer. While waiting, either every event runs (clicks, keys,
// menus, timers), or only what keeps the window alive: painting, timers and
// window-system events, with the user's input dropped.
namespace winpiruk {

enum class InputDuringWait { Processed, Dropped };

// Waits `milliseconds` (0: lets pending events run once).
void WaitFor(int milliseconds, InputDuringWait input);

// How deep the program is in such waits now; 0 at the main loop.
int WaitDepth();

}  // namespace winpiruk
