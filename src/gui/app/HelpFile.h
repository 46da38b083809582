#pragma once

#include <QString>

// The HTML manual's contents page: beside the program, in the installed share folder, or in
// the source tree the program was built from. Empty when none is there.
QString helpFilePath();
