// O dimensionamento de uma seção: o estado de projeto e os procedimentos do cálculo,
// membros sem argumentos e sem retorno que leem e escrevem esse estado. Os
// procedimentos são finos: leem o estado, chamam as funções puras das pastas de
// baixo e escrevem o resultado de volta.
#pragma once

#include "base/EntradasProjeto.h"
#include "base/EstadoDeProjeto.h"
#include "base/Recusa.h"
#include "section/Secao.h"
#include "section/SecaoT.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

namespace lumbrio {

// As entradas do cálculo lidas das caixas da janela e de "Outros valores", com as
// recusas na ordem em que o cálculo as encontra.
EntradasProjeto LeEntradas(const ControlesForm1& Form1, const ControlesForm8& Form8);
// Md (kgf·cm) do texto de uma caixa de Md na unidade de fator dado; nullopt quando a
// leitura o recusaria.
std::optional<double> MdDaCaixa(std::string_view Texto, double FatorMd);
// Confere as caixas de "Outros valores"; recusa a primeira inválida.
void ConfereOutros(const ControlesForm8& Form8);

class Dimensionamento : public EstadoDeProjeto {
  public:
    // As entradas do cálculo (janela e "Outros valores") numa só cadeia.
    std::string EntradasAtuais() const;
    // Há resultados, mas as entradas mudaram depois do cálculo.
    bool Desatualizado() const { return HaResultados && EntradasAtuais() != EntradasDoCalculo; }
    // Impressão, exportações e cópia: falso, com a mensagem, sem um cálculo das entradas atuais.
    bool ResultadosAtuais();
    // "viga.txt* — Lumbrio — NBR 6118:2003": o arquivo atual, "*" quando os valores
    // mudaram ("sem nome*" sem arquivo) e a edição do cálculo mostrado, ou a da lista
    // antes dele; sem arquivo e sem mudança, só "Lumbrio — NBR 6118:2003".
    std::string TituloJanela() const;
    // "&Voltar" de "Outros valores": falso, com a mensagem, quando uma caixa é inválida.
    bool Form8_Voltar();
    // "Calcular bf": a largura colaborante de FormBf com a base (bw) em TextBf; uma caixa
    // inválida mostra a mensagem e não muda nada.
    void CalculaBf_Click();

    // ---- Comandos ----
    // Lê as caixas, calcula e escreve o painel e os desenhos; uma recusa limpa tudo.
    void Programa();
    // O cálculo completo das entradas dadas, sem texto nenhum: o estado de cálculo é
    // refeito do zero. Recusa (Recusa) o que não tem cálculo.
    void Calcula(const EntradasProjeto& Entradas);
    void Command1_Click() { Programa(); }
    void Command3_Click(); // "Tira 1 barra"
    void Combo2_Click(int Index);
    void Combo4_Click(int Index);
    void Combo3_Click() { Programa(); }
    void Check3_Click(); // regra de "Auto."
    void ComboModelo_Click() { RegraDoModelo(Form1); }
    // A unidade de Mser segue a de Md até o usuário escolher uma diferente na sua lista.
    void Combo5_Click() {
        if (Form1.MserSegueMd) Form1.ComboMser.Text = Form1.Combo5.Text;
    }
    void ComboMser_Click() { Form1.MserSegueMd = Form1.ComboMser.Text == Form1.Combo5.Text; }

    // ---- Entradas e catálogos ----
    void Ler(const EntradasProjeto& Entradas);
    void Aço();
    void Bitolas();

    // ---- Análise da seção ----
    // A seção de cálculo: a T das entradas, ou o retângulo da base (bw) e da altura.
    GeometriaT Geometria() const;
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
    void VerificaCortante();
    void VerificaFissuracao();

    // ---- Arranjo ----
    // De uma face, a positiva ou a negativa.
    void EspMinimos(Face& F);
    void NumMaxdeBarras(Face& F);
    void DistribuiBarras(Face& F, int Camada);
    void EspaçamentosReais(Face& F);

    // ---- Saída ----
    void Zera();
    void Imprime();
    void DesDeformaçao();
    void Detalha();

    // ---- Arquivos, exportação e botões de passo ----
    // Gravado ou lido; uma falha vai ao diálogo "Mensagem de erro".
    bool Grava();
    bool Carrega();
    void Exporta();
    void Rapida();
    // Botões +/-: soma Sinal (+1 ou −1) × passo à caixa do alvo e calcula (Md com
    // Rapida, base e altura com Programa).
    enum class AlvoPasso { Base, Altura, Md };
    void Passo_Click(AlvoPasso Alvo, int Sinal);
    bool PassoRecusado = false; // o último botão de passo achou a caixa sem número

    // Mostra uma mensagem no diálogo "Mensagem de erro".
    void MostraErro(const std::string& Mensagem, const std::string& Mensagem2 = "");
    // O mesmo diálogo com o título "Aviso": um pedido ao usuário, nenhum erro.
    void MostraAviso(const std::string& Mensagem, const std::string& Mensagem2 = "");

    // Executa um comando; uma recusa limpa os resultados (Zera) e vai para o diálogo.
    template <class F> void Protegido(F&& comando) {
        try {
            comando();
        } catch (const Recusa& r) {
            Zera();
            MostraErro(r.Mensagem, r.Mensagem2);
        }
    }

    // Lei do aço do cálculo (aço escolhido, fyd, Es, εyd).
    LeiDoAco Lei() const;

  private:
    // O que a abertura de fissuras lê do estado: numa série de Md as barras mudam poucas
    // vezes, e o mesmo arranjo dá o mesmo resultado.
    struct BarrasDaFace {
        int NumCamadas;
        PorCamada NumBarras, DLinha, EspHor;
        std::array<int, 7> Bitola;
        bool operator==(const BarrasDaFace&) const = default;
    };
    struct ChaveFissuracao {
        double Base, Altura, Cobrimento, Es, Fck, Mser, DCG2;
        int Classe, BitolaEstr;
        Norma Edicao;
        std::string TextoAco;
        BarrasDaFace Pos, Neg;
        FormaDaSecao Forma;
        bool operator==(const ChaveFissuracao&) const = default;
    };
    std::optional<std::pair<ChaveFissuracao, ResultadoFissuracao>> UltimaFissuracao;
    // A cortante do último arranjo, com as entradas que a deram.
    std::optional<std::tuple<EntradasCortante, SecaoCortante, ResultadoCortante>> UltimaCortante;

    void TiraUmaBarra();
    void Dimensiona();
    // Verificação: as barras dadas nas camadas, recusadas quando não cabem.
    void ColocaBarrasDadas(const EntradasProjeto& Entradas);
    void ConfereLargura(const Face& F, const char* Nome);
    // d = h − d'CG1, recusado quando não é positivo.
    void ExigeAlturaUtil();
    // Área das barras de uma face (cm²).
    double AreaDaFace(const Face& F) const;
    void VerificaSecao();
    void EscreveResultados();
    void VerificaCamadas(const PorCamada& NumBarras, int NumCamadas, const char* Face);
    void Equilibra(bool Real, long& Passos, double& Residuo, double& Mrd);
};

} // namespace lumbrio
