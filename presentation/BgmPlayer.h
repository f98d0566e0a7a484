#pragma once
// Background music: the list of pieces played one after another, stepped,
// paused and stopped, over any sequencer that can open a file, play, pause
// and stop, and tell whether it is ready.
#include <cstdint>
#include <string>
#include <vector>

#include "state/GameState.h"

namespace winpiruk {

enum class SequencerMode { NotReady, Stopped, Playing, Paused };

class Sequencer {
 public:
  virtual ~Sequencer() = default;
  // Closes the piece that is open and opens a file; false, and not ready,
  // when the file cannot be opened.
  virtual bool Open(const std::string& path) = 0;
  // From the start when stopped; on from where it stands when paused.
  virtual void Play() = 0;
  virtual void Pause() = 0;
  virtual void Stop() = 0;
  virtual SequencerMode Mode() const = 0;
};

class BgmPlayer {
 public:
  // The list, its count and SoundMode come from the settings; the slot
  // loaded now is BgmTrack.
  BgmPlayer(GameState& state, Sequencer& sequencer) : state_(state), sequencer_(sequencer) {}

  // At start-up: opens the first piece that can be opened, from slot 1 on.
  // The music is available from then on when one could be.
  void OpenMusic();
  // The files OpenMusic tries, in its order (an empty name is passed over),
  // so that they can be read ahead of it.
  std::vector<std::string> OpeningOrder() const;
  // When nothing could be opened yet, tries again (the list was changed).
  void RetryOpenMusic();
  void PlayMusic();
  void StopMusic();

  // After a rule set has been loaded: a list whose first entry is blank
  // stops the music; then, with the sound on and a game begun, the first
  // piece of the new list is opened and played from slot 1.
  void FollowRuleSet();

  // At every change of the seat to move: a piece that has ended is followed
  // by the next one, and the list repeats.
  void CheckMusic();
  // The files CheckMusic would try now, in its order; empty when it would
  // open nothing (no piece has ended, or the music is off).
  std::vector<std::string> FollowingOrder() const;

  // The music menu and the music picture.
  void TogglePause();
  void NextPiece();
  void PreviousPiece();

  bool BgmAvailable() const { return available_; }
  int16_t BgmPaused() const { return paused_; }
  // Whether a piece is open (the music menu is enabled only then).
  bool Ready() const { return sequencer_.Mode() != SequencerMode::NotReady; }
  // The files the last operation could not open, in the order tried.
  const std::vector<std::string>& Unplayable() const { return unplayable_; }

 private:
  bool Usable() const;
  // Usable, with a list, and the piece of the present slot played out.
  bool PieceEnded() const;
  // Opens and plays the piece in `slot`; a piece that cannot be opened is
  // passed over for the next one in `step`'s direction, once round the list.
  void LoadTrack(int slot, int step);
  // The files LoadTrack(slot, step) tries, in its order.
  std::vector<std::string> TrackOrder(int slot, int step) const;

  GameState& state_;
  Sequencer& sequencer_;
  bool available_ = false;
  int16_t paused_ = 0;
  std::vector<std::string> unplayable_;
};

}  // namespace winpiruk
