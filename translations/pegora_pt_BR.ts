<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>codebreaking::TAboutBox1</name>
    <message>
        <source>Version 2.3</source>
        <translation>Versão 2.3</translation>
    </message>
    <message>
        <source>Last modify: 3-7-96</source>
        <translation>Modificado em 3/7/96</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>Um pino caindo no buraco</translation>
    </message>
</context>
<context>
    <name>codebreaking::TBestPlayers</name>
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
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>Palpites</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Place %1 marker</source>
        <translation>Marcador da posição %1</translation>
    </message>
    <message>
        <source>Place %1: %2, %3, %4</source>
        <extracomment>%1 is the place, %2 the player&apos;s name, %3 the guesses and %4 the time, each with its unit.</extracomment>
        <translation>Posição %1: %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n guesses</source>
        <translation>
            <numerusform>%n palpite</numerusform>
            <numerusform>%n palpites</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zerar</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Tem certeza?</translation>
    </message>
</context>
<context>
    <name>codebreaking::TCongratulations</name>
    <message>
        <source>Congratulations</source>
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
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>codebreaking::TMainForm</name>
    <message>
        <source>Line %1 marker</source>
        <translation>Marcador da linha %1</translation>
    </message>
    <message>
        <source>Line %1, column %2</source>
        <translation>Linha %1, coluna %2</translation>
    </message>
    <message>
        <source>Correctly placed colors</source>
        <translation>Cores no lugar certo</translation>
    </message>
    <message>
        <source>Uncorrectly placed colors</source>
        <translation>Cores no lugar errado</translation>
    </message>
    <message>
        <source>Palette peg %1</source>
        <translation>Pino %1 da paleta</translation>
    </message>
    <message>
        <source>Secret code peg %1</source>
        <translation>Pino %1 do código secreto</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Conferir</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Repeat the previous line</source>
        <translation>Repetir a linha anterior</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Linha:</translation>
    </message>
    <message>
        <source>Seconds since the game started</source>
        <translation>Segundos desde o início da partida</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>não conferida</translation>
    </message>
    <message>
        <source>Line %1 correctly placed: %2</source>
        <translation>Linha %1, no lugar certo: %2</translation>
    </message>
    <message>
        <source>Line %1 incorrectly placed: %2</source>
        <translation>Linha %1, no lugar errado: %2</translation>
    </message>
    <message>
        <source>line to come</source>
        <translation>linha a jogar</translation>
    </message>
    <message>
        <source>earlier line</source>
        <translation>linha anterior</translation>
    </message>
    <message>
        <source>won line</source>
        <translation>linha vencedora</translation>
    </message>
    <message>
        <source>current line</source>
        <translation>linha atual</translation>
    </message>
    <message>
        <source>Line %1 marker, %2</source>
        <translation>Marcador da linha %1, %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Linha %1</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Start a new game ?</source>
        <translation>Começar uma nova partida?</translation>
    </message>
    <message>
        <source>If you play %1 the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Start a new game ?</source>
        <extracomment>%1 is the name of an option of the Level or Options menu.</extracomment>
        <translation>Se você jogar com “%1”, a partida será considerada treino<byte value="xd"/>e Melhores jogadores e Estatísticas não serão atualizados.<byte value="xd"/>Começar uma nova partida?</translation>
    </message>
    <message>
        <source>The game is over: start a new one for a hint.</source>
        <translation>A partida terminou: comece uma nova para pedir uma dica.</translation>
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
        <source>Show Secret &amp;Code</source>
        <translation>Mostrar &amp;código secreto</translation>
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
        <source>&amp;Level</source>
        <translation>&amp;Nível</translation>
    </message>
    <message>
        <source>&amp;3 Colors</source>
        <translation>&amp;3 cores</translation>
    </message>
    <message>
        <source>&amp;4 Colors</source>
        <translation>&amp;4 cores</translation>
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
        <source>&amp;Single Colors</source>
        <translation>Sem cores &amp;repetidas</translation>
    </message>
    <message>
        <source>&amp;Peg Symbols</source>
        <translation>Símbolos nos &amp;pinos</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
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
        <source>&amp;Welcome Box</source>
        <translation>Janela de &amp;boas-vindas</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>Sorry, too many guesses.</source>
        <translation>Sinto muito, palpites demais.</translation>
    </message>
    <message>
        <source>Single Colors</source>
        <translation>Sem cores repetidas</translation>
    </message>
    <message>
        <source>3 Colors</source>
        <translation>3 cores</translation>
    </message>
