#pragma once
// The table background window: a picture file for the table, drawn at its
// own size or stretched over the table, or none. OK writes the settings
// file; Cancel puts back the picture and the size switch of the opening.
#include <QDialog>
#include <QImage>
#include <QSize>
#include <functional>
#include <string>

#include "config/ProgramPaths.h"
#include "state/GameState.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;
class QTreeView;

namespace winpiruk {

class FileChooser;

// Draws the table background from GameWallPaper and WallPaperAutoSize;
// false when the picture cannot be loaded.
using DrawBackground = std::function<bool()>;

// The picture files the window offers.
QStringList BackgroundPictureFilters();

// The preview: the table, `table` pixels large, shrunk to `preview`, with
// the picture stretched over it or at its own size from the top left corner.
QImage BackgroundPreview(const QImage& picture, bool auto_size, const QSize& table, const QSize& preview);

class BackgroundDialog : public QDialog {
  Q_OBJECT

 public:
  // `table` is the size of the table the background is drawn on.
  BackgroundDialog(GameState& state, const ProgramPaths& paths, DrawBackground draw, const QSize& table,
        QWidget* parent = nullptr);

  FileChooser* Chooser = nullptr;
  QComboBox* Drive1 = nullptr;
  QTreeView* Dir1 = nullptr;
  QListView* File1 = nullptr;
  QLabel* Label1 = nullptr;  // "ﾌｧｲﾙ名 : " and the chosen name
  QGroupBox* PreviewFrame = nullptr;  // "プレビュー"
  QLabel* Picture1 = nullptr;         // the preview
  QCheckBox* Check3D1 = nullptr;
  QPushButton* Command4 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command3 = nullptr;

  void reject() override;

 protected:

 private:
  void BuildControls();
  void BuildLayout();
  void ShowOpeningChoices();
  void ConnectControls();
  // Chooses a file: the setting and the preview. False (after the message)
  // when the picture cannot be loaded.
  bool File1_Click(const QString& path);
  void File1_DblClick(const QString& path);
  void Check3D1_Click(bool checked);
  void Command4_Click();
  void Command2_Click();
  void Command1_Click();
  void ShowPreview();
  void ShowFileName();
  bool DrawTable();
  void TellMissing();

  GameState& state_;
  ProgramPaths paths_;
  DrawBackground draw_;
  QSize table_;
  std::string wallpaper_at_open_;
  int16_t auto_size_at_open_ = 0;
  QImage picture_;
};

// "盤面背景設定(&W&ｶ)...": the window, modal, over `parent`; the preview
// takes the size of `parent`'s table (its central widget when it is a main
// window). `draw` draws the table background as the settings now say.
// True when confirmed with OK.
bool OpenBackgroundSettings(QWidget* parent, GameState& state, const ProgramPaths& paths, const DrawBackground& draw);

}  // namespace winpiruk
