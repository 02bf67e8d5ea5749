// Armaduras teóricas: As' quando x passa de x máximo, e As.
#include "calc/Numeros.h"
#include "program/Dimensionamento.h"
#include "section/Secao.h"
#include "section/Verificacoes.h"

#include <cmath>

namespace lumbrio {

namespace {

[[noreturn]] void SecaoNaoComporta(const std::string& Detalhe) {
    Recusar(Junta("A seção não comporta a armadura: ", Detalhe),
            "Aumente a altura ou reduza o cobrimento, o estribo ou as bitolas.");
}

} // namespace

void Dimensionamento::AsTeóricaNeg() {
    const double d = AlturaUtil;
    if (!(d > DCG2))
        SecaoNaoComporta(Junta("a altura útil d = ", FormataNumero(d, 3),
                               " cm não passa do centróide da armadura de compressão d'CG2 = ",
                               FormataNumero(DCG2, 3), " cm."));
    Y = Concreto.Lambda * X;
    Z = d - Y / 2;
    if (X >= XLimite2a(d, Concreto)) {
        EpsC = Concreto.EpsCu;
        Rcc = Y * Base * SigCd;
    } else {
        EpsC = 10 * X / (d - X);
        SigCdRed = TensaoBlocoReduzida(SigCd, EpsC, Concreto);
        Rcc = Y * Base * SigCdRed;
    }
    MRcc = Z * Rcc;
    DeltaM = Md - MRcc;
    Rsc = DeltaM / (d - DCG2); // binário As'–As com braço d − d'CG2
    EpsNeg[1] = EpsC * (X - DCG2) / X;
    IndCamada = 1;
    SigSdAçoNeg();
    AsNegRestante = std::fabs(Rsc / SigNeg[1]);
    if (!std::isfinite(AsNegRestante))
        SecaoNaoComporta("o centróide da armadura de compressão fica sobre a linha neutra "
                         "(deformação nula).");
    AsNeg = AsNegRestante;
}

void Dimensionamento::AsTeóricaPos() {
    const double d = AlturaUtil;
    MinimaGovernou = false;
    if (X == d) {
        // Deformação nula no aço: área sem limite.
        AsPosRestante = 999999999999;
        AsPosSemLimite = true;
        return;
    }
    AsPosSemLimite = false;
    IndCamada = 1;
    EpsPos[1] = EpsC * (d - X) / X;
    SigSdAço();
    AsPosRestante = (Rsc + Rcc) / SigPos[1];
    if (!(AsPosRestante >= 0) || !std::isfinite(AsPosRestante))
        SecaoNaoComporta(Junta("a armadura de tração necessária resultou negativa (As = ",
                               FormataNumero(AsPosRestante, 2), " cm2)."));
    AsPosCalculada = AsPosRestante;
    if (Edicao == Norma::NBR2023) {
        // A edição em vigor dimensiona com pelo menos As,min, com o d desta passagem.
        const double asMin = ArmaduraMinima(Edicao, Base, Altura, d, SigCd, Fcd, Fyd, Fck / 10);
        if (AsPosRestante < asMin) {
            AsPosRestante = asMin;
            MinimaGovernou = true;
        }
    }
    AsPos = AsPosRestante;
}

} // namespace lumbrio
