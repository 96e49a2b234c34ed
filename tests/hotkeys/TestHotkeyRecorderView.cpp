#include "hotkeys/HotkeyActions.h"
#include "hotkeys/HotkeyConflictCheck.h"
#include "hotkeys/HotkeyFormatter.h"
#include "hotkeys/HotkeyManager.h"
#include "hotkeys/HotkeyRecorderView.h"
#include "preferences/DefaultsStore.h"
#include "support/TempXdgHome.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr quint32 kShift = HotkeyCombo::Shift;
constexpr quint32 kCtrl = HotkeyCombo::Control;
constexpr quint32 kAlt = HotkeyCombo::Alt;
constexpr quint32 kSuper = HotkeyCombo::Super;

HotkeyCombo combo(quint32 modifiers, std::optional<quint16> key = {}, std::optional<QString> label = {})
{
    return { modifiers, key, label };
}

// A key as the X11 platform plugin reports it: Qt key, X keycode, the layout's text, and the
// modifier it is.
struct Key
{
    int qtKey;
    quint32 xKeycode;
    QString text;
    quint32 modifier = 0;
};

const Key kControlKey { Qt::Key_Control, 37, {}, kCtrl };
const Key kAltKey { Qt::Key_Alt, 64, {}, kAlt };
const Key kShiftKey { Qt::Key_Shift, 50, {}, kShift };
const Key kSuperKey { Qt::Key_Super_L, 133, {}, kSuper };
const Key kReturnKey { Qt::Key_Return, 36, u"\r"_s };
const Key kEnterKey { Qt::Key_Enter, 104, u"\r"_s };
const Key kEscapeKey { Qt::Key_Escape, 9, u"\x1b"_s };
const Key kF5Key { Qt::Key_F5, 71, {} };
const Key kSpaceKey { Qt::Key_Space, 65, u" "_s };
const Key kAKey { Qt::Key_A, 38, u"a"_s };
const Key kCyrillicEfKey { 0x0424, 38, u"\u0444"_s }; // the A position under a Russian layout
const Key kTabKey { Qt::Key_Tab, 23, u"\t"_s };

} // namespace

