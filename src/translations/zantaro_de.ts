<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BorrowDialog</name>
    <message>
        <source>Borrow 1 credit</source>
        <translation>1 Credit leihen</translation>
    </message>
    <message>
        <source>Pay back 1 credit</source>
        <translation>1 Credit zurückzahlen</translation>
    </message>
    <message>
        <source>Borrow %1 credits</source>
        <translation>%1 Credits leihen</translation>
    </message>
    <message>
        <source>Pay back %1 credits</source>
        <translation>%1 Credits zurückzahlen</translation>
    </message>
    <message>
        <source>Credits: %1. Borrowed: %2.</source>
        <translation>Credits: %1. Geliehen: %2.</translation>
    </message>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Hier leihen Sie Credits oder zahlen sie zurück</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Credits leihen</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Credits zurückzahlen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation>Hier leihen Sie Credits oder zahlen früher geliehene Credits zurück.  Klicken Sie auf die Schaltfläche mit dem Betrag, den Sie leihen (oder zurückzahlen) möchten.<byte value="xd"/>
<byte value="xd"/>
Um zwischen „leihen“ und „zurückzahlen“ zu wechseln, wählen Sie den Modus.</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Credits:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Geliehen:</translation>
    </message>
</context>
<context>
    <name>CardWords</name>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>Card %1, face down</source>
        <translation>Karte %1, verdeckt</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Reihe %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1 loses all your winnings. Winnings: %2. The hand is over.</source>
        <translation>%1 kostet Ihren ganzen Gewinn. Gewinn: %2. Die Runde ist vorbei.</translation>
    </message>
    <message>
        <source>%1 loses half your winnings. Winnings: %2.</source>
        <translation>%1 halbiert Ihren Gewinn. Gewinn: %2.</translation>
    </message>
    <message>
        <source>%1 is a push. Winnings: %2.</source>
        <translation>%1 ist ein Unentschieden. Gewinn: %2.</translation>
    </message>
    <message>
        <source>%1 multiplies your winnings by %2. Winnings: %3.</source>
        <translation>%1 vervielfacht Ihren Gewinn mit %2. Gewinn: %3.</translation>
    </message>
</context>
<context>
    <name>CommandStrip</name>
    <message>
        <source>Help?</source>
        <translation>Hilfe?</translation>
    </message>
    <message>
        <source>View the Zantaro Manual</source>
        <translation>Das Zantaro-Handbuch ansehen</translation>
    </message>
    <message>
        <source>Pay Mode</source>
        <translation>Auszahlen</translation>
    </message>
    <message>
        <source>Instant Payoff or Count Off Credits</source>
        <translation>Sofort auszahlen oder Credits abzählen</translation>
    </message>
    <message>
        <source>Pay Chart</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>View the Zantaro Payoff Chart</source>
        <translation>Die Gewinntabelle von Zantaro ansehen</translation>
    </message>
    <message>
        <source>Borrow</source>
        <translation>Leihen</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Credits leihen</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Start a New Game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Summary of Last Spin</source>
        <translation>Übersicht über den letzten Spin</translation>
    </message>
    <message>
        <source>Auto Spin</source>
        <translation>Auto-Spin</translation>
    </message>
    <message>
        <source>Click to Start Auto Spin Mode</source>
        <translation>Klicken, um automatisch zu spielen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Click to Turn Sound On or Off</source>
        <translation>Klicken, um den Ton ein- oder auszuschalten</translation>
    </message>
    <message>
        <source>WWW Site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Visit the Hollowmere Internet Site</source>
        <translation>Die Website von Hollowmere besuchen</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppeln</translation>
    </message>
    <message>
        <source>Click to Disable the Double or Nothing Bonus Game</source>
        <translation>Klicken, um „Doppelt oder nichts“ abzuschalten</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save a Game</source>
        <translation>Ein Spiel speichern</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Load a Game</source>
        <translation>Ein Spiel laden</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>View Your Zantaro Statistics</source>
        <translation>Ihre Zantaro-Statistik ansehen</translation>
    </message>
    <message>
        <source>Paymode is Count Off Credits</source>
        <translation>Auszahlung: Credits abzählen</translation>
    </message>
    <message>
        <source>Paymode is Instant Payoff</source>
        <translation>Auszahlung: sofort</translation>
    </message>
    <message>
        <source>Auto Spin Mode: On</source>
        <translation>Automatisch spielen: an</translation>
    </message>
    <message>
        <source>Auto Spin Mode: Off</source>
        <translation>Automatisch spielen: aus</translation>
    </message>
    <message>
        <source>Sound is On</source>
        <translation>Ton ist an</translation>
    </message>
    <message>
        <source>Sound is Off</source>
        <translation>Ton ist aus</translation>
    </message>
    <message>
        <source>Double or Nothing Game is On</source>
        <translation>„Doppelt oder nichts“ ist an</translation>
    </message>
    <message>
        <source>Double or Nothing Game is Off</source>
        <translation>„Doppelt oder nichts“ ist aus</translation>
    </message>
