// SPDX-License-Identifier: GPL-2.0-or-later
#include "BuilderLibrary.h"

#include <QCoreApplication>
#include <QDir>

#include "vtbl.h"

ValidationTable::Builder BuilderLibrary()
{
    return [](const QByteArray& folder) { BuildValDtaFile(folder.constData()); };
}

QString ProgramFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + u'/');
}
