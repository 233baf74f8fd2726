// qbtool: the command-line companion of Quimbel Books.
//   qbtool info FILE [--password P]
//   qbtool check FILE [--password P]
//   qbtool dump FILE [--password P] [--exclude-disabled]
//   qbtool example OUT [--transactions N] [--books B] [--seed S]
// Errors are one line on stderr and a non-zero exit: 1 for a file that cannot be used or has
// problems, 2 for a wrong or missing password, 64 for a wrong command line.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "BookCheck.h"
#include "BookJson.h"
#include "CliPrompts.h"
#include "ExampleBook.h"
#include "FileManager.h"
#include "Helpers.h"
#include "LoadSequence.h"

namespace {
const char* const Usage =
    "usage: qbtool info FILE [--password P]\n"
    "       qbtool check FILE [--password P]\n"
    "       qbtool dump FILE [--password P] [--exclude-disabled]\n"
    "       qbtool example OUT [--transactions N] [--books B] [--seed S]\n";

int Fail(const std::string& File, const std::string& Text, int Code = 1) {
  std::fprintf(stderr, "qbtool: %s: %s\n", File.c_str(), Text.c_str());
  return Code;
}

struct TArgs {
  std::string Command, File, Password;
  bool PasswordGiven = false, ExcludeDisabled = false;
  long Transactions = 2000, Books = 2, Seed = 1;
};

bool ParseNumber(const char* Text, long& Out) {
  char* End = nullptr;
  long V = std::strtol(Text, &End, 10);
  if (!*Text || *End) return false;
  Out = V;
  return true;
}

bool Parse(int Argc, char** Argv, TArgs& A) {
  if (Argc < 3) return false;
  A.Command = Argv[1];
  A.File = Argv[2];
  for (int I = 3; I < Argc; ++I) {
    std::string Opt = Argv[I];
    bool HasValue = I + 1 < Argc;
    if (Opt == "--password" && HasValue) {
      A.Password = Argv[++I];
      A.PasswordGiven = true;
    } else if (Opt == "--exclude-disabled") {
      A.ExcludeDisabled = true;
    } else if (Opt == "--transactions" && HasValue) {
      if (!ParseNumber(Argv[++I], A.Transactions)) return false;
    } else if (Opt == "--books" && HasValue) {
      if (!ParseNumber(Argv[++I], A.Books)) return false;
    } else if (Opt == "--seed" && HasValue) {
      if (!ParseNumber(Argv[++I], A.Seed)) return false;
    } else {
      return false;
    }
  }
  return true;
}

// What kind of file it is, without changing it: 0 version 2, 1 version 1, or an exit code after
// printing the error line.
int Probe(const std::string& File, int& Version) {
  if (::access(File.c_str(), F_OK) != 0) return Fail(File, "no such file");
  cfb::Storage Root;
  cfb::Result R = cfb::Storage::openFile(File, cfb::OpenMode::ReadOnly, Root);
  if (R == cfb::Result::AccessDenied)
    return Fail(File, "Unable to access this file.  It may be in use by another application.");
  if (R == cfb::Result::NotCompoundFile) return Fail(File, "not a Quimbel Books file (not a compound file, or damaged)");
  if (R != cfb::Result::Ok) return Fail(File, std::string("cannot open: ") + cfb::resultName(R));
  cfb::Stream S;
  if (Root.openStream(StreamName::Transactions, S) != cfb::Result::Ok)
    return Fail(File, "not a Quimbel Books file (no \"Transactions\" stream)");
  R = Root.openStream(StreamName::Books, S);
  if (R == cfb::Result::ElementNotFound) {
    Version = 1;
    return 0;
  }
  if (R != cfb::Result::Ok) return Fail(File, "not a Quimbel Books file");
  Version = 2;
  return 0;
}

// Opens a version-2 book read-only (nothing is ever written) and loads it.
int LoadReadOnly(const TArgs& A, TBookLists& L, TCliPrompts& P, TFileManager& FM) {
  P.Password = A.Password;
  P.PasswordGiven = A.PasswordGiven;
  FM.DriveKindProbe = [](const std::string&) { return dkCDROM; };  // read-only mode
  switch (FM.CheckFile(A.File)) {
    case TFileManager::cfOk: break;
    case TFileManager::cfPassword:
      return Fail(A.File, A.PasswordGiven ? "wrong password" : "the file is password protected; use --password", 2);
    case TFileManager::cfInUse: return Fail(A.File, OneLine(P.LastMessage));
    default: return Fail(A.File, "not a valid Quimbel Books file");
  }
  if (!FM.Open(A.File, true)) return Fail(A.File, "not a valid Quimbel Books file (a stream is missing or unreadable)");
  (void)L;
  return 0;
}

int Info(const TArgs& A) {
  int Version = 0;
  if (int E = Probe(A.File, Version)) return E;
  if (Version == 1) {
    std::string Info;
    cfb::Storage Root;
    cfb::Stream S;
    std::vector<unsigned char> Buf(V1FileInfoSize);
    std::size_t Got = 0;
    if (cfb::Storage::openFile(A.File, cfb::OpenMode::ReadOnly, Root) != cfb::Result::Ok ||
        Root.openStream(StreamName::V1FileInfo, S) != cfb::Result::Ok || S.read(Buf.data(), Buf.size(), &Got) != cfb::Result::Ok ||
        Got != Buf.size())
      return Fail(A.File, "version-1 file without a readable \"FileInfo\" stream");
    TFileCounts C;
    DecodeCounts(Buf.data(), C);
    std::printf("format: version 1 (converted to version 2 when opened in Quimbel Books)\n");
    std::printf("transactions: %d\nmain accounts: %d\nsub accounts: %d\ngroups: %d\ncategories: %d\n", C.Trans,
                C.MainActs, C.SubActs, C.Groups, C.Cats);
    return 0;
  }
  TBookLists L;
  TCliPrompts P;
  TFileManager FM(L, P);
  if (int E = LoadReadOnly(A, L, P, FM)) return E;
  std::printf("format: version 2\n");
  std::printf("transactions: %d\nmain accounts: %d\nsub accounts: %d\ngroups: %d\ncategories: %d\nbooks: %d\n",
              L.Trans.Count(), L.MainActs.Count(), L.SubActs.Count(), L.Groups.Count(), L.Cats.Count(),
              L.Books.Count());
  for (const TBookRec* B : L.Books.MasterList()) std::printf("  book %d: %s\n", B->BookNo, B->Name.c_str());
  if (L.Trans.Count() > 0) {
    TDateTime First = L.Trans.Items(0).Date, Last = First;
    for (const TTransRec* T : L.Trans.MasterList()) {
      First = std::min(First, T->Date);
      Last = std::max(Last, T->Date);
    }
    std::printf("dates: %s to %s\n", IsoDate(First).c_str(), IsoDate(Last).c_str());
  }
  std::printf("password: %s\n", FM.Settings.Password.empty() ? "none" : "set");
  if (FM.Damaged) std::printf("damaged: some records could not be read\n");
  return 0;
}

int Check(const TArgs& A) {
  int Version = 0;
  if (int E = Probe(A.File, Version)) return E;
  if (Version == 1) return Fail(A.File, "a version-1 file; open it in Quimbel Books to convert it");
  std::vector<std::string> Problems;
  {
    cfb::Storage Root;
    cfb::ValidationReport Rep;
    if (cfb::Storage::openFile(A.File, cfb::OpenMode::ReadOnly, Root) == cfb::Result::Ok) {
      Root.validate(&Rep);
      for (const std::string& P : Rep.problems) Problems.push_back("compound file: " + P);
    }
  }
  TBookLists L;
  TCliPrompts P;
  TFileManager FM(L, P);
  if (int E = LoadReadOnly(A, L, P, FM)) return E;
  if (FM.Damaged) Problems.push_back("a list stream ends before its count of records");
  const TFileCounts& C = FM.LoadedCounts;
  if (C.Trans < 0 || C.MainActs < 0 || C.SubActs < 0 || C.Groups < 0 || C.Cats < 0 || C.Books < 0)
    Problems.push_back("the counts record holds a negative count");
  if (L.Books.Count() == 0) Problems.push_back("the file has no book");
  std::vector<std::string> Links = CheckBookLinks(L);
  Problems.insert(Problems.end(), Links.begin(), Links.end());
  if (Links.empty()) {
    try {
      RunLoadSequence(L);
      RecalcBookTotals(L);
    } catch (const std::exception& E) {
      Problems.push_back(std::string("loading: ") + E.what());
    }
  }
  for (const std::string& Pr : Problems) std::printf("%s: %s\n", A.File.c_str(), Pr.c_str());
  if (Problems.empty()) std::printf("%s: sound (%d transactions)\n", A.File.c_str(), L.Trans.Count());
  return Problems.empty() ? 0 : 1;
}

int Dump(const TArgs& A) {
  int Version = 0;
  if (int E = Probe(A.File, Version)) return E;
  if (Version == 1) return Fail(A.File, "a version-1 file; open it in Quimbel Books to convert it");
  TBookLists L;
  TCliPrompts P;
  TFileManager FM(L, P);
  if (int E = LoadReadOnly(A, L, P, FM)) return E;
  if (FM.Damaged) return Fail(A.File, "damaged: a list stream ends before its count of records");
  // Options as on a first start: everything shown, nothing selected.
  DateRangeActive = AccountSelActive = GroupSelActive = TransSelActive = false;
  IncludeDisabledInCalc = !A.ExcludeDisabled;
  for (TBookRec* B : L.Books.MasterList()) B->Shown = true;
  try {
    RunLoadSequence(L);
    RecalcBookTotals(L);
  } catch (const std::exception& E) {
    return Fail(A.File, std::string("damaged: ") + E.what() + " (run qbtool check)");
  }
  WriteBookJson(std::cout, L, FM.Settings, FM.CommentText);
  std::cout.flush();
  return std::cout.good() ? 0 : Fail(A.File, "cannot write the output");
}

int Example(const TArgs& A) {
  TExampleOptions O;
  O.Transactions = static_cast<int>(A.Transactions);
  O.Books = static_cast<int>(A.Books);
  O.Seed = static_cast<unsigned>(A.Seed);
  if (A.Transactions < 1 || A.Transactions > 50000000 || A.Books < 1 || A.Books > 100)
    return Fail(A.File, "--transactions must be 1 to 50000000 and --books 1 to 100", 64);
  std::string Error;
  if (!MakeExampleBook(A.File, O, Error)) return Fail(A.File, Error);
  return 0;
}
}  // namespace

int main(int Argc, char** Argv) {
  TArgs A;
  if (!Parse(Argc, Argv, A)) {
    std::fputs(Usage, stderr);
    return 64;
  }
  try {
    if (A.Command == "info") return Info(A);
    if (A.Command == "check") return Check(A);
    if (A.Command == "dump") return Dump(A);
    if (A.Command == "example") return Example(A);
  } catch (const std::exception& E) {
    return Fail(A.File, std::string("unexpected error: ") + E.what());
  }
  std::fputs(Usage, stderr);
  return 64;
}
