<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutWndo</name>
    <message>
        <source>About Parvok</source>
        <translation>Sobre o Parvok</translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>SVG picture</source>
        <translation>Imagem SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Imagem PNG</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagem</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>The picture could not be printed: the printer could not be started.</source>
        <translation>Não foi possível imprimir a imagem: não foi possível iniciar a impressora.</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exportar dados</translation>
    </message>
    <message>
        <source>CSV table</source>
        <translation>Tabela CSV</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>there is not enough memory for it</source>
        <extracomment>The reason in “The picture could not be made: %1”.</extracomment>
        <translation>não há memória suficiente</translation>
    </message>
    <message>
        <source>Parvok at t/T₁ = %1</source>
        <translation>Parvok em t/T₁ = %1</translation>
    </message>
    <message>
        <source>The picture could not be made: %1</source>
        <extracomment>%1 is the reason, such as “there is not enough memory for it”.</extracomment>
        <translation>Não foi possível criar a imagem: %1</translation>
    </message>
    <message>
        <source>A file named “%1” already exists in “%2”. Do you want to replace it?</source>
        <translation>Já existe um arquivo chamado “%1” em “%2”. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>“%1” could not be made. Nothing was written.</source>
        <translation>Não foi possível criar “%1”. Nada foi gravado.</translation>
    </message>
    <message>
        <source>“%1” could not be saved in “%2”: %3. Nothing was written there.</source>
        <extracomment>%1 is the file&apos;s name, %2 its folder, %3 the system&apos;s reason.</extracomment>
        <translation>Não foi possível salvar “%1” em “%2”: %3. Nada foi gravado lá.</translation>
    </message>
    <message>
        <source>“%1” cannot be saved in %2: it holds the system&apos;s devices and settings, not files. Choose another folder.</source>
        <extracomment>%1 is the file&apos;s name, %2 a folder such as /proc.</extracomment>
        <translation>Não é possível salvar “%1” em %2: essa pasta contém os dispositivos e as configurações do sistema, não arquivos. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>“%1” is not an ordinary file but a device, a pipe or a folder, and cannot be saved over. Choose another name.</source>
        <translation>“%1” não é um arquivo comum, mas um dispositivo, um pipe ou uma pasta, e não pode ser substituído. Escolha outro nome.</translation>
    </message>
</context>
<context>
    <name>LessonDocument</name>
    <message>
        <source>Parvok lesson</source>
        <translation>Aula do Parvok</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Não foi possível ler “%1”: %2.</translation>
    </message>
    <message>
        <source>“%1” is a folder, a device or one of the system&apos;s files, not a lesson file.</source>
        <translation>“%1” é uma pasta, um dispositivo ou um arquivo do sistema, não um arquivo de aula.</translation>
    </message>
    <message>
        <source>“%1” is too large for a lesson: it holds %2 bytes, and a lesson file at most %3.</source>
        <extracomment>%2 and %3 are sizes in bytes.</extracomment>
        <translation>“%1” é grande demais para uma aula: tem %2 bytes, e um arquivo de aula no máximo %3.</translation>
    </message>
    <message>
        <source>“%1” is empty.</source>
        <translation>“%1” está vazio.</translation>
    </message>
    <message>
        <source>“%1” is not a lesson file, or it was cut short: its text stops making sense at byte %2.</source>
        <translation>“%1” não é um arquivo de aula, ou foi cortado: o texto deixa de fazer sentido no byte %2.</translation>
    </message>
    <message>
        <source>“%1” is not a Parvok lesson.</source>
        <translation>“%1” não é uma aula do Parvok.</translation>
    </message>
    <message>
        <source>“%1” was saved by a newer Parvok, in version %2 of the lesson format; this Parvok reads version %3 and older.</source>
        <extracomment>%2 and %3 are version numbers of the lesson format.</extracomment>
        <translation>“%1” foi salvo por um Parvok mais novo, na versão %2 do formato de aulas; este Parvok lê a versão %3 e anteriores.</translation>
    </message>
    <message>
        <source>“%1” is damaged: “%2” is missing.</source>
        <extracomment>%2 names a part of the file, such as states[2].name.</extracomment>
        <translation>“%1” está danificado: falta “%2”.</translation>
    </message>
    <message>
        <source>“%1” holds “%2”, which a Parvok lesson does not have.</source>
        <translation>“%1” contém “%2”, que uma aula do Parvok não tem.</translation>
    </message>
    <message>
        <source>“%1” is damaged: “%2” does not hold a value Parvok can use.</source>
        <translation>“%1” está danificado: “%2” não contém um valor que o Parvok possa usar.</translation>
    </message>
    <message>
        <source>“%1” holds %2 states; a lesson holds at most %3.</source>
        <translation>“%1” contém %2 estados; uma aula contém no máximo %3.</translation>
    </message>
    <message>
        <source>Untitled Lesson</source>
        <translation>Aula sem título</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Abrir aula</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>Salvar aula</translation>
    </message>
    <message>
        <source>“%1” could not be saved in “%2”: %3. The file there was left as it was.</source>
        <extracomment>%1 is the file&apos;s name, %2 its folder, %3 the system&apos;s reason.</extracomment>
        <translation>Não foi possível salvar “%1” em “%2”: %3. O arquivo que estava lá ficou como estava.</translation>
    </message>
    <message>
        <source>The lesson “%1” has changes that are not saved. Save them first?</source>
        <translation>A aula “%1” tem alterações não salvas. Salvá-las primeiro?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Alterações não salvas</translation>
    </message>
    <message>
        <source>“%1” is not UTF-8 text, as a lesson file is: its byte %2 is not part of a character.</source>
        <translation>“%1” não é texto UTF-8, como deve ser um arquivo de aula: o byte %2 não faz parte de nenhum caractere.</translation>
    </message>
    <message>
        <source>“%1” holds the number %2, which is beyond the largest number Parvok can use.</source>
        <extracomment>%2 is a number as the file writes it, such as 1e999.</extracomment>
        <translation>“%1” contém o número %2, que passa do maior número que o Parvok pode usar.</translation>
    </message>
