<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>kubolo::ScoreSheet</name>
    <message>
        <source>Bonus</source>
        <translation>Bônus</translation>
    </message>
    <message>
        <source>Bonus (-%1)</source>
        <extracomment>%1 is the points still missing for the bonus.</extracomment>
        <translation>Bônus (-%1)</translation>
    </message>
</context>
<context>
    <name>kubolo::Session</name>
    <message>
        <source>Roll: expect %1 in the end.</source>
        <translation>Lance os dados: total final esperado de %1.</translation>
    </message>
    <message>
        <source>Hold nothing: expect %1 in the end.</source>
        <translation>Não mantenha nenhum: total final esperado de %1.</translation>
    </message>
    <message>
        <source>Hold %1: expect %2 in the end.</source>
        <extracomment>Keep these dice (%1: their faces, &quot;3 3 5&quot;) and roll the others; %2 is the expected total.</extracomment>
        <translation>Mantenha %1: total final esperado de %2.</translation>
    </message>
    <message>
        <source>Choose %1: expect %2 in the end.</source>
        <extracomment>%1 is a category&apos;s name, %2 the expected total.</extracomment>
        <translation>Escolha %1: total final esperado de %2.</translation>
    </message>
</context>
<context>
    <name>kubolo::TAboutBox1</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the game&apos;s name.</extracomment>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version 3.3</source>
        <translation>Versão 3.3</translation>
    </message>
    <message>
        <source>Last modify: 30-6-97</source>
        <translation>Modificado em 30/6/97</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>Click to roll</source>
        <translation>Clique para lançar</translation>
    </message>
    <message>
        <source>Die, click or press Space to roll</source>
        <translation>Dado: clique ou pressione Espaço para lançar</translation>
    </message>
</context>
<context>
    <name>kubolo::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation>Melhores jogadores</translation>
    </message>
    <message>
        <source>Words of Wisdom from %1:</source>
        <extracomment>%1 is the best player&apos;s name.</extracomment>
        <translation>Palavras de sabedoria de %1:</translation>
    </message>
    <message>
        <source>Row %1 marker</source>
        <translation>Marcador da linha %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Tem certeza?</translation>
    </message>
</context>
<context>
    <name>kubolo::TDice</name>
    <message>
        <source>Die</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>%1, blank</source>
        <extracomment>%2 is the face&apos;s name: &quot;one&quot;, &quot;two&quot;...</extracomment>
        <translation>%1, em branco</translation>
    </message>
    <message>
        <source>%1, showing %2</source>
        <translation>%1, mostrando %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, mantido</translation>
    </message>
    <message>
        <source>%1, not held</source>
        <translation>%1, não mantido</translation>
    </message>
</context>
<context>
    <name>kubolo::TEndGame</name>
    <message>
        <source>End of game</source>
        <translation>Fim de partida</translation>
    </message>
    <message>
        <source>Left-side total:</source>
        <translation>Total esq.:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bônus:</translation>
    </message>
    <message>
        <source>Game total:</source>
        <translation>Total geral:</translation>
    </message>
    <message>
        <source>Kubolo:</source>
        <extracomment>The count of five of a kind in the game.</extracomment>
        <translation>Kubolo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kubolo::TMainForm</name>
    <message>
        <source>Die %1</source>
        <translation>Dado %1</translation>
    </message>
    <message>
        <source>Hold die %1</source>
        <translation>Manter o dado %1</translation>
    </message>
    <message>
        <source>Categories filled</source>
        <translation>Casas preenchidas</translation>
    </message>
    <message>
        <source>Roll n: 0</source>
        <translation>Lance: 0</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lançar</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bônus</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Total geral</translation>
    </message>
    <message>
        <source>Roll n: %1</source>
        <translation>Lance: %1</translation>
    </message>
    <message>
        <source>Left-side total: %1</source>
        <translation>Total do lado esquerdo: %1</translation>
    </message>
    <message>
        <source>Bonus points: %1</source>
        <translation>Pontos de bônus: %1</translation>
    </message>
    <message>
        <source>Game total: %1</source>
        <translation>Total geral: %1</translation>
    </message>
    <message>
        <source>%1, no score yet</source>
        <translation>%1, ainda sem pontos</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n ponto</numerusform>
            <numerusform>%1, %n pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, filled</source>
        <translation>%1, preenchida</translation>
    </message>
    <message>
        <source>%1, open</source>
        <translation>%1, livre</translation>
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
        <source>&amp;Statistics</source>
        <translation>&amp;Estatísticas</translation>
    </message>
    <message>
        <source>&amp;Best Players</source>
        <translation>&amp;Melhores jogadores</translation>
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
        <source>&amp;Roll</source>
        <translation>Dados &amp;rolando</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regras</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Pontuação</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>

