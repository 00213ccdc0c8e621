<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Form2</name>
    <message>
        <source>Solving Quadratic Equation</source>
        <translation>Resolver equação do 2º grau</translation>
    </message>
    <message>
        <source>The Quadratix Equation Formula :</source>
        <translation>A fórmula de Bhaskara:</translation>
    </message>
    <message>
        <source>-B +- Root(B^2 - 4*A*c)</source>
        <extracomment>the top of the formula: keep everything but the word Root</extracomment>
        <translation>-B +- Raiz(B^2 - 4*A*c)</translation>
    </message>
    <message>
        <source>Fill In The Value Of   A , B And C</source>
        <translation>Digite os valores de A, B e C</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Example :  -3*X^2   +   6*X   -   2 = 0</source>
        <translation>Exemplo:  -3*X^2   +   6*X   -   2 = 0</translation>
    </message>
    <message>
        <source>Solutions :</source>
        <translation>Raízes:</translation>
    </message>
    <message>
        <source>X1 and X2 equal minus B, plus or minus the square root of B squared minus 4 times A times C, all divided by 2 times A</source>
        <translation>X1 e X2 são iguais a menos B, mais ou menos a raiz quadrada de B ao quadrado menos 4 vezes A vezes C, tudo dividido por 2 vezes A</translation>
    </message>
