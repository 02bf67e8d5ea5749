// SVG dos desenhos, conferido contra um documento calculado à mão.
#include "output/Svg.h"

#include <gtest/gtest.h>

namespace lumbrio {
namespace {

TEST(Svg, documento_de_tres_primitivas_calculado_a_mao) {
    using T = Primitiva::Tipo;
    // Em twips; 15 twips são uma unidade. x de 10 a 105, y de 5 (círculo: 10 − 5) a
    // 200, margem 2: a caixa começa em (8, 3) e mede 99 × 199.
    const std::vector<Primitiva> lista{{T::Linha, 150, 300, 1500, 3000, 0, CorCinza},
                                       {T::Circulo, 1500, 150, 1500, 150, 75, CorPrimeiroPlano},
                                       {T::Linha, 158, 3000, 1575, 3000, 0, CorVerdeClaro},
                                       {T::Linha, 157.5f, 1000, 160, 1000, 0, CorVermelhoClaro}};
    EXPECT_EQ(DesenhoSvg(lista, "Seção <20 × 50> & \"diagrama\"", 2),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"99\" "
              "height=\"199\" viewBox=\"8 3 99 199\">\n"
              "<title>Seção &lt;20 × 50&gt; &amp; &quot;diagrama&quot;</title>\n"
              "<g fill=\"none\" stroke-width=\"1\" stroke-linecap=\"round\">\n"
              "<line x1=\"10\" y1=\"20\" x2=\"100\" y2=\"200\" stroke=\"#808080\"/>\n"
              "<circle cx=\"100\" cy=\"10\" r=\"5\" stroke=\"#000000\"/>\n"
              "<line x1=\"10.533\" y1=\"200\" x2=\"105\" y2=\"200\" stroke=\"#00ff00\"/>\n"
              "<line x1=\"10.5\" y1=\"66.667\" x2=\"10.667\" y2=\"66.667\" stroke=\"#ff0000\"/>\n"
              "</g>\n</svg>\n");
}

TEST(Svg, desenho_vazio_e_so_a_margem_em_volta_da_origem) {
    const std::string svg = DesenhoSvg({});
    EXPECT_NE(svg.find("width=\"8\" height=\"8\" viewBox=\"-4 -4 8 8\">\n<g "), std::string::npos)
        << svg;
}

TEST(Svg, recorte_na_moldura_onde_a_primitiva_comeca) {
    using T = Primitiva::Tipo;
    struct Caso {
        Primitiva P;
        Recorte R;
    } const casos[] = {
        {{T::Linha, 5000, 5000, 20000, 9000, 0, CorVermelhoClaro}, Recorte::Diagrama},
        {{T::Linha, 7424, 4000, 7424, 5000, 0, CorPrimeiroPlano}, Recorte::Diagrama}, // borda
        {{T::Linha, 7426, 4000, 7426, 5000, 0, CorPrimeiroPlano}, Recorte::Secao},
        {{T::Linha, 3705, 3780, 3705, 3700, 0, CorPrimeiroPlano}, Recorte::Diagrama}, // canto
        {{T::Linha, 3704, 3780, 3704, 3700, 0, CorPrimeiroPlano}, Recorte::Secao},
        {{T::Circulo, 9000, 5000, 0, 0, 40, CorCinza}, Recorte::Secao},
        {{T::Linha, 5000, 6000, 11000, 6000, 0, CorVerdeClaro}, Recorte::Ambos}, // nível
    };
    std::vector<Primitiva> lista;
    for (const Caso& c : casos) {
        EXPECT_EQ(RecorteDe(c.P), c.R) << c.P.x1 << " " << c.P.y1;
        lista.push_back(c.P);
    }
    const std::string svg = DesenhoSvg(lista, "", 0, true);
    // A viewBox para na moldura das duas: x de 3705 a 11475, y de 3780 a 8550 twips.
    EXPECT_NE(svg.find("viewBox=\"247 252 518 318\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("<clipPath id=\"secao\"><rect x=\"493\" y=\"252\" width=\"272\" "
                       "height=\"318\"/></clipPath>"),
              std::string::npos);
    const char* nomes[] = {"diagrama", "secao", "ambos"};
    // Cada primitiva, na ordem, com o recorte da sua moldura.
    const std::string chave = "clip-path=\"url(#";
    std::vector<std::string> usados;
    for (auto i = svg.find(chave); i != std::string::npos; i = svg.find(chave, i + 1))
        usados.push_back(svg.substr(i + chave.size(), svg.find(')', i) - i - chave.size()));
    ASSERT_EQ(usados.size(), lista.size());
    for (std::size_t i = 0; i < lista.size(); ++i)
        EXPECT_EQ(usados[i], nomes[int(casos[i].R)]) << i;
    EXPECT_EQ(DesenhoSvg(lista).find("clip-path"), std::string::npos);
}

} // namespace
} // namespace lumbrio
