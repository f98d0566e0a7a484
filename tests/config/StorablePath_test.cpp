#include "config/StorablePath.h"

#include <gtest/gtest.h>

#include "config/SettingsFile.h"
#include "config/ShiftJis.h"
#include "support/Rows.h"

namespace winpiruk {
namespace {

TEST(StorablePath, NamesEveryCharacterTheSettingsFileCannotGiveBack) {
  struct Case {
    const char* path;
    std::vector<std::string> lost;
  };
  const Case cases[] = {
      {"/home/u/cards", {}},
      {"/home/u/ﾙｰﾙ設定①/～.bmp", {}},
      {"/home/한/cards", {"한"}},
      {"/m/😀/a😀.mid", {"😀"}},
      // Stored, but read back as another character.
      {"/m/¥/〜.wav", {"¥", "〜"}},
      {"/é/한/é", {"é", "한"}},
      {"/m/a\nb/c\r.wav", {"\n", "\r"}},
      {"/m/x\n한", {"\n", "한"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    EXPECT_EQ(UnstorablePathCharacters(c.path), c.lost) << c.path;
    EXPECT_EQ(PathIsStorable(c.path), c.lost.empty()) << c.path;
    if (c.lost.empty()) {
      // What is let through comes back from the file as it went in.
      Settings s;
      s.GameWallPaper = c.path;
      Settings read;
      ApplySettingsText(EncodeSettingsFile(s), read);
      EXPECT_EQ(read.GameWallPaper, c.path);
    }
  }
  EXPECT_EQ(CharactersLostInCp932("a😀b😀"), (std::vector<std::string>{"😀"}));
  EXPECT_FALSE(FitsCp932("¥"));
}

TEST(StorablePath, TheMessageShowsThePathAndTheCharactersAtFault) {
  const std::string message = UnstorablePathMessage("/home/한/😀\n.bmp");
  EXPECT_EQ(message.rfind("「 /home/한/😀\n.bmp 」\n\n", 0), 0U);
  EXPECT_NE(message.find("設定ファイルに保存できない文字があります: 「한\u00A0U+D55C」 「😀\u00A0U+1F600」 「改行」"),
            std::string::npos);
  EXPECT_NE(message.find("設定は変更されていません。"), std::string::npos);
}

}  // namespace
}  // namespace winpiruk
