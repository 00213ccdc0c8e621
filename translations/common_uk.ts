<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>DroppedFiles</name>
    <message>
        <source>%1 is too large: the box takes files of at most %2 MB.</source>
        <translation>%1 завеликий: поле приймає файли не більші за %2 МБ.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Не вдалося прочитати %1.</translation>
    </message>
    <message>
        <source>%1 is not a text file, so nothing was taken from it.</source>
        <translation>%1 не є текстовим файлом, тому з нього нічого не взято.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Conversion : Fraction, Improper  Fractions, Decimal fractions </source>
        <translation>Перетворення: дроби, неправильні дроби, десяткові дроби</translation>
    </message>
    <message>
        <source>25/4 is 6 1/4 , 1/4 is 0.25</source>
        <translation>25/4 — це 6 1/4, 1/4 — це 0.25</translation>
    </message>
    <message>
        <source>Operators On           Fractions :                [ +, - , * , / ,&lt;  , = ,&gt; ]  Common -               Denominator   ,     Reduction              </source>
        <extracomment>the blanks only break the lines in the button; the words wrap by themselves</extracomment>
        <translation>Дії з дробами: [ +, - , * , / ,&lt;  , = ,&gt; ] спільний знаменник, скорочення</translation>
    </message>
    <message>
        <source>Areas And Perimeters</source>
        <translation>Площі та периметри</translation>
    </message>
    <message>
        <source>Quadrilateral</source>
        <translation>Чотирикутник</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Трикутник</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Коло</translation>
    </message>
    <message>
        <source>Traffic And Percentage Problems</source>
        <translation>Задачі на рух і відсотки</translation>
    </message>
    <message>
        <source>Solving Quadratic Equation</source>
        <translation>Розв&apos;язування квадратного рівняння</translation>
    </message>
    <message>
        <source>Progression: Geometric Progression , Arithmetic Progression</source>
        <translation>Прогресії: геометрична прогресія, арифметична прогресія</translation>
    </message>
    <message>
        <source>Triangles</source>
        <translation>Трикутники</translation>
    </message>
    <message>
        <source>The Law Of Sines</source>
        <translation>Теорема синусів</translation>
    </message>
    <message>
        <source>The Law Of Cosines</source>
        <translation>Теорема косинусів</translation>
    </message>
    <message>
        <source>Statistics  Mean, Standard-Deviation ,Variance</source>
        <translation>Статистика: середнє значення, стандартне відхилення, дисперсія</translation>
    </message>
    <message>
        <source>Complex Numbers</source>
        <translation>Комплексні числа</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Contact Me With Your Requests Suggestions , Comments</source>
        <translation>Напиши мені свої побажання, пропозиції та відгуки</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Пожертвувати</translation>
    </message>
    <message>
        <source>Visit Sumbrook on the web: %1</source>
        <extracomment>%1 is the program&apos;s web address</extracomment>
        <translation>Відвідай Sumbrook в інтернеті: %1</translation>
    </message>
</context>
<context>
    <name>Form14</name>
    <message>
        <source>Donate</source>
        <translation>Пожертва</translation>
    </message>
    <message>
        <source>Donate Using PayPal</source>
        <translation>Пожертва через PayPal</translation>
    </message>
    <message>
        <source>If you have found this software helpful,</source>
        <translation>Якщо ця програма стала тобі в пригоді,</translation>
    </message>
    <message>
        <source>Please consider to support the author.</source>
        <translation>підтримай, будь ласка, автора.</translation>
    </message>
    <message>
        <source>You can donate via PayPal in US dollars no</source>
        <extracomment>the first line of a sentence that the next line ends (&quot;matter what your home currency.&quot;): part the sentence between the two lines where it reads best</extracomment>
        <translation>Ти можеш зробити пожертву через PayPal у доларах США,</translation>
    </message>
    <message>
        <source>matter what  your home currency. 
</source>
        <extracomment>the second line of the sentence that the line before begins</extracomment>
        <translation>незалежно від того, яка в тебе валюта. 
</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Натисни тут</translation>
    </message>
    <message>
        <source>Thank you for your support.</source>
        <translation>Дякую за підтримку.</translation>
    </message>
