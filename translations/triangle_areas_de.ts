<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form9</name>
    <message>
        <source>Triangle - Areas And Perimeters</source>
        <translation>Dreiecke - Fläche und Umfang</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Find Area</source>
        <translation>Fläche berechnen</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Find Height</source>
        <translation>Höhe berechnen</translation>
    </message>
    <message>
        <source>Find Base</source>
        <translation>Basis berechnen</translation>
    </message>
    <message>
        <source>Side A</source>
        <translation>Seite A</translation>
    </message>
    <message>
        <source>Side B</source>
        <translation>Seite B</translation>
    </message>
    <message>
        <source>Side C</source>
        <translation>Seite C</translation>
    </message>
    <message>
        <source>Find Perimeter</source>
        <translation>Umfang berechnen</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Umfang</translation>
    </message>
    <message>
        <source>Heron&apos;s Formula  For Finding Area Of A Triangle</source>
        <translation>Satz des Heron für den Flächeninhalt eines Dreiecks</translation>
    </message>
    <message>
        <source>Area by Heron&apos;s formula</source>
        <translation>Flächeninhalt nach dem Satz des Heron</translation>
    </message>
</context>
<context>
    <name>TriangleAreasWorking</name>
    <message>
        <source>Area = base × height ÷ 2</source>
        <translation>Flächeninhalt = Grundseite × Höhe ÷ 2</translation>
    </message>
    <message>
        <source>base × height = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>Grundseite × Höhe = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = %1 ÷ 2%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Flächeninhalt = %1 ÷ 2%2%3</translation>
    </message>
    <message>
        <source>So the area is %1</source>
        <translation>Der Flächeninhalt ist also %1</translation>
    </message>
    <message>
        <source>Area = base × height ÷ 2, so height = (Area + Area) ÷ base</source>
        <translation>Flächeninhalt = Grundseite × Höhe ÷ 2, also Höhe = (Flächeninhalt + Flächeninhalt) ÷ Grundseite</translation>
    </message>
    <message>
        <source>Area = base × height ÷ 2, so base = (Area + Area) ÷ height</source>
        <translation>Flächeninhalt = Grundseite × Höhe ÷ 2, also Grundseite = (Flächeninhalt + Flächeninhalt) ÷ Höhe</translation>
    </message>
    <message>
        <source>Area + Area = %1 + %1%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Flächeninhalt + Flächeninhalt = %1 + %1%2%3</translation>
    </message>
    <message>
        <source>height = %1 ÷ %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>Höhe = %1 ÷ %2%3%4</translation>
    </message>
    <message>
        <source>base = %1 ÷ %2%3%4</source>
        <translation>Grundseite = %1 ÷ %2%3%4</translation>
    </message>
    <message>
        <source>So the height is %1</source>
        <translation>Die Höhe ist also %1</translation>
    </message>
    <message>
        <source>So the base is %1</source>
        <translation>Die Grundseite ist also %1</translation>
    </message>
    <message>
        <source>Check: base × height ÷ 2 = %1 × %2 ÷ 2 = %3, the area given</source>
        <translation>Probe: Grundseite × Höhe ÷ 2 = %1 × %2 ÷ 2 = %3, der gegebene Flächeninhalt</translation>
    </message>
    <message>
        <source>base = %1</source>
        <translation>Grundseite = %1</translation>
    </message>
    <message>
        <source>height = %1</source>
        <translation>Höhe = %1</translation>
    </message>
    <message>
        <source>Area = %1</source>
        <translation>Flächeninhalt = %1</translation>
    </message>
    <message>
        <source>Triangle with base %1 and height %2, area %3, drawn to scale. Its top stands above the middle of the base: the exercise leaves it free, and every such top gives the same area</source>
        <translation>Dreieck mit der Grundseite %1 und der Höhe %2, Flächeninhalt %3, maßstabsgetreu gezeichnet. Seine Spitze steht über der Mitte der Grundseite: Die Aufgabe lässt sie offen, und jede solche Spitze ergibt denselben Flächeninhalt</translation>
    </message>
    <message>
        <source>%1; %2 and %3</source>
        <extracomment>the three sides of a triangle, &quot;3, 4 and 5&quot;</extracomment>
        <translation>%1; %2 und %3</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 und %3</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, longer than %4 = %5, so these sides make a triangle</source>
        <translation>Bei einem Dreieck müssen die zwei kürzeren Seiten zusammen länger sein als die längste: %1 + %2 = %3, länger als %4 = %5, also bilden diese Seiten ein Dreieck</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, only as long as %4 = %5. These sides lie flat along one line, so they make no triangle: only a flat one, with nothing inside</source>
        <translation>Bei einem Dreieck müssen die zwei kürzeren Seiten zusammen länger sein als die längste: %1 + %2 = %3, nur genauso lang wie %4 = %5. Diese Seiten liegen flach auf einer Linie, also bilden sie kein Dreieck: nur ein flaches, ohne Inneres</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, shorter than %4 = %5 by %6. Side %4 is too long: the other two do not reach across it, so these sides make no triangle</source>
        <translation>Bei einem Dreieck müssen die zwei kürzeren Seiten zusammen länger sein als die längste: %1 + %2 = %3, um %6 kürzer als %4 = %5. Seite %4 ist zu lang: Die anderen zwei reichen nicht von einem Ende zum anderen, also bilden diese Seiten kein Dreieck</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it, perimeter %2</source>
        <translation>Dreieck mit den Seiten %1, maßstabsgetreu auf seiner längsten Seite gezeichnet: flach, die zwei anderen liegen auf ihr, Umfang %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side, perimeter %2</source>
        <translation>Dreieck mit den Seiten %1, maßstabsgetreu auf seiner längsten Seite gezeichnet, Umfang %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it, area %2</source>
        <translation>Dreieck mit den Seiten %1, maßstabsgetreu auf seiner längsten Seite gezeichnet: flach, die zwei anderen liegen auf ihr, Flächeninhalt %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side, area %2</source>
        <translation>Dreieck mit den Seiten %1, maßstabsgetreu auf seiner längsten Seite gezeichnet, Flächeninhalt %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it</source>
        <translation>Dreieck mit den Seiten %1, maßstabsgetreu auf seiner längsten Seite gezeichnet: flach, die zwei anderen liegen auf ihr</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side</source>
        <translation>Dreieck mit den Seiten %1, maßstabsgetreu auf seiner längsten Seite gezeichnet</translation>
    </message>
    <message>
        <source>short by %1</source>
        <translation>um %1 zu kurz</translation>
    </message>
    <message>
        <source>Sides %1 laid end to end: the two shorter are %2 short of the longest, so they make no triangle</source>
        <translation>Seiten %1 aneinandergelegt: Den zwei kürzeren fehlen %2 bis zur längsten, also bilden sie kein Dreieck</translation>
    </message>
    <message>
        <source>Perimeter = a + b + c</source>
        <translation>Umfang = a + b + c</translation>
    </message>
    <message>
        <source>Perimeter = %1 + %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>Umfang = %1 + %2%3%4</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>Der Umfang ist also %1</translation>
    </message>
    <message>
        <source>The perimeter is the three sides&apos; total all the same</source>
        <translation>Der Umfang ist trotzdem die Summe der drei Seiten</translation>
    </message>
    <message>
        <source>Heron&apos;s formula: the half perimeter s = (a + b + c) ÷ 2,</source>
        <translation>Satz des Heron: der halbe Umfang s = (a + b + c) ÷ 2,</translation>
    </message>
    <message>
        <source>then Area = √(s(s - a)(s - b)(s - c))</source>
        <translation>dann Flächeninhalt = √(s(s - a)(s - b)(s - c))</translation>
    </message>
    <message>
        <source>The sides are added b + a first: %1 + %2%3%4, then %4 + %5%6%7</source>
        <extracomment>%3 and %6 are &quot; = &quot; or &quot; ≈ &quot;, %4 and %7 the results</extracomment>
        <translation>Die Seiten werden zuerst als b + a addiert: %1 + %2%3%4, dann %4 + %5%6%7</translation>
    </message>
    <message>
        <source>%1 is below zero, and no number times itself is below zero: there is no area</source>
        <translation>%1 ist kleiner als null, und keine Zahl mal sich selbst ist kleiner als null: Es gibt keinen Flächeninhalt</translation>
    </message>
    <message>
        <source>Area = √%1 = %2</source>
        <translation>Flächeninhalt = √%1 = %2</translation>
    </message>
    <message>
        <source>Area = √%1 %2</source>
        <translation>Flächeninhalt = √%1 %2</translation>
    </message>
    <message>
        <source>The window rounds at every step, and its product came out a hair below zero instead of %1. Below zero has no square root, so it gave its message instead of an area</source>
        <translation>Das Fenster rundet bei jedem Schritt, und sein Produkt kam knapp unter null heraus statt %1. Unter null gibt es keine Quadratwurzel, also zeigte es seine Meldung statt eines Flächeninhalts</translation>
    </message>
    <message>
        <source>7 characters (6 in Heron&apos;s row)</source>
        <translation>7 Zeichen (6 in der Zeile des Heron)</translation>
    </message>
    <message>
        <source>Each button uses only the boxes of its own row</source>
        <translation>Jede Schaltfläche nutzt nur die Felder ihrer eigenen Zeile</translation>
    </message>
    <message>
        <source>Base and Height: Find Area. Area and Base: Find Height. Area and Height: Find Base</source>
        <translation>Basis und Höhe: Fläche berechnen. Fläche und Basis: Höhe berechnen. Fläche und Höhe: Basis berechnen</translation>
    </message>
    <message>
        <source>Side A, Side B and Side C: Find Perimeter, or the area by Heron&apos;s formula</source>
        <translation>Seite A, Seite B und Seite C: Umfang berechnen, oder den Flächeninhalt nach dem Satz des Heron</translation>
    </message>
    <message>
        <source>Heron&apos;s formula with the sides 3, 4 and 5:</source>
        <translation>Satz des Heron mit den Seiten 3, 4 und 5:</translation>
    </message>
</context>
</TS>
