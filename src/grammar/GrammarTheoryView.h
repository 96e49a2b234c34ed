#pragma once

#include "grammar/GrammarBankTopic.h"

#include <QDialog>

// The theory sheet of one topic: its icon, title and subtitle, the theory text (scrolling), and the
// buttons "Закрыть" and "Начать упражнения" (accepts the sheet).
class GrammarTheoryView : public QDialog
{
    Q_OBJECT
public:
    GrammarTheoryView(const GrammarBankTopic& topic, InterfaceLanguage language, QWidget* parent = nullptr);
};
