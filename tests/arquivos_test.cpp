// Arquivos: o de valores (bytes de referência, leitura tolerante, recusas sem efeito),
// o resulta.txt, a gravação atômica, a conversão Windows-1252 e os botões de passo.
#include "PastaTemporaria.h"
#include "base/Catalogos.h"
#include "base/Numeros.h"
#include "files/ArquivoTexto.h"
#include "files/Configuracao.h"
#include "output/TextosVerificacao.h"
#include "program/Arquivos.h"
#include "program/Dimensionamento.h"
#include "section/Verificacoes.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <tuple>
#include <vector>

namespace lumbrio::teste {
namespace {

class ArquivoDeValores : public PastaTemporaria {};

const std::string Padrao = LeBytes(std::filesystem::path(LUMBRIO_DADOS_TESTE) / "Padrão.txt");
// Registros 41 a 50 (cortante e serviço) diferentes dos de projeto; (n, t) troca o registro n.
std::string Extras(int n = 0, const char* t = "") {
    const char* l[] = {"153", "Tf", "Modelo II", "35", "60", "4", "CA-60", "6000", "KN.m", "IV"};
    std::string s;
    for (int i = 41; i <= 50; ++i) s += std::string(i == n ? t : l[i - 41]) + "\r\n";
    return s;
}

// Linhas do arquivo de referência, sem CRLF, com registros trocados ({número, linha nova}).
using Trocas = std::vector<std::pair<int, std::string>>;
std::vector<std::string> Linhas(const Trocas& T = {}) {
    std::vector<std::string> l;
    std::istringstream in(Padrao);
    for (std::string s; std::getline(in, s);) l.push_back(s.substr(0, s.size() - 1));
    for (const auto& [n, t] : T) l[static_cast<std::size_t>(n - 1)] = t;
    return l;
}

std::string Arquivo(const std::vector<std::string>& Linhas, const char* Fim = "\r\n") {
    std::string s;
    for (const auto& l : Linhas) s += l + Fim;
    return s;
}

std::string Variante(const Trocas& T) {
    return Arquivo(Linhas(T));
}

// Todos os registros diferentes dos de projeto: textos "7", verdades trocadas, marcações 2.
std::string Oposto() {
    auto l = Linhas();
    for (auto& t : l) t = t == "True" ? "False" : t == "False" ? "True" : t[0] == ' ' ? " 2 " : "7";
    l[5] = "True"; // o registro 6 não trava o cobrimento: a carga o deixa habilitado
    return Arquivo(l);
}

// Os 39 registros como o arquivo os grava: o retrato dos controles.
std::string Retrato(const Dimensionamento& d) {
    std::string s;
    EXPECT_FALSE(TextoConfiguracao(d, s));
    return s;
}

Dimensionamento Carregado(const std::string& Bytes) {
    EscreveBytes("carga.txt", Bytes);
    Dimensionamento d;
    EXPECT_FALSE(CarregaConfiguracao(d, "carga.txt"));
    d.Form1.Text8.Text = "resultado anterior";
    return d;
}

TEST_F(ArquivoDeValores, valores_de_projeto_gravam_o_padrao_de_referencia_por_cima_de_outro) {
    EscreveBytes("Padrão.txt", std::string(5000, 'x'));
    Dimensionamento d;
    d.NomeArquivo = "Padrão.txt";
    d.Grava();
    EXPECT_EQ(LeBytes("Padrão.txt"), Padrao) << d.MensagemErro;
    EXPECT_EQ(ArquivosNaPasta(), 1u) << "temporário deixado na pasta";
    // Aspas no começo vão entre aspas, dobradas; marcação: sinal ou branco, dígitos, branco.
    d.Form1.Text19.Text = "\"k";
    d.Form1.Check1.Value = -1;
    EXPECT_EQ(Retrato(d), Variante({{30, "\"\"\"k\""}, {35, "-1 "}}));
}

TEST_F(ArquivoDeValores, abertura_carrega_o_padrao_sobre_valores_todos_diferentes_e_sem_ele_nada) {
    for (const auto& [arquivo, antes] : {std::pair{Padrao, Oposto()}, {Oposto(), Padrao}}) {
        SCOPED_TRACE(arquivo == Padrao ? "o padrão sobre valores opostos"
                                       : "o oposto sobre o padrão");
        Dimensionamento d = Carregado(antes);
        CarregaPadraoInicial(d); // Padrão.txt ausente: primeiro uso, em silêncio
        EscreveBytes("Padrão.txt", arquivo);
        CarregaPadraoInicial(d);
        EXPECT_FALSE(d.Form2.Visivel) << d.MensagemErro;
        EXPECT_EQ(Retrato(d), arquivo);
        EXPECT_EQ(d.Form1.Text8.Text, "resultado anterior") << "carregar não calcula nem limpa";
        std::filesystem::remove("Padrão.txt");
    }
}

// Primeiro uso: sem Padrão.txt, os valores de exemplo instalados, ditos na linha de estado e
// sem "*" no título; o projeto deles atende a todas as verificações. Com Padrão.txt, vale
// ele; sem o exemplo, os valores de projeto em silêncio.
TEST_F(ArquivoDeValores, primeiro_uso_oferece_os_valores_de_exemplo) {
    const std::string exemplo =
        (std::filesystem::path(LUMBRIO_DADOS_TESTE) / "../../packaging/Padrão.txt").string();
    Dimensionamento d;
    CarregaPadraoInicial(d, exemplo);
    EXPECT_EQ(ArquivoDosPadroes(d), exemplo);
    EXPECT_NE(d.Estado.find("valores de exemplo"), std::string::npos);
    EXPECT_EQ(d.TituloJanela(), "Lumbrio — NBR 6118:2023");
    d.Programa();
    ASSERT_TRUE(d.HaResultados) << d.MensagemErro;
    EXPECT_EQ(std::tuple(d.Base, d.Altura, d.Cobrimento, d.Fck, d.Diametro[d.BitolaEstr],
                         d.Diametro[d.Pos.Bitola[1]]),
              std::tuple(20.0, 50.0, 3.0, 250.0, 0.63, 1.6));
    for (const LinhaVerificacao& v : LinhasVerificacao(d.Verif)) EXPECT_FALSE(v.Falha) << v.Texto();
    EXPECT_GE(d.Pos.NumBarras[1], 2);
    EscreveBytes("Padrão.txt", Padrao);
    for (const char* outro : {exemplo.c_str(), "sem/exemplo.txt"}) {
        Dimensionamento e;
        CarregaPadraoInicial(e, outro);
        EXPECT_EQ(Retrato(e), Padrao);
        EXPECT_TRUE(e.Estado.empty() && !e.Form2.Visivel);
        std::filesystem::remove("Padrão.txt");
        EXPECT_EQ(ArquivoDosPadroes(e), outro == exemplo ? exemplo : ArquivoPadrao);
    }
}

// O registro 40 guarda a norma só fora da 2003; depois dele, só linhas em branco.
TEST_F(ArquivoDeValores, registro_40_e_a_norma_e_cada_arquivo_lido_poe_a_sua) {
    Dimensionamento d;
    d.Form1.ComboNorma.Text = "NBR 6118:2023";
    const std::string de2023 = Padrao + "NBR 6118:2023\r\n";
    EXPECT_EQ(Retrato(d), de2023);
    for (const auto& [bytes, norma] : {std::pair{Padrao + "\r\n\r\n", "NBR 6118:2003"},
                                       {de2023 + "\r\n", "NBR 6118:2023"},
                                       {Padrao, "NBR 6118:2003"}}) {
        SCOPED_TRACE("depois do registro 39: " + TextoVisivel(bytes.substr(Padrao.size())));
        EscreveBytes("v.txt", bytes);
        EXPECT_FALSE(CarregaConfiguracao(d, "v.txt"));
        EXPECT_EQ(d.Form1.ComboNorma.Text, norma);
    }
    // Com a cortante ou o serviço em uso: o 40 sempre e os 41 a 50; sem eles, o padrão volta.
    for (const auto& [nome, extras] :
         {std::pair{"cortante e serviço", Extras()}, {"só o serviço, Vd vazio", Extras(41, "")}}) {
        SCOPED_TRACE(nome);
        const std::string comExtras = Padrao + "NBR 6118:2003\r\n" + extras;
        EscreveBytes("v.txt", comExtras);
        EXPECT_FALSE(CarregaConfiguracao(d, "v.txt"));
        EXPECT_EQ(Retrato(d), comExtras);
        EXPECT_TRUE(d.Form1.TextTeta.Enabled) << "θ só no modelo II, o do arquivo";
    }
    d.Form1.TextTeta.Text = "29.9";
    std::string bytes;
    EXPECT_NE(TextoConfiguracao(d, bytes)->Mensagem.find("registro 44 (θ das bielas) deveria ser "
                                                         "um número de 30 a 45 e traz \"29.9\""),
              std::string::npos);
    EscreveBytes("v.txt", Padrao);
    EXPECT_FALSE(CarregaConfiguracao(d, "v.txt"));
    EXPECT_EQ(Retrato(d), Padrao);
    EXPECT_FALSE(d.Form1.TextTeta.Enabled);
}

// A verificação de barras dadas leva os registros 51 a 61 (e o 40 e os 41 a 50); sem
// eles, a marcação e as caixas voltam ao padrão.
TEST_F(ArquivoDeValores, registros_51_a_61_so_com_a_verificacao_de_barras_dadas) {
    Dimensionamento d;
    d.Form1.CheckVerifica.Value = 1;
    d.Form1.TextBarrasPos[1].Text = "4", d.Form1.TextBarrasNeg[3].Text = "2";
    d.Form1.TextSEstribo.Text = "12.5";
    const std::string com =
        Padrao +
        "NBR 6118:2003\r\n\r\nKN\r\nModelo I\r\n30\r\n90\r\n2\r\nCA-50\r\n\r\nKN.cm\r\nII\r\n" +
        "True\r\n4\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n2\r\n12.5\r\n";
    EXPECT_EQ(Retrato(d), com);
    EXPECT_EQ(Retrato(Carregado(com)), com);
    EscreveBytes("v.txt", Padrao);
    EXPECT_FALSE(CarregaConfiguracao(d, "v.txt"));
    EXPECT_EQ(Retrato(d), Padrao);
}

// "Salvar como..." dá ".txt" a um nome sem extensão e diz na linha de estado o que gravou.
TEST_F(ArquivoDeValores, comandos_de_arquivo_da_janela_e_nome_cancelado) {
    Dimensionamento a;
    a.Form1.Text1.Text = "33";
    GravaArquivo(a, ""); // "Salvar como..." cancelado
    EXPECT_TRUE(std::filesystem::is_empty(".") && a.Estado.empty());
    for (const auto& [nome, gravado] :
         {std::pair{"v.dados", "v.dados"}, {"v.TXT", "v.TXT"}, {"v", "v.txt"}}) {
        GravaArquivo(a, nome);
        EXPECT_EQ(a.Estado, Junta("Valores gravados em \"", gravado, "\"."));
    }
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

TEST_F(ArquivoDeValores, leitura_tolerante_e_gravacao_so_com_as_aspas_necessarias) {
    // {registro, como vem no arquivo, como volta gravado}. Sem aspas, um texto com vírgula,
    // quebra de linha, branco ou tabulação nas pontas ou aspas no começo não voltaria igual.
    // "Auto." desmarcada pela carga habilita as escalas, digam o que disserem 16 e 17
    // (as marcações seguintes não mudam, para que nenhuma outra aplique a regra); o
    // registro 6 False não prende a caixa do cobrimento, que nada na janela destrava.
    const std::tuple<int, const char*, const char*> casos[] = {
        {1, " \t 20 \t ", "20"},
        {3, "\" 0.5\"", "\" 0.5\""},
        {4, "\"5 \"", "\"5 \""},
        {5, "\"\t5\"", "\"\t5\""},
        {7, "\"5\t\"", "\"5\t\""},
        {8, "\"a\nb\"", "\"a\nb\""},
        {6, "FALSE", "True"},
        {16, "false", "True"},
        {17, "False", "True"},
        {18, " 0", " 0 "},
        {22, "\x81\x9D", "\x81\x9D"},
        {29, "+0", " 0 "},
        {30, " \"a\"\"b\" ", "a\"b"},
        {14, "\",\"", "\",\""},
        // Vírgula decimal num número, como a janela a lê: "1,15" é 1.15, não 1.
        {11, "\"1,15\"", "1.15"},
        {9, "\" 2,1e+6\"", "\" 2.1e+6\""},
        {39, "000000000", " 0 "}};
    auto lidas = Linhas(), gravadas = lidas;
    for (const auto& [n, lida, gravada] : casos) {
        lidas[static_cast<std::size_t>(n - 1)] = lida;
        gravadas[static_cast<std::size_t>(n - 1)] = gravada;
    }
    // Fins de linha só LF, o primeiro só CR e o último ausente.
    std::string f = Arquivo(lidas, "\n");
    f[f.find('\n')] = '\r';
    f.pop_back();
    EXPECT_EQ(Retrato(Carregado(f)), Arquivo(gravadas));
}

// Com "Auto." como estava, os registros 16 e 17 valem como vêm.
TEST_F(ArquivoDeValores, escala_habilitada_pelo_registro_16_com_auto_como_estava) {
    auto l = Linhas();
    l[15] = "True";
    EXPECT_TRUE(Carregado(Arquivo(l)).Form1.Text5.Enabled);
    EXPECT_FALSE(Carregado(Arquivo(Linhas())).Form1.Text5.Enabled);
}

// O maior arquivo que o programa lê de volta, 64 KiB, é gravado; um byte a mais, não.
TEST_F(ArquivoDeValores, gravacao_ate_o_tamanho_que_a_leitura_aceita) {
    Dimensionamento d;
    std::string bytes;
    ASSERT_FALSE(TextoConfiguracao(d, bytes));
    const std::size_t falta = TamanhoMaximoLeitura - bytes.size();
    for (const auto& [extra, grava] : {std::pair{falta, true}, {falta + 1, false}}) {
        SCOPED_TRACE(extra);
        d.Form1.Text31.Text = "1" + std::string(extra, '0'); // passo da base, sem aspas
        EXPECT_EQ(!GravaConfiguracao(d, "grande.txt"), grava);
    }
}

// Md e Vd com vírgula decimal, num arquivo escrito à mão: o projeto usa 1,5, não o 1 do
// começo do texto.
TEST_F(ArquivoDeValores, virgula_decimal_no_arquivo_projeta_o_numero_escrito) {
    const std::string bytes =
        Variante({{7, "\"1,5\""}}) + "NBR 6118:2003\r\n" + Extras(41, "\"1,5\"");
    Dimensionamento d = Carregado(bytes);
    EXPECT_EQ(d.Form1.Text17.Text, "1.5");
    EXPECT_EQ(d.Form1.TextVd.Text, "1.5");
    d.Programa();
    ASSERT_TRUE(d.HaResultados) << d.MensagemErro;
    EXPECT_DOUBLE_EQ(d.Md, 1.5 * FatorDaUnidade(d.Form1.Combo5.Text));
    EXPECT_DOUBLE_EQ(d.EntCortante.Vd, 1500); // Tf
}

TEST_F(ArquivoDeValores, arquivo_ruim_e_recusado_com_o_motivo_sem_mudar_nada) {
    std::filesystem::create_directory("pasta.txt");
    auto curto = Linhas();
    curto.resize(20);
    std::vector<std::pair<std::string, std::string>> casos = {
        {"", "o arquivo ou a pasta não existe"}, // não escrito
        {"pasta", "o nome é de uma pasta"},
        {Arquivo(curto), "o arquivo acaba no registro 20 e são necessários 39"},
        {Variante({{39, "\" 0 "}}), "o registro 39 abre aspas que não se fecham"},
        {Variante({{1, "\"20\" cm"}}), "o registro 1 tem texto depois das aspas de fechamento"},
        {Variante({{6, "Sim"}}),
         "o registro 6 (Text4, cobrimento habilitado) deveria ser True ou False e traz \"Sim\""},
        // Sem aspas, "0,0001" são dois campos: o registro 35 recebe "40 mm".
        {Variante({{31, "0,0001"}}),
         "o registro 35 (Check1, \"Tranca bitola\") deveria ser 0, 1 ou 2 e traz \"40 mm\""},
        {Padrao + "NBR 6118:2014\r\n", "o registro 40 (norma)"},
        {Padrao + "NBR 6118:2023\r\n150\r\n", "o arquivo acaba no registro 41 e, com os"},
        {Padrao + "NBR 6118:2003\r\n" + Extras() + "x\r\n",
         "o registro 51 (\"Verificar armadura dada\") deveria ser True ou False e traz \"x\""},
        {Padrao + "NBR 6118:2003\r\n" + Extras() + "True\r\n2.5\r\n",
         "o registro 52 (barras da camada positiva 1) deveria ser um número inteiro"},
        {Padrao + "NBR 6118:2003\r\n" + Extras() + "True\r\n2\r\n",
         "o arquivo acaba no registro 52 e, com os registros da verificação de barras dadas, "
         "são necessários 61"},
        // Até 64 KiB o arquivo é lido (e recusado pelo conteúdo); acima, nem é lido.
        {Padrao + std::string(65535 - Padrao.size(), '\n') + "x", "o registro 40 (norma)"},
        {Padrao + std::string(65537 - Padrao.size(), '\n'), "o arquivo tem mais de 64 KiB"}};
    const std::pair<int, const char*> ruins[] = {
        {16, "Truex"}, {17, "Xrue"}, {28, " 3 "},        {29, "1.0"},      {29, "10"},
        {35, "+"},     {38, "-1"},   {39, "0000000001"}, {3, "\"1,5,0\""}, {19, "\",\""}};
    // Uma vírgula que não faz do texto um número não vira 1 em silêncio.
    casos.emplace_back(Variante({{7, "\"1,5x\""}}),
                       "o registro 7 (Text17, Md) deveria ser um número (com vírgula ou ponto "
                       "decimal) e traz \"1,5x\"");
    casos.emplace_back(Padrao + "NBR 6118:2023\r\n" + Extras(48, "\"6,000.5\""),
                       "o registro 48 (Mser) deveria ser um número");
    for (const auto& [n, t] : ruins)
        casos.emplace_back(Variante({{n, t}}), "o registro " + std::to_string(n) + " (");
    const std::pair<int, const char*> extrasRuins[] = {
        {42, "kN"},  {43, "Modelo III"}, {44, "46"},  {45, "44.9"}, {46, "1"},
        {46, "2.5"}, {47, "CA-25"},      {49, "MPa"}, {50, "V"}};
    casos.emplace_back(Padrao + "NBR 6118:2023\r\n" + Extras(42, "kN"),
                       "o registro 42 (unidade de Vd) deveria ser \"Kgf\", \"KN\", \"Tf\" ou "
                       "\"N\" e traz \"kN\"");
    for (const auto& [n, t] : extrasRuins)
        casos.emplace_back(Padrao + "NBR 6118:2023\r\n" + Extras(n, t),
                           "o registro " + std::to_string(n) + " (");
    for (std::size_t i = 0; i < casos.size(); ++i) {
        const auto& [bytes, motivo] = casos[i];
        SCOPED_TRACE(testing::Message() << "caso " << i + 1 << ": " << motivo);
        const std::string nome = bytes.empty()      ? "não há.txt"
                                 : bytes == "pasta" ? "pasta.txt"
                                                    : "v.txt";
        if (nome == "v.txt") EscreveBytes(nome, bytes);
        Dimensionamento d = Carregado(Oposto());
        d.NomeArquivo = nome;
        d.Carrega();
        EXPECT_EQ(
            d.MensagemErro.rfind("O arquivo \"" + nome + "\" não foi carregado: " + motivo, 0), 0u)
            << d.MensagemErro;
        EXPECT_EQ(Retrato(d), Oposto());
        EXPECT_EQ(d.Form1.Text8.Text, "resultado anterior");
    }
}

TEST_F(ArquivoDeValores, gravacao_recusada_avisa_e_deixa_arquivo_e_pasta_como_estavam) {
    EscreveBytes("v.txt", "anterior");
    std::filesystem::create_directories("ocupado.txt/dentro");
    EscreveBytes("protegido.txt", "anterior");
    ::chmod("protegido.txt", 0444);
    ::mkfifo("fifo", 0644);
    const std::pair<const char*, std::string> casos[] = {
        {"protegido.txt", ": o arquivo é protegido contra gravação."},
        {"fifo", ": o destino não é um arquivo comum (é um dispositivo, FIFO ou soquete)."},
        {"norma.txt", ": o registro 40 (norma) tem o caractere \"Ω\", que não existe no "
                      "conjunto Windows-1252 dos arquivos."},
        {"v.txt", ": o registro 30 (Text19, fator de x máximo) tem o caractere \"Ω\", que não "
                  "existe no conjunto Windows-1252 dos arquivos."},
        {"ocupado.txt", ": o nome é de uma pasta."},
        {"sem_pasta/v.txt", ": o arquivo ou a pasta não existe."}};
    for (const auto& [nome, motivo] : casos) {
        SCOPED_TRACE(nome);
        Dimensionamento d;
        d.Form1.Text19.Text = std::string_view(nome) == "v.txt" ? "0.5 Ω" : "";
        d.Form1.ComboNorma.Text = nome[0] == 'n' ? "NBR 6118:2023 Ω" : "NBR 6118:2003";
        d.Form1.Text8.Text = "resultado";
        d.NomeArquivo = nome;
        d.Grava();
        EXPECT_EQ(d.MensagemErro, "O arquivo \"" + d.NomeArquivo + "\" não foi gravado" + motivo);
        EXPECT_EQ(d.Form1.Text8.Text + d.Estado, "resultado")
            << "falha ao salvar não limpa o painel";
    }
    EXPECT_EQ(LeBytes("v.txt"), "anterior");
    EXPECT_EQ(LeBytes("protegido.txt"), "anterior");
    EXPECT_TRUE(std::filesystem::is_directory("ocupado.txt/dentro"));
    EXPECT_EQ(ArquivosNaPasta(), 4u) << "temporário deixado na pasta";
}

TEST(Windows1252, os_256_bytes_vao_e_voltam_textos_longos_passam_e_o_invalido_e_apontado) {
    std::string todos, volta, invalido;
    for (int b = 0; b < 256; ++b) todos += static_cast<char>(b);
    for (const std::string& bytes : {todos, std::string(3000, '\xE7')}) {
        SCOPED_TRACE(testing::Message() << bytes.size() << " bytes");
        EXPECT_TRUE(ParaWindows1252(DeWindows1252(bytes), volta, invalido)) << invalido;
        EXPECT_EQ(volta, bytes);
    }
    EXPECT_EQ(DeWindows1252("\x80\xE7\x81\x9D a"), "€ç\xC2\x81\xC2\x9D a");
    const std::pair<const char*, const char*> casos[] = {{"0.5 Ω", "Ω"},
                                                         {"ok ✓ fim", "✓"},
                                                         {"😀x", "😀"},
                                                         {"a\xC3", "\xC3"},
                                                         {"\xC2\x80", "\xC2\x80"},
                                                         {"\xBFx", "\xBF"},
                                                         {"\xC2", "\xC2"},
                                                         {"\xE0\xA0\x80", "\xE0\xA0\x80"},
                                                         {"\xC0\x80", "\xC0\x80"}};
    for (const auto& [texto, esperado] : casos) {
        EXPECT_FALSE(ParaWindows1252(texto, volta, invalido)) << texto;
        EXPECT_EQ(invalido, esperado);
    }
}

TEST_F(ArquivoDeValores,
       gravacao_atomica_segue_links_herda_permissoes_e_falha_sem_tocar_o_arquivo) {
    std::string motivo;
    EscreveBytes("alvo.txt", "velho");
    ::chmod("alvo.txt", 0640);
    std::filesystem::create_symlink("alvo.txt", "elo");
    ASSERT_TRUE(GravaAtomico("elo", "novo", motivo)) << motivo;
    EXPECT_TRUE(std::filesystem::is_symlink("elo"));
    EXPECT_EQ(LeBytes("alvo.txt"), "novo");
    struct stat st {};
    ::stat("alvo.txt", &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_FALSE(
        ComDiscoCheio([&] { return GravaAtomico("alvo.txt", std::string(500, 'x'), motivo); }));
    EXPECT_EQ(motivo, "o arquivo passou do tamanho máximo permitido");
    EXPECT_EQ(LeBytes("alvo.txt"), "novo");
    EXPECT_EQ(ArquivosNaPasta(), 2u) << "temporário deixado na pasta";
    GravacaoAtomica g;
    EXPECT_FALSE(g.Escreve("x", motivo));
    EXPECT_FALSE(g.Conclui(motivo));
    EXPECT_EQ(motivo, "a saída não está aberta para gravação");
    // Link pendente: o alvo é criado e o link fica; um ciclo é recusado.
    std::filesystem::create_symlink("sub/../novo.txt", "pendente");
    std::filesystem::create_directory("sub");
    ASSERT_TRUE(GravaAtomico("pendente", "x", motivo)) << motivo;
    EXPECT_TRUE(std::filesystem::is_symlink("pendente") && LeBytes("novo.txt") == "x");
    std::filesystem::create_symlink("ciclo", "ciclo");
    EXPECT_FALSE(GravaAtomico("ciclo", "x", motivo));
    EXPECT_EQ(motivo, "os links simbólicos formam um ciclo");
}

class Exportacao : public PastaTemporaria {};

const std::string Referencia = LeBytes(std::filesystem::path(LUMBRIO_DADOS_TESTE) / "resulta.txt");

// Viga 22.5x50 com fck 200 kgf/cm², camadas positivas de 3 e 2 barras e nenhuma
// negativa. Camadas a 3805 + 94.4·(50 − d'): 7883.08, 7628.2, 7373.32... twips;
// o escoamento em 3805 + 94.4·x fica, com x = 41, em 7675.4: abaixo da camada 2.
Dimensionamento EstadoExportavel() {
    Dimensionamento d;
    auto& a = d.Form1;
    std::tie(a.Combo2[1].Text, a.Text36.Text, a.Text23.Text, a.Text24.Text, d.ArquivoExporta) =
        std::tuple("16 mm (5/8'')", "7.25", "12345.67", "12000.50", "resulta.txt");
    std::tie(d.Base, d.Altura, d.Fck, d.XEscoamento, d.Pos.NumCamadas) =
        std::tuple(22.5, 50, 200, 41, 6);
    std::tie(d.OrigemYDiagrama, d.OrigemYSecao, d.EscalaY, d.EscalaSecao) =
        std::tuple(3805, 3805, 94.4, 94.4);
    d.Pos.NumBarras = {0, 3, 2};
    d.Pos.DLinha = {0, 6.8, 9.5, 12.2};
    return d;
}

// Um descritor padrão fechado ao iniciar volta aberto (em /dev/null): um arquivo
// aberto depois dele não vira a saída de erros.
TEST(DescritoresPadrao, fechados_voltam_abertos) {
    for (const int fd : {0, 2})
        EXPECT_EXIT(
            {
                ::close(fd);
                AbreDescritoresPadrao();
                std::_Exit(::fcntl(fd, F_GETFD) != -1 ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "")
            << fd;
}

// Todo sinal que encerra apaga o temporário e diz por quê (SIGPIPE: "lote ... 2>&1 |
// head -1"; SIGABRT: o std::terminate); um ignorado ao iniciar (nohup) fica ignorado.
TEST_F(ArquivoDeValores, sinal_apaga_o_temporario_e_o_ignorado_fica_ignorado) {
    for (const int s : {SIGUSR1, SIGALRM, SIGINT, SIGQUIT, SIGPIPE, SIGUSR2, SIGVTALRM, SIGPROF,
                        SIGSTKFLT, SIGPWR, SIGABRT, SIGSEGV, SIGRTMIN, SIGRTMAX}) {
        SCOPED_TRACE(sigabbrev_np(s) ? sigabbrev_np(s) : "RT");
        const bool ignorado = s == SIGINT;
        EXPECT_EXIT(
            {
                const rlimit semCore{}; // SIGQUIT e SIGABRT gravariam um core na pasta
                ::setrlimit(RLIMIT_CORE, &semCore);
                std::signal(s, ignorado ? SIG_IGN : SIG_DFL); // como o processo começou
                ApagaTemporarioAoInterromper("lote");
                GravacaoAtomica g;
                std::string motivo;
                if (g.Abre("s.csv", motivo)) std::raise(s);
                std::_Exit(g.Conclui(motivo) ? 7 : 1);
            },
            [&](int st) {
                return ignorado ? testing::ExitedWithCode(7)(st) : testing::KilledBySignal(s)(st);
            },
            (ignorado ? "" : "^lote: .*a gravação em curso foi descartada"));
    }
    EXPECT_EQ(ArquivosNaPasta(), 1u); // só o s.csv de quem ignorou: nenhum temporário
}

TEST_F(Exportacao, exporta_o_resulta_de_referencia_por_cima_de_outro) {
    EscreveBytes("resulta.txt", std::string(500, 'x'));
    Dimensionamento d = EstadoExportavel();
    d.Exporta();
    EXPECT_EQ(LeBytes("resulta.txt"), Referencia) << d.MensagemErro;
    EXPECT_EQ(ArquivosNaPasta(), 1u);
    EXPECT_EQ(d.Estado, Junta("Dados exportados em \"resulta.txt\" na pasta \"",
                              std::filesystem::current_path().string(), "\"."));
    // Separador regional só nas linhas de número, sem o zero antes dele; o texto das
    // caixas sai como está.
    std::tie(d.SeparadorDecimal, d.Base, d.Fck) = std::tuple(",", 1.5e-7, -0.25);
    d.Exporta();
    std::string esperado = Referencia;
    esperado.replace(esperado.find(" 22.5 "), 6, " 1,5E-07 ");
    esperado.replace(esperado.find(" 200 "), 5, "-,25 ");
    EXPECT_EQ(LeBytes("resulta.txt"), esperado);
}

TEST_F(Exportacao, conta_as_camadas_com_barras_e_compara_o_escoamento_ate_a_primeira_vazia) {
    // {camadas, barras +, barras −, x (cm), camadas com barras + e −, posição}
    const std::tuple<int, PorCamada, PorCamada, double, int, int, const char*> casos[] = {
        {6, {0, 3, 2}, {}, 41, 2, 0, "abaixo"},
        {6, {0, 3, 2}, {}, 40.5, 2, 0, "acima"}, // na altura da camada 2
        {6, {0, 3, 0, 2}, {}, 39, 2, 0, "acima"},
        {2, {0, 3, 0, 2}, {0, 1, 0, 5}, 39, 1, 1, "acima"},
        {0, {0, 3, 2}, {0, 1}, 41, 0, 0, "acima"},
        {1, {0, 1, 2}, {}, 44, 1, 0, "abaixo"},  // abaixo da camada 1, a única examinada
        {9, {0, 3, 2}, {5}, 30, 2, 0, "acima"}}; // só 6 camadas; a posição 0 não conta
    for (const auto& [camadas, pos, neg, x, comPos, comNeg, posicao] : casos) {
        SCOPED_TRACE(testing::Message() << camadas << " camadas, x = " << x);
        Dimensionamento d = EstadoExportavel();
        d.Pos.NumCamadas = d.Neg.NumCamadas = static_cast<short>(camadas);
        std::tie(d.Pos.NumBarras, d.Neg.NumBarras, d.XEscoamento) = std::tuple(pos, neg, x);
        d.Exporta();
        EXPECT_EQ(d.CamadasComBarrasPos, comPos);
        EXPECT_EQ(d.CamadasComBarrasNeg, comNeg);
        EXPECT_EQ(d.PosicaoEscoamento, posicao);
    }
}

TEST_F(Exportacao, falha_avisa_sem_limpar_e_a_taxa_de_4_por_cento_e_estrita) {
    std::filesystem::create_directories("ocupado/dentro");
    Dimensionamento d = EstadoExportavel();
    // {arquivo, bitola, motivo da falha}
    const std::tuple<const char*, const char*, const char*> casos[] = {
        {"resulta.txt", "16 mm", ""},
        {"ocupado", "16 mm", ": o nome é de uma pasta."},
        {"resulta.txt", "16 mm ✓",
         ": o caractere \"✓\" não existe no conjunto Windows-1252 dos arquivos."}};
    for (const auto& [arquivo, bitola, motivo] : casos) {
        SCOPED_TRACE(Junta(arquivo, ", ", bitola));
        std::tie(d.ArquivoExporta, d.Form1.Combo2[1].Text) = std::tuple(arquivo, bitola);
        d.Exporta();
        EXPECT_EQ(d.Form2.Visivel, *motivo != 0);
        EXPECT_EQ(d.MensagemErro,
                  *motivo ? "O arquivo \"" + d.ArquivoExporta + "\" não foi gravado" + motivo : "");
        d.Form2 = {};
    }
    EXPECT_EQ(d.Form1.Text23.Text, "12345.67") << "a falha não limpa os resultados";
    EXPECT_EQ(LeBytes("resulta.txt").substr(0, 7), "16 mm\r\n") << "o anterior fica inteiro";
    EXPECT_EQ(ArquivosNaPasta(), 2u) << "temporário deixado na pasta";
    // 45 cm² são 4 % de 22,5 × 50: exatamente 4 % atende.
    EXPECT_FALSE(TaxaAcimaDaMaxima(30, 15, 22.5 * 50));
    EXPECT_TRUE(TaxaAcimaDaMaxima(30, 15.01, 22.5 * 50));
}

TEST_F(Exportacao, botoes_de_passo_somam_o_passo_e_recalculam_so_com_numero_na_caixa) {
    // O resultado sai no texto decimal curto: 15 algarismos, expoente fora de 1E-05 a 1E+15.
    using F = ControlesForm1;
    using enum Dimensionamento::AlvoPasso;
    // {alvo, sinal, caixa, caixa do passo, antes, passo, depois (nulo: nada acontece)}
    const std::tuple<Dimensionamento::AlvoPasso, int, CaixaTexto F::*, CaixaTexto F::*, const char*,
                     const char*, const char*>
        casos[] = {
            {Base, -1, &F::Text1, &F::Text31, "20", "25", "-5"},
            {Base, +1, &F::Text1, &F::Text31, "0.1", "0.2", "0.3"},
            {Base, +1, &F::Text1, &F::Text31, "0", "0.33333333333333333", "0.333333333333333"},
            {Base, +1, &F::Text1, &F::Text31, "0", "1e-10", "1E-10"},
            {Base, +1, &F::Text1, &F::Text31, "\r\n5", "1", "6"},
            {Altura, +1, &F::Text2, &F::Text32, "1e-5", "-0.00000985", "1.5E-07"},
            {Altura, -1, &F::Text2, &F::Text32, "-.5", "1/3", nullptr},
            {Md, +1, &F::Text17, &F::Text7, "100", " 0,5 ", "100.5"},
            {Md, +1, &F::Text17, &F::Text7, "999999999999999", "1", "1E+15"},
            {Md, -1, &F::Text17, &F::Text7, "10000.3", "0.1", "10000.2"},
            {Md, +1, &F::Text17, &F::Text7, "abc", "1", nullptr},
            {Base, +1, &F::Text1, &F::Text31, "", "1", nullptr}};
    for (const auto& [destino, sinal, alvo, passo, antes, textoPasso, depois] : casos) {
        SCOPED_TRACE(Junta(TextoVisivel(antes), " com passo ", textoPasso));
        std::filesystem::remove("resulta.txt");
        Dimensionamento d;
        (d.Form1.*alvo).Text = antes;
        (d.Form1.*passo).Text = textoPasso;
        d.Form1.Text8.Text = "sentinela"; // Zera a limpa: sinal de que houve cálculo
        d.Passo_Click(destino, sinal);
        EXPECT_EQ((d.Form1.*alvo).Text, depois ? depois : antes);
        EXPECT_EQ(d.PassoRecusado, !depois);
        EXPECT_EQ(d.Form1.Text8.Text == "sentinela", !depois);
        // Só os botões de Md exportam, e só depois de um cálculo completo.
        EXPECT_EQ(std::filesystem::exists("resulta.txt"),
                  depois && alvo == &F::Text17 && d.HaResultados);
    }
}
} // namespace
} // namespace lumbrio::teste
