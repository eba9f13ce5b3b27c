# make run: install what is missing, build, start Zolvan.
# make test: install what is missing, build with warnings as errors, run every test, then the
#            sanitizer build and a bounded fuzz run.
# make package: the Debian package.
BUILD_DIR ?= build
# Line tables (-g1) are all the debug information profiles and sanitizer reports need; full debug
# information of every template instance would add a sixth to the build's time.
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"

.PHONY: run test deps build check bench package clean

deps:
	@scripts/bootstrap.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) -DZOLVAN_WERROR=ON >/dev/null
	@cmake --build $(BUILD_DIR)

run: build
	@if [ -x $(BUILD_DIR)/ui/zolvan ]; then exec $(BUILD_DIR)/ui/zolvan; \
	 else exec $(BUILD_DIR)/cli/zolvan-cli; fi

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
	@$(MAKE) --no-print-directory check

check: deps
	@scripts/check.sh

# The Debian package of the build, in $(BUILD_DIR) (zolvan_<version>_<arch>.deb).
package: build
	@cmake --build $(BUILD_DIR) --target package

bench: build
	$(BUILD_DIR)/bench/engine_bench

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz
