<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Appearance</name>
    <message>
        <source>ﾌﾟﾚｰﾔｰ名</source>
        <translation>Player names</translation>
    </message>
    <message>
        <source>所持枚数</source>
        <translation>Cards held</translation>
    </message>
    <message>
        <source>持ち点</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>ﾒｯｾｰｼﾞ１</source>
        <translation>Message 1</translation>
    </message>
    <message>
        <source>ﾒｯｾｰｼﾞ２</source>
        <translation>Message 2</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>ぴるく for %1
 Version %2

デスクトップ版
札も音も、このプログラムが自分で描いています.</source>
        <translation>Piruk for %1
 Version %2

Desktop edition
The cards and sounds are all drawn and made by this program itself.</translation>
    </message>
</context>
<context>
    <name>Banners</name>
    <message>
        <source>ぴるくがえし</source>
        <translation>Counter-Piruk!</translation>
    </message>
    <message>
        <source>ぴるく</source>
        <translation>Piruk!</translation>
    </message>
</context>
<context>
    <name>CardPictures</name>
    <message>
        <source>「 %1(#%2) 」というファイルが見つかりません。</source>
        <translation>The file “%1” (#%2) cannot be found.</translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <source>ぴるく  －自動実行解除－</source>
        <translation>Piruk - Auto-Play Off</translation>
    </message>
    <message>
        <source>  [自動実行モード]</source>
        <translation>  [Auto-Play]</translation>
    </message>
    <message>
        <source>ぴるく  - 新規ゲーム -</source>
        <translation>Piruk - New Game</translation>
    </message>
    <message>
        <source>現在進行中のゲームを破棄しますか？</source>
        <translation>Abandon the game in progress?</translation>
    </message>
    <message>
        <source>ぴるく  - 上がり確認 -</source>
        <translation>Piruk - Going Out</translation>
    </message>
    <message>
        <source>&apos;捨て上がり&apos;をしますか？</source>
        <translation>Go out with a Discard-Out?</translation>
    </message>
    <message>
        <source>ぴるく  - ぴるく確認 -</source>
        <translation>Piruk - Piruk?</translation>
    </message>
    <message>
        <source>&apos;ぴるく&apos;しますか？</source>
        <translation>Call Piruk?</translation>
    </message>
    <message>
        <source>自動実行モードを解除してから、新規ゲームを選択してください.</source>
        <translation>Switch auto-play off first, then choose New Game.</translation>
    </message>
    <message>
        <source>自分の番がきたときに、新規ゲームを選択してください.</source>
        <translation>Choose New Game when it is your turn.</translation>
    </message>
    <message>
        <source>ぴるく  －自動実行開始－</source>
        <translation>Piruk - Auto-Play On</translation>
    </message>
    <message>
        <source>自動実行モードに入りますが、最初の一手だけは手動にてお願いします。</source>
        <translation>Auto-play starts now, but please make the first move yourself.</translation>
    </message>
    <message>
        <source>メニューから&apos;ぴるく の終了&apos;を選択してください.</source>
        <translation>Please choose &apos;Exit Piruk&apos; from the Game menu.</translation>
    </message>
    <message>
        <source>ぴるく  －%1回め－</source>
        <translation>Piruk - Hand %1</translation>
    </message>
    <message>
        <source>あと%1秒</source>
        <translation>Time:%1 s</translation>
    </message>
    <message>
        <source>好きな方を取ってください .</source>
        <translation>Take the one you like.</translation>
    </message>
    <message>
        <source>場札を再度使います.</source>
        <translation>The discards are used again.</translation>
    </message>
    <message>
        <source>ｴｸｽﾄﾗﾅﾝﾊﾞｰ</source>
        <translation>Extra Number</translation>
    </message>
    <message>
        <source>ぴるく</source>
        <translation>Piruk</translation>
    </message>
    <message>
        <source>もう一枚捨てて</source>
        <translation>Discard again</translation>
    </message>
    <message>
        <source>さらに捨てる？</source>
        <translation>Discard more?</translation>
    </message>
</context>
<context>
    <name>GroupNames</name>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>「,」を「，」に置き換え</source>
        <translation>“,” becomes “，”</translation>
    </message>
    <message>
        <source>先頭の空白と保存できない文字を取り除き</source>
        <translation>the leading blanks and the characters that cannot be stored are taken out</translation>
    </message>
    <message>
        <source>先頭の空白を取り除き</source>
        <translation>the leading blanks are taken out</translation>
    </message>
    <message>
        <source>保存できない文字を取り除き</source>
        <translation>the characters that cannot be stored are taken out</translation>
    </message>
    <message>
        <source>更新すると%1ます。</source>
        <translation>When the name is updated, %1.</translation>
    </message>
    <message>
        <source>%1ました。</source>
        <translation>The name was changed: %1.</translation>
    </message>
</context>
<context>
    <name>HandResult</name>
    <message>
        <source>10 枚を越えました！</source>
        <translation>Ten-Card Overflow!</translation>
    </message>
    <message>
        <source>負けた人</source>
        <translation>Loser</translation>
    </message>
    <message>
        <source> 各プレーヤーへ20点(計60点)払います.</source>
        <translation> Pays 20 points to each player (60 in all).</translation>
    </message>
    <message>
        <source>上がった人 </source>
        <translation>Winner </translation>
    </message>
    <message>
        <source> 各プレーヤーから５点(計15点)づつもらいます.</source>
        <translation> Receives 5 points from each player (15 in all).</translation>
    </message>
    <message>
        <source> &apos;捨てあがり&apos;は得点になりません。</source>
        <translation> A Discard-Out scores nothing.</translation>
    </message>
    <message>
        <source>各プレーヤーへ５点(計15点)払います.</source>
        <translation>Pays 5 points to each player (15 in all).</translation>
    </message>
    <message>
        <source>イニシャルマッチ！</source>
        <translation>Initial Match!</translation>
    </message>
    <message>
        <source> イニシャルマッチ！</source>
        <translation> Initial Match!</translation>
    </message>
    <message>
        <source> 各プレーヤーから30点貰います(計90点). </source>
        <translation> Receives 30 points from each player (90 in all). </translation>
    </message>
    <message>
        <source> 基礎点=%1点 + 20点(3枚上がり)  </source>
        <translation> Base = %1 pts + 20 pts (out with 3 cards)  </translation>
    </message>
    <message>
        <source> 基礎点=%1点  </source>
        <translation> Base = %1 pts  </translation>
    </message>
    <message>
        <source> ﾄﾞﾛｰｶｰﾄﾞ%1枚</source>
        <translation> Draw cards: %1</translation>
    </message>
    <message>
        <source> ｴｸｽﾄﾗﾅﾝﾊﾞｰ%1枚</source>
        <translation> Extra Number: %1</translation>
    </message>
    <message>
        <source> 取り札２順目(1役)</source>
        <translation> Second round (1 yaku)</translation>
    </message>
    <message>
        <source> ぴるくがえし(2役)</source>
        <translation> Counter-Piruk (2 yaku)</translation>
    </message>
    <message>
        <source>%1枚上がり(%2役)</source>
        <translation>out with%1 cards (%2 yaku)</translation>
    </message>
    <message>
        <source>  [ %1点 × (役%2 +1) + 20点 =%3点 ]</source>
        <translation>  [ %1 pts × (yaku %2 +1) + 20 pts =%3 pts ]</translation>
    </message>
    <message>
        <source>  [ %1点 × (役%2 +1) =%3点 ]</source>
        <translation>  [ %1 pts × (yaku %2 +1) =%3 pts ]</translation>
    </message>
    <message>
        <source>ぴるく </source>
        <translation>Piruk! </translation>
    </message>
    <message>
        <source>振り込んだ人 </source>
        <translation>Dealt in </translation>
    </message>
    <message>
        <source>ｴｸｽﾄﾗ ﾅﾝﾊﾞｰ</source>
        <translation>Extra Number</translation>
    </message>
    <message>
        <source>ゲームはお流れです...</source>
        <translation>The hand is void...</translation>
    </message>
    <message>
        <source>10ｵｰﾊﾞｰ失点</source>
        <translation>Overflow loss</translation>
    </message>
    <message>
        <source>10ｵｰﾊﾞｰ分</source>
        <translation>Overflow share</translation>
    </message>
    <message>
        <source>捨てあがり</source>
        <translation>Discard-Out</translation>
    </message>
    <message>
        <source>捨てあがり失点</source>
        <translation>Discard-Out loss</translation>
    </message>
    <message>
        <source>捨てあがり分</source>
        <translation>Discard-Out share</translation>
    </message>
    <message>
        <source>ｲﾆｼｬﾙあがり</source>
        <translation>Initial Match win</translation>
    </message>
    <message>
        <source>被ｲﾆｼｬﾙ失点</source>
        <translation>Initial Match loss</translation>
    </message>
    <message>
        <source>あがり</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>振込み</source>
        <translation>Dealt in</translation>
    </message>
</context>
<context>
    <name>HintTexts</name>
    <message>
        <source>まだあなたの番ではありません</source>
        <translation>It is not your turn yet</translation>
    </message>
    <message>
        <source>そこにｶｰﾄﾞはありません</source>
        <translation>There is no card there</translation>
    </message>
    <message>
        <source>場のｶｰﾄﾞと同じﾏｰｸか数字のｶｰﾄﾞを出してください</source>
        <translation>Play a card of the same suit or rank as the top discard</translation>
    </message>
    <message>
        <source>出せるｶｰﾄﾞがありません. 山札を引いてください (P, ｽﾍﾟｰｽ, 山札のｸﾘｯｸ)</source>
        <translation>No card can be played. Draw from the draw pile (P, Space, or click the draw pile)</translation>
    </message>
    <message>
        <source>ﾄﾞﾛｰがかかっています. 山札から引くか ﾄﾞﾛｰｶｰﾄﾞを出してください</source>
        <translation>A Draw penalty is waiting. Draw from the draw pile or play a Draw card</translation>
    </message>
    <message>
        <source>このﾙｰﾙでは最後の1枚を捨てて上がれません</source>
        <translation>These rules do not let you go out by discarding your last card</translation>
    </message>
    <message>
        <source>残り2枚ではｽﾛｰﾓｱは出せません</source>
        <translation>The Throw-Again card cannot be played with two cards left</translation>
    </message>
    <message>
        <source>場の2枚から好きな方を取ってください</source>
        <translation>Take whichever of the two cards you like</translation>
    </message>
    <message>
        <source>手札から出すか 山札を引いてください</source>
        <translation>Play a card from your hand or draw from the draw pile</translation>
    </message>
    <message>
        <source>手札からもう一枚捨ててください</source>
        <translation>Discard one more card from your hand</translation>
    </message>
    <message>
        <source>間に合いませんでした. ぴるくは場札が出てから確認時間のうちに宣言します (J, 場札のｸﾘｯｸ)</source>
        <translation>Too late. Piruk must be called within the grace time after the discard (J, or click the discard pile)</translation>
    </message>
    <message>
        <source>もう一枚捨てるか 山札をｸﾘｯｸして終えてください</source>
        <translation>Discard one more card, or click the draw pile to end your turn</translation>
    </message>
</context>
<context>
    <name>KeptMatchOffer</name>
    <message>
        <source>ファイルが壊れています</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>別の版のぴるくで保存されています</source>
        <translation>it was saved by another version of Piruk</translation>
    </message>
    <message>
        <source>ルールが変わっています</source>
        <translation>the rules have changed</translation>
    </message>
    <message>
        <source>対戦メンバーの記録が変わっています</source>
        <translation>the members&apos; records have changed</translation>
    </message>
    <message>
        <source>カードの並びが正しくありません</source>
        <translation>the cards are not in a valid order</translation>
    </message>
    <message>
        <source>前回はゲームの途中で終了しました. 続きから始めますか？</source>
        <translation>Last time the program ended in the middle of a game. Continue where you left off?</translation>
    </message>
    <message>
        <source>続きから</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>破棄</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>前回途中で終了したゲームは続けられません (%1). このゲームは破棄しました.</source>
        <translation>The game left unfinished last time cannot be continued (%1). It has been discarded.</translation>
    </message>
</context>
<context>
    <name>MemberDecision</name>
    <message>
        <source>%1点		%2</source>
        <translation>%1 pts		%2</translation>
    </message>
    <message>
        <source> 親は %1 です.</source>
        <translation> The dealer is %1.</translation>
    </message>
    <message>
        <source> 対戦メンバーをあと %1 人選んでください.</source>
        <translation> Choose %1 more opponent(s).</translation>
    </message>
    <message>
        <source> %1 を選んだので %2 を外しました (対戦メンバーは3人まで).</source>
        <translation> %1 was chosen, so %2 was taken off (3 opponents at most).</translation>
    </message>
    <message>
        <source> 対戦メンバーは3人までです. 入れ替えるときは先に誰かを外してください.</source>
        <translation> There are 3 opponents at most. To change one, take someone off first.</translation>
    </message>
    <message>
        <source> 親を決めます、カードを選んでください</source>
        <translation> Choosing the dealer: pick a card</translation>
    </message>
    <message>
        <source> %1 が引きます.</source>
        <translation> %1 draws.</translation>
    </message>
    <message>
        <source> 親は %1 に決まりました.</source>
        <translation> %1 is the dealer.</translation>
    </message>
</context>
<context>
    <name>MemberFiles</name>
    <message>
        <source>メンバーファイル「%1」を正しく読み込めませんでした.
</source>
        <translation>The member file “%1” could not be read correctly.
</translation>
    </message>
    <message>
        <source>元のファイルは「%1」として残しました.
</source>
        <translation>The original file was kept as “%1”.
</translation>
    </message>
    <message>
        <source>元のファイルを別の名前で残すこともできませんでした.
</source>
        <translation>The original file could not be kept under another name either.
</translation>
    </message>
    <message>
        <source>このファイルのメンバーは初期値で始めます.</source>
        <translation>The members of this file start from their initial values.</translation>
    </message>
</context>
<context>
    <name>MemberRowDelegate</name>
    <message>
        <source>-00000点</source>
        <translation>-00000 pts</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>ぴるく</source>
        <translation>Piruk</translation>
    </message>
    <message>
        <source>ファイルに正しく書き込めませんでした</source>
        <translation>The file could not be written correctly</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>「 %1 」というBGMファイルを開けません。</source>
        <translation>The music file “%1” cannot be opened.</translation>
    </message>
</context>
<context>
    <name>QtTableView</name>
    <message>
        <source>山札</source>
        <translation>Draw pile</translation>
    </message>
    <message>
        <source>%1枚 </source>
        <translation>%1 cards</translation>
    </message>
</context>
<context>
    <name>RuleSets</name>
    <message>
        <source>
カードデータの格納されているパス指定が無効です。

正しいパスを入力してください.


ぴるく
Version %1

カードの絵とサウンドは、このプログラムと一緒にインストールされています.</source>
        <translation>
The folder given for the card data is not valid.

Please enter the right folder.


Piruk
Version %1

The card pictures and sounds are installed with this program.</translation>
    </message>
</context>
<context>
    <name>RuleSettings</name>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>３秒</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>６秒</source>
        <translation>6 s</translation>
    </message>
    <message>
        <source>９秒</source>
        <translation>9 s</translation>
    </message>
    <message>
        <source>通常形式</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>&apos;ｲﾆｼｬﾙ&apos;なし</source>
        <translation>No Initial Match</translation>
    </message>
    <message>
        <source>&apos;捨て上がり&apos;有</source>
        <translation>With Discard-Out</translation>
    </message>
    <message>
        <source>&apos;捨て上がり&apos;のみ</source>
        <translation>Discard-Out only</translation>
    </message>
    <message>
        <source>&apos;乗算&apos;も認める</source>
        <translation>Multiplication too</translation>
    </message>
    <message>
        <source>60点</source>
        <translation>60 pts</translation>
    </message>
    <message>
        <source>120点</source>
        <translation>120 pts</translation>
    </message>
    <message>
        <source>150点</source>
        <translation>150 pts</translation>
    </message>
    <message>
        <source>300点</source>
        <translation>300 pts</translation>
    </message>
    <message>
        <source>遅い</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>速い</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>高速</source>
        <translation>Very fast</translation>
    </message>
    <message>
        <source>Ａ</source>
        <translation>A</translation>
    </message>
    <message>
        <source>２</source>
        <translation>2</translation>
    </message>
    <message>
        <source>３</source>
        <translation>3</translation>
    </message>
    <message>
        <source>４</source>
        <translation>4</translation>
    </message>
    <message>
        <source>５</source>
        <translation>5</translation>
    </message>
    <message>
        <source>６</source>
        <translation>6</translation>
    </message>
    <message>
        <source>７</source>
        <translation>7</translation>
    </message>
    <message>
        <source>８</source>
        <translation>8</translation>
    </message>
    <message>
        <source>９</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Ｊ</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Ｑ</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Ｋ</source>
        <translation>K</translation>
    </message>
</context>
<context>
    <name>RulesDialog</name>
    <message>
        <source>×0.1秒</source>
        <translation>× 0.1 s</translation>
    </message>
    <message>
        <source>×0.1秒 (%1.%2秒)</source>
        <translation>× 0.1 s (%1.%2 s)</translation>
    </message>
    <message>
        <source>スキップカード(&amp;C)</source>
        <translation>Skip &amp;card</translation>
    </message>
    <message>
        <source>ひとり飛ばしとなるカードです</source>
        <translation>The card that skips the next player</translation>
    </message>
    <message>
        <source>ドローカード(&amp;D)</source>
        <translation>&amp;Draw card</translation>
    </message>
    <message>
        <source>無条件にカードを引かせます</source>
        <translation>The card that makes the next player draw, whatever they hold</translation>
    </message>
    <message>
        <source>ドロー枚数(&amp;N)</source>
        <translation>&amp;Number to draw</translation>
    </message>
    <message>
        <source>ドローカードで引かせる枚数です</source>
        <translation>How many cards the Draw card makes the next player draw</translation>
    </message>
    <message>
        <source>リバースカード(&amp;F)</source>
        <translation>Reverse card (&amp;F)</translation>
    </message>
    <message>
        <source>進行方向を逆転させるカードです</source>
        <translation>The card that reverses the direction of play</translation>
    </message>
    <message>
        <source>スローモア(&amp;M)</source>
        <translation>Throw-Again card (&amp;M)</translation>
    </message>
    <message>
        <source>もう１枚続けて捨てることができるカードです</source>
        <translation>The card that lets you discard one more card at once</translation>
    </message>
    <message>
        <source>捨てる義務(&amp;Z)</source>
        <translation>Must discard (&amp;Z)</translation>
    </message>
    <message>
        <source>最後の１枚でも捨てなければなりません</source>
        <translation>You must discard even your last card</translation>
    </message>
    <message>
        <source>ゲーム回数(&amp;K)</source>
        <translation>Hands per match (&amp;K)</translation>
    </message>
    <message>
        <source>上がり方(&amp;A)</source>
        <translation>W&amp;ays to win</translation>
    </message>
    <message>
        <source>上がり方を指定します</source>
        <translation>Chooses how a hand can be won</translation>
    </message>
    <message>
        <source>ヤキトリ(&amp;Y)</source>
        <translation>&amp;Yakitori</translation>
    </message>
    <message>
        <source>1度も上がれなかったときのペナルティです</source>
        <translation>The penalty for a player who won no hand in the match</translation>
    </message>
    <message>
        <source>ぴるくがえし(&amp;G)</source>
        <translation>Counter-Piruk (&amp;G)</translation>
    </message>
    <message>
        <source>ぴるくがえしの有効/無効を選択します</source>
        <translation>Turns Counter-Piruk on or off</translation>
    </message>
    <message>
        <source>終了時ウマ(&amp;U)</source>
        <translation>&amp;Uma at match end</translation>
    </message>
    <message>
        <source>ゲーム終了時にメンバー間ウマの有効/無効を選択します</source>
        <translation>Turns the Uma between members at the end of a match on or off</translation>
    </message>
    <message>
        <source>エクストラナンバー(&amp;E)</source>
        <translation>&amp;Extra number</translation>
    </message>
    <message>
        <source>麻雀での裏ドラのようなボーナスナンバーです</source>
        <translation>A bonus number, like the hidden dora in mahjong</translation>
    </message>
    <message>
        <source>多数上がりﾎﾞｰﾅｽ(&amp;O)</source>
        <translation>Many-card b&amp;onus</translation>
    </message>
    <message>
        <source>３枚以上の手札のときボーナス得点が加算されます</source>
        <translation>Adds bonus points to a win with three or more cards in hand</translation>
    </message>
    <message>
        <source>&apos;A&apos;を11としても扱う(&amp;I)</source>
        <translation>Also count &apos;A&apos; as 11 (&amp;I)</translation>
    </message>
    <message>
        <source>&apos;A&apos;の数を11として計算して上がることもできるようにします(手札のときだけ)</source>
        <translation>Lets an &apos;A&apos; count as 11 as well when adding up a win (cards in hand only)</translation>
    </message>
    <message>
        <source>進行速度(&amp;P)</source>
        <translation>Game s&amp;peed</translation>
    </message>
    <message>
        <source>時間制限(&amp;T)</source>
        <translation>&amp;Time limit</translation>
    </message>
    <message>
        <source>捨てるときの時間制限を有効/無効にします</source>
        <translation>Turns the time limit for discarding on or off</translation>
    </message>
    <message>
        <source>カードオープン(&amp;Q)</source>
        <translation>Open cards (&amp;Q)</translation>
    </message>
    <message>
        <source>サウンド</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>する(&amp;W)</source>
        <translation>On (&amp;W)</translation>
    </message>
    <message>
        <source>上がりを自動判定します</source>
        <translation>Detects a win automatically</translation>
    </message>
    <message>
        <source>しない(&amp;X)</source>
        <translation>Off (&amp;X)</translation>
    </message>
    <message>
        <source>上がるときは、捨て札をダブルクリックしないと上がれません</source>
        <translation>To win, you must double-click the top discard</translation>
    </message>
    <message>
        <source>確認(&amp;B)</source>
        <translation>Ask &amp;before calling</translation>
    </message>
    <message>
        <source>自動判定により上がれるとき、上がるかどうかの意志確認をします</source>
        <translation>When a win is detected, asks whether you want to call it</translation>
    </message>
    <message>
        <source>確認時間(&amp;J)</source>
        <translation>Grace time (&amp;J)</translation>
    </message>
    <message>
        <source>上がるときの、ダブルクリック猶予時間の指定です</source>
        <translation>How long you have to double-click to win</translation>
    </message>
    <message>
        <source>タスク譲渡(&amp;L)</source>
        <translation>&amp;Let other programs run</translation>
    </message>
    <message>
        <source>水平位置(&amp;H)</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>垂直位置(&amp;V)</source>
        <translation>&amp;Vertical</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>初期状態に戻す(&amp;R)</source>
        <translation>&amp;Reset to defaults</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>ルール設定ファイルを開きます</source>
        <translation>Opens a rule set file</translation>
    </message>
    <message>
        <source>保存(&amp;S)...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>現在の設定状態を保存できます</source>
        <translation>Saves the settings as they stand to a rule set file</translation>
    </message>
    <message>
        <source>ﾙｰﾙ分析(&amp;L)...</source>
        <translation>Ana&amp;lyse Rules...</translation>
    </message>
    <message>
        <source>画面のルールで多数の局を対戦させ、結果をグラフで示します</source>
        <translation>Plays many hands under the rules on screen and charts the results</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ヘルプの目次を開きます (F1)</source>
        <translation>Opens the help contents (F1)</translation>
    </message>
    <message>
        <source>その他の設定(&amp;S) &gt;&gt;</source>
        <translation>More &amp;settings &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; その他の設定(&amp;S)</source>
        <translation>&lt;&lt; More &amp;settings</translation>
    </message>
    <message>
        <source>ルール原則</source>
        <translation>Basic rules</translation>
    </message>
    <message>
        <source>ルール補足</source>
        <translation>Extra rules</translation>
    </message>
    <message>
        <source>ゲーム環境</source>
        <translation>Game options</translation>
    </message>
    <message>
        <source>ぴるく自動判定</source>
        <translation>Automatic Piruk detection</translation>
    </message>
    <message>
        <source>システム</source>
        <translation>System</translation>
    </message>
    <message>
        <source>カード位置微調整</source>
        <translation>Card position fine-tuning</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>
カードデータの格納されているパスを入力してください.


ぴるく
Version %1

カードの絵とサウンドは、このプログラムと一緒にインストールされています.</source>
        <translation>
Enter the folder that holds the card data.


Piruk
Version %1

The card pictures and sounds are installed with this program.</translation>
    </message>
    <message>
        <source>「%1」にないファイル: </source>
        <translation>Files missing from “%1”: </translation>
    </message>
    <message>
        <source> ほか%1個</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>「%1」にカードの絵がありません.
</source>
        <translation>“%1” holds no card pictures.
</translation>
    </message>
</context>
<context>
    <name>SettingsWindowParts</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Settlement</name>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>ゲーム時間 :%1分</source>
        <translation>Game time :%1 min</translation>
    </message>
</context>
<context>
    <name>SoundSettings</name>
    <message>
        <source>ぴるく</source>
        <translation>Piruk</translation>
    </message>
    <message>
        <source>ぴるくがえし</source>
        <translation>Counter-Piruk</translation>
    </message>
    <message>
        <source>イニシャル</source>
        <translation>Initial Match</translation>
    </message>
    <message>
        <source>10枚オーバー</source>
        <translation>Ten-Card Overflow</translation>
    </message>
    <message>
        <source>ノーゲーム</source>
        <translation>Void hand</translation>
    </message>
    <message>
        <source>ゲームオーバー</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>ｶｰﾄﾞ配布/捨て</source>
        <translation>Dealing / discarding</translation>
    </message>
</context>
<context>
    <name>SpokenTable</name>
    <message>
        <source>%1の%2</source>
        <translation>%2 of %1</translation>
    </message>
    <message>
        <source>伏せたカード</source>
        <translation>face-down card</translation>
    </message>
    <message>
        <source>%1: %2枚, %3点</source>
        <translation>%1: %2 cards, %3 points</translation>
    </message>
    <message>
        <source>%1の番です</source>
        <translation>%1&apos;s turn</translation>
    </message>
    <message>
        <source>ﾄﾞﾛｰ %1 → %2</source>
        <translation>Draw %1 → %2</translation>
    </message>
    <message>
        <source>ハート</source>
        <translation>hearts</translation>
    </message>
    <message>
        <source>スペード</source>
        <translation>spades</translation>
    </message>
    <message>
        <source>ダイヤ</source>
        <translation>diamonds</translation>
    </message>
    <message>
        <source>クラブ</source>
        <translation>clubs</translation>
    </message>
</context>
<context>
    <name>StorablePath</name>
    <message>
        <source>「改行」</source>
        <translation>“line break”</translation>
    </message>
    <message>
        <source>「 %1 」

このパスには、設定ファイルに保存できない文字があります: %2

設定は変更されていません。これらの文字を含まない場所を選んでください。</source>
        <translation>“ %1 ”

This path holds characters that the settings file cannot store: %2

The settings have not been changed. Please choose a place without these characters.</translation>
    </message>
</context>
<context>
    <name>TableCommands</name>
    <message>
        <source>表示する言語は、次に起動したときから切り替わります.</source>
        <translation>The language changes the next time the game starts.</translation>
    </message>
</context>
<context>
    <name>TableMenus</name>
    <message>
        <source>ｹﾞｰﾑ(&amp;G&amp;ｹ)</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>新規ゲーム(&amp;N&amp;ﾆ)...</source>
        <translation>&amp;New Game...</translation>
    </message>
    <message>
        <source>対戦成績(&amp;R&amp;ｾ)...</source>
        <translation>Statistics(&amp;R)...</translation>
    </message>
    <message>
        <source>ﾌﾟﾚｲﾔｰﾊﾟﾗﾒｰﾀ(&amp;P&amp;ﾊ)...</source>
        <translation>&amp;Player Parameters...</translation>
    </message>
    <message>
        <source>実行モード(&amp;M&amp;ﾓ)</source>
        <translation>Play &amp;Mode</translation>
    </message>
    <message>
        <source>手動(&amp;M&amp;ｼ)</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>自動(&amp;A&amp;ｵ)</source>
        <translation>&amp;Automatic</translation>
    </message>
    <message>
        <source>ぴるく の終了(&amp;X&amp;ｼ)</source>
        <translation>E&amp;xit Piruk</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ(&amp;O&amp;ｵ)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>設定(&amp;S&amp;ｾ)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>ﾙｰﾙ設定(&amp;R&amp;ﾙ)...</source>
        <translation>&amp;Rules...</translation>
    </message>
    <message>
        <source>文字色設定(&amp;C&amp;ﾓ)...</source>
        <translation>Text &amp;Colours...</translation>
    </message>
    <message>
        <source>盤面背景設定(&amp;W&amp;ｶ)...</source>
        <translation>Table Background(&amp;W)...</translation>
    </message>
    <message>
        <source>ｻｳﾝﾄﾞ設定(&amp;M&amp;ｵ)...</source>
        <translation>Sound &amp;&amp; &amp;Music...</translation>
    </message>
    <message>
        <source>ｶｰﾄﾞ設定(&amp;D&amp;ﾃ)...</source>
        <translation>Car&amp;ds...</translation>
    </message>
    <message>
        <source>設定ﾌｧｲﾙを開く(&amp;L)...</source>
        <translation>&amp;Load Rule Set...</translation>
    </message>
    <message>
        <source>設定の保存(&amp;S)...</source>
        <translation>&amp;Save Rule Set...</translation>
    </message>
    <message>
        <source>ｸﾞﾙｰﾌﾟ選択/ﾒﾝﾊﾞｰ名変更(&amp;M&amp;ｸ)...</source>
        <translation>Groups and &amp;Members...</translation>
    </message>
    <message>
        <source>BGMｺﾝﾄﾛｰﾙ(&amp;B&amp;ﾋ)</source>
        <translation>&amp;Background Music</translation>
    </message>
    <message>
        <source>一時停止/解除(&amp;P&amp;ﾎ)</source>
        <translation>&amp;Pause / Resume</translation>
    </message>
    <message>
        <source>1曲進む(&amp;N&amp;ﾂ)</source>
        <translation>&amp;Next Piece</translation>
    </message>
    <message>
        <source>1曲戻す(&amp;B&amp;ﾓ)</source>
        <translation>&amp;Back One Piece</translation>
    </message>
    <message>
        <source>対応ｷｰ表示(&amp;K&amp;ｷ)</source>
        <translation>Show &amp;Keys</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳに合わせて拡大(&amp;Z&amp;ｶ)</source>
        <translation>&amp;Zoom with the Window</translation>
    </message>
    <message>
        <source>出せるｶｰﾄﾞの表示(&amp;P&amp;ﾀ)</source>
        <translation>Mark &amp;Playable Cards</translation>
    </message>
    <message>
        <source>4色ﾃﾞｯｷ(&amp;F&amp;ﾖ)</source>
        <translation>&amp;Four-Colour Deck</translation>
    </message>
    <message>
        <source>言語(&amp;L&amp;ｹ)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>ﾙｰﾙ分析(&amp;Y&amp;ﾌ)...</source>
        <translation>Rule Anal&amp;yser...</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H&amp;ﾙ)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>目次(&amp;C&amp;ﾓ)</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A&amp;ﾊ)...</source>
        <translation>&amp;About Piruk...</translation>
    </message>
