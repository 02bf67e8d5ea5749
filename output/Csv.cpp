#include "output/Csv.h"

#include "base/Catalogos.h"
#include "base/Numeros.h"
#include "output/Comparacao.h"
#include "output/Painel.h"
#include "output/TextosSecaoT.h"
#include "section/Verificacoes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace lumbrio {

namespace {

using Estado = const EstadoDeCalculo&;
using Csv = std::string&;

// Uma coluna de resultado: o nome no cabeçalho e o campo, acrescentado ao CSV a partir
// do cálculo. Os números saem com "." e não pedem aspas.
struct ColunaCsv {
    std::string Nome;
    std::function<void(Csv, Estado)> Escreve;
};

// Colunas de número com Casas decimais, de marca (1/0) e de número opcional (marca e
// número opcionais ficam vazios quando Existe é falso).
using Formato = void (*)(std::string&, double, int, std::string_view);
template <class F>
ColunaCsv Numero(std::string Nome, int Casas, F Valor, Formato Forma = AcrescentaNumero) {
    return {std::move(Nome),
            [Casas, Valor, Forma](Csv c, Estado d) { Forma(c, Valor(d), Casas, "."); }};
}
constexpr auto Sempre = [](Estado) { return true; };
template <class F, class G = decltype(Sempre)>
ColunaCsv Marca(std::string Nome, F Alerta, G Existe = Sempre) {
    return {std::move(Nome), [Alerta, Existe](Csv c, Estado d) {
                if (Existe(d)) c += Alerta(d) ? '1' : '0';
            }};
}
template <class F, class G>
ColunaCsv Opcional(std::string Nome, int Casas, G Existe, F Valor,
                   Formato Forma = AcrescentaNumero) {
    return {std::move(Nome), [Casas, Existe, Valor, Forma](Csv c, Estado d) {
                if (Existe(d)) Forma(c, Valor(d), Casas, ".");
            }};
}

// Colunas entre "Md" e "erro": as linhas do painel (As antes de As'), a unidade de Mrd,
// os d' das camadas, d'CG, %h, os alertas e as barras de cada camada, como o painel os
// escreve com ".".
std::vector<ColunaCsv> MontaColunas() {
    std::vector<ColunaCsv> c;
    std::array<const LinhaPainel*, LinhasPainel.size()> ordem{};
    for (const LinhaPainel& l : LinhasPainel) ordem[static_cast<std::size_t>(l.OrdemCsv)] = &l;
    for (const LinhaPainel* linha : ordem) {
        const LinhaPainel& l = *linha;
        c.push_back({Junta(l.Coluna, "_CG"), [&l](Csv t, Estado d) { l.TextoCG(t, d, "."); }});
        c.push_back({Junta(l.Coluna, "_Real"), [&l](Csv t, Estado d) { l.TextoReal(t, d, "."); }});
        if (l.UnidadeDeMomento)
            c.push_back({Junta("unidade_", l.Coluna),
                         [](Csv t, Estado d) { AcrescentaCampoCsv(t, d.UnidadeMd); }});
    }
    for (std::size_t i = 1; i <= 6; ++i)
        c.push_back(Opcional(
            Junta("dlinha_pos", std::to_string(i)), 3,
            [i](Estado d) { return static_cast<int>(i) <= d.Pos.NumCamadas; },
            [i](Estado d) { return d.Pos.DLinha[i]; }));
    for (std::size_t i = 1; i <= 3; ++i)
        c.push_back(Opcional(
            Junta("dlinha_neg", std::to_string(i)), 3,
            [i](Estado d) { return static_cast<int>(i) <= d.Neg.NumCamadas; },
            [i](Estado d) { return d.Neg.DLinha[i]; }));
    c.push_back(Numero("dCG1", 3, [](Estado d) { return d.DCG1; }));
    c.push_back(Numero("dCG2", 3, [](Estado d) { return d.DCG2; }));
    c.push_back(Numero("pctH_pos", 2, [](Estado d) { return d.PctHPos; }));
    c.push_back(Numero("pctH_neg", 2, [](Estado d) { return d.PctHNeg; }));
    c.push_back(Marca("alerta_pctH_pos", [](Estado d) { return d.PctHPos > LimitePctH; }));
    c.push_back(Marca("alerta_pctH_neg", [](Estado d) { return d.PctHNeg > LimitePctH; }));
    for (std::size_t i = 1; i <= 6; ++i)
        c.push_back({Junta("barras_pos", std::to_string(i)),
                     [i](Csv t, Estado d) { t += TextoDecimalCurto(d.Pos.NumBarras[i]); }});
    for (std::size_t i = 1; i <= 3; ++i)
        c.push_back({Junta("barras_neg", std::to_string(i)),
                     [i](Csv t, Estado d) { t += TextoDecimalCurto(d.Neg.NumBarras[i]); }});
    c.push_back(Marca("alerta_pos6", [](Estado d) { return d.Pos.Transborda; }));
    c.push_back(Marca("alerta_neg3", [](Estado d) { return d.Neg.Transborda; }));
    return c;
}

const std::vector<ColunaCsv>& Colunas() {
    static const std::vector<ColunaCsv> c = MontaColunas();
    return c;
}

// Colunas das verificações da norma, logo depois de "erro", o alerta de equilíbrio e o
// x/d do dimensionamento; a cortante e o serviço ficam vazios sem Vd e sem Mser.
std::vector<ColunaCsv> MontaColunasVerificacao() {
    const auto cortante = [](Estado d) { return d.ResCortante.Calculado; };
    const auto servico = [](Estado d) { return d.ResFissuracao.Calculado; };
    // Um número enorme (Vd = 1E+300) sai em notação científica, não com 300 algarismos.
    const auto numero = [](std::string Nome, int Casas, auto Valor) {
        return Numero(std::move(Nome), Casas, Valor, AcrescentaNumeroCurto);
    };
    const auto opcional = [](std::string Nome, int Casas, auto Existe, auto Valor) {
        return Opcional(std::move(Nome), Casas, Existe, Valor, AcrescentaNumeroCurto);
    };
    return {
        {"norma", [](Csv t, Estado d) { t += TextoNorma(d.Edicao).substr(9); }},
        numero("xd_CG", 3, [](Estado d) { return d.Verif.XdCG; }),
        numero("xd_Real", 3, [](Estado d) { return d.Verif.XdReal; }),
        numero("xd_lim", 2, [](Estado d) { return d.Verif.XdLim; }),
        Marca("alerta_xd_CG", [](Estado d) { return d.Verif.FalhaXdCG; }),
        Marca("alerta_xd_Real", [](Estado d) { return d.Verif.FalhaXdReal; }),
        opcional(
            "As_min", 2, [](Estado d) { return !d.Verif.ConcretoNaoResisteMdMin; },
            [](Estado d) { return d.Verif.AsMin; }),
        Marca("alerta_As_min", [](Estado d) { return d.Verif.FalhaAsMin; }),
        numero("taxa_pct", 2, [](Estado d) { return d.Verif.TaxaPct; }),
        Marca("alerta_taxa", [](Estado d) { return d.Verif.FalhaTaxa; }),
        opcional(
            "As_pele", 2, [](Estado d) { return d.Verif.PedePele; },
            [](Estado d) { return d.Verif.AsPele; }),
        Marca("alerta_equilibrio", [](Estado d) { return d.Verif.AlertaEquilibrio; }),
        numero("xd_calculo", 3, [](Estado d) { return d.Verif.XdCalculo; }),
        Marca("alerta_xd_calculo", [](Estado d) { return d.Verif.FalhaXdCalculo; }),
        Marca("alerta_Mrd_CG", [](Estado d) { return d.Verif.FalhaMrdCG; }),
        Marca("alerta_Mrd_Real", [](Estado d) { return d.Verif.FalhaMrdReal; }),
        Marca("alerta_pctH", [](Estado d) { return d.Verif.FalhaPctH; }),
        Marca("alerta_camadas",
              [](Estado d) { return d.Verif.EsgotadasPos || d.Verif.EsgotadasNeg; }),
        Marca("alerta_barras_camada1", [](Estado d) { return d.Verif.FalhaBarrasCamada1; }),
        Marca("alerta_dominio4", [](Estado d) { return d.Verif.FalhaDominio4; }),
        Marca("alerta_classe", [](Estado d) { return d.Verif.ClasseForaDaFaixa; }),
        Marca("alerta_coeficientes", [](Estado d) { return d.Verif.CoeficienteImplausivel; }),
        // Força cortante.
        opcional("Vd", 1, cortante, [](Estado d) { return d.EntCortante.Vd; }),
        {"modelo",
         [](Csv t, Estado d) {
             if (d.ResCortante.Calculado)
                 t += d.EntCortante.Modelo == ModeloTrelica::I ? "I" : "II";
         }},
        opcional("VRd2", 1, cortante, [](Estado d) { return d.ResCortante.VRd2; }),
        Marca(
            "alerta_VRd2", [](Estado d) { return d.ResCortante.FalhaBielas; }, cortante),
        opcional("Vc", 1, cortante, [](Estado d) { return d.ResCortante.Vc; }),
        opcional("Vsw", 1, cortante, [](Estado d) { return d.ResCortante.Vsw; }),
        opcional("Asw_s", 2, cortante, [](Estado d) { return d.ResCortante.AswSAdotada * 100; }),
        opcional("Asw_s_min", 2, cortante, [](Estado d) { return d.ResCortante.AswSMin * 100; }),
        // Nenhum espaçamento serve: vazia, nunca 0 (alerta_estribo diz a falha).
        opcional(
            "s_estribo", 1,
            [](Estado d) { return d.ResCortante.Calculado && !d.ResCortante.FalhaS; },
            [](Estado d) { return d.ResCortante.S; }),
        opcional("s_max", 1, cortante, [](Estado d) { return d.ResCortante.SMax; }),
        Marca(
            "alerta_estribo",
            [](Estado d) {
                const ResultadoCortante& r = d.ResCortante;
                return r.FalhaS || r.FalhaSt || r.FalhaPhiT;
            },
            cortante),
        // Abertura de fissuras.
        opcional("Mser", 2, servico, [](Estado d) { return d.EntFissuracao.Mser; }),
        opcional("xII_Real", 2, servico, [](Estado d) { return d.ResFissuracao.XReal; }),
        opcional("sigma_s_Real", 1, servico, [](Estado d) { return d.ResFissuracao.SigmaReal; }),
        opcional("sigma_s_CG", 1, servico, [](Estado d) { return d.ResFissuracao.SigmaCG; }),
        opcional("wk_max", 3, servico, [](Estado d) { return d.ResFissuracao.WkMax; }),
        opcional("wk_lim", 2, servico, [](Estado d) { return d.ResFissuracao.WkLim; }),
        Marca(
            "alerta_wk", [](Estado d) { return d.ResFissuracao.FalhaWk; }, servico),
        opcional("Mr", 2, servico, [](Estado d) { return d.ResFissuracao.Mr; }),
    };
}

const std::vector<ColunaCsv>& ColunasVerificacao() {
    static const std::vector<ColunaCsv> c = MontaColunasVerificacao();
    return c;
}

constexpr auto Utilizacao = [](Estado d) {
    return d.Verificacao && d.TemMd && d.MrdCG > 0 && d.MrdReal > 0;
};
constexpr auto EstribosDados = [](Estado d) { return d.ResCortante.EstribosDados; };
constexpr auto SecaoT = [](Estado d) { return d.Forma.T; };

// Colunas acrescentadas depois de todas as outras (também das de --detalhes): nenhuma
// coluna que já existia muda de posição.
const std::vector<ColunaCsv>& ColunasDoFim() {
    static const std::vector<ColunaCsv> c{
        Marca(
            "alerta_sigma_s", [](Estado d) { return SigmaAcimaDeFyk(d.ResFissuracao, d.Fyk); },
            [](Estado d) { return d.ResFissuracao.Calculado; }),
        // Verificação de barras dadas: a utilização Md/Mrd (sem Md, vazia) e os estribos
        // dados (VRd3 em kgf; o alerta junta VRd3 < Vd, s > s,máx e Asw/s abaixo da mínima).
        {"modo", [](Csv t, Estado d) { t += d.Verificacao ? "verificacao" : "dimensionamento"; }},
        Opcional("util_CG", 3, Utilizacao, [](Estado d) { return d.Verif.UtilCG; }),
        Opcional("util_Real", 3, Utilizacao, [](Estado d) { return d.Verif.UtilReal; }),
        Opcional(
            "VRd3", 1, EstribosDados, [](Estado d) { return d.ResCortante.VRd3; },
            AcrescentaNumeroCurto),
        Marca(
            "alerta_VRd3",
            [](Estado d) {
                const ResultadoCortante& r = d.ResCortante;
                return r.FalhaVRd3 || r.FalhaSDado || r.FalhaAswSDada;
            },
            EstribosDados),
        Marca(
            "alerta_s_minimo", [](Estado d) { return d.ResCortante.AbaixoDoMinimo; },
            [](Estado d) { return d.ResCortante.Calculado; }),
        Marca("alerta_CA60", [](Estado d) { return d.Verif.FalhaCA60; }),
        Marca("veredito", [](Estado d) { return VereditoDe(d).Atende(); }),
        Numero("falhas", 0,
               [](Estado d) { return static_cast<double>(VereditoDe(d).Falhas.size()); }),
        Marca("alerta_durabilidade",
              [](Estado d) { return d.Verif.FalhaClasseCAA || d.Verif.FalhaCobrimentoCAA; }),
        // Seção: "Retangular" ou "T"; na T, bf e hf (cm) e o caso do bloco ("mesa" ou
        // "alma").
        {"secao", [](Csv t, Estado d) { t += ItensSecao[d.Forma.T ? 1 : 0]; }},
        Opcional("bf", 2, SecaoT, [](Estado d) { return d.Forma.Bf; }),
        Opcional("hf", 2, SecaoT, [](Estado d) { return d.Forma.Hf; }),
        {"caso_T", [](Csv t, Estado d) { t += CasoDaSecaoT(d.Verif); }},
    };
    return c;
}

// Colunas de --detalhes, depois das verificações: o modelo Real camada a camada, o modelo CG
// por face e a diferença de Mrd. ε em por mil, σ em kgf/cm², diferença em %.
std::vector<std::string> MontaColunasDetalhes() {
    std::vector<std::string> c;
    const auto camadas = [&c](const char* face, int n) {
        for (int i = 1; i <= n; ++i)
            for (const char* g : {"eps", "sig", "escoa"})
                c.push_back(Junta(g, "_Real_", face, std::to_string(i)));
    };
    camadas("pos", 6);
    camadas("neg", 3);
    for (const char* face : {"pos", "neg"})
        for (const char* g : {"eps", "sig", "escoa"}) c.push_back(Junta(g, "_CG_", face));
    c.push_back("dif_Mrd_pct");
    // Em serviço, cada camada positiva no modelo Real: σs (kgf/cm²) e a maior wk (mm).
    for (int i = 1; i <= 6; ++i)
        for (const char* g : {"sigma_s_pos", "wk_pos"}) c.push_back(Junta(g, std::to_string(i)));
    // Os valores intermediários, para conferir à mão: a cortante (Asw/s calculada em cm²/m,
    // Vc0 e Vd,min em kgf, ρsw,min em %) e, por camada positiva, a barra de maior wk
    // (Acri em cm², ρr, w1 e w2 em mm), com I_II do modelo Real (cm⁴).
    for (const char* g : {"Asw_s_calc", "Vc0", "Vd_min", "rho_sw_min_pct"}) c.push_back(g);
    for (int i = 1; i <= 6; ++i)
        for (const char* g : {"Acri_pos", "rho_r_pos", "w1_pos", "w2_pos"})
            c.push_back(Junta(g, std::to_string(i)));
    c.push_back("I_II");
    return c;
}

const std::vector<std::string>& ColunasDetalhes() {
    static const std::vector<std::string> c = MontaColunasDetalhes();
    return c;
}

// Os valores de Asw_s_calc a I_II; vazios sem Vd, sem Mser ou sem a camada.
void AcrescentaIntermediarios(std::string& Csv, const EstadoDeCalculo& D) {
    const ResultadoCortante& v = D.ResCortante;
    for (const auto& [valor, casas] : {std::pair{v.AswS * 100, 2}, std::pair{v.Vc0, 1},
                                       std::pair{v.VdMin, 1}, std::pair{v.RhoSwMin * 100, 4}}) {
        Csv += ',';
        if (v.Calculado) AcrescentaNumeroCurto(Csv, valor, casas, ".");
    }
    const ResultadoFissuracao& f = D.ResFissuracao;
    for (int i = 1; i <= 6; ++i) {
        const auto k = std::ranges::find_if(
            f.Camadas, [i](const FissuracaoDaCamada& s) { return !s.Negativa && s.Camada == i; });
        if (k == f.Camadas.end()) {
            Csv += ",,,,";
            continue;
        }
        Csv += Junta(",", FormataNumero(k->AcriGoverna, 2), ",", FormataNumero(k->RhoGoverna, 5),
                     ",", FormataNumero(k->W1Governa, 3), ",", FormataNumero(k->W2Governa, 3));
    }
    Csv += ',';
    if (f.Calculado) AcrescentaNumeroCurto(Csv, f.IReal, 0, ".");
}

void AcrescentaDetalhes(std::string& Csv, const EstadoDeCalculo& D) {
    if (!D.HaResultados) {
        Csv.append(ColunasDetalhes().size(), ',');
        return;
    }
    const Comparacao c = ComparaModelos(D);
    const auto tres = [&Csv](bool existe, double eps, double sig, bool escoa) {
        if (!existe) {
            Csv += ",,,";
            return;
        }
        Csv += Junta(",", FormataNumero(eps, 4), ",", FormataNumero(sig, 2), escoa ? ",1" : ",0");
    };
    for (const bool negativa : {false, true}) {
        for (int i = 1; i <= (negativa ? 3 : 6); ++i) {
            const auto r = std::find_if(c.Camadas.begin(), c.Camadas.end(), [&](const auto& k) {
                return k.Negativa == negativa && k.Camada == i;
            });
            if (r == c.Camadas.end())
                Csv += ",,,";
            else
                tres(true, r->Eps, r->Sig, r->Escoa);
        }
    }
    for (const FaceCG* f : {&c.CGPos, &c.CGNeg}) tres(f->Existe, f->Eps, f->Sig, f->Escoa);
    Csv += ',';
    Csv += FormataNumero(c.DiferencaMrdPct, 3);
    for (int i = 1; i <= 6; ++i) {
        const auto k =
            std::ranges::find_if(D.ResFissuracao.Camadas, [i](const FissuracaoDaCamada& s) {
                return !s.Negativa && s.Camada == i;
            });
        if (k == D.ResFissuracao.Camadas.end()) {
            Csv += ",,";
            continue;
        }
        Csv += Junta(",", FormataNumero(k->SigmaReal, 1), ",",
                     FormataNumero(std::max(k->WkPonta, k->WkDentro), 3));
    }
    AcrescentaIntermediarios(Csv, D);
}

} // namespace

