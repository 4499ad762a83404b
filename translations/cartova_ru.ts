<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>poker::Round</name>
    <message>
        <source>You must play at least 1 credit.</source>
        <translation>Ставка — не меньше 1 кредита.</translation>
    </message>
    <message>
        <source>Credits played out of range.</source>
        <translation>Ставка вне допустимых пределов.</translation>
    </message>
    <message>
        <source>You can play 1 credit.</source>
        <translation>Можно поставить 1 кредит.</translation>
    </message>
    <message>
        <source>You can play from 1 to %L1 credits.</source>
        <translation>Ставка: от 1 до %L1.</translation>
    </message>
    <message>
        <source>Invalid value.</source>
        <translation>Недопустимое значение.</translation>
    </message>
</context>
<context>
    <name>poker::Session</name>
    <message>
        <source>Keep nothing: expect %1 times the bet.</source>
        <translation>Ничего не оставлять: в среднем %1 ставки.</translation>
    </message>
    <message>
        <source>Keep all five: expect %1 times the bet.</source>
        <translation>Оставить все пять: в среднем %1 ставки.</translation>
    </message>
    <message>
        <source>Keep %1: expect %2 times the bet.</source>
        <extracomment>%1 is the ranks to keep as the cards&apos; corners show them (&quot;A K&quot;), %2 the expected multiple.</extracomment>
        <translation>Оставить %1: в среднем %2 ставки.</translation>
    </message>
    <message>
        <source>Keep nothing</source>
        <translation>Ничего не оставлять</translation>
    </message>
    <message>
        <source>Keep all five</source>
        <translation>Оставить все пять</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <extracomment>%1 is the ranks kept as the cards&apos; corners show them (&quot;A K&quot;).</extracomment>
        <translation>Оставить %1</translation>
    </message>
</context>
<context>
    <name>poker::TAboutBox1</name>
    <message>
        <source>Version 1.1</source>
        <translation>Версия 1.1</translation>
    </message>
    <message>
        <source>Last modify: 11-8-98</source>
        <translation>Изменено: 11.08.98</translation>
    </message>
    <message>
        <source>Cartova icon, click to hear the cards</source>
        <translation>Значок Cartova: щёлкните, чтобы услышать карты</translation>
    </message>
</context>
<context>
    <name>poker::TCard</name>
    <message>
        <source>face down</source>
        <translation>рубашкой вверх</translation>
    </message>
    <message>
        <source>%1, kept</source>
        <translation>%1, остаётся</translation>
    </message>
</context>
<context>
    <name>poker::TMainForm</name>
    <message>
        <source>Keep card %1</source>
        <translation>Оставить карту %1</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Shown under a card the player keeps for the second deal.</extracomment>
        <translation>Оставить</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>Удачи!</translation>
    </message>
    <message>
        <source>Credits won: 0</source>
        <translation>Выигрыш: 0</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The button that plays all credits.</extracomment>
        <translation>Все</translation>
    </message>
    <message>
        <source>Play all credits</source>
        <translation>Поставить все кредиты</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Раздать</translation>
    </message>
    <message>
        <source>Always play all credits</source>
        <translation>Всегда ставить всё</translation>
    </message>
    <message>
        <source>Total credits: 100</source>
        <translation>Кредиты: 100</translation>
    </message>
    <message>
        <source>Credits played:</source>
        <translation>Ставка:</translation>
    </message>
    <message>
        <source>Credits played</source>
        <translation>Ставка</translation>
    </message>
    <message>
        <source>Total credits: %1</source>
        <translation>Кредиты: %1</translation>
    </message>
    <message>
        <source>Deal first: a hint is given between the two deals.</source>
        <translation>Сначала раздайте: подсказка даётся между сдачами.</translation>
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
        <source>&amp;Hint</source>
        <translation>&amp;Подсказка</translation>
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
        <source>&amp;Deck</source>
        <translation>&amp;Рубашка</translation>
    </message>
    <message>
        <source>&amp;Beach</source>
        <translation>&amp;Пляж</translation>
    </message>
    <message>
        <source>&amp;Fishes</source>
        <translation>&amp;Рыбки</translation>
    </message>
    <message>
        <source>Standard &amp;1</source>
        <translation>Стандартная &amp;1</translation>
    </message>
    <message>
        <source>Standard &amp;2</source>
        <translation>Стандартная &amp;2</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Фон</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Зелёный</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Синий</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Красный</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>С&amp;ерый</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation>&amp;Таблица выплат</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Правила</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>

