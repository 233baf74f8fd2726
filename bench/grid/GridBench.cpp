// Painting cost of the worksheet grid on a full HD viewport, fed by a source of N rows.
// Run with QT_QPA_PLATFORM=offscreen, e.g.
//   QT_QPA_PLATFORM=offscreen build/bench/grid/grid_bench --benchmark_report_aggregates_only=true
#include "DefaultColumnSets.h"
#include "Grid3.h"
#include "GridTestSource.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

struct Screen {
  TGridInfo info;
  GridTestSource src;
  TGrid3 grid;
  QImage target{1920, 1080, QImage::Format_RGB32};

  explicit Screen(int rows) {
    LoadDefaultGridInfo(0, info);
    info.SetExtraRowKinds(2);
    src.rows = rows;
    src.transfers = {3, 17, 40};
    src.disabled = {5, 22};
    src.Attach(grid);
    grid.setFont(QFont(QStringLiteral("Arial"), 8));
    grid.SetMaxCols(13);
    grid.SetBtnWidth(26);
    grid.BalLinkIndex = 11;
    grid.resize(1920, 1080);
    grid.SetGridInfo(&info);
    grid.SetColumnWidths(1);  // widest columns: the rows fill the whole width
    info.ColInfo.SetTotalText(9, "123,456,789.00");
    grid.SetRowCount(rows);
    grid.ScrollBy(rows / 2 < rows - grid.VisibleRows() ? rows / 2 : 0);
    grid.Activate();
    grid.render(&target);  // builds the row backgrounds once
  }
};

void BM_PaintFullViewport(benchmark::State& state) {
  Screen s(int(state.range(0)));
  for (auto _ : state) {
    s.grid.RedrawRows();  // every visible row composed again from the source
    s.grid.render(&s.target);
  }
  state.counters["rows_on_screen"] = s.grid.VisibleRows();
}

// The grid on screen (the offscreen platform's window): one row down or up, then the window
// system paints what changed and flushes it, as after a wheel step.
void BM_ScrollOneRow(benchmark::State& state) {
  Screen s(int(state.range(0)));
  s.grid.show();
  QCoreApplication::processEvents();
  int dir = 1;
  for (auto _ : state) {
    if (!s.grid.ScrollBy(dir)) {
      dir = -dir;
      s.grid.ScrollBy(dir);
    }
    QCoreApplication::processEvents();
  }
}

}  // namespace

BENCHMARK(BM_PaintFullViewport)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_ScrollOneRow)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
