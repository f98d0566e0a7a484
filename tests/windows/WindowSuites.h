#pragma once
// The window suites share one test program: each file adds its suite here,
// under the file's own name, and the program runs the one named by its first
// argument, in a process of its own as a program of its own would.
#include <QObject>
#include <memory>
#include <source_location>

namespace winpiruk::test {

// The application a suite runs in, made before the suite.
enum class SuiteApplication {
  kWidgets,             // a QApplication, as for any window
  kNoWindows,           // a QCoreApplication: the suite needs no display
  kWidgetsAtTwiceDensity,  // a QApplication on screens of twice the pixel density
};

using SuiteMaker = std::unique_ptr<QObject> (*)();

// Adds a suite named after `file` (its name without folder or extension).
bool AddWindowSuite(SuiteMaker make, SuiteApplication application, const char* file);

// Called once per test file, at namespace scope, as
//   const bool kAdded = AddWindowSuite<MySuite>();
template <class Suite>
bool AddWindowSuite(SuiteApplication application = SuiteApplication::kWidgets,
                    std::source_location where = std::source_location::current()) {
  return AddWindowSuite([]() -> std::unique_ptr<QObject> { return std::make_unique<Suite>(); }, application,
                        where.file_name());
}

}  // namespace winpiruk::test