</context>
<context>
    <name>CreditChart</name>
    <message>
        <source>Your game so far</source>
        <translation>Ihr bisheriges Spiel</translation>
    </message>
    <message>
        <source>No spins yet in this game.</source>
        <translation>Noch keine Spins in diesem Spiel.</translation>
    </message>
    <message>
        <source>Spins shown: %1. Credits after the first: %2, after the last: %3; lowest %4, highest %5. Bell Pool wins: %6. Free spins: %7.</source>
        <translation>Gezeigte Spins: %1. Credits nach dem ersten: %2, nach dem letzten: %3; niedrigster Stand %4, höchster %5. Bonuspool-Gewinne: %6. Freispiele: %7.</translation>
    </message>
    <message>
        <source>Spins, oldest on the left (the last %1 of this game)</source>
        <translation>Spins, die ältesten links (die letzten %1 dieses Spiels)</translation>
    </message>
    <message>
        <source>Credits after the spin</source>
        <translation>Credits nach dem Spin</translation>
    </message>
    <message>
        <source>Bet per spin</source>
        <translation>Einsatz je Spin</translation>
    </message>
    <message>
        <source>Bell Pool won</source>
        <translation>Bonuspool gewonnen</translation>
    </message>
    <message>
        <source>Free spins</source>
        <translation>Freispiele</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Einsatz</translation>
    </message>
