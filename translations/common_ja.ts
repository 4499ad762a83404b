<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>TAboutBox</name>
    <message>
        <source>this computer</source>
        <translation>このコンピューター</translation>
    </message>
    <message>
        <source>for %1 / %2</source>
        <extracomment>The About box&apos;s line of the system the game runs on: &quot;for Linux / X11&quot; (%1 the system, %2 the window system) or &quot;for Linux&quot;.</extracomment>
        <translation>%1 / %2 用</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>%1 用</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>App Name</source>
        <translation>アプリ名</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>バージョン 1.0</translation>
    </message>
    <message>
        <source>Last modify: 1-1-98</source>
        <translation>最終更新：1998/01/01</translation>
    </message>
    <message>
        <source>© 2026 the Table Games team</source>
        <translation>© 2026 Table Games チーム</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>メール：</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TAnimated</name>
    <message>
        <source>animation</source>
        <translation>アニメーション</translation>
    </message>
</context>
<context>
    <name>TArrowButton</name>
    <message>
        <source>%1 arrow</source>
        <extracomment>%1 is a colour&apos;s name (&quot;red arrow&quot;).</extracomment>
        <translation>%1の矢印</translation>
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
        <translation>最善手：%1（%2）。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid number.</source>
        <translation>「%1」は有効な数値ではありません。</translation>
    </message>
    <message>
        <source>Best move.</source>
        <translation>最善手です。</translation>
    </message>
</context>
<context>
    <name>TCoachChart</name>
    <message>
        <source>No move rated yet.</source>
        <translation>まだ評価した手はありません。</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>If you ask for a hint the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Show the hint ?</source>
        <translation>ヒントを使うと、このゲームは練習扱いになり、<byte value="xd"/>ランキングと統計は更新されません。<byte value="xd"/>ヒントを表示しますか？</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>コーチ(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Review...</source>
        <translation>振り返り(&amp;R)...</translation>
    </message>
    <message>
        <source>%1 &gt; %2 shows how the game went.</source>
        <extracomment>%1 is the Game menu, %2 its Review item, as the menu shows them.</extracomment>
        <translation>「%1 &gt; %2」でゲームの流れを確認できます。</translation>
    </message>
</context>
<context>
    <name>TReviewDialog</name>
    <message>
        <source>Review</source>
        <translation>振り返り</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>あなたの手</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>最善手</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>損失</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>評価</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>判断</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最善</translation>
    </message>
    <message>
        <source>Small error</source>
        <translation>小さなミス</translation>
    </message>
    <message>
        <source>Blunder</source>
        <translation>大きなミス</translation>
    </message>
    <message>
        <source>No move rated yet.</source>
        <translation>まだ評価した手はありません。</translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <extracomment>&quot;3 moves, 1 best, 4.5 points lost.&quot;: the counts, then the game&apos;s loss.</extracomment>
        <translation>%1、%2、%3。</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n手</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n best</source>
        <translation>
            <numerusform>最善%n手</numerusform>
        </translation>
    </message>
    <message>
        <source>This game: %1 lost a move on average; %2, %3.</source>
        <extracomment>%1 is an amount lost, as &quot;0.8 points&quot;; %2 and %3 the counts of small errors and blunders.</extracomment>
        <translation>このゲーム：1手あたり平均%1の損失、%2、%3。</translation>
    </message>
    <message numerus="yes">
        <source>%n small errors</source>
        <translation>
            <numerusform>小さなミス%n回</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blunders</source>
        <translation>
            <numerusform>大きなミス%n回</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your average with the coach: %1 lost a move, over %n moves.</source>
        <translation>
            <numerusform>コーチ使用時の平均：1手あたり%1の損失（%n手）。</numerusform>
        </translation>
    </message>
    <message>
        <source>Your average builds up as the coach rates your moves.</source>
        <translation>コーチが手を評価するにつれて、平均が記録されていきます。</translation>
    </message>
    <message>
        <source>Turn the coach on (Options) to keep your average over the games.</source>
        <translation>ゲームをまたいで平均を記録するには、オプションでコーチをオンにしてください。</translation>
    </message>
</context>
<context>
    <name>TURLLabel</name>
    <message>
        <source>web link</source>
        <translation>Web リンク</translation>
    </message>
    <message>
        <source>mail link</source>
        <translation>メールのリンク</translation>
    </message>
    <message>
        <source>file transfer link</source>
        <translation>ファイル転送のリンク</translation>
    </message>
    <message>
        <source>link</source>
        <translation>リンク</translation>
    </message>
</context>
<context>
    <name>colour</name>
    <message>
        <source>black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>maroon</source>
        <translation>栗色</translation>
    </message>
    <message>
        <source>green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>オリーブ</translation>
    </message>
    <message>
        <source>navy</source>
        <translation>紺</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>青緑</translation>
    </message>
    <message>
        <source>gray</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>silver</source>
        <translation>銀色</translation>
    </message>
    <message>
        <source>red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>黄緑</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>fuchsia</source>
        <translation>赤紫</translation>
    </message>
    <message>
        <source>aqua</source>
        <translation>水色</translation>
    </message>
    <message>
        <source>white</source>
        <translation>白</translation>
    </message>
    <message>
        <source>button face</source>
        <translation>ボタンの色</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>There is no folder to keep the settings in: neither XDG_CONFIG_HOME nor HOME is set to a full path. The settings of this run will not be kept.</source>
        <translation>設定を保存するフォルダーがありません。XDG_CONFIG_HOME も HOME も絶対パスに設定されていません。今回の設定は保存されません。</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>%1 ヘルプ</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be found.</source>
        <translation>ヘルプファイル「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is not in the help file &quot;%2&quot;.</source>
        <extracomment>%1 is a topic&apos;s keyword, %2 the help file&apos;s name.</extracomment>
        <translation>トピック「%1」はヘルプファイル「%2」にありません。</translation>
    </message>
</context>
<context>
    <name>platform::Messages</name>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
</context>
<context>
    <name>platform::TIniFile</name>
    <message>
        <source>&quot;%1&quot; is a folder, not a settings file.</source>
        <translation>「%1」はフォルダーです。設定ファイルではありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file.</source>
        <translation>「%1」は設定ファイルではありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: its owner may not read it.</source>
        <translation>「%1」を読み込めませんでした：所有者に読み取り権限がありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>「%1」を読み込めませんでした：%2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>フォルダーです。</translation>
    </message>
    <message>
        <source>it is not a plain file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>it is read-only.</source>
        <translation>読み取り専用です。</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is read-only.</source>
        <translation>フォルダー「%1」が読み取り専用です。</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be written: %2</source>
        <translation>設定ファイル「%1」に書き込めません：%2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be saved: %2</source>
        <translation>設定ファイル「%1」を保存できませんでした：%2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be created: %2</source>
        <translation>設定ファイル「%1」を作成できませんでした：%2</translation>
    </message>
</context>
<context>
    <name>platform::best</name>
    <message>
        <source>The statistics total %1 in &quot;%2&quot; counts from 0.</source>
        <extracomment>%1 is the key of a total in the settings file, %2 the file&apos;s path.</extracomment>
        <translation>「%2」の統計の合計 %1 は0から数え直します。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <translation>「%1」は有効な整数ではありません。</translation>
    </message>
</context>
</TS>
