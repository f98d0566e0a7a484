#include "presentation/GameTexts.h"

#include "config/NumberText.h"
#include "state/Translation.h"

namespace winpiruk {

namespace {

// A source text of this file as shown.
std::string Shown(std::string_view source) { return Tr("GameTexts", source.data()); }

std::string AutoPlayOffTitle() { return Tr("GameTexts", "ぴるく  －自動実行解除－"); }
std::string AutoPlayMark() { return Tr("GameTexts", "  [自動実行モード]"); }

}  // namespace

std::string ProgramTitleShown() { return Shown(kProgramTitleText); }

std::string TextOf(TableLabel label, LabelWords words) {
  switch (words) {
    case LabelWords::Blank: return {};
    case LabelWords::MustDiscardAgain: return Shown(kMustDiscardAgainText);
    case LabelWords::MayDiscardAgain: return Shown(kMayDiscardAgainText);
    case LabelWords::Own: break;
  }
  switch (label) {
    case TableLabel::DealerChoicePrompt: return Shown(kDealerChoicePromptText);
    case TableLabel::ReuseMessage: return Shown(kReuseMessageText);
    case TableLabel::ExtraNumberTitle: return Shown(kExtraNumberTitleText);
    case TableLabel::KeyGuideJ: return "J";
    case TableLabel::KeyGuideK: return "K";
    case TableLabel::Countdown: break;
  }
  return {};
}

MessageText TextOf(Question question) {
  switch (question) {
    case Question::DiscardMatch:
      return {Tr("GameTexts", "ぴるく  - 新規ゲーム -"), Tr("GameTexts", "現在進行中のゲームを破棄しますか？"), MessageIcon::Question};
    case Question::DiscardFinish:
      return {Tr("GameTexts", "ぴるく  - 上がり確認 -"), Tr("GameTexts", "'捨て上がり'をしますか？"), MessageIcon::Question};
    case Question::ConfirmCall:
      return {Tr("GameTexts", "ぴるく  - ぴるく確認 -"), Tr("GameTexts", "'ぴるく'しますか？"), MessageIcon::Question};
  }
  return {ProgramTitleShown(), "", MessageIcon::Question};
}

MessageText TextOf(Notice notice) {
  switch (notice) {
    case Notice::NewGameInAutoPlay:
      return {AutoPlayOffTitle(), Tr("GameTexts", "自動実行モードを解除してから、新規ゲームを選択してください."),
              MessageIcon::Exclamation};
    case Notice::NewGameWhileBusy:
      return {AutoPlayOffTitle(), Tr("GameTexts", "自分の番がきたときに、新規ゲームを選択してください."),
              MessageIcon::Exclamation};
    case Notice::AutoPlayFirstMove:
      return {Tr("GameTexts", "ぴるく  －自動実行開始－"),
              Tr("GameTexts", "自動実行モードに入りますが、最初の一手だけは手動にてお願いします。"), MessageIcon::Information};
    case Notice::CloseRefused:
      return {ProgramTitleShown(), Tr("GameTexts", "メニューから'ぴるく の終了'を選択してください."), MessageIcon::Exclamation};
  }
  return {ProgramTitleShown(), "", MessageIcon::Information};
}

MessageText InternalErrorText(int number) {
  switch (number) {
    case 1:
      return {ProgramTitleShown(), "Internal Error(#01).", MessageIcon::Critical};
    case 2:
      return {ProgramTitleShown(), "Internal Error(#02).", MessageIcon::Critical};
    default:
      return {ProgramTitleShown(), "Internal Error(#03).", MessageIcon::Critical};
  }
}

std::string HandTitle(int hand_number, bool auto_play) {
  std::string title = Fill(Tr("GameTexts", "ぴるく  －%1回め－"), {std::to_string(hand_number)});
  if (auto_play) title += AutoPlayMark();
  return title;
}

std::string TitleForPlayMode(std::string_view title, bool auto_play) {
  const std::string mark = AutoPlayMark();
  if (title.ends_with(mark)) title.remove_suffix(mark.size());
  std::string shown(title);
  if (auto_play && title != ProgramTitleShown()) shown += mark;
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
  for (const std::string_view prompt : {kMustDiscardAgainText, kMayDiscardAgainText}) {
    const std::string words = Shown(prompt);
    if (current.starts_with(words)) return words + number;
  }
  return Fill(Tr("GameTexts", "あと%1秒"), {number});
}

}  // namespace winpiruk
