#include "ui/main/HelpWindow.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString &page, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Справка"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    // The pages set their own dark text, as for a web browser: they keep the white page under it
    // also under a dark theme.
    QPalette paper = m_browser->palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    m_browser->setPalette(paper);
    m_browser->setSource(QUrl::fromLocalFile(page));
    // The page's own title, once a page is shown.
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        if (!m_browser->documentTitle().isEmpty())
            setWindowTitle(m_browser->documentTitle());
    });
    if (!m_browser->documentTitle().isEmpty())
        setWindowTitle(m_browser->documentTitle());

    auto *back = new QPushButton(tr("Назад"), this);
    back->setObjectName(QStringLiteral("backButton"));
    back->setEnabled(false);
    back->setAutoDefault(false);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(back, QDialogButtonBox::ActionRole);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("closeButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(720, 560);
    m_browser->setFocus();
}

QString HelpWindow::firstPage(const QString &dataDir, const QString &language)
{
    const QDir help(QDir(dataDir).filePath(QStringLiteral("help")));
    const QString translated = help.filePath(language + QStringLiteral("/index.html"));
    if (!language.isEmpty() && QFileInfo::exists(translated))
        return translated;
    return help.filePath(QStringLiteral("index.html"));
}
