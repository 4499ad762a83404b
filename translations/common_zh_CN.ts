<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>TAboutBox</name>
    <message>
        <source>this computer</source>
        <translation>本机</translation>
    </message>
    <message>
        <source>for %1 / %2</source>
        <extracomment>The About box&apos;s line of the system the game runs on: &quot;for Linux / X11&quot; (%1 the system, %2 the window system) or &quot;for Linux&quot;.</extracomment>
        <translation>适用于 %1 / %2</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>适用于 %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>App Name</source>
        <translation>程序名称</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>版本 1.0</translation>
    </message>
    <message>
        <source>Last modify: 1-1-98</source>
        <translation>最后修改：1998-1-1</translation>
    </message>
    <message>
        <source>© 2026 the Table Games team</source>
        <translation>© 2026 Table Games 团队</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>电子邮件：</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>网址：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TAnimated</name>
    <message>
        <source>animation</source>
        <translation>动画</translation>
    </message>
</context>
<context>
    <name>TArrowButton</name>
    <message>
        <source>%1 arrow</source>
        <extracomment>%1 is a colour&apos;s name (&quot;red arrow&quot;).</extracomment>
        <translation>%1箭头</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>TCoach</name>
    <message>
        <source>Best was: %1 (%2).</source>
        <extracomment>%1 the best move (&quot;Hold 5 5&quot;), %2 what the move made cost (&quot;4.5 points lost&quot;).</extracomment>
        <translation>最佳：%1（%2）。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid number.</source>
        <translation>“%1”不是有效的数字。</translation>
    </message>
    <message>
        <source>Best move.</source>
        <translation>最佳选择。</translation>
    </message>
</context>
<context>
    <name>TCoachChart</name>
    <message>
        <source>No move rated yet.</source>
        <translation>尚未评价任何一步。</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>If you ask for a hint the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Show the hint ?</source>
        <translation>如果使用提示，本局将算作练习，<byte value="xd"/>排行榜和统计都不会更新。<byte value="xd"/>要显示提示吗？</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>教练(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Review...</source>
        <translation>复盘(&amp;R)...</translation>
    </message>
    <message>
        <source>%1 &gt; %2 shows how the game went.</source>
        <extracomment>%1 is the Game menu, %2 its Review item, as the menu shows them.</extracomment>
        <translation>可在“%1 &gt; %2”中查看本局经过。</translation>
    </message>
</context>
<context>
    <name>TReviewDialog</name>
    <message>
        <source>Review</source>
        <translation>复盘</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>最佳选择</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>损失</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>评价</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>决策</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最佳</translation>
    </message>
    <message>
        <source>Small error</source>
        <translation>小失误</translation>
    </message>
    <message>
        <source>Blunder</source>
        <translation>大失误</translation>
    </message>
    <message>
        <source>No move rated yet.</source>
        <translation>尚未评价任何一步。</translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <extracomment>&quot;3 moves, 1 best, 4.5 points lost.&quot;: the counts, then the game&apos;s loss.</extracomment>
        <translation>%1，%2，%3。</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n 步</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n best</source>
        <translation>
            <numerusform>%n 步最佳</numerusform>
        </translation>
    </message>
    <message>
        <source>This game: %1 lost a move on average; %2, %3.</source>
        <extracomment>%1 is an amount lost, as &quot;0.8 points&quot;; %2 and %3 the counts of small errors and blunders.</extracomment>
        <translation>本局：平均每步损失 %1；%2，%3。</translation>
    </message>
    <message numerus="yes">
        <source>%n small errors</source>
        <translation>
            <numerusform>%n 个小失误</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blunders</source>
        <translation>
            <numerusform>%n 个大失误</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your average with the coach: %1 lost a move, over %n moves.</source>
        <translation>
            <numerusform>教练开启时的平均：每步损失 %1，共 %n 步。</numerusform>
        </translation>
    </message>
    <message>
        <source>Your average builds up as the coach rates your moves.</source>
        <translation>教练每评价一步，您的平均值就随之更新。</translation>
    </message>
    <message>
        <source>Turn the coach on (Options) to keep your average over the games.</source>
        <translation>打开教练（选项菜单），即可跨局累计您的平均值。</translation>
    </message>
</context>
<context>
    <name>TURLLabel</name>
    <message>
        <source>web link</source>
        <translation>网页链接</translation>
    </message>
    <message>
        <source>mail link</source>
        <translation>邮件链接</translation>
    </message>
    <message>
        <source>file transfer link</source>
        <translation>文件传输链接</translation>
    </message>
    <message>
        <source>link</source>
        <translation>链接</translation>
    </message>
</context>
<context>
    <name>colour</name>
    <message>
        <source>black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>maroon</source>
        <translation>栗色</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>橄榄色</translation>
    </message>
    <message>
        <source>navy</source>
        <translation>藏青色</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>蓝绿色</translation>
    </message>
    <message>
        <source>gray</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>silver</source>
        <translation>银色</translation>
    </message>
    <message>
        <source>red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>亮绿色</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>fuchsia</source>
        <translation>紫红色</translation>
    </message>
    <message>
        <source>aqua</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>white</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>button face</source>
        <translation>按钮颜色</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>There is no folder to keep the settings in: neither XDG_CONFIG_HOME nor HOME is set to a full path. The settings of this run will not be kept.</source>
        <translation>没有可以保存设置的文件夹：XDG_CONFIG_HOME 和 HOME 都没有设为完整路径。本次运行的设置将不会保存。</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>%1 帮助</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be found.</source>
        <translation>找不到帮助文件“%1”。</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is not in the help file &quot;%2&quot;.</source>
        <extracomment>%1 is a topic&apos;s keyword, %2 the help file&apos;s name.</extracomment>
        <translation>帮助文件“%2”中没有主题“%1”。</translation>
    </message>
</context>
<context>
    <name>platform::Messages</name>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>platform::TIniFile</name>
    <message>
        <source>&quot;%1&quot; is a folder, not a settings file.</source>
        <translation>“%1”是文件夹，不是设置文件。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file.</source>
        <translation>“%1”不是设置文件。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: its owner may not read it.</source>
        <translation>无法读取“%1”：文件所有者没有读取权限。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>它是文件夹。</translation>
    </message>
    <message>
        <source>it is not a plain file.</source>
        <translation>它不是普通文件。</translation>
    </message>
    <message>
        <source>it is read-only.</source>
        <translation>它是只读的。</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is read-only.</source>
        <translation>它所在的文件夹“%1”是只读的。</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be written: %2</source>
        <translation>无法写入设置文件“%1”：%2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be saved: %2</source>
        <translation>无法保存设置文件“%1”：%2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be created: %2</source>
        <translation>无法创建设置文件“%1”：%2</translation>
    </message>
</context>
<context>
    <name>platform::best</name>
    <message>
        <source>The statistics total %1 in &quot;%2&quot; counts from 0.</source>
        <extracomment>%1 is the key of a total in the settings file, %2 the file&apos;s path.</extracomment>
        <translation>“%2”中的统计总数 %1 将从 0 重新计数。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <translation>“%1”不是有效的整数值。</translation>
    </message>
</context>
</TS>
