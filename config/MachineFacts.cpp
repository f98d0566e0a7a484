#include "config/MachineFacts.h"

#include <sys/sysinfo.h>

#include <fstream>
#include <thread>

namespace winpiruk {
namespace {

// The processor type the way the old system numbered it: family 3 is a 386,
// 4 a 486, 5 a Pentium (586); later families go on counting.
int ProcessorTypeFromCpuinfo() {
  std::ifstream cpuinfo("/proc/cpuinfo");
  std::string line;
  while (std::getline(cpuinfo, line)) {
    if (line.rfind("cpu family", 0) == 0) {
      const auto colon = line.find(':');
      if (colon == std::string::npos) break;
      try {
        return std::stoi(line.substr(colon + 1)) * 100 + 86;
      } catch (...) {
        break;
      }
    }
  }
  return 0;
}

}  // namespace

MachineFacts ReadMachineFacts() {
  MachineFacts facts;
  facts.processor_type = ProcessorTypeFromCpuinfo();
  facts.processor_count = static_cast<int>(std::thread::hardware_concurrency());
  struct sysinfo info {};
  if (::sysinfo(&info) == 0) facts.total_memory = static_cast<uint64_t>(info.totalram) * info.mem_unit;
  return facts;
}

std::string ProcessorName(int processor_type) {
  const std::string type = std::to_string(processor_type);
  if (type == "386") return "80386";
  if (type == "486") return "80486";
  if (type == "586") return "Pentium";
  return "Other";
}

std::string MemoryText(uint64_t bytes) { return std::to_string(bytes / 1000) + "KB"; }

std::string MachineFactsText(const MachineFacts& facts) {
  return ProcessorName(facts.processor_type) + "\n" + std::to_string(facts.processor_count) + "\n" +
         MemoryText(facts.total_memory) + "\n";
}

}  // namespace winpiruk
