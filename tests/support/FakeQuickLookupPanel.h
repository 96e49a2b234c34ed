#pragma once

#include "capture/QuickLookupPanel.h"

#include <QStringList>

// Counts openings and writes "quickLookup.show" to the shared journal.
class FakeQuickLookupPanel final : public QuickLookupPanel
{
public:
    explicit FakeQuickLookupPanel(QStringList* journal = nullptr)
        : m_journal(journal)
    {
    }

    void show() override
    {
        ++showCount;
        if (m_journal)
            m_journal->append(QStringLiteral("quickLookup.show"));
    }

    int showCount = 0;

private:
    QStringList* m_journal;
};
