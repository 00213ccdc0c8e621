<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Form5</name>
    <message>
        <source>Fill in the numbers separated by space in form:  1 4 65 898 5 2 6 88</source>
        <translation>Escribe los números separados por espacios, por ejemplo: 1 4 65 898 5 2 6 88</translation>
    </message>
    <message>
        <source>Fill in the weight according to the order of the numbers above in form 9 8 3 1 7 6 9 1 </source>
        <translation>Escribe los pesos en el orden de los números de arriba, por ejemplo: 9 8 3 1 7 6 9 1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadística</translation>
    </message>
    <message>
        <source>If You Dont Have weight , Dont Fill In the lower filed and the weights will be set to 1.</source>
        <translation>Si no hay pesos, deja vacía la casilla de abajo: cada peso será 1.</translation>
    </message>
    <message>
        <source>Calculate Mean</source>
        <translation>Calcular la media</translation>
    </message>
    <message>
        <source>Calculate Variance</source>
        <translation>Calcular la varianza</translation>
    </message>
    <message>
        <source>w1*(a1-average)^2+w2*(a2-average)^2+ ... +wn*(an-average^2)</source>
        <translation>w1*(a1-media)^2+w2*(a2-media)^2+ ... +wn*(an-media^2)</translation>
    </message>
    <message>
        <source>Calculate Standard-Deviation</source>
        <translation>Calcular la desviación típica</translation>
    </message>
    <message>
        <source>Root(Different)</source>
        <translation>Raíz(varianza)</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Solución</translation>
    </message>
</context>
<context>
    <name>SharedStatisticsWorking</name>
    <message>
        <source>%1 to 15 digits</source>
        <extracomment>%1 is a decimal written out to 15 significant digits</extracomment>
        <translation>%1 (con 15 cifras)</translation>
    </message>
    <message>
        <source>The window writes this as %1: E%2 means × 10%3.</source>
        <extracomment>%1 is a number as the window shows it (2E+25), %2 its power of ten (+25), %3 that power as a superscript</extracomment>
        <translation>La ventana escribe este número como %1: E%2 significa × 10%3.</translation>
    </message>
    <message>
        <source>The window writes this as %1: E%2 means × 10%3, so %1 is %4.</source>
        <extracomment>%1 is a number as the window shows it (2E-06), %2 its power of ten (-06), %3 that power as a superscript, %4 the number written out (0.000002)</extracomment>
        <translation>La ventana escribe este número como %1: E%2 significa × 10%3, así que %1 es %4.</translation>
    </message>
</context>
<context>
    <name>StatisticsLists</name>
    <message>
        <source>Number Of Elements In Both Fileds Must Be Equals. If There Is No Weight Leave The Weight Filed Empty!</source>
        <translation>Las dos casillas deben tener la misma cantidad de números. Si no hay pesos, ¡deja vacía la casilla de los pesos!</translation>
    </message>
    <message>
        <source>Please Fill The Numbers Filed, It Is Empty!!!</source>
        <translation>La casilla de los números está vacía. ¡Escribe los números!</translation>
    </message>
