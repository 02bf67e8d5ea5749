// As linhas das verificações da norma em texto.
#include "output/TextosVerificacao.h"

#include "base/Catalogos.h"
#include "base/Numeros.h"
#include "output/TextosSecaoT.h"
#include "section/Cortante.h"
#include "section/Verificacoes.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace lumbrio {

std::string LinhaVerificacao::Texto() const {
    const std::string item =
        Item.empty() ? std::string()
                     : Junta(" (", Escopo, Escopo.empty() ? "" : ", ", "item ", Item, ")");
    const std::string veredito = Veredito.empty() ? std::string() : Junta(" — ", Veredito);
    if (Valor.empty() && Limite.empty()) return Junta(Grandeza, veredito, item);
    if (Limite.empty()) return Junta(Grandeza, ": ", Valor, veredito, item);
    return Junta(Grandeza, ": ", Valor, " (limite ", Limite, ")", veredito, item);
}

std::string_view SimboloDaForca(std::string_view Item) {
    return Item == "KN" ? "kN" : Item == "Kgf" ? "kgf" : Item == "Tf" ? "tf" : Item;
}

std::string SimboloDoMomento(std::string_view Item) {
    const auto ponto = Item.find('.');
    if (ponto == std::string_view::npos) return std::string(Item);
    return Junta(SimboloDaForca(Item.substr(0, ponto)), "·", Item.substr(ponto + 1));
}

namespace {

// Número de uma linha: com o separador até 1E+9; além disso, em notação científica
// ("1.000E+30"), para a linha caber; infinito ou indefinido, "fora do alcance".
std::string NumeroDaLinha(double Valor, int Casas, std::string_view Separador) {
    if (!std::isfinite(Valor)) return NumeroMensagem(Valor, Casas);
    return NumeroCurto(Valor, Casas, Separador);
}

std::string_view NomeDaFalha(Falha F) {
    switch (F) {
    case Falha::MrdCG:
        return "Mrd CG < Md";
    case Falha::MrdReal:
        return "Mrd Real < Md";
    case Falha::PctH:
        return "%h > 10 %";
    case Falha::Camadas:
        return "camadas esgotadas";
    case Falha::XIgualD:
        return "x = d";
    case Falha::Dominio4:
        return "domínio 4";
    case Falha::BarrasCamada1:
        return "barras na camada 1";
    case Falha::Ductilidade:
        return "ductilidade x/d";
    case Falha::AsMin:
        return "armadura mínima";
    case Falha::Taxa:
        return "armadura máxima";
    case Falha::Equilibrio:
        return "equilíbrio";
    case Falha::Coeficientes:
        return "coeficientes γ";
    case Falha::ClasseFck:
        return "classe do concreto";
    case Falha::Bielas:
        return "bielas";
    case Falha::Estribos:
        return "estribos";
    case Falha::Ramos:
        return "ramos";
    case Falha::DiametroEstribo:
        return "diâmetro do estribo";
    case Falha::Wk:
        return "wk";
    case Falha::SigmaFyk:
        return "σs > fyk";
    case Falha::ClasseCAA:
        return "classe mínima da CAA";
    case Falha::CobrimentoCAA:
        return "cobrimento da CAA";
    case Falha::CA60:
        return "CA-60 > 10 mm";
    }
    return {};
}

} // namespace

