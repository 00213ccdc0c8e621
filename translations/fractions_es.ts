<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Form4</name>
    <message>
        <source>Operators On Fractions</source>
        <translation>Operaciones con fracciones</translation>
    </message>
    <message>
        <source>Fraction 1</source>
        <translation>Fracción 1</translation>
    </message>
    <message>
        <source>Fraction 1 whole number</source>
        <translation>Fracción 1, parte entera</translation>
    </message>
    <message>
        <source>Fraction 1 numerator</source>
        <translation>Fracción 1, numerador</translation>
    </message>
    <message>
        <source>Fraction 1 denominator</source>
        <translation>Fracción 1, denominador</translation>
    </message>
    <message>
        <source>The Operator</source>
        <translation>El operador</translation>
    </message>
    <message>
        <source>Fraction 2</source>
        <translation>Fracción 2</translation>
    </message>
    <message>
        <source>Fraction 2 whole number</source>
        <translation>Fracción 2, parte entera</translation>
    </message>
    <message>
        <source>Fraction 2 numerator</source>
        <translation>Fracción 2, numerador</translation>
    </message>
    <message>
        <source>Fraction 2 denominator</source>
        <translation>Fracción 2, denominador</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Result whole number</source>
        <translation>Resultado, parte entera</translation>
    </message>
    <message>
        <source>Result numerator</source>
        <translation>Resultado, numerador</translation>
    </message>
    <message>
        <source>Result denominator</source>
        <translation>Resultado, denominador</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparación</translation>
    </message>
    <message>
        <source>Common Denominator</source>
        <translation>Denominador común</translation>
    </message>
    <message>
        <source>Make Common Denominator</source>
        <translation>Hallar el denominador común</translation>
    </message>
    <message>
        <source>Common Denominator Result</source>
        <translation>Denominador común, resultado</translation>
    </message>
    <message>
        <source>Reduction</source>
        <translation>Simplificar</translation>
    </message>
    <message>
        <source>Reduction numerator</source>
        <translation>Simplificación, numerador</translation>
    </message>
    <message>
        <source>Reduction denominator</source>
        <translation>Simplificación, denominador</translation>
    </message>
    <message>
        <source>Reduction Result numerator</source>
        <translation>Simplificación, resultado, numerador</translation>
    </message>
    <message>
        <source>Reduction Result denominator</source>
        <translation>Simplificación, resultado, denominador</translation>
    </message>
