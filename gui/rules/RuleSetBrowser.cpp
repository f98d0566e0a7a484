#include "gui/rules/RuleSetBrowser.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QStorageInfo>
#include <QTreeView>

#include "gui/common/SpokenNames.h"

namespace winpiruk {
namespace {

bool IsPseudoFileSystem(const QByteArray& type) {
  static const QList<QByteArray> kPseudo = {
      "proc",   "sysfs",    "devtmpfs", "devpts",      "cgroup",  "cgroup2", "securityfs", "pstore",
      "debugfs", "tracefs", "mqueue",   "hugetlbfs",   "fusectl", "configfs", "bpf",       "autofs",
      "binfmt_misc", "nsfs", "efivarfs", "rpc_pipefs", "squashfs", "ramfs"};
  return kPseudo.contains(type);
}

bool IsSystemMount(const QString& root) {
  for (const char* prefix : {"/proc", "/sys", "/dev", "/run", "/snap", "/boot", "/etc", "/var/lib"}) {
    const QString p = QString::fromLatin1(prefix);
    if (root == p || root.startsWith(p + u'/')) return true;
  }
  return false;
}

}  // namespace

QStringList RealVolumes() {
  QStringList roots{QStringLiteral("/")};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    const QString root = volume.rootPath();
    if (!volume.isValid() || !volume.isReady() || roots.contains(root)) continue;
    if (IsPseudoFileSystem(volume.fileSystemType()) || IsSystemMount(root)) continue;
    if (!QFileInfo(root).isDir()) continue;  // a single file bound into place
    roots.append(root);
  }
  std::sort(roots.begin() + 1, roots.end());
  return roots;
}

RuleSetBrowser::RuleSetBrowser(QWidget* window) : QObject(window) {
  setObjectName(QStringLiteral("browser"));
  driveList = new QComboBox(window);
  driveList->setObjectName(QStringLiteral("driveList"));
  for (const QString& root : RealVolumes()) {
    const QString name = QStorageInfo(root).displayName();
    driveList->addItem(name == root || name.isEmpty() ? root : root + QStringLiteral("  [") + name + u']', root);
  }

  folders_ = new QFileSystemModel(this);
  folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  folders_->setReadOnly(true);
  folderTree = new QTreeView(window);
  folderTree->setObjectName(QStringLiteral("folderTree"));
  folderTree->setModel(folders_);
  for (int column = 1; column < folders_->columnCount(); ++column) folderTree->hideColumn(column);
  folderTree->setHeaderHidden(true);
  folderTree->setUniformRowHeights(true);
  folderTree->setAnimated(true);

  files_ = new QFileSystemModel(this);
  files_->setFilter(QDir::Files);
  files_->setNameFilters({QStringLiteral("*.prk"), QStringLiteral("*.PRK")});
  files_->setNameFilterDisables(false);
  files_->setReadOnly(true);
  fileList = new QListView(window);
  fileList->setObjectName(QStringLiteral("fileList"));
  fileList->setModel(files_);
  fileList->setUniformItemSizes(true);

  // Named as a file chooser's list is; the folders and drives have captions (LayOut).
  NameAfter(*fileList, tr("ﾌｧｲﾙ"));

  folderLabel = new QLabel(window);
  folderLabel->setObjectName(QStringLiteral("folderLabel"));
  folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  folderLabel->setMinimumWidth(1);

  // The folder tree fills in as the folders are read; the chosen folder is
  // opened and shown once its parents have arrived.
  connect(folders_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
    if (directory_ == loaded || directory_.startsWith(loaded.endsWith(u'/') ? loaded : loaded + u'/')) RevealDirectory();
  });
  connect(driveList, &QComboBox::activated, this, &RuleSetBrowser::OnDriveChosen);
  connect(folderTree->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { OnFolderChosen(); });
  connect(fileList->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& index) {
    emit FileClicked(index.isValid() ? files_->fileName(index) : QString());
  });
  connect(fileList, &QListView::doubleClicked, this,
          [this](const QModelIndex& index) { emit FileActivated(files_->fileName(index)); });
}

