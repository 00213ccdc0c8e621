<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>CosineWorking</name>
    <message>
        <source>Triangle %1: the sides a and b and the angle z between them are given.</source>
        <extracomment>%1 is the panel&apos;s number</extracomment>
        <translation>المثلث %1: معطى الضلعان a و b والزاوية z المحصورة بينهما.</translation>
    </message>
    <message>
        <source>The law of cosines gives the third side: c² = a² + b² - 2ab cos(z).</source>
        <translation>يعطي قانون جيوب التمام الضلع الثالث: c² = a² + b² - 2ab cos(z).</translation>
    </message>
    <message>
        <source>With cos(90°) = 0 the law is Pythagoras&apos; theorem: c² = a² + b².</source>
        <translation>بما أن cos(90°) = 0 يصبح القانون نظرية فيثاغورس: c² = a² + b².</translation>
    </message>
    <message>
        <source>%1² = %2, %3² = %4 and 2 × %1 × %3 × %5 = %6</source>
        <extracomment>%1 is a, %3 is b, %5 is cos(z); %2, %4 and %6 what they give</extracomment>
        <translation>%1² = %2, %3² = %4 و 2 × %1 × %3 × %5 = %6</translation>
    </message>
    <message>
        <source>The same law turned round gives the angle x, opposite b:</source>
        <translation>القانون نفسه، بعد حلّه بالنسبة إلى جيب التمام، يعطي الزاوية x المقابلة للضلع b:</translation>
    </message>
    <message>
        <source>The three angles make 180°: y = 180° - x - z = 180° - %1 - %2 = %3</source>
        <extracomment>%1 is the angle x, %2 the angle z, %3 the angle y</extracomment>
        <translation>مجموع الزوايا الثلاث 180°: y = 180° - x - z = 180° - %1 - %2 = %3</translation>
    </message>
    <message>
        <source>The window shows: c = %1, x = %2, y = %3.</source>
        <extracomment>%1 is the side c, %2 and %3 the angles x and y</extracomment>
        <translation>تعرض النافذة: c = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>Answer: c = %1, x = %2, y = %3.</source>
        <translation>الناتج: c = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>Triangle 4: the three sides a, b and c are given.</source>
        <translation>المثلث 4: معطاة الأضلاع الثلاثة a و b و c.</translation>
    </message>
    <message>
        <source>%1 + %2 = %3 + %4 = %5 = %6: the two sides together are just as long as the third, so the triangle lies flat, with no height.</source>
        <extracomment>%1 and %2 are two sides&apos; letters, %3 and %4 their lengths, %5 the third side&apos;s length and %6 its letter</extracomment>
        <translation>%1 + %2 = %3 + %4 = %5 = %6: مجموع الضلعين يساوي الضلع الثالث تمامًا، لذلك يكون المثلث مسطحًا بلا ارتفاع.</translation>
    </message>
    <message>
        <source>The law of cosines turned round gives each angle from the three sides:</source>
        <translation>قانون جيوب التمام، بعد حلّه بالنسبة إلى جيب التمام، يعطي كل زاوية من الأضلاع الثلاثة:</translation>
    </message>
    <message>
        <source>The three angles make 180°: z = 180° - x - y = 180° - %1 - %2 = %3</source>
        <extracomment>%1 is the angle x, %2 the angle y, %3 the angle z</extracomment>
        <translation>مجموع الزوايا الثلاث 180°: z = 180° - x - y = 180° - %1 - %2 = %3</translation>
    </message>
    <message>
        <source>Exactly, cos(z) = (a² + b² - c²) ÷ (2ab) = %1 ÷ %2 = %3, so z = %4.</source>
        <extracomment>%1 and %2 are the top and bottom of the fraction, %3 its value, %4 the angle z</extracomment>
        <translation>بالضبط، cos(z) = (a² + b² - c²) ÷ (2ab) = %1 ÷ %2 = %3، إذن z = %4.</translation>
    </message>
    <message>
        <source>The window shows: z = %1, x = %2, y = %3.</source>
        <extracomment>%1, %2 and %3 are the angles z, x and y</extracomment>
        <translation>تعرض النافذة: z = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>Answer: z = %1, x = %2, y = %3.</source>
        <translation>الناتج: z = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>missing %1</source>
        <extracomment>a figure&apos;s label: %1 is the length the two shorter sides lack</extracomment>
        <translation>ينقص %1</translation>
    </message>
    <message>
        <source>The sides %1 and %2 laid end to end beside the longest side, %3: they fall %4 short, so no triangle closes.</source>
        <extracomment>%1 and %2 are the two shorter sides (&quot;a = 2&quot;), %3 the longest, %4 what they lack</extracomment>
        <translation>الضلعان %1 و %2 موضوعان طرفًا لطرف بجانب أطول ضلع %3: ينقصهما %4، لذلك لا ينغلق أي مثلث.</translation>
    </message>
    <message>
        <source>The sides %1 and %2 laid end to end beside the longest side, %3: together they are no longer than it, so the triangle is flat at best.</source>
        <extracomment>%1 and %2 are the two shorter sides (&quot;a = 2&quot;), %3 the longest</extracomment>
        <translation>الضلعان %1 و %2 موضوعان طرفًا لطرف بجانب أطول ضلع %3: مجموعهما ليس أطول منه، لذلك يكون المثلث مسطحًا في أحسن الأحوال.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <extracomment>%1 is the message the window showed</extracomment>
        <translation>عرضت النافذة الرسالة: «%1»</translation>
    </message>
    <message>
        <source>The sides a = %1, b = %2 and c = %3 make no triangle it can solve.</source>
        <translation>الأضلاع a = %1 و b = %2 و c = %3 لا تكوّن مثلثًا تستطيع النافذة حله.</translation>
    </message>
    <message>
        <source>The side %1 is too long: the two others together reach only %2 + %3 = %4, which is %5 short of it.</source>
        <extracomment>%1 is the longest side (&quot;c = 9&quot;), %2 and %3 the two others, %4 their sum, %5 what it lacks</extracomment>
        <translation>الضلع %1 طويل جدًا: مجموع الضلعين الآخرين %2 + %3 = %4 فقط، أي أقل منه بمقدار %5.</translation>
    </message>
    <message>
        <source>The two shorter sides together, %1 + %2 = %3, are just as long as the longest side, %4: the triangle is flat, with no height.</source>
        <extracomment>%1 and %2 are the two shorter sides, %3 their sum, %4 the longest side (&quot;c = 9&quot;)</extracomment>
        <translation>مجموع الضلعين الأقصر %1 + %2 = %3 يساوي أطول ضلع %4 تمامًا: المثلث مسطح بلا ارتفاع.</translation>
    </message>
    <message>
        <source>Its cosines are exactly 1 and -1, but the computer&apos;s rounding put one just past them, and no angle has such a cosine.</source>
        <translation>جيوب تمام زواياه تساوي 1 و -1 تمامًا، لكن تقريب الحاسوب جعل أحدها يتجاوزهما قليلًا، ولا توجد زاوية لها جيب تمام كهذا.</translation>
    </message>
    <message>
        <source>A cosine is never below -1 or above 1, so no angle has it.</source>
        <translation>جيب التمام لا يكون أبدًا أقل من -1 أو أكبر من 1، لذلك لا توجد زاوية لها هذا الجيب.</translation>
    </message>
    <message>
        <source>The squares of these sides are too large for the computer.</source>
        <translation>مربعات هذه الأضلاع كبيرة جدًا على الحاسوب.</translation>
    </message>
    <message>
        <source>No figure: the computer cannot work with these sides.</source>
        <translation>لا يوجد شكل: لا يستطيع الحاسوب التعامل مع هذه الأضلاع.</translation>
    </message>
    <message>
        <source>In a triangle any two sides together are longer than the third.</source>
        <translation>في المثلث، مجموع أي ضلعين أطول من الضلع الثالث.</translation>
    </message>
    <message>
        <source>Triangles 1, 2 and 3 take two sides, a and b, and the angle z between them, and find the side c and the angles x and y.</source>
        <translation>تأخذ المثلثات 1 و 2 و 3 ضلعين a و b والزاوية z المحصورة بينهما، وتحسب الضلع c والزاويتين x و y.</translation>
    </message>
    <message>
        <source>Triangle 4 takes the three sides a, b and c and finds the angles x, y and z.</source>
        <translation>يأخذ المثلث 4 الأضلاع الثلاثة a و b و c ويحسب الزوايا x و y و z.</translation>
    </message>
