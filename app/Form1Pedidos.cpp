// Janela principal: os arquivos do usuário (abrir, salvar, a pergunta ao fechar), os
// diálogos e os pedidos ao usuário, que os testes substituem.
#include "Form1.h"

#include "Componentes.h"
#include "Dialogos.h"
#include "FiltroTeclas.h"
#include "files/ArquivoTexto.h"
#include "output/Comparacao.h"
#include "program/Arquivos.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>

namespace lumbrio::janela {

void Form1::ComArquivo(bool Abrir, void (*Nucleo)(Dimensionamento&, const std::string&)) {
    const std::string nome = PedeArquivo(Abrir).toStdString();
    // "viga" grava "viga.txt": é esse que não pode ser substituído sem perguntar.
    const QString final = QString::fromStdString(NomeDeValores(nome));
    if (!Abrir && QFileInfo::exists(final) && !ConfirmaSubstituicao(final)) return;
    Comando([this, nome, Nucleo] { Nucleo(modelo, nome); });
}

void Form1::Sobre() {
    if (!form6) form6 = new Form6(this);
    MostraModal(*form6);
}

void Form1::Ajuda() {
    if (!janelaAjuda) janelaAjuda = NovaAjuda(this);
    janelaAjuda->show();
    janelaAjuda->raise();
}

void Form1::Outros() {
    tabela.ParaModelo();
    if (!form8) {
        form8 = new Form8(this);
        form8->Liga(tabela, modelo.Form8);
        LimiteDasCaixas(form8);
        for (QLineEdit* caixa : form8->findChildren<QLineEdit*>()) filtroTeclas->Observa(caixa);
        tabela.DoModelo();
        // "&Voltar", Esc e fechar conferem as caixas; um valor inválido mantém o diálogo.
        form8->Confere = [this] {
            tabela.ParaModelo();
            const bool aceito = modelo.Form8_Voltar();
            Atualiza();
            return aceito;
        };
    }
    MostraModal(*form8);
    tabela.ParaModelo();
    MarcaDesatualizado();
}

void Form1::CopiarResultados() {
    if (!modelo.HaResultados) return;
    QApplication::clipboard()->setText(QString::fromStdString(TextoPainelTabulado(modelo)));
}

void Form1::AvisaFalha(const QString& Nome, const std::string& Motivo) {
    modelo.MostraErro(ArquivoNaoGravado(Nome.toStdString(), Motivo),
                      "Verifique a pasta e as permissões.");
    Atualiza();
}

QString Form1::PedeArquivoSaida(const QString& Titulo, const QString& Filtros, QString& Filtro) {
    return PedeArquivoDeSaida(this, Titulo, Filtros, Filtro);
}

bool Form1::ConfirmaSubstituicao(const QString& Nome) {
    return PerguntaSeSubstitui(this, Nome, [this](QDialog& d) { MostraModal(d); });
}

int Form1::PedeResolucao() {
    return PedeResolucaoDoPng(this);
}

bool Form1::PedeFicha(FichaDoProjeto& Ficha) {
    return PedeFichaDoRelatorio(this, Ficha);
}

bool Form1::PedeImpressora(QPrinter& Impressora) {
    return EscolheImpressora(this, Impressora);
}

void Form1::MostraModal(QDialog& Dialogo) {
    Dialogo.exec();
}

QString Form1::PedeArquivo(bool Abrir) {
    return PedeArquivoDeValores(this, Abrir);
}

void Form1::Salva() {
    if (modelo.ArquivoAtual.empty()) return ComArquivo(false, SalvaDocumento);
    Comando([this] { SalvaDocumento(modelo, modelo.ArquivoAtual); });
}

void Form1::closeEvent(QCloseEvent* Evento) {
    tabela.ParaModelo();
    if (ValoresMudaram(modelo)) {
        switch (PerguntaSeSalva(QString::fromStdString(modelo.ArquivoAtual))) {
        case Resposta::Salvar:
            Salva();
            // Salvar cancelado ou com falha: nada se perde, a janela fica.
            if (ValoresMudaram(modelo)) return Evento->ignore();
            break;
        case Resposta::Cancelar:
            return Evento->ignore();
        case Resposta::Descartar:
            break;
        }
    }
    QMainWindow::closeEvent(Evento);
}

Form1::Resposta Form1::PerguntaSeSalva(const QString& Nome) {
    const int r = PerguntaSeSalvaAlteracoes(this, Nome, [this](QDialog& d) { MostraModal(d); });
    return r == 0 ? Resposta::Salvar : r == 1 ? Resposta::Descartar : Resposta::Cancelar;
}

} // namespace lumbrio::janela
