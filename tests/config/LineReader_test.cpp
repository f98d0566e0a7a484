#include "config/LineReader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "config/SafeFile.h"
#include "config/SettingsFile.h"
#include "config/ShiftJis.h"
#include "support/TempDir.h"

namespace winpiruk {
namespace {

std::vector<std::string> Lines(std::string_view bytes, size_t limit) {
  std::vector<std::string> lines;
  ForEachLine(bytes, limit, [&lines](std::string_view line) {
    lines.emplace_back(line);
    return true;
  });
  return lines;
}

std::vector<std::string> FileLines(const std::string& path, size_t limit) {
  std::vector<std::string> lines;
  EXPECT_TRUE(ForEachFileLine(path, limit, [&lines](std::string_view line) {
    lines.emplace_back(line);
    return true;
  }));
  return lines;
}

// A line end split between two reads of the file: the reads are 256 KiB.
const std::string kSplitCrLf = std::string(256 * 1024 - 1, 'x') + "\r\nnext";

TEST(LineReader, SplitsAtEveryLineEndAndCutsOverlongLinesWithoutLosingTheNext) {
  struct Case {
    const char* name;
    std::string bytes;
    size_t limit;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"empty", "", 8, {}},
      {"CR LF, CR and LF", "a\r\nb\rc\nd", 8, {"a", "b", "c", "d"}},
      {"ends with a line end", "a\r\n\r\n", 8, {"a", ""}},
      {"a lone CR at the end", "a\r", 8, {"a"}},
      {"overlong lines cut", "abcdefghij\r\nxy\r\n0123456789", 4, {"abcd", "xy", "0123"}},
      {"a giant line", std::string(3'000'000, 'g') + "\nafter", 5, {"ggggg", "after"}},
      {"many empty lines", std::string(100'000, '\n'), 5, std::vector<std::string>(100'000)},
      {"CR LF across reads", kSplitCrLf, 4, {"xxxx", "next"}},
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Lines(c.bytes, c.limit), c.lines) << c.name;
    const std::string path = dir.File("lines.txt");
    std::ofstream(path, std::ios::binary) << c.bytes;
    EXPECT_EQ(FileLines(path, c.limit), c.lines) << c.name;
  }
}

TEST(LineReader, StopsWhenAskedAndTellsAMissingFile) {
  int seen = 0;
  ForEachLine("a\nb\nc\n", 8, [&seen](std::string_view) { return ++seen < 2; });
  EXPECT_EQ(seen, 2);
  test::TempDir dir;
  // A file stops as the text does, though more of it waits to be read.
  std::ofstream(dir.File("lines.txt"), std::ios::binary) << std::string(600'000, '\n');
  seen = 0;
  ForEachFileLine(dir.File("lines.txt"), 8, [&seen](std::string_view) { return ++seen < 2; });
  EXPECT_EQ(seen, 2);
  EXPECT_FALSE(ForEachFileLine(dir.File("missing"), 8, [](std::string_view) { return true; }));
  EXPECT_FALSE(ForEachFileLine(dir.path(), 8, [](std::string_view) { return true; }));
}

TEST(FileReaders, TakeOnlyRegularFilesSoAPipeOrADeviceNeverHoldsThem) {
  test::TempDir dir;
  ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", dir.File("zeros"));
  std::filesystem::create_directory(dir.File("folder"));
  std::ofstream(dir.File("file")) << "a\r\nb\r\n";
  std::filesystem::create_symlink("file", dir.File("link"));
  struct Case {
    const char* name;
    FileLinesRead read;
  } const cases[] = {
      {"pipe", FileLinesRead::NotReadable},   {"zeros", FileLinesRead::NotReadable},
      {"folder", FileLinesRead::NotReadable}, {"missing", FileLinesRead::Missing},
      {"file", FileLinesRead::Read},          {"link", FileLinesRead::Read},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.File(c.name);
    int lines = 0;
    EXPECT_EQ(ReadFileLines(path, 8, [&lines](std::string_view) { return ++lines < 100; }), c.read);
    EXPECT_EQ(lines, c.read == FileLinesRead::Read ? 2 : 0);
    EXPECT_EQ(FileIsReadable(path), c.read == FileLinesRead::Read);
    EXPECT_EQ(ReadWholeFile(path).has_value(), c.read == FileLinesRead::Read);
  }
  EXPECT_EQ(ReadFileLines(dir.File("file/below"), 8, [](std::string_view) { return true; }), FileLinesRead::Missing);
}

TEST(LineReader, CutsUtf8OnlyBetweenCharacters) {
  EXPECT_EQ(CutUtf8("abc", 2), "ab");
  EXPECT_EQ(CutUtf8("aカ", 3), "a");
  EXPECT_EQ(CutUtf8("aカ", 4), "aカ");
  EXPECT_EQ(CutUtf8("カカカ", 100, 2), "カカ");
}

TEST(SettingsFileLines, AnOverlongValueIsCutAndTheLinesAfterItAreRead) {
  test::TempDir dir;
  const std::string path = dir.File("WinPiruk.ini");
  std::ofstream(path, std::ios::binary) << "DataFileDirectory =" << std::string(2'000'000, 'd') << "\r\n"
                                        << "SkipCard =" << std::string(2'000'000, ' ') << "7\r\n"
                                        << Utf8ToCp932("GameWallPaper =/" + std::string(4094, 'w') + "カ") << "\r\n"
                                        << "PenaltyCard = 5\r\n";
  Settings s = DefaultSettings("/p");
  ASSERT_TRUE(ApplySettingsFile(path, s));
  EXPECT_EQ(s.DataFileDirectory, std::string(kSettingsTextBytes, 'd'));
  EXPECT_EQ(s.SkipCard, 0) << "the digits lie past what is kept of the line";
  EXPECT_EQ(s.GameWallPaper, "/" + std::string(4094, 'w')) << "never half a character";
  EXPECT_EQ(s.PenaltyCard, 5);

  Settings again = DefaultSettings("/p");
  EXPECT_FALSE(ApplySettingsText(EncodeSettingsFile(s), again).needs_rewrite);
  EXPECT_EQ(again, s);
}

}  // namespace
}  // namespace winpiruk
