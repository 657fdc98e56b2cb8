<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutWndo</name>
    <message>
        <source>About Parvok</source>
        <translation>À propos de Parvok</translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>SVG picture</source>
        <translation>Image SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>The picture could not be printed: the printer could not be started.</source>
        <translation>L&apos;image n&apos;a pas pu être imprimée&#xa0;: l&apos;imprimante n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exporter les données</translation>
    </message>
    <message>
        <source>CSV table</source>
        <translation>Tableau CSV</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>there is not enough memory for it</source>
        <extracomment>The reason in “The picture could not be made: %1”.</extracomment>
        <translation>la mémoire ne suffit pas</translation>
    </message>
    <message>
        <source>Parvok at t/T₁ = %1</source>
        <translation>Parvok à t/T₁ = %1</translation>
    </message>
    <message>
        <source>The picture could not be made: %1</source>
        <extracomment>%1 is the reason, such as “there is not enough memory for it”.</extracomment>
        <translation>L&apos;image n&apos;a pas pu être créée&#xa0;: %1</translation>
    </message>
    <message>
        <source>A file named “%1” already exists in “%2”. Do you want to replace it?</source>
        <translation>Un fichier nommé «&#xa0;%1&#xa0;» existe déjà dans «&#xa0;%2&#xa0;». Voulez-vous le remplacer&#x202f;?</translation>
    </message>
    <message>
        <source>“%1” could not be made. Nothing was written.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être créé. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>“%1” could not be saved in “%2”: %3. Nothing was written there.</source>
        <extracomment>%1 is the file&apos;s name, %2 its folder, %3 the system&apos;s reason.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être enregistré dans «&#xa0;%2&#xa0;»&#xa0;: %3. Rien n&apos;y a été écrit.</translation>
    </message>
    <message>
        <source>“%1” cannot be saved in %2: it holds the system&apos;s devices and settings, not files. Choose another folder.</source>
        <extracomment>%1 is the file&apos;s name, %2 a folder such as /proc.</extracomment>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être enregistré dans %2&#xa0;: ce dossier contient les périphériques et les réglages du système, pas des fichiers. Choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>“%1” is not an ordinary file but a device, a pipe or a folder, and cannot be saved over. Choose another name.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier ordinaire mais un périphérique, un tube ou un dossier, et ne peut pas être remplacé. Choisissez un autre nom.</translation>
    </message>
</context>
<context>
    <name>LessonDocument</name>
    <message>
        <source>Parvok lesson</source>
        <translation>Leçon Parvok</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>“%1” is a folder, a device or one of the system&apos;s files, not a lesson file.</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier, un périphérique ou un fichier du système, pas un fichier de leçon.</translation>
    </message>
    <message>
        <source>“%1” is too large for a lesson: it holds %2 bytes, and a lesson file at most %3.</source>
        <extracomment>%2 and %3 are sizes in bytes.</extracomment>
        <translation>«&#xa0;%1&#xa0;» est trop volumineux pour une leçon&#xa0;: il fait %2 octets, et un fichier de leçon au plus %3.</translation>
    </message>
    <message>
        <source>“%1” is empty.</source>
        <translation>«&#xa0;%1&#xa0;» est vide.</translation>
    </message>
    <message>
        <source>“%1” is not a lesson file, or it was cut short: its text stops making sense at byte %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier de leçon, ou il a été tronqué&#xa0;: son texte n&apos;a plus de sens à partir de l&apos;octet %2.</translation>
    </message>
    <message>
        <source>“%1” is not a Parvok lesson.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une leçon Parvok.</translation>
    </message>
    <message>
        <source>“%1” was saved by a newer Parvok, in version %2 of the lesson format; this Parvok reads version %3 and older.</source>
        <extracomment>%2 and %3 are version numbers of the lesson format.</extracomment>
        <translation>«&#xa0;%1&#xa0;» a été enregistré par un Parvok plus récent, dans la version %2 du format des leçons&#xa0;; ce Parvok lit la version %3 et les précédentes.</translation>
    </message>
    <message>
        <source>“%1” is damaged: “%2” is missing.</source>
        <extracomment>%2 names a part of the file, such as states[2].name.</extracomment>
        <translation>«&#xa0;%1&#xa0;» est endommagé&#xa0;: «&#xa0;%2&#xa0;» manque.</translation>
    </message>
    <message>
        <source>“%1” holds “%2”, which a Parvok lesson does not have.</source>
        <translation>«&#xa0;%1&#xa0;» contient «&#xa0;%2&#xa0;», qu&apos;une leçon Parvok n&apos;a pas.</translation>
    </message>
    <message>
        <source>“%1” is damaged: “%2” does not hold a value Parvok can use.</source>
        <translation>«&#xa0;%1&#xa0;» est endommagé&#xa0;: «&#xa0;%2&#xa0;» ne contient pas de valeur utilisable par Parvok.</translation>
    </message>
    <message>
        <source>“%1” holds %2 states; a lesson holds at most %3.</source>
        <translation>«&#xa0;%1&#xa0;» contient %2 états&#xa0;; une leçon en contient au plus %3.</translation>
    </message>
    <message>
        <source>Untitled Lesson</source>
        <translation>Leçon sans titre</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Ouvrir une leçon</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>Enregistrer la leçon</translation>
    </message>
    <message>
        <source>“%1” could not be saved in “%2”: %3. The file there was left as it was.</source>
        <extracomment>%1 is the file&apos;s name, %2 its folder, %3 the system&apos;s reason.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être enregistré dans «&#xa0;%2&#xa0;»&#xa0;: %3. Le fichier qui s&apos;y trouve n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The lesson “%1” has changes that are not saved. Save them first?</source>
        <translation>La leçon «&#xa0;%1&#xa0;» a des modifications non enregistrées. Les enregistrer d&apos;abord&#xa0;?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>“%1” is not UTF-8 text, as a lesson file is: its byte %2 is not part of a character.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un texte UTF-8, comme doit l&apos;être un fichier de leçon&#xa0;: son octet %2 ne fait partie d&apos;aucun caractère.</translation>
    </message>
    <message>
        <source>“%1” holds the number %2, which is beyond the largest number Parvok can use.</source>
        <extracomment>%2 is a number as the file writes it, such as 1e999.</extracomment>
        <translation>«&#xa0;%1&#xa0;» contient le nombre %2, qui dépasse le plus grand nombre que Parvok peut utiliser.</translation>
    </message>
