// Fuzzing do cálculo completo sobre um modelo de controles arbitrário, seguido de
// "Tira 1 barra" algumas vezes e da exportação numa pasta temporária.
#include "Promessa.h"

#include "calc/Catalogos.h"

#include <fuzzer/FuzzedDataProvider.h>

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
    auto& f = p.Form1;
    for (CaixaTexto* t : {&f.Text1, &f.Text2, &f.Text4, &f.Text17, &f.Text18, &f.Text20, &f.Text21,
                          &f.Text22, &f.Text19, &f.Text5, &f.Text6})
        if (d.ConsumeBool()) t->Text = Numero(d);
    for (CaixaTexto* t :
         {&p.Form8.Text1, &p.Form8.Text2, &p.Form8.Text3, &p.Form8.Text4[0], &p.Form8.Text4[1]})
        if (d.ConsumeBool()) t->Text = Numero(d);
    for (Marcador* m :
         {&f.Check1, &f.Check3, &f.Check4, &f.Check5, &p.Form8.Check1[0], &p.Form8.Check1[1]})
        m->Value = d.ConsumeIntegralInRange(0, 2);
    f.Combo5.Text = ItemOuTexto(d, ItensCombo5);
    f.Combo6.Text = ItemOuTexto(d, ItensTensao);
    f.Combo7.Text = ItemOuTexto(d, ItensTensao);
    f.Combo1.Text = ItemOuTexto(d, ItensCombo1);
    f.Combo3.Text = TextoBitola(d, NumBitolasEstribo);
    for (int i = 1; i <= 6; ++i) f.Combo2[i].Text = TextoBitola(d, 11);
    for (int i = 1; i <= 3; ++i) f.Combo4[i].Text = TextoBitola(d, 11);

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
