<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWndo</name>
    <message>
        <source>About Parvok</source>
        <translation>Über Parvok</translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>SVG picture</source>
        <translation>SVG-Grafik</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>The picture could not be printed: the printer could not be started.</source>
        <translation>Das Bild konnte nicht gedruckt werden: Der Drucker ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>CSV table</source>
        <translation>CSV-Tabelle</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>there is not enough memory for it</source>
        <extracomment>The reason in “The picture could not be made: %1”.</extracomment>
        <translation>dafür reicht der Speicher nicht</translation>
    </message>
    <message>
        <source>Parvok at t/T₁ = %1</source>
        <translation>Parvok bei t/T₁ = %1</translation>
    </message>
    <message>
        <source>The picture could not be made: %1</source>
        <extracomment>%1 is the reason, such as “there is not enough memory for it”.</extracomment>
        <translation>Das Bild konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>A file named “%1” already exists in “%2”. Do you want to replace it?</source>
        <translation>Eine Datei namens „%1“ gibt es in „%2“ bereits. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>“%1” could not be made. Nothing was written.</source>
        <translation>„%1“ konnte nicht erstellt werden. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>“%1” could not be saved in “%2”: %3. Nothing was written there.</source>
        <extracomment>%1 is the file&apos;s name, %2 its folder, %3 the system&apos;s reason.</extracomment>
        <translation>„%1“ konnte nicht in „%2“ gespeichert werden: %3. Dort wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>“%1” cannot be saved in %2: it holds the system&apos;s devices and settings, not files. Choose another folder.</source>
        <extracomment>%1 is the file&apos;s name, %2 a folder such as /proc.</extracomment>
        <translation>„%1“ kann nicht in %2 gespeichert werden: Dort liegen die Geräte und Einstellungen des Systems, keine Dateien. Wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>“%1” is not an ordinary file but a device, a pipe or a folder, and cannot be saved over. Choose another name.</source>
        <translation>„%1“ ist keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder ein Ordner, und kann nicht überschrieben werden. Wählen Sie einen anderen Namen.</translation>
    </message>
</context>
<context>
    <name>LessonDocument</name>
    <message>
        <source>Parvok lesson</source>
        <translation>Parvok-Unterrichtsstunde</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>„%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>“%1” is a folder, a device or one of the system&apos;s files, not a lesson file.</source>
        <translation>„%1“ ist ein Ordner, ein Gerät oder eine Datei des Systems, keine Datei einer Unterrichtsstunde.</translation>
    </message>
    <message>
        <source>“%1” is too large for a lesson: it holds %2 bytes, and a lesson file at most %3.</source>
        <extracomment>%2 and %3 are sizes in bytes.</extracomment>
        <translation>„%1“ ist zu groß für eine Unterrichtsstunde: Die Datei hat %2 Bytes, eine Unterrichtsstunde höchstens %3.</translation>
    </message>
    <message>
        <source>“%1” is empty.</source>
        <translation>„%1“ ist leer.</translation>
    </message>
    <message>
        <source>“%1” is not a lesson file, or it was cut short: its text stops making sense at byte %2.</source>
        <translation>„%1“ ist keine Datei einer Unterrichtsstunde, oder sie wurde abgeschnitten: Ihr Text ergibt ab Byte %2 keinen Sinn mehr.</translation>
    </message>
    <message>
        <source>“%1” is not a Parvok lesson.</source>
        <translation>„%1“ ist keine Parvok-Unterrichtsstunde.</translation>
    </message>
    <message>
        <source>“%1” was saved by a newer Parvok, in version %2 of the lesson format; this Parvok reads version %3 and older.</source>
        <extracomment>%2 and %3 are version numbers of the lesson format.</extracomment>
        <translation>„%1“ wurde von einem neueren Parvok gespeichert, in Version %2 des Formats; dieses Parvok liest Version %3 und ältere.</translation>
    </message>
    <message>
        <source>“%1” is damaged: “%2” is missing.</source>
        <extracomment>%2 names a part of the file, such as states[2].name.</extracomment>
        <translation>„%1“ ist beschädigt: „%2“ fehlt.</translation>
    </message>
    <message>
        <source>“%1” holds “%2”, which a Parvok lesson does not have.</source>
        <translation>„%1“ enthält „%2“, was eine Parvok-Unterrichtsstunde nicht hat.</translation>
    </message>
    <message>
        <source>“%1” is damaged: “%2” does not hold a value Parvok can use.</source>
        <translation>„%1“ ist beschädigt: „%2“ enthält keinen Wert, den Parvok verwenden kann.</translation>
    </message>
    <message>
        <source>“%1” holds %2 states; a lesson holds at most %3.</source>
        <translation>„%1“ enthält %2 Zustände; eine Unterrichtsstunde enthält höchstens %3.</translation>
    </message>
    <message>
        <source>Untitled Lesson</source>
        <translation>Unbenannte Unterrichtsstunde</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Unterrichtsstunde öffnen</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>Unterrichtsstunde speichern</translation>
    </message>
    <message>
        <source>“%1” could not be saved in “%2”: %3. The file there was left as it was.</source>
        <extracomment>%1 is the file&apos;s name, %2 its folder, %3 the system&apos;s reason.</extracomment>
        <translation>„%1“ konnte nicht in „%2“ gespeichert werden: %3. Die Datei dort blieb unverändert.</translation>
    </message>
    <message>
        <source>The lesson “%1” has changes that are not saved. Save them first?</source>
        <translation>Die Unterrichtsstunde „%1“ hat Änderungen, die nicht gespeichert sind. Zuerst speichern?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Nicht gespeicherte Änderungen</translation>
    </message>
    <message>
        <source>“%1” is not UTF-8 text, as a lesson file is: its byte %2 is not part of a character.</source>
        <translation>„%1“ ist kein UTF-8-Text, wie es die Datei einer Unterrichtsstunde sein muss: Byte %2 gehört zu keinem Zeichen.</translation>
    </message>
    <message>
        <source>“%1” holds the number %2, which is beyond the largest number Parvok can use.</source>
        <extracomment>%2 is a number as the file writes it, such as 1e999.</extracomment>
        <translation>„%1“ enthält die Zahl %2, die größer ist als die größte Zahl, mit der Parvok rechnen kann.</translation>
    </message>
