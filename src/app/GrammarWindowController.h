#pragma once

#include "app/SectionWindowController.h"

class GrammarWindowController : public SectionWindowController
{
    Q_OBJECT
public:
    explicit GrammarWindowController(QObject* parent = nullptr);

    static QString title();
};
