#include "scoring/MemberFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>

#include "config/SafeFile.h"
#include "config/ShiftJis.h"
#include "support/TempDir.h"

namespace winpiruk {
namespace {

const std::string kHeader = "<WinPiruk5xx>\r\n";
const std::string kDefaultDataLine =
    " 3 3 001000 000000 000000 000000 000000 000000 000000 000000 000000 000000 000000 000000 000000";

ProgramPaths PathsIn(const test::TempDir& dir) { return ProgramPaths{dir.path(), dir.path(), dir.File("data")}; }

// Concatenation without `"literal" + std::string`, which GCC 12 at -O3
// warns about wrongly.
std::string Cat(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) text += part;
  return text;
}

// A file of exactly these lines after the header.
std::string FileOf(const std::vector<std::string>& lines) {
  std::string bytes = kHeader;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

// Files whose first records are these lines and the rest the defaults.
std::string DataFileWith(std::vector<std::string> lines) {
  lines.resize(50, kDefaultDataLine);
  return FileOf(lines);
}

std::string NamesFileWith(std::vector<std::string> names) {
  for (size_t r = names.size(); r < 50; ++r) names.push_back(Cat({"No.", std::to_string(r + 10)}));
  return FileOf(names);
}

TEST(MemberFiles, FirstWriteWithoutFilesGivesTheDefaultFilesByteForByte) {
  test::TempDir dir;
  GameState state;
  state.settings.MemberGroup = 3;
  ReadMemberFiles(state, PathsIn(dir));
  ASSERT_TRUE(WriteMemberFiles(state, PathsIn(dir)));

  std::string names = kHeader;
  std::string data = kHeader;
  for (int n = 10; n <= 59; ++n) {
    names += Cat({"No.", std::to_string(n), "\r\n"});
    data += kDefaultDataLine + "\r\n";
  }
  EXPECT_EQ(ReadWholeFile(dir.File("data/WPirukMn.dat")), names);
  EXPECT_EQ(ReadWholeFile(dir.File("data/WPirukMd.dat")), data);
  ASSERT_EQ(kDefaultDataLine.size(), 95u);

  EXPECT_EQ(state.members.MemberName[3][4], "No.33");
  EXPECT_EQ(state.members.MemberPoints[3][4], 1000);
  EXPECT_EQ(state.seating.CurrentGroup, 3);
  EXPECT_EQ(state.match.SeatMember[0], 3);
  EXPECT_EQ(state.seating.GroupMemberName[4], "No.33");
  EXPECT_EQ(state.seating.GroupMemberBoldness[4], 3);
  EXPECT_EQ(state.seating.GroupMemberDeduction[4], 3);
}

TEST(MemberFiles, AGroupOutsideOneToFiveMakesGroupOneCurrent) {
  test::TempDir dir;
  GameState state;
  state.settings.MemberGroup = 9;
  ReadMemberFiles(state, PathsIn(dir));
  EXPECT_EQ(state.seating.CurrentGroup, 1);
  EXPECT_EQ(state.seating.GroupMemberName[1], "No.10");
}

// The group window closed by its frame keeps its group for the next game,
// until another group is stored.
TEST(MemberFiles, TheGroupToPlayIsTheOneKeptWhileNoOtherWasStored) {
  struct Case {
    int16_t kept, kept_over, stored;
    int plays;
  };
  const Case cases[] = {{0, 0, 2, 2}, {3, 2, 2, 3}, {3, 4, 2, 2}, {9, 2, 2, 2}, {0, 0, 7, 1}};
  for (const Case& c : cases) {
    GameState state;
    state.seating.KeptGroup.group = c.kept;
    state.seating.KeptGroup.stored_group = c.kept_over;
    state.settings.MemberGroup = c.stored;
    EXPECT_EQ(GroupToPlay(state), c.plays) << c.kept << " kept over " << c.kept_over << ", " << c.stored << " stored";
  }
}

TEST(MemberFiles, DataLineColumns) {
  struct Case {
    int16_t boldness, deduction, points, stat;
    std::string head;  // columns 1-11
    std::string first_stat;
  };
  const Case cases[] = {
      {3, 3, 0, 123, " 3 3 000000", " 000123"},
      {0, 5, 1000, 0, " 0 5 001000", " 000000"},
      {5, 0, -50, -5, " 5 0 B00050", " 0000-5"},
      {12, -1, 32767, 32767, " 1-1 032767", " 032767"},
      {-7, 4, -32768, -32768, "-7 4 B32768", " -32768"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.head);
    MemberTable table{};
    table.MemberBoldness[2][5] = c.boldness;
    table.MemberDeduction[2][5] = c.deduction;
    table.MemberPoints[2][5] = c.points;
    table.MemberStats[2][5].fill(c.stat);
    const std::string line = MemberDataLine(table, 2, 5);
    ASSERT_EQ(line.size(), 95u) << line;
    EXPECT_EQ(line.substr(0, 11), c.head);
    EXPECT_EQ(line.substr(11, 7), c.first_stat);
    EXPECT_EQ(line.substr(88, 7), c.first_stat);
  }
}

TEST(MemberFiles, NumbersReadBackIncludingBothNegativeForms) {
  struct Case {
    std::string window;
    bool b_form;
    int16_t value;
  } const cases[] = {
      {"B00050 ", true, -50},  {" B32768", true, -32768}, {"B00050", false, 0},  {" 0000-5", false, -5},
      {"0-1234 ", false, -1234}, {" -32768", false, -32768}, {" 000123", false, 123}, {"1 2", false, 12},
      {"3-", false, 3},          {"9999999", false, 32767},  {"-999999", false, -32768}, {"", false, 0},
      {"abc", false, 0},         {"00-0-5", false, 0},       {"+7", false, 7},      {"\x81\x40", false, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(MemberNumber(c.window, c.b_form), c.value) << c.window;
}

TEST(MemberFiles, TableRoundTripsThroughBothFiles) {
  test::TempDir dir;
  GameState state;
  ReadMemberFiles(state, PathsIn(dir));
  const std::string long_name = "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ";  // 30 characters
  const int16_t values[] = {0, 1000, -50, 123, -5, 32767, -32768};
  int v = 0;
  for (int g = 1; g <= kGroups; ++g) {
    for (int m = 1; m <= kMembersPerGroup; ++m, ++v) {
      state.members.MemberName[g][m] = (v % 3 == 0) ? long_name : (v % 3 == 1 ? "ﾊﾝｶｸ 名 " : "");
      state.members.MemberBoldness[g][m] = static_cast<int16_t>(v % 6);
      state.members.MemberDeduction[g][m] = static_cast<int16_t>(5 - v % 6);
      state.members.MemberPoints[g][m] = values[v % 7];
      for (int k = 0; k < kMemberStats; ++k) state.members.MemberStats[g][m][k] = values[(v + k) % 7];
    }
  }
  ASSERT_TRUE(WriteMemberFiles(state, PathsIn(dir)));
  GameState again;
  ReadMemberFiles(again, PathsIn(dir));
  for (int g = 1; g <= kGroups; ++g) {
    for (int m = 1; m <= kMembersPerGroup; ++m) {
      SCOPED_TRACE(Cat({std::to_string(g), "/", std::to_string(m)}));
      EXPECT_EQ(again.members.MemberName[g][m], state.members.MemberName[g][m]);
      EXPECT_EQ(again.members.MemberBoldness[g][m], state.members.MemberBoldness[g][m]);
      EXPECT_EQ(again.members.MemberDeduction[g][m], state.members.MemberDeduction[g][m]);
      EXPECT_EQ(again.members.MemberPoints[g][m], state.members.MemberPoints[g][m]);
      EXPECT_EQ(again.members.MemberStats[g][m], state.members.MemberStats[g][m]);
    }
  }
}

TEST(MemberFiles, WhatTheFormatCannotHoldComesBackAsTheFileHasIt) {
  MemberTable table{};
  DecodeMemberNames(std::nullopt, table);
  DecodeMemberData(std::nullopt, table);
  table.MemberName[1][2] = "  太郎,次郎";
  table.MemberName[1][3] = "a\r\nb";
  table.MemberName[1][4] = "¥100";
  table.MemberBoldness[1][5] = 12;
  MemberTable again{};
  DecodeMemberNames(EncodeMemberNames(table), again);
  DecodeMemberData(EncodeMemberData(table), again);
  EXPECT_EQ(again.MemberName[1][2], "太郎");
  EXPECT_EQ(again.MemberName[1][3], "ab");
  EXPECT_EQ(again.MemberName[1][4], "\\100");
  EXPECT_EQ(again.MemberName[1][5], "No.14");  // the records after them stay in place
  EXPECT_EQ(again.MemberBoldness[1][5], 1);
}

TEST(MemberFiles, ShortDataLineKeepsTheStatistics) {
  MemberTable table{};
  table.MemberStats[1][1].fill(7);
  table.MemberStats[1][2].fill(7);
  DecodeMemberData(DataFileWith({" 4 2 B00050", " 1 5 000300 000009"}), table);
  EXPECT_EQ(table.MemberBoldness[1][1], 4);
  EXPECT_EQ(table.MemberDeduction[1][1], 2);
  EXPECT_EQ(table.MemberPoints[1][1], -50);
  EXPECT_EQ(table.MemberStats[1][1], (std::array<int16_t, kMemberStats>{7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7}));
  // Longer than the parameter part: what the line lacks reads as 0.
  EXPECT_EQ(table.MemberPoints[1][2], 300);
  EXPECT_EQ(table.MemberStats[1][2], (std::array<int16_t, kMemberStats>{9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  // Records the file lacks get the defaults.
  EXPECT_EQ(table.MemberPoints[1][3], 1000);
  EXPECT_EQ(table.MemberStats[1][3][0], 0);
}

TEST(MemberFiles, ADataLineOfElevenCharactersAfterItsBlankKeepsTheStatistics) {
  struct Case {
    const char* line;
    int16_t points;
    int16_t first_stat;  // 7: kept
  };
  const Case cases[] = {
      {" 2 6 0000700", 700, 7},   // eleven characters: the parameters and the points only
      {"2 6 0000700", 700, 7},    // the same without its blank
      {" 2 6 0000700 ", 700, 0},  // twelve: the statistics are read, empty as 0
      {" 2 6 0000700 000012", 700, 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.line + "\"");
    MemberTable table{};
    table.MemberStats[1][1].fill(7);
    DecodeMemberData(DataFileWith({c.line}), table);
    EXPECT_EQ(table.MemberBoldness[1][1], 2);
    EXPECT_EQ(table.MemberDeduction[1][1], 6);
    EXPECT_EQ(table.MemberPoints[1][1], c.points);
    EXPECT_EQ(table.MemberStats[1][1][0], c.first_stat);
    EXPECT_EQ(table.MemberStats[1][1][11], c.first_stat == 7 ? 7 : 0);
  }
}

TEST(MemberFiles, OnlyTheProgramsOwnFilesAreReadAndTheTableIsAlwaysFull) {
  std::string sixty_names = kHeader, forty_nine_names = kHeader, fifty_names = kHeader;
  std::vector<std::string> sixty_lines, forty_eight_lines, fifty_lines;
  for (int r = 0; r < 59; ++r) {
    sixty_names += Cat({"M", std::to_string(r), "\r\n"});
    sixty_lines.push_back(Cat({" 2 4 000", std::to_string(100 + r), " 000001"}));
    if (r < 50) fifty_names += Cat({"M", std::to_string(r), "\n"});  // LF alone ends a line too
    if (r < 50) fifty_lines.push_back(Cat({" 2 4 000", std::to_string(100 + r), " 000001"}));
  }
  for (int r = 0; r < 48; ++r) {
    forty_nine_names += Cat({"M", std::to_string(r), "\r\n"});
    forty_eight_lines.push_back(" 1 1 000777");
  }
  std::string junk;
  for (int i = 0; i < 3000; ++i) junk += static_cast<char>((i * 37 + 11) % 256);
  using R = MemberFileRead;

  struct Case {
    const char* what;
    std::optional<std::string> names, data;
    R verdict;  // of both files
    std::string name_1_1, name_5_10;
    int16_t points_1_1, points_5_9;
  } const cases[] = {
      {"missing", std::nullopt, std::nullopt, R::Missing, "No.10", "No.59", 1000, 1000},
      {"fifty records", fifty_names, FileOf(fifty_lines), R::Own, "M0", "M49", 100, 148},
      {"blank lines after them", fifty_names + "\r\n\n", FileOf(fifty_lines) + "\r\n", R::Own, "M0", "M49",
       100, 148},
      {"empty", "", "", R::Damaged, "No.10", "No.59", 1000, 1000},
      {"foreign header", "<WinPiruk4xx>\r\nA\r\n", "[WinPiruk]\r\n 1 1 000005\r\n", R::Damaged, "No.10", "No.59",
       1000, 1000},
      {"header only, no line end", "<WinPiruk5xx>", "<WinPiruk5xx>", R::Damaged, "No.10", "No.59", 1000, 1000},
      {"60 lines", sixty_names, FileOf(sixty_lines), R::Damaged, "No.10", "No.59", 1000, 1000},
      {"49 lines", forty_nine_names, FileOf(forty_eight_lines), R::Damaged, "No.10", "No.59", 1000, 1000},
      {"binary junk", junk, junk, R::Damaged, "No.10", "No.59", 1000, 1000},
      {"junk after the header", kHeader + junk, kHeader + junk, R::Damaged, "No.10", "No.59", 1000, 1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MemberTable table{};
    EXPECT_EQ(DecodeMemberNames(c.names ? std::optional<std::string_view>(*c.names) : std::nullopt, table), c.verdict);
    EXPECT_EQ(DecodeMemberData(c.data ? std::optional<std::string_view>(*c.data) : std::nullopt, table), c.verdict);
    EXPECT_EQ(table.MemberName[1][1], c.name_1_1);
    EXPECT_EQ(table.MemberName[5][10], c.name_5_10);
    EXPECT_EQ(table.MemberPoints[1][1], c.points_1_1);
    EXPECT_EQ(table.MemberPoints[5][9], c.points_5_9);
    // Whatever was read, the table writes back as fifty well-formed records.
    const std::string data = EncodeMemberData(table);
    EXPECT_EQ(data.size(), kHeader.size() + 50u * 97u);
  }
}

// The files as a run of the program leaves them, with member 1/3 and 5/10
// set apart from the defaults.
struct WrittenFiles {
  test::TempDir dir;
  std::string names, data;
  WrittenFiles() {
    GameState state;
    ReadMemberFiles(state, PathsIn(dir));
    state.members.MemberName[1][3] = "花子";
    state.members.MemberPoints[1][3] = 2500;
    state.members.MemberStats[1][3][0] = 40;
    state.members.MemberName[5][10] = "Last";
    state.members.MemberPoints[5][10] = 321;
    EXPECT_TRUE(WriteMemberFiles(state, PathsIn(dir)));
    names = *ReadWholeFile(NamesFile());
    data = *ReadWholeFile(DataFile());
  }
  std::string NamesFile() const { return dir.File("data/WPirukMn.dat"); }
  std::string DataFile() const { return dir.File("data/WPirukMd.dat"); }
};

TEST(MemberFiles, ADamagedFileIsKeptAsideByteForByteAndNamedOnce) {
  struct Case {
    const char* what;
    bool names_file;
    std::function<std::string(std::string)> damage;
  };
  const Case cases[] = {
      {"a NUL before the data file's header", false, [](std::string b) { return '\0' + b; }},
      {"the names file's first byte changed", true, [](std::string b) { b[0] = '('; return b; }},
      {"a line break inside a data line", false, [](std::string b) { b[kHeader.size() + 30] = '\n'; return b; }},
      {"a CR inside a name", true, [](std::string b) { b[kHeader.size() + 2] = '\r'; return b; }},
      {"a data line lost", false, [](std::string b) { return b.erase(kHeader.size(), 97); }},
      {"cut short by a crash", false, [](std::string b) { return b.substr(0, 2000); }},
      {"emptied", true, [](std::string) { return std::string(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WrittenFiles files;
    const std::string path = c.names_file ? files.NamesFile() : files.DataFile();
    const std::string damaged = c.damage(c.names_file ? files.names : files.data);
    ASSERT_TRUE(WriteFileAtomically(path, damaged));

    GameState state;
    std::vector<DamagedMemberFile> found = ReadMemberFiles(state, PathsIn(files.dir), "2026-12-08");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].path, path);
    ASSERT_EQ(found[0].kept_as, path + ".damaged-2026-12-08");
    EXPECT_EQ(ReadWholeFile(*found[0].kept_as), damaged);
    const std::string message = DamagedMemberFileMessage(found[0]);
    EXPECT_NE(message.find(path), std::string::npos);
    EXPECT_NE(message.find(*found[0].kept_as), std::string::npos);
    // No member takes another's record: the damaged file's side is all
    // defaults, the other file is read as written.
    EXPECT_EQ(state.members.MemberName[1][3], c.names_file ? "No.12" : "花子");
    EXPECT_EQ(state.members.MemberPoints[1][3], c.names_file ? 2500 : 1000);
    EXPECT_EQ(state.members.MemberPoints[5][10], c.names_file ? 321 : 1000);
    EXPECT_EQ(state.members.MemberStats[1][3][0], c.names_file ? 40 : 0);

    // Told once: the next read finds no file there and says nothing.
    EXPECT_TRUE(ReadMemberFiles(state, PathsIn(files.dir), "2026-12-08").empty());
    // The write puts a new file in place; the kept one stays as it was, and
    // a second damaged file of the same day is kept beside it.
    ASSERT_TRUE(WriteMemberFiles(state, PathsIn(files.dir)));
    ASSERT_TRUE(WriteFileAtomically(path, "junk"));
    found = ReadMemberFiles(state, PathsIn(files.dir), "2026-12-08");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].kept_as, path + ".damaged-2026-12-08-2");
    EXPECT_EQ(ReadWholeFile(path + ".damaged-2026-12-08"), damaged);
  }
}

TEST(MemberFiles, AFileThatCannotBeReadIsKeptAsideUnreadAndNeverWaitedOn) {
  struct Case {
    const char* what;
    std::function<void(const std::string&)> make;
  };
  const Case cases[] = {
      {"a pipe", [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
      {"a folder", [](const std::string& path) { std::filesystem::create_directories(path + "/inside"); }},
      {"a link to a device", [](const std::string& path) { std::filesystem::create_symlink("/dev/zero", path); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WrittenFiles files;
    std::filesystem::remove(files.DataFile());
    c.make(files.DataFile());
    GameState state;
    const std::vector<DamagedMemberFile> found = ReadMemberFiles(state, PathsIn(files.dir), "2026-12-08");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].kept_as, files.DataFile() + ".damaged-2026-12-08");
    EXPECT_EQ(state.members.MemberName[1][3], "花子");
    EXPECT_EQ(state.members.MemberPoints[1][3], 1000);
    EXPECT_TRUE(WriteMemberFiles(state, PathsIn(files.dir)));
  }
}

TEST(MemberFiles, AFileThatCannotBeMovedAsideIsStillNamed) {
  const std::string message = DamagedMemberFileMessage({"/home/u/WPirukMd.dat", std::nullopt});
  EXPECT_NE(message.find("「/home/u/WPirukMd.dat」"), std::string::npos);
  EXPECT_EQ(message.find(".damaged"), std::string::npos);

  WrittenFiles files;
  ASSERT_TRUE(WriteFileAtomically(files.NamesFile(), "junk"));
  std::filesystem::permissions(files.dir.File("data"), std::filesystem::perms::owner_read |
                                                           std::filesystem::perms::owner_exec);
  if (::access(files.dir.File("data").c_str(), W_OK) == 0) GTEST_SKIP() << "root writes into any folder";
  GameState state;
  const std::vector<DamagedMemberFile> found = ReadMemberFiles(state, PathsIn(files.dir), "2026-12-08");
  std::filesystem::permissions(files.dir.File("data"), std::filesystem::perms::owner_all);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_FALSE(found[0].kept_as.has_value());
  EXPECT_NE(DamagedMemberFileMessage(found[0]).find(files.NamesFile()), std::string::npos);
  EXPECT_EQ(ReadWholeFile(files.NamesFile()), "junk");
}

TEST(MemberFiles, FieldReadingCutsAtTheCommaAndDropsLeadingBlanks) {
  MemberTable table{};
  DecodeMemberNames(Utf8ToCp932(NamesFileWith({" \t山田,花子", "名前 "})), table);
  EXPECT_EQ(table.MemberName[1][1], "山田");
  EXPECT_EQ(table.MemberName[1][2], "名前 ");
  EXPECT_EQ(table.MemberName[1][3], "No.12");
  // A header followed by a comma is still the header.
  DecodeMemberNames(Utf8ToCp932("  <WinPiruk5xx>,x" + NamesFileWith({"A"}).substr(kHeader.size() - 2)), table);
  EXPECT_EQ(table.MemberName[1][1], "A");
}

TEST(MemberFiles, AnOverlongLineIsCutToTheNameAndTheLinesAfterItAreRead) {
  test::TempDir dir;
  EnsureDirectory(dir.File("data"));
  // The second name: 40000 two-byte characters, more than a name keeps.
  std::string kanji;
  for (int i = 0; i < 40'000; ++i) kanji += "名";
  std::ofstream(dir.File("data/WPirukMn.dat"), std::ios::binary)
      << Utf8ToCp932(NamesFileWith({std::string(3'000'000, 'n'), kanji, "third"}));
  std::ofstream(dir.File("data/WPirukMd.dat"), std::ios::binary)
      << DataFileWith({" 5 4 000700" + std::string(3'000'000, ' ')});
  GameState state;
  ReadMemberFiles(state, PathsIn(dir));
  const MemberTable& t = state.members;
  EXPECT_EQ(t.MemberName[1][1], std::string(kMemberNameCharacters, 'n'));
  std::string kept;
  for (size_t i = 0; i < kMemberNameCharacters; ++i) kept += "名";
  EXPECT_EQ(t.MemberName[1][2], kept);
  EXPECT_EQ(t.MemberName[1][3], "third");
  EXPECT_EQ(t.MemberName[1][4], "No.13");
  EXPECT_EQ(t.MemberPoints[1][1], 700);
  EXPECT_EQ(t.MemberBoldness[1][1], 5);
  EXPECT_EQ(t.MemberPoints[1][2], 1000);
  EXPECT_EQ(t.MemberPoints[1][3], 1000);
}

TEST(MemberFiles, AFailedWriteIsReported) {
  test::TempDir dir;
  std::ofstream(dir.File("data")) << "a file where the folder should be";
  GameState state;
  ReadMemberFiles(state, PathsIn(dir));
  EXPECT_FALSE(WriteMemberFiles(state, PathsIn(dir)));
}

TEST(MemberFiles, WhenEitherFileCannotBeWrittenNeitherChanges) {
  struct Case {
    const char* failing;
    bool folder;  // a folder in the file's place: its rename fails; else its temporary file cannot be made
  };
  const Case cases[] = {{kMemberNamesFile, false}, {kMemberDataFile, false}, {kMemberDataFile, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.failing << (c.folder ? " folder" : " link"));
    test::TempDir dir;
    GameState state;
    ReadMemberFiles(state, PathsIn(dir));
    ASSERT_TRUE(WriteMemberFiles(state, PathsIn(dir)));
    const std::optional<std::string> names = ReadWholeFile(dir.File("data/WPirukMn.dat"));
    const std::optional<std::string> data = ReadWholeFile(dir.File("data/WPirukMd.dat"));
    const std::string broken = dir.File("data/") + c.failing;
    std::filesystem::remove(broken);
    if (c.folder) {
      std::filesystem::create_directories(broken + "/inside");
    } else {
      // A link into a folder that does not exist.
      std::filesystem::create_symlink(dir.File("gone/") + c.failing, broken);
    }

    state.members.MemberName[1][2] = "New";
    state.members.MemberPoints[1][2] = 1234;
    EXPECT_FALSE(WriteMemberFiles(state, PathsIn(dir)));
    if (std::string(c.failing) != kMemberNamesFile) {
      EXPECT_EQ(ReadWholeFile(dir.File("data/WPirukMn.dat")), names);
    }
    if (std::string(c.failing) != kMemberDataFile) {
      EXPECT_EQ(ReadWholeFile(dir.File("data/WPirukMd.dat")), data);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("data")), {}), 2);
  }
}

}  // namespace
}  // namespace winpiruk
