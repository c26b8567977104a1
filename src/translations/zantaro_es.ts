<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BorrowDialog</name>
    <message>
        <source>Borrow 1 credit</source>
        <translation>Pedir 1 crédito</translation>
    </message>
    <message>
        <source>Pay back 1 credit</source>
        <translation>Devolver 1 crédito</translation>
    </message>
    <message>
        <source>Borrow %1 credits</source>
        <translation>Pedir %1 créditos</translation>
    </message>
    <message>
        <source>Pay back %1 credits</source>
        <translation>Devolver %1 créditos</translation>
    </message>
    <message>
        <source>Credits: %1. Borrowed: %2.</source>
        <translation>Créditos: %1. Prestados: %2.</translation>
    </message>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Pida créditos prestados o devuélvalos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Pedir créditos</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Devolver créditos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation>Use esta pantalla para pedir créditos prestados o devolver los que pidió antes.  Haga clic en el botón del importe que desea pedir (o devolver).<byte value="xd"/>
<byte value="xd"/>
Para cambiar entre «pedir» y «devolver», elija el modo.</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Créditos:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Prestados:</translation>
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
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Comodín</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Card %1, face down</source>
        <translation>Carta %1, boca abajo</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Fila %1, columna %2</translation>
    </message>
    <message>
        <source>%1 loses all your winnings. Winnings: %2. The hand is over.</source>
        <translation>%1 le hace perder todas sus ganancias. Ganancias: %2. La mano ha terminado.</translation>
    </message>
    <message>
        <source>%1 loses half your winnings. Winnings: %2.</source>
        <translation>%1 le hace perder la mitad de sus ganancias. Ganancias: %2.</translation>
    </message>
    <message>
        <source>%1 is a push. Winnings: %2.</source>
        <translation>%1 es un empate. Ganancias: %2.</translation>
    </message>
    <message>
        <source>%1 multiplies your winnings by %2. Winnings: %3.</source>
        <translation>%1 multiplica sus ganancias por %2. Ganancias: %3.</translation>
    </message>
</context>
<context>
    <name>CommandStrip</name>
    <message>
        <source>Help?</source>
        <translation>¿Ayuda?</translation>
    </message>
    <message>
        <source>View the Zantaro Manual</source>
        <translation>Ver el manual de Zantaro</translation>
    </message>
    <message>
        <source>Pay Mode</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Instant Payoff or Count Off Credits</source>
        <translation>Pago inmediato o créditos contados uno a uno</translation>
    </message>
    <message>
        <source>Pay Chart</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>View the Zantaro Payoff Chart</source>
        <translation>Ver la tabla de premios de Zantaro</translation>
    </message>
    <message>
        <source>Borrow</source>
        <translation>Préstamo</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Pedir créditos prestados</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Start a New Game</source>
        <translation>Empezar una partida nueva</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Summary of Last Spin</source>
        <translation>Resumen de la última tirada</translation>
    </message>
    <message>
        <source>Auto Spin</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Click to Start Auto Spin Mode</source>
        <translation>Haga clic para jugar en automático</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Click to Turn Sound On or Off</source>
        <translation>Haga clic para activar o quitar el sonido</translation>
    </message>
    <message>
        <source>WWW Site</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Visit the Hollowmere Internet Site</source>
        <translation>Visitar la web de Hollowmere</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doble</translation>
    </message>
    <message>
        <source>Click to Disable the Double or Nothing Bonus Game</source>
        <translation>Haga clic para desactivar el doble o nada</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save a Game</source>
        <translation>Guardar una partida</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Load a Game</source>
        <translation>Cargar una partida</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estad.</translation>
    </message>
    <message>
        <source>View Your Zantaro Statistics</source>
        <translation>Ver sus estadísticas de Zantaro</translation>
    </message>
    <message>
        <source>Paymode is Count Off Credits</source>
        <translation>Pago: créditos contados uno a uno</translation>
    </message>
    <message>
        <source>Paymode is Instant Payoff</source>
        <translation>Pago: inmediato</translation>
    </message>
    <message>
        <source>Auto Spin Mode: On</source>
        <translation>Juego automático: activado</translation>
    </message>
    <message>
        <source>Auto Spin Mode: Off</source>
        <translation>Juego automático: desactivado</translation>
    </message>
    <message>
        <source>Sound is On</source>
        <translation>El sonido está activado</translation>
    </message>
    <message>
        <source>Sound is Off</source>
        <translation>El sonido está desactivado</translation>
    </message>
    <message>
        <source>Double or Nothing Game is On</source>
        <translation>El doble o nada está activado</translation>
    </message>
    <message>
        <source>Double or Nothing Game is Off</source>
        <translation>El doble o nada está desactivado</translation>
    </message>
