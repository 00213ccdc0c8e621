<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Form12</name>
    <message>
        <source>Traffic And Percentage Problems</source>
        <translation>Problèmes de mouvement et de pourcentages</translation>
    </message>
    <message>
        <source>Traffic Problems</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>Find T</source>
        <translation>Calculer T</translation>
    </message>
    <message>
        <source>Find V</source>
        <translation>Calculer V</translation>
    </message>
    <message>
        <source>Find S</source>
        <translation>Calculer S</translation>
    </message>
    <message>
        <source>S - The  distance</source>
        <translation>S - la distance</translation>
    </message>
    <message>
        <source>V - The Speed</source>
        <translation>V - la vitesse</translation>
    </message>
    <message>
        <source>T - The Time</source>
        <translation>T - la durée</translation>
    </message>
    <message>
        <source>Percentage Problems</source>
        <translation>Pourcentages</translation>
    </message>
    <message>
        <source>Item cost is</source>
        <translation>L&apos;article coûte</translation>
    </message>
    <message>
        <source>$ , The Item cost was decreased by</source>
        <translation>$. Son prix baisse de</translation>
    </message>
    <message>
        <source>percent. </source>
        <translation>pour cent.</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>The new price is</source>
        <translation>Le nouveau prix est</translation>
    </message>
    <message>
        <source>The Item cost was decreased by</source>
        <translation>Le prix a baissé de</translation>
    </message>
    <message>
        <source>$ , The Item cost was increased by</source>
        <translation>$. Son prix augmente de</translation>
    </message>
    <message>
        <source>The Item cost was increased by</source>
        <translation>Le prix a augmenté de</translation>
    </message>
