<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CircleWorking</name>
    <message>
        <source>Area = πr², with π = %1</source>
        <translation>Aire = πr², avec π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, with π = %1</source>
        <translation>Périmètre = 2πr, avec π = %1</translation>
    </message>
    <message>
        <source>The radius is half the diameter, r = d ÷ 2; then Area = πr², with π = %1</source>
        <translation>Le rayon est la moitié du diamètre, r = d ÷ 2 ; puis aire = πr², avec π = %1</translation>
    </message>
    <message>
        <source>The radius is half the diameter, r = d ÷ 2; then Perimeter = 2πr, with π = %1</source>
        <translation>Le rayon est la moitié du diamètre, r = d ÷ 2 ; puis périmètre = 2πr, avec π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π), with π = %1</source>
        <translation>Aire = πr², donc r = √(A ÷ π), avec π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π), and d = 2r, with π = %1</source>
        <translation>Aire = πr², donc r = √(A ÷ π), et d = 2r, avec π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π); then Perimeter = 2πr, with π = %1</source>
        <translation>Aire = πr², donc r = √(A ÷ π) ; puis périmètre = 2πr, avec π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, so r = P ÷ (2π), with π = %1</source>
        <translation>Périmètre = 2πr, donc r = P ÷ (2π), avec π = %1</translation>
    </message>
    <message>
        <source>Perimeter = πd, so d = P ÷ π, with π = %1</source>
        <translation>Périmètre = πd, donc d = P ÷ π, avec π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, so r = P ÷ (2π); then Area = πr², with π = %1</source>
        <translation>Périmètre = 2πr, donc r = P ÷ (2π) ; puis aire = πr², avec π = %1</translation>
    </message>
    <message>
        <source>So the radius is %1 ≈ %2</source>
        <extracomment>%1 is the exact radius, %2 the window&apos;s</extracomment>
        <translation>Donc le rayon vaut %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the radius is %1</source>
        <translation>Donc le rayon vaut %1</translation>
    </message>
    <message>
        <source>So the diameter is %1 ≈ %2</source>
        <extracomment>%1 is the exact diameter, %2 the window&apos;s</extracomment>
        <translation>Donc le diamètre vaut %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the diameter is %1</source>
        <translation>Donc le diamètre vaut %1</translation>
    </message>
    <message>
        <source>So the area is %1 ≈ %2</source>
        <extracomment>%1 is the exact area, %2 the window&apos;s</extracomment>
        <translation>Donc l&apos;aire vaut %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the area is %1</source>
        <translation>Donc l&apos;aire vaut %1</translation>
    </message>
    <message>
        <source>So the perimeter is %1 ≈ %2</source>
        <extracomment>%1 is the exact perimeter, %2 the window&apos;s</extracomment>
        <translation>Donc le périmètre vaut %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>Donc le périmètre vaut %1</translation>
    </message>
    <message>
        <source>The window&apos;s π, %1, also stops a little below the true π, 3.14159265358979323…</source>
        <translation>Le π de la fenêtre, %1, s&apos;arrête aussi un peu en dessous du vrai π, 3.14159265358979323…</translation>
    </message>
    <message>
        <source>Area = π × %1² = %2</source>
        <translation>Aire = π × %1² = %2</translation>
    </message>
    <message>
        <source>Perimeter = 2 × π × %1 = %2</source>
        <translation>Périmètre = 2 × π × %1 = %2</translation>
    </message>
    <message>
        <source>With the window&apos;s π: πr = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;</extracomment>
        <translation>Avec le π de la fenêtre : πr = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = πr × r = %1 × %2%3%4</source>
        <translation>Aire = πr × r = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Perimeter = πr × 2 = %1 × 2%2%3</source>
        <translation>Périmètre = πr × 2 = %1 × 2%2%3</translation>
    </message>
    <message>
        <source>Perimeter = 2r × π = %1 × %2%3%4</source>
        <translation>Périmètre = 2r × π = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = π × r² = %1 × %2%3%4</source>
        <translation>Aire = π × r² = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Circle with radius %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the radius typed, %2 the area found</extracomment>
        <translation>Cercle de rayon %1, dessiné à l&apos;échelle avec son centre : son aire %2 est grisée</translation>
    </message>
    <message>
        <source>Circle with radius %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <translation>Cercle de rayon %1, dessiné à l&apos;échelle avec son centre : son contour, le périmètre %2, est en trait épais</translation>
    </message>
    <message>
        <source>Circle with diameter %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the diameter typed, %2 the area found</extracomment>
        <translation>Cercle de diamètre %1, dessiné à l&apos;échelle avec son centre : son aire %2 est grisée</translation>
    </message>
    <message>
        <source>Circle with diameter %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <translation>Cercle de diamètre %1, dessiné à l&apos;échelle avec son centre : son contour, le périmètre %2, est en trait épais</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its radius is %2</source>
        <extracomment>%1 is the area typed, %2 the radius found</extracomment>
        <translation>Cercle d&apos;aire %1, dessiné à l&apos;échelle avec son centre : son rayon vaut %2</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its diameter is %2</source>
        <extracomment>%1 is the area typed, %2 the diameter found</extracomment>
        <translation>Cercle d&apos;aire %1, dessiné à l&apos;échelle avec son centre : son diamètre vaut %2</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <extracomment>%1 is the area typed, %2 the perimeter found</extracomment>
        <translation>Cercle d&apos;aire %1, dessiné à l&apos;échelle avec son centre : son contour, le périmètre %2, est en trait épais</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its radius is %2</source>
        <extracomment>%1 is the perimeter typed, %2 the radius found</extracomment>
        <translation>Cercle de périmètre %1, dessiné à l&apos;échelle avec son centre : son rayon vaut %2</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its diameter is %2</source>
        <extracomment>%1 is the perimeter typed, %2 the diameter found</extracomment>
        <translation>Cercle de périmètre %1, dessiné à l&apos;échelle avec son centre : son diamètre vaut %2</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the perimeter typed, %2 the area found</extracomment>
        <translation>Cercle de périmètre %1, dessiné à l&apos;échelle avec son centre : son aire %2 est grisée</translation>
    </message>
    <message>
        <source>centre</source>
        <extracomment>the label of the circle&apos;s centre in the figure</extracomment>
        <translation>centre</translation>
    </message>
    <message>
        <source>Area = %1</source>
        <translation>Aire = %1</translation>
    </message>
    <message>
        <source>Perimeter = %1</source>
        <translation>Périmètre = %1</translation>
    </message>
    <message>
        <source>8 characters</source>
        <extracomment>how long a typed value may be; it ends the sentence &quot;Each box takes one number greater than zero, at most %1: ...&quot;</extracomment>
        <translation>8 caractères</translation>
    </message>
    <message>
        <source>Each button uses only the box of its own row, and answers beside it</source>
        <translation>Chaque bouton n&apos;utilise que la case de sa propre ligne, et affiche le résultat à côté</translation>
    </message>
    <message>
        <source>Radius or Diameter: find the area or the perimeter</source>
        <extracomment>Radius, Diameter: the boxes&apos; headings in the window</extracomment>
        <translation>Rayon ou Diamètre : trouver l&apos;aire ou le périmètre</translation>
    </message>
    <message>
        <source>Area: find the radius or the diameter; the lower Area box finds the perimeter</source>
        <extracomment>Area: the boxes&apos; heading in the window</extracomment>
        <translation>Aire : trouver le rayon ou le diamètre ; la case « Aire » du bas trouve le périmètre</translation>
    </message>
    <message>
        <source>Perimeter: find the radius or the diameter; the lower Perimeter box finds the area</source>
        <extracomment>Perimeter: the boxes&apos; heading in the window</extracomment>
        <translation>Périmètre : trouver le rayon ou le diamètre ; la case « Périmètre » du bas trouve l&apos;aire</translation>
    </message>
    <message>
        <source>Radius 5, then Find Area:</source>
        <extracomment>the example worked: Radius is the box&apos;s heading, Find Area the button&apos;s caption</extracomment>
        <translation>Rayon 5, puis le bouton « Aire » :</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Circle - Areas And Perimeters</source>
        <translation>Cercle - Aires et périmètres</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>Find Area</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Find Perimeter</source>
        <translation>Périmètre</translation>
    </message>
    <message>
        <source>Answer from the radius</source>
        <translation>Résultat à partir du rayon</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Find Radius</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>Find Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Answer from the area</source>
        <translation>Résultat à partir de l&apos;aire</translation>
    </message>
    <message>
        <source>Perimeter from the area</source>
        <translation>Périmètre à partir de l&apos;aire</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Answer from the diameter</source>
        <translation>Résultat à partir du diamètre</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Périmètre</translation>
    </message>
    <message>
        <source>Answer from the perimeter</source>
        <translation>Résultat à partir du périmètre</translation>
    </message>
    <message>
        <source>Area from the perimeter</source>
        <translation>Aire à partir du périmètre</translation>
    </message>
</context>
</TS>