</context>
<context>
    <name>MainWndo</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Wavefunction: real part in black, imaginary part in red</source>
        <translation>Wellenfunktion: Realteil schwarz, Imaginärteil rot</translation>
    </message>
    <message>
        <source>Probability density</source>
        <translation>Wahrscheinlichkeitsdichte</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Show all states together</source>
        <translation>Alle Zustände zusammen zeigen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Initial data:</source>
        <translation>Startwerte:</translation>
    </message>
    <message>
        <source>mag:</source>
        <translation>Betr.:</translation>
    </message>
    <message>
        <source>ang:</source>
        <translation>φ:</translation>
    </message>
    <message>
        <source>Normalize</source>
        <translation>Normieren</translation>
    </message>
    <message>
        <source>Normalize the magnitudes</source>
        <translation>Die Beträge normieren</translation>
    </message>
    <message>
        <source>Start or stop the animation</source>
        <translation>Animation starten oder stoppen</translation>
    </message>
    <message>
        <source>Phase speed</source>
        <translation>Tempo der Phasen</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Wavefunction</source>
        <translation>Wellenfunktion</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Wahrscheinl.</translation>
    </message>
    <message>
        <source>Phasor</source>
        <translation>Zeiger</translation>
    </message>
    <message>
        <source>State %1: magnitude %2, angle %3 degrees</source>
        <translation>Zustand %1: Betrag %2, Winkel %3 Grad</translation>
    </message>
    <message>
        <source>Phasor of state %1</source>
        <translation>Zeiger von Zustand %1</translation>
    </message>
    <message>
        <source>State %1</source>
        <translation>Zustand %1</translation>
    </message>
    <message>
        <source>n=%1</source>
        <translation>n=%1</translation>
    </message>
    <message>
        <source>Show state %1 alone</source>
        <translation>Nur Zustand %1 zeigen</translation>
    </message>
    <message>
        <source>Magnitude of state %1</source>
        <translation>Betrag von Zustand %1</translation>
    </message>
    <message>
        <source>Angle of state %1 in degrees</source>
        <translation>Winkel von Zustand %1 in Grad</translation>
    </message>
    <message>
        <source>(too fast to follow at this speed)</source>
        <translation>(bei dieser Geschwindigkeit zu schnell fürs Auge)</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>„%1“ gespeichert</translation>
    </message>
    <message>
        <source>x = %1 L</source>
        <translation>x = %1 L</translation>
    </message>
    <message>
        <source>collapsed to a bell %1 L wide, of which the six states hold %2 %</source>
        <translation>kollabiert auf eine Glocke der Breite %1 L, von der die sechs Zustände %2 % enthalten</translation>
    </message>
    <message>
        <source>E = %1 E₁ (n = %2)</source>
        <translation>E = %1 E₁ (n = %2)</translation>
    </message>
    <message>
        <source>collapsed to state %1</source>
        <translation>kollabiert auf Zustand %1</translation>
    </message>
    <message>
        <source>Add Current State</source>
        <translation>Aktuellen Zustand hinzufügen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Rename State</source>
        <translation>Zustand umbenennen</translation>
    </message>
