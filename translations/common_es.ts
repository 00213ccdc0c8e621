<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>DroppedFiles</name>
    <message>
        <source>%1 is too large: the box takes files of at most %2 MB.</source>
        <translation>%1 es demasiado grande: el cuadro admite archivos de %2 MB como máximo.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>No se pudo leer %1.</translation>
    </message>
    <message>
        <source>%1 is not a text file, so nothing was taken from it.</source>
        <translation>%1 no es un archivo de texto, así que no se tomó nada de él.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Conversion : Fraction, Improper  Fractions, Decimal fractions </source>
        <translation>Conversión: fracciones, fracciones impropias, números decimales</translation>
    </message>
    <message>
        <source>25/4 is 6 1/4 , 1/4 is 0.25</source>
        <translation>25/4 es 6 1/4, 1/4 es 0.25</translation>
    </message>
    <message>
        <source>Operators On           Fractions :                [ +, - , * , / ,&lt;  , = ,&gt; ]  Common -               Denominator   ,     Reduction              </source>
        <extracomment>the blanks only break the lines in the button; the words wrap by themselves</extracomment>
        <translation>Operaciones con fracciones: [ +, - , * , / ,&lt;  , = ,&gt; ] denominador común, simplificación</translation>
    </message>
    <message>
        <source>Areas And Perimeters</source>
        <translation>Áreas y perímetros</translation>
    </message>
    <message>
        <source>Quadrilateral</source>
        <translation>Cuadrilátero</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Traffic And Percentage Problems</source>
        <translation>Problemas de velocidad y porcentajes</translation>
    </message>
    <message>
        <source>Solving Quadratic Equation</source>
        <translation>Resolver una ecuación de segundo grado</translation>
    </message>
    <message>
        <source>Progression: Geometric Progression , Arithmetic Progression</source>
        <translation>Progresiones: progresión geométrica, progresión aritmética</translation>
    </message>
    <message>
        <source>Triangles</source>
        <translation>Triángulos</translation>
    </message>
    <message>
        <source>The Law Of Sines</source>
        <translation>Teorema del seno</translation>
    </message>
    <message>
        <source>The Law Of Cosines</source>
        <translation>Teorema del coseno</translation>
    </message>
    <message>
        <source>Statistics  Mean, Standard-Deviation ,Variance</source>
        <translation>Estadística: media, desviación típica, varianza</translation>
    </message>
    <message>
        <source>Complex Numbers</source>
        <translation>Números complejos</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Contact Me With Your Requests Suggestions , Comments</source>
        <translation>Escríbeme tus peticiones, sugerencias y comentarios</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
    <message>
        <source>Visit Sumbrook on the web: %1</source>
        <extracomment>%1 is the program&apos;s web address</extracomment>
        <translation>Visita Sumbrook en la web: %1</translation>
    </message>
</context>
<context>
    <name>Form14</name>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
    <message>
        <source>Donate Using PayPal</source>
        <translation>Donar con PayPal</translation>
    </message>
    <message>
        <source>If you have found this software helpful,</source>
        <translation>Si este programa te ha sido útil,</translation>
    </message>
    <message>
        <source>Please consider to support the author.</source>
        <translation>piensa en apoyar a su autor.</translation>
    </message>
    <message>
        <source>You can donate via PayPal in US dollars no</source>
        <extracomment>the first line of a sentence that the next line ends (&quot;matter what your home currency.&quot;): part the sentence between the two lines where it reads best</extracomment>
        <translation>Puedes donar con PayPal en dólares estadounidenses,</translation>
    </message>
    <message>
        <source>matter what  your home currency. 
</source>
        <extracomment>the second line of the sentence that the line before begins</extracomment>
        <translation>sea cual sea tu moneda. 
</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Pulsa aquí</translation>
    </message>
    <message>
        <source>Thank you for your support.</source>
        <translation>Gracias por tu apoyo.</translation>
    </message>
