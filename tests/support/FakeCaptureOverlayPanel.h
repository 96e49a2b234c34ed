#pragma once

#include "capture/CaptureOverlayPanel.h"

#include <QList>
#include <QStringList>

// Records what the flows asked of the lookup panel. Each call is also written to the shared
// journal as "overlay.show word|sentence|selection" or "overlay.hide", so a test can check
// the order of calls across panels.
class FakeCaptureOverlayPanel final : public CaptureOverlayPanel
{
public:
    struct Shown
    {
        QString word;
        QString sentence;
        LogicalPoint near;
        bool isSelection = false;
    };

    explicit FakeCaptureOverlayPanel(QStringList* journal = nullptr)
        : m_journal(journal)
    {
    }

    void show(const QString& word, const QString& sentence, LogicalPoint near, bool isSelection) override
    {
        shown.append(Shown { word, sentence, near, isSelection });
        visible = true;
        write(QStringLiteral("overlay.show %1|%2|%3").arg(word, sentence, isSelection ? "selection" : "word"));
    }
    void hide() override
    {
        ++hideCount;
        visible = false;
        write(QStringLiteral("overlay.hide"));
    }
    bool isHovering() const override { return hovering; }

    QList<Shown> shown;
    int hideCount = 0;
    bool visible = false;
    bool hovering = false;

private:
    void write(const QString& line)
    {
        if (m_journal)
            m_journal->append(line);
    }
    QStringList* m_journal;
};
