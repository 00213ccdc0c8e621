<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>CosineWorking</name>
    <message>
        <source>Triangle %1: the sides a and b and the angle z between them are given.</source>
        <extracomment>%1 is the panel&apos;s number</extracomment>
        <translation>Трикутник %1: дано сторони a і b та кут z між ними.</translation>
    </message>
    <message>
        <source>The law of cosines gives the third side: c² = a² + b² - 2ab cos(z).</source>
        <translation>Теорема косинусів дає третю сторону: c² = a² + b² - 2ab cos(z).</translation>
    </message>
    <message>
        <source>With cos(90°) = 0 the law is Pythagoras&apos; theorem: c² = a² + b².</source>
        <translation>Оскільки cos(90°) = 0, теорема стає теоремою Піфагора: c² = a² + b².</translation>
    </message>
    <message>
        <source>%1² = %2, %3² = %4 and 2 × %1 × %3 × %5 = %6</source>
        <extracomment>%1 is a, %3 is b, %5 is cos(z); %2, %4 and %6 what they give</extracomment>
        <translation>%1² = %2, %3² = %4 і 2 × %1 × %3 × %5 = %6</translation>
    </message>
    <message>
        <source>The same law turned round gives the angle x, opposite b:</source>
        <translation>Та сама теорема, розв&apos;язана відносно косинуса, дає кут x навпроти b:</translation>
    </message>
    <message>
        <source>The three angles make 180°: y = 180° - x - z = 180° - %1 - %2 = %3</source>
        <extracomment>%1 is the angle x, %2 the angle z, %3 the angle y</extracomment>
        <translation>Сума трьох кутів дорівнює 180°: y = 180° - x - z = 180° - %1 - %2 = %3</translation>
    </message>
    <message>
        <source>The window shows: c = %1, x = %2, y = %3.</source>
        <extracomment>%1 is the side c, %2 and %3 the angles x and y</extracomment>
        <translation>Вікно показує: c = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>Answer: c = %1, x = %2, y = %3.</source>
        <translation>Відповідь: c = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>Triangle 4: the three sides a, b and c are given.</source>
        <translation>Трикутник 4: дано три сторони a, b і c.</translation>
    </message>
    <message>
        <source>%1 + %2 = %3 + %4 = %5 = %6: the two sides together are just as long as the third, so the triangle lies flat, with no height.</source>
        <extracomment>%1 and %2 are two sides&apos; letters, %3 and %4 their lengths, %5 the third side&apos;s length and %6 its letter</extracomment>
        <translation>%1 + %2 = %3 + %4 = %5 = %6: разом ці дві сторони якраз дорівнюють третій, тож трикутник сплющений і не має висоти.</translation>
    </message>
    <message>
        <source>The law of cosines turned round gives each angle from the three sides:</source>
        <translation>Теорема косинусів, розв&apos;язана відносно косинуса, дає кожен кут через три сторони:</translation>
    </message>
    <message>
        <source>The three angles make 180°: z = 180° - x - y = 180° - %1 - %2 = %3</source>
        <extracomment>%1 is the angle x, %2 the angle y, %3 the angle z</extracomment>
        <translation>Сума трьох кутів дорівнює 180°: z = 180° - x - y = 180° - %1 - %2 = %3</translation>
    </message>
    <message>
        <source>Exactly, cos(z) = (a² + b² - c²) ÷ (2ab) = %1 ÷ %2 = %3, so z = %4.</source>
        <extracomment>%1 and %2 are the top and bottom of the fraction, %3 its value, %4 the angle z</extracomment>
        <translation>Точно: cos(z) = (a² + b² - c²) ÷ (2ab) = %1 ÷ %2 = %3, отже z = %4.</translation>
    </message>
    <message>
        <source>The window shows: z = %1, x = %2, y = %3.</source>
        <extracomment>%1, %2 and %3 are the angles z, x and y</extracomment>
        <translation>Вікно показує: z = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>Answer: z = %1, x = %2, y = %3.</source>
        <translation>Відповідь: z = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>missing %1</source>
        <extracomment>a figure&apos;s label: %1 is the length the two shorter sides lack</extracomment>
        <translation>бракує %1</translation>
    </message>
    <message>
        <source>The sides %1 and %2 laid end to end beside the longest side, %3: they fall %4 short, so no triangle closes.</source>
        <extracomment>%1 and %2 are the two shorter sides (&quot;a = 2&quot;), %3 the longest, %4 what they lack</extracomment>
        <translation>Сторони %1 і %2, покладені одна за одною поруч із найдовшою стороною %3: їм бракує %4, тож трикутник не замикається.</translation>
    </message>
    <message>
        <source>The sides %1 and %2 laid end to end beside the longest side, %3: together they are no longer than it, so the triangle is flat at best.</source>
        <extracomment>%1 and %2 are the two shorter sides (&quot;a = 2&quot;), %3 the longest</extracomment>
        <translation>Сторони %1 і %2, покладені одна за одною поруч із найдовшою стороною %3: разом вони не довші за неї, тож трикутник у кращому разі сплющений.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <extracomment>%1 is the message the window showed</extracomment>
        <translation>Вікно повідомило: «%1»</translation>
    </message>
    <message>
        <source>The sides a = %1, b = %2 and c = %3 make no triangle it can solve.</source>
        <translation>Сторони a = %1, b = %2 і c = %3 не утворюють трикутника, який вікно може розв&apos;язати.</translation>
    </message>
    <message>
        <source>The side %1 is too long: the two others together reach only %2 + %3 = %4, which is %5 short of it.</source>
        <extracomment>%1 is the longest side (&quot;c = 9&quot;), %2 and %3 the two others, %4 their sum, %5 what it lacks</extracomment>
        <translation>Сторона %1 задовга: дві інші разом дають лише %2 + %3 = %4, тобто на %5 менше.</translation>
    </message>
    <message>
        <source>The two shorter sides together, %1 + %2 = %3, are just as long as the longest side, %4: the triangle is flat, with no height.</source>
        <extracomment>%1 and %2 are the two shorter sides, %3 their sum, %4 the longest side (&quot;c = 9&quot;)</extracomment>
        <translation>Дві коротші сторони разом, %1 + %2 = %3, якраз дорівнюють найдовшій стороні %4: трикутник сплющений і не має висоти.</translation>
    </message>
    <message>
        <source>Its cosines are exactly 1 and -1, but the computer&apos;s rounding put one just past them, and no angle has such a cosine.</source>
        <translation>Його косинуси точно дорівнюють 1 і -1, але округлення комп&apos;ютера виштовхнуло один трохи за ці межі, а такого косинуса не має жоден кут.</translation>
    </message>
    <message>
        <source>A cosine is never below -1 or above 1, so no angle has it.</source>
        <translation>Косинус ніколи не буває меншим за -1 чи більшим за 1, тож жоден кут не має такого косинуса.</translation>
    </message>
    <message>
        <source>The squares of these sides are too large for the computer.</source>
        <translation>Квадрати цих сторін завеликі для комп&apos;ютера.</translation>
    </message>
    <message>
        <source>No figure: the computer cannot work with these sides.</source>
        <translation>Рисунка немає: комп&apos;ютер не може працювати з такими сторонами.</translation>
    </message>
    <message>
        <source>In a triangle any two sides together are longer than the third.</source>
        <translation>У трикутнику будь-які дві сторони разом довші за третю.</translation>
    </message>
    <message>
        <source>Triangles 1, 2 and 3 take two sides, a and b, and the angle z between them, and find the side c and the angles x and y.</source>
        <translation>Трикутники 1, 2 і 3 приймають дві сторони, a і b, та кут z між ними й знаходять сторону c та кути x і y.</translation>
    </message>
    <message>
        <source>Triangle 4 takes the three sides a, b and c and finds the angles x, y and z.</source>
        <translation>Трикутник 4 приймає три сторони a, b і c та знаходить кути x, y і z.</translation>
    </message>
