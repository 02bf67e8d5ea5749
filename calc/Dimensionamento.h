// Estado de projeto de uma seção retangular de concreto armado à flexão, o modelo
// dos controles da janela e a lista de primitivas de desenho. Os procedimentos do
// cálculo são membros sem argumentos e sem retorno: leem e escrevem este estado.
// Unidades internas: kgf, cm, kgf/cm², kgf·cm; deformações em por mil.
#pragma once

#include "calc/Controles.h"
#include "calc/Primitivas.h"
#include "section/Secao.h"
#include "section/Verificacoes.h"

#include <array>
#include <string>
#include <vector>

namespace lumbrio {

// Vetores por camada indexados a partir de 1 (o elemento 0 não é usado).
using PorCamada = std::array<double, 7>;
using PorBitola = std::array<double, 12>;

// Recusa de um cálculo: as duas linhas do diálogo "Mensagem de erro".
struct Recusa {
    std::string Mensagem;
    std::string Mensagem2;
};

// Limites de passos das buscas: só são atingidos quando a tolerância não é
// alcançada e o passo ainda muda X, o que indica uma tolerância impossível.
inline constexpr long LimitePassosBusca = 100000;
inline constexpr int LimitePassosPrograma = 1000;

class Dimensionamento {
  public:
    // Controles da janela principal, de "Mensagem de erro" e de "Outros valores".
    ControlesForm1 Form1;
    ControlesForm2 Form2;
    ControlesForm8 Form8;

    // Desenhos do último cálculo, em twips.
    std::vector<Primitiva> Desenho;

    // Separador decimal das caixas de resultado (configurações regionais).
    std::string SeparadorDecimal = ".";

    // Molduras das áreas de desenho (twips): esquerda, topo, largura, altura.
    struct Moldura {
        double Left, Top, Width, Height;
    };
    static constexpr Moldura Shape4{3720, 3795, 3690, 4740}; // diagrama de deformações
    static constexpr Moldura Shape1{7410, 3795, 4050, 4740}; // seção

    // ---- Entradas (Ler) ----
    double Base = 0, Altura = 0, Cobrimento = 0; // cm
    double Md = 0;                               // kgf·cm
    double Fck = 0, Es = 0;                      // kgf/cm²
    double GamaC = 0, GamaS = 0;
    double PrecisãoM = 0;    // kgf·cm
    double PrecisãoN = 0;    // kgf
    double DiamAgregado = 0; // cm
    std::string Unidade;
    double FatorUnidade = 0;
    double EscalaX = 0, EscalaY = 0;                            // twips por mil, twips por cm
    double OrigemXDiagrama = 0, OrigemYDiagrama = 0;            // twips
    int MargemDiagrama = 0, MargemSecao = 0;                    // twips
    double EscalaXSecao = 0, EscalaYSecao = 0, EscalaSecao = 0; // twips por cm
    double OrigemXSecao = 0, OrigemYSecao = 0;                  // twips

    // ---- Norma e materiais ----
    Norma Edicao = Norma::NBR2003;
    ParametrosConcreto Concreto; // λ, αc, εcu, εc2 e x/d limite da edição e do fck
    double Fcd = 0, SigCd = 0;   // kgf/cm²
    int Fyk = 0;                 // kgf/cm²
    double Fyd = 0;              // kgf/cm²
    double EpsYd = 0;            // por mil
    std::string TextoAco;        // o aço da lista lido pelo cálculo: "Aço CA-50A"
    bool ClasseB = false;        // o aço lido pelo cálculo é de classe B

    // ---- Catálogo e bitolas escolhidas (índices 1..11; 0 = nenhuma ainda) ----
    PorBitola Diametro{};  // cm
    PorBitola AreaBarra{}; // cm²
    std::array<int, 7> BitolaPos{};
    std::array<int, 7> BitolaNeg{};
    int BitolaEstr = 0;

    // ---- Geometria e iteração ----
    int NumCamadasPos = 0;
    short NumCamadasNeg = 0;
    int CamadaPos = 0, CamadaNeg = 0;
    PorCamada DLinhaPos{}, DLinhaNeg{};   // cm, das faces tracionada / comprimida
    PorCamada EspVertPos{}, EspVertNeg{}; // cm, entre centros de camadas
    double AlturaUtil = 0;                // cm
    double DCG1 = 0, DCG2 = 0;            // cm
    double DCG1Anterior = 0, DCG2Anterior = 0;

