// Names with a comma, quotes, "<" and "&" read back whole by Python's csv module and HTML parser.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "ExportFixture.h"
#include "ExportRunner.h"
#include "TestFiles.h"

namespace {

TEST(ExportRoundTrip, PythonReadsTrickyNamesBackWhole) {
  TExportBook B;
  TTempDir Dir;
  ASSERT_TRUE(WriteExport(ekText, B.Info(), esAll, Dir.File("book.txt")).Written);
  ASSERT_TRUE(WriteExport(ekHtml, B.Info(), esAll, Dir.File("book.htm")).Written);
  std::ofstream(Dir.File("expect")) << "name=" << TrickyName << "\nmemo=" << TrickyMemo << "\ngroup=" << CafeGroup
                                    << "\ntitle=" << B.Info().BaseName << "\n";
  std::string Command = "/usr/bin/python3 " QB_ROUNDTRIP_SCRIPT " " + Dir.File("book.txt") + " " +
                        Dir.File("book.htm") + " " + Dir.File("expect") + " 2>&1";
  FILE* Pipe = popen(Command.c_str(), "r");
  ASSERT_NE(Pipe, nullptr);
  std::string Output;
  char Buf[512];
  while (std::fgets(Buf, sizeof Buf, Pipe)) Output += Buf;
  int Status = pclose(Pipe);
  EXPECT_EQ(Status, 0);
  EXPECT_EQ(Output, "OK\n");
}

}  // namespace
