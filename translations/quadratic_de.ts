<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form2</name>
    <message>
        <source>Solving Quadratic Equation</source>
        <translation>Quadratische Gleichung lösen</translation>
    </message>
    <message>
        <source>The Quadratix Equation Formula :</source>
        <translation>Die Lösungsformel:</translation>
    </message>
    <message>
        <source>-B +- Root(B^2 - 4*A*c)</source>
        <extracomment>the top of the formula: keep everything but the word Root</extracomment>
        <translation>-B +- Wurzel(B^2 - 4*A*c)</translation>
    </message>
    <message>
        <source>Fill In The Value Of   A , B And C</source>
        <translation>Gib die Werte von A, B und C ein</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Example :  -3*X^2   +   6*X   -   2 = 0</source>
        <translation>Beispiel:  -3*X^2   +   6*X   -   2 = 0</translation>
    </message>
    <message>
        <source>Solutions :</source>
        <translation>Lösungen:</translation>
    </message>
    <message>
        <source>X1 and X2 equal minus B, plus or minus the square root of B squared minus 4 times A times C, all divided by 2 times A</source>
        <translation>X1 und X2 sind gleich minus B, plus oder minus die Wurzel aus B Quadrat minus 4 mal A mal C, alles geteilt durch 2 mal A</translation>
    </message>
