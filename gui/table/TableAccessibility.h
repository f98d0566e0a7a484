#pragma once
// What assistive technology finds on the table: every card picture by name
// ("ハートの7", "伏せたカード"), the user's cards and piles as buttons that
// are unavailable while they may not be played, the seats with their cards
// and points, and an announcement when the turn passes or a penalty waits.
#include <QString>

#include "gui/table/TableHints.h"
#include "gui/table/TableWidgets.h"
#include "state/GameState.h"

class QLabel;

namespace winpiruk {

// Lets assistive technology read the table's pictures as cards; once per program.
void InstallTableAccessibility();

// The name a card picture is read by: the card's, or a face-down card's.
void NameCardPicture(TablePicture* picture, int code, bool face_up);

// The user's cards and the piles say whether they may be played now.
void SpeakPlayable(const TableWidgets& w, const PlayableMarks& playable);

// A seat's name label reads as the seat: its name, cards held and points.
void SpeakSeats(const TableWidgets& w, const GameState& state);

// Tells assistive technology what has just changed on the table.
void AnnounceTurn(TablePicture* arrow, const QString& seat_name);
// A penalty is announced once, however often its badge is placed.
void AnnouncePenalty(QLabel* penalty, const QString& count, const QString& seat_name);

}  // namespace winpiruk
