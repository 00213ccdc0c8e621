<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Form5</name>
    <message>
        <source>Fill in the numbers separated by space in form:  1 4 65 898 5 2 6 88</source>
        <translation>Введи числа через пробіл, наприклад: 1 4 65 898 5 2 6 88</translation>
    </message>
    <message>
        <source>Fill in the weight according to the order of the numbers above in form 9 8 3 1 7 6 9 1 </source>
        <translation>Введи ваги в тому ж порядку, що й числа вище, наприклад: 9 8 3 1 7 6 9 1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>If You Dont Have weight , Dont Fill In the lower filed and the weights will be set to 1.</source>
        <translation>Якщо ваг немає, залиш нижнє поле порожнім: тоді кожна вага дорівнює 1.</translation>
    </message>
    <message>
        <source>Calculate Mean</source>
        <translation>Обчислити середнє значення</translation>
    </message>
    <message>
        <source>Calculate Variance</source>
        <translation>Обчислити дисперсію</translation>
    </message>
    <message>
        <source>w1*(a1-average)^2+w2*(a2-average)^2+ ... +wn*(an-average^2)</source>
        <translation>w1*(a1-середнє)^2+w2*(a2-середнє)^2+ ... +wn*(an-середнє^2)</translation>
    </message>
    <message>
        <source>Calculate Standard-Deviation</source>
        <translation>Обчислити стандартне відхилення</translation>
    </message>
    <message>
        <source>Root(Different)</source>
        <translation>Корінь(дисперсія)</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Відповідь</translation>
    </message>
</context>
<context>
    <name>SharedStatisticsWorking</name>
    <message>
        <source>%1 to 15 digits</source>
        <extracomment>%1 is a decimal written out to 15 significant digits</extracomment>
        <translation>%1 (з точністю до 15 цифр)</translation>
    </message>
    <message>
        <source>The window writes this as %1: E%2 means × 10%3.</source>
        <extracomment>%1 is a number as the window shows it (2E+25), %2 its power of ten (+25), %3 that power as a superscript</extracomment>
        <translation>Вікно записує це число як %1: E%2 означає × 10%3.</translation>
    </message>
    <message>
        <source>The window writes this as %1: E%2 means × 10%3, so %1 is %4.</source>
        <extracomment>%1 is a number as the window shows it (2E-06), %2 its power of ten (-06), %3 that power as a superscript, %4 the number written out (0.000002)</extracomment>
        <translation>Вікно записує це число як %1: E%2 означає × 10%3, отже, %1 — це %4.</translation>
    </message>
</context>
<context>
    <name>StatisticsLists</name>
    <message>
        <source>Number Of Elements In Both Fileds Must Be Equals. If There Is No Weight Leave The Weight Filed Empty!</source>
        <translation>В обох полях має бути однаково чисел. Якщо ваг немає, залиш поле ваг порожнім!</translation>
    </message>
    <message>
        <source>Please Fill The Numbers Filed, It Is Empty!!!</source>
        <translation>Поле чисел порожнє. Введи числа!</translation>
    </message>
