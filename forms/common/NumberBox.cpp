#include "NumberBox.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>

#include "MoneyFormat.h"

TNumberBox::TNumberBox(QWidget* Parent, TBoxState State) : TEditBtn(Parent) {
  connect(this, &QLineEdit::textChanged, this, &TNumberBox::TextChanged);
  SetBoxState(State);
}

void TNumberBox::SetBoxState(TBoxState State) {
  FState = State;
  // Dropped or composed text would pass by the key filter.
  setAcceptDrops(State == bsText);
  setAttribute(Qt::WA_InputMethodEnabled, State == bsText);
  if (State != bsText) {
    setMaxLength(32767);  // the line edit's own limit would also cut the money format
    FMaxLength = DefaultMaxLength(State);
  } else {
    SetMaxTextLength(FMaxLength);
  }
}

void TNumberBox::SetMaxTextLength(int Length) {
  FMaxLength = Length;
  if (FState == bsText) setMaxLength(Length > 0 ? Length : 32767);
}

TNumberKeyRules TNumberBox::Rules() const {
  TNumberKeyRules R;
  R.State = FState;
  R.AllowNegative = FAllowNegative;
  R.MinusLeads = MinusLeads();
  QString Sep = QString::fromStdString(Regional().DecimalSeparator);
  R.DecimalSep = Sep.isEmpty() ? QChar(u'.') : Sep.at(0);
  R.MaxLength = FMaxLength;
  return R;
}

void TNumberBox::Apply(const TBoxEdit& Edit) {
  if (Edit.Text != text()) setText(Edit.Text);
  if (Edit.SelLength > 0)
    setSelection(Edit.SelStart, Edit.SelLength);
  else
    setCursorPosition(Edit.SelStart);
}

static TBoxEdit EditOf(const QLineEdit& Box) {
  TBoxEdit E;
  E.Text = Box.text();
  if (Box.hasSelectedText()) {
    E.SelStart = Box.selectionStart();
    E.SelLength = Box.selectionLength();
  } else {
    E.SelStart = Box.cursorPosition();
  }
  return E;
}

void TNumberBox::keyPressEvent(QKeyEvent* Event) {
  if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) {
    emit EnterPress(this);
    if (isSignalConnected(QMetaMethod::fromSignal(&TNumberBox::EnterPress)))
      Event->accept();
    else
      Event->ignore();
    return;
  }
  if (FState == bsText) {
    TEditBtn::keyPressEvent(Event);
    return;
  }
  if (Event->matches(QKeySequence::Paste)) {
    PasteFiltered();
    return;
  }
  // Characters and backspace go through the filter; moving, deleting, copying and undo are the
  // line edit's own.
  bool Typed = Event->key() == Qt::Key_Backspace ||
               (!Event->text().isEmpty() && Event->text().at(0).isPrint() &&
                !(Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)));
  if (!Typed) {
    TEditBtn::keyPressEvent(Event);
    return;
  }
  TBoxEdit E = EditOf(*this);
  QChar Key = Event->key() == Qt::Key_Backspace ? QChar(u'\b') : Event->text().at(0);
  if (TypeKey(E, Key, Rules()) == TKeyResult::Changed) Apply(E);
  Event->accept();
}

void TNumberBox::PasteFiltered() {
  if (isReadOnly()) return;
  TBoxEdit E = EditOf(*this);
  if (PasteText(E, QGuiApplication::clipboard()->text(), Rules()) == TKeyResult::Changed) Apply(E);
}

void TNumberBox::contextMenuEvent(QContextMenuEvent* Event) {
  QMenu* Menu = createStandardContextMenu();
  Menu->setAttribute(Qt::WA_DeleteOnClose);
  if (FState != bsText) {
    if (QAction* Paste = Menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
      disconnect(Paste, &QAction::triggered, nullptr, nullptr);
      connect(Paste, &QAction::triggered, this, &TNumberBox::PasteFiltered);
    }
  }
  Menu->popup(Event->globalPos());
}

void TNumberBox::TextChanged() {
  // The number is taken before the change event in every mode, so a handler sees the new one.
  if (FState == bsNumber) FIntValue = IntFromText(text());
  else if (FState == bsCurrency) FValue = AmountFromText(text());
  emit Change(this);
}

Currency TNumberBox::Value() {
  if (FState == bsCurrency) FValue = AmountFromText(text());
  return FValue;
}

void TNumberBox::SetValue(Currency Value) {
  QString Text = FEditing ? EditingForm(Value, MinusLeads()) : QString::fromStdString(FormatMoney(Value));
  bool Same = Text == text();
  setText(Text);
  FValue = Value;
  if (Same) emit Change(this);  // setText fired nothing
}

void TNumberBox::SetIntValue(int Value) {
  QString Text = QString::number(Value);
  bool Same = Text == text();
  setText(Text);
  FIntValue = Value;
  if (Same) emit Change(this);
}

void TNumberBox::focusInEvent(QFocusEvent* Event) {
  if (FState == bsCurrency && !FEditing) {
    Currency V = Value();
    FEditing = true;
    setText(V == 0 && MinusLeads() ? QString() : EditingForm(V, MinusLeads()));
  }
  TEditBtn::focusInEvent(Event);  // selects all
}

void TNumberBox::focusOutEvent(QFocusEvent* Event) {
  // A context menu or another window taking the focus for a while does not leave the box.
  bool Leaving = Event->reason() != Qt::PopupFocusReason && Event->reason() != Qt::ActiveWindowFocusReason;
  if (FState == bsCurrency && FEditing && Leaving) {
    FEditing = false;
    setText(QString::fromStdString(FormatMoney(Value())));
  }
  TEditBtn::focusOutEvent(Event);
}
