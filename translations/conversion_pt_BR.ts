<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ConversionWorking</name>
    <message>
        <source>Fraction bars of the same length: %1.</source>
        <extracomment>%1 is the forms of one value, joined by &quot; = &quot;</extracomment>
        <translation>Barras de fração do mesmo comprimento: %1.</translation>
    </message>
    <message>
        <source>Fraction bars of the same length: %1, at %2 on the number line.</source>
        <extracomment>%1 is the forms of one value, joined by &quot; = &quot;, %2 the value</extracomment>
        <translation>Barras de fração do mesmo comprimento: %1, em %2 na reta numérica.</translation>
    </message>
    <message>
        <source>The exact value is %1: its decimal never ends, so the window shows it rounded to 15 digits, %2</source>
        <translation>O valor exato é %1: sua forma decimal nunca termina, então a janela o mostra arredondado para 15 algarismos, %2</translation>
    </message>
    <message>
        <source>As a fraction in lowest terms: %1 = %2</source>
        <translation>Como fração irredutível: %1 = %2</translation>
    </message>
    <message>
        <source>A mixed number as an improper fraction: whole number × denominator + numerator, over the same denominator</source>
        <translation>Um número misto como fração imprópria: número inteiro × denominador + numerador, sobre o mesmo denominador</translation>
    </message>
    <message>
        <source>The exercise: %1</source>
        <translation>O exercício: %1</translation>
    </message>
    <message>
        <source>The denominator stays as it was typed: %1</source>
        <translation>O denominador fica como foi digitado: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Resultado: %1</translation>
    </message>
    <message>
        <source>An improper fraction as a mixed number: divide the numerator by the denominator; the quotient is the whole number, the remainder the new numerator</source>
        <translation>Uma fração imprópria como número misto: divida o numerador pelo denominador; o quociente é o número inteiro, e o resto, o novo numerador</translation>
    </message>
    <message>
        <source>Check: %1 × %2 + %3 = %4</source>
        <translation>Verificação: %1 × %2 + %3 = %4</translation>
    </message>
    <message>
        <source>The remainder is 0, so there is no fraction part</source>
        <translation>O resto é 0, então não há parte fracionária</translation>
    </message>
    <message>
        <source>The window writes the denominator as it was typed: %1</source>
        <translation>A janela escreve o denominador como foi digitado: %1</translation>
    </message>
    <message>
        <source>The whole number box held &quot;%1&quot;, which is no number, so the window set it to 0 and worked nothing out</source>
        <translation>O campo do número inteiro tinha “%1”, que não é um número, então a janela colocou 0 nele e não calculou nada</translation>
    </message>
    <message>
        <source>Press the button again to convert with the whole number 0</source>
        <translation>Clique no botão de novo para converter com o número inteiro 0</translation>
    </message>
    <message>
        <source>A mixed number as a decimal: divide the numerator by the denominator, then add the whole number</source>
        <translation>Um número misto como número decimal: divida o numerador pelo denominador e depois some o número inteiro</translation>
    </message>
    <message>
        <source>The whole number box was empty, so it is 0</source>
        <translation>O campo do número inteiro estava vazio, então ele é 0</translation>
    </message>
    <message>
        <source>A decimal as a fraction: the digits after the decimal point, over 1 with as many zeros as there are digits</source>
        <translation>Um número decimal como fração: os algarismos depois da vírgula, sobre 1 seguido de tantos zeros quantos forem os algarismos</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n digit after the decimal point: %2</source>
        <extracomment>%1 is the decimal typed, %n the number of digits after its point, %2 those digits</extracomment>
        <translation>
            <numerusform>%1 tem %n algarismo depois da vírgula: %2</numerusform>
            <numerusform>%1 tem %n algarismos depois da vírgula: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n digits after the decimal point: %2</source>
        <translation>
            <numerusform>%1 tem %n algarismo depois da vírgula: %2</numerusform>
            <numerusform>%1 tem %n algarismos depois da vírgula: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>10 to the power %1 is %2, so the digits make %3</source>
        <extracomment>%1 is the number of digits, %2 that power of 10, %3 the fraction the digits make</extracomment>
        <translation>10 elevado a %1 é %2, então os algarismos dão %3</translation>
    </message>
    <message>
        <source>The whole number is the part before the decimal point: %1</source>
        <translation>O número inteiro é a parte antes da vírgula: %1</translation>
    </message>
    <message>
        <source>Here the minus sign stands for the whole number and the fraction together: %1 is %2</source>
        <translation>Aqui o sinal de menos vale para o número inteiro e a fração juntos: %1 é %2</translation>
    </message>
    <message>
        <source>The digits after the decimal point make 0, so there is no fraction part</source>
        <translation>Os algarismos depois da vírgula dão 0, então não há parte fracionária</translation>
    </message>
    <message>
        <source>In the other panels each part keeps its own sign: there %1 is typed %2 and -%3/%4</source>
        <extracomment>%1 is the decimal, %2 its whole part, -%3/%4 its fraction part</extracomment>
        <translation>Nos outros painéis cada parte tem o seu próprio sinal: lá %1 é digitado como %2 e -%3/%4</translation>
    </message>
    <message>
        <source>The window does not reduce the fraction</source>
        <translation>A janela não simplifica a fração</translation>
    </message>
    <message>
        <source>The greatest common divisor of %1 and %2 is 1, so %3 is in lowest terms already</source>
        <translation>O máximo divisor comum de %1 e %2 é 1, então %3 já é uma fração irredutível</translation>
    </message>
    <message>
        <source>Divided by their greatest common divisor %1, in lowest terms: %2 = %3</source>
        <translation>Dividindo pelo máximo divisor comum %1, fica a fração irredutível: %2 = %3</translation>
    </message>
    <message>
        <source>Every box takes one plain number, such as 3 or %1: no fractions like 3/4</source>
        <translation>Cada campo aceita um só número, como 3 ou %1: nada de frações como 3/4</translation>
    </message>
    <message>
        <source>%1: the whole number (0 when there is none), the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Fraction To Improper&quot;</extracomment>
        <translation>%1: o número inteiro (0 quando não houver), o numerador e o denominador</translation>
    </message>
    <message>
        <source>%1: the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Improper To Fraction&quot;</extracomment>
        <translation>%1: o numerador e o denominador</translation>
    </message>
    <message>
        <source>%1: the whole number (it may be empty), the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Fraction To Decimal&quot;</extracomment>
        <translation>%1: o número inteiro (o campo pode ficar vazio), o numerador e o denominador</translation>
    </message>
    <message>
        <source>%1: a decimal number with a decimal point, such as %2</source>
        <extracomment>%1 is the button &quot;Decimal To Fraction&quot;, %2 a decimal number</extracomment>
        <translation>%1: um número decimal com vírgula, como %2</translation>
    </message>
    <message>
        <source>You must enter a decimal number in form ab.def</source>
        <translation>Você deve digitar um número decimal na forma ab.def</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source> Fraction To Improper </source>
        <translation>Em fração imprópria</translation>
    </message>
    <message>
        <source>Improper To Fraction</source>
        <translation>Em número misto</translation>
    </message>
    <message>
        <source>Fraction To Decimal</source>
        <translation>Em decimal</translation>
    </message>
    <message>
        <source>Decimal To Fraction</source>
        <translation>Em número misto</translation>
    </message>
    <message>
        <source>Converts Simple Fraction To Improper Fraction</source>
        <translation>Converte número misto em fração imprópria</translation>
    </message>
    <message>
        <source>Whole part</source>
        <translation>Parte inteira</translation>
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
        <translation>Converte fração imprópria em número misto</translation>
    </message>
    <message>
        <source>Converts Simple Fraction To Decimal Fruction</source>
        <translation>Converte número misto em número decimal</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Número decimal</translation>
    </message>
    <message>
        <source>Converts Decimal Fruction To  Simple Fraction </source>
        <translation>Converte número decimal em número misto</translation>
    </message>
    <message>
        <source>Fraction Conversion</source>
        <translation>Conversão de frações</translation>
    </message>
</context>
</TS>
