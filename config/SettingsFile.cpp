#include "config/SettingsFile.h"

#include <cstdint>

#include "config/LineReader.h"
#include "config/NumberText.h"
#include "config/ShiftJis.h"

namespace winpiruk {
namespace {

struct NumberKey {
  const char* key;
  int16_t Settings::*field;
};

// [WinPiruk] numbers after "DataFileDirectory", in file order.
constexpr NumberKey kRuleKeys[] = {
    {"SkipCard =", &Settings::SkipCard},
    {"PenaltyCard =", &Settings::PenaltyCard},
    {"PenaltyLeaves =", &Settings::PenaltyLeaves},
    {"MoreDropCard =", &Settings::MoreDropCard},
    {"MoreDropCardMode =", &Settings::MoreDropCardMode},
    {"InverseCard =", &Settings::InverseCard},
    {"SoundMode =", &Settings::SoundMode},
    {"GameSpeed =", &Settings::GameSpeed},
    {"BonusSwitch =", &Settings::BonusSwitch},
    {"FinishMeans =", &Settings::FinishMeans},
    {"ExtraCardEnable =", &Settings::ExtraCardEnable},
    {"RestrictTime =", &Settings::RestrictTime},
    {"YakitoriMode =", &Settings::YakitoriMode},
    {"PirukConfirm =", &Settings::PirukConfirm},
    {"PirukGaeshi =", &Settings::PirukGaeshi},
    {"MemberGroup =", &Settings::MemberGroup},
    {"NumberOfGames =", &Settings::NumberOfGames},
    {"VerticalCardPos =", &Settings::VerticalCardPos},
    {"HorizonCardPos =", &Settings::HorizonCardPos},
    {"KeyGuideDisplay =", &Settings::KeyGuideDisplay},
    {"CardOpenSwitchVisible =", &Settings::CardOpenSwitchVisible},
    {"CardOpen =", &Settings::CardOpen},
    {"CardKind =", &Settings::CardKind},
    {"AutoJudgment =", &Settings::AutoJudgment},
    {"JudgmentWaitTime =", &Settings::JudgmentWaitTime},
    {"DoOtherTasks =", &Settings::DoOtherTasks},
    {"ManyCardBonus =", &Settings::ManyCardBonus},
    {"AceAliasJack =", &Settings::AceAliasJack},
};

constexpr NumberKey kWindowKeys[] = {
    {"MainWindowPosX =", &Settings::MainWindowPosX},
    {"MainWindowPosY =", &Settings::MainWindowPosY},
    {"MainWindowWidth =", &Settings::MainWindowWidth},
    {"MainWindowHeight =", &Settings::MainWindowHeight},
};

struct TextKey {
  const char* key;
  std::string Settings::*field;
};

constexpr TextKey kSoundKeys[] = {
    {"PirukSound =", &Settings::PirukSound},
    {"PirukGaeshiSound =", &Settings::PirukGaeshiSound},
    {"InitialSound =", &Settings::InitialSound},
    {"CardOverSound =", &Settings::CardOverSound},
    {"NoGameSound =", &Settings::NoGameSound},
    {"GameOverSound =", &Settings::GameOverSound},
    {"CardOperateSound =", &Settings::CardOperateSound},
};

constexpr TextKey kOtherTextKeys[] = {
    {"DataFileDirectory =", &Settings::DataFileDirectory},
    {"GameWallPaper =", &Settings::GameWallPaper},
};

struct ColourKey {
  const char* key;
  TextColour Settings::*field;
  bool keeps_flag;
};

constexpr ColourKey kColourKeys[] = {
    {"PlayerNames =", &Settings::PlayerNames, true},
    {"NumberOfCard =", &Settings::NumberOfCard, false},
    {"PlayerScore =", &Settings::PlayerScore, true},
    {"Message_1 =", &Settings::Message_1, true},
    {"Message_2 =", &Settings::Message_2, true},
};

// The reader takes the flag from the three characters after the "=" and the
// colour from the rest, so the flag must never spill out of its three. A
// value the reader can take from them is written back in them: "999" without
// its blank, 30000 as "3e4". Any other value cannot have come from a file; it
// is written as what it shows, black, since only 1 means white.
std::string FlagText(int16_t flag) {
  std::string text = NumberText(flag);
  if (text.size() <= 3) return text;
  if (flag > 0 && flag < 1000) return text.substr(1);
  for (int exponent = 3, scale = 1000; exponent <= 4; ++exponent, scale *= 10) {
    if (flag > 0 && flag % scale == 0 && flag / scale <= 9) {
      return std::to_string(flag / scale) + "e" + std::to_string(exponent);
    }
  }
  return NumberText(0);
}

std::string ColourLine(const char* key, int16_t flag, int32_t colour) {
  return std::string(key) + FlagText(flag) + " " + NumberText(colour);
}

bool StartsWith(std::string_view line, std::string_view prefix) {
  return line.substr(0, prefix.size()) == prefix;
}

// The text of a UTF-8 string from code point `first` on, `count` code points
// (all of them when count is npos).
std::string_view CodePoints(std::string_view text, size_t first, size_t count) {
  auto advance = [&text](size_t pos, size_t n) {
    while (n > 0 && pos < text.size()) {
      ++pos;
      while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) ++pos;
      --n;
    }
    return pos;
  };
  const size_t begin = advance(0, first);
  const size_t end = count == std::string_view::npos ? text.size() : advance(begin, count);
  return text.substr(begin, end - begin);
}

std::string TextValue(std::string_view value) { return std::string(CutUtf8(value, kSettingsTextBytes)); }

std::string TrimLeadingBlanks(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  return std::string(text.substr(pos));
}

// Applies one line; false when its value does not fit its field.
bool ApplyLine(std::string_view line, Settings& s, SettingsReadResult& result) {
  for (const auto& k : kWindowKeys) {
    if (StartsWith(line, k.key)) {
      const auto v = RoundToInt16(NumericPrefix(line.substr(std::string_view(k.key).size())));
      if (!v) return false;
      s.*k.field = *v;
    }
  }
  for (const auto& k : kRuleKeys) {
    if (!StartsWith(line, k.key)) continue;
    const std::string_view value = line.substr(std::string_view(k.key).size());
    if (k.field == &Settings::SoundMode) {
      const auto v = RoundToInt32(NumericPrefix(value));
      if (!v) return false;
      s.SoundMode = static_cast<int16_t>(*v % 2);
      continue;
    }
    const auto v = RoundToInt16(NumericPrefix(value));
    if (!v) return false;
    s.*k.field = *v;
    if (k.field == &Settings::CardKind) result.card_kind_read = true;
  }
  for (const auto& k : kOtherTextKeys) {
    if (StartsWith(line, k.key)) s.*k.field = TextValue(line.substr(std::string_view(k.key).size()));
  }
  for (const auto& k : kSoundKeys) {
    if (StartsWith(line, k.key)) s.*k.field = TextValue(line.substr(std::string_view(k.key).size()));
  }
  if (StartsWith(line, "WallPaperAutoSize =")) {
    const auto v = RoundToInt16(NumericPrefix(line.substr(19)));
    if (!v) return false;
    s.WallPaperAutoSize = *v;
  }
  for (const auto& k : kColourKeys) {
    if (!StartsWith(line, k.key)) continue;
    const std::string_view value = line.substr(std::string_view(k.key).size());
    const auto flag = RoundToInt16(NumericPrefix(CodePoints(value, 0, 3)));
    const auto colour = RoundToInt32(NumericPrefix(CodePoints(value, 3, std::string_view::npos)));
    if (!flag || !colour) return false;
    if (k.keeps_flag) (s.*k.field).background = *flag;
    (s.*k.field).colour = *colour;
  }
  if (StartsWith(line, "BGM")) {
    if (s.BgmCount < kMaxBgm) ++s.BgmCount;
    result.bgm_read = true;
    const size_t eq = line.find('=');
    s.BgmList[s.BgmCount] = eq == std::string_view::npos ? std::string() : TextValue(TrimLeadingBlanks(line.substr(eq + 1)));
  }
  return true;
}

}  // namespace

