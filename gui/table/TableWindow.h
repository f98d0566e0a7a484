#pragma once
// The card table: the main window with its menu bar and the table area, on
// which the view draws the seats and the piles. The start-up builds the
// view, the engine and the commands on it and attaches them; the commands of
// the menus, the clicks and the keys are the table's commands'.
#include <QMainWindow>
#include <QPixmap>
#include <functional>
#include <memory>

#include "config/ProgramPaths.h"
#include "config/SettingsStore.h"
#include "gui/common/CardPictures.h"
#include "gui/common/Language.h"
#include "gui/common/Music.h"
#include "gui/table/TableLayout.h"
#include "gui/table/TableMenus.h"
#include "gui/table/TableOptions.h"
#include "gui/table/TableScale.h"
#include "gui/table/TableViewHost.h"
#include "sound/Sound.h"
#include "state/GameState.h"

namespace winpiruk {

class QtTableView;
class TableCommands;

// The table area under the menu bar: the background colour or picture.
class TableArea : public QWidget {
  Q_OBJECT

 public:
  TableArea(const GameState& state, const QPixmap& picture, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const GameState& state_;
  const QPixmap& picture_;
};

// How the program ends from the table: the start-up, which owns the
// process, sets them. `keep` writes what must outlive the program (the
// match in progress, the members' records), as the desktop session ends.
struct ProgramEnding {
  std::function<void()> quit;
  std::function<void()> fail;
  std::function<void()> keep;
};

class TableWindow : public QMainWindow, public TableViewHost {
  Q_OBJECT

 public:
  // The music outlives the window.
  TableWindow(GameState& state, const ProgramPaths& paths, Music& music, QWidget* parent = nullptr);
  ~TableWindow() override;

  // What the view draws on, and with: the table area, its pictures, layout
  // and scale, and the sounds it plays.
  TableSurface Surface(EffectPlayer& effects);
  // The view and the commands built on this window, which outlive it; until
  // they are attached the table shows nothing and takes no command.
  void Attach(QtTableView& view, TableCommands& commands);

  void SetProgramEnding(ProgramEnding ending) { ending_ = std::move(ending); }
  // The next close goes through.
  void AllowClose() { close_allowed_ = true; }

  // Size and place the window as start-up wants it: centred at the design
  // size, or at the saved bounds, no smaller than the design size and
  // centred when no screen shows enough of it to take hold of.
  void PlaceAtDesignSize();
  void PlaceAtSavedBounds();
  // Where the window stood at the last quit, kept in the options file; false
  // when none is kept.
  bool PlaceAtLastPlace();
  // Keeps the window's place for the next start; false when the options
  // file could not be written.
  bool KeepPlace();

  // The table background picture; false when the file cannot be loaded.
  bool LoadPictureSource(const QString& path);
  void ClearPictureSource();
  const QPixmap& PictureSource() const { return picture_source_; }
  // The file the background picture was read from.
  const QString& PictureSourcePath() const { return picture_source_path_; }

  // The desktop session is ending: the records are written and the next
  // close goes through.
  void SessionEnding();

  // Prepares the table for the match the seat fields describe and deals its
  // first hand when a match is in progress.
  void PrepareMatch();
  // The match the state holds, taken up again where it was kept.
  void ResumeMatch();
  // A typed character, as the keyboard and the time limit type it.
  bool TypeKey(char32_t ch);

  // Places every picture and label for the window's current size.
  void LayOutTable();
  WindowBounds LiveBounds() const;

  // TableViewHost
  void StartTimeLimit() override;
  void StopTimeLimit() override;
  void EnablePlayModeMenu(bool enabled) override;
  void CheckPlayModeMenu(bool auto_play) override;
  // The language menu checks `language`.
  void CheckLanguageMenu(gui::Language language);
  void OpenMemberDecision(bool member_change) override;
  void EndProgram() override;

  QtTableView& view() { return *view_; }
  CardPictures& pictures() { return pictures_; }
  Music& music() { return music_; }
  TableArea* table() { return table_; }
  const TableMenus& menus() const { return menus_; }
  const TableLayout& table_layout() const { return layout_; }
  // The options of the table beside the settings file, as the menu shows them.
  const TableOptions& table_options() const { return table_options_; }
  TableOptions& table_options() { return table_options_; }
  // The table's zoom: 1 at the design size or with growing switched off.
  double Zoom() const { return scale_.zoom; }

  // The window's size in twips, taken on every resize.
  int TableWidth = 0;
  int TableHeight = 0;

 protected:
  void FailProgram() override;
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildMenus();
  void BuildTable();
  void RunCommand(TableCommand command);
  void WireTable();
  void WireWindows();
  // The font of the table's labels at the zoom.
  // What the window spends around the table area.
  WindowChrome Chrome() const;
  void ScaleTableFont();
  // The pictures handed out at the zoom and the screen's pixel ratio; when
  // either changed, every picture on the table is drawn again at them.
  void ScalePictures();
  void StoreBounds();
  // A kept place, kept within reach of the screens and no smaller than the design size.
  // At `saved`, grown to `least` where it is smaller.
  void PlaceAt(const QRect& saved, const QSize& least);
  // Writes the member files before the session ends.
  void KeepRecords();

  GameState& state_;
  ProgramPaths paths_;
  TableOptions table_options_;
  ProgramEnding ending_;
  bool close_allowed_ = false;
  bool laying_out_ = false;
  QPixmap picture_source_;
  QString picture_source_path_;  // the file picture_source_ was read from
  TableArea* table_ = nullptr;
  TableMenus menus_;
  TableLayout layout_;
  TableScale scale_;
  // The window's size in twips and the table area's in pixels that the
  // present layout was made for.
  struct LaidOutSize {
    QSize window_twips;
    QSize area;
    bool operator==(const LaidOutSize&) const = default;
  };
  LaidOutSize laid_out_for_;
  CardPictures pictures_;
  Music& music_;
  QtTableView* view_ = nullptr;
  TableCommands* commands_ = nullptr;
};

}  // namespace winpiruk
