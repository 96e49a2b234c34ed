#include "platform/SystemJournal.h"

#include <QFileInfo>

#include <sys/stat.h>
#include <systemd/sd-journal.h>

namespace {

class SdJournal final : public SystemJournal
{
public:
    bool isAvailable() const override { return true; }

    void write(int priority, const QString& category, const QString& message) override
    {
        const QByteArray text = message.toUtf8();
        const QByteArray cat = category.toUtf8();
        sd_journal_send("MESSAGE=%s", text.constData(), "PRIORITY=%d", priority, "SYSLOG_IDENTIFIER=quillmoor",
            "QT_CATEGORY=%s", cat.constData(), "QUILLMOOR_SUBSYSTEM=org.quillmoor.Quillmoor", nullptr);
    }
};

} // namespace

bool SystemJournal::stderrIsJournal()
{
    const QByteArray stream = qgetenv("JOURNAL_STREAM");
    const QList<QByteArray> parts = stream.split(':');
    struct stat status = {};
    if (parts.size() != 2 || ::fstat(2, &status) != 0)
        return false;
    bool deviceOk = false, inodeOk = false;
    const qulonglong device = parts[0].toULongLong(&deviceOk);
    const qulonglong inode = parts[1].toULongLong(&inodeOk);
    return deviceOk && inodeOk && device == status.st_dev && inode == status.st_ino;
}

std::unique_ptr<SystemJournal> SystemJournal::createDefault()
{
    if (stderrIsJournal())
        return nullptr;
    // Without journald (containers, minimal desktops) sending would only fail quietly.
    if (!QFileInfo::exists(QStringLiteral("/run/systemd/journal/socket")))
        return nullptr;
    return std::make_unique<SdJournal>();
}
