#include "panels/CaptureOverlayView.h"
#include "panels/CardStyle.h"
#include "panels/EmphasisLabel.h"
#include "panels/LookupCardModel.h"
#include "preferences/Preferences.h"
#include "store/VocabCardStore.h"
#include "support/LookupRig.h"

#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

const QString kWord = QStringLiteral("house");
const QString kSentence = QStringLiteral("The house is on the hill.");
const QString kEtymologyShort = QStringLiteral("Из древнеанглийского hūs «жилище».");
const QString kEtymologyFull = QStringLiteral("Из древнеанглийского hūs, прагерм. *hūsą. <b>Ср.</b> нем. Haus.");

template <typename T = QLabel> T* part(const QWidget& view, const QString& name)
{
    return view.findChild<T*>(name);
}

bool shown(const QWidget& view, const QString& name)
{
    const QWidget* widget = part<QWidget>(view, name);
    return widget && !widget->isHidden();
}

} // namespace

// The lookup card: its LookupCardModel's steps on their own, then the view that shows them.
class TestCaptureOverlayView : public QObject
{
    Q_OBJECT

    std::unique_ptr<LookupRig> m_rig;

    std::unique_ptr<LookupCardModel> lookup(
        const QString& word = kWord, const QString& sentence = kSentence, bool isSelection = false)
    {
        auto model = std::make_unique<LookupCardModel>(m_rig->services(), word, sentence, isSelection);
        model->start();
        return model;
    }

    std::unique_ptr<CaptureOverlayView> card(const QString& word = kWord, const QString& sentence = kSentence)
    {
        auto view = std::make_unique<CaptureOverlayView>(m_rig->services(), word, sentence, false, true);
        view->show();
        view->start();
        return view;
    }

    // Sets the scene from words: "translations" (the back-end knows the word and the sentence, else
    // it fails), "slow" (it answers the word late), "no-target", "no-pack", "monolingual", "meaning"
    // (the model explains the word), "no-study", "weak-guess", "phonetic".
    void arrange(const QString& setup)
    {
        const QStringList words = setup.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        TranslationPreferences& translation = m_rig->preferences().translation();
        if (words.contains(QStringLiteral("translations"))) {
            m_rig->backend().answers.insert(kWord, QStringLiteral("casa"));
            m_rig->backend().answers.insert(kSentence, QStringLiteral("La casa está en la colina."));
        }
        if (words.contains(QStringLiteral("slow")))
            m_rig->backend().delaysMs.insert(kWord, 300);
        if (words.contains(QStringLiteral("no-target")))
            translation.setTargetLanguageCode(std::nullopt);
        m_rig->backend().supported = !words.contains(QStringLiteral("no-pack"));
        if (words.contains(QStringLiteral("monolingual")))
            translation.setMode(TranslationMode::Monolingual);
        if (words.contains(QStringLiteral("meaning")))
            m_rig->setModelAnswer({ { "expression", kWord }, { "meaning", "a building people live in" } });
        if (words.contains(QStringLiteral("no-study")))
            translation.setStudyLanguageCode(std::nullopt);
        if (words.contains(QStringLiteral("weak-guess")))
            m_rig->recognizer().guesses = QList<LanguageHypothesis> { { QStringLiteral("it"), 0.1 } };
        if (words.contains(QStringLiteral("phonetic")))
            m_rig->setPhonetic(kWord, QStringLiteral("/haʊs/"));
    }

private Q_SLOTS:
    void init()
    {
        m_rig = std::make_unique<LookupRig>();
        m_rig->useEnglishToSpanish();
    }

    void cleanup() { m_rig.reset(); }

