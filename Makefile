# Dravon: the two commands of the README, and a few more for developers.
#   make run   installs what is missing, builds, and starts the program
#   make test  installs what is missing, builds, and runs every test
#   make deb   the Debian package, into build-deb/
# Warnings are errors here (DRAVON_WERROR); a plain cmake build only reports them.
BUILD      ?= build
JOBS       ?= 2
BUILD_TYPE ?= RelWithDebInfo
EXAMPLE    ?= examples/example.dvn
WERROR     ?= -DDRAVON_WERROR=ON

.PHONY: all deps configure build run test test-release test-sanitize bench fuzz-smoke deb clean

all: build

deps:
	@bash tools/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(WERROR)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The desktop program on the bundled example when there is a display; without one,
# the batch tool prints the example's results table instead.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		$(BUILD)/shell/dravon $(EXAMPLE); \
	else \
		echo "Kein Bildschirm gefunden (DISPLAY ist leer): die Ergebnisse des Beispiels vom Stapelprogramm:"; \
		$(BUILD)/cli/dravon-cli $(EXAMPLE); \
	fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The whole tree as packagers build it (Release, -O3), so that the optimiser's own
# warnings cannot creep in unnoticed, and every test on that build.
test-release: deps
	cmake -S . -B $(BUILD)-release -G Ninja -DCMAKE_BUILD_TYPE=Release $(WERROR)
	cmake --build $(BUILD)-release -j $(JOBS)
	cd $(BUILD)-release && ctest --output-on-failure -j $(JOBS)

# The layers without Qt and their tests under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(BUILD)-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDRAVON_CORE_ONLY=ON $(WERROR) \
		-DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
	cmake --build $(BUILD)-sanitize -j $(JOBS)
	cd $(BUILD)-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DDRAVON_CORE_ONLY=ON $(WERROR) \
		-DDRAVON_BUILD_BENCH=ON -DDRAVON_BUILD_TESTS=OFF
	cmake --build $(BUILD)-bench -j $(JOBS) --target dravon_bench
	$(BUILD)-bench/bench/dravon_bench

fuzz-smoke: deps
	bash tools/fuzz-smoke

# The Debian package (debian/): a Release build without the tests, through ccache when
# there is one. dpkg-buildpackage leaves its files in the parent folder; they are moved
# to $(BUILD)-deb/: dravon_<version>_<arch>.deb, the debug symbols (dravon-dbgsym),
# .buildinfo and .changes. tools/check-package tests the package.
deb: deps
	bash tools/check-version
	rm -rf $(BUILD)-deb
	$(if $(shell command -v ccache),CMAKE_CXX_COMPILER_LAUNCHER=ccache) \
		dpkg-buildpackage -us -uc -b -j$(JOBS)
	mkdir -p $(BUILD)-deb
	@version=$$(dpkg-parsechangelog -S Version); version=$${version#*:}; \
	arch=$$(dpkg --print-architecture); \
	for f in dravon_$${version}_$$arch.deb dravon-dbgsym_$${version}_$$arch.deb \
		dravon-dbgsym_$${version}_$$arch.ddeb \
		python3-dravon_$${version}_$$arch.deb python3-dravon-dbgsym_$${version}_$$arch.deb \
		python3-dravon-dbgsym_$${version}_$$arch.ddeb \
		dravon_$${version}_$$arch.buildinfo dravon_$${version}_$$arch.changes; do \
		if [ -e ../$$f ]; then mv ../$$f $(BUILD)-deb/; fi; \
	done; \
	test -e $(BUILD)-deb/dravon_$${version}_$$arch.deb; \
	test -e $(BUILD)-deb/python3-dravon_$${version}_$$arch.deb; \
	echo "deb: $(BUILD)-deb/dravon_$${version}_$$arch.deb $(BUILD)-deb/python3-dravon_$${version}_$$arch.deb"

clean:
	rm -rf $(BUILD) $(BUILD)-release $(BUILD)-sanitize $(BUILD)-bench $(BUILD)-fuzz $(BUILD)-deb
