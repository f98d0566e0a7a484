#pragma once
// The machine facts the version window shows: the platform, the processor,
// how many there are and the memory, as this system tells them.
#include <cstdint>
#include <string>
#include <string_view>

namespace winpiruk {

struct MachineFacts {
  std::string platform;         // "Linux": the kernel's own name for the system
  std::string processor_model;  // the processor's model name; empty when the system does not say
  int processor_type = 0;       // 386, 486, 586, 686 … from the processor family
  int processor_count = 0;
  uint64_t total_memory = 0;    // bytes of physical memory
};

MachineFacts ReadMachineFacts();

// The system's own name for itself ("Linux"), for the program's banner.
std::string PlatformName();

// The "model name" of the first processor in /proc/cpuinfo text, its runs of
// blanks folded; empty when there is none.
std::string CpuModelName(std::string_view cpuinfo);

// The old names by processor family: "80386", "80486", "Pentium" or "Other".
std::string ProcessorName(int processor_type);

// Memory the way a person reads it today: whole megabytes below a gigabyte,
// then gigabytes with one decimal ("512 MB", "15.6 GB"), binary units.
std::string MemorySizeText(uint64_t bytes);

// The value label: processor, count and memory, one per line, a line end
// after the last. The model name where the system gives one, else the old
// name by family.
std::string MachineFactsText(const MachineFacts& facts);

}  // namespace winpiruk