std::vector<std::string> SettingsLines(const Settings& s) {
  std::vector<std::string> lines;
  lines.reserve(64);
  lines.emplace_back("[WinPiruk]");
  for (const auto& k : kWindowKeys) lines.push_back(k.key + NumberText(s.*k.field));
  lines.push_back("DataFileDirectory =" + s.DataFileDirectory);
  for (const auto& k : kRuleKeys) lines.push_back(k.key + NumberText(s.*k.field));
  lines.emplace_back(" ");
  lines.emplace_back("[Bitmap/Colors]");
  lines.push_back("GameWallPaper =" + s.GameWallPaper);
  lines.push_back("WallPaperAutoSize =" + NumberText(s.WallPaperAutoSize));
  for (const auto& k : kColourKeys) {
    const TextColour& c = s.*k.field;
    lines.push_back(ColourLine(k.key, k.keeps_flag ? c.background : 0, c.colour));
  }
  lines.emplace_back(" ");
  lines.emplace_back("[Sound]");
  for (const auto& k : kSoundKeys) lines.push_back(k.key + s.*k.field);
  const int count = s.BgmCount < 0 ? 0 : (s.BgmCount > kMaxBgm ? kMaxBgm : s.BgmCount);
  for (int slot = 1; slot <= count; ++slot) {
    const std::string name = TrimLeadingBlanks(s.BgmList[slot]);
    if (!name.empty()) lines.push_back("BGM = " + s.BgmList[slot]);
  }
  return lines;
}

std::string EncodeSettingsFile(const Settings& settings) {
  std::string text;
  for (const auto& line : SettingsLines(settings)) {
    text += line;
    text += "\r\n";
  }
  return Utf8ToCp932(text);
}

namespace {

// Reads one line after another into the record.
class SettingsReader {
 public:
  explicit SettingsReader(Settings& settings) : settings_(settings) {
    settings_.BgmList = {};
    settings_.BgmCount = 0;
  }

  bool Line(std::string_view raw) {
    if (!ApplyLine(Cp932ToUtf8(raw), settings_, result_)) result_.needs_rewrite = true;
    return true;
  }

  SettingsReadResult Finish() {
    if (settings_.CardOpenSwitchVisible == 0) settings_.CardOpen = 0;
    return result_;
  }

 private:
  Settings& settings_;
  SettingsReadResult result_;
};

}  // namespace

SettingsReadResult ApplySettingsText(std::string_view file_bytes, Settings& settings) {
  SettingsReader reader(settings);
  ForEachLine(file_bytes, kSettingsLineBytes, [&reader](std::string_view raw) { return reader.Line(raw); });
  return reader.Finish();
}

std::optional<SettingsReadResult> ApplySettingsFile(const std::string& path, Settings& settings) {
  Settings read = settings;
  SettingsReader reader(read);
  if (!ForEachFileLine(path, kSettingsLineBytes, [&reader](std::string_view raw) { return reader.Line(raw); })) {
    return std::nullopt;
  }
  const SettingsReadResult result = reader.Finish();
  settings = std::move(read);
  return result;
}

}  // namespace winpiruk
