# The two set-up commands of the README, plus the benchmarks.
.PHONY: deps run test bench format

deps:
	scripts/install-deps

run: deps
	cmake --preset release
	cmake --build --preset release
	./build/release/app/kinetara

test: deps
	scripts/check-format
	cmake --preset test
	cmake --build --preset test
	ctest --preset test

bench: deps
	cmake --preset bench
	cmake --build --preset bench
	./build/bench/bench/kinetara_bench

format:
	find output res dialogs pages app tests bench -name node_modules -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | xargs clang-format -i
