// Força cortante: resistência das bielas, parcela do concreto e estribos.
#include "section/Cortante.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumbrio {

namespace {

constexpr double FywdMaxima = 4350; // kgf/cm² (435 MPa)

double Radianos(double Graus) {
    return Graus * std::numbers::pi / 180;
}

double Cot(double Graus) {
    // cot 90° exata: o seno é 1 e o cosseno de π/2 em double não é zero.
    return Graus == 90 ? 0 : 1 / std::tan(Radianos(Graus));
}

} // namespace

ResultadoCortante CalculaCortante(const EntradasCortante& E, const SecaoCortante& S) {
    ResultadoCortante R;
    R.Calculado = true;
    const double fckMPa = S.Fck / 10;
    const double bwd = S.Bw * S.D;
    const double sinA = std::sin(Radianos(E.Alfa));
    const double cosA = E.Alfa == 90 ? 0 : std::cos(Radianos(E.Alfa));
    const double cotA = Cot(E.Alfa);
    const bool modeloI = E.Modelo == ModeloTrelica::I;

    R.AlfaV2 = 1 - fckMPa / 250;
    const double fcd = S.Fck / S.GamaC;
    R.FctmMPa = FctmMPa(S.Edicao, fckMPa);
    R.Fctd = 0.7 * R.FctmMPa * 10 / S.GamaC;
    R.Fywd = std::min(E.Fywk / S.GamaS, FywdMaxima);
    R.Vc0 = 0.6 * R.Fctd * bwd;

    // Braço da treliça por unidade de Asw/s: Vsw = Asw/s · 0,9·d·fywd · fator.
    double fator;
    if (modeloI) {
        R.VRd2 = 0.27 * R.AlfaV2 * fcd * bwd;
        R.Vc = R.Vc0;
        fator = sinA + cosA;
    } else {
        const double sinT = std::sin(Radianos(E.Teta));
        const double cotT = Cot(E.Teta);
        R.VRd2 = 0.54 * R.AlfaV2 * fcd * bwd * sinT * sinT * (cotA + cotT);
        // Vc1: Vc0 até Vd = Vc0, zero em Vd = VRd2, linear entre eles.
        if (E.Vd <= R.Vc0)
            R.Vc = R.Vc0;
        else if (E.Vd >= R.VRd2)
            R.Vc = 0;
        else
            R.Vc = R.Vc0 * (R.VRd2 - E.Vd) / (R.VRd2 - R.Vc0);
        fator = (cotA + cotT) * sinA;
    }
    const double porAswS = 0.9 * S.D * R.Fywd * fator;
    R.Vsw = std::max(0.0, E.Vd - R.Vc);
    R.AswS = R.Vsw / porAswS;
    R.RhoSwMin = 0.2 * R.FctmMPa * 10 / E.Fywk;
    R.AswSMin = R.RhoSwMin * S.Bw * sinA;
    R.AswSAdotada = std::max(R.AswS, R.AswSMin);
    // Vd até o qual a armadura mínima governa.
    const double vswMin = R.AswSMin * porAswS;
    R.VdMin =
        modeloI || !(R.VRd2 > R.Vc0) ? R.Vc0 + vswMin : R.Vc0 + vswMin * (R.VRd2 - R.Vc0) / R.VRd2;
    R.FalhaBielas = E.Vd > R.VRd2;

    // Espaçamentos do item 18.3.3.2.
    const bool perto = E.Vd > 0.67 * R.VRd2;
    R.SMax = perto ? std::min(0.3 * S.D, 20.0) : std::min(0.6 * S.D, 30.0);
    R.StMax = E.Vd > 0.20 * R.VRd2 ? std::min(0.6 * S.D, 35.0) : std::min(S.D, 80.0);
    R.SCalculado = E.Ramos * S.AreaEstribo / R.AswSAdotada;
    const auto abaixo = [](double s) {
        return std::floor(s / PassoEspacamento + 1e-9) * PassoEspacamento;
    };
    R.SLimitado = R.SCalculado > R.SMax;
    R.S = abaixo(std::min(R.SCalculado, R.SMax));
    // Abaixo do passo o arredondamento daria 0: estribos que não se montam.
    R.FalhaS = R.S < PassoEspacamento;
    R.St = (S.Bw - 2 * S.Cobrimento - S.PhiT) / (E.Ramos - 1);
    R.FalhaSt = R.St > R.StMax;
    R.PhiTMax = S.Bw / 10;
    R.FalhaPhiT = S.PhiT < R.PhiTMin - 1e-12 || S.PhiT > R.PhiTMax;
    // Estribos dados: o que resistem, com as mesmas parcelas, contra Vd e os limites.
    R.EstribosDados = E.SDado > 0;
    if (R.EstribosDados) {
        R.AswSDada = E.Ramos * S.AreaEstribo / E.SDado;
        R.VswDada = R.AswSDada * porAswS;
        R.VRd3 = R.Vc + R.VswDada;
        R.FalhaVRd3 = E.Vd > R.VRd3;
        R.FalhaSDado = E.SDado > R.SMax;
        R.FalhaAswSDada = R.AswSDada < R.AswSMin;
    }
    return R;
}

} // namespace lumbrio
