<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Game</name>
    <message>
        <source>Beleaguered Castle</source>
        <translation>Belagerte Burg</translation>
    </message>
    <message>
        <source>Double Klondike</source>
        <translation>Doppel-Klondike</translation>
    </message>
    <message>
        <source>Forty Thieves</source>
        <translation>Vierzig Räuber</translation>
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
        <translation>Indische Patience</translation>
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
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Queen of Italy</source>
        <translation>Königin von Italien</translation>
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
        <translation>&amp;Automatisch ablegen</translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>TFTPeekDlg</name>
    <message>
        <source>Peek</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Next card in stock</source>
        <translation>Nächste Karte im Talon</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFortyThievesForm</name>
    <message>
        <source>A&amp;utoplay</source>
        <translation>A&amp;utomatisch ablegen</translation>
    </message>
    <message>
        <source>&amp;Peek...</source>
        <translation>&amp;Vorschau...</translation>
    </message>
</context>
<context>
    <name>TFreeCellForm</name>
    <message>
        <source>A&amp;utoplay</source>
        <translation>A&amp;utomatisch ablegen</translation>
    </message>
</context>
<context>
    <name>TGameForm</name>
    <message>
        <source>Pre&amp;ferences...</source>
        <translation>Ein&amp;stellungen...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>Neu &amp;beginnen</translation>
    </message>
    <message>
        <source>%1   Score: %2</source>
        <translation>%1   Punkte: %2</translation>
    </message>
    <message>
        <source>Quit this game of %1?</source>
        <translation>Dieses Spiel %1 beenden?</translation>
    </message>
    <message>
        <source>Restart this game of %1?</source>
        <translation>Dieses Spiel %1 neu beginnen?</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>Stat&amp;istik...</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>&amp;Partie wählen...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Rule&amp;s...</source>
        <translation>Spielre&amp;geln...</translation>
    </message>
    <message>
        <source>Rul&amp;es...</source>
        <translation>Spielrege&amp;ln...</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Talon</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>Foundation</source>
        <translation>Zielstapel</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Free cell</source>
        <translation>Freie Zelle</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>No more moves.</source>
        <translation>Keine Züge mehr möglich.</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>This deal can no longer be won.</source>
        <translation>Dieses Spiel kann nicht mehr gewonnen werden.</translation>
    </message>
    <message>
        <source>&amp;Winnable Deals Only</source>
        <translation>Nur &amp;gewinnbare Spiele</translation>
    </message>
    <message>
        <source>No deal that can be won was found in time. This deal may not be winnable.</source>
        <translation>In der verfügbaren Zeit wurde kein gewinnbares Spiel gefunden. Dieses Spiel ist vielleicht nicht zu gewinnen.</translation>
    </message>
    <message>
        <source>Looking for a deal that can be won...</source>
        <translation>Ein gewinnbares Spiel wird gesucht...</translation>
    </message>
</context>
<context>
    <name>TGolfForm</name>
    <message>
        <source>King Stops Sequence</source>
        <translation>König beendet Folge</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>System Requirements</source>
        <translation>Systemanforderungen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Beleaguered Castle</source>
        <translation>Belagerte Burg</translation>
    </message>
    <message>
        <source>Double Klondike</source>
        <translation>Doppel-Klondike</translation>
    </message>
    <message>
        <source>Forty Thieves</source>
        <translation>Vierzig Räuber</translation>
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
        <translation>Indische Patience</translation>
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
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Queen of Italy</source>
        <translation>Königin von Italien</translation>
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
        <translation>Quillane-Hilfe</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Quillane Help&lt;/h1&gt;&lt;p&gt;Help topic %1 is not available.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Quillane-Hilfe&lt;/h1&gt;&lt;p&gt;Das Hilfethema %1 ist nicht vorhanden.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TInfoBox</name>
    <message>
        <source>About Quillane!</source>
        <translation>Über Quillane!</translation>
    </message>
    <message>
        <source>Quillane Version 1.01</source>
        <translation>Quillane Version 1.01</translation>
    </message>
    <message>
        <source>Twelve patience games for one player.

The card faces use the public-domain (CC0) card designs of Adrian Kennard, as packaged in @letele/playing-cards.
Backs, jester, animation and sounds were made for Quillane.

Quillane is free software under the GNU General Public License, version 3 or later, and comes with no warranty.</source>
        <translation>Zwölf Patiencen für einen Spieler.

Die Kartenbilder beruhen auf den gemeinfreien (CC0) Kartenentwürfen von Adrian Kennard aus dem Paket @letele/playing-cards.
Rückseiten, Narr, Animation und Klänge wurden für Quillane gestaltet.

