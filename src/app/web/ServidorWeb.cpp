#include "app/web/ServidorWeb.h"

#include <arpa/inet.h>
#include <microhttpd.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdio>
#include <cstring>
#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>
#include <utility>

#include "app/web/CarpetaPrivada.h"
#include "hallazgos/CopiaMarcada.h"
#include "listing/ListadoDatosValidos.h"

namespace kaldoren {

enum class Ruta {
  Inicio,
  Estilo,
  Salud,
  DatosValidos,
  Informe,
  ArchivoDeInforme,
  Verificar,
  Api,
  Otra
};

// What the server knows of one request, from its first call to its end.
struct ServidorWeb::Pedido {
  std::chrono::steady_clock::time_point inicio = std::chrono::steady_clock::now();
  std::string metodo;
  Ruta ruta = Ruta::Otra;
  std::string id;       // of /informe/<id>...
  std::string archivo;  // of /informe/<id>/<archivo>
  int estado = 0;
  size_t bytes = 0;
  // The upload.
  bool decidido = false;  // an answer was queued on the first call
  size_t recibidos = 0;
  bool malformado = false;
  bool multipart = false;
  MHD_PostProcessor* formulario = nullptr;
  std::string campo;  // the form field that carries the file
  bool hay_archivo = false;
  std::shared_ptr<Subida> subida = std::make_shared<Subida>();
  // The verification, once the upload is whole.
  struct Espera {
    std::mutex cerrojo;
    bool lista = false;
    ResultadoWeb resultado;
  };
  std::shared_ptr<Espera> espera;
  // A download of the report.
  const ArchivoDescargable* descarga = nullptr;
  std::string disposicion;  // its Content-Disposition
};

struct ServidorWeb::Respuesta {
  int estado = MHD_HTTP_OK;
  std::string tipo = "text/html; charset=utf-8";
  std::string cuerpo;
  std::vector<std::pair<std::string, std::string>> cabeceras;
};

// The report's files that can be downloaded, by the name in the path.
struct ArchivoDescargable {
  enum class Origen { Errores, Documento, Pdf, Marcada };
  const char* nombre;
  const char* tipo;
  const char* texto;
  Origen origen;  // the PDF and the marked copy are made when asked for
};
const ArchivoDescargable kDescargables[] = {
    {"ERRORES.TXT", "text/plain; charset=windows-1252", "Informe completo (ERRORES.TXT)",
     ArchivoDescargable::Origen::Errores},
    {"INFORME.PDF", "application/pdf", "Informe en PDF (INFORME.PDF)",
     ArchivoDescargable::Origen::Pdf},
    {"HALLAZGOS.JSON", "application/json", "Hallazgos en JSON (HALLAZGOS.JSON)",
     ArchivoDescargable::Origen::Documento},
    {"MARCADA.xlsx", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet",
     "Copia marcada del libro (.xlsx)", ArchivoDescargable::Origen::Marcada},
};

namespace {

using Pedido = ServidorWeb::Pedido;
using json = nlohmann::json;

const char kSeguridad[] = "default-src 'self'; frame-ancestors 'none'";
const char kReintentarEn[] = "5";
constexpr size_t kBufferDeFormulario = 64 * 1024;
constexpr unsigned kHilosDeConexiones = 2;
constexpr unsigned kConexionesMaximas = 512;
// Connections of one client address at once: a client that opens many and
// sends a byte now and then cannot take every connection.
constexpr unsigned kConexionesPorDireccion = 64;
// An upload's body, once it has taken longer than the idle time, must have
// come at this many bytes a second on average (32 kbit/s): a client that
// sends a byte now and then is never idle, and is dropped by this instead.
constexpr size_t kRitmoMinimoDeSubida = 4096;
// Uploads held in memory at once, in multiples of the size limit: past it a
// new upload is refused before its body is read. With the results' budget and
// the workers' own memory, it keeps the service within its memory limit.
constexpr size_t kSubidasSimultaneas = 8;

// An ASCII letter or digit, ".", "-" or "_" (whatever the locale says of other bytes).
bool CaracterSeguro(unsigned char c) {
  const unsigned char letra = c | 0x20;
  return (c >= '0' && c <= '9') || (letra >= 'a' && letra <= 'z') || c == '.' || c == '-' ||
         c == '_';
}

// The Content-Disposition of a download: its own name, or for the marked copy
// the workbook's with "_MARCADA.xlsx". The plain name keeps letters, digits,
// ".", "-" and "_" (any other character becomes one "_"), so that it is safe
// in a header and on any file system; a name that loses characters so also
// goes whole, percent-encoded, in filename*, which browsers prefer.
std::string Disposicion(const ArchivoDescargable& a, const InformeWeb& informe) {
  const std::string nombre = a.origen == ArchivoDescargable::Origen::Marcada
                                 ? CopiaMarcada::NombreDeArchivo(informe.archivo)
                                 : a.nombre;
  std::string simple, codificado;
  for (const char c : nombre) {
    const auto byte = static_cast<unsigned char>(c);
    if (CaracterSeguro(byte)) {
      simple += c;
      codificado += c;
      continue;
    }
    if ((byte & 0xC0) != 0x80) simple += '_';  // one "_" for all the bytes of a character
    char hex[4];
    std::snprintf(hex, sizeof hex, "%%%02X", byte);
    codificado += hex;
  }
  std::string valor = "attachment; filename=\"" + simple + "\"";
  if (codificado != simple) valor += "; filename*=UTF-8''" + codificado;
  return valor;
}

bool EsId(std::string_view id) {
  if (id.size() != 32) return false;
  for (const char c : id) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

// The routes whose path is fixed; the log writes them as they are.
constexpr std::pair<std::string_view, Ruta> kFijas[] = {{"/", Ruta::Inicio},
                                                        {"/estilo.css", Ruta::Estilo},
                                                        {"/salud", Ruta::Salud},
                                                        {"/datos-validos", Ruta::DatosValidos},
                                                        {"/verificar", Ruta::Verificar},
                                                        {"/api/verificaciones", Ruta::Api}};

void Clasificar(std::string_view url, Pedido* pedido) {
  for (const auto& [camino, ruta] : kFijas) {
    if (url == camino) pedido->ruta = ruta;
  }
  const std::string_view prefijo = "/informe/";
  if (url.substr(0, prefijo.size()) != prefijo) return;
  url.remove_prefix(prefijo.size());
  const size_t barra = url.find('/');
  pedido->id = std::string(url.substr(0, barra));
  if (barra == std::string_view::npos) {
    pedido->ruta = Ruta::Informe;
  } else {
    pedido->ruta = Ruta::ArchivoDeInforme;
    pedido->archivo = std::string(url.substr(barra + 1));
  }
}

// The route as the log writes it: never an id nor a name from the client.
std::string RutaRegistrada(const Pedido& pedido) {
  for (const auto& [camino, ruta] : kFijas) {
    if (pedido.ruta == ruta) return std::string(camino);
  }
  if (pedido.ruta == Ruta::Informe) return "/informe/-";
  if (pedido.ruta != Ruta::ArchivoDeInforme) return "-";
  for (const ArchivoDescargable& a : kDescargables) {
    if (pedido.archivo == a.nombre) return std::string("/informe/-/") + a.nombre;
  }
  return "/informe/-/-";
}

std::string MetodoRegistrado(const std::string& metodo) {
  for (const char* conocido : {"GET", "HEAD", "POST", "PUT", "DELETE", "OPTIONS", "PATCH"}) {
    if (metodo == conocido) return metodo;
  }
  return "OTRO";
}

bool EsUnaSubida(Ruta ruta) { return ruta == Ruta::Verificar || ruta == Ruta::Api; }

std::optional<size_t> Numero(const char* texto) {
  if (texto == nullptr || *texto == '\0' || std::strlen(texto) > 18) return std::nullopt;
  size_t n = 0;
  for (const char* c = texto; *c != '\0'; ++c) {
    if (*c < '0' || *c > '9') return std::nullopt;
    n = n * 10 + static_cast<size_t>(*c - '0');
  }
  return n;
}

bool EmpiezaCon(const char* texto, const char* prefijo) {
  return texto != nullptr && strncasecmp(texto, prefijo, std::strlen(prefijo)) == 0;
}

ResultadoWeb SoloEstado(ResultadoWeb::Estado estado) {
  ResultadoWeb resultado;
  resultado.estado = estado;
  return resultado;
}

std::string Json(const json& documento) {
  return documento.dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
}

}  // namespace

// The library's callbacks: they find the server and the request and hand over.
struct LlamadasMHD {
  static MHD_Result Atender(void* cls, MHD_Connection* conexion, const char* url,
                            const char* metodo, const char*, const char* datos, size_t* tamano,
                            void** estado) {
    auto* servidor = static_cast<ServidorWeb*>(cls);
    auto* pedido = static_cast<Pedido*>(*estado);
    if (pedido == nullptr) {
      pedido = new Pedido;
      *estado = pedido;
      pedido->metodo = metodo;
      Clasificar(url, pedido);
      return servidor->Primero(conexion, pedido) ? MHD_YES : MHD_NO;
    }
    if (*tamano > 0) {
      const size_t tam = *tamano;
      *tamano = 0;
      return servidor->Recibir(pedido, datos, tam) ? MHD_YES : MHD_NO;
    }
    return servidor->Leer(conexion, pedido) ? MHD_YES : MHD_NO;
  }