</context>
<context>
    <name>Form10</name>
    <message>
        <source>Triangles - The Law Of Cosines</source>
        <translation>المثلثات - قانون جيوب التمام</translation>
    </message>
    <message>
        <source>Solve Triangle </source>
        <translation>حل المثلث</translation>
    </message>
    <message>
        <source>Clear Triangle</source>
        <translation>مسح المثلث</translation>
    </message>
    <message>
        <source>Clear Triangle </source>
        <translation>مسح المثلث</translation>
    </message>
    <message>
        <source>Solve Triangle</source>
        <translation>حل المثلث</translation>
    </message>
    <message>
        <source>Important ! The angles must be in degrees  (not in radians).</source>
        <translation>مهم! يجب أن تكون الزوايا بالدرجات (لا بالراديان).</translation>
    </message>
</context>
<context>
    <name>Form11</name>
    <message>
        <source>Triangles - The Law Of Sines</source>
        <translation>المثلثات - قانون الجيوب</translation>
    </message>
    <message>
        <source>Solve Triangle </source>
        <translation>حل المثلث</translation>
    </message>
    <message>
        <source>Clear Triangle</source>
        <translation>مسح المثلث</translation>
    </message>
    <message>
        <source>Clear Triangle </source>
        <translation>مسح المثلث</translation>
    </message>
    <message>
        <source>Important ! The angles must be in degrees  (not in radians).</source>
        <translation>مهم! يجب أن تكون الزوايا بالدرجات (لا بالراديان).</translation>
    </message>
