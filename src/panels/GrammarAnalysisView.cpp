#include "panels/GrammarAnalysisView.h"

#include "grammar/GrammarAnalysisResult.h"
#include "panels/CardStyle.h"
#include "panels/GrammarAnalysisModel.h"
#include "panels/GrammarPartColoring.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMargin = 14;
constexpr int kIconSize = 18;

QLabel* plainLabel(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    // The sentence and the model's texts come from outside: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    // QLabel asks for its height by width only once it has text; the layouts that hold these labels
    // work out early whether anything in them does, so say it from the start.
    QSizePolicy policy = label->sizePolicy();
    policy.setHeightForWidth(true);
    label->setSizePolicy(policy);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

// Rich text built only from escaped segments; the accessible name carries the plain text.
QLabel* segmentLabel(const QString& objectName, QWidget* parent)
{
    auto* label = plainLabel(objectName, parent);
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(false);
    return label;
}

QLabel* iconLabel(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setFixedSize(kIconSize, kIconSize);
    return label;
}

void setIcon(QLabel* label, const char* themeName, QStyle::StandardPixmap fallback)
{
    const QIcon icon = QIcon::fromTheme(QString::fromLatin1(themeName), label->style()->standardIcon(fallback));
    label->setPixmap(icon.pixmap(kIconSize, kIconSize));
}

void setPointSize(QWidget* widget, qreal pointSize, QFont::Weight weight = QFont::Normal)
{
    QFont font = widget->font();
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    widget->setFont(font);
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

} // namespace

GrammarAnalysisView::GrammarAnalysisView(GrammarAnalysisServices& services, QString sentence, QWidget* parent)
    : QFrame(parent)
    , m_model(new GrammarAnalysisModel(services, std::move(sentence), this))
{
    setObjectName(QStringLiteral("grammarAnalysisView"));
    setFixedWidth(kWidth);
    buildWidgets();
    applyStyle();
    refresh();
    connect(m_model, &GrammarAnalysisModel::changed, this, &GrammarAnalysisView::changed);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &GrammarAnalysisView::closeRequested);
}

GrammarAnalysisView::~GrammarAnalysisView() = default;

void GrammarAnalysisView::buildWidgets()
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, kMargin - 4, kMargin, kMargin);
    column->setSpacing(10);
    column->setSizeConstraint(QLayout::SetNoConstraint);

    auto* header = new QHBoxLayout;
    header->setSpacing(8);
    QLabel* headerIcon = iconLabel(QStringLiteral("headerIcon"), this);
    setIcon(headerIcon, "emblem-ok-symbolic", QStyle::SP_DialogApplyButton);
    m_title = plainLabel(QStringLiteral("title"), this);
    m_closeButton = new QToolButton(this);
    m_closeButton->setObjectName(QStringLiteral("close"));
    m_closeButton->setAutoRaise(true);
    m_closeButton->setIcon(QIcon::fromTheme(
        QStringLiteral("window-close-symbolic"), style()->standardIcon(QStyle::SP_TitleBarCloseButton)));
    connect(m_closeButton, &QToolButton::clicked, this, &GrammarAnalysisView::closeRequested);
    header->addWidget(headerIcon, 0, Qt::AlignVCenter);
    header->addWidget(m_title, 1);
    header->addWidget(m_closeButton, 0, Qt::AlignVCenter);
    column->addLayout(header);

    m_notice = new QWidget(this);
    auto* notice = new QHBoxLayout(m_notice);
    notice->setContentsMargins(0, 0, 0, 0);
    notice->setSpacing(10);
    m_noticeIcon = iconLabel(QStringLiteral("noticeIcon"), m_notice);
    auto* noticeTexts = new QVBoxLayout;
    noticeTexts->setSpacing(4);
    m_noticeTitle = plainLabel(QStringLiteral("noticeTitle"), m_notice);
    m_noticeText = plainLabel(QStringLiteral("noticeText"), m_notice);
    noticeTexts->addWidget(m_noticeTitle);
    noticeTexts->addWidget(m_noticeText);
    notice->addWidget(m_noticeIcon, 0, Qt::AlignTop);
    notice->addLayout(noticeTexts, 1);
    column->addWidget(m_notice);

    m_loading = new QWidget(this);
    auto* loading = new QHBoxLayout(m_loading);
    loading->setContentsMargins(0, 0, 0, 0);
    auto* spinner = new QProgressBar(m_loading);
    spinner->setObjectName(QStringLiteral("loadingIndicator"));
    spinner->setRange(0, 0);
    spinner->setTextVisible(false);
    spinner->setFixedSize(48, 6);
    m_loadingText = plainLabel(QStringLiteral("loadingText"), m_loading);
    loading->addWidget(spinner, 0, Qt::AlignVCenter);
    loading->addWidget(m_loadingText, 1);
    column->addWidget(m_loading);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("loadedScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->viewport()->setAutoFillBackground(false);
    m_loaded = buildLoaded();
    m_scroll->setWidget(m_loaded);
    // The card's own background shows through (setWidget turns filling on).
    m_loaded->setAutoFillBackground(false);
    column->addWidget(m_scroll);

    m_failed = new QWidget(this);
    auto* failed = new QHBoxLayout(m_failed);
    failed->setContentsMargins(0, 0, 0, 0);
    m_failedText = plainLabel(QStringLiteral("failedText"), m_failed);
    m_retryButton = new QPushButton(m_failed);
    m_retryButton->setObjectName(QStringLiteral("retry"));
    connect(m_retryButton, &QPushButton::clicked, m_model, &GrammarAnalysisModel::retry);
    failed->addWidget(m_failedText, 1);
    failed->addWidget(m_retryButton, 0);
    column->addWidget(m_failed);
}

