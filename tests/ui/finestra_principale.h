#pragma once
// The real main window over a fresh workbench, for the window tests: the program directory is the
// build's, and test windows of type F answer the dialogs the core asks for.
#include <QtTest>
#include <memory>

#include "banco.h"
#include "ui/form1.h"

namespace kelvaro::ui::test {

// Builds the workbench and the window, shows it and waits until it is on screen; fin receives the
// test windows, which the window owns. False when the window never appeared.
template <class F>
bool ApriFinestraPrincipale(std::unique_ptr<Banco>& b, std::unique_ptr<Form1>& form, F*& fin) {
    b = std::make_unique<Banco>();
    b->CartellaProgramma = KELVARO_BIN;
    form = std::make_unique<Form1>(*b);
    auto f = std::make_unique<F>(*form);
    fin = f.get();
    form->ImpostaFinestre(std::move(f));
    form->show();
    return QTest::qWaitForWindowExposed(form.get());
}

}  // namespace kelvaro::ui::test
