// Botões +/- ao lado da base, da altura e de Md.
#include "base/Numeros.h"
#include "program/Dimensionamento.h"

namespace lumbrio {

namespace {

// Soma Sinal × passo (prefixo numérico da caixa Passo) ao número da caixa Alvo e o
// escreve de volta no texto decimal curto. Quando Alvo não traz número (vazia ou
// "abc"), não há valor a somar: nada muda e devolve false. O comando então não
// calcula e marca PassoRecusado, para a janela soar o bipe.
bool SomaPasso(CaixaTexto& Alvo, const CaixaTexto& Passo, int Sinal) {
    // Um passo sem número ("", "abc") somaria 0 em silêncio; "0,5" vale 0.5.
    const auto passo = LeDecimalComVirgula(Passo.Text);
    if (!ComecaComNumero(Alvo.Text) || !passo) return false;
    Alvo.Text = TextoDecimalCurto(ValorNumerico(Alvo.Text) + Sinal * *passo);
    return true;
}

} // namespace

void Dimensionamento::Passo_Click(AlvoPasso Alvo, int Sinal) {
    using F = ControlesForm1;
    // {caixa alvo, caixa do passo} na ordem de AlvoPasso: base, altura, Md.
    static constexpr std::pair<CaixaTexto F::*, CaixaTexto F::*> Caixas[] = {
        {&F::Text1, &F::Text31}, {&F::Text2, &F::Text32}, {&F::Text17, &F::Text7}};
    const auto [alvo, passo] = Caixas[int(Alvo)];
    PassoRecusado = !SomaPasso(Form1.*alvo, Form1.*passo, Sinal);
    if (PassoRecusado) return;
    if (Alvo == AlvoPasso::Md)
        Rapida();
    else
        Programa();
}

} // namespace lumbrio
