<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>TAboutBox</name>
    <message>
        <source>this computer</source>
        <translation>этого компьютера</translation>
    </message>
    <message>
        <source>for %1 / %2</source>
        <extracomment>The About box&apos;s line of the system the game runs on: &quot;for Linux / X11&quot; (%1 the system, %2 the window system) or &quot;for Linux&quot;.</extracomment>
        <translation>для %1 / %2</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>для %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>App Name</source>
        <translation>Название программы</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Версия 1.0</translation>
    </message>
    <message>
        <source>Last modify: 1-1-98</source>
        <translation>Изменено: 01.01.98</translation>
    </message>
    <message>
        <source>© 2026 the Table Games team</source>
        <translation>© 2026 команда Table Games</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Почта:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>Сайт:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>TAnimated</name>
    <message>
        <source>animation</source>
        <translation>анимация</translation>
    </message>
</context>
<context>
    <name>TArrowButton</name>
    <message>
        <source>%1 arrow</source>
        <extracomment>%1 is a colour&apos;s name (&quot;red arrow&quot;).</extracomment>
        <translation>%1 стрелка</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>TCoach</name>
    <message>
        <source>Best was: %1 (%2).</source>
        <extracomment>%1 the best move (&quot;Hold 5 5&quot;), %2 what the move made cost (&quot;4.5 points lost&quot;).</extracomment>
        <translation>Лучший ход: %1 (%2).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid number.</source>
        <translation>«%1» — не число.</translation>
    </message>
    <message>
        <source>Best move.</source>
        <translation>Лучший ход.</translation>
    </message>
</context>
<context>
    <name>TCoachChart</name>
    <message>
        <source>No move rated yet.</source>
        <translation>Оценённых ходов пока нет.</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>If you ask for a hint the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Show the hint ?</source>
        <translation>С подсказкой игра считается тренировочной:<byte value="xd"/>рекорды и статистика не обновятся.<byte value="xd"/>Показать подсказку?</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Тренер</translation>
    </message>
    <message>
        <source>&amp;Review...</source>
        <translation>&amp;Разбор...</translation>
    </message>
    <message>
        <source>%1 &gt; %2 shows how the game went.</source>
        <extracomment>%1 is the Game menu, %2 its Review item, as the menu shows them.</extracomment>
        <translation>%1 &gt; %2 покажет, как шла игра.</translation>
    </message>
</context>
<context>
    <name>TReviewDialog</name>
    <message>
        <source>Review</source>
        <translation>Разбор</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Ход</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Лучший ход</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Потеря</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Оценка</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Решения</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Лучший</translation>
    </message>
    <message>
        <source>Small error</source>
        <translation>Неточность</translation>
    </message>
    <message>
        <source>Blunder</source>
        <translation>Грубая ошибка</translation>
    </message>
    <message>
        <source>No move rated yet.</source>
        <translation>Оценённых ходов пока нет.</translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <extracomment>&quot;3 moves, 1 best, 4.5 points lost.&quot;: the counts, then the game&apos;s loss.</extracomment>
        <translation>%1, %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n ход</numerusform>
            <numerusform>%n хода</numerusform>
            <numerusform>%n ходов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n best</source>
        <translation>
            <numerusform>%n лучший</numerusform>
            <numerusform>%n лучших</numerusform>
            <numerusform>%n лучших</numerusform>
        </translation>
    </message>
    <message>
        <source>This game: %1 lost a move on average; %2, %3.</source>
        <extracomment>%1 is an amount lost, as &quot;0.8 points&quot;; %2 and %3 the counts of small errors and blunders.</extracomment>
        <translation>В этой игре: потеря в среднем %1 за ход; %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n small errors</source>
        <translation>
            <numerusform>%n неточность</numerusform>
            <numerusform>%n неточности</numerusform>
            <numerusform>%n неточностей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blunders</source>
        <translation>
            <numerusform>%n грубая ошибка</numerusform>
            <numerusform>%n грубые ошибки</numerusform>
            <numerusform>%n грубых ошибок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your average with the coach: %1 lost a move, over %n moves.</source>
        <translation>
            <numerusform>Ваш средний результат с тренером: потеря %1 за ход по итогам %n хода.</numerusform>
            <numerusform>Ваш средний результат с тренером: потеря %1 за ход по итогам %n ходов.</numerusform>
            <numerusform>Ваш средний результат с тренером: потеря %1 за ход по итогам %n ходов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your average builds up as the coach rates your moves.</source>
        <translation>Средний результат складывается, пока тренер оценивает ваши ходы.</translation>
    </message>
    <message>
        <source>Turn the coach on (Options) to keep your average over the games.</source>
        <translation>Включите тренера (Настройки), чтобы вести средний результат по всем играм.</translation>
    </message>
