// Times every query text the report sends, on a declaration of 65,000 teacher
// rows built in memory, or on a workbook file named on the command line (whose
// reading is timed as well; bench/generar_planilla_grande.py writes one to
// bench/data/planilla_grande.xls). Each query runs several times; the median
// is shown, as wall-clock and processor time, with the time to walk its
// result reading PERLIQ on every row.
//
//   query_engine_bench [PLANILLA.XLS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Calendar.h"
#include "query/QueryEngine.h"
#include "workbook/WorkbookReader.h"

namespace {

using kaldoren::Calendar;
using kaldoren::Recordset;
using kaldoren::Sheet;
using kaldoren::Workbook;

constexpr int kRuns = 15;
constexpr size_t kTeacherRows = 65000;

struct Query {
  const char* name;
  std::string sql;
};

std::vector<Query> ReportQueries() {
  return {
      {"cabecera",
       "SELECT * FROM [DATOSEMP$] WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'' "
       "ORDER BY PERLIQ;"},
      {"datosemp", "SELECT * FROM [DATOSEMP$] WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'';"},
      {"pagos", "SELECT * FROM [PAGOS$] WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'';"},
      {"docentes",
       "SELECT * FROM [DATOSDOC$] WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'' "
       "AND ((NOT ISNULL(APENOM) AND TRIM(APENOM) <> '') OR NRODOC<>0) ORDER BY PERLIQ, ORDEN;"},
      {"resumen salarial",
       "SELECT PERLIQ, COUNT(APENOM) AS CC, SUM(C_APORTE) AS RCA, SUM(PER_ZOL) AS PEZOL, "
       "SUM(PAT_ZOL) AS PAZOL, SUM(PAT_ZOL+PER_ZOL) AS TOTAL FROM [DATOSDOC$] "
       "WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<> '' "
       "AND ((NOT ISNULL(APENOM) AND TRIM(APENOM) <> '') OR NRODOC > 0) GROUP BY PERLIQ;"},
      {"resumen pagos",
       "SELECT PERLIQ, FECVTO, FECPAGO, SUM(PAGO) AS TOTAL FROM [PAGOS$] "
       "WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'' AND PAGO > 0 "
       "GROUP BY PERLIQ, FECVTO, FECPAGO;"},
      {"rem. erroneas",
       "SELECT PERLIQ, ORDEN, FECBAJA FROM [DATOSDOC$] "
       "WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<> '' "
       "AND ((NOT ISNULL(APENOM) AND TRIM(APENOM) <> '') OR NRODOC > 0) "
       "AND (C_APORTE<>0 OR PER_ZOL<>0 OR PAT_ZOL<>0) AND "
       "(YEAR(FECBAJA)>1900 AND INSTR(UCASE(PERLIQ),'SAC')=0 AND MID(PERLIQ,1,7) > "
       "Format(Year(FECBAJA), \"0000\") + \"/\"+ Format(Month(FECBAJA), \"00\")"
       " AND MID(PERLIQ,6,2)<>'01' AND MID(PERLIQ,6,2)<>'02') ORDER BY PERLIQ, ORDEN;"},
      {"diferencias", "SELECT TOP 1 '1234567,89' AS APORTES,'1200000' AS PAGOS FROM [DATOSEMP$]"},
  };
}

std::string Period(int i) {
  if (i == 12) return "2004/12 SAC";
  char text[16];
  std::snprintf(text, sizeof text, "2004/%02d", i + 1);
  return text;
}

void AddHeader(Sheet& sheet, const std::vector<const char*>& columns) {
  for (size_t c = 0; c < columns.size(); ++c) {
    sheet.AddText(0, static_cast<std::uint16_t>(c), columns[c]);
  }
}

// A declaration shaped like a large school's: 13 periods, 5,000 teachers per
// period listed teacher by teacher (so the teacher query has to sort), a few
// leavers declared after leaving, a few rows without a name.
void BuildDeclaration(Workbook* book) {
  Sheet& emp = book->AddSheet("DATOSEMP");
  AddHeader(emp, {"PERLIQ", "KALDOREN", "PROVISORIO", "ESTABLECIMIENTO", "DISTRITO", "NIVEL"});
  for (std::uint32_t r = 1; r <= 13; ++r) {
    emp.AddText(r, 0, Period(static_cast<int>(r - 1)));
    emp.AddNumber(r, 1, 3519);
    emp.AddText(r, 3, "Instituto Politécnico Los Fresnos");
    emp.AddText(r, 4, "Zarate");
    emp.AddText(r, 5, "Secundario");
  }
  emp.Finish();

  Sheet& pagos = book->AddSheet("PAGOS");
  AddHeader(pagos, {"PERLIQ", "KALDOREN", "PROVISORIO", "FECVTO", "FECPAGO", "PAGO"});
  for (std::uint32_t r = 1; r <= 39; ++r) {
    const int period = static_cast<int>((r - 1) / 3);
    pagos.AddText(r, 0, Period(period));
    pagos.AddNumber(r, 1, 3519);
    pagos.AddDate(r, 3, Calendar::DayCount(2004, std::min(period + 1, 12), 10));
    pagos.AddDate(r, 4, Calendar::DayCount(2004, std::min(period + 1, 12), 1 + r % 3));
    pagos.AddNumber(r, 5, 150000.25 + r);
  }
  pagos.Finish();

  Sheet& doc = book->AddSheet("DATOSDOC");
  AddHeader(doc, {"PERLIQ",  "ORDEN",   "KALDOREN", "PROVISORIO", "ORIGINAL", "RECTIFICATIVA",
                  "TIPODOC", "NRODOC",  "CUIL",     "FECNAC",     "SEXO",     "APENOM",
                  "FINGEMP", "FECBAJA", "LICS/S",   "MODREV",     "FUN",      "CATRE",
                  "ANOS",    "MESES",   "C_APORTE", "PER_ZOL",    "PAT_ZOL",  "OBSERVACIONES"});
  // Repeated texts are stored once, as a workbook's shared string table does.
  std::vector<std::uint32_t> periods;
  for (int p = 0; p < 13; ++p) periods.push_back(book->strings().Add(Period(p)));
  const std::uint32_t mark = book->strings().Add("X");
  const std::uint32_t dni = book->strings().Add("DNI");
  const std::uint32_t sexes[] = {book->strings().Add("M"), book->strings().Add("F")};
  const std::uint32_t titular = book->strings().Add("T");
  const std::uint32_t function = book->strings().Add("MG");
  const size_t teachers = kTeacherRows / 13;
  std::uint32_t row = 1;
  for (size_t t = 0; t < teachers; ++t) {
    const std::uint32_t name = book->strings().Add("DOCENTE NUMERO " + std::to_string(t));
    const std::uint32_t cuil = book->strings().Add("27-" + std::to_string(20000000 + t) + "-4");
    const std::uint32_t category = book->strings().Add("C" + std::to_string(t % 9 + 1));
    for (int p = 0; p < 13; ++p, ++row) {
      const double salary = 80000 + static_cast<double>(t % 700) * 100;
      doc.AddPooledText(row, 0, periods[p]);
      doc.AddNumber(row, 1, static_cast<double>(t + 1));
      doc.AddNumber(row, 2, 3519);
      doc.AddPooledText(row, 4, mark);
      doc.AddPooledText(row, 6, dni);
      doc.AddNumber(row, 7, 20000000.0 + static_cast<double>(t));
      doc.AddPooledText(row, 8, cuil);
      doc.AddDate(row, 9, Calendar::DayCount(1970 + static_cast<int>(t % 30), 5, 17));
      doc.AddPooledText(row, 10, sexes[t % 2]);
      if (t % 97 != 5) doc.AddPooledText(row, 11, name);
      doc.AddDate(row, 12, Calendar::DayCount(1999, 3, 1));
      // One teacher in 50 left on 15/06/2004; the rest have the serial 0.
      doc.AddDate(row, 13, t % 50 == 7 ? Calendar::DayCount(2004, 6, 15) : 0);
      doc.AddNumber(row, 14, 0);
      doc.AddPooledText(row, 15, titular);
      doc.AddPooledText(row, 16, function);
      doc.AddPooledText(row, 17, category);
      doc.AddNumber(row, 18, static_cast<double>(t % 25));
      doc.AddNumber(row, 19, static_cast<double>(t % 12));
      doc.AddNumber(row, 20, salary);
      doc.AddNumber(row, 21, salary * 0.14);
      doc.AddNumber(row, 22, salary * 0.16);
    }
  }
  doc.Finish();
}

double Milliseconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  const auto end = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::milli>(end - start).count();
}

