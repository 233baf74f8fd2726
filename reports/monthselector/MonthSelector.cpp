#include "MonthSelector.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "Bevel.h"
#include "RegionalSettings.h"
#include "TransList.h"

namespace {

const char* const MonthLabels[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr int ArrowWidth = 30;
constexpr int ButtonRowHeight = 34;

QToolButton* MakeTool(QWidget* Parent, Qt::ArrowType Arrow, const QString& Tip) {
  auto* Btn = new QToolButton(Parent);
  Btn->setArrowType(Arrow);
  Btn->setToolTip(Tip);
  Btn->setFocusPolicy(Qt::NoFocus);
  return Btn;
}

// The reset picture: a circular arrow.
QIcon ResetIcon() {
  QPixmap Pix(16, 16);
  Pix.fill(Qt::transparent);
  QPainter P(&Pix);
  P.setRenderHint(QPainter::Antialiasing);
  P.setPen(QPen(Qt::black, 2));
  P.drawArc(QRect(3, 3, 10, 10), 60 * 16, 280 * 16);
  P.setPen(Qt::NoPen);
  P.setBrush(Qt::black);
  P.drawPolygon(QPolygon({QPoint(9, 0), QPoint(14, 4), QPoint(9, 7)}));
  return QIcon(Pix);
}

}  // namespace

TMonthSelector::TMonthSelector(TYearMonth First, TYearMonth Last, QWidget* Parent)
    : QDialog(Parent), FRange(First, Last) {
  setWindowTitle(QStringLiteral("Month Selector"));
  FYearFont = font();
  FYearFont.setBold(true);
  FYearFont.setPointSizeF(FYearFont.pointSizeF() + 2);
  QFontMetrics Big(FYearFont), Normal(font());
  FGridLeft = Big.horizontalAdvance(QStringLiteral("1997")) + ArrowWidth + 12;
  FCellH = Normal.height() + 5;
  int ThreeX = Normal.horizontalAdvance(QStringLiteral("XXX"));
  FCellW = ThreeX + 10;
  int GridHeight = TMonthRange::Rows * FCellH;
  setFixedSize(6 * ThreeX + FGridLeft + 68, GridHeight + ButtonRowHeight);

  FUp = MakeTool(this, Qt::UpArrow, tr("Previous half year"));
  FDown = MakeTool(this, Qt::DownArrow, tr("Next half year"));
  FReset = MakeTool(this, Qt::NoArrow, tr("Start again"));
  FReset->setIcon(ResetIcon());
  FUp->setGeometry(2, 0, ArrowWidth, FCellH);
  FDown->setGeometry(2, FCellH, ArrowWidth, FCellH);
  FReset->setGeometry(2, GridHeight + (ButtonRowHeight - 26) / 2, ArrowWidth, 26);
  connect(FUp, &QToolButton::clicked, this, [this] { FRange.Up(); Changed(); });
  connect(FDown, &QToolButton::clicked, this, [this] { FRange.Down(); Changed(); });
  connect(FReset, &QToolButton::clicked, this, [this] { FRange.Reset(); Changed(); });

  FOk = new QPushButton(QStringLiteral("OK"), this);
  FCancel = new QPushButton(QStringLiteral("Cancel"), this);
  QSize BtnSize(std::max(FOk->sizeHint().width(), 64), 26);
  int BtnTop = GridHeight + (ButtonRowHeight - BtnSize.height()) / 2;
  FCancel->setGeometry(width() - 8 - BtnSize.width(), BtnTop, BtnSize.width(), BtnSize.height());
  FOk->setGeometry(FCancel->x() - 4 - BtnSize.width(), BtnTop, BtnSize.width(), BtnSize.height());
  FOk->setDefault(true);
  FOk->setProperty("HelpContext", 10);
  FCancel->setProperty("HelpContext", 20);
  connect(FOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(FCancel, &QPushButton::clicked, this, &QDialog::reject);
  Changed();
}

QRect TMonthSelector::CellRect(int Row, int Col) const {
  return QRect(FGridLeft + Col * FCellW, Row * FCellH, FCellW, FCellH);
}

void TMonthSelector::Changed() {
  FOk->setEnabled(FRange.HasStart());
  FUp->setEnabled(FRange.UpEnabled());
  FDown->setEnabled(FRange.DownEnabled());
  update();
}

void TMonthSelector::paintEvent(QPaintEvent*) {
  QPainter P(this);
  const QPalette& Pal = palette();
  QColor Shadow = Pal.color(QPalette::Dark), Light = Pal.color(QPalette::Light);
  QFont CellFont = font();
  CellFont.setBold(true);
  P.setFont(CellFont);
  for (int Row = 0; Row < TMonthRange::Rows; ++Row) {
    for (int Col = 0; Col < TMonthRange::Cols; ++Col) {
      TYearMonth M = FRange.Cell(Row, Col);
      QRect R = CellRect(Row, Col);
      bool Chosen = FRange.Chosen(M), Data = FRange.InData(M);
      QColor Back = Pal.color(QPalette::Button), Text = Shadow;
      if (Chosen) {
        Back = QColor(0, 0, 255);
        Text = Qt::white;
      } else if (Data) {
        Back = M.Year % 2 ? QColor(128, 0, 0) : QColor(0, 128, 0);
        Text = Qt::white;
      }
      P.fillRect(R, Back);
      if (Chosen || Data) DrawBevel(Chosen, 2, P, Light, Shadow, R);
      P.setPen(Text);
      P.drawText(R, Qt::AlignCenter, QString::fromLatin1(MonthLabels[M.Month]));
    }
  }
  // The year beside its months: once when the view is one calendar year, else one for each row.
  P.setFont(FYearFont);
  P.setPen(Pal.color(QPalette::WindowText));
  QRect Area(ArrowWidth + 4, 0, FGridLeft - ArrowWidth - 6, TMonthRange::Rows * FCellH);
  int Y = FRange.ShownYear();
  if (!FRange.HalfShift()) {
    P.drawText(Area, Qt::AlignCenter, QString::number(Y));
  } else {
    P.drawText(QRect(Area.left(), 0, Area.width(), FCellH), Qt::AlignCenter, QString::number(Y));
    P.drawText(QRect(Area.left(), FCellH, Area.width(), FCellH), Qt::AlignCenter, QString::number(Y + 1));
  }
}

void TMonthSelector::mousePressEvent(QMouseEvent* Event) {
  QPoint At = Event->position().toPoint();
  for (int Row = 0; Row < TMonthRange::Rows; ++Row)
    for (int Col = 0; Col < TMonthRange::Cols; ++Col)
      if (CellRect(Row, Col).contains(At)) {
        FRange.Click(FRange.Cell(Row, Col));
        Changed();
        return;
      }
  QDialog::mousePressEvent(Event);
}

bool ShowMonthSelector(const TTransList& Trans, QPoint At, TDateTime& From, TDateTime& To, QWidget* Parent) {
  if (Trans.Count() == 0) return false;
  // The master order is by date; the smallest and largest dates are taken anyway so that a list
  // not yet sorted cannot give a first month after the last.
  TDateTime First = Trans.Items(0).Date, Last = First;
  for (int I = 1; I < Trans.Count(); ++I) {
    First = std::min(First, Trans.Items(I).Date);
    Last = std::max(Last, Trans.Items(I).Date);
  }
  TMonthSelector Dlg(MonthOfDate(First), MonthOfDate(Last), Parent);
  // Kept on the screen when the caller's panel is near its edge.
  if (QScreen* Screen = QGuiApplication::screenAt(At)) {
    QRect Work = Screen->availableGeometry();
    At.setX(std::clamp(At.x(), Work.left(), std::max(Work.left(), Work.right() - Dlg.width())));
    At.setY(std::clamp(At.y(), Work.top(), std::max(Work.top(), Work.bottom() - Dlg.height())));
  }
  Dlg.move(At);
  if (Dlg.exec() != QDialog::Accepted || !Dlg.Range().HasStart()) return false;
  From = Dlg.Range().FromDate();
  To = Dlg.Range().ToDate();
  return true;
}
