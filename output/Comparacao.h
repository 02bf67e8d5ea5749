// Textos da comparação dos modelos: veredito, bitolas, aviso Mrd < Md e o painel
// em texto tabulado.
#pragma once

#include "section/Comparacao.h"

#include <string>
#include <string_view>

namespace lumbrio {

// "atende" / "não atende".
std::string Veredito(bool Atende);

// Diâmetro da bitola do catálogo como se escreve: "20 mm", "12,5 mm".
std::string TextoBitola(int Bitola, std::string_view Separador = ".");

// "3 φ 20 mm", com o separador decimal dado ("12,5 mm").
std::string TextoBarras(int Barras, int Bitola, std::string_view Separador = ".");

// Aviso em palavras quando MrdReal < Md; vazio caso contrário. Valores na unidade
// de momento do cálculo.
std::string AvisoMrdAbaixoDeMd(const EstadoDeProjeto& D, const Comparacao& C,
                               std::string_view Separador = ".");

// O painel de resultados em texto separado por tabulações, pronto para uma planilha:
// cabeçalho ("", "CG", "Real", "") e uma linha por grandeza (rótulo, CG, Real, unidade);
// depois, com um título cada, as linhas de "Verificações", da força cortante e da
// abertura de fissuras que a janela mostra.
std::string TextoPainelTabulado(const EstadoDeProjeto& D);

} // namespace lumbrio
