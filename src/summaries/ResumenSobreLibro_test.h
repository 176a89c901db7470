// Test helper of the summary sections: runs a section's query over a workbook
// built in the test and answers the Detalle line of every row, as the run
// drives a part-b section.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/SeccionResumen.h"
#include "workbook/QueryEngine.h"
#include "workbook/Workbook.h"

namespace kaldoren::testing {

inline std::vector<std::string> LineasDelLibro(SeccionResumen& seccion, const Workbook& libro,
                                               const Coleccion<SeccionResumen>& cl = {}) {
  std::unique_ptr<Recordset> r;
  const Status estado = QueryEngine::Run(libro, seccion.Sql(cl), &r);
  EXPECT_TRUE(estado.ok()) << estado.description();
  std::vector<std::string> lineas;
  if (!estado.ok()) return lineas;
  for (; !r->Eof(); r->MoveNext()) lineas.push_back("   " + seccion.Detalle(*r));
  return lineas;
}

}  // namespace kaldoren::testing
