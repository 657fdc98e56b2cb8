<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutWndo</name>
    <message>
        <source>About Parvok</source>
        <translation>Informazioni su Parvok</translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>SVG picture</source>
        <translation>Immagine SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Immagine PNG</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Esporta immagine</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copia immagine</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>The picture could not be printed: the printer could not be started.</source>
        <translation>Impossibile stampare l’immagine: non è stato possibile avviare la stampante.</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Esporta dati</translation>
    </message>
    <message>
        <source>CSV table</source>
        <translation>Tabella CSV</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sostituisci</translation>
    </message>
    <message>
        <source>there is not enough memory for it</source>
        <extracomment>The reason in “The picture could not be made: %1”.</extracomment>
        <translation>la memoria non è sufficiente</translation>
    </message>
    <message>
        <source>Parvok at t/T₁ = %1</source>
        <translation>Parvok a t/T₁ = %1</translation>
    </message>
    <message>
        <source>The picture could not be made: %1</source>
        <extracomment>%1 is the reason, such as “there is not enough memory for it”.</extracomment>
        <translation>Impossibile creare l’immagine: %1</translation>
    </message>
    <message>
        <source>A file named “%1” already exists in “%2”. Do you want to replace it?</source>
        <translation>Esiste già un file di nome “%1” in “%2”. Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>“%1” could not be made. Nothing was written.</source>
        <translation>Impossibile creare “%1”. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>“%1” could not be saved in “%2”: %3. Nothing was written there.</source>
        <extracomment>%1 is the file&apos;s name, %2 its folder, %3 the system&apos;s reason.</extracomment>
        <translation>Impossibile salvare “%1” in “%2”: %3. In quella cartella non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>“%1” cannot be saved in %2: it holds the system&apos;s devices and settings, not files. Choose another folder.</source>
        <extracomment>%1 is the file&apos;s name, %2 a folder such as /proc.</extracomment>
        <translation>Impossibile salvare “%1” in %2: quella cartella contiene i dispositivi e le impostazioni del sistema, non file. Scegliere un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>“%1” is not an ordinary file but a device, a pipe or a folder, and cannot be saved over. Choose another name.</source>
        <translation>“%1” non è un file normale ma un dispositivo, una pipe o una cartella, e non può essere sovrascritto. Scegliere un altro nome.</translation>
    </message>
</context>
<context>
    <name>LessonDocument</name>
    <message>
        <source>Parvok lesson</source>
        <translation>Lezione di Parvok</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Impossibile leggere «%1»: %2.</translation>
    </message>
    <message>
        <source>“%1” is a folder, a device or one of the system&apos;s files, not a lesson file.</source>
        <translation>«%1» è una cartella, un dispositivo o un file di sistema, non un file di lezione.</translation>
    </message>
    <message>
        <source>“%1” is too large for a lesson: it holds %2 bytes, and a lesson file at most %3.</source>
        <extracomment>%2 and %3 are sizes in bytes.</extracomment>
        <translation>«%1» è troppo grande per una lezione: contiene %2 byte, e un file di lezione al massimo %3.</translation>
    </message>
    <message>
        <source>“%1” is empty.</source>
        <translation>«%1» è vuoto.</translation>
    </message>
    <message>
        <source>“%1” is not a lesson file, or it was cut short: its text stops making sense at byte %2.</source>
        <translation>«%1» non è un file di lezione, oppure è stato troncato: il suo testo smette di avere senso al byte %2.</translation>
    </message>
    <message>
        <source>“%1” is not a Parvok lesson.</source>
        <translation>«%1» non è una lezione di Parvok.</translation>
    </message>
    <message>
        <source>“%1” was saved by a newer Parvok, in version %2 of the lesson format; this Parvok reads version %3 and older.</source>
        <extracomment>%2 and %3 are version numbers of the lesson format.</extracomment>
        <translation>«%1» è stato salvato da un Parvok più recente, nella versione %2 del formato delle lezioni; questo Parvok legge la versione %3 e precedenti.</translation>
    </message>
    <message>
        <source>“%1” is damaged: “%2” is missing.</source>
        <extracomment>%2 names a part of the file, such as states[2].name.</extracomment>
        <translation>«%1» è danneggiato: manca «%2».</translation>
    </message>
    <message>
        <source>“%1” holds “%2”, which a Parvok lesson does not have.</source>
        <translation>«%1» contiene «%2», che una lezione di Parvok non ha.</translation>
    </message>
    <message>
        <source>“%1” is damaged: “%2” does not hold a value Parvok can use.</source>
        <translation>«%1» è danneggiato: «%2» non contiene un valore che Parvok possa usare.</translation>
    </message>
    <message>
        <source>“%1” holds %2 states; a lesson holds at most %3.</source>
        <translation>«%1» contiene %2 stati; una lezione ne contiene al massimo %3.</translation>
    </message>
    <message>
        <source>Untitled Lesson</source>
        <translation>Lezione senza titolo</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Apri lezione</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>Salva lezione</translation>
    </message>
    <message>
        <source>“%1” could not be saved in “%2”: %3. The file there was left as it was.</source>
        <extracomment>%1 is the file&apos;s name, %2 its folder, %3 the system&apos;s reason.</extracomment>
        <translation>Impossibile salvare «%1» in «%2»: %3. Il file che c&apos;era è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>The lesson “%1” has changes that are not saved. Save them first?</source>
        <translation>La lezione «%1» ha modifiche non salvate. Salvarle prima?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifiche non salvate</translation>
    </message>
    <message>
        <source>“%1” is not UTF-8 text, as a lesson file is: its byte %2 is not part of a character.</source>
        <translation>«%1» non è testo UTF-8, come deve esserlo un file di lezione: il suo byte %2 non fa parte di alcun carattere.</translation>
    </message>
    <message>
        <source>“%1” holds the number %2, which is beyond the largest number Parvok can use.</source>
        <extracomment>%2 is a number as the file writes it, such as 1e999.</extracomment>
        <translation>«%1» contiene il numero %2, che supera il numero più grande che Parvok può usare.</translation>
    </message>
