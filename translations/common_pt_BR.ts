<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>TAboutBox</name>
    <message>
        <source>this computer</source>
        <translation>este computador</translation>
    </message>
    <message>
        <source>for %1 / %2</source>
        <extracomment>The About box&apos;s line of the system the game runs on: &quot;for Linux / X11&quot; (%1 the system, %2 the window system) or &quot;for Linux&quot;.</extracomment>
        <translation>para %1 / %2</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>para %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>App Name</source>
        <translation>Nome do aplicativo</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versão 1.0</translation>
    </message>
    <message>
        <source>Last modify: 1-1-98</source>
        <translation>Modificado em 1/1/98</translation>
    </message>
    <message>
        <source>© 2026 the Table Games team</source>
        <translation>© 2026 a equipe Table Games</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
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
        <translation>animação</translation>
    </message>
</context>
<context>
    <name>TArrowButton</name>
    <message>
        <source>%1 arrow</source>
        <extracomment>%1 is a colour&apos;s name (&quot;red arrow&quot;).</extracomment>
        <translation>seta (%1)</translation>
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
        <translation>Melhor jogada: %1 (%2).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid number.</source>
        <translation>“%1” não é um número válido.</translation>
    </message>
    <message>
        <source>Best move.</source>
        <translation>Melhor jogada.</translation>
    </message>
</context>
<context>
    <name>TCoachChart</name>
    <message>
        <source>No move rated yet.</source>
        <translation>Nenhuma jogada avaliada ainda.</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>If you ask for a hint the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Show the hint ?</source>
        <translation>Se você pedir uma dica, a partida será considerada treino<byte value="xd"/>e Melhores jogadores e Estatísticas não serão atualizados.<byte value="xd"/>Mostrar a dica?</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Treinador</translation>
    </message>
    <message>
        <source>&amp;Review...</source>
        <translation>&amp;Análise...</translation>
    </message>
    <message>
        <source>%1 &gt; %2 shows how the game went.</source>
        <extracomment>%1 is the Game menu, %2 its Review item, as the menu shows them.</extracomment>
        <translation>%1 &gt; %2 mostra como foi a partida.</translation>
    </message>
</context>
<context>
    <name>TReviewDialog</name>
    <message>
        <source>Review</source>
        <translation>Análise</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Jogada</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Melhor jogada</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Perda</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Avaliação</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Decisões</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Sem erro</translation>
    </message>
    <message>
        <source>Small error</source>
        <translation>Erro leve</translation>
    </message>
    <message>
        <source>Blunder</source>
        <translation>Erro grave</translation>
    </message>
    <message>
        <source>No move rated yet.</source>
        <translation>Nenhuma jogada avaliada ainda.</translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <extracomment>&quot;3 moves, 1 best, 4.5 points lost.&quot;: the counts, then the game&apos;s loss.</extracomment>
        <translation>%1, %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n jogada</numerusform>
            <numerusform>%n jogadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n best</source>
        <translation>
            <numerusform>%n sem erro</numerusform>
            <numerusform>%n sem erro</numerusform>
        </translation>
    </message>
    <message>
        <source>This game: %1 lost a move on average; %2, %3.</source>
        <extracomment>%1 is an amount lost, as &quot;0.8 points&quot;; %2 and %3 the counts of small errors and blunders.</extracomment>
        <translation>Esta partida: perda média de %1 por jogada; %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n small errors</source>
        <translation>
            <numerusform>%n erro leve</numerusform>
            <numerusform>%n erros leves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blunders</source>
        <translation>
            <numerusform>%n erro grave</numerusform>
            <numerusform>%n erros graves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your average with the coach: %1 lost a move, over %n moves.</source>
        <translation>
            <numerusform>Sua média com o treinador: perda de %1 por jogada, em %n jogada.</numerusform>
            <numerusform>Sua média com o treinador: perda de %1 por jogada, em %n jogadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your average builds up as the coach rates your moves.</source>
        <translation>Sua média vai se formando à medida que o treinador avalia suas jogadas.</translation>
    </message>
    <message>
        <source>Turn the coach on (Options) to keep your average over the games.</source>
        <translation>Ative o treinador (Opções) para acompanhar sua média ao longo das partidas.</translation>
    </message>
</context>
<context>
    <name>TURLLabel</name>
    <message>
        <source>web link</source>
        <translation>link da web</translation>
    </message>
    <message>
        <source>mail link</source>
        <translation>link de e-mail</translation>
    </message>
    <message>
        <source>file transfer link</source>
        <translation>link de transferência de arquivos</translation>
    </message>
    <message>
        <source>link</source>
        <translation>link</translation>
    </message>
</context>
<context>
    <name>colour</name>
    <message>
        <source>black</source>
        <translation>preto</translation>
    </message>
    <message>
        <source>maroon</source>
        <translation>bordô</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>verde-oliva</translation>
    </message>
    <message>
        <source>navy</source>
        <translation>azul-marinho</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>roxo</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>verde-azulado</translation>
    </message>
    <message>
        <source>gray</source>
        <translation>cinza</translation>
    </message>
    <message>
        <source>silver</source>
        <translation>prateado</translation>
    </message>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>verde-limão</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>fuchsia</source>
        <translation>fúcsia</translation>
    </message>
    <message>
        <source>aqua</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>white</source>
        <translation>branco</translation>
    </message>
    <message>
        <source>button face</source>
        <translation>cor dos botões</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>There is no folder to keep the settings in: neither XDG_CONFIG_HOME nor HOME is set to a full path. The settings of this run will not be kept.</source>
        <translation>Não há uma pasta onde guardar as configurações: nem XDG_CONFIG_HOME nem HOME indicam um caminho completo. As configurações desta execução não serão guardadas.</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>Ajuda do %1</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be found.</source>
        <translation>O arquivo de ajuda “%1” não foi encontrado.</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is not in the help file &quot;%2&quot;.</source>
        <extracomment>%1 is a topic&apos;s keyword, %2 the help file&apos;s name.</extracomment>
        <translation>O tópico “%1” não está no arquivo de ajuda “%2”.</translation>
    </message>
</context>
<context>
    <name>platform::Messages</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>platform::TIniFile</name>
    <message>
        <source>&quot;%1&quot; is a folder, not a settings file.</source>
        <translation>“%1” é uma pasta, não um arquivo de configurações.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file.</source>
        <translation>“%1” não é um arquivo de configurações.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: its owner may not read it.</source>
        <translation>Não foi possível ler “%1”: o dono não tem permissão de leitura.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>Não foi possível ler “%1”: %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>é uma pasta.</translation>
    </message>
    <message>
        <source>it is not a plain file.</source>
        <translation>não é um arquivo comum.</translation>
    </message>
    <message>
        <source>it is read-only.</source>
        <translation>é somente leitura.</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is read-only.</source>
        <translation>a pasta “%1” é somente leitura.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be written: %2</source>
        <translation>Não é possível gravar o arquivo de configurações “%1”: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be saved: %2</source>
        <translation>Não foi possível salvar o arquivo de configurações “%1”: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be created: %2</source>
        <translation>Não foi possível criar o arquivo de configurações “%1”: %2</translation>
    </message>
</context>
<context>
    <name>platform::best</name>
    <message>
        <source>The statistics total %1 in &quot;%2&quot; counts from 0.</source>
        <extracomment>%1 is the key of a total in the settings file, %2 the file&apos;s path.</extracomment>
        <translation>O total %1 das estatísticas em “%2” volta a contar de 0.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <translation>“%1” não é um número inteiro válido.</translation>
    </message>
</context>
</TS>
