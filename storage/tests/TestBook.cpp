#include "TestBook.h"

#include <stdlib.h>

#include <stdexcept>

#include "CfbStorage.h"

std::string MakeTempDir() {
  char Tmpl[] = "/tmp/qbstorage-XXXXXX";
  if (!mkdtemp(Tmpl)) throw std::runtime_error("mkdtemp");
  return Tmpl;
}

bool ReadRawStream(const std::string& File, const std::string& Stream, std::string& Out) {
  cfb::Storage Root;
  cfb::Stream S;
  Out.clear();
  if (cfb::Storage::openFile(File, cfb::OpenMode::ReadOnly, Root) != cfb::Result::Ok) return false;
  if (Root.openStream(Stream, S) != cfb::Result::Ok) return false;
  Out.resize(S.size());
  std::size_t Got = 0;
  return S.read(Out.data(), Out.size(), &Got) == cfb::Result::Ok && Got == Out.size();
}

void WriteRawFile(const std::string& File, const std::map<std::string, std::string>& Streams) {
  cfb::Storage Root;
  if (cfb::Storage::createFile(File, Root) != cfb::Result::Ok) throw std::runtime_error("create " + File);
  for (const auto& [Name, Bytes] : Streams) {
    cfb::Stream S;
    if (Root.createStream(Name, S) != cfb::Result::Ok || S.write(Bytes.data(), Bytes.size()) != cfb::Result::Ok)
      throw std::runtime_error("stream " + Name);
  }
}

namespace {
TTransRec* AddTrans(TBookLists& L, std::int32_t No, TDateTime Date, int Kind, std::int32_t Main, std::int32_t Sub,
                    std::int16_t Group, std::int16_t Book, Currency Amount, const std::string& Details,
                    char Split = '0', bool Enabled = true) {
  auto R = std::make_unique<TTransRec>();
  R->TransNo = No;
  R->Date = Date;
  R->Kind = static_cast<std::uint8_t>(Kind);
  R->MainActNo = Main;
  R->SubActNo = Sub;
  R->GroupNo = Group;
  R->BookNo = Book;
  R->Amount = Amount;
  R->Details = Details;
  R->Reference = "Ref " + std::to_string(No);
  R->SplitLetter = Split;
  R->Enabled = Enabled;
  TTransRec* P = R.get();
  L.Trans.Add(std::move(R));
  return P;
}
}  // namespace

void FillSampleBook(TBookLists& L) {
  L.Groups.NewGroup("General");
  L.Groups.NewGroup("Caf\xC3\xA9 \xE2\x82\xAC");  // "Café €"
  L.Cats.AddDefaults();
  L.Cats.AddCategory("Consulting", 1, 1, false);
  auto Main = [&](std::int32_t No, const char* Name, int Kind, std::int32_t Cat) {
    auto M = std::make_unique<TMainActRec>();
    M->ActNo = No;
    M->Name = Name;
    M->Kind = static_cast<std::uint8_t>(Kind);
    M->CatID = Cat;
    L.MainActs.Add(std::move(M));
  };
  Main(100, "Sales", 1, 0);
  Main(200, "Rent", 2, 6);
  auto Sub = [&](std::int32_t MainNo, std::int32_t No, const char* Name, int Kind) {
    auto S = std::make_unique<TSubActRec>();
    S->MainActNo = MainNo;
    S->ActNo = No;
    S->Name = Name;
    S->Kind = static_cast<std::uint8_t>(Kind);
    S->Address = "1 High St";
    S->Suburb = "Springfield";
    S->PostCode = "3000";
    S->State = "VIC";
    S->Phone = "03 9999 0000";
    S->Notes = "Na\xC3\xAFve notes";
    L.SubActs.Add(std::move(S));
  };
  Sub(100, 1, "Shop", 1);
  Sub(200, 1, "Landlord", 2);
  TTransRec* OB0 = AddTrans(L, 0, 45000, tkOpenBal, 0, 0, 0, 0, 1000000, "");
  TTransRec* OB1 = AddTrans(L, 1, 45000, tkOpenBal, 0, 0, 0, 1, -2500000, "");
  AddTrans(L, 2, 45001, tkIncome, 100, 1, 0, 0, 150000, "Sale one");
  AddTrans(L, 3, 45002, tkExpense, 200, 1, 1, 0, 70000, "Rent part", 'A');
  AddTrans(L, 3, 45002, tkExpense, 200, 1, 0, 0, 30000, "Rent part", 'B', false);
  AddTrans(L, 4, 45003, tkTransferTo, 5, 0, 1, 0, 20000, "To savings");
  AddTrans(L, 5, 45003, tkTransferFrom, 4, 0, 0, 1, 20000, "From cheque");
  auto Book = [&](std::int32_t No, const char* Name, TTransRec* OB, std::int32_t Colour) {
    auto B = std::make_unique<TBookRec>();
    B->BookNo = No;
    B->Name = Name;
    B->OpenBal = OB;
    B->OpenBalNo = OB->TransNo;
    B->Colour = Colour;
    L.Books.Add(std::move(B));
  };
  Book(0, "Cheque", OB0, 0xFF0000);
  Book(1, "Savings", OB1, 0x00FF00);
}

void TTestManager::CreateSample(const std::string& Name) {
  if (!FM.NewFile(Name)) throw std::runtime_error("NewFile");
  if (!FM.Open(Name, true)) throw std::runtime_error("Open");
  // Replace the blank book's content by the sample (through the lists: write-through).
  while (Lists.Trans.Count()) Lists.Trans.Delete(0);
  while (Lists.Books.Count()) Lists.Books.Delete(0);
  while (Lists.Groups.Count()) Lists.Groups.Delete(0);
  while (Lists.Cats.Count()) Lists.Cats.Delete(0);
  FillSampleBook(Lists);
  FM.AutoBackup = false;
  Prompts.Answers.push_back(mbNo);  // no backup
  if (!FM.Close(true, true)) throw std::runtime_error("Close");
}

#include <filesystem>

std::string StreamOfLockedFile(const std::string& File, const std::string& Stream) {
  std::string Copy = File + ".peek";
  std::filesystem::copy_file(File, Copy, std::filesystem::copy_options::overwrite_existing);
  std::string Out;
  bool Ok = ReadRawStream(Copy, Stream, Out);
  std::filesystem::remove(Copy);
  if (!Ok) throw std::runtime_error("no stream " + Stream);
  return Out;
}

TFileCounts CountsOfLockedFile(const std::string& File) {
  std::string B = StreamOfLockedFile(File, "QB2FileInfo");
  TFileCounts C;
  if (B.size() >= CountsRecSize) DecodeCounts(reinterpret_cast<const unsigned char*>(B.data()), C);
  return C;
}