</context>
<context>
    <name>MainWndo</name>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Wavefunction: real part in black, imaginary part in red</source>
        <translation>Funzione d’onda: parte reale in nero, parte immaginaria in rosso</translation>
    </message>
    <message>
        <source>Probability density</source>
        <translation>Densità di probabilità</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Show all states together</source>
        <translation>Mostra tutti gli stati insieme</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Initial data:</source>
        <translation>Dati iniziali:</translation>
    </message>
    <message>
        <source>mag:</source>
        <translation>mod:</translation>
    </message>
    <message>
        <source>ang:</source>
        <translation>ang:</translation>
    </message>
    <message>
        <source>Normalize</source>
        <translation>Normalizza</translation>
    </message>
    <message>
        <source>Normalize the magnitudes</source>
        <translation>Normalizza i moduli</translation>
    </message>
    <message>
        <source>Start or stop the animation</source>
        <translation>Avvia o ferma l’animazione</translation>
    </message>
    <message>
        <source>Phase speed</source>
        <translation>Velocità delle fasi</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vel.:</translation>
    </message>
    <message>
        <source>Wavefunction</source>
        <translation>Funz. d’onda</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Probabilità</translation>
    </message>
    <message>
        <source>Phasor</source>
        <translation>Fasore</translation>
    </message>
    <message>
        <source>State %1: magnitude %2, angle %3 degrees</source>
        <translation>Stato %1: modulo %2, angolo %3 gradi</translation>
    </message>
    <message>
        <source>Phasor of state %1</source>
        <translation>Fasore dello stato %1</translation>
    </message>
    <message>
        <source>State %1</source>
        <translation>Stato %1</translation>
    </message>
    <message>
        <source>n=%1</source>
        <translation>n=%1</translation>
    </message>
    <message>
        <source>Show state %1 alone</source>
        <translation>Mostra solo lo stato %1</translation>
    </message>
    <message>
        <source>Magnitude of state %1</source>
        <translation>Modulo dello stato %1</translation>
    </message>
    <message>
        <source>Angle of state %1 in degrees</source>
        <translation>Angolo dello stato %1 in gradi</translation>
    </message>
    <message>
        <source>(too fast to follow at this speed)</source>
        <translation>(troppo veloce da seguire a questa velocità)</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>“%1” salvato</translation>
    </message>
    <message>
        <source>x = %1 L</source>
        <translation>x = %1 L</translation>
    </message>
    <message>
        <source>collapsed to a bell %1 L wide, of which the six states hold %2 %</source>
        <translation>collassato su una campana larga %1 L, di cui i sei stati contengono il %2 %</translation>
    </message>
    <message>
        <source>E = %1 E₁ (n = %2)</source>
        <translation>E = %1 E₁ (n = %2)</translation>
    </message>
    <message>
        <source>collapsed to state %1</source>
        <translation>collassato sullo stato %1</translation>
    </message>
    <message>
        <source>Add Current State</source>
        <translation>Aggiungi lo stato attuale</translation>
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
        <translation>Rinomina lo stato</translation>
    </message>
