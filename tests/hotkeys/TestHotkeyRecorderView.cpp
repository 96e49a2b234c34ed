#include "hotkeys/HotkeyActions.h"
#include "hotkeys/HotkeyConflictCheck.h"
#include "hotkeys/HotkeyFormatter.h"
#include "hotkeys/HotkeyManager.h"
#include "hotkeys/HotkeyMatcher.h"
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

#include <memory>

namespace {

constexpr quint32 kShift = HotkeyCombo::Shift;
constexpr quint32 kCtrl = HotkeyCombo::Control;
constexpr quint32 kAlt = HotkeyCombo::Alt;
constexpr quint32 kSuper = HotkeyCombo::Super;

// A key as the X11 platform plugin reports it: Qt key, X keycode and the layout's text.
struct Key
{
    int qtKey;
    quint32 xKeycode;
    QString text;
};

const Key kControlKey { Qt::Key_Control, 37, {} };
const Key kAltKey { Qt::Key_Alt, 64, {} };
const Key kShiftKey { Qt::Key_Shift, 50, {} };
const Key kSuperKey { Qt::Key_Super_L, 133, {} };
const Key kReturnKey { Qt::Key_Return, 36, QStringLiteral("\r") };
const Key kEnterKey { Qt::Key_Enter, 104, QStringLiteral("\r") };
const Key kEscapeKey { Qt::Key_Escape, 9, QStringLiteral("\x1b") };
const Key kF5Key { Qt::Key_F5, 71, {} };
const Key kSpaceKey { Qt::Key_Space, 65, QStringLiteral(" ") };
const Key kAKey { Qt::Key_A, 38, QStringLiteral("a") };
const Key kCyrillicEfKey { 0x0424, 38, QStringLiteral("\u0444") }; // the A position under a Russian layout
const Key kTabKey { Qt::Key_Tab, 23, QStringLiteral("\t") };

Qt::KeyboardModifiers qtModifiers(quint32 bits)
{
    Qt::KeyboardModifiers m;
    if (bits & kShift)
        m |= Qt::ShiftModifier;
    if (bits & kCtrl)
        m |= Qt::ControlModifier;
    if (bits & kAlt)
        m |= Qt::AltModifier;
    if (bits & kSuper)
        m |= Qt::MetaModifier;
    return m;
}

HotkeyCombo keyed(quint32 modifiers, quint16 key, const QString& label)
{
    HotkeyCombo combo;
    combo.modifiers = modifiers;
    combo.keyCode = key;
    combo.keyLabel = label;
    return combo;
}

HotkeyCombo modifiersOnly(quint32 modifiers)
{
    HotkeyCombo combo;
    combo.modifiers = modifiers;
    return combo;
}

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

    // Key events go to the focused field, as they would from the keyboard; the recorder must
    // take them before the field does.
    void press(const Key& key)
    {
        QKeyEvent event(QEvent::KeyPress, key.qtKey, qtModifiers(m_held), key.xKeycode, 0, 0, key.text);
        QApplication::sendEvent(m_field, &event);
        if (key.qtKey == Qt::Key_Control)
            m_held |= kCtrl;
        else if (key.qtKey == Qt::Key_Alt)
            m_held |= kAlt;
        else if (key.qtKey == Qt::Key_Shift)
            m_held |= kShift;
        else if (key.qtKey == Qt::Key_Super_L)
            m_held |= kSuper;
    }
    void release(const Key& key)
    {
        // X11 reports a modifier's release with the modifier still in the state.
        QKeyEvent event(QEvent::KeyRelease, key.qtKey, qtModifiers(m_held), key.xKeycode, 0, 0, key.text);
        QApplication::sendEvent(m_field, &event);
        if (key.qtKey == Qt::Key_Control)
            m_held &= ~kCtrl;
        else if (key.qtKey == Qt::Key_Alt)
            m_held &= ~kAlt;
        else if (key.qtKey == Qt::Key_Shift)
            m_held &= ~kShift;
        else if (key.qtKey == Qt::Key_Super_L)
            m_held &= ~kSuper;
    }
    void tap(const Key& key)
    {
        press(key);
        release(key);
    }
    void startRecording()
    {
        QTest::mouseClick(m_recorder->findChild<QPushButton*>(QStringLiteral("recorderButton")), Qt::LeftButton);
        QVERIFY(m_recorder->isRecording());
    }
    QString buttonText() const { return m_recorder->findChild<QPushButton*>(QStringLiteral("recorderButton"))->text(); }
    QLabel* label(const char* name) const { return m_recorder->findChild<QLabel*>(QString::fromLatin1(name)); }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TempXdgHome>();
        m_store = std::make_unique<DefaultsStore>(m_home->defaultsFile());
        m_manager = std::make_unique<HotkeyManager>(*m_store);
        HotkeyActions::registerDefaults(*m_manager);
        m_window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(m_window.get());
        m_field = new QLineEdit(m_window.get());
        m_field->setObjectName(QStringLiteral("field"));
        auto* second = new QLineEdit(m_window.get());
        second->setObjectName(QStringLiteral("secondField"));
        m_recorder = new HotkeyRecorderView(*m_manager, HotkeyAction::Word, m_window.get());
        layout->addWidget(m_field);
        layout->addWidget(second);
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

