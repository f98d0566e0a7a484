#pragma once
// The settings layer's questions answered from a script, with a count of
// what was shown.
#include <optional>
#include <string>
#include <vector>

#include "config/SettingsStore.h"

namespace winpiruk::test {

class ScriptedHost : public SettingsHost {
 public:
  std::vector<std::optional<std::string>> answers;
  std::vector<std::string> prompts;
  std::vector<std::string> defaults;
  int beeps = 0;
  int write_failures = 0;
  std::vector<std::string> refusals;

  void Beep() override { ++beeps; }
  void ShowWriteFailure() override { ++write_failures; }
  std::optional<std::string> AskDataDirectory(const std::string& prompt, const std::string& default_answer) override {
    prompts.push_back(prompt);
    defaults.push_back(default_answer);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  void ShowRefusedPath(const std::string& message) override { refusals.push_back(message); }
};

}  // namespace winpiruk::test
