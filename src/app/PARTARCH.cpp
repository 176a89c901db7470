#include "app/PARTARCH.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <utility>

#include "base/Calendar.h"

namespace kaldoren {

namespace {

// Position of the last "/" or "\", or npos.
size_t UltimoSeparador(const std::string& ruta) { return ruta.find_last_of("/\\"); }

}  // namespace

void PARTARCH::Sendero_Archivo(std::string cad) { ruta_ = std::move(cad); }

std::string PARTARCH::Archivo() const {
  const size_t separador = UltimoSeparador(ruta_);
  return separador == std::string::npos ? ruta_ : ruta_.substr(separador + 1);
}

std::string PARTARCH::Sendero() const {
  const size_t separador = UltimoSeparador(ruta_);
  if (separador == std::string::npos) return std::string();
  // A file right under "/" keeps the root as its folder rather than nothing.
  if (separador == 0) return ruta_.substr(0, 1);
  return ruta_.substr(0, separador);
}

std::optional<double> PARTARCH::UltimaMod() const {
  std::error_code error;
  const auto escrito = std::filesystem::last_write_time(ruta_, error);
  if (error) return std::nullopt;
  const auto sistema = std::chrono::file_clock::to_sys(escrito);
  const std::time_t segundos =
      std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(sistema));
  std::tm local{};
  if (localtime_r(&segundos, &local) == nullptr) return std::nullopt;
  return Calendar::DayCount(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

}  // namespace kaldoren