</context>
<context>
    <name>GeometryWorking</name>
    <message>
        <source>Each box takes one number greater than zero, at most %1: %2, a fraction such as 3/4, or a mixed number such as 2/1/3 (2 and 1/3)</source>
        <extracomment>%1 is how long a typed value may be (&quot;8 characters&quot;), %2 a decimal such as 2.5</extracomment>
        <translation>تقبل كل خانة عددًا واحدًا أكبر من الصفر، لا يزيد طوله على %1: %2، أو كسرًا مثل 3/4، أو عددًا كسريًا مثل 2/1/3 (2 و 1/3)</translation>
    </message>
    <message>
        <source>No figure: these sizes are too large or too small to draw to scale on a screen.</source>
        <translation>لا يوجد شكل: هذه المقادير كبيرة جدًا أو صغيرة جدًا لرسمها بمقياس رسم على الشاشة.</translation>
    </message>
</context>
<context>
    <name>SineWorking</name>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <extracomment>%1 is the message the window showed</extracomment>
        <translation>عرضت النافذة الرسالة: «%1»</translation>
    </message>
    <message>
        <source>Triangle %1: the angles %2 and %3 and the side %4 are given.</source>
        <extracomment>%1 is the panel&apos;s number, %2 and %3 the angles&apos; letters, %4 the side&apos;s letter</extracomment>
        <translation>المثلث %1: معطاة الزاويتان %2 و %3 والضلع %4.</translation>
    </message>
    <message>
        <source>The three angles make 180°: %1 = 180° - %2 - %3 = 180° - %4 - %5 = %6</source>
        <extracomment>%1 is the third angle&apos;s letter, %2 and %3 the given angles&apos; letters, %4 and %5 their values, %6 the third angle</extracomment>
        <translation>مجموع الزوايا الثلاث 180°: %1 = 180° - %2 - %3 = 180° - %4 - %5 = %6</translation>
    </message>
    <message>
        <source>Each angle of a triangle is above 0°, so %1 and %2 together must be less than 180°: no triangle has these angles.</source>
        <extracomment>%1 and %2 are the given angles&apos; letters</extracomment>
        <translation>كل زاوية في المثلث أكبر من 0°، لذلك يجب أن يكون مجموع %1 و %2 أقل من 180°: لا يوجد مثلث بهذه الزوايا.</translation>
    </message>
    <message>
        <source>The computer&apos;s rounding left %1 a hair above 0°, so the window shows a triangle that is really flat: %2.</source>
        <extracomment>%1 is the third angle&apos;s letter, %2 the values the window shows</extracomment>
        <translation>ترك تقريب الحاسوب %1 أكبر من 0° بقليل جدًا، لذلك تعرض النافذة مثلثًا هو في الحقيقة مسطح: %2.</translation>
    </message>
    <message>
        <source>No triangle to draw: %1 and %2 leave nothing for %3.</source>
        <extracomment>%1 and %2 are the given angles&apos; letters, %3 the third angle&apos;s letter</extracomment>
        <translation>لا يوجد مثلث لرسمه: %1 و %2 لا تتركان شيئًا للزاوية %3.</translation>
    </message>
    <message>
        <source>The law of sines: a ÷ sin(y) = b ÷ sin(x) = c ÷ sin(z).</source>
        <translation>قانون الجيوب: a ÷ sin(y) = b ÷ sin(x) = c ÷ sin(z).</translation>
    </message>
    <message>
        <source>A side that comes out 0 or less makes no triangle.</source>
        <translation>الضلع الذي يخرج 0 أو أقل لا يكوّن مثلثًا.</translation>
    </message>
    <message>
        <source>The window shows: %1.</source>
        <extracomment>%1 lists the values the window shows: &quot;c = 10, a = 8.66025403784439, y = 60°&quot;</extracomment>
        <translation>تعرض النافذة: %1.</translation>
    </message>
    <message>
        <source>Answer: %1.</source>
        <translation>الناتج: %1.</translation>
    </message>
    <message>
        <source>The sides are too large to draw.</source>
        <translation>الأضلاع أكبر من أن تُرسم.</translation>
    </message>
    <message>
        <source>line of b</source>
        <translation>مستقيم b</translation>
    </message>
    <message>
        <source>short by %1</source>
        <extracomment>a figure&apos;s label: %1 is a length</extracomment>
        <translation>ينقص %1</translation>
    </message>
    <message>
        <source>Side %1 swung from corner X misses the line of side b: X lies %2 from it, so a falls %3 short.</source>
        <extracomment>%1 is &quot;a = &quot; and the side&apos;s length, %2 and %3 lengths</extracomment>
        <translation>الضلع %1 عند تدويره حول الرأس X لا يصل إلى مستقيم الضلع b: يبعد X عنه %2، لذلك ينقص a بمقدار %3.</translation>
    </message>
    <message>
        <source>Side %1 swung from corner X meets the line of side b only where the angle x would be 0° or less: x = %2.</source>
        <extracomment>%1 is &quot;a = &quot; and the side&apos;s length, %2 the angle x</extracomment>
        <translation>الضلع %1 عند تدويره حول الرأس X لا يلتقي مستقيم الضلع b إلا حيث تكون الزاوية x مساوية 0° أو أقل: x = %2.</translation>
    </message>
    <message>
        <source>dashed: %1, %2</source>
        <extracomment>a figure&apos;s label: the angles of the second triangle, drawn dashed (&quot;x&apos; = 30°&quot;)</extracomment>
        <translation>بخط متقطع: %1, %2</translation>
    </message>
    <message>
        <source>A second triangle fits the same values, dashed: %1.</source>
        <extracomment>%1 lists the second triangle&apos;s values: &quot;b&apos; = 3.1, x&apos; = 30°, z&apos; = 120°&quot;</extracomment>
        <translation>يوافق مثلث ثانٍ القيم نفسها، بخط متقطع: %1.</translation>
    </message>
    <message>
        <source>Triangle %1: the angle y, the side a opposite it and the side c are given.</source>
        <translation>المثلث %1: معطاة الزاوية y والضلع a المقابل لها والضلع c.</translation>
    </message>
    <message>
        <source>Side a runs from corner X to the line of side b. X lies c sin(y) = %1 × %2 = %3 from that line.</source>
        <extracomment>%1 is c, %2 sin(y), %3 their product</extracomment>
        <translation>يمتد الضلع a من الرأس X إلى مستقيم الضلع b. يبعد X عن هذا المستقيم c sin(y) = %1 × %2 = %3.</translation>
    </message>
    <message>
        <source>a = %1 is shorter: it falls short by c sin(y) - a = %2 - %1 = %3.</source>
        <extracomment>%1 is a, %2 is c sin(y), %3 the difference</extracomment>
        <translation>a = %1 أقصر: ينقصه c sin(y) - a = %2 - %1 = %3.</translation>
    </message>
    <message>
        <source>To all its digits the computer holds c sin(y) as %1, which shows as %2.</source>
        <extracomment>%1 is a number to all its digits, %2 the same number as the steps write it</extracomment>
        <translation>يحفظ الحاسوب c sin(y) بكل أرقامه على أنه %1، ويظهر على أنه %2.</translation>
    </message>
    <message>
        <source>So no triangle fits these values.</source>
        <translation>إذن لا يوجد مثلث يوافق هذه القيم.</translation>
    </message>
    <message>
        <source>a = %1 is just as long: it meets the line of b at a right angle.</source>
        <translation>a = %1 بالطول نفسه تمامًا: يلتقي مستقيم b بزاوية قائمة.</translation>
    </message>
    <message>
        <source>a = %1 is longer, so it reaches the line.</source>
        <translation>a = %1 أطول، لذلك يصل إلى المستقيم.</translation>
    </message>
    <message>
        <source>The law of sines: sin(z) ÷ c = sin(y) ÷ a, so sin(z) = c sin(y) ÷ a = %2 × %1 ÷ %3 = %4</source>
        <extracomment>%2 is c, %1 sin(y), %3 a, %4 sin(z)</extracomment>
        <translation>قانون الجيوب: sin(z) ÷ c = sin(y) ÷ a، إذن sin(z) = c sin(y) ÷ a = %2 × %1 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>z = arcsin(%1) = %2, the angle up to 90° with that sine.</source>
        <extracomment>%1 is sin(z), %2 the angle z</extracomment>
        <translation>z = arcsin(%1) = %2، وهي الزاوية التي لا تتجاوز 90° ولها هذا الجيب.</translation>
    </message>
    <message>
        <source>The angles x and z must each be above 0°: no triangle fits these values.</source>
        <translation>يجب أن تكون كل من الزاويتين x و z أكبر من 0°: لا يوجد مثلث يوافق هذه القيم.</translation>
    </message>
    <message>
        <source>The computer&apos;s rounding left x a hair above 0°, so the window shows a triangle that is really flat: %1.</source>
        <extracomment>%1 lists the values the window shows</extracomment>
        <translation>ترك تقريب الحاسوب x أكبر من 0° بقليل جدًا، لذلك تعرض النافذة مثلثًا هو في الحقيقة مسطح: %1.</translation>
    </message>
    <message>
        <source>Only this one triangle fits, with its right angle at Z.</source>
        <translation>يوافق هذا المثلث وحده، وزاويته القائمة عند Z.</translation>
    </message>
    <message>
        <source>The computer&apos;s c sin(y) came out a hair above a, so the window found no triangle; exactly there is one.</source>
        <translation>خرجت قيمة c sin(y) في الحاسوب أكبر من a بقليل جدًا، لذلك لم تجد النافذة مثلثًا؛ أما بالقيم الدقيقة فيوجد مثلث.</translation>
    </message>
    <message>
        <source>Near 90° the sine hardly changes, so the computer&apos;s sin(z), %1 instead of 1, moved z by %2°, and x and b with it.</source>
        <extracomment>%1 is the computer&apos;s sin(z), %2 a small number of degrees</extracomment>
        <translation>قرب 90° لا يكاد الجيب يتغير، لذلك حرّك sin(z) في الحاسوب، وهو %1 بدلًا من 1، الزاويةَ z بمقدار %2°، ومعها x و b.</translation>
    </message>
    <message>
        <source>A second triangle fits too, because y is below 90° and c sin(y) = %1 &lt; a = %2 &lt; c = %3. The window shows only the first; the figure draws the second dashed.</source>
        <extracomment>%1 is c sin(y), %2 is a, %3 is c</extracomment>
        <translation>يوافق مثلث ثانٍ أيضًا، لأن y أصغر من 90° و c sin(y) = %1 &lt; a = %2 &lt; c = %3. تعرض النافذة الأول فقط؛ ويرسم الشكل الثاني بخط متقطع.</translation>
    </message>
    <message>
        <source>In the second, z&apos; = 180° - z = 180° - %1 = %2</source>
        <extracomment>z&apos; is the angle z of the second triangle; %1 is z, %2 is z&apos;</extracomment>
        <translation>في الثاني، z&apos; = 180° - z = 180° - %1 = %2</translation>
    </message>
    <message>
        <source>Second answer: %1.</source>
        <extracomment>%1 lists the second triangle&apos;s values: &quot;x&apos; = 30°, z&apos; = 120°, b&apos; = 3.1&quot;</extracomment>
        <translation>الناتج الثاني: %1.</translation>
    </message>
    <message>
        <source>Triangles 1 and 4 take two angles and a side, and find the third angle and the other two sides.</source>
        <translation>يأخذ المثلثان 1 و 4 زاويتين وضلعًا، ويحسبان الزاوية الثالثة والضلعين الآخرين.</translation>
    </message>
    <message>
        <source>Triangles 2 and 3 take the angle y, the side a opposite it and the side c, and find the angles z and x and the side b.</source>
        <translation>يأخذ المثلثان 2 و 3 الزاوية y والضلع a المقابل لها والضلع c، ويحسبان الزاويتين z و x والضلع b.</translation>
    </message>
