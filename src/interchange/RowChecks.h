// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ImportRow.h"
#include "ImportedQuestion.h"

#include <QList>

class ImportRowChecker;

// Every row of a source through the checker, in blocks side by side on the
// thread pool; the outcomes keep the rows' order.
class RowChecks
{
public:
    static QList<ImportedQuestion> checkAll(const QList<ImportRow>& rows,
                                            const ImportRowChecker& checker);
};
