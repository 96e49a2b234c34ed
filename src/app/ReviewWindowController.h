#pragma once

#include "app/SectionWindowController.h"

class ReviewWindowController : public SectionWindowController
{
    Q_OBJECT
public:
    explicit ReviewWindowController(QObject* parent = nullptr);

    static QString title();
};
