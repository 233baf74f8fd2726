// Grabs the date range, selection buttons and book bar to PNG: bars_shots OUTDIR
#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "BookBar.h"
#include "DateRangePanel.h"
#include "MainBars.h"
#include "MainWindow.h"
#include "ScriptedPrompts.h"
#include "SelectionButton.h"
#include "SelectionPanels.h"
#include "TestBook.h"
#include "TestSupport.h"
#include "ToggleSwitch.h"

namespace {
void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}
bool Save(QWidget* w, const QString& dir, const char* name) {
  Settle();
  const QString path = dir + QLatin1Char('/') + QLatin1String(name);
  const bool ok = w->grab().save(path);
  if (!ok) qWarning("could not write %s", qPrintable(path));
  return ok;
}
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    qWarning("usage: bars_shots OUTDIR");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  QTemporaryDir tmp;
  UseOwnSettings(tmp.path());
  const QString book = tmp.filePath(QStringLiteral("Shop Book.qbk"));
  if (!WriteTestBook(book.toStdString())) return 1;
  TScriptedPrompts prompts;
  prompts.DefaultAnswer = mbNo;

  TMain w(nullptr, &prompts);
  w.RestorePlacement = false;
  w.resize(1000, 600);
  w.show();
  if (!w.OpenBookFile(book)) return 1;
  TSelectionPanels* p = w.Bars().Panels();

  bool ok = Save(p, out, "bars_no_selection.png");
  // A date range in force and an account selection shown active.
  p->DateRange->DateRangeBtn->click();
  p->DateRange->LoDateBtn->setDate(QDate(2026, 3, 3));
  p->DateRange->HiDateBtn->setDate(QDate(2026, 3, 9));
  AccountSelActive = true;
  p->ActSelBtn->SetActive(true, p->ActSelPopup);
  w.Bars().UpdateResetButton();
  ok &= Save(p, out, "bars_date_range_active.png");
  ok &= Save(p->ActSelBtn->parentWidget(), out, "bars_selection_button_active.png");
  ok &= Save(&w, out, "bars_main_window.png");

  // Ten books on a narrow window: the arrows appear.
  TBookLists& L = w.Lists();
  const TColor colours[8] = {0x0000C0, 0x008000, 0x808000, 0x800080, 0x4080FF, 0xC0C0C0, 0x404040, 0x00FFFF};
  const char* names[8] = {"Petty Cash", "Savings", "Credit Card", "Holiday Fund", "Market Stall",
                          "Very Long Book Name For The Ellipsis", "Deposit", "Float"};
  for (int i = 0; i < 8; ++i) {
    auto b = std::make_unique<TBookRec>();
    b->BookNo = L.Books.NextBookNo();
    b->Name = names[i];
    b->Colour = std::int32_t(colours[i]);
    b->Shown = i % 3 != 1;
    L.Books.Add(std::move(b));
  }
  w.Bars().FillBookBar();
  w.resize(560, 420);
  Settle();
  ok &= Save(w.Bars().BookBar(), out, "bars_book_bar_ten_books.png");
  ok &= Save(&w, out, "bars_narrow_window_ten_books.png");
  // One arrow click on: the row moves by one book.
  TQBBookBar* bar = w.Bars().BookBar();
  const QPointF at = bar->NextRect().center();
  QMouseEvent press(QEvent::MouseButtonPress, at, bar->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(bar, &press);
  ok &= Save(bar, out, "bars_book_bar_ten_books_scrolled.png");
  return ok ? 0 : 1;
}
