// Abertura de fissuras no estádio II.
#include "section/Fissuracao.h"
#include "section/SecaoT.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace lumbrio {

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

struct Ponto {
    double X, Y;
};
using Poligono = std::vector<Ponto>;

// Parte de P (convexo) mais perto de A que de Q, o lado de A da mediatriz, em R (a
// memória de R é reaproveitada).
void CortaPelaMediatriz(const Poligono& P, Ponto A, Ponto Q, Poligono& r) {
    const double nx = Q.X - A.X, ny = Q.Y - A.Y;
    const double mx = (A.X + Q.X) / 2, my = (A.Y + Q.Y) / 2;
    const auto lado = [&](Ponto V) { return (V.X - mx) * nx + (V.Y - my) * ny; };
    r.clear();
    for (std::size_t i = 0; i < P.size(); ++i) {
        const Ponto u = P[i], v = P[(i + 1) % P.size()];
        const double fu = lado(u), fv = lado(v);
        if (fu <= 0) r.push_back(u);
        if ((fu < 0 && fv > 0) || (fu > 0 && fv < 0)) {
            const double t = fu / (fu - fv);
            r.push_back({u.X + t * (v.X - u.X), u.Y + t * (v.Y - u.Y)});
        }
    }
}

// Área pela fórmula do cadarço.
double AreaDe(const Poligono& P) {
    double s = 0;
    for (std::size_t i = 0; i < P.size(); ++i) {
        const Ponto u = P[i], v = P[(i + 1) % P.size()];
        s += u.X * v.Y - v.X * u.Y;
    }
    return std::fabs(s) / 2;
}

} // namespace

std::vector<double> AbscissasDasBarras(int N, double b, double Cobrimento, double FiEstribo,
                                       double Fi) {
    std::vector<double> x;
    const double primeira = Cobrimento + FiEstribo + Fi / 2, ultima = b - primeira;
    for (int j = 0; j < N; ++j)
        x.push_back(N == 1 ? primeira : primeira + j * (ultima - primeira) / (N - 1));
    return x;
}

std::vector<AreaEmY> AreasReais(const std::vector<CamadaFissuracao>& Camadas) {
    std::vector<AreaEmY> r;
    for (const auto& c : Camadas)
        if (c.Area() > 0) r.push_back({c.Area(), c.Y});
    return r;
}

std::vector<AreaEmY> AreasCG(const std::vector<CamadaFissuracao>& Camadas) {
    std::vector<AreaEmY> r;
    for (const bool tracionada : {true, false}) {
        double a = 0, ay = 0;
        for (const auto& c : Camadas)
            if (c.Tracionada == tracionada) a += c.Area(), ay += c.Area() * c.Y;
        if (a > 0) r.push_back({a, ay / a});
    }
    return r;
}

EstadioII EstadioIIDe(double b, const std::vector<AreaEmY>& Areas, double AlfaE) {
    // b/2·x² + A·x − S = 0, com A = Σ αe·A e S = Σ αe·A·y; a raiz positiva sem
    // subtração de números próximos.
    double a = 0, s = 0;
    for (const auto& k : Areas) a += AlfaE * k.Area, s += AlfaE * k.Area * k.Y;
    EstadioII e;
    e.X = 2 * s / (a + std::sqrt(a * a + 2 * b * s));
    e.I = b * e.X * e.X * e.X / 3;
    for (const auto& k : Areas) e.I += AlfaE * k.Area * (k.Y - e.X) * (k.Y - e.X);
    return e;
}

double MomentoDeFissuracao(double b, double h, double Fctm) {
    return 1.5 * (0.7 * Fctm) * b * h * h / 6;
}

double Eta1(std::string_view TextoAco, Norma Edicao) {
    // "Aço CA-50A" e "Aço CA-50B" são o mesmo aço, classes A e B.
    const auto e = [&](std::string_view Aco) {
        return TextoAco.size() == Aco.size() + 1 && TextoAco.starts_with(Aco) &&
               (TextoAco.back() == 'A' || TextoAco.back() == 'B');
    };
    if (e("Aço CA-25")) return 1.0;
    if (e("Aço CA-50")) return 2.25;
    if (e("Aço CA-60")) return Edicao == Norma::NBR2003 ? 1.4 : 1.0;
    return NaN;
}

AberturaFissura AberturaDeFissura(double Fi, double Sigma, double Es, double Fctm, double Eta1,
                                  double Rho) {
    // σ/Es e 3σ/fctm não têm unidade: com φ em mm, wk sai em mm.
    const double k = 10 * Fi / (12.5 * Eta1) * (Sigma / Es);
    AberturaFissura w;
    w.W1 = k * 3 * Sigma / Fctm;
    w.W2 = k * (4 / Rho + 45);
    w.Wk = std::min(w.W1, w.W2);
    return w;
}

