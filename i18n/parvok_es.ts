<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutWndo</name>
    <message>
        <source>About Parvok</source>
        <translation>Acerca de Parvok</translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>SVG picture</source>
        <translation>Imagen SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>The picture could not be printed: the printer could not be started.</source>
        <translation>No se pudo imprimir la imagen: no se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exportar datos</translation>
    </message>
    <message>
        <source>CSV table</source>
        <translation>Tabla CSV</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>there is not enough memory for it</source>
        <extracomment>The reason in “The picture could not be made: %1”.</extracomment>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>Parvok at t/T₁ = %1</source>
        <translation>Parvok en t/T₁ = %1</translation>
    </message>
    <message>
        <source>The picture could not be made: %1</source>
        <extracomment>%1 is the reason, such as “there is not enough memory for it”.</extracomment>
        <translation>No se pudo crear la imagen: %1</translation>
    </message>
    <message>
        <source>A file named “%1” already exists in “%2”. Do you want to replace it?</source>
        <translation>Ya existe un archivo llamado “%1” en “%2”. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>“%1” could not be made. Nothing was written.</source>
        <translation>No se pudo crear “%1”. No se escribió nada.</translation>
    </message>
    <message>
        <source>“%1” could not be saved in “%2”: %3. Nothing was written there.</source>
        <extracomment>%1 is the file&apos;s name, %2 its folder, %3 the system&apos;s reason.</extracomment>
        <translation>No se pudo guardar “%1” en “%2”: %3. No se escribió nada allí.</translation>
    </message>
    <message>
        <source>“%1” cannot be saved in %2: it holds the system&apos;s devices and settings, not files. Choose another folder.</source>
        <extracomment>%1 is the file&apos;s name, %2 a folder such as /proc.</extracomment>
        <translation>No se puede guardar “%1” en %2: esa carpeta contiene los dispositivos y los ajustes del sistema, no archivos. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>“%1” is not an ordinary file but a device, a pipe or a folder, and cannot be saved over. Choose another name.</source>
        <translation>“%1” no es un archivo normal, sino un dispositivo, una tubería o una carpeta, y no se puede sobrescribir. Elija otro nombre.</translation>
    </message>
