#include "platform/PlatformBackends.h"

#include "platform/AccessibilityTrust.h"
#include "platform/DesktopWindowManager.h"
#include "platform/GlobalKeyMonitor.h"
#include "platform/LanguageRecognizer.h"
#include "platform/MailComposer.h"
#include "platform/NotificationCenter.h"
#include "platform/PrimarySelection.h"
#include "platform/ScreenGrabber.h"
#include "platform/SleepWatcher.h"
#include "platform/atspi/AtspiDesktop.h"
#include "platform/espeak/EspeakSpeechSynthesizer.h"
#include "platform/tesseract/TesseractRecognizer.h"

#include <QGuiApplication>

PlatformBackends::Session PlatformBackends::sessionKind(
    const QString& sessionType, const QString& platformName, bool hasDisplay)
{
    if (platformName.startsWith(QLatin1String("wayland"))
        || sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0)
        return Session::Wayland;
    return hasDisplay ? Session::X11 : Session::None;
}

std::unique_ptr<PlatformBackends> PlatformBackends::create()
{
    const Session session = sessionKind(qEnvironmentVariable("XDG_SESSION_TYPE"), QGuiApplication::platformName(),
        !qEnvironmentVariableIsEmpty("DISPLAY"));
    return std::unique_ptr<PlatformBackends>(new PlatformBackends(session));
}

PlatformBackends::PlatformBackends(Session session)
    : m_session(session)
    , m_trust(AccessibilityTrust::createDefault())
    , m_languageRecognizer(LanguageRecognizer::createDefault())
    , m_speech(std::make_unique<EspeakSpeechSynthesizer>())
    , m_notifications(NotificationCenter::createDefault())
    , m_sleepWatcher(SleepWatcher::createDefault())
{
    if (session != Session::X11)
        return;
    m_accessibility = std::make_unique<AtspiDesktop>();
    m_primarySelection = PrimarySelection::createX11();
    m_screenGrabber = ScreenGrabber::createX11();
    m_textRecognizer = std::make_unique<TesseractRecognizer>();
    m_windowManager = DesktopWindowManager::createDefault();
}

PlatformBackends::~PlatformBackends() = default;

std::unique_ptr<MailComposer> PlatformBackends::createMailComposer() const
{
    return MailComposer::createDefault();
}

std::unique_ptr<GlobalKeyMonitor> PlatformBackends::createKeyMonitor() const
{
    return m_session == Session::X11 ? GlobalKeyMonitor::createX11() : nullptr;
}
