// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Makes the report library's pictures (the logo, the setup's buttons)
// available as resources. A static library's resources are not registered
// by themselves; calling this more than once does no harm.
void RegisterReportResources();