</context>
<context>
    <name>MeasurementsWndo</name>
    <message>
        <source>Positions found (blue) and L·&amp;|ψ(x, t)&amp;|^2 (red)</source>
        <translation>Gefundene Orte (blau) und L·&amp;|ψ(x, t)&amp;|^2 (rot)</translation>
    </message>
    <message>
        <source>Energies E_n = n^2 E_1 found (blue) and &amp;|c_n_&amp;|^2 (red)</source>
        <translation>Gefundene Energien E_n = n^2 E_1 (blau) und &amp;|c_n_&amp;|^2 (rot)</translation>
    </message>
    <message>
        <source>share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>N = %1</source>
        <translation>N = %1</translation>
    </message>
    <message>
        <source>No χ² test: too few classes
with 5 outcomes expected</source>
        <translation>Kein χ²-Test: zu wenige Klassen
mit 5 erwarteten Ergebnissen</translation>
    </message>
    <message>
        <source>χ² = %1 with %2 degrees of freedom</source>
        <translation>χ² = %1 bei %2 Freiheitsgraden</translation>
    </message>
    <message>
        <source>p = %1</source>
        <translation>p = %1</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Messungen</translation>
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
        <translation>%1 weitere Kopien im Ort und %1 in der Energie messen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Startwert:</translation>
    </message>
    <message>
        <source>Seed of the random numbers: the same seed repeats the same outcomes</source>
        <translation>Startwert der Zufallszahlen: Derselbe Startwert wiederholt dieselben Ergebnisse</translation>
    </message>
    <message>
        <source>Histogram of the positions found, over the density predicted</source>
        <translation>Histogramm der gefundenen Orte über der vorhergesagten Dichte</translation>
    </message>
    <message>
        <source>Share of each energy found, beside the weights predicted</source>
        <translation>Anteil jeder gefundenen Energie neben den vorhergesagten Gewichten</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615: the seed in use stays as it was.</source>
        <translation>Der Startwert ist eine ganze Zahl von 0 bis 18446744073709551615: Der bisherige Startwert bleibt.</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Orte</translation>
    </message>
    <message>
        <source>Energies</source>
        <translation>Energien</translation>
    </message>
    <message>
        <source>No particle: every magnitude is 0, so there is nothing to measure.</source>
        <translation>Kein Teilchen: Alle Beträge sind 0, es gibt also nichts zu messen.</translation>
    </message>
    <message>
        <source>Copies of the state at %1, each measured once; the state itself does not change.</source>
        <translation>Kopien des Zustands bei %1, jede einmal gemessen; der Zustand selbst ändert sich nicht.</translation>
    </message>
