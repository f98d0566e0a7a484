<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
        <source>なし</source>
        <translation>None</translation>
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
    <message>
        <source>３秒</source>
        <translation>3 seconds</translation>
    </message>
    <message>
        <source>６秒</source>
        <translation>6 seconds</translation>
    </message>
    <message>
        <source>９秒</source>
        <translation>9 seconds</translation>
    </message>
    <message>
        <source>通常形式</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>&apos;ｲﾆｼｬﾙ&apos;なし</source>
        <translation>No &apos;Initial Match&apos;</translation>
    </message>
    <message>
        <source>&apos;捨て上がり&apos;有</source>
        <translation>With &apos;Discard-Out&apos;</translation>
    </message>
    <message>
        <source>&apos;捨て上がり&apos;のみ</source>
        <translation>&apos;Discard-Out&apos; only</translation>
    </message>
    <message>
        <source>&apos;乗算&apos;も認める</source>
        <translation>&apos;Product&apos; too</translation>
    </message>
    <message>
        <source>60点</source>
        <translation>60 points</translation>
    </message>
    <message>
        <source>120点</source>
        <translation>120 points</translation>
    </message>
    <message>
        <source>150点</source>
        <translation>150 points</translation>
    </message>
    <message>
        <source>300点</source>
        <translation>300 points</translation>
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
    <name>winpiruk::SoundDialog</name>
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
        <translation>No game</translation>
    </message>
    <message>
        <source>ゲームオーバー</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>ｶｰﾄﾞ配布/捨て</source>
        <translation>Dealing/discarding</translation>
    </message>
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
    <name>winpiruk::TextColoursDialog</name>
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
