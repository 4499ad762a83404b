<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>kubolo::ScoreSheet</name>
    <message>
        <source>Bonus</source>
        <translation>奖励</translation>
    </message>
    <message>
        <source>Bonus (-%1)</source>
        <extracomment>%1 is the points still missing for the bonus.</extracomment>
        <translation>奖励（-%1）</translation>
    </message>
</context>
<context>
    <name>kubolo::Session</name>
    <message>
        <source>Roll: expect %1 in the end.</source>
        <translation>掷骰：预计总分 %1。</translation>
    </message>
    <message>
        <source>Hold nothing: expect %1 in the end.</source>
        <translation>不保留：预计总分 %1。</translation>
    </message>
    <message>
        <source>Hold %1: expect %2 in the end.</source>
        <extracomment>Keep these dice (%1: their faces, &quot;3 3 5&quot;) and roll the others; %2 is the expected total.</extracomment>
        <translation>保留 %1：预计总分 %2。</translation>
    </message>
    <message>
        <source>Choose %1: expect %2 in the end.</source>
        <extracomment>%1 is a category&apos;s name, %2 the expected total.</extracomment>
        <translation>选择“%1”：预计总分 %2。</translation>
    </message>
</context>
<context>
    <name>kubolo::TAboutBox1</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the game&apos;s name.</extracomment>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Version 3.3</source>
        <translation>版本 3.3</translation>
    </message>
    <message>
        <source>Last modify: 30-6-97</source>
        <translation>最后修改：1997-6-30</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>骰子</translation>
    </message>
    <message>
        <source>Click to roll</source>
        <translation>点击掷骰</translation>
    </message>
    <message>
        <source>Die, click or press Space to roll</source>
        <translation>骰子，点击或按空格键掷骰</translation>
    </message>
</context>
<context>
    <name>kubolo::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>Words of Wisdom from %1:</source>
        <extracomment>%1 is the best player&apos;s name.</extracomment>
        <translation>%1 的格言：</translation>
    </message>
    <message>
        <source>Row %1 marker</source>
        <translation>第 %1 行标记</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>确定吗？</translation>
    </message>
</context>
<context>
    <name>kubolo::TDice</name>
    <message>
        <source>Die</source>
        <translation>骰子</translation>
    </message>
    <message>
        <source>%1, blank</source>
        <extracomment>%2 is the face&apos;s name: &quot;one&quot;, &quot;two&quot;...</extracomment>
        <translation>%1，空白</translation>
    </message>
    <message>
        <source>%1, showing %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1，已保留</translation>
    </message>
    <message>
        <source>%1, not held</source>
        <translation>%1，未保留</translation>
    </message>
