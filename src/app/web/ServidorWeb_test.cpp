#include "app/web/ServidorWeb.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <nlohmann/json.hpp>
#include <sstream>

#include "ClienteHttp.h"
#include "TestData.h"
#include "ZipBuilder.h"
#include "app/cli/LineaDeComandos.h"
#include "app/cli/SalidaPdf.h"
#include "app/web/CarpetaPrivada.h"

namespace kaldoren {
namespace {

using testing::ClienteHttp;
using testing::RespuestaHttp;
using namespace std::chrono_literals;

std::string Libro(const std::string& nombre) {
  return *CarpetaPrivada::Leer(testing::SharedPath("workbooks/" + nombre));
}

class ServidorWebTest : public ::testing::Test {
 protected:
  void Arrancar(OpcionesServidor opciones = {}) {
    if (!testing::Exists(testing::SharedPath("workbooks"))) GTEST_SKIP() << "sin libros de muestra";
    opciones.puerto = 0;
    opciones.registrar = [this](const std::string& linea) {
      const std::lock_guard<std::mutex> bloqueo(cerrojo_);
      registro_.push_back(linea);
    };
    servidor_ = std::make_unique<ServidorWeb>(std::move(opciones));
    ASSERT_TRUE(servidor_->Iniciar().ok());
  }
  RespuestaHttp Pedir(const std::string& metodo, const std::string& ruta,
                      const std::string& cuerpo = "", const std::string& tipo = "") {
    return ClienteHttp::Pedir(servidor_->Puerto(), metodo, ruta, cuerpo, tipo);
  }
  RespuestaHttp Subir(const std::string& ruta, const std::string& archivo,
                      const std::string& contenido) {
    std::string tipo;
    const std::string cuerpo = ClienteHttp::Formulario("planilla", archivo, contenido, &tipo);
    return Pedir("POST", ruta, cuerpo, tipo);
  }
  std::vector<std::string> Registro() {
    const std::lock_guard<std::mutex> bloqueo(cerrojo_);
    return registro_;
  }

