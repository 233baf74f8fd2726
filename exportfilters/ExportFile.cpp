#include "ExportFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TExportFile::~TExportFile() {
  if (Fd >= 0) CloseAndRemove();
  delete[] Buffer;
}

bool TExportFile::Open(const std::string& FileName) {
  Name = FileName;
  Fail = TExportFailure::None;
  Errno = 0;
  Used = 0;
  Fd = ::open(FileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (Fd < 0) {
    SetError(errno);
    return false;
  }
  struct stat St {};
  Regular = ::fstat(Fd, &St) == 0 && S_ISREG(St.st_mode);
  if (!Buffer) Buffer = new char[Capacity];
  return true;
}

void TExportFile::SetError(int Err) {
  if (Fail != TExportFailure::None) return;
  Errno = Err;
  Fail = (Err == ENOSPC || Err == EDQUOT || Err == EFBIG) ? TExportFailure::DiskFull : TExportFailure::Other;
}

void TExportFile::Flush() {
  WriteOut(Buffer, Used);
  Used = 0;
}

void TExportFile::WriteOut(const char* Data, std::size_t Size) {
  std::size_t Done = 0;
  while (Done < Size && Fail == TExportFailure::None) {
    ssize_t N = ::write(Fd, Data + Done, Size - Done);
    if (N < 0) {
      if (errno == EINTR) continue;
      SetError(errno);
    } else if (N == 0) {
      SetError(ENOSPC);
    } else {
      Done += static_cast<std::size_t>(N);
    }
  }
}

void TExportFile::WriteLarge(std::string_view Text) {
  // A large block goes to the file straight from the caller's memory.
  if (Text.size() >= Capacity / 2) {
    Flush();
    WriteOut(Text.data(), Text.size());
    return;
  }
  while (!Text.empty()) {
    if (Used == Capacity) Flush();
    std::size_t Part = std::min(Text.size(), Capacity - Used);
    Text.copy(Buffer + Used, Part);
    Used += Part;
    Text.remove_prefix(Part);
  }
}

bool TExportFile::Finish() {
  if (Fd < 0) return false;
  Flush();
  if (Fail == TExportFailure::None) {
    // A delayed write error (a full disk on a network share) shows up only here.
    if (::close(Fd) != 0) SetError(errno);
    Fd = -1;
    if (Fail == TExportFailure::None) return true;
    if (Regular) ::unlink(Name.c_str());
    return false;
  }
  CloseAndRemove();
  return false;
}

void TExportFile::Discard(TExportFailure Why) {
  if (Fail == TExportFailure::None) {
    Fail = Why;
    Errno = 0;
  }
  if (Fd >= 0) CloseAndRemove();
}

void TExportFile::CloseAndRemove() {
  ::close(Fd);
  Fd = -1;
  Used = 0;
  if (Regular) ::unlink(Name.c_str());
}