</context>
<context>
    <name>SolvedTriangle</name>
    <message>
        <source>The triangle is too large to draw: its longest side is %1.</source>
        <translation>المثلث أكبر من أن يُرسم: أطول أضلاعه %1.</translation>
    </message>
    <message>
        <source>Triangle XYZ, too large to draw: %1.</source>
        <extracomment>%1 lists the sides and angles: &quot;a = 3, b = 4, c = 5, x = 36.87°, ...&quot;</extracomment>
        <translation>المثلث XYZ، أكبر من أن يُرسم: %1.</translation>
    </message>
    <message>
        <source>Triangle XYZ drawn to scale: %1.</source>
        <extracomment>%1 lists the sides and angles: &quot;a = 3, b = 4, c = 5, x = 36.87°, ...&quot;</extracomment>
        <translation>المثلث XYZ مرسوم بمقياس رسم: %1.</translation>
    </message>
    <message>
        <source>The angle %1 is exactly a right angle, marked with a square.</source>
        <extracomment>%1 is the angle&apos;s letter (x, y or z)</extracomment>
        <translation>الزاوية %1 قائمة تمامًا، ومعلَّمة بمربع صغير.</translation>
    </message>
    <message>
        <source>At true scale the triangle is almost flat: its height is %1, its longest side %2.</source>
        <extracomment>%1 and %2 are lengths</extracomment>
        <translation>بمقياس الرسم الحقيقي يكون المثلث شبه مسطح: ارتفاعه %1 وأطول أضلاعه %2.</translation>
    </message>
    <message>
        <source>Each box takes a number above 0 of at most 5 characters: a whole number (3), a decimal (%1), a fraction (3/4) or a mixed number (2/1/3).</source>
        <extracomment>%1 is a decimal number such as 2.5</extracomment>
        <translation>تقبل كل خانة عددًا أكبر من 0 لا يزيد على 5 رموز: عددًا صحيحًا (3)، أو عددًا عشريًا (%1)، أو كسرًا (3/4)، أو عددًا كسريًا (2/1/3).</translation>
    </message>
    <message>
        <source>Angles are in degrees, above 0° and below 180°.</source>
        <translation>الزوايا بالدرجات، أكبر من 0° وأصغر من 180°.</translation>
    </message>
    <message>
        <source>Before a sine or a cosine the computer turns degrees into radians (× 3.14159265358979 ÷ 180), and an angle it finds back into degrees (× 180 ÷ 3.14159265358979).</source>
        <translation>قبل حساب الجيب أو جيب التمام يحوّل الحاسوب الدرجات إلى راديان (× 3.14159265358979 ÷ 180)، ويحوّل الزاوية التي يجدها إلى درجات من جديد (× 180 ÷ 3.14159265358979).</translation>
    </message>
    <message>
        <source>The same rounding is in %1: exactly %2, the window shows %3.</source>
        <extracomment>%1 names a value (x, b, ...), %2 is its exact value, %3 the value the window shows</extracomment>
        <translation>التقريب نفسه في %1: القيمة الدقيقة %2، وتعرض النافذة %3.</translation>
    </message>
    <message>
        <source>Check: %1² + %2² = %3² + %4² = %5 + %6 = %7 = %8² = %9²</source>
        <extracomment>a check of a right angle by Pythagoras&apos; theorem; only the word &quot;Check&quot; is text</extracomment>
        <translation>التحقق: %1² + %2² = %3² + %4² = %5 + %6 = %7 = %8² = %9²</translation>
    </message>
