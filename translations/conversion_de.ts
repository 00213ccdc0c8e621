<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ConversionWorking</name>
    <message>
        <source>Fraction bars of the same length: %1.</source>
        <extracomment>%1 is the forms of one value, joined by &quot; = &quot;</extracomment>
        <translation>Bruchstreifen gleicher Länge: %1.</translation>
    </message>
    <message>
        <source>Fraction bars of the same length: %1, at %2 on the number line.</source>
        <extracomment>%1 is the forms of one value, joined by &quot; = &quot;, %2 the value</extracomment>
        <translation>Bruchstreifen gleicher Länge: %1, bei %2 auf dem Zahlenstrahl.</translation>
    </message>
    <message>
        <source>The exact value is %1: its decimal never ends, so the window shows it rounded to 15 digits, %2</source>
        <translation>Der exakte Wert ist %1: Als Dezimalzahl bricht er nie ab, deshalb zeigt das Fenster ihn auf 15 Stellen gerundet, %2</translation>
    </message>
    <message>
        <source>As a fraction in lowest terms: %1 = %2</source>
        <translation>Als vollständig gekürzter Bruch: %1 = %2</translation>
    </message>
    <message>
        <source>A mixed number as an improper fraction: whole number × denominator + numerator, over the same denominator</source>
        <translation>Gemischte Zahl als unechter Bruch: ganze Zahl × Nenner + Zähler, über demselben Nenner</translation>
    </message>
    <message>
        <source>The exercise: %1</source>
        <translation>Die Aufgabe: %1</translation>
    </message>
    <message>
        <source>The denominator stays as it was typed: %1</source>
        <translation>Der Nenner bleibt, wie er eingegeben wurde: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Ergebnis: %1</translation>
    </message>
    <message>
        <source>An improper fraction as a mixed number: divide the numerator by the denominator; the quotient is the whole number, the remainder the new numerator</source>
        <translation>Unechter Bruch als gemischte Zahl: Teile den Zähler durch den Nenner; der Quotient ist die ganze Zahl, der Rest der neue Zähler</translation>
    </message>
    <message>
        <source>Check: %1 × %2 + %3 = %4</source>
        <translation>Probe: %1 × %2 + %3 = %4</translation>
    </message>
    <message>
        <source>The remainder is 0, so there is no fraction part</source>
        <translation>Der Rest ist 0, also gibt es keinen Bruchteil</translation>
    </message>
    <message>
        <source>The window writes the denominator as it was typed: %1</source>
        <translation>Das Fenster schreibt den Nenner so, wie er eingegeben wurde: %1</translation>
    </message>
    <message>
        <source>The whole number box held &quot;%1&quot;, which is no number, so the window set it to 0 and worked nothing out</source>
        <translation>Im Feld für die ganze Zahl stand „%1“, das ist keine Zahl; deshalb hat das Fenster 0 hineingeschrieben und nichts berechnet</translation>
    </message>
    <message>
        <source>Press the button again to convert with the whole number 0</source>
        <translation>Drücke die Schaltfläche noch einmal, um mit der ganzen Zahl 0 umzuwandeln</translation>
    </message>
    <message>
        <source>A mixed number as a decimal: divide the numerator by the denominator, then add the whole number</source>
        <translation>Gemischte Zahl als Dezimalzahl: Teile den Zähler durch den Nenner und addiere dann die ganze Zahl</translation>
    </message>
    <message>
        <source>The whole number box was empty, so it is 0</source>
        <translation>Das Feld für die ganze Zahl war leer, also ist sie 0</translation>
    </message>
    <message>
        <source>A decimal as a fraction: the digits after the decimal point, over 1 with as many zeros as there are digits</source>
        <translation>Dezimalzahl als Bruch: die Ziffern nach dem Komma, über einer 1 mit so vielen Nullen, wie es Ziffern sind</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n digit after the decimal point: %2</source>
        <extracomment>%1 is the decimal typed, %n the number of digits after its point, %2 those digits</extracomment>
        <translation>
            <numerusform>%1 hat %n Ziffer nach dem Komma: %2</numerusform>
            <numerusform>%1 hat %n Ziffern nach dem Komma: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n digits after the decimal point: %2</source>
        <translation>
            <numerusform>%1 hat %n Ziffer nach dem Komma: %2</numerusform>
            <numerusform>%1 hat %n Ziffern nach dem Komma: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>10 to the power %1 is %2, so the digits make %3</source>
        <extracomment>%1 is the number of digits, %2 that power of 10, %3 the fraction the digits make</extracomment>
        <translation>10 hoch %1 ist %2, also ergeben die Ziffern %3</translation>
    </message>
    <message>
        <source>The whole number is the part before the decimal point: %1</source>
        <translation>Die ganze Zahl ist der Teil vor dem Komma: %1</translation>
    </message>
    <message>
        <source>Here the minus sign stands for the whole number and the fraction together: %1 is %2</source>
        <translation>Hier gilt das Minuszeichen für die ganze Zahl und den Bruch zusammen: %1 ist %2</translation>
    </message>
    <message>
        <source>The digits after the decimal point make 0, so there is no fraction part</source>
        <translation>Die Ziffern nach dem Komma ergeben 0, also gibt es keinen Bruchteil</translation>
    </message>
    <message>
        <source>In the other panels each part keeps its own sign: there %1 is typed %2 and -%3/%4</source>
        <extracomment>%1 is the decimal, %2 its whole part, -%3/%4 its fraction part</extracomment>
        <translation>In den anderen Bereichen des Fensters behält jeder Teil sein eigenes Vorzeichen: Dort gibst du %1 als %2 und -%3/%4 ein</translation>
    </message>
    <message>
        <source>The window does not reduce the fraction</source>
        <translation>Das Fenster kürzt den Bruch nicht</translation>
    </message>
    <message>
        <source>The greatest common divisor of %1 and %2 is 1, so %3 is in lowest terms already</source>
        <translation>Der größte gemeinsame Teiler von %1 und %2 ist 1, also ist %3 schon vollständig gekürzt</translation>
    </message>
    <message>
        <source>Divided by their greatest common divisor %1, in lowest terms: %2 = %3</source>
        <translation>Geteilt durch ihren größten gemeinsamen Teiler %1, vollständig gekürzt: %2 = %3</translation>
    </message>
    <message>
        <source>Every box takes one plain number, such as 3 or %1: no fractions like 3/4</source>
        <translation>Jedes Feld nimmt eine einfache Zahl, etwa 3 oder %1: keine Brüche wie 3/4</translation>
    </message>
    <message>
        <source>%1: the whole number (0 when there is none), the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Fraction To Improper&quot;</extracomment>
        <translation>%1: die ganze Zahl (0, wenn es keine gibt), der Zähler und der Nenner</translation>
    </message>
    <message>
        <source>%1: the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Improper To Fraction&quot;</extracomment>
        <translation>%1: der Zähler und der Nenner</translation>
    </message>
    <message>
        <source>%1: the whole number (it may be empty), the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Fraction To Decimal&quot;</extracomment>
        <translation>%1: die ganze Zahl (das Feld darf leer bleiben), der Zähler und der Nenner</translation>
    </message>
    <message>
        <source>%1: a decimal number with a decimal point, such as %2</source>
        <extracomment>%1 is the button &quot;Decimal To Fraction&quot;, %2 a decimal number</extracomment>
        <translation>%1: eine Dezimalzahl mit Komma, etwa %2</translation>
    </message>
    <message>
        <source>You must enter a decimal number in form ab.def</source>
        <translation>Gib eine Dezimalzahl der Form ab.def ein</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source> Fraction To Improper </source>
        <translation>Zu unechtem Bruch</translation>
    </message>
    <message>
        <source>Improper To Fraction</source>
        <translation>Zu gemischter Zahl</translation>
    </message>
    <message>
        <source>Fraction To Decimal</source>
        <translation>Zu Dezimalzahl</translation>
    </message>
    <message>
        <source>Decimal To Fraction</source>
        <translation>Zu gemischter Zahl</translation>
    </message>
    <message>
        <source>Converts Simple Fraction To Improper Fraction</source>
        <translation>Gemischte Zahl in unechten Bruch umwandeln</translation>
    </message>
    <message>
        <source>Whole part</source>
        <translation>Ganzes</translation>
    </message>
    <message>
        <source>Numerator</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Denominator</source>
        <translation>Nenner</translation>
    </message>
    <message>
        <source>Converts Improper Fraction To Simple  Fraction</source>
        <translation>Unechten Bruch in gemischte Zahl umwandeln</translation>
    </message>
    <message>
        <source>Converts Simple Fraction To Decimal Fruction</source>
        <translation>Gemischte Zahl in Dezimalzahl umwandeln</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dezimalzahl</translation>
    </message>
    <message>
        <source>Converts Decimal Fruction To  Simple Fraction </source>
        <translation>Dezimalzahl in gemischte Zahl umwandeln</translation>
    </message>
    <message>
        <source>Fraction Conversion</source>
        <translation>Brüche umwandeln</translation>
    </message>
</context>
</TS>
