#pragma once
// Test doubles of the engine's surroundings: a view that keeps every call in
// order and answers questions from a script, a random source that plays back
// given values and counts the draws, and the member files counted, not written.
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/Clock.h"
#include "engine/Engine.h"
#include "engine/Random.h"
#include "engine/TableView.h"
#include "presentation/GameTexts.h"

namespace winpiruk::testing {

class RecordingView : public TableView {
 public:
  std::vector<std::string> calls;
  std::deque<bool> answers;  // for Ask, in order; an empty script answers No
  std::deque<SettlementOutcome> settlements;
  std::map<TableLabel, std::string> labels;
  // Runs inside WaitForClaim, as a click arriving during the wait would.
  std::function<void()> during_claim_wait;
  // Runs inside Pause.
  std::function<void(int)> during_pause;
  int hand_results = 0;
  std::vector<HandResultView> results;       // every hand result shown, in order
  std::vector<SettlementView> settled;       // every settlement shown, in order
  // Runs after every recorded call, with the call's text.
  std::function<void(const std::string&)> on_call;

  void ShowCard(int position, int code) override { Log("ShowCard " + N(position) + " " + N(code)); }
  void HideCard(int position) override { Log("HideCard " + N(position)); }
  void HideSeatCard(int seat, int position) override { Log("HideSeatCard " + N(seat) + " " + N(position)); }
  void ShowHand(int seat) override { Log("ShowHand " + N(seat)); }
  void DealCardTo(int seat, int pass) override { Log("DealCardTo " + N(seat) + " " + N(pass)); }
  void ShowDrawPile(bool shown) override { Log(std::string("ShowDrawPile ") + (shown ? "1" : "0")); }
  void ShowDrawAnimation() override { Log("ShowDrawAnimation"); }
  void ClearTable() override {
    labels.clear();
    Log("ClearTable");
  }
  void ShowHandKeyGuides(bool shown) override { Log(std::string("ShowHandKeyGuides ") + (shown ? "1" : "0")); }
  void ShowArrow(int seat) override { Log("ShowArrow " + N(seat)); }
  void ShowCallBanner() override { Log("ShowCallBanner"); }
  void ShowCounterCallBanner() override { Log("ShowCounterCallBanner"); }
  // Labels and titles are logged with the words the table would show.
  void ShowLabel(TableLabel label, LabelWords words) override { ShowText(label, TextOf(label, words)); }
  void HideLabel(TableLabel label) override { Log("HideLabel " + NameOf(label)); }
  void ShowCountdown(int seconds, bool keep_prompt) override {
    ShowText(TableLabel::Countdown, CountdownText(keep_prompt ? LabelText(TableLabel::Countdown) : "", seconds));
  }
  void ShowHandTitle(int hand_number, bool auto_play) override {
    Log("SetTitle " + HandTitle(hand_number, auto_play));
  }
  void ShowProgramTitle() override { Log("SetTitle " + std::string(kProgramTitleText)); }
  std::string LabelText(TableLabel label) const {
    const auto it = labels.find(label);
    return it == labels.end() ? std::string() : it->second;
  }
  void ShowScores() override { Log("ShowScores"); }
  void ApplyLabelColours() override { Log("ApplyLabelColours"); }
  void EnablePlayModeMenu(bool enabled) override { Log(std::string("EnablePlayModeMenu ") + (enabled ? "1" : "0")); }
  void CheckPlayMode(bool auto_play) override { Log(std::string("CheckPlayMode ") + (auto_play ? "1" : "0")); }
  void PlaySound(Sound sound) override { Log("PlaySound " + NameOf(sound)); }
  void StopMusic() override { Log("StopMusic"); }
  void RestartMusic() override { Log("RestartMusic"); }
  bool Ask(Question question) override {
    bool answer = false;
    if (!answers.empty()) {
      answer = answers.front();
      answers.pop_front();
    }
    Log("Ask " + NameOf(question) + (answer ? " yes" : " no"));
    return answer;
  }
  void Tell(Notice notice) override { Log("Tell " + NameOf(notice)); }
  void InternalError(int number) override { Log("InternalError " + N(number)); }
  void Pause(int tenths) override {
    Log("Pause " + N(tenths));
    if (during_pause) during_pause(tenths);
  }
  void SpeedPause(int units) override { Log("SpeedPause " + N(units)); }
  void WaitForClaim(int tenths, ClaimWindow) override {
    Log("WaitForClaim " + N(tenths));
    if (during_claim_wait) during_claim_wait();
  }
  void StartTimer() override { Log("StartTimer"); }
  void StopTimer() override { Log("StopTimer"); }
  void ShowHandResult(const HandResultView& result) override {
    ++hand_results;
    results.push_back(result);
    Log("ShowHandResult");
  }
  SettlementOutcome ShowSettlement(const SettlementView& settlement) override {
    settled.push_back(settlement);
    SettlementOutcome outcome = SettlementOutcome::EndProgram;
    if (!settlements.empty()) {
      outcome = settlements.front();
      settlements.pop_front();
    }
    Log("ShowSettlement " + NameOf(outcome));
    return outcome;
  }
  void ShowMemberDecision() override { Log("ShowMemberDecision"); }

