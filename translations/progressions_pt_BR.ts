<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Form6</name>
    <message>
        <source>Arithmetic And Geometric Progression</source>
        <translation>Progressões aritméticas e geométricas</translation>
    </message>
    <message>
        <source>Arithmetic Progression</source>
        <translation>Progressão aritmética</translation>
    </message>
    <message>
        <source>Find Sn</source>
        <translation>Calcular Sn</translation>
    </message>
    <message>
        <source>Find An</source>
        <translation>Calcular An</translation>
    </message>
    <message>
        <source>Find D</source>
        <translation>Calcular D</translation>
    </message>
    <message>
        <source>Find N</source>
        <translation>Calcular N</translation>
    </message>
    <message>
        <source>Geometric Progression</source>
        <translation>Progressão geométrica</translation>
    </message>
    <message>
        <source>Find Sn (Infinite Progression)</source>
        <translation>Calcular Sn (PG infinita)</translation>
    </message>
    <message>
        <source>Find Q</source>
        <translation>Calcular Q</translation>
    </message>
    <message>
        <source>A1 - First Element</source>
        <translation>A1 - primeiro termo</translation>
    </message>
    <message>
        <source>An - Last Element</source>
        <translation>An - último termo</translation>
    </message>
    <message>
        <source>N - Number Of Elements</source>
        <translation>N - número de termos</translation>
    </message>
    <message>
        <source>D - Arithmetic Jump Size</source>
        <translation>D - razão da PA</translation>
    </message>
    <message>
        <source>Q - Geometric Jump Size</source>
        <translation>Q - razão da PG</translation>
    </message>
