<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Form4</name>
    <message>
        <source>Operators On Fractions</source>
        <translation>Operações com frações</translation>
    </message>
    <message>
        <source>Fraction 1</source>
        <translation>Fração 1</translation>
    </message>
    <message>
        <source>Fraction 1 whole number</source>
        <translation>Fração 1, parte inteira</translation>
    </message>
    <message>
        <source>Fraction 1 numerator</source>
        <translation>Fração 1, numerador</translation>
    </message>
    <message>
        <source>Fraction 1 denominator</source>
        <translation>Fração 1, denominador</translation>
    </message>
    <message>
        <source>The Operator</source>
        <translation>O operador</translation>
    </message>
    <message>
        <source>Fraction 2</source>
        <translation>Fração 2</translation>
    </message>
    <message>
        <source>Fraction 2 whole number</source>
        <translation>Fração 2, parte inteira</translation>
    </message>
    <message>
        <source>Fraction 2 numerator</source>
        <translation>Fração 2, numerador</translation>
    </message>
    <message>
        <source>Fraction 2 denominator</source>
        <translation>Fração 2, denominador</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Result whole number</source>
        <translation>Resultado, parte inteira</translation>
    </message>
    <message>
        <source>Result numerator</source>
        <translation>Resultado, numerador</translation>
    </message>
    <message>
        <source>Result denominator</source>
        <translation>Resultado, denominador</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparação</translation>
    </message>
    <message>
        <source>Common Denominator</source>
        <translation>Denominador comum</translation>
    </message>
    <message>
        <source>Make Common Denominator</source>
        <translation>Achar o denominador comum</translation>
    </message>
    <message>
        <source>Common Denominator Result</source>
        <translation>Denominador comum, resultado</translation>
    </message>
    <message>
        <source>Reduction</source>
        <translation>Simplificar</translation>
    </message>
    <message>
        <source>Reduction numerator</source>
        <translation>Simplificação, numerador</translation>
    </message>
    <message>
        <source>Reduction denominator</source>
        <translation>Simplificação, denominador</translation>
    </message>
    <message>
        <source>Reduction Result numerator</source>
        <translation>Simplificação, resultado, numerador</translation>
    </message>
    <message>
        <source>Reduction Result denominator</source>
        <translation>Simplificação, resultado, denominador</translation>
    </message>
