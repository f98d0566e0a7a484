#include "config/MachineFacts.h"

#include <gtest/gtest.h>

namespace winpiruk {
namespace {

TEST(MachineFacts, TheProcessorByItsModelNameAndTheOldNamesWithoutOne) {
  const struct {
    const char* cpuinfo;
    const char* model;
  } cases[] = {
      {"processor\t: 0\nvendor_id\t: GenuineIntel\ncpu family\t: 6\nmodel name\t: Intel(R) Xeon(R)  CPU @ 2.20GHz\n"
       "processor\t: 1\nmodel name\t: Another\n",
       "Intel(R) Xeon(R) CPU @ 2.20GHz"},
      {"processor : 0\r\nmodel name :   AMD EPYC 7B13 64-Core Processor  \r\n", "AMD EPYC 7B13 64-Core Processor"},
      {"processor : 0\nModel : Raspberry Pi 4\n", ""},  // no model name line
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CpuModelName(c.cpuinfo), c.model) << c.cpuinfo;

  EXPECT_EQ(ProcessorName(386), "80386");
  EXPECT_EQ(ProcessorName(586), "Pentium");
  EXPECT_EQ(ProcessorName(8664), "Other");
  EXPECT_EQ(MachineFactsText({"Linux", "", 586, 2, 512ull << 20}), "Pentium\n2\n512 MB\n");
  EXPECT_EQ(MachineFactsText({"Linux", "AMD EPYC", 2386, 64, 16ull << 30}), "AMD EPYC\n64\n16.0 GB\n");
}

TEST(MachineFacts, MemoryInMegabytesBelowAGigabyteThenInGigabytes) {
  const struct {
    uint64_t bytes;
    const char* text;
  } cases[] = {
      {0, "0 MB"},
      {(1ull << 20) - 1, "0 MB"},
      {512ull << 20, "512 MB"},
      {(1ull << 30) - 1, "1023 MB"},
      {1ull << 30, "1.0 GB"},
      {(24ull << 30) + (1ull << 29), "24.5 GB"},
      {(16ull << 30) - (16ull << 20), "16.0 GB"},  // rounds to the nearest tenth
  };
  for (const auto& c : cases) EXPECT_EQ(MemorySizeText(c.bytes), c.text) << c.bytes;
}

}  // namespace
}  // namespace winpiruk
