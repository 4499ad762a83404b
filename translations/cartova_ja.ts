<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>poker::Round</name>
    <message>
        <source>You must play at least 1 credit.</source>
        <translation>1クレジット以上ベットしてください。</translation>
    </message>
    <message>
        <source>Credits played out of range.</source>
        <translation>ベット額が範囲外です。</translation>
    </message>
    <message>
        <source>You can play 1 credit.</source>
        <translation>ベットできるのは1クレジットです。</translation>
    </message>
    <message>
        <source>You can play from 1 to %L1 credits.</source>
        <translation>1～%L1クレジットをベットできます。</translation>
    </message>
    <message>
        <source>Invalid value.</source>
        <translation>無効な値です。</translation>
    </message>
</context>
<context>
    <name>poker::Session</name>
    <message>
        <source>Keep nothing: expect %1 times the bet.</source>
        <translation>キープなし：ベットの%1倍の見込み。</translation>
    </message>
    <message>
        <source>Keep all five: expect %1 times the bet.</source>
        <translation>5枚ともキープ：ベットの%1倍の見込み。</translation>
    </message>
    <message>
        <source>Keep %1: expect %2 times the bet.</source>
        <extracomment>%1 is the ranks to keep as the cards&apos; corners show them (&quot;A K&quot;), %2 the expected multiple.</extracomment>
        <translation>%1をキープ：ベットの%2倍の見込み。</translation>
    </message>
    <message>
        <source>Keep nothing</source>
        <translation>キープなし</translation>
    </message>
    <message>
        <source>Keep all five</source>
        <translation>5枚ともキープ</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <extracomment>%1 is the ranks kept as the cards&apos; corners show them (&quot;A K&quot;).</extracomment>
        <translation>%1をキープ</translation>
    </message>
</context>
<context>
    <name>poker::TAboutBox1</name>
    <message>
        <source>Version 1.1</source>
        <translation>バージョン 1.1</translation>
    </message>
    <message>
        <source>Last modify: 11-8-98</source>
        <translation>最終更新：1998/08/11</translation>
    </message>
    <message>
        <source>Cartova icon, click to hear the cards</source>
        <translation>Cartova のアイコン、クリックでカードの音</translation>
    </message>
</context>
<context>
    <name>poker::TCard</name>
    <message>
        <source>face down</source>
        <translation>裏向き</translation>
    </message>
    <message>
        <source>%1, kept</source>
        <translation>%1、キープ中</translation>
    </message>
