#include "gui/rules/RuleSetBrowser.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QStorageInfo>
#include <QTreeView>

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
  Drive1 = new QComboBox(window);
  Drive1->setObjectName(QStringLiteral("Drive1"));
  for (const QString& root : RealVolumes()) {
    const QString name = QStorageInfo(root).displayName();
    Drive1->addItem(name == root || name.isEmpty() ? root : root + QStringLiteral("  [") + name + u']', root);
  }

  folders_ = new QFileSystemModel(this);
  folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  folders_->setReadOnly(true);
  Dir1 = new QTreeView(window);
  Dir1->setObjectName(QStringLiteral("Dir1"));
  Dir1->setModel(folders_);
  for (int column = 1; column < folders_->columnCount(); ++column) Dir1->hideColumn(column);
  Dir1->setHeaderHidden(true);
  Dir1->setUniformRowHeights(true);
  Dir1->setAnimated(true);

  files_ = new QFileSystemModel(this);
  files_->setFilter(QDir::Files);
  files_->setNameFilters({QStringLiteral("*.prk"), QStringLiteral("*.PRK")});
  files_->setNameFilterDisables(false);
  files_->setReadOnly(true);
  File1 = new QListView(window);
  File1->setObjectName(QStringLiteral("File1"));
  File1->setModel(files_);
  File1->setUniformItemSizes(true);

  DirectoryLabel = new QLabel(window);
  DirectoryLabel->setObjectName(QStringLiteral("DirectoryLabel"));
  DirectoryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  DirectoryLabel->setMinimumWidth(1);

  // The folder tree fills in as the folders are read; the chosen folder is
  // opened and shown once its parents have arrived.
  connect(folders_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
    if (directory_ == loaded || directory_.startsWith(loaded.endsWith(u'/') ? loaded : loaded + u'/')) RevealDirectory();
  });
  connect(Drive1, &QComboBox::activated, this, &RuleSetBrowser::Drive1_Change);
  connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { Dir1_Change(); });
  connect(File1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& index) {
    emit FileClicked(index.isValid() ? files_->fileName(index) : QString());
  });
  connect(File1, &QListView::doubleClicked, this,
          [this](const QModelIndex& index) { emit FileActivated(files_->fileName(index)); });
}

QString RuleSetBrowser::SelectedFile() const {
  const QModelIndex index = File1->currentIndex();
  return index.isValid() && File1->selectionModel()->isSelected(index) ? files_->fileName(index) : QString();
}

void RuleSetBrowser::ShowDrive(const QString& root) {
  Dir1->setRootIndex(folders_->setRootPath(root));
  const int index = Drive1->findData(root);
  if (index >= 0) Drive1->setCurrentIndex(index);
  drive_index_ = Drive1->currentIndex();
}

bool RuleSetBrowser::SetDirectory(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.isDir() || !info.isReadable() || !info.isExecutable()) return false;
  const QString folder = QDir::cleanPath(info.absoluteFilePath());

  // The volume is the longest offered mount point the folder lies under.
  QString root = QStringLiteral("/");
  for (int i = 0; i < Drive1->count(); ++i) {
    const QString candidate = Drive1->itemData(i).toString();
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
  if (!index.isValid() || index == Dir1->rootIndex()) {
    Dir1->selectionModel()->clearCurrentIndex();
    Dir1->clearSelection();
    return;
  }
  for (QModelIndex up = index.parent(); up.isValid() && up != Dir1->rootIndex(); up = up.parent()) Dir1->expand(up);
  Dir1->setCurrentIndex(index);
  Dir1->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void RuleSetBrowser::ShowFolder(const QString& folder) {
  directory_ = folder;
  File1->setRootIndex(files_->setRootPath(folder));
  File1->setCurrentIndex(QModelIndex());
  DirectoryLabel->setText(folder);
  DirectoryLabel->setToolTip(folder);
  emit DirectoryChanged(folder);
}

void RuleSetBrowser::Drive1_Change(int index) {
  const QString root = Drive1->itemData(index).toString();
  // A volume that cannot be read leaves the lists where they were.
  if (!SetDirectory(root)) Drive1->setCurrentIndex(drive_index_);
}

void RuleSetBrowser::Dir1_Change() {
  const QModelIndex index = Dir1->currentIndex();
  if (!index.isValid()) return;
  const QString folder = folders_->filePath(index);
  if (folder == directory_) return;
  const QFileInfo info(folder);
  if (!info.isReadable() || !info.isExecutable()) return;
  ShowFolder(folder);
}

}  // namespace winpiruk
