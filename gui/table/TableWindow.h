#pragma once
// The card table: the main window with its menu bar, the pictures and labels
// of the four seats and the piles, and the handlers that turn clicks, keys
// and menu commands into the engine's input.
#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <memory>

#include "config/ProgramPaths.h"
#include "config/SettingsStore.h"
#include "engine/Clock.h"
#include "engine/Random.h"
#include "state/GameState.h"
#include "gui/common/CardPictures.h"
#include "gui/common/Music.h"
#include "sound/Sound.h"
#include "gui/table/TableLayout.h"
#include "gui/table/TableOptions.h"
#include "gui/table/TablePicture.h"
#include "gui/table/TableScale.h"

class QAction;
class QMenu;
class QTimer;

namespace winpiruk {

class Engine;
class QtTableView;

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

class TableWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The random source and the clock seed every deal and the member window's
  // draws; they outlive the window. A seeded source and a clock that stands
  // still play the same hands every run.
  TableWindow(GameState& state, const ProgramPaths& paths, RandomSource& random, const Clock& clock,
        QWidget* parent = nullptr);
  ~TableWindow() override;

  // Size and place the window as start-up wants it: centred at the design
  // size, or at the saved bounds, no smaller than the design size and
  // centred when no screen shows enough of it to take hold of.
  void PlaceAtDesignSize();
  void PlaceAtSavedBounds();

  // The table background picture; false when the file cannot be loaded.
  bool LoadPictureSource(const QString& path);
  const QPixmap& PictureSource() const { return picture_source_; }

  // The desktop session is ending: the records are written and the next
  // close goes through.
  void SessionEnding();

  // Writes what must survive and ends the process.
  void EndProgram();
  // Opens the member and dealer window: for a new match, or (member_change)
  // after a settlement that changes the members.
  void OpenMemberDecision(bool member_change);
  // A picture file is missing: the message, then the end of the program.
  [[noreturn]] void FatalMissingPicture(const QString& path, const QString& routine_number);
  // After the message of a state that must not occur: the records, then the end.
  [[noreturn]] void EndAfterFatalError();

  // Prepares the table for the match the seat fields describe and, when a
  // match is in progress, runs the turn handler, which deals the first hand.
  void Form_Load();

  // The key path shared by the keyboard and the time limit: a typed
  // character becomes a pick under the engine's conditions.
  bool Form_KeyPress(char32_t ch);

  // Places every picture and label for the window's current size.
  void LayOutTable();
  void ApplyLabelColours();
  // Sets a label's text and fits its box to the text within its place.
  void SetLabelText(int number, const QString& text);
  void SetLabelText(QLabel* label, const QString& text);
  // Redraws the table's labels of names, counts and scores from the state.
  void ShowSeatLabels();

  Engine& engine() { return *engine_; }
  QtTableView& view() { return *view_; }
  CardPictures& pictures() { return pictures_; }
  EffectPlayer& effects() { return effects_; }
  Music& music() { return music_; }
  TableArea* table() { return table_; }
  const TableLayout& table_layout() const { return layout_; }
  // The options of the table beside the settings file, as the menu shows them.
  const TableOptions& table_options() const { return table_options_; }
  // Twips of the layout to pixels of the table area, at the table's zoom:
  // everything placed on the table goes through here.
  QRect PixelRect(const TwipsRect& r) const { return ScaledRect(r, scale_); }
  // The table's zoom: 1 at the design size or with growing switched off.
  double Zoom() const { return scale_.zoom; }

  // Window fields: the window's size in twips, taken on every resize.
  int TableWidth = 0;
  int TableHeight = 0;

  // The table's pictures and labels, by the numbers the window gives them
  // (index 0 unused; Label25 does not exist): HandPicture(), NameLabel(),
  // GuideLabel() and the others of TableLayout.h name them by role.
  std::array<TablePicture*, kPictureCount + 1> Picture{};
  std::array<TableText*, kLabelCount + 1> Label{};
  TablePicture* ArrowPicture = nullptr;   // the turn arrow
  TablePicture* BannerPicture = nullptr;  // the call and counter-call banners
  TablePicture* MovingCard = nullptr;     // the card of the deal and draw animations

