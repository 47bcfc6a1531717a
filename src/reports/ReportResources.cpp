// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReportResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used from the global namespace.
static void registerOnce()
{
    Q_INIT_RESOURCE(reports);
}

void RegisterReportResources()
{
    static const bool registered = (registerOnce(), true);
    Q_UNUSED(registered);
}