</context>
<context>
    <name>TURLLabel</name>
    <message>
        <source>web link</source>
        <translation>веб-ссылка</translation>
    </message>
    <message>
        <source>mail link</source>
        <translation>ссылка на почту</translation>
    </message>
    <message>
        <source>file transfer link</source>
        <translation>ссылка для передачи файлов</translation>
    </message>
    <message>
        <source>link</source>
        <translation>ссылка</translation>
    </message>
</context>
<context>
    <name>colour</name>
    <message>
        <source>black</source>
        <translation>чёрная</translation>
    </message>
    <message>
        <source>maroon</source>
        <translation>бордовая</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелёная</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>оливковая</translation>
    </message>
    <message>
        <source>navy</source>
        <translation>тёмно-синяя</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>фиолетовая</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>сине-зелёная</translation>
    </message>
    <message>
        <source>gray</source>
        <translation>серая</translation>
    </message>
    <message>
        <source>silver</source>
        <translation>серебристая</translation>
    </message>
    <message>
        <source>red</source>
        <translation>красная</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>салатовая</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жёлтая</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синяя</translation>
    </message>
    <message>
        <source>fuchsia</source>
        <translation>розовая</translation>
    </message>
    <message>
        <source>aqua</source>
        <translation>голубая</translation>
    </message>
    <message>
        <source>white</source>
        <translation>белая</translation>
    </message>
    <message>
        <source>button face</source>
        <translation>цвета кнопок</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>There is no folder to keep the settings in: neither XDG_CONFIG_HOME nor HOME is set to a full path. The settings of this run will not be kept.</source>
        <translation>Нет папки для хранения настроек: ни XDG_CONFIG_HOME, ни HOME не содержат полного пути. Настройки этого сеанса не сохранятся.</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>Справка %1</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be found.</source>
        <translation>Файл справки «%1» не найден.</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is not in the help file &quot;%2&quot;.</source>
        <extracomment>%1 is a topic&apos;s keyword, %2 the help file&apos;s name.</extracomment>
        <translation>Раздела «%1» нет в файле справки «%2».</translation>
    </message>
</context>
<context>
    <name>platform::Messages</name>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
</context>
<context>
    <name>platform::TIniFile</name>
    <message>
        <source>&quot;%1&quot; is a folder, not a settings file.</source>
        <translation>«%1» — папка, а не файл настроек.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file.</source>
        <translation>«%1» — не файл настроек.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: its owner may not read it.</source>
        <translation>Не удалось прочитать «%1»: у владельца файла нет права на чтение.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>Не удалось прочитать «%1»: %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>это папка.</translation>
    </message>
    <message>
        <source>it is not a plain file.</source>
        <translation>это не обычный файл.</translation>
    </message>
    <message>
        <source>it is read-only.</source>
        <translation>файл доступен только для чтения.</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is read-only.</source>
        <translation>папка «%1» доступна только для чтения.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be written: %2</source>
        <translation>Файл настроек «%1» нельзя записать: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be saved: %2</source>
        <translation>Не удалось сохранить файл настроек «%1»: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be created: %2</source>
        <translation>Не удалось создать файл настроек «%1»: %2</translation>
    </message>
</context>
<context>
    <name>platform::best</name>
    <message>
        <source>The statistics total %1 in &quot;%2&quot; counts from 0.</source>
        <extracomment>%1 is the key of a total in the settings file, %2 the file&apos;s path.</extracomment>
        <translation>Счётчик статистики %1 в «%2» обнулён.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <translation>«%1» — не целое число.</translation>
    </message>
</context>
</TS>