The best players, statistics and options of this run are not saved.</source>
        <translation>

Os melhores jogadores, as estatísticas e as opções desta execução não são salvos.</translation>
    </message>
</context>
<context>
    <name>kubolo::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>Partidas jogadas</translation>
    </message>
    <message>
        <source>Points per game</source>
        <translation>Pontos por partida</translation>
    </message>
    <message>
        <source>Kubolo per game</source>
        <extracomment>Five of a kind per game.</extracomment>
        <translation>Kubolos por partida</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Tem certeza?</translation>
    </message>
</context>
<context>
    <name>kubolo::TTopFive</name>
    <message>
        <source>Congratulation</source>
        <translation>Parabéns</translation>
    </message>
    <message>
        <source>Your score is one of the best five !</source>
        <translation>Você está entre os cinco melhores!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Digite seu nome:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kubolo::TTopScore</name>
    <message>
        <source>Congratulations</source>
        <translation>Parabéns</translation>
    </message>
    <message>
        <source>Your score is the best one !</source>
        <translation>Seu resultado é o melhor!</translation>
    </message>
    <message>
        <source>Please enter your name...</source>
        <translation>Digite seu nome...</translation>
    </message>
    <message>
        <source>...and your Words of Wisdom:</source>
        <translation>...e suas palavras de sabedoria:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kubolo::category</name>
    <message>
        <source>Aces</source>
        <translation>Ases</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dois</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Três</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Trinca</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Quadra</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house: three of one face and two of another.</extracomment>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Minimum Scale</source>
        <translation>Sequência menor</translation>
    </message>
    <message>
        <source>Maximum Scale</source>
        <translation>Sequência maior</translation>
    </message>
    <message>
        <source>Kubolo</source>
        <translation>Kubolo</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
</context>
<context>
    <name>kubolo::coach</name>
    <message numerus="yes">
        <source>%1 points lost</source>
        <extracomment>The coach&apos;s loss, always with a decimal (&quot;4.5 points lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 ponto perdido</numerusform>
            <numerusform>%1 pontos perdidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 points</source>
        <extracomment>A mean loss, always with a decimal (&quot;0.8 points&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 ponto</numerusform>
            <numerusform>%1 pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jogadas</translation>
    </message>
    <message>
        <source>Expected final total</source>
        <translation>Total final esperado</translation>
    </message>
    <message>
        <source>Your play</source>
        <translation>Seu jogo</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Jogo ideal</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <extracomment>%1 is a category&apos;s name.</extracomment>
        <translation>Escolha %1</translation>
    </message>
    <message>
        <source>Hold nothing</source>
        <translation>Não mantenha nenhum</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <extracomment>%1 is the faces of the dice held, &quot;3 3 5&quot;.</extracomment>
        <translation>Mantenha %1</translation>
    </message>
</context>
<context>
    <name>kubolo::face</name>
    <message>
        <source>blank</source>
        <translation>em branco</translation>
    </message>
    <message>
        <source>one</source>
        <translation>um</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dois</translation>
    </message>
    <message>
        <source>three</source>
        <translation>três</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
</context>
<context>
    <name>kubolo::settings</name>
    <message>
        <source>Kubolo starts with the default best players, statistics and options, and will not write over that file.</source>
        <translation>O Kubolo inicia com os melhores jogadores, as estatísticas e as opções padrão, e não vai sobrescrever esse arquivo.</translation>
    </message>
    <message>
        <source>The best players, statistics and options of this run may not be saved.</source>
        <translation>Os melhores jogadores, as estatísticas e as opções desta execução podem não ser salvos.</translation>
    </message>
</context>
</TS>