</context>
<context>
    <name>MainWndo</name>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Wavefunction: real part in black, imaginary part in red</source>
        <translation>Função de onda: parte real em preto, parte imaginária em vermelho</translation>
    </message>
    <message>
        <source>Probability density</source>
        <translation>Densidade de probabilidade</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Show all states together</source>
        <translation>Mostrar todos os estados juntos</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Initial data:</source>
        <translation>Dados inic.:</translation>
    </message>
    <message>
        <source>mag:</source>
        <translation>mód:</translation>
    </message>
    <message>
        <source>ang:</source>
        <translation>âng:</translation>
    </message>
    <message>
        <source>Normalize</source>
        <translation>Normalizar</translation>
    </message>
    <message>
        <source>Normalize the magnitudes</source>
        <translation>Normalizar os módulos</translation>
    </message>
    <message>
        <source>Start or stop the animation</source>
        <translation>Iniciar ou parar a animação</translation>
    </message>
    <message>
        <source>Phase speed</source>
        <translation>Velocidade das fases</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Veloc.:</translation>
    </message>
    <message>
        <source>Wavefunction</source>
        <translation>Func. de onda</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Probabilidade</translation>
    </message>
    <message>
        <source>Phasor</source>
        <translation>Fasor</translation>
    </message>
    <message>
        <source>State %1: magnitude %2, angle %3 degrees</source>
        <translation>Estado %1: módulo %2, ângulo %3 graus</translation>
    </message>
    <message>
        <source>Phasor of state %1</source>
        <translation>Fasor do estado %1</translation>
    </message>
    <message>
        <source>State %1</source>
        <translation>Estado %1</translation>
    </message>
    <message>
        <source>n=%1</source>
        <translation>n=%1</translation>
    </message>
    <message>
        <source>Show state %1 alone</source>
        <translation>Mostrar só o estado %1</translation>
    </message>
    <message>
        <source>Magnitude of state %1</source>
        <translation>Módulo do estado %1</translation>
    </message>
    <message>
        <source>Angle of state %1 in degrees</source>
        <translation>Ângulo do estado %1 em graus</translation>
    </message>
    <message>
        <source>(too fast to follow at this speed)</source>
        <translation>(rápido demais para acompanhar nesta velocidade)</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>“%1” salvo</translation>
    </message>
    <message>
        <source>x = %1 L</source>
        <translation>x = %1 L</translation>
    </message>
    <message>
        <source>collapsed to a bell %1 L wide, of which the six states hold %2 %</source>
        <translation>colapsado num sino de %1 L de largura, do qual os seis estados contêm %2 %</translation>
    </message>
    <message>
        <source>E = %1 E₁ (n = %2)</source>
        <translation>E = %1 E₁ (n = %2)</translation>
    </message>
    <message>
        <source>collapsed to state %1</source>
        <translation>colapsado no estado %1</translation>
    </message>
    <message>
        <source>Add Current State</source>
        <translation>Adicionar o estado atual</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Rename State</source>
        <translation>Renomear o estado</translation>
    </message>
