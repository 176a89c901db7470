#include "app/Reloj.h"

#include <ctime>

#include "base/Calendar.h"

namespace kaldoren {

double RelojDelSistema::Ahora() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return Calendar::DayCount(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

}  // namespace kaldoren
