#include "QtPrintingService.h"

#include "app/IoError.h"

namespace {

class NoCanvas : public PrintCanvas
{
public:
    void setFont(const QString &, int, bool, bool) override {}
    int textHeight(const QString &) override { return 0; }
    void textOut(int, int, const QString &) override {}
};

class NoPrinting : public PrintingService
{
public:
    QStringList printers() const override { return {}; }
    QString currentPrinter() const override { return {}; }
    void setCurrentPrinter(const QString &) override {}
    void setOutputFileName(const QString &) override {}
    bool printing() const override { return false; }
    int pageWidth() override { return 0; }
    void setPortrait() override {}
    void setCopies(int) override {}
    void setTitle(const QString &) override {}
    void beginDoc() override { throw IoError(QStringLiteral("Printing is not available")); }
    void newPage() override {}
    void endDoc() override {}
    void abort() override {}
    PrintCanvas &canvas() override { return m_canvas; }
    QStringList fontNames() override { return {}; }

private:
    NoCanvas m_canvas;
};

} // namespace

std::unique_ptr<PrintingService> createSystemPrintingService()
{
    return std::make_unique<NoPrinting>();
}
