#include "app/SessionCheck.h"

#include <QGuiApplication>

bool SessionCheck::isWayland(const QString& sessionType, const QString& platformName)
{
    // Qt on XWayland still reports xcb, so the session type decides.
    return platformName.startsWith(QLatin1String("wayland"))
        || sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0;
}

bool SessionCheck::isWaylandSession()
{
    return isWayland(qEnvironmentVariable("XDG_SESSION_TYPE"), QGuiApplication::platformName());
}

QString SessionCheck::waylandNotice()
{
    return tr("Quillmoor работает в сеансах X11. В сеансе Wayland сочетания клавиш и захват слов под "
              "указателем недоступны; окна приложения работают как обычно. Чтобы пользоваться "
              "Quillmoor полностью, войдите в сеанс Xorg.");
}
