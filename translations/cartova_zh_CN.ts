<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>poker::Round</name>
    <message>
        <source>You must play at least 1 credit.</source>
        <translation>至少要下注 1 个筹码。</translation>
    </message>
    <message>
        <source>Credits played out of range.</source>
        <translation>下注筹码超出范围。</translation>
    </message>
    <message>
        <source>You can play 1 credit.</source>
        <translation>只能下注 1 个筹码。</translation>
    </message>
    <message>
        <source>You can play from 1 to %L1 credits.</source>
        <translation>可下注 1 到 %L1 个筹码。</translation>
    </message>
    <message>
        <source>Invalid value.</source>
        <translation>无效的数值。</translation>
    </message>
</context>
<context>
    <name>poker::Session</name>
    <message>
        <source>Keep nothing: expect %1 times the bet.</source>
        <translation>全部换掉：预计赢得赌注的 %1 倍。</translation>
    </message>
    <message>
        <source>Keep all five: expect %1 times the bet.</source>
        <translation>五张全留：预计赢得赌注的 %1 倍。</translation>
    </message>
    <message>
        <source>Keep %1: expect %2 times the bet.</source>
        <extracomment>%1 is the ranks to keep as the cards&apos; corners show them (&quot;A K&quot;), %2 the expected multiple.</extracomment>
        <translation>保留 %1：预计赢得赌注的 %2 倍。</translation>
    </message>
    <message>
        <source>Keep nothing</source>
        <translation>全部换掉</translation>
    </message>
    <message>
        <source>Keep all five</source>
        <translation>五张全留</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <extracomment>%1 is the ranks kept as the cards&apos; corners show them (&quot;A K&quot;).</extracomment>
        <translation>保留 %1</translation>
    </message>
</context>
<context>
    <name>poker::TAboutBox1</name>
    <message>
        <source>Version 1.1</source>
        <translation>版本 1.1</translation>
    </message>
    <message>
        <source>Last modify: 11-8-98</source>
        <translation>最后修改：1998-8-11</translation>
    </message>
    <message>
        <source>Cartova icon, click to hear the cards</source>
        <translation>Cartova 图标，点击可听纸牌声</translation>
    </message>
</context>
<context>
    <name>poker::TCard</name>
    <message>
        <source>face down</source>
        <translation>背面朝上</translation>
    </message>
    <message>
        <source>%1, kept</source>
        <translation>%1，已保留</translation>
    </message>