</context>
<context>
    <name>MenuBar1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>A&amp;nimation</translation>
    </message>
    <message>
        <source>&amp;Start/Stop</source>
        <translation>&amp;Start/Stopp</translation>
    </message>
    <message>
        <source>Start from the typed state, or stop: the Start button</source>
        <translation>Vom eingegebenen Zustand aus starten oder stoppen: die Schaltfläche Start</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume</source>
        <translation>&amp;Pause/Fortsetzen</translation>
    </message>
    <message>
        <source>Hold the animation at this instant, or run on from it</source>
        <translation>Die Animation in diesem Augenblick anhalten oder von hier aus weiterlaufen lassen</translation>
    </message>
    <message>
        <source>Step &amp;Forward</source>
        <translation>Einzelbild &amp;vor</translation>
    </message>
    <message>
        <source>One frame forward at the current speed</source>
        <translation>Ein Bild vorwärts beim aktuellen Tempo</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>Einzelbild &amp;zurück</translation>
    </message>
    <message>
        <source>One frame back at the current speed</source>
        <translation>Ein Bild zurück beim aktuellen Tempo</translation>
    </message>
    <message>
        <source>Go to t = T₁/&amp;4</source>
        <translation>Gehe zu t = T₁/&amp;4</translation>
    </message>
    <message>
        <source>A quarter of the period of state 1 after Start</source>
        <translation>Eine Viertelperiode von Zustand 1 nach dem Start</translation>
    </message>
    <message>
        <source>Go to t = T₁/&amp;2</source>
        <translation>Gehe zu t = T₁/&amp;2</translation>
    </message>
    <message>
        <source>Half the period of state 1: the density is the mirror image of the density at Start</source>
        <translation>Eine halbe Periode von Zustand 1: Die Dichte ist das Spiegelbild der Dichte beim Start</translation>
    </message>
    <message>
        <source>Go to t = &amp;3T₁/4</source>
        <translation>Gehe zu t = &amp;3T₁/4</translation>
    </message>
    <message>
        <source>Three quarters of the period of state 1</source>
        <translation>Drei Viertel der Periode von Zustand 1</translation>
    </message>
    <message>
        <source>Go to t = T₁ (Re&amp;vival)</source>
        <translation>Gehe zu t = T₁ (&amp;Wiederkehr)</translation>
    </message>
    <message>
        <source>One period of state 1: every state is back where it started</source>
        <translation>Eine Periode von Zustand 1: Jeder Zustand ist wieder dort, wo er begonnen hat</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Neustart</translation>
    </message>
    <message>
        <source>Back to t = 0, the typed state, paused</source>
        <translation>Zurück zu t = 0 und zum eingegebenen Zustand, angehalten</translation>
    </message>
    <message>
        <source>&amp;States</source>
        <translation>&amp;Zustände</translation>
    </message>
    <message>
        <source>&amp;Ground State</source>
        <translation>&amp;Grundzustand</translation>
    </message>
    <message>
        <source>State 1 alone: its density stands still</source>
        <translation>Zustand 1 allein: Seine Dichte steht still</translation>
    </message>
    <message>
        <source>States &amp;1 and 2 in Equal Parts</source>
        <translation>Zustände &amp;1 und 2 zu gleichen Teilen</translation>
    </message>
    <message>
        <source>The simplest superposition: the density sloshes</source>
        <translation>Die einfachste Superposition: Die Dichte schwappt hin und her</translation>
    </message>
    <message>
        <source>States 1, 2 and &amp;3 in Equal Parts</source>
        <translation>Zustände 1, 2 und &amp;3 zu gleichen Teilen</translation>
    </message>
    <message>
        <source>&amp;Packet Near x = L/4</source>
        <translation>&amp;Paket bei x = L/4</translation>
    </message>
    <message>
        <source>A narrow bump near x = L/4, made of the six states</source>
        <translation>Ein schmaler Buckel bei x = L/4, aus den sechs Zuständen gebildet</translation>
    </message>
    <message>
        <source>&amp;Two Packets (Cat State)</source>
        <translation>&amp;Zwei Pakete (Katzenzustand)</translation>
    </message>
    <message>
        <source>Two bumps at once, near L/4 and 3L/4</source>
        <translation>Zwei Buckel zugleich, bei L/4 und 3L/4</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Every key of the program</source>
        <translation>Alle Tasten des Programms</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Observables</source>
        <translation>&amp;Observablen</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>&amp;Präsentation</translation>
    </message>
    <message>
        <source>&amp;Export Picture…</source>
        <translation>Bild &amp;exportieren…</translation>
    </message>
    <message>
        <source>Save the plots and the phasors as they are now, as SVG, PDF or PNG</source>
        <translation>Die Diagramme und die Zeiger so speichern, wie sie jetzt sind, als SVG, PDF oder PNG</translation>
    </message>
    <message>
        <source>Export &amp;Data…</source>
        <translation>&amp;Daten exportieren…</translation>
    </message>
    <message>
        <source>Save the coefficients and the wavefunction at the 101 samples as CSV</source>
        <translation>Die Koeffizienten und die Wellenfunktion an den 101 Stützstellen als CSV speichern</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>D&amp;rucken…</translation>
    </message>
    <message>
        <source>Print the plots and the phasors as they are now, on one page</source>
        <translation>Die Diagramme und die Zeiger so, wie sie jetzt sind, auf einer Seite drucken</translation>
    </message>
    <message>
        <source>Copy P&amp;icture</source>
        <translation>&amp;Bild kopieren</translation>
    </message>
    <message>
        <source>Put the plots and the phasors as they are now on the clipboard</source>
        <translation>Die Diagramme und die Zeiger so, wie sie jetzt sind, in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Physical &amp;Scale</source>
        <translation>Physikalischer &amp;Maßstab</translation>
    </message>
    <message>
        <source>Plot √L·ψ and L·|ψ|², the wavefunction to scale, in ranges that fit the state at every instant</source>
        <translation>√L·ψ und L·|ψ|² zeichnen, die Wellenfunktion maßstabsgetreu, in Bereichen, in die der Zustand zu jedem Zeitpunkt passt</translation>
    </message>
    <message>
        <source>&amp;Time Forward</source>
        <translation>Ze&amp;it vorwärts</translation>
    </message>
    <message>
        <source>Turn the phases clockwise, as in nature, so that packets move with ⟨p⟩; the clock counts up either way</source>
        <translation>Die Phasen im Uhrzeigersinn drehen, wie in der Natur, sodass sich Pakete mit ⟨p⟩ bewegen; die Uhr zählt in beiden Fällen vorwärts</translation>
    </message>
    <message>
        <source>Space-&amp;Time Picture</source>
        <translation>Raum-&amp;Zeit-Bild</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Parvok…</source>
        <translation>Ü&amp;ber Parvok…</translation>
    </message>
    <message>
        <source>Three states: the density beats at three rates, 3, 5 and 8 × E₁/ħ</source>
        <translation>Drei Zustände: Die Dichte zeigt Schwebungen mit drei Frequenzen, 3, 5 und 8 × E₁/ħ</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>&amp;Messen</translation>
    </message>
    <message>
        <source>Measure &amp;Position</source>
        <translation>&amp;Ort messen</translation>
    </message>
    <message>
        <source>Find the particle at one place, drawn at random from |ψ(x, t)|²; off while every magnitude is 0</source>
        <translation>Das Teilchen an einem Ort finden, zufällig gezogen aus |ψ(x, t)|²; aus, solange alle Beträge 0 sind</translation>
    </message>
    <message>
        <source>Measure &amp;Energy</source>
        <translation>&amp;Energie messen</translation>
    </message>
    <message>
        <source>Find one energy Eₙ = n² E₁, drawn at random with the probability |cₙ|²; off while every magnitude is 0</source>
        <translation>Eine Energie Eₙ = n² E₁ finden, zufällig gezogen mit der Wahrscheinlichkeit |cₙ|²; aus, solange alle Beträge 0 sind</translation>
    </message>
    <message>
        <source>&amp;Collapse on Measurement</source>
        <translation>&amp;Kollaps bei Messung</translation>
    </message>
    <message>
        <source>A measurement changes the state: after it, the state is the one found, from t = 0</source>
        <translation>Eine Messung verändert den Zustand: Danach ist der Zustand der gefundene, ab t = 0</translation>
    </message>
    <message>
        <source>Collapse to a Bell %1 L Wide</source>
        <translation>Kollaps auf eine Glocke der Breite %1 L</translation>
    </message>
    <message>
        <source>The width, the standard deviation of |ψ|², of the state a position found leaves</source>
        <translation>Die Breite, die Standardabweichung von |ψ|², des Zustands, den ein gefundener Ort hinterlässt</translation>
    </message>
    <message>
        <source>Measure&amp;ments</source>
        <translation>Mess&amp;ungen</translation>
    </message>
    <message>
        <source>&amp;Build a Packet…</source>
        <translation>&amp;Wellenpaket erstellen…</translation>
    </message>
    <message>
        <source>A Gaussian packet of your centre, width and momentum, as the six states hold it</source>
        <translation>Ein Gaußsches Wellenpaket mit Mitte, Breite und Impuls nach Wahl, so wie die sechs Zustände es darstellen</translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation>&amp;Neue Unterrichtsstunde</translation>
    </message>
    <message>
        <source>Start an empty lesson, to which States › Add Current State… adds states</source>
        <translation>Eine leere Unterrichtsstunde beginnen, der Zustände › Aktuellen Zustand hinzufügen… Zustände hinzufügt</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open a lesson saved before</source>
        <translation>Eine früher gespeicherte Unterrichtsstunde öffnen</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the lesson to its file</source>
        <translation>Die Unterrichtsstunde in ihrer Datei speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Save the lesson to a file of another name</source>
        <translation>Die Unterrichtsstunde in einer Datei mit anderem Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Next State</source>
        <translation>&amp;Nächster Zustand</translation>
    </message>
    <message>
        <source>The lesson&apos;s next state, at its time</source>
        <translation>Der nächste Zustand der Unterrichtsstunde, zu seiner Zeit</translation>
    </message>
    <message>
        <source>Pre&amp;vious State</source>
        <translation>&amp;Vorheriger Zustand</translation>
    </message>
    <message>
        <source>The lesson&apos;s state before, at its time</source>
        <translation>Der vorherige Zustand der Unterrichtsstunde, zu seiner Zeit</translation>
    </message>
    <message>
        <source>&amp;Add Current State…</source>
        <translation>Aktuellen Zustand &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>Add the state the fields hold to the lesson, with a name and a note</source>
        <translation>Den Zustand aus den Eingabefeldern mit Namen und Notiz zur Unterrichtsstunde hinzufügen</translation>
    </message>
    <message>
        <source>R&amp;ename State…</source>
        <translation>Zustand &amp;umbenennen…</translation>
    </message>
    <message>
        <source>Give the lesson&apos;s current state another name or note</source>
        <translation>Dem aktuellen Zustand der Unterrichtsstunde einen anderen Namen oder eine andere Notiz geben</translation>
    </message>
    <message>
        <source>Re&amp;move State</source>
        <translation>Zustand &amp;entfernen</translation>
    </message>
    <message>
        <source>Take the current state out of the lesson</source>
        <translation>Den aktuellen Zustand aus der Unterrichtsstunde nehmen</translation>
    </message>
    <message>
        <source>Move State &amp;Up</source>
        <translation>Zustand nach &amp;oben</translation>
    </message>
    <message>
        <source>Show the current state one place earlier in the lesson</source>
        <translation>Den aktuellen Zustand eine Stelle früher in der Unterrichtsstunde zeigen</translation>
    </message>
    <message>
        <source>Move State &amp;Down</source>
        <translation>Zustand nach un&amp;ten</translation>
    </message>
    <message>
        <source>Show the current state one place later in the lesson</source>
        <translation>Den aktuellen Zustand eine Stelle später in der Unterrichtsstunde zeigen</translation>
    </message>
