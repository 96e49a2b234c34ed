#include "panels/CaptureOverlayView.h"
#include "panels/CardStyle.h"
#include "panels/EmphasisLabel.h"
#include "panels/LookupCardModel.h"
#include "preferences/Preferences.h"
#include "store/VocabCardStore.h"
#include "support/LookupRig.h"

#include <QApplication>
#include <QJsonObject>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

Q_DECLARE_METATYPE(CardSize)

namespace {

const QString kWord = QStringLiteral("house");
const QString kSentence = QStringLiteral("The house is on the hill.");

template <typename T = QLabel> T* part(const QWidget& view, const char* name)
{
    return view.findChild<T*>(QString::fromLatin1(name));
}

bool shown(const QWidget& view, const char* name)
{
    const QWidget* widget = view.findChild<QWidget*>(QString::fromLatin1(name));
    return widget && !widget->isHidden();
}

} // namespace

class TestCaptureOverlayView : public QObject
{
    Q_OBJECT

    std::unique_ptr<LookupRig> m_rig;

    std::unique_ptr<CaptureOverlayView> card(const QString& word = kWord, const QString& sentence = kSentence)
    {
        auto view = std::make_unique<CaptureOverlayView>(m_rig->services(), word, sentence, false, true);
        view->show();
        view->start();
        return view;
    }

    void answerHouse()
    {
        m_rig->backend().answers.insert(kWord, QStringLiteral("casa"));
        m_rig->backend().answers.insert(kSentence, QStringLiteral("La casa está en la colina."));
    }

private Q_SLOTS:
    void init()
    {
        m_rig = std::make_unique<LookupRig>();
        m_rig->useEnglishToSpanish();
    }

    void cleanup() { m_rig.reset(); }

    void loadingThenTranslation()
    {
        answerHouse();
        m_rig->backend().delaysMs.insert(kWord, 300);
        const auto view = card();
        QVERIFY(shown(*view, "translationProgress"));
        QVERIFY(!shown(*view, "translation"));
        QVERIFY(!view->findChild<QPushButton*>("add")->isEnabled());
        QTRY_COMPARE(view->model().translatedWord(), std::optional<QString>(QStringLiteral("casa")));
        QTRY_VERIFY(!view->model().isRefiningTranslation());
        QVERIFY(!shown(*view, "translationProgress"));
        QVERIFY(shown(*view, "translation"));
        QCOMPARE(part(*view, "translation")->text(), QStringLiteral("casa"));
        QTRY_VERIFY(shown(*view, "sentenceTranslation"));
        QCOMPARE(part(*view, "sentenceTranslation")->text(), QStringLiteral("La casa está en la colina."));
        QVERIFY(!shown(*view, "translationUnavailable"));
        QVERIFY(!shown(*view, "meaningProgress")); // bilingual: no meaning line
        QVERIFY(view->findChild<QPushButton*>("add")->isEnabled());
        QCOMPARE(view->findChild<QPushButton*>("add")->text(), QStringLiteral("Добавить в Anki и Quillmoor"));
    }

    void failedTranslationShowsUnavailable()
    {
        const auto view = card(); // the back-end has no answer
        QTRY_VERIFY(view->model().translationFailed());
        QVERIFY(shown(*view, "translationUnavailable"));
        QCOMPARE(part(*view, "translationUnavailable")->text(), QStringLiteral("Перевод недоступен"));
        QVERIFY(!shown(*view, "translation"));
        QVERIFY(!shown(*view, "translationProgress"));
        // It can still be saved: the card keeps the word itself.
        QCOMPARE(view->model().translatedWord(), std::optional<QString>(kWord));
        QVERIFY(view->model().isReadyToSave());
    }

    void noSessionFallsBackToTheWord_data()
    {
        QTest::addColumn<bool>("hasTarget");
        QTest::addColumn<bool>("packInstalled");
        QTest::newRow("no target language") << false << true;
        QTest::newRow("pair not installed") << true << false;
    }

    void noSessionFallsBackToTheWord()
    {
        QFETCH(bool, hasTarget);
        QFETCH(bool, packInstalled);
        answerHouse();
        if (!hasTarget)
            m_rig->preferences().translation().setTargetLanguageCode(std::nullopt);
        m_rig->backend().supported = packInstalled;
        const auto view = card();
        QTRY_COMPARE(view->model().translatedWord(), std::optional<QString>(kWord));
        QVERIFY(!shown(*view, "translationProgress"));
        QVERIFY(view->model().isReadyToSave());
        QVERIFY(m_rig->backend().seen.isEmpty());
    }

