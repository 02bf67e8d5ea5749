// Estado de projeto de uma seção retangular de concreto armado à flexão: o modelo
// dos controles da janela, as grandezas do cálculo com os nomes que ele usa e a
// lista de primitivas de desenho. Dados apenas; quem o percorre são os
// procedimentos de Dimensionamento.
// Unidades internas: kgf, cm, kgf/cm², kgf·cm; deformações em por mil.
#pragma once

#include "base/Controles.h"
#include "base/Cortante.h"
#include "base/Fissuracao.h"
#include "base/FormaDaSecao.h"
#include "base/Norma.h"
#include "base/Primitivas.h"

#include <array>
#include <string>
#include <vector>

namespace lumbrio {

// Vetores por camada indexados a partir de 1 (o elemento 0 não é usado).
using PorCamada = std::array<double, 7>;
using PorBitola = std::array<double, 12>;

// Limites de passos das buscas: só são atingidos quando a tolerância não é
// alcançada e o passo ainda muda X, o que indica uma tolerância impossível.
inline constexpr long LimitePassosBusca = 100000;
inline constexpr int LimitePassosPrograma = 1000;

// Verificações da NBR 6118 depois de um cálculo completo, com as barras colocadas.
struct Verificacoes {
    Norma Edicao = Norma::NBR2003;
    double FckMPa = 0;
    // Ductilidade, item 14.6.4.3. O veredito é o do dimensionamento: x da busca (ou x
    // máximo com As') sobre o d da última passagem. Na 2003 o limite vale para apoios
    // e ligações: acima dele nos domínios 2 e 3, só uma nota; no domínio 4, falha.
    double XdCalculo = 0, XdLim = 0;
    bool FalhaXdCalculo = false;   // x/d do cálculo acima do limite
    bool FalhaDuctilidade = false; // o veredito da linha
    bool XdSoApoios = false;       // 2003: acima do limite, fora do domínio 4
    // x/d das barras colocadas em cada modelo, com d = h − d'CG1: informação.
    double XdCG = 0, XdReal = 0;
    bool FalhaXdCG = false, FalhaXdReal = false;
    // As barras colocadas passam do limite que o cálculo atende: a tração a mais do
    // arredondamento move x. As' que traria a seção de volta ao limite (cm²) e σ's
    // da camada comprimida com x no limite (kgf/cm²); NaN quando não há número.
    bool NotaArredondamento = false;
    double AsLinhaExtra = 0, SigLinhaNoLimite = 0;
    // A's,extra conferida: com ela as barras colocadas voltam ao limite nos dois modelos.
    // Falso (e AsLinhaExtra NaN) quando não voltam: o arranjo pede um novo dimensionamento.
    bool AsLinhaExtraConferida = false;
    // Seção T: a face da mesa, o caso do bloco (λx ≤ hf: "mesa"; senão "alma") e o W0
    // da seção bruta na fibra tracionada (cm³), de que vêm As,min e Ac.
    bool SecaoT = false, MesaComprimida = true, CasoMesa = false;
    double W0 = 0;
    double MomentoAbas = 0; // kgf·cm, das abas a σcd no caso "alma" (zero nos outros)
    // Armadura mínima, item 17.3.5.2.1, contra a área positiva colocada.
    double AsMin = 0;                     // cm²; negativa quando o concreto não resiste a Md,min
    bool ConcretoNaoResisteMdMin = false; // d² < 2·Md,min/(b·σcd): sem número
    bool FalhaAsMin = false;
    // Armadura máxima, item 17.3.5.2.4.
    double TaxaPct = 0; // (As + As') / Ac, % (Ac = b·h ou a área da T)
    bool FalhaTaxa = false;
    // Armadura de pele, item 17.3.5.2.3, só com h > 60 cm.
    bool PedePele = false;
    double AsPele = 0; // cm² por face
    // Equilíbrio: uma busca final terminou com |Rc − Rst| acima de 1 % de Rcc, ou o Mrd
    // de um modelo não é positivo; os números são os das entradas, mas pedem revisão.
    bool AlertaEquilibrio = false;
    bool AlertaEquilibrioCG = false, AlertaEquilibrioReal = false;
    double ResiduoMax = 0, LimiteResiduo = 0; // kgf: o maior |Rc − Rst| e 1 % do menor Rcc
    // Resistência: Mrd das barras colocadas em cada modelo contra Md (kgf·cm).
    double Md = 0, MrdCG = 0, MrdReal = 0;
    bool FalhaMrdCG = false, FalhaMrdReal = false;
    // Verificação de barras dadas: a ductilidade julga o x delas; sem Md, só Mrd.
    bool Verificacao = false, TemMd = true;
    double UtilCG = 0, UtilReal = 0; // Md / Mrd de cada modelo
    std::string UnidadeMd;           // a lista de Md do cálculo, para as linhas
    double FatorMd = 1;              // kgf·cm por unidade de Md
    // Regra dos 10 % da altura (item 17.2.4.1) nas faces com barras.
    double PctHPos = 0, PctHNeg = 0;
    bool TemNeg = false, FalhaPctH = false;
    // Camadas esgotadas: a última camada de uma face não comporta a área que sobrou.
    int CamadasPos = 0, CamadasNeg = 0; // camadas com barras
    bool EsgotadasPos = false, EsgotadasNeg = false;
    // Domínio 4 com as barras colocadas sem "Permitir domínio 4" (o painel o pinta).
    std::string DominioCG, DominioReal;
    bool FalhaDominio4 = false;
    // A primeira camada tracionada leva pelo menos duas barras, nos cantos do estribo.
    int BarrasCamada1 = 0;
    int BarrasCamada1Neg = 0; // a camada comprimida 1, quando há As'
    bool FalhaBarrasCamada1 = false;
    // γc ou γs fora de 1,0 a 2,0 (por exemplo "1,4" lido como 1 ou "14").
    bool CoeficienteImplausivel = false;
    double GamaC = 0, GamaS = 0;
    // Classe do concreto fora da faixa da edição.
    bool ClasseForaDaFaixa = false;
    double FckMinimo = 0, FckMaximo = 0; // MPa
    // Durabilidade (item 7.4) na classe de agressividade ambiental (1 a 4): classe mínima
    // do concreto (Tabela 7.1) e cobrimento nominal mínimo de vigas (Tabela 7.2).
    int ClasseCAA = 0;
    double FckMinimoCAA = 0;        // MPa
    double Cobrimento = 0;          // cm
    double CobrimentoMinimoCAA = 0; // cm
    bool FalhaClasseCAA = false, FalhaCobrimentoCAA = false;
    // CA-60 só se fabrica até 10 mm: a maior bitola de CA-60 acima disso (mm; 0: nenhuma),
    // das barras ou do estribo.
    double BitolaCA60 = 0;
    bool FalhaCA60 = false;
};

// Uma face da seção: a positiva (tracionada) ou a negativa (comprimida), com as camadas
// 1..NumCamadas contadas da sua borda: bitolas, profundidades, espaçamentos, barras e,
// na busca, as deformações e tensões.
struct Face {
    int NumCamadas = 0;
    std::array<int, 7> Bitola{}; // índices no catálogo (1..11; 0 = nenhuma ainda)
    PorCamada DLinha{};          // cm, da borda da face ao centro da camada
    PorCamada EspVert{};         // cm, entre centros de camadas
    PorCamada Eps{};             // por mil
    PorCamada Sig{};             // kgf/cm²
    // Arranjo: barras, espaçamentos mínimos e reais, capacidade de cada camada.
    PorCamada NumBarras{}, NumMaxBarras{};
    PorCamada EspMinHor{}, EspMinVert{}, EspLivre{}, EspHor{}; // cm
    double AsRestante = 0;                                     // cm², a distribuir
    std::string FimDistrib;
    bool Transborda = false; // a última camada não comportou a área
};

// O estado de um cálculo: as grandezas com os nomes que o cálculo usa, refeitas do
// zero a cada cálculo (nada de um cálculo anterior sobrevive a uma recusa).
struct EstadoDeCalculo {
    // ---- Entradas (Ler) ----
    double Base = 0, Altura = 0, Cobrimento = 0; // cm
    FormaDaSecao Forma;                          // retangular ou T (Base é bw)
    double Md = 0;                               // kgf·cm
    bool Verificacao = false;                    // as barras são dadas, não calculadas
    bool TemMd = true;                           // Md dado (na verificação pode faltar)
    double Fck = 0, Es = 0;                      // kgf/cm²
    double GamaC = 0, GamaS = 0;
    double PrecisãoM = 0;                            // kgf·cm
    double PrecisãoN = 0;                            // kgf
    double DiamAgregado = 0;                         // cm
    double EspHorUsuario = 0, EspVertUsuario = 0;    // cm, de "Outros valores" (0: sem)
    std::string UnidadeMd;                           // a lista de Md do cálculo
    double FatorMd = 1;                              // kgf·cm por unidade de Md
    double EscalaX = 0, EscalaY = 0;                 // twips por mil, twips por cm
    bool EscalaXNula = false, EscalaYNula = false;   // digitadas vazias: as automáticas
    double OrigemXDiagrama = 0, OrigemYDiagrama = 0; // twips
    int MargemDiagrama = 0, MargemSecao = 0;         // twips
    double EscalaSecao = 0;                          // twips por cm
    double OrigemXSecao = 0, OrigemYSecao = 0;       // twips

