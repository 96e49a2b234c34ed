#include "grammar/GrammarTheoryView.h"

#include "grammar/GrammarTopicIcon.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
QLabel* plainLabel(const QString& text, const char* objectName, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}
} // namespace

GrammarTheoryView::GrammarTheoryView(const GrammarBankTopic& topic, InterfaceLanguage language, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("theorySheet"));
    setWindowModality(Qt::WindowModal);
    setWindowTitle(topic.displayTitle(language));
    resize(420, 440);
    auto* column = new QVBoxLayout(this);
    column->setSpacing(10);

    auto* headline = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(GrammarTopicIcon::icon(topic.systemImage).pixmap(QSize(32, 32), devicePixelRatioF()));
    headline->addWidget(icon, 0, Qt::AlignTop);
    auto* titles = new QVBoxLayout;
    QLabel* title = plainLabel(topic.displayTitle(language), "theoryTitle", this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(15);
    titleFont.setWeight(QFont::DemiBold);
    title->setFont(titleFont);
    titles->addWidget(title);
    QLabel* subtitle = plainLabel(topic.displaySubtitle(language), "theorySubtitle", this);
    QPalette secondary = subtitle->palette();
    secondary.setColor(QPalette::WindowText, secondary.color(QPalette::PlaceholderText));
    subtitle->setPalette(secondary);
    titles->addWidget(subtitle);
    headline->addLayout(titles, 1);
    column->addLayout(headline);

    const QString theory = topic.displayTheory(language);
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    QLabel* text
        = plainLabel(theory.isEmpty() ? tr("Теория для этой темы пока не добавлена.") : theory, "theoryText", scroll);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    scroll->setWidget(text);
    column->addWidget(scroll, 1);

    auto* buttons = new QHBoxLayout;
    auto* close = new QPushButton(tr("Закрыть"), this);
    close->setObjectName(QStringLiteral("closeTheoryButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* start = new QPushButton(tr("Начать упражнения"), this);
    start->setObjectName(QStringLiteral("startExercisesButton"));
    start->setDefault(true);
    connect(start, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    buttons->addStretch(1);
    buttons->addWidget(start);
    column->addLayout(buttons);
}
