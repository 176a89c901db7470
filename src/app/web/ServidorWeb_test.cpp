#include "app/web/ServidorWeb.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <future>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "Archivos.h"
#include "ClienteHttp.h"
#include "TestData.h"
#include "ZipBuilder.h"
#include "app/cli/LineaDeComandos.h"
#include "app/cli/SalidaPdf.h"
#include "app/web/CarpetaPrivada.h"

namespace kaldoren {
namespace {

using testing::ClienteHttp;
using testing::Contenido;
using testing::RespuestaHttp;
using namespace std::chrono_literals;

std::string Libro(const std::string& nombre) {
  return Contenido(testing::SharedPath("workbooks/" + nombre));
}

::testing::AssertionResult Contiene(const std::string& texto, const std::string& parte) {
  if (texto.find(parte) != std::string::npos) return ::testing::AssertionSuccess() << parte;
  return ::testing::AssertionFailure() << "falta «" << parte << "» en: " << texto.substr(0, 500);
}

class ServidorWebTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testing::Exists(testing::SharedPath("workbooks"))) GTEST_SKIP() << "sin libros de muestra";
  }
  // A server on a free port, with the options the test changes.
  void Arrancar(const std::function<void(OpcionesServidor&)>& ajustar = {}) {
    OpcionesServidor opciones;
    if (ajustar) ajustar(opciones);
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
    return Pedir("POST", ruta, ClienteHttp::Formulario("planilla", archivo, contenido),
                 ClienteHttp::kTipoFormulario);
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
    // archivo, con_inconsistencias, errores, hojas, documento, hallazgos, libro
    InformeWeb informe{archivo, false, "", {hoja}, "", {}, ""};
    informe.hallazgos = {
        {"a", "PAGOS", 1, archivo, "2004/01", {}, "PAGOS", 2, {{"PAGOS!B2", "PAGO", hoja, 1, 1}}}};
    return ResultadoWeb{ResultadoWeb::Estado::Verificado,
                        std::make_shared<const InformeWeb>(std::move(informe)), "", "", ""};
  };
}

TEST_F(ServidorWebTest, EveryRouteAnswersWithTheSecurityHeadersAndNoPathReachesTheDisk) {
  Arrancar();
  const struct {
    const char *metodo, *ruta, *contiene;
    int estado;
  } casos[] = {
      {"GET", "/", "enctype=\"multipart/form-data\"", 200},
      {"HEAD", "/", "", 200},
      {"GET", "/salud", "ok", 200},
      {"GET", "/estilo.css", ".d-arial-11-s", 200},
      {"GET", "/datos-validos", "Hoja 1 de ", 200},
      {"GET", "/datos-validos?hoja=x", "Hoja 1 de ", 200},
      {"GET", "/informe/0123456789abcdef0123456789abcdef", "Informe vencido", 404},
      {"GET", "/informe/../../etc/passwd", "Informe vencido", 404},
      {"GET", "/../etc/passwd", "Página inexistente", 404},
      {"POST", "/salud", "Método no permitido", 405},
      {"GET", "/verificar", "Método no permitido", 405},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.metodo) + " " + c.ruta);
    RespuestaHttp r = Pedir(c.metodo, c.ruta);
    EXPECT_EQ(r.estado, c.estado);
    EXPECT_TRUE(Contiene(r.cuerpo, c.contiene));
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
  const std::string escrita_en = carpeta.ruta();
  std::ostringstream salida, errores;
  LineaDeComandos(salida, errores, stderr)
      .Ejecutar({"verificar", testing::SharedPath("workbooks/declaracion_con_errores.xls"),
                 "--salida", carpeta.ruta(), "--hallazgos", "--marcada"});
  RespuestaHttp errores_txt = Pedir("GET", informe + "/ERRORES.TXT");
  EXPECT_EQ(errores_txt.cuerpo, Contenido(escrita_en + "/ERRORES.TXT"));
  EXPECT_EQ(errores_txt.cabeceras["content-disposition"], "attachment; filename=\"ERRORES.TXT\"");
  EXPECT_EQ(errores_txt.cabeceras["cache-control"], "no-store");

  // The document's bytes are the command line's but the time of the run.
  const std::regex hora(R"("procesado":"[^"]*")");
  EXPECT_EQ(std::regex_replace(Pedir("GET", informe + "/HALLAZGOS.JSON").cuerpo, hora, ""),
            std::regex_replace(Contenido(escrita_en + "/HALLAZGOS.JSON"), hora, ""));
  RespuestaHttp marcada = Pedir("GET", informe + "/MARCADA.xlsx");
  // Every part of the served copy is the command line's but the document
  // properties, which carry the time the copy was made.
  const auto servida = testing::ZipBuilder::Read(marcada.cuerpo);
  const auto escrita =
      testing::ZipBuilder::Read(Contenido(escrita_en + "/DECLARACION_CON_ERRORES_MARCADA.xlsx"));
  ASSERT_EQ(servida.size(), escrita.size());
  ASSERT_GT(servida.size(), 4u);
  for (size_t i = 0; i < servida.size(); ++i) {
    EXPECT_EQ(servida[i].name, escrita[i].name);
    EXPECT_TRUE(servida[i].name == "docProps/core.xml" || servida[i].bytes == escrita[i].bytes)
        << servida[i].name;
  }
  EXPECT_EQ(marcada.cabeceras["content-disposition"],
            "attachment; filename=\"DECLARACION_CON_ERRORES_MARCADA.xlsx\"");

  const std::string ultima = Pedir("GET", informe + "?hoja=99").cuerpo;
  for (const char* parte : {"Hoja 5 de 5", "rel=\"prev\"", "<td>DATOSDOC</td>"}) {
    EXPECT_TRUE(Contiene(ultima, parte));
  }
  EXPECT_FALSE(Contiene(ultima, "rel=\"next\""));
  EXPECT_TRUE(
      Contiene(Pedir("GET", informe).cuerpo, "<span class=\"d-arial-9-s\">1) DATOS DEL EMPLEADOR"));
}

