#include "config/SettingsFile.h"

#include <gtest/gtest.h>

#include <cmath>

#include "config/NumberText.h"
#include "config/ShiftJis.h"

namespace winpiruk {
namespace {

constexpr const char* kProgramDir = "/opt/winpiruk/share/winpiruk";

Settings Defaults() { return DefaultSettings(kProgramDir); }

Settings Read(const std::string& utf8_text) {
  Settings s = Defaults();
  ApplySettingsText(Utf8ToCp932(utf8_text), s);
  return s;
}

TEST(SettingsFile, DefaultFileIsTheFiftyTwoLinesByteForByte) {
  const std::string expected =
      "[WinPiruk]\r\n"
      "MainWindowPosX = 0\r\nMainWindowPosY = 0\r\nMainWindowWidth = 0\r\nMainWindowHeight = 0\r\n"
      "DataFileDirectory =\r\n"
      "SkipCard = 1\r\nPenaltyCard = 2\r\nPenaltyLeaves = 2\r\nMoreDropCard = 8\r\nMoreDropCardMode = 1\r\n"
      "InverseCard = 9\r\nSoundMode = 0\r\nGameSpeed = 0\r\nBonusSwitch = 1\r\nFinishMeans = 0\r\n"
      "ExtraCardEnable = 0\r\nRestrictTime = 0\r\nYakitoriMode = 0\r\nPirukConfirm = 0\r\nPirukGaeshi = 1\r\n"
      "MemberGroup = 1\r\nNumberOfGames = 8\r\nVerticalCardPos = 0\r\nHorizonCardPos = 0\r\n"
      "KeyGuideDisplay = 0\r\nCardOpenSwitchVisible = 1\r\nCardOpen = 0\r\nCardKind = 0\r\n"
      "AutoJudgment = 1\r\nJudgmentWaitTime = 8\r\nDoOtherTasks = 0\r\nManyCardBonus = 0\r\nAceAliasJack = 0\r\n"
      " \r\n"
      "[Bitmap/Colors]\r\n"
      "GameWallPaper =\r\nWallPaperAutoSize = 0\r\n"
      "PlayerNames = 0  16777215\r\nNumberOfCard = 0  16777088\r\nPlayerScore = 0  65535\r\n"
      "Message_1 = 0  255\r\nMessage_2 = 0  16777215\r\n"
      " \r\n"
      "[Sound]\r\n"
      "PirukSound =/opt/winpiruk/share/winpiruk/WP_PRK.WAV\r\n"
      "PirukGaeshiSound =/opt/winpiruk/share/winpiruk/WP_PRKG.WAV\r\n"
      "InitialSound =/opt/winpiruk/share/winpiruk/WP_INTL.WAV\r\n"
      "CardOverSound =/opt/winpiruk/share/winpiruk/WP_TENOV.WAV\r\n"
      "NoGameSound =/opt/winpiruk/share/winpiruk/WP_NAGAR.WAV\r\n"
      "GameOverSound =/opt/winpiruk/share/winpiruk/WP_GOVER.WAV\r\n"
      "CardOperateSound =/opt/winpiruk/share/winpiruk/WP_CARD.WAV\r\n";
  EXPECT_EQ(EncodeSettingsFile(Defaults()), expected);
  EXPECT_EQ(SettingsLines(Defaults()).size(), 52u);
}

TEST(SettingsFile, NegativeNumbersAndTextsAreWrittenWithoutBlank) {
  Settings s = Defaults();
  s.HorizonCardPos = -12;
  s.DataFileDirectory = "/home/u/カード";
  s.BgmList[1] = "a.mid";
  s.BgmList[2] = "   ";
  s.BgmList[3] = "曲.mid";
  s.BgmCount = 3;
  const auto lines = SettingsLines(s);
  EXPECT_EQ(lines[24], "HorizonCardPos =-12");
  EXPECT_EQ(lines[5], "DataFileDirectory =/home/u/カード");
  ASSERT_EQ(lines.size(), 54u);
  EXPECT_EQ(lines[52], "BGM = a.mid");
  EXPECT_EQ(lines[53], "BGM = 曲.mid");
  // On disk the kana are CP932 bytes.
  EXPECT_NE(EncodeSettingsFile(s).find("\x83\x4A\x81\x5B\x83\x68"), std::string::npos);
}

TEST(SettingsFile, ReadsTheEdgeCasesOfTheFormat) {
  EXPECT_EQ(Read("SoundMode = 3").SoundMode, 1);
  EXPECT_EQ(Read("SoundMode =-3").SoundMode, -1);
  EXPECT_EQ(Read("SkipCard = 2.5").SkipCard, 2);
  EXPECT_EQ(Read("SkipCard = 3.5").SkipCard, 4);
  const Settings names = Read("PlayerNames = 1  255");
  EXPECT_EQ(names.PlayerNames.background, 1);
  EXPECT_EQ(names.PlayerNames.colour, 255);
  const Settings count = Read("NumberOfCard = 1  42");
  EXPECT_EQ(count.NumberOfCard.background, 0);  // the flag is read and dropped
  EXPECT_EQ(count.NumberOfCard.colour, 42);
  const Settings hidden = Read("CardOpen = 1\r\nCardOpenSwitchVisible = 0");
  EXPECT_EQ(hidden.CardOpen, 0);
  EXPECT_EQ(Read("CardOpen = 1").CardOpen, 1);
  EXPECT_EQ(Read("Skipcard = 5").SkipCard, 1);  // keys are case-sensitive
  EXPECT_EQ(Read("SkipCard = 5\r\nSkipCard = 6").SkipCard, 6);
  EXPECT_EQ(Read("NumberOfGames = 40").NumberOfGames, 40);  // loaded as it stands
}

TEST(SettingsFile, TwelveMusicLinesKeepTenTheLastReplacingTheTenth) {
  std::string text;
  for (int i = 1; i <= 12; ++i) text += "BGM = song" + std::to_string(i) + ".mid\r\n";
  const Settings s = Read(text);
  EXPECT_EQ(s.BgmCount, 10);
  EXPECT_EQ(s.BgmList[1], "song1.mid");
  EXPECT_EQ(s.BgmList[9], "song9.mid");
  EXPECT_EQ(s.BgmList[10], "song12.mid");
}

TEST(SettingsFile, AReorderedPartialFileKeepsDefaultsForMissingKeys) {
  const Settings s = Read(
      "[Sound]\nPirukSound =/x/a.wav\n[WinPiruk]\nFinishMeans = 4\r\n  garbage\r\nInverseCard = 13\r\n"
      "Message_2 = 1  65280");
  EXPECT_EQ(s.PirukSound, "/x/a.wav");
  EXPECT_EQ(s.FinishMeans, 4);
  EXPECT_EQ(s.InverseCard, 13);
  EXPECT_EQ(s.Message_2.background, 1);
  EXPECT_EQ(s.Message_2.colour, 65280);
  EXPECT_EQ(s.SkipCard, 1);
  EXPECT_EQ(s.NumberOfGames, 8);
  EXPECT_EQ(s.CardOperateSound, std::string(kProgramDir) + "/WP_CARD.WAV");
}

TEST(SettingsFile, AValueThatDoesNotFitSkipsOnlyItsLine) {
  Settings s = Defaults();
  const auto result = ApplySettingsText(
      "SkipCard = 5\r\nPenaltyCard = 70000\r\nInverseCard = 3\r\nPlayerScore = 0  99999999999\r\nCardKind = 4\r\n", s);
  EXPECT_TRUE(result.needs_rewrite);
  EXPECT_EQ(s.SkipCard, 5);
  EXPECT_EQ(s.PenaltyCard, 2);
  EXPECT_EQ(s.InverseCard, 3);
  EXPECT_EQ(s.PlayerScore.colour, 65535);
  EXPECT_EQ(s.CardKind, 4);
  EXPECT_TRUE(result.card_kind_read);
}

TEST(SettingsFile, DataFilePathJoinsWithOneSlash) {
  Settings s = Defaults();
  s.DataFileDirectory = "/cards";
  EXPECT_EQ(DataFilePath(s, "DiaA.bmp"), "/cards/DiaA.bmp");
  s.DataFileDirectory = "/cards/";
  EXPECT_EQ(DataFilePath(s, "DiaA.bmp"), "/cards/DiaA.bmp");
  s.DataFileDirectory = "";
  EXPECT_EQ(DataFilePath(s, "DiaA.bmp"), "/DiaA.bmp");
}

TEST(NumberText, NumbersAndPrefixes) {
  EXPECT_EQ(NumberText(8), " 8");
  EXPECT_EQ(NumberText(0), " 0");
  EXPECT_EQ(NumberText(-12), "-12");
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {" 1 2 3", 123},   {"\t-\t4", -4},     {"--3", 0},        {"&O9", 0},       {"&O17", 15},
      {"&H10", 16},      {"&hff", 255},      {"&HFFFF", -1},    {"&HFFFFFFFF", -1}, {"&H10000", 65536},
      {"2.5", 2.5},      {".5e1", 5},        {"1d3", 1000},     {"12abc", 12},    {"abc", 0},
      {"", 0},           {"1e", 1},          {"-", 0},          {"+7", 7},        {"&", 0},
      {"&O8", 0},        {"&O18", 1},        {"&O778", 63},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(NumericPrefix(c.text), c.value) << c.text;
  EXPECT_TRUE(std::isinf(NumericPrefix("1e400")));
  EXPECT_TRUE(std::isinf(NumericPrefix("&HFFFFFFFFFFFFFFFFFFFF")));
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
  EXPECT_FALSE(RoundToInt16(32767.5).has_value());
  EXPECT_EQ(RoundToInt16(-0.5), 0);
  EXPECT_EQ(RoundToInt16(-1.5), -2);
  EXPECT_EQ(SaturateInt16(40000), 32767);
  EXPECT_EQ(SaturateInt16(-40000), -32768);
}

TEST(ShiftJis, BackslashAndTildeStayAsciiAndBadBytesAreReplaced) {
  EXPECT_EQ(Cp932ToUtf8("C:\\~"), "C:\\~");
  EXPECT_EQ(Utf8ToCp932("C:\\~"), "C:\\~");
  EXPECT_EQ(Cp932ToUtf8("\x82\xD2\x82\xE9\x82\xAD"), "ぴるく");
  EXPECT_EQ(Cp932ToUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(Utf8ToCp932("a😀b"), "a?b");
  EXPECT_TRUE(FitsCp932("ﾙｰﾙ設定①"));
  EXPECT_FALSE(FitsCp932("😀"));
}

TEST(ShiftJis, ACharacterMissingFromCp932IsOneQuestionMarkAndNamedWhole) {
  // Two, three and four bytes long, with lead bytes at the ends of each
  // length's range; the kanji beside them stays as it is.
  const char* const missing[] = {"¡", "é", "߀", "ก", "€", "한", "ﬀ", "😀", "𠀋", "\U0010FFFD"};
  for (const char* character : missing) {
    SCOPED_TRACE(character);
    const std::string c = character;
    EXPECT_EQ(Utf8ToCp932("<" + c + "漢>"), "<?\x8A\xBF>");
    EXPECT_EQ(Utf8ToCp932(c + c), "??");
    EXPECT_EQ(CharactersLostInCp932("名" + c + "x" + c + "ｱ"), std::vector<std::string>{c});
    EXPECT_FALSE(FitsCp932("a" + c));
  }
  EXPECT_EQ(CharactersLostInCp932("é漢😀ก¥"), (std::vector<std::string>{"é", "😀", "ก", "¥"}));
}

}  // namespace
}  // namespace winpiruk
