<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Form12</name>
    <message>
        <source>Traffic And Percentage Problems</source>
        <translation>Задачі на рух і відсотки</translation>
    </message>
    <message>
        <source>Traffic Problems</source>
        <translation>Задачі на рух</translation>
    </message>
    <message>
        <source>Find T</source>
        <translation>Знайти T</translation>
    </message>
    <message>
        <source>Find V</source>
        <translation>Знайти V</translation>
    </message>
    <message>
        <source>Find S</source>
        <translation>Знайти S</translation>
    </message>
    <message>
        <source>S - The  distance</source>
        <translation>S - відстань</translation>
    </message>
    <message>
        <source>V - The Speed</source>
        <translation>V - швидкість</translation>
    </message>
    <message>
        <source>T - The Time</source>
        <translation>T - час</translation>
    </message>
    <message>
        <source>Percentage Problems</source>
        <translation>Задачі на відсотки</translation>
    </message>
    <message>
        <source>Item cost is</source>
        <translation>Товар коштує</translation>
    </message>
    <message>
        <source>$ , The Item cost was decreased by</source>
        <translation>$. Ціну знизили на</translation>
    </message>
    <message>
        <source>percent. </source>
        <translation>відсотків.</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Розв&apos;язати</translation>
    </message>
    <message>
        <source>The new price is</source>
        <translation>Нова ціна:</translation>
    </message>
    <message>
        <source>The Item cost was decreased by</source>
        <translation>Ціну знизили на</translation>
    </message>
    <message>
        <source>$ , The Item cost was increased by</source>
        <translation>$. Ціну підвищили на</translation>
    </message>
    <message>
        <source>The Item cost was increased by</source>
        <translation>Ціну підвищили на</translation>
    </message>
