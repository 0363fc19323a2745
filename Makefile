# The two set-up commands of the README, plus the benchmarks, installing and packaging.
.PHONY: run test bench format release install package

# Where `make install` puts the program; DESTDIR is honoured as well.
PREFIX ?= /usr/local

run: release
	./build/release/app/kinetara

release:
	scripts/install-deps run
	cmake --preset release
	cmake --build --preset release

install: release
	DESTDIR="$(DESTDIR)" cmake --install build/release --prefix "$(PREFIX)"

# build/release/kinetara_<version>_<arch>.deb
package: release
	cd build/release && cpack

test:
	scripts/install-deps test
	scripts/check-format
	cmake --preset test
	cmake --build --preset test
	ctest --preset test

bench:
	scripts/install-deps bench
	cmake --preset bench
	cmake --build --preset bench
	./build/bench/bench/kinetara_bench

format:
	find output res dialogs pages app tests bench -name node_modules -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | xargs clang-format -i
