// SPDX-License-Identifier: GPL-2.0-or-later
#include "IoErrorText.h"

#include <cerrno>

QString IOErrorText(int code)
{
    switch (code) {
    case 0: return QStringLiteral("No Error");
    case 1: return QStringLiteral("System error - report to programmer");
    case 2: return QStringLiteral("File not found");
    case 3: return QStringLiteral("Path not found");
    case 4: return QStringLiteral("Too many open files");
    case 5: return QStringLiteral("Write protected or already exists");
    case 6: return QStringLiteral("Invalid File Handle");
    case 12: return QStringLiteral("Invalid File Access Code");
    case 15: return QStringLiteral("Invalid Drive Number");
    case 16: return QStringLiteral("Cannot remove current directory");
    case 17: return QStringLiteral("Cannot rename across drives");
    case 100: return QStringLiteral("Disk read error");
    case 101: return QStringLiteral("Disk write error");
    case 102: return QStringLiteral("File not assigned");
    case 103: return QStringLiteral("File not open");
    case 104: return QStringLiteral("File not open for output");
    case 106: return QStringLiteral("Invalid numeric format");
    case 150: return QStringLiteral("Disk is write protected");
    case 151: return QStringLiteral("Unknown unit");
    case 152: return QStringLiteral("Drive not ready");
    case 153: return QStringLiteral("Unknown command");
    case 154: return QStringLiteral("CRC error is data");
    case 155: return QStringLiteral("Bad drive request structure length");
    case 156: return QStringLiteral("Disk seek error");
    case 157: return QStringLiteral("Unknown media type");
    case 158: return QStringLiteral("Sector not found");
    case 159: return QStringLiteral("Printer out of paper");
    case 160: return QStringLiteral("Device write fault");
    case 161: return QStringLiteral("Device read fault");
    case 162: return QStringLiteral("Hardware failure or file in use");
    default: return QStringLiteral("Unknown I/O failure");
    }
}

int IoErrorCodeFromErrno(int error, bool opening)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return IoError::PathNotFound;
    case EMFILE:
    case ENFILE:
        return IoError::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EEXIST:
    case EISDIR:
    case ETXTBSY:
        return IoError::AccessDenied;
    case EROFS:
        return IoError::DiskWriteProtected;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
    case EIO:
        return IoError::DiskWriteError;
    default:
        return opening ? IoError::AccessDenied : IoError::DiskWriteError;
    }
}
