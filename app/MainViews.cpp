// The five worksheet views: which list and column set each tab shows, the text of every row and
// total, row kinds and colours, sorting, the zero switches and the row and pop-up commands.
#include <QApplication>
#include <QMenu>
#include <QTabBar>

#include "BookSession.h"
#include "EntryPoints.h"
#include "Grid3.h"
#include "Helpers.h"
#include "MainBars.h"
#include "MainWindow.h"
#include "MoneyFormat.h"

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
constexpr TColor ViewGrey = 0x999999;  // RGB(153,153,153)

void ProcessPending() { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
}  // namespace

int TMain::CurrentView() const { return tabs_->currentIndex() < 0 ? 0 : tabs_->currentIndex(); }

int TMain::ViewCount(int view) const {
  switch (view) {
    case vTransactions: return lists_.Trans.VisibleCount;
    case vMainAccounts: return lists_.MainActs.VisibleCount;
    case vSubAccounts: return lists_.SubActs.VisibleCount;
    case vGroups: return lists_.Groups.VisibleCount;
    case vCategories: return lists_.Cats.VisibleCount;
  }
  return 0;
}

// The lists are always sorted ascending; descending order exists only in this mapping.
int TMain::ViewRow(int row) const {
  const int view = CurrentView();
  if (gridInfo_[std::size_t(view)].SortDirection == sdDescending) return ViewCount(view) - 1 - row;
  return row;
}

void TMain::RowTexts(int row, QStringList& t, TColor& rowColour, int& rowKind, bool& enabled) const {
  const int view = CurrentView();
  rowKind = 0;
  enabled = true;
  rowColour = ViewGrey;
  if (row < 0 || row >= ViewCount(view)) {
    t[0] = QStringLiteral("-1");
    return;
  }
  const int vi = ViewRow(row);
  auto set = [&t](int link, const std::string& text) {
    if (link < t.size()) t[link] = Q(text);
  };
  switch (view) {
    case vTransactions: {
      const TTransRec* r = lists_.Trans.ViewItems(vi);
      if (!r) {
        t[0] = QStringLiteral("-1");
        return;
      }
      for (int c = 0; c <= 10; ++c) set(c, r->ColumnText(c));
      const TGridInfo& gi = gridInfo_[0];
      if (gi.SortIndex == 1 && gi.SortDirection == sdAscending && (r->EndOfDay || !BalanceEndDay))
        set(11, r->ColumnText(11));
      rowKind = r->Kind == tkOpenBal ? 1 : (r->Kind == tkTransferFrom || r->Kind == tkTransferTo) ? 2 : 0;
      enabled = r->Enabled;
      rowColour = r->Book ? TColor(r->Book->Colour) : ViewGrey;
      return;
    }
    case vMainAccounts:
      for (int c = 0; c <= 4; ++c) set(c, lists_.MainActs.RowText(vi, c));
      return;
    case vSubAccounts:
      for (int c = 0; c <= 5; ++c) set(c, lists_.SubActs.RowText(vi, c));
      return;
    case vGroups:
      for (int c = 0; c <= 6; ++c) set(c, lists_.Groups.RowText(vi, c));
      return;
    case vCategories: {
      const TCatRec* r = lists_.Cats.ViewItems(vi);
      if (!r) {
        t[0] = QStringLiteral("-1");
        return;
      }
      for (int c = 0; c <= 2; ++c) set(c, r->ColumnText(c));
      set(3, r->ShareText(r->Kind == 1 ? lists_.Cats.IncomeTotal : lists_.Cats.ExpenseTotal));
      return;
    }
  }
}

void TMain::RowColour(int row, TColor& colour) const {
  if (CurrentView() != vTransactions) {
    colour = RowShade;
    return;
  }
  colour = ViewGrey;
  if (row < 0 || row >= ViewCount(vTransactions)) return;
  if (const TTransRec* r = lists_.Trans.ViewItems(ViewRow(row)); r && r->Book) colour = TColor(r->Book->Colour);
}

