# Everyday commands. Each one first installs whatever Debian packages it lacks.
FUZZ_SECONDS ?= 60

.PHONY: all deps build run test screenshot bench sanitize-test fuzz lint format format-check package clean web serve web-test windows windows-qt windows-bench

all: build

deps:
	@bash scripts/install-deps.sh base

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	@bash scripts/run-window.sh

test: build web
	@ctest --preset default
	@bash scripts/web-test.sh

# The web edition: build/web/ is a static site (see README.md).
web:
	@bash scripts/build-web.sh $(WEB_FLAGS)

serve: web
	@node scripts/serve-web.mjs build/web 8080

# The browser tests: Playwright on Debian's Chromium, against build/web/ on a free local port.
web-test: web build
	@bash scripts/web-test.sh

screenshot: build
	@QT_QPA_PLATFORM=offscreen build/bin/shrink2d-screenshot build/screenshots

bench: build web
	@bash bench/run.sh
	@bash scripts/web-test.sh --bench

sanitize-test:
	@bash scripts/install-deps.sh base
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize
	@ctest --preset sanitize

fuzz:
	@bash scripts/install-deps.sh base fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@bash fuzz/run.sh $(FUZZ_SECONDS)

lint:
	@bash scripts/install-deps.sh base lint
	@bash scripts/lint.sh

format-check:
	@bash scripts/install-deps.sh lint
	@bash scripts/lint.sh --format-only

format:
	@bash scripts/install-deps.sh lint
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# The .deb in build/, failed on any lintian error or warning.
package:
	@bash scripts/install-deps.sh base package
	@$(MAKE) --no-print-directory build
	@bash packaging/package.sh

# shrink2d-cli.exe and shrink2d.exe for Windows, tested under Wine; in build-windows/ the zips
# shrink2d-cli-<version>-windows-x86_64.zip and shrink2d-<version>-windows-x86_64.zip and the
# installer shrink2d-<version>-setup.exe (see README.md).
windows:
	@bash scripts/windows.sh

# Only Qt for Windows, into its cache outside the clone (make windows builds it when missing).
windows-qt:
	@bash scripts/install-deps.sh base windows
	@bash scripts/qt-windows.sh

# The Linux and Windows builds of the command line side by side.
windows-bench: windows
	@bash bench/windows_bench.sh

clean:
	@rm -rf build build-sanitize build-fuzz build-lint build-windows
