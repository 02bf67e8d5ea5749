// Verificações da NBR 6118 com as barras colocadas.
#include "section/Verificacoes.h"

#include "calc/Catalogos.h"
#include "calc/Dimensionamento.h"
#include "calc/Numeros.h"

#include <cmath>
#include <limits>

namespace lumbrio {

std::string_view TextoNorma(Norma Edicao) {
    return Edicao == Norma::NBR2023 ? ItensNorma[1] : ItensNorma[0];
}

double ArmaduraMinima(Norma Edicao, double b, double h, double d, double SigCd, double Fcd,
                      double Fyd, double FckMPa) {
    const double minima = 0.0015 * b * h;
    if (Edicao == Norma::NBR2003) return std::max(0.0015, 0.035 * Fcd / Fyd) * b * h;
    // Md,min = 0,8·W0·fctk,sup, com o bloco da edição e o aço em fyd.
    const double fctm =
        FckMPa <= 50 ? 0.3 * std::pow(FckMPa, 2.0 / 3) : 2.12 * std::log(1 + 0.11 * FckMPa); // MPa
    const double fctkSup = 1.3 * fctm * 10; // kgf/cm²
    const double mdMin = 0.8 * (b * h * h / 6) * fctkSup;
    const double radicando = d * d - 2 * mdMin / (b * SigCd);
    if (radicando < 0) return -1;
    const double y = d - std::sqrt(radicando);
    return std::max(minima, b * y * SigCd / Fyd);
}

namespace {

// x no limite, como o dimensionamento o põe, é k·d / d: sem a folga de um ulp o
// cálculo no limite passaria dele.
bool AcimaDe(double Valor, double Limite) {
    return Valor > Limite * (1 + 1e-12);
}

void AvaliaDuctilidade(const Dimensionamento& D, Verificacoes& V) {
    const double d = D.AlturaUtil;
    V.XdCalculo = D.XCalculo / d;
    V.FalhaXdCalculo = AcimaDe(V.XdCalculo, V.XdLim);
    V.FalhaDuctilidade = V.FalhaXdCalculo;
    if (D.Edicao == Norma::NBR2003 && V.FalhaXdCalculo) {
        const bool dominio4 = AcimaDe(D.XCalculo, XLimite3(d, D.EpsYd, D.Concreto));
        V.FalhaDuctilidade = dominio4;
        V.XdSoApoios = !dominio4;
    }
    V.NotaArredondamento = !V.FalhaXdCalculo && (V.FalhaXdCG || V.FalhaXdReal);
    if (!V.NotaArredondamento) return;
    // A tração a mais das barras, (As colocada − As calculada)·fyd, equilibrada por As'
    // a mais na camada comprimida com x no limite.
    const double xLim = V.XdLim * d;
    const double epsLinha = EpsConcreto(xLim, d, D.Concreto) * (xLim - D.DCG2) / xLim;
    V.SigLinhaNoLimite = D.Lei().Tensao(epsLinha);
    V.AsLinhaExtra = (D.AsReal - D.AsPos) * D.Fyd / V.SigLinhaNoLimite;
    if (!(V.AsLinhaExtra > 0) || !std::isfinite(V.AsLinhaExtra))
        V.AsLinhaExtra = std::numeric_limits<double>::quiet_NaN();
}

} // namespace

Verificacoes Verifica(const Dimensionamento& D) {
    Verificacoes V;
    V.Edicao = D.Edicao;
    V.FckMPa = D.Fck / 10;
    const double b = D.Base, h = D.Altura, d = h - D.DCG1;
    V.XdCG = D.XCG / d;
    V.XdReal = D.XReal / d;
    V.XdLim = D.Concreto.XiLim;
    V.FalhaXdCG = V.XdCG > V.XdLim;
    V.FalhaXdReal = V.XdReal > V.XdLim;
    AvaliaDuctilidade(D, V);

    V.AsMin = ArmaduraMinima(D.Edicao, b, h, d, D.SigCd, D.Fcd, D.Fyd, V.FckMPa);
    V.ConcretoNaoResisteMdMin = V.AsMin < 0;
    V.FalhaAsMin = V.ConcretoNaoResisteMdMin || D.AsReal < V.AsMin;

    V.TaxaPct = (D.AsReal + D.AsNegReal) / (b * h) * 100;
    V.FalhaTaxa = TaxaAcimaDaMaxima(D.AsReal, D.AsNegReal, b, h);

    V.PedePele = h > 60;
    if (V.PedePele) {
        V.AsPele = 0.001 * b * h;
        if (D.Edicao == Norma::NBR2023) V.AsPele = std::min(V.AsPele, 5 * h / 100);
    }

    const auto residuoAlto = [](double Residuo, double Rcc) {
        return !(std::fabs(Residuo) <= 0.01 * std::fabs(Rcc));
    };
    V.AlertaEquilibrio = residuoAlto(D.ResiduoCG, D.RccCG) ||
                         residuoAlto(D.ResiduoReal, D.RccReal) || !(D.MrdCG > 0) ||
                         !(D.MrdReal > 0);
    V.GamaC = D.GamaC;
    V.GamaS = D.GamaS;
    V.CoeficienteImplausivel = !(D.GamaC >= 1 && D.GamaC <= 2 && D.GamaS >= 1 && D.GamaS <= 2);

    V.FckMinimo = 20;
    V.FckMaximo = D.Edicao == Norma::NBR2023 ? 90 : 50;
    V.ClasseForaDaFaixa = V.FckMPa < V.FckMinimo || V.FckMPa > V.FckMaximo;
    return V;
}

std::string LinhaVerificacao::Texto() const {
    const std::string item = Junta(" (", Escopo, Escopo.empty() ? "" : ", ", "item ", Item, ")");
    if (Limite.empty()) return Junta(Grandeza, ": ", Valor, " — ", Veredito, item);
    return Junta(Grandeza, ": ", Valor, " (limite ", Limite, ") — ", Veredito, item);
}

std::vector<LinhaVerificacao> LinhasVerificacao(const Verificacoes& V, std::string_view Separador) {
    const auto n = [&](double v, int casas) { return FormataNumero(v, casas, Separador); };
    const auto veredito = [](bool falha) { return falha ? "não atende" : "atende"; };
    std::vector<LinhaVerificacao> l;
    l.reserve(8);
    LinhaVerificacao xd{
        "Ductilidade x/d", Junta("cálculo ", n(V.XdCalculo, 3)), Junta("≤ ", n(V.XdLim, 2)),
        "14.6.4.3",        veredito(V.FalhaDuctilidade),         V.FalhaDuctilidade};
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
        colocadas.Veredito = temArea ? Junta("nota: A's,extra = ", n(V.AsLinhaExtra, 2), " cm2")
                                     : std::string("nota");
        colocadas.Nota = Junta(
            "O cálculo atende a x/d ≤ ", n(V.XdLim, 2),
            ", mas a tração a mais das barras arredondadas move a linha neutra das barras "
            "colocadas para além do limite",
            temArea ? Junta("; uma armadura de compressão a mais de A's,extra = (As colocada − "
                            "As calculada)·fyd / σ's = ",
                            n(V.AsLinhaExtra, 2), " cm2 (σ's = ", n(V.SigLinhaNoLimite, 2),
                            " kgf/cm2 com x no limite) a traria de volta a ele.")
                    : std::string("."));
    }
    l.push_back(std::move(colocadas));
    if (V.ConcretoNaoResisteMdMin)
        l.push_back({"Armadura mínima", "o concreto não resiste a Md,min", "", "17.3.5.2.1",
                     "não atende", true});
    else
        l.push_back({"Armadura mínima", Junta("As,min = ", n(V.AsMin, 2), " cm2"),
                     "As colocada ≥ As,min", "17.3.5.2.1", veredito(V.FalhaAsMin), V.FalhaAsMin});
    l.push_back({"Armadura máxima", Junta("(As + As')/Ac = ", n(V.TaxaPct, 2), " %"),
                 Junta("≤ ", n(TaxaMaxima * 100, 0), " %"), "17.3.5.2.4", veredito(V.FalhaTaxa),
                 V.FalhaTaxa});
    if (V.PedePele)
        l.push_back({"Armadura de pele", Junta(n(V.AsPele, 2), " cm2 por face"),
                     "barras a no máximo 20 cm", "17.3.5.2.3", "acrescentar", false});
    if (V.AlertaEquilibrio)
        l.push_back({"Equilíbrio", "Rc − Rst acima de 1 % de Rcc ou Mrd ≤ 0",
                     "reduza a PrecisãoN e confira Es", "17.2.2", "resultado não confiável", true});
    if (V.CoeficienteImplausivel)
        l.push_back({"Coeficientes", Junta("γc = ", n(V.GamaC, 2), ", γs = ", n(V.GamaS, 2)),
                     Junta(n(1, 1), " a ", n(2, 1)), "12.4", "confira os valores", true});
    if (V.ClasseForaDaFaixa)
        l.push_back({"Classe do concreto", Junta("fck = ", n(V.FckMPa, 0), " MPa"),
                     Junta(n(V.FckMinimo, 0), " a ", n(V.FckMaximo, 0), " MPa"), "8.2.1",
                     "fora da faixa da norma", true});
    return l;
}

} // namespace lumbrio
