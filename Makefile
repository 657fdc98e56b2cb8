# A thin layer over CMake and the scripts in scripts/.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build deps fuzz bench

run: build
	$(BUILD_DIR)/app/parvok

test: build
	scripts/fuzz 15
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/parvok_bench

fuzz: deps
	scripts/fuzz 60

build: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR)

deps:
	scripts/install-deps
