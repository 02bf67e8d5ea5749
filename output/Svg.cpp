// Escrita de SVG sem biblioteca: números com "." e poucos algarismos.
#include "output/Svg.h"

#include "base/Numeros.h"
#include "output/Desenhos.h"

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

namespace {

const char* const NomesRecorte[] = {"diagrama", "secao", "ambos"};
constexpr double k = 1 / TwipsPorUnidadeSvg;

// Abertura do documento com a viewBox (x, y, largura, altura) em unidades.
std::string Abertura(double vx, double vy, double vw, double vh, const std::string& Titulo) {
    std::string s = Junta("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"",
                          N(vw), "\" height=\"", N(vh), "\" viewBox=\"", N(vx), " ", N(vy), " ",
                          N(vw), " ", N(vh), "\">\n");
    if (!Titulo.empty()) s += Junta("<title>", Escapa(Titulo), "</title>\n");
    return s;
}

std::string Recortes() {
    std::string s = "<defs>\n";
    for (Recorte r : {Recorte::Diagrama, Recorte::Secao, Recorte::Ambos}) {
        const auto m = MolduraDoRecorte(r);
        s += Junta("<clipPath id=\"", NomesRecorte[int(r)], "\"><rect x=\"", N(m.Left * k),
                   "\" y=\"", N(m.Top * k), "\" width=\"", N(m.Width * k), "\" height=\"",
                   N(m.Height * k), "\"/></clipPath>\n");
    }
    return s + "</defs>\n";
}

// Um elemento por primitiva, com a cor dela; Recortado: no recorte da sua moldura.
std::string Elementos(const std::vector<Primitiva>& Lista, bool Recortado) {
    std::string s;
    for (const Primitiva& p : Lista) {
        const std::string recorte =
            Recortado ? Junta(" clip-path=\"url(#", NomesRecorte[int(RecorteDe(p))], ")\"") : "";
        if (p.tipo == Primitiva::Tipo::Linha)
            s += Junta("<line x1=\"", N(p.x1 * k), "\" y1=\"", N(p.y1 * k), "\" x2=\"", N(p.x2 * k),
                       "\" y2=\"", N(p.y2 * k), "\" stroke=\"", CorSvg(p.cor), "\"", recorte,
                       "/>\n");
        else
            s += Junta("<circle cx=\"", N(p.x1 * k), "\" cy=\"", N(p.y1 * k), "\" r=\"",
                       N(p.raio * k), "\" stroke=\"", CorSvg(p.cor), "\"", recorte, "/>\n");
    }
    return s;
}

std::string Texto(const TextoDeDesenho& T) {
    const std::string x = N(T.X * k), y = N(T.Y * k);
    return Junta("<text x=\"", x, "\" y=\"", y, "\"", T.Centrado ? " text-anchor=\"middle\"" : "",
                 T.Vertical ? Junta(" transform=\"rotate(-90 ", x, " ", y, ")\"") : "", ">",
                 Escapa(T.Texto), "</text>\n");
}

} // namespace

std::string DesenhoSvg(const std::vector<Primitiva>& Lista, const std::string& Titulo,
                       double Margem, bool Recortado) {
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
    std::string s = Abertura(x0 * k - Margem, y0 * k - Margem, (x1 - x0) * k + 2 * Margem,
                             (y1 - y0) * k + 2 * Margem, Titulo);
    if (Recortado) s += Recortes();
    return Junta(s, "<g fill=\"none\" stroke-width=\"1\" stroke-linecap=\"round\">\n",
                 Elementos(Lista, Recortado), "</g>\n</svg>\n");
}

std::string DesenhoSvgAnotado(const EstadoDeProjeto& E, const std::string& Titulo) {
    constexpr double t = CorpoTextoSvg * TwipsPorUnidadeSvg, margem = 4;
    const Anotacoes a =
        AnotaDesenhos(E, t, [](const std::string& s) { return LarguraEstimada(s, t); });
    const std::vector<std::string> legenda = LegendaDosDesenhos(E, 1440 / TwipsPorUnidadeSvg);
    // A legenda começa na margem esquerda, uma linha abaixo dos desenhos.
    double direita = a.Regiao.Left + a.Regiao.Width, y = a.Regiao.Top + a.Regiao.Height + 0.5 * t;
    std::string textos;
    for (const TextoDeDesenho& d : a.Textos) textos += Texto(d);
    for (const std::string& l : legenda) {
        y += 1.3 * t;
        textos += Texto({a.Regiao.Left, y, l});
        direita = std::max(direita, a.Regiao.Left + LarguraEstimada(l, t));
    }
    y += 0.4 * t;
    return Junta(Abertura(a.Regiao.Left * k - margem, a.Regiao.Top * k - margem,
                          (direita - a.Regiao.Left) * k + 2 * margem,
                          (y - a.Regiao.Top) * k + 2 * margem, Titulo),
                 Recortes(), "<g fill=\"none\" stroke-width=\"1\" stroke-linecap=\"round\">\n",
                 Elementos(E.Desenho, true), "</g>\n<g fill=\"none\" stroke-width=\"0.6\">\n",
                 Elementos(a.Cotas, false), "</g>\n<g fill=\"none\" stroke-width=\"0.6\" ",
                 "stroke-dasharray=\"1 2\" opacity=\"0.7\">\n", Elementos(a.Guias, false),
                 "</g>\n<g font-family=\"DejaVu Sans, Arial, sans-serif\" font-size=\"",
                 N(CorpoTextoSvg), "\" fill=\"#000000\">\n", textos, "</g>\n</svg>\n");
}

} // namespace lumbrio
