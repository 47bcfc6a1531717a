// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ImportedQuestion.h"

#include <QString>

// One question of the import preview: what checking it gave, and its texts
// as the preview shows them (the line's when it has one, else the source's).
struct ImportPreviewEntry
{
    ImportedQuestion outcome;
    QString reference;
    QString question;
    QString answers;
};
