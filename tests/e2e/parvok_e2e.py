#!/usr/bin/python3
"""Drives the built program as a person would, under Xvfb and openbox: real key and mouse events,
the fields and the About page read back through the clipboard, plots and phasors from screenshots,
the status line as a screen reader reads it (AT-SPI, on a session bus of the test's own), the
picture and the data exported through the menus and the save dialog and opened as files.
Usage: parvok_e2e.py PROGRAM. Exits 0 when every check passes, 1 when one fails, 77 (skipped) where
no X server can be started. Leaves runN.log and, on a failure, failure-runN-* screenshots here."""

import cmath
import json
import math
import os
import re
import select
import shutil
import stat
import subprocess
import sys
import tempfile
import time
from xml.etree import ElementTree

SKIPPED = 77
CONTENT_HEIGHT = 669  # of the main window, under its menu bar; the status line is its bottom band
TOOL_TIMEOUT = 10  # seconds that one xdotool, xclip, wmctrl or import call may take
CLIPBOARD_MARKER = "parvok-e2e: nothing copied yet"
BLACK, RED = (0, 0, 0), (255, 0, 0)
# The main window's controls in content coordinates, where the menu bar's rows are negative. The
# controls of state n + 1 lie ROW px below those of state n.
WAVEFUNCTION, PROBABILITY = (20, 26, 500, 300), (20, 392, 500, 250)
NORMALIZE, START_STOP = (773, 551), (592, 620)
MAGNITUDE, ANGLE, PHASOR_CENTRE, ROW = (773, 75), (773, 106), (648, 92), 82
PHASOR_CORNER, PHASOR_SIZE = (613, 57), (70, 70)
# The display, the session bus and the accessibility bus are added once they are up. The program
# starts from settings and a session of its own, never the user's.
ENV = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
           XDG_CONFIG_HOME=tempfile.mkdtemp(prefix="parvok e2e settings "),
           XDG_STATE_HOME=tempfile.mkdtemp(prefix="parvok e2e state "))
PROCESSES = []  # started here, stopped at the end
EXPORTS = tempfile.mkdtemp(prefix="parvok e2e ψ ")  # where the exports go: a space and a Greek letter
SVG = "{http://www.w3.org/2000/svg}"

class Failed(Exception):
    pass

def of_state(position, i):
    return position[0], position[1] + ROW * i

def coefficients(magnitudes, angles=()):
    """The fields of the first states' coefficients, position -> text, magnitudes first."""
    return {**{of_state(MAGNITUDE, i): text for i, text in enumerate(magnitudes)},
            **{of_state(ANGLE, i): text for i, text in enumerate(angles)}}

def check(condition, message):
    if not condition:
        raise Failed(message)
    print("  ok: " + message)

def wait_for(what, probe, timeout=5, interval=0.05):
    """Polls probe until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while not (value := probe()):
        if time.monotonic() > deadline:
            raise Failed(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)
    return value

def watch(what, sample, done, interval=0.05):
    """Samples until done holds for the samples so far, and returns them."""
    samples = [sample()]
    wait_for(what, lambda: samples.append(sample()) or done(samples), interval=interval)
    return samples

def runs(values, gap):
    """The ascending values grouped into [first, last] runs whose neighbours lie at most gap apart."""
    grouped = []
    for value in values:
        if grouped and value - grouped[-1][1] <= gap:
            grouped[-1][1] = value
        else:
            grouped.append([value, value])
    return grouped

def centre(run):
    return (run[0] + run[1]) / 2

def spawn(command, **options):
    options = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL, **options}
    PROCESSES.append(subprocess.Popen(command, env=ENV, **options))
    return PROCESSES[-1]

def stop(process):
    process.terminate()
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()

def run(*command, check=True):
    try:
        result = subprocess.run(command, env=ENV, capture_output=True, timeout=TOOL_TIMEOUT)
    except subprocess.TimeoutExpired:
        raise Failed(f"{command} took more than {TOOL_TIMEOUT} s")
    if check and result.returncode != 0:
        raise Failed(f"{command} failed: {result.stderr.decode(errors='replace').strip()}")
    return result

def xdotool(*arguments):
    return run("xdotool", *arguments).stdout.decode()

def skip(reason):
    print(f"SKIPPED: no X server can be started here ({reason})")
    sys.exit(SKIPPED)

def start_x():
    """Xvfb on a display it picks itself, with openbox: without a window manager the keyboard focus
    never reaches a window."""
    if not shutil.which("Xvfb"):
        skip("Xvfb is not installed")
    reader, writer = os.pipe()
    spawn(["Xvfb", "-displayfd", str(writer), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
          pass_fds=[writer])
    os.close(writer)
    with os.fdopen(reader) as announced:
        number = announced.readline().strip() if select.select([announced], [], [], 15)[0] else ""
    if not number.isdigit():
        skip("Xvfb did not start")
    ENV["DISPLAY"] = f":{number}"
    ENV.pop("WAYLAND_DISPLAY", None)
    spawn(["openbox"])
    wait_for("the window manager", lambda: not run("wmctrl", "-m", check=False).returncode, 10)
    print(f"X display :{number} with openbox")

def start_accessibility():
    """A session bus of our own and the accessibility bus on it, as a desktop runs them for a screen
    reader; this process reads the program's accessible objects through it."""
    daemon = spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE)
    address = daemon.stdout.readline().decode().strip() if select.select([daemon.stdout], [], [], 10)[0] else ""
    if not address:
        raise Failed("the session bus did not start")
    ENV["DBUS_SESSION_BUS_ADDRESS"] = os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
    os.environ["DISPLAY"] = ENV["DISPLAY"]
    spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])

