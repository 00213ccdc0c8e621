<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ComplexNumbers</name>
    <message>
        <source>Please Set the operation [+ - * / &lt; &gt; =]!!!.</source>
        <translation>Bitte gib eine Rechenart ein [+ - * / &lt; &gt; =].</translation>
    </message>
    <message>
        <source>Complex Number two csn&apos;t be zero!!!.</source>
        <translation>Die zweite komplexe Zahl darf nicht null sein.</translation>
    </message>
</context>
<context>
    <name>ComplexWorking</name>
    <message>
        <source>Re</source>
        <extracomment>the name of the real axis of an Argand diagram, as short as &quot;Re&quot;</extracomment>
        <translation>Re</translation>
    </message>
    <message>
        <source>Im</source>
        <extracomment>the name of the imaginary axis of an Argand diagram, as short as &quot;Im&quot;</extracomment>
        <translation>Im</translation>
    </message>
    <message>
        <source>These numbers are too large to draw to scale.</source>
        <translation>Diese Zahlen sind zu groß, um sie maßstabsgetreu zu zeichnen.</translation>
    </message>
    <message>
        <source>No figure: the numbers are too large to draw to scale.</source>
        <translation>Keine Skizze: Die Zahlen sind zu groß, um sie maßstabsgetreu zu zeichnen.</translation>
    </message>
    <message>
        <source>To add, add the real parts and add the imaginary parts: (a + bi) + (c + di) = (a + c) + (b + d)i.</source>
        <translation>Zum Addieren addierst du die Realteile und die Imaginärteile: (a + bi) + (c + di) = (a + c) + (b + d)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their sum %3, the diagonal of the dashed parallelogram.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their sum</extracomment>
        <translation>Gaußsche Zahlenebene: z1 = %1 und z2 = %2 als Pfeile; ihre Summe %3 ist die Diagonale des gestrichelten Parallelogramms.</translation>
    </message>
    <message>
        <source>To subtract, subtract the real parts and the imaginary parts: (a + bi) - (c + di) = (a - c) + (b - d)i.</source>
        <translation>Zum Subtrahieren subtrahierst du die Realteile und die Imaginärteile: (a + bi) - (c + di) = (a - c) + (b - d)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their difference %3, the diagonal of the dashed parallelogram.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their difference</extracomment>
        <translation>Gaußsche Zahlenebene: z1 = %1 und z2 = %2 als Pfeile; ihre Differenz %3 ist die Diagonale des gestrichelten Parallelogramms.</translation>
    </message>
    <message>
        <source>To multiply, multiply out the brackets, with i² = -1: (a + bi)(c + di) = (ac - bd) + (bc + ad)i.</source>
        <translation>Zum Multiplizieren multiplizierst du die Klammern aus; dabei ist i² = -1: (a + bi)(c + di) = (ac - bd) + (bc + ad)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their product %3.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their product</extracomment>
        <translation>Gaußsche Zahlenebene: z1 = %1 und z2 = %2 als Pfeile; ihr Produkt %3.</translation>
    </message>
    <message>
        <source>To divide, multiply the top and the bottom by c - di, which makes the bottom the real number c² + d²: (a + bi) ÷ (c + di) = ((ac + bd) + (bc - ad)i) ÷ (c² + d²).</source>
        <translation>Zum Dividieren multiplizierst du Zähler und Nenner mit c - di; so wird der Nenner die reelle Zahl c² + d²: (a + bi) ÷ (c + di) = ((ac + bd) + (bc - ad)i) ÷ (c² + d²).</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their quotient %3.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their quotient</extracomment>
        <translation>Gaußsche Zahlenebene: z1 = %1 und z2 = %2 als Pfeile; ihr Quotient %3.</translation>
    </message>
    <message>
        <source>Real part: %1</source>
        <extracomment>a line of the working: %1 is the calculation of the real part of the result</extracomment>
        <translation>Realteil: %1</translation>
    </message>
    <message>
        <source>Imaginary part: %1</source>
        <extracomment>a line of the working: %1 is the calculation of the imaginary part of the result</extracomment>
        <translation>Imaginärteil: %1</translation>
    </message>
    <message>
        <source>z1 = a + bi = %1 and z2 = c + di = %2</source>
        <translation>z1 = a + bi = %1 und z2 = c + di = %2</translation>
    </message>
    <message>
        <source>Answer: R = %1 and Im = %2, that is %3</source>
        <extracomment>%1 and %2 are the answers of the window, %3 the same number written a + bi</extracomment>
        <translation>Ergebnis: R = %1 und Im = %2, also %3</translation>
    </message>
    <message>
        <source>The powers of i repeat in fours: i⁰ = 1, i¹ = i, i² = -1, i³ = -i, and i⁴ = 1 again.</source>
        <translation>Die Potenzen von i wiederholen sich nach je vier Schritten: i⁰ = 1, i¹ = i, i² = -1, i³ = -i, und wieder i⁴ = 1.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number. Rounded to the nearest one (a half to the even one) it gives %2, but the window divides with decimals rounded to about 16 digits: its N came out a hair below %1, so it rounds to N = %3.</source>
        <extracomment>%1 is the fraction typed, %2 the whole number nearest to it, %3 the whole number the window rounded to</extracomment>
        <translation>N = %1 ist keine ganze Zahl. Auf die nächste ganze Zahl gerundet (eine genaue Hälfte zur geraden Zahl hin) ergibt das %2, aber das Fenster teilt mit Dezimalzahlen, die auf etwa 16 Stellen gerundet sind: Sein N liegt ein winziges Stück unter %1, deshalb rundet es auf N = %3.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number. Rounded to the nearest one (a half to the even one) it gives %2, but the window divides with decimals rounded to about 16 digits: its N came out a hair above %1, so it rounds to N = %3.</source>
        <extracomment>%1 is the fraction typed, %2 the whole number nearest to it, %3 the whole number the window rounded to</extracomment>
        <translation>N = %1 ist keine ganze Zahl. Auf die nächste ganze Zahl gerundet (eine genaue Hälfte zur geraden Zahl hin) ergibt das %2, aber das Fenster teilt mit Dezimalzahlen, die auf etwa 16 Stellen gerundet sind: Sein N liegt ein winziges Stück über %1, deshalb rundet es auf N = %3.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number: it is rounded to the nearest one (a half to the even one), N = %2.</source>
        <translation>N = %1 ist keine ganze Zahl: Es wird auf die nächste ganze Zahl gerundet (eine genaue Hälfte zur geraden Zahl hin), N = %2.</translation>
    </message>
    <message>
        <source>N = %1 is rounded to the nearest whole number (a half to the even one), N = %2.</source>
        <translation>N = %1 wird auf die nächste ganze Zahl gerundet (eine genaue Hälfte zur geraden Zahl hin), N = %2.</translation>
    </message>
    <message>
        <source>Take away fours: %1 = 4 × %2 + %3, so i%4 = i%5</source>
        <extracomment>%1 = 4 × %2 + %3 writes N with its fours taken away; i%4 is i to the power N, i%5 to the power left over</extracomment>
        <translation>Vierer abziehen: %1 = 4 × %2 + %3, also i%4 = i%5</translation>
    </message>
    <message>
        <source>Take away fours: %1 = 4 × %2 + %3</source>
        <translation>Vierer abziehen: %1 = 4 × %2 + %3</translation>
    </message>
    <message>
        <source>Answer: i%1 = %2</source>
        <extracomment>i%1 is i to the power N, %2 the answer</extracomment>
        <translation>Ergebnis: i%1 = %2</translation>
    </message>
    <message>
        <source>Unit circle with the powers 1, i, -1 and -i; i%1 = %2, %3 quarter turns on from 1.</source>
        <extracomment>i%1 is i to the power N, %2 the answer, %3 the number of quarter turns (0 to 3)</extracomment>
        <translation>Einheitskreis mit den Potenzen 1, i, -1 und -i; i%1 = %2, %3 Vierteldrehungen weiter als 1.</translation>
    </message>
    <message>
        <source>Its polar form is r × (cos θ + i sin θ): r = √(x² + y²) is the length of its arrow, θ its angle from the positive real axis. The window writes it Root(x² + y²)*Cos(θ) + Root(x² + y²)*i*Sin(θ), θ in degrees.</source>
        <translation>Seine Polarform ist r × (cos θ + i sin θ): r = √(x² + y²) ist die Länge seines Pfeils, θ sein Winkel zur positiven reellen Achse. Das Fenster schreibt sie als Root(x² + y²)*Cos(θ) + Root(x² + y²)*i*Sin(θ), θ in Grad.</translation>
    </message>
    <message>
        <source>%1, the length of the arrow</source>
        <extracomment>%1 is the calculation of r</extracomment>
        <translation>%1, die Länge des Pfeils</translation>
    </message>
    <message>
        <source>r = %1 = %2, the length of the arrow</source>
        <translation>r = %1 = %2, die Länge des Pfeils</translation>
    </message>
    <message>
        <source>x = 0 and y is more than 0: the arrow points straight up, so the angle is 90°.</source>
        <translation>x = 0 und y ist größer als 0: Der Pfeil zeigt senkrecht nach oben, also ist der Winkel 90°.</translation>
    </message>
    <message>
        <source>x = 0 and y is less than 0: the arrow points straight down, so the angle is -90°.</source>
        <translation>x = 0 und y ist kleiner als 0: Der Pfeil zeigt senkrecht nach unten, also ist der Winkel -90°.</translation>
    </message>
    <message>
        <source>z is 0: it points nowhere, and its angle is taken as 0°.</source>
        <translation>z ist 0: Es zeigt in keine Richtung, und sein Winkel wird als 0° genommen.</translation>
    </message>
    <message>
        <source>The angle: arctan(y ÷ x) = arctan(%1 ÷ %2) = %3°</source>
        <translation>Der Winkel: arctan(y ÷ x) = arctan(%1 ÷ %2) = %3°</translation>
    </message>
    <message>
        <source>x is less than 0, so the arrow points left: turn by half a circle, %1 %2 180 = %3°</source>
        <extracomment>%1 %2 180 = %3° is the calculation: the arctangent, + or -, 180, the angle</extracomment>
        <translation>x ist kleiner als 0, also zeigt der Pfeil nach links: um einen halben Kreis drehen, %1 %2 180 = %3°</translation>
    </message>
    <message>
        <source>Rounded to 2 places: %1°</source>
        <translation>Auf 2 Nachkommastellen gerundet: %1°</translation>
    </message>
    <message>
        <source>-180° points the same way as 180°, so the angle is 180°.</source>
        <translation>-180° zeigt in dieselbe Richtung wie 180°, also ist der Winkel 180°.</translation>
    </message>
    <message>
        <source>Answer: %1, that is %2</source>
        <extracomment>%1 is the window&apos;s answer, %2 the same number as a textbook writes it</extracomment>
        <translation>Ergebnis: %1, also %2</translation>
    </message>
    <message>
        <source>Answer: %1, that is about %2, the angle rounded to 2 places</source>
        <translation>Ergebnis: %1, also ungefähr %2, mit dem Winkel auf 2 Nachkommastellen gerundet</translation>
    </message>
    <message>
        <source>Check: %1 and %2 are %3 and %4, so %5 × (%6) = %7</source>
        <extracomment>%1 and %2 are cos and sin of the angle, %3 and %4 their values; %5 × (%6) = %7 multiplies r out to give the number again</extracomment>
        <translation>Probe: %1 und %2 sind %3 und %4, also %5 × (%6) = %7</translation>
    </message>
    <message>
        <source>Argand diagram: the arrow to %1, of length %2, at %3° from the positive real axis.</source>
        <extracomment>%1 is the number, %2 the length of its arrow, %3 its angle</extracomment>
        <translation>Gaußsche Zahlenebene: der Pfeil zu %1 mit der Länge %2, im Winkel von %3° zur positiven reellen Achse.</translation>
    </message>
    <message>
        <source>R and Im: the real part a and the imaginary part b of a number a + bi, each %1.</source>
        <extracomment>%1 tells the forms a value may take: a decimal, a fraction, ...</extracomment>
        <translation>R und Im: der Realteil a und der Imaginärteil b einer Zahl a + bi, jeweils %1.</translation>
    </message>
    <message>
        <source>Operation: one of + - * / on its own, with no blanks.</source>
        <extracomment>&quot;Operation&quot; is the box&apos;s label in the window</extracomment>
        <translation>Rechenart: eines der Zeichen + - * / allein, ohne Leerzeichen.</translation>
    </message>
    <message>
        <source>N: the power of i, a number; it is rounded to a whole number.</source>
        <translation>N: der Exponent von i, eine Zahl; er wird auf eine ganze Zahl gerundet.</translation>
    </message>
    <message>
        <source>To Polar: R and Im of one number.</source>
        <translation>In Polarform: R und Im einer Zahl.</translation>
    </message>
