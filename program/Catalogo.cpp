// Aços e catálogo de bitolas: tensões de escoamento e índices das listas.
#include "calc/Catalogos.h"
#include "calc/Textos.h"
#include "program/Dimensionamento.h"

#include <cmath>

namespace lumbrio {

namespace {

constexpr int NumBitolas = static_cast<int>(TabelaBitolas.size());

// Índice (1..Quantos) do texto no catálogo; um texto fora da lista é recusado.
void IndiceBitola(const std::string& Texto, int Quantos, int& Indice, const char* Lista) {
    for (int k = 1; k <= Quantos; ++k) {
        if (TabelaBitolas[k - 1].Texto == Texto) {
            Indice = k;
            return;
        }
    }
    Recusar(Junta("Bitola desconhecida em ", Lista, ": \"", TextoVisivel(Texto), "\"."),
            "Escolha uma bitola da lista.");
}

} // namespace

void Dimensionamento::Bitolas() {
    for (int k = 1; k <= 11; ++k) {
        Diametro[k] = TabelaBitolas[k - 1].Diametro;
        AreaBarra[k] = TabelaBitolas[k - 1].AreaBarra;
    }
}

void Dimensionamento::BitolaPositiva() {
    const std::string nome = Junta("camada positiva ", std::to_string(CamadaPos));
    IndiceBitola(Form1.Combo2[CamadaPos].Text, NumBitolas, BitolaPos[CamadaPos], nome.c_str());
}

void Dimensionamento::BitolaNegativa() {
    const std::string nome = Junta("camada negativa ", std::to_string(CamadaNeg));
    IndiceBitola(Form1.Combo4[CamadaNeg].Text, NumBitolas, BitolaNeg[CamadaNeg], nome.c_str());
}

void Dimensionamento::BitolaEstribo() {
    IndiceBitola(Form1.Combo3.Text, NumBitolasEstribo, BitolaEstr, "estribo");
}

void Dimensionamento::Aço() {
    const std::string& t = Form1.Combo1.Text;
    Fyk = 0;
    if (t == "Aço CA-25B" || t == "Aço CA-25A") Fyk = 2500;
    if (t == "Aço CA-50B" || t == "Aço CA-50A") Fyk = 5000;
    if (t == "Aço CA-60B" || t == "Aço CA-60A") Fyk = 6000;
    if (Fyk == 0)
        Recusar(Junta("Aço desconhecido: \"", TextoVisivel(t), "\"."), "Escolha o aço na lista.");
    TextoAco = t;
    ClasseB = AcoClasseB(t);
    Fyd = Fyk / GamaS;
    // Classe B: 2 por mil além da deformação elástica de escoamento.
    EpsYd = AcoClasseB(t) ? 2 + 1000 * Fyd / Es : 1000 * Fyd / Es;
    if (!std::isfinite(Fyd))
        Recusar("O coeficiente γs é pequeno demais: fyd = fyk / γs resultou infinito.",
                Junta("Valor lido: \"", TextoVisivel(Form1.Text22.Text), "\"."));
    if (!std::isfinite(EpsYd))
        Recusar("O módulo Es é pequeno demais: a deformação de escoamento fyd / Es resultou "
                "infinita.",
                Junta("Valor lido: \"", TextoVisivel(Form1.Text20.Text), "\" ",
                      TextoVisivel(Form1.Combo7.Text), "."));
}

} // namespace lumbrio
