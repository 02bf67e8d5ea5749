// Dicas da janela: o que é cada entrada e cada caixa de resultado, em uma ou duas
// frases, e a página de ajuda ("Ajuda → Conteúdo", F1).
#pragma once

#include <QString>

class QWidget;

namespace lumbrio::janela {

// A explicação do controle de nome dado ("Text1", "Combo2(3)", "TextCortante(2)"...);
// vazia para um controle sem entrada nem resultado (botões, molduras, rótulos).
QString ExplicacaoDe(const QString& Nome);

// Põe a explicação na dica de cada entrada e caixa de resultado de Raiz; nas caixas
// de texto ela fica na propriedade "explica", que a ligação junta à dica do momento.
void PoeDicas(QWidget* Raiz);

// A página de ajuda em HTML, embutida no programa.
QString PaginaDeAjuda();

} // namespace lumbrio::janela