</context>
<context>
    <name>MainWndo</name>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Wavefunction: real part in black, imaginary part in red</source>
        <translation>Fonction d&apos;onde&#xa0;: partie réelle en noir, partie imaginaire en rouge</translation>
    </message>
    <message>
        <source>Probability density</source>
        <translation>Densité de probabilité</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Show all states together</source>
        <translation>Afficher tous les états ensemble</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Initial data:</source>
        <translation>État initial&#xa0;:</translation>
    </message>
    <message>
        <source>mag:</source>
        <translation>mod&#x202f;:</translation>
    </message>
    <message>
        <source>ang:</source>
        <translation>ang&#x202f;:</translation>
    </message>
    <message>
        <source>Normalize</source>
        <translation>Normaliser</translation>
    </message>
    <message>
        <source>Normalize the magnitudes</source>
        <translation>Normaliser les modules</translation>
    </message>
    <message>
        <source>Start or stop the animation</source>
        <translation>Démarrer ou arrêter l&apos;animation</translation>
    </message>
    <message>
        <source>Phase speed</source>
        <translation>Vitesse des phases</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Wavefunction</source>
        <translation>Fonct. d&apos;onde</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Probabilité</translation>
    </message>
    <message>
        <source>Phasor</source>
        <translation>Phaseur</translation>
    </message>
    <message>
        <source>State %1: magnitude %2, angle %3 degrees</source>
        <translation>État %1&#xa0;: module %2, angle %3 degrés</translation>
    </message>
    <message>
        <source>Phasor of state %1</source>
        <translation>Phaseur de l&apos;état %1</translation>
    </message>
    <message>
        <source>State %1</source>
        <translation>État %1</translation>
    </message>
    <message>
        <source>n=%1</source>
        <translation>n=%1</translation>
    </message>
    <message>
        <source>Show state %1 alone</source>
        <translation>Afficher l&apos;état %1 seul</translation>
    </message>
    <message>
        <source>Magnitude of state %1</source>
        <translation>Module de l&apos;état %1</translation>
    </message>
    <message>
        <source>Angle of state %1 in degrees</source>
        <translation>Angle de l&apos;état %1 en degrés</translation>
    </message>
    <message>
        <source>(too fast to follow at this speed)</source>
        <translation>(trop rapide pour l&apos;œil à cette vitesse)</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>«&#xa0;%1&#xa0;» enregistré</translation>
    </message>
    <message>
        <source>x = %1 L</source>
        <translation>x = %1 L</translation>
    </message>
    <message>
        <source>collapsed to a bell %1 L wide, of which the six states hold %2 %</source>
        <translation>réduit à une cloche large de %1 L, dont les six états contiennent %2&#xa0;%</translation>
    </message>
    <message>
        <source>E = %1 E₁ (n = %2)</source>
        <translation>E = %1 E₁ (n = %2)</translation>
    </message>
    <message>
        <source>collapsed to state %1</source>
        <translation>réduit à l’état %1</translation>
    </message>
    <message>
        <source>Add Current State</source>
        <translation>Ajouter l&apos;état actuel</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Note&#xa0;:</translation>
    </message>
    <message>
        <source>Rename State</source>
        <translation>Renommer l&apos;état</translation>
    </message>
