#include "tools/lote/Lote.h"

#include <string_view>

namespace lumbrio {

std::variant<OpcoesLote, std::string>
InterpretaArgumentosLote(const std::vector<std::string>& Args) {
    OpcoesLote o;
    bool fimDasOpcoes = false, temMd = false, temSaida = false, temFormato = false;
    for (std::size_t i = 0; i < Args.size(); ++i) {
        const std::string& a = Args[i];
        if (fimDasOpcoes || a.size() < 2 || a[0] != '-') {
            o.Arquivos.push_back(a);
            continue;
        }
        if (a == "--") {
            fimDasOpcoes = true;
            continue;
        }
        if (a == "--help" || a == "-h") {
            o.Ajuda = true;
            continue;
        }
        if (a == "--version" || a == "-V") {
            o.Versao = true;
            continue;
        }
        if (a == "--detalhes") {
            o.Detalhes = true;
            continue;
        }
        // "--md VALOR" ou "--md=VALOR"; o mesmo para --saida.
        auto valor = [&](std::string_view nome, std::string& v) -> std::optional<std::string> {
            if (a.size() > nome.size() && a.compare(0, nome.size(), nome) == 0 &&
                a[nome.size()] == '=') {
                v = a.substr(nome.size() + 1);
                return std::nullopt;
            }
            if (i + 1 >= Args.size()) return "falta o valor de " + std::string(nome) + ".";
            v = Args[++i];
            return std::nullopt;
        };
        const auto comeca = [&](std::string_view nome) {
            return a == nome || (a.size() > nome.size() && a.compare(0, nome.size(), nome) == 0 &&
                                 a[nome.size()] == '=');
        };
        std::string v;
        if (comeca("--md")) {
            if (temMd) return std::string("--md apareceu mais de uma vez.");
            if (auto erro = valor("--md", v)) return *erro;
            o.Serie = LeSerieMd(v);
            if (!o.Serie)
                return "série de Md inválida: \"" + v +
                       "\". Use INÍCIO:FIM:PASSO com \".\" decimal, PASSO diferente de zero e "
                       "no sentido de INÍCIO a FIM (ex.: --md 5000:20000:500).";
            // A série é contada em double: um engano como 1:1e12:1 não estoura o tamanho.
            if ((o.Serie->Fim - o.Serie->Inicio) / o.Serie->Passo >= MaximoProjetosSerie)
                return "a série de Md \"" + v +
                       "\" passa do máximo de 10 000 000 de projetos por arquivo.";
            temMd = true;
        } else if (comeca("--saida")) {
            if (temSaida) return std::string("--saida apareceu mais de uma vez.");
            if (auto erro = valor("--saida", v)) return *erro;
            if (v.empty()) return std::string("--saida precisa de um nome de arquivo.");
            o.Saida = v;
            temSaida = true;
        } else if (comeca("--formato")) {
            if (temFormato) return std::string("--formato apareceu mais de uma vez.");
            if (auto erro = valor("--formato", v)) return *erro;
            if (v != "br")
                return "formato desconhecido: \"" + v +
                       "\". O único é br (\";\" entre os campos e vírgula decimal); sem "
                       "--formato, o CSV usa \",\" e ponto decimal.";
            o.Brasileiro = temFormato = true;
        } else {
            return "opção desconhecida: " + a + ".";
        }
    }
    if (!o.Ajuda && !o.Versao && o.Arquivos.empty())
        return std::string("nenhum arquivo de valores indicado.");
    return o;
}

std::string TextoAjudaLote() {
    return "Uso: lumbrio-lote [--md INÍCIO:FIM:PASSO] [--saida ARQ.csv] [--detalhes]\n"
           "                   [--formato br] ARQUIVO.txt...\n"
           "\n"
           "Carrega cada arquivo de valores (o formato de \"Salvar como...\" e de Padrão.txt),\n"
           "dimensiona a seção e escreve uma linha CSV por projeto, depois do cabeçalho,\n"
           "com os textos do painel de resultados (\".\" decimal). Não grava resulta.txt.\n"
           "\n"
           "Opções:\n"
           "  --md INÍCIO:FIM:PASSO  dimensiona a série de momentos Md de INÍCIO a FIM com\n"
           "                         PASSO, na unidade de Md de cada arquivo\n"
           "                         (ex.: --md 5000:20000:500); sem ela, vale o Md do arquivo\n"
           "  --saida ARQ.csv        grava o CSV em ARQ.csv (substituído só no fim, inteiro)\n"
           "                         em vez da saída padrão\n"
           "  --detalhes             acrescenta, depois de \"erro\", a comparação dos modelos:\n"
           "                         deformação (por mil), tensão (kgf/cm2) e escoamento\n"
           "                         (1/0) de cada camada no modelo Real e de cada face no\n"
           "                         modelo CG, a diferença de Mrd (Real - CG) / CG em % e,\n"
           "                         com Mser, σs (kgf/cm2) e wk (mm) de cada camada\n"
           "                         positiva (sigma_s_pos1, wk_pos1...);\n"
           "                         com --md, resume cada série na saída de erros: o\n"
           "                         primeiro Md em que %h passa de 10 % e a maior\n"
           "                         diferença de Mrd entre os modelos; por fim, os\n"
           "                         valores intermediários: Asw/s calculada (cm2/m),\n"
           "                         Vc0 e Vd,min (kgf), ρsw,min (%) e, da barra de\n"
           "                         maior wk de cada camada positiva, Acri (cm2), ρr,\n"
           "                         w1 e w2 (mm), e I_II do modelo Real (cm4)\n"
           "  --formato br           CSV para planilhas em português: \";\" entre os\n"
           "                         campos, vírgula decimal e UTF-8 com BOM\n"
           "  -V, --version          mostra a versão e as normas do cálculo\n"
           "  -h, --help             mostra esta ajuda\n"
           "\n"
           "Um projeto recusado sai com a mensagem na coluna \"erro\" e as colunas de\n"
           "resultado vazias; o lote continua. A norma de cada projeto (registro 40 do\n"
           "arquivo; NBR 6118:2003 quando ele falta) sai na coluna \"norma\", seguida das\n"
           "verificações (x/d, armadura mínima, taxa, armadura de pele), do alerta de\n"
           "equilíbrio, do x/d do cálculo (xd_calculo, alerta_xd_calculo), dos alertas\n"
           "do painel (alerta_Mrd_CG, alerta_Mrd_Real, alerta_pctH, alerta_camadas,\n"
           "alerta_barras_camada1, alerta_dominio4, alerta_classe, alerta_coeficientes),\n"
           "da força cortante (Vd, modelo, VRd2, alerta_VRd2, Vc, Vsw, Asw_s, Asw_s_min,\n"
           "s_estribo, s_max, alerta_estribo; forças em kgf, Asw/s em cm2/m; vazias\n"
           "quando o arquivo não traz Vd) e da abertura de fissuras (Mser, xII_Real,\n"
           "sigma_s_Real, sigma_s_CG, wk_max, wk_lim, alerta_wk, Mr; momentos em kgf.cm,\n"
           "tensões em kgf/cm2, wk em mm; vazias sem Mser). A última coluna de cada\n"
           "linha, depois das de --detalhes, é alerta_sigma_s: 1 quando σs da camada\n"
           "externa em serviço passa de fyk (vazia sem Mser). Depois dela: modo\n"
           "(dimensionamento, ou verificacao num arquivo com \"Verificar armadura dada\":\n"
           "as barras são as do arquivo e --md só muda Md), util_CG e util_Real (Md/Mrd;\n"
           "vazias sem Md ou fora da verificação), VRd3 (kgf) e alerta_VRd3 (VRd3 < Vd,\n"
           "s > s,máx ou Asw/s abaixo da mínima; vazias sem estribos dados). Acima de\n"
           "10 000 projetos o progresso aparece na saída de erros, quando ela é um\n"
           "terminal.\n"
           "Uma série tem no máximo 10 000 000 de projetos.\n"
           "\n"
           "Saída: 0 se todos os arquivos foram lidos; 1 se algum não pôde ser lido (uma\n"
           "linha por arquivo na saída de erros); 2 para erro nos argumentos, ao gravar o\n"
           "CSV, memória insuficiente ou erro interno. Interrompido por um sinal, o lote\n"
           "apaga o CSV que gravava e o --saida anterior fica como estava.\n";
}

} // namespace lumbrio