</context>
<context>
    <name>GameSlotDialog</name>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Spiel speichern – Speicherplatz wählen</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Spiel öffnen – Speicherplatz wählen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Name für diesen Spielstand?</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Zantaro Slots Help</source>
        <translation>Hilfe zu Zantaro Slots</translation>
    </message>
    <message>
        <source>The Zantaro manual cannot be shown: the help file %1 is missing or cannot be read.</source>
        <translation>Das Zantaro-Handbuch kann nicht angezeigt werden: Die Hilfedatei %1 fehlt oder ist nicht lesbar.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Zantaro Slots Help</source>
        <translation>Hilfe zu Zantaro Slots</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>No spins yet in this game.</source>
        <translation>Noch keine Spins in diesem Spiel.</translation>
    </message>
    <message>
        <source>Your Game History</source>
        <translation>Ihr Spielverlauf</translation>
    </message>
    <message>
        <source>The last ten spins, newest first</source>
        <translation>Die letzten zehn Spins, der neueste zuerst</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
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
        <translation>Gewinn:</translation>
    </message>
    <message>
        <source>Win 3 FREE Spins:</source>
        <translation>3 Freispiele:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Credits:</translation>
    </message>
    <message>
        <source>Bonus Pool:</source>
        <translation>Bonuspool:</translation>
    </message>
    <message>
        <source>Lines Played:</source>
        <translation>Linien:</translation>
    </message>
    <message>
        <source>Coins/Line:</source>
        <translation>Münzen:</translation>
    </message>
    <message>
        <source>Coins Played:</source>
        <translation>Einsatz:</translation>
    </message>
    <message>
        <source>FREE Spins:  %1</source>
        <translation>Freispiele:  %1</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>You must place a bet first.</source>
        <translation>Sie müssen zuerst einen Einsatz setzen.</translation>
    </message>
    <message>
        <source>You do not have enough credits for that bet,</source>
        <translation>Sie haben nicht genug Credits für diesen Einsatz,</translation>
    </message>
    <message>
        <source>You cannot borrow that much: the game cannot hold more than %1 credits.</source>
        <translation>So viel können Sie nicht leihen: Das Spiel fasst höchstens %1 Credits.</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Sie haben keine %1 Credits!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Sie können nicht mehr Credits zurückzahlen, als Sie geliehen haben!</translation>
    </message>
    <message>
        <source>Automatic Loser</source>
        <translation>Automatische Niete</translation>
    </message>
    <message>
        <source>Bonus Pool increased by %1 credits.</source>
        <translation>Bonuspool um %1 Credits erhöht.</translation>
    </message>
    <message>
        <source>All Winnings Lines are Doubled.</source>
        <translation>Alle Gewinnlinien werden verdoppelt.</translation>
    </message>
    <message>
        <source>Line %1 paid %2.</source>
        <translation>Linie %1 zahlte %2.</translation>
    </message>
    <message>
        <source>Won the Bell Pool Worth %1</source>
        <translation>Bonuspool im Wert von %1 gewonnen</translation>
    </message>
    <message>
        <source>There were no winning lines on the last spin.</source>
        <translation>Beim letzten Spin gab es keine Gewinnlinien.</translation>
    </message>
</context>
<context>
    <name>PayTableText</name>
    <message>
        <source>Three Wilds</source>
        <translation>Drei Wilds</translation>
    </message>
    <message>
        <source>Three Sevens</source>
        <translation>Drei Siebenen</translation>
    </message>
    <message>
        <source>Three Melons</source>
        <translation>Drei Melonen</translation>
    </message>
    <message>
        <source>Three Bells</source>
        <translation>Drei Glocken</translation>
    </message>
    <message>
        <source>Three Apples</source>
        <translation>Drei Äpfel</translation>
    </message>
    <message>
        <source>Three Grapes</source>
        <translation>Drei Trauben</translation>
    </message>
    <message>
        <source>Three Cherries</source>
        <translation>Drei Kirschen</translation>
    </message>
    <message>
        <source>Cherry, Cherry, any symbol</source>
        <translation>Kirsche, Kirsche, beliebiges Symbol</translation>
    </message>
    <message>
        <source>Cherry, any symbol, any symbol</source>
        <translation>Kirsche, beliebiges Symbol, beliebiges Symbol</translation>
    </message>
    <message>
        <source>Three Triple Bars</source>
        <translation>Drei Triple Bars</translation>
    </message>
    <message>
        <source>Three Double Bars</source>
        <translation>Drei Double Bars</translation>
    </message>
    <message>
        <source>Any mix of Bars and Sevens</source>
        <translation>Beliebige Mischung aus Bars und Siebenen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Pays per coin played on the line:</source>
        <translation>Gewinn je Münze auf der Linie:</translation>
    </message>
    <message>
        <source>On free spins:</source>
        <translation>Bei Freispielen:</translation>
    </message>
    <message>
        <source>A Wild stands for any symbol.</source>
        <translation>Ein Wild ersetzt jedes Symbol.</translation>
    </message>
</context>
<context>
    <name>PayoffChartWindow</name>
    <message>
        <source>Payoff chart</source>
        <translation>Gewinntabelle</translation>
    </message>
    <message>
        <source>Payoff Chart</source>
        <translation>Gewinntabelle</translation>
    </message>
    <message>
        <source>The payoff chart picture Paychart.bmp is missing or damaged.</source>
        <translation>Das Bild der Gewinntabelle, Paychart.bmp, fehlt oder ist beschädigt.</translation>
    </message>
