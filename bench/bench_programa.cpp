// Tempo de um cálculo completo (Programa) em seções típicas e de um projeto do lote.
#include "program/Dimensionamento.h"
#include "tools/lote/Serie.h"

#include <benchmark/benchmark.h>

using lumbrio::Dimensionamento;

namespace {

void Calcula(benchmark::State& estado, Dimensionamento& p) {
    for (auto _ : estado) {
        p.Programa();
        benchmark::DoNotOptimize(p.MrdReal);
    }
    if (!p.HaResultados) estado.SkipWithError(p.Form2.Label1.Caption.c_str());
}

// Valores de projeto: viga 20x50, Md = 10000 KN.cm.
void BM_ProgramaPadrao(benchmark::State& estado) {
    Dimensionamento p;
    Calcula(estado, p);
}
BENCHMARK(BM_ProgramaPadrao);

// Armadura dupla em domínio 4: viga 20x50, Md = 25000 KN.cm, domínio 4 permitido.
void BM_ProgramaArmaduraDupla(benchmark::State& estado) {
    Dimensionamento p;
    p.Form1.Text17.Text = "25000";
    p.Form1.Check4.Value = 1;
    p.Form1.Check5.Value = 1;
    p.Form1.Text19.Text = "0.8";
    for (int i = 1; i <= 6; ++i) p.Form1.Combo2[i].Text = "20 mm (3/4'')";
    for (int i = 1; i <= 3; ++i) p.Form1.Combo4[i].Text = "16 mm (5/8'')";
    Calcula(estado, p);
}
BENCHMARK(BM_ProgramaArmaduraDupla);

// Tolerâncias finas: PrecisãoM = PrecisãoN = 0.0001.
void BM_ProgramaPrecisaoFina(benchmark::State& estado) {
    Dimensionamento p;
    p.Form8.Text3.Text = "0.0001";
    p.Form8.Text1.Text = "0.0001";
    Calcula(estado, p);
}
BENCHMARK(BM_ProgramaPrecisaoFina);

// NBR 6118:2023, C70: bloco e deformações pelo fck, x limitado a 0,35·d.
void BM_Programa2023C70(benchmark::State& estado) {
    Dimensionamento p;
    p.Form1.ComboNorma.Text = "NBR 6118:2023";
    p.Form1.Text18.Text = "70";
    p.Form1.Text17.Text = "28000";
    Calcula(estado, p);
}
BENCHMARK(BM_Programa2023C70);

// Com cortante e abertura de fissuras: seis camadas de 16 mm, a área crítica de cada
// barra recortada pelas vizinhas.
void BM_ProgramaCortanteEFissuras(benchmark::State& estado) {
    Dimensionamento p;
    p.Form1.Text17.Text = "26000";
    for (int i = 1; i <= 6; ++i) p.Form1.Combo2[i].Text = "16 mm (5/8'')";
    p.Form1.TextVd.Text = "150";
    p.Form1.ComboModelo.Text = "Modelo II";
    p.Form1.TextMser.Text = "18000";
    Calcula(estado, p);
}
BENCHMARK(BM_ProgramaCortanteEFissuras);

// O caminho do lumbrio-lote: a série de Md de uma viga 20x50 com barras de 16 mm, um
// projeto e a sua linha CSV por iteração, sem e com a cortante e a fissuração.
void SerieDoLote(benchmark::State& estado, bool CortanteEFissuras) {
    Dimensionamento carregado;
    for (int i = 1; i <= 6; ++i) carregado.Form1.Combo2[i].Text = "16 mm (5/8'')";
    for (int i = 1; i <= 3; ++i) carregado.Form1.Combo4[i].Text = "16 mm (5/8'')";
    if (CortanteEFissuras) {
        carregado.Form1.TextVd.Text = "150";
        carregado.Form1.ComboModelo.Text = "Modelo II";
        carregado.Form1.TextMser.Text = "80";
        carregado.Form1.ComboMser.Text = "KN.m";
    }
    const lumbrio::ProjetosDoArquivo projetos(carregado);
    lumbrio::EntradasProjeto entradas = *projetos.Entradas;
    const lumbrio::SerieMd serie{5000, 15000, 1};
    Dimensionamento w;
    std::string csv;
    std::size_t k = 0;
    for (auto _ : estado) {
        csv.clear();
        lumbrio::Projeta(w, &entradas, projetos, "viga.txt", lumbrio::TextoMdDaSerie(serie, k), csv,
                         false);
        benchmark::DoNotOptimize(csv.data());
        k = (k + 1) % 10001;
    }
    if (!w.HaResultados) estado.SkipWithError(w.MensagemErro.c_str());
}
BENCHMARK_CAPTURE(SerieDoLote, sem_cortante_e_fissuracao, false);
BENCHMARK_CAPTURE(SerieDoLote, com_cortante_e_fissuracao, true);

} // namespace
