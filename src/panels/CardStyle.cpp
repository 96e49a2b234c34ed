#include "panels/CardStyle.h"

#include <array>

CardStyle::CardStyle(const QPalette& palette)
    : m_dark(palette.color(QPalette::Window).lightnessF() < 0.5)
{
    if (m_dark) {
        m_cardBg = QColor(0x2b, 0x2d, 0x31);
        m_cardBorder = QColor(0x45, 0x48, 0x4f);
        m_textPrimary = QColor(0xec, 0xed, 0xef);
        m_textSecondary = QColor(0x9a, 0x9f, 0xa8);
        m_accentSoft = QColor(0x3a, 0x45, 0x5c);
        m_highlight = QColor(0x7c, 0xb3, 0xff);
        m_highlightText = QColor(0xff, 0xd5, 0x80);
        m_primaryButton = QColor(0x4a, 0x86, 0xe8);
        return;
    }
    m_cardBg = QColor(0xfd, 0xfd, 0xfc);
    m_cardBorder = QColor(0xd6, 0xd8, 0xdc);
    m_textPrimary = QColor(0x1d, 0x1f, 0x23);
    m_textSecondary = QColor(0x6b, 0x70, 0x79);
    m_accentSoft = QColor(0xe6, 0xee, 0xfb);
    m_highlight = QColor(0x1f, 0x5f, 0xc4);
    m_highlightText = QColor(0xa3, 0x4a, 0x00);
    m_primaryButton = QColor(0x2f, 0x6f, 0xdb);
}

qreal CardStyle::pointSize(Text text, CardSize size)
{
    using Sizes = std::array<qreal, 3>;
    const auto pick = [size](Sizes sizes) {
        switch (size) {
        case CardSize::Compact:
            return sizes[0];
        case CardSize::Medium:
            return sizes[1];
        case CardSize::Spacious:
            return sizes[2];
        }
        return sizes[1];
    };
    switch (text) {
    case Text::Word:
        return pick({ 16, 18, 22 });
    case Text::Translation:
        return pick({ 11, 13, 16 });
    case Text::Placeholder:
        return pick({ 9, 11, 13 });
    case Text::Body:
        return pick({ 10, 12, 14 });
    case Text::Failure:
        return pick({ 9, 10, 12 });
    case Text::PlayIcon:
        return pick({ 8, 9, 11 });
    }
    return pick({ 10, 12, 14 });
}
