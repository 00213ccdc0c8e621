<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>DroppedFiles</name>
    <message>
        <source>%1 is too large: the box takes files of at most %2 MB.</source>
        <translation>%1 é grande demais: a caixa aceita arquivos de no máximo %2 MB.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Não foi possível ler %1.</translation>
    </message>
    <message>
        <source>%1 is not a text file, so nothing was taken from it.</source>
        <translation>%1 não é um arquivo de texto, então nada foi tirado dele.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Conversion : Fraction, Improper  Fractions, Decimal fractions </source>
        <translation>Conversão: frações, frações impróprias, números decimais</translation>
    </message>
    <message>
        <source>25/4 is 6 1/4 , 1/4 is 0.25</source>
        <translation>25/4 é 6 1/4, 1/4 é 0.25</translation>
    </message>
    <message>
        <source>Operators On           Fractions :                [ +, - , * , / ,&lt;  , = ,&gt; ]  Common -               Denominator   ,     Reduction              </source>
        <extracomment>the blanks only break the lines in the button; the words wrap by themselves</extracomment>
        <translation>Operações com frações: [ +, - , * , / ,&lt;  , = ,&gt; ] denominador comum, simplificação</translation>
    </message>
    <message>
        <source>Areas And Perimeters</source>
        <translation>Áreas e perímetros</translation>
    </message>
    <message>
        <source>Quadrilateral</source>
        <translation>Quadrilátero</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triângulo</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Traffic And Percentage Problems</source>
        <translation>Problemas de velocidade e porcentagem</translation>
    </message>
    <message>
        <source>Solving Quadratic Equation</source>
        <translation>Resolver equação do 2º grau</translation>
    </message>
    <message>
        <source>Progression: Geometric Progression , Arithmetic Progression</source>
        <translation>Progressões: progressão geométrica (PG), progressão aritmética (PA)</translation>
    </message>
    <message>
        <source>Triangles</source>
        <translation>Triângulos</translation>
    </message>
    <message>
        <source>The Law Of Sines</source>
        <translation>Lei dos senos</translation>
    </message>
    <message>
        <source>The Law Of Cosines</source>
        <translation>Lei dos cossenos</translation>
    </message>
    <message>
        <source>Statistics  Mean, Standard-Deviation ,Variance</source>
        <translation>Estatística: média, desvio padrão, variância</translation>
    </message>
    <message>
        <source>Complex Numbers</source>
        <translation>Números complexos</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Contact Me With Your Requests Suggestions , Comments</source>
        <translation>Envie-me seus pedidos, sugestões e comentários</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Doar</translation>
    </message>
    <message>
        <source>Visit Sumbrook on the web: %1</source>
        <extracomment>%1 is the program&apos;s web address</extracomment>
        <translation>Visite o Sumbrook na web: %1</translation>
    </message>
</context>
<context>
    <name>Form14</name>
    <message>
        <source>Donate</source>
        <translation>Doar</translation>
    </message>
    <message>
        <source>Donate Using PayPal</source>
        <translation>Doar pelo PayPal</translation>
    </message>
    <message>
        <source>If you have found this software helpful,</source>
        <translation>Se este programa foi útil para você,</translation>
    </message>
    <message>
        <source>Please consider to support the author.</source>
        <translation>considere apoiar o autor.</translation>
    </message>
    <message>
        <source>You can donate via PayPal in US dollars no</source>
        <extracomment>the first line of a sentence that the next line ends (&quot;matter what your home currency.&quot;): part the sentence between the two lines where it reads best</extracomment>
        <translation>Você pode doar pelo PayPal em dólares americanos,</translation>
    </message>
    <message>
        <source>matter what  your home currency. 
</source>
        <extracomment>the second line of the sentence that the line before begins</extracomment>
        <translation>qualquer que seja a sua moeda. 
</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Clique aqui</translation>
    </message>
    <message>
        <source>Thank you for your support.</source>
        <translation>Obrigado pelo seu apoio.</translation>
    </message>