    // ---- Norma e materiais ----
    Norma Edicao = Norma::NBR2003;
    ParametrosConcreto Concreto; // λ, αc, εcu, εc2 e x/d limite da edição e do fck
    double Fcd = 0, SigCd = 0;   // kgf/cm²
    int Fyk = 0;                 // kgf/cm²
    double Fyd = 0;              // kgf/cm²
    double EpsYd = 0;            // por mil
    std::string TextoAco;        // o aço da lista lido pelo cálculo: "Aço CA-50A"
    bool ClasseB = false;        // o aço lido pelo cálculo é de classe B

    // ---- Catálogo e bitola do estribo (índice 1..4; 0 = nenhuma ainda) ----
    PorBitola Diametro{};  // cm
    PorBitola AreaBarra{}; // cm²
    int BitolaEstr = 0;

    // ---- Faces, geometria e iteração ----
    Face Pos, Neg;
    int CamadaPos = 0, CamadaNeg = 0;
    double AlturaUtil = 0;     // cm
    double DCG1 = 0, DCG2 = 0; // cm
    double DCG1Anterior = 0, DCG2Anterior = 0;

    // ---- Análise da seção ----
    double X = 0, XMax = 0;                              // cm
    double EpsC = 0;                                     // por mil
    double Y = 0, Z = 0;                                 // cm
    double Rcc = 0;                                      // kgf
    double MRcc = 0;                                     // kgf·cm
    double MLim2a = 0, MLim2b = 0, MLim3 = 0, MLim4 = 0; // kgf·cm
    std::string Dominio;
    double Rsc = 0;              // kgf
    double AsPos = 0, AsNeg = 0; // cm²
    double AsPosCalculada = 0;   // cm²: As para Md, antes de As,min
    bool MinimaGovernou = false; // 2023: As,min adotada no lugar de As
    double XCalculo = 0;         // cm: x do dimensionamento (a busca, ou x máximo com As')
    int IndCamada = 0;