</context>
<context>
    <name>TableWidgets</name>
    <message>
        <source>ここをクリックすると、１枚引けます</source>
        <translation>Click here to draw a card</translation>
    </message>
    <message>
        <source>ここをダブルクリックすれば、BGMを１曲進めることができます</source>
        <translation>Double-click here to skip to the next piece of music</translation>
    </message>
    <message>
        <source>[%1点 ]</source>
        <translation>[%1 pts]</translation>
    </message>
</context>
<context>
    <name>winpiruk::AboutDialog</name>
    <message>
        <source>ぴるく のﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About Piruk</translation>
    </message>
</context>
<context>
    <name>winpiruk::BackgroundDialog</name>
    <message>
        <source>ぴるく  - 盤面背景設定 -</source>
        <translation>Piruk - Table Background</translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>自動サイズ調整</source>
        <translation>Fit to the table</translation>
    </message>
    <message>
        <source>更新(&amp;A)</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>無地(&amp;N)</source>
        <translation>&amp;No picture</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名 : %1</source>
        <translation>File name: %1</translation>
    </message>
    <message>
        <source>ぴるく  －盤面背景設定－</source>
        <translation>Piruk - Table Background</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>The file cannot be found.</translation>
    </message>
</context>
<context>
    <name>winpiruk::CardBackDialog</name>
    <message>
        <source>ぴるく  - カード設定 -</source>
        <translation>Piruk - Card Back</translation>
    </message>
    <message>
        <source>カードの裏の絵柄</source>
        <translation>Card back designs</translation>
    </message>
