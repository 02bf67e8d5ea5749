// A força cortante da seção: as entradas e os estribos com as barras colocadas.
#include "calc/Catalogos.h"
#include "calc/Numeros.h"
#include "program/Dimensionamento.h"
#include "section/ForcaCortante.h"

#include <algorithm>
#include <cmath>

namespace lumbrio {

namespace {

template <std::size_t N>
std::size_t Posicao(const std::array<std::string_view, N>& Itens, const std::string& Texto,
                    const char* Nome) {
    const auto i = std::ranges::find(Itens, Texto);
    if (i == Itens.end())
        Recusar(Junta(Nome, " desconhecido: \"", TextoVisivel(Texto), "\"."),
                Junta("Escolha o ", Nome, " na lista."));
    return static_cast<std::size_t>(i - Itens.begin());
}

double NumeroNaFaixa(const std::string& Texto, double Min, double Max, const char* Nome) {
    const auto v = LeDecimalExato(Texto);
    if (!v || !(*v >= Min && *v <= Max))
        Recusar(Junta(Nome, " deve ser um número de ", TextoDecimalCurto(Min), " a ",
                      TextoDecimalCurto(Max), "."),
                Junta("Valor lido: \"", TextoVisivel(Texto), "\"."));
    return *v;
}

} // namespace

void Dimensionamento::LerCortante() {
    const auto& f = Form1;
    EntradasCortante e;
    const auto primeiro = f.TextVd.Text.find_first_not_of(" \t");
    e.Usada = primeiro != std::string::npos;
    UnidadeVd = f.ComboVd.Text;
    FatorVd = TabelaForcas[Posicao(ItensForca, f.ComboVd.Text, "unidade de Vd")].Fator;
    e.Modelo = Posicao(ItensModelo, f.ComboModelo.Text, "modelo de cálculo") == 0
                   ? ModeloTrelica::I
                   : ModeloTrelica::II;
    e.Teta =
        NumeroNaFaixa(f.TextTeta.Text, TetaMinimo, TetaMaximo, "O ângulo θ das bielas (graus)");
    e.Alfa =
        NumeroNaFaixa(f.TextAlfa.Text, AlfaMinimo, AlfaMaximo, "O ângulo α dos estribos (graus)");
    const double ramos =
        NumeroNaFaixa(f.TextRamos.Text, RamosMinimo, RamosMaximo, "O número de ramos do estribo");
    if (ramos != std::floor(ramos))
        Recusar("O número de ramos do estribo deve ser inteiro.",
                Junta("Valor lido: \"", TextoVisivel(f.TextRamos.Text), "\"."));
    e.Ramos = static_cast<int>(ramos);
    e.Fywk = Posicao(ItensAcoEstribo, f.ComboAcoEstribo.Text, "aço do estribo") == 0 ? 5000 : 6000;
    if (e.Usada) {
        const std::string texto =
            f.TextVd.Text.substr(primeiro, f.TextVd.Text.find_last_not_of(" \t") + 1 - primeiro);
        const auto vd = LeDecimalExato(texto);
        if (!vd || !(*vd >= 0) || !std::isfinite(*vd * FatorVd))
            Recusar("Vd deve ser um número maior ou igual a zero (ou vazio: sem verificação da "
                    "cortante).",
                    Junta("Valor lido: \"", TextoVisivel(f.TextVd.Text), "\"."));
        e.Vd = *vd * FatorVd;
    }
    EntCortante = e;
}

void Dimensionamento::VerificaCortante() {
    if (!EntCortante.Usada) {
        ResCortante = {};
        return;
    }
    const SecaoCortante s{Base,  Altura - DCG1, Cobrimento,           Fck,
                          GamaC, GamaS,         Diametro[BitolaEstr], AreaBarra[BitolaEstr]};
    ResCortante = CalculaCortante(EntCortante, s);
}

} // namespace lumbrio