</context>
<context>
    <name>Form13</name>
    <message>
        <source>Operations [ + - * / ] On Complex Numbers</source>
        <translation>Rechenarten [ + - * / ] mit komplexen Zahlen</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Example: (3-2*i) + (6+4*i) =&gt; &lt;3,-2&gt; + &lt;6,4&gt;   Is :   &lt;9,2&gt;</source>
        <extracomment>the numbers and the formulas stay as they are; only &quot;Example&quot; and &quot;Is&quot; are words</extracomment>
        <translation>Beispiel: (3-2*i) + (6+4*i) =&gt; &lt;3,-2&gt; + &lt;6,4&gt;   Ergebnis:   &lt;9,2&gt;</translation>
    </message>
    <message>
        <source>Solving I power N</source>
        <translation>i hoch N berechnen</translation>
    </message>
    <message>
        <source>i power N</source>
        <translation>i hoch N</translation>
    </message>
    <message>
        <source>Polar Representation</source>
        <translation>Polarform</translation>
    </message>
    <message>
        <source>To Polar</source>
        <translation>In Polarform</translation>
    </message>
    <message>
        <source>Example: 1+i =&gt; &lt;1,1&gt;   Is :   Root(2)*cos(45) + Root(2)*i*sin (45)</source>
        <extracomment>the numbers and the formulas stay as they are; only &quot;Example&quot; and &quot;Is&quot; are words</extracomment>
        <translation>Beispiel: 1+i =&gt; &lt;1,1&gt;   Ergebnis:   Root(2)*cos(45) + Root(2)*i*sin (45)</translation>
    </message>
    <message>
        <source>Complex Numbers</source>
        <translation>Komplexe Zahlen</translation>
    </message>
</context>
</TS>
