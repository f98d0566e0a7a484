#pragma once
// The member table on disk: the names file "WPirukMn.dat" and the data file
// "WPirukMd.dat", both CP932 text with CR LF, headed "<WinPiruk5xx>" and
// holding the fifty members group by group.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/ProgramPaths.h"
#include "state/MemberTable.h"
#include "state/GameState.h"

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

// What reading a member file found.
enum class MemberFileRead {
  Missing,  // no file by that name
  Own,      // the header and fifty records: a file as the program writes it
  Damaged,  // anything else: a foreign header, too few or too many lines, or
            // not a file that can be read
};

// Loads the files' bytes into the table; nullopt stands for a missing file.
// A file that is not the program's own is not read at all: a line too many
// or too few would put every record after it on the wrong member. Its
// members get the defaults, as a missing file's do (names "No." + number;
// boldness 3, deduction 3, 1000 points with the statistics kept). Blank
// lines after the fiftieth record are allowed; a name longer than
// kMemberNameCharacters is cut to them. Never fails.
MemberFileRead DecodeMemberNames(std::optional<std::string_view> bytes, MemberTable& table);
MemberFileRead DecodeMemberData(std::optional<std::string_view> bytes, MemberTable& table);

// A member file that was not read as the program's own, moved aside so that
// the next write does not replace it.
struct DamagedMemberFile {
  std::string path;
  std::optional<std::string> kept_as;  // nothing when it could not be moved
};

// What the user is told, once, about such a file.
std::string DamagedMemberFileMessage(const DamagedMemberFile& file);

// Copies the current group's names and parameters for choosing opponents.
void LoadCurrentGroup(GameState& state);

// The group the next game plays: the one the group window kept on a close
// by its frame, while the stored MemberGroup is still the one it was kept
// over; otherwise MemberGroup (1..5).
int GroupToPlay(const GameState& state);

// Reads both files from the user's data folder, puts back the names the
// group window kept, then makes the group to play the current one. A file
// that is there but not the program's own is moved to
// "<name>.damaged-<date>" (date as 2026-12-08) and listed in the result.
std::vector<DamagedMemberFile> ReadMemberFiles(GameState& state, const ProgramPaths& paths,
                                               const std::string& date);
// The same with today's date.
std::vector<DamagedMemberFile> ReadMemberFiles(GameState& state, const ProgramPaths& paths);

// Writes both files (creating the data folder when missing), each through a
// temporary file renamed over the old one. False when either write failed;
// when a temporary file could not be written both files keep their content.
bool WriteMemberFiles(const GameState& state, const ProgramPaths& paths);

}  // namespace winpiruk
