<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Form12</name>
    <message>
        <source>Traffic And Percentage Problems</source>
        <translation>Problemas de movimiento y de porcentajes</translation>
    </message>
    <message>
        <source>Traffic Problems</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>Find T</source>
        <translation>Calcular T</translation>
    </message>
    <message>
        <source>Find V</source>
        <translation>Calcular V</translation>
    </message>
    <message>
        <source>Find S</source>
        <translation>Calcular S</translation>
    </message>
    <message>
        <source>S - The  distance</source>
        <translation>S - la distancia</translation>
    </message>
    <message>
        <source>V - The Speed</source>
        <translation>V - la velocidad</translation>
    </message>
    <message>
        <source>T - The Time</source>
        <translation>T - el tiempo</translation>
    </message>
    <message>
        <source>Percentage Problems</source>
        <translation>Porcentajes</translation>
    </message>
    <message>
        <source>Item cost is</source>
        <translation>El artículo cuesta</translation>
    </message>
    <message>
        <source>$ , The Item cost was decreased by</source>
        <translation>$. Su precio baja un</translation>
    </message>
    <message>
        <source>percent. </source>
        <translation>por ciento.</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>The new price is</source>
        <translation>El nuevo precio es</translation>
    </message>
    <message>
        <source>The Item cost was decreased by</source>
        <translation>El precio ha bajado</translation>
    </message>
    <message>
        <source>$ , The Item cost was increased by</source>
        <translation>$. Su precio sube un</translation>
    </message>
    <message>
        <source>The Item cost was increased by</source>
        <translation>El precio ha subido</translation>
    </message>
