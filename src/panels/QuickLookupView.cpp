#include "panels/QuickLookupView.h"

#include "capture/Punctuation.h"
#include "panels/CaptureOverlayView.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

} // namespace

QuickLookupView::QuickLookupView(LookupServices& services, QWidget* parent)
    : QWidget(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("quickLookupView"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 10, 10, 10);
    column->setSpacing(8);
    column->setSizeConstraint(QLayout::SetNoConstraint);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("quickLookupField"));
    m_field->setPlaceholderText(tr("Слово или предложение…"));
    m_field->setClearButtonEnabled(true);
    m_field->addAction(
        QIcon::fromTheme(QStringLiteral("system-search"), style()->standardIcon(QStyle::SP_FileDialogContentsView)),
        QLineEdit::LeadingPosition);
    m_field->setMinimumWidth(300);
    column->addWidget(m_field);
    m_debounce.setSingleShot(true);
    m_debounce.setInterval(kDebounceMs);
    connect(&m_debounce, &QTimer::timeout, this, &QuickLookupView::submit);
    connect(m_field, &QLineEdit::textEdited, this, &QuickLookupView::scheduleSubmit);
    connect(m_field, &QLineEdit::textChanged, this, [this] {
        if (m_field->text().isEmpty()) // the clear button changes the text without an edit
            scheduleSubmit();
    });
    connect(m_field, &QLineEdit::returnPressed, this, [this] {
        m_debounce.stop();
        submit();
    });
}

void QuickLookupView::scheduleSubmit()
{
    m_debounce.start();
}

std::pair<QString, QString> QuickLookupView::wordAndSentence(const QString& trimmed)
{
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    const QStringList pieces = trimmed.split(spaces, Qt::SkipEmptyParts);
    if (pieces.size() > 1)
        return { Punctuation::trimmed(pieces.last()), trimmed };
    return { trimmed, QString() };
}

void QuickLookupView::submit()
{
    const QString input = m_field->text().trimmed();
    if (input == m_lastSubmittedInput)
        return;
    m_lastSubmittedInput = input;
    const auto [word, sentence] = wordAndSentence(input);
    const bool changed = word != m_submittedWord || sentence != m_submittedSentence;
    m_submittedWord = word;
    m_submittedSentence = sentence;
    if (changed)
        replaceCard();
    Q_EMIT contentChanged();
}

void QuickLookupView::replaceCard()
{
    delete m_card.data();
    if (m_submittedWord.isEmpty())
        return;
    auto* card = new CaptureOverlayView(m_services, m_submittedWord, m_submittedSentence, false, false, this);
    m_card = card;
    connect(card, &CaptureOverlayView::contentChanged, this, &QuickLookupView::contentChanged);
    layout()->addWidget(card);
    card->start();
}

QSize QuickLookupView::fittingSize() const
{
    QLayout* column = layout();
    column->activate();
    const int width = std::max(column->sizeHint().width(), 320);
    const int height = column->hasHeightForWidth() ? column->totalHeightForWidth(width) : column->sizeHint().height();
    return { width, height };
}

void QuickLookupView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Q_EMIT closeRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}
