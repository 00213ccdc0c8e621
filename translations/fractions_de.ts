<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form4</name>
    <message>
        <source>Operators On Fractions</source>
        <translation>Rechnen mit Brüchen</translation>
    </message>
    <message>
        <source>Fraction 1</source>
        <translation>Bruch 1</translation>
    </message>
    <message>
        <source>Fraction 1 whole number</source>
        <translation>Bruch 1, Ganzes</translation>
    </message>
    <message>
        <source>Fraction 1 numerator</source>
        <translation>Bruch 1, Zähler</translation>
    </message>
    <message>
        <source>Fraction 1 denominator</source>
        <translation>Bruch 1, Nenner</translation>
    </message>
    <message>
        <source>The Operator</source>
        <translation>Rechenzeichen</translation>
    </message>
    <message>
        <source>Fraction 2</source>
        <translation>Bruch 2</translation>
    </message>
    <message>
        <source>Fraction 2 whole number</source>
        <translation>Bruch 2, Ganzes</translation>
    </message>
    <message>
        <source>Fraction 2 numerator</source>
        <translation>Bruch 2, Zähler</translation>
    </message>
    <message>
        <source>Fraction 2 denominator</source>
        <translation>Bruch 2, Nenner</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Result whole number</source>
        <translation>Ergebnis, Ganzes</translation>
    </message>
    <message>
        <source>Result numerator</source>
        <translation>Ergebnis, Zähler</translation>
    </message>
    <message>
        <source>Result denominator</source>
        <translation>Ergebnis, Nenner</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Common Denominator</source>
        <translation>Gemeinsamer Nenner</translation>
    </message>
    <message>
        <source>Make Common Denominator</source>
        <translation>Hauptnenner bilden</translation>
    </message>
    <message>
        <source>Common Denominator Result</source>
        <translation>Gemeinsamer Nenner, Ergebnis</translation>
    </message>
    <message>
        <source>Reduction</source>
        <translation>Kürzen</translation>
    </message>
    <message>
        <source>Reduction numerator</source>
        <translation>Kürzen, Zähler</translation>
    </message>
    <message>
        <source>Reduction denominator</source>
        <translation>Kürzen, Nenner</translation>
    </message>
    <message>
        <source>Reduction Result numerator</source>
        <translation>Kürzen, Ergebnis, Zähler</translation>
    </message>
    <message>
        <source>Reduction Result denominator</source>
        <translation>Kürzen, Ergebnis, Nenner</translation>
    </message>
