<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>codebreaking::TAboutBox1</name>
    <message>
        <source>Version 2.3</source>
        <translation>バージョン 2.3</translation>
    </message>
    <message>
        <source>Last modify: 3-7-96</source>
        <translation>最終更新：1996/07/03</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>穴に落ちるピン</translation>
    </message>
</context>
<context>
    <name>codebreaking::TBestPlayers</name>
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
        <source>Player</source>
        <translation>プレイヤー</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>推測回数</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Place %1 marker</source>
        <translation>%1位のマーカー</translation>
    </message>
    <message>
        <source>Place %1: %2, %3, %4</source>
        <extracomment>%1 is the place, %2 the player&apos;s name, %3 the guesses and %4 the time, each with its unit.</extracomment>
        <translation>%1位：%2、%3、%4</translation>
    </message>
    <message numerus="yes">
        <source>%n guesses</source>
        <translation>
            <numerusform>%n回</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n秒</numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>よろしいですか？</translation>
    </message>
</context>
<context>
    <name>codebreaking::TCongratulations</name>
    <message>
        <source>Congratulations</source>
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
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>codebreaking::TMainForm</name>
    <message>
        <source>Line %1 marker</source>
        <translation>%1行目のマーカー</translation>
    </message>
    <message>
        <source>Line %1, column %2</source>
        <translation>%1行目、%2列目</translation>
    </message>
    <message>
        <source>Correctly placed colors</source>
        <translation>位置も正しい色</translation>
    </message>
    <message>
        <source>Uncorrectly placed colors</source>
        <translation>位置が違う色</translation>
    </message>
    <message>
        <source>Palette peg %1</source>
        <translation>パレットのピン%1</translation>
    </message>
    <message>
        <source>Secret code peg %1</source>
        <translation>秘密のコードのピン%1</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Repeat the previous line</source>
        <translation>前の行をコピー</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>行：</translation>
    </message>
    <message>
        <source>Seconds since the game started</source>
        <translation>ゲーム開始からの秒数</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>未判定</translation>
    </message>
    <message>
        <source>Line %1 correctly placed: %2</source>
        <translation>%1行目、位置も正しい：%2</translation>
    </message>
    <message>
        <source>Line %1 incorrectly placed: %2</source>
        <translation>%1行目、位置が違う：%2</translation>
    </message>
    <message>
        <source>line to come</source>
        <translation>これからの行</translation>
    </message>
    <message>
        <source>earlier line</source>
        <translation>前の行</translation>
    </message>
    <message>
        <source>won line</source>
        <translation>正解の行</translation>
    </message>
    <message>
        <source>current line</source>
        <translation>現在の行</translation>
    </message>
    <message>
        <source>Line %1 marker, %2</source>
        <translation>%1行目のマーカー、%2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>%1行目</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n秒</numerusform>
        </translation>
    </message>
    <message>
        <source>Start a new game ?</source>
        <translation>新しいゲームを始めますか？</translation>
    </message>
    <message>
        <source>If you play %1 the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Start a new game ?</source>
        <extracomment>%1 is the name of an option of the Level or Options menu.</extracomment>
        <translation>「%1」でプレイすると練習扱いになり、<byte value="xd"/>ランキングと統計は更新されません。<byte value="xd"/>新しいゲームを始めますか？</translation>
    </message>
    <message>
        <source>The game is over: start a new one for a hint.</source>
        <translation>ゲームは終了しています。ヒントは新しいゲームで使えます。</translation>
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
        <source>Show Secret &amp;Code</source>
        <translation>秘密のコードを表示(&amp;C)</translation>
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
        <source>&amp;Level</source>
        <translation>レベル(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;3 Colors</source>
        <translation>3色(&amp;3)</translation>
    </message>
    <message>
        <source>&amp;4 Colors</source>
        <translation>4色(&amp;4)</translation>
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
        <source>&amp;Single Colors</source>
        <translation>色の重複なし(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Peg Symbols</source>
        <translation>ピンの記号(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
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
        <source>&amp;Welcome Box</source>
        <translation>ようこそ画面(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Sorry, too many guesses.</source>
        <translation>残念、推測回数の上限です。</translation>
    </message>
    <message>
        <source>Single Colors</source>
        <translation>色の重複なし</translation>
    </message>
    <message>
        <source>3 Colors</source>
        <translation>3色</translation>
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
        <translation>ゲーム終了</translation>
    </message>
    <message>
        <source>N. of guesses:</source>
        <translation>推測回数：</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>合計時間：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>First try !!!</source>
        <translation>1回目で正解！！！</translation>
    </message>
    <message>
        <source>Great!!</source>
        <translation>お見事！！</translation>
    </message>
    <message>
        <source>You made it!</source>
        <translation>やったね！</translation>
    </message>
    <message>
        <source>At last!</source>
        <translation>ついに正解！</translation>
    </message>
    <message>
        <source>Number of guesses: %1</source>
        <translation>推測回数：%1</translation>
    </message>
    <message numerus="yes">
        <source>Total time: %n seconds</source>
        <translation>
            <numerusform>合計時間：%n秒</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>プレイしたゲーム数</translation>
    </message>
    <message>
        <source>Seconds per game</source>
        <translation>1ゲームの平均秒数</translation>
    </message>
    <message>
        <source>Guesses per game</source>
        <translation>1ゲームの平均推測回数</translation>
    </message>
    <message>
        <source>% of unsuccessful games</source>
        <translation>勝てなかった割合（%）</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An accessible name: %1 is what the figure is, %2 the figure.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>よろしいですか？</translation>
    </message>
</context>
<context>
    <name>codebreaking::TTopScore</name>
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
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>codebreaking::TWelcomeBox</name>
    <message>
        <source>Welcome</source>
        <translation>ようこそ</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>穴に落ちるピン</translation>
    </message>
    <message>
        <source>Welcome to Pegora v2.3 !</source>
        <translation>Pegora v2.3 へようこそ！</translation>
    </message>
    <message>
        <source>To win, you have to guess the secret color sequence the program choosed.</source>
        <translation>プログラムが選んだ秘密の色の並びを当てれば勝ちです。</translation>
    </message>
    <message>
        <source>To do so, simply drag and drop the colors in the left-side spaces and then click on the Check button. The two numbers will tell you how many correctly placed color and how many incorrectly placed there are.</source>
        <translation>色を左側の穴へドラッグし、「判定」ボタンをクリックしてください。2つの数字が、位置も正しい色の数と、位置が違う色の数を示します。</translation>
    </message>
    <message>
        <source>If you don&apos;t check Single Colors option there can be a sequence with a color repeated more than one time.</source>
        <translation>「色の重複なし」をオンにしないと、同じ色が2回以上使われることがあります。</translation>
    </message>
    <message>
        <source>Show this message when the program starts</source>
        <translation>起動時にこのメッセージを表示する</translation>
    </message>
    <message>
        <source>Whether this welcome comes back at every start</source>
        <translation>起動するたびにこの画面を表示するかどうか</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>詳しく...</translation>
    </message>
    <message>
        <source>Opens the rules in the help</source>
        <translation>ヘルプのルールを開きます</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>codebreaking::coach</name>
    <message numerus="yes">
        <source>%1 codes lost</source>
        <extracomment>The coach&apos;s loss in codes (&quot;3 codes lost&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>%1通りの損失</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 codes</source>
        <extracomment>A mean loss in codes (&quot;2 codes&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>%1通り</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Codes left at most</source>
        <translation>最大残り候補数</translation>
    </message>
    <message>
        <source>Your lines</source>
        <translation>あなたの行</translation>
    </message>
    <message>
        <source>Best guesses</source>
        <translation>最善の推測</translation>
    </message>
    <message>
        <source>Try %1</source>
        <extracomment>A guess, as the hint words it: %1 is the colours&apos; names.</extracomment>
        <translation>「%1」を試す</translation>
    </message>
    <message numerus="yes">
        <source>at most %n codes left; yours up to %1</source>
        <extracomment>The best guess&apos;s and this guess&apos;s codes left at most, %n and %1.</extracomment>
        <translation>
            <numerusform>残り最大%n通り、あなたの行は最大%1通り</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::hint</name>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>赤紫</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>水色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>No code fits the lines so far.</source>
        <translation>これまでの行に合うコードはありません。</translation>
    </message>
    <message>
        <source>Try %1.</source>
        <extracomment>%1 is the guess: the colours&apos; names, one after the other.</extracomment>
        <translation>「%1」がおすすめです。</translation>
    </message>
    <message>
        <source>Not the code, but narrows the %1 best.</source>
        <translation>正解ではないが、%1通りを最もよく絞り込めます。</translation>
    </message>
    <message>
        <source>1 code is still possible.</source>
        <translation>残りの候補は1通りです。</translation>
    </message>
    <message>
        <source>%1 codes are still possible.</source>
        <translation>残りの候補は%1通りです。</translation>
    </message>
</context>
<context>
    <name>codebreaking::settings</name>
    <message>
        <source>Pegora starts with its standard settings and will leave the file as it is when it closes.</source>
        <translation>Pegora は標準の設定で起動し、終了時にもファイルを変更しません。</translation>
    </message>
</context>
</TS>
