<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>poker::Round</name>
    <message>
        <source>You must play at least 1 credit.</source>
        <translation>Você precisa apostar pelo menos 1 crédito.</translation>
    </message>
    <message>
        <source>Credits played out of range.</source>
        <translation>Aposta fora do limite.</translation>
    </message>
    <message>
        <source>You can play 1 credit.</source>
        <translation>Você pode apostar 1 crédito.</translation>
    </message>
    <message>
        <source>You can play from 1 to %L1 credits.</source>
        <translation>Você pode apostar de 1 a %L1 créditos.</translation>
    </message>
    <message>
        <source>Invalid value.</source>
        <translation>Valor inválido.</translation>
    </message>
</context>
<context>
    <name>poker::Session</name>
    <message>
        <source>Keep nothing: expect %1 times the bet.</source>
        <translation>Não mantenha nenhuma: ganho esperado de %1 vezes a aposta.</translation>
    </message>
    <message>
        <source>Keep all five: expect %1 times the bet.</source>
        <translation>Mantenha as cinco: ganho esperado de %1 vezes a aposta.</translation>
    </message>
    <message>
        <source>Keep %1: expect %2 times the bet.</source>
        <extracomment>%1 is the ranks to keep as the cards&apos; corners show them (&quot;A K&quot;), %2 the expected multiple.</extracomment>
        <translation>Mantenha %1: ganho esperado de %2 vezes a aposta.</translation>
    </message>
    <message>
        <source>Keep nothing</source>
        <translation>Não mantenha nenhuma</translation>
    </message>
    <message>
        <source>Keep all five</source>
        <translation>Mantenha as cinco</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <extracomment>%1 is the ranks kept as the cards&apos; corners show them (&quot;A K&quot;).</extracomment>
        <translation>Mantenha %1</translation>
    </message>
</context>
<context>
    <name>poker::TAboutBox1</name>
    <message>
        <source>Version 1.1</source>
        <translation>Versão 1.1</translation>
    </message>
    <message>
        <source>Last modify: 11-8-98</source>
        <translation>Modificado em 11/8/98</translation>
    </message>
    <message>
        <source>Cartova icon, click to hear the cards</source>
        <translation>Ícone do Cartova: clique para ouvir as cartas</translation>
    </message>
</context>
<context>
    <name>poker::TCard</name>
    <message>
        <source>face down</source>
        <translation>virada para baixo</translation>
    </message>
    <message>
        <source>%1, kept</source>
        <translation>%1, carta mantida</translation>
    </message>
</context>
<context>
    <name>poker::TMainForm</name>
    <message>
        <source>Keep card %1</source>
        <translation>Manter a carta %1</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Shown under a card the player keeps for the second deal.</extracomment>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>Boa sorte!</translation>
    </message>
    <message>
        <source>Credits won: 0</source>
        <translation>Créditos ganhos: 0</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The button that plays all credits.</extracomment>
        <translation>Tudo</translation>
    </message>
    <message>
        <source>Play all credits</source>
        <translation>Apostar todos os créditos</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Distribuir</translation>
    </message>
    <message>
        <source>Always play all credits</source>
        <translation>Sempre apostar tudo</translation>
    </message>
    <message>
        <source>Total credits: 100</source>
        <translation>Total de créditos: 100</translation>
    </message>
    <message>
        <source>Credits played:</source>
        <translation>Aposta:</translation>
    </message>
    <message>
        <source>Credits played</source>
        <translation>Aposta</translation>
    </message>
    <message>
        <source>Total credits: %1</source>
        <translation>Total de créditos: %1</translation>
    </message>
    <message>
        <source>Deal first: a hint is given between the two deals.</source>
        <translation>Distribua primeiro: a dica vem entre a distribuição e a troca.</translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation>Calculando a dica...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nova partida</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>&amp;Deck</source>
        <translation>&amp;Baralho</translation>
    </message>
    <message>
        <source>&amp;Beach</source>
        <translation>&amp;Praia</translation>
    </message>
    <message>
        <source>&amp;Fishes</source>
        <translation>P&amp;eixes</translation>
    </message>
    <message>
        <source>Standard &amp;1</source>
        <translation>Padrão &amp;1</translation>
    </message>
    <message>
        <source>Standard &amp;2</source>
        <translation>Padrão &amp;2</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Fundo</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Verde</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Azul</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>Ve&amp;rmelho</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Cinza</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation>&amp;Prêmios</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regras</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>

