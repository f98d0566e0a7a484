#include "engine/KeptMatchText.h"

#include <charconv>
#include <map>
#include <optional>
#include <system_error>
#include <vector>

#include "engine/KeptMatchFields.h"
#include "engine/KeptMatchValues.h"

namespace winpiruk {
namespace kept {
namespace {

constexpr std::string_view kChecksumName = "checksum";

KeptMatchReading Refused(KeptMatchRefusal refusal, std::string detail) {
  return KeptMatchReading{std::nullopt, KeptMatchFault{refusal, std::move(detail)}};
}

KeptMatchReading Damaged(std::string detail) { return Refused(KeptMatchRefusal::Damaged, std::move(detail)); }

std::string HeaderLine() { return std::string(kKeptMatchHeader) + " " + std::to_string(kKeptMatchVersion); }

// The version a header line names; nothing when it is no header of this file.
std::optional<int> HeaderVersion(std::string_view line) {
  const std::string prefix = std::string(kKeptMatchHeader) + " ";
  if (line.substr(0, prefix.size()) != prefix) return std::nullopt;
  const std::string_view digits = line.substr(prefix.size());
  int version = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), version);
  if (digits.empty() || digits[0] < '0' || digits[0] > '9' || error != std::errc() ||
      end != digits.data() + digits.size()) {
    return std::nullopt;
  }
  return version;
}

// The lines of a text that ends with a line end, without their ends.
std::optional<std::vector<std::string_view>> Lines(std::string_view text) {
  if (text.empty() || text.back() != '\n') return std::nullopt;
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// Whether the last line holds the checksum of every byte before it.
bool ChecksumHolds(std::string_view text, std::string_view last_line) {
  const std::size_t eq = last_line.find('=');
  if (eq == std::string_view::npos || last_line.substr(0, eq) != kChecksumName) return false;
  uint64_t stored = 0;
  if (!ReadValue(last_line.substr(eq + 1), stored)) return false;
  const std::size_t covered = text.size() - last_line.size() - 1;
  return stored == TextChecksum(text.substr(0, covered));
}

KeptMatchReading ReadFields(const std::vector<std::string_view>& lines) {
  const std::vector<KeptField>& fields = KeptFields();
  std::map<std::string_view, std::size_t> index;
  for (std::size_t i = 0; i < fields.size(); ++i) index.emplace(fields[i].name, i);
  std::vector<bool> seen(fields.size(), false);
  KeptMatch kept;
  // The header first, the checksum last: the fields are the lines between.
  for (std::size_t n = 1; n + 1 < lines.size(); ++n) {
    const std::string_view line = lines[n];
    const std::size_t eq = line.find('=');
    const auto found = eq == std::string_view::npos ? index.end() : index.find(line.substr(0, eq));
    if (found == index.end()) return Damaged("line " + std::to_string(n + 1) + ": no field of the file");
    const KeptField& field = fields[found->second];
    if (seen[found->second]) return Damaged(field.name + " repeated");
    seen[found->second] = true;
    if (!field.read(line.substr(eq + 1), kept)) return Damaged(field.name + " unreadable");
  }
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (!seen[i]) return Damaged(fields[i].name + " missing");
  }
  return KeptMatchReading{std::move(kept), {}};
}

}  // namespace

uint64_t TextChecksum(std::string_view text) {
  uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

KeptMatchReading ParseKeptMatchText(std::string_view text) {
  // The version is read before anything else: another version may hold
  // other fields and another checksum.
  const std::optional<int> version = HeaderVersion(text.substr(0, text.find('\n')));
  if (!version) return Damaged("no header");
  if (*version != kKeptMatchVersion) {
    return Refused(KeptMatchRefusal::OtherVersion, "version " + std::to_string(*version));
  }
  const std::optional<std::vector<std::string_view>> lines = Lines(text);
  if (!lines || lines->size() < 2 || !ChecksumHolds(text, lines->back())) return Damaged("checksum");
  return ReadFields(*lines);
}

}  // namespace kept

std::string KeptMatchText(const KeptMatch& match) {
  std::string text = kept::HeaderLine() + "\n";
  for (const kept::KeptField& field : kept::KeptFields()) text += field.name + "=" + field.write(match) + "\n";
  text += std::string(kept::kChecksumName) + "=" + kept::ValueText(kept::TextChecksum(text)) + "\n";
  return text;
}

}  // namespace winpiruk
