#pragma once
// Waiting on the window thread without busy waiting: a nested event loop
// ended by a timer. Every wait first lets whatever is pending run once, the
// user's input included. During the rest of it either every event runs
// (clicks, keys, menus, timers), or only what keeps the window alive
// (painting, timers, window-system events) while the user's input waits in
// the queue for the next wait or for the return to the main loop.
namespace winpiruk {

enum class InputDuringWait { Processed, Kept };

// Waits `milliseconds` (0: lets pending events run once).
void WaitFor(int milliseconds, InputDuringWait input);

// How deep the program is in such waits now; 0 at the main loop.
int WaitDepth();

}  // namespace winpiruk
