// The document browser: a double-click shows a folder or opens a file with its application.

#include "logic/print/PrintingService.h"
#include "support/TestSupport.h"
#include "ui/mailing/DocumentBrowser.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QListView>
#include <QTest>

using namespace testing;

class TestDocumentBrowser : public QObject
{
    Q_OBJECT
private slots:
    void doubleClickShowsFolderOrOpensFile()
    {
        TestProgram program(false);
        QTemporaryDir top;
        QDir(top.path()).mkdir(QStringLiteral("Таблицы"));
        const QString folder = QDir(top.path()).filePath(QStringLiteral("Таблицы"));
        QFile file(QDir(folder).filePath(QStringLiteral("адреса.xls")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        DocumentBrowser form(program.ctx());
        QCOMPARE(form.currentFolder(), QDir::cleanPath(DocumentBrowser::startFolder()));
        form.showFolder(top.path());
        auto *model = qobject_cast<QFileSystemModel *>(form.folderList()->model());
        form.activateItem(model->index(folder));
        QCOMPARE(form.currentFolder(), QDir::cleanPath(folder));
        QCOMPARE(form.folderList()->rootIndex(), model->index(folder));
        QCOMPARE(form.folderBox()->currentData().toString(), QDir::cleanPath(folder));
        QVERIFY(program.desktop().opened.isEmpty());

        form.activateItem(model->index(file.fileName()));
        QCOMPARE(program.desktop().opened, QStringList{file.fileName()});
        QCOMPARE(form.currentFolder(), QDir::cleanPath(folder)); // the folder stays for the next time

        // The folder box goes back up the way it came.
        const int up = form.folderBox()->findData(QDir::cleanPath(top.path()));
        QVERIFY(up >= 0);
        form.folderBox()->setCurrentIndex(up);
        emit form.folderBox()->activated(up);
        QCOMPARE(form.currentFolder(), QDir::cleanPath(top.path()));
    }
};

QTEST_MAIN(TestDocumentBrowser)
#include "test_documentbrowser.moc"
