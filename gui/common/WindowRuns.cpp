#include "gui/common/WindowRuns.h"

#include <QDialog>
#include <QPointer>
#include <algorithm>
#include <memory>

#include "gui/common/Awaiting.h"

namespace winpiruk {

WindowRuns::~WindowRuns() { StopAll(); }

void WindowRuns::Start(std::function<void()> body) {
  // The run learns its id only once Start has returned: a run that ends at
  // once is never kept.
  auto id = std::make_shared<SuspendableRun::Id>(0);
  auto ended = std::make_shared<bool>(false);
  const SuspendableRun::Id started = SuspendableRun::Start([ids = ids_, id, ended, body = std::move(body)] {
    struct Ending {
      std::vector<SuspendableRun::Id>& ids;
      const SuspendableRun::Id& id;
      bool& ended;
      ~Ending() {
        ended = true;
        ids.erase(std::remove(ids.begin(), ids.end(), id), ids.end());
      }
    } ending{*ids, *id, *ended};
    body();
  });
  if (*ended) return;
  *id = started;
  ids_->push_back(started);
}

void WindowRuns::StopAll() {
  // A run unwound may start others as it goes: one at a time until none is left.
  while (!ids_->empty()) {
    const SuspendableRun::Id id = ids_->back();
    ids_->pop_back();
    SuspendableRun::Stop(id);
  }
}

int AwaitOrLeaveOpen(QDialog* dialog) {
  if (SuspendableRun::Current() == nullptr) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return QDialog::Rejected;
  }
  // Deleted once it has finished, or when the run is stopped; a parent that
  // went first has taken it along.
  struct Deletion {
    QPointer<QDialog> dialog;
    ~Deletion() { delete dialog.data(); }
  } deletion{dialog};
  return AwaitDialog(*dialog);
}

}  // namespace winpiruk