std::vector<std::vector<double>> AreasCriticas(double b, double h,
                                               const std::vector<CamadaFissuracao>& Camadas) {
    std::vector<Ponto> tracionadas;
    std::size_t n = 0;
    for (const auto& c : Camadas) n += c.Tracionada ? c.XBarras.size() : 0;
    tracionadas.reserve(n);
    for (const auto& c : Camadas)
        if (c.Tracionada)
            for (const double x : c.XBarras) tracionadas.push_back({x, c.Y});
    std::vector<std::vector<double>> r(Camadas.size());
    Poligono p, cortado;
    for (std::size_t k = 0; k < Camadas.size(); ++k) {
        const CamadaFissuracao& c = Camadas[k];
        if (!c.Tracionada) continue;
        const double m = 7.5 * c.Fi;
        for (const double x : c.XBarras) {
            const Ponto a{x, c.Y};
            const double x0 = std::max(0.0, x - m), x1 = std::min(b, x + m);
            const double y0 = std::max(0.0, c.Y - m), y1 = std::min(h, c.Y + m);
            p.assign({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
            for (const Ponto q : tracionadas) {
                if (q.X == a.X && q.Y == a.Y) continue;
                CortaPelaMediatriz(p, a, q, cortado);
                std::swap(p, cortado);
            }
            r[k].push_back(AreaDe(p));
        }
    }
    return r;
}

AnaliseFissuracao AnalisaFissuracao(const DadosFissuracao& D) {
    AnaliseFissuracao r;
    const GeometriaT g = GeometriaDe(D.Forma, D.b, D.h);
    const auto estadioII = [&](const std::vector<AreaEmY>& Areas) {
        return D.Forma.T ? EstadioIIDe(g, Areas, D.AlfaE) : EstadioIIDe(D.b, Areas, D.AlfaE);
    };
    r.Real = estadioII(AreasReais(D.Camadas));
    const std::vector<AreaEmY> cg = AreasCG(D.Camadas);
    r.CG = estadioII(cg);
    // A face tracionada, quando há, vem primeiro em AreasCG.
    const bool haTracao = std::ranges::any_of(
        D.Camadas, [](const CamadaFissuracao& c) { return c.Tracionada && c.Area() > 0; });
    r.YCG = haTracao ? cg.front().Y : NaN;
    r.SigmaCG = r.CG.TensaoAco(r.YCG, D.Mser, D.AlfaE);
    r.Mr = D.Forma.T ? MomentoDeFissuracaoT(g, D.Fctm) : MomentoDeFissuracao(D.b, D.h, D.Fctm);
    r.Fissura = D.Mser > r.Mr;
    const auto acri = AreasCriticas(D.b, D.h, D.Camadas);
    std::size_t barras = 0;
    for (const auto& a : acri) barras += a.size();
    r.Barras.reserve(barras);
    for (std::size_t k = 0; k < D.Camadas.size(); ++k) {
        const CamadaFissuracao& c = D.Camadas[k];
        for (std::size_t j = 0; j < acri[k].size(); ++j) {
            const double sigma = r.Real.TensaoAco(c.Y, D.Mser, D.AlfaE), a = acri[k][j];
            BarraFissuracao f{k, c.XBarras[j], c.Y, sigma, a, c.AreaBarra / a, {}};
            if (r.Fissura && f.Sigma > 0)
                f.W = AberturaDeFissura(c.Fi, f.Sigma, D.Es, D.Fctm, D.Eta1, f.Rho);
            r.WkMax = std::max(r.WkMax, f.W.Wk);
            r.Barras.push_back(f);
        }
    }
    return r;
}

std::optional<LimitesBarras> LimitesSemCalculoDeWk(double SigmaMPa) {
    constexpr std::array<std::array<double, 3>, 6> tabela{{{160, 32, 30},
                                                           {200, 25, 25},
                                                           {240, 20, 20},
                                                           {280, 16, 15},
                                                           {320, 12.5, 10},
                                                           {360, 10, 5}}};
    for (const auto& [sigma, fi, s] : tabela)
        if (SigmaMPa <= sigma) return LimitesBarras{fi, s};
    return std::nullopt;
}

double AberturaLimite(int ClasseAgressividade) {
    constexpr std::array<double, 4> limites{0.4, 0.3, 0.3, 0.2};
    return ClasseAgressividade >= 1 && ClasseAgressividade <= 4 ? limites[ClasseAgressividade - 1]
                                                                : NaN;
}

} // namespace lumbrio