// Processor time of this thread, which other programs on a busy machine do
// not inflate as much as the wall clock.
double CpuMilliseconds(const std::function<void()>& work) {
  timespec start{};
  timespec end{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
  work();
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
  return (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6;
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  Workbook book;
  double read_ms = 0;
  if (argc > 1) {
    kaldoren::Status status;
    read_ms = Milliseconds([&] { status = kaldoren::WorkbookReader::Read(argv[1], &book); });
    if (!status.ok()) {
      std::fprintf(stderr, "%s\n", status.description().c_str());
      return 2;
    }
    std::printf("libro %s leído en %.1f ms\n", argv[1], read_ms);
  } else {
    BuildDeclaration(&book);
    std::printf("libro sintético: DATOSDOC con %zu filas\n", kTeacherRows);
  }
  std::printf("%-18s %8s %12s %12s %12s\n", "consulta", "filas", "consulta ms", "cpu ms",
              "recorrido ms");
  double total = 0;
  double total_cpu = 0;
  for (const Query& q : ReportQueries()) {
    std::vector<double> run_times;
    std::vector<double> cpu_times;
    std::vector<double> walk_times;
    long rows = 0;
    for (int i = 0; i < kRuns; ++i) {
      std::unique_ptr<Recordset> r;
      kaldoren::Status status;
      run_times.push_back(
          Milliseconds([&] { status = kaldoren::QueryEngine::Run(book, q.sql, &r); }));
      if (!status.ok()) {
        std::fprintf(stderr, "%s: %s\n", q.name, status.description().c_str());
        return 2;
      }
      rows = r->RecordCount();
      cpu_times.push_back(
          CpuMilliseconds([&] { status = kaldoren::QueryEngine::Run(book, q.sql, &r); }));
      walk_times.push_back(Milliseconds([&] {
        for (r->MoveFirst(); !r->Eof(); r->MoveNext()) r->Field("PERLIQ");
      }));
    }
    const double median = Median(run_times);
    total += median;
    total_cpu += Median(cpu_times);
    std::printf("%-18s %8ld %12.2f %12.2f %12.2f\n", q.name, rows, median, Median(cpu_times),
                Median(walk_times));
  }
  std::printf("%-18s %8s %12.2f %12.2f\n", "total", "", total, total_cpu);
  if (read_ms > 0) std::printf("lectura del libro   %21.2f\n", read_ms);
  return 0;
}
