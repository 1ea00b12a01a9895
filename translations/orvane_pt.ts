<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>Colors</name>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordô</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul-marinho</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde-azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde-limão</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fúcsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Money green</source>
        <translation>Verde-claro</translation>
    </message>
    <message>
        <source>Sky blue</source>
        <translation>Azul-celeste</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>Creme</translation>
    </message>
    <message>
        <source>Medium gray</source>
        <translation>Cinza médio</translation>
    </message>
</context>
<context>
    <name>ConnectionKeeper</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Your connection to the server was lost. Please try to reconnect using the &quot;Reset Connection&quot; button at the bottom of the window. [ErrID:</source>
        <translation>Sua conexão com o servidor foi perdida. Tente se reconectar usando o botão &quot;Restabelecer conexão&quot; na parte inferior da janela. [ErrID:</translation>
    </message>
    <message>
        <source>Orvane Live Browser</source>
        <translation>Orvane Live Browser</translation>
    </message>
    <message>
        <source>Your connection to the server was lost.</source>
        <translation>Sua conexão com o servidor foi perdida.</translation>
    </message>
    <message>
        <source>You are connected to the session again.</source>
        <translation>Você está conectado à sessão novamente.</translation>
    </message>
    <message>
        <source>Do you want to reconnect to the session?</source>
        <translation>Deseja se reconectar à sessão?</translation>
    </message>
    <message>
        <source>Reconnecting...</source>
        <translation>Reconectando...</translation>
    </message>
    <message numerus="yes">
        <source>Reconnecting in %n s</source>
        <translation>
            <numerusform>Reconectando em %n s</numerusform>
            <numerusform>Reconectando em %n s</numerusform>
        </translation>
    </message>
    <message>
        <source>You were disconnected from the server because <byte value="xd"/>
another user with your ID has just logged in</source>
        <translation>Você foi desconectado do servidor porque <byte value="xd"/>
outro usuário acabou de entrar com a sua identificação</translation>
    </message>
</context>
<context>
    <name>RosterHandlers</name>
    <message>
        <source> Participants [</source>
        <translation> Participantes [</translation>
    </message>
    <message>
        <source>» </source>
        <translation>» </translation>
    </message>
    <message>
        <source> joined the session</source>
        <translation> entrou na sessão</translation>
    </message>
    <message>
        <source>« </source>
        <translation>« </translation>
    </message>
    <message>
        <source> left the session</source>
        <translation> saiu da sessão</translation>
    </message>
    <message>
        <source>Step In</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Step Out</source>
        <translation>Ausentar-se</translation>
    </message>
    <message>
        <source>Show the participant&apos;s profile</source>
        <translation>Mostrar o perfil do participante</translation>
    </message>
    <message>
        <source>View My Profile</source>
        <translation>Ver meu perfil</translation>
    </message>
    <message>
        <source>Edit My Profile</source>
        <translation>Editar meu perfil</translation>
    </message>
    <message>
        <source>Change / Upload Personal Image</source>
        <translation>Alterar / enviar foto pessoal</translation>
    </message>
</context>
<context>
    <name>SettingsChoices</name>
    <message>
        <source>&lt;Disabled&gt;</source>
        <translation>&lt;Desativada&gt;</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>No Socks</source>
        <translation>Sem SOCKS</translation>
    </message>
    <message>
        <source>Socks 4</source>
        <translation>SOCKS 4</translation>
    </message>
    <message>
        <source>Socks 4A</source>
        <translation>SOCKS 4A</translation>
    </message>
    <message>
        <source>Socks 5</source>
        <translation>SOCKS 5</translation>
    </message>
    <message>
        <source>4 bit - 16 Colors (Low quality)</source>
        <translation>4 bits - 16 cores (baixa qualidade)</translation>
    </message>
    <message>
        <source>8 bit - 256 Colors (Medium quality)</source>
        <translation>8 bits - 256 cores (qualidade média)</translation>
    </message>
    <message>
        <source>16 bit - 65535 Colors (High quality)</source>
        <translation>16 bits - 65535 cores (alta qualidade)</translation>
    </message>
    <message>
        <source>32 bit - Highest Quality</source>
        <translation>32 bits - qualidade máxima</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Fast (Requires a Fast Connection)</source>
        <translation>Rápida (requer uma conexão rápida)</translation>
    </message>
    <message>
        <source>10 frames per second</source>
        <translation>10 quadros por segundo</translation>
    </message>
    <message>
        <source>15 frames per second</source>
        <translation>15 quadros por segundo</translation>
    </message>
    <message>
        <source>30 frames per second</source>
        <translation>30 quadros por segundo</translation>
    </message>
    <message>
        <source>160x120</source>
        <translation>160x120</translation>
    </message>
    <message>
        <source>176x144</source>
        <translation>176x144</translation>
    </message>
    <message>
        <source>320x240</source>
        <translation>320x240</translation>
    </message>
    <message>
        <source>352x288</source>
        <translation>352x288</translation>
    </message>
    <message>
        <source>Max %1 s.</source>
        <translation>Máx. %1 s</translation>
    </message>
    <message>
        <source>%1 msecs</source>
        <translation>%1 ms</translation>
    </message>
</context>
<context>
    <name>TAppShareModule</name>
    <message>
        <source>App Share</source>
        <translation>Compartilhar</translation>
    </message>
    <message>
        <source>Start Application/Desktop Sharing</source>
        <translation>Iniciar o compartilhamento de aplicativos/área de trabalho</translation>
    </message>
    <message>
        <source>Give application sharing remote control</source>
        <translation>Dar o controle remoto do compartilhamento de aplicativos</translation>
    </message>
    <message>
        <source>Deprive application sharing remote control</source>
        <translation>Retirar o controle remoto do compartilhamento de aplicativos</translation>
    </message>
    <message>
        <source>Application sharing is not available on this desktop.</source>
        <translation>O compartilhamento de aplicativos não está disponível nesta área de trabalho.</translation>
    </message>
    <message>
        <source>Please select a window to share.</source>
        <translation>Selecione uma janela para compartilhar.</translation>
    </message>
    <message>
        <source>Image not uploaded</source>
        <translation>A imagem não foi enviada</translation>
    </message>
    <message>
        <source>Application sharing is not available on this desktop: %1</source>
        <translation>O compartilhamento de aplicativos não está disponível nesta área de trabalho: %1</translation>
    </message>
    <message>
        <source>The screen cannot be shared: %1</source>
        <translation>A tela não pode ser compartilhada: %1</translation>
    </message>
    <message>
        <source>Remote control is not available on this desktop.</source>
        <translation>O controle remoto não está disponível nesta área de trabalho.</translation>
    </message>
</context>
<context>
    <name>TNotesPane</name>
    <message>
        <source>Post a note</source>
        <translation>Publicar uma nota</translation>
    </message>
    <message>
        <source>Display selected item</source>
        <translation>Exibir o item selecionado</translation>
    </message>
    <message>
        <source>Mark selected as complete</source>
        <translation>Marcar o selecionado como concluído</translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation>Excluir o item selecionado</translation>
    </message>
    <message>
        <source>Save notes to a file</source>
        <translation>Salvar as notas em um arquivo</translation>
    </message>
    <message>
        <source>Clear all notes in list</source>
        <translation>Limpar todas as notas da lista</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Ações</translation>
    </message>
    <message>
        <source>What to do with the notes</source>
        <translation>O que fazer com as notas</translation>
    </message>
    <message>
        <source>Notes and Questions</source>
        <translation>Notas e perguntas</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Concluída</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Pendente</translation>
    </message>
    <message>
        <source>Save the session notes</source>
        <translation>Salvar as notas da sessão</translation>
    </message>
    <message>
        <source>Plain Text (*.txt)</source>
        <translation>Texto simples (*.txt)</translation>
    </message>
    <message>
        <source>The note was not sent: there is no connection to the server.</source>
        <translation>A nota não foi enviada: não há conexão com o servidor.</translation>
    </message>
</context>
<context>
    <name>TVideoCoDec</name>
    <message>
        <source>No error.</source>
        <translation>Nenhum erro.</translation>
    </message>
    <message>
        <source>Drawing not allowed.</source>
        <translation>Desenho não permitido.</translation>
    </message>
    <message>
        <source>New palette.</source>
        <translation>Nova paleta.</translation>
    </message>
    <message>
        <source>A KeyFrame is needed.</source>
        <translation>É necessário um quadro-chave.</translation>
    </message>
    <message>
        <source>Stop drawing</source>
        <translation>Parar de desenhar</translation>
    </message>
    <message>
        <source>Unsupported video codec function/format</source>
        <translation>Função ou formato do codec de vídeo não suportado</translation>
    </message>
    <message>
        <source>Invalid video format.</source>
        <translation>Formato de vídeo inválido.</translation>
    </message>
    <message>
        <source>Not enough memory to compete.</source>
        <translation>Memória insuficiente para concluir.</translation>
    </message>
    <message>
        <source>Internal video codec error.</source>
        <translation>Erro interno do codec de vídeo.</translation>
    </message>
    <message>
        <source>Invalid video parameters.</source>
        <translation>Parâmetros de vídeo inválidos.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Parâmetro inválido.</translation>
    </message>
    <message>
        <source>Invalid size.</source>
        <translation>Tamanho inválido.</translation>
    </message>
    <message>
        <source>You don&apos;t have this video codec installed on your system.</source>
        <translation>Este codec de vídeo não está instalado no seu sistema.</translation>
    </message>
    <message>
        <source>Unable to update information.</source>
        <translation>Não foi possível atualizar as informações.</translation>
    </message>
    <message>
        <source>Video encoding aborted.</source>
        <translation>A codificação do vídeo foi interrompida.</translation>
    </message>
    <message>
        <source>Video codec produced an error.</source>
        <translation>O codec de vídeo produziu um erro.</translation>
    </message>
    <message>
        <source>Invalid bit-depth.</source>
        <translation>Profundidade de bits inválida.</translation>
    </message>
    <message>
        <source>Invalid image size.</source>
        <translation>Tamanho de imagem inválido.</translation>
    </message>
    <message>
        <source>A system compressor error occured.</source>
        <translation>Ocorreu um erro no compressor do sistema.</translation>
    </message>
</context>
<context>
    <name>TVideoModule</name>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>View Participant&apos;s Web Cam</source>
        <translation>Ver a webcam do participante</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Configurações de vídeo</translation>
    </message>
    <message>
        <source>My cam</source>
        <translation>Minha câmera</translation>
    </message>
</context>
<context>
    <name>TVideoSession</name>
    <message>
        <source>Initializing video driver.</source>
        <translation>Iniciando o driver de vídeo.</translation>
    </message>
    <message>
        <source>Checking video format.</source>
        <translation>Verificando o formato de vídeo.</translation>
    </message>
    <message>
        <source>Your camera does not support the current video format. Please adjust the video settings.</source>
        <translation>Sua câmera não suporta o formato de vídeo atual. Ajuste as configurações de vídeo.</translation>
    </message>
    <message>
        <source>The Windows Media Video 9 <byte value="xd"/>
codec is not installed.</source>
        <translation>O codec Windows Media Video 9 <byte value="xd"/>
não está instalado.</translation>
    </message>
    <message>
        <source>Initializing the video compressor...</source>
        <translation>Iniciando o compressor de vídeo...</translation>
    </message>
    <message>
        <source>Video failed.<byte value="xd"/>
Reason:</source>
        <translation>Falha no vídeo.<byte value="xd"/>
Motivo:</translation>
    </message>
    <message>
        <source>Communicating with video server...</source>
        <translation>Comunicando com o servidor de vídeo...</translation>
    </message>
    <message>
        <source>Unable to connect to video server.</source>
        <translation>Não foi possível conectar ao servidor de vídeo.</translation>
    </message>
    <message>
        <source>Updating compression info...</source>
        <translation>Atualizando as informações de compressão...</translation>
    </message>
    <message>
        <source>Initializing transmission...</source>
        <translation>Iniciando a transmissão...</translation>
    </message>
    <message>
        <source>Initializing the video driver.</source>
        <translation>Iniciando o driver de vídeo.</translation>
    </message>
    <message>
        <source>Unable to connect to video server.<byte value="xd"/>
Please try again in a few seconds.</source>
        <translation>Não foi possível conectar ao servidor de vídeo.<byte value="xd"/>
Tente novamente em alguns segundos.</translation>
    </message>
    <message>
        <source>Getting video information...</source>
        <translation>Obtendo as informações do vídeo...</translation>
    </message>
    <message>
        <source>Video broadcast refused by the server (code %1).</source>
        <translation>O servidor recusou a transmissão de vídeo (código %1).</translation>
    </message>
    <message>
        <source>Video not available.<byte value="xd"/>
This user has not his/her webcam on.</source>
        <translation>Vídeo indisponível.<byte value="xd"/>
Este usuário não está com a webcam ligada.</translation>
    </message>
    <message>
        <source>The </source>
        <translation>O codec </translation>
    </message>
    <message>
        <source>codec is not installed.</source>
        <translation>não está instalado.</translation>
    </message>
    <message>
        <source>Video codec failed. <byte value="xd"/>
Please try again.</source>
        <translation>Falha no codec de vídeo. <byte value="xd"/>
Tente novamente.</translation>
    </message>
    <message>
        <source>Video stopped!</source>
        <translation>Vídeo parado!</translation>
    </message>
    <message>
        <source>This participant&apos;s camera uses a format this program cannot show.</source>
        <translation>A câmera deste participante usa um formato que este programa não consegue exibir.</translation>
    </message>
</context>
<context>
    <name>TfrmProfile</name>
    <message>
        <source>Update Personal Profile</source>
        <translation>Atualizar perfil pessoal</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informações pessoais</translation>
    </message>
    <message>
        <source>&amp;First Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Last Name:</source>
        <translation>&amp;Sobrenome:</translation>
    </message>
    <message>
        <source>e&amp;Mail:</source>
        <translation>E-&amp;mail:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>Ende&amp;reço:</translation>
    </message>
    <message>
        <source>&amp;City:</source>
        <translation>&amp;Cidade:</translation>
    </message>
    <message>
        <source>&amp;Zip:</source>
        <translation>CE&amp;P:</translation>
    </message>
    <message>
        <source>&amp;Phone Numbers:</source>
        <translation>&amp;Telefones:</translation>
    </message>
    <message>
        <source>Company / &amp;Profession:</source>
        <translation>Empresa / Pro&amp;fissão:</translation>
    </message>
    <message>
        <source>Lan&amp;guages:</source>
        <translation>&amp;Idiomas:</translation>
    </message>
    <message>
        <source>&amp;Birth Date:</source>
        <translation>&amp;Data de nascimento:</translation>
    </message>
    <message>
        <source>G&amp;ender:</source>
        <translation>&amp;Gênero:</translation>
    </message>
    <message>
        <source>Please note that fields marked with red captions are required !</source>
        <translation>Os campos com rótulos em vermelho são obrigatórios!</translation>
    </message>
    <message>
        <source>To save the changes press the Save button.</source>
        <translation>Para salvar as alterações, clique no botão Salvar.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmUserList</name>
    <message>
        <source>Double click on a user for more options</source>
        <translation>Clique duas vezes em um usuário para ver mais opções</translation>
    </message>
    <message>
        <source>Attendees List</source>
        <translation>Lista de participantes</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Sorting and expanding the entries</source>
        <translation>Ordenar e expandir as entradas</translation>
    </message>
    <message>
        <source>Participant list options</source>
        <translation>Opções da lista de participantes</translation>
    </message>
    <message>
        <source>Moderators On Top</source>
        <translation>Moderadores no topo</translation>
    </message>
    <message>
        <source>Sort By Name</source>
        <translation>Ordenar por nome</translation>
    </message>
    <message>
        <source>Sort By Hand Status</source>
        <translation>Ordenar por mão levantada</translation>
    </message>
    <message>
        <source>Expand All Entries</source>
        <translation>Expandir todas as entradas</translation>
    </message>
    <message>
        <source>Collapse All Entries</source>
        <translation>Recolher todas as entradas</translation>
    </message>
    <message>
        <source>you</source>
        <translation>você</translation>
    </message>
    <message>
        <source>Moderator</source>
        <translation>Moderador</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Audio Test</source>
        <translation>Teste de áudio</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confirmado</translation>
    </message>
    <message>
        <source>hand %1</source>
        <translation>mão %1</translation>
    </message>
</context>
<context>
    <name>VideoCapture</name>
    <message>
        <source>Test pattern (moving colour bars)</source>
        <translation>Padrão de teste (barras de cores em movimento)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvane Live Browser</source>
        <translation>Orvane Live Browser</translation>
    </message>
    <message>
        <source>a join or play link, or a recorded session file</source>
        <translation>um link de entrada ou de reprodução, ou um arquivo de sessão gravada</translation>
    </message>
    <message>
        <source>the session server the sign-in window offers</source>
        <translation>o servidor de sessões oferecido pela janela de entrada</translation>
    </message>
    <message>
        <source>the settings file to use</source>
        <translation>o arquivo de configurações a usar</translation>
    </message>
    <message>
        <source>diagnostics on the terminal as well as in the log file</source>
        <translation>diagnósticos no terminal, além do arquivo de log</translation>
    </message>
    <message>
        <source>make a recorded session into a video file (.webm, or .mp4), given after the options</source>
        <translation>transforma uma sessão gravada em um arquivo de vídeo (.webm ou .mp4), informado depois das opções</translation>
    </message>
    <message>
        <source>the exported video&apos;s size (default 1280x720)</source>
        <translation>o tamanho do vídeo exportado (padrão 1280x720)</translation>
    </message>
    <message>
        <source>usage: orvane-live --export-video RECORDING OUT.webm [--size WxH] (even numbers from 16 to 7680)</source>
        <translation>uso: orvane-live --export-video GRAVAÇÃO SAÍDA.webm [--size LxA] (números pares de 16 a 7680)</translation>
    </message>
</context>
<context>
    <name>orv::AudioDevices</name>
    <message>
        <source>Default Playback Device</source>
        <translation>Dispositivo de reprodução padrão</translation>
    </message>
    <message>
        <source>Default Recording Device</source>
        <translation>Dispositivo de gravação padrão</translation>
    </message>
</context>
<context>
    <name>orv::AudioErrors</name>
    <message>
        <source> The specified resource does not exist.</source>
        <translation> O recurso especificado não existe.</translation>
    </message>
    <message>
        <source> The specified resource is already in use.</source>
        <translation> O recurso especificado já está em uso.</translation>
    </message>
    <message>
        <source> The specified handle is invalid.</source>
        <translation> O identificador especificado é inválido.</translation>
    </message>
    <message>
        <source> A suitable driver is not available to provide valid format selections.</source>
        <translation> Não há um driver adequado para oferecer formatos válidos.</translation>
    </message>
    <message>
        <source> The system is unable to allocate resources.</source>
        <translation> O sistema não consegue alocar recursos.</translation>
    </message>
    <message>
        <source> At least one flag is invalid.</source>
        <translation> Pelo menos um sinalizador é inválido.</translation>
    </message>
    <message>
        <source> At least one parameter is invalid.</source>
        <translation> Pelo menos um parâmetro é inválido.</translation>
    </message>
    <message>
        <source> Unsupported audio format.</source>
        <translation> Formato de áudio não suportado.</translation>
    </message>
    <message>
        <source> The specified device does not support asynchronous operation.</source>
        <translation> O dispositivo especificado não suporta operação assíncrona.</translation>
    </message>
    <message>
        <source> The requested operation cannot be performed.</source>
        <translation> Não é possível executar a operação solicitada.</translation>
    </message>
    <message>
        <source> The conversion stream is already in use.</source>
        <translation> O fluxo de conversão já está em uso.</translation>
    </message>
    <message>
        <source> Cannot perform this action on a header that has not been prepared.</source>
        <translation> Não é possível executar esta ação em um cabeçalho que não foi preparado.</translation>
    </message>
    <message>
        <source>%1 raised an unknown error (code #%2)</source>
        <translation>%1 gerou um erro desconhecido (código nº %2)</translation>
    </message>
</context>
<context>
    <name>orv::ChatCommands</name>
    <message>
        <source>Do you want to clear all text messages?</source>
        <translation>Deseja apagar todas as mensagens de texto?</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Não foi possível criar o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Save public chat</source>
        <translation>Salvar o chat público</translation>
    </message>
</context>
<context>
    <name>orv::ChatHandlers</name>
    <message>
        <source>%1 mentioned you</source>
        <translation>%1 mencionou você</translation>
    </message>
    <message>
        <source>Private message from %1</source>
        <translation>Mensagem privada de %1</translation>
    </message>
    <message>
        <source> (Moderator)</source>
        <translation> (moderador)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>The system is using a default value for your connection speed. You can set your real connection speed visiting File - Connection Speed.</source>
        <translation>O sistema está usando um valor padrão para a velocidade da sua conexão. Você pode informar a velocidade real em Arquivo - Velocidade da conexão.</translation>
    </message>
    <message>
        <source>%1 says: %2</source>
        <translation>%1 diz: %2</translation>
    </message>
    <message>
        <source>Private message from %1: %2</source>
        <translation>Mensagem privada de %1: %2</translation>
    </message>
</context>
<context>
    <name>orv::ChatState</name>
    <message>
        <source>Public Messages - Disabled for users</source>
        <translation>Mensagens públicas - desativadas para os usuários</translation>
    </message>
    <message>
        <source>Public Messages</source>
        <translation>Mensagens públicas</translation>
    </message>
    <message>
        <source>Unknown User</source>
        <translation>Usuário desconhecido</translation>
    </message>
</context>
<context>
    <name>orv::CodecCatalogue</name>
    <message>
        <source>GSM 6.10 - 8 KHz, 8 bit, 1.6 KB/s (Orvane Default)</source>
        <translation>GSM 6.10 - 8 kHz, 8 bits, 1,6 KB/s (padrão do Orvane)</translation>
    </message>
    <message>
        <source>Speex - 8 KHz, 16 bit, 1.3 KB/s</source>
        <translation>Speex - 8 kHz, 16 bits, 1,3 KB/s</translation>
    </message>
    <message>
        <source>Speex - 16 KHz, 16 bit, 1.6 KB/s</source>
        <translation>Speex - 16 kHz, 16 bits, 1,6 KB/s</translation>
    </message>
    <message>
        <source>Speex - 16 KHz, 16 bit, 2.1 KB/s</source>
        <translation>Speex - 16 kHz, 16 bits, 2,1 KB/s</translation>
    </message>
    <message>
        <source>Speex - 16 KHz, 16 bit, 3.4 KB/s</source>
        <translation>Speex - 16 kHz, 16 bits, 3,4 KB/s</translation>
    </message>
    <message>
        <source>Speex - 32 KHz, 16 bit, 1.8 KB/s</source>
        <translation>Speex - 32 kHz, 16 bits, 1,8 KB/s</translation>
    </message>
    <message>
        <source>Speex - 32 KHz, 16 bit, 2.8 KB/s</source>
        <translation>Speex - 32 kHz, 16 bits, 2,8 KB/s</translation>
    </message>
    <message>
        <source>Speex - 32 KHz, 16 bit, 3.7 KB/s</source>
        <translation>Speex - 32 kHz, 16 bits, 3,7 KB/s</translation>
    </message>
    <message>
        <source>Unknown Compressor</source>
        <translation>Compressor desconhecido</translation>
    </message>
</context>
<context>
    <name>orv::CodecRegistry</name>
    <message>
        <source>Invalid Format details</source>
        <translation>Detalhes de formato inválidos</translation>
    </message>
</context>
<context>
    <name>orv::DelayMeter</name>
    <message>
        <source>%1 sec.</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>orv::DesktopDownloadActions</name>
    <message>
        <source>&quot;%1&quot; is a program or a launcher, not a document, so it was not opened. It was saved as:<byte value="xd"/>
%2</source>
        <translation>&quot;%1&quot; é um programa ou um atalho de inicialização, não um documento, por isso não foi aberto. Ele foi salvo como:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>orv::ErrorMessages</name>
    <message>
        <source>No Error</source>
        <translation>Nenhum erro</translation>
    </message>
    <message>
        <source>Invalid Username or Password.</source>
        <translation>Nome de usuário ou senha inválidos.</translation>
    </message>
    <message>
        <source>Invalid Password or Username.</source>
        <translation>Senha ou nome de usuário inválidos.</translation>
    </message>
    <message>
        <source>You do not have permissions to attend this session.</source>
        <translation>Você não tem permissão para participar desta sessão.</translation>
    </message>
    <message>
        <source>Your subscription for this virtual room is not yet confirmed.</source>
        <translation>Sua inscrição nesta sala virtual ainda não foi confirmada.</translation>
    </message>
    <message>
        <source>Your subscription for this virtual room is temporarily on hold.</source>
        <translation>Sua inscrição nesta sala virtual está temporariamente suspensa.</translation>
    </message>
    <message>
        <source>Your subscription for this virtual room has expired.</source>
        <translation>Sua inscrição nesta sala virtual expirou.</translation>
    </message>
    <message>
        <source>This session is still unavailable.</source>
        <translation>Esta sessão ainda não está disponível.</translation>
    </message>
    <message>
        <source>This session is temporarily unavailable.</source>
        <translation>Esta sessão está temporariamente indisponível.</translation>
    </message>
    <message>
        <source>This session has expired.</source>
        <translation>Esta sessão expirou.</translation>
    </message>
    <message>
        <source>Your account is temporarily blocked.</source>
        <translation>Sua conta está temporariamente bloqueada.</translation>
    </message>
    <message>
        <source>Failed getting voice server settings.</source>
        <translation>Falha ao obter as configurações do servidor de voz.</translation>
    </message>
    <message>
        <source>Failed communicating with voice server.<byte value="xd"/>
Please, make sure you are connected to internet and <byte value="xd"/>
there is no firewall or proxy blocking the communication.<byte value="xd"/>
If the problem persists ask your system administrator for further assistance</source>
        <translation>Falha na comunicação com o servidor de voz.<byte value="xd"/><byte value="xd"/><byte value="xd"/>
Verifique se você está conectado à internet e se <byte value="xd"/><byte value="xd"/><byte value="xd"/>
nenhum firewall ou proxy está bloqueando a comunicação.<byte value="xd"/><byte value="xd"/><byte value="xd"/>
Se o problema continuar, peça ajuda ao administrador do sistema</translation>
    </message>
    <message>
        <source>Unable to establish a connection to the remote server.<byte value="xd"/>
Please, make sure you are connected to the Internet and <byte value="xd"/>
there is no Proxy or Firewall blocking the communication.<byte value="xd"/>
If the problem persists ask your system administrator for further assistance.</source>
        <translation>Não foi possível conectar ao servidor remoto.<byte value="xd"/><byte value="xd"/><byte value="xd"/>
Verifique se você está conectado à internet e se <byte value="xd"/><byte value="xd"/><byte value="xd"/>
nenhum proxy ou firewall está bloqueando a comunicação.<byte value="xd"/><byte value="xd"/><byte value="xd"/>
Se o problema continuar, peça ajuda ao administrador do sistema.</translation>
    </message>
    <message>
        <source>Unable to activate local voice engine.<byte value="xd"/>
Please make sure you have all audio drivers installed on your system and</source>
        <translation>Não foi possível ativar o mecanismo de voz local.<byte value="xd"/><byte value="xd"/><byte value="xd"/>
Verifique se todos os drivers de áudio estão instalados no sistema e</translation>
    </message>
    <message>
        <source>Another user is already logged in with this user ID.</source>
        <translation>Outro usuário já está conectado com esta identificação.</translation>
    </message>
    <message>
        <source>This file already exists on server.</source>
        <translation>Este arquivo já existe no servidor.</translation>
    </message>
    <message>
        <source>The file you are trying to access does not exist on server.</source>
        <translation>O arquivo que você está tentando acessar não existe no servidor.</translation>
    </message>
    <message>
        <source>Invalid Virtual Room Number.</source>
        <translation>Número de sala virtual inválido.</translation>
    </message>
    <message>
        <source>SYS: Empty queue. Contact Orvane site for support assistance on</source>
        <translation>SYS: fila vazia. Peça suporte no site da Orvane em</translation>
    </message>
    <message>
        <source>SYS: Wrong verification code. Contact Orvane site for support assistance on</source>
        <translation>SYS: código de verificação incorreto. Peça suporte no site da Orvane em</translation>
    </message>
    <message>
        <source>Your Orvane Live version is too old. You need to update it.<byte value="xd"/>
Please, visit our web site to get latest Orvane Live version</source>
        <translation>Sua versão do Orvane Live é muito antiga e precisa ser atualizada.<byte value="xd"/><byte value="xd"/><byte value="xd"/>
Visite nosso site para obter a versão mais recente do Orvane Live</translation>
    </message>
    <message>
        <source>Error occurred while trying to upload resource.</source>
        <translation>Ocorreu um erro ao enviar o recurso.</translation>
    </message>
    <message>
        <source>Error occurred while trying to delete remote resource. It may be in use by another user.</source>
        <translation>Ocorreu um erro ao excluir o recurso remoto. Ele pode estar em uso por outro usuário.</translation>
    </message>
    <message>
        <source>SYS: Resource does not exist on server.</source>
        <translation>SYS: o recurso não existe no servidor.</translation>
    </message>
    <message>
        <source>SYS: Unable to delete resource.</source>
        <translation>SYS: não foi possível excluir o recurso.</translation>
    </message>
    <message>
        <source>You do not have permission to access the microphone.</source>
        <translation>Você não tem permissão para usar o microfone.</translation>
    </message>
    <message>
        <source>You do not have permission to access white board.</source>
        <translation>Você não tem permissão para usar o quadro.</translation>
    </message>
    <message>
        <source>Your account has expired.</source>
        <translation>Sua conta expirou.</translation>
    </message>
    <message>
        <source>There are no items on server.</source>
        <translation>Não há itens no servidor.</translation>
    </message>
    <message>
        <source>Unable to open file. Please try again.</source>
        <translation>Não foi possível abrir o arquivo. Tente novamente.</translation>
    </message>
    <message>
        <source>You do not have permission to do this.</source>
        <translation>Você não tem permissão para fazer isso.</translation>
    </message>
    <message>
        <source>Error performing this operation.</source>
        <translation>Erro ao executar esta operação.</translation>
    </message>
    <message>
        <source>There are no entries on server.</source>
        <translation>Não há registros no servidor.</translation>
    </message>
    <message>
        <source>Unable to initialize the Audio engine !<byte value="xd"/>
This may be due to a problem in your audio device or a system audio codec is missing.<byte value="xd"/>
Please make sure your audio devices are properly installed and you have the necessary drivers.<byte value="xd"/>
If the problem persists contact a system administrator or write to</source>
        <translation>Não foi possível iniciar o mecanismo de áudio!<byte value="xd"/><byte value="xd"/><byte value="xd"/>
Pode haver um problema no seu dispositivo de áudio ou faltar um codec de áudio no sistema.<byte value="xd"/><byte value="xd"/><byte value="xd"/>
Verifique se os dispositivos de áudio estão instalados corretamente e se você tem os drivers necessários.<byte value="xd"/><byte value="xd"/><byte value="xd"/>
Se o problema continuar, fale com o administrador do sistema ou escreva para</translation>
    </message>
    <message>
        <source>Unable to join this virtual classroom.</source>
        <translation>Não foi possível entrar nesta sala de aula virtual.</translation>
    </message>
    <message>
        <source>Reached End Of File.</source>
        <translation>Fim do arquivo.</translation>
    </message>
    <message>
        <source>Playback is temporarily disabled on the server.</source>
        <translation>A reprodução está temporariamente desativada no servidor.</translation>
    </message>
    <message>
        <source>Orvane Recording Module is not installed. <byte value="xd"/>
Please install a new version of Orvane Browser.</source>
        <translation>O módulo de gravação do Orvane não está instalado. <byte value="xd"/><byte value="xd"/><byte value="xd"/>
Instale uma nova versão do Orvane Browser.</translation>
    </message>
    <message>
        <source>Unable to start application sharing.</source>
        <translation>Não foi possível iniciar o compartilhamento de aplicativos.</translation>
    </message>
    <message>
        <source>Failed to update snapshot.</source>
        <translation>Falha ao atualizar a captura.</translation>
    </message>
    <message>
        <source>A Session Recorder is already running.</source>
        <translation>Um gravador de sessão já está em execução.</translation>
    </message>
    <message>
        <source>Application sharing is already in progress.</source>
        <translation>O compartilhamento de aplicativos já está em andamento.</translation>
    </message>
    <message>
        <source>Application Sharing is stopped.</source>
        <translation>O compartilhamento de aplicativos está parado.</translation>
    </message>
    <message>
        <source>The Session Recorder is already stopped.</source>
        <translation>O gravador de sessões já está parado.</translation>
    </message>
    <message>
        <source>Invalid Parameter.</source>
        <translation>Parâmetro inválido.</translation>
    </message>
    <message>
        <source>Video broadcast is not available at the moment.</source>
        <translation>A transmissão de vídeo não está disponível no momento.</translation>
    </message>
    <message>
        <source>Video frame is not available.</source>
        <translation>O quadro de vídeo não está disponível.</translation>
    </message>
    <message>
        <source>Video is not allowed.</source>
        <translation>O vídeo não é permitido.</translation>
    </message>
    <message>
        <source>System message: Video frame was skipped.</source>
        <translation>Mensagem do sistema: um quadro de vídeo foi ignorado.</translation>
    </message>
    <message>
        <source>This virtual room is full.</source>
        <translation>Esta sala virtual está cheia.</translation>
    </message>
    <message>
        <source>No more seats available. (Subscriber&apos;s capacity exceeded)</source>
        <translation>Não há mais lugares disponíveis. (Capacidade do assinante excedida)</translation>
    </message>
    <message>
        <source>The server can&apos;t accept more connections at the moment.</source>
        <translation>O servidor não pode aceitar mais conexões no momento.</translation>
    </message>
    <message>
        <source>There are no more free microphones in the virtual room.</source>
        <translation>Não há mais microfones livres na sala virtual.</translation>
    </message>
    <message>
        <source>The primary account of the host has expired.</source>
        <translation>A conta principal do anfitrião expirou.</translation>
    </message>
    <message>
        <source>The subscription of the host has been put on hold.</source>
        <translation>A assinatura do anfitrião foi suspensa.</translation>
    </message>
    <message>
        <source>Unknown error reported by the server (code %1).</source>
        <translation>Erro desconhecido informado pelo servidor (código %1).</translation>
    </message>
    <message>
        <source>Access Denied ! [with message code: %1]</source>
        <translation>Acesso negado! [código da mensagem: %1]</translation>
    </message>
    <message>
        <source>Error description is: </source>
        <translation>Descrição do erro: </translation>
    </message>
</context>
<context>
    <name>orv::PollAnswers</name>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Verdadeiro</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Not sure</source>
        <translation>Não tenho certeza</translation>
    </message>
    <message>
        <source>May be</source>
        <translation>Talvez</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bom</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Ruim</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Certo</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Errado</translation>
    </message>
</context>
<context>
    <name>orv::PortalGlobalShortcuts</name>
    <message>
        <source>The desktop did not bind the push-to-talk key.</source>
        <translation>A área de trabalho não associou a tecla para falar.</translation>
    </message>
    <message>
        <source>Push to talk</source>
        <translation>Pressionar para falar</translation>
    </message>
</context>
<context>
    <name>orv::PortalScreenCast</name>
    <message>
        <source>The screen was not chosen.</source>
        <translation>A tela não foi escolhida.</translation>
    </message>
    <message>
        <source>The desktop refused to share the screen.</source>
        <translation>A área de trabalho recusou compartilhar a tela.</translation>
    </message>
    <message>
        <source>The desktop shares no screen.</source>
        <translation>A área de trabalho não compartilha nenhuma tela.</translation>
    </message>
</context>
<context>
    <name>orv::PortalScreenshot</name>
    <message>
        <source>The screenshot was cancelled.</source>
        <translation>A captura de tela foi cancelada.</translation>
    </message>
    <message>
        <source>The desktop refused to take a screenshot.</source>
        <translation>A área de trabalho recusou fazer uma captura de tela.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot cannot be read.</source>
        <translation>Não é possível ler a captura de tela da área de trabalho.</translation>
    </message>
</context>
<context>
    <name>orv::ResourceColumns</name>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
</context>
<context>
    <name>orv::SnapshotCommentDialog</name>
    <message>
        <source>Comment required</source>
        <translation>Comentário obrigatório</translation>
    </message>
    <message>
        <source>Enter a short comment for current image:</source>
        <translation>Digite um breve comentário para a imagem atual:</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Captura</translation>
    </message>
</context>
<context>
    <name>orv::StatusTexts</name>
    <message>
        <source>28.8 Kbps Dial Up</source>
        <translation>Discada de 28,8 kbps</translation>
    </message>
    <message>
        <source>33.6 Kbps Dial Up</source>
        <translation>Discada de 33,6 kbps</translation>
    </message>
    <message>
        <source>56 Kbps Dial Up</source>
        <translation>Discada de 56 kbps</translation>
    </message>
    <message>
        <source>Upld %1%</source>
        <translation>Envio %1%</translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source> Room %1: %2 (You have been in this session for %3 min.)</source>
        <translation> Sala %1: %2 (você está nesta sessão há %3 min)</translation>
    </message>
    <message>
        <source>Your screen resolution is less than 1024x768. Some of the text labels and graphics may not appear correctly.</source>
        <translation>A resolução da sua tela é menor que 1024x768. Alguns rótulos de texto e gráficos podem não aparecer corretamente.</translation>
    </message>
    <message>
        <source>Your screen DPI setting is not 96 dots per inch. Some of the text labels and graphics may not appear correctly.</source>
        <translation>A configuração de DPI da sua tela não é de 96 pontos por polegada. Alguns rótulos de texto e gráficos podem não aparecer corretamente.</translation>
    </message>
</context>
<context>
    <name>orv::TAudioControlPane</name>
    <message>
        <source>Speakers</source>
        <translation>Alto-falantes</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Microphone Boost</source>
        <translation>Amplificação do microfone</translation>
    </message>
    <message>
        <source>Set Buffering</source>
        <translation>Definir buffer</translation>
    </message>
    <message>
        <source>Inp. Audio Delay</source>
        <translation>Atraso de entrada</translation>
    </message>
    <message>
        <source>Connect Audio</source>
        <translation>Conectar áudio</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Codec:</translation>
    </message>
    <message>
        <source>Increase Volume</source>
        <translation>Aumentar o volume</translation>
    </message>
    <message>
        <source>Decrease Volume</source>
        <translation>Diminuir o volume</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Nível do microfone</translation>
    </message>
    <message>
        <source>Mute Microphone</source>
        <translation>Silenciar microfone</translation>
    </message>
</context>
<context>
    <name>orv::TAudioSettingsPage</name>
    <message>
        <source>Playback device:</source>
        <translation>Dispositivo de reprodução:</translation>
    </message>
    <message>
        <source>Recording device:</source>
        <translation>Dispositivo de gravação:</translation>
    </message>
    <message>
        <source>Mute the speakers while I talk</source>
        <translation>Silenciar os alto-falantes enquanto eu falo</translation>
    </message>
    <message>
        <source>Audio buffer:</source>
        <translation>Buffer de áudio:</translation>
    </message>
    <message>
        <source>Push-to-talk key:</source>
        <translation>Tecla para falar:</translation>
    </message>
    <message>
        <source>Cancel the echo of my speakers in what I say</source>
        <translation>Cancelar o eco dos meus alto-falantes no que eu digo</translation>
    </message>
    <message>
        <source>Suppress steady background noise</source>
        <translation>Suprimir ruído de fundo constante</translation>
    </message>
    <message>
        <source>The key works only while this program&apos;s windows are active: this desktop does not let programs see keys pressed elsewhere.</source>
        <translation>A tecla só funciona enquanto as janelas deste programa estiverem ativas: esta área de trabalho não permite que os programas vejam teclas pressionadas em outros lugares.</translation>
    </message>
</context>
<context>
    <name>orv::TBoardModule</name>
    <message>
        <source>Lock Board</source>
        <translation>Bloquear quadro</translation>
    </message>
    <message>
        <source>Lock the whiteboard for drawing and slides</source>
        <translation>Bloquear o quadro para desenhar e exibir slides</translation>
    </message>
</context>
<context>
    <name>orv::TBoardSettingsPage</name>
    <message>
        <source>&quot;%1&quot; is not installed; it is kept as chosen.</source>
        <translation>&quot;%1&quot; não está instalada; a escolha foi mantida.</translation>
    </message>
    <message>
        <source>Text box font:</source>
        <translation>Fonte da caixa de texto:</translation>
    </message>
    <message>
        <source>Text box font colour:</source>
        <translation>Cor da fonte da caixa de texto:</translation>
    </message>
    <message>
        <source>Text box font size:</source>
        <translation>Tamanho da fonte da caixa de texto:</translation>
    </message>
    <message>
        <source>Grid size:</source>
        <translation>Tamanho da grade:</translation>
    </message>
    <message>
        <source>Pen width:</source>
        <translation>Espessura da caneta:</translation>
    </message>
    <message>
        <source>Pen colour:</source>
        <translation>Cor da caneta:</translation>
    </message>
</context>
<context>
    <name>orv::TBoardSharing</name>
    <message>
        <source>You do not have permission to access the whiteboard.</source>
        <translation>Você não tem permissão para usar o quadro.</translation>
    </message>
    <message>
        <source>Your access to the white board is granted.<byte value="xd"/>
You can use the Lock Board button to gain access over the board.</source>
        <translation>Você recebeu acesso ao quadro.<byte value="xd"/>
Use o botão Bloquear quadro para assumir o controle do quadro.</translation>
    </message>
    <message>
        <source>Press OK to continue or Cancel to do nothing.</source>
        <translation>Clique em OK para continuar ou em Cancelar para não fazer nada.</translation>
    </message>
    <message>
        <source>This operation will clear your private board.</source>
        <translation>Esta operação vai limpar o seu quadro particular.</translation>
    </message>
    <message>
        <source>This operation will clear the current board for all users.</source>
        <translation>Esta operação vai limpar o quadro atual para todos os usuários.</translation>
    </message>
    <message>
        <source>The slide/image is not available. It may has been deleted.</source>
        <translation>O slide/imagem não está disponível. Talvez tenha sido excluído.</translation>
    </message>
    <message>
        <source>Loading WhiteBoard # %1 Items %2</source>
        <translation>Carregando o quadro nº %1, itens: %2</translation>
    </message>
    <message>
        <source>WhiteBoard # %1 Loaded... Displaying content. Please wait...</source>
        <translation>Quadro nº %1 carregado... Exibindo o conteúdo. Aguarde...</translation>
    </message>
</context>
<context>
    <name>orv::TBoardTools</name>
    <message>
        <source>The size of this image is larger than the white board.<byte value="xd"/>
Do you want to shrink the image to fit on the whiteboard or expand the whiteboard up to the image size?<byte value="xd"/>
Press Yes to shrink the image or No to expand the whitebaord.</source>
        <translation>Esta imagem é maior que o quadro.<byte value="xd"/>
Deseja reduzir a imagem para caber no quadro ou ampliar o quadro até o tamanho da imagem?<byte value="xd"/>
Clique em Sim para reduzir a imagem ou em Não para ampliar o quadro.</translation>
    </message>
    <message>
        <source>Image not uploaded</source>
        <translation>A imagem não foi enviada</translation>
    </message>
</context>
<context>
    <name>orv::TBoardView</name>
    <message>
        <source>Whiteboard</source>
        <translation>Quadro</translation>
    </message>
</context>
<context>
    <name>orv::TChatLargeWindow</name>
    <message>
        <source>Text Chat</source>
        <translation>Chat de texto</translation>
    </message>
</context>
<context>
    <name>orv::TChatNoticeWindow</name>
    <message>
        <source>New Chat Message</source>
        <translation>Nova mensagem de chat</translation>
    </message>
</context>
<context>
    <name>orv::TChatPane</name>
    <message>
        <source>Conversation: choose who your messages go to</source>
        <translation>Conversa: escolha para quem vão as suas mensagens</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Type a message</source>
        <translation>Digite uma mensagem</translation>
    </message>
    <message>
        <source>Smilies and phrases</source>
        <translation>Emoticons e frases</translation>
    </message>
    <message>
        <source>Smilies</source>
        <translation>Emoticons</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Show in Large Window</source>
        <translation>Mostrar em janela grande</translation>
    </message>
    <message>
        <source>Show Timing</source>
        <translation>Mostrar horário</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>Chat Permissions</source>
        <translation>Permissões do chat</translation>
    </message>
    <message>
        <source>Clear all text messages</source>
        <translation>Apagar todas as mensagens de texto</translation>
    </message>
    <message>
        <source>Save the text messages to file</source>
        <translation>Salvar as mensagens de texto em um arquivo</translation>
    </message>
    <message>
        <source>Public messages</source>
        <translation>Mensagens públicas</translation>
    </message>
    <message>
        <source>Private messages</source>
        <translation>Mensagens privadas</translation>
    </message>
    <message>
        <source>Public Messages</source>
        <translation>Mensagens públicas</translation>
    </message>
    <message>
        <source>Save public text messages</source>
        <translation>Salvar as mensagens de texto públicas</translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>Rich Text Format (*.rtf)</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Olá</translation>
    </message>
    <message>
        <source>Bye</source>
        <translation>Tchau</translation>
    </message>
    <message>
        <source>LOL</source>
        <translation>Hahaha</translation>
    </message>
    <message>
        <source>Great</source>
        <translation>Ótimo</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Obrigado(a)</translation>
    </message>
    <message>
        <source>Can you repeat, please</source>
        <translation>Pode repetir, por favor?</translation>
    </message>
    <message>
        <source>Just a second</source>
        <translation>Só um instante</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequena</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Allow all chat messages (Both private and public)</source>
        <translation>Permitir todas as mensagens de chat (privadas e públicas)</translation>
    </message>
    <message>
        <source>Allow only public messages (Private ones are blocked)</source>
        <translation>Permitir apenas mensagens públicas (as privadas são bloqueadas)</translation>
    </message>
    <message>
        <source>Deny all chat messages</source>
        <translation>Recusar todas as mensagens de chat</translation>
    </message>
</context>
<context>
    <name>orv::TConnectionSettingsPage</name>
    <message>
        <source>I am behind a Proxy server</source>
        <translation>Estou atrás de um servidor proxy</translation>
    </message>
    <message>
        <source>Enable Proxy Authentication</source>
        <translation>Ativar a autenticação no proxy</translation>
    </message>
    <message>
        <source>Proxy type:</source>
        <translation>Tipo de proxy:</translation>
    </message>
    <message>
        <source>Proxy host:</source>
        <translation>Host do proxy:</translation>
    </message>
    <message>
        <source>Proxy port:</source>
        <translation>Porta do proxy:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nome de usuário:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Encrypted connection</source>
        <translation>Conexão criptografada</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligada</translation>
    </message>
    <message>
        <source>When the server offers it</source>
        <translation>Quando o servidor oferecer</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obrigatória</translation>
    </message>
    <message>
        <source>Forget every server certificate you chose to trust? Each of those servers will show its certificate again at the next sign-in.</source>
        <translation>Esquecer todos os certificados de servidor em que você escolheu confiar? Cada um desses servidores mostrará o certificado novamente no próximo login.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Server %1:%2</source>
        <translation>Servidor %1:%2</translation>
    </message>
    <message>
        <source>Encrypted connection:</source>
        <translation>Conexão criptografada:</translation>
    </message>
    <message>
        <source>Forget the trusted server certificates (%1)</source>
        <translation>Esquecer os certificados de servidor confiáveis (%1)</translation>
    </message>
</context>
<context>
    <name>orv::TDBusNotifier</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>orv::TFavouritePollsPage</name>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Excluir todas</translation>
    </message>
    <message>
        <source>Favorite Polls (Moderators Only)</source>
        <translation>Enquetes favoritas (somente moderadores)</translation>
    </message>
    <message>
        <source>Do you want to delete all your favorite polls?</source>
        <translation>Deseja excluir todas as suas enquetes favoritas?</translation>
    </message>
</context>
<context>
    <name>orv::TFileViewer</name>
    <message>
        <source>You don&apos;t have access to do that.<byte value="xd"/>
Must be a moderator or a user with white a board write-access. <byte value="xd"/>
Click the lock board button and then continue.</source>
        <translation>Você não tem permissão para fazer isso.<byte value="xd"/>
É preciso ser moderador ou ter acesso de escrita ao quadro. <byte value="xd"/>
Clique no botão Bloquear quadro e continue.</translation>
    </message>
    <message>
        <source>There is no selection to launch.<byte value="xd"/>
Click and drag to select a portion.</source>
        <translation>Não há nenhuma seleção para exibir.<byte value="xd"/>
Clique e arraste para selecionar uma parte.</translation>
    </message>
</context>
<context>
    <name>orv::TFontsForm</name>
    <message>
        <source>Font Settings</source>
        <translation>Configurações de fonte</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Cor:</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fonte:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamanho:</translation>
    </message>
</context>
<context>
    <name>orv::TGeneralSettingsPage</name>
    <message>
        <source>Pop up the chat on new messages</source>
        <translation>Abrir o chat quando chegarem novas mensagens</translation>
    </message>
    <message>
        <source>Pop up post-it messages</source>
        <translation>Mostrar as notas recebidas em janelas (post-it)</translation>
    </message>
    <message>
        <source>Beep when a participant connects</source>
        <translation>Emitir um bipe quando um participante se conectar</translation>
    </message>
    <message>
        <source>Beep when a participant disconnects</source>
        <translation>Emitir um bipe quando um participante se desconectar</translation>
    </message>
    <message>
        <source>Beep on new chat messages</source>
        <translation>Emitir um bipe quando chegarem novas mensagens de chat</translation>
    </message>
    <message>
        <source>Beep when a participant raises a hand or signals</source>
        <translation>Emitir um bipe quando um participante levantar a mão ou fizer um sinal</translation>
    </message>
    <message>
        <source>Flash the window on participant actions</source>
        <translation>Piscar a janela quando os participantes agirem</translation>
    </message>
    <message>
        <source>Invitation address:</source>
        <translation>Endereço do convite:</translation>
    </message>
    <message>
        <source>Reconnect automatically after a lost connection</source>
        <translation>Reconectar automaticamente depois de perder a conexão</translation>
    </message>
    <message>
        <source>Notify on the desktop of private messages, my name and a lost connection</source>
        <translation>Notificar na área de trabalho sobre mensagens privadas, meu nome e perda de conexão</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>A new language is used from the next start of the program.</source>
        <translation>Um novo idioma é usado a partir do próximo início do programa.</translation>
    </message>
</context>
<context>
    <name>orv::TKickReasonDialog</name>
    <message>
        <source>Kick Reason</source>
        <translation>Motivo da remoção</translation>
    </message>
    <message>
        <source>Enter a reason for removing this user from the session:</source>
        <translation>Digite um motivo para remover este usuário da sessão:</translation>
    </message>
</context>
<context>
    <name>orv::TKnownServerCertificates</name>
    <message>
        <source>WARNING: the certificate of the server %1 has CHANGED.<byte value="xd"/>
<byte value="xd"/>
Someone may be listening in on the connection, or the server&apos;s administrator may have replaced the certificate. The connection is refused.<byte value="xd"/>
<byte value="xd"/>
The certificate shown now has the SHA-256 fingerprint<byte value="xd"/>
%2<byte value="xd"/>
and the trusted one<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Only if the administrator confirms the new fingerprint, forget the trusted certificates in the connection settings and sign in again.</source>
        <translation>ATENÇÃO: o certificado do servidor %1 MUDOU.<byte value="xd"/>
<byte value="xd"/>
Alguém pode estar interceptando a conexão, ou o administrador do servidor pode ter substituído o certificado. A conexão foi recusada.<byte value="xd"/>
<byte value="xd"/>
O certificado apresentado agora tem a impressão digital SHA-256<byte value="xd"/>
%2<byte value="xd"/>
e o confiável<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Somente se o administrador confirmar a nova impressão digital, esqueça os certificados confiáveis nas configurações de conexão e entre novamente.</translation>
    </message>
    <message>
        <source>The server %1 offers an encrypted connection, but its certificate is not vouched for by an authority this computer trusts (%2).<byte value="xd"/>
<byte value="xd"/>
Its SHA-256 fingerprint is<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Compare it with the one your server&apos;s administrator gives you. Trust this certificate for this server from now on?</source>
        <translation>O servidor %1 oferece uma conexão criptografada, mas o certificado dele não é garantido por uma autoridade em que este computador confia (%2).<byte value="xd"/>
<byte value="xd"/>
A impressão digital SHA-256 dele é<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Compare-a com a que o administrador do seu servidor lhe fornecer. Confiar neste certificado para este servidor a partir de agora?</translation>
    </message>
</context>
<context>
    <name>orv::TLibraryModule</name>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Shared Documents</source>
        <translation>Documentos compartilhados</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Image Library</source>
        <translation>Biblioteca de imagens</translation>
    </message>
    <message>
        <source>Shared Documents...</source>
        <translation>Documentos compartilhados...</translation>
    </message>
    <message>
        <source>Image Library...</source>
        <translation>Biblioteca de imagens...</translation>
    </message>
</context>
<context>
    <name>orv::TMainViews</name>
    <message>
        <source>White Board View</source>
        <translation>Visão do quadro</translation>
    </message>
    <message>
        <source>Web Browser View</source>
        <translation>Visão do navegador web</translation>
    </message>
    <message>
        <source>Application Share View</source>
        <translation>Visão do compartilhamento de aplicativos</translation>
    </message>
</context>
<context>
    <name>orv::TMessageBoxDialogs</name>
    <message>
        <source>Orvane Live Browser</source>
        <translation>Orvane Live Browser</translation>
    </message>
</context>
<context>
    <name>orv::TModeration</name>
    <message>
        <source>This participant is currently using the microphone. <byte value="xd"/>
Do you want to disable his/her microphone?</source>
        <translation>Este participante está usando o microfone no momento. <byte value="xd"/>
Deseja desativar o microfone dele?</translation>
    </message>
    <message>
        <source> started a webcam. To watch the user&apos;s video stream click on the red camera image next to the user&apos;s name.</source>
        <translation> ligou a webcam. Para assistir ao vídeo do usuário, clique na imagem de câmera vermelha ao lado do nome dele.</translation>
    </message>
    <message>
        <source> - webcam stopped.</source>
        <translation> - webcam desligada.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>You&apos;ve just been removed from the session by %1<byte value="xd"/>
Reason: %2</source>
        <translation>Você acabou de ser removido da sessão por %1<byte value="xd"/>
Motivo: %2</translation>
    </message>
    <message>
        <source>Your session was terminated by an administrator<byte value="xd"/>
with the following message:<byte value="xd"/>
</source>
        <translation>Sua sessão foi encerrada por um administrador<byte value="xd"/>
com a seguinte mensagem:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>orv::TModerationModule</name>
    <message>
        <source>Give this participant a microphone</source>
        <translation>Dar um microfone a este participante</translation>
    </message>
    <message>
        <source>Allow this participant to use the public boards</source>
        <translation>Permitir que este participante use os quadros públicos</translation>
    </message>
    <message>
        <source>Deprive the microphone</source>
        <translation>Retirar o microfone</translation>
    </message>
    <message>
        <source>Deprive the public boards</source>
        <translation>Retirar o acesso aos quadros públicos</translation>
    </message>
    <message>
        <source>Remove the participant from the session</source>
        <translation>Remover o participante da sessão</translation>
    </message>
    <message>
        <source>Promote to Moderator</source>
        <translation>Tornar moderador</translation>
    </message>
    <message>
        <source>Clear Motions</source>
        <translation>Limpar sinais</translation>
    </message>
    <message>
        <source>Clear all motions and user requests</source>
        <translation>Limpar todos os sinais e pedidos dos usuários</translation>
    </message>
    <message>
        <source>Raise / Lower Hand</source>
        <translation>Levantar / abaixar a mão</translation>
    </message>
    <message>
        <source>Toggle Smile On/Off</source>
        <translation>Ligar/desligar o sorriso</translation>
    </message>
    <message>
        <source>Clap Hands</source>
        <translation>Aplaudir</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Give a Positive Answer (Yes)</source>
        <translation>Dar uma resposta positiva (Sim)</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Give a Negative Answer (No)</source>
        <translation>Dar uma resposta negativa (Não)</translation>
    </message>
    <message>
        <source>Request a microphone</source>
        <translation>Pedir um microfone</translation>
    </message>
    <message>
        <source>Request a web camera</source>
        <translation>Pedir uma webcam</translation>
    </message>
    <message>
        <source>I want to speak...</source>
        <translation>Quero falar...</translation>
    </message>
    <message>
        <source>I want to use the board...</source>
        <translation>Quero usar o quadro...</translation>
    </message>
    <message>
        <source>Can you repeat this again ?</source>
        <translation>Pode repetir isso?</translation>
    </message>
    <message>
        <source>Another thing...</source>
        <translation>Outra coisa...</translation>
    </message>
    <message>
        <source>Demote to Participant</source>
        <translation>Tornar participante</translation>
    </message>
</context>
<context>
    <name>orv::TOrvaneUserCanvas</name>
    <message>
        <source>The user is requesting a microphone</source>
        <translation>O usuário está pedindo um microfone</translation>
    </message>
    <message>
        <source>The user is allowed to speak</source>
        <translation>O usuário tem permissão para falar</translation>
    </message>
    <message>
        <source>The user&apos;s microphone is forbidden.</source>
        <translation>O microfone do usuário está proibido.</translation>
    </message>
    <message>
        <source>The user is currently speaking</source>
        <translation>O usuário está falando agora</translation>
    </message>
    <message>
        <source>The user is requesting to start his/her webcam</source>
        <translation>O usuário está pedindo para ligar a webcam</translation>
    </message>
    <message>
        <source>The user is given a webcam access</source>
        <translation>O usuário recebeu acesso à webcam</translation>
    </message>
    <message>
        <source>The user&apos;s webcam is forbidden</source>
        <translation>A webcam do usuário está proibida</translation>
    </message>
    <message>
        <source>The user is broadcasting video</source>
        <translation>O usuário está transmitindo vídeo</translation>
    </message>
    <message>
        <source>More Options</source>
        <translation>Mais opções</translation>
    </message>
    <message>
        <source>Away - </source>
        <translation>Ausente - </translation>
    </message>
    <message>
        <source>(In Audio Test) - </source>
        <translation>(Em teste de áudio) - </translation>
    </message>
    <message>
        <source>Participant</source>
        <translation>Participante</translation>
    </message>
    <message>
        <source>Moderator</source>
        <translation>Moderador</translation>
    </message>
    <message>
        <source>AWAY</source>
        <translation>AUSENTE</translation>
    </message>
    <message>
        <source>Audio Test</source>
        <translation>Teste de áudio</translation>
    </message>
    <message>
        <source>ONLINE</source>
        <translation>ON-LINE</translation>
    </message>
    <message>
        <source>hand %1</source>
        <translation>mão %1</translation>
    </message>
    <message>
        <source>hand raised</source>
        <translation>mão levantada</translation>
    </message>
</context>
<context>
    <name>orv::TPersonalInfo</name>
    <message>
        <source>Age: </source>
        <translation>Idade: </translation>
    </message>
    <message>
        <source> yrs</source>
        <translation> anos</translation>
    </message>
    <message>
        <source>Moderator</source>
        <translation>Moderador</translation>
    </message>
    <message>
        <source>Super Moderator</source>
        <translation>Supermoderador</translation>
    </message>
    <message>
        <source>Participant</source>
        <translation>Participante</translation>
    </message>
    <message>
        <source>First Name is required !</source>
        <translation>O nome é obrigatório!</translation>
    </message>
    <message>
        <source>Last Name is required !</source>
        <translation>O sobrenome é obrigatório!</translation>
    </message>
    <message>
        <source>eMail Address is required !</source>
        <translation>O endereço de e-mail é obrigatório!</translation>
    </message>
    <message>
        <source>Your profile could not be sent: there is no connection to the server. Please try again once the connection is back.</source>
        <translation>Não foi possível enviar o seu perfil: não há conexão com o servidor. Tente novamente quando a conexão voltar.</translation>
    </message>
    <message>
        <source>Updates were sent to server. They will be applied next time you log into.</source>
        <translation>As alterações foram enviadas ao servidor. Elas serão aplicadas na próxima vez que você entrar.</translation>
    </message>
    <message>
        <source>The image could not be read.</source>
        <translation>Não foi possível ler a imagem.</translation>
    </message>
    <message>
        <source>The image you have selected is too large. Your personal image must not exceed 50 KB.</source>
        <translation>A imagem selecionada é grande demais. Sua foto pessoal não pode passar de 50 KB.</translation>
    </message>
    <message>
        <source>The file is not a JPEG picture: %1</source>
        <translation>O arquivo não é uma imagem JPEG: %1</translation>
    </message>
</context>
<context>
    <name>orv::TPlaybackModule</name>
    <message>
        <source>The file cannot be located.</source>
        <translation>Não foi possível localizar o arquivo.</translation>
    </message>
    <message>
        <source>Unable to play the resource. Please try again later.</source>
        <translation>Não foi possível reproduzir o recurso. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Init whiteboards...</source>
        <translation>Preparando os quadros...</translation>
    </message>
    <message>
        <source>Starting communication services...</source>
        <translation>Iniciando os serviços de comunicação...</translation>
    </message>
    <message>
        <source>Playback mode</source>
        <translation>Modo de reprodução</translation>
    </message>
    <message>
        <source> Server: Local</source>
        <translation> Servidor: local</translation>
    </message>
    <message>
        <source> Room: Not selected</source>
        <translation> Sala: não selecionada</translation>
    </message>
    <message>
        <source>The specified URL cannot be accessed.<byte value="xd"/>
This recorded session may no longer be available.</source>
        <translation>Não foi possível acessar o URL especificado.<byte value="xd"/>
Esta sessão gravada talvez não esteja mais disponível.</translation>
    </message>
    <message>
        <source>There are no recorded sessions available at the moment.</source>
        <translation>Não há sessões gravadas disponíveis no momento.</translation>
    </message>
    <message>
        <source>Playback is temporary disabled on the server. Please try again in some time.</source>
        <translation>A reprodução está temporariamente desativada no servidor. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>This feature is temporary unavailable.</source>
        <translation>Este recurso está temporariamente indisponível.</translation>
    </message>
    <message>
        <source>Unable to open the recorded session. This session may be temporary unavailable.</source>
        <translation>Não foi possível abrir a sessão gravada. Esta sessão pode estar temporariamente indisponível.</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Deseja sair?</translation>
    </message>
</context>
<context>
    <name>orv::TPlaybackShell</name>
    <message>
        <source> Session Recording</source>
        <translation> Gravação da sessão</translation>
    </message>
</context>
<context>
    <name>orv::TPlayerStatus</name>
    <message>
        <source>Orvane Live Player - Downloaded</source>
        <translation>Orvane Live Player - Download concluído</translation>
    </message>
    <message>
        <source>Orvane Live Player - Downloading %1 KB of %2 KB</source>
        <translation>Orvane Live Player - Baixando %1 KB de %2 KB</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>PARADO</translation>
    </message>
    <message>
        <source>PLAYING</source>
        <translation>REPRODUZINDO</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PAUSADO</translation>
    </message>
    <message>
        <source>Buffering</source>
        <translation>Carregando</translation>
    </message>
    <message>
        <source>FAST MODE</source>
        <translation>MODO RÁPIDO</translation>
    </message>
    <message>
        <source>Orvane Live Player - Stopping...</source>
        <translation>Orvane Live Player - Parando...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Orvane Live Player</source>
        <translation>Orvane Live Player</translation>
    </message>
</context>
<context>
    <name>orv::TPollResults</name>
    <message>
        <source>&lt;No Answer&gt;</source>
        <translation>&lt;Sem resposta&gt;</translation>
    </message>
    <message>
        <source>&lt;Unknown Answer %1&gt;</source>
        <translation>&lt;Resposta desconhecida %1&gt;</translation>
    </message>
    <message>
        <source>The existing file could not be kept as %1.</source>
        <translation>Não foi possível guardar o arquivo existente como %1.</translation>
    </message>
    <message>
        <source>%1 (%2 or %3 users)</source>
        <translation>%1 (%2 ou %3 usuários)</translation>
    </message>
</context>
<context>
    <name>orv::TPollToolBox</name>
    <message>
        <source>Create a New Poll</source>
        <translation>Criar uma nova enquete</translation>
    </message>
    <message>
        <source>Show the latest poll results...</source>
        <translation>Mostrar os resultados da última enquete...</translation>
    </message>
</context>
<context>
    <name>orv::TPolls</name>
    <message>
        <source>This poll could not be found. Try to create the poll again.</source>
        <translation>Não foi possível encontrar esta enquete. Tente criá-la novamente.</translation>
    </message>
    <message>
        <source>You are about to send the poll:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Press OK to continue or Cancel.</source>
        <translation>Você vai enviar a enquete:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Clique em OK para continuar ou em Cancelar.</translation>
    </message>
    <message>
        <source>New poll: %1</source>
        <translation>Nova enquete: %1</translation>
    </message>
</context>
<context>
    <name>orv::TPollsModule</name>
    <message>
        <source>Polling</source>
        <translation>Enquetes</translation>
    </message>
    <message>
        <source>Check Users&apos; Connectivity</source>
        <translation>Verificar a conexão dos usuários</translation>
    </message>
    <message>
        <source>Wake up Users</source>
        <translation>Despertar os usuários</translation>
    </message>
    <message>
        <source>Create a New Online Poll</source>
        <translation>Criar uma nova enquete on-line</translation>
    </message>
</context>
<context>
    <name>orv::TPresentationExport</name>
    <message>
        <source>Unable to prepare temporary presentation folder.</source>
        <translation>Não foi possível preparar a pasta temporária da apresentação.</translation>
    </message>
    <message>
        <source>Unable to connect to LibreOffice.<byte value="xd"/>
Please make sure you have LibreOffice installed on your computer.</source>
        <translation>Não foi possível conectar ao LibreOffice.<byte value="xd"/>
Verifique se o LibreOffice está instalado no seu computador.</translation>
    </message>
    <message>
        <source>Unable to open the presentation file.<byte value="xd"/>
Please make sure the file is not corrupted or locked.</source>
        <translation>Não foi possível abrir o arquivo da apresentação.<byte value="xd"/>
Verifique se o arquivo não está corrompido nem bloqueado.</translation>
    </message>
</context>
<context>
    <name>orv::TPresentationsPage</name>
    <message>
        <source>PowerPoint Files</source>
        <translation>Arquivos do PowerPoint</translation>
    </message>
    <message>
        <source>PowerPoint Library</source>
        <translation>Biblioteca do PowerPoint</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recarregar</translation>
    </message>
    <message>
        <source>Reload the PowerPoint library</source>
        <translation>Recarregar a biblioteca do PowerPoint</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Upload a PowerPoint presentation</source>
        <translation>Enviar uma apresentação do PowerPoint</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete selected presentation</source>
        <translation>Excluir a apresentação selecionada</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Start a PowerPoint presentation</source>
        <translation>Iniciar uma apresentação do PowerPoint</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Apresentação</translation>
    </message>
    <message>
        <source>Slides</source>
        <translation>Slides</translation>
    </message>
    <message>
        <source>Uploaded by</source>
        <translation>Enviado por</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/hora</translation>
    </message>
</context>
<context>
    <name>orv::TPreviewPane</name>
    <message>
        <source>Preview</source>
        <translation>Visualização</translation>
    </message>
</context>
<context>
    <name>orv::TProfileCardWindow</name>
    <message>
        <source>Upload Image</source>
        <translation>Enviar imagem</translation>
    </message>
    <message>
        <source>Participant&apos;s profile</source>
        <translation>Perfil do participante</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Local:</translation>
    </message>
    <message>
        <source>Organization / Profession:</source>
        <translation>Organização / profissão:</translation>
    </message>
    <message>
        <source>Languages:</source>
        <translation>Idiomas:</translation>
    </message>
    <message>
        <source>Gender:</source>
        <translation>Gênero:</translation>
    </message>
    <message>
        <source>eMail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Change / Upload Personal Image</source>
        <translation>Alterar / enviar foto pessoal</translation>
    </message>
    <message>
        <source>JPEG Image File (*.jpg);;JPEG Image File (*.jpeg)</source>
        <translation>Arquivo de imagem JPEG (*.jpg);;Arquivo de imagem JPEG (*.jpeg)</translation>
    </message>
</context>
<context>
    <name>orv::TRecorderControl</name>
    <message>
        <source>Start Session Recording</source>
        <translation>Iniciar a gravação da sessão</translation>
    </message>
    <message>
        <source>Pause Session Recording</source>
        <translation>Pausar a gravação da sessão</translation>
    </message>
    <message>
        <source>Stop Session Recording</source>
        <translation>Parar a gravação da sessão</translation>
    </message>
    <message>
        <source>Recorder Settings</source>
        <translation>Configurações do gravador</translation>
    </message>
    <message>
        <source>Session recorder is now running. The session is being recorded!</source>
        <translation>O gravador de sessões está em execução. A sessão está sendo gravada!</translation>
    </message>
    <message>
        <source>Session recorder is not started! %1</source>
        <translation>O gravador de sessões não foi iniciado! %1</translation>
    </message>
    <message>
        <source>Error description is: </source>
        <translation>Descrição do erro: </translation>
    </message>
    <message>
        <source>Session recorder is now stopped.</source>
        <translation>O gravador de sessões foi parado.</translation>
    </message>
</context>
<context>
    <name>orv::TRecordingExport</name>
    <message>
        <source>The file cannot be located.</source>
        <translation>Não foi possível localizar o arquivo.</translation>
    </message>
    <message>
        <source>Unable to play the resource. Please try again later.</source>
        <translation>Não foi possível reproduzir o recurso. Tente novamente mais tarde.</translation>
    </message>
</context>
<context>
    <name>orv::TRecordingSettingsPage</name>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Recorded sessions</source>
        <translation>Sessões gravadas</translation>
    </message>
    <message>
        <source>Recorded sessions folder:</source>
        <translation>Pasta das sessões gravadas:</translation>
    </message>
    <message>
        <source>Recorder user name:</source>
        <translation>Nome de usuário do gravador:</translation>
    </message>
    <message>
        <source>Recorder password:</source>
        <translation>Senha do gravador:</translation>
    </message>
</context>
<context>
    <name>orv::TRemoteAudioControl</name>
    <message>
        <source>Retrieving...</source>
        <translation>Obtendo...</translation>
    </message>
    <message>
        <source>Unable to retrieve remote settings.</source>
        <translation>Não foi possível obter as configurações remotas.</translation>
    </message>
    <message>
        <source>Operational</source>
        <translation>Funcionando</translation>
    </message>
    <message>
        <source>Non-Functional</source>
        <translation>Sem funcionar</translation>
    </message>
</context>
<context>
    <name>orv::TResourceLibrary</name>
    <message>
        <source>You don&apos;t have permission to delete public resources</source>
        <translation>Você não tem permissão para excluir recursos públicos</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this public resource</source>
        <translation>Tem certeza de que deseja excluir este recurso público</translation>
    </message>
    <message>
        <source>Unable to delete resource. It may be currently in use or does not exist any more on the server.</source>
        <translation>Não foi possível excluir o recurso. Talvez ele esteja em uso ou não exista mais no servidor.</translation>
    </message>
    <message>
        <source>You can&apos;t load this resource on a public board until you lock it.<byte value="xd"/>
Use the Lock Board button on top to ensure access over the white board.</source>
        <translation>Você não pode carregar este recurso em um quadro público sem bloqueá-lo.<byte value="xd"/>
Use o botão Bloquear quadro, acima, para assumir o controle do quadro.</translation>
    </message>
</context>
<context>
    <name>orv::TRoomEntrySequence</name>
    <message>
        <source>Account validated...</source>
        <translation>Conta validada...</translation>
    </message>
    <message>
        <source> Room %1: %2</source>
        <translation> Sala %1: %2</translation>
    </message>
    <message>
        <source>Loading whiteboards... Please wait...</source>
        <translation>Carregando os quadros... Aguarde...</translation>
    </message>
    <message>
        <source>Getting participants...</source>
        <translation>Obtendo os participantes...</translation>
    </message>
    <message>
        <source>Getting Virtual Room Info...</source>
        <translation>Obtendo as informações da sala virtual...</translation>
    </message>
    <message>
        <source>Starting audio services...</source>
        <translation>Iniciando os serviços de áudio...</translation>
    </message>
</context>
<context>
    <name>orv::TScreenAreaWindow</name>
    <message>
        <source>Capture Screen Area</source>
        <translation>Capturar área da tela</translation>
    </message>
    <message>
        <source>Drag a rectangle to capture; Escape cancels</source>
        <translation>Arraste um retângulo para capturar; Esc cancela</translation>
    </message>
</context>
<context>
    <name>orv::TSessionNotes</name>
    <message>
        <source>Send a private note to this participant</source>
        <translation>Enviar uma nota particular a este participante</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Send a session note to everybody</source>
        <translation>Enviar uma nota da sessão a todos</translation>
    </message>
    <message>
        <source>Session Note</source>
        <translation>Nota da sessão</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this item from the list?</source>
        <translation>Tem certeza de que deseja remover este item da lista?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all the items?</source>
        <translation>Tem certeza de que deseja apagar todos os itens?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear your local list?</source>
        <translation>Tem certeza de que deseja limpar a sua lista local?</translation>
    </message>
    <message>
        <source>All Attendees in the room</source>
        <translation>Todos os participantes da sala</translation>
    </message>
    <message>
        <source>The notes could not be saved to %1:
%2</source>
        <translation>Não foi possível salvar as notas em %1:
%2</translation>
    </message>
    <message>
        <source>the older copy %1 could not be removed</source>
        <translation>não foi possível remover a cópia anterior %1</translation>
    </message>
    <message>
        <source>the existing file could not be kept as %1</source>
        <translation>não foi possível guardar o arquivo existente como %1</translation>
    </message>
</context>
<context>
    <name>orv::TSharePicture</name>
    <message>
        <source>Shared screen</source>
        <translation>Tela compartilhada</translation>
    </message>
</context>
<context>
    <name>orv::TSharingSettingsPage</name>
    <message>
        <source>Refresh rate:</source>
        <translation>Taxa de atualização:</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Cores:</translation>
    </message>
</context>
<context>
    <name>orv::TShellServices</name>
    <message>
        <source>This address could not be opened here. You can open it in your web browser:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Não foi possível abrir este endereço aqui. Você pode abri-lo no seu navegador:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>orv::TSignInModule</name>
    <message>
        <source>Recorded sessions cannot be played by this version of Orvane Live Browser.</source>
        <translation>Esta versão do Orvane Live Browser não reproduz sessões gravadas.</translation>
    </message>
    <message>
        <source>The connection to the server was lost before a room was entered.<byte value="xd"/>
Orvane Live Browser will now close. Please sign in again later.</source>
        <translation>A conexão com o servidor foi perdida antes de entrar em uma sala.<byte value="xd"/>
O Orvane Live Browser será fechado. Entre novamente mais tarde.</translation>
    </message>
</context>
<context>
    <name>orv::TSignInSession</name>
    <message>
        <source>Disconnected.</source>
        <translation>Desconectado.</translation>
    </message>
    <message>
        <source>Connecting through the proxy...</source>
        <translation>Conectando pelo proxy...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Disconnected (%1).</source>
        <translation>Desconectado (%1).</translation>
    </message>
    <message>
        <source>Connected.</source>
        <translation>Conectado.</translation>
    </message>
    <message>
        <source>Download complete. Starting new version.</source>
        <translation>Download concluído. Iniciando a nova versão.</translation>
    </message>
    <message>
        <source>Download complete!<byte value="xd"/>
Press the OK button to continue. Follow the instructions to install the new version!</source>
        <translation>Download concluído!<byte value="xd"/>
Clique no botão OK para continuar. Siga as instruções para instalar a nova versão!</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Procurando atualizações...</translation>
    </message>
    <message>
        <source>New version available.</source>
        <translation>Nova versão disponível.</translation>
    </message>
    <message>
        <source>A new Orvane Live Browser version is available. <byte value="xd"/>
Your version of Orvane Live Browser will be updated with a new one.<byte value="xd"/>
On slow internet connections it may take several minutes.<byte value="xd"/>
Press the OK button to continue.</source>
        <translation>Uma nova versão do Orvane Live Browser está disponível. <byte value="xd"/>
Sua versão do Orvane Live Browser será substituída pela nova.<byte value="xd"/>
Em conexões lentas, isso pode levar vários minutos.<byte value="xd"/>
Clique no botão OK para continuar.</translation>
    </message>
    <message>
        <source>Getting version updates. Please wait...</source>
        <translation>Baixando a atualização. Aguarde...</translation>
    </message>
    <message>
        <source>Validating user info...</source>
        <translation>Validando os dados do usuário...</translation>
    </message>
    <message>
        <source>Trying to connect to remote server...</source>
        <translation>Tentando conectar ao servidor remoto...</translation>
    </message>
    <message>
        <source><byte value="xd"/>
To configure the Proxy settings press the Yes button. To try again later press the No button.</source>
        <translation><byte value="xd"/>
Para configurar o proxy, clique no botão Sim. Para tentar novamente mais tarde, clique no botão Não.</translation>
    </message>
    <message>
        <source>Orvane Live will now close. The setting will take effect the next time you try to sign in.</source>
        <translation>O Orvane Live será fechado. A configuração terá efeito na próxima vez que você entrar.</translation>
    </message>
    <message>
        <source>User account validated.</source>
        <translation>Conta de usuário validada.</translation>
    </message>
    <message>
        <source>Getting startup information.</source>
        <translation>Obtendo informações iniciais.</translation>
    </message>
    <message>
        <source>Init whiteboards...</source>
        <translation>Preparando os quadros...</translation>
    </message>
    <message>
        <source>Starting communication services...</source>
        <translation>Iniciando os serviços de comunicação...</translation>
    </message>
    <message>
        <source>%1 in a virtual session</source>
        <translation>%1 em uma sessão virtual</translation>
    </message>
    <message>
        <source> Server: %1:%2</source>
        <translation> Servidor: %1:%2</translation>
    </message>
    <message>
        <source> Room: Not selected</source>
        <translation> Sala: não selecionada</translation>
    </message>
    <message>
        <source>Loading Virtual Rooms...</source>
        <translation>Carregando as salas virtuais...</translation>
    </message>
    <message>
        <source>Validating...</source>
        <translation>Validando...</translation>
    </message>
    <message>
        <source>Unable to load the virtual rooms. There are no virtual rooms available at the moment.<byte value="xd"/>
Please contact your host organization for details on how to sign in.</source>
        <translation>Não foi possível carregar as salas virtuais. Não há salas virtuais disponíveis no momento.<byte value="xd"/>
Entre em contato com a organização anfitriã para saber como entrar.</translation>
    </message>
    <message>
        <source>Virtual rooms loaded.</source>
        <translation>Salas virtuais carregadas.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativada</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Indisponível</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Expirada</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privada</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Pública</translation>
    </message>
    <message>
        <source>Unable to download new version from server. <byte value="xd"/>
Please contact your server administrator for support.<byte value="xd"/>
You could also try to download Orvane Live Browser from Orvane&apos;s official web site</source>
        <translation>Não foi possível baixar a nova versão do servidor. <byte value="xd"/>
Entre em contato com o administrador do servidor para obter suporte.<byte value="xd"/>
Você também pode baixar o Orvane Live Browser do site oficial da Orvane</translation>
    </message>
    <message>
        <source> Server %1:%2 %3</source>
        <translation> Servidor %1:%2 %3</translation>
    </message>
    <message>
        <source>The server %1:%2 does not offer an encrypted connection, and the settings for this server require one.</source>
        <translation>O servidor %1:%2 não oferece uma conexão criptografada, e as configurações deste servidor exigem uma.</translation>
    </message>
    <message>
        <source>The server %1:%2 has no certificate that could be accepted.</source>
        <translation>O servidor %1:%2 não tem um certificado que possa ser aceito.</translation>
    </message>
</context>
<context>
    <name>orv::TSlideControlsPane</name>
    <message>
        <source>Move to the first slide</source>
        <translation>Ir para o primeiro slide</translation>
    </message>
    <message>
        <source>Move back to the previous slide</source>
        <translation>Voltar para o slide anterior</translation>
    </message>
    <message>
        <source>Jump to a slide</source>
        <translation>Ir para um slide</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Slide</translation>
    </message>
    <message>
        <source>Move to the next slide</source>
        <translation>Ir para o próximo slide</translation>
    </message>
    <message>
        <source>Move to the last slide</source>
        <translation>Ir para o último slide</translation>
    </message>
    <message>
        <source>Reload the current slide</source>
        <translation>Recarregar o slide atual</translation>
    </message>
</context>
<context>
    <name>orv::TSlideNavigation</name>
    <message>
        <source>You can&apos;t load this resource on a public board until you lock it.<byte value="xd"/>
Use the Lock Board button on top to ensure access over the white board.</source>
        <translation>Você não pode carregar este recurso em um quadro público sem bloqueá-lo.<byte value="xd"/>
Use o botão Bloquear quadro, acima, para assumir o controle do quadro.</translation>
    </message>
    <message>
        <source>You must be a session moderator to launch a PPT slide on a public board.<byte value="xd"/>
You can still open the slide but on your personal private board.<byte value="xd"/>
Do you want to open the slide on your private board?</source>
        <translation>Você precisa ser moderador da sessão para exibir um slide do PowerPoint em um quadro público.<byte value="xd"/>
Você ainda pode abrir o slide, mas no seu quadro particular.<byte value="xd"/>
Deseja abrir o slide no seu quadro particular?</translation>
    </message>
</context>
<context>
    <name>orv::TSlidesModule</name>
    <message>
        <source>Upload a Presentation</source>
        <translation>Enviar uma apresentação</translation>
    </message>
</context>
<context>
    <name>orv::TTalkProtocol</name>
    <message>
        <source>No more free microphones. Please wait for a microphone and try later.</source>
        <translation>Não há mais microfones livres. Aguarde um microfone e tente mais tarde.</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>No more free microphones. Please wait for a microphone and try again later.</source>
        <translation>Não há mais microfones livres. Aguarde um microfone e tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>You are a moderator and you can add more microphones in this session by visiting File -&gt; Settings -&gt; Audio Compression.</source>
        <translation>Você é moderador e pode adicionar mais microfones nesta sessão em Arquivo -&gt; Configurações -&gt; Compressão de áudio.</translation>
    </message>
</context>
<context>
    <name>orv::TTextEditControl</name>
    <message>
        <source>Text on the board</source>
        <translation>Texto no quadro</translation>
    </message>
</context>
<context>
    <name>orv::TVideoFileWriter</name>
    <message>
        <source>%1 video, %2 sound</source>
        <translation>vídeo %1, som %2</translation>
    </message>
    <message>
        <source>Choose a file name ending in .webm or .mp4.</source>
        <translation>Escolha um nome de arquivo terminado em .webm ou .mp4.</translation>
    </message>
    <message>
        <source>The video size must be at least 16 x 16 with even numbers.</source>
        <translation>O tamanho do vídeo deve ser de pelo menos 16 x 16, com números pares.</translation>
    </message>
    <message>
        <source>This system has no H.264 encoder for MP4 files. Export to a .webm file instead.</source>
        <translation>Este sistema não tem codificador H.264 para arquivos MP4. Exporte para um arquivo .webm.</translation>
    </message>
    <message>
        <source>This system has neither a VP9 nor a VP8 encoder.</source>
        <translation>Este sistema não tem codificador VP9 nem VP8.</translation>
    </message>
    <message>
        <source>This system has no AAC encoder for MP4 files. Export to a .webm file instead.</source>
        <translation>Este sistema não tem codificador AAC para arquivos MP4. Exporte para um arquivo .webm.</translation>
    </message>
    <message>
        <source>This system has no Opus encoder.</source>
        <translation>Este sistema não tem codificador Opus.</translation>
    </message>
    <message>
        <source>The video container cannot be prepared.</source>
        <translation>Não foi possível preparar o contêiner de vídeo.</translation>
    </message>
    <message>
        <source>The video encoder %1 cannot start: %2</source>
        <translation>O codificador de vídeo %1 não pode ser iniciado: %2</translation>
    </message>
    <message>
        <source>The audio encoder %1 cannot start: %2</source>
        <translation>O codificador de áudio %1 não pode ser iniciado: %2</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memória insuficiente.</translation>
    </message>
    <message>
        <source>The sound or the pictures cannot be converted.</source>
        <translation>Não foi possível converter o som ou as imagens.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>The video cannot be encoded: %1</source>
        <translation>Não foi possível codificar o vídeo: %1</translation>
    </message>
    <message>
        <source>The sound cannot be encoded: %1</source>
        <translation>Não foi possível codificar o som: %1</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Não foi possível gravar %1.</translation>
    </message>
</context>
<context>
    <name>orv::TVideoSettingsPage</name>
    <message>
        <source>Capture driver:</source>
        <translation>Driver de captura:</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Taxa de quadros:</translation>
    </message>
    <message>
        <source>Picture size:</source>
        <translation>Tamanho da imagem:</translation>
    </message>
    <message>
        <source>Key frame every:</source>
        <translation>Quadro-chave a cada:</translation>
    </message>
    <message>
        <source>Bytes per second:</source>
        <translation>Bytes por segundo:</translation>
    </message>
</context>
<context>
    <name>orv::TVoiceModule</name>
    <message>
        <source>Speak</source>
        <translation>Falar</translation>
    </message>
    <message>
        <source>Speak (F3)</source>
        <translation>Falar (F3)</translation>
    </message>
    <message>
        <source>Audio error %1</source>
        <translation>Erro de áudio %1</translation>
    </message>
    <message>
        <source>Error description is: </source>
        <translation>Descrição do erro: </translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The audio connection was re-established.</source>
        <translation>A conexão de áudio foi restabelecida.</translation>
    </message>
    <message>
        <source>Orvane is unable to restore your audio. Do you want to try to reconnect to the session?</source>
        <translation>O Orvane não conseguiu restaurar o seu áudio. Deseja tentar se reconectar à sessão?</translation>
    </message>
    <message>
        <source>Orvane is unable to restore your audio.</source>
        <translation>O Orvane não conseguiu restaurar o seu áudio.</translation>
    </message>
    <message>
        <source>Your connection to the server was lost.</source>
        <translation>Sua conexão com o servidor foi perdida.</translation>
    </message>
    <message>
        <source>This may be because you have temporarily lost your Internet connection. </source>
        <translation>Talvez você tenha perdido temporariamente a conexão com a Internet. </translation>
    </message>
    <message>
        <source>Do you want to try to reconnect to the session?</source>
        <translation>Deseja tentar se reconectar à sessão?</translation>
    </message>
    <message>
        <source>This may be because you have temporaryly lost your Internet connection. </source>
        <translation>Talvez você tenha perdido temporariamente a conexão com a Internet. </translation>
    </message>
    <message>
        <source>Please wait for a few seconds and try again. </source>
        <translation>Aguarde alguns segundos e tente novamente. </translation>
    </message>
    <message>
        <source>Boosting your microphone may cause increasing of background noises and echoing.</source>
        <translation>Amplificar o microfone pode aumentar o ruído de fundo e o eco.</translation>
    </message>
    <message>
        <source>Adjusted your microphone boost level.</source>
        <translation>O nível de amplificação do seu microfone foi ajustado.</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>The moderator forced an audio setting change. Orvane will now try to reestablish your audio connection. </source>
        <translation>O moderador forçou uma mudança nas configurações de áudio. O Orvane vai tentar restabelecer a sua conexão de áudio. </translation>
    </message>
    <message>
        <source>Audio Setup Wizard</source>
        <translation>Assistente de configuração de áudio</translation>
    </message>
    <message>
        <source>Audio Wiz</source>
        <translation>Assistente de áudio</translation>
    </message>
    <message>
        <source>Remote Audio Control</source>
        <translation>Controle remoto de áudio</translation>
    </message>
    <message>
        <source>Run the Audio Setup Wizard</source>
        <translation>Executar o Assistente de configuração de áudio</translation>
    </message>
    <message>
        <source>Orvane will now run the Audio Wizard. <byte value="xd"/>
This Wizard will help you to adjust your volume settings.</source>
        <translation>O Orvane vai executar o Assistente de áudio. <byte value="xd"/>
Este assistente ajudará você a ajustar o volume.</translation>
    </message>
    <message>
        <source>Unable to launch the Audio Setup Wizard.</source>
        <translation>Não foi possível abrir o Assistente de configuração de áudio.</translation>
    </message>
    <message>
        <source>Orvane can&apos;t update the audio compressor while a recording is in progress.<byte value="xd"/>
Please stop the recorder and try again.</source>
        <translation>O Orvane não pode trocar o compressor de áudio enquanto uma gravação está em andamento.<byte value="xd"/>
Pare o gravador e tente novamente.</translation>
    </message>
    <message>
        <source>The server did not change the audio compressor.</source>
        <translation>O servidor não trocou o compressor de áudio.</translation>
    </message>
    <message>
        <source>Waiting for a microphone...</source>
        <translation>Aguardando um microfone...</translation>
    </message>
    <message>
        <source>On the air, muted</source>
        <translation>No ar, silenciado</translation>
    </message>
    <message>
        <source>On the air</source>
        <translation>No ar</translation>
    </message>
    <message>
        <source>Not speaking</source>
        <translation>Sem falar</translation>
    </message>
    <message>
        <source>No microphone given to you</source>
        <translation>Nenhum microfone foi concedido a você</translation>
    </message>
    <message>
        <source>Mute Microphone</source>
        <translation>Silenciar microfone</translation>
    </message>
    <message>
        <source>Sound Settings...</source>
        <translation>Configurações de som...</translation>
    </message>
    <message>
        <source>Silences your microphone; you keep the floor</source>
        <translation>Silencia o seu microfone; você continua com a palavra</translation>
    </message>
    <message>
        <source>Opens the desktop&apos;s sound settings: devices and their levels</source>
        <translation>Abre as configurações de som da área de trabalho: dispositivos e seus níveis</translation>
    </message>
    <message>
        <source>No sound settings program was found on this desktop.
Install &quot;pavucontrol&quot; or your desktop&apos;s sound settings to adjust the audio devices and their levels.</source>
        <translation>Nenhum programa de configurações de som foi encontrado nesta área de trabalho.
Instale o &quot;pavucontrol&quot; ou as configurações de som da sua área de trabalho para ajustar os dispositivos de áudio e seus níveis.</translation>
    </message>
    <message>
        <source>The sound settings could not be started: %1</source>
        <translation>Não foi possível abrir as configurações de som: %1</translation>
    </message>
</context>
<context>
    <name>orv::TVoiceSettingsPage</name>
    <message>
        <source>Participants who may speak at once:</source>
        <translation>Participantes que podem falar ao mesmo tempo:</translation>
    </message>
    <message>
        <source>Audio compressor:</source>
        <translation>Compressor de áudio:</translation>
    </message>
</context>
<context>
    <name>orv::TWebLinks</name>
    <message>
        <source>You don&apos;t have permission to delete public resources.</source>
        <translation>Você não tem permissão para excluir recursos públicos.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this public resource</source>
        <translation>Tem certeza de que deseja excluir este recurso público</translation>
    </message>
    <message>
        <source>Error occured while uploading resource! Please try again.</source>
        <translation>Ocorreu um erro ao enviar o recurso! Tente novamente.</translation>
    </message>
    <message>
        <source>Unable to delete resource. It may be currently in use or does not exist any more on the server.</source>
        <translation>Não foi possível excluir o recurso. Talvez ele esteja em uso ou não exista mais no servidor.</translation>
    </message>
</context>
<context>
    <name>orv::TWebTour</name>
    <message>
        <source>You are trying to post data to the website. Orvane allows posting data to websites but students&apos; browsers may not be synchronized after that!</source>
        <translation>Você está tentando enviar dados ao site. O Orvane permite enviar dados a sites, mas os navegadores dos alunos podem deixar de estar sincronizados depois disso!</translation>
    </message>
    <message>
        <source>This web site tried to open a popup window.<byte value="xd"/>
Orvane Live does not allow pop-up windows in a guided web tour for security reasons.</source>
        <translation>Este site tentou abrir uma janela pop-up.<byte value="xd"/>
Por segurança, o Orvane Live não permite janelas pop-up em uma navegação guiada pela Web.</translation>
    </message>
</context>
<context>
    <name>orv::TWebTourModule</name>
    <message>
        <source>Web Links</source>
        <translation>Links da Web</translation>
    </message>
    <message>
        <source>File Viewer</source>
        <translation>Visualizador de arquivos</translation>
    </message>
    <message>
        <source>Share any file or resource on the whiteboard</source>
        <translation>Compartilhar qualquer arquivo ou recurso no quadro</translation>
    </message>
</context>
<context>
    <name>orv::TfMain</name>
    <message>
        <source>Orvane Live Browser</source>
        <translation>Orvane Live Browser</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Connection Speed</source>
        <translation>Velocidade da conexão</translation>
    </message>
    <message>
        <source>Change Theme</source>
        <translation>Mudar o tema</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Exit Current Session</source>
        <translation>Sair da sessão atual</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>Á&amp;udio</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Configurações de áudio</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Help and Support</source>
        <translation>Ajuda e suporte</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>White Board View</source>
        <translation>Visão do quadro</translation>
    </message>
    <message>
        <source>Synchronized Web Browser</source>
        <translation>Navegador web sincronizado</translation>
    </message>
    <message>
        <source>Application Sharing View</source>
        <translation>Visão do compartilhamento de aplicativos</translation>
    </message>
    <message>
        <source>Main view: choose the view everybody sees</source>
        <translation>Visão principal: escolha a visão que todos veem</translation>
    </message>
    <message>
        <source>Participant List</source>
        <translation>Lista de participantes</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>Chat de texto</translation>
    </message>
    <message>
        <source>PowerPoint Library</source>
        <translation>Biblioteca do PowerPoint</translation>
    </message>
    <message>
        <source>Notes and Questions</source>
        <translation>Notas e perguntas</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Reconectar</translation>
    </message>
    <message>
        <source>Hands Up:</source>
        <translation>Mãos levantadas:</translation>
    </message>
    <message>
        <source>YES:</source>
        <translation>SIM:</translation>
    </message>
    <message>
        <source>NO:</source>
        <translation>NÃO:</translation>
    </message>
    <message>
        <source>Normal View</source>
        <translation>Visão normal</translation>
    </message>
    <message>
        <source>Do you want to exit current live session?</source>
        <translation>Deseja sair da sessão ao vivo atual?</translation>
    </message>
    <message>
        <source>Reset Connection</source>
        <translation>Restabelecer conexão</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stop reconnecting automatically</source>
        <translation>Parar de reconectar automaticamente</translation>
    </message>
    <message>
        <source>A&amp;ctions</source>
        <translation>Açõe&amp;s</translation>
    </message>
    <message>
        <source>&amp;Resources</source>
        <translation>&amp;Recursos</translation>
    </message>
    <message>
        <source> Room: Not selected</source>
        <translation> Sala: não selecionada</translation>
    </message>
    <message>
        <source>Export Recording as Video…</source>
        <translation>Exportar gravação como vídeo…</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <source>Main View</source>
        <translation>Vista principal</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
</context>
<context>
    <name>orv::TfrmAbout</name>
    <message>
        <source>About Orvane Live</source>
        <translation>Sobre o Orvane Live</translation>
    </message>
    <message>
        <source>Version %1/%2</source>
        <translation>Versão %1/%2</translation>
    </message>
</context>
<context>
    <name>orv::TfrmAppShareToolsWindow</name>
    <message>
        <source>Application Sharing</source>
        <translation>Compartilhamento de aplicativos</translation>
    </message>
    <message>
        <source>You can share your entire desktop by selecting the &quot;Share Desktop&quot; option or you can share an individual window or an application by selecting the &quot;Share Window&quot; option. Please make your selection below and press the Start button.</source>
        <translation>Você pode compartilhar toda a sua área de trabalho com a opção &quot;Compartilhar toda a área de trabalho&quot; ou compartilhar uma janela ou um aplicativo com a opção &quot;Compartilhar uma única janela / aplicativo&quot;. Faça a sua escolha abaixo e clique em Iniciar compartilhamento.</translation>
    </message>
    <message>
        <source>Share Entire Desktop</source>
        <translation>Compartilhar toda a área de trabalho</translation>
    </message>
    <message>
        <source>Share a Single Window / Application</source>
        <translation>Compartilhar uma única janela / aplicativo</translation>
    </message>
    <message>
        <source>Application / Window</source>
        <translation>Aplicativo / janela</translation>
    </message>
    <message>
        <source>Start Sharing</source>
        <translation>Iniciar compartilhamento</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Parar compartilhamento</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Take a Snapshot</source>
        <translation>Fazer uma captura</translation>
    </message>
</context>
<context>
    <name>orv::TfrmAppShareViewWindow</name>
    <message>
        <source>Application Sharing</source>
        <translation>Compartilhamento de aplicativos</translation>
    </message>
    <message>
        <source>Scaling Options</source>
        <translation>Opções de escala</translation>
    </message>
    <message>
        <source>Show In Original Size</source>
        <translation>Mostrar no tamanho original</translation>
    </message>
    <message>
        <source>Fit In My Window</source>
        <translation>Ajustar à minha janela</translation>
    </message>
    <message>
        <source>Hide This Toolbox</source>
        <translation>Ocultar esta caixa de ferramentas</translation>
    </message>
</context>
<context>
    <name>orv::TfrmAudioWizard</name>
    <message>
        <source>Audio Setup Wizard</source>
        <translation>Assistente de configuração de áudio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The Wizard could not find any playback device attached to your system. If you have a sound card please make sure it is properly installed.</source>
        <translation>O assistente não encontrou nenhum dispositivo de reprodução no seu sistema. Se você tem uma placa de som, verifique se ela está instalada corretamente.</translation>
    </message>
    <message>
        <source>Choose the device that plays the sound and press &quot;Play&quot;: you should hear a voice. Adjust the speakers&apos; level until it sounds comfortable.</source>
        <translation>Escolha o dispositivo que reproduz o som e clique em &quot;Reproduzir&quot;: você deve ouvir uma voz. Ajuste o nível dos alto-falantes até o som ficar confortável.</translation>
    </message>
    <message>
        <source>Speakers Level Not Available</source>
        <translation>Nível dos alto-falantes indisponível</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Audio is playing at the moment...</source>
        <translation>O áudio está sendo reproduzido...</translation>
    </message>
    <message>
        <source>Playback device:</source>
        <translation>Dispositivo de reprodução:</translation>
    </message>
    <message>
        <source>Speakers:</source>
        <translation>Alto-falantes:</translation>
    </message>
    <message>
        <source>Advanced Playback Controls</source>
        <translation>Controles avançados de reprodução</translation>
    </message>
    <message>
        <source>The wizard could not detect any audio input device attached.</source>
        <translation>O assistente não detectou nenhum dispositivo de entrada de áudio.</translation>
    </message>
    <message>
        <source>Choose your microphone, press &quot;Start&quot; and speak: you hear yourself as the others in the room would. Adjust the microphone&apos;s level until your voice sounds clear.</source>
        <translation>Escolha o seu microfone, clique em &quot;Iniciar&quot; e fale: você se ouve como os outros na sala ouviriam. Ajuste o nível do microfone até a sua voz soar clara.</translation>
    </message>
    <message>
        <source>Microphone Level Not Available</source>
        <translation>Nível do microfone indisponível</translation>
    </message>
    <message>
        <source>Microphone Boost</source>
        <translation>Amplificação do microfone</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Recording device:</source>
        <translation>Dispositivo de gravação:</translation>
    </message>
    <message>
        <source>Microphone:</source>
        <translation>Microfone:</translation>
    </message>
    <message>
        <source>Microphone Test</source>
        <translation>Teste do microfone</translation>
    </message>
    <message>
        <source>Audio Playback Test</source>
        <translation>Teste de reprodução de áudio</translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt;&lt; Voltar</translation>
    </message>
    <message>
        <source>Microphone Boost is ON. It is recommended that you turn this setting OFF.</source>
        <translation>A amplificação do microfone está LIGADA. Recomendamos DESLIGAR esta configuração.</translation>
    </message>
    <message>
        <source>Your microphone is currently in &quot;boost&quot; mode. This may cause voice echo and increasing of backgound noise.We recommend that you turn the Microphone Boost off.<byte value="xd"/>
Do you want to turn the microphone boost off?</source>
        <translation>Seu microfone está no modo de &quot;amplificação&quot;. Isso pode causar eco na voz e aumentar o ruído de fundo. Recomendamos desligar a amplificação do microfone.<byte value="xd"/>
Deseja desligar a amplificação do microfone?</translation>
    </message>
    <message>
        <source>Boosting your microphone will increase the microphone input level.<byte value="xd"/>
On most system however this causes feedback (echo) and increases the level of background noises.<byte value="xd"/>
We recommend that you boost your microphone only in case you can&apos;t adjust its volume with the volume slider.<byte value="xd"/>
<byte value="xd"/>
Do you want to boost the microphone?</source>
        <translation>Amplificar o microfone aumenta o nível de entrada do microfone.<byte value="xd"/>
Na maioria dos sistemas, porém, isso causa microfonia (eco) e aumenta o nível do ruído de fundo.<byte value="xd"/>
Recomendamos amplificar o microfone somente se você não conseguir ajustar o volume com o controle deslizante.<byte value="xd"/>
<byte value="xd"/>
Deseja amplificar o microfone?</translation>
    </message>
    <message>
        <source>The audio sample cannot be played with the selected playback device!<byte value="xd"/>
Please check if this is the playback device that you want to use and all its drivers are properly installed.</source>
        <translation>Não é possível reproduzir a amostra de áudio com o dispositivo de reprodução selecionado!<byte value="xd"/>
Verifique se este é o dispositivo de reprodução que você deseja usar e se todos os drivers dele estão instalados corretamente.</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Nível do microfone</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nível:</translation>
    </message>
    <message>
        <source>Recording Controls</source>
        <translation>Controles de gravação</translation>
    </message>
</context>
<context>
    <name>orv::TfrmBoard</name>
    <message>
        <source>Nothing</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Draw a Straight Line</source>
        <translation>Desenhar uma linha reta</translation>
    </message>
    <message>
        <source>Draw a Rectangle</source>
        <translation>Desenhar um retângulo</translation>
    </message>
    <message>
        <source>Draw a Circle</source>
        <translation>Desenhar um círculo</translation>
    </message>
    <message>
        <source>Draw an oval</source>
        <translation>Desenhar uma elipse</translation>
    </message>
    <message>
        <source>Handwriting Tool</source>
        <translation>Ferramenta de escrita à mão</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Marca-texto</translation>
    </message>
    <message>
        <source>Text Rectangle Tool</source>
        <translation>Ferramenta de caixa de texto</translation>
    </message>
    <message>
        <source>Single quandrant coordinate system</source>
        <translation>Sistema de coordenadas de um quadrante</translation>
    </message>
    <message>
        <source>4 quandrant coordinate system</source>
        <translation>Sistema de coordenadas de quatro quadrantes</translation>
    </message>
    <message>
        <source>Fill area tool</source>
        <translation>Ferramenta de preenchimento</translation>
    </message>
    <message>
        <source>Freehand Eraser Tool</source>
        <translation>Borracha à mão livre</translation>
    </message>
    <message>
        <source>Rectangular Area Eraser Tool</source>
        <translation>Borracha de área retangular</translation>
    </message>
    <message>
        <source>Green Check Mark</source>
        <translation>Visto verde</translation>
    </message>
    <message>
        <source>Red Check Mark</source>
        <translation>Visto vermelho</translation>
    </message>
    <message>
        <source>Smily Face</source>
        <translation>Carinha sorridente</translation>
    </message>
    <message>
        <source>Blue Star</source>
        <translation>Estrela azul</translation>
    </message>
    <message>
        <source>Red X</source>
        <translation>X vermelho</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Sólido</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Forward diagonal</source>
        <translation>Diagonal para a frente</translation>
    </message>
    <message>
        <source>Backward diagonal</source>
        <translation>Diagonal para trás</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Quadriculado</translation>
    </message>
    <message>
        <source>Diagonal cross</source>
        <translation>Diagonal cruzada</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Quadro</translation>
    </message>
    <message>
        <source>Whiteboard</source>
        <translation>Quadro</translation>
    </message>
    <message>
        <source>Clear Board</source>
        <translation>Limpar o quadro</translation>
    </message>
    <message>
        <source>Public Board %1</source>
        <translation>Quadro público %1</translation>
    </message>
    <message>
        <source>Private Board</source>
        <translation>Quadro particular</translation>
    </message>
    <message>
        <source>Save current image to local disk</source>
        <translation>Salvar a imagem atual no disco local</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>The board could not be saved to %1.</source>
        <translation>Não foi possível salvar o quadro em %1.</translation>
    </message>
    <message>
        <source>Upload current image to server</source>
        <translation>Enviar a imagem atual ao servidor</translation>
    </message>
    <message>
        <source>Open a picture from file</source>
        <translation>Abrir uma imagem de um arquivo</translation>
    </message>
    <message>
        <source>Export Board…</source>
        <translation>Exportar quadro…</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>Export All Boards…</source>
        <translation>Exportar todos os quadros…</translation>
    </message>
    <message>
        <source>Select public / private board</source>
        <translation>Selecionar quadro público / particular</translation>
    </message>
    <message>
        <source>Capture Desktop</source>
        <translation>Capturar a área de trabalho</translation>
    </message>
    <message>
        <source>Capture Window</source>
        <translation>Capturar uma janela</translation>
    </message>
    <message>
        <source>Capture Screen Area</source>
        <translation>Capturar área da tela</translation>
    </message>
    <message>
        <source>Hide Orvane Window</source>
        <translation>Ocultar a janela do Orvane</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Captura de tela</translation>
    </message>
    <message>
        <source>Take a screen shot and paste it on the white board</source>
        <translation>Capturar a tela e colá-la no quadro</translation>
    </message>
    <message>
        <source>Turn an invisible grid on/off for precise drawing</source>
        <translation>Ligar/desligar uma grade invisível para desenhar com precisão</translation>
    </message>
    <message>
        <source>Right click on a public board to show the pointer</source>
        <translation>Clique com o botão direito em um quadro público para mostrar o ponteiro</translation>
    </message>
    <message>
        <source>Left pointer</source>
        <translation>Ponteiro esquerdo</translation>
    </message>
    <message>
        <source>Right pointer</source>
        <translation>Ponteiro direito</translation>
    </message>
    <message>
        <source>Mark Tool. Select a mark tool and click on the whiteboard to place a mark.</source>
        <translation>Ferramenta de marcas. Selecione uma marca e clique no quadro para colocá-la.</translation>
    </message>
    <message>
        <source>Mark Tool</source>
        <translation>Ferramenta de marcas</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Line and pen width</source>
        <translation>Espessura da linha e da caneta</translation>
    </message>
    <message>
        <source>Line and pen color</source>
        <translation>Cor da linha e da caneta</translation>
    </message>
    <message>
        <source> Filling</source>
        <translation> Preenchimento</translation>
    </message>
    <message>
        <source>Fill style for rectangles and circles</source>
        <translation>Estilo de preenchimento de retângulos e círculos</translation>
    </message>
    <message>
        <source>Fill color for rectangles and circles</source>
        <translation>Cor de preenchimento de retângulos e círculos</translation>
    </message>
    <message>
        <source>Snap to %1px</source>
        <translation>Ajustar a %1 px</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.jpg *.jpeg *.png *.gif *.ico *.svg);;All files (*)</source>
        <translation>Imagens (*.bmp *.jpg *.jpeg *.png *.gif *.ico *.svg);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Comment required</source>
        <translation>Comentário obrigatório</translation>
    </message>
    <message>
        <source>Enter a short comment for current image:</source>
        <translation>Digite um breve comentário para a imagem atual:</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No board has anything on it to export.</source>
        <translation>Nenhum quadro tem conteúdo para exportar.</translation>
    </message>
    <message>
        <source>Screen capture is not available on this desktop.</source>
        <translation>A captura de tela não está disponível nesta área de trabalho.</translation>
    </message>
    <message>
        <source>The screen cannot be captured: %1</source>
        <translation>Não é possível capturar a tela: %1</translation>
    </message>
</context>
<context>
    <name>orv::TfrmBrowser</name>
    <message>
        <source>Reload</source>
        <translation>Recarregar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Em branco</translation>
    </message>
    <message>
        <source>Resources</source>
        <translation>Recursos</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Endereço:</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Add this URL to the Web Links Library</source>
        <translation>Adicionar este URL à biblioteca de links da Web</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Página da Web</translation>
    </message>
</context>
<context>
    <name>orv::TfrmDocumentOffer</name>
    <message>
        <source>Orvane Live Browser</source>
        <translation>Orvane Live Browser</translation>
    </message>
    <message>
        <source> requests you to open the following file:</source>
        <translation> pede que você abra o seguinte arquivo:</translation>
    </message>
    <message>
        <source>Do you want to download and open this document?</source>
        <translation>Deseja baixar e abrir este documento?</translation>
    </message>
</context>
<context>
    <name>orv::TfrmDocuments</name>
    <message>
        <source>Shared Documents</source>
        <translation>Documentos compartilhados</translation>
    </message>
    <message>
        <source>Documents Library</source>
        <translation>Biblioteca de documentos</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Upload a file to the library</source>
        <translation>Enviar um arquivo para a biblioteca</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Download selected item and save it on the local disk</source>
        <translation>Baixar o item selecionado e salvá-lo no disco local</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete the selected item</source>
        <translation>Excluir o item selecionado</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Abrir para todos</translation>
    </message>
    <message>
        <source>Launch the selected item on participants&apos; computers</source>
        <translation>Abrir o item selecionado nos computadores dos participantes</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recarregar</translation>
    </message>
    <message>
        <source>Reload the documents library</source>
        <translation>Recarregar a biblioteca de documentos</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Uploaded by</source>
        <translation>Enviado por</translation>
    </message>
    <message>
        <source>Upload Date/Time</source>
        <translation>Data/hora do envio</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentário</translation>
    </message>
    <message>
        <source>Enter a short comment for this file:</source>
        <translation>Digite um breve comentário para este arquivo:</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Selecione uma pasta de destino</translation>
    </message>
</context>
<context>
    <name>orv::TfrmExam</name>
    <message>
        <source>Reply to the following</source>
        <translation>Responda ao seguinte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Please reply to the following</source>
        <translation>Por favor, responda ao seguinte</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Please, mark your answer and press the Send button</source>
        <translation>Marque a sua resposta e clique no botão Enviar</translation>
    </message>
    <message>
        <source>Time to close</source>
        <translation>Tempo para fechar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No answer selected. <byte value="xd"/>
Please select an answer entry by pressing the appropriate answer button.</source>
        <translation>Nenhuma resposta selecionada. <byte value="xd"/>
Selecione uma resposta clicando no botão correspondente.</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Enviar</translation>
    </message>
</context>
<context>
    <name>orv::TfrmExportVideo</name>
    <message>
        <source>Browse…</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Export Recording as Video</source>
        <translation>Exportar gravação como vídeo</translation>
    </message>
    <message>
        <source>Choose the recorded session</source>
        <translation>Escolha a sessão gravada</translation>
    </message>
    <message>
        <source>Choose the video file</source>
        <translation>Escolha o arquivo de vídeo</translation>
    </message>
    <message>
        <source>&amp;Recorded session:</source>
        <translation>Sessão &amp;gravada:</translation>
    </message>
    <message>
        <source>&amp;Video file:</source>
        <translation>Arquivo de &amp;vídeo:</translation>
    </message>
    <message>
        <source>&amp;Size (width x height):</source>
        <translation>&amp;Tamanho (largura x altura):</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Progresso da exportação</translation>
    </message>
    <message>
        <source>Choose the video file and its size, then Export.</source>
        <translation>Escolha o arquivo de vídeo e o tamanho e clique em Exportar.</translation>
    </message>
    <message>
        <source>Recorded session</source>
        <translation>Sessão gravada</translation>
    </message>
    <message>
        <source>Recorded sessions (*.orvane *.or5)</source>
        <translation>Sessões gravadas (*.orvane *.or5)</translation>
    </message>
    <message>
        <source>Video file</source>
        <translation>Arquivo de vídeo</translation>
    </message>
    <message>
        <source>WebM video (*.webm);;MP4 video (*.mp4)</source>
        <translation>Vídeo WebM (*.webm);;Vídeo MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The size must be two even numbers from 16 to 7680, as in 1280x720.</source>
        <translation>O tamanho deve ser dois números pares de 16 a 7680, como em 1280x720.</translation>
    </message>
    <message>
        <source>Choose the video file.</source>
        <translation>Escolha o arquivo de vídeo.</translation>
    </message>
    <message>
        <source>Exporting (%1)…</source>
        <translation>Exportando (%1)…</translation>
    </message>
    <message>
        <source>Exporting (%1): %2 of %3</source>
        <translation>Exportando (%1): %2 de %3</translation>
    </message>
    <message>
        <source>The video is ready: %1</source>
        <translation>O vídeo está pronto: %1</translation>
    </message>
    <message>
        <source>The export was cancelled; no file was written.</source>
        <translation>A exportação foi cancelada; nenhum arquivo foi gravado.</translation>
    </message>
</context>
<context>
    <name>orv::TfrmFileOffer</name>
    <message>
        <source>Orvane Live Browser</source>
        <translation>Orvane Live Browser</translation>
    </message>
</context>
<context>
    <name>orv::TfrmFileViewer</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualizar</translation>
    </message>
    <message>
        <source>Place Original Size</source>
        <translation>Colocar em tamanho original</translation>
    </message>
    <message>
        <source>Place Selection Only</source>
        <translation>Colocar só a seleção</translation>
    </message>
    <message>
        <source>Back To File</source>
        <translation>Voltar ao arquivo</translation>
    </message>
    <message>
        <source>Place On Board</source>
        <translation>Colocar no quadro</translation>
    </message>
    <message>
        <source>File Viewer - (Beta)</source>
        <translation>Visualizador de arquivos - (Beta)</translation>
    </message>
    <message>
        <source>File content</source>
        <translation>Conteúdo do arquivo</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Arquivo:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Preview Options</source>
        <translation>Opções de visualização</translation>
    </message>
    <message>
        <source>Click Open to select a file. Adjust the content to display then click Preview.</source>
        <translation>Clique em Abrir para selecionar um arquivo. Ajuste o conteúdo a exibir e clique em Visualizar.</translation>
    </message>
    <message>
        <source>Click and drag to select a portion or choose &quot;Original Size&quot; for the entire image. Click Place On Board.</source>
        <translation>Clique e arraste para selecionar uma parte ou escolha &quot;Tamanho original&quot; para a imagem inteira. Clique em Colocar no quadro.</translation>
    </message>
    <message>
        <source>Select a File To Open</source>
        <translation>Selecione um arquivo para abrir</translation>
    </message>
</context>
<context>
    <name>orv::TfrmImages</name>
    <message>
        <source>Images</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Image Library</source>
        <translation>Biblioteca de imagens</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Reload the image library</source>
        <translation>Recarregar a biblioteca de imagens</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete the selected item</source>
        <translation>Excluir o item selecionado</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Open selected image</source>
        <translation>Abrir a imagem selecionada</translation>
    </message>
    <message>
        <source>Item name</source>
        <translation>Nome do item</translation>
    </message>
    <message>
        <source>Stored By</source>
        <translation>Armazenado por</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/hora</translation>
    </message>
</context>
<context>
    <name>orv::TfrmNewPoll</name>
    <message>
        <source>Add to my favourite polls</source>
        <translation>Adicionar às minhas enquetes favoritas</translation>
    </message>
    <message>
        <source>Polling</source>
        <translation>Enquete</translation>
    </message>
    <message>
        <source> A New Poll</source>
        <translation> Uma nova enquete</translation>
    </message>
    <message>
        <source>From File:</source>
        <translation>De um arquivo:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Open a poll file</source>
        <translation>Abrir um arquivo de enquete</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Pergunta:</translation>
    </message>
    <message>
        <source>%1 chars</source>
        <translation>%1 caracteres</translation>
    </message>
    <message>
        <source>Mark the valid entries:</source>
        <translation>Marque as respostas válidas:</translation>
    </message>
    <message>
        <source>Save To File</source>
        <translation>Salvar em arquivo</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Unable to create poll file <byte value="xd"/>
</source>
        <translation>Não foi possível criar o arquivo da enquete <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Orvane Exam Files (*.exm)</source>
        <translation>Arquivos de prova do Orvane (*.exm)</translation>
    </message>
    <message>
        <source>Save the poll</source>
        <translation>Salvar a enquete</translation>
    </message>
</context>
<context>
    <name>orv::TfrmPPTExport</name>
    <message>
        <source>PowerPoint Upload Wizard</source>
        <translation>Assistente de envio do PowerPoint</translation>
    </message>
    <message>
        <source>Select a PowerPoint presentation file:</source>
        <translation>Selecione um arquivo de apresentação do PowerPoint:</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Selecionar arquivo</translation>
    </message>
    <message>
        <source>Set Slide Size</source>
        <translation>Definir o tamanho dos slides</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Presentation Info: </source>
        <translation>Informações da apresentação: </translation>
    </message>
    <message>
        <source>Number Of Slides:</source>
        <translation>Número de slides:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Situação:</translation>
    </message>
    <message>
        <source>LibreOffice is not installed on this computer, so presentations cannot be converted into slides. Install LibreOffice Impress (the package libreoffice-impress) and open this window again.</source>
        <translation>O LibreOffice não está instalado neste computador, por isso as apresentações não podem ser convertidas em slides. Instale o LibreOffice Impress (o pacote libreoffice-impress) e abra esta janela novamente.</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Progresso da exportação</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>PowerPoint Files (ppt) (*.ppt);;PowerPoint 2007 Files (pptx) (*.pptx);;OpenDocument Presentations (odp) (*.odp)</source>
        <translation>Arquivos do PowerPoint (ppt) (*.ppt);;Arquivos do PowerPoint 2007 (pptx) (*.pptx);;Apresentações OpenDocument (odp) (*.odp)</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Openning...</source>
        <translation>Abrindo...</translation>
    </message>
    <message>
        <source>Exporting Slide </source>
        <translation>Exportando o slide </translation>
    </message>
    <message>
        <source>The presentation was exported to the server, but %1 of its %2 slides could not be exported and are missing from it.</source>
        <translation>A apresentação foi exportada para o servidor, mas %1 dos seus %2 slides não puderam ser exportados e estão faltando.</translation>
    </message>
    <message>
        <source>Presentation successfully exported to server.</source>
        <translation>Apresentação exportada para o servidor com sucesso.</translation>
    </message>
    <message>
        <source>Presentation not exported.<byte value="xd"/>
Please make sure you have LibreOffice installed on your computer.</source>
        <translation>A apresentação não foi exportada.<byte value="xd"/>
Verifique se o LibreOffice está instalado no seu computador.</translation>
    </message>
</context>
<context>
    <name>orv::TfrmPlayer</name>
    <message>
        <source>Start Playing</source>
        <translation>Iniciar a reprodução</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Stop and exit</source>
        <translation>Parar e sair</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Baixado</translation>
    </message>
    <message>
        <source>Move the slider to a new position.</source>
        <translation>Mova o controle deslizante para uma nova posição.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Elapsed and total time</source>
        <translation>Tempo decorrido e total</translation>
    </message>
</context>
<context>
    <name>orv::TfrmPollresults</name>
    <message>
        <source>Poll Results</source>
        <translation>Resultados da enquete</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respostas</translation>
    </message>
    <message>
        <source>Participant</source>
        <translation>Participante</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>Total number of answers:</source>
        <translation>Número total de respostas:</translation>
    </message>
    <message>
        <source>Total number of participants:</source>
        <translation>Número total de participantes:</translation>
    </message>
    <message>
        <source>Answer bars</source>
        <translation>Barras das respostas</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Salvar em arquivo</translation>
    </message>
    <message>
        <source>The poll results could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Não foi possível salvar os resultados da enquete em %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Save Polling Results</source>
        <translation>Salvar os resultados da enquete</translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>Rich Text Format (*.rtf)</translation>
    </message>
</context>
<context>
    <name>orv::TfrmPostIt</name>
    <message>
        <source>Do not popup any more in this session</source>
        <translation>Não abrir mais nesta sessão</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>[Close]</source>
        <translation>[Fechar]</translation>
    </message>
</context>
<context>
    <name>orv::TfrmProgress</name>
    <message>
        <source>Orvane Live Browser - Progress</source>
        <translation>Orvane Live Browser - Progresso</translation>
    </message>
</context>
<context>
    <name>orv::TfrmRemoteAudio</name>
    <message>
        <source>Remote Volume Control</source>
        <translation>Controle remoto de volume</translation>
    </message>
    <message>
        <source>Remote Audio Control</source>
        <translation>Controle remoto de áudio</translation>
    </message>
    <message>
        <source>Retrieving Settings...</source>
        <translation>Obtendo as configurações...</translation>
    </message>
    <message>
        <source>Microphone Boost</source>
        <translation>Amplificação do microfone</translation>
    </message>
    <message>
        <source>Some of the volume controls are not available. This is because the remote user&apos;s device driver does not support them.</source>
        <translation>Alguns controles de volume não estão disponíveis porque o driver do dispositivo do usuário remoto não tem suporte a eles.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Participant:</source>
        <translation>Participante:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Situação:</translation>
    </message>
    <message>
        <source>Speakers:</source>
        <translation>Alto-falantes:</translation>
    </message>
    <message>
        <source>Microphone:</source>
        <translation>Microfone:</translation>
    </message>
</context>
<context>
    <name>orv::TfrmRequest</name>
    <message>
        <source>Session Message</source>
        <translation>Mensagem da sessão</translation>
    </message>
    <message>
        <source>Send a Session Note</source>
        <translation>Enviar uma nota da sessão</translation>
    </message>
    <message>
        <source>Send To:</source>
        <translation>Enviar para:</translation>
    </message>
    <message>
        <source>&lt;custom&gt;</source>
        <translation>&lt;personalizada&gt;</translation>
    </message>
    <message>
        <source>May I ask a question</source>
        <translation>Posso fazer uma pergunta?</translation>
    </message>
    <message>
        <source>I would like to answer the question</source>
        <translation>Gostaria de responder à pergunta</translation>
    </message>
    <message>
        <source>Would you please repeat this</source>
        <translation>Pode repetir, por favor?</translation>
    </message>
    <message>
        <source>&amp;Predefined:</source>
        <translation>&amp;Predefinida:</translation>
    </message>
    <message>
        <source>&amp;Your Note:</source>
        <translation>&amp;Sua nota:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Nothing to send. <byte value="xd"/>
Please type your note and press Send. To close without sending press Cancel.</source>
        <translation>Nada para enviar. <byte value="xd"/>
Digite a sua nota e clique em Enviar. Para fechar sem enviar, clique em Cancelar.</translation>
    </message>
</context>
<context>
    <name>orv::TfrmRoomList</name>
    <message>
        <source>Welcome to Orvane Live</source>
        <translation>Bem-vindo ao Orvane Live</translation>
    </message>
    <message>
        <source>Hello %1,</source>
        <translation>Olá, %1,</translation>
    </message>
    <message>
        <source>You are now connected to server %1</source>
        <translation>Você está conectado ao servidor %1</translation>
    </message>
    <message>
        <source>Moderator account</source>
        <translation>Conta de moderador</translation>
    </message>
    <message>
        <source>Participant account</source>
        <translation>Conta de participante</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Orvane Live web site</source>
        <translation>Site do Orvane Live</translation>
    </message>
    <message>
        <source>Visit the Orvane Live web site</source>
        <translation>Visite o site do Orvane Live</translation>
    </message>
    <message>
        <source>To join a virtual room click on a room entry below</source>
        <translation>Para entrar em uma sala virtual, clique em uma das salas abaixo</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Sala</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Acesso</translation>
    </message>
    <message>
        <source>Do you want to sign out?</source>
        <translation>Deseja sair?</translation>
    </message>
    <message>
        <source>Room %1, %2, %3</source>
        <translation>Sala %1, %2, %3</translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation>Salas</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>To watch a recorded session select one from the list</source>
        <translation>Para assistir a uma sessão gravada, selecione-a na lista</translation>
    </message>
    <message>
        <source>Recorded sessions</source>
        <translation>Sessões gravadas</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
</context>
<context>
    <name>orv::TfrmSettings</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>Whiteboard</source>
        <translation>Quadro</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Compartilhamento</translation>
    </message>
    <message>
        <source>This setting takes effect once its part of Orvane Live Browser is available.</source>
        <translation>Esta configuração terá efeito quando a parte correspondente do Orvane Live Browser estiver disponível.</translation>
    </message>
    <message>
        <source>The modifications you made require re-establishing your audio connection.<byte value="xd"/>
Orvane will now reconnect your audio.</source>
        <translation>As alterações que você fez exigem restabelecer a sua conexão de áudio.<byte value="xd"/>
O Orvane vai reconectar o seu áudio.</translation>
    </message>
    <message>
        <source>Favorite Polls</source>
        <translation>Enquetes favoritas</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Páginas de configurações</translation>
    </message>
</context>
<context>
    <name>orv::TfrmSignIn</name>
    <message>
        <source>Remember my username and password.</source>
        <translation>Lembrar meu nome de usuário e senha.</translation>
    </message>
    <message>
        <source>Orvane Live - Authentication Required</source>
        <translation>Orvane Live - Autenticação necessária</translation>
    </message>
    <message>
        <source>Welcome to Orvane Live</source>
        <translation>Bem-vindo ao Orvane Live</translation>
    </message>
    <message>
        <source>Authentication Required.</source>
        <translation>Autenticação necessária.</translation>
    </message>
    <message>
        <source>Specify your username and password. The password is case sensitive.</source>
        <translation>Informe seu nome de usuário e sua senha. A senha diferencia maiúsculas de minúsculas.</translation>
    </message>
    <message>
        <source>What is this?</source>
        <translation>O que é isto?</translation>
    </message>
    <message>
        <source>Connection Settings</source>
        <translation>Configurações de conexão</translation>
    </message>
    <message>
        <source>Remote Server</source>
        <translation>Servidor remoto</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Click the Sign In button to join an online session.</source>
        <translation>Clique no botão Entrar para participar de uma sessão on-line.</translation>
    </message>
    <message>
        <source>No keyring answered: the remembered password is kept in the settings file.</source>
        <translation>Nenhum chaveiro respondeu: a senha lembrada fica guardada no arquivo de configurações.</translation>
    </message>
    <message>
        <source>Encrypted connection</source>
        <translation>Conexão criptografada</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligada</translation>
    </message>
    <message>
        <source>When the server offers it</source>
        <translation>Quando o servidor oferecer</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obrigatória</translation>
    </message>
</context>
<context>
    <name>orv::TfrmVideo</name>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Participant</source>
        <translation>Participante</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Buffering....</source>
        <translation>Carregando...</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Tamanho original</translation>
    </message>
    <message>
        <source>Very Small (80 x 60)</source>
        <translation>Muito pequeno (80 x 60)</translation>
    </message>
    <message>
        <source>Small Size (160 x 120)</source>
        <translation>Pequeno (160 x 120)</translation>
    </message>
    <message>
        <source>Middle Size (320 x 240)</source>
        <translation>Médio (320 x 240)</translation>
    </message>
    <message>
        <source>Large Size (640 x 480)</source>
        <translation>Grande (640 x 480)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>orv::TfrmWebLinks</name>
    <message>
        <source>Web Links</source>
        <translation>Links da Web</translation>
    </message>
    <message>
        <source>Reload Links</source>
        <translation>Recarregar links</translation>
    </message>
    <message>
        <source>Reload the web library</source>
        <translation>Recarregar a biblioteca da Web</translation>
    </message>
    <message>
        <source>Upload Link</source>
        <translation>Enviar link</translation>
    </message>
    <message>
        <source>Upload a web link.</source>
        <translation>Enviar um link da Web.</translation>
    </message>
    <message>
        <source>Delete Link</source>
        <translation>Excluir link</translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation>Excluir o item selecionado</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Abrir link</translation>
    </message>
    <message>
        <source>Navigate to the selected web link</source>
        <translation>Navegar até o link da Web selecionado</translation>
    </message>
    <message>
        <source>Web Resources</source>
        <translation>Recursos da Web</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descrição:</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>&amp;URL:</translation>
    </message>
    <message>
        <source>To upload a new web link type in the url and a short description and click the Upload button on top.</source>
        <translation>Para enviar um novo link da Web, digite o URL e uma breve descrição e clique no botão Enviar link, acima.</translation>
    </message>
    <message>
        <source>To launch a web resource doubleclick on the appropriate item in the grid below.</source>
        <translation>Para abrir um recurso da Web, clique duas vezes no item correspondente na grade abaixo.</translation>
    </message>
    <message>
        <source>Web Link Name</source>
        <translation>Nome do link</translation>
    </message>
    <message>
        <source>Uploaded By</source>
        <translation>Enviado por</translation>
    </message>
    <message>
        <source>Upload Date/Time</source>
        <translation>Data/hora do envio</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Web links</source>
        <translation>Links da Web</translation>
    </message>
</context>
<context>
    <name>orv::TfrmWelcome</name>
    <message>
        <source>Welcome</source>
        <translation>Bem-vindo</translation>
    </message>
    <message>
        <source>This welcome window is provided by your service provider.</source>
        <translation>Esta janela de boas-vindas é oferecida pelo seu provedor de serviço.</translation>
    </message>
    <message>
        <source>Close this welcome window</source>
        <translation>Fechar esta janela de boas-vindas</translation>
    </message>
    <message>
        <source>Welcome page</source>
        <translation>Página de boas-vindas</translation>
    </message>
</context>
<context>
    <name>orv::UploadSource</name>
    <message>
        <source>The file &quot;%1&quot; is too large to be sent: only files smaller than 2 GB can be uploaded.</source>
        <translation>O arquivo &quot;%1&quot; é grande demais para ser enviado: só é possível enviar arquivos menores que 2 GB.</translation>
    </message>
</context>
<context>
    <name>orv::VideoExportCommand</name>
    <message>
        <source>Exporting (%1): %2% %3 of %4, %5x real time </source>
        <translation>Exportando (%1): %2% %3 de %4, %5x o tempo real </translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Gravado: %1</translation>
    </message>
    <message>
        <source>The export was stopped; no file was written.</source>
        <translation>A exportação foi interrompida; nenhum arquivo foi gravado.</translation>
    </message>
</context>
<context>
    <name>orv::WaylandDesktop</name>
    <message>
        <source>this Wayland desktop offers no screen cast portal (xdg-desktop-portal with a back end for the desktop), through which programs are given the screen.</source>
        <translation>esta área de trabalho Wayland não oferece o portal de transmissão de tela (xdg-desktop-portal com um back-end para a área de trabalho), pelo qual os programas recebem a tela.</translation>
    </message>
</context>
</TS>
