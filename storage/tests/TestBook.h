#pragma once
// Helpers of the storage tests: a temporary folder, a file manager on scripted prompts, and raw
// access to a file's streams.
#include <map>
#include <memory>
#include <string>

#include "BookLists.h"
#include "FileManager.h"
#include "ScriptedPrompts.h"

std::string MakeTempDir();

// Raw bytes of a stream of a compound file ("" and false when missing).
bool ReadRawStream(const std::string& File, const std::string& Stream, std::string& Out);
// Writes a compound file holding exactly these streams.
void WriteRawFile(const std::string& File, const std::map<std::string, std::string>& Streams);

// A small book in the lists: two books (with opening balances), accounts, groups, transactions
// with a split and a transfer, texts with code-page characters.
void FillSampleBook(TBookLists& L);

struct TTestManager {
  TBookLists Lists;
  TScriptedPrompts Prompts;
  TFileManager FM{Lists, Prompts};
  TTestManager() {
    FM.DriveKindProbe = [](const std::string&) { return dkFixed; };
    FM.SyncWrites = false;
    FM.InstallWriteThrough();
  }
  // A new file with FillSampleBook's content, closed again.
  void CreateSample(const std::string& Name);
};

// Raw bytes of a stream of a file that may be held open (and locked) by a file manager: read
// from a copy of the file.
std::string StreamOfLockedFile(const std::string& File, const std::string& Stream);
TFileCounts CountsOfLockedFile(const std::string& File);