</context>
<context>
    <name>winpiruk::DealerDrawPage</name>
    <message>
        <source>A ﾁ</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B ｺ</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C ｿ</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D ｼ</source>
        <translation>D</translation>
    </message>
    <message>
        <source>%1  [親]</source>
        <translation>%1  [Dealer]</translation>
    </message>
</context>
<context>
    <name>winpiruk::FiguresChart</name>
    <message>
        <source>上がり方 (局の割合)</source>
        <translation>How hands end (share of hands)</translation>
    </message>
    <message>
        <source>1局の手番数  平均 %1 手</source>
        <translation>Turns per hand  mean %1</translation>
    </message>
    <message>
        <source>1局あたりの得点 (席ごと)</source>
        <translation>Points per hand (by seat)</translation>
    </message>
    <message>
        <source>赤: </source>
        <translation>red: </translation>
    </message>
    <message>
        <source>捨てられた数字 (割合)</source>
        <translation>Discards by rank (%)</translation>
    </message>
    <message>
        <source>試合終了時の得点 (全席, 10点きざみ)</source>
        <translation>Points at match end (all seats, steps of 10)</translation>
    </message>
    <message>
        <source>試合に勝った割合 (席ごと)</source>
        <translation>Matches won (share, by seat)</translation>
    </message>
    <message>
        <source>・</source>
        <extracomment>Joins two roles of one rank in the chart&apos;s legend.</extracomment>
        <translation>+</translation>
    </message>
    <message>
        <source>ｽｷｯﾌﾟ</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>ﾄﾞﾛｰ</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>ﾘﾊﾞｰｽ</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>ﾓｱ</source>
        <translation>Again</translation>
    </message>
    <message>
        <source>ぴるく</source>
        <translation>Piruk</translation>
    </message>
    <message>
        <source>ぴるくがえし</source>
        <translation>Counter</translation>
    </message>
    <message>
        <source>捨て上がり</source>
        <translation>Discard-Out</translation>
    </message>
    <message>
        <source>ｵｰﾊﾞｰ</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>お流れ</source>
        <translation>No game</translation>
    </message>
    <message>
        <source>ｲﾆｼｬﾙ</source>
        <translation>Initial</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>%1 局</source>
        <translation>%1 hands</translation>
    </message>
    <message>
        <source>%1 試合</source>
        <translation>%1 matches</translation>
    </message>
