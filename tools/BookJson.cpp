#include "BookJson.h"

#include <cmath>
#include <cstdio>

#include "MoneyFormat.h"

std::string JsonString(const std::string& Text) {
  std::string Out = "\"";
  for (unsigned char C : Text) {
    switch (C) {
      case '"': Out += "\\\""; break;
      case '\\': Out += "\\\\"; break;
      case '\n': Out += "\\n"; break;
      case '\r': Out += "\\r"; break;
      case '\t': Out += "\\t"; break;
      default:
        if (C < 0x20) {
          char Buf[8];
          std::snprintf(Buf, sizeof Buf, "\\u%04x", C);
          Out += Buf;
        } else {
          Out += static_cast<char>(C);
        }
    }
  }
  return Out + "\"";
}

std::string IsoDate(TDateTime Date) {
  if (!std::isfinite(Date) || std::fabs(Date) > 3e6) return "invalid";
  int Y, M, D;
  DecodeDate(std::floor(Date), Y, M, D);
  char Buf[16];
  std::snprintf(Buf, sizeof Buf, "%04d-%02d-%02d", Y, M, D);
  return Buf;
}

namespace {
const char* Bool(bool B) { return B ? "true" : "false"; }

// Writes "[ item, item ]" with one item per line.
template <class TRecs, class TItem>
void Array(std::ostream& Out, const char* Key, const TRecs& Recs, TItem Item, bool Last = false) {
  Out << "  \"" << Key << "\": [";
  bool First = true;
  for (const auto* R : Recs) {
    Out << (First ? "\n    " : ",\n    ");
    First = false;
    Item(*R);
  }
  Out << (First ? "]" : "\n  ]") << (Last ? "\n" : ",\n");
}
}  // namespace

void WriteBookJson(std::ostream& Out, const TBookLists& L, const TFileSettings& S, const std::string& Comment) {
  Out << "{\n";
  Out << "  \"counts\": {\"transactions\": " << L.Trans.Count() << ", \"main_accounts\": " << L.MainActs.Count()
      << ", \"sub_accounts\": " << L.SubActs.Count() << ", \"groups\": " << L.Groups.Count()
      << ", \"categories\": " << L.Cats.Count() << ", \"books\": " << L.Books.Count() << "},\n";
  Out << "  \"comment\": " << JsonString(Comment) << ",\n";
  Out << "  \"settings\": {\"password_set\": " << Bool(!S.Password.empty())
      << ", \"file_opening\": " << Bool(S.ProtectOpening) << ", \"deleting\": " << Bool(S.ProtectDeleting)
      << ", \"adding\": " << Bool(S.ProtectAdding) << ", \"editing\": " << Bool(S.ProtectEditing)
      << ", \"reports\": " << Bool(S.ProtectReports) << ", \"printing\": " << Bool(S.ProtectPrinting)
      << ", \"worksheet\": " << Bool(S.ProtectWorksheet) << "},\n";
  Array(Out, "books", L.Books.MasterList(), [&](const TBookRec& B) {
    Out << "{\"no\": " << B.BookNo << ", \"name\": " << JsonString(B.Name) << ", \"colour\": " << B.Colour
        << ", \"open_bal_no\": " << B.OpenBalNo << ", \"income_total\": " << B.IncomeTotal
        << ", \"expense_total\": " << B.ExpenseTotal << "}";
  });
  Array(Out, "categories", L.Cats.MasterList(), [&](const TCatRec& C) {
    Out << "{\"id\": " << C.CatID << ", \"name\": " << JsonString(C.Name) << ", \"kind\": " << int(C.Kind)
        << ", \"report_class\": " << C.ReportClass << ", \"is_default\": " << Bool(C.IsDefault)
        << ", \"total\": " << C.Total << "}";
  });
  Array(Out, "main_accounts", L.MainActs.MasterList(), [&](const TMainActRec& M) {
    Out << "{\"no\": " << M.ActNo << ", \"name\": " << JsonString(M.Name) << ", \"kind\": " << int(M.Kind)
        << ", \"cat_id\": " << M.CatID << ", \"total\": " << M.Total << "}";
  });
  Array(Out, "sub_accounts", L.SubActs.MasterList(), [&](const TSubActRec& A) {
    Out << "{\"main_no\": " << A.MainActNo << ", \"no\": " << A.ActNo << ", \"name\": " << JsonString(A.Name)
        << ", \"kind\": " << int(A.Kind) << ", \"total\": " << A.Total << ", \"address\": " << JsonString(A.Address)
        << ", \"suburb\": " << JsonString(A.Suburb) << ", \"post_code\": " << JsonString(A.PostCode)
        << ", \"state\": " << JsonString(A.State) << ", \"contact\": " << JsonString(A.Contact)
        << ", \"phone\": " << JsonString(A.Phone) << ", \"fax\": " << JsonString(A.Fax)
        << ", \"mobile\": " << JsonString(A.Mobile) << ", \"notes\": " << JsonString(A.Notes) << "}";
  });
  Array(Out, "groups", L.Groups.MasterList(), [&](const TGroupRec& G) {
    Out << "{\"no\": " << G.GroupNo << ", \"name\": " << JsonString(G.Name) << ", \"income_total\": " << G.IncomeTotal
        << ", \"expense_total\": " << G.ExpenseTotal << ", \"note\": " << JsonString(G.Note) << "}";
  });
  Array(
      Out, "transactions", L.Trans.MasterList(),
      [&](const TTransRec& T) {
        Out << "{\"no\": " << T.TransNo << ", \"split\": \"" << (T.SplitLetter >= 0x20 && T.SplitLetter < 0x7F && T.SplitLetter != '"' && T.SplitLetter != '\\' ? std::string(1, T.SplitLetter) : std::string("?"))
            << "\", \"date\": \"" << IsoDate(T.Date) << "\", \"kind\": " << int(T.Kind)
            << ", \"reference\": " << JsonString(T.Reference) << ", \"main_no\": " << T.MainActNo
            << ", \"sub_no\": " << T.SubActNo << ", \"group_no\": " << T.GroupNo << ", \"book_no\": " << T.BookNo
            << ", \"amount\": " << T.Amount << ", \"balance\": " << T.Balance << ", \"enabled\": " << Bool(T.Enabled)
            << ", \"details\": " << JsonString(T.Details) << "}";
      },
      true);
  Out << "}\n";
}