</context>
<context>
    <name>MeasurementsWndo</name>
    <message>
        <source>Positions found (blue) and L·&amp;|ψ(x, t)&amp;|^2 (red)</source>
        <translation>Positions trouvées (bleu) et L·&amp;|ψ(x, t)&amp;|^2 (rouge)</translation>
    </message>
    <message>
        <source>Energies E_n = n^2 E_1 found (blue) and &amp;|c_n_&amp;|^2 (red)</source>
        <translation>Énergies E_n = n^2 E_1 trouvées (bleu) et &amp;|c_n_&amp;|^2 (rouge)</translation>
    </message>
    <message>
        <source>share</source>
        <translation>fréquence</translation>
    </message>
    <message>
        <source>N = %1</source>
        <translation>N = %1</translation>
    </message>
    <message>
        <source>No χ² test: too few classes
with 5 outcomes expected</source>
        <translation>Pas de test du χ²&#xa0;: trop peu de classes
où 5 résultats sont attendus</translation>
    </message>
    <message>
        <source>χ² = %1 with %2 degrees of freedom</source>
        <translation>χ² = %1 à %2 degrés de liberté</translation>
    </message>
    <message>
        <source>p = %1</source>
        <translation>p = %1</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mesures</translation>
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
        <translation>+1&#xa0;000</translation>
    </message>
    <message>
        <source>+10,000</source>
        <translation>+10&#xa0;000</translation>
    </message>
    <message>
        <source>Measure %1 more copies in position and %1 in energy</source>
        <translation>Mesurer %1 copies de plus en position et %1 en énergie</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Graine&#xa0;:</translation>
    </message>
    <message>
        <source>Seed of the random numbers: the same seed repeats the same outcomes</source>
        <translation>Graine des nombres aléatoires&#xa0;: la même graine redonne les mêmes résultats</translation>
    </message>
    <message>
        <source>Histogram of the positions found, over the density predicted</source>
        <translation>Histogramme des positions trouvées, sur la densité prédite</translation>
    </message>
    <message>
        <source>Share of each energy found, beside the weights predicted</source>
        <translation>Fréquence de chaque énergie trouvée, à côté des poids prédits</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615: the seed in use stays as it was.</source>
        <translation>La graine est un nombre entier de 0 à 18446744073709551615&#xa0;: la graine en usage reste la même.</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positions</translation>
    </message>
    <message>
        <source>Energies</source>
        <translation>Énergies</translation>
    </message>
    <message>
        <source>No particle: every magnitude is 0, so there is nothing to measure.</source>
        <translation>Pas de particule&#xa0;: tous les modules sont nuls, il n’y a donc rien à mesurer.</translation>
    </message>
    <message>
        <source>Copies of the state at %1, each measured once; the state itself does not change.</source>
        <translation>Copies de l’état à %1, mesurées chacune une fois&#xa0;; l’état lui-même ne change pas.</translation>
    </message>
