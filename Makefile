# Entry points: `make run` builds and starts the game, `make setup` the settings program, `make test` builds and runs every test.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: deps configure build test run setup bench clean

deps:
	@bash scripts/deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Every test runs under a virtual display, with audio on OpenAL Soft's null output and Qt offscreen.
test: build
	@cd $(BUILD) && CI=1 ALSOFT_DRIVERS=null QT_QPA_PLATFORM=offscreen \
	  xvfb-run -a -s "-screen 0 1280x1024x24" \
	  ctest --output-on-failure -j $(JOBS) --timeout 600

run: build
	@cd $(BUILD)/data && ../src/launcher/Vantrel

setup: build
	@cd $(BUILD)/data && ../src/setup/Setup

bench: build
	@for b in $$(find $(BUILD)/bench -maxdepth 2 -type f -name 'bench_*' -perm -u+x); do echo "== $$b"; $$b; done

clean:
	@rm -rf $(BUILD)
