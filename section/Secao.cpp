// Lei do aço, domínios e centróides.
#include "section/Secao.h"

#include <cmath>

namespace lumbrio {

ParametrosConcreto ParametrosDe(Norma Edicao, double FckMPa) {
    ParametrosConcreto P;
    if (Edicao == Norma::NBR2003) {
        P.XiLim = FckMPa <= 35 ? 0.50 : 0.40;
        return P;
    }
    P.XiLim = 0.45;
    if (FckMPa > 40) P.EtaC = std::cbrt(40 / FckMPa);
    if (FckMPa > 50) {
        const double f = FckMPa - 50;
        P.Lambda = 0.8 - f / 400;
        P.AlfaC = 0.85 * (1 - f / 200);
        P.EpsCu = 2.6 + 35 * std::pow((90 - FckMPa) / 100, 4);
        P.EpsC2 = 2.0 + 0.085 * std::pow(f, 0.53);
        P.XiLim = 0.35;
    }
    return P;
}

std::string_view DominioDe(double X, double d, double EpsYd, const ParametrosConcreto& P) {
    if (X < XLimite2a(d, P)) return "2a";
    if (X < XLimite2b(d, P)) return "2b";
    if (X < XLimite3(d, EpsYd, P)) return "3";
    return "4";
}

double Centroide(const std::array<double, 7>& NumBarras, const std::array<int, 7>& Bitola,
                 int NumCamadas, const std::array<double, 12>& AreaBarra,
                 const std::array<double, 7>& DLinha, double Anterior) {
    double SA = 0, SM = 0;
    for (int i = 1; i <= NumCamadas; ++i) {
        const double Ai = NumBarras[i] * AreaBarra[Bitola[i]];
        SM += Ai * (DLinha[i] - DLinha[1]);
        SA += Ai;
    }
    return SA > 0 ? SM / SA + DLinha[1] : Anterior;
}

} // namespace lumbrio