    void idleShowsCurrentCombination()
    {
        QCOMPARE(buttonText(), QStringLiteral("Alt"));
        QVERIFY(!label("recorderHint")->isVisible());
        QVERIFY(!label("modifierWarning")->isVisible());
        QCOMPARE(m_manager->recordingCount(), 0);
    }

    void recordsModifierOnlyCombination()
    {
        startRecording();
        QCOMPARE(buttonText(), QStringLiteral("Нажмите клавиши…"));
        QVERIFY(label("recorderHint")->isVisible());
        QCOMPARE(label("recorderHint")->text(), QStringLiteral("⏎ подтвердить · ⎋ отмена"));
        press(kControlKey);
        QCOMPARE(buttonText(), QStringLiteral("Ctrl"));
        press(kShiftKey);
        press(kSuperKey);
        QCOMPARE(m_recorder->pending(), modifiersOnly(kCtrl | kShift | kSuper));
        QCOMPARE(buttonText(), QStringLiteral("Ctrl+Shift+Super"));
        release(kShiftKey);
        QCOMPARE(m_recorder->pending(), modifiersOnly(kCtrl | kSuper));
        QSignalSpy confirmed(m_recorder, &HotkeyRecorderView::comboConfirmed);
        tap(kReturnKey);
        QVERIFY(!m_recorder->isRecording());
        QCOMPARE(confirmed.count(), 1);
        QCOMPARE(m_manager->combo(HotkeyAction::Word), modifiersOnly(kCtrl | kSuper));
        QCOMPARE(m_manager->storedCombo(HotkeyAction::Word), std::optional(modifiersOnly(kCtrl | kSuper)));
        QCOMPARE(buttonText(), QStringLiteral("Ctrl+Super"));
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
        QTest::newRow("Ctrl+Shift+F5") << QList<int> { 0, 2 } << 0 << false
                                       << keyed(kCtrl | kShift, 96, QStringLiteral("F5"));
        QTest::newRow("F5 alone is allowed") << QList<int> {} << 0 << false << keyed(0, 96, QStringLiteral("F5"));
        QTest::newRow("Alt+A") << QList<int> { 1 } << 1 << false << keyed(kAlt, 0, QStringLiteral("A"));
        QTest::newRow("Ctrl+A under a Russian layout keeps the position")
            << QList<int> { 0 } << 2 << false << keyed(kCtrl, 0, QStringLiteral("\u0424"));
        QTest::newRow("Super+Space confirmed by keypad Enter")
            << QList<int> { 3 } << 3 << true << keyed(kSuper, 49, QStringLiteral("Space"));
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
        QCOMPARE(buttonText(), HotkeyFormatter::label(expected));
    }

    void keyWithoutModifierWarns_data()
    {
        QTest::addColumn<int>("key"); // 0 Space, 1 A
        QTest::newRow("Space") << 0;
        QTest::newRow("A") << 1;
    }
    void keyWithoutModifierWarns()
    {
        QFETCH(int, key);
        const Key keys[] = { kSpaceKey, kAKey };
        startRecording();
        tap(keys[key]);
        tap(kReturnKey);
        QVERIFY(m_recorder->isRecording());
        QVERIFY(m_recorder->showsModifierWarning());
        QVERIFY(label("modifierWarning")->isVisible());
        QVERIFY(label("modifierWarning")->text().contains(QStringLiteral("(Ctrl, Alt, Shift, Super)")));
        QCOMPARE(label("modifierWarning")->width(), 220);
        QCOMPARE(m_manager->combo(HotkeyAction::Word), modifiersOnly(kAlt));
        // The next event clears the warning; adding a modifier then makes it acceptable.
        press(kControlKey);
        QVERIFY(!m_recorder->showsModifierWarning());
        QVERIFY(!label("modifierWarning")->isVisible());
        tap(keys[key]);
        tap(kReturnKey);
        QVERIFY(!m_recorder->isRecording());
    }

