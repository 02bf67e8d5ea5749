// Tabela única que liga cada widget ao seu controle no modelo do núcleo, com o
// filtro de teclas da caixa. Um comando copia widgets → modelo, roda o núcleo e
// copia modelo → widgets.
#pragma once

#include "base/Controles.h"

#include <string>
#include <variant>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QObject;
class QWidget;

namespace lumbrio::janela {

struct Controle;

// Caracteres que uma caixa aceita ao digitar.
enum class Filtro {
    Livre,        // qualquer caractere
    Digitos,      // 0 a 9 e Backspace
    DigitosPonto, // 0 a 9, "." e Backspace
    Nenhum,       // nenhum (escolha só pela lista)
    Decimal,      // qualquer caractere; a vírgula digitada vira ponto
};

class TabelaLigacoes {
  public:
    void Liga(QLineEdit* Caixa, CaixaTexto& Controle, Filtro F = Filtro::Livre);
    // Caixa de resultado: fora da cadeia do Tab (o mouse ainda seleciona para copiar),
    // número na forma mais longa que cabe, apagada quando os resultados estão desatualizados.
    void LigaResultado(QLineEdit* Caixa, CaixaTexto& Controle, Filtro F = Filtro::Livre);
    void Liga(QComboBox* Combo, Lista& Controle, Filtro F = Filtro::Livre);
    void Liga(QCheckBox* Marca, Marcador& Controle);
    void Liga(QLabel* Rot, Rotulo& Controle);
    // Widget de uma linha da tabela de Geometria.h: liga ao campo de Form que ela indica.
    void Liga(QWidget* Widget, const Controle& Linha, ControlesForm1& Form);

    // O que o usuário digitou ou escolheu passa ao modelo.
    void ParaModelo() const;
    // Textos, habilitação, cores e legendas do modelo passam aos widgets, sem sinais.
    void DoModelo() const;
    // Separador decimal das caixas de resultado.
    void Separador(const std::string& S) { separador = S; }
    // Caixas de resultado apagadas (entradas mudaram depois do cálculo) ou normais.
    void ApagaResultados(bool Apagados) const;

    Filtro FiltroDe(const QObject* Widget) const;

  private:
    struct Ligacao {
        QWidget* Widget;
        std::variant<CaixaTexto*, Lista*, Marcador*, Rotulo*> Controle;
        Filtro F;
        bool Resultado = false;
    };
    std::vector<Ligacao> ligacoes;
    std::string separador = ".";
};

} // namespace lumbrio::janela
