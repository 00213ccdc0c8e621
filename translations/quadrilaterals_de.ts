<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form8</name>
    <message>
        <source>Quadrilateral - Areas And Perimeters</source>
        <translation>Vierecke - Fläche und Umfang</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Umfang</translation>
    </message>
    <message>
        <source>Find Area</source>
        <translation>Fläche berechnen</translation>
    </message>
    <message>
        <source>Find Perimeter</source>
        <translation>Umfang berechnen</translation>
    </message>
    <message>
        <source>Square from its side</source>
        <translation>Quadrat aus der Seite</translation>
    </message>
    <message>
        <source>Find Side</source>
        <translation>Seite berechnen</translation>
    </message>
    <message>
        <source>Square from its area</source>
        <translation>Quadrat aus dem Flächeninhalt</translation>
    </message>
    <message>
        <source>Square from its perimeter</source>
        <translation>Quadrat aus dem Umfang</translation>
    </message>
    <message>
        <source>Trapezium</source>
        <translation>Trapez</translation>
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
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Trapezium area</source>
        <translation>Flächeninhalt des Trapezes</translation>
    </message>
    <message>
        <source>Quadrilateral which two of its diagonals are verticals</source>
        <translation>Viereck mit zueinander senkrechten Diagonalen</translation>
    </message>
    <message>
        <source>like Rhombus , Square , Dalton </source>
        <translation>wie Raute, Quadrat, Drachenviereck</translation>
    </message>
    <message>
        <source>Height A</source>
        <translation>Höhe A</translation>
    </message>
    <message>
        <source>Height B</source>
        <translation>Höhe B</translation>
    </message>
    <message>
        <source>Area from the diagonals</source>
        <translation>Flächeninhalt aus den Diagonalen</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Rectangle from two sides</source>
        <translation>Rechteck aus zwei Seiten</translation>
    </message>
    <message>
        <source>Find B</source>
        <translation>B berechnen</translation>
    </message>
    <message>
        <source>Rectangle from a side and the area</source>
        <translation>Rechteck aus einer Seite und dem Flächeninhalt</translation>
    </message>
    <message>
        <source>Rectangle from a side and the perimeter</source>
        <translation>Rechteck aus einer Seite und dem Umfang</translation>
    </message>
    <message>
        <source>Parallelogram And Rhombus</source>
        <translation>Parallelogramm und Raute</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Parallelogram area</source>
        <translation>Flächeninhalt des Parallelogramms</translation>
    </message>
    <message>
        <source>Base/Height</source>
        <translation>Basis/Höhe</translation>
    </message>
    <message>
        <source>Find Height/Base</source>
        <translation>Höhe/Basis berechnen</translation>
    </message>
    <message>
        <source>Parallelogram height or base</source>
        <translation>Höhe oder Grundseite des Parallelogramms</translation>
    </message>
    <message>
        <source>Parallelogram perimeter</source>
        <translation>Umfang des Parallelogramms</translation>
    </message>