</context>
<context>
    <name>ProgressionsWorking</name>
    <message>
        <source>The box keeps %1 characters, so %2 is read as %3</source>
        <extracomment>%1 is the number of characters, %2 the letter of the box (A1, N), %3 what it shows</extracomment>
        <translation>O campo guarda %1 caracteres, então %2 é lido como %3</translation>
    </message>
    <message>
        <source>%1 = %2, written back into its box as %3</source>
        <translation>%1 = %2, reescrito no seu campo como %3</translation>
    </message>
    <message>
        <source>term</source>
        <extracomment>the name of the chart&apos;s upright axis, the value of a term</extracomment>
        <translation>termo</translation>
    </message>
    <message>
        <source>term %1</source>
        <extracomment>under the first bar after the gap: the number of its term</extracomment>
        <translation>termo %1</translation>
    </message>
    <message>
        <source>Terms %1 to %2 are left out at the gap; the bars after it are the last %3 terms, %4 to %5.</source>
        <translation>Os termos %1 a %2 foram omitidos no intervalo; as barras depois dele são os %3 últimos termos, do %4 ao %5.</translation>
    </message>
    <message>
        <source>The 1 term of the arithmetic progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>O único termo da PA, de %1 a %2, como barra; o último, An, é %3.</translation>
    </message>
    <message>
        <source>The 1 term of the arithmetic progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>O único termo da PA, de %1 a %2, como barra sombreada: a soma Sn é %3.</translation>
    </message>
    <message>
        <source>The 1 term of the geometric progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>O único termo da PG, de %1 a %2, como barra; o último, An, é %3.</translation>
    </message>
    <message>
        <source>The 1 term of the geometric progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>O único termo da PG, de %1 a %2, como barra sombreada: a soma Sn é %3.</translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the arithmetic progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>
            <numerusform>O %n termo da PA, de %1 a %2, como barras; o último, An, é %3.</numerusform>
            <numerusform>Os %n termos da PA, de %1 a %2, como barras; o último, An, é %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the arithmetic progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>
            <numerusform>O %n termo da PA, de %1 a %2, como barras, todas sombreadas: a soma Sn é %3.</numerusform>
            <numerusform>Os %n termos da PA, de %1 a %2, como barras, todas sombreadas: a soma Sn é %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the geometric progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>
            <numerusform>O %n termo da PG, de %1 a %2, como barras; o último, An, é %3.</numerusform>
            <numerusform>Os %n termos da PG, de %1 a %2, como barras; o último, An, é %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the geometric progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>
            <numerusform>O %n termo da PG, de %1 a %2, como barras, todas sombreadas: a soma Sn é %3.</numerusform>
            <numerusform>Os %n termos da PG, de %1 a %2, como barras, todas sombreadas: a soma Sn é %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the arithmetic progression from %3 to %4 as bars; the last one, An, is %5.</source>
        <translation>Os primeiros e os últimos %1 dos %2 termos da PA, de %3 a %4, como barras; o último, An, é %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the arithmetic progression from %3 to %4 as bars, all shaded: their sum Sn is %5.</source>
        <translation>Os primeiros e os últimos %1 dos %2 termos da PA, de %3 a %4, como barras, todas sombreadas: a soma Sn é %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the geometric progression from %3 to %4 as bars; the last one, An, is %5.</source>
        <translation>Os primeiros e os últimos %1 dos %2 termos da PG, de %3 a %4, como barras; o último, An, é %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the geometric progression from %3 to %4 as bars, all shaded: their sum Sn is %5.</source>
        <translation>Os primeiros e os últimos %1 dos %2 termos da PG, de %3 a %4, como barras, todas sombreadas: a soma Sn é %5.</translation>
    </message>
    <message>
        <source>N = %1 is not a whole number of terms from 1 up, so there are no terms to draw.</source>
        <translation>N = %1 não é um número inteiro de termos a partir de 1, então não há termos para desenhar.</translation>
    </message>
    <message>
        <source>The terms are %1.</source>
        <translation>Os termos são %1.</translation>
    </message>
    <message>
        <source>The shaded trapezoid is N wide and on average (A1 + An) ÷ 2 high, so its area is the sum.</source>
        <translation>O trapézio sombreado tem largura N e altura média (A1 + An) ÷ 2, então sua área é a soma.</translation>
    </message>
    <message>
        <source>A trapezoid %1 wide from the first term to the last, An = %2, shaded: its area is the sum Sn = %3.</source>
        <translation>Um trapézio sombreado de largura %1, do primeiro termo ao último, An = %2: sua área é a soma Sn = %3.</translation>
    </message>
    <message>
        <source>term, sum</source>
        <extracomment>the name of the chart&apos;s upright axis: the values of the terms and of the sums</extracomment>
        <translation>termo, soma</translation>
    </message>
    <message>
        <source>The terms of the progression as shaded bars and the partial sums S1 to S%1 as points, approaching the dashed line at the sum S = %2.</source>
        <translation>Os termos da progressão como barras sombreadas e as somas parciais S1 a S%1 como pontos, que se aproximam da linha tracejada da soma S = %2.</translation>
    </message>
    <message>
        <source>An = %1 is not A1 times a whole power of Q within %2 terms, so the terms are not drawn.</source>
        <translation>An = %1 não é A1 vezes uma potência inteira de Q em até %2 termos, então os termos não são desenhados.</translation>
    </message>
    <message>
        <source>(%1 to the power %2)</source>
        <translation>(%1 elevado a %2)</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number from 1 up; N = %1 counts no terms.</source>
        <translation>N é o número de termos, então deveria ser um número inteiro a partir de 1; N = %1 não conta nenhum termo.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: there is no sum of %1 terms.</source>
        <translation>N é o número de termos, então deveria ser um número inteiro: não existe soma de %1 termos.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: there is no term number %1.</source>
        <translation>N é o número de termos, então deveria ser um número inteiro: não existe o termo número %1.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: %1 terms make no progression.</source>
        <translation>N é o número de termos, então deveria ser um número inteiro: %1 termos não formam uma progressão.</translation>
    </message>
    <message>
        <source>The formula gives a number with N = %1 all the same, and that number is what the window shows.</source>
        <translation>A fórmula dá um número mesmo assim com N = %1, e é esse número que a janela mostra.</translation>
    </message>
    <message>
        <source>If you meant N = %1, %2 is %3.</source>
        <translation>Se você quis dizer N = %1, %2 é %3.</translation>
    </message>
    <message>
        <source>If you meant N = %1, %2 is %3; if you meant N = %4, it is %5.</source>
        <translation>Se você quis dizer N = %1, %2 é %3; se quis dizer N = %4, é %5.</translation>
    </message>
    <message>
        <source>2An - (N - 1)D is A1 + An: the first term plus the last.</source>
        <translation>2An - (N - 1)D é A1 + An: o primeiro termo mais o último.</translation>
    </message>
    <message>
        <source>Check: A1 + (N - 1)D = %1 + %2 × %3 = %4, which is An.</source>
        <translation>Verificação: A1 + (N - 1)D = %1 + %2 × %3 = %4, que é An.</translation>
    </message>
    <message>
        <source>N should be a whole number from 1 up, and N = %1 is not: An = %2 does not lie ahead of A1 = %3 in steps of D = %4, so it is none of the terms from A1 on.</source>
        <translation>N deveria ser um número inteiro a partir de 1, e N = %1 não é: An = %2 não fica à frente de A1 = %3 em passos de D = %4, então não é nenhum dos termos a partir de A1.</translation>
    </message>
    <message>
        <source>N = %1 is not a whole number: An = %2 is none of the terms.</source>
        <translation>N = %1 não é um número inteiro: An = %2 não é nenhum dos termos.</translation>
    </message>
    <message>
        <source>It lies between term %1, which is %2, and term %3, which is %4.</source>
        <translation>Ele fica entre o termo %1, que é %2, e o termo %3, que é %4.</translation>
    </message>
    <message>
        <source>An = %1 is not A1 times a whole power of Q, so it is none of the terms. The formula gives a number all the same, and that number is what the window shows.</source>
        <translation>An = %1 não é A1 vezes uma potência inteira de Q, então não é nenhum dos termos. A fórmula dá um número mesmo assim, e é esse número que a janela mostra.</translation>
    </message>
    <message>
        <source>S = A1 ÷ (1 - Q), as -1 &lt; Q &lt; 1</source>
        <translation>S = A1 ÷ (1 - Q), pois -1 &lt; Q &lt; 1</translation>
    </message>
    <message>
        <source>With N - 1 = 1 the root is An ÷ A1 itself.</source>
        <translation>Com N - 1 = 1, a raiz é o próprio An ÷ A1.</translation>
    </message>
    <message>
        <source>An ÷ A1 is negative and N - 1 = %1 is odd: an odd power keeps the sign, so Q is negative.</source>
        <translation>An ÷ A1 é negativo e N - 1 = %1 é ímpar: uma potência ímpar mantém o sinal, então Q é negativo.</translation>
    </message>
    <message>
        <source>1 ÷ (N - 1) = 1 ÷ %1 = %2: the window takes the root as the power %2.</source>
        <translation>1 ÷ (N - 1) = 1 ÷ %1 = %2: a janela calcula a raiz como a potência %2.</translation>
    </message>
    <message>
        <source>With An = 0 the ratio is 0: every term after A1 is 0.</source>
        <translation>Com An = 0 a razão é 0: todo termo depois de A1 é 0.</translation>
    </message>
    <message>
        <source>Q = %1 fits as well: %2 × %3 = %4 too. The window shows the positive one.</source>
        <translation>Q = %1 também serve: %2 × %3 = %4 também. A janela mostra o valor positivo.</translation>
    </message>
    <message>
        <source>Q = %1 fits as well, as an even power of a number and of its negative are the same. The window shows the positive one.</source>
        <translation>Q = %1 também serve, pois uma potência par de um número e a do seu oposto são iguais. A janela mostra o valor positivo.</translation>
    </message>
    <message>
        <source>Check: A1Qᴺ⁻¹ = %1 × %2 = %3, which is An.</source>
        <translation>Verificação: A1Qᴺ⁻¹ = %1 × %2 = %3, que é An.</translation>
    </message>
    <message>
        <source>D = %1 a term</source>
        <extracomment>beside the dashed line from A1 to An: the terms grow by D each term</extracomment>
        <translation>D = %1 por termo</translation>
    </message>
    <message>
        <source>Along the dashed line from A1 to An the terms grow by D = %1 a term.</source>
        <translation>Ao longo da linha tracejada de A1 a An, os termos crescem D = %1 a cada termo.</translation>
    </message>
    <message>
        <source>The point on the k axis marks N = %1.</source>
        <translation>O ponto no eixo k marca N = %1.</translation>
    </message>
    <message>
        <source>The known terms A1 = %1 at 1 and An = %2 at N = %3 as bars; from one to the next the terms grow by D = %4.</source>
        <translation>Os termos conhecidos A1 = %1 em 1 e An = %2 em N = %3 como barras; de um para o seguinte os termos crescem D = %4.</translation>
    </message>
    <message>
        <source>Each term is Q = %1 times the one before.</source>
        <translation>Cada termo é Q = %1 vezes o anterior.</translation>
    </message>
    <message>
        <source>The known terms A1 = %1 at 1 and An = %2 at N = %3 as bars; each term is Q = %4 times the one before.</source>
        <translation>Os termos conhecidos A1 = %1 em 1 e An = %2 em N = %3 como barras; cada termo é Q = %4 vezes o anterior.</translation>
    </message>
    <message>
        <source>The terms are too large to draw.</source>
        <translation>Os termos são grandes demais para desenhar.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <translation>A janela disse: “%1”</translation>
    </message>
    <message>
        <source>With Q = 0 every term after A1 is 0: A1, 0, 0, and so on. The window takes no Q of 0.</source>
        <translation>Com Q = 0 todo termo depois de A1 é 0: A1, 0, 0, e assim por diante. A janela não aceita Q = 0.</translation>
    </message>
    <message>
        <source>So An = 0 from the second term on, and An = A1 = %1 when N = 1.</source>
        <translation>Então An = 0 a partir do segundo termo, e An = A1 = %1 quando N = 1.</translation>
    </message>
    <message>
        <source>So the sum is A1 = %1.</source>
        <translation>Então a soma é A1 = %1.</translation>
    </message>
    <message>
        <source>With Q = 1 every term is A1 = %1: each is 1 times the one before.</source>
        <translation>Com Q = 1 todo termo é A1 = %1: cada um é 1 vez o anterior.</translation>
    </message>
    <message>
        <source>So An = A1 = %1. The window takes no Q of 1 all the same.</source>
        <translation>Então An = A1 = %1. Mesmo assim, a janela não aceita Q = 1.</translation>
    </message>
    <message>
        <source>The formula divides by Q - 1 = 0, so it cannot be used.</source>
        <translation>A fórmula divide por Q - 1 = 0, então não pode ser usada.</translation>
    </message>
    <message>
        <source>The sum of N terms that are all A1 is N × A1 = %1 × %2 = %3.</source>
        <translation>A soma de N termos todos iguais a A1 é N × A1 = %1 × %2 = %3.</translation>
    </message>
    <message>
        <source>The sum of N terms that are all A1 is N × A1.</source>
        <translation>A soma de N termos todos iguais a A1 é N × A1.</translation>
    </message>
    <message>
        <source>An does not tell how many terms there are.</source>
        <translation>An não diz quantos termos há.</translation>
    </message>
    <message>
        <source>Here An = %1 is not A1, so it is none of the terms.</source>
        <translation>Aqui An = %1 não é A1, então não é nenhum dos termos.</translation>
    </message>
    <message>
        <source>With A1 = 0 every term is 0, and so is their sum; the window asks for -1 &lt; Q &lt; 1 all the same.</source>
        <translation>Com A1 = 0 todo termo é 0, e a soma também; mesmo assim, a janela pede -1 &lt; Q &lt; 1.</translation>
    </message>
    <message>
        <source>All the terms add up to one sum only when they shrink towards 0, that is when -1 &lt; Q &lt; 1.</source>
        <translation>Todos os termos somam um único valor só quando diminuem em direção a 0, ou seja, quando -1 &lt; Q &lt; 1.</translation>
    </message>
    <message>
        <source>With Q = %1 no term is smaller in size than the one before, so the sums S1, S2, S3, and so on grow in size without end.</source>
        <translation>Com Q = %1 nenhum termo é menor em módulo que o anterior, então as somas S1, S2, S3 e assim por diante crescem sem fim.</translation>
    </message>
    <message>
        <source>With Q = %1 the terms change sign each time and do not shrink, so the sums S1, S2, S3, and so on never settle.</source>
        <translation>Com Q = %1 os termos mudam de sinal a cada vez e não diminuem, então as somas S1, S2, S3 e assim por diante nunca se estabilizam.</translation>
    </message>
    <message>
        <source>With A1 = 0 every term is 0 × Q = 0, and An ÷ A1 would divide by 0, so no ratio can be found.</source>
        <translation>Com A1 = 0 todo termo é 0 × Q = 0, e An ÷ A1 dividiria por 0, então não é possível achar a razão.</translation>
    </message>
    <message>
        <source>N counts the terms, and a ratio needs two of them, A1 and An: N = %1 is not more than 1.</source>
        <translation>N conta os termos, e uma razão precisa de dois, A1 e An: N = %1 não é maior que 1.</translation>
    </message>
    <message>
        <source>N = 1 makes N - 1 = 0, and the formula divides by it: with one term there is no step from one term to the next.</source>
        <translation>N = 1 dá N - 1 = 0, e a fórmula divide por esse número: com um só termo não há passo de um termo para o seguinte.</translation>
    </message>
    <message>
        <source>D = 0 makes every term A1 = %1, and the formula divides by D = 0.</source>
        <translation>D = 0 faz todo termo ser A1 = %1, e a fórmula divide por D = 0.</translation>
    </message>
    <message>
        <source>Here An is A1, so every N fits.</source>
        <translation>Aqui An é A1, então qualquer N serve.</translation>
    </message>
    <message>
        <source>Here An = %1 is not A1, so no N fits.</source>
        <translation>Aqui An = %1 não é A1, então nenhum N serve.</translation>
    </message>
    <message>
        <source>Q = %1 is negative and %2 = %3 is not a whole number: a negative number to a power that is not whole has no real value.</source>
        <translation>Q = %1 é negativo e %2 = %3 não é um número inteiro: um número negativo elevado a uma potência não inteira não tem valor real.</translation>
    </message>
    <message>
        <source>N counts the terms, so it should be a whole number.</source>
        <translation>N conta os termos, então deveria ser um número inteiro.</translation>
    </message>
    <message>
        <source>An ÷ A1 = %1 is negative and N - 1 = %2 is even: an even power of a real number is never negative, so no real Q fits.</source>
        <translation>An ÷ A1 = %1 é negativo e N - 1 = %2 é par: uma potência par de um número real nunca é negativa, então nenhum Q real serve.</translation>
    </message>
    <message>
        <source>An ÷ A1 = %1 is negative and N - 1 = %2 is not a whole number: such a root of a negative number has no real value.</source>
        <translation>An ÷ A1 = %1 é negativo e N - 1 = %2 não é um número inteiro: uma raiz assim de um número negativo não tem valor real.</translation>
    </message>
    <message>
        <source>The box of %1 keeps only 8 characters, so it shows %2, the start of the number %3 written in E-notation. %2 is no number, and the row cannot go on with it.</source>
        <translation>O campo de %1 guarda só 8 caracteres, então mostra %2, o início do número %3 escrito em notação E. %2 não é um número, e a linha não pode continuar com ele.</translation>
    </message>
    <message>
        <source>A number on the way grows beyond the largest one the computer can hold, about 1.8 × 10³⁰⁸, so there is no answer.</source>
        <translation>Um número no meio do caminho passa do maior que o computador consegue guardar, cerca de 1.8 × 10³⁰⁸, então não há resultado.</translation>
    </message>
    <message>
        <source>Each box takes %1, at most 8 characters.</source>
        <translation>Cada campo aceita %1, no máximo 8 caracteres.</translation>
    </message>
    <message>
        <source>A1 is the first term, An the last, N the number of terms, D the step from one term to the next and Q the ratio of one term to the one before.</source>
        <translation>A1 é o primeiro termo, An o último, N o número de termos, D a diferença de um termo para o seguinte e Q a razão entre um termo e o anterior.</translation>
    </message>
    <message>
        <source>A command writes the numbers it read back into its boxes, cut to 8 characters, and goes on with what the box shows; Q, and An in the geometric rows, are used as typed.</source>
        <translation>Um botão reescreve nos seus campos os números que leu, cortados a 8 caracteres, e continua com o que o campo mostra; Q, e An nas linhas da PG, são usados como foram digitados.</translation>
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
        <translation>Q não pode ser 0 nem 1!</translation>
    </message>
    <message>
        <source>In Infinite Progression Q Must be smaller than 1 and bigger than -1 and not be equals to Zero.!!!</source>
        <translation>Numa PG infinita, Q deve estar entre -1 e 1 e não pode ser 0!</translation>
    </message>
    <message>
        <source>A1 Must not be equals to zero And N must be bigger than one.!!!</source>
        <translation>A1 não pode ser 0 e N deve ser maior que 1!</translation>
    </message>
</context>
</TS>
