// A calculadora da largura colaborante bf da seção T.
#include "base/Catalogos.h"
#include "base/Numeros.h"
#include "program/Dimensionamento.h"
#include "section/SecaoT.h"

#include <algorithm>

namespace lumbrio {

namespace {

// Um número da calculadora, maior que zero (Positivo) ou maior ou igual a zero.
double NumeroDaCalculadora(const CaixaTexto& Caixa, const char* Nome, bool Positivo) {
    const auto v = LeDecimalExato(Caixa.Text);
    if (!v || !(Positivo ? *v > 0 : *v >= 0) || !(*v <= 10000))
        Recusar(Junta(Nome,
                      Positivo ? " deve ser um número maior que zero"
                               : " deve ser um número "
                                 "maior ou igual a zero",
                      " e no máximo 10000 cm."),
                Junta("Valor lido: \"", TextoVisivel(Caixa.Text), "\"."));
    return *v;
}

template <std::size_t N>
std::size_t Escolha(const std::array<std::string_view, N>& Itens, const Lista& L,
                    const char* Nome) {
    const auto i = std::ranges::find(Itens, L.Text);
    if (i == Itens.end())
        Recusar(Junta(Nome, " fora da lista: \"", TextoVisivel(L.Text), "\"."),
                "Escolha um item da lista.");
    return static_cast<std::size_t>(i - Itens.begin());
}

} // namespace

void Dimensionamento::CalculaBf_Click() {
    try {
        const ControlesCalculadoraBf& c = FormBf;
        const double bw = NumeroDaCalculadora(Form1.Text1, "A base (largura da alma bw)", true);
        const auto v = static_cast<VinculacaoDoVao>(Escolha(ItensVinculo, c.ComboVinculo, "Vão"));
        const double a =
            DistanciaEntreMomentosNulos(v, NumeroDaCalculadora(c.TextVao, "O vão l", true));
        std::array<LadoDaMesa, 2> lados{};
        for (std::size_t i = 0; i < 2; ++i) {
            const auto t = static_cast<LadoDaMesa::Tipo>(
                Escolha(ItensLadoMesa, c.ComboLado[i], "Lado da mesa"));
            lados[i] = {t, t == LadoDaMesa::Tipo::SemLaje
                               ? 0
                               : NumeroDaCalculadora(c.TextLado[i], "A distância b2 ou b4", false)};
        }
        Form1.TextBf.Text = TextoDecimalCurto(LarguraColaborante(bw, a, lados[0], lados[1]));
    } catch (const Recusa& r) {
        MostraErro(r.Mensagem, r.Mensagem2);
    }
}

} // namespace lumbrio
