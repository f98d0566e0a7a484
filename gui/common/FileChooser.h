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

  QComboBox* Drive = nullptr;
  QTreeView* Dir = nullptr;
  QListView* File = nullptr;

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
  void Drive_Activated(int index);
  void Dir_Changed(const QModelIndex& current);
  void File_Changed(const QModelIndex& current);

  QFileSystemModel* folders_ = nullptr;
  QFileSystemModel* files_ = nullptr;
  QString volume_;
  QString folder_;
  bool selecting_ = false;
};

}  // namespace winpiruk