</context>
<context>
    <name>LessonDocument</name>
    <message>
        <source>Parvok lesson</source>
        <translation>Lección de Parvok</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo leer «%1»: %2.</translation>
    </message>
    <message>
        <source>“%1” is a folder, a device or one of the system&apos;s files, not a lesson file.</source>
        <translation>«%1» es una carpeta, un dispositivo o un archivo del sistema, no un archivo de lección.</translation>
    </message>
    <message>
        <source>“%1” is too large for a lesson: it holds %2 bytes, and a lesson file at most %3.</source>
        <extracomment>%2 and %3 are sizes in bytes.</extracomment>
        <translation>«%1» es demasiado grande para una lección: tiene %2 bytes, y un archivo de lección como máximo %3.</translation>
    </message>
    <message>
        <source>“%1” is empty.</source>
        <translation>«%1» está vacío.</translation>
    </message>
    <message>
        <source>“%1” is not a lesson file, or it was cut short: its text stops making sense at byte %2.</source>
        <translation>«%1» no es un archivo de lección, o está cortado: su texto deja de tener sentido en el byte %2.</translation>
    </message>
    <message>
        <source>“%1” is not a Parvok lesson.</source>
        <translation>«%1» no es una lección de Parvok.</translation>
    </message>
    <message>
        <source>“%1” was saved by a newer Parvok, in version %2 of the lesson format; this Parvok reads version %3 and older.</source>
        <extracomment>%2 and %3 are version numbers of the lesson format.</extracomment>
        <translation>«%1» se guardó con un Parvok más reciente, en la versión %2 del formato de lecciones; este Parvok lee la versión %3 y anteriores.</translation>
    </message>
    <message>
        <source>“%1” is damaged: “%2” is missing.</source>
        <extracomment>%2 names a part of the file, such as states[2].name.</extracomment>
        <translation>«%1» está dañado: falta «%2».</translation>
    </message>
    <message>
        <source>“%1” holds “%2”, which a Parvok lesson does not have.</source>
        <translation>«%1» contiene «%2», que una lección de Parvok no tiene.</translation>
    </message>
    <message>
        <source>“%1” is damaged: “%2” does not hold a value Parvok can use.</source>
        <translation>«%1» está dañado: «%2» no contiene un valor que Parvok pueda usar.</translation>
    </message>
    <message>
        <source>“%1” holds %2 states; a lesson holds at most %3.</source>
        <translation>«%1» contiene %2 estados; una lección contiene como máximo %3.</translation>
    </message>
    <message>
        <source>Untitled Lesson</source>
        <translation>Lección sin título</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Abrir lección</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>Guardar lección</translation>
    </message>
    <message>
        <source>“%1” could not be saved in “%2”: %3. The file there was left as it was.</source>
        <extracomment>%1 is the file&apos;s name, %2 its folder, %3 the system&apos;s reason.</extracomment>
        <translation>No se pudo guardar «%1» en «%2»: %3. El archivo que había allí quedó como estaba.</translation>
    </message>
    <message>
        <source>The lesson “%1” has changes that are not saved. Save them first?</source>
        <translation>La lección «%1» tiene cambios sin guardar. ¿Guardarlos primero?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>“%1” is not UTF-8 text, as a lesson file is: its byte %2 is not part of a character.</source>
        <translation>«%1» no es texto UTF-8, como debe serlo un archivo de lección: su byte %2 no forma parte de ningún carácter.</translation>
    </message>
    <message>
        <source>“%1” holds the number %2, which is beyond the largest number Parvok can use.</source>
        <extracomment>%2 is a number as the file writes it, such as 1e999.</extracomment>
        <translation>«%1» contiene el número %2, que supera el mayor número que Parvok puede usar.</translation>
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
        <translation>Detener</translation>
    </message>
    <message>
        <source>Wavefunction: real part in black, imaginary part in red</source>
        <translation>Función de onda: parte real en negro, parte imaginaria en rojo</translation>
    </message>
    <message>
        <source>Probability density</source>
        <translation>Densidad de probabilidad</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Show all states together</source>
        <translation>Mostrar todos los estados juntos</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Initial data:</source>
        <translation>Datos inic.:</translation>
    </message>
    <message>
        <source>mag:</source>
        <translation>mód:</translation>
    </message>
    <message>
        <source>ang:</source>
        <translation>áng:</translation>
    </message>
    <message>
        <source>Normalize</source>
        <translation>Normalizar</translation>
    </message>
    <message>
        <source>Normalize the magnitudes</source>
        <translation>Normalizar los módulos</translation>
    </message>
    <message>
        <source>Start or stop the animation</source>
        <translation>Iniciar o detener la animación</translation>
    </message>
    <message>
        <source>Phase speed</source>
        <translation>Velocidad de las fases</translation>
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
        <translation>Probabilidad</translation>
    </message>
    <message>
        <source>Phasor</source>
        <translation>Fasor</translation>
    </message>
    <message>
        <source>State %1: magnitude %2, angle %3 degrees</source>
        <translation>Estado %1: módulo %2, ángulo %3 grados</translation>
    </message>
    <message>
        <source>Phasor of state %1</source>
        <translation>Fasor del estado %1</translation>
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
        <translation>Mostrar solo el estado %1</translation>
    </message>
    <message>
        <source>Magnitude of state %1</source>
        <translation>Módulo del estado %1</translation>
    </message>
    <message>
        <source>Angle of state %1 in degrees</source>
        <translation>Ángulo del estado %1 en grados</translation>
    </message>
    <message>
        <source>(too fast to follow at this speed)</source>
        <translation>(demasiado rápido para seguirlo a esta velocidad)</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>Se guardó “%1”</translation>
    </message>
    <message>
        <source>x = %1 L</source>
        <translation>x = %1 L</translation>
    </message>
    <message>
        <source>collapsed to a bell %1 L wide, of which the six states hold %2 %</source>
        <translation>colapsado a una campana de %1 L de ancho, de la que los seis estados contienen el %2 %</translation>
    </message>
    <message>
        <source>E = %1 E₁ (n = %2)</source>
        <translation>E = %1 E₁ (n = %2)</translation>
    </message>
    <message>
        <source>collapsed to state %1</source>
        <translation>colapsado al estado %1</translation>
    </message>
    <message>
        <source>Add Current State</source>
        <translation>Añadir el estado actual</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Rename State</source>
        <translation>Cambiar el nombre del estado</translation>
    </message>
