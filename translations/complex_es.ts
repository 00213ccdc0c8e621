<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ComplexNumbers</name>
    <message>
        <source>Please Set the operation [+ - * / &lt; &gt; =]!!!.</source>
        <translation>Escribe la operación [+ - * / &lt; &gt; =].</translation>
    </message>
    <message>
        <source>Complex Number two csn&apos;t be zero!!!.</source>
        <translation>El segundo número complejo no puede ser cero.</translation>
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
        <translation>Estos números son demasiado grandes para dibujarlos a escala.</translation>
    </message>
    <message>
        <source>No figure: the numbers are too large to draw to scale.</source>
        <translation>Sin figura: los números son demasiado grandes para dibujarlos a escala.</translation>
    </message>
    <message>
        <source>To add, add the real parts and add the imaginary parts: (a + bi) + (c + di) = (a + c) + (b + d)i.</source>
        <translation>Para sumar, suma las partes reales y las partes imaginarias: (a + bi) + (c + di) = (a + c) + (b + d)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their sum %3, the diagonal of the dashed parallelogram.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their sum</extracomment>
        <translation>Plano complejo: z1 = %1 y z2 = %2 como flechas; su suma %3 es la diagonal del paralelogramo de trazos.</translation>
    </message>
    <message>
        <source>To subtract, subtract the real parts and the imaginary parts: (a + bi) - (c + di) = (a - c) + (b - d)i.</source>
        <translation>Para restar, resta las partes reales y las partes imaginarias: (a + bi) - (c + di) = (a - c) + (b - d)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their difference %3, the diagonal of the dashed parallelogram.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their difference</extracomment>
        <translation>Plano complejo: z1 = %1 y z2 = %2 como flechas; su diferencia %3 es la diagonal del paralelogramo de trazos.</translation>
    </message>
    <message>
        <source>To multiply, multiply out the brackets, with i² = -1: (a + bi)(c + di) = (ac - bd) + (bc + ad)i.</source>
        <translation>Para multiplicar, desarrolla los paréntesis, con i² = -1: (a + bi)(c + di) = (ac - bd) + (bc + ad)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their product %3.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their product</extracomment>
        <translation>Plano complejo: z1 = %1 y z2 = %2 como flechas; su producto %3.</translation>
    </message>
    <message>
        <source>To divide, multiply the top and the bottom by c - di, which makes the bottom the real number c² + d²: (a + bi) ÷ (c + di) = ((ac + bd) + (bc - ad)i) ÷ (c² + d²).</source>
        <translation>Para dividir, multiplica el numerador y el denominador por c - di; así el denominador pasa a ser el número real c² + d²: (a + bi) ÷ (c + di) = ((ac + bd) + (bc - ad)i) ÷ (c² + d²).</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their quotient %3.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their quotient</extracomment>
        <translation>Plano complejo: z1 = %1 y z2 = %2 como flechas; su cociente %3.</translation>
    </message>
    <message>
        <source>Real part: %1</source>
        <extracomment>a line of the working: %1 is the calculation of the real part of the result</extracomment>
        <translation>Parte real: %1</translation>
    </message>
    <message>
        <source>Imaginary part: %1</source>
        <extracomment>a line of the working: %1 is the calculation of the imaginary part of the result</extracomment>
        <translation>Parte imaginaria: %1</translation>
    </message>
    <message>
        <source>z1 = a + bi = %1 and z2 = c + di = %2</source>
        <translation>z1 = a + bi = %1 y z2 = c + di = %2</translation>
    </message>
    <message>
        <source>Answer: R = %1 and Im = %2, that is %3</source>
        <extracomment>%1 and %2 are the answers of the window, %3 the same number written a + bi</extracomment>
        <translation>Resultado: R = %1 e Im = %2, es decir, %3</translation>
    </message>
    <message>
        <source>The powers of i repeat in fours: i⁰ = 1, i¹ = i, i² = -1, i³ = -i, and i⁴ = 1 again.</source>
        <translation>Las potencias de i se repiten de cuatro en cuatro: i⁰ = 1, i¹ = i, i² = -1, i³ = -i, y otra vez i⁴ = 1.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number. Rounded to the nearest one (a half to the even one) it gives %2, but the window divides with decimals rounded to about 16 digits: its N came out a hair below %1, so it rounds to N = %3.</source>
        <extracomment>%1 is the fraction typed, %2 the whole number nearest to it, %3 the whole number the window rounded to</extracomment>
        <translation>N = %1 no es un número entero. Redondeado al entero más cercano (un medio, hacia el par) da %2, pero la ventana divide con números decimales redondeados a unas 16 cifras: su N quedó un poquito por debajo de %1, así que se redondea a N = %3.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number. Rounded to the nearest one (a half to the even one) it gives %2, but the window divides with decimals rounded to about 16 digits: its N came out a hair above %1, so it rounds to N = %3.</source>
        <extracomment>%1 is the fraction typed, %2 the whole number nearest to it, %3 the whole number the window rounded to</extracomment>
        <translation>N = %1 no es un número entero. Redondeado al entero más cercano (un medio, hacia el par) da %2, pero la ventana divide con números decimales redondeados a unas 16 cifras: su N quedó un poquito por encima de %1, así que se redondea a N = %3.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number: it is rounded to the nearest one (a half to the even one), N = %2.</source>
        <translation>N = %1 no es un número entero: se redondea al entero más cercano (un medio, hacia el par), N = %2.</translation>
    </message>
    <message>
        <source>N = %1 is rounded to the nearest whole number (a half to the even one), N = %2.</source>
        <translation>N = %1 se redondea al entero más cercano (un medio, hacia el par), N = %2.</translation>
    </message>
    <message>
        <source>Take away fours: %1 = 4 × %2 + %3, so i%4 = i%5</source>
        <extracomment>%1 = 4 × %2 + %3 writes N with its fours taken away; i%4 is i to the power N, i%5 to the power left over</extracomment>
        <translation>Quita grupos de cuatro: %1 = 4 × %2 + %3, así que i%4 = i%5</translation>
    </message>
    <message>
        <source>Take away fours: %1 = 4 × %2 + %3</source>
        <translation>Quita grupos de cuatro: %1 = 4 × %2 + %3</translation>
    </message>
    <message>
        <source>Answer: i%1 = %2</source>
        <extracomment>i%1 is i to the power N, %2 the answer</extracomment>
        <translation>Resultado: i%1 = %2</translation>
    </message>
    <message>
        <source>Unit circle with the powers 1, i, -1 and -i; i%1 = %2, %3 quarter turns on from 1.</source>
        <extracomment>i%1 is i to the power N, %2 the answer, %3 the number of quarter turns (0 to 3)</extracomment>
        <translation>Circunferencia unidad con las potencias 1, i, -1 y -i; i%1 = %2, a %3 cuartos de vuelta de 1.</translation>
    </message>
    <message>
        <source>Its polar form is r × (cos θ + i sin θ): r = √(x² + y²) is the length of its arrow, θ its angle from the positive real axis. The window writes it Root(x² + y²)*Cos(θ) + Root(x² + y²)*i*Sin(θ), θ in degrees.</source>
        <translation>Su forma polar es r × (cos θ + i sin θ): r = √(x² + y²) es la longitud de su flecha, y θ, su ángulo con el semieje real positivo. La ventana la escribe Root(x² + y²)*Cos(θ) + Root(x² + y²)*i*Sin(θ), con θ en grados.</translation>
    </message>
    <message>
        <source>%1, the length of the arrow</source>
        <extracomment>%1 is the calculation of r</extracomment>
        <translation>%1, la longitud de la flecha</translation>
    </message>
    <message>
        <source>r = %1 = %2, the length of the arrow</source>
        <translation>r = %1 = %2, la longitud de la flecha</translation>
    </message>
    <message>
        <source>x = 0 and y is more than 0: the arrow points straight up, so the angle is 90°.</source>
        <translation>x = 0 y el valor de y es mayor que 0: la flecha apunta recto hacia arriba, así que el ángulo es 90°.</translation>
    </message>
    <message>
        <source>x = 0 and y is less than 0: the arrow points straight down, so the angle is -90°.</source>
        <translation>x = 0 y el valor de y es menor que 0: la flecha apunta recto hacia abajo, así que el ángulo es -90°.</translation>
    </message>
    <message>
        <source>z is 0: it points nowhere, and its angle is taken as 0°.</source>
        <translation>z es 0: no apunta en ninguna dirección, y su ángulo se toma como 0°.</translation>
    </message>
    <message>
        <source>The angle: arctan(y ÷ x) = arctan(%1 ÷ %2) = %3°</source>
        <translation>El ángulo: arctan(y ÷ x) = arctan(%1 ÷ %2) = %3°</translation>
    </message>
    <message>
        <source>x is less than 0, so the arrow points left: turn by half a circle, %1 %2 180 = %3°</source>
        <extracomment>%1 %2 180 = %3° is the calculation: the arctangent, + or -, 180, the angle</extracomment>
        <translation>x es menor que 0, así que la flecha apunta a la izquierda: gira media vuelta, %1 %2 180 = %3°</translation>
    </message>
    <message>
        <source>Rounded to 2 places: %1°</source>
        <translation>Redondeado a 2 decimales: %1°</translation>
    </message>
    <message>
        <source>-180° points the same way as 180°, so the angle is 180°.</source>
        <translation>-180° apunta en la misma dirección que 180°, así que el ángulo es 180°.</translation>
    </message>
    <message>
        <source>Answer: %1, that is %2</source>
        <extracomment>%1 is the window&apos;s answer, %2 the same number as a textbook writes it</extracomment>
        <translation>Resultado: %1, es decir, %2</translation>
    </message>
    <message>
        <source>Answer: %1, that is about %2, the angle rounded to 2 places</source>
        <translation>Resultado: %1, es decir, aproximadamente %2, con el ángulo redondeado a 2 decimales</translation>
    </message>
    <message>
        <source>Check: %1 and %2 are %3 and %4, so %5 × (%6) = %7</source>
        <extracomment>%1 and %2 are cos and sin of the angle, %3 and %4 their values; %5 × (%6) = %7 multiplies r out to give the number again</extracomment>
        <translation>Comprobación: %1 y %2 valen %3 y %4, así que %5 × (%6) = %7</translation>
    </message>
    <message>
        <source>Argand diagram: the arrow to %1, of length %2, at %3° from the positive real axis.</source>
        <extracomment>%1 is the number, %2 the length of its arrow, %3 its angle</extracomment>
        <translation>Plano complejo: la flecha hasta %1, de longitud %2, a %3° del semieje real positivo.</translation>
    </message>
    <message>
        <source>R and Im: the real part a and the imaginary part b of a number a + bi, each %1.</source>
        <extracomment>%1 tells the forms a value may take: a decimal, a fraction, ...</extracomment>
        <translation>R e Im: la parte real a y la parte imaginaria b de un número a + bi, cada una %1.</translation>
    </message>
    <message>
        <source>Operation: one of + - * / on its own, with no blanks.</source>
        <extracomment>&quot;Operation&quot; is the box&apos;s label in the window</extracomment>
        <translation>Operación: uno de los signos + - * / solo, sin espacios.</translation>
    </message>
    <message>
        <source>N: the power of i, a number; it is rounded to a whole number.</source>
        <translation>N: el exponente de i, un número; se redondea a un número entero.</translation>
    </message>
    <message>
        <source>To Polar: R and Im of one number.</source>
        <translation>A polar: R e Im de un solo número.</translation>
    </message>
