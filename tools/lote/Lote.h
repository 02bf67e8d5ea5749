// lumbrio-lote: projetos de uma série de Md para cada arquivo de valores, em CSV.
#pragma once

#include "tools/lote/Serie.h"

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace lumbrio {

struct OpcoesLote {
    std::optional<SerieMd> Serie;
    std::string Saida; // vazio: saída padrão
    std::vector<std::string> Arquivos;
    bool Ajuda = false;
    bool Detalhes = false;           // colunas da comparação dos modelos e resumo da série
    unsigned Trabalhadores = 0;      // 0: um por núcleo
    std::size_t TamanhoBloco = 4096; // projetos por tarefa de um trabalhador
    bool Versao = false;
    bool Brasileiro = false; // --formato br: ";", vírgula decimal e BOM
};

// Interpreta os argumentos (sem o nome do programa); devolve o erro em português.
std::variant<OpcoesLote, std::string>
InterpretaArgumentosLote(const std::vector<std::string>& Args);

std::string TextoAjudaLote();

// Um arquivo de valores: carrega e projeta o Md do arquivo ou a série das opções.
ResultadoArquivo ProjetaArquivo(const std::string& Nome, const OpcoesLote& Opcoes,
                                const Paralelo& P, SaidaLote& Saida);

// Roda o lote: CSV em Saida (ou no arquivo das opções), uma linha por arquivo ilegível
// em Erros. Progresso em Erros quando MostraProgresso e há mais de 10 000 projetos.
// Devolve 0 se todos os arquivos foram lidos, 1 se algum não foi, 2 se o CSV não pôde
// ser gravado.
int ExecutaLote(const OpcoesLote& Opcoes, std::FILE* Saida, std::FILE* Erros, bool MostraProgresso);

// A linha de --version: programa, versão e normas.
std::string TextoVersaoLote();

// O programa (Args sem o nome dele): ajuda, versão, erro nos argumentos (2) ou o lote.
int Principal(const std::vector<std::string>& Args, std::FILE* Saida, std::FILE* Erros,
              bool MostraProgresso);

} // namespace lumbrio
