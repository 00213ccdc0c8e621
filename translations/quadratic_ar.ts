<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Form2</name>
    <message>
        <source>Solving Quadratic Equation</source>
        <translation>حل معادلة من الدرجة الثانية</translation>
    </message>
    <message>
        <source>The Quadratix Equation Formula :</source>
        <translation>الصيغة العامة للحل:</translation>
    </message>
    <message>
        <source>-B +- Root(B^2 - 4*A*c)</source>
        <extracomment>the top of the formula: keep everything but the word Root</extracomment>
        <translation>-B +- √(B^2 - 4*A*c)</translation>
    </message>
    <message>
        <source>Fill In The Value Of   A , B And C</source>
        <translation>اكتب قيم A و B و C</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>حل</translation>
    </message>
    <message>
        <source>Example :  -3*X^2   +   6*X   -   2 = 0</source>
        <translation>مثال:  -3*X^2   +   6*X   -   2 = 0</translation>
    </message>
    <message>
        <source>Solutions :</source>
        <translation>الحلول:</translation>
    </message>
    <message>
        <source>X1 and X2 equal minus B, plus or minus the square root of B squared minus 4 times A times C, all divided by 2 times A</source>
        <translation>X1 و X2 تساويان سالب B، زائد أو ناقص الجذر التربيعي لـ B تربيع ناقص 4 ضرب A ضرب C، والكل مقسوم على 2 ضرب A</translation>
    </message>
