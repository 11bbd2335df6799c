<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Game</name>
    <message>
        <source>Beleaguered Castle</source>
        <translation>Château assiégé</translation>
    </message>
    <message>
        <source>Double Klondike</source>
        <translation>Klondike double</translation>
    </message>
    <message>
        <source>Forty Thieves</source>
        <translation>Quarante voleurs</translation>
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
        <translation>Patience indienne</translation>
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
        <translation>Reine d&apos;Italie</translation>
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
        <translation>&amp;Jeu automatique</translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>TFTPeekDlg</name>
    <message>
        <source>Peek</source>
        <translation>Carte suivante</translation>
    </message>
    <message>
        <source>Next card in stock</source>
        <translation>Prochaine carte de la pioche</translation>
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
        <translation>Jeu a&amp;utomatique</translation>
    </message>
    <message>
        <source>&amp;Peek...</source>
        <translation>&amp;Voir la suivante...</translation>
    </message>
</context>
<context>
    <name>TFreeCellForm</name>
    <message>
        <source>A&amp;utoplay</source>
        <translation>Jeu a&amp;utomatique</translation>
    </message>
</context>
<context>
    <name>TGameForm</name>
    <message>
        <source>Pre&amp;ferences...</source>
        <translation>Pré&amp;férences...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>Re&amp;commencer</translation>
    </message>
    <message>
        <source>%1   Score: %2</source>
        <translation>%1   Score : %2</translation>
    </message>
    <message>
        <source>Quit this game of %1?</source>
        <translation>Abandonner cette partie de %1 ?</translation>
    </message>
    <message>
        <source>Restart this game of %1?</source>
        <translation>Recommencer cette partie de %1 ?</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiques...</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>Choisir la &amp;donne...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>Rule&amp;s...</source>
        <translation>Règle&amp;s du jeu...</translation>
    </message>
    <message>
        <source>Rul&amp;es...</source>
        <translation>Règles du j&amp;eu...</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Pioche</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Défausse</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Réserve</translation>
    </message>
    <message>
        <source>Foundation</source>
        <translation>Fondation</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Free cell</source>
        <translation>Case libre</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>No more moves.</source>
        <translation>Plus aucun coup possible.</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>This deal can no longer be won.</source>
        <translation>Cette donne ne peut plus être gagnée.</translation>
    </message>
    <message>
        <source>&amp;Winnable Deals Only</source>
        <translation>Donnes &amp;gagnables uniquement</translation>
    </message>
    <message>
        <source>No deal that can be won was found in time. This deal may not be winnable.</source>
        <translation>Aucune donne gagnable n'a été trouvée à temps. Cette donne n'est peut-être pas gagnable.</translation>
    </message>
    <message>
        <source>Looking for a deal that can be won...</source>
        <translation>Recherche d'une donne gagnable...</translation>
    </message>
</context>
<context>
    <name>TGolfForm</name>
    <message>
        <source>King Stops Sequence</source>
        <translation>Le roi arrête la suite</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>System Requirements</source>
        <translation>Configuration requise</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Beleaguered Castle</source>
        <translation>Château assiégé</translation>
    </message>
    <message>
        <source>Double Klondike</source>
        <translation>Klondike double</translation>
    </message>
    <message>
        <source>Forty Thieves</source>
        <translation>Quarante voleurs</translation>
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
        <translation>Patience indienne</translation>
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
        <translation>Reine d&apos;Italie</translation>
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
        <translation>Aide de Quillane</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Quillane Help&lt;/h1&gt;&lt;p&gt;Help topic %1 is not available.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Aide de Quillane&lt;/h1&gt;&lt;p&gt;La rubrique d&apos;aide %1 n&apos;est pas disponible.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TInfoBox</name>
    <message>
        <source>About Quillane!</source>
        <translation>À propos de Quillane !</translation>
    </message>
    <message>
        <source>Quillane Version 1.01</source>
        <translation>Quillane version 1.01</translation>
    </message>
    <message>
        <source>Twelve patience games for one player.

The card faces use the public-domain (CC0) card designs of Adrian Kennard, as packaged in @letele/playing-cards.
Backs, jester, animation and sounds were made for Quillane.

Quillane is free software under the GNU General Public License, version 3 or later, and comes with no warranty.</source>
        <translation>Douze réussites pour un joueur.

Les faces des cartes reprennent les dessins d&apos;Adrian Kennard, placés dans le domaine public (CC0) et distribués dans @letele/playing-cards.
Les dos, le bouffon, l&apos;animation et les sons ont été créés pour Quillane.

