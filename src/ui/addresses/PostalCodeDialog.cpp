#include "ui/addresses/PostalCodeDialog.h"
#include "ui/common/FormLook.h"

#include "logic/addresses/PostalSearch.h"
#include "logic/files/WorkDir.h"
#include "logic/services/Guard.h"
#include "logic/services/Messages.h"
#include "ui/common/AppContext.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

PostalCodeDialog::PostalCodeDialog(AppContext &ctx, QWidget *parent)
    : QDialog(parent, formlook::FixedDialogFlags)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("PostalCodeDialog"));
    setWindowTitle(tr("Справочник почтовых индексов Украины"));
    setFont(formlook::msSansSerif(11));
    setFixedSize(398, 232);

    m_regionLabel = new QLabel(tr("Область"), this);
    m_regionLabel->setObjectName(QStringLiteral("regionLabel"));
    m_regionLabel->move(16, 24);
    m_regionLabel->adjustSize();

    m_regionBox = new QComboBox(this);
    m_regionBox->setObjectName(QStringLiteral("regionBox"));
    m_regionBox->setEditable(true);
    m_regionBox->setInsertPolicy(QComboBox::NoInsert);
    m_regionBox->setMaxVisibleItems(25);
    m_regionBox->setGeometry(16, 40, 145, 21);

    m_localityLabel = new QLabel(tr("Населенный пункт (на укр. языке)"), this);
    m_localityLabel->setObjectName(QStringLiteral("localityLabel"));
    m_localityLabel->move(200, 24);
    m_localityLabel->adjustSize();

    m_localityBox = new QLineEdit(this);
    m_localityBox->setObjectName(QStringLiteral("localityBox"));
    m_localityBox->setToolTip(tr("Нажмите ENTER для поиска"));
    m_localityBox->setGeometry(200, 40, 121, 21);

    m_resultsBox = new QPlainTextEdit(this);
    m_resultsBox->setObjectName(QStringLiteral("resultsBox"));
    m_resultsBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_resultsBox->setGeometry(16, 80, 337, 89);

    auto button = [this](const char *name, const QString &caption, int left) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, 200, 75, 25);
        b->setAutoDefault(false);
        return b;
    };
    m_searchButton = button("searchButton", tr("Искать"), 128);
    m_cancelButton = button("cancelButton", tr("Отмена"), 224);
    m_clearButton = button("clearButton", tr("Очистить"), 312);
    // Enter searches; in the locality box it searches once, without also pressing the button.
    m_searchButton->setDefault(true);
    m_localityBox->installEventFilter(this);
    m_resultsBox->setAccessibleName(tr("Найденные почтовые индексы"));
    m_regionLabel->setBuddy(m_regionBox);
    m_localityLabel->setBuddy(m_localityBox);

    setTabOrder(m_regionBox, m_localityBox);
    setTabOrder(m_localityBox, m_searchButton);
    setTabOrder(m_searchButton, m_cancelButton);
    setTabOrder(m_cancelButton, m_clearButton);
    setTabOrder(m_clearButton, m_resultsBox);

    connect(m_searchButton, &QPushButton::clicked, this, &PostalCodeDialog::search);
    connect(m_cancelButton, &QPushButton::clicked, this, &PostalCodeDialog::close);
    connect(m_clearButton, &QPushButton::clicked, this, &PostalCodeDialog::clearResults);

    formlook::centreOnScreen(this);

    loadRegions();
}

bool PostalCodeDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_localityBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            search();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PostalCodeDialog::loadRegions()
{
    // A missing region list is reported; the window still opens, with an empty region box.
    guarded(m_ctx.messages, [&] { m_regionBox->addItems(m_ctx.workDir.loadLines(postal::regionListFile())); });
    m_regionBox->setCurrentIndex(-1);
    m_regionBox->setEditText(tr("Выберите область"));
}

int PostalCodeDialog::selectedRegion() const
{
    const QString text = m_regionBox->currentText();
    const int current = m_regionBox->currentIndex();
    if (current >= 0 && m_regionBox->itemText(current) == text)
        return current;
    // A region name typed in full selects its entry, as a choice from the list would.
    return m_regionBox->findText(text, Qt::MatchExactly);
}

void PostalCodeDialog::search()
{
    guarded(m_ctx.messages, [&] {
        const int row = selectedRegion();
        if (row < 0 || m_localityBox->text().isEmpty()) {
            m_ctx.messages.show(tr("не хватает нужных параметров для поиска!"));
            return;
        }
        const QStringList found = postal::searchRegion(m_ctx.workDir, row, m_localityBox->text());
        if (!found.isEmpty())
            m_resultsBox->appendPlainText(found.join(QLatin1Char('\n')));
    });
}

void PostalCodeDialog::clearResults()
{
    m_resultsBox->clear();
    m_localityBox->clear();
}
