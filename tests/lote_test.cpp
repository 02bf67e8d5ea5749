// lumbrio-lote: o CSV da viga padrão conferido byte a byte, campos entre aspas,
// séries de Md, argumentos, saídas de erro, progresso e o resumo de uma série.
#include "PastaTemporaria.h"
#include "SecaoVerificada.h"
#include "base/Numeros.h"
#include "files/ArquivoTexto.h"
#include "files/Configuracao.h"
#include "output/Csv.h"
#include "program/Dimensionamento.h"
#include "tools/lote/Lote.h"
#include "tools/lote/Serie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

namespace lumbrio::teste {
namespace {

using Args = std::vector<std::string>;
const std::filesystem::path Dados = LUMBRIO_DADOS_TESTE;
// O nome pede aspas no CSV; o conteúdo é o Padrão.txt (Md = 10000 KN.cm).
const std::string Viga = "viga, \"20x50\".txt";
const std::string Resumo =
    "lumbrio-lote: viga, \"20x50\".txt: %h passa de 10 % a partir de Md = 30000 (armadura "
    "positiva, %h = 20.00 %); maior diferença de Mrd entre os modelos (Real - CG) / CG: 21.99 % "
    "em Md = 30000.\n";

std::string Conteudo(std::FILE* f) {
    std::fflush(f);
    std::string s(static_cast<std::size_t>(std::ftell(f)), '\0');
    std::rewind(f);
    s.resize(std::fread(s.data(), 1, s.size(), f));
    return s;
}

struct Execucao {
    int status;
    std::string saida, erros;
    bool operator==(const Execucao&) const = default;
};

void PrintTo(const Execucao& e, std::ostream* os) {
    *os << "status " << e.status << "\nsaída:\n" << e.saida << "\nerros:\n" << e.erros;
}

// Roda o programa com as saídas em memória; Saida: outro destino do CSV.
template <class Fn> Execucao Captura(Fn&& Roda, std::FILE* Saida = nullptr) {
    std::FILE* saida = Saida ? Saida : std::tmpfile();
    std::FILE* erros = std::tmpfile();
    const int status = Roda(saida, erros);
    Execucao e{status, Saida ? "" : Conteudo(saida), Conteudo(erros)};
    if (!Saida) std::fclose(saida);
    std::fclose(erros);
    return e;
}

Execucao Roda(const Args& A, bool Progresso = false, std::FILE* Saida = nullptr) {
    return Captura([&](std::FILE* s, std::FILE* e) { return Principal(A, s, e, Progresso); },
                   Saida);
}

class Lote : public PastaTemporaria {
  protected:
    void SetUp() override {
        PastaTemporaria::SetUp();
        std::filesystem::copy_file(Dados / "Padrão.txt", Viga);
    }
};

// Projeto recusado (Md < 0), calculado só com As e com As': conferidos fora do programa.
TEST_F(Lote, serie_da_viga_padrao_da_o_csv_conferido) {
    const std::string csv = LeBytes(Dados / "lote-serie.csv");
    const std::string detalhes = LeBytes(Dados / "lote-serie-detalhes.csv");
    EXPECT_EQ(Roda(Args{"--md", "-10000:30000:20000", Viga}), (Execucao{0, csv, ""}));
    // --saida: o arquivo é substituído de uma vez, sem temporário nem resulta.txt.
    EXPECT_EQ(Roda(Args{"--detalhes", "--saida", "s.csv", "--md=-10000:30000:20000", Viga}),
              (Execucao{0, "", Resumo}));
    EXPECT_EQ(LeBytes("s.csv"), detalhes);
    EXPECT_EQ(ArquivosNaPasta(), 2u);
    // Dois trabalhadores de um projeto por rodada: o mesmo CSV, na ordem da série.
    const OpcoesLote o{LeSerieMd("-10000:30000:20000"), "", {Viga}, false, true, 2, 1};
    const auto p =
        Captura([&o](std::FILE* s, std::FILE* e) { return ExecutaLote(o, s, e, false); });
    EXPECT_EQ(p.saida, detalhes);
    EXPECT_EQ(p.erros, Resumo);
}

// Com "Verificar armadura dada" e Md vazio no arquivo, cada Md da série é verificado
// com as barras do arquivo (Mrd = 16287,05 kN·cm): Md/Mrd de um lado e do outro de 1.
TEST_F(Lote, verificacao_de_barras_dadas_com_os_md_da_serie) {
    Dimensionamento c, w;
    c.Form1.CheckVerifica.Value = 1;
    c.Form1.TextBarrasPos[1].Text = "1", c.Form1.Text17.Text = "";
    ProjetosDoArquivo arquivo(c);
    ASSERT_TRUE(arquivo.Entradas);
    std::string csv;
    for (const char* md : {"10000", "20000"}) {
        Projeta(w, &*arquivo.Entradas, arquivo, "v.txt", md, csv, false);
        w.Form1.Text17.Text = md;
        auto col = teste::ColunasDoCsv(w);
        EXPECT_EQ(col["modo"] + col["barras_pos1"] + col["util_Real"].substr(0, 1),
                  md[0] == '1' ? "verificacao10" : "verificacao11");
    }
}

// A cortante e o serviço gravados pela janela, lidos pelo lote: os mesmos números.
TEST_F(Lote, cortante_e_servico_gravados_pela_janela_dao_os_mesmos_numeros_no_lote) {
    Dimensionamento janela;
    auto& f = janela.Form1;
    f.TextVd.Text = "15.3", f.ComboVd.Text = "Tf", f.ComboModelo.Text = "Modelo II";
    f.TextTeta.Text = "35", f.TextAlfa.Text = "60", f.TextRamos.Text = "3";
    f.ComboAcoEstribo.Text = "CA-60";
    f.TextMser.Text = "60", f.ComboMser.Text = "KN.m", f.ComboCAA.Text = "III";
    ASSERT_FALSE(GravaConfiguracao(janela, "c.txt"));
    janela.Programa();
    std::string esperado;
    AcrescentaCabecalhoCsv(esperado, false);
    AcrescentaLinhaCsv(esperado, "c.txt", f.Text17.Text, janela, false);
    EXPECT_NE(esperado.find(",15300.0,II,"), std::string::npos) << esperado;
    EXPECT_NE(esperado.find(",600000.00,"), std::string::npos) << esperado;
    EXPECT_EQ(Roda(Args{"c.txt"}), (Execucao{0, esperado, ""}));
}

// Cada linha de comando com o status, a saída e os erros inteiros, contra a referência:
// status 0 com a ajuda; 1 com o CSV dos arquivos lidos (ou só o cabeçalho); 2 sem saída.
TEST_F(Lote, argumentos_arquivos_ilegiveis_e_status_de_saida) {
    EscreveBytes("curto.txt", "20\r\n50\r\n");
    EscreveBytes("velho.csv", "velho");
    const Args casos[] = {{},
                          {"--md"},
                          {"--md", "1:2", Viga},
                          {"--x", Viga},
                          {"--saida=", Viga},
                          {"--md=1:2:1", "--md=1:2:1", Viga},
                          {"--saida", "a", "--saida=b", Viga},
                          {"--saida", "sem_pasta/s.csv", Viga},
                          {"--saida", ".", Viga},
                          {"--md", "0:1e7:1", Viga},
                          {"--saida", "./curto.txt", "curto.txt"},
                          {"--", "--md"},
                          {"-h", "ausente.txt"},
                          {"--saida", "velho.csv", "ausente.txt"}, // o velho fica
                          {"curto.txt", Viga, "ausente.txt"}};     // os outros continuam
    std::string s;
    for (const Args& a : casos) {
        const Execucao e = Roda(a);
        s += "$ lumbrio-lote";
        for (const std::string& x : a) s += " " + x;
        s += Junta("\nstatus ", std::to_string(e.status), "\n", e.saida, "--\n", e.erros, "\n");
    }
    ConfereReferencia("lote-argumentos.txt", s,
                      [](const std::string& l) { return l.starts_with("$ ") ? l : std::string(); });
    EXPECT_EQ(LeBytes("velho.csv"), "velho");
    EXPECT_EQ(Roda(Args{"--version"}).saida, TextoVersaoLote()); // versão e as duas normas
    EXPECT_NE(TextoVersaoLote().find("NBR 6118:2023"), std::string::npos);
    // CSV que não pode ser escrito (logo ou só ao esvaziar o buffer): status 2 e o motivo.
    for (const auto& [nome, modo] : {std::pair{Viga.c_str(), "r"}, {"/dev/full", "w"}}) {
        std::FILE* f = std::fopen(nome, modo);
        const auto ruim = Roda(Args{Viga}, false, f);
        std::fclose(f);
        EXPECT_EQ(ruim.status, 2) << nome;
        EXPECT_EQ(ruim.erros.rfind("lumbrio-lote: o CSV não foi gravado: ", 0), 0u) << ruim.erros;
    }
    // Disco cheio já no cabeçalho: o velho fica, status 2.
    const auto cheio = ComDiscoCheio([] { return Roda(Args{"--saida", "velho.csv", Viga}); });
    EXPECT_EQ(cheio.status, 2);
    EXPECT_EQ(cheio.erros, "lumbrio-lote: o CSV não foi gravado: o arquivo passou do tamanho "
                           "máximo permitido.\n");
    EXPECT_EQ(LeBytes("velho.csv"), "velho");
    // Saída padrão fechada ao iniciar (">&-"): o CSV não vai a lugar nenhum.
    EXPECT_EXIT(
        {
            ::close(1);
            AbreDescritoresPadrao();
            std::_Exit(Principal(Args{Viga}, stdout, stderr, false));
        },
        ::testing::ExitedWithCode(2), "o CSV não foi gravado: a saída não está aberta");
}

// Acima de 10 000 projetos, o progresso reescreve uma linha; as mensagens a fecham antes.
TEST_F(Lote, progresso_so_acima_de_dez_mil_projetos) {
    const auto falha = [](const char* Nome) {
        return Junta("lumbrio-lote: O arquivo \"", Nome, "\" não foi carregado: o arquivo ou a ",
                     "pasta não existe.\n");
    };
    const auto poucos = Roda(Args{"--md", "1:5000:1", "a.txt", "b.txt"}, true);
    EXPECT_EQ(poucos.erros, falha("a.txt") + falha("b.txt"));
    const auto muitos = Roda(Args{"--md", "1:5001:1", "a.txt", "b.txt"}, true);
    EXPECT_EQ(muitos.erros, falha("a.txt") + "\rlumbrio-lote: 5001 de 10002 projetos (50%)\n" +
                                falha("b.txt") +
                                "\rlumbrio-lote: 10002 de 10002 projetos (100%)\n");
    EXPECT_EQ(muitos.status, 1);
}

// Nada cru no terminal: o nome no resumo da série e o argumento repetido num erro saem
// com os controles escapados (ESC e BEL mudariam o título ou a tela do terminal).
TEST_F(Lote, resumo_e_erros_escapam_controles_no_terminal) {
    const std::string nome = "\033]0;x\a\033[2J.txt";
    std::filesystem::copy_file(Viga, nome);
    const auto serie = Roda(Args{"--detalhes", "--md", "10000:10000:1", nome});
    EXPECT_EQ(serie.status, 0);
    EXPECT_EQ(serie.erros.rfind("lumbrio-lote: \\x1B]0;x\\x07\\x1B[2J.txt: %h ", 0), 0u)
        << serie.erros;
    for (const Args& a : {Args{"--md", "\033[2J", Viga}, Args{"--\a", Viga}}) {
        const std::string erros = Roda(a).erros;
        SCOPED_TRACE(erros);
        EXPECT_NE(erros.find("\\x"), std::string::npos);
        EXPECT_EQ(
            std::ranges::count_if(erros, [](unsigned char c) { return c < 0x20 && c != '\n'; }), 0);
    }
}

// Memória do processo: o tamanho virtual, em bytes.
rlim_t TamanhoVirtual() {
    std::ifstream statm("/proc/self/statm");
    rlim_t paginas = 0;
    statm >> paginas;
    return paginas * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}

// Sem memória no meio da série (o limite logo acima do que o processo já usa; as linhas
// da rodada não cabem): a mensagem, status 2 (o 1 é de arquivo ilegível) e nenhum
// temporário do --saida. Antes, std::terminate (134) e o temporário ficava.
TEST_F(Lote, memoria_insuficiente_sai_com_2_sem_temporario) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "o AddressSanitizer reserva mais memória virtual que o limite";
#endif
    EXPECT_EXIT(
        {
            // Blocos a partir de 64 KiB (as linhas da rodada) vêm sempre de memória nova:
            // a sobra do heap herdada dos testes anteriores não os atende.
            ::mallopt(M_MMAP_THRESHOLD, 64 * 1024);
            rlimit limite{};
            ::getrlimit(RLIMIT_AS, &limite);
            limite.rlim_cur = TamanhoVirtual() + (1u << 20);
            ::setrlimit(RLIMIT_AS, &limite);
            std::_Exit(Principal(Args{"--detalhes", "--md", "1:20000:1", "--saida", "s.csv", Viga},
                                 stdout, stderr, false));
        },
        ::testing::ExitedWithCode(2), "lumbrio-lote: memória insuficiente; o lote parou");
    EXPECT_EQ(ArquivosNaPasta(), 1u);
}

TEST(LoteSerie, excecao_num_trabalhador_volta_a_quem_chamou_depois_da_rodada) {
    for (const unsigned falho : {0u, 1u, 2u}) {
        SCOPED_TRACE(falho);
        std::atomic<int> blocos{0}, rodadas{0};
        const auto tarefa = [&](unsigned t, std::size_t, std::size_t) {
            ++blocos;
            if (t == falho) throw std::bad_alloc();
        };
        EXPECT_THROW(Paralelo({3, 10}).Rodadas(100, tarefa, [&](std::size_t) { return ++rodadas; }),
                     std::bad_alloc);
        EXPECT_EQ(blocos, 3); // os três blocos da rodada terminaram
        EXPECT_EQ(rodadas, 0);
    }
}

// --formato br: BOM, ";" e os mesmos campos; números com vírgula, o nome do arquivo (que
// parece um número), a unidade e os textos intactos.
TEST_F(Lote, formato_br_troca_separador_e_decimal_so_nos_numeros) {
    std::filesystem::copy_file(Dados / "Padrão.txt", "12.5");
    const Args serie{"--detalhes", "--md", "10000:30000:20000", "12.5"};
    Args br = serie;
    br.insert(br.begin(), {"--formato", "br"});
    const std::string brasileiro = Roda(br).saida;
    ASSERT_TRUE(brasileiro.starts_with(std::string(MarcaUtf8) + "arquivo;Md;"));
    std::istringstream a(Roda(serie).saida), b(brasileiro.substr(MarcaUtf8.size()));
    std::string la, lb, ca, cb;
    int linhas = 0, trocados = 0;
    while (std::getline(a, la) && std::getline(b, lb) && ++linhas) {
        std::istringstream campos(la), camposBr(lb);
        for (int i = 0; std::getline(campos, ca, ','); ++i) {
            ASSERT_TRUE(std::getline(camposBr, cb, ';')) << "linha " << linhas;
            if (i > 0 && ca.find_first_not_of("0123456789.-+E\r") == std::string::npos) {
                trocados += ca.find('.') != std::string::npos;
                std::ranges::replace(ca, '.', ',');
            }
            EXPECT_EQ(cb, ca) << "linha " << linhas << ", coluna " << i;
        }
        EXPECT_FALSE(std::getline(camposBr, cb, ';')) << "campos a mais na linha " << linhas;
    }
    EXPECT_EQ(linhas, 3);
    EXPECT_GT(trocados, 50);
    EXPECT_EQ(std::get<std::string>(InterpretaArgumentosLote({"--formato", "csv", "a"}))
                  .rfind("formato desconhecido: \"csv\"", 0),
              0u);
}

// Os valores intermediários de --detalhes conferem com as outras colunas: ρr·Acri é a
// área da barra, a menor de w1 e w2 é a wk da camada, I_II dá σs, e Vc0, Asw/s e ρsw,min
// batem com Vc, Asw/s adotada e mínima.
TEST(LoteCsv, valores_intermediarios_conferem_com_as_outras_colunas) {
    Dimensionamento p;
    Fissuracao16(p, "120");
    p.Form1.TextVd.Text = "300", p.Form1.ComboVd.Text = "KN";
    p.Programa();
    ASSERT_TRUE(p.HaResultados);
    auto c = ColunasDoCsv(p);
    const auto v = [&c](const char* nome) { return std::stod(c.at(nome)); };
    const double y1 = p.Altura - v("dlinha_pos1");
    const std::pair<double, double> casos[] = {
        {v("rho_r_pos1") * v("Acri_pos1"), 2.0}, // 1 φ 16: 2,0 cm²
        {std::min(v("w1_pos1"), v("w2_pos1")), v("wk_pos1")},
        {15 * v("Mser") * (y1 - v("xII_Real")) / v("I_II"), v("sigma_s_Real")},
        {v("Vc0"), v("Vc")},                            // modelo I
        {v("Asw_s_calc"), v("Asw_s")},                  // acima da mínima
        {v("rho_sw_min_pct") * p.Base, v("Asw_s_min")}, // α = 90°
    };
    for (const auto& [calculado, coluna] : casos) EXPECT_NEAR(calculado / coluna, 1, 0.01);
    EXPECT_GT(v("Asw_s"), v("Asw_s_min"));
    EXPECT_EQ(c.at("Acri_pos6"), "");
}

TEST(LoteSerie, gera_os_momentos_ou_recusa) {
    // "SÉRIE = Md gerados". 0.1 não é exato em binário: o último passo ainda inclui o 1.
    for (const std::string caso :
         {"9000:11000:1000 = 9000 10000 11000", "1:2:0.5 = 1 1.5 2", "10:0:-5 = 10 5 0",
          "-1:1:1 = -1 0 1", "5:5:1 = 5", "5:5:0 = 5", "1:2.5:1 = 1 2", "1:2:2 = 1",
          "0:1:0.1 = 0 0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1",
          "16500:16500.010:0.001 = 16500 16500.001 16500.002 16500.003 16500.004 16500.005 "
          "16500.006 16500.007 16500.008 16500.009 16500.01"}) {
        const auto igual = caso.find(" = ");
        const auto serie = LeSerieMd(caso.substr(0, igual));
        ASSERT_TRUE(serie) << caso;
        std::string gerados = " =";
        for (std::size_t k = 0; k < TamanhoSerie(*serie); ++k)
            gerados += Junta(" ", TextoMdDaSerie(*serie, k));
        EXPECT_EQ(caso.substr(igual), gerados);
    }
    for (const char* ruim : {"1:2", "1:2:0", "1:2:-1", "a:2:1", "1,5:2:1", "1:2:3:4",
                             "0:1e308:1e-308", "nan:1:1", "", "1::1", "1:2:1 "})
        EXPECT_FALSE(LeSerieMd(ruim)) << ruim;
    EXPECT_EQ(TamanhoSerie(*LeSerieMd("0:9999999:1")), 10000000u);
}

TEST(LoteResumo, frase_do_resumo_da_serie) {
    const std::pair<std::vector<PontoSerie>, const char*> casos[] = {
        // Empate em valor absoluto: vale o primeiro.
        {{{"1", true, 10.0, 0, false, -0.5},
          {"2", true, 9, 0, false, -1.25},
          {"3", true, 1, 0, false, 1.25}},
         "%h não passa de 10 % na série; maior diferença de Mrd entre os modelos (Real - CG) / "
         "CG: -1.25 % em Md = 2.\n"},
        {{{"1", true, 10, 10.5, true, -3}, {"2", true, 11, 12, true, -2}},
         "%h passa de 10 % a partir de Md = 1 (armadura negativa, %h = 10.50 %); maior diferença "
         "de Mrd entre os modelos (Real - CG) / CG: -3.00 % em Md = 1.\n"},
        // %h' sem barras negativas não conta; recusados e diferenças infinitas ficam de fora.
        {{{"1", true, 4, 30, false, 0},
          {"2", false, 50, 0, false, 99},
          {"3", true, 10.01, 0, false, std::numeric_limits<double>::infinity()},
          {"4", true, 11, 0, false, -0.01}},
         "%h passa de 10 % a partir de Md = 3 (armadura positiva, %h = 10.01 %); maior diferença "
         "de Mrd entre os modelos (Real - CG) / CG: -0.01 % em Md = 4.\n"},
        {{{"1", false, 0, 0, false, 0}},
         "%h não passa de 10 % na série; nenhum projeto da série foi calculado.\n"}};
    for (const auto& [pontos, texto] : casos) {
        ResumoSerie r;
        for (const PontoSerie& p : pontos) r.Acrescenta(p);
        EXPECT_EQ(r.Texto("v.txt"), Junta("lumbrio-lote: v.txt: ", texto));
    }
}

// Uma série longa com --detalhes não guarda os seus projetos para o resumo: o heap em
// uso ao fim de cada rodada (um trabalhador, o heap principal do glibc) fica igual da
// segunda à última. Guardar os 10 000 pontos somaria mais de 700 KiB.
TEST(LoteResumo, serie_longa_com_detalhes_em_memoria_constante) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "o AddressSanitizer tem o seu próprio heap";
#endif
    class Medida final : public SaidaLote {
      public:
        std::vector<std::size_t> EmUso;
        bool Escreve(std::string& Parte) override {
            Parte.clear();
            return true;
        }
        void Avanca(std::size_t) override {
            const auto m = ::mallinfo2(); // os blocos grandes vêm de mmap, fora de uordblks
            EmUso.push_back(m.uordblks + m.hblkhd);
        }
    } medida;
    medida.EmUso.reserve(64);
    // Md negativo: recusado logo, e o ponto de cada projeto entra no resumo do mesmo jeito.
    const Dimensionamento carregado;
    const auto r = ProjetaSerie(ProjetosDoArquivo(carregado), "v.txt", *LeSerieMd("-1:-10000:-1"),
                                true, Paralelo{1, 250}, medida);
    ASSERT_EQ(medida.EmUso.size(), 40u);
    EXPECT_EQ(r.Resumo, "lumbrio-lote: v.txt: %h não passa de 10 % na série; nenhum projeto da "
                        "série foi calculado.\n");
    EXPECT_LT(medida.EmUso.back() - std::min(medida.EmUso.back(), medida.EmUso[1]), 64u * 1024);
}

} // namespace
} // namespace lumbrio::teste
