#include "presentation/HintTexts.h"

namespace winpiruk {

std::string_view RefusalText(Refusal why) {
  switch (why) {
    case Refusal::None: return {};
    case Refusal::NotYourTurn: return "まだあなたの番ではありません";
    case Refusal::NoCardThere: return "そこにｶｰﾄﾞはありません";
    case Refusal::NoMatch: return "場のｶｰﾄﾞと同じﾏｰｸか数字のｶｰﾄﾞを出してください";
    case Refusal::NothingToPlay: return "出せるｶｰﾄﾞがありません. 山札を引いてください (P, ｽﾍﾟｰｽ, 山札のｸﾘｯｸ)";
    case Refusal::PenaltyWaiting: return "ﾄﾞﾛｰがかかっています. 山札から引くか ﾄﾞﾛｰｶｰﾄﾞを出してください";
    case Refusal::NoDiscardFinish: return "このﾙｰﾙでは最後の1枚を捨てて上がれません";
    case Refusal::ThrowMoreOfTwo: return "残り2枚ではｽﾛｰﾓｱは出せません";
    case Refusal::DealerChoiceOnly: return "場の2枚から好きな方を取ってください";
    case Refusal::DiscardOrDraw: return "手札から出すか 山札を引いてください";
    case Refusal::MustDiscardAgain: return "手札からもう一枚捨ててください";
    case Refusal::ClaimTooLate: return "間に合いませんでした. ぴるくは場札が出てから確認時間のうちに宣言します (J, 場札のｸﾘｯｸ)";
    case Refusal::DiscardAgainOrStop: return "もう一枚捨てるか 山札をｸﾘｯｸして終えてください";
  }
  return {};
}

std::string PenaltyCountText(int cards) { return "+" + std::to_string(cards); }

}  // namespace winpiruk
