<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CircleWorking</name>
    <message>
        <source>Area = πr², with π = %1</source>
        <translation>Flächeninhalt = πr², mit π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, with π = %1</source>
        <translation>Umfang = 2πr, mit π = %1</translation>
    </message>
    <message>
        <source>The radius is half the diameter, r = d ÷ 2; then Area = πr², with π = %1</source>
        <translation>Der Radius ist der halbe Durchmesser, r = d ÷ 2; dann Flächeninhalt = πr², mit π = %1</translation>
    </message>
    <message>
        <source>The radius is half the diameter, r = d ÷ 2; then Perimeter = 2πr, with π = %1</source>
        <translation>Der Radius ist der halbe Durchmesser, r = d ÷ 2; dann Umfang = 2πr, mit π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π), with π = %1</source>
        <translation>Flächeninhalt = πr², also r = √(A ÷ π), mit π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π), and d = 2r, with π = %1</source>
        <translation>Flächeninhalt = πr², also r = √(A ÷ π), und d = 2r, mit π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π); then Perimeter = 2πr, with π = %1</source>
        <translation>Flächeninhalt = πr², also r = √(A ÷ π); dann Umfang = 2πr, mit π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, so r = P ÷ (2π), with π = %1</source>
        <translation>Umfang = 2πr, also r = P ÷ (2π), mit π = %1</translation>
    </message>
    <message>
        <source>Perimeter = πd, so d = P ÷ π, with π = %1</source>
        <translation>Umfang = πd, also d = P ÷ π, mit π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, so r = P ÷ (2π); then Area = πr², with π = %1</source>
        <translation>Umfang = 2πr, also r = P ÷ (2π); dann Flächeninhalt = πr², mit π = %1</translation>
    </message>
    <message>
        <source>So the radius is %1 ≈ %2</source>
        <extracomment>%1 is the exact radius, %2 the window&apos;s</extracomment>
        <translation>Der Radius ist also %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the radius is %1</source>
        <translation>Der Radius ist also %1</translation>
    </message>
    <message>
        <source>So the diameter is %1 ≈ %2</source>
        <extracomment>%1 is the exact diameter, %2 the window&apos;s</extracomment>
        <translation>Der Durchmesser ist also %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the diameter is %1</source>
        <translation>Der Durchmesser ist also %1</translation>
    </message>
    <message>
        <source>So the area is %1 ≈ %2</source>
        <extracomment>%1 is the exact area, %2 the window&apos;s</extracomment>
        <translation>Der Flächeninhalt ist also %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the area is %1</source>
        <translation>Der Flächeninhalt ist also %1</translation>
    </message>
    <message>
        <source>So the perimeter is %1 ≈ %2</source>
        <extracomment>%1 is the exact perimeter, %2 the window&apos;s</extracomment>
        <translation>Der Umfang ist also %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>Der Umfang ist also %1</translation>
    </message>
    <message>
        <source>The window&apos;s π, %1, also stops a little below the true π, 3.14159265358979323…</source>
        <translation>Das π des Fensters, %1, liegt außerdem ein wenig unter dem wahren π, 3.14159265358979323…</translation>
    </message>
    <message>
        <source>Area = π × %1² = %2</source>
        <translation>Flächeninhalt = π × %1² = %2</translation>
    </message>
    <message>
        <source>Perimeter = 2 × π × %1 = %2</source>
        <translation>Umfang = 2 × π × %1 = %2</translation>
    </message>
    <message>
        <source>With the window&apos;s π: πr = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;</extracomment>
        <translation>Mit dem π des Fensters: πr = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = πr × r = %1 × %2%3%4</source>
        <translation>Flächeninhalt = πr × r = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Perimeter = πr × 2 = %1 × 2%2%3</source>
        <translation>Umfang = πr × 2 = %1 × 2%2%3</translation>
    </message>
    <message>
        <source>Perimeter = 2r × π = %1 × %2%3%4</source>
        <translation>Umfang = 2r × π = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = π × r² = %1 × %2%3%4</source>
        <translation>Flächeninhalt = π × r² = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Circle with radius %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the radius typed, %2 the area found</extracomment>
        <translation>Kreis mit dem Radius %1, maßstabsgetreu gezeichnet mit seinem Mittelpunkt: sein Flächeninhalt %2 ist schattiert</translation>
    </message>
    <message>
        <source>Circle with radius %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <translation>Kreis mit dem Radius %1, maßstabsgetreu gezeichnet mit seinem Mittelpunkt: seine Kreislinie, der Umfang %2, ist dick gezeichnet</translation>
    </message>
    <message>
        <source>Circle with diameter %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the diameter typed, %2 the area found</extracomment>
        <translation>Kreis mit dem Durchmesser %1, maßstabsgetreu gezeichnet mit seinem Mittelpunkt: sein Flächeninhalt %2 ist schattiert</translation>
    </message>
    <message>
        <source>Circle with diameter %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <translation>Kreis mit dem Durchmesser %1, maßstabsgetreu gezeichnet mit seinem Mittelpunkt: seine Kreislinie, der Umfang %2, ist dick gezeichnet</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its radius is %2</source>
        <extracomment>%1 is the area typed, %2 the radius found</extracomment>
        <translation>Kreis mit dem Flächeninhalt %1, maßstabsgetreu gezeichnet mit seinem Mittelpunkt: sein Radius ist %2</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its diameter is %2</source>
        <extracomment>%1 is the area typed, %2 the diameter found</extracomment>
        <translation>Kreis mit dem Flächeninhalt %1, maßstabsgetreu gezeichnet mit seinem Mittelpunkt: sein Durchmesser ist %2</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <extracomment>%1 is the area typed, %2 the perimeter found</extracomment>
        <translation>Kreis mit dem Flächeninhalt %1, maßstabsgetreu gezeichnet mit seinem Mittelpunkt: seine Kreislinie, der Umfang %2, ist dick gezeichnet</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its radius is %2</source>
        <extracomment>%1 is the perimeter typed, %2 the radius found</extracomment>
        <translation>Kreis mit dem Umfang %1, maßstabsgetreu gezeichnet mit seinem Mittelpunkt: sein Radius ist %2</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its diameter is %2</source>
        <extracomment>%1 is the perimeter typed, %2 the diameter found</extracomment>
        <translation>Kreis mit dem Umfang %1, maßstabsgetreu gezeichnet mit seinem Mittelpunkt: sein Durchmesser ist %2</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the perimeter typed, %2 the area found</extracomment>
        <translation>Kreis mit dem Umfang %1, maßstabsgetreu gezeichnet mit seinem Mittelpunkt: sein Flächeninhalt %2 ist schattiert</translation>
    </message>
    <message>
        <source>centre</source>
        <extracomment>the label of the circle&apos;s centre in the figure</extracomment>
        <translation>Mittelpunkt</translation>
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
        <source>8 characters</source>
        <extracomment>how long a typed value may be; it ends the sentence &quot;Each box takes one number greater than zero, at most %1: ...&quot;</extracomment>
        <translation>8 Zeichen</translation>
    </message>
    <message>
        <source>Each button uses only the box of its own row, and answers beside it</source>
        <translation>Jede Schaltfläche nimmt nur das Feld ihrer eigenen Zeile und zeigt das Ergebnis daneben</translation>
    </message>
    <message>
        <source>Radius or Diameter: find the area or the perimeter</source>
        <extracomment>Radius, Diameter: the boxes&apos; headings in the window</extracomment>
        <translation>Radius oder Durchmesser: Flächeninhalt oder Umfang berechnen</translation>
    </message>
    <message>
        <source>Area: find the radius or the diameter; the lower Area box finds the perimeter</source>
        <extracomment>Area: the boxes&apos; heading in the window</extracomment>
        <translation>Fläche: Radius oder Durchmesser berechnen; mit dem unteren Feld „Fläche“ berechnest du den Umfang</translation>
    </message>
    <message>
        <source>Perimeter: find the radius or the diameter; the lower Perimeter box finds the area</source>
        <extracomment>Perimeter: the boxes&apos; heading in the window</extracomment>
        <translation>Umfang: Radius oder Durchmesser berechnen; mit dem unteren Feld „Umfang“ berechnest du den Flächeninhalt</translation>
    </message>
    <message>
        <source>Radius 5, then Find Area:</source>
        <extracomment>the example worked: Radius is the box&apos;s heading, Find Area the button&apos;s caption</extracomment>
        <translation>Radius 5, dann die Schaltfläche „Fläche“:</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Circle - Areas And Perimeters</source>
        <translation>Kreis - Flächeninhalt und Umfang</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Find Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Find Perimeter</source>
        <translation>Umfang</translation>
    </message>
    <message>
        <source>Answer from the radius</source>
        <translation>Ergebnis aus dem Radius</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Find Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Find Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Answer from the area</source>
        <translation>Ergebnis aus dem Flächeninhalt</translation>
    </message>
    <message>
        <source>Perimeter from the area</source>
        <translation>Umfang aus dem Flächeninhalt</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchm.</translation>
    </message>
    <message>
        <source>Answer from the diameter</source>
        <translation>Ergebnis aus dem Durchmesser</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Umfang</translation>
    </message>
    <message>
        <source>Answer from the perimeter</source>
        <translation>Ergebnis aus dem Umfang</translation>
    </message>
    <message>
        <source>Area from the perimeter</source>
        <translation>Flächeninhalt aus dem Umfang</translation>
    </message>
</context>
</TS>