</context>
<context>
    <name>CreditChart</name>
    <message>
        <source>Your game so far</source>
        <translation>Su partida hasta ahora</translation>
    </message>
    <message>
        <source>No spins yet in this game.</source>
        <translation>Aún no hay tiradas en esta partida.</translation>
    </message>
    <message>
        <source>Spins shown: %1. Credits after the first: %2, after the last: %3; lowest %4, highest %5. Bell Pool wins: %6. Free spins: %7.</source>
        <translation>Tiradas mostradas: %1. Créditos tras la primera: %2, tras la última: %3; mínimo %4, máximo %5. Botes ganados: %6. Tiradas gratis: %7.</translation>
    </message>
    <message>
        <source>Spins, oldest on the left (the last %1 of this game)</source>
        <translation>Tiradas, las más antiguas a la izquierda (las últimas %1 de esta partida)</translation>
    </message>
    <message>
        <source>Credits after the spin</source>
        <translation>Créditos tras la tirada</translation>
    </message>
    <message>
        <source>Bet per spin</source>
        <translation>Apuesta por tirada</translation>
    </message>
    <message>
        <source>Bell Pool won</source>
        <translation>Bote ganado</translation>
    </message>
    <message>
        <source>Free spins</source>
        <translation>Tiradas gratis</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apuesta</translation>
    </message>
</context>
<context>
    <name>GameSlotDialog</name>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Guardar una partida – Elija una ranura</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Abrir una partida – Elija una ranura</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>¿Nombre de esta partida guardada?</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Zantaro Slots Help</source>
        <translation>Ayuda de Zantaro Slots</translation>
    </message>
    <message>
        <source>The Zantaro manual cannot be shown: the help file %1 is missing or cannot be read.</source>
        <translation>No se puede mostrar el manual de Zantaro: el archivo de ayuda %1 falta o no se puede leer.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Zantaro Slots Help</source>
        <translation>Ayuda de Zantaro Slots</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>No spins yet in this game.</source>
        <translation>Aún no hay tiradas en esta partida.</translation>
    </message>
    <message>
        <source>Your Game History</source>
        <translation>Historial de su partida</translation>
    </message>
    <message>
        <source>The last ten spins, newest first</source>
        <translation>Las últimas diez tiradas, la más reciente primero</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>MachinePainter</name>
    <message>
        <source>Winnings:</source>
        <translation>Premio:</translation>
    </message>
    <message>
        <source>Win 3 FREE Spins:</source>
        <translation>3 tiradas gratis:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Créditos:</translation>
    </message>
    <message>
        <source>Bonus Pool:</source>
        <translation>Bote:</translation>
    </message>
    <message>
        <source>Lines Played:</source>
        <translation>Líneas:</translation>
    </message>
    <message>
        <source>Coins/Line:</source>
        <translation>Fichas:</translation>
    </message>
    <message>
        <source>Coins Played:</source>
        <translation>Apuesta:</translation>
    </message>
    <message>
        <source>FREE Spins:  %1</source>
        <translation>Tiradas gratis:  %1</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>You must place a bet first.</source>
        <translation>Primero debe hacer una apuesta.</translation>
    </message>
    <message>
        <source>You do not have enough credits for that bet,</source>
        <translation>No tiene suficientes créditos para esa apuesta,</translation>
    </message>
    <message>
        <source>You cannot borrow that much: the game cannot hold more than %1 credits.</source>
        <translation>No puede pedir tanto: el juego no admite más de %1 créditos.</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>¡No tiene %1 créditos!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>¡No puede devolver más créditos de los que pidió prestados!</translation>
    </message>
    <message>
        <source>Automatic Loser</source>
        <translation>Pérdida automática</translation>
    </message>
    <message>
        <source>Bonus Pool increased by %1 credits.</source>
        <translation>Bote de bonificación aumentado en %1 créditos.</translation>
    </message>
    <message>
        <source>All Winnings Lines are Doubled.</source>
        <translation>Todas las líneas ganadoras se duplican.</translation>
    </message>
    <message>
        <source>Line %1 paid %2.</source>
        <translation>La línea %1 pagó %2.</translation>
    </message>
    <message>
        <source>Won the Bell Pool Worth %1</source>
        <translation>Ganó el bote de bonificación de %1</translation>
    </message>
    <message>
        <source>There were no winning lines on the last spin.</source>
        <translation>No hubo líneas ganadoras en la última tirada.</translation>
    </message>
