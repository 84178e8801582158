# The two commands a fresh Debian 12 machine needs: `make run` and `make test`.
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
PACKAGE_BUILD ?= build-package
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)

.PHONY: run test build deps package bench fuzz format check-format screenshots clean

run: build
	$(BUILD)/bin/woordorakelaar

test: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DWOORD_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

deps:
	@scripts/install-deps.sh

# The Debian package, built with Debian's hardening flags in a folder of its
# own: $(PACKAGE_BUILD)/woordorakelaar_<version>_<arch>.deb.
package: deps
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DWOORD_WERROR=ON \
		-DWOORD_TESTS=OFF -DWOORD_BENCH=OFF \
		-DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack -G DEB

bench: build
	$(BUILD)/bench/bench_load --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
	$(BUILD)/bench/bench_startup --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	$(BUILD)/bench/bench_search --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
	bench/search_vs_grep.sh $(BUILD)

# The glossary reader under libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer, for FUZZ_SECONDS seconds.
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWOORD_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus
	$(FUZZ_BUILD)/bin/fuzz_glossary -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
		$(FUZZ_BUILD)/corpus fuzz/corpus

# Every window as a PNG file under build/screenshots, rendered headless, at
# the scale factor SCALE (1, 1.25, 1.5, 2, ...; files NAME@2x.png and so on).
SCALE ?= 1
screenshots: build
	$(BUILD)/tests/screenshots $(BUILD)/screenshots $(SCALE)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

check-format:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD)
