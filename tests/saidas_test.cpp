// Saídas: o relatório como dados (resultados iguais às caixas do painel, aço pela lista
// lida no cálculo, avisos decididos pelo estado) e o SVG dos desenhos.
#include "PastaTemporaria.h"
#include "SecaoVerificada.h"
#include "base/Numeros.h"
#include "output/Painel.h"
#include "output/Relatorio.h"
#include "output/Svg.h"
#include "program/Dimensionamento.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>

namespace lumbrio {
namespace {

struct Caso {
    const char *Md, *Base, *Altura, *Positivas, *Negativas, *Aco, *Separador;
    int Dominio4;
    const char *Norma = "NBR 6118:2003", *Fck = "20", *Vd = "", *Modelo = "Modelo I", *Mser = "";
};

// Cálculo completo com os outros valores de projeto da janela.
Dimensionamento Projeto(const Caso& c) {
    Dimensionamento p;
    p.SeparadorDecimal = c.Separador;
    p.Form1.Text1.Text = c.Base;
    p.Form1.Text2.Text = c.Altura;
    p.Form1.Text17.Text = c.Md;
    p.Form1.Combo1.Text = c.Aco;
    p.Form1.Check4.Value = c.Dominio4;
    p.Form1.ComboNorma.Text = c.Norma;
    p.Form1.Text18.Text = c.Fck;
    p.Form1.TextVd.Text = c.Vd;
    p.Form1.ComboModelo.Text = c.Modelo;
    p.Form1.TextMser.Text = c.Mser;
    teste::PoeBitolas(p, c.Positivas, c.Negativas);
    p.Programa();
    EXPECT_TRUE(p.HaResultados);
    return p;
}

const char *B20 = "20 mm (3/4'')", *B16 = "16 mm (5/8'')", *B12 = "12.5 mm (1/2'')";
const Caso Casos[] = {
    {"10000", "20", "50", "40 mm", "40 mm", "Aço CA-50A", ".", 0},
    {"25000", "20", "50", B20, B16, "Aço CA-50A", ".", 0, "NBR 6118:2003", "20", "330"},
    {"18000", "25", "60", B16, B12, "Aço CA-60B", ",", 1},
    {"30000", "20", "80", "10 mm (3/8'')", "8 mm (5/16'')", "Aço CA-25B", ",", 1, "NBR 6118:2003",
     "20", "150", "Modelo II"},
    {"12000", "22.5", "45", B12, "40 mm", "Aço CA-25A", ",", 0},
    // No limite x/d do cálculo, com as barras colocadas acima dele.
    {"23000", "20", "50", B20, "10 mm (3/8'')", "Aço CA-50A", ".", 0, "NBR 6118:2023", "30", "",
     "Modelo I", "17000"},
    // wk acima do limite: na página 1 com o veredito.
    {"10000", "20", "50", B16, B12, "Aço CA-50A", ".", 0, "NBR 6118:2003", "25", "", "Modelo I",
     "11000"},
};

template <class T> std::vector<const T*> Blocos(const SecaoRelatorio& S) {
    std::vector<const T*> r;
    for (const BlocoRelatorio& b : S.Blocos)
        if (const T* t = std::get_if<T>(&b)) r.push_back(t);
    return r;
}

// O relatório em texto: títulos com "#", parágrafos, tabelas com as células separadas
// por " | " (no cabeçalho, a largura em mm) e a ênfase entre colchetes.
std::string Texto(const Relatorio& r) {
    const char* enfases[] = {"", " [alerta]", " [atende]", " [modelo]"};
    std::string s = r.Identificacao + "\n";
    std::vector<SecaoRelatorio> secoes{{.Titulo = "Ficha", .Blocos = {r.Ficha}}};
    secoes.insert(secoes.end(), r.Secoes.begin(), r.Secoes.end());
    for (const SecaoRelatorio& secao : secoes) {
        s += Junta("# ", secao.Titulo, "\n");
        for (const BlocoRelatorio& b : secao.Blocos) {
            if (const auto* p = std::get_if<Paragrafo>(&b)) {
                s += Junta(p->Texto, enfases[int(p->Cor)], "\n");
            } else if (const auto* t = std::get_if<Tabela>(&b)) {
                for (const ColunaTabela& c : t->Colunas)
                    s += Junta(c.Titulo, " (", FormataNumero(c.LarguraMm, 0), ") | ");
                for (const LinhaTabela& l : t->Linhas) {
                    s += "\n";
                    for (const std::string& c : l.Celulas) s += c + " | ";
                    s += enfases[int(l.Cor)];
                }
                s += "\n";
            } else {
                s += "[desenhos]\n";
            }
        }
    }
    return s;
}

// Cada caso contra a referência conferida à mão: aço, resultados, avisos, verificações
// e as camadas, com o separador do painel. O aço mudado depois do cálculo não conta.
TEST(Relatorio, cada_caso_confere_com_a_referencia) {
    std::string s;
    for (const Caso& c : Casos) {
        SCOPED_TRACE(Junta("Md = ", c.Md));
        Dimensionamento p = Projeto(c);
        p.Form1.Combo1.Text = "Aço CA-25A";
        // A ficha no primeiro caso; nos outros, campos a preencher à mão.
        const Relatorio r =
            MontaRelatorio(p, &c == Casos ? FichaDoProjeto{"Edifício Aurora", "V-12", "Maria Souza",
                                                           "CREA-SP 123456"}
                                          : FichaDoProjeto{});
        s += Texto(r) + "\n";
        EXPECT_NE(r.Rodape.find(c.Norma), std::string::npos) << r.Rodape;
        // Cada linha do painel com os textos das suas caixas; x ganha a linha de x/d.
        const auto& linhas = Blocos<Tabela>(r.Secoes.at(2))[0]->Linhas;
        std::size_t k = 0;
        for (const LinhaPainel& l : LinhasPainel) {
            const auto& celulas = linhas.at(k++).Celulas;
            EXPECT_EQ(celulas[1] + celulas[2], (p.Form1.*l.CG).Text + (p.Form1.*l.Real).Text)
                << l.Rotulo;
            if (l.Coluna == "x") ++k;
        }
        // Toda tabela na largura do texto; o desenho tem lugar antes da legenda.
        for (const SecaoRelatorio& secao : r.Secoes)
            for (const Tabela* t : Blocos<Tabela>(secao)) {
                double soma = 0;
                for (const ColunaTabela& col : t->Colunas) soma += col.LarguraMm;
                EXPECT_DOUBLE_EQ(soma, LarguraTextoMm) << secao.Titulo;
                for (const LinhaTabela& l : t->Linhas)
                    EXPECT_EQ(l.Celulas.size(), t->Colunas.size());
            }
        const SecaoRelatorio& desenhos = r.Secoes.at(5);
        ASSERT_TRUE(std::holds_alternative<LugarDesenhos>(desenhos.Blocos.at(0)));
        EXPECT_GT(desenhos.ConteudoMm, std::get<LugarDesenhos>(desenhos.Blocos[0]).AlturaMm);
    }
    teste::ConfereReferencia("relatorios.txt", s, [](const std::string& l) {
        return l.starts_with("Viga ") ? l : std::string(); // a identificação abre o caso
    });
}

TEST(Relatorio, textos_seguem_o_estado_do_calculo) {
    // Uma mudança no estado e o texto esperado na seção: célula (tabela, linha, coluna)
    // ou, com Tabela = -1, um trecho do parágrafo Linha.
    struct Mudanca {
        void (*Muda)(Dimensionamento&);
        int Secao; // 1 a 10
        int Tabela, Linha, Coluna;
        const char* Esperado;
    } const mudancas[] = {
        {[](auto& d) { d.OpcaoDominio4 = 2; }, 2, 0, 7, 1, "indefinido"},
        {[](auto& d) { d.OpcaoDominio4 = 2; }, 1, -1, 3, 0, "fica no domínio 4 sem"},
        {[](auto& d) { d.OpcaoXMaximo = 1, d.FatorXMaximo = 0.45; }, 2, 0, 7, 3, "sim, k = 0.450"},
        {[](auto& d) { d.PrecisãoM = 12.5, d.PrecisãoN = 50; }, 2, 0, 8, 1, "50 kgf de força"},
        {[](auto& d) { d.ResiduoCG = -d.PrecisãoN; }, 5, 0, 0, 4, "dentro da tolerância"},
        {[](auto& d) { d.Verif.AlertaEquilibrioReal = true; }, 5, 0, 1, 4, "longe do equilíbrio"},
        {[](auto& d) { d.Verif.AlertaEquilibrioCG = true, d.Verif.MrdCG = 0; }, 5, 0, 0, 4,
         "Mrd ≤ 0: não confiável"},
        {[](auto& d) { d.PassosDescobreX = 7, d.PassosPrograma = 3; }, 5, -1, 0, 0,
         "Busca da linha neutra para Md: 7 passos; a altura útil d foi recalculada 3 vezes "
         "com o centróide"},
        {[](auto& d) { d.PassosDescobreX = 0, d.PassosPrograma = 2; }, 5, -1, 0, 0,
         "Linha neutra para Md obtida sem busca em passos; a altura útil d foi recalculada 2 "
         "vezes"},
        {[](auto& d) { d.PctHNeg = 10.5; }, 1, -1, 3, 0,
         "• A armadura negativa não atende à regra dos 10 % (%h = 10.50 %): o modelo CG não deve "
         "ser usado; vale o modelo Real."},
        {[](auto& d) { d.PctHNeg = 10; }, 4, 1, 1, 3, "atende (≤ 10 %)"},
        {[](auto& d) { d.AsPosSemLimite = true; }, 3, 0, 1, 1, "—"},
        {[](auto& d) { d.MinimaGovernou = true, d.AsPosCalculada = 0.5; }, 3, -1, 0, 0,
         "A armadura mínima governou o dimensionamento (item 17.3.5.2.1): As para Md = 0.50 cm²"},
        {[](auto& d) { d.Fck = 550, d.Edicao = Norma::NBR2023; }, 9, 0, 1, 1,
         "2.12·ln[1 + 0.1·(fck + 8)] / 0.7·fctm/γc"},
        {[](auto& d) { d.Fck = 550; }, 9, 0, 1, 1, "2.12·ln(1 + 0.11·fck) / 0.7·fctm/γc"},
        {[](auto& d) { d.Fck = 500, d.Edicao = Norma::NBR2023; }, 9, 0, 1, 1,
         "0.3·fck^(2/3) / 0.7·fctm/γc"},
    };
    const Dimensionamento base = Projeto(Casos[1]);
    for (const Mudanca& m : mudancas) {
        SCOPED_TRACE(m.Esperado);
        Dimensionamento d = base;
        m.Muda(d);
        const Relatorio r = MontaRelatorio(d);
        const SecaoRelatorio& s = r.Secoes.at(m.Secao - 1);
        if (m.Tabela < 0)
            EXPECT_NE(Blocos<Paragrafo>(s).at(m.Linha)->Texto.find(m.Esperado), std::string::npos);
        else
            EXPECT_EQ(Blocos<Tabela>(s).at(m.Tabela)->Linhas.at(m.Linha).Celulas.at(m.Coluna),
                      m.Esperado);
    }
}

TEST(Svg, documento_de_tres_primitivas_calculado_a_mao) {
    using T = Primitiva::Tipo;
    // Em twips; 15 twips são uma unidade. x de 10 a 105 (círculo: 100 + 5), y de 5 (10 − 5) a
    // 200, margem 2: a caixa começa em (8, 3) e mede 99 × 199.
    const std::vector<Primitiva> lista{{T::Linha, 150, 300, 1500, 3000, 0, CorCinza},
                                       {T::Circulo, 1500, 150, 1500, 150, 75, CorPrimeiroPlano},
                                       {T::Linha, 158, 3000, 1560, 3000, 0, CorVerdeClaro},
                                       {T::Linha, 157.5f, 1000, 160, 1000, 0, CorVermelhoClaro}};
    EXPECT_EQ(DesenhoSvg(lista, "Seção <20 × 50> & \"diagrama\"", 2),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"99\" "
              "height=\"199\" viewBox=\"8 3 99 199\">\n"
              "<title>Seção &lt;20 × 50&gt; &amp; &quot;diagrama&quot;</title>\n"
              "<g fill=\"none\" stroke-width=\"1\" stroke-linecap=\"round\">\n"
              "<line x1=\"10\" y1=\"20\" x2=\"100\" y2=\"200\" stroke=\"#808080\"/>\n"
              "<circle cx=\"100\" cy=\"10\" r=\"5\" stroke=\"#000000\"/>\n"
              "<line x1=\"10.533\" y1=\"200\" x2=\"104\" y2=\"200\" stroke=\"#00ff00\"/>\n"
              "<line x1=\"10.5\" y1=\"66.667\" x2=\"10.667\" y2=\"66.667\" stroke=\"#ff0000\"/>\n"
              "</g>\n</svg>\n");
}

TEST(Svg, recorte_na_moldura_onde_a_primitiva_comeca) {
    using T = Primitiva::Tipo;
    struct Caso {
        Primitiva P;
        Recorte R;
    } const casos[] = {
        {{T::Linha, 5000, 5000, 20000, 9000, 0, CorVermelhoClaro}, Recorte::Diagrama},
        {{T::Linha, 7425, 4000, 7425, 5000, 0, CorPrimeiroPlano}, Recorte::Diagrama}, // borda
        {{T::Linha, 7426, 4000, 7426, 5000, 0, CorPrimeiroPlano}, Recorte::Secao},
        {{T::Linha, 3705, 3780, 3705, 3700, 0, CorPrimeiroPlano}, Recorte::Diagrama}, // canto
        {{T::Linha, 3704, 3780, 3704, 3700, 0, CorPrimeiroPlano}, Recorte::Secao},
        {{T::Circulo, 9000, 5000, 0, 0, 40, CorCinza}, Recorte::Secao},
        {{T::Linha, 5000, 6000, 11000, 6000, 0, CorVerdeClaro}, Recorte::Ambos},      // nível
        {{T::Linha, 5000, 8550, 5000, 8000, 0, CorPrimeiroPlano}, Recorte::Diagrama}, // pé
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
    EXPECT_NE(DesenhoSvg({}).find("viewBox=\"-4 -4 8 8\""), std::string::npos); // vazio
}
// O desenho exportado: b e h das entradas fora do contorno da seção, um rótulo por
// camada com barras de cima para baixo, a escala da legenda igual à do desenho, todo
// texto dentro da viewBox.
TEST(Svg, desenho_anotado_com_cotas_rotulos_e_legenda) {
    for (const Caso& c : {Casos[1], Casos[4]}) {
        SCOPED_TRACE(c.Base);
        const Dimensionamento d = Projeto(c);
        const std::string svg = DesenhoSvgAnotado(d);
        struct Texto {
            double X, Y;
            std::string T;
        };
        std::vector<Texto> t;
        for (auto i = svg.find("<text "); i != std::string::npos; i = svg.find("<text ", i + 1)) {
            Texto x{};
            ASSERT_EQ(std::sscanf(svg.c_str() + i, "<text x=\"%lf\" y=\"%lf\"", &x.X, &x.Y), 2);
            const auto a = svg.find('>', i) + 1;
            x.T = svg.substr(a, svg.find("</text>", a) - a);
            t.push_back(x);
        }
        std::vector<std::pair<double, double>> camadas; // (altura no desenho, d')
        for (int i = 1; i <= 6; ++i) {
            if (d.Pos.NumBarras[i] != 0)
                camadas.emplace_back(d.Altura - d.Pos.DLinha[i], d.Pos.DLinha[i]);
            if (d.Neg.NumBarras[i] != 0) camadas.emplace_back(d.Neg.DLinha[i], d.Neg.DLinha[i]);
        }
        std::sort(camadas.begin(), camadas.end());
        ASSERT_EQ(t.size(), 2 + camadas.size() + 3);
        std::string b = c.Base, h = c.Altura;
        TrocaSeparador(b, c.Separador);
        const double s = d.EscalaSecao / 15;
        EXPECT_EQ(t[0].T, b + " cm");
        EXPECT_GT(t[0].Y, (d.OrigemYSecao / 15 + s * d.Altura));
        EXPECT_EQ(t[1].T, h + " cm");
        EXPECT_GT(t[1].X, (d.OrigemXSecao / 15 + s * d.Base));
        EXPECT_NEAR(t[1].Y, d.OrigemYSecao / 15 + s * d.Altura / 2, 1); // no meio da altura
        for (std::size_t i = 0; i < camadas.size(); ++i) {
            const std::string dl = FormataNumero(camadas[i].second, 2, c.Separador);
            EXPECT_NE(t[2 + i].T.find(Junta("mm; d' = ", dl, " cm")), std::string::npos) << dl;
            if (i > 0) {
                EXPECT_GE(t[2 + i].Y - t[1 + i].Y, CorpoTextoSvg);
            }
        }
        const std::string& escala = t[t.size() - 3].T;
        EXPECT_EQ(escala.find(Junta("Seção ", b, " × ", h, " cm")), 0u) << escala;
        const std::string cm = "1 cm da seção = ";
        std::string px = escala.substr(escala.find(cm) + cm.size(), 5);
        std::replace(px.begin(), px.end(), ',', '.');
        EXPECT_NEAR(ValorNumerico(px), s, 0.01) << escala;
        double vx, vy, vw, vh;
        ASSERT_EQ(std::sscanf(svg.c_str() + svg.find("viewBox="), "viewBox=\"%lf %lf %lf %lf", &vx,
                              &vy, &vw, &vh),
                  4);
        // Rótulos e legenda cabem na largura (pelo menos 1/4 de corpo por byte), rótulos
        // depois das linhas de nível; a legenda fecha o desenho.
        for (std::size_t i = 0; i < t.size(); ++i) {
            const Texto& x = t[i];
            EXPECT_TRUE(x.X > vx && x.X < vx + vw && x.Y > vy && x.Y < vy + vh) << x.T;
            EXPECT_TRUE(i < 2 || x.X + CorpoTextoSvg / 4 * double(x.T.size()) < vx + vw) << x.T;
            const bool rotulo = i >= 2 && i < 2 + camadas.size();
            EXPECT_TRUE(!rotulo || x.X * 15 > Shape1.Left + Shape1.Width) << x.T;
        }
        EXPECT_LT(vy + vh - t.back().Y, 2 * CorpoTextoSvg);
    }
}
} // namespace
} // namespace lumbrio
