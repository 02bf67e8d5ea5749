// Pintura da lista de primitivas de desenho.
#include "PintaDesenho.h"

#include "output/Svg.h"

#include <QPainter>
#include <QPen>

namespace lumbrio::janela {

QColor CorDaPaleta(int Cor, const QColor& PrimeiroPlano) {
    if (Cor == CorPrimeiroPlano) return PrimeiroPlano;
    const Rgb c = RgbDaCor(Cor);
    return QColor(c.r, c.g, c.b);
}

QColor CorDeAlerta() {
    return QColor(RgbAlerta.r, RgbAlerta.g, RgbAlerta.b);
}

void PintaDesenho(QPainter& Pintor, const std::vector<Primitiva>& Lista, double Escala) {
    const QColor primeiroPlano = Pintor.pen().color();
    Pintor.save();
    Pintor.setRenderHint(QPainter::Antialiasing);
    Pintor.setBrush(Qt::NoBrush);
    // Cada desenho fica na sua moldura (RecorteDe).
    for (const Primitiva& p : Lista) {
        const auto m = MolduraDoRecorte(RecorteDe(p));
        Pintor.setClipRect(
            QRectF(m.Left * Escala, m.Top * Escala, m.Width * Escala, m.Height * Escala));
        const QPointF inicio(p.x1 * Escala, p.y1 * Escala);
        Pintor.setPen(QPen(CorDaPaleta(p.cor, primeiroPlano)));
        if (p.tipo == Primitiva::Tipo::Linha)
            Pintor.drawLine(inicio, QPointF(p.x2 * Escala, p.y2 * Escala));
        else
            Pintor.drawEllipse(inicio, p.raio * Escala, p.raio * Escala);
    }
    Pintor.restore();
}

} // namespace lumbrio::janela