void TMain::SetTotals() {
  const int view = CurrentView();
  TColumns& c = gridInfo_[std::size_t(view)].ColInfo;
  switch (view) {
    case vTransactions: {
      const TTransList& l = lists_.Trans;
      c.SetTotalText(0, std::to_string(l.VisibleCount));
      c.SetTotalText(9, FormatMoney(l.IncomeTotal));
      c.SetTotalText(10, FormatMoney(l.ExpenseTotal));
      c.SetTotalText(11, FormatMoney(l.IncomeTotal - l.ExpenseTotal));
      break;
    }
    case vMainAccounts:
      c.SetTotalText(2, FormatMoney(lists_.MainActs.IncomeTotal));
      c.SetTotalText(3, FormatMoney(lists_.MainActs.ExpenseTotal));
      break;
    case vSubAccounts:
      c.SetTotalText(3, FormatMoney(lists_.SubActs.IncomeTotal));
      c.SetTotalText(4, FormatMoney(lists_.SubActs.ExpenseTotal));
      break;
    case vGroups:
      c.SetTotalText(2, FormatMoney(lists_.Groups.IncomeTotal));
      c.SetTotalText(3, FormatMoney(lists_.Groups.ExpenseTotal));
      c.SetTotalText(4, FormatMoney(lists_.Groups.IncomeTotal - lists_.Groups.ExpenseTotal));
      break;
    case vCategories:
      c.SetTotalText(1, FormatMoney(lists_.Cats.IncomeTotal));
      c.SetTotalText(2, FormatMoney(lists_.Cats.ExpenseTotal));
      break;
  }
}

void TMain::RefreshView() {
  SetTotals();
  grid_->SetRowCount(ViewCount(CurrentView()));
  grid_->RedrawRows();
}

void TMain::SortCurrentView() {
  const int view = CurrentView();
  const int code = gridInfo_[std::size_t(view)].SortIndex;
  switch (view) {
    case vTransactions: lists_.Trans.SortBy(code); break;
    case vMainAccounts: lists_.MainActs.SortBy(code); break;
    case vSubAccounts: lists_.SubActs.SortBy(code); break;
    case vGroups: lists_.Groups.SortBy(code); break;
    case vCategories: lists_.Cats.SortBy(code); break;
  }
  RefreshView();
}

void TMain::SelectView(int view) {
  suppressTabChange_ = true;
  tabs_->setCurrentIndex(view);
  suppressTabChange_ = false;
  grid_->SetGridInfo(&gridInfo_[std::size_t(view)]);
  grid_->BalLinkIndex = view == vTransactions ? 11 : -1;
  RefreshView();
}

void TMain::ResetViews() {
  static constexpr int sortCodes[5] = {1, 0, 1, 0, 1};
  suppressTabChange_ = true;
  tabs_->setCurrentIndex(0);
  suppressTabChange_ = false;
  for (int v = 4; v >= 0; --v) {
    TGridInfo& gi = gridInfo_[std::size_t(v)];
    grid_->SetGridInfo(&gi);
    grid_->SetColumnWidths(2);
    gi.SortIndex = sortCodes[v];
  }
  grid_->BalLinkIndex = 11;
  RefreshView();
}

void TMain::PrepareColumnSets() {
  TGridInfo* current = grid_->GridInfo();
  for (int v = 4; v >= 0; --v) {
    TGridInfo& gi = gridInfo_[std::size_t(v)];
    grid_->SetGridInfo(&gi);
    grid_->BalLinkIndex = v == vTransactions ? 11 : -1;
    if (v == vTransactions) gi.SetExtraRowKinds(2);
    grid_->BuildRowBackgrounds();
  }
  grid_->SetGridInfo(current);
  grid_->BalLinkIndex = current == &gridInfo_[0] ? 11 : -1;
}

void TMain::OpenRow(int row) {
  const int view = CurrentView();
  if (ViewCount(view) <= 0 || row < 0 || row >= ViewCount(view)) return;
  const int vi = ViewRow(row);
  switch (view) {
    case vTransactions: {
      TTransRec* r = lists_.Trans.ViewItems(vi);
      if (!r) return;
      if (r->Kind == tkOpenBal) {
        const int bookIndex = r->Book ? lists_.Books.IndexOf(r->Book) : -1;
        if (ShowBooksForm(this, bookIndex)) {
          if (CurrentView() == vTransactions) lists_.Trans.SortBy(gridInfo_[0].SortIndex);
          if (!DateRangeActive) lists_.Trans.SetDateRange(0);
          RecalcAll(lists_);
          SetCommandStates();
          SortCurrentView();
        }
      } else if (r->IsNormal()) {
        if (ShowTransactForm(this, 1, vi)) RefreshView();
      } else if (ShowTransfers(this, r)) {
        AfterTransferChange();
      }
      return;
    }
    case vMainAccounts: {
      const TMainActRec* m = lists_.MainActs.ViewItems(vi);
      if (m && ShowAccountEditor(this, 1, lists_.MainActs.IndexOf(m), -1)) RefreshView();
      return;
    }
    case vSubAccounts: {
      const TSubActRec* s = lists_.SubActs.ViewItems(vi);
      if (!s) return;
      const int mainIndex = lists_.MainActs.IndexOfNo(s->MainActNo);
      if (ShowAccountEditor(this, 1, mainIndex, lists_.SubActs.IndexOf(s))) RefreshView();
      return;
    }
    case vGroups:
      if (ShowGroupEditor(this, vi)) RefreshView();
      return;
    case vCategories:
      if (ShowCategoryEditor(this, vi)) RefreshView();
      return;
  }
}

