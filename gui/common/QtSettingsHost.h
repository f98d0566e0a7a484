#pragma once
// The settings layer's questions and messages, asked with real dialogs,
// window-modal over the parent; they wait for their answers inside a
// suspendable run (see Awaiting.h): outside every run a question is not
// asked and has no answer.
#include <QWidget>

#include "config/SettingsStore.h"

namespace winpiruk {

class QtSettingsHost : public SettingsHost {
 public:
  explicit QtSettingsHost(QWidget* parent = nullptr) : parent_(parent) {}
  void Beep() override;
  void ShowWriteFailure() override;
  std::optional<std::string> AskDataDirectory(const std::string& prompt, const std::string& default_answer) override;
  void ShowRefusedPath(const std::string& message) override;
  // Every picture the table draws, not only the probe.
  std::vector<std::string> MissingPictures(const std::string& directory) override;

 private:
  QWidget* parent_;
};

}  // namespace winpiruk
