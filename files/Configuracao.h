// Arquivo de valores (Padrão.txt e outros): os 39 registros das entradas da janela
// principal e de "Outros valores", uma linha cada, CRLF, Windows-1252 no disco; o 40,
// a norma, fora da 2003; com a cortante ou o serviço em uso, o 40 e os 41 a 50; com a
// verificação de uma armadura dada, também os 51 a 61.
#pragma once

#include "base/Entradas.h"
#include "base/EstadoDeProjeto.h"
#include "base/Recusa.h"

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace lumbrio {

inline constexpr const char* ArquivoPadrao = "Padrão.txt";
inline constexpr int NumRegistrosConfiguracao = 39;
inline constexpr int PrimeiroRegistroExtra = 41, UltimoRegistroExtra = 50;
inline constexpr int NumRegistrosExtras = UltimoRegistroExtra - PrimeiroRegistroExtra + 1;
// Verificação de uma armadura dada: a marcação, as barras das camadas e o espaçamento
// dos estribos, só quando marcada (e então com os registros 40 a 50).
inline constexpr int PrimeiroRegistroVerificacao = 51, UltimoRegistroVerificacao = 61;
// Seção T: a seção, bf, hf e a face da mesa, só com "T" (e então com os 40 a 61).
inline constexpr int PrimeiroRegistroSecao = 62, UltimoRegistroSecao = 65;

// Os registros De a Ate na ordem do arquivo: os 39 (o registro 40, a norma, vem
// depois deles fora da NBR 6118:2003) ou os 41 a 50. F recebe (entrada, valor).
template <class D, class F>
void ParaCadaRegistro(D& d, F&& f, int De = 1, int Ate = NumRegistrosConfiguracao) {
    ParaCadaEntrada(d, [&](const Entrada& e, auto& v) {
        if (e.Registro >= De && e.Registro <= Ate) f(e, v);
    });
}

// A cortante, o serviço, a verificação ou a seção T estão em uso: o arquivo leva os
// registros 40 a 50.
bool UsaRegistrosExtras(const ControlesForm1& F);

// Motivo pelo qual o texto não serve ao registro extra E (fora da lista ou da
// faixa); vazio quando serve.
std::string ConfereRegistroExtra(const Entrada& E, const std::string& Texto);

// Falha de leitura ou gravação: as duas linhas do diálogo "Mensagem de erro", como
// uma recusa do cálculo.
using FalhaArquivo = Recusa;

// Conteúdo do arquivo (bytes Windows-1252) com os valores atuais dos controles.
// Falha só quando um texto tem caractere que não existe em Windows-1252.
std::optional<FalhaArquivo> TextoConfiguracao(const EstadoDeProjeto& D, std::string& Bytes);

// Grava os 39 registros em Nome, substituindo o arquivo de uma vez.
std::optional<FalhaArquivo> GravaConfiguracao(const EstadoDeProjeto& D, const std::string& Nome);

// Os registros de um arquivo de valores, lidos e convertidos: os textos de cada
// registro, as habilitações (True/False) e as marcações pelo número do registro, e a
// norma (a da 2003 quando o registro 40 falta).
struct RegistrosLidos {
    std::vector<std::string> Campos;
    std::array<bool, NumRegistrosConfiguracao + 1> Verdades{};
    std::array<int, NumRegistrosConfiguracao + 1> Marcas{};
    std::string Norma;
    std::vector<std::string> Extras;      // 41 a 50; vazio: o arquivo não os traz
    std::vector<std::string> Verificacao; // 51 a 61, como escritos; vazio: não os traz
    std::vector<std::string> Secao;       // 62 a 65; vazio: a seção é retangular
};

// Lê e confere os registros de Nome (arquivo ausente, ilegível, curto ou com
// registro malformado é uma falha), sem tocar nos controles.
std::variant<RegistrosLidos, FalhaArquivo> LeRegistros(const std::string& Nome);

// Põe os registros nos controles, na ordem do arquivo, com a regra de "Auto.".
void AplicaRegistros(EstadoDeProjeto& D, RegistrosLidos R);

// Lê e só então aplica: com qualquer falha nada muda.
std::optional<FalhaArquivo> CarregaConfiguracao(EstadoDeProjeto& D, const std::string& Nome);

} // namespace lumbrio
