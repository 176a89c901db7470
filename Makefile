# Quick start: `make demo` and `make test` on a fresh Debian 12 machine.
# Both install the Debian packages that are missing (as root; otherwise they
# print the apt-get line to run), configure and build into build/, and run.

PACKAGES := cmake g++ make pkg-config libgsf-1-dev libglib2.0-dev libgtest-dev googletest \
            libbenchmark-dev qt6-base-dev xvfb xauth python3 python3-xlrd python3-xlwt \
            clang libclang-rt-14-dev
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test demo bench clean

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

clean:
	rm -rf $(BUILD)
