// Condutor do cálculo: uma execução completa do dimensionamento da seção.
#include "program/Dimensionamento.h"

#include "calc/Catalogos.h"
#include "calc/Entradas.h"
#include "calc/Numeros.h"
#include "section/Verificacoes.h"

#include <string>
#include <type_traits>

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
    Protegido([this] { ProgramaInterno(); });
}

void Dimensionamento::ProgramaInterno() {
    // Preparação
    Zera();
    Bitolas();
    NumCamadasPos = 6;
    NumCamadasNeg = 3;
    for (CamadaPos = 1; CamadaPos <= NumCamadasPos; ++CamadaPos) BitolaPositiva();
    for (CamadaNeg = 1; CamadaNeg <= NumCamadasNeg; ++CamadaNeg) BitolaNegativa();
    BitolaEstribo();
    Ler();
    LerCortante();
    LerServico();
    Aço();
    Fcd = Fck / GamaC;
    SigCd = TensaoDoBloco(Fcd, Concreto);
    EspMinimosPos();
    NumMaxdeBarrasPos();
    EspMinimosNeg();
    NumMaxdeBarrasNeg();

    // Profundidade das camadas, em cadeia a partir da primeira de cada face.
    DLinhaPos[1] = Cobrimento + Diametro[BitolaEstr] + Diametro[BitolaPos[1]] / 2;
    DLinhaNeg[1] = Cobrimento + Diametro[BitolaEstr] + Diametro[BitolaNeg[1]] / 2;
    for (CamadaPos = 2; CamadaPos <= NumCamadasPos; ++CamadaPos)
        DLinhaPos[CamadaPos] = DLinhaPos[CamadaPos - 1] + EspVertPos[CamadaPos - 1];
    for (CamadaNeg = 2; CamadaNeg <= NumCamadasNeg; ++CamadaNeg)
        DLinhaNeg[CamadaNeg] = DLinhaNeg[CamadaNeg - 1] + EspVertNeg[CamadaNeg - 1];
    DCG1 = DLinhaPos[1];
    DCG2 = DLinhaNeg[1];

    // Laço principal: repete enquanto um centróide se afasta da sua face.
    for (PassosPrograma = 1;; ++PassosPrograma) {
        if (PassosPrograma > LimitePassosPrograma)
            Recusar(Junta("O cálculo não convergiu: os centróides das armaduras não se "
                          "estabilizaram em ",
                          std::to_string(LimitePassosPrograma), " passagens."),
                    "Verifique as bitolas e as dimensões da seção.");
        AlturaUtil = Altura - DCG1;
        if (!(AlturaUtil > 0))
            Recusar(Junta("A seção não comporta a armadura: a altura útil d = ",
                          NumeroMensagem(AlturaUtil, 2), " cm não é positiva."),
                    "Aumente a altura ou reduza o cobrimento, o estribo ou as bitolas.");
        xMáximo();
        Rsc = 0;
        MomentosLimitesRET();
        DescobreXRET();
        if (X > XMax) {
            X = XMax;
            AsTeóricaNeg();
            for (CamadaNeg = 1; CamadaNeg <= NumCamadasNeg; ++CamadaNeg) {
                DistribuiBarrasNeg();
                if (FimDistribNeg == "sim") break;
            }
            VerificaCamadas(NumBarrasNeg, NumCamadasNeg, "negativa (de compressão)");
            DCG2Anterior = DCG2;
            CGd2();
            if (DCG2 > DCG2Anterior) continue;
        }
        AsTeóricaPos();
        for (CamadaPos = 1; CamadaPos <= NumCamadasPos; ++CamadaPos) {
            DistribuiBarrasPos();
            if (FimDistribPos == "sim") break;
        }
        VerificaCamadas(NumBarrasPos, NumCamadasPos, "positiva (de tração)");
        DCG1Anterior = DCG1;
        CGd1();
        if (!(DCG1 > DCG1Anterior)) break;
    }
    XCalculo = X;

    EspaçamentosReaisPos();
    EspaçamentosReaisNeg();
    VerificaEImprime();
    HaResultados = true;
    EntradasDoCalculo = EntradasAtuais();
}

// Verifica as barras colocadas nos dois modelos, escreve o painel e desenha.
void Dimensionamento::VerificaEImprime() {
    ValoresFinaisCG();
    ValoresCG();
    ValoresFinaisReais();
    ValoresRET();
    Verif = Verifica(*this);
    VerificaCortante();
    VerificaServico();
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

std::string Dimensionamento::TituloJanela() const {
    const std::string edicao =
        HaResultados ? std::string(TextoNorma(Edicao)) : TextoVisivel(Form1.ComboNorma.Text, 40);
    return Junta("Lumbrio — ", edicao);
}

void Dimensionamento::Check3_Click() {
    RegraDoAuto(Form1);
}

} // namespace lumbrio
