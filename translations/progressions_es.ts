<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Form6</name>
    <message>
        <source>Arithmetic And Geometric Progression</source>
        <translation>Progresiones aritméticas y geométricas</translation>
    </message>
    <message>
        <source>Arithmetic Progression</source>
        <translation>Progresión aritmética</translation>
    </message>
    <message>
        <source>Find Sn</source>
        <translation>Calcular Sn</translation>
    </message>
    <message>
        <source>Find An</source>
        <translation>Calcular An</translation>
    </message>
    <message>
        <source>Find D</source>
        <translation>Calcular D</translation>
    </message>
    <message>
        <source>Find N</source>
        <translation>Calcular N</translation>
    </message>
    <message>
        <source>Geometric Progression</source>
        <translation>Progresión geométrica</translation>
    </message>
    <message>
        <source>Find Sn (Infinite Progression)</source>
        <translation>Calcular Sn (progresión infinita)</translation>
    </message>
    <message>
        <source>Find Q</source>
        <translation>Calcular Q</translation>
    </message>
    <message>
        <source>A1 - First Element</source>
        <translation>A1 - primer término</translation>
    </message>
    <message>
        <source>An - Last Element</source>
        <translation>An - último término</translation>
    </message>
    <message>
        <source>N - Number Of Elements</source>
        <translation>N - número de términos</translation>
    </message>
    <message>
        <source>D - Arithmetic Jump Size</source>
        <translation>D - diferencia (progresión aritmética)</translation>
    </message>
    <message>
        <source>Q - Geometric Jump Size</source>
        <translation>Q - razón (progresión geométrica)</translation>
    </message>