// After a transfer changed: order, date limits and selection follow the data again.
void TMain::AfterTransferChange() {
  if (CurrentView() == vTransactions) lists_.Trans.SortBy(gridInfo_[0].SortIndex);
  if (!DateRangeActive) lists_.Trans.SetDateRange(0);
  if (TransSelActive) ReapplyTransactionSelection(this);
  ShowProgress(90);
  RecalcAll(lists_);
  ShowProgress(99);
  RefreshView();
  ShowProgress(100);
}

void TMain::ToggleEnabledRow(int row) {
  if (CurrentView() != vTransactions || row < 0 || row >= lists_.Trans.VisibleCount) return;
  if (!CheckPassword(2)) return;
  ProcessPending();
  const int vi = ViewRow(row);
  TTransRec* r = lists_.Trans.ViewItems(vi);
  if (!r) return;
  lists_.Trans.ToggleEnabled(vi);
  session_->TransactionChanged(lists_.Trans.IndexOf(r));
  if (!IncludeDisabledInCalc) lists_.Trans.ComputeBalances();
  ProcessPending();
  grid_->RedrawRow(row, r->Enabled ? TGrid3::dkNormal : TGrid3::dkDisabled);
  if (TransSelActive) {
    ReapplyTransactionSelection(this);
    lists_.Trans.ApplyFilter();
    ShowProgress(80);
    ShowProgress(100);
  }
  RecalcAccountTotals(lists_);
  lists_.MainActs.Recount();
  lists_.SubActs.Recount();
  RecalcGroupTotals(lists_);
  lists_.Groups.Recount();
  RecalcCategoryTotals(lists_);
  lists_.Cats.Recount();
  RefreshView();
}

void TMain::FlipZeroSwitch() {
  switch (CurrentView()) {
    case vMainAccounts:
      lists_.MainActs.ShowZero = !lists_.MainActs.ShowZero;
      lists_.MainActs.Recount();
      break;
    case vSubAccounts:
      lists_.SubActs.ShowZero = !lists_.SubActs.ShowZero;
      lists_.SubActs.Recount();
      break;
    case vGroups:
      lists_.Groups.ShowZero = !lists_.Groups.ShowZero;
      lists_.Groups.Recount();
      break;
    case vCategories:
      lists_.Cats.ShowZero = !lists_.Cats.ShowZero;
      lists_.Cats.Recount();
      break;
    default: return;
  }
  grid_->ScrollToTop();
  RefreshView();
}

QMenu* TMain::PreparePopup(int row) {
  popupRow_ = row;
  const int view = CurrentView();
  const bool hasRow = row >= 0 && row < ViewCount(view);
  const auto acts = [](QMenu* m) { return m->actions(); };
  switch (view) {
    case vTransactions: {
      QList<QAction*> a = acts(TransPopup);
      QAction* edit = a[0];
      QAction* toggle = a[1];
      const TTransRec* r = hasRow ? lists_.Trans.ViewItems(ViewRow(row)) : nullptr;
      edit->setEnabled(r != nullptr);
      toggle->setEnabled(r != nullptr);
      toggle->setVisible(true);
      edit->setText(tr("&Edit Transaction"));
      if (r) {
        if (r->Kind == tkOpenBal) {
          edit->setText(tr("&Edit Book"));
          toggle->setVisible(false);
        } else if (!r->IsNormal()) {
          edit->setText(tr("&Edit Transfer"));
          toggle->setVisible(false);
        }
        toggle->setText(r->Enabled ? tr("&Disable Transaction") : tr("&Reconcile Transaction"));
      }
      a.last()->setEnabled(AnySelectionActive());
      return TransPopup;
    }
    case vMainAccounts:
    case vSubAccounts: {
      QList<QAction*> a = acts(AccountsPopup);
      a[0]->setText(hasRow ? tr("&New/Edit Account") : tr("&New/Edit Accounts"));
      const bool main = view == vMainAccounts;
      const bool zero = main ? lists_.MainActs.ShowZero : lists_.SubActs.ShowZero;
      a[2]->setText(main ? (zero ? tr("&Hide Main Accounts that total $0.00") : tr("&Show Main Accounts that total $0.00"))
                         : (zero ? tr("&Hide Sub Accounts that total $0.00") : tr("&Show Sub Accounts that total $0.00")));
      a.last()->setEnabled(AnySelectionActive());
      return AccountsPopup;
    }
    case vGroups:
    case vCategories: {
      QList<QAction*> a = acts(GroupCatPopup);
      const bool groups = view == vGroups;
      if (groups) {
        a[0]->setText(hasRow ? tr("&New/Edit Group") : tr("&New/Edit Groups"));
        a[1]->setText(lists_.Groups.ShowZero ? tr("&Hide Groups that total $0.00") : tr("&Show Groups that total &0.00"));
      } else {
        a[0]->setText(hasRow ? tr("&New/Edit Category") : tr("&New/Edit Categories"));
        a[1]->setText(lists_.Cats.ShowZero ? tr("&Hide Categories that total $0.00")
                                           : tr("&Show Categories that total &0.00"));
      }
      a.last()->setEnabled(AnySelectionActive());
      return GroupCatPopup;
    }
  }
  return nullptr;
}

