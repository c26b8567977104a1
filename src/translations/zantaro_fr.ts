<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BorrowDialog</name>
    <message>
        <source>Borrow 1 credit</source>
        <translation>Emprunter 1 crédit</translation>
    </message>
    <message>
        <source>Pay back 1 credit</source>
        <translation>Rembourser 1 crédit</translation>
    </message>
    <message>
        <source>Borrow %1 credits</source>
        <translation>Emprunter %1 crédits</translation>
    </message>
    <message>
        <source>Pay back %1 credits</source>
        <translation>Rembourser %1 crédits</translation>
    </message>
    <message>
        <source>Credits: %1. Borrowed: %2.</source>
        <translation>Crédits&#xa0;: %1. Empruntés&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Empruntez ou remboursez des crédits</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode&#xa0;:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Emprunter</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Rembourser</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation>Cet écran vous permet d&apos;emprunter des crédits ou de rembourser ceux que vous avez empruntés.  Cliquez sur le bouton du montant à emprunter (ou à rembourser).<byte value="xd"/>
<byte value="xd"/>
Pour choisir entre «&#xa0;emprunter&#xa0;» et «&#xa0;rembourser&#xa0;», sélectionnez le mode.</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Crédits&#xa0;:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Empruntés&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CardWords</name>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Card %1, face down</source>
        <translation>Carte %1, face cachée</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Rangée %1, colonne %2</translation>
    </message>
    <message>
        <source>%1 loses all your winnings. Winnings: %2. The hand is over.</source>
        <translation>%1 vous fait perdre tous vos gains. Gains&#xa0;: %2. La donne est terminée.</translation>
    </message>
    <message>
        <source>%1 loses half your winnings. Winnings: %2.</source>
        <translation>%1 vous fait perdre la moitié de vos gains. Gains&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is a push. Winnings: %2.</source>
        <translation>%1&#xa0;: égalité. Gains&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 multiplies your winnings by %2. Winnings: %3.</source>
        <translation>%1 multiplie vos gains par %2. Gains&#xa0;: %3.</translation>
    </message>
</context>
<context>
    <name>CommandStrip</name>
    <message>
        <source>Help?</source>
        <translation>Aide&#xa0;?</translation>
    </message>
    <message>
        <source>View the Zantaro Manual</source>
        <translation>Voir le manuel de Zantaro</translation>
    </message>
    <message>
        <source>Pay Mode</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Instant Payoff or Count Off Credits</source>
        <translation>Paiement immédiat ou crédits comptés un à un</translation>
    </message>
    <message>
        <source>Pay Chart</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>View the Zantaro Payoff Chart</source>
        <translation>Voir la table des gains de Zantaro</translation>
    </message>
    <message>
        <source>Borrow</source>
        <translation>Emprunt</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Emprunter des crédits</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Start a New Game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Summary of Last Spin</source>
        <translation>Résumé du dernier tour</translation>
    </message>
    <message>
        <source>Auto Spin</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Click to Start Auto Spin Mode</source>
        <translation>Cliquez pour jouer en automatique</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Click to Turn Sound On or Off</source>
        <translation>Cliquez pour activer ou couper le son</translation>
    </message>
    <message>
        <source>WWW Site</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Visit the Hollowmere Internet Site</source>
        <translation>Visiter le site Internet de Hollowmere</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>Click to Disable the Double or Nothing Bonus Game</source>
        <translation>Cliquez pour désactiver le quitte ou double</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>Save a Game</source>
        <translation>Sauvegarder une partie</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Load a Game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Stats</translation>
    </message>
    <message>
        <source>View Your Zantaro Statistics</source>
        <translation>Voir vos statistiques Zantaro</translation>
    </message>
    <message>
        <source>Paymode is Count Off Credits</source>
        <translation>Paiement&#xa0;: crédits comptés un à un</translation>
    </message>
    <message>
        <source>Paymode is Instant Payoff</source>
        <translation>Paiement&#xa0;: immédiat</translation>
    </message>
    <message>
        <source>Auto Spin Mode: On</source>
        <translation>Jeu automatique&#xa0;: activé</translation>
    </message>
    <message>
        <source>Auto Spin Mode: Off</source>
        <translation>Jeu automatique&#xa0;: désactivé</translation>
    </message>
    <message>
        <source>Sound is On</source>
        <translation>Le son est activé</translation>
    </message>
    <message>
        <source>Sound is Off</source>
        <translation>Le son est coupé</translation>
    </message>
    <message>
        <source>Double or Nothing Game is On</source>
        <translation>Le quitte ou double est activé</translation>
    </message>
    <message>
        <source>Double or Nothing Game is Off</source>
        <translation>Le quitte ou double est désactivé</translation>
    </message>
