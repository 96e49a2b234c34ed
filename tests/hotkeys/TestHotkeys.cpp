#include "hotkeys/HotkeyCombo.h"
#include "hotkeys/HotkeyEventRouter.h"
#include "platform/GlobalKeyMonitor.h"
#include "hotkeys/HotkeyFormatter.h"
#include "hotkeys/HotkeyManager.h"
#include "hotkeys/HotkeyMatcher.h"
#include "hotkeys/VirtualKeyCodes.h"
#include "preferences/DefaultsStore.h"
#include "support/TempXdgHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

constexpr quint32 kShift = HotkeyCombo::Shift;
constexpr quint32 kCtrl = HotkeyCombo::Control;
constexpr quint32 kAlt = HotkeyCombo::Alt;
constexpr quint32 kSuper = HotkeyCombo::Super;

HotkeyCombo modifiersOnly(quint32 modifiers)
{
    HotkeyCombo combo;
    combo.modifiers = modifiers;
    return combo;
}

HotkeyCombo keyed(quint32 modifiers, quint16 key, const QString& label)
{
    HotkeyCombo combo;
    combo.modifiers = modifiers;
    combo.keyCode = key;
    combo.keyLabel = label;
    return combo;
}

HotkeyAction actionNamed(const QString& id)
{
    for (HotkeyAction action : HotkeyActionIds::kAll) {
        if (HotkeyActionIds::id(action) == id)
            return action;
    }
    qFatal("no action %s", qPrintable(id));
}

void registerLinuxDefaults(HotkeyManager& manager)
{
    manager.registerAction(HotkeyAction::Word, QStringLiteral("w"), std::nullopt, modifiersOnly(kAlt));
    manager.registerAction(HotkeyAction::Selection, QStringLiteral("s"), std::nullopt,
                           modifiersOnly(kCtrl | kAlt));
    manager.registerAction(HotkeyAction::QuickLookup, QStringLiteral("q"), std::nullopt,
                           modifiersOnly(kSuper | kShift));
    manager.registerAction(HotkeyAction::GrammarAnalysis, QStringLiteral("g"), std::nullopt,
                           modifiersOnly(kCtrl | kAlt | kShift));
}

} // namespace

class TestHotkeys : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempXdgHome> m_home;

