<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Form4</name>
    <message>
        <source>Operators On Fractions</source>
        <translation>Дії з дробами</translation>
    </message>
    <message>
        <source>Fraction 1</source>
        <translation>Дріб 1</translation>
    </message>
    <message>
        <source>Fraction 1 whole number</source>
        <translation>Дріб 1, ціла частина</translation>
    </message>
    <message>
        <source>Fraction 1 numerator</source>
        <translation>Дріб 1, чисельник</translation>
    </message>
    <message>
        <source>Fraction 1 denominator</source>
        <translation>Дріб 1, знаменник</translation>
    </message>
    <message>
        <source>The Operator</source>
        <translation>Знак дії</translation>
    </message>
    <message>
        <source>Fraction 2</source>
        <translation>Дріб 2</translation>
    </message>
    <message>
        <source>Fraction 2 whole number</source>
        <translation>Дріб 2, ціла частина</translation>
    </message>
    <message>
        <source>Fraction 2 numerator</source>
        <translation>Дріб 2, чисельник</translation>
    </message>
    <message>
        <source>Fraction 2 denominator</source>
        <translation>Дріб 2, знаменник</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Result whole number</source>
        <translation>Результат, ціла частина</translation>
    </message>
    <message>
        <source>Result numerator</source>
        <translation>Результат, чисельник</translation>
    </message>
    <message>
        <source>Result denominator</source>
        <translation>Результат, знаменник</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Порівняння</translation>
    </message>
    <message>
        <source>Common Denominator</source>
        <translation>Спільний знаменник</translation>
    </message>
    <message>
        <source>Make Common Denominator</source>
        <translation>Знайти спільний знаменник</translation>
    </message>
    <message>
        <source>Common Denominator Result</source>
        <translation>Спільний знаменник, результат</translation>
    </message>
    <message>
        <source>Reduction</source>
        <translation>Скорочення</translation>
    </message>
    <message>
        <source>Reduction numerator</source>
        <translation>Скорочення, чисельник</translation>
    </message>
    <message>
        <source>Reduction denominator</source>
        <translation>Скорочення, знаменник</translation>
    </message>
    <message>
        <source>Reduction Result numerator</source>
        <translation>Скорочення, результат, чисельник</translation>
    </message>
    <message>
        <source>Reduction Result denominator</source>
        <translation>Скорочення, результат, знаменник</translation>
    </message>
