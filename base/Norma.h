// Edição da NBR 6118 e os parâmetros do concreto que dependem dela e do fck.
#pragma once

namespace lumbrio {

// Edição da NBR 6118 do cálculo.
enum class Norma { NBR2003, NBR2023 };

// Parâmetros do concreto que dependem da edição e do fck: bloco retangular
// (y = λ·x, σcd = αc·ηc·fcd), deformações últimas (por mil) e o limite de ductilidade
// x/d. Os valores iniciais são os da NBR 6118:2003.
struct ParametrosConcreto {
    double Lambda = 0.8, AlfaC = 0.85;
    double EtaC = 1; // fragilidade do concreto acima de C40 (2023); 1 na 2003
    double EpsCu = 3.5, EpsC2 = 2.0;
    double XiLim = 0.5;
};

} // namespace lumbrio
