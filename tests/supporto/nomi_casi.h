#pragma once
// Names of parameterised test cases, so that the test lists read "Casi/Suite.Test/Fifo" rather
// than a dump of the case's bytes.
#include <gtest/gtest.h>

#include <string>

namespace kelvaro::test {

// Letters and digits kept, anything else becomes '_'; at most 40 characters; never empty.
inline std::string NomeTest(const std::string& s) {
    std::string nome;
    for (char ch : s) {
        if (nome.size() == 40) break;
        const bool buono = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9');
        nome += buono ? ch : '_';
    }
    return nome.empty() ? "vuoto" : nome;
}

// The case's own `nome` field.
struct NomeDelCaso {
    template <class T>
    std::string operator()(const ::testing::TestParamInfo<T>& i) const {
        return NomeTest(i.param.nome);
    }
};

// A name made from the case's data, after its position (data may repeat once cleaned).
template <class Campo>
auto NomeDa(Campo campo) {
    return [campo](const auto& i) { return std::to_string(i.index) + "_" + NomeTest(campo(i.param)); };
}

}  // namespace kelvaro::test