Quillane est un logiciel libre distribué sous la licence publique générale GNU, version 3 ou ultérieure, sans aucune garantie.</translation>
    </message>
    <message>
        <source>We would like to hear your comments and suggestions:</source>
        <translation>Vos remarques et suggestions sont les bienvenues :</translation>
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
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 is its value, %2 its suit.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>1 card face down</source>
        <translation>1 carte face cachée</translation>
    </message>
    <message numerus="yes">
        <source>%n cards face down</source>
        <translation>
            <numerusform>%n carte face cachée</numerusform>
            <numerusform>%n cartes face cachée</numerusform>
        </translation>
    </message>
    <message>
        <source> on </source>
        <translation> sur </translation>
    </message>
    <message>
        <source>, 1 card face down</source>
        <translation>, 1 carte face cachée</translation>
    </message>
    <message numerus="yes">
        <source>, %n cards face down</source>
        <translation>
            <numerusform>, %n carte face cachée</numerusform>
            <numerusform>, %n cartes face cachée</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n cards</source>
        <translation>
            <numerusform>, %n carte</numerusform>
            <numerusform>, %n cartes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TKlondikeForm</name>
    <message>
        <source>A&amp;utoplay</source>
        <translation>Jeu a&amp;utomatique</translation>
    </message>
    <message>
        <source>Draw Three</source>
        <translation>Piocher trois</translation>
    </message>
    <message>
        <source>Draw One</source>
        <translation>Piocher une</translation>
    </message>
</context>
<context>
    <name>TMenuNote</name>
    <message>
        <source>Right-click the table for the game menu.</source>
        <translation>Cliquez avec le bouton droit sur la table pour ouvrir le menu du jeu.</translation>
    </message>
</context>
<context>
    <name>TMontanaForm</name>
    <message>
        <source>&amp;Shuffle Remaining</source>
        <translation>&amp;Mélanger le reste</translation>
    </message>
    <message>
        <source>No more moves. Shuffle Remaining deals the cards out of sequence again.</source>
        <translation>Plus aucun coup possible. « Mélanger le reste » redistribue les cartes qui ne sont pas encore en séquence.</translation>
    </message>
    <message>
        <source>Row %1, place %2</source>
        <translation>Rangée %1, place %2</translation>
    </message>
</context>
<context>
    <name>TPictureFile</name>
    <message>
        <source>The picture %1 is too large to load. A picture may have at most %2 million pixels (8192 x 8192) and a file at most %3 MB.</source>
        <translation>L&apos;image %1 est trop grande pour être chargée. Une image peut avoir au plus %2 millions de pixels (8192 x 8192) et un fichier au plus %3 Mo.</translation>
    </message>
</context>
<context>
    <name>TPreferencesDlg</name>
    <message>
        <source>Images (*.bmp;*.jpeg;*.jpg;*.pcx;*.png)|*.bmp;*.jpeg;*.jpg;*.pcx;*.png|All Files (*.*)|*.*</source>
        <translation>Images (*.bmp;*.jpeg;*.jpg;*.pcx;*.png)|*.bmp;*.jpeg;*.jpg;*.pcx;*.png|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Quillane Preferences</source>
        <translation>Préférences de Quillane</translation>
    </message>
    <message>
        <source>Card Back</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>Card Size</source>
        <translation>Taille des cartes</translation>
    </message>
    <message>
        <source>Game Background</source>
        <translation>Fond du jeu</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Browse to select a Custom Image</source>
        <translation>Choisir une image personnelle</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Use small cards (all games fit on 800x600 display)</source>
        <translation>Petites cartes (tous les jeux tiennent en 800x600)</translation>
    </message>
    <message>
        <source>Use large cards (requires a 1024x768 or larger display)</source>
        <translation>Grandes cartes (écran 1024x768 ou plus requis)</translation>
    </message>
    <message>
        <source>This preference does not take effect until the current<byte value="xd"/>
game window is closed.</source>
        <translation>Ce réglage ne prend effet qu&apos;à la fermeture<byte value="xd"/>