The options of this game were not kept.</source>
        <translation>

As opções deste jogo não foram guardadas.</translation>
    </message>
    <message>
        <source>Deal n. 2</source>
        <translation>Trocar</translation>
    </message>
    <message>
        <source>Deal n. 1</source>
        <translation>Distribuir</translation>
    </message>
    <message>
        <source>You lost your bet.</source>
        <translation>Você perdeu a aposta.</translation>
    </message>
    <message>
        <source>Credits won: %1</source>
        <translation>Créditos ganhos: %1</translation>
    </message>
    <message>
        <source>Sorry, end of game.<byte value="xd"/>Do you want to restart?</source>
        <translation>Sinto muito, fim de partida.<byte value="xd"/>Quer recomeçar?</translation>
    </message>
</context>
<context>
    <name>poker::TPayoffsForm</name>
    <message>
        <source>Royal Flush</source>
        <translation>Royal flush</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight flush</translation>
    </message>
    <message>
        <source>Poker</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>Quadra</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house.</extracomment>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Sequência</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Trinca</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>Dois pares</translation>
    </message>
    <message>
        <source>Pair (Jacks or better)</source>
        <translation>Par (valetes ou mais)</translation>
    </message>
    <message>
        <source>Payoffs</source>
        <translation>Prêmios</translation>
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
            <numerusform>%1 paga %n vez a aposta</numerusform>
            <numerusform>%1 paga %n vezes a aposta</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>poker::card</name>
    <message>
        <source>Spades</source>
        <translation>espadas</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>ouros</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>paus</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>copas</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valete</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rei</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ás</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;Ace&quot;, &quot;7&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>poker::coach</name>
    <message numerus="yes">
        <source>%1 credits lost</source>
        <extracomment>The coach&apos;s loss, always with decimals (&quot;0.25 credits lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 crédito perdido</numerusform>
            <numerusform>%1 créditos perdidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 credits</source>
        <extracomment>A mean loss, always with decimals (&quot;0.25 credits&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 crédito</numerusform>
            <numerusform>%1 créditos</numerusform>
        </translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mãos</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Your credits</source>
        <translation>Seus créditos</translation>
    </message>
    <message>
        <source>With the best keeps</source>
        <translation>Com as melhores escolhas</translation>
    </message>
</context>
<context>
    <name>poker::hand</name>
    <message>
        <source>Royal Flush !!!</source>
        <translation>Royal flush!!!</translation>
    </message>
    <message>
        <source>Straight Flush !!!</source>
        <translation>Straight flush!!!</translation>
    </message>
    <message>
        <source>Poker !!</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>Quadra!!</translation>
    </message>
    <message>
        <source>Full !</source>
        <extracomment>A full house.</extracomment>
        <translation>Full house!</translation>
    </message>
    <message>
        <source>Flush !</source>
        <translation>Flush!</translation>
    </message>
    <message>
        <source>Straight !</source>
        <translation>Sequência!</translation>
    </message>
    <message>
        <source>3 of a Kind.</source>
        <translation>Trinca.</translation>
    </message>
    <message>
        <source>Two pair.</source>
        <translation>Dois pares.</translation>
    </message>
    <message>
        <source>Pair.</source>
        <translation>Par.</translation>
    </message>
    <message>
        <source>Nothing.</source>
        <translation>Nada.</translation>
    </message>
</context>
<context>
    <name>poker::settings</name>
    <message>
        <source>The game starts with its usual options and leaves that file as it is.</source>
        <translation>O jogo inicia com as opções de sempre e deixa esse arquivo como está.</translation>
    </message>
    <message>
        <source>The game starts with its usual options.</source>
        <translation>O jogo inicia com as opções de sempre.</translation>
    </message>
</context>
</TS>