</context>
<context>
    <name>MeasurementsWndo</name>
    <message>
        <source>Positions found (blue) and L·&amp;|ψ(x, t)&amp;|^2 (red)</source>
        <translation>Posiciones encontradas (azul) y L·&amp;|ψ(x, t)&amp;|^2 (rojo)</translation>
    </message>
    <message>
        <source>Energies E_n = n^2 E_1 found (blue) and &amp;|c_n_&amp;|^2 (red)</source>
        <translation>Energías E_n = n^2 E_1 encontradas (azul) y &amp;|c_n_&amp;|^2 (rojo)</translation>
    </message>
    <message>
        <source>share</source>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>N = %1</source>
        <translation>N = %1</translation>
    </message>
    <message>
        <source>No χ² test: too few classes
with 5 outcomes expected</source>
        <translation>Sin prueba χ²: muy pocas clases
con 5 resultados esperados</translation>
    </message>
    <message>
        <source>χ² = %1 with %2 degrees of freedom</source>
        <translation>χ² = %1 con %2 grados de libertad</translation>
    </message>
    <message>
        <source>p = %1</source>
        <translation>p = %1</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mediciones</translation>
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
        <translation>+1000</translation>
    </message>
    <message>
        <source>+10,000</source>
        <translation>+10&#xa0;000</translation>
    </message>
    <message>
        <source>Measure %1 more copies in position and %1 in energy</source>
        <translation>Medir %1 copias más en posición y %1 en energía</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Semilla:</translation>
    </message>
    <message>
        <source>Seed of the random numbers: the same seed repeats the same outcomes</source>
        <translation>Semilla de los números aleatorios: la misma semilla repite los mismos resultados</translation>
    </message>
    <message>
        <source>Histogram of the positions found, over the density predicted</source>
        <translation>Histograma de las posiciones encontradas, sobre la densidad predicha</translation>
    </message>
    <message>
        <source>Share of each energy found, beside the weights predicted</source>
        <translation>Frecuencia de cada energía encontrada, junto a los pesos predichos</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615: the seed in use stays as it was.</source>
        <translation>La semilla es un número entero de 0 a 18446744073709551615: la semilla en uso sigue igual.</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posiciones</translation>
    </message>
    <message>
        <source>Energies</source>
        <translation>Energías</translation>
    </message>
    <message>
        <source>No particle: every magnitude is 0, so there is nothing to measure.</source>
        <translation>No hay partícula: todos los módulos son 0, así que no hay nada que medir.</translation>
    </message>
    <message>
        <source>Copies of the state at %1, each measured once; the state itself does not change.</source>
        <translation>Copias del estado en %1, medidas una vez cada una; el estado mismo no cambia.</translation>
    </message>