</context>
<context>
    <name>QuadraticWorking</name>
    <message>
        <source>You typed %1 for %2, which is %3. The box keeps 5 characters, so it shows %4, and %2 = %5.</source>
        <extracomment>%1 is the text typed, %2 the letter of the box (A, B or C), %3 the number it is, %4 what the box shows, %5 the value solved with</extracomment>
        <translation>Você digitou %1 para %2, que é %3. O campo guarda 5 caracteres, então mostra %4, e %2 = %5.</translation>
    </message>
    <message>
        <source>You typed %1 for %2, which is %3.</source>
        <extracomment>%1 is the text typed, %2 the letter of the box (A, B or C), %3 what the box shows</extracomment>
        <translation>Você digitou %1 para %2, que é %3.</translation>
    </message>
    <message>
        <source>Check %1 = %2: %3 = %4</source>
        <translation>Verificação para %1 = %2: %3 = %4</translation>
    </message>
    <message>
        <source>Check %1 = %2: %3 = %4 = %5</source>
        <translation>Verificação para %1 = %2: %3 = %4 = %5</translation>
    </message>
    <message>
        <source>Check %1 = %2: %1² = (%2)² = %3</source>
        <translation>Verificação para %1 = %2: %1² = (%2)² = %3</translation>
    </message>
    <message>
        <source>So Ax² + Bx + C = %1 = %2 = %3</source>
        <translation>Então Ax² + Bx + C = %1 = %2 = %3</translation>
    </message>
    <message>
        <source>With the decimals the window works with: %1 = (%2 %3 %4) ÷ %5 = %6</source>
        <translation>Com os números decimais que a janela usa: %1 = (%2 %3 %4) ÷ %5 = %6</translation>
    </message>
    <message>
        <source>lowest point</source>
        <extracomment>the label at the vertex of the parabola in the figure</extracomment>
        <translation>ponto mais baixo</translation>
    </message>
    <message>
        <source>highest point</source>
        <translation>ponto mais alto</translation>
    </message>
    <message>
        <source>These numbers are too large or too small to draw to scale.</source>
        <translation>Esses números são grandes ou pequenos demais para desenhar em escala.</translation>
    </message>
    <message>
        <source>No figure: the numbers are beyond drawing to scale.</source>
        <translation>Sem figura: os números não podem ser desenhados em escala.</translation>
    </message>
    <message>
        <source>Parabola clear of the x-axis, so no real root, lowest point %1.</source>
        <translation>Parábola que não toca o eixo x, então não há raiz real; ponto mais baixo %1.</translation>
    </message>
    <message>
        <source>Parabola clear of the x-axis, so no real root, highest point %1.</source>
        <translation>Parábola que não toca o eixo x, então não há raiz real; ponto mais alto %1.</translation>
    </message>
    <message>
        <source>Parabola touching the x-axis at %1, lowest point %2.</source>
        <extracomment>%1 is where it touches, %2 the vertex (x, y)</extracomment>
        <translation>Parábola que toca o eixo x em %1; ponto mais baixo %2.</translation>
    </message>
    <message>
        <source>Parabola touching the x-axis at %1, highest point %2.</source>
        <translation>Parábola que toca o eixo x em %1; ponto mais alto %2.</translation>
    </message>
    <message>
        <source>Parabola crossing the x-axis at %1 and %2, lowest point %3.</source>
        <extracomment>%1 and %2 are the roots, %3 the vertex (x, y)</extracomment>
        <translation>Parábola que corta o eixo x em %1 e %2; ponto mais baixo %3.</translation>
    </message>
    <message>
        <source>Parabola crossing the x-axis at %1 and %2, highest point %3.</source>
        <translation>Parábola que corta o eixo x em %1 e %2; ponto mais alto %3.</translation>
    </message>
    <message>
        <source>Answer: X1 = %1 and X2 = %2</source>
        <translation>Resultado: X1 = %1 e X2 = %2</translation>
    </message>
    <message>
        <source>Put into the equation, the window&apos;s decimals give a number very near 0 but not exactly 0: they are the roots rounded to 15 digits.</source>
        <translation>Substituídos na equação, os números decimais da janela dão um número muito próximo de 0, mas não exatamente 0: são as raízes arredondadas para 15 algarismos.</translation>
    </message>
    <message>
        <source>Beyond the real numbers, with i where i² = -1, the two roots are complex: x = p ± qi.</source>
        <translation>Fora dos números reais, com i tal que i² = -1, as duas raízes são números complexos: x = p ± qi.</translation>
    </message>
    <message>
        <source>The complex roots: x1 ≈ %1 + %2i and x2 ≈ %1 - %2i</source>
        <translation>As raízes complexas: x1 ≈ %1 + %2i e x2 ≈ %1 - %2i</translation>
    </message>
    <message>
        <source>The complex roots: x1 = %1 and x2 = %2</source>
        <translation>As raízes complexas: x1 = %1 e x2 = %2</translation>
    </message>
    <message>
        <source>The equation: %1 = 0</source>
        <translation>A equação: %1 = 0</translation>
    </message>
    <message>
        <source>The formula: x = (-B ± √D) ÷ (2A), where D = B² - 4AC.</source>
        <translation>A fórmula: x = (-B ± √D) ÷ (2A), onde D = B² - 4AC.</translation>
    </message>
    <message>
        <source>D is more than 0, so the equation has two roots.</source>
        <translation>D é maior que 0, então a equação tem duas raízes.</translation>
    </message>
    <message>
        <source>D is 0, so the two roots are the same: the equation has one root.</source>
        <translation>D é 0, então as duas raízes são iguais: a equação tem uma só raiz.</translation>
    </message>
    <message>
        <source>D is less than 0. No real number squared is negative, so √D is no real number: the equation has no real solution.</source>
        <translation>D é menor que 0. O quadrado de um número real nunca é negativo, então √D não é um número real: a equação não tem raiz real.</translation>
    </message>
    <message>
        <source>The window works with decimals rounded at every step: its D came out %1 instead of exactly %2, so it shows &quot;%3&quot;.</source>
        <extracomment>%1 is the window&apos;s D, %2 the exact D, %3 the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>A janela calcula com números decimais arredondados a cada passo: o D dela deu %1 em vez de exatamente %2, então ela mostra “%3”.</translation>
    </message>
    <message>
        <source>The window works with decimals rounded at every step: its D came out %1 instead of exactly %2, so it shows two roots.</source>
        <translation>A janela calcula com números decimais arredondados a cada passo: o D dela deu %1 em vez de exatamente %2, então ela mostra duas raízes.</translation>
    </message>
    <message>
        <source>Answer: X1 and X2 show &quot;%1&quot;</source>
        <extracomment>%1 is the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>Resultado: X1 e X2 mostram “%1”</translation>
    </message>
    <message>
        <source>Answer: X1 and X2 show &quot;%1&quot;: the equation has no real solution.</source>
        <extracomment>%1 is the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>Resultado: X1 e X2 mostram “%1”: a equação não tem raiz real.</translation>
    </message>
    <message>
        <source>Straight line y = %1 crossing the x-axis at %2.</source>
        <translation>Reta y = %1 que corta o eixo x em %2.</translation>
    </message>
    <message>
        <source>Straight line y = %1 beside the x-axis: it never meets it.</source>
        <translation>Reta y = %1 paralela ao eixo x: nunca o encontra.</translation>
    </message>
    <message>
        <source>The line y = 0 is the x-axis itself: every x is a root.</source>
        <translation>A reta y = 0 é o próprio eixo x: todo x é raiz.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <translation>A janela disse: “%1”</translation>
    </message>
    <message>
        <source>A = 0, so there is no x² term: this is no quadratic equation, and the window gives no roots. What is left is the linear equation Bx + C = 0.</source>
        <translation>A = 0, então não há termo em x²: não é uma equação do 2º grau, e a janela não dá raízes. Sobra a equação do 1º grau Bx + C = 0.</translation>
    </message>
    <message>
        <source>B = 0 as well, so the left side is %1 whatever x is, and %1 is not 0: no x solves the equation.</source>
        <translation>Também B = 0, então o lado esquerdo vale %1 para qualquer x, e %1 não é 0: nenhum x resolve a equação.</translation>
    </message>
    <message>
        <source>B = 0 and C = 0 as well, so the left side is 0 whatever x is: every x solves the equation.</source>
        <translation>Também B = 0 e C = 0, então o lado esquerdo vale 0 para qualquer x: todo x resolve a equação.</translation>
    </message>
    <message>
        <source>Take C to the other side: %1x = %2</source>
        <extracomment>%1x is B times x (B left out when it is 1, &quot;-&quot; when it is -1), %2 is -C</extracomment>
        <translation>Passe C para o outro lado: %1x = %2</translation>
    </message>
    <message>
        <source>Divide by B: x = -C ÷ B = %1 ÷ %2 = %3</source>
        <translation>Divida por B: x = -C ÷ B = %1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>Check: %1 × %2%3 = %4 = 0</source>
        <extracomment>%1 × %2%3 is B × x + C, %4 its terms added</extracomment>
        <translation>Verificação: %1 × %2%3 = %4 = 0</translation>
    </message>
    <message>
        <source>A, B and C: the numbers of Ax² + Bx + C = 0, each %1.</source>
        <extracomment>%1 says what a value may be written as (a number, a fraction ...)</extracomment>
        <translation>A, B e C: os números de Ax² + Bx + C = 0, cada um pode ser %1.</translation>
    </message>
    <message>
        <source>A must not be 0: without x² it is no quadratic equation.</source>
        <translation>A não pode ser 0: sem x² não é uma equação do 2º grau.</translation>
    </message>
    <message>
        <source>Each box keeps 5 characters: a longer number is cut (1/3 becomes %1), and the cut number is the one solved with.</source>
        <translation>Cada campo guarda 5 caracteres: um número mais longo é cortado (1/3 vira %1), e a equação é resolvida com o número cortado.</translation>
    </message>
</context>
<context>
    <name>sb::Form2</name>
    <message>
        <source>It Sould Be Quadratix Equation So A Value Must Not Be Zero </source>
        <translation>Deve ser uma equação do 2º grau, então A não pode ser 0.</translation>
    </message>
    <message>
        <source>No Solution</source>
        <translation>Sem raiz real</translation>
    </message>
</context>
</TS>
