<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Form8</name>
    <message>
        <source>Quadrilateral - Areas And Perimeters</source>
        <translation>Quadriláteros - áreas e perímetros</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrado</translation>
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
        <translation>Quadrado a partir do lado</translation>
    </message>
    <message>
        <source>Find Side</source>
        <translation>Lado</translation>
    </message>
    <message>
        <source>Square from its area</source>
        <translation>Quadrado a partir da área</translation>
    </message>
    <message>
        <source>Square from its perimeter</source>
        <translation>Quadrado a partir do perímetro</translation>
    </message>
    <message>
        <source>Trapezium</source>
        <translation>Trapézio</translation>
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
        <translation>Área do trapézio</translation>
    </message>
    <message>
        <source>Quadrilateral which two of its diagonals are verticals</source>
        <translation>Quadrilátero com diagonais perpendiculares</translation>
    </message>
    <message>
        <source>like Rhombus , Square , Dalton </source>
        <translation>como o losango, o quadrado, o deltoide</translation>
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
        <translation>Área a partir das diagonais</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Retângulo</translation>
    </message>
    <message>
        <source>Rectangle from two sides</source>
        <translation>Retângulo a partir de dois lados</translation>
    </message>
    <message>
        <source>Find B</source>
        <translation>Lado B</translation>
    </message>
    <message>
        <source>Rectangle from a side and the area</source>
        <translation>Retângulo a partir de um lado e da área</translation>
    </message>
    <message>
        <source>Rectangle from a side and the perimeter</source>
        <translation>Retângulo a partir de um lado e do perímetro</translation>
    </message>
    <message>
        <source>Parallelogram And Rhombus</source>
        <translation>Paralelogramo e losango</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Parallelogram area</source>
        <translation>Área do paralelogramo</translation>
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
        <translation>Altura ou base do paralelogramo</translation>
    </message>
    <message>
        <source>Parallelogram perimeter</source>
        <translation>Perímetro do paralelogramo</translation>
    </message>