</context>
<context>
    <name>SharedWorking</name>
    <message>
        <source>The exact value is %1. The window shows %2: the computer keeps about 16 digits and rounds at every step, so the last digits it shows carry that rounding.</source>
        <extracomment>%1 is the exact value, %2 the window&apos;s number</extracomment>
        <translation>Точне значення — %1. Вікно показує %2: комп&apos;ютер зберігає близько 16 цифр і округлює на кожному кроці, тому в останніх цифрах є це округлення.</translation>
    </message>
    <message>
        <source>a whole number (-3), a decimal (%1), a fraction (1/4) or a mixed number (2/1/4)</source>
        <extracomment>what a box takes, put into sentences such as &quot;Each box takes %1.&quot; (so it must read there as it stands); %1 is 0.5 as the language writes it</extracomment>
        <translation>ціле число (-3), десятковий дріб (%1), звичайний дріб (1/4) або мішане число (2/1/4)</translation>
    </message>
    <message>
        <source>Type the numbers of your exercise, then press a button.</source>
        <translation>Введи числа своєї вправи, а потім натисни кнопку.</translation>
    </message>
    <message>
        <source>An example:</source>
        <translation>Приклад:</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <extracomment>%1 is the window&apos;s message, word for word</extracomment>
        <translation>Вікно повідомило: «%1»</translation>
    </message>
    <message>
        <source>So there is no answer to work out. What the boxes take:</source>
        <translation>Тож відповіді немає. Що можна вводити в поля:</translation>
    </message>
</context>
<context>
    <name>ValueEntry</name>
    <message>
        <source>%1 Is not a numeric value</source>
        <extracomment>%1 is the text typed in a box, quoted as it was typed</extracomment>
        <translation>%1 — не число.</translation>
    </message>
    <message>
        <source>Must enter a numeric value</source>
        <translation>Потрібно ввести число.</translation>
    </message>
    <message>
        <source>Must enter a positive value</source>
        <translation>Потрібно ввести додатне значення.</translation>
    </message>
    <message>
        <source>Denominator Cant Be Zero!!!</source>
        <translation>Знаменник не може дорівнювати нулю!</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Speak the language CODE (de, fr, es, pt_BR, uk, ar, en) instead of the desktop&apos;s.</source>
        <translation>Використовує мову КОД (de, fr, es, pt_BR, uk, ar, en) замість мови робочого столу.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>КОД</translation>
    </message>
    <message>
        <source>School mathematics homework helper</source>
        <translation>Помічник із домашніх завдань з математики</translation>
    </message>
</context>
<context>
    <name>sb::Form1</name>
    <message>
        <source>Cant Find Your Windows Calculator</source>
        <translation>Не вдалося знайти калькулятор на твоєму комп&apos;ютері.</translation>
    </message>
    <message>
        <source>Cant Open You Email Programe, My Email Is %1</source>
        <extracomment>%1 is the maker&apos;s email address</extracomment>
        <translation>Не вдалося відкрити твою поштову програму. Моя електронна адреса: %1</translation>
    </message>
</context>
<context>
    <name>sb::ui::FigureView</name>
    <message>
        <source>Copy Figure</source>
        <translation>Копіювати рисунок</translation>
    </message>
    <message>
        <source>Save Figure as SVG...</source>
        <translation>Зберегти рисунок як SVG...</translation>
    </message>
    <message>
        <source>Save Figure as PNG...</source>
        <translation>Зберегти рисунок як PNG...</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Рисунок SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Зображення PNG (*.png)</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Рисунок</translation>
    </message>
    <message>
        <source>The figure could not be saved as %1.</source>
        <translation>Не вдалося зберегти рисунок як %1.</translation>
    </message>
</context>
<context>
    <name>sb::ui::Form</name>
    <message>
        <source>Show Working</source>
        <translation>Розв&apos;язання</translation>
    </message>
    <message>
        <source>Show or hide the worked steps and the figure (F2)</source>
        <translation>Показати або сховати кроки розв&apos;язання та рисунок (F2)</translation>
    </message>
    <message>
        <source>Hide Working</source>
        <translation>Сховати</translation>
    </message>
    <message>
        <source>Unreasonable Data!!!.</source>
        <translation>Ці дані не мають сенсу!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>The working could not be printed.</source>
        <translation>Не вдалося надрукувати розв&apos;язання.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>sb::ui::OutputLabel</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Виділити &amp;все</translation>
    </message>
</context>
<context>
    <name>sb::ui::WorkingPane</name>
    <message>
        <source>Working</source>
        <translation>Розв&apos;язання</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Кроки</translation>
    </message>
    <message>
        <source>More detail</source>
        <translation>Докладніше</translation>
    </message>
    <message>
        <source>Copy Working</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>сторінка %1 з %2</translation>
    </message>
    <message>
        <source>The working could not be saved as %1.</source>
        <translation>Не вдалося зберегти розв&apos;язання як %1.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Друк...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF...</translation>
    </message>
    <message>
        <source>Print the working (%1)</source>
        <translation>Надрукувати розв&apos;язання (%1)</translation>
    </message>
    <message>
        <source>Save the working as a PDF file (%1)</source>
        <translation>Зберегти розв&apos;язання у файл PDF (%1)</translation>
    </message>
</context>
</TS>
