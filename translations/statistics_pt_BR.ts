<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Form5</name>
    <message>
        <source>Fill in the numbers separated by space in form:  1 4 65 898 5 2 6 88</source>
        <translation>Digite os números separados por espaços, por exemplo: 1 4 65 898 5 2 6 88</translation>
    </message>
    <message>
        <source>Fill in the weight according to the order of the numbers above in form 9 8 3 1 7 6 9 1 </source>
        <translation>Digite os pesos na ordem dos números acima, por exemplo: 9 8 3 1 7 6 9 1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatística</translation>
    </message>
    <message>
        <source>If You Dont Have weight , Dont Fill In the lower filed and the weights will be set to 1.</source>
        <translation>Se não houver pesos, deixe o campo de baixo vazio: cada peso será 1.</translation>
    </message>
    <message>
        <source>Calculate Mean</source>
        <translation>Calcular a média</translation>
    </message>
    <message>
        <source>Calculate Variance</source>
        <translation>Calcular a variância</translation>
    </message>
    <message>
        <source>w1*(a1-average)^2+w2*(a2-average)^2+ ... +wn*(an-average^2)</source>
        <translation>w1*(a1-média)^2+w2*(a2-média)^2+ ... +wn*(an-média^2)</translation>
    </message>
    <message>
        <source>Calculate Standard-Deviation</source>
        <translation>Calcular o desvio padrão</translation>
    </message>
    <message>
        <source>Root(Different)</source>
        <translation>Raiz(variância)</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resposta</translation>
    </message>
</context>
<context>
    <name>SharedStatisticsWorking</name>
    <message>
        <source>%1 to 15 digits</source>
        <extracomment>%1 is a decimal written out to 15 significant digits</extracomment>
        <translation>%1 (com 15 algarismos)</translation>
    </message>
    <message>
        <source>The window writes this as %1: E%2 means × 10%3.</source>
        <extracomment>%1 is a number as the window shows it (2E+25), %2 its power of ten (+25), %3 that power as a superscript</extracomment>
        <translation>A janela escreve este número como %1: E%2 significa × 10%3.</translation>
    </message>
    <message>
        <source>The window writes this as %1: E%2 means × 10%3, so %1 is %4.</source>
        <extracomment>%1 is a number as the window shows it (2E-06), %2 its power of ten (-06), %3 that power as a superscript, %4 the number written out (0.000002)</extracomment>
        <translation>A janela escreve este número como %1: E%2 significa × 10%3, então %1 é %4.</translation>
    </message>
</context>
<context>
    <name>StatisticsLists</name>
    <message>
        <source>Number Of Elements In Both Fileds Must Be Equals. If There Is No Weight Leave The Weight Filed Empty!</source>
        <translation>Os dois campos devem ter a mesma quantidade de números. Se não houver pesos, deixe o campo dos pesos vazio!</translation>
    </message>
    <message>
        <source>Please Fill The Numbers Filed, It Is Empty!!!</source>
        <translation>O campo dos números está vazio. Digite os números!</translation>
    </message>
