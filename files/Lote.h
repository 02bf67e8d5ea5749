// Núcleo do lumbrio-lote: séries de Md e a execução dos projetos de cada arquivo de
// valores; as linhas CSV estão em output/Csv.
#pragma once

#include "calc/Dimensionamento.h"
#include "output/Csv.h"

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace lumbrio {

// Série de momentos na unidade de Md de cada arquivo: Inicio, Inicio + Passo, ...
// até Fim (inclusive, com folga de arredondamento).
struct SerieMd {
    double Inicio = 0, Fim = 0, Passo = 0;
};

struct OpcoesLote {
    std::optional<SerieMd> Serie;
    std::string Saida; // vazio: saída padrão
    std::vector<std::string> Arquivos;
    bool Ajuda = false;
    bool Detalhes = false;           // colunas da comparação dos modelos e resumo da série
    unsigned Trabalhadores = 0;      // 0: um por núcleo
    std::size_t TamanhoBloco = 4096; // projetos por tarefa de um trabalhador
};

// Interpreta os argumentos (sem o nome do programa); devolve o erro em português.
std::variant<OpcoesLote, std::string>
InterpretaArgumentosLote(const std::vector<std::string>& Args);

std::string TextoAjudaLote();

// "INÍCIO:FIM:PASSO" com "." decimal; nullopt se malformada ou sem fim.
std::optional<SerieMd> LeSerieMd(std::string_view Texto);
std::size_t TamanhoSerie(const SerieMd& Serie);
// Texto do k-ésimo Md (k a partir de 0), como os botões de passo o escrevem.
std::string TextoMdDaSerie(const SerieMd& Serie, std::size_t k);

// Roda o lote: CSV em Saida (ou no arquivo das opções), uma linha por arquivo ilegível
// em Erros. Progresso em Erros quando MostraProgresso e há mais de 10 000 projetos.
// Devolve 0 se todos os arquivos foram lidos, 1 se algum não foi, 2 se o CSV não pôde
// ser gravado.
int ExecutaLote(const OpcoesLote& Opcoes, std::FILE* Saida, std::FILE* Erros, bool MostraProgresso);

} // namespace lumbrio
