#include "app/AccessibilityPrompt.h"
#include "platform/AccessibilityTrust.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusVariant>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

std::optional<bool> busEnabled()
{
    QDBusInterface properties(
        u"org.a11y.Bus"_s, u"/org/a11y/bus"_s, u"org.freedesktop.DBus.Properties"_s, QDBusConnection::sessionBus());
    const QDBusReply<QDBusVariant> reply = properties.call(u"Get"_s, u"org.a11y.Status"_s, u"IsEnabled"_s);
    if (!reply.isValid())
        return std::nullopt;
    return reply.value().variant().toBool();
}

void setBusEnabled(bool on)
{
    QDBusInterface properties(
        u"org.a11y.Bus"_s, u"/org/a11y/bus"_s, u"org.freedesktop.DBus.Properties"_s, QDBusConnection::sessionBus());
    properties.call(u"Set"_s, u"org.a11y.Status"_s, u"IsEnabled"_s, QVariant::fromValue(QDBusVariant(on)));
}

class CountingTrust : public AccessibilityTrust
{
public:
    bool succeeds = true;
    int enables = 0;
    bool isTrusted(bool) override { return false; }
    bool enable() override
    {
        ++enables;
        return succeeds;
    }
};

QMessageBox* topLevelBox(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible())
            return qobject_cast<QMessageBox*>(widget);
    }
    return nullptr;
}

} // namespace

// The accessibility switch on the test desktop's own bus; whatever a test changes is put back.
class TestAccessibilityTrust : public QObject
{
    Q_OBJECT

private:
    std::optional<bool> m_original;

private Q_SLOTS:
    void initTestCase()
    {
        // GNOME's switch goes to a throw-away settings backend, never the machine's.
        qputenv("GSETTINGS_BACKEND", "memory");
        m_original = busEnabled();
        if (!m_original)
            QSKIP("needs the accessibility bus of the test desktop (scripts/test)");
    }
    void cleanupTestCase()
    {
        if (m_original)
            setBusEnabled(*m_original);
    }

    void offThenSwitchedOn()
    {
        auto trust = AccessibilityTrust::createDefault();
        int prompts = 0;
        trust->setPrompter([&] { ++prompts; });
        setBusEnabled(false);
        QVERIFY(!trust->isTrusted(false));
        QCOMPARE(prompts, 0);
        QVERIFY(!trust->isTrusted(true));
        QCOMPARE(prompts, 1);
        QVERIFY(trust->enable());
        QCOMPARE(busEnabled(), std::optional<bool>(true));
        QVERIFY(trust->isTrusted(true));
        QCOMPARE(prompts, 1); // no question once it is on
    }

    void promptSwitchesOnOnlyWhenAsked()
    {
        CountingTrust trust;
        QMessageBox* box = AccessibilityPrompt::show(trust);
        QVERIFY(box->isVisible());
        box->findChild<QPushButton*>(u"notNow"_s)->click();
        QCOMPARE(trust.enables, 0);

        trust.succeeds = false;
        box = AccessibilityPrompt::show(trust);
        box->findChild<QPushButton*>(u"enableAccessibility"_s)->click();
        QCOMPARE(trust.enables, 1);
        QTRY_VERIFY(topLevelBox(u"accessibilityFailure"_s));
        topLevelBox(u"accessibilityFailure"_s)->close();
    }
};

QTEST_MAIN(TestAccessibilityTrust)
#include "TestAccessibilityTrust.moc"
