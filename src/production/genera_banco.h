#pragma once
// The generation step on the workbench: the settings, the cycle questions and the delivery of the
// window and of batch production around GeneraSchema.
#include "banco.h"
#include "production/generazione.h"

namespace kelvaro {

// 6: run another primary cycle, 7: stop. With GenCont off and the schema still above Soglia the
// window asks.
int RipetiCiclo1(Banco& b);
// 6: run another secondary cycle, 7: stop.
int RipetiCiclo2(Banco& b);

// Produces one schema with the current settings (b.schema.Sizesc, b.imp) and saves it (GenCont on)
// in the DIR of b.conf.Regole[b.conf.RegolaCorrente], or hands it to b.ConsegnaSchema when set.
// b.file.Salvato tells whether a file was written.
void DoGeneraAutoF1(Banco& b);

// Makes a produced schema the current one of the workbench (tables, constraint lines, flags).
void ImpostaSchemaCorrente(Banco& b, const SchemaProdotto& p);
// Solves the current schema with the step solver in plain mode with the settings' techniques;
// true when it is solved without a trial and the result is the stored solution.
bool RisoltoSenzaTentativi(Banco& b);

}  // namespace kelvaro