Quillane ist freie Software unter der GNU General Public License, Version 3 oder später, und wird ohne jede Gewährleistung bereitgestellt.</translation>
    </message>
    <message>
        <source>We would like to hear your comments and suggestions:</source>
        <translation>Wir freuen uns auf Ihre Anmerkungen und Vorschläge:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TKeyboardPlay</name>
    <message>
        <source>ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 is its value, %2 its suit.</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>1 card face down</source>
        <translation>1 verdeckte Karte</translation>
    </message>
    <message numerus="yes">
        <source>%n cards face down</source>
        <translation>
            <numerusform>%n verdeckte Karte</numerusform>
            <numerusform>%n verdeckte Karten</numerusform>
        </translation>
    </message>
    <message>
        <source> on </source>
        <translation> auf </translation>
    </message>
    <message>
        <source>, 1 card face down</source>
        <translation>, 1 verdeckte Karte</translation>
    </message>
    <message numerus="yes">
        <source>, %n cards face down</source>
        <translation>
            <numerusform>, %n verdeckte Karte</numerusform>
            <numerusform>, %n verdeckte Karten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n cards</source>
        <translation>
            <numerusform>, %n Karte</numerusform>
            <numerusform>, %n Karten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TKlondikeForm</name>
    <message>
        <source>A&amp;utoplay</source>
        <translation>A&amp;utomatisch ablegen</translation>
    </message>
    <message>
        <source>Draw Three</source>
        <translation>Drei ziehen</translation>
    </message>
    <message>
        <source>Draw One</source>
        <translation>Eine ziehen</translation>
    </message>
</context>
<context>
    <name>TMenuNote</name>
    <message>
        <source>Right-click the table for the game menu.</source>
        <translation>Rechtsklick auf den Tisch öffnet das Spielmenü.</translation>
    </message>
</context>
<context>
    <name>TMontanaForm</name>
    <message>
        <source>&amp;Shuffle Remaining</source>
        <translation>Rest &amp;mischen</translation>
    </message>
    <message>
        <source>No more moves. Shuffle Remaining deals the cards out of sequence again.</source>
        <translation>Keine Züge mehr möglich. „Rest mischen“ teilt die Karten, die noch nicht in Folge liegen, neu aus.</translation>
    </message>
    <message>
        <source>Row %1, place %2</source>
        <translation>Reihe %1, Platz %2</translation>
    </message>
</context>
<context>
    <name>TPictureFile</name>
    <message>
        <source>The picture %1 is too large to load. A picture may have at most %2 million pixels (8192 x 8192) and a file at most %3 MB.</source>
        <translation>Das Bild %1 ist zu groß zum Laden. Ein Bild darf höchstens %2 Millionen Pixel (8192 x 8192) haben und eine Datei höchstens %3 MB.</translation>
    </message>
</context>
<context>
    <name>TPreferencesDlg</name>
    <message>
        <source>Images (*.bmp;*.jpeg;*.jpg;*.pcx;*.png)|*.bmp;*.jpeg;*.jpg;*.pcx;*.png|All Files (*.*)|*.*</source>
        <translation>Bilder (*.bmp;*.jpeg;*.jpg;*.pcx;*.png)|*.bmp;*.jpeg;*.jpg;*.pcx;*.png|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Quillane Preferences</source>
        <translation>Quillane-Einstellungen</translation>
    </message>
    <message>
        <source>Card Back</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>Card Size</source>
        <translation>Kartengröße</translation>
    </message>
    <message>
        <source>Game Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Browse to select a Custom Image</source>
        <translation>Eigenes Bild auswählen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Use small cards (all games fit on 800x600 display)</source>
        <translation>Kleine Karten (alle Spiele passen auf 800x600)</translation>
    </message>
    <message>
        <source>Use large cards (requires a 1024x768 or larger display)</source>
        <translation>Große Karten (braucht mindestens 1024x768)</translation>
    </message>
    <message>
        <source>This preference does not take effect until the current<byte value="xd"/>
game window is closed.</source>
        <translation>Diese Einstellung wirkt erst, wenn das aktuelle<byte value="xd"/>
