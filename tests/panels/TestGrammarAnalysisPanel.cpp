#include "grammar/GrammarAnalysisService.h"
#include "language/LanguageModelClient.h"
#include "language/TranslationBackendSet.h"
#include "panels/GrammarAnalysisModel.h"
#include "panels/GrammarAnalysisServices.h"
#include "panels/GrammarAnalysisView.h"
#include "panels/GrammarAnalysisWindow.h"
#include "panels/GrammarPartColoring.h"
#include "platform/DesktopWindowManager.h"
#include "preferences/Preferences.h"
#include "support/CapturedLog.h"
#include "support/LookupRig.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using Segment = GrammarPartColoring::Segment;

namespace {

const QString kSentence = u"She don't like coffee."_s;
const QString kSchema = u"GeneratedGrammarAnalysis"_s;

QJsonObject analysis(const QString& corrected, const QStringList& parts = { "She", "don't", "like" },
    const QString& explanation = u"A third-person subject takes does."_s)
{
    return { { "correctedSentence", corrected }, { "structureName", "Present Simple" },
        { "sentenceParts", QJsonArray::fromStringList(parts) },
        { "formulaParts", QJsonArray { "Subject", "does/doesn't", "base verb" } }, { "explanation", explanation },
        { "wordNotes", QJsonArray { "coffee: uncountable" } } };
}

// Segments written compactly: plain text, "[2|text]" for a part in colour 2, " + " separators as they are.
QString written(const QList<Segment>& segments)
{
    QString text;
    for (const Segment& segment : segments)
        text += segment.kind == Segment::Kind::Part ? u"[%1|%2]"_s.arg(segment.colorIndex).arg(segment.text)
                                                    : segment.text;
    return text;
}

QList<GrammarPartColoring::AlignedPart> aligned(const QStringList& parts, const QStringList& formula = {})
{
    GeneratedGrammarAnalysis record;
    record.sentenceParts = parts;
    record.formulaParts = formula;
    for (qsizetype i = formula.size(); i < parts.size(); ++i)
        record.formulaParts.append(u"role %1"_s.arg(i));
    return GrammarPartColoring::alignedParts(record);
}

// The grammar panel's collaborators over the lookup rig's servers: a local model server, a
// scripted translation back-end and the real language recogniser.
struct GrammarRig
{
    LookupRig lookup;
    FakeModelServer model;
    std::unique_ptr<LanguageModelClient> client;
    std::unique_ptr<TranslationBackendSet> backends = std::make_unique<TranslationBackendSet>();
    ScriptedBackend* backend = nullptr;
    std::unique_ptr<GrammarAnalysisService> service;
    std::unique_ptr<GrammarAnalysisServices> services;

    GrammarRig()
    {
        lookup.useEnglishToSpanish();
        lookup.preferences().store().setValue(
            LanguageModelClient::kBaseUrlKey, model.server.url(QStringLiteral("/v1")).toString());
        client = std::make_unique<LanguageModelClient>(lookup.preferences().store());
        backend = static_cast<ScriptedBackend*>(backends->add(std::make_unique<ScriptedBackend>()));
        service = std::make_unique<GrammarAnalysisService>(*client);
        services = std::make_unique<GrammarAnalysisServices>(
            GrammarAnalysisServices { lookup.preferences(), lookup.recognizer(), *backends, *service });
        model.answer(analysis(u"She doesn't like coffee."_s), kSchema);
    }
    void setTarget(const QString& code) { lookup.preferences().translation().setTargetLanguageCode(code); }
};

QStringList visibleTexts(const QWidget& root)
{
    QStringList texts;
    for (const QLabel* label : root.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&root) || label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        texts.append(label->accessibleName().isEmpty() ? label->text() : label->accessibleName());
    }
    return texts;
}

// The first wrapped line that is shown shorter than its text needs, if any.
QString squeezedLabel(const QWidget& root)
{
    for (const QLabel* label : root.findChildren<QLabel*>()) {
        if (label->isVisible() && label->wordWrap() && label->height() < label->heightForWidth(label->width()))
            return label->text();
    }
    return {};
}

} // namespace

