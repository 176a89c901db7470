// ControlDATOSDOC: the report section "DATOS DE DOCENTES (REVISTA Y SALARIO)",
// the last of report part a. It checks the rows of the teachers' sheet
// DATOSDOC$ against sixteen items (the rules are ReglasDocente's); the run
// walks the items in its outer loop and lists, per period, the order numbers
// of the failing rows, cut into lines by Acomoda.
//
// Leyenda gives every printed item its letter, a, b, c, ... in printing
// order: the letter counter lives as long as the object, which serves one run.
// The document type list is taken once, at construction.
#pragma once

#include <string>
#include <vector>

#include "app/SeccionControl.h"
#include "checks/ReglasDocente.h"

namespace kaldoren {

class ControlDATOSDOC final : public SeccionControlPorItem {
 public:
  std::string Titulo() override;
  std::string Agregado_al_titulo() override;
  std::string Sql() override;
  bool Errores(const Recordset& r, int i) override;
  std::vector<std::string> Items() override;
  std::string Leyenda(const std::string& dato) override;
  std::string Final(bool condi) override;
  std::string Hoja() const override { return "DATOSDOC"; }
  std::span<const std::string_view> Columnas(int i) const override {
    return ReglasDocente::Columnas(i);
  }
  // A largo below 1 keeps the whole text in one chunk, so nothing is lost.
  std::vector<std::string> Acomoda(const std::string& texto, int largo) override;

 private:
  ReglasDocente reglas_;
  int letras_dadas_ = 0;
};

}  // namespace kaldoren
