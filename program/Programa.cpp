// Condutor do cálculo: uma execução completa do dimensionamento da seção.
#include "program/Dimensionamento.h"

#include "base/Catalogos.h"
#include "base/Entradas.h"
#include "base/Numeros.h"
#include "base/Primitivas.h"
#include "output/Painel.h"
#include "section/Verificacoes.h"

#include <cmath>
#include <string>
#include <type_traits>
#include <utility>

namespace lumbrio {

void Dimensionamento::MostraErro(const std::string& Mensagem, const std::string& Mensagem2) {
    MensagemErro = Mensagem;
    MensagemErro2 = Mensagem2;
    Form2.Label1.Caption = Mensagem;
    Form2.Label2.Caption = Mensagem2;
    Form2.Visivel = true;
    Form2.Aviso = false;
}

void Dimensionamento::MostraAviso(const std::string& Mensagem, const std::string& Mensagem2) {
    MostraErro(Mensagem, Mensagem2);
    Form2.Aviso = true;
}

void Dimensionamento::Programa() {
    Protegido([this] {
        Zera();
        Calcula(LeEntradas(Form1, Form8));
        EscreveResultados();
        if (EscalaXNula || EscalaYNula)
            Estado = "Escala do diagrama vazia ou nula: o cálculo usou a automática.";
        if (FatorXMaximoLimitado) Estado = AvisoFatorXMaximo(*this, SeparadorDecimal);
        EntradasDoCalculo = EntradasAtuais();
    });
}

// As entradas no estado, com os nomes do cálculo, e a moldura dos desenhos.
void Dimensionamento::Ler(const EntradasProjeto& e) {
    Base = e.Base;
    Altura = e.Altura;
    Forma = e.Forma;
    Cobrimento = e.Cobrimento;
    Md = e.Md;
    Verificacao = e.Verificacao;
    TemMd = e.TemMd;
    UnidadeMd = e.UnidadeMd;
    FatorMd = e.FatorMd;
    Fck = e.Fck;
    Es = e.Es;
    GamaC = e.GamaC;
    GamaS = e.GamaS;
    Edicao = e.Edicao;
    Concreto = ParametrosDe(Edicao, Fck / 10);
    Pos.Bitola = e.Pos.Bitola;
    Neg.Bitola = e.Neg.Bitola;
    BitolaEstr = e.BitolaEstr;
    PrecisãoM = e.PrecisãoM;
    PrecisãoN = e.PrecisãoN;
    DiamAgregado = e.DiamAgregado;
    EspHorUsuario = e.EspHorUsuario;
    EspVertUsuario = e.EspVertUsuario;
    OpcaoDominio4 = e.OpcaoDominio4;
    OpcaoXMaximo = e.OpcaoXMaximo;
    FatorXMaximo = e.FatorXMaximo;
    EntCortante = e.Cortante;
    UnidadeVd = e.UnidadeVd;
    FatorVd = e.FatorVd;
    EntFissuracao = e.Fissuracao;
    UnidadeMser = e.UnidadeMser;
    FatorMser = e.FatorMser;
    TextoAco = e.TextoAco;
    Fyk = e.Fyk;
    ClasseB = e.ClasseB;

    // Molduras dos desenhos: o diagrama com as escalas das entradas, a seção com a
    // maior escala única que cabe.
    MargemDiagrama = MargemDesenho;
    OrigemXDiagrama = Shape4.Left + MargemDiagrama;
    OrigemYDiagrama = Shape4.Top + MargemDiagrama;
    EscalaX = e.EscalaX;
    EscalaY = e.EscalaY;
    EscalaXNula = e.EscalaXNula;
    EscalaYNula = e.EscalaYNula;
    MargemSecao = MargemDesenho;
    OrigemXSecao = Shape1.Left + MargemSecao;
    OrigemYSecao = Shape1.Top + MargemSecao;
    EscalaSecao = EscalaDaSecao(Forma.T ? Forma.Bf : Base, Altura); // na T, a mesa cabe
}

void Dimensionamento::Calcula(const EntradasProjeto& Entradas) {
    // Preparação: nada de um cálculo anterior fica no estado.
    static_cast<EstadoDeCalculo&>(*this) = EstadoDeCalculo{};
    Bitolas();
    Pos.NumCamadas = 6;
    Neg.NumCamadas = 3;
    Ler(Entradas);
    Aço();
    Fcd = Fck / GamaC;
    SigCd = TensaoDoBloco(Fcd, Concreto);
    EspMinimos(Pos);
    NumMaxdeBarras(Pos);
    EspMinimos(Neg);
    NumMaxdeBarras(Neg);
    // Profundidade das camadas, em cadeia a partir da primeira de cada face.
    Pos.DLinha[1] = Cobrimento + Diametro[BitolaEstr] + Diametro[Pos.Bitola[1]] / 2;
    Neg.DLinha[1] = Cobrimento + Diametro[BitolaEstr] + Diametro[Neg.Bitola[1]] / 2;
    for (CamadaPos = 2; CamadaPos <= Pos.NumCamadas; ++CamadaPos)
        Pos.DLinha[CamadaPos] = Pos.DLinha[CamadaPos - 1] + Pos.EspVert[CamadaPos - 1];
    for (CamadaNeg = 2; CamadaNeg <= Neg.NumCamadas; ++CamadaNeg)
        Neg.DLinha[CamadaNeg] = Neg.DLinha[CamadaNeg - 1] + Neg.EspVert[CamadaNeg - 1];
    DCG1 = Pos.DLinha[1];
    DCG2 = Neg.DLinha[1];

    if (Verificacao)
        ColocaBarrasDadas(Entradas);
    else
        Dimensiona();
    EspaçamentosReais(Pos);
    EspaçamentosReais(Neg);
    VerificaSecao();
    HaResultados = true;
}

void Dimensionamento::ExigeAlturaUtil() {
    AlturaUtil = Altura - DCG1;
    if (!(AlturaUtil > 0))
        Recusar(Junta("A seção não comporta a armadura: a altura útil d = ",
                      NumeroMensagem(AlturaUtil, 2), " cm não é positiva."),
                "Aumente a altura ou reduza o cobrimento, o estribo ou as bitolas.");
}

// A busca de x para Md e a distribuição das barras, até os centróides se firmarem.
void Dimensionamento::Dimensiona() {
    // Laço principal: repete enquanto um centróide se afasta da sua face.
    for (PassosPrograma = 1;; ++PassosPrograma) {
        if (PassosPrograma > LimitePassosPrograma)
            Recusar(Junta("O cálculo não convergiu: os centróides das armaduras não se "
                          "estabilizaram em ",
                          std::to_string(LimitePassosPrograma), " passagens."),
                    "Verifique as bitolas e as dimensões da seção.");
        ExigeAlturaUtil();
        xMáximo();
        Rsc = 0;
        MomentosLimitesRET();
        DescobreXRET();
        if (X > XMax) {
            X = XMax;
            AsTeóricaNeg();
            for (CamadaNeg = 1; CamadaNeg <= Neg.NumCamadas; ++CamadaNeg) {
                DistribuiBarras(Neg, CamadaNeg);
                if (Neg.FimDistrib == "sim") break;
            }
            VerificaCamadas(Neg.NumBarras, Neg.NumCamadas, "negativa (de compressão)");
            DCG2Anterior = DCG2;
            CGd2();
            if (DCG2 > DCG2Anterior) continue;
        }
        AsTeóricaPos();
        for (CamadaPos = 1; CamadaPos <= Pos.NumCamadas; ++CamadaPos) {
            DistribuiBarras(Pos, CamadaPos);
            if (Pos.FimDistrib == "sim") break;
        }
        VerificaCamadas(Pos.NumBarras, Pos.NumCamadas, "positiva (de tração)");
        DCG1Anterior = DCG1;
        CGd1();
        if (!(DCG1 > DCG1Anterior)) break;
    }
    XCalculo = X;
}

// Verifica as barras colocadas nos dois modelos, a norma, a cortante e o serviço.
void Dimensionamento::VerificaSecao() {
    ValoresFinaisCG();
    ValoresCG();
    ValoresFinaisReais();
    ValoresRET();
    Verif = Verifica(*this);
    VerificaCortante();
    VerificaFissuracao();
    // Nenhum valor fora dos números chega ao painel nem ao CSV.
    const std::pair<const char*, double> valores[] = {{"As", AsPos},
                                                      {"As real", AsReal},
                                                      {"x (CG)", XCG},
                                                      {"x (Real)", XReal},
                                                      {"Rcc (CG)", RccCG},
                                                      {"Rcc (Real)", RccReal},
                                                      {"As'", AsNeg},
                                                      {"As' real", AsNegReal},
                                                      {"Mrd (CG)", MrdCG / FatorMd},
                                                      {"Mrd (Real)", MrdReal / FatorMd},
                                                      {"d'CG1", DCG1},
                                                      {"d'CG2", DCG2},
                                                      {"%h", PctHPos},
                                                      {"%h'", PctHNeg},
                                                      {"escala X", EscalaX},
                                                      {"escala Y", EscalaY}};
    for (const auto& [nome, v] : valores)
        if (!std::isfinite(v))
            Recusar(Junta("O cálculo produziu um valor inválido para ", nome, "."),
                    "Verifique os dados da seção.");
}

// O painel e os desenhos do cálculo, para a janela.
void Dimensionamento::EscreveResultados() {
    Imprime();
    DesDeformaçao();
    Detalha();
}

void Dimensionamento::VerificaCamadas(const PorCamada& NumBarras, int NumCamadas,
                                      const char* Face) {
    double total = 0;
    for (int i = 1; i <= NumCamadas; ++i) total += NumBarras[i];
    if (total > 0) return;
    const double bw = LarguraInterna();
    Recusar(Junta("Nenhuma barra da armadura ", Face,
                  " cabe na seção: a largura interna ao estribo é bw = ", FormataNumero(bw, 2),
                  " cm."),
            "Aumente a base ou reduza o cobrimento, o estribo ou as bitolas.");
}

std::string Dimensionamento::EntradasAtuais() const {
    std::string s;
    s.reserve(512);
    ParaCadaEntrada(*this, [&s](const Entrada& e, const auto& v) {
        if (!e.Calculo) return;
        using V = std::remove_cvref_t<decltype(v)>;
        if constexpr (std::is_same_v<V, std::string>)
            s += v;
        else if constexpr (std::is_same_v<V, bool>)
            s += v ? '1' : '0';
        else if (v >= 0 && v <= 9) // marcações: 0, 1 ou 2
            s += static_cast<char>('0' + v);
        else
            s += std::to_string(v);
        s.push_back('\x1f');
    });
    return s;
}

bool Dimensionamento::ResultadosAtuais() {
    if (!HaResultados) return false;
    if (!Desatualizado()) return true;
    MostraAviso("Os resultados na tela são de entradas que já mudaram.",
                "Calcule de novo (Enter) antes de imprimir, exportar ou copiar.");
    return false;
}

void Dimensionamento::Check3_Click() {
    RegraDoAuto(Form1);
}

} // namespace lumbrio
