<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Form12</name>
    <message>
        <source>Traffic And Percentage Problems</source>
        <translation>مسائل الحركة والنسبة المئوية</translation>
    </message>
    <message>
        <source>Traffic Problems</source>
        <translation>مسائل الحركة</translation>
    </message>
    <message>
        <source>Find T</source>
        <translation>أوجد T</translation>
    </message>
    <message>
        <source>Find V</source>
        <translation>أوجد V</translation>
    </message>
    <message>
        <source>Find S</source>
        <translation>أوجد S</translation>
    </message>
    <message>
        <source>S - The  distance</source>
        <translation>S - المسافة</translation>
    </message>
    <message>
        <source>V - The Speed</source>
        <translation>V - السرعة</translation>
    </message>
    <message>
        <source>T - The Time</source>
        <translation>T - الزمن</translation>
    </message>
    <message>
        <source>Percentage Problems</source>
        <translation>مسائل النسبة المئوية</translation>
    </message>
    <message>
        <source>Item cost is</source>
        <translation>سعر السلعة</translation>
    </message>
    <message>
        <source>$ , The Item cost was decreased by</source>
        <translation>$، وانخفض سعرها بنسبة</translation>
    </message>
    <message>
        <source>percent. </source>
        <translation>بالمئة.</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>حُلّ</translation>
    </message>
    <message>
        <source>The new price is</source>
        <translation>السعر الجديد</translation>
    </message>
    <message>
        <source>The Item cost was decreased by</source>
        <translation>انخفض السعر بمقدار</translation>
    </message>
    <message>
        <source>$ , The Item cost was increased by</source>
        <translation>$، وارتفع سعرها بنسبة</translation>
    </message>
    <message>
        <source>The Item cost was increased by</source>
        <translation>ارتفع السعر بمقدار</translation>
    </message>