</context>
<context>
    <name>FractionsWorking</name>
    <message>
        <source>The bars of %1 are not cut: %2 is not a whole number of parts</source>
        <extracomment>%1 is what the bars show (a fraction), %2 how many equal pieces a bar is cut into</extracomment>
        <translation>As barras de %1 não estão divididas: %2 não é um número inteiro de partes</translation>
    </message>
    <message>
        <source>The %1 bars of %2 are drawn as one length, without their parts: too many to tell apart</source>
        <extracomment>%1 is how many bars there are, %2 what they show (a fraction)</extracomment>
        <translation>As %1 barras de %2 são desenhadas como um só comprimento, sem suas partes: são muitas para distinguir</translation>
    </message>
    <message>
        <source>The bars of %1 are not cut into their %2 parts: too many to tell apart</source>
        <extracomment>%1 is what the bars show (a fraction), %2 how many equal pieces a bar is cut into</extracomment>
        <translation>As barras de %1 não são divididas em suas %2 partes: são muitas para distinguir</translation>
    </message>
    <message>
        <source>The numbers are too large to draw.</source>
        <translation>Os números são grandes demais para desenhar.</translation>
    </message>
    <message>
        <source>Number Can&apos;t Be Zero!!!</source>
        <translation>O número não pode ser zero!</translation>
    </message>
    <message>
        <source>Please Set the operation [+ - * / &lt; &gt; =]!!!.</source>
        <translation>Digite uma operação [+ - * / &lt; &gt; =].</translation>
    </message>
    <message>
        <source>Fraction 2 Can&apos;t be equals to zero </source>
        <translation>A fração 2 não pode ser igual a zero.</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Verdadeiro</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a mixed number: %1 is its whole number, %2 its fraction (&quot;4 and 1/6&quot;)</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>The whole part is %1; it is taken as the whole number %2</source>
        <translation>A parte inteira é %1; ela é tomada como o número inteiro %2</translation>
    </message>
    <message>
        <source>The numerator is %1; it is taken as the whole number %2</source>
        <translation>O numerador é %1; ele é tomado como o número inteiro %2</translation>
    </message>
    <message>
        <source>The denominator is %1; it is taken as the whole number %2</source>
        <translation>O denominador é %1; ele é tomado como o número inteiro %2</translation>
    </message>
    <message>
        <source>The whole part of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>A parte inteira da fração 1 é %1; ela é tomada como o número inteiro %2</translation>
    </message>
    <message>
        <source>The numerator of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>O numerador da fração 1 é %1; ele é tomado como o número inteiro %2</translation>
    </message>
    <message>
        <source>The denominator of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>O denominador da fração 1 é %1; ele é tomado como o número inteiro %2</translation>
    </message>
    <message>
        <source>The whole part of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>A parte inteira da fração 2 é %1; ela é tomada como o número inteiro %2</translation>
    </message>
    <message>
        <source>The numerator of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>O numerador da fração 2 é %1; ele é tomado como o número inteiro %2</translation>
    </message>
    <message>
        <source>The denominator of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>O denominador da fração 2 é %1; ele é tomado como o número inteiro %2</translation>
    </message>
    <message>
        <source>The number B is %1; it is taken as the whole number %2</source>
        <translation>O número B é %1; ele é tomado como o número inteiro %2</translation>
    </message>
    <message>
        <source>%1 = %2: every number divides 0, so the gcd is the first number</source>
        <translation>%1 = %2: todo número divide 0, então o máximo divisor comum é o primeiro número</translation>
    </message>
    <message>
        <source>Euclid: divide, then divide the divisor by the remainder, until the remainder is 0</source>
        <translation>Euclides: divida, depois divida o divisor pelo resto, até o resto ser 0</translation>
    </message>
    <message>
        <source>The last divisor is the greatest common divisor: %1 = %2</source>
        <translation>O último divisor é o máximo divisor comum: %1 = %2</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3, remainder %4</source>
        <extracomment>a division with remainder: %1 ÷ %2 = %3 is the whole quotient, %4 what is left</extracomment>
        <translation>%1 ÷ %2 = %3, resto %4</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>Cada parte mantém o próprio sinal: %1 e %2 é %1 - %3 = %4, ou seja, menos %5 e %3</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>Cada parte mantém o próprio sinal: %1 e %2 é %1 + %3 = %4, e não menos %5 e %3</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>Cada parte mantém o próprio sinal: %1 e %2 é %1 - %3 = %4, e não %5 e %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>Na fração 1, cada parte mantém o próprio sinal: %1 e %2 é %1 - %3 = %4, ou seja, menos %5 e %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>Na fração 1, cada parte mantém o próprio sinal: %1 e %2 é %1 + %3 = %4, e não menos %5 e %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>Na fração 1, cada parte mantém o próprio sinal: %1 e %2 é %1 - %3 = %4, e não %5 e %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>Na fração 2, cada parte mantém o próprio sinal: %1 e %2 é %1 - %3 = %4, ou seja, menos %5 e %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>Na fração 2, cada parte mantém o próprio sinal: %1 e %2 é %1 + %3 = %4, e não menos %5 e %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>Na fração 2, cada parte mantém o próprio sinal: %1 e %2 é %1 - %3 = %4, e não %5 e %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>No resultado, cada parte mantém o próprio sinal: %1 e %2 é %1 - %3 = %4, ou seja, menos %5 e %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>No resultado, cada parte mantém o próprio sinal: %1 e %2 é %1 + %3 = %4, e não menos %5 e %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>No resultado, cada parte mantém o próprio sinal: %1 e %2 é %1 - %3 = %4, e não %5 e %3</translation>
    </message>
    <message>
        <source>For minus %1 and %2, that is %3, type %4 and %5</source>
        <translation>Para menos %1 e %2, ou seja, %3, digite %4 e %5</translation>
    </message>
    <message>
        <source>For %1 and %2, that is %3, type %4 and %5</source>
        <translation>Para %1 e %2, ou seja, %3, digite %4 e %5</translation>
    </message>
    <message>
        <source>In lowest terms: %1, that is %2</source>
        <translation>Na forma irredutível: %1, ou seja, %2</translation>
    </message>
    <message>
        <source>In lowest terms: %1 is %2, that is %3</source>
        <translation>Na forma irredutível: %1 é %2, ou seja, %3</translation>
    </message>
    <message>
        <source>fraction 1</source>
        <translation>fração 1</translation>
    </message>
    <message>
        <source>fraction 2</source>
        <translation>fração 2</translation>
    </message>
    <message>
        <source>The common denominator of %1 and %2 is C = %3</source>
        <translation>O denominador comum de %1 e %2 é C = %3</translation>
    </message>
    <message>
        <source>The least common multiple: %1 × %2 ÷ %3 = %4</source>
        <translation>O mínimo múltiplo comum: %1 × %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>Fraction 1 as an improper fraction: (%1 × %2 + %3)/%2 = %4</source>
        <translation>A fração 1 como fração imprópria: (%1 × %2 + %3)/%2 = %4</translation>
    </message>
    <message>
        <source>Fraction 2 as an improper fraction: (%1 × %2 + %3)/%2 = %4</source>
        <translation>A fração 2 como fração imprópria: (%1 × %2 + %3)/%2 = %4</translation>
    </message>
    <message>
        <source>The window writes the numerator %1 and reads it back as the whole number %2</source>
        <translation>A janela escreve o numerador %1 e o lê de volta como o número inteiro %2</translation>
    </message>
    <message>
        <source>As a mixed number: %1</source>
        <translation>Como número misto: %1</translation>
    </message>
    <message>
        <source>Add the whole numbers and the fractions apart</source>
        <translation>Some separadamente os números inteiros e as frações</translation>
    </message>
    <message>
        <source>Rule: a/b + c/d = (a × (C ÷ b) + c × (C ÷ d))/C, with C the common denominator of b and d</source>
        <translation>Regra: a/b + c/d = (a × (C ÷ b) + c × (C ÷ d))/C, em que C é o denominador comum de b e d</translation>
    </message>
    <message>
        <source>So %1 + %2 = %3</source>
        <translation>Então %1 + %2 = %3</translation>
    </message>
    <message>
        <source>The whole numbers: %1 + %2 = %3</source>
        <translation>Os números inteiros: %1 + %2 = %3</translation>
    </message>
    <message>
        <source>%1 is rounded to the whole number %2</source>
        <translation>%1 é arredondado para o número inteiro %2</translation>
    </message>
    <message>
        <source>With the %1 from the fraction: %2 + %3 = %4</source>
        <extracomment>%1 is the whole number the fraction part gave, added to the whole numbers&apos; sum %2</extracomment>
        <translation>Com o %1 vindo da fração: %2 + %3 = %4</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then take them away</source>
        <translation>Escreva cada número misto como fração imprópria e depois subtraia</translation>
    </message>
    <message>
        <source>Rule: a/b - c/d = ((C ÷ b) × a - (C ÷ d) × c)/C, with C the common denominator of b and d</source>
        <translation>Regra: a/b - c/d = ((C ÷ b) × a - (C ÷ d) × c)/C, em que C é o denominador comum de b e d</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then multiply</source>
        <translation>Escreva cada número misto como fração imprópria e depois multiplique</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then divide</source>
        <translation>Escreva cada número misto como fração imprópria e depois divida</translation>
    </message>
    <message>
        <source>Rule: a/b × c/d = (a × c)/(b × d)</source>
        <translation>Regra: a/b × c/d = (a × c)/(b × d)</translation>
    </message>
    <message>
        <source>Rule: a/b ÷ c/d = (a × d)/(b × c): multiply by the second fraction turned upside down</source>
        <translation>Regra: a/b ÷ c/d = (a × d)/(b × c): multiplique pelo inverso da segunda fração</translation>
    </message>
    <message>
        <source>Numerators: %1 × %2 = %3; denominators: %4 × %5 = %6</source>
        <translation>Numeradores: %1 × %2 = %3; denominadores: %4 × %5 = %6</translation>
    </message>
    <message>
        <source>To reduce %1, its greatest common divisor: gcd(%2, %3) = %4</source>
        <translation>Para simplificar %1, o máximo divisor comum: gcd(%2, %3) = %4</translation>
    </message>
    <message>
        <source>Dividing by 1 changes nothing: %1 is in lowest terms already</source>
        <translation>Dividir por 1 não muda nada: %1 já é uma fração irredutível</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 and %4 ÷ %2 = %5, so %6 = %7</source>
        <translation>%1 ÷ %2 = %3 e %4 ÷ %2 = %5, então %6 = %7</translation>
    </message>
    <message>
        <source>%1 is less than %2</source>
        <translation>%1 é menor que %2</translation>
    </message>
    <message>
        <source>%1 is greater than %2</source>
        <translation>%1 é maior que %2</translation>
    </message>
    <message>
        <source>%1 is equal to %2</source>
        <translation>%1 é igual a %2</translation>
    </message>
    <message>
        <source>Compare the exact values: write each number as one fraction</source>
        <translation>Compare os valores exatos: escreva cada número como uma só fração</translation>
    </message>
    <message>
        <source>Fraction 1: %1 = %2</source>
        <translation>Fração 1: %1 = %2</translation>
    </message>
    <message>
        <source>Fraction 2: %1 = %2</source>
        <translation>Fração 2: %1 = %2</translation>
    </message>
    <message>
        <source>Both have the denominator %1, so compare the numerators</source>
        <translation>As duas têm o denominador %1, então compare os numeradores</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 = %3/%1, and %4 has it already</source>
        <translation>Com o denominador comum %1: %2 = %3/%1, e %4 já o tem</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 has it already, and %3 = %4/%1</source>
        <translation>Com o denominador comum %1: %2 já o tem, e %3 = %4/%1</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 = %3/%1 and %4 = %5/%1</source>
        <translation>Com o denominador comum %1: %2 = %3/%1 e %4 = %5/%1</translation>
    </message>
    <message>
        <source>%1 is less than %2, so %3 is less than %4</source>
        <extracomment>%1 and %2 are the numerators over the common denominator, %3 and %4 the two numbers</extracomment>
        <translation>%1 é menor que %2, então %3 é menor que %4</translation>
    </message>
    <message>
        <source>%1 is greater than %2, so %3 is greater than %4</source>
        <translation>%1 é maior que %2, então %3 é maior que %4</translation>
    </message>
    <message>
        <source>%1 is equal to %2, so %3 is equal to %4</source>
        <translation>%1 é igual a %2, então %3 é igual a %4</translation>
    </message>
    <message>
        <source>As decimals: fraction 1 is %1 and fraction 2 is %2</source>
        <translation>Como números decimais: a fração 1 é %1 e a fração 2 é %2</translation>
    </message>
    <message>
        <source>Written with 15 digits both are %1: the values differ beyond the digits shown</source>
        <translation>Escritos com 15 algarismos, os dois são %1: os valores diferem além dos algarismos mostrados</translation>
    </message>
    <message>
        <source>Compare the two numbers as decimals: whole number + numerator ÷ denominator</source>
        <translation>Compare os dois números como números decimais: número inteiro + numerador ÷ denominador</translation>
    </message>
    <message>
        <source>Fraction 1: %1 + %2 ÷ %3 = %4</source>
        <translation>Fração 1: %1 + %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>Fraction 2: %1 + %2 ÷ %3 = %4</source>
        <translation>Fração 2: %1 + %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>%1 is less than %2: they differ beyond the digits shown</source>
        <translation>%1 é menor que %2: diferem além dos algarismos mostrados</translation>
    </message>
    <message>
        <source>%1 is greater than %2: they differ beyond the digits shown</source>
        <translation>%1 é maior que %2: diferem além dos algarismos mostrados</translation>
    </message>
    <message>
        <source>So %1 %2 %3 is %4</source>
        <extracomment>%1 %2 %3 is the comparison typed, %4 the window&apos;s answer (True or False)</extracomment>
        <translation>Então %1 %2 %3 é %4</translation>
    </message>
    <message>
        <source>fraction 1 = fraction 2</source>
        <translation>fração 1 = fração 2</translation>
    </message>
    <message>
        <source>fractions 1 and 2</source>
        <translation>frações 1 e 2</translation>
    </message>
    <message>
        <source>fraction 1 (greater)</source>
        <translation>fração 1 (maior)</translation>
    </message>
    <message>
        <source>fraction 2 (greater)</source>
        <translation>fração 2 (maior)</translation>
    </message>
    <message>
        <source>Fraction bars of the same length and a number line: %1 is equal to %2, so %1 %3 %2 is %4.</source>
        <extracomment>%1 and %2 are the two numbers, %3 the comparison&apos;s sign, %4 the answer (True or False)</extracomment>
        <translation>Barras de fração do mesmo comprimento e uma reta numérica: %1 é igual a %2, então %1 %3 %2 é %4.</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 is less than %2, so %1 %3 %2 is %4.</source>
        <translation>Barras de fração e uma reta numérica: %1 é menor que %2, então %1 %3 %2 é %4.</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 is greater than %2, so %1 %3 %2 is %4.</source>
        <translation>Barras de fração e uma reta numérica: %1 é maior que %2, então %1 %3 %2 é %4.</translation>
    </message>
    <message>
        <source>result</source>
        <translation>resultado</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 %2 %3 = %4, which is %5.</source>
        <extracomment>%1 %2 %3 is the exercise, %4 the answer as a mixed number and %5 its value as a decimal</extracomment>
        <translation>Barras de fração e uma reta numérica: %1 %2 %3 = %4, que é %5.</translation>
    </message>
    <message>
        <source>Check with the exact values: %1 %2 %3 = %4</source>
        <translation>Verificação com os valores exatos: %1 %2 %3 = %4</translation>
    </message>
    <message>
        <source>Check with the exact values: %1 %2 %3 = %4, and %5 is %4 too</source>
        <translation>Verificação com os valores exatos: %1 %2 %3 = %4, e %5 também é %4</translation>
    </message>
    <message>
        <source>Fraction 2 as an improper fraction: (%1 × %2 + %3)/%2 = %4, which is 0</source>
        <translation>A fração 2 como fração imprópria: (%1 × %2 + %3)/%2 = %4, que é 0</translation>
    </message>
    <message>
        <source>Nothing can be divided by 0, so there is no answer</source>
        <translation>Não se pode dividir por 0, então não há resultado</translation>
    </message>
    <message>
        <source>The whole number box of fraction 1 held no number, so the window set it to 0</source>
        <translation>O campo do número inteiro da fração 1 não tinha número, então a janela o definiu como 0</translation>
    </message>
    <message>
        <source>The whole number box of fraction 2 held no number, so the window set it to 0</source>
        <translation>O campo do número inteiro da fração 2 não tinha número, então a janela o definiu como 0</translation>
    </message>
    <message>
        <source>The exercise: %1 %2 %3</source>
        <translation>O exercício: %1 %2 %3</translation>
    </message>
    <message>
        <source>The fraction part is 0, so only the whole number is left</source>
        <translation>A parte fracionária é 0, então sobra só o número inteiro</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Resultado: %1</translation>
    </message>
    <message>
        <source>multiples of %1</source>
        <translation>múltiplos de %1</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line.</source>
        <translation>Múltiplos de %1 e de %2 em uma reta numérica.</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line, meeting at %3.</source>
        <translation>Múltiplos de %1 e de %2 em uma reta numérica, que se encontram em %3.</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line, and the result %3, which is not a multiple of both.</source>
        <translation>Múltiplos de %1 e de %2 em uma reta numérica, e o resultado %3, que não é múltiplo dos dois.</translation>
    </message>
    <message>
        <source>The %1 multiples of %2 are too many to draw one by one.</source>
        <extracomment>%1 is how many multiples there are, %2 the number they are multiples of</extracomment>
        <translation>Os %1 múltiplos de %2 são muitos para desenhar um a um.</translation>
    </message>
    <message>
        <source>The %1 multiples of %2 are too many to draw one by one; the %3 multiples of %4 are too many to draw one by one.</source>
        <translation>Os %1 múltiplos de %2 são muitos para desenhar um a um; os %3 múltiplos de %4 são muitos para desenhar um a um.</translation>
    </message>
    <message>
        <source>The common denominator of A and B is A × B ÷ gcd(A, B): the smallest number both divide</source>
        <translation>O denominador comum de A e B é A × B ÷ gcd(A, B): o menor número divisível pelos dois</translation>
    </message>
    <message>
        <source>A = %1 enters the product as typed, and its whole number %2 the greatest common divisor</source>
        <translation>A = %1 entra no produto como foi digitado, e seu número inteiro %2 no máximo divisor comum</translation>
    </message>
    <message>
        <source>The greatest common divisor of %1 and %2 is %3</source>
        <translation>O máximo divisor comum de %1 e %2 é %3</translation>
    </message>
    <message>
        <source>A common denominator is a whole number; %1 is none, because A = %2 entered the product as typed</source>
        <translation>Um denominador comum é um número inteiro; %1 não é, porque A = %2 entrou no produto como foi digitado</translation>
    </message>
    <message>
        <source>A × B is negative, so the window&apos;s result is negative too; a common denominator is taken positive: %1</source>
        <translation>A × B é negativo, então o resultado da janela também é negativo; um denominador comum é tomado positivo: %1</translation>
    </message>
    <message>
        <source>The window&apos;s greatest common divisor %1 is negative, so its result is negative too; a common denominator is taken positive: %2</source>
        <translation>O máximo divisor comum da janela, %1, é negativo, então o resultado também é negativo; um denominador comum é tomado positivo: %2</translation>
    </message>
    <message>
        <source>To reduce a fraction, divide its numerator and its denominator by their greatest common divisor</source>
        <translation>Para simplificar uma fração, divida o numerador e o denominador pelo máximo divisor comum deles</translation>
    </message>
    <message>
        <source>The divisor is negative, so both signs change; the value stays the same</source>
        <translation>O divisor é negativo, então os dois sinais mudam; o valor continua o mesmo</translation>
    </message>
    <message>
        <source>Answer: %1 = %2</source>
        <translation>Resultado: %1 = %2</translation>
    </message>
    <message>
        <source>A numerator of 0 makes the fraction 0: the greatest common divisor of 0 and a number is that number, so %1 reduces to %2</source>
        <translation>Um numerador 0 faz a fração valer 0: o máximo divisor comum de 0 e de um número é esse número, então %1 se simplifica para %2</translation>
    </message>
    <message>
        <source>The minus sign of the denominator belongs to the whole fraction; a book writes it in front: %1 = %2</source>
        <translation>O sinal de menos do denominador pertence à fração inteira; um livro o escreve na frente: %1 = %2</translation>
    </message>
    <message>
        <source>Two bars of the same length: %1 = %2, at %3 on the number line.</source>
        <translation>Duas barras do mesmo comprimento: %1 = %2, em %3 na reta numérica.</translation>
    </message>
    <message>
        <source>Every box takes one plain number, such as 3 or 12: no fractions like 3/4</source>
        <translation>Cada campo aceita um só número, como 3 ou 12: nada de frações como 3/4</translation>
    </message>
    <message>
        <source>Result: two mixed numbers (a whole number, a numerator and a denominator each) and one operator: + - * / &lt; &gt; =</source>
        <translation>Resultado: dois números mistos (cada um com um número inteiro, um numerador e um denominador) e um operador: + - * / &lt; &gt; =</translation>
    </message>
    <message>
        <source>Make Common Denominator: two whole numbers A and B, not 0</source>
        <translation>Achar o denominador comum: dois números inteiros A e B, diferentes de 0</translation>
    </message>
    <message>
        <source>Reduction: a numerator and a denominator that is not 0</source>
        <translation>Simplificar: um numerador e um denominador diferente de 0</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 and %4 ÷ %2 = %5</source>
        <translation>%1 ÷ %2 = %3 e %4 ÷ %2 = %5</translation>
    </message>
</context>
</TS>