</context>
<context>
    <name>ObservablesWndo</name>
    <message>
        <source>Energy levels E_n = n^2 E_1</source>
        <extracomment>A plot title in the plot&apos;s markup: &quot;_&quot; and &quot;^&quot; begin a subscript and a superscript, a space ends it.</extracomment>
        <translation>Energieniveaus E_n = n^2 E_1</translation>
    </message>
    <message>
        <source>⟨x⟩ (black) and ⟨x⟩ ± $D$x (blue)</source>
        <extracomment>A plot title in the plot&apos;s markup: &quot;$D$&quot; is a Greek Delta.</extracomment>
        <translation>⟨x⟩ (schwarz) und ⟨x⟩ ± $D$x (blau)</translation>
    </message>
    <message>
        <source>Observables</source>
        <translation>Observablen</translation>
    </message>
    <message>
        <source>Values of the whole state Σ cₙφₙ, whatever Total / n= shows in the main window.</source>
        <translation>Werte des ganzen Zustands Σ cₙφₙ, gleich ob im Hauptfenster „Alle“ oder n= gewählt ist.</translation>
    </message>
    <message>
        <source>Energy levels: the probability of each level, at n squared times E1, and the mean energy</source>
        <translation>Energieniveaus: die Wahrscheinlichkeit jedes Niveaus, bei n Quadrat mal E1, und der Erwartungswert der Energie</translation>
    </message>
    <message>
        <source>Mean position over the last two periods, with the band of one spread either side</source>
        <translation>Mittlerer Ort über die letzten zwei Perioden, mit einem Band von einer Standardabweichung zu beiden Seiten</translation>
    </message>
    <message>
        <source>Values of the observables</source>
        <translation>Werte der Observablen</translation>
    </message>
    <message>
        <source>Running, t = %1 T₁</source>
        <translation>Läuft, t = %1 T₁</translation>
    </message>
    <message>
        <source>Stopped: the state at Start, t = 0</source>
        <translation>Gestoppt: Startzustand, t = 0</translation>
    </message>
    <message>
        <source>Fields edited: press Normalize</source>
        <extracomment>The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>Felder geändert: Normieren drücken</translation>
    </message>
    <message>
        <source>No state: press Normalize, with at
