<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Form6</name>
    <message>
        <source>Arithmetic And Geometric Progression</source>
        <translation>المتتاليات الحسابية والهندسية</translation>
    </message>
    <message>
        <source>Arithmetic Progression</source>
        <translation>المتتالية الحسابية</translation>
    </message>
    <message>
        <source>Find Sn</source>
        <translation>أوجد Sn</translation>
    </message>
    <message>
        <source>Find An</source>
        <translation>أوجد An</translation>
    </message>
    <message>
        <source>Find D</source>
        <translation>أوجد D</translation>
    </message>
    <message>
        <source>Find N</source>
        <translation>أوجد N</translation>
    </message>
    <message>
        <source>Geometric Progression</source>
        <translation>المتتالية الهندسية</translation>
    </message>
    <message>
        <source>Find Sn (Infinite Progression)</source>
        <translation>أوجد Sn (متتالية لا نهائية)</translation>
    </message>
    <message>
        <source>Find Q</source>
        <translation>أوجد Q</translation>
    </message>
    <message>
        <source>A1 - First Element</source>
        <translation>A1 - الحد رقم 1</translation>
    </message>
    <message>
        <source>An - Last Element</source>
        <translation>An - الحد رقم N</translation>
    </message>
    <message>
        <source>N - Number Of Elements</source>
        <translation>N - عدد الحدود</translation>
    </message>
    <message>
        <source>D - Arithmetic Jump Size</source>
        <translation>D - الفرق بين حدين متتاليين</translation>
    </message>
    <message>
        <source>Q - Geometric Jump Size</source>
        <translation>Q - النسبة بين حدين متتاليين</translation>
    </message>