</context>
<context>
    <name>QuadrilateralWorking</name>
    <message>
        <source>Area = side², so side = √Area</source>
        <translation>Área = lado², então lado = √Área</translation>
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
        <translation>Perímetro = 4 × lado, então lado = Perímetro ÷ 4</translation>
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
        <translation>Então a área é %1</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side = 4 × %1 = %2</source>
        <translation>Perímetro = 4 × lado = 4 × %1 = %2</translation>
    </message>
    <message>
        <source>The window works it out as %1 × 4%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>A janela calcula assim: %1 × 4%2%3</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>Então o perímetro é %1</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side = 4 × %1%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Perímetro = 4 × lado = 4 × %1%2%3</translation>
    </message>
    <message>
        <source>So the side is %1</source>
        <translation>Então o lado é %1</translation>
    </message>
    <message>
        <source>Check: side² = %1² = %2, the area given</source>
        <translation>Verificação: lado² = %1² = %2, a área dada</translation>
    </message>
    <message>
        <source>Check: 4 × side = 4 × %1 = %2, the perimeter given</source>
        <translation>Verificação: 4 × lado = 4 × %1 = %2, o perímetro dado</translation>
    </message>
    <message>
        <source>Area of a rectangle = A × B</source>
        <translation>Área de um retângulo = A × B</translation>
    </message>
    <message>
        <source>Area of a parallelogram = base × height</source>
        <translation>Área de um paralelogramo = base × altura</translation>
    </message>
    <message>
        <source>Area = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>Área = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Perimeter = (A + B) × 2: two sides A and two sides B</source>
        <translation>Perímetro = (A + B) × 2: dois lados A e dois lados B</translation>
    </message>
    <message>
        <source>Perimeter = %1 × 2%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Perímetro = %1 × 2%2%3</translation>
    </message>
    <message>
        <source>Area = A × B, so B = Area ÷ A</source>
        <translation>Área = A × B, então B = Área ÷ A</translation>
    </message>
    <message>
        <source>So side B is %1</source>
        <translation>Então o lado B é %1</translation>
    </message>
    <message>
        <source>Check: A × B = %1 × %2 = %3, the area given</source>
        <translation>Verificação: A × B = %1 × %2 = %3, a área dada</translation>
    </message>
    <message>
        <source>Perimeter = (A + B) × 2</source>
        <translation>Perímetro = (A + B) × 2</translation>
    </message>
    <message>
        <source>Area = base × height, so the one not known = Area ÷ the one known</source>
        <translation>Área = base × altura, então o comprimento desconhecido = Área ÷ o conhecido</translation>
    </message>
    <message>
        <source>So the height (or the base) is %1</source>
        <translation>Então a altura (ou a base) é %1</translation>
    </message>
    <message>
        <source>Check: base × height = %1 × %2 = %3, the area given</source>
        <translation>Verificação: base × altura = %1 × %2 = %3, a área dada</translation>
    </message>
    <message>
        <source>Perimeter = A + A + B + B, so B = (P - (A + A)) ÷ 2</source>
        <translation>Perímetro = A + A + B + B, então B = (P - (A + A)) ÷ 2</translation>
    </message>
    <message>
        <source>That leaves nothing for the two sides B: the perimeter %1 is too short for the side %2, so no rectangle has these numbers</source>
        <translation>Não sobra nada para os dois lados B: o perímetro %1 é curto demais para o lado %2, então nenhum retângulo tem esses números</translation>
    </message>
    <message>
        <source>A perimeter must be more than A + A = %1</source>
        <translation>O perímetro precisa ser maior que A + A = %1</translation>
    </message>
    <message>
        <source>The window works with B = %1</source>
        <translation>A janela trabalha com B = %1</translation>
    </message>
    <message>
        <source>The window rounds B to 4 decimal places: %1</source>
        <translation>A janela arredonda B para 4 casas decimais: %1</translation>
    </message>
    <message>
        <source>Check with B = %1: A + A + B + B = %2 + %2 + %1 + %1 = %3, the perimeter given</source>
        <translation>Verificação com B = %1: A + A + B + B = %2 + %2 + %1 + %1 = %3, o perímetro dado</translation>
    </message>
    <message>
        <source>Area = A × B = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>Área = A × B = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area of a trapezium = (A + B) × height ÷ 2</source>
        <translation>Área de um trapézio = (A + B) × altura ÷ 2</translation>
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
        <translation>As diagonais se cruzam em ângulo reto: Área = d1 × d2 ÷ 2</translation>
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
        <translation>Quadrado de lado %1, desenhado em escala, com a área %2 sombreada</translation>
    </message>
    <message>
        <source>Square with side %1, drawn to scale, its perimeter %2 drawn heavy</source>
        <translation>Quadrado de lado %1, desenhado em escala, com o perímetro %2 em traço grosso</translation>
    </message>
    <message>
        <source>Square with side %1, drawn to scale: its side is %2</source>
        <translation>Quadrado de lado %1, desenhado em escala: o lado mede %2</translation>
    </message>
    <message>
        <source>Parallelogram with sides %1 and %2, drawn to scale with side B leaning at 60°, its perimeter %3 drawn heavy. Any slant gives the same sides, so the same perimeter</source>
        <translation>Paralelogramo de lados %1 e %2, desenhado em escala com o lado B inclinado a 60°, com o perímetro %3 em traço grosso. Qualquer inclinação dá os mesmos lados, então o mesmo perímetro</translation>
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
        <translation>Paralelogramo de base %1 e altura %2, desenhado em escala e inclinado, com a altura tracejada de um canto de cima, perpendicular à base prolongada, e a área %3 sombreada. Qualquer inclinação dá a mesma base, altura e área</translation>
    </message>
    <message>
        <source>Parallelogram with base %1 and height %2, drawn to scale and slanted, the height dashed from a top corner square to the base drawn on: the other length is %3. Any slant gives the same base, height and area</source>
        <translation>Paralelogramo de base %1 e altura %2, desenhado em escala e inclinado, com a altura tracejada de um canto de cima, perpendicular à base prolongada: o outro comprimento é %3. Qualquer inclinação dá a mesma base, altura e área</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale, its area %3 shaded</source>
        <translation>Retângulo de %1 por %2, desenhado em escala, com a área %3 sombreada</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale, its perimeter %3 drawn heavy</source>
        <translation>Retângulo de %1 por %2, desenhado em escala, com o perímetro %3 em traço grosso</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale: side B is %3</source>
        <translation>Retângulo de %1 por %2, desenhado em escala: o lado B mede %3</translation>
    </message>
    <message>
        <source>The perimeter %1 beside the two sides A, %2 together: nothing is left for the sides B, so no rectangle has these numbers</source>
        <translation>O perímetro %1 ao lado dos dois lados A, que somam %2: não sobra nada para os lados B, então nenhum retângulo tem esses números</translation>
    </message>
    <message>
        <source>Trapezium with parallel sides %1 and %2 and height %3, drawn to scale with a right angle at its left side, so that side is the height, its area %4 shaded. The exercise leaves the slant of its other sides free, and every slant gives the same area</source>
        <translation>Trapézio de lados paralelos %1 e %2 e altura %3, desenhado em escala com um ângulo reto no lado esquerdo, então esse lado é a altura, com a área %4 sombreada. O exercício deixa livre a inclinação dos outros lados, e qualquer inclinação dá a mesma área</translation>
    </message>
    <message>
        <source>Quadrilateral with perpendicular diagonals %1 and %2, drawn to scale, its area %3 shaded: half the %1 by %2 rectangle around it. It is drawn as a rhombus, the diagonals crossing at their middles: the exercise leaves where they cross free</source>
        <translation>Quadrilátero com diagonais perpendiculares %1 e %2, desenhado em escala, com a área %3 sombreada: metade do retângulo de %1 por %2 em volta dele. Está desenhado como um losango, com as diagonais se cruzando no meio: o exercício deixa livre onde elas se cruzam</translation>
    </message>
    <message>
        <source>6 characters</source>
        <translation>6 caracteres</translation>
    </message>
    <message>
        <source>Each button uses only the boxes of its own frame</source>
        <translation>Cada botão usa apenas os campos do seu próprio quadro</translation>
    </message>
    <message>
        <source>Square: its side, its area or its perimeter</source>
        <translation>Quadrado: o lado, a área ou o perímetro</translation>
    </message>
    <message>
        <source>Trapezium: the parallel sides A and B and the height between them</source>
        <translation>Trapézio: os lados paralelos A e B e a altura entre eles</translation>
    </message>
    <message>
        <source>Diagonals: Height A and Height B are the two diagonals, which cross at a right angle</source>
        <translation>Diagonais: Altura A e Altura B são as duas diagonais, que se cruzam em ângulo reto</translation>
    </message>
    <message>
        <source>Rectangle: sides A and B; or side A and the area; or side A and the perimeter, which must be more than A + A</source>
        <translation>Retângulo: lados A e B; ou lado A e a área; ou lado A e o perímetro, que precisa ser maior que A + A</translation>
    </message>
    <message>
        <source>Parallelogram: base and height; or the area and the base (or the height); or sides A and B</source>
        <translation>Paralelogramo: base e altura; ou a área e a base (ou a altura); ou lados A e B</translation>
    </message>
    <message>
        <source>A trapezium with sides 3 and 5, height 4:</source>
        <translation>Um trapézio de lados 3 e 5, altura 4:</translation>
    </message>
</context>
<context>
    <name>sb::Form8</name>
    <message>
        <source>Implausible Data</source>
        <translation>Dados implausíveis</translation>
    </message>
</context>
</TS>