</context>
<context>
    <name>winpiruk::FileChooser</name>
    <message>
        <source>  (ﾎｰﾑ)</source>
        <translation>  (home)</translation>
    </message>
    <message>
        <source>ﾄﾞﾗｲﾌﾞ</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>ﾌｫﾙﾀﾞ</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>winpiruk::GroupDialog</name>
    <message>
        <source>ぴるく  －ｸﾞﾙｰﾌﾟ選択/ﾒﾝﾊﾞｰ名変更－</source>
        <translation>Piruk - Choose Group / Rename Members</translation>
    </message>
    <message>
        <source>グループ</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>グループ %1 のメンバーと対戦します</source>
        <translation>Play against the members of group %1</translation>
    </message>
    <message>
        <source>更新(&amp;A)</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ﾒﾝﾊﾞｰ名をｸﾘｯｸすると、名前の変更ができます。</source>
        <translation>Click a member&apos;s name to rename them.</translation>
    </message>
    <message>
        <source>持ち点 %1点</source>
        <translation>Points: %1</translation>
    </message>
    <message>
        <source>クリックすると名前を変更できます</source>
        <translation>Click to rename</translation>
    </message>
    <message>
        <source>※ %1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <source>メンバー %1 :</source>
        <translation>Member %1:</translation>
    </message>
