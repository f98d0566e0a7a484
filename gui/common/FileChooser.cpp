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

#include "gui/common/SpokenNames.h"

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
  volumeBox_ = new QComboBox(this);
  for (const QString& root : ChoosableVolumes()) {
    const QString text = root == QDir::homePath() ? root + tr("  (ﾎｰﾑ)") : root;
    volumeBox_->addItem(text, root);
  }

  folders_ = new QFileSystemModel(this);
  folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  folders_->setReadOnly(true);
  folderTree_ = new QTreeView(this);
  folderTree_->setModel(folders_);
  folderTree_->setHeaderHidden(true);
  for (int column = 1; column < folders_->columnCount(); ++column) folderTree_->hideColumn(column);
  folderTree_->setUniformRowHeights(true);
  folderTree_->setAnimated(false);
  folderTree_->setIndentation(14);

  files_ = new QFileSystemModel(this);
  files_->setFilter(QDir::Files | QDir::NoDotAndDotDot);
  files_->setNameFilters(name_filters);
  // Files that do not match are left out rather than greyed.
  files_->setNameFilterDisables(false);
  files_->setReadOnly(true);
  fileList_ = new QListView(this);
  fileList_->setModel(files_);
  fileList_->setUniformItemSizes(true);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  // The three parts show no caption; a screen reader still tells them apart.
  NameAfter(*volumeBox_, tr("ﾄﾞﾗｲﾌﾞ"));
  NameAfter(*folderTree_, tr("ﾌｫﾙﾀﾞ"));
  NameAfter(*fileList_, tr("ﾌｧｲﾙ"));

  grid->addWidget(volumeBox_, 0, 0, 1, 2);
  grid->addWidget(folderTree_, 1, 0);
  grid->addWidget(fileList_, 1, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  ConnectViews();
  SetFolder(QDir::homePath());
}

void FileChooser::ConnectViews() {
  connect(volumeBox_, &QComboBox::activated, this, &FileChooser::OnVolumeChosen);
  connect(folderTree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { OnFolderChanged(current); });
  connect(fileList_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { OnFileChanged(current); });
  connect(fileList_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.isValid()) emit FileDoubleClicked(files_->filePath(index));
  });
  // Rows arrive, and are sorted, after the folder is set: keep the chosen
  // folder and file in view as they do.
  auto keep_in_view = [this] {
    QTimer::singleShot(0, this, [this] {
      const QModelIndex folder = folders_->index(folder_);
      if (folder.isValid()) folderTree_->scrollTo(folder, QAbstractItemView::PositionAtCenter);
      if (fileList_->currentIndex().isValid()) fileList_->scrollTo(fileList_->currentIndex());
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
    const QSignalBlocker blocker(volumeBox_);
    const int entry = volumeBox_->findData(root);
    if (entry >= 0) volumeBox_->setCurrentIndex(entry);
  }
  // The tree holds the volume's folders; the volume itself is the combo's.
  folders_->setRootPath(root);
  folderTree_->setRootIndex(folders_->index(root));
}

void FileChooser::SetFolder(const QString& folder) {
  const QString shown = ExistingFolder(folder);
  // The volume: the longest root that holds the folder.
  QString root = QDir::rootPath();
  for (int i = 0; i < volumeBox_->count(); ++i) {
    const QString candidate = volumeBox_->itemData(i).toString();
    if (Holds(candidate, shown) && candidate.size() > root.size()) root = candidate;
  }
  ShowVolume(root);
  folder_ = shown;
  const QModelIndex index = folders_->index(shown);
  {
    const QSignalBlocker blocker(folderTree_->selectionModel());
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) folderTree_->expand(up);
    folderTree_->setCurrentIndex(index);
  }
  folderTree_->scrollTo(index);
  {
    const QSignalBlocker blocker(fileList_->selectionModel());
    fileList_->setRootIndex(files_->setRootPath(shown));
    fileList_->clearSelection();
    fileList_->setCurrentIndex(QModelIndex());
  }
}

void FileChooser::SelectFile(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty()) return;
  SetFolder(info.path());
  if (!info.isFile() || QFileInfo(info.path()).absoluteFilePath() != folder_) return;
  const QModelIndex index = files_->index(info.absoluteFilePath());
  if (!index.isValid()) return;
  const QSignalBlocker blocker(fileList_->selectionModel());
  fileList_->setCurrentIndex(index);
  fileList_->scrollTo(index);
}

QString FileChooser::SelectedFile() const {
  const QModelIndex current = fileList_->currentIndex();
  return current.isValid() ? files_->fileName(current) : QString();
}

QString FileChooser::SelectedPath() const {
  const QModelIndex current = fileList_->currentIndex();
  return current.isValid() ? files_->filePath(current) : QString();
}

void FileChooser::OnVolumeChosen(int index) {
  const QString root = volumeBox_->itemData(index).toString();
  if (!QFileInfo(root).isDir()) {
    // The volume went away: back to the folder shown.
    const QSignalBlocker blocker(volumeBox_);
    volumeBox_->setCurrentIndex(volumeBox_->findData(volume_));
    return;
  }
  SetFolder(root);
}

void FileChooser::OnFolderChanged(const QModelIndex& current) {
  if (!current.isValid()) return;
  const QString folder = folders_->filePath(current);
  if (folder == folder_) return;
  folder_ = folder;
  const QSignalBlocker blocker(fileList_->selectionModel());
  fileList_->setRootIndex(files_->setRootPath(folder));
  fileList_->setCurrentIndex(QModelIndex());
}

void FileChooser::OnFileChanged(const QModelIndex& current) {
  if (current.isValid()) emit FileClicked(files_->filePath(current));
}

void FileChooser::NameParts(const QString& role) {
  setObjectName(role + QStringLiteral("Chooser"));
  volumeBox_->setObjectName(role + QStringLiteral("VolumeBox"));
  folderTree_->setObjectName(role + QStringLiteral("FolderTree"));
  fileList_->setObjectName(role + QStringLiteral("FileList"));
}

}  // namespace winpiruk
