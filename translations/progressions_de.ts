<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form6</name>
    <message>
        <source>Arithmetic And Geometric Progression</source>
        <translation>Arithmetische und geometrische Folgen</translation>
    </message>
    <message>
        <source>Arithmetic Progression</source>
        <translation>Arithmetische Folge</translation>
    </message>
    <message>
        <source>Find Sn</source>
        <translation>Sn berechnen</translation>
    </message>
    <message>
        <source>Find An</source>
        <translation>An berechnen</translation>
    </message>
    <message>
        <source>Find D</source>
        <translation>D berechnen</translation>
    </message>
    <message>
        <source>Find N</source>
        <translation>N berechnen</translation>
    </message>
    <message>
        <source>Geometric Progression</source>
        <translation>Geometrische Folge</translation>
    </message>
    <message>
        <source>Find Sn (Infinite Progression)</source>
        <translation>Sn berechnen (unendliche Folge)</translation>
    </message>
    <message>
        <source>Find Q</source>
        <translation>Q berechnen</translation>
    </message>
    <message>
        <source>A1 - First Element</source>
        <translation>A1 - Anfangsglied</translation>
    </message>
    <message>
        <source>An - Last Element</source>
        <translation>An - letztes Glied</translation>
    </message>
    <message>
        <source>N - Number Of Elements</source>
        <translation>N - Anzahl der Glieder</translation>
    </message>
    <message>
        <source>D - Arithmetic Jump Size</source>
        <translation>D - Differenz (arithmetische Folge)</translation>
    </message>
    <message>
        <source>Q - Geometric Jump Size</source>
        <translation>Q - Quotient (geometrische Folge)</translation>
    </message>
