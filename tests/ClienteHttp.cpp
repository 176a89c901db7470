#include "ClienteHttp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <regex>

namespace kaldoren::testing {
namespace {

const std::string kLimite = "----limiteDePrueba7d0a1b";

// True when the socket has something to read (or has been closed) within the time.
bool Legible(int socket, std::chrono::milliseconds espera) {
  pollfd p{socket, POLLIN, 0};
  return espera.count() > 0 && poll(&p, 1, static_cast<int>(espera.count())) == 1;
}

}  // namespace

const std::string ClienteHttp::kTipoFormulario = "multipart/form-data; boundary=" + kLimite;

ClienteHttp::ClienteHttp(uint16_t puerto, std::string_view primeros) {
  socket_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in direccion{AF_INET, htons(puerto), {htonl(INADDR_LOOPBACK)}, {}};
  if (connect(socket_, reinterpret_cast<sockaddr*>(&direccion), sizeof direccion) != 0) {
    close(socket_);
    socket_ = -1;
  }
  Enviar(primeros);
}

ClienteHttp::~ClienteHttp() {
  if (socket_ >= 0) close(socket_);
}

bool ClienteHttp::Enviar(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool ClienteHttp::Cerrada(std::chrono::milliseconds espera) {
  char c;
  return Legible(socket_, espera) && recv(socket_, &c, 1, 0) <= 0;
}

RespuestaHttp ClienteHttp::Leer(std::chrono::milliseconds espera) {
  using namespace std::chrono;
  std::string todo;
  const auto hasta = steady_clock::now() + espera;
  char buffer[65536];
  for (ssize_t n; Legible(socket_, duration_cast<milliseconds>(hasta - steady_clock::now())) &&
                  (n = recv(socket_, buffer, sizeof buffer, 0)) > 0;) {
    todo.append(buffer, static_cast<size_t>(n));
  }
  RespuestaHttp respuesta;
  const size_t fin = todo.find("\r\n\r\n");
  if (todo.size() < 12 || fin == std::string::npos) return respuesta;
  respuesta.estado = std::stoi(todo.substr(9, 3));
  static const std::regex cabecera("\r\n([^:\r]*): *([^\r]*)");
  for (std::sregex_iterator i(todo.cbegin(), todo.cbegin() + fin, cabecera), no; i != no; ++i) {
    std::string nombre = (*i)[1];
    std::ranges::transform(nombre, nombre.begin(), [](unsigned char c) { return std::tolower(c); });
    respuesta.cabeceras[nombre] = (*i)[2];
  }
  respuesta.cuerpo = todo.substr(fin + 4);
  return respuesta;
}

RespuestaHttp ClienteHttp::Pedir(uint16_t puerto, const std::string& metodo,
                                 const std::string& ruta, const std::string& cuerpo,
                                 const std::string& tipo) {
  std::string pedido =
      metodo + " " + ruta + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n";
  if (!tipo.empty()) pedido += "Content-Type: " + tipo + "\r\n";
  if (metodo == "POST") pedido += "Content-Length: " + std::to_string(cuerpo.size()) + "\r\n";
  return ClienteHttp(puerto, pedido + "\r\n" + cuerpo).Leer();
}

std::string ClienteHttp::Formulario(const std::string& campo, const std::string& archivo,
                                    const std::string& contenido) {
  return "--" + kLimite + "\r\nContent-Disposition: form-data; name=\"" + campo +
         "\"; filename=\"" + archivo + "\"\r\nContent-Type: application/octet-stream\r\n\r\n" +
         contenido + "\r\n--" + kLimite + "--\r\n";
}

}  // namespace kaldoren::testing
