// Armaduras teóricas: As' quando x passa de x máximo, e As.
#include "section/ArmaduraTeorica.h"

#include "base/Numeros.h"
#include "base/Recusa.h"

#include <cmath>

namespace lumbrio {

namespace {

[[noreturn]] void SecaoNaoComporta(const std::string& Detalhe) {
    Recusar(Junta("A seção não comporta a armadura: ", Detalhe),
            "Aumente a altura ou reduza o cobrimento, o estribo ou as bitolas.");
}

} // namespace

ArmaduraNegativa AsTeoricaNeg(double X, double d, const GeometriaT& G, double SigCd,
                              const ParametrosConcreto& P, const LeiDoAco& Lei, double Md,
                              double DCG2) {
    if (!(d > DCG2))
        SecaoNaoComporta(Junta("a altura útil d = ", NumeroMensagem(d, 3),
                               " cm não passa do centróide da armadura de compressão d'CG2 = ",
                               NumeroMensagem(DCG2, 3), " cm."));
    ArmaduraNegativa a;
    a.B = BlocoEm(X, d, G, SigCd, P, RegimeBloco::Compressao);
    a.DeltaM = Md - a.B.MRcc;
    a.Rsc = a.DeltaM / (d - DCG2);
    a.Eps = a.B.EpsC * (X - DCG2) / X;
    a.Sig = Lei.Tensao(a.Eps);
    a.AsLinha = std::fabs(a.Rsc / a.Sig);
    if (!std::isfinite(a.AsLinha))
        SecaoNaoComporta("o centróide da armadura de compressão fica sobre a linha neutra "
                         "(deformação nula).");
    return a;
}

ArmaduraPositiva AsTeoricaPos(double X, double d, double EpsC, double Rcc, double Rsc,
                              const LeiDoAco& Lei) {
    ArmaduraPositiva a;
    if (X == d) {
        a.SemLimite = true;
        a.As = 999999999999;
        return a;
    }
    a.Eps = EpsC * (d - X) / X;
    a.Sig = Lei.Tensao(a.Eps);
    a.As = (Rsc + Rcc) / a.Sig;
    if (!(a.As >= 0) || !std::isfinite(a.As))
        SecaoNaoComporta(Junta("a armadura de tração necessária resultou negativa (As = ",
                               NumeroMensagem(a.As, 2), " cm²)."));
    return a;
}

} // namespace lumbrio
