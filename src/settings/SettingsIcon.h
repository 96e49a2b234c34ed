#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// A symbol in white on a rounded square of its colour, the mark of a settings section, a guide
// step or a guide page. The symbols are bundled drawings (":/icons/settings/<name>.svg").
class SettingsIcon : public QWidget
{
    Q_OBJECT
public:
    SettingsIcon(const QString& symbol, const QColor& color, int size, QWidget* parent = nullptr);

    QString symbol() const { return m_symbol; }
    QColor color() const { return m_color; }

    // The symbol alone, drawn in one colour, `size` logical pixels square at the given pixel ratio.
    static QPixmap tinted(const QString& symbol, const QColor& color, int size, qreal pixelRatio = 1.0);
    static QString resourcePath(const QString& symbol);

    // The named colours of the symbols (blue, purple, orange, green, mint, teal, pink, cyan, gray).
    static QColor named(const char* name);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_symbol;
    QColor m_color;
    int m_size;
    QPixmap m_symbolPixmap;
};
