// Record layouts: byte positions, texts at the boundary, deleted slots and counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "BookRecords.h"
#include "Cp1252.h"
#include "ListOps.h"
#include "TestBook.h"

namespace {
template <class T>
T At(const unsigned char* B, std::size_t Off) {
  T V;
  std::memcpy(&V, B + Off, sizeof V);
  return V;
}

std::string Slot(const TTransRec& R) {
  std::string S(TransRecSize, '\0');
  EncodeTrans(R, reinterpret_cast<unsigned char*>(S.data()));
  return S;
}
}  // namespace

TEST(Cp1252, RoundTripAndUnmappable) {
  // € (80), ‘ (91), é (E9), ÿ (FF), a control-range byte left undefined by the code page (81).
  std::string Utf8 = "\xE2\x82\xAC\xE2\x80\x98\xC3\xA9\xC3\xBF\xC2\x81";
  EXPECT_EQ(Utf8ToCp1252(Utf8), std::string("\x80\x91\xE9\xFF\x81"));
  EXPECT_EQ(Cp1252ToUtf8(std::string("\x80\x91\xE9\xFF\x81")), Utf8);
  // Characters outside the code page become '?', one per character.
  EXPECT_EQ(Utf8ToCp1252("a\xE4\xB8\xAD" "b\xF0\x9F\x98\x80"), "a?b?");
  char Out[3];
  EXPECT_EQ(Utf8ToCp1252("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", Out, 3), 3u);  // cut to characters, not bytes
}

TEST(Records, TransactionLayoutIsByteExact) {
  TTransRec R;
  R.TransNo = 0x01020304;
  R.Date = 45123;
  R.Reference = "INV-7";
  R.MainActNo = 300;
  R.SubActNo = 4;
  R.GroupNo = 7;
  R.BookNo = 2;
  R.Kind = tkExpense;
  R.Amount = -123456789;
  R.Details = "Caf\xC3\xA9";
  R.Enabled = false;
  R.SplitLetter = 'C';
  std::string S = Slot(R);
  auto* B = reinterpret_cast<const unsigned char*>(S.data());
  EXPECT_EQ(At<std::int32_t>(B, 0), 0x01020304);
  EXPECT_EQ(At<double>(B, 4), 45123.0);
  EXPECT_EQ(B[12], 5);
  EXPECT_EQ(S.substr(13, 5), "INV-7");
  EXPECT_EQ(At<std::int32_t>(B, 36), 300);
  EXPECT_EQ(At<std::int32_t>(B, 40), 4);
  EXPECT_EQ(At<std::int16_t>(B, 44), 7);
  EXPECT_EQ(At<std::int16_t>(B, 46), 2);
  EXPECT_EQ(B[48], 2);
  EXPECT_EQ(At<std::int64_t>(B, 52), -123456789);
  EXPECT_EQ(B[60], 4);
  EXPECT_EQ(S.substr(61, 4), "Caf\xE9");
  EXPECT_EQ(B[316], 0);
  EXPECT_EQ(B[317], 'C');
  // Text tails and pads are zeros.
  for (std::size_t I : {18u, 32u, 33u, 35u, 49u, 51u, 65u, 315u, 318u, 319u}) EXPECT_EQ(B[I], 0) << I;

  TTransRec Back;
  DecodeTrans(B, Back);
  EXPECT_EQ(Back.TransNo, R.TransNo);
  EXPECT_EQ(Back.Reference, R.Reference);
  EXPECT_EQ(Back.Details, R.Details);
  EXPECT_EQ(Back.Amount, R.Amount);
  EXPECT_EQ(Back.Enabled, false);
  EXPECT_EQ(Back.SplitLetter, 'C');
}

TEST(Records, TextsAreCutToTheirFieldInCharacters) {
  TMainActRec M;
  M.ActNo = 100;
  std::string Name45;
  for (int I = 0; I < 45; ++I) Name45 += static_cast<char>('A' + I % 26);
  M.Name = Name45;
  unsigned char B[MainActRecSize];
  EncodeMainAct(M, B);
  EXPECT_EQ(B[4], 40);
  TMainActRec Back;
  DecodeMainAct(B, Back);
  EXPECT_EQ(Back.Name, Name45.substr(0, 40));

  // 25 two-byte characters fit the 20-character reference as 20 code-page bytes.
  TTransRec T;
  for (int I = 0; I < 25; ++I) T.Reference += "\xC3\xA9";
  std::string S = Slot(T);
  EXPECT_EQ(static_cast<unsigned char>(S[12]), 20);
  EXPECT_EQ(S[33], '\0');  // the pad after the field is untouched

  // A length byte larger than its field is cut to the field.
  unsigned char G[GroupRecSize] = {};
  G[4] = 200;
  std::memset(G + 5, 'x', 40);
  TGroupRec Group;
  DecodeGroup(G, Group);
  EXPECT_EQ(Group.Name, std::string(40, 'x'));
}

