<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Form8</name>
    <message>
        <source>Quadrilateral - Areas And Perimeters</source>
        <translation>Cuadriláteros - áreas y perímetros</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Lado</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Perím.</translation>
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
        <source>Square from its side</source>
        <translation>Cuadrado a partir del lado</translation>
    </message>
    <message>
        <source>Find Side</source>
        <translation>Lado</translation>
    </message>
    <message>
        <source>Square from its area</source>
        <translation>Cuadrado a partir del área</translation>
    </message>
    <message>
        <source>Square from its perimeter</source>
        <translation>Cuadrado a partir del perímetro</translation>
    </message>
    <message>
        <source>Trapezium</source>
        <translation>Trapecio</translation>
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
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Trapezium area</source>
        <translation>Área del trapecio</translation>
    </message>
    <message>
        <source>Quadrilateral which two of its diagonals are verticals</source>
        <translation>Cuadrilátero con diagonales perpendiculares</translation>
    </message>
    <message>
        <source>like Rhombus , Square , Dalton </source>
        <translation>como el rombo, el cuadrado, el deltoide</translation>
    </message>
    <message>
        <source>Height A</source>
        <translation>Altura A</translation>
    </message>
    <message>
        <source>Height B</source>
        <translation>Altura B</translation>
    </message>
    <message>
        <source>Area from the diagonals</source>
        <translation>Área a partir de las diagonales</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Rectangle from two sides</source>
        <translation>Rectángulo a partir de dos lados</translation>
    </message>
    <message>
        <source>Find B</source>
        <translation>Lado B</translation>
    </message>
    <message>
        <source>Rectangle from a side and the area</source>
        <translation>Rectángulo a partir de un lado y el área</translation>
    </message>
    <message>
        <source>Rectangle from a side and the perimeter</source>
        <translation>Rectángulo a partir de un lado y el perímetro</translation>
    </message>
    <message>
        <source>Parallelogram And Rhombus</source>
        <translation>Paralelogramo y rombo</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Parallelogram area</source>
        <translation>Área del paralelogramo</translation>
    </message>
    <message>
        <source>Base/Height</source>
        <translation>Base/Altura</translation>
    </message>
    <message>
        <source>Find Height/Base</source>
        <translation>Altura/base</translation>
    </message>
    <message>
        <source>Parallelogram height or base</source>
        <translation>Altura o base del paralelogramo</translation>
    </message>
    <message>
        <source>Parallelogram perimeter</source>
        <translation>Perímetro del paralelogramo</translation>
    </message>
