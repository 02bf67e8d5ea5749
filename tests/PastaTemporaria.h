// Pasta temporária própria de um teste, que passa a ser a pasta atual até o fim dele.
#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

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

// Texto comparado com o arquivo de referência em tests/dados, conferido à mão. Quando
// difere, o obtido fica em <nome>.novo ao lado da referência, para ler o diff e, se
// for o caso, copiá-lo por cima dela à mão.
inline void ConfereReferencia(const std::string& Nome, const std::string& Obtido) {
    const std::string caminho = std::string(LUMBRIO_DADOS_TESTE) + "/" + Nome;
    const std::string novo = caminho + ".novo";
    if (Obtido == LeBytes(caminho)) {
        std::filesystem::remove(novo);
        return;
    }
    EscreveBytes(novo, Obtido);
    ADD_FAILURE() << Nome << " difere da referência; o obtido está em " << novo;
}

} // namespace lumbrio::teste
