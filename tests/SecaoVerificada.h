// Seção de referência dos testes dos modelos CG e Real, montada direto no estado, e
// ajudas dos projetos de ponta a ponta.
#pragma once

#include "base/Numeros.h"
#include "output/Csv.h"
#include "program/Dimensionamento.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

namespace lumbrio::teste {

// Cada valor confere com o número de referência até o último algarismo escrito:
// {x, "27.880"} exige x entre 27,8795 e 27,8805.
inline void Confere(std::initializer_list<std::pair<double, const char*>> Valores) {
    for (const auto& [valor, texto] : Valores) {
        const std::string t = texto;
        const auto ponto = t.find('.');
        const int casas = ponto == std::string::npos ? 0 : static_cast<int>(t.size() - ponto - 1);
        EXPECT_EQ(FormataNumero(valor, casas), t);
    }
}

// O mesmo, com os textos de referência numa cadeia só, separados por brancos.
inline void Confere(std::initializer_list<double> Valores, const std::string& Textos) {
    std::istringstream t(Textos);
    for (const double v : Valores) {
        std::string texto;
        t >> texto;
        Confere({{v, texto.c_str()}});
    }
}

// Todas as camadas positivas com a bitola Positiva e as negativas com Negativa.
inline void PoeBitolas(Dimensionamento& p, const char* Positiva, const char* Negativa) {
    for (int i = 1; i <= 6; ++i) p.Form1.Combo2[i].Text = Positiva;
    for (int i = 1; i <= 3; ++i) p.Form1.Combo4[i].Text = Negativa;
}

// Aço CA-50 com γs = 1,15 e Es = 2 100 000 kgf/cm² (fyd = 4347,83 kgf/cm²).
inline void AcoCA50(Dimensionamento& p) {
    p.TextoAco = "Aço CA-50A";
    p.Fyk = 5000;
    p.GamaS = 1.15;
    p.Es = 2100000;
    p.Aço();
}

// b = 20, h = 50, c = 2,5, estribo de 5 mm, fck = 250, CA-50A, PrecisãoN = 100;
// 3 barras de 20 mm a 4,0 cm e 2 a 8,5 cm da face tracionada; sem barras negativas.
inline Dimensionamento SecaoVerificada() {
    Dimensionamento p;
    p.Bitolas();
    AcoCA50(p);
    p.Pos.NumCamadas = 6;
    p.Neg.NumCamadas = 3;
    p.Base = 20;
    p.Altura = 50;
    p.Cobrimento = 2.5;
    p.BitolaEstr = 1;
    p.SigCd = 0.85 * 250 / 1.4;
    p.PrecisãoN = 100;
    p.Pos.Bitola = {0, 7, 7, 7, 7, 7, 7};
    p.Neg.Bitola = {0, 7, 7, 7, 0, 0, 0};
    p.Pos.DLinha = {0, 4.0, 8.5, 12.5, 16.5, 20.5, 24.5};
    p.Neg.DLinha = {0, 4.0, 8.0, 12.0, 0, 0, 0};
    p.Pos.NumBarras = {0, 3, 2, 0, 0, 0, 0};
    p.CGd1();
    p.DCG2 = 4.0;
    p.AlturaUtil = p.Altura - p.DCG1;
    return p;
}

// Serviço na 2023: 20 × 50 C25, Md = 17000 KN.cm, 16 mm e 10 mm, Mser em KN.m.
inline void Fissuracao16(Dimensionamento& p, const char* Mser) {
    p.Form1.ComboNorma.Text = "NBR 6118:2023", p.Form1.Text18.Text = "25";
    p.Form1.Text17.Text = "17000";
    PoeBitolas(p, "16 mm (5/8'')", "10 mm (3/8'')");
    p.Form1.TextMser.Text = Mser, p.Form1.ComboMser.Text = "KN.m";
}

// 20 × 50 C30 na 2023, c = 3 cm, estribo de 6,3 mm, barras de Bitola; Md em kN·m.
inline void Viga20x50C30(Dimensionamento& p, const char* Md, const char* Bitola = "20 mm (3/4'')") {
    auto& f = p.Form1;
    f.Text18.Text = "30", f.Text17.Text = Md, f.Combo5.Text = "KN.m", f.Text4.Text = "3";
    f.ComboNorma.Text = "NBR 6118:2023", f.Combo3.Text = "6.3 mm (1/4'')";
    PoeBitolas(p, Bitola, Bitola);
}
// As colunas do CSV de um projeto, pelo nome (os projetos daqui não têm vírgula em campo).
inline std::map<std::string, std::string> ColunasDoCsv(const Dimensionamento& p) {
    std::string csv;
    AcrescentaCabecalhoCsv(csv, true);
    AcrescentaLinhaCsv(csv, "p.txt", p.Form1.Text17.Text, p, true);
    std::istringstream linhas(csv);
    std::string cabecalho, linha, nome, valor;
    std::getline(linhas, cabecalho, '\r');
    linhas.ignore(1);
    std::getline(linhas, linha, '\r');
    std::istringstream nomes(cabecalho), valores(linha);
    std::map<std::string, std::string> c;
    while (std::getline(nomes, nome, ',') && std::getline(valores, valor, ',')) c[nome] = valor;
    return c;
}

} // namespace lumbrio::teste
