#include "query/SheetRecordset.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestData.h"

namespace kaldoren {
namespace {

using testing::AddTable;
using testing::D;
using testing::E;
using testing::N;
using testing::T;

class SheetRecordsetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sheet_ = &AddTable(&book_, "HOJA",
                       {{T("PERLIQ"), T("ORDEN"), T("FECBAJA"), T("OBS")},
                        {T("2004/01"), N(1), D(38000), T("sin novedad")},
                        {T("2004/02"), N(2), E(), T("sin novedad")},
                        {T("2004/01"), T("3"), D(38001.5), E()}});
  }

  Workbook book_;
  const Sheet* sheet_ = nullptr;
};

TEST_F(SheetRecordsetTest, ValuesReadOnARecordStayValidTogetherUntilItMoves) {
  SheetRecordset r(*sheet_, {2, 0}, SheetRecordset::AllColumns(*sheet_));
  const Value& periodo = r.Field("PERLIQ");
  const Value& orden = r.Field("orden");
  const Value& baja = r.Field("FECBAJA");
  const Value& obs = r.Field("OBS");
  EXPECT_EQ(std::vector<Value>({periodo, orden, baja, obs}),
            std::vector<Value>({T("2004/01"), T("3"), D(38001.5), E()}));
  EXPECT_EQ(&r.Field("PERLIQ"), &periodo) << "read again, the same value";
  r.MoveNext();
  EXPECT_EQ(
      std::vector<Value>({r.Field("PERLIQ"), r.Field("ORDEN"), r.Field("FECBAJA"), r.Field("OBS")}),
      std::vector<Value>({T("2004/01"), N(1), D(38000), T("sin novedad")}));
}

TEST_F(SheetRecordsetTest, ColumnsShowTheirSheetColumnsUnderTheirResultNames) {
  SheetRecordset r(*sheet_, {0, 1}, {{"BAJA", 2}, {"PERLIQ", 0}});
  EXPECT_EQ(r.Field("baja"), D(38000));
  EXPECT_EQ(r.Field("FECBAJA"), E()) << "not selected";
  r.MoveNext();
  EXPECT_EQ(r.Field("BAJA"), E());
  EXPECT_EQ(r.Field("PERLIQ"), T("2004/02"));
}

TEST_F(SheetRecordsetTest, PositionsFoundOnceReadEveryRecord) {
  SheetRecordset r(*sheet_, {0, 1, 2}, {{"OBS", 3}, {"PERLIQ", 0}, {"perliq", 2}});
  const int periodo = r.Position("Perliq");
  const int obs = r.Position("OBS");
  EXPECT_EQ(periodo, 1) << "the first of equal names";
  EXPECT_EQ(obs, 0);
  EXPECT_EQ(r.Position("ORDEN"), -1);
  std::string leido;
  for (r.MoveFirst(); !r.Eof(); r.MoveNext()) {
    leido += r.FieldAt(periodo).TextForm() + "|" + r.FieldAt(obs).TextForm() + ";";
    EXPECT_EQ(r.FieldAt(-1), E());
    EXPECT_EQ(r.FieldAt(3), E()) << "past the last column";
  }
  EXPECT_EQ(leido, "2004/01|sin novedad;2004/02|sin novedad;2004/01|;");
}

TEST_F(SheetRecordsetTest, NoCurrentRecordOrUnknownColumnGivesEmpty) {
  SheetRecordset r(*sheet_, {1}, SheetRecordset::AllColumns(*sheet_));
  EXPECT_EQ(r.Field("NO_EXISTE"), E());
  r.MoveNext();
  EXPECT_TRUE(r.Eof());
  r.MoveNext();
  EXPECT_TRUE(r.Eof()) << "no further than the end";
  EXPECT_EQ(r.Field("PERLIQ"), E());
  r.MoveFirst();
  EXPECT_EQ(r.Field("PERLIQ"), T("2004/02"));
  const SheetRecordset vacio(*sheet_, {}, SheetRecordset::AllColumns(*sheet_));
  EXPECT_TRUE(vacio.Eof());
  EXPECT_EQ(vacio.Field("PERLIQ"), E());
}

}  // namespace
}  // namespace kaldoren