</context>
<context>
    <name>ProgressionsWorking</name>
    <message>
        <source>The box keeps %1 characters, so %2 is read as %3</source>
        <extracomment>%1 is the number of characters, %2 the letter of the box (A1, N), %3 what it shows</extracomment>
        <translation>Das Feld fasst %1 Zeichen, also wird %2 als %3 gelesen</translation>
    </message>
    <message>
        <source>%1 = %2, written back into its box as %3</source>
        <translation>%1 = %2, in sein Feld zurückgeschrieben als %3</translation>
    </message>
    <message>
        <source>term</source>
        <extracomment>the name of the chart&apos;s upright axis, the value of a term</extracomment>
        <translation>Glied</translation>
    </message>
    <message>
        <source>term %1</source>
        <extracomment>under the first bar after the gap: the number of its term</extracomment>
        <translation>Glied %1</translation>
    </message>
    <message>
        <source>Terms %1 to %2 are left out at the gap; the bars after it are the last %3 terms, %4 to %5.</source>
        <translation>Die Glieder %1 bis %2 sind an der Lücke ausgelassen; die Balken danach sind die letzten %3 Glieder, %4 bis %5.</translation>
    </message>
    <message>
        <source>The 1 term of the arithmetic progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>Das einzige Glied der arithmetischen Folge, von %1 bis %2, als Balken; das letzte, An, ist %3.</translation>
    </message>
    <message>
        <source>The 1 term of the arithmetic progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>Das einzige Glied der arithmetischen Folge, von %1 bis %2, als schattierter Balken: die Summe Sn ist %3.</translation>
    </message>
    <message>
        <source>The 1 term of the geometric progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>Das einzige Glied der geometrischen Folge, von %1 bis %2, als Balken; das letzte, An, ist %3.</translation>
    </message>
    <message>
        <source>The 1 term of the geometric progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>Das einzige Glied der geometrischen Folge, von %1 bis %2, als schattierter Balken: die Summe Sn ist %3.</translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the arithmetic progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>
            <numerusform>%n Glied der arithmetischen Folge von %1 bis %2 als Balken; das letzte, An, ist %3.</numerusform>
            <numerusform>Die %n Glieder der arithmetischen Folge von %1 bis %2 als Balken; das letzte, An, ist %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the arithmetic progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>
            <numerusform>%n Glied der arithmetischen Folge von %1 bis %2 als Balken, alle schattiert: ihre Summe Sn ist %3.</numerusform>
            <numerusform>Die %n Glieder der arithmetischen Folge von %1 bis %2 als Balken, alle schattiert: ihre Summe Sn ist %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the geometric progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>
            <numerusform>%n Glied der geometrischen Folge von %1 bis %2 als Balken; das letzte, An, ist %3.</numerusform>
            <numerusform>Die %n Glieder der geometrischen Folge von %1 bis %2 als Balken; das letzte, An, ist %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the geometric progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>
            <numerusform>%n Glied der geometrischen Folge von %1 bis %2 als Balken, alle schattiert: ihre Summe Sn ist %3.</numerusform>
            <numerusform>Die %n Glieder der geometrischen Folge von %1 bis %2 als Balken, alle schattiert: ihre Summe Sn ist %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the arithmetic progression from %3 to %4 as bars; the last one, An, is %5.</source>
        <translation>Die ersten und die letzten %1 der %2 Glieder der arithmetischen Folge von %3 bis %4 als Balken; das letzte, An, ist %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the arithmetic progression from %3 to %4 as bars, all shaded: their sum Sn is %5.</source>
        <translation>Die ersten und die letzten %1 der %2 Glieder der arithmetischen Folge von %3 bis %4 als Balken, alle schattiert: ihre Summe Sn ist %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the geometric progression from %3 to %4 as bars; the last one, An, is %5.</source>
        <translation>Die ersten und die letzten %1 der %2 Glieder der geometrischen Folge von %3 bis %4 als Balken; das letzte, An, ist %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the geometric progression from %3 to %4 as bars, all shaded: their sum Sn is %5.</source>
        <translation>Die ersten und die letzten %1 der %2 Glieder der geometrischen Folge von %3 bis %4 als Balken, alle schattiert: ihre Summe Sn ist %5.</translation>
    </message>
    <message>
        <source>N = %1 is not a whole number of terms from 1 up, so there are no terms to draw.</source>
        <translation>N = %1 ist keine ganze Anzahl von Gliedern ab 1, also gibt es keine Glieder zu zeichnen.</translation>
    </message>
    <message>
        <source>The terms are %1.</source>
        <translation>Die Glieder sind %1.</translation>
    </message>
    <message>
        <source>The shaded trapezoid is N wide and on average (A1 + An) ÷ 2 high, so its area is the sum.</source>
        <translation>Das schattierte Trapez ist N breit und im Mittel (A1 + An) ÷ 2 hoch, also ist sein Flächeninhalt die Summe.</translation>
    </message>
    <message>
        <source>A trapezoid %1 wide from the first term to the last, An = %2, shaded: its area is the sum Sn = %3.</source>
        <translation>Ein schattiertes Trapez, %1 breit, vom ersten Glied bis zum letzten, An = %2: Sein Flächeninhalt ist die Summe Sn = %3.</translation>
    </message>
    <message>
        <source>term, sum</source>
        <extracomment>the name of the chart&apos;s upright axis: the values of the terms and of the sums</extracomment>
        <translation>Glied, Summe</translation>
    </message>
    <message>
        <source>The terms of the progression as shaded bars and the partial sums S1 to S%1 as points, approaching the dashed line at the sum S = %2.</source>
        <translation>Die Glieder der Folge als schattierte Balken und die Teilsummen S1 bis S%1 als Punkte, die sich der gestrichelten Linie bei der Summe S = %2 nähern.</translation>
    </message>
    <message>
        <source>An = %1 is not A1 times a whole power of Q within %2 terms, so the terms are not drawn.</source>
        <translation>An = %1 ist innerhalb von %2 Gliedern nicht A1 mal eine ganzzahlige Potenz von Q, also werden die Glieder nicht gezeichnet.</translation>
    </message>
    <message>
        <source>(%1 to the power %2)</source>
        <translation>(%1 hoch %2)</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number from 1 up; N = %1 counts no terms.</source>
        <translation>N ist die Anzahl der Glieder, also sollte N eine ganze Zahl ab 1 sein; N = %1 zählt keine Glieder.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: there is no sum of %1 terms.</source>
        <translation>N ist die Anzahl der Glieder, also sollte N eine ganze Zahl sein: Eine Summe von %1 Gliedern gibt es nicht.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: there is no term number %1.</source>
        <translation>N ist die Anzahl der Glieder, also sollte N eine ganze Zahl sein: Ein Glied Nummer %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: %1 terms make no progression.</source>
        <translation>N ist die Anzahl der Glieder, also sollte N eine ganze Zahl sein: %1 Glieder ergeben keine Folge.</translation>
    </message>
    <message>
        <source>The formula gives a number with N = %1 all the same, and that number is what the window shows.</source>
        <translation>Die Formel liefert mit N = %1 trotzdem eine Zahl, und diese Zahl zeigt das Fenster.</translation>
    </message>
    <message>
        <source>If you meant N = %1, %2 is %3.</source>
        <translation>Falls du N = %1 gemeint hast, ist %2 = %3.</translation>
    </message>
    <message>
        <source>If you meant N = %1, %2 is %3; if you meant N = %4, it is %5.</source>
        <translation>Falls du N = %1 gemeint hast, ist %2 = %3; falls du N = %4 gemeint hast, ist es %5.</translation>
    </message>
    <message>
        <source>2An - (N - 1)D is A1 + An: the first term plus the last.</source>
        <translation>2An - (N - 1)D ist A1 + An: das erste Glied plus das letzte.</translation>
    </message>
    <message>
        <source>Check: A1 + (N - 1)D = %1 + %2 × %3 = %4, which is An.</source>
        <translation>Probe: A1 + (N - 1)D = %1 + %2 × %3 = %4, und das ist An.</translation>
    </message>
    <message>
        <source>N should be a whole number from 1 up, and N = %1 is not: An = %2 does not lie ahead of A1 = %3 in steps of D = %4, so it is none of the terms from A1 on.</source>
        <translation>N sollte eine ganze Zahl ab 1 sein, und N = %1 ist das nicht: An = %2 liegt nicht in Schritten von D = %4 hinter A1 = %3, also ist es keines der Glieder ab A1.</translation>
    </message>
    <message>
        <source>N = %1 is not a whole number: An = %2 is none of the terms.</source>
        <translation>N = %1 ist keine ganze Zahl: An = %2 ist keines der Glieder.</translation>
    </message>
    <message>
        <source>It lies between term %1, which is %2, and term %3, which is %4.</source>
        <translation>Es liegt zwischen Glied %1, das %2 ist, und Glied %3, das %4 ist.</translation>
    </message>
    <message>
        <source>An = %1 is not A1 times a whole power of Q, so it is none of the terms. The formula gives a number all the same, and that number is what the window shows.</source>
        <translation>An = %1 ist nicht A1 mal eine ganzzahlige Potenz von Q, also ist es keines der Glieder. Die Formel liefert trotzdem eine Zahl, und diese Zahl zeigt das Fenster.</translation>
    </message>
    <message>
        <source>S = A1 ÷ (1 - Q), as -1 &lt; Q &lt; 1</source>
        <translation>S = A1 ÷ (1 - Q), da -1 &lt; Q &lt; 1</translation>
    </message>
    <message>
        <source>With N - 1 = 1 the root is An ÷ A1 itself.</source>
        <translation>Mit N - 1 = 1 ist die Wurzel An ÷ A1 selbst.</translation>
    </message>
    <message>
        <source>An ÷ A1 is negative and N - 1 = %1 is odd: an odd power keeps the sign, so Q is negative.</source>
        <translation>An ÷ A1 ist negativ und N - 1 = %1 ist ungerade: Eine ungerade Potenz behält das Vorzeichen, also ist Q negativ.</translation>
    </message>
    <message>
        <source>1 ÷ (N - 1) = 1 ÷ %1 = %2: the window takes the root as the power %2.</source>
        <translation>1 ÷ (N - 1) = 1 ÷ %1 = %2: Das Fenster berechnet die Wurzel als Potenz mit dem Exponenten %2.</translation>
    </message>
    <message>
        <source>With An = 0 the ratio is 0: every term after A1 is 0.</source>
        <translation>Mit An = 0 ist der Quotient 0: Jedes Glied nach A1 ist 0.</translation>
    </message>
    <message>
        <source>Q = %1 fits as well: %2 × %3 = %4 too. The window shows the positive one.</source>
        <translation>Q = %1 passt auch: %2 × %3 = %4 ebenfalls. Das Fenster zeigt das positive Q.</translation>
    </message>
    <message>
        <source>Q = %1 fits as well, as an even power of a number and of its negative are the same. The window shows the positive one.</source>
        <translation>Q = %1 passt auch, denn die gerade Potenz einer Zahl und die ihrer Gegenzahl sind gleich. Das Fenster zeigt das positive Q.</translation>
    </message>
    <message>
        <source>Check: A1Qᴺ⁻¹ = %1 × %2 = %3, which is An.</source>
        <translation>Probe: A1Qᴺ⁻¹ = %1 × %2 = %3, und das ist An.</translation>
    </message>
    <message>
        <source>D = %1 a term</source>
        <extracomment>beside the dashed line from A1 to An: the terms grow by D each term</extracomment>
        <translation>D = %1 je Glied</translation>
    </message>
    <message>
        <source>Along the dashed line from A1 to An the terms grow by D = %1 a term.</source>
        <translation>Entlang der gestrichelten Linie von A1 bis An wachsen die Glieder um D = %1 je Glied.</translation>
    </message>
    <message>
        <source>The point on the k axis marks N = %1.</source>
        <translation>Der Punkt auf der k-Achse markiert N = %1.</translation>
    </message>
    <message>
        <source>The known terms A1 = %1 at 1 and An = %2 at N = %3 as bars; from one to the next the terms grow by D = %4.</source>
        <translation>Die bekannten Glieder A1 = %1 bei 1 und An = %2 bei N = %3 als Balken; von einem zum nächsten wachsen die Glieder um D = %4.</translation>
    </message>
    <message>
        <source>Each term is Q = %1 times the one before.</source>
        <translation>Jedes Glied ist Q = %1 mal das vorige.</translation>
    </message>
    <message>
        <source>The known terms A1 = %1 at 1 and An = %2 at N = %3 as bars; each term is Q = %4 times the one before.</source>
        <translation>Die bekannten Glieder A1 = %1 bei 1 und An = %2 bei N = %3 als Balken; jedes Glied ist Q = %4 mal das vorige.</translation>
    </message>
    <message>
        <source>The terms are too large to draw.</source>
        <translation>Die Glieder sind zu groß zum Zeichnen.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <translation>Das Fenster meldete: „%1“</translation>
    </message>
    <message>
        <source>With Q = 0 every term after A1 is 0: A1, 0, 0, and so on. The window takes no Q of 0.</source>
        <translation>Mit Q = 0 ist jedes Glied nach A1 gleich 0: A1, 0, 0 und so weiter. Das Fenster nimmt Q = 0 nicht an.</translation>
    </message>
    <message>
        <source>So An = 0 from the second term on, and An = A1 = %1 when N = 1.</source>
        <translation>Also ist An = 0 ab dem zweiten Glied, und An = A1 = %1 für N = 1.</translation>
    </message>
    <message>
        <source>So the sum is A1 = %1.</source>
        <translation>Also ist die Summe A1 = %1.</translation>
    </message>
    <message>
        <source>With Q = 1 every term is A1 = %1: each is 1 times the one before.</source>
        <translation>Mit Q = 1 ist jedes Glied A1 = %1: Jedes ist 1 mal das vorige.</translation>
    </message>
    <message>
        <source>So An = A1 = %1. The window takes no Q of 1 all the same.</source>
        <translation>Also ist An = A1 = %1. Das Fenster nimmt Q = 1 trotzdem nicht an.</translation>
    </message>
    <message>
        <source>The formula divides by Q - 1 = 0, so it cannot be used.</source>
        <translation>Die Formel teilt durch Q - 1 = 0, also kann man sie nicht verwenden.</translation>
    </message>
    <message>
        <source>The sum of N terms that are all A1 is N × A1 = %1 × %2 = %3.</source>
        <translation>Die Summe von N Gliedern, die alle A1 sind, ist N × A1 = %1 × %2 = %3.</translation>
    </message>
    <message>
        <source>The sum of N terms that are all A1 is N × A1.</source>
        <translation>Die Summe von N Gliedern, die alle A1 sind, ist N × A1.</translation>
    </message>
    <message>
        <source>An does not tell how many terms there are.</source>
        <translation>An sagt nicht, wie viele Glieder es gibt.</translation>
    </message>
    <message>
        <source>Here An = %1 is not A1, so it is none of the terms.</source>
        <translation>Hier ist An = %1 nicht A1, also ist es keines der Glieder.</translation>
    </message>
    <message>
        <source>With A1 = 0 every term is 0, and so is their sum; the window asks for -1 &lt; Q &lt; 1 all the same.</source>
        <translation>Mit A1 = 0 ist jedes Glied 0 und ihre Summe auch; das Fenster verlangt trotzdem -1 &lt; Q &lt; 1.</translation>
    </message>
    <message>
        <source>All the terms add up to one sum only when they shrink towards 0, that is when -1 &lt; Q &lt; 1.</source>
        <translation>Alle Glieder ergeben zusammen nur dann eine Summe, wenn sie gegen 0 schrumpfen, also wenn -1 &lt; Q &lt; 1.</translation>
    </message>
    <message>
        <source>With Q = %1 no term is smaller in size than the one before, so the sums S1, S2, S3, and so on grow in size without end.</source>
        <translation>Mit Q = %1 ist kein Glied betragsmäßig kleiner als das vorige, also wachsen die Summen S1, S2, S3 und so weiter betragsmäßig ohne Ende.</translation>
    </message>
    <message>
        <source>With Q = %1 the terms change sign each time and do not shrink, so the sums S1, S2, S3, and so on never settle.</source>
        <translation>Mit Q = %1 wechseln die Glieder jedes Mal das Vorzeichen und schrumpfen nicht, also kommen die Summen S1, S2, S3 und so weiter nie zur Ruhe.</translation>
    </message>
    <message>
        <source>With A1 = 0 every term is 0 × Q = 0, and An ÷ A1 would divide by 0, so no ratio can be found.</source>
        <translation>Mit A1 = 0 ist jedes Glied 0 × Q = 0, und An ÷ A1 würde durch 0 teilen, also lässt sich kein Quotient finden.</translation>
    </message>
    <message>
        <source>N counts the terms, and a ratio needs two of them, A1 and An: N = %1 is not more than 1.</source>
        <translation>N zählt die Glieder, und ein Quotient braucht zwei davon, A1 und An: N = %1 ist nicht größer als 1.</translation>
    </message>
    <message>
        <source>N = 1 makes N - 1 = 0, and the formula divides by it: with one term there is no step from one term to the next.</source>
        <translation>N = 1 ergibt N - 1 = 0, und die Formel teilt dadurch: Bei einem Glied gibt es keinen Schritt von einem Glied zum nächsten.</translation>
    </message>
    <message>
        <source>D = 0 makes every term A1 = %1, and the formula divides by D = 0.</source>
        <translation>D = 0 macht jedes Glied zu A1 = %1, und die Formel teilt durch D = 0.</translation>
    </message>
    <message>
        <source>Here An is A1, so every N fits.</source>
        <translation>Hier ist An gleich A1, also passt jedes N.</translation>
    </message>
    <message>
        <source>Here An = %1 is not A1, so no N fits.</source>
        <translation>Hier ist An = %1 nicht A1, also passt kein N.</translation>
    </message>
    <message>
        <source>Q = %1 is negative and %2 = %3 is not a whole number: a negative number to a power that is not whole has no real value.</source>
        <translation>Q = %1 ist negativ und %2 = %3 ist keine ganze Zahl: Eine negative Zahl hoch einen nicht ganzzahligen Exponenten hat keinen reellen Wert.</translation>
    </message>
    <message>
        <source>N counts the terms, so it should be a whole number.</source>
        <translation>N zählt die Glieder, also sollte N eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>An ÷ A1 = %1 is negative and N - 1 = %2 is even: an even power of a real number is never negative, so no real Q fits.</source>
        <translation>An ÷ A1 = %1 ist negativ und N - 1 = %2 ist gerade: Eine gerade Potenz einer reellen Zahl ist nie negativ, also passt kein reelles Q.</translation>
    </message>
    <message>
        <source>An ÷ A1 = %1 is negative and N - 1 = %2 is not a whole number: such a root of a negative number has no real value.</source>
        <translation>An ÷ A1 = %1 ist negativ und N - 1 = %2 ist keine ganze Zahl: Eine solche Wurzel aus einer negativen Zahl hat keinen reellen Wert.</translation>
    </message>
    <message>
        <source>The box of %1 keeps only 8 characters, so it shows %2, the start of the number %3 written in E-notation. %2 is no number, and the row cannot go on with it.</source>
        <translation>Das Feld von %1 fasst nur 8 Zeichen, also zeigt es %2, den Anfang der Zahl %3 in E-Schreibweise. %2 ist keine Zahl, und die Zeile kann damit nicht weiterrechnen.</translation>
    </message>
    <message>
        <source>A number on the way grows beyond the largest one the computer can hold, about 1.8 × 10³⁰⁸, so there is no answer.</source>
        <translation>Eine Zahl auf dem Rechenweg wird größer als die größte Zahl, die der Computer speichern kann, etwa 1.8 × 10³⁰⁸, also gibt es kein Ergebnis.</translation>
    </message>
    <message>
        <source>Each box takes %1, at most 8 characters.</source>
        <translation>Jedes Feld nimmt %1 auf, höchstens 8 Zeichen.</translation>
    </message>
    <message>
        <source>A1 is the first term, An the last, N the number of terms, D the step from one term to the next and Q the ratio of one term to the one before.</source>
        <translation>A1 ist das Anfangsglied, An das letzte Glied, N die Anzahl der Glieder, D die Differenz von einem Glied zum nächsten und Q der Quotient aus einem Glied und dem vorigen.</translation>
    </message>
    <message>
        <source>A command writes the numbers it read back into its boxes, cut to 8 characters, and goes on with what the box shows; Q, and An in the geometric rows, are used as typed.</source>
        <translation>Eine Schaltfläche schreibt die gelesenen Zahlen, auf 8 Zeichen abgeschnitten, in ihre Felder zurück und rechnet mit dem weiter, was das Feld zeigt; Q und in den geometrischen Zeilen auch An werden so verwendet, wie sie eingegeben wurden.</translation>
    </message>
    <message>
        <source>A1 = 2, D = 3, N = 5, %1:</source>
        <extracomment>%1 is the window&apos;s button Find Sn</extracomment>
        <translation>A1 = 2, D = 3, N = 5, %1:</translation>
    </message>
</context>
<context>
    <name>sb::Form6</name>
    <message>
        <source>Q Must not be equals to zero or one.!!!</source>
        <translation>Q darf nicht 0 oder 1 sein!</translation>
    </message>
    <message>
        <source>In Infinite Progression Q Must be smaller than 1 and bigger than -1 and not be equals to Zero.!!!</source>
        <translation>Bei einer unendlichen Folge muss Q zwischen -1 und 1 liegen und darf nicht 0 sein!</translation>
    </message>
    <message>
        <source>A1 Must not be equals to zero And N must be bigger than one.!!!</source>
        <translation>A1 darf nicht 0 sein, und N muss größer als 1 sein!</translation>
    </message>
</context>
</TS>