// The grammar analysis panel: the colouring of sentence and formula, the states in their order,
// the translations of the English parts, and the window with its reuse of a content.
class TestGrammarAnalysisPanel : public QObject
{
    Q_OBJECT

    std::unique_ptr<GrammarRig> m_rig;

    std::unique_ptr<GrammarAnalysisView> loadedView(const QString& sentence = kSentence)
    {
        auto view = std::make_unique<GrammarAnalysisView>(*m_rig->services, sentence);
        view->model().start();
        if (!QTest::qWaitFor([&] { return !view->model().isLoading(); }, 5000))
            return nullptr;
        return view;
    }

private Q_SLOTS:
    void init() { m_rig = std::make_unique<GrammarRig>(); }
    void cleanup() { m_rig.reset(); }

    void coloredSentence_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("in order") << "She has eaten lunch." << QStringList { "She", "has", "eaten" } << "[0|She] [1|has] [2|eaten] lunch.";
        QTest::newRow("typographic apostrophe in the sentence") << u"I don’t know."_s << QStringList { "don't" } << u"I [0|don’t] know."_s;
        QTest::newRow("typographic apostrophe in the part") << "I don't know." << QStringList { u"don’t"_s } << "I [0|don't] know.";
        QTest::newRow("typographic double quotes") << u"He said “yes” twice."_s << QStringList { "\"yes\"" } << u"He said [0|“yes”] twice."_s;
        QTest::newRow("a part inside an earlier part") << "I have been waiting." << QStringList { "have been waiting", "been" } << "I [0|have been waiting].";
        QTest::newRow("parts out of order") << "She has eaten lunch." << QStringList { "eaten", "She" } << "[1|She] has [0|eaten] lunch.";
        QTest::newRow("a part not found") << "She has eaten lunch." << QStringList { "ran", "has" } << "She [1|has] eaten lunch.";
        QTest::newRow("case-insensitive") << "Berlin ist schön." << QStringList { "BERLIN", "Schön" } << "[0|Berlin] ist [1|schön].";
        // clang-format on
        // Lower-casing "İ" first would make the text one unit longer and shift every later position.
        // clang-format off
        QTest::newRow("positions after İ") << u"İstanbul'da yaşıyorum."_s << QStringList { u"yaşıyorum"_s } << u"İstanbul'da [0|yaşıyorum]."_s;
        QTest::newRow("white space around a part") << "Ich habe gegessen." << QStringList { " habe\n", "" } << "Ich [0|habe] gegessen.";
        QTest::newRow("colours in turn") << "a b c d e f g" << QStringList { "a", "b", "c", "d", "e", "f", "g" } << "[0|a] [1|b] [2|c] [3|d] [4|e] [5|f] [0|g]";
        // clang-format on
    }
    void coloredSentence()
    {
        QFETCH(QString, sentence);
        QFETCH(QStringList, parts);
        QFETCH(QString, expected);
        CapturedLog log;
        QCOMPARE(written(GrammarPartColoring::coloredSentence(sentence, aligned(parts))), expected);
        if (QTest::currentDataTag() == QByteArray("a part not found"))
            QCOMPARE(log.messages(u"quillmoor.grammar"_s),
                QStringList { u"Couldn't locate \"ran\" in the sentence for highlighting"_s });
    }

    void coloredFormula_data()
    {
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<QStringList>("formula");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("more formula parts than sentence parts") << QStringList { "She", "has" } << QStringList { "Subject", "have/has", "past participle" } << "[0|Subject] + [1|have/has]";
        QTest::newRow("more sentence parts than formula parts") << QStringList { "She", "has", "eaten" } << QStringList { "Subject" } << "[0|Subject]";
        // clang-format on
    }
    void coloredFormula()
    {
        QFETCH(QStringList, parts);
        QFETCH(QStringList, formula);
        QFETCH(QString, expected);
        GeneratedGrammarAnalysis record;
        record.sentenceParts = parts;
        record.formulaParts = formula;
        const auto segments = GrammarPartColoring::coloredFormula(GrammarPartColoring::alignedParts(record));
        QCOMPARE(written(segments), expected);
    }

    // What the content shows, first matching rule winning: the model, the language, loading, the
    // analysis, failure.
    void displayRules_data()
    {
        QTest::addColumn<bool>("modelServed");
        QTest::addColumn<QString>("guess"); // the recogniser's guess; empty: none
        QTest::addColumn<int>("chatStatus");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("chatRequests");
        using D = GrammarAnalysisModel::Display;
        QTest::newRow("no model, unsupported language") << false << "" << 200 << int(D::ModelUnavailable) << 0;
        QTest::newRow("no model") << false << "en" << 200 << int(D::ModelUnavailable) << 0;
        QTest::newRow("no language detected") << true << "" << 200 << int(D::LanguageUnsupported) << 0;
        QTest::newRow("analysed") << true << "en" << 200 << int(D::Loaded) << 1;
        QTest::newRow("failed") << true << "en" << 500 << int(D::Failed) << 1;
    }
    void displayRules()
    {
        QFETCH(bool, modelServed);
        QFETCH(QString, guess);
        QFETCH(int, chatStatus);
        QFETCH(int, expected);
        QFETCH(int, chatRequests);
        if (!modelServed)
            m_rig->model.models.clear();
        m_rig->lookup.recognizer().guesses
            = guess.isEmpty() ? QList<LanguageHypothesis> {} : QList<LanguageHypothesis> { { guess, 0.2 } };
        m_rig->model.chatBySchema[kSchema].status = chatStatus;
        m_rig->model.chatBySchema[kSchema].delayMs = 300;
        GrammarAnalysisView view(*m_rig->services, kSentence);
        view.model().start();
        // Until the answer is in, a supported sentence shows the loading state.
        if (expected == int(GrammarAnalysisModel::Display::Loaded)) {
            QCOMPARE(view.model().display(), GrammarAnalysisModel::Display::Loading);
            QVERIFY(visibleTexts(view).contains(u"Анализируем предложение…"_s));
        }
        QTRY_COMPARE(int(view.model().display()), expected);
        // An analysis runs for a supported sentence only, and ends (in failure when no model answers).
        QTRY_VERIFY(guess.isEmpty() || !view.model().isLoading());
        QCOMPARE(m_rig->model.chatRequests(), chatRequests);
        const QStringList texts = visibleTexts(view);
        QVERIFY2(texts.first() == u"Разбор грамматики"_s, qPrintable(texts.join('|')));
        switch (GrammarAnalysisModel::Display(expected)) {
        case GrammarAnalysisModel::Display::ModelUnavailable:
            // Says where no server answers.
            QVERIFY2(texts.join('|').contains(m_rig->model.server.url().authority()), qPrintable(texts.join('|')));
            break;
        case GrammarAnalysisModel::Display::Loaded:
            QVERIFY(texts.contains(kSentence));
            QVERIFY(texts.contains(u"She doesn't like coffee."_s));
            QVERIFY(texts.contains(u"Subject + does/doesn't + base verb"_s));
            break;
        case GrammarAnalysisModel::Display::Failed: {
            // "Повторить" asks again; the failure was not kept.
            m_rig->model.chatBySchema[kSchema].status = 200;
            auto* retry = view.findChild<QPushButton*>(u"retry"_s);
            QVERIFY(retry->isVisibleTo(&view));
            QTest::mouseClick(retry, Qt::LeftButton);
            QTRY_COMPARE(view.model().display(), GrammarAnalysisModel::Display::Loaded);
            QCOMPARE(m_rig->model.chatRequests(), 2);
            break;
        }
        default:
            break;
        }
        // Shown at the size it asks for, every line has room.
        view.resize(view.fittingSize());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(squeezedLabel(view), QString());
    }

    // The structure name, explanation and notes are translated out of English when the target is
    // another language and a back-end can do it.
    void explanationTranslation_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("explanation");
        QTest::addColumn<bool>("translated");
        // clang-format off
        QTest::newRow("into Spanish") << "es" << "A third-person subject takes does." << true;
        QTest::newRow("English target: no pack check") << "en" << "A third-person subject takes does." << false;
        QTest::newRow("empty explanation") << "es" << "" << false;
        // clang-format on
    }
    void explanationTranslation()
    {
        QFETCH(QString, target);
        QFETCH(QString, explanation);
        QFETCH(bool, translated);
        m_rig->setTarget(target);
        m_rig->lookup.recognizer().guesses = QList<LanguageHypothesis> { { u"de"_s, 0.9 } };
        const QString sentence = u"Ich habe gegangen."_s;
        m_rig->model.answer(analysis(u"Ich bin gegangen."_s, { "habe", "gegangen" }, explanation), kSchema);
        QHash<QString, QString>& answers = m_rig->backend->answers;
        answers.insert(sentence, target == u"en"_s ? u"I have gone."_s : u"He ido."_s);
        answers.insert(u"Present Simple"_s, u"Presente simple"_s);
        answers.insert(u"A third-person subject takes does."_s, u"Un sujeto en tercera persona lleva does."_s);
        answers.insert(u"coffee: uncountable"_s, u"café: incontable"_s);
        const auto view = loadedView(sentence);
        QVERIFY(view);
        const GrammarAnalysisModel& model = view->model();
        QTRY_VERIFY(model.translatedSentence().has_value());
        if (translated)
            QTRY_COMPARE(model.shownWordNotes(), QStringList { u"café: incontable"_s });
        else
            QTest::qWait(200);
        QCOMPARE(model.explanationPackReady(), translated ? std::optional(true) : std::nullopt);
        QCOMPARE(model.shownStructureName(), translated ? u"Presente simple"_s : u"Present Simple"_s);
        QCOMPARE(model.shownWordNotes().first().startsWith(u"café"_s), translated);
        QCOMPARE(m_rig->backend->seen.contains(u"Present Simple"_s), translated);
        const QStringList texts = visibleTexts(*view);
        QVERIFY(texts.contains(*model.translatedSentence()));
        QVERIFY(texts.contains(model.shownStructureName()));
        QCOMPARE(texts.contains(model.shownExplanation()), !explanation.isEmpty());
    }

    void explanationTranslationStopsAtTheFirstFailure()
    {
        m_rig->backend->answers.insert(u"Present Simple"_s, u"Presente simple"_s);
        CapturedLog log;
        const auto view = loadedView();
        QVERIFY(view);
        QTRY_VERIFY(log.messages(u"quillmoor.grammar"_s).join('\n').contains("Explanation translation failed: "));
        QCOMPARE(view->model().shownStructureName(), u"Presente simple"_s);
        QCOMPARE(view->model().shownExplanation(), u"A third-person subject takes does."_s);
        QCOMPARE(view->model().shownWordNotes(), QStringList { u"coffee: uncountable"_s });
    }

    // Whatever the sentence holds is shown as text, never read as markup.
    void markupShowsLiterally()
    {
        const QString sentence = u"<img src=x> and <a href=\"y\">link</a> & more"_s;
        m_rig->lookup.recognizer().guesses = QList<LanguageHypothesis> { { u"en"_s, 0.9 } };
        QJsonObject record = analysis(sentence, { "<a href=\"y\">", "& more" });
        record["structureName"] = u"<b>bold</b>"_s;
        m_rig->model.answer(record, kSchema);
        const auto view = loadedView(sentence);
        QVERIFY(view);
        auto* label = view->findChild<QLabel*>(u"coloredSentence"_s);
        QTextDocument shown;
        shown.setHtml(label->text());
        QCOMPARE(shown.toPlainText(), sentence);
        QCOMPARE(label->accessibleName(), sentence);
        QVERIFY(!label->text().contains(u"<img"_s));
        QCOMPARE(view->findChild<QLabel*>(u"structureName"_s)->textFormat(), Qt::PlainText);
    }

    // Losing the keyboard hides the panel, but only once it has had it since it was shown: a window
    // manager that refuses the focus must not make the panel vanish at once.
    void hidesOnDeactivationOnlyAfterActivation()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs the test desktop's X server (scripts/test)");
        auto windows = DesktopWindowManager::createDefault();
        GrammarAnalysisWindow panel(*m_rig->services, *windows, [] { return quint64(0); });
        panel.show(kSentence, { 200, 150 });
        QEvent early(QEvent::WindowDeactivate);
        QApplication::sendEvent(&panel.window(), &early);
        QTest::qWait(50);
        QVERIFY(panel.window().isVisible());

        QVERIFY(QTest::qWaitForWindowActive(&panel.window()));
        QApplication::setActiveWindow(nullptr);
        QTRY_VERIFY(!panel.window().isVisible());
    }

    // The panel grows with the analysis up to the scroll area's limit, and scrolls only beyond it.
    void heightFitsTheContent_data()
    {
        QTest::addColumn<int>("repeats");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("short") << 1 << false;
        QTest::newRow("a few lines") << 6 << false;
        QTest::newRow("longer than the panel") << 60 << true;
    }
    void heightFitsTheContent()
    {
        QFETCH(int, repeats);
        QFETCH(bool, scrolls);
        QJsonObject record = analysis(u"She doesn't like coffee."_s);
        record["explanation"] = QStringList(repeats, u"A third-person subject takes does."_s).join(' ');
        record["wordNotes"] = QJsonArray { "coffee: uncountable", "like: a stative verb", "don't: do not" };
        m_rig->model.answer(record, kSchema);
        auto windows = DesktopWindowManager::createDefault();
        GrammarAnalysisWindow panel(*m_rig->services, *windows, [] { return quint64(0); });
        panel.show(kSentence, { 100, 100 });
        QTRY_COMPARE(panel.view()->model().display(), GrammarAnalysisModel::Display::Loaded);
        QVERIFY(QTest::qWaitForWindowExposed(&panel.window()));
        auto* scroll = panel.view()->findChild<QScrollArea*>(u"loadedScroll"_s);
        QTRY_COMPARE(panel.window().height(), panel.view()->fittingSize().height());
        QTest::qWait(50);
        QCOMPARE(scroll->verticalScrollBar()->maximum() > 0, scrolls);
        QVERIFY(scroll->height() <= GrammarAnalysisView::kMaxScrollHeight);
        QCOMPARE(scroll->height() == GrammarAnalysisView::kMaxScrollHeight, scrolls);
        // Nothing is squeezed: every line gets the height its wrapped text needs.
        QCOMPARE(panel.view()->findChildren<QLabel*>(u"wordNote"_s).size(), 3);
        QCOMPARE(squeezedLabel(*panel.view()), QString());
    }

    // The same sentence under the same language shows the same content without asking the model
    // again; another translation language builds a new content.
    void windowReusesItsContent()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs the test desktop's X server (scripts/test)");
        auto windows = DesktopWindowManager::createDefault();
        GrammarAnalysisWindow panel(*m_rig->services, *windows, [] { return quint64(0); });
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        panel.show(kSentence, { 200, 150 });
        // It takes the keyboard.
        QVERIFY(QTest::qWaitForWindowActive(&panel.window()));
        QTRY_COMPARE(panel.view()->model().display(), GrammarAnalysisModel::Display::Loaded);
        QTRY_COMPARE(panel.window().pos(), QPoint(216, 166));
        QTRY_COMPARE(panel.window().height(), panel.view()->fittingSize().height());
        QPointer<GrammarAnalysisView> first = panel.view();

        // Near the screen's bottom-right corner the panel stays inside the screen.
        panel.close();
        panel.show(kSentence, { double(area.right() - 5), double(area.bottom() - 5) });
        QCOMPARE(panel.view(), first.data());
        QVERIFY(panel.window().isVisible());
        QTRY_VERIFY(area.contains(panel.window().geometry()));
        QCOMPARE(m_rig->model.chatRequests(), 1);

        m_rig->setTarget(u"fr"_s);
        panel.show(kSentence, { 200, 150 });
        QTRY_VERIFY(first.isNull());
        QVERIFY(panel.view());
        QTRY_COMPARE(panel.view()->model().display(), GrammarAnalysisModel::Display::Loaded);

        // Escape closes the panel.
        QVERIFY(QTest::qWaitForWindowActive(&panel.window()));
        QTest::keyClick(&panel.window(), Qt::Key_Escape);
        QTRY_VERIFY(!panel.window().isVisible());
    }
};

QTEST_MAIN(TestGrammarAnalysisPanel)
#include "TestGrammarAnalysisPanel.moc"
