<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ComplexNumbers</name>
    <message>
        <source>Please Set the operation [+ - * / &lt; &gt; =]!!!.</source>
        <translation>Digite a operação [+ - * / &lt; &gt; =].</translation>
    </message>
    <message>
        <source>Complex Number two csn&apos;t be zero!!!.</source>
        <translation>O segundo número complexo não pode ser zero.</translation>
    </message>
</context>
<context>
    <name>ComplexWorking</name>
    <message>
        <source>Re</source>
        <extracomment>the name of the real axis of an Argand diagram, as short as &quot;Re&quot;</extracomment>
        <translation>Re</translation>
    </message>
    <message>
        <source>Im</source>
        <extracomment>the name of the imaginary axis of an Argand diagram, as short as &quot;Im&quot;</extracomment>
        <translation>Im</translation>
    </message>
    <message>
        <source>These numbers are too large to draw to scale.</source>
        <translation>Esses números são grandes demais para desenhar em escala.</translation>
    </message>
    <message>
        <source>No figure: the numbers are too large to draw to scale.</source>
        <translation>Sem figura: os números são grandes demais para desenhar em escala.</translation>
    </message>
    <message>
        <source>To add, add the real parts and add the imaginary parts: (a + bi) + (c + di) = (a + c) + (b + d)i.</source>
        <translation>Para somar, some as partes reais e as partes imaginárias: (a + bi) + (c + di) = (a + c) + (b + d)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their sum %3, the diagonal of the dashed parallelogram.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their sum</extracomment>
        <translation>Plano de Argand-Gauss: z1 = %1 e z2 = %2 como setas; a soma %3 é a diagonal do paralelogramo tracejado.</translation>
    </message>
    <message>
        <source>To subtract, subtract the real parts and the imaginary parts: (a + bi) - (c + di) = (a - c) + (b - d)i.</source>
        <translation>Para subtrair, subtraia as partes reais e as partes imaginárias: (a + bi) - (c + di) = (a - c) + (b - d)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their difference %3, the diagonal of the dashed parallelogram.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their difference</extracomment>
        <translation>Plano de Argand-Gauss: z1 = %1 e z2 = %2 como setas; a diferença %3 é a diagonal do paralelogramo tracejado.</translation>
    </message>
    <message>
        <source>To multiply, multiply out the brackets, with i² = -1: (a + bi)(c + di) = (ac - bd) + (bc + ad)i.</source>
        <translation>Para multiplicar, aplique a distributiva nos parênteses, com i² = -1: (a + bi)(c + di) = (ac - bd) + (bc + ad)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their product %3.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their product</extracomment>
        <translation>Plano de Argand-Gauss: z1 = %1 e z2 = %2 como setas; o produto %3.</translation>
    </message>
    <message>
        <source>To divide, multiply the top and the bottom by c - di, which makes the bottom the real number c² + d²: (a + bi) ÷ (c + di) = ((ac + bd) + (bc - ad)i) ÷ (c² + d²).</source>
        <translation>Para dividir, multiplique o numerador e o denominador por c - di; assim o denominador vira o número real c² + d²: (a + bi) ÷ (c + di) = ((ac + bd) + (bc - ad)i) ÷ (c² + d²).</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their quotient %3.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their quotient</extracomment>
        <translation>Plano de Argand-Gauss: z1 = %1 e z2 = %2 como setas; o quociente %3.</translation>
    </message>
    <message>
        <source>Real part: %1</source>
        <extracomment>a line of the working: %1 is the calculation of the real part of the result</extracomment>
        <translation>Parte real: %1</translation>
    </message>
    <message>
        <source>Imaginary part: %1</source>
        <extracomment>a line of the working: %1 is the calculation of the imaginary part of the result</extracomment>
        <translation>Parte imaginária: %1</translation>
    </message>
    <message>
        <source>z1 = a + bi = %1 and z2 = c + di = %2</source>
        <translation>z1 = a + bi = %1 e z2 = c + di = %2</translation>
    </message>
    <message>
        <source>Answer: R = %1 and Im = %2, that is %3</source>
        <extracomment>%1 and %2 are the answers of the window, %3 the same number written a + bi</extracomment>
        <translation>Resultado: R = %1 e Im = %2, ou seja, %3</translation>
    </message>
    <message>
        <source>The powers of i repeat in fours: i⁰ = 1, i¹ = i, i² = -1, i³ = -i, and i⁴ = 1 again.</source>
        <translation>As potências de i se repetem de quatro em quatro: i⁰ = 1, i¹ = i, i² = -1, i³ = -i, e de novo i⁴ = 1.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number. Rounded to the nearest one (a half to the even one) it gives %2, but the window divides with decimals rounded to about 16 digits: its N came out a hair below %1, so it rounds to N = %3.</source>
        <extracomment>%1 is the fraction typed, %2 the whole number nearest to it, %3 the whole number the window rounded to</extracomment>
        <translation>N = %1 não é um número inteiro. Arredondado para o inteiro mais próximo (meio vai para o par), dá %2, mas a janela divide com números decimais arredondados a cerca de 16 algarismos: o N dela ficou um pouquinho abaixo de %1, então é arredondado para N = %3.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number. Rounded to the nearest one (a half to the even one) it gives %2, but the window divides with decimals rounded to about 16 digits: its N came out a hair above %1, so it rounds to N = %3.</source>
        <extracomment>%1 is the fraction typed, %2 the whole number nearest to it, %3 the whole number the window rounded to</extracomment>
        <translation>N = %1 não é um número inteiro. Arredondado para o inteiro mais próximo (meio vai para o par), dá %2, mas a janela divide com números decimais arredondados a cerca de 16 algarismos: o N dela ficou um pouquinho acima de %1, então é arredondado para N = %3.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number: it is rounded to the nearest one (a half to the even one), N = %2.</source>
        <translation>N = %1 não é um número inteiro: é arredondado para o inteiro mais próximo (meio vai para o par), N = %2.</translation>
    </message>
    <message>
        <source>N = %1 is rounded to the nearest whole number (a half to the even one), N = %2.</source>
        <translation>N = %1 é arredondado para o inteiro mais próximo (meio vai para o par), N = %2.</translation>
    </message>
    <message>
        <source>Take away fours: %1 = 4 × %2 + %3, so i%4 = i%5</source>
        <extracomment>%1 = 4 × %2 + %3 writes N with its fours taken away; i%4 is i to the power N, i%5 to the power left over</extracomment>
        <translation>Tire grupos de quatro: %1 = 4 × %2 + %3, então i%4 = i%5</translation>
    </message>
    <message>
        <source>Take away fours: %1 = 4 × %2 + %3</source>
        <translation>Tire grupos de quatro: %1 = 4 × %2 + %3</translation>
    </message>
    <message>
        <source>Answer: i%1 = %2</source>
        <extracomment>i%1 is i to the power N, %2 the answer</extracomment>
        <translation>Resultado: i%1 = %2</translation>
    </message>
    <message>
        <source>Unit circle with the powers 1, i, -1 and -i; i%1 = %2, %3 quarter turns on from 1.</source>
        <extracomment>i%1 is i to the power N, %2 the answer, %3 the number of quarter turns (0 to 3)</extracomment>
        <translation>Circunferência unitária com as potências 1, i, -1 e -i; i%1 = %2, a %3 quartos de volta de 1.</translation>
    </message>
    <message>
        <source>Its polar form is r × (cos θ + i sin θ): r = √(x² + y²) is the length of its arrow, θ its angle from the positive real axis. The window writes it Root(x² + y²)*Cos(θ) + Root(x² + y²)*i*Sin(θ), θ in degrees.</source>
        <translation>Sua forma trigonométrica é r × (cos θ + i sin θ): r = √(x² + y²) é o comprimento da sua seta, e θ, o ângulo com o semieixo real positivo. A janela escreve Root(x² + y²)*Cos(θ) + Root(x² + y²)*i*Sin(θ), com θ em graus.</translation>
    </message>
    <message>
        <source>%1, the length of the arrow</source>
        <extracomment>%1 is the calculation of r</extracomment>
        <translation>%1, o comprimento da seta</translation>
    </message>
    <message>
        <source>r = %1 = %2, the length of the arrow</source>
        <translation>r = %1 = %2, o comprimento da seta</translation>
    </message>
    <message>
        <source>x = 0 and y is more than 0: the arrow points straight up, so the angle is 90°.</source>
        <translation>x = 0 e y é maior que 0: a seta aponta reto para cima, então o ângulo é 90°.</translation>
    </message>
    <message>
        <source>x = 0 and y is less than 0: the arrow points straight down, so the angle is -90°.</source>
        <translation>x = 0 e y é menor que 0: a seta aponta reto para baixo, então o ângulo é -90°.</translation>
    </message>
    <message>
        <source>z is 0: it points nowhere, and its angle is taken as 0°.</source>
        <translation>z é 0: não aponta em nenhuma direção, e seu ângulo é considerado 0°.</translation>
    </message>
    <message>
        <source>The angle: arctan(y ÷ x) = arctan(%1 ÷ %2) = %3°</source>
        <translation>O ângulo: arctan(y ÷ x) = arctan(%1 ÷ %2) = %3°</translation>
    </message>
    <message>
        <source>x is less than 0, so the arrow points left: turn by half a circle, %1 %2 180 = %3°</source>
        <extracomment>%1 %2 180 = %3° is the calculation: the arctangent, + or -, 180, the angle</extracomment>
        <translation>x é menor que 0, então a seta aponta para a esquerda: gire meia volta, %1 %2 180 = %3°</translation>
    </message>
    <message>
        <source>Rounded to 2 places: %1°</source>
        <translation>Arredondado para 2 casas decimais: %1°</translation>
    </message>
    <message>
        <source>-180° points the same way as 180°, so the angle is 180°.</source>
        <translation>-180° aponta na mesma direção que 180°, então o ângulo é 180°.</translation>
    </message>
    <message>
        <source>Answer: %1, that is %2</source>
        <extracomment>%1 is the window&apos;s answer, %2 the same number as a textbook writes it</extracomment>
        <translation>Resultado: %1, ou seja, %2</translation>
    </message>
    <message>
        <source>Answer: %1, that is about %2, the angle rounded to 2 places</source>
        <translation>Resultado: %1, ou seja, aproximadamente %2, com o ângulo arredondado para 2 casas decimais</translation>
    </message>
    <message>
        <source>Check: %1 and %2 are %3 and %4, so %5 × (%6) = %7</source>
        <extracomment>%1 and %2 are cos and sin of the angle, %3 and %4 their values; %5 × (%6) = %7 multiplies r out to give the number again</extracomment>
        <translation>Verificação: %1 e %2 valem %3 e %4, então %5 × (%6) = %7</translation>
    </message>
    <message>
        <source>Argand diagram: the arrow to %1, of length %2, at %3° from the positive real axis.</source>
        <extracomment>%1 is the number, %2 the length of its arrow, %3 its angle</extracomment>
        <translation>Plano de Argand-Gauss: a seta até %1, de comprimento %2, a %3° do semieixo real positivo.</translation>
    </message>
    <message>
        <source>R and Im: the real part a and the imaginary part b of a number a + bi, each %1.</source>
        <extracomment>%1 tells the forms a value may take: a decimal, a fraction, ...</extracomment>
        <translation>R e Im: a parte real a e a parte imaginária b de um número a + bi, cada uma %1.</translation>
    </message>
    <message>
        <source>Operation: one of + - * / on its own, with no blanks.</source>
        <extracomment>&quot;Operation&quot; is the box&apos;s label in the window</extracomment>
        <translation>Operação: um dos sinais + - * / sozinho, sem espaços.</translation>
    </message>
    <message>
        <source>N: the power of i, a number; it is rounded to a whole number.</source>
        <translation>N: o expoente de i, um número; ele é arredondado para um número inteiro.</translation>
    </message>
    <message>
        <source>To Polar: R and Im of one number.</source>
        <translation>Converter: R e Im de um único número.</translation>
    </message>