</context>
<context>
    <name>StatisticsWorking</name>
    <message>
        <source>Bar chart of the %1 values from %2 to %3, one bar for each of the %4 different values, as high as its total weight; the mean %5 is marked.</source>
        <extracomment>%1 is the count of values, %2 the smallest, %3 the largest, %4 the count of different values, %5 the mean</extracomment>
        <translation>Gráfico de barras dos %1 valores de %2 a %3, uma barra para cada um dos %4 valores diferentes, tão alta quanto o seu peso total; a média %5 está marcada.</translation>
    </message>
    <message>
        <source>Bar chart of the %1 values from %2 to %3, one bar for each of the %4 different values, as high as the number of times it occurs; the mean %5 is marked.</source>
        <translation>Gráfico de barras dos %1 valores de %2 a %3, uma barra para cada um dos %4 valores diferentes, tão alta quanto o número de vezes que ele aparece; a média %5 está marcada.</translation>
    </message>
    <message>
        <source>Histogram of the %1 values from %2 to %3 in %4 bins of width %5 (Sturges&apos; rule: 1 + log2 of the number of values bins, the width rounded up to 1, 2 or 5 times a power of ten), each bar as high as the total weight in its bin; the mean %6 is marked.</source>
        <extracomment>%1 is the count of values, %2 the smallest, %3 the largest, %4 the count of bins, %5 their width, %6 the mean</extracomment>
        <translation>Histograma dos %1 valores de %2 a %3 em %4 classes de amplitude %5 (regra de Sturges: número de classes = 1 + log2 da quantidade de valores, a amplitude arredondada para cima a 1, 2 ou 5 vezes uma potência de dez), cada barra tão alta quanto o peso total da sua classe; a média %6 está marcada.</translation>
    </message>
    <message>
        <source>Histogram of the %1 values from %2 to %3 in %4 bins of width %5 (Sturges&apos; rule: 1 + log2 of the number of values bins, the width rounded up to 1, 2 or 5 times a power of ten), each bar as high as the number of values in its bin; the mean %6 is marked.</source>
        <translation>Histograma dos %1 valores de %2 a %3 em %4 classes de amplitude %5 (regra de Sturges: número de classes = 1 + log2 da quantidade de valores, a amplitude arredondada para cima a 1, 2 ou 5 vezes uma potência de dez), cada barra tão alta quanto a quantidade de valores da sua classe; a média %6 está marcada.</translation>
    </message>
    <message>
        <source>count</source>
        <translation>frequência</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>peso</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valor</translation>
    </message>
    <message>
        <source>mean %1</source>
        <extracomment>the label of the mean&apos;s line in the figure; %1 is the mean</extracomment>
        <translation>média %1</translation>
    </message>
    <message>
        <source>The values lie too far apart, or weigh too much, to be drawn to scale; only the mean is marked.</source>
        <translation>Os valores estão longe demais uns dos outros, ou pesam demais, para serem desenhados em escala; só a média está marcada.</translation>
    </message>
    <message>
        <source>The mean %1 on a number line.</source>
        <translation>A média %1 numa reta numérica.</translation>
    </message>
    <message>
        <source>The band from mean - σ to mean + σ is hatched, %1.</source>
        <extracomment>%1 is the standard deviation, or the variance and the standard deviation, as formulas (&quot;σ = 2&quot;, &quot;σ² = 4, σ = 2&quot;)</extracomment>
        <translation>A faixa de média - σ até média + σ está hachurada, %1.</translation>
    </message>
    <message>
        <source>The mean is %1</source>
        <translation>A média é %1</translation>
    </message>
    <message>
        <source>The variance is %1</source>
        <translation>A variância é %1</translation>
    </message>
    <message>
        <source>The standard deviation is %1</source>
        <translation>O desvio padrão é %1</translation>
    </message>
    <message>
        <source>The mean adds value × weight for every value and divides by the sum of the weights.</source>
        <translation>A média soma valor × peso de cada valor e divide pela soma dos pesos.</translation>
    </message>
    <message>
        <source>Sum of value × weight over the %1 value: %2</source>
        <extracomment>%1 is 1, the count of values; %2 the sum</extracomment>
        <translation>Soma de valor × peso para %1 valor: %2</translation>
    </message>
    <message numerus="yes">
        <source>Sum of value × weight over the %1 values: %2</source>
        <translation>
            <numerusform>Soma de valor × peso para %1 valor: %2</numerusform>
            <numerusform>Soma de valor × peso para os %1 valores: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Sum of the weights: %1</source>
        <translation>Soma dos pesos: %1</translation>
    </message>
    <message>
        <source>The mean adds the values and divides by how many there are.</source>
        <translation>A média soma os valores e divide pela quantidade de valores.</translation>
    </message>
    <message>
        <source>Sum of the %1 value: %2</source>
        <extracomment>%1 is 1, the count of values; %2 the sum</extracomment>
        <translation>Soma de %1 valor: %2</translation>
    </message>
    <message numerus="yes">
        <source>Sum of the %1 values: %2</source>
        <translation>
            <numerusform>Soma de %1 valor: %2</numerusform>
            <numerusform>Soma dos %1 valores: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>With no weights every value counts once, so the total weight is %1</source>
        <translation>Sem pesos, cada valor conta uma vez, então o peso total é %1</translation>
    </message>
    <message>
        <source>The weights add up to exactly 0, so the mean has no value: nothing can be divided by 0.</source>
        <translation>A soma dos pesos é exatamente 0, então a média não tem valor: não se pode dividir por 0.</translation>
    </message>
    <message>
        <source>The window adds the weights with rounding, gets %1 and divides by that, so its answer %2 comes from rounding alone.</source>
        <extracomment>%1 is the rounded sum of the weights, %2 the window&apos;s answer</extracomment>
        <translation>A janela soma os pesos com arredondamento, obtém %1 e divide por isso, então o seu resultado %2 vem só do arredondamento.</translation>
    </message>
    <message>
        <source>Mean = %1 ÷ %2 %3</source>
        <extracomment>%1 is the sum, %2 the sum of the weights, %3 &quot;= &quot; and the mean</extracomment>
        <translation>Média = %1 ÷ %2 %3</translation>
    </message>
    <message>
        <source>The variance is the mean of the squared distances from the mean, each counted by its weight:</source>
        <translation>A variância é a média dos quadrados dos desvios em relação à média, cada um contado com o seu peso:</translation>
    </message>
    <message>
        <source>The variance is the mean of the squared distances from the mean:</source>
        <translation>A variância é a média dos quadrados dos desvios em relação à média:</translation>
    </message>
    <message>
        <source>%1; squared × %2: %3</source>
        <translation>%1; ao quadrado × %2: %3</translation>
    </message>
    <message>
        <source>%1; squared × %2 ≈ %3</source>
        <translation>%1; ao quadrado × %2 ≈ %3</translation>
    </message>
    <message>
        <source>%1; squared: %2</source>
        <translation>%1; ao quadrado: %2</translation>
    </message>
    <message>
        <source>%1; squared ≈ %2</source>
        <translation>%1; ao quadrado ≈ %2</translation>
    </message>
    <message>
        <source>Check: the distances from the mean, each × its weight, add up to 0: %1 = 0</source>
        <translation>Verificação: os desvios em relação à média, cada um × o seu peso, somam 0: %1 = 0</translation>
    </message>
    <message>
        <source>Check: the distances from the mean add up to 0: %1 = 0</source>
        <translation>Verificação: os desvios em relação à média somam 0: %1 = 0</translation>
    </message>
    <message>
        <source>… %1 more value</source>
        <extracomment>the rows of the table left out; %1 is 1</extracomment>
        <translation>… mais %1 valor</translation>
    </message>
    <message numerus="yes">
        <source>… %1 more values</source>
        <translation>
            <numerusform>… mais %1 valor</numerusform>
            <numerusform>… mais %1 valores</numerusform>
        </translation>
    </message>
    <message>
        <source>Sum of the squares × weights: %1</source>
        <translation>Soma dos quadrados × pesos: %1</translation>
    </message>
    <message>
        <source>Sum of the squares × weights ≈ %1</source>
        <translation>Soma dos quadrados × pesos ≈ %1</translation>
    </message>
    <message>
        <source>Sum of the squares: %1</source>
        <translation>Soma dos quadrados: %1</translation>
    </message>
    <message>
        <source>Sum of the squares ≈ %1</source>
        <translation>Soma dos quadrados ≈ %1</translation>
    </message>
    <message>
        <source>Variance = %1 ÷ %2 %3</source>
        <extracomment>%1 is the sum of the squares, %2 the sum of the weights, %3 &quot;= &quot; and the variance</extracomment>
        <translation>Variância = %1 ÷ %2 %3</translation>
    </message>
    <message>
        <source>A negative weight made the variance negative, so it has no square root: there is no standard deviation.</source>
        <translation>Um peso negativo deixou a variância negativa, então ela não tem raiz quadrada: não há desvio padrão.</translation>
    </message>
    <message>
        <source>Standard deviation σ = √%1 %2</source>
        <extracomment>%1 is the variance, %2 &quot;= &quot; and its root</extracomment>
        <translation>Desvio padrão σ = √%1 %2</translation>
    </message>
    <message>
        <source>Standard deviation σ = √%1 ≈ %2</source>
        <translation>Desvio padrão σ = √%1 ≈ %2</translation>
    </message>
    <message>
        <source>The numbers box takes the values separated by single blanks, such as 1 4 65 898.</source>
        <translation>No campo dos números vão os valores separados por um só espaço, por exemplo 1 4 65 898.</translation>
    </message>
    <message>
        <source>Each value may be %1; it counts as its decimal to 15 digits.</source>
        <extracomment>%1 lists the forms a typed value may take (&quot;a whole number, a decimal, ...&quot;)</extracomment>
        <translation>Cada valor pode ser %1; ele conta como o seu número decimal com 15 algarismos.</translation>
    </message>
    <message>
        <source>The weights box stays empty (every weight is 1), or takes one weight per value, in the same order.</source>
        <translation>O campo dos pesos fica vazio (cada peso é 1) ou recebe um peso por valor, na mesma ordem.</translation>
    </message>
    <message>
        <source>Numbers 2 4 4 4 5 5 7 9, Calculate Standard-Deviation:</source>
        <extracomment>the example worked out; &quot;Calculate Standard-Deviation&quot; is the button, translated as on the button</extracomment>
        <translation>Números 2 4 4 4 5 5 7 9, Calcular o desvio padrão:</translation>
    </message>
    <message>
        <source>A column or a row copied from a spreadsheet can be pasted into either box: its line breaks and tabs become blanks.</source>
        <translation>Você pode colar em qualquer um dos campos uma coluna ou uma linha copiada de uma planilha: as quebras de linha e as tabulações viram espaços.</translation>
    </message>
    <message>
        <source>A .txt or .csv file dropped on a box gives its values; commas between values count as blanks.</source>
        <translation>Um arquivo .txt ou .csv solto sobre um campo dá os seus valores; as vírgulas entre os valores contam como espaços.</translation>
    </message>
</context>
</TS>
