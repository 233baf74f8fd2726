#include "NumberBoxLogic.h"

#include <limits>

#include "DBExceptions.h"
#include "MoneyFormat.h"

int DefaultMaxLength(TBoxState State) {
  switch (State) {
    case bsCurrency: return 12;
    case bsNumber: return 9;
    default: return 0;
  }
}

namespace {

QChar RegionalDecimalSep() {
  QString Sep = QString::fromStdString(Regional().DecimalSeparator);
  return Sep.isEmpty() ? QChar(u'.') : Sep.at(0);
}

bool Backspace(TBoxEdit& E) {
  if (E.SelLength > 0) {
    E.Text.remove(E.SelStart, E.SelLength);
  } else if (E.SelStart > 0) {
    E.Text.remove(--E.SelStart, 1);
  } else {
    return false;
  }
  E.SelLength = 0;
  return true;
}

bool Insert(TBoxEdit& E, QChar Ch, int MaxLength) {
  if (MaxLength > 0 && E.Text.size() - E.SelLength + 1 > MaxLength) return false;
  E.Text.replace(E.SelStart, E.SelLength, Ch);
  ++E.SelStart;
  E.SelLength = 0;
  return true;
}

// A decimal point outside the selection (typing replaces the selection, so it does not count).
bool HoldsDecimal(const TBoxEdit& E, QChar Sep) {
  for (int I = 0; I < E.Text.size(); ++I) {
    if (I >= E.SelStart && I < E.SelStart + E.SelLength) continue;
    if (E.Text[I] == u'.' || E.Text[I] == Sep) return true;
  }
  return false;
}

// |Value| (scaled by 10000) rounded half away from zero to Decimals places, trailing zeros cut.
QString PlainDecimal(Currency Value, int Decimals, QChar Sep, bool& RoundsToZero) {
  unsigned long long Abs = Value < 0 ? 0ULL - static_cast<unsigned long long>(Value)
                                     : static_cast<unsigned long long>(Value);
  unsigned long long Unit = 1;
  for (int I = Decimals; I < 4; ++I) Unit *= 10;
  Abs = (Abs + Unit / 2) / Unit * Unit;
  RoundsToZero = Abs == 0;
  QString Text = QString::number(Abs / CurrencyScale);
  QString Frac = QStringLiteral("%1").arg(Abs % CurrencyScale, 4, 10, QChar(u'0')).left(Decimals);
  while (!Frac.isEmpty() && Frac.endsWith(u'0')) Frac.chop(1);
  if (!Frac.isEmpty()) Text += Sep + Frac;
  return Text;
}

}  // namespace

TKeyResult TypeKey(TBoxEdit& E, QChar Key, const TNumberKeyRules& R) {
  if (Key == u'\r' || Key == u'\n') return TKeyResult::Enter;
  if (R.State == bsText) {
    bool Done = Key == u'\b' ? Backspace(E) : Insert(E, Key, R.MaxLength);
    return Done ? TKeyResult::Changed : TKeyResult::Ignored;
  }

  bool Moved = false;
  if (R.AllowNegative) {
    if (Key != u'-') {
      // Digits go in before a trailing minus. Only where the minus trails: with a leading minus
      // the text "-" would otherwise become "5-", and the next "-" would make it "-5-".
      if (!R.MinusLeads && E.SelLength == 0 && E.SelStart == E.Text.size() && E.Text.endsWith(u'-')) {
        --E.SelStart;
        Moved = true;
      }
    } else {
      if (R.MinusLeads) {
        if (E.Text.startsWith(u'-')) E.Text.remove(0, 1); else E.Text.prepend(u'-');
      } else {
        if (E.Text.endsWith(u'-')) E.Text.chop(1); else E.Text.append(u'-');
      }
      E.SelStart = E.Text.size();
      E.SelLength = 0;
      return TKeyResult::Changed;
    }
  }

  bool Done = false;
  if (Key == u'\b') {
    Done = Backspace(E);
  } else if (Key >= u'0' && Key <= u'9') {
    Done = Insert(E, Key, R.MaxLength);
  } else if (R.State == bsCurrency && (Key == u'.' || Key == R.DecimalSep) &&
             !HoldsDecimal(E, R.DecimalSep)) {
    Done = Insert(E, R.DecimalSep, R.MaxLength);
  }
  return Done || Moved ? TKeyResult::Changed : TKeyResult::Ignored;
}

TKeyResult PasteText(TBoxEdit& E, const QString& Pasted, const TNumberKeyRules& R) {
  QString Text = Pasted;
  if (R.State == bsCurrency && R.DecimalSep != u'.' && Text.contains(R.DecimalSep)) Text.remove(u'.');
  TKeyResult Result = TKeyResult::Ignored;
  for (QChar Ch : Text) {
    if (Ch == u'\r' || Ch == u'\n' || Ch == u'\b') continue;
    if (TypeKey(E, Ch, R) == TKeyResult::Changed) Result = TKeyResult::Changed;
  }
  return Result;
}

QString EditingForm(Currency Value, bool MinusLeads) {
  bool Zero = false;
  QChar Sep = RegionalDecimalSep();
  if (MinusLeads) {
    QString Text = PlainDecimal(Value, 4, Sep, Zero);
    return Value < 0 ? u'-' + Text : Text;
  }
  QString Text = PlainDecimal(Value, 2, Sep, Zero);
  return Value < 0 && !Zero ? Text + u'-' : Text;
}

Currency AmountFromText(const QString& Text) {
  if (Text.trimmed().isEmpty()) return 0;
  try {
    return CurrencyFromDouble(ParseMoneyText(Text.toStdString()));
  } catch (const EConvertError&) {
    return 0;
  }
}

int IntFromText(const QString& Text) {
  QString T = Text.trimmed();
  bool Negative = T.startsWith(u'-') || T.endsWith(u'-');
  T.remove(u'-');
  bool Ok = false;
  long long N = T.toLongLong(&Ok, 10);
  if (!Ok) return 0;
  if (Negative) N = -N;
  if (N > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (N < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(N);
}
