#include "PrintActions.h"

#include "app/AppContext.h"

void PrintThis(AppContext &, QPlainTextEdit &, QPlainTextEdit &) {}