</context>
<context>
    <name>StatisticsWorking</name>
    <message>
        <source>Bar chart of the %1 values from %2 to %3, one bar for each of the %4 different values, as high as its total weight; the mean %5 is marked.</source>
        <extracomment>%1 is the count of values, %2 the smallest, %3 the largest, %4 the count of different values, %5 the mean</extracomment>
        <translation>Стовпчаста діаграма значень (їх %1) від %2 до %3: по одному стовпчику для кожного з різних значень (їх %4), заввишки з його загальну вагу; середнє значення %5 позначено.</translation>
    </message>
    <message>
        <source>Bar chart of the %1 values from %2 to %3, one bar for each of the %4 different values, as high as the number of times it occurs; the mean %5 is marked.</source>
        <translation>Стовпчаста діаграма значень (їх %1) від %2 до %3: по одному стовпчику для кожного з різних значень (їх %4), заввишки з те, скільки разів воно трапляється; середнє значення %5 позначено.</translation>
    </message>
    <message>
        <source>Histogram of the %1 values from %2 to %3 in %4 bins of width %5 (Sturges&apos; rule: 1 + log2 of the number of values bins, the width rounded up to 1, 2 or 5 times a power of ten), each bar as high as the total weight in its bin; the mean %6 is marked.</source>
        <extracomment>%1 is the count of values, %2 the smallest, %3 the largest, %4 the count of bins, %5 their width, %6 the mean</extracomment>
        <translation>Гістограма значень (їх %1) від %2 до %3, інтервалів %4, кожен завширшки %5 (правило Стерджеса: кількість інтервалів = 1 + log2 від кількості значень, ширину округлено вгору до 1, 2 або 5, помножених на степінь десяти); кожен стовпчик заввишки з загальну вагу свого інтервалу; середнє значення %6 позначено.</translation>
    </message>
    <message>
        <source>Histogram of the %1 values from %2 to %3 in %4 bins of width %5 (Sturges&apos; rule: 1 + log2 of the number of values bins, the width rounded up to 1, 2 or 5 times a power of ten), each bar as high as the number of values in its bin; the mean %6 is marked.</source>
        <translation>Гістограма значень (їх %1) від %2 до %3, інтервалів %4, кожен завширшки %5 (правило Стерджеса: кількість інтервалів = 1 + log2 від кількості значень, ширину округлено вгору до 1, 2 або 5, помножених на степінь десяти); кожен стовпчик заввишки з кількість значень у своєму інтервалі; середнє значення %6 позначено.</translation>
    </message>
    <message>
        <source>count</source>
        <translation>частота</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>вага</translation>
    </message>
    <message>
        <source>value</source>
        <translation>значення</translation>
    </message>
    <message>
        <source>mean %1</source>
        <extracomment>the label of the mean&apos;s line in the figure; %1 is the mean</extracomment>
        <translation>середнє %1</translation>
    </message>
    <message>
        <source>The values lie too far apart, or weigh too much, to be drawn to scale; only the mean is marked.</source>
        <translation>Значення лежать надто далеко одне від одного або мають надто велику вагу, щоб намалювати їх у масштабі; позначено лише середнє значення.</translation>
    </message>
    <message>
        <source>The mean %1 on a number line.</source>
        <translation>Середнє значення %1 на числовій прямій.</translation>
    </message>
    <message>
        <source>The band from mean - σ to mean + σ is hatched, %1.</source>
        <extracomment>%1 is the standard deviation, or the variance and the standard deviation, as formulas (&quot;σ = 2&quot;, &quot;σ² = 4, σ = 2&quot;)</extracomment>
        <translation>Смугу від середнього - σ до середнього + σ заштриховано, %1.</translation>
    </message>
    <message>
        <source>The mean is %1</source>
        <translation>Середнє значення дорівнює %1</translation>
    </message>
    <message>
        <source>The variance is %1</source>
        <translation>Дисперсія дорівнює %1</translation>
    </message>
    <message>
        <source>The standard deviation is %1</source>
        <translation>Стандартне відхилення дорівнює %1</translation>
    </message>
    <message>
        <source>The mean adds value × weight for every value and divides by the sum of the weights.</source>
        <translation>Щоб знайти середнє значення, додаємо значення × вага для кожного значення й ділимо на суму ваг.</translation>
    </message>
    <message>
        <source>Sum of value × weight over the %1 value: %2</source>
        <extracomment>%1 is 1, the count of values; %2 the sum</extracomment>
        <translation>Сума значення × вага для %1 значення: %2</translation>
    </message>
    <message numerus="yes">
        <source>Sum of value × weight over the %1 values: %2</source>
        <translation>
            <numerusform>Сума значення × вага для всіх значень (їх %1): %2</numerusform>
            <numerusform>Сума значення × вага для всіх значень (їх %1): %2</numerusform>
            <numerusform>Сума значення × вага для всіх значень (їх %1): %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Sum of the weights: %1</source>
        <translation>Сума ваг: %1</translation>
    </message>
    <message>
        <source>The mean adds the values and divides by how many there are.</source>
        <translation>Щоб знайти середнє значення, додаємо значення й ділимо на їхню кількість.</translation>
    </message>
    <message>
        <source>Sum of the %1 value: %2</source>
        <extracomment>%1 is 1, the count of values; %2 the sum</extracomment>
        <translation>Сума %1 значення: %2</translation>
    </message>
    <message numerus="yes">
        <source>Sum of the %1 values: %2</source>
        <translation>
            <numerusform>Сума всіх значень (їх %1): %2</numerusform>
            <numerusform>Сума всіх значень (їх %1): %2</numerusform>
            <numerusform>Сума всіх значень (їх %1): %2</numerusform>
        </translation>
    </message>
    <message>
        <source>With no weights every value counts once, so the total weight is %1</source>
        <translation>Без ваг кожне значення враховується один раз, тому загальна вага дорівнює %1</translation>
    </message>
    <message>
        <source>The weights add up to exactly 0, so the mean has no value: nothing can be divided by 0.</source>
        <translation>Сума ваг дорівнює рівно 0, тому середнього значення немає: на 0 ділити не можна.</translation>
    </message>
    <message>
        <source>The window adds the weights with rounding, gets %1 and divides by that, so its answer %2 comes from rounding alone.</source>
        <extracomment>%1 is the rounded sum of the weights, %2 the window&apos;s answer</extracomment>
        <translation>Вікно додає ваги з округленням, отримує %1 і ділить на це число, тож його відповідь %2 виникає лише через округлення.</translation>
    </message>
    <message>
        <source>Mean = %1 ÷ %2 %3</source>
        <extracomment>%1 is the sum, %2 the sum of the weights, %3 &quot;= &quot; and the mean</extracomment>
        <translation>Середнє = %1 ÷ %2 %3</translation>
    </message>
    <message>
        <source>The variance is the mean of the squared distances from the mean, each counted by its weight:</source>
        <translation>Дисперсія — це середнє значення квадратів відхилень від середнього, кожен із своєю вагою:</translation>
    </message>
    <message>
        <source>The variance is the mean of the squared distances from the mean:</source>
        <translation>Дисперсія — це середнє значення квадратів відхилень від середнього:</translation>
    </message>
    <message>
        <source>%1; squared × %2: %3</source>
        <translation>%1; у квадраті × %2: %3</translation>
    </message>
    <message>
        <source>%1; squared × %2 ≈ %3</source>
        <translation>%1; у квадраті × %2 ≈ %3</translation>
    </message>
    <message>
        <source>%1; squared: %2</source>
        <translation>%1; у квадраті: %2</translation>
    </message>
    <message>
        <source>%1; squared ≈ %2</source>
        <translation>%1; у квадраті ≈ %2</translation>
    </message>
    <message>
        <source>Check: the distances from the mean, each × its weight, add up to 0: %1 = 0</source>
        <translation>Перевірка: сума відхилень від середнього, кожне × свою вагу, дорівнює 0: %1 = 0</translation>
    </message>
    <message>
        <source>Check: the distances from the mean add up to 0: %1 = 0</source>
        <translation>Перевірка: сума відхилень від середнього дорівнює 0: %1 = 0</translation>
    </message>
    <message>
        <source>… %1 more value</source>
        <extracomment>the rows of the table left out; %1 is 1</extracomment>
        <translation>… ще %1 значення</translation>
    </message>
    <message numerus="yes">
        <source>… %1 more values</source>
        <translation>
            <numerusform>… ще %1 значення</numerusform>
            <numerusform>… ще %1 значення</numerusform>
            <numerusform>… ще %1 значень</numerusform>
        </translation>
    </message>
    <message>
        <source>Sum of the squares × weights: %1</source>
        <translation>Сума квадратів × ваги: %1</translation>
    </message>
    <message>
        <source>Sum of the squares × weights ≈ %1</source>
        <translation>Сума квадратів × ваги ≈ %1</translation>
    </message>
    <message>
        <source>Sum of the squares: %1</source>
        <translation>Сума квадратів: %1</translation>
    </message>
    <message>
        <source>Sum of the squares ≈ %1</source>
        <translation>Сума квадратів ≈ %1</translation>
    </message>
    <message>
        <source>Variance = %1 ÷ %2 %3</source>
        <extracomment>%1 is the sum of the squares, %2 the sum of the weights, %3 &quot;= &quot; and the variance</extracomment>
        <translation>Дисперсія = %1 ÷ %2 %3</translation>
    </message>
    <message>
        <source>A negative weight made the variance negative, so it has no square root: there is no standard deviation.</source>
        <translation>Через від&apos;ємну вагу дисперсія стала від&apos;ємною, тому з неї не можна добути квадратний корінь: стандартного відхилення немає.</translation>
    </message>
    <message>
        <source>Standard deviation σ = √%1 %2</source>
        <extracomment>%1 is the variance, %2 &quot;= &quot; and its root</extracomment>
        <translation>Стандартне відхилення σ = √%1 %2</translation>
    </message>
    <message>
        <source>Standard deviation σ = √%1 ≈ %2</source>
        <translation>Стандартне відхилення σ = √%1 ≈ %2</translation>
    </message>
    <message>
        <source>The numbers box takes the values separated by single blanks, such as 1 4 65 898.</source>
        <translation>У поле чисел вводь значення через один пробіл, наприклад 1 4 65 898.</translation>
    </message>
    <message>
        <source>Each value may be %1; it counts as its decimal to 15 digits.</source>
        <extracomment>%1 lists the forms a typed value may take (&quot;a whole number, a decimal, ...&quot;)</extracomment>
        <translation>Кожне значення може бути таким: %1; воно враховується як десятковий дріб із 15 цифрами.</translation>
    </message>
    <message>
        <source>The weights box stays empty (every weight is 1), or takes one weight per value, in the same order.</source>
        <translation>Поле ваг залишається порожнім (кожна вага дорівнює 1) або містить по одній вазі для кожного значення в тому ж порядку.</translation>
    </message>
    <message>
        <source>Numbers 2 4 4 4 5 5 7 9, Calculate Standard-Deviation:</source>
        <extracomment>the example worked out; &quot;Calculate Standard-Deviation&quot; is the button, translated as on the button</extracomment>
        <translation>Числа 2 4 4 4 5 5 7 9, Обчислити стандартне відхилення:</translation>
    </message>
    <message>
        <source>A column or a row copied from a spreadsheet can be pasted into either box: its line breaks and tabs become blanks.</source>
        <translation>У будь-яке з двох полів можна вставити стовпець або рядок, скопійований з електронної таблиці: розриви рядків і табуляції стануть пропусками.</translation>
    </message>
    <message>
        <source>A .txt or .csv file dropped on a box gives its values; commas between values count as blanks.</source>
        <translation>Файл .txt або .csv, перетягнутий на поле, дає свої значення; коми між значеннями вважаються пропусками.</translation>
    </message>
</context>
</TS>
