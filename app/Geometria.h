// Posições e tamanhos em twips (1/1440 pol.) convertidos para pixels lógicos.
#pragma once

#include <QRect>
#include <QtGlobal>

namespace lumbrio::janela {

// 15 twips por pixel lógico; o Qt ajusta telas de alta densidade.
inline constexpr double TwipsPorPixel = 15.0;

inline int px(double twips) {
    return qRound(twips / TwipsPorPixel);
}

inline QRect RetanguloTwips(double Left, double Top, double Width, double Height) {
    return QRect(px(Left), px(Top), px(Width), px(Height));
}

} // namespace lumbrio::janela
