<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Form9</name>
    <message>
        <source>Triangle - Areas And Perimeters</source>
        <translation>Triángulos - áreas y perímetros</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Find Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Find Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Find Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Side A</source>
        <translation>Lado A</translation>
    </message>
    <message>
        <source>Side B</source>
        <translation>Lado B</translation>
    </message>
    <message>
        <source>Side C</source>
        <translation>Lado C</translation>
    </message>
    <message>
        <source>Find Perimeter</source>
        <translation>Perímetro</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Perímetro</translation>
    </message>
    <message>
        <source>Heron&apos;s Formula  For Finding Area Of A Triangle</source>
        <translation>Fórmula de Herón para el área de un triángulo</translation>
    </message>
    <message>
        <source>Area by Heron&apos;s formula</source>
        <translation>Área por la fórmula de Herón</translation>
    </message>
</context>
<context>
    <name>TriangleAreasWorking</name>
    <message>
        <source>Area = base × height ÷ 2</source>
        <translation>Área = base × altura ÷ 2</translation>
    </message>
    <message>
        <source>base × height = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>base × altura = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = %1 ÷ 2%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Área = %1 ÷ 2%2%3</translation>
    </message>
    <message>
        <source>So the area is %1</source>
        <translation>Así que el área es %1</translation>
    </message>
    <message>
        <source>Area = base × height ÷ 2, so height = (Area + Area) ÷ base</source>
        <translation>Área = base × altura ÷ 2, así que altura = (Área + Área) ÷ base</translation>
    </message>
    <message>
        <source>Area = base × height ÷ 2, so base = (Area + Area) ÷ height</source>
        <translation>Área = base × altura ÷ 2, así que base = (Área + Área) ÷ altura</translation>
    </message>
    <message>
        <source>Area + Area = %1 + %1%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Área + Área = %1 + %1%2%3</translation>
    </message>
    <message>
        <source>height = %1 ÷ %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>altura = %1 ÷ %2%3%4</translation>
    </message>
    <message>
        <source>base = %1 ÷ %2%3%4</source>
        <translation>base = %1 ÷ %2%3%4</translation>
    </message>
    <message>
        <source>So the height is %1</source>
        <translation>Así que la altura es %1</translation>
    </message>
    <message>
        <source>So the base is %1</source>
        <translation>Así que la base es %1</translation>
    </message>
    <message>
        <source>Check: base × height ÷ 2 = %1 × %2 ÷ 2 = %3, the area given</source>
        <translation>Comprobación: base × altura ÷ 2 = %1 × %2 ÷ 2 = %3, el área dada</translation>
    </message>
    <message>
        <source>base = %1</source>
        <translation>base = %1</translation>
    </message>
    <message>
        <source>height = %1</source>
        <translation>altura = %1</translation>
    </message>
    <message>
        <source>Area = %1</source>
        <translation>Área = %1</translation>
    </message>
    <message>
        <source>Triangle with base %1 and height %2, area %3, drawn to scale. Its top stands above the middle of the base: the exercise leaves it free, and every such top gives the same area</source>
        <translation>Triángulo de base %1 y altura %2, área %3, dibujado a escala. Su vértice de arriba está sobre el punto medio de la base: el ejercicio lo deja libre, y cualquier vértice así da la misma área</translation>
    </message>
    <message>
        <source>%1; %2 and %3</source>
        <extracomment>the three sides of a triangle, &quot;3, 4 and 5&quot;</extracomment>
        <translation>%1; %2 y %3</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 y %3</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, longer than %4 = %5, so these sides make a triangle</source>
        <translation>En un triángulo, los dos lados más cortos juntos deben ser más largos que el más largo: %1 + %2 = %3, más largo que %4 = %5, así que estos lados forman un triángulo</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, only as long as %4 = %5. These sides lie flat along one line, so they make no triangle: only a flat one, with nothing inside</source>
        <translation>En un triángulo, los dos lados más cortos juntos deben ser más largos que el más largo: %1 + %2 = %3, solo igual de largo que %4 = %5. Estos lados quedan planos sobre una misma recta, así que no forman un triángulo: solo uno plano, sin nada dentro</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, shorter than %4 = %5 by %6. Side %4 is too long: the other two do not reach across it, so these sides make no triangle</source>
        <translation>En un triángulo, los dos lados más cortos juntos deben ser más largos que el más largo: %1 + %2 = %3, más corto que %4 = %5 en %6. El lado %4 es demasiado largo: los otros dos no llegan de un extremo al otro, así que estos lados no forman un triángulo</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it, perimeter %2</source>
        <translation>Triángulo de lados %1, dibujado a escala sobre su lado más largo: plano, con los otros dos tendidos sobre él, perímetro %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side, perimeter %2</source>
        <translation>Triángulo de lados %1, dibujado a escala sobre su lado más largo, perímetro %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it, area %2</source>
        <translation>Triángulo de lados %1, dibujado a escala sobre su lado más largo: plano, con los otros dos tendidos sobre él, área %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side, area %2</source>
        <translation>Triángulo de lados %1, dibujado a escala sobre su lado más largo, área %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it</source>
        <translation>Triángulo de lados %1, dibujado a escala sobre su lado más largo: plano, con los otros dos tendidos sobre él</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side</source>
        <translation>Triángulo de lados %1, dibujado a escala sobre su lado más largo</translation>
    </message>
    <message>
        <source>short by %1</source>
        <translation>faltan %1</translation>
    </message>
    <message>
        <source>Sides %1 laid end to end: the two shorter are %2 short of the longest, so they make no triangle</source>
        <translation>Lados %1 puestos uno tras otro: a los dos más cortos les faltan %2 para llegar al más largo, así que no forman un triángulo</translation>
    </message>
    <message>
        <source>Perimeter = a + b + c</source>
        <translation>Perímetro = a + b + c</translation>
    </message>
    <message>
        <source>Perimeter = %1 + %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>Perímetro = %1 + %2%3%4</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>Así que el perímetro es %1</translation>
    </message>
    <message>
        <source>The perimeter is the three sides&apos; total all the same</source>
        <translation>El perímetro sigue siendo la suma de los tres lados</translation>
    </message>
    <message>
        <source>Heron&apos;s formula: the half perimeter s = (a + b + c) ÷ 2,</source>
        <translation>Fórmula de Herón: el semiperímetro s = (a + b + c) ÷ 2,</translation>
    </message>
    <message>
        <source>then Area = √(s(s - a)(s - b)(s - c))</source>
        <translation>luego Área = √(s(s - a)(s - b)(s - c))</translation>
    </message>
    <message>
        <source>The sides are added b + a first: %1 + %2%3%4, then %4 + %5%6%7</source>
        <extracomment>%3 and %6 are &quot; = &quot; or &quot; ≈ &quot;, %4 and %7 the results</extracomment>
        <translation>Los lados se suman primero b + a: %1 + %2%3%4, luego %4 + %5%6%7</translation>
    </message>
    <message>
        <source>%1 is below zero, and no number times itself is below zero: there is no area</source>
        <translation>%1 es menor que cero, y ningún número multiplicado por sí mismo es menor que cero: no hay área</translation>
    </message>
    <message>
        <source>Area = √%1 = %2</source>
        <translation>Área = √%1 = %2</translation>
    </message>
    <message>
        <source>Area = √%1 %2</source>
        <translation>Área = √%1 %2</translation>
    </message>
    <message>
        <source>The window rounds at every step, and its product came out a hair below zero instead of %1. Below zero has no square root, so it gave its message instead of an area</source>
        <translation>La ventana redondea en cada paso, y su producto salió apenas por debajo de cero en lugar de %1. Un número menor que cero no tiene raíz cuadrada, así que dio su mensaje en lugar de un área</translation>
    </message>
    <message>
        <source>7 characters (6 in Heron&apos;s row)</source>
        <translation>7 caracteres (6 en la fila de Herón)</translation>
    </message>
    <message>
        <source>Each button uses only the boxes of its own row</source>
        <translation>Cada botón usa solo las casillas de su propia fila</translation>
    </message>
    <message>
        <source>Base and Height: Find Area. Area and Base: Find Height. Area and Height: Find Base</source>
        <translation>Base y altura: botón Área. Área y base: botón Altura. Área y altura: botón Base</translation>
    </message>
    <message>
        <source>Side A, Side B and Side C: Find Perimeter, or the area by Heron&apos;s formula</source>
        <translation>Lado A, Lado B y Lado C: botón Perímetro, o el área por la fórmula de Herón</translation>
    </message>
    <message>
        <source>Heron&apos;s formula with the sides 3, 4 and 5:</source>
        <translation>Fórmula de Herón con los lados 3, 4 y 5:</translation>
    </message>
</context>
</TS>
