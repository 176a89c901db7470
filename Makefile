# Quick start: `make demo` and `make test` on a fresh Debian 12 machine.
# Both install the Debian packages that are missing (as root; otherwise they
# print the apt-get line to run), configure and build into build/, and run.

PACKAGES := cmake g++ make pkg-config libgsf-1-dev libglib2.0-dev libxml2-dev libgtest-dev googletest \
            libbenchmark-dev qt6-base-dev xvfb xauth python3 python3-xlrd python3-xlwt \
            clang libclang-rt-14-dev fonts-liberation2 qt6-translations-l10n libfreexl-dev time \
            poppler-utils dpkg-dev fakeroot lintian file \
            nlohmann-json3-dev libxlsxwriter-dev python3-jsonschema python3-openpyxl \
            libmicrohttpd-dev libkainjow-mustache-dev \
            chromium chromium-driver python3-selenium openssl curl
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test demo bench deb clean test-sanitizers fuzz fuzz-ci

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = "0" ]; then \
	    echo "Instalando:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	  else \
	    echo "Faltan paquetes de Debian. Instálelos con:"; \
	    echo "  sudo apt-get install --no-install-recommends$$missing"; \
	    exit 1; \
	  fi; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-sanitizers fuzz-ci

DEMO_OUT ?= out/demo

demo: build
	@mkdir -p $(DEMO_OUT)
	@$(BUILD)/kaldoren20 verificar muestras/declaracion_correcta.xls --salida $(DEMO_OUT); \
	  estado=$$?; [ $$estado -le 1 ] || exit $$estado
	@echo "Informe: $(DEMO_OUT)/ERRORES.TXT, hojas: $$(ls $(DEMO_OUT) | grep -c '^HOJA_')"
	@echo "--- $(DEMO_OUT)/HOJA_1.TXT ---"
	@iconv -f WINDOWS-1252 -t UTF-8 $(DEMO_OUT)/HOJA_1.TXT | tr -d '\r'

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks

# The Debian package control-kaldoren20_<version>_amd64.deb in $(BUILD),
# checked by lintian (any error fails).
deb: build
	cd $(BUILD) && cpack -G DEB
	@paquete=$$(ls -t $(BUILD)/control-kaldoren20_*_amd64.deb | head -n 1); \
	  lintian --fail-on error "$$paquete" && echo "Paquete: $$paquete"

# The whole test suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan, without the desktop program), then
# the damaged-workbook suite on its own so that its count of cases shows.
ASAN_BUILD ?= build-asan
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
                 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-sanitizers: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALDOREN_SANITIZE=ON \
	  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target kaldoren20 \
	  $$(cmake --build $(ASAN_BUILD) --target help | sed -n 's/^\.\.\. \([a-z_]*_tests\)$$/\1/p')
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS) -E '^ArchivosDanados\.'
	$(SANITIZER_ENV) $(ASAN_BUILD)/kaldoren_core_tests --gtest_filter='ArchivosDanados.*' \
	  --gtest_brief=1

# Fuzzing (clang's libFuzzer with both sanitizers, build-fuzz): `make fuzz`
# runs each target for FUZZ_SECONDS, `make test` for FUZZ_CI_SECONDS; any
# crash, leak, hang or memory blow-up fails. See fuzz/correr.sh.
FUZZ_SECONDS ?= 60
FUZZ_CI_SECONDS ?= 30

fuzz: deps
	fuzz/correr.sh $(FUZZ_SECONDS)

fuzz-ci: deps
	fuzz/correr.sh $(FUZZ_CI_SECONDS)

clean:
	rm -rf $(BUILD)
