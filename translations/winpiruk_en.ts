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
        <translation>Piruk  - Auto-Play Off -</translation>
    </message>
    <message>
        <source>  [自動実行モード]</source>
        <translation>  [Auto-Play]</translation>
    </message>
    <message>
        <source>ぴるく  - 新規ゲーム -</source>
        <translation>Piruk  - New Game -</translation>
    </message>
    <message>
        <source>現在進行中のゲームを破棄しますか？</source>
        <translation>Abandon the game in progress?</translation>
    </message>
    <message>
        <source>ぴるく  - 上がり確認 -</source>
        <translation>Piruk  - Going Out -</translation>
    </message>
    <message>
        <source>&apos;捨て上がり&apos;をしますか？</source>
        <translation>Go out with a Discard-Out?</translation>
    </message>
    <message>
        <source>ぴるく  - ぴるく確認 -</source>
        <translation>Piruk  - Piruk? -</translation>
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
        <translation>Piruk  - Auto-Play On -</translation>
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
        <translation>Piruk  - Hand %1 -</translation>
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
    <name>winpiruk::HelpWindow</name>
    <message>
        <source>ぴるく  - ヘルプ -</source>
        <translation>Piruk  - Help -</translation>
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
</TS>