</context>
<context>
    <name>MeasurementsWndo</name>
    <message>
        <source>Positions found (blue) and L·&amp;|ψ(x, t)&amp;|^2 (red)</source>
        <translation>Posições encontradas (azul) e L·&amp;|ψ(x, t)&amp;|^2 (vermelho)</translation>
    </message>
    <message>
        <source>Energies E_n = n^2 E_1 found (blue) and &amp;|c_n_&amp;|^2 (red)</source>
        <translation>Energias E_n = n^2 E_1 encontradas (azul) e &amp;|c_n_&amp;|^2 (vermelho)</translation>
    </message>
    <message>
        <source>share</source>
        <translation>frequência</translation>
    </message>
    <message>
        <source>N = %1</source>
        <translation>N = %1</translation>
    </message>
    <message>
        <source>No χ² test: too few classes
with 5 outcomes expected</source>
        <translation>Sem teste χ²: poucas classes
com 5 resultados esperados</translation>
    </message>
    <message>
        <source>χ² = %1 with %2 degrees of freedom</source>
        <translation>χ² = %1 com %2 graus de liberdade</translation>
    </message>
    <message>
        <source>p = %1</source>
        <translation>p = %1</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Medições</translation>
    </message>
    <message>
        <source>+1</source>
        <translation>+1</translation>
    </message>
    <message>
        <source>+10</source>
        <translation>+10</translation>
    </message>
    <message>
        <source>+100</source>
        <translation>+100</translation>
    </message>
    <message>
        <source>+1,000</source>
        <translation>+1.000</translation>
    </message>
    <message>
        <source>+10,000</source>
        <translation>+10.000</translation>
    </message>
    <message>
        <source>Measure %1 more copies in position and %1 in energy</source>
        <translation>Medir mais %1 cópias em posição e %1 em energia</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Semente:</translation>
    </message>
    <message>
        <source>Seed of the random numbers: the same seed repeats the same outcomes</source>
        <translation>Semente dos números aleatórios: a mesma semente repete os mesmos resultados</translation>
    </message>
    <message>
        <source>Histogram of the positions found, over the density predicted</source>
        <translation>Histograma das posições encontradas, sobre a densidade prevista</translation>
    </message>
    <message>
        <source>Share of each energy found, beside the weights predicted</source>
        <translation>Frequência de cada energia encontrada, ao lado dos pesos previstos</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615: the seed in use stays as it was.</source>
        <translation>A semente é um número inteiro de 0 a 18446744073709551615: a semente em uso continua a mesma.</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posições</translation>
    </message>
    <message>
        <source>Energies</source>
        <translation>Energias</translation>
    </message>
    <message>
        <source>No particle: every magnitude is 0, so there is nothing to measure.</source>
        <translation>Não há partícula: todos os módulos são 0, então não há nada para medir.</translation>
    </message>
    <message>
        <source>Copies of the state at %1, each measured once; the state itself does not change.</source>
        <translation>Cópias do estado em %1, medidas uma vez cada; o próprio estado não muda.</translation>
    </message>
