#include "TextExDlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {
// The library places its own dialogs: in the middle of the screen area not taken by panels.
void CentreOnWorkArea(QWidget* Form) {
  QScreen* Screen = Form->screen() ? Form->screen() : QGuiApplication::primaryScreen();
  if (!Screen) return;
  QRect Work = Screen->availableGeometry();
  QSize Frame = Form->frameGeometry().size() - Form->geometry().size();
  int W = Form->width() + Frame.width(), H = Form->height() + Frame.height();
  Form->move(Work.x() + (Work.width() - W) / 2, Work.y() + (Work.height() - H) / 2);
}
}  // namespace

TTextExDlg::TTextExDlg(TExportKind Kind, bool SelectionActive, QWidget* Parent)
    : QDialog(Parent), Options(Kind, SelectionActive) {
  setObjectName("TextExDlg");
  setWindowTitle(QString::fromStdString(Options.Caption()));
  setFixedSize(Options.DialogWidth(), Options.DialogHeight());
  const int Margin = 8, Inner = Options.DialogWidth() - 2 * Margin;

  GroupBox1 = new QGroupBox(QString::fromUtf8(TTextExOptions::GroupCaption), this);
  GroupBox1->setGeometry(Margin, Margin, Inner, Options.GroupBoxHeight());
  for (int I = 0; I < TTextExOptions::SectionCount; ++I) {
    QCheckBox* Box = new QCheckBox(QString::fromUtf8(TTextExOptions::SectionCaptions[I]), GroupBox1);
    Box->setObjectName(QStringLiteral("CheckBox%1").arg(I + 1));
    Box->setGeometry(16, 24 + 21 * I, Inner - 32, 20);
    Box->setChecked(Options.Checked(I));
    connect(Box, &QCheckBox::toggled, this, [this, I](bool On) { CheckBoxClick(I, On); });
    CheckBoxes[I] = Box;
  }

  NoteLabel = new QLabel(QString::fromUtf8(TTextExOptions::NoteText), this);
  NoteLabel->setObjectName("NoteLabel");
  NoteLabel->setWordWrap(true);
  NoteLabel->setGeometry(Margin, Options.NoteTop(), Inner, Options.ButtonTop() - Options.NoteTop() - 6);
  NoteLabel->setVisible(Options.NoteVisible());

  const int BtnW = 80, BtnH = 25, Gap = 8;
  const int Left = (Options.DialogWidth() - 2 * BtnW - Gap) / 2;
  OKBtn = new QPushButton(tr("&OK"), this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setDefault(true);
  OKBtn->setGeometry(Left, Options.ButtonTop(), BtnW, BtnH);
  CancelBtn = new QPushButton(tr("&Cancel"), this);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setGeometry(Left + BtnW + Gap, Options.ButtonTop(), BtnW, BtnH);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  OKBtn->setEnabled(Options.OKEnabled());
}

void TTextExDlg::CheckBoxClick(int Section, bool On) {
  Options.SetChecked(Section, On);
  OKBtn->setEnabled(Options.OKEnabled());
}

void TTextExDlg::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  CentreOnWorkArea(this);
}

bool TTextExDlg::Execute(TExportKind Kind, bool SelectionActive, unsigned& Choice, QWidget* Parent) {
  TTextExDlg Dlg(Kind, SelectionActive, Parent);
  if (Dlg.exec() != QDialog::Accepted) return false;
  Choice = Dlg.Choice();
  return true;
}
