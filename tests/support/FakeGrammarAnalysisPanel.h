#pragma once

#include "capture/GrammarAnalysisPanel.h"

#include <QList>
#include <QStringList>

// Records the sentences and points it was shown with; writes "grammar.show sentence".
class FakeGrammarAnalysisPanel final : public GrammarAnalysisPanel
{
public:
    struct Shown
    {
        QString sentence;
        LogicalPoint near;
    };

    explicit FakeGrammarAnalysisPanel(QStringList* journal = nullptr)
        : m_journal(journal)
    {
    }

    void show(const QString& sentence, LogicalPoint near) override
    {
        shown.append(Shown { sentence, near });
        if (m_journal)
            m_journal->append(QStringLiteral("grammar.show ") + sentence);
    }

    QList<Shown> shown;

private:
    QStringList* m_journal;
};