TEST_F(ServidorWebTest, TheApiAnswersEachOutcomeWithItsStatus) {
  Arrancar([](OpcionesServidor& o) { o.max_mb = 1; });
  const std::string formulario =
      ClienteHttp::Formulario("libro", "año 1.xls", Libro("declaracion_con_errores.xls"));
  const std::string sin_archivo =
      "--b\r\nContent-Disposition: form-data; name=\"x\"\r\n\r\n1\r\n--b--\r\n";
  const struct {
    const char *caso, *clave;
    std::string cuerpo, tipo;
    int estado;
  } casos[] = {
      {"raw body", "enlaces", Libro("declaracion_correcta.xls"), "application/octet-stream", 201},
      {"multipart", "enlaces", formulario, ClienteHttp::kTipoFormulario, 201},
      {"unopenable", "titulo", Libro("hojas_incompletas.xls"), "", 422},
      {"oversize", "titulo", std::string(size_t{1} << 21, 'x'), "", 413},
      {"no file field", "mensaje", sin_archivo, "multipart/form-data; boundary=b", 400},
      {"no boundary", "mensaje", formulario, "multipart/form-data", 400},
  };
  nlohmann::json multipart;
  for (const auto& c : casos) {
    SCOPED_TRACE(c.caso);
    RespuestaHttp r = Pedir("POST", "/api/verificaciones", c.cuerpo, c.tipo);
    EXPECT_EQ(r.estado, c.estado);
    const nlohmann::json documento = nlohmann::json::parse(r.cuerpo, nullptr, false);
    EXPECT_TRUE(documento.contains(c.clave)) << r.cuerpo;
    if (c.tipo == ClienteHttp::kTipoFormulario) multipart = documento;
  }
  EXPECT_EQ(multipart["archivo"], "AÑO 1.XLS");
  EXPECT_EQ(multipart["formato"], "kaldoren20-hallazgos");
  EXPECT_FALSE(multipart["hallazgos"].empty());
  EXPECT_EQ(multipart["inconsistencias"], true);
  EXPECT_EQ(
      Pedir("GET", multipart["enlaces"]["MARCADA.xlsx"]).cabeceras["content-disposition"],
      "attachment; filename=\"A_O_1_MARCADA.xlsx\"; filename*=UTF-8''A%C3%91O%201_MARCADA.xlsx");

  RespuestaHttp pagina = Subir("/verificar", "h.xls", Libro("hojas_incompletas.xls"));
  EXPECT_EQ(pagina.estado, 422);
  EXPECT_TRUE(Contiene(pagina.cuerpo, "<h2>Error de Datos</h2>"));
  EXPECT_TRUE(Contiene(pagina.cuerpo, "<form")) << "the upload page, to try again";
}

