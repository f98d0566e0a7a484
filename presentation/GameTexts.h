#pragma once
// Every text the engine puts on the table or in a message box.
#include <string>
#include <string_view>

#include "engine/TableView.h"
#include "state/Translation.h"

namespace winpiruk {

// The source texts; what is shown passes through Tr("GameTexts", ...).
inline constexpr std::string_view kProgramTitleText = TrNoop("GameTexts", "ぴるく");
inline constexpr std::string_view kDealerChoicePromptText = TrNoop("GameTexts", "好きな方を取ってください .");
inline constexpr std::string_view kReuseMessageText = TrNoop("GameTexts", "場札を再度使います.");
inline constexpr std::string_view kExtraNumberTitleText = TrNoop("GameTexts", "ｴｸｽﾄﾗﾅﾝﾊﾞｰ");
inline constexpr std::string_view kMustDiscardAgainText = TrNoop("GameTexts", "もう一枚捨てて");  // MoreDropCardMode 1
inline constexpr std::string_view kMayDiscardAgainText = TrNoop("GameTexts", "さらに捨てる？");   // MoreDropCardMode 0

// The program's name as the title between matches.
std::string ProgramTitleShown();

// The words of a label.
std::string TextOf(TableLabel label, LabelWords words);

MessageText TextOf(Question question);
MessageText TextOf(Notice notice);
// "Internal Error(#0n)." titled "ぴるく" with the critical icon.
MessageText InternalErrorText(int number);

// "ぴるく  －N回め－", with "  [自動実行モード]" in auto-play.
std::string HandTitle(int hand_number, bool auto_play);

// The title shown now with its auto-play mark following `auto_play`: the
// mark goes or comes, the rest (the hand number shown) stays. The plain
// "ぴるく" between matches takes no mark.
std::string TitleForPlayMode(std::string_view title, bool auto_play);

// The countdown label for `seconds` left, given what the label holds now: a
// further-discard prompt keeps its words and takes the number after them,
// anything else becomes "あと" + number + "秒".
std::string CountdownText(std::string_view current, int seconds);

// Number of characters of a UTF-8 text.
int CharacterCount(std::string_view text);

}  // namespace winpiruk