</context>
<context>
    <name>MeasurementsWndo</name>
    <message>
        <source>Positions found (blue) and L·&amp;|ψ(x, t)&amp;|^2 (red)</source>
        <translation>Posizioni trovate (blu) e L·&amp;|ψ(x, t)&amp;|^2 (rosso)</translation>
    </message>
    <message>
        <source>Energies E_n = n^2 E_1 found (blue) and &amp;|c_n_&amp;|^2 (red)</source>
        <translation>Energie E_n = n^2 E_1 trovate (blu) e &amp;|c_n_&amp;|^2 (rosso)</translation>
    </message>
    <message>
        <source>share</source>
        <translation>frequenza</translation>
    </message>
    <message>
        <source>N = %1</source>
        <translation>N = %1</translation>
    </message>
    <message>
        <source>No χ² test: too few classes
with 5 outcomes expected</source>
        <translation>Nessun test del χ²: troppo poche classi
con 5 risultati attesi</translation>
    </message>
    <message>
        <source>χ² = %1 with %2 degrees of freedom</source>
        <translation>χ² = %1 con %2 gradi di libertà</translation>
    </message>
    <message>
        <source>p = %1</source>
        <translation>p = %1</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Misure</translation>
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
        <translation>+10.000</translation>
    </message>
    <message>
        <source>Measure %1 more copies in position and %1 in energy</source>
        <translation>Misurare altre %1 copie in posizione e %1 in energia</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Seme:</translation>
    </message>
    <message>
        <source>Seed of the random numbers: the same seed repeats the same outcomes</source>
        <translation>Seme dei numeri casuali: lo stesso seme ripete gli stessi risultati</translation>
    </message>
    <message>
        <source>Histogram of the positions found, over the density predicted</source>
        <translation>Istogramma delle posizioni trovate, sulla densità prevista</translation>
    </message>
    <message>
        <source>Share of each energy found, beside the weights predicted</source>
        <translation>Frequenza di ogni energia trovata, accanto ai pesi previsti</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615: the seed in use stays as it was.</source>
        <translation>Il seme è un numero intero da 0 a 18446744073709551615: il seme in uso resta com’era.</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posizioni</translation>
    </message>
    <message>
        <source>Energies</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>No particle: every magnitude is 0, so there is nothing to measure.</source>
        <translation>Nessuna particella: tutti i moduli sono 0, quindi non c’è niente da misurare.</translation>
    </message>
    <message>
        <source>Copies of the state at %1, each measured once; the state itself does not change.</source>
        <translation>Copie dello stato a %1, misurate una volta ciascuna; lo stato stesso non cambia.</translation>
    </message>
