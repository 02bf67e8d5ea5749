// Diagrama de deformações (modelo CG) e detalhe da seção, como primitivas em twips.
#include "output/Desenhos.h"

#include "calc/Recusa.h"

#include <cmath>

namespace lumbrio {

namespace {

// Coordenada em precisão simples; fora do alcance, o desenho é recusado.
float Coordenada(double v) {
    const float f = static_cast<float>(v);
    if (!std::isfinite(f))
        Recusar("Os desenhos não podem ser traçados: uma coordenada sai do "
                "alcance da área de desenho.",
                "Verifique o módulo Es, as escalas e as dimensões da seção.");
    return f;
}

void Linha(std::vector<Primitiva>& d, double x1, double y1, double x2, double y2,
           int cor = CorPrimeiroPlano) {
    d.push_back({Primitiva::Tipo::Linha, Coordenada(x1), Coordenada(y1), Coordenada(x2),
                 Coordenada(y2), 0.0f, cor});
}

void Circulo(std::vector<Primitiva>& d, double x, double y, double raio, int cor) {
    d.push_back({Primitiva::Tipo::Circulo, Coordenada(x), Coordenada(y), Coordenada(x),
                 Coordenada(y), Coordenada(raio), cor});
}

// Retângulo pelos cantos opostos (x1, y1) e (x2, y2), em quatro linhas.
void Retangulo(std::vector<Primitiva>& d, double x1, double y1, double x2, double y2,
               int cor = CorPrimeiroPlano) {
    Linha(d, x1, y1, x2, y1, cor);
    Linha(d, x2, y1, x2, y2, cor);
    Linha(d, x2, y2, x1, y2, cor);
    Linha(d, x1, y2, x1, y1, cor);
}

} // namespace

std::vector<Primitiva> DiagramaDeDeformacoes(const EstadoDeProjeto& E) {
    std::vector<Primitiva> d;
    const double OX = E.OrigemXDiagrama, OY = E.OrigemYDiagrama, EX = E.EscalaX, EY = E.EscalaY;
    const double h = E.Altura;
    // Eixo de deformação nula em 10 por mil: tração à esquerda, compressão à direita.
    const double ys = OY + EY * (E.Altura - E.DCG1);
    const double xR = Shape1.Left + Shape1.Width - E.MargemSecao;
    Linha(d, OX, OY + EY * h, OX + 10 * EX, OY + EY * h);
    Linha(d, OX, ys, xR, ys);
    Linha(d, OX + 10 * EX, OY + EY * h, OX + 10 * EX, OY);
    Linha(d, OX + 10 * EX, OY, OX + (10 + E.Concreto.EpsCu) * EX, OY);
    Linha(d, OX, ys, OX + (10 + E.Concreto.EpsCu) * EX, OY);
    Linha(d, OX + EX * (10 - E.EpsYd), ys, OX + EX * (10 - E.EpsYd), ys + 10, CorVerdeClaro);
    Linha(d, OX + (10 + E.Concreto.EpsC2) * EX, OY, OX + (10 + E.Concreto.EpsC2) * EX, OY - 10,
          CorVerdeClaro);
    Linha(d, OX + EX * (10 - E.EpsS1CG), ys, OX + EX * (10 + E.EpsCCG), OY, CorVermelhoClaro);
    Linha(d, OX, OY + EY * E.XCG, xR, OY + EY * E.XCG);
    Linha(d, OX + EX * (10 - E.EpsYd), OY + EY * E.XEscoamento, xR, OY + EY * E.XEscoamento,
          CorVerdeClaro);
    return d;
}

void DetalheDaSecao(const EstadoDeProjeto& E, std::vector<Primitiva>& d) {
    const double X0 = E.OrigemXSecao, Y0 = E.OrigemYSecao, s = E.EscalaSecao;
    const double b = E.Base, h = E.Altura, c = E.Cobrimento, fiT = E.Diametro[E.BitolaEstr];
    Retangulo(d, X0, Y0, X0 + s * b, Y0 + s * h);
    // Estribo em linha dupla.
    Retangulo(d, X0 + s * c, Y0 + s * c, X0 + s * (b - c), Y0 + s * (h - c), CorCinza);
    Retangulo(d, X0 + s * (c + fiT), Y0 + s * (c + fiT), X0 + s * (b - c - fiT),
              Y0 + s * (h - c - fiT), CorCinza);
    for (int i = 1; i <= E.NumCamadasPos; ++i) {
        if (E.NumBarrasPos[i] == 0) continue;
        const double fi = E.Diametro[E.BitolaPos[i]];
        for (int j = 1; j <= E.NumBarrasPos[i]; ++j)
            Circulo(d, X0 + s * (c + fiT + fi / 2) + s * (j - 1) * E.EspHorPos[i],
                    Y0 + s * (h - E.DLinhaPos[i]), s * fi / 2, CorPrimeiroPlano);
    }
    for (int i = 1; i <= E.NumCamadasNeg; ++i) {
        if (E.NumBarrasNeg[i] == 0) continue;
        const double fi = E.Diametro[E.BitolaNeg[i]];
        for (int j = 1; j <= E.NumBarrasNeg[i]; ++j)
            Circulo(d, X0 + s * (c + fiT + fi / 2) + s * (j - 1) * E.EspHorNeg[i],
                    Y0 + s * E.DLinhaNeg[i], s * fi / 2, CorCinza);
    }
    // Cruzes dos centróides, 90 twips qualquer que seja a escala: 6 pixels na tela
    // e 1,6 mm numa exportação em tamanho real.
    constexpr double meia = 45;
    for (const double v : {h - E.DCG1, E.DCG2}) {
        const double px = X0 + s * b / 2, py = Y0 + s * v;
        Linha(d, px, py - meia, px, py + meia, CorVermelhoClaro);
        Linha(d, px - meia, py, px + meia, py, CorVermelhoClaro);
    }
}

} // namespace lumbrio
