// ServidorWeb: the web face of the verification ("kaldoren20 servir"), an HTTP
// server (HTTPS when given a certificate and key) over libmicrohttpd, whose
// own thread pool serves the connections and drops slow clients after a
// timeout. Pages: "/" (what is checked, the upload form), POST "/verificar"
// (sends the browser to the report), "/informe/<id>" (the report page by page)
// and its files (ERRORES.TXT, HALLAZGOS.JSON; INFORME.PDF and the marked copy
// made when asked for), "/datos-validos", "/salud";
// the JSON API POST
// "/api/verificaciones". Uploads are cut off at the size limit while they
// stream in; verifications run on a bounded ColaDeVerificaciones (a full queue
// answers 503 with Retry-After, a verification past its time bound 503 too);
// reports live only in an AlmacenInformes. Every answer carries a strict
// Content-Security-Policy, nosniff and no-referrer, and no request path ever
// reaches the file system. One log line per request (method, route without
// the id, status, bytes, duration), never a workbook's content, name or id.
// Detener finishes the verifications under way, refuses new ones and stops.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/web/AlmacenInformes.h"
#include "app/web/ColaDeVerificaciones.h"
#include "app/web/PaginasWeb.h"
#include "app/web/VerificacionWeb.h"
#include "base/Status.h"

struct MHD_Daemon;
struct MHD_Connection;

namespace kaldoren {

struct ArchivoDescargable;

struct OpcionesServidor {
  std::string direccion = "127.0.0.1";
  uint16_t puerto = 8020;  // 0: a free port chosen by the system
  size_t max_mb = 40;
  unsigned trabajos = 2;
  int conservar_min = 30;
  // How long a report is kept (conservar_min unless a test shortens it).
  std::chrono::milliseconds conservar = std::chrono::minutes(30);
  size_t presupuesto_informes = size_t{256} << 20;
  std::chrono::milliseconds plazo_verificacion = std::chrono::seconds(60);
  unsigned espera_conexion_s = 30;
  std::string certificado_pem;  // HTTPS when both are given
  std::string clave_pem;
  std::function<ResultadoWeb(const Subida&)> verificar = VerificacionWeb::Verificar;
  // Paints the PDF of the pages in a folder; without it no PDF is offered.
  EscritorPdf escribir_pdf;
  std::function<void(const std::string&)> registrar;  // log lines; standard error by default
};

class ServidorWeb {
 public:
  explicit ServidorWeb(OpcionesServidor opciones);
  ~ServidorWeb();
  ServidorWeb(const ServidorWeb&) = delete;
  ServidorWeb& operator=(const ServidorWeb&) = delete;

  Status Iniciar();
  // The port listened on (the chosen one when the options asked for 0).
  uint16_t Puerto() const { return puerto_; }
  void Detener();

  // What the server knows of one request, and the answer it makes.
  struct Pedido;
  struct Respuesta;

 private:
  // The library's callbacks, defined beside the server's code.
  friend struct LlamadasMHD;

  int Primero(MHD_Connection* conexion, Pedido* pedido);
  int Recibir(Pedido* pedido, const char* datos, size_t tamano);
  int Leer(MHD_Connection* conexion, Pedido* pedido);
  int Verificar(MHD_Connection* conexion, Pedido* pedido);
  int Informe(MHD_Connection* conexion, Pedido* pedido);
  // Runs tarea on the queue with the connection suspended until it is done.
  void Comenzar(MHD_Connection* conexion, Pedido* pedido, std::function<ResultadoWeb()> tarea);
  Respuesta Concluido(const Pedido& pedido, const ResultadoWeb& resultado);
  static Respuesta Descarga(const Pedido& pedido, const std::string& contenido);
  std::vector<const ArchivoDescargable*> Descargables() const;
  Respuesta ProblemaDeSubida(const Pedido& pedido, int estado, const std::string& titulo,
                             const std::string& mensaje) const;
  int Enviar(MHD_Connection* conexion, Pedido* pedido, const Respuesta& respuesta);
  void Registrar(const Pedido& pedido);

  OpcionesServidor opciones_;
  size_t max_bytes_;
  PaginasWeb paginas_;
  AlmacenInformes almacen_;
  ColaDeVerificaciones cola_;
  std::vector<std::string> datos_validos_;
  std::string estilo_;
  MHD_Daemon* demonio_ = nullptr;
  uint16_t puerto_ = 0;
  std::atomic<bool> detenido_{false};
  std::atomic<size_t> subidas_en_memoria_{0};
  std::mutex cerrojo_;
  std::condition_variable sin_verificaciones_;
  size_t verificaciones_en_curso_ = 0;
};

}  // namespace kaldoren
