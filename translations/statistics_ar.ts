<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Form5</name>
    <message>
        <source>Fill in the numbers separated by space in form:  1 4 65 898 5 2 6 88</source>
        <translation>اكتب القيم مفصولة بمسافات، مثل: 1 4 65 898 5 2 6 88</translation>
    </message>
    <message>
        <source>Fill in the weight according to the order of the numbers above in form 9 8 3 1 7 6 9 1 </source>
        <translation>اكتب وزن كل قيمة بترتيب القيم في الخانة العليا، مثل: 9 8 3 1 7 6 9 1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>الإحصاء</translation>
    </message>
    <message>
        <source>If You Dont Have weight , Dont Fill In the lower filed and the weights will be set to 1.</source>
        <translation>إذا لم يكن هناك وزن فاترك الخانة السفلى فارغة، ويكون كل وزن 1.</translation>
    </message>
    <message>
        <source>Calculate Mean</source>
        <translation>احسب الوسط الحسابي</translation>
    </message>
    <message>
        <source>Calculate Variance</source>
        <translation>احسب التباين</translation>
    </message>
    <message>
        <source>w1*(a1-average)^2+w2*(a2-average)^2+ ... +wn*(an-average^2)</source>
        <translation>w1*(a1-x̄)^2+w2*(a2-x̄)^2+ ... +wn*(an-x̄^2)</translation>
    </message>
    <message>
        <source>Calculate Standard-Deviation</source>
        <translation>احسب الانحراف المعياري</translation>
    </message>
    <message>
        <source>Root(Different)</source>
        <translation>جذر(التباين)</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>الناتج</translation>
    </message>
</context>
<context>
    <name>SharedStatisticsWorking</name>
    <message>
        <source>%1 to 15 digits</source>
        <extracomment>%1 is a decimal written out to 15 significant digits</extracomment>
        <translation>%1 (مقرَّبًا إلى 15 رقمًا)</translation>
    </message>
    <message>
        <source>The window writes this as %1: E%2 means × 10%3.</source>
        <extracomment>%1 is a number as the window shows it (2E+25), %2 its power of ten (+25), %3 that power as a superscript</extracomment>
        <translation>تكتب النافذة هذا العدد هكذا: %1، حيث E%2 تعني × 10%3.</translation>
    </message>
    <message>
        <source>The window writes this as %1: E%2 means × 10%3, so %1 is %4.</source>
        <extracomment>%1 is a number as the window shows it (2E-06), %2 its power of ten (-06), %3 that power as a superscript, %4 the number written out (0.000002)</extracomment>
        <translation>تكتب النافذة هذا العدد هكذا: %1، حيث E%2 تعني × 10%3، إذن %1 يساوي %4.</translation>
    </message>
</context>
<context>
    <name>StatisticsLists</name>
    <message>
        <source>Number Of Elements In Both Fileds Must Be Equals. If There Is No Weight Leave The Weight Filed Empty!</source>
        <translation>يجب أن يكون عدد الأعداد في الخانتين متساويًا. إذا لم تكن هناك أوزان فاترك خانة الأوزان فارغة!</translation>
    </message>
    <message>
        <source>Please Fill The Numbers Filed, It Is Empty!!!</source>
        <translation>خانة الأعداد فارغة. أدخل الأعداد!</translation>
    </message>
