#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR under /usr, checks that every file is in its place
# and that the desktop data are valid, then runs the installed program under a virtual X display
# and quits it with Ctrl+Q (quit_by_key.sh). Where no X server can be started, the program runs
# offscreen instead, must stay up for two seconds, and is ended.
set -euo pipefail

build=${1:?usage: install_test.sh BUILD_DIR SOURCE_DIR}
source=${2:?usage: install_test.sh BUILD_DIR SOURCE_DIR}
id=io.github.parvok.Parvok

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
# The program takes up the session it finds; this one starts afresh and leaves the user's alone.
export XDG_STATE_HOME=$stage/state
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
usr=$stage/usr

expected=(
    bin/parvok
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    "share/mime/packages/$id.xml"
    share/icons/hicolor/scalable/mimetypes/application-x-parvok-lesson.svg
    share/man/man1/parvok.1.gz
    share/doc/parvok/copyright
    share/doc/parvok/changelog.gz
)
for file in "${expected[@]}"; do
    [[ -f $usr/$file ]] || {
        echo "FAIL: not installed: /usr/$file"
        exit 1
    }
done
echo "Installed under /usr: ${expected[*]}"

"$source/scripts/check-desktop-files" "$usr"

# The desktop's databases, built from what was installed, open a lesson file with Parvok.
update-mime-database "$usr/share/mime"
update-desktop-database "$usr/share/applications"
grep -qx "application/x-parvok-lesson:\*\.parvok" "$usr/share/mime/globs" || {
    echo "FAIL: the MIME database does not know *.parvok as application/x-parvok-lesson"
    exit 1
}
grep -qx "application/x-parvok-lesson=$id.desktop;" "$usr/share/applications/mimeinfo.cache" || {
    echo "FAIL: the desktop database does not open application/x-parvok-lesson with $id.desktop"
    exit 1
}
echo "The desktop opens *.parvok (application/x-parvok-lesson) with $id.desktop."

stays_up_offscreen() {
    QT_QPA_PLATFORM=offscreen "$1" &
    local pid=$!
    sleep 2
    kill -0 "$pid" 2>/dev/null || {
        echo "FAIL: the installed program ended within two seconds offscreen"
        return 1
    }
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "No X server could be started: the installed program ran offscreen for two seconds instead."
}

x_server() {
    command -v xvfb-run >/dev/null && command -v xdotool >/dev/null && command -v xprop >/dev/null &&
        env -u QT_QPA_PLATFORM xvfb-run -a true 2>/dev/null
}

if x_server; then
    env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24" \
        "$source/tests/install/quit_by_key.sh" "$usr/bin/parvok"
else
    stays_up_offscreen "$usr/bin/parvok"
fi
