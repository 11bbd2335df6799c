<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Game</name>
    <message>
        <source>Beleaguered Castle</source>
        <translation>Castillo sitiado</translation>
    </message>
    <message>
        <source>Double Klondike</source>
        <translation>Klondike doble</translation>
    </message>
    <message>
        <source>Forty Thieves</source>
        <translation>Cuarenta ladrones</translation>
    </message>
    <message>
        <source>Free Cell</source>
        <translation>FreeCell</translation>
    </message>
    <message>
        <source>FreeCell</source>
        <translation>FreeCell</translation>
    </message>
    <message>
        <source>Golf</source>
        <translation>Golf</translation>
    </message>
    <message>
        <source>Indian Patience</source>
        <translation>Solitario indio</translation>
    </message>
    <message>
        <source>Klondike</source>
        <translation>Klondike</translation>
    </message>
    <message>
        <source>Montana</source>
        <translation>Montana</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pirámide</translation>
    </message>
    <message>
        <source>Queen of Italy</source>
        <translation>Reina de Italia</translation>
    </message>
    <message>
        <source>Sea Towers</source>
        <translation>Sea Towers</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Spider</translation>
    </message>
</context>
<context>
    <name>TCastleForm</name>
    <message>
        <source>&amp;Autoplay</source>
        <translation>Juego &amp;automático</translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>TFTPeekDlg</name>
    <message>
        <source>Peek</source>
        <translation>Vistazo</translation>
    </message>
    <message>
        <source>Next card in stock</source>
        <translation>Siguiente carta del mazo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TFortyThievesForm</name>
    <message>
        <source>A&amp;utoplay</source>
        <translation>Juego a&amp;utomático</translation>
    </message>
    <message>
        <source>&amp;Peek...</source>
        <translation>&amp;Mirar...</translation>
    </message>
</context>
<context>
    <name>TFreeCellForm</name>
    <message>
        <source>A&amp;utoplay</source>
        <translation>Juego a&amp;utomático</translation>
    </message>
</context>
<context>
    <name>TGameForm</name>
    <message>
        <source>Pre&amp;ferences...</source>
        <translation>Pre&amp;ferencias...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Volver a empezar</translation>
    </message>
    <message>
        <source>%1   Score: %2</source>
        <translation>%1   Puntos: %2</translation>
    </message>
    <message>
        <source>Quit this game of %1?</source>
        <translation>¿Abandonar esta partida de %1?</translation>
    </message>
    <message>
        <source>Restart this game of %1?</source>
        <translation>¿Volver a empezar esta partida de %1?</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>E&amp;stadísticas...</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>Elegir repar&amp;to...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>Pr&amp;eferencias...</translation>
    </message>
    <message>
        <source>Rule&amp;s...</source>
        <translation>Re&amp;glas...</translation>
    </message>
    <message>
        <source>Rul&amp;es...</source>
        <translation>Reg&amp;las...</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Mazo</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Descarte</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Reserva</translation>
    </message>
    <message>
        <source>Foundation</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Columna</translation>
    </message>
    <message>
        <source>Free cell</source>
        <translation>Celda libre</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Casilla</translation>
    </message>
    <message>
        <source>No more moves.</source>
        <translation>No quedan movimientos.</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>This deal can no longer be won.</source>
        <translation>Esta partida ya no se puede ganar.</translation>
    </message>
    <message>
        <source>&amp;Winnable Deals Only</source>
        <translation>Solo partidas &amp;ganables</translation>
    </message>
    <message>
        <source>No deal that can be won was found in time. This deal may not be winnable.</source>
        <translation>No se encontró a tiempo una partida que se pueda ganar. Puede que esta no sea ganable.</translation>
    </message>
    <message>
        <source>Looking for a deal that can be won...</source>
        <translation>Buscando una partida que se pueda ganar...</translation>
    </message>