</context>
<context>
    <name>PyramidHint</name>
    <message>
        <source>The 5X symbol is behind a square with an odd number on it.</source>
        <translation>Das 5X-Symbol liegt hinter einem Feld mit einer ungeraden Zahl.</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with an even number on it.</source>
        <translation>Das 5X-Symbol liegt hinter einem Feld mit einer geraden Zahl.</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with a number less than or equal to 7 on it.</source>
        <translation>Das 5X-Symbol liegt hinter einem Feld mit einer Zahl kleiner oder gleich 7.</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with a number greater than or equal to 7 on it.</source>
        <translation>Das 5X-Symbol liegt hinter einem Feld mit einer Zahl größer oder gleich 7.</translation>
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
        <translation>Melone</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Apfel</translation>
    </message>
    <message>
        <source>Grape</source>
        <translation>Traube</translation>
    </message>
    <message>
        <source>Automatic Loser: the wheels were blanked.</source>
        <translation>Automatische Niete: Die Walzen wurden geleert.</translation>
    </message>
    <message>
        <source>All winning lines were doubled.</source>
        <translation>Alle Gewinnlinien wurden verdoppelt.</translation>
    </message>
    <message>
        <source>The FREE lamp gave 1 free spin.</source>
        <translation>Die FREE-Lampe gab 1 Freispiel.</translation>
    </message>
    <message>
        <source>Bonus Pool increased by 1 credit.</source>
        <translation>Bonuspool um 1 Credit erhöht.</translation>
    </message>
    <message>
        <source>Bonus Pool increased by %1 credits.</source>
        <translation>Bonuspool um %1 Credits erhöht.</translation>
    </message>
    <message>
        <source>Bell line %1: one lightning bolt went out.</source>
        <translation>Glockenlinie %1: Ein Blitz ist erloschen.</translation>
    </message>
    <message>
        <source>Won the Bell Pool worth %1.</source>
        <translation>Bonuspool im Wert von %1 gewonnen.</translation>
    </message>
    <message>
        <source>%1 line: one %1 collected.</source>
        <translation>%1-Linie: 1 %1 gesammelt.</translation>
    </message>
    <message>
        <source>All fruit collected: 1 free spin earned.</source>
        <translation>Alle Früchte gesammelt: 1 Freispiel gewonnen.</translation>
    </message>
    <message>
        <source>All fruit collected: %1 free spins earned.</source>
        <translation>Alle Früchte gesammelt: %1 Freispiele gewonnen.</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>1 Linie</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 Linien</translation>
    </message>
    <message>
        <source>1 coin</source>
        <translation>1 Münze</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 Münzen</translation>
    </message>
    <message>
        <source>%1  Free spin: %2 x %3</source>
        <translation>%1  Freispiel: %2 x %3</translation>
    </message>
    <message>
        <source>%1  Spin: %2 x %3, bet %4</source>
        <translation>%1  Spin: %2 x %3, Einsatz %4</translation>
    </message>
    <message>
        <source>Lamp %1 lit: %2</source>
        <translation>Lampe %1 leuchtete: %2</translation>
    </message>
    <message>
        <source>Lamp %1 lit.</source>
        <translation>Lampe %1 leuchtete.</translation>
    </message>
    <message>
        <source>Line %1 paid %2.</source>
        <translation>Linie %1 zahlte %2.</translation>
    </message>
    <message>
        <source>Double or nothing: %1 became %2.</source>
        <translation>Doppelt oder nichts: Aus %1 wurde %2.</translation>
    </message>
    <message>
        <source>Won %1, credits after %2.</source>
        <translation>Gewonnen: %1, Credits danach: %2.</translation>
    </message>