</context>
<context>
    <name>MenuBar1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>A&amp;nimation</translation>
    </message>
    <message>
        <source>&amp;Start/Stop</source>
        <translation>&amp;Démarrer/Arrêter</translation>
    </message>
    <message>
        <source>Start from the typed state, or stop: the Start button</source>
        <translation>Démarrer depuis l&apos;état saisi, ou arrêter&#xa0;: le bouton Démarrer</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume</source>
        <translation>&amp;Pause/Reprendre</translation>
    </message>
    <message>
        <source>Hold the animation at this instant, or run on from it</source>
        <translation>Figer l&apos;animation à cet instant, ou la faire repartir de là</translation>
    </message>
    <message>
        <source>Step &amp;Forward</source>
        <translation>&amp;Avancer d&apos;une image</translation>
    </message>
    <message>
        <source>One frame forward at the current speed</source>
        <translation>Une image en avant à la vitesse actuelle</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>&amp;Reculer d&apos;une image</translation>
    </message>
    <message>
        <source>One frame back at the current speed</source>
        <translation>Une image en arrière à la vitesse actuelle</translation>
    </message>
    <message>
        <source>Go to t = T₁/&amp;4</source>
        <translation>Aller à t = T₁/&amp;4</translation>
    </message>
    <message>
        <source>A quarter of the period of state 1 after Start</source>
        <translation>Un quart de la période de l&apos;état 1 après le démarrage</translation>
    </message>
    <message>
        <source>Go to t = T₁/&amp;2</source>
        <translation>Aller à t = T₁/&amp;2</translation>
    </message>
    <message>
        <source>Half the period of state 1: the density is the mirror image of the density at Start</source>
        <translation>La moitié de la période de l&apos;état 1&#xa0;: la densité est l&apos;image miroir de la densité au démarrage</translation>
    </message>
    <message>
        <source>Go to t = &amp;3T₁/4</source>
        <translation>Aller à t = &amp;3T₁/4</translation>
    </message>
    <message>
        <source>Three quarters of the period of state 1</source>
        <translation>Trois quarts de la période de l&apos;état 1</translation>
    </message>
    <message>
        <source>Go to t = T₁ (Re&amp;vival)</source>
        <translation>Aller à t = T₁ (ré&amp;surgence)</translation>
    </message>
    <message>
        <source>One period of state 1: every state is back where it started</source>
        <translation>Une période de l&apos;état 1&#xa0;: chaque état est revenu à son point de départ</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>Re&amp;commencer</translation>
    </message>
    <message>
        <source>Back to t = 0, the typed state, paused</source>
        <translation>Retour à t = 0 et à l&apos;état saisi, en pause</translation>
    </message>
    <message>
        <source>&amp;States</source>
        <translation>É&amp;tats</translation>
    </message>
    <message>
        <source>&amp;Ground State</source>
        <translation>État &amp;fondamental</translation>
    </message>
    <message>
        <source>State 1 alone: its density stands still</source>
        <translation>L&apos;état 1 seul&#xa0;: sa densité reste immobile</translation>
    </message>
    <message>
        <source>States &amp;1 and 2 in Equal Parts</source>
        <translation>États &amp;1 et 2 à parts égales</translation>
    </message>
    <message>
        <source>The simplest superposition: the density sloshes</source>
        <translation>La superposition la plus simple&#xa0;: la densité fait des allers-retours</translation>
    </message>
    <message>
        <source>States 1, 2 and &amp;3 in Equal Parts</source>
        <translation>États 1, 2 et &amp;3 à parts égales</translation>
    </message>
    <message>
        <source>&amp;Packet Near x = L/4</source>
        <translation>&amp;Paquet près de x = L/4</translation>
    </message>
    <message>
        <source>A narrow bump near x = L/4, made of the six states</source>
        <translation>Une bosse étroite près de x = L/4, formée des six états</translation>
    </message>
    <message>
        <source>&amp;Two Packets (Cat State)</source>
        <translation>&amp;Deux paquets (état chat)</translation>
    </message>
    <message>
        <source>Two bumps at once, near L/4 and 3L/4</source>
        <translation>Deux bosses à la fois, près de L/4 et de 3L/4</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Every key of the program</source>
        <translation>Toutes les touches du programme</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Observables</source>
        <translation>&amp;Observables</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>&amp;Présentation</translation>
    </message>
    <message>
        <source>&amp;Export Picture…</source>
        <translation>&amp;Exporter l&apos;image…</translation>
    </message>
    <message>
        <source>Save the plots and the phasors as they are now, as SVG, PDF or PNG</source>
        <translation>Enregistrer les graphiques et les phaseurs tels qu&apos;ils sont maintenant, en SVG, PDF ou PNG</translation>
    </message>
    <message>
        <source>Export &amp;Data…</source>
        <translation>Exporter les &amp;données…</translation>
    </message>
    <message>
        <source>Save the coefficients and the wavefunction at the 101 samples as CSV</source>
        <translation>Enregistrer en CSV les coefficients et la fonction d&apos;onde aux 101 points d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print the plots and the phasors as they are now, on one page</source>
        <translation>Imprimer sur une page les graphiques et les phaseurs tels qu&apos;ils sont maintenant</translation>
    </message>
    <message>
        <source>Copy P&amp;icture</source>
        <translation>Copier l&apos;&amp;image</translation>
    </message>
    <message>
        <source>Put the plots and the phasors as they are now on the clipboard</source>
        <translation>Placer dans le presse-papiers les graphiques et les phaseurs tels qu&apos;ils sont maintenant</translation>
    </message>
    <message>
        <source>Physical &amp;Scale</source>
        <translation>É&amp;chelle physique</translation>
    </message>
    <message>
        <source>Plot √L·ψ and L·|ψ|², the wavefunction to scale, in ranges that fit the state at every instant</source>
        <translation>Tracer √L·ψ et L·|ψ|², la fonction d&apos;onde à l&apos;échelle, dans des intervalles qui contiennent l&apos;état à chaque instant</translation>
    </message>
    <message>
        <source>&amp;Time Forward</source>
        <translation>&amp;Temps vers l&apos;avant</translation>
    </message>
    <message>
        <source>Turn the phases clockwise, as in nature, so that packets move with ⟨p⟩; the clock counts up either way</source>
        <translation>Faire tourner les phases dans le sens horaire, comme dans la nature, pour que les paquets se déplacent selon ⟨p⟩&#xa0;; l&apos;horloge avance dans les deux cas</translation>
    </message>
    <message>
        <source>Space-&amp;Time Picture</source>
        <translation>Image espace-&amp;temps</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;About Parvok…</source>
        <translation>À &amp;propos de Parvok…</translation>
    </message>
    <message>
        <source>Three states: the density beats at three rates, 3, 5 and 8 × E₁/ħ</source>
        <translation>Trois états&#xa0;: la densité présente des battements à trois fréquences, 3, 5 et 8 × E₁/ħ</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>&amp;Mesure</translation>
    </message>
    <message>
        <source>Measure &amp;Position</source>
        <translation>Mesurer la &amp;position</translation>
    </message>
    <message>
        <source>Find the particle at one place, drawn at random from |ψ(x, t)|²; off while every magnitude is 0</source>
        <translation>Trouver la particule en un point, tiré au hasard selon |ψ(x, t)|²&#xa0;; inactif tant que tous les modules sont nuls</translation>
    </message>
    <message>
        <source>Measure &amp;Energy</source>
        <translation>Mesurer l’é&amp;nergie</translation>
    </message>
    <message>
        <source>Find one energy Eₙ = n² E₁, drawn at random with the probability |cₙ|²; off while every magnitude is 0</source>
        <translation>Trouver une énergie Eₙ = n² E₁, tirée au hasard avec la probabilité |cₙ|²&#xa0;; inactif tant que tous les modules sont nuls</translation>
    </message>
    <message>
        <source>&amp;Collapse on Measurement</source>
        <translation>&amp;Réduction du paquet d’onde à la mesure</translation>
    </message>
    <message>
        <source>A measurement changes the state: after it, the state is the one found, from t = 0</source>
        <translation>Une mesure modifie l’état&#xa0;: ensuite, l’état est celui qui a été trouvé, à partir de t = 0</translation>
    </message>
    <message>
        <source>Collapse to a Bell %1 L Wide</source>
        <translation>Réduction à une cloche large de %1 L</translation>
    </message>
    <message>
        <source>The width, the standard deviation of |ψ|², of the state a position found leaves</source>
        <translation>La largeur, l’écart type de |ψ|², de l’état que laisse une position trouvée</translation>
    </message>
    <message>
        <source>Measure&amp;ments</source>
        <translation>&amp;Mesures</translation>
    </message>
    <message>
        <source>&amp;Build a Packet…</source>
        <translation>&amp;Construire un paquet…</translation>
    </message>
    <message>
        <source>A Gaussian packet of your centre, width and momentum, as the six states hold it</source>
        <translation>Un paquet gaussien du centre, de la largeur et de l&apos;impulsion de votre choix, tel que les six états le représentent</translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation>&amp;Nouvelle leçon</translation>
    </message>
    <message>
        <source>Start an empty lesson, to which States › Add Current State… adds states</source>
        <translation>Commencer une leçon vide, à laquelle États › Ajouter l&apos;état actuel… ajoute des états</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open a lesson saved before</source>
        <translation>Ouvrir une leçon enregistrée auparavant</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Enregi&amp;strer</translation>
    </message>
    <message>
        <source>Save the lesson to its file</source>
        <translation>Enregistrer la leçon dans son fichier</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer so&amp;us…</translation>
    </message>
    <message>
        <source>Save the lesson to a file of another name</source>
        <translation>Enregistrer la leçon dans un fichier d&apos;un autre nom</translation>
    </message>
    <message>
        <source>&amp;Next State</source>
        <translation>État sui&amp;vant</translation>
    </message>
    <message>
        <source>The lesson&apos;s next state, at its time</source>
        <translation>L&apos;état suivant de la leçon, à son instant</translation>
    </message>
    <message>
        <source>Pre&amp;vious State</source>
        <translation>État précéd&amp;ent</translation>
    </message>
    <message>
        <source>The lesson&apos;s state before, at its time</source>
        <translation>L&apos;état précédent de la leçon, à son instant</translation>
    </message>
    <message>
        <source>&amp;Add Current State…</source>
        <translation>&amp;Ajouter l&apos;état actuel…</translation>
    </message>
    <message>
        <source>Add the state the fields hold to the lesson, with a name and a note</source>
        <translation>Ajouter à la leçon l&apos;état que contiennent les champs, avec un nom et une note</translation>
    </message>
    <message>
        <source>R&amp;ename State…</source>
        <translation>&amp;Renommer l&apos;état…</translation>
    </message>
    <message>
        <source>Give the lesson&apos;s current state another name or note</source>
        <translation>Donner un autre nom ou une autre note à l&apos;état actuel de la leçon</translation>
    </message>
    <message>
        <source>Re&amp;move State</source>
        <translation>&amp;Supprimer l&apos;état</translation>
    </message>
    <message>
        <source>Take the current state out of the lesson</source>
        <translation>Retirer l&apos;état actuel de la leçon</translation>
    </message>
    <message>
        <source>Move State &amp;Up</source>
        <translation>&amp;Monter l&apos;état</translation>
    </message>
    <message>
        <source>Show the current state one place earlier in the lesson</source>
        <translation>Montrer l&apos;état actuel une place plus tôt dans la leçon</translation>
    </message>
    <message>
        <source>Move State &amp;Down</source>
        <translation>Desce&amp;ndre l&apos;état</translation>
    </message>
    <message>
        <source>Show the current state one place later in the lesson</source>
        <translation>Montrer l&apos;état actuel une place plus tard dans la leçon</translation>
    </message>