</context>
<context>
    <name>MenuBar1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona t&amp;utto</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>&amp;Animazione</translation>
    </message>
    <message>
        <source>&amp;Start/Stop</source>
        <translation>&amp;Avvia/Ferma</translation>
    </message>
    <message>
        <source>Start from the typed state, or stop: the Start button</source>
        <translation>Avvia dallo stato digitato, oppure ferma: come il pulsante Avvia</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume</source>
        <translation>&amp;Pausa/Riprendi</translation>
    </message>
    <message>
        <source>Hold the animation at this instant, or run on from it</source>
        <translation>Blocca l’animazione in questo istante, o la fa ripartire da lì</translation>
    </message>
    <message>
        <source>Step &amp;Forward</source>
        <translation>Passo a&amp;vanti</translation>
    </message>
    <message>
        <source>One frame forward at the current speed</source>
        <translation>Un fotogramma avanti alla velocità attuale</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>Passo &amp;indietro</translation>
    </message>
    <message>
        <source>One frame back at the current speed</source>
        <translation>Un fotogramma indietro alla velocità attuale</translation>
    </message>
    <message>
        <source>Go to t = T₁/&amp;4</source>
        <translation>Vai a t = T₁/&amp;4</translation>
    </message>
    <message>
        <source>A quarter of the period of state 1 after Start</source>
        <translation>Un quarto del periodo dello stato 1 dopo l’avvio</translation>
    </message>
    <message>
        <source>Go to t = T₁/&amp;2</source>
        <translation>Vai a t = T₁/&amp;2</translation>
    </message>
    <message>
        <source>Half the period of state 1: the density is the mirror image of the density at Start</source>
        <translation>Metà del periodo dello stato 1: la densità è l’immagine speculare della densità all’avvio</translation>
    </message>
    <message>
        <source>Go to t = &amp;3T₁/4</source>
        <translation>Vai a t = &amp;3T₁/4</translation>
    </message>
    <message>
        <source>Three quarters of the period of state 1</source>
        <translation>Tre quarti del periodo dello stato 1</translation>
    </message>
    <message>
        <source>Go to t = T₁ (Re&amp;vival)</source>
        <translation>Vai a t = T₁ (&amp;revival)</translation>
    </message>
    <message>
        <source>One period of state 1: every state is back where it started</source>
        <translation>Un periodo dello stato 1: ogni stato è tornato com’era all’inizio</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>Ri&amp;comincia</translation>
    </message>
    <message>
        <source>Back to t = 0, the typed state, paused</source>
        <translation>Torna a t = 0, allo stato digitato, in pausa</translation>
    </message>
    <message>
        <source>&amp;States</source>
        <translation>S&amp;tati</translation>
    </message>
    <message>
        <source>&amp;Ground State</source>
        <translation>Stato &amp;fondamentale</translation>
    </message>
    <message>
        <source>State 1 alone: its density stands still</source>
        <translation>Solo lo stato 1: la sua densità resta ferma</translation>
    </message>
    <message>
        <source>States &amp;1 and 2 in Equal Parts</source>
        <translation>Stati &amp;1 e 2 in parti uguali</translation>
    </message>
    <message>
        <source>The simplest superposition: the density sloshes</source>
        <translation>La sovrapposizione più semplice: la densità oscilla avanti e indietro</translation>
    </message>
    <message>
        <source>States 1, 2 and &amp;3 in Equal Parts</source>
        <translation>Stati 1, 2 e &amp;3 in parti uguali</translation>
    </message>
    <message>
        <source>&amp;Packet Near x = L/4</source>
        <translation>&amp;Pacchetto vicino a x = L/4</translation>
    </message>
    <message>
        <source>A narrow bump near x = L/4, made of the six states</source>
        <translation>Un picco stretto vicino a x = L/4, formato dai sei stati</translation>
    </message>
    <message>
        <source>&amp;Two Packets (Cat State)</source>
        <translation>&amp;Due pacchetti (stato gatto)</translation>
    </message>
    <message>
        <source>Two bumps at once, near L/4 and 3L/4</source>
        <translation>Due picchi insieme, vicino a L/4 e a 3L/4</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Every key of the program</source>
        <translation>Tutti i tasti del programma</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Observables</source>
        <translation>&amp;Osservabili</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>&amp;Presentazione</translation>
    </message>
    <message>
        <source>&amp;Export Picture…</source>
        <translation>Esporta &amp;immagine…</translation>
    </message>
    <message>
        <source>Save the plots and the phasors as they are now, as SVG, PDF or PNG</source>
        <translation>Salva i grafici e i fasori così come sono ora, in SVG, PDF o PNG</translation>
    </message>
    <message>
        <source>Export &amp;Data…</source>
        <translation>Esporta &amp;dati…</translation>
    </message>
    <message>
        <source>Save the coefficients and the wavefunction at the 101 samples as CSV</source>
        <translation>Salva in CSV i coefficienti e la funzione d’onda nei 101 punti</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>Print the plots and the phasors as they are now, on one page</source>
        <translation>Stampa i grafici e i fasori così come sono ora, su una pagina</translation>
    </message>
    <message>
        <source>Copy P&amp;icture</source>
        <translation>Copia i&amp;mmagine</translation>
    </message>
    <message>
        <source>Put the plots and the phasors as they are now on the clipboard</source>
        <translation>Copia negli appunti i grafici e i fasori così come sono ora</translation>
    </message>
    <message>
        <source>Physical &amp;Scale</source>
        <translation>&amp;Scala fisica</translation>
    </message>
    <message>
        <source>Plot √L·ψ and L·|ψ|², the wavefunction to scale, in ranges that fit the state at every instant</source>
        <translation>Traccia √L·ψ e L·|ψ|², la funzione d’onda in scala, in intervalli che contengono lo stato in ogni istante</translation>
    </message>
    <message>
        <source>&amp;Time Forward</source>
        <translation>&amp;Tempo in avanti</translation>
    </message>
    <message>
        <source>Turn the phases clockwise, as in nature, so that packets move with ⟨p⟩; the clock counts up either way</source>
        <translation>Ruota le fasi in senso orario, come in natura, così che i pacchetti si muovano secondo ⟨p⟩; l’orologio avanza in entrambi i casi</translation>
    </message>
    <message>
        <source>Space-&amp;Time Picture</source>
        <translation>Immagine spazio-&amp;tempo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;uto</translation>
    </message>
    <message>
        <source>&amp;About Parvok…</source>
        <translation>&amp;Informazioni su Parvok…</translation>
    </message>
    <message>
        <source>Three states: the density beats at three rates, 3, 5 and 8 × E₁/ħ</source>
        <translation>Tre stati: nella densità ci sono battimenti a tre frequenze, 3, 5 e 8 × E₁/ħ</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>M&amp;isura</translation>
    </message>
    <message>
        <source>Measure &amp;Position</source>
        <translation>Misura la &amp;posizione</translation>
    </message>
    <message>
        <source>Find the particle at one place, drawn at random from |ψ(x, t)|²; off while every magnitude is 0</source>
        <translation>Trovare la particella in un punto, estratto a caso secondo |ψ(x, t)|²; disattivato finché tutti i moduli sono 0</translation>
    </message>
    <message>
        <source>Measure &amp;Energy</source>
        <translation>Misura l’&amp;energia</translation>
    </message>
    <message>
        <source>Find one energy Eₙ = n² E₁, drawn at random with the probability |cₙ|²; off while every magnitude is 0</source>
        <translation>Trovare un’energia Eₙ = n² E₁, estratta a caso con probabilità |cₙ|²; disattivato finché tutti i moduli sono 0</translation>
    </message>
    <message>
        <source>&amp;Collapse on Measurement</source>
        <translation>&amp;Collasso alla misura</translation>
    </message>
    <message>
        <source>A measurement changes the state: after it, the state is the one found, from t = 0</source>
        <translation>Una misura cambia lo stato: dopo, lo stato è quello trovato, a partire da t = 0</translation>
    </message>
    <message>
        <source>Collapse to a Bell %1 L Wide</source>
        <translation>Collasso su una campana larga %1 L</translation>
    </message>
    <message>
        <source>The width, the standard deviation of |ψ|², of the state a position found leaves</source>
        <translation>La larghezza, la deviazione standard di |ψ|², dello stato lasciato da una posizione trovata</translation>
    </message>
    <message>
        <source>Measure&amp;ments</source>
        <translation>&amp;Misure</translation>
    </message>
    <message>
        <source>&amp;Build a Packet…</source>
        <translation>&amp;Costruisci un pacchetto…</translation>
    </message>
    <message>
        <source>A Gaussian packet of your centre, width and momentum, as the six states hold it</source>
        <translation>Un pacchetto gaussiano con centro, larghezza e impulso a scelta, come lo rappresentano i sei stati</translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation>&amp;Nuova lezione</translation>
    </message>
    <message>
        <source>Start an empty lesson, to which States › Add Current State… adds states</source>
        <translation>Iniziare una lezione vuota, a cui Stati › Aggiungi lo stato attuale… aggiunge stati</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>Open a lesson saved before</source>
        <translation>Apri una lezione salvata in precedenza</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Sal&amp;va</translation>
    </message>
    <message>
        <source>Save the lesson to its file</source>
        <translation>Salva la lezione nel suo file</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Salva &amp;con nome…</translation>
    </message>
    <message>
        <source>Save the lesson to a file of another name</source>
        <translation>Salva la lezione in un file con un altro nome</translation>
    </message>
    <message>
        <source>&amp;Next State</source>
        <translation>&amp;Stato successivo</translation>
    </message>
    <message>
        <source>The lesson&apos;s next state, at its time</source>
        <translation>Lo stato successivo della lezione, al suo istante</translation>
    </message>
    <message>
        <source>Pre&amp;vious State</source>
        <translation>Stato p&amp;recedente</translation>
    </message>
    <message>
        <source>The lesson&apos;s state before, at its time</source>
        <translation>Lo stato precedente della lezione, al suo istante</translation>
    </message>
    <message>
        <source>&amp;Add Current State…</source>
        <translation>&amp;Aggiungi lo stato attuale…</translation>
    </message>
    <message>
        <source>Add the state the fields hold to the lesson, with a name and a note</source>
        <translation>Aggiungi alla lezione lo stato dei campi, con un nome e una nota</translation>
    </message>
    <message>
        <source>R&amp;ename State…</source>
        <translation>Ri&amp;nomina lo stato…</translation>
    </message>
    <message>
        <source>Give the lesson&apos;s current state another name or note</source>
        <translation>Dai un altro nome o un&apos;altra nota allo stato attuale della lezione</translation>
    </message>
    <message>
        <source>Re&amp;move State</source>
        <translation>Ri&amp;muovi lo stato</translation>
    </message>
    <message>
        <source>Take the current state out of the lesson</source>
        <translation>Togli lo stato attuale dalla lezione</translation>
    </message>
    <message>
        <source>Move State &amp;Up</source>
        <translation>Sposta lo stato in s&amp;u</translation>
    </message>
    <message>
        <source>Show the current state one place earlier in the lesson</source>
        <translation>Mostra lo stato attuale un posto prima nella lezione</translation>
    </message>
    <message>
        <source>Move State &amp;Down</source>
        <translation>Sposta lo stato in &amp;giù</translation>
    </message>
    <message>
        <source>Show the current state one place later in the lesson</source>
        <translation>Mostra lo stato attuale un posto dopo nella lezione</translation>
    </message>
