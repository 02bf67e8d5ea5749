// Relatório de cálculo (folha de projeto A4 em português) e imagem dos desenhos: a
// mesma pintura serve à impressora, ao PDF e ao PNG.
#pragma once

#include "output/Relatorio.h"
#include "program/Dimensionamento.h"

#include <QString>
#include <functional>

class QFont;
class QTextOption;

class QImage;
class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace lumbrio::janela {

// Cada texto pintado no relatório: a caixa que ele deve ocupar, o texto, a quebra de
// linha e a fonte em uso (quem confere que nada passa da caixa).
using ObservaTexto =
    std::function<void(const QRectF&, const QString&, const QTextOption&, const QFont&)>;

// Pinta o relatório do último cálculo de D (HaResultados) com a ficha na primeira
// página, abrindo páginas novas no dispositivo quando preciso ("página N de M");
// devolve o número de páginas. Cada texto cabe na sua caixa: as células das tabelas
// quebram a linha dentro da coluna (no meio da palavra só quando ela não cabe inteira).
int PintaRelatorio(QPainter& Pintor, QPagedPaintDevice& Dispositivo, const Dimensionamento& D,
                   const FichaDoProjeto& Ficha = {}, const ObservaTexto& Observa = {});

// Os dois desenhos (diagrama de deformações e seção) em Destino, na maior escala que
// cabe, com as molduras, as cotas b e h e os rótulos das camadas (AnotaDesenhos).
void PintaDesenhos(QPainter& Pintor, const Dimensionamento& D, const QRectF& Destino);

// Os dois desenhos anotados sobre fundo branco, com Dpi pontos por polegada (1440
// twips), e a legenda de escala e cores embaixo.
QImage ImagemDesenhos(const Dimensionamento& D, int Dpi);

} // namespace lumbrio::janela