LinhaVerificacao LinhaDoVeredito(const EstadoDeCalculo& E, std::string_view Separador,
                                 std::size_t MaxCaracteres) {
    const VereditoSecao v = VereditoDe(E);
    if (v.Atende()) return {"Seção atende", "", "", "", "", false};
    const std::size_t n = v.Falhas.size();
    const bool xd = std::ranges::find(v.Falhas, Falha::XIgualD) != v.Falhas.end();
    std::string valor = Junta(std::to_string(n), n == 1 ? " falha — " : " falhas — ");
    // Md além do que a seção comporta: a capacidade das barras colocadas e o que mudar.
    if (v.AlemDaSecao)
        valor += Junta(
            "Md > Mrd = ", NumeroDaLinha(std::min(E.MrdCG, E.MrdReal) / E.FatorMd, 1, Separador),
            " ", SimboloDoMomento(E.UnidadeMd), ", aumente a seção; ");
    // Os nomes que cabem em MaxCaracteres; os outros contados no fim (todos na nota).
    const auto caracteres = [](std::string_view t) {
        return static_cast<std::size_t>(std::ranges::count_if(
            t, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    };
    std::string todos;
    std::size_t postos = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view nome = NomeDaFalha(v.Falhas[i]);
        todos += Junta(i == 0 ? "" : ", ", nome);
        // " e mais N" no fim cabe nos 14 de folga.
        if (postos == i && caracteres(valor) + caracteres(nome) + 14 <= MaxCaracteres) {
            valor += Junta(i == 0 ? "" : ", ", nome);
            ++postos;
        }
    }
    if (postos < n) valor += Junta(postos == 0 ? "" : " ", "e mais ", std::to_string(n - postos));
    LinhaVerificacao l{"Seção não atende", std::move(valor), "", "", "", true};
    // A nota diz as falhas que não couberam na linha e o porquê de x = d.
    if (postos < n) l.Nota = Junta("Falhas: ", todos, ". ");
    if (xd)
        l.Nota += "Com \"Permitir domínio 4\" a linha neutra chegou a x = d: a seção não resiste "
                  "a Md com as camadas disponíveis. Aumente a seção.";
    while (!l.Nota.empty() && l.Nota.back() == ' ') l.Nota.pop_back();
    return l;
}

std::vector<LinhaVerificacao> LinhasDurabilidade(const Verificacoes& V,
                                                 std::string_view Separador) {
    const auto n = [&](double v, int casas) { return NumeroDaLinha(v, casas, Separador); };
    const auto veredito = [](bool falha) { return falha ? "não atende" : "atende"; };
    const std::string_view caa = ItensCAA[static_cast<std::size_t>(V.ClasseCAA - 1)];
    std::vector<LinhaVerificacao> l;
    // fck fracionário (19,9 MPa) com uma casa: arredondado, pareceria atender.
    const double fck = V.FckMPa;
    const std::string textoFck = n(fck, std::fabs(fck - std::round(fck)) < 1e-6 ? 0 : 1);
    l.push_back({"Classe mínima (Tabela 7.1)", Junta("fck = ", textoFck, " MPa, CAA ", caa),
                 Junta("≥ C", n(V.FckMinimoCAA, 0)), "7.4.2", veredito(V.FalhaClasseCAA),
                 V.FalhaClasseCAA});
    l.push_back({"Cobrimento nominal (Tabela 7.2)",
                 Junta("c = ", n(V.Cobrimento * 10, 0), " mm, CAA ", caa),
                 Junta("≥ ", n(V.CobrimentoMinimoCAA * 10, 0), " mm"), "7.4.7.2",
                 veredito(V.FalhaCobrimentoCAA), V.FalhaCobrimentoCAA});
    if (V.FalhaCA60) {
        l.push_back({"Bitola de CA-60", Junta("φ ", TextoCurto(V.BitolaCA60, Separador), " mm"),
                     "≤ 10 mm", "", "não atende", true});
        l.back().Nota = "O CA-60 é fabricado só até 10 mm: use CA-50 ou uma bitola menor.";
    }
    return l;
}

std::vector<LinhaVerificacao> LinhasFissuracao(const EstadoDeProjeto& E,
                                               std::string_view Separador) {
    const ResultadoFissuracao& R = E.ResFissuracao;
    if (!R.Calculado) return {};
    const auto n = [&](double v, int casas) { return NumeroDaLinha(v, casas, Separador); };
    const auto m = [&](double kgfcm) {
        return Junta(n(kgfcm / E.FatorMser, 1), " ", SimboloDoMomento(E.UnidadeMser));
    };
    std::vector<LinhaVerificacao> l;
    LinhaVerificacao wk{"wk,máx",
                        R.Fissura ? Junta(n(R.WkMax, 3), " mm",
                                          R.CamadaWkMax > 0
                                              ? Junta(" na camada ", std::to_string(R.CamadaWkMax))
                                              : std::string())
                                  : std::string("não fissura, wk = 0"),
                        Junta("≤ ", n(R.WkLim, 2), " mm"),
                        "17.3.3.2",
                        R.FalhaWk ? "não atende" : "atende",
                        R.FalhaWk};
    const auto k = [&](double c) { return TextoCurto(c, Separador); };
    wk.Nota =
        Junta("Limite da classe de agressividade ",
              ItensCAA[static_cast<std::size_t>(E.EntFissuracao.Classe - 1)],
              ". wk de cada barra tracionada, a menor de φ/(", k(12.5), "·η1)·σs/Es·3σs/fctm e φ/(",
              k(12.5), "·η1)·σs/Es·(4/ρr + 45), com η1 = ", n(R.Eta1, 2),
              " e ρr sobre a área crítica da barra.");
    l.push_back(std::move(wk));
    l.push_back({"Fissuração", Junta("Mser = ", m(E.EntFissuracao.Mser), ", Mr = ", m(R.Mr)), "",
                 "", R.Fissura ? "fissura" : "não fissura", false});
    l.back().Informativa = true;
    l.back().Nota =
        Junta("Mr = ", k(1.5), "·fctk,inf·b·h²/6 com fctk,inf = ", k(0.7), "·fctm (item 17.3.1).");
    const double dif = R.SigmaReal != 0 ? (R.SigmaCG / R.SigmaReal - 1) * 100 : 0;
    l.push_back({"Estádio II",
                 Junta("x = ", n(R.XReal, 2), " cm; σs da camada 1: Real ", n(R.SigmaReal / 10, 1),
                       ", CG ", n(R.SigmaCG / 10, 1), " MPa (", n(dif, 1), " %)"),
                 "", "", "", false});
    l.back().Informativa = true;
    l.back().Nota = "Seção fissurada com αe = 15, sem o concreto tracionado (item 17.3.3.2).";
    // Acima de fyk o aço escoaria em serviço: a análise linear do estádio II não vale.
    if (SigmaAcimaDeFyk(R, E.Fyk)) {
        l.back().Veredito = "acima de fyk";
        l.back().Falha = true;
        l.back().Informativa = false;
        l.back().Nota += Junta(" σs passa de fyk = ", n(E.Fyk / 10.0, 0),
                               " MPa: o aço escoaria em serviço. Reveja Mser (combinação "
                               "frequente) ou a armadura.");
    }
    l.push_back({"Tabela 17.2",
                 R.TemLimites ? Junta("σs = ", n(R.SigmaReal / 10, 1), " MPa: φ ≤ ",
                                      TextoCurto(R.FiMaxTabela, Separador), " mm, s ≤ ",
                                      TextoCurto(R.SMaxTabela, Separador), " cm")
                              : Junta("σs = ", n(R.SigmaReal / 10, 1), " MPa, acima da tabela"),
                 "", "17.3.3.3", "informação", false});
    l.back().Informativa = true;
    return l;
}

std::vector<LinhaVerificacao> LinhasCortante(const EstadoDeProjeto& E, std::string_view Separador) {
    const ResultadoCortante& R = E.ResCortante;
    if (!R.Calculado) return {};
    const auto n = [&](double v, int casas) { return NumeroDaLinha(v, casas, Separador); };
    const auto f = [&](double kgf) {
        return Junta(n(kgf / E.FatorVd, 1), " ", SimboloDaForca(E.UnidadeVd));
    };
    const auto veredito = [](bool falha) { return falha ? "não atende" : "atende"; };
    const bool modeloI = E.EntCortante.Modelo == ModeloTrelica::I;
    std::vector<LinhaVerificacao> l;
    l.push_back({"Bielas", Junta("Vd = ", f(E.EntCortante.Vd)), Junta("≤ VRd2 = ", f(R.VRd2)),
                 "17.4.2.2", veredito(R.FalhaBielas), R.FalhaBielas});
    if (R.FalhaBielas)
        l.back().Nota = "As bielas de concreto não resistem a Vd: nenhum estribo resolve. "
                        "Aumente a largura, a altura ou o fck.";
    l.push_back({modeloI ? "Parcelas" : "Parcelas (Vc1)",
                 Junta("Vc = ", f(R.Vc), ", Vsw = ", f(R.Vsw), "; mínima até Vd = ", f(R.VdMin)),
                 "", "", "", false});
    l.back().Informativa = true;
    l.back().Nota = Junta("Vc é a parcela do concreto e Vsw = Vd − Vc a dos estribos (item "
                          "17.4.2.2); até Vd,min = ",
                          f(R.VdMin), " a armadura mínima governa.");
    const std::string phi = TextoCurto(E.Diametro[E.BitolaEstr] * 10, Separador);
    // Estribos dados: o que eles resistem no lugar do espaçamento a adotar.
    if (R.EstribosDados) {
        const double s = E.EntCortante.SDado;
        l.push_back({"VRd3", Junta("φ ", phi, " mm c/ ", n(s, 1), " cm: ", f(R.VRd3)),
                     Junta("≥ Vd = ", f(E.EntCortante.Vd)), "17.4.2.2", veredito(R.FalhaVRd3),
                     R.FalhaVRd3});
        l.back().Nota = Junta("VRd3 = Vc + Vsw = ", f(R.Vc), " + ", f(R.VswDada),
                              ", com Vsw dos estribos dados.");
        const bool falha = R.FalhaSDado || R.FalhaAswSDada;
        l.push_back({"Estribos dados",
                     Junta("s = ", n(s, 1), " cm, Asw/s = ", n(R.AswSDada * 100, 2), " cm²/m"),
                     Junta("s ≤ ", n(R.SMax, 1), " cm, Asw/s ≥ ", n(R.AswSMin * 100, 2), " cm²/m"),
                     "18.3.3.2", veredito(falha), falha});
        if (R.FalhaAswSDada) l.back().Nota = "Abaixo da armadura mínima do item 17.4.1.1.1.";
    } else {
        l.push_back({"Asw/s",
                     Junta("calculada ", n(R.AswS * 100, 2), ", mínima ", n(R.AswSMin * 100, 2),
                           ", adotada ", n(R.AswSAdotada * 100, 2), " cm²/m"),
                     "", "", "", false});
        l.back().Informativa = true;
        l.back().Nota =
            Junta("Mínima: ρsw,min = ", n(0.2, 1), "·fctm/fywk = ", n(R.RhoSwMin * 100, 4),
                  " % de bw·sen α (item 17.4.1.1.1).");
        l.push_back({"Estribos",
                     Junta("φ ", phi, " mm c/ ", n(R.S, 1), " cm, ",
                           std::to_string(E.EntCortante.Ramos), " ramos"),
                     Junta("s ≤ ", n(R.SMax, 1), " cm"), "18.3.3.2",
                     R.SLimitado ? "s,máx governa" : "atende", false});
        l.back().Informativa = R.SLimitado;
        l.back().Nota = Junta("Espaçamento para Asw/s adotada: ", n(R.SCalculado, 2),
                              " cm, arredondado para baixo a múltiplo de ", n(PassoEspacamento, 1),
                              " cm e limitado a s,máx.");
        if (R.FalhaS) {
            LinhaVerificacao& e = l.back();
            e.Valor = Junta("φ ", phi, " mm, ", std::to_string(E.EntCortante.Ramos),
                            " ramos: s = ", n(R.SCalculado, 2), " cm");
            e.Limite = Junta("s ≥ ", n(PassoEspacamento, 1), " cm");
            e.Veredito = "não atende";
            e.Falha = true;
            e.Nota = Junta("Asw/s adotada pede estribos a ", n(R.SCalculado, 2),
                           " cm, abaixo do passo de ", n(PassoEspacamento, 1),
                           " cm: não há espaçamento que se monte. Aumente a bitola ou os ramos do "
                           "estribo, ou a seção.");
        }
    }
    if (R.AbaixoDoMinimo && !R.FalhaBielas) {
        LinhaVerificacao& e = l.back();
        const std::string proposta =
            R.PhiSugerido > 0 ? Junta("use φ ", TextoCurto(R.PhiSugerido * 10, Separador), " mm")
            : R.RamosSugeridos > 0 ? Junta("use ", std::to_string(R.RamosSugeridos), " ramos")
                                   : std::string("aumente a seção");
        if (!R.FalhaS) {
            e.Limite = Junta(n(E.EntCortante.SMinPratico, 1), " ≤ s ≤ ", n(R.SMax, 1), " cm");
            e.Veredito = Junta("abaixo do mínimo: ", proposta);
            e.Falha = true;
            e.Informativa = false;
        }
        e.Nota += Junta(" O mínimo prático de ", n(E.EntCortante.SMinPratico, 1),
                        " cm (Outros valores) deixa passar o vibrador: ", proposta, ".");
    }
    l.push_back({"Ramos", Junta("st = ", n(R.St, 1), " cm"), Junta("≤ ", n(R.StMax, 1), " cm"),
                 "18.3.3.2", veredito(R.FalhaSt), R.FalhaSt});
    l.push_back({"Diâmetro do estribo", Junta("φt = ", phi, " mm"),
                 Junta(n(R.PhiTMin * 10, 0), " a ", n(R.PhiTMax * 10, 1), " mm"), "18.3.3.2",
                 veredito(R.FalhaPhiT), R.FalhaPhiT});
    // Bielas rompidas: nenhum estribo vale, e as linhas dos estribos não dizem "atende".
    if (R.FalhaBielas)
        for (auto e = l.end() - 3; e != l.end(); ++e) {
            e->Veredito = "sem validade: as bielas não resistem";
            e->Falha = false;
            e->Informativa = true;
        }
    return l;
}

std::vector<LinhaVerificacao> LinhasVerificacao(const Verificacoes& V, std::string_view Separador) {
    const auto n = [&](double v, int casas) { return NumeroDaLinha(v, casas, Separador); };
    const auto veredito = [](bool falha) { return falha ? "não atende" : "atende"; };
    std::vector<LinhaVerificacao> l;
    l.reserve(14);
    const std::string unidade = SimboloDoMomento(V.UnidadeMd);
    for (const auto& [grandeza, mrd, falha, util] :
         {std::tuple{"Mrd CG", V.MrdCG, V.FalhaMrdCG, V.UtilCG},
          std::tuple{"Mrd Real", V.MrdReal, V.FalhaMrdReal, V.UtilReal}}) {
        l.push_back({grandeza, Junta(n(mrd / V.FatorMd, 2), " ", unidade),
                     Junta("≥ Md = ", n(V.Md / V.FatorMd, 2)), "17.2.2", veredito(falha), falha});
        // Barras dadas: a utilização Md/Mrd; sem Md, só a resistência da seção.
        if (V.Verificacao && V.TemMd) l.back().Valor += Junta(", Md/Mrd = ", n(util, 3));
        if (!V.TemMd) {
            l.back().Limite.clear();
            l.back().Veredito = "resistência da seção, sem Md";
            l.back().Informativa = true;
        }
    }
    l.back().AvisoProprio = true; // Mrd Real < Md
    LinhaVerificacao pct{
        "%h",
        Junta("positiva ", n(V.PctHPos, 2), " %",
              V.TemNeg ? Junta(", negativa ", n(V.PctHNeg, 2), " %") : std::string()),
        "≤ 10 %",
        "17.2.4.1",
        veredito(V.FalhaPctH),
        V.FalhaPctH};
    if (V.FalhaPctH) pct.Nota = "O modelo CG não deve ser usado: vale o modelo Real.";
    pct.AvisoProprio = true;
    l.push_back(std::move(pct));
    const bool esgotadas = V.EsgotadasPos || V.EsgotadasNeg;
    l.push_back({"Camadas",
                 Junta(std::to_string(V.CamadasPos), " de 6 positivas, ",
                       std::to_string(V.CamadasNeg), " de 3 negativas"),
                 "", "", esgotadas ? "esgotadas" : "comportam a armadura", esgotadas});
    if (esgotadas)
        l.back().Nota = Junta("A última camada ", V.EsgotadasPos ? "positiva" : "negativa",
                              " não comporta a área que sobrou: as barras colocadas têm menos "
                              "área que o cálculo pede. Aumente a bitola ou a seção.");
    if (V.FalhaDominio4) {
        l.push_back({"Domínio das barras colocadas",
                     Junta("CG ", V.DominioCG, ", Real ", V.DominioReal),
                     "2 ou 3 sem \"Permitir domínio 4\"", "", "não atende", true});
        l.back().AvisoProprio = true;
    }
    l.push_back({"Barras na camada 1",
                 V.TemNeg ? Junta("positiva ", std::to_string(V.BarrasCamada1), ", negativa ",
                                  std::to_string(V.BarrasCamada1Neg))
                          : std::to_string(V.BarrasCamada1),
                 "≥ 2, nos cantos do estribo", "", veredito(V.FalhaBarrasCamada1),
                 V.FalhaBarrasCamada1});
    LinhaVerificacao xd{"Ductilidade x/d",
                        Junta(V.Verificacao ? "barras dadas " : "cálculo ", n(V.XdCalculo, 3)),
                        Junta("≤ ", n(V.XdLim, 2)),
                        "14.6.4.3",
                        veredito(V.FalhaDuctilidade),
                        V.FalhaDuctilidade};
    if (V.Edicao == Norma::NBR2003) xd.Escopo = "apoios e ligações";
    if (V.XdSoApoios) {
        xd.Veredito = "atende no vão";
        xd.Informativa = true;
        xd.Nota = Junta("x/d ≤ ", n(V.XdLim, 2),
                        " vale nas regiões de apoio e nas ligações, onde este cálculo não o "
                        "atende; no vão, a seção nos domínios 2 e 3 é admitida.");
    }
    l.push_back(std::move(xd));
    LinhaVerificacao colocadas{"x/d das barras colocadas",
                               Junta("CG ", n(V.XdCG, 3), ", Real ", n(V.XdReal, 3)), "",
                               "14.6.4.3", "informação"};
    colocadas.Informativa = true;
    if (V.NotaArredondamento) {
        const bool temArea = std::isfinite(V.AsLinhaExtra);
        colocadas.Veredito = temArea ? Junta("nota: A's,extra = ", n(V.AsLinhaExtra, 2), " cm²")
                                     : std::string("nota");
        colocadas.Nota = Junta(
            "O cálculo atende a x/d ≤ ", n(V.XdLim, 2),
            ", mas a tração a mais das barras arredondadas move a linha neutra das barras "
            "colocadas para além do limite",
            temArea ? Junta("; uma armadura de compressão a mais de A's,extra = (As colocada − "
                            "As calculada)·fyd / σ's = ",
                            n(V.AsLinhaExtra, 2), " cm² (σ's = ", n(V.SigLinhaNoLimite, 2),
                            " kgf/cm² com x no limite) a traria de volta a ele.")
                    : std::string(": com as barras colocadas, o arranjo pede um novo "
                                  "dimensionamento."));
    }
    l.push_back(std::move(colocadas));
    if (V.ConcretoNaoResisteMdMin)
        l.push_back({"Armadura mínima", "o concreto não resiste a Md,min", "", "17.3.5.2.1",
                     "não atende", true});
    else
        l.push_back({"Armadura mínima", Junta("As,min = ", n(V.AsMin, 2), " cm²"),
                     "As colocada ≥ As,min", "17.3.5.2.1", veredito(V.FalhaAsMin), V.FalhaAsMin});
    l.push_back({"Armadura máxima", Junta("(As + As')/Ac = ", n(V.TaxaPct, 2), " %"),
                 Junta("≤ ", n(TaxaMaxima * 100, 0), " %"), "17.3.5.2.4", veredito(V.FalhaTaxa),
                 V.FalhaTaxa});
    if (V.PedePele) {
        // Uma instrução, não um "atende": o relatório a lista entre os avisos.
        l.push_back({"Armadura de pele", Junta(n(V.AsPele, 2), " cm² por face"),
                     "espaçamento ≤ 20 cm", "17.3.5.2.3", "acrescentar"});
        l.back().Informativa = true;
    }
    if (V.AlertaEquilibrio) {
        const bool mrd = !(V.MrdCG > 0) || !(V.MrdReal > 0);
        l.push_back({"Equilíbrio",
                     Junta("|Rc − Rst| = ", n(V.ResiduoMax, 0), " kgf", mrd ? ", Mrd ≤ 0" : ""),
                     Junta("≤ 1 % de Rcc = ", n(V.LimiteResiduo, 0), " kgf"), "17.2.2",
                     "não confiável", true});
        l.back().Nota = Junta("A busca do modelo ",
                              V.AlertaEquilibrioCG && V.AlertaEquilibrioReal ? "CG e a do Real"
                              : V.AlertaEquilibrioCG                         ? "CG"
                                                                             : "Real",
                              " terminaram longe do equilíbrio: reduza a PrecisãoN (Outros "
                              "valores) e confira Es.");
    }
    if (V.CoeficienteImplausivel)
        l.push_back({"Coeficientes", Junta("γc = ", n(V.GamaC, 2), ", γs = ", n(V.GamaS, 2)),
                     Junta(n(1, 1), " a ", n(2, 1)), "12.4", "confira os valores", true});
    if (V.ClasseForaDaFaixa)
        l.push_back({"Classe do concreto", Junta("fck = ", n(V.FckMPa, 0), " MPa"),
                     Junta(n(V.FckMinimo, 0), " a ", n(V.FckMaximo, 0), " MPa"), "8.2.1",
                     "fora da faixa da norma", true});
    AcrescentaLinhasT(V, l, Separador);
    return l;
}

} // namespace lumbrio
