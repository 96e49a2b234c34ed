#include "app/AppDelegate.h"
#include "app/GrammarWindowController.h"
#include "app/InterfaceTranslator.h"
#include "app/LaunchServices.h"
#include "app/QuillmoorApp.h"
#include "app/SectionWindow.h"
#include "app/TrayIconController.h"
#include "grammar/GrammarBankCatalog.h"
#include "grammar/GrammarExerciseGenerationService.h"
#include "grammar/GrammarTheoryView.h"
#include "grammar/GrammarView.h"
#include "language/LanguageModelClient.h"
#include "preferences/Preferences.h"
#include "store/GrammarCardStore.h"
#include "store/VocabCardStore.h"
#include "support/AccessibleTexts.h"
#include "support/FakeModelServer.h"
#include "support/TempCardStore.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QJsonObject exercise(const QString& id, const QString& type, const QString& prompt, const QString& answer,
    const QStringList& choices = {}, const QString& explanation = u"Объяснение."_s)
{
    QJsonObject object { { "id", id }, { "type", type }, { "prompt", prompt }, { "correctAnswer", answer },
        { "explanation", explanation } };
    if (!choices.isEmpty())
        object.insert("choices", QJsonArray::fromStringList(choices));
    return object;
}

QJsonObject topic(const QString& id, const QString& title, const QString& level, const QJsonArray& exercises,
    const QString& theory = QString(), const QJsonObject& localized = {})
{
    QJsonObject object { { "id", id }, { "title", title }, { "subtitle", title + u" — кратко"_s },
        { "systemImage", "textformat" }, { "level", level }, { "exercises", exercises } };
    if (!theory.isEmpty())
        object.insert("theory", theory);
    if (!localized.isEmpty())
        object.insert("localized", localized);
    return object;
}

// A small English course: two A1 topics and one A2 topic.
QJsonObject englishCourse()
{
    const QJsonArray articles {
        exercise("en.art.1", "cloze", "___ cat sleeps.", "The"),
        exercise("en.art.2", "multipleChoice", "She ___ here.", "lives", { "live", "lives", "living" }),
        exercise("en.art.3", "wordOrder", "Put the words in order.", "the cat saw the dog"),
        exercise("en.art.4", "multipleChoice", "I ___ a student.", "am"),
    };
    const QJsonObject english { { "en", QJsonObject { { "title", "Articles" }, { "theory", "About articles." } } } };
    return { { "version", 1 }, { "languageCode", "en" },
        { "topics",
            QJsonArray { topic("en.art", "Артикли", "a1", articles, "Теория артиклей.", english),
                topic("en.tense", "Времена", "a1", { exercise("en.tense.1", "cloze", "He ___ home.", "goes") }),
                topic("en.cond", "Условные предложения", "a2",
                    { exercise("en.cond.1", "cloze", "If I ___ rich…", "were") }) } } };
}

QJsonObject germanCourse()
{
    return { { "version", 1 }, { "languageCode", "de" },
        { "topics",
            QJsonArray {
                topic("de.case", "Падежи", "a1", { exercise("de.case.1", "cloze", "Ich sehe ___ Mann.", "den") }) } } };
}

QJsonObject generated(const QString& type, const QString& prompt, const QString& answer, const QStringList& choices)
{
    return { { "type", type }, { "prompt", prompt }, { "choices", QJsonArray::fromStringList(choices) },
        { "correctAnswer", answer }, { "explanation", "Weil." } };
}

} // namespace

// The grammar window on a real card store, a course folder of its own and a local model server.
class TestGrammarWindow : public QObject, TempCardStore<GrammarCardStore>
{
    Q_OBJECT

    QTemporaryDir m_courses;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<VocabCardStore> m_vocabulary;
    std::unique_ptr<GrammarBankCatalog> m_catalog;
    std::unique_ptr<FakeModelServer> m_fake;
    std::unique_ptr<LanguageModelClient> m_model;
    std::unique_ptr<GrammarExerciseGenerationService> m_generator;
    std::unique_ptr<GrammarCourseServices> m_services;
    std::unique_ptr<GrammarView> m_view;
    int m_checks = 0;