</context>
<context>
    <name>Form10</name>
    <message>
        <source>Triangles - The Law Of Cosines</source>
        <translation>Трикутники - Теорема косинусів</translation>
    </message>
    <message>
        <source>Solve Triangle </source>
        <translation>Розв&apos;язати</translation>
    </message>
    <message>
        <source>Clear Triangle</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Clear Triangle </source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Solve Triangle</source>
        <translation>Розв&apos;язати</translation>
    </message>
    <message>
        <source>Important ! The angles must be in degrees  (not in radians).</source>
        <translation>Важливо! Кути мають бути в градусах (не в радіанах).</translation>
    </message>
</context>
<context>
    <name>Form11</name>
    <message>
        <source>Triangles - The Law Of Sines</source>
        <translation>Трикутники - Теорема синусів</translation>
    </message>
    <message>
        <source>Solve Triangle </source>
        <translation>Розв&apos;язати</translation>
    </message>
    <message>
        <source>Clear Triangle</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Clear Triangle </source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Important ! The angles must be in degrees  (not in radians).</source>
        <translation>Важливо! Кути мають бути в градусах (не в радіанах).</translation>
    </message>
</context>
<context>
    <name>GeometryWorking</name>
    <message>
        <source>Each box takes one number greater than zero, at most %1: %2, a fraction such as 3/4, or a mixed number such as 2/1/3 (2 and 1/3)</source>
        <extracomment>%1 is how long a typed value may be (&quot;8 characters&quot;), %2 a decimal such as 2.5</extracomment>
        <translation>Кожне поле приймає одне число, більше за нуль, щонайбільше %1: %2, дріб, як-от 3/4, або мішане число, як-от 2/1/3 (2 і 1/3)</translation>
    </message>
    <message>
        <source>No figure: these sizes are too large or too small to draw to scale on a screen.</source>
        <translation>Рисунка немає: ці розміри завеликі або замалі, щоб накреслити їх у масштабі на екрані.</translation>
    </message>