    void returnWithNothingHeldIsIgnored()
    {
        bool asked = false;
        m_recorder->setOnConfirm([&](const HotkeyCombo&) {
            asked = true;
            return true;
        });
        startRecording();
        tap(kReturnKey);
        QVERIFY(m_recorder->isRecording());
        QVERIFY(!asked);
        // Modifiers let go before Return leave nothing to confirm either.
        press(kAltKey);
        release(kAltKey);
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
        QCOMPARE(m_manager->combo(HotkeyAction::Word), modifiersOnly(kAlt));
        QVERIFY(!m_manager->storedCombo(HotkeyAction::Word));
        QCOMPARE(buttonText(), QStringLiteral("Alt"));
        QCOMPARE(m_manager->recordingCount(), 0);
    }

    void clashIsRefused_data()
    {
        QTest::addColumn<HotkeyCombo>("selectionCombo");
        QTest::addColumn<bool>("recordCtrlA");
        QTest::newRow("another action's modifiers") << modifiersOnly(kCtrl | kAlt) << false;
        QTest::newRow("same key, other label") << keyed(kCtrl, 0, QStringLiteral("A")) << true;
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
        QCOMPARE(m_recorder->conflictMessage(), QStringLiteral("Эта комбинация уже занята другим действием"));
        QVERIFY(label("conflictMessage")->isVisible());
        QCOMPARE(m_manager->combo(HotkeyAction::Word), modifiersOnly(kAlt));
        QCOMPARE(HotkeyConflictCheck::clashingAction(*m_manager, m_recorder->pending(), HotkeyAction::Word),
            std::optional(HotkeyAction::Selection));
        // The action's own combination is no clash.
        QVERIFY(HotkeyConflictCheck::isAcceptable(*m_manager, modifiersOnly(kAlt), HotkeyAction::Word));
        QVERIFY(!HotkeyConflictCheck::isAcceptable(*m_manager, HotkeyCombo {}, HotkeyAction::Word));
    }

    void triggersAreSilentWhileRecording()
    {
        QStringList fired;
        HotkeyMatcher matcher(*m_manager, HotkeyMatcher::Hooks { [&](HotkeyAction action) { fired << HotkeyActionIds::id(action); }, {}, {} });
        startRecording();
        QCOMPARE(m_manager->recordingCount(), 1);
        matcher.handleFlagsChanged(kAlt);
        matcher.handleFlagsChanged(kCtrl | kAlt);
        QVERIFY(fired.isEmpty());
        tap(kEscapeKey);
        QCOMPARE(m_manager->recordingCount(), 0);
        matcher.handleFlagsChanged(kAlt);
        QCOMPARE(fired, QStringList { QStringLiteral("word") });
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
        press(kAltKey);
        release(kAltKey);
        QVERIFY(m_field->hasFocus());
        QCOMPARE(m_field->text(), QString());
        tap(kEscapeKey);
        QCOMPARE(QWidget::keyboardGrabber(), nullptr);
        // Not recording: keys reach the field again.
        tap(kAKey);
        QCOMPARE(m_field->text(), QStringLiteral("a"));
    }

    void hidingStopsRecording()
    {
        startRecording();
        m_recorder->hide();
        QVERIFY(!m_recorder->isRecording());
        QCOMPARE(m_manager->recordingCount(), 0);
    }

    void clickStopsRecording()
    {
        startRecording();
        press(kAltKey);
        QTest::mouseClick(m_recorder->findChild<QPushButton*>(QStringLiteral("recorderButton")), Qt::LeftButton);
        QVERIFY(!m_recorder->isRecording());
        QCOMPARE(m_manager->combo(HotkeyAction::Word), modifiersOnly(kAlt));
        QCOMPARE(m_manager->recordingCount(), 0);
    }

    void twoRecordersCount()
    {
        HotkeyRecorderView other(*m_manager, HotkeyAction::Selection);
        startRecording();
        other.startRecording();
        QCOMPARE(m_manager->recordingCount(), 2);
        other.stopRecording();
        QCOMPARE(m_manager->recordingCount(), 1);
        m_recorder->stopRecording();
        QCOMPARE(m_manager->recordingCount(), 0);
    }
};

QTEST_MAIN(TestHotkeyRecorderView)
#include "TestHotkeyRecorderView.moc"