</context>
<context>
    <name>TGolfForm</name>
    <message>
        <source>King Stops Sequence</source>
        <translation>El rey cierra la secuencia</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>System Requirements</source>
        <translation>Requisitos del sistema</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Beleaguered Castle</source>
        <translation>Castillo sitiado</translation>
    </message>
    <message>
        <source>Double Klondike</source>
        <translation>Klondike doble</translation>
    </message>
    <message>
        <source>Forty Thieves</source>
        <translation>Cuarenta ladrones</translation>
    </message>
    <message>
        <source>FreeCell</source>
        <translation>FreeCell</translation>
    </message>
    <message>
        <source>Golf</source>
        <translation>Golf</translation>
    </message>
    <message>
        <source>Indian Patience</source>
        <translation>Solitario indio</translation>
    </message>
    <message>
        <source>Klondike</source>
        <translation>Klondike</translation>
    </message>
    <message>
        <source>Montana</source>
        <translation>Montana</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pirámide</translation>
    </message>
    <message>
        <source>Queen of Italy</source>
        <translation>Reina de Italia</translation>
    </message>
    <message>
        <source>Sea Towers</source>
        <translation>Sea Towers</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Spider</translation>
    </message>
    <message>
        <source>Quillane Help</source>
        <translation>Ayuda de Quillane</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Quillane Help&lt;/h1&gt;&lt;p&gt;Help topic %1 is not available.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Ayuda de Quillane&lt;/h1&gt;&lt;p&gt;El tema de ayuda %1 no está disponible.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TInfoBox</name>
    <message>
        <source>About Quillane!</source>
        <translation>Acerca de Quillane</translation>
    </message>
    <message>
        <source>Quillane Version 1.01</source>
        <translation>Quillane versión 1.01</translation>
    </message>
    <message>
        <source>Twelve patience games for one player.

The card faces use the public-domain (CC0) card designs of Adrian Kennard, as packaged in @letele/playing-cards.
Backs, jester, animation and sounds were made for Quillane.

Quillane is free software under the GNU General Public License, version 3 or later, and comes with no warranty.</source>
        <translation>Doce solitarios para un jugador.

Las caras de las cartas usan los diseños de dominio público (CC0) de Adrian Kennard, tal como los distribuye @letele/playing-cards.
Los reversos, el bufón, la animación y los sonidos se crearon para Quillane.

Quillane es software libre bajo la Licencia Pública General de GNU, versión 3 o posterior, y se ofrece sin ninguna garantía.</translation>
    </message>
    <message>
        <source>We would like to hear your comments and suggestions:</source>
        <translation>Nos gustaría conocer sus comentarios y sugerencias:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TKeyboardPlay</name>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>jota</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>reina</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rey</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 is its value, %2 its suit.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>1 card face down</source>
        <translation>1 carta boca abajo</translation>
    </message>
    <message numerus="yes">
        <source>%n cards face down</source>
        <translation>
            <numerusform>%n carta boca abajo</numerusform>
            <numerusform>%n cartas boca abajo</numerusform>
        </translation>
    </message>
    <message>
        <source> on </source>
        <translation> sobre </translation>
    </message>
    <message>
        <source>, 1 card face down</source>
        <translation>, 1 carta boca abajo</translation>
    </message>
    <message numerus="yes">
        <source>, %n cards face down</source>
        <translation>
            <numerusform>, %n carta boca abajo</numerusform>
            <numerusform>, %n cartas boca abajo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n cards</source>
        <translation>
            <numerusform>, %n carta</numerusform>
            <numerusform>, %n cartas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TKlondikeForm</name>
    <message>
        <source>A&amp;utoplay</source>
        <translation>Juego a&amp;utomático</translation>
    </message>
    <message>
        <source>Draw Three</source>
        <translation>Robar tres</translation>
    </message>
    <message>
        <source>Draw One</source>
        <translation>Robar una</translation>
    </message>
</context>
<context>
    <name>TMenuNote</name>
    <message>
        <source>Right-click the table for the game menu.</source>
        <translation>Haga clic derecho en la mesa para abrir el menú del juego.</translation>
    </message>