</context>
<context>
    <name>SineWorking</name>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <extracomment>%1 is the message the window showed</extracomment>
        <translation>Вікно повідомило: «%1»</translation>
    </message>
    <message>
        <source>Triangle %1: the angles %2 and %3 and the side %4 are given.</source>
        <extracomment>%1 is the panel&apos;s number, %2 and %3 the angles&apos; letters, %4 the side&apos;s letter</extracomment>
        <translation>Трикутник %1: дано кути %2 і %3 та сторону %4.</translation>
    </message>
    <message>
        <source>The three angles make 180°: %1 = 180° - %2 - %3 = 180° - %4 - %5 = %6</source>
        <extracomment>%1 is the third angle&apos;s letter, %2 and %3 the given angles&apos; letters, %4 and %5 their values, %6 the third angle</extracomment>
        <translation>Сума трьох кутів дорівнює 180°: %1 = 180° - %2 - %3 = 180° - %4 - %5 = %6</translation>
    </message>
    <message>
        <source>Each angle of a triangle is above 0°, so %1 and %2 together must be less than 180°: no triangle has these angles.</source>
        <extracomment>%1 and %2 are the given angles&apos; letters</extracomment>
        <translation>Кожен кут трикутника більший за 0°, тож сума %1 і %2 має бути меншою за 180°: жоден трикутник не має таких кутів.</translation>
    </message>
    <message>
        <source>The computer&apos;s rounding left %1 a hair above 0°, so the window shows a triangle that is really flat: %2.</source>
        <extracomment>%1 is the third angle&apos;s letter, %2 the values the window shows</extracomment>
        <translation>Через округлення комп&apos;ютера %1 вийшов трохи більшим за 0°, тому вікно показує трикутник, який насправді сплющений: %2.</translation>
    </message>
    <message>
        <source>No triangle to draw: %1 and %2 leave nothing for %3.</source>
        <extracomment>%1 and %2 are the given angles&apos; letters, %3 the third angle&apos;s letter</extracomment>
        <translation>Немає трикутника для рисунка: %1 і %2 нічого не залишають для %3.</translation>
    </message>
    <message>
        <source>The law of sines: a ÷ sin(y) = b ÷ sin(x) = c ÷ sin(z).</source>
        <translation>Теорема синусів: a ÷ sin(y) = b ÷ sin(x) = c ÷ sin(z).</translation>
    </message>
    <message>
        <source>A side that comes out 0 or less makes no triangle.</source>
        <translation>Якщо сторона виходить 0 або менше, трикутника немає.</translation>
    </message>
    <message>
        <source>The window shows: %1.</source>
        <extracomment>%1 lists the values the window shows: &quot;c = 10, a = 8.66025403784439, y = 60°&quot;</extracomment>
        <translation>Вікно показує: %1.</translation>
    </message>
    <message>
        <source>Answer: %1.</source>
        <translation>Відповідь: %1.</translation>
    </message>
    <message>
        <source>The sides are too large to draw.</source>
        <translation>Сторони завеликі, щоб їх накреслити.</translation>
    </message>
    <message>
        <source>line of b</source>
        <translation>пряма b</translation>
    </message>
    <message>
        <source>short by %1</source>
        <extracomment>a figure&apos;s label: %1 is a length</extracomment>
        <translation>бракує %1</translation>
    </message>
    <message>
        <source>Side %1 swung from corner X misses the line of side b: X lies %2 from it, so a falls %3 short.</source>
        <extracomment>%1 is &quot;a = &quot; and the side&apos;s length, %2 and %3 lengths</extracomment>
        <translation>Сторона %1, повернута навколо вершини X, не дістає до прямої сторони b: X лежить на відстані %2 від неї, тож a бракує %3.</translation>
    </message>
    <message>
        <source>Side %1 swung from corner X meets the line of side b only where the angle x would be 0° or less: x = %2.</source>
        <extracomment>%1 is &quot;a = &quot; and the side&apos;s length, %2 the angle x</extracomment>
        <translation>Сторона %1, повернута навколо вершини X, перетинає пряму сторони b лише там, де кут x був би 0° або менше: x = %2.</translation>
    </message>
    <message>
        <source>dashed: %1, %2</source>
        <extracomment>a figure&apos;s label: the angles of the second triangle, drawn dashed (&quot;x&apos; = 30°&quot;)</extracomment>
        <translation>пунктиром: %1, %2</translation>
    </message>
    <message>
        <source>A second triangle fits the same values, dashed: %1.</source>
        <extracomment>%1 lists the second triangle&apos;s values: &quot;b&apos; = 3.1, x&apos; = 30°, z&apos; = 120°&quot;</extracomment>
        <translation>Тим самим значенням відповідає й другий трикутник, пунктиром: %1.</translation>
    </message>
    <message>
        <source>Triangle %1: the angle y, the side a opposite it and the side c are given.</source>
        <translation>Трикутник %1: дано кут y, протилежну йому сторону a і сторону c.</translation>
    </message>
    <message>
        <source>Side a runs from corner X to the line of side b. X lies c sin(y) = %1 × %2 = %3 from that line.</source>
        <extracomment>%1 is c, %2 sin(y), %3 their product</extracomment>
        <translation>Сторона a йде від вершини X до прямої сторони b. X лежить на відстані c sin(y) = %1 × %2 = %3 від цієї прямої.</translation>
    </message>
    <message>
        <source>a = %1 is shorter: it falls short by c sin(y) - a = %2 - %1 = %3.</source>
        <extracomment>%1 is a, %2 is c sin(y), %3 the difference</extracomment>
        <translation>a = %1 коротша: їй бракує c sin(y) - a = %2 - %1 = %3.</translation>
    </message>
    <message>
        <source>To all its digits the computer holds c sin(y) as %1, which shows as %2.</source>
        <extracomment>%1 is a number to all its digits, %2 the same number as the steps write it</extracomment>
        <translation>З усіма цифрами комп&apos;ютер зберігає c sin(y) як %1, а показує як %2.</translation>
    </message>
    <message>
        <source>So no triangle fits these values.</source>
        <translation>Отже, жоден трикутник не має таких значень.</translation>
    </message>
    <message>
        <source>a = %1 is just as long: it meets the line of b at a right angle.</source>
        <translation>a = %1 має якраз таку довжину: вона перетинає пряму b під прямим кутом.</translation>
    </message>
    <message>
        <source>a = %1 is longer, so it reaches the line.</source>
        <translation>a = %1 довша, тож дістає до прямої.</translation>
    </message>
    <message>
        <source>The law of sines: sin(z) ÷ c = sin(y) ÷ a, so sin(z) = c sin(y) ÷ a = %2 × %1 ÷ %3 = %4</source>
        <extracomment>%2 is c, %1 sin(y), %3 a, %4 sin(z)</extracomment>
        <translation>Теорема синусів: sin(z) ÷ c = sin(y) ÷ a, отже sin(z) = c sin(y) ÷ a = %2 × %1 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>z = arcsin(%1) = %2, the angle up to 90° with that sine.</source>
        <extracomment>%1 is sin(z), %2 the angle z</extracomment>
        <translation>z = arcsin(%1) = %2, кут до 90° з таким синусом.</translation>
    </message>
    <message>
        <source>The angles x and z must each be above 0°: no triangle fits these values.</source>
        <translation>Кути x і z мають бути більшими за 0°: жоден трикутник не має таких значень.</translation>
    </message>
    <message>
        <source>The computer&apos;s rounding left x a hair above 0°, so the window shows a triangle that is really flat: %1.</source>
        <extracomment>%1 lists the values the window shows</extracomment>
        <translation>Через округлення комп&apos;ютера x вийшов трохи більшим за 0°, тому вікно показує трикутник, який насправді сплющений: %1.</translation>
    </message>
    <message>
        <source>Only this one triangle fits, with its right angle at Z.</source>
        <translation>Підходить лише цей трикутник, із прямим кутом при вершині Z.</translation>
    </message>
    <message>
        <source>The computer&apos;s c sin(y) came out a hair above a, so the window found no triangle; exactly there is one.</source>
        <translation>У комп&apos;ютера c sin(y) вийшло трохи більшим за a, тому вікно не знайшло трикутника; а точно він існує.</translation>
    </message>
    <message>
        <source>Near 90° the sine hardly changes, so the computer&apos;s sin(z), %1 instead of 1, moved z by %2°, and x and b with it.</source>
        <extracomment>%1 is the computer&apos;s sin(z), %2 a small number of degrees</extracomment>
        <translation>Біля 90° синус майже не змінюється, тож sin(z) комп&apos;ютера, %1 замість 1, змістив z на %2°, а з ним x і b.</translation>
    </message>
    <message>
        <source>A second triangle fits too, because y is below 90° and c sin(y) = %1 &lt; a = %2 &lt; c = %3. The window shows only the first; the figure draws the second dashed.</source>
        <extracomment>%1 is c sin(y), %2 is a, %3 is c</extracomment>
        <translation>Підходить і другий трикутник, бо y менший за 90° і c sin(y) = %1 &lt; a = %2 &lt; c = %3. Вікно показує лише перший; на рисунку другий накреслено пунктиром.</translation>
    </message>
    <message>
        <source>In the second, z&apos; = 180° - z = 180° - %1 = %2</source>
        <extracomment>z&apos; is the angle z of the second triangle; %1 is z, %2 is z&apos;</extracomment>
        <translation>У другому z&apos; = 180° - z = 180° - %1 = %2</translation>
    </message>
    <message>
        <source>Second answer: %1.</source>
        <extracomment>%1 lists the second triangle&apos;s values: &quot;x&apos; = 30°, z&apos; = 120°, b&apos; = 3.1&quot;</extracomment>
        <translation>Друга відповідь: %1.</translation>
    </message>
    <message>
        <source>Triangles 1 and 4 take two angles and a side, and find the third angle and the other two sides.</source>
        <translation>Трикутники 1 і 4 приймають два кути й сторону та знаходять третій кут і дві інші сторони.</translation>
    </message>
    <message>
        <source>Triangles 2 and 3 take the angle y, the side a opposite it and the side c, and find the angles z and x and the side b.</source>
        <translation>Трикутники 2 і 3 приймають кут y, протилежну йому сторону a і сторону c та знаходять кути z і x і сторону b.</translation>
    </message>