</context>
<context>
    <name>TrafficWorking</name>
    <message>
        <source>%1 = %2, that is %3 %4</source>
        <extracomment>%1 is a letter (S, V, T), %2 a mixed number as typed (2/1/4), %3 the same as a pupil writes it (2 1/4), %4 &quot;= &quot; and its decimal</extracomment>
        <translation>%1 = %2, es decir, %3 %4</translation>
    </message>
    <message>
        <source>time T</source>
        <translation>tiempo T</translation>
    </message>
    <message>
        <source>distance S</source>
        <translation>distancia S</translation>
    </message>
    <message>
        <source>Distance–time graph: a line from the origin with slope V = %1 reaches the distance S = %2 at the time T = %3.</source>
        <translation>Gráfica distancia-tiempo: una recta que sale del origen con pendiente V = %1 alcanza la distancia S = %2 en el tiempo T = %3.</translation>
    </message>
    <message>
        <source>price $</source>
        <translation>precio $</translation>
    </message>
    <message>
        <source>before</source>
        <translation>antes</translation>
    </message>
    <message>
        <source>after</source>
        <translation>después</translation>
    </message>
    <message>
        <source>%1 $ less</source>
        <extracomment>%1 is the amount the price changed by</extracomment>
        <translation>%1 $ menos</translation>
    </message>
    <message>
        <source>%1 $ more</source>
        <translation>%1 $ más</translation>
    </message>
    <message>
        <source>Two bars: the price before, %1 $, and after a decrease of %2 %, %3 $; the change is %4 $.</source>
        <extracomment>%1 is the price before, %2 the percentage, %3 the new price, %4 the amount of the change</extracomment>
        <translation>Dos barras: el precio antes, %1 $, y después de una bajada del %2 %, %3 $; el cambio es de %4 $.</translation>
    </message>
    <message>
        <source>Two bars: the price before, %1 $, and after an increase of %2 %, %3 $; the change is %4 $.</source>
        <translation>Dos barras: el precio antes, %1 $, y después de una subida del %2 %, %3 $; el cambio es de %4 $.</translation>
    </message>
    <message>
        <source>Distance = speed × time, so the time is T = S ÷ V.</source>
        <translation>Distancia = velocidad × tiempo, así que el tiempo es T = S ÷ V.</translation>
    </message>
    <message>
        <source>With S in km and V in km per hour, T is in hours: T %1.</source>
        <extracomment>%1 is &quot;= &quot; or &quot;≈ &quot; and the time in hours, minutes and seconds (&quot;= 3 h 20 min&quot;)</extracomment>
        <translation>Con S en km y V en km por hora, T está en horas: T %1.</translation>
    </message>
    <message>
        <source>Check: V × T = %1 × %2 = %3, which is S.</source>
        <translation>Comprobación: V × T = %1 × %2 = %3, que es S.</translation>
    </message>
    <message>
        <source>Distance = speed × time, so the speed is V = S ÷ T.</source>
        <translation>Distancia = velocidad × tiempo, así que la velocidad es V = S ÷ T.</translation>
    </message>
    <message>
        <source>Distance = speed × time: S = V × T.</source>
        <translation>Distancia = velocidad × tiempo: S = V × T.</translation>
    </message>
    <message>
        <source>Check: S ÷ T = %1 ÷ %2 = %3, which is V.</source>
        <translation>Comprobación: S ÷ T = %1 ÷ %2 = %3, que es V.</translation>
    </message>
    <message>
        <source>The decrease is P percent of the price C: P × C ÷ 100.</source>
        <translation>La bajada es el P por ciento del precio C: P × C ÷ 100.</translation>
    </message>
    <message>
        <source>The increase is P percent of the price C: P × C ÷ 100.</source>
        <translation>La subida es el P por ciento del precio C: P × C ÷ 100.</translation>
    </message>
    <message>
        <source>The decrease is %1 × %2 ÷ 100 %3</source>
        <extracomment>%1 is the percentage, %2 the price, %3 &quot;= &quot; and the decrease</extracomment>
        <translation>La bajada es %1 × %2 ÷ 100 %3</translation>
    </message>
    <message>
        <source>The increase is %1 × %2 ÷ 100 %3</source>
        <translation>La subida es %1 × %2 ÷ 100 %3</translation>
    </message>
    <message>
        <source>To the cent the decrease is %1 $.</source>
        <translation>Redondeada al céntimo, la bajada es %1 $.</translation>
    </message>
    <message>
        <source>To the cent the increase is %1 $.</source>
        <translation>Redondeada al céntimo, la subida es %1 $.</translation>
    </message>
    <message>
        <source>The window works the new price from the decrease as it shows it, %1.</source>
        <translation>La ventana calcula el nuevo precio con la bajada tal como la muestra: %1.</translation>
    </message>
    <message>
        <source>The window works the new price from the increase as it shows it, %1.</source>
        <translation>La ventana calcula el nuevo precio con la subida tal como la muestra: %1.</translation>
    </message>
    <message>
        <source>The new price is C - decrease = %1 - %2 %3</source>
        <extracomment>%1 is the price, %2 the decrease, %3 &quot;= &quot; and the new price</extracomment>
        <translation>El nuevo precio es C - bajada = %1 - %2 %3</translation>
    </message>
    <message>
        <source>The new price is increase + C = %1 + %2 %3</source>
        <translation>El nuevo precio es subida + C = %1 + %2 %3</translation>
    </message>
    <message>
        <source>To the cent the new price is %1 $.</source>
        <translation>Redondeado al céntimo, el nuevo precio es %1 $.</translation>
    </message>
    <message>
        <source>The window does not round to the cent: it shows the numbers it computed.</source>
        <translation>La ventana no redondea al céntimo: muestra los números que ha calculado.</translation>
    </message>
    <message>
        <source>A decrease of 100 percent takes the whole price off: nothing is left to pay.</source>
        <translation>Una bajada del 100 por ciento quita todo el precio: no queda nada que pagar.</translation>
    </message>
    <message>
        <source>Check: new price + decrease = %1 + %2 = %3, which is C.</source>
        <translation>Comprobación: nuevo precio + bajada = %1 + %2 = %3, que es C.</translation>
    </message>
    <message>
        <source>Check: new price - increase = %1 - %2 = %3, which is C.</source>
        <translation>Comprobación: nuevo precio - subida = %1 - %2 = %3, que es C.</translation>
    </message>
    <message>
        <source>Every box takes a number above 0: a whole number (3), a decimal (%1), a fraction (1/4) or a mixed number (2/1/4).</source>
        <extracomment>%1 is a decimal as the window writes it (2.5)</extracomment>
        <translation>Cada casilla lleva un número mayor que 0: un número entero (3), un número decimal (%1), una fracción (1/4) o un número mixto (2/1/4).</translation>
    </message>
    <message>
        <source>S is the distance, V the speed and T the time, in units that fit each other (km, km per hour and hours). At a speed of 0 nothing moves, so no time would ever cover a distance.</source>
        <translation>S es la distancia, V la velocidad y T el tiempo, en unidades que encajen entre sí (km, km por hora y horas). A velocidad 0 nada se mueve, así que ningún tiempo bastaría para recorrer una distancia.</translation>
    </message>
    <message>
        <source>A price problem takes the cost in $ and the percentage; a decrease takes at most 100 percent, since taking off more than the whole price would leave less than nothing to pay.</source>
        <translation>Un problema de precios lleva el precio en $ y el porcentaje; una bajada es como mucho del 100 por ciento, porque quitar más que todo el precio dejaría menos que nada que pagar.</translation>
    </message>
    <message>
        <source>S = 100, V = 40, Find T:</source>
        <extracomment>the example worked out; &quot;Find T&quot; is the button, translated as on the button</extracomment>
        <translation>S = 100, V = 40, Calcular T:</translation>
    </message>
</context>
<context>
    <name>sb::Form12</name>
    <message>
        <source>The percentage must be smaller then 100!!!.</source>
        <translation>¡El porcentaje no puede ser mayor que 100!</translation>
    </message>
</context>
</TS>
