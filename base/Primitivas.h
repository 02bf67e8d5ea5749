// Primitivas de desenho em twips (1/1440 polegada), na ordem em que são traçadas.
#pragma once

namespace lumbrio {

// Cores da paleta clássica de 16 cores usadas nos desenhos.
inline constexpr int CorPrimeiroPlano = -1; // cor de primeiro plano da superfície
inline constexpr int CorCinza = 8;          // 128, 128, 128
inline constexpr int CorVerdeClaro = 10;    // 0, 255, 0
inline constexpr int CorVermelhoClaro = 12; // 255, 0, 0

// Vermelho, verde e azul de uma cor da paleta; o primeiro plano sai preto.
struct Rgb {
    int r, g, b;
};
constexpr Rgb RgbDaCor(int Cor) {
    switch (Cor) {
    case CorCinza:
        return {128, 128, 128};
    case CorVerdeClaro:
        return {0, 255, 0};
    case CorVermelhoClaro:
        return {255, 0, 0};
    default:
        return {0, 0, 0};
    }
}

// A cor de alerta das caixas, das linhas de verificação e do relatório (cor 4 da paleta).
inline constexpr Rgb RgbAlerta{128, 0, 0};

// Molduras das áreas de desenho (twips): esquerda, topo, largura, altura.
struct Moldura {
    double Left, Top, Width, Height;
};
inline constexpr Moldura Shape4{3720, 3795, 3690, 4740}; // diagrama de deformações
inline constexpr Moldura Shape1{7410, 3795, 4050, 4740}; // seção
inline constexpr int MargemDesenho = 10;                 // twips, dentro de cada moldura

// Escala única da seção (twips por cm): a maior que cabe na moldura da seção.
inline double EscalaDaSecao(double Base, double Altura) {
    const double x = (Shape1.Width - 2 * MargemDesenho) / Base;
    const double y = (Shape1.Height - 2 * MargemDesenho) / Altura;
    return x < y ? x : y;
}

struct Primitiva {
    enum class Tipo { Linha, Circulo };
    Tipo tipo = Tipo::Linha;
    // Linha: (x1, y1)–(x2, y2). Círculo: centro (x1, y1) e raio.
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float raio = 0;
    int cor = CorPrimeiroPlano;
};

} // namespace lumbrio
