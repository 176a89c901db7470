// The columns each check item declares (Columnas, which the findings point
// at) are exactly the columns its rule reads: over the rows of the sample
// declarations, no rule reads a column it does not declare, and every column
// it declares is read on some row.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "TestData.h"
#include "checks/ControlDATOSDOC.h"
#include "checks/ControlDATOSEMP.h"
#include "checks/ControlPAGOS.h"
#include "query/QueryEngine.h"
#include "workbook/WorkbookReader.h"

namespace kaldoren {
namespace {

// A recordset that passes every read to another and notes the names of the
// columns read since the last Olvidar.
class RecordsetQueAnota final : public Recordset {
 public:
  explicit RecordsetQueAnota(Recordset& base) : base_(base) {}
  bool Eof() const override { return base_.Eof(); }
  void MoveFirst() override { base_.MoveFirst(); }
  void MoveLast() override { base_.MoveLast(); }
  void MoveNext() override { base_.MoveNext(); }
  long RecordCount() const override { return base_.RecordCount(); }
  int Position(std::string_view name) const override {
    const int posicion = base_.Position(name);
    nombres_[posicion] = std::string(name);
    return posicion;
  }
  const Value& FieldAt(int position) const override {
    leidas.insert(nombres_[position]);
    return base_.FieldAt(position);
  }

  mutable std::set<std::string> leidas;

 private:
  Recordset& base_;
  mutable std::map<int, std::string> nombres_;
};

const char* const kLibros[] = {"declaracion_con_errores.xls", "declaracion_correcta.xls",
                               "hojas_minusculas.xls"};

void CompararConLaRegla(SeccionControl& seccion) {
  const size_t items = seccion.Items().size();
  std::vector<std::set<std::string>> leidas(items);
  for (const char* nombre : kLibros) {
    Workbook libro;
    ASSERT_TRUE(
        WorkbookReader::Read(testing::TestDataPath(std::string("workbooks/") + nombre), &libro)
            .ok());
    std::unique_ptr<Recordset> r;
    ASSERT_TRUE(QueryEngine::Run(libro, seccion.Sql(), &r).ok());
    RecordsetQueAnota anotado(*r);
    for (; !anotado.Eof(); anotado.MoveNext()) {
      for (size_t i = 0; i < items; ++i) {
        const std::span<const std::string_view> columnas = seccion.Columnas(static_cast<int>(i));
        const std::set<std::string> declaradas(columnas.begin(), columnas.end());
        anotado.leidas.clear();
        seccion.Errores(anotado, static_cast<int>(i));
        for (const std::string& c : anotado.leidas) {
          EXPECT_TRUE(declaradas.count(c)) << seccion.Hoja() << " item " << i << " reads " << c;
        }
        leidas[i].insert(anotado.leidas.begin(), anotado.leidas.end());
      }
    }
  }
  for (size_t i = 0; i < items; ++i) {
    const std::span<const std::string_view> columnas = seccion.Columnas(static_cast<int>(i));
    EXPECT_EQ(leidas[i], std::set<std::string>(columnas.begin(), columnas.end()))
        << seccion.Hoja() << " item " << i;
  }
  EXPECT_TRUE(seccion.Columnas(static_cast<int>(items)).empty());
}

TEST(ColumnasDeclaradas, EachSectionDeclaresWhatItsRulesRead) {
  ControlDATOSEMP empleador;
  ControlPAGOS pagos;
  ControlDATOSDOC docentes;
  for (SeccionControl* seccion :
       std::initializer_list<SeccionControl*>{&empleador, &pagos, &docentes}) {
    CompararConLaRegla(*seccion);
  }
}

}  // namespace
}  // namespace kaldoren