TEST(Records, OtherLayouts) {
  TCatRec C;
  C.CatID = 12;
  C.ReportClass = 5;
  C.Name = "Assets";
  C.Kind = 2;
  C.IsDefault = true;
  unsigned char CB[CatRecSize];
  EncodeCat(C, CB);
  EXPECT_EQ(At<std::int16_t>(CB, 0), 12);
  EXPECT_EQ(At<std::int16_t>(CB, 2), 5);
  EXPECT_EQ(CB[4], 6);
  EXPECT_EQ(CB[45], 2);
  EXPECT_EQ(CB[46], 1);

  TTransRec OB;
  OB.TransNo = 42;
  TBookRec Bk;
  Bk.BookNo = 3;
  Bk.Name = "Cash tin";
  Bk.OpenBalNo = 7;
  Bk.OpenBal = &OB;  // the link wins over the stale number
  Bk.Colour = 0xFF0000;
  unsigned char BB[BookRecSize];
  EncodeBook(Bk, BB);
  EXPECT_EQ(At<std::int32_t>(BB, 108), 42);
  EXPECT_EQ(At<std::int32_t>(BB, 112), 0xFF0000);

  TSubActRec S;
  S.ActNo = 4;
  S.MainActNo = 300;
  S.State = "NSWX";
  S.Notes = "n";
  unsigned char SB[SubActRecSize];
  EncodeSubAct(S, SB);
  EXPECT_EQ(At<std::int32_t>(SB, 48), 300);
  EXPECT_EQ(SB[146], 3);  // State is string[3]
  EXPECT_EQ(SB[248], 1);

  TFileSettings FS;
  FS.Password = "secret12345";
  FS.ProtectOpening = FS.ProtectWorksheet = true;
  unsigned char SetB[SettingsRecSize];
  EncodeSettings(FS, SetB);
  EXPECT_EQ(SetB[0], 8);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(SetB + 1), 8), "secret12");
  EXPECT_EQ(SetB[9], 1);
  EXPECT_EQ(SetB[10], 0);
  EXPECT_EQ(SetB[15], 1);
}

