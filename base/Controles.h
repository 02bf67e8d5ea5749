// Modelo dos controles da janela principal e dos diálogos: textos, marcações,
// habilitação e cores de fundo, com os valores de projeto. Sem toolkit.
#pragma once

#include <array>
#include <string>

namespace lumbrio {

// Cor de fundo de uma caixa: a cor de janela do sistema ou a cor de alerta
// (cor 4 da paleta clássica de 16 cores: vermelho 128, verde 0, azul 0).
enum class Cor { Normal, Alerta };

struct CaixaTexto {
    std::string Text;
    bool Enabled = true;
    Cor BackColor = Cor::Normal;
    std::string ToolTipText{}; // por que a caixa está em alerta, ou uma nota
};

struct Lista {
    std::string Text;
    Cor BackColor = Cor::Normal;
};

// Caixa de marcação: 0 desmarcada, 1 marcada, 2 acinzentada.
struct Marcador {
    int Value = 0;
};

struct Rotulo {
    std::string Caption;
};

inline constexpr const char* TextoBitolaPadrao = "40 mm";

// Janela principal. Os vetores de controles indexados (Text25(i), Combo2(i)...)
// começam em 1; o elemento 0 não é usado.
struct ControlesForm1 {
    // Dimensões
    CaixaTexto Text1{"20"}; // base (cm)
    CaixaTexto Text2{"50"}; // altura (cm)
    CaixaTexto Text31{"1"}; // passo da base (cm)
    CaixaTexto Text32{"1"}; // passo da altura (cm)
    // Arranjo
    CaixaTexto Text4{"5"}; // cobrimento (cm)
    // Esforços e resistências
    CaixaTexto Text17{"10000"};        // Md
    Lista Combo5{"KN.cm"};             // unidade de Md
    CaixaTexto Text18{"20"};           // fck
    Lista Combo6{"MPa"};               // unidade de fck
    Lista Combo1{"Aço CA-50A"};        // aço
    CaixaTexto Text20{"21000"};        // Es
    Lista Combo7{"KN/cm2"};            // unidade de Es
    CaixaTexto Text21{"1.4"};          // gama c
    CaixaTexto Text22{"1.15"};         // gama s
    CaixaTexto Text7{"1"};             // passo de Md
    Lista ComboNorma{"NBR 6118:2003"}; // edição da norma
    // Opções
    Marcador Check4;   // "Permitir domínio 4"
    Marcador Check5;   // "Utilizar x máximo ="
    CaixaTexto Text19; // fator k de x máximo = k.d
    // Escala
    CaixaTexto Text5{"", false}; // escala X (twips por mil)
    CaixaTexto Text6{"", false}; // escala Y (twips por cm)
    Marcador Check3{1};          // "Auto."
    // Bitolas
    Lista Combo3{"10 mm (3/8'')"}; // estribo
    std::array<Lista, 4> Combo4{Lista{}, Lista{TextoBitolaPadrao}, Lista{TextoBitolaPadrao},
                                Lista{TextoBitolaPadrao}};
    std::array<Lista, 7> Combo2{Lista{},
                                Lista{TextoBitolaPadrao},
                                Lista{TextoBitolaPadrao},
                                Lista{TextoBitolaPadrao},
                                Lista{TextoBitolaPadrao},
                                Lista{TextoBitolaPadrao},
                                Lista{TextoBitolaPadrao}};
    std::array<CaixaTexto, 4> Text3{};  // d' das camadas negativas
    std::array<CaixaTexto, 7> Text25{}; // d' das camadas positivas
    CaixaTexto Text30;                  // "10%h"
    CaixaTexto Text38;                  // %h negativa
    CaixaTexto Text29;                  // d'CG2
    CaixaTexto Text36;                  // %h positiva
    CaixaTexto Text26;                  // d'CG1
    Marcador Check1;                    // "Tranca bitola"
    // Resultados: CG | Real
    CaixaTexto Text28, Text27; // As'
    CaixaTexto Text8, Text33;  // As
    CaixaTexto Text23, Text24; // Mrd
    CaixaTexto Text9, Text10;  // x
    CaixaTexto Text11, Text12; // domínio
    CaixaTexto Text13, Text14; // Rcc
    CaixaTexto Text15, Text16; // y/2
    Rotulo Label29{"Kgf.cm"};  // unidade de Mrd
    CaixaTexto Text34{"Taxa > 4%"};
    // "Verificações": o veredito e uma linha por verificação da norma (1..15), vazias até
    // um cálculo.
    std::array<CaixaTexto, 16> TextVerificacao{};
    // Força cortante: Vd vazio é "sem verificação".
    CaixaTexto TextVd;                        // Vd
    Lista ComboVd{"KN"};                      // unidade de Vd
    Lista ComboModelo{"Modelo I"};            // modelo de cálculo
    CaixaTexto TextTeta{"30", false};         // θ das bielas (graus), só no modelo II
    CaixaTexto TextAlfa{"90"};                // α dos estribos (graus)
    CaixaTexto TextRamos{"2"};                // ramos do estribo
    Lista ComboAcoEstribo{"CA-50"};           // aço do estribo
    std::array<CaixaTexto, 7> TextCortante{}; // resultados (1..6), vazios até um cálculo
    // Abertura de fissuras: Mser vazio é "sem verificação".
    CaixaTexto TextMser;      // Mser, combinação frequente
    Lista ComboMser{"KN.cm"}; // unidade de Mser
    bool MserSegueMd = true;  // a unidade de Mser acompanha a de Md até o usuário escolher outra
    Lista ComboCAA{"II"};     // classe de agressividade ambiental
    std::array<CaixaTexto, 5> TextFissuracao{}; // resultados (1..4), vazios até um cálculo
    // Verificação de uma armadura dada: as barras de cada camada (0: vazia) e o
    // espaçamento dos estribos (vazio: nenhum), lidos só com a marcação.
    Marcador CheckVerifica; // "Verificar armadura dada"
    std::array<CaixaTexto, 7> TextBarrasPos{CaixaTexto{},    CaixaTexto{"0"}, CaixaTexto{"0"},
                                            CaixaTexto{"0"}, CaixaTexto{"0"}, CaixaTexto{"0"},
                                            CaixaTexto{"0"}};
    std::array<CaixaTexto, 4> TextBarrasNeg{CaixaTexto{}, CaixaTexto{"0"}, CaixaTexto{"0"},
                                            CaixaTexto{"0"}};
    CaixaTexto TextSEstribo; // cm
    // Durabilidade na classe de agressividade: classe, cobrimento e CA-60 (1..3).
    std::array<CaixaTexto, 4> TextDurabilidade{};
    // Seção: "Retangular" ou "T"; na T, a mesa bf × hf (cm) na face "Comprimida" ou
    // "Tracionada". A base (Text1) é a largura da alma bw.
    Lista ComboSecao{"Retangular"};
    CaixaTexto TextBf{"100"}, TextHf{"8"};
    Lista ComboMesa{"Comprimida"};
};

// Calculadora da largura colaborante bf (item 14.6.2.2): a vinculação do vão, o vão l
// (cm) e cada lado da mesa (sem laje, laje interna com b2, laje em balanço com b4, cm).
struct ControlesCalculadoraBf {
    Lista ComboVinculo{"Simplesmente apoiada"};
    CaixaTexto TextVao{"500"};
    std::array<Lista, 2> ComboLado{Lista{"Laje interna (b2)"}, Lista{"Laje interna (b2)"}};
    std::array<CaixaTexto, 2> TextLado{CaixaTexto{"300"}, CaixaTexto{"300"}};
};

// "Mensagem de erro".
struct ControlesForm2 {
    Rotulo Label1;
    Rotulo Label2;
    bool Visivel = false; // a janela mostra o diálogo e o esconde em "Continuar"
    bool Aviso = false;   // um aviso (nada foi recusado), não um erro: título "Aviso"
};

// "Outros valores". Text4(0..1) e Check1(0..1) começam em 0, como na janela.
struct ControlesForm8 {
    CaixaTexto Text2{"1"};   // diâmetro máximo do agregado graúdo (cm)
    CaixaTexto Text3{"100"}; // PrecisãoM (kgf·cm)
    CaixaTexto Text1{"100"}; // PrecisãoN (kgf)
    std::array<Marcador, 2> Check1{};
    std::array<CaixaTexto, 2> Text4{CaixaTexto{"0"}, CaixaTexto{"0"}};
    CaixaTexto Text5{"7"}; // espaçamento mínimo prático dos estribos (cm)
};

// Regra do modelo da cortante: θ só se digita no modelo II (no I as bielas são a 45°).
inline void RegraDoModelo(ControlesForm1& F) {
    F.TextTeta.Enabled = F.ComboModelo.Text == "Modelo II";
}

// Regra de "Auto.": as escalas só se digitam com a caixa desmarcada.
inline void RegraDoAuto(ControlesForm1& F) {
    const bool automatica = F.Check3.Value == 1;
    F.Text5.Enabled = !automatica;
    F.Text6.Enabled = !automatica;
}

} // namespace lumbrio