</context>
<context>
    <name>SolvedTriangle</name>
    <message>
        <source>The triangle is too large to draw: its longest side is %1.</source>
        <translation>Трикутник завеликий, щоб його накреслити: його найдовша сторона %1.</translation>
    </message>
    <message>
        <source>Triangle XYZ, too large to draw: %1.</source>
        <extracomment>%1 lists the sides and angles: &quot;a = 3, b = 4, c = 5, x = 36.87°, ...&quot;</extracomment>
        <translation>Трикутник XYZ, завеликий для рисунка: %1.</translation>
    </message>
    <message>
        <source>Triangle XYZ drawn to scale: %1.</source>
        <extracomment>%1 lists the sides and angles: &quot;a = 3, b = 4, c = 5, x = 36.87°, ...&quot;</extracomment>
        <translation>Трикутник XYZ у масштабі: %1.</translation>
    </message>
    <message>
        <source>The angle %1 is exactly a right angle, marked with a square.</source>
        <extracomment>%1 is the angle&apos;s letter (x, y or z)</extracomment>
        <translation>Кут %1 точно прямий, позначений квадратиком.</translation>
    </message>
    <message>
        <source>At true scale the triangle is almost flat: its height is %1, its longest side %2.</source>
        <extracomment>%1 and %2 are lengths</extracomment>
        <translation>У справжньому масштабі трикутник майже сплющений: його висота %1, найдовша сторона %2.</translation>
    </message>
    <message>
        <source>Each box takes a number above 0 of at most 5 characters: a whole number (3), a decimal (%1), a fraction (3/4) or a mixed number (2/1/3).</source>
        <extracomment>%1 is a decimal number such as 2.5</extracomment>
        <translation>Кожне поле приймає число, більше за 0, щонайбільше з 5 символів: ціле число (3), десятковий дріб (%1), дріб (3/4) або мішане число (2/1/3).</translation>
    </message>
    <message>
        <source>Angles are in degrees, above 0° and below 180°.</source>
        <translation>Кути задають у градусах: більші за 0° і менші за 180°.</translation>
    </message>
    <message>
        <source>Before a sine or a cosine the computer turns degrees into radians (× 3.14159265358979 ÷ 180), and an angle it finds back into degrees (× 180 ÷ 3.14159265358979).</source>
        <translation>Перед синусом чи косинусом комп&apos;ютер переводить градуси в радіани (× 3.14159265358979 ÷ 180), а знайдений кут — назад у градуси (× 180 ÷ 3.14159265358979).</translation>
    </message>
    <message>
        <source>The same rounding is in %1: exactly %2, the window shows %3.</source>
        <extracomment>%1 names a value (x, b, ...), %2 is its exact value, %3 the value the window shows</extracomment>
        <translation>Те саме округлення є і в %1: точно %2, вікно показує %3.</translation>
    </message>
    <message>
        <source>Check: %1² + %2² = %3² + %4² = %5 + %6 = %7 = %8² = %9²</source>
        <extracomment>a check of a right angle by Pythagoras&apos; theorem; only the word &quot;Check&quot; is text</extracomment>
        <translation>Перевірка: %1² + %2² = %3² + %4² = %5 + %6 = %7 = %8² = %9²</translation>
    </message>