</context>
<context>
    <name>StatisticsWorking</name>
    <message>
        <source>Bar chart of the %1 values from %2 to %3, one bar for each of the %4 different values, as high as its total weight; the mean %5 is marked.</source>
        <extracomment>%1 is the count of values, %2 the smallest, %3 the largest, %4 the count of different values, %5 the mean</extracomment>
        <translation>Diagrama de barras de los %1 valores de %2 a %3, una barra para cada uno de los %4 valores distintos, tan alta como su peso total; la media %5 está marcada.</translation>
    </message>
    <message>
        <source>Bar chart of the %1 values from %2 to %3, one bar for each of the %4 different values, as high as the number of times it occurs; the mean %5 is marked.</source>
        <translation>Diagrama de barras de los %1 valores de %2 a %3, una barra para cada uno de los %4 valores distintos, tan alta como las veces que aparece; la media %5 está marcada.</translation>
    </message>
    <message>
        <source>Histogram of the %1 values from %2 to %3 in %4 bins of width %5 (Sturges&apos; rule: 1 + log2 of the number of values bins, the width rounded up to 1, 2 or 5 times a power of ten), each bar as high as the total weight in its bin; the mean %6 is marked.</source>
        <extracomment>%1 is the count of values, %2 the smallest, %3 the largest, %4 the count of bins, %5 their width, %6 the mean</extracomment>
        <translation>Histograma de los %1 valores de %2 a %3 en %4 intervalos de amplitud %5 (regla de Sturges: número de intervalos = 1 + log2 del número de datos, la amplitud redondeada hacia arriba a 1, 2 o 5 veces una potencia de diez), cada barra tan alta como el peso total de su intervalo; la media %6 está marcada.</translation>
    </message>
    <message>
        <source>Histogram of the %1 values from %2 to %3 in %4 bins of width %5 (Sturges&apos; rule: 1 + log2 of the number of values bins, the width rounded up to 1, 2 or 5 times a power of ten), each bar as high as the number of values in its bin; the mean %6 is marked.</source>
        <translation>Histograma de los %1 valores de %2 a %3 en %4 intervalos de amplitud %5 (regla de Sturges: número de intervalos = 1 + log2 del número de datos, la amplitud redondeada hacia arriba a 1, 2 o 5 veces una potencia de diez), cada barra tan alta como el número de datos de su intervalo; la media %6 está marcada.</translation>
    </message>
    <message>
        <source>count</source>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>peso</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valor</translation>
    </message>
    <message>
        <source>mean %1</source>
        <extracomment>the label of the mean&apos;s line in the figure; %1 is the mean</extracomment>
        <translation>media %1</translation>
    </message>
    <message>
        <source>The values lie too far apart, or weigh too much, to be drawn to scale; only the mean is marked.</source>
        <translation>Los valores están demasiado lejos entre sí, o pesan demasiado, para dibujarlos a escala; solo se marca la media.</translation>
    </message>
    <message>
        <source>The mean %1 on a number line.</source>
        <translation>La media %1 en una recta numérica.</translation>
    </message>
    <message>
        <source>The band from mean - σ to mean + σ is hatched, %1.</source>
        <extracomment>%1 is the standard deviation, or the variance and the standard deviation, as formulas (&quot;σ = 2&quot;, &quot;σ² = 4, σ = 2&quot;)</extracomment>
        <translation>La franja de media - σ a media + σ está rayada, %1.</translation>
    </message>
    <message>
        <source>The mean is %1</source>
        <translation>La media es %1</translation>
    </message>
    <message>
        <source>The variance is %1</source>
        <translation>La varianza es %1</translation>
    </message>
    <message>
        <source>The standard deviation is %1</source>
        <translation>La desviación típica es %1</translation>
    </message>
    <message>
        <source>The mean adds value × weight for every value and divides by the sum of the weights.</source>
        <translation>La media suma valor × peso de cada valor y divide entre la suma de los pesos.</translation>
    </message>
    <message>
        <source>Sum of value × weight over the %1 value: %2</source>
        <extracomment>%1 is 1, the count of values; %2 the sum</extracomment>
        <translation>Suma de valor × peso para %1 valor: %2</translation>
    </message>
    <message numerus="yes">
        <source>Sum of value × weight over the %1 values: %2</source>
        <translation>
            <numerusform>Suma de valor × peso para %1 valor: %2</numerusform>
            <numerusform>Suma de valor × peso para los %1 valores: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Sum of the weights: %1</source>
        <translation>Suma de los pesos: %1</translation>
    </message>
    <message>
        <source>The mean adds the values and divides by how many there are.</source>
        <translation>La media suma los valores y divide entre cuántos hay.</translation>
    </message>
    <message>
        <source>Sum of the %1 value: %2</source>
        <extracomment>%1 is 1, the count of values; %2 the sum</extracomment>
        <translation>Suma de %1 valor: %2</translation>
    </message>
    <message numerus="yes">
        <source>Sum of the %1 values: %2</source>
        <translation>
            <numerusform>Suma de %1 valor: %2</numerusform>
            <numerusform>Suma de los %1 valores: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>With no weights every value counts once, so the total weight is %1</source>
        <translation>Sin pesos, cada valor cuenta una vez, así que el peso total es %1</translation>
    </message>
    <message>
        <source>The weights add up to exactly 0, so the mean has no value: nothing can be divided by 0.</source>
        <translation>Los pesos suman exactamente 0, así que la media no tiene valor: no se puede dividir entre 0.</translation>
    </message>
    <message>
        <source>The window adds the weights with rounding, gets %1 and divides by that, so its answer %2 comes from rounding alone.</source>
        <extracomment>%1 is the rounded sum of the weights, %2 the window&apos;s answer</extracomment>
        <translation>La ventana suma los pesos con redondeo, obtiene %1 y divide entre eso, así que su resultado %2 sale solo del redondeo.</translation>
    </message>
    <message>
        <source>Mean = %1 ÷ %2 %3</source>
        <extracomment>%1 is the sum, %2 the sum of the weights, %3 &quot;= &quot; and the mean</extracomment>
        <translation>Media = %1 ÷ %2 %3</translation>
    </message>
    <message>
        <source>The variance is the mean of the squared distances from the mean, each counted by its weight:</source>
        <translation>La varianza es la media de los cuadrados de las desviaciones respecto a la media, cada uno contado con su peso:</translation>
    </message>
    <message>
        <source>The variance is the mean of the squared distances from the mean:</source>
        <translation>La varianza es la media de los cuadrados de las desviaciones respecto a la media:</translation>
    </message>
    <message>
        <source>%1; squared × %2: %3</source>
        <translation>%1; al cuadrado × %2: %3</translation>
    </message>
    <message>
        <source>%1; squared × %2 ≈ %3</source>
        <translation>%1; al cuadrado × %2 ≈ %3</translation>
    </message>
    <message>
        <source>%1; squared: %2</source>
        <translation>%1; al cuadrado: %2</translation>
    </message>
    <message>
        <source>%1; squared ≈ %2</source>
        <translation>%1; al cuadrado ≈ %2</translation>
    </message>
    <message>
        <source>Check: the distances from the mean, each × its weight, add up to 0: %1 = 0</source>
        <translation>Comprobación: las desviaciones respecto a la media, cada una × su peso, suman 0: %1 = 0</translation>
    </message>
    <message>
        <source>Check: the distances from the mean add up to 0: %1 = 0</source>
        <translation>Comprobación: las desviaciones respecto a la media suman 0: %1 = 0</translation>
    </message>
    <message>
        <source>… %1 more value</source>
        <extracomment>the rows of the table left out; %1 is 1</extracomment>
        <translation>… %1 valor más</translation>
    </message>
    <message numerus="yes">
        <source>… %1 more values</source>
        <translation>
            <numerusform>… %1 valor más</numerusform>
            <numerusform>… %1 valores más</numerusform>
        </translation>
    </message>
    <message>
        <source>Sum of the squares × weights: %1</source>
        <translation>Suma de los cuadrados × pesos: %1</translation>
    </message>
    <message>
        <source>Sum of the squares × weights ≈ %1</source>
        <translation>Suma de los cuadrados × pesos ≈ %1</translation>
    </message>
    <message>
        <source>Sum of the squares: %1</source>
        <translation>Suma de los cuadrados: %1</translation>
    </message>
    <message>
        <source>Sum of the squares ≈ %1</source>
        <translation>Suma de los cuadrados ≈ %1</translation>
    </message>
    <message>
        <source>Variance = %1 ÷ %2 %3</source>
        <extracomment>%1 is the sum of the squares, %2 the sum of the weights, %3 &quot;= &quot; and the variance</extracomment>
        <translation>Varianza = %1 ÷ %2 %3</translation>
    </message>
    <message>
        <source>A negative weight made the variance negative, so it has no square root: there is no standard deviation.</source>
        <translation>Un peso negativo ha hecho negativa la varianza, así que no tiene raíz cuadrada: no hay desviación típica.</translation>
    </message>
    <message>
        <source>Standard deviation σ = √%1 %2</source>
        <extracomment>%1 is the variance, %2 &quot;= &quot; and its root</extracomment>
        <translation>Desviación típica σ = √%1 %2</translation>
    </message>
    <message>
        <source>Standard deviation σ = √%1 ≈ %2</source>
        <translation>Desviación típica σ = √%1 ≈ %2</translation>
    </message>
    <message>
        <source>The numbers box takes the values separated by single blanks, such as 1 4 65 898.</source>
        <translation>En la casilla de los números van los valores separados por un solo espacio, por ejemplo 1 4 65 898.</translation>
    </message>
    <message>
        <source>Each value may be %1; it counts as its decimal to 15 digits.</source>
        <extracomment>%1 lists the forms a typed value may take (&quot;a whole number, a decimal, ...&quot;)</extracomment>
        <translation>Cada valor puede ser %1; cuenta como su número decimal con 15 cifras.</translation>
    </message>
    <message>
        <source>The weights box stays empty (every weight is 1), or takes one weight per value, in the same order.</source>
        <translation>La casilla de los pesos se queda vacía (cada peso es 1) o lleva un peso por valor, en el mismo orden.</translation>
    </message>
    <message>
        <source>Numbers 2 4 4 4 5 5 7 9, Calculate Standard-Deviation:</source>
        <extracomment>the example worked out; &quot;Calculate Standard-Deviation&quot; is the button, translated as on the button</extracomment>
        <translation>Números 2 4 4 4 5 5 7 9, Calcular la desviación típica:</translation>
    </message>
    <message>
        <source>A column or a row copied from a spreadsheet can be pasted into either box: its line breaks and tabs become blanks.</source>
        <translation>Puedes pegar en cualquiera de las dos casillas una columna o una fila copiada de una hoja de cálculo: sus saltos de línea y tabulaciones se convierten en espacios.</translation>
    </message>
    <message>
        <source>A .txt or .csv file dropped on a box gives its values; commas between values count as blanks.</source>
        <translation>Un archivo .txt o .csv que sueltes sobre una casilla da sus valores; las comas entre valores cuentan como espacios.</translation>
    </message>
</context>
</TS>
