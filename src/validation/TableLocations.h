// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// The folders the validation table is looked for in, in order: beside the
// programs (so a portable folder keeps working), the installed data folder
// (the install step builds the table there), and the user's own data folder,
// where the builder writes it when none is found. The programs may not be
// allowed to write beside themselves, so a rebuild goes to the first folder
// that can be written in.
class TableLocations
{
public:
    // Folders end with their separator; the last one is the user's own and
    // is made when it is needed.
    explicit TableLocations(QStringList folders);

    // The folders of the running program. The application and organisation
    // names must be set first: they name the user's data folder.
    static TableLocations standard();

    const QStringList& folders() const { return m_folders; }

    // The first folder holding the table; when none does, the user's folder,
    // for the builder to write the table in.
    QString lookupFolder() const;
    // The first folder the table can be written in; empty when there is none.
    QString rebuildFolder() const;

private:
    bool writable(int index) const;

    QStringList m_folders;
};
