#include "config/SoundSettings.h"

#include <gtest/gtest.h>

#include "support/Rows.h"

namespace winpiruk {
namespace {

TEST(SoundSettings, EventsNameTheirFilesInListOrder) {
  Settings s = DefaultSettings("/opt/piruk");
  const std::pair<const char*, const std::string*> expected[] = {
      {"ぴるく", &s.PirukSound},         {"ぴるくがえし", &s.PirukGaeshiSound}, {"イニシャル", &s.InitialSound},
      {"10枚オーバー", &s.CardOverSound}, {"ノーゲーム", &s.NoGameSound},        {"ゲームオーバー", &s.GameOverSound},
      {"ｶｰﾄﾞ配布/捨て", &s.CardOperateSound},
  };
  for (int i = 0; i < kSoundEvents; ++i) {
    EXPECT_STREQ(SoundEventCaption(SoundEvent(i)), expected[i].first);
    EXPECT_EQ(&EffectFile(s, SoundEvent(i)), expected[i].second);
  }
}

TEST(SoundSettings, ResetAndOkKeepTheFilesAndTheListOnly) {
  Settings s = DefaultSettings("/opt/piruk");
  s.BgmList[1] = "/m/a.mid";
  s.BgmCount = 1;
  Settings chosen = s;
  for (int i = 0; i < kSoundEvents; ++i) EffectFile(chosen, SoundEvent(i)) = "/elsewhere/x.wav";
  int entries = BgmEntries(chosen);
  ASSERT_TRUE(AddBgm(chosen, entries, "/m/b.mid"));
  chosen.BgmCount = ConfirmedBgmCount(chosen, entries);

  ResetEffectFiles(chosen, "/usr/share/winpiruk");
  EXPECT_EQ(chosen.PirukSound, "/usr/share/winpiruk/WP_PRK.WAV");
  EXPECT_EQ(chosen.CardOperateSound, "/usr/share/winpiruk/WP_CARD.WAV");
  // The copy being edited leaves the settings as they were.
  EXPECT_EQ(s.PirukSound, "/opt/piruk/WP_PRK.WAV");
  EXPECT_EQ(s.GameOverSound, "/opt/piruk/WP_GOVER.WAV");
  EXPECT_EQ(s.BgmCount, 1);
  EXPECT_EQ(s.BgmList[2], "");

  chosen.CardKind = 7;
  KeepSoundChoices(chosen, s);
  EXPECT_EQ(s.PirukSound, "/usr/share/winpiruk/WP_PRK.WAV");
  EXPECT_EQ(s.GameOverSound, "/usr/share/winpiruk/WP_GOVER.WAV");
  EXPECT_EQ(s.BgmCount, 2);
  EXPECT_EQ(s.BgmList[2], "/m/b.mid");
  EXPECT_NE(s.CardKind, 7);
}

TEST(SoundSettings, MusicListAddsAfterTheLastAndRemovesByShifting) {
  Settings s;
  int entries = BgmEntries(s);
  EXPECT_EQ(entries, 0);
  for (int n = 1; n <= kMaxBgm; ++n) ASSERT_TRUE(AddBgm(s, entries, "/m/" + std::to_string(n) + ".mid"));
  EXPECT_EQ(entries, 10);
  EXPECT_FALSE(AddBgm(s, entries, "/m/11.mid"));
  EXPECT_EQ(s.BgmList[10], "/m/10.mid");

  ASSERT_TRUE(RemoveBgm(s, entries, 3));
  EXPECT_EQ(entries, 9);
  EXPECT_EQ(s.BgmList[2], "/m/2.mid");
  EXPECT_EQ(s.BgmList[3], "/m/4.mid");
  EXPECT_EQ(s.BgmList[9], "/m/10.mid");
  EXPECT_EQ(s.BgmList[10], "");
  EXPECT_EQ(ConfirmedBgmCount(s, entries), 9);

  EXPECT_FALSE(RemoveBgm(s, entries, 0));
  EXPECT_FALSE(RemoveBgm(s, entries, 10));
  ASSERT_TRUE(RemoveBgm(s, entries, 9));
  ASSERT_TRUE(AddBgm(s, entries, "/m/new.mid"));
  EXPECT_EQ(s.BgmList[9], "/m/new.mid");

  // A name left in the slot after the list counts on OK.
  Settings stale;
  stale.BgmList[1] = "/m/a.mid";
  stale.BgmList[2] = "/m/b.mid";
  EXPECT_EQ(ConfirmedBgmCount(stale, 1), 2);
  EXPECT_EQ(ConfirmedBgmCount(stale, 2), 2);
  stale.BgmCount = 14;  // a count beyond the slots lists ten
  EXPECT_EQ(BgmEntries(stale), 10);
}

TEST(SoundSettings, TracksWrapBothWays) {
  struct Case {
    int track, count, next, previous;
  };
  const Case cases[] = {
      {3, 3, 1, 2}, {1, 3, 2, 3}, {2, 3, 3, 1}, {0, 3, 1, 3}, {1, 1, 1, 1}, {5, 3, 1, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    EXPECT_EQ(NextTrack(c.track, c.count), c.next) << c.track << "/" << c.count;
    EXPECT_EQ(PreviousTrack(c.track, c.count), c.previous) << c.track << "/" << c.count;
  }
}

}  // namespace
}  // namespace winpiruk