  // How many recorded calls start with `prefix`.
  int Count(std::string_view prefix) const {
    int n = 0;
    for (const auto& c : calls) n += c.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
  }
  bool Has(std::string_view call) const {
    for (const auto& c : calls) {
      if (c == call) return true;
    }
    return false;
  }
  // Index of the first call equal to `call`, or -1.
  int IndexOf(std::string_view call) const {
    for (std::size_t i = 0; i < calls.size(); ++i) {
      if (calls[i] == call) return static_cast<int>(i);
    }
    return -1;
  }

 private:
  static std::string N(int n) { return std::to_string(n); }
  static std::string NameOf(TableLabel label) {
    static constexpr const char* kNames[] = {"DealerChoicePrompt", "ReuseMessage", "Countdown",
                                             "ExtraNumberTitle",   "KeyGuideJ",    "KeyGuideK"};
    return kNames[static_cast<int>(label)];
  }
  static std::string NameOf(Sound sound) {
    static constexpr const char* kNames[] = {"Piruk",  "PirukGaeshi", "Initial",    "CardOver",
                                             "NoGame", "GameOver",    "CardOperate"};
    return kNames[static_cast<int>(sound)];
  }
  static std::string NameOf(Question question) {
    static constexpr const char* kNames[] = {"DiscardMatch", "DiscardFinish", "ConfirmCall"};
    return kNames[static_cast<int>(question)];
  }
  static std::string NameOf(Notice notice) {
    static constexpr const char* kNames[] = {"NewGameInAutoPlay", "NewGameWhileBusy", "AutoPlayFirstMove",
                                             "CloseRefused"};
    return kNames[static_cast<int>(notice)];
  }
  static std::string NameOf(SettlementOutcome outcome) {
    static constexpr const char* kNames[] = {"AnotherMatch", "ChangeMembers", "EndProgram"};
    return kNames[static_cast<int>(outcome)];
  }
  void ShowText(TableLabel label, std::string_view text) {
    labels[label] = std::string(text);
    Log("ShowLabel " + NameOf(label) + " " + std::string(text));
  }
  void Log(std::string call) {
    calls.push_back(std::move(call));
    if (on_call) on_call(calls.back());
  }
};

// Plays back scripted values; past the script it fails the test loudly.
class ScriptedRandom : public RandomSource {
 public:
  ScriptedRandom() = default;
  explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}

  float Next() override {
    if (taken_ >= values_.size()) {
      if (fallback_) return fallback_->Next();
      throw std::runtime_error("random draw past the script");
    }
    return values_[taken_++];
  }
  void Seed(int32_t seed) override {
    seeds.push_back(seed);
    if (fallback_) fallback_->Seed(seed);
  }

  // Beyond the script, draws come from a real generator.
  void FallBackTo(RandomSource* fallback) { fallback_ = fallback; }
  void Script(std::vector<float> values) {
    values_ = std::move(values);
    taken_ = 0;
  }
  std::size_t Taken() const { return taken_; }
  std::size_t Left() const { return values_.size() - taken_; }

  std::vector<int32_t> seeds;

 private:
  std::vector<float> values_;
  std::size_t taken_ = 0;
  RandomSource* fallback_ = nullptr;
};

// Counts the draws of a real generator.
class CountingRandom : public RandomSource {
 public:
  explicit CountingRandom(int32_t seed = 1) : inner_(seed) {}
  float Next() override {
    ++taken;
    return inner_.Next();
  }
  void Seed(int32_t seed) override { inner_.Seed(seed); }
  std::size_t taken = 0;

 private:
  StandardRandom inner_;
};

// The engine's scorekeeping with the member files counted instead of
// written, and the time of day given by the test.
struct MemberFilesRecord {
  int writes = 0;
  bool write_result = true;
  int32_t time_of_day = 36000;

  Scorekeeping Keeping() {
    Scorekeeping keeping;
    keeping.write_member_files = [this](const GameState&) {
      ++writes;
      return write_result;
    };
    keeping.time_of_day = [this] { return time_of_day; };
    return keeping;
  }
};

}  // namespace winpiruk::testing
