<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Form6</name>
    <message>
        <source>Arithmetic And Geometric Progression</source>
        <translation>Арифметична та геометрична прогресії</translation>
    </message>
    <message>
        <source>Arithmetic Progression</source>
        <translation>Арифметична прогресія</translation>
    </message>
    <message>
        <source>Find Sn</source>
        <translation>Знайти Sn</translation>
    </message>
    <message>
        <source>Find An</source>
        <translation>Знайти An</translation>
    </message>
    <message>
        <source>Find D</source>
        <translation>Знайти D</translation>
    </message>
    <message>
        <source>Find N</source>
        <translation>Знайти N</translation>
    </message>
    <message>
        <source>Geometric Progression</source>
        <translation>Геометрична прогресія</translation>
    </message>
    <message>
        <source>Find Sn (Infinite Progression)</source>
        <translation>Знайти Sn (нескінченна прогресія)</translation>
    </message>
    <message>
        <source>Find Q</source>
        <translation>Знайти Q</translation>
    </message>
    <message>
        <source>A1 - First Element</source>
        <translation>A1 - перший член</translation>
    </message>
    <message>
        <source>An - Last Element</source>
        <translation>An - останній член</translation>
    </message>
    <message>
        <source>N - Number Of Elements</source>
        <translation>N - кількість членів</translation>
    </message>
    <message>
        <source>D - Arithmetic Jump Size</source>
        <translation>D - різниця прогресії</translation>
    </message>
    <message>
        <source>Q - Geometric Jump Size</source>
        <translation>Q - знаменник прогресії</translation>
    </message>
