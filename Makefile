# A thin layer over CMake and the scripts in scripts/.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test test-sanitize build deps fuzz

run: build
	$(BUILD_DIR)/app/parvok

test: build
	scripts/fuzz 15
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# Every target and test built with AddressSanitizer, LeakSanitizer and UBSan (clang), in build-sanitize.
test-sanitize: deps
	scripts/test-sanitize

fuzz: deps
	scripts/fuzz 60

build: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR)

deps:
	scripts/install-deps
