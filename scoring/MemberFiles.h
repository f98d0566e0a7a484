#pragma once
// The member table on disk: the names file "WPirukMn.dat" and the data file
// "WPirukMd.dat", both CP932 text with CR LF, headed "<WinPiruk5xx>" and
// holding the fifty members group by group.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/ProgramPaths.h"
#include "state/MemberTable.h"
#include "state/Piruk930.h"

namespace winpiruk {

inline constexpr const char* kMemberNamesFile = "WPirukMn.dat";
inline constexpr const char* kMemberDataFile = "WPirukMd.dat";
inline constexpr const char* kMemberFileHeader = "<WinPiruk5xx>";
// The most characters a name keeps when read: as many as its editor takes.
inline constexpr size_t kMemberNameCharacters = 32767;

// "No." and the member's number 10..59.
std::string DefaultMemberName(int group, int member);

// One line of a member file read as a field: a comma ends it and leading
// blanks (spaces and tabs) are dropped.
std::string_view MemberField(std::string_view line);

// A number in a data-file window: blanks are ignored, then an optional sign
// and digits, up to the first other character. Besides the plain form it
// reads the two negative forms the writer produces, so that nothing is lost
// between a write and the next read: "B" + digits (negative points, only when
// `b_form` is set) and zeros before the sign ("0000-5"). Saturates to 16 bits.
int16_t MemberNumber(std::string_view window, bool b_form = false);

// The 95-character data line of a member, without its line end.
std::string MemberDataLine(const MemberTable& table, int group, int member);

// Applies one data line (as the file holds it) to a member: boldness,
// deduction and points always, the statistics only when the line is long
// enough to hold them.
void ApplyMemberDataLine(std::string_view line, MemberTable& table, int group, int member);

// The two files as bytes. A name the file could not keep is written as near
// as it can be: line breaks are dropped, characters CP932 lacks become "?".
std::string EncodeMemberNames(const MemberTable& table);
std::string EncodeMemberData(const MemberTable& table);

// Loads the files' bytes into the table; nullopt stands for a missing file.
// A missing or foreign file gives every member the defaults (names "No."
// + number; boldness 3, deduction 3, 1000 points with the statistics kept);
// a file with fewer records gives the missing members the same defaults, and
// lines after the fiftieth record are ignored, and a name longer than
// kMemberNameCharacters is cut to them. Never fails.
void DecodeMemberNames(std::optional<std::string_view> bytes, MemberTable& table);
void DecodeMemberData(std::optional<std::string_view> bytes, MemberTable& table);

// Copies the current group's names and parameters for choosing opponents.
void LoadCurrentGroup(Piruk930& state);

// The group the next game plays: the one the group window kept on a close
// by its frame, while the stored MemberGroup is still the one it was kept
// over; otherwise MemberGroup (1..5).
int GroupToPlay(const Piruk930& state);

// Reads both files from the user's data folder, puts back the names the
// group window kept, then makes the group to play the current one.
void ReadMemberFiles(Piruk930& state, const ProgramPaths& paths);

// Writes both files (creating the data folder when missing), each through a
// temporary file renamed over the old one. False when either write failed;
// when a temporary file could not be written both files keep their content.
bool WriteMemberFiles(const Piruk930& state, const ProgramPaths& paths);

}  // namespace winpiruk
