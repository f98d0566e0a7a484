#pragma once
// The three machine facts the version window shows, in its own format.
#include <cstdint>
#include <string>

namespace winpiruk {

struct MachineFacts {
  int processor_type = 0;     // 386, 486, 586, 686 … from the processor family
  int processor_count = 0;
  uint64_t total_memory = 0;  // bytes of physical memory
};

MachineFacts ReadMachineFacts();

// "80386", "80486", "Pentium" or "Other".
std::string ProcessorName(int processor_type);

// Bytes divided by 1000 (not 1024), cut to a whole number, then "KB".
std::string MemoryText(uint64_t bytes);

// The value label: name, count and memory, one per line, a line end after
// the last.
std::string MachineFactsText(const MachineFacts& facts);

}  // namespace winpiruk