def status_bar_of(pid):
    """The program's status bar as a screen reader finds it, through AT-SPI."""
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi

    def children(node):
        return [node.get_child_at_index(i) for i in range(node.get_child_count())]

    def status_bar():
        nodes = [a for a in children(Atspi.get_desktop(0)) if a.get_process_id() == pid]
        for _ in range(4):  # the application, its windows, their content, its parts
            if bar := next((node for node in nodes if node.get_role() == Atspi.Role.STATUS_BAR), None):
                return bar
            nodes = [child for node in nodes for child in children(node)]
        return None

    return wait_for("the status line on the accessibility bus", status_bar, 15)

def clipboard():
    result = run("xclip", "-o", "-selection", "clipboard", check=False)
    return result.stdout.decode("utf-8", "replace") if result.returncode == 0 else None

def with_clipboard(text, press_keys):
    """Presses the keys while the clipboard holds the text, offered by an xclip of ours."""
    owner = spawn(["xclip", "-quiet", "-selection", "clipboard", "-i"], stdin=subprocess.PIPE)
    try:
        owner.stdin.write(text.encode())
        owner.stdin.close()
        wait_for("the clipboard to hold the text", lambda: clipboard() == text)
        return press_keys()
    finally:
        stop(owner)

def copied_by(press_keys):
    """The text that press_keys copies: the clipboard first holds a marker of ours, and a copy is
    whatever replaces it."""
    def copy():
        press_keys()
        return wait_for("a copy to the clipboard",
                        lambda: (text := clipboard()) not in (None, CLIPBOARD_MARKER) and text)
    return with_clipboard(CLIPBOARD_MARKER, copy)

class Image:
    """A screenshot of the main window, from binary PPM with 8 bits a sample, in content coordinates."""

    def __init__(self, ppm, menu_height):
        header = re.match(rb"P6\s+(\d+)\s+\d+\s+255\s", ppm)
        if not header:
            raise Failed(f"the screenshot is no 8-bit PPM: {ppm[:20]!r}")
        self.ppm, self.pixels, self.width = ppm, ppm[header.end():], int(header[1])
        self.menu_height = menu_height

    def offset(self, x, y):
        return 3 * ((y + self.menu_height) * self.width + x)

    def rgb(self, x, y):
        return tuple(self.pixels[self.offset(x, y):self.offset(x, y) + 3])

    def region(self, left, top, width, height):
        return b"".join(self.pixels[self.offset(left, y):self.offset(left + width, y)]
                        for y in range(top, top + height))

