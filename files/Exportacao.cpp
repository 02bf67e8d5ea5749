// Exporta e Rapida: o arquivo resulta.txt com 20 números do projeto atual.
#include "calc/Dimensionamento.h"
#include "calc/Numeros.h"
#include "files/ArquivoTexto.h"
#include "section/Verificacoes.h"

#include <algorithm>
#include <filesystem>

namespace lumbrio {

namespace {

std::string PastaAtual() {
    std::error_code erro;
    const auto pasta = std::filesystem::current_path(erro);
    return erro ? std::string(".") : pasta.string();
}

} // namespace

void Dimensionamento::Exporta() {
    // Os vetores por camada têm 6 posições úteis, qualquer que seja o estado.
    const int camadasPos = std::clamp(NumCamadasPos, 0, 6);
    const int camadasNeg = std::clamp(static_cast<int>(NumCamadasNeg), 0, 6);

    CamadasComBarrasPos = 0;
    for (IndCamada = 1; IndCamada <= camadasPos; ++IndCamada)
        if (NumBarrasPos[IndCamada] > 0) ++CamadasComBarrasPos;
    CamadasComBarrasNeg = 0;
    for (IndCamada = 1; IndCamada <= camadasNeg; ++IndCamada)
        if (NumBarrasNeg[IndCamada] > 0) ++CamadasComBarrasNeg;

    // "abaixo" quando a linha de escoamento do diagrama (em y de janela, que cresce
    // para baixo) fica mais baixa que alguma camada examinada no desenho da seção;
    // o exame para na primeira camada sem barras.
    PosicaoEscoamento = "acima";
    for (CamadaPos = 1; CamadaPos <= camadasPos; ++CamadaPos) {
        if (NumBarrasPos[CamadaPos] == 0) break;
        if (OrigemYDiagrama + EscalaY * XEscoamento >
            OrigemYSecao + EscalaSecao * (Altura - DLinhaPos[CamadaPos]))
            PosicaoEscoamento = "abaixo";
    }

    const auto texto = [](const std::string& t) { return t + "\r\n"; };
    const auto numero = [this](double v) {
        return TextoNumeroExporta(v, SeparadorDecimal) + "\r\n";
    };
    std::string conteudo;
    conteudo += texto(Form1.Combo2[1].Text);
    conteudo += texto(Form1.Combo4[1].Text);
    conteudo += numero(Base);
    conteudo += numero(Altura);
    conteudo += numero(Fck);
    conteudo += texto(Form1.Text36.Text);
    conteudo += texto(Form1.Text23.Text);
    conteudo += texto(Form1.Text24.Text);
    conteudo += numero(CamadasComBarrasPos);
    for (int i = 1; i <= 6; ++i) conteudo += numero(NumBarrasPos[i]);
    conteudo += numero(CamadasComBarrasNeg);
    for (int i = 1; i <= 3; ++i) conteudo += numero(NumBarrasNeg[i]);
    conteudo += texto(PosicaoEscoamento);

    // Uma falha avisa e deixa os resultados na tela (MostraErro, sem Zera); o arquivo
    // anterior fica inteiro. O alerta da taxa vale para o projeto, gravado ou não.
    std::string bytes, invalido, motivo;
    if (!ParaWindows1252(conteudo, bytes, invalido))
        MostraErro("O arquivo \"" + ArquivoExporta + "\" não foi gravado: o caractere \"" +
                       invalido + "\" não existe no conjunto Windows-1252 dos arquivos.",
                   "Os resultados do cálculo continuam na tela.");
    else if (!GravaAtomico(ArquivoExporta, bytes, motivo))
        MostraErro("O arquivo \"" + ArquivoExporta + "\" não foi gravado: " + motivo + ".",
                   "Os resultados do cálculo continuam na tela.");
    else
        Estado = Junta("Dados exportados em \"", ArquivoExporta, "\" na pasta \"",
                       TextoVisivel(PastaAtual()), "\".");

    // Teste estrito: exatamente 4 % de b·h mantém a cor normal. Só Zera a restaura.
    if (TaxaAcimaDaMaxima(AsReal, AsNegReal, Base, Altura)) Form1.Text34.BackColor = Cor::Alerta;
}

void Dimensionamento::Rapida() {
    Programa();
    // Um cálculo recusado já mostrou a sua mensagem e limpou o painel: nada a exportar.
    if (!HaResultados) return;
    ArquivoExporta = "resulta.txt";
    Exporta();
}

} // namespace lumbrio
