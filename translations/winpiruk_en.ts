<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>MemberRowDelegate</name>
    <message>
        <source>-00000点</source>
        <translation>-00000 pts</translation>
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
</TS>
