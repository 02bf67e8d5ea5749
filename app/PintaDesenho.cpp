// Pintura da lista de primitivas de desenho.
#include "PintaDesenho.h"

#include <QPainter>
#include <QPen>

namespace lumbrio::janela {

QColor CorDaPaleta(int Cor, const QColor& PrimeiroPlano) {
    switch (Cor) {
    case CorCinza:
        return QColor(128, 128, 128);
    case CorVerdeClaro:
        return QColor(0, 255, 0);
    case CorVermelhoClaro:
        return QColor(255, 0, 0);
    default:
        return PrimeiroPlano;
    }
}

void PintaDesenho(QPainter& Pintor, const std::vector<Primitiva>& Lista, double Escala) {
    const QColor primeiroPlano = Pintor.pen().color();
    Pintor.save();
    Pintor.setRenderHint(QPainter::Antialiasing);
    Pintor.setBrush(Qt::NoBrush);
    for (const Primitiva& p : Lista) {
        Pintor.setPen(QPen(CorDaPaleta(p.cor, primeiroPlano)));
        const QPointF a(p.x1 * Escala, p.y1 * Escala);
        if (p.tipo == Primitiva::Tipo::Linha)
            Pintor.drawLine(a, QPointF(p.x2 * Escala, p.y2 * Escala));
        else
            Pintor.drawEllipse(a, p.raio * Escala, p.raio * Escala);
    }
    Pintor.restore();
}

} // namespace lumbrio::janela
