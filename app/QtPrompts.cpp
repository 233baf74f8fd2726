#include "QtPrompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "ConvertWizard.h"
#include "HelpPages.h"
#include "QtPasswordAsker.h"

namespace {
QMessageBox::Icon IconOf(TMsgKind kind) {
  switch (kind) {
    case TMsgKind::Warning: return QMessageBox::Warning;
    case TMsgKind::Error: return QMessageBox::Critical;
    case TMsgKind::Information: return QMessageBox::Information;
    case TMsgKind::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QString TitleOf(TMsgKind kind) {
  switch (kind) {
    case TMsgKind::Warning: return QObject::tr("Warning");
    case TMsgKind::Error: return QObject::tr("Error");
    case TMsgKind::Information: return QObject::tr("Information");
    case TMsgKind::Confirmation: return QObject::tr("Confirm");
  }
  return QString();
}

struct TButtonMap {
  TMsgButton ours;
  QMessageBox::StandardButton qt;
};
constexpr TButtonMap Buttons[] = {{mbOK, QMessageBox::Ok},         {mbCancel, QMessageBox::Cancel},
                                  {mbYes, QMessageBox::Yes},       {mbNo, QMessageBox::No},
                                  {mbRetry, QMessageBox::Retry},   {mbAbort, QMessageBox::Abort},
                                  {mbIgnore, QMessageBox::Ignore}, {mbHelp, QMessageBox::Help}};
}  // namespace

QString MessageText(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

void TQtPrompts::ShowMessage(TMsgKind Kind, const std::string& Text) { Ask(Kind, Text, mbOK); }

TMsgButton TQtPrompts::Ask(TMsgKind Kind, const std::string& Text, TMsgButtons Offered) {
  QMessageBox box(IconOf(Kind), TitleOf(Kind), MessageText(Text), QMessageBox::NoButton, parent_);
  TMsgButton lastEnding = mbNone;
  for (const TButtonMap& b : Buttons)
    if (Offered & b.ours) {
      box.addButton(b.qt);
      if (b.ours != mbHelp) lastEnding = b.ours;
    }
  if (Offered == mbNone) box.addButton(QMessageBox::Ok);
  if (Offered & mbCancel) box.setEscapeButton(QMessageBox::Cancel);
  // Help shows the help pages and leaves the message open.
  if (QAbstractButton* help = box.button(QMessageBox::Help)) {
    help->disconnect();
    QObject::connect(help, &QAbstractButton::clicked, &box, [] { OpenHelp(0); });
  }
  box.exec();
  const auto clicked = box.standardButton(box.clickedButton());
  for (const TButtonMap& b : Buttons)
    if (b.qt == clicked && (Offered & b.ours)) return b.ours;
  return (Offered & mbCancel) ? mbCancel : (lastEnding == mbNone ? mbOK : lastEnding);
}

void TQtPrompts::ShowPlain(const std::string& Text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quimbel Books"), MessageText(Text), QMessageBox::Ok, parent_);
  box.exec();
}

bool TQtPrompts::AskPassword(const std::string& StoredPassword) {
  return TQtPasswordAsker(parent_).AskPassword(StoredPassword);
}

bool TQtPrompts::RunConvertWizard(std::vector<TConvertCategory>& Custom, std::string& BookName) {
  TFileConvertForm wizard(Custom, parent_);
  const bool finished = wizard.exec() == QDialog::Accepted;
  BookName = wizard.BookName().trimmed().toStdString();
  return finished;
}

// Qt stacks override cursors; one level is enough however the calls nest.
void TQtPrompts::SetBusy(bool Busy) {
  if (Busy == busy_) return;
  busy_ = Busy;
  if (Busy) QApplication::setOverrideCursor(Qt::WaitCursor);
  else QApplication::restoreOverrideCursor();
}