void AcrescentaCampoCsv(std::string& Csv, std::string_view Campo) {
    if (Campo.find_first_of(",\"\r\n") == std::string_view::npos) {
        Csv += Campo;
        return;
    }
    Csv += '"';
    for (char c : Campo) {
        if (c == '"') Csv += '"';
        Csv += c;
    }
    Csv += '"';
}

namespace {

// [sinal] algarismos [. algarismos] [E [sinal] algarismos], com algarismos antes ou
// depois do ponto: o que AcrescentaNumero e NumeroCurto escrevem e um Md digitado.
bool CampoNumerico(std::string_view c) {
    std::size_t i = c.starts_with('-') || c.starts_with('+') ? 1 : 0;
    const auto digitos = [&] {
        const std::size_t de = i;
        while (i < c.size() && c[i] >= '0' && c[i] <= '9') ++i;
        return i - de;
    };
    std::size_t n = digitos();
    if (i < c.size() && c[i] == '.') {
        ++i;
        n += digitos();
    }
    if (n == 0) return false;
    if (i < c.size() && (c[i] == 'E' || c[i] == 'e')) {
        ++i;
        if (i < c.size() && (c[i] == '-' || c[i] == '+')) ++i;
        if (digitos() == 0) return false;
    }
    return i == c.size();
}

} // namespace

