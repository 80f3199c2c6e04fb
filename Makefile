# The two commands of the README: `make run` and `make test`.
.PHONY: run test build deps asan bench package clean

deps:
	@bash scripts/install-deps

build: deps
	@cmake --preset dev >/dev/null
	@cmake --build --preset dev

run: build
	cd build/game && ../bin/vorlund

test: build
	ctest --preset dev

asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	ctest --preset asan

# Builds the release preset and runs every benchmark, printing its figures;
# the arena's own need an X server, so all run under a virtual one.
bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release
	@for b in build-release/bench/*_bench; do \
	  echo "== $$(basename $$b)"; xvfb-run -a -s "-screen 0 1280x1024x24" $$b || exit 1; \
	done

# The Debian package, build-package/vorlund_VERSION_ARCH.deb, in the games
# layout (/usr/games, /usr/share/games/vorlund, man pages in section 6).
package: deps
	@cmake --preset package >/dev/null
	@cmake --build --preset package
	@cpack --preset package >/dev/null
	@ls build-package/*.deb

clean:
	rm -rf build build-release build-asan build-package
