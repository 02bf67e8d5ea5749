// Saídas do lumbrio-lote: as linhas CSV (RFC 4180) com os textos do painel de
// resultados e a linha de resumo de uma série de Md.
#pragma once

#include "base/EstadoDeProjeto.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumbrio {

// Acrescenta um campo: entre aspas (aspas dobradas) quando tem vírgula, aspas, CR ou LF.
void AcrescentaCampoCsv(std::string& Csv, std::string_view Campo);
// Depois de "erro" vêm as verificações da norma e o alerta de equilíbrio; com
// Detalhes, as colunas da comparação dos modelos vêm depois delas.
void AcrescentaCabecalhoCsv(std::string& Csv, bool Detalhes = false);
// Linha do projeto que acabou de rodar em D (Calcula), com Md como escrito no arquivo ou na série.
// Projeto recusado: colunas de resultado vazias e a mensagem em "erro".
void AcrescentaLinhaCsv(std::string& Csv, std::string_view Arquivo, std::string_view Md,
                        const EstadoDeCalculo& D, bool Detalhes = false);

// Linhas inteiras do CSV acima passadas, no lugar, ao formato das planilhas em português
// (--formato br): ";" entre os campos e "," decimal nos campos que são números; a
// primeira coluna (o nome do arquivo) e os textos ficam como estão. Um campo com ";",
// aspas, CR ou LF vai entre aspas.
void ParaCsvBrasileiro(std::string& Linhas);
// Marca de ordem de bytes UTF-8, no começo do CSV brasileiro.
inline constexpr std::string_view MarcaUtf8 = "\xEF\xBB\xBF";

// Um projeto de uma série, para o resumo.
struct PontoSerie {
    std::string Md; // como escrito em Text17
    bool Calculado = false;
    double PctHPos = 0, PctHNeg = 0; // %
    bool TemNeg = false;             // %h' vale (camada negativa 1 com barras)
    double DiferencaMrdPct = 0;      // (Real − CG) / CG, %
};

// O que o resumo guarda do projeto que acabou de rodar em D.
PontoSerie PontoDoProjeto(std::string Md, const EstadoDeCalculo& D);

// Resumo de uma série: primeiro Md em que %h passa de 10 % e a maior diferença de Mrd
// entre os modelos (em valor absoluto), numa linha em português. Os projetos entram um a
// um, na ordem da série; só esses dois ficam guardados, nunca a série inteira.
class ResumoSerie {
  public:
    void Acrescenta(PontoSerie Ponto);
    std::string Texto(std::string_view Arquivo) const;

  private:
    std::optional<PontoSerie> acima, maior;
};

} // namespace lumbrio
