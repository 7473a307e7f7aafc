# make play: build and start the game.  make test: build everything and run every test.
# make bench: measure the engine, and the game's start-up and idle cost under Wine.
.PHONY: play test bench native windows packages clean

NATIVE_PACKAGES := cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 xvfb xauth fonts-liberation

play: windows
	tools/wine-session.sh wine explorer /desktop=mendo,800x600 build/windows/Mendo.exe

test: native windows
	ctest --preset native
	tools/wine-session.sh ctest --preset windows

bench: native windows
	build/native/bench/engine_bench
	tools/wine-session.sh sh -c 'wine build/windows/startup_bench.exe && tools/idle-cpu.sh'

native: packages
	cmake --preset native
	cmake --build --preset native

windows: packages
	cmake --preset windows
	cmake --build --preset windows

packages:
	tools/install-packages.sh $(NATIVE_PACKAGES) $(WINDOWS_PACKAGES)

clean:
	rm -rf build
