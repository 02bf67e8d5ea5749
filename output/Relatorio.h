// Relatório de cálculo como dados: cabeçalho, rodapé e seções numeradas, cada uma
// com parágrafos, tabelas e o lugar dos desenhos, já em texto. Quem o pinta (tela,
// impressora, PDF) só dispõe os blocos na página. Medidas do leiaute em milímetros.
#pragma once

#include "base/EstadoDeProjeto.h"

#include <string>
#include <variant>
#include <vector>

namespace lumbrio {

// Largura do texto na folha A4 (210 mm menos as margens de 15 mm): a das tabelas.
inline constexpr double LarguraTextoMm = 180;

// Cor de um parágrafo ou de uma linha de tabela.
enum class Enfase {
    Normal,
    Alerta, // fora da regra, Mrd abaixo de Md: a cor de alerta do painel
    Boa,    // atende
    Modelo, // linhas do modelo CG na tabela camada a camada, na cor dos títulos
};

// Tamanho e peso de um parágrafo.
enum class Estilo {
    Corpo,    // texto corrido
    Destaque, // maior e em negrito
    Resumo,   // um pouco menor
    Nota,     // pequeno e em cinza
};

struct Paragrafo {
    std::string Texto;
    Estilo Forma = Estilo::Corpo;
    Enfase Cor = Enfase::Normal;
};

struct ColunaTabela {
    std::string Titulo;
    double LarguraMm = 0;
    bool Esquerda = false; // alinhada à esquerda; as outras ao centro
};

struct LinhaTabela {
    std::vector<std::string> Celulas;
    Enfase Cor = Enfase::Normal;
};

struct Tabela {
    std::vector<ColunaTabela> Colunas;
    bool Cabecalho = true; // primeira linha com os títulos das colunas
    bool Miuda = false;    // letra menor (tabela de muitas colunas)
    std::vector<LinhaTabela> Linhas;
};

// Lugar dos dois desenhos (diagrama e seção), pintados por quem dispõe o relatório.
struct LugarDesenhos {
    double AlturaMm = 80;
};

using BlocoRelatorio = std::variant<Paragrafo, Tabela, LugarDesenhos>;

struct SecaoRelatorio {
    std::string Titulo;
    double ConteudoMm = 20; // começo do conteúdo que deve caber na página do título
    std::vector<BlocoRelatorio> Blocos;
};

struct Relatorio {
    std::string Titulo, TituloContinuacao;
    std::string Identificacao; // "Viga 20 × 50 cm"
    Tabela Ficha;              // obra, elemento, responsável e registro, na primeira página
    std::string Rodape;
    std::vector<SecaoRelatorio> Secoes;
};

// Quem assina e o quê: textos que o usuário dá ao imprimir (não vêm do arquivo de
// valores).
struct FichaDoProjeto {
    std::string Obra, Elemento, Responsavel, Registro;
};

// O relatório do último cálculo completo de D (HaResultados), com o separador
// decimal do painel e a ficha de identificação.
Relatorio MontaRelatorio(const EstadoDeProjeto& D, const FichaDoProjeto& Ficha = {});

} // namespace lumbrio
