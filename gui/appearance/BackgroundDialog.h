#pragma once
// The table background window: a picture file for the table, drawn at its
// own size or stretched over the table, or none. The window works on its own
// copy of the choice; the table shows it when asked to (更新, a double click,
// 無地). OK keeps it and writes the settings file; Cancel shows the opening
// one again.
#include <QDialog>
#include <QImage>
#include <QSize>
#include <functional>
#include <string>

#include "config/ProgramPaths.h"
#include "gui/common/WindowRuns.h"
#include "state/GameState.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;

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
  ~BackgroundDialog() override;

  void reject() override;

 private:
  void BuildControls();
  void BuildLayout();
  void ShowOpeningChoices();
  void ConnectControls();
  // Chooses a file: the setting and the preview. False (after the message)
  // when the picture cannot be loaded.
  bool ChooseFile(const QString& path);
  void ChooseAndDrawFile(const QString& path);
  void OnAutoSizeToggled(bool checked);
  void OnApply();
  void OnPlain();
  void OnOk();
  void ShowPreview();
  void ShowFileName();
  // The table's background drawn from `wallpaper` and `auto_size`; false when
  // the picture cannot be loaded.
  bool DrawTable(const std::string& wallpaper, int16_t auto_size);
  bool DrawChoice();
  void TellMissing();

  FileChooser* pictureChooser = nullptr;
  QListView* pictureFileList = nullptr;
  QLabel* fileNameLabel = nullptr;  // "ﾌｧｲﾙ名 : " and the chosen name
  QGroupBox* previewFrame = nullptr;  // "プレビュー"
  QLabel* previewPicture = nullptr;
  QCheckBox* autoSizeCheck = nullptr;
  QPushButton* applyButton = nullptr;  // "更新(&A)": the choice drawn on the table now
  QPushButton* plainButton = nullptr;  // "無地(&N)"
  QPushButton* okButton = nullptr;
  QPushButton* cancelButton = nullptr;

  GameState& state_;
  ProgramPaths paths_;
  DrawBackground draw_;
  QSize table_;
  // The choice the window shows; OK keeps it.
  std::string wallpaper_;
  int16_t auto_size_ = 0;
  std::string wallpaper_at_open_;
  int16_t auto_size_at_open_ = 0;
  QImage picture_;
  WindowRuns runs_;  // the buttons' and the lists' waits for a message
};

// "盤面背景設定(&W&ｶ)...": the window, window-modal over `parent`, waited
// for inside a run (see Awaiting.h); the preview takes the size of
// `parent`'s table (its central widget when it is a main window). `draw`
// draws the table background as the settings now say. True when confirmed
// with OK.
bool OpenBackgroundSettings(QWidget* parent, GameState& state, const ProgramPaths& paths, const DrawBackground& draw);

}  // namespace winpiruk
