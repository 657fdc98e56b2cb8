# A thin layer over CMake and the scripts in scripts/.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test test-sanitize lint build deps fuzz soak bench translations faults

run: build
	$(BUILD_DIR)/startup/parvok

test: build
	scripts/fuzz 15
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# The long runs of the program logic, offscreen: 100,000 frames of random use, and the presentation
# view opened and closed 1,000 times.
soak: build
	PARVOK_SOAK_FRAMES=100000 QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tests/mainwindow/mainwindow_tests --gtest_filter='Soak.*'
	PARVOK_PRESENTATION_OPENINGS=1000 QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tests/presentation/presentation_tests --gtest_filter='PresentationOpenings.*'

# Each small fault of tests/faults.txt made in turn: which tests catch it, or MISSED.
faults: build
	BUILD_DIR=$(BUILD_DIR) scripts/check-faults

# A frame of the main window, of its plots and of the presentation view timed against plain
# QPainter code, offscreen on a screen of 1920 x 1080; then the frame timer on a virtual display of
# that size, alone and with the presentation view, and with the view on one of 3840 x 2160.
# Every step runs; make fails at the end if one missed a target.
bench: build
	status=0; \
	QT_QPA_PLATFORM=offscreen:configfile=bench/full_hd_screen.json $(BUILD_DIR)/bench/parvok_bench || status=1; \
	xvfb-run -a -s "-screen 0 1920x1080x24" $(BUILD_DIR)/bench/parvok_bench --timer || status=1; \
	xvfb-run -a -s "-screen 0 3840x2160x24" $(BUILD_DIR)/bench/parvok_bench --presentation-timer || status=1; \
	exit $$status

# Every target and test built with AddressSanitizer, LeakSanitizer and UBSan (clang), in build-sanitize.
test-sanitize: deps
	scripts/test-sanitize

# clang-tidy over the project's sources, and the check that only toolkit/qt/ and its few users know Qt.
lint: build
	BUILD_DIR=$(BUILD_DIR) scripts/lint

# Refreshes i18n/*.ts from the texts in the code, for the translators.
translations: deps
	scripts/update-translations

fuzz: deps
	scripts/fuzz 60

build: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR)

deps:
	scripts/install-deps

# Installing, packaging, the README's screenshots and exported picture.
PREFIX ?= /usr/local
.PHONY: install package screenshot

# Installs under $(PREFIX); DESTDIR, given to make or in the environment, stages it elsewhere.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package, $(BUILD_DIR)/parvok_<version>_<architecture>.deb, installing under /usr,
# then checked by lintian and by running what it unpacks.
package: build
	cd $(BUILD_DIR) && cpack
	BUILD_DIR=$(BUILD_DIR) scripts/check-package

screenshot: build
	BUILD_DIR=$(BUILD_DIR) scripts/screenshot docs/screenshot.png docs/picture.svg
	BUILD_DIR=$(BUILD_DIR) scripts/screenshot --presentation docs/presentation.png