  // The log outlives the server, whose last connections still write to it while it stops.
  std::mutex cerrojo_;
  std::vector<std::string> registro_;
  std::unique_ptr<ServidorWeb> servidor_;
};

// A verification that answers a fixed report after waiting, for the limits.
std::function<ResultadoWeb(const Subida&)> Demorada(std::chrono::milliseconds demora,
                                                    std::string archivo = "LIBRO.XLS",
                                                    std::string hoja = "hoja\r\n") {
  return [=](const Subida&) {
    std::this_thread::sleep_for(demora);
    auto informe = std::make_shared<InformeWeb>();
    informe->archivo = archivo;
    informe->hojas = {hoja};
    Hallazgo hallazgo{"a", "PAGOS", 1, archivo, "2004/01", {}, "PAGOS", 2, {}};
    hallazgo.celdas = {{"PAGOS!B2", "PAGO", hoja, 1, 1}};
    informe->hallazgos = {hallazgo};
    ResultadoWeb resultado;
    resultado.estado = ResultadoWeb::Estado::Verificado;
    resultado.informe = informe;
    return resultado;
  };
}

TEST_F(ServidorWebTest, EveryRouteAnswersWithTheSecurityHeadersAndNoPathReachesTheDisk) {
  Arrancar();
  const struct {
    const char* metodo;
    const char* ruta;
    int estado;
    const char* contiene;
  } casos[] = {
      {"GET", "/", 200, "enctype=\"multipart/form-data\""},
      {"HEAD", "/", 200, ""},
      {"GET", "/salud", 200, "ok"},
      {"GET", "/estilo.css", 200, ".d-arial-11-s"},
      {"GET", "/datos-validos", 200, "Hoja 1 de "},
      {"GET", "/datos-validos?hoja=x", 200, "Hoja 1 de "},
      {"GET", "/informe/0123456789abcdef0123456789abcdef", 404, "Informe vencido"},
      {"GET", "/informe/../../etc/passwd", 404, "Informe vencido"},
      {"GET", "/../etc/passwd", 404, "Página inexistente"},
      {"POST", "/salud", 405, "Método no permitido"},
      {"GET", "/verificar", 405, "Método no permitido"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.metodo) + " " + c.ruta);
    RespuestaHttp r = Pedir(c.metodo, c.ruta);
    EXPECT_EQ(r.estado, c.estado);
    EXPECT_NE(r.cuerpo.find(c.contiene), std::string::npos);
    EXPECT_EQ(r.cabeceras["content-security-policy"], "default-src 'self'; frame-ancestors 'none'");
    EXPECT_EQ(r.cabeceras["x-content-type-options"], "nosniff");
    EXPECT_EQ(r.cabeceras["referrer-policy"], "no-referrer");
  }
}

TEST_F(ServidorWebTest, TheServedReportIsWhatTheCommandLineWrites) {
  Arrancar();
  RespuestaHttp subida =
      Subir("/verificar", "declaracion_con_errores.xls", Libro("declaracion_con_errores.xls"));
  ASSERT_EQ(subida.estado, 303);
  const std::string informe = subida.cabeceras.at("location");
  EXPECT_EQ(informe.rfind("/informe/", 0), 0u);

  CarpetaPrivada carpeta;
  std::ostringstream salida, errores;
  LineaDeComandos(salida, errores, stderr)
      .Ejecutar({"verificar", testing::SharedPath("workbooks/declaracion_con_errores.xls"),
                 "--salida", carpeta.ruta(), "--hallazgos", "--marcada"});
  RespuestaHttp errores_txt = Pedir("GET", informe + "/ERRORES.TXT");
  EXPECT_EQ(errores_txt.cuerpo, *CarpetaPrivada::Leer(carpeta.ruta() + "/ERRORES.TXT"));
  EXPECT_EQ(errores_txt.cabeceras["content-disposition"], "attachment; filename=\"ERRORES.TXT\"");
  EXPECT_EQ(errores_txt.cabeceras["cache-control"], "no-store");

  const nlohmann::json servido =
      nlohmann::json::parse(Pedir("GET", informe + "/HALLAZGOS.JSON").cuerpo);
  const nlohmann::json escrito =
      nlohmann::json::parse(*CarpetaPrivada::Leer(carpeta.ruta() + "/HALLAZGOS.JSON"));
  EXPECT_EQ(servido["hallazgos"], escrito["hallazgos"]);
  EXPECT_EQ(servido["archivo"], escrito["archivo"]);
  RespuestaHttp marcada = Pedir("GET", informe + "/MARCADA.xlsx");
  // Every part of the served copy is the command line's but the document
  // properties, which carry the time the copy was made.
  testing::ZipBuilder::Members servida = testing::ZipBuilder::Read(marcada.cuerpo);
  testing::ZipBuilder::Members escrita = testing::ZipBuilder::Read(
      *CarpetaPrivada::Leer(carpeta.ruta() + "/DECLARACION_CON_ERRORES_MARCADA.xlsx"));
  ASSERT_EQ(servida.size(), escrita.size());
  ASSERT_GT(servida.size(), 4u);
  for (size_t i = 0; i < servida.size(); ++i) {
    EXPECT_EQ(servida[i].name, escrita[i].name);
    if (servida[i].name != "docProps/core.xml") {
      EXPECT_TRUE(servida[i].bytes == escrita[i].bytes) << servida[i].name;
    }
  }
  EXPECT_EQ(marcada.cabeceras["content-disposition"],
            "attachment; filename=\"DECLARACION_CON_ERRORES_MARCADA.xlsx\"");

  RespuestaHttp ultima = Pedir("GET", informe + "?hoja=99");
  EXPECT_NE(ultima.cuerpo.find("Hoja 5 de 5"), std::string::npos);
  EXPECT_NE(ultima.cuerpo.find("rel=\"prev\""), std::string::npos);
  EXPECT_EQ(ultima.cuerpo.find("rel=\"next\""), std::string::npos);
  EXPECT_NE(ultima.cuerpo.find("<td>DATOSDOC</td>"), std::string::npos);
  EXPECT_NE(Pedir("GET", informe).cuerpo.find("<span class=\"d-arial-9-s\">1) DATOS DEL EMPLEADOR"),
            std::string::npos);
}

TEST_F(ServidorWebTest, TheApiAnswersEachOutcomeWithItsStatus) {
  OpcionesServidor opciones;
  opciones.max_mb = 1;
  Arrancar(opciones);
  std::string tipo;
  const std::string formulario =
      ClienteHttp::Formulario("libro", "d.xls", Libro("declaracion_con_errores.xls"), &tipo);
  const std::string sin_archivo =
      "--b\r\nContent-Disposition: form-data; name=\"x\"\r\n\r\n1\r\n--b--\r\n";
  const struct {
    const char* caso;
    std::string cuerpo;
    std::string tipo;
    int estado;
    const char* clave;
  } casos[] = {
      {"raw body", Libro("declaracion_correcta.xls"), "application/octet-stream", 201, "enlaces"},
      {"multipart", formulario, tipo, 201, "enlaces"},
      {"unopenable", Libro("hojas_incompletas.xls"), "", 422, "titulo"},
      {"oversize", std::string(size_t{1} << 21, 'x'), "", 413, "titulo"},
      {"no file field", sin_archivo, "multipart/form-data; boundary=b", 400, "mensaje"},
      {"no boundary", formulario, "multipart/form-data", 400, "mensaje"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.caso);
    RespuestaHttp r = Pedir("POST", "/api/verificaciones", c.cuerpo, c.tipo);
    EXPECT_EQ(r.estado, c.estado);
    const nlohmann::json documento = nlohmann::json::parse(r.cuerpo, nullptr, false);
    EXPECT_TRUE(documento.contains(c.clave)) << r.cuerpo;
  }
  RespuestaHttp r = Pedir("POST", "/api/verificaciones", formulario, tipo);
  const nlohmann::json documento = nlohmann::json::parse(r.cuerpo);
  EXPECT_EQ(documento["archivo"], "D.XLS");
  EXPECT_EQ(documento["formato"], "kaldoren20-hallazgos");
  EXPECT_FALSE(documento["hallazgos"].empty());
  EXPECT_EQ(documento["inconsistencias"], true);
  EXPECT_EQ(Pedir("GET", documento["enlaces"]["ERRORES.TXT"]).estado, 200);

  RespuestaHttp pagina = Subir("/verificar", "h.xls", Libro("hojas_incompletas.xls"));
  EXPECT_EQ(pagina.estado, 422);
  EXPECT_NE(pagina.cuerpo.find("<h2>Error de Datos</h2>"), std::string::npos);
  EXPECT_NE(pagina.cuerpo.find("<form"), std::string::npos) << "the upload page, to try again";
}

TEST_F(ServidorWebTest, ThePdfIsPaintedFromTheReportsPagesWhenAskedFor) {
  if (!SalidaPdf::Disponible() || std::system("pdfinfo -v 2>/dev/null") != 0) {
    GTEST_SKIP() << "sin Qt o sin poppler-utils";
  }
  ASSERT_TRUE(SalidaPdf::Preparar().ok());
  OpcionesServidor opciones;
  opciones.escribir_pdf = SalidaPdf::Escribir;
  Arrancar(opciones);
  const std::string informe =
      Subir("/verificar", "c.xls", Libro("declaracion_con_errores.xls")).cabeceras["location"];
  EXPECT_NE(Pedir("GET", informe).cuerpo.find(informe + "/INFORME.PDF"), std::string::npos);
  RespuestaHttp pdf = Pedir("GET", informe + "/INFORME.PDF");
  EXPECT_EQ(pdf.cabeceras["content-disposition"], "attachment; filename=\"INFORME.PDF\"");
  CarpetaPrivada carpeta;
  std::ofstream(carpeta.ruta() + "/INFORME.PDF", std::ios::binary) << pdf.cuerpo;
  const std::string paginas = "pdfinfo " + carpeta.ruta() + "/INFORME.PDF | grep -q '^Pages: *5$'";
  EXPECT_EQ(std::system(paginas.c_str()), 0);
}

// Texts of the workbook show as text; the report is gone once its time is up.
TEST_F(ServidorWebTest, HostileTextsShowAsTextAndAReportPastItsTimeHasExpired) {
  OpcionesServidor opciones;
  opciones.conservar = 300ms;
  opciones.verificar =
      Demorada(0ms, "<script>alert(1)</script>", "<img src=x onerror=alert(1)>\r\n");
  Arrancar(opciones);
  const std::string informe = Subir("/verificar", "a.xls", "x").cabeceras["location"];
  RespuestaHttp pagina = Pedir("GET", informe);
  EXPECT_EQ(pagina.estado, 200);
  EXPECT_EQ(pagina.cuerpo.find("<script>"), std::string::npos);
  EXPECT_EQ(pagina.cuerpo.find("<img"), std::string::npos);
  EXPECT_NE(pagina.cuerpo.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
  std::this_thread::sleep_for(400ms);
  RespuestaHttp r = Pedir("GET", informe);
  EXPECT_EQ(r.estado, 404);
  EXPECT_NE(r.cuerpo.find("Informe vencido"), std::string::npos);
}

TEST_F(ServidorWebTest, UploadsPastTheLimitAreCutOffWithoutReadingThem) {
  OpcionesServidor opciones;
  opciones.max_mb = 1;
  Arrancar(opciones);
  ClienteHttp anunciada(servidor_->Puerto());
  anunciada.Enviar(
      "POST /api/verificaciones HTTP/1.1\r\nHost: x\r\nContent-Length: 2147483648\r\n\r\n");
  EXPECT_EQ(anunciada.Leer().estado, 413);

  ClienteHttp a_trozos(servidor_->Puerto());
  a_trozos.Enviar("POST /verificar HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n");
  const std::string trozo = "10000\r\n" + std::string(0x10000, 'x') + "\r\n";
  int enviados = 0;
  while (enviados < 2000 && a_trozos.Enviar(trozo)) ++enviados;
  EXPECT_LT(enviados, 2000) << "the server read 128 MB past a 1 MB limit";
  EXPECT_EQ(Pedir("GET", "/salud").estado, 200);
}

TEST_F(ServidorWebTest, SlowAndVanishingClientsHoldNobodyUp) {
  OpcionesServidor opciones;
  opciones.espera_conexion_s = 1;
  Arrancar(opciones);
  ClienteHttp lento(servidor_->Puerto());
  lento.Enviar("POST /verificar HTTP/1.1\r\nHost: x\r\nContent-Length: 100000\r\n\r\nabc");
  {
    ClienteHttp se_va(servidor_->Puerto());
    se_va.Enviar("POST /api/verificaciones HTTP/1.1\r\nHost: x\r\nContent-Length: 9000\r\n\r\n12");
  }
  const auto antes = std::chrono::steady_clock::now();
  EXPECT_EQ(Pedir("GET", "/salud").estado, 200);
  EXPECT_LT(std::chrono::steady_clock::now() - antes, 500ms);
  EXPECT_TRUE(lento.Cerrada(3s));
}

TEST_F(ServidorWebTest, AFullQueueAnswers503AndALateVerificationIsAbandoned) {
  OpcionesServidor opciones;
  opciones.trabajos = 1;  // one running, eight waiting
  opciones.plazo_verificacion = 620ms;
  opciones.verificar = Demorada(250ms);
  Arrancar(opciones);
  std::vector<std::future<RespuestaHttp>> pedidos;
  for (int i = 0; i < 12; ++i) {
    pedidos.push_back(
        std::async(std::launch::async, [this] { return Subir("/api/verificaciones", "a", "x"); }));
    std::this_thread::sleep_for(10ms);
  }
  std::map<int, int> por_estado;
  for (auto& p : pedidos) {
    RespuestaHttp r = p.get();
    ++por_estado[r.estado];
    if (r.estado == 503) {
      EXPECT_EQ(r.cabeceras["retry-after"], "5");
    }
  }
  EXPECT_EQ(por_estado[201], 2);   // done 250 and 500 ms after their acceptance
  EXPECT_EQ(por_estado[503], 10);  // 3 refused at once, 7 past their bound of 620 ms
}

TEST_F(ServidorWebTest, StoppingFinishesTheVerificationUnderWayAndTheLogKeepsNoSecret) {
  OpcionesServidor opciones;
  opciones.verificar = Demorada(300ms);
  Arrancar(opciones);
  auto en_curso = std::async(std::launch::async, [this] {
    return Subir("/api/verificaciones", "secreto_colegio.xls", "x");
  });
  std::this_thread::sleep_for(100ms);
  servidor_->Detener();
  RespuestaHttp r = en_curso.get();
  EXPECT_EQ(r.estado, 201);
  const std::string id = nlohmann::json::parse(r.cuerpo)["enlaces"]["informe"];
  for (const std::string& linea : Registro()) {
    // method, route, status, bytes, duration: five fields and nothing else
    std::istringstream campos(linea);
    std::string metodo, ruta, estado, bytes, duracion, otro;
    campos >> metodo >> ruta >> estado >> bytes >> duracion;
    EXPECT_TRUE(ruta[0] == '/' && estado.size() == 3 && duracion.ends_with("ms") &&
                !(campos >> otro))
        << linea;
    EXPECT_EQ(linea.find(id.substr(9)), std::string::npos);
    EXPECT_EQ(linea.find("secreto"), std::string::npos);
  }
}

TEST_F(ServidorWebTest, ServesHttpsWithTheGivenCertificateAndKey) {
  CarpetaPrivada carpeta;
  const std::string cert = carpeta.ruta() + "/cert.pem", clave = carpeta.ruta() + "/clave.pem";
  const std::string hacer =
      "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=localhost -keyout " + clave +
      " -out " + cert + " 2>/dev/null";
  if (std::system(hacer.c_str()) != 0 || std::system("curl --version >/dev/null") != 0) {
    GTEST_SKIP() << "sin openssl o curl";
  }
  OpcionesServidor opciones;
  opciones.certificado_pem = *CarpetaPrivada::Leer(cert);
  opciones.clave_pem = *CarpetaPrivada::Leer(clave);
  Arrancar(opciones);
  const std::string url = "https://127.0.0.1:" + std::to_string(servidor_->Puerto()) + "/salud";
  std::FILE* curl = popen(("curl -sk " + url).c_str(), "r");
  char respuesta[16] = {};
  std::fread(respuesta, 1, sizeof respuesta - 1, curl);
  pclose(curl);
  EXPECT_STREQ(respuesta, "ok\n");
  EXPECT_EQ(Pedir("GET", "/salud").estado, 0);  // no plain HTTP on that port
}

TEST(ComandoServir, SigtermStopsTheServerCleanly) {
  CarpetaPrivada carpeta;
  const std::string salida = carpeta.ruta() + "/servir.log";
  posix_spawn_file_actions_t acciones;
  posix_spawn_file_actions_init(&acciones);
  posix_spawn_file_actions_addopen(&acciones, 2, salida.c_str(), O_WRONLY | O_CREAT, 0600);
  const char* argv[] = {KALDOREN20, "servir", "--puerto", "0", nullptr};
  pid_t pid = 0;
  const int lanzado =
      posix_spawn(&pid, KALDOREN20, &acciones, nullptr, const_cast<char**>(argv), environ);
  posix_spawn_file_actions_destroy(&acciones);
  ASSERT_EQ(lanzado, 0);
  const std::string anuncio = "http://127.0.0.1:";
  std::string log;
  for (int i = 0; i < 100 && log.find('\n') == std::string::npos; ++i) {
    std::this_thread::sleep_for(50ms);
    log = CarpetaPrivada::Leer(salida).value_or("");
  }
  ASSERT_NE(log.find(anuncio), std::string::npos) << log;
  const int puerto = std::stoi(log.substr(log.find(anuncio) + anuncio.size()));
  EXPECT_EQ(ClienteHttp::Pedir(static_cast<uint16_t>(puerto), "GET", "/salud").estado, 200);
  kill(pid, SIGTERM);
  int estado = -1;
  waitpid(pid, &estado, 0);
  EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
  EXPECT_NE(CarpetaPrivada::Leer(salida)->find("servidor detenido"), std::string::npos);
}

}  // namespace
}  // namespace kaldoren