QWidget* GrammarAnalysisView::buildLoaded()
{
    auto* loaded = new QWidget;
    loaded->setObjectName(QStringLiteral("loaded"));
    loaded->setAutoFillBackground(false);
    auto* column = new QVBoxLayout(loaded);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);

    m_sentence = segmentLabel(QStringLiteral("coloredSentence"), loaded);
    m_translation = plainLabel(QStringLiteral("sentenceTranslation"), loaded);
    column->addWidget(m_sentence);
    column->addWidget(m_translation);

    auto* verdict = new QHBoxLayout;
    verdict->setSpacing(6);
    m_verdictIcon = iconLabel(QStringLiteral("verdictIcon"), loaded);
    m_verdict = plainLabel(QStringLiteral("verdict"), loaded);
    m_verdict->setWordWrap(false);
    m_corrected = plainLabel(QStringLiteral("correctedSentence"), loaded);
    verdict->addWidget(m_verdictIcon, 0, Qt::AlignTop);
    verdict->addWidget(m_verdict, 0, Qt::AlignTop);
    verdict->addWidget(m_corrected, 1);
    column->addLayout(verdict);

    m_divider = new QFrame(loaded);
    m_divider->setObjectName(QStringLiteral("divider"));
    m_divider->setFrameShape(QFrame::NoFrame);
    m_divider->setFixedHeight(1);
    column->addWidget(m_divider);

    auto* structureRow = new QHBoxLayout;
    m_structure = plainLabel(QStringLiteral("structureName"), loaded);
    structureRow->addWidget(m_structure, 0);
    structureRow->addStretch(1);
    column->addLayout(structureRow);

    m_formulaBox = new QFrame(loaded);
    m_formulaBox->setObjectName(QStringLiteral("formulaBox"));
    auto* formula = new QVBoxLayout(m_formulaBox);
    formula->setContentsMargins(10, 8, 10, 8);
    m_formula = segmentLabel(QStringLiteral("formula"), m_formulaBox);
    formula->addWidget(m_formula);
    column->addWidget(m_formulaBox);

    m_explanation = plainLabel(QStringLiteral("explanation"), loaded);
    column->addWidget(m_explanation);

    m_notes = new QVBoxLayout;
    m_notes->setSpacing(4);
    column->addLayout(m_notes);
    return loaded;
}