</context>
<context>
    <name>poker::TMainForm</name>
    <message>
        <source>Keep card %1</source>
        <translation>カード%1をキープ</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Shown under a card the player keeps for the second deal.</extracomment>
        <translation>キープ</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>幸運を！</translation>
    </message>
    <message>
        <source>Credits won: 0</source>
        <translation>配当：0</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The button that plays all credits.</extracomment>
        <translation>全額</translation>
    </message>
    <message>
        <source>Play all credits</source>
        <translation>全クレジットをベット</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>配る</translation>
    </message>
    <message>
        <source>Always play all credits</source>
        <translation>常に全額ベット</translation>
    </message>
    <message>
        <source>Total credits: 100</source>
        <translation>クレジット：100</translation>
    </message>
    <message>
        <source>Credits played:</source>
        <translation>ベット：</translation>
    </message>
    <message>
        <source>Credits played</source>
        <translation>ベット</translation>
    </message>
    <message>
        <source>Total credits: %1</source>
        <translation>クレジット：%1</translation>
    </message>
    <message>
        <source>Deal first: a hint is given between the two deals.</source>
        <translation>先に配ってください。ヒントは交換の前に使えます。</translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation>ヒントを計算中...</translation>
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
        <source>&amp;Deck</source>
        <translation>デッキ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Beach</source>
        <translation>ビーチ(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Fishes</source>
        <translation>魚(&amp;F)</translation>
    </message>
    <message>
        <source>Standard &amp;1</source>
        <translation>標準1(&amp;1)</translation>
    </message>
    <message>
        <source>Standard &amp;2</source>
        <translation>標準2(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>背景(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>緑(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>青(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>赤(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>灰色(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation>配当表(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>ルール(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>

The options of this game were not kept.</source>
        <translation>

このゲームのオプションは保存されませんでした。</translation>
    </message>
    <message>
        <source>Deal n. 2</source>
        <translation>交換</translation>
    </message>
    <message>
        <source>Deal n. 1</source>
        <translation>配る</translation>
    </message>
    <message>
        <source>You lost your bet.</source>
        <translation>ベット分を失いました。</translation>
    </message>
    <message>
        <source>Credits won: %1</source>
        <translation>配当：%1</translation>
    </message>
    <message>
        <source>Sorry, end of game.<byte value="xd"/>Do you want to restart?</source>
        <translation>残念、ゲームオーバーです。<byte value="xd"/>もう一度プレイしますか？</translation>
    </message>
</context>
<context>
    <name>poker::TPayoffsForm</name>
    <message>
        <source>Royal Flush</source>
        <translation>ロイヤルフラッシュ</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>ストレートフラッシュ</translation>
    </message>
    <message>
        <source>Poker</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>フォーカード</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house.</extracomment>
        <translation>フルハウス</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>フラッシュ</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>ストレート</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>スリーカード</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>ツーペア</translation>
    </message>
    <message>
        <source>Pair (Jacks or better)</source>
        <translation>ワンペア（J以上）</translation>
    </message>
    <message>
        <source>Payoffs</source>
        <translation>配当表</translation>
    </message>
    <message>
        <source>X %1</source>
        <extracomment>The multiplier of the bet a hand pays.</extracomment>
        <translation>X %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 pays %n times the bet</source>
        <extracomment>%1 is a hand&apos;s name, %n the multiplier.</extracomment>
        <translation>
            <numerusform>%1：ベットの%n倍</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>poker::card</name>
    <message>
        <source>Spades</source>
        <translation>スペード</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>ダイヤ</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>クラブ</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>ハート</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>ジャック</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>クイーン</translation>
    </message>
    <message>
        <source>King</source>
        <translation>キング</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>エース</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;Ace&quot;, &quot;7&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%2の%1</translation>
    </message>
</context>
<context>
    <name>poker::coach</name>
    <message numerus="yes">
        <source>%1 credits lost</source>
        <extracomment>The coach&apos;s loss, always with decimals (&quot;0.25 credits lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1クレジットの損失</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 credits</source>
        <extracomment>A mean loss, always with decimals (&quot;0.25 credits&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1クレジット</numerusform>
        </translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>ハンド</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>クレジット</translation>
    </message>
    <message>
        <source>Your credits</source>
        <translation>あなたのクレジット</translation>
    </message>
    <message>
        <source>With the best keeps</source>
        <translation>最善のキープの場合</translation>
    </message>
</context>
<context>
    <name>poker::hand</name>
    <message>
        <source>Royal Flush !!!</source>
        <translation>ロイヤルフラッシュ！！！</translation>
    </message>
    <message>
        <source>Straight Flush !!!</source>
        <translation>ストレートフラッシュ！！！</translation>
    </message>
    <message>
        <source>Poker !!</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>フォーカード！！</translation>
    </message>
    <message>
        <source>Full !</source>
        <extracomment>A full house.</extracomment>
        <translation>フルハウス！</translation>
    </message>
    <message>
        <source>Flush !</source>
        <translation>フラッシュ！</translation>
    </message>
    <message>
        <source>Straight !</source>
        <translation>ストレート！</translation>
    </message>
    <message>
        <source>3 of a Kind.</source>
        <translation>スリーカード。</translation>
    </message>
    <message>
        <source>Two pair.</source>
        <translation>ツーペア。</translation>
    </message>
    <message>
        <source>Pair.</source>
        <translation>ワンペア。</translation>
    </message>
    <message>
        <source>Nothing.</source>
        <translation>役なし。</translation>
    </message>
</context>
<context>
    <name>poker::settings</name>
    <message>
        <source>The game starts with its usual options and leaves that file as it is.</source>
        <translation>ゲームは通常のオプションで起動し、そのファイルは変更しません。</translation>
    </message>
    <message>
        <source>The game starts with its usual options.</source>
        <translation>ゲームは通常のオプションで起動します。</translation>
    </message>
</context>
</TS>
