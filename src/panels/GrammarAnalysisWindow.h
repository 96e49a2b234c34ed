#pragma once

#include "capture/GrammarAnalysisPanel.h"
#include "panels/GrammarAnalysisView.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class DesktopWindowManager;
struct GrammarAnalysisServices;

// The grammar analysis panel: a frameless window below and to the right of the pointer that takes
// the keyboard (Escape closes it) and hides when the user turns to another window. The same sentence
// under the same translation language shows the same content again, with its analysis.
class GrammarAnalysisWindow : public QObject, public GrammarAnalysisPanel
{
    Q_OBJECT
public:
    // `userTime`: the X server time of the key event that opened the panel (0 when unknown).
    GrammarAnalysisWindow(GrammarAnalysisServices& services, DesktopWindowManager& windows,
        std::function<quint64()> userTime, QObject* parent = nullptr);
    ~GrammarAnalysisWindow() override;

    void show(const QString& sentence, LogicalPoint near) override;
    void close();

    QWidget& window() const { return *m_window; }
    GrammarAnalysisView* view() const { return m_view; }

Q_SIGNALS:
    // The panel is on screen at its place (after every show and re-fit).
    void placed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString languageCode() const;
    void refitAndPlace();

    GrammarAnalysisServices& m_services;
    DesktopWindowManager& m_windows;
    std::function<quint64()> m_userTime;
    std::unique_ptr<QWidget> m_window;
    QPointer<GrammarAnalysisView> m_view;
    LogicalPoint m_anchor;
    std::optional<QString> m_lastShownSentence;
    std::optional<QString> m_lastShownLanguageCode;
    // Focus may arrive late, or never (a window manager that refuses it): the panel hides on losing
    // focus only after it has had it since it was shown.
    bool m_activeSinceShown = false;
};