</context>
<context>
    <name>QuadrilateralWorking</name>
    <message>
        <source>Area = side², so side = √Area</source>
        <translation>Área = lado², así que lado = √Área</translation>
    </message>
    <message>
        <source>side = √%1 = %2</source>
        <translation>lado = √%1 = %2</translation>
    </message>
    <message>
        <source>side = √%1 ≈ %2</source>
        <translation>lado = √%1 ≈ %2</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side, so side = Perimeter ÷ 4</source>
        <translation>Perímetro = 4 × lado, así que lado = Perímetro ÷ 4</translation>
    </message>
    <message>
        <source>side = %1 ÷ 4%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>lado = %1 ÷ 4%2%3</translation>
    </message>
    <message>
        <source>side = %1</source>
        <translation>lado = %1</translation>
    </message>
    <message>
        <source>Area = side² = %1²%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Área = lado² = %1²%2%3</translation>
    </message>
    <message>
        <source>So the area is %1</source>
        <translation>Así que el área es %1</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side = 4 × %1 = %2</source>
        <translation>Perímetro = 4 × lado = 4 × %1 = %2</translation>
    </message>
    <message>
        <source>The window works it out as %1 × 4%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>La ventana lo calcula así: %1 × 4%2%3</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>Así que el perímetro es %1</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side = 4 × %1%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Perímetro = 4 × lado = 4 × %1%2%3</translation>
    </message>
    <message>
        <source>So the side is %1</source>
        <translation>Así que el lado es %1</translation>
    </message>
    <message>
        <source>Check: side² = %1² = %2, the area given</source>
        <translation>Comprobación: lado² = %1² = %2, el área dada</translation>
    </message>
    <message>
        <source>Check: 4 × side = 4 × %1 = %2, the perimeter given</source>
        <translation>Comprobación: 4 × lado = 4 × %1 = %2, el perímetro dado</translation>
    </message>
    <message>
        <source>Area of a rectangle = A × B</source>
        <translation>Área de un rectángulo = A × B</translation>
    </message>
    <message>
        <source>Area of a parallelogram = base × height</source>
        <translation>Área de un paralelogramo = base × altura</translation>
    </message>
    <message>
        <source>Area = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>Área = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Perimeter = (A + B) × 2: two sides A and two sides B</source>
        <translation>Perímetro = (A + B) × 2: dos lados A y dos lados B</translation>
    </message>
    <message>
        <source>Perimeter = %1 × 2%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Perímetro = %1 × 2%2%3</translation>
    </message>
    <message>
        <source>Area = A × B, so B = Area ÷ A</source>
        <translation>Área = A × B, así que B = Área ÷ A</translation>
    </message>
    <message>
        <source>So side B is %1</source>
        <translation>Así que el lado B es %1</translation>
    </message>
    <message>
        <source>Check: A × B = %1 × %2 = %3, the area given</source>
        <translation>Comprobación: A × B = %1 × %2 = %3, el área dada</translation>
    </message>
    <message>
        <source>Perimeter = (A + B) × 2</source>
        <translation>Perímetro = (A + B) × 2</translation>
    </message>
    <message>
        <source>Area = base × height, so the one not known = Area ÷ the one known</source>
        <translation>Área = base × altura, así que la longitud desconocida = Área ÷ la conocida</translation>
    </message>
    <message>
        <source>So the height (or the base) is %1</source>
        <translation>Así que la altura (o la base) es %1</translation>
    </message>
    <message>
        <source>Check: base × height = %1 × %2 = %3, the area given</source>
        <translation>Comprobación: base × altura = %1 × %2 = %3, el área dada</translation>
    </message>
    <message>
        <source>Perimeter = A + A + B + B, so B = (P - (A + A)) ÷ 2</source>
        <translation>Perímetro = A + A + B + B, así que B = (P - (A + A)) ÷ 2</translation>
    </message>
    <message>
        <source>That leaves nothing for the two sides B: the perimeter %1 is too short for the side %2, so no rectangle has these numbers</source>
        <translation>No queda nada para los dos lados B: el perímetro %1 es demasiado corto para el lado %2, así que ningún rectángulo tiene estos números</translation>
    </message>
    <message>
        <source>A perimeter must be more than A + A = %1</source>
        <translation>El perímetro debe ser mayor que A + A = %1</translation>
    </message>
    <message>
        <source>The window works with B = %1</source>
        <translation>La ventana trabaja con B = %1</translation>
    </message>
    <message>
        <source>The window rounds B to 4 decimal places: %1</source>
        <translation>La ventana redondea B a 4 decimales: %1</translation>
    </message>
    <message>
        <source>Check with B = %1: A + A + B + B = %2 + %2 + %1 + %1 = %3, the perimeter given</source>
        <translation>Comprobación con B = %1: A + A + B + B = %2 + %2 + %1 + %1 = %3, el perímetro dado</translation>
    </message>
    <message>
        <source>Area = A × B = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>Área = A × B = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area of a trapezium = (A + B) × height ÷ 2</source>
        <translation>Área de un trapecio = (A + B) × altura ÷ 2</translation>
    </message>
    <message>
        <source>(A + B) × height = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>(A + B) × altura = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = %1 ÷ 2%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Área = %1 ÷ 2%2%3</translation>
    </message>
    <message>
        <source>The diagonals cross at a right angle: Area = d1 × d2 ÷ 2</source>
        <translation>Las diagonales se cortan en ángulo recto: Área = d1 × d2 ÷ 2</translation>
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
        <source>Square with side %1, drawn to scale, its area %2 shaded</source>
        <translation>Cuadrado de lado %1, dibujado a escala, con su área %2 sombreada</translation>
    </message>
    <message>
        <source>Square with side %1, drawn to scale, its perimeter %2 drawn heavy</source>
        <translation>Cuadrado de lado %1, dibujado a escala, con su perímetro %2 en trazo grueso</translation>
    </message>
    <message>
        <source>Square with side %1, drawn to scale: its side is %2</source>
        <translation>Cuadrado de lado %1, dibujado a escala: su lado mide %2</translation>
    </message>
    <message>
        <source>Parallelogram with sides %1 and %2, drawn to scale with side B leaning at 60°, its perimeter %3 drawn heavy. Any slant gives the same sides, so the same perimeter</source>
        <translation>Paralelogramo de lados %1 y %2, dibujado a escala con el lado B inclinado 60°, con su perímetro %3 en trazo grueso. Cualquier inclinación da los mismos lados, así que el mismo perímetro</translation>
    </message>
    <message>
        <source>base/height = %1</source>
        <translation>base/altura = %1</translation>
    </message>
    <message>
        <source>base = %1</source>
        <translation>base = %1</translation>
    </message>
    <message>
        <source>height/base = %1</source>
        <translation>altura/base = %1</translation>
    </message>
    <message>
        <source>height = %1</source>
        <translation>altura = %1</translation>
    </message>
    <message>
        <source>Parallelogram with base %1 and height %2, drawn to scale and slanted, the height dashed from a top corner square to the base drawn on, its area %3 shaded. Any slant gives the same base, height and area</source>
        <translation>Paralelogramo de base %1 y altura %2, dibujado a escala e inclinado, con la altura discontinua desde una esquina de arriba, perpendicular a la base prolongada, y su área %3 sombreada. Cualquier inclinación da la misma base, altura y área</translation>
    </message>
    <message>
        <source>Parallelogram with base %1 and height %2, drawn to scale and slanted, the height dashed from a top corner square to the base drawn on: the other length is %3. Any slant gives the same base, height and area</source>
        <translation>Paralelogramo de base %1 y altura %2, dibujado a escala e inclinado, con la altura discontinua desde una esquina de arriba, perpendicular a la base prolongada: la otra longitud es %3. Cualquier inclinación da la misma base, altura y área</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale, its area %3 shaded</source>
        <translation>Rectángulo de %1 por %2, dibujado a escala, con su área %3 sombreada</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale, its perimeter %3 drawn heavy</source>
        <translation>Rectángulo de %1 por %2, dibujado a escala, con su perímetro %3 en trazo grueso</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale: side B is %3</source>
        <translation>Rectángulo de %1 por %2, dibujado a escala: el lado B mide %3</translation>
    </message>
    <message>
        <source>The perimeter %1 beside the two sides A, %2 together: nothing is left for the sides B, so no rectangle has these numbers</source>
        <translation>El perímetro %1 junto a los dos lados A, que suman %2: no queda nada para los lados B, así que ningún rectángulo tiene estos números</translation>
    </message>
    <message>
        <source>Trapezium with parallel sides %1 and %2 and height %3, drawn to scale with a right angle at its left side, so that side is the height, its area %4 shaded. The exercise leaves the slant of its other sides free, and every slant gives the same area</source>
        <translation>Trapecio de lados paralelos %1 y %2 y altura %3, dibujado a escala con un ángulo recto en su lado izquierdo, así que ese lado es la altura, con su área %4 sombreada. El ejercicio deja libre la inclinación de los otros lados, y cualquier inclinación da la misma área</translation>
    </message>
    <message>
        <source>Quadrilateral with perpendicular diagonals %1 and %2, drawn to scale, its area %3 shaded: half the %1 by %2 rectangle around it. It is drawn as a rhombus, the diagonals crossing at their middles: the exercise leaves where they cross free</source>
        <translation>Cuadrilátero con diagonales perpendiculares %1 y %2, dibujado a escala, con su área %3 sombreada: la mitad del rectángulo de %1 por %2 que lo rodea. Está dibujado como un rombo, con las diagonales cortándose en su punto medio: el ejercicio deja libre dónde se cortan</translation>
    </message>
    <message>
        <source>6 characters</source>
        <translation>6 caracteres</translation>
    </message>
    <message>
        <source>Each button uses only the boxes of its own frame</source>
        <translation>Cada botón usa solo las casillas de su propio marco</translation>
    </message>
    <message>
        <source>Square: its side, its area or its perimeter</source>
        <translation>Cuadrado: su lado, su área o su perímetro</translation>
    </message>
    <message>
        <source>Trapezium: the parallel sides A and B and the height between them</source>
        <translation>Trapecio: los lados paralelos A y B y la altura entre ellos</translation>
    </message>
    <message>
        <source>Diagonals: Height A and Height B are the two diagonals, which cross at a right angle</source>
        <translation>Diagonales: Altura A y Altura B son las dos diagonales, que se cortan en ángulo recto</translation>
    </message>
    <message>
        <source>Rectangle: sides A and B; or side A and the area; or side A and the perimeter, which must be more than A + A</source>
        <translation>Rectángulo: lados A y B; o lado A y el área; o lado A y el perímetro, que debe ser mayor que A + A</translation>
    </message>
    <message>
        <source>Parallelogram: base and height; or the area and the base (or the height); or sides A and B</source>
        <translation>Paralelogramo: base y altura; o el área y la base (o la altura); o lados A y B</translation>
    </message>
    <message>
        <source>A trapezium with sides 3 and 5, height 4:</source>
        <translation>Un trapecio de lados 3 y 5, altura 4:</translation>
    </message>
</context>
<context>
    <name>sb::Form8</name>
    <message>
        <source>Implausible Data</source>
        <translation>Datos inverosímiles</translation>
    </message>
</context>
</TS>
