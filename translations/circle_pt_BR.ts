<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CircleWorking</name>
    <message>
        <source>Area = πr², with π = %1</source>
        <translation>Área = πr², com π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, with π = %1</source>
        <translation>Perímetro = 2πr, com π = %1</translation>
    </message>
    <message>
        <source>The radius is half the diameter, r = d ÷ 2; then Area = πr², with π = %1</source>
        <translation>O raio é a metade do diâmetro, r = d ÷ 2; depois área = πr², com π = %1</translation>
    </message>
    <message>
        <source>The radius is half the diameter, r = d ÷ 2; then Perimeter = 2πr, with π = %1</source>
        <translation>O raio é a metade do diâmetro, r = d ÷ 2; depois perímetro = 2πr, com π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π), with π = %1</source>
        <translation>Área = πr², então r = √(A ÷ π), com π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π), and d = 2r, with π = %1</source>
        <translation>Área = πr², então r = √(A ÷ π), e d = 2r, com π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π); then Perimeter = 2πr, with π = %1</source>
        <translation>Área = πr², então r = √(A ÷ π); depois perímetro = 2πr, com π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, so r = P ÷ (2π), with π = %1</source>
        <translation>Perímetro = 2πr, então r = P ÷ (2π), com π = %1</translation>
    </message>
    <message>
        <source>Perimeter = πd, so d = P ÷ π, with π = %1</source>
        <translation>Perímetro = πd, então d = P ÷ π, com π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, so r = P ÷ (2π); then Area = πr², with π = %1</source>
        <translation>Perímetro = 2πr, então r = P ÷ (2π); depois área = πr², com π = %1</translation>
    </message>
    <message>
        <source>So the radius is %1 ≈ %2</source>
        <extracomment>%1 is the exact radius, %2 the window&apos;s</extracomment>
        <translation>Então o raio é %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the radius is %1</source>
        <translation>Então o raio é %1</translation>
    </message>
    <message>
        <source>So the diameter is %1 ≈ %2</source>
        <extracomment>%1 is the exact diameter, %2 the window&apos;s</extracomment>
        <translation>Então o diâmetro é %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the diameter is %1</source>
        <translation>Então o diâmetro é %1</translation>
    </message>
    <message>
        <source>So the area is %1 ≈ %2</source>
        <extracomment>%1 is the exact area, %2 the window&apos;s</extracomment>
        <translation>Então a área é %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the area is %1</source>
        <translation>Então a área é %1</translation>
    </message>
    <message>
        <source>So the perimeter is %1 ≈ %2</source>
        <extracomment>%1 is the exact perimeter, %2 the window&apos;s</extracomment>
        <translation>Então o perímetro é %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>Então o perímetro é %1</translation>
    </message>
    <message>
        <source>The window&apos;s π, %1, also stops a little below the true π, 3.14159265358979323…</source>
        <translation>O π da janela, %1, também fica um pouco abaixo do π verdadeiro, 3.14159265358979323…</translation>
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
        <translation>Com o π da janela: πr = %1 × %2%3%4</translation>
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
        <translation>Círculo de raio %1, desenhado em escala com seu centro: sua área %2, sombreada</translation>
    </message>
    <message>
        <source>Circle with radius %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <translation>Círculo de raio %1, desenhado em escala com seu centro: seu contorno, o perímetro %2, em traço grosso</translation>
    </message>
    <message>
        <source>Circle with diameter %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the diameter typed, %2 the area found</extracomment>
        <translation>Círculo de diâmetro %1, desenhado em escala com seu centro: sua área %2, sombreada</translation>
    </message>
    <message>
        <source>Circle with diameter %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <translation>Círculo de diâmetro %1, desenhado em escala com seu centro: seu contorno, o perímetro %2, em traço grosso</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its radius is %2</source>
        <extracomment>%1 is the area typed, %2 the radius found</extracomment>
        <translation>Círculo de área %1, desenhado em escala com seu centro: seu raio é %2</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its diameter is %2</source>
        <extracomment>%1 is the area typed, %2 the diameter found</extracomment>
        <translation>Círculo de área %1, desenhado em escala com seu centro: seu diâmetro é %2</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <extracomment>%1 is the area typed, %2 the perimeter found</extracomment>
        <translation>Círculo de área %1, desenhado em escala com seu centro: seu contorno, o perímetro %2, em traço grosso</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its radius is %2</source>
        <extracomment>%1 is the perimeter typed, %2 the radius found</extracomment>
        <translation>Círculo de perímetro %1, desenhado em escala com seu centro: seu raio é %2</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its diameter is %2</source>
        <extracomment>%1 is the perimeter typed, %2 the diameter found</extracomment>
        <translation>Círculo de perímetro %1, desenhado em escala com seu centro: seu diâmetro é %2</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the perimeter typed, %2 the area found</extracomment>
        <translation>Círculo de perímetro %1, desenhado em escala com seu centro: sua área %2, sombreada</translation>
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
        <translation>Cada botão usa só o campo da própria linha e mostra o resultado ao lado</translation>
    </message>
    <message>
        <source>Radius or Diameter: find the area or the perimeter</source>
        <extracomment>Radius, Diameter: the boxes&apos; headings in the window</extracomment>
        <translation>Raio ou Diâmetro: calcule a área ou o perímetro</translation>
    </message>
    <message>
        <source>Area: find the radius or the diameter; the lower Area box finds the perimeter</source>
        <extracomment>Area: the boxes&apos; heading in the window</extracomment>
        <translation>Área: calcule o raio ou o diâmetro; o campo “Área” de baixo calcula o perímetro</translation>
    </message>
    <message>
        <source>Perimeter: find the radius or the diameter; the lower Perimeter box finds the area</source>
        <extracomment>Perimeter: the boxes&apos; heading in the window</extracomment>
        <translation>Perímetro: calcule o raio ou o diâmetro; o campo “Perímetro” de baixo calcula a área</translation>
    </message>
    <message>
        <source>Radius 5, then Find Area:</source>
        <extracomment>the example worked: Radius is the box&apos;s heading, Find Area the button&apos;s caption</extracomment>
        <translation>Raio 5, depois o botão “Área”:</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Circle - Areas And Perimeters</source>
        <translation>Círculo - áreas e perímetros</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Raio</translation>
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
        <translation>Resultado a partir do raio</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Find Radius</source>
        <translation>Raio</translation>
    </message>
    <message>
        <source>Find Diameter</source>
        <translation>Diâmetro</translation>
    </message>
    <message>
        <source>Answer from the area</source>
        <translation>Resultado a partir da área</translation>
    </message>
    <message>
        <source>Perimeter from the area</source>
        <translation>Perímetro a partir da área</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diâmetro</translation>
    </message>
    <message>
        <source>Answer from the diameter</source>
        <translation>Resultado a partir do diâmetro</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Perímetro</translation>
    </message>
    <message>
        <source>Answer from the perimeter</source>
        <translation>Resultado a partir do perímetro</translation>
    </message>
    <message>
        <source>Area from the perimeter</source>
        <translation>Área a partir do perímetro</translation>
    </message>
</context>
</TS>
