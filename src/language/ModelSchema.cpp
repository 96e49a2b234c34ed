#include "language/ModelSchema.h"

#include <QJsonArray>

namespace {
QJsonObject fieldSchema(const ModelSchema::Field& field)
{
    QJsonObject schema { { QStringLiteral("description"), field.description } };
    switch (field.type) {
    case ModelSchema::FieldType::Text:
        schema.insert(QStringLiteral("type"), QStringLiteral("string"));
        break;
    case ModelSchema::FieldType::Boolean:
        schema.insert(QStringLiteral("type"), QStringLiteral("boolean"));
        break;
    case ModelSchema::FieldType::TextList:
        schema.insert(QStringLiteral("type"), QStringLiteral("array"));
        schema.insert(QStringLiteral("items"), QJsonObject { { QStringLiteral("type"), QStringLiteral("string") } });
        break;
    }
    return schema;
}
} // namespace

QJsonObject ModelSchema::jsonSchema() const
{
    QJsonObject properties;
    QJsonArray required;
    for (const Field& field : fields) {
        properties.insert(field.name, fieldSchema(field));
        required.append(field.name);
    }
    return { { QStringLiteral("type"), QStringLiteral("object") }, { QStringLiteral("title"), typeName },
        { QStringLiteral("properties"), properties }, { QStringLiteral("required"), required },
        { QStringLiteral("additionalProperties"), false } };
}

QJsonObject ModelSchema::responseFormat() const
{
    return { { QStringLiteral("type"), QStringLiteral("json_schema") },
        { QStringLiteral("json_schema"),
            QJsonObject { { QStringLiteral("name"), typeName }, { QStringLiteral("strict"), true },
                { QStringLiteral("schema"), jsonSchema() } } } };
}

bool ModelSchema::validates(const QJsonObject& value) const
{
    for (const Field& field : fields) {
        const QJsonValue v = value.value(field.name);
        switch (field.type) {
        case FieldType::Text:
            if (!v.isString())
                return false;
            break;
        case FieldType::Boolean:
            if (!v.isBool())
                return false;
            break;
        case FieldType::TextList: {
            if (!v.isArray())
                return false;
            for (const QJsonValue& item : v.toArray()) {
                if (!item.isString())
                    return false;
            }
            break;
        }
        }
    }
    return true;
}