Spielfenster geschlossen ist.</translation>
    </message>
    <message>
        <source> Select Type </source>
        <translation> Art wählen </translation>
    </message>
    <message>
        <source>Solid Color</source>
        <translation>Einfarbig</translation>
    </message>
    <message>
        <source>Gradient Colors</source>
        <translation>Farbverlauf</translation>
    </message>
    <message>
        <source>Tiled Image</source>
        <translation>Gekacheltes Bild</translation>
    </message>
    <message>
        <source>Select Solid Color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source> Direction </source>
        <translation> Richtung </translation>
    </message>
    <message>
        <source>Vertical Gradient</source>
        <translation>Senkrechter Verlauf</translation>
    </message>
    <message>
        <source>Horizontal Gradient</source>
        <translation>Waagerechter Verlauf</translation>
    </message>
    <message>
        <source>Select Starting Color</source>
        <translation>Anfangsfarbe wählen</translation>
    </message>
    <message>
        <source>Select Ending Color</source>
        <translation>Endfarbe wählen</translation>
    </message>
    <message>
        <source>Browse to select an Image</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Enable Sounds</source>
        <translation>Klänge abspielen</translation>
    </message>
    <message>
        <source>Perform Animation on Deals</source>
        <translation>Austeilen animieren</translation>
    </message>
    <message>
        <source>Minimize to Tray in Taskbar</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
    <message>
        <source>The custom card back image %1 was not found.</source>
        <translation>Das Bild %1 für den eigenen Kartenrücken wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>GIF images are not supported.</source>
        <translation>GIF-Bilder werden nicht unterstützt.</translation>
    </message>
    <message>
        <source>The picture %1 could not be read.</source>
        <translation>Das Bild %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The game background image %1 was not found.</source>
        <translation>Das Hintergrundbild %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Card back %1</source>
        <translation>Kartenrücken %1</translation>
    </message>
    <message>
        <source>Custom card back</source>
        <translation>Eigener Kartenrücken</translation>
    </message>
    <message>
        <source>Solid color</source>
        <translation>Einfarbig</translation>
    </message>
    <message>
        <source>Starting color</source>
        <translation>Anfangsfarbe</translation>
    </message>
    <message>
        <source>Ending color</source>
        <translation>Endfarbe</translation>
    </message>
</context>
<context>
    <name>TProfile</name>
    <message>
        <source>Quillane could not save its settings in the file %1.

Changed settings apply until Quillane closes, but they will not be kept.</source>
        <translation>Quillane konnte seine Einstellungen nicht in der Datei %1 speichern.

Geänderte Einstellungen gelten, bis Quillane beendet wird, bleiben aber nicht erhalten.</translation>
    </message>
</context>
<context>
    <name>TPyramidForm</name>
    <message>
        <source>First Pass</source>
        <translation>1. Runde</translation>
    </message>
    <message>
        <source>Second Pass</source>
        <translation>2. Runde</translation>
    </message>
    <message>
        <source>Third Pass</source>
        <translation>3. Runde</translation>
    </message>
    <message>
        <source>Row %1, card %2</source>
        <translation>Reihe %1, Karte %2</translation>
    </message>
    <message>
        <source>Turned card</source>
        <translation>Aufgedeckte Karte</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abwurf</translation>
    </message>
</context>
<context>
    <name>TQueenItalyForm</name>
    <message>
        <source>&amp;Autoplay</source>
        <translation>&amp;Automatisch ablegen</translation>
    </message>
</context>
<context>
    <name>TSelectDealDlg</name>
    <message>
        <source>Select Deal</source>
        <translation>Partie wählen</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Partienummer (0 bis 4294967295):</translation>
    </message>
</context>
<context>
    <name>TSolitaireForm</name>
    <message>
        <source>Quillane requires at least high-color (16-bit) color palette setting to play.

Please press the Help button below for more information.</source>
        <translation>Quillane braucht mindestens High Color (16 Bit) als Farbtiefe.

Weitere Informationen gibt die Schaltfläche Hilfe unten.</translation>
    </message>
    <message>
        <source>%1 requires at least XGA (1024x768) desktop area to play using the large card preference.

Increase your desktop area or select the small card size preference.</source>
        <translation>%1 braucht mit großen Karten eine Bildschirmfläche von mindestens XGA (1024x768).

Vergrößern Sie die Bildschirmfläche oder wählen Sie in den Einstellungen kleine Karten.</translation>
    </message>
    <message>
        <source>%1 requires at least SVGA (800x600) desktop area to play.

Increase your desktop area to play.</source>
        <translation>%1 braucht eine Bildschirmfläche von mindestens SVGA (800x600).

Vergrößern Sie die Bildschirmfläche, um zu spielen.</translation>
    </message>
    <message>
        <source>%1 requires at least SVGA (800x600) desktop area to play using the large card preference.

Increase your desktop area or select the small card size preference.</source>
        <translation>%1 braucht mit großen Karten eine Bildschirmfläche von mindestens SVGA (800x600).

