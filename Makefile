# The two commands of the README: `make run` builds and starts the game, `make test` builds and
# runs every test under AddressSanitizer and UndefinedBehaviorSanitizer. Both install missing
# packages first. `make bench` runs the benchmarks on an optimised build. `make install` and
# `make package` deliver the game (see the README's Install section).
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local

.PHONY: test soak run bench measure-gui deps display format install uninstall package package-check pot \
	windows windows-test

# What each target needs is installed by its own recipe: building the game takes fewer packages
# than testing it.
deps:
	@./scripts/install-deps.sh test

display:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "tobrix: no display to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session" >&2; \
	    exit 1; \
	fi

# The end-to-end suites mostly wait for their displays: three times as many entries as cores run
# at once, so that every suite's shards run side by side.
# The sanitizers' reports need only functions and lines from the debug information (-g1), which
# compiles a fifth faster than the full one.
test: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug -DTOBRIX_SANITIZE=ON -DTOBRIX_BENCH=OFF -DTOBRIX_WERROR=ON \
	    -DCMAKE_CXX_FLAGS_DEBUG=-g1
	cmake --build build -j $(JOBS)
	ctest --test-dir build --output-on-failure -j $$(( $(JOBS) * 3 ))

# Three games change the same files for a minute while one of them is stopped now and then;
# nothing any of them saved may go missing.
soak: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug -DTOBRIX_SANITIZE=ON -DTOBRIX_BENCH=OFF
	cmake --build build -j $(JOBS) --target tobrix_tests
	TOBRIX_SOAK_SECONDS=60 build/tests/tobrix_tests --gtest_filter='FileSoak.*'

# The game needs a desktop to show its window on; without one it says so before building anything.
run: display
	@./scripts/install-deps.sh build
	cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DTOBRIX_TESTS=OFF -DTOBRIX_BENCH=OFF
	cmake --build build-run -j $(JOBS) --target tobrix
	./build-run/tobrix

bench:
	@./scripts/install-deps.sh bench
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTOBRIX_TESTS=OFF -DTOBRIX_WX=OFF
	cmake --build build-bench -j $(JOBS) --target tobrix_bench
	./build-bench/bench/tobrix_bench

# The real window's figures (Sleep, presenting, a jiggle tick, a turn, start-up and memory),
# printed, each under an Xvfb of its own; docs/performance.md lists them.
measure-gui: deps
	cmake -S . -B build-measure -DCMAKE_BUILD_TYPE=Release -DTOBRIX_BENCH=OFF
	cmake --build build-measure -j $(JOBS) --target tobrix_gui_measure tobrix tobrix_startup_floor
	tests/gui/measure/measure-gui.sh build-measure

# An optimised build installed under PREFIX; DESTDIR is honoured. The prefix is given when
# configuring, since the menu entry names the launcher by its installed path.
install:
	@./scripts/install-deps.sh build
	cmake -S . -B build-install -DCMAKE_BUILD_TYPE=Release -DTOBRIX_TESTS=OFF -DTOBRIX_BENCH=OFF \
	    -DCMAKE_INSTALL_PREFIX="$(PREFIX)"
	cmake --build build-install -j $(JOBS)
	DESTDIR="$(DESTDIR)" ./scripts/install.sh build-install --strip

# Takes away what `make install` installed, and the folders it made that are empty again.
uninstall:
	DESTDIR="$(DESTDIR)" ./scripts/uninstall.sh build-install

# The Debian package, tobrix_VERSION_ARCH.deb in this folder, built with Debian's hardening flags,
# its programs in /usr/games as Debian's rules for games ask, and checked by lintian, which only
# this target installs.
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
# Two packings of one commit give the same bytes: every date is the last commit's.
package: export SOURCE_DATE_EPOCH := $(shell git log -1 --format=%ct 2>/dev/null || echo 1796644800)
package:
	@./scripts/install-deps.sh build dpkg-dev lintian
	cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DTOBRIX_TESTS=OFF -DTOBRIX_BENCH=OFF \
	    -DCMAKE_INSTALL_PREFIX=/usr -DTOBRIX_INSTALL_BINDIR=games \
	    -DCMAKE_CXX_FLAGS="$$($(BUILDFLAGS) CXXFLAGS) $$($(BUILDFLAGS) CPPFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$($(BUILDFLAGS) LDFLAGS)"
	cmake --build build-package -j $(JOBS)
	rm -f build-package/tobrix_*.deb tobrix_*.deb
	cd build-package && cpack -G DEB
	cp build-package/tobrix_*.deb .
	lintian --fail-on error tobrix_*.deb

# The package holds exactly the installed tree and depends on the wx GTK library.
package-check: package
	tests/install/check-package.sh build-package tobrix_*.deb

# Writes po/tobrix.pot anew from the texts the sources mark and merges it into every language.
pot:
	@./scripts/install-deps.sh build
	cmake -S . -B build-pot -DTOBRIX_TESTS=OFF -DTOBRIX_BENCH=OFF -DTOBRIX_WX=OFF
	cmake --build build-pot --target tobrix_pot

# The Windows program, cross-built: tobrix-VERSION-win64.zip in this folder. The first build also
# builds wxWidgets, libpng and zlib for Windows into ~/.cache/tobrix (ten minutes on two cores).
windows:
	@./scripts/install-deps.sh windows
	./scripts/build-windows.sh tobrix_zip

# The headless unit tests and the game itself under Wine on an Xvfb of their own; screenshots go
# to build/screenshots/windows_*.png.
windows-test:
	@./scripts/install-deps.sh windows-test
	./scripts/build-windows.sh tobrix tobrix_tests
	tests/windows/run-windows-tests.sh build-windows

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i
