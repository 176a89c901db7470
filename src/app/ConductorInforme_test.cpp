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

// Records every call a section receives, in order.
using Registro = std::vector<std::string>;

class ProgresoGrabado : public PantallaProgreso {
 public:
  void TituloSeccion(const std::string& c) override { llamadas.push_back("titulo " + c); }
  void AnchoBarra(int u) override { llamadas.push_back("barra " + std::to_string(u)); }
  void Porcentaje(const std::string& l) override { llamadas.push_back("porcentaje " + l); }
  void Esperar(double s) override { llamadas.push_back("espera " + std::to_string(s)); }
  std::vector<std::string> llamadas;
};

// Notes the name of each call a fake section receives in the record.
class Anotador {
 protected:
  explicit Anotador(Registro* registro) : registro_(registro) {}
  std::string Anotar(const std::string& llamada, std::string resultado = "") {
    registro_->push_back(llamada);
    return resultado;
  }
  Registro* registro_;
};

// A part-a section over the sheet HOJA: item i fails on a row whose FALLA
// text holds the digit i.
class ControlFalso : public SeccionControlPorItem, private Anotador {
 public:
  explicit ControlFalso(Registro* registro) : Anotador(registro) {}
  std::string Titulo() override { return Anotar("Titulo", "TITULO"); }
  std::string Agregado_al_titulo() override { return Anotar("Agregado_al_titulo", " (AGREGADO)"); }
  std::string Sql() override {
    return Anotar("Sql", "SELECT * FROM [HOJA$] WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'';");
  }
  bool Errores(const Recordset& r, int i) override {
    Anotar("Errores " + r.Field("ORDEN").TextForm() + " " + std::to_string(i));
    return r.Field("FALLA").TextForm().find(static_cast<char>('0' + i)) != std::string::npos;
  }
  std::vector<std::string> Items() override {
    Anotar("Items");
    return {"uno", "dos"};
  }
  std::string Leyenda(const std::string& dato) override {
    return Anotar("Leyenda", "Leyenda " + dato);
  }
  std::string Final(bool condi) override {
    return Anotar("Final", condi ? "CON ERRORES" : "SIN ERRORES");
  }
  std::string Hoja() const override { return "HOJA"; }
  std::span<const std::string_view> Columnas(int) const override { return {}; }
  std::vector<std::string> Acomoda(const std::string& texto, int largo) override {
    Anotar("Acomoda");
    std::vector<std::string> lineas(1);
    for (size_t p = 0; p < texto.size(); p += static_cast<size_t>(largo)) {
      std::string trozo = texto.substr(p, static_cast<size_t>(largo));
      trozo.resize(static_cast<size_t>(largo), ' ');
      lineas.push_back(trozo);
    }
    return lineas;
  }
};

class ResumenFalso : public SeccionResumen, private Anotador {
 public:
  explicit ResumenFalso(Registro* registro) : Anotador(registro) {}
  std::string Titulo() override { return Anotar("Titulo", "RESUMEN"); }
  std::string Agregado_al_titulo() override { return Anotar("Agregado_al_titulo", "CORTO"); }
  std::string Sql(const Coleccion<SeccionResumen>&) override {
    return Anotar("Sql",
                  "SELECT PERLIQ, COUNT(ORDEN) AS CC FROM [HOJA$] "
                  "WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'' GROUP BY PERLIQ;");
  }
  std::string Encabezado() override { return Anotar("Encabezado", "PERIODO CANTIDAD"); }
  std::string Detalle(const Recordset& r) override {
    return Anotar("Detalle", r.Field("PERLIQ").TextForm() + " " + r.Field("CC").TextForm());
  }
  std::string Vacio() override { return Anotar("Vacio", "   « Nada »"); }
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
  ProgresoGrabado progreso_;
  testing::CarpetaTemporal carpeta_;
  std::string ruta_ = (carpeta_ / "ERRORES.TXT").string();
  TextFileWriter informe_;
  ConductorInforme conductor_{apertura_, informe_, progreso_};
  Registro registro_;
};

const std::string kRegla(105, '-');

TEST_F(ConductorInformeTest, PeriodGroupsFollowTheLastPeriodWrittenNotThePreviousRecord) {
  Hoja({{T("2004/01"), N(1), T("0")},
        {T("2004/01"), N(2), T("1")},
        {T("2004/02"), N(3), T("0")},
        {T("2004/02"), N(4), T("")},
        {T("2004/01"), N(5), T("01")}});
  Coleccion<SeccionControl> cl;
  cl.Agregar(std::make_unique<ControlFalso>(&registro_));
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
}

TEST_F(ConductorInformeTest, ProgressStepsFollowRecordsAndEndAtHundred) {
  Hoja({{T("2004/01"), N(1), T("")}, {T("2004/01"), N(2), T("")}, {T("2004/01"), N(3), T("")}});
  Coleccion<SeccionControl> cl;
  cl.Agregar(std::make_unique<ControlFalso>(&registro_));
  ASSERT_TRUE(conductor_.ParteA(cl).ok());
  const std::vector<std::string> esperado = {
      "titulo 1) TITULO", "barra 1205",      "porcentaje 33%",  "espera 0.080000",
      "barra 2410",       "porcentaje 66%",  "espera 0.080000", "barra 3615",
      "porcentaje 100%",  "espera 0.080000", "porcentaje 100%"};
  EXPECT_EQ(progreso_.llamadas, esperado);
}

TEST_F(ConductorInformeTest, TeacherItemsListOrderNumbersTwentyOnePerLine) {
  std::vector<std::vector<Value>> filas;
  for (int orden = 1; orden <= 22; ++orden) filas.push_back({T("2004/03"), N(orden), T("1")});
  filas.push_back({T("2004/04"), N(7), T("")});
  filas.push_back({T("2004/05"), N(130), T("1")});
  Hoja(filas);
  ControlFalso docentes(&registro_);
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

TEST_F(ConductorInformeTest, SummarySectionsRestartNumberingAndWriteEmptyText) {
  Hoja({{T("2004/01"), N(1), T("")}, {T("2004/01"), N(2), T("")}, {T("2004/02"), N(3), T("")}});
  Coleccion<SeccionResumen> cl;
  cl.Agregar(std::make_unique<ResumenFalso>(&registro_));
  ASSERT_TRUE(conductor_.ParteB(cl).ok());
  const std::vector<std::string> esperado = {
      "1) RESUMEN", " ", "   PERIODO CANTIDAD", "   2004/01 2", "   2004/02 1", kRegla};
  EXPECT_EQ(Lineas(), esperado);
  EXPECT_EQ(registro_,
            (Registro{"Agregado_al_titulo", "Titulo", "Sql", "Encabezado", "Detalle", "Detalle"}));
  EXPECT_EQ(progreso_.llamadas.front(), "titulo USO INTERNO ZOL  1) CORTO");
}

}  // namespace
}  // namespace kaldoren
