// Fuzzing da leitura do arquivo de valores: bytes quaisquer num arquivo, Carrega,
// depois um cálculo. Carga que falha explica e não muda nenhum controle.
#include "Promessa.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace lumbrio;

namespace {

struct PastaTemporaria {
    PastaTemporaria() {
        const auto p = std::filesystem::temp_directory_path() /
                       ("lumbrio-fuzz-carrega-" + std::to_string(getpid()));
        std::filesystem::create_directories(p);
        std::filesystem::current_path(p);
    }
};

// Os 39 registros vistos pelo arquivo: textos, habilitações e marcações.
std::string Retrato(const Dimensionamento& p) {
    const auto& f = p.Form1;
    const auto& o = p.Form8;
    std::string s;
    for (const std::string* t :
         {&f.Text1.Text,   &f.Text2.Text,  &f.Text31.Text, &f.Text32.Text, &f.Text4.Text,
          &f.Text17.Text,  &f.Text18.Text, &f.Text20.Text, &f.Text21.Text, &f.Text22.Text,
          &f.Combo5.Text,  &f.Combo6.Text, &f.Combo1.Text, &f.Combo7.Text, &o.Text2.Text,
          &o.Text3.Text,   &f.Combo3.Text, &f.Text19.Text, &o.Text1.Text,  &o.Text4[0].Text,
          &o.Text4[1].Text})
        s += *t + '\x1f';
    for (int i = 1; i <= 6; ++i) s += f.Combo2[i].Text + '\x1f';
    for (int i = 1; i <= 3; ++i) s += f.Combo4[i].Text + '\x1f';
    for (int v :
         {f.Check3.Value, f.Check4.Value, f.Check5.Value, f.Check1.Value, o.Check1[0].Value,
          o.Check1[1].Value, int(f.Text4.Enabled), int(f.Text5.Enabled), int(f.Text6.Enabled)})
        s += std::to_string(v) + '\x1f';
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static PastaTemporaria pasta;
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
