// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// The names the editor and the tool both run under: they name the user's
// data folder, where both find the validation table the builder wrote.
namespace ProgramNames {
inline const QString Organization = QStringLiteral("Marrowfield Software");
inline const QString Application = QStringLiteral("Quorvale Question Editor 3");
} // namespace ProgramNames
