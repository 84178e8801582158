# The two commands a fresh Debian 12 machine needs: `make run` and `make test`.
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
PACKAGE_BUILD ?= build-package
FUZZ_SECONDS ?= 60
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
VERSION := $(shell awk '/^project/ { print $$3 }' CMakeLists.txt)
WINDOWS_BUILD ?= build-windows
HOST_TOOLS_BUILD ?= build-host-tools
# Qt for Windows (MinGW-w64): unpacked from ../shared/toolchains when that copy
# is there, else built from Debian's source package by scripts/build-qt-windows.sh.
WINDOWS_QT ?= /opt/qt6.4.2-mingw64
WINDOWS_PACKAGES = g++-mingw-w64-x86-64-posix mingw-w64-tools ninja-build qt6-base-dev-tools wine wine64 nsis \
	imagemagick

.PHONY: run test test-sanitize build deps package bench fuzz fuzz-build fuzz-regress format check-format screenshots clean \
	windows windows-deps windows-test windows-installer windows-installer-check

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

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# (g++, -O1) into its own folder and run headless. A sanitizer finding ends the
# test that made it; the leak checker is on and needs no suppressions. A failed
# allocation returns null (and Qt throws std::bad_alloc), as it does without the
# sanitizer, instead of ending the process. No strict string checks: the X
# keyboard library hands strndup names that are not NUL-terminated, which is
# allowed.
SANITIZE_ENV = ASAN_OPTIONS=allocator_may_return_null=1:detect_stack_use_after_return=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DWOORD_WERROR=ON -DWOORD_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The fuzz targets (libFuzzer, clang, AddressSanitizer and
# UndefinedBehaviorSanitizer), each with its seed corpus in fuzz/corpus/<name>
# and the inputs of faults it found, kept to stay mended, in fuzz/crashes/<name>
# (fuzz_glossary: fuzz/corpus/glossary). Seeds too slow to mutate under the
# sanitizers (32767 entries to sort, pack and unpack) lie in fuzz/slow/<name>
# and are only run by the regression. fuzz/make_seeds.py writes the seeds made
# by hand.
# Inputs may be large enough to reach every limit of the glossary format: texts
# over 32767 characters, a header test past 64 KiB, 32767 entries.
FUZZ_TARGETS = fuzz_glossary fuzz_source fuzz_wod fuzz_settings fuzz_search
FUZZ_MAX_LEN ?= 262144
FUZZ_ENV = UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ASAN_OPTIONS=allocator_may_return_null=1

fuzz-build: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWOORD_WERROR=ON -DWOORD_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)

# Every target for FUZZ_SECONDS seconds, one after the other. What a run adds to
# the corpus goes to $(FUZZ_BUILD)/corpus/<name>; a crashing input to
# $(FUZZ_BUILD)/crashes/. A target that finds a fault stops; the others run.
fuzz: fuzz-build
	@mkdir -p $(FUZZ_BUILD)/crashes
	@failed=""; for t in $(FUZZ_TARGETS); do \
		n=$${t#fuzz_}; mkdir -p $(FUZZ_BUILD)/corpus/$$n; \
		echo "== $$t: $(FUZZ_SECONDS) s"; \
		$(FUZZ_ENV) $(FUZZ_BUILD)/bin/$$t -max_total_time=$(FUZZ_SECONDS) -max_len=$(FUZZ_MAX_LEN) \
			-timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
			-artifact_prefix=$(FUZZ_BUILD)/crashes/$$n- \
			$(FUZZ_BUILD)/corpus/$$n fuzz/corpus/$$n || failed="$$failed $$t"; \
	done; \
	if [ -n "$$failed" ]; then echo "found a fault:$$failed (inputs in $(FUZZ_BUILD)/crashes/)"; exit 1; fi

# Every target over its committed inputs once: a regression run of seconds.
# Every target runs even when one fails; libFuzzer names the first failing
# input of each.
fuzz-regress: fuzz-build
	@failed=""; for t in $(FUZZ_TARGETS); do \
		n=$${t#fuzz_}; echo "== $$t"; \
		$(FUZZ_ENV) $(FUZZ_BUILD)/bin/$$t -runs=0 -max_len=$(FUZZ_MAX_LEN) -timeout=20 -rss_limit_mb=4096 \
			-artifact_prefix=$(FUZZ_BUILD)/regress-$$n- \
			fuzz/corpus/$$n $$(ls -d fuzz/slow/$$n fuzz/crashes/$$n 2>/dev/null) || failed="$$failed $$t"; \
	done; \
	if [ -n "$$failed" ]; then echo "fuzz regression failed:$$failed"; exit 1; fi

# Every window as a PNG file under build/screenshots, rendered headless, at
# the scale factor SCALE (1, 1.25, 1.5, 2, ...; files NAME@2x.png and so on).
SCALE ?= 1
screenshots: build
	$(BUILD)/tests/screenshots $(BUILD)/screenshots $(SCALE)

# Windows, cross-built with MinGW-w64 into $(WINDOWS_BUILD): woordorakelaar.exe,
# wodtool.exe, the program folder $(WINDOWS_BUILD)/Woordorakelaar and the
# installer. The glossary is packed by a wodtool built for this machine in
# $(HOST_TOOLS_BUILD). The tests run under Wine (windows-test).
windows-deps:
	@scripts/install-deps.sh $(WINDOWS_PACKAGES)
	@QT_PREFIX=$(WINDOWS_QT) scripts/windows-qt.sh

windows: windows-deps
	cmake -S . -B $(HOST_TOOLS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DWOORD_WERROR=ON \
		-DWOORD_GUI=OFF -DWOORD_TESTS=OFF -DWOORD_BENCH=OFF
	cmake --build $(HOST_TOOLS_BUILD) -j $(JOBS) --target wodtool
	$(WINDOWS_QT)/bin/qt-cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DWOORD_WERROR=ON \
		-DWOORD_BENCH=OFF -DWOORD_HOST_WODTOOL=$(abspath $(HOST_TOOLS_BUILD))/bin/wodtool
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	cmake --build $(WINDOWS_BUILD) --target windows_installer

windows-installer: windows

windows-test: windows
	cd $(WINDOWS_BUILD) && ctest --output-on-failure -j $(JOBS)

# The installer end to end under Wine, Xvfb and openbox: a silent install into
# a fresh Wine prefix, the installed program worked with real keys, its
# registry values, an upgrade while it runs, a silent uninstall.
windows-installer-check: windows
	scripts/windows-installer-check.sh $(WINDOWS_BUILD)/woordorakelaar-$(VERSION)-setup.exe $(VERSION)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

check-format:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(ASAN_BUILD) $(PACKAGE_BUILD) $(WINDOWS_BUILD) $(HOST_TOOLS_BUILD)