private Q_SLOTS:
    void init() { m_home = std::make_unique<TempXdgHome>(); }
    void cleanup() { m_home.reset(); }

    void keycodeToVirtualKey_data()
    {
        QTest::addColumn<int>("xKeycode");
        QTest::addColumn<int>("virtualKey");
        QTest::newRow("A") << 38 << 0;
        QTest::newRow("S") << 39 << 1;
        QTest::newRow("D") << 40 << 2;
        QTest::newRow("Z") << 52 << 6;
        QTest::newRow("Q") << 24 << 12;
        QTest::newRow("1") << 10 << 18;
        QTest::newRow("5") << 14 << 23;
        QTest::newRow("6") << 15 << 22;
        QTest::newRow("0") << 19 << 29;
        QTest::newRow("Return") << 36 << 36;
        QTest::newRow("Tab") << 23 << 48;
        QTest::newRow("Space") << 65 << 49;
        QTest::newRow("BackSpace") << 22 << 51;
        QTest::newRow("Escape") << 9 << 53;
        QTest::newRow("KP_Enter") << 104 << 76;
        QTest::newRow("Left") << 113 << 123;
        QTest::newRow("Right") << 114 << 124;
        QTest::newRow("Down") << 116 << 125;
        QTest::newRow("Up") << 111 << 126;
        QTest::newRow("F1") << 67 << 122;
        QTest::newRow("F2") << 68 << 120;
        QTest::newRow("F3") << 69 << 99;
        QTest::newRow("F4") << 70 << 118;
        QTest::newRow("F5") << 71 << 96;
        QTest::newRow("F10") << 76 << 109;
        QTest::newRow("F11") << 95 << 103;
        QTest::newRow("F12") << 96 << 111;
        QTest::newRow("Home") << 110 << 115;
        QTest::newRow("End") << 115 << 119;
        QTest::newRow("Prior") << 112 << 116;
        QTest::newRow("Next") << 117 << 121;
        QTest::newRow("Delete") << 119 << 117;
        QTest::newRow("unknown keycode uses the private range") << 250 << (0x1000 + 250);
    }
    void keycodeToVirtualKey()
    {
        QFETCH(int, xKeycode);
        QFETCH(int, virtualKey);
        QCOMPARE(VirtualKeyCodes::fromXKeycode(xKeycode), std::optional<quint16>(quint16(virtualKey)));
        QCOMPARE(VirtualKeyCodes::toXKeycode(quint16(virtualKey)), std::optional<int>(xKeycode));
    }

    void keycodeTableIsOneToOne()
    {
        QSet<quint16> seen;
        for (int x = 8; x <= 255; ++x) {
            const auto vk = VirtualKeyCodes::fromXKeycode(x);
            QVERIFY(vk.has_value());
            QVERIFY2(!seen.contains(*vk), qPrintable(QStringLiteral("keycode %1").arg(x)));
            seen.insert(*vk);
            QCOMPARE(VirtualKeyCodes::toXKeycode(*vk), std::optional<int>(x));
        }
        QCOMPARE(VirtualKeyCodes::fromXKeycode(7), std::nullopt);
        QCOMPARE(VirtualKeyCodes::fromXKeycode(256), std::nullopt);
    }

    void keyLabelUnderLayouts_data()
    {
        QTest::addColumn<int>("xKeycode");
        QTest::addColumn<QString>("layoutText");
        QTest::addColumn<QString>("expected");
        QTest::newRow("latin a") << 38 << QStringLiteral("a") << QStringLiteral("A");
        QTest::newRow("cyrillic ef on A") << 38 << QStringLiteral("\u0444") << QStringLiteral("\u0424");
        QTest::newRow("latin q") << 24 << QStringLiteral("q") << QStringLiteral("Q");
        QTest::newRow("cyrillic short i on Q") << 24 << QStringLiteral("\u0439") << QStringLiteral("\u0419");
        QTest::newRow("latin comma") << 59 << QStringLiteral(",") << QStringLiteral(",");
        QTest::newRow("cyrillic be on comma") << 59 << QStringLiteral("\u0431") << QStringLiteral("\u0411");
        QTest::newRow("F5 under latin") << 71 << QString() << QStringLiteral("F5");
        QTest::newRow("F5 under cyrillic") << 71 << QString() << QStringLiteral("F5");
        QTest::newRow("space ignores text") << 65 << QStringLiteral(" ") << QStringLiteral("Space");
        QTest::newRow("tab") << 23 << QStringLiteral("\t") << QStringLiteral("Tab");
        QTest::newRow("backspace") << 22 << QStringLiteral("\b") << QStringLiteral("\u232B");
        QTest::newRow("delete") << 119 << QStringLiteral("\x7f") << QStringLiteral("\u2326");
        QTest::newRow("up arrow") << 111 << QString() << QStringLiteral("\u2191");
        QTest::newRow("page down") << 117 << QString() << QStringLiteral("Page Down");
        QTest::newRow("control character falls back") << 36 << QStringLiteral("\r") << QStringLiteral("Key 36");
        QTest::newRow("escape falls back") << 9 << QStringLiteral("\x1b") << QStringLiteral("Key 53");
        QTest::newRow("zero width space falls back") << 38 << QStringLiteral("\u200b") << QStringLiteral("Key 0");
        QTest::newRow("no text falls back") << 38 << QString() << QStringLiteral("Key 0");
    }
    void keyLabelUnderLayouts()
    {
        QFETCH(int, xKeycode);
        QFETCH(QString, layoutText);
        QFETCH(QString, expected);
        const auto vk = VirtualKeyCodes::fromXKeycode(xKeycode);
        QVERIFY(vk.has_value());
        QCOMPARE(HotkeyFormatter::keyLabel(*vk, layoutText), expected);
    }

    void comboLabel_data()
    {
        QTest::addColumn<HotkeyCombo>("combo");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << HotkeyCombo{} << QString();
        QTest::newRow("alt") << modifiersOnly(kAlt) << QStringLiteral("Alt");
        QTest::newRow("order is not bit order") << modifiersOnly(kSuper | kShift | kAlt | kCtrl)
                                                << QStringLiteral("Ctrl+Alt+Shift+Super");
        QTest::newRow("super shift") << modifiersOnly(kSuper | kShift) << QStringLiteral("Shift+Super");
        QTest::newRow("keyed") << keyed(kCtrl | kAlt, 96, QStringLiteral("F5")) << QStringLiteral("Ctrl+Alt+F5");
        QTest::newRow("key alone") << keyed(0, 96, QStringLiteral("F5")) << QStringLiteral("F5");
        QTest::newRow("empty label left out") << keyed(kCtrl, 0, QString()) << QStringLiteral("Ctrl");
        HotkeyCombo noLabel;
        noLabel.modifiers = kShift;
        noLabel.keyCode = 0;
        QTest::newRow("absent label left out") << noLabel << QStringLiteral("Shift");
    }
    void comboLabel()
    {
        QFETCH(HotkeyCombo, combo);
        QFETCH(QString, expected);
        QCOMPARE(HotkeyFormatter::label(combo), expected);
    }

    void requiresModifier_data()
    {
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<bool>("required");
        QTest::newRow("Space") << 49 << true;
        QTest::newRow("A") << 0 << true;
        QTest::newRow("1") << 18 << true;
        QTest::newRow("comma") << 43 << true;
        QTest::newRow("Return") << 36 << true;
        QTest::newRow("private range") << 0x1000 + 250 << true;
        for (int code : {48, 51, 117, 123, 124, 125, 126, 115, 119, 116, 121, 122, 120, 99, 118, 96, 97,
                         98, 100, 101, 109, 103, 111})
            QTest::newRow(qPrintable(QStringLiteral("exempt %1").arg(code))) << code << false;
    }
    void requiresModifier()
    {
        QFETCH(int, keyCode);
        QFETCH(bool, required);
        QCOMPARE(HotkeyFormatter::requiresModifier(quint16(keyCode)), required);
    }

    void storedCombination_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<HotkeyCombo>("expected");
        const HotkeyCombo fallback = modifiersOnly(kAlt);
        QTest::newRow("absent") << QByteArray("{}") << fallback;
        QTest::newRow("modifier only") << QByteArray("{\"hotkey.word\": 393216}") << modifiersOnly(kCtrl | kShift);
        QTest::newRow("keyed") << QByteArray("{\"hotkey.word\": 786432, \"hotkey.word.keyCode\": 96, "
                                             "\"hotkey.word.keyLabel\": \"F5\"}")
                               << keyed(kCtrl | kAlt, 96, QStringLiteral("F5"));
        HotkeyCombo noLabel = modifiersOnly(kCtrl);
        noLabel.keyCode = 96;
        QTest::newRow("label of wrong type") << QByteArray("{\"hotkey.word\": 262144, \"hotkey.word.keyCode\": 96, "
                                                           "\"hotkey.word.keyLabel\": 5}")
                                             << noLabel;
        QTest::newRow("base of wrong type") << QByteArray("{\"hotkey.word\": \"262144\"}") << fallback;
        QTest::newRow("negative base") << QByteArray("{\"hotkey.word\": -1}") << fallback;
        QTest::newRow("fractional base") << QByteArray("{\"hotkey.word\": 2.5}") << fallback;
        QTest::newRow("stray bits masked") << QByteArray("{\"hotkey.word\": 459008}") << modifiersOnly(kCtrl | kShift);
        QTest::newRow("keyCode of wrong type") << QByteArray("{\"hotkey.word\": 262144, \"hotkey.word.keyCode\": \"96\"}")
                                               << modifiersOnly(kCtrl);
        QTest::newRow("keyCode above range") << QByteArray("{\"hotkey.word\": 262144, \"hotkey.word.keyCode\": 65536}")
                                             << modifiersOnly(kCtrl);
        QTest::newRow("keyCode below range") << QByteArray("{\"hotkey.word\": 262144, \"hotkey.word.keyCode\": -1}")
                                             << modifiersOnly(kCtrl);
        HotkeyCombo top = modifiersOnly(0);
        top.keyCode = 65535;
        QTest::newRow("keyCode at top of range") << QByteArray("{\"hotkey.word\": 0, \"hotkey.word.keyCode\": 65535}")
                                                 << top;
    }
    void storedCombination()
    {
        QFETCH(QByteArray, json);
        QFETCH(HotkeyCombo, expected);
        QDir().mkpath(QFileInfo(m_home->defaultsFile()).absolutePath());
        {
            QFile file(m_home->defaultsFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(json);
        }
        DefaultsStore store(m_home->defaultsFile());
        HotkeyManager manager(store);
        manager.registerAction(HotkeyAction::Word, QStringLiteral("t"), std::nullopt, modifiersOnly(kAlt));
        QCOMPARE(manager.combo(HotkeyAction::Word), expected);
        // Registration reads and never writes.
        QCOMPARE(m_home->defaultsFileObject(), QJsonDocument::fromJson(json).object());
    }

    void registrationNeverWrites()
    {
        DefaultsStore store(m_home->defaultsFile());
        HotkeyManager manager(store);
        QSignalSpy order(&manager, &HotkeyManager::actionsChanged);
        registerLinuxDefaults(manager);
        QCOMPARE(order.count(), 4);
        QCOMPARE(manager.actions(), (QList<HotkeyAction>{HotkeyAction::Word, HotkeyAction::Selection,
                                                         HotkeyAction::QuickLookup, HotkeyAction::GrammarAnalysis}));
        QVERIFY(!QFile::exists(m_home->defaultsFile()));
        QVERIFY(store.keys().isEmpty());

        // Registering again keeps the combination and the place, replaces the texts.
        manager.setCombo(keyed(kCtrl, 96, QStringLiteral("F5")), HotkeyAction::Word);
        manager.registerAction(HotkeyAction::Word, QStringLiteral("new"), QStringLiteral("sub"), modifiersOnly(kShift));
        QCOMPARE(order.count(), 4);
        QCOMPARE(manager.actions().first(), HotkeyAction::Word);
        QCOMPARE(manager.title(HotkeyAction::Word), QStringLiteral("new"));
        QCOMPARE(manager.subtitle(HotkeyAction::Word), std::optional<QString>(QStringLiteral("sub")));
        QCOMPARE(manager.combo(HotkeyAction::Word), keyed(kCtrl, 96, QStringLiteral("F5")));
    }

    void setComboWritesAndRemoves()
    {
        DefaultsStore store(m_home->defaultsFile());
        HotkeyManager manager(store);
        registerLinuxDefaults(manager);
        QSignalSpy changed(&manager, &HotkeyManager::comboChanged);

        manager.setCombo(keyed(kCtrl | kShift, 96, QStringLiteral("F5")), HotkeyAction::Selection);
        QJsonObject file = m_home->defaultsFileObject();
        QCOMPARE(file.value(QStringLiteral("hotkey.selection")).toInteger(), qint64(kCtrl | kShift));
        QCOMPARE(file.value(QStringLiteral("hotkey.selection.keyCode")).toInteger(), 96);
        QCOMPARE(file.value(QStringLiteral("hotkey.selection.keyLabel")).toString(), QStringLiteral("F5"));
        QCOMPARE(changed.count(), 1);

        manager.setCombo(modifiersOnly(kSuper), HotkeyAction::Selection);
        file = m_home->defaultsFileObject();
        QCOMPARE(file.value(QStringLiteral("hotkey.selection")).toInteger(), qint64(kSuper));
        QVERIFY(!file.contains(QStringLiteral("hotkey.selection.keyCode")));
        QVERIFY(!file.contains(QStringLiteral("hotkey.selection.keyLabel")));

        // A fresh manager over the same file reads the user's choice back.
        DefaultsStore again(m_home->defaultsFile());
        HotkeyManager second(again);
        registerLinuxDefaults(second);
        QCOMPARE(second.combo(HotkeyAction::Selection), modifiersOnly(kSuper));
        QCOMPARE(second.combo(HotkeyAction::Word), modifiersOnly(kAlt));
    }

    // Event script: "F<hex>" modifier change to the given set, "D<key>" key down with the current
    // set, "R<key>" auto-repeat key down, "U<key>" key up, "B"/"E" begin/end recording,
    // "H" pointer over the panel from now on, "L" keyboard lost.
    // Result: fired ids and "hide" for every time the panel was ordered out.
    void matching_data()
    {
        QTest::addColumn<QString>("extraCombo"); // "" or "<id>:<mods hex>:<key>"
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("alt fires word on the press") << QString() << QStringLiteral("F80000")
                                                     << QStringList{QStringLiteral("word")};
        QTest::newRow("ctrl then alt then shift")
            << QString() << QStringLiteral("F40000 FC0000 FE0000 FC0000")
            << QStringList{QStringLiteral("hide"), QStringLiteral("selection"), QStringLiteral("grammarAnalysis"),
                           QStringLiteral("selection")};
        QTest::newRow("alt with shift is no exact match and hides")
            << QString() << QStringLiteral("F80000 FA0000")
            << QStringList{QStringLiteral("word"), QStringLiteral("hide")};
        QTest::newRow("alt with shift hovered keeps the panel")
            << QString() << QStringLiteral("F80000 H FA0000") << QStringList{QStringLiteral("word")};
        QTest::newRow("super shift fires quick lookup")
            << QString() << QStringLiteral("F100000 F120000")
            << QStringList{QStringLiteral("hide"), QStringLiteral("quickLookup")};
        QTest::newRow("release to nothing never fires")
            << QStringLiteral("quickLookup:0:") << QStringLiteral("F80000 F0")
            << QStringList{QStringLiteral("word"), QStringLiteral("hide")};
        QTest::newRow("caps lock bit is masked away")
            << QString() << QStringLiteral("F90000") << QStringList{QStringLiteral("word")};
        QTest::newRow("keyed fires once, repeats ignored, key up hides")
            << QStringLiteral("word:60000:96") << QStringLiteral("F20000 F60000 D96 R96 D96 U96")
            << QStringList{QStringLiteral("hide"), QStringLiteral("hide"), QStringLiteral("word"), QStringLiteral("hide")};
        QTest::newRow("keyed needs exact modifiers")
            << QStringLiteral("word:60000:96") << QStringLiteral("F40000 D96 U96")
            << QStringList{QStringLiteral("hide"), QStringLiteral("hide")};
        QTest::newRow("keyed without modifiers only when none held")
            << QStringLiteral("word:0:96") << QStringLiteral("D96 U96 F20000 D96 U96")
            << QStringList{QStringLiteral("word"), QStringLiteral("hide"), QStringLiteral("hide"), QStringLiteral("hide")};
        QTest::newRow("recording silences triggers")
            << QString() << QStringLiteral("B F80000 FC0000 F0 E F80000")
            << QStringList{QStringLiteral("word")};
        QTest::newRow("key released while recording is not held afterwards")
            << QStringLiteral("word:0:96") << QStringLiteral("D96 B U96 E D96")
            << QStringList{QStringLiteral("word"), QStringLiteral("word")};
        QTest::newRow("keyboard lost clears held keys")
            << QStringLiteral("word:0:96") << QStringLiteral("D96 L D96")
            << QStringList{QStringLiteral("word"), QStringLiteral("word")};
        QTest::newRow("other key up does not hide")
            << QString() << QStringLiteral("F80000 D0 U0") << QStringList{QStringLiteral("word")};
    }
    void matching()
    {
        QFETCH(QString, extraCombo);
        QFETCH(QString, script);
        QFETCH(QStringList, expected);

        DefaultsStore store(m_home->defaultsFile());
        HotkeyManager manager(store);
        registerLinuxDefaults(manager);
        if (!extraCombo.isEmpty()) {
            const QStringList parts = extraCombo.split(QLatin1Char(':'));
            HotkeyCombo combo = modifiersOnly(parts[1].toUInt(nullptr, 16));
            if (!parts[2].isEmpty()) {
                combo.keyCode = quint16(parts[2].toUInt());
                combo.keyLabel = QStringLiteral("K");
            }
            manager.setCombo(combo, actionNamed(parts[0]));
        }

        QStringList events;
        quint32 current = 0;
        bool hovered = false;
        HotkeyMatcher matcher(manager, HotkeyMatcher::Hooks{
                                           [&](HotkeyAction action) { events << HotkeyActionIds::id(action); },
                                           [&] { return current; },
                                           [&] {
                                               if (!hovered)
                                                   events << QStringLiteral("hide");
                                           },
                                       });
        for (const QString& step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QChar op = step.at(0);
            const QString arg = step.mid(1);
            if (op == QLatin1Char('F')) {
                current = arg.toUInt(nullptr, 16);
                matcher.handleFlagsChanged(current);
            } else if (op == QLatin1Char('D')) {
                matcher.handleKeyDown(quint16(arg.toUInt()), current, false);
            } else if (op == QLatin1Char('R')) {
                matcher.handleKeyDown(quint16(arg.toUInt()), current, true);
            } else if (op == QLatin1Char('U')) {
                matcher.handleKeyUp(quint16(arg.toUInt()));
            } else if (op == QLatin1Char('B')) {
                manager.beginRecording();
            } else if (op == QLatin1Char('E')) {
                manager.endRecording();
            } else if (op == QLatin1Char('H')) {
                hovered = true;
            } else if (op == QLatin1Char('L')) {
                matcher.resetHeldKeys();
            } else {
                QFAIL(qPrintable(step));
            }
        }
        QCOMPARE(events, expected);
    }

    // Whether the lookup card stays when the pointer leaves it.
    void lookupTriggerHeld_data()
    {
        QTest::addColumn<HotkeyCombo>("word");
        QTest::addColumn<HotkeyCombo>("selection");
        QTest::addColumn<quint32>("modifiers");
        QTest::addColumn<QList<int>>("keysDown");
        QTest::addColumn<bool>("held");
        const HotkeyCombo altOnly = modifiersOnly(kAlt);
        const HotkeyCombo ctrlAltF5 = keyed(kCtrl | kAlt, 96, QStringLiteral("F5"));
        QTest::newRow("modifier-only word trigger") << altOnly << ctrlAltF5 << kAlt << QList<int> {} << true;
        QTest::newRow("with caps lock") << altOnly << ctrlAltF5 << (kAlt | 0x10000u) << QList<int> {} << true;
        QTest::newRow("nothing held") << altOnly << ctrlAltF5 << 0u << QList<int> {} << false;
        QTest::newRow("other modifiers") << altOnly << ctrlAltF5 << (kAlt | kShift) << QList<int> {} << false;
        QTest::newRow("keyed word trigger, key down") << keyed(kAlt, 40, QStringLiteral("D")) << ctrlAltF5 << kAlt << QList<int> { 40 }
                                                      << true;
        QTest::newRow("keyed word trigger, key up") << keyed(kAlt, 40, QStringLiteral("D")) << ctrlAltF5 << kAlt << QList<int> {}
                                                    << false;
        QTest::newRow("selection key still down") << altOnly << ctrlAltF5 << 0u << QList<int> { 96 } << true;
        QTest::newRow("modifier-only selection trigger") << modifiersOnly(kSuper) << modifiersOnly(kCtrl | kAlt)
                                                         << (kCtrl | kAlt) << QList<int> {} << true;
    }
    void lookupTriggerHeld()
    {
        QFETCH(HotkeyCombo, word);
        QFETCH(HotkeyCombo, selection);
        QFETCH(quint32, modifiers);
        QFETCH(QList<int>, keysDown);
        QFETCH(bool, held);
        DefaultsStore store(m_home->defaultsFile());
        HotkeyManager manager(store);
        registerLinuxDefaults(manager);
        manager.setCombo(word, HotkeyAction::Word);
        manager.setCombo(selection, HotkeyAction::Selection);
        HotkeyMatcher matcher(manager, HotkeyMatcher::Hooks { {}, [&] { return modifiers; }, {} });
        for (int key : keysDown)
            matcher.handleKeyDown(quint16(key), 0, false);
        QCOMPARE(matcher.isLookupTriggerHeld(), held);
    }

    void recordingCountClampsAtZero()
    {
        DefaultsStore store(m_home->defaultsFile());
        HotkeyManager manager(store);
        manager.endRecording();
        QCOMPARE(manager.recordingCount(), 0);
        manager.beginRecording();
        manager.beginRecording();
        manager.endRecording();
        QCOMPARE(manager.recordingCount(), 1);
        manager.endRecording();
        manager.endRecording();
        QCOMPARE(manager.recordingCount(), 0);
    }

    void clashComparesTriggerNotLabel_data()
    {
        QTest::addColumn<HotkeyCombo>("a");
        QTest::addColumn<HotkeyCombo>("b");
        QTest::addColumn<bool>("equal");
        QTest::addColumn<bool>("sameTrigger");
        QTest::newRow("identical") << keyed(kCtrl, 96, QStringLiteral("F5")) << keyed(kCtrl, 96, QStringLiteral("F5"))
                                   << true << true;
        QTest::newRow("label only differs") << keyed(kCtrl, 0, QStringLiteral("A"))
                                            << keyed(kCtrl, 0, QStringLiteral("\u0424")) << false << true;
        QTest::newRow("modifiers differ") << keyed(kCtrl, 0, QStringLiteral("A")) << keyed(kAlt, 0, QStringLiteral("A"))
                                          << false << false;
        QTest::newRow("key differs") << keyed(kCtrl, 0, QStringLiteral("A")) << keyed(kCtrl, 1, QStringLiteral("A"))
                                     << false << false;
        QTest::newRow("keyed vs modifier only") << keyed(kCtrl, 0, QStringLiteral("A")) << modifiersOnly(kCtrl)
                                                << false << false;
    }
    void clashComparesTriggerNotLabel()
    {
        QFETCH(HotkeyCombo, a);
        QFETCH(HotkeyCombo, b);
        QFETCH(bool, equal);
        QFETCH(bool, sameTrigger);
        QCOMPARE(a == b, equal);
        QCOMPARE(a.sameTrigger(b), sameTrigger);
    }

    void routerKeepsModifierKeysOutOfHeldKeys()
    {
        DefaultsStore store(m_home->defaultsFile());
        HotkeyManager manager(store);
        registerLinuxDefaults(manager);
        QStringList fired;
        HotkeyMatcher matcher(manager, HotkeyMatcher::Hooks{[&](HotkeyAction action) { fired << HotkeyActionIds::id(action); }, {}, {}});
        auto event = [](GlobalKeyEvent::Type type, int keycode, bool modifierKey, quint32 modifiers) {
            GlobalKeyEvent e;
            e.type = type;
            e.nativeKeycode = keycode;
            e.isModifierKey = modifierKey;
            e.modifiers = modifiers;
            return e;
        };
        using T = GlobalKeyEvent::Type;
        HotkeyEventRouter::dispatch(event(T::KeyDown, 64, true, kAlt), matcher);
        QCOMPARE(fired, QStringList{QStringLiteral("word")});
        QCOMPARE(matcher.heldKeys().count(), 0);
        HotkeyEventRouter::dispatch(event(T::KeyDown, 38, false, kAlt), matcher);
        QVERIFY(matcher.heldKeys().isDown(0));
        HotkeyEventRouter::dispatch(event(T::KeyUp, 38, false, kAlt), matcher);
        QVERIFY(!matcher.heldKeys().isDown(0));
        HotkeyEventRouter::dispatch(event(T::KeyDown, 300, false, 0), matcher);
        QCOMPARE(matcher.heldKeys().count(), 0);
    }

    void selfMadeMarker()
    {
        QVERIFY(HotkeyMatcher::isSelfMade(0x53435359));
        QVERIFY(!HotkeyMatcher::isSelfMade(0));
        QVERIFY(!HotkeyMatcher::isSelfMade(0x53435358));
    }
};

QTEST_GUILESS_MAIN(TestHotkeys)
#include "TestHotkeys.moc"
