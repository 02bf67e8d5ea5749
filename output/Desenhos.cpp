// Diagrama de deformações (modelo CG) e detalhe da seção, como primitivas em twips;
// cotas, rótulos e legenda das exportações.
#include "output/Desenhos.h"

#include "base/Numeros.h"
#include "base/Recusa.h"
#include "output/Comparacao.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

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

namespace {

// O contorno da seção T com a alma de X0 a X0 + s·bw: a mesa centrada na alma, em cima
// quando comprimida, embaixo quando tracionada.
void ContornoT(const EstadoDeProjeto& E, std::vector<Primitiva>& d, double X0, double Y0) {
    const double s = E.EscalaSecao, b = E.Base, h = E.Altura;
    const double aba = s * (E.Forma.Bf - b) / 2, xa = X0 + s * b;
    const bool cima = E.Forma.MesaComprimida;
    // y da face da mesa, da junção com a alma e da face da alma.
    const double yf = cima ? Y0 : Y0 + s * h, yj = Y0 + s * (cima ? E.Forma.Hf : h - E.Forma.Hf);
    const double ya = cima ? Y0 + s * h : Y0;
    const std::array<std::array<double, 2>, 9> p{{{X0 - aba, yf},
                                                  {xa + aba, yf},
                                                  {xa + aba, yj},
                                                  {xa, yj},
                                                  {xa, ya},
                                                  {X0, ya},
                                                  {X0, yj},
                                                  {X0 - aba, yj},
                                                  {X0 - aba, yf}}};
    for (std::size_t i = 0; i + 1 < p.size(); ++i)
        Linha(d, p[i][0], p[i][1], p[i + 1][0], p[i + 1][1]);
}

// x da face esquerda da alma: na T, a alma fica no meio da mesa.
double InicioDaAlma(const EstadoDeProjeto& E) {
    if (!E.Forma.T) return E.OrigemXSecao;
    return E.OrigemXSecao + E.EscalaSecao * (E.Forma.Bf - E.Base) / 2;
}

} // namespace

