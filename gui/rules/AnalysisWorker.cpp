#include "gui/rules/AnalysisWorker.h"

#include <utility>

namespace winpiruk {

AnalysisWorker::AnalysisWorker(AnalysisRunFunction run, QObject* parent) : QObject(parent), run_(std::move(run)) {}

AnalysisWorker::~AnalysisWorker() { Stop(); }

bool AnalysisWorker::Start(std::vector<analysis::Request> requests) {
  if (Running() || requests.empty() || requests.size() > progress_.size()) return false;
  cancel_ = false;
  total_ = 0;
  for (std::size_t i = 0; i < progress_.size(); ++i) {
    progress_[i].done = 0;
    if (i < requests.size()) total_ += requests[i].count;
  }
  const int run = ++run_number_;
  thread_ = std::thread([this, run, requests = std::move(requests)] {
    std::vector<analysis::Outcome> outcomes;
    for (std::size_t i = 0; i < requests.size(); ++i) {
      outcomes.push_back(run_(requests[i], cancel_, &progress_[i]));
      if (cancel_) outcomes.back().cancelled = true;
    }
    // Handed over through the join in Finish (or Stop), which the window
    // thread passes before it reads them.
    finished_ = std::move(outcomes);
    QMetaObject::invokeMethod(this, [this, run] { Finish(run); }, Qt::QueuedConnection);
  });
  return true;
}

void AnalysisWorker::Stop() {
  cancel_ = true;
  if (thread_.joinable()) thread_.join();
}

void AnalysisWorker::Finish(int run) {
  if (run != run_number_) return;
  if (thread_.joinable()) thread_.join();
  outcomes_ = std::move(finished_);
  emit Finished();
}

long long AnalysisWorker::Done() const {
  long long done = 0;
  for (const analysis::Progress& p : progress_) done += p.done.load(std::memory_order_relaxed);
  return done;
}

}  // namespace winpiruk
