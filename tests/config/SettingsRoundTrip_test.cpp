// Every record the reader can produce is written so that it reads back as
// the same record and rewrites to the same bytes.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "config/SettingsFile.h"
#include "config/ShiftJis.h"
#include "support/Rows.h"

namespace winpiruk {
namespace {

constexpr const char* kProgramDir = "/opt/winpiruk/share/winpiruk";

// The kinds of background flag three characters of a file can hold.
enum class FlagKind { Meaningful, ThreeDigits, Exponent, Any };

class RecordGenerator {
 public:
  RecordGenerator(unsigned seed, FlagKind flags) : random_(seed), flags_(flags) {}

  Settings Next() {
    Settings s = DefaultSettings(kProgramDir);
    for (int16_t* n : NumberFields(s)) *n = Number();
    s.SoundMode = static_cast<int16_t>(Between(-1, 1));
    if (s.CardOpenSwitchVisible == 0) s.CardOpen = 0;
    for (std::string* t : {&s.DataFileDirectory, &s.GameWallPaper, &s.PirukSound, &s.PirukGaeshiSound,
                           &s.InitialSound, &s.CardOverSound, &s.NoGameSound, &s.GameOverSound,
                           &s.CardOperateSound}) {
      *t = Text(Between(0, 12));
    }
    for (TextColour* c : {&s.PlayerNames, &s.PlayerScore, &s.Message_1, &s.Message_2}) {
      c->background = Flag();
      c->colour = static_cast<int32_t>(random_());
    }
    s.NumberOfCard.colour = static_cast<int32_t>(random_());
    s.BgmCount = static_cast<int16_t>(Between(0, kMaxBgm));
    // The reader drops a music name's leading blanks and skips empty ones.
    for (int slot = 1; slot <= s.BgmCount; ++slot) s.BgmList[slot] = "x" + Text(Between(0, 8));
    return s;
  }

 private:
  static std::vector<int16_t*> NumberFields(Settings& s) {
    return {&s.MainWindowPosX,   &s.MainWindowPosY,   &s.MainWindowWidth,      &s.MainWindowHeight,
            &s.SkipCard,         &s.PenaltyCard,      &s.PenaltyLeaves,        &s.MoreDropCard,
            &s.MoreDropCardMode, &s.InverseCard,      &s.GameSpeed,            &s.BonusSwitch,
            &s.FinishMeans,      &s.ExtraCardEnable,  &s.RestrictTime,         &s.YakitoriMode,
            &s.PirukConfirm,     &s.PirukGaeshi,      &s.MemberGroup,          &s.NumberOfGames,
            &s.VerticalCardPos,  &s.HorizonCardPos,   &s.KeyGuideDisplay,      &s.CardOpenSwitchVisible,
            &s.CardOpen,         &s.CardKind,         &s.AutoJudgment,         &s.JudgmentWaitTime,
            &s.DoOtherTasks,     &s.ManyCardBonus,    &s.AceAliasJack,         &s.WallPaperAutoSize};
  }

  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  int16_t Number() { return static_cast<int16_t>(Between(0, 3) == 0 ? Between(-2, 2) : Between(-32768, 32767)); }

  int16_t Flag() { return Flag(flags_ == FlagKind::Any ? static_cast<FlagKind>(Between(0, 2)) : flags_); }

  int16_t Flag(FlagKind kind) {
    switch (kind) {
      case FlagKind::Meaningful: return static_cast<int16_t>(Between(0, 1));
      case FlagKind::ThreeDigits: return static_cast<int16_t>(Between(-99, 999));
      default: return static_cast<int16_t>(Between(0, 1) ? Between(1, 9) * 1000 : Between(1, 3) * 10000);
    }
  }

  // Pieces every one of which CP932 keeps as it is.
  std::string Text(int pieces) {
    static const std::array<const char*, 10> kPieces = {"a", "Z", "/", " ", "=", ",", "\\", "カード", "ｶﾅ", "曲"};
    std::string text;
    for (int i = 0; i < pieces; ++i) text += kPieces[static_cast<size_t>(Between(0, kPieces.size() - 1))];
    return text;
  }

  std::mt19937 random_;
  FlagKind flags_;
};

struct Generated {
  const char* name;
  unsigned seed;
  FlagKind flags;
};

TEST(SettingsRoundTrip, EveryRecordTheReaderCanGiveReadsBackTheSame) {
  const Generated cases[] = {
      {"flags 0 and 1", 11u, FlagKind::Meaningful},
      {"flags of up to three digits", 12u, FlagKind::ThreeDigits},
      {"flags written with an exponent", 13u, FlagKind::Exponent},
      {"mixed flags", 14u, FlagKind::Any},
  };
  for (const Generated& c : cases) {
    SCOPED_TRACE(c.name);
    RecordGenerator generator(c.seed, c.flags);
    for (int n = 0; n < 400; ++n) {
      const Settings record = generator.Next();
      const std::string bytes = EncodeSettingsFile(record);
      Settings read = DefaultSettings("/elsewhere");
      const SettingsReadResult result = ApplySettingsText(bytes, read);
      ASSERT_FALSE(result.needs_rewrite) << c.name << " #" << n << "\n" << Cp932ToUtf8(bytes);
      ASSERT_EQ(read, record) << c.name << " #" << n << "\n" << Cp932ToUtf8(bytes);
      ASSERT_EQ(EncodeSettingsFile(read), bytes) << c.name << " #" << n;
    }
  }
}

// Lines a user may have written by hand: the flag's three characters and
// the colour after them come back from the first write unchanged.
TEST(SettingsRoundTrip, HandWrittenColourLinesSurviveTheirFirstWrite) {
  struct Case {
    const char* line;
    int16_t flag;
    int32_t colour;
  };
  const Case cases[] = {
      {"Message_1 =999999999999", 999, 999999999},
      {"PlayerNames =777777777777", 777, 777777777},
      {"PlayerScore = 10  255", 10, 255},
      {"Message_2 =-99 -1", -99, -1},
      {"Message_1 =3e4 65535", 30000, 65535},
      {"PlayerNames =&HF&HFF", 15, 255},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    Settings first = DefaultSettings(kProgramDir);
    ApplySettingsText(std::string(c.line) + "\r\n", first);
    Settings again = DefaultSettings(kProgramDir);
    const SettingsReadResult result = ApplySettingsText(EncodeSettingsFile(first), again);
    EXPECT_FALSE(result.needs_rewrite) << c.line;
    EXPECT_EQ(again, first) << c.line;
    const TextColour& read = std::string(c.line).starts_with("Message_1")     ? again.Message_1
                             : std::string(c.line).starts_with("Message_2")   ? again.Message_2
                             : std::string(c.line).starts_with("PlayerScore") ? again.PlayerScore
                                                                              : again.PlayerNames;
    EXPECT_EQ(read.background, c.flag) << c.line;
    EXPECT_EQ(read.colour, c.colour) << c.line;
  }
}

// A flag no three characters can hold never comes from a file; it is
// written as black, which is what it shows, and never spoils the colour.
TEST(SettingsRoundTrip, AFlagNoFileCanHoldIsWrittenAsBlack) {
  for (const int16_t flag : {-100, -32768, 1001, 12345, 32767}) {
    Settings s = DefaultSettings(kProgramDir);
    s.Message_1 = {flag, 255};
    Settings read = DefaultSettings(kProgramDir);
    EXPECT_FALSE(ApplySettingsText(EncodeSettingsFile(s), read).needs_rewrite) << flag;
    EXPECT_EQ(read.Message_1, (TextColour{0, 255})) << flag;
  }
}

}  // namespace
}  // namespace winpiruk
