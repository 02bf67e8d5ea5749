// Verificações da NBR 6118 com as barras colocadas.
#include "section/Verificacoes.h"

#include "base/Catalogos.h"
#include "section/Comparacao.h"
#include "section/SecaoT.h"
#include "section/ValoresFinais.h"

#include <algorithm>
#include <array>
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

// As barras colocadas com Extra (cm²) a mais na camada comprimida 1 voltam a x/d ≤ o
// limite nos dois modelos, como as linhas o mostram (três casas).
bool ExtraTrazDeVolta(const EstadoDeCalculo& D, double Extra, double XdLim) {
    SecaoColocada s = ColocadaDe(D);
    const double area = D.AreaBarra[static_cast<std::size_t>(s.Neg.Bitola[1])];
    if (!(area > 0)) return false;
    s.Neg.NumBarras[1] += Extra / area;
    s.Neg.DCG = Centroide(s.Neg.NumBarras, s.Neg.Bitola, s.Neg.NumCamadas, s.AreaBarra,
                          s.Neg.DLinha, s.Neg.DCG);
    const double d = D.Altura - D.DCG1;
    return std::ranges::all_of(std::array{false, true}, [&](bool Real) {
        return BuscaEquilibrio(s, Real, D.PrecisãoN).X / d < XdLim + 0.0005;
    });
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
    V.AsLinhaExtraConferida = V.AsLinhaExtra > 0 && std::isfinite(V.AsLinhaExtra) &&
                              ExtraTrazDeVolta(D, V.AsLinhaExtra, V.XdLim);
    if (!V.AsLinhaExtraConferida) V.AsLinhaExtra = std::numeric_limits<double>::quiet_NaN();
}

// Durabilidade, item 7.4: Tabelas 7.1 e 7.2 (vigas) e as bitolas de CA-60.
void AvaliaDurabilidade(const EstadoDeCalculo& D, Verificacoes& V) {
    V.ClasseCAA = std::clamp(D.EntFissuracao.Classe, 1, 4);
    const auto c = static_cast<std::size_t>(V.ClasseCAA - 1);
    V.FckMinimoCAA = std::array{20.0, 25.0, 30.0, 40.0}[c];
    V.CobrimentoMinimoCAA = std::array{2.5, 3.0, 4.0, 5.0}[c];
    V.Cobrimento = D.Cobrimento;
    // A folga cobre fck lido numa unidade que não é MPa (kN/cm², kgf/cm²).
    V.FalhaClasseCAA = V.FckMPa < V.FckMinimoCAA - 1e-9;
    V.FalhaCobrimentoCAA = D.Cobrimento < V.CobrimentoMinimoCAA - 1e-9;
    double fi = 0; // cm
    if (D.Fyk == 6000)
        for (const Face* f : {&D.Pos, &D.Neg})
            for (int i = 1; i <= f->NumCamadas; ++i)
                if (f->NumBarras[i] > 0)
                    fi = std::max(fi, D.Diametro[static_cast<std::size_t>(f->Bitola[i])]);
    if (D.EntCortante.Usada && D.EntCortante.Fywk == 6000)
        fi = std::max(fi, D.Diametro[static_cast<std::size_t>(D.BitolaEstr)]);
    V.FalhaCA60 = fi > 1 + 1e-9;
    V.BitolaCA60 = V.FalhaCA60 ? fi * 10 : 0;
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
    V.BarrasCamada1Neg = static_cast<int>(D.Neg.NumBarras[1]);
    V.FalhaBarrasCamada1 = V.BarrasCamada1 < 2 || (V.TemNeg && V.BarrasCamada1Neg < 2);
    V.GamaC = D.GamaC;
    V.GamaS = D.GamaS;
    V.CoeficienteImplausivel = !(D.GamaC >= 1 && D.GamaC <= 2 && D.GamaS >= 1 && D.GamaS <= 2);

    V.FckMinimo = 20;
    V.FckMaximo = D.Edicao == Norma::NBR2023 ? 90 : 50;
    V.ClasseForaDaFaixa = V.FckMPa < V.FckMinimo || V.FckMPa > V.FckMaximo;
    AvaliaDurabilidade(D, V);
    return V;
}

VereditoSecao VereditoDe(const EstadoDeCalculo& D) {
    const Verificacoes& V = D.Verif;
    const ResultadoCortante& C = D.ResCortante;
    const ResultadoFissuracao& W = D.ResFissuracao;
    // Com as bielas rompidas, nenhum estribo vale: só as bielas contam.
    const bool estribos = C.Calculado && !C.FalhaBielas;
    const std::pair<Falha, bool> todas[] = {
        {Falha::MrdCG, V.FalhaMrdCG},
        {Falha::MrdReal, V.FalhaMrdReal},
        {Falha::PctH, V.FalhaPctH},
        {Falha::Camadas, V.EsgotadasPos || V.EsgotadasNeg},
        {Falha::XIgualD, D.AsPosSemLimite},
        {Falha::Dominio4, V.FalhaDominio4},
        {Falha::BarrasCamada1, V.FalhaBarrasCamada1},
        {Falha::Ductilidade, V.FalhaDuctilidade},
        {Falha::AsMin, V.FalhaAsMin},
        {Falha::Taxa, V.FalhaTaxa},
        {Falha::Equilibrio, V.AlertaEquilibrio},
        {Falha::Coeficientes, V.CoeficienteImplausivel},
        {Falha::ClasseFck, V.ClasseForaDaFaixa},
        {Falha::Bielas, C.Calculado && C.FalhaBielas},
        {Falha::Estribos, estribos && (C.FalhaS || C.AbaixoDoMinimo)},
        {Falha::Ramos, estribos && C.FalhaSt},
        {Falha::DiametroEstribo, estribos && C.FalhaPhiT},
        {Falha::Wk, W.Calculado && W.FalhaWk},
        {Falha::SigmaFyk, SigmaAcimaDeFyk(W, D.Fyk)},
        {Falha::ClasseCAA, V.FalhaClasseCAA},
        {Falha::CobrimentoCAA, V.FalhaCobrimentoCAA},
        {Falha::CA60, V.FalhaCA60},
    };
    VereditoSecao r;
    for (const auto& [falha, falhou] : todas)
        if (falhou) r.Falhas.push_back(falha);
    r.AlemDaSecao = V.EsgotadasPos || V.EsgotadasNeg || V.FalhaTaxa || D.AsPosSemLimite;
    return r;
}

} // namespace lumbrio
