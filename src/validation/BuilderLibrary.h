// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ValidationTable.h"

// The builder library linked into the programs, which writes the validation
// table file when it is missing.
ValidationTable::Builder BuilderLibrary();

// The folder of the running program, with its final separator: where the
// validation table file lives.
QString ProgramFolder();
