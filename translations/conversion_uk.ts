<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>ConversionWorking</name>
    <message>
        <source>Fraction bars of the same length: %1.</source>
        <extracomment>%1 is the forms of one value, joined by &quot; = &quot;</extracomment>
        <translation>Смужки дробів однакової довжини: %1.</translation>
    </message>
    <message>
        <source>Fraction bars of the same length: %1, at %2 on the number line.</source>
        <extracomment>%1 is the forms of one value, joined by &quot; = &quot;, %2 the value</extracomment>
        <translation>Смужки дробів однакової довжини: %1, у точці %2 на числовій прямій.</translation>
    </message>
    <message>
        <source>The exact value is %1: its decimal never ends, so the window shows it rounded to 15 digits, %2</source>
        <translation>Точне значення — %1: його десятковий запис нескінченний, тому вікно показує його округленим до 15 цифр, %2</translation>
    </message>
    <message>
        <source>As a fraction in lowest terms: %1 = %2</source>
        <translation>У вигляді нескоротного дробу: %1 = %2</translation>
    </message>
    <message>
        <source>A mixed number as an improper fraction: whole number × denominator + numerator, over the same denominator</source>
        <translation>Мішане число як неправильний дріб: ціле число × знаменник + чисельник, над тим самим знаменником</translation>
    </message>
    <message>
        <source>The exercise: %1</source>
        <translation>Вправа: %1</translation>
    </message>
    <message>
        <source>The denominator stays as it was typed: %1</source>
        <translation>Знаменник залишається таким, як його введено: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Відповідь: %1</translation>
    </message>
    <message>
        <source>An improper fraction as a mixed number: divide the numerator by the denominator; the quotient is the whole number, the remainder the new numerator</source>
        <translation>Неправильний дріб як мішане число: поділи чисельник на знаменник; частка — це ціле число, остача — новий чисельник</translation>
    </message>
    <message>
        <source>Check: %1 × %2 + %3 = %4</source>
        <translation>Перевірка: %1 × %2 + %3 = %4</translation>
    </message>
    <message>
        <source>The remainder is 0, so there is no fraction part</source>
        <translation>Остача дорівнює 0, тому дробової частини немає</translation>
    </message>
    <message>
        <source>The window writes the denominator as it was typed: %1</source>
        <translation>Вікно записує знаменник так, як його введено: %1</translation>
    </message>
    <message>
        <source>The whole number box held &quot;%1&quot;, which is no number, so the window set it to 0 and worked nothing out</source>
        <translation>У полі цілого числа було «%1», а це не число, тому вікно поставило туди 0 і нічого не обчислило</translation>
    </message>
    <message>
        <source>Press the button again to convert with the whole number 0</source>
        <translation>Натисни кнопку ще раз, щоб перетворити з цілим числом 0</translation>
    </message>
    <message>
        <source>A mixed number as a decimal: divide the numerator by the denominator, then add the whole number</source>
        <translation>Мішане число як десятковий дріб: поділи чисельник на знаменник, потім додай ціле число</translation>
    </message>
    <message>
        <source>The whole number box was empty, so it is 0</source>
        <translation>Поле цілого числа було порожнім, тому воно дорівнює 0</translation>
    </message>
    <message>
        <source>A decimal as a fraction: the digits after the decimal point, over 1 with as many zeros as there are digits</source>
        <translation>Десятковий дріб як звичайний дріб: цифри після коми, поділені на 1 з такою кількістю нулів, скільки є цифр</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n digit after the decimal point: %2</source>
        <extracomment>%1 is the decimal typed, %n the number of digits after its point, %2 those digits</extracomment>
        <translation>
            <numerusform>%1 має %n цифру після коми: %2</numerusform>
            <numerusform>%1 має %n цифри після коми: %2</numerusform>
            <numerusform>%1 має %n цифр після коми: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n digits after the decimal point: %2</source>
        <translation>
            <numerusform>%1 має %n цифру після коми: %2</numerusform>
            <numerusform>%1 має %n цифри після коми: %2</numerusform>
            <numerusform>%1 має %n цифр після коми: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>10 to the power %1 is %2, so the digits make %3</source>
        <extracomment>%1 is the number of digits, %2 that power of 10, %3 the fraction the digits make</extracomment>
        <translation>10 у степені %1 дорівнює %2, тому цифри дають %3</translation>
    </message>
    <message>
        <source>The whole number is the part before the decimal point: %1</source>
        <translation>Ціле число — це частина перед комою: %1</translation>
    </message>
    <message>
        <source>Here the minus sign stands for the whole number and the fraction together: %1 is %2</source>
        <translation>Тут знак мінус стосується цілого числа і дробу разом: %1 — це %2</translation>
    </message>
    <message>
        <source>The digits after the decimal point make 0, so there is no fraction part</source>
        <translation>Цифри після коми дають 0, тому дробової частини немає</translation>
    </message>
    <message>
        <source>In the other panels each part keeps its own sign: there %1 is typed %2 and -%3/%4</source>
        <extracomment>%1 is the decimal, %2 its whole part, -%3/%4 its fraction part</extracomment>
        <translation>В інших панелях кожна частина має власний знак: там %1 вводять як %2 і -%3/%4</translation>
    </message>
    <message>
        <source>The window does not reduce the fraction</source>
        <translation>Вікно не скорочує дріб</translation>
    </message>
    <message>
        <source>The greatest common divisor of %1 and %2 is 1, so %3 is in lowest terms already</source>
        <translation>Найбільший спільний дільник %1 і %2 дорівнює 1, тому %3 — уже нескоротний дріб</translation>
    </message>
    <message>
        <source>Divided by their greatest common divisor %1, in lowest terms: %2 = %3</source>
        <translation>Після ділення на їхній найбільший спільний дільник %1 дріб нескоротний: %2 = %3</translation>
    </message>
    <message>
        <source>Every box takes one plain number, such as 3 or %1: no fractions like 3/4</source>
        <translation>Кожне поле приймає одне звичайне число, наприклад 3 або %1: жодних дробів на зразок 3/4</translation>
    </message>
    <message>
        <source>%1: the whole number (0 when there is none), the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Fraction To Improper&quot;</extracomment>
        <translation>%1: ціле число (0, якщо його немає), чисельник і знаменник</translation>
    </message>
    <message>
        <source>%1: the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Improper To Fraction&quot;</extracomment>
        <translation>%1: чисельник і знаменник</translation>
    </message>
    <message>
        <source>%1: the whole number (it may be empty), the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Fraction To Decimal&quot;</extracomment>
        <translation>%1: ціле число (поле може бути порожнім), чисельник і знаменник</translation>
    </message>
    <message>
        <source>%1: a decimal number with a decimal point, such as %2</source>
        <extracomment>%1 is the button &quot;Decimal To Fraction&quot;, %2 a decimal number</extracomment>
        <translation>%1: десятковий дріб із комою, наприклад %2</translation>
    </message>
    <message>
        <source>You must enter a decimal number in form ab.def</source>
        <translation>Введи десятковий дріб у вигляді ab.def</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source> Fraction To Improper </source>
        <translation>На неправ. дріб</translation>
    </message>
    <message>
        <source>Improper To Fraction</source>
        <translation>На мішане число</translation>
    </message>
    <message>
        <source>Fraction To Decimal</source>
        <translation>На десятковий</translation>
    </message>
    <message>
        <source>Decimal To Fraction</source>
        <translation>На мішане число</translation>
    </message>
    <message>
        <source>Converts Simple Fraction To Improper Fraction</source>
        <translation>Перетворює мішане число на неправильний дріб</translation>
    </message>
    <message>
        <source>Whole part</source>
        <translation>Ціла частина</translation>
    </message>
    <message>
        <source>Numerator</source>
        <translation>Чисельник</translation>
    </message>
    <message>
        <source>Denominator</source>
        <translation>Знаменник</translation>
    </message>
    <message>
        <source>Converts Improper Fraction To Simple  Fraction</source>
        <translation>Перетворює неправильний дріб на мішане число</translation>
    </message>
    <message>
        <source>Converts Simple Fraction To Decimal Fruction</source>
        <translation>Перетворює мішане число на десятковий дріб</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Десятковий дріб</translation>
    </message>
    <message>
        <source>Converts Decimal Fruction To  Simple Fraction </source>
        <translation>Перетворює десятковий дріб на мішане число</translation>
    </message>
    <message>
        <source>Fraction Conversion</source>
        <translation>Перетворення дробів</translation>
    </message>
</context>
</TS>