TEST_F(ServidorWebTest, ThePdfIsPaintedFromTheReportsPagesWhenAskedFor) {
  if (!SalidaPdf::Disponible() || std::system("pdfinfo -v 2>/dev/null") != 0) {
    GTEST_SKIP() << "sin Qt o sin poppler-utils";
  }
  ASSERT_TRUE(SalidaPdf::Preparar().ok());
  Arrancar([](OpcionesServidor& o) { o.escribir_pdf = SalidaPdf::Escribir; });
  const std::string informe =
      Subir("/verificar", "c.xls", Libro("declaracion_con_errores.xls")).cabeceras["location"];
  EXPECT_TRUE(Contiene(Pedir("GET", informe).cuerpo, informe + "/INFORME.PDF"));
  RespuestaHttp pdf = Pedir("GET", informe + "/INFORME.PDF");
  EXPECT_EQ(pdf.cabeceras["content-disposition"], "attachment; filename=\"INFORME.PDF\"");
  CarpetaPrivada carpeta;
  testing::Guardar(carpeta.ruta() + "/INFORME.PDF", pdf.cuerpo);
  const std::string paginas = "pdfinfo " + carpeta.ruta() + "/INFORME.PDF | grep -q '^Pages: *5$'";
  EXPECT_EQ(std::system(paginas.c_str()), 0);
}

// Texts of the workbook show as text; the report is gone once its time is up.
TEST_F(ServidorWebTest, HostileTextsShowAsTextAndAReportPastItsTimeHasExpired) {
  Arrancar([](OpcionesServidor& o) {
    o.conservar = 300ms;
    o.verificar = Demorada(0ms, "<script>alert(1)</script>", "<img src=x onerror=alert(1)>\r\n");
  });
  const std::string informe = Subir("/verificar", "a.xls", "x").cabeceras["location"];
  RespuestaHttp pagina = Pedir("GET", informe);
  EXPECT_EQ(pagina.estado, 200);
  for (const char* activo : {"<script>", "<img"}) EXPECT_FALSE(Contiene(pagina.cuerpo, activo));
  EXPECT_TRUE(Contiene(pagina.cuerpo, "&lt;script&gt;alert(1)&lt;/script&gt;"));
  std::this_thread::sleep_for(400ms);
  RespuestaHttp r = Pedir("GET", informe);
  EXPECT_EQ(r.estado, 404);
  EXPECT_TRUE(Contiene(r.cuerpo, "Informe vencido"));
}

TEST_F(ServidorWebTest, UploadsPastTheLimitAreCutOffWithoutReadingThem) {
  Arrancar([](OpcionesServidor& o) { o.max_mb = 1; });
  ClienteHttp anunciada(servidor_->Puerto(),
                        "POST /api/verificaciones HTTP/1.1\r\nHost: x\r\n"
                        "Content-Length: 2147483648\r\n\r\n");
  EXPECT_EQ(anunciada.Leer().estado, 413);
  ClienteHttp a_trozos(servidor_->Puerto(),
                       "POST /verificar HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n");
  const std::string trozo = "10000\r\n" + std::string(0x10000, 'x') + "\r\n";
  int enviados = 0;
  while (enviados < 2000 && a_trozos.Enviar(trozo)) ++enviados;
  EXPECT_LT(enviados, 2000) << "the server read 128 MB past a 1 MB limit";
  EXPECT_EQ(Pedir("GET", "/salud").estado, 200);
}

TEST_F(ServidorWebTest, SlowAndVanishingClientsHoldNobodyUp) {
  Arrancar([](OpcionesServidor& o) { o.espera_conexion_s = 1; });
  ClienteHttp lento(servidor_->Puerto(),
                    "POST /verificar HTTP/1.1\r\nHost: x\r\nContent-Length: 100000\r\n\r\nabc");
  ClienteHttp(servidor_->Puerto(),
              "POST /api/verificaciones HTTP/1.1\r\nHost: x\r\nContent-Length: 9000\r\n\r\n12");
  const auto antes = std::chrono::steady_clock::now();
  EXPECT_EQ(Pedir("GET", "/salud").estado, 200);
  EXPECT_LT(std::chrono::steady_clock::now() - antes, 500ms);
  EXPECT_TRUE(lento.Cerrada(3s));
  // A byte every 200 ms is never idle for a second, but far too slow.
  ClienteHttp goteo(servidor_->Puerto(),
                    "POST /verificar HTTP/1.1\r\nHost: x\r\nContent-Length: 100000\r\n\r\n");
  int gotas = 0;
  while (gotas < 25 && !goteo.Cerrada(200ms)) gotas += goteo.Enviar("x") ? 1 : 25;
  EXPECT_LT(gotas, 20) << "a body of a byte every 200 ms was read for 4 s";
}