    // ---- Arranjo ----

    // ---- Resultados ----
    double MrdCG = 0, MrdReal = 0; // kgf·cm
    double XCG = 0, XReal = 0;     // cm
    std::string DominioCG, DominioReal;
    double RccCG = 0, RccReal = 0;     // kgf
    double AsReal = 0, AsNegReal = 0;  // cm²
    double PctHPos = 0, PctHNeg = 0;   // %
    double EpsCCG = 0, EpsS1CG = 0;    // por mil
    double XEscoamento = 0;            // cm
    Verificacoes Verif;                // verificações da norma do último cálculo
    EntradasCortante EntCortante;      // a cortante lida pelo último cálculo
    ResultadoCortante ResCortante;     // e os estribos das barras colocadas
    std::string UnidadeVd;             // unidade de Vd do último cálculo
    double FatorVd = 1;                // kgf por unidade de Vd
    EntradasFissuracao EntFissuracao;  // o serviço lido pelo último cálculo
    ResultadoFissuracao ResFissuracao; // e a abertura de fissuras das barras colocadas
    std::string UnidadeMser;           // unidade de Mser do último cálculo
    double FatorMser = 1;              // kgf·cm por unidade de Mser

    // ---- resulta.txt ----
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
    bool FatorXMaximoLimitado = false;       // k·d passou do limite da edição: x máximo nele

    // Mensagem da recusa do último cálculo (vazia quando ele terminou).
    std::string MensagemErro, MensagemErro2;

    // Meia altura do bloco retangular de tensões, y/2 = λ·x/2 (cm).
    double MeioBloco(double XLinha) const { return (XLinha * Concreto.Lambda) / 2; }

    // Largura interna ao estribo, bw = b − 2c − 2φt (cm).
    double LarguraInterna() const { return Base - 2 * Cobrimento - 2 * Diametro[BitolaEstr]; }
};

// O estado de projeto: o cálculo, o modelo dos controles da janela, de "Mensagem de
// erro" e de "Outros valores", os desenhos e o que fica entre cálculos.
struct EstadoDeProjeto : EstadoDeCalculo {
    ControlesForm1 Form1;
    ControlesForm2 Form2;
    ControlesForm8 Form8;
    ControlesCalculadoraBf FormBf;

    // Desenhos do último cálculo, em twips.
    std::vector<Primitiva> Desenho;

    // Separador decimal das caixas de resultado (configurações regionais).
    std::string SeparadorDecimal = ".";

    // ---- Arquivos ----
    std::string NomeArquivo;
    // O arquivo de valores aberto ou salvo pelo usuário (vazio: sem nome) e o conteúdo
    // que ele tinha então: o título mostra o nome e "*" quando os valores mudaram.
    std::string ArquivoAtual, ValoresGravados;
    // Os valores de exemplo instalados com o programa: os padrões quando Padrão.txt falta.
    std::string ArquivoExemplo;
    std::string Estado; // linha de estado da janela: o último arquivo gravado
    std::string ArquivoExporta;

    // EntradasAtuais() ao fim do último cálculo completo.
    std::string EntradasDoCalculo;
};

} // namespace lumbrio
