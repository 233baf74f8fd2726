#include "CfbResult.h"

#include <cerrno>

namespace cfb {

const char* resultName(Result r)
{
    switch (r) {
    case Result::Ok: return "ok";
    case Result::AccessDenied: return "access denied";
    case Result::FileNotFound: return "file not found";
    case Result::NotCompoundFile: return "not a compound file";
    case Result::ElementNotFound: return "element not found";
    case Result::InsufficientMemory: return "insufficient memory";
    case Result::WriteProtected: return "write-protected";
    case Result::WriteFault: return "write fault";
    case Result::ReadFault: return "read fault";
    case Result::MediumFull: return "medium full";
    case Result::CannotSave: return "cannot save";
    case Result::AlreadyExists: return "already exists";
    case Result::InvalidName: return "invalid name";
    case Result::InvalidArgument: return "invalid argument";
    case Result::Other: return "other";
    }
    return "other";
}

Result resultFromErrno(int err, bool isWrite)
{
    switch (err) {
    case 0: return Result::Ok;
    case EACCES:
    case EPERM:
    case EWOULDBLOCK:
    case EISDIR:
    case ETXTBSY: return Result::AccessDenied;
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG: return Result::FileNotFound;
    case EROFS: return Result::WriteProtected;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return Result::MediumFull;
    case ENOMEM: return Result::InsufficientMemory;
    case EIO: return isWrite ? Result::WriteFault : Result::ReadFault;
    default: return isWrite ? Result::WriteFault : Result::Other;
    }
}

}  // namespace cfb
