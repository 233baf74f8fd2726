// Writes the sample book used by the independent decoder and prints what our reader reads back,
// one line per record, in the format decode_book.py prints.
#include <cstdio>

#include "TestBook.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::string Book = argv[1];
  TTestManager T;
  T.CreateSample(Book);
  if (!T.FM.Open(Book, true)) return 1;
  // A deleted slot and a text cut to its field, still in the file when we read it back below.
  T.Lists.Trans.Delete(2);
  T.Lists.MainActs.Items(0).Name = std::string(45, 'N');
  T.Lists.MainActs.NotifyChanged(0);
  T.FM.WriteComment("Caf\xC3\xA9 book");
  T.FM.Close(true, false);
  if (!T.FM.Open(Book, true)) return 1;
  for (const TTransRec* R : T.Lists.Trans.MasterList())
    std::printf("T %d %.1f %s|%d %d %d %d %d %lld %s|%d %c\n", R->TransNo, R->Date, R->Reference.c_str(), R->MainActNo,
                R->SubActNo, R->GroupNo, R->BookNo, R->Kind, static_cast<long long>(R->Amount), R->Details.c_str(),
                R->Enabled ? 1 : 0, R->SplitLetter);
  for (const TMainActRec* R : T.Lists.MainActs.MasterList())
    std::printf("M %d %s|%d %d\n", R->ActNo, R->Name.c_str(), R->Kind, R->CatID);
  for (const TSubActRec* R : T.Lists.SubActs.MasterList())
    std::printf("S %d %d %s|%s|%s|%s|%s|%s\n", R->MainActNo, R->ActNo, R->Name.c_str(), R->Address.c_str(),
                R->Suburb.c_str(), R->PostCode.c_str(), R->State.c_str(), R->Notes.c_str());
  for (const TGroupRec* R : T.Lists.Groups.MasterList()) std::printf("G %d %s|%s\n", R->GroupNo, R->Name.c_str(), R->Note.c_str());
  for (const TCatRec* R : T.Lists.Cats.MasterList())
    std::printf("C %d %d %s|%d %d\n", R->CatID, R->ReportClass, R->Name.c_str(), R->Kind, R->IsDefault ? 1 : 0);
  for (const TBookRec* R : T.Lists.Books.MasterList())
    std::printf("B %d %s|%d %d\n", R->BookNo, R->Name.c_str(), R->OpenBalNo, R->Colour);
  std::printf("comment %s\n", T.FM.ReadComment().c_str());
  T.FM.Close(true, false);
  return 0;
}
