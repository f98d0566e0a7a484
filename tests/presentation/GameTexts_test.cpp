#include "presentation/GameTexts.h"

#include <gtest/gtest.h>

#include "support/Rows.h"

namespace winpiruk {
namespace {

TEST(GameTexts, MessageBoxesCarryTheProgramsTexts) {
  struct Case {
    MessageText message;
    std::string_view title, text;
    MessageIcon icon;
  };
  const Case cases[] = {
      {TextOf(Question::DiscardMatch), "ぴるく  - 新規ゲーム -", "現在進行中のゲームを破棄しますか？",
       MessageIcon::Question},
      {TextOf(Question::DiscardFinish), "ぴるく  - 上がり確認 -", "'捨て上がり'をしますか？", MessageIcon::Question},
      {TextOf(Question::ConfirmCall), "ぴるく  - ぴるく確認 -", "'ぴるく'しますか？", MessageIcon::Question},
      {TextOf(Notice::NewGameInAutoPlay), "ぴるく  －自動実行解除－",
       "自動実行モードを解除してから、新規ゲームを選択してください.", MessageIcon::Exclamation},
      {TextOf(Notice::NewGameWhileBusy), "ぴるく  －自動実行解除－",
       "自分の番がきたときに、新規ゲームを選択してください.", MessageIcon::Exclamation},
      {TextOf(Notice::AutoPlayFirstMove), "ぴるく  －自動実行開始－",
       "自動実行モードに入りますが、最初の一手だけは手動にてお願いします。", MessageIcon::Information},
      {TextOf(Notice::CloseRefused), "ぴるく", "メニューから'ぴるく の終了'を選択してください.",
       MessageIcon::Exclamation},
      {InternalErrorText(1), "ぴるく", "Internal Error(#01).", MessageIcon::Critical},
      {InternalErrorText(2), "ぴるく", "Internal Error(#02).", MessageIcon::Critical},
      {InternalErrorText(3), "ぴるく", "Internal Error(#03).", MessageIcon::Critical},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    EXPECT_EQ(c.message.title, c.title);
    EXPECT_EQ(c.message.text, c.text);
    EXPECT_EQ(c.message.icon, c.icon) << c.text;
  }
  EXPECT_EQ(HandTitle(10, false), "ぴるく  －10回め－");
  EXPECT_EQ(HandTitle(1, true), "ぴるく  －1回め－  [自動実行モード]");
  EXPECT_EQ(CharacterCount(kMustDiscardAgainText), 7);
  EXPECT_EQ(CharacterCount(kMayDiscardAgainText), 7);
}

// The auto-play mark follows the mode; the hand number on show stays, even
// when the state already counts another hand (a hand of no game is played
// again under its number).
TEST(GameTexts, TitleFollowsThePlayMode) {
  const struct {
    const char* shown;
    bool auto_play;
    const char* expected;
  } cases[] = {
      {"ぴるく  －3回め－  [自動実行モード]", false, "ぴるく  －3回め－"},
      {"ぴるく  －3回め－", true, "ぴるく  －3回め－  [自動実行モード]"},
      {"ぴるく  －3回め－  [自動実行モード]", true, "ぴるく  －3回め－  [自動実行モード]"},
      {"ぴるく  －10回め－", false, "ぴるく  －10回め－"},
      {"ぴるく", true, "ぴるく"},
      {"ぴるく", false, "ぴるく"},
  };
  for (const auto& c : cases) EXPECT_EQ(TitleForPlayMode(c.shown, c.auto_play), c.expected) << c.shown;
}

}  // namespace
}  // namespace winpiruk
