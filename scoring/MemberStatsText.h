#pragma once
// The texts of the statistics window: one member's counters, rates and
// averages as the window shows them.
#include <string>

#include "state/MemberTable.h"

namespace winpiruk {

// floor(a / b × 1000) / 10 with at most one decimal and "%": " 33.3%",
// " 50%", " 0.5%"; " -" when b is 0.
std::string PercentageText(long long a, long long b);

// floor(a / b × 10) / 10 with at most one decimal: " 7.5", " 12", " 0.5";
// " -" when b is 0.
std::string AverageText(long long a, long long b);

struct MemberRecordTexts {
  std::string name;
  std::string hands_played;     // "総対戦数"
  std::string wins;             // "上がり回数"
  std::string win_rate;         // "上がり率"
  std::string win_number;       // "平均上がり数字"
  std::string yaku;             // "平均役数"
  std::string points_won;       // "平均得点"
  std::string initial_matches;  // "ｲﾆｼｬﾙﾏｯﾁ回数"
  std::string counter_calls;    // "ぴるくがえし"
  std::string deal_ins;         // "振り込み回数"
  std::string deal_in_rate;     // "振り込み率"
  std::string points_lost;      // "平均失点"
  std::string card_overs;       // "10枚オーバー"
  std::string games_played;     // "総ゲーム数"
  std::string rank;             // "平均順位"
  std::string points;           // "現在の持ち点"
  bool points_negative = false;
};

// Member `member` (1..10) of `group` (1..5).
MemberRecordTexts MemberRecord(const MemberTable& table, int group, int member);

}  // namespace winpiruk