</context>
<context>
    <name>QuadraticWorking</name>
    <message>
        <source>You typed %1 for %2, which is %3. The box keeps 5 characters, so it shows %4, and %2 = %5.</source>
        <extracomment>%1 is the text typed, %2 the letter of the box (A, B or C), %3 the number it is, %4 what the box shows, %5 the value solved with</extracomment>
        <translation>Du hast für %2 %1 eingegeben, das ist %3. Das Feld behält 5 Zeichen, also zeigt es %4, und %2 = %5.</translation>
    </message>
    <message>
        <source>You typed %1 for %2, which is %3.</source>
        <extracomment>%1 is the text typed, %2 the letter of the box (A, B or C), %3 what the box shows</extracomment>
        <translation>Du hast für %2 %1 eingegeben, das ist %3.</translation>
    </message>
    <message>
        <source>Check %1 = %2: %3 = %4</source>
        <translation>Probe für %1 = %2: %3 = %4</translation>
    </message>
    <message>
        <source>Check %1 = %2: %3 = %4 = %5</source>
        <translation>Probe für %1 = %2: %3 = %4 = %5</translation>
    </message>
    <message>
        <source>Check %1 = %2: %1² = (%2)² = %3</source>
        <translation>Probe für %1 = %2: %1² = (%2)² = %3</translation>
    </message>
    <message>
        <source>So Ax² + Bx + C = %1 = %2 = %3</source>
        <translation>Also ist Ax² + Bx + C = %1 = %2 = %3</translation>
    </message>
    <message>
        <source>With the decimals the window works with: %1 = (%2 %3 %4) ÷ %5 = %6</source>
        <translation>Mit den Dezimalzahlen, mit denen das Fenster rechnet: %1 = (%2 %3 %4) ÷ %5 = %6</translation>
    </message>
    <message>
        <source>lowest point</source>
        <extracomment>the label at the vertex of the parabola in the figure</extracomment>
        <translation>Tiefpunkt</translation>
    </message>
    <message>
        <source>highest point</source>
        <translation>Hochpunkt</translation>
    </message>
    <message>
        <source>These numbers are too large or too small to draw to scale.</source>
        <translation>Diese Zahlen sind zu groß oder zu klein, um sie maßstabsgetreu zu zeichnen.</translation>
    </message>
    <message>
        <source>No figure: the numbers are beyond drawing to scale.</source>
        <translation>Keine Skizze: Die Zahlen lassen sich nicht maßstabsgetreu zeichnen.</translation>
    </message>
    <message>
        <source>Parabola clear of the x-axis, so no real root, lowest point %1.</source>
        <translation>Parabel ohne gemeinsamen Punkt mit der x-Achse, also keine reelle Lösung, Tiefpunkt %1.</translation>
    </message>
    <message>
        <source>Parabola clear of the x-axis, so no real root, highest point %1.</source>
        <translation>Parabel ohne gemeinsamen Punkt mit der x-Achse, also keine reelle Lösung, Hochpunkt %1.</translation>
    </message>
    <message>
        <source>Parabola touching the x-axis at %1, lowest point %2.</source>
        <extracomment>%1 is where it touches, %2 the vertex (x, y)</extracomment>
        <translation>Parabel berührt die x-Achse bei %1, Tiefpunkt %2.</translation>
    </message>
    <message>
        <source>Parabola touching the x-axis at %1, highest point %2.</source>
        <translation>Parabel berührt die x-Achse bei %1, Hochpunkt %2.</translation>
    </message>
    <message>
        <source>Parabola crossing the x-axis at %1 and %2, lowest point %3.</source>
        <extracomment>%1 and %2 are the roots, %3 the vertex (x, y)</extracomment>
        <translation>Parabel schneidet die x-Achse bei %1 und %2, Tiefpunkt %3.</translation>
    </message>
    <message>
        <source>Parabola crossing the x-axis at %1 and %2, highest point %3.</source>
        <translation>Parabel schneidet die x-Achse bei %1 und %2, Hochpunkt %3.</translation>
    </message>
    <message>
        <source>Answer: X1 = %1 and X2 = %2</source>
        <translation>Ergebnis: X1 = %1 und X2 = %2</translation>
    </message>
    <message>
        <source>Put into the equation, the window&apos;s decimals give a number very near 0 but not exactly 0: they are the roots rounded to 15 digits.</source>
        <translation>In die Gleichung eingesetzt, ergeben die Dezimalzahlen des Fensters eine Zahl sehr nahe bei 0, aber nicht genau 0: Es sind die Lösungen, auf 15 Stellen gerundet.</translation>
    </message>
    <message>
        <source>Beyond the real numbers, with i where i² = -1, the two roots are complex: x = p ± qi.</source>
        <translation>Außerhalb der reellen Zahlen, mit i, wobei i² = -1, sind die beiden Lösungen komplexe Zahlen: x = p ± qi.</translation>
    </message>
    <message>
        <source>The complex roots: x1 ≈ %1 + %2i and x2 ≈ %1 - %2i</source>
        <translation>Die komplexen Lösungen: x1 ≈ %1 + %2i und x2 ≈ %1 - %2i</translation>
    </message>
    <message>
        <source>The complex roots: x1 = %1 and x2 = %2</source>
        <translation>Die komplexen Lösungen: x1 = %1 und x2 = %2</translation>
    </message>
    <message>
        <source>The equation: %1 = 0</source>
        <translation>Die Gleichung: %1 = 0</translation>
    </message>
    <message>
        <source>The formula: x = (-B ± √D) ÷ (2A), where D = B² - 4AC.</source>
        <translation>Die Formel: x = (-B ± √D) ÷ (2A), mit D = B² - 4AC.</translation>
    </message>
    <message>
        <source>D is more than 0, so the equation has two roots.</source>
        <translation>D ist größer als 0, also hat die Gleichung zwei Lösungen.</translation>
    </message>
    <message>
        <source>D is 0, so the two roots are the same: the equation has one root.</source>
        <translation>D ist 0, also sind die beiden Lösungen gleich: Die Gleichung hat eine Lösung.</translation>
    </message>
    <message>
        <source>D is less than 0. No real number squared is negative, so √D is no real number: the equation has no real solution.</source>
        <translation>D ist kleiner als 0. Das Quadrat einer reellen Zahl ist nie negativ, also ist √D keine reelle Zahl: Die Gleichung hat keine reelle Lösung.</translation>
    </message>
    <message>
        <source>The window works with decimals rounded at every step: its D came out %1 instead of exactly %2, so it shows &quot;%3&quot;.</source>
        <extracomment>%1 is the window&apos;s D, %2 the exact D, %3 the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>Das Fenster rechnet mit Dezimalzahlen, die bei jedem Schritt gerundet werden: Sein D ergab %1 statt genau %2, deshalb zeigt es „%3“.</translation>
    </message>
    <message>
        <source>The window works with decimals rounded at every step: its D came out %1 instead of exactly %2, so it shows two roots.</source>
        <translation>Das Fenster rechnet mit Dezimalzahlen, die bei jedem Schritt gerundet werden: Sein D ergab %1 statt genau %2, deshalb zeigt es zwei Lösungen.</translation>
    </message>
    <message>
        <source>Answer: X1 and X2 show &quot;%1&quot;</source>
        <extracomment>%1 is the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>Ergebnis: X1 und X2 zeigen „%1“</translation>
    </message>
    <message>
        <source>Answer: X1 and X2 show &quot;%1&quot;: the equation has no real solution.</source>
        <extracomment>%1 is the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>Ergebnis: X1 und X2 zeigen „%1“: Die Gleichung hat keine reelle Lösung.</translation>
    </message>
    <message>
        <source>Straight line y = %1 crossing the x-axis at %2.</source>
        <translation>Gerade y = %1 schneidet die x-Achse bei %2.</translation>
    </message>
    <message>
        <source>Straight line y = %1 beside the x-axis: it never meets it.</source>
        <translation>Gerade y = %1 parallel zur x-Achse: Sie trifft sie nie.</translation>
    </message>
    <message>
        <source>The line y = 0 is the x-axis itself: every x is a root.</source>
        <translation>Die Gerade y = 0 ist die x-Achse selbst: Jedes x ist eine Lösung.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <translation>Das Fenster meldete: „%1“</translation>
    </message>
    <message>
        <source>A = 0, so there is no x² term: this is no quadratic equation, and the window gives no roots. What is left is the linear equation Bx + C = 0.</source>
        <translation>A = 0, also gibt es kein x²: Das ist keine quadratische Gleichung, und das Fenster gibt keine Lösungen an. Übrig bleibt die lineare Gleichung Bx + C = 0.</translation>
    </message>
    <message>
        <source>B = 0 as well, so the left side is %1 whatever x is, and %1 is not 0: no x solves the equation.</source>
        <translation>Auch B = 0, also ist die linke Seite %1, egal was x ist, und %1 ist nicht 0: Kein x löst die Gleichung.</translation>
    </message>
    <message>
        <source>B = 0 and C = 0 as well, so the left side is 0 whatever x is: every x solves the equation.</source>
        <translation>Auch B = 0 und C = 0, also ist die linke Seite 0, egal was x ist: Jedes x löst die Gleichung.</translation>
    </message>
    <message>
        <source>Take C to the other side: %1x = %2</source>
        <extracomment>%1x is B times x (B left out when it is 1, &quot;-&quot; when it is -1), %2 is -C</extracomment>
        <translation>Bring C auf die andere Seite: %1x = %2</translation>
    </message>
    <message>
        <source>Divide by B: x = -C ÷ B = %1 ÷ %2 = %3</source>
        <translation>Teile durch B: x = -C ÷ B = %1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>Check: %1 × %2%3 = %4 = 0</source>
        <extracomment>%1 × %2%3 is B × x + C, %4 its terms added</extracomment>
        <translation>Probe: %1 × %2%3 = %4 = 0</translation>
    </message>
    <message>
        <source>A, B and C: the numbers of Ax² + Bx + C = 0, each %1.</source>
        <extracomment>%1 says what a value may be written as (a number, a fraction ...)</extracomment>
        <translation>A, B und C: die Zahlen von Ax² + Bx + C = 0, jeweils %1.</translation>
    </message>
    <message>
        <source>A must not be 0: without x² it is no quadratic equation.</source>
        <translation>A darf nicht 0 sein: Ohne x² ist es keine quadratische Gleichung.</translation>
    </message>
    <message>
        <source>Each box keeps 5 characters: a longer number is cut (1/3 becomes %1), and the cut number is the one solved with.</source>
        <translation>Jedes Feld behält 5 Zeichen: Eine längere Zahl wird abgeschnitten (1/3 wird zu %1), und mit der abgeschnittenen Zahl wird gerechnet.</translation>
    </message>
</context>
<context>
    <name>sb::Form2</name>
    <message>
        <source>It Sould Be Quadratix Equation So A Value Must Not Be Zero </source>
        <translation>Es muss eine quadratische Gleichung sein, also darf A nicht 0 sein.</translation>
    </message>
    <message>
        <source>No Solution</source>
        <translation>Keine Lösung</translation>
    </message>
</context>
</TS>
