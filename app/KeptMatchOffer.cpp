#include "app/KeptMatchOffer.h"

#include <QMessageBox>
#include <QPushButton>

#include "app/PlayingTable.h"
#include "engine/KeptMatch.h"
#include "gui/common/Awaiting.h"
#include "gui/common/Messages.h"
#include "gui/table/TableWindow.h"
#include <QCoreApplication>

namespace winpiruk {
namespace {

QString WhyNot(KeptMatchRefusal refusal) {
  switch (refusal) {
    case KeptMatchRefusal::Damaged: return QCoreApplication::translate("KeptMatchOffer", "ファイルが壊れています");
    case KeptMatchRefusal::OtherVersion: return QCoreApplication::translate("KeptMatchOffer", "別の版のぴるくで保存されています");
    case KeptMatchRefusal::RulesChanged: return QCoreApplication::translate("KeptMatchOffer", "ルールが変わっています");
    case KeptMatchRefusal::MembersChanged: return QCoreApplication::translate("KeptMatchOffer", "対戦メンバーの記録が変わっています");
    case KeptMatchRefusal::TableBroken: return QCoreApplication::translate("KeptMatchOffer", "カードの並びが正しくありません");
  }
  return {};
}

enum class Answer { Continue, GiveUp, Later };

Answer AskToContinue(QWidget* table) {
  QMessageBox box(QMessageBox::Question, ProgramTitle(),
                  QCoreApplication::translate("KeptMatchOffer", "前回はゲームの途中で終了しました. 続きから始めますか？"),
                  QMessageBox::NoButton, table);
  QPushButton* go_on = box.addButton(QCoreApplication::translate("KeptMatchOffer", "続きから"), QMessageBox::AcceptRole);
  QPushButton* give_up = box.addButton(QCoreApplication::translate("KeptMatchOffer", "破棄"), QMessageBox::DestructiveRole);
  box.setDefaultButton(go_on);
  AwaitDialog(box);
  if (box.clickedButton() == go_on) return Answer::Continue;
  return box.clickedButton() == give_up ? Answer::GiveUp : Answer::Later;
}

}  // namespace

void OfferKeptMatch(PlayingTable& table, GameState& state, const ProgramPaths& paths, StandardRandom& random) {
  const std::optional<std::string> text = ReadKeptMatchFile(paths);
  if (!text) return;
  TableWindow& window = table.window();
  const KeptMatchReading reading = ReadKeptMatch(*text, state);
  if (!reading.kept) {
    RemoveKeptMatch(paths);
    ShowMessage(&window, ProgramTitle(),
                QCoreApplication::translate("KeptMatchOffer", "前回途中で終了したゲームは続けられません (%1). このゲームは破棄しました.")
                    .arg(WhyNot(reading.fault.refusal)),
                QMessageBox::Warning);
    return;
  }
  const Answer answer = AskToContinue(&window);
  if (answer == Answer::Later) return;
  // Taken up or given up, the match is kept again only if it ends unfinished again.
  RemoveKeptMatch(paths);
  if (answer == Answer::GiveUp) return;
  ApplyKeptMatch(*reading.kept, state, random);
  window.ResumeMatch();
}

}  // namespace winpiruk
