<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ConversionWorking</name>
    <message>
        <source>Fraction bars of the same length: %1.</source>
        <extracomment>%1 is the forms of one value, joined by &quot; = &quot;</extracomment>
        <translation>Barras de fracción de la misma longitud: %1.</translation>
    </message>
    <message>
        <source>Fraction bars of the same length: %1, at %2 on the number line.</source>
        <extracomment>%1 is the forms of one value, joined by &quot; = &quot;, %2 the value</extracomment>
        <translation>Barras de fracción de la misma longitud: %1, en %2 en la recta numérica.</translation>
    </message>
    <message>
        <source>The exact value is %1: its decimal never ends, so the window shows it rounded to 15 digits, %2</source>
        <translation>El valor exacto es %1: su expresión decimal nunca termina, así que la ventana lo muestra redondeado a 15 cifras, %2</translation>
    </message>
    <message>
        <source>As a fraction in lowest terms: %1 = %2</source>
        <translation>Como fracción irreducible: %1 = %2</translation>
    </message>
    <message>
        <source>A mixed number as an improper fraction: whole number × denominator + numerator, over the same denominator</source>
        <translation>Un número mixto como fracción impropia: número entero × denominador + numerador, sobre el mismo denominador</translation>
    </message>
    <message>
        <source>The exercise: %1</source>
        <translation>El ejercicio: %1</translation>
    </message>
    <message>
        <source>The denominator stays as it was typed: %1</source>
        <translation>El denominador se queda tal como se escribió: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Resultado: %1</translation>
    </message>
    <message>
        <source>An improper fraction as a mixed number: divide the numerator by the denominator; the quotient is the whole number, the remainder the new numerator</source>
        <translation>Una fracción impropia como número mixto: divide el numerador entre el denominador; el cociente es el número entero y el resto, el nuevo numerador</translation>
    </message>
    <message>
        <source>Check: %1 × %2 + %3 = %4</source>
        <translation>Comprobación: %1 × %2 + %3 = %4</translation>
    </message>
    <message>
        <source>The remainder is 0, so there is no fraction part</source>
        <translation>El resto es 0, así que no hay parte fraccionaria</translation>
    </message>
    <message>
        <source>The window writes the denominator as it was typed: %1</source>
        <translation>La ventana escribe el denominador tal como se escribió: %1</translation>
    </message>
    <message>
        <source>The whole number box held &quot;%1&quot;, which is no number, so the window set it to 0 and worked nothing out</source>
        <translation>La casilla del número entero tenía «%1», que no es un número, así que la ventana puso 0 y no calculó nada</translation>
    </message>
    <message>
        <source>Press the button again to convert with the whole number 0</source>
        <translation>Pulsa otra vez el botón para convertir con el número entero 0</translation>
    </message>
    <message>
        <source>A mixed number as a decimal: divide the numerator by the denominator, then add the whole number</source>
        <translation>Un número mixto como número decimal: divide el numerador entre el denominador y luego suma el número entero</translation>
    </message>
    <message>
        <source>The whole number box was empty, so it is 0</source>
        <translation>La casilla del número entero estaba vacía, así que es 0</translation>
    </message>
    <message>
        <source>A decimal as a fraction: the digits after the decimal point, over 1 with as many zeros as there are digits</source>
        <translation>Un número decimal como fracción: las cifras después de la coma, sobre 1 seguido de tantos ceros como cifras haya</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n digit after the decimal point: %2</source>
        <extracomment>%1 is the decimal typed, %n the number of digits after its point, %2 those digits</extracomment>
        <translation>
            <numerusform>%1 tiene %n cifra después de la coma: %2</numerusform>
            <numerusform>%1 tiene %n cifras después de la coma: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n digits after the decimal point: %2</source>
        <translation>
            <numerusform>%1 tiene %n cifra después de la coma: %2</numerusform>
            <numerusform>%1 tiene %n cifras después de la coma: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>10 to the power %1 is %2, so the digits make %3</source>
        <extracomment>%1 is the number of digits, %2 that power of 10, %3 the fraction the digits make</extracomment>
        <translation>10 elevado a %1 es %2, así que las cifras dan %3</translation>
    </message>
    <message>
        <source>The whole number is the part before the decimal point: %1</source>
        <translation>El número entero es la parte antes de la coma: %1</translation>
    </message>
    <message>
        <source>Here the minus sign stands for the whole number and the fraction together: %1 is %2</source>
        <translation>Aquí el signo menos vale para el número entero y la fracción juntos: %1 es %2</translation>
    </message>
    <message>
        <source>The digits after the decimal point make 0, so there is no fraction part</source>
        <translation>Las cifras después de la coma dan 0, así que no hay parte fraccionaria</translation>
    </message>
    <message>
        <source>In the other panels each part keeps its own sign: there %1 is typed %2 and -%3/%4</source>
        <extracomment>%1 is the decimal, %2 its whole part, -%3/%4 its fraction part</extracomment>
        <translation>En los otros paneles cada parte lleva su propio signo: allí %1 se escribe %2 y -%3/%4</translation>
    </message>
    <message>
        <source>The window does not reduce the fraction</source>
        <translation>La ventana no simplifica la fracción</translation>
    </message>
    <message>
        <source>The greatest common divisor of %1 and %2 is 1, so %3 is in lowest terms already</source>
        <translation>El máximo común divisor de %1 y %2 es 1, así que %3 ya es una fracción irreducible</translation>
    </message>
    <message>
        <source>Divided by their greatest common divisor %1, in lowest terms: %2 = %3</source>
        <translation>Dividiendo entre su máximo común divisor %1, queda la fracción irreducible: %2 = %3</translation>
    </message>
    <message>
        <source>Every box takes one plain number, such as 3 or %1: no fractions like 3/4</source>
        <translation>Cada casilla admite un solo número, como 3 o %1: nada de fracciones como 3/4</translation>
    </message>
    <message>
        <source>%1: the whole number (0 when there is none), the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Fraction To Improper&quot;</extracomment>
        <translation>%1: el número entero (0 si no hay), el numerador y el denominador</translation>
    </message>
    <message>
        <source>%1: the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Improper To Fraction&quot;</extracomment>
        <translation>%1: el numerador y el denominador</translation>
    </message>
    <message>
        <source>%1: the whole number (it may be empty), the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Fraction To Decimal&quot;</extracomment>
        <translation>%1: el número entero (la casilla puede quedar vacía), el numerador y el denominador</translation>
    </message>
    <message>
        <source>%1: a decimal number with a decimal point, such as %2</source>
        <extracomment>%1 is the button &quot;Decimal To Fraction&quot;, %2 a decimal number</extracomment>
        <translation>%1: un número decimal con coma, como %2</translation>
    </message>
    <message>
        <source>You must enter a decimal number in form ab.def</source>
        <translation>Debes escribir un número decimal de la forma ab.def</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source> Fraction To Improper </source>
        <translation>A fracción impropia</translation>
    </message>
    <message>
        <source>Improper To Fraction</source>
        <translation>A número mixto</translation>
    </message>
    <message>
        <source>Fraction To Decimal</source>
        <translation>A número decimal</translation>
    </message>
    <message>
        <source>Decimal To Fraction</source>
        <translation>A número mixto</translation>
    </message>
    <message>
        <source>Converts Simple Fraction To Improper Fraction</source>
        <translation>Convierte un número mixto en fracción impropia</translation>
    </message>
    <message>
        <source>Whole part</source>
        <translation>Parte entera</translation>
    </message>
    <message>
        <source>Numerator</source>
        <translation>Numerador</translation>
    </message>
    <message>
        <source>Denominator</source>
        <translation>Denominador</translation>
    </message>
    <message>
        <source>Converts Improper Fraction To Simple  Fraction</source>
        <translation>Convierte una fracción impropia en número mixto</translation>
    </message>
    <message>
        <source>Converts Simple Fraction To Decimal Fruction</source>
        <translation>Convierte un número mixto en número decimal</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Número decimal</translation>
    </message>
    <message>
        <source>Converts Decimal Fruction To  Simple Fraction </source>
        <translation>Convierte un número decimal en número mixto</translation>
    </message>
    <message>
        <source>Fraction Conversion</source>
        <translation>Conversión de fracciones</translation>
    </message>
</context>
</TS>