</context>
<context>
    <name>Form13</name>
    <message>
        <source>Operations [ + - * / ] On Complex Numbers</source>
        <translation>Operaciones [ + - * / ] con números complejos</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Example: (3-2*i) + (6+4*i) =&gt; &lt;3,-2&gt; + &lt;6,4&gt;   Is :   &lt;9,2&gt;</source>
        <extracomment>the numbers and the formulas stay as they are; only &quot;Example&quot; and &quot;Is&quot; are words</extracomment>
        <translation>Ejemplo: (3-2*i) + (6+4*i) =&gt; &lt;3,-2&gt; + &lt;6,4&gt;   Resultado:   &lt;9,2&gt;</translation>
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
        <translation>Forma polar</translation>
    </message>
    <message>
        <source>To Polar</source>
        <translation>A polar</translation>
    </message>
    <message>
        <source>Example: 1+i =&gt; &lt;1,1&gt;   Is :   Root(2)*cos(45) + Root(2)*i*sin (45)</source>
        <extracomment>the numbers and the formulas stay as they are; only &quot;Example&quot; and &quot;Is&quot; are words</extracomment>
        <translation>Ejemplo: 1+i =&gt; &lt;1,1&gt;   Resultado:   Root(2)*cos(45) + Root(2)*i*sin (45)</translation>
    </message>
    <message>
        <source>Complex Numbers</source>
        <translation>Números complejos</translation>
    </message>
</context>
</TS>