</context>
<context>
    <name>Form13</name>
    <message>
        <source>Operations [ + - * / ] On Complex Numbers</source>
        <translation>Operações [ + - * / ] com números complexos</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operação</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Example: (3-2*i) + (6+4*i) =&gt; &lt;3,-2&gt; + &lt;6,4&gt;   Is :   &lt;9,2&gt;</source>
        <extracomment>the numbers and the formulas stay as they are; only &quot;Example&quot; and &quot;Is&quot; are words</extracomment>
        <translation>Exemplo: (3-2*i) + (6+4*i) =&gt; &lt;3,-2&gt; + &lt;6,4&gt;   Resultado:   &lt;9,2&gt;</translation>
    </message>
    <message>
        <source>Solving I power N</source>
        <translation>Cálculo de i elevado a N</translation>
    </message>
    <message>
        <source>i power N</source>
        <translation>i elevado a N</translation>
    </message>
    <message>
        <source>Polar Representation</source>
        <translation>Forma trigonométrica</translation>
    </message>
    <message>
        <source>To Polar</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Example: 1+i =&gt; &lt;1,1&gt;   Is :   Root(2)*cos(45) + Root(2)*i*sin (45)</source>
        <extracomment>the numbers and the formulas stay as they are; only &quot;Example&quot; and &quot;Is&quot; are words</extracomment>
        <translation>Exemplo: 1+i =&gt; &lt;1,1&gt;   Resultado:   Root(2)*cos(45) + Root(2)*i*sin (45)</translation>
    </message>
    <message>
        <source>Complex Numbers</source>
        <translation>Números complexos</translation>
    </message>
</context>
</TS>
