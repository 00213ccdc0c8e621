<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form12</name>
    <message>
        <source>Traffic And Percentage Problems</source>
        <translation>Bewegungs- und Prozentaufgaben</translation>
    </message>
    <message>
        <source>Traffic Problems</source>
        <translation>Bewegungsaufgaben</translation>
    </message>
    <message>
        <source>Find T</source>
        <translation>T berechnen</translation>
    </message>
    <message>
        <source>Find V</source>
        <translation>V berechnen</translation>
    </message>
    <message>
        <source>Find S</source>
        <translation>S berechnen</translation>
    </message>
    <message>
        <source>S - The  distance</source>
        <translation>S - Strecke</translation>
    </message>
    <message>
        <source>V - The Speed</source>
        <translation>V - Geschwindigkeit</translation>
    </message>
    <message>
        <source>T - The Time</source>
        <translation>T - Zeit</translation>
    </message>
    <message>
        <source>Percentage Problems</source>
        <translation>Prozentaufgaben</translation>
    </message>
    <message>
        <source>Item cost is</source>
        <translation>Der Artikel kostet</translation>
    </message>
    <message>
        <source>$ , The Item cost was decreased by</source>
        <translation>$. Der Preis wird gesenkt um</translation>
    </message>
    <message>
        <source>percent. </source>
        <translation>Prozent.</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>The new price is</source>
        <translation>Der neue Preis ist</translation>
    </message>
    <message>
        <source>The Item cost was decreased by</source>
        <translation>Der Preis wurde gesenkt um</translation>
    </message>
    <message>
        <source>$ , The Item cost was increased by</source>
        <translation>$. Der Preis wird erhöht um</translation>
    </message>
    <message>
        <source>The Item cost was increased by</source>
        <translation>Der Preis wurde erhöht um</translation>
    </message>