</context>
<context>
    <name>TrafficWorking</name>
    <message>
        <source>%1 = %2, that is %3 %4</source>
        <extracomment>%1 is a letter (S, V, T), %2 a mixed number as typed (2/1/4), %3 the same as a pupil writes it (2 1/4), %4 &quot;= &quot; and its decimal</extracomment>
        <translation>%1 = %2، أي %3 %4</translation>
    </message>
    <message>
        <source>time T</source>
        <translation>الزمن T</translation>
    </message>
    <message>
        <source>distance S</source>
        <translation>المسافة S</translation>
    </message>
    <message>
        <source>Distance–time graph: a line from the origin with slope V = %1 reaches the distance S = %2 at the time T = %3.</source>
        <translation>التمثيل البياني للمسافة والزمن: مستقيم يمر بنقطة الأصل ميله V = %1 يبلغ المسافة S = %2 عند الزمن T = %3.</translation>
    </message>
    <message>
        <source>price $</source>
        <translation>السعر $</translation>
    </message>
    <message>
        <source>before</source>
        <translation>قبل</translation>
    </message>
    <message>
        <source>after</source>
        <translation>بعد</translation>
    </message>
    <message>
        <source>%1 $ less</source>
        <extracomment>%1 is the amount the price changed by</extracomment>
        <translation>أقل بـ %1 $</translation>
    </message>
    <message>
        <source>%1 $ more</source>
        <translation>أكثر بـ %1 $</translation>
    </message>
    <message>
        <source>Two bars: the price before, %1 $, and after a decrease of %2 %, %3 $; the change is %4 $.</source>
        <extracomment>%1 is the price before, %2 the percentage, %3 the new price, %4 the amount of the change</extracomment>
        <translation>عمودان: السعر قبل الانخفاض %1 $، وبعد انخفاض بنسبة %2 % يصبح %3 $؛ ومقدار التغير %4 $.</translation>
    </message>
    <message>
        <source>Two bars: the price before, %1 $, and after an increase of %2 %, %3 $; the change is %4 $.</source>
        <translation>عمودان: السعر قبل الارتفاع %1 $، وبعد ارتفاع بنسبة %2 % يصبح %3 $؛ ومقدار التغير %4 $.</translation>
    </message>
    <message>
        <source>Distance = speed × time, so the time is T = S ÷ V.</source>
        <translation>المسافة = السرعة × الزمن، إذن الزمن T = S ÷ V.</translation>
    </message>
    <message>
        <source>With S in km and V in km per hour, T is in hours: T %1.</source>
        <extracomment>%1 is &quot;= &quot; or &quot;≈ &quot; and the time in hours, minutes and seconds (&quot;= 3 h 20 min&quot;)</extracomment>
        <translation>إذا كانت S بـ km وV بـ km في الساعة، فإن T بالساعات: T %1.</translation>
    </message>
    <message>
        <source>Check: V × T = %1 × %2 = %3, which is S.</source>
        <translation>التحقق: V × T = %1 × %2 = %3، وهذا هو S.</translation>
    </message>
    <message>
        <source>Distance = speed × time, so the speed is V = S ÷ T.</source>
        <translation>المسافة = السرعة × الزمن، إذن السرعة V = S ÷ T.</translation>
    </message>
    <message>
        <source>Distance = speed × time: S = V × T.</source>
        <translation>المسافة = السرعة × الزمن: S = V × T.</translation>
    </message>
    <message>
        <source>Check: S ÷ T = %1 ÷ %2 = %3, which is V.</source>
        <translation>التحقق: S ÷ T = %1 ÷ %2 = %3، وهذا هو V.</translation>
    </message>
    <message>
        <source>The decrease is P percent of the price C: P × C ÷ 100.</source>
        <translation>مقدار الانخفاض P بالمئة من السعر C: P × C ÷ 100.</translation>
    </message>
    <message>
        <source>The increase is P percent of the price C: P × C ÷ 100.</source>
        <translation>مقدار الارتفاع P بالمئة من السعر C: P × C ÷ 100.</translation>
    </message>
    <message>
        <source>The decrease is %1 × %2 ÷ 100 %3</source>
        <extracomment>%1 is the percentage, %2 the price, %3 &quot;= &quot; and the decrease</extracomment>
        <translation>مقدار الانخفاض %1 × %2 ÷ 100 %3</translation>
    </message>
    <message>
        <source>The increase is %1 × %2 ÷ 100 %3</source>
        <translation>مقدار الارتفاع %1 × %2 ÷ 100 %3</translation>
    </message>
    <message>
        <source>To the cent the decrease is %1 $.</source>
        <translation>مقرَّبًا إلى السنت، مقدار الانخفاض %1 $.</translation>
    </message>
    <message>
        <source>To the cent the increase is %1 $.</source>
        <translation>مقرَّبًا إلى السنت، مقدار الارتفاع %1 $.</translation>
    </message>
    <message>
        <source>The window works the new price from the decrease as it shows it, %1.</source>
        <translation>تحسب النافذة السعر الجديد من مقدار الانخفاض كما تعرضه: %1.</translation>
    </message>
    <message>
        <source>The window works the new price from the increase as it shows it, %1.</source>
        <translation>تحسب النافذة السعر الجديد من مقدار الارتفاع كما تعرضه: %1.</translation>
    </message>
    <message>
        <source>The new price is C - decrease = %1 - %2 %3</source>
        <extracomment>%1 is the price, %2 the decrease, %3 &quot;= &quot; and the new price</extracomment>
        <translation>السعر الجديد = C - الانخفاض = %1 - %2 %3</translation>
    </message>
    <message>
        <source>The new price is increase + C = %1 + %2 %3</source>
        <translation>السعر الجديد = الارتفاع + C = %1 + %2 %3</translation>
    </message>
    <message>
        <source>To the cent the new price is %1 $.</source>
        <translation>مقرَّبًا إلى السنت، السعر الجديد %1 $.</translation>
    </message>
    <message>
        <source>The window does not round to the cent: it shows the numbers it computed.</source>
        <translation>لا تقرِّب النافذة إلى السنت: إنها تعرض الأعداد التي حسبتها.</translation>
    </message>
    <message>
        <source>A decrease of 100 percent takes the whole price off: nothing is left to pay.</source>
        <translation>الانخفاض بنسبة 100 بالمئة يُسقط السعر كله: لا يبقى شيء للدفع.</translation>
    </message>
    <message>
        <source>Check: new price + decrease = %1 + %2 = %3, which is C.</source>
        <translation>التحقق: السعر الجديد + الانخفاض = %1 + %2 = %3، وهذا هو C.</translation>
    </message>
    <message>
        <source>Check: new price - increase = %1 - %2 = %3, which is C.</source>
        <translation>التحقق: السعر الجديد - الارتفاع = %1 - %2 = %3، وهذا هو C.</translation>
    </message>
    <message>
        <source>Every box takes a number above 0: a whole number (3), a decimal (%1), a fraction (1/4) or a mixed number (2/1/4).</source>
        <extracomment>%1 is a decimal as the window writes it (2.5)</extracomment>
        <translation>تقبل كل خانة عددًا أكبر من 0: عددًا صحيحًا (3) أو عددًا عشريًا (%1) أو كسرًا (1/4) أو عددًا كسريًا (2/1/4).</translation>
    </message>
    <message>
        <source>S is the distance, V the speed and T the time, in units that fit each other (km, km per hour and hours). At a speed of 0 nothing moves, so no time would ever cover a distance.</source>
        <translation>S هي المسافة وV السرعة وT الزمن، بوحدات متوافقة (km وkm في الساعة والساعات). عند السرعة 0 لا يتحرك شيء، فلا يكفي أي زمن لقطع أي مسافة.</translation>
    </message>
    <message>
        <source>A price problem takes the cost in $ and the percentage; a decrease takes at most 100 percent, since taking off more than the whole price would leave less than nothing to pay.</source>
        <translation>تأخذ مسألة السعر السعرَ بـ $ والنسبة المئوية؛ ولا يزيد الانخفاض على 100 بالمئة، لأن إسقاط أكثر من السعر كله يترك للدفع أقل من لا شيء.</translation>
    </message>
    <message>
        <source>S = 100, V = 40, Find T:</source>
        <extracomment>the example worked out; &quot;Find T&quot; is the button, translated as on the button</extracomment>
        <translation>S = 100, V = 40، أوجد T:</translation>
    </message>
</context>
<context>
    <name>sb::Form12</name>
    <message>
        <source>The percentage must be smaller then 100!!!.</source>
        <translation>يجب ألا تزيد النسبة المئوية على 100!</translation>
    </message>
</context>
</TS>
