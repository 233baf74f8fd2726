// The program's start until a book is shown, and switching worksheet tabs on a book of
// 1,000,000 transactions (goal: at most 100 ms per change). Run with
//   QT_QPA_PLATFORM=offscreen build/bench/app/app_bench
#include <QApplication>
#include <QTabBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

#include "Grid3.h"
#include "MainWindow.h"
#include "MoneyFormat.h"
#include "ScriptedPrompts.h"
#include "SettingsStore.h"
#include "ExampleBook.h"

namespace {
QTemporaryDir& Dir() {
  static QTemporaryDir dir;
  return dir;
}

// A book held in memory: 2 cash books, 60 main accounts with 4 sub accounts each, 12 groups
// and the given number of income and expense transactions over ten years.
void FillBook(TBookLists& L, int transactions) {
  for (int b = 0; b < 2; ++b) {
    auto book = std::make_unique<TBookRec>();
    book->BookNo = b;
    book->Name = b ? "Cash Tin" : "Cheque Account";
    book->Colour = b ? 0x004080E0 : 0x00C08040;
    book->OpenBalNo = b;
    L.Books.Add(std::move(book));
  }
  L.Books.Renumber();
  L.Cats.AddDefaults();
  for (int g = 0; g < 12; ++g) {
    auto grp = std::make_unique<TGroupRec>();
    grp->GroupNo = g;
    grp->Name = "Group " + std::to_string(g);
    L.Groups.Add(std::move(grp));
  }
  for (int m = 0; m < 60; ++m) {
    auto main = std::make_unique<TMainActRec>();
    main->ActNo = 100 * (m + 1);
    main->Name = "Account " + std::to_string(m);
    main->Kind = m % 3 == 0 ? 1 : 2;
    main->CatID = main->Kind == 1 ? 0 : 6;
    for (int s = 1; s <= 4; ++s) {
      auto sub = std::make_unique<TSubActRec>();
      sub->MainActNo = main->ActNo;
      sub->ActNo = s;
      sub->Name = "Sub " + std::to_string(s);
      sub->Kind = main->Kind;
      L.SubActs.Add(std::move(sub));
    }
    L.MainActs.Add(std::move(main));
  }
  L.Trans.SetCapacity(transactions + 2);
  const TDateTime start = EncodeDate(2016, 1, 1);
  for (int b = 0; b < 2; ++b) {
    auto t = std::make_unique<TTransRec>();
    t->TransNo = b;
    t->Kind = tkOpenBal;
    t->Date = start;
    t->BookNo = std::int16_t(b);
    t->Amount = 1000 * CurrencyScale;
    L.Trans.Add(std::move(t));
  }
  for (int i = 0; i < transactions; ++i) {
    auto t = std::make_unique<TTransRec>();
    const int m = (i * 7) % 60;
    t->TransNo = i + 2;
    t->Kind = m % 3 == 0 ? tkIncome : tkExpense;
    t->Date = start + (i % 3650);
    t->BookNo = std::int16_t(i % 2);
    t->Reference = "R" + std::to_string(i);
    t->MainActNo = 100 * (m + 1);
    t->SubActNo = 1 + i % 4;
    t->GroupNo = std::int16_t(i % 12);
    t->Amount = (1000 + (i * 7919LL) % 250000) * 100;
    t->Enabled = i % 50 != 0;
    L.Trans.Add(std::move(t));
  }
}

struct TBigWindow {
  TScriptedPrompts prompts;
  TMain main{nullptr, &prompts};
  explicit TBigWindow(int transactions) {
    main.RestorePlacement = false;
    main.resize(1280, 800);
    main.show();
    QApplication::processEvents();
    FillBook(main.Lists(), transactions);
    main.ShowLoadedBook(QStringLiteral("Big.qbk"));
    QApplication::processEvents();
  }
};

void BM_TabChange(benchmark::State& state) {
  TBigWindow w(int(state.range(0)));
  int tab = 0;
  for (auto _ : state) {
    tab = (tab + 1) % 5;
    w.main.TabControl()->setCurrentIndex(tab);
    w.main.Grid()->repaint();  // the change is done once the new worksheet is on screen
    QApplication::processEvents();
  }
  state.counters["rows"] = w.main.ViewCount(0);
}
BENCHMARK(BM_TabChange)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(50);

// From creating the main window until the example book (as scripts/run.sh makes it: 3000
// transactions, 3 books) is on screen.
void BM_StartUntilBookShown(benchmark::State& state) {
  const QString book = Dir().filePath(QStringLiteral("Example.qbk"));
  std::string error;
  if (!QFile::exists(book) && !MakeExampleBook(book.toStdString(), {3000, 3, 1}, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  for (auto _ : state) {
    TScriptedPrompts prompts;
    prompts.DefaultAnswer = mbNo;
    TMain main(nullptr, &prompts);
    main.RestorePlacement = false;
    main.resize(1280, 800);
    main.show();
    main.OpenBookFile(book);
    main.repaint();
    QApplication::processEvents();
    benchmark::DoNotOptimize(main.ViewCount(0));
  }
}
BENCHMARK(BM_StartUntilBookShown)->Unit(benchmark::kMillisecond)->Iterations(20);
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  SetSettingsStoreFile((Dir().path() + QStringLiteral("/settings.conf")).toStdString());
  qputenv("QB_USER_DATA_DIR", (Dir().path() + QStringLiteral("/user")).toUtf8());
  qputenv("XDG_DATA_HOME", (Dir().path() + QStringLiteral("/xdg")).toUtf8());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