    void monolingualMeaning()
    {
        m_rig->preferences().translation().setMode(TranslationMode::Monolingual);
        m_rig->setModelAnswer({ { "expression", "house" }, { "meaning", "a building people live in" } });
        const auto view = card();
        QVERIFY(shown(*view, "meaningProgress"));
        QTRY_COMPARE(view->model().meaning(), std::optional<QString>(QStringLiteral("a building people live in")));
        QVERIFY(shown(*view, "meaning"));
        QVERIFY(!shown(*view, "meaningProgress"));
        QVERIFY(!shown(*view, "translation"));
        QVERIFY(!shown(*view, "translationProgress"));
        QVERIFY(view->model().isReadyToSave());
    }

    void monolingualMeaningUnavailable()
    {
        m_rig->preferences().translation().setMode(TranslationMode::Monolingual);
        const auto view = card(); // the model is down
        QTRY_VERIFY(view->model().meaningFailed());
        QVERIFY(shown(*view, "meaningUnavailable"));
        QCOMPARE(part(*view, "meaningUnavailable")->text(), QStringLiteral("Значение недоступно"));
        QVERIFY(view->model().isReadyToSave());
    }

    void monolingualWithoutLanguageCountsAsFailed()
    {
        m_rig->preferences().translation().setMode(TranslationMode::Monolingual);
        m_rig->preferences().translation().setStudyLanguageCode(std::nullopt);
        // Digits have no language: nothing to ask the model about.
        const auto view = card(QStringLiteral("42"), QString());
        QTRY_VERIFY(view->model().meaningFailed());
        QVERIFY(view->model().isReadyToSave());
    }

    void weakDetectionShowsTheNotice()
    {
        answerHouse();
        m_rig->recognizer().guesses = QList<LanguageHypothesis> { { QStringLiteral("it"), 0.1 } };
        const auto view = card();
        QVERIFY(view->model().detection().notice.has_value());
        QVERIFY(shown(*view, "notice"));
        QCOMPARE(part(*view, "notice")->text(), *view->model().detection().notice);
        QVERIFY(part(*view, "notice")->text().contains(QStringLiteral("итальянский")));
        // The study language still decides the translation.
        QTRY_COMPARE(view->model().translatedWord(), std::optional<QString>(QStringLiteral("casa")));
    }

    void noNoticeForAConfidentGuess()
    {
        m_rig->recognizer().guesses = QList<LanguageHypothesis> { { QStringLiteral("en"), 0.99 } };
        const auto view = card();
        QVERIFY(!shown(*view, "notice"));
    }

    void transcriptionFromTheDictionary()
    {
        answerHouse();
        m_rig->setPhonetic(kWord, QStringLiteral("/haʊs/"));
        const auto view = card();
        QTRY_VERIFY(view->model().phonetic().has_value());
        QVERIFY(shown(*view, "phonetic"));
        QVERIFY(part(*view, "phonetic")->text().contains(QStringLiteral("haʊs")));
        QVERIFY(!shown(*view, "play")); // no recording, no synthesized speech
    }

    void textSizesFollowTheCardSize_data()
    {
        QTest::addColumn<CardSize>("size");
        QTest::addColumn<qreal>("word");
        QTest::addColumn<qreal>("translation");
        QTest::addColumn<qreal>("body");
        QTest::newRow("compact") << CardSize::Compact << 16.0 << 11.0 << 10.0;
        QTest::newRow("medium") << CardSize::Medium << 18.0 << 13.0 << 12.0;
        QTest::newRow("spacious") << CardSize::Spacious << 22.0 << 16.0 << 14.0;
    }

    void textSizesFollowTheCardSize()
    {
        QFETCH(CardSize, size);
        QFETCH(qreal, word);
        QFETCH(qreal, translation);
        QFETCH(qreal, body);
        m_rig->preferences().appearance().setCardSize(size);
        const auto view = card();
        QCOMPARE(part(*view, "word")->font().pointSizeF(), word);
        QVERIFY(part(*view, "word")->font().bold());
        QCOMPARE(part(*view, "translation")->font().pointSizeF(), translation);
        QCOMPARE(part<QWidget>(*view, "sentence")->font().pointSizeF(), body);
        // A change while the card is up applies at once.
        m_rig->preferences().appearance().setCardSize(
            size == CardSize::Spacious ? CardSize::Compact : CardSize::Spacious);
        QVERIFY(part(*view, "word")->font().pointSizeF() != word);
    }

