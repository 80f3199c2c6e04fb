# The two commands of the README: `make run` and `make test`.
.PHONY: run test build deps asan bench clean

deps:
	@bash scripts/install-deps

build: deps
	@cmake --preset dev >/dev/null
	@cmake --build --preset dev

run: build
	cd build/game && ../bin/vorlund

test: build
	ctest --preset dev -j2

asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	ctest --preset asan -j2

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release

clean:
	rm -rf build build-release build-asan