</context>
<context>
    <name>codebreaking::TPegShape</name>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
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
        <translation>Fim de partida</translation>
    </message>
    <message>
        <source>N. of guesses:</source>
        <translation>Palpites:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Tempo total:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>First try !!!</source>
        <translation>De primeira!!!</translation>
    </message>
    <message>
        <source>Great!!</source>
        <translation>Ótimo!!</translation>
    </message>
    <message>
        <source>You made it!</source>
        <translation>Você conseguiu!</translation>
    </message>
    <message>
        <source>At last!</source>
        <translation>Finalmente!</translation>
    </message>
    <message>
        <source>Number of guesses: %1</source>
        <translation>Número de palpites: %1</translation>
    </message>
    <message numerus="yes">
        <source>Total time: %n seconds</source>
        <translation>
            <numerusform>Tempo total: %n segundo</numerusform>
            <numerusform>Tempo total: %n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>Partidas jogadas</translation>
    </message>
    <message>
        <source>Seconds per game</source>
        <translation>Segundos por partida</translation>
    </message>
    <message>
        <source>Guesses per game</source>
        <translation>Palpites por partida</translation>
    </message>
    <message>
        <source>% of unsuccessful games</source>
        <translation>% de derrotas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zerar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An accessible name: %1 is what the figure is, %2 the figure.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Tem certeza?</translation>
    </message>
</context>
<context>
    <name>codebreaking::TTopScore</name>
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
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>codebreaking::TWelcomeBox</name>
    <message>
        <source>Welcome</source>
        <translation>Boas-vindas</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>Um pino caindo no buraco</translation>
    </message>
    <message>
        <source>Welcome to Pegora v2.3 !</source>
        <translation>Boas-vindas ao Pegora v2.3!</translation>
    </message>
    <message>
        <source>To win, you have to guess the secret color sequence the program choosed.</source>
        <translation>Para vencer, você precisa adivinhar a sequência secreta de cores que o programa escolheu.</translation>
    </message>
    <message>
        <source>To do so, simply drag and drop the colors in the left-side spaces and then click on the Check button. The two numbers will tell you how many correctly placed color and how many incorrectly placed there are.</source>
        <translation>Para isso, basta arrastar as cores para os espaços da esquerda e depois clicar no botão Conferir. Os dois números dizem quantas cores estão no lugar certo e quantas estão no lugar errado.</translation>
    </message>
    <message>
        <source>If you don&apos;t check Single Colors option there can be a sequence with a color repeated more than one time.</source>
        <translation>Se você não marcar a opção Sem cores repetidas, a sequência pode ter uma cor repetida mais de uma vez.</translation>
    </message>
    <message>
        <source>Show this message when the program starts</source>
        <translation>Mostrar esta mensagem ao iniciar</translation>
    </message>
    <message>
        <source>Whether this welcome comes back at every start</source>
        <translation>Define se esta mensagem volta a aparecer a cada início</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Mais...</translation>
    </message>
    <message>
        <source>Opens the rules in the help</source>
        <translation>Abre as regras na ajuda</translation>
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
            <numerusform>%1 código perdido</numerusform>
            <numerusform>%1 códigos perdidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 codes</source>
        <extracomment>A mean loss in codes (&quot;2 codes&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>%1 código</numerusform>
            <numerusform>%1 códigos</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Codes left at most</source>
        <translation>Códigos restantes (máx.)</translation>
    </message>
    <message>
        <source>Your lines</source>
        <translation>Suas linhas</translation>
    </message>
    <message>
        <source>Best guesses</source>
        <translation>Melhores palpites</translation>
    </message>
    <message>
        <source>Try %1</source>
        <extracomment>A guess, as the hint words it: %1 is the colours&apos; names.</extracomment>
        <translation>Tente %1</translation>
    </message>
    <message numerus="yes">
        <source>at most %n codes left; yours up to %1</source>
        <extracomment>The best guess&apos;s and this guess&apos;s codes left at most, %n and %1.</extracomment>
        <translation>
            <numerusform>máx. %n código restante; com a sua, até %1</numerusform>
            <numerusform>máx. %n códigos restantes; com a sua, até %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::hint</name>
    <message>
        <source>White</source>
        <translation>branco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>fúcsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>preto</translation>
    </message>
    <message>
        <source>No code fits the lines so far.</source>
        <translation>Nenhum código combina com as linhas até agora.</translation>
    </message>
    <message>
        <source>Try %1.</source>
        <extracomment>%1 is the guess: the colours&apos; names, one after the other.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Not the code, but narrows the %1 best.</source>
        <translation>Não é o código; reduz ao máximo os %1.</translation>
    </message>
    <message>
        <source>1 code is still possible.</source>
        <translation>Ainda há 1 código possível.</translation>
    </message>
    <message>
        <source>%1 codes are still possible.</source>
        <translation>Ainda há %1 códigos possíveis.</translation>
    </message>
</context>
<context>
    <name>codebreaking::settings</name>
    <message>
        <source>Pegora starts with its standard settings and will leave the file as it is when it closes.</source>
        <translation>O Pegora inicia com as configurações padrão e deixará o arquivo como está ao fechar.</translation>
    </message>
</context>
</TS>
