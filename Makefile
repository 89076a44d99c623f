# Two entry points: `make run` and `make test`. Both install what is missing first.
BUILD      := build
ASAN_BUILD := build-asan
JOBS       ?= $(shell nproc)

.PHONY: run test deps build build-asan test-plain test-asan clean

deps:
	@./scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The desktop program; without a display it says so in one line and fails.
run: build
	@./$(BUILD)/torvo

test-plain: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The sanitizer run leaves out the long tests; any report fails it.
build-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
		-DTORVO_SANITIZE=ON -DTORVO_BENCHMARKS=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)

test-asan: build-asan
	@cd $(ASAN_BUILD) && \
		ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1 \
		UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS) -LE long

test: test-plain test-asan

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
