// SPDX-License-Identifier: GPL-2.0-or-later
#include "IoErrorText.h"

#include <cerrno>

#include <QCoreApplication>

QString IOErrorText(int code)
{
    switch (code) {
    case 0:
        return QCoreApplication::translate("IoErrorText", "No Error");
    case 1:
        return QCoreApplication::translate("IoErrorText", "System error - report to programmer");
    case 2:
        return QCoreApplication::translate("IoErrorText", "File not found");
    case 3:
        return QCoreApplication::translate("IoErrorText", "Path not found");
    case 4:
        return QCoreApplication::translate("IoErrorText", "Too many open files");
    case 5:
        return QCoreApplication::translate("IoErrorText", "Write protected or already exists");
    case 6:
        return QCoreApplication::translate("IoErrorText", "Invalid File Handle");
    case 12:
        return QCoreApplication::translate("IoErrorText", "Invalid File Access Code");
    case 15:
        return QCoreApplication::translate("IoErrorText", "Invalid Drive Number");
    case 16:
        return QCoreApplication::translate("IoErrorText", "Cannot remove current directory");
    case 17:
        return QCoreApplication::translate("IoErrorText", "Cannot rename across drives");
    case 100:
        return QCoreApplication::translate("IoErrorText", "Disk read error");
    case 101:
        return QCoreApplication::translate("IoErrorText", "Disk write error");
    case 102:
        return QCoreApplication::translate("IoErrorText", "File not assigned");
    case 103:
        return QCoreApplication::translate("IoErrorText", "File not open");
    case 104:
        return QCoreApplication::translate("IoErrorText", "File not open for output");
    case 106:
        return QCoreApplication::translate("IoErrorText", "Invalid numeric format");
    case 150:
        return QCoreApplication::translate("IoErrorText", "Disk is write protected");
    case 151:
        return QCoreApplication::translate("IoErrorText", "Unknown unit");
    case 152:
        return QCoreApplication::translate("IoErrorText", "Drive not ready");
    case 153:
        return QCoreApplication::translate("IoErrorText", "Unknown command");
    case 154:
        return QCoreApplication::translate("IoErrorText", "CRC error is data");
    case 155:
        return QCoreApplication::translate("IoErrorText", "Bad drive request structure length");
    case 156:
        return QCoreApplication::translate("IoErrorText", "Disk seek error");
    case 157:
        return QCoreApplication::translate("IoErrorText", "Unknown media type");
    case 158:
        return QCoreApplication::translate("IoErrorText", "Sector not found");
    case 159:
        return QCoreApplication::translate("IoErrorText", "Printer out of paper");
    case 160:
        return QCoreApplication::translate("IoErrorText", "Device write fault");
    case 161:
        return QCoreApplication::translate("IoErrorText", "Device read fault");
    case 162:
        return QCoreApplication::translate("IoErrorText", "Hardware failure or file in use");
    default:
        return QCoreApplication::translate("IoErrorText", "Unknown I/O failure");
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