</context>
<context>
    <name>TrianglePanels</name>
    <message>
        <source>Triangle %1, angle %2</source>
        <extracomment>%1 is the panel&apos;s number, %2 the angle&apos;s letter (x, y or z)</extracomment>
        <translation>المثلث %1، الزاوية %2</translation>
    </message>
    <message>
        <source>Triangle %1, side %2</source>
        <extracomment>%1 is the panel&apos;s number, %2 the side&apos;s letter (a, b or c)</extracomment>
        <translation>المثلث %1، الضلع %2</translation>
    </message>
</context>
<context>
    <name>sb::Form10</name>
    <message>
        <source>Angle Must be positive smaller than 180 degrees</source>
        <translation>يجب أن تكون الزاوية موجبة وأصغر من 180 درجة.</translation>
    </message>
    <message>
        <source>Angle Must be positive and smaller than 180 degrees</source>
        <translation>يجب أن تكون الزاوية موجبة وأصغر من 180 درجة.</translation>
    </message>
</context>
<context>
    <name>sb::Form11</name>
    <message>
        <source>There is no solution</source>
        <translation>لا يوجد حل</translation>
    </message>
    <message>
        <source>Angle Must be positive and smaller than 180 degrees</source>
        <translation>يجب أن تكون الزاوية موجبة وأصغر من 180 درجة.</translation>
    </message>
</context>
</TS>
