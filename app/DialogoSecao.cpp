// O diálogo "Seção" e o comando que o mostra.
#include "DialogoSecao.h"

#include "Componentes.h"
#include "Dicas.h"
#include "FiltroTeclas.h"
#include "Form1.h"
#include "base/Catalogos.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace lumbrio::janela {

namespace {

template <std::size_t N>
QComboBox* NovaLista(const char* Nome, const std::array<std::string_view, N>& Itens) {
    auto* l = new QComboBox;
    l->setObjectName(Nome);
    for (const std::string_view i : Itens)
        l->addItem(QString::fromUtf8(i.data(), static_cast<qsizetype>(i.size())));
    return l;
}

QLineEdit* NovaCaixaDeNumero(const char* Nome) {
    auto* c = new QLineEdit;
    c->setObjectName(Nome);
    return c;
}

} // namespace

FormSecao::FormSecao(QWidget* Pai, TabelaLigacoes& Tabela, ControlesForm1& Form,
                     ControlesCalculadoraBf& Calculadora)
    : QDialog(Pai) {
    setObjectName("FormSecao");
    setWindowTitle("Seção");
    AplicaFontePadrao(this);
    auto* forma = new QFormLayout(this);
    const auto lista = [&](const char* Rotulo, QComboBox* L, Lista& C) {
        forma->addRow(Rotulo, L);
        Tabela.Liga(L, C, Filtro::Nenhum);
    };
    const auto caixa = [&](QFormLayout* F, const char* Rotulo, const char* Nome, CaixaTexto& C) {
        QLineEdit* c = NovaCaixaDeNumero(Nome);
        F->addRow(Rotulo, c);
        Tabela.Liga(c, C, Filtro::Decimal);
    };
    lista("Seção", NovaLista("ComboSecao", ItensSecao), Form.ComboSecao);
    caixa(forma, "Largura da mesa bf (cm)", "TextBf", Form.TextBf);
    caixa(forma, "Espessura da mesa hf (cm)", "TextHf", Form.TextHf);
    lista("Mesa", NovaLista("ComboMesa", ItensMesa), Form.ComboMesa);

    // A calculadora: bf = bw + b1 + b3 (item 14.6.2.2), bw da caixa "Base".
    auto* grupo = new QGroupBox("Largura colaborante (item 14.6.2.2)");
    auto* calc = new QFormLayout(grupo);
    QComboBox* vinculo = NovaLista("ComboVinculo", ItensVinculo);
    calc->addRow("Vão", vinculo);
    Tabela.Liga(vinculo, Calculadora.ComboVinculo, Filtro::Nenhum);
    caixa(calc, "Vão l (cm)", "TextVao", Calculadora.TextVao);
    for (std::size_t i = 0; i < 2; ++i) {
        QComboBox* lado = NovaLista(i == 0 ? "ComboLado(0)" : "ComboLado(1)", ItensLadoMesa);
        calc->addRow(i == 0 ? "Lado esquerdo" : "Lado direito", lado);
        Tabela.Liga(lado, Calculadora.ComboLado[i], Filtro::Nenhum);
        caixa(calc, "b2 ou b4 (cm)", i == 0 ? "TextLado(0)" : "TextLado(1)",
              Calculadora.TextLado[i]);
    }
    CommandBf = new QPushButton("Calcular bf");
    CommandBf->setObjectName("CommandBf");
    calc->addRow(CommandBf);
    forma->addRow(grupo);
    Command1 = new QPushButton("&Voltar");
    Command1->setObjectName("Command1");
    Command1->setDefault(true);
    forma->addRow(Command1);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

void Form1::Secao() {
    tabela.ParaModelo();
    if (!formSecao) {
        formSecao = new FormSecao(this, tabela, modelo.Form1, modelo.FormBf);
        LimiteDasCaixas(formSecao);
        PoeDicas(formSecao);
        for (QLineEdit* caixa : formSecao->findChildren<QLineEdit*>()) filtroTeclas->Observa(caixa);
        tabela.DoModelo();
        connect(formSecao->CommandBf, &QPushButton::clicked, this,
                [this] { Comando([this] { modelo.CalculaBf_Click(); }); });
    }
    MostraModal(*formSecao);
    tabela.ParaModelo();
    MarcaDesatualizado();
}

} // namespace lumbrio::janela