</context>
<context>
    <name>FractionsWorking</name>
    <message>
        <source>The bars of %1 are not cut: %2 is not a whole number of parts</source>
        <extracomment>%1 is what the bars show (a fraction), %2 how many equal pieces a bar is cut into</extracomment>
        <translation>Die Streifen von %1 sind nicht unterteilt: %2 ist keine ganze Zahl von Teilen</translation>
    </message>
    <message>
        <source>The %1 bars of %2 are drawn as one length, without their parts: too many to tell apart</source>
        <extracomment>%1 is how many bars there are, %2 what they show (a fraction)</extracomment>
        <translation>Die %1 Streifen von %2 sind als eine Länge gezeichnet, ohne ihre Teile: zu viele, um sie zu unterscheiden</translation>
    </message>
    <message>
        <source>The bars of %1 are not cut into their %2 parts: too many to tell apart</source>
        <extracomment>%1 is what the bars show (a fraction), %2 how many equal pieces a bar is cut into</extracomment>
        <translation>Die Streifen von %1 sind nicht in ihre %2 Teile unterteilt: zu viele, um sie zu unterscheiden</translation>
    </message>
    <message>
        <source>The numbers are too large to draw.</source>
        <translation>Die Zahlen sind zu groß zum Zeichnen.</translation>
    </message>
    <message>
        <source>Number Can&apos;t Be Zero!!!</source>
        <translation>Die Zahl darf nicht 0 sein!</translation>
    </message>
    <message>
        <source>Please Set the operation [+ - * / &lt; &gt; =]!!!.</source>
        <translation>Bitte gib ein Rechenzeichen ein [+ - * / &lt; &gt; =]!</translation>
    </message>
    <message>
        <source>Fraction 2 Can&apos;t be equals to zero </source>
        <translation>Bruch 2 darf nicht 0 sein.</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Wahr</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a mixed number: %1 is its whole number, %2 its fraction (&quot;4 and 1/6&quot;)</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The whole part is %1; it is taken as the whole number %2</source>
        <translation>Das Ganze ist %1; es wird als ganze Zahl %2 genommen</translation>
    </message>
    <message>
        <source>The numerator is %1; it is taken as the whole number %2</source>
        <translation>Der Zähler ist %1; er wird als ganze Zahl %2 genommen</translation>
    </message>
    <message>
        <source>The denominator is %1; it is taken as the whole number %2</source>
        <translation>Der Nenner ist %1; er wird als ganze Zahl %2 genommen</translation>
    </message>
    <message>
        <source>The whole part of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>Das Ganze von Bruch 1 ist %1; es wird als ganze Zahl %2 genommen</translation>
    </message>
    <message>
        <source>The numerator of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>Der Zähler von Bruch 1 ist %1; er wird als ganze Zahl %2 genommen</translation>
    </message>
    <message>
        <source>The denominator of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>Der Nenner von Bruch 1 ist %1; er wird als ganze Zahl %2 genommen</translation>
    </message>
    <message>
        <source>The whole part of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>Das Ganze von Bruch 2 ist %1; es wird als ganze Zahl %2 genommen</translation>
    </message>
    <message>
        <source>The numerator of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>Der Zähler von Bruch 2 ist %1; er wird als ganze Zahl %2 genommen</translation>
    </message>
    <message>
        <source>The denominator of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>Der Nenner von Bruch 2 ist %1; er wird als ganze Zahl %2 genommen</translation>
    </message>
    <message>
        <source>The number B is %1; it is taken as the whole number %2</source>
        <translation>Die Zahl B ist %1; sie wird als ganze Zahl %2 genommen</translation>
    </message>
    <message>
        <source>%1 = %2: every number divides 0, so the gcd is the first number</source>
        <translation>%1 = %2: Jede Zahl teilt 0, also ist der größte gemeinsame Teiler die erste Zahl</translation>
    </message>
    <message>
        <source>Euclid: divide, then divide the divisor by the remainder, until the remainder is 0</source>
        <translation>Euklid: Teile, dann teile den Divisor durch den Rest, bis der Rest 0 ist</translation>
    </message>
    <message>
        <source>The last divisor is the greatest common divisor: %1 = %2</source>
        <translation>Der letzte Divisor ist der größte gemeinsame Teiler: %1 = %2</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3, remainder %4</source>
        <extracomment>a division with remainder: %1 ÷ %2 = %3 is the whole quotient, %4 what is left</extracomment>
        <translation>%1 ÷ %2 = %3, Rest %4</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>Jeder Teil behält sein eigenes Vorzeichen: %1 und %2 ist %1 - %3 = %4, also minus %5 und %3</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>Jeder Teil behält sein eigenes Vorzeichen: %1 und %2 ist %1 + %3 = %4, nicht minus %5 und %3</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>Jeder Teil behält sein eigenes Vorzeichen: %1 und %2 ist %1 - %3 = %4, nicht %5 und %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>In Bruch 1 behält jeder Teil sein eigenes Vorzeichen: %1 und %2 ist %1 - %3 = %4, also minus %5 und %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>In Bruch 1 behält jeder Teil sein eigenes Vorzeichen: %1 und %2 ist %1 + %3 = %4, nicht minus %5 und %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>In Bruch 1 behält jeder Teil sein eigenes Vorzeichen: %1 und %2 ist %1 - %3 = %4, nicht %5 und %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>In Bruch 2 behält jeder Teil sein eigenes Vorzeichen: %1 und %2 ist %1 - %3 = %4, also minus %5 und %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>In Bruch 2 behält jeder Teil sein eigenes Vorzeichen: %1 und %2 ist %1 + %3 = %4, nicht minus %5 und %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>In Bruch 2 behält jeder Teil sein eigenes Vorzeichen: %1 und %2 ist %1 - %3 = %4, nicht %5 und %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>Im Ergebnis behält jeder Teil sein eigenes Vorzeichen: %1 und %2 ist %1 - %3 = %4, also minus %5 und %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>Im Ergebnis behält jeder Teil sein eigenes Vorzeichen: %1 und %2 ist %1 + %3 = %4, nicht minus %5 und %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>Im Ergebnis behält jeder Teil sein eigenes Vorzeichen: %1 und %2 ist %1 - %3 = %4, nicht %5 und %3</translation>
    </message>
    <message>
        <source>For minus %1 and %2, that is %3, type %4 and %5</source>
        <translation>Für minus %1 und %2, also %3, gib %4 und %5 ein</translation>
    </message>
    <message>
        <source>For %1 and %2, that is %3, type %4 and %5</source>
        <translation>Für %1 und %2, also %3, gib %4 und %5 ein</translation>
    </message>
    <message>
        <source>In lowest terms: %1, that is %2</source>
        <translation>Vollständig gekürzt: %1, also %2</translation>
    </message>
    <message>
        <source>In lowest terms: %1 is %2, that is %3</source>
        <translation>Vollständig gekürzt: %1 ist %2, also %3</translation>
    </message>
    <message>
        <source>fraction 1</source>
        <translation>Bruch 1</translation>
    </message>
    <message>
        <source>fraction 2</source>
        <translation>Bruch 2</translation>
    </message>
    <message>
        <source>The common denominator of %1 and %2 is C = %3</source>
        <translation>Der gemeinsame Nenner von %1 und %2 ist C = %3</translation>
    </message>
    <message>
        <source>The least common multiple: %1 × %2 ÷ %3 = %4</source>
        <translation>Das kleinste gemeinsame Vielfache: %1 × %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>Fraction 1 as an improper fraction: (%1 × %2 + %3)/%2 = %4</source>
        <translation>Bruch 1 als unechter Bruch: (%1 × %2 + %3)/%2 = %4</translation>
    </message>
    <message>
        <source>Fraction 2 as an improper fraction: (%1 × %2 + %3)/%2 = %4</source>
        <translation>Bruch 2 als unechter Bruch: (%1 × %2 + %3)/%2 = %4</translation>
    </message>
    <message>
        <source>The window writes the numerator %1 and reads it back as the whole number %2</source>
        <translation>Das Fenster schreibt den Zähler %1 und liest ihn als ganze Zahl %2 wieder ein</translation>
    </message>
    <message>
        <source>As a mixed number: %1</source>
        <translation>Als gemischte Zahl: %1</translation>
    </message>
    <message>
        <source>Add the whole numbers and the fractions apart</source>
        <translation>Addiere die ganzen Zahlen und die Brüche getrennt</translation>
    </message>
    <message>
        <source>Rule: a/b + c/d = (a × (C ÷ b) + c × (C ÷ d))/C, with C the common denominator of b and d</source>
        <translation>Regel: a/b + c/d = (a × (C ÷ b) + c × (C ÷ d))/C, wobei C der gemeinsame Nenner von b und d ist</translation>
    </message>
    <message>
        <source>So %1 + %2 = %3</source>
        <translation>Also %1 + %2 = %3</translation>
    </message>
    <message>
        <source>The whole numbers: %1 + %2 = %3</source>
        <translation>Die ganzen Zahlen: %1 + %2 = %3</translation>
    </message>
    <message>
        <source>%1 is rounded to the whole number %2</source>
        <translation>%1 wird auf die ganze Zahl %2 gerundet</translation>
    </message>
    <message>
        <source>With the %1 from the fraction: %2 + %3 = %4</source>
        <extracomment>%1 is the whole number the fraction part gave, added to the whole numbers&apos; sum %2</extracomment>
        <translation>Mit der %1 aus dem Bruch: %2 + %3 = %4</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then take them away</source>
        <translation>Schreibe jede gemischte Zahl als unechten Bruch, dann subtrahiere</translation>
    </message>
    <message>
        <source>Rule: a/b - c/d = ((C ÷ b) × a - (C ÷ d) × c)/C, with C the common denominator of b and d</source>
        <translation>Regel: a/b - c/d = ((C ÷ b) × a - (C ÷ d) × c)/C, wobei C der gemeinsame Nenner von b und d ist</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then multiply</source>
        <translation>Schreibe jede gemischte Zahl als unechten Bruch, dann multipliziere</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then divide</source>
        <translation>Schreibe jede gemischte Zahl als unechten Bruch, dann dividiere</translation>
    </message>
    <message>
        <source>Rule: a/b × c/d = (a × c)/(b × d)</source>
        <translation>Regel: a/b × c/d = (a × c)/(b × d)</translation>
    </message>
    <message>
        <source>Rule: a/b ÷ c/d = (a × d)/(b × c): multiply by the second fraction turned upside down</source>
        <translation>Regel: a/b ÷ c/d = (a × d)/(b × c): Multipliziere mit dem Kehrwert des zweiten Bruchs</translation>
    </message>
    <message>
        <source>Numerators: %1 × %2 = %3; denominators: %4 × %5 = %6</source>
        <translation>Zähler: %1 × %2 = %3; Nenner: %4 × %5 = %6</translation>
    </message>
    <message>
        <source>To reduce %1, its greatest common divisor: gcd(%2, %3) = %4</source>
        <translation>Zum Kürzen von %1 der größte gemeinsame Teiler: gcd(%2, %3) = %4</translation>
    </message>
    <message>
        <source>Dividing by 1 changes nothing: %1 is in lowest terms already</source>
        <translation>Teilen durch 1 ändert nichts: %1 ist schon vollständig gekürzt</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 and %4 ÷ %2 = %5, so %6 = %7</source>
        <translation>%1 ÷ %2 = %3 und %4 ÷ %2 = %5, also %6 = %7</translation>
    </message>
    <message>
        <source>%1 is less than %2</source>
        <translation>%1 ist kleiner als %2</translation>
    </message>
    <message>
        <source>%1 is greater than %2</source>
        <translation>%1 ist größer als %2</translation>
    </message>
    <message>
        <source>%1 is equal to %2</source>
        <translation>%1 ist gleich %2</translation>
    </message>
    <message>
        <source>Compare the exact values: write each number as one fraction</source>
        <translation>Vergleiche die exakten Werte: Schreibe jede Zahl als einen einzigen Bruch</translation>
    </message>
    <message>
        <source>Fraction 1: %1 = %2</source>
        <translation>Bruch 1: %1 = %2</translation>
    </message>
    <message>
        <source>Fraction 2: %1 = %2</source>
        <translation>Bruch 2: %1 = %2</translation>
    </message>
    <message>
        <source>Both have the denominator %1, so compare the numerators</source>
        <translation>Beide haben den Nenner %1, also vergleiche die Zähler</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 = %3/%1, and %4 has it already</source>
        <translation>Mit dem gemeinsamen Nenner %1: %2 = %3/%1, und %4 hat ihn schon</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 has it already, and %3 = %4/%1</source>
        <translation>Mit dem gemeinsamen Nenner %1: %2 hat ihn schon, und %3 = %4/%1</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 = %3/%1 and %4 = %5/%1</source>
        <translation>Mit dem gemeinsamen Nenner %1: %2 = %3/%1 und %4 = %5/%1</translation>
    </message>
    <message>
        <source>%1 is less than %2, so %3 is less than %4</source>
        <extracomment>%1 and %2 are the numerators over the common denominator, %3 and %4 the two numbers</extracomment>
        <translation>%1 ist kleiner als %2, also ist %3 kleiner als %4</translation>
    </message>
    <message>
        <source>%1 is greater than %2, so %3 is greater than %4</source>
        <translation>%1 ist größer als %2, also ist %3 größer als %4</translation>
    </message>
    <message>
        <source>%1 is equal to %2, so %3 is equal to %4</source>
        <translation>%1 ist gleich %2, also ist %3 gleich %4</translation>
    </message>
    <message>
        <source>As decimals: fraction 1 is %1 and fraction 2 is %2</source>
        <translation>Als Dezimalzahlen: Bruch 1 ist %1 und Bruch 2 ist %2</translation>
    </message>
    <message>
        <source>Written with 15 digits both are %1: the values differ beyond the digits shown</source>
        <translation>Mit 15 Stellen geschrieben sind beide %1: Die Werte unterscheiden sich erst nach den gezeigten Stellen</translation>
    </message>
    <message>
        <source>Compare the two numbers as decimals: whole number + numerator ÷ denominator</source>
        <translation>Vergleiche die beiden Zahlen als Dezimalzahlen: ganze Zahl + Zähler ÷ Nenner</translation>
    </message>
    <message>
        <source>Fraction 1: %1 + %2 ÷ %3 = %4</source>
        <translation>Bruch 1: %1 + %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>Fraction 2: %1 + %2 ÷ %3 = %4</source>
        <translation>Bruch 2: %1 + %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>%1 is less than %2: they differ beyond the digits shown</source>
        <translation>%1 ist kleiner als %2: Sie unterscheiden sich erst nach den gezeigten Stellen</translation>
    </message>
    <message>
        <source>%1 is greater than %2: they differ beyond the digits shown</source>
        <translation>%1 ist größer als %2: Sie unterscheiden sich erst nach den gezeigten Stellen</translation>
    </message>
    <message>
        <source>So %1 %2 %3 is %4</source>
        <extracomment>%1 %2 %3 is the comparison typed, %4 the window&apos;s answer (True or False)</extracomment>
        <translation>Also: %1 %2 %3 ist %4</translation>
    </message>
    <message>
        <source>fraction 1 = fraction 2</source>
        <translation>Bruch 1 = Bruch 2</translation>
    </message>
    <message>
        <source>fractions 1 and 2</source>
        <translation>Brüche 1 und 2</translation>
    </message>
    <message>
        <source>fraction 1 (greater)</source>
        <translation>Bruch 1 (größer)</translation>
    </message>
    <message>
        <source>fraction 2 (greater)</source>
        <translation>Bruch 2 (größer)</translation>
    </message>
    <message>
        <source>Fraction bars of the same length and a number line: %1 is equal to %2, so %1 %3 %2 is %4.</source>
        <extracomment>%1 and %2 are the two numbers, %3 the comparison&apos;s sign, %4 the answer (True or False)</extracomment>
        <translation>Bruchstreifen gleicher Länge und eine Zahlengerade: %1 ist gleich %2, also: %1 %3 %2 ist %4.</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 is less than %2, so %1 %3 %2 is %4.</source>
        <translation>Bruchstreifen und eine Zahlengerade: %1 ist kleiner als %2, also: %1 %3 %2 ist %4.</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 is greater than %2, so %1 %3 %2 is %4.</source>
        <translation>Bruchstreifen und eine Zahlengerade: %1 ist größer als %2, also: %1 %3 %2 ist %4.</translation>
    </message>
    <message>
        <source>result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 %2 %3 = %4, which is %5.</source>
        <extracomment>%1 %2 %3 is the exercise, %4 the answer as a mixed number and %5 its value as a decimal</extracomment>
        <translation>Bruchstreifen und eine Zahlengerade: %1 %2 %3 = %4, das ist %5.</translation>
    </message>
    <message>
        <source>Check with the exact values: %1 %2 %3 = %4</source>
        <translation>Probe mit den exakten Werten: %1 %2 %3 = %4</translation>
    </message>
    <message>
        <source>Check with the exact values: %1 %2 %3 = %4, and %5 is %4 too</source>
        <translation>Probe mit den exakten Werten: %1 %2 %3 = %4, und %5 ist ebenfalls %4</translation>
    </message>
    <message>
        <source>Fraction 2 as an improper fraction: (%1 × %2 + %3)/%2 = %4, which is 0</source>
        <translation>Bruch 2 als unechter Bruch: (%1 × %2 + %3)/%2 = %4, und das ist 0</translation>
    </message>
    <message>
        <source>Nothing can be divided by 0, so there is no answer</source>
        <translation>Durch 0 kann man nicht teilen, also gibt es kein Ergebnis</translation>
    </message>
    <message>
        <source>The whole number box of fraction 1 held no number, so the window set it to 0</source>
        <translation>Das Feld für das Ganze von Bruch 1 enthielt keine Zahl, also hat das Fenster es auf 0 gesetzt</translation>
    </message>
    <message>
        <source>The whole number box of fraction 2 held no number, so the window set it to 0</source>
        <translation>Das Feld für das Ganze von Bruch 2 enthielt keine Zahl, also hat das Fenster es auf 0 gesetzt</translation>
    </message>
    <message>
        <source>The exercise: %1 %2 %3</source>
        <translation>Die Aufgabe: %1 %2 %3</translation>
    </message>
    <message>
        <source>The fraction part is 0, so only the whole number is left</source>
        <translation>Der Bruchteil ist 0, also bleibt nur die ganze Zahl</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Ergebnis: %1</translation>
    </message>
    <message>
        <source>multiples of %1</source>
        <translation>Vielfache von %1</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line.</source>
        <translation>Vielfache von %1 und von %2 auf einer Zahlengeraden.</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line, meeting at %3.</source>
        <translation>Vielfache von %1 und von %2 auf einer Zahlengeraden, die sich bei %3 treffen.</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line, and the result %3, which is not a multiple of both.</source>
        <translation>Vielfache von %1 und von %2 auf einer Zahlengeraden, und das Ergebnis %3, das kein Vielfaches von beiden ist.</translation>
    </message>
    <message>
        <source>The %1 multiples of %2 are too many to draw one by one.</source>
        <extracomment>%1 is how many multiples there are, %2 the number they are multiples of</extracomment>
        <translation>Die %1 Vielfachen von %2 sind zu viele, um sie einzeln zu zeichnen.</translation>
    </message>
    <message>
        <source>The %1 multiples of %2 are too many to draw one by one; the %3 multiples of %4 are too many to draw one by one.</source>
        <translation>Die %1 Vielfachen von %2 sind zu viele, um sie einzeln zu zeichnen; die %3 Vielfachen von %4 sind zu viele, um sie einzeln zu zeichnen.</translation>
    </message>
    <message>
        <source>The common denominator of A and B is A × B ÷ gcd(A, B): the smallest number both divide</source>
        <translation>Der gemeinsame Nenner von A und B ist A × B ÷ gcd(A, B): die kleinste Zahl, die durch beide teilbar ist</translation>
    </message>
    <message>
        <source>A = %1 enters the product as typed, and its whole number %2 the greatest common divisor</source>
        <translation>A = %1 geht so in das Produkt ein, wie es eingegeben wurde, und seine ganze Zahl %2 in den größten gemeinsamen Teiler</translation>
    </message>
    <message>
        <source>The greatest common divisor of %1 and %2 is %3</source>
        <translation>Der größte gemeinsame Teiler von %1 und %2 ist %3</translation>
    </message>
    <message>
        <source>A common denominator is a whole number; %1 is none, because A = %2 entered the product as typed</source>
        <translation>Ein gemeinsamer Nenner ist eine ganze Zahl; %1 ist keine, weil A = %2 so in das Produkt einging, wie es eingegeben wurde</translation>
    </message>
    <message>
        <source>A × B is negative, so the window&apos;s result is negative too; a common denominator is taken positive: %1</source>
        <translation>A × B ist negativ, also ist auch das Ergebnis des Fensters negativ; ein gemeinsamer Nenner wird positiv genommen: %1</translation>
    </message>
    <message>
        <source>The window&apos;s greatest common divisor %1 is negative, so its result is negative too; a common denominator is taken positive: %2</source>
        <translation>Der größte gemeinsame Teiler des Fensters, %1, ist negativ, also ist auch sein Ergebnis negativ; ein gemeinsamer Nenner wird positiv genommen: %2</translation>
    </message>
    <message>
        <source>To reduce a fraction, divide its numerator and its denominator by their greatest common divisor</source>
        <translation>Um einen Bruch zu kürzen, teile Zähler und Nenner durch ihren größten gemeinsamen Teiler</translation>
    </message>
    <message>
        <source>The divisor is negative, so both signs change; the value stays the same</source>
        <translation>Der Divisor ist negativ, also ändern sich beide Vorzeichen; der Wert bleibt gleich</translation>
    </message>
    <message>
        <source>Answer: %1 = %2</source>
        <translation>Ergebnis: %1 = %2</translation>
    </message>
    <message>
        <source>A numerator of 0 makes the fraction 0: the greatest common divisor of 0 and a number is that number, so %1 reduces to %2</source>
        <translation>Ein Zähler 0 macht den Bruch zu 0: Der größte gemeinsame Teiler von 0 und einer Zahl ist diese Zahl, also wird %1 zu %2 gekürzt</translation>
    </message>
    <message>
        <source>The minus sign of the denominator belongs to the whole fraction; a book writes it in front: %1 = %2</source>
        <translation>Das Minuszeichen des Nenners gehört zum ganzen Bruch; im Buch steht es davor: %1 = %2</translation>
    </message>
    <message>
        <source>Two bars of the same length: %1 = %2, at %3 on the number line.</source>
        <translation>Zwei Streifen gleicher Länge: %1 = %2, bei %3 auf der Zahlengeraden.</translation>
    </message>
    <message>
        <source>Every box takes one plain number, such as 3 or 12: no fractions like 3/4</source>
        <translation>Jedes Feld nimmt eine einfache Zahl auf, etwa 3 oder 12: keine Brüche wie 3/4</translation>
    </message>
    <message>
        <source>Result: two mixed numbers (a whole number, a numerator and a denominator each) and one operator: + - * / &lt; &gt; =</source>
        <translation>Ergebnis: zwei gemischte Zahlen (je eine ganze Zahl, ein Zähler und ein Nenner) und ein Rechenzeichen: + - * / &lt; &gt; =</translation>
    </message>
    <message>
        <source>Make Common Denominator: two whole numbers A and B, not 0</source>
        <translation>Hauptnenner bilden: zwei ganze Zahlen A und B, nicht 0</translation>
    </message>
    <message>
        <source>Reduction: a numerator and a denominator that is not 0</source>
        <translation>Kürzen: ein Zähler und ein Nenner, der nicht 0 ist</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 and %4 ÷ %2 = %5</source>
        <translation>%1 ÷ %2 = %3 und %4 ÷ %2 = %5</translation>
    </message>
</context>
</TS>
