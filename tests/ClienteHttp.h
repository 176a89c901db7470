// ClienteHttp: a plain HTTP/1.1 client over a loopback socket, for the web
// server's tests and its load benchmark. It writes exactly the bytes it is
// given (so tests can send half a request, a lying length or a broken form)
// and reads one answer up to the server closing the connection.
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace kaldoren::testing {

struct RespuestaHttp {
  int estado = 0;                                // 0: no answer
  std::map<std::string, std::string> cabeceras;  // names in lower case
  std::string cuerpo;
};

class ClienteHttp {
 public:
  // Connects and sends the first bytes, if any.
  explicit ClienteHttp(uint16_t puerto, std::string_view primeros = {});
  ~ClienteHttp();
  ClienteHttp(const ClienteHttp&) = delete;
  ClienteHttp& operator=(const ClienteHttp&) = delete;

  bool Enviar(std::string_view bytes);
  // Reads until the server closes or the time is up.
  RespuestaHttp Leer(std::chrono::milliseconds espera = std::chrono::seconds(20));
  // True when the server has closed the connection (read gives end of file or a reset).
  bool Cerrada(std::chrono::milliseconds espera);

  // One whole request with "Connection: close" and its answer.
  static RespuestaHttp Pedir(uint16_t puerto, const std::string& metodo, const std::string& ruta,
                             const std::string& cuerpo = "", const std::string& tipo = "");
  // The Content-Type of the bodies Formulario makes.
  static const std::string kTipoFormulario;
  // A multipart/form-data body with one file field.
  static std::string Formulario(const std::string& campo, const std::string& archivo,
                                const std::string& contenido);

 private:
  int socket_ = -1;
};

}  // namespace kaldoren::testing