</context>
<context>
    <name>TrianglePanels</name>
    <message>
        <source>Triangle %1, angle %2</source>
        <extracomment>%1 is the panel&apos;s number, %2 the angle&apos;s letter (x, y or z)</extracomment>
        <translation>Трикутник %1, кут %2</translation>
    </message>
    <message>
        <source>Triangle %1, side %2</source>
        <extracomment>%1 is the panel&apos;s number, %2 the side&apos;s letter (a, b or c)</extracomment>
        <translation>Трикутник %1, сторона %2</translation>
    </message>
</context>
<context>
    <name>sb::Form10</name>
    <message>
        <source>Angle Must be positive smaller than 180 degrees</source>
        <translation>Кут має бути додатним і меншим за 180 градусів.</translation>
    </message>
    <message>
        <source>Angle Must be positive and smaller than 180 degrees</source>
        <translation>Кут має бути додатним і меншим за 180 градусів.</translation>
    </message>
</context>
<context>
    <name>sb::Form11</name>
    <message>
        <source>There is no solution</source>
        <translation>Розв&apos;язку немає</translation>
    </message>
    <message>
        <source>Angle Must be positive and smaller than 180 degrees</source>
        <translation>Кут має бути додатним і меншим за 180 градусів.</translation>
    </message>
</context>
</TS>