</context>
<context>
    <name>TMontanaForm</name>
    <message>
        <source>&amp;Shuffle Remaining</source>
        <translation>&amp;Barajar el resto</translation>
    </message>
    <message>
        <source>No more moves. Shuffle Remaining deals the cards out of sequence again.</source>
        <translation>No quedan movimientos. «Barajar el resto» vuelve a repartir las cartas que no están en secuencia.</translation>
    </message>
    <message>
        <source>Row %1, place %2</source>
        <translation>Fila %1, lugar %2</translation>
    </message>
</context>
<context>
    <name>TPictureFile</name>
    <message>
        <source>The picture %1 is too large to load. A picture may have at most %2 million pixels (8192 x 8192) and a file at most %3 MB.</source>
        <translation>La imagen %1 es demasiado grande para cargarla. Una imagen puede tener como máximo %2 millones de píxeles (8192 x 8192) y un archivo como máximo %3 MB.</translation>
    </message>
</context>
<context>
    <name>TPreferencesDlg</name>
    <message>
        <source>Images (*.bmp;*.jpeg;*.jpg;*.pcx;*.png)|*.bmp;*.jpeg;*.jpg;*.pcx;*.png|All Files (*.*)|*.*</source>
        <translation>Imágenes (*.bmp;*.jpeg;*.jpg;*.pcx;*.png)|*.bmp;*.jpeg;*.jpg;*.pcx;*.png|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Quillane Preferences</source>
        <translation>Preferencias de Quillane</translation>
    </message>
    <message>
        <source>Card Back</source>
        <translation>Reverso</translation>
    </message>
    <message>
        <source>Card Size</source>
        <translation>Tamaño de cartas</translation>
    </message>
    <message>
        <source>Game Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Browse to select a Custom Image</source>
        <translation>Elegir una imagen propia</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Use small cards (all games fit on 800x600 display)</source>
        <translation>Cartas pequeñas (todos los juegos caben en 800x600)</translation>
    </message>
    <message>
        <source>Use large cards (requires a 1024x768 or larger display)</source>
        <translation>Cartas grandes (requiere 1024x768 o más)</translation>
    </message>
    <message>
        <source>This preference does not take effect until the current<byte value="xd"/>
game window is closed.</source>
        <translation>Esta preferencia no se aplica hasta que se cierre<byte value="xd"/>
la ventana de juego actual.</translation>
    </message>
    <message>
        <source> Select Type </source>
        <translation> Tipo </translation>
    </message>
    <message>
        <source>Solid Color</source>
        <translation>Color sólido</translation>
    </message>
    <message>
        <source>Gradient Colors</source>
        <translation>Degradado</translation>
    </message>
    <message>
        <source>Tiled Image</source>
        <translation>Imagen en mosaico</translation>
    </message>
    <message>
        <source>Select Solid Color</source>
        <translation>Elegir color</translation>
    </message>
    <message>
        <source> Direction </source>
        <translation> Dirección </translation>
    </message>
    <message>
        <source>Vertical Gradient</source>
        <translation>Degradado vertical</translation>
    </message>
    <message>
        <source>Horizontal Gradient</source>
        <translation>Degradado horizontal</translation>
    </message>
    <message>
        <source>Select Starting Color</source>
        <translation>Color inicial</translation>
    </message>
    <message>
        <source>Select Ending Color</source>
        <translation>Color final</translation>
    </message>
    <message>
        <source>Browse to select an Image</source>
        <translation>Elegir una imagen</translation>
    </message>
    <message>
        <source>Enable Sounds</source>
        <translation>Activar sonidos</translation>
    </message>
    <message>
        <source>Perform Animation on Deals</source>
        <translation>Animar el reparto</translation>
    </message>
    <message>
        <source>Minimize to Tray in Taskbar</source>
        <translation>Minimizar a la bandeja del sistema</translation>
    </message>
    <message>
        <source>The custom card back image %1 was not found.</source>
        <translation>No se encontró la imagen %1 del reverso propio.</translation>
    </message>
    <message>
        <source>GIF images are not supported.</source>
        <translation>Las imágenes GIF no son compatibles.</translation>
    </message>
    <message>
        <source>The picture %1 could not be read.</source>
        <translation>No se pudo leer la imagen %1.</translation>
    </message>
    <message>
        <source>The game background image %1 was not found.</source>
        <translation>No se encontró la imagen de fondo %1.</translation>
    </message>
    <message>
        <source>Card back %1</source>
        <translation>Reverso %1</translation>
    </message>
    <message>
        <source>Custom card back</source>
        <translation>Reverso personalizado</translation>
    </message>
    <message>
        <source>Solid color</source>
        <translation>Color sólido</translation>
    </message>
    <message>
        <source>Starting color</source>
        <translation>Color inicial</translation>
    </message>
    <message>
        <source>Ending color</source>
        <translation>Color final</translation>
    </message>
