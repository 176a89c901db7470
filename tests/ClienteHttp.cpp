#include "ClienteHttp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>

namespace kaldoren::testing {

ClienteHttp::ClienteHttp(uint16_t puerto) {
  socket_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in direccion{};
  direccion.sin_family = AF_INET;
  direccion.sin_port = htons(puerto);
  direccion.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(socket_, reinterpret_cast<sockaddr*>(&direccion), sizeof direccion) != 0) {
    close(socket_);
    socket_ = -1;
  }
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
  pollfd p{socket_, POLLIN, 0};
  char c;
  return poll(&p, 1, static_cast<int>(espera.count())) == 1 && recv(socket_, &c, 1, 0) <= 0;
}

RespuestaHttp ClienteHttp::Leer(std::chrono::milliseconds espera) {
  std::string todo;
  const auto hasta = std::chrono::steady_clock::now() + espera;
  char buffer[65536];
  for (;;) {
    const auto falta = std::chrono::duration_cast<std::chrono::milliseconds>(
        hasta - std::chrono::steady_clock::now());
    pollfd p{socket_, POLLIN, 0};
    if (falta.count() <= 0 || poll(&p, 1, static_cast<int>(falta.count())) != 1) break;
    const ssize_t n = recv(socket_, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    todo.append(buffer, static_cast<size_t>(n));
  }
  RespuestaHttp respuesta;
  const size_t fin = todo.find("\r\n\r\n");
  if (todo.size() < 12 || fin == std::string::npos) return respuesta;
  respuesta.estado = std::stoi(todo.substr(9, 3));
  for (size_t desde = todo.find("\r\n") + 2; desde < fin;) {
    const size_t eol = todo.find("\r\n", desde);
    const std::string linea = todo.substr(desde, eol - desde);
    const size_t dos = linea.find(':');
    std::string nombre = linea.substr(0, dos);
    for (char& c : nombre) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    respuesta.cabeceras[nombre] = linea.substr(linea.find_first_not_of(' ', dos + 1));
    desde = eol + 2;
  }
  respuesta.cuerpo = todo.substr(fin + 4);
  return respuesta;
}

RespuestaHttp ClienteHttp::Pedir(uint16_t puerto, const std::string& metodo,
                                 const std::string& ruta, const std::string& cuerpo,
                                 const std::string& tipo) {
  ClienteHttp cliente(puerto);
  std::string pedido =
      metodo + " " + ruta + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n";
  if (!tipo.empty()) pedido += "Content-Type: " + tipo + "\r\n";
  if (metodo == "POST") pedido += "Content-Length: " + std::to_string(cuerpo.size()) + "\r\n";
  cliente.Enviar(pedido + "\r\n" + cuerpo);
  return cliente.Leer();
}

std::string ClienteHttp::Formulario(const std::string& campo, const std::string& archivo,
                                    const std::string& contenido, std::string* tipo) {
  const std::string limite = "----limiteDePrueba7d0a1b";
  *tipo = "multipart/form-data; boundary=" + limite;
  return "--" + limite + "\r\nContent-Disposition: form-data; name=\"" + campo + "\"; filename=\"" +
         archivo + "\"\r\nContent-Type: application/octet-stream\r\n\r\n" + contenido + "\r\n--" +
         limite + "--\r\n";
}

}  // namespace kaldoren::testing