void ParaCsvBrasileiro(std::string& Linhas) {
    std::string saida, campo;
    saida.reserve(Linhas.size() + Linhas.size() / 16);
    std::size_t coluna = 0;
    const auto fecha = [&] {
        if (coluna > 0 && CampoNumerico(campo)) std::ranges::replace(campo, '.', ',');
        if (campo.find_first_of(";\"\r\n") == std::string::npos) {
            saida += campo;
        } else {
            saida += '"';
            for (char c : campo) saida.append(c == '"' ? 2 : 1, c);
            saida += '"';
        }
        campo.clear();
    };
    for (std::size_t i = 0; i < Linhas.size(); ++i) {
        const char c = Linhas[i];
        if (c == '"') { // campo entre aspas até a aspa que não é dobrada
            for (++i; i < Linhas.size(); ++i) {
                if (Linhas[i] == '"' && (i + 1 >= Linhas.size() || Linhas[i + 1] != '"')) break;
                campo += Linhas[i];
                i += Linhas[i] == '"';
            }
        } else if (c == ',') {
            fecha();
            saida += ';';
            ++coluna;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' || i == 0 || Linhas[i - 1] != '\r') fecha(), coluna = 0;
            saida += c;
        } else {
            campo += c;
        }
    }
    fecha();
    Linhas = std::move(saida);
}

