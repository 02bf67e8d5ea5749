// Escrita de SVG sem biblioteca: números com "." e poucos algarismos.
#include "output/Svg.h"

#include "calc/Numeros.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace lumbrio {

namespace {

// Número SVG: três casas, sem zeros finais ("12.5", "3").
std::string N(double v) {
    std::string s = FormataNumero(v, 3, ".");
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    return s.empty() ? "0" : s;
}

std::string Escapa(const std::string& t) {
    std::string s;
    for (char c : t) {
        switch (c) {
        case '&':
            s += "&amp;";
            break;
        case '<':
            s += "&lt;";
            break;
        case '>':
            s += "&gt;";
            break;
        case '"':
            s += "&quot;";
            break;
        default:
            s += c;
        }
    }
    return s;
}

} // namespace

std::string CorSvg(int Cor) {
    const Rgb c = RgbDaCor(Cor);
    char s[8];
    std::snprintf(s, sizeof s, "#%02x%02x%02x", c.r, c.g, c.b);
    return s;
}

Recorte RecorteDe(const Primitiva& P) {
    if (P.tipo == Primitiva::Tipo::Linha && P.y1 == P.y2) return Recorte::Ambos;
    const auto& m = Shape4;
    const bool noDiagrama = P.x1 >= m.Left - 15 && P.x1 <= m.Left + m.Width + 15 &&
                            P.y1 >= m.Top - 15 && P.y1 <= m.Top + m.Height + 15;
    return noDiagrama ? Recorte::Diagrama : Recorte::Secao;
}

Moldura MolduraDoRecorte(Recorte R) {
    const auto& d = Shape4;
    const auto& s = Shape1;
    Moldura m = R == Recorte::Secao ? s : d;
    if (R == Recorte::Ambos) m.Width = s.Left + s.Width - d.Left;
    return {m.Left - 15, m.Top - 15, m.Width + 30, m.Height + 30};
}

std::string DesenhoSvg(const std::vector<Primitiva>& Lista, const std::string& Titulo,
                       double Margem, bool Recortado) {
    constexpr double k = 1 / TwipsPorUnidadeSvg;
    double x0 = std::numeric_limits<double>::infinity(), y0 = x0, x1 = -x0, y1 = -x0;
    for (const Primitiva& p : Lista) {
        const double r = p.tipo == Primitiva::Tipo::Circulo ? p.raio : 0;
        x0 = std::min({x0, double(p.x1) - r, double(p.x2) - r});
        y0 = std::min({y0, double(p.y1) - r, double(p.y2) - r});
        x1 = std::max({x1, double(p.x1) + r, double(p.x2) + r});
        y1 = std::max({y1, double(p.y1) + r, double(p.y2) + r});
    }
    if (Lista.empty()) x0 = y0 = x1 = y1 = 0;
    if (Recortado && !Lista.empty()) {
        const auto m = MolduraDoRecorte(Recorte::Ambos);
        x0 = std::max(x0, m.Left);
        y0 = std::max(y0, m.Top);
        x1 = std::min(x1, m.Left + m.Width);
        y1 = std::min(y1, m.Top + m.Height);
    }
    const double vx = x0 * k - Margem, vy = y0 * k - Margem;
    const double vw = (x1 - x0) * k + 2 * Margem, vh = (y1 - y0) * k + 2 * Margem;

    std::string s = Junta("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"",
                          N(vw), "\" height=\"", N(vh), "\" viewBox=\"", N(vx), " ", N(vy), " ",
                          N(vw), " ", N(vh), "\">\n");
    if (!Titulo.empty()) s += Junta("<title>", Escapa(Titulo), "</title>\n");
    const char* nomes[] = {"diagrama", "secao", "ambos"};
    if (Recortado) {
        s += "<defs>\n";
        for (Recorte r : {Recorte::Diagrama, Recorte::Secao, Recorte::Ambos}) {
            const auto m = MolduraDoRecorte(r);
            s += Junta("<clipPath id=\"", nomes[int(r)], "\"><rect x=\"", N(m.Left * k), "\" y=\"",
                       N(m.Top * k), "\" width=\"", N(m.Width * k), "\" height=\"", N(m.Height * k),
                       "\"/></clipPath>\n");
        }
        s += "</defs>\n";
    }
    s += "<g fill=\"none\" stroke-width=\"1\" stroke-linecap=\"round\">\n";
    for (const Primitiva& p : Lista) {
        const std::string recorte =
            Recortado ? Junta(" clip-path=\"url(#", nomes[int(RecorteDe(p))], ")\"") : "";
        if (p.tipo == Primitiva::Tipo::Linha)
            s += Junta("<line x1=\"", N(p.x1 * k), "\" y1=\"", N(p.y1 * k), "\" x2=\"", N(p.x2 * k),
                       "\" y2=\"", N(p.y2 * k), "\" stroke=\"", CorSvg(p.cor), "\"", recorte,
                       "/>\n");
        else
            s += Junta("<circle cx=\"", N(p.x1 * k), "\" cy=\"", N(p.y1 * k), "\" r=\"",
                       N(p.raio * k), "\" stroke=\"", CorSvg(p.cor), "\"", recorte, "/>\n");
    }
    s += "</g>\n</svg>\n";
    return s;
}

} // namespace lumbrio
