#pragma once
// Every rule, display option, sound file and the main window's bounds: the
// record behind "WinPiruk.ini" and the rule-set files.
#include <array>
#include <cstdint>
#include <string>

namespace winpiruk {

constexpr const char* kProgramVersion = "5.30.51";
constexpr int kMaxBgm = 10;

// A text item's background flag (1 white, 0 black) and its colour 0x00BBGGRR.
struct TextColour {
  int16_t background = 0;
  int32_t colour = 0;
  bool operator==(const TextColour&) const = default;
};

struct Settings {
  // [WinPiruk]
  int16_t MainWindowPosX = 0;
  int16_t MainWindowPosY = 0;
  int16_t MainWindowWidth = 0;
  int16_t MainWindowHeight = 0;
  std::string DataFileDirectory;
  int16_t SkipCard = 1;
  int16_t PenaltyCard = 2;
  int16_t PenaltyLeaves = 2;
  int16_t MoreDropCard = 8;
  int16_t MoreDropCardMode = 1;
  int16_t InverseCard = 9;
  int16_t SoundMode = 0;
  int16_t GameSpeed = 0;
  int16_t BonusSwitch = 1;
  int16_t FinishMeans = 0;
  int16_t ExtraCardEnable = 0;
  int16_t RestrictTime = 0;
  int16_t YakitoriMode = 0;
  int16_t PirukConfirm = 0;
  int16_t PirukGaeshi = 1;
  int16_t MemberGroup = 1;
  int16_t NumberOfGames = 8;
  int16_t VerticalCardPos = 0;
  int16_t HorizonCardPos = 0;
  int16_t KeyGuideDisplay = 0;
  int16_t CardOpenSwitchVisible = 1;
  int16_t CardOpen = 0;
  int16_t CardKind = 0;
  int16_t AutoJudgment = 1;
  int16_t JudgmentWaitTime = 8;
  int16_t DoOtherTasks = 0;
  int16_t ManyCardBonus = 0;
  int16_t AceAliasJack = 0;

  // [Bitmap/Colors]
  std::string GameWallPaper;
  int16_t WallPaperAutoSize = 0;
  TextColour PlayerNames{0, 16777215};
  TextColour NumberOfCard{0, 16777088};
  TextColour PlayerScore{0, 65535};
  TextColour Message_1{0, 255};
  TextColour Message_2{0, 16777215};

  // [Sound]: full paths of the effect files.
  std::string PirukSound;
  std::string PirukGaeshiSound;
  std::string InitialSound;
  std::string CardOverSound;
  std::string NoGameSound;
  std::string GameOverSound;
  std::string CardOperateSound;

  // Background music, slots 1..BgmCount (slot 0 unused).
  std::array<std::string, kMaxBgm + 1> BgmList{};
  int16_t BgmCount = 0;

  bool operator==(const Settings&) const = default;
};

// The record as it stands before any file is read; the sound files default
// to the program's own directory.
Settings DefaultSettings(const std::string& program_directory);

// The card data directory joined to a file name with exactly one "/".
std::string DataFilePath(const Settings& settings, const std::string& name);

}  // namespace winpiruk
