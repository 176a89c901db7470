// FilaDePrueba: how the check tests present a row to a section: a recordset
// of one row given as column/value pairs, a row built from a well-filled one
// with a few columns changed, and date cells written as calendar dates.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "base/Calendar.h"
#include "base/Value.h"
#include "query/TableRecordset.h"

namespace kaldoren::testing {

using Campos = std::vector<std::pair<std::string, Value>>;

// The columns of base with those of cambios put in their place (or added).
inline Campos Con(Campos base, const Campos& cambios) {
  for (const auto& [columna, valor] : cambios) {
    bool puesto = false;
    for (auto& campo : base) {
      if (campo.first == columna) {
        campo.second = valor;
        puesto = true;
      }
    }
    if (!puesto) base.emplace_back(columna, valor);
  }
  return base;
}

// A date cell holding the calendar date, at midnight.
inline Value Dia(int anio, int mes, int dia) {
  return Value::Date(Calendar::DayCount(anio, mes, dia));
}

inline TableRecordset UnaFila(const Campos& campos) {
  std::vector<std::string> columnas;
  std::vector<Value> valores;
  for (const auto& [columna, valor] : campos) {
    columnas.push_back(columna);
    valores.push_back(valor);
  }
  return TableRecordset(std::move(columnas), {std::move(valores)});
}

}  // namespace kaldoren::testing
