// lectura_bench: times reading a workbook and turning every cell into a Value,
// the work a verification run starts with.
//
// Usage: lectura_bench PLANILLA.XLS [VECES]      read VECES times (default 5)
//        lectura_bench --bytes PLANILLA.XLS      only read the file's bytes
// Prints the best and the median time of the runs. Peak memory is measured
// from outside (bench/medir_lectura.sh runs it under /usr/bin/time -v with
// VECES 1).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/Value.h"
#include "workbook/WorkbookReader.h"

namespace {

using Clock = std::chrono::steady_clock;

// Reads every cell into a Value; answers a checksum so nothing is optimised away.
double ReadEveryCell(const std::string& path, size_t* cells) {
  kaldoren::Workbook book;
  const kaldoren::Status status = kaldoren::WorkbookReader::Read(path, &book);
  if (!status.ok()) {
    std::fprintf(stderr, "%s\n", status.description().c_str());
    std::exit(2);
  }
  double sum = 0;
  *cells = 0;
  for (const auto& sheet : book.sheets()) {
    for (const kaldoren::Cell& cell : sheet->cells()) {
      const kaldoren::Value v = sheet->ValueOf(cell);
      sum += v.number() + static_cast<double>(v.text().size());
      ++*cells;
    }
  }
  return sum;
}

// Reads the whole file into one buffer of its size: the least any reader does.
double ReadBytes(const std::string& path, size_t* bytes) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) std::exit(2);
  std::fseek(file, 0, SEEK_END);
  std::string data(static_cast<size_t>(std::ftell(file)), '\0');
  std::fseek(file, 0, SEEK_SET);
  *bytes = std::fread(data.data(), 1, data.size(), file);
  std::fclose(file);
  return static_cast<double>(data.empty() ? 0 : static_cast<unsigned char>(data.back()));
}

}  // namespace

int main(int argc, char** argv) {
  const bool only_bytes = argc > 1 && std::string(argv[1]) == "--bytes";
  const int first = only_bytes ? 2 : 1;
  if (argc <= first) {
    std::fprintf(stderr, "Uso: lectura_bench [--bytes] PLANILLA.XLS [VECES]\n");
    return 2;
  }
  const std::string path = argv[first];
  const int runs = argc > first + 1 ? std::max(1, std::atoi(argv[first + 1])) : 5;
  std::vector<double> seconds;
  size_t count = 0;
  double checksum = 0;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    checksum += only_bytes ? ReadBytes(path, &count) : ReadEveryCell(path, &count);
    seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  std::sort(seconds.begin(), seconds.end());
  std::printf("%s: %zu %s, mejor %.3f s, mediana %.3f s (%d veces; suma %g)\n",
              only_bytes ? "bytes" : "kaldoren20", count, only_bytes ? "bytes" : "celdas",
              seconds.front(), seconds[seconds.size() / 2], runs, checksum);
  return 0;
}