</context>
<context>
    <name>ObservablesWndo</name>
    <message>
        <source>Energy levels E_n = n^2 E_1</source>
        <extracomment>A plot title in the plot&apos;s markup: &quot;_&quot; and &quot;^&quot; begin a subscript and a superscript, a space ends it.</extracomment>
        <translation>Livelli di energia E_n = n^2 E_1</translation>
    </message>
    <message>
        <source>⟨x⟩ (black) and ⟨x⟩ ± $D$x (blue)</source>
        <extracomment>A plot title in the plot&apos;s markup: &quot;$D$&quot; is a Greek Delta.</extracomment>
        <translation>⟨x⟩ (nero) e ⟨x⟩ ± $D$x (blu)</translation>
    </message>
    <message>
        <source>Observables</source>
        <translation>Osservabili</translation>
    </message>
    <message>
        <source>Values of the whole state Σ cₙφₙ, whatever Total / n= shows in the main window.</source>
        <translation>Valori dello stato completo Σ cₙφₙ, qualunque cosa mostri Totale / n= nella finestra principale.</translation>
    </message>
    <message>
        <source>Energy levels: the probability of each level, at n squared times E1, and the mean energy</source>
        <translation>Livelli di energia: la probabilità di ciascun livello, a n al quadrato per E1, e l’energia media</translation>
    </message>
    <message>
        <source>Mean position over the last two periods, with the band of one spread either side</source>
        <translation>Posizione media negli ultimi due periodi, con una fascia ampia una dispersione per lato</translation>
    </message>
    <message>
        <source>Values of the observables</source>
        <translation>Valori delle osservabili</translation>
    </message>
    <message>
        <source>Running, t = %1 T₁</source>
        <translation>In corso, t = %1 T₁</translation>
    </message>
    <message>
        <source>Stopped: the state at Start, t = 0</source>
        <translation>Fermo: lo stato all’avvio, t = 0</translation>
    </message>
    <message>
        <source>Fields edited: press Normalize</source>
        <extracomment>The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>Campi modificati: premi Normalizza</translation>
    </message>
    <message>
        <source>No state: press Normalize, with at
