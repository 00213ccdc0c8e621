<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Form12</name>
    <message>
        <source>Traffic And Percentage Problems</source>
        <translation>Problemas de movimento e de porcentagem</translation>
    </message>
    <message>
        <source>Traffic Problems</source>
        <translation>Movimento</translation>
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
        <translation>S - a distância</translation>
    </message>
    <message>
        <source>V - The Speed</source>
        <translation>V - a velocidade</translation>
    </message>
    <message>
        <source>T - The Time</source>
        <translation>T - o tempo</translation>
    </message>
    <message>
        <source>Percentage Problems</source>
        <translation>Porcentagem</translation>
    </message>
    <message>
        <source>Item cost is</source>
        <translation>O produto custa</translation>
    </message>
    <message>
        <source>$ , The Item cost was decreased by</source>
        <translation>$. O preço diminui</translation>
    </message>
    <message>
        <source>percent. </source>
        <translation>por cento.</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>The new price is</source>
        <translation>O novo preço é</translation>
    </message>
    <message>
        <source>The Item cost was decreased by</source>
        <translation>O preço diminuiu</translation>
    </message>
    <message>
        <source>$ , The Item cost was increased by</source>
        <translation>$. O preço aumenta</translation>
    </message>
    <message>
        <source>The Item cost was increased by</source>
        <translation>O preço aumentou</translation>
    </message>
