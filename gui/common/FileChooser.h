#pragma once
// Choosing a file the way the settings windows do: a list of volumes, the
// folder tree of the chosen volume and the files of the chosen folder that
// match the window's patterns.
#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QListView;
class QModelIndex;
class QTreeView;

namespace winpiruk {

// The volumes worth offering: the home folder first, then every mounted
// volume that holds files (no kernel or runtime file systems).
QStringList ChoosableVolumes();

class FileChooser : public QWidget {
  Q_OBJECT

 public:
  FileChooser(const QStringList& name_filters, QWidget* parent = nullptr);

  // Names the chooser and its three parts for a window that holds more
  // than one: "<role>Chooser", "<role>VolumeBox", "<role>FolderTree",
  // "<role>FileList".
  void NameParts(const QString& role);
  QListView* FileList() const { return fileList_; }

  // Shows a folder: the volume that holds it, the tree opened down to it and
  // its files. A folder that does not exist shows its nearest existing parent.
  void SetFolder(const QString& folder);
  // Shows the folder of a file and selects the file in the list.
  void SelectFile(const QString& path);
  QString Folder() const { return folder_; }
  // The selected file's name, empty when none is selected.
  QString SelectedFile() const;
  QString SelectedPath() const;

 signals:
  // The user chose a file (by the mouse or the keys) or double-clicked it.
  void FileClicked(const QString& path);
  void FileDoubleClicked(const QString& path);

 private:
  void ConnectViews();
  void ShowVolume(const QString& root);
  void OnVolumeChosen(int index);
  void OnFolderChanged(const QModelIndex& current);
  void OnFileChanged(const QModelIndex& current);

  QComboBox* volumeBox_ = nullptr;
  QTreeView* folderTree_ = nullptr;
  QListView* fileList_ = nullptr;

  QFileSystemModel* folders_ = nullptr;
  QFileSystemModel* files_ = nullptr;
  QString volume_;
  QString folder_;
  bool selecting_ = false;
};

}  // namespace winpiruk
