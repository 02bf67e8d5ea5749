// Dicas dos controles da janela e a página de ajuda embutida.
#include "Dicas.h"

#include "output/Painel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <utility>

// O recurso da página de ajuda, numa biblioteca estática: registrado ao primeiro uso.
static void RegistraAjuda() {
    Q_INIT_RESOURCE(ajuda);
}

namespace lumbrio::janela {

namespace {

// {nome do controle, ou o começo dele antes de "(", explicação}
const std::pair<const char*, const char*> Explicacoes[] = {
    {"Text1", "Base b da seção retangular, em centímetros inteiros."},
    {"Text2", "Altura h da seção, em centímetros inteiros."},
    {"Text31", "Passo dos botões + e − da base (cm)."},
    {"Text32", "Passo dos botões + e − da altura (cm)."},
    {"Text4", "Cobrimento nominal c: da face da seção à face do estribo (cm)."},
    {"Text17", "Momento fletor de cálculo Md, na unidade da lista ao lado."},
    {"Combo5", "Unidade de Md e de Mrd."},
    {"Text7", "Passo dos botões + e − de Md, na unidade de Md."},
    {"Text18", "Resistência característica do concreto fck, na unidade da lista ao lado."},
    {"Combo6", "Unidade de fck."},
    {"Combo1", "Aço das barras longitudinais: CA-25, CA-50 ou CA-60, classe A ou B."},
    {"Text20", "Módulo de elasticidade do aço Es, na unidade da lista ao lado."},
    {"Combo7", "Unidade de Es."},
    {"Text21", "Coeficiente de ponderação do concreto γc (1,4 nas combinações normais)."},
    {"Text22", "Coeficiente de ponderação do aço γs (1,15 nas combinações normais)."},
    {"Check4", "Permite o dimensionamento no domínio 4 (aço sem escoar), sem armadura de "
               "compressão."},
    {"Check5", "Limita a linha neutra a x máximo = fator × d; acima dele entra a armadura de "
               "compressão As'."},
    {"Text19", "Fator de x máximo (x/d): até 0,50 (0,45 ou 0,35 na NBR 6118:2023)."},
    {"Text5", "Escala horizontal do diagrama de deformações (com \"Auto.\" desmarcado)."},
    {"Text6", "Escala vertical do desenho da seção (com \"Auto.\" desmarcado)."},
    {"Check3", "Escalas do desenho escolhidas pelo programa para caber na moldura."},
    {"Combo3", "Bitola do estribo φt (também a da força cortante)."},
    {"Combo2", "Bitola das barras positivas (tracionadas) desta camada; a camada 1 é a mais "
               "próxima da face."},
    {"Combo4", "Bitola das barras negativas (comprimidas) desta camada."},
    {"Check1", "Tranca bitola: a mesma bitola em todas as camadas da face."},
    {"CheckVerifica", "Verificar armadura dada: as barras digitadas em cada camada são "
                      "verificadas nos dois modelos, sem dimensionar."},
    {"TextBarrasPos", "Número de barras desta camada positiva (0: camada vazia), no modo "
                      "\"Verificar armadura dada\"."},
    {"TextBarrasNeg", "Número de barras desta camada negativa (0: camada vazia), no modo "
                      "\"Verificar armadura dada\"."},
    {"TextSEstribo", "Espaçamento s dos estribos dados (cm); vazio, só o cálculo dos "
                     "estribos."},
    {"ComboNorma", "Edição da NBR 6118 do cálculo: 2003 ou 2023 (a em vigor)."},
    {"TextVd", "Força cortante de cálculo Vd; vazia, sem verificação da cortante."},
    {"ComboVd", "Unidade de Vd e das forças da cortante."},
    {"ComboModelo", "Modelo de cálculo da cortante: I (bielas a 45°) ou II (θ de 30° a 45°)."},
    {"TextTeta", "Inclinação θ das bielas no modelo II (graus)."},
    {"TextAlfa", "Inclinação α dos estribos (45° a 90°)."},
    {"TextRamos", "Número de ramos do estribo."},
    {"ComboAcoEstribo", "Aço do estribo: CA-50 ou CA-60."},
    {"TextMser", "Momento de serviço Mser (combinação frequente); vazio, sem verificação da "
                 "abertura de fissuras."},
    {"ComboMser", "Unidade de Mser."},
    {"ComboCAA", "Classe de agressividade ambiental: dá wk,lim (0,4 a 0,2 mm)."},
    {"Text3", "d' desta camada negativa: da face comprimida ao centro das barras (cm)."},
    {"Text25", "d' desta camada positiva: da face tracionada ao centro das barras (cm)."},
    {"Text30", "10 % da altura h (cm): o limite da regra do item 17.2.4.1."},
    {"Text38", "%h da armadura negativa: distância do seu centróide à barra mais afastada, em "
               "% de h (limite de 10 %)."},
    {"Text29", "d'CG2: da face comprimida ao centróide da armadura negativa (cm)."},
    {"Text36", "%h da armadura positiva: distância do seu centróide à barra mais afastada, em "
               "% de h (limite de 10 %)."},
    {"Text26", "d'CG1: da face tracionada ao centróide da armadura positiva; d = h − d'CG1."},
    {"Text34", "Aviso de taxa de armadura As + As' acima de 4 % da área da seção."},
    {"TextDurabilidade", "Durabilidade (item 7.4) na classe de agressividade: classe mínima do "
                         "concreto, cobrimento nominal mínimo e bitola de CA-60."},
    {"ComboSecao", "Forma da seção: retangular ou T (a base b é então a largura da alma bw)."},
    {"TextBf", "Largura da mesa bf da seção T (cm), no máximo a largura colaborante."},
    {"TextHf", "Espessura da mesa hf da seção T (cm)."},
    {"ComboMesa", "Face da mesa: comprimida (vão, momento positivo) ou tracionada (apoio)."},
    {"ComboVinculo", "Vinculação do vão, que dá a distância a entre momentos nulos."},
    {"TextVao", "Vão l da viga (cm)."},
    {"ComboLado", "O que há deste lado da alma: nada, laje interna (b2) ou laje em balanço "
                  "(b4)."},
    {"TextLado", "b2: distância livre à alma vizinha; b4: balanço da laje (cm)."},
    {"TextVerificacao", "Verificação da norma com as barras colocadas: valor, limite, item e "
                        "resultado. Com o foco, a nota vai à barra de estado."},
    {"TextCortante", "Força cortante (item 17.4): VRd2, Vc, Vsw, Asw/s e o espaçamento dos "
                     "estribos, com as verificações."},
    {"TextFissuracao", "Abertura de fissuras (item 17.3.3): a maior wk, Mr, x e σs em serviço "
                       "e o controle da tabela 17.2."},
};

// "Text28": "As' (compressão) no modelo CG: ..." a partir das linhas do painel.
QString DoPainel(const QString& Nome) {
    for (const LinhaPainel& l : LinhasPainel) {
        const bool cg = Nome == QLatin1String(l.NomeCG.data(), qsizetype(l.NomeCG.size()));
        if (!cg && Nome != QLatin1String(l.NomeReal.data(), qsizetype(l.NomeReal.size()))) continue;
        return QString::fromUtf8(l.PorExtenso.data(), qsizetype(l.PorExtenso.size())) +
               (cg ? " no modelo CG: as barras de cada face no seu centróide."
                   : " no modelo Real: cada camada de barras na sua profundidade.");
    }
    return {};
}

} // namespace

QString ExplicacaoDe(const QString& Nome) {
    const QString base = Nome.section('(', 0, 0);
    for (const auto& [nome, texto] : Explicacoes)
        if (base == QLatin1String(nome)) return QString::fromUtf8(texto);
    return DoPainel(Nome);
}

void PoeDicas(QWidget* Raiz) {
    for (QWidget* w : Raiz->findChildren<QWidget*>()) {
        const QString e = ExplicacaoDe(w->objectName());
        if (e.isEmpty()) continue;
        if (qobject_cast<QLineEdit*>(w))
            w->setProperty("explica", e);
        else if (qobject_cast<QComboBox*>(w) || qobject_cast<QCheckBox*>(w))
            w->setToolTip(e);
    }
}

QString PaginaDeAjuda() {
    RegistraAjuda();
    QFile f(":/lumbrio/ajuda.html");
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace lumbrio::janela
