#pragma once
// The document browser: a folder box and a folder list rooted at the user's desktop (or home
// folder). A double-click on a folder shows it; a double-click on a file opens it with the
// application the desktop associates with it. One window for the whole run, made at program start
// and shown modally by the group mailing window; it keeps the folder it showed last. The main
// window closes it when the program loses the focus.

#include <QDialog>

struct AppContext;
class QComboBox;
class QFileSystemModel;
class QListView;
class QModelIndex;

class DocumentBrowser : public QDialog
{
    Q_OBJECT
public:
    explicit DocumentBrowser(AppContext &ctx, QWidget *parent = nullptr);

    // The folder the browser starts in: the desktop when it exists, else the home folder.
    static QString startFolder();

    QString currentFolder() const { return m_folder; }
    void showFolder(const QString &path);
    // What a double-click on an item of the list does.
    void activateItem(const QModelIndex &index);

    QComboBox *folderBox() const { return m_folderBox; }
    QListView *folderList() const { return m_list; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillFolderBox();

    AppContext &m_ctx;
    QFileSystemModel *m_model = nullptr;
    QComboBox *m_folderBox = nullptr;
    QListView *m_list = nullptr;
    QString m_folder;
};
