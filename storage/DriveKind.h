#pragma once
// Kinds of the drive a book file lives on, from the file system (statfs), as far as the file
// manager needs them: network file systems may disappear, read-only media and files we may not
// write open in read-only mode, RAM disks lose their content at power-off.
#include <string>

enum TDriveKind : int {
  dkRemovable = 0,
  dkFixed = 1,
  dkNetwork = 2,
  dkCDROM = 3,      // also: read-only mounts and files we have no write permission for
  dkRAMDisk = 4,
  dkUnknown = 5,
  dkNoRoot = -1,    // the folder does not exist
};

// Kind of the file system holding Path (an existing file or folder).
TDriveKind DriveKindOf(const std::string& Path);
// Kind for a book file: as DriveKindOf, and dkCDROM when the file exists but cannot be opened
// for writing.
TDriveKind BookFileDriveKind(const std::string& FileName);
// The folder holding Path can be reached.
bool DriveReady(const std::string& Path);