</context>
<context>
    <name>MenuBar1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Selecionar tudo</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>A&amp;nimação</translation>
    </message>
    <message>
        <source>&amp;Start/Stop</source>
        <translation>&amp;Iniciar/Parar</translation>
    </message>
    <message>
        <source>Start from the typed state, or stop: the Start button</source>
        <translation>Iniciar a partir do estado digitado, ou parar: o botão Iniciar</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume</source>
        <translation>&amp;Pausar/Continuar</translation>
    </message>
    <message>
        <source>Hold the animation at this instant, or run on from it</source>
        <translation>Congelar a animação neste instante, ou continuar a partir dele</translation>
    </message>
    <message>
        <source>Step &amp;Forward</source>
        <translation>&amp;Avançar um quadro</translation>
    </message>
    <message>
        <source>One frame forward at the current speed</source>
        <translation>Um quadro para a frente na velocidade atual</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>&amp;Voltar um quadro</translation>
    </message>
    <message>
        <source>One frame back at the current speed</source>
        <translation>Um quadro para trás na velocidade atual</translation>
    </message>
    <message>
        <source>Go to t = T₁/&amp;4</source>
        <translation>Ir para t = T₁/&amp;4</translation>
    </message>
    <message>
        <source>A quarter of the period of state 1 after Start</source>
        <translation>Um quarto do período do estado 1 após Iniciar</translation>
    </message>
    <message>
        <source>Go to t = T₁/&amp;2</source>
        <translation>Ir para t = T₁/&amp;2</translation>
    </message>
    <message>
        <source>Half the period of state 1: the density is the mirror image of the density at Start</source>
        <translation>Meio período do estado 1: a densidade é a imagem espelhada da densidade no início</translation>
    </message>
    <message>
        <source>Go to t = &amp;3T₁/4</source>
        <translation>Ir para t = &amp;3T₁/4</translation>
    </message>
    <message>
        <source>Three quarters of the period of state 1</source>
        <translation>Três quartos do período do estado 1</translation>
    </message>
    <message>
        <source>Go to t = T₁ (Re&amp;vival)</source>
        <translation>Ir para t = T₁ (ressur&amp;gimento)</translation>
    </message>
    <message>
        <source>One period of state 1: every state is back where it started</source>
        <translation>Um período do estado 1: todos os estados voltam para onde começaram</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>Back to t = 0, the typed state, paused</source>
        <translation>Voltar para t = 0, ao estado digitado, em pausa</translation>
    </message>
    <message>
        <source>&amp;States</source>
        <translation>E&amp;stados</translation>
    </message>
    <message>
        <source>&amp;Ground State</source>
        <translation>Estado &amp;fundamental</translation>
    </message>
    <message>
        <source>State 1 alone: its density stands still</source>
        <translation>Só o estado 1: sua densidade fica parada</translation>
    </message>
    <message>
        <source>States &amp;1 and 2 in Equal Parts</source>
        <translation>Estados &amp;1 e 2 em partes iguais</translation>
    </message>
    <message>
        <source>The simplest superposition: the density sloshes</source>
        <translation>A superposição mais simples: a densidade vai e vem</translation>
    </message>
    <message>
        <source>States 1, 2 and &amp;3 in Equal Parts</source>
        <translation>Estados 1, 2 e &amp;3 em partes iguais</translation>
    </message>
    <message>
        <source>&amp;Packet Near x = L/4</source>
        <translation>&amp;Pacote perto de x = L/4</translation>
    </message>
    <message>
        <source>A narrow bump near x = L/4, made of the six states</source>
        <translation>Um pico estreito perto de x = L/4, formado pelos seis estados</translation>
    </message>
    <message>
        <source>&amp;Two Packets (Cat State)</source>
        <translation>&amp;Dois pacotes (estado gato)</translation>
    </message>
    <message>
        <source>Two bumps at once, near L/4 and 3L/4</source>
        <translation>Dois picos ao mesmo tempo, perto de L/4 e 3L/4</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Atalhos de teclado</translation>
    </message>
    <message>
        <source>Every key of the program</source>
        <translation>Todas as teclas do programa</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Observables</source>
        <translation>&amp;Observáveis</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>&amp;Apresentação</translation>
    </message>
    <message>
        <source>&amp;Export Picture…</source>
        <translation>&amp;Exportar imagem…</translation>
    </message>
    <message>
        <source>Save the plots and the phasors as they are now, as SVG, PDF or PNG</source>
        <translation>Salvar os gráficos e os fasores como estão agora, em SVG, PDF ou PNG</translation>
    </message>
    <message>
        <source>Export &amp;Data…</source>
        <translation>Exportar &amp;dados…</translation>
    </message>
    <message>
        <source>Save the coefficients and the wavefunction at the 101 samples as CSV</source>
        <translation>Salvar em CSV os coeficientes e a função de onda nos 101 pontos</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Print the plots and the phasors as they are now, on one page</source>
        <translation>Imprimir os gráficos e os fasores como estão agora, em uma página</translation>
    </message>
    <message>
        <source>Copy P&amp;icture</source>
        <translation>Copiar &amp;imagem</translation>
    </message>
    <message>
        <source>Put the plots and the phasors as they are now on the clipboard</source>
        <translation>Colocar na área de transferência os gráficos e os fasores como estão agora</translation>
    </message>
    <message>
        <source>Physical &amp;Scale</source>
        <translation>&amp;Escala física</translation>
    </message>
    <message>
        <source>Plot √L·ψ and L·|ψ|², the wavefunction to scale, in ranges that fit the state at every instant</source>
        <translation>Traçar √L·ψ e L·|ψ|², a função de onda em escala, em intervalos que contêm o estado em todo instante</translation>
    </message>
    <message>
        <source>&amp;Time Forward</source>
        <translation>&amp;Tempo para a frente</translation>
    </message>
    <message>
        <source>Turn the phases clockwise, as in nature, so that packets move with ⟨p⟩; the clock counts up either way</source>
        <translation>Girar as fases no sentido horário, como na natureza, para que os pacotes se movam com ⟨p⟩; o relógio avança nos dois casos</translation>
    </message>
    <message>
        <source>Space-&amp;Time Picture</source>
        <translation>Imagem espaço-&amp;tempo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Parvok…</source>
        <translation>&amp;Sobre o Parvok…</translation>
    </message>
    <message>
        <source>Three states: the density beats at three rates, 3, 5 and 8 × E₁/ħ</source>
        <translation>Três estados: a densidade oscila com três frequências, 3, 5 e 8 × E₁/ħ</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>&amp;Medir</translation>
    </message>
    <message>
        <source>Measure &amp;Position</source>
        <translation>Medir a &amp;posição</translation>
    </message>
    <message>
        <source>Find the particle at one place, drawn at random from |ψ(x, t)|²; off while every magnitude is 0</source>
        <translation>Encontrar a partícula em um ponto, sorteado de acordo com |ψ(x, t)|²; desativado enquanto todos os módulos forem 0</translation>
    </message>
    <message>
        <source>Measure &amp;Energy</source>
        <translation>Medir a &amp;energia</translation>
    </message>
    <message>
        <source>Find one energy Eₙ = n² E₁, drawn at random with the probability |cₙ|²; off while every magnitude is 0</source>
        <translation>Encontrar uma energia Eₙ = n² E₁, sorteada com a probabilidade |cₙ|²; desativado enquanto todos os módulos forem 0</translation>
    </message>
    <message>
        <source>&amp;Collapse on Measurement</source>
        <translation>&amp;Colapso na medição</translation>
    </message>
    <message>
        <source>A measurement changes the state: after it, the state is the one found, from t = 0</source>
        <translation>Uma medição muda o estado: depois dela, o estado é o encontrado, a partir de t = 0</translation>
    </message>
    <message>
        <source>Collapse to a Bell %1 L Wide</source>
        <translation>Colapso num sino de %1 L de largura</translation>
    </message>
    <message>
        <source>The width, the standard deviation of |ψ|², of the state a position found leaves</source>
        <translation>A largura, o desvio padrão de |ψ|², do estado que uma posição encontrada deixa</translation>
    </message>
    <message>
        <source>Measure&amp;ments</source>
        <translation>&amp;Medições</translation>
    </message>
    <message>
        <source>&amp;Build a Packet…</source>
        <translation>&amp;Construir um pacote…</translation>
    </message>
    <message>
        <source>A Gaussian packet of your centre, width and momentum, as the six states hold it</source>
        <translation>Um pacote gaussiano com o centro, a largura e o momento que você escolher, como os seis estados o representam</translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation>&amp;Nova aula</translation>
    </message>
    <message>
        <source>Start an empty lesson, to which States › Add Current State… adds states</source>
        <translation>Começar uma aula vazia, à qual Estados › Adicionar o estado atual… adiciona estados</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open a lesson saved before</source>
        <translation>Abrir uma aula salva antes</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Sal&amp;var</translation>
    </message>
    <message>
        <source>Save the lesson to its file</source>
        <translation>Salvar a aula em seu arquivo</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Salvar &amp;como…</translation>
    </message>
    <message>
        <source>Save the lesson to a file of another name</source>
        <translation>Salvar a aula em um arquivo com outro nome</translation>
    </message>
    <message>
        <source>&amp;Next State</source>
        <translation>Pró&amp;ximo estado</translation>
    </message>
    <message>
        <source>The lesson&apos;s next state, at its time</source>
        <translation>O próximo estado da aula, no seu instante</translation>
    </message>
    <message>
        <source>Pre&amp;vious State</source>
        <translation>Estado &amp;anterior</translation>
    </message>
    <message>
        <source>The lesson&apos;s state before, at its time</source>
        <translation>O estado anterior da aula, no seu instante</translation>
    </message>
    <message>
        <source>&amp;Add Current State…</source>
        <translation>Adicionar o estado a&amp;tual…</translation>
    </message>
    <message>
        <source>Add the state the fields hold to the lesson, with a name and a note</source>
        <translation>Adicionar à aula o estado dos campos, com um nome e uma nota</translation>
    </message>
    <message>
        <source>R&amp;ename State…</source>
        <translation>Re&amp;nomear o estado…</translation>
    </message>
    <message>
        <source>Give the lesson&apos;s current state another name or note</source>
        <translation>Dar outro nome ou outra nota ao estado atual da aula</translation>
    </message>
    <message>
        <source>Re&amp;move State</source>
        <translation>Re&amp;mover o estado</translation>
    </message>
    <message>
        <source>Take the current state out of the lesson</source>
        <translation>Tirar o estado atual da aula</translation>
    </message>
    <message>
        <source>Move State &amp;Up</source>
        <translation>Mover o estado para c&amp;ima</translation>
    </message>
    <message>
        <source>Show the current state one place earlier in the lesson</source>
        <translation>Mostrar o estado atual uma posição antes na aula</translation>
    </message>
    <message>
        <source>Move State &amp;Down</source>
        <translation>Mover o estado para &amp;baixo</translation>
    </message>
    <message>
        <source>Show the current state one place later in the lesson</source>
        <translation>Mostrar o estado atual uma posição depois na aula</translation>
    </message>