least one magnitude that is not 0</source>
        <extracomment>The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>Nessuno stato: premi Normalizza,
con almeno un modulo diverso da 0</translation>
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
        <translation>In pausa, t = %1 T₁</translation>
    </message>
    <message>
        <source>Time runs backwards here, so the
packet moves against ⟨p⟩:
see Animation › Time Forward.</source>
        <extracomment>Below &lt;p&gt;. The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>Qui il tempo va a ritroso, così
il pacchetto va contro ⟨p⟩.
Vedi Animazione › Tempo in avanti.</translation>
    </message>
    <message>
        <source>Momentum distribution</source>
        <translation>Densità di probabilità dell’impulso</translation>
    </message>
</context>
<context>
    <name>PacketWndo</name>
    <message>
        <source>Build a Packet</source>
        <translation>Costruisci un pacchetto</translation>
    </message>
    <message>
        <source>Centre x₀, in L:</source>
        <translation>Centro x₀, in L:</translation>
    </message>
    <message>
        <source>Width σ of the density, in L:</source>
        <translation>Larghezza σ della densità, in L:</translation>
    </message>
    <message>
        <source>Mean momentum k₀, in πħ/L:</source>
        <translation>Impulso medio k₀, in πħ/L:</translation>
    </message>
    <message>
        <source>The packet&apos;s density in black, the density of its part in the six states in red</source>
        <translation>La densità del pacchetto in nero, la densità della sua parte nei sei stati in rosso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Black: the packet. Red: its part in the six states.</source>
        <translation>Nero: il pacchetto. Rosso: la sua parte nei sei stati.</translation>
    </message>
    <message>
        <source>The six states hold %1 % of the packet (Σ|cₙ|²).</source>
        <translation>I sei stati contengono il %1 % del pacchetto (Σ|cₙ|²).</translation>
    </message>
    <message>
        <source>No packet: give a centre, a width above 0 and a momentum as numbers.</source>
        <translation>Nessun pacchetto: indicate un centro, una larghezza maggiore di 0 e un impulso come numeri.</translation>
    </message>
