// SeccionControl: a report section of part a, one sheet check. The run asks
// it for its texts and its query, then asks, record by record and item by
// item, whether the record fails (Errores), and writes one line per failure
// with the text of Leyenda. The recordset handed to Errores is the run's own,
// positioned by the run; a section reads columns of the current row and never
// moves it. A section object serves exactly one run.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "query/Recordset.h"

namespace kaldoren {

class SeccionControl {
 public:
  virtual ~SeccionControl() = default;

  virtual std::string Titulo() = 0;
  virtual std::string Agregado_al_titulo() = 0;
  virtual std::string Sql() = 0;
  // True when the current row of r fails check item i (false outside the list).
  virtual bool Errores(const Recordset& r, int i) = 0;
  // The check items, indexed from 0.
  virtual std::vector<std::string> Items() = 0;
  // The legend line written for a failure of the item text dato.
  virtual std::string Leyenda(const std::string& dato) = 0;
  // Closing text; condi is true when at least one failure was written.
  virtual std::string Final(bool condi) = 0;

  // The sheet the section checks, as the findings name their section.
  virtual std::string Hoja() const = 0;
  // The columns the rule of item i reads, declared beside the rule (none
  // outside the list): a finding points at these cells of the failing row,
  // the first (the one a link leads to) the cell most likely at fault.
  virtual std::span<const std::string_view> Columnas(int i) const = 0;
};

// The teacher-data section: the run walks its items in the outer loop and
// lists, per period, the order numbers of the failing rows, broken into lines
// by Acomoda.
class SeccionControlPorItem : public SeccionControl {
 public:
  // The list texto broken into chunks of largo characters, each padded with
  // spaces to largo; element 0 is empty, chunks start at element 1. An empty
  // texto gives just element 0.
  virtual std::vector<std::string> Acomoda(const std::string& texto, int largo) = 0;
};

}  // namespace kaldoren
