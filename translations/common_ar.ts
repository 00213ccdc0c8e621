<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>DroppedFiles</name>
    <message>
        <source>%1 is too large: the box takes files of at most %2 MB.</source>
        <translation>%1 كبير جدًا: يقبل المربع ملفات حجمها %2 ميغابايت على الأكثر.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>تعذّرت قراءة %1.</translation>
    </message>
    <message>
        <source>%1 is not a text file, so nothing was taken from it.</source>
        <translation>%1 ليس ملفًا نصيًا، لذلك لم يُؤخذ منه شيء.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Conversion : Fraction, Improper  Fractions, Decimal fractions </source>
        <translation>التحويل: الكسور، الكسور غير الفعلية، الأعداد العشرية</translation>
    </message>
    <message>
        <source>25/4 is 6 1/4 , 1/4 is 0.25</source>
        <translation>25/4 يساوي 6 1/4، و 1/4 يساوي 0.25</translation>
    </message>
    <message>
        <source>Operators On           Fractions :                [ +, - , * , / ,&lt;  , = ,&gt; ]  Common -               Denominator   ,     Reduction              </source>
        <extracomment>the blanks only break the lines in the button; the words wrap by themselves</extracomment>
        <translation>العمليات على الكسور:
[ +, - , * , / ,&lt;  , = ,&gt; ]
المقام المشترك، الاختزال</translation>
    </message>
    <message>
        <source>Areas And Perimeters</source>
        <translation>المساحات والمحيطات</translation>
    </message>
    <message>
        <source>Quadrilateral</source>
        <translation>شكل رباعي</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>مثلث</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>دائرة</translation>
    </message>
    <message>
        <source>Traffic And Percentage Problems</source>
        <translation>مسائل الحركة والنسب المئوية</translation>
    </message>
    <message>
        <source>Solving Quadratic Equation</source>
        <translation>حل معادلة من الدرجة الثانية</translation>
    </message>
    <message>
        <source>Progression: Geometric Progression , Arithmetic Progression</source>
        <translation>المتتاليات: المتتالية الهندسية، المتتالية الحسابية</translation>
    </message>
    <message>
        <source>Triangles</source>
        <translation>المثلثات</translation>
    </message>
    <message>
        <source>The Law Of Sines</source>
        <translation>قانون الجيوب</translation>
    </message>
    <message>
        <source>The Law Of Cosines</source>
        <translation>قانون جيوب التمام</translation>
    </message>
    <message>
        <source>Statistics  Mean, Standard-Deviation ,Variance</source>
        <translation>الإحصاء: الوسط الحسابي، الانحراف المعياري، التباين</translation>
    </message>
    <message>
        <source>Complex Numbers</source>
        <translation>الأعداد المركبة</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <source>Contact Me With Your Requests Suggestions , Comments</source>
        <translation>راسلني بطلباتك واقتراحاتك وملاحظاتك</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>تبرّع</translation>
    </message>
    <message>
        <source>Visit Sumbrook on the web: %1</source>
        <extracomment>%1 is the program&apos;s web address</extracomment>
        <translation>زر موقع Sumbrook على الويب: %1</translation>
    </message>
</context>
<context>
    <name>Form14</name>
    <message>
        <source>Donate</source>
        <translation>تبرّع</translation>
    </message>
    <message>
        <source>Donate Using PayPal</source>
        <translation>التبرع عبر PayPal</translation>
    </message>
    <message>
        <source>If you have found this software helpful,</source>
        <translation>إذا وجدت هذا البرنامج مفيدًا،</translation>
    </message>
    <message>
        <source>Please consider to support the author.</source>
        <translation>ففكر في دعم مؤلفه.</translation>
    </message>
    <message>
        <source>You can donate via PayPal in US dollars no</source>
        <extracomment>the first line of a sentence that the next line ends (&quot;matter what your home currency.&quot;): part the sentence between the two lines where it reads best</extracomment>
        <translation>يمكنك التبرع عبر باي بال بالدولار الأمريكي</translation>
    </message>
    <message>
        <source>matter what  your home currency. 
</source>
        <extracomment>the second line of the sentence that the line before begins</extracomment>
        <translation>مهما كانت عملة بلدك.
</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>اضغط هنا</translation>
    </message>
    <message>
        <source>Thank you for your support.</source>
        <translation>شكرًا لدعمك.</translation>
    </message>