void RuleSetBrowser::FocusFileList() { fileList->setFocus(); }

void RuleSetBrowser::LayOut(QGridLayout& grid, int first_file_row) const {
  QWidget* window = fileList->parentWidget();
  auto* folder_caption = new QLabel(tr("ﾌｫﾙﾀﾞ :"), window);
  auto* drive_caption = new QLabel(tr("ﾄﾞﾗｲﾌﾞ :"), window);
  folder_caption->setBuddy(folderTree);
  drive_caption->setBuddy(driveList);
  fileList->setMinimumSize(190, 220);
  folderTree->setMinimumSize(240, 220);
  folderLabel->setMaximumWidth(320);
  grid.addWidget(folder_caption, 0, 1);
  grid.addWidget(folderLabel, 1, 1);
  grid.addWidget(fileList, first_file_row, 0, 5 - first_file_row, 1);
  grid.addWidget(folderTree, 2, 1);
  grid.addWidget(drive_caption, 3, 1);
  grid.addWidget(driveList, 4, 1);
}

std::vector<QWidget*> RuleSetBrowser::ReadingOrder() const { return {fileList, folderTree, driveList}; }

QString RuleSetBrowser::SelectedFile() const {
  const QModelIndex index = fileList->currentIndex();
  return index.isValid() && fileList->selectionModel()->isSelected(index) ? files_->fileName(index) : QString();
}

void RuleSetBrowser::ShowDrive(const QString& root) {
  folderTree->setRootIndex(folders_->setRootPath(root));
  const int index = driveList->findData(root);
  if (index >= 0) driveList->setCurrentIndex(index);
  drive_index_ = driveList->currentIndex();
}

bool RuleSetBrowser::SetDirectory(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.isDir() || !info.isReadable() || !info.isExecutable()) return false;
  const QString folder = QDir::cleanPath(info.absoluteFilePath());

  // The volume is the longest offered mount point the folder lies under.
  QString root = QStringLiteral("/");
  for (int i = 0; i < driveList->count(); ++i) {
    const QString candidate = driveList->itemData(i).toString();
    const bool under = folder == candidate || folder.startsWith(candidate.endsWith(u'/') ? candidate : candidate + u'/');
    if (under && candidate.size() > root.size()) root = candidate;
  }
  ShowDrive(root);

  if (directory_ != folder) ShowFolder(folder);
  RevealDirectory();
  return true;
}

void RuleSetBrowser::RevealDirectory() {
  const QModelIndex index = folders_->index(directory_);
  if (!index.isValid() || index == folderTree->rootIndex()) {
    folderTree->selectionModel()->clearCurrentIndex();
    folderTree->clearSelection();
    return;
  }
  for (QModelIndex up = index.parent(); up.isValid() && up != folderTree->rootIndex(); up = up.parent()) folderTree->expand(up);
  folderTree->setCurrentIndex(index);
  folderTree->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void RuleSetBrowser::ShowFolder(const QString& folder) {
  directory_ = folder;
  fileList->setRootIndex(files_->setRootPath(folder));
  fileList->setCurrentIndex(QModelIndex());
  folderLabel->setText(folder);
  folderLabel->setToolTip(folder);
  emit DirectoryChanged(folder);
}

void RuleSetBrowser::OnDriveChosen(int index) {
  const QString root = driveList->itemData(index).toString();
  // A volume that cannot be read leaves the lists where they were.
  if (!SetDirectory(root)) driveList->setCurrentIndex(drive_index_);
}

void RuleSetBrowser::OnFolderChosen() {
  const QModelIndex index = folderTree->currentIndex();
  if (!index.isValid()) return;
  const QString folder = folders_->filePath(index);
  if (folder == directory_) return;
  const QFileInfo info(folder);
  if (!info.isReadable() || !info.isExecutable()) return;
  ShowFolder(folder);
}

}  // namespace winpiruk
