// Test helpers of the summary sections: a Detalle line as printed, and the
// lines of a section's query run over a workbook built in the test, as the
// run drives a part-b section.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/SeccionResumen.h"
#include "query/QueryEngine.h"
#include "workbook/Workbook.h"

namespace kaldoren::testing {

// A Detalle line as the report prints it, after the run's three spaces.
inline std::string Impresa(SeccionResumen& seccion, const Recordset& r) {
  return "   " + seccion.Detalle(r);
}

inline std::vector<std::string> LineasDelLibro(SeccionResumen& seccion, const Workbook& libro,
                                               const Coleccion<SeccionResumen>& cl = {}) {
  std::unique_ptr<Recordset> r;
  const Status estado = QueryEngine::Run(libro, seccion.Sql(cl), &r);
  EXPECT_TRUE(estado.ok()) << estado.description();
  std::vector<std::string> lineas;
  if (!estado.ok()) return lineas;
  for (; !r->Eof(); r->MoveNext()) lineas.push_back(Impresa(seccion, *r));
  return lineas;
}

}  // namespace kaldoren::testing
