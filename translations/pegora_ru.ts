<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>codebreaking::TAboutBox1</name>
    <message>
        <source>Version 2.3</source>
        <translation>Версия 2.3</translation>
    </message>
    <message>
        <source>Last modify: 3-7-96</source>
        <translation>Изменено: 03.07.96</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>Фишка падает в лунку</translation>
    </message>
</context>
<context>
    <name>codebreaking::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation>Лучшие игроки</translation>
    </message>
    <message>
        <source>Words of Wisdom from %1:</source>
        <extracomment>%1 is the best player&apos;s name.</extracomment>
        <translation>Мудрые слова игрока %1:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>Попытки</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Place %1 marker</source>
        <translation>Метка места %1</translation>
    </message>
    <message>
        <source>Place %1: %2, %3, %4</source>
        <extracomment>%1 is the place, %2 the player&apos;s name, %3 the guesses and %4 the time, each with its unit.</extracomment>
        <translation>Место %1: %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n guesses</source>
        <translation>
            <numerusform>%n попытка</numerusform>
            <numerusform>%n попытки</numerusform>
            <numerusform>%n попыток</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Сбросить</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Вы уверены?</translation>
    </message>
</context>
<context>
    <name>codebreaking::TCongratulations</name>
    <message>
        <source>Congratulations</source>
        <translation>Поздравляем</translation>
    </message>
    <message>
        <source>Your score is one of the best five !</source>
        <translation>Вы в пятёрке лучших!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Введите ваше имя:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>codebreaking::TMainForm</name>
    <message>
        <source>Line %1 marker</source>
        <translation>Метка строки %1</translation>
    </message>
    <message>
        <source>Line %1, column %2</source>
        <translation>Строка %1, столбец %2</translation>
    </message>
    <message>
        <source>Correctly placed colors</source>
        <translation>Цвета на своих местах</translation>
    </message>
    <message>
        <source>Uncorrectly placed colors</source>
        <translation>Цвета не на своих местах</translation>
    </message>
    <message>
        <source>Palette peg %1</source>
        <translation>Фишка палитры %1</translation>
    </message>
    <message>
        <source>Secret code peg %1</source>
        <translation>Фишка секретного кода %1</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Повтор</translation>
    </message>
    <message>
        <source>Repeat the previous line</source>
        <translation>Повторить предыдущую строку</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Ход:</translation>
    </message>
    <message>
        <source>Seconds since the game started</source>
        <translation>Секунды с начала игры</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>не проверена</translation>
    </message>
    <message>
        <source>Line %1 correctly placed: %2</source>
        <translation>Строка %1, на своих местах: %2</translation>
    </message>
    <message>
        <source>Line %1 incorrectly placed: %2</source>
        <translation>Строка %1, не на своих местах: %2</translation>
    </message>
    <message>
        <source>line to come</source>
        <translation>будущая строка</translation>
    </message>
    <message>
        <source>earlier line</source>
        <translation>прежняя строка</translation>
    </message>
    <message>
        <source>won line</source>
        <translation>выигрышная строка</translation>
    </message>
    <message>
        <source>current line</source>
        <translation>текущая строка</translation>
    </message>
    <message>
        <source>Line %1 marker, %2</source>
        <translation>Метка строки %1, %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Ход %1</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>Start a new game ?</source>
        <translation>Начать новую игру?</translation>
    </message>
    <message>
        <source>If you play %1 the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Start a new game ?</source>
        <extracomment>%1 is the name of an option of the Level or Options menu.</extracomment>
        <translation>В режиме «%1» игра считается тренировочной:<byte value="xd"/>рекорды и статистика не обновятся.<byte value="xd"/>Начать новую игру?</translation>
    </message>
    <message>
        <source>The game is over: start a new one for a hint.</source>
        <translation>Игра окончена: подсказка — в новой игре.</translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation>Расчёт подсказки...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>Show Secret &amp;Code</source>
        <translation>Показать &amp;код</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Статистика</translation>
    </message>
    <message>
        <source>&amp;Best Players</source>
        <translation>&amp;Лучшие игроки</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Уровень</translation>
    </message>
    <message>
        <source>&amp;3 Colors</source>
        <translation>&amp;3 цвета</translation>
    </message>
    <message>
        <source>&amp;4 Colors</source>
        <translation>&amp;4 цвета</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>&amp;Single Colors</source>
        <translation>&amp;Без повторов</translation>
    </message>
    <message>
        <source>&amp;Peg Symbols</source>
        <translation>&amp;Символы на фишках</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Правила</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Результаты</translation>
    </message>
    <message>
        <source>&amp;Welcome Box</source>
        <translation>Окно при&amp;ветствия</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>Sorry, too many guesses.</source>
        <translation>Увы, попытки кончились.</translation>
    </message>
    <message>
        <source>Single Colors</source>
        <translation>Без повторов</translation>
    </message>
    <message>
        <source>3 Colors</source>
        <translation>3 цвета</translation>
    </message>