</context>
<context>
    <name>PresentationWndo</name>
    <message>
        <source>Presentation</source>
        <translation>Presentazione</translation>
    </message>
    <message>
        <source>Too small for the plots:
make the window larger.</source>
        <translation>Troppo piccola per i grafici:
ingrandisci la finestra.</translation>
    </message>
    <message>
        <source>Wavefunction</source>
        <translation>Funzione d’onda</translation>
    </message>
    <message>
        <source>Probability density</source>
        <translation>Densità di probabilità</translation>
    </message>
    <message>
        <source>N = √(2/L)·Σ|cₙ| over the states shown</source>
        <translation>N = √(2/L)·Σ|cₙ| sugli stati mostrati</translation>
    </message>
    <message>
        <source>Re ψ in black, Im ψ in red; the y axis shows %1</source>
        <translation>Re ψ in nero, Im ψ in rosso; l’asse y mostra %1</translation>
    </message>
    <message>
        <source>The y axis shows %1</source>
        <translation>L’asse y mostra %1</translation>
    </message>
    <message>
        <source>; a blue line at the mean position ⟨x⟩, a bar from ⟨x⟩ − Δx to ⟨x⟩ + Δx</source>
        <translation>; una linea blu nella posizione media ⟨x⟩, una barra da ⟨x⟩ − Δx a ⟨x⟩ + Δx</translation>
    </message>
    <message>
        <source>; in grey the density at t = 0</source>
        <translation>; in grigio la densità a t = 0</translation>
    </message>
</context>
<context>
    <name>ShortcutsWndo</name>
    <message>
        <source>The next or the previous field, button or slider</source>
        <translation>Campo, pulsante o cursore successivo o precedente</translation>
    </message>
    <message>
        <source>Presses the button that has the focus</source>
        <translation>Preme il pulsante che ha il focus</translation>
    </message>
    <message>
        <source>Another choice of Total and n=1 … n=6, when one of them has the focus</source>
        <translation>Un’altra scelta tra Totale e n=1 … n=6, quando uno di essi ha il focus</translation>
    </message>
    <message>
        <source>The speed one step down or up, when the slider has the focus</source>
        <translation>Velocità più bassa o più alta di un passo, quando il cursore ha il focus</translation>
    </message>
    <message>
        <source>Speed 1 or 100</source>
        <translation>Velocità 1 o 100</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Controls and windows</source>
        <translation>Controlli e finestre</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>The speed 20 up or down</source>
        <translation>Velocità più alta o più bassa di 20</translation>
    </message>
    <message>
        <source>In the presentation view: full screen or not</source>
        <translation>Nella presentazione: schermo intero sì o no</translation>
    </message>
    <message>
        <source>In the presentation view: leaves full screen, then closes the view</source>
        <translation>Nella presentazione: esce dallo schermo intero, poi chiude la presentazione</translation>
    </message>
    <message>
        <source>Closes the main window, and with it the program</source>
        <translation>Chiude la finestra principale e con essa il programma</translation>
    </message>
    <message>
        <source>In the presentation view: the mean position ⟨x⟩ and ⟨x⟩ ± Δx on the density, or not</source>
        <translation>Nella presentazione: posizione media ⟨x⟩ e ⟨x⟩ ± Δx sulla densità, sì o no</translation>
    </message>
    <message>
        <source>In the presentation view: the density at t = 0 in grey, or not</source>
        <translation>Nella presentazione: la densità a t = 0 in grigio, sì o no</translation>
    </message>
    <message>
        <source>In the presentation view: high contrast, thicker and darker, or not</source>
        <translation>Nella presentazione: contrasto elevato, linee più spesse e più scure, sì o no</translation>
    </message>
    <message>
        <source>In the space-time picture: one frame on, wherever the focus is</source>
        <translation>Nell’immagine spazio-tempo: un fotogramma avanti, ovunque sia il focus</translation>
    </message>
    <message>
        <source>In the space-time picture: one frame back, wherever the focus is</source>
        <translation>Nell’immagine spazio-tempo: un fotogramma indietro, ovunque sia il focus</translation>
    </message>
    <message>
        <source>Closes the window in front, unless it is the main window</source>
        <translation>Chiude la finestra in primo piano, tranne la finestra principale</translation>
    </message>
    <message>
        <source>In Build a Packet: loads the packet into the fields</source>
        <translation>In Costruisci un pacchetto: carica il pacchetto nei campi</translation>
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
        <translation>Immagine spazio-tempo</translation>
    </message>
    <message>
        <source>States</source>
        <translation>Stati</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>As shown</source>
        <translation>Come mostrato</translation>
    </message>
    <message>
        <source>The states the main window shows</source>
        <translation>Gli stati mostrati dalla finestra principale</translation>
    </message>
    <message>
        <source>Time span</source>
        <translation>Intervallo di tempo</translation>
    </message>
    <message>
        <source>One period T1</source>
        <translation>Un periodo T1</translation>
    </message>
    <message>
        <source>Half a period T1/2</source>
        <translation>Mezzo periodo T1/2</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>To the largest</source>
        <translation>Fino al massimo</translation>
    </message>
    <message>
        <source>Physical density L times psi squared</source>
        <translation>Densità fisica L per psi al quadrato</translation>
    </message>
    <message>
        <source>Colour bar</source>
        <translation>Barra dei colori</translation>
    </message>
    <message>
        <source>Click or drag in the picture to go to that time; the arrow keys step a frame.</source>
        <translation>Fai clic o trascina nell’immagine per andare a quell’istante; i tasti freccia avanzano o arretrano di un fotogramma.</translation>
    </message>
    <message>
        <source>Probability density over position and time, time running downwards</source>
        <translation>Densità di probabilità in funzione di posizione e tempo, il tempo verso il basso</translation>
    </message>