</context>
<context>
    <name>MenuBar1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>A&amp;nimación</translation>
    </message>
    <message>
        <source>&amp;Start/Stop</source>
        <translation>&amp;Iniciar/Detener</translation>
    </message>
    <message>
        <source>Start from the typed state, or stop: the Start button</source>
        <translation>Iniciar desde el estado introducido, o detener: el botón Iniciar</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume</source>
        <translation>&amp;Pausar/Reanudar</translation>
    </message>
    <message>
        <source>Hold the animation at this instant, or run on from it</source>
        <translation>Congelar la animación en este instante, o continuar desde él</translation>
    </message>
    <message>
        <source>Step &amp;Forward</source>
        <translation>&amp;Avanzar un fotograma</translation>
    </message>
    <message>
        <source>One frame forward at the current speed</source>
        <translation>Un fotograma hacia delante a la velocidad actual</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>Re&amp;troceder un fotograma</translation>
    </message>
    <message>
        <source>One frame back at the current speed</source>
        <translation>Un fotograma hacia atrás a la velocidad actual</translation>
    </message>
    <message>
        <source>Go to t = T₁/&amp;4</source>
        <translation>Ir a t = T₁/&amp;4</translation>
    </message>
    <message>
        <source>A quarter of the period of state 1 after Start</source>
        <translation>Un cuarto del período del estado 1 después de Iniciar</translation>
    </message>
    <message>
        <source>Go to t = T₁/&amp;2</source>
        <translation>Ir a t = T₁/&amp;2</translation>
    </message>
    <message>
        <source>Half the period of state 1: the density is the mirror image of the density at Start</source>
        <translation>Medio período del estado 1: la densidad es la imagen especular de la densidad inicial</translation>
    </message>
    <message>
        <source>Go to t = &amp;3T₁/4</source>
        <translation>Ir a t = &amp;3T₁/4</translation>
    </message>
    <message>
        <source>Three quarters of the period of state 1</source>
        <translation>Tres cuartos del período del estado 1</translation>
    </message>
    <message>
        <source>Go to t = T₁ (Re&amp;vival)</source>
        <translation>Ir a t = T₁ (resur&amp;gimiento)</translation>
    </message>
    <message>
        <source>One period of state 1: every state is back where it started</source>
        <translation>Un período del estado 1: todos los estados vuelven a estar como al principio</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>Back to t = 0, the typed state, paused</source>
        <translation>Volver a t = 0, al estado introducido, en pausa</translation>
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
        <translation>Solo el estado 1: su densidad permanece quieta</translation>
    </message>
    <message>
        <source>States &amp;1 and 2 in Equal Parts</source>
        <translation>Estados &amp;1 y 2 a partes iguales</translation>
    </message>
    <message>
        <source>The simplest superposition: the density sloshes</source>
        <translation>La superposición más sencilla: la densidad va y viene</translation>
    </message>
    <message>
        <source>States 1, 2 and &amp;3 in Equal Parts</source>
        <translation>Estados 1, 2 y &amp;3 a partes iguales</translation>
    </message>
    <message>
        <source>&amp;Packet Near x = L/4</source>
        <translation>&amp;Paquete cerca de x = L/4</translation>
    </message>
    <message>
        <source>A narrow bump near x = L/4, made of the six states</source>
        <translation>Un pico estrecho cerca de x = L/4, formado por los seis estados</translation>
    </message>
    <message>
        <source>&amp;Two Packets (Cat State)</source>
        <translation>&amp;Dos paquetes (estado gato)</translation>
    </message>
    <message>
        <source>Two bumps at once, near L/4 and 3L/4</source>
        <translation>Dos picos a la vez, cerca de L/4 y 3L/4</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Atajos de teclado</translation>
    </message>
    <message>
        <source>Every key of the program</source>
        <translation>Todas las teclas del programa</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Observables</source>
        <translation>&amp;Observables</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>&amp;Presentación</translation>
    </message>
    <message>
        <source>&amp;Export Picture…</source>
        <translation>&amp;Exportar imagen…</translation>
    </message>
    <message>
        <source>Save the plots and the phasors as they are now, as SVG, PDF or PNG</source>
        <translation>Guardar las gráficas y los fasores tal como están ahora, en SVG, PDF o PNG</translation>
    </message>
    <message>
        <source>Export &amp;Data…</source>
        <translation>Exportar &amp;datos…</translation>
    </message>
    <message>
        <source>Save the coefficients and the wavefunction at the 101 samples as CSV</source>
        <translation>Guardar en CSV los coeficientes y la función de onda en los 101 puntos</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Print the plots and the phasors as they are now, on one page</source>
        <translation>Imprimir las gráficas y los fasores tal como están ahora, en una página</translation>
    </message>
    <message>
        <source>Copy P&amp;icture</source>
        <translation>Copiar &amp;imagen</translation>
    </message>
    <message>
        <source>Put the plots and the phasors as they are now on the clipboard</source>
        <translation>Poner en el portapapeles las gráficas y los fasores tal como están ahora</translation>
    </message>
    <message>
        <source>Physical &amp;Scale</source>
        <translation>&amp;Escala física</translation>
    </message>
    <message>
        <source>Plot √L·ψ and L·|ψ|², the wavefunction to scale, in ranges that fit the state at every instant</source>
        <translation>Dibujar √L·ψ y L·|ψ|², la función de onda a escala, en intervalos que abarcan el estado en todo instante</translation>
    </message>
    <message>
        <source>&amp;Time Forward</source>
        <translation>Tiempo hacia &amp;delante</translation>
    </message>
    <message>
        <source>Turn the phases clockwise, as in nature, so that packets move with ⟨p⟩; the clock counts up either way</source>
        <translation>Girar las fases en sentido horario, como en la naturaleza, para que los paquetes se muevan según ⟨p⟩; el reloj avanza en ambos casos</translation>
    </message>
    <message>
        <source>Space-&amp;Time Picture</source>
        <translation>Imagen espacio-&amp;tiempo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Parvok…</source>
        <translation>A&amp;cerca de Parvok…</translation>
    </message>
    <message>
        <source>Three states: the density beats at three rates, 3, 5 and 8 × E₁/ħ</source>
        <translation>Tres estados: la densidad oscila con tres frecuencias, 3, 5 y 8 × E₁/ħ</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>&amp;Medir</translation>
    </message>
    <message>
        <source>Measure &amp;Position</source>
        <translation>Medir la &amp;posición</translation>
    </message>
    <message>
        <source>Find the particle at one place, drawn at random from |ψ(x, t)|²; off while every magnitude is 0</source>
        <translation>Encontrar la partícula en un punto, elegido al azar según |ψ(x, t)|²; desactivado mientras todos los módulos sean 0</translation>
    </message>
    <message>
        <source>Measure &amp;Energy</source>
        <translation>Medir la &amp;energía</translation>
    </message>
    <message>
        <source>Find one energy Eₙ = n² E₁, drawn at random with the probability |cₙ|²; off while every magnitude is 0</source>
        <translation>Encontrar una energía Eₙ = n² E₁, elegida al azar con la probabilidad |cₙ|²; desactivado mientras todos los módulos sean 0</translation>
    </message>
    <message>
        <source>&amp;Collapse on Measurement</source>
        <translation>&amp;Colapso al medir</translation>
    </message>
    <message>
        <source>A measurement changes the state: after it, the state is the one found, from t = 0</source>
        <translation>Una medición cambia el estado: después, el estado es el encontrado, desde t = 0</translation>
    </message>
    <message>
        <source>Collapse to a Bell %1 L Wide</source>
        <translation>Colapso a una campana de %1 L de ancho</translation>
    </message>
    <message>
        <source>The width, the standard deviation of |ψ|², of the state a position found leaves</source>
        <translation>La anchura, la desviación típica de |ψ|², del estado que deja una posición encontrada</translation>
    </message>
    <message>
        <source>Measure&amp;ments</source>
        <translation>&amp;Mediciones</translation>
    </message>
    <message>
        <source>&amp;Build a Packet…</source>
        <translation>&amp;Construir un paquete…</translation>
    </message>
    <message>
        <source>A Gaussian packet of your centre, width and momentum, as the six states hold it</source>
        <translation>Un paquete gaussiano con el centro, la anchura y el momento que elija, tal como lo representan los seis estados</translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation>&amp;Nueva lección</translation>
    </message>
    <message>
        <source>Start an empty lesson, to which States › Add Current State… adds states</source>
        <translation>Empezar una lección vacía, a la que Estados › Añadir el estado actual… añade estados</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open a lesson saved before</source>
        <translation>Abrir una lección guardada antes</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the lesson to its file</source>
        <translation>Guardar la lección en su archivo</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>Save the lesson to a file of another name</source>
        <translation>Guardar la lección en un archivo con otro nombre</translation>
    </message>
    <message>
        <source>&amp;Next State</source>
        <translation>Estado &amp;siguiente</translation>
    </message>
    <message>
        <source>The lesson&apos;s next state, at its time</source>
        <translation>El estado siguiente de la lección, en su instante</translation>
    </message>
    <message>
        <source>Pre&amp;vious State</source>
        <translation>Estado &amp;anterior</translation>
    </message>
    <message>
        <source>The lesson&apos;s state before, at its time</source>
        <translation>El estado anterior de la lección, en su instante</translation>
    </message>
    <message>
        <source>&amp;Add Current State…</source>
        <translation>Añadir el estado ac&amp;tual…</translation>
    </message>
    <message>
        <source>Add the state the fields hold to the lesson, with a name and a note</source>
        <translation>Añadir a la lección el estado de los campos, con un nombre y una nota</translation>
    </message>
    <message>
        <source>R&amp;ename State…</source>
        <translation>Cambiar el &amp;nombre del estado…</translation>
    </message>
    <message>
        <source>Give the lesson&apos;s current state another name or note</source>
        <translation>Dar otro nombre u otra nota al estado actual de la lección</translation>
    </message>
    <message>
        <source>Re&amp;move State</source>
        <translation>&amp;Quitar el estado</translation>
    </message>
    <message>
        <source>Take the current state out of the lesson</source>
        <translation>Quitar el estado actual de la lección</translation>
    </message>
    <message>
        <source>Move State &amp;Up</source>
        <translation>S&amp;ubir el estado</translation>
    </message>
    <message>
        <source>Show the current state one place earlier in the lesson</source>
        <translation>Mostrar el estado actual un lugar antes en la lección</translation>
    </message>
    <message>
        <source>Move State &amp;Down</source>
        <translation>&amp;Bajar el estado</translation>
    </message>
    <message>
        <source>Show the current state one place later in the lesson</source>
        <translation>Mostrar el estado actual un lugar después en la lección</translation>
    </message>