</context>
<context>
    <name>ObservablesWndo</name>
    <message>
        <source>Energy levels E_n = n^2 E_1</source>
        <extracomment>A plot title in the plot&apos;s markup: &quot;_&quot; and &quot;^&quot; begin a subscript and a superscript, a space ends it.</extracomment>
        <translation>Niveaux d&apos;énergie E_n = n^2 E_1</translation>
    </message>
    <message>
        <source>⟨x⟩ (black) and ⟨x⟩ ± $D$x (blue)</source>
        <extracomment>A plot title in the plot&apos;s markup: &quot;$D$&quot; is a Greek Delta.</extracomment>
        <translation>⟨x⟩ (noir) et ⟨x⟩ ± $D$x (bleu)</translation>
    </message>
    <message>
        <source>Observables</source>
        <translation>Observables</translation>
    </message>
    <message>
        <source>Values of the whole state Σ cₙφₙ, whatever Total / n= shows in the main window.</source>
        <translation>Valeurs de l&apos;état complet Σ cₙφₙ, quel que soit le choix Total / n= de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Energy levels: the probability of each level, at n squared times E1, and the mean energy</source>
        <translation>Niveaux d&apos;énergie&#xa0;: la probabilité de chaque niveau, à n au carré fois E1, et l&apos;énergie moyenne</translation>
    </message>
    <message>
        <source>Mean position over the last two periods, with the band of one spread either side</source>
        <translation>Position moyenne sur les deux dernières périodes, avec une bande d&apos;un écart-type de part et d&apos;autre</translation>
    </message>
    <message>
        <source>Values of the observables</source>
        <translation>Valeurs des observables</translation>
    </message>
    <message>
        <source>Running, t = %1 T₁</source>
        <translation>En cours, t = %1 T₁</translation>
    </message>
    <message>
        <source>Stopped: the state at Start, t = 0</source>
        <translation>À l&apos;arrêt&#xa0;: état initial, t = 0</translation>
    </message>
    <message>
        <source>Fields edited: press Normalize</source>
        <extracomment>The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>Champs modifiés&#xa0;: normalisez</translation>
    </message>
    <message>
        <source>No state: press Normalize, with at
