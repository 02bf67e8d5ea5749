// Verificações da NBR 6118 com as barras colocadas.
#include "section/Verificacoes.h"

#include "base/Catalogos.h"
#include "section/Comparacao.h"
#include "section/SecaoT.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumbrio {

double ArmaduraMinima(Norma Edicao, double b, double h, double d, double SigCd, double Fcd,
                      double Fyd, double FckMPa) {
    const double minima = 0.0015 * b * h;
    if (Edicao == Norma::NBR2003) return std::max(0.0015, 0.035 * Fcd / Fyd) * b * h;
    // Md,min = 0,8·W0·fctk,sup, com o bloco da edição e o aço em fyd.
    const double fctkSup = 1.3 * FctmMPa(Edicao, FckMPa) * 10; // kgf/cm²
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

void AvaliaDuctilidade(const EstadoDeCalculo& D, Verificacoes& V) {
    const double d = D.AlturaUtil;
    // Barras dadas não têm x de cálculo: vale o maior x delas, dos dois modelos.
    const double x = D.Verificacao ? std::max(D.XCG, D.XReal) : D.XCalculo;
    V.XdCalculo = x / d;
    V.FalhaXdCalculo = AcimaDe(V.XdCalculo, V.XdLim);
    V.FalhaDuctilidade = V.FalhaXdCalculo;
    if (D.Edicao == Norma::NBR2003 && V.FalhaXdCalculo) {
        const bool dominio4 = AcimaDe(x, XLimite3(d, D.EpsYd, D.Concreto));
        V.FalhaDuctilidade = dominio4;
        V.XdSoApoios = !dominio4;
    }
    V.NotaArredondamento = !D.Verificacao && !V.FalhaXdCalculo && (V.FalhaXdCG || V.FalhaXdReal);
    if (!V.NotaArredondamento) return;
    // A tração a mais das barras, (As colocada − As calculada)·fyd, equilibrada por As'
    // a mais na camada comprimida com x no limite.
    const double xLim = V.XdLim * d;
    const double epsLinha = EpsConcreto(xLim, d, D.Concreto) * (xLim - D.DCG2) / xLim;
    V.SigLinhaNoLimite = LeiDoCalculo(D).Tensao(epsLinha);
    V.AsLinhaExtra = (D.AsReal - D.AsPos) * D.Fyd / V.SigLinhaNoLimite;
    if (!(V.AsLinhaExtra > 0) || !std::isfinite(V.AsLinhaExtra))
        V.AsLinhaExtra = std::numeric_limits<double>::quiet_NaN();
}

} // namespace

Verificacoes Verifica(const EstadoDeCalculo& D) {
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

    const GeometriaT g = GeometriaDe(D.Forma, b, h);
    V.SecaoT = D.Forma.T;
    V.MesaComprimida = g.MesaComprimida;
    V.AsMin = V.SecaoT ? ArmaduraMinimaT(D.Edicao, g, d, D.SigCd, D.Fcd, D.Fyd, V.FckMPa)
                       : ArmaduraMinima(D.Edicao, b, h, d, D.SigCd, D.Fcd, D.Fyd, V.FckMPa);
    V.ConcretoNaoResisteMdMin = V.AsMin < 0;
    V.FalhaAsMin = V.ConcretoNaoResisteMdMin || D.AsReal < V.AsMin;
    if (V.SecaoT) {
        const double xd = D.Verificacao ? std::max(D.XCG, D.XReal) : D.XCalculo;
        V.CasoMesa = g.AbasComprimidas() && D.Concreto.Lambda * xd <= g.hf;
        if (g.AbasComprimidas() && !V.CasoMesa)
            V.MomentoAbas = MomentoDasAbas(g, D.AlturaUtil, D.SigCd);
        V.W0 = PropriedadesDe(g).W0;
    }

    const double ac = V.SecaoT ? PropriedadesDe(g).Area : b * h;
    V.TaxaPct = (D.AsReal + D.AsNegReal) / ac * 100;
    V.FalhaTaxa = TaxaAcimaDaMaxima(D.AsReal, D.AsNegReal, ac);

    V.PedePele = h > 60;
    if (V.PedePele) {
        V.AsPele = 0.001 * b * h;
        if (D.Edicao == Norma::NBR2023) V.AsPele = std::min(V.AsPele, 5 * h / 100);
    }

    const auto residuoAlto = [](double Residuo, double Rcc) {
        return !(std::fabs(Residuo) <= 0.01 * std::fabs(Rcc));
    };
    V.AlertaEquilibrioCG = residuoAlto(D.ResiduoCG, D.RccCG) || !(D.MrdCG > 0);
    V.AlertaEquilibrioReal = residuoAlto(D.ResiduoReal, D.RccReal) || !(D.MrdReal > 0);
    V.AlertaEquilibrio = V.AlertaEquilibrioCG || V.AlertaEquilibrioReal;
    V.ResiduoMax = std::max(std::fabs(D.ResiduoCG), std::fabs(D.ResiduoReal));
    V.LimiteResiduo = 0.01 * std::min(std::fabs(D.RccCG), std::fabs(D.RccReal));

    V.Md = D.Md;
    V.MrdCG = D.MrdCG;
    V.MrdReal = D.MrdReal;
    V.Verificacao = D.Verificacao;
    V.TemMd = D.TemMd;
    V.FalhaMrdCG = D.TemMd && !(D.MrdCG >= D.Md);
    V.FalhaMrdReal = D.TemMd && !(D.MrdReal >= D.Md);
    V.UtilCG = D.Md / D.MrdCG;
    V.UtilReal = D.Md / D.MrdReal;
    V.UnidadeMd = D.UnidadeMd;
    V.FatorMd = D.FatorMd;
    V.PctHPos = D.PctHPos;
    V.PctHNeg = D.PctHNeg;
    V.TemNeg = D.Neg.NumBarras[1] > 0;
    V.FalhaPctH = D.PctHPos > LimitePctH || (V.TemNeg && D.PctHNeg > LimitePctH);
    for (int i = 1; i <= D.Pos.NumCamadas; ++i) V.CamadasPos += D.Pos.NumBarras[i] > 0;
    for (int i = 1; i <= D.Neg.NumCamadas; ++i) V.CamadasNeg += D.Neg.NumBarras[i] > 0;
    V.EsgotadasPos = D.Pos.Transborda;
    V.EsgotadasNeg = D.Neg.Transborda;
    V.DominioCG = D.DominioCG;
    V.DominioReal = D.DominioReal;
    V.FalhaDominio4 = (D.DominioCG == "4" || D.DominioReal == "4") && D.OpcaoDominio4 != 1;
    V.BarrasCamada1 = static_cast<int>(D.Pos.NumBarras[1]);
    V.FalhaBarrasCamada1 = V.BarrasCamada1 < 2;
    V.GamaC = D.GamaC;
    V.GamaS = D.GamaS;
    V.CoeficienteImplausivel = !(D.GamaC >= 1 && D.GamaC <= 2 && D.GamaS >= 1 && D.GamaS <= 2);

    V.FckMinimo = 20;
    V.FckMaximo = D.Edicao == Norma::NBR2023 ? 90 : 50;
    V.ClasseForaDaFaixa = V.FckMPa < V.FckMinimo || V.FckMPa > V.FckMaximo;
    return V;
}

} // namespace lumbrio