</context>
<context>
    <name>ObservablesWndo</name>
    <message>
        <source>Energy levels E_n = n^2 E_1</source>
        <extracomment>A plot title in the plot&apos;s markup: &quot;_&quot; and &quot;^&quot; begin a subscript and a superscript, a space ends it.</extracomment>
        <translation>Niveles de energía E_n = n^2 E_1</translation>
    </message>
    <message>
        <source>⟨x⟩ (black) and ⟨x⟩ ± $D$x (blue)</source>
        <extracomment>A plot title in the plot&apos;s markup: &quot;$D$&quot; is a Greek Delta.</extracomment>
        <translation>⟨x⟩ (negro) y ⟨x⟩ ± $D$x (azul)</translation>
    </message>
    <message>
        <source>Observables</source>
        <translation>Observables</translation>
    </message>
    <message>
        <source>Values of the whole state Σ cₙφₙ, whatever Total / n= shows in the main window.</source>
        <translation>Valores del estado completo Σ cₙφₙ, sea cual sea la opción Total / n= de la ventana principal.</translation>
    </message>
    <message>
        <source>Energy levels: the probability of each level, at n squared times E1, and the mean energy</source>
        <translation>Niveles de energía: la probabilidad de cada nivel, en n al cuadrado por E1, y la energía media</translation>
    </message>
    <message>
        <source>Mean position over the last two periods, with the band of one spread either side</source>
        <translation>Posición media durante los dos últimos períodos, con una banda de una desviación estándar a cada lado</translation>
    </message>
    <message>
        <source>Values of the observables</source>
        <translation>Valores de los observables</translation>
    </message>
    <message>
        <source>Running, t = %1 T₁</source>
        <translation>En marcha, t = %1 T₁</translation>
    </message>
    <message>
        <source>Stopped: the state at Start, t = 0</source>
        <translation>Detenida: el estado inicial, t = 0</translation>
    </message>
    <message>
        <source>Fields edited: press Normalize</source>
        <extracomment>The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>Campos editados: pulse Normalizar</translation>
    </message>
    <message>
        <source>No state: press Normalize, with at
