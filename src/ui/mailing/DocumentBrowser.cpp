#include "ui/mailing/DocumentBrowser.h"

#include "logic/services/Desktop.h"
#include "logic/services/Guard.h"
#include "ui/common/AppContext.h"
#include "ui/common/FormLook.h"

#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QListView>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>

DocumentBrowser::DocumentBrowser(AppContext &ctx, QWidget *parent)
    : QDialog(parent, formlook::FixedDialogFlags)
    , m_ctx(ctx)
{
    formlook::setUpDialog(this, "DocumentBrowser", tr("Открытие документа"), QSize(328, 258), QPoint());
    formlook::centreOnScreen(this);

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System | QDir::AllDirs);
    m_model->setReadOnly(false); // names can be edited in place

    m_folderBox = new QComboBox(this);
    m_folderBox->setObjectName(QStringLiteral("folderBox"));
    m_folderBox->setGeometry(16, 8, 297, 22);
    m_folderBox->setMaxVisibleItems(8);
    connect(m_folderBox, &QComboBox::activated, this,
            [this](int i) { guarded(m_ctx.messages, [&] { showFolder(m_folderBox->itemData(i).toString()); }); });

    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("folderList"));
    m_list->setGeometry(16, 40, 297, 169);
    m_list->setModel(m_model);
    m_list->setViewMode(QListView::ListMode);
    m_list->setFlow(QListView::TopToBottom);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    connect(m_list, &QListView::doubleClicked, this,
            [this](const QModelIndex &index) { guarded(m_ctx.messages, [&] { activateItem(index); }); });
    // Enter opens the current item as a double click does.
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto *open = new QShortcut(key, m_list, nullptr, nullptr, Qt::WidgetShortcut);
        connect(open, &QShortcut::activated, this,
                [this] { guarded(m_ctx.messages, [&] { activateItem(m_list->currentIndex()); }); });
    }
    m_list->setAccessibleName(tr("Содержимое папки"));
    m_folderBox->setAccessibleName(tr("Папка"));

    auto *close = new QPushButton(tr("Закрыть"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setGeometry(248, 224, 75, 25);
    connect(close, &QPushButton::clicked, this, &DocumentBrowser::close);

    setTabOrder(m_list, m_folderBox);
    setTabOrder(m_folderBox, close);

    // The folder is read when the window is first shown, not at start-up.
    m_folder = QDir::cleanPath(startFolder());
}

void DocumentBrowser::showEvent(QShowEvent *event)
{
    if (!m_list->rootIndex().isValid())
        showFolder(m_folder);
    QDialog::showEvent(event);
}

QString DocumentBrowser::startFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QFileInfo(desktop).isDir())
        return desktop;
    return QDir::homePath();
}

void DocumentBrowser::showFolder(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return;
    m_folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    m_model->setRootPath(m_folder);
    m_model->sort(0);
    m_list->setRootIndex(m_model->index(m_folder));
    fillFolderBox();
}

void DocumentBrowser::activateItem(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QString path = m_model->filePath(index);
    if (m_model->isDir(index))
        showFolder(path);
    else
        m_ctx.desktop.openDocument(path);
}

void DocumentBrowser::fillFolderBox()
{
    // The desktop, the home folder and the drives first, then the way from the top of the file
    // system down to the folder shown, each folder indented under the one that holds it.
    QFileIconProvider icons;
    m_folderBox->clear();
    auto add = [&](const QString &folder, const QString &caption) {
        m_folderBox->addItem(icons.icon(QFileInfo(folder)), caption, folder);
    };
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QFileInfo(desktop).isDir())
        add(QDir::cleanPath(desktop), tr("Рабочий стол"));
    add(QDir::cleanPath(QDir::homePath()), tr("Домашняя папка"));
    const QFileInfoList drives = QDir::drives();
    if (drives.size() > 1) {
        for (const QFileInfo &drive : drives)
            add(QDir::cleanPath(drive.absoluteFilePath()), QDir::toNativeSeparators(drive.absoluteFilePath()));
    }
    QStringList chain;
    for (QDir dir(m_folder);;) {
        chain.prepend(QDir::cleanPath(dir.absolutePath()));
        if (!dir.cdUp())
            break;
    }
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString &folder = chain.at(depth);
        const QString name = depth == 0 ? QDir::toNativeSeparators(folder) : QFileInfo(folder).fileName();
        add(folder, QString(depth * 2, QLatin1Char(' ')) + name);
    }
    m_folderBox->setCurrentIndex(m_folderBox->count() - 1);
}