</context>
<context>
    <name>TProfile</name>
    <message>
        <source>Quillane could not save its settings in the file %1.

Changed settings apply until Quillane closes, but they will not be kept.</source>
        <translation>Quillane no pudo guardar su configuración en el archivo %1.

Los cambios se aplican hasta que se cierre Quillane, pero no se conservarán.</translation>
    </message>
</context>
<context>
    <name>TPyramidForm</name>
    <message>
        <source>First Pass</source>
        <translation>1.ª ronda</translation>
    </message>
    <message>
        <source>Second Pass</source>
        <translation>2.ª ronda</translation>
    </message>
    <message>
        <source>Third Pass</source>
        <translation>3.ª ronda</translation>
    </message>
    <message>
        <source>Row %1, card %2</source>
        <translation>Fila %1, carta %2</translation>
    </message>
    <message>
        <source>Turned card</source>
        <translation>Carta vuelta</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Descarte</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Desechada</translation>
    </message>
</context>
<context>
    <name>TQueenItalyForm</name>
    <message>
        <source>&amp;Autoplay</source>
        <translation>Juego &amp;automático</translation>
    </message>
</context>
<context>
    <name>TSelectDealDlg</name>
    <message>
        <source>Select Deal</source>
        <translation>Elegir reparto</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Número de reparto (0 a 4294967295):</translation>
    </message>
</context>
<context>
    <name>TSolitaireForm</name>
    <message>
        <source>Quillane requires at least high-color (16-bit) color palette setting to play.

Please press the Help button below for more information.</source>
        <translation>Quillane necesita al menos una paleta de color de alta densidad (16 bits).

Pulse el botón Ayuda de abajo para obtener más información.</translation>
    </message>
    <message>
        <source>%1 requires at least XGA (1024x768) desktop area to play using the large card preference.

Increase your desktop area or select the small card size preference.</source>
        <translation>%1 necesita un escritorio de al menos XGA (1024x768) con cartas grandes.

Aumente el área del escritorio o elija cartas pequeñas en las preferencias.</translation>
    </message>
    <message>
        <source>%1 requires at least SVGA (800x600) desktop area to play.

Increase your desktop area to play.</source>
        <translation>%1 necesita un escritorio de al menos SVGA (800x600).

Aumente el área del escritorio para jugar.</translation>
    </message>
    <message>
        <source>%1 requires at least SVGA (800x600) desktop area to play using the large card preference.

Increase your desktop area or select the small card size preference.</source>
        <translation>%1 necesita un escritorio de al menos SVGA (800x600) con cartas grandes.

Aumente el área del escritorio o elija cartas pequeñas en las preferencias.</translation>
    </message>
    <message>
        <source>Select Solitaire Game</source>
        <translation>Elegir un solitario</translation>
    </message>
    <message>
        <source>Click for Info...</source>
        <translation>Pulse para ver información...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ayuda...</translation>
    </message>
    <message>
        <source>Choose a game from the list</source>
        <translation>Elija un juego de la lista</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>TSpiderForm</name>
    <message>
        <source>&amp;Same Suit Moves</source>
        <translation>&amp;Mismo palo solamente</translation>
    </message>
    <message>
        <source>If checked, build down only in same suit</source>
        <translation>Si está marcado, solo se baja en el mismo palo</translation>
    </message>
    <message>
        <source>You must fill empty tableau spaces first.</source>
        <translation>Primero hay que llenar las columnas vacías.</translation>
    </message>
