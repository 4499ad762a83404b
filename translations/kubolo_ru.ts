<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>kubolo::ScoreSheet</name>
    <message>
        <source>Bonus</source>
        <translation>Бонус</translation>
    </message>
    <message>
        <source>Bonus (-%1)</source>
        <extracomment>%1 is the points still missing for the bonus.</extracomment>
        <translation>Бонус (−%1)</translation>
    </message>
</context>
<context>
    <name>kubolo::Session</name>
    <message>
        <source>Roll: expect %1 in the end.</source>
        <translation>Бросить: ожидаемый итог %1.</translation>
    </message>
    <message>
        <source>Hold nothing: expect %1 in the end.</source>
        <translation>Ничего не оставлять: ожидаемый итог %1.</translation>
    </message>
    <message>
        <source>Hold %1: expect %2 in the end.</source>
        <extracomment>Keep these dice (%1: their faces, &quot;3 3 5&quot;) and roll the others; %2 is the expected total.</extracomment>
        <translation>Оставить %1: ожидаемый итог %2.</translation>
    </message>
    <message>
        <source>Choose %1: expect %2 in the end.</source>
        <extracomment>%1 is a category&apos;s name, %2 the expected total.</extracomment>
        <translation>Выбрать «%1»: ожидаемый итог %2.</translation>
    </message>
</context>
<context>
    <name>kubolo::TAboutBox1</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the game&apos;s name.</extracomment>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version 3.3</source>
        <translation>Версия 3.3</translation>
    </message>
    <message>
        <source>Last modify: 30-6-97</source>
        <translation>Изменено: 30.06.97</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Кубик</translation>
    </message>
    <message>
        <source>Click to roll</source>
        <translation>Щёлкните, чтобы бросить</translation>
    </message>
    <message>
        <source>Die, click or press Space to roll</source>
        <translation>Кубик: щёлкните или нажмите Пробел, чтобы бросить</translation>
    </message>
</context>
<context>
    <name>kubolo::TBestPlayers</name>
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
        <source>Row %1 marker</source>
        <translation>Метка строки %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Вы уверены?</translation>
    </message>
</context>
<context>
    <name>kubolo::TDice</name>
    <message>
        <source>Die</source>
        <translation>Кубик</translation>
    </message>
    <message>
        <source>%1, blank</source>
        <extracomment>%2 is the face&apos;s name: &quot;one&quot;, &quot;two&quot;...</extracomment>
        <translation>%1, пустой</translation>
    </message>
    <message>
        <source>%1, showing %2</source>
        <translation>%1, выпала %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, оставлен</translation>
    </message>
    <message>
        <source>%1, not held</source>
        <translation>%1, не оставлен</translation>
    </message>
</context>
<context>
    <name>kubolo::TEndGame</name>
    <message>
        <source>End of game</source>
        <translation>Конец игры</translation>
    </message>
    <message>
        <source>Left-side total:</source>
        <translation>Сумма слева:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Бонус:</translation>
    </message>
    <message>
        <source>Game total:</source>
        <translation>Итого:</translation>
    </message>
    <message>
        <source>Kubolo:</source>
        <extracomment>The count of five of a kind in the game.</extracomment>
        <translation>Kubolo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>kubolo::TMainForm</name>
    <message>
        <source>Die %1</source>
        <translation>Кубик %1</translation>
    </message>
    <message>
        <source>Hold die %1</source>
        <translation>Оставить кубик %1</translation>
    </message>
    <message>
        <source>Categories filled</source>
        <translation>Заполнено граф</translation>
    </message>
    <message>
        <source>Roll n: 0</source>
        <translation>Бросок: 0</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Бросить</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Бонус</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>Roll n: %1</source>
        <translation>Бросок: %1</translation>
    </message>
    <message>
        <source>Left-side total: %1</source>
        <translation>Сумма слева: %1</translation>
    </message>
    <message>
        <source>Bonus points: %1</source>
        <translation>Бонусные очки: %1</translation>
    </message>
    <message>
        <source>Game total: %1</source>
        <translation>Итого: %1</translation>
    </message>
    <message>
        <source>%1, no score yet</source>
        <translation>%1, очков пока нет</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n очко</numerusform>
            <numerusform>%1, %n очка</numerusform>
            <numerusform>%1, %n очков</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, filled</source>
        <translation>%1, графа заполнена</translation>
    </message>
    <message>
        <source>%1, open</source>
        <translation>%1, графа открыта</translation>
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
        <source>&amp;Options</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Катящиеся кубики</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
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
        <translation>Подсчёт о&amp;чков</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>

