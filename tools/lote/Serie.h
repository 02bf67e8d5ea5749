// lumbrio-lote: séries de Md e os projetos de uma série, em rodadas de trabalhadores.
#pragma once

#include "program/Dimensionamento.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lumbrio {

// Série de momentos na unidade de Md de cada arquivo: Inicio, Inicio + Passo, ...
// até Fim (inclusive, com folga de arredondamento).
struct SerieMd {
    double Inicio = 0, Fim = 0, Passo = 0;
};

// "INÍCIO:FIM:PASSO" com "." decimal; nullopt se malformada ou sem fim.
// Séries mais longas são quase certamente um engano de digitação.
inline constexpr double MaximoProjetosSerie = 1e7;

std::optional<SerieMd> LeSerieMd(std::string_view Texto);
std::size_t TamanhoSerie(const SerieMd& Serie);
// Texto do k-ésimo Md (k a partir de 0), como os botões de passo o escrevem.
std::string TextoMdDaSerie(const SerieMd& Serie, std::size_t k);

// Trabalhadores em paralelo: cada rodada dá um bloco de projetos a cada um.
struct Paralelo {
    unsigned Trabalhadores = 1;
    std::size_t Bloco = 4096;
    // Roda Tarefa(t, inicio, fim) sobre [0, Total), rodada a rodada; depois de cada
    // rodada, DepoisDaRodada(projetos da rodada); false encerra.
    bool Rodadas(std::size_t Total,
                 const std::function<void(unsigned, std::size_t, std::size_t)>& Tarefa,
                 const std::function<bool(std::size_t)>& DepoisDaRodada) const;
};

// Para onde vão os projetos: as partes do CSV, em ordem, e o avanço do lote.
class SaidaLote {
  public:
    virtual ~SaidaLote() = default;
    // Grava e esvazia Parte; false quando o CSV não pôde ser gravado (o lote para).
    virtual bool Escreve(std::string& Parte) = 0;
    virtual void Avanca(std::size_t Projetos) = 0;
};

struct ResultadoArquivo {
    std::optional<std::string> Falha; // o arquivo não foi lido: a mensagem
    bool Gravou = true;               // false: o CSV não pôde ser gravado
    std::string Resumo;               // resumo da série (só com Detalhes)
};

// Os projetos de um arquivo carregado: as caixas e, quando elas passam na leitura com
// qualquer Md válido, as entradas já lidas, em que só Md muda de um projeto a outro.
struct ProjetosDoArquivo {
    explicit ProjetosDoArquivo(const Dimensionamento& Carregado);
    const Dimensionamento& Carregado;
    std::optional<EntradasProjeto> Entradas;
};

// Um projeto com o Md escrito (como numa caixa): calcula em W e acrescenta a linha ao
// CSV. Um Md que a leitura recusaria, ou caixas recusadas, passam pela leitura do
// texto, para a mesma mensagem da janela.
void Projeta(Dimensionamento& W, EntradasProjeto* Entradas, const ProjetosDoArquivo& Arquivo,
             std::string_view Nome, const std::string& Md, std::string& Csv, bool Detalhes);

// A série de um arquivo carregado: as linhas em Saida na ordem da série; com Detalhes,
// as colunas da comparação e o resumo da série (quando o CSV foi gravado).
ResultadoArquivo ProjetaSerie(const ProjetosDoArquivo& Arquivo, std::string_view Nome,
                              const SerieMd& Serie, bool Detalhes, const Paralelo& P,
                              SaidaLote& Saida);

} // namespace lumbrio
