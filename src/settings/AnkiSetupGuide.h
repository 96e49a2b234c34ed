#pragma once

#include <QAbstractButton>
#include <QWidget>

#include <functional>

class QLabel;
class QVariantAnimation;

// How to connect the Anki desktop application: five steps, a divider and two notes.
class AnkiSetupGuide : public QWidget
{
    Q_OBJECT
public:
    // Where the step "Установите Anki" sends the learner.
    static inline const QString kDownloadSite = QStringLiteral("apps.ankiweb.net");
    // The public code of AnkiConnect in Anki's add-on catalogue.
    static inline const QString kAddonCode = QStringLiteral("2055492159");

    explicit AnkiSetupGuide(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Text
    {
        QLabel* label;
        std::function<QString()> text;
    };
    void addStep(const char* symbol, const char* color, std::function<QString()> title, std::function<QString()> text);
    void addNote(const char* symbol, const QColor& color, std::function<QString()> text);
    void retranslate();

    QList<Text> m_texts;
};

// The row that opens and closes the guide: the whole row is one button; its chevron turns by
// half a turn while the guide is open.
class AnkiGuideDisclosureRow : public QAbstractButton
{
    Q_OBJECT
public:
    explicit AnkiGuideDisclosureRow(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    qreal chevronAngle() const { return m_angle; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void checkStateSet() override;
    void nextCheckState() override;

private:
    void retranslate();
    void turnChevron();

    qreal m_angle = 0;
    QVariantAnimation* m_turn = nullptr;
};
