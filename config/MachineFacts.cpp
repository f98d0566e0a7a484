#include "config/MachineFacts.h"

#include <sys/sysinfo.h>
#include <sys/utsname.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

namespace winpiruk {
namespace {

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The value of the first "key : value" line of /proc/cpuinfo with that key.
std::string_view CpuinfoValue(std::string_view cpuinfo, std::string_view key) {
  while (!cpuinfo.empty()) {
    const size_t end = cpuinfo.find('\n');
    const std::string_view line = cpuinfo.substr(0, end);
    const size_t colon = line.find(':');
    if (colon != std::string_view::npos && Trimmed(line.substr(0, colon)) == key) return Trimmed(line.substr(colon + 1));
    if (end == std::string_view::npos) break;
    cpuinfo.remove_prefix(end + 1);
  }
  return {};
}

// The processor type the way the old system numbered it: family 3 is a 386,
// 4 a 486, 5 a Pentium (586); later families go on counting.
int ProcessorType(std::string_view cpuinfo) {
  const std::string family(CpuinfoValue(cpuinfo, "cpu family"));
  int value = 0;
  return std::sscanf(family.c_str(), "%d", &value) == 1 ? value * 100 + 86 : 0;
}

std::string Cpuinfo() {
  std::ifstream file("/proc/cpuinfo");
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

std::string PlatformName() {
  struct utsname names {};
  if (::uname(&names) != 0 || names.sysname[0] == '\0') return "Linux";
  return names.sysname;
}

MachineFacts ReadMachineFacts() {
  MachineFacts facts;
  const std::string cpuinfo = Cpuinfo();
  facts.platform = PlatformName();
  facts.processor_model = CpuModelName(cpuinfo);
  facts.processor_type = ProcessorType(cpuinfo);
  facts.processor_count = static_cast<int>(std::thread::hardware_concurrency());
  struct sysinfo info {};
  if (::sysinfo(&info) == 0) facts.total_memory = static_cast<uint64_t>(info.totalram) * info.mem_unit;
  return facts;
}

std::string CpuModelName(std::string_view cpuinfo) {
  std::string folded;
  for (const char c : CpuinfoValue(cpuinfo, "model name")) {
    if (c == ' ' || c == '\t') {
      if (!folded.empty() && folded.back() != ' ') folded += ' ';
    } else {
      folded += c;
    }
  }
  return folded;
}

std::string ProcessorName(int processor_type) {
  const std::string type = std::to_string(processor_type);
  if (type == "386") return "80386";
  if (type == "486") return "80486";
  if (type == "586") return "Pentium";
  return "Other";
}

std::string MemorySizeText(uint64_t bytes) {
  constexpr uint64_t kMiB = 1024 * 1024;
  constexpr uint64_t kGiB = 1024 * kMiB;
  if (bytes < kGiB) return std::to_string(bytes / kMiB) + " MB";
  // Tenths of a gigabyte, rounded.
  const uint64_t tenths = (bytes * 10 + kGiB / 2) / kGiB;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " GB";
}

std::string MachineFactsText(const MachineFacts& facts) {
  const std::string processor =
      facts.processor_model.empty() ? ProcessorName(facts.processor_type) : facts.processor_model;
  return processor + "\n" + std::to_string(facts.processor_count) + "\n" + MemorySizeText(facts.total_memory) + "\n";
}

}  // namespace winpiruk