</context>
<context>
    <name>SharedWorking</name>
    <message>
        <source>The exact value is %1. The window shows %2: the computer keeps about 16 digits and rounds at every step, so the last digits it shows carry that rounding.</source>
        <extracomment>%1 is the exact value, %2 the window&apos;s number</extracomment>
        <translation>O valor exato é %1. A janela mostra %2: o computador guarda cerca de 16 algarismos e arredonda a cada passo, por isso os últimos algarismos mostrados trazem esse arredondamento.</translation>
    </message>
    <message>
        <source>a whole number (-3), a decimal (%1), a fraction (1/4) or a mixed number (2/1/4)</source>
        <extracomment>what a box takes, put into sentences such as &quot;Each box takes %1.&quot; (so it must read there as it stands); %1 is 0.5 as the language writes it</extracomment>
        <translation>um número inteiro (-3), um número decimal (%1), uma fração (1/4) ou um número misto (2/1/4)</translation>
    </message>
    <message>
        <source>Type the numbers of your exercise, then press a button.</source>
        <translation>Digite os números do seu exercício e depois clique em um botão.</translation>
    </message>
    <message>
        <source>An example:</source>
        <translation>Um exemplo:</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <extracomment>%1 is the window&apos;s message, word for word</extracomment>
        <translation>A janela disse: “%1”</translation>
    </message>
    <message>
        <source>So there is no answer to work out. What the boxes take:</source>
        <translation>Por isso não há resultado para calcular. O que os campos aceitam:</translation>
    </message>
</context>
<context>
    <name>ValueEntry</name>
    <message>
        <source>%1 Is not a numeric value</source>
        <extracomment>%1 is the text typed in a box, quoted as it was typed</extracomment>
        <translation>%1 não é um número.</translation>
    </message>
    <message>
        <source>Must enter a numeric value</source>
        <translation>Você deve digitar um número.</translation>
    </message>
    <message>
        <source>Must enter a positive value</source>
        <translation>Você deve digitar um valor positivo.</translation>
    </message>
    <message>
        <source>Denominator Cant Be Zero!!!</source>
        <translation>O denominador não pode ser zero!</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Speak the language CODE (de, fr, es, pt_BR, uk, ar, en) instead of the desktop&apos;s.</source>
        <translation>Usa o idioma CÓDIGO (de, fr, es, pt_BR, uk, ar, en) em vez do idioma da área de trabalho.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>School mathematics homework helper</source>
        <translation>Ajuda com a lição de casa de matemática</translation>
    </message>
</context>
<context>
    <name>sb::Form1</name>
    <message>
        <source>Cant Find Your Windows Calculator</source>
        <translation>Não foi possível encontrar a calculadora do seu computador.</translation>
    </message>
    <message>
        <source>Cant Open You Email Programe, My Email Is %1</source>
        <extracomment>%1 is the maker&apos;s email address</extracomment>
        <translation>Não foi possível abrir o seu programa de e-mail. Meu e-mail é %1</translation>
    </message>
</context>
<context>
    <name>sb::ui::FigureView</name>
    <message>
        <source>Copy Figure</source>
        <translation>Copiar figura</translation>
    </message>
    <message>
        <source>Save Figure as SVG...</source>
        <translation>Salvar figura como SVG...</translation>
    </message>
    <message>
        <source>Save Figure as PNG...</source>
        <translation>Salvar figura como PNG...</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Desenho SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>The figure could not be saved as %1.</source>
        <translation>Não foi possível salvar a figura como %1.</translation>
    </message>
</context>
<context>
    <name>sb::ui::Form</name>
    <message>
        <source>Show Working</source>
        <translation>Ver resolução</translation>
    </message>
    <message>
        <source>Show or hide the worked steps and the figure (F2)</source>
        <translation>Mostrar ou ocultar os passos da resolução e a figura (F2)</translation>
    </message>
    <message>
        <source>Hide Working</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Unreasonable Data!!!.</source>
        <translation>Os dados não fazem sentido!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>The working could not be printed.</source>
        <translation>Não foi possível imprimir a resolução.</translation>
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
        <translation>Selecionar &amp;tudo</translation>
    </message>
</context>
<context>
    <name>sb::ui::WorkingPane</name>
    <message>
        <source>Working</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passos</translation>
    </message>
    <message>
        <source>More detail</source>
        <translation>Mais detalhes</translation>
    </message>
    <message>
        <source>Copy Working</source>
        <translation>Copiar resolução</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>The working could not be saved as %1.</source>
        <translation>Não foi possível salvar a resolução como %1.</translation>
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
        <translation>Imprimir a resolução (%1)</translation>
    </message>
    <message>
        <source>Save the working as a PDF file (%1)</source>
        <translation>Salvar a resolução como arquivo PDF (%1)</translation>
    </message>
</context>
</TS>
