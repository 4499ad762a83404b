<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>codebreaking::TAboutBox1</name>
    <message>
        <source>Version 2.3</source>
        <translation>版本 2.3</translation>
    </message>
    <message>
        <source>Last modify: 3-7-96</source>
        <translation>最后修改：1996-7-3</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>棋子落入孔中</translation>
    </message>
</context>
<context>
    <name>codebreaking::TBestPlayers</name>
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
        <source>Player</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>猜测次数</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>用时</translation>
    </message>
    <message>
        <source>Place %1 marker</source>
        <translation>第 %1 名标记</translation>
    </message>
    <message>
        <source>Place %1: %2, %3, %4</source>
        <extracomment>%1 is the place, %2 the player&apos;s name, %3 the guesses and %4 the time, each with its unit.</extracomment>
        <translation>第 %1 名：%2，%3，%4</translation>
    </message>
    <message numerus="yes">
        <source>%n guesses</source>
        <translation>
            <numerusform>%n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>确定吗？</translation>
    </message>
</context>
<context>
    <name>codebreaking::TCongratulations</name>
    <message>
        <source>Congratulations</source>
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
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>codebreaking::TMainForm</name>
    <message>
        <source>Line %1 marker</source>
        <translation>第 %1 行标记</translation>
    </message>
    <message>
        <source>Line %1, column %2</source>
        <translation>第 %1 行第 %2 列</translation>
    </message>
    <message>
        <source>Correctly placed colors</source>
        <translation>位置正确的颜色</translation>
    </message>
    <message>
        <source>Uncorrectly placed colors</source>
        <translation>位置错误的颜色</translation>
    </message>
    <message>
        <source>Palette peg %1</source>
        <translation>调色板棋子 %1</translation>
    </message>
    <message>
        <source>Secret code peg %1</source>
        <translation>密码棋子 %1</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>重复</translation>
    </message>
    <message>
        <source>Repeat the previous line</source>
        <translation>重复上一行</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>行：</translation>
    </message>
    <message>
        <source>Seconds since the game started</source>
        <translation>本局开始以来的秒数</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>未检查</translation>
    </message>
    <message>
        <source>Line %1 correctly placed: %2</source>
        <translation>第 %1 行位置正确：%2</translation>
    </message>
    <message>
        <source>Line %1 incorrectly placed: %2</source>
        <translation>第 %1 行位置错误：%2</translation>
    </message>
    <message>
        <source>line to come</source>
        <translation>后续行</translation>
    </message>
    <message>
        <source>earlier line</source>
        <translation>之前的行</translation>
    </message>
    <message>
        <source>won line</source>
        <translation>获胜行</translation>
    </message>
    <message>
        <source>current line</source>
        <translation>当前行</translation>
    </message>
    <message>
        <source>Line %1 marker, %2</source>
        <translation>第 %1 行标记，%2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>Start a new game ?</source>
        <translation>要开始新游戏吗？</translation>
    </message>
    <message>
        <source>If you play %1 the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Start a new game ?</source>
        <extracomment>%1 is the name of an option of the Level or Options menu.</extracomment>
        <translation>如果使用“%1”，本局将算作练习，<byte value="xd"/>排行榜和统计都不会更新。<byte value="xd"/>要开始新游戏吗？</translation>
    </message>
    <message>
        <source>The game is over: start a new one for a hint.</source>
        <translation>本局已结束：开始新游戏才能获得提示。</translation>
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
        <source>Show Secret &amp;Code</source>
        <translation>显示密码(&amp;C)</translation>
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
        <source>&amp;Level</source>
        <translation>难度(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;3 Colors</source>
        <translation>3 色(&amp;3)</translation>
    </message>
    <message>
        <source>&amp;4 Colors</source>
        <translation>4 色(&amp;4)</translation>
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
        <source>&amp;Single Colors</source>
        <translation>颜色不重复(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Peg Symbols</source>
        <translation>棋子符号(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
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
        <source>&amp;Welcome Box</source>
        <translation>欢迎窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Sorry, too many guesses.</source>
        <translation>很遗憾，猜测次数已用完。</translation>
    </message>
    <message>
        <source>Single Colors</source>
        <translation>颜色不重复</translation>
    </message>
    <message>
        <source>3 Colors</source>
        <translation>3 色</translation>
    </message>
</context>
<context>
    <name>codebreaking::TPegShape</name>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is which peg it is, %2 its colour or &quot;empty&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>codebreaking::TResult</name>
    <message>
        <source>End of Game</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>N. of guesses:</source>
        <translation>猜测次数：</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>总用时：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>First try !!!</source>
        <translation>一次猜中！！！</translation>
    </message>
    <message>
        <source>Great!!</source>
        <translation>太棒了！！</translation>
    </message>
    <message>
        <source>You made it!</source>
        <translation>成功了！</translation>
    </message>
    <message>
        <source>At last!</source>
        <translation>终于猜中了！</translation>
    </message>
    <message>
        <source>Number of guesses: %1</source>
        <translation>猜测次数：%1</translation>
    </message>
    <message numerus="yes">
        <source>Total time: %n seconds</source>
        <translation>
            <numerusform>总用时：%n 秒</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>已玩局数</translation>
    </message>
    <message>
        <source>Seconds per game</source>
        <translation>平均秒数</translation>
    </message>
    <message>
        <source>Guesses per game</source>
        <translation>平均猜测次数</translation>
    </message>
    <message>
        <source>% of unsuccessful games</source>
        <translation>未获胜率（%）</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An accessible name: %1 is what the figure is, %2 the figure.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>确定吗？</translation>
    </message>
</context>
<context>
    <name>codebreaking::TTopScore</name>
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
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>codebreaking::TWelcomeBox</name>
    <message>
        <source>Welcome</source>
        <translation>欢迎</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>棋子落入孔中</translation>
    </message>
    <message>
        <source>Welcome to Pegora v2.3 !</source>
        <translation>欢迎使用 Pegora v2.3！</translation>
    </message>
    <message>
        <source>To win, you have to guess the secret color sequence the program choosed.</source>
        <translation>要获胜，就要猜出程序选定的颜色密码。</translation>
    </message>
    <message>
        <source>To do so, simply drag and drop the colors in the left-side spaces and then click on the Check button. The two numbers will tell you how many correctly placed color and how many incorrectly placed there are.</source>
        <translation>只需把颜色拖放到左侧的孔中，然后点击“检查”按钮。两个数字会告诉您有几个颜色位置正确、几个位置错误。</translation>
    </message>
    <message>
        <source>If you don&apos;t check Single Colors option there can be a sequence with a color repeated more than one time.</source>
        <translation>如果没有勾选“颜色不重复”选项，密码中同一种颜色可能出现多次。</translation>
    </message>
    <message>
        <source>Show this message when the program starts</source>
        <translation>启动时显示此消息</translation>
    </message>
    <message>
        <source>Whether this welcome comes back at every start</source>
        <translation>每次启动时是否再次显示此欢迎窗口</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>更多...</translation>
    </message>
    <message>
        <source>Opens the rules in the help</source>
        <translation>在帮助中打开规则</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>codebreaking::coach</name>
    <message numerus="yes">
        <source>%1 codes lost</source>
        <extracomment>The coach&apos;s loss in codes (&quot;3 codes lost&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>损失 %1 种密码</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 codes</source>
        <extracomment>A mean loss in codes (&quot;2 codes&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>%1 种密码</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Codes left at most</source>
        <translation>最多剩余密码数</translation>
    </message>
    <message>
        <source>Your lines</source>
        <translation>您的猜测</translation>
    </message>
    <message>
        <source>Best guesses</source>
        <translation>最佳猜测</translation>
    </message>
    <message>
        <source>Try %1</source>
        <extracomment>A guess, as the hint words it: %1 is the colours&apos; names.</extracomment>
        <translation>猜 %1</translation>
    </message>
    <message numerus="yes">
        <source>at most %n codes left; yours up to %1</source>
        <extracomment>The best guess&apos;s and this guess&apos;s codes left at most, %n and %1.</extracomment>
        <translation>
            <numerusform>最多剩 %n 种；您的猜测最多剩 %1 种</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::hint</name>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>紫红色</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>No code fits the lines so far.</source>
        <translation>没有任何密码与目前各行相符。</translation>
    </message>
    <message>
        <source>Try %1.</source>
        <extracomment>%1 is the guess: the colours&apos; names, one after the other.</extracomment>
        <translation>猜 %1。</translation>
    </message>
    <message>
        <source>Not the code, but narrows the %1 best.</source>
        <translation>这不是密码，但最能缩小这 %1 种可能。</translation>
    </message>
    <message>
        <source>1 code is still possible.</source>
        <translation>只剩 1 种可能的密码。</translation>
    </message>
    <message>
        <source>%1 codes are still possible.</source>
        <translation>还有 %1 种可能的密码。</translation>
    </message>
</context>
<context>
    <name>codebreaking::settings</name>
    <message>
        <source>Pegora starts with its standard settings and will leave the file as it is when it closes.</source>
        <translation>Pegora 将以标准设置启动，关闭时不会改动该文件。</translation>
    </message>
</context>
</TS>
