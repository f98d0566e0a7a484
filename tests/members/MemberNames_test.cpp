#include "members/MemberNames.h"

#include <gtest/gtest.h>

#include "support/Rows.h"

namespace winpiruk {
namespace {

TEST(MemberNames, WhatTheFileKeepsAndHowAnEditorCleansIt) {
  struct Case {
    std::string typed;
    bool fits;
    std::string stored;
  } const cases[] = {
      {"太郎", true, "太郎"},
      {"", true, ""},
      {"ﾊﾝｶｸ ｶﾅ ", true, "ﾊﾝｶｸ ｶﾅ "},
      {"　全角空白", true, "　全角空白"},
      {"山田,花子", false, "山田，花子"},
      {",a", false, "，a"},
      {"  \t太郎", false, "太郎"},
      {"a\r\nb", false, "ab"},
      {"a\x7F" "b", true, "ab"},
      {"\x7F" "太郎\x7F", true, "太郎"},
      {"a\x01" "b\x1F", true, "ab"},
      {"¥100", false, "100"},
      {"x−y", false, "xy"},
      {"😀ok", false, "ok"},
      {" 😀 a", false, "a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    EXPECT_EQ(MemberNameFitsFile(c.typed), c.fits) << c.typed;
    EXPECT_EQ(FileSafeMemberName(c.typed), c.stored) << c.typed;
    EXPECT_TRUE(MemberNameFitsFile(FileSafeMemberName(c.typed))) << c.typed;
  }
}

}  // namespace
}  // namespace winpiruk
