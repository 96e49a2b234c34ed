#pragma once

#include <QColor>
#include <QWidget>

// Word-wrapped plain text with one stretch drawn semibold in an emphasis colour. The text is
// laid out as it stands: nothing in it is read as markup.
class EmphasisLabel : public QWidget
{
    Q_OBJECT
public:
    explicit EmphasisLabel(QWidget* parent = nullptr);

    // The first case-insensitive occurrence of `emphasised` is emphasised; none when it does not occur.
    void setText(const QString& text, const QString& emphasised = {});
    void setEmphasisColor(const QColor& color);

    QString text() const { return m_text; }
    // Start and length of the emphasised stretch; length 0 when there is none.
    qsizetype emphasisStart() const { return m_start; }
    qsizetype emphasisLength() const { return m_length; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Lays the text out at the width; returns the height used.
    qreal layout(class QTextLayout& layout, qreal width) const;

    QString m_text;
    qsizetype m_start = 0;
    qsizetype m_length = 0;
    QColor m_emphasisColor;
};