least one magnitude that is not 0</source>
        <extracomment>The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>Sin estado: pulse Normalizar con
al menos un módulo distinto de 0</translation>
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
        <translation>En pausa, t = %1 T₁</translation>
    </message>
    <message>
        <source>Time runs backwards here, so the
packet moves against ⟨p⟩:
see Animation › Time Forward.</source>
        <extracomment>Below &lt;p&gt;. The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>Aquí el tiempo va hacia atrás, y
el paquete se mueve contra ⟨p⟩.
Véase Animación › Tiempo hacia
delante.</translation>
    </message>
    <message>
        <source>Momentum distribution</source>
        <translation>Distribución de momentos</translation>
    </message>
</context>
<context>
    <name>PacketWndo</name>
    <message>
        <source>Build a Packet</source>
        <translation>Construir un paquete</translation>
    </message>
    <message>
        <source>Centre x₀, in L:</source>
        <translation>Centro x₀, en L:</translation>
    </message>
    <message>
        <source>Width σ of the density, in L:</source>
        <translation>Anchura σ de la densidad, en L:</translation>
    </message>
    <message>
        <source>Mean momentum k₀, in πħ/L:</source>
        <translation>Momento medio k₀, en πħ/L:</translation>
    </message>
    <message>
        <source>The packet&apos;s density in black, the density of its part in the six states in red</source>
        <translation>La densidad del paquete en negro, la densidad de su parte en los seis estados en rojo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Black: the packet. Red: its part in the six states.</source>
        <translation>Negro: el paquete. Rojo: su parte en los seis estados.</translation>
    </message>
    <message>
        <source>The six states hold %1 % of the packet (Σ|cₙ|²).</source>
        <translation>Los seis estados contienen el %1 % del paquete (Σ|cₙ|²).</translation>
    </message>
    <message>
        <source>No packet: give a centre, a width above 0 and a momentum as numbers.</source>
        <translation>No hay paquete: indique un centro, una anchura mayor que 0 y un momento como números.</translation>
    </message>
