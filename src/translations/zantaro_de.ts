<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BorrowDialog</name>
    <message>
        <source>Borrow 1 credit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay back 1 credit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrow %1 credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay back %1 credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits: %1. Borrowed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardWords</name>
    <message>
        <source>Ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1, face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 loses all your winnings. Winnings: %2. The hand is over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 loses half your winnings. Winnings: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a push. Winnings: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 multiplies your winnings by %2. Winnings: %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CreditChart</name>
    <message>
        <source>Your game so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No spins yet in this game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spins shown: %1. Credits after the first: %2, after the last: %3; lowest %4, highest %5. Bell Pool wins: %6. Free spins: %7.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spins, oldest on the left (the last %1 of this game)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits after the spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet per spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bell Pool won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameSlotDialog</name>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Zantaro Slots Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Zantaro manual cannot be shown: the help file %1 is missing or cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Zantaro Slots Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>No spins yet in this game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Game History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last ten spins, newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>You must place a bet first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have enough credits for that bet,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot borrow that much: the game cannot hold more than %1 credits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Loser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus Pool increased by %1 credits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Winnings Lines are Doubled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 paid %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won the Bell Pool Worth %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There were no winning lines on the last spin.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PayTableText</name>
    <message>
        <source>Three Wilds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three Sevens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three Melons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three Bells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three Apples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three Grapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three Cherries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cherry, Cherry, any symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cherry, any symbol, any symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three Triple Bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three Double Bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any mix of Bars and Sevens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pays per coin played on the line:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On free spins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Wild stands for any symbol.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PayoffChartWindow</name>
    <message>
        <source>Payoff chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payoff Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payoff chart picture Paychart.bmp is missing or damaged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PyramidHint</name>
    <message>
        <source>The 5X symbol is behind a square with an odd number on it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with an even number on it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with a number less than or equal to 7 on it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with a number greater than or equal to 7 on it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecallText</name>
    <message>
        <source>%1:%2:%3 UTC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Melon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Loser: the wheels were blanked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All winning lines were doubled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The FREE lamp gave 1 free spin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus Pool increased by 1 credit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus Pool increased by %1 credits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bell line %1: one lightning bolt went out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won the Bell Pool worth %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line: one %1 collected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All fruit collected: 1 free spin earned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All fruit collected: %1 free spins earned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 coin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  Free spin: %2 x %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  Spin: %2 x %3, bet %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamp %1 lit: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamp %1 lit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 paid %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double or nothing: %1 became %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won %1, credits after %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SlotPanel</name>
    <message>
        <source>Slot %1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Zantaro Slots, a casino slot machine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws the game FACTOR times its own pixel size (1 to 8; 1 is the original size). Without it the game picks the zoom that fills the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FACTOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--zoom wants a number from 1 to 8, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Spins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regular Spins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Spins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus Pool:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double or Nothing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Game Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Does not include money won/lost on the double-or-nothing game).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zantaro::CardGameWindow</name>
    <message>
        <source>Double or Nothing Card Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pyramid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; a 7 Loses Half Your Winnings; and a 2-6 Loses All Your Winnings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winnings: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zantaro::MainWindow</name>
    <message>
        <source>Wild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Melon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cherry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triple Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a coin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove a coin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits and bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No spin yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits %1. Lines played %2, coins per line %3, coins played %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus Pool %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines Played %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coins/Line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coins Played %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winnings %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FREE Spins %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus lamp %1 lit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, wheel %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must spin before viewing a summary of the last spin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zantaro Slots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are BMP files missing which may cause this program to not function properly!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Zantaro Slots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a New Game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to exit the game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your current game is not saved. Open this game anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find a web browser on your system!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please visit Hollowmere at:  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Version: %2<byte value="xd"/>
<byte value="xd"/>
Since it has been over 90 days since you installed this program, it is likely that we have a newer version available for free download.  Would you like to visit our website to get a newer version of %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zantaro::PyramidWindow</name>
    <message>
        <source>Square %1: %2. Winnings: %3. The game is over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square %1: %2. Winnings: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winnings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a square and try to win a prize.  You can continue until you lose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Card Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zantaro::RecallView</name>
    <message>
        <source>%1.  %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
