#include "app/OnboardingWindowController.h"

#include "app/SectionWindow.h"

#include <QPointer>

OnboardingWindowController::OnboardingWindowController(const ViewFactory& makeView, QObject* parent)
    : SectionWindowController(AppSection::Onboarding, parent)
{
    auto window = std::make_unique<SectionWindow>(AppSection::Onboarding, [] { return QStringLiteral("Quillmoor"); });
    window->setObjectName(QStringLiteral("onboardingWindow"));
    QPointer<SectionWindow> held(window.get());
    window->setContentView(makeView ? makeView([held] {
        if (held)
            held->close();
    })
                                    : nullptr);
    window->resize(440, 560);
    // Fitted to its content: the guide's pages decide the size.
    window->adjustSize();
    window->setMinimumSize(window->sizeHint().expandedTo(QSize(440, 560)));
    // Queued: the finish action may open another section, which must not happen while this window
    // is still inside its own close.
    connect(
        window.get(), &SectionWindow::aboutToClose, this,
        [this] {
            if (m_onFinish)
                m_onFinish();
        },
        Qt::QueuedConnection);
    setWindow(std::move(window));
}
