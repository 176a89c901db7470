/* freexl_bench: times FreeXL (Debian's libfreexl) reading every cell of a
 * workbook, for comparison with lectura_bench. FreeXL does not read formula
 * results. Usage: freexl_bench PLANILLA.XLS */
#include <freexl.h>
#include <stdio.h>
#include <time.h>

static double now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

int main(int argc, char** argv) {
  const void* handle = NULL;
  unsigned int sheets = 0;
  unsigned long cells = 0;
  double sum = 0;
  double start = now();
  if (argc < 2 || freexl_open(argv[1], &handle) != FREEXL_OK) {
    fprintf(stderr, "freexl no pudo abrir el archivo\n");
    return 2;
  }
  freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheets);
  for (unsigned int s = 0; s < sheets; ++s) {
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(handle, (unsigned short)s) != FREEXL_OK) continue;
    freexl_worksheet_dimensions(handle, &rows, &columns);
    for (unsigned int r = 0; r < rows; ++r) {
      for (unsigned short c = 0; c < columns; ++c) {
        FreeXL_CellValue value;
        if (freexl_get_cell_value(handle, r, c, &value) != FREEXL_OK) continue;
        switch (value.type) {
          case FREEXL_CELL_INT:
            sum += value.value.int_value;
            ++cells;
            break;
          case FREEXL_CELL_DOUBLE:
            sum += value.value.double_value;
            ++cells;
            break;
          case FREEXL_CELL_TEXT:
          case FREEXL_CELL_SST_TEXT:
          case FREEXL_CELL_DATE:
          case FREEXL_CELL_DATETIME:
          case FREEXL_CELL_TIME:
            sum += value.value.text_value[0];
            ++cells;
            break;
          default:
            break;
        }
      }
    }
  }
  freexl_close(handle);
  printf("freexl: %lu celdas, %.3f s (suma %g)\n", cells, now() - start, sum);
  return 0;
}
