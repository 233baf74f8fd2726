#include "BookRecords.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "Cp1252.h"

namespace {
template <class T>
void Put(unsigned char* Out, std::size_t Off, T V) {
  std::memcpy(Out + Off, &V, sizeof V);  // little-endian host
}
template <class T>
T Get(const unsigned char* In, std::size_t Off) {
  T V;
  std::memcpy(&V, In + Off, sizeof V);
  return V;
}
static_assert(std::endian::native == std::endian::little, "records are little-endian");

// string[N] at Off: length byte, text, zeros.
void PutText(unsigned char* Out, std::size_t Off, std::size_t N, const std::string& Text) {
  std::memset(Out + Off, 0, N + 1);
  Out[Off] = static_cast<unsigned char>(Utf8ToCp1252(Text, reinterpret_cast<char*>(Out + Off + 1), N));
}
std::string GetText(const unsigned char* In, std::size_t Off, std::size_t N) {
  std::size_t Len = std::min<std::size_t>(In[Off], N);  // a length beyond the field is cut to it
  std::string S;
  Cp1252ToUtf8(reinterpret_cast<const char*>(In + Off + 1), Len, S);
  return S;
}
// The same into an existing string (no temporary on the hot path of loading).
void GetText(const unsigned char* In, std::size_t Off, std::size_t N, std::string& Out) {
  std::size_t Len = std::min<std::size_t>(In[Off], N);
  Out.clear();
  Cp1252ToUtf8(reinterpret_cast<const char*>(In + Off + 1), Len, Out);
}
}  // namespace

void EncodeTrans(const TTransRec& R, unsigned char* Out) {
  std::memset(Out, 0, TransRecSize);
  Put<std::int32_t>(Out, 0, R.TransNo);
  Put<double>(Out, 4, R.Date);
  PutText(Out, 12, 20, R.Reference);
  Put<std::int32_t>(Out, 36, R.MainActNo);
  Put<std::int32_t>(Out, 40, R.SubActNo);
  Put<std::int16_t>(Out, 44, R.GroupNo);
  Put<std::int16_t>(Out, 46, R.BookNo);
  Out[48] = R.Kind;
  Put<std::int64_t>(Out, 52, R.Amount);
  PutText(Out, 60, 255, R.Details);
  Out[316] = R.Enabled ? 1 : 0;
  Out[317] = static_cast<unsigned char>(R.SplitLetter);
}

void DecodeTrans(const unsigned char* In, TTransRec& R) {
  R.TransNo = Get<std::int32_t>(In, 0);
  R.Date = Get<double>(In, 4);
  GetText(In, 12, 20, R.Reference);
  R.MainActNo = Get<std::int32_t>(In, 36);
  R.SubActNo = Get<std::int32_t>(In, 40);
  R.GroupNo = Get<std::int16_t>(In, 44);
  R.BookNo = Get<std::int16_t>(In, 46);
  R.Kind = In[48];
  R.Amount = Get<std::int64_t>(In, 52);
  GetText(In, 60, 255, R.Details);
  R.Enabled = In[316] != 0;
  R.SplitLetter = static_cast<char>(In[317]);
}

void EncodeMainAct(const TMainActRec& R, unsigned char* Out) {
  std::memset(Out, 0, MainActRecSize);
  Put<std::int32_t>(Out, 0, R.ActNo);
  PutText(Out, 4, 40, R.Name);
  Out[45] = R.Kind;
  Put<std::int32_t>(Out, 48, R.CatID);
}

void DecodeMainAct(const unsigned char* In, TMainActRec& R) {
  R.ActNo = Get<std::int32_t>(In, 0);
  R.Name = GetText(In, 4, 40);
  R.Kind = In[45];
  R.CatID = Get<std::int32_t>(In, 48);
}

void EncodeSubAct(const TSubActRec& R, unsigned char* Out) {
  std::memset(Out, 0, SubActRecSize);
  Put<std::int32_t>(Out, 0, R.ActNo);
  PutText(Out, 4, 40, R.Name);
  Out[45] = R.Kind;
  Put<std::int32_t>(Out, 48, R.MainActNo);
  PutText(Out, 52, 50, R.Address);
  PutText(Out, 103, 35, R.Suburb);
  PutText(Out, 139, 6, R.PostCode);
  PutText(Out, 146, 3, R.State);
  PutText(Out, 150, 40, R.Contact);
  PutText(Out, 191, 18, R.Phone);
  PutText(Out, 210, 18, R.Fax);
  PutText(Out, 229, 18, R.Mobile);
  PutText(Out, 248, 255, R.Notes);
}

void DecodeSubAct(const unsigned char* In, TSubActRec& R) {
  R.ActNo = Get<std::int32_t>(In, 0);
  R.Name = GetText(In, 4, 40);
  R.Kind = In[45];
  R.MainActNo = Get<std::int32_t>(In, 48);
  R.Address = GetText(In, 52, 50);
  R.Suburb = GetText(In, 103, 35);
  R.PostCode = GetText(In, 139, 6);
  R.State = GetText(In, 146, 3);
  R.Contact = GetText(In, 150, 40);
  R.Phone = GetText(In, 191, 18);
  R.Fax = GetText(In, 210, 18);
  R.Mobile = GetText(In, 229, 18);
  R.Notes = GetText(In, 248, 255);
}