</context>
<context>
    <name>ProgressionsWorking</name>
    <message>
        <source>The box keeps %1 characters, so %2 is read as %3</source>
        <extracomment>%1 is the number of characters, %2 the letter of the box (A1, N), %3 what it shows</extracomment>
        <translation>Поле вміщує %1 символів, тому %2 читається як %3</translation>
    </message>
    <message>
        <source>%1 = %2, written back into its box as %3</source>
        <translation>%1 = %2, записано назад у поле як %3</translation>
    </message>
    <message>
        <source>term</source>
        <extracomment>the name of the chart&apos;s upright axis, the value of a term</extracomment>
        <translation>член</translation>
    </message>
    <message>
        <source>term %1</source>
        <extracomment>under the first bar after the gap: the number of its term</extracomment>
        <translation>член %1</translation>
    </message>
    <message>
        <source>Terms %1 to %2 are left out at the gap; the bars after it are the last %3 terms, %4 to %5.</source>
        <translation>Члени з %1 по %2 пропущено в розриві; стовпчики після нього — останні %3 членів, з %4 по %5.</translation>
    </message>
    <message>
        <source>The 1 term of the arithmetic progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>Єдиний член арифметичної прогресії, від %1 до %2, у вигляді стовпчика; останній, An, дорівнює %3.</translation>
    </message>
    <message>
        <source>The 1 term of the arithmetic progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>Єдиний член арифметичної прогресії, від %1 до %2, у вигляді заштрихованого стовпчика: сума Sn дорівнює %3.</translation>
    </message>
    <message>
        <source>The 1 term of the geometric progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>Єдиний член геометричної прогресії, від %1 до %2, у вигляді стовпчика; останній, An, дорівнює %3.</translation>
    </message>
    <message>
        <source>The 1 term of the geometric progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>Єдиний член геометричної прогресії, від %1 до %2, у вигляді заштрихованого стовпчика: сума Sn дорівнює %3.</translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the arithmetic progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>
            <numerusform>%n член арифметичної прогресії від %1 до %2 у вигляді стовпчиків; останній, An, дорівнює %3.</numerusform>
            <numerusform>%n члени арифметичної прогресії від %1 до %2 у вигляді стовпчиків; останній, An, дорівнює %3.</numerusform>
            <numerusform>%n членів арифметичної прогресії від %1 до %2 у вигляді стовпчиків; останній, An, дорівнює %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the arithmetic progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>
            <numerusform>%n член арифметичної прогресії від %1 до %2 у вигляді стовпчиків, усі заштриховані: їхня сума Sn дорівнює %3.</numerusform>
            <numerusform>%n члени арифметичної прогресії від %1 до %2 у вигляді стовпчиків, усі заштриховані: їхня сума Sn дорівнює %3.</numerusform>
            <numerusform>%n членів арифметичної прогресії від %1 до %2 у вигляді стовпчиків, усі заштриховані: їхня сума Sn дорівнює %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the geometric progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>
            <numerusform>%n член геометричної прогресії від %1 до %2 у вигляді стовпчиків; останній, An, дорівнює %3.</numerusform>
            <numerusform>%n члени геометричної прогресії від %1 до %2 у вигляді стовпчиків; останній, An, дорівнює %3.</numerusform>
            <numerusform>%n членів геометричної прогресії від %1 до %2 у вигляді стовпчиків; останній, An, дорівнює %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the geometric progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>
            <numerusform>%n член геометричної прогресії від %1 до %2 у вигляді стовпчиків, усі заштриховані: їхня сума Sn дорівнює %3.</numerusform>
            <numerusform>%n члени геометричної прогресії від %1 до %2 у вигляді стовпчиків, усі заштриховані: їхня сума Sn дорівнює %3.</numerusform>
            <numerusform>%n членів геометричної прогресії від %1 до %2 у вигляді стовпчиків, усі заштриховані: їхня сума Sn дорівнює %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the arithmetic progression from %3 to %4 as bars; the last one, An, is %5.</source>
        <translation>Перші й останні %1 з %2 членів арифметичної прогресії, від %3 до %4, у вигляді стовпчиків; останній, An, дорівнює %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the arithmetic progression from %3 to %4 as bars, all shaded: their sum Sn is %5.</source>
        <translation>Перші й останні %1 з %2 членів арифметичної прогресії, від %3 до %4, у вигляді стовпчиків, усі заштриховані: їхня сума Sn дорівнює %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the geometric progression from %3 to %4 as bars; the last one, An, is %5.</source>
        <translation>Перші й останні %1 з %2 членів геометричної прогресії, від %3 до %4, у вигляді стовпчиків; останній, An, дорівнює %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the geometric progression from %3 to %4 as bars, all shaded: their sum Sn is %5.</source>
        <translation>Перші й останні %1 з %2 членів геометричної прогресії, від %3 до %4, у вигляді стовпчиків, усі заштриховані: їхня сума Sn дорівнює %5.</translation>
    </message>
    <message>
        <source>N = %1 is not a whole number of terms from 1 up, so there are no terms to draw.</source>
        <translation>N = %1 не є цілою кількістю членів від 1, тому немає членів, які можна намалювати.</translation>
    </message>
    <message>
        <source>The terms are %1.</source>
        <translation>Члени: %1.</translation>
    </message>
    <message>
        <source>The shaded trapezoid is N wide and on average (A1 + An) ÷ 2 high, so its area is the sum.</source>
        <translation>Заштрихована трапеція має ширину N і середню висоту (A1 + An) ÷ 2, тому її площа дорівнює сумі.</translation>
    </message>
    <message>
        <source>A trapezoid %1 wide from the first term to the last, An = %2, shaded: its area is the sum Sn = %3.</source>
        <translation>Заштрихована трапеція шириною %1 від першого члена до останнього, An = %2: її площа дорівнює сумі Sn = %3.</translation>
    </message>
    <message>
        <source>term, sum</source>
        <extracomment>the name of the chart&apos;s upright axis: the values of the terms and of the sums</extracomment>
        <translation>член, сума</translation>
    </message>
    <message>
        <source>The terms of the progression as shaded bars and the partial sums S1 to S%1 as points, approaching the dashed line at the sum S = %2.</source>
        <translation>Члени прогресії — заштриховані стовпчики, а часткові суми від S1 до S%1 — точки, що наближаються до штрихової лінії суми S = %2.</translation>
    </message>
    <message>
        <source>An = %1 is not A1 times a whole power of Q within %2 terms, so the terms are not drawn.</source>
        <translation>An = %1 не дорівнює A1, помноженому на цілий степінь Q, у межах %2 членів, тому члени не намальовано.</translation>
    </message>
    <message>
        <source>(%1 to the power %2)</source>
        <translation>(%1 у степені %2)</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number from 1 up; N = %1 counts no terms.</source>
        <translation>N — кількість членів, тому це має бути ціле число від 1; N = %1 не лічить жодного члена.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: there is no sum of %1 terms.</source>
        <translation>N — кількість членів, тому це має бути ціле число: суми %1 членів не буває.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: there is no term number %1.</source>
        <translation>N — кількість членів, тому це має бути ціле число: члена з номером %1 не існує.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: %1 terms make no progression.</source>
        <translation>N — кількість членів, тому це має бути ціле число: %1 членів не утворюють прогресію.</translation>
    </message>
    <message>
        <source>The formula gives a number with N = %1 all the same, and that number is what the window shows.</source>
        <translation>Формула все одно дає число при N = %1, і саме це число показує вікно.</translation>
    </message>
    <message>
        <source>If you meant N = %1, %2 is %3.</source>
        <translation>Якщо ти мав на увазі N = %1, то %2 дорівнює %3.</translation>
    </message>
    <message>
        <source>If you meant N = %1, %2 is %3; if you meant N = %4, it is %5.</source>
        <translation>Якщо ти мав на увазі N = %1, то %2 дорівнює %3; якщо N = %4, то %5.</translation>
    </message>
    <message>
        <source>2An - (N - 1)D is A1 + An: the first term plus the last.</source>
        <translation>2An - (N - 1)D дорівнює A1 + An: перший член плюс останній.</translation>
    </message>
    <message>
        <source>Check: A1 + (N - 1)D = %1 + %2 × %3 = %4, which is An.</source>
        <translation>Перевірка: A1 + (N - 1)D = %1 + %2 × %3 = %4, тобто An.</translation>
    </message>
    <message>
        <source>N should be a whole number from 1 up, and N = %1 is not: An = %2 does not lie ahead of A1 = %3 in steps of D = %4, so it is none of the terms from A1 on.</source>
        <translation>N має бути цілим числом від 1, а N = %1 таким не є: An = %2 не лежить після A1 = %3 з кроком D = %4, тому це жоден із членів, починаючи з A1.</translation>
    </message>
    <message>
        <source>N = %1 is not a whole number: An = %2 is none of the terms.</source>
        <translation>N = %1 не є цілим числом: An = %2 не є жодним із членів.</translation>
    </message>
    <message>
        <source>It lies between term %1, which is %2, and term %3, which is %4.</source>
        <translation>Воно лежить між членом %1, що дорівнює %2, і членом %3, що дорівнює %4.</translation>
    </message>
    <message>
        <source>An = %1 is not A1 times a whole power of Q, so it is none of the terms. The formula gives a number all the same, and that number is what the window shows.</source>
        <translation>An = %1 не дорівнює A1, помноженому на цілий степінь Q, тому це жоден із членів. Формула все одно дає число, і саме це число показує вікно.</translation>
    </message>
    <message>
        <source>S = A1 ÷ (1 - Q), as -1 &lt; Q &lt; 1</source>
        <translation>S = A1 ÷ (1 - Q), бо -1 &lt; Q &lt; 1</translation>
    </message>
    <message>
        <source>With N - 1 = 1 the root is An ÷ A1 itself.</source>
        <translation>При N - 1 = 1 корінь — це саме An ÷ A1.</translation>
    </message>
    <message>
        <source>An ÷ A1 is negative and N - 1 = %1 is odd: an odd power keeps the sign, so Q is negative.</source>
        <translation>An ÷ A1 від&apos;ємне, а N - 1 = %1 непарне: непарний степінь зберігає знак, тому Q від&apos;ємне.</translation>
    </message>
    <message>
        <source>1 ÷ (N - 1) = 1 ÷ %1 = %2: the window takes the root as the power %2.</source>
        <translation>1 ÷ (N - 1) = 1 ÷ %1 = %2: вікно обчислює корінь як степінь %2.</translation>
    </message>
    <message>
        <source>With An = 0 the ratio is 0: every term after A1 is 0.</source>
        <translation>При An = 0 знаменник дорівнює 0: кожен член після A1 дорівнює 0.</translation>
    </message>
    <message>
        <source>Q = %1 fits as well: %2 × %3 = %4 too. The window shows the positive one.</source>
        <translation>Q = %1 також підходить: %2 × %3 = %4 теж. Вікно показує додатне значення.</translation>
    </message>
    <message>
        <source>Q = %1 fits as well, as an even power of a number and of its negative are the same. The window shows the positive one.</source>
        <translation>Q = %1 також підходить, бо парні степені числа і протилежного до нього числа однакові. Вікно показує додатне значення.</translation>
    </message>
    <message>
        <source>Check: A1Qᴺ⁻¹ = %1 × %2 = %3, which is An.</source>
        <translation>Перевірка: A1Qᴺ⁻¹ = %1 × %2 = %3, тобто An.</translation>
    </message>
    <message>
        <source>D = %1 a term</source>
        <extracomment>beside the dashed line from A1 to An: the terms grow by D each term</extracomment>
        <translation>D = %1 на член</translation>
    </message>
    <message>
        <source>Along the dashed line from A1 to An the terms grow by D = %1 a term.</source>
        <translation>Уздовж штрихової лінії від A1 до An члени зростають на D = %1 з кожним членом.</translation>
    </message>
    <message>
        <source>The point on the k axis marks N = %1.</source>
        <translation>Точка на осі k позначає N = %1.</translation>
    </message>
    <message>
        <source>The known terms A1 = %1 at 1 and An = %2 at N = %3 as bars; from one to the next the terms grow by D = %4.</source>
        <translation>Відомі члени A1 = %1 у точці 1 і An = %2 у точці N = %3 у вигляді стовпчиків; від одного члена до наступного вони зростають на D = %4.</translation>
    </message>
    <message>
        <source>Each term is Q = %1 times the one before.</source>
        <translation>Кожен член дорівнює попередньому, помноженому на Q = %1.</translation>
    </message>
    <message>
        <source>The known terms A1 = %1 at 1 and An = %2 at N = %3 as bars; each term is Q = %4 times the one before.</source>
        <translation>Відомі члени A1 = %1 у точці 1 і An = %2 у точці N = %3 у вигляді стовпчиків; кожен член дорівнює попередньому, помноженому на Q = %4.</translation>
    </message>
    <message>
        <source>The terms are too large to draw.</source>
        <translation>Члени завеликі, щоб їх намалювати.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <translation>Вікно повідомило: «%1»</translation>
    </message>
    <message>
        <source>With Q = 0 every term after A1 is 0: A1, 0, 0, and so on. The window takes no Q of 0.</source>
        <translation>При Q = 0 кожен член після A1 дорівнює 0: A1, 0, 0 і так далі. Вікно не приймає Q = 0.</translation>
    </message>
    <message>
        <source>So An = 0 from the second term on, and An = A1 = %1 when N = 1.</source>
        <translation>Отже, An = 0, починаючи з другого члена, і An = A1 = %1, коли N = 1.</translation>
    </message>
    <message>
        <source>So the sum is A1 = %1.</source>
        <translation>Отже, сума дорівнює A1 = %1.</translation>
    </message>
    <message>
        <source>With Q = 1 every term is A1 = %1: each is 1 times the one before.</source>
        <translation>При Q = 1 кожен член дорівнює A1 = %1: кожен дорівнює попередньому, помноженому на 1.</translation>
    </message>
    <message>
        <source>So An = A1 = %1. The window takes no Q of 1 all the same.</source>
        <translation>Отже, An = A1 = %1. Проте вікно не приймає Q = 1.</translation>
    </message>
    <message>
        <source>The formula divides by Q - 1 = 0, so it cannot be used.</source>
        <translation>Формула ділить на Q - 1 = 0, тому її не можна застосувати.</translation>
    </message>
    <message>
        <source>The sum of N terms that are all A1 is N × A1 = %1 × %2 = %3.</source>
        <translation>Сума N членів, кожен з яких дорівнює A1, становить N × A1 = %1 × %2 = %3.</translation>
    </message>
    <message>
        <source>The sum of N terms that are all A1 is N × A1.</source>
        <translation>Сума N членів, кожен з яких дорівнює A1, становить N × A1.</translation>
    </message>
    <message>
        <source>An does not tell how many terms there are.</source>
        <translation>An не показує, скільки є членів.</translation>
    </message>
    <message>
        <source>Here An = %1 is not A1, so it is none of the terms.</source>
        <translation>Тут An = %1 не дорівнює A1, тому це жоден із членів.</translation>
    </message>
    <message>
        <source>With A1 = 0 every term is 0, and so is their sum; the window asks for -1 &lt; Q &lt; 1 all the same.</source>
        <translation>При A1 = 0 кожен член дорівнює 0, і їхня сума теж; проте вікно вимагає -1 &lt; Q &lt; 1.</translation>
    </message>
    <message>
        <source>All the terms add up to one sum only when they shrink towards 0, that is when -1 &lt; Q &lt; 1.</source>
        <translation>Усі члени разом мають суму лише тоді, коли вони зменшуються до 0, тобто коли -1 &lt; Q &lt; 1.</translation>
    </message>
    <message>
        <source>With Q = %1 no term is smaller in size than the one before, so the sums S1, S2, S3, and so on grow in size without end.</source>
        <translation>При Q = %1 жоден член не менший за модулем від попереднього, тому суми S1, S2, S3 і так далі без кінця зростають за модулем.</translation>
    </message>
    <message>
        <source>With Q = %1 the terms change sign each time and do not shrink, so the sums S1, S2, S3, and so on never settle.</source>
        <translation>При Q = %1 члени щоразу змінюють знак і не зменшуються, тому суми S1, S2, S3 і так далі ніколи не встановлюються.</translation>
    </message>
    <message>
        <source>With A1 = 0 every term is 0 × Q = 0, and An ÷ A1 would divide by 0, so no ratio can be found.</source>
        <translation>При A1 = 0 кожен член дорівнює 0 × Q = 0, а An ÷ A1 означало б ділення на 0, тому знаменник знайти не можна.</translation>
    </message>
    <message>
        <source>N counts the terms, and a ratio needs two of them, A1 and An: N = %1 is not more than 1.</source>
        <translation>N лічить члени, а для знаменника потрібні два з них, A1 і An: N = %1 не більше за 1.</translation>
    </message>
    <message>
        <source>N = 1 makes N - 1 = 0, and the formula divides by it: with one term there is no step from one term to the next.</source>
        <translation>N = 1 дає N - 1 = 0, а формула ділить на це число: з одним членом немає кроку від одного члена до наступного.</translation>
    </message>
    <message>
        <source>D = 0 makes every term A1 = %1, and the formula divides by D = 0.</source>
        <translation>D = 0 робить кожен член рівним A1 = %1, а формула ділить на D = 0.</translation>
    </message>
    <message>
        <source>Here An is A1, so every N fits.</source>
        <translation>Тут An дорівнює A1, тому підходить будь-яке N.</translation>
    </message>
    <message>
        <source>Here An = %1 is not A1, so no N fits.</source>
        <translation>Тут An = %1 не дорівнює A1, тому жодне N не підходить.</translation>
    </message>
    <message>
        <source>Q = %1 is negative and %2 = %3 is not a whole number: a negative number to a power that is not whole has no real value.</source>
        <translation>Q = %1 від&apos;ємне, а %2 = %3 не є цілим числом: від&apos;ємне число в нецілому степені не має дійсного значення.</translation>
    </message>
    <message>
        <source>N counts the terms, so it should be a whole number.</source>
        <translation>N лічить члени, тому має бути цілим числом.</translation>
    </message>
    <message>
        <source>An ÷ A1 = %1 is negative and N - 1 = %2 is even: an even power of a real number is never negative, so no real Q fits.</source>
        <translation>An ÷ A1 = %1 від&apos;ємне, а N - 1 = %2 парне: парний степінь дійсного числа ніколи не буває від&apos;ємним, тому жодне дійсне Q не підходить.</translation>
    </message>
    <message>
        <source>An ÷ A1 = %1 is negative and N - 1 = %2 is not a whole number: such a root of a negative number has no real value.</source>
        <translation>An ÷ A1 = %1 від&apos;ємне, а N - 1 = %2 не є цілим числом: такий корінь із від&apos;ємного числа не має дійсного значення.</translation>
    </message>
    <message>
        <source>The box of %1 keeps only 8 characters, so it shows %2, the start of the number %3 written in E-notation. %2 is no number, and the row cannot go on with it.</source>
        <translation>Поле %1 вміщує лише 8 символів, тому показує %2 — початок числа %3, записаного з E. %2 не є числом, і рядок не може з ним продовжити.</translation>
    </message>
    <message>
        <source>A number on the way grows beyond the largest one the computer can hold, about 1.8 × 10³⁰⁸, so there is no answer.</source>
        <translation>Проміжне число перевищує найбільше, яке може зберігати комп&apos;ютер, приблизно 1.8 × 10³⁰⁸, тому відповіді немає.</translation>
    </message>
    <message>
        <source>Each box takes %1, at most 8 characters.</source>
        <translation>Кожне поле приймає %1, не більше 8 символів.</translation>
    </message>
    <message>
        <source>A1 is the first term, An the last, N the number of terms, D the step from one term to the next and Q the ratio of one term to the one before.</source>
        <translation>A1 — перший член, An — останній, N — кількість членів, D — різниця між сусідніми членами, Q — відношення члена до попереднього.</translation>
    </message>
    <message>
        <source>A command writes the numbers it read back into its boxes, cut to 8 characters, and goes on with what the box shows; Q, and An in the geometric rows, are used as typed.</source>
        <translation>Кнопка записує прочитані числа назад у свої поля, обрізавши їх до 8 символів, і рахує далі з тим, що показує поле; Q, а в геометричних рядках і An, використовуються так, як їх введено.</translation>
    </message>
    <message>
        <source>A1 = 2, D = 3, N = 5, %1:</source>
        <extracomment>%1 is the window&apos;s button Find Sn</extracomment>
        <translation>A1 = 2, D = 3, N = 5, %1:</translation>
    </message>
</context>
<context>
    <name>sb::Form6</name>
    <message>
        <source>Q Must not be equals to zero or one.!!!</source>
        <translation>Q не може дорівнювати 0 або 1!</translation>
    </message>
    <message>
        <source>In Infinite Progression Q Must be smaller than 1 and bigger than -1 and not be equals to Zero.!!!</source>
        <translation>У нескінченній прогресії Q має бути між -1 і 1 і не дорівнювати 0!</translation>
    </message>
    <message>
        <source>A1 Must not be equals to zero And N must be bigger than one.!!!</source>
        <translation>A1 не може дорівнювати 0, а N має бути більшим за 1!</translation>
    </message>
</context>
</TS>
