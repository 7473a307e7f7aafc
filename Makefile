# make play: build and start the game.  make terminal: build and start the game in this terminal.
# make test: build everything and run every test.
# make bench: measure the engine, the game in a terminal, and under Wine its start-up and idle cost
# against its floor and the size of Mendo.exe.
# make reproduce: build Mendo.exe from two clones in two folders and check that both are the same.
# make fuzz: fuzz the engine for FUZZ_SECONDS.  make coverage: the engine's coverage by its tests.
.PHONY: play terminal test bench reproduce fuzz coverage native windows fuzzer packages clean

NATIVE_PACKAGES := cmake make g++ python3 libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev gcovr \
	libncurses-dev tmux man-db groff-base
FUZZ_SECONDS ?= 600
FUZZ_CORPUS := build/fuzz/corpus
# A whole game is some 30 bytes; longer inputs only play more games more slowly.
FUZZ_FLAGS := -max_len=512 -print_final_stats=1
# A machine with no locale set runs in plain ASCII, where the terminal game cannot show its
# letters; make terminal then takes UTF-8, which every terminal of today speaks.
TERMINAL_LOCALE := $(if $(filter ANSI_X3.4-1968,$(shell locale charmap 2>/dev/null)),LC_ALL=C.UTF-8)
WINDOWS_PACKAGES := git g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 xvfb xauth fonts-liberation fonts-wine locales

play: windows
	tools/wine-session.sh wine explorer /desktop=mendo,800x600 build/windows/Mendo.exe

terminal:
	tools/install-packages.sh $(NATIVE_PACKAGES)
	cmake --preset native
	cmake --build --preset native --target mendo
	$(TERMINAL_LOCALE) build/native/mendo

test: native windows fuzzer
	mkdir -p $(FUZZ_CORPUS)
	build/fuzz/engine_fuzzer -max_total_time=30 $(FUZZ_FLAGS) $(FUZZ_CORPUS) tests/fuzz/corpus
	tools/reproduce.sh
	ctest --preset native
	LC_ALL=C.UTF-8 tools/wine-session.sh ctest --preset windows
	LC_ALL=bg_BG.UTF-8 tools/wine-session.sh ctest --preset windows-cp1251

fuzz: fuzzer
	mkdir -p $(FUZZ_CORPUS)
	build/fuzz/engine_fuzzer -max_total_time=$(FUZZ_SECONDS) $(FUZZ_FLAGS) $(FUZZ_CORPUS) tests/fuzz/corpus

coverage: packages
	cmake --preset coverage
	cmake --build --preset coverage
	find build/coverage -name '*.gcda' -delete
	ctest --preset coverage
	gcovr --root . --object-directory build/coverage --filter engine/ --filter questions/ \
		--filter framework/CString --exclude-unreachable-branches --exclude-throw-branches --print-summary \
		--txt build/coverage/coverage.txt
	cat build/coverage/coverage.txt

bench: native windows
	build/native/bench/engine_bench
	python3 tools/terminal_bench.py build/native/mendo
	tools/wine-session.sh sh -c 'wine build/windows/startup_bench.exe && tools/idle-cpu.sh'
	@echo "Mendo.exe: $$(stat -c %s build/windows/Mendo.exe) bytes"
	tools/map-sizes.py build/windows/Mendo.map 12

reproduce: packages
	tools/reproduce.sh

native: packages
	cmake --preset native
	cmake --build --preset native

windows: packages
	cmake --preset windows
	cmake --build --preset windows

fuzzer: packages
	cmake --preset fuzz
	cmake --build --preset fuzz

packages:
	tools/install-packages.sh $(NATIVE_PACKAGES) $(WINDOWS_PACKAGES)
	tools/install-locale.sh bg_BG.UTF-8

clean:
	rm -rf build
