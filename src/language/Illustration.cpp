#include "language/Illustration.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

std::optional<Illustration> Illustration::fromImageBytes(const QByteArray& bytes, const QString& sourceExtension)
{
    if (bytes.isEmpty())
        return std::nullopt;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    if (format == "jpeg" || format == "jpg") {
        const QString extension = sourceExtension.compare(QLatin1String("jpeg"), Qt::CaseInsensitive) == 0
            ? QStringLiteral("jpeg")
            : QStringLiteral("jpg");
        return Illustration { bytes, extension };
    }
    QByteArray png;
    QBuffer out(&png);
    out.open(QIODevice::WriteOnly);
    if (!image.save(&out, "PNG"))
        return std::nullopt;
    return Illustration { png, QStringLiteral("png") };
}