</context>
<context>
    <name>ObservablesWndo</name>
    <message>
        <source>Energy levels E_n = n^2 E_1</source>
        <extracomment>A plot title in the plot&apos;s markup: &quot;_&quot; and &quot;^&quot; begin a subscript and a superscript, a space ends it.</extracomment>
        <translation>Níveis de energia E_n = n^2 E_1</translation>
    </message>
    <message>
        <source>⟨x⟩ (black) and ⟨x⟩ ± $D$x (blue)</source>
        <extracomment>A plot title in the plot&apos;s markup: &quot;$D$&quot; is a Greek Delta.</extracomment>
        <translation>⟨x⟩ (preto) e ⟨x⟩ ± $D$x (azul)</translation>
    </message>
    <message>
        <source>Observables</source>
        <translation>Observáveis</translation>
    </message>
    <message>
        <source>Values of the whole state Σ cₙφₙ, whatever Total / n= shows in the main window.</source>
        <translation>Valores do estado inteiro Σ cₙφₙ, qualquer que seja a escolha Total / n= na janela principal.</translation>
    </message>
    <message>
        <source>Energy levels: the probability of each level, at n squared times E1, and the mean energy</source>
        <translation>Níveis de energia: a probabilidade de cada nível, em n ao quadrado vezes E1, e a energia média</translation>
    </message>
    <message>
        <source>Mean position over the last two periods, with the band of one spread either side</source>
        <translation>Posição média nos dois últimos períodos, com uma faixa de um desvio padrão para cada lado</translation>
    </message>
    <message>
        <source>Values of the observables</source>
        <translation>Valores dos observáveis</translation>
    </message>
    <message>
        <source>Running, t = %1 T₁</source>
        <translation>Em execução, t = %1 T₁</translation>
    </message>
    <message>
        <source>Stopped: the state at Start, t = 0</source>
        <translation>Parada: o estado de partida, t = 0</translation>
    </message>
    <message>
        <source>Fields edited: press Normalize</source>
        <extracomment>The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>Campos editados: use Normalizar</translation>
    </message>
    <message>
        <source>No state: press Normalize, with at