</context>
<context>
    <name>SlotPanel</name>
    <message>
        <source>Slot %1 name</source>
        <translation>Name von Speicherplatz %1</translation>
    </message>
    <message>
        <source>Save to slot %1</source>
        <translation>In Speicherplatz %1 speichern</translation>
    </message>
    <message>
        <source>Open slot %1</source>
        <translation>Speicherplatz %1 öffnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <translation>%1 Credits</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <translation>%1 geliehen</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Zantaro Slots, a casino slot machine.</source>
        <translation>Zantaro Slots, ein Casino-Spielautomat.</translation>
    </message>
    <message>
        <source>Draws the game FACTOR times its own pixel size (1 to 8; 1 is the original size). Without it the game picks the zoom that fills the screen.</source>
        <translation>Zeichnet das Spiel FAKTOR-mal so groß wie in seiner eigenen Pixelgröße (1 bis 8; 1 ist die Originalgröße). Ohne diese Option wählt das Spiel den Zoom, der den Bildschirm füllt.</translation>
    </message>
    <message>
        <source>FACTOR</source>
        <translation>FAKTOR</translation>
    </message>
    <message>
        <source>--zoom wants a number from 1 to 8, not &quot;%1&quot;</source>
        <translation>--zoom erwartet eine Zahl von 1 bis 8, nicht „%1“</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Spins:</source>
        <translation>Spins:</translation>
    </message>
    <message>
        <source>Regular Spins:</source>
        <translation>Normale Spins:</translation>
    </message>
    <message>
        <source>Free Spins:</source>
        <translation>Freispiele:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Credits:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Geliehen:</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Einsätze gesamt:</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Auszahlungen:</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>Normal:</translation>
    </message>
    <message>
        <source>Bonus Pool:</source>
        <translation>Bonuspool:</translation>
    </message>
    <message>
        <source>Double or Nothing:</source>
        <translation>Doppelt oder nichts:</translation>
    </message>
    <message>
        <source>Your Game Statistics</source>
        <translation>Ihre Spielstatistik</translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation>Gesamte Auszahlungsquote:</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>(Does not include money won/lost on the double-or-nothing game).</source>
        <translation>(Ohne Gewinne und Verluste aus dem Spiel „Doppelt oder nichts“).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