void GrammarAnalysisView::applyStyle()
{
    const CardStyle colours(palette());
    setPointSize(m_title, 15, QFont::DemiBold);
    setTextColor(m_title, colours.textPrimary());
    setPointSize(m_noticeTitle, 13, QFont::DemiBold);
    for (QLabel* body : { m_noticeText, m_loadingText, m_failedText, m_explanation })
        setPointSize(body, 13);
    setTextColor(m_noticeText, colours.textSecondary());
    setTextColor(m_loadingText, colours.textSecondary());
    setPointSize(m_sentence, 14, QFont::Medium);
    setTextColor(m_sentence, colours.textPrimary());
    setPointSize(m_translation, 13);
    setTextColor(m_translation, colours.textSecondary());
    setPointSize(m_verdict, 11, QFont::Medium);
    setPointSize(m_corrected, 13, QFont::DemiBold);
    setTextColor(m_corrected, colours.textPrimary());
    setPointSize(m_structure, 12, QFont::DemiBold);
    // The structure name on a capsule; the formula on a faint rounded box.
    m_structure->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; border-radius: 9px; "
                                              "padding: 2px 10px; }")
                                   .arg(colours.accentSoft().name(QColor::HexArgb), colours.highlight().name()));
    QColor faint = colours.textPrimary();
    faint.setAlphaF(0.05f);
    m_formulaBox->setStyleSheet(
        QStringLiteral("QFrame#formulaBox { background: %1; border-radius: 8px; }").arg(faint.name(QColor::HexArgb)));
    setPointSize(m_formula, 13);
    m_divider->setStyleSheet(QStringLiteral("QFrame#divider { background: %1; }").arg(colours.textSecondary().name()));
}

void GrammarAnalysisView::refresh()
{
    const GrammarAnalysisModel& model = *m_model;
    using Display = GrammarAnalysisModel::Display;
    const Display display = model.display();

    m_title->setText(tr("Разбор грамматики"));
    m_closeButton->setAccessibleName(tr("Закрыть"));
    m_closeButton->setToolTip(tr("Закрыть"));

    m_notice->setVisible(display == Display::ModelUnavailable || display == Display::LanguageUnsupported);
    if (display == Display::ModelUnavailable) {
        setIcon(m_noticeIcon, "dialog-warning", QStyle::SP_MessageBoxWarning);
        m_noticeTitle->setText(tr("Языковая модель недоступна"));
        m_noticeText->setText(tr("Разбор грамматики выполняет локальная языковая модель, но по адресу %1 "
                                 "никакой сервер модели не отвечает. Адрес задаётся в окне настроек, в разделе "
                                 "«Службы».")
                                  .arg(model.modelServerAddress()));
    } else if (display == Display::LanguageUnsupported) {
        setIcon(m_noticeIcon, "accessories-dictionary", QStyle::SP_MessageBoxInformation);
        m_noticeTitle->setText(tr("Язык пока не поддерживается"));
        m_noticeText->setText(tr("Разбор грамматики доступен для двенадцати языков, которые можно изучать в "
                                 "Quillmoor. Язык этого предложения не удалось определить, или его среди них нет."));
    }

    m_loading->setVisible(display == Display::Loading);
    m_loadingText->setText(tr("Анализируем предложение…"));

    m_failed->setVisible(display == Display::Failed);
    m_failedText->setText(tr("Не удалось проанализировать"));
    m_retryButton->setText(tr("Повторить"));

    m_scroll->setVisible(display == Display::Loaded);
    if (display == Display::Loaded)
        refreshLoaded();
}