</context>
<context>
    <name>ProgressionsWorking</name>
    <message>
        <source>The box keeps %1 characters, so %2 is read as %3</source>
        <extracomment>%1 is the number of characters, %2 the letter of the box (A1, N), %3 what it shows</extracomment>
        <translation>La casilla guarda %1 caracteres, así que %2 se lee como %3</translation>
    </message>
    <message>
        <source>%1 = %2, written back into its box as %3</source>
        <translation>%1 = %2, reescrito en su casilla como %3</translation>
    </message>
    <message>
        <source>term</source>
        <extracomment>the name of the chart&apos;s upright axis, the value of a term</extracomment>
        <translation>término</translation>
    </message>
    <message>
        <source>term %1</source>
        <extracomment>under the first bar after the gap: the number of its term</extracomment>
        <translation>término %1</translation>
    </message>
    <message>
        <source>Terms %1 to %2 are left out at the gap; the bars after it are the last %3 terms, %4 to %5.</source>
        <translation>Los términos %1 a %2 se omiten en el hueco; las barras que siguen son los %3 últimos términos, del %4 al %5.</translation>
    </message>
    <message>
        <source>The 1 term of the arithmetic progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>El único término de la progresión aritmética, de %1 a %2, como barra; el último, An, es %3.</translation>
    </message>
    <message>
        <source>The 1 term of the arithmetic progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>El único término de la progresión aritmética, de %1 a %2, como barra sombreada: la suma Sn es %3.</translation>
    </message>
    <message>
        <source>The 1 term of the geometric progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>El único término de la progresión geométrica, de %1 a %2, como barra; el último, An, es %3.</translation>
    </message>
    <message>
        <source>The 1 term of the geometric progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>El único término de la progresión geométrica, de %1 a %2, como barra sombreada: la suma Sn es %3.</translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the arithmetic progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>
            <numerusform>El %n término de la progresión aritmética, de %1 a %2, como barras; el último, An, es %3.</numerusform>
            <numerusform>Los %n términos de la progresión aritmética, de %1 a %2, como barras; el último, An, es %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the arithmetic progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>
            <numerusform>El %n término de la progresión aritmética, de %1 a %2, como barras, todas sombreadas: su suma Sn es %3.</numerusform>
            <numerusform>Los %n términos de la progresión aritmética, de %1 a %2, como barras, todas sombreadas: su suma Sn es %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the geometric progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>
            <numerusform>El %n término de la progresión geométrica, de %1 a %2, como barras; el último, An, es %3.</numerusform>
            <numerusform>Los %n términos de la progresión geométrica, de %1 a %2, como barras; el último, An, es %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the geometric progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>
            <numerusform>El %n término de la progresión geométrica, de %1 a %2, como barras, todas sombreadas: su suma Sn es %3.</numerusform>
            <numerusform>Los %n términos de la progresión geométrica, de %1 a %2, como barras, todas sombreadas: su suma Sn es %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the arithmetic progression from %3 to %4 as bars; the last one, An, is %5.</source>
        <translation>Los primeros y los últimos %1 de los %2 términos de la progresión aritmética, de %3 a %4, como barras; el último, An, es %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the arithmetic progression from %3 to %4 as bars, all shaded: their sum Sn is %5.</source>
        <translation>Los primeros y los últimos %1 de los %2 términos de la progresión aritmética, de %3 a %4, como barras, todas sombreadas: su suma Sn es %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the geometric progression from %3 to %4 as bars; the last one, An, is %5.</source>
        <translation>Los primeros y los últimos %1 de los %2 términos de la progresión geométrica, de %3 a %4, como barras; el último, An, es %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the geometric progression from %3 to %4 as bars, all shaded: their sum Sn is %5.</source>
        <translation>Los primeros y los últimos %1 de los %2 términos de la progresión geométrica, de %3 a %4, como barras, todas sombreadas: su suma Sn es %5.</translation>
    </message>
    <message>
        <source>N = %1 is not a whole number of terms from 1 up, so there are no terms to draw.</source>
        <translation>N = %1 no es un número entero de términos a partir de 1, así que no hay términos que dibujar.</translation>
    </message>
    <message>
        <source>The terms are %1.</source>
        <translation>Los términos son %1.</translation>
    </message>
    <message>
        <source>The shaded trapezoid is N wide and on average (A1 + An) ÷ 2 high, so its area is the sum.</source>
        <translation>El trapecio sombreado mide N de ancho y, de media, (A1 + An) ÷ 2 de alto, así que su área es la suma.</translation>
    </message>
    <message>
        <source>A trapezoid %1 wide from the first term to the last, An = %2, shaded: its area is the sum Sn = %3.</source>
        <translation>Un trapecio sombreado de ancho %1, del primer término al último, An = %2: su área es la suma Sn = %3.</translation>
    </message>
    <message>
        <source>term, sum</source>
        <extracomment>the name of the chart&apos;s upright axis: the values of the terms and of the sums</extracomment>
        <translation>término, suma</translation>
    </message>
    <message>
        <source>The terms of the progression as shaded bars and the partial sums S1 to S%1 as points, approaching the dashed line at the sum S = %2.</source>
        <translation>Los términos de la progresión como barras sombreadas y las sumas parciales S1 a S%1 como puntos, que se acercan a la línea discontinua de la suma S = %2.</translation>
    </message>
    <message>
        <source>An = %1 is not A1 times a whole power of Q within %2 terms, so the terms are not drawn.</source>
        <translation>An = %1 no es A1 por una potencia entera de Q dentro de %2 términos, así que los términos no se dibujan.</translation>
    </message>
    <message>
        <source>(%1 to the power %2)</source>
        <translation>(%1 elevado a %2)</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number from 1 up; N = %1 counts no terms.</source>
        <translation>N es el número de términos, así que debería ser un número entero a partir de 1; N = %1 no cuenta ningún término.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: there is no sum of %1 terms.</source>
        <translation>N es el número de términos, así que debería ser un número entero: no existe una suma de %1 términos.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: there is no term number %1.</source>
        <translation>N es el número de términos, así que debería ser un número entero: no existe el término número %1.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: %1 terms make no progression.</source>
        <translation>N es el número de términos, así que debería ser un número entero: %1 términos no forman una progresión.</translation>
    </message>
    <message>
        <source>The formula gives a number with N = %1 all the same, and that number is what the window shows.</source>
        <translation>La fórmula da de todos modos un número con N = %1, y ese número es el que muestra la ventana.</translation>
    </message>
    <message>
        <source>If you meant N = %1, %2 is %3.</source>
        <translation>Si querías decir N = %1, %2 es %3.</translation>
    </message>
    <message>
        <source>If you meant N = %1, %2 is %3; if you meant N = %4, it is %5.</source>
        <translation>Si querías decir N = %1, %2 es %3; si querías decir N = %4, es %5.</translation>
    </message>
    <message>
        <source>2An - (N - 1)D is A1 + An: the first term plus the last.</source>
        <translation>2An - (N - 1)D es A1 + An: el primer término más el último.</translation>
    </message>
    <message>
        <source>Check: A1 + (N - 1)D = %1 + %2 × %3 = %4, which is An.</source>
        <translation>Comprobación: A1 + (N - 1)D = %1 + %2 × %3 = %4, que es An.</translation>
    </message>
    <message>
        <source>N should be a whole number from 1 up, and N = %1 is not: An = %2 does not lie ahead of A1 = %3 in steps of D = %4, so it is none of the terms from A1 on.</source>
        <translation>N debería ser un número entero a partir de 1, y N = %1 no lo es: An = %2 no está por delante de A1 = %3 en pasos de D = %4, así que no es ninguno de los términos desde A1.</translation>
    </message>
    <message>
        <source>N = %1 is not a whole number: An = %2 is none of the terms.</source>
        <translation>N = %1 no es un número entero: An = %2 no es ninguno de los términos.</translation>
    </message>
    <message>
        <source>It lies between term %1, which is %2, and term %3, which is %4.</source>
        <translation>Está entre el término %1, que es %2, y el término %3, que es %4.</translation>
    </message>
    <message>
        <source>An = %1 is not A1 times a whole power of Q, so it is none of the terms. The formula gives a number all the same, and that number is what the window shows.</source>
        <translation>An = %1 no es A1 por una potencia entera de Q, así que no es ninguno de los términos. La fórmula da de todos modos un número, y ese número es el que muestra la ventana.</translation>
    </message>
    <message>
        <source>S = A1 ÷ (1 - Q), as -1 &lt; Q &lt; 1</source>
        <translation>S = A1 ÷ (1 - Q), ya que -1 &lt; Q &lt; 1</translation>
    </message>
    <message>
        <source>With N - 1 = 1 the root is An ÷ A1 itself.</source>
        <translation>Con N - 1 = 1, la raíz es el propio An ÷ A1.</translation>
    </message>
    <message>
        <source>An ÷ A1 is negative and N - 1 = %1 is odd: an odd power keeps the sign, so Q is negative.</source>
        <translation>An ÷ A1 es negativo y N - 1 = %1 es impar: una potencia impar conserva el signo, así que Q es negativo.</translation>
    </message>
    <message>
        <source>1 ÷ (N - 1) = 1 ÷ %1 = %2: the window takes the root as the power %2.</source>
        <translation>1 ÷ (N - 1) = 1 ÷ %1 = %2: la ventana calcula la raíz como la potencia %2.</translation>
    </message>
    <message>
        <source>With An = 0 the ratio is 0: every term after A1 is 0.</source>
        <translation>Con An = 0 la razón es 0: cada término después de A1 es 0.</translation>
    </message>
    <message>
        <source>Q = %1 fits as well: %2 × %3 = %4 too. The window shows the positive one.</source>
        <translation>Q = %1 también sirve: %2 × %3 = %4 igualmente. La ventana muestra el valor positivo.</translation>
    </message>
    <message>
        <source>Q = %1 fits as well, as an even power of a number and of its negative are the same. The window shows the positive one.</source>
        <translation>Q = %1 también sirve, porque una potencia par de un número y la de su opuesto son iguales. La ventana muestra el valor positivo.</translation>
    </message>
    <message>
        <source>Check: A1Qᴺ⁻¹ = %1 × %2 = %3, which is An.</source>
        <translation>Comprobación: A1Qᴺ⁻¹ = %1 × %2 = %3, que es An.</translation>
    </message>
    <message>
        <source>D = %1 a term</source>
        <extracomment>beside the dashed line from A1 to An: the terms grow by D each term</extracomment>
        <translation>D = %1 por término</translation>
    </message>
    <message>
        <source>Along the dashed line from A1 to An the terms grow by D = %1 a term.</source>
        <translation>A lo largo de la línea discontinua de A1 a An, los términos crecen D = %1 en cada término.</translation>
    </message>
    <message>
        <source>The point on the k axis marks N = %1.</source>
        <translation>El punto del eje k marca N = %1.</translation>
    </message>
    <message>
        <source>The known terms A1 = %1 at 1 and An = %2 at N = %3 as bars; from one to the next the terms grow by D = %4.</source>
        <translation>Los términos conocidos A1 = %1 en 1 y An = %2 en N = %3 como barras; de uno al siguiente los términos crecen D = %4.</translation>
    </message>
    <message>
        <source>Each term is Q = %1 times the one before.</source>
        <translation>Cada término es Q = %1 veces el anterior.</translation>
    </message>
    <message>
        <source>The known terms A1 = %1 at 1 and An = %2 at N = %3 as bars; each term is Q = %4 times the one before.</source>
        <translation>Los términos conocidos A1 = %1 en 1 y An = %2 en N = %3 como barras; cada término es Q = %4 veces el anterior.</translation>
    </message>
    <message>
        <source>The terms are too large to draw.</source>
        <translation>Los términos son demasiado grandes para dibujarlos.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <translation>La ventana dijo: «%1»</translation>
    </message>
    <message>
        <source>With Q = 0 every term after A1 is 0: A1, 0, 0, and so on. The window takes no Q of 0.</source>
        <translation>Con Q = 0 cada término después de A1 es 0: A1, 0, 0, y así sucesivamente. La ventana no acepta Q = 0.</translation>
    </message>
    <message>
        <source>So An = 0 from the second term on, and An = A1 = %1 when N = 1.</source>
        <translation>Así que An = 0 a partir del segundo término, y An = A1 = %1 cuando N = 1.</translation>
    </message>
    <message>
        <source>So the sum is A1 = %1.</source>
        <translation>Así que la suma es A1 = %1.</translation>
    </message>
    <message>
        <source>With Q = 1 every term is A1 = %1: each is 1 times the one before.</source>
        <translation>Con Q = 1 cada término es A1 = %1: cada uno es 1 vez el anterior.</translation>
    </message>
    <message>
        <source>So An = A1 = %1. The window takes no Q of 1 all the same.</source>
        <translation>Así que An = A1 = %1. Aun así, la ventana no acepta Q = 1.</translation>
    </message>
    <message>
        <source>The formula divides by Q - 1 = 0, so it cannot be used.</source>
        <translation>La fórmula divide entre Q - 1 = 0, así que no se puede usar.</translation>
    </message>
    <message>
        <source>The sum of N terms that are all A1 is N × A1 = %1 × %2 = %3.</source>
        <translation>La suma de N términos que son todos A1 es N × A1 = %1 × %2 = %3.</translation>
    </message>
    <message>
        <source>The sum of N terms that are all A1 is N × A1.</source>
        <translation>La suma de N términos que son todos A1 es N × A1.</translation>
    </message>
    <message>
        <source>An does not tell how many terms there are.</source>
        <translation>An no dice cuántos términos hay.</translation>
    </message>
    <message>
        <source>Here An = %1 is not A1, so it is none of the terms.</source>
        <translation>Aquí An = %1 no es A1, así que no es ninguno de los términos.</translation>
    </message>
    <message>
        <source>With A1 = 0 every term is 0, and so is their sum; the window asks for -1 &lt; Q &lt; 1 all the same.</source>
        <translation>Con A1 = 0 cada término es 0, y también su suma; aun así, la ventana pide -1 &lt; Q &lt; 1.</translation>
    </message>
    <message>
        <source>All the terms add up to one sum only when they shrink towards 0, that is when -1 &lt; Q &lt; 1.</source>
        <translation>Todos los términos suman un solo valor solo si se acercan a 0, es decir, cuando -1 &lt; Q &lt; 1.</translation>
    </message>
    <message>
        <source>With Q = %1 no term is smaller in size than the one before, so the sums S1, S2, S3, and so on grow in size without end.</source>
        <translation>Con Q = %1 ningún término es menor en valor absoluto que el anterior, así que las sumas S1, S2, S3, y así sucesivamente, crecen sin fin.</translation>
    </message>
    <message>
        <source>With Q = %1 the terms change sign each time and do not shrink, so the sums S1, S2, S3, and so on never settle.</source>
        <translation>Con Q = %1 los términos cambian de signo cada vez y no disminuyen, así que las sumas S1, S2, S3, y así sucesivamente, nunca se estabilizan.</translation>
    </message>
    <message>
        <source>With A1 = 0 every term is 0 × Q = 0, and An ÷ A1 would divide by 0, so no ratio can be found.</source>
        <translation>Con A1 = 0 cada término es 0 × Q = 0, y An ÷ A1 dividiría entre 0, así que no se puede hallar la razón.</translation>
    </message>
    <message>
        <source>N counts the terms, and a ratio needs two of them, A1 and An: N = %1 is not more than 1.</source>
        <translation>N cuenta los términos, y una razón necesita dos, A1 y An: N = %1 no es mayor que 1.</translation>
    </message>
    <message>
        <source>N = 1 makes N - 1 = 0, and the formula divides by it: with one term there is no step from one term to the next.</source>
        <translation>N = 1 da N - 1 = 0, y la fórmula divide entre ese número: con un solo término no hay paso de un término al siguiente.</translation>
    </message>
    <message>
        <source>D = 0 makes every term A1 = %1, and the formula divides by D = 0.</source>
        <translation>D = 0 hace que cada término sea A1 = %1, y la fórmula divide entre D = 0.</translation>
    </message>
    <message>
        <source>Here An is A1, so every N fits.</source>
        <translation>Aquí An es A1, así que cualquier N sirve.</translation>
    </message>
    <message>
        <source>Here An = %1 is not A1, so no N fits.</source>
        <translation>Aquí An = %1 no es A1, así que ningún N sirve.</translation>
    </message>
    <message>
        <source>Q = %1 is negative and %2 = %3 is not a whole number: a negative number to a power that is not whole has no real value.</source>
        <translation>Q = %1 es negativo y %2 = %3 no es un número entero: un número negativo elevado a una potencia no entera no tiene valor real.</translation>
    </message>
    <message>
        <source>N counts the terms, so it should be a whole number.</source>
        <translation>N cuenta los términos, así que debería ser un número entero.</translation>
    </message>
    <message>
        <source>An ÷ A1 = %1 is negative and N - 1 = %2 is even: an even power of a real number is never negative, so no real Q fits.</source>
        <translation>An ÷ A1 = %1 es negativo y N - 1 = %2 es par: una potencia par de un número real nunca es negativa, así que ningún Q real sirve.</translation>
    </message>
    <message>
        <source>An ÷ A1 = %1 is negative and N - 1 = %2 is not a whole number: such a root of a negative number has no real value.</source>
        <translation>An ÷ A1 = %1 es negativo y N - 1 = %2 no es un número entero: una raíz así de un número negativo no tiene valor real.</translation>
    </message>
    <message>
        <source>The box of %1 keeps only 8 characters, so it shows %2, the start of the number %3 written in E-notation. %2 is no number, and the row cannot go on with it.</source>
        <translation>La casilla de %1 solo guarda 8 caracteres, así que muestra %2, el comienzo del número %3 escrito en notación E. %2 no es un número, y la fila no puede seguir con él.</translation>
    </message>
    <message>
        <source>A number on the way grows beyond the largest one the computer can hold, about 1.8 × 10³⁰⁸, so there is no answer.</source>
        <translation>Un número intermedio supera el mayor que el ordenador puede guardar, unos 1.8 × 10³⁰⁸, así que no hay resultado.</translation>
    </message>
    <message>
        <source>Each box takes %1, at most 8 characters.</source>
        <translation>Cada casilla admite %1, como máximo 8 caracteres.</translation>
    </message>
    <message>
        <source>A1 is the first term, An the last, N the number of terms, D the step from one term to the next and Q the ratio of one term to the one before.</source>
        <translation>A1 es el primer término, An el último, N el número de términos, D la diferencia de un término al siguiente y Q la razón entre un término y el anterior.</translation>
    </message>
    <message>
        <source>A command writes the numbers it read back into its boxes, cut to 8 characters, and goes on with what the box shows; Q, and An in the geometric rows, are used as typed.</source>
        <translation>Un botón vuelve a escribir en sus casillas los números que leyó, cortados a 8 caracteres, y sigue con lo que muestra la casilla; Q, y An en las filas geométricas, se usan tal como se escribieron.</translation>
    </message>
    <message>
        <source>A1 = 2, D = 3, N = 5, %1:</source>
        <extracomment>%1 is the window&apos;s button Find Sn</extracomment>
        <translation>A1 = 2, D = 3, N = 5, %1:</translation>
    </message>
</context>
<context>
    <name>sb::Form6</name>
    <message>
        <source>Q Must not be equals to zero or one.!!!</source>
        <translation>¡Q no puede ser 0 ni 1!</translation>
    </message>
    <message>
        <source>In Infinite Progression Q Must be smaller than 1 and bigger than -1 and not be equals to Zero.!!!</source>
        <translation>¡En una progresión infinita, Q debe estar entre -1 y 1 y no puede ser 0!</translation>
    </message>
    <message>
        <source>A1 Must not be equals to zero And N must be bigger than one.!!!</source>
        <translation>¡A1 no puede ser 0 y N debe ser mayor que 1!</translation>
    </message>
</context>
</TS>
