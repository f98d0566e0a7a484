#pragma once
// The splash's first text needs the font configuration, and reading it (a
// few dozen files parsed, the font caches mapped) is a good part of the
// start-up. A worker reads it while the program connects to the display.
#include <thread>

namespace winpiruk {

// Starts the worker; the first text drawn finds the configuration read or,
// should the worker not be done yet, reads it as it otherwise would.
std::jthread WarmUpFontConfig();

}  // namespace winpiruk
