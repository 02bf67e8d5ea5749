// As entradas de um cálculo como números e escolhas: lidas uma vez das caixas da
// janela e de "Outros valores" (ou de um arquivo de valores), ou montadas direto pelo
// lote para cada Md de uma série. Dados apenas; unidades internas: kgf, cm, kgf/cm²,
// kgf·cm.
#pragma once

#include "base/Cortante.h"
#include "base/Fissuracao.h"
#include "base/FormaDaSecao.h"
#include "base/Norma.h"

#include <array>
#include <string>

namespace lumbrio {

struct EntradasProjeto {
    double Base = 0, Altura = 0, Cobrimento = 0; // cm
    FormaDaSecao Forma;                          // "Base" é a largura da alma bw
    double Md = 0;                               // kgf·cm
    // "Verificar armadura dada": as barras são as digitadas, e Md pode faltar.
    bool Verificacao = false;
    bool TemMd = true;
    std::string UnidadeMd;  // a lista de Md: "KN.cm"
    double FatorMd = 1;     // kgf·cm por unidade de Md
    double Fck = 0, Es = 0; // kgf/cm²
    double GamaC = 0, GamaS = 0;
    Norma Edicao = Norma::NBR2003;

    // O aço da lista, o seu fyk e a classe.
    std::string TextoAco;
    int Fyk = 0; // kgf/cm²
    bool ClasseB = false;

    // Índices no catálogo (1..11) das bitolas de cada camada de cada face e do estribo.
    // e, na verificação de uma armadura dada, as barras de cada camada (0: vazia).
    struct Bitolas {
        std::array<int, 7> Bitola{};
        std::array<double, 7> Barras{};
    } Pos, Neg;
    int BitolaEstr = 0;

    // "Outros valores": tolerâncias das buscas, agregado e os espaçamentos mínimos do
    // usuário (0 quando a caixa não está marcada).
    double PrecisãoM = 0;      // kgf·cm
    double PrecisãoN = 0;      // kgf
    double DiamAgregado = 0;   // cm
    double EspHorUsuario = 0;  // cm
    double EspVertUsuario = 0; // cm

    // Opções de x máximo: "Permitir domínio 4", "Utilizar x máximo =" e o fator k.
    int OpcaoDominio4 = 0, OpcaoXMaximo = 0;
    double FatorXMaximo = 0;

    // Escalas do diagrama de deformações (twips por mil, twips por cm), como o cálculo
    // as usa: as automáticas ou as digitadas.
    double EscalaX = 0, EscalaY = 0;
    bool EscalaXNula = false, EscalaYNula = false; // digitadas vazias ou nulas: automáticas

    // Força cortante e serviço, com as unidades em que o usuário os lê.
    EntradasCortante Cortante;
    std::string UnidadeVd;
    double FatorVd = 1; // kgf por unidade de Vd
    EntradasFissuracao Fissuracao;
    std::string UnidadeMser;
    double FatorMser = 1; // kgf·cm por unidade de Mser
};

} // namespace lumbrio