</context>
<context>
    <name>PayTableText</name>
    <message>
        <source>Three Wilds</source>
        <translation>Tres comodines</translation>
    </message>
    <message>
        <source>Three Sevens</source>
        <translation>Tres sietes</translation>
    </message>
    <message>
        <source>Three Melons</source>
        <translation>Tres melones</translation>
    </message>
    <message>
        <source>Three Bells</source>
        <translation>Tres campanas</translation>
    </message>
    <message>
        <source>Three Apples</source>
        <translation>Tres manzanas</translation>
    </message>
    <message>
        <source>Three Grapes</source>
        <translation>Tres uvas</translation>
    </message>
    <message>
        <source>Three Cherries</source>
        <translation>Tres cerezas</translation>
    </message>
    <message>
        <source>Cherry, Cherry, any symbol</source>
        <translation>Cereza, cereza, cualquier símbolo</translation>
    </message>
    <message>
        <source>Cherry, any symbol, any symbol</source>
        <translation>Cereza, cualquier símbolo, cualquier símbolo</translation>
    </message>
    <message>
        <source>Three Triple Bars</source>
        <translation>Tres Triple Bar</translation>
    </message>
    <message>
        <source>Three Double Bars</source>
        <translation>Tres Double Bar</translation>
    </message>
    <message>
        <source>Any mix of Bars and Sevens</source>
        <translation>Cualquier mezcla de Bar y sietes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Pays per coin played on the line:</source>
        <translation>Premio por moneda jugada en la línea:</translation>
    </message>
    <message>
        <source>On free spins:</source>
        <translation>En las tiradas gratis:</translation>
    </message>
    <message>
        <source>A Wild stands for any symbol.</source>
        <translation>Un comodín sustituye a cualquier símbolo.</translation>
    </message>
</context>
<context>
    <name>PayoffChartWindow</name>
    <message>
        <source>Payoff chart</source>
        <translation>Tabla de premios</translation>
    </message>
    <message>
        <source>Payoff Chart</source>
        <translation>Tabla de premios</translation>
    </message>
    <message>
        <source>The payoff chart picture Paychart.bmp is missing or damaged.</source>
        <translation>La imagen de la tabla de premios, Paychart.bmp, falta o está dañada.</translation>
    </message>
</context>
<context>
    <name>PyramidHint</name>
    <message>
        <source>The 5X symbol is behind a square with an odd number on it.</source>
        <translation>El símbolo 5X está detrás de una casilla con un número impar.</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with an even number on it.</source>
        <translation>El símbolo 5X está detrás de una casilla con un número par.</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with a number less than or equal to 7 on it.</source>
        <translation>El símbolo 5X está detrás de una casilla con un número menor o igual que 7.</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with a number greater than or equal to 7 on it.</source>
        <translation>El símbolo 5X está detrás de una casilla con un número mayor o igual que 7.</translation>
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
        <translation>Melón</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Manzana</translation>
    </message>
    <message>
        <source>Grape</source>
        <translation>Uva</translation>
    </message>
    <message>
        <source>Automatic Loser: the wheels were blanked.</source>
        <translation>Pérdida automática: los rodillos quedaron en blanco.</translation>
    </message>
    <message>
        <source>All winning lines were doubled.</source>
        <translation>Todas las líneas ganadoras se duplicaron.</translation>
    </message>
    <message>
        <source>The FREE lamp gave 1 free spin.</source>
        <translation>La lámpara FREE dio 1 tirada gratis.</translation>
    </message>
    <message>
        <source>Bonus Pool increased by 1 credit.</source>
        <translation>Bote de bonificación aumentado en 1 crédito.</translation>
    </message>
    <message>
        <source>Bonus Pool increased by %1 credits.</source>
        <translation>Bote de bonificación aumentado en %1 créditos.</translation>
    </message>
    <message>
        <source>Bell line %1: one lightning bolt went out.</source>
        <translation>Línea de campanas %1: se apagó un rayo.</translation>
    </message>
    <message>
        <source>Won the Bell Pool worth %1.</source>
        <translation>Ganó el bote de bonificación de %1.</translation>
    </message>
    <message>
        <source>%1 line: one %1 collected.</source>
        <translation>Línea %1: se recogió 1 %1.</translation>
    </message>
    <message>
        <source>All fruit collected: 1 free spin earned.</source>
        <translation>Todas las frutas recogidas: 1 tirada gratis ganada.</translation>
    </message>
    <message>
        <source>All fruit collected: %1 free spins earned.</source>
        <translation>Todas las frutas recogidas: %1 tiradas gratis ganadas.</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>1 línea</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 líneas</translation>
    </message>
    <message>
        <source>1 coin</source>
        <translation>1 moneda</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 monedas</translation>
    </message>
    <message>
        <source>%1  Free spin: %2 x %3</source>
        <translation>%1  Tirada gratis: %2 x %3</translation>
    </message>
    <message>
        <source>%1  Spin: %2 x %3, bet %4</source>
        <translation>%1  Tirada: %2 x %3, apuesta %4</translation>
    </message>
    <message>
        <source>Lamp %1 lit: %2</source>
        <translation>Lámpara %1 encendida: %2</translation>
    </message>
    <message>
        <source>Lamp %1 lit.</source>
        <translation>Lámpara %1 encendida.</translation>
    </message>
    <message>
        <source>Line %1 paid %2.</source>
        <translation>La línea %1 pagó %2.</translation>
    </message>
    <message>
        <source>Double or nothing: %1 became %2.</source>
        <translation>Doble o nada: %1 pasó a %2.</translation>
    </message>
    <message>
        <source>Won %1, credits after %2.</source>
        <translation>Ganado: %1, créditos después: %2.</translation>
    </message>