</context>
<context>
    <name>codebreaking::TPegShape</name>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is which peg it is, %2 its colour or &quot;empty&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>codebreaking::TResult</name>
    <message>
        <source>End of Game</source>
        <translation>Конец игры</translation>
    </message>
    <message>
        <source>N. of guesses:</source>
        <translation>Попыток:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>First try !!!</source>
        <translation>С первой попытки!!!</translation>
    </message>
    <message>
        <source>Great!!</source>
        <translation>Отлично!!</translation>
    </message>
    <message>
        <source>You made it!</source>
        <translation>Получилось!</translation>
    </message>
    <message>
        <source>At last!</source>
        <translation>Наконец-то!</translation>
    </message>
    <message>
        <source>Number of guesses: %1</source>
        <translation>Число попыток: %1</translation>
    </message>
    <message numerus="yes">
        <source>Total time: %n seconds</source>
        <translation>
            <numerusform>Общее время: %n секунда</numerusform>
            <numerusform>Общее время: %n секунды</numerusform>
            <numerusform>Общее время: %n секунд</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>Всего сыграно игр</translation>
    </message>
    <message>
        <source>Seconds per game</source>
        <translation>Секунд на игру</translation>
    </message>
    <message>
        <source>Guesses per game</source>
        <translation>Попыток на игру</translation>
    </message>
    <message>
        <source>% of unsuccessful games</source>
        <translation>% игр без победы</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Сбросить</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An accessible name: %1 is what the figure is, %2 the figure.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Вы уверены?</translation>
    </message>
</context>
<context>
    <name>codebreaking::TTopScore</name>
    <message>
        <source>Congratulations</source>
        <translation>Поздравляем</translation>
    </message>
    <message>
        <source>Your score is the best one !</source>
        <translation>Ваш результат — лучший!</translation>
    </message>
    <message>
        <source>Please enter your name...</source>
        <translation>Введите ваше имя...</translation>
    </message>
    <message>
        <source>...and your Words of Wisdom:</source>
        <translation>...и ваши мудрые слова:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>codebreaking::TWelcomeBox</name>
    <message>
        <source>Welcome</source>
        <translation>Добро пожаловать</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>Фишка падает в лунку</translation>
    </message>
    <message>
        <source>Welcome to Pegora v2.3 !</source>
        <translation>Добро пожаловать в Pegora v2.3!</translation>
    </message>
    <message>
        <source>To win, you have to guess the secret color sequence the program choosed.</source>
        <translation>Чтобы выиграть, отгадайте секретную последовательность цветов, которую загадала программа.</translation>
    </message>
    <message>
        <source>To do so, simply drag and drop the colors in the left-side spaces and then click on the Check button. The two numbers will tell you how many correctly placed color and how many incorrectly placed there are.</source>
        <translation>Для этого перетащите цвета в лунки слева и нажмите кнопку «Готово». Два числа покажут, сколько цветов стоят на своих местах и сколько — не на своих.</translation>
    </message>
    <message>
        <source>If you don&apos;t check Single Colors option there can be a sequence with a color repeated more than one time.</source>
        <translation>Если режим «Без повторов» не включён, цвета в последовательности могут повторяться.</translation>
    </message>
    <message>
        <source>Show this message when the program starts</source>
        <translation>Показывать это окно при запуске</translation>
    </message>
    <message>
        <source>Whether this welcome comes back at every start</source>
        <translation>Показывать ли приветствие при каждом запуске</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Правила...</translation>
    </message>
    <message>
        <source>Opens the rules in the help</source>
        <translation>Открывает правила в справке</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>codebreaking::coach</name>
    <message numerus="yes">
        <source>%1 codes lost</source>
        <extracomment>The coach&apos;s loss in codes (&quot;3 codes lost&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>потерян %1 код</numerusform>
            <numerusform>потеряно %1 кода</numerusform>
            <numerusform>потеряно %1 кодов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 codes</source>
        <extracomment>A mean loss in codes (&quot;2 codes&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>%1 код</numerusform>
            <numerusform>%1 кода</numerusform>
            <numerusform>%1 кодов</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Строки</translation>
    </message>
    <message>
        <source>Codes left at most</source>
        <translation>Осталось кодов (макс.)</translation>
    </message>
    <message>
        <source>Your lines</source>
        <translation>Ваши строки</translation>
    </message>
    <message>
        <source>Best guesses</source>
        <translation>Лучшие попытки</translation>
    </message>
    <message>
        <source>Try %1</source>
        <extracomment>A guess, as the hint words it: %1 is the colours&apos; names.</extracomment>
        <translation>%1</translation>
    </message>
    <message numerus="yes">
        <source>at most %n codes left; yours up to %1</source>
        <extracomment>The best guess&apos;s and this guess&apos;s codes left at most, %n and %1.</extracomment>
        <translation>
            <numerusform>до %n кода, у вас до %1</numerusform>
            <numerusform>до %n кодов, у вас до %1</numerusform>
            <numerusform>до %n кодов, у вас до %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::hint</name>
    <message>
        <source>White</source>
        <translation>белый</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>красный</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>жёлтый</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>розовый</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>голубой</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>синий</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>чёрный</translation>
    </message>
    <message>
        <source>No code fits the lines so far.</source>
        <translation>Ни один код не подходит к сыгранным строкам.</translation>
    </message>
    <message>
        <source>Try %1.</source>
        <extracomment>%1 is the guess: the colours&apos; names, one after the other.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Not the code, but narrows the %1 best.</source>
        <translation>Не код, но лучше сузит круг из %1.</translation>
    </message>
    <message>
        <source>1 code is still possible.</source>
        <translation>Возможен только 1 код.</translation>
    </message>
    <message>
        <source>%1 codes are still possible.</source>
        <translation>Возможных кодов: %1.</translation>
    </message>
</context>
<context>
    <name>codebreaking::settings</name>
    <message>
        <source>Pegora starts with its standard settings and will leave the file as it is when it closes.</source>
        <translation>Pegora запустится со стандартными настройками и не изменит файл при закрытии.</translation>
    </message>
</context>
</TS>
