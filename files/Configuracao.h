// Arquivo de valores (Padrão.txt e outros): os 39 registros das entradas da janela
// principal e de "Outros valores", uma linha cada, CRLF, Windows-1252 no disco.
#pragma once

#include "calc/Dimensionamento.h"

#include <optional>
#include <string>

namespace lumbrio {

inline constexpr const char* ArquivoPadrao = "Padrão.txt";
inline constexpr int NumRegistrosConfiguracao = 39;

// Falha de leitura ou gravação: as duas linhas do diálogo "Mensagem de erro".
struct FalhaArquivo {
    std::string Mensagem;
    std::string Mensagem2;
};

// Conteúdo do arquivo (bytes Windows-1252) com os valores atuais dos controles.
// Falha só quando um texto tem caractere que não existe em Windows-1252.
std::optional<FalhaArquivo> TextoConfiguracao(const Dimensionamento& D, std::string& Bytes);

// Grava os 39 registros em Nome, substituindo o arquivo de uma vez.
std::optional<FalhaArquivo> GravaConfiguracao(const Dimensionamento& D, const std::string& Nome);

// Lê os 39 registros de Nome e só então os põe nos controles: com qualquer falha
// (arquivo ausente, ilegível, curto ou com registro malformado) nada muda.
std::optional<FalhaArquivo> CarregaConfiguracao(Dimensionamento& D, const std::string& Nome);

// Comandos de arquivo da janela, com as falhas no diálogo "Mensagem de erro". Nome
// vazio (diálogo cancelado) não lê nem grava.
// "Carregar valores padrões": só os controles, sem cálculo.
void CarregaArquivo(Dimensionamento& D, const std::string& Nome);
// "Abrir arquivo..." e "Carrega padrão": carrega e calcula (mesmo sem arquivo).
void AbreArquivo(Dimensionamento& D, const std::string& Nome);
// "Salvar como...", "Salva padrão" e "Salvar valores como padrão".
void GravaArquivo(Dimensionamento& D, const std::string& Nome);

// Carga da abertura da janela: Padrão.txt ausente é o primeiro uso e passa em
// silêncio (ficam os valores de projeto); outras falhas vão para o diálogo.
void CarregaPadraoInicial(Dimensionamento& D);

} // namespace lumbrio