</context>
<context>
    <name>TrafficWorking</name>
    <message>
        <source>%1 = %2, that is %3 %4</source>
        <extracomment>%1 is a letter (S, V, T), %2 a mixed number as typed (2/1/4), %3 the same as a pupil writes it (2 1/4), %4 &quot;= &quot; and its decimal</extracomment>
        <translation>%1 = %2, тобто %3 %4</translation>
    </message>
    <message>
        <source>time T</source>
        <translation>час T</translation>
    </message>
    <message>
        <source>distance S</source>
        <translation>відстань S</translation>
    </message>
    <message>
        <source>Distance–time graph: a line from the origin with slope V = %1 reaches the distance S = %2 at the time T = %3.</source>
        <translation>Графік руху (відстань–час): пряма з початку координат із кутовим коефіцієнтом V = %1 досягає відстані S = %2 в момент часу T = %3.</translation>
    </message>
    <message>
        <source>price $</source>
        <translation>ціна $</translation>
    </message>
    <message>
        <source>before</source>
        <translation>до</translation>
    </message>
    <message>
        <source>after</source>
        <translation>після</translation>
    </message>
    <message>
        <source>%1 $ less</source>
        <extracomment>%1 is the amount the price changed by</extracomment>
        <translation>на %1 $ менше</translation>
    </message>
    <message>
        <source>%1 $ more</source>
        <translation>на %1 $ більше</translation>
    </message>
    <message>
        <source>Two bars: the price before, %1 $, and after a decrease of %2 %, %3 $; the change is %4 $.</source>
        <extracomment>%1 is the price before, %2 the percentage, %3 the new price, %4 the amount of the change</extracomment>
        <translation>Два стовпчики: ціна до зниження, %1 $, і після зниження на %2 %, %3 $; зміна становить %4 $.</translation>
    </message>
    <message>
        <source>Two bars: the price before, %1 $, and after an increase of %2 %, %3 $; the change is %4 $.</source>
        <translation>Два стовпчики: ціна до підвищення, %1 $, і після підвищення на %2 %, %3 $; зміна становить %4 $.</translation>
    </message>
    <message>
        <source>Distance = speed × time, so the time is T = S ÷ V.</source>
        <translation>Відстань = швидкість × час, тому час T = S ÷ V.</translation>
    </message>
    <message>
        <source>With S in km and V in km per hour, T is in hours: T %1.</source>
        <extracomment>%1 is &quot;= &quot; or &quot;≈ &quot; and the time in hours, minutes and seconds (&quot;= 3 h 20 min&quot;)</extracomment>
        <translation>Якщо S у km, а V у km за годину, то T у годинах: T %1.</translation>
    </message>
    <message>
        <source>Check: V × T = %1 × %2 = %3, which is S.</source>
        <translation>Перевірка: V × T = %1 × %2 = %3, а це S.</translation>
    </message>
    <message>
        <source>Distance = speed × time, so the speed is V = S ÷ T.</source>
        <translation>Відстань = швидкість × час, тому швидкість V = S ÷ T.</translation>
    </message>
    <message>
        <source>Distance = speed × time: S = V × T.</source>
        <translation>Відстань = швидкість × час: S = V × T.</translation>
    </message>
    <message>
        <source>Check: S ÷ T = %1 ÷ %2 = %3, which is V.</source>
        <translation>Перевірка: S ÷ T = %1 ÷ %2 = %3, а це V.</translation>
    </message>
    <message>
        <source>The decrease is P percent of the price C: P × C ÷ 100.</source>
        <translation>Зниження становить P відсотків від ціни C: P × C ÷ 100.</translation>
    </message>
    <message>
        <source>The increase is P percent of the price C: P × C ÷ 100.</source>
        <translation>Підвищення становить P відсотків від ціни C: P × C ÷ 100.</translation>
    </message>
    <message>
        <source>The decrease is %1 × %2 ÷ 100 %3</source>
        <extracomment>%1 is the percentage, %2 the price, %3 &quot;= &quot; and the decrease</extracomment>
        <translation>Зниження становить %1 × %2 ÷ 100 %3</translation>
    </message>
    <message>
        <source>The increase is %1 × %2 ÷ 100 %3</source>
        <translation>Підвищення становить %1 × %2 ÷ 100 %3</translation>
    </message>
    <message>
        <source>To the cent the decrease is %1 $.</source>
        <translation>З точністю до цента зниження становить %1 $.</translation>
    </message>
    <message>
        <source>To the cent the increase is %1 $.</source>
        <translation>З точністю до цента підвищення становить %1 $.</translation>
    </message>
    <message>
        <source>The window works the new price from the decrease as it shows it, %1.</source>
        <translation>Вікно обчислює нову ціну із зниження так, як його показує: %1.</translation>
    </message>
    <message>
        <source>The window works the new price from the increase as it shows it, %1.</source>
        <translation>Вікно обчислює нову ціну з підвищення так, як його показує: %1.</translation>
    </message>
    <message>
        <source>The new price is C - decrease = %1 - %2 %3</source>
        <extracomment>%1 is the price, %2 the decrease, %3 &quot;= &quot; and the new price</extracomment>
        <translation>Нова ціна: C - зниження = %1 - %2 %3</translation>
    </message>
    <message>
        <source>The new price is increase + C = %1 + %2 %3</source>
        <translation>Нова ціна: підвищення + C = %1 + %2 %3</translation>
    </message>
    <message>
        <source>To the cent the new price is %1 $.</source>
        <translation>З точністю до цента нова ціна становить %1 $.</translation>
    </message>
    <message>
        <source>The window does not round to the cent: it shows the numbers it computed.</source>
        <translation>Вікно не округлює до цента: воно показує числа, які обчислило.</translation>
    </message>
    <message>
        <source>A decrease of 100 percent takes the whole price off: nothing is left to pay.</source>
        <translation>Зниження на 100 відсотків знімає всю ціну: платити нічого не треба.</translation>
    </message>
    <message>
        <source>Check: new price + decrease = %1 + %2 = %3, which is C.</source>
        <translation>Перевірка: нова ціна + зниження = %1 + %2 = %3, а це C.</translation>
    </message>
    <message>
        <source>Check: new price - increase = %1 - %2 = %3, which is C.</source>
        <translation>Перевірка: нова ціна - підвищення = %1 - %2 = %3, а це C.</translation>
    </message>
    <message>
        <source>Every box takes a number above 0: a whole number (3), a decimal (%1), a fraction (1/4) or a mixed number (2/1/4).</source>
        <extracomment>%1 is a decimal as the window writes it (2.5)</extracomment>
        <translation>У кожне поле вводь число, більше за 0: ціле число (3), десятковий дріб (%1), дріб (1/4) або мішане число (2/1/4).</translation>
    </message>
    <message>
        <source>S is the distance, V the speed and T the time, in units that fit each other (km, km per hour and hours). At a speed of 0 nothing moves, so no time would ever cover a distance.</source>
        <translation>S — відстань, V — швидкість, T — час, в одиницях, що пасують одна до одної (km, km за годину і години). Зі швидкістю 0 ніщо не рухається, тож жодного часу не вистачить, щоб подолати відстань.</translation>
    </message>
    <message>
        <source>A price problem takes the cost in $ and the percentage; a decrease takes at most 100 percent, since taking off more than the whole price would leave less than nothing to pay.</source>
        <translation>Задача про ціну потребує ціни в $ і відсотка; зниження становить щонайбільше 100 відсотків, бо якщо зняти більше за всю ціну, платити довелося б менше ніж нічого.</translation>
    </message>
    <message>
        <source>S = 100, V = 40, Find T:</source>
        <extracomment>the example worked out; &quot;Find T&quot; is the button, translated as on the button</extracomment>
        <translation>S = 100, V = 40, Знайти T:</translation>
    </message>
</context>
<context>
    <name>sb::Form12</name>
    <message>
        <source>The percentage must be smaller then 100!!!.</source>
        <translation>Відсоток не може бути більшим за 100!</translation>
    </message>
</context>
</TS>
