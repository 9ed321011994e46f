#pragma once

#include "print/PrintingService.h"

#include <memory>

// The printing service of the system (Qt PrintSupport over CUPS), with a built-in "PDF file" printer.
std::unique_ptr<PrintingService> createSystemPrintingService();