</context>
<context>
    <name>FractionsWorking</name>
    <message>
        <source>The bars of %1 are not cut: %2 is not a whole number of parts</source>
        <extracomment>%1 is what the bars show (a fraction), %2 how many equal pieces a bar is cut into</extracomment>
        <translation>Смужки %1 не поділено на частини: %2 — не ціла кількість частин</translation>
    </message>
    <message>
        <source>The %1 bars of %2 are drawn as one length, without their parts: too many to tell apart</source>
        <extracomment>%1 is how many bars there are, %2 what they show (a fraction)</extracomment>
        <translation>%1 смужок %2 намальовано однією довжиною, без частин: їх забагато, щоб розрізнити</translation>
    </message>
    <message>
        <source>The bars of %1 are not cut into their %2 parts: too many to tell apart</source>
        <extracomment>%1 is what the bars show (a fraction), %2 how many equal pieces a bar is cut into</extracomment>
        <translation>Смужки %1 не поділено на %2 частин: їх забагато, щоб розрізнити</translation>
    </message>
    <message>
        <source>The numbers are too large to draw.</source>
        <translation>Числа завеликі, щоб їх намалювати.</translation>
    </message>
    <message>
        <source>Number Can&apos;t Be Zero!!!</source>
        <translation>Число не може дорівнювати нулю!</translation>
    </message>
    <message>
        <source>Please Set the operation [+ - * / &lt; &gt; =]!!!.</source>
        <translation>Введи знак дії [+ - * / &lt; &gt; =]!</translation>
    </message>
    <message>
        <source>Fraction 2 Can&apos;t be equals to zero </source>
        <translation>Дріб 2 не може дорівнювати нулю.</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Правильно</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Неправильно</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a mixed number: %1 is its whole number, %2 its fraction (&quot;4 and 1/6&quot;)</extracomment>
        <translation>%1 і %2</translation>
    </message>
    <message>
        <source>The whole part is %1; it is taken as the whole number %2</source>
        <translation>Ціла частина дорівнює %1; її взято як ціле число %2</translation>
    </message>
    <message>
        <source>The numerator is %1; it is taken as the whole number %2</source>
        <translation>Чисельник дорівнює %1; його взято як ціле число %2</translation>
    </message>
    <message>
        <source>The denominator is %1; it is taken as the whole number %2</source>
        <translation>Знаменник дорівнює %1; його взято як ціле число %2</translation>
    </message>
    <message>
        <source>The whole part of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>Ціла частина дробу 1 дорівнює %1; її взято як ціле число %2</translation>
    </message>
    <message>
        <source>The numerator of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>Чисельник дробу 1 дорівнює %1; його взято як ціле число %2</translation>
    </message>
    <message>
        <source>The denominator of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>Знаменник дробу 1 дорівнює %1; його взято як ціле число %2</translation>
    </message>
    <message>
        <source>The whole part of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>Ціла частина дробу 2 дорівнює %1; її взято як ціле число %2</translation>
    </message>
    <message>
        <source>The numerator of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>Чисельник дробу 2 дорівнює %1; його взято як ціле число %2</translation>
    </message>
    <message>
        <source>The denominator of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>Знаменник дробу 2 дорівнює %1; його взято як ціле число %2</translation>
    </message>
    <message>
        <source>The number B is %1; it is taken as the whole number %2</source>
        <translation>Число B дорівнює %1; його взято як ціле число %2</translation>
    </message>
    <message>
        <source>%1 = %2: every number divides 0, so the gcd is the first number</source>
        <translation>%1 = %2: будь-яке число ділить 0, тому найбільший спільний дільник — це перше число</translation>
    </message>
    <message>
        <source>Euclid: divide, then divide the divisor by the remainder, until the remainder is 0</source>
        <translation>Алгоритм Евкліда: поділи, потім поділи дільник на остачу, доки остача не стане 0</translation>
    </message>
    <message>
        <source>The last divisor is the greatest common divisor: %1 = %2</source>
        <translation>Останній дільник і є найбільшим спільним дільником: %1 = %2</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3, remainder %4</source>
        <extracomment>a division with remainder: %1 ÷ %2 = %3 is the whole quotient, %4 what is left</extracomment>
        <translation>%1 ÷ %2 = %3, остача %4</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>Кожна частина зберігає свій знак: %1 і %2 — це %1 - %3 = %4, тобто мінус %5 і %3</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>Кожна частина зберігає свій знак: %1 і %2 — це %1 + %3 = %4, а не мінус %5 і %3</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>Кожна частина зберігає свій знак: %1 і %2 — це %1 - %3 = %4, а не %5 і %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>У дробі 1 кожна частина зберігає свій знак: %1 і %2 — це %1 - %3 = %4, тобто мінус %5 і %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>У дробі 1 кожна частина зберігає свій знак: %1 і %2 — це %1 + %3 = %4, а не мінус %5 і %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>У дробі 1 кожна частина зберігає свій знак: %1 і %2 — це %1 - %3 = %4, а не %5 і %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>У дробі 2 кожна частина зберігає свій знак: %1 і %2 — це %1 - %3 = %4, тобто мінус %5 і %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>У дробі 2 кожна частина зберігає свій знак: %1 і %2 — це %1 + %3 = %4, а не мінус %5 і %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>У дробі 2 кожна частина зберігає свій знак: %1 і %2 — це %1 - %3 = %4, а не %5 і %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>У відповіді кожна частина зберігає свій знак: %1 і %2 — це %1 - %3 = %4, тобто мінус %5 і %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>У відповіді кожна частина зберігає свій знак: %1 і %2 — це %1 + %3 = %4, а не мінус %5 і %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>У відповіді кожна частина зберігає свій знак: %1 і %2 — це %1 - %3 = %4, а не %5 і %3</translation>
    </message>
    <message>
        <source>For minus %1 and %2, that is %3, type %4 and %5</source>
        <translation>Для мінус %1 і %2, тобто %3, введи %4 і %5</translation>
    </message>
    <message>
        <source>For %1 and %2, that is %3, type %4 and %5</source>
        <translation>Для %1 і %2, тобто %3, введи %4 і %5</translation>
    </message>
    <message>
        <source>In lowest terms: %1, that is %2</source>
        <translation>Після скорочення: %1, тобто %2</translation>
    </message>
    <message>
        <source>In lowest terms: %1 is %2, that is %3</source>
        <translation>Після скорочення: %1 — це %2, тобто %3</translation>
    </message>
    <message>
        <source>fraction 1</source>
        <translation>дріб 1</translation>
    </message>
    <message>
        <source>fraction 2</source>
        <translation>дріб 2</translation>
    </message>
    <message>
        <source>The common denominator of %1 and %2 is C = %3</source>
        <translation>Спільний знаменник %1 і %2: C = %3</translation>
    </message>
    <message>
        <source>The least common multiple: %1 × %2 ÷ %3 = %4</source>
        <translation>Найменше спільне кратне: %1 × %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>Fraction 1 as an improper fraction: (%1 × %2 + %3)/%2 = %4</source>
        <translation>Дріб 1 як неправильний дріб: (%1 × %2 + %3)/%2 = %4</translation>
    </message>
    <message>
        <source>Fraction 2 as an improper fraction: (%1 × %2 + %3)/%2 = %4</source>
        <translation>Дріб 2 як неправильний дріб: (%1 × %2 + %3)/%2 = %4</translation>
    </message>
    <message>
        <source>The window writes the numerator %1 and reads it back as the whole number %2</source>
        <translation>Вікно записує чисельник %1 і зчитує його назад як ціле число %2</translation>
    </message>
    <message>
        <source>As a mixed number: %1</source>
        <translation>Як мішане число: %1</translation>
    </message>
    <message>
        <source>Add the whole numbers and the fractions apart</source>
        <translation>Додай окремо цілі числа і дроби</translation>
    </message>
    <message>
        <source>Rule: a/b + c/d = (a × (C ÷ b) + c × (C ÷ d))/C, with C the common denominator of b and d</source>
        <translation>Правило: a/b + c/d = (a × (C ÷ b) + c × (C ÷ d))/C, де C — спільний знаменник b і d</translation>
    </message>
    <message>
        <source>So %1 + %2 = %3</source>
        <translation>Отже, %1 + %2 = %3</translation>
    </message>
    <message>
        <source>The whole numbers: %1 + %2 = %3</source>
        <translation>Цілі числа: %1 + %2 = %3</translation>
    </message>
    <message>
        <source>%1 is rounded to the whole number %2</source>
        <translation>%1 округлено до цілого числа %2</translation>
    </message>
    <message>
        <source>With the %1 from the fraction: %2 + %3 = %4</source>
        <extracomment>%1 is the whole number the fraction part gave, added to the whole numbers&apos; sum %2</extracomment>
        <translation>Разом із %1 з дробу: %2 + %3 = %4</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then take them away</source>
        <translation>Запиши кожне мішане число як неправильний дріб, потім відніми</translation>
    </message>
    <message>
        <source>Rule: a/b - c/d = ((C ÷ b) × a - (C ÷ d) × c)/C, with C the common denominator of b and d</source>
        <translation>Правило: a/b - c/d = ((C ÷ b) × a - (C ÷ d) × c)/C, де C — спільний знаменник b і d</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then multiply</source>
        <translation>Запиши кожне мішане число як неправильний дріб, потім помнож</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then divide</source>
        <translation>Запиши кожне мішане число як неправильний дріб, потім поділи</translation>
    </message>
    <message>
        <source>Rule: a/b × c/d = (a × c)/(b × d)</source>
        <translation>Правило: a/b × c/d = (a × c)/(b × d)</translation>
    </message>
    <message>
        <source>Rule: a/b ÷ c/d = (a × d)/(b × c): multiply by the second fraction turned upside down</source>
        <translation>Правило: a/b ÷ c/d = (a × d)/(b × c): помнож на дріб, обернений до другого</translation>
    </message>
    <message>
        <source>Numerators: %1 × %2 = %3; denominators: %4 × %5 = %6</source>
        <translation>Чисельники: %1 × %2 = %3; знаменники: %4 × %5 = %6</translation>
    </message>
    <message>
        <source>To reduce %1, its greatest common divisor: gcd(%2, %3) = %4</source>
        <translation>Щоб скоротити %1, знайди найбільший спільний дільник: gcd(%2, %3) = %4</translation>
    </message>
    <message>
        <source>Dividing by 1 changes nothing: %1 is in lowest terms already</source>
        <translation>Ділення на 1 нічого не змінює: %1 — уже нескоротний дріб</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 and %4 ÷ %2 = %5, so %6 = %7</source>
        <translation>%1 ÷ %2 = %3 і %4 ÷ %2 = %5, отже, %6 = %7</translation>
    </message>
    <message>
        <source>%1 is less than %2</source>
        <translation>%1 менше за %2</translation>
    </message>
    <message>
        <source>%1 is greater than %2</source>
        <translation>%1 більше за %2</translation>
    </message>
    <message>
        <source>%1 is equal to %2</source>
        <translation>%1 дорівнює %2</translation>
    </message>
    <message>
        <source>Compare the exact values: write each number as one fraction</source>
        <translation>Порівняй точні значення: запиши кожне число одним дробом</translation>
    </message>
    <message>
        <source>Fraction 1: %1 = %2</source>
        <translation>Дріб 1: %1 = %2</translation>
    </message>
    <message>
        <source>Fraction 2: %1 = %2</source>
        <translation>Дріб 2: %1 = %2</translation>
    </message>
    <message>
        <source>Both have the denominator %1, so compare the numerators</source>
        <translation>Обидва мають знаменник %1, тож порівняй чисельники</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 = %3/%1, and %4 has it already</source>
        <translation>Зі спільним знаменником %1: %2 = %3/%1, а %4 уже його має</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 has it already, and %3 = %4/%1</source>
        <translation>Зі спільним знаменником %1: %2 уже його має, а %3 = %4/%1</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 = %3/%1 and %4 = %5/%1</source>
        <translation>Зі спільним знаменником %1: %2 = %3/%1 і %4 = %5/%1</translation>
    </message>
    <message>
        <source>%1 is less than %2, so %3 is less than %4</source>
        <extracomment>%1 and %2 are the numerators over the common denominator, %3 and %4 the two numbers</extracomment>
        <translation>%1 менше за %2, отже, %3 менше за %4</translation>
    </message>
    <message>
        <source>%1 is greater than %2, so %3 is greater than %4</source>
        <translation>%1 більше за %2, отже, %3 більше за %4</translation>
    </message>
    <message>
        <source>%1 is equal to %2, so %3 is equal to %4</source>
        <translation>%1 дорівнює %2, отже, %3 дорівнює %4</translation>
    </message>
    <message>
        <source>As decimals: fraction 1 is %1 and fraction 2 is %2</source>
        <translation>Десятковими дробами: дріб 1 дорівнює %1, а дріб 2 дорівнює %2</translation>
    </message>
    <message>
        <source>Written with 15 digits both are %1: the values differ beyond the digits shown</source>
        <translation>Записані 15 цифрами, обидва дорівнюють %1: значення відрізняються за межами показаних цифр</translation>
    </message>
    <message>
        <source>Compare the two numbers as decimals: whole number + numerator ÷ denominator</source>
        <translation>Порівняй обидва числа як десяткові дроби: ціле число + чисельник ÷ знаменник</translation>
    </message>
    <message>
        <source>Fraction 1: %1 + %2 ÷ %3 = %4</source>
        <translation>Дріб 1: %1 + %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>Fraction 2: %1 + %2 ÷ %3 = %4</source>
        <translation>Дріб 2: %1 + %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>%1 is less than %2: they differ beyond the digits shown</source>
        <translation>%1 менше за %2: вони відрізняються за межами показаних цифр</translation>
    </message>
    <message>
        <source>%1 is greater than %2: they differ beyond the digits shown</source>
        <translation>%1 більше за %2: вони відрізняються за межами показаних цифр</translation>
    </message>
    <message>
        <source>So %1 %2 %3 is %4</source>
        <extracomment>%1 %2 %3 is the comparison typed, %4 the window&apos;s answer (True or False)</extracomment>
        <translation>Отже, %1 %2 %3 — %4</translation>
    </message>
    <message>
        <source>fraction 1 = fraction 2</source>
        <translation>дріб 1 = дріб 2</translation>
    </message>
    <message>
        <source>fractions 1 and 2</source>
        <translation>дроби 1 і 2</translation>
    </message>
    <message>
        <source>fraction 1 (greater)</source>
        <translation>дріб 1 (більший)</translation>
    </message>
    <message>
        <source>fraction 2 (greater)</source>
        <translation>дріб 2 (більший)</translation>
    </message>
    <message>
        <source>Fraction bars of the same length and a number line: %1 is equal to %2, so %1 %3 %2 is %4.</source>
        <extracomment>%1 and %2 are the two numbers, %3 the comparison&apos;s sign, %4 the answer (True or False)</extracomment>
        <translation>Смужки дробів однакової довжини і числова пряма: %1 дорівнює %2, отже, %1 %3 %2 — %4.</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 is less than %2, so %1 %3 %2 is %4.</source>
        <translation>Смужки дробів і числова пряма: %1 менше за %2, отже, %1 %3 %2 — %4.</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 is greater than %2, so %1 %3 %2 is %4.</source>
        <translation>Смужки дробів і числова пряма: %1 більше за %2, отже, %1 %3 %2 — %4.</translation>
    </message>
    <message>
        <source>result</source>
        <translation>відповідь</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 %2 %3 = %4, which is %5.</source>
        <extracomment>%1 %2 %3 is the exercise, %4 the answer as a mixed number and %5 its value as a decimal</extracomment>
        <translation>Смужки дробів і числова пряма: %1 %2 %3 = %4, тобто %5.</translation>
    </message>
    <message>
        <source>Check with the exact values: %1 %2 %3 = %4</source>
        <translation>Перевірка з точними значеннями: %1 %2 %3 = %4</translation>
    </message>
    <message>
        <source>Check with the exact values: %1 %2 %3 = %4, and %5 is %4 too</source>
        <translation>Перевірка з точними значеннями: %1 %2 %3 = %4, і %5 теж дорівнює %4</translation>
    </message>
    <message>
        <source>Fraction 2 as an improper fraction: (%1 × %2 + %3)/%2 = %4, which is 0</source>
        <translation>Дріб 2 як неправильний дріб: (%1 × %2 + %3)/%2 = %4, тобто 0</translation>
    </message>
    <message>
        <source>Nothing can be divided by 0, so there is no answer</source>
        <translation>Ділити на 0 не можна, тому відповіді немає</translation>
    </message>
    <message>
        <source>The whole number box of fraction 1 held no number, so the window set it to 0</source>
        <translation>Поле цілого числа дробу 1 не містило числа, тому вікно записало в нього 0</translation>
    </message>
    <message>
        <source>The whole number box of fraction 2 held no number, so the window set it to 0</source>
        <translation>Поле цілого числа дробу 2 не містило числа, тому вікно записало в нього 0</translation>
    </message>
    <message>
        <source>The exercise: %1 %2 %3</source>
        <translation>Вправа: %1 %2 %3</translation>
    </message>
    <message>
        <source>The fraction part is 0, so only the whole number is left</source>
        <translation>Дробова частина дорівнює 0, тож лишається тільки ціле число</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Відповідь: %1</translation>
    </message>
    <message>
        <source>multiples of %1</source>
        <translation>кратні %1</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line.</source>
        <translation>Кратні %1 і %2 на числовій прямій.</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line, meeting at %3.</source>
        <translation>Кратні %1 і %2 на числовій прямій, що зустрічаються в точці %3.</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line, and the result %3, which is not a multiple of both.</source>
        <translation>Кратні %1 і %2 на числовій прямій, і відповідь %3, яка не є кратною обом числам.</translation>
    </message>
    <message>
        <source>The %1 multiples of %2 are too many to draw one by one.</source>
        <extracomment>%1 is how many multiples there are, %2 the number they are multiples of</extracomment>
        <translation>Кратних %2 аж %1 — забагато, щоб малювати кожне окремо.</translation>
    </message>
    <message>
        <source>The %1 multiples of %2 are too many to draw one by one; the %3 multiples of %4 are too many to draw one by one.</source>
        <translation>Кратних %2 аж %1 — забагато, щоб малювати кожне окремо; кратних %4 аж %3 — забагато, щоб малювати кожне окремо.</translation>
    </message>
    <message>
        <source>The common denominator of A and B is A × B ÷ gcd(A, B): the smallest number both divide</source>
        <translation>Спільний знаменник A і B дорівнює A × B ÷ gcd(A, B): це найменше число, що ділиться на обидва</translation>
    </message>
    <message>
        <source>A = %1 enters the product as typed, and its whole number %2 the greatest common divisor</source>
        <translation>A = %1 входить у добуток так, як його введено, а його ціле число %2 — у найбільший спільний дільник</translation>
    </message>
    <message>
        <source>The greatest common divisor of %1 and %2 is %3</source>
        <translation>Найбільший спільний дільник %1 і %2 дорівнює %3</translation>
    </message>
    <message>
        <source>A common denominator is a whole number; %1 is none, because A = %2 entered the product as typed</source>
        <translation>Спільний знаменник — ціле число; %1 не ціле, бо A = %2 увійшло в добуток так, як його введено</translation>
    </message>
    <message>
        <source>A × B is negative, so the window&apos;s result is negative too; a common denominator is taken positive: %1</source>
        <translation>A × B від&apos;ємне, тому й відповідь вікна від&apos;ємна; спільний знаменник беруть додатним: %1</translation>
    </message>
    <message>
        <source>The window&apos;s greatest common divisor %1 is negative, so its result is negative too; a common denominator is taken positive: %2</source>
        <translation>Найбільший спільний дільник вікна %1 від&apos;ємний, тому й відповідь від&apos;ємна; спільний знаменник беруть додатним: %2</translation>
    </message>
    <message>
        <source>To reduce a fraction, divide its numerator and its denominator by their greatest common divisor</source>
        <translation>Щоб скоротити дріб, поділи його чисельник і знаменник на їхній найбільший спільний дільник</translation>
    </message>
    <message>
        <source>The divisor is negative, so both signs change; the value stays the same</source>
        <translation>Дільник від&apos;ємний, тому обидва знаки змінюються; значення залишається тим самим</translation>
    </message>
    <message>
        <source>Answer: %1 = %2</source>
        <translation>Відповідь: %1 = %2</translation>
    </message>
    <message>
        <source>A numerator of 0 makes the fraction 0: the greatest common divisor of 0 and a number is that number, so %1 reduces to %2</source>
        <translation>Чисельник 0 робить дріб рівним 0: найбільший спільний дільник 0 і числа — це саме це число, тому %1 скорочується до %2</translation>
    </message>
    <message>
        <source>The minus sign of the denominator belongs to the whole fraction; a book writes it in front: %1 = %2</source>
        <translation>Знак мінус знаменника належить усьому дробу; у підручнику його пишуть перед дробом: %1 = %2</translation>
    </message>
    <message>
        <source>Two bars of the same length: %1 = %2, at %3 on the number line.</source>
        <translation>Дві смужки однакової довжини: %1 = %2, у точці %3 на числовій прямій.</translation>
    </message>
    <message>
        <source>Every box takes one plain number, such as 3 or 12: no fractions like 3/4</source>
        <translation>Кожне поле приймає одне просте число, наприклад 3 або 12: без дробів на зразок 3/4</translation>
    </message>
    <message>
        <source>Result: two mixed numbers (a whole number, a numerator and a denominator each) and one operator: + - * / &lt; &gt; =</source>
        <translation>Результат: два мішані числа (у кожного ціле число, чисельник і знаменник) і один знак дії: + - * / &lt; &gt; =</translation>
    </message>
    <message>
        <source>Make Common Denominator: two whole numbers A and B, not 0</source>
        <translation>Знайти спільний знаменник: два цілі числа A і B, не 0</translation>
    </message>
    <message>
        <source>Reduction: a numerator and a denominator that is not 0</source>
        <translation>Скорочення: чисельник і знаменник, що не дорівнює 0</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 and %4 ÷ %2 = %5</source>
        <translation>%1 ÷ %2 = %3 і %4 ÷ %2 = %5</translation>
    </message>
</context>
</TS>