class Plot:
    """One plot in a screenshot. Its frame lines lie at the ends of the data ranges: the outermost
    columns and rows that are mostly black, since a curve may cross a frame line."""

    def __init__(self, image, bounds, y_range):
        self.image, (self.ymin, self.ymax), (x0, y0, width, height) = image, y_range, bounds
        xs, ys = range(x0, x0 + width), range(y0, y0 + height)
        columns = [x for x in xs if sum(image.rgb(x, y) == BLACK for y in ys) > height // 2]
        rows = [y for y in ys if sum(image.rgb(x, y) == BLACK for x in xs) > width // 2]
        if len(columns) < 2 or len(rows) < 2:
            raise Failed(f"no plot frame inside {bounds}")
        self.left, self.top, self.right, self.bottom = columns[0], rows[0], columns[-1], rows[-1]
        self.pixel_value = (self.ymax - self.ymin) / (self.bottom - self.top)

    def column(self, x):
        return round(self.left + x * (self.right - self.left))

    def x_at(self, column):
        return (column - self.left) / (self.right - self.left)

    def row(self, value):
        return self.top + (self.ymax - value) / self.pixel_value

    def value(self, row):
        return self.ymax - (row - self.top) * self.pixel_value

    def curve_runs(self, column, colour):
        """The runs of the colour's pixels in a column strictly inside the frame, as [first, last] rows."""
        inside = range(self.top + 1, self.bottom)
        return runs([y for y in inside if self.image.rgb(column, y) == colour], 1)

def phasor_angle(image, i):
    """The direction of phasor i's line in degrees, y up: that of the mean of its pixels off the
    centre and well inside the circle."""
    cx, cy = of_state(PHASOR_CENTRE, i)
    offsets = [complex(x - cx, cy - y) for y in range(cy - 30, cy + 31) for x in range(cx - 30, cx + 31)
               if 4 <= math.hypot(x - cx, y - cy) <= 30 and image.rgb(x, y) == BLACK]
    if len(offsets) < 5:
        raise Failed(f"phasor {i + 1} shows no line")
    return math.degrees(cmath.phase(sum(offsets))) % 360

def phasors_shown(image):
    """The six phasors as the screen shows them: 'o' for one with ink, '.' for a blank one."""
    return "".join("." if set(image.region(*of_state(PHASOR_CORNER, i), *PHASOR_SIZE)) == {255} else "o"
                   for i in range(6))

def menu_title_centres(image):
    """The middle of each word in the menu bar: runs of dark columns, less than 6 px apart."""
    dark = [x for x in range(image.width)
            if any(sum(image.rgb(x, y)) < 300 for y in range(-image.menu_height, 0))]
    return [(first + last) // 2 for first, last in runs(dark, 5)]

class Parvok:
    """The running program and its main window. Positions are the main window's content coordinates
    unless a call names another window. A failure inside its with block leaves screenshots."""

    def __init__(self, program, name, arguments=(), title="^Parvok$"):
        self.name, self.last_shot, self.log = name, None, open(f"{name}.log", "w")
        self.process = spawn([program, *arguments], stdin=subprocess.DEVNULL, stdout=self.log,
                             stderr=subprocess.STDOUT)
        self.window = wait_for(f"the main window titled {title}", lambda: self.find_window(title), 15)
        self.status_bar = status_bar_of(self.process.pid)
        self.menu_height = self.geometry(self.window)[3] - CONTENT_HEIGHT
        self.activate(self.window)

    def __enter__(self):
        return self

    def __exit__(self, failure, *details):
        if failure is not None:
            if self.last_shot:
                with open(f"failure-{self.name}-last-analysed.ppm", "wb") as file:
                    file.write(self.last_shot.ppm)
            run("import", "-window", "root", f"failure-{self.name}-screen.png", check=False)
            print(f"  screenshots saved: failure-{self.name}-*")
        stop(self.process)
        self.log.close()

    def windows(self, *conditions):
        """The program's visible windows; --all, since xdotool by default matches any one condition."""
        found = run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.process.pid),
                    *conditions, check=False)
        return found.stdout.decode().split()

    def find_window(self, title):
        return next(iter(self.windows("--name", title)), None)

    def geometry(self, window):
        """The window's content and menu bar on the screen: left, top, width, height."""
        shell = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", window).split())
        return tuple(int(shell[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def activate(self, window, tries=4):
        """Raises the window as well: the window manager may open a new window under an older one.
        Asks again rather than waiting with --sync, which can block for good when the window
        manager passes over a request sent while a slow program is still mapping the window."""
        for attempt in range(tries):
            xdotool("windowraise", window)
            run("xdotool", "windowactivate", window, check=False)
            try:
                return wait_for(f"window {window} to become active",
                                lambda: run("xdotool", "getactivewindow", check=False).stdout.decode().strip() == window,
                                timeout=3)
            except Failed:
                if attempt == tries - 1:
                    raise

    def check_centred(self, window, over, what, within=2):
        """The window's centre lies within so many px of the other one's; Qt centres a message box's
        frame by a guess of the title bar's height."""
        (left, top, width, height), (x, y, w, h) = self.geometry(window), self.geometry(over)
        offset = (left + width / 2 - x - w / 2, top + height / 2 - y - h / 2)
        check(max(map(abs, offset)) <= within, f"{what}: its centre lies {offset} px from its window's")

    def click(self, x, y, window=None):
        if window is None:
            window, y = self.window, y + self.menu_height
        xdotool("mousemove", "--window", window, str(x), str(y), "click", "1")

    def keys(self, *names):
        xdotool("key", "--delay", "30", *names)

    def copy_all(self):
        return copied_by(lambda: self.keys("ctrl+a", "ctrl+c"))

    def set_fields(self, texts):
        for position, text in texts.items():
            self.click(*position)
            self.keys("ctrl+a")
            xdotool("type", "--delay", "30", "--", text)

    def shot(self):
        ppm = run("import", "-window", self.window, "-depth", "8", "ppm:-").stdout
        self.last_shot = Image(ppm, self.menu_height)
        return self.last_shot

    def start(self, fields):
        """Types the fields, starts, and waits until the wavefunction changes between screenshots:
        then the animation of the state set last runs, whichever picture was left from before."""
        self.set_fields(fields)
        self.click(*START_STOP)
        watch("the animation to draw a new frame", lambda: self.shot().region(*WAVEFUNCTION),
              lambda regions: regions[-1] != regions[-2])

    def status(self):
        """The status line as a screen reader reads it: the description of the status bar."""
        self.status_bar.clear_cache()
        return self.status_bar.get_description()

    def status_after(self, *keys):
        """Presses the keys, then waits until the status line tells something new and returns it."""
        before = self.status()
        self.keys(*keys)
        return wait_for(f"the status line to change after {keys}", lambda: (now := self.status()) != before and now)

    def check_exit(self, action):
        try:
            code = self.process.wait(5)
        except subprocess.TimeoutExpired:
            raise Failed(f"the program did not quit within 5 s of: {action}")
        check(code == 0, f"{action} with exit code {code}")

def check_fields(app):
    """Fields: typing, Normalize, reading back through the clipboard"""
    app.set_fields(coefficients(["3", "4"], ["90"]))
    app.click(*NORMALIZE)
    for position, text in coefficients(["0.600000", "0.800000", "0.000000"], ["90"]).items():
        app.click(*position)
        copied = app.copy_all()
        check(copied == text, f"the field at {position} reads {copied!r}, expected {text!r}")
    angle = phasor_angle(app.shot(), 0)
    check(abs(angle - 90) <= 3, f"phasor 1 points at {angle:.1f} degrees after Normalize, expected 90")

def check_blanking(app):
    """An edit blanks the phasors until Normalize; the About window from F1 over them, closed by Esc"""
    app.click(*NORMALIZE)
    wait_for("six phasors drawn after Normalize", lambda: phasors_shown(app.shot()) == "oooooo")
    app.click(*of_state(ANGLE, 2))
    app.keys("End", "5")
    wait_for("six blank phasors after a digit typed", lambda: phasors_shown(app.shot()) == "......", 1)
    print("  ok: a digit typed blanks the six phasors")
    app.keys("F1")
    about = wait_for("the About window", lambda: app.find_window("^About Parvok$"))
    app.check_centred(about, app.window, "the About window")
    left, top, width, height = app.geometry(about)
    screen = tuple(map(int, xdotool("getdisplaygeometry").split()))
    check(left >= 0 and top >= 0 and left + width <= screen[0] and top + height <= screen[1],
          f"the About window at {left}, {top}, {width} x {height} lies on the screen of {screen}")
    app.activate(about)
    app.keys("Escape")
    wait_for("Esc to close the About window", lambda: not app.find_window("^About Parvok$"))
    app.activate(app.window)
    check(phasors_shown(app.shot()) == "......", "the phasors stay blank once the About window closed")
    app.set_fields(coefficients([], ["0", "0", "0"]))
    check(phasors_shown(app.shot()) == "......", "and after more typing")
    app.click(*NORMALIZE)
    wait_for("six phasors drawn after Normalize", lambda: phasors_shown(app.shot()) == "oooooo")
    print("  ok: Normalize draws them again")

def check_edit_menu(app):
    """The Edit menu, opened by the mouse or by Alt+E, acts on the focused field: Copy, Select All, Paste"""
    magnitude, angle = of_state(MAGNITUDE, 2), of_state(ANGLE, 2)
    app.set_fields({magnitude: "0.25", angle: "123"})
    app.click(*magnitude)
    app.keys("ctrl+a")
    edit = menu_title_centres(app.shot())[1]
    copied = copied_by(lambda: (app.click(edit, -app.menu_height // 2), app.keys("c")))
    check(copied == "0.25", f"Edit > Copy copies the selected text: {copied!r}")
    app.click(*angle)
    app.keys("End", "alt+e", "a")
    copied = copied_by(lambda: app.keys("ctrl+c"))
    check(copied == "123", f"Edit > Select All selects the whole field: {copied!r} copied")
    app.click(*magnitude)
    app.keys("ctrl+a", "alt+e", "p")
    pasted = app.copy_all()
    check(pasted == "123", f"Edit > Paste puts the clipboard over the selection: the field reads {pasted!r}")
    app.set_fields({magnitude: "0", angle: "0"})
def check_observables(app):
    """View > Observables (Ctrl+Shift+O), state 3, 4 loaded: the values read back through the clipboard"""
    app.activate(app.window)
    app.keys("ctrl+shift+o")
    window = wait_for("the Observables window", lambda: app.find_window("^Observables$"))
    app.activate(window)
    app.click(600, 300, window=window)  # in the table of values
    rows = dict(line.split(None, 1) for line in app.copy_all().splitlines() if line.startswith(("⟨", "Δ")))
    for name, expected in (("⟨E⟩/E₁", "2.920"), ("ΔE/E₁", "1.440")):
        check(rows.get(name) == expected, f"the table reads {name} = {rows.get(name)!r}, expected {expected}")
    run("wmctrl", "-i", "-c", window)
    wait_for("the Observables window to close", lambda: not app.find_window("^Observables$"))
    app.activate(app.window)

def check_ground_state_density(app):
    """Initial state, n=1 alone: the density lies on sin^2(pi x/L), frame after frame"""
    app.start(coefficients(["1", "0"], ["0"]))
    first = app.last_shot
    time.sleep(0.5)  # while the phase turns by some 15 degrees
    for shot in (first, app.shot()):
        plot = Plot(shot, PROBABILITY, (0, 1))
        for x in (0.15, 0.3, 0.42, 0.58, 0.7, 0.85):
            curve = plot.curve_runs(plot.column(x), BLACK)
            expected = plot.row(math.sin(math.pi * plot.x_at(plot.column(x))) ** 2)
            check(len(curve) == 1 and abs(centre(curve[0]) - expected) <= 1,
                  f"x={x}: the curve covers rows {curve}, expected row {expected:.1f} within 1 px")
    app.click(*START_STOP)

def curve_rows(plot, column):
    """The rows of the black and the red curve in a column, where the two are clear of each other
    and the black one of the zero line."""
    zero = plot.row(0)
    black = [run for run in plot.curve_runs(column, BLACK) if abs(centre(run) - zero) > 0.5]
    red = plot.curve_runs(column, RED)
    if len(black) != 1 or len(red) != 1:
        return None
    re_row, im_row = centre(black[0]), centre(red[0])
    return (re_row, im_row) if abs(re_row - zero) > 3 and abs(re_row - im_row) > 3 else None

def wavefunction_samples(image, xs):
    """The plot, and psi at the column of each x where the curves are clear there and in
    the columns beside it: their mean over the three evens out part of the rounding to whole pixels."""
    plot, samples = Plot(image, WAVEFUNCTION, (-1, 1)), {}
    for x in xs:
        rows = [curve_rows(plot, plot.column(x) + step) for step in (-1, 0, 1)]
        if None not in rows:
            samples[x] = complex(*(plot.value(sum(row[k] for row in rows) / 3) for k in (0, 1)))
    return plot, samples

def phase_turn(before, after):
    return abs(math.degrees(cmath.phase(after / before)))

def check_stationary_state(app):
    """Single state, n=2 alone: Re^2 + Im^2 of the wavefunction stays the same"""
    app.start(coefficients(["0", "1"]))
    xs = (0.125, 0.375, 0.625, 0.875)  # where |psi| is sqrt(0.5): both curves inside the plot
    plot, first = wait_for("a wavefunction with both curves clear",
                           lambda: (shot := wavefunction_samples(app.shot(), xs))[1] and shot)

    def turned():
        later = wavefunction_samples(app.shot(), xs)[1]
        return {x: psi for x, psi in later.items() if x in first and phase_turn(first[x], psi) > 10}

    second = wait_for("a clear wavefunction whose phase turned by more than 10 degrees", turned,
                      interval=0.15)
    tolerance = 2 * 2 * math.sqrt(0.5) * plot.pixel_value  # 2 px along the radius sqrt(0.5)
    for x, later in second.items():
        r1, r2 = abs(first[x]) ** 2, abs(later) ** 2
        check(abs(r1 - r2) <= tolerance, f"x={x}: Re^2+Im^2 = {r1:.4f}, {r2:.4f} once the phase turned"
              f" {phase_turn(first[x], later):.0f} degrees, within {tolerance:.4f}")
        expected = math.sin(2 * math.pi * plot.x_at(plot.column(x))) ** 2
        check(abs(r2 - expected) <= tolerance, f"x={x}: Re^2+Im^2 = {r2:.4f}, sin^2(2 pi x) = {expected:.4f}")
    app.click(*START_STOP)

def density_maximum(image):
    """The mean x of the columns where the density curve comes within a pixel of its highest point."""
    plot = Plot(image, PROBABILITY, (0, 1))
    tops = {column: curve[0][0] for column in range(plot.left + 1, plot.right)
            if (curve := plot.curve_runs(column, BLACK))}
    if not tops:
        raise Failed("the density plot shows no curve")
    columns = [column for column, row in tops.items() if row <= min(tops.values()) + 1]
    return plot.x_at(sum(columns) / len(columns))

def check_superposition(app):
    """n=1 and n=2 in equal parts: the phasors turn counter-clockwise, the density moves"""
    app.start(coefficients(["1", "1"]))
    started, first = time.monotonic(), app.shot()
    time.sleep(0.8)
    last = app.shot()
    elapsed = time.monotonic() - started
    before, after = ([phasor_angle(shot, i) for i in (0, 1)] for shot in (first, last))
    turns = [(a - b) % 360 for a, b in zip(after, before)]
    most = 30 * elapsed + 3  # n^2 degrees a frame at 30 frames a second, and 3 for the line's pixels
    check(0 < turns[0] <= most,
          f"in {elapsed:.2f} s phasor 1 turned counter-clockwise by {turns[0]:.1f} degrees, from"
          f" {before[0]:.1f} to {after[0]:.1f}: more than 0, at most {most:.0f}")
    check(3 <= turns[1] / turns[0] <= 5, f"phasor 2 turned {turns[1] / turns[0]:.2f} times as far, n^2 = 4")
    positions = watch("the density maximum to move by 0.1 L", lambda: density_maximum(app.shot()),
                      lambda xs: max(xs) - min(xs) >= 0.1, interval=0.2)
    print("  ok: the density maximum moved: x/L = " + ", ".join(f"{p:.3f}" for p in positions))
    app.click(*START_STOP)

def clock_of(status):
    """The time and the frame count in a status line "Paused · t = 0.003 T₁ · frame 1 · speed 10"."""
    found = re.search(r"t = (-?\d+\.\d{3}) T₁ · frame (-?\d+) · speed (\d+)$", status)
    if not found:
        raise Failed(f"no clock in the status line {status!r}")
    return float(found[1]), int(found[2]), int(found[3])

def check_pause_and_step(app):
    """Animation menu by its keys: pause, steps forth and back, Go to T1/2; the status line read as a screen reader would"""
    app.start(coefficients(["1", "1"], ["0", "0"]))
    paused = app.status_after("ctrl+space")
    t, frames, speed = clock_of(paused)
    check(paused.startswith("Paused · ") and frames > 0 and f"{t:.3f}" == f"{frames * speed / 3600:.3f}",
          f"paused after {frames} frames at speed {speed}: {paused!r}, t = frames x speed / 3600")
    still = app.shot().region(*WAVEFUNCTION)
    time.sleep(0.3)
    check(app.shot().region(*WAVEFUNCTION) == still, "nothing moves while paused")
    for step in range(1, 4):
        t, counted, _ = clock_of(app.status_after("alt+Right"))
        check(counted == frames + step and f"{t:.3f}" == f"{counted * speed / 3600:.3f}",
              f"Step Forward {step}: frame {counted}, t = {t:.3f} T₁")
    for step in range(3):
        app.status_after("alt+Left")
    check(app.status() == paused, f"three steps back return to {paused!r}")
    half = app.status_after("ctrl+2")
    check(clock_of(half)[:2] == (0.5, round(0.5 * 3600 / speed)), f"Go to t = T₁/2: {half!r}, as many frames")
    angle = phasor_angle(app.shot(), 0)  # a level line lies on a row beside the centre: 4 degrees off
    check(abs(angle - 180) <= 5, f"phasor 1 has turned half a turn, to {angle:.1f} degrees")
    check(app.status_after("ctrl+space").startswith("Running · "), "Resume runs on")
    check(app.status_after("ctrl+r").startswith("Ready · "), "Ctrl+R stops, as the Start button does")

def check_space_time_drag(app):
    """View > Space-Time Picture (Ctrl+Shift+T): a drag in the picture pauses the run at the instant under the pointer, t = 0 at the top"""
    app.start(coefficients(["1", "1"], ["0", "0"]))
    app.keys("ctrl+shift+t")
    window = wait_for("the space-time picture", lambda: app.find_window("^Space-Time Picture$"))
    app.activate(window)
    _, _, width, height = app.geometry(window)
    # Two thirds down the plot, which lies between the choices and the reading, left of the colour bar.
    x, y = (width - 180) // 2, app.menu_height + 60 + (height - app.menu_height - 100) * 2 // 3
    xdotool("mousemove", "--window", window, str(x), str(y - 20), "mousedown", "1",
            "mousemove", "--window", window, str(x), str(y), "mouseup", "1")
    # The running clock changes the line at every frame: what tells the drag is the pause.
    status = wait_for("the run to pause after a drag", lambda: (now := app.status()).startswith("Paused · ") and now)
    check(0.55 < clock_of(status)[0] < 0.8,
          f"a drag two thirds down the picture pauses the run near t = 2/3 T₁: {status!r}")
    run("wmctrl", "-i", "-c", window)
    app.activate(app.window)
    check(app.status_after("ctrl+r").startswith("Ready · "), "Ctrl+R stops the paused run")

def save_dialog(app, open_it):
    """Opens a save dialog and returns it with the name it offers, copied from its name field."""
    open_it()
    dialog = wait_for("the save dialog", lambda: app.find_window("^Export (Picture|Data)"))
    app.activate(dialog)
    return dialog, copied_by(lambda: app.keys("ctrl+c"))

def save_as(app, dialog, path):
    """Pastes the path into the dialog's name field, and holds it on the clipboard until the dialog
    has taken it: xdotool types a Greek letter by remapping a key, which a busy X server may lose."""
    def paste():
        app.keys("ctrl+a", "ctrl+v", "Return")
        wait_for("the save dialog to close", lambda: dialog not in app.windows())
    with_clipboard(path, paste)

def written(path):
    return wait_for(f"{path} to be written", lambda: os.path.isfile(path) and os.path.getsize(path) > 0 and path)

def check_exports(app):
    """File > Export Picture from the menu, Export Data by its key from a field; the files opened"""
    titles = menu_title_centres(app.shot())
    dialog, offered = save_dialog(app, lambda: (app.click(titles[0], app.menu_height // 2, window=app.window),
                                                app.keys("e")))
    check(re.fullmatch(r"parvok-t\d+\.\d{3}\.svg", offered), f"the dialog offers the name {offered!r}")
    save_as(app, dialog, os.path.join(EXPORTS, "plot"))  # no extension: the chosen type's is added
    svg = ElementTree.parse(written(os.path.join(EXPORTS, "plot.svg")))
    told = wait_for("the status line to tell the file saved", lambda: "Saved “plot.svg”" in (line := app.status()) and line)
    print(f"  ok: the status line tells {told!r}")
    curves = [line for line in svg.iter(SVG + "polyline") if len(line.get("points").split()) == 101]
    texts = {text.text for text in svg.iter(SVG + "text")}
    check(len(curves) == 3, f"the SVG holds {len(curves)} polylines through 101 samples, one per curve")
    check({"Wavefunction", "Probability", "x/L", "n=6"} <= texts, "the SVG's texts include the captions and x/L")

    app.click(*MAGNITUDE)
    dialog, offered = save_dialog(app, lambda: app.keys("ctrl+shift+d"))
    check(offered.endswith(".csv"), f"the data dialog offers {offered!r}")
    save_as(app, dialog, os.path.join(EXPORTS, "data.csv"))
    with open(written(os.path.join(EXPORTS, "data.csv")), encoding="utf-8") as file:
        rows = [line.split(",") for line in file.read().splitlines() if not line.startswith("#")]
    samples = [[float(value) for value in row] for row in rows[1:]]
    check(rows[0] == ["x/L", "√L·Re ψ", "√L·Im ψ", "L·|ψ|²", "Re ψ scaled", "Im ψ scaled", "|ψ|² scaled"] and
          len(samples) == 101 and
          all(x == j * 0.01 and p == pr * pr + pi * pi and s == sr * sr + si * si
              for j, (x, pr, pi, p, sr, si, s) in enumerate(samples)),
          "the CSV holds x/L, then Re, Im and |psi|^2 = Re^2 + Im^2, physical and scaled, at the 101 samples")

def check_replace_prompt(app):
    """Exporting over a file asks first, centred on the main window: Escape keeps it and returns to the save dialog, Replace writes it"""
    path = os.path.join(EXPORTS, "plot.svg")
    xdotool("windowmove", "--sync", app.window, "0", "0")  # away from the screen's centre
    for key, replaces in (("Escape", False), ("alt+r", True)):
        before = os.stat(path).st_mtime_ns
        app.activate(app.window)  # the keyboard focus comes back once the window manager gives it
        dialog, _ = save_dialog(app, lambda: app.keys("ctrl+shift+e"))
        save_as(app, dialog, path)
        question = wait_for("the question whether to replace the file",
                            lambda: other_window(app, "^Export Picture", dialog))
        app.check_centred(question, app.window, "the question", within=24)
        app.activate(question)
        app.keys(key)
        wait_for("the question to close", lambda: question not in app.windows())
        if not replaces:
            again = wait_for("the save dialog again", lambda: app.find_window("^Export Picture"))
            app.activate(again)
            offered = app.copy_all()
            check(offered == "plot.svg", f"the save dialog comes back with {offered!r}, in the same folder")
            app.keys("Escape")
            wait_for("the save dialog to close", lambda: again not in app.windows())
        time.sleep(0.3)
        check((os.stat(path).st_mtime_ns != before) == replaces,
              f"{key} {'replaces' if replaces else 'keeps'} the file")

def other_window(app, title, window):
    """A window of the program titled so other than the given one, such as a message over a dialog."""
    return next((w for w in app.windows("--name", title) if w != window), None)

def check_running(app, what):
    """The status line tells a new time twice, as each frame does while the animation runs."""
    watch(f"the animation to run {what}", app.status, lambda lines: len(set(lines)) >= 3, interval=0.1)
    print(f"  ok: the animation runs {what}")

def close_message(app, message, tries=3):
    """Return on the message until it goes: a program slowed down (by the sanitizers, a loaded
    machine) may take a key sent as its window becomes active for the window before."""
    for attempt in range(tries):
        if message not in app.windows():
            return True
        app.activate(message)
        app.keys("Return")
        try:
            return wait_for("the message to close", lambda: message not in app.windows(), timeout=3)
        except Failed:
            if attempt == tries - 1:
                raise

def check_unsafe_names(app):
    """Export Data to /proc/kmsg, a FIFO, /dev/zero: refused with a message, the name kept; /proc/ opened and closed; the animation runs on"""
    fifo = os.path.join(EXPORTS, "pipe.csv")
    os.mkfifo(fifo)
    app.start(coefficients(["1", "1"]))
    dialog, _ = save_dialog(app, lambda: app.keys("ctrl+shift+d"))
    for path in ("/proc/kmsg", fifo, "/dev/zero"):
        with_clipboard(path, lambda: app.keys("ctrl+a", "ctrl+v", "Return"))
        message = wait_for(f"the message refusing {path}", lambda: other_window(app, "^Export Data$", dialog))
        app.check_centred(message, dialog, "the message", within=24)
        check_running(app, "while the message is open")
        close_message(app, message)
        app.activate(dialog)
        kept = app.copy_all()
        check(dialog in app.windows() and kept == path, f"the dialog stays open with {kept!r} as typed")
    with_clipboard("/proc/", lambda: app.keys("ctrl+a", "ctrl+v", "Return"))
    time.sleep(1)  # while the dialog lists /proc, and the names typed so far under it
    check_running(app, "while the dialog lists /proc")
    app.keys("Escape", "Escape")  # the list of names under the field, then the dialog
    wait_for("the dialog listing /proc to close", lambda: dialog not in app.windows())
    check_running(app, "once the dialog is closed")
    check(not os.path.exists("/proc/kmsg.csv") and stat.S_ISFIFO(os.stat(fifo).st_mode), "nothing was written")
    app.activate(app.window)
    app.click(*START_STOP)

def full_screen(app, window):
    """Whether the window covers the whole screen and the window manager has it full screen."""
    state = run("xprop", "-id", window, "_NET_WM_STATE", check=False).stdout.decode()
    screen = tuple(map(int, xdotool("getdisplaygeometry").split()))
    return "_NET_WM_STATE_FULLSCREEN" in state and app.geometry(window) == (0, 0, *screen)

def check_presentation(app):
    """View > Presentation (F11): full screen, following the frames; F11 in and out, the main window's keys there, Esc out, then closed"""
    app.start(coefficients(["1", "1"]))
    app.keys("F11")
    view = wait_for("the presentation view", lambda: app.find_window("^Presentation"))
    wait_for("the view to cover the screen", lambda: full_screen(app, view))
    print("  ok: F11 opens the view full screen")
    watch("the view to show a new frame", lambda: run("import", "-window", view, "ppm:-").stdout,
          lambda shots: shots[-1] != shots[-2])
    print("  ok: the view follows the frames")
    app.activate(view)
    for expected in (False, True):
        app.keys("F11")
        wait_for(f"F11 to take the view {'into' if expected else 'out of'} full screen",
                 lambda: full_screen(app, view) == expected)
    print("  ok: F11 takes it out of full screen and back")
    app.keys("ctrl+space")
    still = run("import", "-window", view, "ppm:-").stdout
    time.sleep(0.3)
    check(run("import", "-window", view, "ppm:-").stdout == still, "Ctrl+Space in the view pauses the animation")
    app.keys("ctrl+space")
    app.keys("F1")
    about = wait_for("the About window over the view", lambda: app.find_window("^About Parvok$"))
    app.activate(about)
    app.keys("Escape")
    wait_for("Esc to close the About window", lambda: not app.find_window("^About Parvok$"))
    print("  ok: the main window's F1 acts in the view")
    app.activate(view)
    app.keys("Escape")
    wait_for("Esc to take the view out of full screen", lambda: not full_screen(app, view))
    app.keys("Escape")
    wait_for("a second Esc to close the view", lambda: not app.find_window("^Presentation"))
    check(app.find_window("^Parvok$") == app.window, "Esc leaves full screen, then closes the view; the main window stays")
    app.activate(app.window)
    app.click(*START_STOP)

def check_about_and_quit(app):
    """Help > About Parvok: the page copied through the clipboard, Ctrl+W closes it; then Ctrl+Q"""
    titles = menu_title_centres(app.shot())
    check(len(titles) == 7, f"the menu bar holds seven titles, at x = {titles}")
    count = len(app.windows())
    app.click(titles[-1], app.menu_height // 2, window=app.window)
    wait_for("the Help menu", lambda: len(app.windows()) > count)
    app.keys("Down", "Return")
    about = wait_for("the About window", lambda: app.find_window("^About Parvok$"))
    app.activate(about)
    app.click(300, 300, window=about)
    text = app.copy_all()
    print(f"  copied {len(text)} characters, starting {text[:40]!r}")
    for word in ("Parvok", "superposition", "Normalize"):
        check(word in text, f"the copied page holds {word!r}")
    app.keys("ctrl+w")
    wait_for("Ctrl+W to close the About window", lambda: not app.find_window("^About Parvok$"))
    check(app.find_window("^Parvok$") == app.window and app.process.poll() is None,
          "the main window is still there after the About window closed")
    app.activate(app.window)
    app.keys("ctrl+q")
    app.check_exit("Ctrl+Q quits")

def check_build_packet(app):
    """States › Build a Packet…: Return loads the packet it offers, at rest at x₀ = 0.25 L with σ = 0.08 L, into the fields, normalized"""
    app.click(*MAGNITUDE)
    app.keys("alt+s", "b")
    app.activate(wait_for("the Build a Packet dialog", lambda: app.find_window("^Build a Packet")))
    app.keys("Return")
    wait_for("Load to close the dialog", lambda: not app.find_window("^Build a Packet"))
    app.click(*of_state(MAGNITUDE, 1))
    # |c₂| of the packet's projection, by Simpson's rule on 200,000 intervals of the box
    check(app.copy_all() == "0.699303", "the second magnitude reads 0.699303")
    app.keys("alt+s", "g")  # the ground state again, for the runs that take up this session

def check_close_while_running(app):
    """Second run: the window manager closes the main window while the animation runs, the presentation view open"""
    app.start({})
    app.keys("F11")
    wait_for("the presentation view", lambda: app.find_window("^Presentation"))
    run("wmctrl", "-i", "-c", app.window)
    app.check_exit("closing the window quits")

LESSON = os.path.join(EXPORTS, "monday.parvok")

def check_lesson_dialogs(app):
    """States › Add Current State… names the state typed; Ctrl+S saves the lesson through the save dialog; Ctrl+Q asks about changes not saved, and Escape keeps them"""
    app.set_fields(coefficients(["3", "4"]))
    app.keys("alt+s", "a")
    dialog = wait_for("the dialog that names the state", lambda: app.find_window("^Add Current State$"))
    app.activate(dialog)
    xdotool("type", "--delay", "30", "--", "Sloshing")  # in place of the name offered, selected
    app.keys("Return")
    wait_for("the title of a lesson not saved", lambda: app.find_window("^Untitled Lesson\\* — Parvok$"))
    app.activate(app.window)
    app.keys("ctrl+s")
    dialog = wait_for("the save dialog", lambda: app.find_window("^Save Lesson$"))
    app.activate(dialog)
    save_as(app, dialog, os.path.join(EXPORTS, "monday"))
    with open(written(LESSON), encoding="utf-8") as file:
        state = json.load(file)["states"][0]
    check(state["name"] == "Sloshing" and state["magnitudes"] == [3, 4, 0, 0, 0, 0],
          f"the lesson file holds the state as typed: {state}")
    wait_for("the lesson's name in the title", lambda: app.find_window("^monday — Parvok$"))
    app.activate(app.window)
    app.keys("alt+s", "a")
    app.activate(wait_for("the dialog again", lambda: app.find_window("^Add Current State$")))
    app.keys("Return")
    wait_for("the mark of changes not saved", lambda: app.find_window("^monday\\* — Parvok$"))
    app.activate(app.window)
    app.keys("ctrl+q")
    question = wait_for("the question before quitting", lambda: app.find_window("^Unsaved Changes$"))
    app.activate(question)
    app.keys("Escape")
    wait_for("the question to close", lambda: not app.find_window("^Unsaved Changes$"))
    check(app.process.poll() is None, "Escape keeps the program and the changes")

def check_killed(app):
    """A field typed, then the program killed (kill -9) a second later"""
    app.set_fields({of_state(MAGNITUDE, 2): "0.25"})
    time.sleep(1.2)
    app.process.kill()
    app.process.wait()

def check_session_restored(app):
    """After kill -9: the field as typed, and the lesson with its change not saved, taken up again"""
    app.click(*of_state(MAGNITUDE, 2))
    check(app.copy_all() == "0.25", "the field typed before the kill reads 0.25 again")
    app.keys("ctrl+s")
    wait_for("the saved lesson's title", lambda: app.find_window("^monday — Parvok$"))
    with open(LESSON, encoding="utf-8") as file:
        names = [state["name"] for state in json.load(file)["states"]]
    check(names == ["Sloshing", "State 2"], f"the lesson saved after the restart holds {names}")
    app.keys("ctrl+q")
    app.check_exit("Ctrl+Q quits with nothing left to save")

def check_opened_from_command_line(app):
    """parvok monday.parvok: the lesson open, its first state in the fields"""
    app.click(*MAGNITUDE)
    check(app.copy_all() == "0.600000", "the first state's magnitude of 3, normalized with 4, reads 0.600000")

RUNS = {"run1": (check_fields, check_blanking, check_edit_menu, check_observables, check_ground_state_density,
                 check_stationary_state, check_superposition, check_pause_and_step, check_space_time_drag,
                 check_exports, check_replace_prompt, check_unsafe_names, check_presentation, check_about_and_quit),
        "run2": (check_build_packet, check_close_while_running),
        "run3": (check_lesson_dialogs, check_killed),
        "run4": (check_session_restored,)}
LATER_RUNS = {"run4": {"title": "^monday\\* — Parvok$"},
              "run5": {"arguments": [LESSON], "title": "^monday — Parvok$"}}

def main(program):
    sys.stdout.reconfigure(line_buffering=True)
    started = time.monotonic()
    try:
        start_x()
        start_accessibility()
        for name, steps in {**RUNS, "run5": (check_opened_from_command_line,)}.items():
            with Parvok(program, name, **LATER_RUNS.get(name, {})) as app:
                for step in steps:
                    print(step.__doc__)
                    step(app)
    except Failed as failure:
        print(f"FAILED: {failure}")
        return 1
    finally:
        for process in reversed(PROCESSES):
            stop(process)
        shutil.rmtree(EXPORTS, ignore_errors=True)
        shutil.rmtree(ENV["XDG_CONFIG_HOME"], ignore_errors=True)
        shutil.rmtree(ENV["XDG_STATE_HOME"], ignore_errors=True)
    print(f"all checks passed in {time.monotonic() - started:.1f} s")
    return 0

if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1]))
