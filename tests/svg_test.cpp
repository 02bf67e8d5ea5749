// SVG dos desenhos: um elemento por primitiva, coordenadas em twips / 15 e as cores
// da paleta, num documento bem formado.
#include "calc/Dimensionamento.h"
#include "output/Svg.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace lumbrio {
namespace {

// Elementos vazios "<nome a="v" .../>" do documento, com os atributos.
struct Elemento {
    std::string nome;
    std::vector<std::pair<std::string, std::string>> atributos;
    std::string Atributo(const std::string& a) const {
        for (const auto& [k, v] : atributos)
            if (k == a) return v;
        return "(ausente)";
    }
    double Numero(const std::string& a) const { return std::stod(Atributo(a)); }
};

std::vector<Elemento> ElementosVazios(const std::string& Svg) {
    std::vector<Elemento> r;
    const std::regex elemento(R"(<(\w+)((?:\s+[\w-]+="[^"]*")*)\s*/>)");
    const std::regex atributo(R"(([\w-]+)="([^"]*)\")");
    for (auto i = std::sregex_iterator(Svg.begin(), Svg.end(), elemento);
         i != std::sregex_iterator(); ++i) {
        Elemento e{(*i)[1], {}};
        const std::string attrs = (*i)[2];
        for (auto j = std::sregex_iterator(attrs.begin(), attrs.end(), atributo);
             j != std::sregex_iterator(); ++j)
            e.atributos.emplace_back((*j)[1], (*j)[2]);
        r.push_back(e);
    }
    return r;
}

// Cores da paleta de 16 cores; o primeiro plano sai preto.
std::string Paleta(int Cor) {
    switch (Cor) {
    case 8:
        return "#808080";
    case 10:
        return "#00ff00";
    case 12:
        return "#ff0000";
    default:
        return "#000000";
    }
}

TEST(Svg, um_elemento_por_primitiva_na_ordem_e_nas_coordenadas) {
    Dimensionamento p;
    p.Form1.Text17.Text = "25000";
    for (int i = 1; i <= 3; ++i) p.Form1.Combo4[i].Text = "16 mm (5/8'')";
    p.Programa();
    ASSERT_TRUE(p.HaResultados);
    const std::string svg = DesenhoSvg(p.Desenho, "Seção <20 × 50> & diagrama");
    const auto elementos = ElementosVazios(svg);
    ASSERT_EQ(elementos.size(), p.Desenho.size());
    for (std::size_t i = 0; i < elementos.size(); ++i) {
        const Primitiva& q = p.Desenho[i];
        const Elemento& e = elementos[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(e.Atributo("stroke"), Paleta(q.cor));
        // Três casas: meio milésimo de unidade.
        if (q.tipo == Primitiva::Tipo::Linha) {
            ASSERT_EQ(e.nome, "line");
            EXPECT_NEAR(e.Numero("x1"), q.x1 / 15.0, 0.0005);
            EXPECT_NEAR(e.Numero("y2"), q.y2 / 15.0, 0.0005);
        } else {
            ASSERT_EQ(e.nome, "circle");
            EXPECT_NEAR(e.Numero("cx"), q.x1 / 15.0, 0.0005);
            EXPECT_NEAR(e.Numero("r"), q.raio / 15.0, 0.0005);
        }
    }
    EXPECT_NE(svg.find("<title>Seção &lt;20 × 50&gt; &amp; diagrama</title>"), std::string::npos);
    EXPECT_EQ(svg.rfind("</svg>\n"), svg.size() - 7);
}

TEST(Svg, caixa_de_visao_envolve_linhas_e_circulos_com_a_margem) {
    using T = Primitiva::Tipo;
    const std::vector<Primitiva> lista{{T::Linha, 150, 300, 1500, 3000, 0, CorCinza},
                                       {T::Circulo, 1500, 150, 1500, 150, 75, CorPrimeiroPlano}};
    const std::string svg = DesenhoSvg(lista, "", 2);
    // x de 10 a 105, y de 5 (círculo: 10 − 5) a 200; margem de 2.
    EXPECT_NE(svg.find("viewBox=\"8 3 99 199\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("width=\"99\" height=\"199\""), std::string::npos);
    const auto e = ElementosVazios(svg);
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[1].Atributo("r"), "5");
    EXPECT_EQ(e[0].Atributo("x2"), "100");
    EXPECT_EQ(DesenhoSvg({}).find("viewBox=\"-4 -4 8 8\"") != std::string::npos, true);
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
    const auto e = ElementosVazios(svg);
    ASSERT_EQ(e.size(), 3 + lista.size()); // os retângulos dos recortes e as primitivas
    for (std::size_t i = 0; i < lista.size(); ++i)
        EXPECT_EQ(e[3 + i].Atributo("clip-path"),
                  std::string("url(#") + nomes[int(casos[i].R)] + ")");
    EXPECT_EQ(DesenhoSvg(lista).find("clip-path"), std::string::npos);
}

} // namespace
} // namespace lumbrio
