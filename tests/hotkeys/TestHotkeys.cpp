#include "hotkeys/HotkeyCombo.h"
#include "hotkeys/HotkeyEventRouter.h"
#include "hotkeys/HotkeyFormatter.h"
#include "hotkeys/HotkeyManager.h"
#include "hotkeys/HotkeyMatcher.h"
#include "hotkeys/VirtualKeyCodes.h"
#include "platform/GlobalKeyMonitor.h"
#include "preferences/DefaultsStore.h"
#include "support/HotkeyCombos.h"
#include "support/TempXdgHome.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using namespace HotkeyCombos;

const HotkeyCombo kCtrlF5 = combo(kCtrl, 96, u"F5"_s);

// The fixture's combinations: Alt word, Ctrl+Alt selection, Shift+Super quick lookup,
// Ctrl+Alt+Shift grammar.
void registerActions(HotkeyManager& manager)
{
    manager.registerAction(HotkeyAction::Word, u"w"_s, std::nullopt, combo(kAlt));
    manager.registerAction(HotkeyAction::Selection, u"s"_s, std::nullopt, combo(kCtrl | kAlt));
    manager.registerAction(HotkeyAction::QuickLookup, u"q"_s, std::nullopt, combo(kSuper | kShift));
    manager.registerAction(HotkeyAction::GrammarAnalysis, u"g"_s, std::nullopt, combo(kCtrl | kAlt | kShift));
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

    // A key by its X keycode: its virtual key code, its label under a layout's text and whether
    // it needs a modifier to be a trigger.
    void keys_data()
    {
        QTest::addColumn<int>("xKeycode");
        QTest::addColumn<int>("virtualKey");
        QTest::addColumn<QString>("layoutText");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("needsModifier");
        // clang-format off
        QTest::newRow("latin a") << 38 << 0 << u"a"_s << u"A"_s << true;
        QTest::newRow("cyrillic ef on A") << 38 << 0 << u"\u0444"_s << u"\u0424"_s << true;
        QTest::newRow("cyrillic be on comma") << 59 << 43 << u"\u0431"_s << u"\u0411"_s << true;
        QTest::newRow("digit") << 10 << 18 << u"1"_s << u"1"_s << true;
        QTest::newRow("F5 has its own name") << 71 << 96 << QString() << u"F5"_s << false;
        QTest::newRow("up arrow") << 111 << 126 << QString() << u"\u2191"_s << false;
        QTest::newRow("tab") << 23 << 48 << u"\t"_s << u"Tab"_s << false;
        QTest::newRow("delete") << 119 << 117 << u"\x7f"_s << u"\u2326"_s << false;
        QTest::newRow("space, named, still needs a modifier") << 65 << 49 << u" "_s << u"Space"_s << true;
        QTest::newRow("control character falls back") << 36 << 36 << u"\r"_s << u"Key 36"_s << true;
        QTest::newRow("zero width space falls back") << 38 << 0 << u"\u200b"_s << u"Key 0"_s << true;
        QTest::newRow("no text falls back") << 38 << 0 << QString() << u"Key 0"_s << true;
        QTest::newRow("unknown keycode uses the private range") << 250 << (0x1000 + 250) << QString() << u"Key %1"_s.arg(0x1000 + 250) << true;
        // clang-format on
    }
    void keys()
    {
        QFETCH(int, xKeycode);
        QFETCH(int, virtualKey);
        QFETCH(QString, layoutText);
        QFETCH(QString, label);
        QFETCH(bool, needsModifier);
        QCOMPARE(VirtualKeyCodes::fromXKeycode(xKeycode), std::optional<quint16>(quint16(virtualKey)));
        QCOMPARE(VirtualKeyCodes::toXKeycode(quint16(virtualKey)), std::optional<int>(xKeycode));
        QCOMPARE(HotkeyFormatter::keyLabel(quint16(virtualKey), layoutText), label);
        QCOMPARE(HotkeyFormatter::requiresModifier(quint16(virtualKey)), needsModifier);
    }

    void keycodeTableIsOneToOne()
    {
        QSet<quint16> seen;
        for (int x = 8; x <= 255; ++x) {
            const auto vk = VirtualKeyCodes::fromXKeycode(x);
            QVERIFY(vk.has_value());
            QVERIFY2(!seen.contains(*vk), qPrintable(u"keycode %1"_s.arg(x)));
            seen.insert(*vk);
            QCOMPARE(VirtualKeyCodes::toXKeycode(*vk), std::optional<int>(x));
        }
        QCOMPARE(VirtualKeyCodes::fromXKeycode(7), std::nullopt);
        QCOMPARE(VirtualKeyCodes::fromXKeycode(256), std::nullopt);
    }

    void comboLabel_data()
    {
        QTest::addColumn<HotkeyCombo>("combo");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << HotkeyCombo {} << QString();
        QTest::newRow("order is not bit order") << combo(kSuper | kShift | kAlt | kCtrl) << u"Ctrl+Alt+Shift+Super"_s;
        QTest::newRow("keyed") << combo(kCtrl | kAlt, 96, u"F5"_s) << u"Ctrl+Alt+F5"_s;
        QTest::newRow("key alone") << combo(0, 96, u"F5"_s) << u"F5"_s;
        QTest::newRow("empty label left out") << combo(kCtrl, 0, QString()) << u"Ctrl"_s;
        QTest::newRow("absent label left out") << combo(kShift, 0) << u"Shift"_s;
    }
    void comboLabel()
    {
        QFETCH(HotkeyCombo, combo);
        QFETCH(QString, expected);
        QCOMPARE(HotkeyFormatter::label(combo), expected);
    }

    // The defaults file, "w" standing for the word action's key "hotkey.word".
    void storedCombination_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<HotkeyCombo>("expected");
        const auto file = [](const char* json) { return QByteArray(json).replace("\"w", "\"hotkey.word"); };
        const HotkeyCombo fallback = combo(kAlt), ctrl = combo(kCtrl);
        // clang-format off
        QTest::newRow("absent") << file("{}") << fallback;
        QTest::newRow("modifier only") << file(R"({"w": 393216})") << combo(kCtrl | kShift);
        QTest::newRow("keyed") << file(R"({"w": 786432, "w.keyCode": 96, "w.keyLabel": "F5"})") << combo(kCtrl | kAlt, 96, u"F5"_s);
        QTest::newRow("label of wrong type") << file(R"({"w": 262144, "w.keyCode": 96, "w.keyLabel": 5})") << combo(kCtrl, 96);
        QTest::newRow("base of wrong type") << file(R"({"w": "262144"})") << fallback;
        QTest::newRow("negative base") << file(R"({"w": -1})") << fallback;
        QTest::newRow("fractional base") << file(R"({"w": 2.5})") << fallback;
        QTest::newRow("stray bits masked") << file(R"({"w": 459008})") << combo(kCtrl | kShift);
        QTest::newRow("keyCode of wrong type") << file(R"({"w": 262144, "w.keyCode": "96"})") << ctrl;
        QTest::newRow("keyCode above range") << file(R"({"w": 262144, "w.keyCode": 65536})") << ctrl;
        QTest::newRow("keyCode below range") << file(R"({"w": 262144, "w.keyCode": -1})") << ctrl;
        QTest::newRow("keyCode at top of range") << file(R"({"w": 0, "w.keyCode": 65535})") << combo(0, 65535);
        // clang-format on
    }
    void storedCombination()
    {
        QFETCH(QByteArray, json);
        QFETCH(HotkeyCombo, expected);
        QDir().mkpath(QFileInfo(m_home->defaultsFile()).absolutePath());
        QFile file(m_home->defaultsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(json);
        file.close();
        DefaultsStore store(m_home->defaultsFile());
        HotkeyManager manager(store);
        manager.registerAction(HotkeyAction::Word, u"t"_s, std::nullopt, combo(kAlt));
        QCOMPARE(manager.combo(HotkeyAction::Word), expected);
        // Registration reads and never writes.
        QCOMPARE(m_home->defaultsFileObject(), QJsonDocument::fromJson(json).object());
    }

    void registrationNeverWrites()
    {
        DefaultsStore store(m_home->defaultsFile());
        HotkeyManager manager(store);
        QSignalSpy order(&manager, &HotkeyManager::actionsChanged);
        registerActions(manager);
        QCOMPARE(order.count(), 4);
        QCOMPARE(manager.actions(),
            (QList<HotkeyAction> { HotkeyAction::Word, HotkeyAction::Selection, HotkeyAction::QuickLookup,
                HotkeyAction::GrammarAnalysis }));
        QVERIFY(!QFile::exists(m_home->defaultsFile()));
        QVERIFY(store.keys().isEmpty());

        // Registering again keeps the combination and the place, replaces the texts.
        manager.setCombo(kCtrlF5, HotkeyAction::Word);
        manager.registerAction(HotkeyAction::Word, u"new"_s, u"sub"_s, combo(kShift));
        QCOMPARE(order.count(), 4);
        QCOMPARE(manager.actions().first(), HotkeyAction::Word);
        QCOMPARE(manager.title(HotkeyAction::Word), u"new"_s);
        QCOMPARE(manager.subtitle(HotkeyAction::Word), std::optional(u"sub"_s));
        QCOMPARE(manager.combo(HotkeyAction::Word), kCtrlF5);
    }

    void setComboWritesAndRemoves()
    {
        DefaultsStore store(m_home->defaultsFile());
        HotkeyManager manager(store);
        registerActions(manager);
        QSignalSpy changed(&manager, &HotkeyManager::comboChanged);

        manager.setCombo(combo(kCtrl | kShift, 96, u"F5"_s), HotkeyAction::Selection);
        QJsonObject file = m_home->defaultsFileObject();
        QCOMPARE(file.value(u"hotkey.selection"_s).toInteger(), qint64(kCtrl | kShift));
        QCOMPARE(file.value(u"hotkey.selection.keyCode"_s).toInteger(), 96);
        QCOMPARE(file.value(u"hotkey.selection.keyLabel"_s).toString(), u"F5"_s);
        QCOMPARE(changed.count(), 1);

        manager.setCombo(combo(kSuper), HotkeyAction::Selection);
        file = m_home->defaultsFileObject();
        QCOMPARE(file.value(u"hotkey.selection"_s).toInteger(), qint64(kSuper));
        QVERIFY(!file.contains(u"hotkey.selection.keyCode"_s));
        QVERIFY(!file.contains(u"hotkey.selection.keyLabel"_s));

        // A fresh manager over the same file reads the user's choice back.
        DefaultsStore again(m_home->defaultsFile());
        HotkeyManager second(again);
        registerActions(second);
        QCOMPARE(second.combo(HotkeyAction::Selection), combo(kSuper));
        QCOMPARE(second.combo(HotkeyAction::Word), combo(kAlt));
    }

    // Event script: "F<hex>" modifier change to the given set, "D<key>" key down with the current
    // set, "R<key>" auto-repeat key down, "U<key>" key up, "B"/"E" begin/end recording,
    // "H" pointer over the panel from now on, "L" keyboard lost, "T" whether a lookup trigger is
    // held (the card then stays when the pointer leaves it).
    // Result: fired ids, "hide" for every time the panel was ordered out, "held" or "free".
    void matching_data()
    {
        QTest::addColumn<QString>("extraCombo"); // "" or "<id>:<mods hex>:<key>"
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("alt fires word on the press") << QString() << u"F80000"_s << u"word"_s;
        QTest::newRow("ctrl then alt then shift") << QString() << u"F40000 FC0000 FE0000 FC0000"_s << u"hide selection grammarAnalysis selection"_s;
        QTest::newRow("alt with shift is no exact match and hides") << QString() << u"F80000 FA0000"_s << u"word hide"_s;
        QTest::newRow("alt with shift hovered keeps the panel") << QString() << u"F80000 H FA0000"_s << u"word"_s;
        QTest::newRow("super shift fires quick lookup") << QString() << u"F100000 F120000"_s << u"hide quickLookup"_s;
        QTest::newRow("release to nothing never fires") << u"quickLookup:0:"_s << u"F80000 F0"_s << u"word hide"_s;
        QTest::newRow("caps lock bit is masked away") << QString() << u"F90000"_s << u"word"_s;
        QTest::newRow("keyed fires once, repeats ignored, key up hides") << u"word:60000:96"_s << u"F20000 F60000 D96 R96 D96 U96"_s << u"hide hide word hide"_s;
        QTest::newRow("keyed needs exact modifiers") << u"word:60000:96"_s << u"F40000 D96 U96"_s << u"hide hide"_s;
        QTest::newRow("keyed without modifiers only when none held") << u"word:0:96"_s << u"D96 U96 F20000 D96 U96"_s << u"word hide hide hide"_s;
        QTest::newRow("recording silences triggers") << QString() << u"B F80000 FC0000 F0 E F80000"_s << u"word"_s;
        QTest::newRow("ending more recordings than began counts none below zero") << QString() << u"E B F80000 E E F80000"_s << u"word"_s;
        QTest::newRow("key released while recording is not held afterwards") << u"word:0:96"_s << u"D96 B U96 E D96"_s << u"word word"_s;
        QTest::newRow("keyboard lost clears held keys") << u"word:0:96"_s << u"D96 L D96"_s << u"word word"_s;
        QTest::newRow("other key up does not hide") << QString() << u"F80000 D0 U0"_s << u"word"_s;
        QTest::newRow("word trigger held, caps lock or not") << QString() << u"F80000 T F90000 T"_s << u"word held word held"_s;
        QTest::newRow("nothing or other modifiers held") << QString() << u"T F80000 FA0000 T"_s << u"free word hide free"_s;
        QTest::newRow("keyed word trigger held while its key is down") << u"word:80000:40"_s << u"F80000 D40 T U40 T"_s << u"hide word held hide free"_s;
        QTest::newRow("keyed selection held while its key is down") << u"selection:C0000:96"_s << u"FC0000 D96 F0 T U96 T"_s << u"hide selection held hide free"_s;
        QTest::newRow("modifier-only selection trigger held") << QString() << u"FC0000 T"_s << u"selection held"_s;
        // clang-format on
    }
    void matching()
    {
        QFETCH(QString, extraCombo);
        QFETCH(QString, script);
        QFETCH(QString, expected);
        DefaultsStore store(m_home->defaultsFile());
        HotkeyManager manager(store);
        registerActions(manager);
        if (!extraCombo.isEmpty()) {
            const QStringList parts = extraCombo.split(QLatin1Char(':'));
            const quint32 modifiers = parts[1].toUInt(nullptr, 16);
            const HotkeyCombo extra
                = parts[2].isEmpty() ? combo(modifiers) : combo(modifiers, parts[2].toUShort(), u"K"_s);
            for (HotkeyAction action : HotkeyActionIds::kAll) {
                if (HotkeyActionIds::id(action) == parts[0])
                    manager.setCombo(extra, action);
            }
        }
        QStringList events;
        quint32 current = 0;
        bool hovered = false;
        HotkeyMatcher matcher(manager,
            { [&](HotkeyAction action) { events << HotkeyActionIds::id(action); }, [&] { return current; },
                [&] {
                    if (!hovered)
                        events << u"hide"_s;
                } });
        for (const QString& step : script.split(QLatin1Char(' '))) {
            const char op = step.at(0).toLatin1();
            const uint arg = step.mid(1).toUInt(nullptr, op == 'F' ? 16 : 10);
            if (op == 'F')
                matcher.handleFlagsChanged(current = arg);
            else if (op == 'D' || op == 'R')
                matcher.handleKeyDown(quint16(arg), current, op == 'R');
            else if (op == 'U')
                matcher.handleKeyUp(quint16(arg));
            else if (op == 'B')
                manager.beginRecording();
            else if (op == 'E')
                manager.endRecording();
            else if (op == 'H')
                hovered = true;
            else if (op == 'L')
                matcher.resetHeldKeys();
            else if (op == 'T')
                events << (matcher.isLookupTriggerHeld() ? u"held"_s : u"free"_s);
            else
                QFAIL(qPrintable(step));
        }
        QCOMPARE(events.join(QLatin1Char(' ')), expected);
    }

    void routerKeepsModifierKeysOutOfHeldKeys()
    {
        DefaultsStore store(m_home->defaultsFile());
        HotkeyManager manager(store);
        registerActions(manager);
        QStringList fired;
        HotkeyMatcher matcher(manager, { [&](HotkeyAction action) { fired << HotkeyActionIds::id(action); }, {}, {} });
        const auto dispatch = [&](GlobalKeyEvent::Type type, int keycode, bool modifierKey, quint32 modifiers) {
            GlobalKeyEvent event;
            event.type = type;
            event.nativeKeycode = keycode;
            event.isModifierKey = modifierKey;
            event.modifiers = modifiers;
            HotkeyEventRouter::dispatch(event, matcher);
        };
        using T = GlobalKeyEvent::Type;
        dispatch(T::KeyDown, 64, true, kAlt);
        QCOMPARE(fired, QStringList { u"word"_s });
        QCOMPARE(matcher.heldKeys().count(), 0);
        dispatch(T::KeyDown, 38, false, kAlt);
        QVERIFY(matcher.heldKeys().isDown(0));
        dispatch(T::KeyUp, 38, false, kAlt);
        QVERIFY(!matcher.heldKeys().isDown(0));
        dispatch(T::KeyDown, 300, false, 0);
        QCOMPARE(matcher.heldKeys().count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestHotkeys)
#include "TestHotkeys.moc"
