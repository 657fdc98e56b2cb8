#!/usr/bin/python3
"""Drives the built program as a person would: on a virtual X display with a window manager, with
real key and mouse events, reading the fields and the About page back through the clipboard and the
plots and phasors from screenshots.

Usage: parvok_e2e.py PROGRAM. Exits 0 when every check passes, 1 when one fails, and 77 (skipped)
where no X server can be started. The program's output (runN.log) and, on a failure, screenshots
(failure-runN-*) are left in the working directory."""

import math
import os
import select
import shutil
import subprocess
import sys
import time

SKIPPED = 77
CONTENT_HEIGHT = 669  # of the main window, below its menu bar
TOOL_TIMEOUT = 10  # seconds that one xdotool, xclip, wmctrl or import call may take

BLACK = (0, 0, 0)
RED = (255, 0, 0)

# The main window's controls, in content coordinates.
WAVEFUNCTION = (20, 26, 500, 300)
PROBABILITY = (20, 392, 500, 250)
NORMALIZE = (773, 551)
START = (592, 620)
PHASOR_SIZE = 70


def magnitude_field(i):
    return (773, 75 + 82 * i)


def angle_field(i):
    return (773, 106 + 82 * i)


def phasor_centre(i):
    return (613 + PHASOR_SIZE // 2, 57 + 82 * i + PHASOR_SIZE // 2)


class Failed(Exception):
    pass


class NoDisplay(Exception):
    pass


def report(message):
    print(message, flush=True)


def check(condition, message):
    if not condition:
        raise Failed(message)
    report("  ok: " + message)


def wait_for(what, probe, timeout, interval=0.05):
    """Polls probe until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failed(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


def stop(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class XSession:
    """Xvfb on a display it picks itself, with openbox: without a window manager the keyboard focus
    never reaches a window."""

    def __init__(self):
        self.processes = []
        self.env = None

    def __enter__(self):
        try:
            display = self.start_server()
            self.env = dict(os.environ, DISPLAY=f":{display}", QT_QPA_PLATFORM="xcb")
            self.env.pop("WAYLAND_DISPLAY", None)
            self.spawn(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            wait_for("the window manager", lambda: not self.run(["wmctrl", "-m"], check=False).returncode, 10)
        except BaseException:
            self.__exit__()
            raise
        report(f"X display :{display} with openbox")
        return self

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            stop(process)

    def start_server(self):
        if not shutil.which("Xvfb"):
            raise NoDisplay("Xvfb is not installed")
        reader, writer = os.pipe()
        self.processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(writer), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            pass_fds=[writer], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        os.close(writer)
        with os.fdopen(reader) as announced:
            ready, _, _ = select.select([announced], [], [], 15)
            number = announced.readline().strip() if ready else ""
        if not number.isdigit():
            raise NoDisplay("Xvfb did not start")
        return number

    def spawn(self, command, **options):
        process = subprocess.Popen(command, env=self.env, **options)
        self.processes.append(process)
        return process

    def run(self, command, check=True):
        try:
            result = subprocess.run(command, env=self.env, capture_output=True, timeout=TOOL_TIMEOUT)
        except subprocess.TimeoutExpired:
            raise Failed(f"{command} took more than {TOOL_TIMEOUT} s")
        if check and result.returncode != 0:
            raise Failed(f"{command} failed: {result.stderr.decode(errors='replace').strip()}")
        return result

    def screenshot(self, window):
        return Image(self.run(["import", "-window", window, "-depth", "8", "ppm:-"]).stdout)


class Clipboard:
    """Reads what the program copies: the clipboard first holds a marker of ours, and a copy is
    whatever replaces it."""

    MARKER = "parvok-e2e: nothing copied yet"

    def __init__(self, session):
        self.session = session

    def copied_by(self, press_keys):
        owner = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i"], env=self.session.env,
                                 stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            owner.stdin.write(self.MARKER.encode())
            owner.stdin.close()
            wait_for("the clipboard to hold the marker", lambda: self.read() == self.MARKER, 5)
            press_keys()
            return wait_for("a copy to the clipboard", self.copied, 5)
        finally:
            stop(owner)

    def read(self):
        result = self.session.run(["xclip", "-o", "-selection", "clipboard"], check=False)
        return result.stdout.decode("utf-8", "replace") if result.returncode == 0 else None

    def copied(self):
        text = self.read()
        return text if text not in (None, self.MARKER) else None


class Image:
    """A screenshot, read from binary PPM with 8 bits a sample."""

    def __init__(self, ppm):
        fields, offset = [], 0
        while len(fields) < 4:
            while ppm[offset:offset + 1].isspace():
                offset += 1
            start = offset
            while ppm[offset:offset + 1] and not ppm[offset:offset + 1].isspace():
                offset += 1
            fields.append(ppm[start:offset])
        if fields[0] != b"P6" or fields[3] != b"255":
            raise Failed(f"the screenshot is no 8-bit PPM: {fields}")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.ppm = ppm
        self.pixels = ppm[offset + 1:]

    def rgb(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])

    def region(self, left, top, width, height):
        return b"".join(self.pixels[3 * (y * self.width + left):3 * (y * self.width + left + width)]
                        for y in range(top, top + height))

    def save(self, name):
        with open(name, "wb") as file:
            file.write(self.ppm)
        report(f"  screenshot saved: {name}")


class Plot:
    """One plot in a screenshot. Its frame is found from the black frame lines, whose pixels lie at
    the ends of the data ranges."""

    def __init__(self, image, bounds, y_range):
        self.image = image
        self.ymin, self.ymax = y_range
        self.left, self.top, self.right, self.bottom = self.find_frame(bounds)

    def find_frame(self, bounds):
        """The outermost columns and rows that are mostly black: a curve may cross a frame line."""
        x0, y0, width, height = bounds
        xs, ys = range(x0, x0 + width), range(y0, y0 + height)
        columns = [x for x in xs if self.blacks((x, y) for y in ys) > height // 2]
        rows = [y for y in ys if self.blacks((x, y) for x in xs) > width // 2]
        if len(columns) < 2 or len(rows) < 2:
            raise Failed(f"no plot frame inside {bounds}")
        return columns[0], rows[0], columns[-1], rows[-1]

    def blacks(self, pixels):
        return sum(1 for x, y in pixels if self.image.rgb(x, y) == BLACK)

    def column(self, x):
        return round(self.left + x * (self.right - self.left))

    def x_at(self, column):
        return (column - self.left) / (self.right - self.left)

    def row(self, value):
        return self.top + (self.ymax - value) / (self.ymax - self.ymin) * (self.bottom - self.top)

    def value(self, row):
        return self.ymax - (row - self.top) / (self.bottom - self.top) * (self.ymax - self.ymin)

    def pixel_value(self):
        return (self.ymax - self.ymin) / (self.bottom - self.top)

    def curve_runs(self, column, colour):
        """The runs of the colour's pixels in a column strictly inside the frame, as [first, last] rows."""
        runs = []
        for y in range(self.top + 1, self.bottom):
            if self.image.rgb(column, y) != colour:
                continue
            if runs and runs[-1][1] == y - 1:
                runs[-1][1] = y
            else:
                runs.append([y, y])
        return runs

    def top_curve_row(self, column):
        runs = self.curve_runs(column, BLACK)
        return runs[0][0] if runs else None


def centre(run):
    return (run[0] + run[1]) / 2


class Parvok:
    """The running program and its main window. Positions are the main window's content coordinates
    unless a call names another window."""

    def __init__(self, session, program, log_name):
        self.session = session
        self.log = open(log_name, "w")
        self.process = session.spawn([program], stdin=subprocess.DEVNULL, stdout=self.log,
                                     stderr=subprocess.STDOUT)
        self.last_shot = None
        self.window = wait_for("the main window", lambda: self.find_window("^Parvok$"), 15)
        geometry = self.xdotool("getwindowgeometry", "--shell", self.window).split()
        self.menu_height = int(dict(line.split("=") for line in geometry)["HEIGHT"]) - CONTENT_HEIGHT
        self.activate(self.window)

    def windows(self, *conditions):
        """The program's visible windows; --all, since xdotool by default matches any one condition."""
        search = ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.process.pid)]
        found = self.session.run(search + list(conditions), check=False)
        return found.stdout.decode().split()

    def find_window(self, title):
        found = self.windows("--name", title)
        return found[0] if found else None

    def xdotool(self, *arguments):
        return self.session.run(["xdotool", *arguments]).stdout.decode()

    def activate(self, window):
        """Raises the window as well: the window manager may open a new window under an older one."""
        self.xdotool("windowraise", window)
        self.xdotool("windowactivate", "--sync", window)

    def click(self, x, y, window=None):
        if window is None:
            window, y = self.window, y + self.menu_height
        self.xdotool("mousemove", "--window", window, str(x), str(y), "click", "1")

    def keys(self, *names):
        self.xdotool("key", "--delay", "30", *names)

    def set_field(self, position, text):
        self.click(*position)
        self.keys("ctrl+a")
        self.xdotool("type", "--delay", "30", "--", text)

    def field_text(self, clipboard, position):
        self.click(*position)
        return clipboard.copied_by(lambda: self.keys("ctrl+a", "ctrl+c"))

    def shot(self):
        self.last_shot = self.session.screenshot(self.window)
        return self.last_shot

    def wavefunction(self, image):
        return self.plot(image, WAVEFUNCTION, (-1, 1))

    def probability(self, image):
        return self.plot(image, PROBABILITY, (0, 1))

    def plot(self, image, bounds, y_range):
        x, y, width, height = bounds
        return Plot(image, (x, y + self.menu_height, width, height), y_range)

    def wait_for_frames(self):
        """Waits until the wavefunction changes between screenshots: the animation of the state set
        last runs, whichever picture was left from before."""
        left, top, width, height = WAVEFUNCTION
        shown = [self.shot().region(left, top + self.menu_height, width, height)]

        def changed():
            shown.append(self.shot().region(left, top + self.menu_height, width, height))
            return shown[-1] != shown[-2]

        wait_for("the animation to draw a new frame", changed, 5)

    def phasor_angle(self, image, i):
        """The direction of phasor i's line in degrees, y up: that of the mean of its pixels off the
        centre and well inside the circle."""
        cx, cy = phasor_centre(i)
        cy += self.menu_height
        sum_x = sum_y = count = 0
        for y in range(cy - 30, cy + 31):
            for x in range(cx - 30, cx + 31):
                if 4 <= math.hypot(x - cx, y - cy) <= 30 and image.rgb(x, y) == BLACK:
                    sum_x, sum_y, count = sum_x + x - cx, sum_y + cy - y, count + 1
        if count < 5:
            raise Failed(f"phasor {i + 1} shows no line")
        return math.degrees(math.atan2(sum_y, sum_x)) % 360

    def menu_title_centres(self, image):
        """The middle of each word in the menu bar: runs of dark columns, less than 6 px apart."""
        dark = [x for x in range(image.width)
                if any(sum(image.rgb(x, y)) < 300 for y in range(self.menu_height))]
        words = []
        for x in dark:
            if words and x - words[-1][1] < 6:
                words[-1][1] = x
            else:
                words.append([x, x])
        return [(first + last) // 2 for first, last in words]

    def wait_exit(self, timeout):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failed(f"the program did not quit within {timeout} s")

    def close(self):
        stop(self.process)
        self.log.close()


def set_coefficients(app, magnitudes, angles):
    for i, text in magnitudes.items():
        app.set_field(magnitude_field(i), text)
    for i, text in angles.items():
        app.set_field(angle_field(i), text)


def start_state(app, magnitudes, angles=None):
    set_coefficients(app, magnitudes, angles or {})
    app.click(*START)
    app.wait_for_frames()


def stop_animation(app):
    app.click(*START)


def check_fields(app, clipboard):
    report("Fields: typing, Normalize, reading back through the clipboard")
    set_coefficients(app, {0: "3", 1: "4"}, {0: "90"})
    app.click(*NORMALIZE)
    expected = {magnitude_field(0): "0.600000", magnitude_field(1): "0.800000",
                magnitude_field(2): "0.000000", angle_field(0): "90"}
    for position, text in expected.items():
        copied = app.field_text(clipboard, position)
        check(copied == text, f"the field at {position} reads {copied!r}, expected {text!r}")
    angle = app.phasor_angle(app.shot(), 0)
    check(abs(angle - 90) <= 3, f"phasor 1 points at {angle:.1f} degrees after Normalize, expected 90")


def check_ground_state_density(app):
    report("Initial state, n=1 alone: the density lies on sin^2(pi x/L), frame after frame")
    start_state(app, {0: "1", 1: "0"}, {0: "0"})
    shots = [app.last_shot]
    time.sleep(0.5)  # while the phase turns by some 15 degrees
    shots.append(app.shot())
    for shot in shots:
        plot = app.probability(shot)
        report(f"  density frame: columns {plot.left}..{plot.right}, rows {plot.top}..{plot.bottom}")
        for x in (0.15, 0.3, 0.42, 0.58, 0.7, 0.85):
            runs = plot.curve_runs(plot.column(x), BLACK)
            expected = plot.row(math.sin(math.pi * plot.x_at(plot.column(x))) ** 2)
            check(len(runs) == 1 and abs(centre(runs[0]) - expected) <= 1,
                  f"x={x}: the curve covers rows {runs}, expected row {expected:.1f} within 1 px")
    stop_animation(app)


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


def wavefunction_samples(plot, xs):
    """(Re psi, Im psi) at the column of each x where the curves are clear there and in the columns
    beside it: their mean over the three evens out part of the rounding to whole pixels."""
    samples = {}
    for x in xs:
        rows = [curve_rows(plot, plot.column(x) + step) for step in (-1, 0, 1)]
        if None not in rows:
            samples[x] = tuple(plot.value(sum(row[k] for row in rows) / 3) for k in (0, 1))
    return samples


def phase(sample):
    return math.degrees(math.atan2(sample[1], sample[0]))


def turn(before, after):
    """The smaller angle between two directions, in degrees."""
    return abs((after - before + 180) % 360 - 180)


def check_stationary_state(app):
    report("Single state, n=2 alone: Re^2 + Im^2 of the wavefunction stays the same")
    start_state(app, {0: "0", 1: "1"})
    xs = (0.125, 0.375, 0.625, 0.875)  # where |psi| is sqrt(0.5): both curves inside the plot

    def clear_shot():
        plot = app.wavefunction(app.shot())
        samples = wavefunction_samples(plot, xs)
        return (plot, samples) if samples else None

    plot, first = wait_for("a wavefunction with both curves clear", clear_shot, 5)

    def turned_shot():
        time.sleep(0.15)
        shot = clear_shot()
        later = shot[1] if shot else {}
        return {x: s for x, s in later.items() if x in first and turn(phase(first[x]), phase(s)) > 10}

    second = wait_for("a clear wavefunction whose phase turned by more than 10 degrees", turned_shot, 5)
    tolerance = 2 * 2 * math.sqrt(0.5) * plot.pixel_value()  # 2 px along the radius sqrt(0.5)
    for x, later in second.items():
        r1, r2 = first[x][0] ** 2 + first[x][1] ** 2, later[0] ** 2 + later[1] ** 2
        report(f"  x={x}: (Re, Im) = ({first[x][0]:+.3f}, {first[x][1]:+.3f}), then"
               f" {turn(phase(first[x]), phase(later)):.0f} degrees on ({later[0]:+.3f}, {later[1]:+.3f})")
        check(abs(r1 - r2) <= tolerance, f"x={x}: Re^2+Im^2 = {r1:.4f} then {r2:.4f}, within {tolerance:.4f}")
        expected = math.sin(2 * math.pi * plot.x_at(plot.column(x))) ** 2
        check(abs(r2 - expected) <= tolerance, f"x={x}: Re^2+Im^2 = {r2:.4f}, sin^2(2 pi x) = {expected:.4f}")
    stop_animation(app)


def density_maximum(plot):
    """The mean x of the columns where the density curve comes within a pixel of its highest point."""
    tops = {}
    for column in range(plot.left + 1, plot.right):
        row = plot.top_curve_row(column)
        if row is not None:
            tops[column] = row
    if not tops:
        raise Failed("the density plot shows no curve")
    highest = min(tops.values())
    columns = [column for column, row in tops.items() if row <= highest + 1]
    return plot.x_at(sum(columns) / len(columns))


def check_phasors_turn(app):
    """Phasor n turns by n^2 degrees a frame, at 30 frames a second at most."""
    started = time.monotonic()
    first = app.shot()
    time.sleep(0.8)
    last = app.shot()
    elapsed = time.monotonic() - started
    before = [app.phasor_angle(first, i) for i in (0, 1)]
    after = [app.phasor_angle(last, i) for i in (0, 1)]
    turns = [(a - b) % 360 for a, b in zip(after, before)]
    report(f"  within {elapsed:.2f} s phasor 1 went from {before[0]:.1f} to {after[0]:.1f} degrees,"
           f" phasor 2 from {before[1]:.1f} to {after[1]:.1f}")
    most = 30 * elapsed + 3  # and the 3 degrees that the line's pixels may be off
    check(0 < turns[0] <= most,
          f"phasor 1 turned counter-clockwise by {turns[0]:.1f} degrees: more than 0, at most {most:.0f}")
    check(3 <= turns[1] / turns[0] <= 5, f"phasor 2 turned {turns[1] / turns[0]:.2f} times as far, n^2 = 4")


def check_density_moves(app):
    positions = [density_maximum(app.probability(app.last_shot))]

    def moved():
        time.sleep(0.2)
        positions.append(density_maximum(app.probability(app.shot())))
        return max(positions) - min(positions) >= 0.1

    wait_for("the density maximum to move by 0.1 L", moved, 5)
    report("  ok: the density maximum moved: x/L = " + ", ".join(f"{p:.3f}" for p in positions))


def check_superposition(app):
    report("n=1 and n=2 in equal parts: the phasors turn counter-clockwise, the density moves")
    start_state(app, {0: "1", 1: "1"})
    check_phasors_turn(app)
    check_density_moves(app)
    stop_animation(app)


def open_about(app):
    menu_bar = app.menu_title_centres(app.shot())
    check(len(menu_bar) == 3, f"the menu bar holds three titles, at x = {menu_bar}")
    count = len(app.windows())
    app.click(menu_bar[2], app.menu_height // 2, window=app.window)
    wait_for("the Help menu", lambda: len(app.windows()) > count, 5)
    app.keys("Down", "Return")
    return wait_for("the About window", lambda: app.find_window("^About Parvok$"), 5)


def check_about_and_quit(app, clipboard):
    report("Help > About Parvok: the page copied through the clipboard; then Ctrl+Q")
    about = open_about(app)
    app.activate(about)
    app.click(300, 300, window=about)
    text = clipboard.copied_by(lambda: app.keys("ctrl+a", "ctrl+c"))
    report(f"  copied {len(text)} characters, starting {text[:40]!r}")
    for word in ("Parvok", "superposition", "Normalize"):
        check(word in text, f"the copied page holds {word!r}")
    app.session.run(["wmctrl", "-i", "-c", about])
    wait_for("the About window to close", lambda: not app.find_window("^About Parvok$"), 5)
    check(app.find_window("^Parvok$") == app.window and app.process.poll() is None,
          "the main window is still there after the About window closed")
    app.activate(app.window)
    app.keys("ctrl+q")
    code = app.wait_exit(5)
    check(code == 0, f"Ctrl+Q quits with exit code {code}")


def check_close_while_running(app):
    report("Second run: the window manager closes the main window while the animation runs")
    app.click(*START)
    app.wait_for_frames()
    report("  the wavefunction changes from one screenshot to the next")
    app.session.run(["wmctrl", "-i", "-c", app.window])
    code = app.wait_exit(5)
    check(code == 0, f"closing the window quits with exit code {code}")


def with_program(session, program, name, steps):
    app = Parvok(session, program, f"{name}.log")
    try:
        steps(app)
    except Exception:
        if app.last_shot:
            app.last_shot.save(f"failure-{name}-last-analysed.ppm")
        session.run(["import", "-window", "root", f"failure-{name}-screen.png"], check=False)
        report(f"  screenshot saved: failure-{name}-screen.png")
        raise
    finally:
        app.close()


def main(program):
    started = time.monotonic()
    try:
        with XSession() as session:
            clipboard = Clipboard(session)

            def first_run(app):
                check_fields(app, clipboard)
                check_ground_state_density(app)
                check_stationary_state(app)
                check_superposition(app)
                check_about_and_quit(app, clipboard)

            with_program(session, program, "run1", first_run)
            with_program(session, program, "run2", check_close_while_running)
    except NoDisplay as reason:
        print(f"SKIPPED: no X server can be started here ({reason})")
        return SKIPPED
    except Failed as failure:
        print(f"FAILED: {failure}")
        return 1
    report(f"all checks passed in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1]))