TEST(Records, CommentBytes) {
  EXPECT_EQ(EncodeComment("abc"), std::string("abc\0", 4));
  EXPECT_EQ(DecodeComment(std::string("abc\0junk", 8)), "abc");
  EXPECT_EQ(DecodeComment(""), "");
  EXPECT_EQ(DecodeComment("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
}

// Reading a list stream: deleted slots are skipped, the count decides where reading stops.
TEST(Records, DeletedSlotsAndCounts) {
  std::string Dir = MakeTempDir(), File = Dir + "/slots.qbk";
  TTransRec A, B, Del;
  A.TransNo = 1;
  B.TransNo = 2;
  Del.TransNo = -1;
  WriteRawFile(File, {{"Transactions", Slot(A) + Slot(Del) + Slot(B)}});

  struct TCase {
    std::int32_t Count;
    std::vector<std::int32_t> Nos;
    bool Short;
  };
  for (const TCase& C : {TCase{2, {1, 2}, false}, TCase{1, {1}, false}, TCase{3, {1, 2}, true}, TCase{0, {}, false},
                         TCase{-5, {}, false}}) {
    cfb::Storage Root;
    cfb::Stream S;
    ASSERT_EQ(cfb::Storage::openFile(File, cfb::OpenMode::ReadOnly, Root), cfb::Result::Ok);
    ASSERT_EQ(Root.openStream("Transactions", S), cfb::Result::Ok);
    TTransList L;
    TReadOutcome Out = ReadListStream(S, C.Count, L);
    EXPECT_EQ(Out.Result, cfb::Result::Ok);
    EXPECT_EQ(Out.Short, C.Short) << C.Count;
    std::vector<std::int32_t> Nos;
    for (auto* R : L.MasterList()) Nos.push_back(R->TransNo);
    EXPECT_EQ(Nos, C.Nos) << C.Count;
    if (C.Nos.size() == 2) {
      EXPECT_EQ(L.Items(1).StreamPos, 640);
    }
  }

  // Categories mark deleted slots in their 16-bit first field.
  TCatRec C1, C2;
  C1.CatID = 3;
  C2.CatID = 4;
  unsigned char Raw[3 * CatRecSize];
  EncodeCat(C1, Raw);
  EncodeCat(C2, Raw + 2 * CatRecSize);
  std::memset(Raw + CatRecSize, 0x11, CatRecSize);
  Raw[CatRecSize] = Raw[CatRecSize + 1] = 0xFF;  // int16 -1, whatever follows
  WriteRawFile(File, {{"Categories", std::string(reinterpret_cast<char*>(Raw), sizeof Raw)}});
  cfb::Storage Root;
  cfb::Stream S;
  ASSERT_EQ(cfb::Storage::openFile(File, cfb::OpenMode::ReadOnly, Root), cfb::Result::Ok);
  ASSERT_EQ(Root.openStream("Categories", S), cfb::Result::Ok);
  TCatList Cats;
  ReadListStream(S, 2, Cats);
  ASSERT_EQ(Cats.Count(), 2);
  EXPECT_EQ(Cats.Items(1).CatID, 4);
  std::filesystem::remove_all(Dir);
}

// A stream read in two halves (as big ones are) gives what reading it in one go gives: the same
// records in the same order with their slots, the same stop at the count, the same end position,
// wherever the deleted slots and the count fall.
TEST(Records, TwoHalvesReadLikeOne) {
  std::string Dir = MakeTempDir(), File = Dir + "/halves.qbk";
  const std::vector<bool> Live = {true, true, false, true, true, false, false, true, true, true, false};
  std::string Bytes;
  std::vector<std::int64_t> LiveSlots;
  for (std::size_t I = 0; I < Live.size(); ++I) {
    TTransRec R;
    R.TransNo = Live[I] ? static_cast<std::int32_t>(I + 1) : -1;
    R.Details = "record " + std::to_string(I) + " with details past the short-string size";
    Bytes += Slot(R);
    if (Live[I]) LiveSlots.push_back(static_cast<std::int64_t>(I));
  }
  WriteRawFile(File, {{"Transactions", Bytes}});
  const int LiveCount = static_cast<int>(LiveSlots.size());
  for (std::uint64_t ParallelFrom : {0u, 1u}) {
    for (std::int32_t Count = -1; Count <= LiveCount + 2; ++Count) {
      cfb::Storage Root;
      cfb::Stream S;
      ASSERT_EQ(cfb::Storage::openFile(File, cfb::OpenMode::ReadOnly, Root), cfb::Result::Ok);
      ASSERT_EQ(Root.openStream("Transactions", S), cfb::Result::Ok);
      TTransList L;
      TReadOutcome Out = ReadListStream(S, Count, L, {}, ParallelFrom);
      SCOPED_TRACE("count " + std::to_string(Count) + (ParallelFrom ? ", two halves" : ", one go"));
      const int Want = std::clamp(Count, 0, LiveCount);
      EXPECT_EQ(Out.Result, cfb::Result::Ok);
      EXPECT_EQ(Out.Read, Want);
      EXPECT_EQ(Out.Short, Count > LiveCount);
      if (Count > 0) {
        EXPECT_EQ(Out.EndPos, Count <= LiveCount ? (LiveSlots[Count - 1] + 1) * TransRecSize : Live.size() * TransRecSize);
      }
      ASSERT_EQ(L.Count(), Want);
      for (int I = 0; I < Want; ++I) {
        EXPECT_EQ(L.Items(I).StreamPos, LiveSlots[I] * TransRecSize);
        EXPECT_EQ(L.Items(I).TransNo, LiveSlots[I] + 1);
        EXPECT_EQ(L.Items(I).Details, "record " + std::to_string(LiveSlots[I]) + " with details past the short-string size");
        EXPECT_EQ(L.DisplayList()[I], L.MasterList()[I]);
      }
    }
  }
  std::filesystem::remove_all(Dir);
}
