// Arquivo de valores (Padrão.txt e outros): os 39 registros das entradas da janela
// principal e de "Outros valores", uma linha cada, CRLF, Windows-1252 no disco.
#pragma once

#include "calc/Entradas.h"
#include "calc/EstadoDeProjeto.h"
#include "calc/Recusa.h"

#include <optional>
#include <string>

namespace lumbrio {

inline constexpr const char* ArquivoPadrao = "Padrão.txt";
inline constexpr int NumRegistrosConfiguracao = 39;

// Os 39 registros na ordem do arquivo (o registro 40, a norma, é opcional e vem
// depois deles só fora da NBR 6118:2003). F recebe (descrição, valor).
template <class D, class F> void ParaCadaRegistro(D& d, F&& f) {
    ParaCadaEntrada(d, [&f](const Entrada& e, auto& v) {
        if (e.Registro > 0) f(e.Descricao, v);
    });
}

// Falha de leitura ou gravação: as duas linhas do diálogo "Mensagem de erro", como
// uma recusa do cálculo.
using FalhaArquivo = Recusa;

// Conteúdo do arquivo (bytes Windows-1252) com os valores atuais dos controles.
// Falha só quando um texto tem caractere que não existe em Windows-1252.
std::optional<FalhaArquivo> TextoConfiguracao(const EstadoDeProjeto& D, std::string& Bytes);

// Grava os 39 registros em Nome, substituindo o arquivo de uma vez.
std::optional<FalhaArquivo> GravaConfiguracao(const EstadoDeProjeto& D, const std::string& Nome);

// Lê os 39 registros de Nome e só então os põe nos controles: com qualquer falha
// (arquivo ausente, ilegível, curto ou com registro malformado) nada muda.
std::optional<FalhaArquivo> CarregaConfiguracao(EstadoDeProjeto& D, const std::string& Nome);

} // namespace lumbrio