</context>
<context>
    <name>poker::TMainForm</name>
    <message>
        <source>Keep card %1</source>
        <translation>保留第 %1 张牌</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Shown under a card the player keeps for the second deal.</extracomment>
        <translation>保留</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>祝您好运！</translation>
    </message>
    <message>
        <source>Credits won: 0</source>
        <translation>赢得：0</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The button that plays all credits.</extracomment>
        <translation>全押</translation>
    </message>
    <message>
        <source>Play all credits</source>
        <translation>押上全部筹码</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>发牌</translation>
    </message>
    <message>
        <source>Always play all credits</source>
        <translation>总是全押</translation>
    </message>
    <message>
        <source>Total credits: 100</source>
        <translation>总筹码：100</translation>
    </message>
    <message>
        <source>Credits played:</source>
        <translation>下注：</translation>
    </message>
    <message>
        <source>Credits played</source>
        <translation>下注筹码</translation>
    </message>
    <message>
        <source>Total credits: %1</source>
        <translation>总筹码：%1</translation>
    </message>
    <message>
        <source>Deal first: a hint is given between the two deals.</source>
        <translation>请先发牌：提示在两次发牌之间给出。</translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation>正在计算提示...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>提示(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>音效(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Deck</source>
        <translation>牌背(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Beach</source>
        <translation>海滩(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Fishes</source>
        <translation>鱼群(&amp;F)</translation>
    </message>
    <message>
        <source>Standard &amp;1</source>
        <translation>标准 1(&amp;1)</translation>
    </message>
    <message>
        <source>Standard &amp;2</source>
        <translation>标准 2(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>背景(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>绿色(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>蓝色(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>红色(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>灰色(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation>赔率表(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>规则(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>

The options of this game were not kept.</source>
        <translation>

本局的选项未能保存。</translation>
    </message>
    <message>
        <source>Deal n. 2</source>
        <translation>换牌</translation>
    </message>
    <message>
        <source>Deal n. 1</source>
        <translation>发牌</translation>
    </message>
    <message>
        <source>You lost your bet.</source>
        <translation>输掉了赌注。</translation>
    </message>
    <message>
        <source>Credits won: %1</source>
        <translation>赢得：%1</translation>
    </message>
    <message>
        <source>Sorry, end of game.<byte value="xd"/>Do you want to restart?</source>
        <translation>很遗憾，游戏结束。<byte value="xd"/>要重新开始吗？</translation>
    </message>
</context>
<context>
    <name>poker::TPayoffsForm</name>
    <message>
        <source>Royal Flush</source>
        <translation>皇家同花顺</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>同花顺</translation>
    </message>
    <message>
        <source>Poker</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>四条</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house.</extracomment>
        <translation>葫芦</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>同花</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>顺子</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>三条</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>两对</translation>
    </message>
    <message>
        <source>Pair (Jacks or better)</source>
        <translation>一对（J 以上）</translation>
    </message>
    <message>
        <source>Payoffs</source>
        <translation>赔率表</translation>
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
            <numerusform>%1 赔付赌注的 %n 倍</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>poker::card</name>
    <message>
        <source>Spades</source>
        <translation>黑桃</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>方块</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>梅花</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>红桃</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>King</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>A</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;Ace&quot;, &quot;7&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%2%1</translation>
    </message>
</context>
<context>
    <name>poker::coach</name>
    <message numerus="yes">
        <source>%1 credits lost</source>
        <extracomment>The coach&apos;s loss, always with decimals (&quot;0.25 credits lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>损失 %1 个筹码</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 credits</source>
        <extracomment>A mean loss, always with decimals (&quot;0.25 credits&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 个筹码</numerusform>
        </translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>手数</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>筹码</translation>
    </message>
    <message>
        <source>Your credits</source>
        <translation>您的筹码</translation>
    </message>
    <message>
        <source>With the best keeps</source>
        <translation>最佳保留时</translation>
    </message>
</context>
<context>
    <name>poker::hand</name>
    <message>
        <source>Royal Flush !!!</source>
        <translation>皇家同花顺！！！</translation>
    </message>
    <message>
        <source>Straight Flush !!!</source>
        <translation>同花顺！！！</translation>
    </message>
    <message>
        <source>Poker !!</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>四条！！</translation>
    </message>
    <message>
        <source>Full !</source>
        <extracomment>A full house.</extracomment>
        <translation>葫芦！</translation>
    </message>
    <message>
        <source>Flush !</source>
        <translation>同花！</translation>
    </message>
    <message>
        <source>Straight !</source>
        <translation>顺子！</translation>
    </message>
    <message>
        <source>3 of a Kind.</source>
        <translation>三条。</translation>
    </message>
    <message>
        <source>Two pair.</source>
        <translation>两对。</translation>
    </message>
    <message>
        <source>Pair.</source>
        <translation>一对。</translation>
    </message>
    <message>
        <source>Nothing.</source>
        <translation>未中奖。</translation>
    </message>
</context>
<context>
    <name>poker::settings</name>
    <message>
        <source>The game starts with its usual options and leaves that file as it is.</source>
        <translation>游戏将以常规选项启动，且不会改动该文件。</translation>
    </message>
    <message>
        <source>The game starts with its usual options.</source>
        <translation>游戏将以常规选项启动。</translation>
    </message>
</context>
</TS>