least one magnitude that is not 0</source>
        <extracomment>The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>Aucun état&#xa0;: normalisez avec au
moins un module non nul</translation>
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
        <translation>En pause, t = %1 T₁</translation>
    </message>
    <message>
        <source>Time runs backwards here, so the
packet moves against ⟨p⟩:
see Animation › Time Forward.</source>
        <extracomment>Below &lt;p&gt;. The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>Ici le temps est inversé&#xa0;:
le paquet va à l&apos;opposé de ⟨p⟩.
Voir Animation › Temps vers
l&apos;avant.</translation>
    </message>
    <message>
        <source>Momentum distribution</source>
        <translation>Distribution des impulsions</translation>
    </message>
</context>
<context>
    <name>PacketWndo</name>
    <message>
        <source>Build a Packet</source>
        <translation>Construire un paquet</translation>
    </message>
    <message>
        <source>Centre x₀, in L:</source>
        <translation>Centre x₀, en L&#xa0;:</translation>
    </message>
    <message>
        <source>Width σ of the density, in L:</source>
        <translation>Largeur σ de la densité, en L&#xa0;:</translation>
    </message>
    <message>
        <source>Mean momentum k₀, in πħ/L:</source>
        <translation>Impulsion moyenne k₀, en πħ/L&#xa0;:</translation>
    </message>
    <message>
        <source>The packet&apos;s density in black, the density of its part in the six states in red</source>
        <translation>La densité du paquet en noir, la densité de sa part dans les six états en rouge</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Black: the packet. Red: its part in the six states.</source>
        <translation>Noir&#xa0;: le paquet. Rouge&#xa0;: sa part dans les six états.</translation>
    </message>
    <message>
        <source>The six states hold %1 % of the packet (Σ|cₙ|²).</source>
        <translation>Les six états contiennent %1 % du paquet (Σ|cₙ|²).</translation>
    </message>
    <message>
        <source>No packet: give a centre, a width above 0 and a momentum as numbers.</source>
        <translation>Pas de paquet&#xa0;: donnez un centre, une largeur supérieure à 0 et une impulsion sous forme de nombres.</translation>
    </message>