TEST_F(ServidorWebTest, AFullQueueAnswers503AndALateVerificationIsAbandoned) {
  Arrancar([](OpcionesServidor& o) {
    o.trabajos = 1;  // one running, eight waiting
    o.plazo_verificacion = 620ms;
    o.verificar = Demorada(250ms);
  });
  std::vector<std::future<RespuestaHttp>> pedidos(12);
  for (auto& p : pedidos) {
    p = std::async(std::launch::async, [this] { return Subir("/api/verificaciones", "a", "x"); });
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

TEST_F(ServidorWebTest, ServesHttpsWithTheGivenCertificateAndKey) {
  CarpetaPrivada carpeta;
  const std::string cert = carpeta.ruta() + "/cert.pem", clave = carpeta.ruta() + "/clave.pem";
  const std::string hacer =
      "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=localhost -keyout " + clave +
      " -out " + cert + " 2>/dev/null";
  if (std::system(hacer.c_str()) != 0 || std::system("curl --version >/dev/null") != 0) {
    GTEST_SKIP() << "sin openssl o curl";
  }
  Arrancar([&](OpcionesServidor& o) {
    o.certificado_pem = Contenido(cert);
    o.clave_pem = Contenido(clave);
  });
  const std::string url = "https://127.0.0.1:" + std::to_string(servidor_->Puerto()) + "/salud";
  EXPECT_EQ(std::system(("curl -sk " + url + " | grep -qx ok").c_str()), 0);
  EXPECT_EQ(Pedir("GET", "/salud").estado, 0);  // no plain HTTP on that port
}

TEST(ComandoServir, SigtermFinishesTheVerificationUnderWayAndStopsCleanly) {
  if (!testing::Exists(testing::SharedPath("workbooks"))) GTEST_SKIP() << "sin libros de muestra";
  CarpetaPrivada carpeta;
  const std::string salida = carpeta.ruta() + "/servir.log", trabajo = carpeta.ruta() + "/t";
  std::filesystem::create_directory(trabajo);
  // The shell says the server's process number, then its exit status once it ends.
  const std::string lanzar = "exec 2>" + salida + "; TMPDIR=" + trabajo +
                             " " KALDOREN20 " servir --puerto 0 & echo $!; wait $!; echo $?";
  std::FILE* shell = popen(lanzar.c_str(), "r");
  int pid = 0, estado = -1;
  ASSERT_EQ(std::fscanf(shell, "%d", &pid), 1);
  const std::string anuncio = "http://127.0.0.1:";
  std::string log;
  for (int i = 0; i < 100 && log.find('\n') == std::string::npos; ++i) {
    std::this_thread::sleep_for(50ms);
    log = Contenido(salida);
  }
  ASSERT_TRUE(Contiene(log, anuncio));
  const auto puerto =
      static_cast<uint16_t>(std::stoi(log.substr(log.find(anuncio) + anuncio.size())));
  auto en_curso = std::async(std::launch::async, [puerto] {
    return ClienteHttp::Pedir(puerto, "POST", "/api/verificaciones?nombre=secreto_colegio.xls",
                              Libro("declaracion_grande.xls"));
  });
  // The verification is under way while its work folder exists.
  const auto trabajando = [&] {
    for (const auto& e : std::filesystem::directory_iterator(trabajo))
      if (e.path().filename().string().rfind("kaldoren20-", 0) == 0) return true;
    return false;
  };
  for (int i = 0; i < 10000 && !trabajando(); ++i) std::this_thread::sleep_for(1ms);
  kill(pid, SIGTERM);
  const RespuestaHttp r = en_curso.get();
  ASSERT_EQ(r.estado, 201);
  EXPECT_EQ(std::fscanf(shell, "%d", &estado), 1);
  pclose(shell);
  EXPECT_EQ(estado, 0);
  const std::string id = nlohmann::json::parse(r.cuerpo)["enlaces"]["informe"];
  std::istringstream lineas(Contenido(salida));
  for (std::string linea; std::getline(lineas, linea);) {
    if (linea.rfind("kaldoren20: ", 0) == 0) continue;  // started, stopping, stopped
    // method, route, status, bytes, duration: five fields and nothing else
    EXPECT_TRUE(std::regex_match(linea, std::regex(R"(\S+ /\S* \d{3} \d+ \S+ms)"))) << linea;
    EXPECT_FALSE(Contiene(linea, id.substr(9)));
    EXPECT_FALSE(Contiene(linea, "secreto"));
  }
  EXPECT_TRUE(Contiene(Contenido(salida), "servidor detenido"));
}

}  // namespace
}  // namespace kaldoren