</context>
<context>
    <name>CreditChart</name>
    <message>
        <source>Your game so far</source>
        <translation>Votre partie jusqu&apos;ici</translation>
    </message>
    <message>
        <source>No spins yet in this game.</source>
        <translation>Aucun tour joué dans cette partie.</translation>
    </message>
    <message>
        <source>Spins shown: %1. Credits after the first: %2, after the last: %3; lowest %4, highest %5. Bell Pool wins: %6. Free spins: %7.</source>
        <translation>Tours affichés&#xa0;: %1. Crédits après le premier&#xa0;: %2, après le dernier&#xa0;: %3&#xa0;; minimum %4, maximum %5. Cagnottes bonus gagnées&#xa0;: %6. Tours gratuits&#xa0;: %7.</translation>
    </message>
    <message>
        <source>Spins, oldest on the left (the last %1 of this game)</source>
        <translation>Tours, les plus anciens à gauche (les %1 derniers de cette partie)</translation>
    </message>
    <message>
        <source>Credits after the spin</source>
        <translation>Crédits après le tour</translation>
    </message>
    <message>
        <source>Bet per spin</source>
        <translation>Mise par tour</translation>
    </message>
    <message>
        <source>Bell Pool won</source>
        <translation>Cagnotte bonus gagnée</translation>
    </message>
    <message>
        <source>Free spins</source>
        <translation>Tours gratuits</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Mise</translation>
    </message>
</context>
<context>
    <name>GameSlotDialog</name>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Enregistrer une partie – Choisissez un emplacement</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Ouvrir une partie – Choisissez un emplacement</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Nom de cette partie enregistrée&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Zantaro Slots Help</source>
        <translation>Aide de Zantaro Slots</translation>
    </message>
    <message>
        <source>The Zantaro manual cannot be shown: the help file %1 is missing or cannot be read.</source>
        <translation>Impossible d&apos;afficher le manuel de Zantaro&#xa0;: le fichier d&apos;aide %1 est absent ou illisible.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Zantaro Slots Help</source>
        <translation>Aide de Zantaro Slots</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>No spins yet in this game.</source>
        <translation>Aucun tour joué dans cette partie.</translation>
    </message>
    <message>
        <source>Your Game History</source>
        <translation>Historique de votre partie</translation>
    </message>
    <message>
        <source>The last ten spins, newest first</source>
        <translation>Les dix derniers tours, du plus récent au plus ancien</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MachinePainter</name>
    <message>
        <source>Winnings:</source>
        <translation>Gains&#xa0;:</translation>
    </message>
    <message>
        <source>Win 3 FREE Spins:</source>
        <translation>3 tours gratuits&#xa0;:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Crédits&#xa0;:</translation>
    </message>
    <message>
        <source>Bonus Pool:</source>
        <translation>Cagnotte&#xa0;:</translation>
    </message>
    <message>
        <source>Lines Played:</source>
        <translation>Lignes&#xa0;:</translation>
    </message>
    <message>
        <source>Coins/Line:</source>
        <translation>Jetons&#xa0;:</translation>
    </message>
    <message>
        <source>Coins Played:</source>
        <translation>Mise&#xa0;:</translation>
    </message>
    <message>
        <source>FREE Spins:  %1</source>
        <translation>Tours gratuits&#xa0;:  %1</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>You must place a bet first.</source>
        <translation>Vous devez d&apos;abord placer une mise.</translation>
    </message>
    <message>
        <source>You do not have enough credits for that bet,</source>
        <translation>Vous n&apos;avez pas assez de crédits pour cette mise,</translation>
    </message>
    <message>
        <source>You cannot borrow that much: the game cannot hold more than %1 credits.</source>
        <translation>Vous ne pouvez pas emprunter autant&#xa0;: le jeu ne peut pas contenir plus de %1 crédits.</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Vous n&apos;avez pas %1 crédits&#xa0;!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Vous ne pouvez pas rembourser plus de crédits que vous n&apos;en avez empruntés&#xa0;!</translation>
    </message>
    <message>
        <source>Automatic Loser</source>
        <translation>Perte automatique</translation>
    </message>
    <message>
        <source>Bonus Pool increased by %1 credits.</source>
        <translation>Cagnotte bonus augmentée de %1 crédits.</translation>
    </message>
    <message>
        <source>All Winnings Lines are Doubled.</source>
        <translation>Toutes les lignes gagnantes sont doublées.</translation>
    </message>
    <message>
        <source>Line %1 paid %2.</source>
        <translation>La ligne %1 a payé %2.</translation>
    </message>
    <message>
        <source>Won the Bell Pool Worth %1</source>
        <translation>Cagnotte bonus de %1 gagnée</translation>
    </message>
    <message>
        <source>There were no winning lines on the last spin.</source>
        <translation>Aucune ligne gagnante au dernier tour.</translation>
    </message>