    void writeCourse(const QString& code, const QJsonObject& course)
    {
        QFile file(m_courses.filePath(code + u"_grammar_bank.json"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(course).toJson());
    }

    GrammarView& open()
    {
        GrammarCourseModel::Options options;
        options.clock = [this] { return now; };
        options.afterRating = [this] { ++m_checks; };
        m_view = std::make_unique<GrammarView>(*m_services, options);
        m_view->resize(480, 560);
        m_view->show();
        m_view->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(m_view.get())); }();
        return *m_view;
    }

    template <typename T = QWidget> T* find(const QString& name, QWidget* in = nullptr)
    {
        T* child = (in ? in : m_view.get())->findChild<T*>(name);
        [&] { QVERIFY2(child, qPrintable(name)); }();
        return child;
    }
    QString text(const QString& label, QWidget* in = nullptr) { return find<QLabel>(label, in)->text(); }
    bool shown(const QString& name) { return find(name)->isVisibleTo(m_view.get()); }
    void click(const QString& name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    QPushButton* topicRow(const QString& id)
    {
        for (QPushButton* row : m_view->findChildren<QPushButton*>(u"topicRow"_s)) {
            if (row->property("topicID").toString() == id)
                return row;
        }
        return nullptr;
    }
    QStringList shownTopics()
    {
        QStringList ids;
        for (QPushButton* row : m_view->findChildren<QPushButton*>(u"topicRow"_s)) {
            if (row->isVisibleTo(m_view.get()))
                ids << row->property("topicID").toString();
        }
        return ids;
    }
    // The level headers shown, as "A1 0/2".
    QStringList levelsShown()
    {
        QStringList levels;
        for (const char* raw : { "a1", "a2", "b1" }) {
            QWidget* header = m_view->findChild<QWidget*>(u"level_"_s + QLatin1String(raw));
            if (header && header->isVisibleTo(m_view.get()))
                levels << text(u"levelName"_s, header) + ' ' + text(u"levelProgress"_s, header);
        }
        return levels;
    }
    QPushButton* tile(const char* area, const QString& word)
    {
        for (QPushButton* candidate : m_view->findChildren<QPushButton*>(QString::fromLatin1(area))) {
            if (candidate->text() == word)
                return candidate;
        }
        return nullptr;
    }
    void openTopic(const QString& id) { QTest::mouseClick(topicRow(id), Qt::LeftButton); }
    // Answers cards of the open practice with Good until the one with this prompt is current.
    void skipTo(const QString& prompt)
    {
        for (int guard = 0; guard < 10 && text(u"exercisePrompt"_s) != prompt; ++guard) {
            while (!m_view->model().wordOrderPool().isEmpty())
                m_view->model().placeTile(0);
            m_view->model().setAnswerText(u"x"_s);
            m_view->model().choose(u"x"_s);
            m_view->model().submitAnswer();
            QVERIFY(m_view->model().rate(FSRSRating::Good));
        }
        QCOMPARE(text(u"exercisePrompt"_s), prompt);
    }
    void press(Qt::Key key, bool repeat = false)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : m_view.get();
        const QString typed = key >= Qt::Key_0 && key <= Qt::Key_9 ? QString(QChar(key)) : QString();
        QTest::simulateEvent(target, true, key, Qt::NoModifier, typed, repeat);
        QTest::simulateEvent(target, false, key, Qt::NoModifier, typed, repeat);
    }
    // Types any text, letters outside Latin-1 included, as key events with that text.
    static void type(QWidget* widget, const QString& text)
    {
        for (QChar letter : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    }
    int logCount() { return rows(u"SELECT COUNT(*) FROM grammar_review_log"_s).value(0).toInt(); }
    void addStudiedWord(const QString& word)
    {
        VocabCardContent content;
        content.word = word;
        content.translatedWord = word;
        content.sentence = word;
        const std::optional<VocabCard> card = m_vocabulary->addCard(content);
        QVERIFY(card);
        exec(u"UPDATE vocab_card SET reps = 1 WHERE id = ?"_s, { card->id });
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_courses.isValid());
        writeCourse(u"en"_s, englishCourse());
        writeCourse(u"de"_s, germanCourse());
    }

    void init()
    {
        openStore("Europe/Berlin");
        m_preferences = std::make_unique<Preferences>(m_home->defaultsFile());
        m_vocabulary = std::make_unique<VocabCardStore>(*m_database, [this] { return now; });
        m_catalog = std::make_unique<GrammarBankCatalog>(GrammarBankCatalog::Options { m_courses.path() });
        m_fake = std::make_unique<FakeModelServer>();
        m_preferences->store().setValue(LanguageModelClient::kBaseUrlKey, m_fake->server.url(u"/v1"_s).toString());
        m_model = std::make_unique<LanguageModelClient>(m_preferences->store());
        m_generator = std::make_unique<GrammarExerciseGenerationService>(
            *m_model, *m_vocabulary, GrammarExerciseGenerationService::Options {});
        m_services = std::make_unique<GrammarCourseServices>(GrammarCourseServices { *m_catalog, store(), *m_vocabulary,
            *m_generator, m_preferences->translation(), m_preferences->interfaceLanguage() });
        m_checks = 0;
    }

    void cleanup()
    {
        m_view.reset();
        m_services.reset();
        m_generator.reset();
        m_model.reset();
        m_fake.reset();
        m_catalog.reset();
        m_vocabulary.reset();
        m_preferences.reset();
        closeStore();
    }

    void levelsWithProgressAccuracyAndSeal()
    {
        open();
        QCOMPARE(shownTopics(), (QStringList { "en.art", "en.tense", "en.cond" }));
        QCOMPARE(text(u"levelName"_s), u"A1"_s);
        QWidget* a1 = find(u"level_a1"_s);
        QCOMPARE(find<QLabel>(u"levelProgress"_s, a1)->text(), u"0/2"_s);
        QVERIFY(!find(u"levelSeal"_s, a1)->isVisibleTo(m_view.get()));
        QCOMPARE(find<QLabel>(u"topicAccuracy"_s, topicRow(u"en.art"_s))->text(), u"—"_s);
        m_view.reset();

        // Ten ratings with two lapses in one topic, one rating without a lapse in the other.
        store().addBankExercise(
            { u"en.art.1"_s, GrammarExerciseType::Cloze, u"p"_s, {}, u"a"_s, u"e"_s, {} }, u"en.art"_s, u"Артикли"_s);
        store().addBankExercise({ u"en.tense.1"_s, GrammarExerciseType::Cloze, u"p"_s, {}, u"a"_s, u"e"_s, {} },
            u"en.tense"_s, u"Времена"_s);
        exec(u"UPDATE grammar_card SET reps = 10, lapses = 2 WHERE topic = 'Артикли'"_s);
        exec(u"UPDATE grammar_card SET reps = 3, lapses = 1 WHERE topic = 'Времена'"_s);
        open();
        a1 = find(u"level_a1"_s);
        QCOMPARE(find<QLabel>(u"levelProgress"_s, a1)->text(), u"2/2"_s);
        QVERIFY(find<QLabel>(u"levelSeal"_s, a1)->isVisibleTo(m_view.get()));
        QCOMPARE(find<QLabel>(u"levelProgress"_s, find(u"level_a2"_s))->text(), u"0/1"_s);
        QCOMPARE(find<QLabel>(u"topicAccuracy"_s, topicRow(u"en.art"_s))->text(), u"80%"_s);
        QCOMPARE(find<QLabel>(u"topicAccuracy"_s, topicRow(u"en.tense"_s))->text(), u"67%"_s);
        // 81 % and more is in the accent colour, less in the secondary one.
        const QColor good
            = find<QLabel>(u"topicAccuracy"_s, topicRow(u"en.art"_s))->palette().color(QPalette::WindowText);
        exec(u"UPDATE grammar_card SET reps = 100, lapses = 19 WHERE topic = 'Артикли'"_s);
        m_view->model().backToTopics();
        QCOMPARE(find<QLabel>(u"topicAccuracy"_s, topicRow(u"en.art"_s))->text(), u"81%"_s);
        QVERIFY(find<QLabel>(u"topicAccuracy"_s, topicRow(u"en.art"_s))->palette().color(QPalette::WindowText) != good);
    }

    void search_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("personalRow");
        QTest::addColumn<QStringList>("topics");
        QTest::addColumn<QString>("noResults");
        QTest::addColumn<QStringList>("levels");
        // clang-format off
        QTest::newRow("empty") << "" << true << QStringList { "en.art", "en.tense", "en.cond" } << QString() << QStringList { "A1 0/2", "A2 0/1" };
        QTest::newRow("only spaces hide the row and show all") << "   " << false << QStringList { "en.art", "en.tense", "en.cond" } << QString() << QStringList { "A1 0/2", "A2 0/1" };
        QTest::newRow("a title word") << "артикли" << false << QStringList { "en.art" } << QString() << QStringList { "A1 0/1" };
        QTest::newRow("nothing matches") << "zzzz" << false << QStringList {} << "Ничего не нашлось по запросу \"zzzz\"" << QStringList {};
        // clang-format on
    }
    void search()
    {
        QFETCH(QString, query);
        QFETCH(bool, personalRow);
        QFETCH(QStringList, topics);
        QFETCH(QString, noResults);
        QFETCH(QStringList, levels);
        open();
        // Typed at once: the test keyboard has only Latin letters.
        find<QLineEdit>(u"searchField"_s)->setText(query);
        QCOMPARE(shown(u"personalizedRow"_s), personalRow);
        QCOMPARE(shownTopics(), topics);
        QLabel* none = m_view->findChild<QLabel*>(u"noResultsLabel"_s);
        QCOMPARE(none->isVisibleTo(m_view.get()) ? none->text() : QString(), noResults);
        QCOMPARE(levelsShown(), levels);
    }

    void streakShownFromOneDay()
    {
        open();
        QVERIFY(!shown(u"streakLabel"_s));
        m_view.reset();
        store().addBankExercise(
            { u"x.1"_s, GrammarExerciseType::Cloze, u"p"_s, {}, u"a"_s, u"e"_s, {} }, u"x"_s, u"X"_s);
        QVERIFY(store().recordReview(store().allCards().first().id, FSRSRating::Good, 3));
        open();
        QVERIFY(shown(u"streakLabel"_s));
        QCOMPARE(text(u"streakLabel"_s), u"Стрик: 1 🔥"_s);
        openTopic(u"en.tense"_s);
        QVERIFY(!shown(u"streakLabel"_s) && !shown(u"studyLanguagePicker"_s) && shown(u"backButton"_s));
    }

    void theorySheet_data()
    {
        QTest::addColumn<QString>("topicID");
        QTest::addColumn<QString>("theory");
        QTest::addColumn<bool>("start");
        QTest::newRow("closing") << "en.art"
                                 << "Теория артиклей." << false;
        QTest::newRow("no theory, starting") << "en.tense"
                                             << "Теория для этой темы пока не добавлена." << true;
    }
    void theorySheet()
    {
        QFETCH(QString, topicID);
        QFETCH(QString, theory);
        QFETCH(bool, start);
        open();
        QTest::mouseClick(find<QToolButton>(u"theoryButton"_s, topicRow(topicID)), Qt::LeftButton);
        auto* sheet = find<GrammarTheoryView>(u"theorySheet"_s);
        QTRY_VERIFY(sheet->isVisible());
        QCOMPARE(find<QLabel>(u"theoryText"_s, sheet)->text(), theory);
        QTest::mouseClick(
            find<QPushButton>(start ? u"startExercisesButton"_s : u"closeTheoryButton"_s, sheet), Qt::LeftButton);
        QTRY_VERIFY(!m_view->findChild<GrammarTheoryView*>());
        QCOMPARE(m_view->model().screen(),
            start ? GrammarCourseModel::Screen::Exercises : GrammarCourseModel::Screen::Topics);
        QCOMPARE(rows(u"SELECT COUNT(*) FROM grammar_card"_s), QStringList { start ? "1" : "0" });
        if (start)
            QCOMPARE(text(u"exerciseProgress"_s), u"1 из 1 · Времена"_s);
    }

    void answering_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("answer"); // typed; "choice:<text>"; "tiles:<words>"
        QTest::addColumn<bool>("correct");
        QTest::addColumn<QString>("result");
        // clang-format off
        QTest::newRow("cloze trims and ignores case") << "___ cat sleeps." << "  tHE \t" << true << "Верно!";
        QTest::newRow("cloze with another apostrophe") << "___ cat sleeps." << "The’" << false << "Неверно — правильный ответ: The";
        QTest::newRow("multiple choice right") << "She ___ here." << "choice:lives" << true << "Верно!";
        QTest::newRow("multiple choice wrong") << "She ___ here." << "choice:live" << false << "Неверно — правильный ответ: lives";
        QTest::newRow("multiple choice without choices is typed") << "I ___ a student." << "AM" << true << "Верно!";
        QTest::newRow("word order with the same word twice") << "Put the words in order." << "tiles:the cat saw the dog" << true << "Верно!";
        QTest::newRow("word order wrong") << "Put the words in order." << "tiles:the dog saw the cat" << false << "Неверно — правильный ответ: the cat saw the dog";
        // clang-format on
    }
    void answering()
    {
        QFETCH(QString, prompt);
        QFETCH(QString, answer);
        QFETCH(bool, correct);
        QFETCH(QString, result);
        open();
        openTopic(u"en.art"_s);
        QCOMPARE(text(u"exerciseProgress"_s), u"1 из 4 · Артикли"_s);
        skipTo(prompt);
        QVERIFY(!shown(u"feedback"_s) && !shown(u"rateGood"_s));
        if (answer.startsWith("choice:"_L1)) {
            QPushButton* chosen = nullptr;
            for (QPushButton* option : m_view->findChildren<QPushButton*>(u"choiceButton"_s))
                chosen = option->text() == answer.mid(7) ? option : chosen;
            QVERIFY(chosen && chosen->focusPolicy() == Qt::NoFocus);
            QTest::mouseClick(chosen, Qt::LeftButton);
            // The first tap answers; another changes nothing.
            QTest::mouseClick(m_view->findChildren<QPushButton*>(u"choiceButton"_s).first(), Qt::LeftButton);
        } else if (answer.startsWith("tiles:"_L1)) {
            QCOMPARE(m_view->findChildren<QPushButton*>(u"poolTile"_s).size(), 5);
            const QStringList words = answer.mid(6).split(' ');
            for (int i = 0; i < words.size(); ++i) {
                QVERIFY(!find<QPushButton>(u"checkWordOrderButton"_s)->isEnabled());
                QTest::mouseClick(tile("poolTile", words[i]), Qt::LeftButton);
                if (i == 1) {
                    // A placed tile goes back to the end of the pool, and comes back again.
                    QTest::mouseClick(tile("assembledTile", words[1]), Qt::LeftButton);
                    QCOMPARE(m_view->model().wordOrderPool().last(), words[1]);
                    QTest::mouseClick(m_view->findChildren<QPushButton*>(u"poolTile"_s).last(), Qt::LeftButton);
                }
            }
            QCOMPARE(m_view->model().wordOrderAssembled().join(' '), answer.mid(6));
            click(u"checkWordOrderButton"_s);
        } else {
            auto* field = find<QLineEdit>(u"answerField"_s);
            QVERIFY(field->isVisibleTo(m_view.get()));
            QVERIFY(!find<QPushButton>(u"checkButton"_s)->isEnabled());
            type(field, answer);
            QVERIFY(find<QPushButton>(u"checkButton"_s)->isEnabled());
            click(u"checkButton"_s);
        }
        QCOMPARE(m_view->model().wasCorrect(), correct);
        QVERIFY(shown(u"feedback"_s) && shown(u"rateAgain"_s) && shown(u"rateEasy"_s));
        QCOMPARE(text(u"resultLabel"_s), result);
        QCOMPARE(text(u"explanationLabel"_s), u"Объяснение."_s);
    }

    void ratingKeysOnlyOnceAnswered()
    {
        open();
        openTopic(u"en.art"_s);
        auto* field = find<QLineEdit>(u"answerField"_s);
        QTRY_VERIFY(field->hasFocus());
        // Typed into the field, the digits are the answer, not a rating.
        press(Qt::Key_3);
        QCOMPARE(field->text(), u"3"_s);
        QCOMPARE(logCount(), 0);
        field->clear();
        QTest::keyClicks(field, u"the"_s);
        now = now.addSecs(4);
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(field->isReadOnly() && !field->hasFocus());
        press(Qt::Key_2, true); // a key held since before the answer
        QCOMPARE(logCount(), 0);
        press(Qt::Key_2);
        press(Qt::Key_2, true);
        QCOMPARE(rows(u"SELECT rating, duration_seconds FROM grammar_review_log"_s), QStringList { "2,4" });
        QCOMPARE(m_checks, 1);
        QCOMPARE(text(u"exerciseProgress"_s), u"2 из 4 · Артикли"_s);
        QVERIFY(!field->isReadOnly());
        // Multiple choice: no field to type into, and still no rating before the answer.
        press(Qt::Key_4);
        QCOMPARE(logCount(), 1);
        for (const char* name : { "rateAgain", "rateGood", "checkButton", "backButton" })
            QCOMPARE(find<QPushButton>(QString::fromLatin1(name))->focusPolicy(), Qt::NoFocus);
    }

    void emptyQueueStates()
    {
        // A topic whose only card is due tomorrow.
        store().addBankExercise({ u"en.tense.1"_s, GrammarExerciseType::Cloze, u"p"_s, {}, u"a"_s, u"e"_s, {} },
            u"en.tense"_s, u"Времена"_s);
        exec(u"UPDATE grammar_card SET due_date = ?"_s, { now.addDays(1).toMSecsSinceEpoch() });
        open();
        openTopic(u"en.tense"_s);
        QVERIFY(shown(u"doneState"_s));
        QCOMPARE(text(u"doneTitle"_s), u"Всё повторено!"_s);
        // Opening it again adds no second card.
        click(u"backButton"_s);
        openTopic(u"en.tense"_s);
        QCOMPARE(rows(u"SELECT COUNT(*) FROM grammar_card"_s), QStringList { "1" });

        click(u"backButton"_s);
        click(u"personalizedRow"_s);
        QVERIFY(shown(u"personalEmptyState"_s));
        QCOMPARE(text(u"personalEmptyTitle"_s), u"Ещё нет персональных заданий"_s);
        QVERIFY(shown(u"noWordsLabel"_s) && !shown(u"generateButton"_s));
        QCOMPARE(m_fake->server.requests().size(), 0);
    }

    void generatingFromStudiedWords()
    {
        addStudiedWord(u"Haus"_s);
        m_preferences->translation().setStudyLanguageCode(u"de"_s);
        m_fake->chatQueue
            << reply(200, completion(generated("multipleChoice", "Das ___ ist groß.", "Haus", { "Haus", "Häuser" })))
            << reply(200, completion(generated("multipleChoice", "Ich ___ nach Hause.", "gehe", { "geht", "gehst" })))
            << reply(200, completion(generated("sentence", "Wir ___ im Haus.", "wohnen", {})));
        m_fake->answer(QJsonObject {}); // the remaining calls fail
        open();
        click(u"personalizedRow"_s);
        QVERIFY(shown(u"generateButton"_s) && !shown(u"noWordsLabel"_s));
        click(u"generateButton"_s);
        QVERIFY(shown(u"generationProgress"_s) && !shown(u"generateButton"_s));
        QTRY_VERIFY(shown(u"exercisePage"_s));
        QCOMPARE(m_fake->chatRequests(), GrammarCourseModel::kGeneratedCount);
        // The correct answer missing from the choices, and an unknown type without choices, make
        // typed answers.
        QCOMPARE(rows(u"SELECT exercise_type, source, topic_id, topic, choices FROM grammar_card ORDER BY id"_s),
            (QStringList { "multipleChoice,personalized,personalized,Мои слова,[\"Haus\",\"Häuser\"]",
                "cloze,personalized,personalized,Мои слова,[]", "cloze,personalized,personalized,Мои слова,[]" }));
        QCOMPARE(text(u"exerciseProgress"_s), u"1 из 3 · Мои слова"_s);
        QCOMPARE(text(u"exercisePrompt"_s), u"Das ___ ist groß."_s);
    }

    void failedWritesAreShown()
    {
        addStudiedWord(u"Haus"_s);
        m_fake->answer(generated("cloze", "Das ___ ist groß.", "Haus", {}));
        exec(u"CREATE TRIGGER full_disk BEFORE INSERT ON grammar_card WHEN NEW.source = 'personalized'"
             " BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END"_s);
        open();
        click(u"personalizedRow"_s);
        click(u"generateButton"_s);
        QTRY_VERIFY(shown(u"generateButton"_s));
        QVERIFY(shown(u"personalEmptyState"_s) && shown(u"generationError"_s));
        QCOMPARE(rows(u"SELECT COUNT(*) FROM grammar_card"_s), QStringList { "0" });

        click(u"backButton"_s);
        openTopic(u"en.tense"_s);
        exec(u"CREATE TRIGGER no_log BEFORE INSERT ON grammar_review_log"
             " BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END"_s);
        QTest::keyClicks(find<QLineEdit>(u"answerField"_s), u"goes"_s);
        click(u"checkButton"_s);
        click(u"rateGood"_s);
        QVERIFY(shown(u"ratingError"_s) && shown(u"exercisePage"_s));
        QCOMPARE(m_checks, 0);
        exec(u"DROP TRIGGER no_log"_s);
        click(u"rateGood"_s);
        QVERIFY(shown(u"doneState"_s));
        QCOMPARE(m_checks, 1);
    }

    void studyLanguageAndInterfaceLanguage()
    {
        InterfaceTranslator translator(m_preferences->interfaceLanguage());
        open();
        auto* picker = find<QComboBox>(u"studyLanguagePicker"_s);
        QCOMPARE(picker->itemText(0), u"Авто"_s);
        QCOMPARE(picker->width(), 120);
        const int german = picker->findData(u"de"_s);
        picker->setCurrentIndex(german);
        Q_EMIT picker->activated(german);
        QCOMPARE(m_preferences->translation().studyLanguageCode(), std::optional(u"de"_s));
        QCOMPARE(shownTopics(), QStringList { "de.case" });
        // A language without a course file: the missing-course state under the learner's own row.
        const int french = picker->findData(u"fr"_s);
        picker->setCurrentIndex(french);
        Q_EMIT picker->activated(french);
        QTRY_VERIFY(shown(u"missingCourseState"_s) && shown(u"personalizedRow"_s));
        QCOMPARE(text(u"missingCourseTitle"_s), u"Курс грамматики пока не готов для этого языка"_s);

        m_preferences->translation().setStudyLanguageCode(std::nullopt);
        m_preferences->interfaceLanguage().setLanguageCode(u"en"_s);
        QTRY_COMPARE(find<QLabel>(u"topicTitle"_s, topicRow(u"en.art"_s))->text(), u"Articles"_s);
        QCOMPARE(find<QLabel>(u"topicTitle"_s, find(u"personalizedRow"_s))->text(), u"My words"_s);
        openTopic(u"en.art"_s);
        QCOMPARE(text(u"exerciseProgress"_s), u"1 of 4 · Articles"_s);
    }

    void closingTheWindowWhileGenerating()
    {
        addStudiedWord(u"Haus"_s);
        LocalHttpServer::Response slow = reply(200, completion(generated("cloze", "Das ___ ist groß.", "Haus", {})));
        slow.delayMs = 150;
        m_fake->chat = slow;
        GrammarWindowController controller(m_services.get(), nullptr);
        controller.showWindow();
        QPointer<GrammarView> view = controller.view();
        QVERIFY(view);
        QTest::mouseClick(view->findChild<QPushButton*>(u"personalizedRow"_s), Qt::LeftButton);
        QTest::mouseClick(view->findChild<QPushButton*>(u"generateButton"_s), Qt::LeftButton);
        QTRY_VERIFY(m_fake->chatRequests() >= 1);
        controller.close();
        QTRY_VERIFY(!view);
        // The generation ends without its view and its exercises are kept.
        QTRY_COMPARE(rows(u"SELECT COUNT(*) FROM grammar_card WHERE source = 'personalized'"_s), QStringList { "6" });
    }

    void theTrayOpensTheCourseAndRatingsRunTheAchievementCheck()
    {
        {
            Preferences seed(m_home->defaultsFile());
            seed.onboarding().setHasCompletedOnboarding(true);
            seed.translation().setTargetLanguageCode(u"ru"_s);
        }
        std::unique_ptr<QuillmoorApp> app
            = QuillmoorApp::create({ m_home->defaultsFile(), m_home->diagnosticsFile(), m_home->cardsFile() });
        QVERIFY(app);
        app->tray().menu()->findChild<QAction*>(u"menuGrammar"_s)->trigger();
        SectionWindow* window = app->delegate().grammarWindowController()->window();
        QTRY_VERIFY(window->isVisible());
        auto* view = qobject_cast<GrammarView*>(window->contentView());
        QVERIFY(view);
        // The bundled English course.
        QVERIFY(view->model().topics().size() > 3);
        app.reset();

        struct CountingChecker : AchievementChecker
        {
            int checks = 0;
            void checkForNewlyUnlocked() override { ++checks; }
        } checker;
        GrammarWindowController controller(m_services.get(), &checker);
        controller.showWindow();
        controller.view()->model().openBankTopic(m_catalog->topics(u"en"_s).at(1));
        controller.view()->model().setAnswerText(u"goes"_s);
        controller.view()->model().submitAnswer();
        QVERIFY(controller.view()->model().rate(FSRSRating::Easy));
        QCOMPARE(checker.checks, 1);
    }

    void everyTextIsReadable()
    {
        store().addBankExercise({ u"en.cond.1"_s, GrammarExerciseType::Cloze, u"p"_s, {}, u"a"_s, u"e"_s, {} },
            u"en.cond"_s, u"Условные предложения"_s);
        exec(u"UPDATE grammar_card SET reps = 1"_s);
        open();
        const QStringList topics = accessibleTextsOfThisProcess();
        for (const QString& expected :
            { u"Мои слова"_s, u"A2"_s, u"1/1"_s, u"Все темы уровня начаты"_s, u"Артикли"_s, u"Поиск темы"_s })
            QVERIFY2(topics.contains(expected), qPrintable(expected + u" in "_s + topics.join(u" | "_s)));
    }
};

QTEST_MAIN(TestGrammarWindow)
#include "TestGrammarWindow.moc"