de la fenêtre de jeu ouverte.</translation>
    </message>
    <message>
        <source> Select Type </source>
        <translation> Type </translation>
    </message>
    <message>
        <source>Solid Color</source>
        <translation>Couleur unie</translation>
    </message>
    <message>
        <source>Gradient Colors</source>
        <translation>Dégradé</translation>
    </message>
    <message>
        <source>Tiled Image</source>
        <translation>Image en mosaïque</translation>
    </message>
    <message>
        <source>Select Solid Color</source>
        <translation>Choisir la couleur</translation>
    </message>
    <message>
        <source> Direction </source>
        <translation> Direction </translation>
    </message>
    <message>
        <source>Vertical Gradient</source>
        <translation>Dégradé vertical</translation>
    </message>
    <message>
        <source>Horizontal Gradient</source>
        <translation>Dégradé horizontal</translation>
    </message>
    <message>
        <source>Select Starting Color</source>
        <translation>Couleur de départ</translation>
    </message>
    <message>
        <source>Select Ending Color</source>
        <translation>Couleur d&apos;arrivée</translation>
    </message>
    <message>
        <source>Browse to select an Image</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Enable Sounds</source>
        <translation>Activer les sons</translation>
    </message>
    <message>
        <source>Perform Animation on Deals</source>
        <translation>Animer la distribution</translation>
    </message>
    <message>
        <source>Minimize to Tray in Taskbar</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>The custom card back image %1 was not found.</source>
        <translation>L&apos;image %1 du dos de carte personnel est introuvable.</translation>
    </message>
    <message>
        <source>GIF images are not supported.</source>
        <translation>Les images GIF ne sont pas prises en charge.</translation>
    </message>
    <message>
        <source>The picture %1 could not be read.</source>
        <translation>Impossible de lire l&apos;image %1.</translation>
    </message>
    <message>
        <source>The game background image %1 was not found.</source>
        <translation>L&apos;image de fond %1 est introuvable.</translation>
    </message>
    <message>
        <source>Card back %1</source>
        <translation>Dos de carte %1</translation>
    </message>
    <message>
        <source>Custom card back</source>
        <translation>Dos de carte personnalisé</translation>
    </message>
    <message>
        <source>Solid color</source>
        <translation>Couleur unie</translation>
    </message>
    <message>
        <source>Starting color</source>
        <translation>Couleur de départ</translation>
    </message>
    <message>
        <source>Ending color</source>
        <translation>Couleur d&apos;arrivée</translation>
    </message>
</context>
<context>
    <name>TProfile</name>
    <message>
        <source>Quillane could not save its settings in the file %1.

Changed settings apply until Quillane closes, but they will not be kept.</source>
        <translation>Quillane n&apos;a pas pu enregistrer ses réglages dans le fichier %1.

Les réglages modifiés s&apos;appliquent jusqu&apos;à la fermeture de Quillane, mais ils ne seront pas conservés.</translation>
    </message>
</context>
<context>
    <name>TPyramidForm</name>
    <message>
        <source>First Pass</source>
        <translation>1er tour</translation>
    </message>
    <message>
        <source>Second Pass</source>
        <translation>2e tour</translation>
    </message>
    <message>
        <source>Third Pass</source>
        <translation>3e tour</translation>
    </message>
    <message>
        <source>Row %1, card %2</source>
        <translation>Rangée %1, carte %2</translation>
    </message>
    <message>
        <source>Turned card</source>
        <translation>Carte retournée</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Défausse</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Rebut</translation>
    </message>
</context>
<context>
    <name>TQueenItalyForm</name>
    <message>
        <source>&amp;Autoplay</source>
        <translation>&amp;Jeu automatique</translation>
    </message>
</context>
<context>
    <name>TSelectDealDlg</name>
    <message>
        <source>Select Deal</source>
        <translation>Choisir la donne</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Numéro de donne (0 à 4294967295) :</translation>
    </message>
</context>
<context>
    <name>TSolitaireForm</name>
    <message>
        <source>Quillane requires at least high-color (16-bit) color palette setting to play.

Please press the Help button below for more information.</source>
        <translation>Quillane nécessite au moins une palette de couleurs High Color (16 bits).

Cliquez sur le bouton Aide ci-dessous pour en savoir plus.</translation>
    </message>
    <message>
        <source>%1 requires at least XGA (1024x768) desktop area to play using the large card preference.

Increase your desktop area or select the small card size preference.</source>
        <translation>%1 nécessite au moins un bureau XGA (1024x768) avec les grandes cartes.

Agrandissez la zone du bureau ou choisissez les petites cartes dans les préférences.</translation>
    </message>
    <message>
        <source>%1 requires at least SVGA (800x600) desktop area to play.

Increase your desktop area to play.</source>
        <translation>%1 nécessite au moins un bureau SVGA (800x600).

Agrandissez la zone du bureau pour jouer.</translation>
    </message>
    <message>
        <source>%1 requires at least SVGA (800x600) desktop area to play using the large card preference.

Increase your desktop area or select the small card size preference.</source>
        <translation>%1 nécessite au moins un bureau SVGA (800x600) avec les grandes cartes.

