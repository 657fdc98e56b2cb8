# A thin layer over CMake and the scripts in scripts/.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test test-sanitize lint build deps fuzz

run: build
	$(BUILD_DIR)/app/parvok

test: build
	scripts/fuzz 15
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# Every target and test built with AddressSanitizer, LeakSanitizer and UBSan (clang), in build-sanitize.
test-sanitize: deps
	scripts/test-sanitize

# clang-tidy over the project's sources, and the check that only toolkit/qt/ and its few users know Qt.
lint: build
	BUILD_DIR=$(BUILD_DIR) scripts/lint

fuzz: deps
	scripts/fuzz 60

build: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR)

deps:
	scripts/install-deps
