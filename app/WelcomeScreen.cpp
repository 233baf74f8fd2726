#include "WelcomeScreen.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

#include "AppSettings.h"
#include "Helpers.h"

namespace {
constexpr int CaptionLeft = 76;
constexpr int RowTop[4] = {92, 142, 192, 242};
const char* const Captions[4] = {"Open an Existing file", "Create a New file", "Open an Example file", "Open Last Used -"};

// A caption drawn twice, one pixel apart: black shadow, white text.
void ShadowText(QPainter& p, int x, int y, const QString& text) {
  p.setPen(Qt::black);
  p.drawText(x + 1, y + 1, text);
  p.setPen(Qt::white);
  p.drawText(x, y, text);
}
}  // namespace

TWelcomeScreen::TWelcomeScreen(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog) {
  setObjectName(QStringLiteral("WelcomeScreen"));
  setFixedSize(500, 320);
  const QStyle::StandardPixmap glyphs[4] = {QStyle::SP_DialogOpenButton, QStyle::SP_FileIcon,
                                            QStyle::SP_FileDialogContentsView, QStyle::SP_BrowserReload};
  QToolButton** buttons[4] = {&SpeedButton1, &SpeedButton2, &SpeedButton3, &OpenLastBtn};
  const char* const names[4] = {"SpeedButton1", "SpeedButton2", "SpeedButton3", "OpenLastBtn"};
  for (int i = 0; i < 4; ++i) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(names[i]));
    b->setIcon(style()->standardIcon(glyphs[i]));
    b->setIconSize(QSize(28, 28));
    b->setGeometry(24, RowTop[i] - 4, 40, 40);
    b->setProperty("tag", 10 + i);
    b->setToolTip(tr(Captions[i]));
    connect(b, &QToolButton::clicked, this, [this, b] { Choose(b->property("tag").toInt()); });
    *buttons[i] = b;
  }
  CheckBox1 = new QCheckBox(tr("Show welcome screen"), this);
  CheckBox1->setChecked(true);
  CheckBox1->setGeometry(24, 288, 200, 22);
  CheckBox1->setStyleSheet(QStringLiteral("QCheckBox { color: white; }"));
  Button1 = new QPushButton(tr("&Close"), this);
  Button1->setGeometry(400, 284, 80, 26);
  connect(Button1, &QPushButton::clicked, this, [this] { Choose(-1); });
}

void TWelcomeScreen::Choose(int result) { done(result); }

void TWelcomeScreen::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  const QStringList recent = ReadRecentFiles();
  const QString last = recent.isEmpty() ? QString() : recent.first();
  if (!last.isEmpty() && QFileInfo(last).isFile()) {
    LastFile = last;
    OpenLastBtn->show();
    lastLabel_ = QStringLiteral("'%1'").arg(QString::fromStdString(BaseFileName(last.toStdString())));
  } else {
    LastFile.clear();
    OpenLastBtn->hide();
    lastLabel_ = tr("<nothing to open>");
  }
  update();
}

void TWelcomeScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 500, 320);
  g.setColorAt(0, QColor(18, 52, 110));
  g.setColorAt(1, QColor(40, 120, 90));
  p.fillRect(rect(), g);
  // A few pale ledger lines behind the captions.
  p.setPen(QColor(255, 255, 255, 28));
  for (int y = 80; y < 280; y += 12) p.drawLine(0, y, 500, y);
  QFont title(QStringLiteral("Arial"), 22, QFont::Bold);
  p.setFont(title);
  ShadowText(p, 24, 48, tr("Quimbel Books 2"));
  QFont sub(QStringLiteral("Arial"), 10);
  p.setFont(sub);
  ShadowText(p, 26, 70, tr("Welcome - what would you like to do?"));
  QFont cap(QStringLiteral("Arial"), 12, QFont::Bold);
  p.setFont(cap);
  for (int i = 0; i < 4; ++i) ShadowText(p, CaptionLeft, RowTop[i] + 20, tr(Captions[i]));
  p.setFont(QFont(QStringLiteral("Arial"), 10));
  ShadowText(p, CaptionLeft, RowTop[3] + 38, lastLabel_);
  p.setPen(QColor(0, 0, 0, 120));
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

