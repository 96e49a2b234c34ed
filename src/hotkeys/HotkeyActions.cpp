#include "hotkeys/HotkeyActions.h"

#include "hotkeys/HotkeyCombo.h"
#include "hotkeys/HotkeyManager.h"

#include <QCoreApplication>

namespace HotkeyActions {

namespace {

struct Action
{
    HotkeyAction action;
    const char* title;
    const char* subtitle;
    quint32 modifiers;
};

const Action kActions[] = {
    { HotkeyAction::Word, QT_TRANSLATE_NOOP("HotkeyActions", "Наведение на слово"),
        QT_TRANSLATE_NOOP("HotkeyActions", "Удерживать над словом"), HotkeyCombo::Alt },
    { HotkeyAction::Selection, QT_TRANSLATE_NOOP("HotkeyActions", "Перевод выделения"),
        QT_TRANSLATE_NOOP("HotkeyActions", "Работает при любой длине выделения"),
        HotkeyCombo::Control | HotkeyCombo::Alt },
    { HotkeyAction::QuickLookup, QT_TRANSLATE_NOOP("HotkeyActions", "Быстрый поиск"), nullptr,
        HotkeyCombo::Super | HotkeyCombo::Shift },
    { HotkeyAction::GrammarAnalysis, QT_TRANSLATE_NOOP("HotkeyActions", "Разбор грамматики"),
        QT_TRANSLATE_NOOP("HotkeyActions", "Проверка и объяснение грамматики выделения"),
        HotkeyCombo::Control | HotkeyCombo::Alt | HotkeyCombo::Shift },
};

} // namespace

void registerDefaults(HotkeyManager& manager)
{
    for (const Action& action : kActions) {
        HotkeyCombo combo;
        combo.modifiers = action.modifiers;
        const std::optional<QString> subtitle
            = action.subtitle ? std::optional(QString::fromUtf8(action.subtitle)) : std::nullopt;
        manager.registerAction(action.action, QString::fromUtf8(action.title), subtitle, combo);
    }
}

QString translated(const QString& key)
{
    return QCoreApplication::translate(kTranslationContext, key.toUtf8().constData());
}

} // namespace HotkeyActions
