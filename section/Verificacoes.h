// Verificações da NBR 6118 depois de um cálculo completo, com as barras colocadas:
// ductilidade (x/d), armadura mínima, armadura máxima, armadura de pele e classe do
// concreto. Unidades: cm, cm², kgf/cm².
#pragma once

#include "section/Secao.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumbrio {

class Dimensionamento;

inline constexpr double TaxaMaxima = 0.04; // (As + As') / (b·h), item 17.3.5.2.4

// A taxa das barras colocadas passa de 4 % de b·h (exatamente 4 % atende).
inline bool TaxaAcimaDaMaxima(double As, double AsLinha, double b, double h) {
    return (As + AsLinha) / (b * h) > TaxaMaxima;
}

struct Verificacoes {
    Norma Edicao = Norma::NBR2003;
    double FckMPa = 0;
    // Ductilidade, item 14.6.4.3. O veredito é o do dimensionamento: x da busca (ou x
    // máximo com As') sobre o d da última passagem. Na 2003 o limite vale para apoios
    // e ligações: acima dele nos domínios 2 e 3, só uma nota; no domínio 4, falha.
    double XdCalculo = 0, XdLim = 0;
    bool FalhaXdCalculo = false;   // x/d do cálculo acima do limite
    bool FalhaDuctilidade = false; // o veredito da linha
    bool XdSoApoios = false;       // 2003: acima do limite, fora do domínio 4
    // x/d das barras colocadas em cada modelo, com d = h − d'CG1: informação.
    double XdCG = 0, XdReal = 0;
    bool FalhaXdCG = false, FalhaXdReal = false;
    // As barras colocadas passam do limite que o cálculo atende: a tração a mais do
    // arredondamento move x. As' que traria a seção de volta ao limite (cm²) e σ's
    // da camada comprimida com x no limite (kgf/cm²); NaN quando não há número.
    bool NotaArredondamento = false;
    double AsLinhaExtra = 0, SigLinhaNoLimite = 0;
    // Armadura mínima, item 17.3.5.2.1, contra a área positiva colocada.
    double AsMin = 0;                     // cm²; negativa quando o concreto não resiste a Md,min
    bool ConcretoNaoResisteMdMin = false; // d² < 2·Md,min/(b·σcd): sem número
    bool FalhaAsMin = false;
    // Armadura máxima, item 17.3.5.2.4.
    double TaxaPct = 0; // (As + As') / (b·h), %
    bool FalhaTaxa = false;
    // Armadura de pele, item 17.3.5.2.3, só com h > 60 cm.
    bool PedePele = false;
    double AsPele = 0; // cm² por face
    // Equilíbrio: uma busca final terminou com |Rc − Rst| acima de 1 % de Rcc, ou o Mrd
    // de um modelo não é positivo; os números são os das entradas, mas pedem revisão.
    bool AlertaEquilibrio = false;
    // γc ou γs fora de 1,0 a 2,0 (por exemplo "1,4" lido como 1 ou "14").
    bool CoeficienteImplausivel = false;
    double GamaC = 0, GamaS = 0;
    // Classe do concreto fora da faixa da edição.
    bool ClasseForaDaFaixa = false;
    double FckMinimo = 0, FckMaximo = 0; // MPa
};

// Verifica o estado de um cálculo completo.
Verificacoes Verifica(const Dimensionamento& D);

// Armadura mínima (cm²) da edição para a seção b × h com altura útil d, σcd e fyd
// (kgf/cm²) e fck em MPa; negativa quando o concreto não resiste a Md,min.
double ArmaduraMinima(Norma Edicao, double b, double h, double d, double SigCd, double Fcd,
                      double Fyd, double FckMPa);

// Uma linha de verificação em texto: grandeza, valor, limite, item da norma e veredito;
// Escopo diz onde o item vale; Nota explica um veredito que não é falha nem "atende".
struct LinhaVerificacao {
    std::string_view Grandeza;
    std::string Valor, Limite;
    std::string_view Item;
    std::string Veredito;
    bool Falha = false;
    std::string_view Escopo = {};
    std::string Nota = {};
    bool Informativa = false; // nem falha nem "atende": informação ou nota
    // A linha da janela: "Ductilidade x/d: cálculo 0.450 (limite ≤ 0.45) — atende (item
    // 14.6.4.3)"; com escopo, "(apoios e ligações, item 14.6.4.3)".
    std::string Texto() const;
};

// As linhas das verificações, na ordem da janela e do relatório.
std::vector<LinhaVerificacao> LinhasVerificacao(const Verificacoes& V,
                                                std::string_view Separador = ".");

// "NBR 6118:2003" ou "NBR 6118:2023".
std::string_view TextoNorma(Norma Edicao);

} // namespace lumbrio
