<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CircleWorking</name>
    <message>
        <source>Area = πr², with π = %1</source>
        <translation>Área = πr², con π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, with π = %1</source>
        <translation>Perímetro = 2πr, con π = %1</translation>
    </message>
    <message>
        <source>The radius is half the diameter, r = d ÷ 2; then Area = πr², with π = %1</source>
        <translation>El radio es la mitad del diámetro, r = d ÷ 2; luego área = πr², con π = %1</translation>
    </message>
    <message>
        <source>The radius is half the diameter, r = d ÷ 2; then Perimeter = 2πr, with π = %1</source>
        <translation>El radio es la mitad del diámetro, r = d ÷ 2; luego perímetro = 2πr, con π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π), with π = %1</source>
        <translation>Área = πr², así que r = √(A ÷ π), con π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π), and d = 2r, with π = %1</source>
        <translation>Área = πr², así que r = √(A ÷ π) y d = 2r, con π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π); then Perimeter = 2πr, with π = %1</source>
        <translation>Área = πr², así que r = √(A ÷ π); luego perímetro = 2πr, con π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, so r = P ÷ (2π), with π = %1</source>
        <translation>Perímetro = 2πr, así que r = P ÷ (2π), con π = %1</translation>
    </message>
    <message>
        <source>Perimeter = πd, so d = P ÷ π, with π = %1</source>
        <translation>Perímetro = πd, así que d = P ÷ π, con π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, so r = P ÷ (2π); then Area = πr², with π = %1</source>
        <translation>Perímetro = 2πr, así que r = P ÷ (2π); luego área = πr², con π = %1</translation>
    </message>
    <message>
        <source>So the radius is %1 ≈ %2</source>
        <extracomment>%1 is the exact radius, %2 the window&apos;s</extracomment>
        <translation>Así que el radio es %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the radius is %1</source>
        <translation>Así que el radio es %1</translation>
    </message>
    <message>
        <source>So the diameter is %1 ≈ %2</source>
        <extracomment>%1 is the exact diameter, %2 the window&apos;s</extracomment>
        <translation>Así que el diámetro es %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the diameter is %1</source>
        <translation>Así que el diámetro es %1</translation>
    </message>
    <message>
        <source>So the area is %1 ≈ %2</source>
        <extracomment>%1 is the exact area, %2 the window&apos;s</extracomment>
        <translation>Así que el área es %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the area is %1</source>
        <translation>Así que el área es %1</translation>
    </message>
    <message>
        <source>So the perimeter is %1 ≈ %2</source>
        <extracomment>%1 is the exact perimeter, %2 the window&apos;s</extracomment>
        <translation>Así que el perímetro es %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>Así que el perímetro es %1</translation>
    </message>
    <message>
        <source>The window&apos;s π, %1, also stops a little below the true π, 3.14159265358979323…</source>
        <translation>El π de la ventana, %1, también se queda un poco por debajo del π verdadero, 3.14159265358979323…</translation>
    </message>
    <message>
        <source>Area = π × %1² = %2</source>
        <translation>Área = π × %1² = %2</translation>
    </message>
    <message>
        <source>Perimeter = 2 × π × %1 = %2</source>
        <translation>Perímetro = 2 × π × %1 = %2</translation>
    </message>
    <message>
        <source>With the window&apos;s π: πr = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;</extracomment>
        <translation>Con el π de la ventana: πr = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = πr × r = %1 × %2%3%4</source>
        <translation>Área = πr × r = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Perimeter = πr × 2 = %1 × 2%2%3</source>
        <translation>Perímetro = πr × 2 = %1 × 2%2%3</translation>
    </message>
    <message>
        <source>Perimeter = 2r × π = %1 × %2%3%4</source>
        <translation>Perímetro = 2r × π = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = π × r² = %1 × %2%3%4</source>
        <translation>Área = π × r² = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Circle with radius %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the radius typed, %2 the area found</extracomment>
        <translation>Círculo de radio %1, dibujado a escala con su centro: su área %2, sombreada</translation>
    </message>
    <message>
        <source>Circle with radius %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <translation>Círculo de radio %1, dibujado a escala con su centro: su contorno, el perímetro %2, en trazo grueso</translation>
    </message>
    <message>
        <source>Circle with diameter %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the diameter typed, %2 the area found</extracomment>
        <translation>Círculo de diámetro %1, dibujado a escala con su centro: su área %2, sombreada</translation>
    </message>
    <message>
        <source>Circle with diameter %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <translation>Círculo de diámetro %1, dibujado a escala con su centro: su contorno, el perímetro %2, en trazo grueso</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its radius is %2</source>
        <extracomment>%1 is the area typed, %2 the radius found</extracomment>
        <translation>Círculo de área %1, dibujado a escala con su centro: su radio es %2</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its diameter is %2</source>
        <extracomment>%1 is the area typed, %2 the diameter found</extracomment>
        <translation>Círculo de área %1, dibujado a escala con su centro: su diámetro es %2</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <extracomment>%1 is the area typed, %2 the perimeter found</extracomment>
        <translation>Círculo de área %1, dibujado a escala con su centro: su contorno, el perímetro %2, en trazo grueso</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its radius is %2</source>
        <extracomment>%1 is the perimeter typed, %2 the radius found</extracomment>
        <translation>Círculo de perímetro %1, dibujado a escala con su centro: su radio es %2</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its diameter is %2</source>
        <extracomment>%1 is the perimeter typed, %2 the diameter found</extracomment>
        <translation>Círculo de perímetro %1, dibujado a escala con su centro: su diámetro es %2</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the perimeter typed, %2 the area found</extracomment>
        <translation>Círculo de perímetro %1, dibujado a escala con su centro: su área %2, sombreada</translation>
    </message>
    <message>
        <source>centre</source>
        <extracomment>the label of the circle&apos;s centre in the figure</extracomment>
        <translation>centro</translation>
    </message>
    <message>
        <source>Area = %1</source>
        <translation>Área = %1</translation>
    </message>
    <message>
        <source>Perimeter = %1</source>
        <translation>Perímetro = %1</translation>
    </message>
    <message>
        <source>8 characters</source>
        <extracomment>how long a typed value may be; it ends the sentence &quot;Each box takes one number greater than zero, at most %1: ...&quot;</extracomment>
        <translation>8 caracteres</translation>
    </message>
    <message>
        <source>Each button uses only the box of its own row, and answers beside it</source>
        <translation>Cada botón usa solo la casilla de su propia fila y muestra el resultado al lado</translation>
    </message>
    <message>
        <source>Radius or Diameter: find the area or the perimeter</source>
        <extracomment>Radius, Diameter: the boxes&apos; headings in the window</extracomment>
        <translation>Radio o Diámetro: halla el área o el perímetro</translation>
    </message>
    <message>
        <source>Area: find the radius or the diameter; the lower Area box finds the perimeter</source>
        <extracomment>Area: the boxes&apos; heading in the window</extracomment>
        <translation>Área: halla el radio o el diámetro; la casilla «Área» de abajo halla el perímetro</translation>
    </message>
    <message>
        <source>Perimeter: find the radius or the diameter; the lower Perimeter box finds the area</source>
        <extracomment>Perimeter: the boxes&apos; heading in the window</extracomment>
        <translation>Perímetro: halla el radio o el diámetro; la casilla «Perímetro» de abajo halla el área</translation>
    </message>
    <message>
        <source>Radius 5, then Find Area:</source>
        <extracomment>the example worked: Radius is the box&apos;s heading, Find Area the button&apos;s caption</extracomment>
        <translation>Radio 5, luego el botón «Área»:</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Circle - Areas And Perimeters</source>
        <translation>Círculo - áreas y perímetros</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Find Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Find Perimeter</source>
        <translation>Perímetro</translation>
    </message>
    <message>
        <source>Answer from the radius</source>
        <translation>Resultado a partir del radio</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Find Radius</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Find Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Answer from the area</source>
        <translation>Resultado a partir del área</translation>
    </message>
    <message>
        <source>Perimeter from the area</source>
        <translation>Perímetro a partir del área</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Answer from the diameter</source>
        <translation>Resultado a partir del diámetro</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Perímetro</translation>
    </message>
    <message>
        <source>Answer from the perimeter</source>
        <translation>Resultado a partir del perímetro</translation>
    </message>
    <message>
        <source>Area from the perimeter</source>
        <translation>Área a partir del perímetro</translation>
    </message>
</context>
</TS>
