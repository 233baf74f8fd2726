#pragma once
// Byte-exact record layouts of the book file's streams. Every record is a fixed-size slot, so one
// record can be rewritten in place and a new one appended at the end of its stream.
// Texts are UTF-8 in memory and Windows-1252 in the file; a text field string[N] is a length byte
// and N bytes; text longer than N characters is cut, and the bytes after the text are zeros.
#include <cstddef>
#include <cstdint>
#include <string>

#include "BookList.h"
#include "CatList.h"
#include "GroupList.h"
#include "MainActList.h"
#include "SubActList.h"
#include "TransList.h"

// Element names of the root storage, as written.
namespace StreamName {
inline constexpr const char* Transactions = "Transactions";
inline constexpr const char* MainActs = "MainActs";
inline constexpr const char* SubActs = "SubActs";
inline constexpr const char* Groups = "Groups";
inline constexpr const char* Categories = "Categories";
inline constexpr const char* Books = "Books";
inline constexpr const char* FileInfo = "QB2FileInfo";
inline constexpr const char* FileSettings = "FileSettings";
inline constexpr const char* Comments = "Comments";
inline constexpr const char* V1FileInfo = "FileInfo";  // version-1 counts record
}  // namespace StreamName

enum : std::size_t {
  TransRecSize = 320,
  MainActRecSize = 52,
  SubActRecSize = 504,
  GroupRecSize = 304,
  CatRecSize = 48,
  BookRecSize = 116,
  CountsRecSize = 24,
  SettingsRecSize = 16,
  V1FileInfoSize = 28,
};

// Password and protections ("FileSettings").
struct TFileSettings {
  std::string Password;  // at most 8 characters; empty: no password
  bool ProtectOpening = false;
  bool ProtectDeleting = false;
  bool ProtectAdding = false;
  bool ProtectEditing = false;
  bool ProtectReports = false;
  bool ProtectPrinting = false;
  bool ProtectWorksheet = false;
  bool operator==(const TFileSettings&) const = default;
};

// Live records of each list ("QB2FileInfo"), in stream order.
struct TFileCounts {
  std::int32_t Trans = 0, MainActs = 0, SubActs = 0, Groups = 0, Cats = 0, Books = 0;
};

// The first field of a deleted slot has every bit set.
inline constexpr std::int32_t DeletedNo = -1;

// Writers fill exactly the record size; readers read exactly the record size.
void EncodeTrans(const TTransRec& R, unsigned char* Out);
void DecodeTrans(const unsigned char* In, TTransRec& R);
void EncodeMainAct(const TMainActRec& R, unsigned char* Out);
void DecodeMainAct(const unsigned char* In, TMainActRec& R);
void EncodeSubAct(const TSubActRec& R, unsigned char* Out);
void DecodeSubAct(const unsigned char* In, TSubActRec& R);
void EncodeGroup(const TGroupRec& R, unsigned char* Out);
void DecodeGroup(const unsigned char* In, TGroupRec& R);
void EncodeCat(const TCatRec& R, unsigned char* Out);
void DecodeCat(const unsigned char* In, TCatRec& R);
// OpenBalNo is written from the linked opening-balance transaction when there is one.
void EncodeBook(const TBookRec& R, unsigned char* Out);
void DecodeBook(const unsigned char* In, TBookRec& R);
void EncodeSettings(const TFileSettings& S, unsigned char* Out);
void DecodeSettings(const unsigned char* In, TFileSettings& S);
void EncodeCounts(const TFileCounts& C, unsigned char* Out);
void DecodeCounts(const unsigned char* In, TFileCounts& C);

// A slot is deleted when its first field is all ones (int16 for categories, int32 otherwise).
bool IsDeletedSlot(const unsigned char* Slot, std::size_t RecSize);

// Comment stream bytes: the text in the code page and one zero byte; and back (up to the first
// zero byte, empty for an empty stream).
std::string EncodeComment(const std::string& Text);
std::string DecodeComment(const std::string& Bytes);

// Per-record-type traits, so the file manager handles the six lists with one template.
template <class TRec> struct TRecordLayout;
#define QB_LAYOUT(Rec, Size, Stream, Enc, Dec, NoField)                            \
  template <> struct TRecordLayout<Rec> {                                           \
    static constexpr std::size_t RecSize = Size;                                    \
    static constexpr const char* Name = Stream;                                     \
    static void Encode(const Rec& R, unsigned char* Out) { Enc(R, Out); }           \
    static void Decode(const unsigned char* In, Rec& R) { Dec(In, R); }             \
    static void MarkDeleted(Rec& R) { R.NoField = static_cast<decltype(R.NoField)>(-1); } \
  };
QB_LAYOUT(TTransRec, TransRecSize, StreamName::Transactions, EncodeTrans, DecodeTrans, TransNo)
QB_LAYOUT(TMainActRec, MainActRecSize, StreamName::MainActs, EncodeMainAct, DecodeMainAct, ActNo)
QB_LAYOUT(TSubActRec, SubActRecSize, StreamName::SubActs, EncodeSubAct, DecodeSubAct, ActNo)
QB_LAYOUT(TGroupRec, GroupRecSize, StreamName::Groups, EncodeGroup, DecodeGroup, GroupNo)
QB_LAYOUT(TCatRec, CatRecSize, StreamName::Categories, EncodeCat, DecodeCat, CatID)
QB_LAYOUT(TBookRec, BookRecSize, StreamName::Books, EncodeBook, DecodeBook, BookNo)
#undef QB_LAYOUT