void AcrescentaCabecalhoCsv(std::string& Csv, bool Detalhes) {
    Csv += "arquivo,Md";
    for (const ColunaCsv& c : Colunas()) Csv += Junta(",", c.Nome);
    Csv += ",erro";
    for (const ColunaCsv& c : ColunasVerificacao()) Csv += Junta(",", c.Nome);
    if (Detalhes)
        for (const std::string& c : ColunasDetalhes()) Csv += Junta(",", c);
    for (const ColunaCsv& c : ColunasDoFim()) Csv += Junta(",", c.Nome);
    Csv += "\r\n";
}

void AcrescentaLinhaCsv(std::string& Csv, std::string_view Arquivo, std::string_view Md,
                        const EstadoDeCalculo& D, bool Detalhes) {
    // Um nome que não é UTF-8 não estraga o CSV; controles (NUL, ESC) no nome ou no Md
    // saem escapados, por inteiro: nenhum fim cortado.
    AcrescentaCampoCsv(Csv, TextoVisivel(Arquivo, std::string_view::npos));
    Csv += ',';
    AcrescentaCampoCsv(Csv, TextoVisivel(Md, std::string_view::npos));
    std::string erro;
    if (D.HaResultados) {
        for (const ColunaCsv& c : Colunas()) {
            Csv += ',';
            c.Escreve(Csv, D);
        }
    } else {
        Csv.append(Colunas().size(), ',');
        erro = D.MensagemErro;
        if (!D.MensagemErro2.empty()) erro += Junta(" ", D.MensagemErro2);
    }
    Csv += ',';
    AcrescentaCampoCsv(Csv, erro);
    for (const ColunaCsv& c : ColunasVerificacao()) {
        Csv += ',';
        if (D.HaResultados) c.Escreve(Csv, D);
    }
    if (Detalhes) AcrescentaDetalhes(Csv, D);
    for (const ColunaCsv& c : ColunasDoFim()) {
        Csv += ',';
        if (D.HaResultados) c.Escreve(Csv, D);
    }
    Csv += "\r\n";
}