</context>
<context>
    <name>winpiruk::HandResultDialog</name>
    <message>
        <source>ぴるく  －結果－</source>
        <translation>Piruk - Result</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abort</translation>
    </message>
</context>
<context>
    <name>winpiruk::HelpWindow</name>
    <message>
        <source>ぴるく  - ヘルプ -</source>
        <translation>Piruk - Help</translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>戻る(&amp;B)</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>「 %1 」というファイルが見つかりません。</source>
        <translation>The file “%1” cannot be found.</translation>
    </message>
</context>
<context>
    <name>winpiruk::MatchEndDialog</name>
    <message>
        <source>ぴるく  －ゲーム終了－</source>
        <translation>Piruk - End of Match</translation>
    </message>
    <message>
        <source>プレーヤー</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>得点</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>ｳﾏ</source>
        <translation>Uma</translation>
    </message>
    <message>
        <source>ﾔｷﾄﾘ</source>
        <translation>Yakitori</translation>
    </message>
    <message>
        <source>ﾄｰﾀﾙ</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>もう一度遊びますか？ </source>
        <translation>Play again? </translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>メンバー変更(&amp;M)...</source>
        <translation>Change &amp;Members...</translation>
    </message>
    <message>
        <source>考察(&amp;R)...</source>
        <translation>&amp;Review...</translation>
    </message>
    <message>
        <source>ぴるく  －自動実行解除－</source>
        <translation>Piruk - Auto-Play Off</translation>
    </message>
    <message>
        <source>メンバーを変更する場合は、自動実行モードを一旦解除します。</source>
        <translation>To change the members, auto-play is switched off first.</translation>
    </message>