</context>
<context>
    <name>TrafficWorking</name>
    <message>
        <source>%1 = %2, that is %3 %4</source>
        <extracomment>%1 is a letter (S, V, T), %2 a mixed number as typed (2/1/4), %3 the same as a pupil writes it (2 1/4), %4 &quot;= &quot; and its decimal</extracomment>
        <translation>%1 = %2, ou seja, %3 %4</translation>
    </message>
    <message>
        <source>time T</source>
        <translation>tempo T</translation>
    </message>
    <message>
        <source>distance S</source>
        <translation>distância S</translation>
    </message>
    <message>
        <source>Distance–time graph: a line from the origin with slope V = %1 reaches the distance S = %2 at the time T = %3.</source>
        <translation>Gráfico distância-tempo: uma reta que sai da origem com inclinação V = %1 atinge a distância S = %2 no tempo T = %3.</translation>
    </message>
    <message>
        <source>price $</source>
        <translation>preço $</translation>
    </message>
    <message>
        <source>before</source>
        <translation>antes</translation>
    </message>
    <message>
        <source>after</source>
        <translation>depois</translation>
    </message>
    <message>
        <source>%1 $ less</source>
        <extracomment>%1 is the amount the price changed by</extracomment>
        <translation>%1 $ a menos</translation>
    </message>
    <message>
        <source>%1 $ more</source>
        <translation>%1 $ a mais</translation>
    </message>
    <message>
        <source>Two bars: the price before, %1 $, and after a decrease of %2 %, %3 $; the change is %4 $.</source>
        <extracomment>%1 is the price before, %2 the percentage, %3 the new price, %4 the amount of the change</extracomment>
        <translation>Duas barras: o preço antes, %1 $, e depois de uma redução de %2 %, %3 $; a variação é de %4 $.</translation>
    </message>
    <message>
        <source>Two bars: the price before, %1 $, and after an increase of %2 %, %3 $; the change is %4 $.</source>
        <translation>Duas barras: o preço antes, %1 $, e depois de um aumento de %2 %, %3 $; a variação é de %4 $.</translation>
    </message>
    <message>
        <source>Distance = speed × time, so the time is T = S ÷ V.</source>
        <translation>Distância = velocidade × tempo, então o tempo é T = S ÷ V.</translation>
    </message>
    <message>
        <source>With S in km and V in km per hour, T is in hours: T %1.</source>
        <extracomment>%1 is &quot;= &quot; or &quot;≈ &quot; and the time in hours, minutes and seconds (&quot;= 3 h 20 min&quot;)</extracomment>
        <translation>Com S em km e V em km por hora, T fica em horas: T %1.</translation>
    </message>
    <message>
        <source>Check: V × T = %1 × %2 = %3, which is S.</source>
        <translation>Verificação: V × T = %1 × %2 = %3, que é S.</translation>
    </message>
    <message>
        <source>Distance = speed × time, so the speed is V = S ÷ T.</source>
        <translation>Distância = velocidade × tempo, então a velocidade é V = S ÷ T.</translation>
    </message>
    <message>
        <source>Distance = speed × time: S = V × T.</source>
        <translation>Distância = velocidade × tempo: S = V × T.</translation>
    </message>
    <message>
        <source>Check: S ÷ T = %1 ÷ %2 = %3, which is V.</source>
        <translation>Verificação: S ÷ T = %1 ÷ %2 = %3, que é V.</translation>
    </message>
    <message>
        <source>The decrease is P percent of the price C: P × C ÷ 100.</source>
        <translation>A redução é P por cento do preço C: P × C ÷ 100.</translation>
    </message>
    <message>
        <source>The increase is P percent of the price C: P × C ÷ 100.</source>
        <translation>O aumento é P por cento do preço C: P × C ÷ 100.</translation>
    </message>
    <message>
        <source>The decrease is %1 × %2 ÷ 100 %3</source>
        <extracomment>%1 is the percentage, %2 the price, %3 &quot;= &quot; and the decrease</extracomment>
        <translation>A redução é %1 × %2 ÷ 100 %3</translation>
    </message>
    <message>
        <source>The increase is %1 × %2 ÷ 100 %3</source>
        <translation>O aumento é %1 × %2 ÷ 100 %3</translation>
    </message>
    <message>
        <source>To the cent the decrease is %1 $.</source>
        <translation>Arredondada ao centavo, a redução é %1 $.</translation>
    </message>
    <message>
        <source>To the cent the increase is %1 $.</source>
        <translation>Arredondado ao centavo, o aumento é %1 $.</translation>
    </message>
    <message>
        <source>The window works the new price from the decrease as it shows it, %1.</source>
        <translation>A janela calcula o novo preço a partir da redução como ela a mostra: %1.</translation>
    </message>
    <message>
        <source>The window works the new price from the increase as it shows it, %1.</source>
        <translation>A janela calcula o novo preço a partir do aumento como ela o mostra: %1.</translation>
    </message>
    <message>
        <source>The new price is C - decrease = %1 - %2 %3</source>
        <extracomment>%1 is the price, %2 the decrease, %3 &quot;= &quot; and the new price</extracomment>
        <translation>O novo preço é C - redução = %1 - %2 %3</translation>
    </message>
    <message>
        <source>The new price is increase + C = %1 + %2 %3</source>
        <translation>O novo preço é aumento + C = %1 + %2 %3</translation>
    </message>
    <message>
        <source>To the cent the new price is %1 $.</source>
        <translation>Arredondado ao centavo, o novo preço é %1 $.</translation>
    </message>
    <message>
        <source>The window does not round to the cent: it shows the numbers it computed.</source>
        <translation>A janela não arredonda ao centavo: ela mostra os números que calculou.</translation>
    </message>
    <message>
        <source>A decrease of 100 percent takes the whole price off: nothing is left to pay.</source>
        <translation>Uma redução de 100 por cento tira o preço inteiro: não sobra nada para pagar.</translation>
    </message>
    <message>
        <source>Check: new price + decrease = %1 + %2 = %3, which is C.</source>
        <translation>Verificação: novo preço + redução = %1 + %2 = %3, que é C.</translation>
    </message>
    <message>
        <source>Check: new price - increase = %1 - %2 = %3, which is C.</source>
        <translation>Verificação: novo preço - aumento = %1 - %2 = %3, que é C.</translation>
    </message>
    <message>
        <source>Every box takes a number above 0: a whole number (3), a decimal (%1), a fraction (1/4) or a mixed number (2/1/4).</source>
        <extracomment>%1 is a decimal as the window writes it (2.5)</extracomment>
        <translation>Cada campo recebe um número maior que 0: um número inteiro (3), um número decimal (%1), uma fração (1/4) ou um número misto (2/1/4).</translation>
    </message>
    <message>
        <source>S is the distance, V the speed and T the time, in units that fit each other (km, km per hour and hours). At a speed of 0 nothing moves, so no time would ever cover a distance.</source>
        <translation>S é a distância, V a velocidade e T o tempo, em unidades que combinam entre si (km, km por hora e horas). Com velocidade 0 nada se move, então nenhum tempo bastaria para percorrer uma distância.</translation>
    </message>
    <message>
        <source>A price problem takes the cost in $ and the percentage; a decrease takes at most 100 percent, since taking off more than the whole price would leave less than nothing to pay.</source>
        <translation>Um problema de preço recebe o preço em $ e a porcentagem; uma redução é de no máximo 100 por cento, pois tirar mais que o preço inteiro deixaria menos que nada para pagar.</translation>
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
        <translation>A porcentagem não pode ser maior que 100!</translation>
    </message>
</context>
</TS>
