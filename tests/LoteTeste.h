// Apoio aos testes do lumbrio-lote: leitura do CSV e execução com saídas em memória.
#pragma once

#include "output/Csv.h"
#include "tools/lote/Lote.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace lumbrio::teste {

// Campos de uma linha CSV (RFC 4180).
inline std::vector<std::string> Campos(const std::string& Linha) {
    std::vector<std::string> campos(1);
    bool aspas = false;
    for (std::size_t i = 0; i < Linha.size(); ++i) {
        const char c = Linha[i];
        if (aspas && c == '"' && i + 1 < Linha.size() && Linha[i + 1] == '"') {
            campos.back() += '"';
            ++i;
        } else if (c == '"') {
            aspas = !aspas;
        } else if (c == ',' && !aspas) {
            campos.emplace_back();
        } else {
            campos.back() += c;
        }
    }
    return campos;
}

// Linhas do CSV (CRLF fora de aspas), já em campos.
inline std::vector<std::vector<std::string>> LeCsv(const std::string& Csv) {
    std::vector<std::vector<std::string>> linhas;
    std::string atual;
    bool aspas = false;
    for (std::size_t i = 0; i < Csv.size(); ++i) {
        if (Csv[i] == '"') aspas = !aspas;
        if (!aspas && Csv.compare(i, 2, "\r\n") == 0) {
            linhas.push_back(Campos(atual));
            atual.clear();
            ++i;
        } else {
            atual += Csv[i];
        }
    }
    EXPECT_TRUE(atual.empty()) << "CSV sem CRLF final";
    return linhas;
}

inline std::string Conteudo(std::FILE* f) {
    std::fflush(f);
    std::rewind(f);
    std::string s;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) s.append(buf, n);
    return s;
}

struct Execucao {
    int status;
    std::string saida, erros;
};

inline Execucao Executa(const OpcoesLote& o) {
    std::FILE* saida = std::tmpfile();
    std::FILE* erros = std::tmpfile();
    const int status = ExecutaLote(o, saida, erros, false);
    Execucao e{status, Conteudo(saida), Conteudo(erros)};
    std::fclose(saida);
    std::fclose(erros);
    return e;
}

} // namespace lumbrio::teste
