# The two commands of the README: `make run` builds and starts the game, `make test` builds and
# runs every test under AddressSanitizer and UndefinedBehaviorSanitizer. Both install missing
# packages first. `make bench` runs the benchmarks on an optimised build.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: test run bench measure-gui deps display format

deps:
	@./scripts/install-deps.sh

display:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "tobrix: no display to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session" >&2; \
	    exit 1; \
	fi

test: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug -DTOBRIX_SANITIZE=ON -DTOBRIX_BENCH=OFF
	cmake --build build -j $(JOBS)
	ctest --test-dir build --output-on-failure -j $(JOBS)

# The game needs a desktop to show its window on; without one it says so before building anything.
run: display deps
	cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DTOBRIX_TESTS=OFF -DTOBRIX_BENCH=OFF
	cmake --build build-run -j $(JOBS) --target tobrix
	./build-run/tobrix

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTOBRIX_TESTS=OFF -DTOBRIX_WX=OFF
	cmake --build build-bench -j $(JOBS) --target tobrix_bench
	./build-bench/bench/tobrix_bench

# The real window's figures (Sleep, presenting, a jiggle tick, a turn, start-up and memory),
# printed, each under an Xvfb of its own; docs/performance.md lists them.
measure-gui: deps
	cmake -S . -B build-measure -DCMAKE_BUILD_TYPE=Release -DTOBRIX_BENCH=OFF
	cmake --build build-measure -j $(JOBS) --target tobrix_gui_measure tobrix
	tests/gui/measure/measure-gui.sh build-measure

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i
