# The entry points: `make run`, `make check`, `make test` and `make strength`.
# Each installs first what its purpose needs (scripts/install-deps.sh), and
# no more.
BUILD      := build
ASAN_BUILD := build-asan
FUZZ_BUILD := build-fuzz
WINDOWS_BUILD := build-windows
# The Windows programs' tests run under Wine, in a prefix of their own.
WINE_ENV   := WINEPREFIX=$(abspath $(WINDOWS_BUILD))/wineprefix WINEDEBUG=-all
FUZZ_TARGETS := pgnreader moveparser
FUZZ_SECONDS ?= 300
# make test's short run of each target.
SUITE_FUZZ_SECONDS := 20
JOBS       ?= $(shell nproc)
# What the quick check leaves out: the long tests, the window tests, the
# package's checks and the strength tool's short run (they need the test
# tools or the anchor engine; make test runs them).
CHECK_EXCLUDED := long|gui|package|anchor
INSTALL    := ./scripts/install-deps.sh
# The targets of `make run` and `make package`.
PROGRAMS   := torvo torvo-cli
# Passed to the strength tool: without them it plays its whole plan; for
# instance STRENGTH_ARGS="--level 2 --anchor 1500 --games 50 --pgn FILE".
STRENGTH_ARGS ?=

.PHONY: run check test strength build build-all package program-targets build-asan build-fuzz fuzz test-plain test-asan test-fuzz \
	windows test-windows clean run-plain run-asan run-fuzz suite-plain-build suite-plain suite-asan-build \
	suite-asan suite-fuzz-build suite-fuzz

# Only the desktop program and torvo-cli (with what installing them takes):
# no tests, no benchmarks.
build:
	@$(INSTALL) run
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target $(PROGRAMS)

# What `make run` and `make package` build, for the package's test, which
# installs and packs from a build of these alone.
program-targets:
	@echo $(PROGRAMS)

# The same optimised build with its tests and benchmarks.
build-all:
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVO_TESTS=ON -DTORVO_BENCHMARKS=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The desktop program; without a display it says so in one line and fails.
run: build
	@./$(BUILD)/torvo

# The edit-compile-test loop: the optimised build and its quick tests.
check:
	@$(INSTALL) check
	@$(MAKE) --no-print-directory build-all
	@cd $(BUILD) && ctest -j $(JOBS) -LE '$(CHECK_EXCLUDED)' --output-on-failure

# Each level's strength in Elo, against the anchor engine and in the direct
# match of Levels 4 and 3 (tools/strength/README.md): hours, so apart from
# make test, which runs only a short run of it. It resumes from the games
# already in its PGN.
strength:
	@$(INSTALL) strength
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target torvo-cli
	@python3 tools/strength/strength.py --cli $(BUILD)/torvo-cli $(STRENGTH_ARGS)

# The Debian package build/torvo_<version>_amd64.deb, from the release build.
# cpack gives the archive's members the modes its umask leaves: a fixed one,
# so that the package is the same whoever builds it.
package:
	@$(INSTALL) package
	@$(MAKE) --no-print-directory build
	@cd $(BUILD) && umask 022 && cpack -G DEB

test-plain: build-all
	@$(MAKE) --no-print-directory run-plain

run-plain:
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The sanitizer run leaves out the long tests and the package's checks (the
# package is made from the optimised build); any report fails it.
build-asan:
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
		-DTORVO_SANITIZE=ON -DTORVO_BENCHMARKS=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)

test-asan: build-asan
	@$(MAKE) --no-print-directory run-asan

run-asan:
	@cd $(ASAN_BUILD) && \
		ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1 \
		UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS) -LE 'long|package'

build-fuzz:
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
		-DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DTORVO_FUZZ=ON -DTORVO_BENCHMARKS=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))

# Each fuzz target for FUZZ_SECONDS on the kept seed corpus; new inputs go to
# the build folder, so the kept corpus only changes by hand. A target's own
# libFuzzer flags, if it has any, are in fuzz/<target>.options.
fuzz: build-fuzz
	@$(MAKE) --no-print-directory run-fuzz

run-fuzz:
	@for t in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_BUILD)/corpus/$$t; \
		echo "fuzz_$$t: $(FUZZ_SECONDS) s"; \
		./$(FUZZ_BUILD)/fuzz/fuzz_$$t $$(cat fuzz/$$t.options 2>/dev/null) \
			-max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			-artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t \
			>$(FUZZ_BUILD)/fuzz_$$t.log 2>&1 || { tail -n 60 $(FUZZ_BUILD)/fuzz_$$t.log; exit 1; }; \
		grep -E "stat::number_of_executed_units" $(FUZZ_BUILD)/fuzz_$$t.log; \
	done

test-fuzz:
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(SUITE_FUZZ_SECONDS)

# The Windows programs, cross-built with mingw-w64.
windows:
	@$(INSTALL) windows
	@cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
		-DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The prefix is made first: tests starting together would each try to. Its
# windows go to Wine's null driver, as there is no display to show them;
# the prefix's desktop, started without it, must go first. Its server then
# stays for the whole run: started afresh for each program, it and the
# prefix's services took two seconds a start. The services are started
# before the tests, by wineboot: they keep the output of the program that
# started them open, and ctest would wait for its end until the time-out.
test-windows: windows
	@$(WINE_ENV) wineboot -i >/dev/null 2>&1
	@$(WINE_ENV) wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
	@$(WINE_ENV) wineserver -k; $(WINE_ENV) wineserver -w
	@$(WINE_ENV) wineserver -p >/dev/null 2>&1; $(WINE_ENV) wineboot >/dev/null 2>&1; \
		cd $(WINDOWS_BUILD) && $(WINE_ENV) ctest --output-on-failure -j $(JOBS); \
		status=$$?; $(WINE_ENV) wineserver -k; exit $$status

# The whole suite, as CI runs it, arranged for two cores: each build runs
# while the tests before it wait on windows, and the Windows programs are
# built and tested beside it all. The sanitizer build starts when the
# optimised one is done, its tests when the optimised tests are (two window
# tests at once would starve each other's thinking), the fuzz targets beside
# them. Each part's output comes whole when it ends.
test:
	@$(INSTALL) test
	@$(MAKE) --no-print-directory -j4 --output-sync=target suite-plain suite-asan suite-fuzz test-windows

suite-plain-build:
	@$(MAKE) --no-print-directory build-all
suite-plain: suite-plain-build
	@$(MAKE) --no-print-directory run-plain
suite-asan-build: suite-plain-build
	@$(MAKE) --no-print-directory build-asan
suite-asan: suite-asan-build suite-plain
	@$(MAKE) --no-print-directory run-asan
suite-fuzz-build: suite-asan-build
	@$(MAKE) --no-print-directory build-fuzz
suite-fuzz: suite-fuzz-build
	@$(MAKE) --no-print-directory run-fuzz FUZZ_SECONDS=$(SUITE_FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD)
