#pragma once

#include "preferences/CardSize.h"

#include <QColor>
#include <QPalette>

// The lookup card's named colours and its text sizes for each card size.
class CardStyle
{
public:
    enum class Text { Word, Translation, Placeholder, Body, Failure, PlayIcon };

    // Colours follow the desktop theme: a dark window colour gives the dark set.
    explicit CardStyle(const QPalette& palette);

    QColor cardBackground() const { return m_cardBg; } // QMCardBg
    QColor cardBorder() const { return m_cardBorder; } // QMCardBorder
    QColor textPrimary() const { return m_textPrimary; } // QMTextPrimary
    QColor textSecondary() const { return m_textSecondary; } // QMTextSecondary
    QColor accentSoft() const { return m_accentSoft; } // QMAccentSoft
    QColor highlight() const { return m_highlight; } // QMHighlight
    QColor highlightText() const { return m_highlightText; } // QMHighlightText
    QColor primaryButton() const { return m_primaryButton; } // QMPrimaryButton
    bool isDark() const { return m_dark; }

    // Point sizes (compact / medium / spacious).
    static qreal pointSize(Text text, CardSize size);

private:
    bool m_dark = false;
    QColor m_cardBg;
    QColor m_cardBorder;
    QColor m_textPrimary;
    QColor m_textSecondary;
    QColor m_accentSoft;
    QColor m_highlight;
    QColor m_highlightText;
    QColor m_primaryButton;
};
