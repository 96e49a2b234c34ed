// A Qt window with known text for the accessibility capture tests, in its own process (Quillmoor
// never reads its own windows). Prints one JSON line once shown: the screen point at the centre
// of each requested word, from the text layout.
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QJsonObject setup = QJsonDocument::fromJson(QByteArray(argv[1])).object();
    QTextEdit edit;
    edit.setWindowFlag(Qt::FramelessWindowHint);
    edit.setReadOnly(true);
    edit.setPlainText(setup.value(QStringLiteral("text")).toString());
    edit.setGeometry(setup.value(QStringLiteral("x")).toInt(), setup.value(QStringLiteral("y")).toInt(),
        setup.value(QStringLiteral("width")).toInt(640), setup.value(QStringLiteral("height")).toInt(160));
    if (const QJsonArray select = setup.value(QStringLiteral("select")).toArray(); select.size() == 2) {
        QTextCursor selection(edit.document());
        selection.setPosition(select.at(0).toInt());
        selection.setPosition(select.at(1).toInt(), QTextCursor::KeepAnchor);
        edit.setTextCursor(selection);
    }
    edit.show();
    QTimer::singleShot(400, &edit, [&] {
        QJsonArray points;
        const QString text = edit.toPlainText();
        for (const QJsonValue& word : setup.value(QStringLiteral("words")).toArray()) {
            QTextCursor cursor(edit.document());
            cursor.setPosition(int(text.indexOf(word.toString()) + word.toString().size() / 2));
            const QRect before = edit.cursorRect(cursor);
            cursor.movePosition(QTextCursor::NextCharacter);
            const QRect after = edit.cursorRect(cursor);
            const QPoint global
                = edit.viewport()->mapToGlobal(QPoint((before.left() + after.left()) / 2, before.center().y()));
            points.append(QJsonArray { global.x(), global.y() });
        }
        std::printf(
            "%s\n", QJsonDocument(QJsonObject { { "points", points } }).toJson(QJsonDocument::Compact).constData());
        std::fflush(stdout);
    });
    return app.exec();
}