    // ---- Análise da seção ----
    double X = 0, XMax = 0;                              // cm
    double EpsC = 0;                                     // por mil
    double Y = 0, Z = 0;                                 // cm
    double Rcc = 0;                                      // kgf
    double MRcc = 0;                                     // kgf·cm
    double SigCdRed = 0;                                 // kgf/cm²
    double MLim2a = 0, MLim2b = 0, MLim3 = 0, MLim4 = 0; // kgf·cm
    double PassoX = 0;                                   // cm
    std::string Dominio;
    std::string MensagemErro, MensagemErro2;
    double DeltaM = 0;           // kgf·cm
    double Rsc = 0;              // kgf
    double AsPos = 0, AsNeg = 0; // cm²
    double AsPosCalculada = 0;   // cm²: As para Md, antes de As,min
    bool MinimaGovernou = false; // 2023: As,min adotada no lugar de As
    double XCalculo = 0;         // cm: x do dimensionamento (a busca, ou x máximo com As')
    double AsPosRestante = 0, AsNegRestante = 0; // cm²
    int IndCamada = 0;
    PorCamada EpsPos{}, EpsNeg{}; // por mil
    PorCamada SigPos{}, SigNeg{}; // kgf/cm²

    // ---- Arranjo ----
    PorCamada NumBarrasPos{}, NumBarrasNeg{};
    PorCamada EspMinHorPos{}, EspMinHorNeg{};   // cm
    PorCamada EspMinVertPos{}, EspMinVertNeg{}; // cm
    PorCamada NumMaxBarrasPos{}, NumMaxBarrasNeg{};
    PorCamada EspLivrePos{}, EspLivreNeg{}; // cm
    PorCamada EspHorPos{}, EspHorNeg{};     // cm
    std::string FimDistribPos, FimDistribNeg;

    // ---- Resultados ----
    double MrdCG = 0, MrdReal = 0; // kgf·cm (unidade do usuário depois de Imprime)
    double XCG = 0, XReal = 0;     // cm
    std::string DominioCG, DominioReal;
    double RccCG = 0, RccReal = 0;    // kgf
    double AsReal = 0, AsNegReal = 0; // cm²
    double PctHPos = 0, PctHNeg = 0;  // %
    double EpsCCG = 0, EpsS1CG = 0;   // por mil
    double XEscoamento = 0;           // cm
    Verificacoes Verif;               // verificações da norma do último cálculo

    // ---- Arquivos ----
    std::string NomeArquivo;
    std::string Estado; // linha de estado da janela: o último arquivo gravado
    std::string ArquivoExporta;
    int CamadasComBarrasPos = 0, CamadasComBarrasNeg = 0;
    std::string PosicaoEscoamento;

    // ---- Acompanhamento (relatórios, testes) ----
    bool HaResultados = false;             // o estado guarda um cálculo completo
    bool AsPosSemLimite = false;           // X = d: As sem limite, a caixa fica vazia
    long PassosDescobreX = 0;              // passos da busca de X (caso 1)
    long PassosCG = 0, PassosReal = 0;     // passos das buscas de equilíbrio
    double ResiduoCG = 0, ResiduoReal = 0; // Rc − Rst no fim de cada busca (kgf)
    int PassosPrograma = 0;                // passagens do laço principal
    // Opções de x máximo lidas pelo último cálculo (os controles podem mudar depois).
    int OpcaoDominio4 = 0, OpcaoXMaximo = 0; // valores de Check4 e Check5
    double FatorXMaximo = 0;                 // k de x máximo = k.d

