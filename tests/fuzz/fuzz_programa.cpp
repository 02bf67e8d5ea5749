// Fuzzing do cálculo completo sobre um modelo de controles arbitrário, seguido de
// "Tira 1 barra" algumas vezes e da exportação numa pasta temporária.
#include "Promessa.h"

#include "base/Catalogos.h"
#include "base/Entradas.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <type_traits>

using namespace lumbrio;

namespace {

std::string Texto(FuzzedDataProvider& d) {
    return d.ConsumeRandomLengthString(24);
}

// Um item da lista na maior parte das vezes, às vezes um texto qualquer.
template <class Itens> std::string ItemOuTexto(FuzzedDataProvider& d, const Itens& itens) {
    if (d.ConsumeIntegralInRange(0, 7) == 0) return Texto(d);
    return std::string(itens[d.ConsumeIntegralInRange<std::size_t>(0, itens.size() - 1)]);
}

std::string TextoBitola(FuzzedDataProvider& d, int quantas) {
    if (d.ConsumeIntegralInRange(0, 7) == 0) return Texto(d);
    return std::string(TabelaBitolas[d.ConsumeIntegralInRange(0, quantas - 1)].Texto);
}

// Um número plausível na maior parte das vezes, às vezes um texto qualquer.
std::string Numero(FuzzedDataProvider& d) {
    if (d.ConsumeIntegralInRange(0, 5) == 0) return Texto(d);
    return std::to_string(d.ConsumeFloatingPointInRange<double>(-10, 400));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::EntraNaPastaTemporaria("lumbrio-fuzz-");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    FuzzedDataProvider d(dados, tamanho);
    Dimensionamento p;
    ParaCadaEntrada(p, [&d](const Entrada& e, auto& v) {
        using V = std::remove_cvref_t<decltype(v)>;
        if (!e.Calculo) return;
        if constexpr (std::is_same_v<V, int>) {
            v = d.ConsumeIntegralInRange(0, 2);
        } else if constexpr (std::is_same_v<V, std::string>) {
            switch (e.Tipo) {
            case TipoEntrada::UnidadeMomento:
                v = ItemOuTexto(d, ItensCombo5);
                break;
            case TipoEntrada::UnidadeTensao:
                v = ItemOuTexto(d, ItensTensao);
                break;
            case TipoEntrada::Aco:
                v = ItemOuTexto(d, ItensCombo1);
                break;
            case TipoEntrada::Norma:
                v = ItemOuTexto(d, ItensNorma);
                break;
            case TipoEntrada::Estribo:
                v = TextoBitola(d, NumBitolasEstribo);
                break;
            case TipoEntrada::Bitola:
                v = TextoBitola(d, 11);
                break;
            case TipoEntrada::UnidadeForca:
                v = ItemOuTexto(d, ItensForca);
                break;
            case TipoEntrada::Modelo:
                v = ItemOuTexto(d, ItensModelo);
                break;
            case TipoEntrada::AcoEstribo:
                v = ItemOuTexto(d, ItensAcoEstribo);
                break;
            case TipoEntrada::Classe:
                v = ItemOuTexto(d, ItensCAA);
                break;
            default:
                if (d.ConsumeBool()) v = Numero(d);
            }
        }
    });

    p.Programa();
    fuzz::VerificaPromessa(p);
    const int retiradas = d.ConsumeIntegralInRange(0, 4);
    for (int k = 0; k < retiradas; ++k) {
        p.Form2.Visivel = false;
        p.Command3_Click();
        fuzz::VerificaPromessa(p, true);
    }
    p.Form2.Visivel = false;
    p.Rapida();
    fuzz::VerificaPromessa(p);
    return 0;
}
