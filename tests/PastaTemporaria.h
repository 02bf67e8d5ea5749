// Pasta temporária própria de um teste, que passa a ser a pasta atual até o fim dele.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <unistd.h>

namespace lumbrio::teste {

class PastaTemporaria : public ::testing::Test {
  protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        anterior = fs::current_path();
        static std::atomic<unsigned> contador{0};
        pasta = fs::temp_directory_path() /
                ("lumbrio-teste-" + std::to_string(::getpid()) + "-" + std::to_string(contador++) +
                 "-" + std::to_string(std::random_device{}()));
        fs::create_directories(pasta);
        fs::current_path(pasta);
    }
    void TearDown() override {
        std::filesystem::current_path(anterior);
        std::error_code ec;
        std::filesystem::remove_all(pasta, ec);
    }

    // Arquivos da pasta, para conferir que nenhum temporário ficou para trás.
    std::size_t ArquivosNaPasta() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(pasta),
                                                      std::filesystem::directory_iterator()));
    }

    std::filesystem::path pasta, anterior;
};

inline std::string LeBytes(const std::filesystem::path& Caminho) {
    std::ifstream f(Caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void EscreveBytes(const std::filesystem::path& Caminho, const std::string& Bytes) {
    std::ofstream f(Caminho, std::ios::binary);
    f << Bytes;
}

} // namespace lumbrio::teste
