# Everything a fresh Debian 12 or Ubuntu machine needs: `make run` and `make test`.
PREFIX  ?= /usr/local
BUILD   ?= build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES := g++ cmake ninja-build make libgtest-dev libgmock-dev googletest libbenchmark-dev \
            whitakers-words-data whitakers-words wordnet-base \
            qt6-base-dev libgl-dev libegl-dev libxkbcommon-dev fonts-dejavu-core
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps programs build data run gui test bench install asan tsan clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake --preset release -DCMAKE_INSTALL_PREFIX=$(PREFIX)

# The programs and the data only: what `make run` needs.
PROGRAMS := kelvo kelvo-mkdata kelvo_data
programs: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target $(PROGRAMS)

# Everything, the tests and benchmarks included.
build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# The data files are a target of the build; this names them on their own.
data: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target kelvo_data

run: programs
	$(BUILD)/kelvo info
	$(BUILD)/kelvo parse examples/caesar.txt

# The window (needs a display; QT_QPA_PLATFORM=offscreen runs it without one).
gui: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target kelvo-gui kelvo_data
	$(BUILD)/kelvo-gui $(FILE)

test: build data
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build data
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b" || exit 1; done

# The prefix is fixed at configure time (the programs look for their data there).
install: deps
	cmake --preset release -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD) -j $(JOBS)
	cmake --install $(BUILD)

asan: deps
	cmake --preset asan
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ctest --output-on-failure -j $(JOBS)

# The threaded tests (one engine, many translators) under ThreadSanitizer.
tsan: deps
	cmake --preset tsan
	cmake --build build-tsan -j $(JOBS)
	cd build-tsan && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) build-asan build-debug build-tsan