</context>
<context>
    <name>PayTableText</name>
    <message>
        <source>Three Wilds</source>
        <translation>Trois Wild</translation>
    </message>
    <message>
        <source>Three Sevens</source>
        <translation>Trois Sept</translation>
    </message>
    <message>
        <source>Three Melons</source>
        <translation>Trois Melons</translation>
    </message>
    <message>
        <source>Three Bells</source>
        <translation>Trois Cloches</translation>
    </message>
    <message>
        <source>Three Apples</source>
        <translation>Trois Pommes</translation>
    </message>
    <message>
        <source>Three Grapes</source>
        <translation>Trois Raisins</translation>
    </message>
    <message>
        <source>Three Cherries</source>
        <translation>Trois Cerises</translation>
    </message>
    <message>
        <source>Cherry, Cherry, any symbol</source>
        <translation>Cerise, Cerise, n&apos;importe quel symbole</translation>
    </message>
    <message>
        <source>Cherry, any symbol, any symbol</source>
        <translation>Cerise, n&apos;importe quel symbole, n&apos;importe quel symbole</translation>
    </message>
    <message>
        <source>Three Triple Bars</source>
        <translation>Trois Triple Bar</translation>
    </message>
    <message>
        <source>Three Double Bars</source>
        <translation>Trois Double Bar</translation>
    </message>
    <message>
        <source>Any mix of Bars and Sevens</source>
        <translation>Tout mélange de Bar et de Sept</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Pays per coin played on the line:</source>
        <translation>Gain par pièce jouée sur la ligne&#xa0;:</translation>
    </message>
    <message>
        <source>On free spins:</source>
        <translation>Pendant les tours gratuits&#xa0;:</translation>
    </message>
    <message>
        <source>A Wild stands for any symbol.</source>
        <translation>Un Wild remplace n&apos;importe quel symbole.</translation>
    </message>
</context>
<context>
    <name>PayoffChartWindow</name>
    <message>
        <source>Payoff chart</source>
        <translation>Table des gains</translation>
    </message>
    <message>
        <source>Payoff Chart</source>
        <translation>Table des gains</translation>
    </message>
    <message>
        <source>The payoff chart picture Paychart.bmp is missing or damaged.</source>
        <translation>L&apos;image de la table des gains, Paychart.bmp, est absente ou endommagée.</translation>
    </message>
