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
    const QPixmap drawn = QIcon(path).pixmap(QSize(size, size), pixelRatio);
    QPainter painter(&pixmap);
    painter.drawPixmap(QRectF(0, 0, size, size), drawn, QRectF(drawn.rect()));
    // The drawings are black on transparent (with white details): every drawn pixel takes the
    // colour, the white cut-outs stay see-through only where the drawing left them transparent.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRectF(0, 0, size, size), color);
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
    const QPixmap symbol = tinted(m_symbol, Qt::white, inner, devicePixelRatioF());
    painter.drawPixmap((m_size - inner) / 2, (m_size - inner) / 2, symbol);
}
