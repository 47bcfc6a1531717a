// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

// Registers "grep -c -i -F text path" as a benchmark named name: the
// baseline the text searches are measured against. grep runs in the C
// locale, its fastest setting, so the baseline is the stricter one. fastest
// keeps the quickest run in seconds; with expectedCount given, a run that
// counts another number of lines is an error.
void RegisterGrepCount(const std::string& name, const QString& path, const QByteArray& text,
                       double& fastest, const QByteArray& expectedCount = {});
