#include "settings/AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

QString AutostartEntry::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart/org.quillmoor.Quillmoor.desktop");
}

bool AutostartEntry::isEnabled()
{
    return QFileInfo::exists(filePath());
}

QByteArray AutostartEntry::contents(const QString& executable)
{
    // Exec takes a quoted path so that spaces and quotes in it survive. Inside the quotes `"`, `` ` ``,
    // `$` and `\` are escaped with a backslash; the value's own string escaping then doubles every
    // backslash, and `%` (a field code) is written `%%`.
    QString quoted;
    for (const QChar c : executable) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Quillmoor\n"
                          "Exec=\"%1\"\n"
                          "Icon=org.quillmoor.Quillmoor\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(quoted)
        .toUtf8();
}

bool AutostartEntry::setEnabled(bool enabled, const QString& executable)
{
    const QString path = filePath();
    if (!enabled)
        return !QFileInfo::exists(path) || QFile::remove(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(contents(executable));
    return file.commit();
}
