#pragma once
// Results of the compound-file engine. Every call returns one of these as a value; nothing throws.
// The names follow the storage conditions the file manager turns into its retry texts.

#include <cstdint>

namespace cfb {

enum class Result : std::uint8_t {
    Ok = 0,
    AccessDenied,        // EACCES/EPERM, the file is locked by another opener, write on a read-only open
    FileNotFound,        // ENOENT/ENOTDIR on open
    NotCompoundFile,     // bad signature/version, damaged tables or directory (cycles, out-of-range sectors, ...)
    ElementNotFound,     // no stream/storage of that name in the storage
    InsufficientMemory,  // ENOMEM, allocation failure
    WriteProtected,      // EROFS
    WriteFault,          // EIO (and other errors) while writing or syncing
    ReadFault,           // EIO while reading, a stream whose chain is damaged when read
    MediumFull,          // ENOSPC, EDQUOT, EFBIG
    CannotSave,          // an earlier write failed half-way; the open file must be released and reopened
    AlreadyExists,       // rename to a name in use; create of a storage where a stream of that name exists
    InvalidName,         // empty, longer than 31 UTF-16 units, or contains '/', '\\', ':' or '!'
    InvalidArgument,     // seek before the start, size beyond the format's limit, handle not valid
    Other,
};

// A short English name for logs and test output ("access denied", ...). Not a user message.
const char* resultName(Result r);

// Maps an errno value seen while reading (isWrite false) or writing (isWrite true) to a result.
Result resultFromErrno(int err, bool isWrite);

}  // namespace cfb