</context>
<context>
    <name>FractionsWorking</name>
    <message>
        <source>The bars of %1 are not cut: %2 is not a whole number of parts</source>
        <extracomment>%1 is what the bars show (a fraction), %2 how many equal pieces a bar is cut into</extracomment>
        <translation>Las barras de %1 no están divididas: %2 no es un número entero de partes</translation>
    </message>
    <message>
        <source>The %1 bars of %2 are drawn as one length, without their parts: too many to tell apart</source>
        <extracomment>%1 is how many bars there are, %2 what they show (a fraction)</extracomment>
        <translation>Las %1 barras de %2 se dibujan como una sola longitud, sin sus partes: son demasiadas para distinguirlas</translation>
    </message>
    <message>
        <source>The bars of %1 are not cut into their %2 parts: too many to tell apart</source>
        <extracomment>%1 is what the bars show (a fraction), %2 how many equal pieces a bar is cut into</extracomment>
        <translation>Las barras de %1 no se dividen en sus %2 partes: son demasiadas para distinguirlas</translation>
    </message>
    <message>
        <source>The numbers are too large to draw.</source>
        <translation>Los números son demasiado grandes para dibujarlos.</translation>
    </message>
    <message>
        <source>Number Can&apos;t Be Zero!!!</source>
        <translation>¡El número no puede ser cero!</translation>
    </message>
    <message>
        <source>Please Set the operation [+ - * / &lt; &gt; =]!!!.</source>
        <translation>Escribe una operación [+ - * / &lt; &gt; =].</translation>
    </message>
    <message>
        <source>Fraction 2 Can&apos;t be equals to zero </source>
        <translation>La fracción 2 no puede ser igual a cero.</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Verdadero</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a mixed number: %1 is its whole number, %2 its fraction (&quot;4 and 1/6&quot;)</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>The whole part is %1; it is taken as the whole number %2</source>
        <translation>La parte entera es %1; se toma como el número entero %2</translation>
    </message>
    <message>
        <source>The numerator is %1; it is taken as the whole number %2</source>
        <translation>El numerador es %1; se toma como el número entero %2</translation>
    </message>
    <message>
        <source>The denominator is %1; it is taken as the whole number %2</source>
        <translation>El denominador es %1; se toma como el número entero %2</translation>
    </message>
    <message>
        <source>The whole part of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>La parte entera de la fracción 1 es %1; se toma como el número entero %2</translation>
    </message>
    <message>
        <source>The numerator of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>El numerador de la fracción 1 es %1; se toma como el número entero %2</translation>
    </message>
    <message>
        <source>The denominator of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>El denominador de la fracción 1 es %1; se toma como el número entero %2</translation>
    </message>
    <message>
        <source>The whole part of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>La parte entera de la fracción 2 es %1; se toma como el número entero %2</translation>
    </message>
    <message>
        <source>The numerator of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>El numerador de la fracción 2 es %1; se toma como el número entero %2</translation>
    </message>
    <message>
        <source>The denominator of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>El denominador de la fracción 2 es %1; se toma como el número entero %2</translation>
    </message>
    <message>
        <source>The number B is %1; it is taken as the whole number %2</source>
        <translation>El número B es %1; se toma como el número entero %2</translation>
    </message>
    <message>
        <source>%1 = %2: every number divides 0, so the gcd is the first number</source>
        <translation>%1 = %2: todo número divide a 0, así que el máximo común divisor es el primer número</translation>
    </message>
    <message>
        <source>Euclid: divide, then divide the divisor by the remainder, until the remainder is 0</source>
        <translation>Euclides: divide, luego divide el divisor entre el resto, hasta que el resto sea 0</translation>
    </message>
    <message>
        <source>The last divisor is the greatest common divisor: %1 = %2</source>
        <translation>El último divisor es el máximo común divisor: %1 = %2</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3, remainder %4</source>
        <extracomment>a division with remainder: %1 ÷ %2 = %3 is the whole quotient, %4 what is left</extracomment>
        <translation>%1 ÷ %2 = %3, resto %4</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>Cada parte conserva su propio signo: %1 y %2 es %1 - %3 = %4, es decir, menos %5 y %3</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>Cada parte conserva su propio signo: %1 y %2 es %1 + %3 = %4, no menos %5 y %3</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>Cada parte conserva su propio signo: %1 y %2 es %1 - %3 = %4, no %5 y %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>En la fracción 1, cada parte conserva su propio signo: %1 y %2 es %1 - %3 = %4, es decir, menos %5 y %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>En la fracción 1, cada parte conserva su propio signo: %1 y %2 es %1 + %3 = %4, no menos %5 y %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>En la fracción 1, cada parte conserva su propio signo: %1 y %2 es %1 - %3 = %4, no %5 y %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>En la fracción 2, cada parte conserva su propio signo: %1 y %2 es %1 - %3 = %4, es decir, menos %5 y %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>En la fracción 2, cada parte conserva su propio signo: %1 y %2 es %1 + %3 = %4, no menos %5 y %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>En la fracción 2, cada parte conserva su propio signo: %1 y %2 es %1 - %3 = %4, no %5 y %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>En el resultado, cada parte conserva su propio signo: %1 y %2 es %1 - %3 = %4, es decir, menos %5 y %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>En el resultado, cada parte conserva su propio signo: %1 y %2 es %1 + %3 = %4, no menos %5 y %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>En el resultado, cada parte conserva su propio signo: %1 y %2 es %1 - %3 = %4, no %5 y %3</translation>
    </message>
    <message>
        <source>For minus %1 and %2, that is %3, type %4 and %5</source>
        <translation>Para menos %1 y %2, es decir, %3, escribe %4 y %5</translation>
    </message>
    <message>
        <source>For %1 and %2, that is %3, type %4 and %5</source>
        <translation>Para %1 y %2, es decir, %3, escribe %4 y %5</translation>
    </message>
    <message>
        <source>In lowest terms: %1, that is %2</source>
        <translation>Simplificando al máximo: %1, es decir, %2</translation>
    </message>
    <message>
        <source>In lowest terms: %1 is %2, that is %3</source>
        <translation>Simplificando al máximo: %1 es %2, es decir, %3</translation>
    </message>
    <message>
        <source>fraction 1</source>
        <translation>fracción 1</translation>
    </message>
    <message>
        <source>fraction 2</source>
        <translation>fracción 2</translation>
    </message>
    <message>
        <source>The common denominator of %1 and %2 is C = %3</source>
        <translation>El denominador común de %1 y %2 es C = %3</translation>
    </message>
    <message>
        <source>The least common multiple: %1 × %2 ÷ %3 = %4</source>
        <translation>El mínimo común múltiplo: %1 × %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>Fraction 1 as an improper fraction: (%1 × %2 + %3)/%2 = %4</source>
        <translation>La fracción 1 como fracción impropia: (%1 × %2 + %3)/%2 = %4</translation>
    </message>
    <message>
        <source>Fraction 2 as an improper fraction: (%1 × %2 + %3)/%2 = %4</source>
        <translation>La fracción 2 como fracción impropia: (%1 × %2 + %3)/%2 = %4</translation>
    </message>
    <message>
        <source>The window writes the numerator %1 and reads it back as the whole number %2</source>
        <translation>La ventana escribe el numerador %1 y lo vuelve a leer como el número entero %2</translation>
    </message>
    <message>
        <source>As a mixed number: %1</source>
        <translation>Como número mixto: %1</translation>
    </message>
    <message>
        <source>Add the whole numbers and the fractions apart</source>
        <translation>Suma por separado los números enteros y las fracciones</translation>
    </message>
    <message>
        <source>Rule: a/b + c/d = (a × (C ÷ b) + c × (C ÷ d))/C, with C the common denominator of b and d</source>
        <translation>Regla: a/b + c/d = (a × (C ÷ b) + c × (C ÷ d))/C, donde C es el denominador común de b y d</translation>
    </message>
    <message>
        <source>So %1 + %2 = %3</source>
        <translation>Así que %1 + %2 = %3</translation>
    </message>
    <message>
        <source>The whole numbers: %1 + %2 = %3</source>
        <translation>Los números enteros: %1 + %2 = %3</translation>
    </message>
    <message>
        <source>%1 is rounded to the whole number %2</source>
        <translation>%1 se redondea al número entero %2</translation>
    </message>
    <message>
        <source>With the %1 from the fraction: %2 + %3 = %4</source>
        <extracomment>%1 is the whole number the fraction part gave, added to the whole numbers&apos; sum %2</extracomment>
        <translation>Con el %1 de la fracción: %2 + %3 = %4</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then take them away</source>
        <translation>Escribe cada número mixto como fracción impropia y luego resta</translation>
    </message>
    <message>
        <source>Rule: a/b - c/d = ((C ÷ b) × a - (C ÷ d) × c)/C, with C the common denominator of b and d</source>
        <translation>Regla: a/b - c/d = ((C ÷ b) × a - (C ÷ d) × c)/C, donde C es el denominador común de b y d</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then multiply</source>
        <translation>Escribe cada número mixto como fracción impropia y luego multiplica</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then divide</source>
        <translation>Escribe cada número mixto como fracción impropia y luego divide</translation>
    </message>
    <message>
        <source>Rule: a/b × c/d = (a × c)/(b × d)</source>
        <translation>Regla: a/b × c/d = (a × c)/(b × d)</translation>
    </message>
    <message>
        <source>Rule: a/b ÷ c/d = (a × d)/(b × c): multiply by the second fraction turned upside down</source>
        <translation>Regla: a/b ÷ c/d = (a × d)/(b × c): multiplica por la inversa de la segunda fracción</translation>
    </message>
    <message>
        <source>Numerators: %1 × %2 = %3; denominators: %4 × %5 = %6</source>
        <translation>Numeradores: %1 × %2 = %3; denominadores: %4 × %5 = %6</translation>
    </message>
    <message>
        <source>To reduce %1, its greatest common divisor: gcd(%2, %3) = %4</source>
        <translation>Para simplificar %1, su máximo común divisor: gcd(%2, %3) = %4</translation>
    </message>
    <message>
        <source>Dividing by 1 changes nothing: %1 is in lowest terms already</source>
        <translation>Dividir entre 1 no cambia nada: %1 ya es una fracción irreducible</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 and %4 ÷ %2 = %5, so %6 = %7</source>
        <translation>%1 ÷ %2 = %3 y %4 ÷ %2 = %5, así que %6 = %7</translation>
    </message>
    <message>
        <source>%1 is less than %2</source>
        <translation>%1 es menor que %2</translation>
    </message>
    <message>
        <source>%1 is greater than %2</source>
        <translation>%1 es mayor que %2</translation>
    </message>
    <message>
        <source>%1 is equal to %2</source>
        <translation>%1 es igual a %2</translation>
    </message>
    <message>
        <source>Compare the exact values: write each number as one fraction</source>
        <translation>Compara los valores exactos: escribe cada número como una sola fracción</translation>
    </message>
    <message>
        <source>Fraction 1: %1 = %2</source>
        <translation>Fracción 1: %1 = %2</translation>
    </message>
    <message>
        <source>Fraction 2: %1 = %2</source>
        <translation>Fracción 2: %1 = %2</translation>
    </message>
    <message>
        <source>Both have the denominator %1, so compare the numerators</source>
        <translation>Las dos tienen el denominador %1, así que compara los numeradores</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 = %3/%1, and %4 has it already</source>
        <translation>Con el denominador común %1: %2 = %3/%1, y %4 ya lo tiene</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 has it already, and %3 = %4/%1</source>
        <translation>Con el denominador común %1: %2 ya lo tiene, y %3 = %4/%1</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 = %3/%1 and %4 = %5/%1</source>
        <translation>Con el denominador común %1: %2 = %3/%1 y %4 = %5/%1</translation>
    </message>
    <message>
        <source>%1 is less than %2, so %3 is less than %4</source>
        <extracomment>%1 and %2 are the numerators over the common denominator, %3 and %4 the two numbers</extracomment>
        <translation>%1 es menor que %2, así que %3 es menor que %4</translation>
    </message>
    <message>
        <source>%1 is greater than %2, so %3 is greater than %4</source>
        <translation>%1 es mayor que %2, así que %3 es mayor que %4</translation>
    </message>
    <message>
        <source>%1 is equal to %2, so %3 is equal to %4</source>
        <translation>%1 es igual a %2, así que %3 es igual a %4</translation>
    </message>
    <message>
        <source>As decimals: fraction 1 is %1 and fraction 2 is %2</source>
        <translation>Como números decimales: la fracción 1 es %1 y la fracción 2 es %2</translation>
    </message>
    <message>
        <source>Written with 15 digits both are %1: the values differ beyond the digits shown</source>
        <translation>Escritos con 15 cifras, los dos son %1: los valores difieren más allá de las cifras mostradas</translation>
    </message>
    <message>
        <source>Compare the two numbers as decimals: whole number + numerator ÷ denominator</source>
        <translation>Compara los dos números como números decimales: número entero + numerador ÷ denominador</translation>
    </message>
    <message>
        <source>Fraction 1: %1 + %2 ÷ %3 = %4</source>
        <translation>Fracción 1: %1 + %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>Fraction 2: %1 + %2 ÷ %3 = %4</source>
        <translation>Fracción 2: %1 + %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>%1 is less than %2: they differ beyond the digits shown</source>
        <translation>%1 es menor que %2: difieren más allá de las cifras mostradas</translation>
    </message>
    <message>
        <source>%1 is greater than %2: they differ beyond the digits shown</source>
        <translation>%1 es mayor que %2: difieren más allá de las cifras mostradas</translation>
    </message>
    <message>
        <source>So %1 %2 %3 is %4</source>
        <extracomment>%1 %2 %3 is the comparison typed, %4 the window&apos;s answer (True or False)</extracomment>
        <translation>Así que %1 %2 %3 es %4</translation>
    </message>
    <message>
        <source>fraction 1 = fraction 2</source>
        <translation>fracción 1 = fracción 2</translation>
    </message>
    <message>
        <source>fractions 1 and 2</source>
        <translation>fracciones 1 y 2</translation>
    </message>
    <message>
        <source>fraction 1 (greater)</source>
        <translation>fracción 1 (mayor)</translation>
    </message>
    <message>
        <source>fraction 2 (greater)</source>
        <translation>fracción 2 (mayor)</translation>
    </message>
    <message>
        <source>Fraction bars of the same length and a number line: %1 is equal to %2, so %1 %3 %2 is %4.</source>
        <extracomment>%1 and %2 are the two numbers, %3 the comparison&apos;s sign, %4 the answer (True or False)</extracomment>
        <translation>Barras de fracciones de la misma longitud y una recta numérica: %1 es igual a %2, así que %1 %3 %2 es %4.</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 is less than %2, so %1 %3 %2 is %4.</source>
        <translation>Barras de fracciones y una recta numérica: %1 es menor que %2, así que %1 %3 %2 es %4.</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 is greater than %2, so %1 %3 %2 is %4.</source>
        <translation>Barras de fracciones y una recta numérica: %1 es mayor que %2, así que %1 %3 %2 es %4.</translation>
    </message>
    <message>
        <source>result</source>
        <translation>resultado</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 %2 %3 = %4, which is %5.</source>
        <extracomment>%1 %2 %3 is the exercise, %4 the answer as a mixed number and %5 its value as a decimal</extracomment>
        <translation>Barras de fracciones y una recta numérica: %1 %2 %3 = %4, que es %5.</translation>
    </message>
    <message>
        <source>Check with the exact values: %1 %2 %3 = %4</source>
        <translation>Comprobación con los valores exactos: %1 %2 %3 = %4</translation>
    </message>
    <message>
        <source>Check with the exact values: %1 %2 %3 = %4, and %5 is %4 too</source>
        <translation>Comprobación con los valores exactos: %1 %2 %3 = %4, y %5 también es %4</translation>
    </message>
    <message>
        <source>Fraction 2 as an improper fraction: (%1 × %2 + %3)/%2 = %4, which is 0</source>
        <translation>La fracción 2 como fracción impropia: (%1 × %2 + %3)/%2 = %4, que es 0</translation>
    </message>
    <message>
        <source>Nothing can be divided by 0, so there is no answer</source>
        <translation>No se puede dividir entre 0, así que no hay resultado</translation>
    </message>
    <message>
        <source>The whole number box of fraction 1 held no number, so the window set it to 0</source>
        <translation>La casilla del número entero de la fracción 1 no tenía ningún número, así que la ventana la puso a 0</translation>
    </message>
    <message>
        <source>The whole number box of fraction 2 held no number, so the window set it to 0</source>
        <translation>La casilla del número entero de la fracción 2 no tenía ningún número, así que la ventana la puso a 0</translation>
    </message>
    <message>
        <source>The exercise: %1 %2 %3</source>
        <translation>El ejercicio: %1 %2 %3</translation>
    </message>
    <message>
        <source>The fraction part is 0, so only the whole number is left</source>
        <translation>La parte fraccionaria es 0, así que solo queda el número entero</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Resultado: %1</translation>
    </message>
    <message>
        <source>multiples of %1</source>
        <translation>múltiplos de %1</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line.</source>
        <translation>Múltiplos de %1 y de %2 en una recta numérica.</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line, meeting at %3.</source>
        <translation>Múltiplos de %1 y de %2 en una recta numérica, que coinciden en %3.</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line, and the result %3, which is not a multiple of both.</source>
        <translation>Múltiplos de %1 y de %2 en una recta numérica, y el resultado %3, que no es múltiplo de los dos.</translation>
    </message>
    <message>
        <source>The %1 multiples of %2 are too many to draw one by one.</source>
        <extracomment>%1 is how many multiples there are, %2 the number they are multiples of</extracomment>
        <translation>Los %1 múltiplos de %2 son demasiados para dibujarlos uno a uno.</translation>
    </message>
    <message>
        <source>The %1 multiples of %2 are too many to draw one by one; the %3 multiples of %4 are too many to draw one by one.</source>
        <translation>Los %1 múltiplos de %2 son demasiados para dibujarlos uno a uno; los %3 múltiplos de %4 son demasiados para dibujarlos uno a uno.</translation>
    </message>
    <message>
        <source>The common denominator of A and B is A × B ÷ gcd(A, B): the smallest number both divide</source>
        <translation>El denominador común de A y B es A × B ÷ gcd(A, B): el menor número divisible entre los dos</translation>
    </message>
    <message>
        <source>A = %1 enters the product as typed, and its whole number %2 the greatest common divisor</source>
        <translation>A = %1 entra en el producto tal como se escribió, y su número entero %2 en el máximo común divisor</translation>
    </message>
    <message>
        <source>The greatest common divisor of %1 and %2 is %3</source>
        <translation>El máximo común divisor de %1 y %2 es %3</translation>
    </message>
    <message>
        <source>A common denominator is a whole number; %1 is none, because A = %2 entered the product as typed</source>
        <translation>Un denominador común es un número entero; %1 no lo es, porque A = %2 entró en el producto tal como se escribió</translation>
    </message>
    <message>
        <source>A × B is negative, so the window&apos;s result is negative too; a common denominator is taken positive: %1</source>
        <translation>A × B es negativo, así que el resultado de la ventana también es negativo; un denominador común se toma positivo: %1</translation>
    </message>
    <message>
        <source>The window&apos;s greatest common divisor %1 is negative, so its result is negative too; a common denominator is taken positive: %2</source>
        <translation>El máximo común divisor de la ventana, %1, es negativo, así que su resultado también es negativo; un denominador común se toma positivo: %2</translation>
    </message>
    <message>
        <source>To reduce a fraction, divide its numerator and its denominator by their greatest common divisor</source>
        <translation>Para simplificar una fracción, divide su numerador y su denominador entre su máximo común divisor</translation>
    </message>
    <message>
        <source>The divisor is negative, so both signs change; the value stays the same</source>
        <translation>El divisor es negativo, así que cambian los dos signos; el valor no cambia</translation>
    </message>
    <message>
        <source>Answer: %1 = %2</source>
        <translation>Resultado: %1 = %2</translation>
    </message>
    <message>
        <source>A numerator of 0 makes the fraction 0: the greatest common divisor of 0 and a number is that number, so %1 reduces to %2</source>
        <translation>Un numerador 0 hace que la fracción valga 0: el máximo común divisor de 0 y un número es ese número, así que %1 se simplifica a %2</translation>
    </message>
    <message>
        <source>The minus sign of the denominator belongs to the whole fraction; a book writes it in front: %1 = %2</source>
        <translation>El signo menos del denominador pertenece a toda la fracción; un libro lo escribe delante: %1 = %2</translation>
    </message>
    <message>
        <source>Two bars of the same length: %1 = %2, at %3 on the number line.</source>
        <translation>Dos barras de la misma longitud: %1 = %2, en %3 en la recta numérica.</translation>
    </message>
    <message>
        <source>Every box takes one plain number, such as 3 or 12: no fractions like 3/4</source>
        <translation>Cada casilla admite un solo número, como 3 o 12: nada de fracciones como 3/4</translation>
    </message>
    <message>
        <source>Result: two mixed numbers (a whole number, a numerator and a denominator each) and one operator: + - * / &lt; &gt; =</source>
        <translation>Resultado: dos números mixtos (cada uno con un número entero, un numerador y un denominador) y un operador: + - * / &lt; &gt; =</translation>
    </message>
    <message>
        <source>Make Common Denominator: two whole numbers A and B, not 0</source>
        <translation>Hallar el denominador común: dos números enteros A y B, distintos de 0</translation>
    </message>
    <message>
        <source>Reduction: a numerator and a denominator that is not 0</source>
        <translation>Simplificar: un numerador y un denominador distinto de 0</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 and %4 ÷ %2 = %5</source>
        <translation>%1 ÷ %2 = %3 y %4 ÷ %2 = %5</translation>
    </message>
</context>
</TS>