</context>
<context>
    <name>PresentationWndo</name>
    <message>
        <source>Presentation</source>
        <translation>Presentación</translation>
    </message>
    <message>
        <source>Too small for the plots:
make the window larger.</source>
        <translation>Demasiado pequeña para las gráficas:
amplíe la ventana.</translation>
    </message>
    <message>
        <source>Wavefunction</source>
        <translation>Función de onda</translation>
    </message>
    <message>
        <source>Probability density</source>
        <translation>Densidad de probabilidad</translation>
    </message>
    <message>
        <source>N = √(2/L)·Σ|cₙ| over the states shown</source>
        <translation>N = √(2/L)·Σ|cₙ| sobre los estados mostrados</translation>
    </message>
    <message>
        <source>Re ψ in black, Im ψ in red; the y axis shows %1</source>
        <translation>Re ψ en negro, Im ψ en rojo; el eje y muestra %1</translation>
    </message>
    <message>
        <source>The y axis shows %1</source>
        <translation>El eje y muestra %1</translation>
    </message>
    <message>
        <source>; a blue line at the mean position ⟨x⟩, a bar from ⟨x⟩ − Δx to ⟨x⟩ + Δx</source>
        <translation>; una línea azul en la posición media ⟨x⟩, una barra de ⟨x⟩ − Δx a ⟨x⟩ + Δx</translation>
    </message>
    <message>
        <source>; in grey the density at t = 0</source>
        <translation>; en gris, la densidad en t = 0</translation>
    </message>
</context>
<context>
    <name>ShortcutsWndo</name>
    <message>
        <source>The next or the previous field, button or slider</source>
        <translation>El campo, botón o control deslizante siguiente o anterior</translation>
    </message>
    <message>
        <source>Presses the button that has the focus</source>
        <translation>Pulsa el botón que tiene el foco</translation>
    </message>
    <message>
        <source>Another choice of Total and n=1 … n=6, when one of them has the focus</source>
        <translation>Otra opción entre Total y n=1 … n=6, cuando una de ellas tiene el foco</translation>
    </message>
    <message>
        <source>The speed one step down or up, when the slider has the focus</source>
        <translation>Baja o sube la velocidad un paso, cuando el control deslizante tiene el foco</translation>
    </message>
    <message>
        <source>Speed 1 or 100</source>
        <translation>Velocidad 1 o 100</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menús</translation>
    </message>
    <message>
        <source>Controls and windows</source>
        <translation>Controles y ventanas</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>The speed 20 up or down</source>
        <translation>Sube o baja la velocidad 20</translation>
    </message>
    <message>
        <source>In the presentation view: full screen or not</source>
        <translation>En la presentación: pantalla completa o no</translation>
    </message>
    <message>
        <source>In the presentation view: leaves full screen, then closes the view</source>
        <translation>En la presentación: sale de la pantalla completa y después cierra la presentación</translation>
    </message>
    <message>
        <source>Closes the main window, and with it the program</source>
        <translation>Cierra la ventana principal y, con ella, el programa</translation>
    </message>
    <message>
        <source>In the presentation view: the mean position ⟨x⟩ and ⟨x⟩ ± Δx on the density, or not</source>
        <translation>En la presentación: la posición media ⟨x⟩ y ⟨x⟩ ± Δx sobre la densidad, o no</translation>
    </message>
    <message>
        <source>In the presentation view: the density at t = 0 in grey, or not</source>
        <translation>En la presentación: la densidad en t = 0 en gris, o no</translation>
    </message>
    <message>
        <source>In the presentation view: high contrast, thicker and darker, or not</source>
        <translation>En la presentación: alto contraste, líneas más gruesas y oscuras, o no</translation>
    </message>
    <message>
        <source>In the space-time picture: one frame on, wherever the focus is</source>
        <translation>En la imagen espacio-tiempo: un fotograma adelante, esté donde esté el foco</translation>
    </message>
    <message>
        <source>In the space-time picture: one frame back, wherever the focus is</source>
        <translation>En la imagen espacio-tiempo: un fotograma atrás, esté donde esté el foco</translation>
    </message>
    <message>
        <source>Closes the window in front, unless it is the main window</source>
        <translation>Cierra la ventana en primer plano, salvo la ventana principal</translation>
    </message>
    <message>
        <source>In Build a Packet: loads the packet into the fields</source>
        <translation>En Construir un paquete: carga el paquete en los campos</translation>
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
        <translation>Imagen espacio-tiempo</translation>
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
        <translation>Como se muestra</translation>
    </message>
    <message>
        <source>The states the main window shows</source>
        <translation>Los estados que muestra la ventana principal</translation>
    </message>
    <message>
        <source>Time span</source>
        <translation>Intervalo de tiempo</translation>
    </message>
    <message>
        <source>One period T1</source>
        <translation>Un periodo T1</translation>
    </message>
    <message>
        <source>Half a period T1/2</source>
        <translation>Medio periodo T1/2</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>To the largest</source>
        <translation>Hasta el máximo</translation>
    </message>
    <message>
        <source>Physical density L times psi squared</source>
        <translation>Densidad física L por psi al cuadrado</translation>
    </message>
    <message>
        <source>Colour bar</source>
        <translation>Barra de colores</translation>
    </message>
    <message>
        <source>Click or drag in the picture to go to that time; the arrow keys step a frame.</source>
        <translation>Haga clic o arrastre en la imagen para ir a ese instante; las teclas de flecha avanzan o retroceden un fotograma.</translation>
    </message>
    <message>
        <source>Probability density over position and time, time running downwards</source>
        <translation>Densidad de probabilidad según la posición y el tiempo, el tiempo hacia abajo</translation>
    </message>