</context>
<context>
    <name>StatePlots</name>
    <message>
        <source>√L·Re ψ in black and √L·Im ψ in red: the physical wavefunction</source>
        <translation>√L·Re ψ in nero e √L·Im ψ in rosso: la funzione d’onda fisica</translation>
    </message>
    <message>
        <source>L·|ψ|²: the physical probability density; under the total, its area is 1</source>
        <translation>L·|ψ|²: la densità di probabilità fisica; per il totale l’area sotto la curva è 1</translation>
    </message>
    <message>
        <source>Re in black and Im in red of Σ cₙ sin(nπx/L) over the states shown, divided by Σ|cₙ|: not to scale (View › Physical Scale)</source>
        <translation>Re in nero e Im in rosso di Σ cₙ sin(nπx/L) sugli stati mostrati, divise per Σ|cₙ|: non in scala (Visualizza › Scala fisica)</translation>
    </message>
    <message>
        <source>|Σ cₙ sin(nπx/L)|² over the states shown, divided by (Σ|cₙ|)²: not to scale (View › Physical Scale)</source>
        <translation>|Σ cₙ sin(nπx/L)|² sugli stati mostrati, diviso per (Σ|cₙ|)²: non in scala (Visualizza › Scala fisica)</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Status</source>
        <translation>Riga di stato</translation>
    </message>
    <message>
        <source>Press Normalize to load the new values</source>
        <translation>Premi Normalizza per caricare i nuovi valori</translation>
    </message>
    <message>
        <source>All magnitudes are 0: nothing to show or measure</source>
        <translation>Tutti i moduli sono 0: niente da mostrare né da misurare</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>In corso</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>frame %1</source>
        <translation>fotogramma %1</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>velocità %1</translation>
    </message>
    <message>
        <source>State %1 has magnitude 0</source>
        <translation>Lo stato %1 ha modulo 0</translation>
    </message>
    <message>
        <source>t = %1 T₁</source>
        <translation>t = %1 T₁</translation>
    </message>
    <message>
        <source>Too fast to follow: state %1 turns 180° or more a frame</source>
        <translation>Troppo veloce da seguire: lo stato %1 ruota di 180° o più per fotogramma</translation>
    </message>
    <message>
        <source>Too fast to follow: states %1 turn 180° or more a frame</source>
        <translation>Troppo veloci da seguire: gli stati %1 ruotano di 180° o più per fotogramma</translation>
    </message>
</context>
</TS>