PontoSerie PontoDoProjeto(std::string Md, const EstadoDeCalculo& D) {
    PontoSerie p{std::move(Md), D.HaResultados};
    if (!D.HaResultados) return p;
    const Comparacao c = ComparaModelos(D);
    p.PctHPos = D.PctHPos;
    p.PctHNeg = D.PctHNeg;
    p.TemNeg = c.TemNeg;
    p.DiferencaMrdPct = c.DiferencaMrdPct;
    return p;
}

void ResumoSerie::Acrescenta(PontoSerie p) {
    if (!p.Calculado) return;
    if (!acima && (p.PctHPos > LimitePctH || (p.TemNeg && p.PctHNeg > LimitePctH))) acima = p;
    if (std::isfinite(p.DiferencaMrdPct) &&
        (!maior || std::fabs(p.DiferencaMrdPct) > std::fabs(maior->DiferencaMrdPct)))
        maior = std::move(p);
}

std::string ResumoSerie::Texto(std::string_view Arquivo) const {
    std::string s = Junta("lumbrio-lote: ", TextoVisivel(Arquivo, std::string_view::npos), ": ");
    if (acima) {
        const bool positiva = acima->PctHPos > LimitePctH;
        s += Junta("%h passa de 10 % a partir de Md = ", acima->Md, " (",
                   positiva ? "armadura positiva, %h = " : "armadura negativa, %h = ",
                   FormataNumero(positiva ? acima->PctHPos : acima->PctHNeg, 2), " %)");
    } else {
        s += "%h não passa de 10 % na série";
    }
    if (maior)
        s += Junta("; maior diferença de Mrd entre os modelos (Real - CG) / CG: ",
                   FormataNumero(maior->DiferencaMrdPct, 2), " % em Md = ", maior->Md);
    else
        s += "; nenhum projeto da série foi calculado";
    return s + ".\n";
}

} // namespace lumbrio