  // Menu items, named for the commands they carry.
  QMenu* Game = nullptr;
  QAction* NewGame = nullptr;
  QAction* GameResult = nullptr;
  QMenu* GameMode = nullptr;
  QAction* GameModeManual = nullptr;
  QAction* GameModeAuto = nullptr;
  QAction* Owari = nullptr;
  QMenu* Opt = nullptr;
  QMenu* Settei = nullptr;
  QAction* Setting = nullptr;
  QAction* SettingC = nullptr;
  QAction* SettingB = nullptr;
  QAction* SeetingA = nullptr;
  QAction* SettingK = nullptr;
  QAction* SetLoad = nullptr;
  QAction* SetSave = nullptr;
  QAction* Member = nullptr;
  QMenu* BGMC = nullptr;
  QAction* Pause = nullptr;
  QAction* Next = nullptr;
  QAction* Back = nullptr;
  QAction* KeyAssign = nullptr;
  QAction* GrowTable = nullptr;     // the table zooms with the window
  QAction* MarkPlayable = nullptr;  // the user's playable cards are marked
  QAction* Analyser = nullptr;      // ﾙｰﾙ分析
  QMenu* Help = nullptr;
  QAction* Rules = nullptr;
  QAction* About = nullptr;

  QTimer* Timer1 = nullptr;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildMenus();
  void BuildGameMenu();
  void BuildOptionMenu();
  void ConnectMenus();
  void BuildTable();
  // The font of the table's labels at the zoom.
  void ScaleTableFont();
  // The pictures handed out at the zoom and the screen's pixel ratio; when
  // either changed, every picture on the table is drawn again at them.
  void ScalePictures();
  void WireWindows();
  void StoreBounds();
  // Writes the member files before the program or the session ends.
  void KeepRecords();
  void KeyAssign_Click();
  void GrowTable_Click();
  void MarkPlayable_Click();
  void Analyser_Click();
  // Keeps the table options and lets the table follow them.
  void StoreTableOptions();
  void NewGame_Click();
  void GameModeAuto_Click();
  void GameModeManual_Click();
  void Owari_Click();
  void Timer1_Timer();
  void Picture_Click(int number);
  void About_Click();
  void GameResult_Click();
  void Member_Click();
  void Setting_Click();
  void SetSave_Click();
  void SetLoad_Click();
  void SettingC_Click();
  void SettingB_Click();
  void SeetingA_Click();
  void SettingK_Click();
  void Label3_Click();
  // The table follows changed settings: colours, places, open cards, picture,
  // card backs and the play mode.
  void FollowSettings();
  // After a rule set has been loaded: the table and the music follow it.
  void RuleSetLoaded();
  // The back design differs from the one on the table: every back follows.
  void LoadCardBacks();
  // The play-mode checks and the title's auto-play mark follow AutoPlay.
  void ShowPlayMode();
  WindowBounds LiveBounds() const;
  // Any modal window over the table holds the user's time limit while it is
  // open, and lets a running count go on when it closes.
  void HoldTimeLimit();
  void ResumeTimeLimit();

  GameState& state_;
  ProgramPaths paths_;
  TableOptions table_options_;
  bool close_allowed_ = false;
  bool laying_out_ = false;
  QPixmap picture_source_;
  QString picture_source_path_;  // the file picture_source_ was read from
  TableArea* table_ = nullptr;
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
  EffectPlayer effects_;
  Music music_;
  bool time_limit_held_ = false;
  RandomSource& random_;
  const Clock& clock_;
  std::unique_ptr<QtTableView> view_;
  std::unique_ptr<Engine> engine_;
};

}  // namespace winpiruk