</context>
<context>
    <name>zantaro::CardGameWindow</name>
    <message>
        <source>Double or Nothing Card Game</source>
        <translation>Kartenspiel Doppelt oder nichts</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Pyramid</source>
        <translation>&amp;Pyramide</translation>
    </message>
    <message>
        <source>A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; a 7 Loses Half Your Winnings; and a 2-6 Loses All Your Winnings.</source>
        <translation>Ein Joker zahlt 10:1, ein Ass 3:1, jede Bildkarte 2:1; eine 8 bis 10 ist ein Unentschieden; eine 7 halbiert Ihren Gewinn, und eine 2 bis 6 kostet Ihren ganzen Gewinn.</translation>
    </message>
    <message>
        <source>Winnings: %1</source>
        <translation>Gewinn: %1</translation>
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
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Melone</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Apfel</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Trauben</translation>
    </message>
    <message>
        <source>Cherry</source>
        <translation>Kirsche</translation>
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
        <translation>Leer</translation>
    </message>
    <message>
        <source>SPIN</source>
        <translation>DREHEN</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>Add a line</source>
        <translation>Linie hinzufügen</translation>
    </message>
    <message>
        <source>Remove a line</source>
        <translation>Linie entfernen</translation>
    </message>
    <message>
        <source>Add a coin</source>
        <translation>Münze hinzufügen</translation>
    </message>
    <message>
        <source>Remove a coin</source>
        <translation>Münze entfernen</translation>
    </message>
    <message>
        <source>Last spin</source>
        <translation>Letzter Spin</translation>
    </message>
    <message>
        <source>Credits and bet</source>
        <translation>Credits und Einsatz</translation>
    </message>
    <message>
        <source>No spin yet.</source>
        <translation>Noch kein Spin.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Linie %1: %2.</translation>
    </message>
    <message>
        <source>Credits %1. Lines played %2, coins per line %3, coins played %4.</source>
        <translation>Credits %1. Gespielte Linien %2, Münzen je Linie %3, gesetzte Münzen %4.</translation>
    </message>
    <message>
        <source>Credits %1</source>
        <translation>Credits %1</translation>
    </message>
    <message>
        <source>Bonus Pool %1</source>
        <translation>Bonuspool %1</translation>
    </message>
    <message>
        <source>Lines Played %1</source>
        <translation>Gespielte Linien %1</translation>
    </message>
    <message>
        <source>Coins/Line %1</source>
        <translation>Münzen/Linie %1</translation>
    </message>
    <message>
        <source>Coins Played %1</source>
        <translation>Gesetzte Münzen %1</translation>
    </message>
    <message>
        <source>Winnings %1</source>
        <translation>Gewinn %1</translation>
    </message>
    <message>
        <source>FREE Spins %1</source>
        <translation>Freispiele %1</translation>
    </message>
    <message>
        <source>Bonus lamp %1 lit</source>
        <translation>Bonuslampe %1 leuchtet</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Walzen</translation>
    </message>
    <message>
        <source>Row %1, wheel %2: %3</source>
        <translation>Reihe %1, Walze %2: %3</translation>
    </message>
    <message>
        <source>You must spin before viewing a summary of the last spin.</source>
        <translation>Sie müssen erst einen Spin machen, bevor Sie eine Zusammenfassung des letzten Spins sehen können.</translation>
    </message>
    <message>
        <source>Zantaro Slots</source>
        <translation>Zantaro Slots</translation>
    </message>
    <message>
        <source>There are BMP files missing which may cause this program to not function properly!</source>
        <translation>Es fehlen BMP-Dateien; das Programm funktioniert deshalb womöglich nicht richtig!</translation>
    </message>
    <message>
        <source>About Zantaro Slots</source>
        <translation>Über Zantaro Slots</translation>
    </message>
    <message>
        <source>Start a New Game?</source>
        <translation>Ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the game?</source>
        <translation>Möchten Sie das Spiel wirklich beenden?</translation>
    </message>
    <message>
        <source>Your current game is not saved. Open this game anyway?</source>
        <translation>Ihr aktuelles Spiel ist nicht gespeichert. Dieses Spiel trotzdem öffnen?</translation>
    </message>
    <message>
        <source>Could not find a web browser on your system!</source>
        <translation>Auf Ihrem System wurde kein Webbrowser gefunden!</translation>
    </message>
    <message>
        <source>Please visit Hollowmere at:  %1</source>
        <translation>Besuchen Sie Hollowmere unter:  %1</translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation>%1 Version %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Version: %2<byte value="xd"/>
<byte value="xd"/>
Since it has been over 90 days since you installed this program, it is likely that we have a newer version available for free download.  Would you like to visit our website to get a newer version of %1?</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Version: %2<byte value="xd"/>
<byte value="xd"/>
Sie haben dieses Programm vor über 90 Tagen installiert; wahrscheinlich gibt es inzwischen eine neuere Version zum kostenlosen Herunterladen.  Möchten Sie unsere Website besuchen, um eine neuere Version von %1 zu holen?</translation>
    </message>
</context>
<context>
    <name>zantaro::PyramidWindow</name>
    <message>
        <source>Square %1: %2. Winnings: %3. The game is over.</source>
        <translation>Feld %1: %2. Gewinn: %3. Das Spiel ist vorbei.</translation>
    </message>
    <message>
        <source>Square %1: %2. Winnings: %3.</source>
        <translation>Feld %1: %2. Gewinn: %3.</translation>
    </message>
    <message>
        <source>Square %1: %2</source>
        <translation>Feld %1: %2</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Winnings:</source>
        <translation>Gewinn:</translation>
    </message>
    <message>
        <source>Click a square and try to win a prize.  You can continue until you lose.</source>
        <translation>Klicken Sie auf ein Feld und gewinnen Sie einen Preis.  Spielen Sie weiter, bis Sie verlieren.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Card Game</source>
        <translation>&amp;Kartenspiel</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Niete</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Nochmal</translation>
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
