#include "SelectionPanels.h"

#include <QFrame>
#include <QMenu>
#include <QPushButton>

#include "DateRangePanel.h"
#include "SelectionButton.h"

namespace {
QMenu* MakePopup(QWidget* parent, const char* name, const QString& newText, const QString& editText,
                 const QString& clearText, QAction*& n, QAction*& e, QAction*& c) {
  auto* m = new QMenu(parent);
  m->setObjectName(QString::fromLatin1(name));
  n = m->addAction(newText);
  e = m->addAction(editText);
  m->addSeparator();
  c = m->addAction(clearText);
  return m;
}
}  // namespace

TSelectionPanels::TSelectionPanels(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SelectionPanelsRow"));
  DateRange = new TDateRangePanel(this);

  findPanel_ = Panel("FindSelPanel");
  FindSelBtn = new TSelectionButton(tr("Transaction &Selection"), tr("Create a Transaction Selection"), findPanel_);
  FindSelBtn->setObjectName(QStringLiteral("FindSelBtn"));
  FindSelBtn->setProperty("helpContext", 26120);
  actPanel_ = Panel("ActSelPanel");
  ActSelBtn = new TSelectionButton(tr("A&ccount  Selection"), tr("Create an Account Selection"), actPanel_);
  ActSelBtn->setObjectName(QStringLiteral("ActSelBtn"));
  ActSelBtn->setProperty("helpContext", 26130);
  grpPanel_ = Panel("GrpSelPanel");
  GrpSelBtn = new TSelectionButton(tr("Gro&up   Selection"), tr("Create a Group Selection"), grpPanel_);
  GrpSelBtn->setObjectName(QStringLiteral("GrpSelBtn"));
  GrpSelBtn->setProperty("helpContext", 26140);
  resetPanel_ = Panel("ResetPanel");
  ResetSelBtn = new QPushButton(tr("R&eset"), resetPanel_);
  ResetSelBtn->setObjectName(QStringLiteral("ResetSelBtn"));
  ResetSelBtn->setToolTip(tr("Reset all Selections"));
  ResetSelBtn->setProperty("helpContext", 26150);
  ResetSelBtn->setEnabled(false);

  FindPopup = MakePopup(this, "FindPopup", tr("New Search"), tr("Edit Search"), tr("Clear Search"), NewSearchItem,
                        EditSearchItem, ClearSearchItem);
  ActSelPopup = MakePopup(this, "ActSelPopup", tr("New Selection"), tr("Edit Selection"), tr("Clear Selection"),
                          NewActSelItem, EditActSelItem, ClearActSelItem);
  GrpSelPopup = MakePopup(this, "GrpSelPopup", tr("New Selection"), tr("Edit Selection"), tr("Clear Selection"),
                          NewGrpSelItem, EditGrpSelItem, ClearGrpSelItem);
  EditSearchItem->setEnabled(false);
  ClearSearchItem->setEnabled(false);
}

QFrame* TSelectionPanels::Panel(const char* name) {
  auto* f = new QFrame(this);
  f->setObjectName(QString::fromLatin1(name));
  f->setFrameShape(QFrame::StyledPanel);
  f->setFrameShadow(QFrame::Raised);
  return f;
}

void TSelectionPanels::resizeEvent(QResizeEvent*) {
  // The date panel keeps its width; the selection buttons share what is left, the reset button
  // stays narrow.
  const int h = height();
  const int dateW = DateRange->minimumWidth();
  DateRange->setGeometry(0, 0, dateW, h);
  const int resetW = 64;
  const int rest = qMax(0, width() - dateW - resetW - 8);
  const int selW = qBound(40, rest / 3, 170);
  int x = dateW + 2;
  for (QFrame* f : {findPanel_, actPanel_, grpPanel_}) {
    f->setGeometry(x, 0, selW, h);
    x += selW + 2;
  }
  resetPanel_->setGeometry(x, 0, resetW, h);
  for (QFrame* f : {findPanel_, actPanel_, grpPanel_, resetPanel_}) {
    QWidget* b = f->findChild<QPushButton*>();
    if (b) b->setGeometry(f->rect().adjusted(3, 3, -3, -3));
  }
}