least one magnitude that is not 0</source>
        <extracomment>The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>Kein Zustand: Normieren drücken,
mit mindestens einem Betrag ≠ 0</translation>
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
        <translation>Angehalten, t = %1 T₁</translation>
    </message>
    <message>
        <source>Time runs backwards here, so the
packet moves against ⟨p⟩:
see Animation › Time Forward.</source>
        <extracomment>Below &lt;p&gt;. The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>Hier läuft die Zeit rückwärts:
Das Paket bewegt sich gegen ⟨p⟩.
Siehe Animation › Zeit vorwärts.</translation>
    </message>
    <message>
        <source>Momentum distribution</source>
        <translation>Impulsverteilung</translation>
    </message>
</context>
<context>
    <name>PacketWndo</name>
    <message>
        <source>Build a Packet</source>
        <translation>Wellenpaket erstellen</translation>
    </message>
    <message>
        <source>Centre x₀, in L:</source>
        <translation>Mitte x₀, in L:</translation>
    </message>
    <message>
        <source>Width σ of the density, in L:</source>
        <translation>Breite σ der Dichte, in L:</translation>
    </message>
    <message>
        <source>Mean momentum k₀, in πħ/L:</source>
        <translation>Mittlerer Impuls k₀, in πħ/L:</translation>
    </message>
    <message>
        <source>The packet&apos;s density in black, the density of its part in the six states in red</source>
        <translation>Die Dichte des Wellenpakets in Schwarz, die Dichte seines Anteils in den sechs Zuständen in Rot</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Black: the packet. Red: its part in the six states.</source>
        <translation>Schwarz: das Wellenpaket. Rot: sein Anteil in den sechs Zuständen.</translation>
    </message>
    <message>
        <source>The six states hold %1 % of the packet (Σ|cₙ|²).</source>
        <translation>Die sechs Zustände enthalten %1 % des Wellenpakets (Σ|cₙ|²).</translation>
    </message>
    <message>
        <source>No packet: give a centre, a width above 0 and a momentum as numbers.</source>
        <translation>Kein Wellenpaket: Geben Sie Mitte, eine Breite über 0 und einen Impuls als Zahlen ein.</translation>
    </message>