    void screenTextIsNeverMarkup()
    {
        const QString word = QStringLiteral("<b>bold</b> & <img src=x>");
        const QString sentence = QStringLiteral("Say <b>bold</b> & <img src=x> twice.");
        const auto view = card(word, sentence);
        QCOMPARE(part(*view, "word")->textFormat(), Qt::PlainText);
        QCOMPARE(part(*view, "word")->text(), word);
        for (QLabel* label : view->findChildren<QLabel*>())
            QCOMPARE(label->textFormat(), Qt::PlainText);
        const auto* emphasis = part<EmphasisLabel>(*view, "sentence");
        QCOMPARE(emphasis->text(), sentence);
        QCOMPARE(emphasis->emphasisStart(), 4);
        QCOMPARE(emphasis->emphasisLength(), word.size());
    }

    void sentenceEmphasis_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::newRow("first occurrence, any case") << "the"
                                                    << "The cat saw the dog." << 0 << 3;
        QTest::newRow("not in the sentence") << "mouse"
                                             << "The cat saw the dog." << 0 << 0;
        QTest::newRow("no sentence") << "cat"
                                     << "" << 0 << 0;
    }

    void sentenceEmphasis()
    {
        QFETCH(QString, word);
        QFETCH(QString, sentence);
        QFETCH(int, start);
        QFETCH(int, length);
        const auto view = card(word, sentence);
        const auto* emphasis = part<EmphasisLabel>(*view, "sentence");
        QCOMPARE(emphasis->emphasisStart(), start);
        QCOMPARE(emphasis->emphasisLength(), length);
        QCOMPARE(shown(*view, "sentence"), !sentence.isEmpty());
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

    void addStoresOneCardAndOneNote()
    {
        answerHouse();
        const auto view = card();
        auto* add = view->findChild<QPushButton*>("add");
        QTRY_VERIFY(add->isEnabled());
        QTRY_VERIFY(view->model().translatedSentence().has_value());
        QTest::mouseClick(add, Qt::LeftButton);
        QTRY_COMPARE(view->model().ankiState().kind, AnkiAddState::Kind::Success);
        QCOMPARE(add->text(), QStringLiteral("Добавлено в Anki и Quillmoor"));
        QVERIFY(!add->isEnabled());
        const QList<VocabCard> cards = m_rig->store().allCards();
        QCOMPARE(cards.size(), 1);
        QCOMPARE(cards.first().word, kWord);
        QCOMPARE(cards.first().translatedWord, QStringLiteral("casa"));
        QCOMPARE(cards.first().deckName, QStringLiteral("EN → ES"));
        const QList<QJsonObject> notes = m_rig->ankiRequests(QStringLiteral("addNote"));
        QCOMPARE(notes.size(), 1);
        const QJsonObject note = notes.first().value("params").toObject().value("note").toObject();
        QCOMPARE(note.value("deckName").toString(), QStringLiteral("Quillmoor"));
        const QJsonObject fields = note.value("fields").toObject();
        QCOMPARE(fields.value("Front").toString(), QStringLiteral("house<br><br>The <b>house</b> is on the hill."));
        QVERIFY(fields.value("Back").toString().startsWith(QStringLiteral("casa<br><br>La casa")));
        QCOMPARE(view->model().savedCardId(), std::optional<qint64>(cards.first().id));
    }

    void etymologyIsShownAndSavedWhole()
    {
        answerHouse();
        const QString shortText = QStringLiteral("Из древнеанглийского hūs «жилище».");
        const QString fullText = QStringLiteral("Из древнеанглийского hūs, прагерм. *hūsą. <b>Ср.</b> нем. Haus.");
        m_rig->setModelAnswer(QStringLiteral("GeneratedEtymology"), { { "short", shortText }, { "full", fullText } });
        const auto view = card();
        QTRY_COMPARE(part(*view, "etymology")->text(), shortText);
        QVERIFY(shown(*view, "etymology") && shown(*view, "etymologyToggle"));
        view->findChild<QToolButton*>("etymologyToggle")->click();
        QCOMPARE(part(*view, "etymology")->text(), fullText);
        view->findChild<QToolButton*>("etymologyToggle")->click();

        auto* add = view->findChild<QPushButton*>("add");
        QTRY_VERIFY(add->isEnabled());
        QTest::mouseClick(add, Qt::LeftButton);
        QTRY_COMPARE(view->model().ankiState().kind, AnkiAddState::Kind::Success);
        QCOMPARE(m_rig->store().allCards().first().etymology, std::optional<QString>(fullText));
        const QJsonObject note = m_rig->ankiRequests(QStringLiteral("addNote")).first().value("params").toObject();
        const QString back = note.value("note").toObject().value("fields").toObject().value("Back").toString();
        QVERIFY2(back.endsWith(QStringLiteral("<i>Из древнеанглийского hūs, прагерм. *hūsą. &lt;b&gt;Ср.&lt;/b&gt; нем. "
                                              "Haus.</i>")),
                 qPrintable(back));
        // The next card for the word comes from the cache.
        const auto again = card(kWord, QStringLiteral("A house by the sea."));
        QTRY_COMPARE(part(*again, "etymology")->text(), shortText);
        QCOMPARE(m_rig->modelRequests(QStringLiteral("GeneratedEtymology")).size(), 1);
    }

    void noEtymologyStaysHidden_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<bool>("modelAnswers");
        QTest::newRow("no model") << QString() << false;
        QTest::newRow("answer off the schema") << QString() << true;
        QTest::newRow("two-sentence selection") << "The house is old. It stands on the hill." << true;
    }
    void noEtymologyStaysHidden()
    {
        QFETCH(QString, selection);
        QFETCH(bool, modelAnswers);
        answerHouse();
        if (modelAnswers)
            m_rig->setModelAnswer(QStringLiteral("GeneratedEtymology"), { { "short", "x" } });
        const bool isSelection = !selection.isEmpty();
        CaptureOverlayView view(m_rig->services(), isSelection ? selection : kWord, isSelection ? selection : kSentence,
                                isSelection, true);
        view.show();
        QVERIFY(shown(view, "etymology")); // loading
        view.start();
        QTRY_VERIFY(!shown(view, "etymology"));
        QVERIFY(!shown(view, "etymologyToggle"));
        QCOMPARE(m_rig->modelRequests(QStringLiteral("GeneratedEtymology")).isEmpty(), !modelAnswers || isSelection);
    }

    void retryAfterAnkiFailureAddsNoSecondCard()
    {
        answerHouse();
        m_rig->anki().route("POST", "/", [](const auto&) {
            LocalHttpServer::Response response;
            response.body = R"({"result":null,"error":"collection is not available"})";
            return response;
        });
        const auto view = card();
        auto* add = view->findChild<QPushButton*>("add");
        // The whole translation run has ended (a refinement would disable the button meanwhile).
        QTRY_VERIFY(view->model().translatedSentence().has_value());
        QVERIFY(add->isEnabled());
        for (int attempt = 1; attempt <= 2; ++attempt) {
            QTest::mouseClick(add, Qt::LeftButton);
            QTRY_COMPARE(view->model().ankiState().kind, AnkiAddState::Kind::Failure);
            QCOMPARE(add->text(), QStringLiteral("Не удалось — повторить"));
            QVERIFY(add->isEnabled());
            QVERIFY(shown(*view, "addFailure"));
            QVERIFY(!part(*view, "addFailure")->text().isEmpty());
            QCOMPARE(m_rig->store().cardCount(), 1);
        }
    }

    void aDeletedCardIgnoresLateResults()
    {
        answerHouse();
        m_rig->backend().delaysMs.insert(kWord, 200);
        auto view = card();
        view.reset();
        QTest::qWait(400); // the translation finishes into nothing
        QVERIFY(m_rig->backend().seen.contains(kWord));
        // A replaced card never reaches the language model.
        for (const LocalHttpServer::Request& request : m_rig->web().requests())
            QVERIFY(!request.path.startsWith("/v1/chat"));
    }
};

QTEST_MAIN(TestCaptureOverlayView)
#include "TestCaptureOverlayView.moc"
