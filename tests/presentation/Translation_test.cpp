// The core's texts through the translation hook: without one they are the
// Japanese sources byte for byte (the other suites check those texts); with
// one, every text passes through it and values land where its patterns say.
#include "state/Translation.h"

#include <gtest/gtest.h>

#include <map>

#include "members/GroupNames.h"
#include "presentation/GameTexts.h"
#include "presentation/HintTexts.h"
#include "presentation/SpokenTable.h"

namespace winpiruk {
namespace {

// A few texts in English; any other is marked, so that a text that missed
// the hook shows as plain Japanese.
std::string English(const char* context, const char* source) {
  static const std::map<std::string, std::string> words = {
      {"%1の%2", "%2 of %1"},          {"ハート", "hearts"},
      {"もう一枚捨てて", "Discard again"}, {"あと%1秒", "Time:%1 s"},
      {"ぴるく", "Piruk"},             {"  [自動実行モード]", "  [Auto-Play]"},
      {"ぴるく  －%1回め－", "Piruk - Hand %1"},
      {"「,」を「，」に置き換え", "“,” becomes “，”"},
      {"%1ました。", "The name was changed: %1."},
  };
  const auto found = words.find(source);
  return found != words.end() ? found->second : std::string("[") + context + "|" + source + "]";
}

class EnglishHook : public ::testing::Test {
 protected:
  void SetUp() override { SetTranslationHook(&English); }
  void TearDown() override { SetTranslationHook(nullptr); }
};

TEST(Translation, FillPutsEachValueInItsPlaceOnce) {
  const struct {
    const char* pattern;
    std::vector<std::string> values;
    const char* filled;
  } cases[] = {
      {"%1の%2", {"ハート", "7"}, "ハートの7"},
      {"%2 of %1", {"hearts", "7"}, "7 of hearts"},
      {"%1 and %1", {"a"}, "a and a"},
      {"100% sure", {"x"}, "100% sure"},           // a % that is no marker stays
      {"%3 left", {"a"}, "%3 left"},               // so does a marker without a value
      {"path %1", {"/tmp/%2%1"}, "path /tmp/%2%1"},  // a value is never read again
      {"end%", {}, "end%"},
  };
  for (const auto& c : cases) {
    const std::vector<std::string_view> views(c.values.begin(), c.values.end());
    std::string filled;
    switch (views.size()) {
      case 0: filled = Fill(c.pattern, {}); break;
      case 1: filled = Fill(c.pattern, {views[0]}); break;
      default: filled = Fill(c.pattern, {views[0], views[1]}); break;
    }
    EXPECT_EQ(filled, c.filled) << c.pattern;
  }
}

TEST(Translation, WithoutAHookEveryTextIsItsSource) {
  SetTranslationHook(nullptr);
  EXPECT_EQ(Tr("HandResult", "負けた人"), "負けた人");
  EXPECT_EQ(SpokenCard(7), "ハートの7");
  EXPECT_EQ(CountdownText("もう一枚捨てて", 4), "もう一枚捨てて 4");
}

TEST_F(EnglishHook, TheCoresTextsPassThroughTheHook) {
  EXPECT_EQ(SpokenCard(7), "7 of hearts");
  EXPECT_EQ(SpokenFaceDown(), "[SpokenTable|伏せたカード]");
  EXPECT_EQ(RefusalText(Refusal::NotYourTurn), "[HintTexts|まだあなたの番ではありません]");
  const MessageText question = TextOf(Question::ConfirmCall);
  EXPECT_EQ(question.title, "[GameTexts|ぴるく  - ぴるく確認 -]");
  EXPECT_EQ(question.text, "[GameTexts|'ぴるく'しますか？]");
  EXPECT_EQ(TextOf(TableLabel::Countdown, LabelWords::MustDiscardAgain), "Discard again");
  EXPECT_EQ(CleaningNotice(CleanMemberName(",x"), CleaningTense::Did), "The name was changed: “,” becomes “，”.");
}

// The titles and the countdown recognise their own words in the shown
// language: a prompt longer than the Japanese one keeps all its words, and a
// long countdown is not taken for a prompt.
TEST_F(EnglishHook, TitlesAndCountdownReadTheShownWords) {
  EXPECT_EQ(HandTitle(3, true), "Piruk - Hand 3  [Auto-Play]");
  EXPECT_EQ(TitleForPlayMode("Piruk - Hand 3  [Auto-Play]", false), "Piruk - Hand 3");
  EXPECT_EQ(TitleForPlayMode("Piruk", true), "Piruk");
  const struct {
    const char* current;
    int seconds;
    const char* text;
  } cases[] = {
      {"", 9, "Time: 9 s"},
      {"Time:10 s", 9, "Time: 9 s"},
      {"Discard again", 4, "Discard again 4"},
      {"Discard again 4", 3, "Discard again 3"},
  };
  for (const auto& c : cases) EXPECT_EQ(CountdownText(c.current, c.seconds), c.text) << c.current;
}

}  // namespace
}  // namespace winpiruk
