#include "PrintActions.h"

#include "app/AppContext.h"

void PrintThis(AppContext &, QPlainTextEdit &, QPlainTextEdit &) {}
void PrintSelection(AppContext &, const SelectionList &, int) {}
void drucke(AppContext &) {}
