#pragma once
// The engine's view of the table, drawn on the main window's table area: it
// owns the card pictures and labels, and shows the deal and draw animations,
// the banners, the sounds, the message boxes and the waits.
#include <QMessageBox>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <string>

#include "engine/TableView.h"
#include "state/GameState.h"
#include "gui/table/ClaimBar.h"
#include "gui/table/TablePicture.h"
#include "gui/table/TableHints.h"
#include "gui/table/TableViewHost.h"
#include "gui/table/TableWaits.h"
#include "gui/table/TableWidgets.h"

namespace winpiruk {

class QtTableView final : public TableView {
 public:
  QtTableView(const TableSurface& surface, GameState& state, TableViewHost& host);

  void ShowCard(int position, int code) override;
  void HideCard(int position) override;
  void HideSeatCard(int seat, int position) override;
  void ShowHand(int seat) override;
  void DealCardTo(int seat, int pass) override;
  void ShowDrawPile(bool shown) override;
  void ShowDrawAnimation() override;
  void ClearTable() override;
  void ShowHandKeyGuides(bool shown) override;

  void ShowArrow(int seat) override;
  void ShowCallBanner() override;
  void ShowCounterCallBanner() override;
  void ShowLabel(TableLabel label, LabelWords words) override;
  void HideLabel(TableLabel label) override;
  void ShowCountdown(int seconds, bool keep_prompt) override;
  void ShowHandTitle(int hand_number, bool auto_play) override;
  void ShowProgramTitle() override;
  // A label with any text, and the text it holds now (empty when hidden and emptied).
  void ShowLabel(TableLabel label, std::string_view text);
  std::string LabelText(TableLabel label) const;
  void SetTitle(std::string_view title);
  void ShowScores() override;
  void ApplyLabelColours() override;
  void EnablePlayModeMenu(bool enabled) override;
  void CheckPlayMode(bool auto_play) override;

  void PlaySound(Sound sound) override;
  void StopMusic() override;
  void RestartMusic() override;

  bool Ask(Question question) override;
  void Tell(Notice notice) override;
  void InternalError(int number) override;

  void Pause(int tenths) override;
  void SpeedPause(int units) override;
  void WaitForClaim(int tenths, ClaimWindow window) override;
  void StartTimer() override;
  void StopTimer() override;

  void ShowHandResult(const HandResultView& result) override;
  SettlementOutcome ShowSettlement(const SettlementView& settlement) override;
  void ShowMemberDecision() override;

  void ShowRefusal(Refusal why) override;
  void EngineSettled() override;

  // Places what the view shows that moves with the layout (the arrow, the
  // banner) after a resize.
  void Relayout();
  // Every face-down card on the table in the design of CardKind: the back
  // picture, the draw pile and the computer seats' backs as they lie.
  void ShowCardBacks();
  // The key guides beside the piles follow the settings and what is shown.
  void RefreshPileGuides();
  // Told after a card face has been drawn at a table position (the window
  // tests time a click to the discard pile with it).
  std::function<void(int position)> on_card_shown;
  // The marks of playable cards, the refusal and the penalty on the table.
  TableHints& hints() { return hints_; }
  // The pictures and labels as they are drawn now.
  const TableWidgets& widgets() const { return widgets_; }
  // Places the pictures and labels for the present layout and scale.
  void PlaceWidgets();
  // Every picture drawn again, after the zoom or the screen's pixel ratio changed.
  void RedrawPictures();
  // The hand in progress drawn whole from the state, as a match taken up
  // again finds it.
  void ShowTableAsItStands();
  // Redraws the table's labels of names and scores from the state.
  void ShowSeatLabels();
  // A picture file is missing: the message, then the end of the program.
  void FatalMissingPicture(const QString& path, const QString& routine_number);
  // How the table waits; the window tells it when a window blocks the table.
  TableWaits& waits() { return waits_; }
  // The user claimed the call within the claim window: the bar shows it took.
  void CallClaimed() { claim_bar_.Claimed(); }
  // A claim now comes too late: the claim window of the card on the discard
  // pile has closed without one.
  bool ClaimCameLate() const;
  const ClaimBar& claim_bar() const { return claim_bar_; }


 private:
  TableText* LabelFor(TableLabel label) const;
  QRect PixelRect(const TwipsRect& r) const;
  void ShowBanner(bool counter_call);
  // A seat's card back (seat 0: upright) as it lies, at the table's present zoom.
  TablePicture::Drawing BackDrawing(int card_kind, int seat, const char* routine_number = nullptr) const;
  void FlyCard(const QRect& from, const QRect& to);
  void ShowSeatCard(int seat, int position);
  // "Internal Error(#0n)."; `then` follows once it is closed.
  void TellInternalError(int number, const std::function<void()>& then);
  // A message box over the table; `then` follows once it is closed.
  void ShowBox(QMessageBox::Icon icon, const QString& title, const QString& text,
               const std::function<void()>& then = {});

  TableSurface surface_;
  GameState& state_;
  TableViewHost& host_;
  TableWidgets widgets_;
  int arrow_seat_ = -1;
  int banner_seat_ = -1;
  bool banner_counter_ = false;
  std::array<bool, 2> choice_guides_shown_{};  // "J" and "K" of the dealer's choice
  TableHints hints_;
  TableWaits waits_;
  ClaimBar claim_bar_;
  // The discard whose claim window closed unclaimed (0: none).
  int missed_claim_card_ = 0;
  bool ending_ = false;  // a fatal error has been told: the program ends
};

}  // namespace winpiruk