</context>
<context>
    <name>QuadraticWorking</name>
    <message>
        <source>You typed %1 for %2, which is %3. The box keeps 5 characters, so it shows %4, and %2 = %5.</source>
        <extracomment>%1 is the text typed, %2 the letter of the box (A, B or C), %3 the number it is, %4 what the box shows, %5 the value solved with</extracomment>
        <translation>كتبت %1 للمعامل %2، وهو %3. تحتفظ الخانة بـ 5 رموز، لذلك تعرض %4، و %2 = %5.</translation>
    </message>
    <message>
        <source>You typed %1 for %2, which is %3.</source>
        <extracomment>%1 is the text typed, %2 the letter of the box (A, B or C), %3 what the box shows</extracomment>
        <translation>كتبت %1 للمعامل %2، وهو %3.</translation>
    </message>
    <message>
        <source>Check %1 = %2: %3 = %4</source>
        <translation>التحقق من %1 = %2: %3 = %4</translation>
    </message>
    <message>
        <source>Check %1 = %2: %3 = %4 = %5</source>
        <translation>التحقق من %1 = %2: %3 = %4 = %5</translation>
    </message>
    <message>
        <source>Check %1 = %2: %1² = (%2)² = %3</source>
        <translation>التحقق من %1 = %2: %1² = (%2)² = %3</translation>
    </message>
    <message>
        <source>So Ax² + Bx + C = %1 = %2 = %3</source>
        <translation>إذن Ax² + Bx + C = %1 = %2 = %3</translation>
    </message>
    <message>
        <source>With the decimals the window works with: %1 = (%2 %3 %4) ÷ %5 = %6</source>
        <translation>بالأعداد العشرية التي تحسب بها النافذة: %1 = (%2 %3 %4) ÷ %5 = %6</translation>
    </message>
    <message>
        <source>lowest point</source>
        <extracomment>the label at the vertex of the parabola in the figure</extracomment>
        <translation>أدنى نقطة</translation>
    </message>
    <message>
        <source>highest point</source>
        <translation>أعلى نقطة</translation>
    </message>
    <message>
        <source>These numbers are too large or too small to draw to scale.</source>
        <translation>هذه الأعداد كبيرة جدًا أو صغيرة جدًا، فلا يمكن رسمها بمقياس رسم.</translation>
    </message>
    <message>
        <source>No figure: the numbers are beyond drawing to scale.</source>
        <translation>لا يوجد شكل: لا يمكن رسم هذه الأعداد بمقياس رسم.</translation>
    </message>
    <message>
        <source>Parabola clear of the x-axis, so no real root, lowest point %1.</source>
        <translation>قطع مكافئ لا يلتقي بالمحور x، فلا يوجد حل حقيقي، وأدنى نقطة %1.</translation>
    </message>
    <message>
        <source>Parabola clear of the x-axis, so no real root, highest point %1.</source>
        <translation>قطع مكافئ لا يلتقي بالمحور x، فلا يوجد حل حقيقي، وأعلى نقطة %1.</translation>
    </message>
    <message>
        <source>Parabola touching the x-axis at %1, lowest point %2.</source>
        <extracomment>%1 is where it touches, %2 the vertex (x, y)</extracomment>
        <translation>قطع مكافئ يمس المحور x عند %1، وأدنى نقطة %2.</translation>
    </message>
    <message>
        <source>Parabola touching the x-axis at %1, highest point %2.</source>
        <translation>قطع مكافئ يمس المحور x عند %1، وأعلى نقطة %2.</translation>
    </message>
    <message>
        <source>Parabola crossing the x-axis at %1 and %2, lowest point %3.</source>
        <extracomment>%1 and %2 are the roots, %3 the vertex (x, y)</extracomment>
        <translation>قطع مكافئ يقطع المحور x عند %1 و %2، وأدنى نقطة %3.</translation>
    </message>
    <message>
        <source>Parabola crossing the x-axis at %1 and %2, highest point %3.</source>
        <translation>قطع مكافئ يقطع المحور x عند %1 و %2، وأعلى نقطة %3.</translation>
    </message>
    <message>
        <source>Answer: X1 = %1 and X2 = %2</source>
        <translation>الناتج: X1 = %1 و X2 = %2</translation>
    </message>
    <message>
        <source>Put into the equation, the window&apos;s decimals give a number very near 0 but not exactly 0: they are the roots rounded to 15 digits.</source>
        <translation>عند التعويض في المعادلة تعطي الأعداد العشرية للنافذة عددًا قريبًا جدًا من 0 لكنه ليس 0 تمامًا: فهي الجذور مقرَّبة إلى 15 رقمًا.</translation>
    </message>
    <message>
        <source>Beyond the real numbers, with i where i² = -1, the two roots are complex: x = p ± qi.</source>
        <translation>خارج الأعداد الحقيقية، ومع i حيث i² = -1، يكون الجذران عددين مركبين: x = p ± qi.</translation>
    </message>
    <message>
        <source>The complex roots: x1 ≈ %1 + %2i and x2 ≈ %1 - %2i</source>
        <translation>الجذران المركبان: x1 ≈ %1 + %2i و x2 ≈ %1 - %2i</translation>
    </message>
    <message>
        <source>The complex roots: x1 = %1 and x2 = %2</source>
        <translation>الجذران المركبان: x1 = %1 و x2 = %2</translation>
    </message>
    <message>
        <source>The equation: %1 = 0</source>
        <translation>المعادلة: %1 = 0</translation>
    </message>
    <message>
        <source>The formula: x = (-B ± √D) ÷ (2A), where D = B² - 4AC.</source>
        <translation>الصيغة: x = (-B ± √D) ÷ (2A)، حيث D = B² - 4AC.</translation>
    </message>
    <message>
        <source>D is more than 0, so the equation has two roots.</source>
        <translation>D أكبر من 0، لذلك للمعادلة حلان.</translation>
    </message>
    <message>
        <source>D is 0, so the two roots are the same: the equation has one root.</source>
        <translation>D يساوي 0، لذلك الحلان متساويان: للمعادلة حل واحد.</translation>
    </message>
    <message>
        <source>D is less than 0. No real number squared is negative, so √D is no real number: the equation has no real solution.</source>
        <translation>D أصغر من 0. مربع أي عدد حقيقي لا يكون سالبًا، لذلك √D ليس عددًا حقيقيًا: ليس للمعادلة حل حقيقي.</translation>
    </message>
    <message>
        <source>The window works with decimals rounded at every step: its D came out %1 instead of exactly %2, so it shows &quot;%3&quot;.</source>
        <extracomment>%1 is the window&apos;s D, %2 the exact D, %3 the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>تحسب النافذة بأعداد عشرية مقرَّبة في كل خطوة: فجاءت قيمة D عندها %1 بدلًا من %2 تمامًا، لذلك تعرض «%3».</translation>
    </message>
    <message>
        <source>The window works with decimals rounded at every step: its D came out %1 instead of exactly %2, so it shows two roots.</source>
        <translation>تحسب النافذة بأعداد عشرية مقرَّبة في كل خطوة: فجاءت قيمة D عندها %1 بدلًا من %2 تمامًا، لذلك تعرض حلين.</translation>
    </message>
    <message>
        <source>Answer: X1 and X2 show &quot;%1&quot;</source>
        <extracomment>%1 is the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>الناتج: تعرض X1 و X2 «%1»</translation>
    </message>
    <message>
        <source>Answer: X1 and X2 show &quot;%1&quot;: the equation has no real solution.</source>
        <extracomment>%1 is the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>الناتج: تعرض X1 و X2 «%1»: ليس للمعادلة حل حقيقي.</translation>
    </message>
    <message>
        <source>Straight line y = %1 crossing the x-axis at %2.</source>
        <translation>خط مستقيم y = %1 يقطع المحور x عند %2.</translation>
    </message>
    <message>
        <source>Straight line y = %1 beside the x-axis: it never meets it.</source>
        <translation>خط مستقيم y = %1 موازٍ للمحور x: لا يلتقي به أبدًا.</translation>
    </message>
    <message>
        <source>The line y = 0 is the x-axis itself: every x is a root.</source>
        <translation>الخط y = 0 هو المحور x نفسه: كل x حل.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <translation>قالت النافذة: «%1»</translation>
    </message>
    <message>
        <source>A = 0, so there is no x² term: this is no quadratic equation, and the window gives no roots. What is left is the linear equation Bx + C = 0.</source>
        <translation>A = 0، إذن لا يوجد حد فيه x²: فهذه ليست معادلة من الدرجة الثانية، ولا تعطي النافذة حلولًا. تبقى المعادلة من الدرجة الأولى Bx + C = 0.</translation>
    </message>
    <message>
        <source>B = 0 as well, so the left side is %1 whatever x is, and %1 is not 0: no x solves the equation.</source>
        <translation>و B = 0 أيضًا، لذلك يساوي الطرف الأيسر %1 مهما كانت x، و %1 ليس 0: لا توجد x تحقق المعادلة.</translation>
    </message>
    <message>
        <source>B = 0 and C = 0 as well, so the left side is 0 whatever x is: every x solves the equation.</source>
        <translation>و B = 0 و C = 0 أيضًا، لذلك يساوي الطرف الأيسر 0 مهما كانت x: كل x تحقق المعادلة.</translation>
    </message>
    <message>
        <source>Take C to the other side: %1x = %2</source>
        <extracomment>%1x is B times x (B left out when it is 1, &quot;-&quot; when it is -1), %2 is -C</extracomment>
        <translation>انقل C إلى الطرف الآخر: %1x = %2</translation>
    </message>
    <message>
        <source>Divide by B: x = -C ÷ B = %1 ÷ %2 = %3</source>
        <translation>اقسم على B: x = -C ÷ B = %1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>Check: %1 × %2%3 = %4 = 0</source>
        <extracomment>%1 × %2%3 is B × x + C, %4 its terms added</extracomment>
        <translation>التحقق: %1 × %2%3 = %4 = 0</translation>
    </message>
    <message>
        <source>A, B and C: the numbers of Ax² + Bx + C = 0, each %1.</source>
        <extracomment>%1 says what a value may be written as (a number, a fraction ...)</extracomment>
        <translation>A و B و C: أعداد المعادلة Ax² + Bx + C = 0، وكل منها %1.</translation>
    </message>
    <message>
        <source>A must not be 0: without x² it is no quadratic equation.</source>
        <translation>يجب ألا تكون A صفرًا: فبدون x² لا تكون المعادلة من الدرجة الثانية.</translation>
    </message>
    <message>
        <source>Each box keeps 5 characters: a longer number is cut (1/3 becomes %1), and the cut number is the one solved with.</source>
        <translation>تحتفظ كل خانة بـ 5 رموز: يُقطع العدد الأطول (يصبح 1/3 هو %1)، والحل يكون بالعدد المقطوع.</translation>
    </message>
</context>
<context>
    <name>sb::Form2</name>
    <message>
        <source>It Sould Be Quadratix Equation So A Value Must Not Be Zero </source>
        <translation>يجب أن تكون المعادلة من الدرجة الثانية، لذلك يجب ألا تكون قيمة A صفرًا.</translation>
    </message>
    <message>
        <source>No Solution</source>
        <translation>لا يوجد حل</translation>
    </message>
</context>
</TS>