</context>
<context>
    <name>StatePlots</name>
    <message>
        <source>√L·Re ψ in black and √L·Im ψ in red: the physical wavefunction</source>
        <translation>√L·Re ψ en negro y √L·Im ψ en rojo: la función de onda física</translation>
    </message>
    <message>
        <source>L·|ψ|²: the physical probability density; under the total, its area is 1</source>
        <translation>L·|ψ|²: la densidad de probabilidad física; para el total, el área bajo la curva es 1</translation>
    </message>
    <message>
        <source>Re in black and Im in red of Σ cₙ sin(nπx/L) over the states shown, divided by Σ|cₙ|: not to scale (View › Physical Scale)</source>
        <translation>Re en negro e Im en rojo de Σ cₙ sin(nπx/L) sobre los estados mostrados, divididas entre Σ|cₙ|: no a escala (Ver › Escala física)</translation>
    </message>
    <message>
        <source>|Σ cₙ sin(nπx/L)|² over the states shown, divided by (Σ|cₙ|)²: not to scale (View › Physical Scale)</source>
        <translation>|Σ cₙ sin(nπx/L)|² sobre los estados mostrados, dividido entre (Σ|cₙ|)²: no a escala (Ver › Escala física)</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Status</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Press Normalize to load the new values</source>
        <translation>Pulse Normalizar para cargar los nuevos valores</translation>
    </message>
    <message>
        <source>All magnitudes are 0: nothing to show or measure</source>
        <translation>Todos los módulos son 0: no hay nada que mostrar ni medir</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En marcha</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>frame %1</source>
        <translation>fotograma %1</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>velocidad %1</translation>
    </message>
    <message>
        <source>State %1 has magnitude 0</source>
        <translation>El estado %1 tiene módulo 0</translation>
    </message>
    <message>
        <source>t = %1 T₁</source>
        <translation>t = %1 T₁</translation>
    </message>
    <message>
        <source>Too fast to follow: state %1 turns 180° or more a frame</source>
        <translation>Demasiado rápido para seguirlo: el estado %1 gira 180° o más por fotograma</translation>
    </message>
    <message>
        <source>Too fast to follow: states %1 turn 180° or more a frame</source>
        <translation>Demasiado rápidos para seguirlos: los estados %1 giran 180° o más por fotograma</translation>
    </message>
</context>
</TS>
