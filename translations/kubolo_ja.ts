<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>kubolo::ScoreSheet</name>
    <message>
        <source>Bonus</source>
        <translation>ボーナス</translation>
    </message>
    <message>
        <source>Bonus (-%1)</source>
        <extracomment>%1 is the points still missing for the bonus.</extracomment>
        <translation>ボーナス（-%1）</translation>
    </message>
</context>
<context>
    <name>kubolo::Session</name>
    <message>
        <source>Roll: expect %1 in the end.</source>
        <translation>振る：合計%1点の見込み。</translation>
    </message>
    <message>
        <source>Hold nothing: expect %1 in the end.</source>
        <translation>キープなし：合計%1点の見込み。</translation>
    </message>
    <message>
        <source>Hold %1: expect %2 in the end.</source>
        <extracomment>Keep these dice (%1: their faces, &quot;3 3 5&quot;) and roll the others; %2 is the expected total.</extracomment>
        <translation>%1をキープ：合計%2点の見込み。</translation>
    </message>
    <message>
        <source>Choose %1: expect %2 in the end.</source>
        <extracomment>%1 is a category&apos;s name, %2 the expected total.</extracomment>
        <translation>%1を選ぶ：合計%2点の見込み。</translation>
    </message>
</context>
<context>
    <name>kubolo::TAboutBox1</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the game&apos;s name.</extracomment>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Version 3.3</source>
        <translation>バージョン 3.3</translation>
    </message>
    <message>
        <source>Last modify: 30-6-97</source>
        <translation>最終更新：1997/06/30</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>ダイス</translation>
    </message>
    <message>
        <source>Click to roll</source>
        <translation>クリックで振る</translation>
    </message>
    <message>
        <source>Die, click or press Space to roll</source>
        <translation>ダイス、クリックか Space キーで振る</translation>
    </message>
</context>
<context>
    <name>kubolo::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation>ランキング</translation>
    </message>
    <message>
        <source>Words of Wisdom from %1:</source>
        <extracomment>%1 is the best player&apos;s name.</extracomment>
        <translation>%1 の格言：</translation>
    </message>
    <message>
        <source>Row %1 marker</source>
        <translation>%1行目のマーカー</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>よろしいですか？</translation>
    </message>
</context>
<context>
    <name>kubolo::TDice</name>
    <message>
        <source>Die</source>
        <translation>ダイス</translation>
    </message>
    <message>
        <source>%1, blank</source>
        <extracomment>%2 is the face&apos;s name: &quot;one&quot;, &quot;two&quot;...</extracomment>
        <translation>%1、目なし</translation>
    </message>
    <message>
        <source>%1, showing %2</source>
        <translation>%1、%2の目</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1、キープ中</translation>
    </message>
    <message>
        <source>%1, not held</source>
        <translation>%1、キープなし</translation>
    </message>
