#include "ui/addresses/PostalCodeDialog.h"
#include "ui/common/FormLook.h"

#include "logic/addresses/PostalCheck.h"
#include "logic/addresses/PostalSearch.h"
#include "logic/addresses/Regions.h"
#include "logic/files/WorkDir.h"
#include "logic/services/Guard.h"
#include "logic/services/Language.h"
#include "logic/services/Messages.h"
#include "ui/common/AppContext.h"
#include "ui/common/WholeText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
// The region that an entry of a region file names: none for the city of Kyiv, a region of its own.
QString regionOf(const postal::FoundEntry &found, const postal::EntryParts &parts)
{
    return parts.locality == QStringLiteral("м. Київ") ? QString() : postal::regionTitle(found.row);
}
} // namespace

PostalCodeDialog::PostalCodeDialog(AppContext &ctx, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMaximizeButtonHint)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("PostalCodeDialog"));
    setWindowTitle(tr("Справочник почтовых индексов Украины"));
    setFont(formlook::msSansSerif(11));
    setSizeGripEnabled(true);

    m_regionLabel = new QLabel(tr("Область"), this);
    m_regionLabel->setObjectName(QStringLiteral("regionLabel"));

    m_regionBox = new QComboBox(this);
    m_regionBox->setObjectName(QStringLiteral("regionBox"));
    m_regionBox->setEditable(true);
    m_regionBox->setInsertPolicy(QComboBox::NoInsert);
    m_regionBox->setMaxVisibleItems(25);
    m_regionBox->setMinimumWidth(145);
    m_regionBox->setToolTip(tr("Без выбранной области поиск идёт по всем областям"));

    m_localityLabel = new QLabel(tr("Населенный пункт (на укр. языке)"), this);
    m_localityLabel->setObjectName(QStringLiteral("localityLabel"));

    m_localityBox = new QLineEdit(this);
    m_localityBox->setObjectName(QStringLiteral("localityBox"));
    m_localityBox->setToolTip(tr("Нажмите ENTER для поиска"));
    m_localityBox->setMinimumWidth(121);

    m_resultsList = new QListWidget(this);
    m_resultsList->setObjectName(QStringLiteral("resultsList"));
    m_resultsList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_resultsList->setUniformItemSizes(true);
    showCutEntriesWhole(m_resultsList);
    m_resultsList->setMinimumSize(337, 89);

    m_withLocality = new QCheckBox(tr("Вставлять и населённый пункт с областью"), this);
    m_withLocality->setObjectName(QStringLiteral("withLocalityBox"));

    auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setMinimumSize(75, 25);
        b->setAutoDefault(false);
        return b;
    };
    m_searchButton = button("searchButton", tr("Искать"));
    m_insertButton = button("insertButton", tr("Вставить"));
    m_insertButton->setToolTip(tr("Вставить выбранный индекс в адрес получателя"));
    m_cancelButton = button("cancelButton", tr("Отмена"));
    m_clearButton = button("clearButton", tr("Очистить"));

    // Enter searches; in the locality box it searches once, without also pressing the button.
    m_searchButton->setDefault(true);
    m_localityBox->installEventFilter(this);
    m_resultsList->setAccessibleName(tr("Найденные почтовые индексы"));
    m_regionLabel->setBuddy(m_regionBox);
    m_localityLabel->setBuddy(m_localityBox);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 8);
    grid->setHorizontalSpacing(39);
    grid->setVerticalSpacing(4);
    grid->addWidget(m_regionLabel, 0, 0);
    grid->addWidget(m_localityLabel, 0, 1);
    grid->addWidget(m_regionBox, 1, 0);
    grid->addWidget(m_localityBox, 1, 1);
    grid->addWidget(m_resultsList, 2, 0, 1, 2);
    grid->addWidget(m_withLocality, 3, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *b : {m_searchButton, m_insertButton, m_cancelButton, m_clearButton})
        buttons->addWidget(b);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowMinimumHeight(2, 89);

    setTabOrder(m_regionBox, m_localityBox);
    setTabOrder(m_localityBox, m_searchButton);
    setTabOrder(m_searchButton, m_insertButton);
    setTabOrder(m_insertButton, m_cancelButton);
    setTabOrder(m_cancelButton, m_clearButton);
    setTabOrder(m_clearButton, m_resultsList);
    setTabOrder(m_resultsList, m_withLocality);

    connect(m_searchButton, &QPushButton::clicked, this, &PostalCodeDialog::search);
    connect(m_insertButton, &QPushButton::clicked, this, &PostalCodeDialog::insertChosen);
    connect(m_cancelButton, &QPushButton::clicked, this, &PostalCodeDialog::close);
    connect(m_clearButton, &QPushButton::clicked, this, &PostalCodeDialog::clearResults);
    connect(m_resultsList, &QListWidget::itemDoubleClicked, this, &PostalCodeDialog::insertChosen);

    resize(520, 320);
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
    // The list's lines are Russian; another interface names the regions in its own language.
    if (!language::inSourceLanguage()) {
        for (int row = 0; row < m_regionBox->count(); ++row) {
            const QString name = postal::regionListName(row, language::current());
            if (!name.isEmpty())
                m_regionBox->setItemText(row, name);
        }
    }
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
        m_resultsList->clear();
        m_found.clear();
        const QString locality = m_localityBox->text();
        if (locality.isEmpty()) {
            m_ctx.messages.show(tr("не хватает нужных параметров для поиска!"));
            return;
        }
        const int row = selectedRegion();
        QList<postal::FoundEntry> found;
        if (row >= 0) {
            for (QString &entry : postal::searchRegion(m_ctx.workDir, row, locality))
                found.append({row, std::move(entry)});
        } else {
            found = postal::searchAllRegions(m_ctx.workDir, locality);
        }
        QStringList shown;
        shown.reserve(found.size());
        for (const postal::FoundEntry &f : std::as_const(found)) {
            const QString region = row < 0 && !f.entry.isEmpty() ? regionOf(f, postal::entryParts(f.entry)) : QString();
            if (region.isEmpty()) {
                shown.append(f.entry);
                continue;
            }
            // The region right after the locality, where a long entry does not hide it.
            qsizetype cut = f.entry.indexOf(QStringLiteral(", "));
            if (cut < 0)
                cut = f.entry.size();
            shown.append(f.entry.left(cut) + QStringLiteral(", ") + region + f.entry.mid(cut));
        }
        m_found = std::move(found);
        m_resultsList->addItems(shown);
        if (m_resultsList->count() > 0)
            m_resultsList->setCurrentRow(0);
    });
}

void PostalCodeDialog::clearResults()
{
    m_resultsList->clear();
    m_found.clear();
    m_localityBox->clear();
}

QStringList PostalCodeDialog::linesToInsert(const QListWidgetItem *item) const
{
    const int row = item ? m_resultsList->row(item) : -1;
    if (row < 0 || row >= m_found.size())
        return {};
    const postal::FoundEntry &found = m_found.at(row);
    const postal::EntryParts parts = postal::entryParts(found.entry);
    if (parts.code.isEmpty())
        return {};
    if (!m_withLocality->isChecked())
        return {parts.code};
    QStringList lines{parts.locality};
    const QString region = regionOf(found, parts);
    if (!region.isEmpty())
        lines.append(region);
    lines.append(parts.code);
    return lines;
}

void PostalCodeDialog::insertChosen()
{
    guarded(m_ctx.messages, [&] {
        const QStringList lines = linesToInsert(m_resultsList->currentItem());
        if (lines.isEmpty()) {
            m_ctx.messages.show(tr("Выберите индекс в списке найденных"));
            return;
        }
        emit insertRequested(lines);
        accept();
    });
}
