// Fuzzing da leitura do arquivo de valores: bytes quaisquer num arquivo, Carrega,
// depois um cálculo. Carga que falha explica e não muda nenhum controle.
#include "Promessa.h"
#include "files/Configuracao.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <type_traits>

using namespace lumbrio;

namespace {

// Os registros vistos pelo arquivo, com a norma.
std::string Retrato(const Dimensionamento& p) {
    std::string s = p.Form1.ComboNorma.Text;
    const auto registro = [&s](const Entrada&, const auto& v) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(v)>, std::string>)
            s += '\x1f' + v;
        else
            s += '\x1f' + std::to_string(v);
    };
    ParaCadaRegistro(p, registro);
    ParaCadaRegistro(p, registro, PrimeiroRegistroExtra, UltimoRegistroExtra);
    return s;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::EntraNaPastaTemporaria("lumbrio-fuzz-carrega-");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    {
        std::ofstream arq("entrada.txt", std::ios::binary | std::ios::trunc);
        arq.write(reinterpret_cast<const char*>(dados), static_cast<std::streamsize>(tamanho));
    }
    Dimensionamento p;
    const std::string antes = Retrato(p);
    p.NomeArquivo = "entrada.txt";
    p.Carrega();
    if (p.Form2.Visivel) {
        if (p.Form2.Label1.Caption.empty()) fuzz::Falha("carga recusada sem mensagem");
        if (Retrato(p) != antes) fuzz::Falha("carga recusada mudou os controles");
        return 0;
    }
    for (const Marcador* m : {&p.Form1.Check1, &p.Form1.Check3, &p.Form1.Check4, &p.Form1.Check5,
                              &p.Form8.Check1[0], &p.Form8.Check1[1]})
        if (m->Value < 0 || m->Value > 2) fuzz::Falha("marcação fora de 0..2");
    p.Programa();
    fuzz::VerificaPromessa(p);
    // O que foi carregado grava e carrega de novo sem perda.
    p.Form2.Visivel = false;
    p.NomeArquivo = "copia.txt";
    p.Grava();
    if (p.Form2.Visivel) return 0; // texto sem equivalente em Windows-1252: recusado
    Dimensionamento q;
    q.NomeArquivo = "copia.txt";
    q.Carrega();
    if (q.Form2.Visivel) fuzz::Falha("arquivo gravado não carrega");
    if (Retrato(q) != Retrato(p)) fuzz::Falha("gravar e carregar mudou os controles");
    return 0;
}
