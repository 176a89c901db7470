#include "app/ConductorInforme.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Archivos.h"
#include "CorridaDePrueba.h"
#include "TestData.h"
#include "app/APERTURA.h"

namespace kaldoren {
namespace {

using testing::AddTable;
using testing::N;
using testing::T;

// A part-a section over the sheet HOJA: item i fails on a row whose FALLA
// text holds the digit i.
class ControlFalso : public SeccionControlPorItem {
 public:
  std::string Titulo() override { return "TITULO"; }
  std::string Agregado_al_titulo() override { return " (AGREGADO)"; }
  std::string Sql() override {
    return "SELECT * FROM [HOJA$] WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'';";
  }
  bool Errores(const Recordset& r, int i) override {
    return r.Field("FALLA").TextForm().find(static_cast<char>('0' + i)) != std::string::npos;
  }
  std::vector<std::string> Items() override { return {"uno", "dos"}; }
  std::string Leyenda(const std::string& dato) override { return "Leyenda " + dato; }
  std::string Final(bool condi) override { return condi ? "CON ERRORES" : "SIN ERRORES"; }
  std::string Hoja() const override { return "HOJA"; }
  std::span<const std::string_view> Columnas(int) const override { return {}; }
  std::vector<std::string> Acomoda(const std::string& texto, int largo) override {
    std::vector<std::string> lineas(1);
    for (size_t p = 0; p < texto.size(); p += static_cast<size_t>(largo)) {
      lineas.push_back(texto.substr(p, static_cast<size_t>(largo)));
      lineas.back().resize(static_cast<size_t>(largo), ' ');
    }
    return lineas;
  }
};

class ResumenFalso : public SeccionResumen {
 public:
  std::string Titulo() override { return "RESUMEN"; }
  std::string Agregado_al_titulo() override { return "CORTO"; }
  std::string Sql(const Coleccion<SeccionResumen>&) override {
    return "SELECT PERLIQ, COUNT(ORDEN) AS CC FROM [HOJA$] "
           "WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'' GROUP BY PERLIQ;";
  }
  std::string Encabezado() override { return "PERIODO CANTIDAD"; }
  std::string Detalle(const Recordset& r) override {
    return r.Field("PERLIQ").TextForm() + " " + r.Field("CC").TextForm();
  }
  std::string Vacio() override { return "   « Nada »"; }
};

// Drives sections over one sheet HOJA and gives back the lines written.
class ConductorInformeTest : public ::testing::Test {
 protected:
  void Hoja(const std::vector<std::vector<Value>>& filas) {
    auto libro = std::make_unique<Workbook>();
    std::vector<std::vector<Value>> tabla = {{T("PERLIQ"), T("ORDEN"), T("FALLA")}};
    tabla.insert(tabla.end(), filas.begin(), filas.end());
    AddTable(libro.get(), "HOJA", tabla);
    apertura_.BaseActivaLibro(std::move(libro));
  }

  // The lines written, the last one ended by CR LF like every other.
  std::vector<std::string> Lineas() {
    EXPECT_TRUE(informe_.Close().ok());
    EXPECT_TRUE(testing::Contenido(ruta_).ends_with("\r\n"));
    return testing::Lineas(ruta_);
  }

  void SetUp() override { ASSERT_TRUE(informe_.Open(ruta_).ok()); }

  testing::AvisosGrabados avisador_;
  APERTURA apertura_{avisador_};
  testing::ProgresoGrabado progreso_;
  testing::CarpetaTemporal carpeta_;
  std::string ruta_ = (carpeta_ / "ERRORES.TXT").string();
  TextFileWriter informe_;
  ConductorInforme conductor_{apertura_, informe_, progreso_};
};

const std::string kRegla(105, '-');

TEST_F(ConductorInformeTest, PeriodGroupsFollowTheLastPeriodWrittenAndProgressFollowsRecords) {
  Hoja({{T("2004/01"), N(1), T("0")},
        {T("2004/01"), N(2), T("1")},
        {T("2004/02"), N(3), T("0")},
        {T("2004/02"), N(4), T("")},
        {T("2004/01"), N(5), T("01")},
        {T("2004/01"), N(6), T("")}});
  Coleccion<SeccionControl> cl;
  cl.Agregar(std::make_unique<ControlFalso>());
  ASSERT_TRUE(conductor_.ParteA(cl).ok());
  const std::vector<std::string> esperado = {"1) TITULO (AGREGADO)",
                                             " ",
                                             "   2004/01:     Leyenda uno",
                                             "                Leyenda dos",
                                             " ",
                                             "   2004/02:     Leyenda uno",
                                             " ",
                                             "   2004/01:     Leyenda uno",
                                             "                Leyenda dos",
                                             "CON ERRORES",
                                             kRegla};
  EXPECT_EQ(Lineas(), esperado);
  EXPECT_TRUE(conductor_.HayInconsistencias());
  std::vector<std::string> pasos = {"titulo 1) TITULO"};
  for (const auto& [barra, porcentaje] :
       {std::pair{602, 16}, {1205, 33}, {1807, 50}, {2410, 66}, {3012, 83}, {3615, 100}}) {
    pasos.insert(pasos.end(),
                 {"barra " + std::to_string(barra),
                  "porcentaje " + std::to_string(porcentaje) + "%", "espera 0.080000"});
  }
  pasos.push_back("porcentaje 100%");
  EXPECT_EQ(progreso_.llamadas, pasos);
}

TEST_F(ConductorInformeTest, TeacherItemsListOrderNumbersTwentyOnePerLine) {
  std::vector<std::vector<Value>> filas;
  for (int orden = 1; orden <= 22; ++orden) filas.push_back({T("2004/03"), N(orden), T("1")});
  filas.push_back({T("2004/04"), N(7), T("")});
  filas.push_back({T("2004/05"), N(130), T("1")});
  Hoja(filas);
  ControlFalso docentes;
  ASSERT_TRUE(conductor_.Docentes(docentes).ok());
  std::string primera;
  for (int orden = 1; orden <= 21; ++orden) {
    primera += std::string(orden < 10 ? 3 : 2, ' ') + std::to_string(orden);
  }
  const std::vector<std::string> esperado = {
      "1) TITULO (AGREGADO)",
      " ",
      "   Leyenda dos",
      "       2004/03:    " + primera,
      std::string(19, ' ') + "  22" + std::string(80, ' '),
      "  ",
      "       2004/05:     130" + std::string(80, ' '),
      "  ",
      "CON ERRORES",
      std::string(105, '_'),
      " ",
      "                                          b) Uso interno ZOL",
      " "};
  EXPECT_EQ(Lineas(), esperado);
}

TEST_F(ConductorInformeTest, SummarySectionsAreNumberedFromOneAndShowTheirShortTitleWhileRunning) {
  Hoja({{T("2004/01"), N(1), T("")}, {T("2004/01"), N(2), T("")}, {T("2004/02"), N(3), T("")}});
  Coleccion<SeccionResumen> cl;
  cl.Agregar(std::make_unique<ResumenFalso>());
  ASSERT_TRUE(conductor_.ParteB(cl).ok());
  const std::vector<std::string> esperado = {
      "1) RESUMEN", " ", "   PERIODO CANTIDAD", "   2004/01 2", "   2004/02 1", kRegla};
  EXPECT_EQ(Lineas(), esperado);
  EXPECT_EQ(progreso_.llamadas.front(), "titulo USO INTERNO ZOL  1) CORTO");
}

}  // namespace
}  // namespace kaldoren
