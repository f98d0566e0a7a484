#include "presentation/HintTexts.h"

#include "state/Translation.h"

namespace winpiruk {

std::string RefusalText(Refusal why) {
  switch (why) {
    case Refusal::None: return {};
    case Refusal::NotYourTurn: return Tr("HintTexts", "まだあなたの番ではありません");
    case Refusal::NoCardThere: return Tr("HintTexts", "そこにｶｰﾄﾞはありません");
    case Refusal::NoMatch: return Tr("HintTexts", "場のｶｰﾄﾞと同じﾏｰｸか数字のｶｰﾄﾞを出してください");
    case Refusal::NothingToPlay: return Tr("HintTexts", "出せるｶｰﾄﾞがありません. 山札を引いてください (P, ｽﾍﾟｰｽ, 山札のｸﾘｯｸ)");
    case Refusal::PenaltyWaiting: return Tr("HintTexts", "ﾄﾞﾛｰがかかっています. 山札から引くか ﾄﾞﾛｰｶｰﾄﾞを出してください");
    case Refusal::NoDiscardFinish: return Tr("HintTexts", "このﾙｰﾙでは最後の1枚を捨てて上がれません");
    case Refusal::ThrowMoreOfTwo: return Tr("HintTexts", "残り2枚ではｽﾛｰﾓｱは出せません");
    case Refusal::DealerChoiceOnly: return Tr("HintTexts", "場の2枚から好きな方を取ってください");
    case Refusal::DiscardOrDraw: return Tr("HintTexts", "手札から出すか 山札を引いてください");
    case Refusal::MustDiscardAgain: return Tr("HintTexts", "手札からもう一枚捨ててください");
    case Refusal::ClaimTooLate: return Tr("HintTexts", "間に合いませんでした. ぴるくは場札が出てから確認時間のうちに宣言します (J, 場札のｸﾘｯｸ)");
    case Refusal::DiscardAgainOrStop: return Tr("HintTexts", "もう一枚捨てるか 山札をｸﾘｯｸして終えてください");
  }
  return {};
}

std::string PenaltyCountText(int cards) { return "+" + std::to_string(cards); }

}  // namespace winpiruk
