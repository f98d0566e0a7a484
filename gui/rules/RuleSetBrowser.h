#pragma once
// The drive, folder and file lists of the rule-set windows: a combo of the
// mounted volumes, the folder tree of the chosen volume and the "*.prk"
// files of the chosen folder.
#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

class QComboBox;
class QFileSystemModel;
class QGridLayout;
class QLabel;
class QListView;
class QTreeView;
class QWidget;

namespace winpiruk {

// The mount points a user keeps files on, the root first: pseudo file
// systems (proc, sysfs, cgroups, ...) and the system's own mounts are left out.
QStringList RealVolumes();

// Owns no window of its own: the controls are children of the window it is
// made for, which finds it by the name "browser".
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
  void FocusFileList();

  // Puts the file list in column 0 from `first_file_row` down to row 4 and
  // the folder and drive lists with their captions in column 1.
  void LayOut(QGridLayout& grid, int first_file_row) const;
  // The lists as the user reads them: files, folders, drives.
  std::vector<QWidget*> ReadingOrder() const;

 signals:
  void DirectoryChanged(const QString& path);
  void FileClicked(const QString& name);
  void FileActivated(const QString& name);

 private:
  void OnDriveChosen(int index);
  void OnFolderChosen();
  void ShowDrive(const QString& root);
  void ShowFolder(const QString& folder);
  void RevealDirectory();

  QComboBox* driveList = nullptr;
  QTreeView* folderTree = nullptr;
  QListView* fileList = nullptr;
  QLabel* folderLabel = nullptr;  // the chosen folder's full path

  QFileSystemModel* folders_ = nullptr;
  QFileSystemModel* files_ = nullptr;
  QString directory_;
  int drive_index_ = -1;
};

}  // namespace winpiruk