least one magnitude that is not 0</source>
        <extracomment>The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>Sem estado: pressione Normalizar
com algum módulo diferente de 0</translation>
    </message>
    <message>
        <source>—</source>
        <extracomment>Shown in place of a value where there is no state.</extracomment>
        <translation>—</translation>
    </message>
    <message>
        <source>⟨x⟩/L</source>
        <translation>⟨x⟩/L</translation>
    </message>
    <message>
        <source>Δx/L</source>
        <translation>Δx/L</translation>
    </message>
    <message>
        <source>⟨p⟩/(πħ/L)</source>
        <translation>⟨p⟩/(πħ/L)</translation>
    </message>
    <message>
        <source>Δp/(πħ/L)</source>
        <translation>Δp/(πħ/L)</translation>
    </message>
    <message>
        <source>Δx·Δp/(ħ/2)</source>
        <translation>Δx·Δp/(ħ/2)</translation>
    </message>
    <message>
        <source>⟨E⟩/E₁</source>
        <translation>⟨E⟩/E₁</translation>
    </message>
    <message>
        <source>ΔE/E₁</source>
        <translation>ΔE/E₁</translation>
    </message>
    <message>
        <source>Paused, t = %1 T₁</source>
        <translation>Em pausa, t = %1 T₁</translation>
    </message>
    <message>
        <source>Time runs backwards here, so the
packet moves against ⟨p⟩:
see Animation › Time Forward.</source>
        <extracomment>Below &lt;p&gt;. The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>Aqui o tempo corre para trás: o
pacote se move contra ⟨p⟩.
Veja Animação › Tempo para a
frente.</translation>
    </message>
    <message>
        <source>Momentum distribution</source>
        <translation>Distribuição de momento</translation>
    </message>
