#include "presentation/GameTexts.h"

#include "config/NumberText.h"

namespace winpiruk {

namespace {
constexpr std::string_view kTitle = kProgramTitleText;
constexpr std::string_view kAutoPlayOffTitle = "ぴるく  －自動実行解除－";
constexpr std::string_view kAutoPlayMark = "  [自動実行モード]";
}  // namespace

std::string_view TextOf(TableLabel label, LabelWords words) {
  switch (words) {
    case LabelWords::Blank: return {};
    case LabelWords::MustDiscardAgain: return kMustDiscardAgainText;
    case LabelWords::MayDiscardAgain: return kMayDiscardAgainText;
    case LabelWords::Own: break;
  }
  switch (label) {
    case TableLabel::DealerChoicePrompt: return kDealerChoicePromptText;
    case TableLabel::ReuseMessage: return kReuseMessageText;
    case TableLabel::ExtraNumberTitle: return kExtraNumberTitleText;
    case TableLabel::KeyGuideJ: return "J";
    case TableLabel::KeyGuideK: return "K";
    case TableLabel::Countdown: break;
  }
  return {};
}

MessageText TextOf(Question question) {
  switch (question) {
    case Question::DiscardMatch:
      return {"ぴるく  - 新規ゲーム -", "現在進行中のゲームを破棄しますか？", MessageIcon::Question};
    case Question::DiscardFinish:
      return {"ぴるく  - 上がり確認 -", "'捨て上がり'をしますか？", MessageIcon::Question};
    case Question::ConfirmCall:
      return {"ぴるく  - ぴるく確認 -", "'ぴるく'しますか？", MessageIcon::Question};
  }
  return {kTitle, "", MessageIcon::Question};
}

MessageText TextOf(Notice notice) {
  switch (notice) {
    case Notice::NewGameInAutoPlay:
      return {kAutoPlayOffTitle, "自動実行モードを解除してから、新規ゲームを選択してください.",
              MessageIcon::Exclamation};
    case Notice::NewGameWhileBusy:
      return {kAutoPlayOffTitle, "自分の番がきたときに、新規ゲームを選択してください.", MessageIcon::Exclamation};
    case Notice::AutoPlayFirstMove:
      return {"ぴるく  －自動実行開始－", "自動実行モードに入りますが、最初の一手だけは手動にてお願いします。",
              MessageIcon::Information};
    case Notice::CloseRefused:
      return {kTitle, "メニューから'ぴるく の終了'を選択してください.", MessageIcon::Exclamation};
  }
  return {kTitle, "", MessageIcon::Information};
}

MessageText InternalErrorText(int number) {
  switch (number) {
    case 1:
      return {kTitle, "Internal Error(#01).", MessageIcon::Critical};
    case 2:
      return {kTitle, "Internal Error(#02).", MessageIcon::Critical};
    default:
      return {kTitle, "Internal Error(#03).", MessageIcon::Critical};
  }
}

std::string HandTitle(int hand_number, bool auto_play) {
  std::string title = "ぴるく  －" + std::to_string(hand_number) + "回め－";
  if (auto_play) title += kAutoPlayMark;
  return title;
}

std::string TitleForPlayMode(std::string_view title, bool auto_play) {
  if (title.ends_with(kAutoPlayMark)) title.remove_suffix(kAutoPlayMark.size());
  std::string shown(title);
  if (auto_play && title != kTitle) shown += kAutoPlayMark;
  return shown;
}

int CharacterCount(std::string_view text) {
  int count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) ++count;
  }
  return count;
}

std::string CountdownText(std::string_view current, int seconds) {
  const std::string number = NumberText(seconds);
  if (CharacterCount(current) < 7) return "あと" + number + "秒";
  // Cut after the seventh character, never inside one.
  std::size_t end = 0;
  for (int chars = 0; end < current.size(); ++end) {
    if ((static_cast<unsigned char>(current[end]) & 0xC0U) != 0x80U && chars++ == 7) break;
  }
  return std::string(current.substr(0, end)) + number;
}

}  // namespace winpiruk
