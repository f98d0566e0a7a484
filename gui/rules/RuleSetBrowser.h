#pragma once
// The drive, folder and file lists of the rule-set windows: a combo of the
// mounted volumes, the folder tree of the chosen volume and the "*.prk"
// files of the chosen folder.
#include <QObject>
#include <QString>
#include <QStringList>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QListView;
class QTreeView;
class QWidget;

namespace winpiruk {

// The mount points a user keeps files on, the root first: pseudo file
// systems (proc, sysfs, cgroups, ...) and the system's own mounts are left out.
QStringList RealVolumes();

// Owns no window of its own: the controls are children of the window that
// lays them out.
class RuleSetBrowser : public QObject {
  Q_OBJECT

 public:
  explicit RuleSetBrowser(QWidget* window);

  // Shows the folder (and chooses its volume); false when it cannot be read,
  // in which case the lists stay where they were.
  bool SetDirectory(const QString& path);
  QString Directory() const { return directory_; }
  // The name of the file clicked in the file list, empty when none.
  QString SelectedFile() const;

  QComboBox* Drive1 = nullptr;
  QTreeView* Dir1 = nullptr;
  QListView* File1 = nullptr;
  QLabel* DirectoryLabel = nullptr;  // the chosen folder's full path

 signals:
  void DirectoryChanged(const QString& path);
  void FileClicked(const QString& name);
  void FileActivated(const QString& name);

 private:
  void Drive1_Change(int index);
  void Dir1_Change();
  void ShowDrive(const QString& root);
  void ShowFolder(const QString& folder);
  void RevealDirectory();

  QFileSystemModel* folders_ = nullptr;
  QFileSystemModel* files_ = nullptr;
  QString directory_;
  int drive_index_ = -1;
};

}  // namespace winpiruk