</context>
<context>
    <name>QuadrilateralWorking</name>
    <message>
        <source>Area = side², so side = √Area</source>
        <translation>Flächeninhalt = Seite², also Seite = √Flächeninhalt</translation>
    </message>
    <message>
        <source>side = √%1 = %2</source>
        <translation>Seite = √%1 = %2</translation>
    </message>
    <message>
        <source>side = √%1 ≈ %2</source>
        <translation>Seite = √%1 ≈ %2</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side, so side = Perimeter ÷ 4</source>
        <translation>Umfang = 4 × Seite, also Seite = Umfang ÷ 4</translation>
    </message>
    <message>
        <source>side = %1 ÷ 4%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Seite = %1 ÷ 4%2%3</translation>
    </message>
    <message>
        <source>side = %1</source>
        <translation>Seite = %1</translation>
    </message>
    <message>
        <source>Area = side² = %1²%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Flächeninhalt = Seite² = %1²%2%3</translation>
    </message>
    <message>
        <source>So the area is %1</source>
        <translation>Der Flächeninhalt ist also %1</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side = 4 × %1 = %2</source>
        <translation>Umfang = 4 × Seite = 4 × %1 = %2</translation>
    </message>
    <message>
        <source>The window works it out as %1 × 4%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Das Fenster rechnet %1 × 4%2%3</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>Der Umfang ist also %1</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side = 4 × %1%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Umfang = 4 × Seite = 4 × %1%2%3</translation>
    </message>
    <message>
        <source>So the side is %1</source>
        <translation>Die Seite ist also %1</translation>
    </message>
    <message>
        <source>Check: side² = %1² = %2, the area given</source>
        <translation>Probe: Seite² = %1² = %2, der gegebene Flächeninhalt</translation>
    </message>
    <message>
        <source>Check: 4 × side = 4 × %1 = %2, the perimeter given</source>
        <translation>Probe: 4 × Seite = 4 × %1 = %2, der gegebene Umfang</translation>
    </message>
    <message>
        <source>Area of a rectangle = A × B</source>
        <translation>Flächeninhalt eines Rechtecks = A × B</translation>
    </message>
    <message>
        <source>Area of a parallelogram = base × height</source>
        <translation>Flächeninhalt eines Parallelogramms = Grundseite × Höhe</translation>
    </message>
    <message>
        <source>Area = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>Flächeninhalt = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Perimeter = (A + B) × 2: two sides A and two sides B</source>
        <translation>Umfang = (A + B) × 2: zwei Seiten A und zwei Seiten B</translation>
    </message>
    <message>
        <source>Perimeter = %1 × 2%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Umfang = %1 × 2%2%3</translation>
    </message>
    <message>
        <source>Area = A × B, so B = Area ÷ A</source>
        <translation>Flächeninhalt = A × B, also B = Flächeninhalt ÷ A</translation>
    </message>
    <message>
        <source>So side B is %1</source>
        <translation>Seite B ist also %1</translation>
    </message>
    <message>
        <source>Check: A × B = %1 × %2 = %3, the area given</source>
        <translation>Probe: A × B = %1 × %2 = %3, der gegebene Flächeninhalt</translation>
    </message>
    <message>
        <source>Perimeter = (A + B) × 2</source>
        <translation>Umfang = (A + B) × 2</translation>
    </message>
    <message>
        <source>Area = base × height, so the one not known = Area ÷ the one known</source>
        <translation>Flächeninhalt = Grundseite × Höhe, also die unbekannte Länge = Flächeninhalt ÷ die bekannte</translation>
    </message>
    <message>
        <source>So the height (or the base) is %1</source>
        <translation>Die Höhe (oder die Grundseite) ist also %1</translation>
    </message>
    <message>
        <source>Check: base × height = %1 × %2 = %3, the area given</source>
        <translation>Probe: Grundseite × Höhe = %1 × %2 = %3, der gegebene Flächeninhalt</translation>
    </message>
    <message>
        <source>Perimeter = A + A + B + B, so B = (P - (A + A)) ÷ 2</source>
        <translation>Umfang = A + A + B + B, also B = (P - (A + A)) ÷ 2</translation>
    </message>
    <message>
        <source>That leaves nothing for the two sides B: the perimeter %1 is too short for the side %2, so no rectangle has these numbers</source>
        <translation>Für die zwei Seiten B bleibt nichts übrig: Der Umfang %1 ist zu kurz für die Seite %2, also gibt es kein Rechteck mit diesen Zahlen</translation>
    </message>
    <message>
        <source>A perimeter must be more than A + A = %1</source>
        <translation>Der Umfang muss größer sein als A + A = %1</translation>
    </message>
    <message>
        <source>The window works with B = %1</source>
        <translation>Das Fenster rechnet mit B = %1</translation>
    </message>
    <message>
        <source>The window rounds B to 4 decimal places: %1</source>
        <translation>Das Fenster rundet B auf 4 Nachkommastellen: %1</translation>
    </message>
    <message>
        <source>Check with B = %1: A + A + B + B = %2 + %2 + %1 + %1 = %3, the perimeter given</source>
        <translation>Probe mit B = %1: A + A + B + B = %2 + %2 + %1 + %1 = %3, der gegebene Umfang</translation>
    </message>
    <message>
        <source>Area = A × B = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>Flächeninhalt = A × B = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area of a trapezium = (A + B) × height ÷ 2</source>
        <translation>Flächeninhalt eines Trapezes = (A + B) × Höhe ÷ 2</translation>
    </message>
    <message>
        <source>(A + B) × height = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>(A + B) × Höhe = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = %1 ÷ 2%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Flächeninhalt = %1 ÷ 2%2%3</translation>
    </message>
    <message>
        <source>The diagonals cross at a right angle: Area = d1 × d2 ÷ 2</source>
        <translation>Die Diagonalen schneiden sich im rechten Winkel: Flächeninhalt = d1 × d2 ÷ 2</translation>
    </message>
    <message>
        <source>Area = %1</source>
        <translation>Flächeninhalt = %1</translation>
    </message>
    <message>
        <source>Perimeter = %1</source>
        <translation>Umfang = %1</translation>
    </message>
    <message>
        <source>Square with side %1, drawn to scale, its area %2 shaded</source>
        <translation>Quadrat mit der Seite %1, maßstabsgetreu gezeichnet, sein Flächeninhalt %2 schattiert</translation>
    </message>
    <message>
        <source>Square with side %1, drawn to scale, its perimeter %2 drawn heavy</source>
        <translation>Quadrat mit der Seite %1, maßstabsgetreu gezeichnet, sein Umfang %2 fett gezeichnet</translation>
    </message>
    <message>
        <source>Square with side %1, drawn to scale: its side is %2</source>
        <translation>Quadrat mit der Seite %1, maßstabsgetreu gezeichnet: Seine Seite ist %2</translation>
    </message>
    <message>
        <source>Parallelogram with sides %1 and %2, drawn to scale with side B leaning at 60°, its perimeter %3 drawn heavy. Any slant gives the same sides, so the same perimeter</source>
        <translation>Parallelogramm mit den Seiten %1 und %2, maßstabsgetreu gezeichnet, Seite B um 60° geneigt, sein Umfang %3 fett gezeichnet. Jede Neigung ergibt dieselben Seiten, also denselben Umfang</translation>
    </message>
    <message>
        <source>base/height = %1</source>
        <translation>Grundseite/Höhe = %1</translation>
    </message>
    <message>
        <source>base = %1</source>
        <translation>Grundseite = %1</translation>
    </message>
    <message>
        <source>height/base = %1</source>
        <translation>Höhe/Grundseite = %1</translation>
    </message>
    <message>
        <source>height = %1</source>
        <translation>Höhe = %1</translation>
    </message>
    <message>
        <source>Parallelogram with base %1 and height %2, drawn to scale and slanted, the height dashed from a top corner square to the base drawn on, its area %3 shaded. Any slant gives the same base, height and area</source>
        <translation>Parallelogramm mit der Grundseite %1 und der Höhe %2, maßstabsgetreu und schräg gezeichnet, die Höhe gestrichelt von einer oberen Ecke senkrecht zur verlängerten Grundseite, sein Flächeninhalt %3 schattiert. Jede Neigung ergibt dieselbe Grundseite, dieselbe Höhe und denselben Flächeninhalt</translation>
    </message>
    <message>
        <source>Parallelogram with base %1 and height %2, drawn to scale and slanted, the height dashed from a top corner square to the base drawn on: the other length is %3. Any slant gives the same base, height and area</source>
        <translation>Parallelogramm mit der Grundseite %1 und der Höhe %2, maßstabsgetreu und schräg gezeichnet, die Höhe gestrichelt von einer oberen Ecke senkrecht zur verlängerten Grundseite: Die andere Länge ist %3. Jede Neigung ergibt dieselbe Grundseite, dieselbe Höhe und denselben Flächeninhalt</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale, its area %3 shaded</source>
        <translation>Rechteck %1 mal %2, maßstabsgetreu gezeichnet, sein Flächeninhalt %3 schattiert</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale, its perimeter %3 drawn heavy</source>
        <translation>Rechteck %1 mal %2, maßstabsgetreu gezeichnet, sein Umfang %3 fett gezeichnet</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale: side B is %3</source>
        <translation>Rechteck %1 mal %2, maßstabsgetreu gezeichnet: Seite B ist %3</translation>
    </message>
    <message>
        <source>The perimeter %1 beside the two sides A, %2 together: nothing is left for the sides B, so no rectangle has these numbers</source>
        <translation>Der Umfang %1 neben den zwei Seiten A, zusammen %2: Für die Seiten B bleibt nichts übrig, also gibt es kein Rechteck mit diesen Zahlen</translation>
    </message>
    <message>
        <source>Trapezium with parallel sides %1 and %2 and height %3, drawn to scale with a right angle at its left side, so that side is the height, its area %4 shaded. The exercise leaves the slant of its other sides free, and every slant gives the same area</source>
        <translation>Trapez mit den parallelen Seiten %1 und %2 und der Höhe %3, maßstabsgetreu gezeichnet mit einem rechten Winkel an der linken Seite, sodass diese Seite die Höhe ist, sein Flächeninhalt %4 schattiert. Die Aufgabe lässt die Neigung der anderen Seiten offen, und jede Neigung ergibt denselben Flächeninhalt</translation>
    </message>
    <message>
        <source>Quadrilateral with perpendicular diagonals %1 and %2, drawn to scale, its area %3 shaded: half the %1 by %2 rectangle around it. It is drawn as a rhombus, the diagonals crossing at their middles: the exercise leaves where they cross free</source>
        <translation>Viereck mit zueinander senkrechten Diagonalen %1 und %2, maßstabsgetreu gezeichnet, sein Flächeninhalt %3 schattiert: die Hälfte des Rechtecks %1 mal %2 um es herum. Es ist als Raute gezeichnet, die Diagonalen schneiden sich in ihrer Mitte: Die Aufgabe lässt offen, wo sie sich schneiden</translation>
    </message>
    <message>
        <source>6 characters</source>
        <translation>6 Zeichen</translation>
    </message>
    <message>
        <source>Each button uses only the boxes of its own frame</source>
        <translation>Jede Schaltfläche nutzt nur die Felder ihres eigenen Rahmens</translation>
    </message>
    <message>
        <source>Square: its side, its area or its perimeter</source>
        <translation>Quadrat: seine Seite, sein Flächeninhalt oder sein Umfang</translation>
    </message>
    <message>
        <source>Trapezium: the parallel sides A and B and the height between them</source>
        <translation>Trapez: die parallelen Seiten A und B und die Höhe zwischen ihnen</translation>
    </message>
    <message>
        <source>Diagonals: Height A and Height B are the two diagonals, which cross at a right angle</source>
        <translation>Diagonalen: Höhe A und Höhe B sind die zwei Diagonalen, die sich im rechten Winkel schneiden</translation>
    </message>
    <message>
        <source>Rectangle: sides A and B; or side A and the area; or side A and the perimeter, which must be more than A + A</source>
        <translation>Rechteck: Seiten A und B; oder Seite A und der Flächeninhalt; oder Seite A und der Umfang, der größer als A + A sein muss</translation>
    </message>
    <message>
        <source>Parallelogram: base and height; or the area and the base (or the height); or sides A and B</source>
        <translation>Parallelogramm: Grundseite und Höhe; oder der Flächeninhalt und die Grundseite (oder die Höhe); oder Seiten A und B</translation>
    </message>
    <message>
        <source>A trapezium with sides 3 and 5, height 4:</source>
        <translation>Ein Trapez mit den Seiten 3 und 5, Höhe 4:</translation>
    </message>
</context>
<context>
    <name>sb::Form8</name>
    <message>
        <source>Implausible Data</source>
        <translation>Unplausible Daten</translation>
    </message>
</context>
</TS>
