#include "Report.h"

#include <array>
#include <cstdio>
#include <span>
#include <string_view>

namespace winpiruk::runner {
namespace {

using analysis::Ending;
using analysis::Figures;

constexpr std::array<int, 5> kCodes = {kEndInitialMatch, kEndCall, kEndCardOver, kEndDiscardFinish, kEndNoGame};
constexpr std::array<std::string_view, analysis::kEndings> kEndingNames = {
    "call", "counter_call", "discard_finish", "card_over", "no_game", "initial_match", "other"};

long long Count(const Figures& f, Ending ending) { return f.endings[static_cast<std::size_t>(ending)]; }

// The hands that ended with the code, as the engine numbers its endings.
long long ByEndCode(const Figures& f, int code) {
  switch (code) {
    case kEndCall: return Count(f, Ending::Call) + Count(f, Ending::CounterCall);
    case kEndInitialMatch: return Count(f, Ending::InitialMatch);
    case kEndCardOver: return Count(f, Ending::CardOver);
    case kEndDiscardFinish: return Count(f, Ending::DiscardFinish);
    case kEndNoGame: return Count(f, Ending::NoGame);
    default: return 0;
  }
}

std::string JsonText(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (static_cast<unsigned char>(c) < 0x20) continue;
    out += c;
  }
  return out + "\"";
}

std::string JsonList(std::span<const long long> values) {
  std::string out = "[";
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i != 0) out += ',';
    out += std::to_string(values[i]);
  }
  return out + "]";
}

std::string JsonFigures(const Figures& f) {
  std::string out = "\"figures\":{\"endings\":{";
  for (std::size_t i = 0; i < kEndingNames.size(); ++i) {
    if (i != 0) out += ',';
    out += '"';
    out += kEndingNames[i];
    out += "\":";
    out += std::to_string(f.endings[i]);
  }
  out += "},\"turns\":" + std::to_string(f.turns);
  out += ",\"hand_length\":" + JsonList(f.hand_length);
  out += ",\"hand_points_by_seat\":" + JsonList(f.points_by_seat);
  out += ",\"discards_by_rank\":" + JsonList(std::span(f.discards_by_rank).subspan(1));
  if (f.matches > 0) {
    out += ",\"match_wins\":" + JsonList(f.match_wins);
    out += ",\"final_points\":[";
    for (int seat = 0; seat < kSeats; ++seat) {
      if (seat != 0) out += ',';
      out += JsonList(f.final_points[seat]);
    }
    out += "]";
  }
  return out + "}";
}

std::string TextFigures(const Figures& f, bool whole_matches) {
  char line[80];
  std::snprintf(line, sizeof line, "turns per hand:      %.2f\n",
                f.hands > 0 ? static_cast<double>(f.turns) / static_cast<double>(f.hands) : 0.0);
  std::string out = line;
  out += "hand points by seat:";
  for (int seat = 0; seat < kSeats; ++seat) out += " " + std::to_string(f.points_by_seat[seat]);
  out += "\ndiscards by rank:   ";
  for (int rank = 1; rank <= 13; ++rank) out += " " + std::to_string(f.discards_by_rank[rank]);
  out += "\n";
  if (whole_matches) {
    out += "match wins by seat: ";
    for (int seat = 0; seat < kSeats; ++seat) out += " " + std::to_string(f.match_wins[seat]);
    out += "\n";
  }
  return out;
}

std::string Fixed(double value) { return std::to_string(value); }

}  // namespace

std::string JsonReport(const RunReport& r) {
  const analysis::Outcome& o = r.outcome;
  const Figures& f = o.figures;
  std::string json = "{\"hands\":" + std::to_string(f.hands) + ",\"seed\":" + std::to_string(r.seed);
  json += ",\"rules\":" + JsonText(r.rules) + ",\"by_end_code\":{";
  for (std::size_t i = 0; i < kCodes.size(); ++i) {
    json += i == 0 ? "\"" : ",\"";
    json += std::to_string(kCodes[i]) + "\":" + std::to_string(ByEndCode(f, kCodes[i]));
  }
  json += "},\"counter_calls\":" + std::to_string(Count(f, Ending::CounterCall));
  json += ",\"checks\":" + std::to_string(o.checks);
  json += ",\"invariant_failures\":" + std::to_string(o.invariant_failures);
  json += ",\"internal_errors\":" + std::to_string(o.internal_errors);
  json += ",\"stalls\":" + std::to_string(o.stalls);
  json += ",\"hands_per_second\":" + std::to_string(static_cast<long long>(r.hands_per_second));
  json += ",\"cpu_seconds\":" + Fixed(r.cpu_seconds) + ",\"wall_seconds\":" + Fixed(r.wall_seconds);
  if (r.whole_matches) {
    json += ",\"matches\":" + std::to_string(f.matches);
    json += ",\"matches_per_second\":" + std::to_string(static_cast<long long>(r.per_second));
    json += ",\"points_by_seat\":" + JsonList(f.final_points_sum);
  }
  if (r.figures) {
    json += ',';
    json += JsonFigures(f);
  }
  json += ",\"failures\":[";
  for (std::size_t i = 0; i < o.failure_notes.size(); ++i) {
    if (i != 0) json += ',';
    json += JsonText(o.failure_notes[i]);
  }
  return json + "],\"ok\":" + (r.ok ? "true}" : "false}");
}

std::string TextReport(const RunReport& r) {
  const analysis::Outcome& o = r.outcome;
  const Figures& f = o.figures;
  std::string out;
  char line[200];
  auto add = [&out](const char* text) { out += text; };
  std::snprintf(line, sizeof line, "hands played:        %lld\n", f.hands);
  add(line);
  for (const int code : kCodes) {
    std::snprintf(line, sizeof line, "  ended with %-3d     %lld\n", code, ByEndCode(f, code));
    add(line);
  }
  std::snprintf(line, sizeof line, "  of them counter-calls %lld\n", Count(f, Ending::CounterCall));
  add(line);
  if (r.whole_matches) {
    std::snprintf(line, sizeof line, "matches played:      %lld\nmatches per second:  %.0f\npoints by seat:     ",
                  f.matches, r.per_second);
    add(line);
    for (int seat = 0; seat < kSeats; ++seat) out += " " + std::to_string(f.final_points_sum[seat]);
    add("\n");
  }
  if (r.figures) out += TextFigures(f, r.whole_matches);
  std::snprintf(line, sizeof line,
                "invariant checks:    %lld\ninvariant failures:  %lld\ninternal errors:     %lld\n"
                "hands per second:    %.0f (%.2f s of processor time, %.2f s elapsed)\n",
                o.checks, o.invariant_failures, o.internal_errors, r.hands_per_second, r.cpu_seconds, r.wall_seconds);
  add(line);
  for (const auto& note : o.failure_notes) out += "  " + note + "\n";
  return out + (r.ok ? "OK\n" : "FAILED\n");
}

}  // namespace winpiruk::runner