</context>
<context>
    <name>kubolo::TEndGame</name>
    <message>
        <source>End of game</source>
        <translation>ゲーム終了</translation>
    </message>
    <message>
        <source>Left-side total:</source>
        <translation>左側の小計：</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>ボーナス：</translation>
    </message>
    <message>
        <source>Game total:</source>
        <translation>合計：</translation>
    </message>
    <message>
        <source>Kubolo:</source>
        <extracomment>The count of five of a kind in the game.</extracomment>
        <translation>Kubolo：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kubolo::TMainForm</name>
    <message>
        <source>Die %1</source>
        <translation>ダイス%1</translation>
    </message>
    <message>
        <source>Hold die %1</source>
        <translation>ダイス%1をキープ</translation>
    </message>
    <message>
        <source>Categories filled</source>
        <translation>記入済みの役</translation>
    </message>
    <message>
        <source>Roll n: 0</source>
        <translation>回数：0</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>振る</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>小計</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>ボーナス</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Roll n: %1</source>
        <translation>回数：%1</translation>
    </message>
    <message>
        <source>Left-side total: %1</source>
        <translation>左側の小計：%1</translation>
    </message>
    <message>
        <source>Bonus points: %1</source>
        <translation>ボーナス：%1点</translation>
    </message>
    <message>
        <source>Game total: %1</source>
        <translation>合計：%1</translation>
    </message>
    <message>
        <source>%1, no score yet</source>
        <translation>%1、まだ得点なし</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1、%n点</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, filled</source>
        <translation>%1、記入済み</translation>
    </message>
    <message>
        <source>%1, open</source>
        <translation>%1、未記入</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>ヒント(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>統計(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Best Players</source>
        <translation>ランキング(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>サウンド(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>転がるダイス(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>ルール(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>スコア(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>

The best players, statistics and options of this run are not saved.</source>
        <translation>

今回のランキング、統計、オプションは保存されません。</translation>
    </message>
</context>
<context>
    <name>kubolo::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>プレイしたゲーム数</translation>
    </message>
    <message>
        <source>Points per game</source>
        <translation>1ゲームの平均点</translation>
    </message>
    <message>
        <source>Kubolo per game</source>
        <extracomment>Five of a kind per game.</extracomment>
        <translation>1ゲームの平均 Kubolo 数</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>よろしいですか？</translation>
    </message>
</context>
<context>
    <name>kubolo::TTopFive</name>
    <message>
        <source>Congratulation</source>
        <translation>おめでとうございます</translation>
    </message>
    <message>
        <source>Your score is one of the best five !</source>
        <translation>ベスト5に入りました！</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>名前を入力してください：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kubolo::TTopScore</name>
    <message>
        <source>Congratulations</source>
        <translation>おめでとうございます</translation>
    </message>
    <message>
        <source>Your score is the best one !</source>
        <translation>1位の成績です！</translation>
    </message>
    <message>
        <source>Please enter your name...</source>
        <translation>名前を入力してください...</translation>
    </message>
    <message>
        <source>...and your Words of Wisdom:</source>
        <translation>...格言もどうぞ：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kubolo::category</name>
    <message>
        <source>Aces</source>
        <translation>1の目</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>2の目</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>3の目</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>4の目</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>5の目</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>6の目</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>スリーカード</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>フォーカード</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house: three of one face and two of another.</extracomment>
        <translation>フルハウス</translation>
    </message>
    <message>
        <source>Minimum Scale</source>
        <translation>小ストレート</translation>
    </message>
    <message>
        <source>Maximum Scale</source>
        <translation>大ストレート</translation>
    </message>
    <message>
        <source>Kubolo</source>
        <translation>Kubolo</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>チャンス</translation>
    </message>
</context>
<context>
    <name>kubolo::coach</name>
    <message numerus="yes">
        <source>%1 points lost</source>
        <extracomment>The coach&apos;s loss, always with a decimal (&quot;4.5 points lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1点の損失</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 points</source>
        <extracomment>A mean loss, always with a decimal (&quot;0.8 points&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1点</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>手数</translation>
    </message>
    <message>
        <source>Expected final total</source>
        <translation>最終合計の期待値</translation>
    </message>
    <message>
        <source>Your play</source>
        <translation>あなたのプレイ</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>最善のプレイ</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <extracomment>%1 is a category&apos;s name.</extracomment>
        <translation>%1を選ぶ</translation>
    </message>
    <message>
        <source>Hold nothing</source>
        <translation>キープなし</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <extracomment>%1 is the faces of the dice held, &quot;3 3 5&quot;.</extracomment>
        <translation>%1をキープ</translation>
    </message>
</context>
<context>
    <name>kubolo::face</name>
    <message>
        <source>blank</source>
        <translation>目なし</translation>
    </message>
    <message>
        <source>one</source>
        <translation>1</translation>
    </message>
    <message>
        <source>two</source>
        <translation>2</translation>
    </message>
    <message>
        <source>three</source>
        <translation>3</translation>
    </message>
    <message>
        <source>four</source>
        <translation>4</translation>
    </message>
    <message>
        <source>five</source>
        <translation>5</translation>
    </message>
    <message>
        <source>six</source>
        <translation>6</translation>
    </message>
</context>
<context>
    <name>kubolo::settings</name>
    <message>
        <source>Kubolo starts with the default best players, statistics and options, and will not write over that file.</source>
        <translation>Kubolo はランキング、統計、オプションを初期状態にして起動し、そのファイルは上書きしません。</translation>
    </message>
    <message>
        <source>The best players, statistics and options of this run may not be saved.</source>
        <translation>今回のランキング、統計、オプションは保存されない可能性があります。</translation>
    </message>
</context>
</TS>