</context>
<context>
    <name>kubolo::TEndGame</name>
    <message>
        <source>End of game</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>Left-side total:</source>
        <translation>左侧小计：</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>奖励：</translation>
    </message>
    <message>
        <source>Game total:</source>
        <translation>总分：</translation>
    </message>
    <message>
        <source>Kubolo:</source>
        <extracomment>The count of five of a kind in the game.</extracomment>
        <translation>Kubolo：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>kubolo::TMainForm</name>
    <message>
        <source>Die %1</source>
        <translation>骰子 %1</translation>
    </message>
    <message>
        <source>Hold die %1</source>
        <translation>保留骰子 %1</translation>
    </message>
    <message>
        <source>Categories filled</source>
        <translation>已填项目</translation>
    </message>
    <message>
        <source>Roll n: 0</source>
        <translation>已掷 0 次</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>掷骰</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>小计</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>奖励</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>总分</translation>
    </message>
    <message>
        <source>Roll n: %1</source>
        <translation>已掷 %1 次</translation>
    </message>
    <message>
        <source>Left-side total: %1</source>
        <translation>左侧小计：%1</translation>
    </message>
    <message>
        <source>Bonus points: %1</source>
        <translation>奖励分：%1</translation>
    </message>
    <message>
        <source>Game total: %1</source>
        <translation>总分：%1</translation>
    </message>
    <message>
        <source>%1, no score yet</source>
        <translation>%1，尚未得分</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1，%n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, filled</source>
        <translation>%1，已填</translation>
    </message>
    <message>
        <source>%1, open</source>
        <translation>%1，未填</translation>
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
        <source>&amp;Statistics</source>
        <translation>统计(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Best Players</source>
        <translation>排行榜(&amp;B)</translation>
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
        <source>&amp;Roll</source>
        <translation>掷骰动画(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>规则(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>计分(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>

The best players, statistics and options of this run are not saved.</source>
        <translation>

本次运行的排行榜、统计和选项不会保存。</translation>
    </message>
</context>
<context>
    <name>kubolo::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>已玩局数</translation>
    </message>
    <message>
        <source>Points per game</source>
        <translation>平均得分</translation>
    </message>
    <message>
        <source>Kubolo per game</source>
        <extracomment>Five of a kind per game.</extracomment>
        <translation>每局 Kubolo 数</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>确定吗？</translation>
    </message>
</context>
<context>
    <name>kubolo::TTopFive</name>
    <message>
        <source>Congratulation</source>
        <translation>恭喜</translation>
    </message>
    <message>
        <source>Your score is one of the best five !</source>
        <translation>您的成绩进入了前五名！</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>请输入您的名字：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>kubolo::TTopScore</name>
    <message>
        <source>Congratulations</source>
        <translation>恭喜</translation>
    </message>
    <message>
        <source>Your score is the best one !</source>
        <translation>您的成绩是第一名！</translation>
    </message>
    <message>
        <source>Please enter your name...</source>
        <translation>请输入您的名字...</translation>
    </message>
    <message>
        <source>...and your Words of Wisdom:</source>
        <translation>...以及您的格言：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>kubolo::category</name>
    <message>
        <source>Aces</source>
        <translation>一点</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>二点</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>三点</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>四点</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>五点</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>六点</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>三条</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>四条</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house: three of one face and two of another.</extracomment>
        <translation>葫芦</translation>
    </message>
    <message>
        <source>Minimum Scale</source>
        <translation>小顺</translation>
    </message>
    <message>
        <source>Maximum Scale</source>
        <translation>大顺</translation>
    </message>
    <message>
        <source>Kubolo</source>
        <translation>Kubolo</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>机会</translation>
    </message>
</context>
<context>
    <name>kubolo::coach</name>
    <message numerus="yes">
        <source>%1 points lost</source>
        <extracomment>The coach&apos;s loss, always with a decimal (&quot;4.5 points lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>损失 %1 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 points</source>
        <extracomment>A mean loss, always with a decimal (&quot;0.8 points&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 分</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>步数</translation>
    </message>
    <message>
        <source>Expected final total</source>
        <translation>预期总分</translation>
    </message>
    <message>
        <source>Your play</source>
        <translation>您的打法</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>最佳打法</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <extracomment>%1 is a category&apos;s name.</extracomment>
        <translation>选择“%1”</translation>
    </message>
    <message>
        <source>Hold nothing</source>
        <translation>不保留</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <extracomment>%1 is the faces of the dice held, &quot;3 3 5&quot;.</extracomment>
        <translation>保留 %1</translation>
    </message>
</context>
<context>
    <name>kubolo::face</name>
    <message>
        <source>blank</source>
        <translation>空白</translation>
    </message>
    <message>
        <source>one</source>
        <translation>一点</translation>
    </message>
    <message>
        <source>two</source>
        <translation>二点</translation>
    </message>
    <message>
        <source>three</source>
        <translation>三点</translation>
    </message>
    <message>
        <source>four</source>
        <translation>四点</translation>
    </message>
    <message>
        <source>five</source>
        <translation>五点</translation>
    </message>
    <message>
        <source>six</source>
        <translation>六点</translation>
    </message>
</context>
<context>
    <name>kubolo::settings</name>
    <message>
        <source>Kubolo starts with the default best players, statistics and options, and will not write over that file.</source>
        <translation>Kubolo 将以默认的排行榜、统计和选项启动，且不会覆盖该文件。</translation>
    </message>
    <message>
        <source>The best players, statistics and options of this run may not be saved.</source>
        <translation>本次运行的排行榜、统计和选项可能无法保存。</translation>
    </message>
</context>
</TS>