</context>
<context>
    <name>SlotPanel</name>
    <message>
        <source>Slot %1 name</source>
        <translation>Nombre de la ranura %1</translation>
    </message>
    <message>
        <source>Save to slot %1</source>
        <translation>Guardar en la ranura %1</translation>
    </message>
    <message>
        <source>Open slot %1</source>
        <translation>Abrir la ranura %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <translation>%1 créditos</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <translation>%1 prestados</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Zantaro Slots, a casino slot machine.</source>
        <translation>Zantaro Slots, una máquina tragaperras de casino.</translation>
    </message>
    <message>
        <source>Draws the game FACTOR times its own pixel size (1 to 8; 1 is the original size). Without it the game picks the zoom that fills the screen.</source>
        <translation>Dibuja el juego a FACTOR veces su tamaño en píxeles (de 1 a 8; 1 es el tamaño original). Sin esta opción, el juego elige el zoom que llena la pantalla.</translation>
    </message>
    <message>
        <source>FACTOR</source>
        <translation>FACTOR</translation>
    </message>
    <message>
        <source>--zoom wants a number from 1 to 8, not &quot;%1&quot;</source>
        <translation>--zoom espera un número del 1 al 8, no «%1»</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Spins:</source>
        <translation>Tiradas:</translation>
    </message>
    <message>
        <source>Regular Spins:</source>
        <translation>Tiradas normales:</translation>
    </message>
    <message>
        <source>Free Spins:</source>
        <translation>Tiradas gratis:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Créditos:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Prestados:</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Total apostado:</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Premios:</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>Normales:</translation>
    </message>
    <message>
        <source>Bonus Pool:</source>
        <translation>Bote de bonificación:</translation>
    </message>
    <message>
        <source>Double or Nothing:</source>
        <translation>Doble o nada:</translation>
    </message>
    <message>
        <source>Your Game Statistics</source>
        <translation>Estadísticas de su partida</translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation>Porcentaje de retorno:</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>(Does not include money won/lost on the double-or-nothing game).</source>
        <translation>(Sin el dinero ganado o perdido en el doble o nada).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
</context>
<context>
    <name>zantaro::CardGameWindow</name>
    <message>
        <source>Double or Nothing Card Game</source>
        <translation>Doble o nada con cartas</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Pyramid</source>
        <translation>&amp;Pirámide</translation>
    </message>
    <message>
        <source>A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; a 7 Loses Half Your Winnings; and a 2-6 Loses All Your Winnings.</source>
        <translation>Un comodín paga 10 a 1; un as paga 3 a 1; una figura paga 2 a 1; un 8 a 10 es empate; un 7 le quita la mitad de sus ganancias; y un 2 a 6 se lo quita todo.</translation>
    </message>
    <message>
        <source>Winnings: %1</source>
        <translation>Ganancias: %1</translation>
    </message>
