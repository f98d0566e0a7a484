#pragma once
// The pieces of music that come with the program: short original pieces the
// build writes into the program's data folder beside the effect sounds.
#include <array>
#include <string>
#include <vector>

namespace winpiruk {

inline constexpr std::array<const char*, 4> kOwnPieceFiles = {"WP_BGM1.MID", "WP_BGM2.MID", "WP_BGM3.MID",
                                                              "WP_BGM4.MID"};

// Their paths in the program's data folder, in playing order.
std::vector<std::string> OwnPiecePaths(const std::string& program_directory);

}  // namespace winpiruk
