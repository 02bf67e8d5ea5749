// Membros da saída: o painel (Zera e Imprime) e os desenhos.
#include "output/Desenhos.h"
#include "output/Painel.h"
#include "program/Dimensionamento.h"

namespace lumbrio {

void Dimensionamento::Zera() {
    static_cast<EstadoDeCalculo&>(*this) = EstadoDeCalculo{};
    Desenho.clear();
    Imprime(); // sem cálculo: o painel vazio
}

void Dimensionamento::Imprime() {
    EscrevePainel(*this);
}

void Dimensionamento::DesDeformaçao() {
    Desenho = DiagramaDeDeformacoes(*this);
}

void Dimensionamento::Detalha() {
    DetalheDaSecao(*this, Desenho);
}

} // namespace lumbrio
