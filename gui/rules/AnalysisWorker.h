#pragma once
// Runs one or two analyses (the rules and, for a comparison, a second set)
// one after the other on a thread of its own, so that the window thread only
// reads the progress and receives the outcomes.
#include <QObject>
#include <array>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "analysis/Analysis.h"

namespace winpiruk {

using AnalysisRunFunction = std::function<analysis::Outcome(
    const analysis::Request&, const std::atomic<bool>&, analysis::Progress*)>;

class AnalysisWorker : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMostRequests = 2;

  explicit AnalysisWorker(AnalysisRunFunction run, QObject* parent = nullptr);
  // Cancels a run still going and waits for it.
  ~AnalysisWorker() override;

  // Starts the requests (at most kMostRequests); false while a run is going.
  bool Start(std::vector<analysis::Request> requests);
  void Cancel() { cancel_ = true; }
  // Cancels and waits for the thread to end; Finished still follows.
  void Stop();
  bool Running() const { return thread_.joinable(); }

  // Hands or matches finished so far over all the requests, and in all.
  long long Done() const;
  long long Total() const { return total_; }
  const std::vector<analysis::Outcome>& Outcomes() const { return outcomes_; }

 signals:
  // The outcomes are in Outcomes(), one per request, in their order.
  void Finished();

 private:
  // Posted by the thread when it is done; a stopped run's call comes late
  // and is not taken for a newer run.
  void Finish(int run);

  AnalysisRunFunction run_;
  std::atomic<bool> cancel_{false};
  std::array<analysis::Progress, kMostRequests> progress_;
  long long total_ = 0;
  int run_number_ = 0;
  std::vector<analysis::Outcome> outcomes_;
  std::vector<analysis::Outcome> finished_;  // written by the thread
  std::thread thread_;
};

}  // namespace winpiruk