Agrandissez la zone du bureau ou choisissez les petites cartes dans les préférences.</translation>
    </message>
    <message>
        <source>Select Solitaire Game</source>
        <translation>Choisir une réussite</translation>
    </message>
    <message>
        <source>Click for Info...</source>
        <translation>Cliquez pour en savoir plus...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aide...</translation>
    </message>
    <message>
        <source>Choose a game from the list</source>
        <translation>Choisissez un jeu</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>TSpiderForm</name>
    <message>
        <source>&amp;Same Suit Moves</source>
        <translation>&amp;Même couleur uniquement</translation>
    </message>
    <message>
        <source>If checked, build down only in same suit</source>
        <translation>Si coché, on ne descend que dans la même couleur</translation>
    </message>
    <message>
        <source>You must fill empty tableau spaces first.</source>
        <translation>Il faut d&apos;abord remplir les colonnes vides.</translation>
    </message>
</context>
<context>
    <name>TStatisticsDlg</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Played: %1   Won: %2   Win rate: %3%</source>
        <translation>Jouées : %1   Gagnées : %2   Taux de réussite : %3 %</translation>
    </message>
    <message>
        <source>The statistics file was damaged. It has been set aside as &quot;%1&quot;, and the statistics start again from zero.</source>
        <translation>Le fichier de statistiques était endommagé. Il a été mis de côté sous « %1 », et les statistiques repartent de zéro.</translation>
    </message>
    <message>
        <source>The statistics cannot be saved in &quot;%1&quot;. They are kept until Quillane closes.</source>
        <translation>Les statistiques ne peuvent pas être enregistrées dans « %1 ». Elles sont conservées jusqu&apos;à la fermeture de Quillane.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Deals played:</source>
        <translation>Donnes jouées :</translation>
    </message>
    <message>
        <source>Deals won:</source>
        <translation>Donnes gagnées :</translation>
    </message>
    <message>
        <source>Win rate:</source>
        <translation>Taux de réussite :</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>Série en cours :</translation>
    </message>
    <message>
        <source>Total time played:</source>
        <translation>Temps de jeu total :</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Plus longue série gagnante :</translation>
    </message>
    <message>
        <source>Longest losing streak:</source>
        <translation>Plus longue série perdante :</translation>
    </message>
    <message>
        <source>Fewest moves in a win:</source>
        <translation>Victoire en moins de coups :</translation>
    </message>
    <message>
        <source>Fastest win:</source>
        <translation>Victoire la plus rapide :</translation>
    </message>
    <message>
        <source>This deal&apos;s number:</source>
        <translation>Numéro de cette donne :</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jouées</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnée</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Taux de réussite</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Longest won</source>
        <translation>Plus longue série gagnante</translation>
    </message>
    <message>
        <source>Longest lost</source>
        <translation>Plus longue série perdante</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Moins de coups</translation>
    </message>
    <message>
        <source>Fastest win</source>
        <translation>Victoire la plus rapide</translation>
    </message>
    <message>
        <source>All games:</source>
        <translation>Tous les jeux :</translation>
    </message>
    <message>
        <source>Deal number</source>
        <translation>Numéro de donne</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Last deals of %1 (double-click one to play it again):</source>
        <translation>Dernières donnes de %1 (double-cliquez sur une donne pour la rejouer) :</translation>
    </message>
    <message>
        <source>&amp;Play Again</source>
        <translation>&amp;Rejouer</translation>
    </message>
    <message>
        <source>&amp;Reset %1...</source>
        <translation>&amp;Réinitialiser %1...</translation>
    </message>
    <message>
        <source>Reset &amp;All...</source>
        <translation>&amp;Tout réinitialiser...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdue</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?</source>
        <translation>Réinitialiser les statistiques de %1 ?</translation>
    </message>
    <message>
        <source>Reset the statistics of all games?</source>
        <translation>Réinitialiser les statistiques de tous les jeux ?</translation>
    </message>
    <message numerus="yes">
        <source>%n won</source>
        <translation>
            <numerusform>%n victoire</numerusform>
            <numerusform>%n victoires</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lost</source>
        <translation>
            <numerusform>%n défaite</numerusform>
            <numerusform>%n défaites</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSysRequirementsForm</name>
    <message>
        <source>System<byte value="xd"/>
Requirements</source>
        <translation>Configuration<byte value="xd"/>
requise</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Préférences...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>TWinForm</name>
    <message>
        <source>You&apos;ve Won!</source>
        <translation>Gagné !</translation>
    </message>
    <message>
        <source>OK, Great!</source>
        <translation>Super !</translation>
    </message>
</context>
</TS>
