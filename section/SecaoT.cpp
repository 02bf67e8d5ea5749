#include "section/SecaoT.h"

#include "section/Secao.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumbrio {

double DistanciaEntreMomentosNulos(VinculacaoDoVao V, double Vao) {
    switch (V) {
    case VinculacaoDoVao::SimplesmenteApoiado:
        return Vao;
    case VinculacaoDoVao::ContinuoUmLado:
        return 0.75 * Vao;
    case VinculacaoDoVao::ContinuoDoisLados:
        return 0.60 * Vao;
    case VinculacaoDoVao::Balanco:
        return 2 * Vao;
    }
    return Vao;
}

double LarguraColaborante(double bw, double a, LadoDaMesa Esquerdo, LadoDaMesa Direito) {
    const auto aba = [a](LadoDaMesa L) {
        switch (L.Lado) {
        case LadoDaMesa::Tipo::Interno:
            return std::min(0.10 * a, 0.5 * L.Distancia);
        case LadoDaMesa::Tipo::Borda:
            return std::min(0.10 * a, L.Distancia);
        case LadoDaMesa::Tipo::SemLaje:
            break;
        }
        return 0.0;
    };
    return bw + aba(Esquerdo) + aba(Direito);
}

GeometriaT GeometriaDe(const FormaDaSecao& F, double bw, double h) {
    if (!F.T) return {bw, 0, bw, h, true};
    return {F.Bf, F.Hf, bw, h, F.MesaComprimida};
}

PropriedadesT PropriedadesDe(const GeometriaT& G) {
    // Da face da mesa: a mesa de 0 a hf, a alma de hf a h.
    const double am = G.bf * G.hf, aa = G.bw * (G.h - G.hf);
    const double ym = G.hf / 2, ya = (G.hf + G.h) / 2;
    PropriedadesT p;
    p.Area = am + aa;
    const double yc = (am * ym + aa * ya) / p.Area;
    p.I = G.bf * G.hf * G.hf * G.hf / 12 + am * (yc - ym) * (yc - ym) +
          G.bw * (G.h - G.hf) * (G.h - G.hf) * (G.h - G.hf) / 12 + aa * (ya - yc) * (ya - yc);
    p.Yt = G.MesaComprimida ? G.h - yc : yc;
    p.W0 = p.I / p.Yt;
    return p;
}

ZonaComprimida ZonaComprimidaDe(const GeometriaT& G, double y) {
    ZonaComprimida z{G.bw * y, G.bw * y * y / 2};
    if (G.MesaComprimida) {
        const double m = std::min(y, G.hf);
        z.Area += G.Aba() * m;
        z.Momento += G.Aba() * m * m / 2;
    }
    return z;
}

double MomentoDasAbas(const GeometriaT& G, double d, double SigCd) {
    return SigCd * G.Aba() * G.hf * (d - G.hf / 2);
}

double AlturaDoBlocoT(const GeometriaT& G, double d, double Md, double SigCd) {
    double b = G.bw, m = Md;
    if (G.MesaComprimida) {
        const double mesa = MomentoDasAbas(G, d, SigCd);
        if (Md <= mesa + SigCd * G.bw * G.hf * (d - G.hf / 2))
            b = G.bf;
        else
            m = Md - mesa;
    }
    const double radicando = d * d - 2 * m / (b * SigCd);
    return radicando < 0 ? std::numeric_limits<double>::quiet_NaN() : d - std::sqrt(radicando);
}

double ArmaduraMinimaT(Norma Edicao, const GeometriaT& G, double d, double SigCd, double Fcd,
                       double Fyd, double FckMPa) {
    const PropriedadesT p = PropriedadesDe(G);
    if (Edicao == Norma::NBR2003) {
        const double omega = G.MesaComprimida ? 0.024 : 0.031;
        return std::max(0.0015, omega * Fcd / Fyd) * p.Area;
    }
    const double fctkSup = 1.3 * FctmMPa(Edicao, FckMPa) * 10; // kgf/cm²
    const double y = AlturaDoBlocoT(G, d, 0.8 * p.W0 * fctkSup, SigCd);
    if (std::isnan(y)) return -1;
    return std::max(0.0015 * p.Area, ZonaComprimidaDe(G, y).Area * SigCd / Fyd);
}

double MomentoDeFissuracaoT(const GeometriaT& G, double Fctm) {
    const PropriedadesT p = PropriedadesDe(G);
    return 1.2 * (0.7 * Fctm) * p.I / p.Yt;
}

EstadioII EstadioIIDe(const GeometriaT& G, const std::vector<AreaEmY>& Areas, double AlfaE) {
    const double e = G.MesaComprimida ? G.Aba() : 0;
    EstadioII r = EstadioIIDe(G.bw + e, Areas, AlfaE);
    if (r.X <= G.hf || e == 0) return r;
    // bw/2·x² + (e·hf + A)·x − (e·hf²/2 + S) = 0, com A = Σ αe·A e S = Σ αe·A·y.
    double a = 0, s = 0;
    for (const auto& k : Areas) a += AlfaE * k.Area, s += AlfaE * k.Area * k.Y;
    const double B = e * G.hf + a, C = e * G.hf * G.hf / 2 + s;
    r.X = 2 * C / (B + std::sqrt(B * B + 2 * G.bw * C));
    const double abaixo = r.X - G.hf; // a parte da alma abaixo da mesa
    r.I = G.bw * r.X * r.X * r.X / 3 + e * (r.X * r.X * r.X - abaixo * abaixo * abaixo) / 3;
    for (const auto& k : Areas) r.I += AlfaE * k.Area * (k.Y - r.X) * (k.Y - r.X);
    return r;
}

} // namespace lumbrio