</context>
<context>
    <name>zantaro::MainWindow</name>
    <message>
        <source>Wild</source>
        <translation>Comodín</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Melón</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Manzana</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Uvas</translation>
    </message>
    <message>
        <source>Cherry</source>
        <translation>Cereza</translation>
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
        <translation>Vacío</translation>
    </message>
    <message>
        <source>SPIN</source>
        <translation>GIRAR</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>PARAR</translation>
    </message>
    <message>
        <source>Add a line</source>
        <translation>Añadir una línea</translation>
    </message>
    <message>
        <source>Remove a line</source>
        <translation>Quitar una línea</translation>
    </message>
    <message>
        <source>Add a coin</source>
        <translation>Añadir una moneda</translation>
    </message>
    <message>
        <source>Remove a coin</source>
        <translation>Quitar una moneda</translation>
    </message>
    <message>
        <source>Last spin</source>
        <translation>Última tirada</translation>
    </message>
    <message>
        <source>Credits and bet</source>
        <translation>Créditos y apuesta</translation>
    </message>
    <message>
        <source>No spin yet.</source>
        <translation>Aún no hay tiradas.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Línea %1: %2.</translation>
    </message>
    <message>
        <source>Credits %1. Lines played %2, coins per line %3, coins played %4.</source>
        <translation>Créditos %1. Líneas jugadas %2, monedas por línea %3, monedas jugadas %4.</translation>
    </message>
    <message>
        <source>Credits %1</source>
        <translation>Créditos %1</translation>
    </message>
    <message>
        <source>Bonus Pool %1</source>
        <translation>Bote de bonificación %1</translation>
    </message>
    <message>
        <source>Lines Played %1</source>
        <translation>Líneas jugadas %1</translation>
    </message>
    <message>
        <source>Coins/Line %1</source>
        <translation>Monedas/línea %1</translation>
    </message>
    <message>
        <source>Coins Played %1</source>
        <translation>Monedas jugadas %1</translation>
    </message>
    <message>
        <source>Winnings %1</source>
        <translation>Ganancias %1</translation>
    </message>
    <message>
        <source>FREE Spins %1</source>
        <translation>Tiradas gratis %1</translation>
    </message>
    <message>
        <source>Bonus lamp %1 lit</source>
        <translation>Lámpara de bonificación %1 encendida</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Rodillos</translation>
    </message>
    <message>
        <source>Row %1, wheel %2: %3</source>
        <translation>Fila %1, rodillo %2: %3</translation>
    </message>
    <message>
        <source>You must spin before viewing a summary of the last spin.</source>
        <translation>Debe hacer una tirada antes de ver el resumen de la última tirada.</translation>
    </message>
    <message>
        <source>Zantaro Slots</source>
        <translation>Zantaro Slots</translation>
    </message>
    <message>
        <source>There are BMP files missing which may cause this program to not function properly!</source>
        <translation>Faltan archivos BMP, por lo que es posible que este programa no funcione correctamente.</translation>
    </message>
    <message>
        <source>About Zantaro Slots</source>
        <translation>Acerca de Zantaro Slots</translation>
    </message>
    <message>
        <source>Start a New Game?</source>
        <translation>¿Empezar una partida nueva?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the game?</source>
        <translation>¿Seguro que quiere salir del juego?</translation>
    </message>
    <message>
        <source>Your current game is not saved. Open this game anyway?</source>
        <translation>Su partida actual no está guardada. ¿Abrir esta partida de todos modos?</translation>
    </message>
    <message>
        <source>Could not find a web browser on your system!</source>
        <translation>No se encontró ningún navegador web en su sistema.</translation>
    </message>
    <message>
        <source>Please visit Hollowmere at:  %1</source>
        <translation>Visite Hollowmere en:  %1</translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation>%1 versión %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Version: %2<byte value="xd"/>
<byte value="xd"/>
Since it has been over 90 days since you installed this program, it is likely that we have a newer version available for free download.  Would you like to visit our website to get a newer version of %1?</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Versión: %2<byte value="xd"/>
<byte value="xd"/>
Han pasado más de 90 días desde que instaló este programa, así que probablemente haya una versión más reciente para descargar gratis.  ¿Quiere visitar nuestro sitio web para obtener una versión más reciente de %1?</translation>
    </message>
</context>
<context>
    <name>zantaro::PyramidWindow</name>
    <message>
        <source>Square %1: %2. Winnings: %3. The game is over.</source>
        <translation>Casilla %1: %2. Ganancias: %3. El juego ha terminado.</translation>
    </message>
    <message>
        <source>Square %1: %2. Winnings: %3.</source>
        <translation>Casilla %1: %2. Ganancias: %3.</translation>
    </message>
    <message>
        <source>Square %1: %2</source>
        <translation>Casilla %1: %2</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Casilla %1</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pirámide</translation>
    </message>
    <message>
        <source>Winnings:</source>
        <translation>Ganancias:</translation>
    </message>
    <message>
        <source>Click a square and try to win a prize.  You can continue until you lose.</source>
        <translation>Haga clic en una casilla para intentar ganar un premio.  Siga hasta que pierda.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Card Game</source>
        <translation>&amp;Cartas</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Pierde</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Otra vez</translation>
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
