// Conversion of version-1 book files. Everything is written to a copy in the same folder, which
// replaces the original only when every step succeeded, so a failure leaves the original as it was.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "FileManager.h"
#include "FixedText.h"
#include "ListOps.h"
#include "MoneyFormat.h"

namespace {
struct TRename {
  const char* From;
  const char* To;
  std::int16_t Class;
};
const TRename Renames[] = {
    {"General Income", "General Income", 1}, {"Other Income", "Other Income", 3}, {"Equipment", "Assets Purchased", 5},
    {"Overheads", "Overheads", 2},           {"Stock", "Stock Purchased", 1},     {"Wages", "Wages", 2},
    {"Tax", "Company Tax", 4},               {"Other", "Other Expenses", 3}};
}  // namespace

int TFileManager::ConvertVersion1(cfb::Storage& Stg, const std::string& Name) {
  // 1. The version-1 counts and categories.
  cfb::Stream Info, Cats;
  unsigned char InfoBuf[V1FileInfoSize];
  std::size_t Got = 0;
  bool Ok = Guard("read", [&] {
              cfb::Result R = Stg.openStream(StreamName::V1FileInfo, Info);
              return R == cfb::Result::Ok ? Info.read(InfoBuf, sizeof InfoBuf, &Got) : R;
            }) == cfb::Result::Ok &&
            Got == sizeof InfoBuf;
  std::int32_t V1[5] = {};
  Currency OpenBal = 0;
  if (Ok) {
    std::memcpy(V1, InfoBuf, sizeof V1);
    std::memcpy(&OpenBal, InfoBuf + 20, sizeof OpenBal);
    Ok = Guard("read", [&] {
           cfb::Result R = Stg.openStream(StreamName::Categories, Cats);
           return R == cfb::Result::Ok ? ReadListStream(Cats, V1[4], Lists.Cats).Result : R;
         }) == cfb::Result::Ok;
  }
  Info.release();
  Cats.release();
  if (!Ok) {
    Lists.Cats.Clear();
    Stg.release();
    return cfConvertCancelled;
  }

  // 2. The wizard.
  std::vector<TConvertCategory> Custom;
  for (TCatRec* C : Lists.Cats.MasterList())
    if (!C->IsDefault) Custom.push_back({C->CatID, C->Name, C->Kind, C->ReportClass});
  std::string BookName;
  if (!Prompts.RunConvertWizard(Custom, BookName)) {
    Lists.Cats.Clear();
    Stg.release();
    return cfConvertCancelled;
  }
  for (const TConvertCategory& C : Custom)
    if (TCatRec* Rec = Lists.Cats.FindPtr(C.CatID)) Rec->ReportClass = C.ReportClass;
  // 3. The book's name.
  BookName = TrimText(BookName);
  if (BookName.empty()) BookName = "Cashbook 1";

  // The copy that receives steps 4 to 7.
  std::string Temp = Name + ".~cv";
  cfb::Storage New;
  Ok = Retried(false, "new file", "create", [&] { return cfb::Storage::createFile(Temp, New); }) &&
       Retried(false, "new file", "copy", [&] { return Stg.copyTo(New); });
  Stg.release();
  cfb::Stream S;
  // 4. Counts, under their version-2 name.
  if (Ok) {
    TFileCounts C{V1[0] + 1, V1[1], V1[2], V1[3], V1[4] + 3, 1};
    unsigned char Buf[CountsRecSize];
    EncodeCounts(C, Buf);
    Ok = Retried(false, "file", "write", [&] {
           cfb::Result R = New.openStream(StreamName::V1FileInfo, S);
           if (R == cfb::Result::Ok) R = S.seek(0, cfb::SeekOrigin::Begin);
           return R == cfb::Result::Ok ? S.write(Buf, sizeof Buf) : R;
         }) &&
         (S.release(), Retried(false, "file", "rename", [&] {
            return New.renameElement(StreamName::V1FileInfo, StreamName::FileInfo);
          }));
  }
  // 5. The single book.
  if (Ok) {
    TBookRec Book;
    Book.BookNo = 0;
    Book.Name = BookName;
    Book.OpenBalNo = 0;
    Book.Colour = 0xFF0000;
    unsigned char Buf[BookRecSize];
    EncodeBook(Book, Buf);
    Ok = Retried(false, "new file", "create", [&] { return New.createStream(StreamName::Books, S); }) &&
         Retried(false, "changes", "write", [&] { return S.write(Buf, sizeof Buf); });
    S.release();
  }
  // 6. The opening balance becomes a transaction of the book, dated on the earliest transaction.
  if (Ok) {
    TDateTime Date = Today() + 3000;
    std::uint64_t Pos = 0;
    Ok = Guard("read", [&] { return New.openStream(StreamName::Transactions, S); }) == cfb::Result::Ok;
    if (Ok && V1[0] > 0) {
      TReadOutcome Out = ReadListStream(S, V1[0], Lists.Trans);
      Ok = Out.Result == cfb::Result::Ok && !Out.Short;
      for (const TTransRec* T : Lists.Trans.MasterList())
        if (T->Date < Date) Date = T->Date;
      Pos = Out.EndPos;
      Lists.Trans.Clear();
    } else if (Ok) {
      Date = Today();  // no transactions: the balance opens today
    }
    if (Ok) {
      TTransRec OB;
      OB.TransNo = 0;
      OB.Date = Date;
      OB.Kind = tkOpenBal;
      OB.BookNo = 0;
      OB.Amount = OpenBal;
      OB.Enabled = true;
      OB.SplitLetter = '0';
      unsigned char Buf[TransRecSize];
      EncodeTrans(OB, Buf);
      // Written right after the last live record: slots after it are left-overs that a reader
      // would otherwise take for the new record.
      Ok = Retried(false, "changes", "write", [&] {
        cfb::Result R = S.seek(static_cast<std::int64_t>(Pos), cfb::SeekOrigin::Begin);
        if (R == cfb::Result::Ok) R = S.write(Buf, sizeof Buf);
        return R == cfb::Result::Ok ? S.setSize(Pos + sizeof Buf) : R;
      });
    }
    S.release();
  }
  // 7. Categories renamed, classified and completed.
  if (Ok) {
    for (const TRename& R : Renames)
      for (TCatRec* C : Lists.Cats.MasterList())
        if (C->Name == R.From) {
          C->Name = R.To;
          C->ReportClass = R.Class;
          break;
        }
    bool Notify = Lists.Cats.NotifyEnabled;
    Lists.Cats.NotifyEnabled = false;
    Lists.Cats.AddCategory("Assets Sold", 1, 5, true);
    Lists.Cats.AddCategory("Funds Injection", 1, 6, true);
    Lists.Cats.AddCategory("Funds Repayment", 2, 6, true);
    Lists.Cats.NotifyEnabled = Notify;
    Lists.Cats.SortByID();
    const auto& Recs = Lists.Cats.MasterList();
    std::vector<unsigned char> Buf(Recs.size() * CatRecSize);
    for (std::size_t I = 0; I < Recs.size(); ++I) EncodeCat(*Recs[I], Buf.data() + I * CatRecSize);
    Ok = Retried(false, "file", "write", [&] {
      cfb::Result R = New.openStream(StreamName::Categories, S);
      if (R == cfb::Result::Ok) R = S.seek(0, cfb::SeekOrigin::Begin);
      if (R == cfb::Result::Ok) R = S.write(Buf.data(), Buf.size());
      return R == cfb::Result::Ok ? S.setSize(Buf.size()) : R;
    });
    S.release();
  }
  Lists.Cats.Clear();
  Lists.Trans.Clear();
  if (Ok) Ok = Retried(false, "file", "flush", [&] { return New.flush(); });
  New.release();
  std::error_code Ec;
  if (Ok) {
    std::filesystem::permissions(Temp, std::filesystem::status(Name, Ec).permissions(), Ec);
    Ok = Guard("rename", [&] {
           return std::rename(Temp.c_str(), Name.c_str()) == 0 ? cfb::Result::Ok : cfb::Result::WriteFault;
         }) == cfb::Result::Ok;
  }
  if (!Ok) {
    std::remove(Temp.c_str());
    return cfConvertFailed;
  }
  Prompts.ShowPlain("Conversion Done");
  return cfOk;
}