    void lookupStates_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("result"); // the translation, or in monolingual mode the meaning; "": failed
        QTest::addColumn<QStringList>("shownLines"); // "name" or "name=text it contains"
        QTest::addColumn<QStringList>("hiddenLines");
        // clang-format off
        QTest::newRow("translated") << "translations slow" << kWord << "casa" << QStringList { "translation=casa", "sentenceTranslation=La casa está" } << QStringList { "translationProgress", "translationUnavailable", "meaningProgress", "phonetic", "etymology", "etymologyToggle", "addFailure" };
        QTest::newRow("back-end fails: the word itself") << "fails" << kWord << kWord << QStringList { "translationUnavailable" } << QStringList { "translation", "translationProgress" };
        QTest::newRow("no target language: no session") << "no-target" << kWord << kWord << QStringList { "translation=house" } << QStringList { "translationProgress", "translationUnavailable" };
        QTest::newRow("pair not installed: what would add it") << "no-pack" << kWord << kWord << QStringList { "translationUnavailable", "translationHint=dict-freedict-eng-spa" } << QStringList { "translation", "translationProgress" };
        QTest::newRow("meaning") << "monolingual meaning" << kWord << "a building people live in" << QStringList { "meaning=a building" } << QStringList { "meaningProgress", "translation", "translationProgress" };
        QTest::newRow("meaning: model down") << "monolingual" << kWord << "" << QStringList { "meaningUnavailable" } << QStringList { "meaning", "meaningProgress", "translation" };
        // clang-format on
        // Digits have no language: nothing to ask the model about.
        // clang-format off
        QTest::newRow("meaning: no language") << "monolingual meaning no-study" << "42" << "" << QStringList { "meaningUnavailable" } << QStringList {};
        // clang-format on
        // A weak guess leaves the translation to the study language; nothing to play without a recording.
        // clang-format off
        QTest::newRow("notice and transcription") << "translations weak-guess phonetic" << kWord << "casa" << QStringList { "notice", "translation=casa", "phonetic=haʊs" } << QStringList { "play" };
        // clang-format on
    }

    // Each lookup shown on a card, then the same lookup as a model without widgets.
    void lookupStates()
    {
        QFETCH(QString, setup);
        QFETCH(QString, word);
        QFETCH(QString, result);
        QFETCH(QStringList, shownLines);
        QFETCH(QStringList, hiddenLines);
        arrange(setup);
        const QString sentence = word == kWord ? kSentence : QString();
        const auto view = card(word, sentence);
        if (setup.contains(QStringLiteral("slow"))) {
            QVERIFY(
                shown(*view, QStringLiteral("translationProgress")) && !shown(*view, QStringLiteral("translation")));
            QVERIFY(!part<QPushButton>(*view, QStringLiteral("add"))->isEnabled());
        }
        for (const QString& line : shownLines) {
            const QString name = line.section(QLatin1Char('='), 0, 0);
            QTRY_VERIFY2(shown(*view, name), qPrintable(name));
            QTRY_VERIFY2(part(*view, name)->text().contains(line.section(QLatin1Char('='), 1)), qPrintable(line));
        }
        QTRY_VERIFY(!view->model().isRefiningTranslation() && !view->model().isEtymologyLoading());
        for (const QString& name : hiddenLines)
            QVERIFY2(!shown(*view, name), qPrintable(name));
        if (view->model().detection().notice)
            QCOMPARE(part(*view, QStringLiteral("notice"))->text(), *view->model().detection().notice);

        const auto model = lookup(word, sentence);
        if (model->isMonolingualMode()) {
            QTRY_VERIFY(model->meaning() || model->meaningFailed());
            QCOMPARE(model->meaning().value_or(QString()), result);
            QCOMPARE(model->meaningFailed(), result.isEmpty());
        } else {
            QTRY_COMPARE(model->translatedWord(), std::optional(result));
            QTRY_VERIFY(!model->isRefiningTranslation());
            QCOMPARE(model->translationFailed(), setup == QLatin1String("fails") || setup == QLatin1String("no-pack"));
            QCOMPARE(m_rig->backend().seen.contains(kWord), !setup.startsWith(QLatin1String("no-")));
        }
        QVERIFY(model->isReadyToSave()); // even a failed lookup keeps the word itself
    }

    void etymologyShortThenWhole()
    {
        m_rig->setModelAnswer(
            QStringLiteral("GeneratedEtymology"), { { "short", kEtymologyShort }, { "full", kEtymologyFull } });
        const auto view = card();
        QVERIFY(shown(*view, QStringLiteral("etymology")) && view->model().isEtymologyLoading());
        QTRY_COMPARE(part(*view, QStringLiteral("etymology"))->text(), kEtymologyShort);
        QVERIFY(shown(*view, QStringLiteral("etymologyToggle")));
        part<QToolButton>(*view, QStringLiteral("etymologyToggle"))->click();
        QCOMPARE(part(*view, QStringLiteral("etymology"))->text(), kEtymologyFull);
        part<QToolButton>(*view, QStringLiteral("etymologyToggle"))->click();
        QCOMPARE(view->model().displayedEtymology(), std::optional(kEtymologyShort));
        QCOMPARE(view->model().content().etymology, std::optional(kEtymologyFull)); // a saved card keeps it whole
    }

    void noEtymology_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::newRow("answer off the schema") << QString();
        QTest::newRow("two-sentence selection: not asked") << "The house is old. It stands on the hill.";
    }

    void noEtymology()
    {
        QFETCH(QString, selection);
        arrange(QStringLiteral("translations"));
        m_rig->setModelAnswer(QStringLiteral("GeneratedEtymology"), { { "short", "x" } });
        const bool isSelection = !selection.isEmpty();
        const auto model = lookup(isSelection ? selection : kWord, isSelection ? selection : kSentence, isSelection);
        QTRY_VERIFY(!model->isEtymologyLoading());
        QVERIFY(!model->displayedEtymology());
        QCOMPARE(m_rig->modelRequests(QStringLiteral("GeneratedEtymology")).isEmpty(), isSelection);
    }

    void aDeletedCardIgnoresLateResults()
    {
        arrange(QStringLiteral("translations slow"));
        lookup().reset();
        QTest::qWait(500); // the translation finishes into nothing
        QVERIFY(m_rig->backend().seen.contains(kWord));
        // A replaced card never reaches the language model.
        for (const LocalHttpServer::Request& request : m_rig->web().requests())
            QVERIFY(!request.path.startsWith("/v1/chat"));
    }

    void addButton_data()
    {
        QTest::addColumn<bool>("ankiFails");
        QTest::newRow("added") << false;
        QTest::newRow("Anki fails: retry") << true;
    }

    void addButton()
    {
        QFETCH(bool, ankiFails);
        arrange(QStringLiteral("translations"));
        if (ankiFails) {
            m_rig->anki().route("POST", "/", [](const auto&) {
                LocalHttpServer::Response response;
                response.body = R"({"result":null,"error":"collection is not available"})";
                return response;
            });
        }
        const auto view = card();
        auto* add = part<QPushButton>(*view, QStringLiteral("add"));
        QTRY_VERIFY(view->model().translatedSentence().has_value());
        QVERIFY(add->isEnabled());
        const QString idle = add->text();
        QTest::mouseClick(add, Qt::LeftButton);
        QTRY_VERIFY(view->model().ankiState().kind != AnkiAddState::Kind::Loading
            && view->model().ankiState().kind != AnkiAddState::Kind::Idle);
        QVERIFY(add->text() != idle);
        QCOMPARE(add->isEnabled(), ankiFails);
        QCOMPARE(shown(*view, QStringLiteral("addFailure")), ankiFails);
        QCOMPARE(part(*view, QStringLiteral("addFailure"))->text().isEmpty(), !ankiFails);
        // The card is saved either way; Anki's failure is retried by the same button.
        const QList<VocabCard> cards = m_rig->store().allCards();
        QCOMPARE(cards.size(), 1);
        QCOMPARE(cards.first().translatedWord, QStringLiteral("casa"));
        QCOMPARE(cards.first().translatedSentence, QStringLiteral("La casa está en la colina."));
        QCOMPARE(cards.first().deckName, QStringLiteral("EN → ES"));
        QCOMPARE(view->model().savedCardId(), std::optional(cards.first().id));
        const QJsonObject deck = m_rig->ankiRequests(QStringLiteral("createDeck")).value(0).value("params").toObject();
        QCOMPARE(deck.value("deck").toString(), m_rig->preferences().anki().deckName());
    }

    void textSizesFollowTheCardSize()
    {
        using Text = CardStyle::Text;
        m_rig->preferences().appearance().setCardSize(CardSize::Spacious);
        const auto view = card();
        const auto pointSize
            = [&](const char* name) { return part<QWidget>(*view, QString::fromLatin1(name))->font().pointSizeF(); };
        // Built at the preferred size; a change while the card is up applies at once.
        for (CardSize size : { CardSize::Spacious, CardSize::Compact, CardSize::Medium }) {
            m_rig->preferences().appearance().setCardSize(size);
            QCOMPARE(pointSize("word"), CardStyle::pointSize(Text::Word, size));
            QVERIFY(part(*view, QStringLiteral("word"))->font().bold());
            QCOMPARE(pointSize("translation"), CardStyle::pointSize(Text::Translation, size));
            QCOMPARE(pointSize("sentence"), CardStyle::pointSize(Text::Body, size));
            QCOMPARE(pointSize("translationUnavailable"), CardStyle::pointSize(Text::Placeholder, size));
        }
    }

    void sentenceEmphasis_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::newRow("first occurrence, any case") << QStringLiteral("the") << "The cat saw the dog." << 0 << 3;
        QTest::newRow("not in the sentence") << QStringLiteral("mouse") << "The cat saw the dog." << 0 << 0;
        QTest::newRow("no sentence") << QStringLiteral("cat") << "" << 0 << 0;
        // Text from the screen is never read as markup.
        // clang-format off
        QTest::newRow("markup") << QStringLiteral("<b>bold</b> & <img src=x>") << "Say <b>bold</b> & <img src=x> twice." << 4 << 25;
        // clang-format on
    }

    void sentenceEmphasis()
    {
        QFETCH(QString, word);
        QFETCH(QString, sentence);
        QFETCH(int, start);
        QFETCH(int, length);
        const auto view = card(word, sentence);
        const auto* emphasis = part<EmphasisLabel>(*view, QStringLiteral("sentence"));
        QCOMPARE(emphasis->text(), sentence);
        QCOMPARE(emphasis->emphasisStart(), start);
        QCOMPARE(emphasis->emphasisLength(), length);
        QCOMPARE(shown(*view, QStringLiteral("sentence")), !sentence.isEmpty());
        QCOMPARE(part(*view, QStringLiteral("word"))->text(), word);
        for (QLabel* label : view->findChildren<QLabel*>())
            QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    void longTextIsShownCut()
    {
        const QString page = QString(QStringLiteral("Filler words of a long page. ")).repeated(60);
        const QString sentence = page + QStringLiteral("The needle is here. ") + page;
        const QString shown = CaptureOverlayView::shownSentence(sentence, QStringLiteral("needle"));
        QVERIFY(shown.size() <= CaptureOverlayView::kMaxSentenceCharacters + 2);
        QVERIFY(shown.contains(QStringLiteral("The needle is here.")));
        QVERIFY(shown.startsWith(QStringLiteral("…")) && shown.endsWith(QStringLiteral("…")));
        QCOMPARE(CaptureOverlayView::shownSentence(kSentence, kWord), kSentence);
        const QString headline = CaptureOverlayView::shownHeadline(page);
        QVERIFY(headline.size() <= CaptureOverlayView::kMaxHeadlineCharacters + 1);
        QVERIFY(headline.endsWith(QStringLiteral("…")));
        QCOMPARE(CaptureOverlayView::shownHeadline(kWord), kWord);
    }
};

QTEST_MAIN(TestCaptureOverlayView)
#include "TestCaptureOverlayView.moc"
