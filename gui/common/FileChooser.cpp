#include "gui/common/FileChooser.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QListView>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>

namespace winpiruk {
namespace {

bool IsSystemPath(const QString& root) {
  if (root.startsWith(QStringLiteral("/run/media/"))) return false;
  for (const char* prefix : {"/proc", "/sys", "/dev", "/run", "/snap", "/boot"}) {
    const QString p = QString::fromLatin1(prefix);
    if (root == p || root.startsWith(p + QLatin1Char('/'))) return true;
  }
  return false;
}

// The deepest existing folder at or above `folder`.
QString ExistingFolder(QString folder) {
  if (folder.isEmpty()) return QDir::homePath();
  while (!QFileInfo(folder).isDir()) {
    const QString parent = QFileInfo(folder).path();
    if (parent == folder || parent.isEmpty()) return QDir::rootPath();
    folder = parent;
  }
  return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

bool Holds(const QString& root, const QString& folder) {
  if (root == QDir::rootPath()) return true;
  return folder == root || folder.startsWith(root + QLatin1Char('/'));
}

}  // namespace

QStringList ChoosableVolumes() {
  QStringList roots{QDir::homePath()};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady()) continue;
    const QString root = volume.rootPath();
    if (IsSystemPath(root) || !QFileInfo(root).isDir() || roots.contains(root)) continue;
    roots << root;
  }
  // The root volume right after the home folder, the rest by name.
  std::sort(roots.begin() + 1, roots.end(), [](const QString& a, const QString& b) {
    if (a == QDir::rootPath() || b == QDir::rootPath()) return a == QDir::rootPath() && b != QDir::rootPath();
    return a < b;
  });
  return roots;
}

FileChooser::FileChooser(const QStringList& name_filters, QWidget* parent) : QWidget(parent) {
  Drive = new QComboBox(this);
  for (const QString& root : ChoosableVolumes()) {
    const QString text = root == QDir::homePath() ? root + QStringLiteral("  (ﾎｰﾑ)") : root;
    Drive->addItem(text, root);
  }

  folders_ = new QFileSystemModel(this);
  folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  folders_->setReadOnly(true);
  Dir = new QTreeView(this);
  Dir->setModel(folders_);
  Dir->setHeaderHidden(true);
  for (int column = 1; column < folders_->columnCount(); ++column) Dir->hideColumn(column);
  Dir->setUniformRowHeights(true);
  Dir->setAnimated(false);
  Dir->setIndentation(14);

  files_ = new QFileSystemModel(this);
  files_->setFilter(QDir::Files | QDir::NoDotAndDotDot);
  files_->setNameFilters(name_filters);
  // Files that do not match are left out rather than greyed.
  files_->setNameFilterDisables(false);
  files_->setReadOnly(true);
  File = new QListView(this);
  File->setModel(files_);
  File->setUniformItemSizes(true);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  grid->addWidget(Drive, 0, 0, 1, 2);
  grid->addWidget(Dir, 1, 0);
  grid->addWidget(File, 1, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  ConnectViews();
  SetFolder(QDir::homePath());
}

void FileChooser::ConnectViews() {
  connect(Drive, &QComboBox::activated, this, &FileChooser::Drive_Activated);
  connect(Dir->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { Dir_Changed(current); });
  connect(File->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { File_Changed(current); });
  connect(File, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.isValid()) emit FileDoubleClicked(files_->filePath(index));
  });
  // Rows arrive, and are sorted, after the folder is set: keep the chosen
  // folder and file in view as they do.
  auto keep_in_view = [this] {
    QTimer::singleShot(0, this, [this] {
      const QModelIndex folder = folders_->index(folder_);
      if (folder.isValid()) Dir->scrollTo(folder, QAbstractItemView::PositionAtCenter);
      if (File->currentIndex().isValid()) File->scrollTo(File->currentIndex());
    });
  };
  for (QFileSystemModel* model : {folders_, files_}) {
    connect(model, &QFileSystemModel::directoryLoaded, this, keep_in_view);
    connect(model, &QFileSystemModel::layoutChanged, this, keep_in_view);
  }
}

void FileChooser::ShowVolume(const QString& root) {
  if (root == volume_) return;
  volume_ = root;
  {
    const QSignalBlocker blocker(Drive);
    const int entry = Drive->findData(root);
    if (entry >= 0) Drive->setCurrentIndex(entry);
  }
  // The tree holds the volume's folders; the volume itself is the combo's.
  folders_->setRootPath(root);
  Dir->setRootIndex(folders_->index(root));
}

void FileChooser::SetFolder(const QString& folder) {
  const QString shown = ExistingFolder(folder);
  // The volume: the longest root that holds the folder.
  QString root = QDir::rootPath();
  for (int i = 0; i < Drive->count(); ++i) {
    const QString candidate = Drive->itemData(i).toString();
    if (Holds(candidate, shown) && candidate.size() > root.size()) root = candidate;
  }
  ShowVolume(root);
  folder_ = shown;
  const QModelIndex index = folders_->index(shown);
  {
    const QSignalBlocker blocker(Dir->selectionModel());
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) Dir->expand(up);
    Dir->setCurrentIndex(index);
  }
  Dir->scrollTo(index);
  {
    const QSignalBlocker blocker(File->selectionModel());
    File->setRootIndex(files_->setRootPath(shown));
    File->clearSelection();
    File->setCurrentIndex(QModelIndex());
  }
}

void FileChooser::SelectFile(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty()) return;
  SetFolder(info.path());
  if (!info.isFile() || QFileInfo(info.path()).absoluteFilePath() != folder_) return;
  const QModelIndex index = files_->index(info.absoluteFilePath());
  if (!index.isValid()) return;
  const QSignalBlocker blocker(File->selectionModel());
  File->setCurrentIndex(index);
  File->scrollTo(index);
}

QString FileChooser::SelectedFile() const {
  const QModelIndex current = File->currentIndex();
  return current.isValid() ? files_->fileName(current) : QString();
}

QString FileChooser::SelectedPath() const {
  const QModelIndex current = File->currentIndex();
  return current.isValid() ? files_->filePath(current) : QString();
}

void FileChooser::Drive_Activated(int index) {
  const QString root = Drive->itemData(index).toString();
  if (!QFileInfo(root).isDir()) {
    // The volume went away: back to the folder shown.
    const QSignalBlocker blocker(Drive);
    Drive->setCurrentIndex(Drive->findData(volume_));
    return;
  }
  SetFolder(root);
}

void FileChooser::Dir_Changed(const QModelIndex& current) {
  if (!current.isValid()) return;
  const QString folder = folders_->filePath(current);
  if (folder == folder_) return;
  folder_ = folder;
  const QSignalBlocker blocker(File->selectionModel());
  File->setRootIndex(files_->setRootPath(folder));
  File->setCurrentIndex(QModelIndex());
}

void FileChooser::File_Changed(const QModelIndex& current) {
  if (current.isValid()) emit FileClicked(files_->filePath(current));
}

}  // namespace winpiruk