</context>
<context>
    <name>PresentationWndo</name>
    <message>
        <source>Presentation</source>
        <translation>Präsentation</translation>
    </message>
    <message>
        <source>Too small for the plots:
make the window larger.</source>
        <translation>Zu klein für die Diagramme:
Bitte vergrößern Sie das Fenster.</translation>
    </message>
    <message>
        <source>Wavefunction</source>
        <translation>Wellenfunktion</translation>
    </message>
    <message>
        <source>Probability density</source>
        <translation>Wahrscheinlichkeitsdichte</translation>
    </message>
    <message>
        <source>N = √(2/L)·Σ|cₙ| over the states shown</source>
        <translation>N = √(2/L)·Σ|cₙ| über die gezeigten Zustände</translation>
    </message>
    <message>
        <source>Re ψ in black, Im ψ in red; the y axis shows %1</source>
        <translation>Re ψ schwarz, Im ψ rot; die y-Achse zeigt %1</translation>
    </message>
    <message>
        <source>The y axis shows %1</source>
        <translation>Die y-Achse zeigt %1</translation>
    </message>
    <message>
        <source>; a blue line at the mean position ⟨x⟩, a bar from ⟨x⟩ − Δx to ⟨x⟩ + Δx</source>
        <translation>; eine blaue Linie beim Erwartungswert ⟨x⟩ des Ortes, ein Balken von ⟨x⟩ − Δx bis ⟨x⟩ + Δx</translation>
    </message>
    <message>
        <source>; in grey the density at t = 0</source>
        <translation>; grau die Dichte zur Zeit t = 0</translation>
    </message>
</context>
<context>
    <name>ShortcutsWndo</name>
    <message>
        <source>The next or the previous field, button or slider</source>
        <translation>Nächstes oder voriges Feld, Schaltfläche oder Schieberegler</translation>
    </message>
    <message>
        <source>Presses the button that has the focus</source>
        <translation>Betätigt die Schaltfläche, die den Fokus hat</translation>
    </message>
    <message>
        <source>Another choice of Total and n=1 … n=6, when one of them has the focus</source>
        <translation>Eine andere Wahl unter „Alle“ und n=1 … n=6, wenn eines davon den Fokus hat</translation>
    </message>
    <message>
        <source>The speed one step down or up, when the slider has the focus</source>
        <translation>Das Tempo eine Stufe kleiner oder größer, wenn der Schieberegler den Fokus hat</translation>
    </message>
    <message>
        <source>Speed 1 or 100</source>
        <translation>Tempo 1 oder 100</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menüs</translation>
    </message>
    <message>
        <source>Controls and windows</source>
        <translation>Bedienelemente und Fenster</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>The speed 20 up or down</source>
        <translation>Das Tempo um 20 größer oder kleiner</translation>
    </message>
    <message>
        <source>In the presentation view: full screen or not</source>
        <translation>In der Präsentation: Vollbild an oder aus</translation>
    </message>
    <message>
        <source>In the presentation view: leaves full screen, then closes the view</source>
        <translation>In der Präsentation: Beendet das Vollbild, dann schließt es die Präsentation</translation>
    </message>
    <message>
        <source>Closes the main window, and with it the program</source>
        <translation>Schließt das Hauptfenster und damit das Programm</translation>
    </message>
    <message>
        <source>In the presentation view: the mean position ⟨x⟩ and ⟨x⟩ ± Δx on the density, or not</source>
        <translation>In der Präsentation: Erwartungswert ⟨x⟩ des Ortes und ⟨x⟩ ± Δx auf der Dichte an oder aus</translation>
    </message>
    <message>
        <source>In the presentation view: the density at t = 0 in grey, or not</source>
        <translation>In der Präsentation: die Dichte zur Zeit t = 0 in Grau an oder aus</translation>
    </message>
    <message>
        <source>In the presentation view: high contrast, thicker and darker, or not</source>
        <translation>In der Präsentation: hoher Kontrast, dicker und dunkler, an oder aus</translation>
    </message>
    <message>
        <source>In the space-time picture: one frame on, wherever the focus is</source>
        <translation>Im Raum-Zeit-Bild: ein Bild vor, wo auch immer der Fokus ist</translation>
    </message>
    <message>
        <source>In the space-time picture: one frame back, wherever the focus is</source>
        <translation>Im Raum-Zeit-Bild: ein Bild zurück, wo auch immer der Fokus ist</translation>
    </message>
    <message>
        <source>Closes the window in front, unless it is the main window</source>
        <translation>Schließt das Fenster im Vordergrund, außer dem Hauptfenster</translation>
    </message>
    <message>
        <source>In Build a Packet: loads the packet into the fields</source>
        <translation>In „Wellenpaket erstellen“: lädt das Wellenpaket in die Eingabefelder</translation>
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
        <translation>Raum-Zeit-Bild</translation>
    </message>
    <message>
        <source>States</source>
        <translation>Zustände</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>As shown</source>
        <translation>Wie angezeigt</translation>
    </message>
    <message>
        <source>The states the main window shows</source>
        <translation>Die Zustände, die das Hauptfenster zeigt</translation>
    </message>
    <message>
        <source>Time span</source>
        <translation>Zeitspanne</translation>
    </message>
    <message>
        <source>One period T1</source>
        <translation>Eine Periode T1</translation>
    </message>
    <message>
        <source>Half a period T1/2</source>
        <translation>Eine halbe Periode T1/2</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>To the largest</source>
        <translation>Bis zum Maximum</translation>
    </message>
    <message>
        <source>Physical density L times psi squared</source>
        <translation>Physikalische Dichte L mal Psi-Quadrat</translation>
    </message>
    <message>
        <source>Colour bar</source>
        <translation>Farbskala</translation>
    </message>
    <message>
        <source>Click or drag in the picture to go to that time; the arrow keys step a frame.</source>
        <translation>Im Bild klicken oder ziehen, um zu diesem Zeitpunkt zu gehen; die Pfeiltasten gehen ein Bild vor oder zurück.</translation>
    </message>
    <message>
        <source>Probability density over position and time, time running downwards</source>
        <translation>Wahrscheinlichkeitsdichte über Ort und Zeit, die Zeit nach unten</translation>
    </message>
