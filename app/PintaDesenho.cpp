// Pintura da lista de primitivas de desenho.
#include "PintaDesenho.h"

#include "calc/Dimensionamento.h"

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
    // Cada desenho fica na sua moldura, a do ponto inicial da primitiva; as linhas
    // horizontais de nível ligam os dois desenhos e ficam nas duas molduras juntas.
    // (com a borda: 15 twips, um pixel da janela, em volta)
    const auto moldura = [Escala](const Dimensionamento::Moldura& m) {
        return QRectF((m.Left - 15) * Escala, (m.Top - 15) * Escala, (m.Width + 30) * Escala,
                      (m.Height + 30) * Escala);
    };
    const QRectF diagrama = moldura(Dimensionamento::Shape4);
    const QRectF secao = moldura(Dimensionamento::Shape1);
    for (const Primitiva& p : Lista) {
        const QPointF inicio(p.x1 * Escala, p.y1 * Escala);
        if (p.tipo == Primitiva::Tipo::Linha && p.y1 == p.y2)
            Pintor.setClipRect(diagrama.united(secao));
        else
            Pintor.setClipRect(diagrama.contains(inicio) ? diagrama : secao);
        Pintor.setPen(QPen(CorDaPaleta(p.cor, primeiroPlano)));
        if (p.tipo == Primitiva::Tipo::Linha)
            Pintor.drawLine(inicio, QPointF(p.x2 * Escala, p.y2 * Escala));
        else
            Pintor.drawEllipse(inicio, p.raio * Escala, p.raio * Escala);
    }
    Pintor.restore();
}

} // namespace lumbrio::janela
