<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Form2</name>
    <message>
        <source>Solving Quadratic Equation</source>
        <translation>Resolver una ecuación de segundo grado</translation>
    </message>
    <message>
        <source>The Quadratix Equation Formula :</source>
        <translation>La fórmula general:</translation>
    </message>
    <message>
        <source>-B +- Root(B^2 - 4*A*c)</source>
        <extracomment>the top of the formula: keep everything but the word Root</extracomment>
        <translation>-B +- Raíz(B^2 - 4*A*c)</translation>
    </message>
    <message>
        <source>Fill In The Value Of   A , B And C</source>
        <translation>Escribe los valores de A, B y C</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Example :  -3*X^2   +   6*X   -   2 = 0</source>
        <translation>Ejemplo:  -3*X^2   +   6*X   -   2 = 0</translation>
    </message>
    <message>
        <source>Solutions :</source>
        <translation>Soluciones:</translation>
    </message>
    <message>
        <source>X1 and X2 equal minus B, plus or minus the square root of B squared minus 4 times A times C, all divided by 2 times A</source>
        <translation>X1 y X2 son igual a menos B, más o menos la raíz cuadrada de B al cuadrado menos 4 por A por C, todo dividido entre 2 por A</translation>
    </message>
</context>
<context>
    <name>QuadraticWorking</name>
    <message>
        <source>You typed %1 for %2, which is %3. The box keeps 5 characters, so it shows %4, and %2 = %5.</source>
        <extracomment>%1 is the text typed, %2 the letter of the box (A, B or C), %3 the number it is, %4 what the box shows, %5 the value solved with</extracomment>
        <translation>Escribiste %1 para %2, que es %3. La casilla guarda 5 caracteres, así que muestra %4, y %2 = %5.</translation>
    </message>
    <message>
        <source>You typed %1 for %2, which is %3.</source>
        <extracomment>%1 is the text typed, %2 the letter of the box (A, B or C), %3 what the box shows</extracomment>
        <translation>Escribiste %1 para %2, que es %3.</translation>
    </message>
    <message>
        <source>Check %1 = %2: %3 = %4</source>
        <translation>Comprobación para %1 = %2: %3 = %4</translation>
    </message>
    <message>
        <source>Check %1 = %2: %3 = %4 = %5</source>
        <translation>Comprobación para %1 = %2: %3 = %4 = %5</translation>
    </message>
    <message>
        <source>Check %1 = %2: %1² = (%2)² = %3</source>
        <translation>Comprobación para %1 = %2: %1² = (%2)² = %3</translation>
    </message>
    <message>
        <source>So Ax² + Bx + C = %1 = %2 = %3</source>
        <translation>Así, Ax² + Bx + C = %1 = %2 = %3</translation>
    </message>
    <message>
        <source>With the decimals the window works with: %1 = (%2 %3 %4) ÷ %5 = %6</source>
        <translation>Con los números decimales con los que calcula la ventana: %1 = (%2 %3 %4) ÷ %5 = %6</translation>
    </message>
    <message>
        <source>lowest point</source>
        <extracomment>the label at the vertex of the parabola in the figure</extracomment>
        <translation>punto más bajo</translation>
    </message>
    <message>
        <source>highest point</source>
        <translation>punto más alto</translation>
    </message>
    <message>
        <source>These numbers are too large or too small to draw to scale.</source>
        <translation>Estos números son demasiado grandes o demasiado pequeños para dibujarlos a escala.</translation>
    </message>
    <message>
        <source>No figure: the numbers are beyond drawing to scale.</source>
        <translation>Sin figura: los números no se pueden dibujar a escala.</translation>
    </message>
    <message>
        <source>Parabola clear of the x-axis, so no real root, lowest point %1.</source>
        <translation>Parábola que no toca el eje x, así que no hay solución real; punto más bajo %1.</translation>
    </message>
    <message>
        <source>Parabola clear of the x-axis, so no real root, highest point %1.</source>
        <translation>Parábola que no toca el eje x, así que no hay solución real; punto más alto %1.</translation>
    </message>
    <message>
        <source>Parabola touching the x-axis at %1, lowest point %2.</source>
        <extracomment>%1 is where it touches, %2 the vertex (x, y)</extracomment>
        <translation>Parábola que toca el eje x en %1; punto más bajo %2.</translation>
    </message>
    <message>
        <source>Parabola touching the x-axis at %1, highest point %2.</source>
        <translation>Parábola que toca el eje x en %1; punto más alto %2.</translation>
    </message>
    <message>
        <source>Parabola crossing the x-axis at %1 and %2, lowest point %3.</source>
        <extracomment>%1 and %2 are the roots, %3 the vertex (x, y)</extracomment>
        <translation>Parábola que corta el eje x en %1 y %2; punto más bajo %3.</translation>
    </message>
    <message>
        <source>Parabola crossing the x-axis at %1 and %2, highest point %3.</source>
        <translation>Parábola que corta el eje x en %1 y %2; punto más alto %3.</translation>
    </message>
    <message>
        <source>Answer: X1 = %1 and X2 = %2</source>
        <translation>Resultado: X1 = %1 y X2 = %2</translation>
    </message>
    <message>
        <source>Put into the equation, the window&apos;s decimals give a number very near 0 but not exactly 0: they are the roots rounded to 15 digits.</source>
        <translation>Sustituidos en la ecuación, los números decimales de la ventana dan un número muy cercano a 0, pero no exactamente 0: son las soluciones redondeadas a 15 cifras.</translation>
    </message>
    <message>
        <source>Beyond the real numbers, with i where i² = -1, the two roots are complex: x = p ± qi.</source>
        <translation>Fuera de los números reales, con i tal que i² = -1, las dos soluciones son números complejos: x = p ± qi.</translation>
    </message>
    <message>
        <source>The complex roots: x1 ≈ %1 + %2i and x2 ≈ %1 - %2i</source>
        <translation>Las soluciones complejas: x1 ≈ %1 + %2i y x2 ≈ %1 - %2i</translation>
    </message>
    <message>
        <source>The complex roots: x1 = %1 and x2 = %2</source>
        <translation>Las soluciones complejas: x1 = %1 y x2 = %2</translation>
    </message>
    <message>
        <source>The equation: %1 = 0</source>
        <translation>La ecuación: %1 = 0</translation>
    </message>
    <message>
        <source>The formula: x = (-B ± √D) ÷ (2A), where D = B² - 4AC.</source>
        <translation>La fórmula: x = (-B ± √D) ÷ (2A), donde D = B² - 4AC.</translation>
    </message>
    <message>
        <source>D is more than 0, so the equation has two roots.</source>
        <translation>D es mayor que 0, así que la ecuación tiene dos soluciones.</translation>
    </message>
    <message>
        <source>D is 0, so the two roots are the same: the equation has one root.</source>
        <translation>D es 0, así que las dos soluciones son iguales: la ecuación tiene una sola solución.</translation>
    </message>
    <message>
        <source>D is less than 0. No real number squared is negative, so √D is no real number: the equation has no real solution.</source>
        <translation>D es menor que 0. El cuadrado de un número real nunca es negativo, así que √D no es un número real: la ecuación no tiene solución real.</translation>
    </message>
    <message>
        <source>The window works with decimals rounded at every step: its D came out %1 instead of exactly %2, so it shows &quot;%3&quot;.</source>
        <extracomment>%1 is the window&apos;s D, %2 the exact D, %3 the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>La ventana calcula con números decimales redondeados en cada paso: su D dio %1 en lugar de exactamente %2, así que muestra «%3».</translation>
    </message>
    <message>
        <source>The window works with decimals rounded at every step: its D came out %1 instead of exactly %2, so it shows two roots.</source>
        <translation>La ventana calcula con números decimales redondeados en cada paso: su D dio %1 en lugar de exactamente %2, así que muestra dos soluciones.</translation>
    </message>
    <message>
        <source>Answer: X1 and X2 show &quot;%1&quot;</source>
        <extracomment>%1 is the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>Resultado: X1 y X2 muestran «%1»</translation>
    </message>
    <message>
        <source>Answer: X1 and X2 show &quot;%1&quot;: the equation has no real solution.</source>
        <extracomment>%1 is the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>Resultado: X1 y X2 muestran «%1»: la ecuación no tiene solución real.</translation>
    </message>
    <message>
        <source>Straight line y = %1 crossing the x-axis at %2.</source>
        <translation>Recta y = %1 que corta el eje x en %2.</translation>
    </message>
    <message>
        <source>Straight line y = %1 beside the x-axis: it never meets it.</source>
        <translation>Recta y = %1 paralela al eje x: nunca lo corta.</translation>
    </message>
    <message>
        <source>The line y = 0 is the x-axis itself: every x is a root.</source>
        <translation>La recta y = 0 es el propio eje x: todo x es solución.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <translation>La ventana dijo: «%1»</translation>
    </message>
    <message>
        <source>A = 0, so there is no x² term: this is no quadratic equation, and the window gives no roots. What is left is the linear equation Bx + C = 0.</source>
        <translation>A = 0, así que no hay término en x²: no es una ecuación de segundo grado y la ventana no da soluciones. Queda la ecuación de primer grado Bx + C = 0.</translation>
    </message>
    <message>
        <source>B = 0 as well, so the left side is %1 whatever x is, and %1 is not 0: no x solves the equation.</source>
        <translation>También B = 0, así que el lado izquierdo vale %1 para cualquier x, y %1 no es 0: ningún x resuelve la ecuación.</translation>
    </message>
    <message>
        <source>B = 0 and C = 0 as well, so the left side is 0 whatever x is: every x solves the equation.</source>
        <translation>También B = 0 y C = 0, así que el lado izquierdo vale 0 para cualquier x: todo x resuelve la ecuación.</translation>
    </message>
    <message>
        <source>Take C to the other side: %1x = %2</source>
        <extracomment>%1x is B times x (B left out when it is 1, &quot;-&quot; when it is -1), %2 is -C</extracomment>
        <translation>Pasa C al otro lado: %1x = %2</translation>
    </message>
    <message>
        <source>Divide by B: x = -C ÷ B = %1 ÷ %2 = %3</source>
        <translation>Divide entre B: x = -C ÷ B = %1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>Check: %1 × %2%3 = %4 = 0</source>
        <extracomment>%1 × %2%3 is B × x + C, %4 its terms added</extracomment>
        <translation>Comprobación: %1 × %2%3 = %4 = 0</translation>
    </message>
    <message>
        <source>A, B and C: the numbers of Ax² + Bx + C = 0, each %1.</source>
        <extracomment>%1 says what a value may be written as (a number, a fraction ...)</extracomment>
        <translation>A, B y C: los números de Ax² + Bx + C = 0, cada uno puede ser %1.</translation>
    </message>
    <message>
        <source>A must not be 0: without x² it is no quadratic equation.</source>
        <translation>A no puede ser 0: sin x² no es una ecuación de segundo grado.</translation>
    </message>
    <message>
        <source>Each box keeps 5 characters: a longer number is cut (1/3 becomes %1), and the cut number is the one solved with.</source>
        <translation>Cada casilla guarda 5 caracteres: un número más largo se corta (1/3 pasa a ser %1), y se resuelve con el número cortado.</translation>
    </message>
</context>
<context>
    <name>sb::Form2</name>
    <message>
        <source>It Sould Be Quadratix Equation So A Value Must Not Be Zero </source>
        <translation>Debe ser una ecuación de segundo grado, así que A no puede ser 0.</translation>
    </message>
    <message>
        <source>No Solution</source>
        <translation>Sin solución</translation>
    </message>
</context>
</TS>