</context>
<context>
    <name>StatisticsWorking</name>
    <message>
        <source>Bar chart of the %1 values from %2 to %3, one bar for each of the %4 different values, as high as its total weight; the mean %5 is marked.</source>
        <extracomment>%1 is the count of values, %2 the smallest, %3 the largest, %4 the count of different values, %5 the mean</extracomment>
        <translation>تمثيل بالأعمدة للقيم (عددها %1) من %2 إلى %3، بعمود لكل قيمة من القيم المختلفة (عددها %4)، ارتفاعه مجموع أوزانها؛ والوسط الحسابي %5 معلَّم.</translation>
    </message>
    <message>
        <source>Bar chart of the %1 values from %2 to %3, one bar for each of the %4 different values, as high as the number of times it occurs; the mean %5 is marked.</source>
        <translation>تمثيل بالأعمدة للقيم (عددها %1) من %2 إلى %3، بعمود لكل قيمة من القيم المختلفة (عددها %4)، ارتفاعه عدد مرات تكرارها؛ والوسط الحسابي %5 معلَّم.</translation>
    </message>
    <message>
        <source>Histogram of the %1 values from %2 to %3 in %4 bins of width %5 (Sturges&apos; rule: 1 + log2 of the number of values bins, the width rounded up to 1, 2 or 5 times a power of ten), each bar as high as the total weight in its bin; the mean %6 is marked.</source>
        <extracomment>%1 is the count of values, %2 the smallest, %3 the largest, %4 the count of bins, %5 their width, %6 the mean</extracomment>
        <translation>مدرج تكراري للقيم (عددها %1) من %2 إلى %3 في فئات عددها %4 وطول كل منها %5 (قاعدة ستيرجس: عدد الفئات = 1 + log2 لعدد القيم، وطول الفئة مقرَّب إلى الأعلى إلى 1 أو 2 أو 5 مضروبًا في قوة للعدد عشرة)، وارتفاع كل عمود مجموع الأوزان في فئته؛ والوسط الحسابي %6 معلَّم.</translation>
    </message>
    <message>
        <source>Histogram of the %1 values from %2 to %3 in %4 bins of width %5 (Sturges&apos; rule: 1 + log2 of the number of values bins, the width rounded up to 1, 2 or 5 times a power of ten), each bar as high as the number of values in its bin; the mean %6 is marked.</source>
        <translation>مدرج تكراري للقيم (عددها %1) من %2 إلى %3 في فئات عددها %4 وطول كل منها %5 (قاعدة ستيرجس: عدد الفئات = 1 + log2 لعدد القيم، وطول الفئة مقرَّب إلى الأعلى إلى 1 أو 2 أو 5 مضروبًا في قوة للعدد عشرة)، وارتفاع كل عمود عدد القيم في فئته؛ والوسط الحسابي %6 معلَّم.</translation>
    </message>
    <message>
        <source>count</source>
        <translation>التكرار</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>الوزن</translation>
    </message>
    <message>
        <source>value</source>
        <translation>القيمة</translation>
    </message>
    <message>
        <source>mean %1</source>
        <extracomment>the label of the mean&apos;s line in the figure; %1 is the mean</extracomment>
        <translation>الوسط الحسابي %1</translation>
    </message>
    <message>
        <source>The values lie too far apart, or weigh too much, to be drawn to scale; only the mean is marked.</source>
        <translation>القيم متباعدة جدًا أو أوزانها كبيرة جدًا فلا يمكن رسمها بمقياس رسم؛ لذلك عُلِّم الوسط الحسابي وحده.</translation>
    </message>
    <message>
        <source>The mean %1 on a number line.</source>
        <translation>الوسط الحسابي %1 على خط الأعداد.</translation>
    </message>
    <message>
        <source>The band from mean - σ to mean + σ is hatched, %1.</source>
        <extracomment>%1 is the standard deviation, or the variance and the standard deviation, as formulas (&quot;σ = 2&quot;, &quot;σ² = 4, σ = 2&quot;)</extracomment>
        <translation>الشريط من الوسط - σ إلى الوسط + σ مظلَّل، %1.</translation>
    </message>
    <message>
        <source>The mean is %1</source>
        <translation>الوسط الحسابي يساوي %1</translation>
    </message>
    <message>
        <source>The variance is %1</source>
        <translation>التباين يساوي %1</translation>
    </message>
    <message>
        <source>The standard deviation is %1</source>
        <translation>الانحراف المعياري يساوي %1</translation>
    </message>
    <message>
        <source>The mean adds value × weight for every value and divides by the sum of the weights.</source>
        <translation>لحساب الوسط الحسابي نجمع القيمة × الوزن لكل قيمة ثم نقسم على مجموع الأوزان.</translation>
    </message>
    <message>
        <source>Sum of value × weight over the %1 value: %2</source>
        <extracomment>%1 is 1, the count of values; %2 the sum</extracomment>
        <translation>مجموع القيمة × الوزن لقيمة واحدة (%1): %2</translation>
    </message>
    <message numerus="yes">
        <source>Sum of value × weight over the %1 values: %2</source>
        <translation>
            <numerusform>مجموع القيمة × الوزن للقيم (عددها %1): %2</numerusform>
            <numerusform>مجموع القيمة × الوزن للقيم (عددها %1): %2</numerusform>
            <numerusform>مجموع القيمة × الوزن للقيم (عددها %1): %2</numerusform>
            <numerusform>مجموع القيمة × الوزن للقيم (عددها %1): %2</numerusform>
            <numerusform>مجموع القيمة × الوزن للقيم (عددها %1): %2</numerusform>
            <numerusform>مجموع القيمة × الوزن للقيم (عددها %1): %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Sum of the weights: %1</source>
        <translation>مجموع الأوزان: %1</translation>
    </message>
    <message>
        <source>The mean adds the values and divides by how many there are.</source>
        <translation>لحساب الوسط الحسابي نجمع القيم ثم نقسم على عددها.</translation>
    </message>
    <message>
        <source>Sum of the %1 value: %2</source>
        <extracomment>%1 is 1, the count of values; %2 the sum</extracomment>
        <translation>مجموع قيمة واحدة (%1): %2</translation>
    </message>
    <message numerus="yes">
        <source>Sum of the %1 values: %2</source>
        <translation>
            <numerusform>مجموع القيم (عددها %1): %2</numerusform>
            <numerusform>مجموع القيم (عددها %1): %2</numerusform>
            <numerusform>مجموع القيم (عددها %1): %2</numerusform>
            <numerusform>مجموع القيم (عددها %1): %2</numerusform>
            <numerusform>مجموع القيم (عددها %1): %2</numerusform>
            <numerusform>مجموع القيم (عددها %1): %2</numerusform>
        </translation>
    </message>
    <message>
        <source>With no weights every value counts once, so the total weight is %1</source>
        <translation>بلا أوزان تُحسب كل قيمة مرة واحدة، فمجموع الأوزان %1</translation>
    </message>
    <message>
        <source>The weights add up to exactly 0, so the mean has no value: nothing can be divided by 0.</source>
        <translation>مجموع الأوزان يساوي 0 تمامًا، فليس للوسط الحسابي قيمة: لا يمكن القسمة على 0.</translation>
    </message>
    <message>
        <source>The window adds the weights with rounding, gets %1 and divides by that, so its answer %2 comes from rounding alone.</source>
        <extracomment>%1 is the rounded sum of the weights, %2 the window&apos;s answer</extracomment>
        <translation>تجمع النافذة الأوزان مع التقريب فتحصل على %1 وتقسم عليه، فناتجها %2 سببه التقريب وحده.</translation>
    </message>
    <message>
        <source>Mean = %1 ÷ %2 %3</source>
        <extracomment>%1 is the sum, %2 the sum of the weights, %3 &quot;= &quot; and the mean</extracomment>
        <translation>الوسط الحسابي = %1 ÷ %2 %3</translation>
    </message>
    <message>
        <source>The variance is the mean of the squared distances from the mean, each counted by its weight:</source>
        <translation>التباين هو الوسط الحسابي لمربعات الانحرافات عن الوسط الحسابي، كل منها محسوب بوزنه:</translation>
    </message>
    <message>
        <source>The variance is the mean of the squared distances from the mean:</source>
        <translation>التباين هو الوسط الحسابي لمربعات الانحرافات عن الوسط الحسابي:</translation>
    </message>
    <message>
        <source>%1; squared × %2: %3</source>
        <translation>%1؛ مربعه × %2: %3</translation>
    </message>
    <message>
        <source>%1; squared × %2 ≈ %3</source>
        <translation>%1؛ مربعه × %2 ≈ %3</translation>
    </message>
    <message>
        <source>%1; squared: %2</source>
        <translation>%1؛ مربعه: %2</translation>
    </message>
    <message>
        <source>%1; squared ≈ %2</source>
        <translation>%1؛ مربعه ≈ %2</translation>
    </message>
    <message>
        <source>Check: the distances from the mean, each × its weight, add up to 0: %1 = 0</source>
        <translation>التحقق: مجموع الانحرافات عن الوسط الحسابي، كل منها × وزنه، يساوي 0: %1 = 0</translation>
    </message>
    <message>
        <source>Check: the distances from the mean add up to 0: %1 = 0</source>
        <translation>التحقق: مجموع الانحرافات عن الوسط الحسابي يساوي 0: %1 = 0</translation>
    </message>
    <message>
        <source>… %1 more value</source>
        <extracomment>the rows of the table left out; %1 is 1</extracomment>
        <translation>… وقيمة أخرى واحدة (%1)</translation>
    </message>
    <message numerus="yes">
        <source>… %1 more values</source>
        <translation>
            <numerusform>… وقيم أخرى عددها %1</numerusform>
            <numerusform>… وقيم أخرى عددها %1</numerusform>
            <numerusform>… وقيم أخرى عددها %1</numerusform>
            <numerusform>… وقيم أخرى عددها %1</numerusform>
            <numerusform>… وقيم أخرى عددها %1</numerusform>
            <numerusform>… وقيم أخرى عددها %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Sum of the squares × weights: %1</source>
        <translation>مجموع المربعات × الأوزان: %1</translation>
    </message>
    <message>
        <source>Sum of the squares × weights ≈ %1</source>
        <translation>مجموع المربعات × الأوزان ≈ %1</translation>
    </message>
    <message>
        <source>Sum of the squares: %1</source>
        <translation>مجموع المربعات: %1</translation>
    </message>
    <message>
        <source>Sum of the squares ≈ %1</source>
        <translation>مجموع المربعات ≈ %1</translation>
    </message>
    <message>
        <source>Variance = %1 ÷ %2 %3</source>
        <extracomment>%1 is the sum of the squares, %2 the sum of the weights, %3 &quot;= &quot; and the variance</extracomment>
        <translation>التباين = %1 ÷ %2 %3</translation>
    </message>
    <message>
        <source>A negative weight made the variance negative, so it has no square root: there is no standard deviation.</source>
        <translation>جعل وزنٌ سالب التباينَ سالبًا، فليس له جذر تربيعي: لا يوجد انحراف معياري.</translation>
    </message>
    <message>
        <source>Standard deviation σ = √%1 %2</source>
        <extracomment>%1 is the variance, %2 &quot;= &quot; and its root</extracomment>
        <translation>الانحراف المعياري σ = √%1 %2</translation>
    </message>
    <message>
        <source>Standard deviation σ = √%1 ≈ %2</source>
        <translation>الانحراف المعياري σ = √%1 ≈ %2</translation>
    </message>
    <message>
        <source>The numbers box takes the values separated by single blanks, such as 1 4 65 898.</source>
        <translation>تُكتب القيم في خانة الأعداد مفصولة بمسافة واحدة، مثل 1 4 65 898.</translation>
    </message>
    <message>
        <source>Each value may be %1; it counts as its decimal to 15 digits.</source>
        <extracomment>%1 lists the forms a typed value may take (&quot;a whole number, a decimal, ...&quot;)</extracomment>
        <translation>يمكن أن تكون كل قيمة %1؛ وتُحسب بعددها العشري مقرَّبًا إلى 15 رقمًا.</translation>
    </message>
    <message>
        <source>The weights box stays empty (every weight is 1), or takes one weight per value, in the same order.</source>
        <translation>تبقى خانة الأوزان فارغة (كل وزن 1)، أو يُكتب فيها وزن لكل قيمة بالترتيب نفسه.</translation>
    </message>
    <message>
        <source>Numbers 2 4 4 4 5 5 7 9, Calculate Standard-Deviation:</source>
        <extracomment>the example worked out; &quot;Calculate Standard-Deviation&quot; is the button, translated as on the button</extracomment>
        <translation>الأعداد 2 4 4 4 5 5 7 9، احسب الانحراف المعياري:</translation>
    </message>
    <message>
        <source>A column or a row copied from a spreadsheet can be pasted into either box: its line breaks and tabs become blanks.</source>
        <translation>يمكنك أن تلصق في أيٍّ من الخانتين عمودًا أو صفًا منسوخًا من جدول بيانات: تصبح فواصل الأسطر وعلامات الجدولة مسافات.</translation>
    </message>
    <message>
        <source>A .txt or .csv file dropped on a box gives its values; commas between values count as blanks.</source>
        <translation>ملف ‎.txt أو ‎.csv تُفلته على خانة يعطي قيمه؛ والفواصل بين القيم تُعدّ مسافات.</translation>
    </message>
</context>
</TS>