</context>
<context>
    <name>TrafficWorking</name>
    <message>
        <source>%1 = %2, that is %3 %4</source>
        <extracomment>%1 is a letter (S, V, T), %2 a mixed number as typed (2/1/4), %3 the same as a pupil writes it (2 1/4), %4 &quot;= &quot; and its decimal</extracomment>
        <translation>%1 = %2, c&apos;est-à-dire %3 %4</translation>
    </message>
    <message>
        <source>time T</source>
        <translation>durée T</translation>
    </message>
    <message>
        <source>distance S</source>
        <translation>distance S</translation>
    </message>
    <message>
        <source>Distance–time graph: a line from the origin with slope V = %1 reaches the distance S = %2 at the time T = %3.</source>
        <translation>Graphique distance-durée : une droite passant par l&apos;origine, de pente V = %1, atteint la distance S = %2 à la durée T = %3.</translation>
    </message>
    <message>
        <source>price $</source>
        <translation>prix $</translation>
    </message>
    <message>
        <source>before</source>
        <translation>avant</translation>
    </message>
    <message>
        <source>after</source>
        <translation>après</translation>
    </message>
    <message>
        <source>%1 $ less</source>
        <extracomment>%1 is the amount the price changed by</extracomment>
        <translation>%1 $ de moins</translation>
    </message>
    <message>
        <source>%1 $ more</source>
        <translation>%1 $ de plus</translation>
    </message>
    <message>
        <source>Two bars: the price before, %1 $, and after a decrease of %2 %, %3 $; the change is %4 $.</source>
        <extracomment>%1 is the price before, %2 the percentage, %3 the new price, %4 the amount of the change</extracomment>
        <translation>Deux barres : le prix avant, %1 $, et après une baisse de %2 %, %3 $ ; la variation est de %4 $.</translation>
    </message>
    <message>
        <source>Two bars: the price before, %1 $, and after an increase of %2 %, %3 $; the change is %4 $.</source>
        <translation>Deux barres : le prix avant, %1 $, et après une hausse de %2 %, %3 $ ; la variation est de %4 $.</translation>
    </message>
    <message>
        <source>Distance = speed × time, so the time is T = S ÷ V.</source>
        <translation>Distance = vitesse × durée, donc la durée est T = S ÷ V.</translation>
    </message>
    <message>
        <source>With S in km and V in km per hour, T is in hours: T %1.</source>
        <extracomment>%1 is &quot;= &quot; or &quot;≈ &quot; and the time in hours, minutes and seconds (&quot;= 3 h 20 min&quot;)</extracomment>
        <translation>Avec S en km et V en km par heure, T est en heures : T %1.</translation>
    </message>
    <message>
        <source>Check: V × T = %1 × %2 = %3, which is S.</source>
        <translation>Vérification : V × T = %1 × %2 = %3, c&apos;est bien S.</translation>
    </message>
    <message>
        <source>Distance = speed × time, so the speed is V = S ÷ T.</source>
        <translation>Distance = vitesse × durée, donc la vitesse est V = S ÷ T.</translation>
    </message>
    <message>
        <source>Distance = speed × time: S = V × T.</source>
        <translation>Distance = vitesse × durée : S = V × T.</translation>
    </message>
    <message>
        <source>Check: S ÷ T = %1 ÷ %2 = %3, which is V.</source>
        <translation>Vérification : S ÷ T = %1 ÷ %2 = %3, c&apos;est bien V.</translation>
    </message>
    <message>
        <source>The decrease is P percent of the price C: P × C ÷ 100.</source>
        <translation>La baisse est de P pour cent du prix C : P × C ÷ 100.</translation>
    </message>
    <message>
        <source>The increase is P percent of the price C: P × C ÷ 100.</source>
        <translation>La hausse est de P pour cent du prix C : P × C ÷ 100.</translation>
    </message>
    <message>
        <source>The decrease is %1 × %2 ÷ 100 %3</source>
        <extracomment>%1 is the percentage, %2 the price, %3 &quot;= &quot; and the decrease</extracomment>
        <translation>La baisse est de %1 × %2 ÷ 100 %3</translation>
    </message>
    <message>
        <source>The increase is %1 × %2 ÷ 100 %3</source>
        <translation>La hausse est de %1 × %2 ÷ 100 %3</translation>
    </message>
    <message>
        <source>To the cent the decrease is %1 $.</source>
        <translation>Au centime près, la baisse est de %1 $.</translation>
    </message>
    <message>
        <source>To the cent the increase is %1 $.</source>
        <translation>Au centime près, la hausse est de %1 $.</translation>
    </message>
    <message>
        <source>The window works the new price from the decrease as it shows it, %1.</source>
        <translation>La fenêtre calcule le nouveau prix à partir de la baisse telle qu&apos;elle l&apos;affiche : %1.</translation>
    </message>
    <message>
        <source>The window works the new price from the increase as it shows it, %1.</source>
        <translation>La fenêtre calcule le nouveau prix à partir de la hausse telle qu&apos;elle l&apos;affiche : %1.</translation>
    </message>
    <message>
        <source>The new price is C - decrease = %1 - %2 %3</source>
        <extracomment>%1 is the price, %2 the decrease, %3 &quot;= &quot; and the new price</extracomment>
        <translation>Le nouveau prix est C - baisse = %1 - %2 %3</translation>
    </message>
    <message>
        <source>The new price is increase + C = %1 + %2 %3</source>
        <translation>Le nouveau prix est hausse + C = %1 + %2 %3</translation>
    </message>
    <message>
        <source>To the cent the new price is %1 $.</source>
        <translation>Au centime près, le nouveau prix est %1 $.</translation>
    </message>
    <message>
        <source>The window does not round to the cent: it shows the numbers it computed.</source>
        <translation>La fenêtre n&apos;arrondit pas au centime : elle affiche les nombres qu&apos;elle a calculés.</translation>
    </message>
    <message>
        <source>A decrease of 100 percent takes the whole price off: nothing is left to pay.</source>
        <translation>Une baisse de 100 pour cent enlève tout le prix : il ne reste rien à payer.</translation>
    </message>
    <message>
        <source>Check: new price + decrease = %1 + %2 = %3, which is C.</source>
        <translation>Vérification : nouveau prix + baisse = %1 + %2 = %3, c&apos;est bien C.</translation>
    </message>
    <message>
        <source>Check: new price - increase = %1 - %2 = %3, which is C.</source>
        <translation>Vérification : nouveau prix - hausse = %1 - %2 = %3, c&apos;est bien C.</translation>
    </message>
    <message>
        <source>Every box takes a number above 0: a whole number (3), a decimal (%1), a fraction (1/4) or a mixed number (2/1/4).</source>
        <extracomment>%1 is a decimal as the window writes it (2.5)</extracomment>
        <translation>Chaque case reçoit un nombre supérieur à 0 : un nombre entier (3), un nombre décimal (%1), une fraction (1/4) ou un nombre mixte (2/1/4).</translation>
    </message>
    <message>
        <source>S is the distance, V the speed and T the time, in units that fit each other (km, km per hour and hours). At a speed of 0 nothing moves, so no time would ever cover a distance.</source>
        <translation>S est la distance, V la vitesse et T la durée, dans des unités qui vont ensemble (km, km par heure et heures). À une vitesse de 0, rien ne bouge : aucune durée ne suffirait pour parcourir une distance.</translation>
    </message>
    <message>
        <source>A price problem takes the cost in $ and the percentage; a decrease takes at most 100 percent, since taking off more than the whole price would leave less than nothing to pay.</source>
        <translation>Un problème de prix demande le prix en $ et le pourcentage ; une baisse est d&apos;au plus 100 pour cent, car enlever plus que tout le prix laisserait moins que rien à payer.</translation>
    </message>
    <message>
        <source>S = 100, V = 40, Find T:</source>
        <extracomment>the example worked out; &quot;Find T&quot; is the button, translated as on the button</extracomment>
        <translation>S = 100, V = 40, Calculer T :</translation>
    </message>
</context>
<context>
    <name>sb::Form12</name>
    <message>
        <source>The percentage must be smaller then 100!!!.</source>
        <translation>Le pourcentage ne doit pas dépasser 100 !</translation>
    </message>
</context>
</TS>
