<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Form9</name>
    <message>
        <source>Triangle - Areas And Perimeters</source>
        <translation>Triângulos - áreas e perímetros</translation>
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
        <translation>Fórmula de Heron para a área de um triângulo</translation>
    </message>
    <message>
        <source>Area by Heron&apos;s formula</source>
        <translation>Área pela fórmula de Heron</translation>
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
        <translation>Então a área é %1</translation>
    </message>
    <message>
        <source>Area = base × height ÷ 2, so height = (Area + Area) ÷ base</source>
        <translation>Área = base × altura ÷ 2, então altura = (Área + Área) ÷ base</translation>
    </message>
    <message>
        <source>Area = base × height ÷ 2, so base = (Area + Area) ÷ height</source>
        <translation>Área = base × altura ÷ 2, então base = (Área + Área) ÷ altura</translation>
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
        <translation>Então a altura é %1</translation>
    </message>
    <message>
        <source>So the base is %1</source>
        <translation>Então a base é %1</translation>
    </message>
    <message>
        <source>Check: base × height ÷ 2 = %1 × %2 ÷ 2 = %3, the area given</source>
        <translation>Verificação: base × altura ÷ 2 = %1 × %2 ÷ 2 = %3, a área dada</translation>
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
        <translation>Triângulo de base %1 e altura %2, área %3, desenhado em escala. O vértice de cima fica acima do meio da base: o exercício o deixa livre, e qualquer vértice assim dá a mesma área</translation>
    </message>
    <message>
        <source>%1; %2 and %3</source>
        <extracomment>the three sides of a triangle, &quot;3, 4 and 5&quot;</extracomment>
        <translation>%1; %2 e %3</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 e %3</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, longer than %4 = %5, so these sides make a triangle</source>
        <translation>Num triângulo, os dois lados menores juntos precisam ser maiores que o maior: %1 + %2 = %3, maior que %4 = %5, então esses lados formam um triângulo</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, only as long as %4 = %5. These sides lie flat along one line, so they make no triangle: only a flat one, with nothing inside</source>
        <translation>Num triângulo, os dois lados menores juntos precisam ser maiores que o maior: %1 + %2 = %3, só do mesmo tamanho que %4 = %5. Esses lados ficam deitados sobre uma mesma reta, então não formam um triângulo: só um triângulo achatado, sem nada dentro</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, shorter than %4 = %5 by %6. Side %4 is too long: the other two do not reach across it, so these sides make no triangle</source>
        <translation>Num triângulo, os dois lados menores juntos precisam ser maiores que o maior: %1 + %2 = %3, menor que %4 = %5 em %6. O lado %4 é comprido demais: os outros dois não vão de uma ponta à outra, então esses lados não formam um triângulo</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it, perimeter %2</source>
        <translation>Triângulo de lados %1, desenhado em escala sobre o lado maior: achatado, com os outros dois deitados sobre ele, perímetro %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side, perimeter %2</source>
        <translation>Triângulo de lados %1, desenhado em escala sobre o lado maior, perímetro %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it, area %2</source>
        <translation>Triângulo de lados %1, desenhado em escala sobre o lado maior: achatado, com os outros dois deitados sobre ele, área %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side, area %2</source>
        <translation>Triângulo de lados %1, desenhado em escala sobre o lado maior, área %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it</source>
        <translation>Triângulo de lados %1, desenhado em escala sobre o lado maior: achatado, com os outros dois deitados sobre ele</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side</source>
        <translation>Triângulo de lados %1, desenhado em escala sobre o lado maior</translation>
    </message>
    <message>
        <source>short by %1</source>
        <translation>faltam %1</translation>
    </message>
    <message>
        <source>Sides %1 laid end to end: the two shorter are %2 short of the longest, so they make no triangle</source>
        <translation>Lados %1 colocados um após o outro: faltam %2 aos dois menores para chegar ao maior, então eles não formam um triângulo</translation>
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
        <translation>Então o perímetro é %1</translation>
    </message>
    <message>
        <source>The perimeter is the three sides&apos; total all the same</source>
        <translation>O perímetro continua sendo a soma dos três lados</translation>
    </message>
    <message>
        <source>Heron&apos;s formula: the half perimeter s = (a + b + c) ÷ 2,</source>
        <translation>Fórmula de Heron: o semiperímetro s = (a + b + c) ÷ 2,</translation>
    </message>
    <message>
        <source>then Area = √(s(s - a)(s - b)(s - c))</source>
        <translation>depois Área = √(s(s - a)(s - b)(s - c))</translation>
    </message>
    <message>
        <source>The sides are added b + a first: %1 + %2%3%4, then %4 + %5%6%7</source>
        <extracomment>%3 and %6 are &quot; = &quot; or &quot; ≈ &quot;, %4 and %7 the results</extracomment>
        <translation>Os lados são somados primeiro b + a: %1 + %2%3%4, depois %4 + %5%6%7</translation>
    </message>
    <message>
        <source>%1 is below zero, and no number times itself is below zero: there is no area</source>
        <translation>%1 é menor que zero, e nenhum número vezes ele mesmo é menor que zero: não há área</translation>
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
        <translation>A janela arredonda a cada passo, e o produto dela ficou um pouquinho abaixo de zero em vez de %1. Abaixo de zero não há raiz quadrada, então ela deu a mensagem em vez de uma área</translation>
    </message>
    <message>
        <source>7 characters (6 in Heron&apos;s row)</source>
        <translation>7 caracteres (6 na linha de Heron)</translation>
    </message>
    <message>
        <source>Each button uses only the boxes of its own row</source>
        <translation>Cada botão usa apenas os campos da sua própria linha</translation>
    </message>
    <message>
        <source>Base and Height: Find Area. Area and Base: Find Height. Area and Height: Find Base</source>
        <translation>Base e altura: botão Área. Área e base: botão Altura. Área e altura: botão Base</translation>
    </message>
    <message>
        <source>Side A, Side B and Side C: Find Perimeter, or the area by Heron&apos;s formula</source>
        <translation>Lado A, Lado B e Lado C: botão Perímetro, ou a área pela fórmula de Heron</translation>
    </message>
    <message>
        <source>Heron&apos;s formula with the sides 3, 4 and 5:</source>
        <translation>Fórmula de Heron com os lados 3, 4 e 5:</translation>
    </message>
</context>
</TS>
