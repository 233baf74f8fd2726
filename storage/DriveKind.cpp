#include "DriveKind.h"

#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdint>

namespace {
std::string FolderOf(const std::string& Path) {
  std::size_t Slash = Path.find_last_of('/');
  if (Slash == std::string::npos) return ".";
  return Slash == 0 ? "/" : Path.substr(0, Slash);
}
}  // namespace

TDriveKind DriveKindOf(const std::string& Path) {
  struct statfs Fs;
  if (::statfs(Path.c_str(), &Fs) != 0) return dkNoRoot;
  struct statvfs Vfs;
  if (::statvfs(Path.c_str(), &Vfs) == 0 && (Vfs.f_flag & ST_RDONLY)) return dkCDROM;
  switch (static_cast<std::uint32_t>(Fs.f_type)) {
    case 0x6969:      // NFS
    case 0x517B:      // SMB
    case 0xFF534D42:  // CIFS
    case 0xFE534D42:  // SMB2
    case 0x564C:      // NCP
    case 0x65735546:  // FUSE (sshfs and friends)
    case 0x0BD00BD0:  // Lustre
    case 0x47504653:  // GPFS
      return dkNetwork;
    case 0x9660:      // ISO 9660
    case 0x15013346:  // UDF
      return dkCDROM;
    case 0x01021994:  // tmpfs
    case 0x858458F6:  // ramfs
      return dkRAMDisk;
    case 0x4D44:      // FAT
    case 0x2011BAB0:  // exFAT
      return dkRemovable;
    default:
      return dkFixed;
  }
}

TDriveKind BookFileDriveKind(const std::string& FileName) {
  TDriveKind Kind = DriveKindOf(::access(FileName.c_str(), F_OK) == 0 ? FileName : FolderOf(FileName));
  if (Kind != dkNoRoot && Kind != dkCDROM && ::access(FileName.c_str(), F_OK) == 0 &&
      ::access(FileName.c_str(), W_OK) != 0)
    return dkCDROM;
  return Kind;
}

bool DriveReady(const std::string& Path) { return ::access(FolderOf(Path).c_str(), F_OK) == 0; }