    // ---- Entradas do último cálculo ----
    std::string EntradasDoCalculo; // EntradasAtuais() ao fim do último cálculo completo
    // As entradas do cálculo (janela e "Outros valores") numa só cadeia.
    std::string EntradasAtuais() const;
    // Há resultados, mas as entradas mudaram depois do cálculo.
    bool Desatualizado() const { return HaResultados && EntradasAtuais() != EntradasDoCalculo; }
    // Impressão, exportações e cópia: falso, com a mensagem, sem um cálculo das entradas atuais.
    bool ResultadosAtuais();
    // "Lumbrio — NBR 6118:2003": a edição do cálculo mostrado, ou a da lista antes dele.
    std::string TituloJanela() const;
    // "&Voltar" de "Outros valores": falso, com a mensagem, quando uma caixa é inválida.
    bool Form8_Voltar();

    // ---- Comandos ----
    void Programa();
    void Command1_Click() { Programa(); }
    void Command3_Click(); // "Tira 1 barra"
    void Combo2_Click(int Index);
    void Combo4_Click(int Index);
    void Combo3_Click() { Programa(); }
    void Check3_Click(); // regra de "Auto."

    // ---- Entradas e catálogos ----
    void Ler();
    void ConfereOutros(); // caixas de "Outros valores"
    void Unidades();
    void Aço();
    void Bitolas();
    void BitolaPositiva();
    void BitolaNegativa();
    void BitolaEstribo();

    // ---- Análise da seção ----
    void SigSdAço();
    void SigSdAçoNeg();
    void DiagRet();
    void MomentosLimitesRET();
    void DescobreXRET();
    void xMáximo();
    void AsTeóricaNeg();
    void AsTeóricaPos();
    void CGd1();
    void CGd2();
    void ValoresFinaisCG();
    void ValoresCG();
    void ValoresFinaisReais();
    void ValoresRET();

    // ---- Arranjo ----
    void EspMinimosPos();
    void EspMinimosNeg();
    void NumMaxdeBarrasPos();
    void NumMaxdeBarrasNeg();
    void DistribuiBarrasPos();
    void DistribuiBarrasNeg();
    void EspaçamentosReaisPos();
    void EspaçamentosReaisNeg();

    // ---- Saída ----
    void Zera();
    void Imprime();
    void DesDeformaçao();
    void Detalha();

    // ---- Arquivos, exportação e botões de passo ----
    void Grava();
    void Carrega();
    void Exporta();
    void Rapida();
    void Command16_Click();     // base + passo
    void Command13_Click();     // base − passo
    void Command15_Click();     // altura + passo
    void Command14_Click();     // altura − passo
    void Command4_Click();      // Md + passo, depois Rapida
    void Command5_Click();      // Md − passo, depois Rapida
    bool PassoRecusado = false; // o último botão de passo achou a caixa sem número

    // Mostra uma mensagem no diálogo "Mensagem de erro".
    void MostraErro(const std::string& Mensagem, const std::string& Mensagem2 = "");

    // Interrompe o comando em curso com uma recusa (capturada por Protegido).
    [[noreturn]] static void Recusar(std::string Mensagem, std::string Mensagem2 = "");

    // Executa um comando; uma recusa limpa os resultados (Zera) e vai para o diálogo.
    template <class F> void Protegido(F&& comando) {
        try {
            comando();
        } catch (const Recusa& r) {
            Zera();
            MostraErro(r.Mensagem, r.Mensagem2);
        }
    }

    // Meia altura do bloco retangular de tensões, y/2 = λ·x/2 (cm).
    double MeioBloco(double XLinha) const { return (XLinha * Concreto.Lambda) / 2; }

    // Largura interna ao estribo, bw = b − 2c − 2φt (cm).
    double LarguraInterna() const { return Base - 2 * Cobrimento - 2 * Diametro[BitolaEstr]; }

    // Lei do aço do cálculo (aço escolhido, fyd, Es, εyd).
    LeiDoAco Lei() const;

  private:
    void ProgramaInterno();
    void TiraUmaBarra();
    void VerificaEImprime();
    std::string Formata(double Valor, int Casas) const;
    void VerificaCamadas(const PorCamada& NumBarras, int NumCamadas, const char* Face);
    // Um passo da busca de equilíbrio (comum aos dois modelos).
    template <bool Real> double ForcaResultante(double& RcOut, double& RstOut);
    template <bool Real> void BuscaEquilibrio(long& Passos, double& Residuo);
};

} // namespace lumbrio
