#include "panels/AnkiAddAction.h"

#include "anki/AnkiConnectService.h"
#include "diagnostics/QMLog.h"
#include "language/GeneratedImageService.h"
#include "language/ImageService.h"
#include "store/VocabCardStore.h"

#include <QPointer>

namespace {

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

} // namespace

AnkiAddAction::AnkiAddAction(Services services, QString ankiDeckPreference, QObject* parent)
    : QObject(parent)
    , m_services(services)
    , m_ankiDeckPreference(std::move(ankiDeckPreference))
{
}

QString AnkiAddAction::frontHtml(const QString& word, const QString& sentence)
{
    if (sentence.isEmpty())
        return escaped(word);
    QString highlighted = escaped(sentence);
    const qsizetype at = word.isEmpty() ? -1 : sentence.indexOf(word, 0, Qt::CaseInsensitive);
    if (at >= 0) {
        highlighted = escaped(sentence.left(at)) + QStringLiteral("<b>") + escaped(sentence.mid(at, word.size()))
            + QStringLiteral("</b>") + escaped(sentence.mid(at + word.size()));
    }
    return escaped(word) + QStringLiteral("<br><br>") + highlighted;
}

QString AnkiAddAction::backHtml(const VocabCardContent& content)
{
    QString back;
    if (content.meaning) {
        back = escaped(*content.meaning);
    } else if (content.translatedWord) {
        back = escaped(*content.translatedWord);
        if (content.translatedSentence)
            back += QStringLiteral("<br><br>") + escaped(*content.translatedSentence);
    }
    if (content.etymology) {
        const QString etymology = QStringLiteral("<i>") + escaped(*content.etymology) + QStringLiteral("</i>");
        back = back.isEmpty() ? etymology : back + QStringLiteral("<br><br>") + etymology;
    }
    if (back.isEmpty() && content.phonetic)
        back = escaped(*content.phonetic);
    return back;
}

QString AnkiAddAction::deckLabel(const std::optional<QString>& baseCode, const std::optional<QString>& targetCode)
{
    const auto part = [](const std::optional<QString>& code) {
        return code && !code->isEmpty() ? code->toUpper() : QStringLiteral("?");
    };
    return part(baseCode) + QStringLiteral(" → ") + part(targetCode);
}

QString AnkiAddAction::ankiDeckName(const QString& preference)
{
    const QString trimmed = preference.trimmed();
    return trimmed.isEmpty() ? QStringLiteral("Quillmoor") : trimmed;
}

void AnkiAddAction::setState(AnkiAddState state)
{
    m_state = std::move(state);
    Q_EMIT stateChanged(m_state);
}

bool AnkiAddAction::saveLocally(const VocabCardContent& content)
{
    if (m_savedCardId)
        return true;
    const std::optional<VocabCard> saved = m_services.store.addCard(content);
    if (!saved)
        return false;
    m_savedCardId = saved->id;
    return true;
}

QCoro::Task<void> AnkiAddAction::run(VocabCardContent content)
{
    if (!m_state.canStart())
        co_return;
    setState(AnkiAddState::loading());
    // A card that is not on disk is never shown as saved, and no note goes out for it.
    if (!saveLocally(content)) {
        setState(AnkiAddState::failure(tr("Не удалось сохранить карточку в Quillmoor.")));
        co_return;
    }
    QPointer<AnkiAddAction> self(this);
    const QString front = frontHtml(content.word, content.sentence);
    const auto added = co_await m_services.anki.addNote(ankiDeckName(m_ankiDeckPreference), front, backHtml(content),
        content.pronunciationAudio, content.pronunciationAudioExtension);
    if (!self)
        co_return;
    if (const auto* error = std::get_if<AnkiConnectError>(&added)) {
        setState(AnkiAddState::failure(error->description()));
        co_return;
    }
    setState(AnkiAddState::success());
    const auto& note = std::get<AnkiConnectService::AddedNote>(added);
    co_await illustrate(content, note.noteId, note.frontHTML);
}

QCoro::Task<void> AnkiAddAction::illustrate(VocabCardContent content, std::optional<qint64> noteId, QString frontHTML)
{
    QPointer<AnkiAddAction> self(this);
    std::optional<Illustration> image
        = co_await m_services.encyclopedia.fetchWikipediaImage(content.word, content.sentence);
    if (!self)
        co_return;
    if (!image)
        image = co_await m_services.generator.generateImage(content.word, content.sentence);
    if (!self || !image)
        co_return;
    if (m_savedCardId && !m_services.store.attachImage(*m_savedCardId, image->data, image->fileExtension))
        qCCritical(lcImage) << "The picture could not be stored with card" << *m_savedCardId;
    if (noteId) {
        // A failure here leaves the note without a picture; nothing to tell the learner.
        co_await m_services.anki.attachImage(*noteId, frontHTML, image->data, image->fileExtension);
        if (!self)
            co_return;
    }
    Q_EMIT illustrationAttached();
}
