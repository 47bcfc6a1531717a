// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What an imported question takes when its source says nothing.
struct ImportDefaults
{
    int book = -1;                   // book table index, -1 none
    int level = -1;                  // 0 Single .. 3 Home Run, -1 none
    bool replaceUnsupported = false; // replace characters Windows-1252 cannot hold
};