The options of this game were not kept.</source>
        <translation>

Настройки этой игры не сохранены.</translation>
    </message>
    <message>
        <source>Deal n. 2</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Deal n. 1</source>
        <translation>Раздать</translation>
    </message>
    <message>
        <source>You lost your bet.</source>
        <translation>Ставка проиграна.</translation>
    </message>
    <message>
        <source>Credits won: %1</source>
        <translation>Выигрыш: %1</translation>
    </message>
    <message>
        <source>Sorry, end of game.<byte value="xd"/>Do you want to restart?</source>
        <translation>Увы, игра окончена.<byte value="xd"/>Начать заново?</translation>
    </message>
</context>
<context>
    <name>poker::TPayoffsForm</name>
    <message>
        <source>Royal Flush</source>
        <translation>Роял-флеш</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Стрит-флеш</translation>
    </message>
    <message>
        <source>Poker</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>Каре</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house.</extracomment>
        <translation>Фулл-хаус</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Флеш</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Стрит</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Тройка</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>Две пары</translation>
    </message>
    <message>
        <source>Pair (Jacks or better)</source>
        <translation>Пара (от валетов)</translation>
    </message>
    <message>
        <source>Payoffs</source>
        <translation>Таблица выплат</translation>
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
            <numerusform>%1: ставка × %n</numerusform>
            <numerusform>%1: ставка × %n</numerusform>
            <numerusform>%1: ставка × %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>poker::card</name>
    <message>
        <source>Spades</source>
        <translation>пик</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>бубен</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>треф</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>червей</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Валет</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Дама</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Король</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Туз</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;Ace&quot;, &quot;7&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>poker::coach</name>
    <message numerus="yes">
        <source>%1 credits lost</source>
        <extracomment>The coach&apos;s loss, always with decimals (&quot;0.25 credits lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>потеряно %1 кредита</numerusform>
            <numerusform>потеряно %1 кредита</numerusform>
            <numerusform>потеряно %1 кредита</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 credits</source>
        <extracomment>A mean loss, always with decimals (&quot;0.25 credits&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 кредита</numerusform>
            <numerusform>%1 кредита</numerusform>
            <numerusform>%1 кредита</numerusform>
        </translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Раздачи</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Кредиты</translation>
    </message>
    <message>
        <source>Your credits</source>
        <translation>Ваши кредиты</translation>
    </message>
    <message>
        <source>With the best keeps</source>
        <translation>При лучшем выборе</translation>
    </message>
</context>
<context>
    <name>poker::hand</name>
    <message>
        <source>Royal Flush !!!</source>
        <translation>Роял-флеш!!!</translation>
    </message>
    <message>
        <source>Straight Flush !!!</source>
        <translation>Стрит-флеш!!!</translation>
    </message>
    <message>
        <source>Poker !!</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>Каре!!</translation>
    </message>
    <message>
        <source>Full !</source>
        <extracomment>A full house.</extracomment>
        <translation>Фулл-хаус!</translation>
    </message>
    <message>
        <source>Flush !</source>
        <translation>Флеш!</translation>
    </message>
    <message>
        <source>Straight !</source>
        <translation>Стрит!</translation>
    </message>
    <message>
        <source>3 of a Kind.</source>
        <translation>Тройка.</translation>
    </message>
    <message>
        <source>Two pair.</source>
        <translation>Две пары.</translation>
    </message>
    <message>
        <source>Pair.</source>
        <translation>Пара.</translation>
    </message>
    <message>
        <source>Nothing.</source>
        <translation>Ничего.</translation>
    </message>
</context>
<context>
    <name>poker::settings</name>
    <message>
        <source>The game starts with its usual options and leaves that file as it is.</source>
        <translation>Игра запустится с обычными настройками и не изменит этот файл.</translation>
    </message>
    <message>
        <source>The game starts with its usual options.</source>
        <translation>Игра запустится с обычными настройками.</translation>
    </message>
</context>
</TS>
