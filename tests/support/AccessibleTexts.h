#pragma once

#include <QStringList>

// What a screen reader reads of this process's showing windows (accessible names and texts),
// read over the AT-SPI bus by another process while this one keeps answering its requests.
QStringList accessibleTextsOfThisProcess();
