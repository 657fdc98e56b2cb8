<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWndo</name>
    <message>
        <source>About Parvok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>SVG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be printed: the printer could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is not enough memory for it</source>
        <extracomment>The reason in “The picture could not be made: %1”.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parvok at t/T₁ = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be made: %1</source>
        <extracomment>%1 is the reason, such as “there is not enough memory for it”.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file named “%1” already exists in “%2”. Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be made. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be saved in “%2”: %3. Nothing was written there.</source>
        <extracomment>%1 is the file&apos;s name, %2 its folder, %3 the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWndo</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wavefunction: real part in black, imaginary part in red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probability density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all states together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ang:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normalize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normalize the magnitudes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start or stop the animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wavefunction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phasor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State %1: magnitude %2, angle %3 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phasor of state %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n=%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show state %1 alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnitude of state %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle of state %1 in degrees</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuBar1</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Parvok…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start/Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start from the typed state, or stop: the Start button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause/Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold the animation at this instant, or run on from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step &amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One frame forward at the current speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One frame back at the current speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to t = T₁/&amp;4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quarter of the period of state 1 after Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to t = T₁/&amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half the period of state 1: the density is the mirror image of the density at Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to t = &amp;3T₁/4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three quarters of the period of state 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to t = T₁ (Re&amp;vival)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One period of state 1: every state is back where it started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to t = 0, the typed state, paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;States</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ground State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State 1 alone: its density stands still</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>States &amp;1 and 2 in Equal Parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The simplest superposition: the density sloshes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>States 1, 2 and &amp;3 in Equal Parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three states: the density beats at two rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Packet Near x = L/4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A narrow bump near x = L/4, made of the six states</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Two Packets (Cat State)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two bumps at once, near L/4 and 3L/4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every key of the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Observables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the plots and the phasors as they are now, as SVG, PDF or PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Data…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the coefficients and the wavefunction at the 101 samples as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the plots and the phasors as they are now, on one page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy P&amp;icture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the plots and the phasors as they are now on the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObservablesWndo</name>
    <message>
        <source>Energy levels E_n = n^2 E_1</source>
        <extracomment>A plot title in the plot&apos;s markup: &quot;_&quot; and &quot;^&quot; begin a subscript and a superscript, a space ends it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⟨x⟩ (black) and ⟨x⟩ ± $D$x (blue)</source>
        <extracomment>A plot title in the plot&apos;s markup: &quot;$D$&quot; is a Greek Delta.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Momentum density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values of the whole state Σ cₙφₙ, whatever Total / n= shows in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy levels: the probability of each level, at n squared times E1, and the mean energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean position over the last two periods, with the band of one spread either side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values of the observables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running, t = %1 T₁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: the state at Start, t = 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields edited: press Normalize</source>
        <extracomment>The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No state: press Normalize, with at
least one magnitude that is not 0</source>
        <extracomment>The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>—</source>
        <extracomment>Shown in place of a value where there is no state.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time runs backwards here, so the
packet moves against ⟨p⟩.</source>
        <extracomment>Below &lt;p&gt;. The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⟨x⟩/L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Δx/L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⟨p⟩/(πħ/L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Δp/(πħ/L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Δx·Δp/(ħ/2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⟨E⟩/E₁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ΔE/E₁</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PresentationWndo</name>
    <message>
        <source>Presentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too small for the plots:
make the window larger.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShortcutsWndo</name>
    <message>
        <source>The next or the previous field, button or slider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presses the button that has the focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another choice of Total and n=1 … n=6, when one of them has the focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speed one step down or up, when the slider has the focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speed 20 down or up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed 1 or 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window, or the About window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controls and windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Normalize to load the new values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All magnitudes are 0: nothing to show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frame %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State %1 has magnitude 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t = %1 T₁</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
