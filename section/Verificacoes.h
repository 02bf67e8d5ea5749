// Verificações da NBR 6118 depois de um cálculo completo, com as barras colocadas:
// ductilidade (x/d), armadura mínima, armadura máxima, armadura de pele e classe do
// concreto. Unidades: cm, cm², kgf/cm².
#pragma once

#include "base/EstadoDeProjeto.h"
#include "section/Secao.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumbrio {

inline constexpr double TaxaMaxima = 0.04; // (As + As') / (b·h), item 17.3.5.2.4

// A taxa das barras colocadas passa de 4 % de b·h (exatamente 4 % atende).
inline bool TaxaAcimaDaMaxima(double As, double AsLinha, double Ac) {
    return (As + AsLinha) / Ac > TaxaMaxima;
}

// As verificações que um cálculo completo não atende, na ordem das linhas: flexão,
// cortante, abertura de fissuras e durabilidade.
enum class Falha {
    MrdCG,
    MrdReal,
    PctH,
    Camadas,
    XIgualD, // "Permitir domínio 4" levou x a d: As sem limite
    Dominio4,
    BarrasCamada1,
    Ductilidade,
    AsMin,
    Taxa,
    Equilibrio,
    Coeficientes,
    ClasseFck,
    Bielas,
    Estribos,
    Ramos,
    DiametroEstribo,
    Wk,
    SigmaFyk,
    ClasseCAA,
    CobrimentoCAA,
    CA60,
};

struct VereditoSecao {
    std::vector<Falha> Falhas;
    // Md passa do que a seção comporta: camadas esgotadas, x = d ou (As + As') > 4 % de Ac.
    bool AlemDaSecao = false;
    bool Atende() const { return Falhas.empty(); }
};

// O veredito do estado de um cálculo completo (Verif, a cortante e o serviço).
VereditoSecao VereditoDe(const EstadoDeCalculo& D);

// Verifica o estado de um cálculo completo.
Verificacoes Verifica(const EstadoDeCalculo& D);

// Armadura mínima (cm²) da edição para a seção b × h com altura útil d, σcd e fyd
// (kgf/cm²) e fck em MPa; negativa quando o concreto não resiste a Md,min.
double ArmaduraMinima(Norma Edicao, double b, double h, double d, double SigCd, double Fcd,
                      double Fyd, double FckMPa);

} // namespace lumbrio