</context>
<context>
    <name>SharedWorking</name>
    <message>
        <source>The exact value is %1. The window shows %2: the computer keeps about 16 digits and rounds at every step, so the last digits it shows carry that rounding.</source>
        <extracomment>%1 is the exact value, %2 the window&apos;s number</extracomment>
        <translation>القيمة الدقيقة هي %1. تعرض النافذة %2: يحتفظ الحاسوب بنحو 16 رقمًا ويقرّب في كل خطوة، لذلك تحمل الأرقام الأخيرة التي يعرضها أثر هذا التقريب.</translation>
    </message>
    <message>
        <source>a whole number (-3), a decimal (%1), a fraction (1/4) or a mixed number (2/1/4)</source>
        <extracomment>what a box takes, put into sentences such as &quot;Each box takes %1.&quot; (so it must read there as it stands); %1 is 0.5 as the language writes it</extracomment>
        <translation>عدد صحيح (-3) أو عدد عشري (%1) أو كسر (1/4) أو عدد كسري (2/1/4)</translation>
    </message>
    <message>
        <source>Type the numbers of your exercise, then press a button.</source>
        <translation>أدخل أعداد تمرينك، ثم اضغط على زر.</translation>
    </message>
    <message>
        <source>An example:</source>
        <translation>مثال:</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <extracomment>%1 is the window&apos;s message, word for word</extracomment>
        <translation>قالت النافذة: «%1»</translation>
    </message>
    <message>
        <source>So there is no answer to work out. What the boxes take:</source>
        <translation>لذلك لا يوجد ناتج لحسابه. ما تقبله الخانات:</translation>
    </message>
</context>
<context>
    <name>ValueEntry</name>
    <message>
        <source>%1 Is not a numeric value</source>
        <extracomment>%1 is the text typed in a box, quoted as it was typed</extracomment>
        <translation>%1 ليس عددًا.</translation>
    </message>
    <message>
        <source>Must enter a numeric value</source>
        <translation>يجب إدخال عدد.</translation>
    </message>
    <message>
        <source>Must enter a positive value</source>
        <translation>يجب إدخال قيمة موجبة.</translation>
    </message>
    <message>
        <source>Denominator Cant Be Zero!!!</source>
        <translation>لا يمكن أن يكون المقام صفرًا!</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Speak the language CODE (de, fr, es, pt_BR, uk, ar, en) instead of the desktop&apos;s.</source>
        <translation>يستخدم اللغة المعطاة (de, fr, es, pt_BR, uk, ar, en) بدلًا من لغة سطح المكتب.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>School mathematics homework helper</source>
        <translation>مساعد في واجبات الرياضيات المدرسية</translation>
    </message>
</context>
<context>
    <name>sb::Form1</name>
    <message>
        <source>Cant Find Your Windows Calculator</source>
        <translation>تعذّر العثور على الآلة الحاسبة في حاسوبك.</translation>
    </message>
    <message>
        <source>Cant Open You Email Programe, My Email Is %1</source>
        <extracomment>%1 is the maker&apos;s email address</extracomment>
        <translation>تعذّر فتح برنامج البريد الإلكتروني لديك. بريدي الإلكتروني هو %1</translation>
    </message>
</context>
<context>
    <name>sb::ui::FigureView</name>
    <message>
        <source>Copy Figure</source>
        <translation>نسخ الشكل</translation>
    </message>
    <message>
        <source>Save Figure as SVG...</source>
        <translation>حفظ الشكل بصيغة SVG...</translation>
    </message>
    <message>
        <source>Save Figure as PNG...</source>
        <translation>حفظ الشكل بصيغة PNG...</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>رسم SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>صورة PNG (*.png)</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>الشكل</translation>
    </message>
    <message>
        <source>The figure could not be saved as %1.</source>
        <translation>تعذّر حفظ الشكل باسم %1.</translation>
    </message>
</context>
<context>
    <name>sb::ui::Form</name>
    <message>
        <source>Show Working</source>
        <translation>عرض الحل</translation>
    </message>
    <message>
        <source>Show or hide the worked steps and the figure (F2)</source>
        <translation>عرض خطوات الحل والشكل أو إخفاؤها (F2)</translation>
    </message>
    <message>
        <source>Hide Working</source>
        <translation>إخفاء الحل</translation>
    </message>
    <message>
        <source>Unreasonable Data!!!.</source>
        <translation>هذه البيانات غير منطقية!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>رسالة</translation>
    </message>
    <message>
        <source>The working could not be printed.</source>
        <translation>تعذّرت طباعة الحل.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>مستند PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>sb::ui::OutputLabel</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;تحديد الكل</translation>
    </message>
</context>
<context>
    <name>sb::ui::WorkingPane</name>
    <message>
        <source>Working</source>
        <translation>خطوات الحل</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>الخطوات</translation>
    </message>
    <message>
        <source>More detail</source>
        <translation>تفاصيل أكثر</translation>
    </message>
    <message>
        <source>Copy Working</source>
        <translation>نسخ الحل</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>الصفحة %1 من %2</translation>
    </message>
    <message>
        <source>The working could not be saved as %1.</source>
        <translation>تعذّر حفظ الحل باسم %1.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>طباعة...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF...</translation>
    </message>
    <message>
        <source>Print the working (%1)</source>
        <translation>طباعة الحل (%1)</translation>
    </message>
    <message>
        <source>Save the working as a PDF file (%1)</source>
        <translation>حفظ الحل في ملف PDF (%1)</translation>
    </message>
</context>
</TS>