</context>
<context>
    <name>PresentationWndo</name>
    <message>
        <source>Presentation</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>Too small for the plots:
make the window larger.</source>
        <translation>Trop petit pour les graphiques&#xa0;:
agrandissez la fenêtre.</translation>
    </message>
    <message>
        <source>Wavefunction</source>
        <translation>Fonction d&apos;onde</translation>
    </message>
    <message>
        <source>Probability density</source>
        <translation>Densité de probabilité</translation>
    </message>
    <message>
        <source>N = √(2/L)·Σ|cₙ| over the states shown</source>
        <translation>N = √(2/L)·Σ|cₙ| sur les états affichés</translation>
    </message>
    <message>
        <source>Re ψ in black, Im ψ in red; the y axis shows %1</source>
        <translation>Re ψ en noir, Im ψ en rouge ; l’axe des ordonnées montre %1</translation>
    </message>
    <message>
        <source>The y axis shows %1</source>
        <translation>L’axe des ordonnées montre %1</translation>
    </message>
    <message>
        <source>; a blue line at the mean position ⟨x⟩, a bar from ⟨x⟩ − Δx to ⟨x⟩ + Δx</source>
        <translation> ; une ligne bleue à la position moyenne ⟨x⟩, une barre de ⟨x⟩ − Δx à ⟨x⟩ + Δx</translation>
    </message>
    <message>
        <source>; in grey the density at t = 0</source>
        <translation> ; en gris, la densité à t = 0</translation>
    </message>
</context>
<context>
    <name>ShortcutsWndo</name>
    <message>
        <source>The next or the previous field, button or slider</source>
        <translation>Le champ, le bouton ou le curseur suivant ou précédent</translation>
    </message>
    <message>
        <source>Presses the button that has the focus</source>
        <translation>Actionne le bouton qui a le focus</translation>
    </message>
    <message>
        <source>Another choice of Total and n=1 … n=6, when one of them has the focus</source>
        <translation>Un autre choix parmi Total et n=1 … n=6, quand l&apos;un d&apos;eux a le focus</translation>
    </message>
    <message>
        <source>The speed one step down or up, when the slider has the focus</source>
        <translation>La vitesse d&apos;un cran plus bas ou plus haut, quand le curseur a le focus</translation>
    </message>
    <message>
        <source>Speed 1 or 100</source>
        <translation>Vitesse 1 ou 100</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menus</translation>
    </message>
    <message>
        <source>Controls and windows</source>
        <translation>Commandes et fenêtres</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>The speed 20 up or down</source>
        <translation>La vitesse de 20 plus haut ou plus bas</translation>
    </message>
    <message>
        <source>In the presentation view: full screen or not</source>
        <translation>Dans la présentation&#xa0;: plein écran ou non</translation>
    </message>
    <message>
        <source>In the presentation view: leaves full screen, then closes the view</source>
        <translation>Dans la présentation&#xa0;: quitte le plein écran, puis ferme la présentation</translation>
    </message>
    <message>
        <source>Closes the main window, and with it the program</source>
        <translation>Ferme la fenêtre principale, et avec elle le programme</translation>
    </message>
    <message>
        <source>In the presentation view: the mean position ⟨x⟩ and ⟨x⟩ ± Δx on the density, or not</source>
        <translation>Dans la présentation&#xa0;: la position moyenne ⟨x⟩ et ⟨x⟩ ± Δx sur la densité, ou non</translation>
    </message>
    <message>
        <source>In the presentation view: the density at t = 0 in grey, or not</source>
        <translation>Dans la présentation&#xa0;: la densité à t = 0 en gris, ou non</translation>
    </message>
    <message>
        <source>In the presentation view: high contrast, thicker and darker, or not</source>
        <translation>Dans la présentation&#xa0;: contraste élevé, traits plus épais et plus sombres, ou non</translation>
    </message>
    <message>
        <source>In the space-time picture: one frame on, wherever the focus is</source>
        <translation>Dans l’image espace-temps&#xa0;: une image en avant, où que soit le focus</translation>
    </message>
    <message>
        <source>In the space-time picture: one frame back, wherever the focus is</source>
        <translation>Dans l’image espace-temps&#xa0;: une image en arrière, où que soit le focus</translation>
    </message>
    <message>
        <source>Closes the window in front, unless it is the main window</source>
        <translation>Ferme la fenêtre au premier plan, sauf la fenêtre principale</translation>
    </message>
    <message>
        <source>In Build a Packet: loads the packet into the fields</source>
        <translation>Dans «&#xa0;Construire un paquet&#xa0;»&#xa0;: charge le paquet dans les champs</translation>
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
        <translation>Image espace-temps</translation>
    </message>
    <message>
        <source>States</source>
        <translation>États</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>As shown</source>
        <translation>Comme affiché</translation>
    </message>
    <message>
        <source>The states the main window shows</source>
        <translation>Les états qu’affiche la fenêtre principale</translation>
    </message>
    <message>
        <source>Time span</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>One period T1</source>
        <translation>Une période T1</translation>
    </message>
    <message>
        <source>Half a period T1/2</source>
        <translation>Une demi-période T1/2</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>To the largest</source>
        <translation>Jusqu’au maximum</translation>
    </message>
    <message>
        <source>Physical density L times psi squared</source>
        <translation>Densité physique L fois psi au carré</translation>
    </message>
    <message>
        <source>Colour bar</source>
        <translation>Échelle de couleurs</translation>
    </message>
    <message>
        <source>Click or drag in the picture to go to that time; the arrow keys step a frame.</source>
        <translation>Cliquez ou faites glisser dans l’image pour aller à cet instant&#xa0;; les touches fléchées avancent ou reculent d’une image.</translation>
    </message>
    <message>
        <source>Probability density over position and time, time running downwards</source>
        <translation>Densité de probabilité selon la position et le temps, le temps vers le bas</translation>
    </message>