class TestHotkeyRecorderView : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<DefaultsStore> m_store;
    std::unique_ptr<HotkeyManager> m_manager;
    std::unique_ptr<QWidget> m_window;
    QLineEdit* m_field = nullptr;
    HotkeyRecorderView* m_recorder = nullptr;
    // The modifiers the keyboard holds, as the platform would report them with each event.
    quint32 m_held = 0;

    // Key events go to the focused field, as they would from the keyboard; the recorder must take
    // them before the field does. X11 reports a modifier's release with the modifier still held.
    void send(const Key& key, bool down)
    {
        Qt::KeyboardModifiers held;
        held.setFlag(Qt::ShiftModifier, m_held & kShift);
        held.setFlag(Qt::ControlModifier, m_held & kCtrl);
        held.setFlag(Qt::AltModifier, m_held & kAlt);
        held.setFlag(Qt::MetaModifier, m_held & kSuper);
        QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, key.qtKey, held, key.xKeycode, 0, 0, key.text);
        QApplication::sendEvent(m_field, &event);
        m_held = down ? m_held | key.modifier : m_held & ~key.modifier;
    }
    void press(const Key& key) { send(key, true); }
    void release(const Key& key) { send(key, false); }
    void tap(const Key& key)
    {
        press(key);
        release(key);
    }
    QPushButton* button() const { return m_recorder->findChild<QPushButton*>(u"recorderButton"_s); }
    void startRecording()
    {
        QTest::mouseClick(button(), Qt::LeftButton);
        QVERIFY(m_recorder->isRecording());
    }
    QLabel* label(const QString& name) const { return m_recorder->findChild<QLabel*>(name); }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TempXdgHome>();
        m_store = std::make_unique<DefaultsStore>(m_home->defaultsFile());
        m_manager = std::make_unique<HotkeyManager>(*m_store);
        HotkeyActions::registerDefaults(*m_manager); // the word action on Alt
        m_window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(m_window.get());
        m_field = new QLineEdit(m_window.get());
        m_recorder = new HotkeyRecorderView(*m_manager, HotkeyAction::Word, m_window.get());
        layout->addWidget(m_field);
        layout->addWidget(new QLineEdit(m_window.get()));
        layout->addWidget(m_recorder);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_field->setFocus();
        m_held = 0;
    }
    void cleanup()
    {
        m_window.reset();
        m_manager.reset();
        m_store.reset();
        m_home.reset();
    }

    void recordsModifierOnlyCombination()
    {
        QCOMPARE(button()->text(), u"Alt"_s);
        QVERIFY(!label(u"recorderHint"_s)->isVisible());
        QVERIFY(!label(u"modifierWarning"_s)->isVisible());
        startRecording();
        QVERIFY(button()->text() != u"Alt"_s);
        QVERIFY(label(u"recorderHint"_s)->isVisible());
        press(kControlKey);
        QCOMPARE(button()->text(), u"Ctrl"_s);
        press(kShiftKey);
        press(kSuperKey);
        QCOMPARE(m_recorder->pending(), combo(kCtrl | kShift | kSuper));
        QCOMPARE(button()->text(), u"Ctrl+Shift+Super"_s);
        release(kShiftKey);
        QCOMPARE(m_recorder->pending(), combo(kCtrl | kSuper));
        QSignalSpy confirmed(m_recorder, &HotkeyRecorderView::comboConfirmed);
        tap(kReturnKey);
        QVERIFY(!m_recorder->isRecording());
        QCOMPARE(confirmed.count(), 1);
        QCOMPARE(m_manager->combo(HotkeyAction::Word), combo(kCtrl | kSuper));
        QCOMPARE(m_manager->storedCombo(HotkeyAction::Word), std::optional(combo(kCtrl | kSuper)));
        QCOMPARE(button()->text(), u"Ctrl+Super"_s);
        QCOMPARE(m_manager->recordingCount(), 0);
        // Nothing reached the focused field.
        QCOMPARE(m_field->text(), QString());
    }

    void recordsKeyedCombination_data()
    {
        QTest::addColumn<QList<int>>("modifierKeys"); // 0 Ctrl, 1 Alt, 2 Shift, 3 Super
        QTest::addColumn<int>("key"); // 0 F5, 1 A, 2 Cyrillic ef, 3 Space
        QTest::addColumn<bool>("useKeypadEnter");
        QTest::addColumn<HotkeyCombo>("expected");
        QTest::newRow("Ctrl+Shift+F5") << QList<int> { 0, 2 } << 0 << false << combo(kCtrl | kShift, 96, u"F5"_s);
        QTest::newRow("F5 alone is allowed") << QList<int> {} << 0 << false << combo(0, 96, u"F5"_s);
        QTest::newRow("Alt+A") << QList<int> { 1 } << 1 << false << combo(kAlt, 0, u"A"_s);
        QTest::newRow("Ctrl+A under a Russian layout keeps the position")
            << QList<int> { 0 } << 2 << false << combo(kCtrl, 0, u"\u0424"_s);
        QTest::newRow("Super+Space confirmed by keypad Enter")
            << QList<int> { 3 } << 3 << true << combo(kSuper, 49, u"Space"_s);
    }
    void recordsKeyedCombination()
    {
        QFETCH(QList<int>, modifierKeys);
        QFETCH(int, key);
        QFETCH(bool, useKeypadEnter);
        QFETCH(HotkeyCombo, expected);
        const Key modifiers[] = { kControlKey, kAltKey, kShiftKey, kSuperKey };
        const Key keys[] = { kF5Key, kAKey, kCyrillicEfKey, kSpaceKey };
        startRecording();
        for (int m : modifierKeys)
            press(modifiers[m]);
        tap(keys[key]);
        QCOMPARE(m_recorder->pending(), expected);
        // Once a key is in, modifier changes leave the combination alone.
        for (int m : modifierKeys)
            release(modifiers[m]);
        QCOMPARE(m_recorder->pending(), expected);
        tap(useKeypadEnter ? kEnterKey : kReturnKey);
        QVERIFY(!m_recorder->isRecording());
        QCOMPARE(m_manager->combo(HotkeyAction::Word), expected);
        QCOMPARE(button()->text(), HotkeyFormatter::label(expected));
    }

    void keyWithoutModifierWarns_data()
    {
        QTest::addColumn<bool>("space"); // else A
        QTest::newRow("Space") << true;
        QTest::newRow("A") << false;
    }
    void keyWithoutModifierWarns()
    {
        QFETCH(bool, space);
        const Key& key = space ? kSpaceKey : kAKey;
        startRecording();
        tap(key);
        tap(kReturnKey);
        QVERIFY(m_recorder->isRecording());
        QVERIFY(m_recorder->showsModifierWarning());
        QVERIFY(label(u"modifierWarning"_s)->isVisible());
        QCOMPARE(m_manager->combo(HotkeyAction::Word), combo(kAlt));
        // The next event clears the warning; adding a modifier then makes it acceptable.
        press(kControlKey);
        QVERIFY(!m_recorder->showsModifierWarning());
        QVERIFY(!label(u"modifierWarning"_s)->isVisible());
        tap(key);
        tap(kReturnKey);
        QVERIFY(!m_recorder->isRecording());
    }

    void returnWithNothingHeldIsIgnored()
    {
        bool asked = false;
        m_recorder->setOnConfirm([&](const HotkeyCombo&) { return asked = true; });
        startRecording();
        tap(kReturnKey);
        QVERIFY(m_recorder->isRecording());
        // Modifiers let go before Return leave nothing to confirm either.
        tap(kAltKey);
        tap(kReturnKey);
        QVERIFY(m_recorder->isRecording());
        QVERIFY(!asked);
    }

    void escapeKeepsTheOldCombination()
    {
        startRecording();
        press(kControlKey);
        press(kShiftKey);
        tap(kF5Key);
        tap(kEscapeKey);
        QVERIFY(!m_recorder->isRecording());
        QCOMPARE(m_manager->combo(HotkeyAction::Word), combo(kAlt));
        QVERIFY(!m_manager->storedCombo(HotkeyAction::Word));
        QCOMPARE(button()->text(), u"Alt"_s);
        QCOMPARE(m_manager->recordingCount(), 0);
    }

    void clashIsRefused_data()
    {
        QTest::addColumn<HotkeyCombo>("selectionCombo");
        QTest::addColumn<bool>("recordCtrlA");
        QTest::newRow("another action's modifiers") << combo(kCtrl | kAlt) << false;
        QTest::newRow("same key, other label") << combo(kCtrl, 0, u"A"_s) << true;
    }
    void clashIsRefused()
    {
        QFETCH(HotkeyCombo, selectionCombo);
        QFETCH(bool, recordCtrlA);
        m_manager->setCombo(selectionCombo, HotkeyAction::Selection);
        startRecording();
        press(kControlKey);
        if (recordCtrlA)
            tap(kCyrillicEfKey);
        else
            press(kAltKey);
        tap(kReturnKey);
        QVERIFY(m_recorder->isRecording());
        QVERIFY(!m_recorder->conflictMessage().isEmpty());
        QVERIFY(label(u"conflictMessage"_s)->isVisible());
        QCOMPARE(m_manager->combo(HotkeyAction::Word), combo(kAlt));
        QCOMPARE(HotkeyConflictCheck::clashingAction(*m_manager, m_recorder->pending(), HotkeyAction::Word),
            std::optional(HotkeyAction::Selection));
        // The action's own combination is no clash.
        QVERIFY(HotkeyConflictCheck::isAcceptable(*m_manager, combo(kAlt), HotkeyAction::Word));
        QVERIFY(!HotkeyConflictCheck::isAcceptable(*m_manager, HotkeyCombo {}, HotkeyAction::Word));
    }

    void keyboardIsGrabbedAndKeysGoNowhereElse()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        startRecording();
        // The click focused the recorder's button; put the focus where typing happens.
        m_field->setFocus();
        QVERIFY(m_field->hasFocus());
        QCOMPARE(QWidget::keyboardGrabber(), m_recorder);
        tap(kTabKey);
        tap(kAKey);
        tap(kAltKey);
        QVERIFY(m_field->hasFocus());
        QCOMPARE(m_field->text(), QString());
        tap(kEscapeKey);
        QCOMPARE(QWidget::keyboardGrabber(), nullptr);
        // Not recording: keys reach the field again.
        tap(kAKey);
        QCOMPARE(m_field->text(), u"a"_s);
    }

    // Every way a recording ends gives its count back: hiding, a second click, stopping.
    void recordingEnds()
    {
        HotkeyRecorderView other(*m_manager, HotkeyAction::Selection);
        startRecording();
        other.startRecording();
        QCOMPARE(m_manager->recordingCount(), 2);
        other.stopRecording();
        QCOMPARE(m_manager->recordingCount(), 1);
        m_recorder->hide();
        QVERIFY(!m_recorder->isRecording());
        QCOMPARE(m_manager->recordingCount(), 0);

        m_recorder->show();
        startRecording();
        press(kAltKey);
        QTest::mouseClick(button(), Qt::LeftButton);
        QVERIFY(!m_recorder->isRecording());
        QCOMPARE(m_manager->combo(HotkeyAction::Word), combo(kAlt));
        QCOMPARE(m_manager->recordingCount(), 0);
    }
};

QTEST_MAIN(TestHotkeyRecorderView)
#include "TestHotkeyRecorderView.moc"
