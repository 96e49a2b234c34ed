#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A picture for a saved word: image bytes that decode, with their file extension.
struct Illustration
{
    QByteArray data;
    QString fileExtension;

    // Decodes the bytes and keeps them only as a real image: JPEG stays as it is ("jpg" unless the
    // source named it "jpeg"), anything else is re-encoded as PNG. nullopt for bytes that are not
    // an image, so an error page can never reach the store or Anki.
    static std::optional<Illustration> fromImageBytes(const QByteArray& bytes, const QString& sourceExtension = {});
};
