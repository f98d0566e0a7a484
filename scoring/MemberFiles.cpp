#include "scoring/MemberFiles.h"

#include <algorithm>
#include <ctime>
#include <tuple>
#include <vector>

#include "config/LineReader.h"
#include "config/NumberText.h"
#include "config/SafeFile.h"
#include "config/ShiftJis.h"
#include "state/RuleLimits.h"
#include "state/Translation.h"

namespace winpiruk {
namespace {

constexpr int kRecords = kGroups * kMembersPerGroup;
constexpr int16_t kDefaultBoldness = 3;
constexpr int16_t kDefaultDeduction = 3;
constexpr int16_t kDefaultPoints = 1000;
// A data line holds the statistics only beyond this many characters.
constexpr size_t kParameterPart = 11;
constexpr size_t kStatWidth = 7;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A names line is kept to room for the longest name (two bytes a
// character) and leading blanks before it; a data line to far more than its
// 96 characters. The rest of a longer line is not read.
constexpr size_t kNamesLineBytes = 4 * kMemberNameCharacters;
constexpr size_t kDataLineBytes = 4096;

// The header and the records: the lines a member file is read for, and
// whether anything but blank lines followed them.
struct MemberLines {
  std::vector<std::string> lines;
  bool more = false;
};

// Lines end with CR LF in the files we write; a lone CR or LF from another
// editor ends a line too. Neither byte can be part of a CP932 character.
LineHandler Collect(MemberLines& read) {
  return [&read](std::string_view line) {
    if (read.lines.size() <= static_cast<size_t>(kRecords)) {
      read.lines.emplace_back(line);
      return true;
    }
    read.more = !line.empty();
    return !read.more;
  };
}

std::optional<MemberLines> BytesLines(std::optional<std::string_view> bytes, size_t limit) {
  if (!bytes) return std::nullopt;
  MemberLines read;
  ForEachLine(*bytes, limit, Collect(read));
  return read;
}

// A file that is there but cannot be read counts as damaged, never as
// missing: it may hold the records, and a write would replace it.
struct FileLines {
  FileLinesRead outcome;
  MemberLines read;
};

FileLines ReadFile(const std::string& path, size_t limit) {
  FileLines file;
  file.outcome = ReadFileLines(path, limit, Collect(file.read));
  return file;
}

// Record r = 0..49 is member r % 10 + 1 of group r / 10 + 1.
template <typename Fn>
void ForEachRecord(Fn fn) {
  for (int g = 1; g <= kGroups; ++g)
    for (int m = 1; m <= kMembersPerGroup; ++m) fn((g - 1) * kMembersPerGroup + (m - 1), g, m);
}

void SetDefaultData(MemberTable& table, int g, int m) {
  table.MemberBoldness[g][m] = kDefaultBoldness;
  table.MemberDeduction[g][m] = kDefaultDeduction;
  table.MemberPoints[g][m] = kDefaultPoints;
}

MemberFileRead Judge(const std::optional<MemberLines>& read) {
  if (!read) return MemberFileRead::Missing;
  const std::vector<std::string>& lines = read->lines;
  const bool own = !lines.empty() && MemberField(lines.front()) == kMemberFileHeader &&
                   lines.size() == static_cast<size_t>(kRecords) + 1 && !read->more;
  return own ? MemberFileRead::Own : MemberFileRead::Damaged;
}

// A name as its line holds it: the field, cut to what the name editor takes.
std::string NameOf(std::string_view line) {
  return std::string(CutUtf8(MemberField(Cp932ToUtf8(line)), std::string_view::npos, kMemberNameCharacters));
}

// Only the program's own file is read: in any other the records cannot be
// trusted to stand on their members' lines.
MemberFileRead ApplyNames(const std::optional<MemberLines>& read, MemberTable& table) {
  const MemberFileRead verdict = Judge(read);
  ForEachRecord([&](int r, int g, int m) {
    table.MemberName[g][m] = verdict == MemberFileRead::Own ? NameOf(read->lines[static_cast<size_t>(r) + 1])
                                                            : DefaultMemberName(g, m);
  });
  return verdict;
}

MemberFileRead ApplyData(const std::optional<MemberLines>& read, MemberTable& table) {
  const MemberFileRead verdict = Judge(read);
  ForEachRecord([&](int r, int g, int m) {
    if (verdict == MemberFileRead::Own) {
      ApplyMemberDataLine(read->lines[static_cast<size_t>(r) + 1], table, g, m);
    } else {
      SetDefaultData(table, g, m);
    }
  });
  return verdict;
}

using ApplyLines = MemberFileRead (*)(const std::optional<MemberLines>&, MemberTable&);

// Reads one file into the table; one that is there but not the program's
// own is moved aside before anything can write over it.
std::optional<DamagedMemberFile> ReadOneFile(const std::string& path, size_t limit, ApplyLines apply,
                                             MemberTable& table, const std::string& date) {
  const FileLines file = ReadFile(path, limit);
  std::optional<MemberLines> lines;
  if (file.outcome == FileLinesRead::Read) lines = file.read;
  MemberFileRead verdict = apply(lines, table);
  if (file.outcome == FileLinesRead::NotReadable) verdict = MemberFileRead::Damaged;
  if (verdict != MemberFileRead::Damaged) return std::nullopt;
  return DamagedMemberFile{path, KeepAside(path, "damaged-" + date)};
}

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

// "The first two characters of ␣n": one digit for 0..9, and a longer value
// is cut to its first digit, as the file has always done.
std::string ParameterColumns(int16_t value) { return NumberText(value).substr(0, 2); }

std::string PointsColumns(int16_t value) {
  const long long magnitude = value < 0 ? -static_cast<long long>(value) : value;
  std::string digits = std::to_string(magnitude);
  const size_t width = value < 0 ? 5 : 6;
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  if (value < 0) digits.insert(0, 1, 'B');
  return digits;
}

std::string StatColumns(int16_t value) {
  std::string padded = std::to_string(value);
  padded.insert(0, "00000");
  std::string columns(1, ' ');
  columns.append(padded, padded.size() - 6, 6);
  return columns;
}

// The window of `width` characters from the 1-based column `first`, cut
// short at the end of the line.
std::string_view Columns(std::string_view line, size_t first, size_t width) {
  if (first - 1 >= line.size()) return {};
  return line.substr(first - 1, width);
}

// Names must not break the line structure of the file.
std::string WithoutLineBreaks(std::string_view name) {
  std::string kept;
  kept.reserve(name.size());
  for (const char c : name)
    if (c != '\r' && c != '\n') kept += c;
  return kept;
}

}  // namespace

std::string DefaultMemberName(int group, int member) {
  std::string name = "No.";
  name += std::to_string(10 * group + member - 1);
  return name;
}

std::string_view MemberField(std::string_view line) {
  const size_t comma = line.find(',');
  if (comma != std::string_view::npos) line = line.substr(0, comma);
  size_t start = 0;
  while (start < line.size() && IsBlank(line[start])) ++start;
  return line.substr(start);
}

int16_t MemberNumber(std::string_view window, bool b_form) {
  constexpr long long kCap = 1'000'000;  // far beyond 16 bits, far from overflow
  size_t pos = 0;
  auto skip_blanks = [&] {
    while (pos < window.size() && IsBlank(window[pos])) ++pos;
  };
  skip_blanks();
  bool negative = false;
  bool signed_value = false;
  if (pos < window.size()) {
    const char c = window[pos];
    if (c == '+' || c == '-' || (b_form && c == 'B')) {
      negative = c != '+';
      signed_value = true;
      ++pos;
    }
  }
  long long value = 0;
  for (; pos < window.size(); ++pos) {
    const char c = window[pos];
    if (IsBlank(c)) continue;
    if (c >= '0' && c <= '9') {
      value = std::min(kCap, value * 10 + (c - '0'));
    } else if ((c == '-' || c == '+') && !signed_value && value == 0) {
      // The writer zero-pads a negative statistic in front of its sign.
      negative = c == '-';
      signed_value = true;
    } else {
      break;
    }
  }
  return SaturateInt16(negative ? -value : value);
}

std::string MemberDataLine(const MemberTable& table, int g, int m) {
  std::string line;
  line.reserve(95);
  line += ParameterColumns(table.MemberBoldness[g][m]);
  line += ParameterColumns(table.MemberDeduction[g][m]);
  line += ' ';
  line += PointsColumns(table.MemberPoints[g][m]);
  for (const int16_t stat : table.MemberStats[g][m]) line += StatColumns(stat);
  return line;
}

void ApplyMemberDataLine(std::string_view raw, MemberTable& table, int g, int m) {
  // The field reading drops the leading blank and so shifts every column by
  // one; each window still holds exactly one value because blanks are skipped.
  const std::string_view line = MemberField(raw);
  table.MemberBoldness[g][m] = MemberNumber(Columns(line, 1, 2));
  table.MemberDeduction[g][m] = MemberNumber(Columns(line, 3, 2));
  table.MemberPoints[g][m] = MemberNumber(Columns(line, 5, 7), true);
  if (line.size() <= kParameterPart) return;
  for (int k = 0; k < kMemberStats; ++k) {
    table.MemberStats[g][m][k] = MemberNumber(Columns(line, 12 + kStatWidth * k, kStatWidth));
  }
}

std::string EncodeMemberNames(const MemberTable& table) {
  std::string text = std::string(kMemberFileHeader) + "\r\n";
  ForEachRecord([&](int, int g, int m) { text += WithoutLineBreaks(table.MemberName[g][m]) + "\r\n"; });
  return Utf8ToCp932(text);
}

std::string EncodeMemberData(const MemberTable& table) {
  std::string text = std::string(kMemberFileHeader) + "\r\n";
  text.reserve(text.size() + kRecords * 97);
  ForEachRecord([&](int, int g, int m) { text += MemberDataLine(table, g, m) + "\r\n"; });
  return text;
}

MemberFileRead DecodeMemberNames(std::optional<std::string_view> bytes, MemberTable& table) {
  return ApplyNames(BytesLines(bytes, kNamesLineBytes), table);
}

MemberFileRead DecodeMemberData(std::optional<std::string_view> bytes, MemberTable& table) {
  return ApplyData(BytesLines(bytes, kDataLineBytes), table);
}

std::string DamagedMemberFileMessage(const DamagedMemberFile& file) {
  std::string text = Fill(Tr("MemberFiles", "メンバーファイル「%1」を正しく読み込めませんでした.\n"), {file.path});
  if (file.kept_as) {
    text += Fill(Tr("MemberFiles", "元のファイルは「%1」として残しました.\n"), {*file.kept_as});
  } else {
    text += Tr("MemberFiles", "元のファイルを別の名前で残すこともできませんでした.\n");
  }
  text += Tr("MemberFiles", "このファイルのメンバーは初期値で始めます.");
  return text;
}

void LoadCurrentGroup(GameState& state) {
  const int g = InRangeOr(state.seating.CurrentGroup, 1, kGroups, 1);
  for (int m = 1; m <= kMembersPerGroup; ++m) {
    state.seating.GroupMemberName[m] = state.members.MemberName[g][m];
    state.seating.GroupMemberBoldness[m] = state.members.MemberBoldness[g][m];
    state.seating.GroupMemberDeduction[m] = state.members.MemberDeduction[g][m];
  }
}

int GroupToPlay(const GameState& state) {
  const KeptGroupChoice& kept = state.seating.KeptGroup;
  if (kept.group >= 1 && kept.group <= kGroups && kept.stored_group == state.settings.MemberGroup) return kept.group;
  // A settings file may name any group; the one in use is always 1..5.
  return MemberGroupInUse(state.settings);
}

std::vector<DamagedMemberFile> ReadMemberFiles(GameState& state, const ProgramPaths& paths) {
  return ReadMemberFiles(state, paths, Today());
}

std::vector<DamagedMemberFile> ReadMemberFiles(GameState& state, const ProgramPaths& paths, const std::string& date) {
  std::vector<DamagedMemberFile> damaged;
  for (const auto& [name, limit, apply] : {std::tuple{kMemberNamesFile, kNamesLineBytes, &ApplyNames},
                                           std::tuple{kMemberDataFile, kDataLineBytes, &ApplyData}}) {
    if (auto file = ReadOneFile(paths.DataFile(name), limit, apply, state.members, date)) damaged.push_back(*file);
  }
  // Names changed in this run and not yet written are newer than the file.
  ForEachRecord([&](int, int g, int m) {
    if (const std::optional<std::string>& kept = state.seating.KeptGroup.names[g][m]) state.members.MemberName[g][m] = *kept;
  });
  state.seating.CurrentGroup = static_cast<int16_t>(GroupToPlay(state));
  state.match.SeatMember[0] = state.seating.CurrentGroup;
  LoadCurrentGroup(state);
  return damaged;
}

bool WriteMemberFiles(const GameState& state, const ProgramPaths& paths) {
  EnsureDirectory(paths.data_directory);
  // Both files are on disk beside the old ones before either is put in
  // place, so a failed write leaves both as they were. The data file goes in
  // first. After a crash a reader meets both old files, both new ones, or
  // (between the two renames) new figures with the names as they were: each
  // file is whole and read on its own, and the figures of the last match,
  // which change far more often than a name, are the part kept.
  const FileBytes files[] = {
      {paths.DataFile(kMemberDataFile), EncodeMemberData(state.members)},
      {paths.DataFile(kMemberNamesFile), EncodeMemberNames(state.members)},
  };
  return WriteFilesTogether(files);
}

}  // namespace winpiruk