</context>
<context>
    <name>StatePlots</name>
    <message>
        <source>√L·Re ψ in black and √L·Im ψ in red: the physical wavefunction</source>
        <translation>√L·Re ψ en noir et √L·Im ψ en rouge&#xa0;: la fonction d&apos;onde physique</translation>
    </message>
    <message>
        <source>L·|ψ|²: the physical probability density; under the total, its area is 1</source>
        <translation>L·|ψ|²&#xa0;: la densité de probabilité physique&#xa0;; pour le total, l&apos;aire sous la courbe vaut 1</translation>
    </message>
    <message>
        <source>Re in black and Im in red of Σ cₙ sin(nπx/L) over the states shown, divided by Σ|cₙ|: not to scale (View › Physical Scale)</source>
        <translation>Re en noir et Im en rouge de Σ cₙ sin(nπx/L) sur les états affichés, divisées par Σ|cₙ|&#xa0;: pas à l&apos;échelle (Affichage › Échelle physique)</translation>
    </message>
    <message>
        <source>|Σ cₙ sin(nπx/L)|² over the states shown, divided by (Σ|cₙ|)²: not to scale (View › Physical Scale)</source>
        <translation>|Σ cₙ sin(nπx/L)|² sur les états affichés, divisé par (Σ|cₙ|)²&#xa0;: pas à l&apos;échelle (Affichage › Échelle physique)</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Status</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Press Normalize to load the new values</source>
        <translation>Appuyez sur Normaliser pour charger les nouvelles valeurs</translation>
    </message>
    <message>
        <source>All magnitudes are 0: nothing to show or measure</source>
        <translation>Tous les modules sont nuls&#xa0;: rien à afficher ni à mesurer</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>frame %1</source>
        <translation>image %1</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>vitesse %1</translation>
    </message>
    <message>
        <source>State %1 has magnitude 0</source>
        <translation>L&apos;état %1 a un module nul</translation>
    </message>
    <message>
        <source>t = %1 T₁</source>
        <translation>t = %1 T₁</translation>
    </message>
    <message>
        <source>Too fast to follow: state %1 turns 180° or more a frame</source>
        <translation>Trop rapide pour l&apos;œil&#xa0;: l&apos;état %1 tourne de 180° ou plus par image</translation>
    </message>
    <message>
        <source>Too fast to follow: states %1 turn 180° or more a frame</source>
        <translation>Trop rapides pour l&apos;œil&#xa0;: les états %1 tournent de 180° ou plus par image</translation>
    </message>
</context>
</TS>