</context>
<context>
    <name>SharedWorking</name>
    <message>
        <source>The exact value is %1. The window shows %2: the computer keeps about 16 digits and rounds at every step, so the last digits it shows carry that rounding.</source>
        <extracomment>%1 is the exact value, %2 the window&apos;s number</extracomment>
        <translation>El valor exacto es %1. La ventana muestra %2: el ordenador guarda unas 16 cifras y redondea en cada paso, así que las últimas cifras que muestra llevan ese redondeo.</translation>
    </message>
    <message>
        <source>a whole number (-3), a decimal (%1), a fraction (1/4) or a mixed number (2/1/4)</source>
        <extracomment>what a box takes, put into sentences such as &quot;Each box takes %1.&quot; (so it must read there as it stands); %1 is 0.5 as the language writes it</extracomment>
        <translation>un número entero (-3), un número decimal (%1), una fracción (1/4) o un número mixto (2/1/4)</translation>
    </message>
    <message>
        <source>Type the numbers of your exercise, then press a button.</source>
        <translation>Escribe los números de tu ejercicio y luego pulsa un botón.</translation>
    </message>
    <message>
        <source>An example:</source>
        <translation>Un ejemplo:</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <extracomment>%1 is the window&apos;s message, word for word</extracomment>
        <translation>La ventana dijo: «%1»</translation>
    </message>
    <message>
        <source>So there is no answer to work out. What the boxes take:</source>
        <translation>Así que no hay resultado que calcular. Lo que admiten las casillas:</translation>
    </message>
</context>
<context>
    <name>ValueEntry</name>
    <message>
        <source>%1 Is not a numeric value</source>
        <extracomment>%1 is the text typed in a box, quoted as it was typed</extracomment>
        <translation>%1 no es un número.</translation>
    </message>
    <message>
        <source>Must enter a numeric value</source>
        <translation>Debes escribir un número.</translation>
    </message>
    <message>
        <source>Must enter a positive value</source>
        <translation>Debes escribir un valor positivo.</translation>
    </message>
    <message>
        <source>Denominator Cant Be Zero!!!</source>
        <translation>¡El denominador no puede ser cero!</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Speak the language CODE (de, fr, es, pt_BR, uk, ar, en) instead of the desktop&apos;s.</source>
        <translation>Usa el idioma CÓDIGO (de, fr, es, pt_BR, uk, ar, en) en lugar del idioma del escritorio.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>School mathematics homework helper</source>
        <translation>Ayuda con los deberes de matemáticas</translation>
    </message>
</context>
<context>
    <name>sb::Form1</name>
    <message>
        <source>Cant Find Your Windows Calculator</source>
        <translation>No se encuentra la calculadora de tu ordenador.</translation>
    </message>
    <message>
        <source>Cant Open You Email Programe, My Email Is %1</source>
        <extracomment>%1 is the maker&apos;s email address</extracomment>
        <translation>No se puede abrir tu programa de correo. Mi correo es %1</translation>
    </message>
</context>
<context>
    <name>sb::ui::FigureView</name>
    <message>
        <source>Copy Figure</source>
        <translation>Copiar la figura</translation>
    </message>
    <message>
        <source>Save Figure as SVG...</source>
        <translation>Guardar la figura como SVG...</translation>
    </message>
    <message>
        <source>Save Figure as PNG...</source>
        <translation>Guardar la figura como PNG...</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>The figure could not be saved as %1.</source>
        <translation>No se pudo guardar la figura como %1.</translation>
    </message>
</context>
<context>
    <name>sb::ui::Form</name>
    <message>
        <source>Show Working</source>
        <translation>Ver desarrollo</translation>
    </message>
    <message>
        <source>Show or hide the worked steps and the figure (F2)</source>
        <translation>Mostrar u ocultar los pasos del desarrollo y la figura (F2)</translation>
    </message>
    <message>
        <source>Hide Working</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Unreasonable Data!!!.</source>
        <translation>¡Los datos no tienen sentido!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>The working could not be printed.</source>
        <translation>No se pudo imprimir el desarrollo.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>sb::ui::OutputLabel</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
</context>
<context>
    <name>sb::ui::WorkingPane</name>
    <message>
        <source>Working</source>
        <translation>Desarrollo</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>More detail</source>
        <translation>Más detalle</translation>
    </message>
    <message>
        <source>Copy Working</source>
        <translation>Copiar desarrollo</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>The working could not be saved as %1.</source>
        <translation>No se pudo guardar el desarrollo como %1.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF...</translation>
    </message>
    <message>
        <source>Print the working (%1)</source>
        <translation>Imprimir el desarrollo (%1)</translation>
    </message>
    <message>
        <source>Save the working as a PDF file (%1)</source>
        <translation>Guardar el desarrollo como archivo PDF (%1)</translation>
    </message>
</context>
</TS>
