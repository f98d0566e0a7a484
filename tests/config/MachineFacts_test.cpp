#include "config/MachineFacts.h"

#include <gtest/gtest.h>

namespace winpiruk {
namespace {

TEST(MachineFacts, NamesAndMemoryInTheVersionWindowsFormat) {
  EXPECT_EQ(ProcessorName(386), "80386");
  EXPECT_EQ(ProcessorName(486), "80486");
  EXPECT_EQ(ProcessorName(586), "Pentium");
  EXPECT_EQ(ProcessorName(8664), "Other");
  EXPECT_EQ(ProcessorName(686), "Other");
  // 16 MiB: bytes / 1000, 2.4 % more than the size in KiB.
  EXPECT_EQ(MemoryText(16u * 1024 * 1024), "16777KB");
  EXPECT_EQ(MachineFactsText({586, 2, 999}), "Pentium\n2\n0KB\n");
}

}  // namespace
}  // namespace winpiruk
