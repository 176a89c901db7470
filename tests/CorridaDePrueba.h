// CorridaDePrueba: a verification run for tests that look at what a run
// leaves on disk, with a silent progress display, an Avisador that keeps every
// message as "title: text", and a fixed clock; and a progress display that
// keeps every call, for the tests of what a run shows. Header-only.
#pragma once

#include <string>
#include <vector>

#include "app/Verificacion.h"

namespace kaldoren::testing {

class ProgresoMudo : public PantallaProgreso {
 public:
  void TituloSeccion(const std::string&) override {}
  void AnchoBarra(int) override {}
  void Porcentaje(const std::string&) override {}
  void Esperar(double) override {}
};

// Every call as "titulo X", "barra N", "porcentaje P" or "espera S".
class ProgresoGrabado : public PantallaProgreso {
 public:
  void TituloSeccion(const std::string& c) override { llamadas.push_back("titulo " + c); }
  void AnchoBarra(int u) override { llamadas.push_back("barra " + std::to_string(u)); }
  void Porcentaje(const std::string& l) override { llamadas.push_back("porcentaje " + l); }
  void Esperar(double s) override { llamadas.push_back("espera " + std::to_string(s)); }
  std::vector<std::string> llamadas;
};

// Every message of a run is a critical one; any other is marked, so that no
// comparison of messages passes.
class AvisosGrabados : public Avisador {
 public:
  void Mensaje(const std::string& texto, const std::string& titulo, Icono icono) override {
    avisos.push_back((icono == Icono::Critico ? "" : "(no crítico) ") + titulo + ": " + texto);
  }
  std::vector<std::string> avisos;
};

class RelojQuieto : public Reloj {
 public:
  double Ahora() override { return ahora; }
  double ahora = 38000.5;  // 13/01/2004 12:00:00
};

class CorridaDePrueba {
 public:
  // Verifies the workbook at ruta into carpeta; the header names it archivo.
  ResultadoVerificacion Correr(const std::string& ruta, const std::string& carpeta,
                               const std::string& archivo = "PLANILLA.XLS") {
    avisador.avisos.clear();
    const PlanillaElegida planilla{ruta, archivo, "15/03/2004 10:20:30"};
    return Verificacion(progreso, avisador, reloj).Correr(planilla, carpeta);
  }

  ProgresoMudo progreso;
  AvisosGrabados avisador;
  RelojQuieto reloj;
};

}  // namespace kaldoren::testing