</context>
<context>
    <name>TrafficWorking</name>
    <message>
        <source>%1 = %2, that is %3 %4</source>
        <extracomment>%1 is a letter (S, V, T), %2 a mixed number as typed (2/1/4), %3 the same as a pupil writes it (2 1/4), %4 &quot;= &quot; and its decimal</extracomment>
        <translation>%1 = %2, das heißt %3 %4</translation>
    </message>
    <message>
        <source>time T</source>
        <translation>Zeit T</translation>
    </message>
    <message>
        <source>distance S</source>
        <translation>Strecke S</translation>
    </message>
    <message>
        <source>Distance–time graph: a line from the origin with slope V = %1 reaches the distance S = %2 at the time T = %3.</source>
        <translation>Weg-Zeit-Diagramm: Eine Gerade durch den Ursprung mit der Steigung V = %1 erreicht die Strecke S = %2 zur Zeit T = %3.</translation>
    </message>
    <message>
        <source>price $</source>
        <translation>Preis $</translation>
    </message>
    <message>
        <source>before</source>
        <translation>vorher</translation>
    </message>
    <message>
        <source>after</source>
        <translation>nachher</translation>
    </message>
    <message>
        <source>%1 $ less</source>
        <extracomment>%1 is the amount the price changed by</extracomment>
        <translation>%1 $ weniger</translation>
    </message>
    <message>
        <source>%1 $ more</source>
        <translation>%1 $ mehr</translation>
    </message>
    <message>
        <source>Two bars: the price before, %1 $, and after a decrease of %2 %, %3 $; the change is %4 $.</source>
        <extracomment>%1 is the price before, %2 the percentage, %3 the new price, %4 the amount of the change</extracomment>
        <translation>Zwei Säulen: der Preis vorher, %1 $, und nach einer Senkung um %2 %, %3 $; die Änderung beträgt %4 $.</translation>
    </message>
    <message>
        <source>Two bars: the price before, %1 $, and after an increase of %2 %, %3 $; the change is %4 $.</source>
        <translation>Zwei Säulen: der Preis vorher, %1 $, und nach einer Erhöhung um %2 %, %3 $; die Änderung beträgt %4 $.</translation>
    </message>
    <message>
        <source>Distance = speed × time, so the time is T = S ÷ V.</source>
        <translation>Strecke = Geschwindigkeit × Zeit, also ist die Zeit T = S ÷ V.</translation>
    </message>
    <message>
        <source>With S in km and V in km per hour, T is in hours: T %1.</source>
        <extracomment>%1 is &quot;= &quot; or &quot;≈ &quot; and the time in hours, minutes and seconds (&quot;= 3 h 20 min&quot;)</extracomment>
        <translation>Mit S in km und V in km pro Stunde ist T in Stunden: T %1.</translation>
    </message>
    <message>
        <source>Check: V × T = %1 × %2 = %3, which is S.</source>
        <translation>Probe: V × T = %1 × %2 = %3, und das ist S.</translation>
    </message>
    <message>
        <source>Distance = speed × time, so the speed is V = S ÷ T.</source>
        <translation>Strecke = Geschwindigkeit × Zeit, also ist die Geschwindigkeit V = S ÷ T.</translation>
    </message>
    <message>
        <source>Distance = speed × time: S = V × T.</source>
        <translation>Strecke = Geschwindigkeit × Zeit: S = V × T.</translation>
    </message>
    <message>
        <source>Check: S ÷ T = %1 ÷ %2 = %3, which is V.</source>
        <translation>Probe: S ÷ T = %1 ÷ %2 = %3, und das ist V.</translation>
    </message>
    <message>
        <source>The decrease is P percent of the price C: P × C ÷ 100.</source>
        <translation>Die Senkung beträgt P Prozent des Preises C: P × C ÷ 100.</translation>
    </message>
    <message>
        <source>The increase is P percent of the price C: P × C ÷ 100.</source>
        <translation>Die Erhöhung beträgt P Prozent des Preises C: P × C ÷ 100.</translation>
    </message>
    <message>
        <source>The decrease is %1 × %2 ÷ 100 %3</source>
        <extracomment>%1 is the percentage, %2 the price, %3 &quot;= &quot; and the decrease</extracomment>
        <translation>Die Senkung beträgt %1 × %2 ÷ 100 %3</translation>
    </message>
    <message>
        <source>The increase is %1 × %2 ÷ 100 %3</source>
        <translation>Die Erhöhung beträgt %1 × %2 ÷ 100 %3</translation>
    </message>
    <message>
        <source>To the cent the decrease is %1 $.</source>
        <translation>Auf den Cent genau beträgt die Senkung %1 $.</translation>
    </message>
    <message>
        <source>To the cent the increase is %1 $.</source>
        <translation>Auf den Cent genau beträgt die Erhöhung %1 $.</translation>
    </message>
    <message>
        <source>The window works the new price from the decrease as it shows it, %1.</source>
        <translation>Das Fenster berechnet den neuen Preis aus der Senkung, so wie es sie anzeigt: %1.</translation>
    </message>
    <message>
        <source>The window works the new price from the increase as it shows it, %1.</source>
        <translation>Das Fenster berechnet den neuen Preis aus der Erhöhung, so wie es sie anzeigt: %1.</translation>
    </message>
    <message>
        <source>The new price is C - decrease = %1 - %2 %3</source>
        <extracomment>%1 is the price, %2 the decrease, %3 &quot;= &quot; and the new price</extracomment>
        <translation>Der neue Preis ist C - Senkung = %1 - %2 %3</translation>
    </message>
    <message>
        <source>The new price is increase + C = %1 + %2 %3</source>
        <translation>Der neue Preis ist Erhöhung + C = %1 + %2 %3</translation>
    </message>
    <message>
        <source>To the cent the new price is %1 $.</source>
        <translation>Auf den Cent genau ist der neue Preis %1 $.</translation>
    </message>
    <message>
        <source>The window does not round to the cent: it shows the numbers it computed.</source>
        <translation>Das Fenster rundet nicht auf den Cent: Es zeigt die Zahlen, die es berechnet hat.</translation>
    </message>
    <message>
        <source>A decrease of 100 percent takes the whole price off: nothing is left to pay.</source>
        <translation>Eine Senkung um 100 Prozent nimmt den ganzen Preis weg: Es bleibt nichts zu zahlen.</translation>
    </message>
    <message>
        <source>Check: new price + decrease = %1 + %2 = %3, which is C.</source>
        <translation>Probe: neuer Preis + Senkung = %1 + %2 = %3, und das ist C.</translation>
    </message>
    <message>
        <source>Check: new price - increase = %1 - %2 = %3, which is C.</source>
        <translation>Probe: neuer Preis - Erhöhung = %1 - %2 = %3, und das ist C.</translation>
    </message>
    <message>
        <source>Every box takes a number above 0: a whole number (3), a decimal (%1), a fraction (1/4) or a mixed number (2/1/4).</source>
        <extracomment>%1 is a decimal as the window writes it (2.5)</extracomment>
        <translation>In jedes Feld kommt eine Zahl größer als 0: eine ganze Zahl (3), eine Dezimalzahl (%1), einen Bruch (1/4) oder eine gemischte Zahl (2/1/4).</translation>
    </message>
    <message>
        <source>S is the distance, V the speed and T the time, in units that fit each other (km, km per hour and hours). At a speed of 0 nothing moves, so no time would ever cover a distance.</source>
        <translation>S ist die Strecke, V die Geschwindigkeit und T die Zeit, in Einheiten, die zueinander passen (km, km pro Stunde und Stunden). Bei der Geschwindigkeit 0 bewegt sich nichts, also würde keine Zeit je für eine Strecke reichen.</translation>
    </message>
    <message>
        <source>A price problem takes the cost in $ and the percentage; a decrease takes at most 100 percent, since taking off more than the whole price would leave less than nothing to pay.</source>
        <translation>Eine Preisaufgabe braucht den Preis in $ und den Prozentsatz; eine Senkung beträgt höchstens 100 Prozent, denn wer mehr als den ganzen Preis abzieht, müsste weniger als nichts zahlen.</translation>
    </message>
    <message>
        <source>S = 100, V = 40, Find T:</source>
        <extracomment>the example worked out; &quot;Find T&quot; is the button, translated as on the button</extracomment>
        <translation>S = 100, V = 40, T berechnen:</translation>
    </message>
</context>
<context>
    <name>sb::Form12</name>
    <message>
        <source>The percentage must be smaller then 100!!!.</source>
        <translation>Der Prozentsatz darf höchstens 100 sein!</translation>
    </message>
</context>
</TS>
