#include "settings/SettingsIcon.h"

#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>

SettingsIcon::SettingsIcon(const QString& symbol, const QColor& color, int size, QWidget* parent)
    : QWidget(parent)
    , m_symbol(symbol)
    , m_color(color)
    , m_size(size)
{
    setFixedSize(size, size);
    // A decoration: the text beside it says what it marks.
    setAccessibleName(QString());
}

QString SettingsIcon::resourcePath(const QString& symbol)
{
    const QString path = QStringLiteral(":/icons/settings/%1.svg").arg(symbol);
    return QFile::exists(path) ? path : QString();
}

QPixmap SettingsIcon::tinted(const QString& symbol, const QColor& color, int size, qreal pixelRatio)
{
    QPixmap pixmap(QSize(size, size) * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    const QString path = resourcePath(symbol);
    if (path.isEmpty())
        return pixmap;
    // Through the icon engine: the desktop's SVG plugin draws the bundled file.
    QImage drawn = QIcon(path).pixmap(QSize(size, size), pixelRatio).toImage().convertToFormat(QImage::Format_ARGB32);
    // The drawings are black, with white details inside filled shapes: the details become holes,
    // so that the colour below shows through them once the shape takes its colour.
    const QRgb tint = color.rgb();
    for (int y = 0; y < drawn.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(drawn.scanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            const int coverage = qAlpha(line[x]) * (255 - qGray(line[x])) / 255;
            line[x] = qRgba(qRed(tint), qGreen(tint), qBlue(tint), coverage * color.alpha() / 255);
        }
    }
    drawn.setDevicePixelRatio(pixelRatio);
    QPainter painter(&pixmap);
    painter.drawImage(QRectF(0, 0, size, size), drawn);
    return pixmap;
}

QColor SettingsIcon::named(const char* name)
{
    static const QHash<QByteArray, QColor> colors {
        { "blue", QColor(0x0a, 0x84, 0xff) },
        { "purple", QColor(0xaf, 0x52, 0xde) },
        { "orange", QColor(0xff, 0x95, 0x00) },
        { "green", QColor(0x34, 0xc7, 0x59) },
        { "mint", QColor(0x00, 0xc7, 0xbe) },
        { "teal", QColor(0x30, 0xb0, 0xc7) },
        { "pink", QColor(0xff, 0x2d, 0x55) },
        { "cyan", QColor(0x32, 0xad, 0xe6) },
        { "gray", QColor(0x8e, 0x8e, 0x93) },
        { "red", QColor(0xff, 0x3b, 0x30) },
        { "indigo", QColor(0x58, 0x56, 0xd6) },
    };
    return colors.value(QByteArray(name), QColor(0x8e, 0x8e, 0x93));
}

void SettingsIcon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath square;
    square.addRoundedRect(QRectF(rect()), m_size * 0.22, m_size * 0.22);
    painter.fillPath(square, m_color);
    const int inner = qRound(m_size * 0.64);
    // Drawn once per pixel ratio: the section icons repaint with every scroll.
    if (m_symbolPixmap.isNull() || m_symbolPixmap.devicePixelRatio() != devicePixelRatioF())
        m_symbolPixmap = tinted(m_symbol, Qt::white, inner, devicePixelRatioF());
    painter.drawPixmap((m_size - inner) / 2, (m_size - inner) / 2, m_symbolPixmap);
}
