#pragma once
// A real book file for the editor tests: created by the file manager, opened with write-through,
// and read back into fresh lists after closing without the compaction, so what is found there was
// written through at the moment of each change.
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <string>

#include "BookLists.h"
#include "FileManager.h"
#include "ScriptedPrompts.h"

class TBookFile {
 public:
  QTemporaryDir Dir;
  std::string Path;
  TBookLists L;
  TScriptedPrompts FilePrompts;
  std::unique_ptr<TFileManager> FM;

  TBookFile() : Path(Dir.filePath("Test.qbk").toStdString()) {
    FilePrompts.DefaultAnswer = mbNo;
    {
      TFileManager Maker(L, FilePrompts);
      Maker.SyncWrites = false;
      Maker.NewFile(Path);
    }
    Open();
  }
  ~TBookFile() {
    if (FM && FM->FileOpen) FM->Close(true, false);
  }
  bool Open() {
    FM = std::make_unique<TFileManager>(L, FilePrompts);
    FM->SyncWrites = false;
    if (!FM->Open(Path, true)) return false;
    ResolveLinks(L);
    FM->InstallWriteThrough();
    return true;
  }
  // Closes without compacting and reads the file into Into.
  bool ReadBack(TBookLists& Into) {
    FM->Close(true, false);
    TScriptedPrompts P;
    TFileManager Reader(Into, P);
    if (!Reader.Open(Path, true)) return false;
    ResolveLinks(Into);
    Reader.Close(false, false);
    return true;
  }
  // Adds records through the lists, so they are in the file too.
  TMainActRec& AddMain(int No, const std::string& Name, int Kind, int Cat) {
    auto M = std::make_unique<TMainActRec>();
    M->ActNo = No;
    M->Name = Name;
    M->Kind = static_cast<std::uint8_t>(Kind);
    M->CatID = Cat;
    TMainActRec& R = *M;
    L.MainActs.Add(std::move(M));
    return R;
  }
  TSubActRec& AddSub(int Main, int No, const std::string& Name) {
    auto S = std::make_unique<TSubActRec>();
    S->MainActNo = Main;
    S->ActNo = No;
    S->Name = Name;
    S->MainAct = L.MainActs.FindByNo(Main);
    S->Kind = S->MainAct->Kind;
    TSubActRec& R = *S;
    L.SubActs.Add(std::move(S));
    return R;
  }
  TTransRec& AddTrans(int TransNo, int Kind, int Main, int Sub, int Group) {
    auto T = std::make_unique<TTransRec>();
    T->TransNo = TransNo;
    T->Kind = static_cast<std::uint8_t>(Kind);
    T->Date = 45000;
    T->MainActNo = Main;
    T->SubActNo = Sub;
    T->GroupNo = static_cast<std::int16_t>(Group);
    T->Amount = 10000;
    T->SplitLetter = '0';
    TTransRec& R = *T;
    L.Trans.Add(std::move(T));
    return R;
  }
};
