# Set-up commands: both install what is missing first.
BUILD_DIR ?= build
SANITIZE ?= OFF
CMAKE_FLAGS ?=

.PHONY: deps configure build test demo bench format clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRIDKIT_SANITIZE=$(SANITIZE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure

demo: build
	@$(BUILD_DIR)/apps/gridkit/gridkit demo --out-dir $(BUILD_DIR)/demo

bench: build
	@$(BUILD_DIR)/bench/gridkit_bench

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf $(BUILD_DIR)