</context>
<context>
    <name>TStatisticsDlg</name>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Played: %1   Won: %2   Win rate: %3%</source>
        <translation>Jugadas: %1   Ganadas: %2   Porcentaje de victorias: %3 %</translation>
    </message>
    <message>
        <source>The statistics file was damaged. It has been set aside as &quot;%1&quot;, and the statistics start again from zero.</source>
        <translation>El archivo de estadísticas estaba dañado. Se ha apartado como «%1» y las estadísticas empiezan de cero.</translation>
    </message>
    <message>
        <source>The statistics cannot be saved in &quot;%1&quot;. They are kept until Quillane closes.</source>
        <translation>No se pueden guardar las estadísticas en «%1». Se conservan hasta que se cierre Quillane.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Deals played:</source>
        <translation>Repartos jugados:</translation>
    </message>
    <message>
        <source>Deals won:</source>
        <translation>Repartos ganados:</translation>
    </message>
    <message>
        <source>Win rate:</source>
        <translation>Porcentaje de victorias:</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>Racha actual:</translation>
    </message>
    <message>
        <source>Total time played:</source>
        <translation>Tiempo total de juego:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Racha ganadora más larga:</translation>
    </message>
    <message>
        <source>Longest losing streak:</source>
        <translation>Racha perdedora más larga:</translation>
    </message>
    <message>
        <source>Fewest moves in a win:</source>
        <translation>Menos movimientos en una victoria:</translation>
    </message>
    <message>
        <source>Fastest win:</source>
        <translation>Victoria más rápida:</translation>
    </message>
    <message>
        <source>This deal&apos;s number:</source>
        <translation>Número de este reparto:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganada</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>% victorias</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Racha</translation>
    </message>
    <message>
        <source>Longest won</source>
        <translation>Racha ganadora máx.</translation>
    </message>
    <message>
        <source>Longest lost</source>
        <translation>Racha perdedora máx.</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Menos movimientos</translation>
    </message>
    <message>
        <source>Fastest win</source>
        <translation>Victoria más rápida</translation>
    </message>
    <message>
        <source>All games:</source>
        <translation>Todos los juegos:</translation>
    </message>
    <message>
        <source>Deal number</source>
        <translation>Número de reparto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Last deals of %1 (double-click one to play it again):</source>
        <translation>Últimos repartos de %1 (doble clic en uno para volver a jugarlo):</translation>
    </message>
    <message>
        <source>&amp;Play Again</source>
        <translation>&amp;Jugar de nuevo</translation>
    </message>
    <message>
        <source>&amp;Reset %1...</source>
        <translation>&amp;Restablecer %1...</translation>
    </message>
    <message>
        <source>Reset &amp;All...</source>
        <translation>Restablecer &amp;todo...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdida</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?</source>
        <translation>¿Restablecer las estadísticas de %1?</translation>
    </message>
    <message>
        <source>Reset the statistics of all games?</source>
        <translation>¿Restablecer las estadísticas de todos los juegos?</translation>
    </message>
    <message numerus="yes">
        <source>%n won</source>
        <translation>
            <numerusform>%n ganada</numerusform>
            <numerusform>%n ganadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lost</source>
        <translation>
            <numerusform>%n perdida</numerusform>
            <numerusform>%n perdidas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSysRequirementsForm</name>
    <message>
        <source>System<byte value="xd"/>
Requirements</source>
        <translation>Requisitos del<byte value="xd"/>
sistema</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferencias...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>TWinForm</name>
    <message>
        <source>You&apos;ve Won!</source>
        <translation>¡Has ganado!</translation>
    </message>
    <message>
        <source>OK, Great!</source>
        <translation>¡Genial!</translation>
    </message>
</context>
</TS>