</context>
<context>
    <name>StatePlots</name>
    <message>
        <source>√L·Re ψ in black and √L·Im ψ in red: the physical wavefunction</source>
        <translation>√L·Re ψ schwarz und √L·Im ψ rot: die physikalische Wellenfunktion</translation>
    </message>
    <message>
        <source>L·|ψ|²: the physical probability density; under the total, its area is 1</source>
        <translation>L·|ψ|²: die physikalische Wahrscheinlichkeitsdichte; beim Gesamtzustand ist die Fläche darunter 1</translation>
    </message>
    <message>
        <source>Re in black and Im in red of Σ cₙ sin(nπx/L) over the states shown, divided by Σ|cₙ|: not to scale (View › Physical Scale)</source>
        <translation>Re schwarz und Im rot von Σ cₙ sin(nπx/L) über die gezeigten Zustände, geteilt durch Σ|cₙ|: nicht maßstabsgetreu (Ansicht › Physikalischer Maßstab)</translation>
    </message>
    <message>
        <source>|Σ cₙ sin(nπx/L)|² over the states shown, divided by (Σ|cₙ|)²: not to scale (View › Physical Scale)</source>
        <translation>|Σ cₙ sin(nπx/L)|² über die gezeigten Zustände, geteilt durch (Σ|cₙ|)²: nicht maßstabsgetreu (Ansicht › Physikalischer Maßstab)</translation>
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
        <translation>Normieren drücken, um die neuen Werte zu übernehmen</translation>
    </message>
    <message>
        <source>All magnitudes are 0: nothing to show or measure</source>
        <translation>Alle Beträge sind 0: nichts anzuzeigen oder zu messen</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>frame %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>Tempo %1</translation>
    </message>
    <message>
        <source>State %1 has magnitude 0</source>
        <translation>Zustand %1 hat den Betrag 0</translation>
    </message>
    <message>
        <source>t = %1 T₁</source>
        <translation>t = %1 T₁</translation>
    </message>
    <message>
        <source>Too fast to follow: state %1 turns 180° or more a frame</source>
        <translation>Zu schnell fürs Auge: Zustand %1 dreht sich um 180° oder mehr pro Bild</translation>
    </message>
    <message>
        <source>Too fast to follow: states %1 turn 180° or more a frame</source>
        <translation>Zu schnell fürs Auge: Die Zustände %1 drehen sich um 180° oder mehr pro Bild</translation>
    </message>
</context>
</TS>
