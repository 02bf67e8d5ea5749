// Botões +/- ao lado da base, da altura e de Md.
#include "calc/Numeros.h"
#include "program/Dimensionamento.h"

namespace lumbrio {

namespace {

// Soma Sinal × passo (prefixo numérico da caixa Passo) ao número da caixa Alvo e o
// escreve de volta no texto decimal curto. Quando Alvo não traz número (vazia ou
// "abc"), não há valor a somar: nada muda e devolve false. O comando então não
// calcula e marca PassoRecusado, para a janela soar o bipe.
bool Passo(CaixaTexto& Alvo, const CaixaTexto& Passo, double Sinal) {
    if (!ComecaComNumero(Alvo.Text)) return false;
    Alvo.Text = TextoDecimalCurto(ValorNumerico(Alvo.Text) + Sinal * ValorNumerico(Passo.Text));
    return true;
}

} // namespace

void Dimensionamento::Command16_Click() {
    PassoRecusado = !Passo(Form1.Text1, Form1.Text31, +1);
    if (!PassoRecusado) Programa();
}

void Dimensionamento::Command13_Click() {
    PassoRecusado = !Passo(Form1.Text1, Form1.Text31, -1);
    if (!PassoRecusado) Programa();
}

void Dimensionamento::Command15_Click() {
    PassoRecusado = !Passo(Form1.Text2, Form1.Text32, +1);
    if (!PassoRecusado) Programa();
}

void Dimensionamento::Command14_Click() {
    PassoRecusado = !Passo(Form1.Text2, Form1.Text32, -1);
    if (!PassoRecusado) Programa();
}

void Dimensionamento::Command4_Click() {
    PassoRecusado = !Passo(Form1.Text17, Form1.Text7, +1);
    if (!PassoRecusado) Rapida();
}

void Dimensionamento::Command5_Click() {
    PassoRecusado = !Passo(Form1.Text17, Form1.Text7, -1);
    if (!PassoRecusado) Rapida();
}

} // namespace lumbrio
