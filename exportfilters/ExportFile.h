#pragma once
// The export's output file: created or overwritten, written through a large buffer, and on any
// failure closed and removed, so that a failed export leaves no partial file behind.
#include <cstddef>
#include <string>
#include <string_view>

enum class TExportFailure {
  None,
  DiskFull,  // the system refused to store more (no space, quota, file too large)
  Other,     // could not create the file, or any other error
};

class TExportFile {
 public:
  TExportFile() = default;
  TExportFile(const TExportFile&) = delete;
  TExportFile& operator=(const TExportFile&) = delete;
  ~TExportFile();  // an unfinished file is discarded

  // Creates or truncates the file. False (with Failure() set) when it cannot be opened.
  bool Open(const std::string& FileName);
  // Appends to the buffer; the buffer goes to the file whenever it fills, a large block straight
  // from the caller's memory. After a failure further writes are ignored, so a writer can check
  // once at the end.
  void Write(std::string_view Text) {
    if (Text.size() <= Capacity - Used) {
      Text.copy(Buffer + Used, Text.size());
      Used += Text.size();
    } else {
      WriteLarge(Text);
    }
  }
  void Write(char C) {
    if (Used == Capacity) Flush();
    Buffer[Used++] = C;
  }
  // Writes what is left and closes. True when every byte reached the file; otherwise the file is
  // removed and Failure() tells why.
  bool Finish();
  // Closes and removes the file (an error was found elsewhere).
  void Discard(TExportFailure Why);

  TExportFailure Failure() const { return Fail; }
  int ErrorNumber() const { return Errno; }

 private:
  static constexpr std::size_t Capacity = 1 << 20;
  void WriteLarge(std::string_view Text);
  void Flush();
  void WriteOut(const char* Data, std::size_t Size);
  void SetError(int Err);
  void CloseAndRemove();

  int Fd = -1;
  bool Regular = false;  // only a regular file we opened is ever removed again
  std::string Name;
  char* Buffer = nullptr;
  std::size_t Used = 0;
  TExportFailure Fail = TExportFailure::None;
  int Errno = 0;
};