</context>
<context>
    <name>PyramidHint</name>
    <message>
        <source>The 5X symbol is behind a square with an odd number on it.</source>
        <translation>Le symbole 5X se cache derrière une case portant un nombre impair.</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with an even number on it.</source>
        <translation>Le symbole 5X se cache derrière une case portant un nombre pair.</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with a number less than or equal to 7 on it.</source>
        <translation>Le symbole 5X se cache derrière une case portant un nombre inférieur ou égal à 7.</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with a number greater than or equal to 7 on it.</source>
        <translation>Le symbole 5X se cache derrière une case portant un nombre supérieur ou égal à 7.</translation>
    </message>
</context>
<context>
    <name>RecallText</name>
    <message>
        <source>%1:%2:%3 UTC</source>
        <translation>%1:%2:%3 UTC</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Melon</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Pomme</translation>
    </message>
    <message>
        <source>Grape</source>
        <translation>Raisin</translation>
    </message>
    <message>
        <source>Automatic Loser: the wheels were blanked.</source>
        <translation>Perte automatique&#xa0;: les rouleaux ont été vidés.</translation>
    </message>
    <message>
        <source>All winning lines were doubled.</source>
        <translation>Toutes les lignes gagnantes ont été doublées.</translation>
    </message>
    <message>
        <source>The FREE lamp gave 1 free spin.</source>
        <translation>La lampe FREE a donné 1 tour gratuit.</translation>
    </message>
    <message>
        <source>Bonus Pool increased by 1 credit.</source>
        <translation>Cagnotte bonus augmentée de 1 crédit.</translation>
    </message>
    <message>
        <source>Bonus Pool increased by %1 credits.</source>
        <translation>Cagnotte bonus augmentée de %1 crédits.</translation>
    </message>
    <message>
        <source>Bell line %1: one lightning bolt went out.</source>
        <translation>Ligne de cloches %1&#xa0;: un éclair s&apos;est éteint.</translation>
    </message>
    <message>
        <source>Won the Bell Pool worth %1.</source>
        <translation>Cagnotte bonus de %1 gagnée.</translation>
    </message>
    <message>
        <source>%1 line: one %1 collected.</source>
        <translation>Ligne %1&#xa0;: +1 %1.</translation>
    </message>
    <message>
        <source>All fruit collected: 1 free spin earned.</source>
        <translation>Tous les fruits récoltés&#xa0;: 1 tour gratuit gagné.</translation>
    </message>
    <message>
        <source>All fruit collected: %1 free spins earned.</source>
        <translation>Tous les fruits récoltés&#xa0;: %1 tours gratuits gagnés.</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>1 ligne</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>1 coin</source>
        <translation>1 pièce</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 pièces</translation>
    </message>
    <message>
        <source>%1  Free spin: %2 x %3</source>
        <translation>%1  Tour gratuit&#xa0;: %2 x %3</translation>
    </message>
    <message>
        <source>%1  Spin: %2 x %3, bet %4</source>
        <translation>%1  Tour&#xa0;: %2 x %3, mise %4</translation>
    </message>
    <message>
        <source>Lamp %1 lit: %2</source>
        <translation>Lampe %1 allumée&#xa0;: %2</translation>
    </message>
    <message>
        <source>Lamp %1 lit.</source>
        <translation>Lampe %1 allumée.</translation>
    </message>
    <message>
        <source>Line %1 paid %2.</source>
        <translation>La ligne %1 a payé %2.</translation>
    </message>
    <message>
        <source>Double or nothing: %1 became %2.</source>
        <translation>Quitte ou double&#xa0;: %1 est devenu %2.</translation>
    </message>
    <message>
        <source>Won %1, credits after %2.</source>
        <translation>Gagné&#xa0;: %1, crédits après&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>SlotPanel</name>
    <message>
        <source>Slot %1 name</source>
        <translation>Nom de l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>Save to slot %1</source>
        <translation>Enregistrer dans l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>Open slot %1</source>
        <translation>Ouvrir l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <translation>%1 crédits</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <translation>%1 empruntés</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Zantaro Slots, a casino slot machine.</source>
        <translation>Zantaro Slots, une machine à sous de casino.</translation>
    </message>
    <message>
        <source>Draws the game FACTOR times its own pixel size (1 to 8; 1 is the original size). Without it the game picks the zoom that fills the screen.</source>
        <translation>Dessine le jeu à FACTEUR fois sa taille en pixels (de 1 à 8&#xa0;; 1 est la taille d&apos;origine). Sans cette option, le jeu choisit le zoom qui remplit l&apos;écran.</translation>
    </message>
    <message>
        <source>FACTOR</source>
        <translation>FACTEUR</translation>
    </message>
    <message>
        <source>--zoom wants a number from 1 to 8, not &quot;%1&quot;</source>
        <translation>--zoom attend un nombre de 1 à 8, pas «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Spins:</source>
        <translation>Tours&#xa0;:</translation>
    </message>
    <message>
        <source>Regular Spins:</source>
        <translation>Tours normaux&#xa0;:</translation>
    </message>
    <message>
        <source>Free Spins:</source>
        <translation>Tours gratuits&#xa0;:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Crédits&#xa0;:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Empruntés&#xa0;:</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Total des mises&#xa0;:</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Gains&#xa0;:</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>Normaux&#xa0;:</translation>
    </message>
    <message>
        <source>Bonus Pool:</source>
        <translation>Cagnotte bonus&#xa0;:</translation>
    </message>
    <message>
        <source>Double or Nothing:</source>
        <translation>Quitte ou double&#xa0;:</translation>
    </message>
    <message>
        <source>Your Game Statistics</source>
        <translation>Statistiques de votre partie</translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation>Taux de redistribution&#xa0;:</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>(Does not include money won/lost on the double-or-nothing game).</source>
        <translation>(Sans l&apos;argent gagné ou perdu au quitte ou double).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
</context>
<context>
    <name>zantaro::CardGameWindow</name>
    <message>
        <source>Double or Nothing Card Game</source>
        <translation>Quitte ou double aux cartes</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Pyramid</source>
        <translation>&amp;Pyramide</translation>
    </message>
    <message>
        <source>A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; a 7 Loses Half Your Winnings; and a 2-6 Loses All Your Winnings.</source>
        <translation>Un Joker paie 10 pour 1&#xa0;; un As paie 3 pour 1&#xa0;; une figure paie 2 pour 1&#xa0;; un 8 à 10 est nul&#xa0;; un 7 vous coûte la moitié de vos gains&#xa0;; et un 2 à 6 vous fait tout perdre.</translation>
    </message>
    <message>
        <source>Winnings: %1</source>
        <translation>Gains&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>zantaro::MainWindow</name>
    <message>
        <source>Wild</source>
        <translation>Wild</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Melon</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Pomme</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Raisin</translation>
    </message>
    <message>
        <source>Cherry</source>
        <translation>Cerise</translation>
    </message>
    <message>
        <source>Triple Bar</source>
        <translation>Triple Bar</translation>
    </message>
    <message>
        <source>Double Bar</source>
        <translation>Double Bar</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>SPIN</source>
        <translation>LANCER</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Add a line</source>
        <translation>Ajouter une ligne</translation>
    </message>
    <message>
        <source>Remove a line</source>
        <translation>Retirer une ligne</translation>
    </message>
    <message>
        <source>Add a coin</source>
        <translation>Ajouter une pièce</translation>
    </message>
    <message>
        <source>Remove a coin</source>
        <translation>Retirer une pièce</translation>
    </message>
    <message>
        <source>Last spin</source>
        <translation>Dernier tour</translation>
    </message>
    <message>
        <source>Credits and bet</source>
        <translation>Crédits et mise</translation>
    </message>
    <message>
        <source>No spin yet.</source>
        <translation>Aucun tour pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Ligne %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Credits %1. Lines played %2, coins per line %3, coins played %4.</source>
        <translation>Crédits %1. Lignes jouées %2, pièces par ligne %3, pièces jouées %4.</translation>
    </message>
    <message>
        <source>Credits %1</source>
        <translation>Crédits %1</translation>
    </message>
    <message>
        <source>Bonus Pool %1</source>
        <translation>Cagnotte bonus %1</translation>
    </message>
    <message>
        <source>Lines Played %1</source>
        <translation>Lignes jouées %1</translation>
    </message>
    <message>
        <source>Coins/Line %1</source>
        <translation>Pièces/ligne %1</translation>
    </message>
    <message>
        <source>Coins Played %1</source>
        <translation>Pièces jouées %1</translation>
    </message>
    <message>
        <source>Winnings %1</source>
        <translation>Gains %1</translation>
    </message>
    <message>
        <source>FREE Spins %1</source>
        <translation>Tours gratuits %1</translation>
    </message>
    <message>
        <source>Bonus lamp %1 lit</source>
        <translation>Lampe bonus %1 allumée</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Rouleaux</translation>
    </message>
    <message>
        <source>Row %1, wheel %2: %3</source>
        <translation>Rangée %1, rouleau %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>You must spin before viewing a summary of the last spin.</source>
        <translation>Vous devez jouer un tour avant de voir le résumé du dernier tour.</translation>
    </message>
    <message>
        <source>Zantaro Slots</source>
        <translation>Zantaro Slots</translation>
    </message>
    <message>
        <source>There are BMP files missing which may cause this program to not function properly!</source>
        <translation>Des fichiers BMP sont manquants, ce qui peut empêcher ce programme de fonctionner correctement&#xa0;!</translation>
    </message>
    <message>
        <source>About Zantaro Slots</source>
        <translation>À propos de Zantaro Slots</translation>
    </message>
    <message>
        <source>Start a New Game?</source>
        <translation>Commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the game?</source>
        <translation>Voulez-vous vraiment quitter le jeu&#xa0;?</translation>
    </message>
    <message>
        <source>Your current game is not saved. Open this game anyway?</source>
        <translation>Votre partie en cours n&apos;est pas enregistrée. Ouvrir quand même cette partie&#xa0;?</translation>
    </message>
    <message>
        <source>Could not find a web browser on your system!</source>
        <translation>Aucun navigateur web n&apos;a été trouvé sur votre système&#xa0;!</translation>
    </message>
    <message>
        <source>Please visit Hollowmere at:  %1</source>
        <translation>Rendez visite à Hollowmere à l&apos;adresse&#xa0;:  %1</translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation>%1 version %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Version: %2<byte value="xd"/>
<byte value="xd"/>
Since it has been over 90 days since you installed this program, it is likely that we have a newer version available for free download.  Would you like to visit our website to get a newer version of %1?</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Version&#xa0;: %2<byte value="xd"/>
<byte value="xd"/>
Vous avez installé ce programme il y a plus de 90 jours&#xa0;: une version plus récente est sans doute disponible en téléchargement gratuit.  Voulez-vous visiter notre site web pour obtenir une version plus récente de %1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>zantaro::PyramidWindow</name>
    <message>
        <source>Square %1: %2. Winnings: %3. The game is over.</source>
        <translation>Case %1&#xa0;: %2. Gains&#xa0;: %3. La partie est terminée.</translation>
    </message>
    <message>
        <source>Square %1: %2. Winnings: %3.</source>
        <translation>Case %1&#xa0;: %2. Gains&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Square %1: %2</source>
        <translation>Case %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Case %1</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Winnings:</source>
        <translation>Gains&#xa0;:</translation>
    </message>
    <message>
        <source>Click a square and try to win a prize.  You can continue until you lose.</source>
        <translation>Cliquez sur une case pour tenter de gagner un prix.  Continuez jusqu&apos;à perdre.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Card Game</source>
        <translation>&amp;Jeu de cartes</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Rejouez</translation>
    </message>
</context>
<context>
    <name>zantaro::RecallView</name>
    <message>
        <source>%1.  %2</source>
        <translation>%1.  %2</translation>
    </message>
</context>
</TS>
