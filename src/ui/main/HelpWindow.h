#pragma once
// The program's own help window: the HTML help pages in a text browser, with their links, for a
// desktop that has no web browser to show them.

#include <QDialog>

class QTextBrowser;

class HelpWindow : public QDialog
{
    Q_OBJECT
public:
    // Shows `page` (a local HTML file); the links between the help pages are followed in the window.
    explicit HelpWindow(const QString &page, QWidget *parent = nullptr);

    QTextBrowser *browser() const { return m_browser; }

    // The first page of the help in a language ("uk", "en"): help/<language>/index.html below the
    // data folder when there is one, else the Russian help/index.html.
    static QString firstPage(const QString &dataDir, const QString &language);

private:
    QTextBrowser *m_browser;
};