void GrammarAnalysisView::refreshLoaded()
{
    const GrammarAnalysisModel& model = *m_model;
    const GrammarAnalysisResult& result = *model.result();
    const CardStyle colours(palette());
    const QList<GrammarPartColoring::AlignedPart> aligned = GrammarPartColoring::alignedParts(result.analysis);
    const int innerWidth = kWidth - 2 * kMargin;

    const auto sentence = GrammarPartColoring::coloredSentence(result.originalSentence, aligned);
    m_sentence->setText(GrammarPartColoring::html(sentence, colours.highlight(), colours.textSecondary()));
    m_sentence->setAccessibleName(result.originalSentence);

    m_translation->setVisible(model.translatedSentence().has_value());
    m_translation->setText(model.translatedSentence().value_or(QString()));

    const bool hasErrors = result.hasErrors();
    m_corrected->setVisible(hasErrors);
    if (hasErrors) {
        setIcon(m_verdictIcon, "document-edit", QStyle::SP_FileDialogDetailedView);
        m_verdict->setText(tr("Исправлено:"));
        setTextColor(m_verdict, colours.textSecondary());
        m_corrected->setText(result.analysis.correctedSentence.trimmed());
    } else {
        setIcon(m_verdictIcon, "emblem-ok-symbolic", QStyle::SP_DialogApplyButton);
        m_verdict->setText(tr("Грамматика верна"));
        setTextColor(m_verdict, GrammarPartColoring::color(0, colours.highlight()));
    }

    m_structure->setText(model.shownStructureName());
    // A capsule as wide as its name; a name longer than the panel wraps.
    m_structure->setWordWrap(false);
    m_structure->setWordWrap(m_structure->sizeHint().width() > innerWidth);
    m_structure->setVisible(!model.shownStructureName().isEmpty());
    m_formulaBox->setVisible(!aligned.isEmpty());
    const auto formula = GrammarPartColoring::coloredFormula(aligned);
    m_formula->setText(GrammarPartColoring::html(formula, colours.highlight(), colours.textSecondary()));
    m_formula->setAccessibleName(GrammarPartColoring::plainText(formula));
    m_explanation->setText(model.shownExplanation());
    m_explanation->setVisible(!model.shownExplanation().isEmpty());

    while (QLayoutItem* item = m_notes->takeAt(0)) {
        delete item->widget();
        delete item->layout();
        delete item;
    }
    for (const QString& note : model.shownWordNotes()) {
        auto* row = new QWidget(m_loaded);
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(6);
        auto* bullet = new QLabel(QStringLiteral("•"), row);
        setPointSize(bullet, 12);
        setTextColor(bullet, colours.textSecondary());
        QLabel* text = plainLabel(QStringLiteral("wordNote"), row);
        setPointSize(text, 12);
        text->setText(note);
        line->addWidget(bullet, 0, Qt::AlignTop);
        line->addWidget(text, 1);
        m_notes->addWidget(row);
        // Counted in the height below at once, not only once the layout shows it later.
        row->setVisible(true);
    }

    // The analysis scrolls only beyond the tallest the panel gets. Its height is fixed at its width
    // (narrower by the scroll bar when it scrolls): the scroll area would otherwise take the height
    // of the wrapped labels at their narrowest, and scroll what fits.
    m_loaded->setMinimumHeight(0);
    m_loaded->setMaximumHeight(QWIDGETSIZE_MAX);
    // Style sheets (the capsule's padding) count only once applied.
    m_loaded->ensurePolished();
    m_loaded->layout()->invalidate();
    m_loaded->layout()->activate();
    int height = m_loaded->layout()->totalHeightForWidth(innerWidth);
    if (height > kMaxScrollHeight)
        height = m_loaded->layout()->totalHeightForWidth(
            innerWidth - m_scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll));
    m_loaded->setFixedHeight(height);
    m_scroll->setFixedHeight(std::min(height, kMaxScrollHeight));
}

void GrammarAnalysisView::changed()
{
    refresh();
    Q_EMIT contentChanged();
}

QSize GrammarAnalysisView::fittingSize() const
{
    QLayout* column = layout();
    column->activate();
    const int height = column->hasHeightForWidth() ? column->totalHeightForWidth(kWidth) : column->sizeHint().height();
    return { kWidth, height };
}

void GrammarAnalysisView::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        refresh();
    else if (event->type() == QEvent::PaletteChange)
        applyStyle();
}

void GrammarAnalysisView::paintEvent(QPaintEvent*)
{
    const CardStyle colours(palette());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath card;
    card.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
    painter.fillPath(card, colours.cardBackground());
    painter.setPen(QPen(colours.cardBorder(), 1));
    painter.drawPath(card);
}
