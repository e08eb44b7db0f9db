# Two commands: `make run` and `make test`. Both install missing Debian
# packages, configure with CMake and Ninja, and build.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo

.PHONY: run test deps configure build clean format

run: build
	$(BUILD_DIR)/bin/Velmarotte

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure --timeout 300

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR)

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