</context>
<context>
    <name>PacketWndo</name>
    <message>
        <source>Build a Packet</source>
        <translation>Construir um pacote</translation>
    </message>
    <message>
        <source>Centre x₀, in L:</source>
        <translation>Centro x₀, em L:</translation>
    </message>
    <message>
        <source>Width σ of the density, in L:</source>
        <translation>Largura σ da densidade, em L:</translation>
    </message>
    <message>
        <source>Mean momentum k₀, in πħ/L:</source>
        <translation>Momento médio k₀, em πħ/L:</translation>
    </message>
    <message>
        <source>The packet&apos;s density in black, the density of its part in the six states in red</source>
        <translation>A densidade do pacote em preto, a densidade da sua parte nos seis estados em vermelho</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Black: the packet. Red: its part in the six states.</source>
        <translation>Preto: o pacote. Vermelho: sua parte nos seis estados.</translation>
    </message>
    <message>
        <source>The six states hold %1 % of the packet (Σ|cₙ|²).</source>
        <translation>Os seis estados contêm %1 % do pacote (Σ|cₙ|²).</translation>
    </message>
    <message>
        <source>No packet: give a centre, a width above 0 and a momentum as numbers.</source>
        <translation>Nenhum pacote: informe um centro, uma largura maior que 0 e um momento como números.</translation>
    </message>
</context>
<context>
    <name>PresentationWndo</name>
    <message>
        <source>Presentation</source>
        <translation>Apresentação</translation>
    </message>
    <message>
        <source>Too small for the plots:
make the window larger.</source>
        <translation>Pequena demais para os gráficos:
aumente a janela.</translation>
    </message>
    <message>
        <source>Wavefunction</source>
        <translation>Função de onda</translation>
    </message>
    <message>
        <source>Probability density</source>
        <translation>Densidade de probabilidade</translation>
    </message>
    <message>
        <source>N = √(2/L)·Σ|cₙ| over the states shown</source>
        <translation>N = √(2/L)·Σ|cₙ| sobre os estados mostrados</translation>
    </message>
    <message>
        <source>Re ψ in black, Im ψ in red; the y axis shows %1</source>
        <translation>Re ψ em preto, Im ψ em vermelho; o eixo y mostra %1</translation>
    </message>
    <message>
        <source>The y axis shows %1</source>
        <translation>O eixo y mostra %1</translation>
    </message>
    <message>
        <source>; a blue line at the mean position ⟨x⟩, a bar from ⟨x⟩ − Δx to ⟨x⟩ + Δx</source>
        <translation>; uma linha azul na posição média ⟨x⟩, uma barra de ⟨x⟩ − Δx a ⟨x⟩ + Δx</translation>
    </message>
    <message>
        <source>; in grey the density at t = 0</source>
        <translation>; em cinza, a densidade em t = 0</translation>
    </message>
</context>
<context>
    <name>ShortcutsWndo</name>
    <message>
        <source>The next or the previous field, button or slider</source>
        <translation>O campo, botão ou controle deslizante seguinte ou anterior</translation>
    </message>
    <message>
        <source>Presses the button that has the focus</source>
        <translation>Aciona o botão que está com o foco</translation>
    </message>
    <message>
        <source>Another choice of Total and n=1 … n=6, when one of them has the focus</source>
        <translation>Outra escolha entre Total e n=1 … n=6, quando um deles está com o foco</translation>
    </message>
    <message>
        <source>The speed one step down or up, when the slider has the focus</source>
        <translation>Diminui ou aumenta a velocidade em um passo, quando o controle deslizante está com o foco</translation>
    </message>
    <message>
        <source>Speed 1 or 100</source>
        <translation>Velocidade 1 ou 100</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menus</translation>
    </message>
    <message>
        <source>Controls and windows</source>
        <translation>Controles e janelas</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>The speed 20 up or down</source>
        <translation>Aumenta ou diminui a velocidade em 20</translation>
    </message>
    <message>
        <source>In the presentation view: full screen or not</source>
        <translation>Na apresentação: tela cheia ou não</translation>
    </message>
    <message>
        <source>In the presentation view: leaves full screen, then closes the view</source>
        <translation>Na apresentação: sai da tela cheia e depois fecha a apresentação</translation>
    </message>
    <message>
        <source>Closes the main window, and with it the program</source>
        <translation>Fecha a janela principal e, com ela, o programa</translation>
    </message>
    <message>
        <source>In the presentation view: the mean position ⟨x⟩ and ⟨x⟩ ± Δx on the density, or not</source>
        <translation>Na apresentação: a posição média ⟨x⟩ e ⟨x⟩ ± Δx sobre a densidade, ou não</translation>
    </message>
    <message>
        <source>In the presentation view: the density at t = 0 in grey, or not</source>
        <translation>Na apresentação: a densidade em t = 0 em cinza, ou não</translation>
    </message>
    <message>
        <source>In the presentation view: high contrast, thicker and darker, or not</source>
        <translation>Na apresentação: alto contraste, linhas mais grossas e escuras, ou não</translation>
    </message>
    <message>
        <source>In the space-time picture: one frame on, wherever the focus is</source>
        <translation>Na imagem espaço-tempo: um quadro à frente, onde quer que esteja o foco</translation>
    </message>
    <message>
        <source>In the space-time picture: one frame back, wherever the focus is</source>
        <translation>Na imagem espaço-tempo: um quadro para trás, onde quer que esteja o foco</translation>
    </message>
    <message>
        <source>Closes the window in front, unless it is the main window</source>
        <translation>Fecha a janela em primeiro plano, exceto a janela principal</translation>
    </message>
    <message>
        <source>In Build a Packet: loads the packet into the fields</source>
        <translation>Em Construir um pacote: carrega o pacote nos campos</translation>
    </message>