void DetalheDaSecao(const EstadoDeProjeto& E, std::vector<Primitiva>& d) {
    const double s = E.EscalaSecao, Y0 = E.OrigemYSecao, X0 = InicioDaAlma(E);
    const double b = E.Base, h = E.Altura, c = E.Cobrimento, fiT = E.Diametro[E.BitolaEstr];
    if (E.Forma.T)
        ContornoT(E, d, X0, Y0);
    else
        Retangulo(d, X0, Y0, X0 + s * b, Y0 + s * h);
    // Estribo em linha dupla.
    Retangulo(d, X0 + s * c, Y0 + s * c, X0 + s * (b - c), Y0 + s * (h - c), CorCinza);
    Retangulo(d, X0 + s * (c + fiT), Y0 + s * (c + fiT), X0 + s * (b - c - fiT),
              Y0 + s * (h - c - fiT), CorCinza);
    for (int i = 1; i <= E.Pos.NumCamadas; ++i) {
        if (E.Pos.NumBarras[i] == 0) continue;
        const double fi = E.Diametro[E.Pos.Bitola[i]];
        for (int j = 1; j <= E.Pos.NumBarras[i]; ++j)
            Circulo(d, X0 + s * (c + fiT + fi / 2) + s * (j - 1) * E.Pos.EspHor[i],
                    Y0 + s * (h - E.Pos.DLinha[i]), s * fi / 2, CorPrimeiroPlano);
    }
    for (int i = 1; i <= E.Neg.NumCamadas; ++i) {
        if (E.Neg.NumBarras[i] == 0) continue;
        const double fi = E.Diametro[E.Neg.Bitola[i]];
        for (int j = 1; j <= E.Neg.NumBarras[i]; ++j)
            Circulo(d, X0 + s * (c + fiT + fi / 2) + s * (j - 1) * E.Neg.EspHor[i],
                    Y0 + s * E.Neg.DLinha[i], s * fi / 2, CorCinza);
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

double LarguraEstimada(const std::string& Texto, double AlturaTexto) {
    const auto n = std::count_if(Texto.begin(), Texto.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80; // um por caractere UTF-8
    });
    return 0.62 * AlturaTexto * double(n);
}

Anotacoes AnotaDesenhos(const EstadoDeProjeto& E, double t, const LarguraDeTexto& Largura) {
    Anotacoes a;
    const double s = E.EscalaSecao, x0 = InicioDaAlma(E), y0 = E.OrigemYSecao;
    const double x1 = x0 + s * E.Base, y1 = y0 + s * E.Altura;
    // A cota de h à direita de tudo: na T, da mesa.
    const double xd = E.Forma.T ? E.OrigemXSecao + s * E.Forma.Bf : x1;
    const std::string& sep = E.SeparadorDecimal;
    auto& c = a.Cotas;
    // Cota de b embaixo: chamadas, linha, traços a 45° e o valor sobre a linha.
    const double yc = y1 + 1.6 * t;
    for (const double x : {x0, x1}) {
        Linha(c, x, y1 + 0.3 * t, x, yc + 0.3 * t);
        Linha(c, x - 0.25 * t, yc + 0.25 * t, x + 0.25 * t, yc - 0.25 * t);
    }
    Linha(c, x0, yc, x1, yc);
    a.Textos.push_back({(x0 + x1) / 2, yc - 0.3 * t, TextoCurto(E.Base, sep) + " cm", true});
    // Cota de h à direita, com o valor girado.
    const double xc = xd + 1.6 * t;
    for (const double y : {y0, y1}) {
        Linha(c, xd + 0.3 * t, y, xc + 0.3 * t, y);
        Linha(c, xc - 0.25 * t, y + 0.25 * t, xc + 0.25 * t, y - 0.25 * t);
    }
    Linha(c, xc, y0, xc, y1);
    a.Textos.push_back(
        {xc - 0.3 * t, (y0 + y1) / 2, TextoCurto(E.Altura, sep) + " cm", true, true});

    // Rótulos das camadas, de cima para baixo.
    struct Rotulo {
        double Y;
        std::string Texto;
    };
    std::vector<Rotulo> r;
    auto rotulo = [&](double n, int bitola, double dl, double y) {
        if (n != 0)
            r.push_back({y, Junta(TextoBarras(int(n), bitola, sep),
                                  "; d' = ", FormataNumero(dl, 2, sep), " cm")});
    };
    for (int i = 1; i <= E.Neg.NumCamadas; ++i)
        rotulo(E.Neg.NumBarras[i], E.Neg.Bitola[i], E.Neg.DLinha[i], y0 + s * E.Neg.DLinha[i]);
    for (int i = 1; i <= E.Pos.NumCamadas; ++i)
        rotulo(E.Pos.NumBarras[i], E.Pos.Bitola[i], E.Pos.DLinha[i], y1 - s * E.Pos.DLinha[i]);
    std::stable_sort(r.begin(), r.end(),
                     [](const Rotulo& p, const Rotulo& q) { return p.Y < q.Y; });
    const double xt = std::max(Shape1.Left + Shape1.Width, xc + 0.3 * t) + 1.2 * t;
    // Embaixo, o que for mais baixo: cota, rótulos ou desenhos (sem passar das molduras).
    double direita = xt, baixo = yc + 0.3 * t;
    for (const Primitiva& p : E.Desenho)
        baixo = std::max(
            baixo, std::min(double(std::max(p.y1, p.y2) + p.raio), Shape4.Top + Shape4.Height));
    double yLivre = -std::numeric_limits<double>::infinity();
    for (const Rotulo& q : r) {
        const double y = std::max(q.Y, yLivre + 1.25 * t);
        yLivre = y;
        Linha(a.Guias, x1 + 60, q.Y, xt - 0.4 * t, y);
        a.Textos.push_back({xt, y + 0.35 * t, q.Texto});
        direita = std::max(direita, xt + Largura(q.Texto));
        baixo = std::max(baixo, y + 0.6 * t);
    }
    // Os traços da cota de h passam um pouco acima da seção.
    const double topo = std::min(Shape4.Top, y0 - 0.3 * t), esquerda = Shape4.Left;
    a.Regiao = {esquerda, topo, direita + 0.3 * t - esquerda, baixo - topo};
    return a;
}

std::vector<std::string> LegendaDosDesenhos(const EstadoDeProjeto& E, double Dpi) {
    const std::string& sep = E.SeparadorDecimal;
    const double s = E.EscalaSecao; // twips por cm da seção
    const double escala = std::round(1440 / 2.54 / s * 10) / 10;
    return {Junta("Seção ", TextoCurto(E.Base, sep), " × ", TextoCurto(E.Altura, sep),
                  " cm, medidas em cm; 1 cm da seção = ", FormataNumero(s * Dpi / 1440, 2, sep),
                  " px (escala 1:", TextoCurto(escala, sep), " a ", TextoCurto(Dpi, sep),
                  " px por polegada)."),
            "Vermelho: deformações do modelo CG e centróides das armaduras; preto: linha neutra.",
            "Verde: εyd, εc2 e profundidade de escoamento; cinza: estribo e armadura negativa."};
}

} // namespace lumbrio
