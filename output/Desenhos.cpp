// Diagrama de deformações (modelo CG) e detalhe da seção, como primitivas em twips.
#include "calc/Dimensionamento.h"

#include <cmath>

namespace lumbrio {

namespace {

// Coordenada em precisão simples; fora do alcance, o desenho é recusado.
float Coordenada(double v) {
    const float f = static_cast<float>(v);
    if (!std::isfinite(f))
        Dimensionamento::Recusar("Os desenhos não podem ser traçados: uma coordenada sai do "
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

void Dimensionamento::DesDeformaçao() {
    Desenho.clear();
    const double OX = OrigemXDiagrama, OY = OrigemYDiagrama, EX = EscalaX, EY = EscalaY;
    const double h = Altura;
    // Eixo de deformação nula em 10 por mil: tração à esquerda, compressão à direita.
    const double ys = OY + EY * (Altura - DCG1);
    const double xR = Shape1.Left + Shape1.Width - MargemSecao;
    auto& d = Desenho;
    Linha(d, OX, OY + EY * h, OX + 10 * EX, OY + EY * h);
    Linha(d, OX, ys, xR, ys);
    Linha(d, OX + 10 * EX, OY + EY * h, OX + 10 * EX, OY);
    Linha(d, OX + 10 * EX, OY, OX + (10 + Concreto.EpsCu) * EX, OY);
    Linha(d, OX, ys, OX + (10 + Concreto.EpsCu) * EX, OY);
    Linha(d, OX + EX * (10 - EpsYd), ys, OX + EX * (10 - EpsYd), ys + 10, CorVerdeClaro);
    Linha(d, OX + (10 + Concreto.EpsC2) * EX, OY, OX + (10 + Concreto.EpsC2) * EX, OY - 10,
          CorVerdeClaro);
    Linha(d, OX + EX * (10 - EpsS1CG), ys, OX + EX * (10 + EpsCCG), OY, CorVermelhoClaro);
    Linha(d, OX, OY + EY * XCG, xR, OY + EY * XCG);
    Linha(d, OX + EX * (10 - EpsYd), OY + EY * XEscoamento, xR, OY + EY * XEscoamento,
          CorVerdeClaro);
}

void Dimensionamento::Detalha() {
    const double X0 = OrigemXSecao, Y0 = OrigemYSecao, s = EscalaSecao;
    const double b = Base, h = Altura, c = Cobrimento, fiT = Diametro[BitolaEstr];
    auto& d = Desenho;
    Retangulo(d, X0, Y0, X0 + s * b, Y0 + s * h);
    // Estribo em linha dupla.
    Retangulo(d, X0 + s * c, Y0 + s * c, X0 + s * (b - c), Y0 + s * (h - c), CorCinza);
    Retangulo(d, X0 + s * (c + fiT), Y0 + s * (c + fiT), X0 + s * (b - c - fiT),
              Y0 + s * (h - c - fiT), CorCinza);
    for (int i = 1; i <= NumCamadasPos; ++i) {
        if (NumBarrasPos[i] == 0) continue;
        const double fi = Diametro[BitolaPos[i]];
        for (int j = 1; j <= NumBarrasPos[i]; ++j)
            Circulo(d, X0 + s * (c + fiT + fi / 2) + s * (j - 1) * EspHorPos[i],
                    Y0 + s * (h - DLinhaPos[i]), s * fi / 2, CorPrimeiroPlano);
    }
    for (int i = 1; i <= NumCamadasNeg; ++i) {
        if (NumBarrasNeg[i] == 0) continue;
        const double fi = Diametro[BitolaNeg[i]];
        for (int j = 1; j <= NumBarrasNeg[i]; ++j)
            Circulo(d, X0 + s * (c + fiT + fi / 2) + s * (j - 1) * EspHorNeg[i],
                    Y0 + s * DLinhaNeg[i], s * fi / 2, CorCinza);
    }
    // Cruzes dos centróides, 90 twips qualquer que seja a escala: 6 pixels na tela
    // e 1,6 mm numa exportação em tamanho real.
    constexpr double meia = 45;
    for (const double v : {h - DCG1, DCG2}) {
        const double px = X0 + s * b / 2, py = Y0 + s * v;
        Linha(d, px, py - meia, px, py + meia, CorVermelhoClaro);
        Linha(d, px - meia, py, px + meia, py, CorVermelhoClaro);
    }
}

} // namespace lumbrio
