#pragma once
// Every pause, animation step and timer interval of the program, each in
// the unit its caller counts in: the engine asks its view for tenths of a
// second, the speed pauses count speed units (a fixed span), and
// the windows' timers and animations count milliseconds.
namespace winpiruk {

// --- Pauses the engine asks for (tenths of a second) ------------------------
constexpr int kMillisecondsPerTenth = 100;
// The auto-play answers a beat after the table changed, so its moves can be followed.
constexpr int kAutoPlayPauseTenths = 1;
// A computer dealer seems to weigh its fifth card against the deck card.
constexpr int kComputerDealerPauseTenths = 5;
// The user dealer's initial match stays on the table before the hand ends.
constexpr int kInitialMatchPauseTenths = 10;
// Long enough to read "場札を再度使います." before play goes on.
constexpr int kReuseMessageTenths = 30;
// The second claim window, opened when the user's hand makes the number.
constexpr int kSecondClaimTenths = 6;

// The pause between computer moves in speed units, by game speed 0..3: the
// fastest game does not pause.
constexpr int kSpeedPauseUnits[] = {10, 4, 2, 0};
// The speed unit: a fixed span of real time (milliseconds).
constexpr int kDefaultSpeedUnitMs = 100;

// --- The user's time limit ----------------------------------------------------
// Each step of `RestrictTime` gives the user three seconds.
constexpr int kSecondsPerRestrictStep = 3;
// The time limit counts down once a second (milliseconds).
constexpr int kTimeLimitTickMs = 1000;

// --- The hand result in auto-play -----------------------------------------------
// The result window closes itself after counting these seconds down on its OK button.
constexpr int kResultCountdownSeconds = 8;
constexpr int kResultCountdownTickMs = 1000;

// --- Animations (milliseconds) ----------------------------------------------------
struct Motion {
  int steps;
  int step_ms;
};
// A dealt card's flight by game speed: slower games show the cards travelling longer.
constexpr Motion DealMotion(int game_speed) {
  switch (game_speed) {
    case 0: return {6, 20};
    case 1: return {5, 16};
    case 2: return {4, 12};
    default: return {3, 8};
  }
}
// The call banner sliding to the caller's row: 13 positions 25 ms apart.
constexpr Motion kBannerMotion{12, 25};

// --- Hints on the table (milliseconds) ----------------------------------------------
// Why a pick was refused stays long enough to read, then goes by itself.
constexpr int kRefusalShownMs = 2000;

// --- The member and dealer window ----------------------------------------------------
// After each card of the dealer draw, in speed units, so the user sees who drew what.
constexpr int kDealerDrawPauseUnits = 6;
// The dealer draw reseeds from the clock a second after the window opens (milliseconds).
constexpr int kDealerDrawReseedMs = 1000;

}  // namespace winpiruk