The best players, statistics and options of this run are not saved.</source>
        <translation>

Лучшие игроки, статистика и настройки этого сеанса не сохраняются.</translation>
    </message>
</context>
<context>
    <name>kubolo::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>Всего сыграно игр</translation>
    </message>
    <message>
        <source>Points per game</source>
        <translation>Очков за игру</translation>
    </message>
    <message>
        <source>Kubolo per game</source>
        <extracomment>Five of a kind per game.</extracomment>
        <translation>Kubolo за игру</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Вы уверены?</translation>
    </message>
</context>
<context>
    <name>kubolo::TTopFive</name>
    <message>
        <source>Congratulation</source>
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
</context>
<context>
    <name>kubolo::TTopScore</name>
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
</context>
<context>
    <name>kubolo::category</name>
    <message>
        <source>Aces</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Двойки</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Тройки</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Четвёрки</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Пятёрки</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Шестёрки</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>3 одинаковых</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>4 одинаковых</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house: three of one face and two of another.</extracomment>
        <translation>Фулл-хаус</translation>
    </message>
    <message>
        <source>Minimum Scale</source>
        <translation>Малый стрит</translation>
    </message>
    <message>
        <source>Maximum Scale</source>
        <translation>Большой стрит</translation>
    </message>
    <message>
        <source>Kubolo</source>
        <translation>Kubolo</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Шанс</translation>
    </message>
</context>
<context>
    <name>kubolo::coach</name>
    <message numerus="yes">
        <source>%1 points lost</source>
        <extracomment>The coach&apos;s loss, always with a decimal (&quot;4.5 points lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>потеряно %1 очка</numerusform>
            <numerusform>потеряно %1 очка</numerusform>
            <numerusform>потеряно %1 очка</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 points</source>
        <extracomment>A mean loss, always with a decimal (&quot;0.8 points&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 очка</numerusform>
            <numerusform>%1 очка</numerusform>
            <numerusform>%1 очка</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>Expected final total</source>
        <translation>Ожидаемый итог</translation>
    </message>
    <message>
        <source>Your play</source>
        <translation>Ваша игра</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Лучшая игра</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <extracomment>%1 is a category&apos;s name.</extracomment>
        <translation>Выбрать «%1»</translation>
    </message>
    <message>
        <source>Hold nothing</source>
        <translation>Ничего не оставлять</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <extracomment>%1 is the faces of the dice held, &quot;3 3 5&quot;.</extracomment>
        <translation>Оставить %1</translation>
    </message>
</context>
<context>
    <name>kubolo::face</name>
    <message>
        <source>blank</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>one</source>
        <translation>единица</translation>
    </message>
    <message>
        <source>two</source>
        <translation>двойка</translation>
    </message>
    <message>
        <source>three</source>
        <translation>тройка</translation>
    </message>
    <message>
        <source>four</source>
        <translation>четвёрка</translation>
    </message>
    <message>
        <source>five</source>
        <translation>пятёрка</translation>
    </message>
    <message>
        <source>six</source>
        <translation>шестёрка</translation>
    </message>
</context>
<context>
    <name>kubolo::settings</name>
    <message>
        <source>Kubolo starts with the default best players, statistics and options, and will not write over that file.</source>
        <translation>Kubolo запустится с исходными рекордами, статистикой и настройками и не перезапишет этот файл.</translation>
    </message>
    <message>
        <source>The best players, statistics and options of this run may not be saved.</source>
        <translation>Лучшие игроки, статистика и настройки этого сеанса могут не сохраниться.</translation>
    </message>
</context>
</TS>