void EncodeGroup(const TGroupRec& R, unsigned char* Out) {
  std::memset(Out, 0, GroupRecSize);
  Put<std::int32_t>(Out, 0, R.GroupNo);
  PutText(Out, 4, 40, R.Name);
  PutText(Out, 45, 255, R.Note);
}

void DecodeGroup(const unsigned char* In, TGroupRec& R) {
  R.GroupNo = Get<std::int32_t>(In, 0);
  R.Name = GetText(In, 4, 40);
  R.Note = GetText(In, 45, 255);
}

void EncodeCat(const TCatRec& R, unsigned char* Out) {
  std::memset(Out, 0, CatRecSize);
  Put<std::int16_t>(Out, 0, R.CatID);
  Put<std::int16_t>(Out, 2, R.ReportClass);
  PutText(Out, 4, 40, R.Name);
  Out[45] = R.Kind;
  Out[46] = R.IsDefault ? 1 : 0;
}

void DecodeCat(const unsigned char* In, TCatRec& R) {
  R.CatID = Get<std::int16_t>(In, 0);
  R.ReportClass = Get<std::int16_t>(In, 2);
  R.Name = GetText(In, 4, 40);
  R.Kind = In[45];
  R.IsDefault = In[46] != 0;
}

void EncodeBook(const TBookRec& R, unsigned char* Out) {
  std::memset(Out, 0, BookRecSize);
  Put<std::int32_t>(Out, 0, R.BookNo);
  PutText(Out, 4, 100, R.Name);
  Put<std::int32_t>(Out, 108, R.OpenBal && R.BookNo != DeletedNo ? R.OpenBal->TransNo : R.OpenBalNo);
  Put<std::int32_t>(Out, 112, R.Colour);
}

void DecodeBook(const unsigned char* In, TBookRec& R) {
  R.BookNo = Get<std::int32_t>(In, 0);
  R.Name = GetText(In, 4, 100);
  R.OpenBalNo = Get<std::int32_t>(In, 108);
  R.Colour = Get<std::int32_t>(In, 112);
}

void EncodeSettings(const TFileSettings& S, unsigned char* Out) {
  std::memset(Out, 0, SettingsRecSize);
  PutText(Out, 0, 8, S.Password);
  Out[9] = S.ProtectOpening;
  Out[10] = S.ProtectDeleting;
  Out[11] = S.ProtectAdding;
  Out[12] = S.ProtectEditing;
  Out[13] = S.ProtectReports;
  Out[14] = S.ProtectPrinting;
  Out[15] = S.ProtectWorksheet;
}

void DecodeSettings(const unsigned char* In, TFileSettings& S) {
  S.Password = GetText(In, 0, 8);
  S.ProtectOpening = In[9] != 0;
  S.ProtectDeleting = In[10] != 0;
  S.ProtectAdding = In[11] != 0;
  S.ProtectEditing = In[12] != 0;
  S.ProtectReports = In[13] != 0;
  S.ProtectPrinting = In[14] != 0;
  S.ProtectWorksheet = In[15] != 0;
}

void EncodeCounts(const TFileCounts& C, unsigned char* Out) {
  Put<std::int32_t>(Out, 0, C.Trans);
  Put<std::int32_t>(Out, 4, C.MainActs);
  Put<std::int32_t>(Out, 8, C.SubActs);
  Put<std::int32_t>(Out, 12, C.Groups);
  Put<std::int32_t>(Out, 16, C.Cats);
  Put<std::int32_t>(Out, 20, C.Books);
}

void DecodeCounts(const unsigned char* In, TFileCounts& C) {
  C.Trans = Get<std::int32_t>(In, 0);
  C.MainActs = Get<std::int32_t>(In, 4);
  C.SubActs = Get<std::int32_t>(In, 8);
  C.Groups = Get<std::int32_t>(In, 12);
  C.Cats = Get<std::int32_t>(In, 16);
  C.Books = Get<std::int32_t>(In, 20);
}

bool IsDeletedSlot(const unsigned char* Slot, std::size_t RecSize) {
  if (RecSize == CatRecSize) return Get<std::int16_t>(Slot, 0) == -1;
  return Get<std::int32_t>(Slot, 0) == DeletedNo;
}

std::string EncodeComment(const std::string& Text) {
  std::string Out = Utf8ToCp1252(Text);
  Out.push_back('\0');
  return Out;
}

std::string DecodeComment(const std::string& Bytes) {
  std::size_t End = Bytes.find('\0');
  return Cp1252ToUtf8(std::string_view(Bytes).substr(0, End == std::string::npos ? Bytes.size() : End));
}
