#include "capture/AccessibilityDesktop.h"
#include "capture/AccessibleNode.h"
#include "capture/DesktopSelectionCapture.h"
#include "platform/PrimarySelection.h"
#include "platform/atspi/AtspiDesktop.h"
#include "support/Waits.h"

#include <QApplication>
#include <QClipboard>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace {

class Node : public AccessibleNode
{
public:
    std::optional<Selection> selected;
    std::optional<QRectF> selectionBox;
    bool secret = false;
    std::shared_ptr<Node> up;

    QString key() const override { return QString::number(quintptr(this)); }
    bool isSecret() const override { return secret; }
    std::optional<OwnText> ownText() const override { return std::nullopt; }
    std::vector<std::shared_ptr<AccessibleNode>> children() const override { return {}; }
    std::shared_ptr<AccessibleNode> parent() const override { return up; }
    std::optional<QRectF> frame() const override { return std::nullopt; }
    std::optional<qsizetype> offsetAtPoint(QPointF) const override { return std::nullopt; }
    std::optional<QRectF> boundsForRange(qsizetype, qsizetype) const override { return selectionBox; }
    std::optional<Selection> selection() const override { return selected; }
};

class Desktop : public AccessibilityDesktop
{
public:
    std::shared_ptr<Node> hit;
    QPointF pointer() const override { return { 10, 10 }; }
    std::shared_ptr<AccessibleNode> elementAt(QPointF) override { return hit; }
    double pixelRatioAt(QPointF) const override { return 1; }
    std::optional<QRectF> screenAt(QPointF) const override { return QRectF(0, 0, 1000, 800); }
};

class Primary : public PrimarySelection
{
public:
    std::optional<QString> text;
    int reads = 0;
    QCoro::Task<std::optional<QString>> read() override
    {
        ++reads;
        co_return text;
    }
};

// A chain of `depth` empty ancestors above the hit element, the selection on the top one.
std::shared_ptr<Node> chain(int depth, const QString& selected)
{
    auto top = std::make_shared<Node>();
    top->selected = AccessibleNode::Selection { selected, 0, selected.size() };
    std::shared_ptr<Node> node = top;
    for (int i = 0; i < depth; ++i) {
        auto child = std::make_shared<Node>();
        child->up = node;
        node = child;
    }
    return node;
}

} // namespace

class TestSelectionCapture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paths_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QRectF>("box");
        QTest::addColumn<bool>("secret");
        QTest::addColumn<QString>("primary");
        QTest::addColumn<QString>("expected"); // "" = nothing
        QTest::addColumn<int>("primaryReads");
        QTest::newRow("on the element") << 0 << "  hola mundo \n"
                                        << QRectF(0, 0, 90, 20) << false << "x"
                                        << "hola mundo" << 0;
        QTest::newRow("five levels up") << 5 << "arriba" << QRectF() << false << "x"
                                        << "arriba" << 0;
        QTest::newRow("six levels up is too far") << 6 << "arriba" << QRectF() << false << "  de PRIMARY "
                                                  << "de PRIMARY" << 1;
        QTest::newRow("blank selection") << 0 << " \n\t " << QRectF() << false << ""
                                         << "" << 1;
        QTest::newRow("oversized bounds") << 0 << "todo" << QRectF(0, 0, 1600, 20) << false << "otra"
                                          << "otra" << 1;
        QTest::newRow("tall but plausible") << 0 << "todo" << QRectF(0, 0, 1400, 1100) << false << "otra"
                                            << "todo" << 0;
        QTest::newRow("password field") << 0 << "hunter2" << QRectF() << true << ""
                                        << "" << 1;
        QTest::newRow("nothing anywhere") << 0 << "" << QRectF() << false << ""
                                          << "" << 1;
    }

    void paths()
    {
        QFETCH(int, depth);
        QFETCH(QString, selected);
        QFETCH(QRectF, box);
        QFETCH(bool, secret);
        QFETCH(QString, primary);
        QFETCH(QString, expected);
        QFETCH(int, primaryReads);
        Desktop desktop;
        desktop.hit = chain(depth, selected);
        desktop.hit->secret = secret;
        std::shared_ptr<Node> top = desktop.hit;
        while (top->up)
            top = top->up;
        if (box.isValid())
            top->selectionBox = box;
        Primary source;
        if (!primary.isEmpty())
            source.text = primary;
        DesktopSelectionCapture capture(desktop, source);
        const auto result = Waits::waitFor(capture.captureSelectedText());
        QVERIFY(result);
        QCOMPARE(result->value_or(QString()), expected);
        QCOMPARE(source.reads, primaryReads);
    }

    void primarySelectionOfTheDesktop()
    {
        if (qgetenv("DISPLAY").isEmpty())
            QSKIP("needs an X display");
        auto primary = PrimarySelection::createX11();
        QApplication::clipboard()->setText(QStringLiteral("  Buenos días, ¿qué tal?  "), QClipboard::Selection);
        const auto text = Waits::waitFor(primary->read());
        QVERIFY(text);
        QCOMPARE(text->value_or(QString()), QStringLiteral("  Buenos días, ¿qué tal?  "));
        QApplication::clipboard()->clear(QClipboard::Selection);
        QTRY_VERIFY(QApplication::clipboard()->text(QClipboard::Selection).isEmpty());
        const auto none = Waits::waitFor(primary->read());
        QVERIFY(none);
        QVERIFY(!none->has_value() || (*none)->isEmpty());
    }

    void selectionInAGtkLabel()
    {
        if (qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty())
            QSKIP("needs the test desktop (scripts/test)");
        const QJsonObject setup { { "x", 200 }, { "y", 300 }, { "selectable", true },
            { "lines", QJsonArray { "Selected words are looked up as a whole." } },
            { "words", QJsonArray { QJsonValue(QJsonArray { 0, "words", 0 }) } },
            { "select", QJsonArray { 0, 9, 25 } } };
        QProcess window;
        window.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        window.start(QStringLiteral("/usr/bin/python3"),
            { QString::fromUtf8(qgetenv("QM_SOURCE_DIR")) + QStringLiteral("/tests/capture/gtk_text_window.py"),
                QString::fromUtf8(QJsonDocument(setup).toJson(QJsonDocument::Compact)) });
        QVERIFY(window.waitForStarted(5000));
        QVERIFY(window.waitForReadyRead(15000));
        const QJsonArray point = QJsonDocument::fromJson(window.readLine())
                                     .object()
                                     .value(QStringLiteral("points"))
                                     .toArray()
                                     .first()
                                     .toArray();
        QTest::qWait(300);
        AtspiDesktop desktop;
        auto primary = PrimarySelection::createX11();
        DesktopSelectionCapture capture(desktop, *primary);
        QCOMPARE(capture.selectionViaAccessibility(QPointF(point.at(0).toDouble(), point.at(1).toDouble())),
            QStringLiteral("words are looked"));
        window.kill();
        window.waitForFinished();
    }
};

QTEST_MAIN(TestSelectionCapture)
#include "TestSelectionCapture.moc"
