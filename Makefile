# make play: build and start the game.  make terminal: build and start the game in this terminal.
# make web: build the browser edition's site and serve it on http://127.0.0.1:8080/.
# make test: build everything and run every test.  make check-format: fail on a C++ file that
# clang-format 14 would lay out otherwise.
# make bench: measure the engine, the game in a terminal, under Wine its start-up and idle cost
# against its floor and the size of Mendo.exe, and in Chromium the page against its floor.
# make dist: the downloads in build/dist: the terminal edition as a Debian package, Mendo.exe in a
# zip, the site in a tarball, and their SHA256SUMS.
# make reproduce: build Mendo.exe, its zip and the site's tarball from two clones in two folders and
# check that both builds are the same.
# make fuzz: fuzz the engine, then the pack reader, for FUZZ_SECONDS each.  make coverage: the engine's coverage by its tests.
.PHONY: play terminal web test check-format dist bench reproduce fuzz coverage native windows fuzzer site packages clean

NATIVE_PACKAGES := cmake make g++ python3 libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev gcovr \
	libncurses-dev tmux man-db groff-base clang-format-14
FUZZ_SECONDS ?= 600
FUZZ_CORPUS := build/fuzz/corpus
PACK_FUZZ_CORPUS := build/fuzz/pack-corpus
# A whole game is some 30 bytes; longer inputs only play more games more slowly.
FUZZ_FLAGS := -max_len=512 -print_final_stats=1
# A pack that plays a level is some 800 bytes; room for two levels and their faults.
PACK_FUZZ_FLAGS := -max_len=2048 -print_final_stats=1
# A machine with no locale set runs in plain ASCII, where the terminal game cannot show its
# letters; make terminal then takes UTF-8, which every terminal of today speaks.
TERMINAL_LOCALE := $(if $(filter ANSI_X3.4-1968,$(shell locale charmap 2>/dev/null)),LC_ALL=C.UTF-8)
WEB_PACKAGES := cmake make python3 clang-14 lld-14 wasi-libc libc++-14-dev-wasm32 libc++abi-14-dev-wasm32 \
	libclang-rt-14-dev-wasm32 chromium fonts-dejavu-core
# Node.js may have come from elsewhere than Debian: Debian's is installed only where there is none.
NODE_PACKAGES := $(if $(shell command -v node),,nodejs) $(if $(shell command -v npm),,npm)
WEB_PORT := 8080
DIST_PACKAGES := debhelper dpkg-dev fakeroot lintian zip man-db appstream desktop-file-utils
WINDOWS_PACKAGES := git g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 xvfb xauth fonts-liberation fonts-wine locales

play: windows
	tools/wine-session.sh wine explorer /desktop=mendo,800x600 build/windows/Mendo.exe

terminal:
	tools/install-packages.sh $(NATIVE_PACKAGES)
	cmake --preset native
	cmake --build --preset native --target mendo
	$(TERMINAL_LOCALE) build/native/mendo

web: site
	node web/serve.mjs build/web $(WEB_PORT)

# The format is checked first: it takes a second, the builds take minutes.
test: check-format native windows fuzzer site node_modules/.package-lock.json dist
	mkdir -p $(FUZZ_CORPUS) $(PACK_FUZZ_CORPUS)
	build/fuzz/engine_fuzzer -max_total_time=30 $(FUZZ_FLAGS) $(FUZZ_CORPUS) tests/fuzz/corpus
	build/fuzz/pack_fuzzer -max_total_time=30 $(PACK_FUZZ_FLAGS) $(PACK_FUZZ_CORPUS) tests/fuzz/pack-corpus
	tools/reproduce.sh
	ctest --preset native
	LC_ALL=C.UTF-8 tools/wine-session.sh ctest --preset windows
	LC_ALL=bg_BG.UTF-8 tools/wine-session.sh ctest --preset windows-cp1251
	ctest --preset web
	python3 tests/dist/dist_test.py

check-format: packages
	tools/check-format.sh

dist: windows site
	tools/install-packages.sh $(DIST_PACKAGES)
	tools/dist.sh

fuzz: fuzzer
	mkdir -p $(FUZZ_CORPUS) $(PACK_FUZZ_CORPUS)
	build/fuzz/engine_fuzzer -max_total_time=$(FUZZ_SECONDS) $(FUZZ_FLAGS) $(FUZZ_CORPUS) tests/fuzz/corpus
	build/fuzz/pack_fuzzer -max_total_time=$(FUZZ_SECONDS) $(PACK_FUZZ_FLAGS) $(PACK_FUZZ_CORPUS) tests/fuzz/pack-corpus

coverage: packages
	cmake --preset coverage
	cmake --build --preset coverage
	find build/coverage -name '*.gcda' -delete
	ctest --preset coverage
	gcovr --root . --object-directory build/coverage --filter engine/ --filter questions/ --filter packs/ \
		--filter framework/CString --exclude-unreachable-branches --exclude-throw-branches --print-summary \
		--txt build/coverage/coverage.txt
	cat build/coverage/coverage.txt

bench: native windows site node_modules/.package-lock.json
	build/native/bench/engine_bench
	python3 tools/terminal_bench.py build/native/mendo
	tools/wine-session.sh sh -c 'wine build/windows/startup_bench.exe && tools/idle-cpu.sh'
	@echo "Mendo.exe: $$(stat -c %s build/windows/Mendo.exe) bytes"
	tools/map-sizes.py build/windows/Mendo.map 12
	node bench/web/bench.mjs build/web build/web-wasm/floor

reproduce: packages
	tools/install-packages.sh $(WEB_PACKAGES) $(DIST_PACKAGES)
	tools/reproduce.sh

native: packages
	cmake --preset native
	cmake --build --preset native

windows: packages
	cmake --preset windows
	cmake --build --preset windows

site:
	tools/install-packages.sh $(WEB_PACKAGES) $(NODE_PACKAGES)
	cmake --preset web
	cmake --build --preset web

# The tests' and the bench's npm packages, exactly as the lock file names them.
node_modules/.package-lock.json: package-lock.json
	npm ci --no-audit --no-fund

fuzzer: packages
	cmake --preset fuzz
	cmake --build --preset fuzz

packages:
	tools/install-packages.sh $(NATIVE_PACKAGES) $(WINDOWS_PACKAGES)
	tools/install-locale.sh bg_BG.UTF-8

clean:
	rm -rf build
