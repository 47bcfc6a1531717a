// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#if defined(_WIN32) || defined(__CYGWIN__)
#ifdef vtbl_EXPORTS
#define VTBL_API __declspec(dllexport)
#else
#define VTBL_API __declspec(dllimport)
#endif
#else
#define VTBL_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Writes the verse validation table "qvedval.dta" into dir (UTF-8; a missing
// trailing separator is added). It never throws: if the folder cannot be
// written the function just returns, and the caller sees that no file exists.
VTBL_API void BuildValDtaFile(const char* dir);

#ifdef __cplusplus
}
#endif