Vergrößern Sie die Bildschirmfläche oder wählen Sie in den Einstellungen kleine Karten.</translation>
    </message>
    <message>
        <source>Select Solitaire Game</source>
        <translation>Patience auswählen</translation>
    </message>
    <message>
        <source>Click for Info...</source>
        <translation>Klicken für Informationen...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe...</translation>
    </message>
    <message>
        <source>Choose a game from the list</source>
        <translation>Spiel aus der Liste wählen</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>TSpiderForm</name>
    <message>
        <source>&amp;Same Suit Moves</source>
        <translation>Gleiche &amp;Farbe</translation>
    </message>
    <message>
        <source>If checked, build down only in same suit</source>
        <translation>Wenn angehakt, nur in gleicher Farbe absteigend anlegen</translation>
    </message>
    <message>
        <source>You must fill empty tableau spaces first.</source>
        <translation>Zuerst müssen leere Spalten belegt werden.</translation>
    </message>
</context>
<context>
    <name>TStatisticsDlg</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Played: %1   Won: %2   Win rate: %3%</source>
        <translation>Gespielt: %1   Gewonnen: %2   Gewinnquote: %3 %</translation>
    </message>
    <message>
        <source>The statistics file was damaged. It has been set aside as &quot;%1&quot;, and the statistics start again from zero.</source>
        <translation>Die Statistikdatei war beschädigt. Sie wurde als „%1“ beiseitegelegt, und die Statistik beginnt von vorn.</translation>
    </message>
    <message>
        <source>The statistics cannot be saved in &quot;%1&quot;. They are kept until Quillane closes.</source>
        <translation>Die Statistik kann nicht in „%1“ gespeichert werden. Sie bleibt erhalten, bis Quillane beendet wird.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Deals played:</source>
        <translation>Gespielte Partien:</translation>
    </message>
    <message>
        <source>Deals won:</source>
        <translation>Gewonnene Partien:</translation>
    </message>
    <message>
        <source>Win rate:</source>
        <translation>Gewinnquote:</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>Aktuelle Serie:</translation>
    </message>
    <message>
        <source>Total time played:</source>
        <translation>Gesamte Spielzeit:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Längste Gewinnserie:</translation>
    </message>
    <message>
        <source>Longest losing streak:</source>
        <translation>Längste Verlustserie:</translation>
    </message>
    <message>
        <source>Fewest moves in a win:</source>
        <translation>Wenigste Züge in einem Sieg:</translation>
    </message>
    <message>
        <source>Fastest win:</source>
        <translation>Schnellster Sieg:</translation>
    </message>
    <message>
        <source>This deal&apos;s number:</source>
        <translation>Nummer dieser Partie:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Gewinnquote</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Longest won</source>
        <translation>Längste Gewinnserie</translation>
    </message>
    <message>
        <source>Longest lost</source>
        <translation>Längste Verlustserie</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Wenigste Züge</translation>
    </message>
    <message>
        <source>Fastest win</source>
        <translation>Schnellster Sieg</translation>
    </message>
    <message>
        <source>All games:</source>
        <translation>Alle Spiele:</translation>
    </message>
    <message>
        <source>Deal number</source>
        <translation>Partienummer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Last deals of %1 (double-click one to play it again):</source>
        <translation>Letzte Partien von %1 (Doppelklick spielt eine noch einmal):</translation>
    </message>
    <message>
        <source>&amp;Play Again</source>
        <translation>&amp;Noch einmal spielen</translation>
    </message>
    <message>
        <source>&amp;Reset %1...</source>
        <translation>%1 &amp;zurücksetzen...</translation>
    </message>
    <message>
        <source>Reset &amp;All...</source>
        <translation>&amp;Alle zurücksetzen...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?</source>
        <translation>Die Statistik von %1 zurücksetzen?</translation>
    </message>
    <message>
        <source>Reset the statistics of all games?</source>
        <translation>Die Statistik aller Spiele zurücksetzen?</translation>
    </message>
    <message numerus="yes">
        <source>%n won</source>
        <translation>
            <numerusform>%n gewonnen</numerusform>
            <numerusform>%n gewonnen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lost</source>
        <translation>
            <numerusform>%n verloren</numerusform>
            <numerusform>%n verloren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSysRequirementsForm</name>
    <message>
        <source>System<byte value="xd"/>
Requirements</source>
        <translation>System-<byte value="xd"/>
anforderungen</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>TWinForm</name>
    <message>
        <source>You&apos;ve Won!</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>OK, Great!</source>
        <translation>Prima!</translation>
    </message>
</context>
</TS>