</context>
<context>
    <name>SpaceTimeWndo</name>
    <message>
        <source>x = %1 L    t = %2 T₁    L·|ψ|² = %3</source>
        <extracomment>The values under the pointer: position, time and the probability density there.</extracomment>
        <translation>x = %1 L    t = %2 T₁    L·|ψ|² = %3</translation>
    </message>
    <message>
        <source>Space-Time Picture</source>
        <translation>Imagem espaço-tempo</translation>
    </message>
    <message>
        <source>States</source>
        <translation>Estados</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>As shown</source>
        <translation>Como exibido</translation>
    </message>
    <message>
        <source>The states the main window shows</source>
        <translation>Os estados que a janela principal exibe</translation>
    </message>
    <message>
        <source>Time span</source>
        <translation>Intervalo de tempo</translation>
    </message>
    <message>
        <source>One period T1</source>
        <translation>Um período T1</translation>
    </message>
    <message>
        <source>Half a period T1/2</source>
        <translation>Meio período T1/2</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>To the largest</source>
        <translation>Até o máximo</translation>
    </message>
    <message>
        <source>Physical density L times psi squared</source>
        <translation>Densidade física L vezes psi ao quadrado</translation>
    </message>
    <message>
        <source>Colour bar</source>
        <translation>Barra de cores</translation>
    </message>
    <message>
        <source>Click or drag in the picture to go to that time; the arrow keys step a frame.</source>
        <translation>Clique ou arraste na imagem para ir a esse instante; as teclas de seta avançam ou recuam um quadro.</translation>
    </message>
    <message>
        <source>Probability density over position and time, time running downwards</source>
        <translation>Densidade de probabilidade em função da posição e do tempo, o tempo para baixo</translation>
    </message>
</context>
<context>
    <name>StatePlots</name>
    <message>
        <source>√L·Re ψ in black and √L·Im ψ in red: the physical wavefunction</source>
        <translation>√L·Re ψ em preto e √L·Im ψ em vermelho: a função de onda física</translation>
    </message>
    <message>
        <source>L·|ψ|²: the physical probability density; under the total, its area is 1</source>
        <translation>L·|ψ|²: a densidade de probabilidade física; para o total, a área sob a curva é 1</translation>
    </message>
    <message>
        <source>Re in black and Im in red of Σ cₙ sin(nπx/L) over the states shown, divided by Σ|cₙ|: not to scale (View › Physical Scale)</source>
        <translation>Re em preto e Im em vermelho de Σ cₙ sin(nπx/L) sobre os estados mostrados, divididas por Σ|cₙ|: fora de escala (Exibir › Escala física)</translation>
    </message>
    <message>
        <source>|Σ cₙ sin(nπx/L)|² over the states shown, divided by (Σ|cₙ|)²: not to scale (View › Physical Scale)</source>
        <translation>|Σ cₙ sin(nπx/L)|² sobre os estados mostrados, dividido por (Σ|cₙ|)²: fora de escala (Exibir › Escala física)</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Press Normalize to load the new values</source>
        <translation>Pressione Normalizar para carregar os novos valores</translation>
    </message>
    <message>
        <source>All magnitudes are 0: nothing to show or measure</source>
        <translation>Todos os módulos são 0: nada para mostrar ou medir</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Em execução</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>frame %1</source>
        <translation>quadro %1</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>velocidade %1</translation>
    </message>
    <message>
        <source>State %1 has magnitude 0</source>
        <translation>O estado %1 tem módulo 0</translation>
    </message>
    <message>
        <source>t = %1 T₁</source>
        <translation>t = %1 T₁</translation>
    </message>
    <message>
        <source>Too fast to follow: state %1 turns 180° or more a frame</source>
        <translation>Rápido demais para acompanhar: o estado %1 gira 180° ou mais por quadro</translation>
    </message>
    <message>
        <source>Too fast to follow: states %1 turn 180° or more a frame</source>
        <translation>Rápidos demais para acompanhar: os estados %1 giram 180° ou mais por quadro</translation>
    </message>
</context>
</TS>
