// The window suites' program: `window_tests SUITE [Qt Test options...]` runs
// one suite; without a suite it lists them.
#include <QApplication>
#include <QtTest>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "WindowSuites.h"

namespace winpiruk::test {
namespace {

struct Suite {
  SuiteMaker make;
  SuiteApplication application;
};

std::map<std::string, Suite>& Suites() {
  static std::map<std::string, Suite> suites;
  return suites;
}

std::string FileStem(const std::string& path) {
  const std::size_t start = path.find_last_of('/') + 1;  // npos + 1 is 0
  return path.substr(start, path.find_last_of('.') - start);
}

}  // namespace

bool AddWindowSuite(SuiteMaker make, SuiteApplication application, const char* file) {
  const bool added = Suites().emplace(FileStem(file), Suite{make, application}).second;
  if (!added) std::fprintf(stderr, "Two window suites in files named %s\n", FileStem(file).c_str());
  return added;
}

// `args` ends in a null pointer, as argv does.
int RunSuite(const Suite& suite, std::vector<char*> args) {
  int argc = static_cast<int>(args.size()) - 1;
  char** argv = args.data();
  std::unique_ptr<QCoreApplication> app;
  switch (suite.application) {
    case SuiteApplication::kWidgets:
      app = std::make_unique<QApplication>(argc, argv);
      app->setAttribute(Qt::AA_Use96Dpi, true);
      break;
    case SuiteApplication::kNoWindows:
      app = std::make_unique<QCoreApplication>(argc, argv);
      app->setAttribute(Qt::AA_Use96Dpi, true);
      break;
    case SuiteApplication::kWidgetsAtTwiceDensity:
      // Read once, when the application starts, as a desktop set to 200 %
      // would have it.
      qputenv("QT_SCALE_FACTOR", "2");
      app = std::make_unique<QApplication>(argc, argv);
      break;
  }
  const std::unique_ptr<QObject> test = suite.make();
  return QTest::qExec(test.get(), argc, argv);
}

}  // namespace winpiruk::test

int main(int argc, char* argv[]) {
  using winpiruk::test::Suites;
  const auto suite = argc >= 2 ? Suites().find(argv[1]) : Suites().end();
  if (suite == Suites().end()) {
    std::fprintf(stderr, "usage: %s SUITE [Qt Test options and functions]\nsuites:\n", argv[0]);
    for (const auto& entry : Suites()) std::fprintf(stderr, "  %s\n", entry.first.c_str());
    return 2;
  }
  // Qt Test sees the program and what follows the suite's name.
  std::vector<char*> args{argv[0]};
  args.insert(args.end(), argv + 2, argv + argc);
  args.push_back(nullptr);
  return winpiruk::test::RunSuite(suite->second, args);
}