</context>
<context>
    <name>ProgressionsWorking</name>
    <message>
        <source>The box keeps %1 characters, so %2 is read as %3</source>
        <extracomment>%1 is the number of characters, %2 the letter of the box (A1, N), %3 what it shows</extracomment>
        <translation>تتسع الخانة لـ %1 أحرف، لذلك يُقرأ %2 على أنه %3</translation>
    </message>
    <message>
        <source>%1 = %2, written back into its box as %3</source>
        <translation>%1 = %2، وأُعيدت كتابته في خانته على الصورة %3</translation>
    </message>
    <message>
        <source>term</source>
        <extracomment>the name of the chart&apos;s upright axis, the value of a term</extracomment>
        <translation>الحد</translation>
    </message>
    <message>
        <source>term %1</source>
        <extracomment>under the first bar after the gap: the number of its term</extracomment>
        <translation>الحد %1</translation>
    </message>
    <message>
        <source>Terms %1 to %2 are left out at the gap; the bars after it are the last %3 terms, %4 to %5.</source>
        <translation>حُذفت الحدود من %1 إلى %2 عند الفجوة؛ والأعمدة بعدها هي آخر %3 حدًا، من %4 إلى %5.</translation>
    </message>
    <message>
        <source>The 1 term of the arithmetic progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>الحد الوحيد في المتتالية الحسابية، من %1 إلى %2، على شكل عمود؛ والحد الأخير An يساوي %3.</translation>
    </message>
    <message>
        <source>The 1 term of the arithmetic progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>الحد الوحيد في المتتالية الحسابية، من %1 إلى %2، على شكل عمود مظلل: المجموع Sn يساوي %3.</translation>
    </message>
    <message>
        <source>The 1 term of the geometric progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>الحد الوحيد في المتتالية الهندسية، من %1 إلى %2، على شكل عمود؛ والحد الأخير An يساوي %3.</translation>
    </message>
    <message>
        <source>The 1 term of the geometric progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>الحد الوحيد في المتتالية الهندسية، من %1 إلى %2، على شكل عمود مظلل: المجموع Sn يساوي %3.</translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the arithmetic progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>
            <numerusform>حدود المتتالية الحسابية وعددها %n، من %1 إلى %2، على شكل أعمدة؛ والحد الأخير An يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الحسابية وعددها %n، من %1 إلى %2، على شكل أعمدة؛ والحد الأخير An يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الحسابية وعددها %n، من %1 إلى %2، على شكل أعمدة؛ والحد الأخير An يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الحسابية وعددها %n، من %1 إلى %2، على شكل أعمدة؛ والحد الأخير An يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الحسابية وعددها %n، من %1 إلى %2، على شكل أعمدة؛ والحد الأخير An يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الحسابية وعددها %n، من %1 إلى %2، على شكل أعمدة؛ والحد الأخير An يساوي %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the arithmetic progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>
            <numerusform>حدود المتتالية الحسابية وعددها %n، من %1 إلى %2، على شكل أعمدة مظللة كلها: مجموعها Sn يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الحسابية وعددها %n، من %1 إلى %2، على شكل أعمدة مظللة كلها: مجموعها Sn يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الحسابية وعددها %n، من %1 إلى %2، على شكل أعمدة مظللة كلها: مجموعها Sn يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الحسابية وعددها %n، من %1 إلى %2، على شكل أعمدة مظللة كلها: مجموعها Sn يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الحسابية وعددها %n، من %1 إلى %2، على شكل أعمدة مظللة كلها: مجموعها Sn يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الحسابية وعددها %n، من %1 إلى %2، على شكل أعمدة مظللة كلها: مجموعها Sn يساوي %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the geometric progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>
            <numerusform>حدود المتتالية الهندسية وعددها %n، من %1 إلى %2، على شكل أعمدة؛ والحد الأخير An يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الهندسية وعددها %n، من %1 إلى %2، على شكل أعمدة؛ والحد الأخير An يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الهندسية وعددها %n، من %1 إلى %2، على شكل أعمدة؛ والحد الأخير An يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الهندسية وعددها %n، من %1 إلى %2، على شكل أعمدة؛ والحد الأخير An يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الهندسية وعددها %n، من %1 إلى %2، على شكل أعمدة؛ والحد الأخير An يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الهندسية وعددها %n، من %1 إلى %2، على شكل أعمدة؛ والحد الأخير An يساوي %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the geometric progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>
            <numerusform>حدود المتتالية الهندسية وعددها %n، من %1 إلى %2، على شكل أعمدة مظللة كلها: مجموعها Sn يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الهندسية وعددها %n، من %1 إلى %2، على شكل أعمدة مظللة كلها: مجموعها Sn يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الهندسية وعددها %n، من %1 إلى %2، على شكل أعمدة مظللة كلها: مجموعها Sn يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الهندسية وعددها %n، من %1 إلى %2، على شكل أعمدة مظللة كلها: مجموعها Sn يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الهندسية وعددها %n، من %1 إلى %2، على شكل أعمدة مظللة كلها: مجموعها Sn يساوي %3.</numerusform>
            <numerusform>حدود المتتالية الهندسية وعددها %n، من %1 إلى %2، على شكل أعمدة مظللة كلها: مجموعها Sn يساوي %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the arithmetic progression from %3 to %4 as bars; the last one, An, is %5.</source>
        <translation>الحدود الأولى والأخيرة من المتتالية الحسابية، %1 من كل طرف من أصل %2، من %3 إلى %4، على شكل أعمدة؛ والحد الأخير An يساوي %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the arithmetic progression from %3 to %4 as bars, all shaded: their sum Sn is %5.</source>
        <translation>الحدود الأولى والأخيرة من المتتالية الحسابية، %1 من كل طرف من أصل %2، من %3 إلى %4، على شكل أعمدة مظللة كلها: مجموعها Sn يساوي %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the geometric progression from %3 to %4 as bars; the last one, An, is %5.</source>
        <translation>الحدود الأولى والأخيرة من المتتالية الهندسية، %1 من كل طرف من أصل %2، من %3 إلى %4، على شكل أعمدة؛ والحد الأخير An يساوي %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the geometric progression from %3 to %4 as bars, all shaded: their sum Sn is %5.</source>
        <translation>الحدود الأولى والأخيرة من المتتالية الهندسية، %1 من كل طرف من أصل %2، من %3 إلى %4، على شكل أعمدة مظللة كلها: مجموعها Sn يساوي %5.</translation>
    </message>
    <message>
        <source>N = %1 is not a whole number of terms from 1 up, so there are no terms to draw.</source>
        <translation>N = %1 ليس عددًا صحيحًا من الحدود يبدأ من 1، لذلك لا توجد حدود لرسمها.</translation>
    </message>
    <message>
        <source>The terms are %1.</source>
        <translation>الحدود هي %1.</translation>
    </message>
    <message>
        <source>The shaded trapezoid is N wide and on average (A1 + An) ÷ 2 high, so its area is the sum.</source>
        <translation>شبه المنحرف المظلل عرضه N ومتوسط ارتفاعه (A1 + An) ÷ 2، لذلك مساحته هي المجموع.</translation>
    </message>
    <message>
        <source>A trapezoid %1 wide from the first term to the last, An = %2, shaded: its area is the sum Sn = %3.</source>
        <translation>شبه منحرف مظلل عرضه %1 من الحد الأول إلى الحد الأخير An = %2: مساحته هي المجموع Sn = %3.</translation>
    </message>
    <message>
        <source>term, sum</source>
        <extracomment>the name of the chart&apos;s upright axis: the values of the terms and of the sums</extracomment>
        <translation>الحد، المجموع</translation>
    </message>
    <message>
        <source>The terms of the progression as shaded bars and the partial sums S1 to S%1 as points, approaching the dashed line at the sum S = %2.</source>
        <translation>حدود المتتالية على شكل أعمدة مظللة، والمجاميع الجزئية من S1 إلى S%1 على شكل نقاط تقترب من الخط المتقطع عند المجموع S = %2.</translation>
    </message>
    <message>
        <source>An = %1 is not A1 times a whole power of Q within %2 terms, so the terms are not drawn.</source>
        <translation>An = %1 لا يساوي A1 مضروبًا في قوة صحيحة لـ Q ضمن أول %2 من الحدود، لذلك لا تُرسم الحدود.</translation>
    </message>
    <message>
        <source>(%1 to the power %2)</source>
        <translation>(%1 مرفوعًا للقوة %2)</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number from 1 up; N = %1 counts no terms.</source>
        <translation>N هو عدد الحدود، لذلك يجب أن يكون عددًا صحيحًا من 1 فأكثر؛ و N = %1 لا يعدّ أي حد.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: there is no sum of %1 terms.</source>
        <translation>N هو عدد الحدود، لذلك يجب أن يكون عددًا صحيحًا: لا يوجد مجموع لـ %1 من الحدود.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: there is no term number %1.</source>
        <translation>N هو عدد الحدود، لذلك يجب أن يكون عددًا صحيحًا: لا يوجد حد رقمه %1.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: %1 terms make no progression.</source>
        <translation>N هو عدد الحدود، لذلك يجب أن يكون عددًا صحيحًا: %1 من الحدود لا تكوّن متتالية.</translation>
    </message>
    <message>
        <source>The formula gives a number with N = %1 all the same, and that number is what the window shows.</source>
        <translation>ومع ذلك تعطي الصيغة عددًا عند N = %1، وهذا العدد هو ما تعرضه النافذة.</translation>
    </message>
    <message>
        <source>If you meant N = %1, %2 is %3.</source>
        <translation>إذا كنت تقصد N = %1 فإن %2 يساوي %3.</translation>
    </message>
    <message>
        <source>If you meant N = %1, %2 is %3; if you meant N = %4, it is %5.</source>
        <translation>إذا كنت تقصد N = %1 فإن %2 يساوي %3؛ وإذا كنت تقصد N = %4 فإنه يساوي %5.</translation>
    </message>
    <message>
        <source>2An - (N - 1)D is A1 + An: the first term plus the last.</source>
        <translation>2An - (N - 1)D يساوي A1 + An: الحد الأول مضافًا إليه الحد الأخير.</translation>
    </message>
    <message>
        <source>Check: A1 + (N - 1)D = %1 + %2 × %3 = %4, which is An.</source>
        <translation>التحقق: A1 + (N - 1)D = %1 + %2 × %3 = %4، وهو An.</translation>
    </message>
    <message>
        <source>N should be a whole number from 1 up, and N = %1 is not: An = %2 does not lie ahead of A1 = %3 in steps of D = %4, so it is none of the terms from A1 on.</source>
        <translation>يجب أن يكون N عددًا صحيحًا من 1 فأكثر، و N = %1 ليس كذلك: An = %2 لا يقع بعد A1 = %3 بخطوات مقدارها D = %4، لذلك فهو ليس أيًّا من الحدود بدءًا من A1.</translation>
    </message>
    <message>
        <source>N = %1 is not a whole number: An = %2 is none of the terms.</source>
        <translation>N = %1 ليس عددًا صحيحًا: An = %2 ليس أيًّا من الحدود.</translation>
    </message>
    <message>
        <source>It lies between term %1, which is %2, and term %3, which is %4.</source>
        <translation>وهو يقع بين الحد %1 الذي يساوي %2 والحد %3 الذي يساوي %4.</translation>
    </message>
    <message>
        <source>An = %1 is not A1 times a whole power of Q, so it is none of the terms. The formula gives a number all the same, and that number is what the window shows.</source>
        <translation>An = %1 لا يساوي A1 مضروبًا في قوة صحيحة لـ Q، لذلك فهو ليس أيًّا من الحدود. ومع ذلك تعطي الصيغة عددًا، وهذا العدد هو ما تعرضه النافذة.</translation>
    </message>
    <message>
        <source>S = A1 ÷ (1 - Q), as -1 &lt; Q &lt; 1</source>
        <translation>S = A1 ÷ (1 - Q)، لأن -1 &lt; Q &lt; 1</translation>
    </message>
    <message>
        <source>With N - 1 = 1 the root is An ÷ A1 itself.</source>
        <translation>عندما N - 1 = 1 يكون الجذر هو An ÷ A1 نفسه.</translation>
    </message>
    <message>
        <source>An ÷ A1 is negative and N - 1 = %1 is odd: an odd power keeps the sign, so Q is negative.</source>
        <translation>An ÷ A1 سالب و N - 1 = %1 عدد فردي: القوة الفردية تحافظ على الإشارة، لذلك Q سالب.</translation>
    </message>
    <message>
        <source>1 ÷ (N - 1) = 1 ÷ %1 = %2: the window takes the root as the power %2.</source>
        <translation>1 ÷ (N - 1) = 1 ÷ %1 = %2: تحسب النافذة الجذر على أنه القوة %2.</translation>
    </message>
    <message>
        <source>With An = 0 the ratio is 0: every term after A1 is 0.</source>
        <translation>عندما An = 0 يكون الأساس 0: كل حد بعد A1 يساوي 0.</translation>
    </message>
    <message>
        <source>Q = %1 fits as well: %2 × %3 = %4 too. The window shows the positive one.</source>
        <translation>Q = %1 يصلح أيضًا: %2 × %3 = %4 كذلك. تعرض النافذة القيمة الموجبة.</translation>
    </message>
    <message>
        <source>Q = %1 fits as well, as an even power of a number and of its negative are the same. The window shows the positive one.</source>
        <translation>Q = %1 يصلح أيضًا، لأن القوة الزوجية لعدد ولمعكوسه الجمعي متساويتان. تعرض النافذة القيمة الموجبة.</translation>
    </message>
    <message>
        <source>Check: A1Qᴺ⁻¹ = %1 × %2 = %3, which is An.</source>
        <translation>التحقق: A1Qᴺ⁻¹ = %1 × %2 = %3، وهو An.</translation>
    </message>
    <message>
        <source>D = %1 a term</source>
        <extracomment>beside the dashed line from A1 to An: the terms grow by D each term</extracomment>
        <translation>D = %1 لكل حد</translation>
    </message>
    <message>
        <source>Along the dashed line from A1 to An the terms grow by D = %1 a term.</source>
        <translation>على امتداد الخط المتقطع من A1 إلى An تزداد الحدود بمقدار D = %1 لكل حد.</translation>
    </message>
    <message>
        <source>The point on the k axis marks N = %1.</source>
        <translation>النقطة على المحور k تحدد N = %1.</translation>
    </message>
    <message>
        <source>The known terms A1 = %1 at 1 and An = %2 at N = %3 as bars; from one to the next the terms grow by D = %4.</source>
        <translation>الحدان المعلومان A1 = %1 عند 1 و An = %2 عند N = %3 على شكل أعمدة؛ ومن حد إلى الذي يليه تزداد الحدود بمقدار D = %4.</translation>
    </message>
    <message>
        <source>Each term is Q = %1 times the one before.</source>
        <translation>كل حد يساوي Q = %1 مضروبًا في الحد الذي قبله.</translation>
    </message>
    <message>
        <source>The known terms A1 = %1 at 1 and An = %2 at N = %3 as bars; each term is Q = %4 times the one before.</source>
        <translation>الحدان المعلومان A1 = %1 عند 1 و An = %2 عند N = %3 على شكل أعمدة؛ وكل حد يساوي Q = %4 مضروبًا في الحد الذي قبله.</translation>
    </message>
    <message>
        <source>The terms are too large to draw.</source>
        <translation>الحدود أكبر من أن تُرسم.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <translation>قالت النافذة: «%1»</translation>
    </message>
    <message>
        <source>With Q = 0 every term after A1 is 0: A1, 0, 0, and so on. The window takes no Q of 0.</source>
        <translation>عندما Q = 0 يكون كل حد بعد A1 مساويًا 0: A1, 0, 0 وهكذا. لا تقبل النافذة Q = 0.</translation>
    </message>
    <message>
        <source>So An = 0 from the second term on, and An = A1 = %1 when N = 1.</source>
        <translation>إذن An = 0 بدءًا من الحد الثاني، و An = A1 = %1 عندما N = 1.</translation>
    </message>
    <message>
        <source>So the sum is A1 = %1.</source>
        <translation>إذن المجموع هو A1 = %1.</translation>
    </message>
    <message>
        <source>With Q = 1 every term is A1 = %1: each is 1 times the one before.</source>
        <translation>عندما Q = 1 يكون كل حد مساويًا A1 = %1: كل حد يساوي 1 مضروبًا في الحد الذي قبله.</translation>
    </message>
    <message>
        <source>So An = A1 = %1. The window takes no Q of 1 all the same.</source>
        <translation>إذن An = A1 = %1. ومع ذلك لا تقبل النافذة Q = 1.</translation>
    </message>
    <message>
        <source>The formula divides by Q - 1 = 0, so it cannot be used.</source>
        <translation>تقسم الصيغة على Q - 1 = 0، لذلك لا يمكن استخدامها.</translation>
    </message>
    <message>
        <source>The sum of N terms that are all A1 is N × A1 = %1 × %2 = %3.</source>
        <translation>مجموع N من الحدود كلها تساوي A1 هو N × A1 = %1 × %2 = %3.</translation>
    </message>
    <message>
        <source>The sum of N terms that are all A1 is N × A1.</source>
        <translation>مجموع N من الحدود كلها تساوي A1 هو N × A1.</translation>
    </message>
    <message>
        <source>An does not tell how many terms there are.</source>
        <translation>لا يبيّن An عدد الحدود.</translation>
    </message>
    <message>
        <source>Here An = %1 is not A1, so it is none of the terms.</source>
        <translation>هنا An = %1 لا يساوي A1، لذلك فهو ليس أيًّا من الحدود.</translation>
    </message>
    <message>
        <source>With A1 = 0 every term is 0, and so is their sum; the window asks for -1 &lt; Q &lt; 1 all the same.</source>
        <translation>عندما A1 = 0 يكون كل حد مساويًا 0 وكذلك مجموعها؛ ومع ذلك تطلب النافذة -1 &lt; Q &lt; 1.</translation>
    </message>
    <message>
        <source>All the terms add up to one sum only when they shrink towards 0, that is when -1 &lt; Q &lt; 1.</source>
        <translation>لا يكون لجميع الحدود مجموع واحد إلا إذا صغرت مقتربةً من 0، أي عندما -1 &lt; Q &lt; 1.</translation>
    </message>
    <message>
        <source>With Q = %1 no term is smaller in size than the one before, so the sums S1, S2, S3, and so on grow in size without end.</source>
        <translation>عندما Q = %1 لا يكون أي حد أصغر بالقيمة المطلقة من الحد الذي قبله، لذلك تكبر المجاميع S1, S2, S3 وهكذا بلا نهاية.</translation>
    </message>
    <message>
        <source>With Q = %1 the terms change sign each time and do not shrink, so the sums S1, S2, S3, and so on never settle.</source>
        <translation>عندما Q = %1 تتغير إشارة الحدود في كل مرة ولا تصغر، لذلك لا تستقر المجاميع S1, S2, S3 وهكذا أبدًا.</translation>
    </message>
    <message>
        <source>With A1 = 0 every term is 0 × Q = 0, and An ÷ A1 would divide by 0, so no ratio can be found.</source>
        <translation>عندما A1 = 0 يكون كل حد 0 × Q = 0، وحساب An ÷ A1 يعني القسمة على 0، لذلك لا يمكن إيجاد الأساس.</translation>
    </message>
    <message>
        <source>N counts the terms, and a ratio needs two of them, A1 and An: N = %1 is not more than 1.</source>
        <translation>N يعدّ الحدود، والأساس يحتاج إلى حدين منها هما A1 و An: و N = %1 ليس أكبر من 1.</translation>
    </message>
    <message>
        <source>N = 1 makes N - 1 = 0, and the formula divides by it: with one term there is no step from one term to the next.</source>
        <translation>N = 1 يجعل N - 1 = 0، والصيغة تقسم عليه: مع حد واحد لا توجد خطوة من حد إلى الذي يليه.</translation>
    </message>
    <message>
        <source>D = 0 makes every term A1 = %1, and the formula divides by D = 0.</source>
        <translation>D = 0 يجعل كل حد مساويًا A1 = %1، والصيغة تقسم على D = 0.</translation>
    </message>
    <message>
        <source>Here An is A1, so every N fits.</source>
        <translation>هنا An يساوي A1، لذلك يصلح أي N.</translation>
    </message>
    <message>
        <source>Here An = %1 is not A1, so no N fits.</source>
        <translation>هنا An = %1 لا يساوي A1، لذلك لا يصلح أي N.</translation>
    </message>
    <message>
        <source>Q = %1 is negative and %2 = %3 is not a whole number: a negative number to a power that is not whole has no real value.</source>
        <translation>Q = %1 سالب و %2 = %3 ليس عددًا صحيحًا: العدد السالب المرفوع لقوة غير صحيحة ليس له قيمة حقيقية.</translation>
    </message>
    <message>
        <source>N counts the terms, so it should be a whole number.</source>
        <translation>N يعدّ الحدود، لذلك يجب أن يكون عددًا صحيحًا.</translation>
    </message>
    <message>
        <source>An ÷ A1 = %1 is negative and N - 1 = %2 is even: an even power of a real number is never negative, so no real Q fits.</source>
        <translation>An ÷ A1 = %1 سالب و N - 1 = %2 عدد زوجي: القوة الزوجية لعدد حقيقي لا تكون سالبة أبدًا، لذلك لا يصلح أي Q حقيقي.</translation>
    </message>
    <message>
        <source>An ÷ A1 = %1 is negative and N - 1 = %2 is not a whole number: such a root of a negative number has no real value.</source>
        <translation>An ÷ A1 = %1 سالب و N - 1 = %2 ليس عددًا صحيحًا: مثل هذا الجذر لعدد سالب ليس له قيمة حقيقية.</translation>
    </message>
    <message>
        <source>The box of %1 keeps only 8 characters, so it shows %2, the start of the number %3 written in E-notation. %2 is no number, and the row cannot go on with it.</source>
        <translation>تتسع خانة %1 لـ 8 أحرف فقط، لذلك تعرض %2، وهو بداية العدد %3 مكتوبًا بصيغة E. إن %2 ليس عددًا، ولا يمكن للصف المتابعة به.</translation>
    </message>
    <message>
        <source>A number on the way grows beyond the largest one the computer can hold, about 1.8 × 10³⁰⁸, so there is no answer.</source>
        <translation>يتجاوز أحد الأعداد أثناء الحساب أكبر عدد يستطيع الحاسوب حفظه، وهو نحو 1.8 × 10³⁰⁸، لذلك لا يوجد ناتج.</translation>
    </message>
    <message>
        <source>Each box takes %1, at most 8 characters.</source>
        <translation>تقبل كل خانة %1، بحد أقصى 8 أحرف.</translation>
    </message>
    <message>
        <source>A1 is the first term, An the last, N the number of terms, D the step from one term to the next and Q the ratio of one term to the one before.</source>
        <translation>A1 هو الحد الأول، و An الحد الأخير، و N عدد الحدود، و D الفرق بين حد والحد الذي يليه، و Q النسبة بين حد والحد الذي قبله.</translation>
    </message>
    <message>
        <source>A command writes the numbers it read back into its boxes, cut to 8 characters, and goes on with what the box shows; Q, and An in the geometric rows, are used as typed.</source>
        <translation>يعيد الزر كتابة الأعداد التي قرأها في خاناته مقتطعةً إلى 8 أحرف، ويتابع الحساب بما تعرضه الخانة؛ أما Q، و An في صفوف المتتالية الهندسية، فتُستخدم كما كُتبت.</translation>
    </message>
    <message>
        <source>A1 = 2, D = 3, N = 5, %1:</source>
        <extracomment>%1 is the window&apos;s button Find Sn</extracomment>
        <translation>A1 = 2, D = 3, N = 5، %1:</translation>
    </message>
</context>
<context>
    <name>sb::Form6</name>
    <message>
        <source>Q Must not be equals to zero or one.!!!</source>
        <translation>يجب ألا يساوي Q صفرًا أو واحدًا!</translation>
    </message>
    <message>
        <source>In Infinite Progression Q Must be smaller than 1 and bigger than -1 and not be equals to Zero.!!!</source>
        <translation>في المتتالية اللانهائية يجب أن يكون Q بين -1 و 1 وألا يساوي صفرًا!</translation>
    </message>
    <message>
        <source>A1 Must not be equals to zero And N must be bigger than one.!!!</source>
        <translation>يجب ألا يساوي A1 صفرًا، ويجب أن يكون N أكبر من 1!</translation>
    </message>
</context>
</TS>