</context>
<context>
    <name>winpiruk::MatchReviewDialog</name>
    <message>
        <source>ぴるく  - 考察 -</source>
        <translation>Piruk - Review</translation>
    </message>
</context>
<context>
    <name>winpiruk::OpenRuleSetDialog</name>
    <message>
        <source>ぴるく  - 設定ﾌｧｲﾙを開く -</source>
        <translation>Piruk - Open Rule Set</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名 :</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>このファイルを読み込めませんでした。</source>
        <translation>This file could not be read.</translation>
    </message>
    <message>
        <source>このファイルには読み込めない値があります。</source>
        <translation>This file holds values that cannot be read.</translation>
    </message>
    <message>
        <source>%1

%2
設定は変更されていません。</source>
        <translation>%1

%2
The settings have not been changed.</translation>
    </message>
</context>
<context>
    <name>winpiruk::PlayerParametersDialog</name>
    <message>
        <source>ぴるく  －%1－</source>
        <translation>Piruk - %1</translation>
    </message>
    <message>
        <source>度  胸</source>
        <translation>Boldness</translation>
    </message>
    <message>
        <source>推理力</source>
        <translation>Deduction</translation>
    </message>
    <message>
        <source>持ち点</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>winpiruk::RuleAnalyser</name>
    <message>
        <source>%1 試合</source>
        <translation>%1 matches</translation>
    </message>
    <message>
        <source>%1 局</source>
        <translation>%1 hands</translation>
    </message>
    <message>
        <source>%1 / %2 試合</source>
        <translation>%1 / %2 matches</translation>
    </message>
    <message>
        <source>%1 / %2 局</source>
        <translation>%1 / %2 hands</translation>
    </message>
    <message>
        <source>   残り %1 秒</source>
        <translation>   %1 s left</translation>
    </message>
    <message>
        <source>ﾙｰﾙ分析</source>
        <translation>Rule Analyser</translation>
    </message>
    <message>
        <source>新しいｼｰﾄﾞ(&amp;N)</source>
        <translation>&amp;New seed</translation>
    </message>
    <message>
        <source>比較しない</source>
        <translation>No comparison</translation>
    </message>
    <message>
        <source>保存されたﾙｰﾙと比較</source>
        <translation>Compare with the saved rules</translation>
    </message>
    <message>
        <source>ﾙｰﾙ設定ﾌｧｲﾙと比較...</source>
        <translation>Compare with a rule set file...</translation>
    </message>
    <message>
        <source>開始(&amp;S)</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>中止(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>回数(&amp;A)</source>
        <translation>&amp;Amount</translation>
    </message>
    <message>
        <source>ｼｰﾄﾞ(&amp;E)</source>
        <translation>S&amp;eed</translation>
    </message>
    <message>
        <source>比較(&amp;K)</source>
        <translation>Compare (&amp;K)</translation>
    </message>
    <message>
        <source>保存されたﾙｰﾙ</source>
        <translation>Saved rules</translation>
    </message>
    <message>
        <source>ﾙｰﾙ設定ﾌｧｲﾙを開く</source>
        <translation>Open Rule Set File</translation>
    </message>
    <message>
        <source>ﾙｰﾙ設定ﾌｧｲﾙ (*.prk);;すべてのﾌｧｲﾙ (*)</source>
        <translation>Rule set files (*.prk);;All files (*)</translation>
    </message>
    <message>
        <source>画面のﾙｰﾙ</source>
        <translation>Rules on screen</translation>
    </message>
    <message>
        <source>中止しました</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>席%1</source>
        <translation>Seat %1</translation>
    </message>
    <message>
        <source>(自動)</source>
        <translation> (auto)</translation>
    </message>
</context>
<context>
    <name>winpiruk::RuleSetBrowser</name>
    <message>
        <source>ﾌｧｲﾙ</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>ﾌｫﾙﾀﾞ :</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>ﾄﾞﾗｲﾌﾞ :</source>
        <translation>Drive:</translation>
    </message>
</context>
<context>
    <name>winpiruk::RuleSetDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>winpiruk::RulesDialog</name>
    <message>
        <source>ぴるく  －ﾙｰﾙ設定－</source>
        <translation>Piruk - Rule Settings</translation>
    </message>
    <message>
        <source>  ｹﾞｰﾑ盤面ｻｲｽﾞ = (%1 x%2 )</source>
        <translation>  Table size = (%1 x%2 )</translation>
    </message>
    <message>
        <source> 設定ﾍﾞｰｽ : %1</source>
        <translation> Rule set: %1</translation>
    </message>
</context>
<context>
    <name>winpiruk::SaveRuleSetDialog</name>
    <message>
        <source>ぴるく  - 設定の保存 -</source>
        <translation>Piruk - Save Rule Set</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名(*.prk) :</source>
        <translation>File name (*.prk):</translation>
    </message>
    <message>
        <source>ぴるく  - 設定保存確認 -</source>
        <translation>Piruk - Confirm Save</translation>
    </message>
    <message>
        <source>%1
このファイルはすでに存在します。

上書きしますか?</source>
        <translation>%1
This file already exists.

Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>winpiruk::SeatingDialog</name>
    <message>
        <source>対戦相手を3人選んでください</source>
        <translation>Choose three opponents</translation>
    </message>
    <message>
        <source>メンバー</source>
        <translation>Members</translation>
    </message>
    <message>
        <source>対戦メンバー</source>
        <translation>Opponents</translation>
    </message>
    <message>
        <source>ﾗﾝﾀﾞﾑ選択(&amp;A)</source>
        <translation>Choose &amp;at Random</translation>
    </message>
    <message>
        <source>決め直し(&amp;R)</source>
        <translation>&amp;Reselect</translation>
    </message>
    <message>
        <source>ｸﾞﾙｰﾌﾟ変更(&amp;G)...</source>
        <translation>Change &amp;Group...</translation>
    </message>
    <message>
        <source>対戦相手と親をランダムに決めます</source>
        <translation>Pick the opponents and the dealer at random</translation>
    </message>
    <message>
        <source>選び直します</source>
        <translation>Clear the picks and choose again</translation>
    </message>
    <message>
        <source>対戦するグループを変えます</source>
        <translation>Choose another group to play against</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ぴるく  －メンバー決め－</source>
        <translation>Piruk - Choose Members</translation>
    </message>
    <message>
        <source> 対戦メンバーを決めてください.</source>
        <translation> Choose your opponents.</translation>
    </message>
    <message>
        <source>持ち点が1点未満のため選べません</source>
        <translation>Cannot be chosen: fewer than 1 point</translation>
    </message>
    <message>
        <source>前回の対戦メンバー</source>
        <translation>Played in the last match</translation>
    </message>
    <message>
        <source> しばらくお待ちください... </source>
        <translation> Please wait... </translation>
    </message>
    <message>
        <source>ぴるく  －親決め－</source>
        <translation>Piruk - Drawing for Dealer</translation>
    </message>
</context>
<context>
    <name>winpiruk::SeatingPlan</name>
    <message>
        <source>親</source>
        <translation>Dealer</translation>
    </message>
</context>
<context>
    <name>winpiruk::SoundDialog</name>
    <message>
        <source>ぴるく  - サウンド設定 -</source>
        <translation>Piruk - Sound</translation>
    </message>
    <message>
        <source>効果音およびBGMを鳴らす(&amp;S)</source>
        <translation>Play &amp;sound effects and music</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>効果音(&amp;V)</source>
        <translation>Effects &amp;volume</translation>
    </message>
    <message>
        <source>BGM(&amp;U)</source>
        <translation>M&amp;usic volume</translation>
    </message>
    <message>
        <source>効果音 ｲﾍﾞﾝﾄ場面 (*.wav)</source>
        <translation>Sound effects by event (*.wav)</translation>
    </message>
    <message>
        <source>効果音 ｲﾍﾞﾝﾄ場面</source>
        <translation>Sound effects by event</translation>
    </message>
    <message>
        <source>初期状態に戻す(&amp;R)</source>
        <translation>&amp;Reset to defaults</translation>
    </message>
    <message>
        <source>BGMﾌｧｲﾙ (*.mid)</source>
        <translation>Music files (*.mid)</translation>
    </message>
    <message>
        <source>BGMﾌｧｲﾙ</source>
        <translation>Music files</translation>
    </message>
    <message>
        <source>&lt;-追加</source>
        <translation>&lt;- Add</translation>
    </message>
    <message>
        <source>解除-&gt;</source>
        <translation>Remove -&gt;</translation>
    </message>
    <message>
        <source>付属の曲(&amp;B)</source>
        <translation>&amp;Built-in music</translation>
    </message>
    <message>
        <source>このプログラムに付いている曲を一覧に加えます</source>
        <translation>Adds the pieces that come with this program to the list</translation>
    </message>
    <message>
        <source>「 %1 」というファイルが見つかりません。</source>
        <translation>The file &quot;%1&quot; cannot be found.</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名 : %1</source>
        <translation>File name: %1</translation>
    </message>
</context>
<context>
    <name>winpiruk::SplashWindow</name>
    <message>
        <source>設定とメンバーを読み込んでいます...</source>
        <translation>Reading the settings and members...</translation>
    </message>
    <message>
        <source>しばらくお待ちください.</source>
        <translation>Please wait a moment.</translation>
    </message>
</context>
<context>
    <name>winpiruk::StatisticsDialog</name>
    <message>
        <source>ぴるく  －対戦成績－</source>
        <translation>Piruk - Statistics</translation>
    </message>
    <message>
        <source>グループ</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>総対戦数</source>
        <translation>Hands played</translation>
    </message>
    <message>
        <source>上がり回数</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>上がり率</source>
        <translation>Win rate</translation>
    </message>
    <message>
        <source>平均上がり数字</source>
        <translation>Average winning number</translation>
    </message>
    <message>
        <source>平均役数</source>
        <translation>Average yaku</translation>
    </message>
    <message>
        <source>平均得点</source>
        <translation>Average points won</translation>
    </message>
    <message>
        <source>ｲﾆｼｬﾙﾏｯﾁ回数</source>
        <translation>Initial Matches</translation>
    </message>
    <message>
        <source>ぴるくがえし</source>
        <translation>Counter-Piruks</translation>
    </message>
    <message>
        <source>振り込み回数</source>
        <translation>Deal-ins</translation>
    </message>
    <message>
        <source>振り込み率</source>
        <translation>Deal-in rate</translation>
    </message>
    <message>
        <source>平均失点</source>
        <translation>Average points lost</translation>
    </message>
    <message>
        <source>10枚オーバー</source>
        <translation>Ten-Card Overflows</translation>
    </message>
    <message>
        <source>総ゲーム数</source>
        <translation>Matches played</translation>
    </message>
    <message>
        <source>平均順位</source>
        <translation>Average rank</translation>
    </message>
    <message>
        <source>現在の持ち点</source>
        <translation>Current points</translation>
    </message>
    <message>
        <source>プレーヤー名 ：</source>
        <translation>Player name:</translation>
    </message>
    <message>
        <source>メンバー</source>
        <translation>Members</translation>
    </message>
    <message>
        <source>ﾊﾟﾗﾒｰﾀ(&amp;P)...</source>
        <translation>&amp;Parameters...</translation>
    </message>
    <message>
        <source>選んだメンバーの度胸・推理力・持ち点を変えます</source>
        <translation>Change the chosen member&apos;s Boldness, Deduction and points</translation>
    </message>
</context>
<context>
    <name>winpiruk::TextColoursDialog</name>
    <message>
        <source>ぴるく  - 盤面文字色設定 -</source>
        <translation>Piruk - Table Text Colours</translation>
    </message>
    <message>
        <source>初期状態の配色(&amp;R)</source>
        <translation>&amp;Reset colours</translation>
    </message>
    <message>
        <source>文字色</source>
        <translation>Text colour</translation>
    </message>
</context>
</TS>
