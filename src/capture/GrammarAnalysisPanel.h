#pragma once

#include "capture/LogicalPoint.h"

#include <QString>

// The panel that corrects a sentence and explains its grammar.
class GrammarAnalysisPanel
{
public:
    virtual ~GrammarAnalysisPanel() = default;

    virtual void show(const QString& sentence, LogicalPoint near) = 0;
};
