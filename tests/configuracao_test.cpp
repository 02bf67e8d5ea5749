// Arquivo de valores: gravação byte a byte, leitura tolerante e recusa de arquivos ruins.
#include "PastaTemporaria.h"
#include "files/Configuracao.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <random>
#include <sstream>
#include <vector>

namespace lumbrio::teste {
namespace {

class ArquivoDeValores : public PastaTemporaria {};

const std::filesystem::path Dados = LUMBRIO_DADOS_TESTE;

// Os 39 controles na ordem do arquivo, escrita aqui de novo à parte do código: a
// comparação confere também a ordem dos registros.
std::vector<std::string> Controles(const Dimensionamento& d) {
    const auto& a = d.Form1;
    const auto& o = d.Form8;
    auto v = [](bool b) { return std::string(b ? "<sim>" : "<não>"); };
    auto m = [](int x) { return "<" + std::to_string(x) + ">"; };
    return {a.Text1.Text,       a.Text2.Text,         a.Text31.Text,       a.Text32.Text,
            a.Text4.Text,       v(a.Text4.Enabled),   a.Text17.Text,       a.Text18.Text,
            a.Text20.Text,      a.Text21.Text,        a.Text22.Text,       a.Combo5.Text,
            a.Combo6.Text,      a.Combo1.Text,        a.Combo7.Text,       v(a.Text5.Enabled),
            v(a.Text6.Enabled), m(a.Check3.Value),    o.Text2.Text,        o.Text3.Text,
            a.Combo3.Text,      a.Combo2[1].Text,     a.Combo2[2].Text,    a.Combo2[3].Text,
            a.Combo4[1].Text,   a.Combo4[2].Text,     a.Combo4[3].Text,    m(a.Check4.Value),
            m(a.Check5.Value),  a.Text19.Text,        o.Text1.Text,        a.Combo2[4].Text,
            a.Combo2[5].Text,   a.Combo2[6].Text,     m(a.Check1.Value),   o.Text4[0].Text,
            o.Text4[1].Text,    m(o.Check1[0].Value), m(o.Check1[1].Value)};
}

// Linhas (sem CRLF) do arquivo de referência, para montar variantes dele.
std::vector<std::string> LinhasReferencia() {
    std::vector<std::string> linhas;
    std::istringstream in(LeBytes(Dados / "Padrão.txt"));
    for (std::string l; std::getline(in, l);) linhas.push_back(l.substr(0, l.size() - 1));
    return linhas;
}

std::string Junta(const std::vector<std::string>& Linhas, const char* Fim = "\r\n") {
    std::string s;
    for (const auto& l : Linhas) s += l + Fim;
    return s;
}

// Estado com todos os controles diferentes dos valores de projeto.
Dimensionamento EstadoAlterado() {
    Dimensionamento d;
    auto& a = d.Form1;
    for (auto* c : {&a.Text1, &a.Text2, &a.Text31, &a.Text32, &a.Text4, &a.Text17, &a.Text18,
                    &a.Text20, &a.Text21, &a.Text22, &a.Text19, &d.Form8.Text1, &d.Form8.Text2,
                    &d.Form8.Text3, &d.Form8.Text4[0], &d.Form8.Text4[1]})
        c->Text = "7";
    for (auto* l : {&a.Combo5, &a.Combo6, &a.Combo1, &a.Combo7, &a.Combo3, &a.Combo2[1],
                    &a.Combo2[6], &a.Combo4[3]})
        l->Text = "x";
    a.Text4.Enabled = false;
    a.Check1.Value = 2;
    a.Check4.Value = 1;
    d.Form8.Check1[1].Value = 1;
    a.Text8.Text = "resultado anterior";
    return d;
}

TEST_F(ArquivoDeValores, valores_de_projeto_gravam_o_padrao_de_referencia_byte_a_byte) {
    // Para regenerar de propósito: copie o Padrão.txt de um Dimensionamento novo
    // gravado por Grava para tests/dados/ e confira a diferença linha a linha.
    Dimensionamento d;
    d.NomeArquivo = "Padrão.txt";
    d.Grava();
    EXPECT_FALSE(d.Form2.Visivel) << d.Form2.Label1.Caption;
    EXPECT_EQ(LeBytes("Padrão.txt"), LeBytes(Dados / "Padrão.txt"));
    EXPECT_EQ(ArquivosNaPasta(), 1u) << "temporário deixado na pasta";
}

TEST_F(ArquivoDeValores, padrao_de_referencia_carrega_os_valores_de_projeto) {
    Dimensionamento d = EstadoAlterado();
    d.NomeArquivo = (Dados / "Padrão.txt").string();
    d.Carrega();
    EXPECT_FALSE(d.Form2.Visivel) << d.Form2.Label1.Caption;
    EXPECT_EQ(Controles(d), Controles(Dimensionamento{}));
    EXPECT_EQ(d.Form1.Combo1.Text, "Aço CA-50A");
    EXPECT_EQ(d.Form1.Text8.Text, "resultado anterior") << "carregar não calcula nem limpa";
}

// Texto aleatório com o que costuma quebrar arquivos: vírgulas, aspas, brancos nas
// pontas, tabulações, quebras de linha, acentos e os bytes sem caractere do 1252.
std::string TextoAleatorio(std::mt19937& g) {
    static const std::vector<std::string> pedacos{
        "a", "Z",    "0",  "1.5", ",",  "\"",      " ",        "\t",       "ç", "ã", "É", "€",
        "’", "\r\n", "\n", "'",   "mm", "(3/8'')", "\xC2\x81", "\xC2\x9D", "#", ";", ":"};
    std::uniform_int_distribution<std::size_t> tamanho(0, 8), qual(0, pedacos.size() - 1);
    std::string s;
    for (std::size_t n = tamanho(g); n > 0; --n) s += pedacos[qual(g)];
    return s;
}

TEST_F(ArquivoDeValores, gravar_e_carregar_restaura_os_39_controles_de_300_estados_aleatorios) {
    std::mt19937 g(20260);
    std::uniform_int_distribution<int> marca(0, 2), verdade(0, 1);
    for (int caso = 0; caso < 300; ++caso) {
        Dimensionamento d;
        auto& a = d.Form1;
        for (auto* t :
             {&a.Text1.Text,         &a.Text2.Text,  &a.Text31.Text,      &a.Text32.Text,
              &a.Text4.Text,         &a.Text17.Text, &a.Text18.Text,      &a.Text20.Text,
              &a.Text21.Text,        &a.Text22.Text, &a.Combo5.Text,      &a.Combo6.Text,
              &a.Combo1.Text,        &a.Combo7.Text, &d.Form8.Text2.Text, &d.Form8.Text3.Text,
              &a.Combo3.Text,        &a.Text19.Text, &d.Form8.Text1.Text, &d.Form8.Text4[0].Text,
              &d.Form8.Text4[1].Text})
            *t = TextoAleatorio(g);
        for (int i = 1; i <= 6; ++i) a.Combo2[static_cast<std::size_t>(i)].Text = TextoAleatorio(g);
        for (int i = 1; i <= 3; ++i) a.Combo4[static_cast<std::size_t>(i)].Text = TextoAleatorio(g);
        for (auto* m : {&a.Check3.Value, &a.Check4.Value, &a.Check5.Value, &a.Check1.Value,
                        &d.Form8.Check1[0].Value, &d.Form8.Check1[1].Value})
            *m = marca(g);
        a.Text4.Enabled = verdade(g) == 1;
        // A janela mantém as escalas habilitadas exatamente quando "Auto." não está marcada.
        a.Text5.Enabled = a.Text6.Enabled = a.Check3.Value != 1;

        d.NomeArquivo = "valores.txt";
        d.Grava();
        ASSERT_FALSE(d.Form2.Visivel) << "caso " << caso << ": " << d.Form2.Label1.Caption;
        Dimensionamento lido = EstadoAlterado();
        lido.NomeArquivo = "valores.txt";
        lido.Carrega();
        ASSERT_FALSE(lido.Form2.Visivel) << "caso " << caso << ": " << lido.Form2.Label1.Caption;
        ASSERT_EQ(Controles(lido), Controles(d)) << "caso " << caso;
    }
}

// Como um valor sai no arquivo: registro e linha esperada.
struct CasoLinha {
    const char* nome;
    std::function<void(Dimensionamento&)> muda;
    int registro;
    std::string linha;
};

void PrintTo(const CasoLinha& c, std::ostream* os) {
    *os << c.nome;
}

class LinhaGravada : public PastaTemporaria, public ::testing::WithParamInterface<CasoLinha> {};

TEST_P(LinhaGravada, sai_como_esperado) {
    Dimensionamento d;
    GetParam().muda(d);
    d.NomeArquivo = "v.txt";
    d.Grava();
    ASSERT_FALSE(d.Form2.Visivel) << d.Form2.Label1.Caption;
    const std::string bytes = LeBytes("v.txt");
    // Separa os registros: um registro que começa com aspas vai até a aspa de
    // fechamento ("" é uma aspa dentro dele) e pode conter CRLF.
    std::vector<std::string> linhas;
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t fim = i;
        if (bytes[i] == '"') {
            for (++fim; fim < bytes.size();) {
                if (bytes.compare(fim, 2, "\"\"") == 0)
                    fim += 2;
                else if (bytes[fim++] == '"')
                    break;
            }
        }
        fim = bytes.find("\r\n", fim);
        ASSERT_NE(fim, std::string::npos) << "registro sem CRLF";
        linhas.push_back(bytes.substr(i, fim - i));
        i = fim + 2;
    }
    ASSERT_EQ(linhas.size(), 39u);
    EXPECT_EQ(linhas[static_cast<std::size_t>(GetParam().registro - 1)], GetParam().linha);
}

INSTANTIATE_TEST_SUITE_P(
    Registros, LinhaGravada,
    ::testing::Values(
        CasoLinha{"precisao_com_virgula_vai_entre_aspas",
                  [](Dimensionamento& d) { d.Form8.Text1.Text = "0,0001"; }, 31, "\"0,0001\""},
        CasoLinha{"branco_inicial_vai_entre_aspas",
                  [](Dimensionamento& d) { d.Form1.Text19.Text = " 0.5"; }, 30, "\" 0.5\""},
        CasoLinha{"branco_final_vai_entre_aspas",
                  [](Dimensionamento& d) { d.Form1.Text19.Text = "0.5 "; }, 30, "\"0.5 \""},
        CasoLinha{"aspas_iniciais_sao_dobradas_entre_aspas",
                  [](Dimensionamento& d) { d.Form1.Text19.Text = "\"k\""; }, 30, "\"\"\"k\"\"\""},
        CasoLinha{"aspas_no_meio_ficam_sem_aspas",
                  [](Dimensionamento& d) { d.Form1.Text19.Text = "a\"b"; }, 30, "a\"b"},
        CasoLinha{"texto_comum_fica_como_esta",
                  [](Dimensionamento& d) { d.Form1.Text19.Text = "0.45"; }, 30, "0.45"},
        CasoLinha{"marcacao_acinzentada_e_um_dois_entre_brancos",
                  [](Dimensionamento& d) { d.Form1.Check1.Value = 2; }, 35, " 2 "},
        CasoLinha{"cobrimento_desabilitado_e_False",
                  [](Dimensionamento& d) { d.Form1.Text4.Enabled = false; }, 6, "False"},
        CasoLinha{"cedilha_e_um_byte",
                  [](Dimensionamento& d) { d.Form1.Combo1.Text = "Aço CA-60B"; }, 14,
                  "A\xE7o CA-60B"}),
    [](const auto& info) { return std::string(info.param.nome); });

// Um arquivo montado do de referência com algumas linhas trocadas.
struct CasoLeitura {
    const char* nome;
    std::vector<std::pair<int, std::string>> trocas; // registro, linha nova
    std::function<void(Dimensionamento&)> antes;     // estado da janela antes de carregar
    std::string falha;                               // trecho da mensagem; vazio se carrega
    std::function<void(const Dimensionamento&)> confere;
    const char* fimDeLinha = "\r\n";
    int linhas = 39;
};

void PrintTo(const CasoLeitura& c, std::ostream* os) {
    *os << c.nome;
}

class LeituraDeArquivo : public PastaTemporaria,
                         public ::testing::WithParamInterface<CasoLeitura> {};

TEST_P(LeituraDeArquivo, segue_as_regras_de_leitura) {
    const CasoLeitura& c = GetParam();
    auto linhas = LinhasReferencia();
    for (const auto& [registro, linha] : c.trocas)
        linhas[static_cast<std::size_t>(registro - 1)] = linha;
    linhas.resize(static_cast<std::size_t>(c.linhas));
    EscreveBytes("v.txt", Junta(linhas, c.fimDeLinha));

    Dimensionamento d = EstadoAlterado();
    if (c.antes) c.antes(d);
    const auto antes = Controles(d);
    d.NomeArquivo = "v.txt";
    d.Carrega();
    if (!c.falha.empty()) {
        ASSERT_TRUE(d.Form2.Visivel);
        EXPECT_NE(d.Form2.Label1.Caption.find(c.falha), std::string::npos)
            << d.Form2.Label1.Caption;
        EXPECT_NE(d.Form2.Label1.Caption.find("v.txt"), std::string::npos);
        EXPECT_EQ(Controles(d), antes) << "uma falha não pode mudar nenhum controle";
        EXPECT_EQ(d.Form1.Text8.Text, "resultado anterior");
        return;
    }
    ASSERT_FALSE(d.Form2.Visivel) << d.Form2.Label1.Caption;
    c.confere(d);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LeituraDeArquivo,
    ::testing::Values(
        CasoLeitura{"marcacao_com_brancos_dos_dois_lados",
                    {{35, " 1 "}},
                    {},
                    "",
                    [](const Dimensionamento& d) { EXPECT_EQ(d.Form1.Check1.Value, 1); }},
        CasoLeitura{"marcacao_sem_brancos",
                    {{35, "1"}},
                    {},
                    "",
                    [](const Dimensionamento& d) { EXPECT_EQ(d.Form1.Check1.Value, 1); }},
        CasoLeitura{"marcacao_com_branco_depois",
                    {{35, "1 "}},
                    {},
                    "",
                    [](const Dimensionamento& d) { EXPECT_EQ(d.Form1.Check1.Value, 1); }},
        CasoLeitura{"marcacao_depois_de_tabulacao",
                    {{38, "\t2"}},
                    {},
                    "",
                    [](const Dimensionamento& d) { EXPECT_EQ(d.Form8.Check1[0].Value, 2); }},
        CasoLeitura{"precisao_entre_aspas_guarda_a_virgula",
                    {{31, "\"0,0001\""}},
                    {},
                    "",
                    [](const Dimensionamento& d) {
                        EXPECT_EQ(d.Form8.Text1.Text, "0,0001");
                        EXPECT_EQ(d.Form1.Combo2[4].Text, "40 mm");
                    }},
        // "0,0001" sem aspas são dois campos: os seguintes sobem um e o registro 35
        // (Check1) recebe "40 mm".
        CasoLeitura{"precisao_com_virgula_sem_aspas_desloca_e_e_recusada",
                    {{31, "0,0001"}},
                    {},
                    "registro 35",
                    {}},
        CasoLeitura{"habilitacao_que_nao_e_True_nem_False", {{6, "Sim"}}, {}, "registro 6", {}},
        CasoLeitura{"habilitacao_sem_distincao_de_maiusculas",
                    {{6, "FALSE"}},
                    {},
                    "",
                    [](const Dimensionamento& d) { EXPECT_FALSE(d.Form1.Text4.Enabled); }},
        CasoLeitura{"marcacao_fora_de_0_a_2", {{28, " 3 "}}, {}, "registro 28", {}},
        CasoLeitura{"marcacao_com_decimal", {{29, "1.0"}}, {}, "registro 29", {}},
        CasoLeitura{"arquivo_curto", {}, {}, "acaba no registro 20", {}, "\r\n", 20},
        CasoLeitura{"aspas_sem_fechamento", {{39, "\" 0 "}}, {}, "registro 39", {}},
        CasoLeitura{"texto_depois_das_aspas", {{1, "\"20\"cm"}}, {}, "registro 1", {}},
        CasoLeitura{"brancos_e_tabulacoes_em_volta_de_texto_sem_aspas",
                    {{1, " \t 20 \t "}},
                    {},
                    "",
                    [](const Dimensionamento& d) { EXPECT_EQ(d.Form1.Text1.Text, "20"); }},
        CasoLeitura{"fim_de_linha_so_LF",
                    {{2, "60"}},
                    {},
                    "",
                    [](const Dimensionamento& d) {
                        EXPECT_EQ(d.Form1.Text2.Text, "60");
                        EXPECT_EQ(d.Form1.Combo1.Text, "Aço CA-50A");
                        EXPECT_EQ(d.Form8.Check1[1].Value, 0);
                    },
                    "\n"},
        CasoLeitura{"byte_sem_caractere_no_1252_e_lido",
                    {{22, "\x81\x9D"}},
                    {},
                    "",
                    [](const Dimensionamento& d) {
                        EXPECT_EQ(d.Form1.Combo2[1].Text, "\xC2\x81\xC2\x9D");
                    }},
        CasoLeitura{"texto_fora_da_lista_entra_como_esta",
                    {{12, "Kgf.km"}},
                    {},
                    "",
                    [](const Dimensionamento& d) { EXPECT_EQ(d.Form1.Combo5.Text, "Kgf.km"); }},
        // "Auto." marcada pela carga desabilita as escalas, digam o que disserem 16 e 17.
        CasoLeitura{"auto_marcada_pela_carga_desabilita_escalas",
                    {{16, "True"}, {17, "True"}, {18, " 1 "}},
                    [](Dimensionamento& d) { d.Form1.Check3.Value = 0; },
                    "",
                    [](const Dimensionamento& d) {
                        EXPECT_EQ(d.Form1.Check3.Value, 1);
                        EXPECT_FALSE(d.Form1.Text5.Enabled);
                        EXPECT_FALSE(d.Form1.Text6.Enabled);
                    }},
        CasoLeitura{"auto_desmarcada_pela_carga_habilita_escalas",
                    {{16, "False"}, {17, "False"}, {18, " 0 "}},
                    {},
                    "",
                    [](const Dimensionamento& d) {
                        EXPECT_TRUE(d.Form1.Text5.Enabled);
                        EXPECT_TRUE(d.Form1.Text6.Enabled);
                    }},
        CasoLeitura{"auto_inalterada_deixa_valer_os_registros_16_e_17",
                    {{16, "True"}, {17, "False"}, {18, " 1 "}},
                    {},
                    "",
                    [](const Dimensionamento& d) {
                        EXPECT_TRUE(d.Form1.Text5.Enabled);
                        EXPECT_FALSE(d.Form1.Text6.Enabled);
                    }}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(ArquivoDeValores, arquivo_ausente_avisa_com_o_nome_e_nao_muda_nada) {
    Dimensionamento d = EstadoAlterado();
    const auto antes = Controles(d);
    d.NomeArquivo = "não existe.txt";
    d.Carrega();
    ASSERT_TRUE(d.Form2.Visivel);
    EXPECT_NE(d.Form2.Label1.Caption.find("\"não existe.txt\""), std::string::npos);
    EXPECT_EQ(Controles(d), antes);
    EXPECT_EQ(d.Form1.Text8.Text, "resultado anterior");
}

TEST_F(ArquivoDeValores, abertura_sem_padrao_e_silenciosa_e_com_padrao_carrega) {
    Dimensionamento d;
    CarregaPadraoInicial(d);
    EXPECT_FALSE(d.Form2.Visivel);
    EXPECT_EQ(Controles(d), Controles(Dimensionamento{}));

    auto linhas = LinhasReferencia();
    linhas[0] = "35";
    EscreveBytes("Padrão.txt", Junta(linhas));
    CarregaPadraoInicial(d);
    EXPECT_FALSE(d.Form2.Visivel);
    EXPECT_EQ(d.NomeArquivo, "Padrão.txt");
    EXPECT_EQ(d.Form1.Text1.Text, "35");
}

TEST_F(ArquivoDeValores, comandos_de_arquivo_da_janela_e_nome_cancelado) {
    Dimensionamento a;
    a.Form1.Text1.Text = "33";
    GravaArquivo(a, ""); // "Salvar como..." cancelado
    EXPECT_TRUE(std::filesystem::is_empty("."));
    GravaArquivo(a, "v.txt");
    EXPECT_EQ(a.NomeArquivo, "v.txt");

    Dimensionamento carregado, aberto, cancelado;
    CarregaArquivo(carregado, "v.txt");
    EXPECT_EQ(carregado.Form1.Text1.Text, "33");
    EXPECT_FALSE(carregado.HaResultados) << "carregar valores padrões não calcula";
    AbreArquivo(aberto, "v.txt");
    EXPECT_EQ(aberto.Form1.Text1.Text, "33");
    EXPECT_TRUE(aberto.HaResultados);
    cancelado.Form1.Text2.Text = "60";
    AbreArquivo(cancelado, ""); // "Abrir arquivo..." cancelado ainda calcula
    EXPECT_EQ(cancelado.Form1.Text2.Text, "60");
    EXPECT_TRUE(cancelado.HaResultados);
    EXPECT_FALSE(cancelado.Form2.Visivel || carregado.Form2.Visivel || aberto.Form2.Visivel);
}

TEST_F(ArquivoDeValores, caractere_fora_do_1252_recusa_a_gravacao_e_preserva_o_arquivo) {
    EscreveBytes("v.txt", "conteúdo anterior");
    Dimensionamento d;
    d.Form1.Text19.Text = "0.5 Ω";
    d.Form1.Text8.Text = "resultado";
    d.NomeArquivo = "v.txt";
    d.Grava();
    ASSERT_TRUE(d.Form2.Visivel);
    EXPECT_NE(d.Form2.Label1.Caption.find("registro 30"), std::string::npos)
        << d.Form2.Label1.Caption;
    EXPECT_NE(d.Form2.Label1.Caption.find("Ω"), std::string::npos);
    EXPECT_EQ(LeBytes("v.txt"), "conteúdo anterior");
    EXPECT_EQ(d.Form1.Text8.Text, "resultado") << "falha ao salvar não limpa o painel";
}

TEST_F(ArquivoDeValores, gravacao_impossivel_avisa_com_nome_e_motivo_sem_deixar_restos) {
    std::filesystem::create_directories("Padrão.txt/ocupada");
    Dimensionamento d;
    d.Form1.Text8.Text = "resultado";
    d.NomeArquivo = "Padrão.txt";
    d.Grava();
    ASSERT_TRUE(d.Form2.Visivel);
    EXPECT_NE(d.Form2.Label1.Caption.find("\"Padrão.txt\""), std::string::npos);
    EXPECT_NE(d.Form2.Label1.Caption.find("pasta"), std::string::npos) << d.Form2.Label1.Caption;
    EXPECT_TRUE(std::filesystem::is_directory("Padrão.txt/ocupada"));
    EXPECT_EQ(ArquivosNaPasta(), 1u) << "temporário deixado na pasta";
    EXPECT_EQ(d.Form1.Text8.Text, "resultado");

    d.Form2 = {};
    d.NomeArquivo = "sem_pasta/v.txt";
    d.Grava();
    ASSERT_TRUE(d.Form2.Visivel);
    EXPECT_NE(d.Form2.Label1.Caption.find("não existe"), std::string::npos)
        << d.Form2.Label1.Caption;
}

TEST_F(ArquivoDeValores, gravar_substitui_um_arquivo_maior_por_inteiro) {
    EscreveBytes("v.txt", std::string(5000, 'x'));
    Dimensionamento d;
    d.NomeArquivo = "v.txt";
    d.Grava();
    EXPECT_EQ(LeBytes("v.txt"), LeBytes(Dados / "Padrão.txt"));
    EXPECT_EQ(ArquivosNaPasta(), 1u);
}

} // namespace
} // namespace lumbrio::teste
