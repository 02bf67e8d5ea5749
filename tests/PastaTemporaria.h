// Pasta temporária própria de um teste, que passa a ser a pasta atual até o fim dele.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace lumbrio::teste {

class PastaTemporaria : public ::testing::Test {
  protected:
    void SetUp() override {
        anterior = std::filesystem::current_path();
        auto modelo = (std::filesystem::temp_directory_path() / "lumbrio-teste-XXXXXX").string();
        ASSERT_NE(::mkdtemp(modelo.data()), nullptr);
        pasta = modelo;
        std::filesystem::current_path(pasta);
    }
    void TearDown() override {
        std::filesystem::current_path(anterior);
        std::error_code ec;
        std::filesystem::remove_all(pasta, ec);
    }
    // Arquivos da pasta, para conferir que nenhum temporário ficou para trás.
    std::size_t ArquivosNaPasta() const {
        const std::filesystem::directory_iterator i(pasta);
        return static_cast<std::size_t>(std::distance(begin(i), end(i)));
    }
    std::filesystem::path pasta, anterior;
};

inline std::string LeBytes(const std::filesystem::path& Caminho) {
    std::ifstream f(Caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

inline void EscreveBytes(const std::filesystem::path& Caminho, const std::string& Bytes) {
    std::ofstream(Caminho, std::ios::binary) << Bytes;
}

// Roda Passo com arquivos limitados a 100 bytes e SIGXFSZ ignorado: a escrita falha
// com EFBIG, como num disco cheio.
template <class F> auto ComDiscoCheio(F&& Passo) {
    rlimit normal{};
    ::getrlimit(RLIMIT_FSIZE, &normal);
    const rlimit cheio{100, normal.rlim_max};
    const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &cheio);
    auto r = Passo();
    ::setrlimit(RLIMIT_FSIZE, &normal);
    std::signal(SIGXFSZ, sinal);
    return r;
}

// Um caso de um texto de referência: nome, linhas e a linha do arquivo em que começa.
struct CasoDeReferencia {
    std::string Nome;
    std::size_t Inicio;
    std::vector<std::string> Linhas;
};
// Nome do caso que começa na linha; vazio: a linha continua o caso anterior.
using NomeDoCaso = std::string (*)(const std::string& Linha);

// Os casos de um texto, na ordem (um nome repetido ganha " #2", " #3"...). Sem
// NomeDoCaso, o texto é um caso só, sem nome.
inline std::vector<CasoDeReferencia> SeparaCasos(const std::string& Texto, NomeDoCaso Nome) {
    std::vector<CasoDeReferencia> casos{{"", 1, {}}};
    std::map<std::string, int> vistos;
    std::istringstream in(Texto);
    for (std::string l; std::getline(in, l);) {
        if (std::string n = Nome ? Nome(l) : ""; !n.empty()) {
            if (const int k = ++vistos[n]; k > 1) n += " #" + std::to_string(k);
            casos.push_back({n, casos.back().Inicio + casos.back().Linhas.size(), {}});
        }
        casos.back().Linhas.push_back(l);
    }
    return casos;
}

// Texto comparado com o arquivo de referência em tests/dados, conferido à mão. Quando
// difere, cada caso diferente (os casos começam nas linhas a que NomeDoCaso dá nome) é
// uma falha com o seu nome e a primeira linha que difere; o obtido fica em <nome>.novo
// ao lado da referência, para ler o diff e, se for o caso, copiá-lo por cima dela à mão.
inline void ConfereReferencia(const std::string& Nome, const std::string& Obtido,
                              NomeDoCaso NomeCaso = nullptr) {
    const std::string caminho = std::string(LUMBRIO_DADOS_TESTE) + "/" + Nome;
    const std::string novo = caminho + ".novo", referencia = LeBytes(caminho);
    if (Obtido == referencia) {
        std::filesystem::remove(novo);
        return;
    }
    EscreveBytes(novo, Obtido);
    const auto esperados = SeparaCasos(referencia, NomeCaso),
               obtidos = SeparaCasos(Obtido, NomeCaso);
    const auto acha = [](const auto& Lista, const CasoDeReferencia& c) {
        return std::ranges::find(Lista, c.Nome, &CasoDeReferencia::Nome);
    };
    const auto linha = [](const auto& Linhas, auto i) {
        return i == Linhas.end() ? std::string("(fim do caso)") : "«" + *i + "»";
    };
    for (const CasoDeReferencia& o : obtidos) {
        const std::string caso = Nome + (o.Nome.empty() ? "" : ", caso \"" + o.Nome + "\"");
        const auto e = acha(esperados, o);
        if (e == esperados.end()) {
            ADD_FAILURE() << caso << ": só no obtido";
            continue;
        }
        const auto [i, j] = std::ranges::mismatch(e->Linhas, o.Linhas);
        if (i != e->Linhas.end() || j != o.Linhas.end())
            ADD_FAILURE() << caso << ", linha " << e->Inicio + (i - e->Linhas.begin())
                          << " da referência\n  esperado: " << linha(e->Linhas, i)
                          << "\n  obtido:   " << linha(o.Linhas, j);
    }
    for (const CasoDeReferencia& e : esperados)
        if (acha(obtidos, e) == obtidos.end())
            ADD_FAILURE() << Nome << ", caso \"" << e.Nome << "\": só na referência";
    ADD_FAILURE() << Nome << " difere da referência; o obtido está em " << novo;
}

} // namespace lumbrio::teste