  static void Terminado(void* cls, MHD_Connection*, void** estado, MHD_RequestTerminationCode) {
    auto* pedido = static_cast<Pedido*>(*estado);
    if (pedido == nullptr) return;
    auto* servidor = static_cast<ServidorWeb*>(cls);
    servidor->Registrar(*pedido);
    servidor->subidas_en_memoria_ -= std::min(pedido->recibidos, servidor->max_bytes_);
    if (pedido->formulario != nullptr) MHD_destroy_post_processor(pedido->formulario);
    if (pedido->espera) {
      const std::lock_guard<std::mutex> bloqueo(servidor->cerrojo_);
      if (--servidor->verificaciones_en_curso_ == 0) servidor->sin_verificaciones_.notify_all();
    }
    delete pedido;
    *estado = nullptr;
  }

  // Each part of a multipart form: the first field that carries a file is the
  // workbook; every other field is ignored.
  static MHD_Result Campo(void* cls, MHD_ValueKind, const char* clave, const char* nombre,
                          const char*, const char*, const char* datos, uint64_t desde,
                          size_t tamano) {
    auto* pedido = static_cast<Pedido*>(cls);
    if (nombre == nullptr || clave == nullptr) return MHD_YES;
    if (!pedido->hay_archivo) {
      pedido->hay_archivo = true;
      pedido->campo = clave;
      pedido->subida->nombre = nombre;
    }
    Subida& subida = *pedido->subida;
    if (pedido->campo == clave && subida.nombre == nombre && desde == subida.contenido.size()) {
      subida.contenido.append(datos, tamano);
    }
    return MHD_YES;
  }
};

ServidorWeb::ServidorWeb(OpcionesServidor opciones)
    : opciones_(std::move(opciones)),
      max_bytes_(opciones_.max_mb << 20),
      paginas_(opciones_.max_mb, opciones_.conservar_min),
      almacen_(opciones_.conservar, opciones_.presupuesto_informes),
      cola_(opciones_.trabajos, size_t{8} * std::max(1u, opciones_.trabajos),
            opciones_.plazo_verificacion),
      estilo_(paginas_.Estilo()) {
  if (!opciones_.registrar) {
    opciones_.registrar = [](const std::string& linea) {
      std::fprintf(stderr, "%s\n", linea.c_str());
    };
  }
}

ServidorWeb::~ServidorWeb() { Detener(); }

Status ServidorWeb::Iniciar() {
  {
    CarpetaPrivada carpeta;
    const Status listado = carpeta.ruta().empty()
                               ? Status::Error(1, "No se pudo crear una carpeta de trabajo.")
                               : ListadoDatosValidos::Escribir(carpeta.ruta());
    if (!listado.ok()) return listado;
    datos_validos_ = CarpetaPrivada::LeerHojas(ListadoDatosValidos::Prefijo(carpeta.ruta()));
  }
  sockaddr_in6 direccion6{};
  sockaddr_in direccion4{};
  const sockaddr* direccion = nullptr;
  unsigned banderas = MHD_USE_AUTO_INTERNAL_THREAD | MHD_ALLOW_SUSPEND_RESUME | MHD_USE_ITC;
  if (inet_pton(AF_INET, opciones_.direccion.c_str(), &direccion4.sin_addr) == 1) {
    direccion4.sin_family = AF_INET;
    direccion4.sin_port = htons(opciones_.puerto);
    direccion = reinterpret_cast<const sockaddr*>(&direccion4);
  } else if (inet_pton(AF_INET6, opciones_.direccion.c_str(), &direccion6.sin6_addr) == 1) {
    direccion6.sin6_family = AF_INET6;
    direccion6.sin6_port = htons(opciones_.puerto);
    direccion = reinterpret_cast<const sockaddr*>(&direccion6);
    banderas |= MHD_USE_IPv6;
  } else {
    return Status::Error(1, "La dirección " + opciones_.direccion +
                                " no es una dirección IP (por ejemplo 127.0.0.1 o ::1).");
  }
  const bool seguro = !opciones_.certificado_pem.empty() && !opciones_.clave_pem.empty();
  if (seguro) {
    if (MHD_is_feature_supported(MHD_FEATURE_TLS) != MHD_YES) {
      return Status::Error(1, "Esta instalación de libmicrohttpd no admite HTTPS.");
    }
    banderas |= MHD_USE_TLS;
  }
  demonio_ = MHD_start_daemon(
      banderas, opciones_.puerto, nullptr, nullptr, &LlamadasMHD::Atender, this,
      MHD_OPTION_SOCK_ADDR, direccion, MHD_OPTION_THREAD_POOL_SIZE, kHilosDeConexiones,
      MHD_OPTION_CONNECTION_LIMIT, kConexionesMaximas, MHD_OPTION_PER_IP_CONNECTION_LIMIT,
      kConexionesPorDireccion, MHD_OPTION_CONNECTION_TIMEOUT, opciones_.espera_conexion_s,
      MHD_OPTION_NOTIFY_COMPLETED, &LlamadasMHD::Terminado, this, MHD_OPTION_HTTPS_MEM_KEY,
      seguro ? opciones_.clave_pem.c_str() : nullptr, MHD_OPTION_HTTPS_MEM_CERT,
      seguro ? opciones_.certificado_pem.c_str() : nullptr, MHD_OPTION_END);
  if (demonio_ == nullptr) {
    return Status::Error(1, "No se pudo atender en " + opciones_.direccion + ", puerto " +
                                std::to_string(opciones_.puerto) +
                                (seguro ? " (revise también el certificado y la clave)." : "."));
  }
  puerto_ = MHD_get_daemon_info(demonio_, MHD_DAEMON_INFO_BIND_PORT)->port;
  return Status::Ok();
}

void ServidorWeb::Detener() {
  if (demonio_ == nullptr) return;
  detenido_ = true;
  MHD_quiesce_daemon(demonio_);
  cola_.Detener();
  {
    std::unique_lock<std::mutex> bloqueo(cerrojo_);
    sin_verificaciones_.wait_for(bloqueo, std::chrono::seconds(opciones_.espera_conexion_s),
                                 [this] { return verificaciones_en_curso_ == 0; });
  }
  MHD_stop_daemon(demonio_);
  demonio_ = nullptr;
}

// First call: everything but an upload is answered at once; an upload is
// refused before its body is read when it says it is too big or the server
// cannot take it.
int ServidorWeb::Primero(MHD_Connection* conexion, Pedido* pedido) {
  const bool lectura = pedido->metodo == "GET" || pedido->metodo == "HEAD";
  if (!EsUnaSubida(pedido->ruta)) {
    if (lectura || pedido->ruta == Ruta::Otra) return Leer(conexion, pedido);
    Respuesta r = ProblemaDeSubida(*pedido, MHD_HTTP_METHOD_NOT_ALLOWED, "Método no permitido",
                                   "Esta dirección solo se puede leer.");
    r.cabeceras.emplace_back("Allow", "GET, HEAD");
    return Enviar(conexion, pedido, r);
  }
  if (pedido->metodo != "POST") {
    Respuesta r = ProblemaDeSubida(*pedido, MHD_HTTP_METHOD_NOT_ALLOWED, "Método no permitido",
                                   "Los libros se envían con POST.");
    r.cabeceras.emplace_back("Allow", "POST");
    return Enviar(conexion, pedido, r);
  }
  const std::optional<size_t> largo =
      Numero(MHD_lookup_connection_value(conexion, MHD_HEADER_KIND, "Content-Length"));
  if (largo && *largo > max_bytes_) {
    return Enviar(conexion, pedido,
                  ProblemaDeSubida(
                      *pedido, MHD_HTTP_CONTENT_TOO_LARGE, "Archivo demasiado grande",
                      "El libro supera el límite de " + std::to_string(opciones_.max_mb) + " MB."));
  }
  if (detenido_ || subidas_en_memoria_ >= kSubidasSimultaneas * max_bytes_) {
    Respuesta r = ProblemaDeSubida(*pedido, MHD_HTTP_SERVICE_UNAVAILABLE, "Servidor ocupado",
                                   "El servidor no puede recibir el libro ahora. Intente de nuevo "
                                   "en unos segundos.");
    r.cabeceras.emplace_back("Retry-After", kReintentarEn);
    return Enviar(conexion, pedido, r);
  }
  const char* tipo = MHD_lookup_connection_value(conexion, MHD_HEADER_KIND, "Content-Type");
  pedido->multipart = EmpiezaCon(tipo, "multipart/form-data");
  if (pedido->multipart) {
    pedido->formulario =
        MHD_create_post_processor(conexion, kBufferDeFormulario, &LlamadasMHD::Campo, pedido);
    pedido->malformado = pedido->formulario == nullptr;
  } else if (pedido->ruta == Ruta::Verificar) {
    pedido->malformado = true;
  }
  return MHD_YES;
}

// A piece of the body. Past the size limit, or when the body comes too
// slowly, the connection is closed without an answer (none can be sent once a
// body has begun): the rest of the body is never read.
int ServidorWeb::Recibir(Pedido* pedido, const char* datos, size_t tamano) {
  if (pedido->decidido) return MHD_YES;
  const size_t antes = std::min(pedido->recibidos, max_bytes_);
  pedido->recibidos += tamano;
  subidas_en_memoria_ += std::min(pedido->recibidos, max_bytes_) - antes;
  const auto segundos = std::chrono::duration_cast<std::chrono::seconds>(
                            std::chrono::steady_clock::now() - pedido->inicio)
                            .count();
  const bool lenta = segundos > static_cast<long>(opciones_.espera_conexion_s) &&
                     pedido->recibidos < kRitmoMinimoDeSubida * static_cast<size_t>(segundos);
  if (pedido->recibidos > max_bytes_ || lenta) return MHD_NO;
  if (pedido->malformado) return MHD_YES;
  if (pedido->formulario != nullptr) {
    pedido->malformado = MHD_post_process(pedido->formulario, datos, tamano) != MHD_YES;
  } else {
    pedido->subida->contenido.append(datos, tamano);
  }
  return MHD_YES;
}

// The body is whole (or there was none): answer, or start the verification,
// or answer its outcome once it is done.
int ServidorWeb::Leer(MHD_Connection* conexion, Pedido* pedido) {
  if (pedido->decidido) return MHD_YES;
  switch (pedido->ruta) {
    case Ruta::Inicio:
      return Enviar(conexion, pedido,
                    {200, "text/html; charset=utf-8", paginas_.Inicio(std::nullopt), {}});
    case Ruta::Estilo:
      return Enviar(conexion, pedido,
                    {200, "text/css; charset=utf-8", estilo_, {{"Cache-Control", "max-age=3600"}}});
    case Ruta::Salud:
      return Enviar(conexion, pedido, {200, "text/plain; charset=utf-8", "ok\n", {}});
    case Ruta::DatosValidos: {
      const size_t hoja =
          Numero(MHD_lookup_connection_value(conexion, MHD_GET_ARGUMENT_KIND, "hoja")).value_or(1);
      return Enviar(
          conexion, pedido,
          {200, "text/html; charset=utf-8", paginas_.DatosValidos(datos_validos_, hoja), {}});
    }
    case Ruta::Informe:
    case Ruta::ArchivoDeInforme:
      if (pedido->espera) break;
      return Informe(conexion, pedido);
    case Ruta::Verificar:
    case Ruta::Api:
      break;
    case Ruta::Otra:
      return Enviar(conexion, pedido,
                    {404,
                     "text/html; charset=utf-8",
                     paginas_.Mensaje({"Página inexistente", "No hay nada en esta dirección."}),
                     {}});
  }
  if (!pedido->espera) return Verificar(conexion, pedido);
  ResultadoWeb resultado;
  {
    const std::lock_guard<std::mutex> bloqueo(pedido->espera->cerrojo);
    resultado = pedido->espera->resultado;
  }
  return Enviar(conexion, pedido, Concluido(*pedido, resultado));
}

// Hands the workbook to the queue and suspends the connection until the
// verification is done, refused or past its time bound.
void ServidorWeb::Comenzar(MHD_Connection* conexion, Pedido* pedido,
                           std::function<ResultadoWeb()> tarea) {
  auto espera = std::make_shared<Pedido::Espera>();
  pedido->espera = espera;
  {
    const std::lock_guard<std::mutex> bloqueo(cerrojo_);
    ++verificaciones_en_curso_;
  }
  const auto concluir = [espera, conexion](ResultadoWeb resultado) {
    {
      const std::lock_guard<std::mutex> bloqueo(espera->cerrojo);
      if (espera->lista) return;
      espera->lista = true;
      espera->resultado = std::move(resultado);
    }
    MHD_resume_connection(conexion);
  };
  MHD_suspend_connection(conexion);
  const bool aceptado =
      !detenido_ &&
      cola_.Encolar([concluir, tarea] { concluir(tarea()); },
                    [concluir] { concluir(SoloEstado(ResultadoWeb::Estado::Vencido)); });
  if (!aceptado) concluir(SoloEstado(ResultadoWeb::Estado::Ocupado));
}

// The workbook is whole: its verification goes to the queue.
int ServidorWeb::Verificar(MHD_Connection* conexion, Pedido* pedido) {
  if (pedido->formulario != nullptr) {
    pedido->malformado |= MHD_destroy_post_processor(pedido->formulario) != MHD_YES;
    pedido->formulario = nullptr;
  }
  if (pedido->malformado || (pedido->multipart && !pedido->hay_archivo)) {
    return Enviar(conexion, pedido,
                  ProblemaDeSubida(*pedido, MHD_HTTP_BAD_REQUEST, "Envío incompleto",
                                   "El formulario no llegó entero o no trae el libro. Elija "
                                   "el archivo y vuelva a enviarlo."));
  }
  if (!pedido->multipart) {
    const char* nombre = MHD_lookup_connection_value(conexion, MHD_GET_ARGUMENT_KIND, "nombre");
    if (nombre != nullptr) pedido->subida->nombre = nombre;
  }
  const std::shared_ptr<const Subida> subida = std::move(pedido->subida);
  const auto verificar = opciones_.verificar;
  Comenzar(conexion, pedido, [subida, verificar] { return verificar(*subida); });
  return MHD_YES;
}

// The answer to a task of the queue once it is done, refused or too late.
ServidorWeb::Respuesta ServidorWeb::Concluido(const Pedido& pedido, const ResultadoWeb& resultado) {
  const bool api = pedido.ruta == Ruta::Api;
  const bool descarga = pedido.ruta == Ruta::ArchivoDeInforme;  // the PDF, the marked copy
  switch (resultado.estado) {
    case ResultadoWeb::Estado::Verificado:
      break;
    case ResultadoWeb::Estado::NoVerificado:
      if (descarga) {
        return ProblemaDeSubida(pedido, MHD_HTTP_INTERNAL_SERVER_ERROR, resultado.titulo,
                                resultado.mensaje);
      }
      return ProblemaDeSubida(pedido, MHD_HTTP_UNPROCESSABLE_CONTENT, resultado.titulo,
                              resultado.mensaje);
    case ResultadoWeb::Estado::Ocupado:
    case ResultadoWeb::Estado::Vencido: {
      const bool ocupado = resultado.estado == ResultadoWeb::Estado::Ocupado;
      Respuesta r = ProblemaDeSubida(
          pedido, MHD_HTTP_SERVICE_UNAVAILABLE,
          ocupado ? "Servidor ocupado" : "Verificación demorada",
          ocupado ? "Hay demasiadas verificaciones en espera. Intente de nuevo en unos segundos."
                  : "La verificación tardó más de lo permitido y fue abandonada.");
      r.cabeceras.emplace_back("Retry-After", kReintentarEn);
      return r;
    }
  }
  if (descarga) return Descarga(pedido, resultado.contenido);
  const std::string id = almacen_.Guardar(resultado.informe);
  if (id.empty()) {
    return ProblemaDeSubida(pedido, MHD_HTTP_INTERNAL_SERVER_ERROR, "Error del Servidor",
                            "El generador de números aleatorios del sistema no responde.");
  }
  const std::string enlace = "/informe/" + id;
  if (!api) return {MHD_HTTP_SEE_OTHER, "text/plain; charset=utf-8", "", {{"Location", enlace}}};
  // The findings document, with the report's page count and its links.
  json documento = json::parse(resultado.informe->documento, nullptr, false);
  if (!documento.is_object()) documento = json::object();
  documento["hojas"] = resultado.informe->hojas.size();
  json enlaces = {{"informe", enlace}};
  for (const ArchivoDescargable* a : Descargables()) enlaces[a->nombre] = enlace + "/" + a->nombre;
  documento["enlaces"] = enlaces;
  return {MHD_HTTP_CREATED, "application/json", Json(documento), {{"Location", enlace}}};
}

std::vector<const ArchivoDescargable*> ServidorWeb::Descargables() const {
  std::vector<const ArchivoDescargable*> lista;
  for (const ArchivoDescargable& a : kDescargables) {
    if (a.origen != ArchivoDescargable::Origen::Pdf || opciones_.escribir_pdf) {
      lista.push_back(&a);
    }
  }
  return lista;
}

// The report's page, or one of its files (the PDF painted on the queue).
int ServidorWeb::Informe(MHD_Connection* conexion, Pedido* pedido) {
  const std::shared_ptr<const InformeWeb> informe =
      EsId(pedido->id) ? almacen_.Buscar(pedido->id) : nullptr;
  if (!informe) {
    return Enviar(conexion, pedido,
                  {MHD_HTTP_NOT_FOUND, "text/html; charset=utf-8", paginas_.Vencido(), {}});
  }
  const std::string base = "/informe/" + pedido->id;
  if (pedido->ruta == Ruta::Informe) {
    std::vector<PaginasWeb::Descarga> descargas;
    for (const ArchivoDescargable* a : Descargables()) {
      descargas.push_back({base + "/" + a->nombre, a->texto});
    }
    const size_t hoja =
        Numero(MHD_lookup_connection_value(conexion, MHD_GET_ARGUMENT_KIND, "hoja")).value_or(1);
    return Enviar(conexion, pedido,
                  {200,
                   "text/html; charset=utf-8",
                   paginas_.Informe(pedido->id, *informe, hoja, descargas),
                   {}});
  }
  for (const ArchivoDescargable* a : Descargables()) {
    if (pedido->archivo != a->nombre) continue;
    pedido->descarga = a;
    pedido->disposicion = Disposicion(*a, *informe);
    switch (a->origen) {
      case ArchivoDescargable::Origen::Errores:
        return Enviar(conexion, pedido, Descarga(*pedido, informe->errores));
      case ArchivoDescargable::Origen::Documento:
        return Enviar(conexion, pedido, Descarga(*pedido, informe->documento));
      case ArchivoDescargable::Origen::Pdf: {
        const auto escribir = opciones_.escribir_pdf;
        Comenzar(conexion, pedido,
                 [informe, escribir] { return VerificacionWeb::Pdf(informe->hojas, escribir); });
        return MHD_YES;
      }
      case ArchivoDescargable::Origen::Marcada:
        Comenzar(conexion, pedido, [informe] { return VerificacionWeb::Marcada(*informe); });
        return MHD_YES;
    }
  }
  return Enviar(conexion, pedido,
                {MHD_HTTP_NOT_FOUND,
                 "text/html; charset=utf-8",
                 paginas_.Mensaje({"Archivo inexistente", "El informe no tiene ese archivo."}),
                 {}});
}

ServidorWeb::Respuesta ServidorWeb::Descarga(const Pedido& pedido, const std::string& contenido) {
  return {200, pedido.descarga->tipo, contenido, {{"Content-Disposition", pedido.disposicion}}};
}

// A failed upload: the JSON {"titulo", "mensaje"} for the API, the upload page
// with the message for a browser.
ServidorWeb::Respuesta ServidorWeb::ProblemaDeSubida(const Pedido& pedido, int estado,
                                                     const std::string& titulo,
                                                     const std::string& mensaje) const {
  if (pedido.ruta == Ruta::Api) {
    return {estado, "application/json", Json({{"titulo", titulo}, {"mensaje", mensaje}}), {}};
  }
  if (pedido.ruta == Ruta::Verificar) {
    return {estado,
            "text/html; charset=utf-8",
            paginas_.Inicio(PaginasWeb::Aviso{titulo, mensaje}),
            {}};
  }
  return {estado, "text/html; charset=utf-8", paginas_.Mensaje({titulo, mensaje}), {}};
}

int ServidorWeb::Enviar(MHD_Connection* conexion, Pedido* pedido, const Respuesta& respuesta) {
  MHD_Response* r = MHD_create_response_from_buffer(
      respuesta.cuerpo.size(), const_cast<char*>(respuesta.cuerpo.data()), MHD_RESPMEM_MUST_COPY);
  if (r == nullptr) return MHD_NO;
  MHD_add_response_header(r, "Content-Type", respuesta.tipo.c_str());
  MHD_add_response_header(r, "Content-Security-Policy", kSeguridad);
  MHD_add_response_header(r, "X-Content-Type-Options", "nosniff");
  MHD_add_response_header(r, "Referrer-Policy", "no-referrer");
  bool cache = false;
  for (const auto& [nombre, valor] : respuesta.cabeceras) {
    MHD_add_response_header(r, nombre.c_str(), valor.c_str());
    cache |= nombre == "Cache-Control";
  }
  if (!cache) MHD_add_response_header(r, "Cache-Control", "no-store");
  const MHD_Result hecho = MHD_queue_response(conexion, static_cast<unsigned>(respuesta.estado), r);
  MHD_destroy_response(r);
  pedido->estado = respuesta.estado;
  pedido->bytes = respuesta.cuerpo.size();
  pedido->decidido = true;
  return hecho;
}

void ServidorWeb::Registrar(const Pedido& pedido) {
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - pedido.inicio)
          .count();
  char linea[160];
  std::snprintf(linea, sizeof linea, "%s %s %d %zu %.1fms", MetodoRegistrado(pedido.metodo).c_str(),
                RutaRegistrada(pedido).c_str(), pedido.estado, pedido.bytes, ms);
  opciones_.registrar(linea);
}

}  // namespace kaldoren
