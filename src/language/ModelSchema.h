#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

// The record a language-model request must produce: a type name and its described fields.
struct ModelSchema
{
    enum class FieldType { Text, Boolean, TextList };
    struct Field
    {
        QString name;
        QString description;
        FieldType type = FieldType::Text;
    };

    QString typeName;
    QList<Field> fields;

    // JSON Schema of the record: every field required, nothing else allowed.
    QJsonObject jsonSchema() const;
    // The chat API's response_format for structured output.
    QJsonObject responseFormat() const;
    // True when `value` has every field with its type.
    bool validates(const QJsonObject& value) const;
};
