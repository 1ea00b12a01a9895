<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Colors</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
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
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Money green</source>
        <translation>Verde claro</translation>
    </message>
    <message>
        <source>Sky blue</source>
        <translation>Celeste</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>Crema</translation>
    </message>
    <message>
        <source>Medium gray</source>
        <translation>Gris medio</translation>
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
        <translation>Se perdió su conexión con el servidor. Intente volver a conectarse con el botón &quot;Restablecer conexión&quot; de la parte inferior de la ventana. [ErrID:</translation>
    </message>
    <message>
        <source>Orvane Live Browser</source>
        <translation>Orvane Live Browser</translation>
    </message>
    <message>
        <source>Your connection to the server was lost.</source>
        <translation>Se perdió su conexión con el servidor.</translation>
    </message>
    <message>
        <source>You are connected to the session again.</source>
        <translation>Está conectado de nuevo a la sesión.</translation>
    </message>
    <message>
        <source>Do you want to reconnect to the session?</source>
        <translation>¿Desea volver a conectarse a la sesión?</translation>
    </message>
    <message>
        <source>Reconnecting...</source>
        <translation>Reconectando...</translation>
    </message>
    <message numerus="yes">
        <source>Reconnecting in %n s</source>
        <translation>
            <numerusform>Reconectando en %n s</numerusform>
            <numerusform>Reconectando en %n s</numerusform>
        </translation>
    </message>
    <message>
        <source>You were disconnected from the server because <byte value="xd"/>
another user with your ID has just logged in</source>
        <translation>Se le desconectó del servidor porque <byte value="xd"/>
otro usuario acaba de iniciar sesión con su identificación</translation>
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
        <translation> se unió a la sesión</translation>
    </message>
    <message>
        <source>« </source>
        <translation>« </translation>
    </message>
    <message>
        <source> left the session</source>
        <translation> salió de la sesión</translation>
    </message>
    <message>
        <source>Step In</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Step Out</source>
        <translation>Ausentarse</translation>
    </message>
    <message>
        <source>Show the participant&apos;s profile</source>
        <translation>Mostrar el perfil del participante</translation>
    </message>
    <message>
        <source>View My Profile</source>
        <translation>Ver mi perfil</translation>
    </message>
    <message>
        <source>Edit My Profile</source>
        <translation>Editar mi perfil</translation>
    </message>
    <message>
        <source>Change / Upload Personal Image</source>
        <translation>Cambiar / subir foto personal</translation>
    </message>
</context>
<context>
    <name>SettingsChoices</name>
    <message>
        <source>&lt;Disabled&gt;</source>
        <translation>&lt;Desactivada&gt;</translation>
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
        <translation>Sin SOCKS</translation>
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
        <translation>4 bits - 16 colores (calidad baja)</translation>
    </message>
    <message>
        <source>8 bit - 256 Colors (Medium quality)</source>
        <translation>8 bits - 256 colores (calidad media)</translation>
    </message>
    <message>
        <source>16 bit - 65535 Colors (High quality)</source>
        <translation>16 bits - 65535 colores (calidad alta)</translation>
    </message>
    <message>
        <source>32 bit - Highest Quality</source>
        <translation>32 bits - calidad máxima</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Fast (Requires a Fast Connection)</source>
        <translation>Rápida (requiere una conexión rápida)</translation>
    </message>
    <message>
        <source>10 frames per second</source>
        <translation>10 fotogramas por segundo</translation>
    </message>
    <message>
        <source>15 frames per second</source>
        <translation>15 fotogramas por segundo</translation>
    </message>
    <message>
        <source>30 frames per second</source>
        <translation>30 fotogramas por segundo</translation>
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
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Start Application/Desktop Sharing</source>
        <translation>Iniciar el uso compartido de aplicaciones/escritorio</translation>
    </message>
    <message>
        <source>Give application sharing remote control</source>
        <translation>Dar el control remoto del uso compartido de aplicaciones</translation>
    </message>
    <message>
        <source>Deprive application sharing remote control</source>
        <translation>Retirar el control remoto del uso compartido de aplicaciones</translation>
    </message>
    <message>
        <source>Application sharing is not available on this desktop.</source>
        <translation>El uso compartido de aplicaciones no está disponible en este escritorio.</translation>
    </message>
    <message>
        <source>Please select a window to share.</source>
        <translation>Seleccione una ventana para compartir.</translation>
    </message>
    <message>
        <source>Image not uploaded</source>
        <translation>No se subió la imagen</translation>
    </message>
    <message>
        <source>Application sharing is not available on this desktop: %1</source>
        <translation>El uso compartido de aplicaciones no está disponible en este escritorio: %1</translation>
    </message>
    <message>
        <source>The screen cannot be shared: %1</source>
        <translation>No se puede compartir la pantalla: %1</translation>
    </message>
    <message>
        <source>Remote control is not available on this desktop.</source>
        <translation>El control remoto no está disponible en este escritorio.</translation>
    </message>
</context>
<context>
    <name>TNotesPane</name>
    <message>
        <source>Post a note</source>
        <translation>Publicar una nota</translation>
    </message>
    <message>
        <source>Display selected item</source>
        <translation>Mostrar el elemento seleccionado</translation>
    </message>
    <message>
        <source>Mark selected as complete</source>
        <translation>Marcar el seleccionado como completado</translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation>Eliminar el elemento seleccionado</translation>
    </message>
    <message>
        <source>Save notes to a file</source>
        <translation>Guardar las notas en un archivo</translation>
    </message>
    <message>
        <source>Clear all notes in list</source>
        <translation>Borrar todas las notas de la lista</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>What to do with the notes</source>
        <translation>Qué hacer con las notas</translation>
    </message>
    <message>
        <source>Notes and Questions</source>
        <translation>Notas y preguntas</translation>
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
        <translation>Estado</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completada</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>Save the session notes</source>
        <translation>Guardar las notas de la sesión</translation>
    </message>
    <message>
        <source>Plain Text (*.txt)</source>
        <translation>Texto sin formato (*.txt)</translation>
    </message>
    <message>
        <source>The note was not sent: there is no connection to the server.</source>
        <translation>No se envió la nota: no hay conexión con el servidor.</translation>
    </message>
</context>
<context>
    <name>TVideoCoDec</name>
    <message>
        <source>No error.</source>
        <translation>Ningún error.</translation>
    </message>
    <message>
        <source>Drawing not allowed.</source>
        <translation>No se permite dibujar.</translation>
    </message>
    <message>
        <source>New palette.</source>
        <translation>Nueva paleta.</translation>
    </message>
    <message>
        <source>A KeyFrame is needed.</source>
        <translation>Se necesita un fotograma clave.</translation>
    </message>
    <message>
        <source>Stop drawing</source>
        <translation>Dejar de dibujar</translation>
    </message>
    <message>
        <source>Unsupported video codec function/format</source>
        <translation>Función o formato del códec de video no admitido</translation>
    </message>
    <message>
        <source>Invalid video format.</source>
        <translation>Formato de video no válido.</translation>
    </message>
    <message>
        <source>Not enough memory to compete.</source>
        <translation>No hay memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>Internal video codec error.</source>
        <translation>Error interno del códec de video.</translation>
    </message>
    <message>
        <source>Invalid video parameters.</source>
        <translation>Parámetros de video no válidos.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Parámetro no válido.</translation>
    </message>
    <message>
        <source>Invalid size.</source>
        <translation>Tamaño no válido.</translation>
    </message>
    <message>
        <source>You don&apos;t have this video codec installed on your system.</source>
        <translation>Este códec de video no está instalado en su sistema.</translation>
    </message>
    <message>
        <source>Unable to update information.</source>
        <translation>No se pudo actualizar la información.</translation>
    </message>
    <message>
        <source>Video encoding aborted.</source>
        <translation>Se interrumpió la codificación del video.</translation>
    </message>
    <message>
        <source>Video codec produced an error.</source>
        <translation>El códec de video produjo un error.</translation>
    </message>
    <message>
        <source>Invalid bit-depth.</source>
        <translation>Profundidad de bits no válida.</translation>
    </message>
    <message>
        <source>Invalid image size.</source>
        <translation>Tamaño de imagen no válido.</translation>
    </message>
    <message>
        <source>A system compressor error occured.</source>
        <translation>Se produjo un error en el compresor del sistema.</translation>
    </message>
</context>
<context>
    <name>TVideoModule</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>View Participant&apos;s Web Cam</source>
        <translation>Ver la cámara web del participante</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Configuración de video</translation>
    </message>
    <message>
        <source>My cam</source>
        <translation>Mi cámara</translation>
    </message>
</context>
<context>
    <name>TVideoSession</name>
    <message>
        <source>Initializing video driver.</source>
        <translation>Iniciando el controlador de video.</translation>
    </message>
    <message>
        <source>Checking video format.</source>
        <translation>Comprobando el formato de video.</translation>
    </message>
    <message>
        <source>Your camera does not support the current video format. Please adjust the video settings.</source>
        <translation>Su cámara no admite el formato de video actual. Ajuste la configuración de video.</translation>
    </message>
    <message>
        <source>The Windows Media Video 9 <byte value="xd"/>
codec is not installed.</source>
        <translation>El códec Windows Media Video 9 <byte value="xd"/>
no está instalado.</translation>
    </message>
    <message>
        <source>Initializing the video compressor...</source>
        <translation>Iniciando el compresor de video...</translation>
    </message>
    <message>
        <source>Video failed.<byte value="xd"/>
Reason:</source>
        <translation>Falló el video.<byte value="xd"/>
Motivo:</translation>
    </message>
    <message>
        <source>Communicating with video server...</source>
        <translation>Comunicándose con el servidor de video...</translation>
    </message>
    <message>
        <source>Unable to connect to video server.</source>
        <translation>No se pudo conectar con el servidor de video.</translation>
    </message>
    <message>
        <source>Updating compression info...</source>
        <translation>Actualizando la información de compresión...</translation>
    </message>
    <message>
        <source>Initializing transmission...</source>
        <translation>Iniciando la transmisión...</translation>
    </message>
    <message>
        <source>Initializing the video driver.</source>
        <translation>Iniciando el controlador de video.</translation>
    </message>
    <message>
        <source>Unable to connect to video server.<byte value="xd"/>
Please try again in a few seconds.</source>
        <translation>No se pudo conectar con el servidor de video.<byte value="xd"/>
Vuelva a intentarlo en unos segundos.</translation>
    </message>
    <message>
        <source>Getting video information...</source>
        <translation>Obteniendo la información del video...</translation>
    </message>
    <message>
        <source>Video broadcast refused by the server (code %1).</source>
        <translation>El servidor rechazó la transmisión de video (código %1).</translation>
    </message>
    <message>
        <source>Video not available.<byte value="xd"/>
This user has not his/her webcam on.</source>
        <translation>Video no disponible.<byte value="xd"/>
Este usuario no tiene encendida su cámara web.</translation>
    </message>
    <message>
        <source>The </source>
        <translation>El códec </translation>
    </message>
    <message>
        <source>codec is not installed.</source>
        <translation>no está instalado.</translation>
    </message>
    <message>
        <source>Video codec failed. <byte value="xd"/>
Please try again.</source>
        <translation>Falló el códec de video. <byte value="xd"/>
Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Video stopped!</source>
        <translation>¡Video detenido!</translation>
    </message>
    <message>
        <source>This participant&apos;s camera uses a format this program cannot show.</source>
        <translation>La cámara de este participante usa un formato que este programa no puede mostrar.</translation>
    </message>
</context>
<context>
    <name>TfrmProfile</name>
    <message>
        <source>Update Personal Profile</source>
        <translation>Actualizar perfil personal</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Información personal</translation>
    </message>
    <message>
        <source>&amp;First Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Last Name:</source>
        <translation>&amp;Apellido:</translation>
    </message>
    <message>
        <source>e&amp;Mail:</source>
        <translation>Correo e&amp;lectrónico:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>&amp;City:</source>
        <translation>&amp;Ciudad:</translation>
    </message>
    <message>
        <source>&amp;Zip:</source>
        <translation>Código &amp;postal:</translation>
    </message>
    <message>
        <source>&amp;Phone Numbers:</source>
        <translation>&amp;Teléfonos:</translation>
    </message>
    <message>
        <source>Company / &amp;Profession:</source>
        <translation>Empresa / Pro&amp;fesión:</translation>
    </message>
    <message>
        <source>Lan&amp;guages:</source>
        <translation>&amp;Idiomas:</translation>
    </message>
    <message>
        <source>&amp;Birth Date:</source>
        <translation>F&amp;echa de nacimiento:</translation>
    </message>
    <message>
        <source>G&amp;ender:</source>
        <translation>&amp;Género:</translation>
    </message>
    <message>
        <source>Please note that fields marked with red captions are required !</source>
        <translation>Tenga en cuenta que los campos con etiquetas en rojo son obligatorios.</translation>
    </message>
    <message>
        <source>To save the changes press the Save button.</source>
        <translation>Para guardar los cambios, haga clic en el botón Guardar.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
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
        <translation>Haga doble clic en un usuario para ver más opciones</translation>
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
        <translation>Ordenar y expandir las entradas</translation>
    </message>
    <message>
        <source>Participant list options</source>
        <translation>Opciones de la lista de participantes</translation>
    </message>
    <message>
        <source>Moderators On Top</source>
        <translation>Moderadores arriba</translation>
    </message>
    <message>
        <source>Sort By Name</source>
        <translation>Ordenar por nombre</translation>
    </message>
    <message>
        <source>Sort By Hand Status</source>
        <translation>Ordenar por mano levantada</translation>
    </message>
    <message>
        <source>Expand All Entries</source>
        <translation>Expandir todas las entradas</translation>
    </message>
    <message>
        <source>Collapse All Entries</source>
        <translation>Contraer todas las entradas</translation>
    </message>
    <message>
        <source>you</source>
        <translation>usted</translation>
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
        <translation>Prueba de audio</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confirmado</translation>
    </message>
    <message>
        <source>hand %1</source>
        <translation>mano %1</translation>
    </message>
</context>
<context>
    <name>VideoCapture</name>
    <message>
        <source>Test pattern (moving colour bars)</source>
        <translation>Patrón de prueba (barras de colores en movimiento)</translation>
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
        <translation>un enlace para unirse o reproducir, o un archivo de sesión grabada</translation>
    </message>
    <message>
        <source>the session server the sign-in window offers</source>
        <translation>el servidor de sesiones que ofrece la ventana de inicio de sesión</translation>
    </message>
    <message>
        <source>the settings file to use</source>
        <translation>el archivo de configuración que se usará</translation>
    </message>
    <message>
        <source>diagnostics on the terminal as well as in the log file</source>
        <translation>diagnósticos en la terminal, además de en el archivo de registro</translation>
    </message>
    <message>
        <source>make a recorded session into a video file (.webm, or .mp4), given after the options</source>
        <translation>convierte una sesión grabada en un archivo de video (.webm o .mp4), indicado después de las opciones</translation>
    </message>
    <message>
        <source>the exported video&apos;s size (default 1280x720)</source>
        <translation>el tamaño del video exportado (predeterminado 1280x720)</translation>
    </message>
    <message>
        <source>usage: orvane-live --export-video RECORDING OUT.webm [--size WxH] (even numbers from 16 to 7680)</source>
        <translation>uso: orvane-live --export-video GRABACIÓN SALIDA.webm [--size AxA] (números pares de 16 a 7680)</translation>
    </message>
</context>
<context>
    <name>orv::AudioDevices</name>
    <message>
        <source>Default Playback Device</source>
        <translation>Dispositivo de reproducción predeterminado</translation>
    </message>
    <message>
        <source>Default Recording Device</source>
        <translation>Dispositivo de grabación predeterminado</translation>
    </message>
</context>
<context>
    <name>orv::AudioErrors</name>
    <message>
        <source> The specified resource does not exist.</source>
        <translation> El recurso especificado no existe.</translation>
    </message>
    <message>
        <source> The specified resource is already in use.</source>
        <translation> El recurso especificado ya está en uso.</translation>
    </message>
    <message>
        <source> The specified handle is invalid.</source>
        <translation> El identificador especificado no es válido.</translation>
    </message>
    <message>
        <source> A suitable driver is not available to provide valid format selections.</source>
        <translation> No hay un controlador adecuado que ofrezca formatos válidos.</translation>
    </message>
    <message>
        <source> The system is unable to allocate resources.</source>
        <translation> El sistema no puede asignar recursos.</translation>
    </message>
    <message>
        <source> At least one flag is invalid.</source>
        <translation> Al menos un indicador no es válido.</translation>
    </message>
    <message>
        <source> At least one parameter is invalid.</source>
        <translation> Al menos un parámetro no es válido.</translation>
    </message>
    <message>
        <source> Unsupported audio format.</source>
        <translation> Formato de audio no admitido.</translation>
    </message>
    <message>
        <source> The specified device does not support asynchronous operation.</source>
        <translation> El dispositivo especificado no admite el funcionamiento asíncrono.</translation>
    </message>
    <message>
        <source> The requested operation cannot be performed.</source>
        <translation> No se puede realizar la operación solicitada.</translation>
    </message>
    <message>
        <source> The conversion stream is already in use.</source>
        <translation> El flujo de conversión ya está en uso.</translation>
    </message>
    <message>
        <source> Cannot perform this action on a header that has not been prepared.</source>
        <translation> No se puede realizar esta acción en un encabezado que no se ha preparado.</translation>
    </message>
    <message>
        <source>%1 raised an unknown error (code #%2)</source>
        <translation>%1 produjo un error desconocido (código n.º %2)</translation>
    </message>
</context>
<context>
    <name>orv::ChatCommands</name>
    <message>
        <source>Do you want to clear all text messages?</source>
        <translation>¿Desea borrar todos los mensajes de texto?</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se pudo crear el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Save public chat</source>
        <translation>Guardar el chat público</translation>
    </message>
</context>
<context>
    <name>orv::ChatHandlers</name>
    <message>
        <source>%1 mentioned you</source>
        <translation>%1 mencionó su nombre</translation>
    </message>
    <message>
        <source>Private message from %1</source>
        <translation>Mensaje privado de %1</translation>
    </message>
    <message>
        <source> (Moderator)</source>
        <translation> (moderador)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>The system is using a default value for your connection speed. You can set your real connection speed visiting File - Connection Speed.</source>
        <translation>El sistema está usando un valor predeterminado para la velocidad de su conexión. Puede indicar la velocidad real en Archivo - Velocidad de conexión.</translation>
    </message>
    <message>
        <source>%1 says: %2</source>
        <translation>%1 dice: %2</translation>
    </message>
    <message>
        <source>Private message from %1: %2</source>
        <translation>Mensaje privado de %1: %2</translation>
    </message>
</context>
<context>
    <name>orv::ChatState</name>
    <message>
        <source>Public Messages - Disabled for users</source>
        <translation>Mensajes públicos - desactivados para los usuarios</translation>
    </message>
    <message>
        <source>Public Messages</source>
        <translation>Mensajes públicos</translation>
    </message>
    <message>
        <source>Unknown User</source>
        <translation>Usuario desconocido</translation>
    </message>
</context>
<context>
    <name>orv::CodecCatalogue</name>
    <message>
        <source>GSM 6.10 - 8 KHz, 8 bit, 1.6 KB/s (Orvane Default)</source>
        <translation>GSM 6.10 - 8 kHz, 8 bits, 1.6 KB/s (predeterminado de Orvane)</translation>
    </message>
    <message>
        <source>Speex - 8 KHz, 16 bit, 1.3 KB/s</source>
        <translation>Speex - 8 kHz, 16 bits, 1.3 KB/s</translation>
    </message>
    <message>
        <source>Speex - 16 KHz, 16 bit, 1.6 KB/s</source>
        <translation>Speex - 16 kHz, 16 bits, 1.6 KB/s</translation>
    </message>
    <message>
        <source>Speex - 16 KHz, 16 bit, 2.1 KB/s</source>
        <translation>Speex - 16 kHz, 16 bits, 2.1 KB/s</translation>
    </message>
    <message>
        <source>Speex - 16 KHz, 16 bit, 3.4 KB/s</source>
        <translation>Speex - 16 kHz, 16 bits, 3.4 KB/s</translation>
    </message>
    <message>
        <source>Speex - 32 KHz, 16 bit, 1.8 KB/s</source>
        <translation>Speex - 32 kHz, 16 bits, 1.8 KB/s</translation>
    </message>
    <message>
        <source>Speex - 32 KHz, 16 bit, 2.8 KB/s</source>
        <translation>Speex - 32 kHz, 16 bits, 2.8 KB/s</translation>
    </message>
    <message>
        <source>Speex - 32 KHz, 16 bit, 3.7 KB/s</source>
        <translation>Speex - 32 kHz, 16 bits, 3.7 KB/s</translation>
    </message>
    <message>
        <source>Unknown Compressor</source>
        <translation>Compresor desconocido</translation>
    </message>
</context>
<context>
    <name>orv::CodecRegistry</name>
    <message>
        <source>Invalid Format details</source>
        <translation>Detalles de formato no válidos</translation>
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
        <translation>&quot;%1&quot; es un programa o un lanzador, no un documento, así que no se abrió. Se guardó como:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>orv::ErrorMessages</name>
    <message>
        <source>No Error</source>
        <translation>Ningún error</translation>
    </message>
    <message>
        <source>Invalid Username or Password.</source>
        <translation>Nombre de usuario o contraseña no válidos.</translation>
    </message>
    <message>
        <source>Invalid Password or Username.</source>
        <translation>Contraseña o nombre de usuario no válidos.</translation>
    </message>
    <message>
        <source>You do not have permissions to attend this session.</source>
        <translation>No tiene permiso para asistir a esta sesión.</translation>
    </message>
    <message>
        <source>Your subscription for this virtual room is not yet confirmed.</source>
        <translation>Su suscripción a esta sala virtual aún no está confirmada.</translation>
    </message>
    <message>
        <source>Your subscription for this virtual room is temporarily on hold.</source>
        <translation>Su suscripción a esta sala virtual está suspendida temporalmente.</translation>
    </message>
    <message>
        <source>Your subscription for this virtual room has expired.</source>
        <translation>Su suscripción a esta sala virtual venció.</translation>
    </message>
    <message>
        <source>This session is still unavailable.</source>
        <translation>Esta sesión aún no está disponible.</translation>
    </message>
    <message>
        <source>This session is temporarily unavailable.</source>
        <translation>Esta sesión no está disponible temporalmente.</translation>
    </message>
    <message>
        <source>This session has expired.</source>
        <translation>Esta sesión venció.</translation>
    </message>
    <message>
        <source>Your account is temporarily blocked.</source>
        <translation>Su cuenta está bloqueada temporalmente.</translation>
    </message>
    <message>
        <source>Failed getting voice server settings.</source>
        <translation>No se pudo obtener la configuración del servidor de voz.</translation>
    </message>
    <message>
        <source>Failed communicating with voice server.<byte value="xd"/>
Please, make sure you are connected to internet and <byte value="xd"/>
there is no firewall or proxy blocking the communication.<byte value="xd"/>
If the problem persists ask your system administrator for further assistance</source>
        <translation>Falló la comunicación con el servidor de voz.<byte value="xd"/>
Asegúrese de estar conectado a Internet y de que <byte value="xd"/>
ningún firewall o proxy esté bloqueando la comunicación.<byte value="xd"/>
Si el problema continúa, pida ayuda al administrador del sistema</translation>
    </message>
    <message>
        <source>Unable to establish a connection to the remote server.<byte value="xd"/>
Please, make sure you are connected to the Internet and <byte value="xd"/>
there is no Proxy or Firewall blocking the communication.<byte value="xd"/>
If the problem persists ask your system administrator for further assistance.</source>
        <translation>No se pudo establecer una conexión con el servidor remoto.<byte value="xd"/>
Asegúrese de estar conectado a Internet y de que <byte value="xd"/>
ningún proxy o firewall esté bloqueando la comunicación.<byte value="xd"/>
Si el problema continúa, pida ayuda al administrador del sistema.</translation>
    </message>
    <message>
        <source>Unable to activate local voice engine.<byte value="xd"/>
Please make sure you have all audio drivers installed on your system and</source>
        <translation>No se pudo activar el motor de voz local.<byte value="xd"/>
Asegúrese de tener instalados todos los controladores de audio en su sistema y</translation>
    </message>
    <message>
        <source>Another user is already logged in with this user ID.</source>
        <translation>Otro usuario ya inició sesión con esta identificación.</translation>
    </message>
    <message>
        <source>This file already exists on server.</source>
        <translation>Este archivo ya existe en el servidor.</translation>
    </message>
    <message>
        <source>The file you are trying to access does not exist on server.</source>
        <translation>El archivo al que intenta acceder no existe en el servidor.</translation>
    </message>
    <message>
        <source>Invalid Virtual Room Number.</source>
        <translation>Número de sala virtual no válido.</translation>
    </message>
    <message>
        <source>SYS: Empty queue. Contact Orvane site for support assistance on</source>
        <translation>SYS: cola vacía. Solicite asistencia en el sitio de Orvane en</translation>
    </message>
    <message>
        <source>SYS: Wrong verification code. Contact Orvane site for support assistance on</source>
        <translation>SYS: código de verificación incorrecto. Solicite asistencia en el sitio de Orvane en</translation>
    </message>
    <message>
        <source>Your Orvane Live version is too old. You need to update it.<byte value="xd"/>
Please, visit our web site to get latest Orvane Live version</source>
        <translation>Su versión de Orvane Live es demasiado antigua. Debe actualizarla.<byte value="xd"/>
Visite nuestro sitio web para obtener la versión más reciente de Orvane Live</translation>
    </message>
    <message>
        <source>Error occurred while trying to upload resource.</source>
        <translation>Se produjo un error al subir el recurso.</translation>
    </message>
    <message>
        <source>Error occurred while trying to delete remote resource. It may be in use by another user.</source>
        <translation>Se produjo un error al eliminar el recurso remoto. Es posible que otro usuario lo esté usando.</translation>
    </message>
    <message>
        <source>SYS: Resource does not exist on server.</source>
        <translation>SYS: el recurso no existe en el servidor.</translation>
    </message>
    <message>
        <source>SYS: Unable to delete resource.</source>
        <translation>SYS: no se pudo eliminar el recurso.</translation>
    </message>
    <message>
        <source>You do not have permission to access the microphone.</source>
        <translation>No tiene permiso para usar el micrófono.</translation>
    </message>
    <message>
        <source>You do not have permission to access white board.</source>
        <translation>No tiene permiso para usar la pizarra.</translation>
    </message>
    <message>
        <source>Your account has expired.</source>
        <translation>Su cuenta venció.</translation>
    </message>
    <message>
        <source>There are no items on server.</source>
        <translation>No hay elementos en el servidor.</translation>
    </message>
    <message>
        <source>Unable to open file. Please try again.</source>
        <translation>No se pudo abrir el archivo. Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>You do not have permission to do this.</source>
        <translation>No tiene permiso para hacer esto.</translation>
    </message>
    <message>
        <source>Error performing this operation.</source>
        <translation>Error al realizar esta operación.</translation>
    </message>
    <message>
        <source>There are no entries on server.</source>
        <translation>No hay registros en el servidor.</translation>
    </message>
    <message>
        <source>Unable to initialize the Audio engine !<byte value="xd"/>
This may be due to a problem in your audio device or a system audio codec is missing.<byte value="xd"/>
Please make sure your audio devices are properly installed and you have the necessary drivers.<byte value="xd"/>
If the problem persists contact a system administrator or write to</source>
        <translation>¡No se pudo iniciar el motor de audio!<byte value="xd"/>
Es posible que haya un problema en su dispositivo de audio o que falte un códec de audio del sistema.<byte value="xd"/>
Asegúrese de que sus dispositivos de audio estén instalados correctamente y de tener los controladores necesarios.<byte value="xd"/>
Si el problema continúa, comuníquese con un administrador del sistema o escriba a</translation>
    </message>
    <message>
        <source>Unable to join this virtual classroom.</source>
        <translation>No se pudo entrar en esta aula virtual.</translation>
    </message>
    <message>
        <source>Reached End Of File.</source>
        <translation>Se llegó al final del archivo.</translation>
    </message>
    <message>
        <source>Playback is temporarily disabled on the server.</source>
        <translation>La reproducción está desactivada temporalmente en el servidor.</translation>
    </message>
    <message>
        <source>Orvane Recording Module is not installed. <byte value="xd"/>
Please install a new version of Orvane Browser.</source>
        <translation>El módulo de grabación de Orvane no está instalado. <byte value="xd"/>
Instale una nueva versión de Orvane Browser.</translation>
    </message>
    <message>
        <source>Unable to start application sharing.</source>
        <translation>No se pudo iniciar el uso compartido de aplicaciones.</translation>
    </message>
    <message>
        <source>Failed to update snapshot.</source>
        <translation>No se pudo actualizar la captura.</translation>
    </message>
    <message>
        <source>A Session Recorder is already running.</source>
        <translation>Ya hay un grabador de sesiones en ejecución.</translation>
    </message>
    <message>
        <source>Application sharing is already in progress.</source>
        <translation>El uso compartido de aplicaciones ya está en curso.</translation>
    </message>
    <message>
        <source>Application Sharing is stopped.</source>
        <translation>El uso compartido de aplicaciones está detenido.</translation>
    </message>
    <message>
        <source>The Session Recorder is already stopped.</source>
        <translation>El grabador de sesiones ya está detenido.</translation>
    </message>
    <message>
        <source>Invalid Parameter.</source>
        <translation>Parámetro no válido.</translation>
    </message>
    <message>
        <source>Video broadcast is not available at the moment.</source>
        <translation>La transmisión de video no está disponible en este momento.</translation>
    </message>
    <message>
        <source>Video frame is not available.</source>
        <translation>El fotograma de video no está disponible.</translation>
    </message>
    <message>
        <source>Video is not allowed.</source>
        <translation>No se permite el video.</translation>
    </message>
    <message>
        <source>System message: Video frame was skipped.</source>
        <translation>Mensaje del sistema: se omitió un fotograma de video.</translation>
    </message>
    <message>
        <source>This virtual room is full.</source>
        <translation>Esta sala virtual está llena.</translation>
    </message>
    <message>
        <source>No more seats available. (Subscriber&apos;s capacity exceeded)</source>
        <translation>No quedan más lugares disponibles. (Se superó la capacidad del suscriptor)</translation>
    </message>
    <message>
        <source>The server can&apos;t accept more connections at the moment.</source>
        <translation>El servidor no puede aceptar más conexiones en este momento.</translation>
    </message>
    <message>
        <source>There are no more free microphones in the virtual room.</source>
        <translation>No quedan micrófonos libres en la sala virtual.</translation>
    </message>
    <message>
        <source>The primary account of the host has expired.</source>
        <translation>La cuenta principal del anfitrión venció.</translation>
    </message>
    <message>
        <source>The subscription of the host has been put on hold.</source>
        <translation>La suscripción del anfitrión se suspendió.</translation>
    </message>
    <message>
        <source>Unknown error reported by the server (code %1).</source>
        <translation>Error desconocido informado por el servidor (código %1).</translation>
    </message>
    <message>
        <source>Access Denied ! [with message code: %1]</source>
        <translation>¡Acceso denegado! [código del mensaje: %1]</translation>
    </message>
    <message>
        <source>Error description is: </source>
        <translation>Descripción del error: </translation>
    </message>
</context>
<context>
    <name>orv::PollAnswers</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Verdadero</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Not sure</source>
        <translation>No estoy seguro</translation>
    </message>
    <message>
        <source>May be</source>
        <translation>Tal vez</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bueno</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Malo</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrecto</translation>
    </message>
</context>
<context>
    <name>orv::PortalGlobalShortcuts</name>
    <message>
        <source>The desktop did not bind the push-to-talk key.</source>
        <translation>El escritorio no asignó la tecla para hablar.</translation>
    </message>
    <message>
        <source>Push to talk</source>
        <translation>Presionar para hablar</translation>
    </message>
</context>
<context>
    <name>orv::PortalScreenCast</name>
    <message>
        <source>The screen was not chosen.</source>
        <translation>No se eligió la pantalla.</translation>
    </message>
    <message>
        <source>The desktop refused to share the screen.</source>
        <translation>El escritorio se negó a compartir la pantalla.</translation>
    </message>
    <message>
        <source>The desktop shares no screen.</source>
        <translation>El escritorio no comparte ninguna pantalla.</translation>
    </message>
</context>
<context>
    <name>orv::PortalScreenshot</name>
    <message>
        <source>The screenshot was cancelled.</source>
        <translation>Se canceló la captura de pantalla.</translation>
    </message>
    <message>
        <source>The desktop refused to take a screenshot.</source>
        <translation>El escritorio se negó a tomar una captura de pantalla.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot cannot be read.</source>
        <translation>No se puede leer la captura de pantalla del escritorio.</translation>
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
        <translation>Comentario obligatorio</translation>
    </message>
    <message>
        <source>Enter a short comment for current image:</source>
        <translation>Escriba un breve comentario para la imagen actual:</translation>
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
        <translation>Acceso telefónico de 28.8 kbps</translation>
    </message>
    <message>
        <source>33.6 Kbps Dial Up</source>
        <translation>Acceso telefónico de 33.6 kbps</translation>
    </message>
    <message>
        <source>56 Kbps Dial Up</source>
        <translation>Acceso telefónico de 56 kbps</translation>
    </message>
    <message>
        <source>Upld %1%</source>
        <translation>Subida %1%</translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source> Room %1: %2 (You have been in this session for %3 min.)</source>
        <translation> Sala %1: %2 (lleva %3 min en esta sesión)</translation>
    </message>
    <message>
        <source>Your screen resolution is less than 1024x768. Some of the text labels and graphics may not appear correctly.</source>
        <translation>La resolución de su pantalla es menor que 1024x768. Es posible que algunas etiquetas de texto y gráficos no se vean correctamente.</translation>
    </message>
    <message>
        <source>Your screen DPI setting is not 96 dots per inch. Some of the text labels and graphics may not appear correctly.</source>
        <translation>La configuración de PPP de su pantalla no es de 96 puntos por pulgada. Es posible que algunas etiquetas de texto y gráficos no se vean correctamente.</translation>
    </message>
</context>
<context>
    <name>orv::TAudioControlPane</name>
    <message>
        <source>Speakers</source>
        <translation>Altavoces</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Microphone Boost</source>
        <translation>Amplificación del micrófono</translation>
    </message>
    <message>
        <source>Set Buffering</source>
        <translation>Ajustar búfer</translation>
    </message>
    <message>
        <source>Inp. Audio Delay</source>
        <translation>Retardo de entrada</translation>
    </message>
    <message>
        <source>Connect Audio</source>
        <translation>Conectar audio</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Códec:</translation>
    </message>
    <message>
        <source>Increase Volume</source>
        <translation>Subir el volumen</translation>
    </message>
    <message>
        <source>Decrease Volume</source>
        <translation>Bajar el volumen</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Nivel del micrófono</translation>
    </message>
    <message>
        <source>Mute Microphone</source>
        <translation>Silenciar micrófono</translation>
    </message>
</context>
<context>
    <name>orv::TAudioSettingsPage</name>
    <message>
        <source>Playback device:</source>
        <translation>Dispositivo de reproducción:</translation>
    </message>
    <message>
        <source>Recording device:</source>
        <translation>Dispositivo de grabación:</translation>
    </message>
    <message>
        <source>Mute the speakers while I talk</source>
        <translation>Silenciar los altavoces mientras hablo</translation>
    </message>
    <message>
        <source>Audio buffer:</source>
        <translation>Búfer de audio:</translation>
    </message>
    <message>
        <source>Push-to-talk key:</source>
        <translation>Tecla para hablar:</translation>
    </message>
    <message>
        <source>Cancel the echo of my speakers in what I say</source>
        <translation>Cancelar el eco de mis altavoces en lo que digo</translation>
    </message>
    <message>
        <source>Suppress steady background noise</source>
        <translation>Suprimir el ruido de fondo constante</translation>
    </message>
    <message>
        <source>The key works only while this program&apos;s windows are active: this desktop does not let programs see keys pressed elsewhere.</source>
        <translation>La tecla solo funciona mientras las ventanas de este programa estén activas: este escritorio no permite que los programas vean las teclas presionadas en otros lugares.</translation>
    </message>
</context>
<context>
    <name>orv::TBoardModule</name>
    <message>
        <source>Lock Board</source>
        <translation>Bloquear pizarra</translation>
    </message>
    <message>
        <source>Lock the whiteboard for drawing and slides</source>
        <translation>Bloquear la pizarra para dibujar y mostrar diapositivas</translation>
    </message>
</context>
<context>
    <name>orv::TBoardSettingsPage</name>
    <message>
        <source>&quot;%1&quot; is not installed; it is kept as chosen.</source>
        <translation>&quot;%1&quot; no está instalada; se mantiene la elección.</translation>
    </message>
    <message>
        <source>Text box font:</source>
        <translation>Fuente del cuadro de texto:</translation>
    </message>
    <message>
        <source>Text box font colour:</source>
        <translation>Color de fuente del cuadro de texto:</translation>
    </message>
    <message>
        <source>Text box font size:</source>
        <translation>Tamaño de fuente del cuadro de texto:</translation>
    </message>
    <message>
        <source>Grid size:</source>
        <translation>Tamaño de la cuadrícula:</translation>
    </message>
    <message>
        <source>Pen width:</source>
        <translation>Grosor del lápiz:</translation>
    </message>
    <message>
        <source>Pen colour:</source>
        <translation>Color del lápiz:</translation>
    </message>
</context>
<context>
    <name>orv::TBoardSharing</name>
    <message>
        <source>You do not have permission to access the whiteboard.</source>
        <translation>No tiene permiso para usar la pizarra.</translation>
    </message>
    <message>
        <source>Your access to the white board is granted.<byte value="xd"/>
You can use the Lock Board button to gain access over the board.</source>
        <translation>Se le concedió acceso a la pizarra.<byte value="xd"/>
Use el botón Bloquear pizarra para tomar el control de la pizarra.</translation>
    </message>
    <message>
        <source>Press OK to continue or Cancel to do nothing.</source>
        <translation>Haga clic en Aceptar para continuar o en Cancelar para no hacer nada.</translation>
    </message>
    <message>
        <source>This operation will clear your private board.</source>
        <translation>Esta operación borrará su pizarra privada.</translation>
    </message>
    <message>
        <source>This operation will clear the current board for all users.</source>
        <translation>Esta operación borrará la pizarra actual para todos los usuarios.</translation>
    </message>
    <message>
        <source>The slide/image is not available. It may has been deleted.</source>
        <translation>La diapositiva o imagen no está disponible. Es posible que se haya eliminado.</translation>
    </message>
    <message>
        <source>Loading WhiteBoard # %1 Items %2</source>
        <translation>Cargando la pizarra n.º %1, elementos: %2</translation>
    </message>
    <message>
        <source>WhiteBoard # %1 Loaded... Displaying content. Please wait...</source>
        <translation>Pizarra n.º %1 cargada... Mostrando el contenido. Espere...</translation>
    </message>
</context>
<context>
    <name>orv::TBoardTools</name>
    <message>
        <source>The size of this image is larger than the white board.<byte value="xd"/>
Do you want to shrink the image to fit on the whiteboard or expand the whiteboard up to the image size?<byte value="xd"/>
Press Yes to shrink the image or No to expand the whitebaord.</source>
        <translation>Esta imagen es más grande que la pizarra.<byte value="xd"/>
¿Desea reducir la imagen para que quepa en la pizarra o ampliar la pizarra hasta el tamaño de la imagen?<byte value="xd"/>
Haga clic en Sí para reducir la imagen o en No para ampliar la pizarra.</translation>
    </message>
    <message>
        <source>Image not uploaded</source>
        <translation>No se subió la imagen</translation>
    </message>
</context>
<context>
    <name>orv::TBoardView</name>
    <message>
        <source>Whiteboard</source>
        <translation>Pizarra</translation>
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
        <translation>Nuevo mensaje de chat</translation>
    </message>
</context>
<context>
    <name>orv::TChatPane</name>
    <message>
        <source>Conversation: choose who your messages go to</source>
        <translation>Conversación: elija a quién van sus mensajes</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Type a message</source>
        <translation>Escriba un mensaje</translation>
    </message>
    <message>
        <source>Smilies and phrases</source>
        <translation>Emoticones y frases</translation>
    </message>
    <message>
        <source>Smilies</source>
        <translation>Emoticones</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Show in Large Window</source>
        <translation>Mostrar en ventana grande</translation>
    </message>
    <message>
        <source>Show Timing</source>
        <translation>Mostrar la hora</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>Chat Permissions</source>
        <translation>Permisos del chat</translation>
    </message>
    <message>
        <source>Clear all text messages</source>
        <translation>Borrar todos los mensajes de texto</translation>
    </message>
    <message>
        <source>Save the text messages to file</source>
        <translation>Guardar los mensajes de texto en un archivo</translation>
    </message>
    <message>
        <source>Public messages</source>
        <translation>Mensajes públicos</translation>
    </message>
    <message>
        <source>Private messages</source>
        <translation>Mensajes privados</translation>
    </message>
    <message>
        <source>Public Messages</source>
        <translation>Mensajes públicos</translation>
    </message>
    <message>
        <source>Save public text messages</source>
        <translation>Guardar los mensajes de texto públicos</translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>Formato de texto enriquecido (*.rtf)</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hola</translation>
    </message>
    <message>
        <source>Bye</source>
        <translation>Adiós</translation>
    </message>
    <message>
        <source>LOL</source>
        <translation>Jajaja</translation>
    </message>
    <message>
        <source>Great</source>
        <translation>Genial</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Gracias</translation>
    </message>
    <message>
        <source>Can you repeat, please</source>
        <translation>¿Puede repetir, por favor?</translation>
    </message>
    <message>
        <source>Just a second</source>
        <translation>Un momento</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeña</translation>
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
        <translation>Permitir todos los mensajes de chat (privados y públicos)</translation>
    </message>
    <message>
        <source>Allow only public messages (Private ones are blocked)</source>
        <translation>Permitir solo mensajes públicos (los privados se bloquean)</translation>
    </message>
    <message>
        <source>Deny all chat messages</source>
        <translation>Rechazar todos los mensajes de chat</translation>
    </message>
</context>
<context>
    <name>orv::TConnectionSettingsPage</name>
    <message>
        <source>I am behind a Proxy server</source>
        <translation>Estoy detrás de un servidor proxy</translation>
    </message>
    <message>
        <source>Enable Proxy Authentication</source>
        <translation>Activar la autenticación del proxy</translation>
    </message>
    <message>
        <source>Proxy type:</source>
        <translation>Tipo de proxy:</translation>
    </message>
    <message>
        <source>Proxy host:</source>
        <translation>Host del proxy:</translation>
    </message>
    <message>
        <source>Proxy port:</source>
        <translation>Puerto del proxy:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nombre de usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Encrypted connection</source>
        <translation>Conexión cifrada</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>When the server offers it</source>
        <translation>Cuando el servidor la ofrezca</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obligatoria</translation>
    </message>
    <message>
        <source>Forget every server certificate you chose to trust? Each of those servers will show its certificate again at the next sign-in.</source>
        <translation>¿Olvidar todos los certificados de servidor en los que usted eligió confiar? Cada uno de esos servidores mostrará su certificado de nuevo en el próximo inicio de sesión.</translation>
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
        <translation>Conexión cifrada:</translation>
    </message>
    <message>
        <source>Forget the trusted server certificates (%1)</source>
        <translation>Olvidar los certificados de servidor de confianza (%1)</translation>
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
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Eliminar todas</translation>
    </message>
    <message>
        <source>Favorite Polls (Moderators Only)</source>
        <translation>Encuestas favoritas (solo moderadores)</translation>
    </message>
    <message>
        <source>Do you want to delete all your favorite polls?</source>
        <translation>¿Desea eliminar todas sus encuestas favoritas?</translation>
    </message>
</context>
<context>
    <name>orv::TFileViewer</name>
    <message>
        <source>You don&apos;t have access to do that.<byte value="xd"/>
Must be a moderator or a user with white a board write-access. <byte value="xd"/>
Click the lock board button and then continue.</source>
        <translation>No tiene permiso para hacer eso.<byte value="xd"/>
Debe ser moderador o tener acceso de escritura a la pizarra. <byte value="xd"/>
Haga clic en el botón Bloquear pizarra y continúe.</translation>
    </message>
    <message>
        <source>There is no selection to launch.<byte value="xd"/>
Click and drag to select a portion.</source>
        <translation>No hay ninguna selección para mostrar.<byte value="xd"/>
Haga clic y arrastre para seleccionar una parte.</translation>
    </message>
</context>
<context>
    <name>orv::TFontsForm</name>
    <message>
        <source>Font Settings</source>
        <translation>Configuración de fuente</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Color:</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
</context>
<context>
    <name>orv::TGeneralSettingsPage</name>
    <message>
        <source>Pop up the chat on new messages</source>
        <translation>Abrir el chat al llegar mensajes nuevos</translation>
    </message>
    <message>
        <source>Pop up post-it messages</source>
        <translation>Mostrar las notas recibidas en ventanas (pósit)</translation>
    </message>
    <message>
        <source>Beep when a participant connects</source>
        <translation>Emitir un pitido cuando se conecte un participante</translation>
    </message>
    <message>
        <source>Beep when a participant disconnects</source>
        <translation>Emitir un pitido cuando se desconecte un participante</translation>
    </message>
    <message>
        <source>Beep on new chat messages</source>
        <translation>Emitir un pitido al llegar mensajes de chat nuevos</translation>
    </message>
    <message>
        <source>Beep when a participant raises a hand or signals</source>
        <translation>Emitir un pitido cuando un participante levante la mano o haga una señal</translation>
    </message>
    <message>
        <source>Flash the window on participant actions</source>
        <translation>Hacer parpadear la ventana cuando los participantes actúen</translation>
    </message>
    <message>
        <source>Invitation address:</source>
        <translation>Dirección de invitación:</translation>
    </message>
    <message>
        <source>Reconnect automatically after a lost connection</source>
        <translation>Reconectar automáticamente después de perder la conexión</translation>
    </message>
    <message>
        <source>Notify on the desktop of private messages, my name and a lost connection</source>
        <translation>Notificar en el escritorio los mensajes privados, las menciones de mi nombre y la pérdida de conexión</translation>
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
        <translation>Un nuevo idioma se usa a partir del próximo inicio del programa.</translation>
    </message>
</context>
<context>
    <name>orv::TKickReasonDialog</name>
    <message>
        <source>Kick Reason</source>
        <translation>Motivo de la expulsión</translation>
    </message>
    <message>
        <source>Enter a reason for removing this user from the session:</source>
        <translation>Escriba un motivo para expulsar a este usuario de la sesión:</translation>
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
        <translation>ADVERTENCIA: el certificado del servidor %1 ha CAMBIADO.<byte value="xd"/>
<byte value="xd"/>
Alguien podría estar interceptando la conexión, o el administrador del servidor podría haber reemplazado el certificado. La conexión se rechazó.<byte value="xd"/>
<byte value="xd"/>
El certificado presentado ahora tiene la huella digital SHA-256<byte value="xd"/>
%2<byte value="xd"/>
y el de confianza<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Solo si el administrador confirma la nueva huella digital, olvide los certificados de confianza en la configuración de conexión e inicie sesión de nuevo.</translation>
    </message>
    <message>
        <source>The server %1 offers an encrypted connection, but its certificate is not vouched for by an authority this computer trusts (%2).<byte value="xd"/>
<byte value="xd"/>
Its SHA-256 fingerprint is<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Compare it with the one your server&apos;s administrator gives you. Trust this certificate for this server from now on?</source>
        <translation>El servidor %1 ofrece una conexión cifrada, pero su certificado no está avalado por una autoridad en la que este equipo confía (%2).<byte value="xd"/>
<byte value="xd"/>
Su huella digital SHA-256 es<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Compárela con la que le dé el administrador de su servidor. ¿Confiar en este certificado para este servidor de ahora en adelante?</translation>
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
        <translation>Documentos compartidos</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Image Library</source>
        <translation>Biblioteca de imágenes</translation>
    </message>
    <message>
        <source>Shared Documents...</source>
        <translation>Documentos compartidos...</translation>
    </message>
    <message>
        <source>Image Library...</source>
        <translation>Biblioteca de imágenes...</translation>
    </message>
</context>
<context>
    <name>orv::TMainViews</name>
    <message>
        <source>White Board View</source>
        <translation>Vista de pizarra</translation>
    </message>
    <message>
        <source>Web Browser View</source>
        <translation>Vista del navegador web</translation>
    </message>
    <message>
        <source>Application Share View</source>
        <translation>Vista del uso compartido de aplicaciones</translation>
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
        <translation>Este participante está usando el micrófono en este momento. <byte value="xd"/>
¿Desea desactivar su micrófono?</translation>
    </message>
    <message>
        <source> started a webcam. To watch the user&apos;s video stream click on the red camera image next to the user&apos;s name.</source>
        <translation> encendió su cámara web. Para ver el video de este usuario, haga clic en la imagen de cámara roja junto a su nombre.</translation>
    </message>
    <message>
        <source> - webcam stopped.</source>
        <translation> - cámara web apagada.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>You&apos;ve just been removed from the session by %1<byte value="xd"/>
Reason: %2</source>
        <translation>%1 acaba de expulsarlo de la sesión<byte value="xd"/>
Motivo: %2</translation>
    </message>
    <message>
        <source>Your session was terminated by an administrator<byte value="xd"/>
with the following message:<byte value="xd"/>
</source>
        <translation>Un administrador finalizó su sesión<byte value="xd"/>
con el siguiente mensaje:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>orv::TModerationModule</name>
    <message>
        <source>Give this participant a microphone</source>
        <translation>Darle un micrófono a este participante</translation>
    </message>
    <message>
        <source>Allow this participant to use the public boards</source>
        <translation>Permitir que este participante use las pizarras públicas</translation>
    </message>
    <message>
        <source>Deprive the microphone</source>
        <translation>Retirar el micrófono</translation>
    </message>
    <message>
        <source>Deprive the public boards</source>
        <translation>Retirar el acceso a las pizarras públicas</translation>
    </message>
    <message>
        <source>Remove the participant from the session</source>
        <translation>Expulsar al participante de la sesión</translation>
    </message>
    <message>
        <source>Promote to Moderator</source>
        <translation>Convertir en moderador</translation>
    </message>
    <message>
        <source>Clear Motions</source>
        <translation>Borrar señales</translation>
    </message>
    <message>
        <source>Clear all motions and user requests</source>
        <translation>Borrar todas las señales y solicitudes de los usuarios</translation>
    </message>
    <message>
        <source>Raise / Lower Hand</source>
        <translation>Levantar / bajar la mano</translation>
    </message>
    <message>
        <source>Toggle Smile On/Off</source>
        <translation>Activar/desactivar la sonrisa</translation>
    </message>
    <message>
        <source>Clap Hands</source>
        <translation>Aplaudir</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Give a Positive Answer (Yes)</source>
        <translation>Dar una respuesta positiva (Sí)</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Give a Negative Answer (No)</source>
        <translation>Dar una respuesta negativa (No)</translation>
    </message>
    <message>
        <source>Request a microphone</source>
        <translation>Solicitar un micrófono</translation>
    </message>
    <message>
        <source>Request a web camera</source>
        <translation>Solicitar una cámara web</translation>
    </message>
    <message>
        <source>I want to speak...</source>
        <translation>Quiero hablar...</translation>
    </message>
    <message>
        <source>I want to use the board...</source>
        <translation>Quiero usar la pizarra...</translation>
    </message>
    <message>
        <source>Can you repeat this again ?</source>
        <translation>¿Puede repetir eso?</translation>
    </message>
    <message>
        <source>Another thing...</source>
        <translation>Otra cosa...</translation>
    </message>
    <message>
        <source>Demote to Participant</source>
        <translation>Convertir en participante</translation>
    </message>
</context>
<context>
    <name>orv::TOrvaneUserCanvas</name>
    <message>
        <source>The user is requesting a microphone</source>
        <translation>El usuario está solicitando un micrófono</translation>
    </message>
    <message>
        <source>The user is allowed to speak</source>
        <translation>El usuario tiene permiso para hablar</translation>
    </message>
    <message>
        <source>The user&apos;s microphone is forbidden.</source>
        <translation>El micrófono del usuario está prohibido.</translation>
    </message>
    <message>
        <source>The user is currently speaking</source>
        <translation>El usuario está hablando en este momento</translation>
    </message>
    <message>
        <source>The user is requesting to start his/her webcam</source>
        <translation>El usuario está solicitando encender su cámara web</translation>
    </message>
    <message>
        <source>The user is given a webcam access</source>
        <translation>El usuario recibió acceso a la cámara web</translation>
    </message>
    <message>
        <source>The user&apos;s webcam is forbidden</source>
        <translation>La cámara web del usuario está prohibida</translation>
    </message>
    <message>
        <source>The user is broadcasting video</source>
        <translation>El usuario está transmitiendo video</translation>
    </message>
    <message>
        <source>More Options</source>
        <translation>Más opciones</translation>
    </message>
    <message>
        <source>Away - </source>
        <translation>Ausente - </translation>
    </message>
    <message>
        <source>(In Audio Test) - </source>
        <translation>(En prueba de audio) - </translation>
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
        <translation>Prueba de audio</translation>
    </message>
    <message>
        <source>ONLINE</source>
        <translation>EN LÍNEA</translation>
    </message>
    <message>
        <source>hand %1</source>
        <translation>mano %1</translation>
    </message>
    <message>
        <source>hand raised</source>
        <translation>mano levantada</translation>
    </message>
</context>
<context>
    <name>orv::TPersonalInfo</name>
    <message>
        <source>Age: </source>
        <translation>Edad: </translation>
    </message>
    <message>
        <source> yrs</source>
        <translation> años</translation>
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
        <translation>¡El nombre es obligatorio!</translation>
    </message>
    <message>
        <source>Last Name is required !</source>
        <translation>¡El apellido es obligatorio!</translation>
    </message>
    <message>
        <source>eMail Address is required !</source>
        <translation>¡La dirección de correo electrónico es obligatoria!</translation>
    </message>
    <message>
        <source>Your profile could not be sent: there is no connection to the server. Please try again once the connection is back.</source>
        <translation>No se pudo enviar su perfil: no hay conexión con el servidor. Vuelva a intentarlo cuando se restablezca la conexión.</translation>
    </message>
    <message>
        <source>Updates were sent to server. They will be applied next time you log into.</source>
        <translation>Los cambios se enviaron al servidor. Se aplicarán la próxima vez que inicie sesión.</translation>
    </message>
    <message>
        <source>The image could not be read.</source>
        <translation>No se pudo leer la imagen.</translation>
    </message>
    <message>
        <source>The image you have selected is too large. Your personal image must not exceed 50 KB.</source>
        <translation>La imagen seleccionada es demasiado grande. Su foto personal no debe superar los 50 KB.</translation>
    </message>
    <message>
        <source>The file is not a JPEG picture: %1</source>
        <translation>El archivo no es una imagen JPEG: %1</translation>
    </message>
</context>
<context>
    <name>orv::TPlaybackModule</name>
    <message>
        <source>The file cannot be located.</source>
        <translation>No se encuentra el archivo.</translation>
    </message>
    <message>
        <source>Unable to play the resource. Please try again later.</source>
        <translation>No se pudo reproducir el recurso. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Init whiteboards...</source>
        <translation>Preparando las pizarras...</translation>
    </message>
    <message>
        <source>Starting communication services...</source>
        <translation>Iniciando los servicios de comunicación...</translation>
    </message>
    <message>
        <source>Playback mode</source>
        <translation>Modo de reproducción</translation>
    </message>
    <message>
        <source> Server: Local</source>
        <translation> Servidor: local</translation>
    </message>
    <message>
        <source> Room: Not selected</source>
        <translation> Sala: no seleccionada</translation>
    </message>
    <message>
        <source>The specified URL cannot be accessed.<byte value="xd"/>
This recorded session may no longer be available.</source>
        <translation>No se puede acceder a la URL especificada.<byte value="xd"/>
Es posible que esta sesión grabada ya no esté disponible.</translation>
    </message>
    <message>
        <source>There are no recorded sessions available at the moment.</source>
        <translation>No hay sesiones grabadas disponibles en este momento.</translation>
    </message>
    <message>
        <source>Playback is temporary disabled on the server. Please try again in some time.</source>
        <translation>La reproducción está desactivada temporalmente en el servidor. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>This feature is temporary unavailable.</source>
        <translation>Esta función no está disponible temporalmente.</translation>
    </message>
    <message>
        <source>Unable to open the recorded session. This session may be temporary unavailable.</source>
        <translation>No se pudo abrir la sesión grabada. Es posible que esta sesión no esté disponible temporalmente.</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>¿Desea salir?</translation>
    </message>
</context>
<context>
    <name>orv::TPlaybackShell</name>
    <message>
        <source> Session Recording</source>
        <translation> Grabación de la sesión</translation>
    </message>
</context>
<context>
    <name>orv::TPlayerStatus</name>
    <message>
        <source>Orvane Live Player - Downloaded</source>
        <translation>Orvane Live Player - Descarga completa</translation>
    </message>
    <message>
        <source>Orvane Live Player - Downloading %1 KB of %2 KB</source>
        <translation>Orvane Live Player - Descargando %1 KB de %2 KB</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>DETENIDO</translation>
    </message>
    <message>
        <source>PLAYING</source>
        <translation>REPRODUCIENDO</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>EN PAUSA</translation>
    </message>
    <message>
        <source>Buffering</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>FAST MODE</source>
        <translation>MODO RÁPIDO</translation>
    </message>
    <message>
        <source>Orvane Live Player - Stopping...</source>
        <translation>Orvane Live Player - Deteniendo...</translation>
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
        <translation>&lt;Sin respuesta&gt;</translation>
    </message>
    <message>
        <source>&lt;Unknown Answer %1&gt;</source>
        <translation>&lt;Respuesta desconocida %1&gt;</translation>
    </message>
    <message>
        <source>The existing file could not be kept as %1.</source>
        <translation>No se pudo conservar el archivo existente como %1.</translation>
    </message>
    <message>
        <source>%1 (%2 or %3 users)</source>
        <translation>%1 (%2 o %3 usuarios)</translation>
    </message>
</context>
<context>
    <name>orv::TPollToolBox</name>
    <message>
        <source>Create a New Poll</source>
        <translation>Crear una encuesta nueva</translation>
    </message>
    <message>
        <source>Show the latest poll results...</source>
        <translation>Mostrar los resultados de la última encuesta...</translation>
    </message>
</context>
<context>
    <name>orv::TPolls</name>
    <message>
        <source>This poll could not be found. Try to create the poll again.</source>
        <translation>No se encontró esta encuesta. Intente crearla de nuevo.</translation>
    </message>
    <message>
        <source>You are about to send the poll:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Press OK to continue or Cancel.</source>
        <translation>Está a punto de enviar la encuesta:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Haga clic en Aceptar para continuar o en Cancelar.</translation>
    </message>
    <message>
        <source>New poll: %1</source>
        <translation>Nueva encuesta: %1</translation>
    </message>
</context>
<context>
    <name>orv::TPollsModule</name>
    <message>
        <source>Polling</source>
        <translation>Encuestas</translation>
    </message>
    <message>
        <source>Check Users&apos; Connectivity</source>
        <translation>Comprobar la conexión de los usuarios</translation>
    </message>
    <message>
        <source>Wake up Users</source>
        <translation>Despertar a los usuarios</translation>
    </message>
    <message>
        <source>Create a New Online Poll</source>
        <translation>Crear una encuesta en línea nueva</translation>
    </message>
</context>
<context>
    <name>orv::TPresentationExport</name>
    <message>
        <source>Unable to prepare temporary presentation folder.</source>
        <translation>No se pudo preparar la carpeta temporal de la presentación.</translation>
    </message>
    <message>
        <source>Unable to connect to LibreOffice.<byte value="xd"/>
Please make sure you have LibreOffice installed on your computer.</source>
        <translation>No se pudo conectar con LibreOffice.<byte value="xd"/>
Asegúrese de que LibreOffice esté instalado en su computadora.</translation>
    </message>
    <message>
        <source>Unable to open the presentation file.<byte value="xd"/>
Please make sure the file is not corrupted or locked.</source>
        <translation>No se pudo abrir el archivo de la presentación.<byte value="xd"/>
Asegúrese de que el archivo no esté dañado ni bloqueado.</translation>
    </message>
</context>
<context>
    <name>orv::TPresentationsPage</name>
    <message>
        <source>PowerPoint Files</source>
        <translation>Archivos de PowerPoint</translation>
    </message>
    <message>
        <source>PowerPoint Library</source>
        <translation>Biblioteca de PowerPoint</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Reload the PowerPoint library</source>
        <translation>Recargar la biblioteca de PowerPoint</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Upload a PowerPoint presentation</source>
        <translation>Subir una presentación de PowerPoint</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete selected presentation</source>
        <translation>Eliminar la presentación seleccionada</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Start a PowerPoint presentation</source>
        <translation>Iniciar una presentación de PowerPoint</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Presentación</translation>
    </message>
    <message>
        <source>Slides</source>
        <translation>Diapositivas</translation>
    </message>
    <message>
        <source>Uploaded by</source>
        <translation>Subido por</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Fecha/hora</translation>
    </message>
</context>
<context>
    <name>orv::TPreviewPane</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>orv::TProfileCardWindow</name>
    <message>
        <source>Upload Image</source>
        <translation>Subir imagen</translation>
    </message>
    <message>
        <source>Participant&apos;s profile</source>
        <translation>Perfil del participante</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Organization / Profession:</source>
        <translation>Organización / profesión:</translation>
    </message>
    <message>
        <source>Languages:</source>
        <translation>Idiomas:</translation>
    </message>
    <message>
        <source>Gender:</source>
        <translation>Género:</translation>
    </message>
    <message>
        <source>eMail:</source>
        <translation>Correo electrónico:</translation>
    </message>
    <message>
        <source>Change / Upload Personal Image</source>
        <translation>Cambiar / subir foto personal</translation>
    </message>
    <message>
        <source>JPEG Image File (*.jpg);;JPEG Image File (*.jpeg)</source>
        <translation>Archivo de imagen JPEG (*.jpg);;Archivo de imagen JPEG (*.jpeg)</translation>
    </message>
</context>
<context>
    <name>orv::TRecorderControl</name>
    <message>
        <source>Start Session Recording</source>
        <translation>Iniciar la grabación de la sesión</translation>
    </message>
    <message>
        <source>Pause Session Recording</source>
        <translation>Pausar la grabación de la sesión</translation>
    </message>
    <message>
        <source>Stop Session Recording</source>
        <translation>Detener la grabación de la sesión</translation>
    </message>
    <message>
        <source>Recorder Settings</source>
        <translation>Configuración del grabador</translation>
    </message>
    <message>
        <source>Session recorder is now running. The session is being recorded!</source>
        <translation>El grabador de sesiones está en ejecución. ¡La sesión se está grabando!</translation>
    </message>
    <message>
        <source>Session recorder is not started! %1</source>
        <translation>¡No se inició el grabador de sesiones! %1</translation>
    </message>
    <message>
        <source>Error description is: </source>
        <translation>Descripción del error: </translation>
    </message>
    <message>
        <source>Session recorder is now stopped.</source>
        <translation>Se detuvo el grabador de sesiones.</translation>
    </message>
</context>
<context>
    <name>orv::TRecordingExport</name>
    <message>
        <source>The file cannot be located.</source>
        <translation>No se encuentra el archivo.</translation>
    </message>
    <message>
        <source>Unable to play the resource. Please try again later.</source>
        <translation>No se puede reproducir el recurso. Inténtelo de nuevo más tarde.</translation>
    </message>
</context>
<context>
    <name>orv::TRecordingSettingsPage</name>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Recorded sessions</source>
        <translation>Sesiones grabadas</translation>
    </message>
    <message>
        <source>Recorded sessions folder:</source>
        <translation>Carpeta de sesiones grabadas:</translation>
    </message>
    <message>
        <source>Recorder user name:</source>
        <translation>Nombre de usuario del grabador:</translation>
    </message>
    <message>
        <source>Recorder password:</source>
        <translation>Contraseña del grabador:</translation>
    </message>
</context>
<context>
    <name>orv::TRemoteAudioControl</name>
    <message>
        <source>Retrieving...</source>
        <translation>Obteniendo...</translation>
    </message>
    <message>
        <source>Unable to retrieve remote settings.</source>
        <translation>No se pudo obtener la configuración remota.</translation>
    </message>
    <message>
        <source>Operational</source>
        <translation>En funcionamiento</translation>
    </message>
    <message>
        <source>Non-Functional</source>
        <translation>Sin funcionar</translation>
    </message>
</context>
<context>
    <name>orv::TResourceLibrary</name>
    <message>
        <source>You don&apos;t have permission to delete public resources</source>
        <translation>No tiene permiso para eliminar recursos públicos</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this public resource</source>
        <translation>¿Está seguro de que desea eliminar este recurso público?</translation>
    </message>
    <message>
        <source>Unable to delete resource. It may be currently in use or does not exist any more on the server.</source>
        <translation>No se pudo eliminar el recurso. Es posible que esté en uso o que ya no exista en el servidor.</translation>
    </message>
    <message>
        <source>You can&apos;t load this resource on a public board until you lock it.<byte value="xd"/>
Use the Lock Board button on top to ensure access over the white board.</source>
        <translation>No puede cargar este recurso en una pizarra pública hasta que la bloquee.<byte value="xd"/>
Use el botón Bloquear pizarra de la parte superior para tomar el control de la pizarra.</translation>
    </message>
</context>
<context>
    <name>orv::TRoomEntrySequence</name>
    <message>
        <source>Account validated...</source>
        <translation>Cuenta validada...</translation>
    </message>
    <message>
        <source> Room %1: %2</source>
        <translation> Sala %1: %2</translation>
    </message>
    <message>
        <source>Loading whiteboards... Please wait...</source>
        <translation>Cargando las pizarras... Espere...</translation>
    </message>
    <message>
        <source>Getting participants...</source>
        <translation>Obteniendo los participantes...</translation>
    </message>
    <message>
        <source>Getting Virtual Room Info...</source>
        <translation>Obteniendo la información de la sala virtual...</translation>
    </message>
    <message>
        <source>Starting audio services...</source>
        <translation>Iniciando los servicios de audio...</translation>
    </message>
</context>
<context>
    <name>orv::TScreenAreaWindow</name>
    <message>
        <source>Capture Screen Area</source>
        <translation>Capturar área de la pantalla</translation>
    </message>
    <message>
        <source>Drag a rectangle to capture; Escape cancels</source>
        <translation>Arrastre un rectángulo para capturar; Esc cancela</translation>
    </message>
</context>
<context>
    <name>orv::TSessionNotes</name>
    <message>
        <source>Send a private note to this participant</source>
        <translation>Enviar una nota privada a este participante</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Send a session note to everybody</source>
        <translation>Enviar una nota de sesión a todos</translation>
    </message>
    <message>
        <source>Session Note</source>
        <translation>Nota de sesión</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this item from the list?</source>
        <translation>¿Está seguro de que desea quitar este elemento de la lista?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all the items?</source>
        <translation>¿Está seguro de que desea borrar todos los elementos?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear your local list?</source>
        <translation>¿Está seguro de que desea borrar su lista local?</translation>
    </message>
    <message>
        <source>All Attendees in the room</source>
        <translation>Todos los participantes de la sala</translation>
    </message>
    <message>
        <source>The notes could not be saved to %1:
%2</source>
        <translation>No se pudieron guardar las notas en %1:
%2</translation>
    </message>
    <message>
        <source>the older copy %1 could not be removed</source>
        <translation>no se pudo quitar la copia anterior %1</translation>
    </message>
    <message>
        <source>the existing file could not be kept as %1</source>
        <translation>no se pudo conservar el archivo existente como %1</translation>
    </message>
</context>
<context>
    <name>orv::TSharePicture</name>
    <message>
        <source>Shared screen</source>
        <translation>Pantalla compartida</translation>
    </message>
</context>
<context>
    <name>orv::TSharingSettingsPage</name>
    <message>
        <source>Refresh rate:</source>
        <translation>Frecuencia de actualización:</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Colores:</translation>
    </message>
</context>
<context>
    <name>orv::TShellServices</name>
    <message>
        <source>This address could not be opened here. You can open it in your web browser:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Esta dirección no se puede abrir aquí. Puede abrirla en su navegador web:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>orv::TSignInModule</name>
    <message>
        <source>Recorded sessions cannot be played by this version of Orvane Live Browser.</source>
        <translation>Esta versión de Orvane Live Browser no puede reproducir sesiones grabadas.</translation>
    </message>
    <message>
        <source>The connection to the server was lost before a room was entered.<byte value="xd"/>
Orvane Live Browser will now close. Please sign in again later.</source>
        <translation>Se perdió la conexión con el servidor antes de entrar en una sala.<byte value="xd"/>
Orvane Live Browser se cerrará. Vuelva a iniciar sesión más tarde.</translation>
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
        <translation>Conectando a través del proxy...</translation>
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
        <translation>Descarga completa. Iniciando la nueva versión.</translation>
    </message>
    <message>
        <source>Download complete!<byte value="xd"/>
Press the OK button to continue. Follow the instructions to install the new version!</source>
        <translation>¡Descarga completa!<byte value="xd"/>
Haga clic en el botón Aceptar para continuar. ¡Siga las instrucciones para instalar la nueva versión!</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Buscando actualizaciones...</translation>
    </message>
    <message>
        <source>New version available.</source>
        <translation>Hay una nueva versión disponible.</translation>
    </message>
    <message>
        <source>A new Orvane Live Browser version is available. <byte value="xd"/>
Your version of Orvane Live Browser will be updated with a new one.<byte value="xd"/>
On slow internet connections it may take several minutes.<byte value="xd"/>
Press the OK button to continue.</source>
        <translation>Hay una nueva versión de Orvane Live Browser disponible. <byte value="xd"/>
Su versión de Orvane Live Browser se reemplazará por la nueva.<byte value="xd"/>
En conexiones a Internet lentas puede tardar varios minutos.<byte value="xd"/>
Haga clic en el botón Aceptar para continuar.</translation>
    </message>
    <message>
        <source>Getting version updates. Please wait...</source>
        <translation>Descargando la actualización. Espere...</translation>
    </message>
    <message>
        <source>Validating user info...</source>
        <translation>Validando los datos del usuario...</translation>
    </message>
    <message>
        <source>Trying to connect to remote server...</source>
        <translation>Intentando conectarse con el servidor remoto...</translation>
    </message>
    <message>
        <source><byte value="xd"/>
To configure the Proxy settings press the Yes button. To try again later press the No button.</source>
        <translation><byte value="xd"/>
Para configurar el proxy, haga clic en el botón Sí. Para volver a intentarlo más tarde, haga clic en el botón No.</translation>
    </message>
    <message>
        <source>Orvane Live will now close. The setting will take effect the next time you try to sign in.</source>
        <translation>Orvane Live se cerrará. La configuración se aplicará la próxima vez que inicie sesión.</translation>
    </message>
    <message>
        <source>User account validated.</source>
        <translation>Cuenta de usuario validada.</translation>
    </message>
    <message>
        <source>Getting startup information.</source>
        <translation>Obteniendo la información inicial.</translation>
    </message>
    <message>
        <source>Init whiteboards...</source>
        <translation>Preparando las pizarras...</translation>
    </message>
    <message>
        <source>Starting communication services...</source>
        <translation>Iniciando los servicios de comunicación...</translation>
    </message>
    <message>
        <source>%1 in a virtual session</source>
        <translation>%1 en una sesión virtual</translation>
    </message>
    <message>
        <source> Server: %1:%2</source>
        <translation> Servidor: %1:%2</translation>
    </message>
    <message>
        <source> Room: Not selected</source>
        <translation> Sala: no seleccionada</translation>
    </message>
    <message>
        <source>Loading Virtual Rooms...</source>
        <translation>Cargando las salas virtuales...</translation>
    </message>
    <message>
        <source>Validating...</source>
        <translation>Validando...</translation>
    </message>
    <message>
        <source>Unable to load the virtual rooms. There are no virtual rooms available at the moment.<byte value="xd"/>
Please contact your host organization for details on how to sign in.</source>
        <translation>No se pudieron cargar las salas virtuales. No hay salas virtuales disponibles en este momento.<byte value="xd"/>
Comuníquese con la organización anfitriona para saber cómo iniciar sesión.</translation>
    </message>
    <message>
        <source>Virtual rooms loaded.</source>
        <translation>Salas virtuales cargadas.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>No disponible</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Vencida</translation>
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
        <translation>No se pudo descargar la nueva versión desde el servidor. <byte value="xd"/>
Comuníquese con el administrador del servidor para obtener asistencia.<byte value="xd"/>
También puede descargar Orvane Live Browser desde el sitio web oficial de Orvane</translation>
    </message>
    <message>
        <source> Server %1:%2 %3</source>
        <translation> Servidor %1:%2 %3</translation>
    </message>
    <message>
        <source>The server %1:%2 does not offer an encrypted connection, and the settings for this server require one.</source>
        <translation>El servidor %1:%2 no ofrece una conexión cifrada, y la configuración de este servidor la exige.</translation>
    </message>
    <message>
        <source>The server %1:%2 has no certificate that could be accepted.</source>
        <translation>El servidor %1:%2 no tiene un certificado que se pueda aceptar.</translation>
    </message>
</context>
<context>
    <name>orv::TSlideControlsPane</name>
    <message>
        <source>Move to the first slide</source>
        <translation>Ir a la primera diapositiva</translation>
    </message>
    <message>
        <source>Move back to the previous slide</source>
        <translation>Volver a la diapositiva anterior</translation>
    </message>
    <message>
        <source>Jump to a slide</source>
        <translation>Ir a una diapositiva</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Diapositiva</translation>
    </message>
    <message>
        <source>Move to the next slide</source>
        <translation>Ir a la siguiente diapositiva</translation>
    </message>
    <message>
        <source>Move to the last slide</source>
        <translation>Ir a la última diapositiva</translation>
    </message>
    <message>
        <source>Reload the current slide</source>
        <translation>Recargar la diapositiva actual</translation>
    </message>
</context>
<context>
    <name>orv::TSlideNavigation</name>
    <message>
        <source>You can&apos;t load this resource on a public board until you lock it.<byte value="xd"/>
Use the Lock Board button on top to ensure access over the white board.</source>
        <translation>No puede cargar este recurso en una pizarra pública hasta que la bloquee.<byte value="xd"/>
Use el botón Bloquear pizarra de la parte superior para tomar el control de la pizarra.</translation>
    </message>
    <message>
        <source>You must be a session moderator to launch a PPT slide on a public board.<byte value="xd"/>
You can still open the slide but on your personal private board.<byte value="xd"/>
Do you want to open the slide on your private board?</source>
        <translation>Debe ser moderador de la sesión para mostrar una diapositiva de PowerPoint en una pizarra pública.<byte value="xd"/>
Aún puede abrir la diapositiva, pero en su pizarra privada.<byte value="xd"/>
¿Desea abrir la diapositiva en su pizarra privada?</translation>
    </message>
</context>
<context>
    <name>orv::TSlidesModule</name>
    <message>
        <source>Upload a Presentation</source>
        <translation>Subir una presentación</translation>
    </message>
</context>
<context>
    <name>orv::TTalkProtocol</name>
    <message>
        <source>No more free microphones. Please wait for a microphone and try later.</source>
        <translation>No quedan micrófonos libres. Espere a que haya un micrófono e inténtelo más tarde.</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>No more free microphones. Please wait for a microphone and try again later.</source>
        <translation>No quedan micrófonos libres. Espere a que haya un micrófono y vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>You are a moderator and you can add more microphones in this session by visiting File -&gt; Settings -&gt; Audio Compression.</source>
        <translation>Usted es moderador y puede agregar más micrófonos en esta sesión desde Archivo -&gt; Configuración -&gt; Compresión de audio.</translation>
    </message>
</context>
<context>
    <name>orv::TTextEditControl</name>
    <message>
        <source>Text on the board</source>
        <translation>Texto en la pizarra</translation>
    </message>
</context>
<context>
    <name>orv::TVideoFileWriter</name>
    <message>
        <source>%1 video, %2 sound</source>
        <translation>video %1, sonido %2</translation>
    </message>
    <message>
        <source>Choose a file name ending in .webm or .mp4.</source>
        <translation>Elija un nombre de archivo que termine en .webm o .mp4.</translation>
    </message>
    <message>
        <source>The video size must be at least 16 x 16 with even numbers.</source>
        <translation>El tamaño del video debe ser de al menos 16 x 16, con números pares.</translation>
    </message>
    <message>
        <source>This system has no H.264 encoder for MP4 files. Export to a .webm file instead.</source>
        <translation>Este sistema no tiene codificador H.264 para archivos MP4. Exporte a un archivo .webm.</translation>
    </message>
    <message>
        <source>This system has neither a VP9 nor a VP8 encoder.</source>
        <translation>Este sistema no tiene codificador VP9 ni VP8.</translation>
    </message>
    <message>
        <source>This system has no AAC encoder for MP4 files. Export to a .webm file instead.</source>
        <translation>Este sistema no tiene codificador AAC para archivos MP4. Exporte a un archivo .webm.</translation>
    </message>
    <message>
        <source>This system has no Opus encoder.</source>
        <translation>Este sistema no tiene codificador Opus.</translation>
    </message>
    <message>
        <source>The video container cannot be prepared.</source>
        <translation>No se puede preparar el contenedor de video.</translation>
    </message>
    <message>
        <source>The video encoder %1 cannot start: %2</source>
        <translation>No se puede iniciar el codificador de video %1: %2</translation>
    </message>
    <message>
        <source>The audio encoder %1 cannot start: %2</source>
        <translation>No se puede iniciar el codificador de audio %1: %2</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>The sound or the pictures cannot be converted.</source>
        <translation>No se pueden convertir el sonido o las imágenes.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>The video cannot be encoded: %1</source>
        <translation>No se puede codificar el video: %1</translation>
    </message>
    <message>
        <source>The sound cannot be encoded: %1</source>
        <translation>No se puede codificar el sonido: %1</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
</context>
<context>
    <name>orv::TVideoSettingsPage</name>
    <message>
        <source>Capture driver:</source>
        <translation>Controlador de captura:</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Fotogramas por segundo:</translation>
    </message>
    <message>
        <source>Picture size:</source>
        <translation>Tamaño de la imagen:</translation>
    </message>
    <message>
        <source>Key frame every:</source>
        <translation>Fotograma clave cada:</translation>
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
        <translation>Hablar</translation>
    </message>
    <message>
        <source>Speak (F3)</source>
        <translation>Hablar (F3)</translation>
    </message>
    <message>
        <source>Audio error %1</source>
        <translation>Error de audio %1</translation>
    </message>
    <message>
        <source>Error description is: </source>
        <translation>Descripción del error: </translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The audio connection was re-established.</source>
        <translation>Se restableció la conexión de audio.</translation>
    </message>
    <message>
        <source>Orvane is unable to restore your audio. Do you want to try to reconnect to the session?</source>
        <translation>Orvane no pudo restablecer su audio. ¿Desea intentar volver a conectarse a la sesión?</translation>
    </message>
    <message>
        <source>Orvane is unable to restore your audio.</source>
        <translation>Orvane no pudo restablecer su audio.</translation>
    </message>
    <message>
        <source>Your connection to the server was lost.</source>
        <translation>Se perdió su conexión con el servidor.</translation>
    </message>
    <message>
        <source>This may be because you have temporarily lost your Internet connection. </source>
        <translation>Es posible que haya perdido temporalmente su conexión a Internet. </translation>
    </message>
    <message>
        <source>Do you want to try to reconnect to the session?</source>
        <translation>¿Desea intentar volver a conectarse a la sesión?</translation>
    </message>
    <message>
        <source>This may be because you have temporaryly lost your Internet connection. </source>
        <translation>Es posible que haya perdido temporalmente su conexión a Internet. </translation>
    </message>
    <message>
        <source>Please wait for a few seconds and try again. </source>
        <translation>Espere unos segundos y vuelva a intentarlo. </translation>
    </message>
    <message>
        <source>Boosting your microphone may cause increasing of background noises and echoing.</source>
        <translation>Amplificar el micrófono puede aumentar el ruido de fondo y el eco.</translation>
    </message>
    <message>
        <source>Adjusted your microphone boost level.</source>
        <translation>Se ajustó el nivel de amplificación de su micrófono.</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>The moderator forced an audio setting change. Orvane will now try to reestablish your audio connection. </source>
        <translation>El moderador forzó un cambio en la configuración de audio. Orvane intentará restablecer su conexión de audio. </translation>
    </message>
    <message>
        <source>Audio Setup Wizard</source>
        <translation>Asistente de configuración de audio</translation>
    </message>
    <message>
        <source>Audio Wiz</source>
        <translation>Asistente de audio</translation>
    </message>
    <message>
        <source>Remote Audio Control</source>
        <translation>Control remoto de audio</translation>
    </message>
    <message>
        <source>Run the Audio Setup Wizard</source>
        <translation>Ejecutar el Asistente de configuración de audio</translation>
    </message>
    <message>
        <source>Orvane will now run the Audio Wizard. <byte value="xd"/>
This Wizard will help you to adjust your volume settings.</source>
        <translation>Orvane ejecutará el Asistente de audio. <byte value="xd"/>
Este asistente le ayudará a ajustar el volumen.</translation>
    </message>
    <message>
        <source>Unable to launch the Audio Setup Wizard.</source>
        <translation>No se pudo abrir el Asistente de configuración de audio.</translation>
    </message>
    <message>
        <source>Orvane can&apos;t update the audio compressor while a recording is in progress.<byte value="xd"/>
Please stop the recorder and try again.</source>
        <translation>Orvane no puede cambiar el compresor de audio mientras hay una grabación en curso.<byte value="xd"/>
Detenga el grabador y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The server did not change the audio compressor.</source>
        <translation>El servidor no cambió el compresor de audio.</translation>
    </message>
    <message>
        <source>Waiting for a microphone...</source>
        <translation>Esperando un micrófono...</translation>
    </message>
    <message>
        <source>On the air, muted</source>
        <translation>Al aire, silenciado</translation>
    </message>
    <message>
        <source>On the air</source>
        <translation>Al aire</translation>
    </message>
    <message>
        <source>Not speaking</source>
        <translation>Sin hablar</translation>
    </message>
    <message>
        <source>No microphone given to you</source>
        <translation>No se le concedió ningún micrófono</translation>
    </message>
    <message>
        <source>Mute Microphone</source>
        <translation>Silenciar micrófono</translation>
    </message>
    <message>
        <source>Sound Settings...</source>
        <translation>Configuración de sonido...</translation>
    </message>
    <message>
        <source>Silences your microphone; you keep the floor</source>
        <translation>Silencia su micrófono; usted conserva la palabra</translation>
    </message>
    <message>
        <source>Opens the desktop&apos;s sound settings: devices and their levels</source>
        <translation>Abre la configuración de sonido del escritorio: dispositivos y sus niveles</translation>
    </message>
    <message>
        <source>No sound settings program was found on this desktop.
Install &quot;pavucontrol&quot; or your desktop&apos;s sound settings to adjust the audio devices and their levels.</source>
        <translation>No se encontró ningún programa de configuración de sonido en este escritorio.
Instale &quot;pavucontrol&quot; o la configuración de sonido de su escritorio para ajustar los dispositivos de audio y sus niveles.</translation>
    </message>
    <message>
        <source>The sound settings could not be started: %1</source>
        <translation>No se pudo abrir la configuración de sonido: %1</translation>
    </message>
</context>
<context>
    <name>orv::TVoiceSettingsPage</name>
    <message>
        <source>Participants who may speak at once:</source>
        <translation>Participantes que pueden hablar a la vez:</translation>
    </message>
    <message>
        <source>Audio compressor:</source>
        <translation>Compresor de audio:</translation>
    </message>
</context>
<context>
    <name>orv::TWebLinks</name>
    <message>
        <source>You don&apos;t have permission to delete public resources.</source>
        <translation>No tiene permiso para eliminar recursos públicos.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this public resource</source>
        <translation>¿Está seguro de que desea eliminar este recurso público?</translation>
    </message>
    <message>
        <source>Error occured while uploading resource! Please try again.</source>
        <translation>Se produjo un error al subir el recurso. Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Unable to delete resource. It may be currently in use or does not exist any more on the server.</source>
        <translation>No se pudo eliminar el recurso. Es posible que esté en uso o que ya no exista en el servidor.</translation>
    </message>
</context>
<context>
    <name>orv::TWebTour</name>
    <message>
        <source>You are trying to post data to the website. Orvane allows posting data to websites but students&apos; browsers may not be synchronized after that!</source>
        <translation>Está intentando enviar datos al sitio web. Orvane permite enviar datos a sitios web, pero es posible que los navegadores de los alumnos dejen de estar sincronizados después.</translation>
    </message>
    <message>
        <source>This web site tried to open a popup window.<byte value="xd"/>
Orvane Live does not allow pop-up windows in a guided web tour for security reasons.</source>
        <translation>Este sitio web intentó abrir una ventana emergente.<byte value="xd"/>
Por seguridad, Orvane Live no permite ventanas emergentes en un recorrido web guiado.</translation>
    </message>
</context>
<context>
    <name>orv::TWebTourModule</name>
    <message>
        <source>Web Links</source>
        <translation>Enlaces web</translation>
    </message>
    <message>
        <source>File Viewer</source>
        <translation>Visor de archivos</translation>
    </message>
    <message>
        <source>Share any file or resource on the whiteboard</source>
        <translation>Compartir cualquier archivo o recurso en la pizarra</translation>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Connection Speed</source>
        <translation>Velocidad de conexión</translation>
    </message>
    <message>
        <source>Change Theme</source>
        <translation>Cambiar el tema</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
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
        <translation>Salir de la sesión actual</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>A&amp;udio</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Configuración de audio</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Help and Support</source>
        <translation>Ayuda y soporte técnico</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>White Board View</source>
        <translation>Vista de pizarra</translation>
    </message>
    <message>
        <source>Synchronized Web Browser</source>
        <translation>Navegador web sincronizado</translation>
    </message>
    <message>
        <source>Application Sharing View</source>
        <translation>Vista del uso compartido de aplicaciones</translation>
    </message>
    <message>
        <source>Main view: choose the view everybody sees</source>
        <translation>Vista principal: elija la vista que ven todos</translation>
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
        <translation>Biblioteca de PowerPoint</translation>
    </message>
    <message>
        <source>Notes and Questions</source>
        <translation>Notas y preguntas</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Reconectar</translation>
    </message>
    <message>
        <source>Hands Up:</source>
        <translation>Manos levantadas:</translation>
    </message>
    <message>
        <source>YES:</source>
        <translation>SÍ:</translation>
    </message>
    <message>
        <source>NO:</source>
        <translation>NO:</translation>
    </message>
    <message>
        <source>Normal View</source>
        <translation>Vista normal</translation>
    </message>
    <message>
        <source>Do you want to exit current live session?</source>
        <translation>¿Desea salir de la sesión en vivo actual?</translation>
    </message>
    <message>
        <source>Reset Connection</source>
        <translation>Restablecer conexión</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop reconnecting automatically</source>
        <translation>Dejar de reconectar automáticamente</translation>
    </message>
    <message>
        <source>A&amp;ctions</source>
        <translation>A&amp;cciones</translation>
    </message>
    <message>
        <source>&amp;Resources</source>
        <translation>&amp;Recursos</translation>
    </message>
    <message>
        <source> Room: Not selected</source>
        <translation> Sala: no seleccionada</translation>
    </message>
    <message>
        <source>Export Recording as Video…</source>
        <translation>Exportar grabación como video…</translation>
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
        <translation>Audio</translation>
    </message>
</context>
<context>
    <name>orv::TfrmAbout</name>
    <message>
        <source>About Orvane Live</source>
        <translation>Acerca de Orvane Live</translation>
    </message>
    <message>
        <source>Version %1/%2</source>
        <translation>Versión %1/%2</translation>
    </message>
</context>
<context>
    <name>orv::TfrmAppShareToolsWindow</name>
    <message>
        <source>Application Sharing</source>
        <translation>Uso compartido de aplicaciones</translation>
    </message>
    <message>
        <source>You can share your entire desktop by selecting the &quot;Share Desktop&quot; option or you can share an individual window or an application by selecting the &quot;Share Window&quot; option. Please make your selection below and press the Start button.</source>
        <translation>Puede compartir todo su escritorio con la opción &quot;Compartir todo el escritorio&quot; o compartir una ventana o una aplicación con la opción &quot;Compartir una sola ventana / aplicación&quot;. Elija una opción a continuación y haga clic en Iniciar uso compartido.</translation>
    </message>
    <message>
        <source>Share Entire Desktop</source>
        <translation>Compartir todo el escritorio</translation>
    </message>
    <message>
        <source>Share a Single Window / Application</source>
        <translation>Compartir una sola ventana / aplicación</translation>
    </message>
    <message>
        <source>Application / Window</source>
        <translation>Aplicación / ventana</translation>
    </message>
    <message>
        <source>Start Sharing</source>
        <translation>Iniciar uso compartido</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Detener uso compartido</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Take a Snapshot</source>
        <translation>Tomar una captura</translation>
    </message>
</context>
<context>
    <name>orv::TfrmAppShareViewWindow</name>
    <message>
        <source>Application Sharing</source>
        <translation>Uso compartido de aplicaciones</translation>
    </message>
    <message>
        <source>Scaling Options</source>
        <translation>Opciones de escala</translation>
    </message>
    <message>
        <source>Show In Original Size</source>
        <translation>Mostrar en tamaño original</translation>
    </message>
    <message>
        <source>Fit In My Window</source>
        <translation>Ajustar a mi ventana</translation>
    </message>
    <message>
        <source>Hide This Toolbox</source>
        <translation>Ocultar este cuadro de herramientas</translation>
    </message>
</context>
<context>
    <name>orv::TfrmAudioWizard</name>
    <message>
        <source>Audio Setup Wizard</source>
        <translation>Asistente de configuración de audio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The Wizard could not find any playback device attached to your system. If you have a sound card please make sure it is properly installed.</source>
        <translation>El asistente no encontró ningún dispositivo de reproducción en su sistema. Si tiene una tarjeta de sonido, asegúrese de que esté instalada correctamente.</translation>
    </message>
    <message>
        <source>Choose the device that plays the sound and press &quot;Play&quot;: you should hear a voice. Adjust the speakers&apos; level until it sounds comfortable.</source>
        <translation>Elija el dispositivo que reproduce el sonido y haga clic en &quot;Reproducir&quot;: debería oír una voz. Ajuste el nivel de los altavoces hasta que suene cómodo.</translation>
    </message>
    <message>
        <source>Speakers Level Not Available</source>
        <translation>Nivel de los altavoces no disponible</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Audio is playing at the moment...</source>
        <translation>Se está reproduciendo el audio...</translation>
    </message>
    <message>
        <source>Playback device:</source>
        <translation>Dispositivo de reproducción:</translation>
    </message>
    <message>
        <source>Speakers:</source>
        <translation>Altavoces:</translation>
    </message>
    <message>
        <source>Advanced Playback Controls</source>
        <translation>Controles avanzados de reproducción</translation>
    </message>
    <message>
        <source>The wizard could not detect any audio input device attached.</source>
        <translation>El asistente no detectó ningún dispositivo de entrada de audio.</translation>
    </message>
    <message>
        <source>Choose your microphone, press &quot;Start&quot; and speak: you hear yourself as the others in the room would. Adjust the microphone&apos;s level until your voice sounds clear.</source>
        <translation>Elija su micrófono, haga clic en &quot;Iniciar&quot; y hable: se oirá como lo oirían los demás en la sala. Ajuste el nivel del micrófono hasta que su voz se oiga clara.</translation>
    </message>
    <message>
        <source>Microphone Level Not Available</source>
        <translation>Nivel del micrófono no disponible</translation>
    </message>
    <message>
        <source>Microphone Boost</source>
        <translation>Amplificación del micrófono</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Recording device:</source>
        <translation>Dispositivo de grabación:</translation>
    </message>
    <message>
        <source>Microphone:</source>
        <translation>Micrófono:</translation>
    </message>
    <message>
        <source>Microphone Test</source>
        <translation>Prueba del micrófono</translation>
    </message>
    <message>
        <source>Audio Playback Test</source>
        <translation>Prueba de reproducción de audio</translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt;&lt; Atrás</translation>
    </message>
    <message>
        <source>Microphone Boost is ON. It is recommended that you turn this setting OFF.</source>
        <translation>La amplificación del micrófono está ACTIVADA. Le recomendamos DESACTIVAR esta opción.</translation>
    </message>
    <message>
        <source>Your microphone is currently in &quot;boost&quot; mode. This may cause voice echo and increasing of backgound noise.We recommend that you turn the Microphone Boost off.<byte value="xd"/>
Do you want to turn the microphone boost off?</source>
        <translation>Su micrófono está en modo de &quot;amplificación&quot;. Esto puede causar eco en la voz y aumentar el ruido de fondo. Le recomendamos desactivar la amplificación del micrófono.<byte value="xd"/>
¿Desea desactivar la amplificación del micrófono?</translation>
    </message>
    <message>
        <source>Boosting your microphone will increase the microphone input level.<byte value="xd"/>
On most system however this causes feedback (echo) and increases the level of background noises.<byte value="xd"/>
We recommend that you boost your microphone only in case you can&apos;t adjust its volume with the volume slider.<byte value="xd"/>
<byte value="xd"/>
Do you want to boost the microphone?</source>
        <translation>Amplificar el micrófono aumenta su nivel de entrada.<byte value="xd"/>
Sin embargo, en la mayoría de los sistemas esto causa acoplamiento (eco) y aumenta el nivel del ruido de fondo.<byte value="xd"/>
Le recomendamos amplificar el micrófono solo si no puede ajustar su volumen con el control deslizante.<byte value="xd"/>
<byte value="xd"/>
¿Desea amplificar el micrófono?</translation>
    </message>
    <message>
        <source>The audio sample cannot be played with the selected playback device!<byte value="xd"/>
Please check if this is the playback device that you want to use and all its drivers are properly installed.</source>
        <translation>¡No se puede reproducir la muestra de audio con el dispositivo de reproducción seleccionado!<byte value="xd"/>
Compruebe que sea el dispositivo de reproducción que desea usar y que todos sus controladores estén instalados correctamente.</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Nivel del micrófono</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>Recording Controls</source>
        <translation>Controles de grabación</translation>
    </message>
</context>
<context>
    <name>orv::TfrmBoard</name>
    <message>
        <source>Nothing</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Draw a Straight Line</source>
        <translation>Dibujar una línea recta</translation>
    </message>
    <message>
        <source>Draw a Rectangle</source>
        <translation>Dibujar un rectángulo</translation>
    </message>
    <message>
        <source>Draw a Circle</source>
        <translation>Dibujar un círculo</translation>
    </message>
    <message>
        <source>Draw an oval</source>
        <translation>Dibujar una elipse</translation>
    </message>
    <message>
        <source>Handwriting Tool</source>
        <translation>Herramienta de escritura a mano</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Resaltador</translation>
    </message>
    <message>
        <source>Text Rectangle Tool</source>
        <translation>Herramienta de cuadro de texto</translation>
    </message>
    <message>
        <source>Single quandrant coordinate system</source>
        <translation>Sistema de coordenadas de un cuadrante</translation>
    </message>
    <message>
        <source>4 quandrant coordinate system</source>
        <translation>Sistema de coordenadas de cuatro cuadrantes</translation>
    </message>
    <message>
        <source>Fill area tool</source>
        <translation>Herramienta de relleno</translation>
    </message>
    <message>
        <source>Freehand Eraser Tool</source>
        <translation>Borrador a mano alzada</translation>
    </message>
    <message>
        <source>Rectangular Area Eraser Tool</source>
        <translation>Borrador de área rectangular</translation>
    </message>
    <message>
        <source>Green Check Mark</source>
        <translation>Marca de verificación verde</translation>
    </message>
    <message>
        <source>Red Check Mark</source>
        <translation>Marca de verificación roja</translation>
    </message>
    <message>
        <source>Smily Face</source>
        <translation>Carita sonriente</translation>
    </message>
    <message>
        <source>Blue Star</source>
        <translation>Estrella azul</translation>
    </message>
    <message>
        <source>Red X</source>
        <translation>X roja</translation>
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
        <translation>Diagonal hacia adelante</translation>
    </message>
    <message>
        <source>Backward diagonal</source>
        <translation>Diagonal hacia atrás</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cuadriculado</translation>
    </message>
    <message>
        <source>Diagonal cross</source>
        <translation>Diagonal cruzada</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Pizarra</translation>
    </message>
    <message>
        <source>Whiteboard</source>
        <translation>Pizarra</translation>
    </message>
    <message>
        <source>Clear Board</source>
        <translation>Borrar la pizarra</translation>
    </message>
    <message>
        <source>Public Board %1</source>
        <translation>Pizarra pública %1</translation>
    </message>
    <message>
        <source>Private Board</source>
        <translation>Pizarra privada</translation>
    </message>
    <message>
        <source>Save current image to local disk</source>
        <translation>Guardar la imagen actual en el disco local</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Mapas de bits (*.bmp)</translation>
    </message>
    <message>
        <source>The board could not be saved to %1.</source>
        <translation>No se pudo guardar la pizarra en %1.</translation>
    </message>
    <message>
        <source>Upload current image to server</source>
        <translation>Subir la imagen actual al servidor</translation>
    </message>
    <message>
        <source>Open a picture from file</source>
        <translation>Abrir una imagen desde un archivo</translation>
    </message>
    <message>
        <source>Export Board…</source>
        <translation>Exportar pizarra…</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Export All Boards…</source>
        <translation>Exportar todas las pizarras…</translation>
    </message>
    <message>
        <source>Select public / private board</source>
        <translation>Seleccionar pizarra pública / privada</translation>
    </message>
    <message>
        <source>Capture Desktop</source>
        <translation>Capturar el escritorio</translation>
    </message>
    <message>
        <source>Capture Window</source>
        <translation>Capturar una ventana</translation>
    </message>
    <message>
        <source>Capture Screen Area</source>
        <translation>Capturar área de la pantalla</translation>
    </message>
    <message>
        <source>Hide Orvane Window</source>
        <translation>Ocultar la ventana de Orvane</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Captura de pantalla</translation>
    </message>
    <message>
        <source>Take a screen shot and paste it on the white board</source>
        <translation>Capturar la pantalla y pegarla en la pizarra</translation>
    </message>
    <message>
        <source>Turn an invisible grid on/off for precise drawing</source>
        <translation>Activar/desactivar una cuadrícula invisible para dibujar con precisión</translation>
    </message>
    <message>
        <source>Right click on a public board to show the pointer</source>
        <translation>Haga clic con el botón derecho en una pizarra pública para mostrar el puntero</translation>
    </message>
    <message>
        <source>Left pointer</source>
        <translation>Puntero izquierdo</translation>
    </message>
    <message>
        <source>Right pointer</source>
        <translation>Puntero derecho</translation>
    </message>
    <message>
        <source>Mark Tool. Select a mark tool and click on the whiteboard to place a mark.</source>
        <translation>Herramienta de marcas. Seleccione una marca y haga clic en la pizarra para colocarla.</translation>
    </message>
    <message>
        <source>Mark Tool</source>
        <translation>Herramienta de marcas</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Line and pen width</source>
        <translation>Grosor de la línea y del lápiz</translation>
    </message>
    <message>
        <source>Line and pen color</source>
        <translation>Color de la línea y del lápiz</translation>
    </message>
    <message>
        <source> Filling</source>
        <translation> Relleno</translation>
    </message>
    <message>
        <source>Fill style for rectangles and circles</source>
        <translation>Estilo de relleno de rectángulos y círculos</translation>
    </message>
    <message>
        <source>Fill color for rectangles and circles</source>
        <translation>Color de relleno de rectángulos y círculos</translation>
    </message>
    <message>
        <source>Snap to %1px</source>
        <translation>Ajustar a %1 px</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.jpg *.jpeg *.png *.gif *.ico *.svg);;All files (*)</source>
        <translation>Imágenes (*.bmp *.jpg *.jpeg *.png *.gif *.ico *.svg);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Comment required</source>
        <translation>Comentario obligatorio</translation>
    </message>
    <message>
        <source>Enter a short comment for current image:</source>
        <translation>Escriba un breve comentario para la imagen actual:</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No board has anything on it to export.</source>
        <translation>Ninguna pizarra tiene contenido para exportar.</translation>
    </message>
    <message>
        <source>Screen capture is not available on this desktop.</source>
        <translation>La captura de pantalla no está disponible en este escritorio.</translation>
    </message>
    <message>
        <source>The screen cannot be captured: %1</source>
        <translation>No se puede capturar la pantalla: %1</translation>
    </message>
</context>
<context>
    <name>orv::TfrmBrowser</name>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>En blanco</translation>
    </message>
    <message>
        <source>Resources</source>
        <translation>Recursos</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Add this URL to the Web Links Library</source>
        <translation>Agregar esta URL a la biblioteca de enlaces web</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Página web</translation>
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
        <translation> le pide que abra el siguiente archivo:</translation>
    </message>
    <message>
        <source>Do you want to download and open this document?</source>
        <translation>¿Desea descargar y abrir este documento?</translation>
    </message>
</context>
<context>
    <name>orv::TfrmDocuments</name>
    <message>
        <source>Shared Documents</source>
        <translation>Documentos compartidos</translation>
    </message>
    <message>
        <source>Documents Library</source>
        <translation>Biblioteca de documentos</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Upload a file to the library</source>
        <translation>Subir un archivo a la biblioteca</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Download selected item and save it on the local disk</source>
        <translation>Descargar el elemento seleccionado y guardarlo en el disco local</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the selected item</source>
        <translation>Eliminar el elemento seleccionado</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Abrir para todos</translation>
    </message>
    <message>
        <source>Launch the selected item on participants&apos; computers</source>
        <translation>Abrir el elemento seleccionado en las computadoras de los participantes</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Reload the documents library</source>
        <translation>Recargar la biblioteca de documentos</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Uploaded by</source>
        <translation>Subido por</translation>
    </message>
    <message>
        <source>Upload Date/Time</source>
        <translation>Fecha/hora de subida</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Enter a short comment for this file:</source>
        <translation>Escriba un breve comentario para este archivo:</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Seleccione una carpeta de destino</translation>
    </message>
</context>
<context>
    <name>orv::TfrmExam</name>
    <message>
        <source>Reply to the following</source>
        <translation>Responda a lo siguiente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Please reply to the following</source>
        <translation>Por favor, responda a lo siguiente</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Please, mark your answer and press the Send button</source>
        <translation>Marque su respuesta y haga clic en el botón Enviar</translation>
    </message>
    <message>
        <source>Time to close</source>
        <translation>Tiempo para cerrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No answer selected. <byte value="xd"/>
Please select an answer entry by pressing the appropriate answer button.</source>
        <translation>No se seleccionó ninguna respuesta. <byte value="xd"/>
Seleccione una respuesta haciendo clic en el botón correspondiente.</translation>
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
        <translation>Examinar…</translation>
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
        <translation>Exportar grabación como video</translation>
    </message>
    <message>
        <source>Choose the recorded session</source>
        <translation>Elija la sesión grabada</translation>
    </message>
    <message>
        <source>Choose the video file</source>
        <translation>Elija el archivo de video</translation>
    </message>
    <message>
        <source>&amp;Recorded session:</source>
        <translation>Sesión &amp;grabada:</translation>
    </message>
    <message>
        <source>&amp;Video file:</source>
        <translation>Archivo de &amp;video:</translation>
    </message>
    <message>
        <source>&amp;Size (width x height):</source>
        <translation>&amp;Tamaño (ancho x alto):</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Progreso de la exportación</translation>
    </message>
    <message>
        <source>Choose the video file and its size, then Export.</source>
        <translation>Elija el archivo de video y su tamaño, y luego haga clic en Exportar.</translation>
    </message>
    <message>
        <source>Recorded session</source>
        <translation>Sesión grabada</translation>
    </message>
    <message>
        <source>Recorded sessions (*.orvane *.or5)</source>
        <translation>Sesiones grabadas (*.orvane *.or5)</translation>
    </message>
    <message>
        <source>Video file</source>
        <translation>Archivo de video</translation>
    </message>
    <message>
        <source>WebM video (*.webm);;MP4 video (*.mp4)</source>
        <translation>Video WebM (*.webm);;Video MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The size must be two even numbers from 16 to 7680, as in 1280x720.</source>
        <translation>El tamaño debe ser dos números pares de 16 a 7680, como en 1280x720.</translation>
    </message>
    <message>
        <source>Choose the video file.</source>
        <translation>Elija el archivo de video.</translation>
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
        <translation>El video está listo: %1</translation>
    </message>
    <message>
        <source>The export was cancelled; no file was written.</source>
        <translation>Se canceló la exportación; no se escribió ningún archivo.</translation>
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
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Place Original Size</source>
        <translation>Colocar en tamaño original</translation>
    </message>
    <message>
        <source>Place Selection Only</source>
        <translation>Colocar solo la selección</translation>
    </message>
    <message>
        <source>Back To File</source>
        <translation>Volver al archivo</translation>
    </message>
    <message>
        <source>Place On Board</source>
        <translation>Colocar en la pizarra</translation>
    </message>
    <message>
        <source>File Viewer - (Beta)</source>
        <translation>Visor de archivos - (Beta)</translation>
    </message>
    <message>
        <source>File content</source>
        <translation>Contenido del archivo</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Archivo:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Preview Options</source>
        <translation>Opciones de vista previa</translation>
    </message>
    <message>
        <source>Click Open to select a file. Adjust the content to display then click Preview.</source>
        <translation>Haga clic en Abrir para seleccionar un archivo. Ajuste el contenido que se mostrará y haga clic en Vista previa.</translation>
    </message>
    <message>
        <source>Click and drag to select a portion or choose &quot;Original Size&quot; for the entire image. Click Place On Board.</source>
        <translation>Haga clic y arrastre para seleccionar una parte o elija &quot;Tamaño original&quot; para la imagen completa. Haga clic en Colocar en la pizarra.</translation>
    </message>
    <message>
        <source>Select a File To Open</source>
        <translation>Seleccione un archivo para abrir</translation>
    </message>
</context>
<context>
    <name>orv::TfrmImages</name>
    <message>
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Image Library</source>
        <translation>Biblioteca de imágenes</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Reload the image library</source>
        <translation>Recargar la biblioteca de imágenes</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the selected item</source>
        <translation>Eliminar el elemento seleccionado</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Open selected image</source>
        <translation>Abrir la imagen seleccionada</translation>
    </message>
    <message>
        <source>Item name</source>
        <translation>Nombre del elemento</translation>
    </message>
    <message>
        <source>Stored By</source>
        <translation>Guardado por</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Fecha/hora</translation>
    </message>
</context>
<context>
    <name>orv::TfrmNewPoll</name>
    <message>
        <source>Add to my favourite polls</source>
        <translation>Agregar a mis encuestas favoritas</translation>
    </message>
    <message>
        <source>Polling</source>
        <translation>Encuesta</translation>
    </message>
    <message>
        <source> A New Poll</source>
        <translation> Una encuesta nueva</translation>
    </message>
    <message>
        <source>From File:</source>
        <translation>Desde un archivo:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Open a poll file</source>
        <translation>Abrir un archivo de encuesta</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Pregunta:</translation>
    </message>
    <message>
        <source>%1 chars</source>
        <translation>%1 caracteres</translation>
    </message>
    <message>
        <source>Mark the valid entries:</source>
        <translation>Marque las respuestas válidas:</translation>
    </message>
    <message>
        <source>Save To File</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Unable to create poll file <byte value="xd"/>
</source>
        <translation>No se pudo crear el archivo de la encuesta <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Orvane Exam Files (*.exm)</source>
        <translation>Archivos de examen de Orvane (*.exm)</translation>
    </message>
    <message>
        <source>Save the poll</source>
        <translation>Guardar la encuesta</translation>
    </message>
</context>
<context>
    <name>orv::TfrmPPTExport</name>
    <message>
        <source>PowerPoint Upload Wizard</source>
        <translation>Asistente para subir PowerPoint</translation>
    </message>
    <message>
        <source>Select a PowerPoint presentation file:</source>
        <translation>Seleccione un archivo de presentación de PowerPoint:</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>Set Slide Size</source>
        <translation>Definir el tamaño de las diapositivas</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>píxeles</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <source>Presentation Info: </source>
        <translation>Información de la presentación: </translation>
    </message>
    <message>
        <source>Number Of Slides:</source>
        <translation>Número de diapositivas:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>LibreOffice is not installed on this computer, so presentations cannot be converted into slides. Install LibreOffice Impress (the package libreoffice-impress) and open this window again.</source>
        <translation>LibreOffice no está instalado en esta computadora, por lo que las presentaciones no se pueden convertir en diapositivas. Instale LibreOffice Impress (el paquete libreoffice-impress) y vuelva a abrir esta ventana.</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Progreso de la exportación</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>PowerPoint Files (ppt) (*.ppt);;PowerPoint 2007 Files (pptx) (*.pptx);;OpenDocument Presentations (odp) (*.odp)</source>
        <translation>Archivos de PowerPoint (ppt) (*.ppt);;Archivos de PowerPoint 2007 (pptx) (*.pptx);;Presentaciones OpenDocument (odp) (*.odp)</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Openning...</source>
        <translation>Abriendo...</translation>
    </message>
    <message>
        <source>Exporting Slide </source>
        <translation>Exportando la diapositiva </translation>
    </message>
    <message>
        <source>The presentation was exported to the server, but %1 of its %2 slides could not be exported and are missing from it.</source>
        <translation>La presentación se exportó al servidor, pero %1 de sus %2 diapositivas no se pudieron exportar y faltan.</translation>
    </message>
    <message>
        <source>Presentation successfully exported to server.</source>
        <translation>La presentación se exportó correctamente al servidor.</translation>
    </message>
    <message>
        <source>Presentation not exported.<byte value="xd"/>
Please make sure you have LibreOffice installed on your computer.</source>
        <translation>No se exportó la presentación.<byte value="xd"/>
Asegúrese de que LibreOffice esté instalado en su computadora.</translation>
    </message>
</context>
<context>
    <name>orv::TfrmPlayer</name>
    <message>
        <source>Start Playing</source>
        <translation>Iniciar la reproducción</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Stop and exit</source>
        <translation>Detener y salir</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Descargado</translation>
    </message>
    <message>
        <source>Move the slider to a new position.</source>
        <translation>Mueva el control deslizante a una nueva posición.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Elapsed and total time</source>
        <translation>Tiempo transcurrido y total</translation>
    </message>
</context>
<context>
    <name>orv::TfrmPollresults</name>
    <message>
        <source>Poll Results</source>
        <translation>Resultados de la encuesta</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Participant</source>
        <translation>Participante</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Total number of answers:</source>
        <translation>Número total de respuestas:</translation>
    </message>
    <message>
        <source>Total number of participants:</source>
        <translation>Número total de participantes:</translation>
    </message>
    <message>
        <source>Answer bars</source>
        <translation>Barras de respuestas</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <source>The poll results could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>No se pudieron guardar los resultados de la encuesta en %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Save Polling Results</source>
        <translation>Guardar los resultados de la encuesta</translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>Formato de texto enriquecido (*.rtf)</translation>
    </message>
</context>
<context>
    <name>orv::TfrmPostIt</name>
    <message>
        <source>Do not popup any more in this session</source>
        <translation>No volver a abrir en esta sesión</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>[Cerrar]</translation>
    </message>
</context>
<context>
    <name>orv::TfrmProgress</name>
    <message>
        <source>Orvane Live Browser - Progress</source>
        <translation>Orvane Live Browser - Progreso</translation>
    </message>
</context>
<context>
    <name>orv::TfrmRemoteAudio</name>
    <message>
        <source>Remote Volume Control</source>
        <translation>Control remoto de volumen</translation>
    </message>
    <message>
        <source>Remote Audio Control</source>
        <translation>Control remoto de audio</translation>
    </message>
    <message>
        <source>Retrieving Settings...</source>
        <translation>Obteniendo la configuración...</translation>
    </message>
    <message>
        <source>Microphone Boost</source>
        <translation>Amplificación del micrófono</translation>
    </message>
    <message>
        <source>Some of the volume controls are not available. This is because the remote user&apos;s device driver does not support them.</source>
        <translation>Algunos controles de volumen no están disponibles porque el controlador del dispositivo del usuario remoto no los admite.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Participant:</source>
        <translation>Participante:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Speakers:</source>
        <translation>Altavoces:</translation>
    </message>
    <message>
        <source>Microphone:</source>
        <translation>Micrófono:</translation>
    </message>
</context>
<context>
    <name>orv::TfrmRequest</name>
    <message>
        <source>Session Message</source>
        <translation>Mensaje de la sesión</translation>
    </message>
    <message>
        <source>Send a Session Note</source>
        <translation>Enviar una nota de sesión</translation>
    </message>
    <message>
        <source>Send To:</source>
        <translation>Enviar a:</translation>
    </message>
    <message>
        <source>&lt;custom&gt;</source>
        <translation>&lt;personalizada&gt;</translation>
    </message>
    <message>
        <source>May I ask a question</source>
        <translation>¿Puedo hacer una pregunta?</translation>
    </message>
    <message>
        <source>I would like to answer the question</source>
        <translation>Me gustaría responder la pregunta</translation>
    </message>
    <message>
        <source>Would you please repeat this</source>
        <translation>¿Podría repetir, por favor?</translation>
    </message>
    <message>
        <source>&amp;Predefined:</source>
        <translation>&amp;Predefinida:</translation>
    </message>
    <message>
        <source>&amp;Your Note:</source>
        <translation>&amp;Su nota:</translation>
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
        <translation>No hay nada que enviar. <byte value="xd"/>
Escriba su nota y haga clic en Enviar. Para cerrar sin enviar, haga clic en Cancelar.</translation>
    </message>
</context>
<context>
    <name>orv::TfrmRoomList</name>
    <message>
        <source>Welcome to Orvane Live</source>
        <translation>Bienvenido a Orvane Live</translation>
    </message>
    <message>
        <source>Hello %1,</source>
        <translation>Hola, %1:</translation>
    </message>
    <message>
        <source>You are now connected to server %1</source>
        <translation>Ahora está conectado al servidor %1</translation>
    </message>
    <message>
        <source>Moderator account</source>
        <translation>Cuenta de moderador</translation>
    </message>
    <message>
        <source>Participant account</source>
        <translation>Cuenta de participante</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Orvane Live web site</source>
        <translation>Sitio web de Orvane Live</translation>
    </message>
    <message>
        <source>Visit the Orvane Live web site</source>
        <translation>Visite el sitio web de Orvane Live</translation>
    </message>
    <message>
        <source>To join a virtual room click on a room entry below</source>
        <translation>Para entrar en una sala virtual, haga clic en una de las salas a continuación</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Sala</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Acceso</translation>
    </message>
    <message>
        <source>Do you want to sign out?</source>
        <translation>¿Desea cerrar sesión?</translation>
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
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>To watch a recorded session select one from the list</source>
        <translation>Para ver una sesión grabada, selecciónela en la lista</translation>
    </message>
    <message>
        <source>Recorded sessions</source>
        <translation>Sesiones grabadas</translation>
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
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Whiteboard</source>
        <translation>Pizarra</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Uso compartido</translation>
    </message>
    <message>
        <source>This setting takes effect once its part of Orvane Live Browser is available.</source>
        <translation>Esta opción se aplicará cuando su parte de Orvane Live Browser esté disponible.</translation>
    </message>
    <message>
        <source>The modifications you made require re-establishing your audio connection.<byte value="xd"/>
Orvane will now reconnect your audio.</source>
        <translation>Los cambios que realizó requieren restablecer su conexión de audio.<byte value="xd"/>
Orvane volverá a conectar su audio.</translation>
    </message>
    <message>
        <source>Favorite Polls</source>
        <translation>Encuestas favoritas</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Páginas de configuración</translation>
    </message>
</context>
<context>
    <name>orv::TfrmSignIn</name>
    <message>
        <source>Remember my username and password.</source>
        <translation>Recordar mi nombre de usuario y contraseña.</translation>
    </message>
    <message>
        <source>Orvane Live - Authentication Required</source>
        <translation>Orvane Live - Autenticación necesaria</translation>
    </message>
    <message>
        <source>Welcome to Orvane Live</source>
        <translation>Bienvenido a Orvane Live</translation>
    </message>
    <message>
        <source>Authentication Required.</source>
        <translation>Autenticación necesaria.</translation>
    </message>
    <message>
        <source>Specify your username and password. The password is case sensitive.</source>
        <translation>Escriba su nombre de usuario y su contraseña. La contraseña distingue entre mayúsculas y minúsculas.</translation>
    </message>
    <message>
        <source>What is this?</source>
        <translation>¿Qué es esto?</translation>
    </message>
    <message>
        <source>Connection Settings</source>
        <translation>Configuración de conexión</translation>
    </message>
    <message>
        <source>Remote Server</source>
        <translation>Servidor remoto</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Click the Sign In button to join an online session.</source>
        <translation>Haga clic en el botón Iniciar sesión para unirse a una sesión en línea.</translation>
    </message>
    <message>
        <source>No keyring answered: the remembered password is kept in the settings file.</source>
        <translation>Ningún llavero respondió: la contraseña recordada se guarda en el archivo de configuración.</translation>
    </message>
    <message>
        <source>Encrypted connection</source>
        <translation>Conexión cifrada</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>When the server offers it</source>
        <translation>Cuando el servidor la ofrezca</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obligatoria</translation>
    </message>
</context>
<context>
    <name>orv::TfrmVideo</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Participant</source>
        <translation>Participante</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Buffering....</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Tamaño original</translation>
    </message>
    <message>
        <source>Very Small (80 x 60)</source>
        <translation>Muy pequeño (80 x 60)</translation>
    </message>
    <message>
        <source>Small Size (160 x 120)</source>
        <translation>Pequeño (160 x 120)</translation>
    </message>
    <message>
        <source>Middle Size (320 x 240)</source>
        <translation>Mediano (320 x 240)</translation>
    </message>
    <message>
        <source>Large Size (640 x 480)</source>
        <translation>Grande (640 x 480)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>orv::TfrmWebLinks</name>
    <message>
        <source>Web Links</source>
        <translation>Enlaces web</translation>
    </message>
    <message>
        <source>Reload Links</source>
        <translation>Recargar enlaces</translation>
    </message>
    <message>
        <source>Reload the web library</source>
        <translation>Recargar la biblioteca web</translation>
    </message>
    <message>
        <source>Upload Link</source>
        <translation>Subir enlace</translation>
    </message>
    <message>
        <source>Upload a web link.</source>
        <translation>Subir un enlace web.</translation>
    </message>
    <message>
        <source>Delete Link</source>
        <translation>Eliminar enlace</translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation>Eliminar el elemento seleccionado</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Abrir enlace</translation>
    </message>
    <message>
        <source>Navigate to the selected web link</source>
        <translation>Navegar al enlace web seleccionado</translation>
    </message>
    <message>
        <source>Web Resources</source>
        <translation>Recursos web</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descripción:</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>&amp;URL:</translation>
    </message>
    <message>
        <source>To upload a new web link type in the url and a short description and click the Upload button on top.</source>
        <translation>Para subir un nuevo enlace web, escriba la URL y una breve descripción y haga clic en el botón Subir enlace de la parte superior.</translation>
    </message>
    <message>
        <source>To launch a web resource doubleclick on the appropriate item in the grid below.</source>
        <translation>Para abrir un recurso web, haga doble clic en el elemento correspondiente de la tabla de abajo.</translation>
    </message>
    <message>
        <source>Web Link Name</source>
        <translation>Nombre del enlace</translation>
    </message>
    <message>
        <source>Uploaded By</source>
        <translation>Subido por</translation>
    </message>
    <message>
        <source>Upload Date/Time</source>
        <translation>Fecha/hora de subida</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Web links</source>
        <translation>Enlaces web</translation>
    </message>
</context>
<context>
    <name>orv::TfrmWelcome</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenido</translation>
    </message>
    <message>
        <source>This welcome window is provided by your service provider.</source>
        <translation>Esta ventana de bienvenida la ofrece su proveedor de servicios.</translation>
    </message>
    <message>
        <source>Close this welcome window</source>
        <translation>Cerrar esta ventana de bienvenida</translation>
    </message>
    <message>
        <source>Welcome page</source>
        <translation>Página de bienvenida</translation>
    </message>
</context>
<context>
    <name>orv::UploadSource</name>
    <message>
        <source>The file &quot;%1&quot; is too large to be sent: only files smaller than 2 GB can be uploaded.</source>
        <translation>El archivo &quot;%1&quot; es demasiado grande para subirlo: solo se pueden subir archivos de menos de 2 GB.</translation>
    </message>
</context>
<context>
    <name>orv::VideoExportCommand</name>
    <message>
        <source>Exporting (%1): %2% %3 of %4, %5x real time </source>
        <translation>Exportando (%1): %2% %3 de %4, %5x el tiempo real </translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Escrito: %1</translation>
    </message>
    <message>
        <source>The export was stopped; no file was written.</source>
        <translation>Se detuvo la exportación; no se escribió ningún archivo.</translation>
    </message>
</context>
<context>
    <name>orv::WaylandDesktop</name>
    <message>
        <source>this Wayland desktop offers no screen cast portal (xdg-desktop-portal with a back end for the desktop), through which programs are given the screen.</source>
        <translation>este escritorio Wayland no ofrece el portal de transmisión de pantalla (xdg-desktop-portal con un back-end para el escritorio), mediante el cual los programas reciben la pantalla.</translation>
    </message>
</context>
</TS>