void TMain::ShowViewPopup(int row, QPoint screenPoint) {
  if (QMenu* m = PreparePopup(row)) m->popup(screenPoint);
}

void TMain::BuildPopups() {
  TransPopup = new QMenu(this);
  TransPopup->setObjectName(QStringLiteral("TransPopup"));
  TransPopup->addAction(tr("&Edit Transaction"), this, [this] {
    if (lists_.Trans.VisibleCount > 0) OpenRow(popupRow_);
  });
  TransPopup->addAction(tr("&Disable Transaction"), this, [this] { ToggleEnabledRow(popupRow_); });
  TransPopup->addAction(tr("&New Transaction"), this, [this] { NewTransaction(); });
  TransPopup->addAction(tr("&Find Transactions"), this, [this] { Bars().TransactionSelection(true); });
  TransPopup->addAction(tr("&Clear All Selections"), this, [this] { ClearAllSelections(this); });

  AccountsPopup = new QMenu(this);
  AccountsPopup->setObjectName(QStringLiteral("AccountsPopup"));
  AccountsPopup->addAction(tr("&New/Edit Accounts"), this, [this] {
    const bool hasRow = popupRow_ >= 0 && popupRow_ < ViewCount(CurrentView());
    bool changed = false;
    if (!hasRow) {
      changed = ShowAccountEditor(this, 2, 0, -1);
    } else if (CurrentView() == vMainAccounts) {
      const TMainActRec* m = lists_.MainActs.ViewItems(ViewRow(popupRow_));
      changed = m && ShowAccountEditor(this, 1, lists_.MainActs.IndexOf(m), -1);
    } else {
      const TSubActRec* s = lists_.SubActs.ViewItems(ViewRow(popupRow_));
      changed = s && ShowAccountEditor(this, 1, lists_.MainActs.IndexOfNo(s->MainActNo), lists_.SubActs.IndexOf(s));
    }
    if (changed) RefreshView();
  });
  AccountsPopup->addAction(tr("&Find an Account"), this, [this] { FindAccount(this, CurrentView() == vMainAccounts ? 0 : 1); });
  AccountsPopup->addAction(tr("&Show Main Accounts that total $0.00"), this, [this] { FlipZeroSwitch(); });
  AccountsPopup->addAction(tr("&Clear All Selections"), this, [this] { ClearAllSelections(this); });

  GroupCatPopup = new QMenu(this);
  GroupCatPopup->setObjectName(QStringLiteral("GroupCatPopup"));
  GroupCatPopup->addAction(tr("&New/Edit Groups"), this, [this] {
    const int vi = popupRow_ >= 0 && popupRow_ < ViewCount(CurrentView()) ? ViewRow(popupRow_) : -1;
    const bool changed = CurrentView() == vGroups ? ShowGroupEditor(this, vi) : ShowCategoryEditor(this, vi);
    if (changed) RefreshView();
  });
  GroupCatPopup->addAction(tr("&Show Groups that total &0.00"), this, [this] { FlipZeroSwitch(); });
  GroupCatPopup->addAction(tr("&Clear All Selections"), this, [this] { ClearAllSelections(this); });
}
