#include "hotkeys/HotkeyActions.h"
#include "hotkeys/HotkeyConflictCheck.h"
#include "hotkeys/HotkeyFormatter.h"
#include "hotkeys/HotkeyManager.h"
#include "hotkeys/HotkeyRecorderView.h"
#include "platform/GlobalKeyMonitor.h"
#include "preferences/DefaultsStore.h"
#include "support/HotkeyCombos.h"
#include "support/TempXdgHome.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

using namespace HotkeyCombos;

// The desktop's raw key stream, played by the test.
class PlayedKeyMonitor : public GlobalKeyMonitor
{
public:
    bool start() override { return true; }
    void stop() override { }
    bool isRunning() const override { return true; }
    quint32 currentModifiers() const override { return m_modifiers; }
    void modifier(quint32 after)
    {
        m_modifiers = after;
        GlobalKeyEvent event;
        event.isModifierKey = true;
        event.modifiers = after;
        Q_EMIT keyEvent(event);
    }

private:
    quint32 m_modifiers = 0;
};

// A key as the X11 platform plugin reports it: Qt key, X keycode, the layout's text, and the
// modifier it is.
struct Key
{
    int qtKey;
    quint32 xKeycode;
    QString text;
    quint32 modifier = 0;
};

const QHash<QString, Key> kKeys {
    { u"Ctrl"_s, { Qt::Key_Control, 37, {}, kCtrl } }, { u"Alt"_s, { Qt::Key_Alt, 64, {}, kAlt } },
    { u"Shift"_s, { Qt::Key_Shift, 50, {}, kShift } }, { u"Super"_s, { Qt::Key_Super_L, 133, {}, kSuper } },
    { u"Return"_s, { Qt::Key_Return, 36, u"\r"_s } }, { u"Enter"_s, { Qt::Key_Enter, 104, u"\r"_s } }, // on the keypad
    { u"Escape"_s, { Qt::Key_Escape, 9, u"\x1b"_s } }, { u"F5"_s, { Qt::Key_F5, 71, {} } },
    { u"Space"_s, { Qt::Key_Space, 65, u" "_s } }, { u"Tab"_s, { Qt::Key_Tab, 23, u"\t"_s } },
    { u"A"_s, { Qt::Key_A, 38, u"a"_s } },
    { u"Ф"_s, { 0x0424, 38, u"\u0444"_s } }, // the A position under a Russian layout
};

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
    void press(const QString& key) { send(kKeys[key], true); }
    void release(const QString& key) { send(kKeys[key], false); }
    void tap(const QString& key)
    {
        press(key);
        release(key);
    }
    // "+Ctrl" presses a key, "-Ctrl" releases it, "Ctrl" taps it.
    void play(const QString& script)
    {
        for (const QString& step : script.split(u' ')) {
            if (step.startsWith(u'+'))
                press(step.mid(1));
            else if (step.startsWith(u'-'))
                release(step.mid(1));
            else
                tap(step);
        }
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

    // Keys played while the word action's recorder records (it starts on Alt, and Selection may
    // be set to clash), and the outcome: the label of the new combination, or "cancelled", or
    // still recording: plainly, with the modifier warning, or with a clash.
    void recording_data()
    {
        QTest::addColumn<HotkeyCombo>("selection");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("outcome");
        const HotkeyCombo none;
        // clang-format off
        QTest::newRow("modifiers only") << none << u"+Ctrl +Shift +Super -Shift Return"_s << u"Ctrl+Super"_s;
        QTest::newRow("Ctrl+Shift+F5, kept when the modifiers go up") << none << u"+Ctrl +Shift F5 -Shift -Ctrl Return"_s << u"Ctrl+Shift+F5"_s;
        QTest::newRow("F5 alone is allowed") << none << u"F5 Return"_s << u"F5"_s;
        QTest::newRow("Alt+A") << none << u"+Alt A -Alt Return"_s << u"Alt+A"_s;
        QTest::newRow("Ctrl+A under a Russian layout keeps the position") << none << u"+Ctrl Ф -Ctrl Return"_s << u"Ctrl+Ф"_s;
        QTest::newRow("Super+Space confirmed by keypad Enter") << none << u"+Super Space -Super Enter"_s << u"Super+Space"_s;
        QTest::newRow("Space without a modifier warns") << none << u"Space Return"_s << u"warning"_s;
        QTest::newRow("A without a modifier warns") << none << u"A Return"_s << u"warning"_s;
        QTest::newRow("the next key clears the warning") << none << u"A Return +Ctrl A -Ctrl Return"_s << u"Ctrl+A"_s;
        QTest::newRow("Return with nothing held") << none << u"Return"_s << u"recording"_s;
        QTest::newRow("modifiers let go before Return") << none << u"+Alt -Alt Return"_s << u"recording"_s;
        QTest::newRow("Escape keeps the old combination") << none << u"+Ctrl +Shift F5 Escape"_s << u"cancelled"_s;
        QTest::newRow("another action's modifiers") << combo(kCtrl | kAlt) << u"+Ctrl +Alt Return"_s << u"clash"_s;
        QTest::newRow("same key, other label") << combo(kCtrl, 0, u"A"_s) << u"+Ctrl Ф Return"_s << u"clash"_s;
        // clang-format on
    }
    void recording()
    {
        QFETCH(HotkeyCombo, selection);
        QFETCH(QString, script);
        QFETCH(QString, outcome);
        if (!selection.isEmpty())
            m_manager->setCombo(selection, HotkeyAction::Selection);
        QSignalSpy confirmed(m_recorder, &HotkeyRecorderView::comboConfirmed);
        QCOMPARE(button()->text(), u"Alt"_s);
        QVERIFY(!label(u"recorderHint"_s)->isVisible());
        startRecording();
        QVERIFY(label(u"recorderHint"_s)->isVisible());
        play(script);
        const bool recording = outcome == u"recording"_s || outcome == u"warning"_s || outcome == u"clash"_s;
        QCOMPARE(m_recorder->isRecording(), recording);
        QCOMPARE(m_manager->recordingCount(), recording ? 1 : 0);
        QCOMPARE(m_recorder->showsModifierWarning(), outcome == u"warning"_s);
        QCOMPARE(label(u"modifierWarning"_s)->isVisible(), outcome == u"warning"_s);
        QCOMPARE(label(u"conflictMessage"_s)->isVisible(), outcome == u"clash"_s);
        QCOMPARE(m_field->text(), QString()); // nothing reached the focused field
        if (outcome == u"clash"_s) {
            QCOMPARE(HotkeyConflictCheck::clashingAction(*m_manager, m_recorder->pending(), HotkeyAction::Word),
                std::optional(HotkeyAction::Selection));
            // The action's own combination is no clash; nothing at all is never acceptable.
            QVERIFY(HotkeyConflictCheck::isAcceptable(*m_manager, combo(kAlt), HotkeyAction::Word));
            QVERIFY(!HotkeyConflictCheck::isAcceptable(*m_manager, HotkeyCombo {}, HotkeyAction::Word));
        }
        if (recording || outcome == u"cancelled"_s) {
            QCOMPARE(m_manager->combo(HotkeyAction::Word), combo(kAlt));
            QVERIFY(!m_manager->storedCombo(HotkeyAction::Word));
            QCOMPARE(confirmed.count(), 0);
            return;
        }
        QCOMPARE(confirmed.count(), 1);
        QCOMPARE(HotkeyFormatter::label(m_manager->combo(HotkeyAction::Word)), outcome);
        QCOMPARE(m_manager->storedCombo(HotkeyAction::Word), m_manager->combo(HotkeyAction::Word));
        QCOMPARE(button()->text(), outcome);
    }

    // A confirm handler decides instead of the clash check, and is never asked about nothing.
    void confirmHandlerDecides()
    {
        int asked = 0;
        bool accept = false;
        m_recorder->setOnConfirm([&](const HotkeyCombo& asking) {
            ++asked;
            return asking == combo(kCtrl) && accept;
        });
        startRecording();
        play(u"Return +Ctrl Return"_s);
        QCOMPARE(asked, 1);
        QVERIFY(m_recorder->isRecording());
        accept = true;
        tap(u"Return"_s);
        QVERIFY(!m_recorder->isRecording());
        QCOMPARE(m_manager->combo(HotkeyAction::Word), combo(kAlt)); // storing is the handler's task
    }

    // The window manager keeps Super (GNOME's overlay key) from the window; the raw stream still
    // tells the recorder, and only while it records.
    void modifiersFromTheDesktopStream()
    {
        PlayedKeyMonitor desktop;
        m_recorder->setModifierSource([&desktop] { return &desktop; });
        desktop.modifier(kSuper);
        QVERIFY(m_recorder->pending().isEmpty());
        startRecording();
        desktop.modifier(kSuper);
        desktop.modifier(kSuper | kShift);
        QCOMPARE(m_recorder->shownText(), u"Shift+Super"_s);
        tap(u"Return"_s);
        QVERIFY(m_recorder->isRecording()); // quick lookup holds Super+Shift
        desktop.modifier(kSuper);
        press(u"Alt"_s);
        desktop.modifier(kSuper | kAlt);
        tap(u"Return"_s);
        QVERIFY(!m_recorder->isRecording());
        QCOMPARE(m_manager->combo(HotkeyAction::Word), combo(kSuper | kAlt));
        desktop.modifier(kCtrl);
        QCOMPARE(m_recorder->pending(), combo(kSuper | kAlt));
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
        tap(u"Tab"_s);
        tap(u"A"_s);
        tap(u"Alt"_s);
        QVERIFY(m_field->hasFocus());
        QCOMPARE(m_field->text(), QString());
        tap(u"Escape"_s);
        QCOMPARE(QWidget::keyboardGrabber(), nullptr);
        // Not recording: keys reach the field again.
        tap(u"A"_s);
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
        press(u"Alt"_s);
        QTest::mouseClick(button(), Qt::LeftButton);
        QVERIFY(!m_recorder->isRecording());
        QCOMPARE(m_manager->combo(HotkeyAction::Word), combo(kAlt));
        QCOMPARE(m_manager->recordingCount(), 0);
    }
};

QTEST_MAIN(TestHotkeyRecorderView)
#include "TestHotkeyRecorderView.moc"
