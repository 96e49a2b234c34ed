#include "platform/SystemJournal.h"

#include <QFileInfo>

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

std::unique_ptr<SystemJournal> SystemJournal::createDefault()
{
    // Without journald (containers, minimal desktops) sending would only fail quietly.
    if (!QFileInfo::exists(QStringLiteral("/run/systemd/journal/socket")))
        return nullptr;
    return std::make_unique<SdJournal>();
}
